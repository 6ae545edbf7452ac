// The document's commands: enable rules, Draw Names, Copy for Next Exchange, list selector.
#include "app/KivvoDoc.h"
#include "model/NameList.h"
#include "platform/CmdUI.h"
#include "res/Resource.h"
#include "support/DocumentNotation.h"
#include "support/ListNotation.h"
#include "support/RecordingMessageHandler.h"
#include "support/RecordingUserInterface.h"

#include <QSignalSpy>
#include <QTest>

namespace {

bool Enabled(CKivvoDoc& doc, int nID)
{
    CCmdUI cmdUI(nID);
    return doc.OnUpdateCommand(cmdUI) && cmdUI.m_bEnabled;
}

CListNode* NodeAt(const CKivvoDoc& doc, int nIndex)
{
    auto* pNode = const_cast<CListNode*>(doc.GetHeadNode());
    while (pNode && nIndex-- > 0)
        pNode = pNode->m_pNext;
    return pNode;
}

} // namespace

class TestKivvoDoc : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { CFramework::SetSeedSource({}); }
    void newDocument();
    void enableRules_data();
    void enableRules();
    void drawNamesQuestions_data();
    void drawNamesQuestions();
    void drawUsesNewestAndItsPrevious();
    void failedDrawAsksNothingMore();
    void copyForNextExchange();
    void copyDeclinedChangesNothing();
    void copyRefusedAt255Lists();
    void listSelector();
    void listSelectorReachesListsOfTheSameName();
    void personItem();

private:
    CRecordingUserInterface m_ui;
};

void TestKivvoDoc::init()
{
    m_ui = {};
    CFramework::SetSeedSource([] { return 7u; });
}

void TestKivvoDoc::newDocument()
{
    CKivvoDoc doc;
    doc.SetUserInterface(&m_ui);
    QSignalSpy updates(&doc, &CDocument::ViewsUpdated);
    QVERIFY(doc.OnNewDocument());
    QCOMPARE(doc.GetListCount(), 1);
    QCOMPARE(doc.GetCurrentList(), doc.GetNewestList());
    QCOMPARE(doc.GetCurrentList()->m_strName, QStringLiteral("List"));
    QCOMPARE(doc.GetCurrentList()->m_pFirst, nullptr);
    QCOMPARE(m_ui.m_selector.Items(), QStringList{"List"});
    QCOMPARE(m_ui.m_selector.GetCurSel(), 0);
    QCOMPARE(updates.count(), 1);
    QVERIFY(!doc.IsModified());
}

void TestKivvoDoc::enableRules_data()
{
    QTest::addColumn<QStringList>("lists");
    QTest::addColumn<bool>("drawAndCopy");

    QTest::newRow("two persons") << QStringList{"Ann, Bob"} << false;
    QTest::newRow("three persons") << QStringList{"Ann, Bob, Cid"} << true;
    QTest::newRow("one person and a group of two") << QStringList{"Ann, Fam[Bob, Cid]"} << true;
    QTest::newRow("groups only") << QStringList{"F[Ann, Bob], G[Cid]"} << true;
    QTest::newRow("only the newest list counts")
        << QStringList{"Ann, Bob", "Ann, Bob, Cid, Dan"} << false;
    QTest::newRow("empty groups") << QStringList{"F[], G[], Ann"} << false;
}

void TestKivvoDoc::enableRules()
{
    QFETCH(QStringList, lists);
    QFETCH(bool, drawAndCopy);
    CKivvoDoc doc;
    LoadDocument(doc, lists);
    QCOMPARE(Enabled(doc, ID_DRAW_NAMES), drawAndCopy);
    QCOMPARE(Enabled(doc, ID_COPY_FOR_NEXT), drawAndCopy);
    CCmdUI configure(ID_CONFIGURE); // the settings dialog is the main window's
    QVERIFY(!doc.OnUpdateCommand(configure));
    CCmdUI unknown(ID_ADD_PERSON);
    QVERIFY(!doc.OnUpdateCommand(unknown));
}

void TestKivvoDoc::drawNamesQuestions_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("answerDraw");
    QTest::addColumn<int>("answerPassAround");
    QTest::addColumn<QList<int>>("boxes");
    QTest::addColumn<bool>("drawn");
    QTest::addColumn<int>("dialogs");

    const QList<int> fullRun{IDS_ASK_DRAW_NOW, IDS_ASK_PASS_AROUND, IDS_ASK_SEND_NOW};
    QTest::newRow("declined") << "Ann, Bob, Cid" << int(IDNO) << int(IDNO)
                              << QList<int>{IDS_ASK_DRAW_NOW} << false << 0;
    QTest::newRow("drawn, both questions No")
        << "Ann, Dan, Fam[Bob, Cid]" << int(IDYES) << int(IDNO) << fullRun << true << 0;
    QTest::newRow("drawn, passed around")
        << "Ann, Dan, Fam[Bob, Cid]" << int(IDYES) << int(IDYES) << fullRun << true << 1;
    QTest::newRow("already drawn asks to draw again")
        << "Ann>Bob, Bob>Cid, Cid>Dan, Dan>Ann" << int(IDNO) << int(IDNO)
        << QList<int>{IDS_ASK_DRAW_AGAIN} << true << 0;
}

void TestKivvoDoc::drawNamesQuestions()
{
    QFETCH(QString, list);
    QFETCH(int, answerDraw);
    QFETCH(int, answerPassAround);
    QFETCH(QList<int>, boxes);
    QFETCH(bool, drawn);
    QFETCH(int, dialogs);

    CRecordingMessageHandler messages;
    messages.Answer(IDS_ASK_DRAW_NOW, answerDraw);
    messages.Answer(IDS_ASK_DRAW_AGAIN, answerDraw);
    messages.Answer(IDS_ASK_PASS_AROUND, answerPassAround);
    CKivvoDoc doc;
    doc.SetUserInterface(&m_ui);
    LoadDocument(doc, {list});
    doc.OnCommand(ID_DRAW_NAMES);

    QCOMPARE(messages.Ids(), boxes);
    // Drawing again throws names away: the careless answer is No.
    QCOMPARE(messages.m_boxes.at(0).m_kind == EBoxKind::YesNoDefaultNo,
             boxes.at(0) == IDS_ASK_DRAW_AGAIN);
    QCOMPARE(doc.GetNewestList()->HasDrawnNames(), drawn);
    QCOMPARE(doc.IsModified(), answerDraw == IDYES);
    QCOMPARE(m_ui.m_dialogs.size(), dialogs);
    if (dialogs) {
        QCOMPARE(m_ui.m_dialogs.at(0).m_pList, doc.GetCurrentList());
        QCOMPARE(m_ui.m_dialogs.at(0).m_nMode, 0);
    }
}

void TestKivvoDoc::drawUsesNewestAndItsPrevious()
{
    // The previous list leaves the newest one drawing. An older list is current, yet the
    // newest is drawn, made current, and revealed.
    CRecordingMessageHandler messages;
    messages.AnswerAllQuestions(IDYES);
    CKivvoDoc doc;
    doc.SetUserInterface(&m_ui);
    LoadDocument(doc, {"Ann, Bob, Cid", "Ann>Cid, Bob>Ann, Cid>Bob", "Ann>Bob, Bob>Cid, Cid>Ann"});
    m_ui.m_selector.SetCurSel(2);
    doc.OnListSelected();
    QCOMPARE(doc.GetCurrentNode(), NodeAt(doc, 2));

    doc.OnDrawNames();
    const CNameList& newest = *doc.GetNewestList();
    QCOMPARE(DescribeList(newest), QStringLiteral("Ann>Bob, Bob>Cid, Cid>Ann"));
    QCOMPARE(DescribeList(*NodeAt(doc, 1)->m_pList), QStringLiteral("Ann>Cid, Bob>Ann, Cid>Bob"));
    QCOMPARE(m_ui.m_dialogs.size(), 1);
    QCOMPARE(m_ui.m_dialogs.at(0).m_pList, &newest);
    QCOMPARE(doc.GetCurrentNode(), doc.GetHeadNode());
    QCOMPARE(m_ui.m_selector.GetCurSel(), 0);
}

void TestKivvoDoc::failedDrawAsksNothingMore()
{
    CRecordingMessageHandler messages;
    messages.AnswerAllQuestions(IDYES);
    CKivvoDoc doc;
    doc.SetUserInterface(&m_ui);
    LoadDocument(doc, {"Fam[Ann, Bob, Cid]"});
    doc.OnDrawNames();
    QCOMPARE(messages.Ids(), (QList<int>{IDS_ASK_DRAW_NOW, IDS_DRAWING_ERROR}));
    QVERIFY(!doc.IsModified());
    QVERIFY(m_ui.m_dialogs.isEmpty());
}

void TestKivvoDoc::copyForNextExchange()
{
    CRecordingMessageHandler messages;
    messages.AnswerAllQuestions(IDYES);
    CKivvoDoc doc;
    doc.SetUserInterface(&m_ui);
    LoadDocument(doc, {"Ann>Bob, Fam[Bob>Cid, Cid>Ann]", "Ann, Fam[Bob, Cid]"});
    doc.GetNewestList()->m_strName = QStringLiteral("Christmas 2004");
    m_ui.m_selector.SetCurSel(1);
    doc.OnListSelected(); // the copy is made from the newest list whichever is current
    QSignalSpy updates(&doc, &CDocument::ViewsUpdated);

    doc.OnCommand(ID_COPY_FOR_NEXT);

    QCOMPARE(messages.Ids(), (QList<int>{IDS_ASK_COPY_LIST, IDS_COPY_DONE}));
    QCOMPARE(messages.m_boxes.at(1).m_kind, EBoxKind::OkInformation);
    QCOMPARE(doc.GetListCount(), 3);
    QCOMPARE(doc.GetCurrentNode(), doc.GetHeadNode());
    QCOMPARE(doc.GetNewestList()->m_strName, QStringLiteral("Christmas 2004 New Copy"));
    QCOMPARE(DescribeList(*doc.GetNewestList()), QStringLiteral("Ann, Fam[Bob, Cid]"));
    QCOMPARE(DescribeList(*NodeAt(doc, 1)->m_pList),
             QStringLiteral("Ann>Bob, Fam[Bob>Cid, Cid>Ann]"));
    QCOMPARE(m_ui.m_selector.Items(),
             (QStringList{"Christmas 2004 New Copy", "Christmas 2004", "List"}));
    QCOMPARE(m_ui.m_selector.GetCurSel(), 0);
    QCOMPARE(updates.count(), 1);
    QVERIFY(doc.IsModified());
}

void TestKivvoDoc::copyDeclinedChangesNothing()
{
    CRecordingMessageHandler messages;
    CKivvoDoc doc;
    LoadDocument(doc, {"Ann, Bob, Cid"});
    doc.OnCopyForNextExchange();
    QCOMPARE(messages.Ids(), QList<int>{IDS_ASK_COPY_LIST});
    QCOMPARE(doc.GetListCount(), 1);
    QVERIFY(!doc.IsModified());
}

void TestKivvoDoc::copyRefusedAt255Lists()
{
    CRecordingMessageHandler messages;
    messages.AnswerAllQuestions(IDYES);
    CKivvoDoc doc;
    doc.SetUserInterface(&m_ui);
    LoadDocument(doc, {"Ann, Bob, Cid"});
    for (int i = 1; i < CKivvoDoc::kMaxLists; ++i)
        doc.OnCopyForNextExchange();
    QCOMPARE(doc.GetListCount(), 255);
    doc.SetModifiedFlag(false);
    messages.Clear();

    doc.OnCopyForNextExchange();
    QCOMPARE(messages.Ids(), QList<int>{IDS_TOO_MANY_LISTS});
    QCOMPARE(messages.m_boxes.at(0).m_kind, EBoxKind::OkExclamation);
    QVERIFY(messages.m_boxes.at(0).m_strText.contains(QStringLiteral("255")));
    QCOMPARE(doc.GetListCount(), 255);
    QCOMPARE(m_ui.m_selector.GetCount(), 255);
    QVERIFY(!doc.IsModified());
}

void TestKivvoDoc::listSelector()
{
    CKivvoDoc doc;
    doc.SetUserInterface(&m_ui);
    LoadDocument(doc, {"Ann", "Bob", "Cid"});
    NodeAt(doc, 0)->m_pList->m_strName = QStringLiteral("2006");
    NodeAt(doc, 1)->m_pList->m_strName = QStringLiteral("2005");
    NodeAt(doc, 2)->m_pList->m_strName = QStringLiteral("2004");
    doc.FillListSelector();
    QCOMPARE(m_ui.m_selector.Items(), (QStringList{"2006", "2005", "2004"}));
    QCOMPARE(m_ui.m_selector.GetCurSel(), 0);

    QSignalSpy updates(&doc, &CDocument::ViewsUpdated);
    m_ui.m_selector.SetCurSel(1);
    QVERIFY(doc.OnCommand(ID_LIST_SELECTED));
    QCOMPARE(doc.GetCurrentList(), NodeAt(doc, 1)->m_pList);
    QCOMPARE(updates.count(), 1);
    QCOMPARE(updates.at(0).at(0).toInt(), HINT_LIST_CHANGED);
    QVERIFY(!doc.IsModified());

    doc.FillListSelector(); // e.g. after the current list was renamed
    QCOMPARE(m_ui.m_selector.GetCurSel(), 1);
}

void TestKivvoDoc::listSelectorReachesListsOfTheSameName()
{
    // Drawings often keep the default name; each must still be reachable.
    CKivvoDoc doc;
    doc.SetUserInterface(&m_ui);
    LoadDocument(doc, {"Ann", "Bob", "Cid"});
    for (int i = 0; i < 3; ++i) {
        m_ui.m_selector.SetCurSel(i);
        doc.OnListSelected();
        QCOMPARE(doc.GetCurrentNode(), NodeAt(doc, i));
        doc.FillListSelector();
        QCOMPARE(m_ui.m_selector.GetCurSel(), i);
    }
}

void TestKivvoDoc::personItem()
{
    CKivvoDoc doc;
    LoadDocument(doc, {"Ann, Fam[Bob]"});
    CNameList& list = *doc.GetCurrentList();
    list.UseEntriesAsHandles();
    CListItem* pAnn = list.m_pFirst;
    auto* pFam = static_cast<CGroup*>(pAnn->m_pNext);
    QCOMPARE(doc.GetPersonItem(pAnn->m_hItem), pAnn);
    QCOMPARE(doc.GetPersonItem(pFam->m_pFirst->m_hItem), pFam->m_pFirst);
    QCOMPARE(doc.GetPersonItem(pFam->m_hItem), nullptr);
    QCOMPARE(doc.GetPersonItem(nullptr), nullptr);
}

QTEST_GUILESS_MAIN(TestKivvoDoc)
#include "tst_KivvoDoc.moc"
