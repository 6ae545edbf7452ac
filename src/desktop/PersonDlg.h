#pragma once

#include <QDialog>

class CContactComboBox;
class CKivvoDoc;
class CNameList;
class CPerson;
class QComboBox;
class QCompleter;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
struct CNeverDraws;

// Edits one person of the document's newest list: name, address (typed, or the name of an
// address-book entry, whose address is shown underneath), gift suggestions and whom he never
// draws, each one way or both ways. OK stores them through the document, as one step; Cancel
// stores nothing.
class CPersonDlg : public QDialog
{
    Q_OBJECT

public:
    CPersonDlg(CPerson* pPerson, CKivvoDoc* pDoc, QWidget* pParent = nullptr);

    void accept() override;

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
    // The names typed, each a row of the table; false, saying why, for a name nobody has.
    bool TakeTypedNames();
    void AddNeverDrawsRow(const CNeverDraws& neverDraws);
    void RemoveSelectedNames();
    QList<CNeverDraws> NeverDraws() const;

    CPerson* m_pPerson;
    CKivvoDoc* m_pDoc;
    CNameList* m_pList;

    QLineEdit* m_pName;
    QComboBox* m_pRole;
    CContactComboBox* m_pAddress;
    QLabel* m_pResolvedAddress;
    QLabel* m_pAddressProblem; // the text names neither an address nor a contact
    QPlainTextEdit* m_pSuggestions;
    QLineEdit* m_pNeverDraws; // names typed, to go into the table
    QCompleter* m_pNeverDrawsCompleter;
    QPushButton* m_pAddNeverDraws;
    QTableWidget* m_pNeverDrawsTable; // a name a row, ticked where it is both ways
    QPushButton* m_pRemoveNeverDraws;
    QLabel* m_pNeverDrawsError;
};
