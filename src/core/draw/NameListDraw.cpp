// The drawing members of CNameList: all or nothing, and never wrong. They live with the
// drawing, which reads the list: beside the list they would make each folder include the other.
#include "draw/Drawing.h"

#include "model/NameList.h"
#include "platform/Framework.h"
#include "text/Resource.h"
#include "text/StringTable.h"

namespace {

std::vector<const CNameList*> HistoryOf(const CNameList* pPrevious)
{
    return pPrevious ? std::vector<const CNameList*>{pPrevious} : std::vector<const CNameList*>{};
}

} // namespace

namespace {

// A person without a name can neither be drawn nor be told whom he drew.
bool HasNameless(const CNameList& list, QString& strWhy)
{
    if (!list.FindNameless())
        return false;
    strWhy = CStringTable::Load(IDS_DRAW_NAMELESS);
    return true;
}

} // namespace

bool CNameList::DrawNames(const CDrawRules& rules, const std::vector<const CNameList*>& history,
                          QString& strWhy)
{
    QRandomGenerator random = CFramework::NewRandomGenerator();
    return !HasNameless(*this, strWhy) && CDrawing(*this, history, rules).Run(random, strWhy);
}

bool CNameList::RepairDrawing(const CDrawRules& rules, const std::vector<const CNameList*>& history,
                              QString& strWhy, int& nChanged)
{
    QRandomGenerator random = CFramework::NewRandomGenerator();
    return !HasNameless(*this, strWhy) &&
           CDrawing(*this, history, rules).Repair(random, strWhy, nChanged);
}

int CNameList::DrawNames(const CDrawRules& rules, const std::vector<const CNameList*>& history)
{
    QString strWhy;
    return DrawNames(rules, history, strWhy) ? 1 : 0;
}

int CNameList::DrawNames(const CNameList* pPrevious)
{
    return DrawNames(CDrawRules(), HistoryOf(pPrevious));
}

bool CNameList::CanBeDrawn(const CDrawRules& rules, const std::vector<const CNameList*>& history,
                           QString& strWhy) const
{
    if (HasNameless(*this, strWhy))
        return false;
    QRandomGenerator random = CFramework::NewRandomGenerator();
    return CDrawing(*this, history, rules).IsPossible(random, strWhy);
}

bool CNameList::CanBeDrawn(const CNameList* pPrevious, QString& strWhy) const
{
    return CanBeDrawn(CDrawRules(), HistoryOf(pPrevious), strWhy);
}

bool CNameList::CheckDrawing(const CDrawRules& rules, const std::vector<const CNameList*>& history,
                             QString& strWhy, bool bGiversOnly) const
{
    return CDrawing(*this, history, rules).CheckStored(strWhy, bGiversOnly);
}

bool CNameList::CheckDrawing(const CNameList* pPrevious, QString& strWhy) const
{
    return CheckDrawing(CDrawRules(), HistoryOf(pPrevious), strWhy);
}
