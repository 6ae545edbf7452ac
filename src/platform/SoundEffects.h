#pragma once

#include "SoundPlayer.h"

#include <QHash>

class QSoundEffect;

// Plays .wav files through Qt Multimedia, given by full path. It lives in a module of its own
// that the program loads at the first sound, so that the audio libraries are not loaded at
// start; KivvoCreateSoundEffects() makes one.
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

// The module's entry point, looked up by name.
extern "C" CSoundPlayer* KivvoCreateSoundEffects();
