#pragma once

#include <QString>
#include <QtGlobal>

#include <initializer_list>
#include <utility>

// Loads one of the program's modules (the keyring, the sounds, the mail), which keep
// libraries out of the start that the first window does not need. A module is looked for
// beside the program, then where the package installs it, and stays loaded to the end of
// the process.
class CModuleLoader
{
public:
    using CEntryPoint = std::pair<const char*, QFunctionPointer*>;

    // Loads the module ("kivvomail") and resolves every entry point into its pointer; false,
    // with the loader's reason and every pointer null, when one cannot be had.
    static bool Load(const char* pszModule, std::initializer_list<CEntryPoint> entryPoints,
                     QString& strReason);
};
