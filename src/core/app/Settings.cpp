#include "app/Settings.h"

#include "notify/MailAddress.h"
#include "platform/Archive.h"
#include "text/Resource.h"
#include "text/StringTable.h"

#include <QUrl>

#include <algorithm>

namespace {

void Exchange(CArchive& ar, QString& str)
{
    if (ar.IsStoring()) {
        ar.WriteString(str);
        return;
    }
    const QString strRead = ar.ReadString();
    if (ar.IsOk())
        str = strRead;
}

void Exchange(CArchive& ar, qint32& n)
{
    if (ar.IsStoring()) {
        ar.WriteInt(n);
        return;
    }
    const qint32 nRead = ar.ReadInt();
    if (ar.IsOk())
        n = nRead;
}

// The word of flags after the reserved fields.
constexpr qint32 kRequireTlsFlag = 1;

// The stand-ins earlier versions wrote for values never set.
const QString kOldServer = QStringLiteral("smtp.example.com");
const QString kOldFrom = QStringLiteral("kivvo@example.com");
const QString kOldUser = QStringLiteral("kivvo");
const QString kOldFooter = QStringLiteral("kivvo.example.com");

constexpr qsizetype kMaxHostLength = 253;
constexpr qsizetype kMaxLabelLength = 63;
constexpr int kMaxPort = 65535;

bool IsHostLabel(const QString& strLabel)
{
    if (strLabel.isEmpty() || strLabel.size() > kMaxLabelLength || strLabel.startsWith(u'-') ||
        strLabel.endsWith(u'-'))
        return false;
    return std::all_of(strLabel.cbegin(), strLabel.cend(), [](QChar ch) {
        return (ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z') ||
               (ch >= u'0' && ch <= u'9') || ch == u'-';
    });
}

bool IsDigit(QChar ch)
{
    return ch >= u'0' && ch <= u'9';
}

bool IsHexDigit(QChar ch)
{
    return IsDigit(ch) || (ch >= u'a' && ch <= u'f') || (ch >= u'A' && ch <= u'F');
}

// A network interface's name or number, as the zone of a link-local address.
bool IsZoneCharacter(QChar ch)
{
    return IsDigit(ch) || (ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z') || ch == u'-' ||
           ch == u'_' || ch == u'.';
}

// 0 to 255 in decimal, without leading zeros.
bool IsDecimalOctet(QStringView number)
{
    if (number.isEmpty() || number.size() > 3 || (number.size() > 1 && number.front() == u'0'))
        return false;
    return std::all_of(number.cbegin(), number.cend(), IsDigit) && number.toUInt() <= 255;
}

bool IsDottedQuad(QStringView text)
{
    const QList<QStringView> numbers = text.split(u'.');
    return numbers.size() == 4 && std::all_of(numbers.cbegin(), numbers.cend(), IsDecimalOctet);
}

// Adds up the 16-bit groups of one side of an IPv6 address; false when one is malformed. Only
// the last group of the address may be an IPv4 address, which counts for two.
bool CountGroups(QStringView text, bool bEndsAddress, int& nGroups)
{
    if (text.isEmpty())
        return true;
    const QList<QStringView> groups = text.split(u':');
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const QStringView group = groups.at(i);
        if (bEndsAddress && i == groups.size() - 1 && group.contains(u'.')) {
            if (!IsDottedQuad(group))
                return false;
            nGroups += 2;
        } else if (group.isEmpty() || group.size() > 4 ||
                   !std::all_of(group.cbegin(), group.cend(), IsHexDigit)) {
            return false;
        } else {
            ++nGroups;
        }
    }
    return true;
}

// An IPv6 address as text: eight groups of up to four hex digits, one run of zero groups
// written as "::", the last two groups possibly as an IPv4 address, and a zone such as "%eth0"
// after it. IPv4 addresses need no check of their own: they pass as names.
bool IsIpv6Address(QStringView text)
{
    if (const qsizetype nZone = text.indexOf(u'%'); nZone >= 0) {
        const QStringView zone = text.mid(nZone + 1);
        if (zone.isEmpty() || !std::all_of(zone.cbegin(), zone.cend(), IsZoneCharacter))
            return false;
        text = text.first(nZone);
    }
    int nGroups = 0;
    const qsizetype nGap = text.indexOf(u"::");
    if (nGap < 0)
        return CountGroups(text, true, nGroups) && nGroups == 8;
    // A second "::", or a ":::", leaves an empty group behind.
    return CountGroups(text.first(nGap), false, nGroups) &&
           CountGroups(text.mid(nGap + 2), true, nGroups) && nGroups < 8;
}

// A DNS name (international ones in their ASCII form) or an IP address, IPv6 in brackets or
// without.
bool IsHostName(const QString& strText)
{
    QString strHost = strText.trimmed();
    if (strHost.startsWith(u'[') && strHost.endsWith(u']'))
        strHost = strHost.mid(1, strHost.size() - 2);
    if (IsIpv6Address(strHost))
        return true;
    if (strHost.endsWith(u'.'))
        strHost.chop(1); // the root label
    const QString strAce = QString::fromLatin1(QUrl::toAce(strHost));
    if (strAce.isEmpty() || strAce.size() > kMaxHostLength)
        return false;
    const QStringList labels = strAce.split(u'.');
    return std::all_of(labels.cbegin(), labels.cend(), IsHostLabel);
}

// One address, bare or after a display name; no list of several.
bool IsSender(const QString& strText)
{
    const QString strBare = CMailAddress::Bare(strText);
    const qsizetype nOpen = strText.lastIndexOf(u'<');
    const QString strName = nOpen < 0 ? QString() : strText.left(nOpen);
    const bool bControl = std::any_of(strText.cbegin(), strText.cend(), [](QChar ch) {
        return ch.unicode() < 0x20 || ch.unicode() == 0x7F;
    });
    return !bControl && CMailAddress::IsValid(strBare) && !strName.contains(u'@');
}

} // namespace

const QString CSettings::kOldPassword = QStringLiteral("password");

QList<CSettingsProblem> CSettings::Problems() const
{
    QList<CSettingsProblem> problems;
    if (!IsHostName(m_strServer))
        problems.append({ESettingsField::Server, CStringTable::Load(IDS_SETTINGS_BAD_SERVER)});
    if (m_nPort < 1 || m_nPort > kMaxPort)
        problems.append({ESettingsField::Port, CStringTable::Load(IDS_SETTINGS_BAD_PORT)});
    if (!IsSender(m_strFrom))
        problems.append({ESettingsField::From, CStringTable::Load(IDS_SETTINGS_BAD_FROM)});
    return problems;
}

void CSettings::SetDefaults()
{
    // Nothing stands in for what the user has not set: mail is not set up until he has.
    m_strServer.clear();
    m_nPort = 25;
    m_strFrom.clear();
    m_strUser.clear();
    m_strPassword.clear();
    m_nReserved1 = 0;
    m_nReserved2 = 2;
    m_strFooter.clear();
    m_bRequireTls = false;
}

bool CSettings::IsMailSetUp() const
{
    return Problems().isEmpty();
}

void CSettings::ForgetStandIns()
{
    // Earlier versions wrote stand-ins where nothing was set. The example.com names can never
    // be real. "kivvo" goes only together with the stand-in password or none at all, since it
    // could be somebody's real account name.
    if (m_strServer == kOldServer)
        m_strServer.clear();
    if (m_strFrom == kOldFrom)
        m_strFrom.clear();
    if (m_strFooter == kOldFooter)
        m_strFooter.clear();
    if (m_strUser == kOldUser && (m_strPassword.isEmpty() || m_strPassword == kOldPassword))
        m_strUser.clear();
    if (m_strPassword == kOldPassword)
        m_strPassword.clear();
}

void CSettings::Serialize(CArchive& ar)
{
    Exchange(ar, m_strServer);
    Exchange(ar, m_nPort);
    Exchange(ar, m_strFrom);
    Exchange(ar, m_strUser);
    Exchange(ar, m_strPassword);
    Exchange(ar, m_nReserved1);
    Exchange(ar, m_nReserved2);
    Exchange(ar, m_strFooter);
    for (QString* pReserved : {&m_strReserved1, &m_strReserved2, &m_strReserved3, &m_strReserved4,
                               &m_strReserved5, &m_strReserved6})
        Exchange(ar, *pReserved);
    if (ar.IsStoring()) {
        if (m_bRequireTls)
            ar.WriteInt(kRequireTlsFlag);
    } else if (!ar.AtEnd()) {
        const qint32 nFlags = ar.ReadInt();
        if (ar.IsOk())
            m_bRequireTls = (nFlags & kRequireTlsFlag) != 0;
    }
}
