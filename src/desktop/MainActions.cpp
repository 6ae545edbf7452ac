#include "desktop/MainActions.h"

#include "desktop/Icons.h"
#include "text/Resource.h"
#include "text/StringTable.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QUndoStack>
#include <QWidget>

namespace {

// The short form of a prompt string ("prompt\nshort form").
QString ShortForm(int nStringId)
{
    return CStringTable::Load(nStringId).section(u'\n', 1);
}

QString FirstLine(int nStringId)
{
    return CStringTable::Load(nStringId).section(u'\n', 0, 0);
}

void SetShortcut(QWidget* pWindow, QAction* pAction, const QKeySequence& shortcut)
{
    pAction->setShortcut(shortcut);
    pAction->setShortcutContext(Qt::WindowShortcut);
    pWindow->addAction(pAction);
}

} // namespace

CMainActions::CMainActions(QWidget* pWindow, QUndoStack* pStack, QMenu* pMoveMenu)
    : m_pWindow(pWindow)
{
    Add(EAction::New, IDS_MENU_FILE_NEW)->setIconText(CStringTable::Load(IDS_MENU_NEW));
    Add(EAction::Open, IDS_MENU_OPEN);
    Add(EAction::Save, IDS_MENU_SAVE);
    Add(EAction::SaveAs, IDS_MENU_SAVE_AS);
    Add(EAction::PrintCards, IDS_MENU_PRINT_CARDS);
    Add(EAction::Exit, IDS_MENU_EXIT);
    Add(EAction::About, IDS_MENU_ABOUT);
    Add(EAction::Configure, IDS_MENU_CONFIGURE);
    Add(EAction::Import, IDS_MENU_IMPORT);
    Add(EAction::Export, IDS_MENU_EXPORT);
    Add(EAction::AddPerson, IDS_MENU_ADD_PERSON);
    Add(EAction::AddGroup, IDS_MENU_ADD_GROUP);
    Add(EAction::AddPersonToGroup, IDS_MENU_ADD_PERSON_TO_GROUP);
    Add(EAction::DeleteItem, IDS_MENU_DELETE_ITEM);
    Add(EAction::RenameItem, IDS_MENU_RENAME_ITEM);
    Add(EAction::SendEmailToPerson, IDS_MENU_SEND_EMAIL_TO_PERSON);
    Add(EAction::PersonProperties, IDS_MENU_PERSON_PROPERTIES);
    Add(EAction::DrawNames, IDS_MENU_DRAW_NAMES);
    Add(EAction::SendEmails, IDS_MENU_SEND_EMAILS);
    Add(EAction::ViewNotifications, IDS_MENU_VIEW_NOTIFICATIONS);
    Add(EAction::CopyForNext, IDS_MENU_COPY_FOR_NEXT);
    Add(EAction::Rules, IDS_MENU_RULES);
    Add(EAction::Details, IDS_MENU_DETAILS);
    // Enabled like a command; its own entries move the selected person.
    m_actions.at(size_t(EAction::MoveToGroup)) = pMoveMenu->menuAction();
    // The stack's own actions, triggered through the document, which may refuse.
    for (const auto& [action, pAction] :
         {std::pair{EAction::Undo, pStack->createUndoAction(pWindow)},
          std::pair{EAction::Redo, pStack->createRedoAction(pWindow)}}) {
        QObject::disconnect(pAction, &QAction::triggered, pStack, nullptr);
        m_actions.at(size_t(action)) = pAction;
    }
    UpdateUndoTexts(*pStack);

    using Keys = std::initializer_list<std::pair<EAction, QKeySequence>>;
    for (const auto& [action, keys] :
         Keys{{EAction::Undo, QKeySequence::Undo},
              {EAction::Redo, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
              {EAction::New, QKeySequence(Qt::CTRL | Qt::Key_N)},
              {EAction::Open, QKeySequence(Qt::CTRL | Qt::Key_O)},
              {EAction::Save, QKeySequence(Qt::CTRL | Qt::Key_S)},
              {EAction::Exit, QKeySequence(Qt::CTRL | Qt::Key_Q)}})
        SetShortcut(pWindow, (*this)[action], keys);
    // The tree takes these keys itself (not while a name is edited); the menu only shows them.
    for (const auto& [action, key] : {std::pair{EAction::AddPerson, Qt::Key_Insert},
                                      {EAction::DeleteItem, Qt::Key_Delete},
                                      {EAction::RenameItem, Qt::Key_F2},
                                      {EAction::PersonProperties, Qt::Key_Enter}}) {
        QAction* pAction = (*this)[action];
        pAction->setText(pAction->text() + u'\t' +
                         QKeySequence(key).toString(QKeySequence::NativeText));
    }
    (*this)[EAction::DrawNames]->setIcon(CIcons::DrawNamesIcon());
    (*this)[EAction::DrawNames]->setToolTip(ShortForm(IDS_TIP_DRAW_NAMES));
    (*this)[EAction::SendEmails]->setIcon(CIcons::SendEmailsIcon());
    (*this)[EAction::SendEmails]->setToolTip(ShortForm(IDS_PROMPT_SEND_EMAILS));
    (*this)[EAction::CopyForNext]->setStatusTip(FirstLine(IDS_PROMPT_COPY_FOR_NEXT));
    (*this)[EAction::New]->setToolTip(CStringTable::Load(IDS_TIP_NEW));
    (*this)[EAction::Details]->setStatusTip(FirstLine(IDS_PROMPT_DETAILS));
}

void CMainActions::SayWhyDrawIsOff(bool bTooFewPersons) const
{
    QAction* pDraw = (*this)[EAction::DrawNames];
    const QString strTip = bTooFewPersons ? CStringTable::Load(IDS_TIP_DRAW_NEEDS_THREE)
                                          : ShortForm(IDS_TIP_DRAW_NAMES);
    pDraw->setToolTip(strTip);
    pDraw->setStatusTip(strTip);
}

QAction* CMainActions::Add(EAction action, int nTextId)
{
    auto* pAction = new QAction(CStringTable::Load(nTextId), m_pWindow);
    m_actions.at(size_t(action)) = pAction;
    return pAction;
}

QList<QAction*> CMainActions::Of(const QList<EAction>& actions) const
{
    QList<QAction*> result;
    for (const EAction action : actions)
        result.append(action == EAction::Count ? nullptr : (*this)[action]);
    return result;
}

void CMainActions::UpdateUndoTexts(const QUndoStack& stack) const
{
    const QString strUndo = stack.undoText();
    const QString strRedo = stack.redoText();
    (*this)[EAction::Undo]->setText(strUndo.isEmpty()
                                        ? CStringTable::Load(IDS_MENU_UNDO)
                                        : CStringTable::Format(IDS_MENU_UNDO_WHAT, {strUndo}));
    (*this)[EAction::Redo]->setText(strRedo.isEmpty()
                                        ? CStringTable::Load(IDS_MENU_REDO)
                                        : CStringTable::Format(IDS_MENU_REDO_WHAT, {strRedo}));
}
