#pragma once

#include "app/KivvoDoc.h"
#include "model/ListItem.h"

#include <QHash>
#include <QPersistentModelIndex>
#include <QSet>
#include <QTreeView>

#include <functional>

class CGroup;
class CListItem;
class CListModel;
class CPerson;
class CNameList;
class QMenu;
class QTimer;

// The document's current list as a tree (the rows of a CListModel): a root row for the list,
// its entries under it and each group's persons under the group. Holds no list data: every
// command finds its entry through the selected row and changes the list through the
// document's operations, and the model follows the document row by row.
class CKivvoView : public QTreeView
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
    CListModel* Model() const { return m_pModel; }
    // The entry of the selected row; null for none or the list's own row.
    CListItem* SelectedEntry() const;
    // The entry a row stands for, and the row of an entry; null and invalid for none.
    CListItem* EntryOf(const QModelIndex& index) const;
    QModelIndex IndexOf(const CListItem* pEntry) const;
    // The row of the list itself.
    QModelIndex RootIndex() const;
    // The groups of the list and "No group", for the selected person.
    QMenu* MoveMenu() const { return m_menuMove; }

    // Moves the selected person into the group, or to the top level for null, as one
    // undoable step; false when that is no move.
    bool MoveSelectedTo(CGroup* pGroup);
    // What dropping the dragged item at a point of the viewport does; false when the drop is
    // refused there.
    bool DropOn(const QModelIndex& dragged, const QPoint& ptViewport);

    SCommands Commands() const;
    // Opens the name of a row for typing, as F2 does.
    using QTreeView::edit;

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
    void closeEditor(QWidget* pEditor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    QModelIndex SelectedIndex() const;
    void OnRowsAboutToBeRemoved(const QModelIndex& parent, int nFirst, int nLast);
    void OnRowsInserted(const QModelIndex& parent, int nFirst, int nLast);
    // Around a reset of the model: the same list keeps its selection and closed groups.
    void RememberState();
    void RestoreState();
    QString NewPersonName() const;
    void SelectItem(const QModelIndex& index);
    // Entries of the shown list may change: it is the newest and not being mailed.
    bool IsEditable() const;
    // The group row the selection stands for: the group itself or a grouped person's;
    // invalid otherwise.
    QModelIndex SelectedGroupIndex() const;
    // The person a drop or a move is about, with the group the point or handle leads to.
    CPerson* PersonOf(const QModelIndex& index) const;
    bool DropTarget(const QModelIndex& dragged, const QPoint& ptViewport, CGroup*& pTarget) const;
    bool MoveItem(const QModelIndex& index, CGroup* pGroup);
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

    void AddPerson(const QModelIndex& groupIndex);
    // The dialog of a person just added: OK keeps the addition with what was typed as one
    // step, Cancel takes it back and leaves no step.
    void EditNewPerson(CPerson* pPerson);
    // Ends the step being built and takes it back, leaving nothing to undo or redo.
    void DropLastStep();
    bool RunPersonDialog(CPerson* pPerson);
    // Shows a message once the name editor has closed.
    void AfterEditing(std::function<void()> fnShow);
    void OnEndLabelEdit(const QModelIndex& index, const QString& strText);

    CKivvoDoc* m_pDoc;
    CListModel* m_pModel;
    QMenu* m_menuRoot;
    QMenu* m_menuGroup;
    QMenu* m_menuPerson;
    QMenu* m_menuEmpty;
    QMenu* m_menuMove;
    QPoint m_ptContextMenu;
    QTimer* m_pLongPress;
    QPoint m_ptPress;
    QPersistentModelIndex m_editedIndex;
    // The group just added whose name is being typed, until the editor closes.
    const CListItem* m_pNamingNew = nullptr;
    // What RememberState() saw before a reset.
    bool m_bRestore = false;
    const CListItem* m_pSelectedBefore = nullptr;
    QSet<const CListItem*> m_collapsed;
    bool m_bRootCollapsed = false;
    // Entries taken out while closed, and the one taken out while selected.
    QSet<const CListItem*> m_removedClosed;
    const CListItem* m_pRemovedSelected = nullptr;
    QHash<const QAction*, bool SCommands::*> m_contextStates;
};
