#include "plugins/sound/SoundEffects.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>

#include <algorithm>

namespace {

constexpr int kLoadWaitMs = 2000;

} // namespace

CSoundEffects::~CSoundEffects()
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

void CSoundEffects::Play(const QString& strPath)
{
    QSoundEffect* pEffect = m_effects.value(strPath);
    if (!pEffect) {
        pEffect = new QSoundEffect;
        pEffect->setSource(QUrl::fromLocalFile(strPath));
        m_effects.insert(strPath, pEffect);
    }
    // Without an audio device the effect may claim to play forever: never wait for it.
    pEffect->stop();
    pEffect->play();
}
