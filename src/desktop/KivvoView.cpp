#include "desktop/KivvoView.h"

#include "app/KivvoDoc.h"
#include "desktop/DrawNamesDlg.h"
#include "desktop/Icons.h"
#include "desktop/ListModel.h"
#include "desktop/MessageBox.h"
#include "desktop/PersonDlg.h"
#include "model/NameList.h"
#include "platform/Framework.h"
#include "text/Resource.h"
#include "text/StringTable.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

namespace {

constexpr int kLongPressMs = 600;
constexpr int kLongPressSlack = 8; // pixels the pointer may wander during a long press

// A menu shows "&" as a mnemonic unless doubled.
QString MenuText(const QString& strName)
{
    return QString(strName).replace(u'&', QStringLiteral("&&"));
}

// A group goes with its persons, their addresses and wishes: asked first, No the default.
bool ConfirmDelete(const QModelIndex& index)
{
    const int nMembers = index.model()->rowCount(index);
    if (nMembers == 0)
        return true;
    const QString strName = index.data().toString();
    const EAnswer answer =
        nMembers == 1
            ? CMessageBox::Show(IDS_ASK_DELETE_GROUP_ONE, EBoxKind::YesNoDefaultNo, {strName})
            : CMessageBox::Show(IDS_ASK_DELETE_GROUP, EBoxKind::YesNoDefaultNo,
                                {strName, nMembers});
    return answer == EAnswer::Yes;
}

} // namespace

CKivvoView::CKivvoView(CKivvoDoc* pDoc, QWidget* pParent)
    : QTreeView(pParent), m_pDoc(pDoc), m_pModel(new CListModel(pDoc, this))
{
    setObjectName(QStringLiteral("listTree"));
    // Before the view's own: the selection of a row about to go is seen before it moves on.
    connect(m_pModel, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            &CKivvoView::OnRowsAboutToBeRemoved);
    setModel(m_pModel);
    // Every row is one line: a long list is laid out without measuring each row.
    setUniformRowHeights(true);
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    // Persons are dragged between groups and the top level; the model moves them, not Qt.
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::InternalMove);

    using View = CKivvoView;
    using Can = SCommands;
    const SContextItem rename = {0, &View::OnRenameItem, &Can::bRenameItem};
    const SContextItem addGroup = {IDS_MENU_ROOT_ADD_GROUP, &View::OnAddGroup, &Can::bAddGroup};
    const SContextItem addPerson = {IDS_MENU_ROOT_ADD_PERSON, &View::OnAddPerson, &Can::bAddPerson};
    const SContextItem remove = {0, &View::OnDeleteItem, &Can::bDeleteItem};
    m_menuRoot =
        BuildMenu({{IDS_MENU_ROOT_RENAME, rename.command, rename.pState}, addGroup, addPerson});
    m_menuGroup =
        BuildMenu({{IDS_MENU_GROUP_RENAME, rename.command, rename.pState},
                   {IDS_MENU_GROUP_ADD_PERSON, &View::OnAddPersonToGroup, &Can::bAddPersonToGroup},
                   {IDS_MENU_GROUP_DELETE, remove.command, remove.pState}});
    m_menuPerson = BuildMenu(
        {{IDS_MENU_PERSON_RENAME, rename.command, rename.pState},
         {IDS_MENU_PERSON_DELETE, remove.command, remove.pState},
         {IDS_MENU_PERSON_SEND, &View::OnSendEmailToPerson, &Can::bSendEmailToPerson},
         {IDS_MENU_CONTEXT_PROPERTIES, &View::OnPersonProperties, &Can::bPersonProperties}});
    m_menuEmpty = BuildMenu({addPerson, addGroup});
    m_menuMove = new QMenu(CStringTable::Load(IDS_MENU_MOVE_TO_GROUP), this);
    m_menuMove->setObjectName(QStringLiteral("moveMenu"));
    connect(m_menuMove, &QMenu::aboutToShow, this, &CKivvoView::FillMoveMenu);
    m_menuPerson->insertMenu(m_menuPerson->actions().value(3), m_menuMove);
    m_menuEmpty->setObjectName(QStringLiteral("emptyMenu"));
    m_menuRoot->setObjectName(QStringLiteral("rootMenu"));
    m_menuGroup->setObjectName(QStringLiteral("groupMenu"));
    m_menuPerson->setObjectName(QStringLiteral("personMenu"));

    m_pLongPress = new QTimer(this);
    m_pLongPress->setSingleShot(true);
    m_pLongPress->setInterval(kLongPressMs);
    connect(m_pLongPress, &QTimer::timeout, this,
            [this] { ShowContextMenu(viewport()->mapToGlobal(m_ptPress)); });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CKivvoView::StateChanged);
    connect(m_pModel, &QAbstractItemModel::rowsInserted, this, &CKivvoView::OnRowsInserted);
    connect(m_pModel, &QAbstractItemModel::rowsRemoved, this, &CKivvoView::StateChanged);
    connect(m_pModel, &QAbstractItemModel::modelAboutToBeReset, this, &CKivvoView::RememberState);
    connect(m_pModel, &QAbstractItemModel::modelReset, this, &CKivvoView::RestoreState);
    RestoreState();
}

QMenu* CKivvoView::BuildMenu(const QList<SContextItem>& items)
{
    auto* pMenu = new QMenu(this);
    for (const SContextItem& item : items) {
        QAction* pAction = pMenu->addAction(CStringTable::Load(item.nText));
        connect(pAction, &QAction::triggered, this, item.command);
        m_contextStates.insert(pAction, item.pState);
    }
    return pMenu;
}

QModelIndex CKivvoView::SelectedIndex() const
{
    return selectionModel()->selectedIndexes().value(0);
}

CListItem* CKivvoView::EntryOf(const QModelIndex& index) const
{
    return m_pModel->EntryAt(index);
}

QModelIndex CKivvoView::IndexOf(const CListItem* pEntry) const
{
    return m_pModel->IndexOf(pEntry);
}

QModelIndex CKivvoView::RootIndex() const
{
    return m_pModel->RootIndex();
}

CListItem* CKivvoView::SelectedEntry() const
{
    return EntryOf(SelectedIndex());
}

void CKivvoView::SelectItem(const QModelIndex& index)
{
    setCurrentIndex(index);
    scrollTo(index);
}

void CKivvoView::OnRowsAboutToBeRemoved(const QModelIndex& parent, int nFirst, int nLast)
{
    // An entry taken out may come back (an undo): it returns as it went, closed or selected.
    const CListItem* pSelected = SelectedEntry();
    for (int nRow = nFirst; nRow <= nLast; ++nRow) {
        const QModelIndex index = m_pModel->index(nRow, 0, parent);
        const CListItem* pEntry = EntryOf(index);
        if (m_pModel->rowCount(index) > 0 && !isExpanded(index))
            m_removedClosed.insert(pEntry);
        if (pEntry == pSelected)
            m_pRemovedSelected = pEntry;
    }
}

void CKivvoView::OnRowsInserted(const QModelIndex& parent, int nFirst, int nLast)
{
    // What is added shows: its container opens, and so does a group that comes in whole,
    // unless it went out closed.
    expand(parent);
    for (int nRow = nFirst; nRow <= nLast; ++nRow) {
        const QModelIndex index = m_pModel->index(nRow, 0, parent);
        const CListItem* pEntry = EntryOf(index);
        if (m_pModel->rowCount(index) > 0 && !m_removedClosed.remove(pEntry))
            expand(index);
        if (pEntry && pEntry == m_pRemovedSelected) {
            m_pRemovedSelected = nullptr;
            SelectItem(index);
        }
    }
    emit StateChanged();
}

void CKivvoView::RememberState()
{
    // Rows that went out before are not coming back as rows: the entries may be gone.
    m_removedClosed.clear();
    m_pRemovedSelected = nullptr;
    m_bRestore = m_pModel->ResetKeepsList();
    m_collapsed.clear();
    m_pSelectedBefore = nullptr;
    // Another list's entries may be gone already: only the same list's are looked at.
    if (!m_bRestore)
        return;
    m_pSelectedBefore = SelectedEntry();
    for (int nRow = 0; nRow < m_pModel->rowCount(RootIndex()); ++nRow) {
        const QModelIndex index = m_pModel->index(nRow, 0, RootIndex());
        if (m_pModel->rowCount(index) > 0 && !isExpanded(index))
            m_collapsed.insert(EntryOf(index));
    }
    m_bRootCollapsed = RootIndex().isValid() && !isExpanded(RootIndex());
}

void CKivvoView::RestoreState()
{
    m_editedIndex = QPersistentModelIndex();
    // The same list again (an import undone, say): it looks as it did; another one opens whole
    // with nothing selected.
    const bool bSameList = m_bRestore;
    // Row by row rather than expandAll(), which lays the tree out at once: this way the layout
    // waits until the tree is shown.
    const QModelIndex root = RootIndex();
    if (!(bSameList && m_bRootCollapsed))
        expand(root);
    for (int nRow = 0; nRow < m_pModel->rowCount(root); ++nRow) {
        const QModelIndex index = m_pModel->index(nRow, 0, root);
        if (m_pModel->rowCount(index) > 0 && !(bSameList && m_collapsed.contains(EntryOf(index))))
            expand(index);
    }
    const QModelIndex selected = bSameList ? IndexOf(m_pSelectedBefore) : QModelIndex();
    if (selected.isValid()) {
        SelectItem(selected);
    } else {
        setCurrentIndex({});
        clearSelection();
    }
    m_bRestore = false;
    m_pSelectedBefore = nullptr;
    emit StateChanged();
}

QString CKivvoView::NewPersonName() const
{
    return m_pDoc->GetCurrentList()->MakeUniqueName(CStringTable::Load(IDS_NEW_PERSON_NAME), {});
}

CKivvoView::SCommands CKivvoView::Commands() const
{
    SCommands commands;
    const CNameList* pList = m_pDoc->GetCurrentList();
    if (!pList)
        return commands;
    const QModelIndex selected = SelectedIndex();
    const CListItem* pEntry = EntryOf(selected);
    const bool bRoot = m_pModel->IsRoot(selected);
    const bool bEditable = IsEditable();
    const CPerson* pPerson = PersonOf(selected);
    commands.bAddPerson = bEditable;
    commands.bAddGroup = bEditable;
    commands.bAddPersonToGroup = bEditable && SelectedGroupIndex().isValid();
    commands.bDeleteItem = bEditable && !bRoot;
    // A past exchange keeps its entries, but its name may change.
    commands.bRenameItem = !m_pDoc->IsListLocked(pList) && (bEditable || bRoot);
    commands.bMoveToGroup =
        pPerson && bEditable && (m_pModel->GroupOf(pPerson) || pList->HasGroup());
    commands.bSendEmailToPerson = pPerson && !pPerson->m_strAddress.isEmpty() &&
                                  !pPerson->m_strGiftTo.isEmpty() && !m_pDoc->IsBusy();
    commands.bPersonProperties = bEditable && !bRoot && !(pEntry && pEntry->IsGroup());
    commands.bViewNotifications = true;
    return commands;
}

bool CKivvoView::MayRun(bool SCommands::*pCommand, bool bEdit) const
{
    if (!m_pDoc->GetCurrentList())
        return false;
    // The newest list stays as it is while its e-mails go out: said, however the command came.
    if (bEdit && !CMessageBox::Tell(m_pDoc->CheckNotSending(m_pDoc->GetCurrentList())))
        return false;
    // A past exchange is never changed but for its name, however the command came.
    return Commands().*pCommand;
}

bool CKivvoView::IsEditable() const
{
    // The newest list stays as it is while its e-mails are being sent; older ones always.
    const CNameList* pList = m_pDoc->GetCurrentList();
    return pList && !m_pDoc->IsListLocked(pList) && !m_pDoc->IsHistory(pList);
}

QModelIndex CKivvoView::SelectedGroupIndex() const
{
    CListItem* pEntry = SelectedEntry();
    if (!pEntry)
        return {};
    if (pEntry->IsGroup())
        return IndexOf(pEntry);
    return IndexOf(m_pModel->GroupOf(static_cast<CPerson*>(pEntry)));
}

void CKivvoView::OnAddPerson()
{
    if (!MayRun(&SCommands::bAddPerson, true))
        return;
    AddPerson({});
}

void CKivvoView::AddPerson(const QModelIndex& groupIndex)
{
    CListItem* pGroupEntry = EntryOf(groupIndex);
    auto* pGroup =
        pGroupEntry && pGroupEntry->IsGroup() ? static_cast<CGroup*>(pGroupEntry) : nullptr;
    // The addition and what the dialog stores are one step; Cancel takes both back.
    m_pDoc->UndoStack()->beginMacro(CStringTable::Load(IDS_EDIT_ADD_PERSON));
    CPerson* pPerson = nullptr;
    const CDocResult result = m_pDoc->AddPerson(pGroup, {NewPersonName(), {}, {}}, &pPerson);
    if (!result) {
        DropLastStep();
        CMessageBox::Tell(result);
        return;
    }
    if (const QModelIndex index = IndexOf(pPerson); index.isValid())
        SelectItem(index);
    // The new person is edited at once, once this command is over.
    QTimer::singleShot(0, this, [this, pPerson] { EditNewPerson(pPerson); });
}

void CKivvoView::DropLastStep()
{
    QUndoStack* pStack = m_pDoc->UndoStack();
    pStack->endMacro();
    // An obsolete step is dropped by the stack without being undone: it is undone first.
    if (auto* pStep = const_cast<QUndoCommand*>(pStack->command(pStack->index() - 1))) {
        pStep->undo();
        pStep->setObsolete(true);
        pStack->undo();
    }
}

void CKivvoView::EditNewPerson(CPerson* pPerson)
{
    if (IndexOf(pPerson).isValid() && RunPersonDialog(pPerson)) {
        m_pDoc->UndoStack()->endMacro();
        return;
    }
    // Cancelled: nobody called "Person" is left to be drawn, and no step either.
    DropLastStep();
    emit StateChanged();
}

void CKivvoView::OnAddGroup()
{
    if (!MayRun(&SCommands::bAddGroup, true))
        return;
    CGroup* pGroup = nullptr;
    if (!CMessageBox::Tell(m_pDoc->AddGroup(CStringTable::Load(IDS_NEW_GROUP_NAME), &pGroup)))
        return;
    const QModelIndex index = IndexOf(pGroup);
    if (!index.isValid())
        return;
    SelectItem(index);
    // The name is open for typing, as a new person's dialog is; once the command is over. The
    // name typed there is part of adding the group: one step.
    QTimer::singleShot(0, this, [this, pGroup] {
        const QModelIndex index = IndexOf(pGroup);
        if (!index.isValid() || !IsEditable())
            return;
        edit(index);
        if (state() == EditingState)
            m_pNamingNew = pGroup;
    });
}

void CKivvoView::OnAddPersonToGroup()
{
    if (!MayRun(&SCommands::bAddPersonToGroup, true))
        return;
    if (const QModelIndex group = SelectedGroupIndex(); group.isValid())
        AddPerson(group);
}

void CKivvoView::OnDeleteItem()
{
    if (!MayRun(&SCommands::bDeleteItem, true))
        return;
    const QModelIndex selected = SelectedIndex();
    CListItem* pEntry = EntryOf(selected);
    if (!pEntry || !ConfirmDelete(selected))
        return;
    CMessageBox::Tell(m_pDoc->RemoveEntry(pEntry));
    emit StateChanged();
}

CPerson* CKivvoView::PersonOf(const QModelIndex& index) const
{
    CListItem* pEntry = EntryOf(index);
    return pEntry && !pEntry->IsGroup() ? static_cast<CPerson*>(pEntry) : nullptr;
}

bool CKivvoView::MoveItem(const QModelIndex& index, CGroup* pGroup)
{
    CPerson* pPerson = PersonOf(index);
    if (!pPerson || !IsEditable() || m_pModel->GroupOf(pPerson) == pGroup)
        return false;
    if (!CMessageBox::Tell(m_pDoc->MovePerson(pPerson, pGroup)))
        return false;
    if (const QModelIndex moved = IndexOf(pPerson); moved.isValid())
        SelectItem(moved);
    emit StateChanged();
    return true;
}

bool CKivvoView::MoveSelectedTo(CGroup* pGroup)
{
    CNameList* pList = m_pDoc->GetCurrentList();
    if (!pList || !CMessageBox::Tell(m_pDoc->CheckNotSending(pList)))
        return false;
    return MoveItem(SelectedIndex(), pGroup);
}

void CKivvoView::FillMoveMenu()
{
    m_menuMove->clear();
    const CNameList* pList = m_pDoc->GetCurrentList();
    const CPerson* pPerson = PersonOf(SelectedIndex());
    if (!pList || !pPerson)
        return;
    const CGroup* pOwn = m_pModel->GroupOf(pPerson);
    auto addTarget = [this](const QString& strText, CGroup* pGroup, bool bHere) {
        QAction* pAction = m_menuMove->addAction(strText);
        pAction->setCheckable(true);
        pAction->setChecked(bHere);
        pAction->setEnabled(!bHere);
        connect(pAction, &QAction::triggered, this, [this, pGroup] { MoveSelectedTo(pGroup); });
    };
    for (CListItem* pEntry = pList->m_pFirst; pEntry; pEntry = pEntry->m_pNext) {
        if (pEntry->IsGroup())
            addTarget(MenuText(pEntry->m_strName), static_cast<CGroup*>(pEntry), pEntry == pOwn);
    }
    m_menuMove->addSeparator();
    addTarget(CStringTable::Load(IDS_MENU_NO_GROUP), nullptr, pOwn == nullptr);
}

bool CKivvoView::DropTarget(const QModelIndex& dragged, const QPoint& ptViewport,
                            CGroup*& pTarget) const
{
    const CPerson* pPerson = PersonOf(dragged);
    if (!pPerson || !IsEditable())
        return false;
    // A group takes what is dropped on it or on its persons; anything else is the top level.
    pTarget = nullptr;
    if (CListItem* pEntry = EntryOf(indexAt(ptViewport)); pEntry && pEntry->IsGroup())
        pTarget = static_cast<CGroup*>(pEntry);
    else if (pEntry)
        pTarget = m_pModel->GroupOf(static_cast<CPerson*>(pEntry));
    return pTarget != m_pModel->GroupOf(pPerson);
}

bool CKivvoView::DropOn(const QModelIndex& dragged, const QPoint& ptViewport)
{
    CGroup* pTarget = nullptr;
    return DropTarget(dragged, ptViewport, pTarget) && MoveItem(dragged, pTarget);
}

void CKivvoView::dragMoveEvent(QDragMoveEvent* pEvent)
{
    QTreeView::dragMoveEvent(pEvent); // scrolling and the drop indicator
    CGroup* pTarget = nullptr;
    if (pEvent->source() == this &&
        DropTarget(SelectedIndex(), pEvent->position().toPoint(), pTarget)) {
        pEvent->setDropAction(Qt::MoveAction);
        pEvent->accept();
    } else {
        pEvent->ignore();
    }
}

void CKivvoView::dropEvent(QDropEvent* pEvent)
{
    // Whatever the drop does, Qt must not move or remove items itself.
    pEvent->setDropAction(Qt::IgnoreAction);
    pEvent->accept();
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
    if (pEvent->source() == this &&
        CMessageBox::Tell(m_pDoc->CheckNotSending(m_pDoc->GetCurrentList())))
        DropOn(SelectedIndex(), pEvent->position().toPoint());
}

void CKivvoView::OnRenameItem()
{
    if (!MayRun(&SCommands::bRenameItem, true))
        return;
    if (const QModelIndex selected = SelectedIndex(); selected.isValid())
        edit(selected);
}

bool CKivvoView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* pEvent)
{
    // F2 and a click on the selected name rename without a command: the same lock holds.
    if (trigger != NoEditTriggers && m_pDoc->IsListLocked(m_pDoc->GetCurrentList()))
        return false;
    // Of a past exchange only the list's own name may change.
    if (trigger != NoEditTriggers && !IsEditable() && !m_pModel->IsRoot(index))
        return false;
    m_pNamingNew = nullptr; // another edit names no new group
    const bool bEditing = QTreeView::edit(index, trigger, pEvent);
    if (bEditing)
        m_editedIndex = index;
    return bEditing;
}

void CKivvoView::EndEditing()
{
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget* pEditor = indexWidget(currentIndex())) {
        commitData(pEditor);
        closeEditor(pEditor, QAbstractItemDelegate::NoHint);
    }
}

void CKivvoView::commitData(QWidget* pEditor)
{
    // The label's text is applied here, by the naming rules, instead of written as typed.
    auto* pLineEdit = qobject_cast<QLineEdit*>(pEditor);
    // An edit begun before the e-mails went out keeps the name as it was.
    if (m_pDoc->IsListLocked(m_pDoc->GetCurrentList())) {
        AfterEditing(
            [this] { CMessageBox::Tell(m_pDoc->CheckNotSending(m_pDoc->GetCurrentList())); });
        return;
    }
    if (pLineEdit && m_editedIndex.isValid())
        OnEndLabelEdit(m_editedIndex, pLineEdit->text());
}

void CKivvoView::OnEndLabelEdit(const QModelIndex& index, const QString& strText)
{
    CNameList* pList = m_pDoc->GetCurrentList();
    CListItem* pEntry = EntryOf(index);
    if (!pList || (!m_pModel->IsRoot(index) && !pEntry))
        return;
    const bool bNamesNew = pEntry && pEntry == std::exchange(m_pNamingNew, nullptr);
    const CDocResult result = m_pDoc->Rename(pList, pEntry, strText, bNamesNew);
    if (result.MessageId())
        AfterEditing([result] { CMessageBox::Tell(result); });
}

void CKivvoView::closeEditor(QWidget* pEditor, QAbstractItemDelegate::EndEditHint hint)
{
    // Given up (Escape), the group keeps its first name; a later rename is a step of its own.
    m_pNamingNew = nullptr;
    QTreeView::closeEditor(pEditor, hint);
}

void CKivvoView::AfterEditing(std::function<void()> fnShow)
{
    // A message box while the editor is being closed takes the focus from it, and the view
    // would close the same editor a second time once the box is gone: the box waits until
    // the editor is closed.
    QTimer::singleShot(0, this, std::move(fnShow));
}

void CKivvoView::OnPersonProperties()
{
    if (!MayRun(&SCommands::bPersonProperties, true))
        return;
    RunPersonDialog(PersonOf(SelectedIndex()));
}

bool CKivvoView::RunPersonDialog(CPerson* pPerson)
{
    if (!pPerson)
        return false;
    CPersonDlg dialog(pPerson, m_pDoc, this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    emit StateChanged();
    return true;
}

void CKivvoView::OnSendEmailToPerson()
{
    // Refused by the send itself, which says why.
    if (const CPerson* pPerson = PersonOf(SelectedIndex()))
        emit SendEmailRequested(pPerson);
}

void CKivvoView::OnViewNotifications()
{
    if (!MayRun(&SCommands::bViewNotifications, false) ||
        !CMessageBox::Tell(m_pDoc->CheckMayShowPairs(m_pDoc->GetCurrentList())))
        return;
    if (CMessageBox::Show(IDS_ASK_VIEW_NOTIFICATIONS, EBoxKind::YesNoDefaultNo) != EAnswer::Yes)
        return;
    if (!CMessageBox::Tell(m_pDoc->CheckCurrentDrawing()))
        return;
    CDrawNamesDlg dialog(m_pDoc->GetCurrentList(), CDrawNamesDlg::kShowMode, this);
    dialog.exec();
}

void CKivvoView::ShowContextMenu(const QPoint& ptScreen)
{
    m_pLongPress->stop();
    const QModelIndex selected = SelectedIndex();
    const CListItem* pEntry = EntryOf(selected);
    QMenu* pMenu = selected.isValid() ? m_menuPerson : m_menuEmpty;
    if (m_pModel->IsRoot(selected))
        pMenu = m_menuRoot;
    else if (pEntry && pEntry->IsGroup())
        pMenu = m_menuGroup;
    UpdateMenu(pMenu);
    pMenu->popup(ptScreen);
}

void CKivvoView::UpdateMenu(QMenu* pMenu) const
{
    const SCommands commands = Commands();
    for (QAction* pAction : pMenu->actions()) {
        if (const auto pState = m_contextStates.value(pAction))
            pAction->setEnabled(commands.*pState);
    }
    m_menuMove->menuAction()->setEnabled(commands.bMoveToGroup);
}

void CKivvoView::contextMenuEvent(QContextMenuEvent* pEvent)
{
    // A right-click selects the item under the pointer first; the context-menu key keeps
    // the selection and opens the menu at the selected item.
    if (pEvent->reason() == QContextMenuEvent::Mouse) {
        if (const QModelIndex index = indexAt(pEvent->pos()); index.isValid()) {
            SelectItem(index);
        } else {
            // Empty space: the menu of what can be added to the list.
            setCurrentIndex({});
            clearSelection();
        }
        m_ptContextMenu = pEvent->globalPos();
    } else {
        const QModelIndex selected = SelectedIndex();
        const QRect rect = selected.isValid() ? visualRect(selected) : QRect();
        m_ptContextMenu = viewport()->mapToGlobal(rect.isValid() ? rect.bottomLeft() : QPoint());
    }
    ShowContextMenu(m_ptContextMenu);
    pEvent->accept();
}

void CKivvoView::keyPressEvent(QKeyEvent* pEvent)
{
    // The keys of the context menus' commands, taken only while no name is being edited.
    const bool bPlain =
        pEvent->modifiers() == Qt::NoModifier || pEvent->modifiers() == Qt::KeypadModifier;
    const SCommands commands = Commands();
    Command command = nullptr;
    bool bEnabled = false;
    // Insert adds into the group that is selected, or that holds the selected person.
    if (bPlain && pEvent->key() == Qt::Key_Insert) {
        const bool bIntoGroup = SelectedGroupIndex().isValid();
        command = bIntoGroup ? &CKivvoView::OnAddPersonToGroup : &CKivvoView::OnAddPerson;
        bEnabled = bIntoGroup ? commands.bAddPersonToGroup : commands.bAddPerson;
    } else if (bPlain && pEvent->key() == Qt::Key_Delete && SelectedIndex().isValid()) {
        command = &CKivvoView::OnDeleteItem;
        bEnabled = commands.bDeleteItem;
    } else if (bPlain && (pEvent->key() == Qt::Key_Return || pEvent->key() == Qt::Key_Enter)) {
        command = &CKivvoView::OnPersonProperties;
        bEnabled = commands.bPersonProperties;
    }
    if (state() != QAbstractItemView::EditingState && command && bEnabled) {
        pEvent->accept();
        (this->*command)();
        return;
    }
    if (pEvent->key() == Qt::Key_F10 && pEvent->modifiers() == Qt::ShiftModifier) {
        // The other usual key for a context menu, besides the menu key.
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(), QCursor::pos());
        contextMenuEvent(&menuEvent);
        return;
    }
    QTreeView::keyPressEvent(pEvent);
}

void CKivvoView::mousePressEvent(QMouseEvent* pEvent)
{
    QTreeView::mousePressEvent(pEvent);
    if (pEvent->button() == Qt::LeftButton) {
        m_ptPress = pEvent->position().toPoint();
        m_ptContextMenu = pEvent->globalPosition().toPoint();
        m_pLongPress->start();
    }
}

void CKivvoView::mouseMoveEvent(QMouseEvent* pEvent)
{
    if ((pEvent->position().toPoint() - m_ptPress).manhattanLength() > kLongPressSlack)
        m_pLongPress->stop();
    QTreeView::mouseMoveEvent(pEvent);
}

void CKivvoView::mouseReleaseEvent(QMouseEvent* pEvent)
{
    m_pLongPress->stop();
    QTreeView::mouseReleaseEvent(pEvent);
}
