<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Kivvo</name>
    <message>
        <source>&amp;Tools</source>
        <comment>IDS_TOOLS_MENU</comment>
        <translation>E&amp;xtra</translation>
    </message>
    <message>
        <source>Kivvo

Kivvo
Kivvo (*.kv)
.kv
Kivvo.Document
Kivvo Document</source>
        <comment>IDS_DOC_TEMPLATE</comment>
        <translation>Kivvo

Kivvo
Kivvo-documenten (*.kv)
.kv
Kivvo.Document
Kivvo-document</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <comment>IDS_SETTINGS_MENU</comment>
        <translation>&amp;Instellingen</translation>
    </message>
    <message>
        <source>E&amp;xchange</source>
        <comment>IDS_EXCHANGE_MENU</comment>
        <translation>&amp;Ronde</translation>
    </message>
    <message>
        <source>Copy current list for next exchange
Copy List</source>
        <comment>IDS_PROMPT_COPY_FOR_NEXT</comment>
        <translation>De huidige lijst kopiëren voor de volgende ronde
Lijst kopiëren</translation>
    </message>
    <message>
        <source>Send email notification of &apos;who to get gift for&apos; to all participants with email addresses
Send emails</source>
        <comment>IDS_PROMPT_SEND_EMAILS</comment>
        <translation>Alle deelnemers met een e-mailadres per e-mail laten weten voor wie ze een cadeau kopen
E-mails verzenden</translation>
    </message>
    <message>
        <source>New</source>
        <comment>IDS_TIP_NEW</comment>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>File</source>
        <comment>IDS_TIP_FILE</comment>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>IDS_TIP_HELP</comment>
        <translation>Help</translation>
    </message>
    <message>
        <source>Cut</source>
        <comment>IDS_TIP_CUT</comment>
        <translation>Knippen</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>IDS_TIP_COPY</comment>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Paste</source>
        <comment>IDS_TIP_PASTE</comment>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>Would you like to pass around this computer for participants to draw their own names? You can skip any participants not present. Click OK when finished.</source>
        <comment>IDS_ASK_PASS_AROUND</comment>
        <translation>Wil je deze computer laten rondgaan, zodat iedere deelnemer zelf een naam trekt? Deelnemers die er niet zijn, kun je overslaan. Klik op OK als je klaar bent.</translation>
    </message>
    <message>
        <source>Name drawing is complete. Would you like to send emails now?</source>
        <comment>IDS_ASK_SEND_NOW</comment>
        <translation>De lootjes zijn getrokken. Wil je de e-mails nu verzenden?</translation>
    </message>
    <message>
        <source>Names have already been drawn. Are you sure you want to draw again?<byte value="xd"/>
<byte value="xd"/>
If you would like to use the same list of names for a new drawing you should use the &apos;Copy for new drawing&apos; feature.</source>
        <comment>IDS_ASK_DRAW_AGAIN</comment>
        <translation>Er zijn al lootjes getrokken. Weet je zeker dat je opnieuw wilt trekken?<byte value="xd"/>
<byte value="xd"/>
Wil je dezelfde namenlijst voor een nieuwe trekking gebruiken, kies dan &apos;Kopiëren voor volgende ronde&apos;.</translation>
    </message>
    <message>
        <source>Are you sure you want to draw names now?<byte value="xd"/>
<byte value="xd"/>
Please make sure all participant names have been entered.</source>
        <comment>IDS_ASK_DRAW_NOW</comment>
        <translation>Weet je zeker dat je nu de lootjes wilt trekken?<byte value="xd"/>
<byte value="xd"/>
Controleer eerst of de namen van alle deelnemers zijn ingevoerd.</translation>
    </message>
    <message>
        <source>Are you sure you want to copy the current list to create a new list?<byte value="xd"/>
<byte value="xd"/>
This should normally only be performed after the current list is complete and gifts have been exchanged to setup for the next exchange based on the same group of people.</source>
        <comment>IDS_ASK_COPY_LIST</comment>
        <translation>Weet je zeker dat je de huidige lijst wilt kopiëren naar een nieuwe lijst?<byte value="xd"/>
<byte value="xd"/>
Doe dit normaal gesproken pas als de huidige ronde helemaal klaar is en de cadeaus zijn uitgewisseld, om de volgende ronde met dezelfde groep mensen voor te bereiden.</translation>
    </message>
    <message>
        <source>Copy current list for new drawing is complete.<byte value="xd"/>
It is recommended to rename the root node to identify the drawing such as &apos;Christmas 2004&apos;</source>
        <comment>IDS_COPY_DONE</comment>
        <translation>De huidige lijst is gekopieerd voor een nieuwe trekking.<byte value="xd"/>
Je kunt het bovenste item het best een naam geven die de trekking aanduidt, zoals &apos;Kerst 2004&apos;</translation>
    </message>
    <message>
        <source>Send email now to all participants with email addresses entered.<byte value="xd"/>
<byte value="xd"/>
You may repeat the operation as a reminder or if any email addresses are changed.</source>
        <comment>IDS_ASK_SEND_ALL</comment>
        <translation>Nu een e-mail verzenden naar alle deelnemers van wie een e-mailadres is ingevoerd.<byte value="xd"/>
<byte value="xd"/>
Je kunt dit herhalen als herinnering of als er e-mailadressen zijn gewijzigd.</translation>
    </message>
    <message numerus="yes">
        <source>Sent emails to %1 out of %2 participants</source>
        <comment>IDS_SENT_SUMMARY</comment>
        <extracomment>Summary of the sending window and of kivvo-cli send. %1: how many e-mails were sent; %2: the number of participants</extracomment>
        <translation>
            <numerusform>E-mail verzonden naar %1 van %2 deelnemer</numerusform>
            <numerusform>E-mails verzonden naar %1 van de %2 deelnemers</numerusform>
        </translation>
    </message>
    <message>
        <source>Error sending to [%1] email address [%2]</source>
        <comment>IDS_SEND_ERROR</comment>
        <extracomment>Line of the sending window and of kivvo-cli send for a failed e-mail. %1: the participant&apos;s name; %2: his e-mail address</extracomment>
        <translation>Fout bij het verzenden naar [%1], e-mailadres [%2]</translation>
    </message>
    <message>
        <source>Email sent to: %1<byte value="xd"/>
address: %2</source>
        <comment>IDS_EMAIL_SENT</comment>
        <extracomment>Line of the sending window and of kivvo-cli send (the line break becomes a comma). %1: the participant&apos;s name; %2: his e-mail address</extracomment>
        <translation>E-mail verzonden naar: %1<byte value="xd"/>
adres: %2</translation>
    </message>
    <message>
        <source>The mail server %1 could not be reached or refused the login.<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Check the mail settings (Settings &gt; Configure, or kivvo-cli config).</source>
        <comment>IDS_LOGON_ERROR</comment>
        <extracomment>Shown in the sending window and by kivvo-cli send when no connection comes about. %1: the mail server as host:port; %2: the reason</extracomment>
        <translation>De mailserver %1 is niet bereikbaar of heeft de aanmelding geweigerd.<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Controleer de e-mailinstellingen (Instellingen &gt; Configureren, of kivvo-cli config).</translation>
    </message>
    <message>
        <source>No drawing was found for this list.<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <comment>IDS_DRAWING_ERROR</comment>
        <extracomment>Message box and kivvo-cli message when names cannot be drawn. %1: why, one or more sentences</extracomment>
        <translation>Voor deze lijst is geen trekking gevonden.<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The address book %1 cannot be read: %2</source>
        <comment>IDS_CONTACTS_LOGIN_ERROR</comment>
        <extracomment>Warning when an address book (*.vcf) is no vCard file. %1: the address book&apos;s file path; %2: the reason</extracomment>
        <translation>Het adresboek %1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>The address book %1 cannot be read: %2</source>
        <comment>IDS_CONTACTS_CLSID_ERROR</comment>
        <extracomment>Warning when an address book (*.vcf) cannot be read. %1: the address book&apos;s file path; %2: the system&apos;s reason</extracomment>
        <translation>Het adresboek %1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>The address book %1 cannot be opened: %2</source>
        <comment>IDS_CONTACTS_CREATE_ERROR</comment>
        <extracomment>Warning when an address book (*.vcf) cannot be opened. %1: the address book&apos;s file path; %2: the system&apos;s reason</extracomment>
        <translation>Het adresboek %1 kan niet worden geopend: %2</translation>
    </message>
    <message>
        <source>List</source>
        <comment>IDS_NEW_LIST_NAME</comment>
        <translation>Lijst</translation>
    </message>
    <message>
        <source>New Group</source>
        <comment>IDS_NEW_GROUP_NAME</comment>
        <translation>Nieuwe groep</translation>
    </message>
    <message>
        <source>Person</source>
        <comment>IDS_NEW_PERSON_NAME</comment>
        <translation>Persoon</translation>
    </message>
    <message>
        <source> New Copy</source>
        <comment>IDS_COPY_SUFFIX</comment>
        <translation> nieuwe kopie</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>IDS_UNIQUE_WITH_INITIAL</comment>
        <extracomment>A person&apos;s name made unique with an initial. %1: the first name; %2: the first letter of the last name</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1%2</source>
        <comment>IDS_UNIQUE_WITH_NUMBER</comment>
        <extracomment>A person&apos;s name made unique with a number. %1: the name; %2: the number</extracomment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source> --&gt; </source>
        <comment>IDS_REPORT_GIFT_ARROW</comment>
        <translation> --&gt; </translation>
    </message>
    <message>
        <source>***</source>
        <comment>IDS_REPORT_GROUP_MARK</comment>
        <translation>***</translation>
    </message>
    <message>
        <source>   </source>
        <comment>IDS_REPORT_MEMBER_INDENT</comment>
        <translation>   </translation>
    </message>
    <message>
        <source><byte value="xd"/>
</source>
        <comment>IDS_REPORT_LINE_END</comment>
        <translation><byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Hi %1!<byte value="xd"/>
<byte value="xd"/>
This is your automatic kivvo name drawing message<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>IDS_NOTE_GREETING</comment>
        <extracomment>Start of the notification e-mail. %1: the participant&apos;s name</extracomment>
        <translation>Hallo %1!<byte value="xd"/>
<byte value="xd"/>
Dit is je automatische lootjesbericht van Kivvo.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>This message is for %1 only.<byte value="xd"/>
Please do not read further if you are not the designated person.<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>IDS_NOTE_PRIVACY</comment>
        <extracomment>Notification e-mail. %1: the participant&apos;s name</extracomment>
        <translation>Dit bericht is alleen bedoeld voor %1.<byte value="xd"/>
Ben jij dat niet? Lees dan alsjeblieft niet verder.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>In the previous exchange you gave a gift to: %1.<byte value="xd"/>
You will not draw the same name in this exchange.<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>IDS_NOTE_PREVIOUS_GIFT</comment>
        <extracomment>Notification e-mail. %1: the name the participant drew in the previous exchange</extracomment>
        <translation>In de vorige ronde gaf je een cadeau aan: %1.<byte value="xd"/>
Die naam trek je deze keer dus niet.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>The following list shows who each person gave a gift to in the previous exchange.<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>IDS_NOTE_PREVIOUS_LIST</comment>
        <translation>Hieronder zie je aan wie iedereen in de vorige ronde een cadeau gaf.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
This is the current list of names.<byte value="xd"/>
The indented group persons cannot draw a name in the same group.<byte value="xd"/>
</source>
        <comment>IDS_NOTE_CURRENT_LIST</comment>
        <translation><byte value="xd"/>
Dit is de huidige namenlijst.<byte value="xd"/>
Wie ingesprongen in een groep staat, kan niemand uit dezelfde groep trekken.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
The name randomly drawn for %1 to give a gift to is %2.<byte value="xd"/>
<byte value="xd"/>
Thank you.<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>IDS_NOTE_DRAWN_NAME</comment>
        <extracomment>Notification e-mail. %1: the participant&apos;s name; %2: the name he drew</extracomment>
        <translation><byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Het lot heeft beslist: %1, jij geeft een cadeau aan %2.<byte value="xd"/>
<byte value="xd"/>
Dank je wel!<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Gift Suggestions: %1<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>IDS_NOTE_SUGGESTIONS</comment>
        <extracomment>Notification e-mail. %1: the gift suggestions of the drawn person</extracomment>
        <translation><byte value="xd"/>
<byte value="xd"/>
Cadeautips: %1<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>IDS_NOTE_BEFORE_FOOTER</comment>
        <translation><byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Draw name
for %1</source>
        <comment>IDS_REVEAL_DRAW</comment>
        <extracomment>Button of the Draw names window, two lines. %1: the participant&apos;s name</extracomment>
        <translation>Naam trekken
voor %1</translation>
    </message>
    <message>
        <source>Show name
for %1</source>
        <comment>IDS_REVEAL_SHOW</comment>
        <extracomment>Button of the View notifications window, two lines. %1: the participant&apos;s name</extracomment>
        <translation>Naam tonen
voor %1</translation>
    </message>
    <message>
        <source>Name already shown
 for %1</source>
        <comment>IDS_REVEAL_SHOWN</comment>
        <extracomment>Button of the Draw names window once the name was seen, two lines. %1: the participant&apos;s name</extracomment>
        <translation>Naam al getoond
 voor %1</translation>
    </message>
    <message>
        <source>Draw Name
for XXXXX</source>
        <comment>IDS_REVEAL_INITIAL</comment>
        <translation>Naam trekken
voor XXXXX</translation>
    </message>
    <message>
        <source>Get gift for: %1</source>
        <comment>IDS_GET_GIFT_FOR</comment>
        <extracomment>Text revealed in the Draw names window. %1: the name the participant drew</extracomment>
        <translation>Cadeau voor: %1</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Suggestions: </source>
        <comment>IDS_REVEAL_SUGGESTIONS</comment>
        <translation><byte value="xd"/>
Cadeautips: </translation>
    </message>
    <message>
        <source>Previous</source>
        <comment>IDS_PREVIOUS</comment>
        <translation>Vorige</translation>
    </message>
    <message>
        <source>Next</source>
        <comment>IDS_NEXT</comment>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Done</source>
        <comment>IDS_DONE</comment>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>No participants
in this list</source>
        <comment>IDS_REVEAL_NOBODY</comment>
        <translation>Geen deelnemers
in deze lijst</translation>
    </message>
    <message>
        <source>Person Properties</source>
        <comment>IDS_PERSON_TITLE</comment>
        <translation>Eigenschappen van persoon</translation>
    </message>
    <message>
        <source>Name:</source>
        <comment>IDS_PERSON_NAME_LABEL</comment>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Gift To:</source>
        <comment>IDS_PERSON_GIFT_TO_LABEL</comment>
        <translation>Cadeau voor:</translation>
    </message>
    <message>
        <source>E-mail or address book name:</source>
        <comment>IDS_PERSON_ADDRESS_LABEL</comment>
        <translation>E-mailadres of naam in het adresboek:</translation>
    </message>
    <message>
        <source>Gift Suggestions:</source>
        <comment>IDS_PERSON_SUGGESTIONS_LABEL</comment>
        <translation>Cadeautips:</translation>
    </message>
    <message>
        <source>About Kivvo</source>
        <comment>IDS_ABOUT_TITLE</comment>
        <translation>Over Kivvo</translation>
    </message>
    <message>
        <source>Kivvo
Version 1.0</source>
        <comment>IDS_ABOUT_VERSION</comment>
        <translation>Kivvo
Versie 1.0</translation>
    </message>
    <message>
        <source>Copyright © 2026
Quorvale

Free software under the GNU General Public License, version 3 or later</source>
        <comment>IDS_ABOUT_COPYRIGHT</comment>
        <translation>Copyright © 2026
Quorvale

Vrije software onder de GNU General Public License, versie 3 of later</translation>
    </message>
    <message>
        <source>https://www.gnu.org/licenses/gpl-3.0.html</source>
        <comment>IDS_ABOUT_WEB_ADDRESS</comment>
        <translation>https://www.gnu.org/licenses/gpl-3.0.html</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>IDS_ABOUT_CLOSE</comment>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>&amp;Configure...</source>
        <comment>IDS_MENU_CONFIGURE</comment>
        <translation>&amp;Configureren...</translation>
    </message>
    <message>
        <source>&amp;Add Person</source>
        <comment>IDS_MENU_ADD_PERSON</comment>
        <translation>Persoon &amp;toevoegen</translation>
    </message>
    <message>
        <source>Add &amp;Group</source>
        <comment>IDS_MENU_ADD_GROUP</comment>
        <translation>&amp;Groep toevoegen</translation>
    </message>
    <message>
        <source>Add &amp;Person to Group</source>
        <comment>IDS_MENU_ADD_PERSON_TO_GROUP</comment>
        <translation>&amp;Persoon aan groep toevoegen</translation>
    </message>
    <message>
        <source>&amp;Delete Item</source>
        <comment>IDS_MENU_DELETE_ITEM</comment>
        <translation>Item &amp;verwijderen</translation>
    </message>
    <message>
        <source>Rename &amp;Item</source>
        <comment>IDS_MENU_RENAME_ITEM</comment>
        <translation>Naam &amp;wijzigen</translation>
    </message>
    <message>
        <source>Send &amp;email to Person</source>
        <comment>IDS_MENU_SEND_EMAIL_TO_PERSON</comment>
        <translation>E-mail naar persoon ver&amp;zenden</translation>
    </message>
    <message>
        <source>Person Pr&amp;operties</source>
        <comment>IDS_MENU_PERSON_PROPERTIES</comment>
        <translation>&amp;Eigenschappen van persoon</translation>
    </message>
    <message>
        <source>Draw &amp;Names</source>
        <comment>IDS_MENU_DRAW_NAMES</comment>
        <translation>&amp;Lootjes trekken</translation>
    </message>
    <message>
        <source>&amp;Send Emails</source>
        <comment>IDS_MENU_SEND_EMAILS</comment>
        <translation>E-&amp;mails verzenden</translation>
    </message>
    <message>
        <source>&amp;View Notifications</source>
        <comment>IDS_MENU_VIEW_NOTIFICATIONS</comment>
        <translation>Getrokken namen &amp;bekijken</translation>
    </message>
    <message>
        <source>Copy for Ne&amp;xt Exchange</source>
        <comment>IDS_MENU_COPY_FOR_NEXT</comment>
        <translation>Kopiëren voor volgende &amp;ronde</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <comment>IDS_MENU_SAVE_AS</comment>
        <translation>Opslaan &amp;als...</translation>
    </message>
    <message>
        <source>A&amp;bout Kivvo...</source>
        <comment>IDS_MENU_ABOUT</comment>
        <translation>O&amp;ver Kivvo...</translation>
    </message>
    <message>
        <source>New</source>
        <comment>IDS_MENU_NEW</comment>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>IDS_MENU_OPEN</comment>
        <translation>&amp;Openen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <comment>IDS_MENU_SAVE</comment>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>IDS_MENU_EXIT</comment>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>IDS_FILE_MENU</comment>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>IDS_MENU_FILE_NEW</comment>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <comment>IDS_MENU_OPEN_RECENT</comment>
        <translation>&amp;Recent geopend</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <comment>IDS_MENU_ROOT_RENAME</comment>
        <translation>Naam &amp;wijzigen</translation>
    </message>
    <message>
        <source>Add &amp;Group</source>
        <comment>IDS_MENU_ROOT_ADD_GROUP</comment>
        <translation>&amp;Groep toevoegen</translation>
    </message>
    <message>
        <source>Add &amp;Person</source>
        <comment>IDS_MENU_ROOT_ADD_PERSON</comment>
        <translation>&amp;Persoon toevoegen</translation>
    </message>
    <message>
        <source>&amp;Rename Group</source>
        <comment>IDS_MENU_GROUP_RENAME</comment>
        <translation>Groepsnaam &amp;wijzigen</translation>
    </message>
    <message>
        <source>&amp;Add Person to Group</source>
        <comment>IDS_MENU_GROUP_ADD_PERSON</comment>
        <translation>&amp;Persoon aan groep toevoegen</translation>
    </message>
    <message>
        <source>&amp;Delete Group</source>
        <comment>IDS_MENU_GROUP_DELETE</comment>
        <translation>Groep &amp;verwijderen</translation>
    </message>
    <message>
        <source>&amp;Rename Person</source>
        <comment>IDS_MENU_PERSON_RENAME</comment>
        <translation>Naam &amp;wijzigen</translation>
    </message>
    <message>
        <source>&amp;Delete Person</source>
        <comment>IDS_MENU_PERSON_DELETE</comment>
        <translation>Persoon &amp;verwijderen</translation>
    </message>
    <message>
        <source>&amp;Send email</source>
        <comment>IDS_MENU_PERSON_SEND</comment>
        <translation>E-mail ver&amp;zenden</translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <comment>IDS_MENU_CONTEXT_PROPERTIES</comment>
        <translation>&amp;Eigenschappen...</translation>
    </message>
    <message>
        <source>Draw names for the newest list
Draw Names</source>
        <comment>IDS_TIP_DRAW_NAMES</comment>
        <translation>Lootjes trekken voor de nieuwste lijst
Lootjes trekken</translation>
    </message>
    <message>
        <source>Untitled</source>
        <comment>IDS_UNTITLED</comment>
        <translation>Naamloos</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <comment>IDS_ASK_SAVE_CHANGES</comment>
        <extracomment>Question before closing a changed document. %1: its file name, or Untitled</extracomment>
        <translation>Wijzigingen in %1 opslaan?</translation>
    </message>
    <message>
        <source>Kivvo (*.kv)</source>
        <comment>IDS_FILE_FILTER</comment>
        <translation>Kivvo-documenten (*.kv)</translation>
    </message>
    <message>
        <source>Kivvo Files</source>
        <comment>IDS_DOCLIST_TITLE</comment>
        <translation>Kivvo-bestanden</translation>
    </message>
    <message>
        <source>All Folders</source>
        <comment>IDS_DOCLIST_ALL_FOLDERS</comment>
        <translation>Alle mappen</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>IDS_DOCLIST_NAME</comment>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>IDS_DOCLIST_FOLDER</comment>
        <translation>Map</translation>
    </message>
    <message>
        <source>Modified</source>
        <comment>IDS_DOCLIST_MODIFIED</comment>
        <translation>Gewijzigd</translation>
    </message>
    <message>
        <source>New</source>
        <comment>IDS_DOCLIST_NEW</comment>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>IDS_DOCLIST_OPEN</comment>
        <translation>Openen</translation>
    </message>
    <message>
        <source>No Kivvo documents in %1 yet. Choose New to start one.</source>
        <comment>IDS_DOCLIST_EMPTY</comment>
        <extracomment>Start window, when the documents folder holds no document. %1: the folder&apos;s path</extracomment>
        <translation>Nog geen Kivvo-documenten in %1. Kies Nieuw om er een te beginnen.</translation>
    </message>
    <message>
        <source>%1[*] - Kivvo</source>
        <comment>IDS_WINDOW_TITLE</comment>
        <extracomment>Main window title; keep [*], the changed-document marker. %1: the document&apos;s file name</extracomment>
        <translation>%1[*] - Kivvo</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>IDS_PROGRAM_VERSION</comment>
        <extracomment>Output of --version. %1: the program (kivvo or kivvo-cli); %2: its version number</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Kivvo organises a gift-exchange name draw. Without FILE it offers the Kivvo documents of your documents folder.</source>
        <comment>IDS_GUI_DESCRIPTION</comment>
        <translation>Kivvo regelt het lootjes trekken voor een cadeauronde. Zonder FILE toont het de Kivvo-documenten uit je documentenmap.</translation>
    </message>
    <message>
        <source>A Kivvo document (*.kv) to open.</source>
        <comment>IDS_GUI_FILE_ARGUMENT</comment>
        <translation>Een Kivvo-document (*.kv) om te openen.</translation>
    </message>
    <message>
        <source>kivvo: %1; see kivvo --help</source>
        <comment>IDS_GUI_WRONG_ARGUMENTS</comment>
        <extracomment>kivvo error on stderr for a wrong command line. %1: what is wrong</extracomment>
        <translation>kivvo: %1; zie kivvo --help</translation>
    </message>
    <message>
        <source>only one document can be opened at a time</source>
        <comment>IDS_GUI_TOO_MANY_FILES</comment>
        <translation>er kan maar één document tegelijk worden geopend</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <comment>IDS_OPTION_HELP</comment>
        <translation>Toont deze hulp en stopt.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <comment>IDS_OPTION_VERSION</comment>
        <translation>Toont de versie en stopt.</translation>
    </message>
    <message numerus="yes">
        <source>This document already holds %1 drawings, the most one document can keep.<byte value="xd"/>
<byte value="xd"/>
Nothing was copied. Start a new document for the next exchange.</source>
        <comment>IDS_TOO_MANY_LISTS</comment>
        <extracomment>Message box and kivvo-cli error when Copy for Next Exchange finds the document full. %1: the most drawings a document keeps</extracomment>
        <translation>
            <numerusform>Dit document bevat al %1 trekking, het maximum dat één document kan bewaren.<byte value="xd"/>
<byte value="xd"/>
Er is niets gekopieerd. Begin een nieuw document voor de volgende ronde.</numerusform>
            <numerusform>Dit document bevat al %1 trekkingen, het maximum dat één document kan bewaren.<byte value="xd"/>
<byte value="xd"/>
Er is niets gekopieerd. Begin een nieuw document voor de volgende ronde.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <comment>IDS_FILE_OPEN_ERROR</comment>
        <extracomment>Message box and kivvo-cli error when a document cannot be opened. %1: the file&apos;s path; %2: the reason</extracomment>
        <translation>Kan het bestand &quot;%1&quot; niet openen:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%1&quot;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Nothing was opened.</source>
        <comment>IDS_FILE_READ_ERROR</comment>
        <extracomment>Message box and kivvo-cli error when a document cannot be read. %1: the file&apos;s path; %2: the reason</extracomment>
        <translation>Kan het bestand &quot;%1&quot; niet lezen:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Er is niets geopend.</translation>
    </message>
    <message>
        <source>Cannot save the file &quot;%1&quot;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The file on disk was not changed.</source>
        <comment>IDS_FILE_SAVE_ERROR</comment>
        <extracomment>Message box and kivvo-cli error when a document cannot be saved. %1: the file&apos;s path; %2: the reason</extracomment>
        <translation>Kan het bestand &quot;%1&quot; niet opslaan:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Het bestand op schijf is niet gewijzigd.</translation>
    </message>
    <message>
        <source>The file ends before the document is complete; it is damaged.</source>
        <comment>IDS_ERR_TRUNCATED</comment>
        <translation>Het bestand houdt op voordat het document compleet is; het is beschadigd.</translation>
    </message>
    <message>
        <source>It is not a Kivvo document.</source>
        <comment>IDS_ERR_NOT_KIVVO</comment>
        <translation>Het is geen Kivvo-document.</translation>
    </message>
    <message>
        <source>The document holds no list; it is damaged.</source>
        <comment>IDS_ERR_NO_LISTS</comment>
        <translation>Het document bevat geen lijst; het is beschadigd.</translation>
    </message>
    <message>
        <source>A text is longer than the rest of the file; it is damaged.</source>
        <comment>IDS_ERR_STRING_TOO_LONG</comment>
        <translation>Een tekst is langer dan de rest van het bestand; het is beschadigd.</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>IDS_ERR_DEVICE</comment>
        <extracomment>Reason in a file error. %1: the system&apos;s reason a write failed</extracomment>
        <translation>%1</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <comment>IDS_ERR_IS_FOLDER</comment>
        <translation>Het is een map, geen bestand.</translation>
    </message>
    <message>
        <source>It is not an ordinary file (it is a pipe, a socket or a device).</source>
        <comment>IDS_ERR_NOT_REGULAR</comment>
        <translation>Het is geen gewoon bestand (maar een pipe, een socket of een apparaat).</translation>
    </message>
    <message>
        <source>The file is %1 bytes long, more than the %2 bytes any file of this program may have; it was not read.</source>
        <comment>IDS_ERR_FILE_TOO_LARGE</comment>
        <extracomment>Reason in a file error. %1: the file&apos;s size in bytes; %2: the largest size allowed</extracomment>
        <translation>Het bestand is te groot (grootte: %1 bytes; een bestand van dit programma mag hoogstens %2 bytes zijn); het is niet gelezen.</translation>
    </message>
    <message>
        <source>A text is %1 characters long, more than the %2 characters a name, address or other text may have.</source>
        <comment>IDS_ERR_TEXT_TOO_LONG</comment>
        <extracomment>Reason in a file error. %1: the text&apos;s length in characters; %2: the longest allowed</extracomment>
        <translation>Een tekst is te lang (lengte: %1 tekens; een naam, adres of andere tekst mag hoogstens %2 tekens hebben).</translation>
    </message>
    <message>
        <source>Cannot read the settings file &quot;%1&quot;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The default settings are used; the file was not changed.</source>
        <comment>IDS_SETTINGS_READ_ERROR</comment>
        <extracomment>Warning at start when the mail settings cannot be read. %1: the settings file&apos;s path; %2: the reason</extracomment>
        <translation>Kan het instellingenbestand &quot;%1&quot; niet lezen:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
De standaardinstellingen worden gebruikt; het bestand is niet gewijzigd.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed on disk by another program since it was opened or last saved.<byte value="xd"/>
<byte value="xd"/>
Save anyway and replace the other program&apos;s changes?</source>
        <comment>IDS_ASK_OVERWRITE_CHANGED</comment>
        <extracomment>Question (message box or kivvo-cli) before saving over another program&apos;s change. %1: the file&apos;s path</extracomment>
        <translation>&quot;%1&quot; is op schijf door een ander programma gewijzigd sinds het werd geopend of voor het laatst werd opgeslagen.<byte value="xd"/>
<byte value="xd"/>
Toch opslaan en de wijzigingen van het andere programma vervangen?</translation>
    </message>
    <message>
        <source>kivvo-cli: &quot;%1&quot; is being changed by another program (lock file &quot;%2&quot;); nothing was changed. Try again later.</source>
        <comment>IDS_CLI_LOCKED</comment>
        <extracomment>kivvo-cli error on stderr. %1: the document&apos;s path; %2: the lock file&apos;s path</extracomment>
        <translation>kivvo-cli: &quot;%1&quot; wordt door een ander programma gewijzigd (vergrendelingsbestand &quot;%2&quot;); er is niets gewijzigd. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>kivvo-cli: cannot create the lock file &quot;%1&quot; beside the document: %2; nothing was changed.</source>
        <comment>IDS_CLI_LOCK_ERROR</comment>
        <extracomment>kivvo-cli error on stderr. %1: the lock file&apos;s path; %2: the system&apos;s reason</extracomment>
        <translation>kivvo-cli: kan het vergrendelingsbestand &quot;%1&quot; naast het document niet aanmaken: %2; er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>Usage: kivvo-cli COMMAND FILE [ARGUMENTS] [OPTIONS]
       kivvo-cli --help | --version

Commands:
  new FILE                      a new document with one empty list named &quot;List&quot;
  lists FILE                    the names of the document&apos;s drawings, newest first
  report FILE [--list N] [--gift-to]
                                the report of drawing N (0 = newest)
  add FILE NAME [--group GROUP] [--address A] [--suggestions S]
      [--role both|gives|receives]
                                adds a person to the newest drawing
  add-group FILE NAME           adds a group to the newest drawing
  remove FILE NAME              removes the first person, else the first group, of that name
  rename-list FILE NAME         renames the newest drawing
  rename-group FILE GROUP NAME  renames a group of the newest drawing
  draw FILE [--yes]             draws names in the newest drawing and saves
  check FILE                    whether the newest drawing can be drawn, and if not why
  copy FILE [--yes]             copies the newest drawing for the next exchange and saves
  repair FILE [--yes]           after the newest drawing's list changed: keeps every rule
                                and changes as few givers' recipients as possible, and saves
  exclude FILE GIVER RECIPIENT [--both] [--remove]
                                GIVER never draws RECIPIENT in the newest drawing (--both:
                                nor RECIPIENT GIVER); --remove lifts it again
  rules FILE [--history N|all] [--no-mutual on|off] [--one-circle on|off]
             [--gifts N] [--seal on|off] [--yes] [--quote-history on|off]
             [--language CODE]
                                shows the rules and exclusions, or changes the rules;
                                --gifts: each giver draws N recipients (1 to 5)
  import FILE SOURCE [--group GROUP]
                                adds the participants of a CSV or vCard file to the newest
                                drawing; names it has already are left out
  export FILE --csv OUT [--list N] [--spreadsheet]
                                writes the persons of drawing N as CSV, never the drawn names
                                (--spreadsheet: for spreadsheets, formulas disarmed)
  set FILE PERSON [--name N] [--address A] [--suggestions S]
      [--role both|gives|receives]
                                changes a person of the newest drawing; --role:
                                the person gives and receives (both), gives only
                                or receives only
  move FILE PERSON (--group GROUP | --top)
                                moves a person into a group, or out of it
  notification FILE PERSON [--list N] [--language CODE]
                                the e-mail text for a person of drawing N
  send FILE [--yes] [--person NAME] [--changed] [--language CODE]
                                sends the notifications of the newest drawing, or one
  cards FILE --pdf OUT.pdf [--person NAME] [--changed] [--language CODE]
                                paper cards of the newest drawing, four to an A4 page
  status FILE                   who of the newest drawing was told, how and when (never whom
                                he gives to); --changed of send and cards tells only those
                                whose recipient changed since
  details FILE [--date YYYY-MM-DD] [--budget T] [--place T] [--note T]
                                shows the date, budget, place and note of the newest
                                drawing, or changes them; an empty value clears one
  config [--server H] [--port N] [--from A] [--user U] [--password [P]]
         [--password-stdin] [--footer T] [--require-tls on|off]
         [--test-mail ADDRESS]
                                shows the mail settings, or changes them; --password
                                without a value asks on the terminal
                                --require-tls on: mail only encrypted (TLS)
                                --test-mail: sends a test e-mail to ADDRESS
  contacts [--lookup TEXT]      the address-book names read from the *.vcf files of the
                                documents folder, or what TEXT resolves to

Questions are answered Yes with --yes, asked on a terminal otherwise, and answered No
without a terminal. E-mails and cards are in the language of --language CODE (en, de,
es, fr, it, nl, pl, pt), else in the document&apos;s e-mail language, else in the locale&apos;s.
Exit status: 0 success, 1 failure, 2 usage error.
</source>
        <comment>IDS_CLI_USAGE</comment>
        <translation>Gebruik: kivvo-cli COMMAND FILE [ARGUMENTS] [OPTIONS]
         kivvo-cli --help | --version

Opdrachten:
  new FILE                      een nieuw document met één lege lijst met de naam &quot;Lijst&quot;
  lists FILE                    de namen van de trekkingen in het document, nieuwste eerst
  report FILE [--list N] [--gift-to]
                                het overzicht van trekking N (0 = nieuwste)
  add FILE NAME [--group GROUP] [--address A] [--suggestions S]
      [--role both|gives|receives]
                                voegt een persoon toe aan de nieuwste trekking
  add-group FILE NAME           voegt een groep toe aan de nieuwste trekking
  remove FILE NAME              verwijdert de eerste persoon met die naam, anders de eerste
                                groep met die naam
  rename-list FILE NAME         wijzigt de naam van de nieuwste trekking
  rename-group FILE GROUP NAME  hernoemt een groep van de nieuwste trekking
  draw FILE [--yes]             trekt de lootjes in de nieuwste trekking en slaat op
  check FILE                    of de lootjes in de nieuwste trekking getrokken kunnen
                                worden, en zo niet, waarom niet
  copy FILE [--yes]             kopieert de nieuwste trekking voor de volgende ronde en
                                slaat op
  repair FILE [--yes]           herstelt de nieuwste trekking nadat de lijst veranderde: elke regel
                                blijft, zo min mogelijk ontvangers veranderen; slaat op
  exclude FILE GIVER RECIPIENT [--both] [--remove]
                                GIVER trekt in de nieuwste trekking nooit RECIPIENT (--both:
                                en RECIPIENT ook nooit GIVER); --remove heft dat weer op
  rules FILE [--history N|all] [--no-mutual on|off] [--one-circle on|off]
             [--gifts N] [--seal on|off] [--yes] [--quote-history on|off]
             [--language CODE]
                                toont de regels en uitsluitingen, of wijzigt de regels;
                                --gifts: elke gever trekt N ontvangers (1 tot en met 5)
  import FILE SOURCE [--group GROUP]
                                voegt de deelnemers uit een CSV- of vCard-bestand toe aan
                                de nieuwste trekking; namen die er al in staan, worden
                                overgeslagen
  export FILE --csv OUT [--list N] [--spreadsheet]
                                schrijft de personen van trekking N als CSV weg, nooit de
                                getrokken namen
                                (--spreadsheet: voor spreadsheets, formules onschadelijk)
  set FILE PERSON [--name N] [--address A] [--suggestions S]
      [--role both|gives|receives]
                                wijzigt een persoon in de nieuwste trekking; --role: de
                                persoon geeft en ontvangt (both), geeft alleen (gives) of
                                ontvangt alleen (receives)
  move FILE PERSON (--group GROUP | --top)
                                verplaatst een persoon naar een groep, of haalt hem eruit
  notification FILE PERSON [--list N] [--language CODE]
                                de e-mailtekst voor een persoon uit trekking N
  send FILE [--yes] [--person NAME] [--changed] [--language CODE]
                                verzendt de berichten van de nieuwste trekking, of één ervan
  cards FILE --pdf OUT.pdf [--person NAME] [--changed] [--language CODE]
                                papieren kaartjes van de nieuwste trekking, vier per A4
  status FILE                   wie van de nieuwste trekking is ingelicht, hoe en wanneer (nooit aan wie
                                hij geeft); --changed van send en cards licht alleen wie in van wie de
                                ontvanger sindsdien veranderd is
  details FILE [--date YYYY-MM-DD] [--budget T] [--place T] [--note T]
                                toont de datum, het budget, de plaats en de opmerking van
                                de nieuwste trekking, of wijzigt ze; een lege waarde wist
                                er één
  config [--server H] [--port N] [--from A] [--user U] [--password [P]]
         [--password-stdin] [--footer T] [--require-tls on|off]
         [--test-mail ADDRESS]
                                toont de e-mailinstellingen, of wijzigt ze; --password
                                zonder waarde vraagt erom in de terminal
                                --require-tls on: mail alleen versleuteld (TLS)
                                --test-mail: stuurt een test-e-mail naar ADDRESS
  contacts [--lookup TEXT]      de namen uit het adresboek, gelezen uit de bestanden *.vcf
                                in de documentenmap, of waar TEXT naar verwijst

Vragen worden met --yes met Ja beantwoord, anders in de terminal gesteld, en zonder
terminal met Nee beantwoord. E-mails en kaartjes zijn in de taal van --language CODE (en,
de, es, fr, it, nl, pl, pt), anders in de e-mailtaal van het document, anders in de taal
van de landinstellingen.
Afsluitstatus: 0 gelukt, 1 mislukt, 2 gebruiksfout.
</translation>
    </message>
    <message>
        <source>Kivvo gift-exchange name drawing, command-line tool</source>
        <comment>IDS_CLI_DESCRIPTION</comment>
        <translation>Kivvo-opdrachtregelprogramma voor het lootjes trekken bij een cadeauronde</translation>
    </message>
    <message>
        <source>kivvo-cli: unknown command &quot;%1&quot;; see kivvo-cli --help</source>
        <comment>IDS_CLI_UNKNOWN_COMMAND</comment>
        <extracomment>kivvo-cli error on stderr. %1: the command as typed</extracomment>
        <translation>kivvo-cli: onbekende opdracht &quot;%1&quot;; zie kivvo-cli --help</translation>
    </message>
    <message>
        <source>kivvo-cli: %1; see kivvo-cli --help</source>
        <comment>IDS_CLI_WRONG_ARGUMENTS</comment>
        <extracomment>kivvo-cli error on stderr for a wrong command line. %1: what is wrong</extracomment>
        <translation>kivvo-cli: %1; zie kivvo-cli --help</translation>
    </message>
    <message>
        <source>kivvo-cli: &quot;%1&quot; exists already; it is not overwritten</source>
        <comment>IDS_CLI_FILE_EXISTS</comment>
        <extracomment>kivvo-cli error on stderr (kivvo-cli new). %1: the document&apos;s path</extracomment>
        <translation>kivvo-cli: &quot;%1&quot; bestaat al; het wordt niet overschreven</translation>
    </message>
    <message>
        <source>kivvo-cli: the document has no drawing number %1 (it has %2)</source>
        <comment>IDS_CLI_NO_SUCH_LIST</comment>
        <extracomment>kivvo-cli error on stderr. %1: the drawing number asked for (0 = newest); %2: how many drawings the document has</extracomment>
        <translation>kivvo-cli: het document heeft geen trekking nummer %1 (aantal trekkingen: %2)</translation>
    </message>
    <message>
        <source>kivvo-cli: the newest drawing has no group named &quot;%1&quot;</source>
        <comment>IDS_CLI_NO_SUCH_GROUP</comment>
        <extracomment>kivvo-cli error on stderr. %1: the group name as given</extracomment>
        <translation>kivvo-cli: de nieuwste trekking heeft geen groep met de naam &quot;%1&quot;</translation>
    </message>
    <message>
        <source>kivvo-cli: the newest drawing has no person or group named &quot;%1&quot;</source>
        <comment>IDS_CLI_NO_SUCH_ENTRY</comment>
        <extracomment>Error (kivvo-cli or message box) when removing or renaming. %1: the name as given</extracomment>
        <translation>kivvo-cli: de nieuwste trekking heeft geen persoon of groep met de naam &quot;%1&quot;</translation>
    </message>
    <message>
        <source>kivvo-cli: Draw Names needs more than two persons in the newest drawing</source>
        <comment>IDS_CLI_DRAW_UNAVAILABLE</comment>
        <translation>kivvo-cli: Lootjes trekken kan alleen met meer dan twee personen in de nieuwste trekking</translation>
    </message>
    <message>
        <source>kivvo-cli: no names were drawn; the file was not changed</source>
        <comment>IDS_CLI_NOT_DRAWN</comment>
        <translation>kivvo-cli: er zijn geen lootjes getrokken; het bestand is niet gewijzigd</translation>
    </message>
    <message numerus="yes">
        <source>Names drawn for %1 persons; &quot;%2&quot; saved</source>
        <comment>IDS_CLI_DRAWN</comment>
        <extracomment>kivvo-cli draw output. %1: the number of persons; %2: the document&apos;s path</extracomment>
        <translation>
            <numerusform>Lootjes getrokken voor %1 persoon; &quot;%2&quot; opgeslagen</numerusform>
            <numerusform>Lootjes getrokken voor %1 personen; &quot;%2&quot; opgeslagen</numerusform>
        </translation>
    </message>
    <message>
        <source>kivvo-cli: nothing was copied; the file was not changed</source>
        <comment>IDS_CLI_NOT_COPIED</comment>
        <translation>kivvo-cli: er is niets gekopieerd; het bestand is niet gewijzigd</translation>
    </message>
    <message>
        <source>&quot;%1&quot; added; &quot;%2&quot; saved</source>
        <comment>IDS_CLI_COPIED</comment>
        <extracomment>kivvo-cli copy output. %1: the new drawing&apos;s name; %2: the document&apos;s path</extracomment>
        <translation>&quot;%1&quot; toegevoegd; &quot;%2&quot; opgeslagen</translation>
    </message>
    <message>
        <source> [y/N] </source>
        <comment>IDS_CLI_QUESTION_SUFFIX</comment>
        <translation> [y/N] </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <comment>IDS_CLI_BAD_NUMBER</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the value given to --list</extracomment>
        <translation>&quot;%1&quot; is geen getal</translation>
    </message>
    <message>
        <source>Removed &quot;%1&quot;</source>
        <comment>IDS_CLI_REMOVED</comment>
        <extracomment>kivvo-cli remove output. %1: the name of the removed person or group</extracomment>
        <translation>&quot;%1&quot; verwijderd</translation>
    </message>
    <message>
        <source>Created &quot;%1&quot;</source>
        <comment>IDS_CLI_CREATED</comment>
        <extracomment>kivvo-cli new output. %1: the new document&apos;s path</extracomment>
        <translation>&quot;%1&quot; aangemaakt</translation>
    </message>
    <message>
        <source>kivvo-cli: drawing %1 has no person named &quot;%2&quot;</source>
        <comment>IDS_CLI_NO_SUCH_PERSON</comment>
        <extracomment>kivvo-cli error on stderr. %1: the drawing number (0 = newest); %2: the name as given</extracomment>
        <translation>kivvo-cli: trekking %1 heeft geen persoon met de naam &quot;%2&quot;</translation>
    </message>
    <message>
        <source>kivvo-cli: %1 has no e-mail address; nothing was sent</source>
        <comment>IDS_CLI_NO_ADDRESS</comment>
        <extracomment>kivvo-cli send error on stderr. %1: the person&apos;s name</extracomment>
        <translation>kivvo-cli: %1 heeft geen e-mailadres; er is niets verzonden</translation>
    </message>
    <message>
        <source>kivvo-cli: not every notification was sent</source>
        <comment>IDS_CLI_NOT_SENT</comment>
        <translation>kivvo-cli: niet alle berichten zijn verzonden</translation>
    </message>
    <message>
        <source>server: %1
port: %2
from: %3
user: %4
password: %5
footer: %6
settings file: %7
</source>
        <comment>IDS_CLI_SETTINGS</comment>
        <extracomment>kivvo-cli config output. %1: the mail server; %2: the port; %3: the sender address; %4: the user name; %5: set or not set; %6: the footer; %7: the settings file&apos;s path</extracomment>
        <translation>server: %1
poort: %2
afzender: %3
gebruiker: %4
wachtwoord: %5
voettekst: %6
instellingenbestand: %7
</translation>
    </message>
    <message>
        <source>Settings saved to &quot;%1&quot;</source>
        <comment>IDS_CLI_SETTINGS_SAVED</comment>
        <extracomment>kivvo-cli config output. %1: the settings file&apos;s path</extracomment>
        <translation>Instellingen opgeslagen in &quot;%1&quot;</translation>
    </message>
    <message>
        <source>kivvo-cli: the settings could not be saved to &quot;%1&quot;: %2; the file was not changed</source>
        <comment>IDS_CLI_SETTINGS_NOT_SAVED</comment>
        <extracomment>kivvo-cli config error on stderr. %1: the settings file&apos;s path; %2: the reason</extracomment>
        <translation>kivvo-cli: de instellingen konden niet worden opgeslagen in &quot;%1&quot;: %2; het bestand is niet gewijzigd</translation>
    </message>
    <message>
        <source>the port must be a number from 1 to 65535, not &quot;%1&quot;</source>
        <comment>IDS_CLI_BAD_PORT</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the value given to --port</extracomment>
        <translation>de poort moet een getal van 1 tot en met 65535 zijn, niet &quot;%1&quot;</translation>
    </message>
    <message>
        <source>address: %1
first name: %2
last name: %3
</source>
        <comment>IDS_CLI_LOOKUP</comment>
        <extracomment>kivvo-cli contacts --lookup output. %1: the e-mail address; %2: the first name; %3: the last name</extracomment>
        <translation>adres: %1
voornaam: %2
achternaam: %3
</translation>
    </message>
    <message>
        <source>kivvo-cli: no address-book entry matches &quot;%1&quot;</source>
        <comment>IDS_CLI_NO_CONTACT</comment>
        <extracomment>kivvo-cli error on stderr. %1: the text given to --lookup</extracomment>
        <translation>kivvo-cli: niets in het adresboek komt overeen met &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 can only give to %2.</source>
        <comment>IDS_DRAW_BLOCKED</comment>
        <extracomment>Why names cannot be drawn. %1: the givers&apos; names; %2: the names they can give to</extracomment>
        <translation>Mogelijke ontvangers voor %1: alleen %2.</translation>
    </message>
    <message>
        <source>%1 cannot give to anybody.</source>
        <comment>IDS_DRAW_BLOCKED_NOBODY</comment>
        <extracomment>Why names cannot be drawn. %1: the givers&apos; names</extracomment>
        <translation>%1 kan aan niemand geven.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
What blocks them: %1. Change the groups or add persons, then draw again.</source>
        <comment>IDS_DRAW_BLOCKING_RULES</comment>
        <extracomment>Follows the sentence why names cannot be drawn. %1: the rules in the way, separated by semicolons</extracomment>
        <translation><byte value="xd"/>
<byte value="xd"/>
Oorzaak: %1. Pas de groepen aan of voeg personen toe, en trek dan opnieuw.</translation>
    </message>
    <message>
        <source>nobody draws himself</source>
        <comment>IDS_RULE_HIMSELF</comment>
        <translation>niemand trekt zichzelf</translation>
    </message>
    <message>
        <source>nobody draws a person of his own group</source>
        <comment>IDS_RULE_OWN_GROUP</comment>
        <translation>niemand trekt iemand uit de eigen groep</translation>
    </message>
    <message>
        <source>nobody draws the person he gave to last time</source>
        <comment>IDS_RULE_LAST_TIME</comment>
        <translation>niemand trekt dezelfde persoon als de vorige keer</translation>
    </message>
    <message>
        <source>; </source>
        <comment>IDS_RULES_SEPARATOR</comment>
        <translation>; </translation>
    </message>
    <message>
        <source>, </source>
        <comment>IDS_NAMES_SEPARATOR</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>IDS_NAMES_LAST</comment>
        <extracomment>End of a list of names. %1: the names before the last, separated by commas; %2: the last name</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %2 others</source>
        <comment>IDS_NAMES_OTHERS</comment>
        <extracomment>A shortened list of names. %1: the names shown, separated by commas; %2: how many more there are</extracomment>
        <translation>
            <numerusform>%1 en %2 andere</numerusform>
            <numerusform>%1 en %2 anderen</numerusform>
        </translation>
    </message>
    <message>
        <source>The drawn names no longer match the list: %1.<byte value="xd"/>
<byte value="xd"/>
Please draw names again. Nothing has been shown or sent.</source>
        <comment>IDS_DRAWING_INVALID</comment>
        <extracomment>Message box and kivvo-cli error before names are shown or sent. %1: what no longer matches, separated by semicolons (may be empty)</extracomment>
        <translation>De getrokken namen passen niet meer bij de lijst: %1.<byte value="xd"/>
<byte value="xd"/>
Trek de lootjes opnieuw. Er is nog niets getoond of verzonden.</translation>
    </message>
    <message>
        <source>%1 has no drawn name</source>
        <comment>IDS_CHECK_NO_NAME</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the person&apos;s name</extracomment>
        <translation>voor %1 is geen naam getrokken</translation>
    </message>
    <message>
        <source>%1, drawn by %2, is no longer in the list</source>
        <comment>IDS_CHECK_GONE</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the drawn name; %2: who drew it</extracomment>
        <translation>%1, getrokken door %2, staat niet meer in de lijst</translation>
    </message>
    <message>
        <source>%1, drawn by %2, is the name of more than one person</source>
        <comment>IDS_CHECK_AMBIGUOUS</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the drawn name; %2: who drew it</extracomment>
        <translation>%1, getrokken door %2, is de naam van meer dan één persoon</translation>
    </message>
    <message>
        <source>%1 is drawn by both %2 and %3</source>
        <comment>IDS_CHECK_TWICE</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the drawn name; %2 and %3: the two who drew it</extracomment>
        <translation>%1 is getrokken door zowel %2 als %3</translation>
    </message>
    <message>
        <source>%1 drew himself</source>
        <comment>IDS_CHECK_HIMSELF</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the person&apos;s name</extracomment>
        <translation>%1 heeft zichzelf getrokken</translation>
    </message>
    <message>
        <source>%1 drew %2 of his own group</source>
        <comment>IDS_CHECK_OWN_GROUP</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the giver; %2: the person he drew</extracomment>
        <translation>%1 heeft %2 uit de eigen groep getrokken</translation>
    </message>
    <message>
        <source>%1 drew %2, the person he gave to last time</source>
        <comment>IDS_CHECK_LAST_TIME</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the giver; %2: the person he drew</extracomment>
        <translation>%1 heeft %2 getrokken, net als de vorige keer</translation>
    </message>
    <message>
        <source>a person of the list has no name</source>
        <comment>IDS_CHECK_NAMELESS</comment>
        <translation>een persoon in de lijst heeft geen naam</translation>
    </message>
    <message numerus="yes">
        <source>and %1 more</source>
        <comment>IDS_CHECK_MORE</comment>
        <extracomment>Ends the list of problems with the drawn names. %1: how many more there are</extracomment>
        <translation>
            <numerusform>en nog %1</numerusform>
            <numerusform>en nog %1</numerusform>
        </translation>
    </message>
    <message>
        <source>no names have been drawn</source>
        <comment>IDS_CHECK_NOT_DRAWN</comment>
        <translation>er zijn geen lootjes getrokken</translation>
    </message>
    <message>
        <source>The newest drawing can be drawn.</source>
        <comment>IDS_CLI_CAN_DRAW</comment>
        <translation>In de nieuwste trekking kunnen de lootjes worden getrokken.</translation>
    </message>
    <message>
        <source>a person&apos;s name cannot be empty</source>
        <comment>IDS_CLI_EMPTY_NAME</comment>
        <translation>de naam van een persoon mag niet leeg zijn</translation>
    </message>
    <message>
        <source>kivvo-cli: Copy for Next Exchange needs more than two persons in the newest drawing</source>
        <comment>IDS_CLI_COPY_UNAVAILABLE</comment>
        <translation>kivvo-cli: Kopiëren voor volgende ronde kan alleen met meer dan twee personen in de nieuwste trekking</translation>
    </message>
    <message numerus="yes">
        <source>nobody draws a person he gave to in the last %1 exchanges</source>
        <comment>IDS_RULE_HISTORY</comment>
        <extracomment>A rule, in the list of what blocks a drawing and in kivvo-cli rules. %1: the number of exchanges</extracomment>
        <translation>
            <numerusform>niemand trekt iemand aan wie hij in de laatste %1 ronde een cadeau gaf</numerusform>
            <numerusform>niemand trekt iemand aan wie hij in de laatste %1 rondes een cadeau gaf</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 never draws %2</source>
        <comment>IDS_RULE_EXCLUDED</comment>
        <extracomment>An exclusion, in the list of what blocks a drawing and in kivvo-cli output. %1: the giver; %2: the person he never draws</extracomment>
        <translation>%1 trekt nooit %2</translation>
    </message>
    <message>
        <source>nobody draws the person who draws him</source>
        <comment>IDS_RULE_NO_MUTUAL</comment>
        <translation>niemand trekt degene die hem trekt</translation>
    </message>
    <message>
        <source>the gifts go round in one single circle</source>
        <comment>IDS_RULE_ONE_CIRCLE</comment>
        <translation>de cadeaus gaan rond in één enkele kring</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
What blocks them: %1. Change the groups, the exclusions or the rules (Exchange &gt; Rules), or add persons, then draw again.</source>
        <comment>IDS_DRAW_BLOCKING_RULES_EDIT</comment>
        <extracomment>Follows the sentence why names cannot be drawn. %1: the rules and exclusions in the way, separated by semicolons</extracomment>
        <translation><byte value="xd"/>
<byte value="xd"/>
Oorzaak: %1. Pas de groepen, de uitsluitingen of de regels aan (Ronde &gt; Regels) of voeg personen toe, en trek dan opnieuw.</translation>
    </message>
    <message>
        <source>%1 drew %2, whom he never draws</source>
        <comment>IDS_CHECK_EXCLUDED</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the giver; %2: the person he drew</extracomment>
        <translation>%1 heeft %2 getrokken, hoewel dat uitgesloten is</translation>
    </message>
    <message numerus="yes">
        <source>%1 drew %2, whom he gave to in the last %3 exchanges</source>
        <comment>IDS_CHECK_HISTORY</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the giver; %2: the person he drew; %3: the number of exchanges</extracomment>
        <translation>
            <numerusform>%1 heeft %2 getrokken, aan wie hij in de laatste %3 ronde al een cadeau gaf</numerusform>
            <numerusform>%1 heeft %2 getrokken, aan wie hij in de laatste %3 rondes al een cadeau gaf</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2 draw each other</source>
        <comment>IDS_CHECK_MUTUAL</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1 and %2: the two persons&apos; names</extracomment>
        <translation>%1 en %2 trekken elkaar</translation>
    </message>
    <message>
        <source>the gifts do not go round in one single circle</source>
        <comment>IDS_CHECK_NOT_ONE_CIRCLE</comment>
        <translation>de cadeaus gaan niet rond in één enkele kring</translation>
    </message>
    <message numerus="yes">
        <source>%1 more exclusions</source>
        <comment>IDS_EXCLUSIONS_MORE</comment>
        <extracomment>Ends the list of what blocks a drawing. %1: how many more exclusions there are</extracomment>
        <translation>
            <numerusform>nog %1 uitsluiting</numerusform>
            <numerusform>nog %1 uitsluitingen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 can only give to each other.</source>
        <comment>IDS_DRAW_EACH_OTHER</comment>
        <extracomment>Why names cannot be drawn. %1: the persons&apos; names</extracomment>
        <translation>%1 kunnen alleen aan elkaar geven.</translation>
    </message>
    <message>
        <source>%1 can only give to each other, and no way of doing so keeps every rule.</source>
        <comment>IDS_DRAW_EACH_OTHER_NO_WAY</comment>
        <extracomment>Why names cannot be drawn. %1: the persons&apos; names</extracomment>
        <translation>%1 kunnen alleen aan elkaar geven, en dat kan op geen enkele manier binnen alle regels.</translation>
    </message>
    <message>
        <source>No drawing of the whole list keeps every rule.</source>
        <comment>IDS_DRAW_NO_WAY</comment>
        <translation>Geen enkele trekking van de hele lijst voldoet aan alle regels.</translation>
    </message>
    <message>
        <source>No drawing that keeps every rule was found, and it could not be proven that none exists: the list is too large or too tightly bound to be searched through. Draw again to try once more, or relax a rule (Exchange &gt; Rules).</source>
        <comment>IDS_DRAW_GAVE_UP</comment>
        <translation>Er is geen trekking gevonden die aan alle regels voldoet, maar ook niet bewezen dat er geen bestaat: de lijst is te groot of te sterk door regels beperkt om helemaal te doorzoeken. Trek opnieuw om het nog eens te proberen, of versoepel een regel (Ronde &gt; Regels).</translation>
    </message>
    <message>
        <source>The file holds data after its lists that Kivvo did not write; it is damaged.</source>
        <comment>IDS_ERR_EXT_FOREIGN</comment>
        <translation>Het bestand bevat na de lijsten gegevens die niet door Kivvo zijn geschreven; het is beschadigd.</translation>
    </message>
    <message>
        <source>The file&apos;s rules and exclusions are in format %1, which a newer version of Kivvo wrote; this version reads format %2.</source>
        <comment>IDS_ERR_EXT_NEWER</comment>
        <extracomment>Reason in a file error. %1: the file&apos;s format number; %2: the format number this version reads</extracomment>
        <translation>De regels en uitsluitingen in het bestand hebben formaat %1 en zijn door een nieuwere versie van Kivvo geschreven; deze versie leest formaat %2.</translation>
    </message>
    <message>
        <source>The file&apos;s rules and exclusions are damaged (in section %1).</source>
        <comment>IDS_ERR_EXT_DAMAGED</comment>
        <extracomment>Reason in a file error. %1: the number of the damaged section</extracomment>
        <translation>De regels en uitsluitingen in het bestand zijn beschadigd (in sectie %1).</translation>
    </message>
    <message>
        <source>A person of the list has no name. Please name every person before drawing names: a person without a name can neither be drawn nor be told whom he drew.</source>
        <comment>IDS_NAME_EVERYBODY_FIRST</comment>
        <translation>Een persoon in de lijst heeft geen naam. Geef iedereen een naam voordat je lootjes trekt: iemand zonder naam kan niet getrokken worden en ook niet te horen krijgen wie hij heeft getrokken.</translation>
    </message>
    <message>
        <source>Rules of the Drawing</source>
        <comment>IDS_RULES_TITLE</comment>
        <translation>Regels van de trekking</translation>
    </message>
    <message>
        <source>&amp;Avoid the recipients of the last</source>
        <comment>IDS_RULES_HISTORY</comment>
        <translation>&amp;Vermijd de ontvangers van de laatste</translation>
    </message>
    <message>
        <source> exchanges</source>
        <comment>IDS_RULES_HISTORY_SUFFIX</comment>
        <translation> rondes</translation>
    </message>
    <message>
        <source> exchange</source>
        <comment>IDS_RULES_HISTORY_SUFFIX_ONE</comment>
        <translation> ronde</translation>
    </message>
    <message>
        <source>it is not UTF-8 text; save it from the spreadsheet as CSV UTF-8</source>
        <comment>IDS_CSV_NOT_UTF8</comment>
        <translation>het is geen UTF-8-tekst; sla het in je spreadsheetprogramma op als CSV UTF-8</translation>
    </message>
    <message>
        <source>line %1 opens a quoted field that is never closed</source>
        <comment>IDS_CSV_OPEN_QUOTE</comment>
        <extracomment>Reason in the import error. %1: the line number in the CSV file</extracomment>
        <translation>regel %1 opent een veld tussen aanhalingstekens dat nergens wordt gesloten</translation>
    </message>
    <message>
        <source>Cannot import participants from &quot;%1&quot;: %2.</source>
        <comment>IDS_IMPORT_UNREADABLE</comment>
        <extracomment>Import error (Import Participants window and kivvo-cli import). %1: the file&apos;s path; %2: the reason</extracomment>
        <translation>Kan geen deelnemers importeren uit &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>line %1 has more than %2 fields (name, address, suggestions, group)</source>
        <comment>IDS_IMPORT_TOO_MANY_FIELDS</comment>
        <extracomment>Reason in the import error. %1: the line number in the CSV file; %2: the number of fields read</extracomment>
        <translation>regel %1 heeft meer dan %2 velden (naam, adres, cadeautips, groep)</translation>
    </message>
    <message>
        <source>line %1 holds a text longer than any Kivvo keeps</source>
        <comment>IDS_IMPORT_TOO_LONG</comment>
        <extracomment>Reason in the import error. %1: the line number in the file</extracomment>
        <translation>regel %1 bevat een tekst die langer is dan Kivvo kan bewaren</translation>
    </message>
    <message>
        <source>line %1 has no name</source>
        <comment>IDS_IMPORT_NO_NAME</comment>
        <extracomment>Reason in the import error. %1: the line number in the file</extracomment>
        <translation>regel %1 heeft geen naam</translation>
    </message>
    <message>
        <source>Already in the list, so not imported again: %1</source>
        <comment>IDS_IMPORT_DUPLICATES</comment>
        <extracomment>kivvo-cli import note on stderr. %1: the names left out, separated by commas</extracomment>
        <translation>Staan al in de lijst en zijn dus niet opnieuw geïmporteerd: %1</translation>
    </message>
    <message>
        <source>kivvo-cli: nobody new to import</source>
        <comment>IDS_IMPORT_NOTHING</comment>
        <translation>kivvo-cli: geen nieuwe personen om te importeren</translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 participants into &quot;%2&quot;</source>
        <comment>IDS_IMPORT_DONE</comment>
        <extracomment>kivvo-cli import output. %1: the number of participants; %2: the drawing&apos;s name</extracomment>
        <translation>
            <numerusform>%1 deelnemer geïmporteerd in &quot;%2&quot;</numerusform>
            <numerusform>%1 deelnemers geïmporteerd in &quot;%2&quot;</numerusform>
        </translation>
    </message>
    <message>
        <source>export needs --csv OUT, the file to write</source>
        <comment>IDS_EXPORT_NEEDS_CSV</comment>
        <translation>export heeft --csv OUT nodig, het bestand om naar te schrijven</translation>
    </message>
    <message>
        <source>kivvo-cli: cannot write &quot;%1&quot;: %2</source>
        <comment>IDS_EXPORT_FAILED</comment>
        <extracomment>kivvo-cli export error on stderr. %1: the CSV file&apos;s path; %2: the reason</extracomment>
        <translation>kivvo-cli: kan &quot;%1&quot; niet schrijven: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 persons written to &quot;%2&quot;</source>
        <comment>IDS_EXPORT_DONE</comment>
        <extracomment>kivvo-cli export output. %1: the number of persons; %2: the CSV file&apos;s path</extracomment>
        <translation>
            <numerusform>%1 persoon weggeschreven naar &quot;%2&quot;</numerusform>
            <numerusform>%1 personen weggeschreven naar &quot;%2&quot;</numerusform>
        </translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is taken already in this list, so the person is named &quot;%2&quot;.</source>
        <comment>IDS_NAME_MADE_UNIQUE</comment>
        <extracomment>Note (message box or kivvo-cli) when a name was taken. %1: the name asked for; %2: the name given instead</extracomment>
        <translation>De naam &quot;%1&quot; komt in deze lijst al voor, dus de persoon heet nu &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>move takes either --group GROUP or --top</source>
        <comment>IDS_MOVE_NEEDS_TARGET</comment>
        <translation>move verwacht --group GROUP of --top</translation>
    </message>
    <message>
        <source>%1 moved into %2</source>
        <comment>IDS_MOVED_TO_GROUP</comment>
        <extracomment>kivvo-cli move output. %1: the person&apos;s name; %2: the group&apos;s name</extracomment>
        <translation>%1 verplaatst naar %2</translation>
    </message>
    <message>
        <source>%1 moved out of his group</source>
        <comment>IDS_MOVED_TO_TOP</comment>
        <extracomment>kivvo-cli move output. %1: the person&apos;s name</extracomment>
        <translation>%1 uit de groep gehaald</translation>
    </message>
    <message>
        <source>0 (none)</source>
        <comment>IDS_RULES_HISTORY_NONE</comment>
        <translation>0 (geen)</translation>
    </message>
    <message>
        <source>Nobody draws a person he gave a gift to in that many earlier exchanges of this document: 1 is last time only, 0 lets anybody draw the same person again.</source>
        <comment>IDS_RULES_HISTORY_HELP</comment>
        <translation>Niemand trekt iemand aan wie hij in zoveel eerdere rondes van dit document een cadeau gaf: 1 betekent alleen de vorige keer, bij 0 mag iedereen dezelfde persoon opnieuw trekken.</translation>
    </message>
    <message>
        <source>&amp;No mutual pairs</source>
        <comment>IDS_RULES_NO_MUTUAL</comment>
        <translation>&amp;Geen wederzijdse paren</translation>
    </message>
    <message>
        <source>Nobody draws the person who draws him: no two persons give to each other.</source>
        <comment>IDS_RULES_NO_MUTUAL_HELP</comment>
        <translation>Niemand trekt degene die hem trekt: geen twee personen geven aan elkaar.</translation>
    </message>
    <message>
        <source>&amp;One circle</source>
        <comment>IDS_RULES_ONE_CIRCLE</comment>
        <translation>Eén &amp;kring</translation>
    </message>
    <message>
        <source>The gifts go round in one single circle (Ann to Bob, Bob to Cid, ... and back to Ann), so that they can be handed on in one chain.</source>
        <comment>IDS_RULES_ONE_CIRCLE_HELP</comment>
        <translation>De cadeaus gaan rond in één enkele kring (Ann aan Bob, Bob aan Cid, ... en terug naar Ann), zodat ze in één ketting kunnen worden doorgegeven.</translation>
    </message>
    <message>
        <source>Who never draws whom is set for each person in his properties (Never draws).</source>
        <comment>IDS_RULES_EXCLUSIONS_HELP</comment>
        <translation>Wie nooit wie trekt, stel je per persoon in bij de eigenschappen (Trekt nooit).</translation>
    </message>
    <message>
        <source>Ru&amp;les...</source>
        <comment>IDS_MENU_RULES</comment>
        <translation>Regel&amp;s...</translation>
    </message>
    <message>
        <source>Never draws (names, separated by commas):</source>
        <comment>IDS_PERSON_NEVER_DRAWS_LABEL</comment>
        <translation>Trekt nooit (namen, gescheiden door komma&apos;s):</translation>
    </message>
    <message>
        <source>&amp;Both ways: they never draw him either</source>
        <comment>IDS_PERSON_BOTH_WAYS</comment>
        <translation>&amp;In beide richtingen: zij trekken deze persoon ook nooit</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is nobody of this list.</source>
        <comment>IDS_PERSON_UNKNOWN_NAME</comment>
        <extracomment>Error in the Person Properties window (Never draws). %1: the name as typed</extracomment>
        <translation>&quot;%1&quot; staat niet in deze lijst.</translation>
    </message>
    <message>
        <source>Nobody draws himself anyway; leave out &quot;%1&quot;.</source>
        <comment>IDS_PERSON_SELF_EXCLUDED</comment>
        <extracomment>Error in the Person Properties window and kivvo-cli exclude. %1: the person&apos;s own name</extracomment>
        <translation>Niemand trekt zichzelf, dus laat &quot;%1&quot; weg.</translation>
    </message>
    <message>
        <source>Never draws some persons of the list</source>
        <comment>IDS_TIP_HAS_EXCLUSIONS</comment>
        <translation>Trekt sommige personen uit de lijst nooit</translation>
    </message>
    <message>
        <source>history: %1
no mutual pairs: %2
one circle: %3
</source>
        <comment>IDS_CLI_RULES</comment>
        <extracomment>kivvo-cli rules output. %1: the history rule; %2 and %3: on or off</extracomment>
        <translation>geschiedenis: %1
geen wederzijdse paren: %2
één kring: %3
</translation>
    </message>
    <message>
        <source>0 (the recipients of earlier exchanges may be drawn again)</source>
        <comment>IDS_CLI_HISTORY_NONE</comment>
        <translation>0 (ontvangers uit eerdere rondes mogen opnieuw getrokken worden)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>IDS_CLI_HISTORY</comment>
        <extracomment>kivvo-cli rules output, history line. %1: the number of exchanges; %2: the rule in words</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>on</source>
        <comment>IDS_CLI_ON</comment>
        <translation>on</translation>
    </message>
    <message>
        <source>off</source>
        <comment>IDS_CLI_OFF</comment>
        <translation>off</translation>
    </message>
    <message>
        <source>exclusions in &quot;%1&quot;:
</source>
        <comment>IDS_CLI_EXCLUSIONS_IN</comment>
        <extracomment>kivvo-cli rules output, heading of the exclusions. %1: the drawing&apos;s name</extracomment>
        <translation>uitsluitingen in &quot;%1&quot;:
</translation>
    </message>
    <message>
        <source>no exclusions in &quot;%1&quot;
</source>
        <comment>IDS_CLI_NO_EXCLUSIONS</comment>
        <extracomment>kivvo-cli rules output. %1: the drawing&apos;s name</extracomment>
        <translation>geen uitsluitingen in &quot;%1&quot;
</translation>
    </message>
    <message>
        <source>%1 may draw %2 again</source>
        <comment>IDS_CLI_EXCLUSION_REMOVED</comment>
        <extracomment>kivvo-cli exclude --remove output. %1: the giver; %2: the person he may draw again</extracomment>
        <translation>%1 mag %2 weer trekken</translation>
    </message>
    <message>
        <source>kivvo-cli: %1 is not kept from drawing %2</source>
        <comment>IDS_CLI_NO_SUCH_EXCLUSION</comment>
        <extracomment>kivvo-cli exclude --remove error on stderr. %1: the giver; %2: the other person</extracomment>
        <translation>kivvo-cli: %1 mag %2 al trekken</translation>
    </message>
    <message>
        <source>--%1 takes on or off, not &quot;%2&quot;</source>
        <comment>IDS_CLI_BAD_SWITCH</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the option without dashes; %2: the value given</extracomment>
        <translation>--%1 verwacht on of off, niet &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--history takes a number from 0 to %1, or all, not &quot;%2&quot;</source>
        <comment>IDS_CLI_BAD_HISTORY</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the largest number allowed; %2: the value given</extracomment>
        <translation>--history verwacht een getal van 0 tot en met %1, of all, niet &quot;%2&quot;</translation>
    </message>
    <message>
        <source>kivvo-cli: %1 already never draws %2</source>
        <comment>IDS_CLI_EXCLUSION_KNOWN</comment>
        <extracomment>kivvo-cli exclude error on stderr. %1: the giver; %2: the person he never draws</extracomment>
        <translation>kivvo-cli: %1 trekt %2 al nooit</translation>
    </message>
    <message>
        <source>A person of the list has no name; name every person, then draw again.</source>
        <comment>IDS_DRAW_NAMELESS</comment>
        <translation>Een persoon in de lijst heeft geen naam; geef iedereen een naam en trek dan opnieuw.</translation>
    </message>
    <message>
        <source>cannot connect to %1 port %2: %3</source>
        <comment>IDS_SMTP_NO_CONNECTION</comment>
        <extracomment>Reason why mail failed. %1: the mail server&apos;s host name; %2: the port number; %3: the system&apos;s reason</extracomment>
        <translation>kan geen verbinding maken met %1, poort %2: %3</translation>
    </message>
    <message>
        <source>the server did not accept this program as a client: %1</source>
        <comment>IDS_SMTP_NO_GREETING</comment>
        <extracomment>Reason why mail failed. %1: the mail server&apos;s reply</extracomment>
        <translation>de server accepteerde dit programma niet als client: %1</translation>
    </message>
    <message>
        <source>the encrypted connection (TLS) failed: %1</source>
        <comment>IDS_SMTP_TLS_FAILED</comment>
        <extracomment>Reason why mail failed. %1: the server&apos;s reply or the system&apos;s reason</extracomment>
        <translation>de versleutelde verbinding (TLS) is mislukt: %1</translation>
    </message>
    <message>
        <source>the server offers no encryption (STARTTLS), and the password is only ever sent encrypted</source>
        <comment>IDS_SMTP_NO_TLS</comment>
        <translation>de server biedt geen versleuteling (STARTTLS), en het wachtwoord wordt alleen versleuteld verzonden</translation>
    </message>
    <message>
        <source>the server refused the login: %1; check the user name and the password</source>
        <comment>IDS_SMTP_LOGIN_REFUSED</comment>
        <extracomment>Reason why mail failed. %1: the mail server&apos;s reply</extracomment>
        <translation>de server weigerde de aanmelding: %1; controleer de gebruikersnaam en het wachtwoord</translation>
    </message>
    <message>
        <source>the server offers no login method this program knows (PLAIN or LOGIN)</source>
        <comment>IDS_SMTP_NO_LOGIN_METHOD</comment>
        <translation>de server biedt geen aanmeldmethode die dit programma kent (PLAIN of LOGIN)</translation>
    </message>
    <message>
        <source>the server wants a login: %1; enter the user name and the password</source>
        <comment>IDS_SMTP_LOGIN_REQUIRED</comment>
        <extracomment>Reason why mail failed. %1: the mail server&apos;s reply</extracomment>
        <translation>de server vraagt om aanmelding: %1; vul de gebruikersnaam en het wachtwoord in</translation>
    </message>
    <message>
        <source>the server refused the sender address %1: %2</source>
        <comment>IDS_SMTP_SENDER_REFUSED</comment>
        <extracomment>Reason why mail failed. %1: the sender address; %2: the mail server&apos;s reply</extracomment>
        <translation>de server weigerde het afzenderadres %1: %2</translation>
    </message>
    <message>
        <source>the server refused the address %1: %2</source>
        <comment>IDS_SMTP_RECIPIENT_REFUSED</comment>
        <extracomment>Reason why an e-mail failed. %1: the recipient&apos;s address; %2: the mail server&apos;s reply</extracomment>
        <translation>de server weigerde het adres %1: %2</translation>
    </message>
    <message>
        <source>the server refused the message: %1</source>
        <comment>IDS_SMTP_MESSAGE_REFUSED</comment>
        <extracomment>Reason why an e-mail failed. %1: the mail server&apos;s reply</extracomment>
        <translation>de server weigerde het bericht: %1</translation>
    </message>
    <message numerus="yes">
        <source>the server did not answer within %1 seconds</source>
        <comment>IDS_SMTP_TIMED_OUT</comment>
        <extracomment>Reason why mail failed. %1: the number of seconds waited</extracomment>
        <translation>
            <numerusform>de server antwoordde niet binnen %1 seconde</numerusform>
            <numerusform>de server antwoordde niet binnen %1 seconden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the server did not confirm the message within %1 seconds; it may have arrived, so it is not sent again</source>
        <comment>IDS_SMTP_UNCONFIRMED</comment>
        <extracomment>Reason why an e-mail may have failed. %1: the number of seconds waited</extracomment>
        <translation>
            <numerusform>de server heeft het bericht niet binnen %1 seconde bevestigd; misschien is het toch aangekomen, dus het wordt niet opnieuw verzonden</numerusform>
            <numerusform>de server heeft het bericht niet binnen %1 seconden bevestigd; misschien is het toch aangekomen, dus het wordt niet opnieuw verzonden</numerusform>
        </translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <comment>IDS_SMTP_LOST</comment>
        <translation>de server heeft de verbinding verbroken</translation>
    </message>
    <message>
        <source>the server closed the connection before it confirmed the message; it may have arrived, so it is not sent again</source>
        <comment>IDS_SMTP_LOST_UNCONFIRMED</comment>
        <translation>de server heeft de verbinding verbroken voordat het bericht was bevestigd; misschien is het toch aangekomen, dus het wordt niet opnieuw verzonden</translation>
    </message>
    <message>
        <source>sending was stopped</source>
        <comment>IDS_SMTP_CANCELLED</comment>
        <translation>het verzenden is gestopt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an e-mail address</source>
        <comment>IDS_SMTP_BAD_ADDRESS</comment>
        <extracomment>Reason why an e-mail failed. %1: the address as entered</extracomment>
        <translation>&quot;%1&quot; is geen e-mailadres</translation>
    </message>
    <message>
        <source>no e-mail address: &quot;%1&quot; is not in the address book</source>
        <comment>IDS_SMTP_NO_ADDRESS</comment>
        <extracomment>Reason why an e-mail failed. %1: the address-book name entered for the person</extracomment>
        <translation>geen e-mailadres: &quot;%1&quot; staat niet in het adresboek</translation>
    </message>
    <message>
        <source>Skipped [%1]: no email address</source>
        <comment>IDS_SEND_SKIPPED</comment>
        <extracomment>Line of the sending window and of kivvo-cli send. %1: the participant&apos;s name</extracomment>
        <translation>[%1] overgeslagen: geen e-mailadres</translation>
    </message>
    <message>
        <source>Not sent to [%1] email address [%2]</source>
        <comment>IDS_SEND_NOT_SENT</comment>
        <extracomment>Line of the sending window and of kivvo-cli send after sending stopped. %1: the participant&apos;s name; %2: his e-mail address</extracomment>
        <translation>Niet verzonden naar [%1], e-mailadres [%2]</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>IDS_SEND_LINE_REASON</comment>
        <extracomment>Line of the sending window and of kivvo-cli send. %1: the line (who, which address); %2: the reason</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The mail server %1 refused the sender address.<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Correct the sender address (Settings &gt; Configure, or kivvo-cli config). Nothing more was sent.</source>
        <comment>IDS_SENDER_ERROR</comment>
        <extracomment>Shown in the sending window and by kivvo-cli send. %1: the mail server as host:port; %2: the server&apos;s reason</extracomment>
        <translation>De mailserver %1 weigerde het afzenderadres.<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Verbeter het afzenderadres (Instellingen &gt; Configureren, of kivvo-cli config). Er is verder niets verzonden.</translation>
    </message>
    <message>
        <source>Sending stopped; nothing more was sent.</source>
        <comment>IDS_SEND_STOPPED</comment>
        <translation>Verzenden gestopt; er is verder niets verzonden.</translation>
    </message>
    <message>
        <source>E-mails are still being sent. Stop sending and close?<byte value="xd"/>
<byte value="xd"/>
Whoever has not been sent his e-mail yet gets none.</source>
        <comment>IDS_ASK_STOP_SENDING</comment>
        <translation>Er worden nog e-mails verzonden. Het verzenden stoppen en sluiten?<byte value="xd"/>
<byte value="xd"/>
Wie zijn e-mail nog niet heeft gekregen, krijgt er dan geen.</translation>
    </message>
    <message>
        <source>Sending Emails</source>
        <comment>IDS_SEND_TITLE</comment>
        <translation>E-mails verzenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>IDS_SEND_CANCEL</comment>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Send again to those that failed</source>
        <comment>IDS_SEND_RETRY</comment>
        <translation>Mislukte e-mails opnieuw verzenden</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>IDS_SEND_CLOSE</comment>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Sending %1 of %2...</source>
        <comment>IDS_SEND_RUNNING</comment>
        <extracomment>Status line of the sending window. %1: the number of the e-mail being sent; %2: how many there are</extracomment>
        <translation>Bezig met verzenden: %1 van %2...</translation>
    </message>
    <message>
        <source>Stopping after the message being sent...</source>
        <comment>IDS_SEND_CANCELLING</comment>
        <translation>Stoppen na het bericht dat nu wordt verzonden...</translation>
    </message>
    <message>
        <source>%1: waiting</source>
        <comment>IDS_SEND_WAITING</comment>
        <extracomment>Line of the sending window. %1: the participant&apos;s name</extracomment>
        <translation>%1: in de wachtrij</translation>
    </message>
    <message>
        <source>it is not a vCard file</source>
        <comment>IDS_CONTACTS_NOT_VCARD</comment>
        <translation>het is geen vCard-bestand</translation>
    </message>
    <message>
        <source>Enter the name of the mail server, such as smtp.example.org.</source>
        <comment>IDS_SETTINGS_BAD_SERVER</comment>
        <translation>Vul de naam van de mailserver in, bijvoorbeeld smtp.example.org.</translation>
    </message>
    <message>
        <source>The port is a number from 1 to 65535, most often 587 or 465.</source>
        <comment>IDS_SETTINGS_BAD_PORT</comment>
        <translation>De poort is een getal van 1 tot en met 65535, meestal 587 of 465.</translation>
    </message>
    <message>
        <source>Enter one e-mail address, such as you@example.org or Your Name &lt;you@example.org&gt;.</source>
        <comment>IDS_SETTINGS_BAD_FROM</comment>
        <translation>Vul één e-mailadres in, bijvoorbeeld jij@example.org of Jouw Naam &lt;jij@example.org&gt;.</translation>
    </message>
    <message>
        <source>Mail Settings</source>
        <comment>IDS_SETTINGS_TITLE</comment>
        <translation>E-mailinstellingen</translation>
    </message>
    <message>
        <source>Mail server (SMTP):</source>
        <comment>IDS_SETTINGS_SERVER</comment>
        <translation>Mailserver (SMTP):</translation>
    </message>
    <message>
        <source>Port:</source>
        <comment>IDS_SETTINGS_PORT</comment>
        <translation>Poort:</translation>
    </message>
    <message>
        <source>Sender address:</source>
        <comment>IDS_SETTINGS_FROM</comment>
        <translation>Afzenderadres:</translation>
    </message>
    <message>
        <source>User name:</source>
        <comment>IDS_SETTINGS_USER</comment>
        <translation>Gebruikersnaam:</translation>
    </message>
    <message>
        <source>Password:</source>
        <comment>IDS_SETTINGS_PASSWORD</comment>
        <translation>Wachtwoord:</translation>
    </message>
    <message>
        <source>Show password</source>
        <comment>IDS_SETTINGS_SHOW_PASSWORD</comment>
        <translation>Wachtwoord tonen</translation>
    </message>
    <message>
        <source>Footer of every e-mail:</source>
        <comment>IDS_SETTINGS_FOOTER</comment>
        <translation>Voettekst van elke e-mail:</translation>
    </message>
    <message>
        <source>Send test mail</source>
        <comment>IDS_SETTINGS_TEST</comment>
        <translation>Testmail verzenden</translation>
    </message>
    <message>
        <source>Sending a test mail to %1...</source>
        <comment>IDS_SETTINGS_TESTING</comment>
        <extracomment>Mail Settings window, while the test mail is sent. %1: the address it goes to</extracomment>
        <translation>Testmail verzenden naar %1...</translation>
    </message>
    <message>
        <source>A test mail was sent to %1.</source>
        <comment>IDS_SETTINGS_TEST_SENT</comment>
        <extracomment>Mail Settings window. %1: the address the test mail went to</extracomment>
        <translation>Er is een testmail verzonden naar %1.</translation>
    </message>
    <message>
        <source>The test mail could not be sent: %1</source>
        <comment>IDS_SETTINGS_TEST_FAILED</comment>
        <extracomment>Mail Settings window. %1: the reason</extracomment>
        <translation>De testmail kon niet worden verzonden: %1</translation>
    </message>
    <message>
        <source>Kivvo test mail</source>
        <comment>IDS_TEST_MAIL_SUBJECT</comment>
        <translation>Kivvo-testmail</translation>
    </message>
    <message>
        <source>This test mail shows that Kivvo can send the name drawing&apos;s e-mails with these settings.<byte value="xd"/>
</source>
        <comment>IDS_TEST_MAIL_BODY</comment>
        <translation>Deze testmail laat zien dat Kivvo met deze instellingen de e-mails van de lootjestrekking kan verzenden.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Cannot save the settings file &quot;%1&quot;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The new settings are used until the program ends.</source>
        <comment>IDS_SETTINGS_SAVE_ERROR</comment>
        <extracomment>Message box when the mail settings cannot be saved. %1: the settings file&apos;s path; %2: the reason</extracomment>
        <translation>Kan het instellingenbestand &quot;%1&quot; niet opslaan:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
De nieuwe instellingen gelden tot het programma wordt afgesloten.</translation>
    </message>
    <message>
        <source>The password is kept in the desktop&apos;s keyring.</source>
        <comment>IDS_PASSWORD_IN_KEYRING</comment>
        <translation>Het wachtwoord wordt bewaard in de sleutelbos van het bureaublad.</translation>
    </message>
    <message>
        <source>No keyring is running: the password is kept in the settings file %1, which only you can read.</source>
        <comment>IDS_PASSWORD_IN_FILE</comment>
        <extracomment>Mail Settings window and kivvo-cli config output. %1: the settings file&apos;s path</extracomment>
        <translation>Er draait geen sleutelbos: het wachtwoord wordt bewaard in het instellingenbestand %1, dat alleen jij kunt lezen.</translation>
    </message>
    <message>
        <source>not set</source>
        <comment>IDS_PASSWORD_NONE</comment>
        <translation>niet ingesteld</translation>
    </message>
    <message>
        <source>kivvo-cli: --%1: %2 Nothing was saved.</source>
        <comment>IDS_CLI_BAD_SETTING</comment>
        <extracomment>kivvo-cli config error on stderr. %1: the option without dashes; %2: what is wrong, a whole sentence</extracomment>
        <translation>kivvo-cli: --%1: %2 Er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>Password: </source>
        <comment>IDS_CLI_PASSWORD_PROMPT</comment>
        <translation>Wachtwoord: </translation>
    </message>
    <message>
        <source>--password without a value asks on a terminal; without one, give it with --password-stdin</source>
        <comment>IDS_CLI_NO_TERMINAL</comment>
        <translation>--password zonder waarde vraagt erom in de terminal; zonder terminal geef je het op met --password-stdin</translation>
    </message>
    <message>
        <source>set</source>
        <comment>IDS_CLI_PASSWORD_SET</comment>
        <translation>ingesteld</translation>
    </message>
    <message>
        <source>sending was stopped before the server confirmed the message; it may have arrived</source>
        <comment>IDS_SMTP_STOPPED_UNCONFIRMED</comment>
        <translation>het verzenden is gestopt voordat de server het bericht had bevestigd; misschien is het toch aangekomen</translation>
    </message>
    <message>
        <source>Stop now</source>
        <comment>IDS_SEND_STOP_NOW</comment>
        <translation>Nu stoppen</translation>
    </message>
    <message>
        <source>the server&apos;s reply was longer than any mail server&apos;s (more than 4096 characters in a line, or more than 256 lines); the connection was closed</source>
        <comment>IDS_SMTP_REPLY_TOO_LONG</comment>
        <translation>het antwoord van de server was langer dan dat van welke mailserver ook (meer dan 4096 tekens op een regel, of meer dan 256 regels); de verbinding is verbroken</translation>
    </message>
    <message>
        <source>the server sent more than its go-ahead for encryption (STARTTLS) before encryption began; somebody between this computer and the server may be tampering with the connection, so it was closed</source>
        <comment>IDS_SMTP_TLS_INJECTION</comment>
        <translation>de server stuurde meer dan alleen zijn startsein voor de versleuteling (STARTTLS) voordat de versleuteling begon; mogelijk knoeit iemand tussen deze computer en de server met de verbinding, dus die is verbroken</translation>
    </message>
    <message>
        <source>the server cannot take the message now: %1; try again later</source>
        <comment>IDS_SMTP_TRY_LATER</comment>
        <extracomment>Reason why an e-mail failed. %1: the mail server&apos;s reply</extracomment>
        <translation>de server kan het bericht nu niet aannemen: %1; probeer het later opnieuw</translation>
    </message>
    <message>
        <source>the server&apos;s confirmation of the message was longer than any mail server&apos;s; it may have arrived, so it is not sent again</source>
        <comment>IDS_SMTP_TOO_LONG_UNCONFIRMED</comment>
        <translation>de bevestiging van het bericht door de server was langer dan die van welke mailserver ook; misschien is het toch aangekomen, dus het wordt niet opnieuw verzonden</translation>
    </message>
    <message>
        <source>The mail server %1 stopped answering.<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Nothing more was sent. Try again later.</source>
        <comment>IDS_SEND_SERVER_SILENT</comment>
        <extracomment>Shown in the sending window and by kivvo-cli send. %1: the mail server as host:port; %2: the reason</extracomment>
        <translation>De mailserver %1 antwoordt niet meer.<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Er is verder niets verzonden. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>not sent, since the mail server could not go on: %1</source>
        <comment>IDS_SEND_SERVER_STOPPED</comment>
        <extracomment>Reason in a line of the sending window, for e-mails not sent. %1: why the server stopped</extracomment>
        <translation>niet verzonden, omdat de mailserver niet verder kon: %1</translation>
    </message>
    <message>
        <source>The e-mail to %1 (%2) may have arrived already: %3.<byte value="xd"/>
<byte value="xd"/>
Send it again anyway? If it did arrive, the recipient gets two copies.</source>
        <comment>IDS_ASK_SEND_AGAIN</comment>
        <extracomment>Question in the sending window before sending again. %1: the participant&apos;s name; %2: his e-mail address; %3: the reason</extracomment>
        <translation>De e-mail aan %1 (%2) is misschien al aangekomen: %3.<byte value="xd"/>
<byte value="xd"/>
Toch opnieuw verzenden? Als hij wel is aangekomen, krijgt de ontvanger hem twee keer.</translation>
    </message>
    <message>
        <source>kivvo-cli: warning: a password given as --password VALUE can be seen by other users in the process list; give it with --password-stdin instead, or with --password alone to be asked for it</source>
        <comment>IDS_CLI_PASSWORD_VISIBLE</comment>
        <translation>kivvo-cli: waarschuwing: een wachtwoord dat als --password VALUE wordt opgegeven, is voor andere gebruikers zichtbaar in de proceslijst; geef het liever op met --password-stdin, of met alleen --password om ernaar gevraagd te worden</translation>
    </message>
    <message>
        <source>the settings file there cannot be read (%1); it is left as it is rather than replaced by settings that never saw what it holds. Make it readable or remove it, then try again</source>
        <comment>IDS_SETTINGS_NOT_REPLACED</comment>
        <extracomment>Reason why the settings were not saved. %1: why the settings file there cannot be read</extracomment>
        <translation>het instellingenbestand daar kan niet worden gelezen (%1); het blijft zoals het is, in plaats van te worden vervangen door instellingen die de inhoud ervan nooit hebben gezien. Maak het leesbaar of verwijder het, en probeer het dan opnieuw</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being changed by another program (lock file &quot;%2&quot;), so it was not saved. Try again in a moment.</source>
        <comment>IDS_DOC_LOCKED</comment>
        <extracomment>Message box when a document cannot be saved. %1: the document&apos;s path; %2: the lock file&apos;s path</extracomment>
        <translation>&quot;%1&quot; wordt door een ander programma gewijzigd (vergrendelingsbestand &quot;%2&quot;) en is daarom niet opgeslagen. Probeer het zo meteen opnieuw.</translation>
    </message>
    <message>
        <source>cannot create the lock file &quot;%1&quot; beside it: %2</source>
        <comment>IDS_LOCK_NOT_MADE</comment>
        <extracomment>Reason in the save error. %1: the lock file&apos;s path; %2: the system&apos;s reason</extracomment>
        <translation>kan het vergrendelingsbestand &quot;%1&quot; ernaast niet aanmaken: %2</translation>
    </message>
    <message>
        <source>it would take %1 bytes, more than the %2 bytes of the largest file this program opens; nothing was written. Remove drawings or shorten texts, then save again</source>
        <comment>IDS_ERR_SAVE_TOO_LARGE</comment>
        <extracomment>Reason in the save error. %1: the size in bytes; %2: the largest size allowed</extracomment>
        <translation>het zou te groot worden (grootte: %1 bytes; het grootste bestand dat dit programma opent, is %2 bytes); er is niets geschreven. Verwijder trekkingen of maak teksten korter, en sla dan opnieuw op</translation>
    </message>
    <message>
        <source>it holds more than %1 persons and groups, more than this program opens</source>
        <comment>IDS_ERR_TOO_MANY_ENTRIES</comment>
        <extracomment>Reason in a file error. %1: the largest number of persons and groups</extracomment>
        <translation>het bevat meer dan %1 personen en groepen, meer dan dit programma kan openen</translation>
    </message>
    <message>
        <source>the file was written, but its folder could not be synced to disk: %1</source>
        <comment>IDS_ERR_FOLDER_SYNC</comment>
        <extracomment>Reason in the save error. %1: the system&apos;s reason</extracomment>
        <translation>het bestand is geschreven, maar de map kon niet naar schijf worden gesynchroniseerd: %1</translation>
    </message>
    <message>
        <source>Waiting for the desktop&apos;s keyring: it asks for its password (to unlock it, or for a new keyring). Answer it to go on.</source>
        <comment>IDS_KEYRING_WAITING</comment>
        <translation>Wachten op de sleutelbos van het bureaublad: die vraagt om zijn wachtwoord (om hem te ontgrendelen, of voor een nieuwe sleutelbos). Beantwoord die vraag om verder te gaan.</translation>
    </message>
    <message>
        <source>The desktop&apos;s keyring does not answer (%1). Kivvo goes on without it: the mail password is taken from and kept in the settings file %2, which only you can read.</source>
        <comment>IDS_KEYRING_SILENT</comment>
        <extracomment>Warning when the keyring cannot be used. %1: the reason; %2: the settings file&apos;s path</extracomment>
        <translation>De sleutelbos van het bureaublad antwoordt niet (%1). Kivvo gaat verder zonder: het e-mailwachtwoord wordt gelezen uit en bewaard in het instellingenbestand %2, dat alleen jij kunt lezen.</translation>
    </message>
    <message numerus="yes">
        <source>no answer within %1 seconds</source>
        <comment>IDS_KEYRING_NO_ANSWER</comment>
        <extracomment>Reason why the keyring cannot be used. %1: the number of seconds waited</extracomment>
        <translation>
            <numerusform>geen antwoord binnen %1 seconde</numerusform>
            <numerusform>geen antwoord binnen %1 seconden</numerusform>
        </translation>
    </message>
    <message>
        <source>Draw names — %1</source>
        <comment>IDS_DRAWNAMES_TITLE</comment>
        <extracomment>Title of the Draw names window. %1: the drawing&apos;s name</extracomment>
        <translation>Lootjes trekken — %1</translation>
    </message>
    <message>
        <source>View notifications — %1</source>
        <comment>IDS_SHOWNAMES_TITLE</comment>
        <extracomment>Title of the View notifications window. %1: the drawing&apos;s name</extracomment>
        <translation>Getrokken namen bekijken — %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 participants have not seen their name yet. End the round?</source>
        <comment>IDS_ASK_END_ROUND</comment>
        <extracomment>Question when closing the Draw names window early. %1: the number of participants</extracomment>
        <translation>
            <numerusform>%1 deelnemer heeft de getrokken naam nog niet gezien. Het doorgeven beëindigen?</numerusform>
            <numerusform>%1 deelnemers hebben hun getrokken naam nog niet gezien. Het doorgeven beëindigen?</numerusform>
        </translation>
    </message>
    <message>
        <source>1 participant has not seen his name yet. End the round?</source>
        <comment>IDS_ASK_END_ROUND_ONE</comment>
        <translation>1 deelnemer heeft de getrokken naam nog niet gezien. Het doorgeven beëindigen?</translation>
    </message>
    <message>
        <source>This shows every participant&apos;s drawn name to whoever is at the screen.<byte value="xd"/>
<byte value="xd"/>
Show the drawn names now?</source>
        <comment>IDS_ASK_VIEW_NOTIFICATIONS</comment>
        <translation>Wie er achter het scherm zit, ziet hiermee de getrokken naam van elke deelnemer.<byte value="xd"/>
<byte value="xd"/>
De getrokken namen nu tonen?</translation>
    </message>
    <message>
        <source>Previous participant</source>
        <comment>IDS_ACC_PREVIOUS</comment>
        <translation>Vorige deelnemer</translation>
    </message>
    <message>
        <source>Next participant</source>
        <comment>IDS_ACC_NEXT</comment>
        <translation>Volgende deelnemer</translation>
    </message>
    <message>
        <source>Drawn name</source>
        <comment>IDS_ACC_REVEALED_TEXT</comment>
        <translation>Getrokken naam</translation>
    </message>
    <message>
        <source>Done: hide the name again</source>
        <comment>IDS_ACC_DONE</comment>
        <translation>Klaar: naam weer verbergen</translation>
    </message>
    <message>
        <source>OK: end the round</source>
        <comment>IDS_ACC_END_ROUND</comment>
        <translation>OK: het doorgeven beëindigen</translation>
    </message>
    <message>
        <source>hidden</source>
        <comment>IDS_ACC_NAME_HIDDEN</comment>
        <translation>verborgen</translation>
    </message>
    <message>
        <source>Send email now to all participants of the newest list, &quot;%1&quot;, with email addresses entered.<byte value="xd"/>
<byte value="xd"/>
The list shown, &quot;%2&quot;, is an older one: its drawing is not sent.</source>
        <comment>IDS_ASK_SEND_NEWEST</comment>
        <extracomment>Question before sending when an older list is shown. %1: the newest list&apos;s name; %2: the shown list&apos;s name</extracomment>
        <translation>Nu een e-mail verzenden naar alle deelnemers van de nieuwste lijst, &quot;%1&quot;, van wie een e-mailadres is ingevoerd.<byte value="xd"/>
<byte value="xd"/>
De getoonde lijst, &quot;%2&quot;, is een oudere: die trekking wordt niet verzonden.</translation>
    </message>
    <message>
        <source>Send %1 the name drawn in the newest list, &quot;%2&quot;?<byte value="xd"/>
<byte value="xd"/>
The list shown, &quot;%3&quot;, is an older one: its drawing is not sent.</source>
        <comment>IDS_ASK_SEND_ONE_NEWEST</comment>
        <extracomment>Question before sending to one person when an older list is shown. %1: the person&apos;s name; %2: the newest list&apos;s name; %3: the shown list&apos;s name</extracomment>
        <translation>Aan %1 de getrokken naam uit de nieuwste lijst, &quot;%2&quot;, sturen?<byte value="xd"/>
<byte value="xd"/>
De getoonde lijst, &quot;%3&quot;, is een oudere: die trekking wordt niet verzonden.</translation>
    </message>
    <message>
        <source>%1 is not in the newest list, &quot;%2&quot;; nothing was sent.</source>
        <comment>IDS_NOT_IN_NEWEST</comment>
        <extracomment>Message box when sending to one person. %1: the person&apos;s name; %2: the newest list&apos;s name</extracomment>
        <translation>%1 staat niet in de nieuwste lijst, &quot;%2&quot;; er is niets verzonden.</translation>
    </message>
    <message>
        <source>The e-mails of the newest list are being sent. Wait until sending has ended, or cancel it, before you draw again or change the newest list.</source>
        <comment>IDS_BUSY_SENDING</comment>
        <translation>De e-mails van de nieuwste lijst worden verzonden. Wacht tot het verzenden klaar is, of annuleer het, voordat je opnieuw trekt of de nieuwste lijst wijzigt.</translation>
    </message>
    <message>
        <source>The names have been drawn again since these e-mails were sent.<byte value="xd"/>
<byte value="xd"/>
Sending again would mix two drawings. Send the new drawing to everybody with Send Emails.</source>
        <comment>IDS_RETRY_REDRAWN</comment>
        <translation>De lootjes zijn opnieuw getrokken sinds deze e-mails zijn verzonden.<byte value="xd"/>
<byte value="xd"/>
Opnieuw verzenden zou twee trekkingen door elkaar halen. Stuur de nieuwe trekking naar iedereen met E-mails verzenden.</translation>
    </message>
    <message>
        <source>%1 has no e-mail address in the newest list, &quot;%2&quot;; nothing was sent.</source>
        <comment>IDS_NO_ADDRESS_NEWEST</comment>
        <extracomment>Message box when sending to one person. %1: the person&apos;s name; %2: the newest list&apos;s name</extracomment>
        <translation>%1 heeft geen e-mailadres in de nieuwste lijst, &quot;%2&quot;; er is niets verzonden.</translation>
    </message>
    <message>
        <source>Print &amp;Cards...</source>
        <comment>IDS_MENU_PRINT_CARDS</comment>
        <translation>&amp;Kaartjes afdrukken...</translation>
    </message>
    <message>
        <source>For %1</source>
        <comment>IDS_CARD_FOR</comment>
        <extracomment>Printed card, outside, in large type. %1: the giver&apos;s name</extracomment>
        <translation>Voor %1</translation>
    </message>
    <message>
        <source>Fold the flap up along the dashed line. Open it only when you are alone.</source>
        <comment>IDS_CARD_FOLD_HINT</comment>
        <translation>Vouw de flap langs de stippellijn omhoog. Maak hem pas open als je alleen bent.</translation>
    </message>
    <message>
        <source>%1 gives a gift to</source>
        <comment>IDS_CARD_GIVES_TO</comment>
        <extracomment>Printed card, inside, above the drawn name. %1: the giver&apos;s name</extracomment>
        <translation>%1 geeft een cadeau aan</translation>
    </message>
    <message>
        <source>Suggestions: %1</source>
        <comment>IDS_CARD_SUGGESTIONS</comment>
        <extracomment>Printed card. %1: the drawn person&apos;s gift suggestions</extracomment>
        <translation>Cadeautips: %1</translation>
    </message>
    <message>
        <source>fold up</source>
        <comment>IDS_CARD_FLAP</comment>
        <translation>omhoog vouwen</translation>
    </message>
    <message>
        <source>kivvo-cli: cannot write the cards to &quot;%1&quot;: %2</source>
        <comment>IDS_CARDS_WRITE_ERROR</comment>
        <extracomment>kivvo-cli cards error on stderr. %1: the PDF file&apos;s path; %2: the reason</extracomment>
        <translation>kivvo-cli: kan de kaartjes niet schrijven naar &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Print Cards — %1</source>
        <comment>IDS_CARDS_PRINT_TITLE</comment>
        <extracomment>Title of the print dialog and of the PDF. %1: the drawing&apos;s name</extracomment>
        <translation>Kaartjes afdrukken — %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 cards of &quot;%2&quot; written to &quot;%3&quot;</source>
        <comment>IDS_CLI_CARDS_WRITTEN</comment>
        <extracomment>kivvo-cli cards output. %1: the number of cards; %2: the drawing&apos;s name; %3: the PDF file&apos;s path</extracomment>
        <translation>
            <numerusform>%1 kaartje van &quot;%2&quot; weggeschreven naar &quot;%3&quot;</numerusform>
            <numerusform>%1 kaartjes van &quot;%2&quot; weggeschreven naar &quot;%3&quot;</numerusform>
        </translation>
    </message>
    <message>
        <source>The newest list has nobody to print a card for.</source>
        <comment>IDS_CARDS_NOBODY</comment>
        <translation>In de nieuwste lijst staat niemand voor wie een kaartje kan worden afgedrukt.</translation>
    </message>
    <message>
        <source>Print cards for those without an address</source>
        <comment>IDS_SEND_PRINT_SKIPPED</comment>
        <translation>Kaartjes afdrukken voor wie geen adres heeft</translation>
    </message>
    <message>
        <source>The cards could not be printed: %1</source>
        <comment>IDS_CARDS_PRINT_ERROR</comment>
        <extracomment>Message box when printing cards fails. %1: the reason</extracomment>
        <translation>De kaartjes konden niet worden afgedrukt: %1</translation>
    </message>
    <message>
        <source>the printer or the file could not be written</source>
        <comment>IDS_CARDS_NO_DEVICE</comment>
        <translation>er kon niet naar de printer of het bestand worden geschreven</translation>
    </message>
    <message>
        <source>a new page could not be started</source>
        <comment>IDS_CARDS_NO_PAGE</comment>
        <translation>er kon geen nieuwe pagina worden begonnen</translation>
    </message>
    <message>
        <source>Cards %1</source>
        <comment>IDS_CARDS_DOC_NAME</comment>
        <extracomment>Name of the print job. %1: the drawing&apos;s name</extracomment>
        <translation>Kaartjes %1</translation>
    </message>
    <message>
        <source>1 card of &quot;%1&quot; written to &quot;%2&quot;</source>
        <comment>IDS_CLI_CARD_WRITTEN</comment>
        <extracomment>kivvo-cli cards output. %1: the drawing&apos;s name; %2: the PDF file&apos;s path</extracomment>
        <translation>1 kaartje van &quot;%1&quot; weggeschreven naar &quot;%2&quot;</translation>
    </message>
    <message numerus="yes">
        <source>%1 cards sent to the printer.</source>
        <comment>IDS_CARDS_PRINTED</comment>
        <extracomment>Note after printing cards. %1: the number of cards</extracomment>
        <translation>
            <numerusform>%1 kaartje naar de printer gestuurd.</numerusform>
            <numerusform>%1 kaartjes naar de printer gestuurd.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>IDS_MENU_UNDO</comment>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <comment>IDS_MENU_REDO</comment>
        <translation>Opnieuw &amp;uitvoeren</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <comment>IDS_MENU_UNDO_WHAT</comment>
        <extracomment>Edit menu item. %1: the step to undo, such as Add Person</extracomment>
        <translation>&amp;Ongedaan maken: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <comment>IDS_MENU_REDO_WHAT</comment>
        <extracomment>Edit menu item. %1: the step to redo, such as Add Person</extracomment>
        <translation>Opnieuw &amp;uitvoeren: %1</translation>
    </message>
    <message>
        <source>Add Person</source>
        <comment>IDS_EDIT_ADD_PERSON</comment>
        <translation>Persoon toevoegen</translation>
    </message>
    <message>
        <source>Add Group</source>
        <comment>IDS_EDIT_ADD_GROUP</comment>
        <translation>Groep toevoegen</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>IDS_EDIT_DELETE</comment>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment>IDS_EDIT_RENAME</comment>
        <translation>Naam wijzigen</translation>
    </message>
    <message>
        <source>Person Properties</source>
        <comment>IDS_EDIT_PROPERTIES</comment>
        <translation>Eigenschappen van persoon</translation>
    </message>
    <message>
        <source>Move to Group</source>
        <comment>IDS_EDIT_MOVE</comment>
        <translation>Naar groep verplaatsen</translation>
    </message>
    <message>
        <source>Rules</source>
        <comment>IDS_EDIT_RULES</comment>
        <translation>Regels</translation>
    </message>
    <message>
        <source>Draw Names</source>
        <comment>IDS_EDIT_DRAW</comment>
        <translation>Lootjes trekken</translation>
    </message>
    <message>
        <source>Copy for Next Exchange</source>
        <comment>IDS_EDIT_COPY</comment>
        <translation>Kopiëren voor volgende ronde</translation>
    </message>
    <message>
        <source>Import Participants</source>
        <comment>IDS_EDIT_IMPORT</comment>
        <translation>Deelnemers importeren</translation>
    </message>
    <message>
        <source>&amp;Move to Group</source>
        <comment>IDS_MENU_MOVE_TO_GROUP</comment>
        <translation>&amp;Naar groep verplaatsen</translation>
    </message>
    <message>
        <source>No group</source>
        <comment>IDS_MENU_NO_GROUP</comment>
        <translation>Geen groep</translation>
    </message>
    <message>
        <source>%1 — a past exchange; its drawing keeps anyone from drawing the same person again. Only its name can be changed.</source>
        <comment>IDS_HISTORY_NOTE</comment>
        <extracomment>Main window note on a past exchange, and message box when changing it. %1: the list&apos;s name</extracomment>
        <translation>%1 — een eerdere ronde; de trekking ervan zorgt dat niemand dezelfde persoon nog eens trekt. Alleen de naam kan nog worden gewijzigd.</translation>
    </message>
    <message>
        <source>No e-mail address: %1 will get no e-mail.</source>
        <comment>IDS_TIP_NO_ADDRESS</comment>
        <extracomment>Tooltip of a person in the list. %1: the person&apos;s name</extracomment>
        <translation>Geen e-mailadres: %1 krijgt geen e-mail.</translation>
    </message>
    <message>
        <source>&amp;Import Participants...</source>
        <comment>IDS_MENU_IMPORT</comment>
        <translation>Deelnemers &amp;importeren...</translation>
    </message>
    <message>
        <source>Participants (*.csv *.vcf *.vcard);;CSV files (*.csv);;vCard files (*.vcf *.vcard);;All files (*)</source>
        <comment>IDS_IMPORT_FILTER</comment>
        <translation>Deelnemers (*.csv *.vcf *.vcard);;CSV-bestanden (*.csv);;vCard-bestanden (*.vcf *.vcard);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Import Participants — %1</source>
        <comment>IDS_IMPORT_TITLE</comment>
        <extracomment>Title of the Import Participants window. %1: the list&apos;s name</extracomment>
        <translation>Deelnemers importeren — %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 persons will be added to &quot;%2&quot;:</source>
        <comment>IDS_IMPORT_TO_ADD</comment>
        <extracomment>Import Participants window, above the table. %1: the number of persons; %2: the list&apos;s name</extracomment>
        <translation>
            <numerusform>%1 persoon wordt toegevoegd aan &quot;%2&quot;:</numerusform>
            <numerusform>%1 personen worden toegevoegd aan &quot;%2&quot;:</numerusform>
        </translation>
    </message>
    <message>
        <source>Already in the list, so left out: %1</source>
        <comment>IDS_IMPORT_LEFT_OUT</comment>
        <extracomment>Import Participants window. %1: the names left out, separated by commas</extracomment>
        <translation>Staan al in de lijst en worden dus overgeslagen: %1</translation>
    </message>
    <message>
        <source>Nothing will be imported. %1</source>
        <comment>IDS_IMPORT_FAILED</comment>
        <extracomment>Import Participants window. %1: the reason, a whole sentence</extracomment>
        <translation>Er wordt niets geïmporteerd. %1</translation>
    </message>
    <message>
        <source>Everybody in the file is in &quot;%1&quot; already: nobody to add.</source>
        <comment>IDS_IMPORT_NOBODY_NEW</comment>
        <extracomment>Import Participants window. %1: the list&apos;s name</extracomment>
        <translation>Iedereen uit het bestand staat al in &quot;%1&quot;: er is niemand om toe te voegen.</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>IDS_IMPORT_COL_NAME</comment>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Address</source>
        <comment>IDS_IMPORT_COL_ADDRESS</comment>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Group</source>
        <comment>IDS_IMPORT_COL_GROUP</comment>
        <translation>Groep</translation>
    </message>
    <message>
        <source>1 person will be added to &quot;%1&quot;:</source>
        <comment>IDS_IMPORT_TO_ADD_ONE</comment>
        <extracomment>Import Participants window, above the table. %1: the list&apos;s name</extracomment>
        <translation>1 persoon wordt toegevoegd aan &quot;%1&quot;:</translation>
    </message>
    <message numerus="yes">
        <source>The list of who gave a gift to whom in the previous exchange (%1 persons) is too long to quote in every e-mail; the organiser has it.<byte value="xd"/>
</source>
        <comment>IDS_NOTE_PREVIOUS_NOT_QUOTED</comment>
        <extracomment>Notification e-mail, instead of the previous list. %1: the number of persons</extracomment>
        <translation>
            <numerusform>De lijst van wie in de vorige ronde aan wie een cadeau gaf (%1 persoon) is te lang om in elke e-mail op te nemen; de organisator heeft hem.<byte value="xd"/>
</numerusform>
            <numerusform>De lijst van wie in de vorige ronde aan wie een cadeau gaf (%1 personen) is te lang om in elke e-mail op te nemen; de organisator heeft hem.<byte value="xd"/>
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source><byte value="xd"/>
The current list of names (%1 persons) is too long to quote in every e-mail; the organiser has it.<byte value="xd"/>
</source>
        <comment>IDS_NOTE_CURRENT_NOT_QUOTED</comment>
        <extracomment>Notification e-mail, instead of the current list. %1: the number of persons</extracomment>
        <translation>
            <numerusform><byte value="xd"/>
De huidige namenlijst (%1 persoon) is te lang om in elke e-mail op te nemen; de organisator heeft hem.<byte value="xd"/>
</numerusform>
            <numerusform><byte value="xd"/>
De huidige namenlijst (%1 personen) is te lang om in elke e-mail op te nemen; de organisator heeft hem.<byte value="xd"/>
</numerusform>
        </translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
The name randomly drawn for %1 to give a gift to is %2.<byte value="xd"/>
<byte value="xd"/>
The lists of this circle are too long to quote in every e-mail: ask the organiser if you want to see them.<byte value="xd"/>
<byte value="xd"/>
Thank you.<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>IDS_NOTE_DRAWN_NAME_LISTS_KEPT</comment>
        <extracomment>Notification e-mail. %1: the participant&apos;s name; %2: the name he drew</extracomment>
        <translation><byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Het lot heeft beslist: %1, jij geeft een cadeau aan %2.<byte value="xd"/>
<byte value="xd"/>
De lijsten van dit gezelschap zijn te lang om in elke e-mail op te nemen: vraag de organisator ernaar als je ze wilt zien.<byte value="xd"/>
<byte value="xd"/>
Dank je wel!<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Mail is not set up yet, so no e-mail was sent. Enter your mail server and your address in Settings &gt; Configure first.</source>
        <comment>IDS_MAIL_NOT_SET_UP</comment>
        <translation>E-mail is nog niet ingesteld, dus er is geen e-mail verzonden. Vul eerst je mailserver en je adres in bij Instellingen &gt; Configureren.</translation>
    </message>
    <message>
        <source>kivvo-cli: mail is not set up yet (%1); nothing was sent. Set it up first with
  kivvo-cli config --server HOST --from ADDRESS [--user NAME --password]</source>
        <comment>IDS_CLI_MAIL_NOT_SET_UP</comment>
        <extracomment>kivvo-cli send error on stderr. %1: the options still to set, such as --server, --from</extracomment>
        <translation>kivvo-cli: e-mail is nog niet ingesteld (%1); er is niets verzonden. Stel het eerst in met
  kivvo-cli config --server HOST --from ADDRESS [--user NAME --password]</translation>
    </message>
    <message>
        <source>Mail is not set up yet. Enter the outgoing mail server of your mail provider and your own address: the e-mails are sent from it.</source>
        <comment>IDS_SETTINGS_NOT_SET_UP</comment>
        <translation>E-mail is nog niet ingesteld. Vul de server voor uitgaande mail van je e-mailprovider in en je eigen adres: vanaf dat adres worden de e-mails verzonden.</translation>
    </message>
    <message>
        <source>smtp.example.org</source>
        <comment>IDS_SETTINGS_SERVER_HINT</comment>
        <translation>smtp.example.org</translation>
    </message>
    <message>
        <source>Your Name &lt;you@example.org&gt;</source>
        <comment>IDS_SETTINGS_FROM_HINT</comment>
        <translation>Jouw Naam &lt;jij@example.org&gt;</translation>
    </message>
    <message>
        <source>you@example.org — empty: no login</source>
        <comment>IDS_SETTINGS_USER_HINT</comment>
        <translation>jij@example.org — leeg: geen aanmelding</translation>
    </message>
    <message>
        <source>A last line for every e-mail, such as: From the Smiths</source>
        <comment>IDS_SETTINGS_FOOTER_HINT</comment>
        <translation>Een laatste regel voor elke e-mail, bijvoorbeeld: Groetjes van de familie Jansen</translation>
    </message>
    <message>
        <source>(not set)</source>
        <comment>IDS_CLI_NOT_SET</comment>
        <translation>(niet ingesteld)</translation>
    </message>
    <message>
        <source>Mail is not set up yet: %1 still to be set before e-mails can be sent.</source>
        <comment>IDS_CLI_MAIL_STILL_NOT_SET_UP</comment>
        <extracomment>kivvo-cli config note on stderr. %1: the options still to set, such as --server, --from</extracomment>
        <translation>E-mail is nog niet ingesteld: stel eerst %1 in, dan kunnen er e-mails worden verzonden.</translation>
    </message>
    <message numerus="yes">
        <source>Delete the group %1 with its %2 persons?</source>
        <comment>IDS_ASK_DELETE_GROUP</comment>
        <extracomment>Question before deleting a group. %1: the group&apos;s name; %2: the number of persons in it</extracomment>
        <translation>
            <numerusform>De groep %1 met %2 persoon verwijderen?</numerusform>
            <numerusform>De groep %1 met alle %2 personen verwijderen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete the group %1 with its one person?</source>
        <comment>IDS_ASK_DELETE_GROUP_ONE</comment>
        <extracomment>Question before deleting a group. %1: the group&apos;s name</extracomment>
        <translation>De groep %1 met die ene persoon erin verwijderen?</translation>
    </message>
    <message>
        <source>Neither an e-mail address (such as ann@example.org) nor a name from your address book: no e-mail can be sent to it.</source>
        <comment>IDS_ADDRESS_NOT_PLAUSIBLE</comment>
        <translation>Geen e-mailadres (zoals ann@example.org) en ook geen naam uit je adresboek: hier kan geen e-mail naartoe worden verzonden.</translation>
    </message>
    <message>
        <source>kivvo-cli: warning: &quot;%1&quot; is neither an e-mail address nor a name from the address book; no e-mail can be sent to it</source>
        <comment>IDS_CLI_ADDRESS_NOT_PLAUSIBLE</comment>
        <extracomment>kivvo-cli warning on stderr. %1: the address as given</extracomment>
        <translation>kivvo-cli: waarschuwing: &quot;%1&quot; is geen e-mailadres en ook geen naam uit het adresboek; er kan geen e-mail naartoe worden verzonden</translation>
    </message>
    <message>
        <source>Exchange Details — %1</source>
        <comment>IDS_DETAILS_TITLE</comment>
        <extracomment>Title of the Exchange Details window. %1: the list&apos;s name</extracomment>
        <translation>Details van de ronde — %1</translation>
    </message>
    <message>
        <source>What every e-mail and card of this exchange tells the participants. Leave empty what does not apply.</source>
        <comment>IDS_DETAILS_INTRO</comment>
        <translation>Deze gegevens staan in elke e-mail en op elk kaartje van deze ronde. Laat leeg wat niet van toepassing is.</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <comment>IDS_DETAILS_HAS_DATE</comment>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>&amp;Budget:</source>
        <comment>IDS_DETAILS_BUDGET</comment>
        <translation>&amp;Budget:</translation>
    </message>
    <message>
        <source>&amp;Place:</source>
        <comment>IDS_DETAILS_PLACE</comment>
        <translation>&amp;Plaats:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <comment>IDS_DETAILS_NOTE</comment>
        <translation>&amp;Opmerking:</translation>
    </message>
    <message>
        <source>such as 25 €</source>
        <comment>IDS_DETAILS_BUDGET_HINT</comment>
        <translation>bijvoorbeeld € 25</translation>
    </message>
    <message>
        <source>A past exchange: its details can no longer be changed.</source>
        <comment>IDS_DETAILS_PAST</comment>
        <translation>Een eerdere ronde: de details kunnen niet meer worden gewijzigd.</translation>
    </message>
    <message>
        <source>Exchange Details</source>
        <comment>IDS_EDIT_DETAILS</comment>
        <translation>Details van de ronde</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <comment>IDS_DETAIL_DATE</comment>
        <extracomment>Line of the notification e-mail and of the printed card. %1: the date, written out</extracomment>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Budget: %1</source>
        <comment>IDS_DETAIL_BUDGET</comment>
        <extracomment>Line of the notification e-mail and of the printed card. %1: the budget as entered</extracomment>
        <translation>Budget: %1</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <comment>IDS_DETAIL_PLACE</comment>
        <extracomment>Line of the notification e-mail and of the printed card. %1: the place as entered</extracomment>
        <translation>Plaats: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <comment>IDS_DETAIL_NOTE</comment>
        <extracomment>Line of the notification e-mail and of the printed card. %1: the note as entered</extracomment>
        <translation>Opmerking: %1</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>IDS_DETAIL_DATE_FORMAT</comment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
The name randomly drawn for %1 to give a gift to is %2.<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>IDS_NOTE_DRAWN_NAME_ONLY</comment>
        <extracomment>Notification e-mail. %1: the participant&apos;s name; %2: the name he drew</extracomment>
        <translation><byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Het lot heeft beslist: %1, jij geeft een cadeau aan %2.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Thank you.<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>IDS_NOTE_THANKS</comment>
        <translation><byte value="xd"/>
Dank je wel!<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The lists of this circle are too long to quote in every e-mail: ask the organiser if you want to see them.<byte value="xd"/>
<byte value="xd"/>
Thank you.<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>IDS_NOTE_LISTS_KEPT_THANKS</comment>
        <translation><byte value="xd"/>
De lijsten van dit gezelschap zijn te lang om in elke e-mail op te nemen: vraag de organisator ernaar als je ze wilt zien.<byte value="xd"/>
<byte value="xd"/>
Dank je wel!<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <comment>IDS_SUBJECT_WITH_DATE</comment>
        <extracomment>Subject line of the e-mail and title of the cards. %1: the list&apos;s name; %2: the exchange&apos;s date, written out</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>date: %1
budget: %2
place: %3
note: %4</source>
        <comment>IDS_CLI_DETAILS</comment>
        <extracomment>kivvo-cli details output. %1: the date as YYYY-MM-DD; %2: the budget; %3: the place; %4: the note</extracomment>
        <translation>datum: %1
budget: %2
plaats: %3
opmerking: %4</translation>
    </message>
    <message>
        <source>Details of &quot;%1&quot; saved</source>
        <comment>IDS_CLI_DETAILS_SAVED</comment>
        <extracomment>kivvo-cli details output. %1: the drawing&apos;s name</extracomment>
        <translation>Details van &quot;%1&quot; opgeslagen</translation>
    </message>
    <message>
        <source>--date takes a date as YYYY-MM-DD, or an empty value to clear it, not &quot;%1&quot;</source>
        <comment>IDS_CLI_BAD_DATE</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the value given to --date</extracomment>
        <translation>--date verwacht een datum als YYYY-MM-DD, of een lege waarde om hem te wissen, niet &quot;%1&quot;</translation>
    </message>
    <message>
        <source>E-mail &amp;language:</source>
        <comment>IDS_SETTINGS_MAIL_LANGUAGE</comment>
        <translation>&amp;Taal van de e-mails:</translation>
    </message>
    <message>
        <source>As the desktop (%1)</source>
        <comment>IDS_SETTINGS_LANGUAGE_DESKTOP</comment>
        <extracomment>Choice of the e-mail language in Mail Settings. %1: the desktop language&apos;s own name</extracomment>
        <translation>Zoals het bureaublad (%1)</translation>
    </message>
    <message>
        <source>The language of the e-mails and paper cards of this document only; the program itself follows the desktop.</source>
        <comment>IDS_SETTINGS_LANGUAGE_HELP</comment>
        <translation>De taal van de e-mails en papieren kaartjes van alleen dit document; het programma zelf volgt het bureaublad.</translation>
    </message>
    <message>
        <source>E-mail Language</source>
        <comment>IDS_EDIT_MAIL_LANGUAGE</comment>
        <translation>Taal van de e-mails</translation>
    </message>
    <message>
        <source>%1 takes no arguments besides options</source>
        <comment>IDS_CLI_TAKES_NOTHING</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the command</extracomment>
        <translation>%1 accepteert naast opties geen argumenten</translation>
    </message>
    <message>
        <source>%1 takes %2</source>
        <comment>IDS_CLI_TAKES</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the command; %2: its arguments, such as FILE NAME</extracomment>
        <translation>%1 verwacht %2</translation>
    </message>
    <message>
        <source>%1 does not take --%2</source>
        <comment>IDS_CLI_NO_SUCH_OPTION</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the command; %2: the option without dashes</extracomment>
        <translation>%1 kent geen --%2</translation>
    </message>
    <message>
        <source>cards needs --pdf OUT.pdf</source>
        <comment>IDS_CLI_CARDS_NEED_PDF</comment>
        <translation>cards heeft --pdf OUT.pdf nodig</translation>
    </message>
    <message>
        <source>Date, budget, place and a note for the e-mails and cards of this exchange
Details</source>
        <comment>IDS_PROMPT_DETAILS</comment>
        <translation>Datum, budget, plaats en een opmerking voor de e-mails en kaartjes van deze ronde
Details</translation>
    </message>
    <message>
        <source>The date of an exchange is damaged.</source>
        <comment>IDS_ERR_DETAILS_DATE</comment>
        <translation>De datum van een ronde is beschadigd.</translation>
    </message>
    <message>
        <source>De&amp;tails...</source>
        <comment>IDS_MENU_DETAILS</comment>
        <translation>&amp;Details...</translation>
    </message>
    <message>
        <source>--language takes one of %1, not &quot;%2&quot;</source>
        <comment>IDS_CLI_BAD_LANGUAGE</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the language codes, separated by commas; %2: the value given</extracomment>
        <translation>--language verwacht een van %1, niet &quot;%2&quot;</translation>
    </message>
    <message>
        <source>English</source>
        <comment>IDS_LANGUAGE_NAME_EN</comment>
        <translation>English</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <comment>IDS_LANGUAGE_NAME_DE</comment>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Español</source>
        <comment>IDS_LANGUAGE_NAME_ES</comment>
        <translation>Español</translation>
    </message>
    <message>
        <source>Français</source>
        <comment>IDS_LANGUAGE_NAME_FR</comment>
        <translation>Français</translation>
    </message>
    <message>
        <source>Italiano</source>
        <comment>IDS_LANGUAGE_NAME_IT</comment>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Nederlands</source>
        <comment>IDS_LANGUAGE_NAME_NL</comment>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>Polski</source>
        <comment>IDS_LANGUAGE_NAME_PL</comment>
        <translation>Polski</translation>
    </message>
    <message>
        <source>Português</source>
        <comment>IDS_LANGUAGE_NAME_PT</comment>
        <translation>Português</translation>
    </message>
    <message>
        <source>No names have been drawn in this list yet.<byte value="xd"/>
<byte value="xd"/>
Draw names first. Nothing has been shown or sent.</source>
        <comment>IDS_DRAWING_NONE</comment>
        <translation>In deze lijst zijn nog geen lootjes getrokken.<byte value="xd"/>
<byte value="xd"/>
Trek eerst de lootjes. Er is niets getoond of verzonden.</translation>
    </message>
    <message>
        <source>the server&apos;s reply is not SMTP: &quot;%1&quot;; the connection was closed</source>
        <comment>IDS_SMTP_NOT_SMTP</comment>
        <extracomment>Reason why mail failed. %1: the line the server sent</extracomment>
        <translation>het antwoord van de server is geen SMTP: ‘%1’; de verbinding is gesloten</translation>
    </message>
    <message>
        <source>the server sent a reply to a command this program had not sent yet; the connection was closed</source>
        <comment>IDS_SMTP_OUT_OF_TURN</comment>
        <translation>de server antwoordde op een opdracht die dit programma nog niet had verstuurd; de verbinding is gesloten</translation>
    </message>
    <message>
        <source>%1, after the message had been sent in full; it may have arrived, so it is not sent again</source>
        <comment>IDS_SMTP_FAULT_UNCONFIRMED</comment>
        <extracomment>Reason why an e-mail may have failed. %1: what the server did wrong, one of the two texts above</extracomment>
        <translation>%1, nadat het bericht volledig was verstuurd; het is misschien aangekomen en wordt daarom niet opnieuw verstuurd</translation>
    </message>
    <message>
        <source>the address %1 has characters beyond ASCII before the @, which this server does not take (it offers no SMTPUTF8)</source>
        <comment>IDS_SMTP_NEEDS_UTF8</comment>
        <extracomment>Reason why an e-mail failed. %1: the e-mail address</extracomment>
        <translation>het adres %1 bevat vóór de @ tekens buiten ASCII, die deze server niet aanneemt (hij biedt geen SMTPUTF8)</translation>
    </message>
    <message>
        <source>The mail server %1 did not keep to the mail protocol (SMTP).<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Nothing more was sent, so that no reply is taken for another message&apos;s. Tell whoever runs the server.</source>
        <comment>IDS_SEND_SERVER_FAULT</comment>
        <extracomment>Shown in the sending window and by kivvo-cli send. %1: the mail server as host:port; %2: the reason</extracomment>
        <translation>De mailserver %1 hield zich niet aan het mailprotocol (SMTP).<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Er is niets meer verstuurd, zodat geen antwoord wordt aangezien voor dat op een ander bericht. Laat het weten aan wie de server beheert.</translation>
    </message>
    <message>
        <source>The desktop&apos;s keyring refused to keep the password (%1): it is kept in the settings file %2, which only you can read.</source>
        <comment>IDS_PASSWORD_KEYRING_REFUSED</comment>
        <extracomment>Mail Settings window and kivvo-cli config output. %1: the keyring&apos;s own reason; %2: the settings file&apos;s path</extracomment>
        <translation>De sleutelbos van het bureaublad weigerde het wachtwoord te bewaren (%1): het wordt bewaard in het instellingenbestand %2, dat alleen jij kunt lezen.</translation>
    </message>
    <message>
        <source>line %1 holds a control character (a line break, a tab or a terminal escape) in a name, an address or a group</source>
        <comment>IDS_IMPORT_CONTROL</comment>
        <extracomment>Reason in the import error. %1: the line number in the file</extracomment>
        <translation>regel %1 bevat een stuurteken (een regeleinde, een tab of een terminal-escape) in een naam, een adres of een groep</translation>
    </message>
    <message>
        <source>the card &quot;%1&quot; holds a control character (a line break, a tab or a terminal escape) in its name or its address</source>
        <comment>IDS_IMPORT_CONTROL_CARD</comment>
        <extracomment>Reason in the import error. %1: the name on the card, control characters shown as a replacement sign</extracomment>
        <translation>de kaart ‘%1’ bevat een stuurteken (een regeleinde, een tab of een terminal-escape) in de naam of het adres</translation>
    </message>
    <message>
        <source>Importing %1 persons and groups would make the document hold more than %2, more than it can save. Nothing was imported.</source>
        <comment>IDS_IMPORT_OVER_LIMIT</comment>
        <extracomment>Import error (Import Participants window). %1: how many persons and groups the import would add; %2: the most a document holds</extracomment>
        <translation>Het importeren van %1 personen en groepen zou het document meer dan %2 laten bevatten, meer dan het kan opslaan. Er is niets geïmporteerd.</translation>
    </message>
    <message>
        <source>the server offers no encryption (STARTTLS), and the settings allow only encrypted connections</source>
        <comment>IDS_SMTP_TLS_REQUIRED</comment>
        <translation>de server biedt geen versleuteling (STARTTLS) en de instellingen staan alleen versleutelde verbindingen toe</translation>
    </message>
    <message>
        <source>Encrypted connections only (TLS), also without a login</source>
        <comment>IDS_SETTINGS_REQUIRE_TLS</comment>
        <translation>Alleen versleutelde verbindingen (TLS), ook zonder aanmelding</translation>
    </message>
    <message>
        <source>require-tls: on</source>
        <comment>IDS_CLI_REQUIRE_TLS_ON</comment>
        <extracomment>kivvo-cli config output, after the settings, only when the setting is on.</extracomment>
        <translation>require-tls: aan</translation>
    </message>
    <message>
        <source>The seal of this drawing was broken on %1 at %2</source>
        <comment>IDS_SEAL_BROKEN_ON</comment>
        <extracomment>Shown with a drawing whose seal was broken, in the window and by kivvo-cli.
%1: the date, such as &quot;12 December 2026&quot;; %2: the time, such as &quot;20:14&quot;</extracomment>
        <translation>Het zegel van deze trekking is verbroken op %1 om %2</translation>
    </message>
    <message>
        <source>%1. This stays in the document, so that the participants can be told.</source>
        <comment>IDS_SEAL_BROKEN_NOW</comment>
        <extracomment>After the seal was broken.
%1: the sentence of IDS_SEAL_BROKEN_ON</extracomment>
        <translation>%1. Dit blijft in het document staan, zodat de deelnemers het kunnen horen.</translation>
    </message>
    <message>
        <source>This drawing is sealed: who gives to whom is shown to nobody here, you included. Every participant learns his own recipient by e-mail, on his card or in the pass-around round. To see them all, turn off &quot;Seal the drawing&quot; in the rules; that is recorded in the document.</source>
        <comment>IDS_SEALED_REFUSED</comment>
        <translation>Deze trekking is verzegeld: wie aan wie geeft, wordt hier aan niemand getoond, ook niet aan jou. Elke deelnemer hoort zijn eigen ontvanger per e-mail, op zijn kaart of in de rondgang langs het scherm. Om ze allemaal te zien, zet je &quot;Trekking verzegelen&quot; in de regels uit; dat wordt in het document vastgelegd.</translation>
    </message>
    <message>
        <source>the drawn name of %1 no longer fits the list</source>
        <comment>IDS_CHECK_SEALED</comment>
        <extracomment>Problem with the drawn names of a sealed drawing, listed after a colon.
%1: the giver&apos;s name</extracomment>
        <translation>de getrokken naam van %1 past niet meer bij de lijst</translation>
    </message>
    <message>
        <source>two persons draw each other</source>
        <comment>IDS_CHECK_MUTUAL_SEALED</comment>
        <extracomment>Problem with the drawn names of a sealed drawing, listed after a colon.</extracomment>
        <translation>twee personen trekken elkaar</translation>
    </message>
    <message>
        <source>&amp;Seal the drawing</source>
        <comment>IDS_RULES_SEAL</comment>
        <translation>Trekking ver&amp;zegelen</translation>
    </message>
    <message>
        <source>For an organiser who takes part: nobody here, you included, can see who gives to whom. Every participant still learns his own recipient. Turning it off later is recorded in the document.</source>
        <comment>IDS_RULES_SEAL_HELP</comment>
        <translation>Voor een organisator die meedoet: niemand hier, ook jij niet, kan zien wie aan wie geeft. Elke deelnemer hoort nog steeds zijn eigen ontvanger. Later uitzetten wordt in het document vastgelegd.</translation>
    </message>
    <message>
        <source>Break the seal of &quot;%1&quot;?<byte value="xd"/>
<byte value="xd"/>
From now on, who gives to whom can be seen here: in View Notifications, in reports and in messages. The date and time of the break are kept in the document for good; it cannot be undone.</source>
        <comment>IDS_ASK_BREAK_SEAL</comment>
        <extracomment>Question before the seal is broken; the default answer is No.
%1: the drawing&apos;s name</extracomment>
        <translation>Het zegel van &quot;%1&quot; verbreken?<byte value="xd"/>
<byte value="xd"/>
Vanaf nu is hier te zien wie aan wie geeft: in Meldingen bekijken, in overzichten en in berichten. Datum en tijd van het verbreken blijven voorgoed in het document; dit kan niet ongedaan worden gemaakt.</translation>
    </message>
    <message>
        <source>seal: %1
</source>
        <comment>IDS_CLI_SEAL</comment>
        <extracomment>kivvo-cli rules output, after the rules.
%1: on or off (IDS_CLI_ON, IDS_CLI_OFF)</extracomment>
        <translation>zegel: %1
</translation>
    </message>
    <message>
        <source>These cards hold secrets</source>
        <comment>IDS_CARDS_SEALED_COVER</comment>
        <extracomment>First page of a PDF of the cards of a sealed drawing, a heading.</extracomment>
        <translation>Deze kaarten bevatten geheimen</translation>
    </message>
    <message>
        <source>They hold the drawn names of the sealed drawing &quot;%1&quot;. Print them without looking at them, cut them out and fold each one shut before it is read; then delete this file.</source>
        <comment>IDS_CARDS_SEALED_COVER_TEXT</comment>
        <extracomment>First page of a PDF of the cards of a sealed drawing, under the heading.
%1: the drawing&apos;s name</extracomment>
        <translation>Ze bevatten de getrokken namen van de verzegelde trekking &quot;%1&quot;. Druk ze af zonder te kijken, knip ze uit en vouw elke kaart dicht voordat ze gelezen wordt; verwijder daarna dit bestand.</translation>
    </message>
    <message>
        <source>This drawing is sealed: who gives to whom is shown to nobody here.</source>
        <comment>IDS_SEALED_NOTE</comment>
        <extracomment>Under the list of a sealed drawing in the main window.</extracomment>
        <translation>Deze trekking is verzegeld: wie aan wie geeft, wordt hier aan niemand getoond.</translation>
    </message>
    <message>
        <source>kivvo-cli: the seal was kept; nothing was changed</source>
        <comment>IDS_CLI_SEAL_KEPT</comment>
        <translation>kivvo-cli: het zegel is behouden; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>%1 (the e-mail goes to this one of the entry&apos;s %2 addresses only; add :1, :2 or :3 to the name to choose another)</source>
        <comment>IDS_CONTACT_PREFERRED</comment>
        <extracomment>Person dialog, under the address, for an address-book entry with several addresses.
%1: the address the e-mail goes to; %2: how many addresses the entry has</extracomment>
        <translation>%1 (de e-mail gaat alleen naar dit van de %2 adressen van het item; voeg :1, :2 of :3 aan de naam toe om een ander te kiezen)</translation>
    </message>
    <message numerus="yes">
        <source>The drawing was repaired: %1 of the givers got another recipient; everybody else keeps the one he drew.</source>
        <comment>IDS_REPAIR_DONE</comment>
        <extracomment>After a repair of the drawing.
%1: how many givers got another recipient</extracomment>
        <translation>
            <numerusform>De trekking is hersteld: %1 van de gevers kreeg een andere ontvanger; alle anderen houden de hunne.</numerusform>
            <numerusform>De trekking is hersteld: %1 van de gevers kregen een andere ontvanger; alle anderen houden de hunne.</numerusform>
        </translation>
    </message>
    <message>
        <source>The drawn names still fit the list: there is nothing to repair.</source>
        <comment>IDS_REPAIR_NOTHING</comment>
        <translation>De getrokken namen passen nog bij de lijst: er is niets te herstellen.</translation>
    </message>
    <message>
        <source>No repair was found within the bounds of the search, which the rules No mutual pairs and One circle make long for a list this size. Draw names again instead.</source>
        <comment>IDS_REPAIR_OUT_OF_BOUND</comment>
        <translation>Binnen de grenzen van de zoektocht is geen herstel gevonden; de regels Geen wederzijdse paren en Eén kring maken die lang voor een lijst van deze omvang. Trek in plaats daarvan opnieuw.</translation>
    </message>
    <message>
        <source>The list changed after its names were drawn.<byte value="xd"/>
<byte value="xd"/>
Repair the drawing: every rule is kept, and as few givers as possible get another recipient, so that only they need to be told again. Or draw again: everybody gets a new recipient and must be told again.</source>
        <comment>IDS_ASK_REPAIR</comment>
        <extracomment>Asked by Draw Names when the list changed after its names were drawn.</extracomment>
        <translation>De lijst is veranderd nadat de namen getrokken zijn.<byte value="xd"/>
<byte value="xd"/>
De trekking herstellen: elke regel blijft, en zo min mogelijk gevers krijgen een andere ontvanger, zodat alleen zij het opnieuw moeten horen. Of opnieuw trekken: iedereen krijgt een nieuwe ontvanger en moet het opnieuw horen.</translation>
    </message>
    <message>
        <source>&amp;Repair the Drawing</source>
        <comment>IDS_BUTTON_REPAIR</comment>
        <translation>Trekking &amp;herstellen</translation>
    </message>
    <message>
        <source>&amp;Draw Again</source>
        <comment>IDS_BUTTON_DRAW_AGAIN</comment>
        <translation>Opnieuw &amp;trekken</translation>
    </message>
    <message>
        <source>&quot;%1&quot; saved</source>
        <comment>IDS_CLI_REPAIRED</comment>
        <extracomment>kivvo-cli repair output.
%1: the file</extracomment>
        <translation>&quot;%1&quot; opgeslagen</translation>
    </message>
    <message>
        <source>Please note: the drawing has changed since you were told whom you give a gift to. What you were told before no longer holds; this message does.<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>IDS_NOTE_REPLACES_EARLIER</comment>
        <extracomment>Notification e-mail, after the privacy note, to a participant told another recipient
before the drawing was repaired.</extracomment>
        <translation>Let op: de trekking is veranderd sinds je hoorde aan wie je een cadeau geeft. Wat je eerder hoorde, geldt niet meer; dit bericht geldt.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Quote Earlier Drawings</source>
        <comment>IDS_EDIT_QUOTE_HISTORY</comment>
        <extracomment>Undo and redo: the change of the setting.</extracomment>
        <translation>Eerdere trekkingen citeren</translation>
    </message>
    <message>
        <source>&amp;Quote earlier drawings in the e-mails</source>
        <comment>IDS_RULES_QUOTE_HISTORY</comment>
        <translation>Eerdere trekkingen &amp;citeren in de e-mails</translation>
    </message>
    <message>
        <source>Each e-mail says whom the participant gave to last time and lists last time&apos;s pairs. Turn it off where the givers stay unknown, as in an office.</source>
        <comment>IDS_RULES_QUOTE_HISTORY_HELP</comment>
        <translation>Elke e-mail zegt aan wie de deelnemer de vorige keer gaf en noemt de paren van de vorige keer. Zet het uit waar de gevers onbekend blijven, zoals op kantoor.</translation>
    </message>
    <message>
        <source>quote earlier drawings: %1
</source>
        <comment>IDS_CLI_QUOTE_HISTORY</comment>
        <extracomment>kivvo-cli rules output, after the seal.
%1: on or off (IDS_CLI_ON, IDS_CLI_OFF)</extracomment>
        <translation>eerdere trekkingen citeren: %1
</translation>
    </message>
    <message numerus="yes">
        <source>Participants whose recipient is not the one they were told: %1.<byte value="xd"/>
<byte value="xd"/>
Tell only them, or everybody?</source>
        <comment>IDS_ASK_TELL_CHANGED</comment>
        <extracomment>Asked before sending, printing cards or the round after a repair.
%1: how many participants were told a recipient that is no longer theirs</extracomment>
        <translation>
            <numerusform>Deelnemers van wie de ontvanger niet is wat hun verteld is: %1.<byte value="xd"/>
<byte value="xd"/>
Alleen hen inlichten, of iedereen?</numerusform>
            <numerusform>Deelnemers van wie de ontvanger niet is wat hun verteld is: %1.<byte value="xd"/>
<byte value="xd"/>
Alleen hen inlichten, of iedereen?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Only Them</source>
        <comment>IDS_BUTTON_ONLY_CHANGED</comment>
        <translation>&amp;Alleen hen</translation>
    </message>
    <message>
        <source>&amp;Everybody</source>
        <comment>IDS_BUTTON_EVERYBODY</comment>
        <translation>&amp;Iedereen</translation>
    </message>
    <message numerus="yes">
        <source>Participants whose recipient is not the one they were told: %1</source>
        <comment>IDS_CLI_CHANGED_COUNT</comment>
        <extracomment>kivvo-cli send and cards with --changed.
%1: how many participants are told again</extracomment>
        <translation>
            <numerusform>Deelnemers van wie de ontvanger niet is wat hun verteld is: %1</numerusform>
            <numerusform>Deelnemers van wie de ontvanger niet is wat hun verteld is: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Nobody has been told anything of this drawing yet: tell everybody.</source>
        <comment>IDS_NOBODY_TOLD_YET</comment>
        <translation>Van deze trekking is nog niemand iets verteld: licht iedereen in.</translation>
    </message>
    <message>
        <source>Everybody already knows his recipient: nobody&apos;s changed since he was told.</source>
        <comment>IDS_NOBODY_TO_TELL_AGAIN</comment>
        <translation>Iedereen kent zijn ontvanger al: bij niemand is die veranderd sinds het hem verteld is.</translation>
    </message>
    <message>
        <source>%1: told %2, last on %3 at %4</source>
        <comment>IDS_STATUS_TOLD</comment>
        <extracomment>kivvo-cli status, one line per participant.
%1: the participant; %2: how he was told (IDS_TOLD_BY_MAIL...); %3: the date; %4: the time</extracomment>
        <translation>%1: ingelicht %2, laatst op %3 om %4</translation>
    </message>
    <message>
        <source>%1: told %2, last on %3 at %4; his recipient changed since: tell him again</source>
        <comment>IDS_STATUS_TOLD_CHANGED</comment>
        <extracomment>kivvo-cli status, one line per participant.
%1: the participant; %2: how he was told (IDS_TOLD_BY_MAIL...); %3: the date; %4: the time</extracomment>
        <translation>%1: ingelicht %2, laatst op %3 om %4; zijn ontvanger is sindsdien veranderd: licht hem opnieuw in</translation>
    </message>
    <message>
        <source>%1: not told yet</source>
        <comment>IDS_STATUS_NOT_TOLD</comment>
        <extracomment>kivvo-cli status. %1: the participant</extracomment>
        <translation>%1: nog niet ingelicht</translation>
    </message>
    <message>
        <source>%1: no drawn name yet</source>
        <comment>IDS_STATUS_NOT_DRAWN</comment>
        <extracomment>kivvo-cli status. %1: the participant</extracomment>
        <translation>%1: nog geen getrokken naam</translation>
    </message>
    <message>
        <source>by e-mail</source>
        <comment>IDS_TOLD_BY_MAIL</comment>
        <translation>per e-mail</translation>
    </message>
    <message>
        <source>on a card</source>
        <comment>IDS_TOLD_ON_CARD</comment>
        <translation>op een kaart</translation>
    </message>
    <message>
        <source>in the pass-around round</source>
        <comment>IDS_TOLD_IN_ROUND</comment>
        <translation>in de rondgang langs het scherm</translation>
    </message>
    <message>
        <source>Another program changed %1 since it was opened here, and the file now holds another drawing than this window. Nothing was sent, printed or shown.<byte value="xd"/>
<byte value="xd"/>
Open the file as it is now?</source>
        <comment>IDS_FILE_OTHER_DRAWING</comment>
        <extracomment>Before names are sent, printed or shown in the round. %1: the document&apos;s file</extracomment>
        <translation>Een ander programma heeft %1 gewijzigd sinds het hier geopend werd, en het bestand bevat nu een andere trekking dan dit venster. Er is niets verzonden, afgedrukt of getoond.<byte value="xd"/>
<byte value="xd"/>
Het bestand openen zoals het nu is?</translation>
    </message>
    <message>
        <source>Before the first name goes out, the drawing is saved, so that what the participants are told is never lost. Choose where to keep it.</source>
        <comment>IDS_SAVE_BEFORE_TELLING</comment>
        <translation>Voordat de eerste naam de deur uitgaat, wordt de trekking opgeslagen, zodat wat de deelnemers te horen krijgen nooit verloren gaat. Kies waar je hem bewaart.</translation>
    </message>
    <message>
        <source>e-mail language: %1 (%2)
</source>
        <comment>IDS_CLI_MAIL_LANGUAGE</comment>
        <extracomment>kivvo-cli rules output, when the document has an e-mail language of its own.
%1: the language&apos;s own name; %2: its code</extracomment>
        <translation>taal van de e-mails: %1 (%2)
</translation>
    </message>
    <message>
        <source>This list is empty. Add the first person with %1 or %2 → %3.</source>
        <comment>IDS_EMPTY_LIST_HINT</comment>
        <extracomment>Above an empty list in the main window.
%1: the Insert key&apos;s name; %2: the Exchange menu; %3: its item Add Person</extracomment>
        <translation>Deze lijst is leeg. Voeg de eerste persoon toe met %1 of %2 → %3.</translation>
    </message>
    <message>
        <source>Draw Names needs at least three persons in the list</source>
        <comment>IDS_TIP_DRAW_NEEDS_THREE</comment>
        <extracomment>Tip of Draw Names while it is greyed.</extracomment>
        <translation>Voor het trekken zijn minstens drie personen in de lijst nodig</translation>
    </message>
    <message>
        <source>&amp;Export Participants...</source>
        <comment>IDS_MENU_EXPORT</comment>
        <translation>Deelnemers &amp;exporteren...</translation>
    </message>
    <message>
        <source>Export Participants</source>
        <comment>IDS_EXPORT_TITLE</comment>
        <extracomment>Title of the file window that exports the participants.</extracomment>
        <translation>Deelnemers exporteren</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <comment>IDS_EXPORT_FILTER_SPREADSHEET</comment>
        <extracomment>File type in the export&apos;s file window: UTF-8 with a byte-order mark and the list
separator of the user&apos;s language (a semicolon where numbers have a decimal comma).</extracomment>
        <translation>CSV voor spreadsheets (*.csv)</translation>
    </message>
    <message>
        <source>Plain CSV (*.csv)</source>
        <comment>IDS_EXPORT_FILTER_PLAIN</comment>
        <extracomment>File type in the export&apos;s file window: UTF-8 with commas.</extracomment>
        <translation>Gewone CSV (*.csv)</translation>
    </message>
    <message>
        <source>Cannot export the participants to &quot;%1&quot;: %2.</source>
        <comment>IDS_EXPORT_ERROR</comment>
        <extracomment>Message box when the export failed.
%1: the file&apos;s path; %2: the reason</extracomment>
        <translation>Kan de deelnemers niet exporteren naar &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Line %1 looks like column headings Kivvo does not know (%2), so it is left out. The columns are read as name, address, suggestions and group.</source>
        <comment>IDS_IMPORT_UNKNOWN_HEADINGS</comment>
        <extracomment>Import Participants window and kivvo-cli import, when the file&apos;s first line names
its columns in words Kivvo does not know.
%1: the line number; %2: the line&apos;s fields, separated by commas</extracomment>
        <translation>Regel %1 lijkt op kolomkoppen die Kivvo niet kent (%2) en wordt daarom overgeslagen. De kolommen worden gelezen als naam, adres, suggesties en groep.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <comment>IDS_PERSON_ADD_NEVER_DRAWS</comment>
        <extracomment>Person Properties window: puts the names typed under Never draws into the table.</extracomment>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <comment>IDS_PERSON_REMOVE_NEVER_DRAWS</comment>
        <extracomment>Person Properties window: takes the selected names out of Never draws.</extracomment>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>IDS_PERSON_COL_NAME</comment>
        <extracomment>Person Properties window, heading of the Never draws table: whom he never draws.</extracomment>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Both ways</source>
        <comment>IDS_PERSON_COL_BOTH_WAYS</comment>
        <extracomment>Person Properties window, heading of the Never draws table: ticked where that
person never draws him either.</extracomment>
        <translation>In beide richtingen</translation>
    </message>
    <message>
        <source>Continued on the next card</source>
        <comment>IDS_CARD_CONTINUES</comment>
        <extracomment>Paper card, last line of a text too long for the card.</extracomment>
        <translation>Vervolg op de volgende kaart</translation>
    </message>
    <message>
        <source>(continued)</source>
        <comment>IDS_CARD_CONTINUED</comment>
        <extracomment>Paper card, under the giver&apos;s name on a card that goes on with the card before.</extracomment>
        <translation>(vervolg)</translation>
    </message>
    <message>
        <source>The rest is too long for the cards</source>
        <comment>IDS_CARD_TOO_LONG</comment>
        <extracomment>Paper card, last line of the last card a participant&apos;s texts may take.</extracomment>
        <translation>De rest is te lang voor de kaarten</translation>
    </message>
    <message>
        <source>Gives and receives</source>
        <comment>IDS_ROLE_BOTH</comment>
        <extracomment>Role of a person, in the person window.</extracomment>
        <translation>Geeft en ontvangt</translation>
    </message>
    <message>
        <source>Gives only</source>
        <comment>IDS_ROLE_GIVES</comment>
        <extracomment>Role of a person, in the person window.</extracomment>
        <translation>Geeft alleen</translation>
    </message>
    <message>
        <source>Receives only</source>
        <comment>IDS_ROLE_RECEIVES</comment>
        <extracomment>Role of a person, in the person window.</extracomment>
        <translation>Ontvangt alleen</translation>
    </message>
    <message>
        <source>Ro&amp;le:</source>
        <comment>IDS_ROLE_LABEL</comment>
        <extracomment>Label in the person window; its &amp; letter differs from those of Add and Remove there.</extracomment>
        <translation>&amp;Rol:</translation>
    </message>
    <message>
        <source>&amp;Gifts per giver:</source>
        <comment>IDS_GIFTS_LABEL</comment>
        <extracomment>Label in the Rules window; its &amp; letter differs from those of the other rules there.</extracomment>
        <translation>Cadeaus &amp;per gever:</translation>
    </message>
    <message>
        <source>One circle needs every person to give and receive, with one gift each.</source>
        <comment>IDS_CIRCLE_UNAVAILABLE</comment>
        <extracomment>Rules window and messages: why &quot;one circle&quot; is not available.</extracomment>
        <translation>Eén kring vraagt dat iedereen geeft en ontvangt, met één cadeau per persoon.</translation>
    </message>
    <message>
        <source>One circle needs every person to give and receive, with one gift each. Turn it off in Exchange &gt; Rules, or let every person give and receive one gift, then draw again.</source>
        <comment>IDS_DRAW_CIRCLE_NEEDS_ONE</comment>
        <extracomment>Why names cannot be drawn.</extracomment>
        <translation>Eén kring vraagt dat iedereen geeft en ontvangt, met één cadeau per persoon. Zet hem uit in Ronde &gt; Regels, of laat iedereen één cadeau geven en ontvangen, en trek dan opnieuw.</translation>
    </message>
    <message>
        <source>Nobody in this list gives a gift: every person receives only.</source>
        <comment>IDS_DRAW_NOBODY_GIVES</comment>
        <extracomment>Why names cannot be drawn.</extracomment>
        <translation>In deze lijst geeft niemand een cadeau: iedereen ontvangt alleen.</translation>
    </message>
    <message>
        <source>Nobody in this list receives a gift: every person gives only.</source>
        <comment>IDS_DRAW_NOBODY_RECEIVES</comment>
        <extracomment>Why names cannot be drawn.</extracomment>
        <translation>In deze lijst ontvangt niemand een cadeau: iedereen geeft alleen.</translation>
    </message>
    <message>
        <source>Too few gifts: %1 persons receive a gift, but the givers give only %2 in all (%3 each).</source>
        <comment>IDS_DRAW_FEW_GIFTS</comment>
        <extracomment>Why names cannot be drawn. %1: persons who receive; %2: gifts given in all; %3: gifts per giver</extracomment>
        <translation>Te weinig cadeaus: %1 personen krijgen een cadeau, maar de gevers geven er in totaal maar %2 (%3 per gever).</translation>
    </message>
    <message>
        <source> Persons who receive only: %1.</source>
        <comment>IDS_DRAW_RECEIVE_ONLY_COUNT</comment>
        <extracomment>Follows IDS_DRAW_FEW_GIFTS. %1: a number</extracomment>
        <translation> Personen die alleen ontvangen: %1.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Let more persons give, or raise the gifts per giver (Exchange &gt; Rules), then draw again.</source>
        <comment>IDS_DRAW_FEW_GIFTS_HINT</comment>
        <extracomment>Ends IDS_DRAW_FEW_GIFTS.</extracomment>
        <translation><byte value="xd"/>
<byte value="xd"/>
Laat meer personen geven of verhoog het aantal cadeaus per gever (Ronde &gt; Regels), en trek dan opnieuw.</translation>
    </message>
    <message>
        <source>The gifts of %1 (%2 in all) can go only to %3, who can take at most %4 of them.</source>
        <comment>IDS_DRAW_GIVERS_SHORT</comment>
        <extracomment>Why names cannot be drawn. %1: givers; %2: their gifts in all; %3: the persons they may give to; %4: a number</extracomment>
        <translation>De cadeaus van %1 (%2 in totaal) kunnen alleen naar %3, die er samen hoogstens %4 kunnen krijgen.</translation>
    </message>
    <message>
        <source>The gifts of %1 can go to nobody.</source>
        <comment>IDS_DRAW_GIVERS_SHORT_NOBODY</comment>
        <extracomment>Why names cannot be drawn. %1: givers</extracomment>
        <translation>De cadeaus van %1 kunnen naar niemand.</translation>
    </message>
    <message>
        <source>%1 must get at least %2 of the gifts, but only %3 may give to them, at most %4 in all.</source>
        <comment>IDS_DRAW_RECEIVERS_SHORT</comment>
        <extracomment>Why names cannot be drawn. %1: receivers; %2: a number; %3: givers; %4: a number</extracomment>
        <translation>%1 moeten minstens %2 van de cadeaus krijgen, maar alleen %3 mogen hun iets geven, in totaal hoogstens %4.</translation>
    </message>
    <message>
        <source>%1 must get at least %2 of the gifts, but nobody may give to them.</source>
        <comment>IDS_DRAW_RECEIVERS_SHORT_NOBODY</comment>
        <extracomment>Why names cannot be drawn. %1: receivers; %2: a number</extracomment>
        <translation>%1 moeten minstens %2 van de cadeaus krijgen, maar niemand mag hun iets geven.</translation>
    </message>
    <message>
        <source>In every drawing of this list, two persons would give to each other. Allow pairs who draw each other (Exchange &gt; Rules) or give fewer gifts each, then draw again.</source>
        <comment>IDS_DRAW_NO_MUTUAL_NONE</comment>
        <extracomment>Why names cannot be drawn.</extracomment>
        <translation>In elke trekking van deze lijst zouden twee personen aan elkaar geven. Sta paren toe die elkaar trekken (Ronde &gt; Regels) of verlaag het aantal cadeaus per gever, en trek dan opnieuw.</translation>
    </message>
    <message>
        <source>%1 has %2 drawn names instead of %3</source>
        <comment>IDS_CHECK_GIFT_COUNT</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the giver; %2, %3: numbers</extracomment>
        <translation>voor %1 zijn %2 namen getrokken in plaats van %3</translation>
    </message>
    <message>
        <source>%1 receives only, but has a drawn name</source>
        <comment>IDS_CHECK_RECEIVES_ONLY</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: a person</extracomment>
        <translation>%1 ontvangt alleen, maar heeft een getrokken naam</translation>
    </message>
    <message>
        <source>%1 gives only, but %2 drew him</source>
        <comment>IDS_CHECK_GIVES_ONLY_DRAWN</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the person drawn; %2: who drew him</extracomment>
        <translation>%1 geeft alleen, maar is getrokken door %2</translation>
    </message>
    <message>
        <source>%1 drew %2 twice</source>
        <comment>IDS_CHECK_SAME_TWICE</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the giver; %2: the person drawn</extracomment>
        <translation>%1 heeft %2 twee keer getrokken</translation>
    </message>
    <message>
        <source>%1 gets %2 gifts, where every person gets %3</source>
        <comment>IDS_CHECK_RECEIVED_COUNT</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: a person; %2: a number; %3: a number, or IDS_COUNT_OR</extracomment>
        <translation>%1 krijgt %2 cadeaus, terwijl iedereen er %3 krijgt</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>IDS_COUNT_OR</comment>
        <extracomment>Two numbers, as in &quot;1 or 2&quot;.</extracomment>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Get gifts for: %1</source>
        <comment>IDS_GET_GIFTS_FOR</comment>
        <extracomment>Pass-around round, a giver with several recipients. %1: their names</extracomment>
        <translation>Cadeaus voor: %1</translation>
    </message>
    <message>
        <source>--role takes both, gives or receives, not &quot;%1&quot;</source>
        <comment>IDS_CLI_BAD_ROLE</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. Keep the option values in English. %1: the value given</extracomment>
        <translation>--role verwacht both, gives of receives, niet &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--gifts takes a number from 1 to %1, not &quot;%2&quot;</source>
        <comment>IDS_CLI_BAD_GIFTS</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the largest number allowed; %2: the value given</extracomment>
        <translation>--gifts verwacht een getal van 1 tot en met %1, niet &quot;%2&quot;</translation>
    </message>
    <message>
        <source>gifts per giver: %1
</source>
        <comment>IDS_CLI_GIFTS_LINE</comment>
        <extracomment>kivvo-cli rules output.</extracomment>
        <translation>cadeaus per gever: %1
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
The names randomly drawn for %1 to give gifts to are %2.<byte value="xd"/>
<byte value="xd"/>
Thank you.<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>IDS_NOTE_DRAWN_NAMES</comment>
        <extracomment>Notification e-mail, a giver with several recipients. %1: the giver; %2: the recipients</extracomment>
        <translation><byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Het lot heeft beslist: %1, jij geeft cadeaus aan %2.<byte value="xd"/>
<byte value="xd"/>
Dank je wel!<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
The names randomly drawn for %1 to give gifts to are %2.<byte value="xd"/>
<byte value="xd"/>
The lists of this circle are too long to quote in every e-mail: ask the organiser if you want to see them.<byte value="xd"/>
<byte value="xd"/>
Thank you.<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>IDS_NOTE_DRAWN_NAMES_LISTS_KEPT</comment>
        <extracomment>Notification e-mail, a giver with several recipients. %1: the giver; %2: the recipients</extracomment>
        <translation><byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Het lot heeft beslist: %1, jij geeft cadeaus aan %2.<byte value="xd"/>
<byte value="xd"/>
De lijsten van dit gezelschap zijn te lang om in elke e-mail op te nemen: vraag de organisator ernaar als je ze wilt zien.<byte value="xd"/>
<byte value="xd"/>
Dank je wel!<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
The names randomly drawn for %1 to give gifts to are %2.<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>IDS_NOTE_DRAWN_NAMES_ONLY</comment>
        <extracomment>Notification e-mail, a giver with several recipients. %1: the giver; %2: the recipients</extracomment>
        <translation><byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Het lot heeft beslist: %1, jij geeft cadeaus aan %2.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Gift Suggestions for %1: %2</source>
        <comment>IDS_NOTE_SUGGESTIONS_FOR</comment>
        <extracomment>Notification e-mail, a giver with several recipients. %1: a recipient; %2: his suggestions. One line each, after the drawn names.</extracomment>
        <translation>Cadeautips voor %1: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>IDS_IDEAS_OF</comment>
        <extracomment>Cards and the pass-around round: a recipient and his suggestions.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>gives only</source>
        <comment>IDS_ROLE_MARK_GIVES</comment>
        <extracomment>Mark after a name in the list.</extracomment>
        <translation>geeft alleen</translation>
    </message>
    <message>
        <source>receives only</source>
        <comment>IDS_ROLE_MARK_RECEIVES</comment>
        <extracomment>Mark after a name in the list.</extracomment>
        <translation>ontvangt alleen</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>IDS_ROLE_MARKED</comment>
        <extracomment>A name in the list with a mark. %1: the name; %2: IDS_ROLE_MARK_GIVES or IDS_ROLE_MARK_RECEIVES</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 receives only and gives no gift: there is nothing to tell him.</source>
        <comment>IDS_NOTHING_TO_TELL</comment>
        <extracomment>Message when a notification is asked for a person who receives only. %1: the person</extracomment>
        <translation>%1 ontvangt alleen en geeft geen cadeau: er is niets te melden.</translation>
    </message>
    <message>
        <source>Every giver gives from 1 to %1 gifts.</source>
        <comment>IDS_BAD_GIFTS</comment>
        <extracomment>Message.</extracomment>
        <translation>Elke gever geeft 1 tot en met %1 cadeaus.</translation>
    </message>
    <message>
        <source>Hand the screen to %1, then press Draw name.</source>
        <comment>IDS_STEP_HAND_TO</comment>
        <extracomment>The next step in the Draw names window, in words. &quot;Draw name&quot; is the first line of the button&apos;s text (IDS_REVEAL_DRAW). %1: the participant&apos;s name</extracomment>
        <translation>Geef het scherm aan %1 en druk dan op ‘Naam trekken’.</translation>
    </message>
    <message>
        <source>Press Show name to see whom %1 gives a gift to.</source>
        <comment>IDS_STEP_SHOW_FOR</comment>
        <extracomment>The next step in the View notifications window. &quot;Show name&quot; is the first line of the button&apos;s text (IDS_REVEAL_SHOW). %1: the participant&apos;s name</extracomment>
        <translation>Druk op ‘Naam tonen’ om te zien wie %1 een cadeau geeft.</translation>
    </message>
    <message>
        <source>Read the name, then press Done to hide it again.</source>
        <comment>IDS_STEP_READ</comment>
        <extracomment>The next step while the drawn name is on the screen.</extracomment>
        <translation>Lees de naam en druk dan op ‘Klaar’ om hem weer te verbergen.</translation>
    </message>
    <message>
        <source>Press Next and hand the screen to %1.</source>
        <comment>IDS_STEP_NEXT_TO</comment>
        <extracomment>The next step in the Draw names window after Done. %1: the next participant&apos;s name</extracomment>
        <translation>Druk op ‘Volgende’ en geef het scherm aan %1.</translation>
    </message>
    <message>
        <source>Press Next to go on to %1.</source>
        <comment>IDS_STEP_NEXT_SHOW</comment>
        <extracomment>The next step in the View notifications window after Done. %1: the next participant&apos;s name</extracomment>
        <translation>Druk op ‘Volgende’ om naar %1 te gaan.</translation>
    </message>
    <message>
        <source>Press Next to go on to those who have not looked yet.</source>
        <comment>IDS_STEP_GO_ON</comment>
        <translation>Druk op ‘Volgende’ om verder te gaan naar wie nog niet heeft gekeken.</translation>
    </message>
    <message>
        <source>Press Previous to go back to those who have not looked yet.</source>
        <comment>IDS_STEP_GO_BACK</comment>
        <translation>Druk op ‘Vorige’ om terug te gaan naar wie nog niet heeft gekeken.</translation>
    </message>
    <message>
        <source>Click OK to close this window.</source>
        <comment>IDS_STEP_CLICK_OK</comment>
        <extracomment>The last step of the Draw names window, once every name was seen.</extracomment>
        <translation>Klik op OK om dit venster te sluiten.</translation>
    </message>
    <message>
        <source>Everybody has seen his name.</source>
        <comment>IDS_ROUND_ALL_LOOKED</comment>
        <extracomment>Closing screen of the Draw names window.</extracomment>
        <translation>Iedereen heeft zijn naam gezien.</translation>
    </message>
    <message>
        <source>Every name has been shown.</source>
        <comment>IDS_ROUND_ALL_SHOWN</comment>
        <extracomment>Closing screen of the View notifications window.</extracomment>
        <translation>Alle namen zijn getoond.</translation>
    </message>
    <message>
        <source>Not everybody has seen his name in the round. Would you like to send emails now?</source>
        <comment>IDS_ASK_SEND_NOT_ALL_LOOKED</comment>
        <extracomment>Question after a round that was ended before everybody had seen his name.</extracomment>
        <translation>Niet iedereen heeft zijn naam gezien. Wil je de e-mails nu verzenden?</translation>
    </message>
    <message>
        <source>Participant</source>
        <comment>IDS_SEND_COLUMN_PERSON</comment>
        <extracomment>Column headings of the sending window.</extracomment>
        <translation>Deelnemer</translation>
    </message>
    <message>
        <source>Address</source>
        <comment>IDS_SEND_COLUMN_ADDRESS</comment>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Outcome</source>
        <comment>IDS_SEND_COLUMN_OUTCOME</comment>
        <translation>Resultaat</translation>
    </message>
    <message>
        <source>Reason</source>
        <comment>IDS_SEND_COLUMN_REASON</comment>
        <translation>Reden</translation>
    </message>
    <message>
        <source>Waiting</source>
        <comment>IDS_OUTCOME_WAITING</comment>
        <extracomment>One participant&apos;s outcome in the sending window: not yet sent.</extracomment>
        <translation>Wacht</translation>
    </message>
    <message>
        <source>Sent</source>
        <comment>IDS_OUTCOME_SENT</comment>
        <extracomment>One participant&apos;s outcome in the sending window: the server confirmed his e-mail.</extracomment>
        <translation>Verzonden</translation>
    </message>
    <message>
        <source>Skipped</source>
        <comment>IDS_OUTCOME_SKIPPED</comment>
        <extracomment>One participant&apos;s outcome in the sending window: he has no address.</extracomment>
        <translation>Overgeslagen</translation>
    </message>
    <message>
        <source>Failed</source>
        <comment>IDS_OUTCOME_FAILED</comment>
        <extracomment>One participant&apos;s outcome in the sending window: the server refused his e-mail.</extracomment>
        <translation>Mislukt</translation>
    </message>
    <message>
        <source>Not sent</source>
        <comment>IDS_OUTCOME_NOT_SENT</comment>
        <extracomment>One participant&apos;s outcome in the sending window: sending stopped before his e-mail.</extracomment>
        <translation>Niet verzonden</translation>
    </message>
    <message>
        <source>no email address</source>
        <comment>IDS_OUTCOME_NO_ADDRESS</comment>
        <extracomment>Reason column of the sending window for a participant without an address.</extracomment>
        <translation>geen e-mailadres</translation>
    </message>
    <message numerus="yes">
        <source>The drawing was repaired: %1 of the givers got other recipients for some of their gifts; everybody else keeps the ones he drew.</source>
        <comment>IDS_REPAIR_DONE_GIFTS</comment>
        <extracomment>After a repair of a drawing in which every giver draws several recipients.
%1: how many givers got other recipients</extracomment>
        <translation>
            <numerusform>De trekking is hersteld: %1 van de gevers kreeg voor een deel van zijn cadeaus andere ontvangers; alle anderen houden de hunne.</numerusform>
            <numerusform>De trekking is hersteld: %1 van de gevers kregen voor een deel van hun cadeaus andere ontvangers; alle anderen houden de hunne.</numerusform>
        </translation>
    </message>
    <message>
        <source>The list changed after its names were drawn.<byte value="xd"/>
<byte value="xd"/>
Repair the drawing: every rule is kept, and as few of the drawn names as possible change, so that only the givers concerned need to be told again. Or draw again: everybody draws anew and must be told again.</source>
        <comment>IDS_ASK_REPAIR_GIFTS</comment>
        <extracomment>Asked by Draw Names when the list changed after its names were drawn and every giver draws several recipients.</extracomment>
        <translation>De lijst is veranderd nadat de namen getrokken zijn.<byte value="xd"/>
<byte value="xd"/>
De trekking herstellen: elke regel blijft, en zo min mogelijk getrokken namen veranderen, zodat alleen de betrokken gevers het opnieuw moeten horen. Of opnieuw trekken: iedereen trekt opnieuw en moet het opnieuw horen.</translation>
    </message>
</context>
</TS>
