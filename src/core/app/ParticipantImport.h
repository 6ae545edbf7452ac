#pragma once

#include "model/NameList.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QFileDevice;
class QIODevice;

// Participants read from a CSV file (name, address, suggestions, group; a first line naming
// the columns, as Kivvo and address books write it, may come first, in any order) or a vCard
// file (every card with a name: its name and preferred address), checked against a list
// before anything is added: a bad row refuses the whole import, and names the list has
// already are reported and left out.
class CParticipantImport
{
public:
    struct CRow
    {
        int m_nLine = 0; // 0 for a vCard
        QString m_strName;
        QString m_strAddress;
        QString m_strSuggestions;
        QString m_strGroup;
    };

    // Reads the file; false with a message that names the file, or the first bad line.
    bool Read(const QString& strPath, QString& strError);
    bool ReadBytes(const QByteArray& bytes, bool bVCard, QString& strError);

    // What the reading left out and the user should know: a first line that looks like
    // headings Kivvo does not know. Empty when nothing.
    const QString& Warning() const { return m_strWarning; }

    // Puts every person read into the group of that name, whatever the file says.
    void PutAllInGroup(const QString& strGroup);

    // Sorts the rows read into those to add and those whose names the list (or an earlier
    // row) has already.
    void Check(const CNameList& list);
    const QList<CRow>& RowsToAdd() const { return m_toAdd; }
    const QStringList& Duplicates() const { return m_duplicates; }

    // Adds the rows to add at the end of the list, each grouped person into the first
    // top-level group of that name, made anew when there is none. Returns how many. Each
    // entry put in is told to added with its place, in order.
    using Added = std::function<void(CListItem* pEntry, const CNameList::CPlace& place)>;
    // How many persons and groups Apply would put into the list.
    qsizetype EntriesToAdd(const CNameList& list) const;
    int Apply(CNameList& list, const Added& added = {}) const;

private:
    bool ReadDevice(QFileDevice& device, QString& strError);
    bool ReadCsv(QIODevice& device, QString& strError);
    bool ReadVCards(const QByteArray& bytes, QString& strError);
    bool AddRow(CRow row, QString& strError);

    QList<CRow> m_rows;
    QList<CRow> m_toAdd;
    QStringList m_duplicates;
    QString m_strWarning;
};
