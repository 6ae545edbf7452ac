#include "Icons.h"

#include <QPainter>
#include <QPainterPath>

QPixmap CIcons::AppPixmap(int nSize)
{
    QPixmap pixmap(nSize, nSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(nSize / 64.0, nSize / 64.0);

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
    return pixmap;
}

QIcon CIcons::AppIcon()
{
    QIcon icon;
    for (const int nSize : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(AppPixmap(nSize));
    return icon;
}
