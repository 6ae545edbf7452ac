// Importing participants from any bytes, CSV or vCard: what is taken has a name, no control
// character in a name, an address or a group, and no name twice; and the list exported, in
// either form, imports into an empty list as the same list.
#include "FuzzCheck.h"
#include "app/ParticipantExport.h"
#include "app/ParticipantImport.h"
#include "model/NameList.h"
#include "notify/VCardReader.h"
#include "support/PersonRows.h"

#include <QSet>

namespace {

bool HasControl(const QString& strText, bool bLineBreaks)
{
    return std::any_of(strText.cbegin(), strText.cend(), [bLineBreaks](QChar ch) {
        return ch.category() == QChar::Other_Control &&
               !(bLineBreaks && (ch == u'\n' || ch == u'\t'));
    });
}

void ReadsBackAs(const CNameList& list, CParticipantExport::EForm form, const QLocale& locale)
{
    CParticipantImport import;
    QString strError;
    FUZZ_CHECK(import.ReadBytes(CParticipantExport::Csv(list, form, locale), false, strError));
    CNameList copy;
    import.Check(copy);
    FUZZ_CHECK(import.Duplicates().isEmpty());
    import.Apply(copy);
    FUZZ_CHECK(PersonRows(copy) == PersonRows(list));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const QByteArray input(reinterpret_cast<const char*>(pData), static_cast<qsizetype>(nSize));
    CParticipantImport import;
    QString strError;
    if (!import.ReadBytes(input, CVCardReader::LooksLikeVCard(input), strError)) {
        FUZZ_CHECK(!strError.isEmpty());
        return 0;
    }
    CNameList list;
    list.Append(new CPerson(QStringLiteral("Ann"), {}, {}));
    auto* pFamily = new CGroup(QStringLiteral("Fam"));
    pFamily->Add(new CPerson(QStringLiteral("Dan"), {}, {}));
    list.Append(pFamily);
    import.Check(list);
    const int nAdded = import.Apply(list);
    FUZZ_CHECK(nAdded == import.RowsToAdd().size());

    QSet<QString> names;
    for (const QStringList& fields : PersonRows(list)) {
        FUZZ_CHECK(!fields.at(0).isEmpty());
        FUZZ_CHECK(!HasControl(fields.at(0), false) && !HasControl(fields.at(1), false) &&
                   !HasControl(fields.at(3), false) && !HasControl(fields.at(2), true));
        FUZZ_CHECK(!names.contains(fields.at(0).toLower()));
        names.insert(fields.at(0).toLower());
    }
    FUZZ_CHECK(names.size() == 2 + nAdded);

    ReadsBackAs(list, CParticipantExport::EForm::Plain, QLocale::c());
    ReadsBackAs(list, CParticipantExport::EForm::Spreadsheet, QLocale(QLocale::German));
    return 0;
}
