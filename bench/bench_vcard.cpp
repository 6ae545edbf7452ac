// Reading large address books shaped like real exports: the real files of tests/fixtures/vcard
// over and over, each round with a card of its own, against one plain pass over the bytes.
#include "app/KivvoApp.h"
#include "notify/VCardReader.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

namespace {

// The real exports one after another, each round led by a card that differs from the others,
// until the data reaches nBytes.
QByteArray RealShapedExport(qsizetype nBytes)
{
    QByteArray exports;
    const QDir folder(QStringLiteral(KIVVO_VCARD_FIXTURES));
    for (const QString& strName :
         folder.entryList({QStringLiteral("*.vcf")}, QDir::Files, QDir::Name)) {
        QFile file(folder.filePath(strName));
        if (file.open(QIODevice::ReadOnly))
            exports += file.readAll() + "\r\n";
    }
    QByteArray data;
    data.reserve(nBytes + exports.size() + 256);
    for (int nRound = 0; data.size() < nBytes; ++nRound) {
        data += QByteArrayLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Person ") +
                QByteArray::number(nRound) + "\r\nN:" + QByteArray::number(nRound) +
                ";Person;;;\r\nEMAIL;TYPE=INTERNET,pref:p" + QByteArray::number(nRound) +
                "@example.com\r\nEND:VCARD\r\n";
        data += exports;
    }
    return data;
}

const QByteArray& Export(qsizetype nMegabytes)
{
    static QByteArray small = RealShapedExport(10'000'000);
    static QByteArray large;
    if (nMegabytes == 10)
        return small;
    if (large.isEmpty())
        large = RealShapedExport(100'000'000);
    return large;
}

// The least any reader does, one look at each byte: where each line ends and where its value
// begins (the first colon outside double quotes).
void BM_VCardSinglePass(benchmark::State& state)
{
    const QByteArray& data = Export(state.range(0));
    for (auto _ : state) {
        qsizetype nLines = 0;
        qsizetype nValues = 0;
        bool bInValue = false;
        bool bQuoted = false;
        for (const char ch : data) {
            if (ch == '\n') {
                ++nLines;
                bInValue = false;
                bQuoted = false;
            } else if (!bInValue) {
                if (ch == '"') {
                    bQuoted = !bQuoted;
                } else if (ch == ':' && !bQuoted) {
                    bInValue = true;
                    ++nValues;
                }
            }
        }
        benchmark::DoNotOptimize(nLines);
        benchmark::DoNotOptimize(nValues);
    }
    state.SetBytesProcessed(state.iterations() * data.size());
}
BENCHMARK(BM_VCardSinglePass)
    ->Arg(10)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_VCardParse(benchmark::State& state)
{
    const QByteArray& data = Export(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(CVCardReader::Parse(data).size());
    state.SetBytesProcessed(state.iterations() * data.size());
}
BENCHMARK(BM_VCardParse)
    ->Arg(10)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

namespace {

// Closing while a 100 MB address book is being read: how long the application takes to go
// once it has been told to, the reader stopping at its next contact.
void BM_CloseWhileReadingContacts(benchmark::State& state)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("large.vcf")));
    if (!file.open(QIODevice::WriteOnly) || file.write(Export(100)) < 0) {
        state.SkipWithError("the address book could not be written");
        return;
    }
    file.close();
    double dLongestMs = 0;
    for (auto _ : state) {
        auto pApp = std::make_unique<CKivvoApp>();
        pApp->m_strFolder = dir.path() + QDir::separator();
        pApp->OnLoadContacts();
        QThread::msleep(100); // well into the file
        QElapsedTimer clock;
        clock.start();
        pApp.reset();
        dLongestMs = std::max(dLongestMs, double(clock.nsecsElapsed()) / 1e6);
    }
    state.counters["longest_close_ms"] = dLongestMs;
}
BENCHMARK(BM_CloseWhileReadingContacts)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
