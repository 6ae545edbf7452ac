#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

// Enter and Space of a window, one step per press: a key held down takes no second step
// until it has been released and pressed again. The window system's repeats are not always
// marked as such (X marks them only when the repeated press has already arrived with the
// release), so a press that carries the time of the release just before it counts as a
// repeat too.
class CStepKeys : public QObject
{
    Q_OBJECT

public:
    // step gets the key (Qt::Key_Return or Qt::Key_Space) of each new press.
    CStepKeys(QObject* pParent, std::function<void(int nKey)> step);

    // Takes Enter and Space from this widget before the widget itself sees them.
    void Watch(QWidget* pWidget);
    // Forgets a key held down, whose release may have gone to another window.
    void Reset() { m_nDownKey = 0; }

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    bool IsRepeat(const QKeyEvent* pEvent) const;

    std::function<void(int nKey)> m_step;
    int m_nDownKey = 0; // pressed, its release not yet seen
    int m_nReleasedKey = 0;
    quint64 m_nReleaseTime = 0;
};
