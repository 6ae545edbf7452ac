#pragma once

#include <QFont>
#include <QRectF>

#include <QList>
#include <QString>
#include <QStringList>

#include "text/TextLanguage.h"

class CNameList;
class QPagedPaintDevice;
class QPainter;

// One participant's paper card: his name outside, the name he drew and that person's gift
// suggestions inside.
struct CCard
{
    QString m_strGiver;
    QString m_strGiftTo;
    QString m_strSuggestions;
    // With several gifts: his further recipients, and the suggestions of each.
    QStringList m_moreGiftTo;
    QStringList m_moreIdeas;
};

// Paper cards for those who get their drawn name on paper: four cards to a page, each cut
// out along its dotted outline and closed by folding its flap up over the drawn name, so
// that only the giver's name can be read until the flap is opened. Paints onto any paged
// device: a PDF file, or a printer the desktop program has set up. The exchange's details
// and the suggestions shrink to fit their card down to a size still readable; what is longer
// still goes on at once on the next card, with the same giver outside, and the card says so.
class CCardSheet
{
public:
    static constexpr int kCardsPerPage = 4;

    // The cards of a list's drawing, in list order: every person's, or only those whose
    // names are given (compared exactly).
    static QList<CCard> CardsOf(const CNameList& list, const QStringList& names = {});

    // The cards of the list's drawing, with its name and details, in the language given.
    CCardSheet(QList<CCard> cards, const CNameList& list, CTextLanguage language);

    // The cards of a sealed drawing: written to a file, they start with a page that says the
    // file holds secrets.
    void SetSealed(bool bSealed) { m_bSealed = bSealed; }

    int PageCount() const;
    // Empty on success, else why the cards could not be painted.
    QString Paint(QPagedPaintDevice& device) const;
    // Writes the cards as an A4 PDF; the file is replaced only once it is complete. Empty on
    // success, else why not.
    QString WritePdf(const QString& strPath) const;

    // The most cards one participant's texts go on; what is longer still is said to be so.
    static constexpr int kMostCardsEach = 8;

private:
    QString PaintPages(QPagedPaintDevice& device, bool bCover) const;
    void PaintCover(QPainter& painter, const QRectF& page) const;

    // Where each text of a card goes, from the card's top left corner: the same on every card.
    struct CLayout
    {
        QSizeF m_cell;
        QRectF m_outside, m_inside, m_flap;
        QRectF m_title, m_giver, m_details, m_hint;
        QRectF m_givesTo, m_giftTo, m_suggestions;
    };
    // A text too long for its place on one card: the font it is drawn in and its parts, one
    // a card, each but the last saying that it goes on.
    struct CFlow
    {
        QFont m_font;
        QStringList m_parts;
    };
    // One card as printed: a participant's card, or one that goes on with his texts.
    struct CFace
    {
        const CCard* m_pCard;
        QString m_strDetails;
        QString m_strSuggestions;
        QFont m_suggestionsFont;
        bool m_bContinued; // goes on with the card before
    };

    // The font and the text that fit a rectangle of a size: found once for a text that is
    // the same on every card (the title, the hint), not again for each card.
    struct CFitted
    {
        QFont m_font;
        QString m_strShown;
        QSizeF m_size;
    };

    const CLayout& LayoutFor(const QPainter& painter, const QSizeF& cell) const;
    CFlow Flow(const QPainter& painter, const QSizeF& size, const QString& strText,
               const QFont& font, int nFlags) const;
    // The suggestions of the card's recipients.
    QString IdeasOf(const CCard& card) const;
    // The cards a participant's card takes: one, unless its texts go on.
    QList<CFace> FacesOf(const QPainter& painter, const CLayout& layout, const CCard& card) const;
    void PaintCard(QPainter& painter, const QPointF& corner, const CFace& face) const;
    void PaintOutside(QPainter& painter, const QPointF& corner, const CFace& face) const;
    void PaintInside(QPainter& painter, const QPointF& corner, const CFace& face) const;
    void PaintFlap(QPainter& painter, const QRectF& band) const;
    void DrawFitted(QPainter& painter, const QRectF& rect, const QString& strText,
                    const QFont& font, int nFlags, CFitted* pSameOnEveryCard = nullptr) const;

    QList<CCard> m_cards;
    bool m_bSealed = false;
    QString m_strListName;
    QString m_strTitle;   // the list's name, with the date of the exchange when it has one
    QString m_strDetails; // the budget, place and note, a line each
    CTextLanguage m_language;
    mutable CFitted m_title;
    mutable CFitted m_foldHint;
    mutable QRectF m_flapLabel;
    mutable CLayout m_layout;
    mutable CFlow m_detailsFlow; // the same on every card
    QString m_strFor;
    QString m_strContinues;
    QString m_strContinued;
    QString m_strTooLong;
    QString m_strGivesTo;
    QString m_strSuggestions;
    QString m_strFoldHint;
};
