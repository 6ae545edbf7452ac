#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One record of a CSV file and the line it starts on (1 for the first).
struct CCsvRecord
{
    int m_nLine = 0;
    QStringList m_fields;
};

// Reads comma- or semicolon-separated values as spreadsheets write them: UTF-8 with or
// without a byte-order mark, fields in double quotes that may hold the separator, quotes
// (doubled) and line breaks, CRLF or LF line ends. The separator is the one of the two that
// the first line holds more of outside quotes.
class CCsvReader
{
public:
    // False, with a message naming the line, for text that is not UTF-8 or a quote that is
    // never closed. Blank lines are skipped.
    static bool Read(const QByteArray& bytes, QList<CCsvRecord>& records, QString& strError);
    // One line of the records, fields quoted where they must be, for the same reader.
    static QString Line(const QStringList& fields, QChar separator = u',');

private:
    static QChar Separator(const QString& strText);
};
