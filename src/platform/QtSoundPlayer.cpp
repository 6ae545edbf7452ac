#include "QtSoundPlayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

CQtSoundPlayer::CQtSoundPlayer()
{
    const QString strProgram = QCoreApplication::applicationDirPath();
    m_folders = {strProgram, strProgram + QStringLiteral("/sounds"),
                 strProgram + QStringLiteral("/../share/kivvo/sounds")};
}

CQtSoundPlayer::~CQtSoundPlayer()
{
    qDeleteAll(m_effects);
}

QString CQtSoundPlayer::Locate(const QString& strFile) const
{
    for (const QString& strFolder : m_folders) {
        const QFileInfo file(QDir(strFolder).filePath(strFile));
        if (file.isFile())
            return file.canonicalFilePath();
    }
    return {};
}

void CQtSoundPlayer::Play(const QString& strFile)
{
    QSoundEffect* pEffect = m_effects.value(strFile);
    if (!pEffect) {
        const QString strPath = Locate(strFile);
        if (strPath.isEmpty())
            return;
        pEffect = new QSoundEffect;
        pEffect->setSource(QUrl::fromLocalFile(strPath));
        m_effects.insert(strFile, pEffect);
    }
    // Without an audio device the effect may claim to play forever: never wait for it.
    pEffect->stop();
    pEffect->play();
}
