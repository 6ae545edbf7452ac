#include "Settings.h"

#include "notify/MailAddress.h"
#include "platform/Archive.h"
#include "res/Resource.h"
#include "res/StringTable.h"

#include <QHostAddress>
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

// A DNS name (international ones in their ASCII form) or an IP address, IPv6 in brackets or
// without.
bool IsHostName(const QString& strText)
{
    QString strHost = strText.trimmed();
    if (strHost.startsWith(u'[') && strHost.endsWith(u']'))
        strHost = strHost.mid(1, strHost.size() - 2);
    if (QHostAddress address; address.setAddress(strHost))
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
}
