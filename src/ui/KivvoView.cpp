#include "KivvoView.h"

#include "PersonDlg.h"
#include "app/KivvoDoc.h"
#include "draw/DrawNamesDlg.h"
#include "model/NameList.h"
#include "platform/CmdUI.h"
#include "platform/Framework.h"
#include "res/Icons.h"
#include "res/Resource.h"
#include "res/StringTable.h"

#include <QContextMenuEvent>
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

HTREEITEM Handle(QTreeWidgetItem* pItem)
{
    return pItem;
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
            ? CFramework::MessageBox(IDS_ASK_DELETE_GROUP_ONE, EBoxKind::YesNoDefaultNo, {strName})
            : CFramework::MessageBox(IDS_ASK_DELETE_GROUP, EBoxKind::YesNoDefaultNo,
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

HTREEITEM CKivvoView::GetSelectedHandle() const
{
    return Handle(SelectedItem());
}

void CKivvoView::SelectItem(QTreeWidgetItem* pItem)
{
    setCurrentItem(pItem);
    pItem->setSelected(true);
    scrollToItem(pItem);
}

QTreeWidgetItem* CKivvoView::InsertItem(QTreeWidgetItem* pParent, CListItem* pEntry)
{
    auto* pItem = new QTreeWidgetItem(pParent, {pEntry->m_strName});
    pItem->setIcon(0, m_imageList[pEntry->IsGroup() ? kGroupImage : kPersonImage]);
    pItem->setFlags(pItem->flags() | Qt::ItemIsEditable);
    pEntry->m_hItem = Handle(pItem);
    return pItem;
}

void CKivvoView::UpdateExclusionMarks()
{
    const CNameList* pList = m_pDoc->GetCurrentList();
    if (!pList)
        return;
    QSet<QString> givers;
    for (const CExclusions::CPair& pair : pList->m_exclusions.Pairs())
        givers.insert(pair.m_strGiver);
    pList->ForEachPerson([&](CPerson* pPerson) {
        auto* pItem = static_cast<QTreeWidgetItem*>(pPerson->m_hItem);
        if (!pItem)
            return;
        const bool bExcludes = givers.contains(pPerson->m_strName);
        pItem->setIcon(0, m_imageList[bExcludes ? kExcludingImage : kPersonImage]);
        pItem->setToolTip(0, bExcludes ? CStringTable::Load(IDS_TIP_HAS_EXCLUSIONS) : QString());
    });
}

void CKivvoView::OnUpdate(int nHint)
{
    if (nHint == HINT_LIST_CHANGED)
        Rebuild();
}

void CKivvoView::Rebuild()
{
    const QSignalBlocker block(this);
    clear();
    m_pEditedItem = nullptr;
    CNameList* pList = m_pDoc->GetCurrentList();
    // Built apart and handed to the tree whole: one insertion instead of one per entry.
    m_hRootItem = new QTreeWidgetItem({pList ? pList->m_strName : QString()});
    m_hRootItem->setIcon(0, m_imageList[kGroupImage]);
    m_hRootItem->setFlags(m_hRootItem->flags() | Qt::ItemIsEditable);
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
    if (pList && !pList->m_exclusions.IsEmpty())
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
    const HTREEITEM hSelected = Handle(pSelected);
    const bool bRoot = pSelected && pSelected == m_hRootItem;
    // The newest list stays as it is while its e-mails are being sent.
    const bool bEditable = !m_pDoc->IsListLocked(pList);
    switch (cmdUI.m_nID) {
    case ID_ADD_PERSON:
    case ID_ADD_GROUP:
    case ID_RENAME_ITEM:
        cmdUI.Enable(pList != nullptr && bEditable);
        return true;
    case ID_VIEW_NOTIFICATIONS:
        cmdUI.Enable(pList != nullptr);
        return true;
    case ID_ADD_PERSON_TO_GROUP:
        cmdUI.Enable(pList && pSelected && !bRoot && bEditable &&
                     (pList->IsGroupItem(hSelected) || pList->FindGroupItem(hSelected)));
        return true;
    case ID_DELETE_ITEM:
        cmdUI.Enable(!bRoot && bEditable);
        return true;
    case ID_SEND_EMAIL_TO_PERSON: {
        const CPerson* pPerson = pSelected ? m_pDoc->GetPersonItem(hSelected) : nullptr;
        cmdUI.Enable(pPerson && !pPerson->m_strAddress.isEmpty() &&
                     !pPerson->m_strGiftTo.isEmpty() && !m_pDoc->IsSending());
        return true;
    }
    case ID_PERSON_PROPERTIES:
        cmdUI.Enable(!bRoot && bEditable && !(pList && pSelected && pList->IsGroupItem(hSelected)));
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
    if (edits.contains(nID) && m_pDoc->RefuseWhileSending(m_pDoc->GetCurrentList()))
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

void CKivvoView::OnAddPerson()
{
    auto* pPerson = new CPerson(NewPersonName(), {}, {});
    SelectItem(InsertItem(m_hRootItem, pPerson));
    m_pDoc->GetCurrentList()->Append(pPerson);
    m_pDoc->SetModifiedFlag();
    m_hRootItem->setExpanded(true);
    // The new person is edited at once, once this command is over.
    QTimer::singleShot(0, this, [this] { OnCommand(ID_PERSON_PROPERTIES); });
}

void CKivvoView::OnAddGroup()
{
    auto* pGroup = new CGroup(CStringTable::Load(IDS_NEW_GROUP_NAME));
    QTreeWidgetItem* pItem = InsertItem(m_hRootItem, pGroup);
    m_pDoc->GetCurrentList()->Append(pGroup);
    SelectItem(pItem);
    m_pDoc->SetModifiedFlag();
    m_hRootItem->setExpanded(true);
}

void CKivvoView::OnAddPersonToGroup()
{
    CNameList* pList = m_pDoc->GetCurrentList();
    const HTREEITEM hSelected = GetSelectedHandle();
    if (!hSelected || hSelected == Handle(m_hRootItem))
        return;
    const HTREEITEM hGroup =
        pList->IsGroupItem(hSelected) ? hSelected : pList->FindGroupItem(hSelected);
    if (!hGroup)
        return;
    auto* pPerson = new CPerson(NewPersonName(), {}, {});
    QTreeWidgetItem* pItem = InsertItem(static_cast<QTreeWidgetItem*>(hGroup), pPerson);
    SelectItem(pItem);
    pList->AddToGroup(pPerson, hGroup);
    m_pDoc->SetModifiedFlag();
    QTimer::singleShot(0, this, [this] { OnCommand(ID_PERSON_PROPERTIES); });
}

void CKivvoView::OnDeleteItem()
{
    QTreeWidgetItem* pSelected = SelectedItem();
    if (!pSelected || pSelected == m_hRootItem)
        return;
    if (!ConfirmDelete(pSelected))
        return;
    const HTREEITEM hSelected = Handle(pSelected);
    delete pSelected; // with its child items
    m_pDoc->GetCurrentList()->Remove(hSelected);
    UpdateExclusionMarks(); // the exclusions of whoever went are gone
    m_pDoc->SetModifiedFlag();
    emit StateChanged();
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
    if (m_pDoc->RefuseWhileSending(m_pDoc->GetCurrentList()))
        return;
    if (pLineEdit && m_pEditedItem)
        OnEndLabelEdit(m_pEditedItem, pLineEdit->text());
}

void CKivvoView::OnEndLabelEdit(QTreeWidgetItem* pItem, const QString& strText)
{
    CNameList* pList = m_pDoc->GetCurrentList();
    QString strStored = strText;
    if (pItem == m_hRootItem) {
        pList->m_strName = strText;
        m_pDoc->FillListSelector();
    } else if (CListItem* pEntry = pList->FindItem(Handle(pItem))) {
        if (pEntry->IsGroup())
            pEntry->m_strName = strStored;
        else
            strStored = pList->RenamePerson(static_cast<CPerson*>(pEntry), strText);
    } else {
        return;
    }
    pItem->setText(0, strStored);
    m_pDoc->SetModifiedFlag();
}

void CKivvoView::OnPersonProperties()
{
    CNameList* pList = m_pDoc->GetCurrentList();
    QTreeWidgetItem* pSelected = SelectedItem();
    CListItem* pEntry = pSelected ? pList->FindItem(Handle(pSelected)) : nullptr;
    if (!pEntry || pEntry->IsGroup())
        return;
    auto* pPerson = static_cast<CPerson*>(pEntry);
    CPersonDlg dialog(pPerson, pList, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (dialog.m_bNameChanged)
        pSelected->setText(0, pPerson->m_strName);
    UpdateExclusionMarks();
    m_pDoc->SetModifiedFlag();
    emit StateChanged();
}

void CKivvoView::OnSendEmailToPerson()
{
    m_pDoc->SendEmailTo(GetSelectedHandle());
}

void CKivvoView::OnViewNotifications()
{
    if (CFramework::MessageBox(IDS_ASK_VIEW_NOTIFICATIONS, EBoxKind::YesNoDefaultNo) != IDYES)
        return;
    if (!m_pDoc->CheckCurrentDrawing())
        return;
    CDrawNamesDlg dialog(m_pDoc->GetCurrentList(), CDrawNamesDlg::kShowMode, this);
    dialog.exec();
}

void CKivvoView::ShowContextMenu(const QPoint& ptScreen)
{
    m_pLongPress->stop();
    CNameList* pList = m_pDoc->GetCurrentList();
    QTreeWidgetItem* pSelected = SelectedItem();
    QMenu* pMenu = m_menuPerson;
    if (pSelected && pSelected == m_hRootItem)
        pMenu = m_menuRoot;
    else if (pSelected && pList && pList->IsGroupItem(Handle(pSelected)))
        pMenu = m_menuGroup;
    pMenu->popup(ptScreen);
}

void CKivvoView::contextMenuEvent(QContextMenuEvent* pEvent)
{
    // A right-click selects the item under the pointer first; the context-menu key keeps
    // the selection and opens the menu at the selected item.
    if (pEvent->reason() == QContextMenuEvent::Mouse) {
        if (QTreeWidgetItem* pItem = itemAt(pEvent->pos()))
            SelectItem(pItem);
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
    if (bPlain && pEvent->key() == Qt::Key_Insert)
        nID = ID_ADD_PERSON;
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
