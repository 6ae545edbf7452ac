// Loading and saving the lists of a document through the archive, against a minimal reader
// and writer of the same bytes that build and walk the same objects without any checks.
#include "app/KivvoDoc.h"
#include "model/Group.h"
#include "model/NameList.h"
#include "platform/Archive.h"

#include <QBuffer>
#include <QtEndian>

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int kLists = 255;

using CLists = std::vector<std::unique_ptr<CNameList>>;

// 255 drawings of 100 persons each: 10 households of 5, 50 persons on their own.
CLists LongHistory()
{
    CLists lists;
    for (int n = 0; n < kLists; ++n) {
        auto pList = std::make_unique<CNameList>();
        pList->m_strName = QStringLiteral("Christmas %1").arg(2026 - n);
        for (int g = 0; g < 10; ++g) {
            auto* pGroup = new CGroup(QStringLiteral("Household %1").arg(g));
            for (int i = 0; i < 5; ++i) {
                auto* pPerson = new CPerson(QStringLiteral("Person %1-%2").arg(g).arg(i),
                                            QStringLiteral("someone%1@example.com").arg(i), {});
                pPerson->m_strGiftTo = QStringLiteral("Person %1").arg(i);
                pGroup->Add(pPerson);
            }
            pList->Append(pGroup);
        }
        for (int i = 0; i < 50; ++i) {
            auto* pPerson = new CPerson(QStringLiteral("Person %1").arg(i), {},
                                        QStringLiteral("Books, tea and a long scarf"));
            pPerson->m_strGiftTo = QStringLiteral("Person 0-%1").arg(i % 5);
            pList->Append(pPerson);
        }
        lists.push_back(std::move(pList));
    }
    return lists;
}

QByteArray Store(const CLists& lists)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(&buffer, CArchive::store);
    for (const auto& pList : lists)
        pList->Serialize(ar);
    return buffer.data();
}

// The minimal writer: every value appended to one growing buffer.
class CMinimalWriter
{
public:
    void Int(qint32 nValue)
    {
        const qint32 nLittle = qToLittleEndian(nValue);
        m_data.append(reinterpret_cast<const char*>(&nLittle), 4);
    }
    void String(const QString& str)
    {
        const auto nLength = static_cast<quint32>(str.size());
        m_data.append("\xFF\xFE\xFF", 3);
        if (nLength < 0xFF) {
            m_data.append(char(nLength));
        } else {
            const quint16 nWord = qToLittleEndian(quint16(nLength));
            m_data.append('\xFF').append(reinterpret_cast<const char*>(&nWord), 2);
        }
        m_data.append(reinterpret_cast<const char*>(str.utf16()), str.size() * 2);
    }
    void Person(const CPerson& person)
    {
        Int(TAG_PERSON);
        String(person.m_strName);
        String(person.m_strAddress);
        String(person.m_strSuggestions);
        String(person.m_strGiftTo);
    }
    void List(const CNameList& list)
    {
        String(list.m_strName);
        for (const CListItem* pItem = list.m_pFirst; pItem; pItem = pItem->m_pNext) {
            if (!pItem->IsGroup()) {
                Person(*static_cast<const CPerson*>(pItem));
                continue;
            }
            const auto& group = *static_cast<const CGroup*>(pItem);
            Int(TAG_GROUP);
            String(group.m_strName);
            Int(group.m_nCount);
            for (const CPerson* pPerson = group.m_pFirst; pPerson; pPerson = pPerson->Next())
                Person(*pPerson);
        }
        Int(TAG_END_OF_LIST);
    }
    QByteArray m_data;
};

// The minimal reader: straight through the bytes, trusting every length and tag.
class CMinimalReader
{
public:
    explicit CMinimalReader(const QByteArray& data) : m_p(data.constData()) {}
    qint32 Int()
    {
        qint32 nValue = 0;
        std::memcpy(&nValue, m_p, 4);
        m_p += 4;
        return qFromLittleEndian(nValue);
    }
    QString String()
    {
        m_p += 3; // the Unicode marker
        qsizetype nLength = quint8(*m_p++);
        if (nLength == 0xFF) {
            quint16 nWord = 0;
            std::memcpy(&nWord, m_p, 2);
            m_p += 2;
            nLength = qFromLittleEndian(nWord);
        }
        QString str(nLength, Qt::Uninitialized);
        std::memcpy(str.data(), m_p, size_t(nLength) * 2);
        m_p += nLength * 2;
        return str;
    }
    void Person(CPerson& person)
    {
        person.m_strName = String();
        person.m_strAddress = String();
        person.m_strSuggestions = String();
        person.m_strGiftTo = String();
    }
    void List(CNameList& list)
    {
        list.m_strName = String();
        for (qint32 nTag = Int(); nTag != TAG_END_OF_LIST; nTag = Int()) {
            if (nTag == TAG_PERSON) {
                auto* pPerson = new CPerson;
                Person(*pPerson);
                list.Append(pPerson);
                continue;
            }
            auto* pGroup = new CGroup;
            pGroup->m_strName = String();
            const qint32 nCount = Int();
            for (qint32 i = 0; i < nCount; ++i) {
                Int();
                auto* pPerson = new CPerson;
                Person(*pPerson);
                pGroup->Add(pPerson);
            }
            list.Append(pGroup);
        }
    }

private:
    const char* m_p;
};

void BM_LoadListsMinimal(benchmark::State& state)
{
    const QByteArray bytes = Store(LongHistory());
    for (auto _ : state) {
        CMinimalReader reader(bytes);
        CLists lists;
        for (int n = 0; n < kLists; ++n) {
            lists.push_back(std::make_unique<CNameList>());
            reader.List(*lists.back());
        }
        benchmark::DoNotOptimize(lists.back()->m_pFirst);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_LoadListsMinimal)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

void BM_LoadLists(benchmark::State& state)
{
    QByteArray bytes = Store(LongHistory());
    for (auto _ : state) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        CArchive ar(&buffer, CArchive::load);
        CLists lists;
        for (int n = 0; n < kLists; ++n) {
            lists.push_back(std::make_unique<CNameList>());
            lists.back()->Serialize(ar);
        }
        if (!ar.IsOk())
            state.SkipWithError("load failed");
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_LoadLists)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);

void BM_SaveListsMinimal(benchmark::State& state)
{
    const CLists lists = LongHistory();
    const QByteArray expected = Store(lists);
    for (auto _ : state) {
        CMinimalWriter writer;
        for (const auto& pList : lists)
            writer.List(*pList);
        if (writer.m_data.size() != expected.size())
            state.SkipWithError("the minimal writer wrote other bytes");
    }
    state.SetBytesProcessed(state.iterations() * expected.size());
}
BENCHMARK(BM_SaveListsMinimal)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

void BM_SaveLists(benchmark::State& state)
{
    const CLists lists = LongHistory();
    qsizetype nBytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        CArchive ar(&buffer, CArchive::store);
        for (const auto& pList : lists)
            pList->Serialize(ar);
        nBytes = buffer.data().size();
    }
    state.SetBytesProcessed(state.iterations() * nBytes);
}
BENCHMARK(BM_SaveLists)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);

// A document whose newest list has N persons who each never draw ten others: reading it
// grows with the file, not with the pairs times the persons.
void BM_LoadExclusions(benchmark::State& state)
{
    const int nPersons = int(state.range(0));
    CKivvoDoc written;
    written.OnNewDocument();
    CNameList& list = *written.GetNewestList();
    for (int i = 0; i < nPersons; ++i)
        list.Append(new CPerson(QStringLiteral("Person %1").arg(i), {}, {}));
    for (int i = 0; i < nPersons; ++i) {
        for (int k = 1; k <= 10; ++k)
            list.m_exclusions.Add(QStringLiteral("Person %1").arg(i),
                                  QStringLiteral("Person %1").arg((i + k) % nPersons));
    }
    QBuffer stored;
    stored.open(QIODevice::WriteOnly);
    CArchive out(&stored, CArchive::store);
    written.Serialize(out);
    QByteArray bytes = stored.data();
    for (auto _ : state) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        CArchive ar(&buffer, CArchive::load);
        CKivvoDoc doc;
        doc.Serialize(ar);
        if (!ar.IsOk() || doc.GetNewestList()->m_exclusions.Pairs().size() != nPersons * 10)
            state.SkipWithError("load failed");
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
    state.counters["pairs"] = nPersons * 10;
}
BENCHMARK(BM_LoadExclusions)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
