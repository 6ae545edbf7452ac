#include "desktop/DrawNamesDlg.h"

#include "desktop/MessageBox.h"
#include "desktop/ScreenFit.h"
#include "desktop/StepKeys.h"
#include "model/NameList.h"
#include "platform/Framework.h"
#include "text/Resource.h"
#include "text/StringTable.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kLargeFontPoints = 16;
constexpr int kSmallestFontPoints = 9;
// The size the dialog takes with its large font, where the screen has room for it.
constexpr QSize kLargeSize(420, 520);
// Room on a button beside its text: the padding and border below, and a little air.
constexpr int kButtonTextMargin = 40;

// The step button in focus wears a thick ring in the highlight colour, so that whoever holds
// the screen sees which button Enter or Space presses. Border and padding add up to the same
// size in both states: the focus moving does not shift the layout. A button with a style of
// its own takes no font from the dialog: the size is given here. %1: the font size in points
const QString kButtonStyle = QStringLiteral(
    "QPushButton { border: 1px solid palette(dark); border-radius: 5px; padding: 7px 11px;"
    " background: palette(button); color: palette(button-text); font-size: %1pt; }"
    "QPushButton:disabled { color: palette(mid); border-color: palette(midlight); }"
    "QPushButton:pressed { background: palette(midlight); }"
    "QPushButton:focus { border: 4px solid palette(highlight); padding: 4px 8px; }");

// Each line of a text cut short, with an ellipsis, to the width given.
QString ElideLines(const QString& strText, const QFontMetrics& metrics, int nWidth)
{
    QStringList lines = strText.split(u'\n');
    for (QString& strLine : lines)
        strLine = metrics.elidedText(strLine, Qt::ElideRight, nWidth);
    return lines.join(u'\n');
}

QPushButton* MakeButton(const QString& strText, const QString& strName, int nAccessibleId)
{
    auto* pButton = new QPushButton(strText);
    pButton->setObjectName(strName);
    pButton->setAutoDefault(false);
    if (nAccessibleId)
        pButton->setAccessibleName(CStringTable::Load(nAccessibleId));
    return pButton;
}

} // namespace

CDrawNamesDlg::CDrawNamesDlg(CNameList* pList, int nMode, QWidget* pParent,
                             const QList<const CPerson*>& only)
    : QDialog(pParent), m_pList(pList), m_nMode(nMode)
{
    if (pList)
        pList->ForEachPerson([this, &only](CPerson* pPerson) {
            // One who receives only has nobody to look up.
            if ((only.isEmpty() || only.contains(pPerson)) && pPerson->Gives())
                m_persons.push_back(pPerson);
        });
    m_nCount = int(m_persons.size());
    m_pShown.assign(static_cast<size_t>(m_nCount), 0);
    setWindowTitle(
        CStringTable::Format(nMode == kDrawMode ? IDS_DRAWNAMES_TITLE : IDS_SHOWNAMES_TITLE,
                             {pList ? pList->m_strName : QString()}));
    setObjectName(QStringLiteral("drawNamesDialog"));

    m_pPrevious =
        MakeButton(CStringTable::Load(IDS_PREVIOUS), QStringLiteral("previous"), IDS_ACC_PREVIOUS);
    m_pNext = MakeButton(CStringTable::Load(IDS_NEXT), QStringLiteral("next"), IDS_ACC_NEXT);
    m_pStep = new QLabel;
    m_pStep->setObjectName(QStringLiteral("nextStep"));
    m_pStep->setWordWrap(true);
    m_pStep->setAlignment(Qt::AlignCenter);
    m_pStep->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_pReveal = MakeButton(CStringTable::Load(IDS_REVEAL_INITIAL), QStringLiteral("reveal"), 0);
    // Its width is the dialog's, whatever the name: a long one is cut short to fit.
    m_pReveal->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    m_pClosing = new QLabel;
    m_pClosing->setObjectName(QStringLiteral("closing"));
    m_pClosing->setWordWrap(true);
    m_pClosing->setAlignment(Qt::AlignCenter);
    QFont bold = m_pClosing->font();
    bold.setBold(true);
    m_pClosing->setFont(bold);
    m_pClosing->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    m_pRevealArea = new QStackedWidget;
    m_pRevealArea->addWidget(m_pReveal);
    m_pRevealArea->addWidget(m_pClosing);
    m_pText = new QPlainTextEdit;
    m_pText->setObjectName(QStringLiteral("revealedText"));
    m_pText->setReadOnly(true);
    m_pText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_pText->setAccessibleName(CStringTable::Load(IDS_ACC_REVEALED_TEXT));
    m_pText->setAccessibleDescription(CStringTable::Load(IDS_ACC_NAME_HIDDEN));
    m_pDone = MakeButton(CStringTable::Load(IDS_DONE), QStringLiteral("done"), IDS_ACC_DONE);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok);
    m_pOk = pButtons->button(QDialogButtonBox::Ok);
    m_pOk->setObjectName(QStringLiteral("ok"));
    m_pOk->setAccessibleName(CStringTable::Load(IDS_ACC_END_ROUND));
    // Neither Enter nor Space may end the round for those still waiting: OK never takes the
    // focus, so only a click on it (or Escape, which asks) does.
    m_pOk->setAutoDefault(false);
    m_pOk->setFocusPolicy(Qt::NoFocus);

    auto* pMoves = new QHBoxLayout;
    pMoves->addWidget(m_pPrevious);
    pMoves->addWidget(m_pNext);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pMoves);
    pLayout->addWidget(m_pStep);
    pLayout->addWidget(m_pRevealArea, 2);
    pLayout->addWidget(m_pText, 1);
    pLayout->addWidget(m_pDone);
    pLayout->addWidget(pButtons);
    FitToScreen();

    // A held key is one step: Enter or Space held down must not walk through the round and
    // show every name.
    m_pKeys = new CStepKeys(this, [this](int nKey) { OnStepKey(nKey); });
    for (QWidget* pWidget : std::initializer_list<QWidget*>{this, m_pPrevious, m_pNext, m_pReveal,
                                                            m_pText, m_pDone, m_pOk})
        m_pKeys->Watch(pWidget);

    connect(m_pPrevious, &QPushButton::clicked, this, &CDrawNamesDlg::OnPrevious);
    connect(m_pNext, &QPushButton::clicked, this, &CDrawNamesDlg::OnNext);
    connect(m_pReveal, &QPushButton::clicked, this, &CDrawNamesDlg::OnReveal);
    connect(m_pDone, &QPushButton::clicked, this, &CDrawNamesDlg::OnDone);
    connect(pButtons, &QDialogButtonBox::accepted, this, &CDrawNamesDlg::accept);
}

void CDrawNamesDlg::SetFontSize(int nPoints)
{
    QFont large = font();
    large.setPointSize(nPoints);
    setFont(large);
    for (QPushButton* pButton : findChildren<QPushButton*>())
        pButton->setStyleSheet(kButtonStyle.arg(nPoints));
    m_pReveal->setMinimumHeight(4 * fontMetrics().height());
    // Room for a step in words of two lines, so that the buttons below do not move.
    m_pStep->setMinimumHeight(2 * fontMetrics().height());
    layout()->invalidate();
}

void CDrawNamesDlg::FitToScreen()
{
    // The large font is for reading across a table; a small screen gets it smaller, so that
    // every button stays on the screen.
    const QSize room = CScreenFit::Room(this).size();
    int nPoints = kLargeFontPoints;
    QSize size;
    for (;; --nPoints) {
        SetFontSize(nPoints);
        size = (kLargeSize * nPoints / kLargeFontPoints).expandedTo(minimumSizeHint());
        if (nPoints == kSmallestFontPoints ||
            (size.width() <= room.width() && size.height() <= room.height()))
            break;
    }
    resize(room.isEmpty() ? size : size.boundedTo(room));
}

void CDrawNamesDlg::showEvent(QShowEvent* pEvent)
{
    QDialog::showEvent(pEvent);
    if (!m_bInitialised) {
        m_bInitialised = true;
        OnInitDialog();
    }
}

void CDrawNamesDlg::OnStepKey(int nKey)
{
    auto* pFocused = qobject_cast<QPushButton*>(focusWidget());
    if (pFocused && pFocused != m_pOk && pFocused->isEnabled()) {
        pFocused->click();
        return;
    }
    if (nKey != Qt::Key_Return)
        return;
    for (QPushButton* pButton : {m_pReveal, m_pDone, m_pNext}) {
        if (pButton->isEnabled()) {
            pButton->click();
            return;
        }
    }
}

void CDrawNamesDlg::changeEvent(QEvent* pEvent)
{
    // A release that went to another window (a question asked meanwhile) must not leave
    // Enter dead here.
    if (pEvent->type() == QEvent::ActivationChange && m_pKeys)
        m_pKeys->Reset();
    QDialog::changeEvent(pEvent);
}

void CDrawNamesDlg::resizeEvent(QResizeEvent* pEvent)
{
    QDialog::resizeEvent(pEvent);
    // The names are cut to the new width.
    if (m_bInitialised) {
        SetRevealText(m_nRevealTextId);
        ShowStep();
    }
}

void CDrawNamesDlg::FocusNextStep(QPushButton* pMove)
{
    ShowStep();
    for (QPushButton* pButton : {m_pReveal, m_pDone, pMove, m_pNext}) {
        if (pButton->isEnabled()) {
            pButton->setFocus(Qt::OtherFocusReason);
            // The step looks like the button Enter presses; OK, which takes no key, never does.
            pButton->setDefault(true);
            return;
        }
    }
    // The round is through: the focus rests on the text, never on OK.
    m_pText->setFocus(Qt::OtherFocusReason);
    for (QPushButton* pButton : findChildren<QPushButton*>())
        pButton->setDefault(false);
}

QPushButton* CDrawNamesDlg::MoveTowardsWaiting() const
{
    return !SomebodyWaits(true) && SomebodyWaits(false) ? m_pPrevious : m_pNext;
}

bool CDrawNamesDlg::IsNameOnScreen() const
{
    return m_pDone->isEnabled();
}

bool CDrawNamesDlg::EverybodyLooked() const
{
    return m_nCount > 0 && std::all_of(m_pShown.cbegin(), m_pShown.cend(),
                                       [](quint8 nShown) { return nShown != 0; });
}

bool CDrawNamesDlg::SomebodyWaits(bool bAhead) const
{
    for (int i = bAhead ? m_nIndex + 1 : 0; i < (bAhead ? m_nCount : m_nIndex); ++i) {
        if (!IsShown(i))
            return true;
    }
    return false;
}

QString CDrawNamesDlg::FittedName(const QString& strName) const
{
    // Half the width leaves the words around the name room to stay on their lines.
    return m_pStep->fontMetrics().elidedText(strName, Qt::ElideRight, m_pStep->width() / 2);
}

QString CDrawNamesDlg::StepText() const
{
    const bool bDraw = m_nMode == kDrawMode;
    if (!m_pPerson)
        return {};
    if (IsNameOnScreen())
        return CStringTable::Load(IDS_STEP_READ);
    if (!IsShown(m_nIndex))
        return CStringTable::Format(bDraw ? IDS_STEP_HAND_TO : IDS_STEP_SHOW_FOR,
                                    {FittedName(m_pPerson->m_strName)});
    if (EverybodyLooked())
        return CStringTable::Load(IDS_STEP_CLICK_OK);
    if (m_nIndex + 1 < m_nCount && !IsShown(m_nIndex + 1))
        return CStringTable::Format(bDraw ? IDS_STEP_NEXT_TO : IDS_STEP_NEXT_SHOW,
                                    {FittedName(m_persons[size_t(m_nIndex + 1)]->m_strName)});
    return CStringTable::Load(SomebodyWaits(true) ? IDS_STEP_GO_ON : IDS_STEP_GO_BACK);
}

void CDrawNamesDlg::ShowStep()
{
    m_pStep->setText(StepText());
    const bool bClosing = EverybodyLooked() && !IsNameOnScreen();
    if (bClosing) {
        // Nothing is left to show: the round ends with OK.
        m_pClosing->setText(
            CStringTable::Load(m_nMode == kDrawMode ? IDS_ROUND_ALL_LOOKED : IDS_ROUND_ALL_SHOWN));
        m_pPrevious->setEnabled(false);
        m_pNext->setEnabled(false);
    }
    m_pRevealArea->setCurrentWidget(bClosing ? static_cast<QWidget*>(m_pClosing) : m_pReveal);
}

void CDrawNamesDlg::OnInitDialog()
{
    m_pDone->setEnabled(false);
    BringUpPerson();
    if (m_nCount == 0) {
        // Nobody to reveal: say so, and give the button nothing to act on.
        m_pReveal->setEnabled(false);
        m_pReveal->setText(CStringTable::Load(IDS_REVEAL_NOBODY));
        m_pReveal->setAccessibleName(m_pReveal->text().replace(u'\n', u' '));
    }
    FocusNextStep(m_pNext);
    CFramework::PlaySound(QStringLiteral("kvstart.wav"));
}

void CDrawNamesDlg::SetRevealText(int nStringId)
{
    if (!m_pPerson || !nStringId)
        return;
    m_nRevealTextId = nStringId;
    const QString strText = CStringTable::Format(nStringId, {m_pPerson->m_strName});
    const QString strFitted =
        ElideLines(strText, m_pReveal->fontMetrics(), m_pReveal->width() - kButtonTextMargin);
    m_pReveal->setText(strFitted);
    m_pReveal->setToolTip(strFitted == strText ? QString() : m_pPerson->m_strName);
    // A screen reader hears the whole name.
    m_pReveal->setAccessibleName(QString(strText).replace(u'\n', u' ').simplified());
}

void CDrawNamesDlg::EnableMoves()
{
    m_pPrevious->setEnabled(m_nIndex > 0);
    m_pNext->setEnabled(m_nIndex < m_nCount - 1);
}

void CDrawNamesDlg::BringUpPerson()
{
    m_pPerson = m_nIndex < m_nCount ? m_persons[size_t(m_nIndex)] : nullptr;
    const bool bShown = m_nIndex < m_nCount && m_pShown[static_cast<size_t>(m_nIndex)];
    m_pReveal->setEnabled(!bShown && m_pPerson);
    SetRevealText(bShown ? IDS_REVEAL_SHOWN
                         : (m_nMode == kDrawMode ? IDS_REVEAL_DRAW : IDS_REVEAL_SHOW));
    EnableMoves();
    m_bRevealed = false;
}

void CDrawNamesDlg::OnNext()
{
    if (m_nIndex < m_nCount - 1)
        ++m_nIndex;
    CFramework::PlaySound(QStringLiteral("kvnext.wav"));
    BringUpPerson();
    FocusNextStep(m_pNext);
}

void CDrawNamesDlg::OnPrevious()
{
    if (m_nIndex > 0)
        --m_nIndex;
    CFramework::PlaySound(QStringLiteral("kvprev.wav"));
    BringUpPerson();
    FocusNextStep(m_pPrevious);
}

void CDrawNamesDlg::OnReveal()
{
    if (!m_pPerson)
        return;
    m_pPrevious->setEnabled(false);
    m_pNext->setEnabled(false);
    m_pReveal->setEnabled(false);
    m_pDone->setEnabled(true);
    CFramework::PlaySound(QStringLiteral("kvshow.wav"));
    m_pText->setPlainText(RecipientText(*m_pPerson));
    m_pText->setAccessibleDescription(QString());
    m_bRevealed = true;
    if (m_nMode == kDrawMode)
        emit Revealed(m_pPerson);
    FocusNextStep(m_pDone);
}

QString CDrawNamesDlg::RecipientText(const CPerson& giver) const
{
    const QStringList giftsTo = giver.GiftsTo();
    QString strText =
        CStringTable::Format(giftsTo.size() > 1 ? IDS_GET_GIFTS_FOR : IDS_GET_GIFT_FOR,
                             {giftsTo.join(CStringTable::Load(IDS_NAMES_SEPARATOR))});
    for (const QString& strName : giftsTo) {
        const CPerson* pRecipient = m_pList->FindPerson(strName);
        if (!pRecipient || pRecipient->m_strSuggestions.isEmpty())
            continue;
        // With several recipients, each one's suggestions under his name.
        strText += CStringTable::Load(IDS_REVEAL_SUGGESTIONS);
        if (giftsTo.size() > 1)
            strText += CStringTable::Format(IDS_IDEAS_OF, {strName, pRecipient->m_strSuggestions});
        else
            strText += pRecipient->m_strSuggestions;
    }
    return strText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void CDrawNamesDlg::OnDone()
{
    m_pText->clear();
    m_pText->setAccessibleDescription(CStringTable::Load(IDS_ACC_NAME_HIDDEN));
    m_pDone->setEnabled(false);
    SetRevealText(IDS_REVEAL_SHOWN);
    if (m_bRevealed)
        m_pShown[static_cast<size_t>(m_nIndex)] = 1;
    EnableMoves();
    FocusNextStep(MoveTowardsWaiting());
}

int CDrawNamesDlg::CountNotLooked() const
{
    int nCount = 0;
    for (size_t i = 0; i < m_pShown.size(); ++i) {
        const bool bLooking = m_bRevealed && i == static_cast<size_t>(m_nIndex);
        nCount += m_pShown[i] || bLooking ? 0 : 1;
    }
    return nCount;
}

bool CDrawNamesDlg::MayEndRound()
{
    // Viewing the notifications is the organiser's own look: nobody is waiting for a turn.
    const int nNotLooked = m_nMode == kDrawMode ? CountNotLooked() : 0;
    if (nNotLooked == 0)
        return true;
    return CMessageBox::Show(nNotLooked == 1 ? IDS_ASK_END_ROUND_ONE : IDS_ASK_END_ROUND,
                             EBoxKind::YesNoDefaultNo, {nNotLooked}) == EAnswer::Yes;
}

void CDrawNamesDlg::accept()
{
    if (!MayEndRound())
        return;
    CFramework::PlaySound(QStringLiteral("kvend.wav"));
    QDialog::accept();
}

void CDrawNamesDlg::reject()
{
    if (!MayEndRound())
        return;
    QDialog::reject();
}
