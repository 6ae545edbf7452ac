#pragma once

#include "platform/MessageHandler.h"
#include "platform/SoundPlayer.h"

#include <QRandomGenerator>
#include <QVariant>

#include <functional>
#include <initializer_list>

// Process-wide services reached through this layer, so that each front end (and each test)
// can supply its own: the message boxes of the desktop, the tick count, the seed of each
// drawing. The core itself never shows a box: it returns results.
class CFramework
{
public:
    // Not owned. Without a handler, questions are answered No and other boxes are dropped.
    static void SetMessageHandler(CMessageHandler* pHandler);
    static CMessageHandler* GetMessageHandler();

    // Not owned. Without a player, sounds are silently skipped.
    static void SetSoundPlayer(CSoundPlayer* pPlayer);
    static void PlaySound(const QString& strFile);

    // Milliseconds since an arbitrary start; replaceable for tests.
    static quint32 GetTickCount();
    static void SetTickSource(std::function<quint32()> tickSource);

    // A generator for one drawing, seeded from the operating system's entropy so that nobody
    // can work out the result from the time it was made. A test may set a seed source
    // instead, to make drawings repeatable; an empty function restores the entropy.
    static QRandomGenerator NewRandomGenerator();
    static void SetSeedSource(std::function<quint32()> seedSource);
};
