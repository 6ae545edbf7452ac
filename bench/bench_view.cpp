// The list tree of a large circle: opened, scrolled, edited, rebuilt; at 1,000, 10,000 and
// 100,000 persons the time should grow no faster than the list.
#include "app/KivvoDoc.h"
#include "desktop/KivvoView.h"
#include "model/NameList.h"
#include "text/Resource.h"

#include <QApplication>
#include <QScrollBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// Persons by the thousand, half of them in households of five.
void FillPersons(CNameList& list, int nPersons = 1000)
{
    int nPerson = 0;
    for (int g = 0; g < nPersons / 10; ++g) {
        auto* pGroup = new CGroup(QStringLiteral("Household %1").arg(g));
        for (int i = 0; i < 5; ++i, ++nPerson)
            pGroup->Add(new CPerson(QStringLiteral("Person %1").arg(nPerson), {}, {}));
        list.Append(pGroup);
    }
    while (nPerson < nPersons) {
        list.Append(new CPerson(QStringLiteral("Person %1").arg(nPerson), {}, {}));
        ++nPerson;
    }
}

void FillThousandPersons(CNameList& list)
{
    FillPersons(list);
}

// From the file to the tree on screen: the document read, the rows laid out and painted.
void BM_OpenToShownTree(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString strPath = dir.filePath(QStringLiteral("circle.kv"));
    {
        CKivvoDoc saved;
        saved.OnNewDocument();
        FillPersons(*saved.GetCurrentList(), int(state.range(0)));
        if (!saved.OnSaveDocument(strPath)) {
            state.SkipWithError("the document could not be saved");
            return;
        }
    }
    CKivvoDoc doc;
    doc.OnNewDocument();
    CKivvoView view(&doc);
    view.resize(400, 600);
    view.show();
    QApplication::processEvents();
    for (auto _ : state) {
        if (!doc.OnOpenDocument(strPath)) {
            state.SkipWithError("the document could not be opened");
            return;
        }
        view.repaint();
    }
    state.counters["persons"] = double(state.range(0));
}
BENCHMARK(BM_OpenToShownTree)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// One rename through the document's operation and the tree painted after it.
void BM_RenameShown(benchmark::State& state)
{
    CKivvoDoc doc;
    doc.OnNewDocument();
    FillPersons(*doc.GetCurrentList(), int(state.range(0)));
    doc.UpdateAllViews(HINT_LIST_CHANGED);
    CKivvoView view(&doc);
    view.resize(400, 600);
    view.show();
    QApplication::processEvents();
    CPerson* pPerson = doc.GetCurrentList()->GetPersonAt(0);
    int nEdit = 0;
    for (auto _ : state) {
        doc.Rename(doc.GetCurrentList(), pPerson, QStringLiteral("Renamed %1").arg(++nEdit));
        view.repaint();
    }
}
BENCHMARK(BM_RenameShown)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A page down through the tree, painted.
void BM_ScrollPage(benchmark::State& state)
{
    CKivvoDoc doc;
    doc.OnNewDocument();
    FillPersons(*doc.GetCurrentList(), int(state.range(0)));
    doc.UpdateAllViews(HINT_LIST_CHANGED);
    CKivvoView view(&doc);
    view.resize(400, 600);
    view.show();
    QApplication::processEvents();
    QScrollBar* pBar = view.verticalScrollBar();
    for (auto _ : state) {
        const int nNext = pBar->value() + pBar->pageStep();
        pBar->setValue(nNext > pBar->maximum() ? 0 : nNext);
        view.repaint();
    }
}
BENCHMARK(BM_ScrollPage)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_RebuildTreeOfThousandPersons(benchmark::State& state)
{
    CKivvoDoc doc;
    doc.OnNewDocument();
    CNameList& list = *doc.GetCurrentList();
    FillThousandPersons(list);
    CKivvoView view(&doc);
    view.resize(400, 600);
    view.show();
    for (auto _ : state) {
        doc.UpdateAllViews(HINT_LIST_CHANGED);
        QApplication::processEvents(); // lay out and paint what the rebuild changed
    }
    state.counters["items"] = list.CountPersons() + 100 + 1;
}
BENCHMARK(BM_RebuildTreeOfThousandPersons)->Unit(benchmark::kMillisecond)->Repetitions(5);

// One edit recorded as an undo step, undone and redone, with the tree following each.
void BM_EditUndoRedoOfThousandPersons(benchmark::State& state)
{
    CKivvoDoc doc;
    doc.OnNewDocument();
    FillThousandPersons(*doc.GetCurrentList());
    CKivvoView view(&doc);
    view.resize(400, 600);
    view.show();
    doc.UpdateAllViews(HINT_LIST_CHANGED);
    int nEdit = 0;
    for (auto _ : state) {
        doc.Rename(doc.GetCurrentList(), nullptr, QString::number(++nEdit));
        doc.UndoStack()->undo();
        doc.UndoStack()->redo();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_EditUndoRedoOfThousandPersons)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
