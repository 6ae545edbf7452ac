#pragma once

// Every numeric id of the program: commands, strings, dialogs, controls, menus, icons.

// Update hints sent by the document to its views.
constexpr int HINT_LIST_CHANGED = 101;

// Resources shared by number (menu bars, icons, templates).
constexpr int IDR_MAINFRAME = 128;       // menu, accelerators, toolbar, icon, document template
constexpr int IDR_DOCLIST_MENUBAR = 108; // menu bar while the document chooser is up
constexpr int IDM_CONTEXT_ROOT = 104;
constexpr int IDM_CONTEXT_GROUP = 105;
constexpr int IDM_CONTEXT_PERSON = 106;
constexpr int IDB_TREE_IMAGES = 103;
constexpr int IDD_ABOUTBOX = 100;
constexpr int IDD_LISTBAR = 128;
constexpr int IDD_PERSON = 143;
constexpr int IDD_DRAWNAMES = 145;

// Commands.
constexpr int ID_LIST_SELECTED = 107;
constexpr int ID_CONTEXT_MENU = 108;
constexpr int ID_LOAD_CONTACTS = 110; // also: refresh the resolved address inside the person dialog
constexpr int ID_PERSON_PROPERTIES = 140;
constexpr int ID_DRAW_NAMES = 32779;
constexpr int ID_COPY_FOR_NEXT = 32781;
constexpr int ID_ADD_GROUP = 32782;
constexpr int ID_ADD_PERSON = 32783;
constexpr int ID_CONFIGURE = 32795;
constexpr int ID_SEND_EMAILS = 32796;
constexpr int ID_ADD_PERSON_TO_GROUP = 32802;
constexpr int ID_SEND_EMAIL_TO_PERSON = 32805;
constexpr int ID_DELETE_ITEM = 32814;
constexpr int ID_RENAME_ITEM = 32815;
constexpr int ID_VIEW_NOTIFICATIONS = 32818;
constexpr int ID_FILE_NEW = 57600;
constexpr int ID_FILE_OPEN = 57601;
constexpr int ID_FILE_SAVE = 57603;
constexpr int ID_FILE_SAVE_AS = 57604;
constexpr int ID_EDIT_COPY = 57634;
constexpr int ID_EDIT_CUT = 57635;
constexpr int ID_EDIT_PASTE = 57637;
constexpr int ID_EDIT_UNDO = 57643;
constexpr int ID_APP_ABOUT = 57664;
constexpr int ID_APP_EXIT = 57665;

// Controls.
constexpr int IDC_LIST_COMBO = 1000;
constexpr int IDC_ADDRESS = 1001;
constexpr int IDC_SUGGESTIONS = 1002;
constexpr int IDC_GIFT_TO = 1003;
constexpr int IDC_RESOLVED_ADDRESS = 1009;
constexpr int IDC_NAME = 1010;
constexpr int IDC_PREVIOUS = 1014;
constexpr int IDC_NEXT = 1015;
constexpr int IDC_REVEAL = 1016;
constexpr int IDC_REVEALED_TEXT = 1017;
constexpr int IDC_DONE = 1018;
constexpr int IDC_WEB_LINK = 1020;

// Strings numbered by the resources.
constexpr int IDS_TOOLS_MENU = 103;
constexpr int IDS_DOC_TEMPLATE = 128;
constexpr int IDS_SETTINGS_MENU = 32773;
constexpr int IDS_EXCHANGE_MENU = 32776;
constexpr int IDS_PROMPT_COPY_FOR_NEXT = ID_COPY_FOR_NEXT;
constexpr int IDS_PROMPT_SEND_EMAILS = ID_SEND_EMAILS;
constexpr int IDS_TIP_NEW = 65000;
constexpr int IDS_TIP_FILE = 65001;
constexpr int IDS_TIP_HELP = 65002;
constexpr int IDS_TIP_CUT = 65004;
constexpr int IDS_TIP_COPY = 65005;
constexpr int IDS_TIP_PASTE = 65006;
constexpr int IDS_ASK_PASS_AROUND = 65007;
constexpr int IDS_ASK_SEND_NOW = 65008;
constexpr int IDS_ASK_DRAW_AGAIN = 65009;
constexpr int IDS_ASK_DRAW_NOW = 65010;
constexpr int IDS_ASK_COPY_LIST = 65011;
constexpr int IDS_COPY_DONE = 65012;
constexpr int IDS_ASK_SEND_ALL = 65013;
constexpr int IDS_SENT_SUMMARY = 65015;
constexpr int IDS_SEND_ERROR = 65016;
constexpr int IDS_EMAIL_SENT = 65017;
constexpr int IDS_LOGON_ERROR = 65018;
constexpr int IDS_DRAWING_ERROR = 65019;
constexpr int IDS_CONTACTS_LOGIN_ERROR = 65021;
constexpr int IDS_CONTACTS_CLSID_ERROR = 65022;
constexpr int IDS_CONTACTS_CREATE_ERROR = 65024;

// Strings of our own (texts the resources carry without a number, and our own messages).
constexpr int IDS_NEW_LIST_NAME = 20000;
constexpr int IDS_NEW_GROUP_NAME = 20001;
constexpr int IDS_NEW_PERSON_NAME = 20002;
constexpr int IDS_COPY_SUFFIX = 20003;
constexpr int IDS_UNIQUE_WITH_INITIAL = 20004;
constexpr int IDS_UNIQUE_WITH_NUMBER = 20005;
constexpr int IDS_ROOT_PLACEHOLDER = 20006;

constexpr int IDS_REPORT_GIFT_ARROW = 20100;
constexpr int IDS_REPORT_GROUP_MARK = 20101;
constexpr int IDS_REPORT_MEMBER_INDENT = 20102;
constexpr int IDS_REPORT_LINE_END = 20103;

constexpr int IDS_NOTE_GREETING = 20110;
constexpr int IDS_NOTE_PRIVACY = 20111;
constexpr int IDS_NOTE_PREVIOUS_GIFT = 20112;
constexpr int IDS_NOTE_PREVIOUS_LIST = 20113;
constexpr int IDS_NOTE_CURRENT_LIST = 20114;
constexpr int IDS_NOTE_DRAWN_NAME = 20115;
constexpr int IDS_NOTE_SUGGESTIONS = 20116;
constexpr int IDS_NOTE_BEFORE_FOOTER = 20117;

constexpr int IDS_REVEAL_DRAW = 20200;
constexpr int IDS_REVEAL_SHOW = 20201;
constexpr int IDS_REVEAL_SHOWN = 20202;
constexpr int IDS_REVEAL_INITIAL = 20203;
constexpr int IDS_GET_GIFT_FOR = 20204;
constexpr int IDS_REVEAL_SUGGESTIONS = 20205;
constexpr int IDS_PREVIOUS = 20206;
constexpr int IDS_NEXT = 20207;
constexpr int IDS_DONE = 20208;
constexpr int IDS_REVEAL_NOBODY = 20209;

constexpr int IDS_PERSON_TITLE = 20210;
constexpr int IDS_PERSON_NAME_LABEL = 20211;
constexpr int IDS_PERSON_GIFT_TO_LABEL = 20212;
constexpr int IDS_PERSON_ADDRESS_LABEL = 20213;
constexpr int IDS_PERSON_SUGGESTIONS_LABEL = 20214;
constexpr int IDS_ABOUT_TITLE = 20220;
constexpr int IDS_ABOUT_VERSION = 20221;
constexpr int IDS_ABOUT_COPYRIGHT = 20222;
constexpr int IDS_ABOUT_WEB_ADDRESS = 20223;
constexpr int IDS_ABOUT_CLOSE = 20224;

// Menu and toolbar texts, by the command they run.
constexpr int IDS_MENU_CONFIGURE = 20500;
constexpr int IDS_MENU_ADD_PERSON = 20501;
constexpr int IDS_MENU_ADD_GROUP = 20502;
constexpr int IDS_MENU_ADD_PERSON_TO_GROUP = 20503;
constexpr int IDS_MENU_DELETE_ITEM = 20504;
constexpr int IDS_MENU_RENAME_ITEM = 20505;
constexpr int IDS_MENU_SEND_EMAIL_TO_PERSON = 20506;
constexpr int IDS_MENU_PERSON_PROPERTIES = 20507;
constexpr int IDS_MENU_DRAW_NAMES = 20508;
constexpr int IDS_MENU_SEND_EMAILS = 20509;
constexpr int IDS_MENU_VIEW_NOTIFICATIONS = 20510;
constexpr int IDS_MENU_COPY_FOR_NEXT = 20511;
constexpr int IDS_MENU_SAVE_AS = 20512;
constexpr int IDS_MENU_ABOUT = 20513;
constexpr int IDS_MENU_NEW = 20514;
constexpr int IDS_MENU_OPEN = 20515;
constexpr int IDS_MENU_SAVE = 20516;
constexpr int IDS_MENU_EXIT = 20517;
constexpr int IDS_MENU_ROOT_RENAME = 20520;
constexpr int IDS_MENU_ROOT_ADD_GROUP = 20521;
constexpr int IDS_MENU_ROOT_ADD_PERSON = 20522;
constexpr int IDS_MENU_GROUP_RENAME = 20523;
constexpr int IDS_MENU_GROUP_ADD_PERSON = 20524;
constexpr int IDS_MENU_GROUP_DELETE = 20525;
constexpr int IDS_MENU_PERSON_RENAME = 20526;
constexpr int IDS_MENU_PERSON_DELETE = 20527;
constexpr int IDS_MENU_PERSON_SEND = 20528;
constexpr int IDS_MENU_CONTEXT_PROPERTIES = 20529;
constexpr int IDS_TIP_DRAW_NAMES = 20530;

constexpr int IDS_UNTITLED = 20540;
constexpr int IDS_ASK_SAVE_CHANGES = 20541;
constexpr int IDS_FILE_FILTER = 20542;
constexpr int IDS_DOCLIST_TITLE = 20543;
constexpr int IDS_DOCLIST_ALL_FOLDERS = 20544;
constexpr int IDS_DOCLIST_NAME = 20545;
constexpr int IDS_DOCLIST_FOLDER = 20546;
constexpr int IDS_DOCLIST_MODIFIED = 20547;
constexpr int IDS_DOCLIST_NEW = 20548;
constexpr int IDS_DOCLIST_OPEN = 20549;
constexpr int IDS_DOCLIST_EMPTY = 20550;
constexpr int IDS_WINDOW_TITLE = 20551;

// The programs' own command lines: help, version and usage errors.
constexpr int IDS_PROGRAM_VERSION = 20580;
constexpr int IDS_GUI_DESCRIPTION = 20581;
constexpr int IDS_GUI_FILE_ARGUMENT = 20582;
constexpr int IDS_GUI_WRONG_ARGUMENTS = 20583;
constexpr int IDS_GUI_TOO_MANY_FILES = 20584;
constexpr int IDS_OPTION_HELP = 20585;
constexpr int IDS_OPTION_VERSION = 20586;

constexpr int IDS_TOO_MANY_LISTS = 20300;
constexpr int IDS_FILE_OPEN_ERROR = 20301;
constexpr int IDS_FILE_READ_ERROR = 20302;
constexpr int IDS_FILE_SAVE_ERROR = 20303;
constexpr int IDS_ERR_TRUNCATED = 20304;
constexpr int IDS_ERR_NOT_KIVVO = 20305;
constexpr int IDS_ERR_NO_LISTS = 20306;
constexpr int IDS_ERR_STRING_TOO_LONG = 20307;
constexpr int IDS_ERR_DEVICE = 20308;

// Files that are not read, texts that are not stored, documents in use or changed elsewhere.
constexpr int IDS_ERR_IS_FOLDER = 20330;
constexpr int IDS_ERR_NOT_REGULAR = 20331;
constexpr int IDS_ERR_FILE_TOO_LARGE = 20332;
constexpr int IDS_ERR_TEXT_TOO_LONG = 20333;
constexpr int IDS_SETTINGS_READ_ERROR = 20334;
constexpr int IDS_ASK_OVERWRITE_CHANGED = 20335;
constexpr int IDS_CLI_LOCKED = 20336;
constexpr int IDS_CLI_LOCK_ERROR = 20337;

// Command-line tool.
constexpr int IDS_CLI_USAGE = 20400;
constexpr int IDS_CLI_DESCRIPTION = 20401;
constexpr int IDS_CLI_UNKNOWN_COMMAND = 20402;
constexpr int IDS_CLI_WRONG_ARGUMENTS = 20403;
constexpr int IDS_CLI_FILE_EXISTS = 20404;
constexpr int IDS_CLI_NO_SUCH_LIST = 20405;
constexpr int IDS_CLI_NO_SUCH_GROUP = 20406;
constexpr int IDS_CLI_NO_SUCH_ENTRY = 20407;
constexpr int IDS_CLI_DRAW_UNAVAILABLE = 20408;
constexpr int IDS_CLI_NOT_DRAWN = 20409;
constexpr int IDS_CLI_DRAWN = 20410;
constexpr int IDS_CLI_NOT_COPIED = 20411;
constexpr int IDS_CLI_COPIED = 20412;
constexpr int IDS_CLI_QUESTION_SUFFIX = 20413;
constexpr int IDS_CLI_BAD_NUMBER = 20414;
constexpr int IDS_CLI_REMOVED = 20415;
constexpr int IDS_CLI_CREATED = 20416;
constexpr int IDS_CLI_NO_SUCH_PERSON = 20417;
constexpr int IDS_CLI_NO_ADDRESS = 20418;
constexpr int IDS_CLI_NOT_SENT = 20419;
constexpr int IDS_CLI_SETTINGS = 20420;
constexpr int IDS_CLI_SETTINGS_SAVED = 20421;
constexpr int IDS_CLI_SETTINGS_NOT_SAVED = 20422;
constexpr int IDS_CLI_BAD_PORT = 20423;
constexpr int IDS_CLI_LOOKUP = 20424;
constexpr int IDS_CLI_NO_CONTACT = 20425;

// Drawing: why a list cannot be drawn, and why a stored drawing is no longer valid.
constexpr int IDS_DRAW_BLOCKED = 20800;
constexpr int IDS_DRAW_BLOCKED_NOBODY = 20801;
constexpr int IDS_DRAW_BLOCKING_RULES = 20802;
constexpr int IDS_RULE_HIMSELF = 20803;
constexpr int IDS_RULE_OWN_GROUP = 20804;
constexpr int IDS_RULE_LAST_TIME = 20805;
constexpr int IDS_RULES_SEPARATOR = 20806;
constexpr int IDS_NAMES_SEPARATOR = 20807;
constexpr int IDS_NAMES_LAST = 20808;
constexpr int IDS_NAMES_OTHERS = 20809;
constexpr int IDS_DRAWING_INVALID = 20810;
constexpr int IDS_CHECK_NO_NAME = 20811;
constexpr int IDS_CHECK_GONE = 20812;
constexpr int IDS_CHECK_AMBIGUOUS = 20813;
constexpr int IDS_CHECK_TWICE = 20814;
constexpr int IDS_CHECK_HIMSELF = 20815;
constexpr int IDS_CHECK_OWN_GROUP = 20816;
constexpr int IDS_CHECK_LAST_TIME = 20817;
constexpr int IDS_CHECK_NAMELESS = 20818;
constexpr int IDS_CHECK_MORE = 20819;
constexpr int IDS_CHECK_NOT_DRAWN = 20820;
constexpr int IDS_CLI_CAN_DRAW = 20821;
constexpr int IDS_CLI_EMPTY_NAME = 20822;
constexpr int IDS_CLI_COPY_UNAVAILABLE = 20823;
// Rules of the drawing: exclusions, the history window, no mutual pairs, one circle.
constexpr int IDS_RULE_HISTORY = 21000;
constexpr int IDS_RULE_EXCLUDED = 21001;
constexpr int IDS_RULE_NO_MUTUAL = 21002;
constexpr int IDS_RULE_ONE_CIRCLE = 21003;
constexpr int IDS_DRAW_BLOCKING_RULES_EDIT = 21004;
constexpr int IDS_CHECK_EXCLUDED = 21005;
constexpr int IDS_CHECK_HISTORY = 21006;
constexpr int IDS_CHECK_MUTUAL = 21007;
constexpr int IDS_CHECK_NOT_ONE_CIRCLE = 21008;
constexpr int IDS_EXCLUSIONS_MORE = 21009;
constexpr int IDS_DRAW_EACH_OTHER = 21010;
constexpr int IDS_DRAW_EACH_OTHER_NO_WAY = 21011;
constexpr int IDS_DRAW_NO_WAY = 21012;
constexpr int IDS_DRAW_GAVE_UP = 21013;
// Mail: the SMTP conversation, sending in the background, the mail settings.
constexpr int IDS_SMTP_NO_CONNECTION = 20600;
constexpr int IDS_SMTP_NO_GREETING = 20601;
constexpr int IDS_SMTP_TLS_FAILED = 20602;
constexpr int IDS_SMTP_NO_TLS = 20603;
constexpr int IDS_SMTP_LOGIN_REFUSED = 20604;
constexpr int IDS_SMTP_NO_LOGIN_METHOD = 20605;
constexpr int IDS_SMTP_LOGIN_REQUIRED = 20606;
constexpr int IDS_SMTP_SENDER_REFUSED = 20607;
constexpr int IDS_SMTP_RECIPIENT_REFUSED = 20608;
constexpr int IDS_SMTP_MESSAGE_REFUSED = 20609;
constexpr int IDS_SMTP_TIMED_OUT = 20610;
constexpr int IDS_SMTP_UNCONFIRMED = 20611;
constexpr int IDS_SMTP_LOST = 20612;
constexpr int IDS_SMTP_LOST_UNCONFIRMED = 20613;
constexpr int IDS_SMTP_CANCELLED = 20614;
constexpr int IDS_SMTP_BAD_ADDRESS = 20615;
constexpr int IDS_SMTP_NO_ADDRESS = 20616;
constexpr int IDS_SEND_SKIPPED = 20620;
constexpr int IDS_SEND_NOT_SENT = 20621;
constexpr int IDS_SEND_LINE_REASON = 20622;
constexpr int IDS_SENDER_ERROR = 20623;
constexpr int IDS_SEND_STOPPED = 20624;
constexpr int IDS_ASK_STOP_SENDING = 20625;
constexpr int IDS_SEND_TITLE = 20626;
constexpr int IDS_SEND_CANCEL = 20627;
constexpr int IDS_SEND_RETRY = 20628;
constexpr int IDS_SEND_CLOSE = 20629;
constexpr int IDS_SEND_RUNNING = 20630;
constexpr int IDS_SEND_CANCELLING = 20631;
constexpr int IDS_SEND_WAITING = 20632;
constexpr int IDS_CONTACTS_NOT_VCARD = 20633;
constexpr int IDS_SETTINGS_BAD_SERVER = 20640;
constexpr int IDS_SETTINGS_BAD_PORT = 20641;
constexpr int IDS_SETTINGS_BAD_FROM = 20642;
constexpr int IDS_SETTINGS_TITLE = 20643;
constexpr int IDS_SETTINGS_SERVER = 20644;
constexpr int IDS_SETTINGS_PORT = 20645;
constexpr int IDS_SETTINGS_FROM = 20646;
constexpr int IDS_SETTINGS_USER = 20647;
constexpr int IDS_SETTINGS_PASSWORD = 20648;
constexpr int IDS_SETTINGS_SHOW_PASSWORD = 20649;
constexpr int IDS_SETTINGS_FOOTER = 20650;
constexpr int IDS_SETTINGS_TEST = 20651;
constexpr int IDS_SETTINGS_TESTING = 20652;
constexpr int IDS_SETTINGS_TEST_SENT = 20653;
constexpr int IDS_SETTINGS_TEST_FAILED = 20654;
constexpr int IDS_TEST_MAIL_SUBJECT = 20655;
constexpr int IDS_TEST_MAIL_BODY = 20656;
constexpr int IDS_SETTINGS_SAVE_ERROR = 20657;
constexpr int IDS_PASSWORD_IN_KEYRING = 20658;
constexpr int IDS_PASSWORD_IN_FILE = 20659;
constexpr int IDS_PASSWORD_NONE = 20660;
constexpr int IDS_CLI_BAD_SETTING = 20661;
constexpr int IDS_CLI_PASSWORD_PROMPT = 20662;
constexpr int IDS_CLI_NO_TERMINAL = 20663;
constexpr int IDS_CLI_PASSWORD_SET = 20664;
constexpr int IDS_SMTP_STOPPED_UNCONFIRMED = 20665;
constexpr int IDS_SEND_STOP_NOW = 20666;
