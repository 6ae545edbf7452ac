#pragma once

#include <QString>
#include <QVariant>
#include <initializer_list>

class QTranslator;

// The program's texts, looked up by their resource number, in English or a translation.
// Without a number the text is in the language of the user interface (the translator the
// application has installed); the "In" forms take the language of their own, where null
// stands for English. A text that shows a count picks its plural form by that count.
class CStringTable
{
public:
    // The text with that number; empty when the table has none.
    static QString Load(int nId);
    // The plural form for nCount (-1: none).
    static QString Load(int nId, int nCount);
    static QString LoadIn(const QTranslator* pLanguage, int nId, int nCount = -1);
    // The English text, whatever the language.
    static QString Source(int nId);

    // Replaces each %1 ... %9 of the format by that argument (a number in decimal digits);
    // a translation may put them in any order. Any other percent sign stays as it is.
    static QString FormatText(const QString& strFormat, std::initializer_list<QVariant> args);

    static QString Format(int nId, std::initializer_list<QVariant> args);
    static QString FormatIn(const QTranslator* pLanguage, int nId,
                            std::initializer_list<QVariant> args);
};
