#include "Base64Lines.h"

namespace {

constexpr int kGroupsPerLine = 19; // 76 characters
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

} // namespace

void CBase64Lines::Group(const unsigned char* pBytes)
{
    const char group[4] = {
        kAlphabet[pBytes[0] >> 2], kAlphabet[((pBytes[0] & 0x03) << 4) | (pBytes[1] >> 4)],
        kAlphabet[((pBytes[1] & 0x0F) << 2) | (pBytes[2] >> 6)], kAlphabet[pBytes[2] & 0x3F]};
    m_out.append(group, 4);
    if (++m_nGroups == kGroupsPerLine) {
        m_out.append("\r\n", 2);
        m_nGroups = 0;
    }
}

void CBase64Lines::Append(QByteArrayView utf8)
{
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
    const auto* pEnd = p + utf8.size();
    while (m_nPending > 0 && m_nPending < 3 && p < pEnd)
        m_pending[m_nPending++] = *p++;
    if (m_nPending == 3) {
        Group(m_pending);
        m_nPending = 0;
    }
    const qsizetype nGroups = (pEnd - p) / 3;
    m_out.reserve(m_out.size() + nGroups * 4 + (nGroups / kGroupsPerLine + 1) * 2);
    for (; pEnd - p >= 3; p += 3)
        Group(p);
    while (p < pEnd)
        m_pending[m_nPending++] = *p++;
}

void CBase64Lines::Append(QStringView text)
{
    Append(QByteArrayView(text.toUtf8()));
}

void CBase64Lines::Finish()
{
    if (m_nPending > 0) {
        const unsigned char bytes[3] = {m_pending[0], m_nPending > 1 ? m_pending[1] : uchar(0), 0};
        const int nPadding = 3 - m_nPending;
        m_nPending = 0;
        const qsizetype nAt = m_out.size();
        Group(bytes);
        // The padding replaces the characters that stand for the missing bytes.
        const qsizetype nPadAt = nAt + 4 - nPadding;
        for (int i = 0; i < nPadding; ++i)
            m_out[nPadAt + i] = '=';
    }
    if (m_nGroups > 0)
        m_out.append("\r\n", 2);
    m_nGroups = 0;
}
