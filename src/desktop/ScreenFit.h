#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>

class QWidget;

// Keeps every window on the screen it opens on: never larger than the screen's available
// area and never placed partly outside it. Installed once on the application, it serves every
// window and dialog as it is shown, including those of Qt itself.
class CScreenFit : public QObject
{
    Q_OBJECT

public:
    explicit CScreenFit(QObject* pParent = nullptr);

    // The area a window's inside may take on its screen: the available geometry less room
    // for the window frame.
    static QRect Room(const QWidget* pWindow);
    // Shrinks and moves a top-level window so that it, with its frame, lies inside the room.
    static void Fit(QWidget* pWindow);
    // Makes a window as tall as its wrapped texts need at its width, or wider where the
    // screen is too low for that, so that no line is cut off; Qt itself opens a window at
    // most two thirds of the screen high.
    static void GrowToContents(QWidget* pWindow);
    // Places a window, with its frame, centred on another one, then fits it to the screen.
    static void CentreOn(QWidget* pWindow, const QWidget* pOn);

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    static QMargins FrameMargins(const QWidget* pWindow);
};
