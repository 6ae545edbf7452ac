#include "DrawNamesDlg.h"

#include "model/NameList.h"
#include "platform/Framework.h"
#include "res/Resource.h"
#include "res/StringTable.h"
#include "ui/ScreenFit.h"

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

QPushButton* MakeButton(const QString& strText, const QString& strName)
{
    auto* pButton = new QPushButton(strText);
    pButton->setObjectName(strName);
    pButton->setAutoDefault(false);
    return pButton;
}

} // namespace

CDrawNamesDlg::CDrawNamesDlg(CNameList* pList, int nMode, QWidget* pParent)
    : QDialog(pParent), m_pList(pList), m_nMode(nMode), m_nCount(pList ? pList->CountPersons() : 0)
{
    m_pShown.assign(static_cast<size_t>(m_nCount), 0);
    setWindowTitle(QStringLiteral("Dialog"));
    setObjectName(QStringLiteral("drawNamesDialog"));

    m_pPrevious = MakeButton(CStringTable::Load(IDS_PREVIOUS), QStringLiteral("previous"));
    m_pNext = MakeButton(CStringTable::Load(IDS_NEXT), QStringLiteral("next"));
    m_pReveal = MakeButton(CStringTable::Load(IDS_REVEAL_INITIAL), QStringLiteral("reveal"));
    m_pReveal->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_pText = new QPlainTextEdit;
    m_pText->setObjectName(QStringLiteral("revealedText"));
    m_pText->setReadOnly(true);
    m_pText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_pDone = MakeButton(CStringTable::Load(IDS_DONE), QStringLiteral("done"));
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok);
    pButtons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    // Enter must never end the round for those still waiting; only a click on OK does.
    pButtons->button(QDialogButtonBox::Ok)->setAutoDefault(false);

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

void CDrawNamesDlg::keyPressEvent(QKeyEvent* pEvent)
{
    if (pEvent->key() != Qt::Key_Return && pEvent->key() != Qt::Key_Enter) {
        QDialog::keyPressEvent(pEvent);
        return;
    }
    // Enter takes the step the participant is at: reveal, hide again, or go on.
    for (QPushButton* pButton : {m_pReveal, m_pDone, m_pNext}) {
        if (pButton->isEnabled()) {
            pButton->click();
            break;
        }
    }
}

void CDrawNamesDlg::OnInitDialog()
{
    m_pDone->setEnabled(false);
    BringUpPerson();
    if (m_nCount == 0) {
        // Nobody to reveal: say so, and give the button nothing to act on.
        m_pReveal->setEnabled(false);
        m_pReveal->setText(CStringTable::Load(IDS_REVEAL_NOBODY));
    }
    CFramework::PlaySound(QStringLiteral("kvstart.wav"));
}

void CDrawNamesDlg::SetRevealText(int nStringId)
{
    if (m_pPerson)
        m_pReveal->setText(CStringTable::Format(nStringId, {m_pPerson->m_strName}));
}

void CDrawNamesDlg::EnableMoves()
{
    m_pPrevious->setEnabled(m_nIndex > 0);
    m_pNext->setEnabled(m_nIndex < m_nCount - 1);
}

void CDrawNamesDlg::BringUpPerson()
{
    m_pPerson = m_pList ? m_pList->GetPersonAt(m_nIndex) : nullptr;
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
}

void CDrawNamesDlg::OnPrevious()
{
    if (m_nIndex > 0)
        --m_nIndex;
    CFramework::PlaySound(QStringLiteral("kvprev.wav"));
    BringUpPerson();
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
    QString strText = CStringTable::Format(IDS_GET_GIFT_FOR, {m_pPerson->m_strGiftTo});
    const CPerson* pRecipient = m_pList->FindPerson(m_pPerson->m_strGiftTo);
    if (pRecipient && !pRecipient->m_strSuggestions.isEmpty())
        strText += CStringTable::Load(IDS_REVEAL_SUGGESTIONS) + pRecipient->m_strSuggestions;
    m_pText->setPlainText(strText.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_bRevealed = true;
}

void CDrawNamesDlg::OnDone()
{
    m_pText->clear();
    m_pDone->setEnabled(false);
    SetRevealText(IDS_REVEAL_SHOWN);
    if (m_bRevealed)
        m_pShown[static_cast<size_t>(m_nIndex)] = 1;
    EnableMoves();
}

void CDrawNamesDlg::accept()
{
    CFramework::PlaySound(QStringLiteral("kvend.wav"));
    QDialog::accept();
}
