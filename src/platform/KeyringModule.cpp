// The entry points of the keyring module: the keyring and its library are loaded at the first
// use of the password (CLazyKeyring), not at start.
#include "Keyring.h"

extern "C" {

int KivvoKeyringRead(QString* pPassword, QString* pError)
{
    return static_cast<int>(CKeyring::Read(*pPassword, *pError));
}

int KivvoKeyringWrite(const QString* pPassword, QString* pError)
{
    return static_cast<int>(CKeyring::Write(*pPassword, *pError));
}

int KivvoKeyringRemove(QString* pError)
{
    return static_cast<int>(CKeyring::Remove(*pError));
}

void KivvoKeyringSetWaitNotice(void (*pfnNotice)(bool))
{
    CKeyring::SetWaitNotice(pfnNotice ? CKeyring::FWaitNotice(pfnNotice) : CKeyring::FWaitNotice());
}

} // extern "C"
