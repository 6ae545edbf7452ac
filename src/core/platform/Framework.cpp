#include "platform/Framework.h"

#include "text/StringTable.h"

#include <atomic>
#include <chrono>

namespace {

std::atomic<CMessageHandler*> g_pMessageHandler{nullptr};
std::atomic<CSoundPlayer*> g_pSoundPlayer{nullptr};
std::function<quint32()> g_tickSource;
std::function<quint32()> g_seedSource;

quint32 SteadyTicks()
{
    using namespace std::chrono;
    return static_cast<quint32>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

} // namespace

void CFramework::SetMessageHandler(CMessageHandler* pHandler)
{
    g_pMessageHandler.store(pHandler);
}

CMessageHandler* CFramework::GetMessageHandler()
{
    return g_pMessageHandler.load();
}

void CFramework::SetSoundPlayer(CSoundPlayer* pPlayer)
{
    g_pSoundPlayer.store(pPlayer);
}

void CFramework::PlaySound(const QString& strFile)
{
    if (CSoundPlayer* pPlayer = g_pSoundPlayer.load())
        pPlayer->Play(strFile);
}

quint32 CFramework::GetTickCount()
{
    return g_tickSource ? g_tickSource() : SteadyTicks();
}

void CFramework::SetTickSource(std::function<quint32()> tickSource)
{
    g_tickSource = std::move(tickSource);
}

QRandomGenerator CFramework::NewRandomGenerator()
{
    if (g_seedSource)
        return QRandomGenerator(g_seedSource());
    return QRandomGenerator::securelySeeded();
}

void CFramework::SetSeedSource(std::function<quint32()> seedSource)
{
    g_seedSource = std::move(seedSource);
}
