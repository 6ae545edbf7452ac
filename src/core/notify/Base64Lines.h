#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

// Writes a message body straight into the message as base64 lines of 76 characters, each
// ended by CRLF, as it is handed over piece by piece: no copy of the whole body is ever made,
// in UTF-16, UTF-8 or base64. The lines are the same as those of the whole body encoded at
// once.
class CBase64Lines
{
public:
    explicit CBase64Lines(QByteArray& out) : m_out(out) {}

    void Append(QByteArrayView utf8);
    // Text as UTF-8; a piece should not end inside a surrogate pair.
    void Append(QStringView text);
    // Writes the last, padded group and ends the last line.
    void Finish();

private:
    void Group(const unsigned char* pBytes);

    QByteArray& m_out;
    unsigned char m_pending[3] = {};
    int m_nPending = 0;
    int m_nGroups = 0; // on the line being written
};
