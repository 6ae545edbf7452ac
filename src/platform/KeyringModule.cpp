// The entry points of the keyring module: the keyring and its library are loaded at the first
// use of the password (CLazyKeyring), not at start.
#include "Keyring.h"

extern "C" {

int KivvoKeyringRead(QString* pPassword, QString* pError)
{
    return static_cast<int>(CKeyring::Read(*pPassword, *pError));
}

bool KivvoKeyringWrite(const QString* pPassword, QString* pError)
{
    return CKeyring::Write(*pPassword, *pError);
}

bool KivvoKeyringRemove(QString* pError)
{
    return CKeyring::Remove(*pError);
}

} // extern "C"
