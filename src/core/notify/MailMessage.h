#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QStringList>

#include <functional>

class CBase64Lines;

// Builds an Internet message of plain text: RFC 5322 headers, UTF-8 body in base64 with CRLF
// line ends, the subject encoded when it is not plain ASCII.
class CMailMessage
{
public:
    static QByteArray Compose(const QString& strFrom, const QStringList& recipients,
                              const QString& strSubject, const QString& strBody,
                              const QDateTime& date, const QString& strMessageId);
    // The same with a body that writes itself into the message, piece by piece.
    using WriteBody = std::function<void(CBase64Lines& body)>;
    static QByteArray Compose(const QString& strFrom, const QStringList& recipients,
                              const QString& strSubject, const QDateTime& date,
                              const QString& strMessageId, const WriteBody& writeBody);

    // A header value safe to send: control characters (line breaks above all) become blanks.
    static QString SingleLine(const QString& str);
    // The subject as it goes into the header: as is when plain ASCII, else RFC 2047 words.
    static QByteArray EncodeHeaderText(const QString& str);

    // "<unique@domain-of-sender>"
    static QString NewMessageId(const QString& strFrom);
};
