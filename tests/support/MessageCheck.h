#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// What is wrong with a composed message, or an empty string: a bare CR, LF or NUL or an 8-bit
// byte in the header block (headers are 7-bit, RFC 5322), a header missing or given twice, a
// line over 998 characters, or a body that is not strBody in base64 lines of 76 characters.
inline QString MessageProblem(const QByteArray& message, const QString& strBody)
{
    const qsizetype nEnd = message.indexOf("\r\n\r\n");
    if (nEnd < 0)
        return QStringLiteral("no end of the header block");
    const QByteArray header = message.left(nEnd + 2);
    for (qsizetype i = 0; i < header.size(); ++i) {
        if (static_cast<unsigned char>(header.at(i)) >= 0x80)
            return QStringLiteral("8-bit byte 0x%1 at %2 of the header block")
                .arg(static_cast<unsigned char>(header.at(i)), 2, 16, QLatin1Char('0'))
                .arg(i);
    }
    const QList<QByteArray> lines = header.chopped(2).split('\n');
    for (const char* pName :
         {"From: ", "To: ", "Subject: ", "Date: ", "Message-ID: ", "MIME-Version: "}) {
        int nCount = 0;
        for (const QByteArray& line : lines)
            nCount += line.startsWith(pName) ? 1 : 0;
        if (nCount != 1)
            return QStringLiteral("%1 found %2 times").arg(pName).arg(nCount);
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).chopped(i + 1 < lines.size() ? 1 : 0);
        if (i + 1 < lines.size() && !lines.at(i).endsWith('\r'))
            return QStringLiteral("line %1 ends without CR").arg(i);
        if (line.contains('\r') || line.contains('\0'))
            return QStringLiteral("CR or NUL inside line %1").arg(i);
        if (line.size() > 998)
            return QStringLiteral("line %1 is %2 characters long").arg(i).arg(line.size());
        const bool bContinuation = line.startsWith(' ') || line.startsWith('\t');
        if (!bContinuation && line.indexOf(':') <= 0)
            return QStringLiteral("line %1 is no header: %2").arg(i).arg(QString::fromUtf8(line));
    }
    QByteArray encoded = message.mid(nEnd + 4);
    for (const QByteArray& line : encoded.split('\n')) {
        if (line.size() > 998)
            return QStringLiteral("body line too long");
    }
    // The body in base64 lines of 76 characters, the last one shorter.
    const QByteArray whole = strBody.toUtf8().toBase64();
    QByteArray expected;
    for (qsizetype i = 0; i < whole.size(); i += 76)
        expected += whole.mid(i, 76) + "\r\n";
    if (encoded != expected)
        return QStringLiteral("the body is not in base64 lines of 76 characters");
    encoded.replace("\r\n", "");
    if (QString::fromUtf8(QByteArray::fromBase64(encoded)) != QString::fromUtf8(strBody.toUtf8()))
        return QStringLiteral("the body does not decode back");
    return {};
}
