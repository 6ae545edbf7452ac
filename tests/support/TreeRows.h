#pragma once

#include <QAbstractItemModel>
#include <QStringList>

// The rows of a tree as text, "List[Ann, Fam[Bob]]", and the first row with a name.
inline QString TreeText(const QModelIndex& index)
{
    const QAbstractItemModel* pModel = index.model();
    const QString strText = index.data().toString();
    if (!pModel || pModel->rowCount(index) == 0)
        return strText;
    QStringList children;
    for (int i = 0; i < pModel->rowCount(index); ++i)
        children.append(TreeText(pModel->index(i, 0, index)));
    return strText + u'[' + children.join(QStringLiteral(", ")) + u']';
}

inline QModelIndex RowNamed(const QAbstractItemModel* pModel, const QString& strName)
{
    const QModelIndexList found = pModel->match(pModel->index(0, 0), Qt::DisplayRole, strName, 1,
                                                Qt::MatchExactly | Qt::MatchRecursive);
    return found.value(0);
}
