#pragma once

#include <QString>

#include <string>

class QIODevice;

// Reads or writes the binary file formats: 32-bit little-endian integers, single bytes and
// strings in the length-prefixed form of a Unicode archive string. The first failure
// sticks: later reads return zero values, later writes do nothing, and ErrorString() says
// what went wrong in words a user can read. Loading reads ahead through its own buffer, so
// the device's position afterwards says nothing about what was used.
class CArchive
{
public:
    // No text the program stores is longer; a longer one is refused on reading and writing
    // alike, before any memory is taken for it.
    static constexpr qint64 kMaxTextLength = qint64(1) << 20;
    // No document holds more persons and groups, all lists together: far above any circle of
    // people, and low enough that a file within the size limit opens in about a gigabyte.
    static constexpr qint32 kMaxEntries = 500000;

    enum EMode
    {
        load,
        store,
    };

    CArchive(QIODevice* pDevice, EMode mode);

    // While one lives, what is written is gathered and reaches the device in one write when
    // the outermost one ends: a list of persons is one write, not five per person. A failure
    // meanwhile drops what was gathered.
    class CRecord
    {
    public:
        explicit CRecord(CArchive& ar);
        ~CRecord();
        CRecord(const CRecord&) = delete;
        CRecord& operator=(const CRecord&) = delete;

    private:
        CArchive& m_ar;
    };

    bool IsLoading() const { return m_mode == load; }
    bool IsStoring() const { return m_mode == store; }
    bool IsOk() const { return m_strError.isEmpty(); }
    QString ErrorString() const { return m_strError; }

    // Records a failure found by the caller (for example a structure that makes no sense).
    // Only the first failure is kept.
    void SetError(const QString& strError);
    // Counts one more person or group, read or written; false, with the error recorded, once
    // there are more than kMaxEntries, before anything is made for it.
    bool TakeEntry();

    void WriteInt(qint32 nValue);
    void WriteByte(quint8 nValue);
    void WriteString(const QString& str);

    qint32 ReadInt();
    quint8 ReadByte();
    QString ReadString();

    // Raw bytes, for blocks whose length the caller has checked against Unread().
    void WriteBytes(const QByteArray& data) { WriteRaw(data.constData(), data.size()); }
    bool ReadBytes(QByteArray& data, qint64 nSize) { return ReadBlock(data, quint64(nSize)); }
    // Bytes of the device not yet read, or -1 when a sequential device cannot tell.
    qint64 Unread() const { return m_nUnread; }
    // Whether everything has been read (also true after a failure).
    bool AtEnd();

private:
    bool ReadRaw(char* pData, qint64 nSize);
    bool ReadBlock(QByteArray& data, quint64 nSize);
    bool ReadLengthPrefix(quint64& nLength, bool& bUnicode);
    void WriteRaw(const char* pData, qint64 nSize);
    quint16 ReadWord();
    quint32 ReadDword();

    QIODevice* m_pDevice;
    EMode m_mode;
    QString m_strError;
    QByteArray m_readBuffer;
    std::string m_record; // what the open records gathered
    int m_nRecordDepth = 0;
    qsizetype m_nBufferPos = 0;
    qint64 m_nUnread = -1; // bytes of the device not yet taken; -1 for a sequential device
    qint32 m_nEntries = 0;
};
