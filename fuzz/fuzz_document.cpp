// Loading a .kv document from any bytes: a failed load leaves the document as it was; a good
// load stores bytes that load again and store byte for byte the same.
#include "FuzzCheck.h"
#include "app/KivvoDoc.h"
#include "model/NameList.h"

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
    return 0;
}
