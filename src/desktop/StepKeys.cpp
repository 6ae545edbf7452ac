#include "desktop/StepKeys.h"

#include <QKeyEvent>
#include <QWidget>

namespace {

// Enter, keypad Enter and Space; 0 for any other key.
int StepKey(const QKeyEvent* pEvent)
{
    switch (pEvent->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Qt::Key_Return;
    case Qt::Key_Space:
        return Qt::Key_Space;
    default:
        return 0;
    }
}

} // namespace

CStepKeys::CStepKeys(QObject* pParent, std::function<void(int nKey)> step)
    : QObject(pParent), m_step(std::move(step))
{
}

void CStepKeys::Watch(QWidget* pWidget)
{
    pWidget->installEventFilter(this);
}

bool CStepKeys::IsRepeat(const QKeyEvent* pEvent) const
{
    const int nKey = StepKey(pEvent);
    if (pEvent->isAutoRepeat() || m_nDownKey == nKey)
        return true;
    // A repeat comes as a release and a press of one moment; a person cannot be that quick.
    return nKey == m_nReleasedKey && pEvent->timestamp() != 0 &&
           pEvent->timestamp() == m_nReleaseTime;
}

bool CStepKeys::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pEvent->type() != QEvent::KeyPress && pEvent->type() != QEvent::KeyRelease)
        return QObject::eventFilter(pWatched, pEvent);
    const auto* pKey = static_cast<QKeyEvent*>(pEvent);
    const int nKey = StepKey(pKey);
    if (nKey == 0)
        return false;
    if (pEvent->type() == QEvent::KeyRelease) {
        m_nReleasedKey = nKey;
        m_nReleaseTime = pKey->timestamp();
        if (!pKey->isAutoRepeat() && m_nDownKey == nKey)
            m_nDownKey = 0;
        return true;
    }
    if (!IsRepeat(pKey)) {
        m_nDownKey = nKey;
        m_step(nKey);
    }
    return true;
}
