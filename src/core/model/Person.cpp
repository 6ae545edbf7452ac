#include "model/Person.h"

#include "platform/Archive.h"

CPerson::CPerson(const QString& strName, const QString& strAddress, const QString& strSuggestions)
    : CListItem(strName), m_strAddress(strAddress), m_strSuggestions(strSuggestions)
{
}

void CPerson::Store(CArchive& ar) const
{
    if (!ar.TakeEntry())
        return;
    ar.WriteInt(TAG_PERSON);
    ar.WriteString(m_strName);
    ar.WriteString(m_strAddress);
    ar.WriteString(m_strSuggestions);
    ar.WriteString(m_strGiftTo);
}

void CPerson::Load(CArchive& ar)
{
    m_strName = ar.ReadString();
    m_strAddress = ar.ReadString();
    m_strSuggestions = ar.ReadString();
    m_strGiftTo = ar.ReadString();
}

void CPerson::CopyFrom(const CPerson& person)
{
    m_strName = person.m_strName;
    m_strAddress = person.m_strAddress;
    m_strSuggestions = person.m_strSuggestions;
    m_role = person.m_role;
}

QStringList CPerson::GiftsTo() const
{
    if (m_strGiftTo.isEmpty())
        return {};
    return QStringList{m_strGiftTo} + m_moreGiftTo;
}

void CPerson::SetGiftsTo(const QStringList& giftsTo)
{
    m_strGiftTo = giftsTo.value(0);
    m_moreGiftTo = giftsTo.mid(1);
}

bool CPerson::RenameRecipient(const QString& strOld, const QString& strNew)
{
    bool bRenamed = false;
    if (m_strGiftTo == strOld)
        m_strGiftTo = strNew, bRenamed = true;
    for (QString& strGiftTo : m_moreGiftTo) {
        if (strGiftTo == strOld)
            strGiftTo = strNew, bRenamed = true;
    }
    // He was told the person, not the name: the record follows the name.
    if (m_told.m_strGiftTo == strOld)
        m_told.m_strGiftTo = strNew;
    for (QString& strTold : m_told.m_moreGiftTo) {
        if (strTold == strOld)
            strTold = strNew;
    }
    return bRenamed;
}

void CPerson::Tell(CTold::EHow how)
{
    // Told another recipient than before: only this way counts now.
    if (MustBeToldAgain())
        m_told = {m_strGiftTo, m_moreGiftTo, 0, {}};
    m_told.m_nHow |= how;
    m_told.m_when = QDateTime::currentDateTime();
}
