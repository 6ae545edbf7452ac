#pragma once

#include <QByteArray>
#include <QLocale>

class CNameList;

// The persons of a list as CSV that the import reads back: a header row, then name,
// address, suggestions and group of each person in list order. Drawn names never leave.
class CParticipantExport
{
public:
    enum class EForm
    {
        Plain,       // UTF-8, commas: read back byte for byte
        Spreadsheet, // a byte-order mark, the locale's list separator, formulas disarmed
    };

    static QByteArray Csv(const CNameList& list, EForm form = EForm::Plain,
                          const QLocale& locale = QLocale());
    // Writes that CSV to a file, replaced only once it is whole and readable by its owner
    // only, as documents are: names and addresses of a circle of people. False, with the
    // reason, when it could not be written.
    static bool Write(const CNameList& list, const QString& strPath, EForm form, QString& strError,
                      const QLocale& locale = QLocale());
    // A cell as the export writes it, and the cell the import takes from it: a spreadsheet
    // runs a cell that begins with = + - @ (or a tab or a return before them), so that form
    // puts an apostrophe in front, as spreadsheets mark text; an apostrophe already there is
    // doubled in both forms, so that taking one off on import gives back every cell.
    static QString Cell(const QString& strValue, EForm form);
    static QString Uncell(const QString& strCell);
};
