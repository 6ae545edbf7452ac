// The pass-around dialog, driven through its real buttons and keys. Run offscreen and on a
// real X server with a window manager, where the keys come from xdotool as a person's would.
#include "desktop/DrawNamesDlg.h"
#include "model/NameList.h"
#include "support/ListNotation.h"
#include "support/RecordingMessageHandler.h"
#include "support/RecordingSoundPlayer.h"
#include "text/Resource.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

namespace {

struct CState
{
    bool m_bPrevious;
    bool m_bNext;
    bool m_bReveal;
    bool m_bDone;
};

} // namespace

class TestDrawNamesDlg : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void onePerson();
    void movesByOneWithSounds();
    void revealDoneAndBack();
    void showModeWording();
    void flattenedOrder();
    void recipientSuggestionsIgnoreCase_data();
    void recipientSuggestionsIgnoreCase();
    void okPlaysEndSoundCancelPlaysNothing_data();
    void okPlaysEndSoundCancelPlaysNothing();
    void emptyListRevealsNothing();
    void enterTakesTheNextStepNeverEndsTheRound();
    void focusAndHeldKeys_data();
    void focusAndHeldKeys();
    void endingTheRoundEarlyAsks_data();
    void endingTheRoundEarlyAsks();
    void guidedSteps_data();
    void guidedSteps();
    void longNamesFitTheScreen();

private:
    // "Enter", "Space", or either with "hold " before it: pressed, kept down while the key
    // repeats, released.
    void PressKey(const QString& strKey);
    QString FocusName() const
    {
        return m_pDialog->focusWidget() ? m_pDialog->focusWidget()->objectName() : QString();
    }
    void Open(const QString& strList, int nMode = CDrawNamesDlg::kDrawMode);
    QPushButton* Button(const char* pName) { return m_pDialog->findChild<QPushButton*>(pName); }
    QString RevealText() { return Button("reveal")->text(); }
    QString ShownText() { return m_pDialog->findChild<QPlainTextEdit*>()->toPlainText(); }
    QLabel* Label(const char* pName) { return m_pDialog->findChild<QLabel*>(pName); }
    // Whether the button wears the focus ring: its left edge in the highlight colour.
    bool HasFocusRing(QPushButton* pButton)
    {
        const QImage image = pButton->grab().toImage();
        const QRgb ring = pButton->palette().color(QPalette::Highlight).rgb();
        int nRing = 0;
        for (int y = 0; y < image.height(); ++y)
            nRing += image.pixel(1, y) == ring ? 1 : 0;
        return nRing > image.height() / 2;
    }
    void Click(const char* pName) { QTest::mouseClick(Button(pName), Qt::LeftButton); }
    CState State()
    {
        return {Button("previous")->isEnabled(), Button("next")->isEnabled(),
                Button("reveal")->isEnabled(), Button("done")->isEnabled()};
    }
    void CompareState(const CState& expected)
    {
        const CState actual = State();
        QCOMPARE(actual.m_bPrevious, expected.m_bPrevious);
        QCOMPARE(actual.m_bNext, expected.m_bNext);
        QCOMPARE(actual.m_bReveal, expected.m_bReveal);
        QCOMPARE(actual.m_bDone, expected.m_bDone);
    }

    std::unique_ptr<CNameList> m_pList;
    std::unique_ptr<CDrawNamesDlg> m_pDialog;
    std::unique_ptr<CRecordingSoundPlayer> m_pSounds;
    std::unique_ptr<CRecordingMessageHandler> m_pMessages;
};

void TestDrawNamesDlg::init()
{
    m_pSounds = std::make_unique<CRecordingSoundPlayer>();
    m_pMessages = std::make_unique<CRecordingMessageHandler>();
    m_pMessages->AnswerAllQuestions(EAnswer::Yes);
}

void TestDrawNamesDlg::cleanup()
{
    m_pDialog.reset();
    m_pList.reset();
    m_pMessages.reset();
    m_pSounds.reset();
}

void TestDrawNamesDlg::Open(const QString& strList, int nMode)
{
    m_pList = ParseList(strList);
    m_pDialog = std::make_unique<CDrawNamesDlg>(m_pList.get(), nMode);
    m_pDialog->show();
    QVERIFY(QTest::qWaitForWindowActive(m_pDialog.get()));
}

void TestDrawNamesDlg::PressKey(const QString& strKey)
{
    const bool bHold = strKey.startsWith(QStringLiteral("hold "));
    const bool bEnter = strKey.endsWith(QStringLiteral("Enter"));
    if (QGuiApplication::platformName() == u"xcb") {
        // Through the X server, to whichever window has the focus, as from a keyboard; the
        // events are taken as they come, as in the program's own event loop.
        const QString strName = bEnter ? QStringLiteral("Return") : QStringLiteral("space");
        const QStringList arguments =
            bHold ? QStringList{"keydown", strName, "sleep", "0.6", "keyup", strName}
                  : QStringList{"key", strName};
        QProcess xdotool;
        xdotool.start("xdotool", arguments);
        QTRY_VERIFY_WITH_TIMEOUT(xdotool.state() == QProcess::NotRunning, 5000);
        QCOMPARE(xdotool.exitCode(), 0);
        QTest::qWait(200);
        return;
    }
    // Offscreen: the events a held key brings, sent to the focused control. A repeat is a
    // release and a press of one moment, marked as a repeat or, as X does when the press has
    // not yet arrived with the release, not.
    static quint64 nTime = 1000;
    const int nKey = bEnter ? Qt::Key_Return : Qt::Key_Space;
    const QString strText = bEnter ? QStringLiteral("\r") : QStringLiteral(" ");
    const auto send = [&](QEvent::Type type, bool bRepeat) {
        QKeyEvent event(type, nKey, Qt::NoModifier, strText, bRepeat);
        event.setTimestamp(nTime);
        QWidget* pTarget = m_pDialog->focusWidget() ? m_pDialog->focusWidget() : m_pDialog.get();
        QApplication::sendEvent(pTarget, &event);
    };
    send(QEvent::KeyPress, false);
    for (int i = 0; bHold && i < 10; ++i) {
        nTime += 40;
        send(QEvent::KeyRelease, i < 5);
        send(QEvent::KeyPress, i < 5);
    }
    nTime += 100;
    send(QEvent::KeyRelease, false);
    nTime += 100;
}

void TestDrawNamesDlg::onePerson()
{
    Open("Ann>Bob");
    m_pList->m_strName = QStringLiteral("Christmas 2026");
    CompareState({false, false, true, false});
    QCOMPARE(RevealText(), "Draw name\nfor Ann");
    QCOMPARE(CDrawNamesDlg(m_pList.get(), CDrawNamesDlg::kDrawMode).windowTitle(),
             "Draw names — Christmas 2026");
    QCOMPARE(CDrawNamesDlg(m_pList.get(), CDrawNamesDlg::kShowMode).windowTitle(),
             "View notifications — Christmas 2026");
    QCOMPARE(m_pSounds->Take(), QStringList{"kvstart.wav"});
    QVERIFY(ShownText().isEmpty());
}

void TestDrawNamesDlg::movesByOneWithSounds()
{
    Open("Ann>Bob, Bob>Cid, Cid>Ann");
    m_pSounds->Take();
    CompareState({false, true, true, false});
    Click("next");
    QCOMPARE(RevealText(), "Draw name\nfor Bob");
    CompareState({true, true, true, false});
    Click("next");
    QCOMPARE(RevealText(), "Draw name\nfor Cid");
    CompareState({true, false, true, false});
    Click("previous");
    QCOMPARE(RevealText(), "Draw name\nfor Bob");
    QCOMPARE(m_pSounds->Take(), (QStringList{"kvnext.wav", "kvnext.wav", "kvprev.wav"}));
}

void TestDrawNamesDlg::revealDoneAndBack()
{
    Open("Ann>Bob, Bob>Cid, Cid>Ann");
    m_pList->GetPersonAt(1)->m_strSuggestions = QStringLiteral("Tea\r\nSocks");
    m_pSounds->Take();

    // A screen reader finds every control by name, and the drawn name only while it is shown.
    for (QWidget* pControl : m_pDialog->findChildren<QWidget*>()) {
        if (qobject_cast<QPushButton*>(pControl) || qobject_cast<QPlainTextEdit*>(pControl))
            QVERIFY2(!pControl->accessibleName().isEmpty(), qPrintable(pControl->objectName()));
    }
    QAccessibleInterface* pShown =
        QAccessible::queryAccessibleInterface(m_pDialog->findChild<QPlainTextEdit*>());
    QVERIFY(pShown->textInterface());
    QCOMPARE(pShown->textInterface()->characterCount(), 0);

    Click("reveal");
    QCOMPARE(ShownText(), "Get gift for: Bob\nSuggestions: Tea\nSocks");
    QVERIFY(pShown->textInterface()->text(0, 17) == "Get gift for: Bob");
    CompareState({false, false, false, true}); // only Done while a name is revealed
    QCOMPARE(m_pSounds->Take(), QStringList{"kvshow.wav"});

    Click("done");
    QVERIFY(ShownText().isEmpty());
    QCOMPARE(pShown->textInterface()->characterCount(), 0);
    QCOMPARE(RevealText(), "Name already shown\n for Ann");
    CompareState({false, true, false, false});

    Click("next");
    QCOMPARE(RevealText(), "Draw name\nfor Bob");
    CompareState({true, true, true, false});
    Click("previous");
    QCOMPARE(RevealText(), "Name already shown\n for Ann");
    CompareState({false, true, false, false});
    QCOMPARE(m_pSounds->Take(), (QStringList{"kvnext.wav", "kvprev.wav"}));
}

void TestDrawNamesDlg::showModeWording()
{
    Open("Ann, Bob", CDrawNamesDlg::kShowMode);
    QCOMPARE(RevealText(), "Show name\nfor Ann");
    Click("reveal");
    QCOMPARE(ShownText(), "Get gift for: "); // nobody drawn yet
}

void TestDrawNamesDlg::flattenedOrder()
{
    Open("Fam[Bob>Ann, Cid>Bob], Ann>Cid");
    QStringList order{RevealText()};
    Click("next");
    order.append(RevealText());
    Click("next");
    order.append(RevealText());
    QCOMPARE(order,
             (QStringList{"Draw name\nfor Bob", "Draw name\nfor Cid", "Draw name\nfor Ann"}));
}

void TestDrawNamesDlg::recipientSuggestionsIgnoreCase_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("shown");

    QTest::newRow("same case") << "Ann>Bob, Bob>Ann"
                               << "Get gift for: Bob\nSuggestions: Books";
    QTest::newRow("other case") << "Ann>BOB, Bob>Ann"
                                << "Get gift for: BOB\nSuggestions: Books";
    QTest::newRow("renamed since") << "Ann>Robert, Bob>Ann"
                                   << "Get gift for: Robert";
    // Cid receives only: he has no turn, and Ann's two recipients come with their own ideas.
    QTest::newRow("two recipients") << "Ann>Bob+Cid, Bob>Ann+Cid, Cid:r"
                                    << "Get gifts for: Bob, Cid\nSuggestions: Bob: Books";
}

void TestDrawNamesDlg::recipientSuggestionsIgnoreCase()
{
    QFETCH(QString, list);
    QFETCH(QString, shown);
    Open(list);
    m_pList->GetPersonAt(1)->m_strSuggestions = QStringLiteral("Books");
    Click("reveal");
    QCOMPARE(ShownText(), shown);
}

void TestDrawNamesDlg::okPlaysEndSoundCancelPlaysNothing_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("OK") << true;
    QTest::newRow("Escape") << false;
}

void TestDrawNamesDlg::okPlaysEndSoundCancelPlaysNothing()
{
    QFETCH(bool, confirm);
    Open("Ann>Bob, Bob>Ann");
    m_pSounds->Take();
    if (confirm)
        Click("ok");
    else
        QTest::keyClick(m_pDialog.get(), Qt::Key_Escape);
    QCOMPARE(m_pDialog->result(), confirm ? QDialog::Accepted : QDialog::Rejected);
    QVERIFY(!m_pDialog->isVisible());
    QCOMPARE(m_pSounds->Take(), confirm ? QStringList{"kvend.wav"} : QStringList{});
}

void TestDrawNamesDlg::emptyListRevealsNothing()
{
    Open("Empty[]");
    CompareState({false, false, false, false});
    QCOMPARE(RevealText(), "No participants\nin this list");
    Click("reveal");
    QVERIFY(ShownText().isEmpty());
    QCOMPARE(m_pSounds->Take(), QStringList{"kvstart.wav"});
}

void TestDrawNamesDlg::enterTakesTheNextStepNeverEndsTheRound()
{
    Open("Ann>Bob, Bob>Ann");
    m_pSounds->Take();
    const QList<CState> steps = {{false, false, false, true},   // revealed
                                 {false, true, false, false},   // shown
                                 {true, false, true, false},    // on to Bob
                                 {false, false, false, true},   // revealed
                                 {false, false, false, false}}; // everybody looked: the end
    for (const CState& state : steps) {
        QTest::keyClick(m_pDialog.get(), Qt::Key_Return);
        CompareState(state);
    }
    QTest::keyClick(m_pDialog.get(), Qt::Key_Enter);
    QVERIFY(m_pDialog->isVisible());
    QVERIFY(!m_pSounds->Take().contains("kvend.wav"));
}

void TestDrawNamesDlg::focusAndHeldKeys_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<int>("notLooked");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("revealText");

    const QString strAnnWaits = QStringLiteral("Draw name\nfor Ann");
    const QString strAnnShown = QStringLiteral("Name already shown\n for Ann");
    QTest::newRow("on opening") << QStringList{} << 3 << "reveal" << strAnnWaits;
    QTest::newRow("Enter shows") << QStringList{"Enter"} << 2 << "done" << strAnnWaits;
    QTest::newRow("Space shows") << QStringList{"Space"} << 2 << "done" << strAnnWaits;
    QTest::newRow("held Enter is one step")
        << QStringList{"hold Enter"} << 2 << "done" << strAnnWaits;
    QTest::newRow("held Space is one step")
        << QStringList{"hold Space"} << 2 << "done" << strAnnWaits;
    QTest::newRow("Done, then on to Next")
        << QStringList{"Enter", "Space"} << 2 << "next" << strAnnShown;
    QTest::newRow("held twice, two steps")
        << QStringList{"hold Enter", "hold Enter"} << 2 << "next" << strAnnShown;
    QTest::newRow("next person waits") << QStringList{"Enter", "Enter", "Enter"} << 2 << "reveal"
                                       << "Draw name\nfor Bob";
    QTest::newRow("through the round, never OK")
        << QStringList(10, QStringLiteral("Enter")) << 0 << "revealedText"
        << "Name already shown\n for Cid";
}

void TestDrawNamesDlg::focusAndHeldKeys()
{
    QFETCH(QStringList, keys);
    QFETCH(int, notLooked);
    QFETCH(QString, focus);
    QFETCH(QString, revealText);
    Open("Ann>Bob, Bob>Cid, Cid>Ann");
    for (const QString& strKey : std::as_const(keys))
        PressKey(strKey);
    QCOMPARE(m_pDialog->CountNotLooked(), notLooked);
    QCOMPARE(FocusName(), focus);
    QCOMPARE(RevealText(), revealText);
    QVERIFY(m_pDialog->isVisible());
    QVERIFY(m_pMessages->m_boxes.isEmpty());
}

void TestDrawNamesDlg::endingTheRoundEarlyAsks_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("looked"); // participants who saw their name first
    QTest::addColumn<int>("mode");
    QTest::addColumn<EAnswer>("answer");
    QTest::addColumn<QString>("question"); // empty: none asked

    const QString strThree =
        QStringLiteral("3 participants have not seen their name yet. End the round?");
    const QString strOne =
        QStringLiteral("1 participant has not seen his name yet. End the round?");
    const int nDraw = CDrawNamesDlg::kDrawMode;
    QTest::newRow("OK, nobody looked, No") << "ok" << 0 << nDraw << EAnswer::No << strThree;
    QTest::newRow("OK, nobody looked, Yes") << "ok" << 0 << nDraw << EAnswer::Yes << strThree;
    QTest::newRow("Escape, two looked") << "escape" << 2 << nDraw << EAnswer::No << strOne;
    QTest::newRow("close button, two looked") << "close" << 2 << nDraw << EAnswer::Yes << strOne;
    QTest::newRow("everybody looked") << "ok" << 3 << nDraw << EAnswer::No << QString();
    QTest::newRow("viewing notifications")
        << "escape" << 0 << int(CDrawNamesDlg::kShowMode) << EAnswer::No << QString();
}

void TestDrawNamesDlg::endingTheRoundEarlyAsks()
{
    QFETCH(QString, how);
    QFETCH(int, looked);
    QFETCH(int, mode);
    QFETCH(EAnswer, answer);
    QFETCH(QString, question);
    m_pMessages->AnswerAllQuestions(answer);
    Open("Ann>Bob, Bob>Cid, Cid>Ann", mode);
    for (int i = 0; i < looked; ++i) {
        Click("reveal");
        Click("done");
        if (Button("next")->isEnabled())
            Click("next");
    }
    if (how == u"ok")
        Click("ok");
    else if (how == u"escape")
        QTest::keyClick(m_pDialog.get(), Qt::Key_Escape);
    else
        m_pDialog->close();
    if (question.isEmpty()) {
        QVERIFY(m_pMessages->m_boxes.isEmpty());
        QVERIFY(!m_pDialog->isVisible());
        return;
    }
    QCOMPARE(m_pMessages->m_boxes.size(), 1);
    QCOMPARE(m_pMessages->m_boxes.at(0).m_strText, question);
    QVERIFY(m_pMessages->m_boxes.at(0).m_kind == EBoxKind::YesNoDefaultNo);
    QCOMPARE(m_pDialog->isVisible(), answer != EAnswer::Yes);
}

void TestDrawNamesDlg::guidedSteps_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("focus"); // also the button that looks like Enter's
    QTest::addColumn<bool>("closing");

    const int nDraw = CDrawNamesDlg::kDrawMode;
    const int nShow = CDrawNamesDlg::kShowMode;
    const QStringList annLooked{"reveal", "done"};
    QTest::newRow("on opening") << nDraw << QStringList{}
                                << "Hand the screen to Ann, then press Draw name."
                                << "reveal" << false;
    QTest::newRow("name on screen")
        << nDraw << QStringList{"reveal"} << "Read the name, then press Done to hide it again."
        << "done" << false;
    QTest::newRow("hidden again") << nDraw << annLooked << "Press Next and hand the screen to Bob."
                                  << "next" << false;
    QTest::newRow("next one looked already")
        << nDraw << annLooked + QStringList{"next", "reveal", "done", "previous"}
        << "Press Next to go on to those who have not looked yet."
        << "next" << false;
    QTest::newRow("only those before wait")
        << nDraw << QStringList{"next", "next", "reveal", "done"}
        << "Press Previous to go back to those who have not looked yet."
        << "previous" << false;
    QTest::newRow("everybody looked")
        << nDraw << annLooked + QStringList{"next"} + annLooked + QStringList{"next"} + annLooked
        << "Click OK to close this window."
        << "revealedText" << true;
    QTest::newRow("viewing") << nShow << QStringList{}
                             << "Press Show name to see whom Ann gives a gift to."
                             << "reveal" << false;
    QTest::newRow("viewing, hidden again") << nShow << annLooked << "Press Next to go on to Bob."
                                           << "next" << false;
}

void TestDrawNamesDlg::guidedSteps()
{
    QFETCH(int, mode);
    QFETCH(QStringList, clicks);
    QFETCH(QString, step);
    QFETCH(QString, focus);
    QFETCH(bool, closing);
    Open("Ann>Bob, Bob>Cid, Cid>Ann", mode);
    for (const QString& strButton : std::as_const(clicks))
        Click(qPrintable(strButton));
    QCOMPARE(Label("nextStep")->text(), step);
    QCOMPARE(FocusName(), focus);
    QCOMPARE(Label("closing")->isVisible(), closing);
    QCOMPARE(Button("reveal")->isVisible(), !closing);
    if (closing) {
        QCOMPARE(Label("closing")->text(), "Everybody has seen his name.");
        CompareState({false, false, false, false});
    }
    // The step is shown plainly; OK, which no key presses, never looks like the default.
    QVERIFY(!Button("ok")->isDefault());
    for (QPushButton* pButton : m_pDialog->findChildren<QPushButton*>()) {
        const bool bFocused = pButton->objectName() == focus;
        QCOMPARE(pButton->isDefault(), bFocused);
        QVERIFY2(HasFocusRing(pButton) == bFocused, qPrintable(pButton->objectName()));
    }
}

void TestDrawNamesDlg::longNamesFitTheScreen()
{
    const QString strLong = QStringLiteral("Maximiliane ") + QString(120, u'x') + " Smith";
    Open(QStringLiteral("%1>Bob, Bob>%1").arg(strLong));
    const QRect room = m_pDialog->screen()->availableGeometry();
    QVERIFY(m_pDialog->width() <= room.width());
    QVERIFY(m_pDialog->width() >= m_pDialog->minimumSizeHint().width());
    // Cut short where shown, whole in the tip and for a screen reader.
    QPushButton* pReveal = Button("reveal");
    QVERIFY2(RevealText().endsWith(u'…'), qPrintable(RevealText()));
    QVERIFY(pReveal->fontMetrics().horizontalAdvance(RevealText().section(u'\n', 1)) <
            pReveal->width());
    QCOMPARE(pReveal->toolTip(), strLong);
    QVERIFY(pReveal->accessibleName().contains(strLong));
    QVERIFY(Label("nextStep")->text().contains(u'…'));
    Click("next");
    QCOMPARE(RevealText(), "Draw name\nfor Bob");
    QVERIFY(pReveal->toolTip().isEmpty());
    Click("reveal");
    QCOMPARE(ShownText(), "Get gift for: " + strLong);
}

QTEST_MAIN(TestDrawNamesDlg)
#include "tst_DrawNamesDlg.moc"
