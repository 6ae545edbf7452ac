#include "notify/MailAddress.h"

#include <QStringList>

#include <algorithm>

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
    // One "@": a second one ("farah@@example.org") is a typing slip no server takes.
    const qsizetype nAt = strBare.lastIndexOf(u'@');
    if (nAt < 1 || nAt == strBare.size() - 1 || strBare.indexOf(u'@') != nAt)
        return false;
    for (const QChar ch : strBare) {
        if (ch.unicode() <= 0x20 || ch.unicode() == 0x7F || ch.isSpace() ||
            QStringView(u"<>()[],;:\\\"").contains(ch))
            return false;
    }
    return true;
}

namespace {

bool HasPlausibleDomain(const QString& strBare)
{
    const QString strDomain = strBare.mid(strBare.lastIndexOf(u'@') + 1);
    const QStringList labels = strDomain.split(u'.');
    return labels.size() >= 2 &&
           std::none_of(labels.cbegin(), labels.cend(),
                        [](const QString& strLabel) { return strLabel.isEmpty(); });
}

} // namespace

bool CMailAddress::IsPlausible(const QString& strField)
{
    bool bAny = false;
    for (const QString& strPart : strField.split(u';')) {
        if (strPart.trimmed().isEmpty())
            continue; // the transport passes over empty parts too
        const QString strBare = Bare(strPart);
        if (!IsValid(strBare) || !HasPlausibleDomain(strBare))
            return false;
        bAny = true;
    }
    return bAny;
}
