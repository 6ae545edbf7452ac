#include "LazyKeyring.h"

#include "ModuleLoader.h"
#include "res/Resource.h"
#include "res/StringTable.h"

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

// Loaded once and for the life of the process.
SModule LoadModule()
{
    SModule module;
    QFunctionPointer fnRead = nullptr;
    QFunctionPointer fnWrite = nullptr;
    QFunctionPointer fnRemove = nullptr;
    QFunctionPointer fnSetWaitNotice = nullptr;
    QString strReason;
    if (CModuleLoader::Load(kModule,
                            {{"KivvoKeyringRead", &fnRead},
                             {"KivvoKeyringWrite", &fnWrite},
                             {"KivvoKeyringRemove", &fnRemove},
                             {"KivvoKeyringSetWaitNotice", &fnSetWaitNotice}},
                            strReason)) {
        module.m_fnRead = reinterpret_cast<decltype(module.m_fnRead)>(fnRead);
        module.m_fnWrite = reinterpret_cast<decltype(module.m_fnWrite)>(fnWrite);
        module.m_fnRemove = reinterpret_cast<decltype(module.m_fnRemove)>(fnRemove);
        module.m_fnSetWaitNotice =
            reinterpret_cast<decltype(module.m_fnSetWaitNotice)>(fnSetWaitNotice);
        module.m_fnSetWaitNotice(CallWaitNotice);
        return module;
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
