#include "KivvoView.h"

#include "PersonDlg.h"
#include "app/KivvoDoc.h"
#include "draw/DrawNamesDlg.h"
#include "model/NameList.h"
#include "platform/Framework.h"
#include "platform/MessageBox.h"
#include "res/Icons.h"
#include "res/Resource.h"
#include "res/StringTable.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSet>
#include <QTimer>

namespace {

constexpr int kLongPressMs = 600;
constexpr int kLongPressSlack = 8; // pixels the pointer may wander during a long press

constexpr int kPersonImage = 0;
constexpr int kGroupImage = 1;
constexpr int kExcludingImage = 2;

// Where an entry stands among its container's entries.
int IndexOf(const CNameList& list, const CListItem* pEntry, const CGroup* pGroup)
{
    int nIndex = 0;
    const CListItem* pFirst = pGroup ? pGroup->m_pFirst : list.m_pFirst;
    for (const CListItem* p = pFirst; p && p != pEntry; p = p->m_pNext)
        ++nIndex;
    return nIndex;
}

// A menu shows "&" as a mnemonic unless doubled.
QString MenuText(const QString& strName)
{
    return QString(strName).replace(u'&', QStringLiteral("&&"));
}

// A group goes with its persons, their addresses and wishes: asked first, No the default.
bool ConfirmDelete(const QTreeWidgetItem* pItem)
{
    const int nMembers = pItem->childCount();
    if (nMembers == 0)
        return true;
    const QString strName = pItem->text(0);
    const EAnswer answer =
        nMembers == 1
            ? CMessageBox::Show(IDS_ASK_DELETE_GROUP_ONE, EBoxKind::YesNoDefaultNo, {strName})
            : CMessageBox::Show(IDS_ASK_DELETE_GROUP, EBoxKind::YesNoDefaultNo,
                                {strName, nMembers});
    return answer == EAnswer::Yes;
}

} // namespace

CKivvoView::CKivvoView(CKivvoDoc* pDoc, QWidget* pParent)
    : QTreeWidget(pParent), m_pDoc(pDoc), m_imageList{CIcons::PersonIcon(), CIcons::GroupIcon(),
                                                      CIcons::PersonWithExclusionsIcon()}
{
    setObjectName(QStringLiteral("listTree"));
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

    // Until the first rebuild the tree shows a placeholder root.
    m_hRootItem = new QTreeWidgetItem(this, {CStringTable::Load(IDS_ROOT_PLACEHOLDER)});
    m_hRootItem->setIcon(0, m_imageList[kGroupImage]);

    m_pLongPress = new QTimer(this);
    m_pLongPress->setSingleShot(true);
    m_pLongPress->setInterval(kLongPressMs);
    connect(m_pLongPress, &QTimer::timeout, this,
            [this] { ShowContextMenu(viewport()->mapToGlobal(m_ptPress)); });
    connect(this, &QTreeWidget::itemSelectionChanged, this, &CKivvoView::StateChanged);
    connect(m_pDoc, &CDocument::ViewsUpdated, this, &CKivvoView::OnUpdate);
    connect(m_pDoc, &CKivvoDoc::EntryAdded, this, &CKivvoView::OnEntryAdded);
    connect(m_pDoc, &CKivvoDoc::EntryRemoved, this, &CKivvoView::OnEntryRemoved);
    connect(m_pDoc, &CKivvoDoc::EntryChanged, this, &CKivvoView::OnEntryChanged);
    connect(m_pDoc, &CKivvoDoc::ExclusionsChanged, this, [this](CNameList* pList) {
        if (pList == m_pDoc->GetCurrentList())
            UpdateExclusionMarks();
    });
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

QTreeWidgetItem* CKivvoView::SelectedItem() const
{
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

CListItem* CKivvoView::EntryOf(const QTreeWidgetItem* pItem) const
{
    return pItem ? reinterpret_cast<CListItem*>(pItem->data(0, Qt::UserRole).value<quintptr>())
                 : nullptr;
}

CListItem* CKivvoView::SelectedEntry() const
{
    return EntryOf(SelectedItem());
}

void CKivvoView::SelectItem(QTreeWidgetItem* pItem)
{
    setCurrentItem(pItem);
    pItem->setSelected(true);
    scrollToItem(pItem);
}

QTreeWidgetItem* CKivvoView::InsertItem(QTreeWidgetItem* pParent, CListItem* pEntry, int nIndex)
{
    auto* pItem = new QTreeWidgetItem({pEntry->m_strName});
    if (nIndex < 0 || nIndex > pParent->childCount())
        pParent->addChild(pItem);
    else
        pParent->insertChild(nIndex, pItem);
    pItem->setIcon(0, m_imageList[pEntry->IsGroup() ? kGroupImage : kPersonImage]);
    pItem->setFlags(pItem->flags() | Qt::ItemIsEditable);
    if (pEntry->IsGroup())
        pItem->setFlags(pItem->flags() & ~Qt::ItemIsDragEnabled);
    pItem->setData(0, Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(pEntry)));
    m_items.insert(pEntry, pItem);
    return pItem;
}

void CKivvoView::Forget(QTreeWidgetItem* pItem)
{
    for (int i = 0; i < pItem->childCount(); ++i)
        Forget(pItem->child(i));
    m_items.remove(EntryOf(pItem));
    if (m_pEditedItem == pItem)
        m_pEditedItem = nullptr;
}

void CKivvoView::OnEntryAdded(CNameList* pList, CListItem* pEntry)
{
    if (pList != m_pDoc->GetCurrentList() || m_items.contains(pEntry))
        return;
    CGroup* pGroup = pEntry->IsGroup() ? nullptr : pList->GroupOf(static_cast<CPerson*>(pEntry));
    QTreeWidgetItem* pParent = pGroup ? m_items.value(pGroup) : m_hRootItem;
    if (!pParent)
        return;
    QTreeWidgetItem* pItem = InsertItem(pParent, pEntry, IndexOf(*pList, pEntry, pGroup));
    if (pEntry->IsGroup()) {
        for (CPerson* pPerson = static_cast<CGroup*>(pEntry)->m_pFirst; pPerson;
             pPerson = pPerson->Next())
            InsertItem(pItem, pPerson);
        pItem->setExpanded(true);
    }
    pParent->setExpanded(true);
    UpdateExclusionMarks();
    emit StateChanged();
}

void CKivvoView::OnEntryRemoved(CNameList* pList, CListItem* pEntry)
{
    QTreeWidgetItem* pItem = pList == m_pDoc->GetCurrentList() ? m_items.value(pEntry) : nullptr;
    if (!pItem)
        return;
    Forget(pItem);
    delete pItem; // with its child items
    emit StateChanged();
}

void CKivvoView::OnEntryChanged(CNameList* pList, CListItem* pEntry)
{
    QTreeWidgetItem* pItem = pList == m_pDoc->GetCurrentList() ? m_items.value(pEntry) : nullptr;
    if (!pItem)
        return;
    pItem->setText(0, pEntry->m_strName);
    UpdateExclusionMarks();
    emit StateChanged();
}

void CKivvoView::UpdateExclusionMarks()
{
    const CNameList* pList = m_pDoc->GetCurrentList();
    if (!pList)
        return;
    QSet<QString> givers;
    for (const CExclusions::CPair& pair : pList->m_exclusions.Pairs())
        givers.insert(pair.m_strGiver);
    const QBrush dimmed = palette().brush(QPalette::Disabled, QPalette::Text);
    pList->ForEachPerson([&](CPerson* pPerson) {
        QTreeWidgetItem* pItem = m_items.value(pPerson);
        if (!pItem)
            return;
        const bool bExcludes = givers.contains(pPerson->m_strName);
        pItem->setIcon(0, m_imageList[bExcludes ? kExcludingImage : kPersonImage]);
        QStringList tips;
        if (bExcludes)
            tips.append(CStringTable::Load(IDS_TIP_HAS_EXCLUSIONS));
        // Nobody is told whom he drew without an address: his name is greyed.
        const bool bNoAddress = pPerson->m_strAddress.trimmed().isEmpty();
        if (bNoAddress)
            tips.append(CStringTable::Format(IDS_TIP_NO_ADDRESS, {pPerson->m_strName}));
        pItem->setForeground(0, bNoAddress ? dimmed : QBrush());
        pItem->setToolTip(0, tips.join(u'\n'));
    });
}

void CKivvoView::OnUpdate(int nHint)
{
    if (nHint == HINT_LIST_CHANGED)
        Rebuild();
    const CNameList* pList = m_pDoc->GetCurrentList();
    if (nHint == HINT_LIST_RENAMED && pList)
        m_hRootItem->setText(0, pList->m_strName);
}

void CKivvoView::Rebuild()
{
    const QSignalBlocker block(this);
    clear();
    m_items.clear();
    m_pEditedItem = nullptr;
    CNameList* pList = m_pDoc->GetCurrentList();
    // Built apart and handed to the tree whole: one insertion instead of one per entry.
    m_hRootItem = new QTreeWidgetItem({pList ? pList->m_strName : QString()});
    m_hRootItem->setIcon(0, m_imageList[kGroupImage]);
    m_hRootItem->setFlags((m_hRootItem->flags() | Qt::ItemIsEditable) & ~Qt::ItemIsDragEnabled);
    QList<QTreeWidgetItem*> groups;
    for (CListItem* pEntry = pList ? pList->m_pFirst : nullptr; pEntry; pEntry = pEntry->m_pNext) {
        QTreeWidgetItem* pItem = InsertItem(m_hRootItem, pEntry);
        if (!pEntry->IsGroup())
            continue;
        for (CPerson* pPerson = static_cast<CGroup*>(pEntry)->m_pFirst; pPerson;
             pPerson = pPerson->Next())
            InsertItem(pItem, pPerson);
        groups.append(pItem);
    }
    UpdateExclusionMarks();
    addTopLevelItem(m_hRootItem);
    for (QTreeWidgetItem* pGroup : std::as_const(groups))
        pGroup->setExpanded(true);
    m_hRootItem->setExpanded(true);
    setCurrentItem(nullptr);
    clearSelection();
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
    QTreeWidgetItem* pSelected = SelectedItem();
    const CListItem* pEntry = EntryOf(pSelected);
    const bool bRoot = pSelected && pSelected == m_hRootItem;
    const bool bEditable = IsEditable();
    const CPerson* pPerson = PersonOf(pSelected);
    commands.bAddPerson = bEditable;
    commands.bAddGroup = bEditable;
    commands.bAddPersonToGroup = bEditable && SelectedGroupItem() != nullptr;
    commands.bDeleteItem = bEditable && !bRoot;
    // A past exchange keeps its entries, but its name may change.
    commands.bRenameItem = !m_pDoc->IsListLocked(pList) && (bEditable || bRoot);
    commands.bMoveToGroup = pPerson && bEditable && (pList->GroupOf(pPerson) || pList->HasGroup());
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

QTreeWidgetItem* CKivvoView::SelectedGroupItem() const
{
    const CNameList* pList = m_pDoc->GetCurrentList();
    CListItem* pEntry = SelectedEntry();
    if (!pList || !pEntry)
        return nullptr;
    if (pEntry->IsGroup())
        return m_items.value(pEntry);
    const CGroup* pGroup = pList->GroupOf(static_cast<CPerson*>(pEntry));
    return pGroup ? m_items.value(pGroup) : nullptr;
}

void CKivvoView::OnAddPerson()
{
    if (!MayRun(&SCommands::bAddPerson, true))
        return;
    AddPerson(nullptr);
}

void CKivvoView::AddPerson(QTreeWidgetItem* pGroupItem)
{
    CListItem* pGroupEntry = EntryOf(pGroupItem);
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
    m_hRootItem->setExpanded(true);
    if (QTreeWidgetItem* pItem = m_items.value(pPerson))
        SelectItem(pItem);
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
    if (m_items.contains(pPerson) && RunPersonDialog(pPerson)) {
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
    QTreeWidgetItem* pItem = m_items.value(pGroup);
    if (!pItem)
        return;
    SelectItem(pItem);
    m_hRootItem->setExpanded(true);
    // The name is open for typing, as a new person's dialog is; once the command is over.
    QTimer::singleShot(0, this, [this, pGroup] {
        QTreeWidgetItem* pItem = m_items.value(pGroup);
        if (pItem && IsEditable())
            editItem(pItem);
    });
}

void CKivvoView::OnAddPersonToGroup()
{
    if (!MayRun(&SCommands::bAddPersonToGroup, true))
        return;
    if (QTreeWidgetItem* pGroupItem = SelectedGroupItem())
        AddPerson(pGroupItem);
}

void CKivvoView::OnDeleteItem()
{
    if (!MayRun(&SCommands::bDeleteItem, true))
        return;
    QTreeWidgetItem* pSelected = SelectedItem();
    CListItem* pEntry = EntryOf(pSelected);
    if (!pEntry || !ConfirmDelete(pSelected))
        return;
    CMessageBox::Tell(m_pDoc->RemoveEntry(pEntry));
    emit StateChanged();
}

CPerson* CKivvoView::PersonOf(QTreeWidgetItem* pItem) const
{
    CListItem* pEntry = EntryOf(pItem);
    return pEntry && !pEntry->IsGroup() ? static_cast<CPerson*>(pEntry) : nullptr;
}

bool CKivvoView::MoveItem(QTreeWidgetItem* pItem, CGroup* pGroup)
{
    CNameList* pList = m_pDoc->GetCurrentList();
    CPerson* pPerson = PersonOf(pItem);
    if (!pPerson || !IsEditable() || pList->GroupOf(pPerson) == pGroup)
        return false;
    if (!CMessageBox::Tell(m_pDoc->MovePerson(pPerson, pGroup)))
        return false;
    if (QTreeWidgetItem* pMoved = m_items.value(pPerson))
        SelectItem(pMoved);
    emit StateChanged();
    return true;
}

bool CKivvoView::MoveSelectedTo(CGroup* pGroup)
{
    CNameList* pList = m_pDoc->GetCurrentList();
    if (!pList || !CMessageBox::Tell(m_pDoc->CheckNotSending(pList)))
        return false;
    return MoveItem(SelectedItem(), pGroup);
}

void CKivvoView::FillMoveMenu()
{
    m_menuMove->clear();
    const CNameList* pList = m_pDoc->GetCurrentList();
    const CPerson* pPerson = PersonOf(SelectedItem());
    if (!pList || !pPerson)
        return;
    const CGroup* pOwn = pList->GroupOf(pPerson);
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

bool CKivvoView::DropTarget(QTreeWidgetItem* pDragged, const QPoint& ptViewport,
                            CGroup*& pTarget) const
{
    const CNameList* pList = m_pDoc->GetCurrentList();
    const CPerson* pPerson = PersonOf(pDragged);
    if (!pPerson || !IsEditable())
        return false;
    // A group takes what is dropped on it or on its persons; anything else is the top level.
    pTarget = nullptr;
    if (QTreeWidgetItem* pOver = itemAt(ptViewport); pOver && pOver != m_hRootItem) {
        CListItem* pEntry = EntryOf(pOver);
        if (pEntry && pEntry->IsGroup())
            pTarget = static_cast<CGroup*>(pEntry);
        else if (pEntry)
            pTarget = pList->GroupOf(static_cast<CPerson*>(pEntry));
    }
    return pTarget != pList->GroupOf(pPerson);
}

bool CKivvoView::DropOn(QTreeWidgetItem* pDragged, const QPoint& ptViewport)
{
    CGroup* pTarget = nullptr;
    return DropTarget(pDragged, ptViewport, pTarget) && MoveItem(pDragged, pTarget);
}

void CKivvoView::dragMoveEvent(QDragMoveEvent* pEvent)
{
    QTreeWidget::dragMoveEvent(pEvent); // scrolling and the drop indicator
    CGroup* pTarget = nullptr;
    if (pEvent->source() == this &&
        DropTarget(SelectedItem(), pEvent->position().toPoint(), pTarget)) {
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
        DropOn(SelectedItem(), pEvent->position().toPoint());
}

void CKivvoView::OnRenameItem()
{
    if (!MayRun(&SCommands::bRenameItem, true))
        return;
    if (QTreeWidgetItem* pSelected = SelectedItem())
        editItem(pSelected);
}

bool CKivvoView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* pEvent)
{
    // F2 and a click on the selected name rename without a command: the same lock holds.
    if (trigger != NoEditTriggers && m_pDoc->IsListLocked(m_pDoc->GetCurrentList()))
        return false;
    // Of a past exchange only the list's own name may change.
    if (trigger != NoEditTriggers && !IsEditable() && itemFromIndex(index) != m_hRootItem)
        return false;
    const bool bEditing = QTreeWidget::edit(index, trigger, pEvent);
    if (bEditing)
        m_pEditedItem = itemFromIndex(index);
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
    if (pLineEdit && m_pEditedItem)
        OnEndLabelEdit(m_pEditedItem, pLineEdit->text());
}

void CKivvoView::OnEndLabelEdit(QTreeWidgetItem* pItem, const QString& strText)
{
    CNameList* pList = m_pDoc->GetCurrentList();
    CListItem* pEntry = EntryOf(pItem);
    if (!pList || (pItem != m_hRootItem && !pEntry))
        return;
    const CDocResult result = m_pDoc->Rename(pList, pEntry, strText);
    if (result.MessageId())
        AfterEditing([result] { CMessageBox::Tell(result); });
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
    RunPersonDialog(PersonOf(SelectedItem()));
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
    if (const CPerson* pPerson = PersonOf(SelectedItem()))
        emit SendEmailRequested(pPerson);
}

void CKivvoView::OnViewNotifications()
{
    if (!MayRun(&SCommands::bViewNotifications, false))
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
    CNameList* pList = m_pDoc->GetCurrentList();
    QTreeWidgetItem* pSelected = SelectedItem();
    QMenu* pMenu = pSelected ? m_menuPerson : m_menuEmpty;
    if (pSelected && pSelected == m_hRootItem)
        pMenu = m_menuRoot;
    else if (pSelected && pList && EntryOf(pSelected) && EntryOf(pSelected)->IsGroup())
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
        if (QTreeWidgetItem* pItem = itemAt(pEvent->pos())) {
            SelectItem(pItem);
        } else {
            // Empty space: the menu of what can be added to the list.
            setCurrentItem(nullptr);
            clearSelection();
        }
        m_ptContextMenu = pEvent->globalPos();
    } else {
        QTreeWidgetItem* pSelected = SelectedItem();
        const QRect rect = pSelected ? visualItemRect(pSelected) : QRect();
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
        const bool bIntoGroup = SelectedGroupItem() != nullptr;
        command = bIntoGroup ? &CKivvoView::OnAddPersonToGroup : &CKivvoView::OnAddPerson;
        bEnabled = bIntoGroup ? commands.bAddPersonToGroup : commands.bAddPerson;
    } else if (bPlain && pEvent->key() == Qt::Key_Delete && SelectedItem()) {
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
    QTreeWidget::keyPressEvent(pEvent);
}

void CKivvoView::mousePressEvent(QMouseEvent* pEvent)
{
    QTreeWidget::mousePressEvent(pEvent);
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
    QTreeWidget::mouseMoveEvent(pEvent);
}

void CKivvoView::mouseReleaseEvent(QMouseEvent* pEvent)
{
    m_pLongPress->stop();
    QTreeWidget::mouseReleaseEvent(pEvent);
}
