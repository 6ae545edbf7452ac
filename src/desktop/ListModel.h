#pragma once

#include <QAbstractItemModel>
#include <QHash>
#include <QIcon>
#include <QList>
#include <QSet>

class CGroup;
class CKivvoDoc;
class CListItem;
class CNameList;
class CPerson;

// The document's current list as a tree: one root row for the list itself, its entries under
// it and each group's persons under the group. It reads names and fields from the entries
// and keeps only where each entry stands, so that a row is found at once in a list of any
// length; the document's signals move, add and remove rows one by one. A change of the list
// shown, or one that touches the whole list (an import), resets it.
class CListModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    explicit CListModel(CKivvoDoc* pDoc, QObject* pParent = nullptr);

    QModelIndex RootIndex() const;
    // The row of an entry of the shown list; invalid when it has none.
    QModelIndex IndexOf(const CListItem* pEntry) const;
    // The entry of a row; null for the root and for no row.
    CListItem* EntryAt(const QModelIndex& index) const;
    bool IsRoot(const QModelIndex& index) const;
    // The group a person of the shown list is in; null at the top level.
    CGroup* GroupOf(const CPerson* pPerson) const { return m_groupOf.value(pPerson); }
    const CNameList* List() const { return m_pList; }
    // While a reset is under way: whether it shows the same list again, changed as a whole
    // (its entries stay alive through it), rather than another list.
    bool ResetKeepsList() const { return m_bResetKeepsList; }

    QModelIndex index(int nRow, int nColumn, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int nRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override;

private:
    // The entries a row holds: the list's for the root, a group's persons for a group.
    QList<CListItem*>& ChildrenOf(const CGroup* pGroup);
    QModelIndex ContainerIndex(const CGroup* pGroup) const;
    // Empties the model, then fills it from the current list unless bFill is false.
    void Reset(bool bFill, bool bSameList);
    void Fill();
    void FillGroup(CGroup* pGroup);
    // Rows from nFrom on are where their entries now stand.
    void Renumber(const QList<CListItem*>& children, qsizetype nFrom);
    void OnEntryAdded(CNameList* pList, CListItem* pEntry);
    void OnEntryRemoved(CNameList* pList, CListItem* pEntry);
    void OnEntryChanged(CNameList* pList, CListItem* pEntry);
    void OnExclusionsChanged(CNameList* pList);
    void OnUpdate(int nHint);
    void CollectGivers();
    QVariant PersonData(const CPerson* pPerson, int nRole) const;
    // The text shown for an entry: his name, with a mark of his role.
    static QString Shown(const CListItem* pEntry);

    CKivvoDoc* m_pDoc;
    const CNameList* m_pList = nullptr;
    QList<CListItem*> m_top;
    // A group's persons, by the group (keyed as an entry: any row is looked up unconverted).
    QHash<const CListItem*, QList<CListItem*>> m_members;
    QHash<const CListItem*, int> m_rows;
    QHash<const CPerson*, CGroup*> m_groupOf;
    // The persons who never draw somebody, by name: their rows carry the mark.
    QSet<QString> m_givers;
    bool m_bResetKeepsList = false;
    QIcon m_personIcon;
    QIcon m_groupIcon;
    QIcon m_excludingIcon;
};
