#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The first line of a table of participants when it names its columns: Kivvo's own export,
// or what address books and mail programs write ("First Name, Last Name, E-mail Address",
// "Vorname, Nachname, E-Mail-Adresse", ...), in the languages Kivvo speaks. Headings are
// compared in any case, without accents, blanks or hyphens; columns nobody asked for (a
// phone number, a company) are left out.
class CImportHeadings
{
public:
    enum ERole
    {
        roleNone = -1,
        roleName, // the whole name
        roleAddress,
        roleSuggestions, // gift suggestions, or an address book's notes
        roleGroup,
        roleGivenName,
        roleFamilyName,
    };

    // What each field of a first line holds, when the line names the columns: at least one
    // column of the name and no address (a person's line holds one). Of two columns with the
    // same role the first counts.
    static bool Roles(const QStringList& fields, QList<int>& roles);
    // Whether the text is a heading of any column Kivvo knows.
    static bool IsKnown(const QString& strField);

private:
    static int RoleOf(const QString& strField);
};
