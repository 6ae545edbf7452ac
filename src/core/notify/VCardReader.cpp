#include "notify/VCardReader.h"

#include <QStringDecoder>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

// The reader walks the bytes once and looks at them in place: a logical line is copied only
// when it is folded over several physical lines, and only the properties the address book uses
// (FN, N, ORG, EMAIL) are taken apart and decoded. A large address book costs little more time
// than one pass over its bytes, and little more memory than the file itself.

namespace {

using View = QByteArrayView;

bool IsSpace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

View Trimmed(View view)
{
    while (!view.isEmpty() && IsSpace(view.front()))
        view = view.sliced(1);
    while (!view.isEmpty() && IsSpace(view.back()))
        view.chop(1);
    return view;
}

bool Is(View view, View upper)
{
    return view.size() == upper.size() && view.compare(upper, Qt::CaseInsensitive) == 0;
}

bool ContainsNoCase(View haystack, View upper)
{
    return std::search(haystack.begin(), haystack.end(), upper.begin(), upper.end(),
                       [](char a, char b) {
                           return (a >= 'a' && a <= 'z' ? char(a - 'a' + 'A') : a) == b;
                       }) != haystack.end();
}

// Index of the first ';' outside double quotes at or after nFrom, or the size.
qsizetype NextSeparator(View str, qsizetype nFrom, bool& bQuoted)
{
    for (qsizetype i = nFrom; i < str.size(); ++i) {
        if (str[i] == '"')
            bQuoted = !bQuoted;
        else if (str[i] == ';' && !bQuoted)
            return i;
    }
    return str.size();
}

// One logical line after another: folding by leading white space joined, and the soft line
// breaks of quoted-printable values in vCard 2.1. A line that lies on one physical line is
// handed out as a view into the data.
class CLineReader
{
public:
    explicit CLineReader(View data) : m_data(data)
    {
        if (m_data.startsWith("\xEF\xBB\xBF"))
            m_data = m_data.sliced(3);
    }

    // The next logical line and the index of its value's colon (-1 without one).
    bool Next(View& line, qsizetype& nColon)
    {
        if (m_nPos > m_data.size())
            return false;
        line = Physical();
        m_bJoined = false;
        m_nColon = -1;
        m_nScanned = 0;
        m_bQuoted = false;
        m_bQuotedPrintable = false;
        Scan(line);
        while (m_nPos <= m_data.size()) {
            const bool bSoftBreak = m_nColon > 0 && m_bQuotedPrintable && line.endsWith('=');
            const qsizetype nSaved = m_nPos;
            const View next = Physical();
            if (bSoftBreak) {
                line = Join(line.chopped(1), next);
            } else if (next.startsWith(' ') || next.startsWith('\t')) {
                line = Join(line, next.sliced(1));
            } else {
                m_nPos = nSaved;
                break;
            }
            Scan(line);
        }
        nColon = m_nColon;
        return true;
    }

private:
    // The next physical line without its line end; past the end once the last one is taken.
    View Physical()
    {
        const qsizetype nLeft = m_data.size() - m_nPos;
        const char* pStart = m_data.data() + m_nPos;
        const auto* pEnd = nLeft > 0
                               ? static_cast<const char*>(std::memchr(pStart, '\n', size_t(nLeft)))
                               : nullptr;
        const qsizetype nLength = pEnd ? pEnd - pStart : nLeft;
        m_nPos += nLength + 1;
        View line(pStart, nLength);
        return line.endsWith('\r') ? line.chopped(1) : line;
    }

    View Join(View head, View tail)
    {
        if (!m_bJoined) {
            m_joined.assign(head.data(), size_t(head.size()));
            m_bJoined = true;
        } else {
            m_joined.resize(size_t(head.size()));
        }
        m_joined.append(tail.data(), size_t(tail.size()));
        return View(m_joined.data(), qsizetype(m_joined.size()));
    }

    // Looks for the value's colon in what the line gained; each byte is looked at once.
    void Scan(View line)
    {
        for (; m_nColon < 0 && m_nScanned < line.size(); ++m_nScanned) {
            if (line[m_nScanned] == '"') {
                m_bQuoted = !m_bQuoted;
            } else if (line[m_nScanned] == ':' && !m_bQuoted) {
                m_nColon = m_nScanned;
                m_bQuotedPrintable = ContainsNoCase(line.first(m_nColon), "QUOTED-PRINTABLE");
            }
        }
    }

    View m_data;
    qsizetype m_nPos = 0;
    std::string m_joined;
    bool m_bJoined = false;
    qsizetype m_nColon = -1;
    qsizetype m_nScanned = 0;
    bool m_bQuoted = false;
    bool m_bQuotedPrintable = false;
};

// A property line taken apart in place: the name without its group, the parameters
// (trimmed, "NAME=VALUE" or a bare 2.1 value) and the value.
struct CProperty
{
    View m_name;
    std::vector<View> m_params;
    View m_value;
};

// The parameter's values without quotes ("TYPE=HOME,PREF" gives HOME and PREF; a bare 2.1
// value counts as a TYPE value), until fnValue returns false.
template <typename F> void ForEachParamValue(const CProperty& property, View name, F fnValue)
{
    std::string value;
    for (const View param : property.m_params) {
        const qsizetype nEquals = param.indexOf('=');
        if (!Is(nEquals < 0 ? View("TYPE") : param.first(nEquals), name))
            continue;
        const View values = param.sliced(nEquals + 1);
        for (qsizetype nStart = 0; nStart <= values.size();) {
            qsizetype nComma = values.indexOf(',', nStart);
            if (nComma < 0)
                nComma = values.size();
            value.clear();
            for (const char ch : values.sliced(nStart, nComma - nStart)) {
                if (ch != '"')
                    value += ch;
            }
            if (!fnValue(Trimmed(View(value.data(), qsizetype(value.size())))))
                return;
            nStart = nComma + 1;
        }
    }
}

bool HasParamValue(const CProperty& property, View name, View upperValue)
{
    bool bFound = false;
    ForEachParamValue(property, name, [&](View value) {
        bFound = Is(value, upperValue);
        return !bFound;
    });
    return bFound;
}

QByteArray FirstParamValue(const CProperty& property, View name)
{
    QByteArray first;
    bool bFound = false;
    ForEachParamValue(property, name, [&](View value) {
        first = value.toByteArray().toUpper();
        bFound = true;
        return false;
    });
    return bFound ? first : QByteArray();
}

QByteArray DecodeQuotedPrintable(View value)
{
    QByteArray out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != '=') {
            out.append(value[i]);
            continue;
        }
        const View hex = value.sliced(i + 1).first(std::min<qsizetype>(2, value.size() - i - 1));
        bool bOk = false;
        const int nByte = hex.size() == 2 ? hex.toInt(&bOk, 16) : 0;
        if (bOk) {
            out.append(static_cast<char>(nByte));
            i += 2;
        } else if (hex.isEmpty()) {
            break; // a soft break at the very end
        } else {
            out.append('=');
        }
    }
    return out;
}

bool IsAscii(View bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
}

QString DecodeText(View bytes, const QByteArray& charset)
{
    if (!charset.isEmpty() && charset != "UTF-8") {
        QStringDecoder decoder(charset.constData());
        if (decoder.isValid()) {
            const QString str = decoder.decode(bytes);
            if (!decoder.hasError())
                return str;
        }
    }
    if (IsAscii(bytes))
        return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString str = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : str;
}

QString PropertyText(const CProperty& property)
{
    const QByteArray charset = FirstParamValue(property, "CHARSET");
    const bool bQuotedPrintable =
        HasParamValue(property, "ENCODING", "QUOTED-PRINTABLE") ||
        std::any_of(property.m_params.begin(), property.m_params.end(),
                    [](View param) { return Is(param, "QUOTED-PRINTABLE"); });
    if (bQuotedPrintable)
        return DecodeText(DecodeQuotedPrintable(property.m_value), charset);
    return DecodeText(property.m_value, charset);
}

// Splits a structured value at unescaped ';' and resolves the escapes of each component.
QStringList Components(const QString& str)
{
    QStringList components;
    QString component;
    for (qsizetype i = 0; i < str.size(); ++i) {
        const QChar ch = str[i];
        if (ch == u'\\' && i + 1 < str.size()) {
            const QChar next = str[++i];
            component += next == u'n' || next == u'N' ? QChar(u'\n') : next;
        } else if (ch == u';') {
            components.append(component);
            component.clear();
        } else {
            component += ch;
        }
    }
    components.append(component);
    return components;
}

// In an unstructured value every ';' is text, escaped or not; only the escapes matter.
QString Unescaped(const QString& str)
{
    if (!str.contains(u'\\'))
        return str;
    QString out;
    out.reserve(str.size());
    for (qsizetype i = 0; i < str.size(); ++i) {
        if (str[i] == u'\\' && i + 1 < str.size()) {
            const QChar next = str[++i];
            out += next == u'n' || next == u'N' ? QChar(u'\n') : next;
        } else {
            out += str[i];
        }
    }
    return out;
}

int PreferenceRank(const CProperty& property)
{
    if (HasParamValue(property, "TYPE", "PREF"))
        return 1;
    const QByteArray pref = FirstParamValue(property, "PREF"); // vCard 4.0: 1 is best
    bool bOk = false;
    const int nPref = pref.isEmpty() ? 0 : pref.toInt(&bOk);
    return bOk && nPref >= 1 ? nPref : 101; // unranked addresses after ranked ones
}

// "Ann" <ann@example.com> as some address books write it: the address inside the brackets.
QString BareAddress(const QString& str)
{
    const qsizetype nOpen = str.lastIndexOf(u'<');
    const qsizetype nClose = str.lastIndexOf(u'>');
    if (nOpen >= 0 && nClose > nOpen && str.mid(nOpen, nClose - nOpen).contains(u'@'))
        return str.mid(nOpen + 1, nClose - nOpen - 1).trimmed();
    return str;
}

// A card under construction; m_nIndex is its place among the contacts.
struct CCard
{
    qsizetype m_nIndex = 0;
    bool m_bVersion21 = false; // 2.1 escapes nothing in unstructured values
    QString m_strFormattedName;
    QStringList m_name; // N: family;given;additional;prefix;suffix
    QString m_strOrganisation;
    QList<QPair<int, QString>> m_emails; // preference rank, address
};

void Apply(CCard& card, const CProperty& property)
{
    const auto text = [&] {
        const QString str = PropertyText(property);
        return card.m_bVersion21 ? str : Unescaped(str);
    };
    if (Is(property.m_name, "FN")) {
        card.m_strFormattedName = text().trimmed();
    } else if (Is(property.m_name, "N")) {
        card.m_name = Components(PropertyText(property));
    } else if (Is(property.m_name, "ORG")) {
        if (card.m_strOrganisation.isEmpty())
            card.m_strOrganisation = Components(PropertyText(property)).value(0).trimmed();
    } else if (Is(property.m_name, "EMAIL")) {
        QString strAddress = BareAddress(text().trimmed());
        if (strAddress.startsWith(QStringLiteral("mailto:"), Qt::CaseInsensitive))
            strAddress = strAddress.mid(7);
        if (!strAddress.isEmpty())
            card.m_emails.append({PreferenceRank(property), strAddress});
    }
}

CVCardContact Finish(CCard& card)
{
    CVCardContact contact;
    contact.m_strLastName = card.m_name.value(0).trimmed();
    contact.m_strFirstName = card.m_name.value(1).trimmed();
    contact.m_strFileAs = card.m_strFormattedName;
    if (contact.m_strFileAs.isEmpty()) {
        contact.m_strFileAs =
            QStringList{contact.m_strFirstName, contact.m_strLastName}.join(u' ').trimmed();
    }
    if (contact.m_strFileAs.isEmpty())
        contact.m_strFileAs = card.m_strOrganisation;
    std::stable_sort(card.m_emails.begin(), card.m_emails.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& email : card.m_emails)
        contact.m_emails.append(email.second);
    // Without any name the card can still be picked by its address.
    if (contact.m_strFileAs.isEmpty())
        contact.m_strFileAs = contact.m_emails.value(0);
    return contact;
}

// The properties that a card keeps; everything else is passed over unparsed.
bool IsUsed(View name)
{
    return Is(name, "FN") || Is(name, "N") || Is(name, "ORG") || Is(name, "EMAIL");
}

class CParser
{
public:
    QList<CVCardContact> Run(View data, const std::atomic<bool>* pStop)
    {
        CLineReader lines(data);
        View line;
        qsizetype nColon = -1;
        while (lines.Next(line, nColon)) {
            if (nColon > 0)
                Take(line, nColon);
            if (pStop && m_contacts.size() != m_nChecked && *pStop)
                return {};
            m_nChecked = m_contacts.size();
        }
        // A card the file forgot to end still counts.
        while (!m_open.empty())
            Close();
        return std::move(m_contacts);
    }

private:
    void Take(View line, qsizetype nColon)
    {
        const View nameAndParams = line.first(nColon);
        bool bQuoted = false;
        const qsizetype nNameEnd = NextSeparator(nameAndParams, 0, bQuoted);
        m_property.m_name = Trimmed(nameAndParams.first(nNameEnd));
        const qsizetype nDot = m_property.m_name.lastIndexOf('.');
        if (nDot >= 0)
            m_property.m_name = m_property.m_name.sliced(nDot + 1); // "item1.EMAIL"
        m_property.m_value = line.sliced(nColon + 1);
        const View name = m_property.m_name;
        if (Is(name, "BEGIN") && Is(Trimmed(m_property.m_value), "VCARD")) {
            m_open.push_back(CCard{m_contacts.size(), false, {}, {}, {}, {}});
            m_contacts.append(CVCardContact());
        } else if (Is(name, "END") && Is(Trimmed(m_property.m_value), "VCARD")) {
            if (!m_open.empty())
                Close();
        } else if (m_open.empty()) {
            return;
        } else if (Is(name, "VERSION")) {
            m_open.back().m_bVersion21 = Trimmed(m_property.m_value) == "2.1";
        } else if (IsUsed(name)) {
            m_property.m_params.clear();
            for (qsizetype nStart = nNameEnd + 1; nStart <= nameAndParams.size();) {
                const qsizetype nEnd = NextSeparator(nameAndParams, nStart, bQuoted);
                m_property.m_params.push_back(Trimmed(nameAndParams.sliced(nStart, nEnd - nStart)));
                nStart = nEnd + 1;
            }
            Apply(m_open.back(), m_property);
        }
    }

    void Close()
    {
        CCard& card = m_open.back();
        m_contacts[card.m_nIndex] = Finish(card);
        m_open.pop_back();
    }

    QList<CVCardContact> m_contacts; // in the order their cards begin
    std::vector<CCard> m_open;       // nested cards stack up
    CProperty m_property;
    qsizetype m_nChecked = 0; // how many cards had begun when the stop was last looked at
};

} // namespace

bool CVCardReader::LooksLikeVCard(const QByteArray& data)
{
    return ContainsNoCase(data, "BEGIN:VCARD");
}

QList<CVCardContact> CVCardReader::Parse(const QByteArray& data, const std::atomic<bool>* pStop)
{
    return CParser().Run(data, pStop);
}
