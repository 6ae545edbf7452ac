#pragma once

#include "Keyring.h"

// The keyring's calls, made through a module that is loaded at the first of them: the keyring
// library and what it brings stay out of the programs' start. Without the module every call
// fails with the reason, as it does without a keyring.
class CLazyKeyring
{
public:
    static CKeyring::EStatus Read(QString& strPassword, QString& strError);
    static CKeyring::EStatus Write(const QString& strPassword, QString& strError);
    static CKeyring::EStatus Remove(QString& strError);
    // Handed to the keyring when it is loaded, and at once when it is loaded already.
    static void SetWaitNotice(CKeyring::FWaitNotice notice);
};
