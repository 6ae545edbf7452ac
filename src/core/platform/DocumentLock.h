#pragma once

#include <QString>

#include <memory>

class QLockFile;

// The lock file FILE.lock beside a document, held by every program that reads the document,
// changes it and writes it back, so that none of them loses another's change. A lock left by
// a process that has ended is taken over at once; a lock file that is empty or unreadable
// (its writer failed half-way, on a full disk for instance) is taken over once it is a few
// seconds old, since a writer fills it at once.
class CDocumentLock
{
public:
    enum class EResult
    {
        Locked,
        Busy,  // another program holds it for the whole wait
        Error, // the lock file cannot be made; the reason says why
    };

    explicit CDocumentLock(const QString& strDocument);
    ~CDocumentLock();
    CDocumentLock(const CDocumentLock&) = delete;
    CDocumentLock& operator=(const CDocumentLock&) = delete;

    // Waits up to nWaitMs for the lock; on Error strReason says why.
    EResult Lock(int nWaitMs, QString& strReason);
    void Unlock();
    QString LockPath() const { return m_strLock; }

    // How long a writer may leave its lock file empty before it counts as abandoned.
    static constexpr int kEmptyLockStaleMs = 5000;
    // How long a writer waits for another one before giving up.
    static constexpr int kWaitMs = 10000;

private:
    void RemoveIfAbandoned() const;
    QString Problem() const;

    QString m_strLock;
    std::unique_ptr<QLockFile> m_pLock;
};
