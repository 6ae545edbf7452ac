// The document file: exact bytes, round trips, and damaged files that must not be opened.
#include "app/KivvoDoc.h"
#include "model/NameList.h"
#include "platform/Archive.h"
#include "support/ArchiveBytes.h"
#include "support/DocumentNotation.h"
#include "support/FailingDevice.h"
#include "support/ListNotation.h"
#include "support/RecordingMessageHandler.h"
#include "text/Resource.h"

#include <QBuffer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

QByteArray Hex(const char* pHex)
{
    return QByteArray::fromHex(pHex);
}

QByteArray Save(CKivvoDoc& doc)
{
    return StoredBytes([&](CArchive& ar) { doc.Serialize(ar); });
}

bool Load(CKivvoDoc& doc, const QByteArray& bytes)
{
    return LoadBytes(bytes, [&](CArchive& ar) { doc.Serialize(ar); });
}

} // namespace

class TestDocumentFile : public QObject
{
    Q_OBJECT

private slots:
    void exactBytes_data();
    void exactBytes();
    void roundTrip_data();
    void roundTrip();
    void readsFilesOfOtherWriters();
    void unknownTagEndsTheList();
    void damagedFilesLeaveDocumentAsItWas_data();
    void damagedFilesLeaveDocumentAsItWas();
    void everyTruncationFails();
    void extensionAfterTheLists();
    void sealAndItsRecord();
    void whoWasToldAndTheQuoteSetting();
    void rolesAndSeveralGifts();
    void openAndSaveThroughFiles();
    void failedSaveKeepsTheOldFile();
    void saveThatCouldNotBeOpenedIsRefused_data();
    void saveThatCouldNotBeOpenedIsRefused();
    void writeErrorIsReported();
};

void TestDocumentFile::exactBytes_data()
{
    QTest::addColumn<QStringList>("lists");
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray person = Int(1) + Str("Ann") + Str("") + Str("") + Str("");
    QTest::newRow("one list, one person")
        << QStringList{"Ann"} << Int(1) + Hex("01") + Str("List") + person + Int(3);
    QTest::newRow("empty list") << QStringList{""} << Int(1) + Hex("01") + Str("List") + Int(3);
    QTest::newRow("empty group") << QStringList{"Fam[]"}
                                 << Int(1) + Hex("01") + Str("List") + Int(2) + Str("Fam") +
                                        Int(0) + Int(3);
    QTest::newRow("group with drawn person")
        << QStringList{"Fam[Ann>Bo]"}
        << Int(1) + Hex("01") + Str("List") + Int(2) + Str("Fam") + Int(1) + Int(1) + Str("Ann") +
               Str("") + Str("") + Str("Bo") + Int(3);
    QTest::newRow("two lists newest first")
        << QStringList{"", "Ann"}
        << Int(1) + Hex("02") + Str("List") + Int(3) + Str("List") + person + Int(3);
}

void TestDocumentFile::exactBytes()
{
    QFETCH(QStringList, lists);
    QFETCH(QByteArray, bytes);
    CKivvoDoc doc;
    BuildDocument(doc, lists);
    QCOMPARE(Save(doc).toHex(' '), bytes.toHex(' '));
}

void TestDocumentFile::roundTrip_data()
{
    QTest::addColumn<QStringList>("lists");

    QTest::newRow("single empty list") << QStringList{""};
    QTest::newRow("groups and drawn names")
        << QStringList{"Ann>Carl, Smiths[Bob>Ann, Carl>Dora], Dora>Bob, Empty[]"};
    QTest::newRow("history of three drawings")
        << QStringList{"Ann, Bob, Cid", "Ann>Bob, Bob>Cid, Cid>Ann", "Ann>Cid, Bob>Ann, Cid>Bob"};
    QTest::newRow("any script") << QStringList{"Zoë>李雷, Łukasz[李雷>Zoë, 😀>Łukasz]"};
    QTest::newRow("long name") << QStringList{QString(70000, u'x')};
}

void TestDocumentFile::roundTrip()
{
    QFETCH(QStringList, lists);
    CKivvoDoc doc;
    BuildDocument(doc, lists);
    auto* pFirst = static_cast<CPerson*>(doc.GetNewestList()->m_pFirst);
    if (pFirst && !pFirst->IsGroup()) {
        pFirst->m_strAddress = QStringLiteral("ann@example.com; Work");
        pFirst->m_strSuggestions = QStringLiteral("Books\r\nTea");
    }
    const QByteArray bytes = Save(doc);

    CKivvoDoc loaded;
    QSignalSpy updates(&loaded, &CDocument::ViewsUpdated);
    QVERIFY(Load(loaded, bytes));
    QCOMPARE(DescribeDocument(loaded), DescribeDocument(doc));
    QCOMPARE(loaded.GetListCount(), lists.size());
    QCOMPARE(loaded.GetCurrentNode(), loaded.GetHeadNode());
    QCOMPARE(updates.count(), 1);
    QCOMPARE(updates.at(0).at(0).toInt(), HINT_LIST_CHANGED);
    QCOMPARE(Save(loaded), bytes);
}

void TestDocumentFile::readsFilesOfOtherWriters()
{
    // Single-byte strings, a stored format number other writers may leave, and group counts
    // are recomputed while reading.
    const QByteArray bytes = Int(1) + Hex("01") + Hex("0458") + "mas" + Int(2) + Hex("03") + "Fam" +
                             Int(1) + Int(1) + Hex("03") + "Ren" + Hex("00") + Hex("00") +
                             Hex("00") + Int(3);
    CKivvoDoc doc;
    QVERIFY(Load(doc, bytes));
    QCOMPARE(DescribeDocument(doc), QStringList{"Xmas: Fam[Ren]"});
}

void TestDocumentFile::unknownTagEndsTheList()
{
    const QByteArray bytes = Int(1) + Hex("02") + Str("A") + Int(1) + Str("Ann") + Str("") +
                             Str("") + Str("") + Int(9) + Str("B") + Int(3);
    CKivvoDoc doc;
    QVERIFY(Load(doc, bytes));
    QCOMPARE(DescribeDocument(doc), (QStringList{"A: Ann", "B: "}));
}

void TestDocumentFile::damagedFilesLeaveDocumentAsItWas_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("text file") << QByteArray("Dear Santa, I would like a pony.\n");
    QTest::newRow("other format number") << Int(2) + Hex("01") + Str("List") + Int(3);
    QTest::newRow("no lists") << Int(1) + Hex("00");
    QTest::newRow("more lists than stored") << Int(1) + Hex("02") + Str("List") + Int(3);
    QTest::newRow("group count beyond the data") << Int(1) + Hex("01") + Str("L") + Int(2) +
                                                        Str("G") + Int(0x7FFFFFFF) + Int(1) +
                                                        Str("Ann") + Str("") + Str("") + Str("");
    QTest::newRow("string longer than the file")
        << Int(1) + Hex("01") + Hex("FFFEFFFFFFFFFFFFFF7F") + Int(3);

    // What follows the lists: the rules and exclusions, checked like the rest.
    const QByteArray lists =
        Int(1) + Hex("01") + Str("L") + Int(1) + Str("Ann") + Str("") + Str("") + Str("") + Int(3);
    const QByteArray mark = QByteArray("KivvoExt") + Int(1);
    QTest::newRow("foreign data after the lists") << lists + "garbage after the lists";
    QTest::newRow("part of the mark") << lists + "Kivvo";
    QTest::newRow("extension of a newer format") << lists + "KivvoExt" + Int(2);
    QTest::newRow("section longer than the file") << lists + mark + Int(1) + Int(100) + Int(1);
    QTest::newRow("negative section length") << lists + mark + Int(1) + Int(-6);
    QTest::newRow("history out of range")
        << lists + mark + Int(1) + Int(6) + Int(256) + Hex("0000");
    QTest::newRow("a rule neither on nor off")
        << lists + mark + Int(1) + Int(6) + Int(1) + Hex("0200");
    QTest::newRow("exclusions of a list not there")
        << lists + mark + Int(2) + Int(9) + Int(1) + Hex("05") + Int(0);
    QTest::newRow("more exclusions than the section holds")
        << lists + mark + Int(2) + Int(9) + Int(1) + Hex("00") + Int(0x7FFFFFFF);
    QTest::newRow("section cut short") << lists + mark + Int(1) + Int(6) + Int(1);
    const QByteArray badDate = Int(1) + Hex("00") + Str("2026-02-30") + Str("") + Str("") + Str("");
    QTest::newRow("a date that is no day")
        << lists + mark + Int(3) + Int(int(badDate.size())) + badDate;
    const QByteArray elsewhere = Int(1) + Hex("03") + Str("") + Str("5") + Str("") + Str("");
    QTest::newRow("details of a list not there")
        << lists + mark + Int(3) + Int(int(elsewhere.size())) + elsewhere;
    // Millions of tiny entries would take many times the file's size in memory.
    QTest::newRow("more persons than any document holds")
        << Int(1) + Hex("01") + Str("L") +
               (Int(1) + Str("") + Str("") + Str("") + Str(""))
                   .repeated(CArchive::kMaxEntries + 1) +
               Int(3);
    QTest::newRow("group of more persons than any document holds")
        << Int(1) + Hex("01") + Str("L") + Int(2) + Str("G") + Int(CArchive::kMaxEntries) +
               (Int(1) + Str("") + Str("") + Str("") + Str("")).repeated(CArchive::kMaxEntries) +
               Int(3);
}

void TestDocumentFile::damagedFilesLeaveDocumentAsItWas()
{
    QFETCH(QByteArray, bytes);
    CRecordingMessageHandler messages;
    CKivvoDoc doc;
    BuildDocument(doc, {"Ann>Bob, Fam[Bob>Ann]", "Ann, Bob"});
    const QStringList before = DescribeDocument(doc);
    const CListNode* pCurrent = doc.GetCurrentNode();
    QSignalSpy updates(&doc, &CDocument::ViewsUpdated);

    QVERIFY(!Load(doc, bytes));
    QCOMPARE(DescribeDocument(doc), before);
    QCOMPARE(doc.GetCurrentNode(), pCurrent);
    QCOMPARE(updates.count(), 0);
    QVERIFY(messages.m_boxes.isEmpty()); // the open reports it, not the reader
}

void TestDocumentFile::everyTruncationFails()
{
    CKivvoDoc doc;
    BuildDocument(doc, {"Ann>Carl, Smiths[Bob>Ann, Carl>Dora], Dora>Bob, E[]", "Ann, Bob"});
    const QByteArray bytes = Save(doc);
    for (qsizetype n = 0; n < bytes.size(); ++n) {
        CKivvoDoc target;
        BuildDocument(target, {"Keep"});
        QVERIFY2(!Load(target, bytes.left(n)), qPrintable(QString::number(n)));
        QCOMPARE(DescribeDocument(target), QStringList{"List: Keep"});
    }
}

void TestDocumentFile::extensionAfterTheLists()
{
    CKivvoDoc doc;
    BuildDocument(doc, {"Ann, Bob, Cid", "Ann>Bob, Bob>Cid, Cid>Ann"});
    const QByteArray listBytes = Save(doc);
    CDrawRules rules;
    rules.m_nHistory = 2;
    rules.m_bNoMutual = true;
    doc.SetRules(rules);
    doc.GetNewestList()->m_exclusions.Add(QStringLiteral("Ann"), QStringLiteral("Bob"));
    const QByteArray bytes = Save(doc);

    // The lists as before, then the mark, the format and two sections of kind and length.
    const QByteArray exclusions = Int(1) + Hex("00") + Int(1) + Str("Ann") + Str("Bob");
    QCOMPARE(bytes.toHex(' '), (listBytes + "KivvoExt" + Int(1) + Int(1) + Int(6) + Int(2) +
                                Hex("0100") + Int(2) + Int(int(exclusions.size())) + exclusions)
                                   .toHex(' '));

    // A reader that knows only the lists reads them all and stops there.
    QStringList older;
    QVERIFY(LoadBytes(bytes, [&](CArchive& ar) {
        ar.ReadInt();
        for (int n = ar.ReadByte(); n > 0; --n) {
            CNameList list;
            list.Serialize(ar);
            older.append(DescribeList(list));
        }
    }));
    QCOMPARE(older, (QStringList{"Ann, Bob, Cid", "Ann>Bob, Bob>Cid, Cid>Ann"}));

    // This version reads it all back, and writes a later version's section back unchanged,
    // also after an edit.
    CKivvoDoc loaded;
    const QByteArray later = Int(77) + Int(3) + "new";
    QVERIFY(Load(loaded, bytes + later));
    QCOMPARE(loaded.GetRules(), rules);
    QVERIFY(loaded.GetNewestList()->m_exclusions.Contains("Ann", "Bob"));
    QCOMPARE(Save(loaded), bytes + later);
    loaded.SetRules(CDrawRules());
    QVERIFY(Save(loaded).endsWith(later));
    QVERIFY(Load(loaded, bytes));
    QCOMPARE(Save(loaded), bytes); // and forgets it with the document

    // An exchange's details and the e-mail language come after, each only when set.
    const CExchangeDetails details{QDate(2026, 12, 24), "25 EUR", "Grandma's", "Wrap it"};
    doc.SetDetails(doc.GetLists().at(1), details);
    doc.SetMailLanguageCode(QStringLiteral("de"));
    const QByteArray detailsSection =
        Int(1) + Hex("01") + Str("2026-12-24") + Str("25 EUR") + Str("Grandma's") + Str("Wrap it");
    const QByteArray withDetails = Save(doc);
    QCOMPARE(withDetails.toHex(' '), (bytes + Int(3) + Int(int(detailsSection.size())) +
                                      detailsSection + Int(4) + Int(8) + Str("de"))
                                         .toHex(' '));
    QVERIFY(Load(loaded, withDetails));
    QCOMPARE(loaded.GetLists().at(1)->m_details, details);
    QCOMPARE(loaded.GetMailLanguageCode(), QStringLiteral("de"));
    QCOMPARE(Save(loaded), withDetails);
}

void TestDocumentFile::sealAndItsRecord()
{
    CKivvoDoc doc;
    BuildDocument(doc, {"Ann>Bob, Bob>Cid, Cid>Ann"});
    const QByteArray unsealed = Save(doc);
    doc.SetRules(CDrawRules{2, false, false});
    QVERIFY(doc.SetSealed(true));
    QVERIFY(doc.IsSealedDrawing(doc.GetNewestList()));
    // The seal's own section, after the rules and the (empty) exclusions.
    const QByteArray sealed = Save(doc);
    QCOMPARE(sealed.toHex(' '),
             (unsealed + "KivvoExt" + Int(1) + Int(1) + Int(6) + Int(2) + Hex("0000") + Int(2) +
              Int(4) + Int(0) + Int(5) + Int(5) + Hex("01") + Int(0))
                 .toHex(' '));

    // Broken: recorded with the drawing, outside the undo stack, so that no undo takes the
    // record back or seals the drawing again unrecorded.
    const CDocResult broken = doc.SetSealed(false);
    QCOMPARE(broken.MessageId(), IDS_SEAL_BROKEN_NOW);
    const QDateTime when = doc.GetNewestList()->m_sealBroken;
    QVERIFY(qAbs(when.secsTo(QDateTime::currentDateTime())) < 60);
    QVERIFY(broken.Message().startsWith(CKivvoDoc::SealRecord(doc.GetNewestList())));
    QVERIFY(doc.IsModified());
    QVERIFY(doc.Undo());
    QCOMPARE(doc.GetRules(), CDrawRules());
    QVERIFY(!doc.IsSealed());
    QCOMPARE(doc.GetNewestList()->m_sealBroken, when);

    // It survives a save, and a copy for the next exchange starts sealed as the setting
    // says, with no record of its own.
    CKivvoDoc loaded;
    QVERIFY(Load(loaded, Save(doc)));
    QCOMPARE(loaded.GetNewestList()->m_sealBroken.toSecsSinceEpoch(), when.toSecsSinceEpoch());
    QVERIFY(loaded.SetSealed(true));
    QVERIFY(loaded.CopyForNextExchange());
    QVERIFY(!loaded.GetNewestList()->m_sealBroken.isValid());
    QVERIFY(loaded.IsSealedDrawing(loaded.GetNewestList()));
    QVERIFY(!loaded.IsSealedDrawing(loaded.GetLists().at(1)));
    QVERIFY(!loaded.WouldBreakSeal()); // nothing drawn in the copy yet: no question, no record
    CKivvoDoc reloaded;
    QVERIFY(Load(reloaded, Save(loaded)));
    QVERIFY(reloaded.IsSealed());
    QVERIFY(reloaded.GetLists().at(1)->m_sealBroken.isValid());
    QVERIFY(reloaded.SetSealed(false));
    QVERIFY(!reloaded.GetNewestList()->m_sealBroken.isValid());
}

void TestDocumentFile::whoWasToldAndTheQuoteSetting()
{
    CKivvoDoc doc;
    BuildDocument(doc, {"Ann>Bob, Bob>Cid, Cid>Ann"});
    const QByteArray untold = Save(doc);
    doc.RecordTold(QStringList{"Bob", "Nobody"}, CTold::byMail);
    doc.RecordTold(QStringList{"Bob"}, CTold::onCard);
    QVERIFY(doc.IsModified());
    QVERIFY(doc.UndoStack()->count() == 0);
    const CTold told = doc.GetNewestList()->GetPersonAt(1)->m_told;
    QCOMPARE(told.m_strGiftTo, "Cid");
    QCOMPARE(told.m_nHow, CTold::byMail | CTold::onCard);
    QCOMPARE(doc.PersonsToTellAgain().size(), 2); // Ann and Cid were told nothing

    // In a section of its own, only while somebody was told; a name follows its person.
    CKivvoDoc loaded;
    QVERIFY(Load(loaded, Save(doc)));
    QVERIFY(Save(doc).startsWith(untold));
    QCOMPARE(loaded.GetNewestList()->GetPersonAt(1)->m_told.m_nHow, told.m_nHow);
    QVERIFY(loaded.Rename(loaded.GetNewestList(), loaded.GetNewestList()->GetPersonAt(2), "Cyd"));
    QCOMPARE(loaded.GetNewestList()->GetPersonAt(1)->m_told.m_strGiftTo, "Cyd");
    QVERIFY(!loaded.GetNewestList()->GetPersonAt(1)->MustBeToldAgain());

    // Unquoted history is a setting of its own section, an undoable change.
    QVERIFY(loaded.SetQuoteHistory(false));
    CKivvoDoc unquoted;
    QVERIFY(Load(unquoted, Save(loaded)));
    QVERIFY(!unquoted.QuotesHistory());
    QVERIFY(loaded.Undo());
    QVERIFY(loaded.QuotesHistory());
}

void TestDocumentFile::rolesAndSeveralGifts()
{
    CKivvoDoc doc;
    BuildDocument(doc, {"Ann, Bob, Cid, Dan, Eve"});
    const QByteArray plain = Save(doc);
    CNameList* pList = doc.GetNewestList();
    CPersonFields fields = CPersonFields::Of(*pList->GetPersonAt(4));
    fields.m_role = ERole::receivesOnly;
    QVERIFY(doc.SetPerson(pList->GetPersonAt(4), fields));
    CDrawRules rules;
    rules.m_nGifts = 2;
    QVERIFY(doc.SetRules(rules));
    // One circle runs once through everybody with one gift each: refused, nothing changed.
    rules.m_bOneCircle = true;
    QVERIFY(!doc.SetRules(rules));
    QCOMPARE(doc.GetRules().m_nGifts, 2);
    QVERIFY(doc.DrawNames());
    doc.RecordTold(QStringList{"Ann"}, CTold::byMail);
    const QStringList annGives = pList->GetPersonAt(0)->GiftsTo();
    QCOMPARE(annGives.size(), 2);
    QVERIFY(pList->GetPersonAt(4)->GiftsTo().isEmpty());

    // Read back: the role, the rule, every recipient and what was told; a renamed recipient
    // is followed into every place he is named.
    CKivvoDoc loaded;
    QVERIFY(Load(loaded, Save(doc)));
    CNameList* pLoaded = loaded.GetNewestList();
    QCOMPARE(pLoaded->GetPersonAt(4)->m_role, ERole::receivesOnly);
    QCOMPARE(loaded.GetRules().m_nGifts, 2);
    QCOMPARE(pLoaded->GetPersonAt(0)->GiftsTo(), annGives);
    QVERIFY(!pLoaded->GetPersonAt(0)->MustBeToldAgain());
    QVERIFY(loaded.CheckNewestDrawing());
    CPerson* pSecond = pLoaded->FindPerson(annGives.at(1));
    QVERIFY(loaded.Rename(pLoaded, pSecond, "Zed"));
    QCOMPARE(pLoaded->GetPersonAt(0)->GiftsTo().at(1), "Zed");
    QVERIFY(!pLoaded->GetPersonAt(0)->MustBeToldAgain());
    QVERIFY(loaded.Undo());
    QCOMPARE(pLoaded->GetPersonAt(0)->GiftsTo(), annGives);

    // Undone to the plain list, the document is written byte for byte as before.
    while (doc.UndoStack()->canUndo())
        QVERIFY(doc.Undo());
    QCOMPARE(doc.GetRules().m_nGifts, 1);
    doc.GetNewestList()->ForEachPerson([](CPerson* pPerson) { pPerson->m_told = {}; });
    QCOMPARE(Save(doc), plain);
}

void TestDocumentFile::openAndSaveThroughFiles()
{
    QTemporaryDir dir;
    const QString strPath = dir.filePath(QStringLiteral("circle.kv"));
    CRecordingMessageHandler messages;
    CKivvoDoc doc;
    doc.OnNewDocument();
    doc.GetNewestList()->Append(new CPerson(QStringLiteral("Ann"), {}, {}));
    doc.SetModifiedFlag();
    QVERIFY(doc.OnSaveDocument(strPath));
    QVERIFY(!doc.IsModified());
    QCOMPARE(doc.GetPathName(), strPath);

    CKivvoDoc reopened;
    QVERIFY(reopened.OnOpenDocument(strPath));
    QCOMPARE(DescribeDocument(reopened), QStringList{"List: Ann"});

    QFile damaged(dir.filePath(QStringLiteral("damaged.kv")));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(Int(1) + Hex("01"));
    damaged.close();
    QVERIFY(!messages.Tell(reopened.OnOpenDocument(damaged.fileName())));
    QCOMPARE(DescribeDocument(reopened), QStringList{"List: Ann"});
    QCOMPARE(reopened.GetPathName(), strPath);
    QCOMPARE(messages.Ids(), QList<int>{IDS_FILE_READ_ERROR});
    QVERIFY(messages.m_boxes.at(0).m_strText.contains(QStringLiteral("damaged.kv")));

    QVERIFY(!messages.Tell(reopened.OnOpenDocument(dir.filePath(QStringLiteral("missing.kv")))));
    QCOMPARE(messages.Ids().last(), IDS_FILE_OPEN_ERROR);
    QVERIFY(messages.m_boxes.last().m_strText.contains(QStringLiteral("missing.kv")));
}

void TestDocumentFile::failedSaveKeepsTheOldFile()
{
    QTemporaryDir dir;
    CRecordingMessageHandler messages;
    CKivvoDoc doc;
    doc.OnNewDocument();
    doc.SetModifiedFlag();
    const QString strPath = dir.filePath(QStringLiteral("no-such-folder/circle.kv"));
    QVERIFY(!messages.Tell(doc.OnSaveDocument(strPath)));
    QVERIFY(doc.IsModified());
    QVERIFY(doc.GetPathName().isEmpty());
    QCOMPARE(messages.Ids(), QList<int>{IDS_FILE_SAVE_ERROR});
    QVERIFY(messages.m_boxes.at(0).m_strText.contains(QStringLiteral("circle.kv")));
}

void TestDocumentFile::saveThatCouldNotBeOpenedIsRefused_data()
{
    QTest::addColumn<int>("persons");
    QTest::addColumn<int>("nameLength");
    QTest::addColumn<QString>("why");

    // Each name takes 2 MiB: 257 of them are more than the largest file that is opened.
    QTest::newRow("larger than any file opened")
        << 257 << int(CArchive::kMaxTextLength) << "more than the 536870912 bytes";
    QTest::newRow("more entries than any document opened")
        << CArchive::kMaxEntries + 1 << 0 << "more than 500000 persons and groups";
}

void TestDocumentFile::saveThatCouldNotBeOpenedIsRefused()
{
    QFETCH(int, persons);
    QFETCH(int, nameLength);
    QFETCH(QString, why);
    QTemporaryDir dir;
    CRecordingMessageHandler messages;
    CKivvoDoc doc;
    doc.OnNewDocument();
    const QString strName(nameLength, u'x'); // shared by every person: little memory
    for (int i = 0; i < persons; ++i)
        doc.GetNewestList()->Append(new CPerson(strName, {}, {}));
    const QString strPath = dir.filePath("circle.kv");
    QVERIFY(!messages.Tell(doc.OnSaveDocument(strPath)));
    QCOMPARE(messages.Ids(), QList<int>{IDS_FILE_SAVE_ERROR});
    QVERIFY2(messages.m_boxes.at(0).m_strText.contains(why),
             qPrintable(messages.m_boxes.at(0).m_strText));
    QVERIFY(!QFileInfo::exists(strPath));
    QVERIFY(doc.IsModified() || doc.GetPathName().isEmpty());
}

void TestDocumentFile::writeErrorIsReported()
{
    CKivvoDoc doc;
    BuildDocument(doc, {"Ann, Bob, Cid"});
    const qsizetype nFull = Save(doc).size();
    for (qsizetype nLimit : {qsizetype(0), qsizetype(5), nFull / 2, nFull - 1}) {
        CFailingDevice device({}, nLimit);
        device.open(QIODevice::WriteOnly);
        CArchive ar(&device, CArchive::store);
        doc.Serialize(ar);
        QVERIFY2(!ar.IsOk(), qPrintable(QString::number(nLimit)));
    }
}

QTEST_GUILESS_MAIN(TestDocumentFile)
#include "tst_DocumentFile.moc"
