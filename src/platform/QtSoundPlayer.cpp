#include "QtSoundPlayer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>

#include <algorithm>

namespace {

constexpr int kLoadWaitMs = 2000;

} // namespace

CQtSoundPlayer::CQtSoundPlayer()
{
    const QString strProgram = QCoreApplication::applicationDirPath();
    m_folders = {strProgram, strProgram + QStringLiteral("/sounds"),
                 strProgram + QStringLiteral("/../share/kivvo/sounds")};
}

CQtSoundPlayer::~CQtSoundPlayer()
{
    // Qt's sample cache deadlocks at exit when a sound is still being decoded: let every
    // load finish first (bounded, and loads take milliseconds).
    QDeadlineTimer deadline(kLoadWaitMs);
    const auto loading = [this] {
        return std::any_of(m_effects.cbegin(), m_effects.cend(), [](const QSoundEffect* pEffect) {
            return pEffect->status() == QSoundEffect::Loading;
        });
    };
    while (loading() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
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
