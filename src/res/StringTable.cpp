#include "StringTable.h"

#include "Resource.h"

#include <unordered_map>

namespace {

const std::unordered_map<int, const char16_t*>& Table()
{
    static const std::unordered_map<int, const char16_t*> table = {
        {IDS_TOOLS_MENU, u"&Tools"},
        {IDS_DOC_TEMPLATE, u"Kivvo\n\nKivvo\nKivvo (*.kv)\n.kv\nKivvo.Document\nKivvo Document"},
        {IDS_SETTINGS_MENU, u"&Settings"},
        {IDS_EXCHANGE_MENU, u"E&xchange"},
        {IDS_PROMPT_COPY_FOR_NEXT, u"Copy current list for next exchange\nCopy List"},
        {IDS_PROMPT_SEND_EMAILS, u"Send email notification of 'who to get gift for' to all "
                                 u"participants with email addresses\nSend emails"},
        {IDS_TIP_NEW, u"New"},
        {IDS_TIP_FILE, u"File"},
        {IDS_TIP_HELP, u"Help"},
        {IDS_TIP_CUT, u"Cut"},
        {IDS_TIP_COPY, u"Copy"},
        {IDS_TIP_PASTE, u"Paste"},
        {IDS_ASK_PASS_AROUND,
         u"Would you like to pass around this computer for participants to draw their own "
         u"names? You can skip any participants not present. Click OK when finished."},
        {IDS_ASK_SEND_NOW, u"Name drawing is complete. Would you like to send emails now?"},
        {IDS_ASK_DRAW_AGAIN,
         u"Names have already been drawn. Are you sure you want to draw again?\r\n\r\nIf you "
         u"would like to use the same list of names for a new drawing you should use the 'Copy "
         u"for new drawing' feature."},
        {IDS_ASK_DRAW_NOW, u"Are you sure you want to draw names now?\r\n\r\nPlease make sure "
                           u"all participant names have been entered."},
        {IDS_ASK_COPY_LIST,
         u"Are you sure you want to copy the current list to create a new list?\r\n\r\nThis "
         u"should normally only be performed after the current list is complete and gifts have "
         u"been exchanged to setup for the next exchange based on the same group of people."},
        {IDS_COPY_DONE, u"Copy current list for new drawing is complete.\r\nIt is recommended "
                        u"to rename the root node to identify the drawing such as 'Christmas "
                        u"2004'"},
        {IDS_ASK_SEND_ALL,
         u"Send email now to all participants with email addresses entered.\r\n\r\nYou may "
         u"repeat the operation as a reminder or if any email addresses are changed."},
        {IDS_SENT_SUMMARY, u"Sent emails to %d out of %d participants"},
        {IDS_SEND_ERROR, u"Error sending to [%s] email address [%s]"},
        {IDS_EMAIL_SENT, u"Email sent to: %s\r\naddress: %s"},
        {IDS_LOGON_ERROR, u"The mail server %s could not be reached or refused the login.\r\n%s"
                          u"\r\n\r\nCheck the mail settings (Settings > Configure, or "
                          u"kivvo-cli config)."},
        {IDS_DRAWING_ERROR, u"No drawing was found for this list.\r\n\r\n%s"},
        {IDS_CONTACTS_LOGIN_ERROR, u"The address book %s cannot be read: %s"},
        {IDS_CONTACTS_CLSID_ERROR, u"The address book %s cannot be read: %s"},
        {IDS_CONTACTS_CREATE_ERROR, u"The address book %s cannot be opened: %s"},

        {IDS_NEW_LIST_NAME, u"List"},
        {IDS_NEW_GROUP_NAME, u"New Group"},
        {IDS_NEW_PERSON_NAME, u"Person"},
        {IDS_COPY_SUFFIX, u" New Copy"},
        {IDS_UNIQUE_WITH_INITIAL, u"%s %s"},
        {IDS_UNIQUE_WITH_NUMBER, u"%s%d"},
        {IDS_ROOT_PLACEHOLDER, u"People"},

        {IDS_REPORT_GIFT_ARROW, u" --> "},
        {IDS_REPORT_GROUP_MARK, u"***"},
        {IDS_REPORT_MEMBER_INDENT, u"   "},
        {IDS_REPORT_LINE_END, u"\r\n"},

        {IDS_NOTE_GREETING, u"Hi %s!\r\n\r\nThis is your automatic kivvo name drawing "
                            u"message\r\n\r\n"},
        {IDS_NOTE_PRIVACY, u"This message is for %s only.\r\nPlease do not read further if "
                           u"you are not the designated person.\r\n\r\n"},
        {IDS_NOTE_PREVIOUS_GIFT, u"In the previous exchange you gave a gift to: %s.\r\nYou "
                                 u"will not draw the same name in this exchange.\r\n\r\n"},
        {IDS_NOTE_PREVIOUS_LIST, u"The following list shows who each person gave a gift to "
                                 u"in the previous exchange.\r\n\r\n"},
        {IDS_NOTE_CURRENT_LIST, u"\r\nThis is the current list of names.\r\nThe indented "
                                u"group persons cannot draw a name in the same group.\r\n"},
        {IDS_NOTE_DRAWN_NAME, u"\r\n\r\n\r\nThe name randomly drawn for %s to give a gift to "
                              u"is %s.\r\n\r\nThank you.\r\n\r\n"},
        {IDS_NOTE_SUGGESTIONS, u"\r\n\r\nGift Suggestions: %s\r\n\r\n"},
        {IDS_NOTE_BEFORE_FOOTER, u"\r\n\r\n\r\n"},

        {IDS_REVEAL_DRAW, u"Draw name\nfor %s"},
        {IDS_REVEAL_SHOW, u"Show name\nfor %s"},
        {IDS_REVEAL_SHOWN, u"Name already shown\n for %s"},
        {IDS_REVEAL_INITIAL, u"Draw Name\nfor XXXXX"},
        {IDS_GET_GIFT_FOR, u"Get gift for: %s"},
        {IDS_REVEAL_SUGGESTIONS, u"\r\nSuggestions: "},
        {IDS_PREVIOUS, u"Previous"},
        {IDS_NEXT, u"Next"},
        {IDS_DONE, u"Done"},
        {IDS_REVEAL_NOBODY, u"No participants\nin this list"},

        {IDS_PERSON_TITLE, u"Person Properties"},
        {IDS_PERSON_NAME_LABEL, u"Name:"},
        {IDS_PERSON_GIFT_TO_LABEL, u"Gift To:"},
        {IDS_PERSON_ADDRESS_LABEL, u"E-mail or address book name:"},
        {IDS_PERSON_SUGGESTIONS_LABEL, u"Gift Suggestions:"},
        {IDS_ABOUT_TITLE, u"About Kivvo"},
        {IDS_ABOUT_VERSION, u"Kivvo\nVersion 1.0"},
        {IDS_ABOUT_COPYRIGHT, u"Copyright \u00A9 2026\nQuorvale\n\nFree software under the GNU "
                              u"General Public License, version 3 or later"},
        {IDS_ABOUT_WEB_ADDRESS, u"https://www.gnu.org/licenses/gpl-3.0.html"},
        {IDS_ABOUT_CLOSE, u"Close"},

        {IDS_MENU_CONFIGURE, u"&Configure..."},
        {IDS_MENU_ADD_PERSON, u"&Add Person"},
        {IDS_MENU_ADD_GROUP, u"Add &Group"},
        {IDS_MENU_ADD_PERSON_TO_GROUP, u"Add &Person to Group"},
        {IDS_MENU_DELETE_ITEM, u"&Delete Item"},
        {IDS_MENU_RENAME_ITEM, u"Rename &Item"},
        {IDS_MENU_SEND_EMAIL_TO_PERSON, u"Send &email to Person"},
        {IDS_MENU_PERSON_PROPERTIES, u"Person Pr&operties"},
        {IDS_MENU_DRAW_NAMES, u"Draw &Names"},
        {IDS_MENU_SEND_EMAILS, u"&Send Emails"},
        {IDS_MENU_VIEW_NOTIFICATIONS, u"&View Notifications"},
        {IDS_MENU_COPY_FOR_NEXT, u"Copy for Ne&xt Exchange"},
        {IDS_MENU_SAVE_AS, u"Save &As..."},
        {IDS_MENU_ABOUT, u"A&bout Kivvo..."},
        {IDS_MENU_NEW, u"New"},
        {IDS_MENU_OPEN, u"&Open..."},
        {IDS_MENU_SAVE, u"&Save"},
        {IDS_MENU_EXIT, u"E&xit"},
        {IDS_MENU_ROOT_RENAME, u"&Rename"},
        {IDS_MENU_ROOT_ADD_GROUP, u"Add &Group"},
        {IDS_MENU_ROOT_ADD_PERSON, u"Add &Person"},
        {IDS_MENU_GROUP_RENAME, u"&Rename Group"},
        {IDS_MENU_GROUP_ADD_PERSON, u"&Add Person to Group"},
        {IDS_MENU_GROUP_DELETE, u"&Delete Group"},
        {IDS_MENU_PERSON_RENAME, u"&Rename Person"},
        {IDS_MENU_PERSON_DELETE, u"&Delete Person"},
        {IDS_MENU_PERSON_SEND, u"&Send email"},
        {IDS_MENU_CONTEXT_PROPERTIES, u"&Properties..."},
        {IDS_TIP_DRAW_NAMES, u"Draw names for the newest list\nDraw Names"},

        {IDS_UNTITLED, u"Untitled"},
        {IDS_ASK_SAVE_CHANGES, u"Save changes to %s?"},
        {IDS_FILE_FILTER, u"Kivvo (*.kv)"},
        {IDS_DOCLIST_TITLE, u"Kivvo Files"},
        {IDS_DOCLIST_ALL_FOLDERS, u"All Folders"},
        {IDS_DOCLIST_NAME, u"Name"},
        {IDS_DOCLIST_FOLDER, u"Folder"},
        {IDS_DOCLIST_MODIFIED, u"Modified"},
        {IDS_DOCLIST_NEW, u"New"},
        {IDS_DOCLIST_OPEN, u"Open"},
        {IDS_DOCLIST_EMPTY, u"No Kivvo documents in %s yet. Choose New to start one."},
        {IDS_WINDOW_TITLE, u"%s[*] - Kivvo"},

        {IDS_PROGRAM_VERSION, u"%s %s"},
        {IDS_GUI_DESCRIPTION,
         u"Kivvo organises a gift-exchange name draw. Without FILE it offers the Kivvo "
         u"documents of your documents folder."},
        {IDS_GUI_FILE_ARGUMENT, u"A Kivvo document (*.kv) to open."},
        {IDS_GUI_WRONG_ARGUMENTS, u"kivvo: %s; see kivvo --help"},
        {IDS_GUI_TOO_MANY_FILES, u"only one document can be opened at a time"},
        {IDS_OPTION_HELP, u"Shows this help and ends."},
        {IDS_OPTION_VERSION, u"Shows the version and ends."},

        {IDS_TOO_MANY_LISTS,
         u"This document already holds %d drawings, the most one document can keep.\r\n\r\n"
         u"Nothing was copied. Start a new document for the next exchange."},
        {IDS_FILE_OPEN_ERROR, u"Cannot open the file \"%s\":\r\n%s"},
        {IDS_FILE_READ_ERROR, u"Cannot read the file \"%s\":\r\n%s\r\n\r\nNothing was opened."},
        {IDS_FILE_SAVE_ERROR,
         u"Cannot save the file \"%s\":\r\n%s\r\n\r\nThe file on disk was not changed."},
        {IDS_ERR_TRUNCATED, u"The file ends before the document is complete; it is damaged."},
        {IDS_ERR_NOT_KIVVO, u"It is not a Kivvo document."},
        {IDS_ERR_NO_LISTS, u"The document holds no list; it is damaged."},
        {IDS_ERR_STRING_TOO_LONG, u"A text is longer than the rest of the file; it is damaged."},
        {IDS_ERR_DEVICE, u"%s"},

        {IDS_ERR_IS_FOLDER, u"It is a folder, not a file."},
        {IDS_ERR_NOT_REGULAR, u"It is not an ordinary file (it is a pipe, a socket or a device)."},
        {IDS_ERR_FILE_TOO_LARGE, u"The file is %d bytes long, more than the %d bytes any file "
                                 u"of this program may have; it was not read."},
        {IDS_ERR_TEXT_TOO_LONG, u"A text is %d characters long, more than the %d characters a "
                                u"name, address or other text may have."},
        {IDS_SETTINGS_READ_ERROR, u"Cannot read the settings file \"%s\":\r\n%s\r\n\r\n"
                                  u"The default settings are used; the file was not changed."},
        {IDS_ASK_OVERWRITE_CHANGED,
         u"\"%s\" was changed on disk by another program since it was opened or last saved."
         u"\r\n\r\nSave anyway and replace the other program's changes?"},
        {IDS_CLI_LOCKED, u"kivvo-cli: \"%s\" is being changed by another program (lock file "
                         u"\"%s\"); nothing was changed. Try again later."},
        {IDS_CLI_LOCK_ERROR,
         u"kivvo-cli: cannot create the lock file \"%s\" beside the document: %s; nothing was "
         u"changed."},

        {IDS_CLI_USAGE,
         u"Usage: kivvo-cli COMMAND FILE [ARGUMENTS] [OPTIONS]\n"
         u"       kivvo-cli --help | --version\n"
         u"\n"
         u"Commands:\n"
         u"  new FILE                      a new document with one empty list named \"List\"\n"
         u"  lists FILE                    the names of the document's drawings, newest first\n"
         u"  report FILE [--list N] [--gift-to]\n"
         u"                                the report of drawing N (0 = newest)\n"
         u"  add FILE NAME [--group GROUP] [--address A] [--suggestions S]\n"
         u"                                adds a person to the newest drawing\n"
         u"  add-group FILE NAME           adds a group to the newest drawing\n"
         u"  remove FILE NAME              removes the first person, else the first group, "
         u"of that name\n"
         u"  rename-list FILE NAME         renames the newest drawing\n"
         u"  draw FILE [--yes]             draws names in the newest drawing and saves\n"
         u"  check FILE                    whether the newest drawing can be drawn, and if "
         u"not why\n"
         u"  copy FILE [--yes]             copies the newest drawing for the next exchange and "
         u"saves\n"
         u"  exclude FILE GIVER RECIPIENT [--both] [--remove]\n"
         u"                                GIVER never draws RECIPIENT in the newest drawing "
         u"(--both:\n"
         u"                                nor RECIPIENT GIVER); --remove lifts it again\n"
         u"  rules FILE [--history N|all] [--no-mutual on|off] [--one-circle on|off]\n"
         u"                                shows the rules and exclusions, or changes the "
         u"rules\n"
         u"  import FILE SOURCE [--group GROUP]\n"
         u"                                adds the participants of a CSV or vCard file to the "
         u"newest\n"
         u"                                drawing; names it has already are left out\n"
         u"  export FILE --csv OUT [--list N]\n"
         u"                                writes the persons of drawing N as CSV, never the "
         u"drawn names\n"
         u"  set FILE PERSON [--name N] [--address A] [--suggestions S]\n"
         u"                                changes a person of the newest drawing\n"
         u"  move FILE PERSON (--group GROUP | --top)\n"
         u"                                moves a person into a group, or out of it\n"
         u"  notification FILE PERSON [--list N]\n"
         u"                                the e-mail text for a person of drawing N\n"
         u"  send FILE [--yes] [--person NAME]\n"
         u"                                sends the notifications of the newest drawing, or "
         u"one\n"
         u"  cards FILE --pdf OUT.pdf [--person NAME]\n"
         u"                                paper cards of the newest drawing, four to an A4 "
         u"page\n"
         u"  config [--server H] [--port N] [--from A] [--user U] [--password [P]]\n"
         u"         [--password-stdin] [--footer T]\n"
         u"                                shows the mail settings, or changes them; --password\n"
         u"                                without a value asks on the terminal\n"
         u"  contacts [--lookup TEXT]      the address-book names read from the *.vcf files of "
         u"the\n"
         u"                                documents folder, or what TEXT resolves to\n"
         u"\n"
         u"Questions are answered Yes with --yes, asked on a terminal otherwise, and answered "
         u"No\nwithout a terminal. Exit status: 0 success, 1 failure, 2 usage error.\n"},
        {IDS_CLI_DESCRIPTION, u"Kivvo gift-exchange name drawing, command-line tool"},
        {IDS_CLI_UNKNOWN_COMMAND, u"kivvo-cli: unknown command \"%s\"; see kivvo-cli --help"},
        {IDS_CLI_WRONG_ARGUMENTS, u"kivvo-cli: %s; see kivvo-cli --help"},
        {IDS_CLI_FILE_EXISTS, u"kivvo-cli: \"%s\" exists already; it is not overwritten"},
        {IDS_CLI_NO_SUCH_LIST, u"kivvo-cli: the document has no drawing number %d (it has %d)"},
        {IDS_CLI_NO_SUCH_GROUP, u"kivvo-cli: the newest drawing has no group named \"%s\""},
        {IDS_CLI_NO_SUCH_ENTRY,
         u"kivvo-cli: the newest drawing has no person or group named \"%s\""},
        {IDS_CLI_DRAW_UNAVAILABLE,
         u"kivvo-cli: Draw Names needs more than two persons in the newest drawing"},
        {IDS_CLI_NOT_DRAWN, u"kivvo-cli: no names were drawn; the file was not changed"},
        {IDS_CLI_DRAWN, u"Names drawn for %d persons; \"%s\" saved"},
        {IDS_CLI_NOT_COPIED, u"kivvo-cli: nothing was copied; the file was not changed"},
        {IDS_CLI_COPIED, u"\"%s\" added; \"%s\" saved"},
        {IDS_CLI_QUESTION_SUFFIX, u" [y/N] "},
        {IDS_CLI_BAD_NUMBER, u"\"%s\" is not a number"},
        {IDS_CLI_REMOVED, u"Removed \"%s\""},
        {IDS_CLI_CREATED, u"Created \"%s\""},
        {IDS_CLI_NO_SUCH_PERSON, u"kivvo-cli: drawing %d has no person named \"%s\""},
        {IDS_CLI_NO_ADDRESS, u"kivvo-cli: %s has no e-mail address; nothing was sent"},
        {IDS_CLI_NOT_SENT, u"kivvo-cli: not every notification was sent"},
        {IDS_CLI_SETTINGS, u"server: %s\nport: %d\nfrom: %s\nuser: %s\npassword: %s\n"
                           u"footer: %s\nsettings file: %s\n"},
        {IDS_CLI_SETTINGS_SAVED, u"Settings saved to \"%s\""},
        {IDS_CLI_SETTINGS_NOT_SAVED,
         u"kivvo-cli: the settings could not be saved to \"%s\": %s; the file was not changed"},
        {IDS_CLI_BAD_PORT, u"the port must be a number from 1 to 65535, not \"%s\""},
        {IDS_CLI_LOOKUP, u"address: %s\nfirst name: %s\nlast name: %s\n"},
        {IDS_CLI_NO_CONTACT, u"kivvo-cli: no address-book entry matches \"%s\""},
        {IDS_DRAW_BLOCKED, u"%s can only give to %s."},
        {IDS_DRAW_BLOCKED_NOBODY, u"%s cannot give to anybody."},
        {IDS_DRAW_BLOCKING_RULES, u"\r\n\r\nWhat blocks them: %s. Change the groups or add "
                                  u"persons, then draw again."},
        {IDS_RULE_HIMSELF, u"nobody draws himself"},
        {IDS_RULE_OWN_GROUP, u"nobody draws a person of his own group"},
        {IDS_RULE_LAST_TIME, u"nobody draws the person he gave to last time"},
        {IDS_RULES_SEPARATOR, u"; "},
        {IDS_NAMES_SEPARATOR, u", "},
        {IDS_NAMES_LAST, u"%s and %s"},
        {IDS_NAMES_OTHERS, u"%s and %d others"},
        {IDS_DRAWING_INVALID, u"The drawn names no longer match the list: %s.\r\n\r\nPlease "
                              u"draw names again. Nothing has been shown or sent."},
        {IDS_CHECK_NO_NAME, u"%s has no drawn name"},
        {IDS_CHECK_GONE, u"%s, drawn by %s, is no longer in the list"},
        {IDS_CHECK_AMBIGUOUS, u"%s, drawn by %s, is the name of more than one person"},
        {IDS_CHECK_TWICE, u"%s is drawn by both %s and %s"},
        {IDS_CHECK_HIMSELF, u"%s drew himself"},
        {IDS_CHECK_OWN_GROUP, u"%s drew %s of his own group"},
        {IDS_CHECK_LAST_TIME, u"%s drew %s, the person he gave to last time"},
        {IDS_CHECK_NAMELESS, u"a person of the list has no name"},
        {IDS_CHECK_MORE, u"and %d more"},
        {IDS_CHECK_NOT_DRAWN, u"no names have been drawn"},
        {IDS_CLI_CAN_DRAW, u"The newest drawing can be drawn."},
        {IDS_CLI_EMPTY_NAME, u"a person's name cannot be empty"},
        {IDS_CLI_COPY_UNAVAILABLE,
         u"kivvo-cli: Copy for Next Exchange needs more than two persons in the newest drawing"},
        {IDS_RULE_HISTORY, u"nobody draws a person he gave to in the last %d exchanges"},
        {IDS_RULE_EXCLUDED, u"%s never draws %s"},
        {IDS_RULE_NO_MUTUAL, u"nobody draws the person who draws him"},
        {IDS_RULE_ONE_CIRCLE, u"the gifts go round in one single circle"},
        {IDS_DRAW_BLOCKING_RULES_EDIT,
         u"\r\n\r\nWhat blocks them: %s. Change the groups, the exclusions or the rules "
         u"(Exchange > Rules), or add persons, then draw again."},
        {IDS_CHECK_EXCLUDED, u"%s drew %s, whom he never draws"},
        {IDS_CHECK_HISTORY, u"%s drew %s, whom he gave to in the last %d exchanges"},
        {IDS_CHECK_MUTUAL, u"%s and %s draw each other"},
        {IDS_CHECK_NOT_ONE_CIRCLE, u"the gifts do not go round in one single circle"},
        {IDS_EXCLUSIONS_MORE, u"%d more exclusions"},
        {IDS_DRAW_EACH_OTHER, u"%s can only give to each other."},
        {IDS_DRAW_EACH_OTHER_NO_WAY,
         u"%s can only give to each other, and no way of doing so keeps every rule."},
        {IDS_DRAW_NO_WAY, u"No drawing of the whole list keeps every rule."},
        {IDS_DRAW_GAVE_UP,
         u"No drawing that keeps every rule was found, and it could not be proven that none "
         u"exists: the list is too large or too tightly bound to be searched through. Draw "
         u"again to try once more, or relax a rule (Exchange > Rules)."},
        {IDS_ERR_EXT_FOREIGN,
         u"The file holds data after its lists that Kivvo did not write; it is damaged."},
        {IDS_ERR_EXT_NEWER, u"The file's rules and exclusions are in format %d, which a newer "
                            u"version of Kivvo wrote; this version reads format %d."},
        {IDS_ERR_EXT_DAMAGED, u"The file's rules and exclusions are damaged (in section %d)."},
        {IDS_NAME_EVERYBODY_FIRST,
         u"A person of the list has no name. Please name every person before drawing names: "
         u"a person without a name can neither be drawn nor be told whom he drew."},
        {IDS_RULES_TITLE, u"Rules of the Drawing"},
        {IDS_RULES_HISTORY, u"&Avoid the recipients of the last"},
        {IDS_RULES_HISTORY_SUFFIX, u" exchanges"},
        {IDS_RULES_HISTORY_SUFFIX_ONE, u" exchange"},
        {IDS_CSV_NOT_UTF8, u"it is not UTF-8 text; save it from the spreadsheet as CSV UTF-8"},
        {IDS_CSV_OPEN_QUOTE, u"line %d opens a quoted field that is never closed"},
        {IDS_IMPORT_UNREADABLE, u"Cannot import participants from \"%s\": %s."},
        {IDS_IMPORT_TOO_MANY_FIELDS,
         u"line %d has more than %d fields (name, address, suggestions, group)"},
        {IDS_IMPORT_TOO_LONG, u"line %d holds a text longer than any Kivvo keeps"},
        {IDS_IMPORT_NO_NAME, u"line %d has no name"},
        {IDS_IMPORT_DUPLICATES, u"Already in the list, so not imported again: %s"},
        {IDS_IMPORT_NOTHING, u"kivvo-cli: nobody new to import"},
        {IDS_IMPORT_DONE, u"Imported %d participants into \"%s\""},
        {IDS_EXPORT_NEEDS_CSV, u"export needs --csv OUT, the file to write"},
        {IDS_EXPORT_FAILED, u"kivvo-cli: cannot write \"%s\": %s"},
        {IDS_EXPORT_DONE, u"%d persons written to \"%s\""},
        {IDS_NAME_MADE_UNIQUE,
         u"The name \"%s\" is taken already in this list, so the person is named \"%s\"."},
        {IDS_MOVE_NEEDS_TARGET, u"move takes either --group GROUP or --top"},
        {IDS_MOVED_TO_GROUP, u"%s moved into %s"},
        {IDS_MOVED_TO_TOP, u"%s moved out of his group"},
        {IDS_RULES_HISTORY_NONE, u"0 (none)"},
        {IDS_RULES_HISTORY_HELP,
         u"Nobody draws a person he gave a gift to in that many earlier exchanges of this "
         u"document: 1 is last time only, 0 lets anybody draw the same person again."},
        {IDS_RULES_NO_MUTUAL, u"&No mutual pairs"},
        {IDS_RULES_NO_MUTUAL_HELP,
         u"Nobody draws the person who draws him: no two persons give to each other."},
        {IDS_RULES_ONE_CIRCLE, u"&One circle"},
        {IDS_RULES_ONE_CIRCLE_HELP,
         u"The gifts go round in one single circle (Ann to Bob, Bob to Cid, ... and back to "
         u"Ann), so that they can be handed on in one chain."},
        {IDS_RULES_EXCLUSIONS_HELP, u"Who never draws whom is set for each person in his "
                                    u"properties (Never draws)."},
        {IDS_MENU_RULES, u"Ru&les..."},
        {IDS_PERSON_NEVER_DRAWS_LABEL, u"Never draws (names, separated by commas):"},
        {IDS_PERSON_BOTH_WAYS, u"&Both ways: they never draw him either"},
        {IDS_PERSON_UNKNOWN_NAME, u"\"%s\" is nobody of this list."},
        {IDS_PERSON_SELF_EXCLUDED, u"Nobody draws himself anyway; leave out \"%s\"."},
        {IDS_TIP_HAS_EXCLUSIONS, u"Never draws some persons of the list"},
        {IDS_CLI_RULES, u"history: %s\nno mutual pairs: %s\none circle: %s\n"},
        {IDS_CLI_HISTORY_NONE, u"0 (the recipients of earlier exchanges may be drawn again)"},
        {IDS_CLI_HISTORY, u"%d (%s)"},
        {IDS_CLI_ON, u"on"},
        {IDS_CLI_OFF, u"off"},
        {IDS_CLI_EXCLUSIONS_IN, u"exclusions in \"%s\":\n"},
        {IDS_CLI_NO_EXCLUSIONS, u"no exclusions in \"%s\"\n"},
        {IDS_CLI_EXCLUSION_REMOVED, u"%s may draw %s again"},
        {IDS_CLI_NO_SUCH_EXCLUSION, u"kivvo-cli: %s is not kept from drawing %s"},
        {IDS_CLI_BAD_SWITCH, u"--%s takes on or off, not \"%s\""},
        {IDS_CLI_BAD_HISTORY, u"--history takes a number from 0 to %d, or all, not \"%s\""},
        {IDS_CLI_EXCLUSION_KNOWN, u"kivvo-cli: %s already never draws %s"},
        {IDS_DRAW_NAMELESS, u"A person of the list has no name; name every person, then draw "
                            u"again."},

        {IDS_SMTP_NO_CONNECTION, u"cannot connect to %s port %d: %s"},
        {IDS_SMTP_NO_GREETING, u"the server did not accept this program as a client: %s"},
        {IDS_SMTP_TLS_FAILED, u"the encrypted connection (TLS) failed: %s"},
        {IDS_SMTP_NO_TLS, u"the server offers no encryption (STARTTLS), and the password is only "
                          u"ever sent encrypted"},
        {IDS_SMTP_LOGIN_REFUSED,
         u"the server refused the login: %s; check the user name and the password"},
        {IDS_SMTP_NO_LOGIN_METHOD,
         u"the server offers no login method this program knows (PLAIN or LOGIN)"},
        {IDS_SMTP_LOGIN_REQUIRED,
         u"the server wants a login: %s; enter the user name and the password"},
        {IDS_SMTP_SENDER_REFUSED, u"the server refused the sender address %s: %s"},
        {IDS_SMTP_RECIPIENT_REFUSED, u"the server refused the address %s: %s"},
        {IDS_SMTP_MESSAGE_REFUSED, u"the server refused the message: %s"},
        {IDS_SMTP_TIMED_OUT, u"the server did not answer within %d seconds"},
        {IDS_SMTP_UNCONFIRMED, u"the server did not confirm the message within %d seconds; it "
                               u"may have arrived, so it is not sent again"},
        {IDS_SMTP_LOST, u"the server closed the connection"},
        {IDS_SMTP_LOST_UNCONFIRMED, u"the server closed the connection before it confirmed the "
                                    u"message; it may have arrived, so it is not sent again"},
        {IDS_SMTP_CANCELLED, u"sending was stopped"},
        {IDS_SMTP_BAD_ADDRESS, u"\"%s\" is not an e-mail address"},
        {IDS_SMTP_NO_ADDRESS, u"no e-mail address: \"%s\" is not in the address book"},
        {IDS_SEND_SKIPPED, u"Skipped [%s]: no email address"},
        {IDS_SEND_NOT_SENT, u"Not sent to [%s] email address [%s]"},
        {IDS_SEND_LINE_REASON, u"%s: %s"},
        {IDS_SENDER_ERROR, u"The mail server %s refused the sender address.\r\n%s\r\n\r\nCorrect "
                           u"the sender address (Settings > Configure, or kivvo-cli config). "
                           u"Nothing more was sent."},
        {IDS_SEND_STOPPED, u"Sending stopped; nothing more was sent."},
        {IDS_ASK_STOP_SENDING, u"E-mails are still being sent. Stop sending and close?\r\n\r\n"
                               u"Whoever has not been sent his e-mail yet gets none."},
        {IDS_SEND_TITLE, u"Sending Emails"},
        {IDS_SEND_CANCEL, u"Cancel"},
        {IDS_SEND_RETRY, u"Send again to those that failed"},
        {IDS_SEND_CLOSE, u"Close"},
        {IDS_SEND_RUNNING, u"Sending %d of %d..."},
        {IDS_SEND_CANCELLING, u"Stopping after the message being sent..."},
        {IDS_SEND_WAITING, u"%s: waiting"},
        {IDS_CONTACTS_NOT_VCARD, u"it is not a vCard file"},
        {IDS_SETTINGS_BAD_SERVER, u"Enter the name of the mail server, such as smtp.example.org."},
        {IDS_SETTINGS_BAD_PORT, u"The port is a number from 1 to 65535, most often 587 or 465."},
        {IDS_SETTINGS_BAD_FROM, u"Enter one e-mail address, such as you@example.org or "
                                u"Your Name <you@example.org>."},
        {IDS_SETTINGS_TITLE, u"Mail Settings"},
        {IDS_SETTINGS_SERVER, u"Mail server (SMTP):"},
        {IDS_SETTINGS_PORT, u"Port:"},
        {IDS_SETTINGS_FROM, u"Sender address:"},
        {IDS_SETTINGS_USER, u"User name:"},
        {IDS_SETTINGS_PASSWORD, u"Password:"},
        {IDS_SETTINGS_SHOW_PASSWORD, u"Show password"},
        {IDS_SETTINGS_FOOTER, u"Footer of every e-mail:"},
        {IDS_SETTINGS_TEST, u"Send test mail"},
        {IDS_SETTINGS_TESTING, u"Sending a test mail to %s..."},
        {IDS_SETTINGS_TEST_SENT, u"A test mail was sent to %s."},
        {IDS_SETTINGS_TEST_FAILED, u"The test mail could not be sent: %s"},
        {IDS_TEST_MAIL_SUBJECT, u"Kivvo test mail"},
        {IDS_TEST_MAIL_BODY, u"This test mail shows that Kivvo can send the name drawing's "
                             u"e-mails with these settings.\r\n"},
        {IDS_SETTINGS_SAVE_ERROR, u"Cannot save the settings file \"%s\":\r\n%s\r\n\r\nThe new "
                                  u"settings are used until the program ends."},
        {IDS_PASSWORD_IN_KEYRING, u"The password is kept in the desktop's keyring."},
        {IDS_PASSWORD_IN_FILE, u"No keyring is running: the password is kept in the settings "
                               u"file %s, which only you can read."},
        {IDS_PASSWORD_NONE, u"not set"},
        {IDS_CLI_BAD_SETTING, u"kivvo-cli: --%s: %s Nothing was saved."},
        {IDS_CLI_PASSWORD_PROMPT, u"Password: "},
        {IDS_CLI_NO_TERMINAL, u"--password without a value asks on a terminal; without one, give "
                              u"it with --password-stdin"},
        {IDS_CLI_PASSWORD_SET, u"set"},
        {IDS_SMTP_STOPPED_UNCONFIRMED, u"sending was stopped before the server confirmed the "
                                       u"message; it may have arrived"},
        {IDS_SEND_STOP_NOW, u"Stop now"},

        {IDS_SMTP_REPLY_TOO_LONG,
         u"the server's reply was longer than any mail server's (more than 4096 characters in a "
         u"line, or more than 256 lines); the connection was closed"},
        {IDS_SMTP_TLS_INJECTION,
         u"the server sent more than its go-ahead for encryption (STARTTLS) before encryption "
         u"began; somebody between this computer and the server may be tampering with the "
         u"connection, so it was closed"},
        {IDS_SMTP_TRY_LATER, u"the server cannot take the message now: %s; try again later"},
        {IDS_SMTP_TOO_LONG_UNCONFIRMED,
         u"the server's confirmation of the message was longer than any mail server's; it may "
         u"have arrived, so it is not sent again"},
        {IDS_SEND_SERVER_SILENT, u"The mail server %s stopped answering.\r\n%s\r\n\r\nNothing "
                                 u"more was sent. Try again later."},
        {IDS_SEND_SERVER_STOPPED, u"not sent, since the mail server could not go on: %s"},
        {IDS_ASK_SEND_AGAIN,
         u"The e-mail to %s (%s) may have arrived already: %s.\r\n\r\nSend it again anyway? "
         u"If it did arrive, the recipient gets two copies."},
        {IDS_CLI_PASSWORD_VISIBLE,
         u"kivvo-cli: warning: a password given as --password VALUE can be seen by other users "
         u"in the process list; give it with --password-stdin instead, or with --password alone "
         u"to be asked for it"},
        {IDS_SETTINGS_NOT_REPLACED,
         u"the settings file there cannot be read (%s); it is left as it is rather than "
         u"replaced by settings that never saw what it holds. Make it readable or remove it, "
         u"then try again"},
        {IDS_DOC_LOCKED,
         u"\"%s\" is being changed by another program (lock file \"%s\"), so it was not saved. "
         u"Try again in a moment."},
        {IDS_LOCK_NOT_MADE, u"cannot create the lock file \"%s\" beside it: %s"},
        {IDS_ERR_SAVE_TOO_LARGE,
         u"it would take %d bytes, more than the %d bytes of the largest file this program "
         u"opens; nothing was written. Remove drawings or shorten texts, then save again"},
        {IDS_ERR_TOO_MANY_ENTRIES,
         u"it holds more than %d persons and groups, more than this program opens"},
        {IDS_ERR_FOLDER_SYNC,
         u"the file was written, but its folder could not be synced to disk: %s"},
        {IDS_KEYRING_WAITING,
         u"Waiting for the desktop's keyring: it asks for its password (to unlock it, or for a "
         u"new keyring). Answer it to go on."},
        {IDS_KEYRING_SILENT,
         u"The desktop's keyring does not answer (%s). Kivvo goes on without it: the mail "
         u"password is taken from and kept in the settings file %s, which only you can read."},
        {IDS_KEYRING_NO_ANSWER, u"no answer within %d seconds"},
        {IDS_DRAWNAMES_TITLE, u"Draw names \u2014 %s"},
        {IDS_SHOWNAMES_TITLE, u"View notifications \u2014 %s"},
        {IDS_ASK_END_ROUND, u"%d participants have not seen their name yet. End the round?"},
        {IDS_ASK_END_ROUND_ONE, u"1 participant has not seen his name yet. End the round?"},
        {IDS_ASK_VIEW_NOTIFICATIONS,
         u"This shows every participant's drawn name to whoever is at the screen.\r\n\r\n"
         u"Show the drawn names now?"},
        {IDS_ACC_PREVIOUS, u"Previous participant"},
        {IDS_ACC_NEXT, u"Next participant"},
        {IDS_ACC_REVEALED_TEXT, u"Drawn name"},
        {IDS_ACC_DONE, u"Done: hide the name again"},
        {IDS_ACC_END_ROUND, u"OK: end the round"},
        {IDS_ACC_NAME_HIDDEN, u"hidden"},
        {IDS_ASK_SEND_NEWEST,
         u"Send email now to all participants of the newest list, \"%s\", with email addresses "
         u"entered.\r\n\r\nThe list shown, \"%s\", is an older one: its drawing is not sent."},
        {IDS_ASK_SEND_ONE_NEWEST,
         u"Send %s the name drawn in the newest list, \"%s\"?\r\n\r\nThe list shown, \"%s\", is "
         u"an older one: its drawing is not sent."},
        {IDS_NOT_IN_NEWEST, u"%s is not in the newest list, \"%s\"; nothing was sent."},
        {IDS_BUSY_SENDING,
         u"The e-mails of the newest list are being sent. Wait until sending has ended, or "
         u"cancel it, before you draw again or change the newest list."},
        {IDS_RETRY_REDRAWN,
         u"The names have been drawn again since these e-mails were sent.\r\n\r\nSending again "
         u"would mix two drawings. Send the new drawing to everybody with Send Emails."},
        {IDS_NO_ADDRESS_NEWEST,
         u"%s has no e-mail address in the newest list, \"%s\"; nothing was sent."},
        {IDS_MENU_PRINT_CARDS, u"Print &Cards..."},
        {IDS_CARD_FOR, u"For %s"},
        {IDS_CARD_FOLD_HINT, u"Fold the flap up along the dashed line. Open it only when you "
                             u"are alone."},
        {IDS_CARD_GIVES_TO, u"%s gives a gift to"},
        {IDS_CARD_SUGGESTIONS, u"Suggestions: %s"},
        {IDS_CARD_FLAP, u"fold up"},
        {IDS_CARDS_WRITE_ERROR, u"kivvo-cli: cannot write the cards to \"%s\": %s"},
        {IDS_CARDS_PRINT_TITLE, u"Print Cards \u2014 %s"},
        {IDS_CLI_CARDS_WRITTEN, u"%d cards of \"%s\" written to \"%s\""},
        {IDS_CARDS_NOBODY, u"The newest list has nobody to print a card for."},
        {IDS_SEND_PRINT_SKIPPED, u"Print cards for those without an address"},
        {IDS_CARDS_PRINT_ERROR, u"The cards could not be printed: %s"},
        {IDS_CARDS_NO_DEVICE, u"the printer or the file could not be written"},
        {IDS_CARDS_NO_PAGE, u"a new page could not be started"},
        {IDS_CARDS_DOC_NAME, u"Cards %s"},
        {IDS_CLI_CARD_WRITTEN, u"1 card of \"%s\" written to \"%s\""},
        {IDS_CARDS_PRINTED, u"%d cards sent to the printer."},
        // 22500-22599
        {IDS_KEYRING_MODULE_MISSING, u"The keyring support (%s) could not be loaded: %s"},
        {IDS_MENU_UNDO, u"&Undo"},
        {IDS_MENU_REDO, u"&Redo"},
        {IDS_MENU_UNDO_WHAT, u"&Undo %s"},
        {IDS_MENU_REDO_WHAT, u"&Redo %s"},
        {IDS_EDIT_ADD_PERSON, u"Add Person"},
        {IDS_EDIT_ADD_GROUP, u"Add Group"},
        {IDS_EDIT_DELETE, u"Delete"},
        {IDS_EDIT_RENAME, u"Rename"},
        {IDS_EDIT_PROPERTIES, u"Person Properties"},
        {IDS_EDIT_MOVE, u"Move to Group"},
        {IDS_EDIT_RULES, u"Rules"},
        {IDS_EDIT_DRAW, u"Draw Names"},
        {IDS_EDIT_COPY, u"Copy for Next Exchange"},
        {IDS_EDIT_IMPORT, u"Import Participants"},
        {IDS_MENU_MOVE_TO_GROUP, u"&Move to Group"},
        {IDS_MENU_NO_GROUP, u"No group"},
        {IDS_HISTORY_NOTE, u"%s \u2014 a past exchange; its drawing keeps anyone from drawing "
                           u"the same person again. Only its name can be changed."},
        {IDS_TIP_NO_ADDRESS, u"No e-mail address: %s will get no e-mail."},
        {IDS_MENU_IMPORT, u"&Import Participants..."},
        {IDS_IMPORT_FILTER,
         u"Participants (*.csv *.vcf *.vcard);;CSV files (*.csv);;vCard files (*.vcf *.vcard);;"
         u"All files (*)"},
        {IDS_IMPORT_TITLE, u"Import Participants \u2014 %s"},
        {IDS_IMPORT_TO_ADD, u"%d persons will be added to \"%s\":"},
        {IDS_IMPORT_LEFT_OUT, u"Already in the list, so left out: %s"},
        {IDS_IMPORT_FAILED, u"Nothing will be imported. %s"},
        {IDS_IMPORT_NOBODY_NEW, u"Everybody in the file is in \"%s\" already: nobody to add."},
        {IDS_IMPORT_COL_NAME, u"Name"},
        {IDS_IMPORT_COL_ADDRESS, u"Address"},
        {IDS_IMPORT_COL_GROUP, u"Group"},
        {IDS_IMPORT_TO_ADD_ONE, u"1 person will be added to \"%s\":"},
        {IDS_NOTE_PREVIOUS_NOT_QUOTED,
         u"The list of who gave a gift to whom in the previous exchange (%d persons) is too "
         u"long to quote in every e-mail; the organiser has it.\r\n"},
        {IDS_NOTE_CURRENT_NOT_QUOTED,
         u"\r\nThe current list of names (%d persons) is too long to quote in every e-mail; "
         u"the organiser has it.\r\n"},
        {IDS_NOTE_DRAWN_NAME_LISTS_KEPT,
         u"\r\n\r\n\r\nThe name randomly drawn for %s to give a gift to is %s.\r\n\r\nThe "
         u"lists of this circle are too long to quote in every e-mail: ask the organiser if "
         u"you want to see them.\r\n\r\nThank you.\r\n\r\n"},
        {IDS_MAIL_NOT_SET_UP, u"Mail is not set up yet, so no e-mail was sent. Enter your mail "
                              u"server and your address in Settings > Configure first."},
        {IDS_CLI_MAIL_NOT_SET_UP,
         u"kivvo-cli: mail is not set up yet (%s); nothing was sent. Set it up first with\n"
         u"  kivvo-cli config --server HOST --from ADDRESS [--user NAME --password]"},
        {IDS_SETTINGS_NOT_SET_UP, u"Mail is not set up yet. Enter the outgoing mail server of "
                                  u"your mail provider and your own address: the e-mails are "
                                  u"sent from it."},
        {IDS_SETTINGS_SERVER_HINT, u"smtp.example.org"},
        {IDS_SETTINGS_FROM_HINT, u"Your Name <you@example.org>"},
        {IDS_SETTINGS_USER_HINT, u"you@example.org — empty: no login"},
        {IDS_SETTINGS_FOOTER_HINT, u"A last line for every e-mail, such as: From the Smiths"},
        {IDS_CLI_NOT_SET, u"(not set)"},
        {IDS_CLI_MAIL_STILL_NOT_SET_UP,
         u"Mail is not set up yet: %s still to be set before e-mails can be sent."},
        {IDS_ASK_DELETE_GROUP, u"Delete the group %s with its %d persons?"},
        {IDS_ASK_DELETE_GROUP_ONE, u"Delete the group %s with its one person?"},
        {IDS_ADDRESS_NOT_PLAUSIBLE,
         u"Neither an e-mail address (such as ann@example.org) nor a name from your address "
         u"book: no e-mail can be sent to it."},
        {IDS_CLI_ADDRESS_NOT_PLAUSIBLE,
         u"kivvo-cli: warning: \"%s\" is neither an e-mail address nor a name from the "
         u"address book; no e-mail can be sent to it"},
    };
    return table;
}

} // namespace

QString CStringTable::Load(int nId)
{
    const auto& table = Table();
    const auto it = table.find(nId);
    return it == table.end() ? QString() : QString::fromUtf16(it->second);
}

QString CStringTable::FormatText(const QString& strFormat, std::initializer_list<QVariant> args)
{
    QString strResult;
    strResult.reserve(strFormat.size() + 32);
    auto itArg = args.begin();
    for (qsizetype i = 0; i < strFormat.size(); ++i) {
        const QChar ch = strFormat.at(i);
        if (ch != u'%' || i + 1 >= strFormat.size()) {
            strResult += ch;
            continue;
        }
        const QChar conversion = strFormat.at(i + 1);
        if (conversion == u'%') {
            strResult += u'%';
        } else if (conversion == u'd' || conversion == u's') {
            if (itArg != args.end()) {
                strResult +=
                    conversion == u'd' ? QString::number(itArg->toLongLong()) : itArg->toString();
                ++itArg;
            }
        } else {
            strResult += ch;
            continue;
        }
        ++i;
    }
    return strResult;
}
