#include "model/CsvReader.h"

#include "text/Resource.h"
#include "text/StringTable.h"

#include <QStringDecoder>

namespace {

// Where a field or record boundary stands, and what the character there does.
struct CCsvCursor
{
    const QString& m_strText;
    qsizetype m_nPos = 0;
    int m_nLine = 1;

    bool AtEnd() const { return m_nPos >= m_strText.size(); }
    QChar Peek(qsizetype nAhead = 0) const
    {
        return m_nPos + nAhead < m_strText.size() ? m_strText.at(m_nPos + nAhead) : QChar();
    }
    // Takes a line end (CRLF, LF or a lone CR); false when none stands here.
    bool TakeLineEnd()
    {
        if (Peek() == u'\r') {
            m_nPos += Peek(1) == u'\n' ? 2 : 1;
        } else if (Peek() == u'\n') {
            ++m_nPos;
        } else {
            return false;
        }
        ++m_nLine;
        return true;
    }
};

// A quoted field, from its opening quote on; false when it never closes.
bool ReadQuoted(CCsvCursor& cursor, QString& strField)
{
    ++cursor.m_nPos;
    while (!cursor.AtEnd()) {
        const QChar ch = cursor.Peek();
        if (ch == u'"' && cursor.Peek(1) == u'"') {
            strField += u'"';
            cursor.m_nPos += 2;
        } else if (ch == u'"') {
            ++cursor.m_nPos;
            return true;
        } else if (cursor.TakeLineEnd()) {
            strField += u'\n';
        } else {
            strField += ch;
            ++cursor.m_nPos;
        }
    }
    return false;
}

} // namespace

QChar CCsvReader::Separator(const QString& strText)
{
    int nCommas = 0;
    int nSemicolons = 0;
    bool bQuoted = false;
    for (const QChar ch : strText) {
        if (ch == u'"')
            bQuoted = !bQuoted;
        else if (!bQuoted && (ch == u'\n' || ch == u'\r'))
            break;
        else if (!bQuoted && ch == u',')
            ++nCommas;
        else if (!bQuoted && ch == u';')
            ++nSemicolons;
    }
    return nSemicolons > nCommas ? u';' : u',';
}

bool CCsvReader::Read(const QByteArray& bytes, QList<CCsvRecord>& records, QString& strError)
{
    records.clear();
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString strText = decoder(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
    if (decoder.hasError()) {
        strError = CStringTable::Load(IDS_CSV_NOT_UTF8);
        return false;
    }
    const QChar separator = Separator(strText);
    CCsvCursor cursor{strText};
    while (!cursor.AtEnd()) {
        if (cursor.TakeLineEnd())
            continue; // a blank line
        CCsvRecord record;
        record.m_nLine = cursor.m_nLine;
        QString strField;
        for (;;) {
            if (cursor.Peek() == u'"' && strField.trimmed().isEmpty()) {
                strField.clear();
                if (!ReadQuoted(cursor, strField)) {
                    strError = CStringTable::Format(IDS_CSV_OPEN_QUOTE, {record.m_nLine});
                    return false;
                }
            }
            if (cursor.AtEnd() || cursor.TakeLineEnd()) {
                record.m_fields.append(strField);
                break;
            }
            if (cursor.Peek() == separator) {
                record.m_fields.append(strField);
                strField.clear();
            } else {
                strField += cursor.Peek();
            }
            ++cursor.m_nPos;
        }
        records.append(record);
    }
    return true;
}

QString CCsvReader::Line(const QStringList& fields, QChar separator)
{
    QStringList quoted;
    for (const QString& strField : fields) {
        const bool bQuote = strField.contains(separator) || strField.contains(u'"') ||
                            strField.contains(u'\n') || strField.contains(u'\r') ||
                            strField.startsWith(u' ') || strField.endsWith(u' ');
        quoted.append(bQuote ? u'"' + QString(strField).replace(u'"', QStringLiteral("\"\"")) + u'"'
                             : strField);
    }
    return quoted.join(separator);
}
