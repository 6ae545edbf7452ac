#include "notify/CardSheet.h"

#include "model/NameList.h"
#include "notify/NotificationComposer.h"
#include "platform/Archive.h"
#include "platform/DiskFile.h"
#include "text/Resource.h"
#include "text/StringTable.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QHash>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSet>

namespace {

constexpr int kPdfResolution = 300;
constexpr qreal kOutsideShare = 0.30; // the giver's name, always in view
constexpr qreal kInsideShare = 0.35;  // the drawn name, under the flap once folded
constexpr qreal kPaddingMm = 4;
constexpr qreal kMeshStepMm = 1.2; // the flap's mesh keeps the name from showing through
constexpr qreal kSmallestPoints = 6;
// Far more than a card has room for; a longer text is cut before it is laid out at all.
constexpr qsizetype kMostCharacters = 1000;

qreal Mm(const QPainter& painter, qreal mm)
{
    return mm * painter.device()->logicalDpiY() / 25.4;
}

QFont Font(qreal points, bool bBold = false)
{
    QFont font;
    font.setPointSizeF(points);
    font.setBold(bBold);
    return font;
}

// The largest font up to the given one that lets the text fit a rectangle of that size, down
// to a size still readable, and the text cut off with "…" where even that does not fit.
std::pair<QFont, QString> Fit(const QPainter& painter, const QSizeF& size, const QString& strWhole,
                              QFont font, int nFlags)
{
    const QRectF rect(QPointF(0, 0), size);
    const QString strText =
        strWhole.size() > kMostCharacters ? strWhole.left(kMostCharacters) + u'…' : strWhole;
    const int nWrap = nFlags | Qt::TextWordWrap;
    QFontMetricsF metrics(font, painter.device());
    // Most texts are one short line: that it fits needs no wrapping to tell.
    if (!strText.contains(u'\n') && metrics.height() <= rect.height() &&
        metrics.horizontalAdvance(strText) <= rect.width())
        return {font, strText};
    while (font.pointSizeF() > kSmallestPoints &&
           !rect.contains(metrics.boundingRect(rect, nWrap, strText))) {
        font.setPointSizeF(std::max(kSmallestPoints, font.pointSizeF() * 0.9));
        metrics = QFontMetricsF(font, painter.device());
    }
    QString strShown = strText;
    if (!rect.contains(metrics.boundingRect(rect, nWrap, strShown))) {
        qsizetype nLow = 0;
        qsizetype nHigh = strText.size();
        while (nLow < nHigh) {
            const qsizetype nMid = (nLow + nHigh + 1) / 2;
            if (rect.contains(metrics.boundingRect(rect, nWrap, strText.left(nMid) + u'…')))
                nLow = nMid;
            else
                nHigh = nMid - 1;
        }
        strShown = strText.left(nLow) + u'…';
    }
    return {font, strShown};
}

// Whether the text fits the rectangle in that font.
bool Fits(const QFontMetricsF& metrics, const QRectF& rect, int nFlags, const QString& strText)
{
    return rect.contains(metrics.boundingRect(rect, nFlags | Qt::TextWordWrap, strText));
}

// How much of the text's beginning fits the rectangle with the mark after it: as many
// characters as fit, back to the last blank when there is one in the second half. Looked for
// among the first kMostCharacters only: no card holds more.
qsizetype FittingStart(const QFontMetricsF& metrics, const QRectF& rect, int nFlags,
                       const QString& strText, const QString& strMark)
{
    qsizetype nLow = 0;
    qsizetype nHigh = std::min(strText.size(), kMostCharacters);
    while (nLow < nHigh) {
        const qsizetype nMid = (nLow + nHigh + 1) / 2;
        if (Fits(metrics, rect, nFlags, strText.left(nMid) + strMark))
            nLow = nMid;
        else
            nHigh = nMid - 1;
    }
    for (qsizetype n = nLow; n > nLow / 2; --n) {
        if (n < strText.size() && strText.at(n).isSpace())
            return n;
    }
    return nLow;
}

} // namespace

// Draws the text in the rectangle with the largest font up to the given one that lets it
// fit, down to a size still readable; what does not fit even then is cut off with "…".
void CCardSheet::DrawFitted(QPainter& painter, const QRectF& rect, const QString& strText,
                            const QFont& font, int nFlags, CFitted* pSameOnEveryCard) const
{
    CFitted fitted;
    CFitted& slot = pSameOnEveryCard ? *pSameOnEveryCard : fitted;
    if (!pSameOnEveryCard || slot.m_size != rect.size()) {
        auto [fittedFont, strShown] = Fit(painter, rect.size(), strText, font, nFlags);
        slot = {std::move(fittedFont), std::move(strShown), rect.size()};
    }
    painter.setFont(slot.m_font);
    painter.drawText(rect, nFlags | Qt::TextWordWrap, slot.m_strShown);
}

CCardSheet::CFlow CCardSheet::Flow(const QPainter& painter, const QSizeF& size,
                                   const QString& strText, const QFont& font, int nFlags) const
{
    const QRectF rect(QPointF(0, 0), size);
    // Whole, at the largest size that lets it fit: most texts.
    if (strText.size() <= kMostCharacters) {
        auto [fitted, strShown] = Fit(painter, size, strText, font, nFlags);
        if (strShown == strText)
            return {fitted, {strText}};
    }
    // At the smallest size, as much on each card as fits, the rest on the next ones.
    QFont smallest = font;
    smallest.setPointSizeF(kSmallestPoints);
    const QFontMetricsF metrics(smallest, painter.device());
    CFlow flow{smallest, {}};
    QString strRest = strText;
    while (strRest.size() > kMostCharacters || !Fits(metrics, rect, nFlags, strRest)) {
        const bool bLast = flow.m_parts.size() + 1 == kMostCardsEach;
        const QString strMark = QStringLiteral("…\n") + (bLast ? m_strTooLong : m_strContinues);
        const qsizetype nStart = FittingStart(metrics, rect, nFlags, strRest, strMark);
        if (nStart == 0) // not even the mark fits: drawn as it is, cut by its place
            break;
        flow.m_parts.append(strRest.left(nStart).trimmed() + strMark);
        strRest = strRest.mid(nStart).trimmed();
        if (bLast)
            return flow;
    }
    flow.m_parts.append(strRest);
    return flow;
}

const CCardSheet::CLayout& CCardSheet::LayoutFor(const QPainter& painter, const QSizeF& cell) const
{
    if (m_layout.m_cell == cell)
        return m_layout;
    CLayout& layout = m_layout;
    layout.m_cell = cell;
    const qreal nOutside = cell.height() * kOutsideShare;
    const qreal nInside = cell.height() * kInsideShare;
    layout.m_outside = QRectF(0, 0, cell.width(), nOutside);
    layout.m_inside = QRectF(0, nOutside, cell.width(), nInside);
    layout.m_flap = QRectF(0, nOutside + nInside, cell.width(), cell.height() - nOutside - nInside);
    const qreal nPad = Mm(painter, kPaddingMm);
    // Outside: the title, the giver's name, the details (no secret) and the hint.
    QRectF area = layout.m_outside.adjusted(nPad, nPad, -nPad, -nPad);
    const qreal nDetails = m_strDetails.isEmpty() ? 0 : 3;
    qreal nLine = area.height() / (5 + nDetails);
    const qreal nHintLines = 1.5;
    layout.m_title = QRectF(area.left(), area.top(), area.width(), nLine);
    layout.m_giver = QRectF(area.left(), area.top() + nLine, area.width(), 2.5 * nLine);
    layout.m_details =
        QRectF(area.left(), area.top() + 3.5 * nLine, area.width(), nDetails * nLine);
    layout.m_hint =
        QRectF(area.left(), area.bottom() - nHintLines * nLine, area.width(), nHintLines * nLine);
    // Inside, under the flap: who gives to whom, and the suggestions.
    area = layout.m_inside.adjusted(nPad, nPad, -nPad, -nPad);
    nLine = area.height() / 6;
    layout.m_givesTo = QRectF(area.left(), area.top(), area.width(), nLine);
    layout.m_giftTo = QRectF(area.left(), area.top() + nLine, area.width(), 2 * nLine);
    layout.m_suggestions = QRectF(area.left(), area.top() + 3 * nLine, area.width(), 3 * nLine);
    // The details are the same on every card: laid out once.
    m_detailsFlow = m_strDetails.isEmpty() ? CFlow{}
                                           : Flow(painter, layout.m_details.size(), m_strDetails,
                                                  Font(8), Qt::AlignHCenter | Qt::AlignVCenter);
    return layout;
}

QString CCardSheet::IdeasOf(const CCard& card) const
{
    if (card.m_moreGiftTo.isEmpty())
        return card.m_strSuggestions;
    // Several recipients: each one's suggestions after his name, a line each.
    const QStringList giftsTo = QStringList{card.m_strGiftTo} + card.m_moreGiftTo;
    const QStringList ideas = QStringList{card.m_strSuggestions} + card.m_moreIdeas;
    QStringList lines;
    for (qsizetype i = 0; i < giftsTo.size(); ++i) {
        if (!ideas.at(i).isEmpty())
            lines.append(m_language.Format(IDS_IDEAS_OF, {giftsTo.at(i), ideas.at(i)}));
    }
    return lines.join(u'\n');
}

QList<CCardSheet::CFace> CCardSheet::FacesOf(const QPainter& painter, const CLayout& layout,
                                             const CCard& card) const
{
    CFlow suggestions;
    if (const QString strIdeas = IdeasOf(card); !strIdeas.isEmpty()) {
        QString strSuggestions = CStringTable::FormatText(m_strSuggestions, {strIdeas});
        strSuggestions.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        suggestions = Flow(painter, layout.m_suggestions.size(), strSuggestions, Font(10),
                           Qt::AlignHCenter | Qt::AlignTop);
    }
    const QStringList& details = m_detailsFlow.m_parts;
    QList<CFace> faces;
    for (qsizetype n = 0; n < std::max<qsizetype>({1, details.size(), suggestions.m_parts.size()});
         ++n)
        faces.append(
            {&card, details.value(n), suggestions.m_parts.value(n), suggestions.m_font, n > 0});
    return faces;
}

QList<CCard> CCardSheet::CardsOf(const CNameList& list, const QStringList& names)
{
    // Each recipient found once by name, not by a walk through the list per card.
    QHash<QString, const CPerson*> persons;
    list.ForEachPerson([&persons](const CPerson* pPerson) {
        // The first of a name in any case, as FindPerson finds him.
        const QString strKey = pPerson->m_strName.toCaseFolded();
        if (!persons.contains(strKey))
            persons.insert(strKey, pPerson);
    });
    const QSet<QString> wanted(names.cbegin(), names.cend());
    QList<CCard> cards;
    const auto ideasOf = [&persons](const QString& strName) {
        const CPerson* pRecipient = persons.value(strName.toCaseFolded());
        return pRecipient ? pRecipient->m_strSuggestions : QString();
    };
    list.ForEachPerson([&](const CPerson* pPerson) {
        // One who receives only has nothing to be told.
        if ((!wanted.isEmpty() && !wanted.contains(pPerson->m_strName)) || !pPerson->Gives())
            return;
        if (pPerson->m_moreGiftTo.isEmpty()) {
            cards.append(
                {pPerson->m_strName, pPerson->m_strGiftTo, ideasOf(pPerson->m_strGiftTo), {}, {}});
            return;
        }
        CCard card{pPerson->m_strName, pPerson->m_strGiftTo, ideasOf(pPerson->m_strGiftTo), {}, {}};
        for (const QString& strName : pPerson->m_moreGiftTo) {
            card.m_moreGiftTo.append(strName);
            card.m_moreIdeas.append(ideasOf(strName));
        }
        cards.append(card);
    });
    return cards;
}

CCardSheet::CCardSheet(QList<CCard> cards, const CNameList& list, CTextLanguage language)
    : m_cards(std::move(cards)), m_strListName(list.m_strName),
      m_strTitle(CNotificationComposer::Title(list, language)), m_language(std::move(language))
{
    // The texts of every card, looked up once.
    m_strFor = m_language.Text(IDS_CARD_FOR);
    m_strGivesTo = m_language.Text(IDS_CARD_GIVES_TO);
    m_strSuggestions = m_language.Text(IDS_CARD_SUGGESTIONS);
    m_strFoldHint = m_language.Text(IDS_CARD_FOLD_HINT);
    m_strContinues = m_language.Text(IDS_CARD_CONTINUES);
    m_strContinued = m_language.Text(IDS_CARD_CONTINUED);
    m_strTooLong = m_language.Text(IDS_CARD_TOO_LONG);
    CExchangeDetails details = list.m_details;
    details.m_date = QDate();
    m_strDetails = CNotificationComposer::DetailLines(details, m_language)
                       .join(u'\n')
                       .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

int CCardSheet::PageCount() const
{
    return int((m_cards.size() + kCardsPerPage - 1) / kCardsPerPage);
}

QString CCardSheet::WritePdf(const QString& strPath) const
{
    // Made whole first, then written as documents are: beside the old file, every write and
    // the sync checked, and only then renamed over it. A full disk leaves the old cards.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(kPdfResolution);
        writer.setTitle(CStringTable::Format(IDS_CARDS_PRINT_TITLE, {m_strListName}));
        writer.setCreator(QStringLiteral("Kivvo"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(8, 8, 8, 8), QPageLayout::Millimeter));
        if (const QString strError = PaintPages(writer, m_bSealed); !strError.isEmpty())
            return strError;
    }
    QString strError;
    // Every card holds a drawn name: readable by the owner only, as documents are.
    CDiskFile::Save(
        strPath, [&pdf](CArchive& ar) { ar.WriteBytes(pdf.data()); }, strError, true);
    return strError;
}

QString CCardSheet::Paint(QPagedPaintDevice& device) const
{
    return PaintPages(device, false);
}

QString CCardSheet::PaintPages(QPagedPaintDevice& device, bool bCover) const
{
    QPainter painter;
    if (!painter.begin(&device))
        return CStringTable::Load(IDS_CARDS_NO_DEVICE);
    const QRectF page(0, 0, device.width(), device.height());
    if (bCover) {
        PaintCover(painter, page);
        if (!device.newPage())
            return CStringTable::Load(IDS_CARDS_NO_PAGE);
    }
    const QSizeF cell(page.width() / 2, page.height() / 2);
    const CLayout& layout = LayoutFor(painter, cell);
    qsizetype nFace = 0;
    for (const CCard& card : m_cards) {
        for (const CFace& face : FacesOf(painter, layout, card)) {
            const qsizetype nOnPage = nFace++ % kCardsPerPage;
            if (nFace > 1 && nOnPage == 0 && !device.newPage())
                return CStringTable::Load(IDS_CARDS_NO_PAGE);
            const QPointF corner(page.left() + (nOnPage % 2) * cell.width(),
                                 page.top() + (nOnPage / 2) * cell.height());
            PaintCard(painter, corner, face);
        }
    }
    if (!painter.end())
        return CStringTable::Load(IDS_CARDS_NO_DEVICE);
    return {};
}

void CCardSheet::PaintCover(QPainter& painter, const QRectF& page) const
{
    // Read by the organiser, who prints the file: in his language, not the cards'.
    const qreal nPad = Mm(painter, 20);
    const QRectF area = page.adjusted(nPad, nPad, -nPad, -nPad);
    painter.setPen(Qt::black);
    painter.setFont(Font(22, true));
    const QString strHeading = CStringTable::Load(IDS_CARDS_SEALED_COVER);
    const QRectF heading =
        painter.boundingRect(area, Qt::AlignHCenter | Qt::TextWordWrap, strHeading);
    painter.drawText(area, Qt::AlignHCenter | Qt::TextWordWrap, strHeading);
    painter.setFont(Font(12));
    painter.drawText(area.adjusted(0, heading.height() + Mm(painter, 10), 0, 0),
                     Qt::AlignHCenter | Qt::TextWordWrap,
                     CStringTable::Format(IDS_CARDS_SEALED_COVER_TEXT, {m_strListName}));
}

void CCardSheet::PaintCard(QPainter& painter, const QPointF& corner, const CFace& face) const
{
    const CLayout& layout = m_layout;
    // Cut along the dotted outline; fold the flap up along the dashed line.
    QPen cut(Qt::darkGray, Mm(painter, 0.2), Qt::DotLine);
    painter.setPen(cut);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(corner, layout.m_cell));
    PaintOutside(painter, corner, face);
    PaintInside(painter, corner, face);
    const QRectF flap = layout.m_flap.translated(corner);
    PaintFlap(painter, flap);
    painter.setPen(QPen(Qt::black, Mm(painter, 0.3), Qt::DashLine));
    painter.drawLine(QLineF(flap.topLeft(), flap.topRight()));
}

void CCardSheet::PaintOutside(QPainter& painter, const QPointF& corner, const CFace& face) const
{
    const CLayout& layout = m_layout;
    painter.setPen(Qt::black);
    DrawFitted(painter, layout.m_title.translated(corner), m_strTitle, Font(9),
               Qt::AlignHCenter | Qt::AlignTop, &m_title);
    QString strFor = CStringTable::FormatText(m_strFor, {face.m_pCard->m_strGiver});
    if (face.m_bContinued)
        strFor += u'\n' + m_strContinued;
    DrawFitted(painter, layout.m_giver.translated(corner), strFor, Font(22, true), Qt::AlignCenter);
    if (!face.m_strDetails.isEmpty()) {
        painter.setFont(m_detailsFlow.m_font);
        painter.drawText(layout.m_details.translated(corner),
                         Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap, face.m_strDetails);
    }
    DrawFitted(painter, layout.m_hint.translated(corner), m_strFoldHint, Font(8),
               Qt::AlignHCenter | Qt::AlignBottom, &m_foldHint);
}

void CCardSheet::PaintInside(QPainter& painter, const QPointF& corner, const CFace& face) const
{
    const CLayout& layout = m_layout;
    const CCard& card = *face.m_pCard;
    painter.setPen(Qt::black);
    DrawFitted(painter, layout.m_givesTo.translated(corner),
               CStringTable::FormatText(m_strGivesTo, {card.m_strGiver}), Font(10),
               Qt::AlignHCenter | Qt::AlignTop);
    // Several recipients: one per line.
    const QStringList giftsTo = QStringList{card.m_strGiftTo} + card.m_moreGiftTo;
    DrawFitted(painter, layout.m_giftTo.translated(corner), giftsTo.join(u'\n'), Font(26, true),
               Qt::AlignCenter);
    if (face.m_strSuggestions.isEmpty())
        return;
    painter.setFont(face.m_suggestionsFont);
    painter.drawText(layout.m_suggestions.translated(corner),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, face.m_strSuggestions);
}

void CCardSheet::PaintFlap(QPainter& painter, const QRectF& band) const
{
    // A dense mesh on the flap, which lies on the drawn name once folded, so that holding
    // the card against the light shows nothing readable.
    painter.save();
    painter.setClipRect(band);
    painter.setPen(QPen(Qt::gray, Mm(painter, 0.35)));
    const qreal nStep = Mm(painter, kMeshStepMm);
    for (qreal x = band.left() - band.height(); x < band.right(); x += nStep) {
        painter.drawLine(QLineF(x, band.top(), x + band.height(), band.bottom()));
        painter.drawLine(QLineF(x, band.bottom(), x + band.height(), band.top()));
    }
    painter.restore();
    const QString strLabel =
        QStringLiteral("\u2191 ") + m_language.Text(IDS_CARD_FLAP) + QStringLiteral(" \u2191");
    const QFont font = Font(10, true);
    if (m_flapLabel.isNull()) // the same on every card
        m_flapLabel =
            QFontMetricsF(font, painter.device()).boundingRect(strLabel).adjusted(-8, -4, 8, 4);
    const QRectF label = m_flapLabel;
    const QRectF box(QPointF(band.center().x() - label.width() / 2, band.top() + Mm(painter, 3)),
                     label.size());
    painter.fillRect(box, Qt::white);
    painter.setPen(Qt::black);
    painter.setFont(font);
    painter.drawText(box, Qt::AlignCenter, strLabel);
}
