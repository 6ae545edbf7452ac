#pragma once

#include <QString>

// E-mail addresses as people write them: "ann@example.com" or "Ann Smith <ann@example.com>".
class CMailAddress
{
public:
    // The address inside the angle brackets when there are any, else the text; trimmed.
    static QString Bare(const QString& strText);
    // One bare address: a local part, one "@", a domain, and nothing a command could hide in
    // (blanks, control characters, brackets, separators).
    static bool IsValid(const QString& strBare);
    // What an address field with "@" holds: one address or several separated by ";", each
    // bare or after a display name, each with a domain of at least two labels.
    static bool IsPlausible(const QString& strField);
};
