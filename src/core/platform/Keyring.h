#pragma once

#include <QString>

#include <functional>

// The mail password in the desktop's keyring (Secret Service on GNOME and others, KWallet on
// KDE), under the program's name. Without a keyring the calls fail with a reason, and the
// caller keeps the password elsewhere. Every call is bounded: a keyring (or a session bus)
// that does not answer within a few seconds counts as none. Only while the keyring shows its
// unlock or new-keyring prompt does a call wait longer, for the user, and the wait notice
// says so meanwhile.
class CKeyring
{
public:
    enum class EStatus
    {
        Ok,
        NotFound,    // the keyring runs but holds no password for the program
        Unavailable, // no keyring
        Refused,     // a keyring runs but would not do it (locked and not unlocked, denied)
        TimedOut,    // it did not answer in time; the call was given up
    };

    // A keyring that answers at all does so at once; a prompt waits for the user.
    static constexpr int kAnswerMs = 5000;
    static constexpr int kPromptMs = 5 * 60 * 1000;

    // Told true when a call starts waiting for the keyring's prompt, false when it ends.
    using FWaitNotice = std::function<void(bool bWaiting)>;
    static void SetWaitNotice(FWaitNotice notice);

    static EStatus Read(QString& strPassword, QString& strError);
    static EStatus Write(const QString& strPassword, QString& strError);
    // Deleting what is not there counts as done.
    static EStatus Remove(QString& strError);
};
