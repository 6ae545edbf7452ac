#include "desktop/Icons.h"

#include "desktop/DrawnIconEngine.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal kAppDesignSize = 64;
constexpr qreal kDesignSize = 32;

// The program icon in a 64-unit square: a wrapped gift with a name tag.
void PaintApp(QPainter& painter)
{
    const QColor box(0xC6, 0x28, 0x28);
    const QColor ribbon(0xF9, 0xC7, 0x4F);
    painter.setPen(QPen(box.darker(140), 2));
    painter.setBrush(box);
    painter.drawRoundedRect(QRectF(8, 26, 48, 32), 3, 3); // the box
    painter.drawRoundedRect(QRectF(5, 18, 54, 10), 2, 2); // its lid
    painter.setPen(Qt::NoPen);
    painter.setBrush(ribbon);
    painter.drawRect(QRectF(28, 18, 8, 40));
    painter.drawRect(QRectF(5, 21, 54, 4));

    // The bow.
    painter.setPen(QPen(ribbon.darker(130), 2));
    painter.setBrush(ribbon);
    QPainterPath bow;
    bow.moveTo(32, 18);
    bow.cubicTo(18, 2, 10, 14, 32, 18);
    bow.moveTo(32, 18);
    bow.cubicTo(46, 2, 54, 14, 32, 18);
    painter.drawPath(bow);

    // The name tag.
    painter.setPen(QPen(Qt::darkGray, 1.5));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(40, 36, 18, 11), 2, 2);
    painter.drawLine(QPointF(43, 40), QPointF(54, 40));
    painter.drawLine(QPointF(43, 43), QPointF(51, 43));
}

QIcon Drawn(const QString& strName, CDrawnIconEngine::Painter draw, qreal rDesignSize = kDesignSize)
{
    return QIcon(new CDrawnIconEngine(strName, draw, rDesignSize));
}

} // namespace

QPixmap CIcons::AppPixmap(int nSize, qreal rDevicePixelRatio)
{
    const CDrawnIconEngine engine(QStringLiteral("app"), PaintApp, kAppDesignSize);
    QPixmap pixmap = engine.Draw(QSize(nSize, nSize) * rDevicePixelRatio);
    pixmap.setDevicePixelRatio(rDevicePixelRatio);
    return pixmap;
}

namespace {

void Figure(QPainter& painter, qreal x, qreal y, qreal scale, const QColor& color)
{
    painter.setPen(QPen(color.darker(150), 1.2));
    painter.setBrush(color);
    painter.drawEllipse(QPointF(x, y + 5 * scale), 4.5 * scale, 4.5 * scale);
    QPainterPath body;
    body.moveTo(x - 7 * scale, y + 22 * scale);
    body.cubicTo(x - 7 * scale, y + 10 * scale, x + 7 * scale, y + 10 * scale, x + 7 * scale,
                 y + 22 * scale);
    body.closeSubpath();
    painter.drawPath(body);
}

} // namespace

namespace {

void PaintFace(QPainter& painter)
{
    painter.setPen(QPen(QColor(0xB0, 0x8A, 0x00), 1.5));
    painter.setBrush(QColor(0xFF, 0xD5, 0x4F));
    painter.drawEllipse(QRectF(3, 3, 26, 26));
    painter.setBrush(Qt::black);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(11.5, 12.5), 2, 2.5);
    painter.drawEllipse(QPointF(20.5, 12.5), 2, 2.5);
    painter.setPen(QPen(Qt::black, 1.8, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(9, 12, 14, 11), 200 * 16, 140 * 16);
}

} // namespace

QIcon CIcons::PersonIcon()
{
    return Drawn(QStringLiteral("person"), PaintFace);
}

QIcon CIcons::PersonWithExclusionsIcon()
{
    return Drawn(QStringLiteral("person-excluding"), [](QPainter& painter) {
        PaintFace(painter);
        painter.setPen(QPen(Qt::white, 1.5));
        painter.setBrush(QColor(0xD3, 0x2F, 0x2F));
        painter.drawEllipse(QPointF(24.5, 24.5), 7, 7);
        painter.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(20.5, 24.5), QPointF(28.5, 24.5));
    });
}

QIcon CIcons::GroupIcon()
{
    return Drawn(QStringLiteral("group"), [](QPainter& painter) {
        Figure(painter, 20, 4, 1.0, QColor(0x42, 0x85, 0xF4));
        Figure(painter, 11, 7, 1.0, QColor(0x34, 0xA8, 0x53));
    });
}

QIcon CIcons::DrawNamesIcon()
{
    return Drawn(QStringLiteral("drawnames"), [](QPainter& painter) {
        // A light rim keeps the black hat apart from a dark background; on a light one it
        // melts into it.
        painter.setPen(
            QPen(QColor(0xEE, 0xEE, 0xEE), 3, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(9, 9, 14, 15));
        painter.drawRoundedRect(QRectF(3, 23, 26, 4), 2, 2);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(QColor(0x21, 0x21, 0x21));
        painter.drawRect(QRectF(9, 9, 14, 15));              // crown
        painter.drawRoundedRect(QRectF(3, 23, 26, 4), 2, 2); // brim
        painter.setBrush(QColor(0xC6, 0x28, 0x28));
        painter.drawRect(QRectF(9, 19, 14, 3)); // band
        painter.setPen(QPen(Qt::darkGray, 1));
        painter.setBrush(Qt::white);
        painter.save();
        painter.translate(19, 4);
        painter.rotate(15);
        painter.drawRect(QRectF(0, 0, 9, 11)); // the paper note
        painter.drawLine(QPointF(2, 3), QPointF(7, 3));
        painter.drawLine(QPointF(2, 6), QPointF(7, 6));
        painter.restore();
    });
}

QIcon CIcons::SendEmailsIcon()
{
    return Drawn(QStringLiteral("sendemails"), [](QPainter& painter) {
        painter.setPen(QPen(QColor(0x55, 0x55, 0x55), 1.2));
        painter.setBrush(QColor(0xFA, 0xFA, 0xF0));
        painter.drawRect(QRectF(3, 13, 26, 16)); // the letter
        painter.drawPolyline(QPolygonF{{3, 13}, {16, 23}, {29, 13}});
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xD3, 0x2F, 0x2F));
        painter.drawPolygon(QPolygonF{
            {6, 8}, {18, 8}, {18, 3}, {28, 10}, {18, 17}, {18, 12}, {6, 12}}); // the arrow
    });
}

QIcon CIcons::AppIcon()
{
    return Drawn(QStringLiteral("app"), PaintApp, kAppDesignSize);
}
