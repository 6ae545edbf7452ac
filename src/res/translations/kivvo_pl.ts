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
        <source>Sent emails to %d out of %d participants</source>
        <comment>IDS_SENT_SUMMARY</comment>
        <translation>
            <numerusform>Wysłano e-maile do %d z %d uczestnika</numerusform>
            <numerusform>Wysłano e-maile do %d z %d uczestników</numerusform>
            <numerusform>Wysłano e-maile do %d z %d uczestników</numerusform>
        </translation>
    </message>
    <message>
        <source>Error sending to [%s] email address [%s]</source>
        <comment>IDS_SEND_ERROR</comment>
        <translation>Błąd wysyłania do [%s] na adres [%s]</translation>
    </message>
    <message>
        <source>Email sent to: %s<byte value="xd"/>
address: %s</source>
        <comment>IDS_EMAIL_SENT</comment>
        <translation>Wysłano e-mail do: %s<byte value="xd"/>
adres: %s</translation>
    </message>
    <message>
        <source>The mail server %s could not be reached or refused the login.<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
Check the mail settings (Settings &gt; Configure, or kivvo-cli config).</source>
        <comment>IDS_LOGON_ERROR</comment>
        <translation>Nie można połączyć się z serwerem poczty %s albo serwer odrzucił logowanie.<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
Sprawdź ustawienia poczty (Ustawienia &gt; Konfiguruj albo kivvo-cli config).</translation>
    </message>
    <message>
        <source>No drawing was found for this list.<byte value="xd"/>
<byte value="xd"/>
%s</source>
        <comment>IDS_DRAWING_ERROR</comment>
        <translation>Nie znaleziono losowania dla tej listy.<byte value="xd"/>
<byte value="xd"/>
%s</translation>
    </message>
    <message>
        <source>The address book %s cannot be read: %s</source>
        <comment>IDS_CONTACTS_LOGIN_ERROR</comment>
        <translation>Nie można odczytać książki adresowej %s: %s</translation>
    </message>
    <message>
        <source>The address book %s cannot be read: %s</source>
        <comment>IDS_CONTACTS_CLSID_ERROR</comment>
        <translation>Nie można odczytać książki adresowej %s: %s</translation>
    </message>
    <message>
        <source>The address book %s cannot be opened: %s</source>
        <comment>IDS_CONTACTS_CREATE_ERROR</comment>
        <translation>Nie można otworzyć książki adresowej %s: %s</translation>
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
        <source>%s %s</source>
        <comment>IDS_UNIQUE_WITH_INITIAL</comment>
        <translation>%s %s</translation>
    </message>
    <message>
        <source>%s%d</source>
        <comment>IDS_UNIQUE_WITH_NUMBER</comment>
        <translation>%s%d</translation>
    </message>
    <message>
        <source>People</source>
        <comment>IDS_ROOT_PLACEHOLDER</comment>
        <translation>Osoby</translation>
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
        <source>Hi %s!<byte value="xd"/>
<byte value="xd"/>
This is your automatic kivvo name drawing message<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>IDS_NOTE_GREETING</comment>
        <translation>Cześć, %s!<byte value="xd"/>
<byte value="xd"/>
To automatyczna wiadomość z losowania Kivvo.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>This message is for %s only.<byte value="xd"/>
Please do not read further if you are not the designated person.<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>IDS_NOTE_PRIVACY</comment>
        <translation>Tę wiadomość może przeczytać wyłącznie %s.<byte value="xd"/>
Jeśli to nie Ty, prosimy, nie czytaj dalej.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>In the previous exchange you gave a gift to: %s.<byte value="xd"/>
You will not draw the same name in this exchange.<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>IDS_NOTE_PREVIOUS_GIFT</comment>
        <translation>W poprzedniej wymianie osoba obdarowana przez Ciebie to %s.<byte value="xd"/>
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
The name randomly drawn for %s to give a gift to is %s.<byte value="xd"/>
<byte value="xd"/>
Thank you.<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>IDS_NOTE_DRAWN_NAME</comment>
        <translation><byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
%s, los wybrał osobę, którą obdarujesz: to %s.<byte value="xd"/>
<byte value="xd"/>
Dziękujemy.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Gift Suggestions: %s<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>IDS_NOTE_SUGGESTIONS</comment>
        <translation><byte value="xd"/>
<byte value="xd"/>
Pomysły na prezent: %s<byte value="xd"/>
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
for %s</source>
        <comment>IDS_REVEAL_DRAW</comment>
        <translation>Losuj imię
(%s)</translation>
    </message>
    <message>
        <source>Show name
for %s</source>
        <comment>IDS_REVEAL_SHOW</comment>
        <translation>Pokaż imię
(%s)</translation>
    </message>
    <message>
        <source>Name already shown
 for %s</source>
        <comment>IDS_REVEAL_SHOWN</comment>
        <translation>Imię już pokazane
 (%s)</translation>
    </message>
    <message>
        <source>Draw Name
for XXXXX</source>
        <comment>IDS_REVEAL_INITIAL</comment>
        <translation>Losuj imię
(XXXXX)</translation>
    </message>
    <message>
        <source>Get gift for: %s</source>
        <comment>IDS_GET_GIFT_FOR</comment>
        <translation>Kup prezent dla: %s</translation>
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
        <source>Save changes to %s?</source>
        <comment>IDS_ASK_SAVE_CHANGES</comment>
        <translation>Czy zapisać zmiany w dokumencie %s?</translation>
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
        <source>No Kivvo documents in %s yet. Choose New to start one.</source>
        <comment>IDS_DOCLIST_EMPTY</comment>
        <translation>W folderze %s nie ma jeszcze dokumentów Kivvo. Wybierz „Nowy”, aby utworzyć dokument.</translation>
    </message>
    <message>
        <source>%s[*] - Kivvo</source>
        <comment>IDS_WINDOW_TITLE</comment>
        <translation>%s[*] - Kivvo</translation>
    </message>
    <message>
        <source>%s %s</source>
        <comment>IDS_PROGRAM_VERSION</comment>
        <translation>%s %s</translation>
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
        <source>kivvo: %s; see kivvo --help</source>
        <comment>IDS_GUI_WRONG_ARGUMENTS</comment>
        <translation>kivvo: %s; zobacz kivvo --help</translation>
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
        <source>This document already holds %d drawings, the most one document can keep.<byte value="xd"/>
<byte value="xd"/>
Nothing was copied. Start a new document for the next exchange.</source>
        <comment>IDS_TOO_MANY_LISTS</comment>
        <translation>
            <numerusform>Ten dokument zawiera już %d losowanie, czyli najwięcej, ile może pomieścić jeden dokument.<byte value="xd"/>
<byte value="xd"/>
Nic nie zostało skopiowane. Następną wymianę zacznij w nowym dokumencie.</numerusform>
            <numerusform>Ten dokument zawiera już %d losowania, czyli najwięcej, ile może pomieścić jeden dokument.<byte value="xd"/>
<byte value="xd"/>
Nic nie zostało skopiowane. Następną wymianę zacznij w nowym dokumencie.</numerusform>
            <numerusform>Ten dokument zawiera już %d losowań, czyli najwięcej, ile może pomieścić jeden dokument.<byte value="xd"/>
<byte value="xd"/>
Nic nie zostało skopiowane. Następną wymianę zacznij w nowym dokumencie.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%s&quot;:<byte value="xd"/>
%s</source>
        <comment>IDS_FILE_OPEN_ERROR</comment>
        <translation>Nie można otworzyć pliku „%s”:<byte value="xd"/>
%s</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%s&quot;:<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
Nothing was opened.</source>
        <comment>IDS_FILE_READ_ERROR</comment>
        <translation>Nie można odczytać pliku „%s”:<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
Niczego nie otwarto.</translation>
    </message>
    <message>
        <source>Cannot save the file &quot;%s&quot;:<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
The file on disk was not changed.</source>
        <comment>IDS_FILE_SAVE_ERROR</comment>
        <translation>Nie można zapisać pliku „%s”:<byte value="xd"/>
%s<byte value="xd"/>
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
        <source>%s</source>
        <comment>IDS_ERR_DEVICE</comment>
        <translation>%s</translation>
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
        <source>The file is %d bytes long, more than the %d bytes any file of this program may have; it was not read.</source>
        <comment>IDS_ERR_FILE_TOO_LARGE</comment>
        <translation>Rozmiar pliku to %d B, a żaden plik tego programu nie może przekraczać %d B; plik nie został odczytany.</translation>
    </message>
    <message>
        <source>A text is %d characters long, more than the %d characters a name, address or other text may have.</source>
        <comment>IDS_ERR_TEXT_TOO_LONG</comment>
        <translation>Długość tekstu to %d zn., a imię, adres czy inny tekst może mieć najwyżej %d zn.</translation>
    </message>
    <message>
        <source>Cannot read the settings file &quot;%s&quot;:<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
The default settings are used; the file was not changed.</source>
        <comment>IDS_SETTINGS_READ_ERROR</comment>
        <translation>Nie można odczytać pliku ustawień „%s”:<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
Użyto ustawień domyślnych; plik nie został zmieniony.</translation>
    </message>
    <message>
        <source>&quot;%s&quot; was changed on disk by another program since it was opened or last saved.<byte value="xd"/>
<byte value="xd"/>
Save anyway and replace the other program&apos;s changes?</source>
        <comment>IDS_ASK_OVERWRITE_CHANGED</comment>
        <translation>Plik „%s” został zmieniony na dysku przez inny program od czasu otwarcia lub ostatniego zapisu.<byte value="xd"/>
<byte value="xd"/>
Zapisać mimo to i zastąpić zmiany wprowadzone przez inny program?</translation>
    </message>
    <message>
        <source>kivvo-cli: &quot;%s&quot; is being changed by another program (lock file &quot;%s&quot;); nothing was changed. Try again later.</source>
        <comment>IDS_CLI_LOCKED</comment>
        <translation>kivvo-cli: dokument „%s” jest właśnie zmieniany przez inny program (plik blokady „%s”); niczego nie zmieniono. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>kivvo-cli: cannot create the lock file &quot;%s&quot; beside the document: %s; nothing was changed.</source>
        <comment>IDS_CLI_LOCK_ERROR</comment>
        <translation>kivvo-cli: nie można utworzyć pliku blokady „%s” obok dokumentu: %s; niczego nie zmieniono.</translation>
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
                                adds a person to the newest drawing
  add-group FILE NAME           adds a group to the newest drawing
  remove FILE NAME              removes the first person, else the first group, of that name
  rename-list FILE NAME         renames the newest drawing
  draw FILE [--yes]             draws names in the newest drawing and saves
  check FILE                    whether the newest drawing can be drawn, and if not why
  copy FILE [--yes]             copies the newest drawing for the next exchange and saves
  exclude FILE GIVER RECIPIENT [--both] [--remove]
                                GIVER never draws RECIPIENT in the newest drawing (--both:
                                nor RECIPIENT GIVER); --remove lifts it again
  rules FILE [--history N|all] [--no-mutual on|off] [--one-circle on|off]
                                shows the rules and exclusions, or changes the rules
  import FILE SOURCE [--group GROUP]
                                adds the participants of a CSV or vCard file to the newest
                                drawing; names it has already are left out
  export FILE --csv OUT [--list N]
                                writes the persons of drawing N as CSV, never the drawn names
  set FILE PERSON [--name N] [--address A] [--suggestions S]
                                changes a person of the newest drawing
  move FILE PERSON (--group GROUP | --top)
                                moves a person into a group, or out of it
  notification FILE PERSON [--list N] [--language CODE]
                                the e-mail text for a person of drawing N
  send FILE [--yes] [--person NAME] [--language CODE]
                                sends the notifications of the newest drawing, or one
  cards FILE --pdf OUT.pdf [--person NAME] [--language CODE]
                                paper cards of the newest drawing, four to an A4 page
  details FILE [--date YYYY-MM-DD] [--budget T] [--place T] [--note T]
                                shows the date, budget, place and note of the newest
                                drawing, or changes them; an empty value clears one
  config [--server H] [--port N] [--from A] [--user U] [--password [P]]
         [--password-stdin] [--footer T]
                                shows the mail settings, or changes them; --password
                                without a value asks on the terminal
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
                                dodaje osobę do najnowszego losowania
  add-group FILE NAME           dodaje grupę do najnowszego losowania
  remove FILE NAME              usuwa pierwszą osobę o tej nazwie, a jeśli jej nie ma,
                                pierwszą grupę o tej nazwie
  rename-list FILE NAME         zmienia nazwę najnowszego losowania
  draw FILE [--yes]             losuje imiona w najnowszym losowaniu i zapisuje
  check FILE                    czy najnowsze losowanie da się przeprowadzić, a jeśli nie,
                                to dlaczego
  copy FILE [--yes]             kopiuje najnowsze losowanie na następną wymianę i zapisuje
  exclude FILE GIVER RECIPIENT [--both] [--remove]
                                GIVER nigdy nie losuje RECIPIENT w najnowszym losowaniu
                                (--both: ani RECIPIENT nie losuje GIVER); --remove znosi
                                to wykluczenie
  rules FILE [--history N|all] [--no-mutual on|off] [--one-circle on|off]
                                pokazuje zasady i wykluczenia albo zmienia zasady
  import FILE SOURCE [--group GROUP]
                                dodaje uczestników z pliku CSV lub vCard do najnowszego
                                losowania; imiona, które już w nim są, zostają pominięte
  export FILE --csv OUT [--list N]
                                zapisuje osoby z losowania N w CSV, bez wylosowanych imion
  set FILE PERSON [--name N] [--address A] [--suggestions S]
                                zmienia dane osoby w najnowszym losowaniu
  move FILE PERSON (--group GROUP | --top)
                                przenosi osobę do grupy albo poza grupę
  notification FILE PERSON [--list N] [--language CODE]
                                tekst e-maila dla osoby z losowania N
  send FILE [--yes] [--person NAME] [--language CODE]
                                wysyła powiadomienia z najnowszego losowania (wszystkie
                                albo jedno)
  cards FILE --pdf OUT.pdf [--person NAME] [--language CODE]
                                papierowe karty z najnowszego losowania, cztery na stronie A4
  details FILE [--date YYYY-MM-DD] [--budget T] [--place T] [--note T]
                                pokazuje datę, budżet, miejsce i notatkę najnowszego
                                losowania albo je zmienia; pusta wartość usuwa pozycję
  config [--server H] [--port N] [--from A] [--user U] [--password [P]]
         [--password-stdin] [--footer T]
                                pokazuje ustawienia poczty albo je zmienia; --password
                                bez wartości pyta o hasło w terminalu
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
        <source>kivvo-cli: unknown command &quot;%s&quot;; see kivvo-cli --help</source>
        <comment>IDS_CLI_UNKNOWN_COMMAND</comment>
        <translation>kivvo-cli: nieznane polecenie „%s”; zobacz kivvo-cli --help</translation>
    </message>
    <message>
        <source>kivvo-cli: %s; see kivvo-cli --help</source>
        <comment>IDS_CLI_WRONG_ARGUMENTS</comment>
        <translation>kivvo-cli: %s; zobacz kivvo-cli --help</translation>
    </message>
    <message>
        <source>kivvo-cli: &quot;%s&quot; exists already; it is not overwritten</source>
        <comment>IDS_CLI_FILE_EXISTS</comment>
        <translation>kivvo-cli: plik „%s” już istnieje; nie zostanie nadpisany</translation>
    </message>
    <message>
        <source>kivvo-cli: the document has no drawing number %d (it has %d)</source>
        <comment>IDS_CLI_NO_SUCH_LIST</comment>
        <translation>kivvo-cli: dokument nie ma losowania numer %d (liczba losowań: %d)</translation>
    </message>
    <message>
        <source>kivvo-cli: the newest drawing has no group named &quot;%s&quot;</source>
        <comment>IDS_CLI_NO_SUCH_GROUP</comment>
        <translation>kivvo-cli: w najnowszym losowaniu nie ma grupy o nazwie „%s”</translation>
    </message>
    <message>
        <source>kivvo-cli: the newest drawing has no person or group named &quot;%s&quot;</source>
        <comment>IDS_CLI_NO_SUCH_ENTRY</comment>
        <translation>kivvo-cli: w najnowszym losowaniu nie ma osoby ani grupy o nazwie „%s”</translation>
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
        <source>Names drawn for %d persons; &quot;%s&quot; saved</source>
        <comment>IDS_CLI_DRAWN</comment>
        <translation>
            <numerusform>Wylosowano imiona dla %d osoby; zapisano „%s”</numerusform>
            <numerusform>Wylosowano imiona dla %d osób; zapisano „%s”</numerusform>
            <numerusform>Wylosowano imiona dla %d osób; zapisano „%s”</numerusform>
        </translation>
    </message>
    <message>
        <source>kivvo-cli: nothing was copied; the file was not changed</source>
        <comment>IDS_CLI_NOT_COPIED</comment>
        <translation>kivvo-cli: niczego nie skopiowano; plik nie został zmieniony</translation>
    </message>
    <message>
        <source>&quot;%s&quot; added; &quot;%s&quot; saved</source>
        <comment>IDS_CLI_COPIED</comment>
        <translation>Dodano „%s”; zapisano „%s”</translation>
    </message>
    <message>
        <source> [y/N] </source>
        <comment>IDS_CLI_QUESTION_SUFFIX</comment>
        <translation> [y/N] </translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a number</source>
        <comment>IDS_CLI_BAD_NUMBER</comment>
        <translation>„%s” nie jest liczbą</translation>
    </message>
    <message>
        <source>Removed &quot;%s&quot;</source>
        <comment>IDS_CLI_REMOVED</comment>
        <translation>Usunięto „%s”</translation>
    </message>
    <message>
        <source>Created &quot;%s&quot;</source>
        <comment>IDS_CLI_CREATED</comment>
        <translation>Utworzono „%s”</translation>
    </message>
    <message>
        <source>kivvo-cli: drawing %d has no person named &quot;%s&quot;</source>
        <comment>IDS_CLI_NO_SUCH_PERSON</comment>
        <translation>kivvo-cli: w losowaniu %d nie ma osoby o imieniu „%s”</translation>
    </message>
    <message>
        <source>kivvo-cli: %s has no e-mail address; nothing was sent</source>
        <comment>IDS_CLI_NO_ADDRESS</comment>
        <translation>kivvo-cli: %s nie ma adresu e-mail; niczego nie wysłano</translation>
    </message>
    <message>
        <source>kivvo-cli: not every notification was sent</source>
        <comment>IDS_CLI_NOT_SENT</comment>
        <translation>kivvo-cli: nie wszystkie powiadomienia zostały wysłane</translation>
    </message>
    <message>
        <source>server: %s
port: %d
from: %s
user: %s
password: %s
footer: %s
settings file: %s
</source>
        <comment>IDS_CLI_SETTINGS</comment>
        <translation>serwer: %s
port: %d
nadawca: %s
użytkownik: %s
hasło: %s
stopka: %s
plik ustawień: %s
</translation>
    </message>
    <message>
        <source>Settings saved to &quot;%s&quot;</source>
        <comment>IDS_CLI_SETTINGS_SAVED</comment>
        <translation>Zapisano ustawienia w „%s”</translation>
    </message>
    <message>
        <source>kivvo-cli: the settings could not be saved to &quot;%s&quot;: %s; the file was not changed</source>
        <comment>IDS_CLI_SETTINGS_NOT_SAVED</comment>
        <translation>kivvo-cli: nie można zapisać ustawień w „%s”: %s; plik nie został zmieniony</translation>
    </message>
    <message>
        <source>the port must be a number from 1 to 65535, not &quot;%s&quot;</source>
        <comment>IDS_CLI_BAD_PORT</comment>
        <translation>port musi być liczbą od 1 do 65535, a nie „%s”</translation>
    </message>
    <message>
        <source>address: %s
first name: %s
last name: %s
</source>
        <comment>IDS_CLI_LOOKUP</comment>
        <translation>adres: %s
imię: %s
nazwisko: %s
</translation>
    </message>
    <message>
        <source>kivvo-cli: no address-book entry matches &quot;%s&quot;</source>
        <comment>IDS_CLI_NO_CONTACT</comment>
        <translation>kivvo-cli: żaden wpis w książce adresowej nie pasuje do „%s”</translation>
    </message>
    <message>
        <source>%s can only give to %s.</source>
        <comment>IDS_DRAW_BLOCKED</comment>
        <translation>%s: prezent może trafić tylko do: %s.</translation>
    </message>
    <message>
        <source>%s cannot give to anybody.</source>
        <comment>IDS_DRAW_BLOCKED_NOBODY</comment>
        <translation>%s: prezent nie może trafić do nikogo.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
What blocks them: %s. Change the groups or add persons, then draw again.</source>
        <comment>IDS_DRAW_BLOCKING_RULES</comment>
        <translation><byte value="xd"/>
<byte value="xd"/>
Przeszkadzają w tym zasady: %s. Zmień grupy lub dodaj osoby, a potem losuj ponownie.</translation>
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
        <source>%s and %s</source>
        <comment>IDS_NAMES_LAST</comment>
        <translation>%s i %s</translation>
    </message>
    <message numerus="yes">
        <source>%s and %d others</source>
        <comment>IDS_NAMES_OTHERS</comment>
        <translation>
            <numerusform>%s i %d inna osoba</numerusform>
            <numerusform>%s i %d inne osoby</numerusform>
            <numerusform>%s i %d innych osób</numerusform>
        </translation>
    </message>
    <message>
        <source>The drawn names no longer match the list: %s.<byte value="xd"/>
<byte value="xd"/>
Please draw names again. Nothing has been shown or sent.</source>
        <comment>IDS_DRAWING_INVALID</comment>
        <translation>Wylosowane imiona nie pasują już do listy: %s.<byte value="xd"/>
<byte value="xd"/>
Wylosuj imiona ponownie. Niczego nie pokazano ani nie wysłano.</translation>
    </message>
    <message>
        <source>%s has no drawn name</source>
        <comment>IDS_CHECK_NO_NAME</comment>
        <translation>%s nie ma wylosowanego imienia</translation>
    </message>
    <message>
        <source>%s, drawn by %s, is no longer in the list</source>
        <comment>IDS_CHECK_GONE</comment>
        <translation>imienia %s (losujący: %s) nie ma już na liście</translation>
    </message>
    <message>
        <source>%s, drawn by %s, is the name of more than one person</source>
        <comment>IDS_CHECK_AMBIGUOUS</comment>
        <translation>imię %s (losujący: %s) nosi więcej niż jedna osoba</translation>
    </message>
    <message>
        <source>%s is drawn by both %s and %s</source>
        <comment>IDS_CHECK_TWICE</comment>
        <translation>imię %s wylosowano dwa razy (losujący: %s i %s)</translation>
    </message>
    <message>
        <source>%s drew himself</source>
        <comment>IDS_CHECK_HIMSELF</comment>
        <translation>%s ma wylosowane własne imię</translation>
    </message>
    <message>
        <source>%s drew %s of his own group</source>
        <comment>IDS_CHECK_OWN_GROUP</comment>
        <translation>%s ma wylosowane imię %s z własnej grupy</translation>
    </message>
    <message>
        <source>%s drew %s, the person he gave to last time</source>
        <comment>IDS_CHECK_LAST_TIME</comment>
        <translation>%s ma wylosowane imię %s, swojego odbiorcy z poprzedniej wymiany</translation>
    </message>
    <message>
        <source>a person of the list has no name</source>
        <comment>IDS_CHECK_NAMELESS</comment>
        <translation>jedna z osób na liście nie ma imienia</translation>
    </message>
    <message numerus="yes">
        <source>and %d more</source>
        <comment>IDS_CHECK_MORE</comment>
        <translation>
            <numerusform>i jeszcze %d</numerusform>
            <numerusform>i jeszcze %d</numerusform>
            <numerusform>i jeszcze %d</numerusform>
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
        <source>nobody draws a person he gave to in the last %d exchanges</source>
        <comment>IDS_RULE_HISTORY</comment>
        <translation>
            <numerusform>nikt nie losuje swojego odbiorcy z ostatniej %d wymiany</numerusform>
            <numerusform>nikt nie losuje swojego odbiorcy z ostatnich %d wymian</numerusform>
            <numerusform>nikt nie losuje swojego odbiorcy z ostatnich %d wymian</numerusform>
        </translation>
    </message>
    <message>
        <source>%s never draws %s</source>
        <comment>IDS_RULE_EXCLUDED</comment>
        <translation>%s nigdy nie losuje: %s</translation>
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
What blocks them: %s. Change the groups, the exclusions or the rules (Exchange &gt; Rules), or add persons, then draw again.</source>
        <comment>IDS_DRAW_BLOCKING_RULES_EDIT</comment>
        <translation><byte value="xd"/>
<byte value="xd"/>
Przeszkadzają w tym zasady: %s. Zmień grupy, wykluczenia lub zasady (Wymiana &gt; Zasady) albo dodaj osoby, a potem losuj ponownie.</translation>
    </message>
    <message>
        <source>%s drew %s, whom he never draws</source>
        <comment>IDS_CHECK_EXCLUDED</comment>
        <translation>%s ma wylosowane imię %s, choć ta osoba jest wykluczona</translation>
    </message>
    <message numerus="yes">
        <source>%s drew %s, whom he gave to in the last %d exchanges</source>
        <comment>IDS_CHECK_HISTORY</comment>
        <translation>
            <numerusform>%s ma wylosowane imię %s, swojego odbiorcy z ostatniej %d wymiany</numerusform>
            <numerusform>%s ma wylosowane imię %s, swojego odbiorcy z ostatnich %d wymian</numerusform>
            <numerusform>%s ma wylosowane imię %s, swojego odbiorcy z ostatnich %d wymian</numerusform>
        </translation>
    </message>
    <message>
        <source>%s and %s draw each other</source>
        <comment>IDS_CHECK_MUTUAL</comment>
        <translation>%s i %s dają prezenty sobie nawzajem</translation>
    </message>
    <message>
        <source>the gifts do not go round in one single circle</source>
        <comment>IDS_CHECK_NOT_ONE_CIRCLE</comment>
        <translation>prezenty nie krążą w jednym zamkniętym kręgu</translation>
    </message>
    <message numerus="yes">
        <source>%d more exclusions</source>
        <comment>IDS_EXCLUSIONS_MORE</comment>
        <translation>
            <numerusform>jeszcze %d wykluczenie</numerusform>
            <numerusform>jeszcze %d wykluczenia</numerusform>
            <numerusform>jeszcze %d wykluczeń</numerusform>
        </translation>
    </message>
    <message>
        <source>%s can only give to each other.</source>
        <comment>IDS_DRAW_EACH_OTHER</comment>
        <translation>%s mogą dawać prezenty tylko sobie nawzajem.</translation>
    </message>
    <message>
        <source>%s can only give to each other, and no way of doing so keeps every rule.</source>
        <comment>IDS_DRAW_EACH_OTHER_NO_WAY</comment>
        <translation>%s mogą dawać prezenty tylko sobie nawzajem, a żaden taki układ nie spełnia wszystkich zasad.</translation>
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
        <source>The file&apos;s rules and exclusions are in format %d, which a newer version of Kivvo wrote; this version reads format %d.</source>
        <comment>IDS_ERR_EXT_NEWER</comment>
        <translation>Zasady i wykluczenia w pliku są zapisane w formacie %d, pochodzącym z nowszej wersji Kivvo; ta wersja odczytuje format %d.</translation>
    </message>
    <message>
        <source>The file&apos;s rules and exclusions are damaged (in section %d).</source>
        <comment>IDS_ERR_EXT_DAMAGED</comment>
        <translation>Zasady i wykluczenia w pliku są uszkodzone (w sekcji %d).</translation>
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
        <source>line %d opens a quoted field that is never closed</source>
        <comment>IDS_CSV_OPEN_QUOTE</comment>
        <translation>w wierszu %d pole w cudzysłowie nie zostało zamknięte</translation>
    </message>
    <message>
        <source>Cannot import participants from &quot;%s&quot;: %s.</source>
        <comment>IDS_IMPORT_UNREADABLE</comment>
        <translation>Nie można zaimportować uczestników z „%s”: %s.</translation>
    </message>
    <message>
        <source>line %d has more than %d fields (name, address, suggestions, group)</source>
        <comment>IDS_IMPORT_TOO_MANY_FIELDS</comment>
        <translation>wiersz %d ma za dużo pól (najwyżej %d: imię, adres, pomysły na prezent, grupa)</translation>
    </message>
    <message>
        <source>line %d holds a text longer than any Kivvo keeps</source>
        <comment>IDS_IMPORT_TOO_LONG</comment>
        <translation>wiersz %d zawiera tekst dłuższy, niż Kivvo może przechować</translation>
    </message>
    <message>
        <source>line %d has no name</source>
        <comment>IDS_IMPORT_NO_NAME</comment>
        <translation>wiersz %d nie zawiera imienia</translation>
    </message>
    <message>
        <source>Already in the list, so not imported again: %s</source>
        <comment>IDS_IMPORT_DUPLICATES</comment>
        <translation>Nie zaimportowano ponownie, bo są już na liście: %s</translation>
    </message>
    <message>
        <source>kivvo-cli: nobody new to import</source>
        <comment>IDS_IMPORT_NOTHING</comment>
        <translation>kivvo-cli: nie ma nikogo nowego do zaimportowania</translation>
    </message>
    <message numerus="yes">
        <source>Imported %d participants into &quot;%s&quot;</source>
        <comment>IDS_IMPORT_DONE</comment>
        <translation>
            <numerusform>Zaimportowano %d uczestnika do „%s”</numerusform>
            <numerusform>Zaimportowano %d uczestników do „%s”</numerusform>
            <numerusform>Zaimportowano %d uczestników do „%s”</numerusform>
        </translation>
    </message>
    <message>
        <source>export needs --csv OUT, the file to write</source>
        <comment>IDS_EXPORT_NEEDS_CSV</comment>
        <translation>export wymaga --csv OUT, czyli pliku do zapisania</translation>
    </message>
    <message>
        <source>kivvo-cli: cannot write &quot;%s&quot;: %s</source>
        <comment>IDS_EXPORT_FAILED</comment>
        <translation>kivvo-cli: nie można zapisać „%s”: %s</translation>
    </message>
    <message numerus="yes">
        <source>%d persons written to &quot;%s&quot;</source>
        <comment>IDS_EXPORT_DONE</comment>
        <translation>
            <numerusform>Zapisano %d osobę w „%s”</numerusform>
            <numerusform>Zapisano %d osoby w „%s”</numerusform>
            <numerusform>Zapisano %d osób w „%s”</numerusform>
        </translation>
    </message>
    <message>
        <source>The name &quot;%s&quot; is taken already in this list, so the person is named &quot;%s&quot;.</source>
        <comment>IDS_NAME_MADE_UNIQUE</comment>
        <translation>Imię „%s” jest już zajęte na tej liście, więc osoba otrzymała imię „%s”.</translation>
    </message>
    <message>
        <source>move takes either --group GROUP or --top</source>
        <comment>IDS_MOVE_NEEDS_TARGET</comment>
        <translation>move przyjmuje --group GROUP albo --top</translation>
    </message>
    <message>
        <source>%s moved into %s</source>
        <comment>IDS_MOVED_TO_GROUP</comment>
        <translation>%s: przeniesiono do grupy %s</translation>
    </message>
    <message>
        <source>%s moved out of his group</source>
        <comment>IDS_MOVED_TO_TOP</comment>
        <translation>%s: przeniesiono poza grupę</translation>
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
        <source>&quot;%s&quot; is nobody of this list.</source>
        <comment>IDS_PERSON_UNKNOWN_NAME</comment>
        <translation>Na tej liście nie ma nikogo o imieniu „%s”.</translation>
    </message>
    <message>
        <source>Nobody draws himself anyway; leave out &quot;%s&quot;.</source>
        <comment>IDS_PERSON_SELF_EXCLUDED</comment>
        <translation>I tak nikt nie losuje samego siebie; usuń „%s”.</translation>
    </message>
    <message>
        <source>Never draws some persons of the list</source>
        <comment>IDS_TIP_HAS_EXCLUSIONS</comment>
        <translation>Nigdy nie losuje niektórych osób z listy</translation>
    </message>
    <message>
        <source>history: %s
no mutual pairs: %s
one circle: %s
</source>
        <comment>IDS_CLI_RULES</comment>
        <translation>historia: %s
bez wzajemnych par: %s
jeden krąg: %s
</translation>
    </message>
    <message>
        <source>0 (the recipients of earlier exchanges may be drawn again)</source>
        <comment>IDS_CLI_HISTORY_NONE</comment>
        <translation>0 (odbiorców z wcześniejszych wymian można wylosować ponownie)</translation>
    </message>
    <message>
        <source>%d (%s)</source>
        <comment>IDS_CLI_HISTORY</comment>
        <translation>%d (%s)</translation>
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
        <source>exclusions in &quot;%s&quot;:
</source>
        <comment>IDS_CLI_EXCLUSIONS_IN</comment>
        <translation>wykluczenia w „%s”:
</translation>
    </message>
    <message>
        <source>no exclusions in &quot;%s&quot;
</source>
        <comment>IDS_CLI_NO_EXCLUSIONS</comment>
        <translation>brak wykluczeń w „%s”
</translation>
    </message>
    <message>
        <source>%s may draw %s again</source>
        <comment>IDS_CLI_EXCLUSION_REMOVED</comment>
        <translation>%s może znów wylosować: %s</translation>
    </message>
    <message>
        <source>kivvo-cli: %s is not kept from drawing %s</source>
        <comment>IDS_CLI_NO_SUCH_EXCLUSION</comment>
        <translation>kivvo-cli: nie ustawiono, że %s nigdy nie losuje: %s</translation>
    </message>
    <message>
        <source>--%s takes on or off, not &quot;%s&quot;</source>
        <comment>IDS_CLI_BAD_SWITCH</comment>
        <translation>--%s przyjmuje on albo off, a nie „%s”</translation>
    </message>
    <message>
        <source>--history takes a number from 0 to %d, or all, not &quot;%s&quot;</source>
        <comment>IDS_CLI_BAD_HISTORY</comment>
        <translation>--history przyjmuje liczbę od 0 do %d albo all, a nie „%s”</translation>
    </message>
    <message>
        <source>kivvo-cli: %s already never draws %s</source>
        <comment>IDS_CLI_EXCLUSION_KNOWN</comment>
        <translation>kivvo-cli: już ustawiono, że %s nigdy nie losuje: %s</translation>
    </message>
    <message>
        <source>A person of the list has no name; name every person, then draw again.</source>
        <comment>IDS_DRAW_NAMELESS</comment>
        <translation>Jedna z osób na liście nie ma imienia; nadaj imię każdej osobie, a potem losuj ponownie.</translation>
    </message>
    <message>
        <source>cannot connect to %s port %d: %s</source>
        <comment>IDS_SMTP_NO_CONNECTION</comment>
        <translation>nie można połączyć się z %s na porcie %d: %s</translation>
    </message>
    <message>
        <source>the server did not accept this program as a client: %s</source>
        <comment>IDS_SMTP_NO_GREETING</comment>
        <translation>serwer nie przyjął tego programu jako klienta: %s</translation>
    </message>
    <message>
        <source>the encrypted connection (TLS) failed: %s</source>
        <comment>IDS_SMTP_TLS_FAILED</comment>
        <translation>nie udało się nawiązać szyfrowanego połączenia (TLS): %s</translation>
    </message>
    <message>
        <source>the server offers no encryption (STARTTLS), and the password is only ever sent encrypted</source>
        <comment>IDS_SMTP_NO_TLS</comment>
        <translation>serwer nie oferuje szyfrowania (STARTTLS), a hasło jest wysyłane wyłącznie w postaci zaszyfrowanej</translation>
    </message>
    <message>
        <source>the server refused the login: %s; check the user name and the password</source>
        <comment>IDS_SMTP_LOGIN_REFUSED</comment>
        <translation>serwer odrzucił logowanie: %s; sprawdź nazwę użytkownika i hasło</translation>
    </message>
    <message>
        <source>the server offers no login method this program knows (PLAIN or LOGIN)</source>
        <comment>IDS_SMTP_NO_LOGIN_METHOD</comment>
        <translation>serwer nie oferuje żadnej metody logowania znanej temu programowi (PLAIN lub LOGIN)</translation>
    </message>
    <message>
        <source>the server wants a login: %s; enter the user name and the password</source>
        <comment>IDS_SMTP_LOGIN_REQUIRED</comment>
        <translation>serwer wymaga zalogowania: %s; wpisz nazwę użytkownika i hasło</translation>
    </message>
    <message>
        <source>the server refused the sender address %s: %s</source>
        <comment>IDS_SMTP_SENDER_REFUSED</comment>
        <translation>serwer odrzucił adres nadawcy %s: %s</translation>
    </message>
    <message>
        <source>the server refused the address %s: %s</source>
        <comment>IDS_SMTP_RECIPIENT_REFUSED</comment>
        <translation>serwer odrzucił adres %s: %s</translation>
    </message>
    <message>
        <source>the server refused the message: %s</source>
        <comment>IDS_SMTP_MESSAGE_REFUSED</comment>
        <translation>serwer odrzucił wiadomość: %s</translation>
    </message>
    <message numerus="yes">
        <source>the server did not answer within %d seconds</source>
        <comment>IDS_SMTP_TIMED_OUT</comment>
        <translation>
            <numerusform>serwer nie odpowiedział w ciągu %d sekundy</numerusform>
            <numerusform>serwer nie odpowiedział w ciągu %d sekund</numerusform>
            <numerusform>serwer nie odpowiedział w ciągu %d sekund</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the server did not confirm the message within %d seconds; it may have arrived, so it is not sent again</source>
        <comment>IDS_SMTP_UNCONFIRMED</comment>
        <translation>
            <numerusform>serwer nie potwierdził wiadomości w ciągu %d sekundy; mogła ona dotrzeć, więc nie zostanie wysłana ponownie</numerusform>
            <numerusform>serwer nie potwierdził wiadomości w ciągu %d sekund; mogła ona dotrzeć, więc nie zostanie wysłana ponownie</numerusform>
            <numerusform>serwer nie potwierdził wiadomości w ciągu %d sekund; mogła ona dotrzeć, więc nie zostanie wysłana ponownie</numerusform>
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
        <source>&quot;%s&quot; is not an e-mail address</source>
        <comment>IDS_SMTP_BAD_ADDRESS</comment>
        <translation>„%s” nie jest adresem e-mail</translation>
    </message>
    <message>
        <source>no e-mail address: &quot;%s&quot; is not in the address book</source>
        <comment>IDS_SMTP_NO_ADDRESS</comment>
        <translation>brak adresu e-mail: „%s” nie występuje w książce adresowej</translation>
    </message>
    <message>
        <source>Skipped [%s]: no email address</source>
        <comment>IDS_SEND_SKIPPED</comment>
        <translation>Pominięto [%s]: brak adresu e-mail</translation>
    </message>
    <message>
        <source>Not sent to [%s] email address [%s]</source>
        <comment>IDS_SEND_NOT_SENT</comment>
        <translation>Nie wysłano do [%s] na adres [%s]</translation>
    </message>
    <message>
        <source>%s: %s</source>
        <comment>IDS_SEND_LINE_REASON</comment>
        <translation>%s: %s</translation>
    </message>
    <message>
        <source>The mail server %s refused the sender address.<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
Correct the sender address (Settings &gt; Configure, or kivvo-cli config). Nothing more was sent.</source>
        <comment>IDS_SENDER_ERROR</comment>
        <translation>Serwer poczty %s odrzucił adres nadawcy.<byte value="xd"/>
%s<byte value="xd"/>
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
        <source>Sending %d of %d...</source>
        <comment>IDS_SEND_RUNNING</comment>
        <translation>Wysyłanie %d z %d...</translation>
    </message>
    <message>
        <source>Stopping after the message being sent...</source>
        <comment>IDS_SEND_CANCELLING</comment>
        <translation>Zatrzymywanie po wysłaniu bieżącej wiadomości...</translation>
    </message>
    <message>
        <source>%s: waiting</source>
        <comment>IDS_SEND_WAITING</comment>
        <translation>%s: oczekuje</translation>
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
        <source>Sending a test mail to %s...</source>
        <comment>IDS_SETTINGS_TESTING</comment>
        <translation>Wysyłanie wiadomości testowej do %s...</translation>
    </message>
    <message>
        <source>A test mail was sent to %s.</source>
        <comment>IDS_SETTINGS_TEST_SENT</comment>
        <translation>Wiadomość testowa została wysłana do %s.</translation>
    </message>
    <message>
        <source>The test mail could not be sent: %s</source>
        <comment>IDS_SETTINGS_TEST_FAILED</comment>
        <translation>Nie udało się wysłać wiadomości testowej: %s</translation>
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
        <source>Cannot save the settings file &quot;%s&quot;:<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
The new settings are used until the program ends.</source>
        <comment>IDS_SETTINGS_SAVE_ERROR</comment>
        <translation>Nie można zapisać pliku ustawień „%s”:<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
Nowe ustawienia będą obowiązywać do zamknięcia programu.</translation>
    </message>
    <message>
        <source>The password is kept in the desktop&apos;s keyring.</source>
        <comment>IDS_PASSWORD_IN_KEYRING</comment>
        <translation>Hasło jest przechowywane w systemowym magazynie haseł.</translation>
    </message>
    <message>
        <source>No keyring is running: the password is kept in the settings file %s, which only you can read.</source>
        <comment>IDS_PASSWORD_IN_FILE</comment>
        <translation>Żaden magazyn haseł nie jest uruchomiony: hasło jest przechowywane w pliku ustawień %s, który możesz odczytać tylko ty.</translation>
    </message>
    <message>
        <source>not set</source>
        <comment>IDS_PASSWORD_NONE</comment>
        <translation>nie ustawiono</translation>
    </message>
    <message>
        <source>kivvo-cli: --%s: %s Nothing was saved.</source>
        <comment>IDS_CLI_BAD_SETTING</comment>
        <translation>kivvo-cli: --%s: %s Niczego nie zapisano.</translation>
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
        <source>the server cannot take the message now: %s; try again later</source>
        <comment>IDS_SMTP_TRY_LATER</comment>
        <translation>serwer nie może teraz przyjąć wiadomości: %s; spróbuj ponownie później</translation>
    </message>
    <message>
        <source>the server&apos;s confirmation of the message was longer than any mail server&apos;s; it may have arrived, so it is not sent again</source>
        <comment>IDS_SMTP_TOO_LONG_UNCONFIRMED</comment>
        <translation>potwierdzenie wiadomości przez serwer było dłuższe niż u jakiegokolwiek serwera poczty; wiadomość mogła dotrzeć, więc nie zostanie wysłana ponownie</translation>
    </message>
    <message>
        <source>The mail server %s stopped answering.<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
Nothing more was sent. Try again later.</source>
        <comment>IDS_SEND_SERVER_SILENT</comment>
        <translation>Serwer poczty %s przestał odpowiadać.<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
Nic więcej nie zostało wysłane. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>not sent, since the mail server could not go on: %s</source>
        <comment>IDS_SEND_SERVER_STOPPED</comment>
        <translation>nie wysłano, ponieważ serwer poczty nie mógł kontynuować: %s</translation>
    </message>
    <message>
        <source>The e-mail to %s (%s) may have arrived already: %s.<byte value="xd"/>
<byte value="xd"/>
Send it again anyway? If it did arrive, the recipient gets two copies.</source>
        <comment>IDS_ASK_SEND_AGAIN</comment>
        <translation>Wiadomość do: %s (%s) mogła już dotrzeć: %s.<byte value="xd"/>
<byte value="xd"/>
Wysłać ją mimo to ponownie? Jeśli dotarła, odbiorca dostanie dwie kopie.</translation>
    </message>
    <message>
        <source>kivvo-cli: warning: a password given as --password VALUE can be seen by other users in the process list; give it with --password-stdin instead, or with --password alone to be asked for it</source>
        <comment>IDS_CLI_PASSWORD_VISIBLE</comment>
        <translation>kivvo-cli: uwaga: hasło podane jako --password VALUE mogą zobaczyć inni użytkownicy na liście procesów; podaj je przez --password-stdin albo użyj samego --password, aby program o nie zapytał</translation>
    </message>
    <message>
        <source>the settings file there cannot be read (%s); it is left as it is rather than replaced by settings that never saw what it holds. Make it readable or remove it, then try again</source>
        <comment>IDS_SETTINGS_NOT_REPLACED</comment>
        <translation>nie można odczytać istniejącego tam pliku ustawień (%s); pozostaje on bez zmian, zamiast zostać zastąpiony ustawieniami, które nie uwzględniają jego zawartości. Udostępnij go do odczytu albo usuń, a potem spróbuj ponownie</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is being changed by another program (lock file &quot;%s&quot;), so it was not saved. Try again in a moment.</source>
        <comment>IDS_DOC_LOCKED</comment>
        <translation>Dokument „%s” jest właśnie zmieniany przez inny program (plik blokady „%s”), więc nie został zapisany. Spróbuj ponownie za chwilę.</translation>
    </message>
    <message>
        <source>cannot create the lock file &quot;%s&quot; beside it: %s</source>
        <comment>IDS_LOCK_NOT_MADE</comment>
        <translation>nie można utworzyć pliku blokady „%s” obok dokumentu: %s</translation>
    </message>
    <message>
        <source>it would take %d bytes, more than the %d bytes of the largest file this program opens; nothing was written. Remove drawings or shorten texts, then save again</source>
        <comment>IDS_ERR_SAVE_TOO_LARGE</comment>
        <translation>plik zająłby %d B, a największy plik, jaki ten program otwiera, może mieć %d B; niczego nie zapisano. Usuń losowania albo skróć teksty i zapisz ponownie</translation>
    </message>
    <message>
        <source>it holds more than %d persons and groups, more than this program opens</source>
        <comment>IDS_ERR_TOO_MANY_ENTRIES</comment>
        <translation>zawiera więcej osób i grup, niż ten program otwiera (najwyżej %d)</translation>
    </message>
    <message>
        <source>the file was written, but its folder could not be synced to disk: %s</source>
        <comment>IDS_ERR_FOLDER_SYNC</comment>
        <translation>plik został zapisany, ale nie udało się zsynchronizować jego folderu z dyskiem: %s</translation>
    </message>
    <message>
        <source>Waiting for the desktop&apos;s keyring: it asks for its password (to unlock it, or for a new keyring). Answer it to go on.</source>
        <comment>IDS_KEYRING_WAITING</comment>
        <translation>Oczekiwanie na systemowy magazyn haseł, który prosi o podanie hasła (aby go odblokować lub utworzyć nowy magazyn). Wpisz je, aby kontynuować.</translation>
    </message>
    <message>
        <source>The desktop&apos;s keyring does not answer (%s). Kivvo goes on without it: the mail password is taken from and kept in the settings file %s, which only you can read.</source>
        <comment>IDS_KEYRING_SILENT</comment>
        <translation>Systemowy magazyn haseł nie odpowiada (%s). Kivvo działa dalej bez niego: hasło do poczty jest odczytywane z pliku ustawień %s i w nim przechowywane, a plik ten możesz odczytać tylko ty.</translation>
    </message>
    <message numerus="yes">
        <source>no answer within %d seconds</source>
        <comment>IDS_KEYRING_NO_ANSWER</comment>
        <translation>
            <numerusform>brak odpowiedzi w ciągu %d sekundy</numerusform>
            <numerusform>brak odpowiedzi w ciągu %d sekund</numerusform>
            <numerusform>brak odpowiedzi w ciągu %d sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>Draw names — %s</source>
        <comment>IDS_DRAWNAMES_TITLE</comment>
        <translation>Losowanie imion — %s</translation>
    </message>
    <message>
        <source>View notifications — %s</source>
        <comment>IDS_SHOWNAMES_TITLE</comment>
        <translation>Powiadomienia — %s</translation>
    </message>
    <message numerus="yes">
        <source>%d participants have not seen their name yet. End the round?</source>
        <comment>IDS_ASK_END_ROUND</comment>
        <translation>
            <numerusform>%d uczestnik nie zna jeszcze wylosowanego imienia. Zakończyć rundę?</numerusform>
            <numerusform>%d uczestników nie zna jeszcze wylosowanego imienia. Zakończyć rundę?</numerusform>
            <numerusform>%d uczestników nie zna jeszcze wylosowanego imienia. Zakończyć rundę?</numerusform>
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
        <source>Send email now to all participants of the newest list, &quot;%s&quot;, with email addresses entered.<byte value="xd"/>
<byte value="xd"/>
The list shown, &quot;%s&quot;, is an older one: its drawing is not sent.</source>
        <comment>IDS_ASK_SEND_NEWEST</comment>
        <translation>E-maile zostaną teraz wysłane do wszystkich uczestników najnowszej listy, „%s”, którzy mają wpisany adres e-mail.<byte value="xd"/>
<byte value="xd"/>
Wyświetlana lista, „%s”, jest starsza: jej losowanie nie zostanie wysłane.</translation>
    </message>
    <message>
        <source>Send %s the name drawn in the newest list, &quot;%s&quot;?<byte value="xd"/>
<byte value="xd"/>
The list shown, &quot;%s&quot;, is an older one: its drawing is not sent.</source>
        <comment>IDS_ASK_SEND_ONE_NEWEST</comment>
        <translation>Wysłać do: %s imię wylosowane na najnowszej liście, „%s”?<byte value="xd"/>
<byte value="xd"/>
Wyświetlana lista, „%s”, jest starsza: jej losowanie nie zostanie wysłane.</translation>
    </message>
    <message>
        <source>%s is not in the newest list, &quot;%s&quot;; nothing was sent.</source>
        <comment>IDS_NOT_IN_NEWEST</comment>
        <translation>%s nie występuje na najnowszej liście, „%s”; niczego nie wysłano.</translation>
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
        <source>%s has no e-mail address in the newest list, &quot;%s&quot;; nothing was sent.</source>
        <comment>IDS_NO_ADDRESS_NEWEST</comment>
        <translation>%s nie ma adresu e-mail na najnowszej liście, „%s”; niczego nie wysłano.</translation>
    </message>
    <message>
        <source>Print &amp;Cards...</source>
        <comment>IDS_MENU_PRINT_CARDS</comment>
        <translation>Drukuj ka&amp;rty...</translation>
    </message>
    <message>
        <source>For %s</source>
        <comment>IDS_CARD_FOR</comment>
        <translation>Dla: %s</translation>
    </message>
    <message>
        <source>Fold the flap up along the dashed line. Open it only when you are alone.</source>
        <comment>IDS_CARD_FOLD_HINT</comment>
        <translation>Zegnij klapkę do góry wzdłuż przerywanej linii. Otwórz ją dopiero wtedy, gdy nikt nie patrzy.</translation>
    </message>
    <message>
        <source>%s gives a gift to</source>
        <comment>IDS_CARD_GIVES_TO</comment>
        <translation>%s kupuje prezent dla:</translation>
    </message>
    <message>
        <source>Suggestions: %s</source>
        <comment>IDS_CARD_SUGGESTIONS</comment>
        <translation>Pomysły na prezent: %s</translation>
    </message>
    <message>
        <source>fold up</source>
        <comment>IDS_CARD_FLAP</comment>
        <translation>zegnij do góry</translation>
    </message>
    <message>
        <source>kivvo-cli: cannot write the cards to &quot;%s&quot;: %s</source>
        <comment>IDS_CARDS_WRITE_ERROR</comment>
        <translation>kivvo-cli: nie można zapisać kart w „%s”: %s</translation>
    </message>
    <message>
        <source>Print Cards — %s</source>
        <comment>IDS_CARDS_PRINT_TITLE</comment>
        <translation>Drukuj karty — %s</translation>
    </message>
    <message numerus="yes">
        <source>%d cards of &quot;%s&quot; written to &quot;%s&quot;</source>
        <comment>IDS_CLI_CARDS_WRITTEN</comment>
        <translation>
            <numerusform>%d karta z „%s” zapisana w „%s”</numerusform>
            <numerusform>%d karty z „%s” zapisane w „%s”</numerusform>
            <numerusform>%d kart z „%s” zapisano w „%s”</numerusform>
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
        <source>The cards could not be printed: %s</source>
        <comment>IDS_CARDS_PRINT_ERROR</comment>
        <translation>Nie udało się wydrukować kart: %s</translation>
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
        <source>Cards %s</source>
        <comment>IDS_CARDS_DOC_NAME</comment>
        <translation>Karty %s</translation>
    </message>
    <message>
        <source>1 card of &quot;%s&quot; written to &quot;%s&quot;</source>
        <comment>IDS_CLI_CARD_WRITTEN</comment>
        <translation>1 karta z „%s” zapisana w „%s”</translation>
    </message>
    <message numerus="yes">
        <source>%d cards sent to the printer.</source>
        <comment>IDS_CARDS_PRINTED</comment>
        <translation>
            <numerusform>Wysłano %d kartę do drukarki.</numerusform>
            <numerusform>Wysłano %d karty do drukarki.</numerusform>
            <numerusform>Wysłano %d kart do drukarki.</numerusform>
        </translation>
    </message>
    <message>
        <source>The keyring support (%s) could not be loaded: %s</source>
        <comment>IDS_KEYRING_MODULE_MISSING</comment>
        <translation>Nie udało się wczytać obsługi magazynu haseł (%s): %s</translation>
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
        <source>&amp;Undo %s</source>
        <comment>IDS_MENU_UNDO_WHAT</comment>
        <translation>&amp;Cofnij: %s</translation>
    </message>
    <message>
        <source>&amp;Redo %s</source>
        <comment>IDS_MENU_REDO_WHAT</comment>
        <translation>&amp;Ponów: %s</translation>
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
        <source>%s — a past exchange; its drawing keeps anyone from drawing the same person again. Only its name can be changed.</source>
        <comment>IDS_HISTORY_NOTE</comment>
        <translation>%s — wcześniejsza wymiana; jej losowanie sprawia, że nikt nie wylosuje ponownie tej samej osoby. Można zmienić tylko jej nazwę.</translation>
    </message>
    <message>
        <source>No e-mail address: %s will get no e-mail.</source>
        <comment>IDS_TIP_NO_ADDRESS</comment>
        <translation>Brak adresu e-mail: %s nie dostanie e-maila.</translation>
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
        <source>Import Participants — %s</source>
        <comment>IDS_IMPORT_TITLE</comment>
        <translation>Importuj uczestników — %s</translation>
    </message>
    <message numerus="yes">
        <source>%d persons will be added to &quot;%s&quot;:</source>
        <comment>IDS_IMPORT_TO_ADD</comment>
        <translation>
            <numerusform>%d osoba zostanie dodana do „%s”:</numerusform>
            <numerusform>%d osoby zostaną dodane do „%s”:</numerusform>
            <numerusform>%d osób zostanie dodanych do „%s”:</numerusform>
        </translation>
    </message>
    <message>
        <source>Already in the list, so left out: %s</source>
        <comment>IDS_IMPORT_LEFT_OUT</comment>
        <translation>Pominięte, bo są już na liście: %s</translation>
    </message>
    <message>
        <source>Nothing will be imported. %s</source>
        <comment>IDS_IMPORT_FAILED</comment>
        <translation>Nic nie zostanie zaimportowane. %s</translation>
    </message>
    <message>
        <source>Everybody in the file is in &quot;%s&quot; already: nobody to add.</source>
        <comment>IDS_IMPORT_NOBODY_NEW</comment>
        <translation>Wszystkie osoby z pliku są już w „%s”: nie ma kogo dodać.</translation>
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
        <source>1 person will be added to &quot;%s&quot;:</source>
        <comment>IDS_IMPORT_TO_ADD_ONE</comment>
        <translation>1 osoba zostanie dodana do „%s”:</translation>
    </message>
    <message numerus="yes">
        <source>The list of who gave a gift to whom in the previous exchange (%d persons) is too long to quote in every e-mail; the organiser has it.<byte value="xd"/>
</source>
        <comment>IDS_NOTE_PREVIOUS_NOT_QUOTED</comment>
        <translation>
            <numerusform>Lista z informacją, kto komu dał prezent w poprzedniej wymianie (%d osoba), jest zbyt długa, by cytować ją w każdym e-mailu; ma ją organizator.<byte value="xd"/>
</numerusform>
            <numerusform>Lista z informacją, kto komu dał prezent w poprzedniej wymianie (%d osoby), jest zbyt długa, by cytować ją w każdym e-mailu; ma ją organizator.<byte value="xd"/>
</numerusform>
            <numerusform>Lista z informacją, kto komu dał prezent w poprzedniej wymianie (%d osób), jest zbyt długa, by cytować ją w każdym e-mailu; ma ją organizator.<byte value="xd"/>
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source><byte value="xd"/>
The current list of names (%d persons) is too long to quote in every e-mail; the organiser has it.<byte value="xd"/>
</source>
        <comment>IDS_NOTE_CURRENT_NOT_QUOTED</comment>
        <translation>
            <numerusform><byte value="xd"/>
Bieżąca lista osób (%d osoba) jest zbyt długa, by cytować ją w każdym e-mailu; ma ją organizator.<byte value="xd"/>
</numerusform>
            <numerusform><byte value="xd"/>
Bieżąca lista osób (%d osoby) jest zbyt długa, by cytować ją w każdym e-mailu; ma ją organizator.<byte value="xd"/>
</numerusform>
            <numerusform><byte value="xd"/>
Bieżąca lista osób (%d osób) jest zbyt długa, by cytować ją w każdym e-mailu; ma ją organizator.<byte value="xd"/>
</numerusform>
        </translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
The name randomly drawn for %s to give a gift to is %s.<byte value="xd"/>
<byte value="xd"/>
The lists of this circle are too long to quote in every e-mail: ask the organiser if you want to see them.<byte value="xd"/>
<byte value="xd"/>
Thank you.<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>IDS_NOTE_DRAWN_NAME_LISTS_KEPT</comment>
        <translation><byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
%s, los wybrał osobę, którą obdarujesz: to %s.<byte value="xd"/>
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
        <source>kivvo-cli: mail is not set up yet (%s); nothing was sent. Set it up first with
  kivvo-cli config --server HOST --from ADDRESS [--user NAME --password]</source>
        <comment>IDS_CLI_MAIL_NOT_SET_UP</comment>
        <translation>kivvo-cli: poczta nie jest jeszcze skonfigurowana (%s); niczego nie wysłano. Najpierw skonfiguruj ją poleceniem
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
        <source>Mail is not set up yet: %s still to be set before e-mails can be sent.</source>
        <comment>IDS_CLI_MAIL_STILL_NOT_SET_UP</comment>
        <translation>Poczta nie jest jeszcze skonfigurowana: zanim będzie można wysyłać e-maile, trzeba jeszcze ustawić %s.</translation>
    </message>
    <message numerus="yes">
        <source>Delete the group %s with its %d persons?</source>
        <comment>IDS_ASK_DELETE_GROUP</comment>
        <translation>
            <numerusform>Usunąć grupę %s razem z %d osobą?</numerusform>
            <numerusform>Usunąć grupę %s razem z %d osobami?</numerusform>
            <numerusform>Usunąć grupę %s razem z %d osobami?</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete the group %s with its one person?</source>
        <comment>IDS_ASK_DELETE_GROUP_ONE</comment>
        <translation>Usunąć grupę %s razem z jedyną osobą, która do niej należy?</translation>
    </message>
    <message>
        <source>Neither an e-mail address (such as ann@example.org) nor a name from your address book: no e-mail can be sent to it.</source>
        <comment>IDS_ADDRESS_NOT_PLAUSIBLE</comment>
        <translation>To ani adres e-mail (np. ania@example.org), ani nazwa z książki adresowej: nie da się na to wysłać e-maila.</translation>
    </message>
    <message>
        <source>kivvo-cli: warning: &quot;%s&quot; is neither an e-mail address nor a name from the address book; no e-mail can be sent to it</source>
        <comment>IDS_CLI_ADDRESS_NOT_PLAUSIBLE</comment>
        <translation>kivvo-cli: uwaga: „%s” to ani adres e-mail, ani nazwa z książki adresowej; nie da się na to wysłać e-maila</translation>
    </message>
    <message>
        <source>Exchange Details — %s</source>
        <comment>IDS_DETAILS_TITLE</comment>
        <translation>Szczegóły wymiany — %s</translation>
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
        <source>Date: %s</source>
        <comment>IDS_DETAIL_DATE</comment>
        <translation>Data: %s</translation>
    </message>
    <message>
        <source>Budget: %s</source>
        <comment>IDS_DETAIL_BUDGET</comment>
        <translation>Budżet: %s</translation>
    </message>
    <message>
        <source>Place: %s</source>
        <comment>IDS_DETAIL_PLACE</comment>
        <translation>Miejsce: %s</translation>
    </message>
    <message>
        <source>Note: %s</source>
        <comment>IDS_DETAIL_NOTE</comment>
        <translation>Notatka: %s</translation>
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
The name randomly drawn for %s to give a gift to is %s.<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>IDS_NOTE_DRAWN_NAME_ONLY</comment>
        <translation><byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
%s, los wybrał osobę, którą obdarujesz: to %s.<byte value="xd"/>
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
        <source>%s — %s</source>
        <comment>IDS_SUBJECT_WITH_DATE</comment>
        <translation>%s — %s</translation>
    </message>
    <message>
        <source>date: %s
budget: %s
place: %s
note: %s</source>
        <comment>IDS_CLI_DETAILS</comment>
        <translation>data: %s
budżet: %s
miejsce: %s
notatka: %s</translation>
    </message>
    <message>
        <source>Details of &quot;%s&quot; saved</source>
        <comment>IDS_CLI_DETAILS_SAVED</comment>
        <translation>Zapisano szczegóły „%s”</translation>
    </message>
    <message>
        <source>--date takes a date as YYYY-MM-DD, or an empty value to clear it, not &quot;%s&quot;</source>
        <comment>IDS_CLI_BAD_DATE</comment>
        <translation>--date przyjmuje datę w formacie YYYY-MM-DD albo pustą wartość, która ją usuwa, a nie „%s”</translation>
    </message>
    <message>
        <source>E-mail &amp;language:</source>
        <comment>IDS_SETTINGS_MAIL_LANGUAGE</comment>
        <translation>&amp;Język e-maili:</translation>
    </message>
    <message>
        <source>As the desktop (%s)</source>
        <comment>IDS_SETTINGS_LANGUAGE_DESKTOP</comment>
        <translation>Język pulpitu (%s)</translation>
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
        <source>%s takes no arguments besides options</source>
        <comment>IDS_CLI_TAKES_NOTHING</comment>
        <translation>%s nie przyjmuje argumentów poza opcjami</translation>
    </message>
    <message>
        <source>%s takes %s</source>
        <comment>IDS_CLI_TAKES</comment>
        <translation>%s przyjmuje %s</translation>
    </message>
    <message>
        <source>%s does not take --%s</source>
        <comment>IDS_CLI_NO_SUCH_OPTION</comment>
        <translation>%s nie przyjmuje --%s</translation>
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
        <source>The mail support (%s) could not be loaded: %s</source>
        <comment>IDS_MAIL_MODULE_MISSING</comment>
        <translation>Nie udało się wczytać obsługi poczty (%s): %s</translation>
    </message>
    <message>
        <source>No e-mail could be sent through %s.<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
This installation of Kivvo is incomplete: installing it again brings the mail support back.</source>
        <comment>IDS_SEND_NO_MAIL_SUPPORT</comment>
        <translation>Nie udało się wysłać żadnej wiadomości przez %s.<byte value="xd"/>
%s<byte value="xd"/>
<byte value="xd"/>
Ta instalacja Kivvo jest niekompletna: ponowna instalacja przywróci obsługę poczty.</translation>
    </message>
    <message>
        <source>De&amp;tails...</source>
        <comment>IDS_MENU_DETAILS</comment>
        <translation>&amp;Szczegóły...</translation>
    </message>
    <message>
        <source>--language takes one of %s, not &quot;%s&quot;</source>
        <comment>IDS_CLI_BAD_LANGUAGE</comment>
        <translation>--language przyjmuje jeden z języków: %s, a nie „%s”</translation>
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
</context>
</TS>
