#pragma once

#include "platform/SoundPlayer.h"

#include <QHash>

class QSoundEffect;

// Plays .wav files through Qt Multimedia, given by full path.
class CSoundEffects : public CSoundPlayer
{
public:
    CSoundEffects() = default;
    ~CSoundEffects() override;
    CSoundEffects(const CSoundEffects&) = delete;
    CSoundEffects& operator=(const CSoundEffects&) = delete;

    void Play(const QString& strPath) override;

private:
    QHash<QString, QSoundEffect*> m_effects;
};
