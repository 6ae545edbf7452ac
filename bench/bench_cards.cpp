// Paper cards as a PDF at 1,000, 10,000 and 100,000 persons, against a floor: the same pages
// painted by a minimal program (the same cells, texts, fonts, lines and mesh, each text drawn
// once without fitting, straight into the file).
#include "model/NameList.h"
#include "notify/CardSheet.h"
#include "text/TextLanguage.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// nCount persons in a ring, each drawing the next, every one with suggestions.
std::unique_ptr<CNameList> Ring(int nCount)
{
    auto pList = std::make_unique<CNameList>();
    pList->m_strName = QStringLiteral("Christmas 2026");
    for (int n = 0; n < nCount; ++n) {
        auto* pPerson = new CPerson(QStringLiteral("Person %1").arg(n), {},
                                    QStringLiteral("Books, tea, warm socks"));
        pPerson->m_strGiftTo = QStringLiteral("Person %1").arg((n + 1) % nCount);
        pList->Append(pPerson);
    }
    return pList;
}

void BM_CardsPdf(benchmark::State& state)
{
    const auto pList = Ring(int(state.range(0)));
    QTemporaryDir dir;
    for (auto _ : state) {
        const QList<CCard> cards = CCardSheet::CardsOf(*pList);
        const QString strError = CCardSheet(cards, *pList, CTextLanguage())
                                     .WritePdf(dir.filePath(QStringLiteral("cards.pdf")));
        if (!strError.isEmpty())
            state.SkipWithError(qPrintable(strError));
    }
}
BENCHMARK(BM_CardsPdf)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kSecond)->Iterations(1);

QFont Font(qreal points, bool bBold = false)
{
    QFont font;
    font.setPointSizeF(points);
    font.setBold(bBold);
    return font;
}

void BM_CardsFloor(benchmark::State& state)
{
    const auto pList = Ring(int(state.range(0)));
    QTemporaryDir dir;
    for (auto _ : state) {
        QPdfWriter writer(dir.filePath(QStringLiteral("floor.pdf")));
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(8, 8, 8, 8), QPageLayout::Millimeter));
        QPainter painter(&writer);
        const QSizeF cell(writer.width() / 2.0, writer.height() / 2.0);
        const qreal mm = writer.logicalDpiY() / 25.4;
        int nCard = 0;
        pList->ForEachPerson([&](const CPerson* pPerson) {
            if (nCard > 0 && nCard % 4 == 0)
                writer.newPage();
            const QRectF box(QPointF((nCard % 2) * cell.width(), (nCard % 4 / 2) * cell.height()),
                             cell);
            ++nCard;
            painter.setPen(QPen(Qt::darkGray, 0.2 * mm, Qt::DotLine));
            painter.drawRect(box);
            const qreal h = box.height();
            const QRectF outside(box.left(), box.top(), box.width(), h * 0.30);
            const QRectF inside(box.left(), outside.bottom(), box.width(), h * 0.35);
            const QRectF flap(box.left(), inside.bottom(), box.width(),
                              box.bottom() - inside.bottom());
            painter.setPen(Qt::black);
            const int nWrap = Qt::AlignCenter | Qt::TextWordWrap;
            painter.setFont(Font(9));
            painter.drawText(outside.adjusted(0, 0, 0, -outside.height() * 0.8), nWrap,
                             pList->m_strName);
            painter.setFont(Font(22, true));
            painter.drawText(outside, nWrap, QStringLiteral("For %1").arg(pPerson->m_strName));
            painter.setFont(Font(8));
            painter.drawText(outside.adjusted(0, outside.height() * 0.7, 0, 0), nWrap,
                             QStringLiteral("Fold the flap up and keep this card closed"));
            painter.setFont(Font(10));
            painter.drawText(inside.adjusted(0, 0, 0, -inside.height() * 0.8), nWrap,
                             QStringLiteral("%1 gives a gift to").arg(pPerson->m_strName));
            painter.setFont(Font(26, true));
            painter.drawText(inside, nWrap, pPerson->m_strGiftTo);
            painter.setFont(Font(10));
            painter.drawText(inside.adjusted(0, inside.height() * 0.5, 0, 0), nWrap,
                             QStringLiteral("Suggestions: Books, tea, warm socks"));
            painter.save();
            painter.setClipRect(flap);
            painter.setPen(QPen(Qt::gray, 0.35 * mm));
            for (qreal x = flap.left() - flap.height(); x < flap.right(); x += 1.2 * mm) {
                painter.drawLine(QLineF(x, flap.top(), x + flap.height(), flap.bottom()));
                painter.drawLine(QLineF(x, flap.bottom(), x + flap.height(), flap.top()));
            }
            painter.restore();
            painter.setFont(Font(10, true));
            painter.drawText(flap.adjusted(0, 0, 0, -flap.height() * 0.8), Qt::AlignCenter,
                             QStringLiteral("\u2191 Flap \u2191"));
            painter.setPen(QPen(Qt::black, 0.3 * mm, Qt::DashLine));
            painter.drawLine(QLineF(flap.topLeft(), flap.topRight()));
        });
    }
}
BENCHMARK(BM_CardsFloor)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
