// Composing a message from any fields: no bare CR, LF or NUL and no 8-bit byte in the header
// block, each header once, no line over 998 characters, and the body decodes back.
#include "FuzzCheck.h"
#include "notify/MailMessage.h"
#include "support/MessageCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

// Any UTF-16 text (lone surrogates included) or any UTF-8 bytes, as the provider decides.
QString Text(FuzzedDataProvider& provider)
{
    const std::string bytes = provider.ConsumeRandomLengthString(2000);
    if (provider.ConsumeBool())
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.data()),
                              static_cast<qsizetype>(bytes.size() / 2));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    FuzzedDataProvider provider(pData, nSize);
    const QString strFrom = Text(provider);
    QStringList recipients;
    for (int n = provider.ConsumeIntegralInRange(1, 4); n > 0; --n)
        recipients.append(Text(provider));
    const QString strSubject = Text(provider);
    const QString strMessageId =
        provider.ConsumeBool() ? Text(provider) : CMailMessage::NewMessageId(strFrom);
    const QString strBody = Text(provider);
    const QDateTime date = QDateTime::fromSecsSinceEpoch(provider.ConsumeIntegral<qint32>());
    const QByteArray message =
        CMailMessage::Compose(strFrom, recipients, strSubject, strBody, date, strMessageId);
    const QString strProblem = MessageProblem(message, strBody);
    if (!strProblem.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(strProblem));
    FUZZ_CHECK(strProblem.isEmpty());
    return 0;
}
