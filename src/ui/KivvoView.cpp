#include "KivvoView.h"

#include "PersonDlg.h"
#include "app/KivvoDoc.h"
#include "draw/DrawNamesDlg.h"
#include "model/NameList.h"
#include "platform/CmdUI.h"
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
    const int nAnswer =
        nMembers == 1
            ? CMessageBox::Show(IDS_ASK_DELETE_GROUP_ONE, EBoxKind::YesNoDefaultNo, {strName})
            : CMessageBox::Show(IDS_ASK_DELETE_GROUP, EBoxKind::YesNoDefaultNo,
                                {strName, nMembers});
    return nAnswer == IDYES;
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

    m_menuRoot = BuildMenu({{IDS_MENU_ROOT_RENAME, ID_RENAME_ITEM},
                            {IDS_MENU_ROOT_ADD_GROUP, ID_ADD_GROUP},
                            {IDS_MENU_ROOT_ADD_PERSON, ID_ADD_PERSON}});
    m_menuGroup = BuildMenu({{IDS_MENU_GROUP_RENAME, ID_RENAME_ITEM},
                             {IDS_MENU_GROUP_ADD_PERSON, ID_ADD_PERSON_TO_GROUP},
                             {IDS_MENU_GROUP_DELETE, ID_DELETE_ITEM}});
    m_menuPerson = BuildMenu({{IDS_MENU_PERSON_RENAME, ID_RENAME_ITEM},
                              {IDS_MENU_PERSON_DELETE, ID_DELETE_ITEM},
                              {IDS_MENU_PERSON_SEND, ID_SEND_EMAIL_TO_PERSON},
                              {IDS_MENU_CONTEXT_PROPERTIES, ID_PERSON_PROPERTIES}});
    m_menuEmpty = BuildMenu(
        {{IDS_MENU_ROOT_ADD_PERSON, ID_ADD_PERSON}, {IDS_MENU_ROOT_ADD_GROUP, ID_ADD_GROUP}});
    m_menuMove = new QMenu(CStringTable::Load(IDS_MENU_MOVE_TO_GROUP), this);
    m_menuMove->setObjectName(QStringLiteral("moveMenu"));
    m_menuMove->menuAction()->setData(ID_MOVE_TO_GROUP);
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

QMenu* CKivvoView::BuildMenu(const QList<QPair<int, int>>& items)
{
    auto* pMenu = new QMenu(this);
    for (const auto& [nText, nCommand] : items) {
        QAction* pAction = pMenu->addAction(CStringTable::Load(nText));
        pAction->setData(nCommand);
        connect(pAction, &QAction::triggered, this,
                [this, nCommand = nCommand] { emit CommandChosen(nCommand); });
    }
    connect(pMenu, &QMenu::aboutToShow, this, [this, pMenu] { emit MenuAboutToShow(pMenu); });
    return pMenu;
}

QMenu* CKivvoView::ContextMenu(int nMenuId) const
{
    switch (nMenuId) {
    case IDM_CONTEXT_ROOT:
        return m_menuRoot;
    case IDM_CONTEXT_GROUP:
        return m_menuGroup;
    default:
        return m_menuPerson;
    }
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

bool CKivvoView::OnUpdateCommand(CCmdUI& cmdUI)
{
    CNameList* pList = m_pDoc->GetCurrentList();
    QTreeWidgetItem* pSelected = SelectedItem();
    const CListItem* pEntry = EntryOf(pSelected);
    const bool bGroup = pEntry && pEntry->IsGroup();
    const bool bRoot = pSelected && pSelected == m_hRootItem;
    const bool bEditable = IsEditable();
    switch (cmdUI.m_nID) {
    case ID_ADD_PERSON:
    case ID_ADD_GROUP:
        cmdUI.Enable(pList != nullptr && bEditable);
        return true;
    case ID_RENAME_ITEM:
        // A past exchange keeps its entries, but its name may change.
        cmdUI.Enable(pList && !m_pDoc->IsListLocked(pList) && (bEditable || bRoot));
        return true;
    case ID_MOVE_TO_GROUP: {
        const CPerson* pPerson = pSelected ? PersonOf(pSelected) : nullptr;
        cmdUI.Enable(pPerson && bEditable && (pList->GroupOf(pPerson) || pList->HasGroup()));
        return true;
    }
    case ID_VIEW_NOTIFICATIONS:
        cmdUI.Enable(pList != nullptr);
        return true;
    case ID_ADD_PERSON_TO_GROUP:
        cmdUI.Enable(pList && bEditable && SelectedGroupItem() != nullptr);
        return true;
    case ID_DELETE_ITEM:
        cmdUI.Enable(!bRoot && bEditable);
        return true;
    case ID_SEND_EMAIL_TO_PERSON: {
        const CPerson* pPerson = PersonOf(pSelected);
        cmdUI.Enable(pPerson && !pPerson->m_strAddress.isEmpty() &&
                     !pPerson->m_strGiftTo.isEmpty() && !m_pDoc->IsBusy());
        return true;
    }
    case ID_PERSON_PROPERTIES:
        cmdUI.Enable(!bRoot && bEditable && !bGroup);
        return true;
    default:
        return false;
    }
}

bool CKivvoView::OnCommand(int nID)
{
    if (!m_pDoc->GetCurrentList() && nID != ID_CONTEXT_MENU)
        return false;
    static const QList<int> edits = {ID_ADD_PERSON,  ID_ADD_GROUP,   ID_ADD_PERSON_TO_GROUP,
                                     ID_DELETE_ITEM, ID_RENAME_ITEM, ID_PERSON_PROPERTIES};
    if (edits.contains(nID) &&
        !CMessageBox::Tell(m_pDoc->CheckNotSending(m_pDoc->GetCurrentList())))
        return true;
    // A past exchange is never changed but for its name, however the command came.
    CCmdUI cmdUI(nID);
    if (edits.contains(nID) && OnUpdateCommand(cmdUI) && !cmdUI.m_bEnabled)
        return true;
    switch (nID) {
    case ID_ADD_PERSON:
        OnAddPerson();
        return true;
    case ID_ADD_GROUP:
        OnAddGroup();
        return true;
    case ID_ADD_PERSON_TO_GROUP:
        OnAddPersonToGroup();
        return true;
    case ID_DELETE_ITEM:
        OnDeleteItem();
        return true;
    case ID_RENAME_ITEM:
        OnRenameItem();
        return true;
    case ID_PERSON_PROPERTIES:
        OnPersonProperties();
        return true;
    case ID_SEND_EMAIL_TO_PERSON:
        OnSendEmailToPerson();
        return true;
    case ID_VIEW_NOTIFICATIONS:
        OnViewNotifications();
        return true;
    case ID_CONTEXT_MENU:
        ShowContextMenu(m_ptContextMenu);
        return true;
    default:
        return false;
    }
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
    if (QTreeWidgetItem* pGroupItem = SelectedGroupItem())
        AddPerson(pGroupItem);
}

void CKivvoView::OnDeleteItem()
{
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
    if (const CPerson* pPerson = PersonOf(SelectedItem()))
        emit SendEmailRequested(pPerson);
}

void CKivvoView::OnViewNotifications()
{
    if (CMessageBox::Show(IDS_ASK_VIEW_NOTIFICATIONS, EBoxKind::YesNoDefaultNo) != IDYES)
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
    pMenu->popup(ptScreen);
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
    OnCommand(ID_CONTEXT_MENU);
    pEvent->accept();
}

bool CKivvoView::ChooseIfEnabled(int nID)
{
    CCmdUI cmdUI(nID);
    if (!OnUpdateCommand(cmdUI) || !cmdUI.m_bEnabled)
        return false;
    emit CommandChosen(nID);
    return true;
}

void CKivvoView::keyPressEvent(QKeyEvent* pEvent)
{
    // The keys of the context menus' commands, taken only while no name is being edited.
    const bool bPlain =
        pEvent->modifiers() == Qt::NoModifier || pEvent->modifiers() == Qt::KeypadModifier;
    int nID = 0;
    // Insert adds into the group that is selected, or that holds the selected person.
    if (bPlain && pEvent->key() == Qt::Key_Insert)
        nID = SelectedGroupItem() ? ID_ADD_PERSON_TO_GROUP : ID_ADD_PERSON;
    else if (bPlain && pEvent->key() == Qt::Key_Delete)
        nID = SelectedItem() ? ID_DELETE_ITEM : 0;
    else if (bPlain && (pEvent->key() == Qt::Key_Return || pEvent->key() == Qt::Key_Enter))
        nID = ID_PERSON_PROPERTIES;
    if (state() != QAbstractItemView::EditingState && nID != 0 && ChooseIfEnabled(nID)) {
        pEvent->accept();
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
