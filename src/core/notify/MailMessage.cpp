#include "notify/MailMessage.h"

#include "notify/Base64Lines.h"

#include <QUrl>
#include <QUuid>

namespace {

constexpr qsizetype kMaxLineLength = 998;   // without CRLF, the limit of RFC 5322
constexpr qsizetype kMaxMessageId = 250;    // far more than any real one needs
constexpr qsizetype kEncodedWordBytes = 45; // 60 base64 characters per encoded word
// Header text shorter than this fits one line whatever header name it follows.
constexpr qsizetype kFoldedPartLength = 900;
// What a line keeps free for the header's name and ": " before a mailbox.
constexpr qsizetype kHeaderNameRoom = 16;

bool IsPlainAscii(const QString& str)
{
    for (const QChar ch : str) {
        if (ch.unicode() < 0x20 || ch.unicode() > 0x7E)
            return false;
    }
    return true;
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

// Header text as UTF-8 encoded words of whole characters, folded onto continuation lines:
// no line grows past the limit, however long the text.
QByteArray EncodedWords(const QString& str)
{
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

// An address in 7-bit header text: the domain in its ASCII form; one that cannot be written
// so (a local part beyond ASCII, a domain that is no name) goes out as encoded words, for no
// 8-bit byte may reach the header.
QByteArray AsciiAddress(const QString& str)
{
    const qsizetype nAt = str.lastIndexOf(u'@');
    if (nAt > 0) {
        const QString strLocal = str.left(nAt);
        const QByteArray domain = QUrl::toAce(str.mid(nAt + 1));
        if (IsPlainAscii(strLocal) && !domain.isEmpty() &&
            IsPlainAscii(QString::fromLatin1(domain)) &&
            strLocal.size() + domain.size() < kFoldedPartLength)
            return strLocal.toLatin1() + '@' + domain;
    }
    return CMailMessage::EncodeHeaderText(str);
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

// The text of a quoted string: each backslash pair stands for its second character.
QString Unquoted(const QString& strQuoted)
{
    QString str;
    str.reserve(strQuoted.size());
    for (qsizetype i = 0; i < strQuoted.size(); ++i) {
        if (strQuoted.at(i) == u'\\' && i + 1 < strQuoted.size())
            ++i;
        str += strQuoted.at(i);
    }
    return str;
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

// A mailbox ("Name <address>" or a bare address) as header text: a display name of plain
// ASCII as a phrase (quoted where it holds specials), any other as encoded words; bFolded
// tells that it may span continuation lines of its own.
QByteArray Mailbox(const QString& strText, bool& bFolded)
{
    const QString str = CMailMessage::SingleLine(strText).trimmed();
    bFolded = !IsPlainAscii(str) || str.size() >= kFoldedPartLength;
    const qsizetype nOpen = str.lastIndexOf(u'<');
    const qsizetype nClose = nOpen < 0 ? -1 : str.indexOf(u'>', nOpen);
    if (nClose < 0)
        return bFolded ? AsciiAddress(str) : str.toLatin1();
    QString strName = str.left(nOpen).trimmed();
    if (strName.size() >= 2 && strName.startsWith(u'"') && strName.endsWith(u'"'))
        strName = Unquoted(strName.mid(1, strName.size() - 2));
    const QByteArray address = '<' + AsciiAddress(str.mid(nOpen + 1, nClose - nOpen - 1)) + '>';
    if (strName.isEmpty())
        return address;
    if (!IsPlainAscii(strName) || strName.size() >= kFoldedPartLength ||
        strName.contains(QStringLiteral("=?")))
        return CMailMessage::EncodeHeaderText(strName) + ' ' + address;
    // "Smith, Ann" would be two addresses unquoted.
    const QByteArray phrase = IsAtomText(strName) ? strName.toLatin1() : QuotedString(strName);
    if (phrase.size() + 1 + address.size() <= kMaxLineLength - kHeaderNameRoom)
        return phrase + ' ' + address;
    // Quoting or the address made it too long for one line: encoded words, which fold.
    bFolded = true;
    return EncodedWords(strName) + ' ' + address;
}

// A header of mailboxes: folded by HeaderLine when all are plain, else one mailbox a line.
QByteArray MailboxHeader(const QByteArray& name, const QStringList& mailboxes)
{
    QList<QByteArray> texts;
    bool bAnyFolded = false;
    for (const QString& strMailbox : mailboxes) {
        bool bFolded = false;
        texts.append(Mailbox(strMailbox, bFolded));
        bAnyFolded = bAnyFolded || bFolded;
    }
    if (!bAnyFolded)
        return HeaderLine(name, texts.join(", "));
    return name + ": " + texts.join(",\r\n ") + "\r\n";
}

} // namespace

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
    // Text that looks like an encoded word is encoded too: a mail reader would decode it.
    const bool bPlain =
        IsPlainAscii(str) && str.size() < kFoldedPartLength && !str.contains(QStringLiteral("=?"));
    return bPlain ? str.toLatin1() : EncodedWords(str);
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
    return Compose(strFrom, recipients, strSubject, date, strMessageId,
                   [&strBody](CBase64Lines& body) { body.Append(QStringView(strBody)); });
}

QByteArray CMailMessage::Compose(const QString& strFrom, const QStringList& recipients,
                                 const QString& strSubject, const QDateTime& date,
                                 const QString& strMessageId, const WriteBody& writeBody)
{
    // Every field is cleaned here, whatever the caller checked: no line break, no control
    // character, no line too long, so that no value can add a header of its own.
    QString strId = Token(strMessageId, QStringLiteral("!#$%&'*+-/=?^_`{|}~.@<>"));
    if (strId.size() > kMaxMessageId || strId.isEmpty())
        strId = NewMessageId(QString());
    QByteArray message;
    // Headers are 7-bit: names beyond ASCII go as encoded words, domains in their ASCII form.
    message += MailboxHeader("From", {strFrom});
    message += MailboxHeader("To", recipients);
    // Folded into encoded words of its own when long or not plain ASCII.
    message += "Subject: " + EncodeHeaderText(SingleLine(strSubject)) + "\r\n";
    message += HeaderLine("Date", date.toString(Qt::RFC2822Date).toLatin1());
    message += HeaderLine("Message-ID", strId.toLatin1());
    message += "MIME-Version: 1.0\r\n";
    message += "Content-Type: text/plain; charset=UTF-8\r\n";
    message += "Content-Transfer-Encoding: base64\r\n";
    message += "\r\n";
    CBase64Lines body(message);
    writeBody(body);
    body.Finish();
    return message;
}
