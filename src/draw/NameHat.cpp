#include "NameHat.h"

#include "model/Person.h"
#include "platform/Framework.h"
#include "res/Resource.h"

void CNameHat::Add(CPerson* pPerson)
{
    auto* pNode = new CNode{pPerson, nullptr};
    if (m_pLast)
        m_pLast->m_pNext = pNode;
    else
        m_pFirst = pNode;
    m_pLast = pNode;
    ++m_nCount;
}

CPerson* CNameHat::DrawOne()
{
    if (m_nCount == 0) {
        CFramework::MessageBox(IDS_DRAW_HAT_ERROR, EBoxKind::OkPlain);
        return nullptr;
    }
    const int nPick = CFramework::Random() % m_nCount;
    CNode* pNode = m_pFirst;
    for (int i = 0; i < nPick; ++i)
        pNode = pNode->m_pNext;
    pNode->m_pPerson->m_bPicked = true;
    return pNode->m_pPerson;
}

void CNameHat::RemoveAll()
{
    while (m_pFirst) {
        CNode* pNext = m_pFirst->m_pNext;
        delete m_pFirst;
        m_pFirst = pNext;
    }
    m_pLast = nullptr;
    m_nCount = 0;
}
