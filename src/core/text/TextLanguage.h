#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <initializer_list>
#include <memory>

class QDate;
class QProcessEnvironment;
class QTranslator;

// A language Kivvo speaks: English, or one of the translations built into the program. The
// user interface has one, installed for the whole application; a document's e-mails and
// cards may be written in another.
class CTextLanguage
{
public:
    // English.
    CTextLanguage() = default;

    // The codes of every language, English first.
    static QStringList Codes();
    // The language of a code such as "de", "de_AT" or "pt-BR"; false when Kivvo has none.
    static bool ForCode(const QString& strCode, CTextLanguage& language);
    // The language the environment asks for, as gettext reads it: LANGUAGE (a list, tried in
    // order) unless the locale is C, else LC_ALL, LC_MESSAGES, LANG. English when none is had.
    static QString CodeFromEnvironment(const QProcessEnvironment& environment);

    // The language of the user interface, and of whatever has no language of its own.
    static const CTextLanguage& Ui();
    // Installs the language, with Qt's own texts in it, for the whole application.
    static void SetUi(const CTextLanguage& language);
    // The one the environment of the process asks for.
    static void SetUiFromEnvironment();

    QString Code() const { return m_strCode; }
    // The language's own name for itself, such as "Deutsch".
    QString NativeName() const;
    QLocale Locale() const { return QLocale(m_strCode); }
    // Null for English.
    const QTranslator* Translator() const { return m_pTranslator.get(); }

    QString Text(int nId) const;
    QString Format(int nId, std::initializer_list<QVariant> args) const;
    // A date the long way this language writes it, such as "24 December 2026".
    QString LongDate(const QDate& date) const;

private:
    QString m_strCode = QStringLiteral("en");
    std::shared_ptr<QTranslator> m_pTranslator; // installed as it is for the user interface
};
