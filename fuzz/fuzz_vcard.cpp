// The contacts reader on any bytes: it never fails, and every contact makes a cache record
// of exactly six fields.
#include "FuzzCheck.h"
#include "app/KivvoApp.h"
#include "notify/VCardReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const QByteArray data(reinterpret_cast<const char*>(pData), static_cast<qsizetype>(nSize));
    const QList<CVCardContact> contacts = CVCardReader::Parse(data);
    CVCardReader::LooksLikeVCard(data);
    for (const CVCardContact& contact : contacts) {
        const QString strRecord = CKivvoApp::ContactRecord(contact);
        FUZZ_CHECK(strRecord.count(u';') == 6);
        FUZZ_CHECK(!strRecord.contains(u'\n') && !strRecord.contains(u'\r'));
    }
    return 0;
}
