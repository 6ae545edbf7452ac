#include "desktop/ListModel.h"

#include "app/KivvoDoc.h"
#include "desktop/Icons.h"
#include "model/NameList.h"
#include "text/Resource.h"
#include "text/StringTable.h"

#include <QBrush>
#include <QGuiApplication>
#include <QPalette>

CListModel::CListModel(CKivvoDoc* pDoc, QObject* pParent)
    : QAbstractItemModel(pParent), m_pDoc(pDoc), m_personIcon(CIcons::PersonIcon()),
      m_groupIcon(CIcons::GroupIcon()), m_excludingIcon(CIcons::PersonWithExclusionsIcon())
{
    connect(pDoc, &CDocument::ViewsUpdated, this, &CListModel::OnUpdate);
    connect(pDoc, &CKivvoDoc::EntryAdded, this, &CListModel::OnEntryAdded);
    connect(pDoc, &CKivvoDoc::EntryRemoved, this, &CListModel::OnEntryRemoved);
    connect(pDoc, &CKivvoDoc::EntryChanged, this, &CListModel::OnEntryChanged);
    connect(pDoc, &CKivvoDoc::ExclusionsChanged, this, &CListModel::OnExclusionsChanged);
    connect(pDoc, &CKivvoDoc::ListsAboutToBeDeleted, this, [this] { Reset(false, false); });
    Fill();
}

QModelIndex CListModel::RootIndex() const
{
    return m_pList ? createIndex(0, 0, nullptr) : QModelIndex();
}

QModelIndex CListModel::IndexOf(const CListItem* pEntry) const
{
    const auto it = m_rows.constFind(pEntry);
    return it == m_rows.cend() ? QModelIndex()
                               : createIndex(*it, 0, const_cast<CListItem*>(pEntry));
}

CListItem* CListModel::EntryAt(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<CListItem*>(index.internalPointer()) : nullptr;
}

bool CListModel::IsRoot(const QModelIndex& index) const
{
    return index.isValid() && !index.internalPointer();
}

QList<CListItem*>& CListModel::ChildrenOf(const CGroup* pGroup)
{
    return pGroup ? m_members[pGroup] : m_top;
}

QModelIndex CListModel::ContainerIndex(const CGroup* pGroup) const
{
    return pGroup ? IndexOf(pGroup) : RootIndex();
}

QModelIndex CListModel::index(int nRow, int nColumn, const QModelIndex& parent) const
{
    if (nColumn != 0 || nRow < 0)
        return {};
    if (!parent.isValid())
        return nRow == 0 ? RootIndex() : QModelIndex();
    const CListItem* pParent = EntryAt(parent);
    // Only a group has members: a person's row has no rows under it.
    const auto itMembers = pParent ? m_members.constFind(pParent) : m_members.cend();
    if (pParent && itMembers == m_members.cend())
        return {};
    const QList<CListItem*>& children = pParent ? *itMembers : m_top;
    return nRow < children.size() ? createIndex(nRow, 0, children.at(nRow)) : QModelIndex();
}

QModelIndex CListModel::parent(const QModelIndex& index) const
{
    const CListItem* pEntry = EntryAt(index);
    if (!pEntry)
        return {};
    if (!pEntry->IsGroup()) {
        if (const CGroup* pGroup = m_groupOf.value(static_cast<const CPerson*>(pEntry)))
            return IndexOf(pGroup);
    }
    return RootIndex();
}

int CListModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return m_pList ? 1 : 0;
    const CListItem* pEntry = EntryAt(parent);
    if (!pEntry)
        return int(m_top.size());
    // Found by its address alone: nothing of an entry is read that the model need not.
    const auto it = m_members.constFind(pEntry);
    return it == m_members.cend() ? 0 : int(it->size());
}

int CListModel::columnCount(const QModelIndex&) const
{
    return 1;
}

QVariant CListModel::data(const QModelIndex& index, int nRole) const
{
    if (!index.isValid() || !m_pList)
        return {};
    const CListItem* pEntry = EntryAt(index);
    if (nRole == Qt::EditRole)
        return pEntry ? pEntry->m_strName : m_pList->m_strName;
    if (nRole == Qt::DisplayRole)
        return pEntry ? Shown(pEntry) : m_pList->m_strName;
    if (!pEntry || pEntry->IsGroup())
        return nRole == Qt::DecorationRole ? QVariant(m_groupIcon) : QVariant();
    return PersonData(static_cast<const CPerson*>(pEntry), nRole);
}

QString CListModel::Shown(const CListItem* pEntry)
{
    // A person who gives only or receives only carries it as a mark after his name.
    const auto* pPerson = pEntry->IsGroup() ? nullptr : static_cast<const CPerson*>(pEntry);
    if (!pPerson || pPerson->m_role == ERole::both)
        return pEntry->m_strName;
    return CStringTable::Format(
        IDS_ROLE_MARKED, {pPerson->m_strName, CStringTable::Load(pPerson->m_role == ERole::givesOnly
                                                                     ? IDS_ROLE_MARK_GIVES
                                                                     : IDS_ROLE_MARK_RECEIVES)});
}

QVariant CListModel::PersonData(const CPerson* pPerson, int nRole) const
{
    const bool bExcludes = m_givers.contains(pPerson->m_strName);
    // Nobody is told whom he drew without an address: his name is greyed.
    const bool bNoAddress = pPerson->m_strAddress.trimmed().isEmpty();
    switch (nRole) {
    case Qt::DecorationRole:
        return bExcludes ? m_excludingIcon : m_personIcon;
    case Qt::ForegroundRole:
        return bNoAddress
                   ? QVariant(QGuiApplication::palette().brush(QPalette::Disabled, QPalette::Text))
                   : QVariant();
    case Qt::ToolTipRole: {
        QStringList tips;
        if (bExcludes)
            tips.append(CStringTable::Load(IDS_TIP_HAS_EXCLUSIONS));
        if (bNoAddress)
            tips.append(CStringTable::Format(IDS_TIP_NO_ADDRESS, {pPerson->m_strName}));
        return tips.isEmpty() ? QVariant() : QVariant(tips.join(u'\n'));
    }
    default:
        return {};
    }
}

Qt::ItemFlags CListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    const CListItem* pEntry = EntryAt(index);
    Qt::ItemFlags flags =
        Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDropEnabled;
    // Persons are dragged between groups and the top level; the view moves them, not Qt.
    if (pEntry && !pEntry->IsGroup())
        flags |= Qt::ItemIsDragEnabled;
    return flags;
}

Qt::DropActions CListModel::supportedDropActions() const
{
    return Qt::MoveAction;
}

void CListModel::Reset(bool bFill, bool bSameList)
{
    m_bResetKeepsList = bSameList;
    beginResetModel();
    m_pList = nullptr;
    m_top.clear();
    m_members.clear();
    m_rows.clear();
    m_groupOf.clear();
    if (bFill)
        Fill();
    endResetModel();
    m_bResetKeepsList = false;
}

void CListModel::Fill()
{
    m_pList = m_pDoc->GetCurrentList();
    if (!m_pList)
        return;
    for (CListItem* pEntry = m_pList->m_pFirst; pEntry; pEntry = pEntry->m_pNext) {
        m_rows.insert(pEntry, int(m_top.size()));
        m_top.append(pEntry);
        if (pEntry->IsGroup())
            FillGroup(static_cast<CGroup*>(pEntry));
    }
    CollectGivers();
}

void CListModel::FillGroup(CGroup* pGroup)
{
    QList<CListItem*>& members = m_members[pGroup];
    for (CPerson* pPerson = pGroup->m_pFirst; pPerson; pPerson = pPerson->Next()) {
        m_rows.insert(pPerson, int(members.size()));
        m_groupOf.insert(pPerson, pGroup);
        members.append(pPerson);
    }
}

void CListModel::Renumber(const QList<CListItem*>& children, qsizetype nFrom)
{
    for (qsizetype i = nFrom; i < children.size(); ++i)
        m_rows.insert(children.at(i), int(i));
}

void CListModel::OnEntryAdded(CNameList* pList, CListItem* pEntry)
{
    if (pList != m_pList || m_rows.contains(pEntry))
        return;
    CGroup* pGroup = pEntry->IsGroup() ? nullptr : pList->GroupOf(static_cast<CPerson*>(pEntry));
    // Where the list holds it: its place among the rows of its container.
    int nRow = 0;
    const CListItem* pFirst = pGroup ? pGroup->m_pFirst : pList->m_pFirst;
    for (const CListItem* p = pFirst; p && p != pEntry; p = p->m_pNext)
        ++nRow;
    QList<CListItem*>& children = ChildrenOf(pGroup);
    nRow = std::min(nRow, int(children.size()));
    beginInsertRows(ContainerIndex(pGroup), nRow, nRow);
    children.insert(nRow, pEntry);
    Renumber(children, nRow);
    if (pGroup)
        m_groupOf.insert(static_cast<CPerson*>(pEntry), pGroup);
    else if (pEntry->IsGroup())
        FillGroup(static_cast<CGroup*>(pEntry));
    endInsertRows();
}

void CListModel::OnEntryRemoved(CNameList* pList, CListItem* pEntry)
{
    const auto itRow = m_rows.constFind(pEntry);
    if (pList != m_pList || itRow == m_rows.cend())
        return;
    const int nRow = *itRow;
    CGroup* pGroup = pEntry->IsGroup() ? nullptr : m_groupOf.value(static_cast<CPerson*>(pEntry));
    QList<CListItem*>& children = ChildrenOf(pGroup);
    beginRemoveRows(ContainerIndex(pGroup), nRow, nRow);
    children.removeAt(nRow);
    m_rows.remove(pEntry);
    Renumber(children, nRow);
    if (pGroup) {
        m_groupOf.remove(static_cast<CPerson*>(pEntry));
    } else if (pEntry->IsGroup()) {
        for (const CListItem* pMember : m_members.take(pEntry)) {
            m_rows.remove(pMember);
            m_groupOf.remove(static_cast<const CPerson*>(pMember));
        }
    }
    endRemoveRows();
}

void CListModel::OnEntryChanged(CNameList* pList, CListItem* pEntry)
{
    const QModelIndex index = pList == m_pList ? IndexOf(pEntry) : QModelIndex();
    if (index.isValid())
        emit dataChanged(index, index);
}

void CListModel::OnExclusionsChanged(CNameList* pList)
{
    if (pList != m_pList)
        return;
    CollectGivers();
    // One signal per container: the marks of every person may have changed.
    const QList<int> roles = {Qt::DecorationRole, Qt::ToolTipRole};
    if (!m_top.isEmpty())
        emit dataChanged(index(0, 0, RootIndex()), index(int(m_top.size()) - 1, 0, RootIndex()),
                         roles);
    for (auto it = m_members.cbegin(); it != m_members.cend(); ++it) {
        if (it->isEmpty())
            continue;
        const QModelIndex group = IndexOf(it.key());
        emit dataChanged(index(0, 0, group), index(int(it->size()) - 1, 0, group), roles);
    }
}

void CListModel::CollectGivers()
{
    m_givers.clear();
    if (!m_pList)
        return;
    for (const CExclusions::CPair& pair : m_pList->m_exclusions.Pairs())
        m_givers.insert(pair.m_strGiver);
}

void CListModel::OnUpdate(int nHint)
{
    if (nHint == HINT_LIST_CHANGED || nHint == HINT_LIST_EDITED)
        Reset(true, nHint == HINT_LIST_EDITED);
    else if (nHint == HINT_LIST_RENAMED && m_pList)
        emit dataChanged(RootIndex(), RootIndex());
}
