// Edits and their undo steps in the largest kind of document people keep: 255 drawings of a
// thousand persons. A step holds what its edit changed, so its memory and its time do not
// grow with the document.
#include "ApplicationMain.h"
#include "app/KivvoDoc.h"
#include "model/NameList.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

constexpr int kLists = 255;
constexpr int kPersons = 1000;
constexpr int kEdits = 100;

// 255 drawings of a thousand persons each, with no steps on the stack.
void FillLargeDocument(CKivvoDoc& doc)
{
    doc.OnNewDocument();
    CNameList& first = *doc.GetNewestList();
    for (int i = 0; i < kPersons; ++i)
        first.Append(new CPerson(QStringLiteral("Person %1").arg(i),
                                 QStringLiteral("person%1@example.com").arg(i),
                                 QStringLiteral("Books, tea")));
    while (doc.GetListCount() < kLists)
        doc.CopyForNextExchange();
    doc.UndoStack()->clear();
}

size_t HeapInUse()
{
    return mallinfo2().uordblks;
}

// One edit of a person of the newest list, by its number: a rename or a property change.
void Edit(CKivvoDoc& doc, CPerson* pPerson, int nEdit, bool bRename)
{
    CPersonFields fields = CPersonFields::Of(*pPerson);
    if (bRename)
        fields.m_strName = QStringLiteral("Renamed %1").arg(nEdit);
    else
        fields.m_strAddress = QStringLiteral("changed%1@example.com").arg(nEdit);
    doc.SetPerson(pPerson, fields);
}

void EditsAndUndos(benchmark::State& state, bool bRename)
{
    CKivvoDoc doc;
    FillLargeDocument(doc);
    CPerson* pPerson = doc.GetNewestList()->GetPersonAt(kPersons / 2);
    double dBytesPerStep = 0;
    for (auto _ : state) {
        const size_t nBefore = HeapInUse();
        for (int i = 0; i < kEdits; ++i)
            Edit(doc, pPerson, i, bRename);
        dBytesPerStep = double(HeapInUse() - nBefore) / kEdits;
        for (int i = 0; i < kEdits; ++i)
            doc.Undo();
        state.PauseTiming();
        doc.UndoStack()->clear();
        state.ResumeTiming();
    }
    state.counters["bytes_per_step"] = dBytesPerStep;
    state.counters["steps"] = kEdits;
    state.counters["lists"] = doc.GetListCount();
    state.counters["persons"] = doc.GetListCount() * doc.GetNewestList()->CountPersons();
}

// 100 renames of one person and 100 undos: under 4 KB a step, under 50 ms in all.
void BM_HundredRenamesAndUndos(benchmark::State& state)
{
    EditsAndUndos(state, true);
}
BENCHMARK(BM_HundredRenamesAndUndos)->Unit(benchmark::kMillisecond)->Iterations(5);

// The same for a change of address.
void BM_HundredPropertyChangesAndUndos(benchmark::State& state)
{
    EditsAndUndos(state, false);
}
BENCHMARK(BM_HundredPropertyChangesAndUndos)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

KIVVO_BENCHMARK_MAIN_WITH_APPLICATION()
