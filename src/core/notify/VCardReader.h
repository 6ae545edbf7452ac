#pragma once

#include "notify/VCardContact.h"

#include <QByteArray>
#include <QList>

#include <atomic>

// Reads the contacts of a vCard file (2.1, 3.0 or 4.0) as real address books write them:
// folded lines, CRLF or LF, a byte-order mark, quoted-printable and CHARSET parameters,
// property groups, TYPE and PREF parameters, escapes, nested cards. Lines that make no
// sense are skipped; nothing here fails.
class CVCardReader
{
public:
    // Contacts in the order their cards begin in the file. A reading stopped by pStop (it
    // is looked at every card) gives what it had.
    static QList<CVCardContact> Parse(const QByteArray& data,
                                      const std::atomic<bool>* pStop = nullptr);

    // Whether the data holds a vCard at all.
    static bool LooksLikeVCard(const QByteArray& data);
};
