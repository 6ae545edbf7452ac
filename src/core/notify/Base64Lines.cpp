#include "notify/Base64Lines.h"

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
    // The whole groups straight into the room made for them and their line ends.
    const qsizetype nGroups = (pEnd - p) / 3;
    if (nGroups > 0) {
        const qsizetype nAt = m_out.size();
        m_out.resize(nAt + nGroups * 4 + (m_nGroups + nGroups) / kGroupsPerLine * 2);
        char* q = m_out.data() + nAt;
        int nColumn = m_nGroups;
        for (qsizetype i = 0; i < nGroups; ++i, p += 3, q += 4) {
            q[0] = kAlphabet[p[0] >> 2];
            q[1] = kAlphabet[((p[0] & 0x03) << 4) | (p[1] >> 4)];
            q[2] = kAlphabet[((p[1] & 0x0F) << 2) | (p[2] >> 6)];
            q[3] = kAlphabet[p[2] & 0x3F];
            if (++nColumn == kGroupsPerLine) {
                q[4] = '\r';
                q[5] = '\n';
                q += 2;
                nColumn = 0;
            }
        }
        m_nGroups = nColumn;
    }
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
