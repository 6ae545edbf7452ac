#include "app/ContactsWatcher.h"

#include "app/KivvoApp.h"

#include <QDateTime>
#include <QDir>

namespace {

constexpr int kSettleMs = 300;

} // namespace

CContactsWatcher::CContactsWatcher(CKivvoApp* pApp) : m_pApp(pApp)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &CContactsWatcher::OnSettled);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this,
            &CContactsWatcher::OnFolderChanged);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &CContactsWatcher::OnFolderChanged);
}

void CContactsWatcher::Start()
{
    if (m_bStarted)
        return;
    m_bStarted = true;
    const QString strFolder = QDir(m_pApp->m_strFolder).absolutePath();
    if (QFileInfo(strFolder).isDir())
        m_watcher.addPath(strFolder);
    m_strState = FilesState();
}

QString CContactsWatcher::FilesState()
{
    // The loader's choice of files: links too, so that one whose file appears is seen.
    const QFileInfoList files = CKivvoApp::AddressBookFiles(m_pApp->m_strFolder);
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
    m_pApp->ReloadContacts();
}
