#pragma once

#include "MessageHandler.h"
#include "SoundPlayer.h"

#include <QVariant>

#include <functional>
#include <initializer_list>

// Process-wide services the core reaches through this layer, so that each front end
// (and each test) can supply its own: message boxes, the tick count, the random source.
class CFramework
{
public:
    // Not owned. Without a handler, questions are answered No and other boxes are dropped.
    static void SetMessageHandler(CMessageHandler* pHandler);
    static CMessageHandler* GetMessageHandler();

    // Loads string nId, formats it with the arguments and shows it; returns the button.
    static int MessageBox(int nId, EBoxKind kind, std::initializer_list<QVariant> args = {});

    // Not owned. Without a player, sounds are silently skipped.
    static void SetSoundPlayer(CSoundPlayer* pPlayer);
    static void PlaySound(const QString& strFile);

    // Milliseconds since an arbitrary start; replaceable so tests can fix random seeds.
    static quint32 GetTickCount();
    static void SetTickSource(std::function<quint32()> tickSource);

    // The runtime library's pseudo-random generator: seeded explicitly, yields values >= 0.
    static void SeedRandom(quint32 nSeed);
    static int Random();
};
