// The participant model: unique names, searches, removal, copying and the list report.
#include "model/NameList.h"
#include "support/ListNotation.h"

#include <QTest>

namespace {

CListItem* EntryNamed(const CNameList& list, const QString& strName)
{
    for (CListItem* pItem = list.m_pFirst; pItem; pItem = pItem->m_pNext) {
        if (pItem->m_strName == strName)
            return pItem;
        if (pItem->IsGroup()) {
            for (CPerson* pPerson = static_cast<CGroup*>(pItem)->m_pFirst; pPerson;
                 pPerson = pPerson->Next()) {
                if (pPerson->m_strName == strName)
                    return pPerson;
            }
        }
    }
    return nullptr;
}

} // namespace

class TestNameList : public QObject
{
    Q_OBJECT

private slots:
    void makeUniqueName_data();
    void makeUniqueName();
    void getPersonAt_data();
    void getPersonAt();
    void nameSearchesTellCaseApart();
    void handleLookups();
    void remove_data();
    void remove();
    void appendAfterRemovingLastEntry();
    void countAndDrawnNames_data();
    void countAndDrawnNames();
    void copyForNextDrawing();
    void formatReport_data();
    void formatReport();
    void renamePerson_data();
    void exclusionsFollowThePersons_data();
    void exclusionsFollowThePersons();
    void renamePerson();
};

void TestNameList::makeUniqueName_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("expected");

    QTest::newRow("free name kept") << "Ann"
                                    << "Bob"
                                    << ""
                                    << "Bob";
    QTest::newRow("clash ignores case") << "person, Person1"
                                        << "Person"
                                        << ""
                                        << "Person2";
    QTest::newRow("hint gives initial") << "John"
                                        << "John"
                                        << "Smith"
                                        << "John S";
    QTest::newRow("initial taken: number") << "John, John S"
                                           << "John"
                                           << "Smith"
                                           << "John1";
    QTest::newRow("initial and 1 taken") << "John, John S, John1"
                                         << "John"
                                         << "Smith"
                                         << "John2";
    QTest::newRow("initial taken in other case") << "John, jOHN s"
                                                 << "John"
                                                 << "Smith"
                                                 << "John1";
    QTest::newRow("case-only change of own name") << "Ann"
                                                  << "ANN"
                                                  << ""
                                                  << "ANN1";
    QTest::newRow("grouped persons count") << "Fam[Ann]"
                                           << "ann"
                                           << ""
                                           << "ann1";
    QTest::newRow("group names do not count") << "Ann[Bob]"
                                              << "Ann"
                                              << ""
                                              << "Ann";
    QTest::newRow("empty list") << ""
                                << "Person"
                                << ""
                                << "Person";
    QTest::newRow("initial keeps surrogate pair") << "Zoë"
                                                  << "Zoë"
                                                  << "😀Smile"
                                                  << "Zoë 😀";
    QTest::newRow("gap in numbers is filled") << "Ann, Ann2"
                                              << "Ann"
                                              << ""
                                              << "Ann1";
}

void TestNameList::makeUniqueName()
{
    QFETCH(QString, list);
    QFETCH(QString, name);
    QFETCH(QString, hint);
    QFETCH(QString, expected);
    QCOMPARE(ParseList(list)->MakeUniqueName(name, hint), expected);
}

void TestNameList::getPersonAt_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected"); // "(none)" for null

    QTest::newRow("group first gives its first person") << "Fam[Bob, Cid], Ann" << 0 << "Bob";
    QTest::newRow("flattened order") << "Fam[Bob, Cid], Ann" << 2 << "Ann";
    QTest::newRow("past the end") << "Fam[Bob, Cid], Ann" << 3 << "(none)";
    QTest::newRow("negative") << "Ann" << -1 << "(none)";
    QTest::newRow("empty group is skipped") << "Fam[], Ann" << 0 << "Ann";
    QTest::newRow("group in the middle") << "Ann, Fam[Bob], Cid" << 1 << "Bob";
}

void TestNameList::getPersonAt()
{
    QFETCH(QString, list);
    QFETCH(int, index);
    QFETCH(QString, expected);
    const auto pList = ParseList(list);
    const CPerson* pPerson = pList->GetPersonAt(index);
    QCOMPARE(pPerson ? pPerson->m_strName : QStringLiteral("(none)"), expected);
}

void TestNameList::nameSearchesTellCaseApart()
{
    const auto pList = ParseList("ann>Cid, Fam[Ann>Bob]");
    QString strOut = QStringLiteral("unchanged");
    pList->FindGiftTo(QStringLiteral("Ann"), strOut);
    QCOMPARE(strOut, QStringLiteral("Bob"));
    pList->FindGiftTo(QStringLiteral("ann"), strOut);
    QCOMPARE(strOut, QStringLiteral("Cid"));
    strOut = QStringLiteral("unchanged");
    pList->FindGiftTo(QStringLiteral("Nobody"), strOut);
    QCOMPARE(strOut, QStringLiteral("unchanged"));

    QCOMPARE(pList->FindPerson(QStringLiteral("ANN")), pList->GetPersonAt(0));
    QCOMPARE(pList->FindPerson(QStringLiteral("Fam")), nullptr);
}

void TestNameList::handleLookups()
{
    const auto pList = ParseList("Ann, Fam[Bob, Cid], Dan");
    CListItem* pFam = EntryNamed(*pList, "Fam");
    CListItem* pBob = EntryNamed(*pList, "Bob");
    CListItem* pDan = EntryNamed(*pList, "Dan");

    CNameList::CPlace place;
    QVERIFY(pList->PlaceOf(pBob, place));
    QCOMPARE(place.m_pGroup, pFam);
    QCOMPARE(place.m_pBefore, nullptr);
    QVERIFY(pList->PlaceOf(pDan, place));
    QCOMPARE(place.m_pGroup, nullptr);
    QCOMPARE(place.m_pBefore, pFam);
    CPerson stray(QStringLiteral("Stray"), {}, {});
    QVERIFY(!pList->Contains(&stray));
    QCOMPARE(pList->GroupOf(static_cast<CPerson*>(pBob)), pFam);

    // Taken out and put back at its place, an entry stands where it stood.
    for (CListItem* pEntry : {pBob, pDan, EntryNamed(*pList, "Ann"), EntryNamed(*pList, "Cid")}) {
        QVERIFY(pList->PlaceOf(pEntry, place));
        pList->Unlink(pEntry, place);
        QVERIFY(!pList->Contains(pEntry));
        pList->Link(pEntry, place);
        QCOMPARE(DescribeList(*pList), QStringLiteral("Ann, Fam[Bob, Cid], Dan"));
    }

    auto* pEve = new CPerson(QStringLiteral("Eve"), {}, {});
    QVERIFY(pList->AddToGroup(pEve, static_cast<CGroup*>(pFam)));
    QCOMPARE(DescribeList(*pList), QStringLiteral("Ann, Fam[Bob, Cid, Eve], Dan"));
    QCOMPARE(static_cast<CGroup*>(pFam)->m_nCount, 3);
    pList->Append(new CPerson(QStringLiteral("Fay"), {}, {}));
    QCOMPARE(DescribeList(*pList), QStringLiteral("Ann, Fam[Bob, Cid, Eve], Dan, Fay"));

    CGroup strayGroup(QStringLiteral("Stray"));
    QVERIFY(!pList->AddToGroup(&stray, &strayGroup));
}

void TestNameList::remove_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("removed");
    QTest::addColumn<QString>("after");

    QTest::newRow("group with its persons") << "Ann, Fam[Bob, Cid], Dan"
                                            << "Fam" << true << "Ann, Dan";
    QTest::newRow("grouped person") << "Ann, Fam[Bob, Cid], Dan"
                                    << "Cid" << true << "Ann, Fam[Bob], Dan";
    QTest::newRow("last grouped person leaves empty group") << "Fam[Bob]"
                                                            << "Bob" << true << "Fam[]";
    QTest::newRow("first entry") << "Ann, Bob"
                                 << "Ann" << true << "Bob";
    QTest::newRow("last entry") << "Ann, Bob"
                                << "Bob" << true << "Ann";
    QTest::newRow("not of the list") << "Ann, Bob"
                                     << "" << false << "Ann, Bob";
}

void TestNameList::remove()
{
    QFETCH(QString, list);
    QFETCH(QString, entry);
    QFETCH(bool, removed);
    QFETCH(QString, after);
    const auto pList = ParseList(list);
    CListItem* pEntry = EntryNamed(*pList, entry);
    CPerson stray(QStringLiteral("Stray"), {}, {});
    QCOMPARE(pList->Remove(pEntry ? pEntry : &stray), removed);
    QCOMPARE(DescribeList(*pList), after);
    for (CListItem* pItem = pList->m_pFirst; pItem; pItem = pItem->m_pNext) {
        if (pItem->IsGroup()) {
            auto* pGroup = static_cast<CGroup*>(pItem);
            QCOMPARE(pGroup->m_nCount, pGroup->CountPersons());
        }
    }
}

void TestNameList::appendAfterRemovingLastEntry()
{
    // The last pointers must be mended, or the next entry is linked to a deleted one.
    const auto pList = ParseList("Ann, Fam[Bob, Cid]");
    auto* pGroup = static_cast<CGroup*>(EntryNamed(*pList, "Fam"));
    pList->Remove(EntryNamed(*pList, "Cid"));
    pGroup->Add(new CPerson(QStringLiteral("Dan"), {}, {}));
    pList->Remove(pGroup);
    pList->Append(new CPerson(QStringLiteral("Eve"), {}, {}));
    QCOMPARE(DescribeList(*pList), QStringLiteral("Ann, Eve"));
}

void TestNameList::countAndDrawnNames_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("persons");
    QTest::addColumn<bool>("drawn");

    QTest::newRow("empty") << "" << 0 << false;
    QTest::newRow("groups only, drawn") << "A[Ann>Bob], B[Bob>Ann]" << 2 << true;
    QTest::newRow("top level, not drawn") << "Ann, Bob, Cid" << 3 << false;
    QTest::newRow("one drawn name is enough") << "Ann, F[Bob, Cid>Ann]" << 3 << true;
    QTest::newRow("empty groups count nobody") << "F[], G[]" << 0 << false;
}

void TestNameList::countAndDrawnNames()
{
    QFETCH(QString, list);
    QFETCH(int, persons);
    QFETCH(bool, drawn);
    const auto pList = ParseList(list);
    QCOMPARE(pList->CountPersons(), persons);
    QCOMPARE(pList->HasDrawnNames(), drawn);
    pList->ResetDrawing();
    QVERIFY(!pList->HasDrawnNames());
}

void TestNameList::copyForNextDrawing()
{
    const auto pSource = ParseList("Ann>Bob, Fam[Bob>Cid, Cid>Ann], Fam2[]");
    pSource->m_strName = QStringLiteral("Christmas 2004");
    static_cast<CPerson*>(pSource->m_pFirst)->m_strAddress = QStringLiteral("ann@example.com");
    static_cast<CPerson*>(pSource->m_pFirst)->m_strSuggestions = QStringLiteral("Books");
    CNameList copy;
    copy.CopyForNextDrawing(*pSource);

    QCOMPARE(copy.m_strName, QStringLiteral("Christmas 2004 New Copy"));
    QCOMPARE(DescribeList(copy), QStringLiteral("Ann, Fam[Bob, Cid], Fam2[]"));
    QVERIFY(!copy.HasDrawnNames());
    const auto* pAnn = static_cast<const CPerson*>(copy.m_pFirst);
    QCOMPARE(pAnn->m_strAddress, QStringLiteral("ann@example.com"));
    QCOMPARE(pAnn->m_strSuggestions, QStringLiteral("Books"));
    QCOMPARE(static_cast<const CGroup*>(pAnn->m_pNext)->m_nCount, 2);
    QCOMPARE(DescribeList(*pSource), QStringLiteral("Ann>Bob, Fam[Bob>Cid, Cid>Ann], Fam2[]"));
}

void TestNameList::formatReport_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<bool>("giftTo");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty list") << "" << true << "";
    QTest::newRow("names only") << "Ann>Carl, Smiths[Bob>Ann, Carl>Dora], Dora>Bob" << false
                                << "Ann\r\n***Smiths\r\n   Bob\r\n   Carl\r\nDora\r\n";
    QTest::newRow("with drawn names")
        << "Ann>Carl, Smiths[Bob>Ann, Carl>Dora], Dora>Bob" << true
        << "Ann --> Carl\r\n***Smiths\r\n   Bob --> Ann\r\n   Carl --> Dora\r\nDora --> Bob\r\n";
    QTest::newRow("arrow even when not drawn") << "Ann" << true << "Ann --> \r\n";
    QTest::newRow("empty group has its line only") << "Fam[]" << true << "***Fam\r\n";
}

void TestNameList::formatReport()
{
    QFETCH(QString, list);
    QFETCH(bool, giftTo);
    QFETCH(QString, expected);
    QString strOut = QStringLiteral("replaced");
    ParseList(list)->FormatReport(strOut, giftTo);
    QCOMPARE(strOut, expected);
}

void TestNameList::renamePerson_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("person");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");

    QTest::newRow("drawn name follows") << "Ann>Bob, Fam[Bob>Cid, Cid>Ann]"
                                        << "Bob"
                                        << "Rob"
                                        << "Ann>Rob, Fam[Rob>Cid, Cid>Ann]";
    QTest::newRow("taken name made unique, and followed") << "Ann>Bob, Bob>Cid, Cid>Ann"
                                                          << "Cid"
                                                          << "ann"
                                                          << "Ann>Bob, Bob>ann1, ann1>Ann";
    QTest::newRow("empty keeps the old name") << "Ann>Bob, Bob>Ann"
                                              << "Bob"
                                              << ""
                                              << "Ann>Bob, Bob>Ann";
    QTest::newRow("blanks keep the old name") << "Ann>Bob, Bob>Ann"
                                              << "Bob"
                                              << "  "
                                              << "Ann>Bob, Bob>Ann";
    QTest::newRow("a name two persons share is left where drawn") << "Ann>Bob, Bob>Ann, Bob"
                                                                  << "Bob"
                                                                  << "Rob"
                                                                  << "Ann>Bob, Rob>Ann, Bob";
    QTest::newRow("naming the nameless draws nobody") << "Ann, , Bob"
                                                      << ""
                                                      << "Cid"
                                                      << "Ann, Cid, Bob";
}

void TestNameList::renamePerson()
{
    QFETCH(QString, list);
    QFETCH(QString, person);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    const auto pList = ParseList(list);
    CPerson* pPerson = pList->FindPerson(person);
    const QString strStored = pList->RenamePerson(pPerson, name);
    QCOMPARE(strStored, pPerson->m_strName);
    QCOMPARE(DescribeList(*pList), expected);
}

void TestNameList::exclusionsFollowThePersons_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("expected"); // the exclusions afterwards

    // Each row starts from "Ann, Fam[Bob, Cid], Dan" where Ann never draws Bob or Dan, and
    // Bob and Dan never draw each other.
    QTest::newRow("rename") << "rename Bob Rob"
                            << "Ann>Rob, Ann>Dan, Rob>Dan, Dan>Rob";
    QTest::newRow("remove a person") << "remove Dan"
                                     << "Ann>Bob";
    QTest::newRow("remove a group") << "remove Fam"
                                    << "Ann>Dan";
    QTest::newRow("copy for the next exchange") << "copy"
                                                << "Ann>Bob, Ann>Dan, Bob>Dan, Dan>Bob";
    // "set GIVER ONE-WAY NAMES | BOTH-WAYS NAMES"
    QTest::newRow("set one way: the other may draw him") << "set Dan Ann"
                                                         << "Ann>Bob, Dan>Ann";
    QTest::newRow("set both ways, names with commas")
        << "set Bob | Smith, Dan"
        << "Ann>Bob, Ann>Dan, Bob>Smith, Dan, Smith, Dan>Bob";
    QTest::newRow("each name its own way") << "set Ann Bob | Dan"
                                           << "Ann>Bob, Ann>Dan, Bob>Dan, Dan>Bob, Dan>Ann";
    QTest::newRow("nobody: both ways gone") << "set Dan"
                                            << "Ann>Bob, Ann>Dan";
}

void TestNameList::exclusionsFollowThePersons()
{
    QFETCH(QString, edit);
    QFETCH(QString, expected);
    auto pList = ParseList("Ann, Fam[Bob, Cid], Dan");
    for (const auto& [strGiver, strRecipient] :
         {std::pair{"Ann", "Bob"}, {"Ann", "Dan"}, {"Bob", "Dan"}, {"Dan", "Bob"}})
        pList->m_exclusions.Add(strGiver, strRecipient);
    const QStringList words = edit.split(u' ');
    if (words[0] == u"rename") {
        pList->RenamePerson(pList->FindPerson(words[1]), words[2]);
    } else if (words[0] == u"remove") {
        pList->Remove(EntryNamed(*pList, words[1]));
    } else if (words[0] == u"copy") {
        auto pCopy = std::make_unique<CNameList>();
        pCopy->CopyForNextDrawing(*pList);
        pList = std::move(pCopy);
    } else {
        // A person named "Smith, Dan" joins first.
        pList->Append(new CPerson(QStringLiteral("Smith, Dan"), {}, {}));
        const QStringList ways = words.mid(2).join(u' ').split(u'|');
        QList<CNeverDraws> neverDraws;
        for (qsizetype nWay = 0; nWay < ways.size(); ++nWay) {
            QStringList names;
            QString strError;
            QVERIFY(pList->ParseNames(ways.at(nWay), words[1], names, strError));
            for (const QString& strName : std::as_const(names))
                neverDraws.append({strName, nWay == 1});
        }
        pList->SetExclusionsOf(words[1], neverDraws);
    }
    QStringList pairs;
    for (const CExclusions::CPair& pair : pList->m_exclusions.Pairs())
        pairs.append(pair.m_strGiver + u'>' + pair.m_strRecipient);
    QCOMPARE(pairs.join(QStringLiteral(", ")), expected);
}

QTEST_APPLESS_MAIN(TestNameList)
#include "tst_NameList.moc"
