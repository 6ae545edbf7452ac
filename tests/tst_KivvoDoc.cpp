// The document's operations: Draw Names, Copy for Next Exchange, the list selector.
#include "app/DrawJob.h"
#include "app/KivvoDoc.h"
#include "app/ParticipantImport.h"
#include "model/NameList.h"
#include "platform/Archive.h"
#include "support/DocumentNotation.h"
#include "support/ListNotation.h"
#include "support/RecordingMessageHandler.h"
#include "text/Resource.h"

#include <QSignalSpy>
#include <QTest>

namespace {

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
    void drawNames();
    void drawInTheBackground();
    void drawUsesNewestAndItsPrevious();
    void failedDrawChangesNothing();
    void copyForNextExchange();
    void copyRefusedAt255Lists();
    void importRefusedBeyondWhatTheFileHolds();
    void listSelector();
    void listSelectorReachesListsOfTheSameName();
};

void TestKivvoDoc::init()
{
    CFramework::SetSeedSource([] { return 7u; });
}

void TestKivvoDoc::newDocument()
{
    CKivvoDoc doc;
    QSignalSpy updates(&doc, &CDocument::ViewsUpdated);
    QSignalSpy lists(&doc, &CKivvoDoc::ListsChanged);
    QVERIFY(doc.OnNewDocument());
    QCOMPARE(lists.count(), 1);
    QCOMPARE(doc.GetListCount(), 1);
    QCOMPARE(doc.GetCurrentList(), doc.GetNewestList());
    QCOMPARE(doc.GetCurrentList()->m_strName, QStringLiteral("List"));
    QCOMPARE(doc.GetCurrentList()->m_pFirst, nullptr);
    QCOMPARE(doc.ListNames(), QStringList{"List"});
    QCOMPARE(doc.CurrentListIndex(), 0);
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
    QCOMPARE(doc.CanDrawNames(), drawAndCopy);
}

void TestKivvoDoc::drawNames()
{
    // Of a drawn three, half the new drawings equal the old one: drawn all the same, with no
    // step to undo and nothing to save.
    int nIdentical = 0;
    for (int nSeed = 0; nSeed < 16; ++nSeed) {
        CFramework::SetSeedSource([nSeed] { return quint32(nSeed); });
        CKivvoDoc doc;
        LoadDocument(doc, {"Ann>Bob, Bob>Cid, Cid>Ann"});
        const CDocResult result = doc.DrawNames();
        QVERIFY(result.IsDone());
        QCOMPARE(result.MessageId(), 0);
        const bool bSame = DescribeList(*doc.GetNewestList()) == "Ann>Bob, Bob>Cid, Cid>Ann";
        nIdentical += bSame ? 1 : 0;
        QCOMPARE(doc.IsModified(), !bSame);
        QCOMPARE(doc.UndoStack()->count(), bSame ? 0 : 1);
    }
    QVERIFY(nIdentical > 0 && nIdentical < 16);
}

void TestKivvoDoc::drawInTheBackground()
{
    CKivvoDoc doc;
    LoadDocument(doc, {"Ann, Dan, Fam[Bob, Cid]", "Ann>Bob, Bob>Cid, Cid>Dan, Dan>Ann"});
    CDocResult result;
    CDrawJob* pJob = doc.StartDrawing(result);
    QVERIFY(pJob);
    QSignalSpy finished(pJob, &CDrawJob::Finished);
    // Meanwhile the lists, and what would bring other lists back, wait.
    QVERIFY(doc.IsDrawing());
    QCOMPARE(doc.AddGroup(QStringLiteral("Kin")).MessageId(), IDS_BUSY_SENDING);
    QCOMPARE(doc.Undo().MessageId(), IDS_BUSY_SENDING);
    QVERIFY(!doc.StartDrawing(result));
    QVERIFY(finished.wait(10000));
    QVERIFY(finished.at(0).at(0).value<CDocResult>().IsDone());
    QVERIFY(!doc.IsDrawing());
    QVERIFY(doc.GetNewestList()->HasDrawnNames());
    QVERIFY2(doc.CheckNewestDrawing(), qPrintable(doc.CheckNewestDrawing().Message()));
    QVERIFY(doc.IsModified());
    QVERIFY(doc.Undo());
    QVERIFY(!doc.GetNewestList()->HasDrawnNames());
}

void TestKivvoDoc::drawUsesNewestAndItsPrevious()
{
    // The previous list leaves the newest one drawing. An older list is current, yet the
    // newest is drawn, made current, and revealed.
    CRecordingMessageHandler messages;
    messages.AnswerAllQuestions(EAnswer::Yes);
    CKivvoDoc doc;
    LoadDocument(doc, {"Ann, Bob, Cid", "Ann>Cid, Bob>Ann, Cid>Bob", "Ann>Bob, Bob>Cid, Cid>Ann"});
    doc.SelectList(2);
    QCOMPARE(doc.GetCurrentNode(), NodeAt(doc, 2));

    QVERIFY(doc.DrawNames());
    const CNameList& newest = *doc.GetNewestList();
    QCOMPARE(DescribeList(newest), QStringLiteral("Ann>Bob, Bob>Cid, Cid>Ann"));
    QCOMPARE(DescribeList(*NodeAt(doc, 1)->m_pList), QStringLiteral("Ann>Cid, Bob>Ann, Cid>Bob"));
    QCOMPARE(doc.GetCurrentNode(), doc.GetHeadNode());
    QCOMPARE(doc.CurrentListIndex(), 0);
}

void TestKivvoDoc::failedDrawChangesNothing()
{
    CKivvoDoc doc;
    LoadDocument(doc, {"Fam[Ann, Bob, Cid]"});
    const CDocResult result = doc.DrawNames();
    QVERIFY(!result);
    QCOMPARE(result.MessageId(), IDS_DRAWING_ERROR);
    QVERIFY(result.Message().contains(QStringLiteral("Ann")));
    QVERIFY(!doc.GetNewestList()->HasDrawnNames());
    QVERIFY(!doc.IsModified());
}

void TestKivvoDoc::copyForNextExchange()
{
    CKivvoDoc doc;
    LoadDocument(doc, {"Ann>Bob, Fam[Bob>Cid, Cid>Ann]", "Ann, Fam[Bob, Cid]"});
    doc.GetNewestList()->m_strName = QStringLiteral("Christmas 2004");
    doc.SelectList(1); // the copy is made from the newest list whichever is current
    QSignalSpy updates(&doc, &CDocument::ViewsUpdated);
    QSignalSpy lists(&doc, &CKivvoDoc::ListsChanged);

    const CDocResult result = doc.CopyForNextExchange();
    QVERIFY(!lists.isEmpty());
    QVERIFY(result);
    QCOMPARE(result.MessageId(), IDS_COPY_DONE);
    QCOMPARE(doc.GetListCount(), 3);
    QCOMPARE(doc.GetCurrentNode(), doc.GetHeadNode());
    QCOMPARE(doc.GetNewestList()->m_strName, QStringLiteral("Christmas 2004 New Copy"));
    QCOMPARE(DescribeList(*doc.GetNewestList()), QStringLiteral("Ann, Fam[Bob, Cid]"));
    QCOMPARE(DescribeList(*NodeAt(doc, 1)->m_pList),
             QStringLiteral("Ann>Bob, Fam[Bob>Cid, Cid>Ann]"));
    QCOMPARE(doc.ListNames(), (QStringList{"Christmas 2004 New Copy", "Christmas 2004", "List"}));
    QCOMPARE(doc.CurrentListIndex(), 0);
    QCOMPARE(updates.count(), 1);
    QVERIFY(doc.IsModified());
}

void TestKivvoDoc::copyRefusedAt255Lists()
{
    CKivvoDoc doc;
    LoadDocument(doc, {"Ann, Bob, Cid"});
    for (int i = 1; i < CKivvoDoc::kMaxLists; ++i)
        doc.CopyForNextExchange();
    QCOMPARE(doc.GetListCount(), 255);
    doc.SetModifiedFlag(false);

    const CDocResult result = doc.CopyForNextExchange();
    QCOMPARE(result.MessageId(), IDS_TOO_MANY_LISTS);
    QVERIFY(!result);
    QVERIFY(result.Message().contains(QStringLiteral("255")));
    QCOMPARE(doc.GetListCount(), 255);
    QCOMPARE(doc.ListNames().size(), 255);
    QVERIFY(!doc.IsModified());
}

void TestKivvoDoc::importRefusedBeyondWhatTheFileHolds()
{
    CKivvoDoc doc;
    LoadDocument(doc, {"Ann, Fam[Bob]"});
    doc.SetModifiedFlag(false);
    QByteArray rows;
    for (int i = 0; i < CArchive::kMaxEntries - 2; ++i)
        rows += 'P' + QByteArray::number(i) + '\n';
    CParticipantImport import;
    QString strError;
    QVERIFY(import.ReadBytes(rows, false, strError));
    import.Check(*doc.GetNewestList());
    // With the three entries there, one more than the file holds.
    const CDocResult result = doc.ImportParticipants(import);
    QCOMPARE(result.MessageId(), IDS_IMPORT_OVER_LIMIT);
    QCOMPARE(DescribeList(*doc.GetNewestList()), "Ann, Fam[Bob]");
    QVERIFY(!doc.IsModified());
    QVERIFY(!doc.UndoStack()->canUndo());
}

void TestKivvoDoc::listSelector()
{
    CKivvoDoc doc;
    LoadDocument(doc, {"Ann", "Bob", "Cid"});
    NodeAt(doc, 0)->m_pList->m_strName = QStringLiteral("2006");
    NodeAt(doc, 1)->m_pList->m_strName = QStringLiteral("2005");
    NodeAt(doc, 2)->m_pList->m_strName = QStringLiteral("2004");
    doc.NotifyListsChanged();
    QCOMPARE(doc.ListNames(), (QStringList{"2006", "2005", "2004"}));
    QCOMPARE(doc.CurrentListIndex(), 0);

    QSignalSpy updates(&doc, &CDocument::ViewsUpdated);
    doc.SelectList(1);
    QCOMPARE(doc.GetCurrentList(), NodeAt(doc, 1)->m_pList);
    QCOMPARE(updates.count(), 1);
    QCOMPARE(updates.at(0).at(0).toInt(), HINT_LIST_CHANGED);
    QVERIFY(!doc.IsModified());

    doc.NotifyListsChanged(); // e.g. after the current list was renamed
    QCOMPARE(doc.CurrentListIndex(), 1);
}

void TestKivvoDoc::listSelectorReachesListsOfTheSameName()
{
    // Drawings often keep the default name; each must still be reachable.
    CKivvoDoc doc;
    LoadDocument(doc, {"Ann", "Bob", "Cid"});
    for (int i = 0; i < 3; ++i) {
        doc.SelectList(i);
        QCOMPARE(doc.GetCurrentNode(), NodeAt(doc, i));
        doc.NotifyListsChanged();
        QCOMPARE(doc.CurrentListIndex(), i);
    }
}

QTEST_GUILESS_MAIN(TestKivvoDoc)
#include "tst_KivvoDoc.moc"
