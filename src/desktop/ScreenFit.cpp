#include "desktop/ScreenFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

// The frame of a window not yet mapped is unknown: room for a usual title bar and border.
constexpr QMargins kAssumedFrame(4, 32, 4, 4);

} // namespace

CScreenFit::CScreenFit(QObject* pParent) : QObject(pParent) {}

QMargins CScreenFit::FrameMargins(const QWidget* pWindow)
{
    // The window manager's frame is known once a window is up: its own, or its parent's.
    for (const QWidget* pCandidate = pWindow; pCandidate;
         pCandidate = pCandidate->parentWidget() ? pCandidate->parentWidget()->window() : nullptr) {
        const QWindow* pHandle = pCandidate->windowHandle();
        if (pHandle && pHandle->isVisible() && !pHandle->frameMargins().isNull())
            return pHandle->frameMargins();
    }
    return kAssumedFrame;
}

QRect CScreenFit::Room(const QWidget* pWindow)
{
    const QScreen* pScreen =
        pWindow->screen() ? pWindow->screen() : QGuiApplication::primaryScreen();
    if (!pScreen)
        return {};
    return pScreen->availableGeometry() - FrameMargins(pWindow);
}

void CScreenFit::Fit(QWidget* pWindow)
{
    const QRect room = Room(pWindow);
    if (room.isEmpty() || pWindow->isMaximized() || pWindow->isFullScreen())
        return;
    // A minimum larger than the screen would keep buttons out of reach; the layout squeezes.
    if (pWindow->minimumWidth() > room.width() || pWindow->minimumHeight() > room.height())
        pWindow->setMinimumSize(pWindow->minimumSize().boundedTo(room.size()));
    QRect rect = pWindow->geometry();
    rect.setSize(rect.size().boundedTo(room.size()));
    if (rect.right() > room.right())
        rect.moveRight(room.right());
    if (rect.bottom() > room.bottom())
        rect.moveBottom(room.bottom());
    if (rect.left() < room.left())
        rect.moveLeft(room.left());
    if (rect.top() < room.top())
        rect.moveTop(room.top());
    if (rect != pWindow->geometry())
        pWindow->setGeometry(rect);
}

void CScreenFit::GrowToContents(QWidget* pWindow)
{
    const QLayout* pLayout = pWindow->layout();
    const QRect room = Room(pWindow);
    if (!pLayout || !pLayout->hasHeightForWidth() || room.isEmpty())
        return;
    int nWidth = pWindow->width();
    while (pLayout->totalHeightForWidth(nWidth) > room.height() && nWidth < room.width())
        nWidth = std::min(room.width(), nWidth + nWidth / 4);
    // Fit() then keeps it on the screen.
    pWindow->resize(pWindow->size().expandedTo({nWidth, pLayout->totalHeightForWidth(nWidth)}));
}

void CScreenFit::CentreOn(QWidget* pWindow, const QWidget* pOn)
{
    const QMargins frame = FrameMargins(pWindow);
    QRect outer(QPoint(), pWindow->size().grownBy(frame));
    outer.moveCenter(pOn->frameGeometry().center());
    pWindow->setGeometry(
        QRect(outer.topLeft() + QPoint(frame.left(), frame.top()), pWindow->size()));
    Fit(pWindow);
}

bool CScreenFit::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pEvent->type() != QEvent::Show || !pWatched->isWidgetType())
        return QObject::eventFilter(pWatched, pEvent);
    auto* pWidget = static_cast<QWidget*>(pWatched);
    const Qt::WindowType type = pWidget->windowType();
    if (!pWidget->isWindow() || (type != Qt::Window && type != Qt::Dialog))
        return QObject::eventFilter(pWatched, pEvent);
    // The window prepares itself first (a message box takes its size here); then, still
    // before it is mapped, it is placed.
    static_cast<QObject*>(pWidget)->event(pEvent);
    GrowToContents(pWidget);
    Fit(pWidget);
    return true;
}
