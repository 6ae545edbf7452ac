#pragma once

#include <QString>

// Plays short sounds given by file name alone. Each front end supplies its own; playing
// never waits for the sound and never reports a missing file or a machine without audio.
class CSoundPlayer
{
public:
    virtual ~CSoundPlayer() = default;
    virtual void Play(const QString& strFile) = 0;
};
