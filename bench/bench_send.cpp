// Send Emails over 200 participants to an SMTP server on loopback, and stopping a send.
#include "ApplicationMain.h"
#include "app/KivvoApp.h"
#include "app/KivvoDoc.h"
#include "model/NameList.h"
#include "notify/SendRun.h"
#include "support/SmtpTestServer.h"

#include <QElapsedTimer>
#include <QThread>

#include <benchmark/benchmark.h>

namespace {

constexpr int kPersons = 200;

void BM_SendTwoHundredNotifications(benchmark::State& state)
{
    CSmtpTestServer server;
    if (!server.IsReady()) {
        state.SkipWithError("the SMTP test server did not start");
        return;
    }
    CKivvoApp app;
    app.m_settings.m_strServer = QStringLiteral("127.0.0.1");
    app.m_settings.m_nPort = server.Port();
    app.m_settings.m_strUser.clear();
    app.m_settings.m_strFrom = QStringLiteral("santa@example.com");
    QString strSummary;
    int nRuns = 0;
    for (auto _ : state) {
        CKivvoDoc doc;
        doc.OnNewDocument();
        CNameList& list = *doc.GetCurrentList();
        for (int i = 0; i < kPersons; ++i) {
            auto* pPerson = new CPerson(QStringLiteral("Person %1").arg(i),
                                        QStringLiteral("p%1@example.com").arg(i), {});
            pPerson->m_strGiftTo = QStringLiteral("Person %1").arg((i + 1) % kPersons);
            list.Append(pPerson);
        }
        CDocResult result;
        std::unique_ptr<CSendRun> pRun(doc.CreateSendRun(doc.NewestGivers(), result));
        if (!pRun) {
            state.SkipWithError(qPrintable(result.Message()));
            return;
        }
        pRun->Run();
        strSummary = pRun->Summary();
        ++nRuns;
    }
    server.WaitForMessages(nRuns * kPersons);
    state.counters["messages_per_second"] =
        benchmark::Counter(double(kPersons), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["connections_per_run"] = double(server.ConnectionCount()) / nRuns;
    state.SetLabel(strSummary.toStdString());
}
BENCHMARK(BM_SendTwoHundredNotifications)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

// Stopping at once while the server takes its time over a message: how long Abort() waits
// for the run's thread.
void BM_StopWhileSending(benchmark::State& state)
{
    CSmtpTestServer server({QStringLiteral("--data-delay"), QStringLiteral("5")});
    if (!server.IsReady()) {
        state.SkipWithError("the SMTP test server did not start");
        return;
    }
    CSettings account;
    account.m_strServer = QStringLiteral("127.0.0.1");
    account.m_nPort = server.Port();
    account.m_strUser.clear();
    account.m_strFrom = QStringLiteral("santa@example.com");
    double dLongestMs = 0;
    QString strReason;
    for (auto _ : state) {
        CSendRun run(account, QList<CMailJob>{
                                  {"Ann", "ann@example.com", "ann@example.com", "List", "To Ann"}});
        run.Start();
        QThread::msleep(300); // the message is on its way, its confirmation is not
        QElapsedTimer clock;
        clock.start();
        run.Abort();
        dLongestMs = std::max(dLongestMs, double(clock.nsecsElapsed()) / 1e6);
        strReason = run.Result(0).m_strReason;
    }
    state.counters["longest_stop_ms"] = dLongestMs;
    state.SetLabel(strReason.toStdString());
}
BENCHMARK(BM_StopWhileSending)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace

KIVVO_BENCHMARK_MAIN_WITH_APPLICATION()
