#include "MailMessage.h"

#include <QUuid>

namespace {

constexpr qsizetype kBase64LineLength = 76;
constexpr qsizetype kMaxLineLength = 998;   // without CRLF, the limit of RFC 5322
constexpr qsizetype kMaxMessageId = 250;    // far more than any real one needs
constexpr qsizetype kEncodedWordBytes = 45; // 60 base64 characters per encoded word

bool IsPlainAscii(const QString& str)
{
    for (const QChar ch : str) {
        if (ch.unicode() < 0x20 || ch.unicode() > 0x7E)
            return false;
    }
    return true;
}

QByteArray Base64Lines(const QByteArray& data)
{
    const QByteArray encoded = data.toBase64();
    QByteArray lines;
    for (qsizetype i = 0; i < encoded.size(); i += kBase64LineLength)
        lines += encoded.mid(i, kBase64LineLength) + "\r\n";
    return lines;
}

// "Name: value" with CRLF, folded onto continuation lines where it is too long: before a
// blank where there is one, else (a single word longer than any real one) anywhere. The
// value may hold folds of its own ("\r\n ").
QByteArray HeaderLine(const QByteArray& name, const QByteArray& value)
{
    QByteArray lines;
    const QList<QByteArray> parts = value.split('\n');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QByteArray rest = i == 0 ? name + ": " + parts.at(i) : parts.at(i);
        if (rest.endsWith('\r'))
            rest.chop(1);
        const qsizetype nFirstBreak = i == 0 ? name.size() + 1 : 0;
        while (rest.size() > kMaxLineLength) {
            qsizetype nBreak = rest.lastIndexOf(' ', kMaxLineLength);
            if (nBreak <= nFirstBreak) {
                nBreak = kMaxLineLength - 1;
                rest.insert(nBreak, ' ');
            }
            lines += rest.left(nBreak) + "\r\n";
            rest.remove(0, nBreak);
        }
        lines += rest + "\r\n";
    }
    return lines;
}

// Printable ASCII without blanks: what may stand between the angle brackets of an id, or in
// a domain name.
QString Token(const QString& str, const QString& strExtra)
{
    QString strToken;
    for (const QChar ch : str) {
        if ((ch.isLetterOrNumber() && ch.unicode() < 0x80) || strExtra.contains(ch))
            strToken += ch;
    }
    return strToken;
}

// Characters of an atom (RFC 5322): a display name of these and blanks needs no quotes.
bool IsAtomText(const QString& str)
{
    for (const QChar ch : str) {
        if (!(ch.isLetterOrNumber() && ch.unicode() < 0x80) && ch != u' ' &&
            !QStringView(u"!#$%&'*+-/=?^_`{|}~").contains(ch))
            return false;
    }
    return true;
}

QByteArray QuotedString(const QString& str)
{
    QByteArray quoted = "\"";
    for (const char ch : str.toLatin1()) {
        if (ch == '"' || ch == '\\')
            quoted += '\\';
        quoted += ch;
    }
    return quoted + '"';
}

} // namespace

QByteArray CMailMessage::EncodeAddress(const QString& strAddress)
{
    const QString strText = SingleLine(strAddress).trimmed();
    const qsizetype nOpen = strText.lastIndexOf(u'<');
    if (nOpen < 0 || !strText.endsWith(u'>'))
        return strText.toUtf8();
    QString strName = strText.left(nOpen).trimmed();
    if (strName.size() >= 2 && strName.startsWith(u'"') && strName.endsWith(u'"'))
        strName = strName.mid(1, strName.size() - 2);
    const QByteArray address = strText.mid(nOpen).toUtf8();
    if (strName.isEmpty())
        return address;
    if (!IsPlainAscii(strName) || strName.size() >= 900)
        return EncodeHeaderText(strName) + "\r\n " + address;
    return (IsAtomText(strName) ? strName.toLatin1() : QuotedString(strName)) + ' ' + address;
}

QString CMailMessage::SingleLine(const QString& str)
{
    QString strLine = str;
    for (QChar& ch : strLine) {
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7F)
            ch = u' ';
    }
    return strLine;
}

QByteArray CMailMessage::EncodeHeaderText(const QString& str)
{
    if (IsPlainAscii(str) && str.size() < 900)
        return str.toLatin1();
    // Encoded words of whole characters, folded onto continuation lines.
    QList<QByteArray> words;
    QByteArray chunk;
    for (qsizetype i = 0; i < str.size(); ++i) {
        const qsizetype nUnits = str[i].isHighSurrogate() && i + 1 < str.size() ? 2 : 1;
        const QByteArray character = str.mid(i, nUnits).toUtf8();
        i += nUnits - 1;
        if (chunk.size() + character.size() > kEncodedWordBytes) {
            words.append("=?UTF-8?B?" + chunk.toBase64() + "?=");
            chunk.clear();
        }
        chunk += character;
    }
    if (!chunk.isEmpty() || words.isEmpty())
        words.append("=?UTF-8?B?" + chunk.toBase64() + "?=");
    return words.join("\r\n ");
}

QString CMailMessage::NewMessageId(const QString& strFrom)
{
    // The sender's domain, when it is a plain domain name; anything else could break the
    // header it goes into.
    QString strDomain = strFrom.section(u'@', -1).trimmed();
    strDomain.remove(u'>');
    if (!strFrom.contains(u'@') || strDomain.isEmpty() || strDomain.size() > 200 ||
        Token(strDomain, QStringLiteral(".-")) != strDomain)
        strDomain = QStringLiteral("kivvo.invalid");
    return u'<' + QUuid::createUuid().toString(QUuid::WithoutBraces) + u'@' + strDomain + u'>';
}

QByteArray CMailMessage::Compose(const QString& strFrom, const QStringList& recipients,
                                 const QString& strSubject, const QString& strBody,
                                 const QDateTime& date, const QString& strMessageId)
{
    // Every field is cleaned here, whatever the caller checked: no line break, no control
    // character, no line too long, so that no value can add a header of its own.
    QList<QByteArray> to;
    for (const QString& strRecipient : recipients)
        to.append(EncodeAddress(strRecipient));
    QString strId = Token(strMessageId, QStringLiteral("!#$%&'*+-/=?^_`{|}~.@<>"));
    if (strId.size() > kMaxMessageId || strId.isEmpty())
        strId = NewMessageId(QString());
    QByteArray message;
    // Display names that are not plain ASCII go as encoded words, which fold on their own.
    message += HeaderLine("From", EncodeAddress(strFrom));
    message += HeaderLine("To", to.join(", "));
    // Folded into encoded words of its own when long or not plain ASCII.
    message += "Subject: " + EncodeHeaderText(SingleLine(strSubject)) + "\r\n";
    message += HeaderLine("Date", date.toString(Qt::RFC2822Date).toLatin1());
    message += HeaderLine("Message-ID", strId.toLatin1());
    message += "MIME-Version: 1.0\r\n";
    message += "Content-Type: text/plain; charset=UTF-8\r\n";
    message += "Content-Transfer-Encoding: base64\r\n";
    message += "\r\n";
    message += Base64Lines(strBody.toUtf8());
    return message;
}
