#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QIODevice;

// One record of a CSV file and the line it starts on (1 for the first).
struct CCsvRecord
{
    int m_nLine = 0;
    QStringList m_fields;
};

// Reads comma-, semicolon- or tab-separated values as spreadsheets write them: UTF-8 with or
// without a byte-order mark, fields in double quotes that may hold the separator, quotes
// (doubled) and line breaks, CRLF or LF line ends. The separator is the one of the three
// that the first line holds most of outside quotes. Records are read one at a time from the
// device, so that a file far beyond what is kept costs no more memory than one record.
class CCsvReader
{
public:
    // A record longer than this is no participant: each field is refused long before.
    static constexpr qint64 kMaxRecordBytes = qint64(16) << 20;

    explicit CCsvReader(QIODevice* pDevice);
    ~CCsvReader();

    // The next record, blank lines skipped; false at the end of the file and on a fault: text
    // that is not UTF-8, a quote that is never closed, a record beyond kMaxRecordBytes.
    bool Next(CCsvRecord& record);
    // Why the last Next() failed; empty at the end of the file.
    const QString& Error() const { return m_strError; }

    // All records of the bytes; false, with the message, on a fault.
    static bool Read(const QByteArray& bytes, QList<CCsvRecord>& records, QString& strError);
    // One line of the records, fields quoted where they must be, for the same reader.
    static QString Line(const QStringList& fields, QChar separator = u',');

private:
    struct CState;

    // Decodes the next piece of the device; false on a fault.
    bool ReadMore();
    bool Fail(int nTextId, int nLine);

    QIODevice* m_pDevice;
    std::unique_ptr<CState> m_pState;
    int m_nLine = 1;
    QString m_strError;
};
