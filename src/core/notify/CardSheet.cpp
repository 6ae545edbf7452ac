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

namespace {

} // namespace

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
    for (qsizetype i = 0; i < m_cards.size(); ++i) {
        const qsizetype nOnPage = i % kCardsPerPage;
        if (i > 0 && nOnPage == 0 && !device.newPage())
            return CStringTable::Load(IDS_CARDS_NO_PAGE);
        const QPointF corner(page.left() + (nOnPage % 2) * cell.width(),
                             page.top() + (nOnPage / 2) * cell.height());
        PaintCard(painter, QRectF(corner, cell), m_cards.at(i));
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

void CCardSheet::PaintCard(QPainter& painter, const QRectF& cell, const CCard& card) const
{
    // Cut along the dotted outline; fold the flap up along the dashed line.
    QPen cut(Qt::darkGray, Mm(painter, 0.2), Qt::DotLine);
    painter.setPen(cut);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(cell);
    const qreal nOutside = cell.height() * kOutsideShare;
    const qreal nInside = cell.height() * kInsideShare;
    const QRectF outside(cell.left(), cell.top(), cell.width(), nOutside);
    const QRectF inside(cell.left(), outside.bottom(), cell.width(), nInside);
    const QRectF flap(cell.left(), inside.bottom(), cell.width(), cell.bottom() - inside.bottom());
    PaintOutside(painter, outside, card);
    PaintInside(painter, inside, card);
    PaintFlap(painter, flap);
    painter.setPen(QPen(Qt::black, Mm(painter, 0.3), Qt::DashLine));
    painter.drawLine(QLineF(flap.topLeft(), flap.topRight()));
}

void CCardSheet::PaintOutside(QPainter& painter, const QRectF& band, const CCard& card) const
{
    const qreal nPad = Mm(painter, kPaddingMm);
    const QRectF area = band.adjusted(nPad, nPad, -nPad, -nPad);
    // The details are no secret: they go outside, between the giver's name and the hint.
    const qreal nDetails = m_strDetails.isEmpty() ? 0 : 3;
    const qreal nLine = area.height() / (5 + nDetails);
    const qreal nHintLines = 1.5;
    painter.setPen(Qt::black);
    DrawFitted(painter, QRectF(area.left(), area.top(), area.width(), nLine), m_strTitle, Font(9),
               Qt::AlignHCenter | Qt::AlignTop, &m_title);
    DrawFitted(painter, QRectF(area.left(), area.top() + nLine, area.width(), 2.5 * nLine),
               CStringTable::FormatText(m_strFor, {card.m_strGiver}), Font(22, true),
               Qt::AlignCenter);
    if (nDetails > 0)
        DrawFitted(painter,
                   QRectF(area.left(), area.top() + 3.5 * nLine, area.width(), nDetails * nLine),
                   m_strDetails, Font(8), Qt::AlignHCenter | Qt::AlignVCenter, &m_details);
    DrawFitted(
        painter,
        QRectF(area.left(), area.bottom() - nHintLines * nLine, area.width(), nHintLines * nLine),
        m_strFoldHint, Font(8), Qt::AlignHCenter | Qt::AlignBottom, &m_foldHint);
}

void CCardSheet::PaintInside(QPainter& painter, const QRectF& band, const CCard& card) const
{
    const qreal nPad = Mm(painter, kPaddingMm);
    const QRectF area = band.adjusted(nPad, nPad, -nPad, -nPad);
    const qreal nLine = area.height() / 6;
    painter.setPen(Qt::black);
    DrawFitted(painter, QRectF(area.left(), area.top(), area.width(), nLine),
               CStringTable::FormatText(m_strGivesTo, {card.m_strGiver}), Font(10),
               Qt::AlignHCenter | Qt::AlignTop);
    // Several recipients: one per line, and each one's suggestions after his name.
    const QStringList giftsTo = QStringList{card.m_strGiftTo} + card.m_moreGiftTo;
    DrawFitted(painter, QRectF(area.left(), area.top() + nLine, area.width(), 2 * nLine),
               giftsTo.join(u'\n'), Font(26, true), Qt::AlignCenter);
    QString strIdeas = card.m_strSuggestions;
    if (!card.m_moreGiftTo.isEmpty()) {
        const QStringList ideas = QStringList{card.m_strSuggestions} + card.m_moreIdeas;
        QStringList lines;
        for (qsizetype i = 0; i < giftsTo.size(); ++i) {
            if (!ideas.at(i).isEmpty())
                lines.append(m_language.Format(IDS_IDEAS_OF, {giftsTo.at(i), ideas.at(i)}));
        }
        strIdeas = lines.join(u'\n');
    }
    if (strIdeas.isEmpty())
        return;
    QString strSuggestions = CStringTable::FormatText(m_strSuggestions, {strIdeas});
    strSuggestions.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    DrawFitted(painter, QRectF(area.left(), area.top() + 3 * nLine, area.width(), 3 * nLine),
               strSuggestions, Font(10), Qt::AlignHCenter | Qt::AlignTop);
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
