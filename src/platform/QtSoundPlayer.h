#pragma once

#include "SoundPlayer.h"

#include <QHash>
#include <QStringList>

class QSoundEffect;

// Plays the program's .wav files through Qt Multimedia, found by name beside the program
// or in its installed share folder. Returns at once; a missing file or a machine without
// audio is silently ignored.
class CQtSoundPlayer : public CSoundPlayer
{
public:
    CQtSoundPlayer();
    ~CQtSoundPlayer() override;

    void Play(const QString& strFile) override;

    // Where a sound of that name lies; empty when it is nowhere.
    QString Locate(const QString& strFile) const;

private:
    QStringList m_folders;
    QHash<QString, QSoundEffect*> m_effects;
};
