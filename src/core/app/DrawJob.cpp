#include "app/DrawJob.h"

#include "model/NameList.h"

#include <QThread>

namespace {

// What a drawing reads of a list: its persons and groups, exclusions and drawn names.
std::unique_ptr<CNameList> CopyOf(const CNameList& list)
{
    auto pCopy = std::make_unique<CNameList>();
    pCopy->CopyForNextDrawing(list);
    // The next drawing starts without drawn names; an earlier one is read for them.
    std::vector<CPerson*> persons;
    pCopy->ForEachPerson([&persons](CPerson* pPerson) { persons.push_back(pPerson); });
    size_t nPerson = 0;
    list.ForEachPerson([&](const CPerson* pPerson) {
        persons[nPerson]->SetGiftsTo(pPerson->GiftsTo());
        persons[nPerson++]->m_told = pPerson->m_told; // what a repair keeps
    });
    return pCopy;
}

} // namespace

std::shared_ptr<CDrawInput> CDrawInput::Of(const CNameList& list,
                                           const std::vector<const CNameList*>& history,
                                           const CDrawRules& rules)
{
    auto pInput = std::make_shared<CDrawInput>();
    pInput->m_pList = CopyOf(list);
    for (const CNameList* pEarlier : history)
        pInput->m_history.push_back(CopyOf(*pEarlier));
    pInput->m_rules = rules;
    return pInput;
}

CDrawOutput CDrawOutput::Run(CDrawInput& input)
{
    std::vector<const CNameList*> history;
    for (const auto& pEarlier : input.m_history)
        history.push_back(pEarlier.get());
    CDrawOutput output;
    output.m_bDrawn = input.m_bRepair
                          ? input.m_pList->RepairDrawing(input.m_rules, history, output.m_strWhy,
                                                         output.m_nChanged)
                          : input.m_pList->DrawNames(input.m_rules, history, output.m_strWhy);
    if (output.m_bDrawn)
        input.m_pList->ForEachPerson(
            [&output](const CPerson* pPerson) { output.m_giftTo.append(pPerson->GiftsTo()); });
    return output;
}

CDrawJob::CDrawJob(std::shared_ptr<CDrawInput> pInput, QObject* pParent)
    : QObject(pParent), m_pOutput(std::make_shared<CDrawOutput>())
{
    // The worker has its copies and its output of its own: it never touches the document.
    m_pThread =
        QThread::create([pInput, pOutput = m_pOutput] { *pOutput = CDrawOutput::Run(*pInput); });
    connect(m_pThread, &QThread::finished, this, &CDrawJob::Ended, Qt::QueuedConnection);
    m_pThread->start();
}

CDrawJob::~CDrawJob()
{
    m_pThread->wait();
    delete m_pThread;
}
