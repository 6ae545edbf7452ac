#include "desktop/DrawnIconEngine.h"

#include <QApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>

CDrawnIconEngine::CDrawnIconEngine(const QString& strName, Painter draw, qreal rDesignSize)
    : m_strName(strName), m_draw(draw), m_rDesignSize(rDesignSize)
{
}

QPixmap CDrawnIconEngine::Draw(const QSize& size) const
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    if (size.isEmpty())
        return pixmap;
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // A square picture, centred in a size that is not square.
    const int nSide = std::min(size.width(), size.height());
    painter.translate((size.width() - nSide) / 2.0, (size.height() - nSide) / 2.0);
    painter.scale(nSide / m_rDesignSize, nSide / m_rDesignSize);
    m_draw(painter);
    return pixmap;
}

QPixmap CDrawnIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State)
{
    const QString strKey = QStringLiteral("kivvo-icon-%1-%2x%3-%4")
                               .arg(m_strName)
                               .arg(size.width())
                               .arg(size.height())
                               .arg(int(mode));
    QPixmap pixmap;
    if (QPixmapCache::find(strKey, &pixmap))
        return pixmap;
    pixmap = Draw(size);
    if (mode != QIcon::Normal && qobject_cast<QApplication*>(QCoreApplication::instance())) {
        // Disabled and selected looks come from the style, as for any other icon.
        QStyleOption option;
        option.palette = QApplication::palette();
        pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
    }
    QPixmapCache::insert(strKey, pixmap);
    return pixmap;
}

QPixmap CDrawnIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                                       qreal)
{
    // QIcon asks with the size already in device pixels.
    return pixmap(size, mode, state);
}

void CDrawnIconEngine::paint(QPainter* pPainter, const QRect& rect, QIcon::Mode mode,
                             QIcon::State state)
{
    const qreal rRatio = pPainter->device() ? pPainter->device()->devicePixelRatio() : 1.0;
    QPixmap picture = pixmap(rect.size() * rRatio, mode, state);
    picture.setDevicePixelRatio(rRatio);
    pPainter->drawPixmap(rect, picture);
}

QSize CDrawnIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State)
{
    return size;
}

QIconEngine* CDrawnIconEngine::clone() const
{
    return new CDrawnIconEngine(m_strName, m_draw, m_rDesignSize);
}

QString CDrawnIconEngine::key() const
{
    return QStringLiteral("CDrawnIconEngine");
}
