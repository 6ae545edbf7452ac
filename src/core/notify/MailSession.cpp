#include "notify/MailSession.h"

QString CMailSession::Printable(const QString& strText)
{
    QString strShown = strText;
    for (QChar& ch : strShown) {
        const QChar::Category category = ch.category();
        if (category == QChar::Other_Control || category == QChar::Other_Format)
            ch = QChar::ReplacementCharacter;
    }
    return strShown;
}

bool CMailSession::RequiresTls(const QString& strHost, const QString& strUser)
{
    if (strUser.isEmpty())
        return false;
    if (strHost.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0)
        return false;
    QString strAddress = strHost;
    if (strAddress.startsWith(u'[') && strAddress.endsWith(u']'))
        strAddress = strAddress.mid(1, strAddress.size() - 2);
    if (strAddress == u"::1" || strAddress == u"0:0:0:0:0:0:0:1")
        return false;
    // 127.0.0.0/8, written as four decimal numbers.
    const QStringList octets = strAddress.split(u'.');
    if (octets.size() != 4 || octets.first() != u"127")
        return true;
    for (const QString& strOctet : octets) {
        bool bOk = false;
        const int nOctet = strOctet.toInt(&bOk);
        if (!bOk || nOctet < 0 || nOctet > 255)
            return true;
    }
    return false;
}
