// Loading a .kv document from any bytes: a failed load leaves the document as it was; a good
// load stores bytes that load again and store byte for byte the same. Now and then what
// loaded is grown a thousandfold (its newest list's persons and exclusions) and loaded again:
// a check of what is read that grows faster than the file runs into the fuzzer's time-out.
#include "FuzzCheck.h"
#include "app/KivvoDoc.h"
#include "model/NameList.h"

namespace {

constexpr int kGrowEvery = 64;
constexpr qsizetype kGrownEntries = 200000;

// The newest list copied nCopies times over, each copy's names marked, with its exclusions.
QByteArray Grown(const CKivvoDoc& doc)
{
    const CNameList& list = *doc.GetHeadNode()->m_pList;
    QList<const CPerson*> persons;
    list.ForEachPerson([&persons](const CPerson* pPerson) { persons.append(pPerson); });
    const auto& pairs = list.m_exclusions.Pairs();
    const qsizetype nCopies =
        std::min<qsizetype>(1024, kGrownEntries / (persons.size() + qsizetype(pairs.size()) + 1));
    CKivvoDoc grown;
    grown.OnNewDocument();
    grown.SetRules(doc.GetRules());
    CNameList& into = *grown.GetNewestList();
    for (qsizetype n = 0; n < nCopies; ++n) {
        const QString strMark = QStringLiteral("#%1").arg(n);
        for (const CPerson* pPerson : std::as_const(persons))
            into.Append(new CPerson(pPerson->m_strName + strMark, pPerson->m_strAddress,
                                    pPerson->m_strSuggestions));
        for (const CExclusions::CPair& pair : pairs)
            into.m_exclusions.Add(pair.m_strGiver + strMark, pair.m_strRecipient + strMark);
    }
    return Store(grown);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const QByteArray input(reinterpret_cast<const char*>(pData), static_cast<qsizetype>(nSize));
    CKivvoDoc doc;
    doc.OnNewDocument();
    doc.GetNewestList()->Append(new CPerson(QStringLiteral("Keep"), {}, {}));
    const QByteArray before = Store(doc);
    if (!Load(doc, input)) {
        FUZZ_CHECK(Store(doc) == before);
        return 0;
    }
    FUZZ_CHECK(doc.GetCurrentNode() == doc.GetHeadNode());
    const QByteArray stored = Store(doc);
    CKivvoDoc reloaded;
    FUZZ_CHECK(Load(reloaded, stored));
    FUZZ_CHECK(Store(reloaded) == stored);
    static int s_nLoaded = 0;
    if (++s_nLoaded % kGrowEvery == 0) {
        CKivvoDoc big;
        FUZZ_CHECK(Load(big, Grown(doc)));
    }
    return 0;
}
