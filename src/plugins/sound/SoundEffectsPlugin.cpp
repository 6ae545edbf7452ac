// The sound plugin: CSoundEffects behind the typed interface the program loads it by.
#include "platform/SoundPlugin.h"
#include "plugins/sound/SoundEffects.h"

#include <QObject>

class CSoundEffectsPlugin : public QObject, public CSoundPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KIVVO_SOUND_PLUGIN_IID)
    Q_INTERFACES(CSoundPlugin)

public:
    std::unique_ptr<CSoundPlayer> CreatePlayer() override
    {
        return std::make_unique<CSoundEffects>();
    }
};

#include "SoundEffectsPlugin.moc"
