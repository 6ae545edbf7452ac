#include "LazyKeyring.h"

#include "res/Resource.h"
#include "res/StringTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace {

constexpr char kModule[] = "kivvokeyring";

struct SModule
{
    int (*m_fnRead)(QString*, QString*) = nullptr;
    int (*m_fnWrite)(const QString*, QString*) = nullptr;
    int (*m_fnRemove)(QString*) = nullptr;
    void (*m_fnSetWaitNotice)(void (*)(bool)) = nullptr;
    QString m_strError; // why the module could not be used
};

// The notice lives here, so that the module needs only a plain function to call.
CKeyring::FWaitNotice& WaitNotice()
{
    static CKeyring::FWaitNotice notice;
    return notice;
}

void CallWaitNotice(bool bWaiting)
{
    if (WaitNotice())
        WaitNotice()(bWaiting);
}

// Beside the program, or where it is installed; loaded once and for the life of the process.
SModule LoadModule()
{
    SModule module;
    const QString strProgram = QCoreApplication::applicationDirPath();
    QString strReason;
    for (const QString& strFolder : {strProgram, strProgram + QStringLiteral("/../lib/kivvo/plugins")}) {
        QLibrary library(QDir(strFolder).filePath(QString::fromLatin1(kModule)));
        if (!library.load()) {
            if (strReason.isEmpty())
                strReason = library.errorString();
            continue;
        }
        module.m_fnRead = reinterpret_cast<decltype(module.m_fnRead)>(
            library.resolve("KivvoKeyringRead"));
        module.m_fnWrite = reinterpret_cast<decltype(module.m_fnWrite)>(
            library.resolve("KivvoKeyringWrite"));
        module.m_fnRemove = reinterpret_cast<decltype(module.m_fnRemove)>(
            library.resolve("KivvoKeyringRemove"));
        module.m_fnSetWaitNotice = reinterpret_cast<decltype(module.m_fnSetWaitNotice)>(
            library.resolve("KivvoKeyringSetWaitNotice"));
        if (module.m_fnRead && module.m_fnWrite && module.m_fnRemove &&
            module.m_fnSetWaitNotice) {
            module.m_fnSetWaitNotice(CallWaitNotice);
            return module;
        }
        strReason = library.errorString();
        module = SModule();
    }
    module.m_strError = CStringTable::Format(IDS_KEYRING_MODULE_MISSING, {kModule, strReason});
    return module;
}

const SModule& Module()
{
    static const SModule module = LoadModule();
    return module;
}

} // namespace

CKeyring::EStatus CLazyKeyring::Read(QString& strPassword, QString& strError)
{
    const SModule& module = Module();
    if (!module.m_fnRead) {
        strError = module.m_strError;
        return CKeyring::EStatus::Unavailable;
    }
    return static_cast<CKeyring::EStatus>(module.m_fnRead(&strPassword, &strError));
}

CKeyring::EStatus CLazyKeyring::Write(const QString& strPassword, QString& strError)
{
    const SModule& module = Module();
    if (!module.m_fnWrite) {
        strError = module.m_strError;
        return CKeyring::EStatus::Unavailable;
    }
    return static_cast<CKeyring::EStatus>(module.m_fnWrite(&strPassword, &strError));
}

CKeyring::EStatus CLazyKeyring::Remove(QString& strError)
{
    const SModule& module = Module();
    if (!module.m_fnRemove) {
        strError = module.m_strError;
        return CKeyring::EStatus::Unavailable;
    }
    return static_cast<CKeyring::EStatus>(module.m_fnRemove(&strError));
}

void CLazyKeyring::SetWaitNotice(CKeyring::FWaitNotice notice)
{
    WaitNotice() = std::move(notice);
}
