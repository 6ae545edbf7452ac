#include "MailAddress.h"

QString CMailAddress::Bare(const QString& strText)
{
    const qsizetype nOpen = strText.lastIndexOf(u'<');
    const qsizetype nClose = strText.indexOf(u'>', nOpen + 1);
    if (nOpen >= 0 && nClose > nOpen && strText.mid(nClose + 1).trimmed().isEmpty())
        return strText.mid(nOpen + 1, nClose - nOpen - 1).trimmed();
    return strText.trimmed();
}

bool CMailAddress::IsValid(const QString& strBare)
{
    const qsizetype nAt = strBare.lastIndexOf(u'@');
    if (nAt < 1 || nAt == strBare.size() - 1)
        return false;
    for (const QChar ch : strBare) {
        if (ch.unicode() <= 0x20 || ch.unicode() == 0x7F || ch.isSpace() ||
            QStringView(u"<>()[],;:\\\"").contains(ch))
            return false;
    }
    return true;
}
