#pragma once

#include "platform/Framework.h"

#include <QStringList>

// Installs itself as the sound player for its lifetime and records every sound asked for.
class CRecordingSoundPlayer : public CSoundPlayer
{
public:
    CRecordingSoundPlayer() { CFramework::SetSoundPlayer(this); }
    ~CRecordingSoundPlayer() override { CFramework::SetSoundPlayer(nullptr); }

    void Play(const QString& strFile) override { m_played.append(strFile); }
    // The sounds played since the last call.
    QStringList Take() { return std::exchange(m_played, {}); }

    QStringList m_played;
};
