#include "NameHat.h"

#include "model/Person.h"
#include "platform/Framework.h"
#include "res/Resource.h"

CPerson* CNameHat::DrawOne()
{
    if (m_persons.empty()) {
        CFramework::MessageBox(IDS_DRAW_HAT_ERROR, EBoxKind::OkPlain);
        return nullptr;
    }
    const int nPick = CFramework::Random() % GetCount();
    CPerson* pPerson = m_persons[static_cast<size_t>(nPick)];
    pPerson->m_bPicked = true;
    return pPerson;
}
