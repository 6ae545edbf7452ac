// Reading CSV from any bytes: the records are the same however the bytes arrive (all at once
// or a few at a time, as from a pipe or a slow disk), and records read well, written again
// with every field quoted, read back the same.
#include "FuzzCheck.h"
#include "model/CsvReader.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>

namespace {

// Hands out the bytes in pieces of 1 to 7, whatever the reader asks for.
class CDripDevice : public QIODevice
{
public:
    explicit CDripDevice(QByteArray bytes) : m_bytes(std::move(bytes))
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

protected:
    qint64 readData(char* pData, qint64 nMax) override
    {
        const qint64 nPiece = std::min({nMax, qint64(1 + m_nCount++ % 7), Left()});
        std::memcpy(pData, m_bytes.constData() + m_nPos, size_t(nPiece));
        m_nPos += nPiece;
        return nPiece;
    }
    qint64 writeData(const char*, qint64) override { return -1; }
    bool isSequential() const override { return true; }

private:
    qint64 Left() const { return m_bytes.size() - m_nPos; }

    QByteArray m_bytes;
    qint64 m_nPos = 0;
    int m_nCount = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const QByteArray input(reinterpret_cast<const char*>(pData), static_cast<qsizetype>(nSize));
    QList<CCsvRecord> records;
    QString strError;
    const bool bRead = CCsvReader::Read(input, records, strError);
    FUZZ_CHECK(bRead == strError.isEmpty());

    CDripDevice drip(input);
    CCsvReader reader(&drip);
    QList<CCsvRecord> dripped;
    CCsvRecord record;
    while (reader.Next(record))
        dripped.append(record);
    FUZZ_CHECK(reader.Error() == strError);
    if (!bRead)
        return 0; // where a fault stops the reading depends on the pieces: only the fault counts
    FUZZ_CHECK(dripped.size() == records.size());
    for (qsizetype n = 0; n < records.size(); ++n) {
        FUZZ_CHECK(dripped.at(n).m_nLine == records.at(n).m_nLine);
        FUZZ_CHECK(dripped.at(n).m_fields == records.at(n).m_fields);
    }
    if (records.isEmpty())
        return 0;

    // Written again, every field quoted, one record per line.
    QString strText;
    for (const CCsvRecord& one : std::as_const(records)) {
        QStringList quoted;
        for (const QString& strField : one.m_fields)
            quoted.append(u'"' + QString(strField).replace(u'"', QStringLiteral("\"\"")) + u'"');
        strText += quoted.join(u',') + QStringLiteral("\r\n");
    }
    QList<CCsvRecord> again;
    FUZZ_CHECK(CCsvReader::Read(strText.toUtf8(), again, strError));
    FUZZ_CHECK(again.size() == records.size());
    for (qsizetype n = 0; n < records.size(); ++n)
        FUZZ_CHECK(again.at(n).m_fields == records.at(n).m_fields);
    return 0;
}
