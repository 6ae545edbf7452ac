#include "text/TextLanguage.h"

#include "text/Resource.h"
#include "text/StringTable.h"

#include <QCoreApplication>
#include <QDate>
#include <QLibraryInfo>
#include <QProcessEnvironment>
#include <QTranslator>

namespace {

const QString kEnglish = QStringLiteral("en");

// Built into the program by the build, one per translation.
QString TranslationFile(const QString& strCode)
{
    return QStringLiteral(":/i18n/kivvo_%1.qm").arg(strCode);
}

// "de_AT.UTF-8@euro" → "de"; "pt-BR" → "pt".
QString LanguageOf(const QString& strLocale)
{
    qsizetype nEnd = 0;
    while (nEnd < strLocale.size() && strLocale.at(nEnd).isLetter())
        ++nEnd;
    return strLocale.left(nEnd).toLower();
}

bool IsAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool IsAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool IsAsciiAlnum(QChar c)
{
    return IsAsciiLetter(c) || IsAsciiDigit(c);
}

// How many characters from nFrom on pass.
qsizetype RunOf(QStringView text, qsizetype nFrom, bool (*pass)(QChar))
{
    qsizetype n = nFrom;
    while (n < text.size() && pass(text[n]))
        ++n;
    return n - nFrom;
}

// A language, a region and what a locale name may carry after them ("de", "pt-BR",
// "de_AT.UTF-8@euro"); anything else is no code, even when it begins like one. Read by
// hand: a regular expression here would start its engine on every start of the program.
bool IsLocaleCode(QStringView code)
{
    qsizetype n = RunOf(code, 0, IsAsciiLetter);
    if (n < 2 || n > 3)
        return false;
    if (n < code.size() && (code[n] == u'_' || code[n] == u'-')) {
        const qsizetype nLetters = RunOf(code, n + 1, IsAsciiLetter);
        const qsizetype nDigits = RunOf(code, n + 1, IsAsciiDigit);
        if (nLetters != 2 && nDigits != 3)
            return false;
        n += 1 + nLetters + nDigits;
    }
    if (n < code.size() && code[n] == u'.') {
        const qsizetype nRun =
            RunOf(code, n + 1, [](QChar c) { return IsAsciiAlnum(c) || c == u'-'; });
        if (nRun == 0)
            return false;
        n += 1 + nRun;
    }
    if (n < code.size() && code[n] == u'@') {
        const qsizetype nRun = RunOf(code, n + 1, IsAsciiAlnum);
        if (nRun == 0)
            return false;
        n += 1 + nRun;
    }
    return n == code.size();
}

bool IsCLocale(const QString& strLocale)
{
    return strLocale == u"C" || strLocale == u"POSIX" || strLocale.startsWith(u"C.");
}

CTextLanguage& UiLanguage()
{
    static CTextLanguage language;
    return language;
}

} // namespace

QStringList CTextLanguage::Codes()
{
    return {kEnglish,
            QStringLiteral("de"),
            QStringLiteral("es"),
            QStringLiteral("fr"),
            QStringLiteral("it"),
            QStringLiteral("nl"),
            QStringLiteral("pl"),
            QStringLiteral("pt")};
}

bool CTextLanguage::ForCode(const QString& strCode, CTextLanguage& language)
{
    if (!IsLocaleCode(strCode.trimmed()))
        return false;
    const QString strLanguage = LanguageOf(strCode.trimmed());
    if (strLanguage.isEmpty() || !Codes().contains(strLanguage))
        return false;
    CTextLanguage found;
    found.m_strCode = strLanguage;
    if (strLanguage != kEnglish) {
        auto pTranslator = std::make_shared<QTranslator>();
        if (!pTranslator->load(TranslationFile(strLanguage)))
            return false;
        found.m_pTranslator = std::move(pTranslator);
    }
    language = found;
    return true;
}

QString CTextLanguage::CodeFromEnvironment(const QProcessEnvironment& environment)
{
    QString strLocale;
    for (const char* pszName : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        strLocale = environment.value(QString::fromLatin1(pszName));
        if (!strLocale.isEmpty())
            break;
    }
    if (strLocale.isEmpty() || IsCLocale(strLocale))
        return kEnglish;
    const QStringList wanted =
        environment.value(QStringLiteral("LANGUAGE")).split(u':', Qt::SkipEmptyParts) +
        QStringList{strLocale};
    for (const QString& strWanted : wanted) {
        const QString strLanguage = LanguageOf(strWanted);
        if (Codes().contains(strLanguage))
            return strLanguage;
    }
    return kEnglish;
}

const CTextLanguage& CTextLanguage::Ui()
{
    return UiLanguage();
}

void CTextLanguage::SetUi(const CTextLanguage& language)
{
    CTextLanguage& ui = UiLanguage();
    if (ui.m_pTranslator)
        QCoreApplication::removeTranslator(ui.m_pTranslator.get());
    ui = language;
    if (ui.m_pTranslator)
        QCoreApplication::installTranslator(ui.m_pTranslator.get());
    // Qt's own texts: standard buttons, the command-line parser's messages, print dialogs.
    static QTranslator* pQtTexts = nullptr;
    if (pQtTexts) {
        QCoreApplication::removeTranslator(pQtTexts);
        delete pQtTexts;
        pQtTexts = nullptr;
    }
    if (ui.m_strCode == kEnglish)
        return;
    auto* pTexts = new QTranslator;
    if (pTexts->load(ui.Locale(), QStringLiteral("qt"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(pTexts);
        pQtTexts = pTexts;
    } else {
        delete pTexts;
    }
}

void CTextLanguage::SetUiFromEnvironment()
{
    CTextLanguage language;
    ForCode(CodeFromEnvironment(QProcessEnvironment::systemEnvironment()), language);
    SetUi(language);
}

QString CTextLanguage::NativeName() const
{
    // In the order of Codes().
    static const int kNames[] = {IDS_LANGUAGE_NAME_EN, IDS_LANGUAGE_NAME_DE, IDS_LANGUAGE_NAME_ES,
                                 IDS_LANGUAGE_NAME_FR, IDS_LANGUAGE_NAME_IT, IDS_LANGUAGE_NAME_NL,
                                 IDS_LANGUAGE_NAME_PL, IDS_LANGUAGE_NAME_PT};
    const qsizetype nIndex = Codes().indexOf(m_strCode);
    return nIndex < 0 ? m_strCode : CStringTable::Load(kNames[nIndex]);
}

QString CTextLanguage::Text(int nId) const
{
    return CStringTable::LoadIn(Translator(), nId);
}

QString CTextLanguage::Format(int nId, std::initializer_list<QVariant> args) const
{
    return CStringTable::FormatIn(Translator(), nId, args);
}

QString CTextLanguage::LongDate(const QDate& date) const
{
    return Locale().toString(date, Text(IDS_DETAIL_DATE_FORMAT));
}
