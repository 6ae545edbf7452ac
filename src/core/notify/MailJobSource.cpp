#include "notify/MailJobSource.h"

#include "model/NameList.h"
#include "notify/Base64Lines.h"
#include "text/Resource.h"
#include "text/StringTable.h"

#include <QHash>

CMailJob CMailJob::Test(const QString& strTo)
{
    return {strTo, strTo, strTo, CStringTable::Load(IDS_TEST_MAIL_SUBJECT),
            CStringTable::Load(IDS_TEST_MAIL_BODY)};
}

CMailJobSource::CMailJobSource(QList<CMailJob> jobs) : m_jobs(std::move(jobs)) {}

CMailJobSource::CMailJobSource(const CMailDrawing& drawing, const QList<const CPerson*>& persons)
{
    Take(drawing, persons);
}

CMailJobSource::~CMailJobSource() = default;

QString CMailJobSource::Subject(const CMailDrawing& drawing)
{
    if (!drawing.m_pNewest)
        return QString();
    return CNotificationComposer::Title(*drawing.m_pNewest, drawing.m_language);
}

void CMailJobSource::Take(const CMailDrawing& drawing, const QList<const CPerson*>& persons)
{
    auto pComposer = std::make_unique<CNotificationComposer>(
        drawing.m_pNewest, drawing.m_pPrevious, drawing.m_strFooter, drawing.m_language);
    const QString strSubject = Subject(drawing);
    QList<CMailJob> jobs;
    QList<CNotificationFacts> facts;
    jobs.reserve(persons.size());
    facts.reserve(persons.size());
    for (const CPerson* pPerson : persons) {
        CMailJob job;
        job.m_strName = pPerson->m_strName;
        job.m_strAddressField = pPerson->m_strAddress;
        if (!pPerson->m_strAddress.isEmpty()) {
            job.m_strAddress = drawing.m_resolveAddress
                                   ? drawing.m_resolveAddress(pPerson->m_strAddress)
                                   : pPerson->m_strAddress;
            job.m_strSubject = strSubject;
            facts.append(pComposer->Facts(pPerson));
        } else {
            facts.append(CNotificationFacts());
        }
        jobs.append(std::move(job));
    }
    m_jobs = std::move(jobs);
    m_facts = std::move(facts);
    m_pComposer = std::move(pComposer);
}

void CMailJobSource::EncodeBody(int nIndex, CBase64Lines& body) const
{
    if (m_pComposer)
        m_pComposer->Encode(m_facts.at(nIndex), body);
    else
        body.Append(QStringView(m_jobs.at(nIndex).m_strBody));
}

bool CMailJobSource::Renew(const CMailDrawing& drawing)
{
    if (!m_pComposer)
        return true;
    // The same persons drawing the same names: addresses, suggestions and the footer may
    // have been corrected since, and that is what a retry is for.
    QHash<QString, const CPerson*> byName; // exact name, first person of that name
    if (drawing.m_pNewest)
        drawing.m_pNewest->ForEachPerson([&byName](const CPerson* pPerson) {
            if (!byName.contains(pPerson->m_strName))
                byName.insert(pPerson->m_strName, pPerson);
        });
    QList<const CPerson*> persons;
    persons.reserve(m_jobs.size());
    for (const CMailJob& job : std::as_const(m_jobs)) {
        const CPerson* pPerson = byName.value(job.m_strName);
        if (!pPerson)
            return false;
        persons.append(pPerson);
    }
    Take(drawing, persons);
    return true;
}
