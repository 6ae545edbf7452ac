// The drawing members of CNameList: all or nothing, and never wrong.
#include "Drawing.h"

#include "model/NameList.h"
#include "platform/Framework.h"
#include "res/Resource.h"

int CNameList::DrawNames(const CNameList* pPrevious)
{
    QRandomGenerator random = CFramework::NewRandomGenerator();
    QString strWhy;
    if (CDrawing(*this, pPrevious).Run(random, strWhy))
        return 1;
    CFramework::MessageBox(IDS_DRAWING_ERROR, EBoxKind::OkExclamation, {strWhy});
    return 0;
}

bool CNameList::CanBeDrawn(const CNameList* pPrevious, QString& strWhy) const
{
    QRandomGenerator random = CFramework::NewRandomGenerator();
    return CDrawing(*this, pPrevious).IsPossible(random, strWhy);
}

bool CNameList::CheckDrawing(const CNameList* pPrevious, QString& strWhy) const
{
    return CDrawing(*this, pPrevious).CheckStored(strWhy);
}
