#include "desktop/CommandLine.h"

#include "text/Resource.h"
#include "text/StringTable.h"

namespace {

// The options QGuiApplication and QApplication take out of the command line.
const QStringList kQtOptions = {"platform",      "platformpluginpath",
                                "platformtheme", "plugin",
                                "qmljsdebugger", "qwindowgeometry",
                                "qwindowtitle",  "qwindowicon",
                                "reverse",       "session",
                                "style",         "stylesheet",
                                "widgetcount",   "display",
                                "geometry",      "title",
                                "name",          "visual",
                                "ncols",         "cmap",
                                "nograb",        "dograb",
                                "sync",          "fn",
                                "font",          "bg",
                                "background",    "fg",
                                "foreground",    "btn",
                                "button",        "im",
                                "inputstyle",    "testability"};

} // namespace

CCommandLine::CCommandLine() = default;

void CCommandLine::AddOptions()
{
    // Their texts in the language of the application, which is only known once it is made.
    if (m_bOptionsAdded)
        return;
    m_bOptionsAdded = true;
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.setApplicationDescription(CStringTable::Load(IDS_GUI_DESCRIPTION));
    m_parser.addOption({{"h", "help"}, CStringTable::Load(IDS_OPTION_HELP)});
    m_parser.addOption({{"v", "version"}, CStringTable::Load(IDS_OPTION_VERSION)});
    m_parser.addPositionalArgument(QStringLiteral("FILE"),
                                   CStringTable::Load(IDS_GUI_FILE_ARGUMENT),
                                   QStringLiteral("[FILE]"));
}

CCommandLine::EAction CCommandLine::Parse(const QStringList& arguments)
{
    m_strFile.clear();
    if (arguments.size() <= 1)
        return kRun; // the usual start, from a menu: no parser to build before the window
    AddOptions();
    if (!m_parser.parse(arguments)) {
        QString strWhy = m_parser.errorText();
        if (strWhy.endsWith(u'.'))
            strWhy.chop(1);
        m_strText = CStringTable::Format(IDS_GUI_WRONG_ARGUMENTS, {strWhy});
        return kUsageError;
    }
    if (m_parser.isSet(QStringLiteral("help"))) {
        m_strText = m_parser.helpText();
        return kHelp;
    }
    if (m_parser.isSet(QStringLiteral("version"))) {
        m_strText = CStringTable::Format(IDS_PROGRAM_VERSION,
                                         {QStringLiteral("kivvo"), QStringLiteral(KIVVO_VERSION)});
        return kVersion;
    }
    const QStringList files = m_parser.positionalArguments();
    if (files.size() > 1) {
        m_strText = CStringTable::Format(IDS_GUI_WRONG_ARGUMENTS,
                                         {CStringTable::Load(IDS_GUI_TOO_MANY_FILES)});
        return kUsageError;
    }
    m_strFile = files.value(0);
    return kRun;
}

bool CCommandLine::NamesQtOption() const
{
    for (const QString& strName : m_parser.unknownOptionNames()) {
        if (kQtOptions.contains(strName))
            return true;
    }
    return false;
}
