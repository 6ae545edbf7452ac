#include "MailMessage.h"

#include <QUuid>

namespace {

constexpr qsizetype kBase64LineLength = 76;
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
    QString strDomain = strFrom.section(u'@', -1).trimmed();
    strDomain.remove(u'>');
    if (!strFrom.contains(u'@') || strDomain.isEmpty())
        strDomain = QStringLiteral("kivvo.invalid");
    return u'<' + QUuid::createUuid().toString(QUuid::WithoutBraces) + u'@' + strDomain + u'>';
}

QByteArray CMailMessage::Compose(const QString& strFrom, const QStringList& recipients,
                                 const QString& strSubject, const QString& strBody,
                                 const QDateTime& date, const QString& strMessageId)
{
    QStringList to;
    for (const QString& strRecipient : recipients)
        to.append(strRecipient.trimmed());
    QByteArray message;
    message += "From: " + SingleLine(strFrom).toUtf8() + "\r\n";
    message += "To: " + SingleLine(to.join(QStringLiteral(", "))).toUtf8() + "\r\n";
    message += "Subject: " + EncodeHeaderText(SingleLine(strSubject)) + "\r\n";
    message += "Date: " + date.toString(Qt::RFC2822Date).toLatin1() + "\r\n";
    message += "Message-ID: " + strMessageId.toLatin1() + "\r\n";
    message += "MIME-Version: 1.0\r\n";
    message += "Content-Type: text/plain; charset=UTF-8\r\n";
    message += "Content-Transfer-Encoding: base64\r\n";
    message += "\r\n";
    message += Base64Lines(strBody.toUtf8());
    return message;
}
