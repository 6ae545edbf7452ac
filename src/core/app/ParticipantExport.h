#pragma once

#include <QByteArray>

class CNameList;

// The persons of a list as CSV that the import reads back: a header row, then name,
// address, suggestions and group of each person in list order. Drawn names never leave.
class CParticipantExport
{
public:
    static QByteArray Csv(const CNameList& list);
};
