// The pass-around dialog, driven through its real buttons.
#include "draw/DrawNamesDlg.h"
#include "model/NameList.h"
#include "support/ListNotation.h"
#include "support/RecordingSoundPlayer.h"

#include <QPlainTextEdit>
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

private:
    void Open(const QString& strList, int nMode = CDrawNamesDlg::kDrawMode);
    QPushButton* Button(const char* pName) { return m_pDialog->findChild<QPushButton*>(pName); }
    QString RevealText() { return Button("reveal")->text(); }
    QString ShownText() { return m_pDialog->findChild<QPlainTextEdit*>()->toPlainText(); }
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
};

void TestDrawNamesDlg::init()
{
    m_pSounds = std::make_unique<CRecordingSoundPlayer>();
}

void TestDrawNamesDlg::cleanup()
{
    m_pDialog.reset();
    m_pList.reset();
    m_pSounds.reset();
}

void TestDrawNamesDlg::Open(const QString& strList, int nMode)
{
    m_pList = ParseList(strList);
    m_pDialog = std::make_unique<CDrawNamesDlg>(m_pList.get(), nMode);
    m_pDialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pDialog.get()));
}

void TestDrawNamesDlg::onePerson()
{
    Open("Ann>Bob");
    CompareState({false, false, true, false});
    QCOMPARE(RevealText(), "Draw name\nfor Ann");
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

    Click("reveal");
    QCOMPARE(ShownText(), "Get gift for: Bob\nSuggestions: Tea\nSocks");
    CompareState({false, false, false, true}); // only Done while a name is revealed
    QCOMPARE(m_pSounds->Take(), QStringList{"kvshow.wav"});

    Click("done");
    QVERIFY(ShownText().isEmpty());
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
    const QList<CState> steps = {{false, false, false, true},  // revealed
                                 {false, true, false, false},  // shown
                                 {true, false, true, false},   // on to Bob
                                 {false, false, false, true},  // revealed
                                 {true, false, false, false}}; // shown; nothing more to do
    for (const CState& state : steps) {
        QTest::keyClick(m_pDialog.get(), Qt::Key_Return);
        CompareState(state);
    }
    QTest::keyClick(m_pDialog.get(), Qt::Key_Enter);
    QVERIFY(m_pDialog->isVisible());
    QVERIFY(!m_pSounds->Take().contains("kvend.wav"));
}

QTEST_MAIN(TestDrawNamesDlg)
#include "tst_DrawNamesDlg.moc"
