#pragma once

#include <QString>

#include <memory>

class CNameList;

// A compact way to write lists in tests: entries separated by ", ", a person as "Ann" or,
// with a drawn name, "Ann>Bob" (several: "Ann>Bob+Cid"), a group as "Smiths[Bob, Carl]"; a
// person who gives only as "Dan:g", one who receives only as "Eve:r".
std::unique_ptr<CNameList> ParseList(const QString& strNotation);
// The same notation for an existing list (drawn names included when present).
QString DescribeList(const CNameList& list);
