// Rebuilding the list tree for a large circle.
#include "app/KivvoDoc.h"
#include "model/NameList.h"
#include "res/Resource.h"
#include "ui/KivvoView.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

// A thousand persons, half of them in households of five.
void FillThousandPersons(CNameList& list)
{
    int nPerson = 0;
    for (int g = 0; g < 100; ++g) {
        auto* pGroup = new CGroup(QStringLiteral("Household %1").arg(g));
        for (int i = 0; i < 5; ++i, ++nPerson)
            pGroup->Add(new CPerson(QStringLiteral("Person %1").arg(nPerson), {}, {}));
        list.Append(pGroup);
    }
    for (int i = 0; i < 500; ++i, ++nPerson)
        list.Append(new CPerson(QStringLiteral("Person %1").arg(nPerson), {}, {}));
}

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
