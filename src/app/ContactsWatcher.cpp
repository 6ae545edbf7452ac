#include "ContactsWatcher.h"

#include "KivvoApp.h"

#include <QDateTime>
#include <QDir>

#include <chrono>

namespace {

constexpr int kSettleMs = 300;
constexpr int kLoaderPollMs = 100;

} // namespace

CContactsWatcher::CContactsWatcher(CKivvoApp* pApp) : m_pApp(pApp)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &CContactsWatcher::OnSettled);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this,
            &CContactsWatcher::OnFolderChanged);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this,
            &CContactsWatcher::OnFolderChanged);
}

CContactsWatcher::~CContactsWatcher()
{
    m_bStop = true;
    {
        const std::lock_guard lock(m_mutex);
        m_wake.notify_all();
    }
    if (m_reader.joinable())
        m_reader.join();
}

void CContactsWatcher::Start()
{
    if (m_reader.joinable())
        return;
    const QString strFolder = QDir(m_pApp->m_strFolder).absolutePath();
    if (QFileInfo(strFolder).isDir())
        m_watcher.addPath(strFolder);
    m_strState = FilesState();
    m_reader = std::thread([this] { Run(); });
}

QString CContactsWatcher::FilesState()
{
    // The loader's choice of files: links too, so that one whose file appears is seen.
    const QFileInfoList files = QDir(m_pApp->m_strFolder)
                                    .entryInfoList({QStringLiteral("*.vcf")},
                                                   QDir::Files | QDir::System | QDir::Hidden,
                                                   QDir::Name);
    QString strState;
    QStringList paths;
    for (const QFileInfo& file : files) {
        strState += QStringLiteral("%1/%2/%3\n")
                        .arg(file.fileName())
                        .arg(file.size())
                        .arg(file.lastModified().toMSecsSinceEpoch());
        if (file.isFile())
            paths.append(file.absoluteFilePath());
    }
    // A file rewritten in place changes nothing in the folder itself: it is watched too.
    const QStringList watched = m_watcher.files();
    paths.removeIf([&watched](const QString& strPath) { return watched.contains(strPath); });
    if (!paths.isEmpty())
        m_watcher.addPaths(paths);
    return strState;
}

void CContactsWatcher::OnFolderChanged()
{
    m_settle.start();
}

void CContactsWatcher::OnSettled()
{
    const QString strState = FilesState();
    if (strState == m_strState)
        return; // a document or the settings file, not an address book
    m_strState = strState;
    const std::lock_guard lock(m_mutex);
    m_bWanted = true;
    m_wake.notify_all();
}

bool CContactsWatcher::WaitUntilIdle(int nMilliseconds)
{
    std::unique_lock lock(m_mutex);
    return m_wake.wait_for(lock, std::chrono::milliseconds(nMilliseconds),
                           [this] { return !m_bWanted && !m_bBusy; });
}

void CContactsWatcher::Run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_bWanted || m_bStop; });
        if (m_bStop)
            return;
        m_bWanted = false;
        m_bBusy = true;
        lock.unlock();
        // The first reading fills the same records: it must have ended.
        while (!m_pApp->WaitForContacts(kLoaderPollMs)) {
            if (m_bStop)
                return;
        }
        if (!m_bStop && !m_pApp->m_bClosing) {
            m_pApp->EndContacts(CKivvoApp::LoadContactsProc(m_pApp));
            QMetaObject::invokeMethod(this, &CContactsWatcher::Reloaded, Qt::QueuedConnection);
        }
        lock.lock();
        m_bBusy = false;
        m_wake.notify_all();
    }
}
