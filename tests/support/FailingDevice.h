#pragma once

#include <QIODevice>

// A random-access device over a byte array that fails every read or write past a limit,
// the way a truncated file or a full disk does.
class CFailingDevice : public QIODevice
{
public:
    CFailingDevice(QByteArray data, qint64 nLimit) : m_data(std::move(data)), m_nLimit(nLimit) {}

    const QByteArray& Data() const { return m_data; }

protected:
    qint64 readData(char* pData, qint64 nMax) override
    {
        const qint64 nAvailable = std::min<qint64>(m_data.size(), m_nLimit) - pos();
        const qint64 nRead = std::min(nMax, nAvailable);
        if (nRead <= 0)
            return -1;
        memcpy(pData, m_data.constData() + pos(), static_cast<size_t>(nRead));
        return nRead;
    }

    qint64 writeData(const char* pData, qint64 nSize) override
    {
        if (pos() + nSize > m_nLimit) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        m_data.resize(std::max<qint64>(m_data.size(), pos() + nSize));
        memcpy(m_data.data() + pos(), pData, static_cast<size_t>(nSize));
        return nSize;
    }

    qint64 size() const override { return m_data.size(); }

private:
    QByteArray m_data;
    qint64 m_nLimit;
};
