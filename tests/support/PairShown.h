#pragma once

#include <QList>
#include <QPair>
#include <QRegularExpression>
#include <QString>

// The first line of a text that names a giver together with whom he drew, or an empty text:
// what a sealed drawing must never show.
inline QString PairShown(const QString& strText, const QList<QPair<QString, QString>>& pairs)
{
    for (const QString& strLine : strText.split(u'\n')) {
        for (const auto& [strGiver, strRecipient] : pairs) {
            const auto names = [&strLine](const QString& strName) {
                return strLine.contains(QRegularExpression("\\b" + strName + "\\b"));
            };
            if (!strRecipient.isEmpty() && names(strGiver) && names(strRecipient))
                return strLine;
        }
    }
    return {};
}
