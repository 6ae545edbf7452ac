#include "platform/Archive.h"

#include "text/Resource.h"
#include "text/StringTable.h"

#include <QIODevice>
#include <QSysInfo>
#include <QtEndian>

#include <array>
#include <cstring>
#include <limits>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; undefined codes map to themselves.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString DecodeCp1252(const QByteArray& bytes)
{
    QString str(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<quint8>(bytes[i]);
        str[i] = QChar(byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : char16_t(byte));
    }
    return str;
}

constexpr quint64 kReadChunk = 64 * 1024;

} // namespace

CArchive::CArchive(QIODevice* pDevice, EMode mode) : m_pDevice(pDevice), m_mode(mode)
{
    // The size is asked once: for a file every question is a system call.
    if (mode == load && !pDevice->isSequential())
        m_nUnread = std::max<qint64>(0, pDevice->size() - pDevice->pos());
}

void CArchive::SetError(const QString& strError)
{
    if (m_strError.isEmpty())
        m_strError = strError.isEmpty() ? QStringLiteral("?") : strError;
}

bool CArchive::TakeEntry()
{
    if (++m_nEntries <= kMaxEntries)
        return IsOk();
    m_nEntries = kMaxEntries + 1; // stays above the limit, never wraps
    SetError(CStringTable::Format(IDS_ERR_TOO_MANY_ENTRIES, {kMaxEntries}));
    return false;
}

CArchive::CRecord::CRecord(CArchive& ar) : m_ar(ar)
{
    ++m_ar.m_nRecordDepth;
}

CArchive::CRecord::~CRecord()
{
    if (--m_ar.m_nRecordDepth > 0)
        return;
    m_ar.WriteRaw(m_ar.m_record.data(), qint64(m_ar.m_record.size()));
    m_ar.m_record.clear();
}

void CArchive::WriteRaw(const char* pData, qint64 nSize)
{
    if (!IsOk())
        return;
    if (m_nRecordDepth > 0) {
        m_record.append(pData, size_t(nSize));
        return;
    }
    if (m_pDevice->write(pData, nSize) != nSize)
        SetError(CStringTable::Format(IDS_ERR_DEVICE, {m_pDevice->errorString()}));
}

void CArchive::WriteInt(qint32 nValue)
{
    const qint32 nLittle = qToLittleEndian(nValue);
    WriteRaw(reinterpret_cast<const char*>(&nLittle), sizeof nLittle);
}

void CArchive::WriteByte(quint8 nValue)
{
    WriteRaw(reinterpret_cast<const char*>(&nValue), 1);
}

void CArchive::WriteString(const QString& str)
{
    // What could not be read back is not written.
    if (str.size() > kMaxTextLength)
        SetError(CStringTable::Format(IDS_ERR_TEXT_TOO_LONG, {str.size(), kMaxTextLength}));
    if (!IsOk())
        return;
    const auto nLength = static_cast<quint32>(str.size());
    std::array<char, 11> prefix = {'\xFF', '\xFE', '\xFF'};
    qsizetype nPrefix = 3;
    if (nLength < 0xFF) {
        prefix[nPrefix++] = static_cast<char>(nLength);
    } else if (nLength < 0xFFFE) {
        prefix[nPrefix++] = '\xFF';
        qToLittleEndian(static_cast<quint16>(nLength), &prefix[nPrefix]);
        nPrefix += 2;
    } else {
        prefix[nPrefix++] = '\xFF';
        prefix[nPrefix++] = '\xFF';
        prefix[nPrefix++] = '\xFF';
        qToLittleEndian(nLength, &prefix[nPrefix]);
        nPrefix += 4;
    }
    WriteRaw(prefix.data(), nPrefix);
    // The text's UTF-16 units are little-endian already on most machines: written as they are.
    if constexpr (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
        WriteRaw(reinterpret_cast<const char*>(str.utf16()), str.size() * 2);
    } else {
        QByteArray units(str.size() * 2, Qt::Uninitialized);
        qToLittleEndian<quint16>(str.utf16(), str.size(), units.data());
        WriteRaw(units.constData(), units.size());
    }
}

bool CArchive::ReadRaw(char* pData, qint64 nSize)
{
    if (!IsOk())
        return false;
    // Most reads are a few bytes out of the buffer.
    if (nSize <= m_readBuffer.size() - m_nBufferPos) {
        std::memcpy(pData, m_readBuffer.constData() + m_nBufferPos, size_t(nSize));
        m_nBufferPos += nSize;
        if (m_nUnread >= 0)
            m_nUnread = std::max<qint64>(0, m_nUnread - nSize);
        return true;
    }
    qint64 nDone = 0;
    while (nDone < nSize) {
        if (m_nBufferPos == m_readBuffer.size()) {
            m_readBuffer.resize(qsizetype(kReadChunk));
            const qint64 nRead = m_pDevice->read(m_readBuffer.data(), qint64(kReadChunk));
            m_readBuffer.resize(std::max<qint64>(nRead, 0));
            m_nBufferPos = 0;
            if (nRead <= 0)
                break;
        }
        const qint64 nCopy = std::min<qint64>(nSize - nDone, m_readBuffer.size() - m_nBufferPos);
        memcpy(pData + nDone, m_readBuffer.constData() + m_nBufferPos, size_t(nCopy));
        m_nBufferPos += nCopy;
        nDone += nCopy;
    }
    if (m_nUnread >= 0)
        m_nUnread = std::max<qint64>(0, m_nUnread - nDone);
    if (nDone == nSize)
        return true;
    SetError(CStringTable::Load(IDS_ERR_TRUNCATED));
    return false;
}

bool CArchive::ReadBlock(QByteArray& data, quint64 nSize)
{
    // A length comes from the file: check it against what is left before allocating,
    // and grow the buffer only as data really arrives.
    if (m_nUnread >= 0 && nSize > static_cast<quint64>(m_nUnread)) {
        SetError(CStringTable::Load(IDS_ERR_STRING_TOO_LONG));
        return false;
    }
    data.clear();
    while (static_cast<quint64>(data.size()) < nSize) {
        const quint64 nChunk = std::min(kReadChunk, nSize - data.size());
        const qsizetype nOld = data.size();
        data.resize(nOld + static_cast<qsizetype>(nChunk));
        if (!ReadRaw(data.data() + nOld, static_cast<qint64>(nChunk)))
            return false;
    }
    return true;
}

bool CArchive::AtEnd()
{
    if (!IsOk())
        return true;
    if (m_nBufferPos < m_readBuffer.size())
        return false;
    if (m_nUnread >= 0)
        return m_nUnread == 0;
    m_readBuffer.resize(qsizetype(kReadChunk));
    const qint64 nRead = m_pDevice->read(m_readBuffer.data(), qint64(kReadChunk));
    m_readBuffer.resize(std::max<qint64>(nRead, 0));
    m_nBufferPos = 0;
    return nRead <= 0;
}

qint32 CArchive::ReadInt()
{
    qint32 nValue = 0;
    if (!ReadRaw(reinterpret_cast<char*>(&nValue), sizeof nValue))
        return 0;
    return qFromLittleEndian(nValue);
}

quint8 CArchive::ReadByte()
{
    quint8 nValue = 0;
    return ReadRaw(reinterpret_cast<char*>(&nValue), 1) ? nValue : 0;
}

quint16 CArchive::ReadWord()
{
    quint16 nValue = 0;
    return ReadRaw(reinterpret_cast<char*>(&nValue), 2) ? qFromLittleEndian(nValue) : 0;
}

quint32 CArchive::ReadDword()
{
    quint32 nValue = 0;
    return ReadRaw(reinterpret_cast<char*>(&nValue), 4) ? qFromLittleEndian(nValue) : 0;
}

bool CArchive::ReadLengthPrefix(quint64& nLength, bool& bUnicode)
{
    // The common form, a Unicode text shorter than 255, taken from the buffer in one step.
    const auto* pBuffered =
        reinterpret_cast<const quint8*>(m_readBuffer.constData()) + m_nBufferPos;
    if (IsOk() && m_readBuffer.size() - m_nBufferPos >= 4 && pBuffered[0] == 0xFF &&
        pBuffered[1] == 0xFE && pBuffered[2] == 0xFF && pBuffered[3] < 0xFF) {
        bUnicode = true;
        nLength = pBuffered[3];
        m_nBufferPos += 4;
        if (m_nUnread >= 0)
            m_nUnread = std::max<qint64>(0, m_nUnread - 4);
        return true;
    }
    bUnicode = false;
    quint8 nByte = ReadByte();
    if (!IsOk())
        return false;
    if (nByte < 0xFF) {
        nLength = nByte;
        return true;
    }
    quint16 nWord = ReadWord();
    if (IsOk() && nWord == 0xFFFE) {
        // The Unicode marker: the real length follows in the same form.
        bUnicode = true;
        nByte = ReadByte();
        if (IsOk() && nByte < 0xFF) {
            nLength = nByte;
            return true;
        }
        nWord = ReadWord();
    }
    if (!IsOk())
        return false;
    if (nWord < 0xFFFF) {
        nLength = nWord;
        return true;
    }
    const quint32 nDword = ReadDword();
    if (!IsOk())
        return false;
    if (nDword < 0xFFFFFFFF) {
        nLength = nDword;
        return true;
    }
    const quint64 nLow = ReadDword();
    const quint64 nHigh = ReadDword();
    nLength = nLow | (nHigh << 32);
    return IsOk();
}

QString CArchive::ReadString()
{
    quint64 nLength = 0;
    bool bUnicode = false;
    if (!ReadLengthPrefix(nLength, bUnicode))
        return {};
    if (nLength > static_cast<quint64>(kMaxTextLength)) {
        SetError(CStringTable::Format(
            IDS_ERR_TEXT_TOO_LONG,
            {qint64(std::min<quint64>(nLength, std::numeric_limits<qint64>::max())),
             kMaxTextLength}));
        return {};
    }
    if (bUnicode && m_nUnread >= 0) {
        // The device's size is known: the length is checked against it, then the text is read
        // straight into the string.
        if (nLength * 2 > static_cast<quint64>(m_nUnread)) {
            SetError(CStringTable::Load(IDS_ERR_STRING_TOO_LONG));
            return {};
        }
        QString str(static_cast<qsizetype>(nLength), Qt::Uninitialized);
        if (!ReadRaw(reinterpret_cast<char*>(str.data()), qint64(nLength) * 2))
            return {};
        if constexpr (QSysInfo::ByteOrder == QSysInfo::BigEndian)
            qFromLittleEndian<quint16>(str.constData(), str.size(), str.data());
        return str;
    }
    QByteArray data;
    if (!ReadBlock(data, bUnicode ? nLength * 2 : nLength))
        return {};
    if (!bUnicode)
        return DecodeCp1252(data);
    QString str(static_cast<qsizetype>(nLength), Qt::Uninitialized);
    qFromLittleEndian<quint16>(data.constData(), str.size(), str.data());
    return str;
}
