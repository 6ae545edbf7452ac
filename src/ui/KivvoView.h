#pragma once

#include "app/KivvoDoc.h"
#include "model/ListItem.h"

#include <QHash>
#include <QIcon>
#include <QTreeWidget>

#include <functional>

class CGroup;
class CListItem;
class CPerson;
class CNameList;
class QMenu;
class QTimer;

// The document's current list as a tree: a root item for the list, its entries under it and
// each group's persons under the group. Holds no list data: it keeps its own map between
// entries and items, every command finds its entry through the selected item and changes the
// list through the document's operations, and the document's signals keep the tree in step.
class CKivvoView : public QTreeWidget
{
    Q_OBJECT

public:
    // Which of the tree's commands may run now, for the list shown and the selection.
    struct SCommands
    {
        bool bAddPerson = false;
        bool bAddGroup = false;
        bool bAddPersonToGroup = false;
        bool bDeleteItem = false;
        bool bRenameItem = false;
        bool bMoveToGroup = false;
        bool bSendEmailToPerson = false;
        bool bPersonProperties = false;
        bool bViewNotifications = false;
    };

    explicit CKivvoView(CKivvoDoc* pDoc, QWidget* pParent = nullptr);

    CKivvoDoc* GetDocument() const { return m_pDoc; }
    // The entry of the selected item; null for none or the list's own item.
    CListItem* SelectedEntry() const;
    // The entry an item stands for, and the item of an entry; null for none.
    CListItem* EntryOf(const QTreeWidgetItem* pItem) const;
    QTreeWidgetItem* ItemOf(const CListItem* pEntry) const { return m_items.value(pEntry); }
    QTreeWidgetItem* GetRootItem() const { return m_hRootItem; }
    // The groups of the list and "No group", for the selected person.
    QMenu* MoveMenu() const { return m_menuMove; }

    // Moves the selected person into the group, or to the top level for null, as one
    // undoable step; false when that is no move.
    bool MoveSelectedTo(CGroup* pGroup);
    // What dropping the dragged item at a point of the viewport does; false when the drop is
    // refused there.
    bool DropOn(QTreeWidgetItem* pDragged, const QPoint& ptViewport);

    void OnUpdate(int nHint);
    SCommands Commands() const;

    // Takes the text of an in-place edit still open, as if the user had pressed Enter.
    void EndEditing();

    // Opens the context menu of the selected item at a point of the screen.
    void ShowContextMenu(const QPoint& ptScreen);

    // The tree's commands; each refuses when Commands() says no, however it was reached.
    void OnAddPerson();
    void OnAddGroup();
    void OnAddPersonToGroup();
    void OnDeleteItem();
    void OnRenameItem();
    void OnPersonProperties();
    void OnSendEmailToPerson();
    void OnViewNotifications();

signals:
    // Something that command states depend on changed.
    void StateChanged();
    // Send email was chosen for a person of the shown list.
    void SendEmailRequested(const CPerson* pPerson);

protected:
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* pEvent) override;
    void dragMoveEvent(QDragMoveEvent* pEvent) override;
    void dropEvent(QDropEvent* pEvent) override;
    void commitData(QWidget* pEditor) override;

private:
    QTreeWidgetItem* SelectedItem() const;
    QTreeWidgetItem* InsertItem(QTreeWidgetItem* pParent, CListItem* pEntry, int nIndex = -1);
    void Forget(QTreeWidgetItem* pItem);
    void OnEntryAdded(CNameList* pList, CListItem* pEntry);
    void OnEntryRemoved(CNameList* pList, CListItem* pEntry);
    void OnEntryChanged(CNameList* pList, CListItem* pEntry);
    QString NewPersonName() const;
    void SelectItem(QTreeWidgetItem* pItem);
    void Rebuild();
    // Marks the persons who never draw some others, and those without an address.
    void UpdateExclusionMarks();
    // Entries of the shown list may change: it is the newest and not being mailed.
    bool IsEditable() const;
    // The group item the selection stands for: the group itself or a grouped person's; null
    // otherwise.
    QTreeWidgetItem* SelectedGroupItem() const;
    // The person a drop or a move is about, with the group the point or handle leads to.
    CPerson* PersonOf(QTreeWidgetItem* pItem) const;
    bool DropTarget(QTreeWidgetItem* pDragged, const QPoint& ptViewport, CGroup*& pTarget) const;
    bool MoveItem(QTreeWidgetItem* pItem, CGroup* pGroup);
    void FillMoveMenu();
    using Command = void (CKivvoView::*)();
    // One entry of a context menu: its text, its command and the state that enables it.
    struct SContextItem
    {
        int nText;
        Command command;
        bool SCommands::*pState;
    };
    QMenu* BuildMenu(const QList<SContextItem>& items);
    void UpdateMenu(QMenu* pMenu) const;
    // Whether the command of that state may run now; an edit of a list being mailed is
    // refused with the reason.
    bool MayRun(bool SCommands::*pCommand, bool bEdit) const;

    void AddPerson(QTreeWidgetItem* pGroupItem);
    // The dialog of a person just added: OK keeps the addition with what was typed as one
    // step, Cancel takes it back and leaves no step.
    void EditNewPerson(CPerson* pPerson);
    // Ends the step being built and takes it back, leaving nothing to undo or redo.
    void DropLastStep();
    bool RunPersonDialog(CPerson* pPerson);
    // Shows a message once the name editor has closed.
    void AfterEditing(std::function<void()> fnShow);
    void OnEndLabelEdit(QTreeWidgetItem* pItem, const QString& strText);

    CKivvoDoc* m_pDoc;
    QHash<const CListItem*, QTreeWidgetItem*> m_items;
    QTreeWidgetItem* m_hRootItem = nullptr;
    // cell 0 a person, cell 1 a group and the list, cell 2 a person with exclusions
    QList<QIcon> m_imageList;
    QMenu* m_menuRoot;
    QMenu* m_menuGroup;
    QMenu* m_menuPerson;
    QMenu* m_menuEmpty;
    QMenu* m_menuMove;
    QPoint m_ptContextMenu;
    QTimer* m_pLongPress;
    QPoint m_ptPress;
    QTreeWidgetItem* m_pEditedItem = nullptr;
    QHash<const QAction*, bool SCommands::*> m_contextStates;
};
