#pragma once

#include <QDialog>
#include <QList>

#include <vector>

class CNameList;
class CPerson;
class CStepKeys;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;

// The pass-around dialog: the screen goes from hand to hand, and each participant reveals
// his own drawn name, reads it, and hides it again with Done before passing it on.
class CDrawNamesDlg : public QDialog
{
    Q_OBJECT

public:
    enum EMode
    {
        kDrawMode = 0,
        kShowMode = 1,
    };

    // only: the persons of the round, in list order; empty: everybody of the list.
    CDrawNamesDlg(CNameList* pList, int nMode, QWidget* pParent = nullptr,
                  const QList<const CPerson*>& only = {});

    void accept() override;
    void reject() override;

    // Participants who have not seen their drawn name in this round.
    int CountNotLooked() const;

signals:
    // A participant revealed his drawn name in the round.
    void Revealed(const CPerson* pPerson);

protected:
    void showEvent(QShowEvent* pEvent) override;
    void changeEvent(QEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;

private:
    // What the giver is shown: whom he gives to, with their suggestions.
    QString RecipientText(const CPerson& giver) const;
    void SetFontSize(int nPoints);
    // Chooses the largest font, up to the large one, with which the dialog fits the screen.
    void FitToScreen();
    void OnInitDialog();
    void BringUpPerson();
    void EnableMoves();
    void OnPrevious();
    void OnNext();
    void OnReveal();
    void OnDone();
    void SetRevealText(int nStringId);
    // The next step in words, or the closing screen once everybody has looked.
    void ShowStep();
    QString StepText() const;
    // A name as it fits a fraction of the dialog's width.
    QString FittedName(const QString& strName) const;
    bool IsShown(int nIndex) const { return m_pShown[static_cast<size_t>(nIndex)] != 0; }
    bool IsNameOnScreen() const;
    bool EverybodyLooked() const;
    // Whether somebody after (bAhead) or before the current position has not looked yet.
    bool SomebodyWaits(bool bAhead) const;
    // Enter or Space pressed: the focused step button, or for Enter the step the participant
    // is at: reveal, hide again, or go on.
    void OnStepKey(int nKey);
    // Puts the focus on the button that takes the next step for whoever holds the screen.
    void FocusNextStep(QPushButton* pMove);
    // After Done: towards those still waiting.
    QPushButton* MoveTowardsWaiting() const;
    // Whether the round may end now: asks when somebody has not looked yet.
    bool MayEndRound();

    CNameList* m_pList;
    std::vector<CPerson*> m_persons; // of the round, in list order
    CPerson* m_pPerson = nullptr;
    std::vector<quint8> m_pShown; // per person in list order: revealed and closed
    bool m_bRevealed = false;
    int m_nMode;
    int m_nIndex = 0;
    int m_nCount;
    bool m_bInitialised = false;
    CStepKeys* m_pKeys = nullptr;
    int m_nRevealTextId = 0;

    QPushButton* m_pPrevious;
    QPushButton* m_pNext;
    QLabel* m_pStep;
    QStackedWidget* m_pRevealArea; // the reveal button, or the closing words
    QPushButton* m_pReveal;
    QLabel* m_pClosing;
    QPlainTextEdit* m_pText;
    QPushButton* m_pDone;
    QPushButton* m_pOk;
};
