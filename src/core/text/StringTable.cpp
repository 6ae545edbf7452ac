#include "text/StringTable.h"

#include "text/Resource.h"

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
        //: Summary of the sending window and of kivvo-cli send.
        //: %1: how many e-mails were sent; %2: the number of participants
        {IDS_SENT_SUMMARY,
         {QT_TRANSLATE_N_NOOP3("Kivvo", "Sent emails to %1 out of %2 participants",
                               "IDS_SENT_SUMMARY"),
          1}},
        //: Line of the sending window and of kivvo-cli send for a failed e-mail.
        //: %1: the participant's name; %2: his e-mail address
        {IDS_SEND_ERROR,
         {QT_TRANSLATE_NOOP3("Kivvo", "Error sending to [%1] email address [%2]",
                             "IDS_SEND_ERROR")}},
        //: Line of the sending window and of kivvo-cli send (the line break becomes a comma).
        //: %1: the participant's name; %2: his e-mail address
        {IDS_EMAIL_SENT,
         {QT_TRANSLATE_NOOP3("Kivvo", "Email sent to: %1\r\naddress: %2", "IDS_EMAIL_SENT")}},
        //: Shown in the sending window and by kivvo-cli send when no connection comes about.
        //: %1: the mail server as host:port; %2: the reason
        {IDS_LOGON_ERROR,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "The mail server %1 could not be reached or refused the login.\r\n%2"
                             "\r\n\r\nCheck the mail settings (Settings > Configure, or "
                             "kivvo-cli config).",
                             "IDS_LOGON_ERROR")}},
        //: Message box and kivvo-cli message when names cannot be drawn.
        //: %1: why, one or more sentences
        {IDS_DRAWING_ERROR,
         {QT_TRANSLATE_NOOP3("Kivvo", "No drawing was found for this list.\r\n\r\n%1",
                             "IDS_DRAWING_ERROR")}},
        //: Warning when an address book (*.vcf) is no vCard file.
        //: %1: the address book's file path; %2: the reason
        {IDS_CONTACTS_LOGIN_ERROR,
         {QT_TRANSLATE_NOOP3("Kivvo", "The address book %1 cannot be read: %2",
                             "IDS_CONTACTS_LOGIN_ERROR")}},
        //: Warning when an address book (*.vcf) cannot be read.
        //: %1: the address book's file path; %2: the system's reason
        {IDS_CONTACTS_CLSID_ERROR,
         {QT_TRANSLATE_NOOP3("Kivvo", "The address book %1 cannot be read: %2",
                             "IDS_CONTACTS_CLSID_ERROR")}},
        //: Warning when an address book (*.vcf) cannot be opened.
        //: %1: the address book's file path; %2: the system's reason
        {IDS_CONTACTS_CREATE_ERROR,
         {QT_TRANSLATE_NOOP3("Kivvo", "The address book %1 cannot be opened: %2",
                             "IDS_CONTACTS_CREATE_ERROR")}},

        {IDS_NEW_LIST_NAME, {QT_TRANSLATE_NOOP3("Kivvo", "List", "IDS_NEW_LIST_NAME")}},
        {IDS_NEW_GROUP_NAME, {QT_TRANSLATE_NOOP3("Kivvo", "New Group", "IDS_NEW_GROUP_NAME")}},
        {IDS_NEW_PERSON_NAME, {QT_TRANSLATE_NOOP3("Kivvo", "Person", "IDS_NEW_PERSON_NAME")}},
        {IDS_COPY_SUFFIX, {QT_TRANSLATE_NOOP3("Kivvo", " New Copy", "IDS_COPY_SUFFIX")}},
        //: A person's name made unique with an initial.
        //: %1: the first name; %2: the first letter of the last name
        {IDS_UNIQUE_WITH_INITIAL,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 %2", "IDS_UNIQUE_WITH_INITIAL")}},
        //: A person's name made unique with a number.
        //: %1: the name; %2: the number
        {IDS_UNIQUE_WITH_NUMBER, {QT_TRANSLATE_NOOP3("Kivvo", "%1%2", "IDS_UNIQUE_WITH_NUMBER")}},

        {IDS_REPORT_GIFT_ARROW, {QT_TRANSLATE_NOOP3("Kivvo", " --> ", "IDS_REPORT_GIFT_ARROW")}},
        {IDS_REPORT_GROUP_MARK, {QT_TRANSLATE_NOOP3("Kivvo", "***", "IDS_REPORT_GROUP_MARK")}},
        {IDS_REPORT_MEMBER_INDENT,
         {QT_TRANSLATE_NOOP3("Kivvo", "   ", "IDS_REPORT_MEMBER_INDENT")}},
        {IDS_REPORT_LINE_END, {QT_TRANSLATE_NOOP3("Kivvo", "\r\n", "IDS_REPORT_LINE_END")}},

        //: Start of the notification e-mail.
        //: %1: the participant's name
        {IDS_NOTE_GREETING,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Hi %1!\r\n\r\nThis is your automatic kivvo name drawing "
                             "message\r\n\r\n",
                             "IDS_NOTE_GREETING")}},
        //: Notification e-mail.
        //: %1: the participant's name
        {IDS_NOTE_PRIVACY,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "This message is for %1 only.\r\nPlease do not read further if "
                             "you are not the designated person.\r\n\r\n",
                             "IDS_NOTE_PRIVACY")}},
        //: Notification e-mail.
        //: %1: the name the participant drew in the previous exchange
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
        //: Notification e-mail.
        //: %1: the participant's name; %2: the name he drew
        {IDS_NOTE_DRAWN_NAME,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "\r\n\r\n\r\nThe name randomly drawn for %1 to give a gift to "
                             "is %2.\r\n\r\nThank you.\r\n\r\n",
                             "IDS_NOTE_DRAWN_NAME")}},
        //: Notification e-mail.
        //: %1: the gift suggestions of the drawn person
        {IDS_NOTE_SUGGESTIONS,
         {QT_TRANSLATE_NOOP3("Kivvo", "\r\n\r\nGift Suggestions: %1\r\n\r\n",
                             "IDS_NOTE_SUGGESTIONS")}},
        {IDS_NOTE_BEFORE_FOOTER,
         {QT_TRANSLATE_NOOP3("Kivvo", "\r\n\r\n\r\n", "IDS_NOTE_BEFORE_FOOTER")}},

        //: Button of the Draw names window, two lines.
        //: %1: the participant's name
        {IDS_REVEAL_DRAW, {QT_TRANSLATE_NOOP3("Kivvo", "Draw name\nfor %1", "IDS_REVEAL_DRAW")}},
        //: Button of the View notifications window, two lines.
        //: %1: the participant's name
        {IDS_REVEAL_SHOW, {QT_TRANSLATE_NOOP3("Kivvo", "Show name\nfor %1", "IDS_REVEAL_SHOW")}},
        //: Button of the Draw names window once the name was seen, two lines.
        //: %1: the participant's name
        {IDS_REVEAL_SHOWN,
         {QT_TRANSLATE_NOOP3("Kivvo", "Name already shown\n for %1", "IDS_REVEAL_SHOWN")}},
        {IDS_REVEAL_INITIAL,
         {QT_TRANSLATE_NOOP3("Kivvo", "Draw Name\nfor XXXXX", "IDS_REVEAL_INITIAL")}},
        //: Text revealed in the Draw names window.
        //: %1: the name the participant drew
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
        //: Question before closing a changed document.
        //: %1: its file name, or Untitled
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
        //: Start window, when the documents folder holds no document.
        //: %1: the folder's path
        {IDS_DOCLIST_EMPTY,
         {QT_TRANSLATE_NOOP3("Kivvo", "No Kivvo documents in %1 yet. Choose New to start one.",
                             "IDS_DOCLIST_EMPTY")}},
        //: Main window title; keep [*], the changed-document marker.
        //: %1: the document's file name
        {IDS_WINDOW_TITLE, {QT_TRANSLATE_NOOP3("Kivvo", "%1[*] - Kivvo", "IDS_WINDOW_TITLE")}},

        //: Output of --version.
        //: %1: the program (kivvo or kivvo-cli); %2: its version number
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
        //: kivvo error on stderr for a wrong command line.
        //: %1: what is wrong
        {IDS_GUI_WRONG_ARGUMENTS,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo: %1; see kivvo --help", "IDS_GUI_WRONG_ARGUMENTS")}},
        {IDS_GUI_TOO_MANY_FILES,
         {QT_TRANSLATE_NOOP3("Kivvo", "only one document can be opened at a time",
                             "IDS_GUI_TOO_MANY_FILES")}},
        {IDS_OPTION_HELP,
         {QT_TRANSLATE_NOOP3("Kivvo", "Shows this help and ends.", "IDS_OPTION_HELP")}},
        {IDS_OPTION_VERSION,
         {QT_TRANSLATE_NOOP3("Kivvo", "Shows the version and ends.", "IDS_OPTION_VERSION")}},

        //: Message box and kivvo-cli error when Copy for Next Exchange finds the document full.
        //: %1: the most drawings a document keeps
        {IDS_TOO_MANY_LISTS,
         {QT_TRANSLATE_N_NOOP3(
              "Kivvo",
              "This document already holds %1 drawings, the most one document can keep.\r\n\r\n"
              "Nothing was copied. Start a new document for the next exchange.",
              "IDS_TOO_MANY_LISTS"),
          0}},
        //: Message box and kivvo-cli error when a document cannot be opened.
        //: %1: the file's path; %2: the reason
        {IDS_FILE_OPEN_ERROR,
         {QT_TRANSLATE_NOOP3("Kivvo", "Cannot open the file \"%1\":\r\n%2",
                             "IDS_FILE_OPEN_ERROR")}},
        //: Message box and kivvo-cli error when a document cannot be read.
        //: %1: the file's path; %2: the reason
        {IDS_FILE_READ_ERROR,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Cannot read the file \"%1\":\r\n%2\r\n\r\nNothing was opened.",
                             "IDS_FILE_READ_ERROR")}},
        //: Message box and kivvo-cli error when a document cannot be saved.
        //: %1: the file's path; %2: the reason
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
        //: Reason in a file error.
        //: %1: the system's reason a write failed
        {IDS_ERR_DEVICE, {QT_TRANSLATE_NOOP3("Kivvo", "%1", "IDS_ERR_DEVICE")}},

        {IDS_ERR_IS_FOLDER,
         {QT_TRANSLATE_NOOP3("Kivvo", "It is a folder, not a file.", "IDS_ERR_IS_FOLDER")}},
        {IDS_ERR_NOT_REGULAR,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "It is not an ordinary file (it is a pipe, a socket or a device).",
                             "IDS_ERR_NOT_REGULAR")}},
        //: Reason in a file error.
        //: %1: the file's size in bytes; %2: the largest size allowed
        {IDS_ERR_FILE_TOO_LARGE,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "The file is %1 bytes long, more than the %2 bytes any file "
                             "of this program may have; it was not read.",
                             "IDS_ERR_FILE_TOO_LARGE")}},
        //: Reason in a file error.
        //: %1: the text's length in characters; %2: the longest allowed
        {IDS_ERR_TEXT_TOO_LONG,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "A text is %1 characters long, more than the %2 characters a "
                             "name, address or other text may have.",
                             "IDS_ERR_TEXT_TOO_LONG")}},
        //: Warning at start when the mail settings cannot be read.
        //: %1: the settings file's path; %2: the reason
        {IDS_SETTINGS_READ_ERROR,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Cannot read the settings file \"%1\":\r\n%2\r\n\r\n"
                             "The default settings are used; the file was not changed.",
                             "IDS_SETTINGS_READ_ERROR")}},
        //: Question (message box or kivvo-cli) before saving over another program's change.
        //: %1: the file's path
        {IDS_ASK_OVERWRITE_CHANGED,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "\"%1\" was changed on disk by another program since it was opened or last saved."
             "\r\n\r\nSave anyway and replace the other program's changes?",
             "IDS_ASK_OVERWRITE_CHANGED")}},
        //: kivvo-cli error on stderr.
        //: %1: the document's path; %2: the lock file's path
        {IDS_CLI_LOCKED,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "kivvo-cli: \"%1\" is being changed by another program (lock file "
                             "\"%2\"); nothing was changed. Try again later.",
                             "IDS_CLI_LOCKED")}},
        //: kivvo-cli error on stderr.
        //: %1: the lock file's path; %2: the system's reason
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
             "      [--role both|gives|receives]\n"
             "                                adds a person to the newest drawing\n"
             "  add-group FILE NAME           adds a group to the newest drawing\n"
             "  remove FILE NAME              removes the first person, else the first group, "
             "of that name\n"
             "  rename-list FILE NAME         renames the newest drawing\n"
             "  rename-group FILE GROUP NAME  renames a group of the newest drawing\n"
             "  draw FILE [--yes]             draws names in the newest drawing and saves\n"
             "  check FILE                    whether the newest drawing can be drawn, and if "
             "not why\n"
             "  copy FILE [--yes]             copies the newest drawing for the next exchange and "
             "saves\n"
             "  repair FILE [--yes]           after the newest drawing's list changed: keeps "
             "every rule\n"
             "                                and changes as few givers' recipients as "
             "possible, and saves\n"
             "  exclude FILE GIVER RECIPIENT [--both] [--remove]\n"
             "                                GIVER never draws RECIPIENT in the newest drawing "
             "(--both:\n"
             "                                nor RECIPIENT GIVER); --remove lifts it again\n"
             "  rules FILE [--history N|all] [--no-mutual on|off] [--one-circle on|off]\n"
             "             [--gifts N] [--seal on|off] [--yes] [--quote-history on|off]\n"
             "             [--language CODE]\n"
             "                                shows the rules and exclusions, or changes the "
             "rules;\n"
             "                                --gifts: each giver draws N recipients (1 to 5)\n"
             "  import FILE SOURCE [--group GROUP]\n"
             "                                adds the participants of a CSV or vCard file to the "
             "newest\n"
             "                                drawing; names it has already are left out\n"
             "  export FILE --csv OUT [--list N] [--spreadsheet]\n"
             "                                writes the persons of drawing N as CSV, never the "
             "drawn names\n"
             "                                (--spreadsheet: for spreadsheets, formulas "
             "disarmed)\n"
             "  set FILE PERSON [--name N] [--address A] [--suggestions S]\n"
             "      [--role both|gives|receives]\n"
             "                                changes a person of the newest drawing; --role:\n"
             "                                the person gives and receives (both), gives only\n"
             "                                or receives only\n"
             "  move FILE PERSON (--group GROUP | --top)\n"
             "                                moves a person into a group, or out of it\n"
             "  notification FILE PERSON [--list N] [--language CODE]\n"
             "                                the e-mail text for a person of drawing N\n"
             "  send FILE [--yes] [--person NAME] [--changed] [--language CODE]\n"
             "                                sends the notifications of the newest drawing, or "
             "one\n"
             "  cards FILE --pdf OUT.pdf [--person NAME] [--changed] [--language CODE]\n"
             "                                paper cards of the newest drawing, four to an A4 "
             "page\n"
             "  status FILE                   who of the newest drawing was told, how and when "
             "(never whom\n"
             "                                he gives to); --changed of send and cards tells "
             "only those\n"
             "                                whose recipient changed since\n"
             "  details FILE [--date YYYY-MM-DD] [--budget T] [--place T] [--note T]\n"
             "                                shows the date, budget, place and note of the "
             "newest\n"
             "                                drawing, or changes them; an empty value clears one\n"
             "  config [--server H] [--port N] [--from A] [--user U] [--password [P]]\n"
             "         [--password-stdin] [--footer T] [--require-tls on|off]\n"
             "         [--test-mail ADDRESS]\n"
             "                                shows the mail settings, or changes them; "
             "--password\n"
             "                                without a value asks on the terminal\n"
             "                                --require-tls on: mail only encrypted (TLS)\n"
             "                                --test-mail: sends a test e-mail to ADDRESS\n"
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
        //: kivvo-cli error on stderr.
        //: %1: the command as typed
        {IDS_CLI_UNKNOWN_COMMAND,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: unknown command \"%1\"; see kivvo-cli --help",
                             "IDS_CLI_UNKNOWN_COMMAND")}},
        //: kivvo-cli error on stderr for a wrong command line.
        //: %1: what is wrong
        {IDS_CLI_WRONG_ARGUMENTS,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: %1; see kivvo-cli --help",
                             "IDS_CLI_WRONG_ARGUMENTS")}},
        //: kivvo-cli error on stderr (kivvo-cli new).
        //: %1: the document's path
        {IDS_CLI_FILE_EXISTS,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: \"%1\" exists already; it is not overwritten",
                             "IDS_CLI_FILE_EXISTS")}},
        //: kivvo-cli error on stderr.
        //: %1: the drawing number asked for (0 = newest); %2: how many drawings the document has
        {IDS_CLI_NO_SUCH_LIST,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "kivvo-cli: the document has no drawing number %1 (it has %2)",
                             "IDS_CLI_NO_SUCH_LIST")}},
        //: kivvo-cli error on stderr.
        //: %1: the group name as given
        {IDS_CLI_NO_SUCH_GROUP,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: the newest drawing has no group named \"%1\"",
                             "IDS_CLI_NO_SUCH_GROUP")}},
        //: Error (kivvo-cli or message box) when removing or renaming.
        //: %1: the name as given
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
        //: kivvo-cli draw output.
        //: %1: the number of persons; %2: the document's path
        {IDS_CLI_DRAWN,
         {QT_TRANSLATE_N_NOOP3("Kivvo", "Names drawn for %1 persons; \"%2\" saved",
                               "IDS_CLI_DRAWN"),
          0}},
        {IDS_CLI_NOT_COPIED,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: nothing was copied; the file was not changed",
                             "IDS_CLI_NOT_COPIED")}},
        //: kivvo-cli copy output.
        //: %1: the new drawing's name; %2: the document's path
        {IDS_CLI_COPIED,
         {QT_TRANSLATE_NOOP3("Kivvo", "\"%1\" added; \"%2\" saved", "IDS_CLI_COPIED")}},
        {IDS_CLI_QUESTION_SUFFIX,
         {QT_TRANSLATE_NOOP3("Kivvo", " [y/N] ", "IDS_CLI_QUESTION_SUFFIX")}},
        //: kivvo-cli usage error, after "kivvo-cli: ".
        //: %1: the value given to --list
        {IDS_CLI_BAD_NUMBER,
         {QT_TRANSLATE_NOOP3("Kivvo", "\"%1\" is not a number", "IDS_CLI_BAD_NUMBER")}},
        //: kivvo-cli remove output.
        //: %1: the name of the removed person or group
        {IDS_CLI_REMOVED, {QT_TRANSLATE_NOOP3("Kivvo", "Removed \"%1\"", "IDS_CLI_REMOVED")}},
        //: kivvo-cli new output.
        //: %1: the new document's path
        {IDS_CLI_CREATED, {QT_TRANSLATE_NOOP3("Kivvo", "Created \"%1\"", "IDS_CLI_CREATED")}},
        //: kivvo-cli error on stderr.
        //: %1: the drawing number (0 = newest); %2: the name as given
        {IDS_CLI_NO_SUCH_PERSON,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: drawing %1 has no person named \"%2\"",
                             "IDS_CLI_NO_SUCH_PERSON")}},
        //: kivvo-cli send error on stderr.
        //: %1: the person's name
        {IDS_CLI_NO_ADDRESS,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: %1 has no e-mail address; nothing was sent",
                             "IDS_CLI_NO_ADDRESS")}},
        {IDS_CLI_NOT_SENT,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: not every notification was sent",
                             "IDS_CLI_NOT_SENT")}},
        //: kivvo-cli config output. %1: the mail server; %2: the port; %3: the sender address;
        //: %4: the user name; %5: set or not set; %6: the footer; %7: the settings file's path
        {IDS_CLI_SETTINGS,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "server: %1\nport: %2\nfrom: %3\nuser: %4\npassword: %5\n"
                             "footer: %6\nsettings file: %7\n",
                             "IDS_CLI_SETTINGS")}},
        //: kivvo-cli config output.
        //: %1: the settings file's path
        {IDS_CLI_SETTINGS_SAVED,
         {QT_TRANSLATE_NOOP3("Kivvo", "Settings saved to \"%1\"", "IDS_CLI_SETTINGS_SAVED")}},
        //: kivvo-cli config error on stderr.
        //: %1: the settings file's path; %2: the reason
        {IDS_CLI_SETTINGS_NOT_SAVED,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "kivvo-cli: the settings could not be saved to \"%1\": %2; the file was not changed",
             "IDS_CLI_SETTINGS_NOT_SAVED")}},
        //: kivvo-cli usage error, after "kivvo-cli: ".
        //: %1: the value given to --port
        {IDS_CLI_BAD_PORT,
         {QT_TRANSLATE_NOOP3("Kivvo", "the port must be a number from 1 to 65535, not \"%1\"",
                             "IDS_CLI_BAD_PORT")}},
        //: kivvo-cli contacts --lookup output.
        //: %1: the e-mail address; %2: the first name; %3: the last name
        {IDS_CLI_LOOKUP,
         {QT_TRANSLATE_NOOP3("Kivvo", "address: %1\nfirst name: %2\nlast name: %3\n",
                             "IDS_CLI_LOOKUP")}},
        //: kivvo-cli error on stderr.
        //: %1: the text given to --lookup
        {IDS_CLI_NO_CONTACT,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: no address-book entry matches \"%1\"",
                             "IDS_CLI_NO_CONTACT")}},
        //: Why names cannot be drawn.
        //: %1: the givers' names; %2: the names they can give to
        {IDS_DRAW_BLOCKED,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 can only give to %2.", "IDS_DRAW_BLOCKED")}},
        //: Why names cannot be drawn.
        //: %1: the givers' names
        {IDS_DRAW_BLOCKED_NOBODY,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 cannot give to anybody.", "IDS_DRAW_BLOCKED_NOBODY")}},
        //: Follows the sentence why names cannot be drawn.
        //: %1: the rules in the way, separated by semicolons
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
        //: End of a list of names.
        //: %1: the names before the last, separated by commas; %2: the last name
        {IDS_NAMES_LAST, {QT_TRANSLATE_NOOP3("Kivvo", "%1 and %2", "IDS_NAMES_LAST")}},
        //: A shortened list of names.
        //: %1: the names shown, separated by commas; %2: how many more there are
        {IDS_NAMES_OTHERS,
         {QT_TRANSLATE_N_NOOP3("Kivvo", "%1 and %2 others", "IDS_NAMES_OTHERS"), 1}},
        //: Message box and kivvo-cli error before names are shown or sent.
        //: %1: what no longer matches, separated by semicolons (may be empty)
        {IDS_DRAWING_INVALID,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "The drawn names no longer match the list: %1.\r\n\r\nPlease "
                             "draw names again. Nothing has been shown or sent.",
                             "IDS_DRAWING_INVALID")}},
        //: Problem with the drawn names, listed after a colon.
        //: %1: the person's name
        {IDS_CHECK_NO_NAME,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 has no drawn name", "IDS_CHECK_NO_NAME")}},
        //: Problem with the drawn names, listed after a colon.
        //: %1: the drawn name; %2: who drew it
        {IDS_CHECK_GONE,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1, drawn by %2, is no longer in the list",
                             "IDS_CHECK_GONE")}},
        //: Problem with the drawn names, listed after a colon.
        //: %1: the drawn name; %2: who drew it
        {IDS_CHECK_AMBIGUOUS,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1, drawn by %2, is the name of more than one person",
                             "IDS_CHECK_AMBIGUOUS")}},
        //: Problem with the drawn names, listed after a colon.
        //: %1: the drawn name; %2 and %3: the two who drew it
        {IDS_CHECK_TWICE,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 is drawn by both %2 and %3", "IDS_CHECK_TWICE")}},
        //: Problem with the drawn names, listed after a colon.
        //: %1: the person's name
        {IDS_CHECK_HIMSELF, {QT_TRANSLATE_NOOP3("Kivvo", "%1 drew himself", "IDS_CHECK_HIMSELF")}},
        //: Problem with the drawn names, listed after a colon.
        //: %1: the giver; %2: the person he drew
        {IDS_CHECK_OWN_GROUP,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 drew %2 of his own group", "IDS_CHECK_OWN_GROUP")}},
        //: Problem with the drawn names, listed after a colon.
        //: %1: the giver; %2: the person he drew
        {IDS_CHECK_LAST_TIME,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 drew %2, the person he gave to last time",
                             "IDS_CHECK_LAST_TIME")}},
        {IDS_CHECK_NAMELESS,
         {QT_TRANSLATE_NOOP3("Kivvo", "a person of the list has no name", "IDS_CHECK_NAMELESS")}},
        //: Ends the list of problems with the drawn names.
        //: %1: how many more there are
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
        //: A rule, in the list of what blocks a drawing and in kivvo-cli rules.
        //: %1: the number of exchanges
        {IDS_RULE_HISTORY,
         {QT_TRANSLATE_N_NOOP3("Kivvo", "nobody draws a person he gave to in the last %1 exchanges",
                               "IDS_RULE_HISTORY"),
          0}},
        //: An exclusion, in the list of what blocks a drawing and in kivvo-cli output.
        //: %1: the giver; %2: the person he never draws
        {IDS_RULE_EXCLUDED,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 never draws %2", "IDS_RULE_EXCLUDED")}},
        {IDS_RULE_NO_MUTUAL,
         {QT_TRANSLATE_NOOP3("Kivvo", "nobody draws the person who draws him",
                             "IDS_RULE_NO_MUTUAL")}},
        {IDS_RULE_ONE_CIRCLE,
         {QT_TRANSLATE_NOOP3("Kivvo", "the gifts go round in one single circle",
                             "IDS_RULE_ONE_CIRCLE")}},
        //: Follows the sentence why names cannot be drawn.
        //: %1: the rules and exclusions in the way, separated by semicolons
        {IDS_DRAW_BLOCKING_RULES_EDIT,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "\r\n\r\nWhat blocks them: %1. Change the groups, the exclusions or the rules "
             "(Exchange > Rules), or add persons, then draw again.",
             "IDS_DRAW_BLOCKING_RULES_EDIT")}},
        //: Problem with the drawn names, listed after a colon.
        //: %1: the giver; %2: the person he drew
        {IDS_CHECK_EXCLUDED,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 drew %2, whom he never draws", "IDS_CHECK_EXCLUDED")}},
        //: Problem with the drawn names, listed after a colon.
        //: %1: the giver; %2: the person he drew; %3: the number of exchanges
        {IDS_CHECK_HISTORY,
         {QT_TRANSLATE_N_NOOP3("Kivvo", "%1 drew %2, whom he gave to in the last %3 exchanges",
                               "IDS_CHECK_HISTORY"),
          2}},
        //: Problem with the drawn names, listed after a colon.
        //: %1 and %2: the two persons' names
        {IDS_CHECK_MUTUAL,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 and %2 draw each other", "IDS_CHECK_MUTUAL")}},
        {IDS_CHECK_NOT_ONE_CIRCLE,
         {QT_TRANSLATE_NOOP3("Kivvo", "the gifts do not go round in one single circle",
                             "IDS_CHECK_NOT_ONE_CIRCLE")}},
        //: Ends the list of what blocks a drawing.
        //: %1: how many more exclusions there are
        {IDS_EXCLUSIONS_MORE,
         {QT_TRANSLATE_N_NOOP3("Kivvo", "%1 more exclusions", "IDS_EXCLUSIONS_MORE"), 0}},
        //: Why names cannot be drawn.
        //: %1: the persons' names
        {IDS_DRAW_EACH_OTHER,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 can only give to each other.", "IDS_DRAW_EACH_OTHER")}},
        //: Why names cannot be drawn.
        //: %1: the persons' names
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
        //: Reason in a file error.
        //: %1: the file's format number; %2: the format number this version reads
        {IDS_ERR_EXT_NEWER,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "The file's rules and exclusions are in format %1, which a newer "
                             "version of Kivvo wrote; this version reads format %2.",
                             "IDS_ERR_EXT_NEWER")}},
        //: Reason in a file error.
        //: %1: the number of the damaged section
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
        //: Reason in the import error.
        //: %1: the line number in the CSV file
        {IDS_CSV_OPEN_QUOTE,
         {QT_TRANSLATE_NOOP3("Kivvo", "line %1 opens a quoted field that is never closed",
                             "IDS_CSV_OPEN_QUOTE")}},
        //: Import error (Import Participants window and kivvo-cli import).
        //: %1: the file's path; %2: the reason
        {IDS_IMPORT_UNREADABLE,
         {QT_TRANSLATE_NOOP3("Kivvo", "Cannot import participants from \"%1\": %2.",
                             "IDS_IMPORT_UNREADABLE")}},
        //: Reason in the import error.
        //: %1: the line number in the CSV file; %2: the number of fields read
        {IDS_IMPORT_TOO_MANY_FIELDS,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "line %1 has more than %2 fields (name, address, suggestions, group)",
                             "IDS_IMPORT_TOO_MANY_FIELDS")}},
        //: Reason in the import error.
        //: %1: the line number in the file
        {IDS_IMPORT_TOO_LONG,
         {QT_TRANSLATE_NOOP3("Kivvo", "line %1 holds a text longer than any Kivvo keeps",
                             "IDS_IMPORT_TOO_LONG")}},
        //: Reason in the import error.
        //: %1: the line number in the file
        {IDS_IMPORT_CONTROL,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "line %1 holds a control character (a line break, a tab or a "
                             "terminal escape) in a name, an address or a group",
                             "IDS_IMPORT_CONTROL")}},
        //: Reason in the import error.
        //: %1: the name on the card, control characters shown as a replacement sign
        {IDS_IMPORT_CONTROL_CARD,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "the card \"%1\" holds a control character (a line break, a tab "
                             "or a terminal escape) in its name or its address",
                             "IDS_IMPORT_CONTROL_CARD")}},
        //: Import error (Import Participants window).
        //: %1: how many persons and groups the import would add; %2: the most a document holds
        {IDS_IMPORT_OVER_LIMIT,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Importing %1 persons and groups would make the document hold more "
                             "than %2, more than it can save. Nothing was imported.",
                             "IDS_IMPORT_OVER_LIMIT")}},
        //: Reason in the import error.
        //: %1: the line number in the file
        {IDS_IMPORT_NO_NAME,
         {QT_TRANSLATE_NOOP3("Kivvo", "line %1 has no name", "IDS_IMPORT_NO_NAME")}},
        //: kivvo-cli import note on stderr.
        //: %1: the names left out, separated by commas
        {IDS_IMPORT_DUPLICATES,
         {QT_TRANSLATE_NOOP3("Kivvo", "Already in the list, so not imported again: %1",
                             "IDS_IMPORT_DUPLICATES")}},
        {IDS_IMPORT_NOTHING,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: nobody new to import", "IDS_IMPORT_NOTHING")}},
        //: kivvo-cli import output.
        //: %1: the number of participants; %2: the drawing's name
        {IDS_IMPORT_DONE,
         {QT_TRANSLATE_N_NOOP3("Kivvo", "Imported %1 participants into \"%2\"", "IDS_IMPORT_DONE"),
          0}},
        {IDS_EXPORT_NEEDS_CSV,
         {QT_TRANSLATE_NOOP3("Kivvo", "export needs --csv OUT, the file to write",
                             "IDS_EXPORT_NEEDS_CSV")}},
        //: kivvo-cli export error on stderr.
        //: %1: the CSV file's path; %2: the reason
        {IDS_EXPORT_FAILED,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: cannot write \"%1\": %2", "IDS_EXPORT_FAILED")}},
        //: kivvo-cli export output.
        //: %1: the number of persons; %2: the CSV file's path
        {IDS_EXPORT_DONE,
         {QT_TRANSLATE_N_NOOP3("Kivvo", "%1 persons written to \"%2\"", "IDS_EXPORT_DONE"), 0}},
        {IDS_MENU_EXPORT,
         {QT_TRANSLATE_NOOP3("Kivvo", "&Export Participants...", "IDS_MENU_EXPORT")}},
        //: Title of the file window that exports the participants.
        {IDS_EXPORT_TITLE,
         {QT_TRANSLATE_NOOP3("Kivvo", "Export Participants", "IDS_EXPORT_TITLE")}},
        //: File type in the export's file window: UTF-8 with a byte-order mark and the list
        //: separator of the user's language (a semicolon where numbers have a decimal comma).
        {IDS_EXPORT_FILTER_SPREADSHEET,
         {QT_TRANSLATE_NOOP3("Kivvo", "CSV for spreadsheets (*.csv)",
                             "IDS_EXPORT_FILTER_SPREADSHEET")}},
        //: File type in the export's file window: UTF-8 with commas.
        {IDS_EXPORT_FILTER_PLAIN,
         {QT_TRANSLATE_NOOP3("Kivvo", "Plain CSV (*.csv)", "IDS_EXPORT_FILTER_PLAIN")}},
        //: Message box when the export failed.
        //: %1: the file's path; %2: the reason
        {IDS_EXPORT_ERROR,
         {QT_TRANSLATE_NOOP3("Kivvo", "Cannot export the participants to \"%1\": %2.",
                             "IDS_EXPORT_ERROR")}},
        //: Import Participants window and kivvo-cli import, when the file's first line names
        //: its columns in words Kivvo does not know.
        //: %1: the line number; %2: the line's fields, separated by commas
        {IDS_IMPORT_UNKNOWN_HEADINGS,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Line %1 looks like column headings Kivvo does not know (%2), so it "
                             "is left out. The columns are read as name, address, suggestions "
                             "and group.",
                             "IDS_IMPORT_UNKNOWN_HEADINGS")}},
        //: Note (message box or kivvo-cli) when a name was taken.
        //: %1: the name asked for; %2: the name given instead
        {IDS_NAME_MADE_UNIQUE,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "The name \"%1\" is taken already in this list, so the person is named \"%2\".",
             "IDS_NAME_MADE_UNIQUE")}},
        {IDS_MOVE_NEEDS_TARGET,
         {QT_TRANSLATE_NOOP3("Kivvo", "move takes either --group GROUP or --top",
                             "IDS_MOVE_NEEDS_TARGET")}},
        //: kivvo-cli move output.
        //: %1: the person's name; %2: the group's name
        {IDS_MOVED_TO_GROUP,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 moved into %2", "IDS_MOVED_TO_GROUP")}},
        //: kivvo-cli move output.
        //: %1: the person's name
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
        //: Person Properties window: puts the names typed under Never draws into the table.
        {IDS_PERSON_ADD_NEVER_DRAWS,
         {QT_TRANSLATE_NOOP3("Kivvo", "&Add", "IDS_PERSON_ADD_NEVER_DRAWS")}},
        //: Person Properties window: takes the selected names out of Never draws.
        {IDS_PERSON_REMOVE_NEVER_DRAWS,
         {QT_TRANSLATE_NOOP3("Kivvo", "&Remove", "IDS_PERSON_REMOVE_NEVER_DRAWS")}},
        //: Person Properties window, heading of the Never draws table: whom he never draws.
        {IDS_PERSON_COL_NAME, {QT_TRANSLATE_NOOP3("Kivvo", "Name", "IDS_PERSON_COL_NAME")}},
        //: Person Properties window, heading of the Never draws table: ticked where that
        //: person never draws him either.
        {IDS_PERSON_COL_BOTH_WAYS,
         {QT_TRANSLATE_NOOP3("Kivvo", "Both ways", "IDS_PERSON_COL_BOTH_WAYS")}},
        //: Error in the Person Properties window (Never draws).
        //: %1: the name as typed
        {IDS_PERSON_UNKNOWN_NAME,
         {QT_TRANSLATE_NOOP3("Kivvo", "\"%1\" is nobody of this list.",
                             "IDS_PERSON_UNKNOWN_NAME")}},
        //: Error in the Person Properties window and kivvo-cli exclude.
        //: %1: the person's own name
        {IDS_PERSON_SELF_EXCLUDED,
         {QT_TRANSLATE_NOOP3("Kivvo", "Nobody draws himself anyway; leave out \"%1\".",
                             "IDS_PERSON_SELF_EXCLUDED")}},
        {IDS_TIP_HAS_EXCLUSIONS,
         {QT_TRANSLATE_NOOP3("Kivvo", "Never draws some persons of the list",
                             "IDS_TIP_HAS_EXCLUSIONS")}},
        //: kivvo-cli rules output.
        //: %1: the history rule; %2 and %3: on or off
        {IDS_CLI_RULES,
         {QT_TRANSLATE_NOOP3("Kivvo", "history: %1\nno mutual pairs: %2\none circle: %3\n",
                             "IDS_CLI_RULES")}},
        {IDS_CLI_HISTORY_NONE,
         {QT_TRANSLATE_NOOP3("Kivvo", "0 (the recipients of earlier exchanges may be drawn again)",
                             "IDS_CLI_HISTORY_NONE")}},
        //: kivvo-cli rules output, history line.
        //: %1: the number of exchanges; %2: the rule in words
        {IDS_CLI_HISTORY, {QT_TRANSLATE_NOOP3("Kivvo", "%1 (%2)", "IDS_CLI_HISTORY")}},
        {IDS_CLI_ON, {QT_TRANSLATE_NOOP3("Kivvo", "on", "IDS_CLI_ON")}},
        {IDS_CLI_OFF, {QT_TRANSLATE_NOOP3("Kivvo", "off", "IDS_CLI_OFF")}},
        //: kivvo-cli rules output, heading of the exclusions.
        //: %1: the drawing's name
        {IDS_CLI_EXCLUSIONS_IN,
         {QT_TRANSLATE_NOOP3("Kivvo", "exclusions in \"%1\":\n", "IDS_CLI_EXCLUSIONS_IN")}},
        //: kivvo-cli rules output.
        //: %1: the drawing's name
        {IDS_CLI_NO_EXCLUSIONS,
         {QT_TRANSLATE_NOOP3("Kivvo", "no exclusions in \"%1\"\n", "IDS_CLI_NO_EXCLUSIONS")}},
        //: kivvo-cli exclude --remove output.
        //: %1: the giver; %2: the person he may draw again
        {IDS_CLI_EXCLUSION_REMOVED,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 may draw %2 again", "IDS_CLI_EXCLUSION_REMOVED")}},
        //: kivvo-cli exclude --remove error on stderr.
        //: %1: the giver; %2: the other person
        {IDS_CLI_NO_SUCH_EXCLUSION,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: %1 is not kept from drawing %2",
                             "IDS_CLI_NO_SUCH_EXCLUSION")}},
        //: kivvo-cli usage error, after "kivvo-cli: ".
        //: %1: the option without dashes; %2: the value given
        {IDS_CLI_BAD_SWITCH,
         {QT_TRANSLATE_NOOP3("Kivvo", "--%1 takes on or off, not \"%2\"", "IDS_CLI_BAD_SWITCH")}},
        //: kivvo-cli usage error, after "kivvo-cli: ".
        //: %1: the largest number allowed; %2: the value given
        {IDS_CLI_BAD_HISTORY,
         {QT_TRANSLATE_NOOP3("Kivvo", "--history takes a number from 0 to %1, or all, not \"%2\"",
                             "IDS_CLI_BAD_HISTORY")}},
        //: kivvo-cli exclude error on stderr.
        //: %1: the giver; %2: the person he never draws
        {IDS_CLI_EXCLUSION_KNOWN,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: %1 already never draws %2",
                             "IDS_CLI_EXCLUSION_KNOWN")}},
        {IDS_DRAW_NAMELESS,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "A person of the list has no name; name every person, then draw "
                             "again.",
                             "IDS_DRAW_NAMELESS")}},

        //: Reason why mail failed.
        //: %1: the mail server's host name; %2: the port number; %3: the system's reason
        {IDS_SMTP_NO_CONNECTION,
         {QT_TRANSLATE_NOOP3("Kivvo", "cannot connect to %1 port %2: %3",
                             "IDS_SMTP_NO_CONNECTION")}},
        //: Reason why mail failed.
        //: %1: the mail server's reply
        {IDS_SMTP_NO_GREETING,
         {QT_TRANSLATE_NOOP3("Kivvo", "the server did not accept this program as a client: %1",
                             "IDS_SMTP_NO_GREETING")}},
        //: Reason why mail failed.
        //: %1: the server's reply or the system's reason
        {IDS_SMTP_TLS_FAILED,
         {QT_TRANSLATE_NOOP3("Kivvo", "the encrypted connection (TLS) failed: %1",
                             "IDS_SMTP_TLS_FAILED")}},
        {IDS_SMTP_NO_TLS,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "the server offers no encryption (STARTTLS), and the password is only "
                             "ever sent encrypted",
                             "IDS_SMTP_NO_TLS")}},
        //: Reason why mail failed.
        //: %1: the mail server's reply
        {IDS_SMTP_LOGIN_REFUSED,
         {QT_TRANSLATE_NOOP3(
             "Kivvo", "the server refused the login: %1; check the user name and the password",
             "IDS_SMTP_LOGIN_REFUSED")}},
        {IDS_SMTP_NO_LOGIN_METHOD,
         {QT_TRANSLATE_NOOP3(
             "Kivvo", "the server offers no login method this program knows (PLAIN or LOGIN)",
             "IDS_SMTP_NO_LOGIN_METHOD")}},
        //: Reason why mail failed.
        //: %1: the mail server's reply
        {IDS_SMTP_LOGIN_REQUIRED,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "the server wants a login: %1; enter the user name and the password",
                             "IDS_SMTP_LOGIN_REQUIRED")}},
        //: Reason why mail failed.
        //: %1: the sender address; %2: the mail server's reply
        {IDS_SMTP_SENDER_REFUSED,
         {QT_TRANSLATE_NOOP3("Kivvo", "the server refused the sender address %1: %2",
                             "IDS_SMTP_SENDER_REFUSED")}},
        //: Reason why an e-mail failed.
        //: %1: the recipient's address; %2: the mail server's reply
        {IDS_SMTP_RECIPIENT_REFUSED,
         {QT_TRANSLATE_NOOP3("Kivvo", "the server refused the address %1: %2",
                             "IDS_SMTP_RECIPIENT_REFUSED")}},
        //: Reason why an e-mail failed.
        //: %1: the mail server's reply
        {IDS_SMTP_MESSAGE_REFUSED,
         {QT_TRANSLATE_NOOP3("Kivvo", "the server refused the message: %1",
                             "IDS_SMTP_MESSAGE_REFUSED")}},
        //: Reason why mail failed.
        //: %1: the number of seconds waited
        {IDS_SMTP_TIMED_OUT,
         {QT_TRANSLATE_N_NOOP3("Kivvo", "the server did not answer within %1 seconds",
                               "IDS_SMTP_TIMED_OUT"),
          0}},
        //: Reason why an e-mail may have failed.
        //: %1: the number of seconds waited
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
        //: Reason why an e-mail failed.
        //: %1: the address as entered
        {IDS_SMTP_BAD_ADDRESS,
         {QT_TRANSLATE_NOOP3("Kivvo", "\"%1\" is not an e-mail address", "IDS_SMTP_BAD_ADDRESS")}},
        //: Reason why an e-mail failed.
        //: %1: the address-book name entered for the person
        {IDS_SMTP_NO_ADDRESS,
         {QT_TRANSLATE_NOOP3("Kivvo", "no e-mail address: \"%1\" is not in the address book",
                             "IDS_SMTP_NO_ADDRESS")}},
        //: Line of the sending window and of kivvo-cli send.
        //: %1: the participant's name
        {IDS_SEND_SKIPPED,
         {QT_TRANSLATE_NOOP3("Kivvo", "Skipped [%1]: no email address", "IDS_SEND_SKIPPED")}},
        //: Line of the sending window and of kivvo-cli send after sending stopped.
        //: %1: the participant's name; %2: his e-mail address
        {IDS_SEND_NOT_SENT,
         {QT_TRANSLATE_NOOP3("Kivvo", "Not sent to [%1] email address [%2]", "IDS_SEND_NOT_SENT")}},
        //: Line of the sending window and of kivvo-cli send.
        //: %1: the line (who, which address); %2: the reason
        {IDS_SEND_LINE_REASON, {QT_TRANSLATE_NOOP3("Kivvo", "%1: %2", "IDS_SEND_LINE_REASON")}},
        //: Shown in the sending window and by kivvo-cli send.
        //: %1: the mail server as host:port; %2: the server's reason
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
        //: Status line of the sending window.
        //: %1: the number of the e-mail being sent; %2: how many there are
        {IDS_SEND_RUNNING,
         {QT_TRANSLATE_NOOP3("Kivvo", "Sending %1 of %2...", "IDS_SEND_RUNNING")}},
        {IDS_SEND_CANCELLING,
         {QT_TRANSLATE_NOOP3("Kivvo", "Stopping after the message being sent...",
                             "IDS_SEND_CANCELLING")}},
        //: Line of the sending window.
        //: %1: the participant's name
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
        {IDS_SETTINGS_REQUIRE_TLS,
         {QT_TRANSLATE_NOOP3("Kivvo", "Encrypted connections only (TLS), also without a login",
                             "IDS_SETTINGS_REQUIRE_TLS")}},
        //: kivvo-cli config output, after the settings, only when the setting is on.
        {IDS_CLI_REQUIRE_TLS_ON,
         {QT_TRANSLATE_NOOP3("Kivvo", "require-tls: on", "IDS_CLI_REQUIRE_TLS_ON")}},
        {IDS_SMTP_TLS_REQUIRED,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "the server offers no encryption (STARTTLS), and the settings allow "
                             "only encrypted connections",
                             "IDS_SMTP_TLS_REQUIRED")}},
        {IDS_SETTINGS_SHOW_PASSWORD,
         {QT_TRANSLATE_NOOP3("Kivvo", "Show password", "IDS_SETTINGS_SHOW_PASSWORD")}},
        {IDS_SETTINGS_FOOTER,
         {QT_TRANSLATE_NOOP3("Kivvo", "Footer of every e-mail:", "IDS_SETTINGS_FOOTER")}},
        {IDS_SETTINGS_TEST, {QT_TRANSLATE_NOOP3("Kivvo", "Send test mail", "IDS_SETTINGS_TEST")}},
        //: Mail Settings window, while the test mail is sent.
        //: %1: the address it goes to
        {IDS_SETTINGS_TESTING,
         {QT_TRANSLATE_NOOP3("Kivvo", "Sending a test mail to %1...", "IDS_SETTINGS_TESTING")}},
        //: Mail Settings window.
        //: %1: the address the test mail went to
        {IDS_SETTINGS_TEST_SENT,
         {QT_TRANSLATE_NOOP3("Kivvo", "A test mail was sent to %1.", "IDS_SETTINGS_TEST_SENT")}},
        //: Mail Settings window.
        //: %1: the reason
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
        //: Message box when the mail settings cannot be saved.
        //: %1: the settings file's path; %2: the reason
        {IDS_SETTINGS_SAVE_ERROR,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Cannot save the settings file \"%1\":\r\n%2\r\n\r\nThe new "
                             "settings are used until the program ends.",
                             "IDS_SETTINGS_SAVE_ERROR")}},
        {IDS_PASSWORD_IN_KEYRING,
         {QT_TRANSLATE_NOOP3("Kivvo", "The password is kept in the desktop's keyring.",
                             "IDS_PASSWORD_IN_KEYRING")}},
        //: Mail Settings window and kivvo-cli config output.
        //: %1: the settings file's path
        {IDS_PASSWORD_IN_FILE,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "No keyring is running: the password is kept in the settings "
                             "file %1, which only you can read.",
                             "IDS_PASSWORD_IN_FILE")}},
        //: Shown with a drawing whose seal was broken, in the window and by kivvo-cli.
        //: %1: the date, such as "12 December 2026"; %2: the time, such as "20:14"
        {IDS_SEAL_BROKEN_ON,
         {QT_TRANSLATE_NOOP3("Kivvo", "The seal of this drawing was broken on %1 at %2",
                             "IDS_SEAL_BROKEN_ON")}},
        //: After the seal was broken.
        //: %1: the sentence of IDS_SEAL_BROKEN_ON
        {IDS_SEAL_BROKEN_NOW,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "%1. This stays in the document, so that the participants can be "
                             "told.",
                             "IDS_SEAL_BROKEN_NOW")}},
        {IDS_SEALED_REFUSED,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "This drawing is sealed: who gives to whom is shown to nobody here, you included. "
             "Every participant learns his own recipient by e-mail, on his card or in the "
             "pass-around round. To see them all, turn off \"Seal the drawing\" in the rules; "
             "that is recorded in the document.",
             "IDS_SEALED_REFUSED")}},
        //: Problem with the drawn names of a sealed drawing, listed after a colon.
        //: %1: the giver's name
        {IDS_CHECK_SEALED,
         {QT_TRANSLATE_NOOP3("Kivvo", "the drawn name of %1 no longer fits the list",
                             "IDS_CHECK_SEALED")}},
        //: Problem with the drawn names of a sealed drawing, listed after a colon.
        {IDS_CHECK_MUTUAL_SEALED,
         {QT_TRANSLATE_NOOP3("Kivvo", "two persons draw each other", "IDS_CHECK_MUTUAL_SEALED")}},
        {IDS_RULES_SEAL, {QT_TRANSLATE_NOOP3("Kivvo", "&Seal the drawing", "IDS_RULES_SEAL")}},
        {IDS_RULES_SEAL_HELP,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "For an organiser who takes part: nobody here, you included, can "
                             "see who gives to whom. Every participant still learns his own "
                             "recipient. Turning it off later is recorded in the document.",
                             "IDS_RULES_SEAL_HELP")}},
        //: Question before the seal is broken; the default answer is No.
        //: %1: the drawing's name
        {IDS_ASK_BREAK_SEAL,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Break the seal of \"%1\"?\r\n\r\nFrom now on, who gives to whom can "
                             "be seen here: in View Notifications, in reports and in messages. "
                             "The date and time of the break are kept in the document for good; "
                             "it cannot be undone.",
                             "IDS_ASK_BREAK_SEAL")}},
        //: kivvo-cli rules output, after the rules.
        //: %1: on or off (IDS_CLI_ON, IDS_CLI_OFF)
        {IDS_CLI_SEAL, {QT_TRANSLATE_NOOP3("Kivvo", "seal: %1\n", "IDS_CLI_SEAL")}},
        //: First page of a PDF of the cards of a sealed drawing, a heading.
        {IDS_CARDS_SEALED_COVER,
         {QT_TRANSLATE_NOOP3("Kivvo", "These cards hold secrets", "IDS_CARDS_SEALED_COVER")}},
        //: First page of a PDF of the cards of a sealed drawing, under the heading.
        //: %1: the drawing's name
        {IDS_CARDS_SEALED_COVER_TEXT,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "They hold the drawn names of the sealed drawing \"%1\". Print them "
                             "without looking at them, cut them out and fold each one shut "
                             "before it is read; then delete this file.",
                             "IDS_CARDS_SEALED_COVER_TEXT")}},
        //: Under the list of a sealed drawing in the main window.
        {IDS_SEALED_NOTE,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "This drawing is sealed: who gives to whom is shown to nobody here.",
                             "IDS_SEALED_NOTE")}},
        //: Person dialog, under the address, for an address-book entry with several addresses.
        //: %1: the address the e-mail goes to; %2: how many addresses the entry has
        {IDS_CONTACT_PREFERRED,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "%1 (the e-mail goes to this one of the entry's %2 addresses only; "
                             "add :1, :2 or :3 to the name to choose another)",
                             "IDS_CONTACT_PREFERRED")}},
        //: After a repair of the drawing.
        //: %1: how many givers got another recipient
        {IDS_REPAIR_DONE,
         {QT_TRANSLATE_N_NOOP3("Kivvo",
                               "The drawing was repaired: %1 of the givers got another "
                               "recipient; everybody else keeps the one he drew.",
                               "IDS_REPAIR_DONE"),
          0}},
        //: After a repair of a drawing in which every giver draws several recipients.
        //: %1: how many givers got other recipients
        {IDS_REPAIR_DONE_GIFTS,
         {QT_TRANSLATE_N_NOOP3("Kivvo",
                               "The drawing was repaired: %1 of the givers got other recipients "
                               "for some of their gifts; everybody else keeps the ones he drew.",
                               "IDS_REPAIR_DONE_GIFTS"),
          0}},
        {IDS_REPAIR_NOTHING,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "The drawn names still fit the list: there is nothing to repair.",
                             "IDS_REPAIR_NOTHING")}},
        {IDS_REPAIR_OUT_OF_BOUND,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "No repair was found within the bounds of the search, which the "
                             "rules No mutual pairs and One circle make long for a list this "
                             "size. Draw names again instead.",
                             "IDS_REPAIR_OUT_OF_BOUND")}},
        //: Asked by Draw Names when the list changed after its names were drawn.
        {IDS_ASK_REPAIR,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "The list changed after its names were drawn.\r\n\r\nRepair the "
                             "drawing: every rule is kept, and as few givers as possible get "
                             "another recipient, so that only they need to be told again. Or "
                             "draw again: everybody gets a new recipient and must be told "
                             "again.",
                             "IDS_ASK_REPAIR")}},
        //: Asked by Draw Names when the list changed after its names were drawn and every giver
        //: draws several recipients.
        {IDS_ASK_REPAIR_GIFTS,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "The list changed after its names were drawn.\r\n\r\nRepair the "
                             "drawing: every rule is kept, and as few of the drawn names as "
                             "possible change, so that only the givers concerned need to be told "
                             "again. Or draw again: everybody draws anew and must be told again.",
                             "IDS_ASK_REPAIR_GIFTS")}},
        {IDS_BUTTON_REPAIR,
         {QT_TRANSLATE_NOOP3("Kivvo", "&Repair the Drawing", "IDS_BUTTON_REPAIR")}},
        {IDS_BUTTON_DRAW_AGAIN,
         {QT_TRANSLATE_NOOP3("Kivvo", "&Draw Again", "IDS_BUTTON_DRAW_AGAIN")}},
        //: kivvo-cli repair output.
        //: %1: the file
        {IDS_CLI_REPAIRED, {QT_TRANSLATE_NOOP3("Kivvo", "\"%1\" saved", "IDS_CLI_REPAIRED")}},
        //: Notification e-mail, after the privacy note, to a participant told another recipient
        //: before the drawing was repaired.
        {IDS_NOTE_REPLACES_EARLIER,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Please note: the drawing has changed since you were told whom you "
                             "give a gift to. What you were told before no longer holds; this "
                             "message does.\r\n\r\n",
                             "IDS_NOTE_REPLACES_EARLIER")}},
        //: Undo and redo: the change of the setting.
        {IDS_EDIT_QUOTE_HISTORY,
         {QT_TRANSLATE_NOOP3("Kivvo", "Quote Earlier Drawings", "IDS_EDIT_QUOTE_HISTORY")}},
        {IDS_RULES_QUOTE_HISTORY,
         {QT_TRANSLATE_NOOP3("Kivvo", "&Quote earlier drawings in the e-mails",
                             "IDS_RULES_QUOTE_HISTORY")}},
        {IDS_RULES_QUOTE_HISTORY_HELP,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Each e-mail says whom the participant gave to last time and lists "
                             "last time's pairs. Turn it off where the givers stay unknown, as "
                             "in an office.",
                             "IDS_RULES_QUOTE_HISTORY_HELP")}},
        //: kivvo-cli rules output, after the seal.
        //: %1: on or off (IDS_CLI_ON, IDS_CLI_OFF)
        {IDS_CLI_QUOTE_HISTORY,
         {QT_TRANSLATE_NOOP3("Kivvo", "quote earlier drawings: %1\n", "IDS_CLI_QUOTE_HISTORY")}},
        //: Asked before sending, printing cards or the round after a repair.
        //: %1: how many participants were told a recipient that is no longer theirs
        {IDS_ASK_TELL_CHANGED,
         {QT_TRANSLATE_N_NOOP3("Kivvo",
                               "Participants whose recipient is not the one they were told: "
                               "%1.\r\n\r\nTell only them, or everybody?",
                               "IDS_ASK_TELL_CHANGED"),
          0}},
        {IDS_BUTTON_ONLY_CHANGED,
         {QT_TRANSLATE_NOOP3("Kivvo", "&Only Them", "IDS_BUTTON_ONLY_CHANGED")}},
        {IDS_BUTTON_EVERYBODY, {QT_TRANSLATE_NOOP3("Kivvo", "&Everybody", "IDS_BUTTON_EVERYBODY")}},
        //: kivvo-cli send and cards with --changed.
        //: %1: how many participants are told again
        {IDS_CLI_CHANGED_COUNT,
         {QT_TRANSLATE_N_NOOP3("Kivvo",
                               "Participants whose recipient is not the one they were told: %1",
                               "IDS_CLI_CHANGED_COUNT"),
          0}},
        {IDS_NOBODY_TOLD_YET,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Nobody has been told anything of this drawing yet: tell "
                             "everybody.",
                             "IDS_NOBODY_TOLD_YET")}},
        {IDS_NOBODY_TO_TELL_AGAIN,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Everybody already knows his recipient: nobody's changed since he "
                             "was told.",
                             "IDS_NOBODY_TO_TELL_AGAIN")}},
        //: kivvo-cli status, one line per participant.
        //: %1: the participant; %2: how he was told (IDS_TOLD_BY_MAIL...); %3: the date; %4: the
        //: time
        {IDS_STATUS_TOLD,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1: told %2, last on %3 at %4", "IDS_STATUS_TOLD")}},
        //: kivvo-cli status, one line per participant.
        //: %1: the participant; %2: how he was told (IDS_TOLD_BY_MAIL...); %3: the date; %4: the
        //: time
        {IDS_STATUS_TOLD_CHANGED,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "%1: told %2, last on %3 at %4; his recipient changed since: tell "
                             "him again",
                             "IDS_STATUS_TOLD_CHANGED")}},
        //: kivvo-cli status. %1: the participant
        {IDS_STATUS_NOT_TOLD,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1: not told yet", "IDS_STATUS_NOT_TOLD")}},
        //: kivvo-cli status. %1: the participant
        {IDS_STATUS_NOT_DRAWN,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1: no drawn name yet", "IDS_STATUS_NOT_DRAWN")}},
        {IDS_TOLD_BY_MAIL, {QT_TRANSLATE_NOOP3("Kivvo", "by e-mail", "IDS_TOLD_BY_MAIL")}},
        {IDS_TOLD_ON_CARD, {QT_TRANSLATE_NOOP3("Kivvo", "on a card", "IDS_TOLD_ON_CARD")}},
        {IDS_TOLD_IN_ROUND,
         {QT_TRANSLATE_NOOP3("Kivvo", "in the pass-around round", "IDS_TOLD_IN_ROUND")}},
        //: Before names are sent, printed or shown in the round. %1: the document's file
        {IDS_FILE_OTHER_DRAWING,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Another program changed %1 since it was opened here, and the file "
                             "now holds another drawing than this window. Nothing was sent, "
                             "printed or shown.\r\n\r\nOpen the file as it is now?",
                             "IDS_FILE_OTHER_DRAWING")}},
        {IDS_SAVE_BEFORE_TELLING,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Before the first name goes out, the drawing is saved, so that what "
                             "the participants are told is never lost. Choose where to keep it.",
                             "IDS_SAVE_BEFORE_TELLING")}},
        //: kivvo-cli rules output, when the document has an e-mail language of its own.
        //: %1: the language's own name; %2: its code
        {IDS_CLI_MAIL_LANGUAGE,
         {QT_TRANSLATE_NOOP3("Kivvo", "e-mail language: %1 (%2)\n", "IDS_CLI_MAIL_LANGUAGE")}},
        //: Above an empty list in the main window.
        //: %1: the Insert key's name; %2: the Exchange menu; %3: its item Add Person
        {IDS_EMPTY_LIST_HINT,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "This list is empty. Add the first person with %1 or %2 → %3.",
                             "IDS_EMPTY_LIST_HINT")}},
        //: Role of a person, in the person window.
        {IDS_ROLE_BOTH, {QT_TRANSLATE_NOOP3("Kivvo", "Gives and receives", "IDS_ROLE_BOTH")}},
        //: Role of a person, in the person window.
        {IDS_ROLE_GIVES, {QT_TRANSLATE_NOOP3("Kivvo", "Gives only", "IDS_ROLE_GIVES")}},
        //: Role of a person, in the person window.
        {IDS_ROLE_RECEIVES, {QT_TRANSLATE_NOOP3("Kivvo", "Receives only", "IDS_ROLE_RECEIVES")}},
        //: Label in the person window; its & letter differs from those of Add and Remove there.
        {IDS_ROLE_LABEL, {QT_TRANSLATE_NOOP3("Kivvo", "Ro&le:", "IDS_ROLE_LABEL")}},
        //: Label in the Rules window; its & letter differs from those of the other rules there.
        {IDS_GIFTS_LABEL, {QT_TRANSLATE_NOOP3("Kivvo", "&Gifts per giver:", "IDS_GIFTS_LABEL")}},
        //: Rules window and messages: why "one circle" is not available.
        {IDS_CIRCLE_UNAVAILABLE,
         {QT_TRANSLATE_NOOP3(
             "Kivvo", "One circle needs every person to give and receive, with one gift each.",
             "IDS_CIRCLE_UNAVAILABLE")}},
        //: Why names cannot be drawn.
        {IDS_DRAW_CIRCLE_NEEDS_ONE,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "One circle needs every person to give and receive, with one gift each. Turn it off "
             "in Exchange > Rules, or let every person give and receive one gift, then draw again.",
             "IDS_DRAW_CIRCLE_NEEDS_ONE")}},
        //: Why names cannot be drawn.
        {IDS_DRAW_NOBODY_GIVES,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Nobody in this list gives a gift: every person receives only.",
                             "IDS_DRAW_NOBODY_GIVES")}},
        //: Why names cannot be drawn.
        {IDS_DRAW_NOBODY_RECEIVES,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Nobody in this list receives a gift: every person gives only.",
                             "IDS_DRAW_NOBODY_RECEIVES")}},
        //: Why names cannot be drawn.
        //: %1: persons who receive; %2: gifts given in all; %3: gifts per giver
        {IDS_DRAW_FEW_GIFTS,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Too few gifts: %1 persons receive a gift, but the givers give only "
                             "%2 in all (%3 each).",
                             "IDS_DRAW_FEW_GIFTS")}},
        //: Follows IDS_DRAW_FEW_GIFTS.
        //: %1: a number
        {IDS_DRAW_RECEIVE_ONLY_COUNT,
         {QT_TRANSLATE_NOOP3("Kivvo", " Persons who receive only: %1.",
                             "IDS_DRAW_RECEIVE_ONLY_COUNT")}},
        //: Ends IDS_DRAW_FEW_GIFTS.
        {IDS_DRAW_FEW_GIFTS_HINT,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "\r\n\r\nLet more persons give, or raise the gifts per giver "
                             "(Exchange > Rules), then draw again.",
                             "IDS_DRAW_FEW_GIFTS_HINT")}},
        //: Why names cannot be drawn.
        //: %1: givers; %2: their gifts in all; %3: the persons they may give to; %4: a number
        {IDS_DRAW_GIVERS_SHORT,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "The gifts of %1 (%2 in all) can go only to %3, who can take at most %4 of them.",
             "IDS_DRAW_GIVERS_SHORT")}},
        //: Why names cannot be drawn.
        //: %1: givers
        {IDS_DRAW_GIVERS_SHORT_NOBODY,
         {QT_TRANSLATE_NOOP3("Kivvo", "The gifts of %1 can go to nobody.",
                             "IDS_DRAW_GIVERS_SHORT_NOBODY")}},
        //: Why names cannot be drawn.
        //: %1: receivers; %2: a number; %3: givers; %4: a number
        {IDS_DRAW_RECEIVERS_SHORT,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "%1 must get at least %2 of the gifts, but only %3 may give to them, "
                             "at most %4 in all.",
                             "IDS_DRAW_RECEIVERS_SHORT")}},
        //: Why names cannot be drawn.
        //: %1: receivers; %2: a number
        {IDS_DRAW_RECEIVERS_SHORT_NOBODY,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "%1 must get at least %2 of the gifts, but nobody may give to them.",
                             "IDS_DRAW_RECEIVERS_SHORT_NOBODY")}},
        //: Why names cannot be drawn.
        {IDS_DRAW_NO_MUTUAL_NONE,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "In every drawing of this list, two persons would give to each other. Allow pairs who "
             "draw each other (Exchange > Rules) or give fewer gifts each, then draw again.",
             "IDS_DRAW_NO_MUTUAL_NONE")}},
        //: Problem with the drawn names, listed after a colon.
        //: %1: the giver; %2, %3: numbers
        {IDS_CHECK_GIFT_COUNT,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 has %2 drawn names instead of %3",
                             "IDS_CHECK_GIFT_COUNT")}},
        //: Problem with the drawn names, listed after a colon.
        //: %1: a person
        {IDS_CHECK_RECEIVES_ONLY,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 receives only, but has a drawn name",
                             "IDS_CHECK_RECEIVES_ONLY")}},
        //: Problem with the drawn names, listed after a colon.
        //: %1: the person drawn; %2: who drew him
        {IDS_CHECK_GIVES_ONLY_DRAWN,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 gives only, but %2 drew him",
                             "IDS_CHECK_GIVES_ONLY_DRAWN")}},
        //: Problem with the drawn names, listed after a colon.
        //: %1: the giver; %2: the person drawn
        {IDS_CHECK_SAME_TWICE,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 drew %2 twice", "IDS_CHECK_SAME_TWICE")}},
        //: Problem with the drawn names, listed after a colon.
        //: %1: a person; %2: a number; %3: a number, or IDS_COUNT_OR
        {IDS_CHECK_RECEIVED_COUNT,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 gets %2 gifts, where every person gets %3",
                             "IDS_CHECK_RECEIVED_COUNT")}},
        //: Two numbers, as in "1 or 2".
        {IDS_COUNT_OR, {QT_TRANSLATE_NOOP3("Kivvo", "%1 or %2", "IDS_COUNT_OR")}},
        //: Pass-around round, a giver with several recipients.
        //: %1: their names
        {IDS_GET_GIFTS_FOR,
         {QT_TRANSLATE_NOOP3("Kivvo", "Get gifts for: %1", "IDS_GET_GIFTS_FOR")}},
        //: kivvo-cli usage error, after "kivvo-cli: ". Keep the option values in English.
        //: %1: the value given
        {IDS_CLI_BAD_ROLE,
         {QT_TRANSLATE_NOOP3("Kivvo", "--role takes both, gives or receives, not \"%1\"",
                             "IDS_CLI_BAD_ROLE")}},
        //: kivvo-cli usage error, after "kivvo-cli: ".
        //: %1: the largest number allowed; %2: the value given
        {IDS_CLI_BAD_GIFTS,
         {QT_TRANSLATE_NOOP3("Kivvo", "--gifts takes a number from 1 to %1, not \"%2\"",
                             "IDS_CLI_BAD_GIFTS")}},
        //: kivvo-cli rules output.
        {IDS_CLI_GIFTS_LINE,
         {QT_TRANSLATE_NOOP3("Kivvo", "gifts per giver: %1\n", "IDS_CLI_GIFTS_LINE")}},
        //: Notification e-mail, a giver with several recipients.
        //: %1: the giver; %2: the recipients
        {IDS_NOTE_DRAWN_NAMES,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "\r\n\r\n\r\nThe names randomly drawn for %1 to give gifts to are "
                             "%2.\r\n\r\nThank you.\r\n\r\n",
                             "IDS_NOTE_DRAWN_NAMES")}},
        //: Notification e-mail, a giver with several recipients.
        //: %1: the giver; %2: the recipients
        {IDS_NOTE_DRAWN_NAMES_LISTS_KEPT,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "\r\n\r\n\r\nThe names randomly drawn for %1 to give gifts to are %2.\r\n\r\nThe "
             "lists of this circle are too long to quote in every e-mail: ask the organiser if you "
             "want to see them.\r\n\r\nThank you.\r\n\r\n",
             "IDS_NOTE_DRAWN_NAMES_LISTS_KEPT")}},
        //: Notification e-mail, a giver with several recipients.
        //: %1: the giver; %2: the recipients
        {IDS_NOTE_DRAWN_NAMES_ONLY,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "\r\n\r\n\r\nThe names randomly drawn for %1 to give gifts to are %2.\r\n\r\n",
             "IDS_NOTE_DRAWN_NAMES_ONLY")}},
        //: Notification e-mail, a giver with several recipients.
        //: %1: a recipient; %2: his suggestions. One line each, after the drawn names.
        {IDS_NOTE_SUGGESTIONS_FOR,
         {QT_TRANSLATE_NOOP3("Kivvo", "Gift Suggestions for %1: %2", "IDS_NOTE_SUGGESTIONS_FOR")}},
        //: Cards and the pass-around round: a recipient and his suggestions.
        {IDS_IDEAS_OF, {QT_TRANSLATE_NOOP3("Kivvo", "%1: %2", "IDS_IDEAS_OF")}},
        //: Mark after a name in the list.
        {IDS_ROLE_MARK_GIVES, {QT_TRANSLATE_NOOP3("Kivvo", "gives only", "IDS_ROLE_MARK_GIVES")}},
        //: Mark after a name in the list.
        {IDS_ROLE_MARK_RECEIVES,
         {QT_TRANSLATE_NOOP3("Kivvo", "receives only", "IDS_ROLE_MARK_RECEIVES")}},
        //: A name in the list with a mark.
        //: %1: the name; %2: IDS_ROLE_MARK_GIVES or IDS_ROLE_MARK_RECEIVES
        {IDS_ROLE_MARKED, {QT_TRANSLATE_NOOP3("Kivvo", "%1 (%2)", "IDS_ROLE_MARKED")}},
        //: Message when a notification is asked for a person who receives only.
        //: %1: the person
        {IDS_NOTHING_TO_TELL,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "%1 receives only and gives no gift: there is nothing to tell him.",
                             "IDS_NOTHING_TO_TELL")}},
        //: Message.
        {IDS_BAD_GIFTS,
         {QT_TRANSLATE_NOOP3("Kivvo", "Every giver gives from 1 to %1 gifts.", "IDS_BAD_GIFTS")}},
        //: Tip of Draw Names while it is greyed.
        {IDS_TIP_DRAW_NEEDS_THREE,
         {QT_TRANSLATE_NOOP3("Kivvo", "Draw Names needs at least three persons in the list",
                             "IDS_TIP_DRAW_NEEDS_THREE")}},
        {IDS_CLI_SEAL_KEPT,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: the seal was kept; nothing was changed",
                             "IDS_CLI_SEAL_KEPT")}},
        //: Mail Settings window and kivvo-cli config output.
        //: %1: the keyring's own reason; %2: the settings file's path
        {IDS_PASSWORD_KEYRING_REFUSED,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "The desktop's keyring refused to keep the password (%1): it is "
                             "kept in the settings file %2, which only you can read.",
                             "IDS_PASSWORD_KEYRING_REFUSED")}},
        {IDS_PASSWORD_NONE, {QT_TRANSLATE_NOOP3("Kivvo", "not set", "IDS_PASSWORD_NONE")}},
        //: kivvo-cli config error on stderr.
        //: %1: the option without dashes; %2: what is wrong, a whole sentence
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
        //: Reason why an e-mail failed.
        //: %1: the mail server's reply
        {IDS_SMTP_TRY_LATER,
         {QT_TRANSLATE_NOOP3("Kivvo", "the server cannot take the message now: %1; try again later",
                             "IDS_SMTP_TRY_LATER")}},
        {IDS_SMTP_TOO_LONG_UNCONFIRMED,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "the server's confirmation of the message was longer than any mail server's; it may "
             "have arrived, so it is not sent again",
             "IDS_SMTP_TOO_LONG_UNCONFIRMED")}},
        //: Reason why mail failed.
        //: %1: the line the server sent
        {IDS_SMTP_NOT_SMTP,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "the server's reply is not SMTP: \"%1\"; the connection was closed",
                             "IDS_SMTP_NOT_SMTP")}},
        {IDS_SMTP_OUT_OF_TURN,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "the server sent a reply to a command this program had not sent "
                             "yet; the connection was closed",
                             "IDS_SMTP_OUT_OF_TURN")}},
        //: Reason why an e-mail may have failed.
        //: %1: what the server did wrong, one of the two texts above
        {IDS_SMTP_FAULT_UNCONFIRMED,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "%1, after the message had been sent in full; it may have arrived, "
                             "so it is not sent again",
                             "IDS_SMTP_FAULT_UNCONFIRMED")}},
        //: Reason why an e-mail failed.
        //: %1: the e-mail address
        {IDS_SMTP_NEEDS_UTF8,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "the address %1 has characters beyond ASCII before the @, which "
                             "this server does not take (it offers no SMTPUTF8)",
                             "IDS_SMTP_NEEDS_UTF8")}},
        //: Shown in the sending window and by kivvo-cli send.
        //: %1: the mail server as host:port; %2: the reason
        {IDS_SEND_SERVER_FAULT,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "The mail server %1 did not keep to the mail protocol (SMTP).\r\n%2"
                             "\r\n\r\nNothing more was sent, so that no reply is taken for "
                             "another message's. Tell whoever runs the server.",
                             "IDS_SEND_SERVER_FAULT")}},
        //: Shown in the sending window and by kivvo-cli send.
        //: %1: the mail server as host:port; %2: the reason
        {IDS_SEND_SERVER_SILENT,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "The mail server %1 stopped answering.\r\n%2\r\n\r\nNothing "
                             "more was sent. Try again later.",
                             "IDS_SEND_SERVER_SILENT")}},
        //: Reason in a line of the sending window, for e-mails not sent.
        //: %1: why the server stopped
        {IDS_SEND_SERVER_STOPPED,
         {QT_TRANSLATE_NOOP3("Kivvo", "not sent, since the mail server could not go on: %1",
                             "IDS_SEND_SERVER_STOPPED")}},
        //: Question in the sending window before sending again.
        //: %1: the participant's name; %2: his e-mail address; %3: the reason
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
        //: Reason why the settings were not saved.
        //: %1: why the settings file there cannot be read
        {IDS_SETTINGS_NOT_REPLACED,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "the settings file there cannot be read (%1); it is left as it is rather than "
             "replaced by settings that never saw what it holds. Make it readable or remove it, "
             "then try again",
             "IDS_SETTINGS_NOT_REPLACED")}},
        //: Message box when a document cannot be saved.
        //: %1: the document's path; %2: the lock file's path
        {IDS_DOC_LOCKED,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "\"%1\" is being changed by another program (lock file \"%2\"), so it was not saved. "
             "Try again in a moment.",
             "IDS_DOC_LOCKED")}},
        //: Reason in the save error.
        //: %1: the lock file's path; %2: the system's reason
        {IDS_LOCK_NOT_MADE,
         {QT_TRANSLATE_NOOP3("Kivvo", "cannot create the lock file \"%1\" beside it: %2",
                             "IDS_LOCK_NOT_MADE")}},
        //: Reason in the save error.
        //: %1: the size in bytes; %2: the largest size allowed
        {IDS_ERR_SAVE_TOO_LARGE,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "it would take %1 bytes, more than the %2 bytes of the largest file this program "
             "opens; nothing was written. Remove drawings or shorten texts, then save again",
             "IDS_ERR_SAVE_TOO_LARGE")}},
        //: Reason in a file error.
        //: %1: the largest number of persons and groups
        {IDS_ERR_TOO_MANY_ENTRIES,
         {QT_TRANSLATE_NOOP3(
             "Kivvo", "it holds more than %1 persons and groups, more than this program opens",
             "IDS_ERR_TOO_MANY_ENTRIES")}},
        //: Reason in the save error.
        //: %1: the system's reason
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
        //: Warning when the keyring cannot be used.
        //: %1: the reason; %2: the settings file's path
        {IDS_KEYRING_SILENT,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "The desktop's keyring does not answer (%1). Kivvo goes on without it: the mail "
             "password is taken from and kept in the settings file %2, which only you can read.",
             "IDS_KEYRING_SILENT")}},
        //: Reason why the keyring cannot be used.
        //: %1: the number of seconds waited
        {IDS_KEYRING_NO_ANSWER,
         {QT_TRANSLATE_N_NOOP3("Kivvo", "no answer within %1 seconds", "IDS_KEYRING_NO_ANSWER"),
          0}},
        //: Title of the Draw names window.
        //: %1: the drawing's name
        {IDS_DRAWNAMES_TITLE,
         {QT_TRANSLATE_NOOP3("Kivvo", "Draw names — %1", "IDS_DRAWNAMES_TITLE")}},
        //: Title of the View notifications window.
        //: %1: the drawing's name
        {IDS_SHOWNAMES_TITLE,
         {QT_TRANSLATE_NOOP3("Kivvo", "View notifications — %1", "IDS_SHOWNAMES_TITLE")}},
        //: Question when closing the Draw names window early.
        //: %1: the number of participants
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
        //: The next step in the Draw names window, in words. "Draw name" is the first line of
        //: the button's text (IDS_REVEAL_DRAW). %1: the participant's name
        {IDS_STEP_HAND_TO,
         {QT_TRANSLATE_NOOP3("Kivvo", "Hand the screen to %1, then press Draw name.",
                             "IDS_STEP_HAND_TO")}},
        //: The next step in the View notifications window. "Show name" is the first line of
        //: the button's text (IDS_REVEAL_SHOW). %1: the participant's name
        {IDS_STEP_SHOW_FOR,
         {QT_TRANSLATE_NOOP3("Kivvo", "Press Show name to see whom %1 gives a gift to.",
                             "IDS_STEP_SHOW_FOR")}},
        //: The next step while the drawn name is on the screen.
        {IDS_STEP_READ,
         {QT_TRANSLATE_NOOP3("Kivvo", "Read the name, then press Done to hide it again.",
                             "IDS_STEP_READ")}},
        //: The next step in the Draw names window after Done. %1: the next participant's name
        {IDS_STEP_NEXT_TO,
         {QT_TRANSLATE_NOOP3("Kivvo", "Press Next and hand the screen to %1.",
                             "IDS_STEP_NEXT_TO")}},
        //: The next step in the View notifications window after Done.
        //: %1: the next participant's name
        {IDS_STEP_NEXT_SHOW,
         {QT_TRANSLATE_NOOP3("Kivvo", "Press Next to go on to %1.", "IDS_STEP_NEXT_SHOW")}},
        {IDS_STEP_GO_ON,
         {QT_TRANSLATE_NOOP3("Kivvo", "Press Next to go on to those who have not looked yet.",
                             "IDS_STEP_GO_ON")}},
        {IDS_STEP_GO_BACK,
         {QT_TRANSLATE_NOOP3("Kivvo", "Press Previous to go back to those who have not looked yet.",
                             "IDS_STEP_GO_BACK")}},
        //: The last step of the Draw names window, once every name was seen.
        {IDS_STEP_CLICK_OK,
         {QT_TRANSLATE_NOOP3("Kivvo", "Click OK to close this window.", "IDS_STEP_CLICK_OK")}},
        //: Closing screen of the Draw names window.
        {IDS_ROUND_ALL_LOOKED,
         {QT_TRANSLATE_NOOP3("Kivvo", "Everybody has seen his name.", "IDS_ROUND_ALL_LOOKED")}},
        //: Closing screen of the View notifications window.
        {IDS_ROUND_ALL_SHOWN,
         {QT_TRANSLATE_NOOP3("Kivvo", "Every name has been shown.", "IDS_ROUND_ALL_SHOWN")}},
        //: Question after a round that was ended before everybody had seen his name.
        {IDS_ASK_SEND_NOT_ALL_LOOKED,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Not everybody has seen his name in the round. Would you like to "
                             "send emails now?",
                             "IDS_ASK_SEND_NOT_ALL_LOOKED")}},
        //: Column headings of the sending window.
        {IDS_SEND_COLUMN_PERSON,
         {QT_TRANSLATE_NOOP3("Kivvo", "Participant", "IDS_SEND_COLUMN_PERSON")}},
        {IDS_SEND_COLUMN_ADDRESS,
         {QT_TRANSLATE_NOOP3("Kivvo", "Address", "IDS_SEND_COLUMN_ADDRESS")}},
        {IDS_SEND_COLUMN_OUTCOME,
         {QT_TRANSLATE_NOOP3("Kivvo", "Outcome", "IDS_SEND_COLUMN_OUTCOME")}},
        {IDS_SEND_COLUMN_REASON, {QT_TRANSLATE_NOOP3("Kivvo", "Reason", "IDS_SEND_COLUMN_REASON")}},
        //: One participant's outcome in the sending window: not yet sent.
        {IDS_OUTCOME_WAITING, {QT_TRANSLATE_NOOP3("Kivvo", "Waiting", "IDS_OUTCOME_WAITING")}},
        //: One participant's outcome in the sending window: the server confirmed his e-mail.
        {IDS_OUTCOME_SENT, {QT_TRANSLATE_NOOP3("Kivvo", "Sent", "IDS_OUTCOME_SENT")}},
        //: One participant's outcome in the sending window: he has no address.
        {IDS_OUTCOME_SKIPPED, {QT_TRANSLATE_NOOP3("Kivvo", "Skipped", "IDS_OUTCOME_SKIPPED")}},
        //: One participant's outcome in the sending window: the server refused his e-mail.
        {IDS_OUTCOME_FAILED, {QT_TRANSLATE_NOOP3("Kivvo", "Failed", "IDS_OUTCOME_FAILED")}},
        //: One participant's outcome in the sending window: sending stopped before his e-mail.
        {IDS_OUTCOME_NOT_SENT, {QT_TRANSLATE_NOOP3("Kivvo", "Not sent", "IDS_OUTCOME_NOT_SENT")}},
        //: Reason column of the sending window for a participant without an address.
        {IDS_OUTCOME_NO_ADDRESS,
         {QT_TRANSLATE_NOOP3("Kivvo", "no email address", "IDS_OUTCOME_NO_ADDRESS")}},
        //: Question before sending when an older list is shown.
        //: %1: the newest list's name; %2: the shown list's name
        {IDS_ASK_SEND_NEWEST,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "Send email now to all participants of the newest list, \"%1\", with email addresses "
             "entered.\r\n\r\nThe list shown, \"%2\", is an older one: its drawing is not sent.",
             "IDS_ASK_SEND_NEWEST")}},
        //: Question before sending to one person when an older list is shown.
        //: %1: the person's name; %2: the newest list's name; %3: the shown list's name
        {IDS_ASK_SEND_ONE_NEWEST,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "Send %1 the name drawn in the newest list, \"%2\"?\r\n\r\nThe list shown, \"%3\", is "
             "an older one: its drawing is not sent.",
             "IDS_ASK_SEND_ONE_NEWEST")}},
        //: Message box when sending to one person.
        //: %1: the person's name; %2: the newest list's name
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
        //: Message box when sending to one person.
        //: %1: the person's name; %2: the newest list's name
        {IDS_NO_ADDRESS_NEWEST,
         {QT_TRANSLATE_NOOP3(
             "Kivvo", "%1 has no e-mail address in the newest list, \"%2\"; nothing was sent.",
             "IDS_NO_ADDRESS_NEWEST")}},
        {IDS_MENU_PRINT_CARDS,
         {QT_TRANSLATE_NOOP3("Kivvo", "Print &Cards...", "IDS_MENU_PRINT_CARDS")}},
        //: Printed card, outside, in large type.
        //: %1: the giver's name
        {IDS_CARD_FOR, {QT_TRANSLATE_NOOP3("Kivvo", "For %1", "IDS_CARD_FOR")}},
        {IDS_CARD_FOLD_HINT,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "Fold the flap up along the dashed line. Open it only when you "
                             "are alone.",
                             "IDS_CARD_FOLD_HINT")}},
        //: Printed card, inside, above the drawn name.
        //: %1: the giver's name
        {IDS_CARD_GIVES_TO,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 gives a gift to", "IDS_CARD_GIVES_TO")}},
        //: Printed card.
        //: %1: the drawn person's gift suggestions
        {IDS_CARD_SUGGESTIONS,
         {QT_TRANSLATE_NOOP3("Kivvo", "Suggestions: %1", "IDS_CARD_SUGGESTIONS")}},
        {IDS_CARD_FLAP, {QT_TRANSLATE_NOOP3("Kivvo", "fold up", "IDS_CARD_FLAP")}},
        //: Paper card, last line of a text too long for the card.
        {IDS_CARD_CONTINUES,
         {QT_TRANSLATE_NOOP3("Kivvo", "Continued on the next card", "IDS_CARD_CONTINUES")}},
        //: Paper card, under the giver's name on a card that goes on with the card before.
        {IDS_CARD_CONTINUED, {QT_TRANSLATE_NOOP3("Kivvo", "(continued)", "IDS_CARD_CONTINUED")}},
        //: Paper card, last line of the last card a participant's texts may take.
        {IDS_CARD_TOO_LONG,
         {QT_TRANSLATE_NOOP3("Kivvo", "The rest is too long for the cards", "IDS_CARD_TOO_LONG")}},
        //: kivvo-cli cards error on stderr.
        //: %1: the PDF file's path; %2: the reason
        {IDS_CARDS_WRITE_ERROR,
         {QT_TRANSLATE_NOOP3("Kivvo", "kivvo-cli: cannot write the cards to \"%1\": %2",
                             "IDS_CARDS_WRITE_ERROR")}},
        //: Title of the print dialog and of the PDF.
        //: %1: the drawing's name
        {IDS_CARDS_PRINT_TITLE,
         {QT_TRANSLATE_NOOP3("Kivvo", "Print Cards — %1", "IDS_CARDS_PRINT_TITLE")}},
        //: kivvo-cli cards output.
        //: %1: the number of cards; %2: the drawing's name; %3: the PDF file's path
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
        //: Message box when printing cards fails.
        //: %1: the reason
        {IDS_CARDS_PRINT_ERROR,
         {QT_TRANSLATE_NOOP3("Kivvo", "The cards could not be printed: %1",
                             "IDS_CARDS_PRINT_ERROR")}},
        {IDS_CARDS_NO_DEVICE,
         {QT_TRANSLATE_NOOP3("Kivvo", "the printer or the file could not be written",
                             "IDS_CARDS_NO_DEVICE")}},
        {IDS_CARDS_NO_PAGE,
         {QT_TRANSLATE_NOOP3("Kivvo", "a new page could not be started", "IDS_CARDS_NO_PAGE")}},
        //: Name of the print job.
        //: %1: the drawing's name
        {IDS_CARDS_DOC_NAME, {QT_TRANSLATE_NOOP3("Kivvo", "Cards %1", "IDS_CARDS_DOC_NAME")}},
        //: kivvo-cli cards output.
        //: %1: the drawing's name; %2: the PDF file's path
        {IDS_CLI_CARD_WRITTEN,
         {QT_TRANSLATE_NOOP3("Kivvo", "1 card of \"%1\" written to \"%2\"",
                             "IDS_CLI_CARD_WRITTEN")}},
        //: Note after printing cards.
        //: %1: the number of cards
        {IDS_CARDS_PRINTED,
         {QT_TRANSLATE_N_NOOP3("Kivvo", "%1 cards sent to the printer.", "IDS_CARDS_PRINTED"), 0}},
        // 22500-22599
        {IDS_MENU_UNDO, {QT_TRANSLATE_NOOP3("Kivvo", "&Undo", "IDS_MENU_UNDO")}},
        {IDS_MENU_REDO, {QT_TRANSLATE_NOOP3("Kivvo", "&Redo", "IDS_MENU_REDO")}},
        //: Edit menu item.
        //: %1: the step to undo, such as Add Person
        {IDS_MENU_UNDO_WHAT, {QT_TRANSLATE_NOOP3("Kivvo", "&Undo %1", "IDS_MENU_UNDO_WHAT")}},
        //: Edit menu item.
        //: %1: the step to redo, such as Add Person
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
        //: Main window note on a past exchange, and message box when changing it.
        //: %1: the list's name
        {IDS_HISTORY_NOTE,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "%1 — a past exchange; its drawing keeps anyone from drawing "
                             "the same person again. Only its name can be changed.",
                             "IDS_HISTORY_NOTE")}},
        //: Tooltip of a person in the list.
        //: %1: the person's name
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
        //: Title of the Import Participants window.
        //: %1: the list's name
        {IDS_IMPORT_TITLE,
         {QT_TRANSLATE_NOOP3("Kivvo", "Import Participants — %1", "IDS_IMPORT_TITLE")}},
        //: Import Participants window, above the table.
        //: %1: the number of persons; %2: the list's name
        {IDS_IMPORT_TO_ADD,
         {QT_TRANSLATE_N_NOOP3("Kivvo", "%1 persons will be added to \"%2\":", "IDS_IMPORT_TO_ADD"),
          0}},
        //: Import Participants window.
        //: %1: the names left out, separated by commas
        {IDS_IMPORT_LEFT_OUT,
         {QT_TRANSLATE_NOOP3("Kivvo", "Already in the list, so left out: %1",
                             "IDS_IMPORT_LEFT_OUT")}},
        //: Import Participants window.
        //: %1: the reason, a whole sentence
        {IDS_IMPORT_FAILED,
         {QT_TRANSLATE_NOOP3("Kivvo", "Nothing will be imported. %1", "IDS_IMPORT_FAILED")}},
        //: Import Participants window.
        //: %1: the list's name
        {IDS_IMPORT_NOBODY_NEW,
         {QT_TRANSLATE_NOOP3("Kivvo", "Everybody in the file is in \"%1\" already: nobody to add.",
                             "IDS_IMPORT_NOBODY_NEW")}},
        {IDS_IMPORT_COL_NAME, {QT_TRANSLATE_NOOP3("Kivvo", "Name", "IDS_IMPORT_COL_NAME")}},
        {IDS_IMPORT_COL_ADDRESS,
         {QT_TRANSLATE_NOOP3("Kivvo", "Address", "IDS_IMPORT_COL_ADDRESS")}},
        {IDS_IMPORT_COL_GROUP, {QT_TRANSLATE_NOOP3("Kivvo", "Group", "IDS_IMPORT_COL_GROUP")}},
        //: Import Participants window, above the table.
        //: %1: the list's name
        {IDS_IMPORT_TO_ADD_ONE,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "1 person will be added to \"%1\":", "IDS_IMPORT_TO_ADD_ONE")}},
        //: Notification e-mail, instead of the previous list.
        //: %1: the number of persons
        {IDS_NOTE_PREVIOUS_NOT_QUOTED,
         {QT_TRANSLATE_N_NOOP3(
              "Kivvo",
              "The list of who gave a gift to whom in the previous exchange (%1 persons) is too "
              "long to quote in every e-mail; the organiser has it.\r\n",
              "IDS_NOTE_PREVIOUS_NOT_QUOTED"),
          0}},
        //: Notification e-mail, instead of the current list.
        //: %1: the number of persons
        {IDS_NOTE_CURRENT_NOT_QUOTED,
         {QT_TRANSLATE_N_NOOP3(
              "Kivvo",
              "\r\nThe current list of names (%1 persons) is too long to quote in every e-mail; "
              "the organiser has it.\r\n",
              "IDS_NOTE_CURRENT_NOT_QUOTED"),
          0}},
        //: Notification e-mail.
        //: %1: the participant's name; %2: the name he drew
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
        //: kivvo-cli send error on stderr.
        //: %1: the options still to set, such as --server, --from
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
        //: kivvo-cli config note on stderr.
        //: %1: the options still to set, such as --server, --from
        {IDS_CLI_MAIL_STILL_NOT_SET_UP,
         {QT_TRANSLATE_NOOP3(
             "Kivvo", "Mail is not set up yet: %1 still to be set before e-mails can be sent.",
             "IDS_CLI_MAIL_STILL_NOT_SET_UP")}},
        //: Question before deleting a group.
        //: %1: the group's name; %2: the number of persons in it
        {IDS_ASK_DELETE_GROUP,
         {QT_TRANSLATE_N_NOOP3("Kivvo", "Delete the group %1 with its %2 persons?",
                               "IDS_ASK_DELETE_GROUP"),
          1}},
        //: Question before deleting a group.
        //: %1: the group's name
        {IDS_ASK_DELETE_GROUP_ONE,
         {QT_TRANSLATE_NOOP3("Kivvo", "Delete the group %1 with its one person?",
                             "IDS_ASK_DELETE_GROUP_ONE")}},
        {IDS_ADDRESS_NOT_PLAUSIBLE,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "Neither an e-mail address (such as ann@example.org) nor a name from your address "
             "book: no e-mail can be sent to it.",
             "IDS_ADDRESS_NOT_PLAUSIBLE")}},
        //: kivvo-cli warning on stderr.
        //: %1: the address as given
        {IDS_CLI_ADDRESS_NOT_PLAUSIBLE,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "kivvo-cli: warning: \"%1\" is neither an e-mail address nor a name from the "
             "address book; no e-mail can be sent to it",
             "IDS_CLI_ADDRESS_NOT_PLAUSIBLE")}},
        {IDS_MENU_DETAILS, {QT_TRANSLATE_NOOP3("Kivvo", "De&tails...", "IDS_MENU_DETAILS")}},
        //: Title of the Exchange Details window.
        //: %1: the list's name
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
        //: Line of the notification e-mail and of the printed card.
        //: %1: the date, written out
        {IDS_DETAIL_DATE, {QT_TRANSLATE_NOOP3("Kivvo", "Date: %1", "IDS_DETAIL_DATE")}},
        //: Line of the notification e-mail and of the printed card.
        //: %1: the budget as entered
        {IDS_DETAIL_BUDGET, {QT_TRANSLATE_NOOP3("Kivvo", "Budget: %1", "IDS_DETAIL_BUDGET")}},
        //: Line of the notification e-mail and of the printed card.
        //: %1: the place as entered
        {IDS_DETAIL_PLACE, {QT_TRANSLATE_NOOP3("Kivvo", "Place: %1", "IDS_DETAIL_PLACE")}},
        //: Line of the notification e-mail and of the printed card.
        //: %1: the note as entered
        {IDS_DETAIL_NOTE, {QT_TRANSLATE_NOOP3("Kivvo", "Note: %1", "IDS_DETAIL_NOTE")}},
        {IDS_DETAIL_DATE_FORMAT,
         {QT_TRANSLATE_NOOP3("Kivvo", "d MMMM yyyy", "IDS_DETAIL_DATE_FORMAT")}},
        //: Notification e-mail.
        //: %1: the participant's name; %2: the name he drew
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
        //: Subject line of the e-mail and title of the cards.
        //: %1: the list's name; %2: the exchange's date, written out
        {IDS_SUBJECT_WITH_DATE, {QT_TRANSLATE_NOOP3("Kivvo", "%1 — %2", "IDS_SUBJECT_WITH_DATE")}},
        //: kivvo-cli details output.
        //: %1: the date as YYYY-MM-DD; %2: the budget; %3: the place; %4: the note
        {IDS_CLI_DETAILS,
         {QT_TRANSLATE_NOOP3("Kivvo", "date: %1\nbudget: %2\nplace: %3\nnote: %4",
                             "IDS_CLI_DETAILS")}},
        //: kivvo-cli details output.
        //: %1: the drawing's name
        {IDS_CLI_DETAILS_SAVED,
         {QT_TRANSLATE_NOOP3("Kivvo", "Details of \"%1\" saved", "IDS_CLI_DETAILS_SAVED")}},
        //: kivvo-cli usage error, after "kivvo-cli: ".
        //: %1: the value given to --date
        {IDS_CLI_BAD_DATE,
         {QT_TRANSLATE_NOOP3(
             "Kivvo",
             "--date takes a date as YYYY-MM-DD, or an empty value to clear it, not \"%1\"",
             "IDS_CLI_BAD_DATE")}},
        //: kivvo-cli usage error, after "kivvo-cli: ".
        //: %1: the language codes, separated by commas; %2: the value given
        {IDS_CLI_BAD_LANGUAGE,
         {QT_TRANSLATE_NOOP3("Kivvo", "--language takes one of %1, not \"%2\"",
                             "IDS_CLI_BAD_LANGUAGE")}},
        {IDS_SETTINGS_MAIL_LANGUAGE,
         {QT_TRANSLATE_NOOP3("Kivvo", "E-mail &language:", "IDS_SETTINGS_MAIL_LANGUAGE")}},
        //: Choice of the e-mail language in Mail Settings.
        //: %1: the desktop language's own name
        {IDS_SETTINGS_LANGUAGE_DESKTOP,
         {QT_TRANSLATE_NOOP3("Kivvo", "As the desktop (%1)", "IDS_SETTINGS_LANGUAGE_DESKTOP")}},
        {IDS_SETTINGS_LANGUAGE_HELP,
         {QT_TRANSLATE_NOOP3("Kivvo",
                             "The language of the e-mails and paper cards of this document only; "
                             "the program itself follows the desktop.",
                             "IDS_SETTINGS_LANGUAGE_HELP")}},
        {IDS_EDIT_MAIL_LANGUAGE,
         {QT_TRANSLATE_NOOP3("Kivvo", "E-mail Language", "IDS_EDIT_MAIL_LANGUAGE")}},
        //: kivvo-cli usage error, after "kivvo-cli: ".
        //: %1: the command
        {IDS_CLI_TAKES_NOTHING,
         {QT_TRANSLATE_NOOP3("Kivvo", "%1 takes no arguments besides options",
                             "IDS_CLI_TAKES_NOTHING")}},
        //: kivvo-cli usage error, after "kivvo-cli: ".
        //: %1: the command; %2: its arguments, such as FILE NAME
        {IDS_CLI_TAKES, {QT_TRANSLATE_NOOP3("Kivvo", "%1 takes %2", "IDS_CLI_TAKES")}},
        //: kivvo-cli usage error, after "kivvo-cli: ".
        //: %1: the command; %2: the option without dashes
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
