// The main window and every dialog in each language, on the screen the environment gives: no
// command hidden in a toolbar's overflow, nothing past a window's edge, no text cut short,
// one mnemonic per letter. KIVVO_LANGUAGES ("en,de,pl") narrows the languages; with
// KIVVO_SCREENSHOTS set, a picture of each window checked is kept in that folder.
#include "app/KivvoApp.h"
#include "app/KivvoDoc.h"
#include "app/ParticipantImport.h"
#include "desktop/AboutDlg.h"
#include "desktop/DetailsDlg.h"
#include "desktop/DrawNamesDlg.h"
#include "desktop/ImportDlg.h"
#include "desktop/MainFrame.h"
#include "desktop/PersonDlg.h"
#include "desktop/RulesDlg.h"
#include "desktop/ScreenFit.h"
#include "desktop/SendProgressDlg.h"
#include "desktop/SettingsDlg.h"
#include "model/ExchangeDetails.h"
#include "model/NameList.h"
#include "notify/SendRun.h"
#include "support/DocumentNotation.h"
#include "support/RecordingSoundPlayer.h"
#include "text/TextLanguage.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QScopeGuard>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include <functional>

namespace {

using DialogMaker = std::function<QDialog*(CKivvoDoc& doc, CKivvoApp& app, QWidget* pParent)>;

QStringList Languages()
{
    const QString strWanted = qEnvironmentVariable("KIVVO_LANGUAGES");
    return strWanted.isEmpty() ? CTextLanguage::Codes() : strWanted.split(u',');
}

QString Describe(const QWidget* pWidget)
{
    QString strText;
    if (const auto* pButton = qobject_cast<const QAbstractButton*>(pWidget))
        strText = pButton->text();
    else if (const auto* pLabel = qobject_cast<const QLabel*>(pWidget))
        strText = pLabel->text();
    return QStringLiteral("%1 %2 \"%3\"")
        .arg(pWidget->metaObject()->className(), pWidget->objectName(), strText.left(40));
}

// Inside a scrolled view, a part out of sight is only scrolled away.
bool IsScrolled(const QWidget* pWidget)
{
    for (const QWidget* pUp = pWidget->parentWidget(); pUp && !pUp->isWindow();
         pUp = pUp->parentWidget()) {
        const auto* pArea = qobject_cast<const QAbstractScrollArea*>(pUp->parentWidget());
        if (pArea && pArea->viewport() == pUp)
            return true;
    }
    return false;
}

QList<const QWidget*> VisibleParts(const QWidget* pWindow)
{
    QList<const QWidget*> parts;
    for (const QWidget* pWidget : pWindow->findChildren<QWidget*>()) {
        if (!pWidget->isWindow() && pWidget->isVisible() && !IsScrolled(pWidget))
            parts.append(pWidget);
    }
    return parts;
}

// What lies, wholly or in part, past the window's edge, and the texts cut short.
QStringList LayoutFaults(const QWidget* pWindow)
{
    QStringList faults;
    for (const QWidget* pWidget : VisibleParts(pWindow)) {
        const QRect rect(pWidget->mapTo(pWindow, QPoint()), pWidget->size());
        if (!pWindow->rect().contains(rect))
            faults.append(QStringLiteral("past the edge: ") + Describe(pWidget));
        const auto* pLabel = qobject_cast<const QLabel*>(pWidget);
        const bool bText = qobject_cast<const QAbstractButton*>(pWidget) ||
                           (pLabel && !pLabel->wordWrap() && pLabel->pixmap().isNull());
        if (bText && pWidget->width() < pWidget->minimumSizeHint().width())
            faults.append(QStringLiteral("cut short: ") + Describe(pWidget));
        if (pLabel && pLabel->wordWrap() &&
            pLabel->height() < pLabel->heightForWidth(pLabel->width()))
            faults.append(QStringLiteral("lines cut off: ") + Describe(pWidget));
        // Parts of one layout lie beside each other, never on top of each other.
        for (const QWidget* pOther :
             pWidget->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (pOther < pWidget && pOther->isVisible() && !pOther->isWindow() &&
                pOther->geometry().intersects(pWidget->geometry()))
                faults.append(QStringLiteral("overlapping: ") + Describe(pWidget) + u' ' +
                              Describe(pOther));
        }
    }
    return faults;
}

// The letters that Alt and a letter reach, each once.
QStringList MnemonicClashes(const QWidget* pWindow)
{
    QStringList clashes;
    QHash<QChar, QString> taken;
    for (const QWidget* pWidget : VisibleParts(pWindow)) {
        QString strText;
        if (const auto* pButton = qobject_cast<const QAbstractButton*>(pWidget))
            strText = pButton->text();
        else if (const auto* pLabel = qobject_cast<const QLabel*>(pWidget);
                 pLabel && pLabel->buddy())
            strText = pLabel->text();
        strText.remove(QStringLiteral("&&"));
        const qsizetype nAmp = strText.indexOf(u'&');
        if (nAmp < 0 || nAmp + 1 >= strText.size())
            continue;
        const QChar letter = strText.at(nAmp + 1).toLower();
        if (taken.contains(letter))
            clashes.append(taken.value(letter) + QStringLiteral(" and ") + strText);
        taken.insert(letter, strText);
    }
    return clashes;
}

QString FaultText(const QStringList& faults)
{
    return faults.join(QStringLiteral(" | "));
}

} // namespace

class TestLayouts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void mainWindow_data();
    void mainWindow();
    void dialogs_data();
    void dialogs();

private:
    void UseLanguage(const QString& strCode);
    std::unique_ptr<CMainFrame> ShowFrame();
    // The window as a person sees it, framed by the window manager where there is one.
    void Keep(QWidget* pWindow, const QString& strWhat);

    QTemporaryDir m_settingsDir;
    CScreenFit m_screenFit;
    CRecordingSoundPlayer m_sounds;
    std::unique_ptr<QTemporaryDir> m_pDir;
    std::unique_ptr<CKivvoApp> m_pApp;
    std::unique_ptr<CKivvoDoc> m_pDoc;
};

void TestLayouts::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    qApp->installEventFilter(&m_screenFit);
}

void TestLayouts::init()
{
    QSettings().clear(); // every window opens at the size of a first run
    m_pDir = std::make_unique<QTemporaryDir>();
    m_pApp = std::make_unique<CKivvoApp>();
    m_pApp->m_strFolder = m_pDir->path() + QDir::separator();
    m_pDoc = std::make_unique<CKivvoDoc>();
    m_pDoc->OnNewDocument();
    LoadDocument(*m_pDoc, {"Ann Smith>Bob, Smiths[Bob>Carl, Carl>Dora], Dora>Ann Smith"});
    m_pDoc->GetNewestList()->m_strName = QStringLiteral("Christmas at Grandma's 2026");
}

void TestLayouts::cleanup()
{
    m_pDoc.reset();
    m_pApp.reset();
    m_pDir.reset();
    CTextLanguage::SetUi(CTextLanguage());
}

void TestLayouts::UseLanguage(const QString& strCode)
{
    CTextLanguage language;
    QVERIFY2(CTextLanguage::ForCode(strCode, language), qPrintable(strCode));
    CTextLanguage::SetUi(language);
}

std::unique_ptr<CMainFrame> TestLayouts::ShowFrame()
{
    auto pFrame = std::make_unique<CMainFrame>(m_pDoc.get(), m_pApp.get());
    pFrame->RestoreWindowState();
    pFrame->show();
    if (!QTest::qWaitForWindowExposed(pFrame.get()))
        return {};
    return pFrame;
}

void TestLayouts::Keep(QWidget* pWindow, const QString& strWhat)
{
    const QString strFolder = qEnvironmentVariable("KIVVO_SCREENSHOTS");
    if (strFolder.isEmpty())
        return;
    QDir().mkpath(strFolder);
    QScreen* pScreen = pWindow->screen();
    // The window manager has framed and placed the window once the events have settled.
    QTest::qWait(QGuiApplication::platformName() == u"xcb" ? 300 : 0);
    const QPixmap picture =
        QGuiApplication::platformName() == u"xcb"
            ? pScreen->grabWindow(0, pWindow->frameGeometry().x(), pWindow->frameGeometry().y(),
                                  pWindow->frameGeometry().width(),
                                  pWindow->frameGeometry().height())
            : pWindow->grab();
    const QString strName = QStringLiteral("%1/%2-%3x%4.png")
                                .arg(strFolder, strWhat)
                                .arg(pScreen->size().width())
                                .arg(pScreen->size().height());
    QVERIFY2(picture.save(strName), qPrintable(strName));
}

void TestLayouts::mainWindow_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("narrowest");
    for (const QString& strCode : Languages()) {
        QTest::addRow("%s, as it opens", qPrintable(strCode)) << strCode << false;
        QTest::addRow("%s, narrowest", qPrintable(strCode)) << strCode << true;
    }
}

void TestLayouts::mainWindow()
{
    QFETCH(QString, language);
    QFETCH(bool, narrowest);
    UseLanguage(language);
    const auto pFrame = ShowFrame();
    QVERIFY(pFrame);
    if (narrowest)
        pFrame->resize(pFrame->minimumWidth(), pFrame->height());
    QTRY_VERIFY(pFrame->width() == pFrame->minimumWidth() || !narrowest);
    QCoreApplication::processEvents();
    Keep(pFrame.get(), language + (narrowest ? QStringLiteral("-narrowest") : QString()));

    QVERIFY(pFrame->screen()->availableGeometry().contains(pFrame->frameGeometry()));
    // Every command of every bar in view: none behind the "more" button.
    for (const QToolBar* pBar : pFrame->findChildren<QToolBar*>()) {
        const auto* pMore = pBar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
        QVERIFY2(!pMore || !pMore->isVisible(), qPrintable(pBar->objectName()));
        for (QAction* pAction : pBar->actions()) {
            const QWidget* pButton = pBar->widgetForAction(pAction);
            QVERIFY2(pButton && pButton->isVisible(), qPrintable(pAction->text()));
            QVERIFY2(pBar->rect().contains(pButton->geometry()), qPrintable(pAction->text()));
        }
    }
    QVERIFY2(LayoutFaults(pFrame.get()).isEmpty(),
             qPrintable(FaultText(LayoutFaults(pFrame.get()))));
    QVERIFY2(MnemonicClashes(pFrame.get()).isEmpty(),
             qPrintable(FaultText(MnemonicClashes(pFrame.get()))));
}

void TestLayouts::dialogs_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<DialogMaker>("make");
    const QList<std::pair<const char*, DialogMaker>> dialogs = {
        {"pass-around",
         [](CKivvoDoc& doc, CKivvoApp&, QWidget* pParent) {
             return new CDrawNamesDlg(doc.GetNewestList(), CDrawNamesDlg::kDrawMode, pParent);
         }},
        {"person",
         [](CKivvoDoc& doc, CKivvoApp&, QWidget* pParent) {
             return new CPersonDlg(doc.GetNewestList()->GetPersonAt(0), &doc, pParent);
         }},
        {"settings",
         [](CKivvoDoc&, CKivvoApp& app, QWidget* pParent) {
             app.LoadSettings();
             return new CSettingsDlg(&app, pParent);
         }},
        {"rules",
         [](CKivvoDoc&, CKivvoApp&, QWidget* pParent) {
             return new CRulesDlg(CDrawRules(), true, false, QString(), pParent);
         }},
        {"details",
         [](CKivvoDoc& doc, CKivvoApp&, QWidget* pParent) {
             return new CDetailsDlg(doc.GetNewestList()->m_strName, CExchangeDetails(), false,
                                    pParent);
         }},
        {"import",
         [](CKivvoDoc& doc, CKivvoApp&, QWidget* pParent) {
             CParticipantImport import;
             QString strError;
             import.ReadBytes("Eve,eve@example.org\nBob,bob@example.org\n", false, strError);
             import.Check(*doc.GetNewestList());
             return new CImportDlg(import, strError, doc.GetNewestList()->m_strName, pParent);
         }},
        {"sending",
         [](CKivvoDoc&, CKivvoApp&, QWidget* pParent) {
             const QList<CMailJob> jobs{{"Ann Smith", "ann@example.org", "ann@example.org", {}, {}},
                                        {"Bob", {}, {}, {}, {}}};
             return new CSendProgressDlg(new CSendRun(CSettings(), jobs), pParent);
         }},
        {"about",
         [](CKivvoDoc&, CKivvoApp&, QWidget* pParent) {
             return new CAboutDlg(pParent, [](const QUrl&) { return true; });
         }},
    };
    for (const QString& strCode : Languages()) {
        for (const auto& [pName, make] : dialogs)
            QTest::addRow("%s, %s", qPrintable(strCode), pName) << strCode << make;
    }
}

void TestLayouts::dialogs()
{
    QFETCH(QString, language);
    QFETCH(DialogMaker, make);
    UseLanguage(language);
    const auto pFrame = ShowFrame();
    QVERIFY(pFrame);
    std::unique_ptr<QDialog> pDialog(make(*m_pDoc, *m_pApp, pFrame.get()));
    pDialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(pDialog.get()));
    QCoreApplication::processEvents();
    Keep(pDialog.get(), language + u'-' + QString(QTest::currentDataTag()).section(u' ', 1));

    QVERIFY(pDialog->screen()->availableGeometry().contains(pDialog->frameGeometry()));
    QVERIFY2(LayoutFaults(pDialog.get()).isEmpty(),
             qPrintable(FaultText(LayoutFaults(pDialog.get()))));
    QVERIFY2(MnemonicClashes(pDialog.get()).isEmpty(),
             qPrintable(FaultText(MnemonicClashes(pDialog.get()))));
    // The sending window's outcome column holds each of its words whole.
    if (const auto* pSending = qobject_cast<CSendProgressDlg*>(pDialog.get())) {
        const QTreeWidget* pTable = pSending->Table();
        for (const QString& strWord : CSendRun::OutcomeWords())
            QVERIFY2(pTable->fontMetrics().horizontalAdvance(strWord) <
                         pTable->columnWidth(CSendProgressDlg::kOutcomeColumn),
                     qPrintable(strWord));
    }
}

QTEST_MAIN(TestLayouts)
#include "tst_Layouts.moc"
