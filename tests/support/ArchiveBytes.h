#pragma once

#include "platform/Archive.h"

#include <QBuffer>
#include <QByteArray>
#include <QtEndian>

// Expected file bytes, written out by hand in the tests.

// A Unicode archive string of ASCII text (shorter than 255 characters).
inline QByteArray Str(const QByteArray& ascii)
{
    QByteArray bytes = QByteArray::fromHex("FFFEFF");
    bytes.append(static_cast<char>(ascii.size()));
    for (const char ch : ascii)
        bytes.append(ch).append('\0');
    return bytes;
}

// A 32-bit little-endian integer.
inline QByteArray Int(qint32 n)
{
    QByteArray bytes(4, Qt::Uninitialized);
    qToLittleEndian(n, bytes.data());
    return bytes;
}

// The bytes that store(archive) writes.
template <typename Fn> QByteArray StoredBytes(Fn store)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(&buffer, CArchive::store);
    store(ar);
    return buffer.data();
}

// Lets load(archive) read the bytes; true when the archive reports no error.
template <typename Fn> bool LoadBytes(QByteArray bytes, Fn load)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CArchive ar(&buffer, CArchive::load);
    load(ar);
    return ar.IsOk();
}
