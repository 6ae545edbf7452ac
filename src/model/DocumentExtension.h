#pragma once

#include "DrawRules.h"

#include <QByteArray>
#include <QtGlobal>

#include <vector>

class CArchive;
class CNameList;

// What a document holds beyond its lists — the rules of the drawing and each list's
// exclusions — written after the last list record, where a reader that knows only the lists
// stops. It starts with a mark and a format number and is made of sections, each with its
// kind and length, so that a reader skips the kinds it does not know. A document that needs
// none of it is written without it, byte for byte as before.
class CDocumentExtension
{
public:
    static constexpr qint32 kFormat = 1;

    // lists: the document's lists, newest first.
    static bool IsNeeded(const CDrawRules& rules, const std::vector<CNameList*>& lists);
    static void Store(CArchive& ar, const CDrawRules& rules, const std::vector<CNameList*>& lists);
    // Reads the extension when the file has one, into the freshly read lists; anything
    // damaged or foreign fails the archive with a message.
    static void Load(CArchive& ar, CDrawRules& rules, const std::vector<CNameList*>& lists);

private:
    enum ESection : qint32
    {
        sectionRules = 1,
        sectionExclusions = 2,
    };

    static void StoreSection(CArchive& ar, qint32 nKind, const QByteArray& content);
    static QByteArray RulesSection(const CDrawRules& rules);
    static QByteArray ExclusionsSection(const std::vector<CNameList*>& lists);
    static bool LoadRules(CArchive& ar, CDrawRules& rules);
    static bool LoadExclusions(CArchive& ar, qint64 nSize, const std::vector<CNameList*>& lists);
};
