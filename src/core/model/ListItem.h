#pragma once

#include <QString>

class CArchive;

// Entry tags of the document file.
constexpr qint32 TAG_PERSON = 1;
constexpr qint32 TAG_GROUP = 2;
constexpr qint32 TAG_END_OF_LIST = 3;

// An entry of a list: a person or a group of persons.
class CListItem
{
public:
    virtual ~CListItem() = default;
    CListItem(const CListItem&) = delete;
    CListItem& operator=(const CListItem&) = delete;

    virtual bool IsGroup() const = 0;

    // Writes the entry, tag first.
    virtual void Store(CArchive& ar) const = 0;

    CListItem* m_pNext = nullptr;
    QString m_strName;

protected:
    CListItem() = default;
    explicit CListItem(const QString& strName) : m_strName(strName) {}
};
