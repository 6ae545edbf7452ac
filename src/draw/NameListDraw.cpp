// The drawing members of CNameList: greedy, all or nothing.
#include "NameHat.h"

#include "model/NameList.h"
#include "platform/Framework.h"
#include "res/Resource.h"

int CNameList::DrawNames(const CNameList* pPrevious)
{
    CFramework::SeedRandom(CFramework::GetTickCount());
    ResetDrawing();

    bool bFailed = false;
    // Grouped persons first: they have the fewest candidates.
    for (CListItem* pItem = m_pFirst; pItem && !bFailed; pItem = pItem->m_pNext) {
        if (!pItem->IsGroup())
            continue;
        auto* pGroup = static_cast<CGroup*>(pItem);
        for (CPerson* pPerson = pGroup->m_pFirst; pPerson && !bFailed; pPerson = pPerson->Next()) {
            bFailed = !DrawNameFor(pPerson, pPrevious, pGroup);
        }
    }
    for (CListItem* pItem = m_pFirst; pItem && !bFailed; pItem = pItem->m_pNext) {
        if (pItem->IsGroup())
            continue;
        auto* pPerson = static_cast<CPerson*>(pItem);
        bFailed = !DrawNameFor(pPerson, pPrevious, nullptr);
    }
    if (!bFailed)
        return 1;

    ResetDrawing();
    CFramework::MessageBox(IDS_DRAWING_ERROR, EBoxKind::OkExclamation);
    return 0;
}

bool CNameList::DrawNameFor(CPerson* pPerson, const CNameList* pPrevious, const CGroup* pOwnGroup)
{
    QString strAvoid;
    if (pPrevious)
        pPrevious->FindGiftTo(pPerson->m_strName, strAvoid);

    // An unknown previous recipient leaves nobody to avoid; testing an empty name would
    // keep every person with an empty name out of every hat.
    const auto passes = [&](const CPerson* pCandidate) {
        return pCandidate != pPerson && !pCandidate->m_bPicked &&
               (strAvoid.isEmpty() || pCandidate->m_strName != strAvoid);
    };

    CNameHat hat;
    for (CListItem* pItem = m_pFirst; pItem; pItem = pItem->m_pNext) {
        if (!pItem->IsGroup()) {
            if (passes(static_cast<CPerson*>(pItem)))
                hat.Add(static_cast<CPerson*>(pItem));
            continue;
        }
        if (pItem == pOwnGroup)
            continue;
        for (CPerson* pCandidate = static_cast<CGroup*>(pItem)->m_pFirst; pCandidate;
             pCandidate = pCandidate->Next()) {
            if (passes(pCandidate))
                hat.Add(pCandidate);
        }
    }

    CPerson* pDrawn = hat.DrawOne();
    if (pDrawn) {
        pPerson->m_strGiftTo = pDrawn->m_strName;
    } else {
        CFramework::MessageBox(IDS_DRAWING_ERROR, EBoxKind::OkPlain);
        pPerson->m_strGiftTo.clear();
    }
    hat.RemoveAll();
    // Success is a pull from the hat, not a non-empty name: a person may be named "".
    return pDrawn != nullptr;
}
