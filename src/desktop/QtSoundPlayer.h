#pragma once

#include "platform/SoundPlayer.h"

#include <QStringList>

#include <memory>

// Plays the program's .wav files, found by name beside the program or in its installed share
// folder. The audio back end comes from the sound plugin, loaded at the first sound. Returns
// at once; a missing file, a missing plugin or a machine without audio is silently ignored.
class CQtSoundPlayer : public CSoundPlayer
{
public:
    CQtSoundPlayer();
    ~CQtSoundPlayer() override;

    void Play(const QString& strFile) override;

    // Where a sound of that name lies; empty when it is nowhere.
    QString Locate(const QString& strFile) const;

    // Whether the audio plugin is loaded (after the first sound played).
    bool IsBackendLoaded() const { return m_pBackend != nullptr; }

private:
    CSoundPlayer* Backend();

    QStringList m_folders;
    std::unique_ptr<CSoundPlayer> m_pBackend;
    bool m_bBackendTried = false;
};
