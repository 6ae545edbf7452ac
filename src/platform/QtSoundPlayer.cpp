#include "QtSoundPlayer.h"

#include "ModuleLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

constexpr char kModule[] = "kivvosound";
constexpr char kEntryPoint[] = "KivvoCreateSoundEffects";

using FnCreate = CSoundPlayer* (*)();

} // namespace

CQtSoundPlayer::CQtSoundPlayer()
{
    const QString strProgram = QCoreApplication::applicationDirPath();
    m_folders = {strProgram, strProgram + QStringLiteral("/sounds"),
                 strProgram + QStringLiteral("/../share/kivvo/sounds")};
}

// The module stays loaded to the end of the process: its effects end in the backend's
// destructor, and Qt Multimedia keeps threads of its own.
CQtSoundPlayer::~CQtSoundPlayer() = default;

QString CQtSoundPlayer::Locate(const QString& strFile) const
{
    for (const QString& strFolder : m_folders) {
        const QFileInfo file(QDir(strFolder).filePath(strFile));
        if (file.isFile())
            return file.canonicalFilePath();
    }
    return {};
}

CSoundPlayer* CQtSoundPlayer::Backend()
{
    if (m_bBackendTried)
        return m_pBackend.get();
    m_bBackendTried = true;
    // Without the module the program is silent, as on a machine without sound.
    QFunctionPointer fnCreate = nullptr;
    QString strReason;
    if (CModuleLoader::Load(kModule, {{kEntryPoint, &fnCreate}}, strReason))
        m_pBackend.reset(reinterpret_cast<FnCreate>(fnCreate)());
    return m_pBackend.get();
}

void CQtSoundPlayer::Play(const QString& strFile)
{
    const QString strPath = Locate(strFile);
    if (strPath.isEmpty())
        return;
    if (CSoundPlayer* pBackend = Backend())
        pBackend->Play(strPath);
}
