#include "Settings.h"

#include "platform/Archive.h"

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

} // namespace

void CSettings::SetDefaults()
{
    m_strServer = QStringLiteral("smtp.example.com");
    m_nPort = 25;
    m_strFrom = QStringLiteral("kivvo@example.com");
    m_strUser = QStringLiteral("kivvo");
    m_strPassword = QStringLiteral("password");
    m_nReserved1 = 0;
    m_nReserved2 = 2;
    m_strFooter = QStringLiteral("kivvo.example.com");
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
