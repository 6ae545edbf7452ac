#include "VCardReader.h"

#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace {

struct CProperty
{
    QByteArray m_name;          // upper case, without group
    QList<QByteArray> m_params; // upper-cased "NAME=VALUE" or bare values
    QByteArray m_value;
};

// A card under construction; m_nOrder keeps the order in which cards begin.
struct CCard
{
    int m_nOrder = 0;
    bool m_bVersion21 = false; // 2.1 escapes nothing in unstructured values
    QString m_strFormattedName;
    QStringList m_name; // N: family;given;additional;prefix;suffix
    QString m_strOrganisation;
    QList<QPair<int, QString>> m_emails; // preference rank, address
};

bool IsQuotedPrintable(const QByteArray& nameAndParams)
{
    return nameAndParams.toUpper().contains("QUOTED-PRINTABLE");
}

// Index of the first ':' not inside double quotes, or -1.
qsizetype ValueColon(const QByteArray& line)
{
    bool bQuoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            bQuoted = !bQuoted;
        else if (line[i] == ':' && !bQuoted)
            return i;
    }
    return -1;
}

// Where the value of a logical line begins, found as the line grows: each byte is looked at
// once, however many folded lines a long line is made of.
class CColonFinder
{
public:
    void Reset()
    {
        m_nColon = -1;
        m_nScanned = 0;
        m_bQuoted = false;
        m_bQuotedPrintable = false;
    }

    // Call after every change at the end of the line.
    void Update(const QByteArray& line)
    {
        for (; m_nColon < 0 && m_nScanned < line.size(); ++m_nScanned) {
            if (line[m_nScanned] == '"') {
                m_bQuoted = !m_bQuoted;
            } else if (line[m_nScanned] == ':' && !m_bQuoted) {
                m_nColon = m_nScanned;
                m_bQuotedPrintable = IsQuotedPrintable(line.left(m_nColon));
            }
        }
    }

    // Whether a line ending in '=' continues on the next one (quoted-printable in vCard 2.1).
    bool SoftBreak(const QByteArray& line) const
    {
        return m_nColon > 0 && m_bQuotedPrintable && line.endsWith('=');
    }

private:
    qsizetype m_nColon = -1;
    qsizetype m_nScanned = 0;
    bool m_bQuoted = false;
    bool m_bQuotedPrintable = false;
};

// Physical lines joined into logical ones: folding by leading white space, and the soft
// line breaks of quoted-printable values in vCard 2.1.
QList<QByteArray> LogicalLines(QByteArray data)
{
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    QList<QByteArray> lines;
    CColonFinder finder;
    bool bSoftBreak = false;
    for (QByteArray line : data.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (bSoftBreak && !lines.isEmpty()) {
            lines.last().chop(1); // the '='
            lines.last().append(line);
        } else if ((line.startsWith(' ') || line.startsWith('\t')) && !lines.isEmpty()) {
            lines.last().append(line.constData() + 1, line.size() - 1);
        } else {
            lines.append(line);
            finder.Reset();
        }
        finder.Update(lines.last());
        bSoftBreak = finder.SoftBreak(lines.last());
    }
    return lines;
}

QList<QByteArray> SplitOutsideQuotes(const QByteArray& str, char separator)
{
    QList<QByteArray> parts;
    QByteArray part;
    bool bQuoted = false;
    for (const char ch : str) {
        if (ch == '"')
            bQuoted = !bQuoted;
        if (ch == separator && !bQuoted) {
            parts.append(part);
            part.clear();
            continue;
        }
        part.append(ch);
    }
    parts.append(part);
    return parts;
}

std::optional<CProperty> ParseLine(const QByteArray& line)
{
    const qsizetype nColon = ValueColon(line);
    if (nColon <= 0)
        return std::nullopt;
    QList<QByteArray> nameParts = SplitOutsideQuotes(line.left(nColon), ';');
    CProperty property;
    property.m_name = nameParts.takeFirst().trimmed().toUpper();
    const qsizetype nDot = property.m_name.lastIndexOf('.');
    if (nDot >= 0)
        property.m_name = property.m_name.mid(nDot + 1); // "item1.EMAIL"
    for (const QByteArray& param : nameParts)
        property.m_params.append(param.trimmed().toUpper());
    property.m_value = line.mid(nColon + 1);
    return property;
}

// The parameter's values ("TYPE=HOME,PREF" gives HOME and PREF; a bare 2.1 value counts as
// a TYPE value).
QList<QByteArray> ParamValues(const CProperty& property, const QByteArray& name)
{
    QList<QByteArray> values;
    for (const QByteArray& param : property.m_params) {
        const qsizetype nEquals = param.indexOf('=');
        const QByteArray paramName = nEquals < 0 ? QByteArray("TYPE") : param.left(nEquals);
        if (paramName != name)
            continue;
        for (QByteArray value : param.mid(nEquals + 1).split(','))
            values.append(value.replace('"', "").trimmed());
    }
    return values;
}

QByteArray DecodeQuotedPrintable(const QByteArray& value)
{
    QByteArray out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != '=') {
            out.append(value[i]);
            continue;
        }
        const QByteArray hex = value.mid(i + 1, 2);
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

QString DecodeText(const QByteArray& bytes, const QByteArray& charset)
{
    if (!charset.isEmpty() && charset != "UTF-8") {
        QStringDecoder decoder(charset.constData());
        if (decoder.isValid()) {
            const QString str = decoder.decode(bytes);
            if (!decoder.hasError())
                return str;
        }
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString str = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : str;
}

QString PropertyText(const CProperty& property)
{
    QByteArray value = property.m_value;
    const QList<QByteArray> encodings = ParamValues(property, "ENCODING");
    if (encodings.contains("QUOTED-PRINTABLE") ||
        property.m_params.contains(QByteArray("QUOTED-PRINTABLE")))
        value = DecodeQuotedPrintable(value);
    const QList<QByteArray> charsets = ParamValues(property, "CHARSET");
    return DecodeText(value, charsets.isEmpty() ? QByteArray() : charsets.first());
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

QString Unescaped(const QString& str)
{
    // In an unstructured value every ';' is text, escaped or not; only the escapes matter.
    return Components(str).join(u';');
}

int PreferenceRank(const CProperty& property)
{
    const QList<QByteArray> types = ParamValues(property, "TYPE");
    if (types.contains("PREF"))
        return 1;
    const QList<QByteArray> prefs = ParamValues(property, "PREF"); // vCard 4.0: 1 is best
    bool bOk = false;
    const int nPref = prefs.isEmpty() ? 0 : prefs.first().toInt(&bOk);
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

void Apply(CCard& card, const CProperty& property)
{
    const auto text = [&] {
        const QString str = PropertyText(property);
        return card.m_bVersion21 ? str : Unescaped(str);
    };
    if (property.m_name == "VERSION") {
        card.m_bVersion21 = property.m_value.trimmed() == "2.1";
    } else if (property.m_name == "FN") {
        card.m_strFormattedName = text().trimmed();
    } else if (property.m_name == "N") {
        card.m_name = Components(PropertyText(property));
    } else if (property.m_name == "ORG") {
        if (card.m_strOrganisation.isEmpty())
            card.m_strOrganisation = Components(PropertyText(property)).value(0).trimmed();
    } else if (property.m_name == "EMAIL") {
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

} // namespace

bool CVCardReader::LooksLikeVCard(const QByteArray& data)
{
    return data.toUpper().contains("BEGIN:VCARD");
}

QList<CVCardContact> CVCardReader::Parse(const QByteArray& data)
{
    QList<QPair<int, CVCardContact>> finished;
    QList<CCard> open; // nested cards stack up
    int nNextOrder = 0;
    for (const QByteArray& line : LogicalLines(data)) {
        const std::optional<CProperty> property = ParseLine(line);
        if (!property)
            continue;
        const QByteArray value = property->m_value.trimmed().toUpper();
        if (property->m_name == "BEGIN" && value == "VCARD") {
            open.append(CCard{nNextOrder++, false, {}, {}, {}, {}});
        } else if (property->m_name == "END" && value == "VCARD") {
            if (!open.isEmpty()) {
                CCard card = open.takeLast();
                finished.append({card.m_nOrder, Finish(card)});
            }
        } else if (!open.isEmpty()) {
            Apply(open.last(), *property);
        }
    }
    // A card the file forgot to end still counts.
    while (!open.isEmpty()) {
        CCard card = open.takeLast();
        finished.append({card.m_nOrder, Finish(card)});
    }
    std::stable_sort(finished.begin(), finished.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QList<CVCardContact> contacts;
    for (auto& entry : finished)
        contacts.append(std::move(entry.second));
    return contacts;
}
