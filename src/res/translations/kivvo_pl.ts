<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Kivvo</name>
    <message>
        <source>&amp;Tools</source>
        <comment>IDS_TOOLS_MENU</comment>
        <translation>&amp;Narzędzia</translation>
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
Dokumenty Kivvo (*.kv)
.kv
Kivvo.Document
Dokument Kivvo</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <comment>IDS_SETTINGS_MENU</comment>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message>
        <source>E&amp;xchange</source>
        <comment>IDS_EXCHANGE_MENU</comment>
        <translation>&amp;Wymiana</translation>
    </message>
    <message>
        <source>Copy current list for next exchange
Copy List</source>
        <comment>IDS_PROMPT_COPY_FOR_NEXT</comment>
        <translation>Kopiuje bieżącą listę na następną wymianę
Kopiuj listę</translation>
    </message>
    <message>
        <source>Send email notification of &apos;who to get gift for&apos; to all participants with email addresses
Send emails</source>
        <comment>IDS_PROMPT_SEND_EMAILS</comment>
        <translation>Wysyła do wszystkich uczestników z adresem e-mail powiadomienie, komu kupują prezent
Wyślij e-maile</translation>
    </message>
    <message>
        <source>New</source>
        <comment>IDS_TIP_NEW</comment>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>File</source>
        <comment>IDS_TIP_FILE</comment>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>IDS_TIP_HELP</comment>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Cut</source>
        <comment>IDS_TIP_CUT</comment>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>IDS_TIP_COPY</comment>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Paste</source>
        <comment>IDS_TIP_PASTE</comment>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Would you like to pass around this computer for participants to draw their own names? You can skip any participants not present. Click OK when finished.</source>
        <comment>IDS_ASK_PASS_AROUND</comment>
        <translation>Czy chcesz przekazywać ten komputer z rąk do rąk, aby uczestnicy sami losowali, komu kupują prezent? Nieobecnych uczestników możesz pominąć. Po zakończeniu kliknij OK.</translation>
    </message>
    <message>
        <source>Name drawing is complete. Would you like to send emails now?</source>
        <comment>IDS_ASK_SEND_NOW</comment>
        <translation>Losowanie zakończone. Czy chcesz teraz wysłać e-maile?</translation>
    </message>
    <message>
        <source>Names have already been drawn. Are you sure you want to draw again?<byte value="xd"/>
<byte value="xd"/>
If you would like to use the same list of names for a new drawing you should use the &apos;Copy for new drawing&apos; feature.</source>
        <comment>IDS_ASK_DRAW_AGAIN</comment>
        <translation>Imiona zostały już wylosowane. Czy na pewno chcesz losować ponownie?<byte value="xd"/>
<byte value="xd"/>
Jeśli chcesz użyć tej samej listy osób do nowego losowania, skorzystaj z polecenia „Kopiuj na następną wymianę”.</translation>
    </message>
    <message>
        <source>Are you sure you want to draw names now?<byte value="xd"/>
<byte value="xd"/>
Please make sure all participant names have been entered.</source>
        <comment>IDS_ASK_DRAW_NOW</comment>
        <translation>Czy na pewno chcesz teraz wylosować imiona?<byte value="xd"/>
<byte value="xd"/>
Upewnij się, że wpisano wszystkich uczestników.</translation>
    </message>
    <message>
        <source>Are you sure you want to copy the current list to create a new list?<byte value="xd"/>
<byte value="xd"/>
This should normally only be performed after the current list is complete and gifts have been exchanged to setup for the next exchange based on the same group of people.</source>
        <comment>IDS_ASK_COPY_LIST</comment>
        <translation>Czy na pewno chcesz skopiować bieżącą listę, aby utworzyć nową?<byte value="xd"/>
<byte value="xd"/>
Zwykle robi się to dopiero wtedy, gdy bieżąca lista jest zakończona, a prezenty zostały wręczone — aby przygotować następną wymianę w tym samym gronie.</translation>
    </message>
    <message>
        <source>Copy current list for new drawing is complete.<byte value="xd"/>
It is recommended to rename the root node to identify the drawing such as &apos;Christmas 2004&apos;</source>
        <comment>IDS_COPY_DONE</comment>
        <translation>Bieżąca lista została skopiowana na nowe losowanie.<byte value="xd"/>
Zalecamy nadanie nowej liście nazwy, która opisuje losowanie, np. „Boże Narodzenie 2004”.</translation>
    </message>
    <message>
        <source>Send email now to all participants with email addresses entered.<byte value="xd"/>
<byte value="xd"/>
You may repeat the operation as a reminder or if any email addresses are changed.</source>
        <comment>IDS_ASK_SEND_ALL</comment>
        <translation>E-maile zostaną teraz wysłane do wszystkich uczestników, którzy mają wpisany adres e-mail.<byte value="xd"/>
<byte value="xd"/>
Możesz powtórzyć tę operację jako przypomnienie lub po zmianie adresów e-mail.</translation>
    </message>
    <message numerus="yes">
        <source>Sent emails to %1 out of %2 participants</source>
        <comment>IDS_SENT_SUMMARY</comment>
        <extracomment>Summary of the sending window and of kivvo-cli send. %1: how many e-mails were sent; %2: the number of participants</extracomment>
        <translation>
            <numerusform>Wysłano e-maile do %1 z %2 uczestnika</numerusform>
            <numerusform>Wysłano e-maile do %1 z %2 uczestników</numerusform>
            <numerusform>Wysłano e-maile do %1 z %2 uczestników</numerusform>
        </translation>
    </message>
    <message>
        <source>Error sending to [%1] email address [%2]</source>
        <comment>IDS_SEND_ERROR</comment>
        <extracomment>Line of the sending window and of kivvo-cli send for a failed e-mail. %1: the participant&apos;s name; %2: his e-mail address</extracomment>
        <translation>Błąd wysyłania do [%1] na adres [%2]</translation>
    </message>
    <message>
        <source>Email sent to: %1<byte value="xd"/>
address: %2</source>
        <comment>IDS_EMAIL_SENT</comment>
        <extracomment>Line of the sending window and of kivvo-cli send (the line break becomes a comma). %1: the participant&apos;s name; %2: his e-mail address</extracomment>
        <translation>Wysłano e-mail do: %1<byte value="xd"/>
adres: %2</translation>
    </message>
    <message>
        <source>The mail server %1 could not be reached or refused the login.<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Check the mail settings (Settings &gt; Configure, or kivvo-cli config).</source>
        <comment>IDS_LOGON_ERROR</comment>
        <extracomment>Shown in the sending window and by kivvo-cli send when no connection comes about. %1: the mail server as host:port; %2: the reason</extracomment>
        <translation>Nie można połączyć się z serwerem poczty %1 albo serwer odrzucił logowanie.<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Sprawdź ustawienia poczty (Ustawienia &gt; Konfiguruj albo kivvo-cli config).</translation>
    </message>
    <message>
        <source>No drawing was found for this list.<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <comment>IDS_DRAWING_ERROR</comment>
        <extracomment>Message box and kivvo-cli message when names cannot be drawn. %1: why, one or more sentences</extracomment>
        <translation>Nie znaleziono losowania dla tej listy.<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The address book %1 cannot be read: %2</source>
        <comment>IDS_CONTACTS_LOGIN_ERROR</comment>
        <extracomment>Warning when an address book (*.vcf) is no vCard file. %1: the address book&apos;s file path; %2: the reason</extracomment>
        <translation>Nie można odczytać książki adresowej %1: %2</translation>
    </message>
    <message>
        <source>The address book %1 cannot be read: %2</source>
        <comment>IDS_CONTACTS_CLSID_ERROR</comment>
        <extracomment>Warning when an address book (*.vcf) cannot be read. %1: the address book&apos;s file path; %2: the system&apos;s reason</extracomment>
        <translation>Nie można odczytać książki adresowej %1: %2</translation>
    </message>
    <message>
        <source>The address book %1 cannot be opened: %2</source>
        <comment>IDS_CONTACTS_CREATE_ERROR</comment>
        <extracomment>Warning when an address book (*.vcf) cannot be opened. %1: the address book&apos;s file path; %2: the system&apos;s reason</extracomment>
        <translation>Nie można otworzyć książki adresowej %1: %2</translation>
    </message>
    <message>
        <source>List</source>
        <comment>IDS_NEW_LIST_NAME</comment>
        <translation>Lista</translation>
    </message>
    <message>
        <source>New Group</source>
        <comment>IDS_NEW_GROUP_NAME</comment>
        <translation>Nowa grupa</translation>
    </message>
    <message>
        <source>Person</source>
        <comment>IDS_NEW_PERSON_NAME</comment>
        <translation>Osoba</translation>
    </message>
    <message>
        <source> New Copy</source>
        <comment>IDS_COPY_SUFFIX</comment>
        <translation> – nowa kopia</translation>
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
        <translation>Cześć, %1!<byte value="xd"/>
<byte value="xd"/>
To automatyczna wiadomość z losowania Kivvo.<byte value="xd"/>
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
        <translation>Tę wiadomość może przeczytać wyłącznie %1.<byte value="xd"/>
Jeśli to nie Ty, prosimy, nie czytaj dalej.<byte value="xd"/>
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
        <translation>W poprzedniej wymianie osoba obdarowana przez Ciebie to %1.<byte value="xd"/>
W tej wymianie nie wylosujesz tej samej osoby.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>The following list shows who each person gave a gift to in the previous exchange.<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>IDS_NOTE_PREVIOUS_LIST</comment>
        <translation>Poniższa lista pokazuje, kto komu dał prezent w poprzedniej wymianie.<byte value="xd"/>
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
Oto bieżąca lista osób.<byte value="xd"/>
Osoby z wcięciem należą do grupy i nie mogą wylosować nikogo z własnej grupy.<byte value="xd"/>
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
%1, los wybrał osobę, którą obdarujesz: to %2.<byte value="xd"/>
<byte value="xd"/>
Dziękujemy.<byte value="xd"/>
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
Pomysły na prezent: %1<byte value="xd"/>
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
        <translation>Losuj imię
(%1)</translation>
    </message>
    <message>
        <source>Show name
for %1</source>
        <comment>IDS_REVEAL_SHOW</comment>
        <extracomment>Button of the View notifications window, two lines. %1: the participant&apos;s name</extracomment>
        <translation>Pokaż imię
(%1)</translation>
    </message>
    <message>
        <source>Name already shown
 for %1</source>
        <comment>IDS_REVEAL_SHOWN</comment>
        <extracomment>Button of the Draw names window once the name was seen, two lines. %1: the participant&apos;s name</extracomment>
        <translation>Imię już pokazane
 (%1)</translation>
    </message>
    <message>
        <source>Draw Name
for XXXXX</source>
        <comment>IDS_REVEAL_INITIAL</comment>
        <translation>Losuj imię
(XXXXX)</translation>
    </message>
    <message>
        <source>Get gift for: %1</source>
        <comment>IDS_GET_GIFT_FOR</comment>
        <extracomment>Text revealed in the Draw names window. %1: the name the participant drew</extracomment>
        <translation>Kup prezent dla: %1</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Suggestions: </source>
        <comment>IDS_REVEAL_SUGGESTIONS</comment>
        <translation><byte value="xd"/>
Pomysły na prezent: </translation>
    </message>
    <message>
        <source>Previous</source>
        <comment>IDS_PREVIOUS</comment>
        <translation>Poprzedni</translation>
    </message>
    <message>
        <source>Next</source>
        <comment>IDS_NEXT</comment>
        <translation>Następny</translation>
    </message>
    <message>
        <source>Done</source>
        <comment>IDS_DONE</comment>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>No participants
in this list</source>
        <comment>IDS_REVEAL_NOBODY</comment>
        <translation>Brak uczestników
na tej liście</translation>
    </message>
    <message>
        <source>Person Properties</source>
        <comment>IDS_PERSON_TITLE</comment>
        <translation>Właściwości osoby</translation>
    </message>
    <message>
        <source>Name:</source>
        <comment>IDS_PERSON_NAME_LABEL</comment>
        <translation>Imię:</translation>
    </message>
    <message>
        <source>Gift To:</source>
        <comment>IDS_PERSON_GIFT_TO_LABEL</comment>
        <translation>Prezent dla:</translation>
    </message>
    <message>
        <source>E-mail or address book name:</source>
        <comment>IDS_PERSON_ADDRESS_LABEL</comment>
        <translation>E-mail lub nazwa z książki adresowej:</translation>
    </message>
    <message>
        <source>Gift Suggestions:</source>
        <comment>IDS_PERSON_SUGGESTIONS_LABEL</comment>
        <translation>Pomysły na prezent:</translation>
    </message>
    <message>
        <source>About Kivvo</source>
        <comment>IDS_ABOUT_TITLE</comment>
        <translation>O programie Kivvo</translation>
    </message>
    <message>
        <source>Kivvo
Version 1.0</source>
        <comment>IDS_ABOUT_VERSION</comment>
        <translation>Kivvo
Wersja 1.0</translation>
    </message>
    <message>
        <source>Copyright © 2026
Quorvale

Free software under the GNU General Public License, version 3 or later</source>
        <comment>IDS_ABOUT_COPYRIGHT</comment>
        <translation>Copyright © 2026
Quorvale

Wolne oprogramowanie na licencji GNU General Public License w wersji 3 lub późniejszej</translation>
    </message>
    <message>
        <source>https://www.gnu.org/licenses/gpl-3.0.html</source>
        <comment>IDS_ABOUT_WEB_ADDRESS</comment>
        <translation>https://www.gnu.org/licenses/gpl-3.0.html</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>IDS_ABOUT_CLOSE</comment>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>&amp;Configure...</source>
        <comment>IDS_MENU_CONFIGURE</comment>
        <translation>&amp;Konfiguruj...</translation>
    </message>
    <message>
        <source>&amp;Add Person</source>
        <comment>IDS_MENU_ADD_PERSON</comment>
        <translation>&amp;Dodaj osobę</translation>
    </message>
    <message>
        <source>Add &amp;Group</source>
        <comment>IDS_MENU_ADD_GROUP</comment>
        <translation>Dodaj &amp;grupę</translation>
    </message>
    <message>
        <source>Add &amp;Person to Group</source>
        <comment>IDS_MENU_ADD_PERSON_TO_GROUP</comment>
        <translation>Dodaj osobę do grup&amp;y</translation>
    </message>
    <message>
        <source>&amp;Delete Item</source>
        <comment>IDS_MENU_DELETE_ITEM</comment>
        <translation>&amp;Usuń element</translation>
    </message>
    <message>
        <source>Rename &amp;Item</source>
        <comment>IDS_MENU_RENAME_ITEM</comment>
        <translation>Zmień &amp;nazwę elementu</translation>
    </message>
    <message>
        <source>Send &amp;email to Person</source>
        <comment>IDS_MENU_SEND_EMAIL_TO_PERSON</comment>
        <translation>Wyślij &amp;e-mail do osoby</translation>
    </message>
    <message>
        <source>Person Pr&amp;operties</source>
        <comment>IDS_MENU_PERSON_PROPERTIES</comment>
        <translation>&amp;Właściwości osoby</translation>
    </message>
    <message>
        <source>Draw &amp;Names</source>
        <comment>IDS_MENU_DRAW_NAMES</comment>
        <translation>&amp;Losuj imiona</translation>
    </message>
    <message>
        <source>&amp;Send Emails</source>
        <comment>IDS_MENU_SEND_EMAILS</comment>
        <translation>Wyślij e-&amp;maile</translation>
    </message>
    <message>
        <source>&amp;View Notifications</source>
        <comment>IDS_MENU_VIEW_NOTIFICATIONS</comment>
        <translation>P&amp;okaż powiadomienia</translation>
    </message>
    <message>
        <source>Copy for Ne&amp;xt Exchange</source>
        <comment>IDS_MENU_COPY_FOR_NEXT</comment>
        <translation>&amp;Kopiuj na następną wymianę</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <comment>IDS_MENU_SAVE_AS</comment>
        <translation>Zapisz &amp;jako...</translation>
    </message>
    <message>
        <source>A&amp;bout Kivvo...</source>
        <comment>IDS_MENU_ABOUT</comment>
        <translation>O p&amp;rogramie Kivvo...</translation>
    </message>
    <message>
        <source>New</source>
        <comment>IDS_MENU_NEW</comment>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>IDS_MENU_OPEN</comment>
        <translation>&amp;Otwórz...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <comment>IDS_MENU_SAVE</comment>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>IDS_MENU_EXIT</comment>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>IDS_FILE_MENU</comment>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>IDS_MENU_FILE_NEW</comment>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <comment>IDS_MENU_OPEN_RECENT</comment>
        <translation>Ostatnio &amp;używane</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <comment>IDS_MENU_ROOT_RENAME</comment>
        <translation>&amp;Zmień nazwę</translation>
    </message>
    <message>
        <source>Add &amp;Group</source>
        <comment>IDS_MENU_ROOT_ADD_GROUP</comment>
        <translation>Dodaj &amp;grupę</translation>
    </message>
    <message>
        <source>Add &amp;Person</source>
        <comment>IDS_MENU_ROOT_ADD_PERSON</comment>
        <translation>Dodaj &amp;osobę</translation>
    </message>
    <message>
        <source>&amp;Rename Group</source>
        <comment>IDS_MENU_GROUP_RENAME</comment>
        <translation>&amp;Zmień nazwę grupy</translation>
    </message>
    <message>
        <source>&amp;Add Person to Group</source>
        <comment>IDS_MENU_GROUP_ADD_PERSON</comment>
        <translation>&amp;Dodaj osobę do grupy</translation>
    </message>
    <message>
        <source>&amp;Delete Group</source>
        <comment>IDS_MENU_GROUP_DELETE</comment>
        <translation>&amp;Usuń grupę</translation>
    </message>
    <message>
        <source>&amp;Rename Person</source>
        <comment>IDS_MENU_PERSON_RENAME</comment>
        <translation>&amp;Zmień nazwę osoby</translation>
    </message>
    <message>
        <source>&amp;Delete Person</source>
        <comment>IDS_MENU_PERSON_DELETE</comment>
        <translation>&amp;Usuń osobę</translation>
    </message>
    <message>
        <source>&amp;Send email</source>
        <comment>IDS_MENU_PERSON_SEND</comment>
        <translation>Wyślij &amp;e-mail</translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <comment>IDS_MENU_CONTEXT_PROPERTIES</comment>
        <translation>&amp;Właściwości...</translation>
    </message>
    <message>
        <source>Draw names for the newest list
Draw Names</source>
        <comment>IDS_TIP_DRAW_NAMES</comment>
        <translation>Losuje imiona na najnowszej liście
Losuj imiona</translation>
    </message>
    <message>
        <source>Untitled</source>
        <comment>IDS_UNTITLED</comment>
        <translation>Bez tytułu</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <comment>IDS_ASK_SAVE_CHANGES</comment>
        <extracomment>Question before closing a changed document. %1: its file name, or Untitled</extracomment>
        <translation>Czy zapisać zmiany w dokumencie %1?</translation>
    </message>
    <message>
        <source>Kivvo (*.kv)</source>
        <comment>IDS_FILE_FILTER</comment>
        <translation>Dokumenty Kivvo (*.kv)</translation>
    </message>
    <message>
        <source>Kivvo Files</source>
        <comment>IDS_DOCLIST_TITLE</comment>
        <translation>Pliki Kivvo</translation>
    </message>
    <message>
        <source>All Folders</source>
        <comment>IDS_DOCLIST_ALL_FOLDERS</comment>
        <translation>Wszystkie foldery</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>IDS_DOCLIST_NAME</comment>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>IDS_DOCLIST_FOLDER</comment>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Modified</source>
        <comment>IDS_DOCLIST_MODIFIED</comment>
        <translation>Data modyfikacji</translation>
    </message>
    <message>
        <source>New</source>
        <comment>IDS_DOCLIST_NEW</comment>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>IDS_DOCLIST_OPEN</comment>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>No Kivvo documents in %1 yet. Choose New to start one.</source>
        <comment>IDS_DOCLIST_EMPTY</comment>
        <extracomment>Start window, when the documents folder holds no document. %1: the folder&apos;s path</extracomment>
        <translation>W folderze %1 nie ma jeszcze dokumentów Kivvo. Wybierz „Nowy”, aby utworzyć dokument.</translation>
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
        <translation>Kivvo organizuje losowanie osób do wymiany prezentów. Bez argumentu FILE proponuje dokumenty Kivvo z folderu dokumentów.</translation>
    </message>
    <message>
        <source>A Kivvo document (*.kv) to open.</source>
        <comment>IDS_GUI_FILE_ARGUMENT</comment>
        <translation>Dokument Kivvo (*.kv) do otwarcia.</translation>
    </message>
    <message>
        <source>kivvo: %1; see kivvo --help</source>
        <comment>IDS_GUI_WRONG_ARGUMENTS</comment>
        <extracomment>kivvo error on stderr for a wrong command line. %1: what is wrong</extracomment>
        <translation>kivvo: %1; zobacz kivvo --help</translation>
    </message>
    <message>
        <source>only one document can be opened at a time</source>
        <comment>IDS_GUI_TOO_MANY_FILES</comment>
        <translation>naraz można otworzyć tylko jeden dokument</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <comment>IDS_OPTION_HELP</comment>
        <translation>Wyświetla tę pomoc i kończy działanie.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <comment>IDS_OPTION_VERSION</comment>
        <translation>Wyświetla wersję i kończy działanie.</translation>
    </message>
    <message numerus="yes">
        <source>This document already holds %1 drawings, the most one document can keep.<byte value="xd"/>
<byte value="xd"/>
Nothing was copied. Start a new document for the next exchange.</source>
        <comment>IDS_TOO_MANY_LISTS</comment>
        <extracomment>Message box and kivvo-cli error when Copy for Next Exchange finds the document full. %1: the most drawings a document keeps</extracomment>
        <translation>
            <numerusform>Ten dokument zawiera już %1 losowanie, czyli najwięcej, ile może pomieścić jeden dokument.<byte value="xd"/>
<byte value="xd"/>
Nic nie zostało skopiowane. Następną wymianę zacznij w nowym dokumencie.</numerusform>
            <numerusform>Ten dokument zawiera już %1 losowania, czyli najwięcej, ile może pomieścić jeden dokument.<byte value="xd"/>
<byte value="xd"/>
Nic nie zostało skopiowane. Następną wymianę zacznij w nowym dokumencie.</numerusform>
            <numerusform>Ten dokument zawiera już %1 losowań, czyli najwięcej, ile może pomieścić jeden dokument.<byte value="xd"/>
<byte value="xd"/>
Nic nie zostało skopiowane. Następną wymianę zacznij w nowym dokumencie.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <comment>IDS_FILE_OPEN_ERROR</comment>
        <extracomment>Message box and kivvo-cli error when a document cannot be opened. %1: the file&apos;s path; %2: the reason</extracomment>
        <translation>Nie można otworzyć pliku „%1”:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%1&quot;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Nothing was opened.</source>
        <comment>IDS_FILE_READ_ERROR</comment>
        <extracomment>Message box and kivvo-cli error when a document cannot be read. %1: the file&apos;s path; %2: the reason</extracomment>
        <translation>Nie można odczytać pliku „%1”:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Niczego nie otwarto.</translation>
    </message>
    <message>
        <source>Cannot save the file &quot;%1&quot;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The file on disk was not changed.</source>
        <comment>IDS_FILE_SAVE_ERROR</comment>
        <extracomment>Message box and kivvo-cli error when a document cannot be saved. %1: the file&apos;s path; %2: the reason</extracomment>
        <translation>Nie można zapisać pliku „%1”:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Plik na dysku nie został zmieniony.</translation>
    </message>
    <message>
        <source>The file ends before the document is complete; it is damaged.</source>
        <comment>IDS_ERR_TRUNCATED</comment>
        <translation>Plik urywa się przed końcem dokumentu; jest uszkodzony.</translation>
    </message>
    <message>
        <source>It is not a Kivvo document.</source>
        <comment>IDS_ERR_NOT_KIVVO</comment>
        <translation>To nie jest dokument Kivvo.</translation>
    </message>
    <message>
        <source>The document holds no list; it is damaged.</source>
        <comment>IDS_ERR_NO_LISTS</comment>
        <translation>Dokument nie zawiera żadnej listy; plik jest uszkodzony.</translation>
    </message>
    <message>
        <source>A text is longer than the rest of the file; it is damaged.</source>
        <comment>IDS_ERR_STRING_TOO_LONG</comment>
        <translation>Jeden z tekstów jest dłuższy niż reszta pliku; plik jest uszkodzony.</translation>
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
        <translation>To jest folder, a nie plik.</translation>
    </message>
    <message>
        <source>It is not an ordinary file (it is a pipe, a socket or a device).</source>
        <comment>IDS_ERR_NOT_REGULAR</comment>
        <translation>To nie jest zwykły plik (to potok, gniazdo lub urządzenie).</translation>
    </message>
    <message>
        <source>The file is %1 bytes long, more than the %2 bytes any file of this program may have; it was not read.</source>
        <comment>IDS_ERR_FILE_TOO_LARGE</comment>
        <extracomment>Reason in a file error. %1: the file&apos;s size in bytes; %2: the largest size allowed</extracomment>
        <translation>Rozmiar pliku to %1 B, a żaden plik tego programu nie może przekraczać %2 B; plik nie został odczytany.</translation>
    </message>
    <message>
        <source>A text is %1 characters long, more than the %2 characters a name, address or other text may have.</source>
        <comment>IDS_ERR_TEXT_TOO_LONG</comment>
        <extracomment>Reason in a file error. %1: the text&apos;s length in characters; %2: the longest allowed</extracomment>
        <translation>Długość tekstu to %1 zn., a imię, adres czy inny tekst może mieć najwyżej %2 zn.</translation>
    </message>
    <message>
        <source>Cannot read the settings file &quot;%1&quot;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The default settings are used; the file was not changed.</source>
        <comment>IDS_SETTINGS_READ_ERROR</comment>
        <extracomment>Warning at start when the mail settings cannot be read. %1: the settings file&apos;s path; %2: the reason</extracomment>
        <translation>Nie można odczytać pliku ustawień „%1”:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Użyto ustawień domyślnych; plik nie został zmieniony.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed on disk by another program since it was opened or last saved.<byte value="xd"/>
<byte value="xd"/>
Save anyway and replace the other program&apos;s changes?</source>
        <comment>IDS_ASK_OVERWRITE_CHANGED</comment>
        <extracomment>Question (message box or kivvo-cli) before saving over another program&apos;s change. %1: the file&apos;s path</extracomment>
        <translation>Plik „%1” został zmieniony na dysku przez inny program od czasu otwarcia lub ostatniego zapisu.<byte value="xd"/>
<byte value="xd"/>
Zapisać mimo to i zastąpić zmiany wprowadzone przez inny program?</translation>
    </message>
    <message>
        <source>kivvo-cli: &quot;%1&quot; is being changed by another program (lock file &quot;%2&quot;); nothing was changed. Try again later.</source>
        <comment>IDS_CLI_LOCKED</comment>
        <extracomment>kivvo-cli error on stderr. %1: the document&apos;s path; %2: the lock file&apos;s path</extracomment>
        <translation>kivvo-cli: dokument „%1” jest właśnie zmieniany przez inny program (plik blokady „%2”); niczego nie zmieniono. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>kivvo-cli: cannot create the lock file &quot;%1&quot; beside the document: %2; nothing was changed.</source>
        <comment>IDS_CLI_LOCK_ERROR</comment>
        <extracomment>kivvo-cli error on stderr. %1: the lock file&apos;s path; %2: the system&apos;s reason</extracomment>
        <translation>kivvo-cli: nie można utworzyć pliku blokady „%1” obok dokumentu: %2; niczego nie zmieniono.</translation>
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
        <translation>Użycie: kivvo-cli COMMAND FILE [ARGUMENTS] [OPTIONS]
        kivvo-cli --help | --version

Polecenia:
  new FILE                      nowy dokument z jedną pustą listą o nazwie „Lista”
  lists FILE                    nazwy losowań dokumentu, od najnowszego
  report FILE [--list N] [--gift-to]
                                raport losowania N (0 = najnowsze)
  add FILE NAME [--group GROUP] [--address A] [--suggestions S]
      [--role both|gives|receives]
                                dodaje osobę do najnowszego losowania
  add-group FILE NAME           dodaje grupę do najnowszego losowania
  remove FILE NAME              usuwa pierwszą osobę o tej nazwie, a jeśli jej nie ma,
                                pierwszą grupę o tej nazwie
  rename-list FILE NAME         zmienia nazwę najnowszego losowania
  rename-group FILE GROUP NAME  zmienia nazwę grupy w najnowszym losowaniu
  draw FILE [--yes]             losuje imiona w najnowszym losowaniu i zapisuje
  check FILE                    czy najnowsze losowanie da się przeprowadzić, a jeśli nie,
                                to dlaczego
  copy FILE [--yes]             kopiuje najnowsze losowanie na następną wymianę i zapisuje
  repair FILE [--yes]           naprawia najnowsze losowanie po zmianie jego listy: wszystkie reguły
                                obowiązują, zmienia się jak najmniej obdarowanych; zapisuje
  exclude FILE GIVER RECIPIENT [--both] [--remove]
                                GIVER nigdy nie losuje RECIPIENT w najnowszym losowaniu
                                (--both: ani RECIPIENT nie losuje GIVER); --remove znosi
                                to wykluczenie
  rules FILE [--history N|all] [--no-mutual on|off] [--one-circle on|off]
             [--gifts N] [--seal on|off] [--yes] [--quote-history on|off]
             [--language CODE]
                                pokazuje zasady i wykluczenia albo zmienia zasady;
                                --gifts: każdy darczyńca losuje N odbiorców (od 1 do 5)
  import FILE SOURCE [--group GROUP]
                                dodaje uczestników z pliku CSV lub vCard do najnowszego
                                losowania; imiona, które już w nim są, zostają pominięte
  export FILE --csv OUT [--list N] [--spreadsheet]
                                zapisuje osoby z losowania N w CSV, bez wylosowanych imion
                                (--spreadsheet: dla arkuszy kalkulacyjnych, formuły rozbrojone)
  set FILE PERSON [--name N] [--address A] [--suggestions S]
      [--role both|gives|receives]
                                zmienia dane osoby w najnowszym losowaniu; --role: osoba
                                daje i dostaje prezenty (both), tylko daje (gives) albo
                                tylko dostaje (receives)
  move FILE PERSON (--group GROUP | --top)
                                przenosi osobę do grupy albo poza grupę
  notification FILE PERSON [--list N] [--language CODE]
                                tekst e-maila dla osoby z losowania N
  send FILE [--yes] [--person NAME] [--changed] [--language CODE]
                                wysyła powiadomienia z najnowszego losowania (wszystkie
                                albo jedno)
  cards FILE --pdf OUT.pdf [--person NAME] [--changed] [--language CODE]
                                papierowe karty z najnowszego losowania, cztery na stronie A4
  status FILE                   kto z najnowszego losowania został powiadomiony, jak i kiedy (nigdy,
                                komu daje prezent); --changed w send i cards powiadamia tylko tych,
                                których obdarowany zmienił się od tego czasu
  details FILE [--date YYYY-MM-DD] [--budget T] [--place T] [--note T]
                                pokazuje datę, budżet, miejsce i notatkę najnowszego
                                losowania albo je zmienia; pusta wartość usuwa pozycję
  config [--server H] [--port N] [--from A] [--user U] [--password [P]]
         [--password-stdin] [--footer T] [--require-tls on|off]
         [--test-mail ADDRESS]
                                pokazuje ustawienia poczty albo je zmienia; --password
                                bez wartości pyta o hasło w terminalu
                                --require-tls on: poczta tylko szyfrowana (TLS)
                                --test-mail: wysyła testowy e-mail na ADDRESS
  contacts [--lookup TEXT]      nazwy z książki adresowej odczytane z plików *.vcf
                                folderu dokumentów albo to, na co wskazuje TEXT

Z opcją --yes na pytania pada odpowiedź Tak; bez niej pytania są zadawane w terminalu,
a bez terminala przyjmowana jest odpowiedź Nie. E-maile i karty są w języku podanym
w --language CODE (en, de, es, fr, it, nl, pl, pt), bez tej opcji w języku e-maili
dokumentu, a gdy go nie ustawiono, w języku systemu.
Kod wyjścia: 0 sukces, 1 niepowodzenie, 2 błąd użycia.
</translation>
    </message>
    <message>
        <source>Kivvo gift-exchange name drawing, command-line tool</source>
        <comment>IDS_CLI_DESCRIPTION</comment>
        <translation>Kivvo – losowanie osób do wymiany prezentów, narzędzie wiersza poleceń</translation>
    </message>
    <message>
        <source>kivvo-cli: unknown command &quot;%1&quot;; see kivvo-cli --help</source>
        <comment>IDS_CLI_UNKNOWN_COMMAND</comment>
        <extracomment>kivvo-cli error on stderr. %1: the command as typed</extracomment>
        <translation>kivvo-cli: nieznane polecenie „%1”; zobacz kivvo-cli --help</translation>
    </message>
    <message>
        <source>kivvo-cli: %1; see kivvo-cli --help</source>
        <comment>IDS_CLI_WRONG_ARGUMENTS</comment>
        <extracomment>kivvo-cli error on stderr for a wrong command line. %1: what is wrong</extracomment>
        <translation>kivvo-cli: %1; zobacz kivvo-cli --help</translation>
    </message>
    <message>
        <source>kivvo-cli: &quot;%1&quot; exists already; it is not overwritten</source>
        <comment>IDS_CLI_FILE_EXISTS</comment>
        <extracomment>kivvo-cli error on stderr (kivvo-cli new). %1: the document&apos;s path</extracomment>
        <translation>kivvo-cli: plik „%1” już istnieje; nie zostanie nadpisany</translation>
    </message>
    <message>
        <source>kivvo-cli: the document has no drawing number %1 (it has %2)</source>
        <comment>IDS_CLI_NO_SUCH_LIST</comment>
        <extracomment>kivvo-cli error on stderr. %1: the drawing number asked for (0 = newest); %2: how many drawings the document has</extracomment>
        <translation>kivvo-cli: dokument nie ma losowania numer %1 (liczba losowań: %2)</translation>
    </message>
    <message>
        <source>kivvo-cli: the newest drawing has no group named &quot;%1&quot;</source>
        <comment>IDS_CLI_NO_SUCH_GROUP</comment>
        <extracomment>kivvo-cli error on stderr. %1: the group name as given</extracomment>
        <translation>kivvo-cli: w najnowszym losowaniu nie ma grupy o nazwie „%1”</translation>
    </message>
    <message>
        <source>kivvo-cli: the newest drawing has no person or group named &quot;%1&quot;</source>
        <comment>IDS_CLI_NO_SUCH_ENTRY</comment>
        <extracomment>Error (kivvo-cli or message box) when removing or renaming. %1: the name as given</extracomment>
        <translation>kivvo-cli: w najnowszym losowaniu nie ma osoby ani grupy o nazwie „%1”</translation>
    </message>
    <message>
        <source>kivvo-cli: Draw Names needs more than two persons in the newest drawing</source>
        <comment>IDS_CLI_DRAW_UNAVAILABLE</comment>
        <translation>kivvo-cli: „Losuj imiona” wymaga co najmniej trzech osób w najnowszym losowaniu</translation>
    </message>
    <message>
        <source>kivvo-cli: no names were drawn; the file was not changed</source>
        <comment>IDS_CLI_NOT_DRAWN</comment>
        <translation>kivvo-cli: nie wylosowano imion; plik nie został zmieniony</translation>
    </message>
    <message numerus="yes">
        <source>Names drawn for %1 persons; &quot;%2&quot; saved</source>
        <comment>IDS_CLI_DRAWN</comment>
        <extracomment>kivvo-cli draw output. %1: the number of persons; %2: the document&apos;s path</extracomment>
        <translation>
            <numerusform>Wylosowano imiona dla %1 osoby; zapisano „%2”</numerusform>
            <numerusform>Wylosowano imiona dla %1 osób; zapisano „%2”</numerusform>
            <numerusform>Wylosowano imiona dla %1 osób; zapisano „%2”</numerusform>
        </translation>
    </message>
    <message>
        <source>kivvo-cli: nothing was copied; the file was not changed</source>
        <comment>IDS_CLI_NOT_COPIED</comment>
        <translation>kivvo-cli: niczego nie skopiowano; plik nie został zmieniony</translation>
    </message>
    <message>
        <source>&quot;%1&quot; added; &quot;%2&quot; saved</source>
        <comment>IDS_CLI_COPIED</comment>
        <extracomment>kivvo-cli copy output. %1: the new drawing&apos;s name; %2: the document&apos;s path</extracomment>
        <translation>Dodano „%1”; zapisano „%2”</translation>
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
        <translation>„%1” nie jest liczbą</translation>
    </message>
    <message>
        <source>Removed &quot;%1&quot;</source>
        <comment>IDS_CLI_REMOVED</comment>
        <extracomment>kivvo-cli remove output. %1: the name of the removed person or group</extracomment>
        <translation>Usunięto „%1”</translation>
    </message>
    <message>
        <source>Created &quot;%1&quot;</source>
        <comment>IDS_CLI_CREATED</comment>
        <extracomment>kivvo-cli new output. %1: the new document&apos;s path</extracomment>
        <translation>Utworzono „%1”</translation>
    </message>
    <message>
        <source>kivvo-cli: drawing %1 has no person named &quot;%2&quot;</source>
        <comment>IDS_CLI_NO_SUCH_PERSON</comment>
        <extracomment>kivvo-cli error on stderr. %1: the drawing number (0 = newest); %2: the name as given</extracomment>
        <translation>kivvo-cli: w losowaniu %1 nie ma osoby o imieniu „%2”</translation>
    </message>
    <message>
        <source>kivvo-cli: %1 has no e-mail address; nothing was sent</source>
        <comment>IDS_CLI_NO_ADDRESS</comment>
        <extracomment>kivvo-cli send error on stderr. %1: the person&apos;s name</extracomment>
        <translation>kivvo-cli: %1 nie ma adresu e-mail; niczego nie wysłano</translation>
    </message>
    <message>
        <source>kivvo-cli: not every notification was sent</source>
        <comment>IDS_CLI_NOT_SENT</comment>
        <translation>kivvo-cli: nie wszystkie powiadomienia zostały wysłane</translation>
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
        <translation>serwer: %1
port: %2
nadawca: %3
użytkownik: %4
hasło: %5
stopka: %6
plik ustawień: %7
</translation>
    </message>
    <message>
        <source>Settings saved to &quot;%1&quot;</source>
        <comment>IDS_CLI_SETTINGS_SAVED</comment>
        <extracomment>kivvo-cli config output. %1: the settings file&apos;s path</extracomment>
        <translation>Zapisano ustawienia w „%1”</translation>
    </message>
    <message>
        <source>kivvo-cli: the settings could not be saved to &quot;%1&quot;: %2; the file was not changed</source>
        <comment>IDS_CLI_SETTINGS_NOT_SAVED</comment>
        <extracomment>kivvo-cli config error on stderr. %1: the settings file&apos;s path; %2: the reason</extracomment>
        <translation>kivvo-cli: nie można zapisać ustawień w „%1”: %2; plik nie został zmieniony</translation>
    </message>
    <message>
        <source>the port must be a number from 1 to 65535, not &quot;%1&quot;</source>
        <comment>IDS_CLI_BAD_PORT</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the value given to --port</extracomment>
        <translation>port musi być liczbą od 1 do 65535, a nie „%1”</translation>
    </message>
    <message>
        <source>address: %1
first name: %2
last name: %3
</source>
        <comment>IDS_CLI_LOOKUP</comment>
        <extracomment>kivvo-cli contacts --lookup output. %1: the e-mail address; %2: the first name; %3: the last name</extracomment>
        <translation>adres: %1
imię: %2
nazwisko: %3
</translation>
    </message>
    <message>
        <source>kivvo-cli: no address-book entry matches &quot;%1&quot;</source>
        <comment>IDS_CLI_NO_CONTACT</comment>
        <extracomment>kivvo-cli error on stderr. %1: the text given to --lookup</extracomment>
        <translation>kivvo-cli: żaden wpis w książce adresowej nie pasuje do „%1”</translation>
    </message>
    <message>
        <source>%1 can only give to %2.</source>
        <comment>IDS_DRAW_BLOCKED</comment>
        <extracomment>Why names cannot be drawn. %1: the givers&apos; names; %2: the names they can give to</extracomment>
        <translation>%1: prezent może trafić tylko do: %2.</translation>
    </message>
    <message>
        <source>%1 cannot give to anybody.</source>
        <comment>IDS_DRAW_BLOCKED_NOBODY</comment>
        <extracomment>Why names cannot be drawn. %1: the givers&apos; names</extracomment>
        <translation>%1: prezent nie może trafić do nikogo.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
What blocks them: %1. Change the groups or add persons, then draw again.</source>
        <comment>IDS_DRAW_BLOCKING_RULES</comment>
        <extracomment>Follows the sentence why names cannot be drawn. %1: the rules in the way, separated by semicolons</extracomment>
        <translation><byte value="xd"/>
<byte value="xd"/>
Przeszkadzają w tym zasady: %1. Zmień grupy lub dodaj osoby, a potem losuj ponownie.</translation>
    </message>
    <message>
        <source>nobody draws himself</source>
        <comment>IDS_RULE_HIMSELF</comment>
        <translation>nikt nie losuje samego siebie</translation>
    </message>
    <message>
        <source>nobody draws a person of his own group</source>
        <comment>IDS_RULE_OWN_GROUP</comment>
        <translation>nikt nie losuje osoby z własnej grupy</translation>
    </message>
    <message>
        <source>nobody draws the person he gave to last time</source>
        <comment>IDS_RULE_LAST_TIME</comment>
        <translation>nikt nie losuje swojego odbiorcy z poprzedniej wymiany</translation>
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
        <translation>%1 i %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %2 others</source>
        <comment>IDS_NAMES_OTHERS</comment>
        <extracomment>A shortened list of names. %1: the names shown, separated by commas; %2: how many more there are</extracomment>
        <translation>
            <numerusform>%1 i %2 inna osoba</numerusform>
            <numerusform>%1 i %2 inne osoby</numerusform>
            <numerusform>%1 i %2 innych osób</numerusform>
        </translation>
    </message>
    <message>
        <source>The drawn names no longer match the list: %1.<byte value="xd"/>
<byte value="xd"/>
Please draw names again. Nothing has been shown or sent.</source>
        <comment>IDS_DRAWING_INVALID</comment>
        <extracomment>Message box and kivvo-cli error before names are shown or sent. %1: what no longer matches, separated by semicolons (may be empty)</extracomment>
        <translation>Wylosowane imiona nie pasują już do listy: %1.<byte value="xd"/>
<byte value="xd"/>
Wylosuj imiona ponownie. Niczego nie pokazano ani nie wysłano.</translation>
    </message>
    <message>
        <source>%1 has no drawn name</source>
        <comment>IDS_CHECK_NO_NAME</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the person&apos;s name</extracomment>
        <translation>%1 nie ma wylosowanego imienia</translation>
    </message>
    <message>
        <source>%1, drawn by %2, is no longer in the list</source>
        <comment>IDS_CHECK_GONE</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the drawn name; %2: who drew it</extracomment>
        <translation>%2 ma wylosowane imię %1, którego nie ma już na liście</translation>
    </message>
    <message>
        <source>%1, drawn by %2, is the name of more than one person</source>
        <comment>IDS_CHECK_AMBIGUOUS</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the drawn name; %2: who drew it</extracomment>
        <translation>%2 ma wylosowane imię %1, które nosi więcej niż jedna osoba</translation>
    </message>
    <message>
        <source>%1 is drawn by both %2 and %3</source>
        <comment>IDS_CHECK_TWICE</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the drawn name; %2 and %3: the two who drew it</extracomment>
        <translation>%2 i %3 mają wylosowane to samo imię: %1</translation>
    </message>
    <message>
        <source>%1 drew himself</source>
        <comment>IDS_CHECK_HIMSELF</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the person&apos;s name</extracomment>
        <translation>%1 ma wylosowane własne imię</translation>
    </message>
    <message>
        <source>%1 drew %2 of his own group</source>
        <comment>IDS_CHECK_OWN_GROUP</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the giver; %2: the person he drew</extracomment>
        <translation>%1 ma wylosowane imię %2 z własnej grupy</translation>
    </message>
    <message>
        <source>%1 drew %2, the person he gave to last time</source>
        <comment>IDS_CHECK_LAST_TIME</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the giver; %2: the person he drew</extracomment>
        <translation>%1 ma wylosowane imię %2, swojego odbiorcy z poprzedniej wymiany</translation>
    </message>
    <message>
        <source>a person of the list has no name</source>
        <comment>IDS_CHECK_NAMELESS</comment>
        <translation>jedna z osób na liście nie ma imienia</translation>
    </message>
    <message numerus="yes">
        <source>and %1 more</source>
        <comment>IDS_CHECK_MORE</comment>
        <extracomment>Ends the list of problems with the drawn names. %1: how many more there are</extracomment>
        <translation>
            <numerusform>i jeszcze %1</numerusform>
            <numerusform>i jeszcze %1</numerusform>
            <numerusform>i jeszcze %1</numerusform>
        </translation>
    </message>
    <message>
        <source>no names have been drawn</source>
        <comment>IDS_CHECK_NOT_DRAWN</comment>
        <translation>nie wylosowano imion</translation>
    </message>
    <message>
        <source>The newest drawing can be drawn.</source>
        <comment>IDS_CLI_CAN_DRAW</comment>
        <translation>Najnowsze losowanie można przeprowadzić.</translation>
    </message>
    <message>
        <source>a person&apos;s name cannot be empty</source>
        <comment>IDS_CLI_EMPTY_NAME</comment>
        <translation>imię osoby nie może być puste</translation>
    </message>
    <message>
        <source>kivvo-cli: Copy for Next Exchange needs more than two persons in the newest drawing</source>
        <comment>IDS_CLI_COPY_UNAVAILABLE</comment>
        <translation>kivvo-cli: „Kopiuj na następną wymianę” wymaga co najmniej trzech osób w najnowszym losowaniu</translation>
    </message>
    <message numerus="yes">
        <source>nobody draws a person he gave to in the last %1 exchanges</source>
        <comment>IDS_RULE_HISTORY</comment>
        <extracomment>A rule, in the list of what blocks a drawing and in kivvo-cli rules. %1: the number of exchanges</extracomment>
        <translation>
            <numerusform>nikt nie losuje swojego odbiorcy z ostatniej %1 wymiany</numerusform>
            <numerusform>nikt nie losuje swojego odbiorcy z ostatnich %1 wymian</numerusform>
            <numerusform>nikt nie losuje swojego odbiorcy z ostatnich %1 wymian</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 never draws %2</source>
        <comment>IDS_RULE_EXCLUDED</comment>
        <extracomment>An exclusion, in the list of what blocks a drawing and in kivvo-cli output. %1: the giver; %2: the person he never draws</extracomment>
        <translation>%1 nigdy nie losuje: %2</translation>
    </message>
    <message>
        <source>nobody draws the person who draws him</source>
        <comment>IDS_RULE_NO_MUTUAL</comment>
        <translation>żadne dwie osoby nie losują siebie nawzajem</translation>
    </message>
    <message>
        <source>the gifts go round in one single circle</source>
        <comment>IDS_RULE_ONE_CIRCLE</comment>
        <translation>prezenty krążą w jednym zamkniętym kręgu</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
What blocks them: %1. Change the groups, the exclusions or the rules (Exchange &gt; Rules), or add persons, then draw again.</source>
        <comment>IDS_DRAW_BLOCKING_RULES_EDIT</comment>
        <extracomment>Follows the sentence why names cannot be drawn. %1: the rules and exclusions in the way, separated by semicolons</extracomment>
        <translation><byte value="xd"/>
<byte value="xd"/>
Przeszkadzają w tym zasady: %1. Zmień grupy, wykluczenia lub zasady (Wymiana &gt; Zasady) albo dodaj osoby, a potem losuj ponownie.</translation>
    </message>
    <message>
        <source>%1 drew %2, whom he never draws</source>
        <comment>IDS_CHECK_EXCLUDED</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the giver; %2: the person he drew</extracomment>
        <translation>%1 ma wylosowane imię %2, choć ta osoba jest wykluczona</translation>
    </message>
    <message numerus="yes">
        <source>%1 drew %2, whom he gave to in the last %3 exchanges</source>
        <comment>IDS_CHECK_HISTORY</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the giver; %2: the person he drew; %3: the number of exchanges</extracomment>
        <translation>
            <numerusform>%1 ma wylosowane imię %2, swojego odbiorcy z ostatniej %3 wymiany</numerusform>
            <numerusform>%1 ma wylosowane imię %2, swojego odbiorcy z ostatnich %3 wymian</numerusform>
            <numerusform>%1 ma wylosowane imię %2, swojego odbiorcy z ostatnich %3 wymian</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2 draw each other</source>
        <comment>IDS_CHECK_MUTUAL</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1 and %2: the two persons&apos; names</extracomment>
        <translation>%1 i %2 dają prezenty sobie nawzajem</translation>
    </message>
    <message>
        <source>the gifts do not go round in one single circle</source>
        <comment>IDS_CHECK_NOT_ONE_CIRCLE</comment>
        <translation>prezenty nie krążą w jednym zamkniętym kręgu</translation>
    </message>
    <message numerus="yes">
        <source>%1 more exclusions</source>
        <comment>IDS_EXCLUSIONS_MORE</comment>
        <extracomment>Ends the list of what blocks a drawing. %1: how many more exclusions there are</extracomment>
        <translation>
            <numerusform>jeszcze %1 wykluczenie</numerusform>
            <numerusform>jeszcze %1 wykluczenia</numerusform>
            <numerusform>jeszcze %1 wykluczeń</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 can only give to each other.</source>
        <comment>IDS_DRAW_EACH_OTHER</comment>
        <extracomment>Why names cannot be drawn. %1: the persons&apos; names</extracomment>
        <translation>%1 mogą dawać prezenty tylko sobie nawzajem.</translation>
    </message>
    <message>
        <source>%1 can only give to each other, and no way of doing so keeps every rule.</source>
        <comment>IDS_DRAW_EACH_OTHER_NO_WAY</comment>
        <extracomment>Why names cannot be drawn. %1: the persons&apos; names</extracomment>
        <translation>%1 mogą dawać prezenty tylko sobie nawzajem, a żaden taki układ nie spełnia wszystkich zasad.</translation>
    </message>
    <message>
        <source>No drawing of the whole list keeps every rule.</source>
        <comment>IDS_DRAW_NO_WAY</comment>
        <translation>Żadne losowanie całej listy nie spełnia wszystkich zasad.</translation>
    </message>
    <message>
        <source>No drawing that keeps every rule was found, and it could not be proven that none exists: the list is too large or too tightly bound to be searched through. Draw again to try once more, or relax a rule (Exchange &gt; Rules).</source>
        <comment>IDS_DRAW_GAVE_UP</comment>
        <translation>Nie znaleziono losowania spełniającego wszystkie zasady, ale nie udało się też wykazać, że takie nie istnieje: lista jest za duża albo zbyt ściśle ograniczona, by przeszukać ją w całości. Losuj ponownie, aby spróbować jeszcze raz, albo złagodź którąś zasadę (Wymiana &gt; Zasady).</translation>
    </message>
    <message>
        <source>The file holds data after its lists that Kivvo did not write; it is damaged.</source>
        <comment>IDS_ERR_EXT_FOREIGN</comment>
        <translation>Plik zawiera za listami dane, których nie zapisał Kivvo; plik jest uszkodzony.</translation>
    </message>
    <message>
        <source>The file&apos;s rules and exclusions are in format %1, which a newer version of Kivvo wrote; this version reads format %2.</source>
        <comment>IDS_ERR_EXT_NEWER</comment>
        <extracomment>Reason in a file error. %1: the file&apos;s format number; %2: the format number this version reads</extracomment>
        <translation>Zasady i wykluczenia w pliku są zapisane w formacie %1, pochodzącym z nowszej wersji Kivvo; ta wersja odczytuje format %2.</translation>
    </message>
    <message>
        <source>The file&apos;s rules and exclusions are damaged (in section %1).</source>
        <comment>IDS_ERR_EXT_DAMAGED</comment>
        <extracomment>Reason in a file error. %1: the number of the damaged section</extracomment>
        <translation>Zasady i wykluczenia w pliku są uszkodzone (w sekcji %1).</translation>
    </message>
    <message>
        <source>A person of the list has no name. Please name every person before drawing names: a person without a name can neither be drawn nor be told whom he drew.</source>
        <comment>IDS_NAME_EVERYBODY_FIRST</comment>
        <translation>Jedna z osób na liście nie ma imienia. Przed losowaniem nadaj imię każdej osobie: osoby bez imienia nie można wylosować ani powiadomić, kogo wylosowała.</translation>
    </message>
    <message>
        <source>Rules of the Drawing</source>
        <comment>IDS_RULES_TITLE</comment>
        <translation>Zasady losowania</translation>
    </message>
    <message>
        <source>&amp;Avoid the recipients of the last</source>
        <comment>IDS_RULES_HISTORY</comment>
        <translation>&amp;Pomijaj odbiorców z</translation>
    </message>
    <message>
        <source> exchanges</source>
        <comment>IDS_RULES_HISTORY_SUFFIX</comment>
        <translation> ostatnich wymian</translation>
    </message>
    <message>
        <source> exchange</source>
        <comment>IDS_RULES_HISTORY_SUFFIX_ONE</comment>
        <translation> ostatniej wymiany</translation>
    </message>
    <message>
        <source>it is not UTF-8 text; save it from the spreadsheet as CSV UTF-8</source>
        <comment>IDS_CSV_NOT_UTF8</comment>
        <translation>to nie jest tekst UTF-8; zapisz plik w arkuszu kalkulacyjnym jako CSV UTF-8</translation>
    </message>
    <message>
        <source>line %1 opens a quoted field that is never closed</source>
        <comment>IDS_CSV_OPEN_QUOTE</comment>
        <extracomment>Reason in the import error. %1: the line number in the CSV file</extracomment>
        <translation>w wierszu %1 pole w cudzysłowie nie zostało zamknięte</translation>
    </message>
    <message>
        <source>Cannot import participants from &quot;%1&quot;: %2.</source>
        <comment>IDS_IMPORT_UNREADABLE</comment>
        <extracomment>Import error (Import Participants window and kivvo-cli import). %1: the file&apos;s path; %2: the reason</extracomment>
        <translation>Nie można zaimportować uczestników z „%1”: %2.</translation>
    </message>
    <message>
        <source>line %1 has more than %2 fields (name, address, suggestions, group)</source>
        <comment>IDS_IMPORT_TOO_MANY_FIELDS</comment>
        <extracomment>Reason in the import error. %1: the line number in the CSV file; %2: the number of fields read</extracomment>
        <translation>wiersz %1 ma za dużo pól (najwyżej %2: imię, adres, pomysły na prezent, grupa)</translation>
    </message>
    <message>
        <source>line %1 holds a text longer than any Kivvo keeps</source>
        <comment>IDS_IMPORT_TOO_LONG</comment>
        <extracomment>Reason in the import error. %1: the line number in the file</extracomment>
        <translation>wiersz %1 zawiera tekst dłuższy, niż Kivvo może przechować</translation>
    </message>
    <message>
        <source>line %1 has no name</source>
        <comment>IDS_IMPORT_NO_NAME</comment>
        <extracomment>Reason in the import error. %1: the line number in the file</extracomment>
        <translation>wiersz %1 nie zawiera imienia</translation>
    </message>
    <message>
        <source>Already in the list, so not imported again: %1</source>
        <comment>IDS_IMPORT_DUPLICATES</comment>
        <extracomment>kivvo-cli import note on stderr. %1: the names left out, separated by commas</extracomment>
        <translation>Nie zaimportowano ponownie, bo są już na liście: %1</translation>
    </message>
    <message>
        <source>kivvo-cli: nobody new to import</source>
        <comment>IDS_IMPORT_NOTHING</comment>
        <translation>kivvo-cli: nie ma nikogo nowego do zaimportowania</translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 participants into &quot;%2&quot;</source>
        <comment>IDS_IMPORT_DONE</comment>
        <extracomment>kivvo-cli import output. %1: the number of participants; %2: the drawing&apos;s name</extracomment>
        <translation>
            <numerusform>Zaimportowano %1 uczestnika do „%2”</numerusform>
            <numerusform>Zaimportowano %1 uczestników do „%2”</numerusform>
            <numerusform>Zaimportowano %1 uczestników do „%2”</numerusform>
        </translation>
    </message>
    <message>
        <source>export needs --csv OUT, the file to write</source>
        <comment>IDS_EXPORT_NEEDS_CSV</comment>
        <translation>export wymaga --csv OUT, czyli pliku do zapisania</translation>
    </message>
    <message>
        <source>kivvo-cli: cannot write &quot;%1&quot;: %2</source>
        <comment>IDS_EXPORT_FAILED</comment>
        <extracomment>kivvo-cli export error on stderr. %1: the CSV file&apos;s path; %2: the reason</extracomment>
        <translation>kivvo-cli: nie można zapisać „%1”: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 persons written to &quot;%2&quot;</source>
        <comment>IDS_EXPORT_DONE</comment>
        <extracomment>kivvo-cli export output. %1: the number of persons; %2: the CSV file&apos;s path</extracomment>
        <translation>
            <numerusform>Zapisano %1 osobę w „%2”</numerusform>
            <numerusform>Zapisano %1 osoby w „%2”</numerusform>
            <numerusform>Zapisano %1 osób w „%2”</numerusform>
        </translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is taken already in this list, so the person is named &quot;%2&quot;.</source>
        <comment>IDS_NAME_MADE_UNIQUE</comment>
        <extracomment>Note (message box or kivvo-cli) when a name was taken. %1: the name asked for; %2: the name given instead</extracomment>
        <translation>Imię „%1” jest już zajęte na tej liście, więc osoba otrzymała imię „%2”.</translation>
    </message>
    <message>
        <source>move takes either --group GROUP or --top</source>
        <comment>IDS_MOVE_NEEDS_TARGET</comment>
        <translation>move przyjmuje --group GROUP albo --top</translation>
    </message>
    <message>
        <source>%1 moved into %2</source>
        <comment>IDS_MOVED_TO_GROUP</comment>
        <extracomment>kivvo-cli move output. %1: the person&apos;s name; %2: the group&apos;s name</extracomment>
        <translation>%1: przeniesiono do grupy %2</translation>
    </message>
    <message>
        <source>%1 moved out of his group</source>
        <comment>IDS_MOVED_TO_TOP</comment>
        <extracomment>kivvo-cli move output. %1: the person&apos;s name</extracomment>
        <translation>%1: przeniesiono poza grupę</translation>
    </message>
    <message>
        <source>0 (none)</source>
        <comment>IDS_RULES_HISTORY_NONE</comment>
        <translation>0 (żadnej)</translation>
    </message>
    <message>
        <source>Nobody draws a person he gave a gift to in that many earlier exchanges of this document: 1 is last time only, 0 lets anybody draw the same person again.</source>
        <comment>IDS_RULES_HISTORY_HELP</comment>
        <translation>Nikt nie losuje swojego odbiorcy z tylu ostatnich wymian tego dokumentu: 1 oznacza tylko poprzednią wymianę, 0 pozwala każdemu ponownie wylosować tę samą osobę.</translation>
    </message>
    <message>
        <source>&amp;No mutual pairs</source>
        <comment>IDS_RULES_NO_MUTUAL</comment>
        <translation>&amp;Bez wzajemnych par</translation>
    </message>
    <message>
        <source>Nobody draws the person who draws him: no two persons give to each other.</source>
        <comment>IDS_RULES_NO_MUTUAL_HELP</comment>
        <translation>Nikt nie losuje osoby, która losuje jego: żadne dwie osoby nie dają prezentów sobie nawzajem.</translation>
    </message>
    <message>
        <source>&amp;One circle</source>
        <comment>IDS_RULES_ONE_CIRCLE</comment>
        <translation>&amp;Jeden krąg</translation>
    </message>
    <message>
        <source>The gifts go round in one single circle (Ann to Bob, Bob to Cid, ... and back to Ann), so that they can be handed on in one chain.</source>
        <comment>IDS_RULES_ONE_CIRCLE_HELP</comment>
        <translation>Prezenty krążą w jednym zamkniętym kręgu (Ania daje Bartkowi, Bartek Czarkowi, ... i z powrotem Ani), więc można je przekazywać po kolei w jednym łańcuchu.</translation>
    </message>
    <message>
        <source>Who never draws whom is set for each person in his properties (Never draws).</source>
        <comment>IDS_RULES_EXCLUSIONS_HELP</comment>
        <translation>To, kogo dana osoba nigdy nie losuje, ustawia się w jej właściwościach (Nigdy nie losuje).</translation>
    </message>
    <message>
        <source>Ru&amp;les...</source>
        <comment>IDS_MENU_RULES</comment>
        <translation>&amp;Zasady...</translation>
    </message>
    <message>
        <source>Never draws (names, separated by commas):</source>
        <comment>IDS_PERSON_NEVER_DRAWS_LABEL</comment>
        <translation>Nigdy nie losuje (imiona oddzielone przecinkami):</translation>
    </message>
    <message>
        <source>&amp;Both ways: they never draw him either</source>
        <comment>IDS_PERSON_BOTH_WAYS</comment>
        <translation>&amp;W obie strony: te osoby też nigdy nie losują tej osoby</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is nobody of this list.</source>
        <comment>IDS_PERSON_UNKNOWN_NAME</comment>
        <extracomment>Error in the Person Properties window (Never draws). %1: the name as typed</extracomment>
        <translation>Na tej liście nie ma nikogo o imieniu „%1”.</translation>
    </message>
    <message>
        <source>Nobody draws himself anyway; leave out &quot;%1&quot;.</source>
        <comment>IDS_PERSON_SELF_EXCLUDED</comment>
        <extracomment>Error in the Person Properties window and kivvo-cli exclude. %1: the person&apos;s own name</extracomment>
        <translation>I tak nikt nie losuje samego siebie; usuń „%1”.</translation>
    </message>
    <message>
        <source>Never draws some persons of the list</source>
        <comment>IDS_TIP_HAS_EXCLUSIONS</comment>
        <translation>Nigdy nie losuje niektórych osób z listy</translation>
    </message>
    <message>
        <source>history: %1
no mutual pairs: %2
one circle: %3
</source>
        <comment>IDS_CLI_RULES</comment>
        <extracomment>kivvo-cli rules output. %1: the history rule; %2 and %3: on or off</extracomment>
        <translation>historia: %1
bez wzajemnych par: %2
jeden krąg: %3
</translation>
    </message>
    <message>
        <source>0 (the recipients of earlier exchanges may be drawn again)</source>
        <comment>IDS_CLI_HISTORY_NONE</comment>
        <translation>0 (odbiorców z wcześniejszych wymian można wylosować ponownie)</translation>
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
        <translation>wykluczenia w „%1”:
</translation>
    </message>
    <message>
        <source>no exclusions in &quot;%1&quot;
</source>
        <comment>IDS_CLI_NO_EXCLUSIONS</comment>
        <extracomment>kivvo-cli rules output. %1: the drawing&apos;s name</extracomment>
        <translation>brak wykluczeń w „%1”
</translation>
    </message>
    <message>
        <source>%1 may draw %2 again</source>
        <comment>IDS_CLI_EXCLUSION_REMOVED</comment>
        <extracomment>kivvo-cli exclude --remove output. %1: the giver; %2: the person he may draw again</extracomment>
        <translation>%1 może znów wylosować: %2</translation>
    </message>
    <message>
        <source>kivvo-cli: %1 is not kept from drawing %2</source>
        <comment>IDS_CLI_NO_SUCH_EXCLUSION</comment>
        <extracomment>kivvo-cli exclude --remove error on stderr. %1: the giver; %2: the other person</extracomment>
        <translation>kivvo-cli: nie ustawiono, że %1 nigdy nie losuje: %2</translation>
    </message>
    <message>
        <source>--%1 takes on or off, not &quot;%2&quot;</source>
        <comment>IDS_CLI_BAD_SWITCH</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the option without dashes; %2: the value given</extracomment>
        <translation>--%1 przyjmuje on albo off, a nie „%2”</translation>
    </message>
    <message>
        <source>--history takes a number from 0 to %1, or all, not &quot;%2&quot;</source>
        <comment>IDS_CLI_BAD_HISTORY</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the largest number allowed; %2: the value given</extracomment>
        <translation>--history przyjmuje liczbę od 0 do %1 albo all, a nie „%2”</translation>
    </message>
    <message>
        <source>kivvo-cli: %1 already never draws %2</source>
        <comment>IDS_CLI_EXCLUSION_KNOWN</comment>
        <extracomment>kivvo-cli exclude error on stderr. %1: the giver; %2: the person he never draws</extracomment>
        <translation>kivvo-cli: już ustawiono, że %1 nigdy nie losuje: %2</translation>
    </message>
    <message>
        <source>A person of the list has no name; name every person, then draw again.</source>
        <comment>IDS_DRAW_NAMELESS</comment>
        <translation>Jedna z osób na liście nie ma imienia; nadaj imię każdej osobie, a potem losuj ponownie.</translation>
    </message>
    <message>
        <source>cannot connect to %1 port %2: %3</source>
        <comment>IDS_SMTP_NO_CONNECTION</comment>
        <extracomment>Reason why mail failed. %1: the mail server&apos;s host name; %2: the port number; %3: the system&apos;s reason</extracomment>
        <translation>nie można połączyć się z %1 na porcie %2: %3</translation>
    </message>
    <message>
        <source>the server did not accept this program as a client: %1</source>
        <comment>IDS_SMTP_NO_GREETING</comment>
        <extracomment>Reason why mail failed. %1: the mail server&apos;s reply</extracomment>
        <translation>serwer nie przyjął tego programu jako klienta: %1</translation>
    </message>
    <message>
        <source>the encrypted connection (TLS) failed: %1</source>
        <comment>IDS_SMTP_TLS_FAILED</comment>
        <extracomment>Reason why mail failed. %1: the server&apos;s reply or the system&apos;s reason</extracomment>
        <translation>nie udało się nawiązać szyfrowanego połączenia (TLS): %1</translation>
    </message>
    <message>
        <source>the server offers no encryption (STARTTLS), and the password is only ever sent encrypted</source>
        <comment>IDS_SMTP_NO_TLS</comment>
        <translation>serwer nie oferuje szyfrowania (STARTTLS), a hasło jest wysyłane wyłącznie w postaci zaszyfrowanej</translation>
    </message>
    <message>
        <source>the server refused the login: %1; check the user name and the password</source>
        <comment>IDS_SMTP_LOGIN_REFUSED</comment>
        <extracomment>Reason why mail failed. %1: the mail server&apos;s reply</extracomment>
        <translation>serwer odrzucił logowanie: %1; sprawdź nazwę użytkownika i hasło</translation>
    </message>
    <message>
        <source>the server offers no login method this program knows (PLAIN or LOGIN)</source>
        <comment>IDS_SMTP_NO_LOGIN_METHOD</comment>
        <translation>serwer nie oferuje żadnej metody logowania znanej temu programowi (PLAIN lub LOGIN)</translation>
    </message>
    <message>
        <source>the server wants a login: %1; enter the user name and the password</source>
        <comment>IDS_SMTP_LOGIN_REQUIRED</comment>
        <extracomment>Reason why mail failed. %1: the mail server&apos;s reply</extracomment>
        <translation>serwer wymaga zalogowania: %1; wpisz nazwę użytkownika i hasło</translation>
    </message>
    <message>
        <source>the server refused the sender address %1: %2</source>
        <comment>IDS_SMTP_SENDER_REFUSED</comment>
        <extracomment>Reason why mail failed. %1: the sender address; %2: the mail server&apos;s reply</extracomment>
        <translation>serwer odrzucił adres nadawcy %1: %2</translation>
    </message>
    <message>
        <source>the server refused the address %1: %2</source>
        <comment>IDS_SMTP_RECIPIENT_REFUSED</comment>
        <extracomment>Reason why an e-mail failed. %1: the recipient&apos;s address; %2: the mail server&apos;s reply</extracomment>
        <translation>serwer odrzucił adres %1: %2</translation>
    </message>
    <message>
        <source>the server refused the message: %1</source>
        <comment>IDS_SMTP_MESSAGE_REFUSED</comment>
        <extracomment>Reason why an e-mail failed. %1: the mail server&apos;s reply</extracomment>
        <translation>serwer odrzucił wiadomość: %1</translation>
    </message>
    <message numerus="yes">
        <source>the server did not answer within %1 seconds</source>
        <comment>IDS_SMTP_TIMED_OUT</comment>
        <extracomment>Reason why mail failed. %1: the number of seconds waited</extracomment>
        <translation>
            <numerusform>serwer nie odpowiedział w ciągu %1 sekundy</numerusform>
            <numerusform>serwer nie odpowiedział w ciągu %1 sekund</numerusform>
            <numerusform>serwer nie odpowiedział w ciągu %1 sekund</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the server did not confirm the message within %1 seconds; it may have arrived, so it is not sent again</source>
        <comment>IDS_SMTP_UNCONFIRMED</comment>
        <extracomment>Reason why an e-mail may have failed. %1: the number of seconds waited</extracomment>
        <translation>
            <numerusform>serwer nie potwierdził wiadomości w ciągu %1 sekundy; mogła ona dotrzeć, więc nie zostanie wysłana ponownie</numerusform>
            <numerusform>serwer nie potwierdził wiadomości w ciągu %1 sekund; mogła ona dotrzeć, więc nie zostanie wysłana ponownie</numerusform>
            <numerusform>serwer nie potwierdził wiadomości w ciągu %1 sekund; mogła ona dotrzeć, więc nie zostanie wysłana ponownie</numerusform>
        </translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <comment>IDS_SMTP_LOST</comment>
        <translation>serwer zamknął połączenie</translation>
    </message>
    <message>
        <source>the server closed the connection before it confirmed the message; it may have arrived, so it is not sent again</source>
        <comment>IDS_SMTP_LOST_UNCONFIRMED</comment>
        <translation>serwer zamknął połączenie, zanim potwierdził wiadomość; mogła ona dotrzeć, więc nie zostanie wysłana ponownie</translation>
    </message>
    <message>
        <source>sending was stopped</source>
        <comment>IDS_SMTP_CANCELLED</comment>
        <translation>wysyłanie zostało przerwane</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an e-mail address</source>
        <comment>IDS_SMTP_BAD_ADDRESS</comment>
        <extracomment>Reason why an e-mail failed. %1: the address as entered</extracomment>
        <translation>„%1” nie jest adresem e-mail</translation>
    </message>
    <message>
        <source>no e-mail address: &quot;%1&quot; is not in the address book</source>
        <comment>IDS_SMTP_NO_ADDRESS</comment>
        <extracomment>Reason why an e-mail failed. %1: the address-book name entered for the person</extracomment>
        <translation>brak adresu e-mail: „%1” nie występuje w książce adresowej</translation>
    </message>
    <message>
        <source>Skipped [%1]: no email address</source>
        <comment>IDS_SEND_SKIPPED</comment>
        <extracomment>Line of the sending window and of kivvo-cli send. %1: the participant&apos;s name</extracomment>
        <translation>Pominięto [%1]: brak adresu e-mail</translation>
    </message>
    <message>
        <source>Not sent to [%1] email address [%2]</source>
        <comment>IDS_SEND_NOT_SENT</comment>
        <extracomment>Line of the sending window and of kivvo-cli send after sending stopped. %1: the participant&apos;s name; %2: his e-mail address</extracomment>
        <translation>Nie wysłano do [%1] na adres [%2]</translation>
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
        <translation>Serwer poczty %1 odrzucił adres nadawcy.<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Popraw adres nadawcy (Ustawienia &gt; Konfiguruj albo kivvo-cli config). Nic więcej nie zostało wysłane.</translation>
    </message>
    <message>
        <source>Sending stopped; nothing more was sent.</source>
        <comment>IDS_SEND_STOPPED</comment>
        <translation>Wysyłanie przerwane; nic więcej nie zostało wysłane.</translation>
    </message>
    <message>
        <source>E-mails are still being sent. Stop sending and close?<byte value="xd"/>
<byte value="xd"/>
Whoever has not been sent his e-mail yet gets none.</source>
        <comment>IDS_ASK_STOP_SENDING</comment>
        <translation>E-maile są nadal wysyłane. Przerwać wysyłanie i zamknąć?<byte value="xd"/>
<byte value="xd"/>
Osoby, do których e-mail nie został jeszcze wysłany, już go nie dostaną.</translation>
    </message>
    <message>
        <source>Sending Emails</source>
        <comment>IDS_SEND_TITLE</comment>
        <translation>Wysyłanie e-maili</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>IDS_SEND_CANCEL</comment>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Send again to those that failed</source>
        <comment>IDS_SEND_RETRY</comment>
        <translation>Wyślij ponownie nieudane</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>IDS_SEND_CLOSE</comment>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Sending %1 of %2...</source>
        <comment>IDS_SEND_RUNNING</comment>
        <extracomment>Status line of the sending window. %1: the number of the e-mail being sent; %2: how many there are</extracomment>
        <translation>Wysyłanie %1 z %2...</translation>
    </message>
    <message>
        <source>Stopping after the message being sent...</source>
        <comment>IDS_SEND_CANCELLING</comment>
        <translation>Zatrzymywanie po wysłaniu bieżącej wiadomości...</translation>
    </message>
    <message>
        <source>%1: waiting</source>
        <comment>IDS_SEND_WAITING</comment>
        <extracomment>Line of the sending window. %1: the participant&apos;s name</extracomment>
        <translation>%1: oczekuje</translation>
    </message>
    <message>
        <source>it is not a vCard file</source>
        <comment>IDS_CONTACTS_NOT_VCARD</comment>
        <translation>to nie jest plik vCard</translation>
    </message>
    <message>
        <source>Enter the name of the mail server, such as smtp.example.org.</source>
        <comment>IDS_SETTINGS_BAD_SERVER</comment>
        <translation>Wpisz nazwę serwera poczty, np. smtp.example.org.</translation>
    </message>
    <message>
        <source>The port is a number from 1 to 65535, most often 587 or 465.</source>
        <comment>IDS_SETTINGS_BAD_PORT</comment>
        <translation>Port to liczba od 1 do 65535, najczęściej 587 lub 465.</translation>
    </message>
    <message>
        <source>Enter one e-mail address, such as you@example.org or Your Name &lt;you@example.org&gt;.</source>
        <comment>IDS_SETTINGS_BAD_FROM</comment>
        <translation>Wpisz jeden adres e-mail, np. jan@example.org lub Jan Kowalski &lt;jan@example.org&gt;.</translation>
    </message>
    <message>
        <source>Mail Settings</source>
        <comment>IDS_SETTINGS_TITLE</comment>
        <translation>Ustawienia poczty</translation>
    </message>
    <message>
        <source>Mail server (SMTP):</source>
        <comment>IDS_SETTINGS_SERVER</comment>
        <translation>Serwer poczty (SMTP):</translation>
    </message>
    <message>
        <source>Port:</source>
        <comment>IDS_SETTINGS_PORT</comment>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Sender address:</source>
        <comment>IDS_SETTINGS_FROM</comment>
        <translation>Adres nadawcy:</translation>
    </message>
    <message>
        <source>User name:</source>
        <comment>IDS_SETTINGS_USER</comment>
        <translation>Nazwa użytkownika:</translation>
    </message>
    <message>
        <source>Password:</source>
        <comment>IDS_SETTINGS_PASSWORD</comment>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>Show password</source>
        <comment>IDS_SETTINGS_SHOW_PASSWORD</comment>
        <translation>Pokaż hasło</translation>
    </message>
    <message>
        <source>Footer of every e-mail:</source>
        <comment>IDS_SETTINGS_FOOTER</comment>
        <translation>Stopka każdego e-maila:</translation>
    </message>
    <message>
        <source>Send test mail</source>
        <comment>IDS_SETTINGS_TEST</comment>
        <translation>Wyślij wiadomość testową</translation>
    </message>
    <message>
        <source>Sending a test mail to %1...</source>
        <comment>IDS_SETTINGS_TESTING</comment>
        <extracomment>Mail Settings window, while the test mail is sent. %1: the address it goes to</extracomment>
        <translation>Wysyłanie wiadomości testowej do %1...</translation>
    </message>
    <message>
        <source>A test mail was sent to %1.</source>
        <comment>IDS_SETTINGS_TEST_SENT</comment>
        <extracomment>Mail Settings window. %1: the address the test mail went to</extracomment>
        <translation>Wiadomość testowa została wysłana do %1.</translation>
    </message>
    <message>
        <source>The test mail could not be sent: %1</source>
        <comment>IDS_SETTINGS_TEST_FAILED</comment>
        <extracomment>Mail Settings window. %1: the reason</extracomment>
        <translation>Nie udało się wysłać wiadomości testowej: %1</translation>
    </message>
    <message>
        <source>Kivvo test mail</source>
        <comment>IDS_TEST_MAIL_SUBJECT</comment>
        <translation>Wiadomość testowa Kivvo</translation>
    </message>
    <message>
        <source>This test mail shows that Kivvo can send the name drawing&apos;s e-mails with these settings.<byte value="xd"/>
</source>
        <comment>IDS_TEST_MAIL_BODY</comment>
        <translation>Ta wiadomość testowa pokazuje, że przy tych ustawieniach Kivvo może wysyłać e-maile z losowania.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Cannot save the settings file &quot;%1&quot;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The new settings are used until the program ends.</source>
        <comment>IDS_SETTINGS_SAVE_ERROR</comment>
        <extracomment>Message box when the mail settings cannot be saved. %1: the settings file&apos;s path; %2: the reason</extracomment>
        <translation>Nie można zapisać pliku ustawień „%1”:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Nowe ustawienia będą obowiązywać do zamknięcia programu.</translation>
    </message>
    <message>
        <source>The password is kept in the desktop&apos;s keyring.</source>
        <comment>IDS_PASSWORD_IN_KEYRING</comment>
        <translation>Hasło jest przechowywane w systemowym magazynie haseł.</translation>
    </message>
    <message>
        <source>No keyring is running: the password is kept in the settings file %1, which only you can read.</source>
        <comment>IDS_PASSWORD_IN_FILE</comment>
        <extracomment>Mail Settings window and kivvo-cli config output. %1: the settings file&apos;s path</extracomment>
        <translation>Żaden magazyn haseł nie jest uruchomiony: hasło jest przechowywane w pliku ustawień %1, który możesz odczytać tylko ty.</translation>
    </message>
    <message>
        <source>not set</source>
        <comment>IDS_PASSWORD_NONE</comment>
        <translation>nie ustawiono</translation>
    </message>
    <message>
        <source>kivvo-cli: --%1: %2 Nothing was saved.</source>
        <comment>IDS_CLI_BAD_SETTING</comment>
        <extracomment>kivvo-cli config error on stderr. %1: the option without dashes; %2: what is wrong, a whole sentence</extracomment>
        <translation>kivvo-cli: --%1: %2 Niczego nie zapisano.</translation>
    </message>
    <message>
        <source>Password: </source>
        <comment>IDS_CLI_PASSWORD_PROMPT</comment>
        <translation>Hasło: </translation>
    </message>
    <message>
        <source>--password without a value asks on a terminal; without one, give it with --password-stdin</source>
        <comment>IDS_CLI_NO_TERMINAL</comment>
        <translation>--password bez wartości pyta o hasło w terminalu; bez terminala podaj hasło przez --password-stdin</translation>
    </message>
    <message>
        <source>set</source>
        <comment>IDS_CLI_PASSWORD_SET</comment>
        <translation>ustawiono</translation>
    </message>
    <message>
        <source>sending was stopped before the server confirmed the message; it may have arrived</source>
        <comment>IDS_SMTP_STOPPED_UNCONFIRMED</comment>
        <translation>wysyłanie przerwano, zanim serwer potwierdził wiadomość; mogła ona dotrzeć</translation>
    </message>
    <message>
        <source>Stop now</source>
        <comment>IDS_SEND_STOP_NOW</comment>
        <translation>Zatrzymaj teraz</translation>
    </message>
    <message>
        <source>the server&apos;s reply was longer than any mail server&apos;s (more than 4096 characters in a line, or more than 256 lines); the connection was closed</source>
        <comment>IDS_SMTP_REPLY_TOO_LONG</comment>
        <translation>odpowiedź serwera była dłuższa niż u jakiegokolwiek serwera poczty (ponad 4096 znaków w wierszu lub ponad 256 wierszy); połączenie zostało zamknięte</translation>
    </message>
    <message>
        <source>the server sent more than its go-ahead for encryption (STARTTLS) before encryption began; somebody between this computer and the server may be tampering with the connection, so it was closed</source>
        <comment>IDS_SMTP_TLS_INJECTION</comment>
        <translation>przed rozpoczęciem szyfrowania serwer wysłał coś więcej niż zgodę na szyfrowanie (STARTTLS); ktoś między tym komputerem a serwerem może ingerować w połączenie, więc zostało ono zamknięte</translation>
    </message>
    <message>
        <source>the server cannot take the message now: %1; try again later</source>
        <comment>IDS_SMTP_TRY_LATER</comment>
        <extracomment>Reason why an e-mail failed. %1: the mail server&apos;s reply</extracomment>
        <translation>serwer nie może teraz przyjąć wiadomości: %1; spróbuj ponownie później</translation>
    </message>
    <message>
        <source>the server&apos;s confirmation of the message was longer than any mail server&apos;s; it may have arrived, so it is not sent again</source>
        <comment>IDS_SMTP_TOO_LONG_UNCONFIRMED</comment>
        <translation>potwierdzenie wiadomości przez serwer było dłuższe niż u jakiegokolwiek serwera poczty; wiadomość mogła dotrzeć, więc nie zostanie wysłana ponownie</translation>
    </message>
    <message>
        <source>The mail server %1 stopped answering.<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Nothing more was sent. Try again later.</source>
        <comment>IDS_SEND_SERVER_SILENT</comment>
        <extracomment>Shown in the sending window and by kivvo-cli send. %1: the mail server as host:port; %2: the reason</extracomment>
        <translation>Serwer poczty %1 przestał odpowiadać.<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Nic więcej nie zostało wysłane. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>not sent, since the mail server could not go on: %1</source>
        <comment>IDS_SEND_SERVER_STOPPED</comment>
        <extracomment>Reason in a line of the sending window, for e-mails not sent. %1: why the server stopped</extracomment>
        <translation>nie wysłano, ponieważ serwer poczty nie mógł kontynuować: %1</translation>
    </message>
    <message>
        <source>The e-mail to %1 (%2) may have arrived already: %3.<byte value="xd"/>
<byte value="xd"/>
Send it again anyway? If it did arrive, the recipient gets two copies.</source>
        <comment>IDS_ASK_SEND_AGAIN</comment>
        <extracomment>Question in the sending window before sending again. %1: the participant&apos;s name; %2: his e-mail address; %3: the reason</extracomment>
        <translation>Wiadomość do: %1 (%2) mogła już dotrzeć: %3.<byte value="xd"/>
<byte value="xd"/>
Wysłać ją mimo to ponownie? Jeśli dotarła, odbiorca dostanie dwie kopie.</translation>
    </message>
    <message>
        <source>kivvo-cli: warning: a password given as --password VALUE can be seen by other users in the process list; give it with --password-stdin instead, or with --password alone to be asked for it</source>
        <comment>IDS_CLI_PASSWORD_VISIBLE</comment>
        <translation>kivvo-cli: uwaga: hasło podane jako --password VALUE mogą zobaczyć inni użytkownicy na liście procesów; podaj je przez --password-stdin albo użyj samego --password, aby program o nie zapytał</translation>
    </message>
    <message>
        <source>the settings file there cannot be read (%1); it is left as it is rather than replaced by settings that never saw what it holds. Make it readable or remove it, then try again</source>
        <comment>IDS_SETTINGS_NOT_REPLACED</comment>
        <extracomment>Reason why the settings were not saved. %1: why the settings file there cannot be read</extracomment>
        <translation>nie można odczytać istniejącego tam pliku ustawień (%1); pozostaje on bez zmian, zamiast zostać zastąpiony ustawieniami, które nie uwzględniają jego zawartości. Udostępnij go do odczytu albo usuń, a potem spróbuj ponownie</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being changed by another program (lock file &quot;%2&quot;), so it was not saved. Try again in a moment.</source>
        <comment>IDS_DOC_LOCKED</comment>
        <extracomment>Message box when a document cannot be saved. %1: the document&apos;s path; %2: the lock file&apos;s path</extracomment>
        <translation>Dokument „%1” jest właśnie zmieniany przez inny program (plik blokady „%2”), więc nie został zapisany. Spróbuj ponownie za chwilę.</translation>
    </message>
    <message>
        <source>cannot create the lock file &quot;%1&quot; beside it: %2</source>
        <comment>IDS_LOCK_NOT_MADE</comment>
        <extracomment>Reason in the save error. %1: the lock file&apos;s path; %2: the system&apos;s reason</extracomment>
        <translation>nie można utworzyć pliku blokady „%1” obok dokumentu: %2</translation>
    </message>
    <message>
        <source>it would take %1 bytes, more than the %2 bytes of the largest file this program opens; nothing was written. Remove drawings or shorten texts, then save again</source>
        <comment>IDS_ERR_SAVE_TOO_LARGE</comment>
        <extracomment>Reason in the save error. %1: the size in bytes; %2: the largest size allowed</extracomment>
        <translation>plik zająłby %1 B, a największy plik, jaki ten program otwiera, może mieć %2 B; niczego nie zapisano. Usuń losowania albo skróć teksty i zapisz ponownie</translation>
    </message>
    <message>
        <source>it holds more than %1 persons and groups, more than this program opens</source>
        <comment>IDS_ERR_TOO_MANY_ENTRIES</comment>
        <extracomment>Reason in a file error. %1: the largest number of persons and groups</extracomment>
        <translation>zawiera więcej osób i grup, niż ten program otwiera (najwyżej %1)</translation>
    </message>
    <message>
        <source>the file was written, but its folder could not be synced to disk: %1</source>
        <comment>IDS_ERR_FOLDER_SYNC</comment>
        <extracomment>Reason in the save error. %1: the system&apos;s reason</extracomment>
        <translation>plik został zapisany, ale nie udało się zsynchronizować jego folderu z dyskiem: %1</translation>
    </message>
    <message>
        <source>Waiting for the desktop&apos;s keyring: it asks for its password (to unlock it, or for a new keyring). Answer it to go on.</source>
        <comment>IDS_KEYRING_WAITING</comment>
        <translation>Oczekiwanie na systemowy magazyn haseł, który prosi o podanie hasła (aby go odblokować lub utworzyć nowy magazyn). Wpisz je, aby kontynuować.</translation>
    </message>
    <message>
        <source>The desktop&apos;s keyring does not answer (%1). Kivvo goes on without it: the mail password is taken from and kept in the settings file %2, which only you can read.</source>
        <comment>IDS_KEYRING_SILENT</comment>
        <extracomment>Warning when the keyring cannot be used. %1: the reason; %2: the settings file&apos;s path</extracomment>
        <translation>Systemowy magazyn haseł nie odpowiada (%1). Kivvo działa dalej bez niego: hasło do poczty jest odczytywane z pliku ustawień %2 i w nim przechowywane, a plik ten możesz odczytać tylko ty.</translation>
    </message>
    <message numerus="yes">
        <source>no answer within %1 seconds</source>
        <comment>IDS_KEYRING_NO_ANSWER</comment>
        <extracomment>Reason why the keyring cannot be used. %1: the number of seconds waited</extracomment>
        <translation>
            <numerusform>brak odpowiedzi w ciągu %1 sekundy</numerusform>
            <numerusform>brak odpowiedzi w ciągu %1 sekund</numerusform>
            <numerusform>brak odpowiedzi w ciągu %1 sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>Draw names — %1</source>
        <comment>IDS_DRAWNAMES_TITLE</comment>
        <extracomment>Title of the Draw names window. %1: the drawing&apos;s name</extracomment>
        <translation>Losowanie imion — %1</translation>
    </message>
    <message>
        <source>View notifications — %1</source>
        <comment>IDS_SHOWNAMES_TITLE</comment>
        <extracomment>Title of the View notifications window. %1: the drawing&apos;s name</extracomment>
        <translation>Powiadomienia — %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 participants have not seen their name yet. End the round?</source>
        <comment>IDS_ASK_END_ROUND</comment>
        <extracomment>Question when closing the Draw names window early. %1: the number of participants</extracomment>
        <translation>
            <numerusform>%1 uczestnik nie zna jeszcze wylosowanego imienia. Zakończyć rundę?</numerusform>
            <numerusform>%1 uczestników nie zna jeszcze wylosowanego imienia. Zakończyć rundę?</numerusform>
            <numerusform>%1 uczestników nie zna jeszcze wylosowanego imienia. Zakończyć rundę?</numerusform>
        </translation>
    </message>
    <message>
        <source>1 participant has not seen his name yet. End the round?</source>
        <comment>IDS_ASK_END_ROUND_ONE</comment>
        <translation>1 uczestnik nie zna jeszcze wylosowanego imienia. Zakończyć rundę?</translation>
    </message>
    <message>
        <source>This shows every participant&apos;s drawn name to whoever is at the screen.<byte value="xd"/>
<byte value="xd"/>
Show the drawn names now?</source>
        <comment>IDS_ASK_VIEW_NOTIFICATIONS</comment>
        <translation>Wylosowane imiona wszystkich uczestników zobaczy każdy, kto jest przy ekranie.<byte value="xd"/>
<byte value="xd"/>
Pokazać teraz wylosowane imiona?</translation>
    </message>
    <message>
        <source>Previous participant</source>
        <comment>IDS_ACC_PREVIOUS</comment>
        <translation>Poprzedni uczestnik</translation>
    </message>
    <message>
        <source>Next participant</source>
        <comment>IDS_ACC_NEXT</comment>
        <translation>Następny uczestnik</translation>
    </message>
    <message>
        <source>Drawn name</source>
        <comment>IDS_ACC_REVEALED_TEXT</comment>
        <translation>Wylosowane imię</translation>
    </message>
    <message>
        <source>Done: hide the name again</source>
        <comment>IDS_ACC_DONE</comment>
        <translation>Gotowe: ukryj ponownie imię</translation>
    </message>
    <message>
        <source>OK: end the round</source>
        <comment>IDS_ACC_END_ROUND</comment>
        <translation>OK: zakończ rundę</translation>
    </message>
    <message>
        <source>hidden</source>
        <comment>IDS_ACC_NAME_HIDDEN</comment>
        <translation>ukryte</translation>
    </message>
    <message>
        <source>Send email now to all participants of the newest list, &quot;%1&quot;, with email addresses entered.<byte value="xd"/>
<byte value="xd"/>
The list shown, &quot;%2&quot;, is an older one: its drawing is not sent.</source>
        <comment>IDS_ASK_SEND_NEWEST</comment>
        <extracomment>Question before sending when an older list is shown. %1: the newest list&apos;s name; %2: the shown list&apos;s name</extracomment>
        <translation>E-maile zostaną teraz wysłane do wszystkich uczestników najnowszej listy, „%1”, którzy mają wpisany adres e-mail.<byte value="xd"/>
<byte value="xd"/>
Wyświetlana lista, „%2”, jest starsza: jej losowanie nie zostanie wysłane.</translation>
    </message>
    <message>
        <source>Send %1 the name drawn in the newest list, &quot;%2&quot;?<byte value="xd"/>
<byte value="xd"/>
The list shown, &quot;%3&quot;, is an older one: its drawing is not sent.</source>
        <comment>IDS_ASK_SEND_ONE_NEWEST</comment>
        <extracomment>Question before sending to one person when an older list is shown. %1: the person&apos;s name; %2: the newest list&apos;s name; %3: the shown list&apos;s name</extracomment>
        <translation>Wysłać imię wylosowane na najnowszej liście, „%2”, do: %1?<byte value="xd"/>
<byte value="xd"/>
Wyświetlana lista, „%3”, jest starsza: jej losowanie nie zostanie wysłane.</translation>
    </message>
    <message>
        <source>%1 is not in the newest list, &quot;%2&quot;; nothing was sent.</source>
        <comment>IDS_NOT_IN_NEWEST</comment>
        <extracomment>Message box when sending to one person. %1: the person&apos;s name; %2: the newest list&apos;s name</extracomment>
        <translation>%1 nie występuje na najnowszej liście, „%2”; niczego nie wysłano.</translation>
    </message>
    <message>
        <source>The e-mails of the newest list are being sent. Wait until sending has ended, or cancel it, before you draw again or change the newest list.</source>
        <comment>IDS_BUSY_SENDING</comment>
        <translation>Trwa wysyłanie e-maili z najnowszej listy. Zanim znów wylosujesz imiona albo zmienisz najnowszą listę, poczekaj na koniec wysyłania lub je anuluj.</translation>
    </message>
    <message>
        <source>The names have been drawn again since these e-mails were sent.<byte value="xd"/>
<byte value="xd"/>
Sending again would mix two drawings. Send the new drawing to everybody with Send Emails.</source>
        <comment>IDS_RETRY_REDRAWN</comment>
        <translation>Od wysłania tych e-maili imiona zostały wylosowane ponownie.<byte value="xd"/>
<byte value="xd"/>
Ponowne wysłanie pomieszałoby dwa losowania. Wyślij wszystkim nowe losowanie poleceniem „Wyślij e-maile”.</translation>
    </message>
    <message>
        <source>%1 has no e-mail address in the newest list, &quot;%2&quot;; nothing was sent.</source>
        <comment>IDS_NO_ADDRESS_NEWEST</comment>
        <extracomment>Message box when sending to one person. %1: the person&apos;s name; %2: the newest list&apos;s name</extracomment>
        <translation>%1 nie ma adresu e-mail na najnowszej liście, „%2”; niczego nie wysłano.</translation>
    </message>
    <message>
        <source>Print &amp;Cards...</source>
        <comment>IDS_MENU_PRINT_CARDS</comment>
        <translation>Drukuj ka&amp;rty...</translation>
    </message>
    <message>
        <source>For %1</source>
        <comment>IDS_CARD_FOR</comment>
        <extracomment>Printed card, outside, in large type. %1: the giver&apos;s name</extracomment>
        <translation>Dla: %1</translation>
    </message>
    <message>
        <source>Fold the flap up along the dashed line. Open it only when you are alone.</source>
        <comment>IDS_CARD_FOLD_HINT</comment>
        <translation>Zegnij klapkę do góry wzdłuż przerywanej linii. Otwórz ją dopiero wtedy, gdy nikt nie patrzy.</translation>
    </message>
    <message>
        <source>%1 gives a gift to</source>
        <comment>IDS_CARD_GIVES_TO</comment>
        <extracomment>Printed card, inside, above the drawn name. %1: the giver&apos;s name</extracomment>
        <translation>%1 kupuje prezent dla:</translation>
    </message>
    <message>
        <source>Suggestions: %1</source>
        <comment>IDS_CARD_SUGGESTIONS</comment>
        <extracomment>Printed card. %1: the drawn person&apos;s gift suggestions</extracomment>
        <translation>Pomysły na prezent: %1</translation>
    </message>
    <message>
        <source>fold up</source>
        <comment>IDS_CARD_FLAP</comment>
        <translation>zegnij do góry</translation>
    </message>
    <message>
        <source>kivvo-cli: cannot write the cards to &quot;%1&quot;: %2</source>
        <comment>IDS_CARDS_WRITE_ERROR</comment>
        <extracomment>kivvo-cli cards error on stderr. %1: the PDF file&apos;s path; %2: the reason</extracomment>
        <translation>kivvo-cli: nie można zapisać kart w „%1”: %2</translation>
    </message>
    <message>
        <source>Print Cards — %1</source>
        <comment>IDS_CARDS_PRINT_TITLE</comment>
        <extracomment>Title of the print dialog and of the PDF. %1: the drawing&apos;s name</extracomment>
        <translation>Drukuj karty — %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 cards of &quot;%2&quot; written to &quot;%3&quot;</source>
        <comment>IDS_CLI_CARDS_WRITTEN</comment>
        <extracomment>kivvo-cli cards output. %1: the number of cards; %2: the drawing&apos;s name; %3: the PDF file&apos;s path</extracomment>
        <translation>
            <numerusform>%1 karta z „%2” zapisana w „%3”</numerusform>
            <numerusform>%1 karty z „%2” zapisane w „%3”</numerusform>
            <numerusform>%1 kart z „%2” zapisano w „%3”</numerusform>
        </translation>
    </message>
    <message>
        <source>The newest list has nobody to print a card for.</source>
        <comment>IDS_CARDS_NOBODY</comment>
        <translation>Na najnowszej liście nie ma nikogo, dla kogo można wydrukować kartę.</translation>
    </message>
    <message>
        <source>Print cards for those without an address</source>
        <comment>IDS_SEND_PRINT_SKIPPED</comment>
        <translation>Drukuj karty dla osób bez adresu</translation>
    </message>
    <message>
        <source>The cards could not be printed: %1</source>
        <comment>IDS_CARDS_PRINT_ERROR</comment>
        <extracomment>Message box when printing cards fails. %1: the reason</extracomment>
        <translation>Nie udało się wydrukować kart: %1</translation>
    </message>
    <message>
        <source>the printer or the file could not be written</source>
        <comment>IDS_CARDS_NO_DEVICE</comment>
        <translation>nie udało się zapisać do drukarki ani do pliku</translation>
    </message>
    <message>
        <source>a new page could not be started</source>
        <comment>IDS_CARDS_NO_PAGE</comment>
        <translation>nie udało się rozpocząć nowej strony</translation>
    </message>
    <message>
        <source>Cards %1</source>
        <comment>IDS_CARDS_DOC_NAME</comment>
        <extracomment>Name of the print job. %1: the drawing&apos;s name</extracomment>
        <translation>Karty %1</translation>
    </message>
    <message>
        <source>1 card of &quot;%1&quot; written to &quot;%2&quot;</source>
        <comment>IDS_CLI_CARD_WRITTEN</comment>
        <extracomment>kivvo-cli cards output. %1: the drawing&apos;s name; %2: the PDF file&apos;s path</extracomment>
        <translation>1 karta z „%1” zapisana w „%2”</translation>
    </message>
    <message numerus="yes">
        <source>%1 cards sent to the printer.</source>
        <comment>IDS_CARDS_PRINTED</comment>
        <extracomment>Note after printing cards. %1: the number of cards</extracomment>
        <translation>
            <numerusform>Wysłano %1 kartę do drukarki.</numerusform>
            <numerusform>Wysłano %1 karty do drukarki.</numerusform>
            <numerusform>Wysłano %1 kart do drukarki.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>IDS_MENU_UNDO</comment>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <comment>IDS_MENU_REDO</comment>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <comment>IDS_MENU_UNDO_WHAT</comment>
        <extracomment>Edit menu item. %1: the step to undo, such as Add Person</extracomment>
        <translation>&amp;Cofnij: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <comment>IDS_MENU_REDO_WHAT</comment>
        <extracomment>Edit menu item. %1: the step to redo, such as Add Person</extracomment>
        <translation>&amp;Ponów: %1</translation>
    </message>
    <message>
        <source>Add Person</source>
        <comment>IDS_EDIT_ADD_PERSON</comment>
        <translation>dodanie osoby</translation>
    </message>
    <message>
        <source>Add Group</source>
        <comment>IDS_EDIT_ADD_GROUP</comment>
        <translation>dodanie grupy</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>IDS_EDIT_DELETE</comment>
        <translation>usunięcie</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment>IDS_EDIT_RENAME</comment>
        <translation>zmiana nazwy</translation>
    </message>
    <message>
        <source>Person Properties</source>
        <comment>IDS_EDIT_PROPERTIES</comment>
        <translation>zmiana właściwości osoby</translation>
    </message>
    <message>
        <source>Move to Group</source>
        <comment>IDS_EDIT_MOVE</comment>
        <translation>przeniesienie do grupy</translation>
    </message>
    <message>
        <source>Rules</source>
        <comment>IDS_EDIT_RULES</comment>
        <translation>zmiana zasad</translation>
    </message>
    <message>
        <source>Draw Names</source>
        <comment>IDS_EDIT_DRAW</comment>
        <translation>losowanie imion</translation>
    </message>
    <message>
        <source>Copy for Next Exchange</source>
        <comment>IDS_EDIT_COPY</comment>
        <translation>kopiowanie na następną wymianę</translation>
    </message>
    <message>
        <source>Import Participants</source>
        <comment>IDS_EDIT_IMPORT</comment>
        <translation>import uczestników</translation>
    </message>
    <message>
        <source>&amp;Move to Group</source>
        <comment>IDS_MENU_MOVE_TO_GROUP</comment>
        <translation>Przen&amp;ieś do grupy</translation>
    </message>
    <message>
        <source>No group</source>
        <comment>IDS_MENU_NO_GROUP</comment>
        <translation>Bez grupy</translation>
    </message>
    <message>
        <source>%1 — a past exchange; its drawing keeps anyone from drawing the same person again. Only its name can be changed.</source>
        <comment>IDS_HISTORY_NOTE</comment>
        <extracomment>Main window note on a past exchange, and message box when changing it. %1: the list&apos;s name</extracomment>
        <translation>%1 — wcześniejsza wymiana; jej losowanie sprawia, że nikt nie wylosuje ponownie tej samej osoby. Można zmienić tylko jej nazwę.</translation>
    </message>
    <message>
        <source>No e-mail address: %1 will get no e-mail.</source>
        <comment>IDS_TIP_NO_ADDRESS</comment>
        <extracomment>Tooltip of a person in the list. %1: the person&apos;s name</extracomment>
        <translation>Brak adresu e-mail: %1 nie dostanie e-maila.</translation>
    </message>
    <message>
        <source>&amp;Import Participants...</source>
        <comment>IDS_MENU_IMPORT</comment>
        <translation>&amp;Importuj uczestników...</translation>
    </message>
    <message>
        <source>Participants (*.csv *.vcf *.vcard);;CSV files (*.csv);;vCard files (*.vcf *.vcard);;All files (*)</source>
        <comment>IDS_IMPORT_FILTER</comment>
        <translation>Uczestnicy (*.csv *.vcf *.vcard);;Pliki CSV (*.csv);;Pliki vCard (*.vcf *.vcard);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Import Participants — %1</source>
        <comment>IDS_IMPORT_TITLE</comment>
        <extracomment>Title of the Import Participants window. %1: the list&apos;s name</extracomment>
        <translation>Importuj uczestników — %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 persons will be added to &quot;%2&quot;:</source>
        <comment>IDS_IMPORT_TO_ADD</comment>
        <extracomment>Import Participants window, above the table. %1: the number of persons; %2: the list&apos;s name</extracomment>
        <translation>
            <numerusform>%1 osoba zostanie dodana do „%2”:</numerusform>
            <numerusform>%1 osoby zostaną dodane do „%2”:</numerusform>
            <numerusform>%1 osób zostanie dodanych do „%2”:</numerusform>
        </translation>
    </message>
    <message>
        <source>Already in the list, so left out: %1</source>
        <comment>IDS_IMPORT_LEFT_OUT</comment>
        <extracomment>Import Participants window. %1: the names left out, separated by commas</extracomment>
        <translation>Pominięte, bo są już na liście: %1</translation>
    </message>
    <message>
        <source>Nothing will be imported. %1</source>
        <comment>IDS_IMPORT_FAILED</comment>
        <extracomment>Import Participants window. %1: the reason, a whole sentence</extracomment>
        <translation>Nic nie zostanie zaimportowane. %1</translation>
    </message>
    <message>
        <source>Everybody in the file is in &quot;%1&quot; already: nobody to add.</source>
        <comment>IDS_IMPORT_NOBODY_NEW</comment>
        <extracomment>Import Participants window. %1: the list&apos;s name</extracomment>
        <translation>Wszystkie osoby z pliku są już w „%1”: nie ma kogo dodać.</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>IDS_IMPORT_COL_NAME</comment>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Address</source>
        <comment>IDS_IMPORT_COL_ADDRESS</comment>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Group</source>
        <comment>IDS_IMPORT_COL_GROUP</comment>
        <translation>Grupa</translation>
    </message>
    <message>
        <source>1 person will be added to &quot;%1&quot;:</source>
        <comment>IDS_IMPORT_TO_ADD_ONE</comment>
        <extracomment>Import Participants window, above the table. %1: the list&apos;s name</extracomment>
        <translation>1 osoba zostanie dodana do „%1”:</translation>
    </message>
    <message numerus="yes">
        <source>The list of who gave a gift to whom in the previous exchange (%1 persons) is too long to quote in every e-mail; the organiser has it.<byte value="xd"/>
</source>
        <comment>IDS_NOTE_PREVIOUS_NOT_QUOTED</comment>
        <extracomment>Notification e-mail, instead of the previous list. %1: the number of persons</extracomment>
        <translation>
            <numerusform>Lista z informacją, kto komu dał prezent w poprzedniej wymianie (%1 osoba), jest zbyt długa, by cytować ją w każdym e-mailu; ma ją organizator.<byte value="xd"/>
</numerusform>
            <numerusform>Lista z informacją, kto komu dał prezent w poprzedniej wymianie (%1 osoby), jest zbyt długa, by cytować ją w każdym e-mailu; ma ją organizator.<byte value="xd"/>
</numerusform>
            <numerusform>Lista z informacją, kto komu dał prezent w poprzedniej wymianie (%1 osób), jest zbyt długa, by cytować ją w każdym e-mailu; ma ją organizator.<byte value="xd"/>
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
Bieżąca lista osób (%1 osoba) jest zbyt długa, by cytować ją w każdym e-mailu; ma ją organizator.<byte value="xd"/>
</numerusform>
            <numerusform><byte value="xd"/>
Bieżąca lista osób (%1 osoby) jest zbyt długa, by cytować ją w każdym e-mailu; ma ją organizator.<byte value="xd"/>
</numerusform>
            <numerusform><byte value="xd"/>
Bieżąca lista osób (%1 osób) jest zbyt długa, by cytować ją w każdym e-mailu; ma ją organizator.<byte value="xd"/>
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
%1, los wybrał osobę, którą obdarujesz: to %2.<byte value="xd"/>
<byte value="xd"/>
Listy tego grona są zbyt długie, by cytować je w każdym e-mailu: jeśli chcesz je zobaczyć, zapytaj organizatora.<byte value="xd"/>
<byte value="xd"/>
Dziękujemy.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Mail is not set up yet, so no e-mail was sent. Enter your mail server and your address in Settings &gt; Configure first.</source>
        <comment>IDS_MAIL_NOT_SET_UP</comment>
        <translation>Poczta nie jest jeszcze skonfigurowana, więc nie wysłano żadnego e-maila. Najpierw wpisz serwer poczty i swój adres w oknie Ustawienia &gt; Konfiguruj.</translation>
    </message>
    <message>
        <source>kivvo-cli: mail is not set up yet (%1); nothing was sent. Set it up first with
  kivvo-cli config --server HOST --from ADDRESS [--user NAME --password]</source>
        <comment>IDS_CLI_MAIL_NOT_SET_UP</comment>
        <extracomment>kivvo-cli send error on stderr. %1: the options still to set, such as --server, --from</extracomment>
        <translation>kivvo-cli: poczta nie jest jeszcze skonfigurowana (%1); niczego nie wysłano. Najpierw skonfiguruj ją poleceniem
  kivvo-cli config --server HOST --from ADDRESS [--user NAME --password]</translation>
    </message>
    <message>
        <source>Mail is not set up yet. Enter the outgoing mail server of your mail provider and your own address: the e-mails are sent from it.</source>
        <comment>IDS_SETTINGS_NOT_SET_UP</comment>
        <translation>Poczta nie jest jeszcze skonfigurowana. Wpisz serwer poczty wychodzącej swojego dostawcy poczty i swój adres: to z niego będą wysyłane e-maile.</translation>
    </message>
    <message>
        <source>smtp.example.org</source>
        <comment>IDS_SETTINGS_SERVER_HINT</comment>
        <translation>smtp.example.org</translation>
    </message>
    <message>
        <source>Your Name &lt;you@example.org&gt;</source>
        <comment>IDS_SETTINGS_FROM_HINT</comment>
        <translation>Jan Kowalski &lt;jan@example.org&gt;</translation>
    </message>
    <message>
        <source>you@example.org — empty: no login</source>
        <comment>IDS_SETTINGS_USER_HINT</comment>
        <translation>jan@example.org — puste: bez logowania</translation>
    </message>
    <message>
        <source>A last line for every e-mail, such as: From the Smiths</source>
        <comment>IDS_SETTINGS_FOOTER_HINT</comment>
        <translation>Ostatni wiersz każdego e-maila, np.: Pozdrawiają Kowalscy</translation>
    </message>
    <message>
        <source>(not set)</source>
        <comment>IDS_CLI_NOT_SET</comment>
        <translation>(nie ustawiono)</translation>
    </message>
    <message>
        <source>Mail is not set up yet: %1 still to be set before e-mails can be sent.</source>
        <comment>IDS_CLI_MAIL_STILL_NOT_SET_UP</comment>
        <extracomment>kivvo-cli config note on stderr. %1: the options still to set, such as --server, --from</extracomment>
        <translation>Poczta nie jest jeszcze skonfigurowana: zanim będzie można wysyłać e-maile, trzeba jeszcze ustawić %1.</translation>
    </message>
    <message numerus="yes">
        <source>Delete the group %1 with its %2 persons?</source>
        <comment>IDS_ASK_DELETE_GROUP</comment>
        <extracomment>Question before deleting a group. %1: the group&apos;s name; %2: the number of persons in it</extracomment>
        <translation>
            <numerusform>Usunąć grupę %1 razem z %2 osobą?</numerusform>
            <numerusform>Usunąć grupę %1 razem z %2 osobami?</numerusform>
            <numerusform>Usunąć grupę %1 razem z %2 osobami?</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete the group %1 with its one person?</source>
        <comment>IDS_ASK_DELETE_GROUP_ONE</comment>
        <extracomment>Question before deleting a group. %1: the group&apos;s name</extracomment>
        <translation>Usunąć grupę %1 razem z jedyną osobą, która do niej należy?</translation>
    </message>
    <message>
        <source>Neither an e-mail address (such as ann@example.org) nor a name from your address book: no e-mail can be sent to it.</source>
        <comment>IDS_ADDRESS_NOT_PLAUSIBLE</comment>
        <translation>To ani adres e-mail (np. ania@example.org), ani nazwa z książki adresowej: nie da się na to wysłać e-maila.</translation>
    </message>
    <message>
        <source>kivvo-cli: warning: &quot;%1&quot; is neither an e-mail address nor a name from the address book; no e-mail can be sent to it</source>
        <comment>IDS_CLI_ADDRESS_NOT_PLAUSIBLE</comment>
        <extracomment>kivvo-cli warning on stderr. %1: the address as given</extracomment>
        <translation>kivvo-cli: uwaga: „%1” to ani adres e-mail, ani nazwa z książki adresowej; nie da się na to wysłać e-maila</translation>
    </message>
    <message>
        <source>Exchange Details — %1</source>
        <comment>IDS_DETAILS_TITLE</comment>
        <extracomment>Title of the Exchange Details window. %1: the list&apos;s name</extracomment>
        <translation>Szczegóły wymiany — %1</translation>
    </message>
    <message>
        <source>What every e-mail and card of this exchange tells the participants. Leave empty what does not apply.</source>
        <comment>IDS_DETAILS_INTRO</comment>
        <translation>Informacje, które każdy e-mail i każda karta tej wymiany przekażą uczestnikom. Pola, które nie dotyczą tej wymiany, zostaw puste.</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <comment>IDS_DETAILS_HAS_DATE</comment>
        <translation>&amp;Data:</translation>
    </message>
    <message>
        <source>&amp;Budget:</source>
        <comment>IDS_DETAILS_BUDGET</comment>
        <translation>&amp;Budżet:</translation>
    </message>
    <message>
        <source>&amp;Place:</source>
        <comment>IDS_DETAILS_PLACE</comment>
        <translation>&amp;Miejsce:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <comment>IDS_DETAILS_NOTE</comment>
        <translation>&amp;Notatka:</translation>
    </message>
    <message>
        <source>such as 25 €</source>
        <comment>IDS_DETAILS_BUDGET_HINT</comment>
        <translation>np. 50 zł</translation>
    </message>
    <message>
        <source>A past exchange: its details can no longer be changed.</source>
        <comment>IDS_DETAILS_PAST</comment>
        <translation>Wcześniejsza wymiana: jej szczegółów nie można już zmienić.</translation>
    </message>
    <message>
        <source>Exchange Details</source>
        <comment>IDS_EDIT_DETAILS</comment>
        <translation>zmiana szczegółów wymiany</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <comment>IDS_DETAIL_DATE</comment>
        <extracomment>Line of the notification e-mail and of the printed card. %1: the date, written out</extracomment>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Budget: %1</source>
        <comment>IDS_DETAIL_BUDGET</comment>
        <extracomment>Line of the notification e-mail and of the printed card. %1: the budget as entered</extracomment>
        <translation>Budżet: %1</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <comment>IDS_DETAIL_PLACE</comment>
        <extracomment>Line of the notification e-mail and of the printed card. %1: the place as entered</extracomment>
        <translation>Miejsce: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <comment>IDS_DETAIL_NOTE</comment>
        <extracomment>Line of the notification e-mail and of the printed card. %1: the note as entered</extracomment>
        <translation>Notatka: %1</translation>
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
%1, los wybrał osobę, którą obdarujesz: to %2.<byte value="xd"/>
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
Dziękujemy.<byte value="xd"/>
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
Listy tego grona są zbyt długie, by cytować je w każdym e-mailu: jeśli chcesz je zobaczyć, zapytaj organizatora.<byte value="xd"/>
<byte value="xd"/>
Dziękujemy.<byte value="xd"/>
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
        <translation>data: %1
budżet: %2
miejsce: %3
notatka: %4</translation>
    </message>
    <message>
        <source>Details of &quot;%1&quot; saved</source>
        <comment>IDS_CLI_DETAILS_SAVED</comment>
        <extracomment>kivvo-cli details output. %1: the drawing&apos;s name</extracomment>
        <translation>Zapisano szczegóły „%1”</translation>
    </message>
    <message>
        <source>--date takes a date as YYYY-MM-DD, or an empty value to clear it, not &quot;%1&quot;</source>
        <comment>IDS_CLI_BAD_DATE</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the value given to --date</extracomment>
        <translation>--date przyjmuje datę w formacie YYYY-MM-DD albo pustą wartość, która ją usuwa, a nie „%1”</translation>
    </message>
    <message>
        <source>E-mail &amp;language:</source>
        <comment>IDS_SETTINGS_MAIL_LANGUAGE</comment>
        <translation>&amp;Język e-maili:</translation>
    </message>
    <message>
        <source>As the desktop (%1)</source>
        <comment>IDS_SETTINGS_LANGUAGE_DESKTOP</comment>
        <extracomment>Choice of the e-mail language in Mail Settings. %1: the desktop language&apos;s own name</extracomment>
        <translation>Język pulpitu (%1)</translation>
    </message>
    <message>
        <source>The language of the e-mails and paper cards of this document only; the program itself follows the desktop.</source>
        <comment>IDS_SETTINGS_LANGUAGE_HELP</comment>
        <translation>Język e-maili i papierowych kart tylko tego dokumentu; sam program używa języka pulpitu.</translation>
    </message>
    <message>
        <source>E-mail Language</source>
        <comment>IDS_EDIT_MAIL_LANGUAGE</comment>
        <translation>zmiana języka e-maili</translation>
    </message>
    <message>
        <source>%1 takes no arguments besides options</source>
        <comment>IDS_CLI_TAKES_NOTHING</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the command</extracomment>
        <translation>%1 nie przyjmuje argumentów poza opcjami</translation>
    </message>
    <message>
        <source>%1 takes %2</source>
        <comment>IDS_CLI_TAKES</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the command; %2: its arguments, such as FILE NAME</extracomment>
        <translation>%1 przyjmuje %2</translation>
    </message>
    <message>
        <source>%1 does not take --%2</source>
        <comment>IDS_CLI_NO_SUCH_OPTION</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the command; %2: the option without dashes</extracomment>
        <translation>%1 nie przyjmuje --%2</translation>
    </message>
    <message>
        <source>cards needs --pdf OUT.pdf</source>
        <comment>IDS_CLI_CARDS_NEED_PDF</comment>
        <translation>cards wymaga --pdf OUT.pdf</translation>
    </message>
    <message>
        <source>Date, budget, place and a note for the e-mails and cards of this exchange
Details</source>
        <comment>IDS_PROMPT_DETAILS</comment>
        <translation>Data, budżet, miejsce i notatka dla e-maili i kart tej wymiany
Szczegóły</translation>
    </message>
    <message>
        <source>The date of an exchange is damaged.</source>
        <comment>IDS_ERR_DETAILS_DATE</comment>
        <translation>Data jednej z wymian jest uszkodzona.</translation>
    </message>
    <message>
        <source>De&amp;tails...</source>
        <comment>IDS_MENU_DETAILS</comment>
        <translation>&amp;Szczegóły...</translation>
    </message>
    <message>
        <source>--language takes one of %1, not &quot;%2&quot;</source>
        <comment>IDS_CLI_BAD_LANGUAGE</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the language codes, separated by commas; %2: the value given</extracomment>
        <translation>--language przyjmuje jeden z języków: %1, a nie „%2”</translation>
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
        <translation>W tej liście nie wylosowano jeszcze imion.<byte value="xd"/>
<byte value="xd"/>
Najpierw wylosuj imiona. Nic nie zostało pokazane ani wysłane.</translation>
    </message>
    <message>
        <source>the server&apos;s reply is not SMTP: &quot;%1&quot;; the connection was closed</source>
        <comment>IDS_SMTP_NOT_SMTP</comment>
        <extracomment>Reason why mail failed. %1: the line the server sent</extracomment>
        <translation>odpowiedź serwera nie jest w protokole SMTP: „%1”; połączenie zostało zamknięte</translation>
    </message>
    <message>
        <source>the server sent a reply to a command this program had not sent yet; the connection was closed</source>
        <comment>IDS_SMTP_OUT_OF_TURN</comment>
        <translation>serwer odpowiedział na polecenie, którego ten program jeszcze nie wysłał; połączenie zostało zamknięte</translation>
    </message>
    <message>
        <source>%1, after the message had been sent in full; it may have arrived, so it is not sent again</source>
        <comment>IDS_SMTP_FAULT_UNCONFIRMED</comment>
        <extracomment>Reason why an e-mail may have failed. %1: what the server did wrong, one of the two texts above</extracomment>
        <translation>%1, po wysłaniu całej wiadomości; mogła dotrzeć, więc nie zostanie wysłana ponownie</translation>
    </message>
    <message>
        <source>the address %1 has characters beyond ASCII before the @, which this server does not take (it offers no SMTPUTF8)</source>
        <comment>IDS_SMTP_NEEDS_UTF8</comment>
        <extracomment>Reason why an e-mail failed. %1: the e-mail address</extracomment>
        <translation>adres %1 ma przed @ znaki spoza ASCII, których ten serwer nie przyjmuje (nie oferuje SMTPUTF8)</translation>
    </message>
    <message>
        <source>The mail server %1 did not keep to the mail protocol (SMTP).<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Nothing more was sent, so that no reply is taken for another message&apos;s. Tell whoever runs the server.</source>
        <comment>IDS_SEND_SERVER_FAULT</comment>
        <extracomment>Shown in the sending window and by kivvo-cli send. %1: the mail server as host:port; %2: the reason</extracomment>
        <translation>Serwer poczty %1 nie przestrzegał protokołu poczty (SMTP).<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Nic więcej nie zostało wysłane, aby żadna odpowiedź nie została wzięta za odpowiedź na inną wiadomość. Powiadom osobę, która prowadzi serwer.</translation>
    </message>
    <message>
        <source>The desktop&apos;s keyring refused to keep the password (%1): it is kept in the settings file %2, which only you can read.</source>
        <comment>IDS_PASSWORD_KEYRING_REFUSED</comment>
        <extracomment>Mail Settings window and kivvo-cli config output. %1: the keyring&apos;s own reason; %2: the settings file&apos;s path</extracomment>
        <translation>Pęk kluczy pulpitu odmówił przechowania hasła (%1): jest ono przechowywane w pliku ustawień %2, który tylko ty możesz odczytać.</translation>
    </message>
    <message>
        <source>line %1 holds a control character (a line break, a tab or a terminal escape) in a name, an address or a group</source>
        <comment>IDS_IMPORT_CONTROL</comment>
        <extracomment>Reason in the import error. %1: the line number in the file</extracomment>
        <translation>wiersz %1 zawiera znak sterujący (koniec wiersza, tabulator lub sekwencję sterującą terminala) w nazwie, adresie lub grupie</translation>
    </message>
    <message>
        <source>the card &quot;%1&quot; holds a control character (a line break, a tab or a terminal escape) in its name or its address</source>
        <comment>IDS_IMPORT_CONTROL_CARD</comment>
        <extracomment>Reason in the import error. %1: the name on the card, control characters shown as a replacement sign</extracomment>
        <translation>wizytówka „%1” zawiera znak sterujący (koniec wiersza, tabulator lub sekwencję sterującą terminala) w nazwie lub adresie</translation>
    </message>
    <message>
        <source>Importing %1 persons and groups would make the document hold more than %2, more than it can save. Nothing was imported.</source>
        <comment>IDS_IMPORT_OVER_LIMIT</comment>
        <extracomment>Import error (Import Participants window). %1: how many persons and groups the import would add; %2: the most a document holds</extracomment>
        <translation>Import %1 osób i grup sprawiłby, że dokument zawierałby ich więcej niż %2, więcej, niż można zapisać. Nic nie zostało zaimportowane.</translation>
    </message>
    <message>
        <source>the server offers no encryption (STARTTLS), and the settings allow only encrypted connections</source>
        <comment>IDS_SMTP_TLS_REQUIRED</comment>
        <translation>serwer nie oferuje szyfrowania (STARTTLS), a ustawienia dopuszczają tylko szyfrowane połączenia</translation>
    </message>
    <message>
        <source>Encrypted connections only (TLS), also without a login</source>
        <comment>IDS_SETTINGS_REQUIRE_TLS</comment>
        <translation>Tylko szyfrowane połączenia (TLS), także bez logowania</translation>
    </message>
    <message>
        <source>require-tls: on</source>
        <comment>IDS_CLI_REQUIRE_TLS_ON</comment>
        <extracomment>kivvo-cli config output, after the settings, only when the setting is on.</extracomment>
        <translation>require-tls: włączone</translation>
    </message>
    <message>
        <source>The seal of this drawing was broken on %1 at %2</source>
        <comment>IDS_SEAL_BROKEN_ON</comment>
        <extracomment>Shown with a drawing whose seal was broken, in the window and by kivvo-cli.
%1: the date, such as &quot;12 December 2026&quot;; %2: the time, such as &quot;20:14&quot;</extracomment>
        <translation>Pieczęć tego losowania została złamana %1 o %2</translation>
    </message>
    <message>
        <source>%1. This stays in the document, so that the participants can be told.</source>
        <comment>IDS_SEAL_BROKEN_NOW</comment>
        <extracomment>After the seal was broken.
%1: the sentence of IDS_SEAL_BROKEN_ON</extracomment>
        <translation>%1. Pozostaje to zapisane w dokumencie, aby można było powiadomić uczestników.</translation>
    </message>
    <message>
        <source>This drawing is sealed: who gives to whom is shown to nobody here, you included. Every participant learns his own recipient by e-mail, on his card or in the pass-around round. To see them all, turn off &quot;Seal the drawing&quot; in the rules; that is recorded in the document.</source>
        <comment>IDS_SEALED_REFUSED</comment>
        <translation>To losowanie jest zapieczętowane: kto komu daje prezent, nie jest tu pokazywane nikomu, także Tobie. Każdy uczestnik poznaje swojego obdarowanego e-mailem, na swojej kartce lub podczas rundy przy ekranie. Aby zobaczyć wszystkich, wyłącz „Zapieczętuj losowanie” w regułach; zostanie to zapisane w dokumencie.</translation>
    </message>
    <message>
        <source>the drawn name of %1 no longer fits the list</source>
        <comment>IDS_CHECK_SEALED</comment>
        <extracomment>Problem with the drawn names of a sealed drawing, listed after a colon.
%1: the giver&apos;s name</extracomment>
        <translation>wylosowane imię osoby %1 nie pasuje już do listy</translation>
    </message>
    <message>
        <source>two persons draw each other</source>
        <comment>IDS_CHECK_MUTUAL_SEALED</comment>
        <extracomment>Problem with the drawn names of a sealed drawing, listed after a colon.</extracomment>
        <translation>dwie osoby wylosowały siebie nawzajem</translation>
    </message>
    <message>
        <source>&amp;Seal the drawing</source>
        <comment>IDS_RULES_SEAL</comment>
        <translation>&amp;Zapieczętuj losowanie</translation>
    </message>
    <message>
        <source>For an organiser who takes part: nobody here, you included, can see who gives to whom. Every participant still learns his own recipient. Turning it off later is recorded in the document.</source>
        <comment>IDS_RULES_SEAL_HELP</comment>
        <translation>Dla organizatora, który bierze udział: nikt tutaj, także Ty, nie zobaczy, kto komu daje prezent. Każdy uczestnik nadal pozna swojego obdarowanego. Późniejsze wyłączenie zostanie zapisane w dokumencie.</translation>
    </message>
    <message>
        <source>Break the seal of &quot;%1&quot;?<byte value="xd"/>
<byte value="xd"/>
From now on, who gives to whom can be seen here: in View Notifications, in reports and in messages. The date and time of the break are kept in the document for good; it cannot be undone.</source>
        <comment>IDS_ASK_BREAK_SEAL</comment>
        <extracomment>Question before the seal is broken; the default answer is No.
%1: the drawing&apos;s name</extracomment>
        <translation>Złamać pieczęć „%1”?<byte value="xd"/>
<byte value="xd"/>
Od teraz będzie tu widać, kto komu daje prezent: w podglądzie powiadomień, w raportach i w komunikatach. Data i godzina złamania pozostaną w dokumencie na zawsze; nie można tego cofnąć.</translation>
    </message>
    <message>
        <source>seal: %1
</source>
        <comment>IDS_CLI_SEAL</comment>
        <extracomment>kivvo-cli rules output, after the rules.
%1: on or off (IDS_CLI_ON, IDS_CLI_OFF)</extracomment>
        <translation>pieczęć: %1
</translation>
    </message>
    <message>
        <source>These cards hold secrets</source>
        <comment>IDS_CARDS_SEALED_COVER</comment>
        <extracomment>First page of a PDF of the cards of a sealed drawing, a heading.</extracomment>
        <translation>Te kartki zawierają tajemnice</translation>
    </message>
    <message>
        <source>They hold the drawn names of the sealed drawing &quot;%1&quot;. Print them without looking at them, cut them out and fold each one shut before it is read; then delete this file.</source>
        <comment>IDS_CARDS_SEALED_COVER_TEXT</comment>
        <extracomment>First page of a PDF of the cards of a sealed drawing, under the heading.
%1: the drawing&apos;s name</extracomment>
        <translation>Zawierają wylosowane imiona zapieczętowanego losowania „%1”. Wydrukuj je, nie patrząc, wytnij i zegnij każdą, zanim ktoś ją przeczyta; potem usuń ten plik.</translation>
    </message>
    <message>
        <source>This drawing is sealed: who gives to whom is shown to nobody here.</source>
        <comment>IDS_SEALED_NOTE</comment>
        <extracomment>Under the list of a sealed drawing in the main window.</extracomment>
        <translation>To losowanie jest zapieczętowane: kto komu daje prezent, nie jest tu nikomu pokazywane.</translation>
    </message>
    <message>
        <source>kivvo-cli: the seal was kept; nothing was changed</source>
        <comment>IDS_CLI_SEAL_KEPT</comment>
        <translation>kivvo-cli: pieczęć pozostała; niczego nie zmieniono</translation>
    </message>
    <message>
        <source>%1 (the e-mail goes to this one of the entry&apos;s %2 addresses only; add :1, :2 or :3 to the name to choose another)</source>
        <comment>IDS_CONTACT_PREFERRED</comment>
        <extracomment>Person dialog, under the address, for an address-book entry with several addresses.
%1: the address the e-mail goes to; %2: how many addresses the entry has</extracomment>
        <translation>%1 (e-mail trafi tylko na ten z %2 adresów wpisu; dopisz :1, :2 lub :3 do nazwy, aby wybrać inny)</translation>
    </message>
    <message numerus="yes">
        <source>The drawing was repaired: %1 of the givers got another recipient; everybody else keeps the one he drew.</source>
        <comment>IDS_REPAIR_DONE</comment>
        <extracomment>After a repair of the drawing.
%1: how many givers got another recipient</extracomment>
        <translation>
            <numerusform>Losowanie naprawiono: %1 z darczyńców dostał innego obdarowanego; pozostali zachowują swojego.</numerusform>
            <numerusform>Losowanie naprawiono: %1 z darczyńców dostało innego obdarowanego; pozostali zachowują swojego.</numerusform>
            <numerusform>Losowanie naprawiono: %1 z darczyńców dostało innego obdarowanego; pozostali zachowują swojego.</numerusform>
        </translation>
    </message>
    <message>
        <source>The drawn names still fit the list: there is nothing to repair.</source>
        <comment>IDS_REPAIR_NOTHING</comment>
        <translation>Wylosowane imiona nadal pasują do listy: nie ma czego naprawiać.</translation>
    </message>
    <message>
        <source>No repair was found within the bounds of the search, which the rules No mutual pairs and One circle make long for a list this size. Draw names again instead.</source>
        <comment>IDS_REPAIR_OUT_OF_BOUND</comment>
        <translation>W granicach wyszukiwania nie znaleziono naprawy; reguły Bez wzajemnych par i Jeden krąg wydłużają je przy liście tej wielkości. Zamiast tego wylosuj ponownie.</translation>
    </message>
    <message>
        <source>The list changed after its names were drawn.<byte value="xd"/>
<byte value="xd"/>
Repair the drawing: every rule is kept, and as few givers as possible get another recipient, so that only they need to be told again. Or draw again: everybody gets a new recipient and must be told again.</source>
        <comment>IDS_ASK_REPAIR</comment>
        <extracomment>Asked by Draw Names when the list changed after its names were drawn.</extracomment>
        <translation>Lista zmieniła się po wylosowaniu imion.<byte value="xd"/>
<byte value="xd"/>
Napraw losowanie: wszystkie reguły obowiązują, a jak najmniej darczyńców dostaje innego obdarowanego, więc tylko ich trzeba powiadomić ponownie. Albo losuj ponownie: każdy dostaje nowego obdarowanego i trzeba powiadomić wszystkich.</translation>
    </message>
    <message>
        <source>&amp;Repair the Drawing</source>
        <comment>IDS_BUTTON_REPAIR</comment>
        <translation>&amp;Napraw losowanie</translation>
    </message>
    <message>
        <source>&amp;Draw Again</source>
        <comment>IDS_BUTTON_DRAW_AGAIN</comment>
        <translation>&amp;Losuj ponownie</translation>
    </message>
    <message>
        <source>&quot;%1&quot; saved</source>
        <comment>IDS_CLI_REPAIRED</comment>
        <extracomment>kivvo-cli repair output.
%1: the file</extracomment>
        <translation>Zapisano „%1”</translation>
    </message>
    <message>
        <source>Please note: the drawing has changed since you were told whom you give a gift to. What you were told before no longer holds; this message does.<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>IDS_NOTE_REPLACES_EARLIER</comment>
        <extracomment>Notification e-mail, after the privacy note, to a participant told another recipient
before the drawing was repaired.</extracomment>
        <translation>Uwaga: losowanie zmieniło się od chwili, gdy dowiedziałeś się, komu dajesz prezent. To, co wcześniej usłyszałeś, już nie obowiązuje; obowiązuje ta wiadomość.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Quote Earlier Drawings</source>
        <comment>IDS_EDIT_QUOTE_HISTORY</comment>
        <extracomment>Undo and redo: the change of the setting.</extracomment>
        <translation>Cytowanie wcześniejszych losowań</translation>
    </message>
    <message>
        <source>&amp;Quote earlier drawings in the e-mails</source>
        <comment>IDS_RULES_QUOTE_HISTORY</comment>
        <translation>&amp;Cytuj wcześniejsze losowania w e-mailach</translation>
    </message>
    <message>
        <source>Each e-mail says whom the participant gave to last time and lists last time&apos;s pairs. Turn it off where the givers stay unknown, as in an office.</source>
        <comment>IDS_RULES_QUOTE_HISTORY_HELP</comment>
        <translation>Każdy e-mail mówi, komu uczestnik dał prezent ostatnim razem, i wymienia pary z ostatniego razu. Wyłącz to tam, gdzie darczyńcy pozostają nieznani, jak w biurze.</translation>
    </message>
    <message>
        <source>quote earlier drawings: %1
</source>
        <comment>IDS_CLI_QUOTE_HISTORY</comment>
        <extracomment>kivvo-cli rules output, after the seal.
%1: on or off (IDS_CLI_ON, IDS_CLI_OFF)</extracomment>
        <translation>cytowanie wcześniejszych losowań: %1
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
            <numerusform>Uczestnicy, których obdarowany nie jest tym, o którym im powiedziano: %1.<byte value="xd"/>
<byte value="xd"/>
Powiadomić tylko ich czy wszystkich?</numerusform>
            <numerusform>Uczestnicy, których obdarowany nie jest tym, o którym im powiedziano: %1.<byte value="xd"/>
<byte value="xd"/>
Powiadomić tylko ich czy wszystkich?</numerusform>
            <numerusform>Uczestnicy, których obdarowany nie jest tym, o którym im powiedziano: %1.<byte value="xd"/>
<byte value="xd"/>
Powiadomić tylko ich czy wszystkich?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Only Them</source>
        <comment>IDS_BUTTON_ONLY_CHANGED</comment>
        <translation>&amp;Tylko ich</translation>
    </message>
    <message>
        <source>&amp;Everybody</source>
        <comment>IDS_BUTTON_EVERYBODY</comment>
        <translation>&amp;Wszystkich</translation>
    </message>
    <message numerus="yes">
        <source>Participants whose recipient is not the one they were told: %1</source>
        <comment>IDS_CLI_CHANGED_COUNT</comment>
        <extracomment>kivvo-cli send and cards with --changed.
%1: how many participants are told again</extracomment>
        <translation>
            <numerusform>Uczestnicy, których obdarowany nie jest tym, o którym im powiedziano: %1</numerusform>
            <numerusform>Uczestnicy, których obdarowany nie jest tym, o którym im powiedziano: %1</numerusform>
            <numerusform>Uczestnicy, których obdarowany nie jest tym, o którym im powiedziano: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Nobody has been told anything of this drawing yet: tell everybody.</source>
        <comment>IDS_NOBODY_TOLD_YET</comment>
        <translation>Nikomu jeszcze nic nie powiedziano o tym losowaniu: powiadom wszystkich.</translation>
    </message>
    <message>
        <source>Everybody already knows his recipient: nobody&apos;s changed since he was told.</source>
        <comment>IDS_NOBODY_TO_TELL_AGAIN</comment>
        <translation>Wszyscy znają już swojego obdarowanego: nikomu się nie zmienił, odkąd mu powiedziano.</translation>
    </message>
    <message>
        <source>%1: told %2, last on %3 at %4</source>
        <comment>IDS_STATUS_TOLD</comment>
        <extracomment>kivvo-cli status, one line per participant.
%1: the participant; %2: how he was told (IDS_TOLD_BY_MAIL...); %3: the date; %4: the time</extracomment>
        <translation>%1: powiadomiony %2, ostatnio %3 o %4</translation>
    </message>
    <message>
        <source>%1: told %2, last on %3 at %4; his recipient changed since: tell him again</source>
        <comment>IDS_STATUS_TOLD_CHANGED</comment>
        <extracomment>kivvo-cli status, one line per participant.
%1: the participant; %2: how he was told (IDS_TOLD_BY_MAIL...); %3: the date; %4: the time</extracomment>
        <translation>%1: powiadomiony %2, ostatnio %3 o %4; jego obdarowany od tego czasu się zmienił: powiadom go ponownie</translation>
    </message>
    <message>
        <source>%1: not told yet</source>
        <comment>IDS_STATUS_NOT_TOLD</comment>
        <extracomment>kivvo-cli status. %1: the participant</extracomment>
        <translation>%1: jeszcze nie powiadomiony</translation>
    </message>
    <message>
        <source>%1: no drawn name yet</source>
        <comment>IDS_STATUS_NOT_DRAWN</comment>
        <extracomment>kivvo-cli status. %1: the participant</extracomment>
        <translation>%1: jeszcze bez wylosowanego imienia</translation>
    </message>
    <message>
        <source>by e-mail</source>
        <comment>IDS_TOLD_BY_MAIL</comment>
        <translation>e-mailem</translation>
    </message>
    <message>
        <source>on a card</source>
        <comment>IDS_TOLD_ON_CARD</comment>
        <translation>na kartce</translation>
    </message>
    <message>
        <source>in the pass-around round</source>
        <comment>IDS_TOLD_IN_ROUND</comment>
        <translation>podczas rundy przy ekranie</translation>
    </message>
    <message>
        <source>Another program changed %1 since it was opened here, and the file now holds another drawing than this window. Nothing was sent, printed or shown.<byte value="xd"/>
<byte value="xd"/>
Open the file as it is now?</source>
        <comment>IDS_FILE_OTHER_DRAWING</comment>
        <extracomment>Before names are sent, printed or shown in the round. %1: the document&apos;s file</extracomment>
        <translation>Inny program zmienił %1 od czasu otwarcia tutaj i plik zawiera teraz inne losowanie niż to okno. Niczego nie wysłano, nie wydrukowano ani nie pokazano.<byte value="xd"/>
<byte value="xd"/>
Otworzyć plik w obecnej postaci?</translation>
    </message>
    <message>
        <source>Before the first name goes out, the drawing is saved, so that what the participants are told is never lost. Choose where to keep it.</source>
        <comment>IDS_SAVE_BEFORE_TELLING</comment>
        <translation>Zanim wyjdzie pierwsze imię, losowanie zostaje zapisane, aby to, co usłyszą uczestnicy, nigdy nie przepadło. Wybierz, gdzie je zachować.</translation>
    </message>
    <message>
        <source>e-mail language: %1 (%2)
</source>
        <comment>IDS_CLI_MAIL_LANGUAGE</comment>
        <extracomment>kivvo-cli rules output, when the document has an e-mail language of its own.
%1: the language&apos;s own name; %2: its code</extracomment>
        <translation>język e-maili: %1 (%2)
</translation>
    </message>
    <message>
        <source>This list is empty. Add the first person with %1 or %2 → %3.</source>
        <comment>IDS_EMPTY_LIST_HINT</comment>
        <extracomment>Above an empty list in the main window.
%1: the Insert key&apos;s name; %2: the Exchange menu; %3: its item Add Person</extracomment>
        <translation>Ta lista jest pusta. Dodaj pierwszą osobę klawiszem %1 lub przez %2 → %3.</translation>
    </message>
    <message>
        <source>Draw Names needs at least three persons in the list</source>
        <comment>IDS_TIP_DRAW_NEEDS_THREE</comment>
        <extracomment>Tip of Draw Names while it is greyed.</extracomment>
        <translation>Do losowania lista potrzebuje co najmniej trzech osób</translation>
    </message>
    <message>
        <source>&amp;Export Participants...</source>
        <comment>IDS_MENU_EXPORT</comment>
        <translation>&amp;Eksportuj uczestników...</translation>
    </message>
    <message>
        <source>Export Participants</source>
        <comment>IDS_EXPORT_TITLE</comment>
        <extracomment>Title of the file window that exports the participants.</extracomment>
        <translation>Eksportuj uczestników</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <comment>IDS_EXPORT_FILTER_SPREADSHEET</comment>
        <extracomment>File type in the export&apos;s file window: UTF-8 with a byte-order mark and the list
separator of the user&apos;s language (a semicolon where numbers have a decimal comma).</extracomment>
        <translation>CSV dla arkuszy kalkulacyjnych (*.csv)</translation>
    </message>
    <message>
        <source>Plain CSV (*.csv)</source>
        <comment>IDS_EXPORT_FILTER_PLAIN</comment>
        <extracomment>File type in the export&apos;s file window: UTF-8 with commas.</extracomment>
        <translation>Zwykły CSV (*.csv)</translation>
    </message>
    <message>
        <source>Cannot export the participants to &quot;%1&quot;: %2.</source>
        <comment>IDS_EXPORT_ERROR</comment>
        <extracomment>Message box when the export failed.
%1: the file&apos;s path; %2: the reason</extracomment>
        <translation>Nie można wyeksportować uczestników do „%1”: %2.</translation>
    </message>
    <message>
        <source>Line %1 looks like column headings Kivvo does not know (%2), so it is left out. The columns are read as name, address, suggestions and group.</source>
        <comment>IDS_IMPORT_UNKNOWN_HEADINGS</comment>
        <extracomment>Import Participants window and kivvo-cli import, when the file&apos;s first line names
its columns in words Kivvo does not know.
%1: the line number; %2: the line&apos;s fields, separated by commas</extracomment>
        <translation>Wiersz %1 wygląda jak nagłówki kolumn, których Kivvo nie zna (%2), więc zostaje pominięty. Kolumny są czytane jako imię, adres, sugestie i grupa.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <comment>IDS_PERSON_ADD_NEVER_DRAWS</comment>
        <extracomment>Person Properties window: puts the names typed under Never draws into the table.</extracomment>
        <translation>&amp;Dodaj</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <comment>IDS_PERSON_REMOVE_NEVER_DRAWS</comment>
        <extracomment>Person Properties window: takes the selected names out of Never draws.</extracomment>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>IDS_PERSON_COL_NAME</comment>
        <extracomment>Person Properties window, heading of the Never draws table: whom he never draws.</extracomment>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Both ways</source>
        <comment>IDS_PERSON_COL_BOTH_WAYS</comment>
        <extracomment>Person Properties window, heading of the Never draws table: ticked where that
person never draws him either.</extracomment>
        <translation>W obie strony</translation>
    </message>
    <message>
        <source>Continued on the next card</source>
        <comment>IDS_CARD_CONTINUES</comment>
        <extracomment>Paper card, last line of a text too long for the card.</extracomment>
        <translation>Ciąg dalszy na następnej karcie</translation>
    </message>
    <message>
        <source>(continued)</source>
        <comment>IDS_CARD_CONTINUED</comment>
        <extracomment>Paper card, under the giver&apos;s name on a card that goes on with the card before.</extracomment>
        <translation>(ciąg dalszy)</translation>
    </message>
    <message>
        <source>The rest is too long for the cards</source>
        <comment>IDS_CARD_TOO_LONG</comment>
        <extracomment>Paper card, last line of the last card a participant&apos;s texts may take.</extracomment>
        <translation>Reszta jest za długa na karty</translation>
    </message>
    <message>
        <source>Gives and receives</source>
        <comment>IDS_ROLE_BOTH</comment>
        <extracomment>Role of a person, in the person window.</extracomment>
        <translation>Daje i dostaje prezenty</translation>
    </message>
    <message>
        <source>Gives only</source>
        <comment>IDS_ROLE_GIVES</comment>
        <extracomment>Role of a person, in the person window.</extracomment>
        <translation>Tylko daje prezenty</translation>
    </message>
    <message>
        <source>Receives only</source>
        <comment>IDS_ROLE_RECEIVES</comment>
        <extracomment>Role of a person, in the person window.</extracomment>
        <translation>Tylko dostaje prezenty</translation>
    </message>
    <message>
        <source>Ro&amp;le:</source>
        <comment>IDS_ROLE_LABEL</comment>
        <extracomment>Label in the person window; its &amp; letter differs from those of Add and Remove there.</extracomment>
        <translation>&amp;Rola:</translation>
    </message>
    <message>
        <source>&amp;Gifts per giver:</source>
        <comment>IDS_GIFTS_LABEL</comment>
        <extracomment>Label in the Rules window; its &amp; letter differs from those of the other rules there.</extracomment>
        <translation>&amp;Liczba prezentów na darczyńcę:</translation>
    </message>
    <message>
        <source>One circle needs every person to give and receive, with one gift each.</source>
        <comment>IDS_CIRCLE_UNAVAILABLE</comment>
        <extracomment>Rules window and messages: why &quot;one circle&quot; is not available.</extracomment>
        <translation>Jeden krąg wymaga, aby każda osoba dawała i dostawała prezenty, po jednym prezencie.</translation>
    </message>
    <message>
        <source>One circle needs every person to give and receive, with one gift each. Turn it off in Exchange &gt; Rules, or let every person give and receive one gift, then draw again.</source>
        <comment>IDS_DRAW_CIRCLE_NEEDS_ONE</comment>
        <extracomment>Why names cannot be drawn.</extracomment>
        <translation>Jeden krąg wymaga, aby każda osoba dawała i dostawała prezenty, po jednym prezencie. Wyłącz go w Wymiana &gt; Zasady albo spraw, aby każda osoba dawała i dostawała jeden prezent, a potem losuj ponownie.</translation>
    </message>
    <message>
        <source>Nobody in this list gives a gift: every person receives only.</source>
        <comment>IDS_DRAW_NOBODY_GIVES</comment>
        <extracomment>Why names cannot be drawn.</extracomment>
        <translation>Nikt na tej liście nie daje prezentu: każda osoba tylko dostaje prezenty.</translation>
    </message>
    <message>
        <source>Nobody in this list receives a gift: every person gives only.</source>
        <comment>IDS_DRAW_NOBODY_RECEIVES</comment>
        <extracomment>Why names cannot be drawn.</extracomment>
        <translation>Nikt na tej liście nie dostaje prezentu: każda osoba tylko daje prezenty.</translation>
    </message>
    <message>
        <source>Too few gifts: %1 persons receive a gift, but the givers give only %2 in all (%3 each).</source>
        <comment>IDS_DRAW_FEW_GIFTS</comment>
        <extracomment>Why names cannot be drawn. %1: persons who receive; %2: gifts given in all; %3: gifts per giver</extracomment>
        <translation>Za mało prezentów: liczba osób, które dostają prezent, to %1, a darczyńcy dają łącznie tylko %2 (po %3).</translation>
    </message>
    <message>
        <source> Persons who receive only: %1.</source>
        <comment>IDS_DRAW_RECEIVE_ONLY_COUNT</comment>
        <extracomment>Follows IDS_DRAW_FEW_GIFTS. %1: a number</extracomment>
        <translation> Osoby, które tylko dostają prezenty: %1.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Let more persons give, or raise the gifts per giver (Exchange &gt; Rules), then draw again.</source>
        <comment>IDS_DRAW_FEW_GIFTS_HINT</comment>
        <extracomment>Ends IDS_DRAW_FEW_GIFTS.</extracomment>
        <translation><byte value="xd"/>
<byte value="xd"/>
Pozwól dawać prezenty większej liczbie osób albo zwiększ liczbę prezentów na darczyńcę (Wymiana &gt; Zasady), a potem losuj ponownie.</translation>
    </message>
    <message>
        <source>The gifts of %1 (%2 in all) can go only to %3, who can take at most %4 of them.</source>
        <comment>IDS_DRAW_GIVERS_SHORT</comment>
        <extracomment>Why names cannot be drawn. %1: givers; %2: their gifts in all; %3: the persons they may give to; %4: a number</extracomment>
        <translation>Prezenty od: %1 (łącznie %2) mogą trafić tylko do: %3; te osoby mogą dostać najwyżej %4 z nich.</translation>
    </message>
    <message>
        <source>The gifts of %1 can go to nobody.</source>
        <comment>IDS_DRAW_GIVERS_SHORT_NOBODY</comment>
        <extracomment>Why names cannot be drawn. %1: givers</extracomment>
        <translation>Prezenty od: %1 nie mogą trafić do nikogo.</translation>
    </message>
    <message>
        <source>%1 must get at least %2 of the gifts, but only %3 may give to them, at most %4 in all.</source>
        <comment>IDS_DRAW_RECEIVERS_SHORT</comment>
        <extracomment>Why names cannot be drawn. %1: receivers; %2: a number; %3: givers; %4: a number</extracomment>
        <translation>Osoby: %1 muszą dostać co najmniej %2 spośród prezentów, ale dawać im prezenty mogą tylko: %3, łącznie najwyżej %4.</translation>
    </message>
    <message>
        <source>%1 must get at least %2 of the gifts, but nobody may give to them.</source>
        <comment>IDS_DRAW_RECEIVERS_SHORT_NOBODY</comment>
        <extracomment>Why names cannot be drawn. %1: receivers; %2: a number</extracomment>
        <translation>Osoby: %1 muszą dostać co najmniej %2 spośród prezentów, ale nikt nie może dać im prezentu.</translation>
    </message>
    <message>
        <source>In every drawing of this list, two persons would give to each other. Allow pairs who draw each other (Exchange &gt; Rules) or give fewer gifts each, then draw again.</source>
        <comment>IDS_DRAW_NO_MUTUAL_NONE</comment>
        <extracomment>Why names cannot be drawn.</extracomment>
        <translation>W każdym losowaniu tej listy dwie osoby dawałyby prezenty sobie nawzajem. Zezwól na wzajemne pary (Wymiana &gt; Zasady) albo zmniejsz liczbę prezentów na darczyńcę, a potem losuj ponownie.</translation>
    </message>
    <message>
        <source>%1 has %2 drawn names instead of %3</source>
        <comment>IDS_CHECK_GIFT_COUNT</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the giver; %2, %3: numbers</extracomment>
        <translation>%1 ma wylosowanych imion: %2 zamiast %3</translation>
    </message>
    <message>
        <source>%1 receives only, but has a drawn name</source>
        <comment>IDS_CHECK_RECEIVES_ONLY</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: a person</extracomment>
        <translation>%1 tylko dostaje prezenty, ale ma wylosowane imię</translation>
    </message>
    <message>
        <source>%1 gives only, but %2 drew him</source>
        <comment>IDS_CHECK_GIVES_ONLY_DRAWN</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the person drawn; %2: who drew him</extracomment>
        <translation>%1 tylko daje prezenty, ale %2 ma to imię wylosowane</translation>
    </message>
    <message>
        <source>%1 drew %2 twice</source>
        <comment>IDS_CHECK_SAME_TWICE</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the giver; %2: the person drawn</extracomment>
        <translation>%1 ma dwukrotnie wylosowane imię %2</translation>
    </message>
    <message>
        <source>%1 gets %2 gifts, where every person gets %3</source>
        <comment>IDS_CHECK_RECEIVED_COUNT</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: a person; %2: a number; %3: a number, or IDS_COUNT_OR</extracomment>
        <translation>%1 dostaje prezentów: %2, a każda osoba dostaje: %3</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>IDS_COUNT_OR</comment>
        <extracomment>Two numbers, as in &quot;1 or 2&quot;.</extracomment>
        <translation>%1 lub %2</translation>
    </message>
    <message>
        <source>Get gifts for: %1</source>
        <comment>IDS_GET_GIFTS_FOR</comment>
        <extracomment>Pass-around round, a giver with several recipients. %1: their names</extracomment>
        <translation>Kup prezenty dla: %1</translation>
    </message>
    <message>
        <source>--role takes both, gives or receives, not &quot;%1&quot;</source>
        <comment>IDS_CLI_BAD_ROLE</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. Keep the option values in English. %1: the value given</extracomment>
        <translation>--role przyjmuje both, gives albo receives, a nie „%1”</translation>
    </message>
    <message>
        <source>--gifts takes a number from 1 to %1, not &quot;%2&quot;</source>
        <comment>IDS_CLI_BAD_GIFTS</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the largest number allowed; %2: the value given</extracomment>
        <translation>--gifts przyjmuje liczbę od 1 do %1, a nie „%2”</translation>
    </message>
    <message>
        <source>gifts per giver: %1
</source>
        <comment>IDS_CLI_GIFTS_LINE</comment>
        <extracomment>kivvo-cli rules output.</extracomment>
        <translation>liczba prezentów na darczyńcę: %1
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
%1, los wybrał osoby, które obdarujesz: to %2.<byte value="xd"/>
<byte value="xd"/>
Dziękujemy.<byte value="xd"/>
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
%1, los wybrał osoby, które obdarujesz: to %2.<byte value="xd"/>
<byte value="xd"/>
Listy tego grona są zbyt długie, by cytować je w każdym e-mailu: jeśli chcesz je zobaczyć, zapytaj organizatora.<byte value="xd"/>
<byte value="xd"/>
Dziękujemy.<byte value="xd"/>
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
%1, los wybrał osoby, które obdarujesz: to %2.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Gift Suggestions for %1: %2</source>
        <comment>IDS_NOTE_SUGGESTIONS_FOR</comment>
        <extracomment>Notification e-mail, a giver with several recipients. %1: a recipient; %2: his suggestions. One line each, after the drawn names.</extracomment>
        <translation>Pomysły na prezent dla osoby %1: %2</translation>
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
        <translation>tylko daje</translation>
    </message>
    <message>
        <source>receives only</source>
        <comment>IDS_ROLE_MARK_RECEIVES</comment>
        <extracomment>Mark after a name in the list.</extracomment>
        <translation>tylko dostaje</translation>
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
        <translation>%1 tylko dostaje prezenty i nie daje żadnego: nie ma nic do przekazania.</translation>
    </message>
    <message>
        <source>Every giver gives from 1 to %1 gifts.</source>
        <comment>IDS_BAD_GIFTS</comment>
        <extracomment>Message.</extracomment>
        <translation>Każdy darczyńca daje od 1 do %1 prezentów.</translation>
    </message>
    <message>
        <source>Hand the screen to %1, then press Draw name.</source>
        <comment>IDS_STEP_HAND_TO</comment>
        <extracomment>The next step in the Draw names window, in words. &quot;Draw name&quot; is the first line of the button&apos;s text (IDS_REVEAL_DRAW). %1: the participant&apos;s name</extracomment>
        <translation>Przekaż ekran osobie %1, a potem naciśnij „Losuj imię”.</translation>
    </message>
    <message>
        <source>Press Show name to see whom %1 gives a gift to.</source>
        <comment>IDS_STEP_SHOW_FOR</comment>
        <extracomment>The next step in the View notifications window. &quot;Show name&quot; is the first line of the button&apos;s text (IDS_REVEAL_SHOW). %1: the participant&apos;s name</extracomment>
        <translation>Naciśnij „Pokaż imię”, aby zobaczyć, komu %1 daje prezent.</translation>
    </message>
    <message>
        <source>Read the name, then press Done to hide it again.</source>
        <comment>IDS_STEP_READ</comment>
        <extracomment>The next step while the drawn name is on the screen.</extracomment>
        <translation>Przeczytaj imię, a potem naciśnij „Gotowe”, aby je znowu ukryć.</translation>
    </message>
    <message>
        <source>Press Next and hand the screen to %1.</source>
        <comment>IDS_STEP_NEXT_TO</comment>
        <extracomment>The next step in the Draw names window after Done. %1: the next participant&apos;s name</extracomment>
        <translation>Naciśnij „Następny” i przekaż ekran osobie %1.</translation>
    </message>
    <message>
        <source>Press Next to go on to %1.</source>
        <comment>IDS_STEP_NEXT_SHOW</comment>
        <extracomment>The next step in the View notifications window after Done. %1: the next participant&apos;s name</extracomment>
        <translation>Naciśnij „Następny”, aby przejść do osoby %1.</translation>
    </message>
    <message>
        <source>Press Next to go on to those who have not looked yet.</source>
        <comment>IDS_STEP_GO_ON</comment>
        <translation>Naciśnij „Następny”, aby przejść do tych, którzy jeszcze nie patrzyli.</translation>
    </message>
    <message>
        <source>Press Previous to go back to those who have not looked yet.</source>
        <comment>IDS_STEP_GO_BACK</comment>
        <translation>Naciśnij „Poprzedni”, aby wrócić do tych, którzy jeszcze nie patrzyli.</translation>
    </message>
    <message>
        <source>Click OK to close this window.</source>
        <comment>IDS_STEP_CLICK_OK</comment>
        <extracomment>The last step of the Draw names window, once every name was seen.</extracomment>
        <translation>Kliknij OK, aby zamknąć to okno.</translation>
    </message>
    <message>
        <source>Everybody has seen his name.</source>
        <comment>IDS_ROUND_ALL_LOOKED</comment>
        <extracomment>Closing screen of the Draw names window.</extracomment>
        <translation>Wszyscy poznali wylosowane imiona.</translation>
    </message>
    <message>
        <source>Every name has been shown.</source>
        <comment>IDS_ROUND_ALL_SHOWN</comment>
        <extracomment>Closing screen of the View notifications window.</extracomment>
        <translation>Pokazano wszystkie imiona.</translation>
    </message>
    <message>
        <source>Not everybody has seen his name in the round. Would you like to send emails now?</source>
        <comment>IDS_ASK_SEND_NOT_ALL_LOOKED</comment>
        <extracomment>Question after a round that was ended before everybody had seen his name.</extracomment>
        <translation>Nie wszyscy poznali w rundzie wylosowane imię. Czy chcesz teraz wysłać e-maile?</translation>
    </message>
    <message>
        <source>Participant</source>
        <comment>IDS_SEND_COLUMN_PERSON</comment>
        <extracomment>Column headings of the sending window.</extracomment>
        <translation>Uczestnik</translation>
    </message>
    <message>
        <source>Address</source>
        <comment>IDS_SEND_COLUMN_ADDRESS</comment>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Outcome</source>
        <comment>IDS_SEND_COLUMN_OUTCOME</comment>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Reason</source>
        <comment>IDS_SEND_COLUMN_REASON</comment>
        <translation>Powód</translation>
    </message>
    <message>
        <source>Waiting</source>
        <comment>IDS_OUTCOME_WAITING</comment>
        <extracomment>One participant&apos;s outcome in the sending window: not yet sent.</extracomment>
        <translation>Czeka</translation>
    </message>
    <message>
        <source>Sent</source>
        <comment>IDS_OUTCOME_SENT</comment>
        <extracomment>One participant&apos;s outcome in the sending window: the server confirmed his e-mail.</extracomment>
        <translation>Wysłano</translation>
    </message>
    <message>
        <source>Skipped</source>
        <comment>IDS_OUTCOME_SKIPPED</comment>
        <extracomment>One participant&apos;s outcome in the sending window: he has no address.</extracomment>
        <translation>Pominięto</translation>
    </message>
    <message>
        <source>Failed</source>
        <comment>IDS_OUTCOME_FAILED</comment>
        <extracomment>One participant&apos;s outcome in the sending window: the server refused his e-mail.</extracomment>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Not sent</source>
        <comment>IDS_OUTCOME_NOT_SENT</comment>
        <extracomment>One participant&apos;s outcome in the sending window: sending stopped before his e-mail.</extracomment>
        <translation>Nie wysłano</translation>
    </message>
    <message>
        <source>no email address</source>
        <comment>IDS_OUTCOME_NO_ADDRESS</comment>
        <extracomment>Reason column of the sending window for a participant without an address.</extracomment>
        <translation>brak adresu e-mail</translation>
    </message>
    <message numerus="yes">
        <source>The drawing was repaired: %1 of the givers got other recipients for some of their gifts; everybody else keeps the ones he drew.</source>
        <comment>IDS_REPAIR_DONE_GIFTS</comment>
        <extracomment>After a repair of a drawing in which every giver draws several recipients.
%1: how many givers got other recipients</extracomment>
        <translation>
            <numerusform>Losowanie naprawiono: %1 z darczyńców dostał innych obdarowanych dla części swoich prezentów; pozostali zachowują swoich.</numerusform>
            <numerusform>Losowanie naprawiono: %1 z darczyńców dostało innych obdarowanych dla części swoich prezentów; pozostali zachowują swoich.</numerusform>
            <numerusform>Losowanie naprawiono: %1 z darczyńców dostało innych obdarowanych dla części swoich prezentów; pozostali zachowują swoich.</numerusform>
        </translation>
    </message>
    <message>
        <source>The list changed after its names were drawn.<byte value="xd"/>
<byte value="xd"/>
Repair the drawing: every rule is kept, and as few of the drawn names as possible change, so that only the givers concerned need to be told again. Or draw again: everybody draws anew and must be told again.</source>
        <comment>IDS_ASK_REPAIR_GIFTS</comment>
        <extracomment>Asked by Draw Names when the list changed after its names were drawn and every giver draws several recipients.</extracomment>
        <translation>Lista zmieniła się po wylosowaniu imion.<byte value="xd"/>
<byte value="xd"/>
Napraw losowanie: wszystkie reguły obowiązują, a zmienia się jak najmniej wylosowanych imion, więc ponownie trzeba powiadomić tylko tych darczyńców, których to dotyczy. Albo losuj ponownie: każdy losuje od nowa i trzeba powiadomić wszystkich.</translation>
    </message>
</context>
</TS>
