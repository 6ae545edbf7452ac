#pragma once

#include <QString>

// The mail password in the desktop's keyring (Secret Service on GNOME and others, KWallet on
// KDE), under the program's name. Each call waits for the keyring's answer. Without a keyring
// the calls fail with a reason, and the caller keeps the password elsewhere.
class CKeyring
{
public:
    enum class EStatus
    {
        Ok,
        NotFound,    // the keyring runs but holds no password for the program
        Unavailable, // no keyring, or it refused
    };

    static EStatus Read(QString& strPassword, QString& strError);
    static bool Write(const QString& strPassword, QString& strError);
    // Deleting what is not there counts as done.
    static bool Remove(QString& strError);
};
