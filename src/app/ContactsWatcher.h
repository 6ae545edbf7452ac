#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

class CKivvoApp;

// Watches the documents folder for address books (*.vcf) added, changed or removed while the
// program runs, and reads them all again on a thread of its own; the cache then holds what
// the files hold now. Reloaded() comes on the thread that owns the watcher.
class CContactsWatcher : public QObject
{
    Q_OBJECT

public:
    explicit CContactsWatcher(CKivvoApp* pApp);
    // Stops the reading under way at its next contact and waits for it.
    ~CContactsWatcher() override;

    void Start();
    // Waits until no reading is asked for or under way; false when one still is after
    // nMilliseconds.
    bool WaitUntilIdle(int nMilliseconds);

signals:
    void Reloaded();

private:
    // Name, size and time of every address book, to tell a real change from any other.
    QString FilesState();
    void OnFolderChanged();
    void OnSettled();
    void Run();

    CKivvoApp* m_pApp;
    QFileSystemWatcher m_watcher;
    QTimer m_settle; // a file being copied in changes many times: read once it rests
    QString m_strState;

    std::thread m_reader;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_bWanted = false; // guarded by m_mutex
    bool m_bBusy = false;   // guarded by m_mutex
    std::atomic<bool> m_bStop{false};
};
