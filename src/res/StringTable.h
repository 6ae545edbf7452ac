#pragma once

#include <QString>
#include <QVariant>
#include <initializer_list>

// The program's texts, looked up by their resource number.
class CStringTable
{
public:
    // The text with that number; empty when the table has none.
    static QString Load(int nId);

    // Replaces each %d and %s of the format, left to right, by the next argument
    // (%d as a decimal number, %s unchanged); "%%" gives one percent sign.
    static QString FormatText(const QString& strFormat, std::initializer_list<QVariant> args);

    static QString Format(int nId, std::initializer_list<QVariant> args)
    {
        return FormatText(Load(nId), args);
    }
};
