#pragma once

#include <QWidget>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// The start-up chooser: the Kivvo documents of the documents folder and every folder below
// it, newest first, opened by double-click or Enter; or a new document.
class CDocListWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CDocListWidget(QWidget* pParent = nullptr);

    // Lists the documents found below the folder again.
    void Refresh(const QString& strFolder);
    QTreeWidget* List() const { return m_pList; }

signals:
    void OpenRequested(const QString& strPath);
    void NewRequested();

private:
    void OpenItem(QTreeWidgetItem* pItem);

    QTreeWidget* m_pList;
    QLabel* m_pEmpty;
};
