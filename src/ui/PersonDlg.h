#pragma once

#include <QDialog>

class CContactComboBox;
class CNameList;
class CPerson;
class QCheckBox;
class QCompleter;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// Edits one person: name, address (typed, or the name of an address-book entry, whose
// address is shown underneath) and gift suggestions. Stores only on OK.
class CPersonDlg : public QDialog
{
    Q_OBJECT

public:
    CPersonDlg(CPerson* pPerson, CNameList* pList, QWidget* pParent = nullptr);

    void accept() override;

    bool m_bNameChanged = false; // OK stored a changed name

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void OnInitDialog();
    void FillContactCombo();
    // Shows the address the text resolves to and, for a person still named "Person...",
    // proposes the contact's name.
    void OnUpdateAddress();
    void PostUpdateAddress();
    // Never draws: offers the list's names for the name being typed after the last comma.
    void BuildNeverDraws();
    void OnNeverDrawsEdited(const QString& strText);
    void OnNeverDrawsPicked(const QString& strName);

    CPerson* m_pPerson;
    CNameList* m_pList;

    QLineEdit* m_pName;
    QLineEdit* m_pGiftTo;
    CContactComboBox* m_pAddress;
    QLabel* m_pResolvedAddress;
    QLabel* m_pAddressProblem; // the text names neither an address nor a contact
    QPlainTextEdit* m_pSuggestions;
    QLineEdit* m_pNeverDraws;
    QCompleter* m_pNeverDrawsCompleter;
    QCheckBox* m_pBothWays;
    QLabel* m_pNeverDrawsError;
};
