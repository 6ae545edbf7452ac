// The settings file from any bytes: load, store, load again, store again; both loads agree
// field by field and both stores byte by byte.
#include "FuzzCheck.h"
#include "app/Settings.h"

namespace {

bool Same(const CSettings& a, const CSettings& b)
{
    return a.m_strServer == b.m_strServer && a.m_nPort == b.m_nPort && a.m_strFrom == b.m_strFrom &&
           a.m_strUser == b.m_strUser && a.m_strPassword == b.m_strPassword &&
           a.m_nReserved1 == b.m_nReserved1 && a.m_nReserved2 == b.m_nReserved2 &&
           a.m_strFooter == b.m_strFooter && a.m_strReserved1 == b.m_strReserved1 &&
           a.m_strReserved2 == b.m_strReserved2 && a.m_strReserved3 == b.m_strReserved3 &&
           a.m_strReserved4 == b.m_strReserved4 && a.m_strReserved5 == b.m_strReserved5 &&
           a.m_strReserved6 == b.m_strReserved6;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    CSettings loaded;
    Load(loaded, QByteArray(reinterpret_cast<const char*>(pData), static_cast<qsizetype>(nSize)));
    const QByteArray stored = Store(loaded);
    CSettings reloaded;
    reloaded.m_strServer = QStringLiteral("not from the file");
    FUZZ_CHECK(Load(reloaded, stored));
    FUZZ_CHECK(Same(loaded, reloaded));
    FUZZ_CHECK(Store(reloaded) == stored);
    return 0;
}
