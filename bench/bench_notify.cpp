// Notification texts for a large circle, the address book, and sending to a local server.
#include "app/KivvoApp.h"
#include "app/KivvoDoc.h"
#include "model/NameList.h"
#include "notify/Base64Lines.h"
#include "notify/MailJobSource.h"
#include "notify/MailMessage.h"
#include "notify/NotificationComposer.h"
#include "platform/Archive.h"
#include "platform/Framework.h"
#include "support/DocumentNotation.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class CSilentMessages : public CMessageHandler
{
public:
    EAnswer Show(int nId, EBoxKind kind, const QString&) override
    {
        m_nLast = nId;
        return kind == EBoxKind::YesNoQuestion ? EAnswer::Yes : EAnswer::Ok;
    }
    int m_nLast = 0;
};

// Households of 5 for half the circle and persons on their own for the other half (1,000:
// 100 households and 500 persons), drawn, with last year's drawing behind.
void FillCircleWithHistory(CKivvoDoc& doc, int nPersons = 1000)
{
    doc.DeleteLists();
    CNameList* pCurrent = doc.AddList()->m_pList;
    CNameList* pPrevious = doc.AddList()->m_pList;
    for (CNameList* pList : {pCurrent, pPrevious}) {
        int nPerson = 0;
        for (int g = 0; g < nPersons / 10; ++g) {
            auto* pGroup = new CGroup(QStringLiteral("Household %1").arg(g));
            for (int i = 0; i < 5; ++i, ++nPerson)
                pGroup->Add(new CPerson(QStringLiteral("Person %1").arg(nPerson), {},
                                        QStringLiteral("Books")));
            pList->Append(pGroup);
        }
        while (nPerson < nPersons) {
            pList->Append(new CPerson(QStringLiteral("Person %1").arg(nPerson), {}, {}));
            ++nPerson;
        }
    }
    CSilentMessages messages;
    CFramework::SetMessageHandler(&messages);
    quint32 nSeed = 1;
    for (CNameList* pList : {pPrevious, pCurrent}) {
        do {
            CFramework::SetSeedSource([nSeed] { return nSeed; });
            ++nSeed;
        } while (!pList->DrawNames(pList == pCurrent ? pPrevious : nullptr));
    }
    CFramework::SetSeedSource({});
    CFramework::SetMessageHandler(nullptr);
    ReloadDocument(doc); // the newest list current, as after opening the file
}

// A send run's work: the texts of all 1,000 participants, the reports built once.
void BM_ComposeEveryNotification(benchmark::State& state)
{
    CKivvoDoc doc;
    FillCircleWithHistory(doc);
    const CNameList& list = *doc.GetCurrentList();
    qsizetype nBytes = 0;
    for (auto _ : state) {
        const CNotificationComposer composer(&list,
                                             CKivvoDoc::GetPreviousList(doc.GetCurrentNode()),
                                             CSettings().m_strFooter, CTextLanguage());
        list.ForEachPerson([&](CPerson* pPerson) {
            QString strBody;
            composer.Compose(pPerson, strBody);
            nBytes += strBody.size();
        });
    }
    benchmark::DoNotOptimize(nBytes);
    state.counters["texts"] = list.CountPersons();
}
BENCHMARK(BM_ComposeEveryNotification)->Unit(benchmark::kMillisecond)->Repetitions(5);

const QString kFrom = QStringLiteral("Santa <santa@example.com>");
const QString kTo = QStringLiteral("person@example.com");
const QString kMessageId = QStringLiteral("<bench@example.com>");

// One message from text to wire for a circle of 500, the largest whose lists are quoted.
// The reference builds it as it once was: the whole text in UTF-16, then copied into UTF-8,
// base64, its lines, the message and a dot-stuffed copy.
void BM_MessageThroughFiveBuffers(benchmark::State& state)
{
    CKivvoDoc doc;
    FillCircleWithHistory(doc, 500);
    const CNameList& list = *doc.GetCurrentList();
    const CNotificationComposer composer(&list, CKivvoDoc::GetPreviousList(doc.GetCurrentNode()),
                                         CSettings().m_strFooter, CTextLanguage());
    const CPerson* pPerson = list.GetPersonAt(0);
    const QDateTime date = QDateTime::currentDateTime();
    qsizetype nBytes = 0;
    for (auto _ : state) {
        QString strBody;
        composer.Compose(pPerson, strBody);
        const QByteArray encoded = strBody.toUtf8().toBase64();
        QByteArray lines;
        for (qsizetype i = 0; i < encoded.size(); i += 76)
            lines += encoded.mid(i, 76) + "\r\n";
        QByteArray message =
            CMailMessage::Compose(kFrom, {kTo}, list.m_strName, QString(), date, kMessageId);
        message += lines;
        QByteArray wire = message;
        wire.replace("\r\n.", "\r\n..");
        wire += ".\r\n";
        nBytes += wire.size();
    }
    state.SetBytesProcessed(nBytes);
}
BENCHMARK(BM_MessageThroughFiveBuffers)->Unit(benchmark::kMicrosecond)->Repetitions(5);

// The same message as a send run builds it now: the text written straight into the message
// as base64 lines.
void BM_MessageWrittenStraight(benchmark::State& state)
{
    CKivvoDoc doc;
    FillCircleWithHistory(doc, 500);
    const CNameList& list = *doc.GetCurrentList();
    const CNotificationComposer composer(&list, CKivvoDoc::GetPreviousList(doc.GetCurrentNode()),
                                         CSettings().m_strFooter, CTextLanguage());
    const CNotificationFacts facts = composer.Facts(list.GetPersonAt(0));
    const QDateTime date = QDateTime::currentDateTime();
    qsizetype nBytes = 0;
    for (auto _ : state) {
        const QByteArray message =
            CMailMessage::Compose(kFrom, {kTo}, list.m_strName, date, kMessageId,
                                  [&](CBase64Lines& body) { composer.Encode(facts, body); });
        nBytes += message.size();
    }
    state.SetBytesProcessed(nBytes);
}
BENCHMARK(BM_MessageWrittenStraight)->Unit(benchmark::kMicrosecond)->Repetitions(5);

// What a send run of 10,000 takes before its first message: the jobs, addressed, with what
// each text needs, but no text.
void BM_JobSourceOfTenThousand(benchmark::State& state)
{
    CKivvoDoc doc;
    FillCircleWithHistory(doc, 10000);
    QList<const CPerson*> persons;
    doc.GetNewestList()->ForEachPerson([&persons](CPerson* pPerson) { persons.append(pPerson); });
    const CMailDrawing drawing{doc.GetNewestList(),
                               CKivvoDoc::GetPreviousList(doc.GetHeadNode()),
                               CSettings().m_strFooter,
                               {},
                               CTextLanguage()};
    for (auto _ : state) {
        const CMailJobSource source(drawing, persons);
        benchmark::DoNotOptimize(source.Jobs().size());
    }
}
BENCHMARK(BM_JobSourceOfTenThousand)->Unit(benchmark::kMillisecond)->Repetitions(5);

QByteArray ManyContacts(int nCount)
{
    QByteArray data;
    for (int i = 0; i < nCount; ++i) {
        data += QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Contact %1\r\nN:%1;Contact;;;\r\n"
                               "item1.EMAIL;TYPE=INTERNET,pref:c%1@example.com\r\n"
                               "EMAIL;TYPE=HOME:home%1@example.org\r\nTEL:+1 555 %1\r\n"
                               "END:VCARD\r\n")
                    .arg(i)
                    .toUtf8();
    }
    return data;
}

void BM_LoadTenThousandContacts(benchmark::State& state)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("contacts.vcf"));
    file.open(QIODevice::WriteOnly);
    file.write(ManyContacts(10000));
    file.close();
    for (auto _ : state) {
        CKivvoApp app;
        app.m_strFolder = dir.path() + QDir::separator();
        CKivvoApp::LoadContactsProc(&app);
        benchmark::DoNotOptimize(app.m_arrContacts.size());
    }
}
BENCHMARK(BM_LoadTenThousandContacts)->Unit(benchmark::kMillisecond)->Repetitions(5);

void BM_LookupAmongTenThousand(benchmark::State& state)
{
    CKivvoApp app;
    app.m_arrContacts.clear();
    for (int i = 0; i < 10000; ++i) {
        app.m_arrContacts.append(
            QStringLiteral("Contact %1;Contact;%1;c%1@example.com;home%1@example.org;;").arg(i));
    }
    QString strAddress;
    QString strFirst;
    QString strLast;
    for (auto _ : state) {
        // The last one: the whole cache is walked.
        benchmark::DoNotOptimize(
            app.LookupContact(QStringLiteral("contact 9999:2"), strAddress, strFirst, strLast));
    }
}
BENCHMARK(BM_LookupAmongTenThousand)->Unit(benchmark::kMicrosecond)->Repetitions(5);

} // namespace

BENCHMARK_MAIN();
