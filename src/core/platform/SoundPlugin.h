#pragma once

#include "platform/SoundPlayer.h"

#include <QtPlugin>

#include <memory>

// What the sound plugin offers: a player of .wav files given by full path. Qt Multimedia and
// the audio libraries it brings live in the plugin, loaded at the first sound: linked into the
// program they cost a fifth of its start-up.
class CSoundPlugin
{
public:
    virtual ~CSoundPlugin() = default;
    virtual std::unique_ptr<CSoundPlayer> CreatePlayer() = 0;
};

#define KIVVO_SOUND_PLUGIN_IID "org.kivvo.SoundPlugin/1.0"
Q_DECLARE_INTERFACE(CSoundPlugin, KIVVO_SOUND_PLUGIN_IID)
