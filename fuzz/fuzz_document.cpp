// Loading a .kv document from any bytes: a failed load leaves the document as it was; a good
// load stores bytes that load again and store byte for byte the same.
#include "FuzzCheck.h"
#include "app/KivvoDoc.h"
#include "model/NameList.h"
#include "platform/Archive.h"

#include <QBuffer>

namespace {

QByteArray Store(CKivvoDoc& doc)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(&buffer, CArchive::store);
    doc.Serialize(ar);
    FUZZ_CHECK(ar.IsOk());
    return buffer.data();
}

bool Load(CKivvoDoc& doc, QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CArchive ar(&buffer, CArchive::load);
    doc.Serialize(ar);
    FUZZ_CHECK(ar.IsOk() || !ar.ErrorString().isEmpty());
    return ar.IsOk();
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
    return 0;
}
