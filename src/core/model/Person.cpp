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
}

void CPerson::Tell(CTold::EHow how)
{
    // Told another recipient than before: only this way counts now.
    if (m_told.m_strGiftTo != m_strGiftTo)
        m_told = {m_strGiftTo, 0, {}};
    m_told.m_nHow |= how;
    m_told.m_when = QDateTime::currentDateTime();
}
