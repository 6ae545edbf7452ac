#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

class CKivvoApp;

// Watches the documents folder for address books (*.vcf) added, changed or removed while the
// program runs, and has them all read again in the background; the cache then holds what
// the files hold now, and the application says so with ContactsChanged().
class CContactsWatcher : public QObject
{
    Q_OBJECT

public:
    explicit CContactsWatcher(CKivvoApp* pApp);

    void Start();

private:
    // Name, size and time of every address book, to tell a real change from any other.
    QString FilesState();
    void OnFolderChanged();
    void OnSettled();

    CKivvoApp* m_pApp;
    QFileSystemWatcher m_watcher;
    QTimer m_settle; // a file being copied in changes many times: read once it rests
    QString m_strState;
    bool m_bStarted = false;
};
