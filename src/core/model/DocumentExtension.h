#pragma once

#include "model/DrawRules.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <vector>

class CArchive;
class CNameList;

// What a document holds beyond its lists — the rules of the drawing, each list's exclusions
// and details, the language of its e-mails — written after the last list record, where a reader
// that knows only the lists stops. It starts with a mark and a format number and is made of
// sections, each with its kind and length, so that a reader skips the kinds it does not know. A
// document that needs none of it is written without it, byte for byte as before.
class CDocumentExtension
{
public:
    static constexpr qint32 kFormat = 1;

    // A section of a kind this version does not know, kept as read and written back so.
    struct CForeignSection
    {
        qint32 m_nKind = 0;
        QByteArray m_content;
        bool operator==(const CForeignSection&) const = default;
    };

    // What the document holds besides its lists.
    struct CDocumentWide
    {
        CDrawRules m_rules;
        QString m_strMailLanguage; // a language code; empty: the desktop's
        // The newest drawing's pairs are hidden from the organiser.
        bool m_bSealed = false;
        // The e-mails quote the previous drawing's pairs.
        bool m_bQuoteHistory = true;
        // A later version's sections, in the order read.
        std::vector<CForeignSection> m_foreign;
    };

    // lists: the document's lists, newest first.
    static bool IsNeeded(const CDocumentWide& wide, const std::vector<CNameList*>& lists);
    static void Store(CArchive& ar, const CDocumentWide& wide,
                      const std::vector<CNameList*>& lists);
    // Reads the extension when the file has one, into the freshly read lists; anything
    // damaged or foreign fails the archive with a message.
    static void Load(CArchive& ar, CDocumentWide& wide, const std::vector<CNameList*>& lists);

private:
    enum ESection : qint32
    {
        sectionRules = 1,
        sectionExclusions = 2,
        sectionDetails = 3,
        sectionMailLanguage = 4,
        sectionSeal = 5,
        sectionTold = 6,
        sectionMailOptions = 7,
        sectionRoles = 8,
        sectionGifts = 9,
        sectionMoreGiftsTo = 10,
    };

    static void StoreSection(CArchive& ar, qint32 nKind, const QByteArray& content);
    static QByteArray RulesSection(const CDrawRules& rules);
    static QByteArray ExclusionsSection(const std::vector<CNameList*>& lists);
    static QByteArray DetailsSection(const std::vector<CNameList*>& lists);
    static QByteArray SealSection(const CDocumentWide& wide, const std::vector<CNameList*>& lists);
    static bool LoadSeal(CArchive& ar, CDocumentWide& wide, const std::vector<CNameList*>& lists);
    static QByteArray ToldSection(const std::vector<CNameList*>& lists);
    static bool LoadTold(CArchive& ar, const std::vector<CNameList*>& lists);
    static bool LoadRules(CArchive& ar, CDrawRules& rules);
    static QByteArray RolesSection(const std::vector<CNameList*>& lists);
    static bool LoadRoles(CArchive& ar, const std::vector<CNameList*>& lists);
    static QByteArray MoreGiftsToSection(const std::vector<CNameList*>& lists);
    static bool LoadMoreGiftsTo(CArchive& ar, const std::vector<CNameList*>& lists);
    static bool LoadDetails(CArchive& ar, const std::vector<CNameList*>& lists);
    static bool LoadExclusions(CArchive& ar, qint64 nSize, const std::vector<CNameList*>& lists);
};
