#include "model/CsvReader.h"

#include "text/Resource.h"
#include "text/StringTable.h"

#include <QBuffer>
#include <QStringDecoder>

namespace {

// Where the first line ends outside quotes, or -1 while it has not ended yet.
qsizetype FirstLineEnd(QStringView text)
{
    bool bQuoted = false;
    for (qsizetype n = 0; n < text.size(); ++n) {
        if (text.at(n) == u'"')
            bQuoted = !bQuoted;
        else if (!bQuoted && (text.at(n) == u'\n' || text.at(n) == u'\r'))
            return n;
    }
    return -1;
}

// The one of comma, semicolon and tab that the first line holds most of outside quotes;
// the comma when it holds none.
QChar SeparatorOf(QStringView text)
{
    const qsizetype nEnd = FirstLineEnd(text);
    int nCommas = 0;
    int nSemicolons = 0;
    int nTabs = 0;
    bool bQuoted = false;
    for (const QChar ch : nEnd < 0 ? text : text.left(nEnd)) {
        if (ch == u'"')
            bQuoted = !bQuoted;
        else if (!bQuoted && ch == u',')
            ++nCommas;
        else if (!bQuoted && ch == u';')
            ++nSemicolons;
        else if (!bQuoted && ch == u'\t')
            ++nTabs;
    }
    if (nTabs > nCommas && nTabs > nSemicolons)
        return u'\t';
    return nSemicolons > nCommas ? u';' : u',';
}

bool IsBlank(const QString& str)
{
    return std::all_of(str.cbegin(), str.cend(), [](QChar ch) { return ch.isSpace(); });
}

// A quoted field's text, from after its opening quote to after its closing one (or the end),
// added to strField: doubled quotes as one, every line end as "\n". Taken in runs between
// quotes rather than a character at a time.
void TakeQuoted(QStringView text, qsizetype& nPos, QString& strField)
{
    for (;;) {
        const qsizetype nQuote = text.indexOf(u'"', nPos);
        const QStringView run = text.sliced(nPos, (nQuote < 0 ? text.size() : nQuote) - nPos);
        if (run.contains(u'\r'))
            strField += run.toString()
                            .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                            .replace(u'\r', u'\n');
        else
            strField += run;
        if (nQuote < 0) {
            nPos = text.size();
            return;
        }
        if (nQuote + 1 < text.size() && text.at(nQuote + 1) == u'"') {
            strField += u'"';
            nPos = nQuote + 2;
            continue;
        }
        nPos = nQuote + 1;
        return;
    }
}

// The fields of one record's text, which holds no line end outside quotes. A quote opens a
// quoted field where the field so far is blank; anywhere else it is text.
QStringList FieldsOf(QStringView text, QChar separator)
{
    QStringList fields;
    fields.reserve(4); // name, address, suggestions, group
    qsizetype nPos = 0;
    for (;;) {
        QString strField;
        for (;;) {
            if (nPos < text.size() && text.at(nPos) == u'"' && IsBlank(strField)) {
                strField.clear();
                TakeQuoted(text, ++nPos, strField);
            }
            qsizetype nEnd = nPos;
            while (nEnd < text.size() && text.at(nEnd) != separator && text.at(nEnd) != u'"')
                ++nEnd;
            strField += text.sliced(nPos, nEnd - nPos);
            nPos = nEnd;
            if (nPos >= text.size()) {
                fields.append(strField);
                return fields;
            }
            if (text.at(nPos) == separator) {
                fields.append(strField);
                ++nPos;
                break;
            }
            if (!IsBlank(strField)) { // a quote inside the text
                strField += u'"';
                ++nPos;
            }
        }
    }
}

// Where the record that starts in the text ends, found in pieces as the text grows: the
// same rules for quotes as FieldsOf, so that both agree on where a record ends.
struct CRecordScan
{
    qsizetype m_nPos = 0;
    bool m_bQuoted = false;
    bool m_bBlank = true; // the field so far is blank: a quote here opens a quoted field
    int m_nLineEnds = 0;  // inside quotes, so far

    enum class EFound
    {
        End,      // a line end outside quotes stands at m_nPos
        NeedMore, // the text so far holds no end, or ends where one more character decides
    };

    EFound Scan(QStringView text, QChar separator, bool bAtEof)
    {
        for (; m_nPos < text.size(); ++m_nPos) {
            const QChar ch = text.at(m_nPos);
            const bool bLast = m_nPos + 1 == text.size();
            if (m_bQuoted) {
                if (ch == u'"') {
                    if (bLast && !bAtEof)
                        return EFound::NeedMore; // a doubled quote, or the closing one
                    if (!bLast && text.at(m_nPos + 1) == u'"') {
                        ++m_nPos;
                        m_bBlank = false;
                    } else {
                        m_bQuoted = false;
                    }
                } else if (ch == u'\r' || ch == u'\n') {
                    if (ch == u'\r' && bLast && !bAtEof)
                        return EFound::NeedMore;
                    if (ch == u'\r' && !bLast && text.at(m_nPos + 1) == u'\n')
                        ++m_nPos;
                    ++m_nLineEnds;
                } else if (!ch.isSpace()) {
                    m_bBlank = false;
                }
            } else if (ch == u'\r' || ch == u'\n') {
                // A CR the next piece may pair with an LF: one line end, not two.
                return ch == u'\r' && bLast && !bAtEof ? EFound::NeedMore : EFound::End;
            } else if (ch == separator) {
                m_bBlank = true;
            } else if (ch == u'"' && m_bBlank) {
                m_bQuoted = true;
            } else if (!ch.isSpace()) {
                m_bBlank = false;
            }
        }
        return EFound::NeedMore;
    }
};

constexpr qint64 kChunkBytes = 64 * 1024;

// Whether the bytes end inside a UTF-8 sequence: a lead byte without all its followers.
bool EndsMidSequence(const QByteArray& bytes)
{
    for (qsizetype n = 1; n <= std::min<qsizetype>(3, bytes.size()); ++n) {
        const auto ch = static_cast<unsigned char>(bytes.at(bytes.size() - n));
        if ((ch & 0xC0) == 0x80)
            continue; // a follower: look further back
        const int nLength = ch >= 0xF0 ? 4 : ch >= 0xE0 ? 3 : ch >= 0xC0 ? 2 : 1;
        return nLength > n;
    }
    return false;
}

} // namespace

struct CCsvReader::CState
{
    // The byte-order mark is taken off here, once: the decoder would take one off each
    // time it starts anew.
    QStringDecoder m_decoder{QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom};
    bool m_bStarted = false; // the first character has been decoded
    QString m_strText;       // decoded, not yet taken
    qsizetype m_nStart = 0;  // where the next record starts in it
    bool m_bEof = false;
    QByteArray m_tail; // the last bytes read: the end may cut a UTF-8 sequence short
    QChar m_separator;
};

CCsvReader::CCsvReader(QIODevice* pDevice)
    : m_pDevice(pDevice), m_pState(std::make_unique<CState>())
{
}

CCsvReader::~CCsvReader() = default;

bool CCsvReader::Fail(int nTextId, int nLine)
{
    m_strError = nLine > 0 ? CStringTable::Format(nTextId, {nLine}) : CStringTable::Load(nTextId);
    return false;
}

bool CCsvReader::ReadMore()
{
    CState& state = *m_pState;
    // What was taken goes, once it is most of the text: each character is moved at most once.
    if (state.m_nStart > state.m_strText.size() / 2) {
        state.m_strText.remove(0, state.m_nStart);
        state.m_nStart = 0;
    }
    QByteArray chunk(kChunkBytes, Qt::Uninitialized);
    const qint64 nRead = m_pDevice->read(chunk.data(), kChunkBytes);
    if (nRead < 0) {
        m_strError = m_pDevice->errorString();
        return false;
    }
    chunk.truncate(nRead);
    state.m_strText += state.m_decoder(chunk);
    if (nRead == 0)
        state.m_bEof = true;
    else
        state.m_tail = (state.m_tail + chunk).right(3);
    if (state.m_decoder.hasError() || (state.m_bEof && EndsMidSequence(state.m_tail)))
        return Fail(IDS_CSV_NOT_UTF8, 0);
    if (!state.m_bStarted && !state.m_strText.isEmpty()) {
        state.m_bStarted = true;
        if (state.m_strText.startsWith(QChar(0xFEFF)))
            state.m_strText.remove(0, 1);
    }
    return true;
}

bool CCsvReader::Next(CCsvRecord& into)
{
    CState& state = *m_pState;
    m_strError.clear();
    if (state.m_separator.isNull()) {
        // The separator is the first line's: read until it is whole.
        while (!state.m_bEof && FirstLineEnd(state.m_strText) < 0 &&
               state.m_strText.size() < kMaxRecordBytes) {
            if (!ReadMore())
                return false;
        }
        state.m_separator = SeparatorOf(state.m_strText);
    }
    for (;;) {
        CRecordScan scan;
        for (;;) {
            const QStringView rest = QStringView(state.m_strText).mid(state.m_nStart);
            if (scan.Scan(rest, state.m_separator, state.m_bEof) == CRecordScan::EFound::End ||
                state.m_bEof)
                break;
            if (scan.m_nPos * 2 > kMaxRecordBytes)
                return Fail(IDS_IMPORT_TOO_LONG, m_nLine);
            if (!ReadMore())
                return false;
        }
        const QStringView rest = QStringView(state.m_strText).mid(state.m_nStart);
        if (scan.m_bQuoted)
            return Fail(IDS_CSV_OPEN_QUOTE, m_nLine);
        const int nFirstLine = m_nLine;
        const QStringView record = rest.left(scan.m_nPos);
        qsizetype nTaken = scan.m_nPos;
        m_nLine += scan.m_nLineEnds;
        if (nTaken < rest.size()) { // the line end: CRLF, LF or a lone CR
            nTaken +=
                rest.at(nTaken) == u'\r' && nTaken + 1 < rest.size() && rest.at(nTaken + 1) == u'\n'
                    ? 2
                    : 1;
            ++m_nLine;
        }
        state.m_nStart += nTaken;
        if (record.isEmpty()) {
            if (nTaken == 0)
                return false; // the end of the file
            continue;         // a blank line
        }
        into.m_nLine = nFirstLine;
        into.m_fields = FieldsOf(record, state.m_separator);
        return true;
    }
}

bool CCsvReader::Read(const QByteArray& bytes, QList<CCsvRecord>& records, QString& strError)
{
    records.clear();
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    CCsvReader reader(&buffer);
    CCsvRecord record;
    while (reader.Next(record))
        records.append(record);
    strError = reader.Error();
    return strError.isEmpty();
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
