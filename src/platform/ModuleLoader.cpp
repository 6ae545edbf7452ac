#include "ModuleLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

bool CModuleLoader::Load(const char* pszModule, std::initializer_list<CEntryPoint> entryPoints,
                         QString& strReason)
{
    const QString strProgram = QCoreApplication::applicationDirPath();
    strReason.clear();
    for (const QString& strFolder :
         {strProgram, strProgram + QStringLiteral("/../lib/kivvo/plugins")}) {
        QLibrary library(QDir(strFolder).filePath(QString::fromLatin1(pszModule)));
        if (!library.load()) {
            if (strReason.isEmpty())
                strReason = library.errorString();
            continue;
        }
        bool bAll = true;
        for (const auto& [pszName, pfn] : entryPoints) {
            *pfn = library.resolve(pszName);
            bAll = bAll && *pfn;
        }
        if (bAll)
            return true;
        strReason = library.errorString();
        for (const auto& entry : entryPoints)
            *entry.second = nullptr;
    }
    return false;
}
