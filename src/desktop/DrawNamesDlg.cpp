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
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kLargeFontPoints = 16;
constexpr int kSmallestFontPoints = 9;
// The size the dialog takes with its large font, where the screen has room for it.
constexpr QSize kLargeSize(420, 520);

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
    m_pReveal = MakeButton(CStringTable::Load(IDS_REVEAL_INITIAL), QStringLiteral("reveal"), 0);
    m_pReveal->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
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
    pLayout->addWidget(m_pReveal, 2);
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
    m_pReveal->setMinimumHeight(4 * fontMetrics().height());
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

void CDrawNamesDlg::FocusNextStep(QPushButton* pMove)
{
    for (QPushButton* pButton : {m_pReveal, m_pDone, pMove, m_pNext}) {
        if (pButton->isEnabled()) {
            pButton->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    // The round is through: the focus rests on the text, never on OK.
    m_pText->setFocus(Qt::OtherFocusReason);
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
    if (!m_pPerson)
        return;
    m_pReveal->setText(CStringTable::Format(nStringId, {m_pPerson->m_strName}));
    m_pReveal->setAccessibleName(m_pReveal->text().replace(u'\n', u' ').simplified());
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
    FocusNextStep(m_pNext);
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
