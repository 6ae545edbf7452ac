#pragma once

#include <QList>

#include <array>

class QAction;
class QMenu;
class QUndoStack;
class QWidget;

// The main window's commands.
enum class EAction
{
    New,
    Open,
    Save,
    SaveAs,
    PrintCards,
    Exit,
    About,
    Configure,
    Import,
    Export,
    Undo,
    Redo,
    AddPerson,
    AddGroup,
    AddPersonToGroup,
    DeleteItem,
    RenameItem,
    MoveToGroup,
    SendEmailToPerson,
    PersonProperties,
    DrawNames,
    SendEmails,
    ViewNotifications,
    CopyForNext,
    Rules,
    Details,
    Count
};

// The main window's actions with their texts, keys, icons and tips; what each does is
// connected by the window. Undo and redo come from the document's undo stack.
class CMainActions
{
public:
    CMainActions(QWidget* pWindow, QUndoStack* pStack, QMenu* pMoveMenu);

    QAction* operator[](EAction action) const { return m_actions.at(size_t(action)); }
    // The actions of a menu, a null one for each separator.
    QList<QAction*> Of(const QList<EAction>& actions) const;
    // Shows what the next undo and redo take back, in the user's language.
    void UpdateUndoTexts(const QUndoStack& stack) const;
    // Draw Names greyed for want of persons says so in its tips; else its usual ones.
    void SayWhyDrawIsOff(bool bTooFewPersons) const;

private:
    QAction* Add(EAction action, int nTextId);

    QWidget* m_pWindow;
    std::array<QAction*, size_t(EAction::Count)> m_actions{};
};
