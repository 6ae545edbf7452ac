#include "StringTable.h"

#include "Resource.h"

#include <QCoreApplication>
#include <QTranslator>

#include <algorithm>
#include <iterator>
#include <limits>
#include <unordered_map>

namespace {

// Every text is translated in the one context.
constexpr char kTextContext[] = "Kivvo";

// The English text, which is also what a translation is looked up by, and the name of its
// number, which tells the translator where the text is used.
struct STextSource
{
    const char* m_pszSource;
    const char* m_pszKey;
};

// A text that shows a count picks its plural form by the argument at m_nCountArgument.
struct SEntry
{
    STextSource m_text;
    int m_nCountArgument = -1;
};

const std::unordered_map<int, SEntry>& Table()
{
    static const std::unordered_map<int, SEntry> table = {
        {IDS_TOOLS_MENU, {QT_TRANSLATE_NOOP3("Kivvo", "&Tools", "IDS_TOOLS_MENU")}},
        {IDS_DOC_TEMPLATE,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Kivvo\n\nKivvo\nKivvo (*.kv)\n.kv\nKivvo.Document\nKivvo Document",
                             "IDS_DOC_TEMPLATE")}},
        {IDS_SETTINGS_MENU, {QT_TRANSLATE_NOOP3("Kivvo", "&Settings", "IDS_SETTINGS_MENU")}},
        {IDS_EXCHANGE_MENU, {QT_TRANSLATE_NOOP3("Kivvo", "E&xchange", "IDS_EXCHANGE_MENU")}},
        {IDS_PROMPT_COPY_FOR_NEXT,
         {QT_TRANSLATE_NOOP3("Kivvo", "Copy current list for next exchange\nCopy List",
                             "IDS_PROMPT_COPY_FOR_NEXT")}},
        {IDS_PROMPT_SEND_EMAILS,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Send email notification of 'who to get gift for' to all "
                             "participants with email addresses\nSend emails",
                             "IDS_PROMPT_SEND_EMAILS")}},
        {IDS_TIP_NEW, {QT_TRANSLATE_NOOP3("Kivvo", "New", "IDS_TIP_NEW")}},
        {IDS_TIP_FILE, {QT_TRANSLATE_NOOP3("Kivvo", "File", "IDS_TIP_FILE")}},
        {IDS_TIP_HELP, {QT_TRANSLATE_NOOP3("Kivvo", "Help", "IDS_TIP_HELP")}},
        {IDS_TIP_CUT, {QT_TRANSLATE_NOOP3("Kivvo", "Cut", "IDS_TIP_CUT")}},
        {IDS_TIP_COPY, {QT_TRANSLATE_NOOP3("Kivvo", "Copy", "IDS_TIP_COPY")}},
        {IDS_TIP_PASTE, {QT_TRANSLATE_NOOP3("Kivvo", "Paste", "IDS_TIP_PASTE")}},
        {IDS_ASK_PASS_AROUND,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "Would you like to pass around this computer for participants to draw their own "
             "names? You can skip any participants not present. Click OK when finished.",
             "IDS_ASK_PASS_AROUND")}},
        {IDS_ASK_SEND_NOW,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Name drawing is complete. Would you like to send emails now?",
                             "IDS_ASK_SEND_NOW")}},
        {IDS_ASK_DRAW_AGAIN,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "Names have already been drawn. Are you sure you want to draw again?\r\n\r\nIf you "
             "would like to use the same list of names for a new drawing you should use the 'Copy "
             "for new drawing' feature.",
             "IDS_ASK_DRAW_AGAIN")}},
        {IDS_ASK_DRAW_NOW,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Are you sure you want to draw names now?\r\n\r\nPlease make sure "
                             "all participant names have been entered.",
                             "IDS_ASK_DRAW_NOW")}},
        {IDS_ASK_COPY_LIST,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "Are you sure you want to copy the current list to create a new list?\r\n\r\nThis "
             "should normally only be performed after the current list is complete and gifts have "
             "been exchanged to setup for the next exchange based on the same group of people.",
             "IDS_ASK_COPY_LIST")}},
        {IDS_COPY_DONE,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Copy current list for new drawing is complete.\r\nIt is recommended "
                             "to rename the root node to identify the drawing such as 'Christmas "
                             "2004'",
                             "IDS_COPY_DONE")}},
        {IDS_ASK_SEND_ALL,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "Send email now to all participants with email addresses entered.\r\n\r\nYou may "
             "repeat the operation as a reminder or if any email addresses are changed.",
             "IDS_ASK_SEND_ALL")}},
        {IDS_SENT_SUMMARY,
         {QT_TRANSLATE_N_NOOP3("Kivvo", "Sent emails to %1 out of %2 participants",
                               "IDS_SENT_SUMMARY"),
          1}},
        {IDS_SEND_ERROR,
         {QT_TRANSLATE_NOOP3("Kivvo", "Error sending to [%1] email address [%2]",
                             "IDS_SEND_ERROR")}},
        {IDS_EMAIL_SENT,
         {QT_TRANSLATE_NOOP3("Kivvo", "Email sent to: %1\r\naddress: %2", "IDS_EMAIL_SENT")}},
        {IDS_LOGON_ERROR,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "The mail server %1 could not be reached or refused the login.\r\n%2"
                             "\r\n\r\nCheck the mail settings (Settings > Configure, or "
                             "kivvo-cli config).",
                             "IDS_LOGON_ERROR")}},
        {IDS_DRAWING_ERROR,
         {QT_TRANSLATE_NOOP3("Kivvo", "No drawing was found for this list.\r\n\r\n%1",
                             "IDS_DRAWING_ERROR")}},
        {IDS_CONTACTS_LOGIN_ERROR,
         {QT_TRANSLATE_NOOP3("Kivvo", "The address book %1 cannot be read: %2",
                             "IDS_CONTACTS_LOGIN_ERROR")}},
        {IDS_CONTACTS_CLSID_ERROR,
         {QT_TRANSLATE_NOOP3("Kivvo", "The address book %1 cannot be read: %2",
                             "IDS_CONTACTS_CLSID_ERROR")}},
        {IDS_CONTACTS_CREATE_ERROR,
         {QT_TRANSLATE_NOOP3("Kivvo", "The address book %1 cannot be opened: %2",
                             "IDS_CONTACTS_CREATE_ERROR")}},

        {IDS_NEW_LIST_NAME, {QT_TRANSLATE_NOOP3("Kivvo", "List", "IDS_NEW_LIST_NAME")}},
        {IDS_NEW_GROUP_NAME, {QT_TRANSLATE_NOOP3("Kivvo", "New Group", "IDS_NEW_GROUP_NAME")}},
        {IDS_NEW_PERSON_NAME, {QT_TRANSLATE_NOOP3("Kivvo", "Person", "IDS_NEW_PERSON_NAME")}},
        {IDS_COPY_SUFFIX, {QT_TRANSLATE_NOOP3("Kivvo", " New Copy", "IDS_COPY_SUFFIX")}},
        {IDS_UNIQUE_WITH_INITIAL,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 %2", "IDS_UNIQUE_WITH_INITIAL")}},
        {IDS_UNIQUE_WITH_NUMBER, {QT_TRANSLATE_NOOP3("Kivvo", "%1%2", "IDS_UNIQUE_WITH_NUMBER")}},
        {IDS_ROOT_PLACEHOLDER, {QT_TRANSLATE_NOOP3("Kivvo", "People", "IDS_ROOT_PLACEHOLDER")}},

        {IDS_REPORT_GIFT_ARROW, {QT_TRANSLATE_NOOP3("Kivvo", " --> ", "IDS_REPORT_GIFT_ARROW")}},
        {IDS_REPORT_GROUP_MARK, {QT_TRANSLATE_NOOP3("Kivvo", "***", "IDS_REPORT_GROUP_MARK")}},
        {IDS_REPORT_MEMBER_INDENT,
         {QT_TRANSLATE_NOOP3("Kivvo", "   ", "IDS_REPORT_MEMBER_INDENT")}},
        {IDS_REPORT_LINE_END, {QT_TRANSLATE_NOOP3("Kivvo", "\r\n", "IDS_REPORT_LINE_END")}},

        {IDS_NOTE_GREETING,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Hi %1!\r\n\r\nThis is your automatic kivvo name drawing "
                             "message\r\n\r\n",
                             "IDS_NOTE_GREETING")}},
        {IDS_NOTE_PRIVACY,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "This message is for %1 only.\r\nPlease do not read further if "
                             "you are not the designated person.\r\n\r\n",
                             "IDS_NOTE_PRIVACY")}},
        {IDS_NOTE_PREVIOUS_GIFT,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "In the previous exchange you gave a gift to: %1.\r\nYou "
                             "will not draw the same name in this exchange.\r\n\r\n",
                             "IDS_NOTE_PREVIOUS_GIFT")}},
        {IDS_NOTE_PREVIOUS_LIST,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "The following list shows who each person gave a gift to "
                             "in the previous exchange.\r\n\r\n",
                             "IDS_NOTE_PREVIOUS_LIST")}},
        {IDS_NOTE_CURRENT_LIST,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "\r\nThis is the current list of names.\r\nThe indented "
                             "group persons cannot draw a name in the same group.\r\n",
                             "IDS_NOTE_CURRENT_LIST")}},
        {IDS_NOTE_DRAWN_NAME,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "\r\n\r\n\r\nThe name randomly drawn for %1 to give a gift to "
                             "is %2.\r\n\r\nThank you.\r\n\r\n",
                             "IDS_NOTE_DRAWN_NAME")}},
        {IDS_NOTE_SUGGESTIONS,
         {QT_TRANSLATE_NOOP3("Kivvo", "\r\n\r\nGift Suggestions: %1\r\n\r\n",
                             "IDS_NOTE_SUGGESTIONS")}},
        {IDS_NOTE_BEFORE_FOOTER,
         {QT_TRANSLATE_NOOP3("Kivvo", "\r\n\r\n\r\n", "IDS_NOTE_BEFORE_FOOTER")}},

        {IDS_REVEAL_DRAW, {QT_TRANSLATE_NOOP3("Kivvo", "Draw name\nfor %1", "IDS_REVEAL_DRAW")}},
        {IDS_REVEAL_SHOW, {QT_TRANSLATE_NOOP3("Kivvo", "Show name\nfor %1", "IDS_REVEAL_SHOW")}},
        {IDS_REVEAL_SHOWN,
         {QT_TRANSLATE_NOOP3("Kivvo", "Name already shown\n for %1", "IDS_REVEAL_SHOWN")}},
        {IDS_REVEAL_INITIAL,
         {QT_TRANSLATE_NOOP3("Kivvo", "Draw Name\nfor XXXXX", "IDS_REVEAL_INITIAL")}},
        {IDS_GET_GIFT_FOR, {QT_TRANSLATE_NOOP3("Kivvo", "Get gift for: %1", "IDS_GET_GIFT_FOR")}},
        {IDS_REVEAL_SUGGESTIONS,
         {QT_TRANSLATE_NOOP3("Kivvo", "\r\nSuggestions: ", "IDS_REVEAL_SUGGESTIONS")}},
        {IDS_PREVIOUS, {QT_TRANSLATE_NOOP3("Kivvo", "Previous", "IDS_PREVIOUS")}},
        {IDS_NEXT, {QT_TRANSLATE_NOOP3("Kivvo", "Next", "IDS_NEXT")}},
        {IDS_DONE, {QT_TRANSLATE_NOOP3("Kivvo", "Done", "IDS_DONE")}},
        {IDS_REVEAL_NOBODY,
         {QT_TRANSLATE_NOOP3("Kivvo", "No participants\nin this list", "IDS_REVEAL_NOBODY")}},

        {IDS_PERSON_TITLE, {QT_TRANSLATE_NOOP3("Kivvo", "Person Properties", "IDS_PERSON_TITLE")}},
        {IDS_PERSON_NAME_LABEL, {QT_TRANSLATE_NOOP3("Kivvo", "Name:", "IDS_PERSON_NAME_LABEL")}},
        {IDS_PERSON_GIFT_TO_LABEL,
         {QT_TRANSLATE_NOOP3("Kivvo", "Gift To:", "IDS_PERSON_GIFT_TO_LABEL")}},
        {IDS_PERSON_ADDRESS_LABEL,
         {QT_TRANSLATE_NOOP3("Kivvo", "E-mail or address book name:", "IDS_PERSON_ADDRESS_LABEL")}},
        {IDS_PERSON_SUGGESTIONS_LABEL,
         {QT_TRANSLATE_NOOP3("Kivvo", "Gift Suggestions:", "IDS_PERSON_SUGGESTIONS_LABEL")}},
        {IDS_ABOUT_TITLE, {QT_TRANSLATE_NOOP3("Kivvo", "About Kivvo", "IDS_ABOUT_TITLE")}},
        {IDS_ABOUT_VERSION,
         {QT_TRANSLATE_NOOP3("Kivvo", "Kivvo\nVersion 1.0", "IDS_ABOUT_VERSION")}},
        {IDS_ABOUT_COPYRIGHT,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Copyright © 2026\nQuorvale\n\nFree software under the GNU "
                             "General Public License, version 3 or later",
                             "IDS_ABOUT_COPYRIGHT")}},
        {IDS_ABOUT_WEB_ADDRESS,
         {QT_TRANSLATE_NOOP3("Kivvo", "https://www.gnu.org/licenses/gpl-3.0.html",
                             "IDS_ABOUT_WEB_ADDRESS")}},
        {IDS_ABOUT_CLOSE, {QT_TRANSLATE_NOOP3("Kivvo", "Close", "IDS_ABOUT_CLOSE")}},

        {IDS_MENU_CONFIGURE, {QT_TRANSLATE_NOOP3("Kivvo", "&Configure...", "IDS_MENU_CONFIGURE")}},
        {IDS_MENU_ADD_PERSON, {QT_TRANSLATE_NOOP3("Kivvo", "&Add Person", "IDS_MENU_ADD_PERSON")}},
        {IDS_MENU_ADD_GROUP, {QT_TRANSLATE_NOOP3("Kivvo", "Add &Group", "IDS_MENU_ADD_GROUP")}},
        {IDS_MENU_ADD_PERSON_TO_GROUP,
         {QT_TRANSLATE_NOOP3("Kivvo", "Add &Person to Group", "IDS_MENU_ADD_PERSON_TO_GROUP")}},
        {IDS_MENU_DELETE_ITEM,
         {QT_TRANSLATE_NOOP3("Kivvo", "&Delete Item", "IDS_MENU_DELETE_ITEM")}},
        {IDS_MENU_RENAME_ITEM,
         {QT_TRANSLATE_NOOP3("Kivvo", "Rename &Item", "IDS_MENU_RENAME_ITEM")}},
        {IDS_MENU_SEND_EMAIL_TO_PERSON,
         {QT_TRANSLATE_NOOP3("Kivvo", "Send &email to Person", "IDS_MENU_SEND_EMAIL_TO_PERSON")}},
        {IDS_MENU_PERSON_PROPERTIES,
         {QT_TRANSLATE_NOOP3("Kivvo", "Person Pr&operties", "IDS_MENU_PERSON_PROPERTIES")}},
        {IDS_MENU_DRAW_NAMES, {QT_TRANSLATE_NOOP3("Kivvo", "Draw &Names", "IDS_MENU_DRAW_NAMES")}},
        {IDS_MENU_SEND_EMAILS,
         {QT_TRANSLATE_NOOP3("Kivvo", "&Send Emails", "IDS_MENU_SEND_EMAILS")}},
        {IDS_MENU_VIEW_NOTIFICATIONS,
         {QT_TRANSLATE_NOOP3("Kivvo", "&View Notifications", "IDS_MENU_VIEW_NOTIFICATIONS")}},
        {IDS_MENU_COPY_FOR_NEXT,
         {QT_TRANSLATE_NOOP3("Kivvo", "Copy for Ne&xt Exchange", "IDS_MENU_COPY_FOR_NEXT")}},
        {IDS_MENU_SAVE_AS, {QT_TRANSLATE_NOOP3("Kivvo", "Save &As...", "IDS_MENU_SAVE_AS")}},
        {IDS_MENU_ABOUT, {QT_TRANSLATE_NOOP3("Kivvo", "A&bout Kivvo...", "IDS_MENU_ABOUT")}},
        {IDS_MENU_NEW, {QT_TRANSLATE_NOOP3("Kivvo", "New", "IDS_MENU_NEW")}},
        {IDS_MENU_OPEN, {QT_TRANSLATE_NOOP3("Kivvo", "&Open...", "IDS_MENU_OPEN")}},
        {IDS_MENU_SAVE, {QT_TRANSLATE_NOOP3("Kivvo", "&Save", "IDS_MENU_SAVE")}},
        {IDS_MENU_EXIT, {QT_TRANSLATE_NOOP3("Kivvo", "E&xit", "IDS_MENU_EXIT")}},
        {IDS_FILE_MENU, {QT_TRANSLATE_NOOP3("Kivvo", "&File", "IDS_FILE_MENU")}},
        {IDS_MENU_FILE_NEW, {QT_TRANSLATE_NOOP3("Kivvo", "&New", "IDS_MENU_FILE_NEW")}},
        {IDS_MENU_OPEN_RECENT,
         {QT_TRANSLATE_NOOP3("Kivvo", "Open &Recent", "IDS_MENU_OPEN_RECENT")}},
        {IDS_MENU_ROOT_RENAME, {QT_TRANSLATE_NOOP3("Kivvo", "&Rename", "IDS_MENU_ROOT_RENAME")}},
        {IDS_MENU_ROOT_ADD_GROUP,
         {QT_TRANSLATE_NOOP3("Kivvo", "Add &Group", "IDS_MENU_ROOT_ADD_GROUP")}},
        {IDS_MENU_ROOT_ADD_PERSON,
         {QT_TRANSLATE_NOOP3("Kivvo", "Add &Person", "IDS_MENU_ROOT_ADD_PERSON")}},
        {IDS_MENU_GROUP_RENAME,
         {QT_TRANSLATE_NOOP3("Kivvo", "&Rename Group", "IDS_MENU_GROUP_RENAME")}},
        {IDS_MENU_GROUP_ADD_PERSON,
         {QT_TRANSLATE_NOOP3("Kivvo", "&Add Person to Group", "IDS_MENU_GROUP_ADD_PERSON")}},
        {IDS_MENU_GROUP_DELETE,
         {QT_TRANSLATE_NOOP3("Kivvo", "&Delete Group", "IDS_MENU_GROUP_DELETE")}},
        {IDS_MENU_PERSON_RENAME,
         {QT_TRANSLATE_NOOP3("Kivvo", "&Rename Person", "IDS_MENU_PERSON_RENAME")}},
        {IDS_MENU_PERSON_DELETE,
         {QT_TRANSLATE_NOOP3("Kivvo", "&Delete Person", "IDS_MENU_PERSON_DELETE")}},
        {IDS_MENU_PERSON_SEND,
         {QT_TRANSLATE_NOOP3("Kivvo", "&Send email", "IDS_MENU_PERSON_SEND")}},
        {IDS_MENU_CONTEXT_PROPERTIES,
         {QT_TRANSLATE_NOOP3("Kivvo", "&Properties...", "IDS_MENU_CONTEXT_PROPERTIES")}},
        {IDS_TIP_DRAW_NAMES,
         {QT_TRANSLATE_NOOP3("Kivvo", "Draw names for the newest list\nDraw Names",
                             "IDS_TIP_DRAW_NAMES")}},

        {IDS_UNTITLED, {QT_TRANSLATE_NOOP3("Kivvo", "Untitled", "IDS_UNTITLED")}},
        {IDS_ASK_SAVE_CHANGES,
         {QT_TRANSLATE_NOOP3("Kivvo", "Save changes to %1?", "IDS_ASK_SAVE_CHANGES")}},
        {IDS_FILE_FILTER, {QT_TRANSLATE_NOOP3("Kivvo", "Kivvo (*.kv)", "IDS_FILE_FILTER")}},
        {IDS_DOCLIST_TITLE, {QT_TRANSLATE_NOOP3("Kivvo", "Kivvo Files", "IDS_DOCLIST_TITLE")}},
        {IDS_DOCLIST_ALL_FOLDERS,
         {QT_TRANSLATE_NOOP3("Kivvo", "All Folders", "IDS_DOCLIST_ALL_FOLDERS")}},
        {IDS_DOCLIST_NAME, {QT_TRANSLATE_NOOP3("Kivvo", "Name", "IDS_DOCLIST_NAME")}},
        {IDS_DOCLIST_FOLDER, {QT_TRANSLATE_NOOP3("Kivvo", "Folder", "IDS_DOCLIST_FOLDER")}},
        {IDS_DOCLIST_MODIFIED, {QT_TRANSLATE_NOOP3("Kivvo", "Modified", "IDS_DOCLIST_MODIFIED")}},
        {IDS_DOCLIST_NEW, {QT_TRANSLATE_NOOP3("Kivvo", "New", "IDS_DOCLIST_NEW")}},
        {IDS_DOCLIST_OPEN, {QT_TRANSLATE_NOOP3("Kivvo", "Open", "IDS_DOCLIST_OPEN")}},
        {IDS_DOCLIST_EMPTY,
         {QT_TRANSLATE_NOOP3("Kivvo", "No Kivvo documents in %1 yet. Choose New to start one.",
                             "IDS_DOCLIST_EMPTY")}},
        {IDS_WINDOW_TITLE, {QT_TRANSLATE_NOOP3("Kivvo", "%1[*] - Kivvo", "IDS_WINDOW_TITLE")}},

        {IDS_PROGRAM_VERSION, {QT_TRANSLATE_NOOP3("Kivvo", "%1 %2", "IDS_PROGRAM_VERSION")}},
        {IDS_GUI_DESCRIPTION,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "Kivvo organises a gift-exchange name draw. Without FILE it offers the Kivvo "
             "documents of your documents folder.",
             "IDS_GUI_DESCRIPTION")}},
        {IDS_GUI_FILE_ARGUMENT,
         {QT_TRANSLATE_NOOP3("Kivvo", "A Kivvo document (*.kv) to open.",
                             "IDS_GUI_FILE_ARGUMENT")}},
        {IDS_GUI_WRONG_ARGUMENTS,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo: %1; see kivvo --help", "IDS_GUI_WRONG_ARGUMENTS")}},
        {IDS_GUI_TOO_MANY_FILES,
         {QT_TRANSLATE_NOOP3("Kivvo", "only one document can be opened at a time",
                             "IDS_GUI_TOO_MANY_FILES")}},
        {IDS_OPTION_HELP,
         {QT_TRANSLATE_NOOP3("Kivvo", "Shows this help and ends.", "IDS_OPTION_HELP")}},
        {IDS_OPTION_VERSION,
         {QT_TRANSLATE_NOOP3("Kivvo", "Shows the version and ends.", "IDS_OPTION_VERSION")}},

        {IDS_TOO_MANY_LISTS,
         {QT_TRANSLATE_N_NOOP3(
              "Kivvo",
              "This document already holds %1 drawings, the most one document can keep.\r\n\r\n"
              "Nothing was copied. Start a new document for the next exchange.",
              "IDS_TOO_MANY_LISTS"),
          0}},
        {IDS_FILE_OPEN_ERROR,
         {QT_TRANSLATE_NOOP3("Kivvo", "Cannot open the file \"%1\":\r\n%2",
                             "IDS_FILE_OPEN_ERROR")}},
        {IDS_FILE_READ_ERROR,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Cannot read the file \"%1\":\r\n%2\r\n\r\nNothing was opened.",
                             "IDS_FILE_READ_ERROR")}},
        {IDS_FILE_SAVE_ERROR,
         {QT_TRANSLATE_NOOP3(
             "Kivvo", "Cannot save the file \"%1\":\r\n%2\r\n\r\nThe file on disk was not changed.",
             "IDS_FILE_SAVE_ERROR")}},
        {IDS_ERR_TRUNCATED,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "The file ends before the document is complete; it is damaged.",
                             "IDS_ERR_TRUNCATED")}},
        {IDS_ERR_NOT_KIVVO,
         {QT_TRANSLATE_NOOP3("Kivvo", "It is not a Kivvo document.", "IDS_ERR_NOT_KIVVO")}},
        {IDS_ERR_NO_LISTS,
         {QT_TRANSLATE_NOOP3("Kivvo", "The document holds no list; it is damaged.",
                             "IDS_ERR_NO_LISTS")}},
        {IDS_ERR_STRING_TOO_LONG,
         {QT_TRANSLATE_NOOP3("Kivvo", "A text is longer than the rest of the file; it is damaged.",
                             "IDS_ERR_STRING_TOO_LONG")}},
        {IDS_ERR_DEVICE, {QT_TRANSLATE_NOOP3("Kivvo", "%1", "IDS_ERR_DEVICE")}},

        {IDS_ERR_IS_FOLDER,
         {QT_TRANSLATE_NOOP3("Kivvo", "It is a folder, not a file.", "IDS_ERR_IS_FOLDER")}},
        {IDS_ERR_NOT_REGULAR,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "It is not an ordinary file (it is a pipe, a socket or a device).",
                             "IDS_ERR_NOT_REGULAR")}},
        {IDS_ERR_FILE_TOO_LARGE,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "The file is %1 bytes long, more than the %2 bytes any file "
                             "of this program may have; it was not read.",
                             "IDS_ERR_FILE_TOO_LARGE")}},
        {IDS_ERR_TEXT_TOO_LONG,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "A text is %1 characters long, more than the %2 characters a "
                             "name, address or other text may have.",
                             "IDS_ERR_TEXT_TOO_LONG")}},
        {IDS_SETTINGS_READ_ERROR,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Cannot read the settings file \"%1\":\r\n%2\r\n\r\n"
                             "The default settings are used; the file was not changed.",
                             "IDS_SETTINGS_READ_ERROR")}},
        {IDS_ASK_OVERWRITE_CHANGED,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "\"%1\" was changed on disk by another program since it was opened or last saved."
             "\r\n\r\nSave anyway and replace the other program's changes?",
             "IDS_ASK_OVERWRITE_CHANGED")}},
        {IDS_CLI_LOCKED,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "kivvo-cli: \"%1\" is being changed by another program (lock file "
                             "\"%2\"); nothing was changed. Try again later.",
                             "IDS_CLI_LOCKED")}},
        {IDS_CLI_LOCK_ERROR,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "kivvo-cli: cannot create the lock file \"%1\" beside the document: %2; nothing was "
             "changed.",
             "IDS_CLI_LOCK_ERROR")}},

        {IDS_CLI_USAGE,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "Usage: kivvo-cli COMMAND FILE [ARGUMENTS] [OPTIONS]\n"
             "       kivvo-cli --help | --version\n"
             "\n"
             "Commands:\n"
             "  new FILE                      a new document with one empty list named \"List\"\n"
             "  lists FILE                    the names of the document's drawings, newest first\n"
             "  report FILE [--list N] [--gift-to]\n"
             "                                the report of drawing N (0 = newest)\n"
             "  add FILE NAME [--group GROUP] [--address A] [--suggestions S]\n"
             "                                adds a person to the newest drawing\n"
             "  add-group FILE NAME           adds a group to the newest drawing\n"
             "  remove FILE NAME              removes the first person, else the first group, "
             "of that name\n"
             "  rename-list FILE NAME         renames the newest drawing\n"
             "  draw FILE [--yes]             draws names in the newest drawing and saves\n"
             "  check FILE                    whether the newest drawing can be drawn, and if "
             "not why\n"
             "  copy FILE [--yes]             copies the newest drawing for the next exchange and "
             "saves\n"
             "  exclude FILE GIVER RECIPIENT [--both] [--remove]\n"
             "                                GIVER never draws RECIPIENT in the newest drawing "
             "(--both:\n"
             "                                nor RECIPIENT GIVER); --remove lifts it again\n"
             "  rules FILE [--history N|all] [--no-mutual on|off] [--one-circle on|off]\n"
             "                                shows the rules and exclusions, or changes the "
             "rules\n"
             "  import FILE SOURCE [--group GROUP]\n"
             "                                adds the participants of a CSV or vCard file to the "
             "newest\n"
             "                                drawing; names it has already are left out\n"
             "  export FILE --csv OUT [--list N]\n"
             "                                writes the persons of drawing N as CSV, never the "
             "drawn names\n"
             "  set FILE PERSON [--name N] [--address A] [--suggestions S]\n"
             "                                changes a person of the newest drawing\n"
             "  move FILE PERSON (--group GROUP | --top)\n"
             "                                moves a person into a group, or out of it\n"
             "  notification FILE PERSON [--list N] [--language CODE]\n"
             "                                the e-mail text for a person of drawing N\n"
             "  send FILE [--yes] [--person NAME] [--language CODE]\n"
             "                                sends the notifications of the newest drawing, or "
             "one\n"
             "  cards FILE --pdf OUT.pdf [--person NAME] [--language CODE]\n"
             "                                paper cards of the newest drawing, four to an A4 "
             "page\n"
             "  details FILE [--date YYYY-MM-DD] [--budget T] [--place T] [--note T]\n"
             "                                shows the date, budget, place and note of the "
             "newest\n"
             "                                drawing, or changes them; an empty value clears one\n"
             "  config [--server H] [--port N] [--from A] [--user U] [--password [P]]\n"
             "         [--password-stdin] [--footer T]\n"
             "                                shows the mail settings, or changes them; "
             "--password\n"
             "                                without a value asks on the terminal\n"
             "  contacts [--lookup TEXT]      the address-book names read from the *.vcf files of "
             "the\n"
             "                                documents folder, or what TEXT resolves to\n"
             "\n"
             "Questions are answered Yes with --yes, asked on a terminal otherwise, and answered "
             "No\nwithout a terminal. E-mails and cards are in the language of --language CODE "
             "(en, de,\n"
             "es, fr, it, nl, pl, pt), else in the document's e-mail language, else in the "
             "locale's.\n"
             "Exit status: 0 success, 1 failure, 2 usage error.\n",
             "IDS_CLI_USAGE")}},
        {IDS_CLI_DESCRIPTION,
         {QT_TRANSLATE_NOOP3("Kivvo", "Kivvo gift-exchange name drawing, command-line tool",
                             "IDS_CLI_DESCRIPTION")}},
        {IDS_CLI_UNKNOWN_COMMAND,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: unknown command \"%1\"; see kivvo-cli --help",
                             "IDS_CLI_UNKNOWN_COMMAND")}},
        {IDS_CLI_WRONG_ARGUMENTS,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: %1; see kivvo-cli --help",
                             "IDS_CLI_WRONG_ARGUMENTS")}},
        {IDS_CLI_FILE_EXISTS,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: \"%1\" exists already; it is not overwritten",
                             "IDS_CLI_FILE_EXISTS")}},
        {IDS_CLI_NO_SUCH_LIST,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "kivvo-cli: the document has no drawing number %1 (it has %2)",
                             "IDS_CLI_NO_SUCH_LIST")}},
        {IDS_CLI_NO_SUCH_GROUP,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: the newest drawing has no group named \"%1\"",
                             "IDS_CLI_NO_SUCH_GROUP")}},
        {IDS_CLI_NO_SUCH_ENTRY,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "kivvo-cli: the newest drawing has no person or group named \"%1\"",
                             "IDS_CLI_NO_SUCH_ENTRY")}},
        {IDS_CLI_DRAW_UNAVAILABLE,
         {QT_TRANSLATE_NOOP3(
             "Kivvo", "kivvo-cli: Draw Names needs more than two persons in the newest drawing",
             "IDS_CLI_DRAW_UNAVAILABLE")}},
        {IDS_CLI_NOT_DRAWN,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: no names were drawn; the file was not changed",
                             "IDS_CLI_NOT_DRAWN")}},
        {IDS_CLI_DRAWN,
         {QT_TRANSLATE_N_NOOP3("Kivvo", "Names drawn for %1 persons; \"%2\" saved",
                               "IDS_CLI_DRAWN"),
          0}},
        {IDS_CLI_NOT_COPIED,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: nothing was copied; the file was not changed",
                             "IDS_CLI_NOT_COPIED")}},
        {IDS_CLI_COPIED,
         {QT_TRANSLATE_NOOP3("Kivvo", "\"%1\" added; \"%2\" saved", "IDS_CLI_COPIED")}},
        {IDS_CLI_QUESTION_SUFFIX,
         {QT_TRANSLATE_NOOP3("Kivvo", " [y/N] ", "IDS_CLI_QUESTION_SUFFIX")}},
        {IDS_CLI_BAD_NUMBER,
         {QT_TRANSLATE_NOOP3("Kivvo", "\"%1\" is not a number", "IDS_CLI_BAD_NUMBER")}},
        {IDS_CLI_REMOVED, {QT_TRANSLATE_NOOP3("Kivvo", "Removed \"%1\"", "IDS_CLI_REMOVED")}},
        {IDS_CLI_CREATED, {QT_TRANSLATE_NOOP3("Kivvo", "Created \"%1\"", "IDS_CLI_CREATED")}},
        {IDS_CLI_NO_SUCH_PERSON,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: drawing %1 has no person named \"%2\"",
                             "IDS_CLI_NO_SUCH_PERSON")}},
        {IDS_CLI_NO_ADDRESS,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: %1 has no e-mail address; nothing was sent",
                             "IDS_CLI_NO_ADDRESS")}},
        {IDS_CLI_NOT_SENT,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: not every notification was sent",
                             "IDS_CLI_NOT_SENT")}},
        {IDS_CLI_SETTINGS,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "server: %1\nport: %2\nfrom: %3\nuser: %4\npassword: %5\n"
                             "footer: %6\nsettings file: %7\n",
                             "IDS_CLI_SETTINGS")}},
        {IDS_CLI_SETTINGS_SAVED,
         {QT_TRANSLATE_NOOP3("Kivvo", "Settings saved to \"%1\"", "IDS_CLI_SETTINGS_SAVED")}},
        {IDS_CLI_SETTINGS_NOT_SAVED,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "kivvo-cli: the settings could not be saved to \"%1\": %2; the file was not changed",
             "IDS_CLI_SETTINGS_NOT_SAVED")}},
        {IDS_CLI_BAD_PORT,
         {QT_TRANSLATE_NOOP3("Kivvo", "the port must be a number from 1 to 65535, not \"%1\"",
                             "IDS_CLI_BAD_PORT")}},
        {IDS_CLI_LOOKUP,
         {QT_TRANSLATE_NOOP3("Kivvo", "address: %1\nfirst name: %2\nlast name: %3\n",
                             "IDS_CLI_LOOKUP")}},
        {IDS_CLI_NO_CONTACT,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: no address-book entry matches \"%1\"",
                             "IDS_CLI_NO_CONTACT")}},
        {IDS_DRAW_BLOCKED,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 can only give to %2.", "IDS_DRAW_BLOCKED")}},
        {IDS_DRAW_BLOCKED_NOBODY,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 cannot give to anybody.", "IDS_DRAW_BLOCKED_NOBODY")}},
        {IDS_DRAW_BLOCKING_RULES,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "\r\n\r\nWhat blocks them: %1. Change the groups or add "
                             "persons, then draw again.",
                             "IDS_DRAW_BLOCKING_RULES")}},
        {IDS_RULE_HIMSELF,
         {QT_TRANSLATE_NOOP3("Kivvo", "nobody draws himself", "IDS_RULE_HIMSELF")}},
        {IDS_RULE_OWN_GROUP,
         {QT_TRANSLATE_NOOP3("Kivvo", "nobody draws a person of his own group",
                             "IDS_RULE_OWN_GROUP")}},
        {IDS_RULE_LAST_TIME,
         {QT_TRANSLATE_NOOP3("Kivvo", "nobody draws the person he gave to last time",
                             "IDS_RULE_LAST_TIME")}},
        {IDS_RULES_SEPARATOR, {QT_TRANSLATE_NOOP3("Kivvo", "; ", "IDS_RULES_SEPARATOR")}},
        {IDS_NAMES_SEPARATOR, {QT_TRANSLATE_NOOP3("Kivvo", ", ", "IDS_NAMES_SEPARATOR")}},
        {IDS_NAMES_LAST, {QT_TRANSLATE_NOOP3("Kivvo", "%1 and %2", "IDS_NAMES_LAST")}},
        {IDS_NAMES_OTHERS,
         {QT_TRANSLATE_N_NOOP3("Kivvo", "%1 and %2 others", "IDS_NAMES_OTHERS"), 1}},
        {IDS_DRAWING_INVALID,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "The drawn names no longer match the list: %1.\r\n\r\nPlease "
                             "draw names again. Nothing has been shown or sent.",
                             "IDS_DRAWING_INVALID")}},
        {IDS_CHECK_NO_NAME,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 has no drawn name", "IDS_CHECK_NO_NAME")}},
        {IDS_CHECK_GONE,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1, drawn by %2, is no longer in the list",
                             "IDS_CHECK_GONE")}},
        {IDS_CHECK_AMBIGUOUS,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1, drawn by %2, is the name of more than one person",
                             "IDS_CHECK_AMBIGUOUS")}},
        {IDS_CHECK_TWICE,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 is drawn by both %2 and %3", "IDS_CHECK_TWICE")}},
        {IDS_CHECK_HIMSELF, {QT_TRANSLATE_NOOP3("Kivvo", "%1 drew himself", "IDS_CHECK_HIMSELF")}},
        {IDS_CHECK_OWN_GROUP,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 drew %2 of his own group", "IDS_CHECK_OWN_GROUP")}},
        {IDS_CHECK_LAST_TIME,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 drew %2, the person he gave to last time",
                             "IDS_CHECK_LAST_TIME")}},
        {IDS_CHECK_NAMELESS,
         {QT_TRANSLATE_NOOP3("Kivvo", "a person of the list has no name", "IDS_CHECK_NAMELESS")}},
        {IDS_CHECK_MORE, {QT_TRANSLATE_N_NOOP3("Kivvo", "and %1 more", "IDS_CHECK_MORE"), 0}},
        {IDS_CHECK_NOT_DRAWN,
         {QT_TRANSLATE_NOOP3("Kivvo", "no names have been drawn", "IDS_CHECK_NOT_DRAWN")}},
        {IDS_CLI_CAN_DRAW,
         {QT_TRANSLATE_NOOP3("Kivvo", "The newest drawing can be drawn.", "IDS_CLI_CAN_DRAW")}},
        {IDS_CLI_EMPTY_NAME,
         {QT_TRANSLATE_NOOP3("Kivvo", "a person's name cannot be empty", "IDS_CLI_EMPTY_NAME")}},
        {IDS_CLI_COPY_UNAVAILABLE,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "kivvo-cli: Copy for Next Exchange needs more than two persons in the newest drawing",
             "IDS_CLI_COPY_UNAVAILABLE")}},
        {IDS_RULE_HISTORY,
         {QT_TRANSLATE_N_NOOP3("Kivvo", "nobody draws a person he gave to in the last %1 exchanges",
                               "IDS_RULE_HISTORY"),
          0}},
        {IDS_RULE_EXCLUDED,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 never draws %2", "IDS_RULE_EXCLUDED")}},
        {IDS_RULE_NO_MUTUAL,
         {QT_TRANSLATE_NOOP3("Kivvo", "nobody draws the person who draws him",
                             "IDS_RULE_NO_MUTUAL")}},
        {IDS_RULE_ONE_CIRCLE,
         {QT_TRANSLATE_NOOP3("Kivvo", "the gifts go round in one single circle",
                             "IDS_RULE_ONE_CIRCLE")}},
        {IDS_DRAW_BLOCKING_RULES_EDIT,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "\r\n\r\nWhat blocks them: %1. Change the groups, the exclusions or the rules "
             "(Exchange > Rules), or add persons, then draw again.",
             "IDS_DRAW_BLOCKING_RULES_EDIT")}},
        {IDS_CHECK_EXCLUDED,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 drew %2, whom he never draws", "IDS_CHECK_EXCLUDED")}},
        {IDS_CHECK_HISTORY,
         {QT_TRANSLATE_N_NOOP3("Kivvo", "%1 drew %2, whom he gave to in the last %3 exchanges",
                               "IDS_CHECK_HISTORY"),
          2}},
        {IDS_CHECK_MUTUAL,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 and %2 draw each other", "IDS_CHECK_MUTUAL")}},
        {IDS_CHECK_NOT_ONE_CIRCLE,
         {QT_TRANSLATE_NOOP3("Kivvo", "the gifts do not go round in one single circle",
                             "IDS_CHECK_NOT_ONE_CIRCLE")}},
        {IDS_EXCLUSIONS_MORE,
         {QT_TRANSLATE_N_NOOP3("Kivvo", "%1 more exclusions", "IDS_EXCLUSIONS_MORE"), 0}},
        {IDS_DRAW_EACH_OTHER,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 can only give to each other.", "IDS_DRAW_EACH_OTHER")}},
        {IDS_DRAW_EACH_OTHER_NO_WAY,
         {QT_TRANSLATE_NOOP3(
             "Kivvo", "%1 can only give to each other, and no way of doing so keeps every rule.",
             "IDS_DRAW_EACH_OTHER_NO_WAY")}},
        {IDS_DRAW_NO_WAY,
         {QT_TRANSLATE_NOOP3("Kivvo", "No drawing of the whole list keeps every rule.",
                             "IDS_DRAW_NO_WAY")}},
        {IDS_DRAW_GAVE_UP,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "No drawing that keeps every rule was found, and it could not be proven that none "
             "exists: the list is too large or too tightly bound to be searched through. Draw "
             "again to try once more, or relax a rule (Exchange > Rules).",
             "IDS_DRAW_GAVE_UP")}},
        {IDS_ERR_EXT_FOREIGN,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "The file holds data after its lists that Kivvo did not write; it is damaged.",
             "IDS_ERR_EXT_FOREIGN")}},
        {IDS_ERR_EXT_NEWER,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "The file's rules and exclusions are in format %1, which a newer "
                             "version of Kivvo wrote; this version reads format %2.",
                             "IDS_ERR_EXT_NEWER")}},
        {IDS_ERR_EXT_DAMAGED,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "The file's rules and exclusions are damaged (in section %1).",
                             "IDS_ERR_EXT_DAMAGED")}},
        {IDS_NAME_EVERYBODY_FIRST,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "A person of the list has no name. Please name every person before drawing names: "
             "a person without a name can neither be drawn nor be told whom he drew.",
             "IDS_NAME_EVERYBODY_FIRST")}},
        {IDS_RULES_TITLE, {QT_TRANSLATE_NOOP3("Kivvo", "Rules of the Drawing", "IDS_RULES_TITLE")}},
        {IDS_RULES_HISTORY,
         {QT_TRANSLATE_NOOP3("Kivvo", "&Avoid the recipients of the last", "IDS_RULES_HISTORY")}},
        {IDS_RULES_HISTORY_SUFFIX,
         {QT_TRANSLATE_NOOP3("Kivvo", " exchanges", "IDS_RULES_HISTORY_SUFFIX")}},
        {IDS_RULES_HISTORY_SUFFIX_ONE,
         {QT_TRANSLATE_NOOP3("Kivvo", " exchange", "IDS_RULES_HISTORY_SUFFIX_ONE")}},
        {IDS_CSV_NOT_UTF8,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "it is not UTF-8 text; save it from the spreadsheet as CSV UTF-8",
                             "IDS_CSV_NOT_UTF8")}},
        {IDS_CSV_OPEN_QUOTE,
         {QT_TRANSLATE_NOOP3("Kivvo", "line %1 opens a quoted field that is never closed",
                             "IDS_CSV_OPEN_QUOTE")}},
        {IDS_IMPORT_UNREADABLE,
         {QT_TRANSLATE_NOOP3("Kivvo", "Cannot import participants from \"%1\": %2.",
                             "IDS_IMPORT_UNREADABLE")}},
        {IDS_IMPORT_TOO_MANY_FIELDS,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "line %1 has more than %2 fields (name, address, suggestions, group)",
                             "IDS_IMPORT_TOO_MANY_FIELDS")}},
        {IDS_IMPORT_TOO_LONG,
         {QT_TRANSLATE_NOOP3("Kivvo", "line %1 holds a text longer than any Kivvo keeps",
                             "IDS_IMPORT_TOO_LONG")}},
        {IDS_IMPORT_NO_NAME,
         {QT_TRANSLATE_NOOP3("Kivvo", "line %1 has no name", "IDS_IMPORT_NO_NAME")}},
        {IDS_IMPORT_DUPLICATES,
         {QT_TRANSLATE_NOOP3("Kivvo", "Already in the list, so not imported again: %1",
                             "IDS_IMPORT_DUPLICATES")}},
        {IDS_IMPORT_NOTHING,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: nobody new to import", "IDS_IMPORT_NOTHING")}},
        {IDS_IMPORT_DONE,
         {QT_TRANSLATE_N_NOOP3("Kivvo", "Imported %1 participants into \"%2\"", "IDS_IMPORT_DONE"),
          0}},
        {IDS_EXPORT_NEEDS_CSV,
         {QT_TRANSLATE_NOOP3("Kivvo", "export needs --csv OUT, the file to write",
                             "IDS_EXPORT_NEEDS_CSV")}},
        {IDS_EXPORT_FAILED,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: cannot write \"%1\": %2", "IDS_EXPORT_FAILED")}},
        {IDS_EXPORT_DONE,
         {QT_TRANSLATE_N_NOOP3("Kivvo", "%1 persons written to \"%2\"", "IDS_EXPORT_DONE"), 0}},
        {IDS_NAME_MADE_UNIQUE,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "The name \"%1\" is taken already in this list, so the person is named \"%2\".",
             "IDS_NAME_MADE_UNIQUE")}},
        {IDS_MOVE_NEEDS_TARGET,
         {QT_TRANSLATE_NOOP3("Kivvo", "move takes either --group GROUP or --top",
                             "IDS_MOVE_NEEDS_TARGET")}},
        {IDS_MOVED_TO_GROUP,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 moved into %2", "IDS_MOVED_TO_GROUP")}},
        {IDS_MOVED_TO_TOP,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 moved out of his group", "IDS_MOVED_TO_TOP")}},
        {IDS_RULES_HISTORY_NONE,
         {QT_TRANSLATE_NOOP3("Kivvo", "0 (none)", "IDS_RULES_HISTORY_NONE")}},
        {IDS_RULES_HISTORY_HELP,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "Nobody draws a person he gave a gift to in that many earlier exchanges of this "
             "document: 1 is last time only, 0 lets anybody draw the same person again.",
             "IDS_RULES_HISTORY_HELP")}},
        {IDS_RULES_NO_MUTUAL,
         {QT_TRANSLATE_NOOP3("Kivvo", "&No mutual pairs", "IDS_RULES_NO_MUTUAL")}},
        {IDS_RULES_NO_MUTUAL_HELP,
         {QT_TRANSLATE_NOOP3(
             "Kivvo", "Nobody draws the person who draws him: no two persons give to each other.",
             "IDS_RULES_NO_MUTUAL_HELP")}},
        {IDS_RULES_ONE_CIRCLE,
         {QT_TRANSLATE_NOOP3("Kivvo", "&One circle", "IDS_RULES_ONE_CIRCLE")}},
        {IDS_RULES_ONE_CIRCLE_HELP,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "The gifts go round in one single circle (Ann to Bob, Bob to Cid, ... and back to "
             "Ann), so that they can be handed on in one chain.",
             "IDS_RULES_ONE_CIRCLE_HELP")}},
        {IDS_RULES_EXCLUSIONS_HELP,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Who never draws whom is set for each person in his "
                             "properties (Never draws).",
                             "IDS_RULES_EXCLUSIONS_HELP")}},
        {IDS_MENU_RULES, {QT_TRANSLATE_NOOP3("Kivvo", "Ru&les...", "IDS_MENU_RULES")}},
        {IDS_PERSON_NEVER_DRAWS_LABEL,
         {QT_TRANSLATE_NOOP3("Kivvo", "Never draws (names, separated by commas):",
                             "IDS_PERSON_NEVER_DRAWS_LABEL")}},
        {IDS_PERSON_BOTH_WAYS,
         {QT_TRANSLATE_NOOP3("Kivvo", "&Both ways: they never draw him either",
                             "IDS_PERSON_BOTH_WAYS")}},
        {IDS_PERSON_UNKNOWN_NAME,
         {QT_TRANSLATE_NOOP3("Kivvo", "\"%1\" is nobody of this list.",
                             "IDS_PERSON_UNKNOWN_NAME")}},
        {IDS_PERSON_SELF_EXCLUDED,
         {QT_TRANSLATE_NOOP3("Kivvo", "Nobody draws himself anyway; leave out \"%1\".",
                             "IDS_PERSON_SELF_EXCLUDED")}},
        {IDS_TIP_HAS_EXCLUSIONS,
         {QT_TRANSLATE_NOOP3("Kivvo", "Never draws some persons of the list",
                             "IDS_TIP_HAS_EXCLUSIONS")}},
        {IDS_CLI_RULES,
         {QT_TRANSLATE_NOOP3("Kivvo", "history: %1\nno mutual pairs: %2\none circle: %3\n",
                             "IDS_CLI_RULES")}},
        {IDS_CLI_HISTORY_NONE,
         {QT_TRANSLATE_NOOP3("Kivvo", "0 (the recipients of earlier exchanges may be drawn again)",
                             "IDS_CLI_HISTORY_NONE")}},
        {IDS_CLI_HISTORY, {QT_TRANSLATE_NOOP3("Kivvo", "%1 (%2)", "IDS_CLI_HISTORY")}},
        {IDS_CLI_ON, {QT_TRANSLATE_NOOP3("Kivvo", "on", "IDS_CLI_ON")}},
        {IDS_CLI_OFF, {QT_TRANSLATE_NOOP3("Kivvo", "off", "IDS_CLI_OFF")}},
        {IDS_CLI_EXCLUSIONS_IN,
         {QT_TRANSLATE_NOOP3("Kivvo", "exclusions in \"%1\":\n", "IDS_CLI_EXCLUSIONS_IN")}},
        {IDS_CLI_NO_EXCLUSIONS,
         {QT_TRANSLATE_NOOP3("Kivvo", "no exclusions in \"%1\"\n", "IDS_CLI_NO_EXCLUSIONS")}},
        {IDS_CLI_EXCLUSION_REMOVED,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 may draw %2 again", "IDS_CLI_EXCLUSION_REMOVED")}},
        {IDS_CLI_NO_SUCH_EXCLUSION,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: %1 is not kept from drawing %2",
                             "IDS_CLI_NO_SUCH_EXCLUSION")}},
        {IDS_CLI_BAD_SWITCH,
         {QT_TRANSLATE_NOOP3("Kivvo", "--%1 takes on or off, not \"%2\"", "IDS_CLI_BAD_SWITCH")}},
        {IDS_CLI_BAD_HISTORY,
         {QT_TRANSLATE_NOOP3("Kivvo", "--history takes a number from 0 to %1, or all, not \"%2\"",
                             "IDS_CLI_BAD_HISTORY")}},
        {IDS_CLI_EXCLUSION_KNOWN,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: %1 already never draws %2",
                             "IDS_CLI_EXCLUSION_KNOWN")}},
        {IDS_DRAW_NAMELESS,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "A person of the list has no name; name every person, then draw "
                             "again.",
                             "IDS_DRAW_NAMELESS")}},

        {IDS_SMTP_NO_CONNECTION,
         {QT_TRANSLATE_NOOP3("Kivvo", "cannot connect to %1 port %2: %3",
                             "IDS_SMTP_NO_CONNECTION")}},
        {IDS_SMTP_NO_GREETING,
         {QT_TRANSLATE_NOOP3("Kivvo", "the server did not accept this program as a client: %1",
                             "IDS_SMTP_NO_GREETING")}},
        {IDS_SMTP_TLS_FAILED,
         {QT_TRANSLATE_NOOP3("Kivvo", "the encrypted connection (TLS) failed: %1",
                             "IDS_SMTP_TLS_FAILED")}},
        {IDS_SMTP_NO_TLS,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "the server offers no encryption (STARTTLS), and the password is only "
                             "ever sent encrypted",
                             "IDS_SMTP_NO_TLS")}},
        {IDS_SMTP_LOGIN_REFUSED,
         {QT_TRANSLATE_NOOP3(
             "Kivvo", "the server refused the login: %1; check the user name and the password",
             "IDS_SMTP_LOGIN_REFUSED")}},
        {IDS_SMTP_NO_LOGIN_METHOD,
         {QT_TRANSLATE_NOOP3(
             "Kivvo", "the server offers no login method this program knows (PLAIN or LOGIN)",
             "IDS_SMTP_NO_LOGIN_METHOD")}},
        {IDS_SMTP_LOGIN_REQUIRED,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "the server wants a login: %1; enter the user name and the password",
                             "IDS_SMTP_LOGIN_REQUIRED")}},
        {IDS_SMTP_SENDER_REFUSED,
         {QT_TRANSLATE_NOOP3("Kivvo", "the server refused the sender address %1: %2",
                             "IDS_SMTP_SENDER_REFUSED")}},
        {IDS_SMTP_RECIPIENT_REFUSED,
         {QT_TRANSLATE_NOOP3("Kivvo", "the server refused the address %1: %2",
                             "IDS_SMTP_RECIPIENT_REFUSED")}},
        {IDS_SMTP_MESSAGE_REFUSED,
         {QT_TRANSLATE_NOOP3("Kivvo", "the server refused the message: %1",
                             "IDS_SMTP_MESSAGE_REFUSED")}},
        {IDS_SMTP_TIMED_OUT,
         {QT_TRANSLATE_N_NOOP3("Kivvo", "the server did not answer within %1 seconds",
                               "IDS_SMTP_TIMED_OUT"),
          0}},
        {IDS_SMTP_UNCONFIRMED,
         {QT_TRANSLATE_N_NOOP3("Kivvo",
                               "the server did not confirm the message within %1 seconds; it "
                               "may have arrived, so it is not sent again",
                               "IDS_SMTP_UNCONFIRMED"),
          0}},
        {IDS_SMTP_LOST,
         {QT_TRANSLATE_NOOP3("Kivvo", "the server closed the connection", "IDS_SMTP_LOST")}},
        {IDS_SMTP_LOST_UNCONFIRMED,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "the server closed the connection before it confirmed the "
                             "message; it may have arrived, so it is not sent again",
                             "IDS_SMTP_LOST_UNCONFIRMED")}},
        {IDS_SMTP_CANCELLED,
         {QT_TRANSLATE_NOOP3("Kivvo", "sending was stopped", "IDS_SMTP_CANCELLED")}},
        {IDS_SMTP_BAD_ADDRESS,
         {QT_TRANSLATE_NOOP3("Kivvo", "\"%1\" is not an e-mail address", "IDS_SMTP_BAD_ADDRESS")}},
        {IDS_SMTP_NO_ADDRESS,
         {QT_TRANSLATE_NOOP3("Kivvo", "no e-mail address: \"%1\" is not in the address book",
                             "IDS_SMTP_NO_ADDRESS")}},
        {IDS_SEND_SKIPPED,
         {QT_TRANSLATE_NOOP3("Kivvo", "Skipped [%1]: no email address", "IDS_SEND_SKIPPED")}},
        {IDS_SEND_NOT_SENT,
         {QT_TRANSLATE_NOOP3("Kivvo", "Not sent to [%1] email address [%2]", "IDS_SEND_NOT_SENT")}},
        {IDS_SEND_LINE_REASON, {QT_TRANSLATE_NOOP3("Kivvo", "%1: %2", "IDS_SEND_LINE_REASON")}},
        {IDS_SENDER_ERROR,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "The mail server %1 refused the sender address.\r\n%2\r\n\r\nCorrect "
                             "the sender address (Settings > Configure, or kivvo-cli config). "
                             "Nothing more was sent.",
                             "IDS_SENDER_ERROR")}},
        {IDS_SEND_STOPPED,
         {QT_TRANSLATE_NOOP3("Kivvo", "Sending stopped; nothing more was sent.",
                             "IDS_SEND_STOPPED")}},
        {IDS_ASK_STOP_SENDING,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "E-mails are still being sent. Stop sending and close?\r\n\r\n"
                             "Whoever has not been sent his e-mail yet gets none.",
                             "IDS_ASK_STOP_SENDING")}},
        {IDS_SEND_TITLE, {QT_TRANSLATE_NOOP3("Kivvo", "Sending Emails", "IDS_SEND_TITLE")}},
        {IDS_SEND_CANCEL, {QT_TRANSLATE_NOOP3("Kivvo", "Cancel", "IDS_SEND_CANCEL")}},
        {IDS_SEND_RETRY,
         {QT_TRANSLATE_NOOP3("Kivvo", "Send again to those that failed", "IDS_SEND_RETRY")}},
        {IDS_SEND_CLOSE, {QT_TRANSLATE_NOOP3("Kivvo", "Close", "IDS_SEND_CLOSE")}},
        {IDS_SEND_RUNNING,
         {QT_TRANSLATE_NOOP3("Kivvo", "Sending %1 of %2...", "IDS_SEND_RUNNING")}},
        {IDS_SEND_CANCELLING,
         {QT_TRANSLATE_NOOP3("Kivvo", "Stopping after the message being sent...",
                             "IDS_SEND_CANCELLING")}},
        {IDS_SEND_WAITING, {QT_TRANSLATE_NOOP3("Kivvo", "%1: waiting", "IDS_SEND_WAITING")}},
        {IDS_CONTACTS_NOT_VCARD,
         {QT_TRANSLATE_NOOP3("Kivvo", "it is not a vCard file", "IDS_CONTACTS_NOT_VCARD")}},
        {IDS_SETTINGS_BAD_SERVER,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Enter the name of the mail server, such as smtp.example.org.",
                             "IDS_SETTINGS_BAD_SERVER")}},
        {IDS_SETTINGS_BAD_PORT,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "The port is a number from 1 to 65535, most often 587 or 465.",
                             "IDS_SETTINGS_BAD_PORT")}},
        {IDS_SETTINGS_BAD_FROM,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Enter one e-mail address, such as you@example.org or "
                             "Your Name <you@example.org>.",
                             "IDS_SETTINGS_BAD_FROM")}},
        {IDS_SETTINGS_TITLE, {QT_TRANSLATE_NOOP3("Kivvo", "Mail Settings", "IDS_SETTINGS_TITLE")}},
        {IDS_SETTINGS_SERVER,
         {QT_TRANSLATE_NOOP3("Kivvo", "Mail server (SMTP):", "IDS_SETTINGS_SERVER")}},
        {IDS_SETTINGS_PORT, {QT_TRANSLATE_NOOP3("Kivvo", "Port:", "IDS_SETTINGS_PORT")}},
        {IDS_SETTINGS_FROM, {QT_TRANSLATE_NOOP3("Kivvo", "Sender address:", "IDS_SETTINGS_FROM")}},
        {IDS_SETTINGS_USER, {QT_TRANSLATE_NOOP3("Kivvo", "User name:", "IDS_SETTINGS_USER")}},
        {IDS_SETTINGS_PASSWORD,
         {QT_TRANSLATE_NOOP3("Kivvo", "Password:", "IDS_SETTINGS_PASSWORD")}},
        {IDS_SETTINGS_SHOW_PASSWORD,
         {QT_TRANSLATE_NOOP3("Kivvo", "Show password", "IDS_SETTINGS_SHOW_PASSWORD")}},
        {IDS_SETTINGS_FOOTER,
         {QT_TRANSLATE_NOOP3("Kivvo", "Footer of every e-mail:", "IDS_SETTINGS_FOOTER")}},
        {IDS_SETTINGS_TEST, {QT_TRANSLATE_NOOP3("Kivvo", "Send test mail", "IDS_SETTINGS_TEST")}},
        {IDS_SETTINGS_TESTING,
         {QT_TRANSLATE_NOOP3("Kivvo", "Sending a test mail to %1...", "IDS_SETTINGS_TESTING")}},
        {IDS_SETTINGS_TEST_SENT,
         {QT_TRANSLATE_NOOP3("Kivvo", "A test mail was sent to %1.", "IDS_SETTINGS_TEST_SENT")}},
        {IDS_SETTINGS_TEST_FAILED,
         {QT_TRANSLATE_NOOP3("Kivvo", "The test mail could not be sent: %1",
                             "IDS_SETTINGS_TEST_FAILED")}},
        {IDS_TEST_MAIL_SUBJECT,
         {QT_TRANSLATE_NOOP3("Kivvo", "Kivvo test mail", "IDS_TEST_MAIL_SUBJECT")}},
        {IDS_TEST_MAIL_BODY,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "This test mail shows that Kivvo can send the name drawing's "
                             "e-mails with these settings.\r\n",
                             "IDS_TEST_MAIL_BODY")}},
        {IDS_SETTINGS_SAVE_ERROR,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Cannot save the settings file \"%1\":\r\n%2\r\n\r\nThe new "
                             "settings are used until the program ends.",
                             "IDS_SETTINGS_SAVE_ERROR")}},
        {IDS_PASSWORD_IN_KEYRING,
         {QT_TRANSLATE_NOOP3("Kivvo", "The password is kept in the desktop's keyring.",
                             "IDS_PASSWORD_IN_KEYRING")}},
        {IDS_PASSWORD_IN_FILE,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "No keyring is running: the password is kept in the settings "
                             "file %1, which only you can read.",
                             "IDS_PASSWORD_IN_FILE")}},
        {IDS_PASSWORD_NONE, {QT_TRANSLATE_NOOP3("Kivvo", "not set", "IDS_PASSWORD_NONE")}},
        {IDS_CLI_BAD_SETTING,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: --%1: %2 Nothing was saved.",
                             "IDS_CLI_BAD_SETTING")}},
        {IDS_CLI_PASSWORD_PROMPT,
         {QT_TRANSLATE_NOOP3("Kivvo", "Password: ", "IDS_CLI_PASSWORD_PROMPT")}},
        {IDS_CLI_NO_TERMINAL,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "--password without a value asks on a terminal; without one, give "
                             "it with --password-stdin",
                             "IDS_CLI_NO_TERMINAL")}},
        {IDS_CLI_PASSWORD_SET, {QT_TRANSLATE_NOOP3("Kivvo", "set", "IDS_CLI_PASSWORD_SET")}},
        {IDS_SMTP_STOPPED_UNCONFIRMED,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "sending was stopped before the server confirmed the "
                             "message; it may have arrived",
                             "IDS_SMTP_STOPPED_UNCONFIRMED")}},
        {IDS_SEND_STOP_NOW, {QT_TRANSLATE_NOOP3("Kivvo", "Stop now", "IDS_SEND_STOP_NOW")}},

        {IDS_SMTP_REPLY_TOO_LONG,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "the server's reply was longer than any mail server's (more than 4096 characters in a "
             "line, or more than 256 lines); the connection was closed",
             "IDS_SMTP_REPLY_TOO_LONG")}},
        {IDS_SMTP_TLS_INJECTION,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "the server sent more than its go-ahead for encryption (STARTTLS) before encryption "
             "began; somebody between this computer and the server may be tampering with the "
             "connection, so it was closed",
             "IDS_SMTP_TLS_INJECTION")}},
        {IDS_SMTP_TRY_LATER,
         {QT_TRANSLATE_NOOP3("Kivvo", "the server cannot take the message now: %1; try again later",
                             "IDS_SMTP_TRY_LATER")}},
        {IDS_SMTP_TOO_LONG_UNCONFIRMED,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "the server's confirmation of the message was longer than any mail server's; it may "
             "have arrived, so it is not sent again",
             "IDS_SMTP_TOO_LONG_UNCONFIRMED")}},
        {IDS_SEND_SERVER_SILENT,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "The mail server %1 stopped answering.\r\n%2\r\n\r\nNothing "
                             "more was sent. Try again later.",
                             "IDS_SEND_SERVER_SILENT")}},
        {IDS_SEND_SERVER_STOPPED,
         {QT_TRANSLATE_NOOP3("Kivvo", "not sent, since the mail server could not go on: %1",
                             "IDS_SEND_SERVER_STOPPED")}},
        {IDS_ASK_SEND_AGAIN,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "The e-mail to %1 (%2) may have arrived already: %3.\r\n\r\nSend it again anyway? "
             "If it did arrive, the recipient gets two copies.",
             "IDS_ASK_SEND_AGAIN")}},
        {IDS_CLI_PASSWORD_VISIBLE,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "kivvo-cli: warning: a password given as --password VALUE can be seen by other users "
             "in the process list; give it with --password-stdin instead, or with --password alone "
             "to be asked for it",
             "IDS_CLI_PASSWORD_VISIBLE")}},
        {IDS_SETTINGS_NOT_REPLACED,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "the settings file there cannot be read (%1); it is left as it is rather than "
             "replaced by settings that never saw what it holds. Make it readable or remove it, "
             "then try again",
             "IDS_SETTINGS_NOT_REPLACED")}},
        {IDS_DOC_LOCKED,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "\"%1\" is being changed by another program (lock file \"%2\"), so it was not saved. "
             "Try again in a moment.",
             "IDS_DOC_LOCKED")}},
        {IDS_LOCK_NOT_MADE,
         {QT_TRANSLATE_NOOP3("Kivvo", "cannot create the lock file \"%1\" beside it: %2",
                             "IDS_LOCK_NOT_MADE")}},
        {IDS_ERR_SAVE_TOO_LARGE,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "it would take %1 bytes, more than the %2 bytes of the largest file this program "
             "opens; nothing was written. Remove drawings or shorten texts, then save again",
             "IDS_ERR_SAVE_TOO_LARGE")}},
        {IDS_ERR_TOO_MANY_ENTRIES,
         {QT_TRANSLATE_NOOP3(
             "Kivvo", "it holds more than %1 persons and groups, more than this program opens",
             "IDS_ERR_TOO_MANY_ENTRIES")}},
        {IDS_ERR_FOLDER_SYNC,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "the file was written, but its folder could not be synced to disk: %1",
                             "IDS_ERR_FOLDER_SYNC")}},
        {IDS_KEYRING_WAITING,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "Waiting for the desktop's keyring: it asks for its password (to unlock it, or for a "
             "new keyring). Answer it to go on.",
             "IDS_KEYRING_WAITING")}},
        {IDS_KEYRING_SILENT,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "The desktop's keyring does not answer (%1). Kivvo goes on without it: the mail "
             "password is taken from and kept in the settings file %2, which only you can read.",
             "IDS_KEYRING_SILENT")}},
        {IDS_KEYRING_NO_ANSWER,
         {QT_TRANSLATE_N_NOOP3("Kivvo", "no answer within %1 seconds", "IDS_KEYRING_NO_ANSWER"),
          0}},
        {IDS_DRAWNAMES_TITLE,
         {QT_TRANSLATE_NOOP3("Kivvo", "Draw names — %1", "IDS_DRAWNAMES_TITLE")}},
        {IDS_SHOWNAMES_TITLE,
         {QT_TRANSLATE_NOOP3("Kivvo", "View notifications — %1", "IDS_SHOWNAMES_TITLE")}},
        {IDS_ASK_END_ROUND,
         {QT_TRANSLATE_N_NOOP3("Kivvo",
                               "%1 participants have not seen their name yet. End the round?",
                               "IDS_ASK_END_ROUND"),
          0}},
        {IDS_ASK_END_ROUND_ONE,
         {QT_TRANSLATE_NOOP3("Kivvo", "1 participant has not seen his name yet. End the round?",
                             "IDS_ASK_END_ROUND_ONE")}},
        {IDS_ASK_VIEW_NOTIFICATIONS,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "This shows every participant's drawn name to whoever is at the screen.\r\n\r\n"
             "Show the drawn names now?",
             "IDS_ASK_VIEW_NOTIFICATIONS")}},
        {IDS_ACC_PREVIOUS,
         {QT_TRANSLATE_NOOP3("Kivvo", "Previous participant", "IDS_ACC_PREVIOUS")}},
        {IDS_ACC_NEXT, {QT_TRANSLATE_NOOP3("Kivvo", "Next participant", "IDS_ACC_NEXT")}},
        {IDS_ACC_REVEALED_TEXT,
         {QT_TRANSLATE_NOOP3("Kivvo", "Drawn name", "IDS_ACC_REVEALED_TEXT")}},
        {IDS_ACC_DONE, {QT_TRANSLATE_NOOP3("Kivvo", "Done: hide the name again", "IDS_ACC_DONE")}},
        {IDS_ACC_END_ROUND,
         {QT_TRANSLATE_NOOP3("Kivvo", "OK: end the round", "IDS_ACC_END_ROUND")}},
        {IDS_ACC_NAME_HIDDEN, {QT_TRANSLATE_NOOP3("Kivvo", "hidden", "IDS_ACC_NAME_HIDDEN")}},
        {IDS_ASK_SEND_NEWEST,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "Send email now to all participants of the newest list, \"%1\", with email addresses "
             "entered.\r\n\r\nThe list shown, \"%2\", is an older one: its drawing is not sent.",
             "IDS_ASK_SEND_NEWEST")}},
        {IDS_ASK_SEND_ONE_NEWEST,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "Send %1 the name drawn in the newest list, \"%2\"?\r\n\r\nThe list shown, \"%3\", is "
             "an older one: its drawing is not sent.",
             "IDS_ASK_SEND_ONE_NEWEST")}},
        {IDS_NOT_IN_NEWEST,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 is not in the newest list, \"%2\"; nothing was sent.",
                             "IDS_NOT_IN_NEWEST")}},
        {IDS_BUSY_SENDING,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "The e-mails of the newest list are being sent. Wait until sending has ended, or "
             "cancel it, before you draw again or change the newest list.",
             "IDS_BUSY_SENDING")}},
        {IDS_RETRY_REDRAWN,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "The names have been drawn again since these e-mails were sent.\r\n\r\nSending again "
             "would mix two drawings. Send the new drawing to everybody with Send Emails.",
             "IDS_RETRY_REDRAWN")}},
        {IDS_NO_ADDRESS_NEWEST,
         {QT_TRANSLATE_NOOP3(
             "Kivvo", "%1 has no e-mail address in the newest list, \"%2\"; nothing was sent.",
             "IDS_NO_ADDRESS_NEWEST")}},
        {IDS_MENU_PRINT_CARDS,
         {QT_TRANSLATE_NOOP3("Kivvo", "Print &Cards...", "IDS_MENU_PRINT_CARDS")}},
        {IDS_CARD_FOR, {QT_TRANSLATE_NOOP3("Kivvo", "For %1", "IDS_CARD_FOR")}},
        {IDS_CARD_FOLD_HINT,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Fold the flap up along the dashed line. Open it only when you "
                             "are alone.",
                             "IDS_CARD_FOLD_HINT")}},
        {IDS_CARD_GIVES_TO,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 gives a gift to", "IDS_CARD_GIVES_TO")}},
        {IDS_CARD_SUGGESTIONS,
         {QT_TRANSLATE_NOOP3("Kivvo", "Suggestions: %1", "IDS_CARD_SUGGESTIONS")}},
        {IDS_CARD_FLAP, {QT_TRANSLATE_NOOP3("Kivvo", "fold up", "IDS_CARD_FLAP")}},
        {IDS_CARDS_WRITE_ERROR,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: cannot write the cards to \"%1\": %2",
                             "IDS_CARDS_WRITE_ERROR")}},
        {IDS_CARDS_PRINT_TITLE,
         {QT_TRANSLATE_NOOP3("Kivvo", "Print Cards — %1", "IDS_CARDS_PRINT_TITLE")}},
        {IDS_CLI_CARDS_WRITTEN,
         {QT_TRANSLATE_N_NOOP3("Kivvo", "%1 cards of \"%2\" written to \"%3\"",
                               "IDS_CLI_CARDS_WRITTEN"),
          0}},
        {IDS_CARDS_NOBODY,
         {QT_TRANSLATE_NOOP3("Kivvo", "The newest list has nobody to print a card for.",
                             "IDS_CARDS_NOBODY")}},
        {IDS_SEND_PRINT_SKIPPED,
         {QT_TRANSLATE_NOOP3("Kivvo", "Print cards for those without an address",
                             "IDS_SEND_PRINT_SKIPPED")}},
        {IDS_CARDS_PRINT_ERROR,
         {QT_TRANSLATE_NOOP3("Kivvo", "The cards could not be printed: %1",
                             "IDS_CARDS_PRINT_ERROR")}},
        {IDS_CARDS_NO_DEVICE,
         {QT_TRANSLATE_NOOP3("Kivvo", "the printer or the file could not be written",
                             "IDS_CARDS_NO_DEVICE")}},
        {IDS_CARDS_NO_PAGE,
         {QT_TRANSLATE_NOOP3("Kivvo", "a new page could not be started", "IDS_CARDS_NO_PAGE")}},
        {IDS_CARDS_DOC_NAME, {QT_TRANSLATE_NOOP3("Kivvo", "Cards %1", "IDS_CARDS_DOC_NAME")}},
        {IDS_CLI_CARD_WRITTEN,
         {QT_TRANSLATE_NOOP3("Kivvo", "1 card of \"%1\" written to \"%2\"",
                             "IDS_CLI_CARD_WRITTEN")}},
        {IDS_CARDS_PRINTED,
         {QT_TRANSLATE_N_NOOP3("Kivvo", "%1 cards sent to the printer.", "IDS_CARDS_PRINTED"), 0}},
        // 22500-22599
        {IDS_KEYRING_MODULE_MISSING,
         {QT_TRANSLATE_NOOP3("Kivvo", "The keyring support (%1) could not be loaded: %2",
                             "IDS_KEYRING_MODULE_MISSING")}},
        {IDS_MENU_UNDO, {QT_TRANSLATE_NOOP3("Kivvo", "&Undo", "IDS_MENU_UNDO")}},
        {IDS_MENU_REDO, {QT_TRANSLATE_NOOP3("Kivvo", "&Redo", "IDS_MENU_REDO")}},
        {IDS_MENU_UNDO_WHAT, {QT_TRANSLATE_NOOP3("Kivvo", "&Undo %1", "IDS_MENU_UNDO_WHAT")}},
        {IDS_MENU_REDO_WHAT, {QT_TRANSLATE_NOOP3("Kivvo", "&Redo %1", "IDS_MENU_REDO_WHAT")}},
        {IDS_EDIT_ADD_PERSON, {QT_TRANSLATE_NOOP3("Kivvo", "Add Person", "IDS_EDIT_ADD_PERSON")}},
        {IDS_EDIT_ADD_GROUP, {QT_TRANSLATE_NOOP3("Kivvo", "Add Group", "IDS_EDIT_ADD_GROUP")}},
        {IDS_EDIT_DELETE, {QT_TRANSLATE_NOOP3("Kivvo", "Delete", "IDS_EDIT_DELETE")}},
        {IDS_EDIT_RENAME, {QT_TRANSLATE_NOOP3("Kivvo", "Rename", "IDS_EDIT_RENAME")}},
        {IDS_EDIT_PROPERTIES,
         {QT_TRANSLATE_NOOP3("Kivvo", "Person Properties", "IDS_EDIT_PROPERTIES")}},
        {IDS_EDIT_MOVE, {QT_TRANSLATE_NOOP3("Kivvo", "Move to Group", "IDS_EDIT_MOVE")}},
        {IDS_EDIT_RULES, {QT_TRANSLATE_NOOP3("Kivvo", "Rules", "IDS_EDIT_RULES")}},
        {IDS_EDIT_DRAW, {QT_TRANSLATE_NOOP3("Kivvo", "Draw Names", "IDS_EDIT_DRAW")}},
        {IDS_EDIT_COPY, {QT_TRANSLATE_NOOP3("Kivvo", "Copy for Next Exchange", "IDS_EDIT_COPY")}},
        {IDS_EDIT_IMPORT, {QT_TRANSLATE_NOOP3("Kivvo", "Import Participants", "IDS_EDIT_IMPORT")}},
        {IDS_MENU_MOVE_TO_GROUP,
         {QT_TRANSLATE_NOOP3("Kivvo", "&Move to Group", "IDS_MENU_MOVE_TO_GROUP")}},
        {IDS_MENU_NO_GROUP, {QT_TRANSLATE_NOOP3("Kivvo", "No group", "IDS_MENU_NO_GROUP")}},
        {IDS_HISTORY_NOTE,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "%1 — a past exchange; its drawing keeps anyone from drawing "
                             "the same person again. Only its name can be changed.",
                             "IDS_HISTORY_NOTE")}},
        {IDS_TIP_NO_ADDRESS,
         {QT_TRANSLATE_NOOP3("Kivvo", "No e-mail address: %1 will get no e-mail.",
                             "IDS_TIP_NO_ADDRESS")}},
        {IDS_MENU_IMPORT,
         {QT_TRANSLATE_NOOP3("Kivvo", "&Import Participants...", "IDS_MENU_IMPORT")}},
        {IDS_IMPORT_FILTER,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "Participants (*.csv *.vcf *.vcard);;CSV files (*.csv);;vCard files (*.vcf *.vcard);;"
             "All files (*)",
             "IDS_IMPORT_FILTER")}},
        {IDS_IMPORT_TITLE,
         {QT_TRANSLATE_NOOP3("Kivvo", "Import Participants — %1", "IDS_IMPORT_TITLE")}},
        {IDS_IMPORT_TO_ADD,
         {QT_TRANSLATE_N_NOOP3("Kivvo", "%1 persons will be added to \"%2\":", "IDS_IMPORT_TO_ADD"),
          0}},
        {IDS_IMPORT_LEFT_OUT,
         {QT_TRANSLATE_NOOP3("Kivvo", "Already in the list, so left out: %1",
                             "IDS_IMPORT_LEFT_OUT")}},
        {IDS_IMPORT_FAILED,
         {QT_TRANSLATE_NOOP3("Kivvo", "Nothing will be imported. %1", "IDS_IMPORT_FAILED")}},
        {IDS_IMPORT_NOBODY_NEW,
         {QT_TRANSLATE_NOOP3("Kivvo", "Everybody in the file is in \"%1\" already: nobody to add.",
                             "IDS_IMPORT_NOBODY_NEW")}},
        {IDS_IMPORT_COL_NAME, {QT_TRANSLATE_NOOP3("Kivvo", "Name", "IDS_IMPORT_COL_NAME")}},
        {IDS_IMPORT_COL_ADDRESS,
         {QT_TRANSLATE_NOOP3("Kivvo", "Address", "IDS_IMPORT_COL_ADDRESS")}},
        {IDS_IMPORT_COL_GROUP, {QT_TRANSLATE_NOOP3("Kivvo", "Group", "IDS_IMPORT_COL_GROUP")}},
        {IDS_IMPORT_TO_ADD_ONE,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "1 person will be added to \"%1\":", "IDS_IMPORT_TO_ADD_ONE")}},
        {IDS_NOTE_PREVIOUS_NOT_QUOTED,
         {QT_TRANSLATE_N_NOOP3(
              "Kivvo",
              "The list of who gave a gift to whom in the previous exchange (%1 persons) is too "
              "long to quote in every e-mail; the organiser has it.\r\n",
              "IDS_NOTE_PREVIOUS_NOT_QUOTED"),
          0}},
        {IDS_NOTE_CURRENT_NOT_QUOTED,
         {QT_TRANSLATE_N_NOOP3(
              "Kivvo",
              "\r\nThe current list of names (%1 persons) is too long to quote in every e-mail; "
              "the organiser has it.\r\n",
              "IDS_NOTE_CURRENT_NOT_QUOTED"),
          0}},
        {IDS_NOTE_DRAWN_NAME_LISTS_KEPT,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "\r\n\r\n\r\nThe name randomly drawn for %1 to give a gift to is %2.\r\n\r\nThe "
             "lists of this circle are too long to quote in every e-mail: ask the organiser if "
             "you want to see them.\r\n\r\nThank you.\r\n\r\n",
             "IDS_NOTE_DRAWN_NAME_LISTS_KEPT")}},
        {IDS_MAIL_NOT_SET_UP,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Mail is not set up yet, so no e-mail was sent. Enter your mail "
                             "server and your address in Settings > Configure first.",
                             "IDS_MAIL_NOT_SET_UP")}},
        {IDS_CLI_MAIL_NOT_SET_UP,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "kivvo-cli: mail is not set up yet (%1); nothing was sent. Set it up first with\n"
             "  kivvo-cli config --server HOST --from ADDRESS [--user NAME --password]",
             "IDS_CLI_MAIL_NOT_SET_UP")}},
        {IDS_SETTINGS_NOT_SET_UP,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Mail is not set up yet. Enter the outgoing mail server of "
                             "your mail provider and your own address: the e-mails are "
                             "sent from it.",
                             "IDS_SETTINGS_NOT_SET_UP")}},
        {IDS_SETTINGS_SERVER_HINT,
         {QT_TRANSLATE_NOOP3("Kivvo", "smtp.example.org", "IDS_SETTINGS_SERVER_HINT")}},
        {IDS_SETTINGS_FROM_HINT,
         {QT_TRANSLATE_NOOP3("Kivvo", "Your Name <you@example.org>", "IDS_SETTINGS_FROM_HINT")}},
        {IDS_SETTINGS_USER_HINT,
         {QT_TRANSLATE_NOOP3("Kivvo", "you@example.org — empty: no login",
                             "IDS_SETTINGS_USER_HINT")}},
        {IDS_SETTINGS_FOOTER_HINT,
         {QT_TRANSLATE_NOOP3("Kivvo", "A last line for every e-mail, such as: From the Smiths",
                             "IDS_SETTINGS_FOOTER_HINT")}},
        {IDS_CLI_NOT_SET, {QT_TRANSLATE_NOOP3("Kivvo", "(not set)", "IDS_CLI_NOT_SET")}},
        {IDS_CLI_MAIL_STILL_NOT_SET_UP,
         {QT_TRANSLATE_NOOP3(
             "Kivvo", "Mail is not set up yet: %1 still to be set before e-mails can be sent.",
             "IDS_CLI_MAIL_STILL_NOT_SET_UP")}},
        {IDS_ASK_DELETE_GROUP,
         {QT_TRANSLATE_N_NOOP3("Kivvo", "Delete the group %1 with its %2 persons?",
                               "IDS_ASK_DELETE_GROUP"),
          1}},
        {IDS_ASK_DELETE_GROUP_ONE,
         {QT_TRANSLATE_NOOP3("Kivvo", "Delete the group %1 with its one person?",
                             "IDS_ASK_DELETE_GROUP_ONE")}},
        {IDS_ADDRESS_NOT_PLAUSIBLE,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "Neither an e-mail address (such as ann@example.org) nor a name from your address "
             "book: no e-mail can be sent to it.",
             "IDS_ADDRESS_NOT_PLAUSIBLE")}},
        {IDS_CLI_ADDRESS_NOT_PLAUSIBLE,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "kivvo-cli: warning: \"%1\" is neither an e-mail address nor a name from the "
             "address book; no e-mail can be sent to it",
             "IDS_CLI_ADDRESS_NOT_PLAUSIBLE")}},
        {IDS_MENU_DETAILS, {QT_TRANSLATE_NOOP3("Kivvo", "De&tails...", "IDS_MENU_DETAILS")}},
        {IDS_DETAILS_TITLE,
         {QT_TRANSLATE_NOOP3("Kivvo", "Exchange Details — %1", "IDS_DETAILS_TITLE")}},
        {IDS_DETAILS_INTRO,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "What every e-mail and card of this exchange tells the participants. "
                             "Leave empty what does not apply.",
                             "IDS_DETAILS_INTRO")}},
        {IDS_DETAILS_HAS_DATE, {QT_TRANSLATE_NOOP3("Kivvo", "&Date:", "IDS_DETAILS_HAS_DATE")}},
        {IDS_DETAILS_BUDGET, {QT_TRANSLATE_NOOP3("Kivvo", "&Budget:", "IDS_DETAILS_BUDGET")}},
        {IDS_DETAILS_PLACE, {QT_TRANSLATE_NOOP3("Kivvo", "&Place:", "IDS_DETAILS_PLACE")}},
        {IDS_DETAILS_NOTE, {QT_TRANSLATE_NOOP3("Kivvo", "&Note:", "IDS_DETAILS_NOTE")}},
        {IDS_DETAILS_BUDGET_HINT,
         {QT_TRANSLATE_NOOP3("Kivvo", "such as 25 €", "IDS_DETAILS_BUDGET_HINT")}},
        {IDS_DETAILS_PAST,
         {QT_TRANSLATE_NOOP3("Kivvo", "A past exchange: its details can no longer be changed.",
                             "IDS_DETAILS_PAST")}},
        {IDS_EDIT_DETAILS, {QT_TRANSLATE_NOOP3("Kivvo", "Exchange Details", "IDS_EDIT_DETAILS")}},
        {IDS_DETAIL_DATE, {QT_TRANSLATE_NOOP3("Kivvo", "Date: %1", "IDS_DETAIL_DATE")}},
        {IDS_DETAIL_BUDGET, {QT_TRANSLATE_NOOP3("Kivvo", "Budget: %1", "IDS_DETAIL_BUDGET")}},
        {IDS_DETAIL_PLACE, {QT_TRANSLATE_NOOP3("Kivvo", "Place: %1", "IDS_DETAIL_PLACE")}},
        {IDS_DETAIL_NOTE, {QT_TRANSLATE_NOOP3("Kivvo", "Note: %1", "IDS_DETAIL_NOTE")}},
        {IDS_DETAIL_DATE_FORMAT,
         {QT_TRANSLATE_NOOP3("Kivvo", "d MMMM yyyy", "IDS_DETAIL_DATE_FORMAT")}},
        {IDS_NOTE_DRAWN_NAME_ONLY,
         {QT_TRANSLATE_NOOP3(
             "Kivvo", "\r\n\r\n\r\nThe name randomly drawn for %1 to give a gift to is %2.\r\n\r\n",
             "IDS_NOTE_DRAWN_NAME_ONLY")}},
        {IDS_NOTE_THANKS,
         {QT_TRANSLATE_NOOP3("Kivvo", "\r\nThank you.\r\n\r\n", "IDS_NOTE_THANKS")}},
        {IDS_NOTE_LISTS_KEPT_THANKS,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "\r\nThe lists of this circle are too long to quote in every e-mail: "
                             "ask the organiser if you want to see them.\r\n\r\nThank you.\r\n\r\n",
                             "IDS_NOTE_LISTS_KEPT_THANKS")}},
        {IDS_SUBJECT_WITH_DATE, {QT_TRANSLATE_NOOP3("Kivvo", "%1 — %2", "IDS_SUBJECT_WITH_DATE")}},
        {IDS_CLI_DETAILS,
         {QT_TRANSLATE_NOOP3("Kivvo", "date: %1\nbudget: %2\nplace: %3\nnote: %4",
                             "IDS_CLI_DETAILS")}},
        {IDS_CLI_DETAILS_SAVED,
         {QT_TRANSLATE_NOOP3("Kivvo", "Details of \"%1\" saved", "IDS_CLI_DETAILS_SAVED")}},
        {IDS_CLI_BAD_DATE,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "--date takes a date as YYYY-MM-DD, or an empty value to clear it, not \"%1\"",
             "IDS_CLI_BAD_DATE")}},
        {IDS_CLI_BAD_LANGUAGE,
         {QT_TRANSLATE_NOOP3("Kivvo", "--language takes one of %1, not \"%2\"",
                             "IDS_CLI_BAD_LANGUAGE")}},
        {IDS_SETTINGS_MAIL_LANGUAGE,
         {QT_TRANSLATE_NOOP3("Kivvo", "E-mail &language:", "IDS_SETTINGS_MAIL_LANGUAGE")}},
        {IDS_SETTINGS_LANGUAGE_DESKTOP,
         {QT_TRANSLATE_NOOP3("Kivvo", "As the desktop (%1)", "IDS_SETTINGS_LANGUAGE_DESKTOP")}},
        {IDS_SETTINGS_LANGUAGE_HELP,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "The language of the e-mails and paper cards of this document only; "
                             "the program itself follows the desktop.",
                             "IDS_SETTINGS_LANGUAGE_HELP")}},
        {IDS_EDIT_MAIL_LANGUAGE,
         {QT_TRANSLATE_NOOP3("Kivvo", "E-mail Language", "IDS_EDIT_MAIL_LANGUAGE")}},
        {IDS_CLI_TAKES_NOTHING,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 takes no arguments besides options",
                             "IDS_CLI_TAKES_NOTHING")}},
        {IDS_CLI_TAKES, {QT_TRANSLATE_NOOP3("Kivvo", "%1 takes %2", "IDS_CLI_TAKES")}},
        {IDS_CLI_NO_SUCH_OPTION,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 does not take --%2", "IDS_CLI_NO_SUCH_OPTION")}},
        {IDS_CLI_CARDS_NEED_PDF,
         {QT_TRANSLATE_NOOP3("Kivvo", "cards needs --pdf OUT.pdf", "IDS_CLI_CARDS_NEED_PDF")}},
        {IDS_PROMPT_DETAILS,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "Date, budget, place and a note for the e-mails and cards of this exchange\nDetails",
             "IDS_PROMPT_DETAILS")}},
        {IDS_ERR_DETAILS_DATE,
         {QT_TRANSLATE_NOOP3("Kivvo", "The date of an exchange is damaged.",
                             "IDS_ERR_DETAILS_DATE")}},
        // 25500-25599
        {IDS_MAIL_MODULE_MISSING,
         {QT_TRANSLATE_NOOP3("Kivvo", "The mail support (%1) could not be loaded: %2",
                             "IDS_MAIL_MODULE_MISSING")}},
        {IDS_SEND_NO_MAIL_SUPPORT,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "No e-mail could be sent through %1.\r\n%2\r\n\r\nThis "
                             "installation of Kivvo is incomplete: installing it again brings "
                             "the mail support back.",
                             "IDS_SEND_NO_MAIL_SUPPORT")}},
        {IDS_DRAWING_NONE,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "No names have been drawn in this list yet.\r\n\r\nDraw names "
                             "first. Nothing has been shown or sent.",
                             "IDS_DRAWING_NONE")}},
        // Each language by its own name, the same in every language.
        {IDS_LANGUAGE_NAME_EN, {QT_TRANSLATE_NOOP3("Kivvo", "English", "IDS_LANGUAGE_NAME_EN")}},
        {IDS_LANGUAGE_NAME_DE, {QT_TRANSLATE_NOOP3("Kivvo", "Deutsch", "IDS_LANGUAGE_NAME_DE")}},
        {IDS_LANGUAGE_NAME_ES, {QT_TRANSLATE_NOOP3("Kivvo", "Español", "IDS_LANGUAGE_NAME_ES")}},
        {IDS_LANGUAGE_NAME_FR, {QT_TRANSLATE_NOOP3("Kivvo", "Français", "IDS_LANGUAGE_NAME_FR")}},
        {IDS_LANGUAGE_NAME_IT, {QT_TRANSLATE_NOOP3("Kivvo", "Italiano", "IDS_LANGUAGE_NAME_IT")}},
        {IDS_LANGUAGE_NAME_NL, {QT_TRANSLATE_NOOP3("Kivvo", "Nederlands", "IDS_LANGUAGE_NAME_NL")}},
        {IDS_LANGUAGE_NAME_PL, {QT_TRANSLATE_NOOP3("Kivvo", "Polski", "IDS_LANGUAGE_NAME_PL")}},
        {IDS_LANGUAGE_NAME_PT, {QT_TRANSLATE_NOOP3("Kivvo", "Português", "IDS_LANGUAGE_NAME_PT")}},
    };
    return table;
}

const SEntry* Find(int nId)
{
    const auto& table = Table();
    const auto it = table.find(nId);
    return it == table.end() ? nullptr : &it->second;
}

QString Translate(const SEntry& entry, const QTranslator* pLanguage, int nCount)
{
    const STextSource& text = entry.m_text;
    if (pLanguage) {
        const QString strText =
            pLanguage->translate(kTextContext, text.m_pszSource, text.m_pszKey, nCount);
        return strText.isEmpty() ? QString::fromUtf8(text.m_pszSource) : strText;
    }
    return QString::fromUtf8(text.m_pszSource);
}

int CountOf(const SEntry& entry, std::initializer_list<QVariant> args)
{
    if (entry.m_nCountArgument < 0 || entry.m_nCountArgument >= int(args.size()))
        return -1;
    const qlonglong nCount = std::data(args)[entry.m_nCountArgument].toLongLong();
    return int(std::clamp<qlonglong>(nCount, 0, std::numeric_limits<int>::max()));
}

} // namespace

QString CStringTable::Load(int nId)
{
    return Load(nId, -1);
}

QString CStringTable::Load(int nId, int nCount)
{
    const SEntry* pEntry = Find(nId);
    if (!pEntry)
        return QString();
    return QCoreApplication::translate(kTextContext, pEntry->m_text.m_pszSource,
                                       pEntry->m_text.m_pszKey, nCount);
}

QString CStringTable::LoadIn(const QTranslator* pLanguage, int nId, int nCount)
{
    const SEntry* pEntry = Find(nId);
    return pEntry ? Translate(*pEntry, pLanguage, nCount) : QString();
}

QString CStringTable::Format(int nId, std::initializer_list<QVariant> args)
{
    const SEntry* pEntry = Find(nId);
    return pEntry ? FormatText(Load(nId, CountOf(*pEntry, args)), args) : QString();
}

QString CStringTable::FormatIn(const QTranslator* pLanguage, int nId,
                               std::initializer_list<QVariant> args)
{
    const SEntry* pEntry = Find(nId);
    return pEntry ? FormatText(Translate(*pEntry, pLanguage, CountOf(*pEntry, args)), args)
                  : QString();
}

QString CStringTable::Source(int nId)
{
    const SEntry* pEntry = Find(nId);
    return pEntry ? QString::fromUtf8(pEntry->m_text.m_pszSource) : QString();
}

QString CStringTable::FormatText(const QString& strFormat, std::initializer_list<QVariant> args)
{
    // One pass: an argument's own text is never read for markers.
    QString strResult;
    strResult.reserve(strFormat.size() + 32);
    for (qsizetype i = 0; i < strFormat.size(); ++i) {
        const QChar ch = strFormat.at(i);
        const int nArg = i + 1 < strFormat.size() ? strFormat.at(i + 1).digitValue() : -1;
        if (ch != u'%' || nArg < 1 || nArg > int(args.size())) {
            strResult += ch;
            continue;
        }
        const QVariant& arg = std::data(args)[nArg - 1];
        const bool bNumber =
            arg.typeId() == QMetaType::Int || arg.typeId() == QMetaType::LongLong ||
            arg.typeId() == QMetaType::UInt || arg.typeId() == QMetaType::ULongLong;
        strResult += bNumber ? QString::number(arg.toLongLong()) : arg.toString();
        ++i;
    }
    return strResult;
}
