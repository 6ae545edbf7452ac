#include "desktop/QtSoundPlayer.h"

#include "platform/SoundPlugin.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

CQtSoundPlayer::CQtSoundPlayer()
{
    const QString strProgram = QCoreApplication::applicationDirPath();
    m_folders = {strProgram, strProgram + QStringLiteral("/sounds"),
                 strProgram + QStringLiteral("/../share/kivvo/sounds")};
}

CQtSoundPlayer::~CQtSoundPlayer() = default;

QString CQtSoundPlayer::Locate(const QString& strFile) const
{
    for (const QString& strFolder : m_folders) {
        const QFileInfo file(QDir(strFolder).filePath(strFile));
        if (file.isFile())
            return file.canonicalFilePath();
    }
    return {};
}

CSoundPlayer* CQtSoundPlayer::Backend()
{
    if (m_bBackendTried)
        return m_pBackend.get();
    m_bBackendTried = true;
    // Without the plugin the program is silent, as on a machine without sound. The plugin
    // stays loaded: Qt Multimedia keeps threads of its own to the end of the process.
    const QString strProgram = QCoreApplication::applicationDirPath();
    for (const QString& strFolder :
         {strProgram, strProgram + QStringLiteral("/../lib/kivvo/plugins")}) {
        QPluginLoader loader(QDir(strFolder).filePath(QStringLiteral("libkivvosound.so")));
        if (auto* pPlugin = qobject_cast<CSoundPlugin*>(loader.instance())) {
            m_pBackend = pPlugin->CreatePlayer();
            break;
        }
    }
    return m_pBackend.get();
}

void CQtSoundPlayer::Play(const QString& strFile)
{
    const QString strPath = Locate(strFile);
    if (strPath.isEmpty())
        return;
    if (CSoundPlayer* pBackend = Backend())
        pBackend->Play(strPath);
}
