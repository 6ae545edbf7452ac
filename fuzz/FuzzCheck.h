#pragma once

#include "platform/Archive.h"

#include <QBuffer>

#include <cstdio>
#include <cstdlib>

// A broken property: say which and stop, so that libFuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__);          \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// The bytes object.Serialize() stores; storing never fails.
template <typename T> QByteArray Store(T& object)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(&buffer, CArchive::store);
    object.Serialize(ar);
    FUZZ_CHECK(ar.IsOk());
    return buffer.data();
}

// Lets object.Serialize() load the bytes; true when the archive reports no error, and a
// reason whenever it does.
template <typename T> bool Load(T& object, QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CArchive ar(&buffer, CArchive::load);
    object.Serialize(ar);
    FUZZ_CHECK(ar.IsOk() || !ar.ErrorString().isEmpty());
    return ar.IsOk();
}
