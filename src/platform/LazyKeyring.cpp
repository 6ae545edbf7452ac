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
    bool (*m_fnWrite)(const QString*, QString*) = nullptr;
    bool (*m_fnRemove)(QString*) = nullptr;
    QString m_strError; // why the module could not be used
};

// Beside the program, or where it is installed; loaded once and for the life of the process.
SModule LoadModule()
{
    SModule module;
    const QString strProgram = QCoreApplication::applicationDirPath();
    QString strReason;
    for (const QString& strFolder : {strProgram, strProgram + QStringLiteral("/../lib/kivvo")}) {
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
        if (module.m_fnRead && module.m_fnWrite && module.m_fnRemove)
            return module;
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

bool CLazyKeyring::Write(const QString& strPassword, QString& strError)
{
    const SModule& module = Module();
    if (!module.m_fnWrite) {
        strError = module.m_strError;
        return false;
    }
    return module.m_fnWrite(&strPassword, &strError);
}

bool CLazyKeyring::Remove(QString& strError)
{
    const SModule& module = Module();
    if (!module.m_fnRemove) {
        strError = module.m_strError;
        return false;
    }
    return module.m_fnRemove(&strError);
}
