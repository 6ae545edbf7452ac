#pragma once

#include "model/ListItem.h"
#include "platform/CmdTarget.h"

#include <QIcon>
#include <QTreeWidget>

class CKivvoDoc;
class CNameList;
class QMenu;
class QTimer;

// The document's current list as a tree: a root item for the list, its entries under it and
// each group's persons under the group. Holds no list data: every entry remembers its tree
// item in m_hItem, and every command finds its entry through the selected item.
class CKivvoView : public QTreeWidget, public CCmdTarget
{
    Q_OBJECT

public:
    explicit CKivvoView(CKivvoDoc* pDoc, QWidget* pParent = nullptr);

    CKivvoDoc* GetDocument() const { return m_pDoc; }
    // The selected item as a model handle; null when nothing is selected.
    HTREEITEM GetSelectedHandle() const;
    QTreeWidgetItem* GetRootItem() const { return m_hRootItem; }
    QMenu* ContextMenu(int nMenuId) const;

    void OnUpdate(int nHint);
    bool OnCommand(int nID) override;
    bool OnUpdateCommand(CCmdUI& cmdUI) override;

    // Takes the text of an in-place edit still open, as if the user had pressed Enter.
    void EndEditing();

    // Opens the context menu of the selected item at a point of the screen.
    void ShowContextMenu(const QPoint& ptScreen);

signals:
    // A command picked in one of the view's context menus, for the frame to route.
    void CommandChosen(int nID);
    // The menu is about to show: its commands' states need updating.
    void MenuAboutToShow(QMenu* pMenu);
    // Something that command states depend on changed.
    void StateChanged();

protected:
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* pEvent) override;
    void commitData(QWidget* pEditor) override;

private:
    QTreeWidgetItem* SelectedItem() const;
    QTreeWidgetItem* InsertItem(QTreeWidgetItem* pParent, CListItem* pEntry);
    QString NewPersonName() const;
    void SelectItem(QTreeWidgetItem* pItem);
    void Rebuild();
    // Marks the persons who never draw some others.
    void UpdateExclusionMarks();
    QMenu* BuildMenu(const QList<QPair<int, int>>& items);
    // Asks the frame for the command when its update handler enables it; false otherwise.
    bool ChooseIfEnabled(int nID);

    void OnAddPerson();
    void OnAddGroup();
    void OnAddPersonToGroup();
    void OnDeleteItem();
    void OnRenameItem();
    void OnEndLabelEdit(QTreeWidgetItem* pItem, const QString& strText);
    void OnPersonProperties();
    void OnSendEmailToPerson();
    void OnViewNotifications();

    CKivvoDoc* m_pDoc;
    QTreeWidgetItem* m_hRootItem = nullptr;
    // cell 0 a person, cell 1 a group and the list, cell 2 a person with exclusions
    QList<QIcon> m_imageList;
    QMenu* m_menuRoot;
    QMenu* m_menuGroup;
    QMenu* m_menuPerson;
    QPoint m_ptContextMenu;
    QTimer* m_pLongPress;
    QPoint m_ptPress;
    QTreeWidgetItem* m_pEditedItem = nullptr;
};
