// Reading large address books shaped like real exports: the real files of tests/fixtures/vcard
// over and over, each round with a card of its own, against one plain pass over the bytes.
#include "app/KivvoApp.h"
#include "notify/VCardReader.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <map>

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

// Base64 folded as 3.0 writes it: 75 characters a line, each further line led by a blank.
QByteArray FoldedBase64(qsizetype nBytes, int nSeed)
{
    QByteArray raw(nBytes, Qt::Uninitialized);
    for (qsizetype i = 0; i < nBytes; ++i)
        raw[i] = char((i * 131 + nSeed * 17) & 0xFF);
    const QByteArray text = raw.toBase64();
    QByteArray folded;
    for (qsizetype i = 0; i < text.size(); i += 75)
        folded += (i == 0 ? "" : "\r\n ") + text.mid(i, 75);
    return folded;
}

// Quoted-printable as 2.1 writes it: every byte beyond ASCII as =XX, soft breaks at 76.
QByteArray QuotedPrintable(const QString& strText)
{
    QByteArray out;
    qsizetype nLine = 0;
    for (const char ch : strText.toUtf8()) {
        const QByteArray piece = static_cast<unsigned char>(ch) < 0x80 && ch != '='
                                     ? QByteArray(1, ch)
                                     : "=" + QByteArray::number(static_cast<unsigned char>(ch), 16)
                                                 .toUpper()
                                                 .rightJustified(2, '0');
        if (nLine + piece.size() > 73) {
            out += "=\r\n";
            nLine = 0;
        }
        out += piece;
        nLine += piece.size();
    }
    return out;
}

// Address books as phones and mail programs export them, every card a person of its own and
// the three shapes in turn: 2.1 with quoted-printable names and addresses, 3.0 with a photo of
// some kilobytes, 4.0 with several ranked addresses and telephone numbers.
QByteArray MixedExport(qsizetype nBytes)
{
    QByteArray data;
    data.reserve(nBytes + 64 * 1024);
    for (int n = 0; data.size() < nBytes; ++n) {
        const QByteArray number = QByteArray::number(n);
        const QString strFamily = QStringLiteral("Müller-Šťastný %1").arg(n);
        switch (n % 3) {
        case 0:
            data += "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:" +
                    QuotedPrintable(strFamily + QStringLiteral(";Jürgen;;;")) +
                    "\r\nFN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:" +
                    QuotedPrintable(QStringLiteral("Jürgen ") + strFamily) +
                    "\r\nTEL;CELL:+49 170 " + number +
                    "\r\nADR;HOME;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:" +
                    QuotedPrintable(QStringLiteral(";;Hauptstraße %1\nHinterhaus;München;;80331;"
                                                   "Deutschland")
                                        .arg(n)) +
                    "\r\nEMAIL;HOME:j" + number + "@example.de\r\nEND:VCARD\r\n";
            break;
        case 1:
            data += "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Smith " + number + ";Ann;;;\r\nFN:Ann Smith " +
                    number + "\r\nORG:Example Ltd.\r\nEMAIL;TYPE=INTERNET,HOME:ann" + number +
                    "@example.com\r\nTEL;TYPE=CELL:+1 555 " + number +
                    "\r\nPHOTO;ENCODING=b;TYPE=JPEG:" + FoldedBase64(1500 + (n % 7) * 700, n) +
                    "\r\nNOTE:Met at the \\, conference\\; bring cake\r\nEND:VCARD\r\n";
            break;
        default:
            data += "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Li Wei " + number + "\r\nN:Li " + number +
                    ";Wei;;;\r\nEMAIL;TYPE=work;PREF=2:wei" + number +
                    "@work.example\r\nEMAIL;TYPE=home;PREF=1:wei" + number +
                    "@home.example\r\nTEL;VALUE=uri;TYPE=\"voice,cell\":tel:+86-10-" + number +
                    "\r\nEND:VCARD\r\n";
        }
    }
    return data;
}

const QByteArray& Mixed(qsizetype nMegabytes)
{
    static std::map<qsizetype, QByteArray> exports;
    QByteArray& data = exports[nMegabytes];
    if (data.isEmpty())
        data = MixedExport(nMegabytes * 1'000'000);
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
void SinglePass(benchmark::State& state, const QByteArray& data)
{
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

void Parse(benchmark::State& state, const QByteArray& data)
{
    qsizetype nContacts = 0;
    for (auto _ : state) {
        nContacts = CVCardReader::Parse(data).size();
        benchmark::DoNotOptimize(nContacts);
    }
    state.SetBytesProcessed(state.iterations() * data.size());
    state.counters["contacts"] = double(nContacts);
}

void BM_VCardSinglePass(benchmark::State& state)
{
    SinglePass(state, Export(state.range(0)));
}
BENCHMARK(BM_VCardSinglePass)
    ->Arg(10)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_VCardParse(benchmark::State& state)
{
    Parse(state, Export(state.range(0)));
}
BENCHMARK(BM_VCardParse)
    ->Arg(10)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Mixed real-shaped exports, each card different, at 1, 10 and 100 MB: the growth, and the
// parse against one plain pass over the same bytes (the floor).
void BM_MixedSinglePass(benchmark::State& state)
{
    SinglePass(state, Mixed(state.range(0)));
}
BENCHMARK(BM_MixedSinglePass)
    ->Arg(1)
    ->Arg(10)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_MixedParse(benchmark::State& state)
{
    Parse(state, Mixed(state.range(0)));
}
BENCHMARK(BM_MixedParse)
    ->Arg(1)
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
