#include "desktop/QtMessageHandler.h"

#include "desktop/ScreenFit.h"
#include "text/Resource.h"
#include "text/StringTable.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>

#include <algorithm>

EAnswer CQtMessageHandler::Show(int, EBoxKind kind, const QString& strText)
{
    QCoreApplication* pApp = QCoreApplication::instance();
    if (!pApp || QThread::currentThread() == pApp->thread())
        return ShowHere(kind, strText);
    EAnswer answer = IsQuestion(kind) ? EAnswer::No : EAnswer::Ok;
    QMetaObject::invokeMethod(
        pApp, [&] { answer = ShowHere(kind, strText); }, Qt::BlockingQueuedConnection);
    return answer;
}

namespace {

// The window a box is centred on: the modal dialog up, else the active window, else the main
// window. Right after another box or a dialog has closed, the window system may not have made
// any window active yet.
QWidget* BoxParent()
{
    if (QWidget* pModal = QApplication::activeModalWidget())
        return pModal;
    if (QWidget* pActive = QApplication::activeWindow())
        return pActive;
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto it = std::find_if(windows.cbegin(), windows.cend(), [](const QWidget* pWindow) {
        return pWindow->isVisible() && qobject_cast<const QMainWindow*>(pWindow);
    });
    return it == windows.cend() ? nullptr : *it;
}

// A box centred on the window it belongs to. Qt places it before it has taken its size, and
// by the screen when the window is a dialog; here it is placed once its size is known, still
// before the window system shows it.
class CCentredBox : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* pEvent) override
    {
        QMessageBox::showEvent(pEvent);
        if (const QWidget* pParent = parentWidget())
            CScreenFit::CentreOn(this, pParent->window());
    }
};

} // namespace

namespace {

// A question of two named choices besides Cancel: Yes for the first, the default; No for the
// second.
EAnswer ChooseHere(QMessageBox& box, int nFirstId, int nSecondId)
{
    box.setIcon(QMessageBox::Question);
    QPushButton* pFirst = box.addButton(CStringTable::Load(nFirstId), QMessageBox::AcceptRole);
    QPushButton* pSecond = box.addButton(CStringTable::Load(nSecondId), QMessageBox::ActionRole);
    QPushButton* pCancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(pFirst);
    box.setEscapeButton(pCancel);
    box.exec();
    if (box.clickedButton() == pFirst)
        return EAnswer::Yes;
    return box.clickedButton() == pSecond ? EAnswer::No : EAnswer::Cancel;
}

} // namespace

EAnswer CQtMessageHandler::ShowHere(EBoxKind kind, const QString& strText)
{
    CCentredBox box(BoxParent());
    box.setWindowTitle(QStringLiteral("Kivvo"));
    box.setText(QString(strText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    box.setObjectName(QStringLiteral("messageBox"));
    switch (kind) {
    case EBoxKind::YesNoQuestion:
    case EBoxKind::YesNoDefaultNo: {
        box.setIcon(QMessageBox::Question);
        QPushButton* pYes = box.addButton(QMessageBox::Yes);
        QPushButton* pNo = box.addButton(QMessageBox::No);
        box.setDefaultButton(kind == EBoxKind::YesNoDefaultNo ? pNo : pYes);
        box.setEscapeButton(pNo); // Escape and the close button mean No
        box.exec();
        return box.clickedButton() == pYes ? EAnswer::Yes : EAnswer::No;
    }
    case EBoxKind::YesNoCancelQuestion: {
        box.setIcon(QMessageBox::Question);
        QPushButton* pYes = box.addButton(QMessageBox::Yes);
        QPushButton* pNo = box.addButton(QMessageBox::No);
        QPushButton* pCancel = box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(pYes);
        box.setEscapeButton(pCancel); // closing the box changes nothing
        box.exec();
        if (box.clickedButton() == pYes)
            return EAnswer::Yes;
        return box.clickedButton() == pNo ? EAnswer::No : EAnswer::Cancel;
    }
    case EBoxKind::RepairOrDrawAgain:
        return ChooseHere(box, IDS_BUTTON_REPAIR, IDS_BUTTON_DRAW_AGAIN);
    case EBoxKind::OnlyThemOrEverybody:
        return ChooseHere(box, IDS_BUTTON_ONLY_CHANGED, IDS_BUTTON_EVERYBODY);
    case EBoxKind::OkInformation:
        box.setIcon(QMessageBox::Information);
        break;
    case EBoxKind::OkExclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case EBoxKind::OkPlain:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    box.addButton(QMessageBox::Ok);
    box.exec();
    return EAnswer::Ok;
}
