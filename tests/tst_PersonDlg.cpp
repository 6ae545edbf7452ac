// The person properties dialog, driven through its real fields and buttons.
#include "app/KivvoApp.h"
#include "app/KivvoDoc.h"
#include "desktop/ContactComboBox.h"
#include "desktop/PersonDlg.h"
#include "model/NameList.h"
#include "support/DocumentNotation.h"
#include "support/ListNotation.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

class TestPersonDlg : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void addressLineOnOpening_data();
    void addressLineOnOpening();
    void addressLineFollowsEveryChange();
    void nameProposal_data();
    void nameProposal();
    void pickingFromTheList();
    void okStoresWhatWasTyped_data();
    void okStoresWhatWasTyped();
    void cancelStoresNothing();
    void dropDownRefillsContacts();
    void neverDraws_data();
    void neverDraws();

private:
    CPerson* Open(const QString& strList, const QString& strPerson);
    QLineEdit* Name() { return m_pDialog->findChild<QLineEdit*>("name"); }
    CContactComboBox* Address() { return m_pDialog->findChild<CContactComboBox*>("address"); }
    QString Resolved() { return m_pDialog->findChild<QLabel*>("resolvedAddress")->text(); }
    QPlainTextEdit* Suggestions() { return m_pDialog->findChild<QPlainTextEdit*>("suggestions"); }
    void TypeAddress(const QString& strText)
    {
        Address()->lineEdit()->selectAll();
        QTest::keyClicks(Address()->lineEdit(), strText);
    }
    // The completion list, if open, closed; then the focus to the next field.
    void LeaveAddress()
    {
        if (QWidget* pPopup = QApplication::activePopupWidget())
            QTest::keyClick(pPopup, Qt::Key_Escape);
        QCOMPARE(Address()->currentText().isEmpty(), false);
        Suggestions()->setFocus();
    }
    void EnterAddress(const QString& strText)
    {
        Address()->setFocus();
        TypeAddress(strText);
        LeaveAddress();
    }

    std::unique_ptr<CKivvoApp> m_pApp;
    std::unique_ptr<CKivvoDoc> m_pDoc;
    CNameList* m_pList = nullptr;
    std::unique_ptr<CPersonDlg> m_pDialog;
};

void TestPersonDlg::init()
{
    m_pApp = std::make_unique<CKivvoApp>();
    m_pApp->m_arrContacts[0] = "Ann Smith;Ann;Smith;ann@home.org;ann@work.org;;";
    m_pApp->m_arrContacts[1] = "Bob Jones;Bob;Jones;bob@jones.org;;;";
}

void TestPersonDlg::cleanup()
{
    m_pDialog.reset();
    m_pList = nullptr;
    m_pDoc.reset();
    m_pApp.reset();
}

CPerson* TestPersonDlg::Open(const QString& strList, const QString& strPerson)
{
    m_pDialog.reset();
    m_pDoc = std::make_unique<CKivvoDoc>();
    BuildDocument(*m_pDoc, {strList});
    m_pList = m_pDoc->GetNewestList();
    CPerson* pPerson =
        m_pList->FirstPersonWhere([&](CPerson* p) { return p->m_strName == strPerson; });
    m_pDialog = std::make_unique<CPersonDlg>(pPerson, m_pDoc.get());
    m_pDialog->show();
    m_pDialog->activateWindow();
    if (!QTest::qWaitForWindowActive(m_pDialog.get()))
        return nullptr;
    return pPerson;
}

void TestPersonDlg::addressLineOnOpening_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("resolved");
    QTest::addColumn<bool>("warned"); // neither an address nor a name of the address book

    const QString strOfTwo = " (the e-mail goes to this one of the entry's 2 addresses only; add "
                             ":1, :2 or :3 to the name to choose another)";
    QTest::newRow("address-book name") << "ann smith"
                                       << "ann@home.org" + strOfTwo << false;
    QTest::newRow("with selector") << "Ann Smith:2"
                                   << "ann@work.org" + strOfTwo << false;
    QTest::newRow("name with a colon") << "Dr: Who"
                                       << "who@tardis.org" << false;
    QTest::newRow("e-mail address") << "ann@example.com"
                                    << "" << false;
    QTest::newRow("none") << ""
                          << "" << false;
    QTest::newRow("unknown name") << "Nobody"
                                  << "" << true;
    QTest::newRow("not an address") << "farah at example"
                                    << "" << true;
}

void TestPersonDlg::addressLineOnOpening()
{
    QFETCH(QString, address);
    QFETCH(QString, resolved);
    QFETCH(bool, warned);
    m_pApp->m_arrContacts[2] = "Dr: Who;Doctor;Who;who@tardis.org;;;";
    m_pDoc = std::make_unique<CKivvoDoc>();
    BuildDocument(*m_pDoc, {"Ann"});
    m_pList = m_pDoc->GetNewestList();
    m_pList->GetPersonAt(0)->m_strAddress = address;
    m_pList->GetPersonAt(0)->m_strGiftTo = "Zelda";
    m_pDialog = std::make_unique<CPersonDlg>(m_pList->GetPersonAt(0), m_pDoc.get());
    m_pDialog->show();
    QTRY_COMPARE(Resolved(), resolved);
    QCOMPARE(m_pDialog->findChild<QLabel*>("addressProblem")->isVisible(), warned);
    QCOMPARE(Address()->currentText(), address);
    QCOMPARE(Name()->text(), "Ann"); // a named person keeps his name
    // The drawn name is in no field of the dialog, shown or hidden.
    for (const QLineEdit* pField : m_pDialog->findChildren<QLineEdit*>())
        QVERIFY(!pField->text().contains("Zelda"));
}

void TestPersonDlg::addressLineFollowsEveryChange()
{
    QVERIFY(Open("Zed", "Zed"));
    auto* pProblem = m_pDialog->findChild<QLabel*>("addressProblem");
    Address()->setFocus();
    TypeAddress("Bob Jones");
    QCOMPARE(Resolved(), "bob@jones.org"); // typed, still in the field
    QVERIFY(!pProblem->isVisible());
    QTest::keyClick(Address()->lineEdit(), Qt::Key_Backspace);
    QCOMPARE(Resolved(), ""); // never the address of what the text was before
    QVERIFY(pProblem->isVisible());
    QApplication::clipboard()->setText("Ann Smith:2");
    Address()->lineEdit()->selectAll();
    Address()->lineEdit()->paste();
    QVERIFY(Resolved().startsWith("ann@work.org ("));
    EnterAddress("bob@elsewhere.org");
    QCOMPARE(Resolved(), "");
    QVERIFY(!pProblem->isVisible());
}

void TestPersonDlg::nameProposal_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("person");
    QTest::addColumn<QString>("proposed");
    QTest::addColumn<QString>("address");

    QTest::newRow("typed address, nothing completed") << "Person, Zed"
                                                      << "Person"
                                                      << "Person"
                                                      << "andy@example.org";
    QTest::newRow("first name") << "Person, Zed"
                                << "Person"
                                << "Ann"
                                << "";
    QTest::newRow("numbered default name") << "Person, Person1"
                                           << "Person1"
                                           << "Ann"
                                           << "";
    QTest::newRow("first name taken: initial") << "Ann, Person1"
                                               << "Person1"
                                               << "Ann S"
                                               << "";
    QTest::newRow("initial taken: number") << "ann, Ann S, Person1"
                                           << "Person1"
                                           << "Ann1"
                                           << "";
    QTest::newRow("own name kept") << "Annie"
                                   << "Annie"
                                   << "Annie"
                                   << "";
    QTest::newRow("lower-case person is not a default") << "person"
                                                        << "person"
                                                        << "person"
                                                        << "";
}

void TestPersonDlg::nameProposal()
{
    QFETCH(QString, list);
    QFETCH(QString, person);
    QFETCH(QString, proposed);
    QFETCH(QString, address);
    if (address.isEmpty())
        address = QStringLiteral("Ann Smith");
    CPerson* pPerson = Open(list, person);
    QVERIFY(pPerson);
    QTest::keyClick(Name(), Qt::Key_End); // the name comes up selected
    QTest::keyClicks(Name(), "typed");
    EnterAddress(address);
    QCOMPARE(Name()->text(), proposed == person ? person + "typed" : proposed);
    QTest::mouseClick(m_pDialog->findChild<QPushButton*>("ok"), Qt::LeftButton);
    QCOMPARE(pPerson->m_strAddress, address); // the name, not the address it stands for
    if (proposed != person)
        QCOMPARE(pPerson->m_strName, proposed);
}

void TestPersonDlg::pickingFromTheList()
{
    QVERIFY(Open("Person", "Person"));
    QCOMPARE(Address()->count(), 2); // sorted names, no empty slots
    QCOMPARE(Address()->itemText(0), "Ann Smith");
    Address()->setCurrentIndex(1);
    emit Address()->activated(1);
    QTRY_COMPARE(Resolved(), "bob@jones.org");
    QCOMPARE(Name()->text(), "Bob");
}

void TestPersonDlg::okStoresWhatWasTyped_data()
{
    QTest::addColumn<QString>("typedName");
    QTest::addColumn<QString>("storedName");
    QTest::addColumn<bool>("nameChanged");

    QTest::newRow("unchanged") << ""
                               << "Cid" << false;
    QTest::newRow("another person's name") << "BOB"
                                           << "BOB1" << true;
    QTest::newRow("new name") << "Cyd"
                              << "Cyd" << true;
    QTest::newRow("case of own name") << "CID"
                                      << "CID" << true;
    QTest::newRow("empty name keeps the old one") << "\b"
                                                  << "Cid" << false;
}

void TestPersonDlg::okStoresWhatWasTyped()
{
    QFETCH(QString, typedName);
    QFETCH(QString, storedName);
    QFETCH(bool, nameChanged);
    CPerson* pPerson = Open("Ann, Fam[Bob, Cid>Ann]", "Cid");
    QVERIFY(pPerson);
    pPerson->m_strSuggestions = QStringLiteral("old");
    m_pDialog.reset();
    pPerson = Open(DescribeList(*m_pList), "Cid");
    if (!typedName.isEmpty()) {
        Name()->selectAll();
        QTest::keyClicks(Name(), typedName == "\b" ? QString() : typedName);
        if (typedName == "\b")
            QTest::keyClick(Name(), Qt::Key_Backspace);
    }
    TypeAddress("cid@example.com");
    Suggestions()->setPlainText("Tea\nBooks");
    m_pDialog->findChild<QComboBox*>("role")->setCurrentIndex(int(ERole::givesOnly));
    QTest::keyClick(m_pDialog.get(), Qt::Key_Return); // Enter confirms
    QCOMPARE(m_pDialog->result(), QDialog::Accepted);
    QCOMPARE(pPerson->m_strName, storedName);
    QCOMPARE(pPerson->m_strName != QStringLiteral("Cid"), nameChanged);
    QCOMPARE(pPerson->m_strAddress, "cid@example.com");
    QCOMPARE(pPerson->m_strSuggestions, "Tea\nBooks");
    QCOMPARE(pPerson->m_role, ERole::givesOnly);
    QCOMPARE(pPerson->m_strGiftTo, "Ann");
}

void TestPersonDlg::cancelStoresNothing()
{
    CPerson* pPerson = Open("Ann, Bob", "Bob");
    QVERIFY(pPerson);
    QTest::keyClicks(Name(), "by");
    TypeAddress("Ann Smith");
    QTest::keyClick(m_pDialog.get(), Qt::Key_Escape);
    QCOMPARE(m_pDialog->result(), QDialog::Rejected);
    QCOMPARE(DescribeList(*m_pList), "Ann, Bob");
    QVERIFY(pPerson->m_strAddress.isEmpty());
    QCOMPARE(pPerson->m_strName, QStringLiteral("Bob"));
}

void TestPersonDlg::dropDownRefillsContacts()
{
    QVERIFY(Open("Ann", "Ann"));
    TypeAddress("typed text");
    {
        QMutexLocker lock(&m_pApp->m_csContacts);
        m_pApp->m_arrContacts[2] = "Aaron Abel;Aaron;Abel;aaron@x.org;;;"; // loaded meanwhile
    }
    Address()->showPopup();
    QCOMPARE(Address()->count(), 3);
    QCOMPARE(Address()->itemText(0), "Aaron Abel");
    QCOMPARE(Address()->currentText(), "typed text");
    Address()->hidePopup();
}

void TestPersonDlg::neverDraws_data()
{
    QTest::addColumn<QString>("typed");      // added with Enter
    QTest::addColumn<QStringList>("ticked"); // both ways afterwards; the others one way
    QTest::addColumn<bool>("removeAnn");
    QTest::addColumn<QString>("error");      // empty when OK closes the dialog
    QTest::addColumn<QString>("exclusions"); // afterwards
    QTest::addColumn<QString>("reopened");   // the table once the file is read again

    // Cid opens never drawing Ann, who never draws him either.
    QTest::newRow("completed from the list, both ways")
        << "d" << QStringList{"Ann", "Dan"} << false << ""
        << "Ann>Cid, Cid>Ann, Cid>Dan, Dan>Cid"
        << "Ann both; Dan both";
    QTest::newRow("a way for each name") << "Dan" << QStringList{"Dan"} << false << ""
                                         << "Cid>Ann, Cid>Dan, Dan>Cid"
                                         << "Ann one; Dan both";
    QTest::newRow("one way added") << "Dan" << QStringList{"Ann"} << false << ""
                                   << "Ann>Cid, Cid>Ann, Cid>Dan"
                                   << "Ann both; Dan one";
    QTest::newRow("removed: both ways gone") << "" << QStringList{} << true << ""
                                             << ""
                                             << "";
    QTest::newRow("nobody of the list")
        << "Zed" << QStringList{"Ann"} << false << "\"Zed\" is nobody of this list"
        << "Ann>Cid, Cid>Ann"
        << "";
    QTest::newRow("himself") << "cid" << QStringList{"Ann"} << false
                             << "Nobody draws himself anyway"
                             << "Ann>Cid, Cid>Ann"
                             << "";
}

namespace {

// "Name both; Name one": the table of a person dialog.
QString NeverDrawsRows(const QTableWidget* pTable)
{
    QStringList rows;
    for (int nRow = 0; nRow < pTable->rowCount(); ++nRow)
        rows.append(pTable->item(nRow, 0)->text() +
                    (pTable->item(nRow, 1)->checkState() == Qt::Checked ? " both" : " one"));
    return rows.join(QStringLiteral("; "));
}

} // namespace

void TestPersonDlg::neverDraws()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, ticked);
    QFETCH(bool, removeAnn);
    QFETCH(QString, error);
    QFETCH(QString, exclusions);
    QFETCH(QString, reopened);
    m_pDoc = std::make_unique<CKivvoDoc>();
    BuildDocument(*m_pDoc, {"Ann, Fam[Bob, Cid], Dan"});
    m_pList = m_pDoc->GetNewestList();
    m_pList->m_exclusions.Add("Ann", "Cid");
    m_pList->m_exclusions.Add("Cid", "Ann");
    const auto open = [this] {
        m_pList = m_pDoc->GetNewestList();
        m_pDialog = std::make_unique<CPersonDlg>(m_pList->FindPerson("Cid"), m_pDoc.get());
        m_pDialog->show();
        return QTest::qWaitForWindowActive(m_pDialog.get());
    };
    QVERIFY(open());
    auto* pField = m_pDialog->findChild<QLineEdit*>("neverDraws");
    auto* pTable = m_pDialog->findChild<QTableWidget*>("neverDrawsTable");
    QCOMPARE(NeverDrawsRows(pTable), "Ann both");
    pField->setFocus();
    QTest::keyClicks(pField, typed);
    if (QWidget* pPopup = QApplication::activePopupWidget()) {
        // The offered names complete the part typed after the comma.
        QTest::keyClick(pPopup, Qt::Key_Down);
        QTest::keyClick(pPopup, Qt::Key_Return);
    }
    // Enter puts the names into the table, and an unknown one is said at once.
    if (!typed.isEmpty()) {
        QTest::keyClick(pField, Qt::Key_Return);
        QVERIFY(m_pDialog->isVisible());
    }
    for (int nRow = 0; nRow < pTable->rowCount(); ++nRow)
        pTable->item(nRow, 1)->setCheckState(
            ticked.contains(pTable->item(nRow, 0)->text()) ? Qt::Checked : Qt::Unchecked);
    if (removeAnn) {
        pTable->selectRow(0);
        m_pDialog->findChild<QPushButton*>("removeNeverDraws")->click();
    }
    m_pDialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    const auto* pError = m_pDialog->findChild<QLabel*>("neverDrawsError");
    QCOMPARE(m_pDialog->isVisible(), !error.isEmpty());
    QVERIFY2(pError->text().contains(error), qPrintable(pError->text()));
    QStringList pairs;
    for (const CExclusions::CPair& pair : m_pList->m_exclusions.Pairs())
        pairs.append(pair.m_strGiver + u'>' + pair.m_strRecipient);
    QCOMPARE(pairs.join(QStringLiteral(", ")), exclusions);
    if (!error.isEmpty())
        return;
    // Each name's way is in the file: the dialog shows it again after reading it back.
    m_pDialog.reset();
    ReloadDocument(*m_pDoc);
    QVERIFY(open());
    QCOMPARE(NeverDrawsRows(m_pDialog->findChild<QTableWidget*>("neverDrawsTable")), reopened);
}

QTEST_MAIN(TestPersonDlg)
#include "tst_PersonDlg.moc"
