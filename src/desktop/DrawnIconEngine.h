#pragma once

#include <QIconEngine>

// An icon drawn by code at exactly the pixel size it is asked for, so that it stays sharp at
// every scale factor of the screen. Pictures are drawn once per size and mode, then cached.
class CDrawnIconEngine : public QIconEngine
{
public:
    // Draws the picture into a square of rDesignSize × rDesignSize units.
    using Painter = void (*)(QPainter& painter);

    CDrawnIconEngine(const QString& strName, Painter draw, qreal rDesignSize);

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal rScale) override;
    void paint(QPainter* pPainter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;

    // The picture at a size in device pixels, without the cache or a mode.
    QPixmap Draw(const QSize& size) const;

private:
    QString m_strName;
    Painter m_draw;
    qreal m_rDesignSize;
};
