<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Kivvo</name>
    <message>
        <source>&amp;Tools</source>
        <comment>IDS_TOOLS_MENU</comment>
        <translation>S&amp;trumenti</translation>
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
Kivvo (*.kv)
.kv
Kivvo.Document
Documento Kivvo</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <comment>IDS_SETTINGS_MENU</comment>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>E&amp;xchange</source>
        <comment>IDS_EXCHANGE_MENU</comment>
        <translation>&amp;Scambio</translation>
    </message>
    <message>
        <source>Copy current list for next exchange
Copy List</source>
        <comment>IDS_PROMPT_COPY_FOR_NEXT</comment>
        <translation>Copia la lista attuale per il prossimo scambio
Copia lista</translation>
    </message>
    <message>
        <source>Send email notification of &apos;who to get gift for&apos; to all participants with email addresses
Send emails</source>
        <comment>IDS_PROMPT_SEND_EMAILS</comment>
        <translation>Invia a ogni partecipante con un indirizzo e-mail il nome della persona a cui fare il regalo
Invia le e-mail</translation>
    </message>
    <message>
        <source>New</source>
        <comment>IDS_TIP_NEW</comment>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>File</source>
        <comment>IDS_TIP_FILE</comment>
        <translation>File</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>IDS_TIP_HELP</comment>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Cut</source>
        <comment>IDS_TIP_CUT</comment>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>IDS_TIP_COPY</comment>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Paste</source>
        <comment>IDS_TIP_PASTE</comment>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Would you like to pass around this computer for participants to draw their own names? You can skip any participants not present. Click OK when finished.</source>
        <comment>IDS_ASK_PASS_AROUND</comment>
        <translation>Vuoi passare questo computer di mano in mano, così che ogni partecipante faccia da sé la propria estrazione? Puoi saltare i partecipanti non presenti. Al termine fai clic su OK.</translation>
    </message>
    <message>
        <source>Name drawing is complete. Would you like to send emails now?</source>
        <comment>IDS_ASK_SEND_NOW</comment>
        <translation>L&apos;estrazione dei nomi è completata. Vuoi inviare le e-mail adesso?</translation>
    </message>
    <message>
        <source>Names have already been drawn. Are you sure you want to draw again?<byte value="xd"/>
<byte value="xd"/>
If you would like to use the same list of names for a new drawing you should use the &apos;Copy for new drawing&apos; feature.</source>
        <comment>IDS_ASK_DRAW_AGAIN</comment>
        <translation>I nomi sono già stati estratti. Vuoi davvero estrarli di nuovo?<byte value="xd"/>
<byte value="xd"/>
Se vuoi usare la stessa lista di nomi per una nuova estrazione, usa la funzione «Copia per il prossimo scambio».</translation>
    </message>
    <message>
        <source>Are you sure you want to draw names now?<byte value="xd"/>
<byte value="xd"/>
Please make sure all participant names have been entered.</source>
        <comment>IDS_ASK_DRAW_NOW</comment>
        <translation>Vuoi davvero estrarre i nomi adesso?<byte value="xd"/>
<byte value="xd"/>
Assicurati di aver inserito i nomi di tutti i partecipanti.</translation>
    </message>
    <message>
        <source>Are you sure you want to copy the current list to create a new list?<byte value="xd"/>
<byte value="xd"/>
This should normally only be performed after the current list is complete and gifts have been exchanged to setup for the next exchange based on the same group of people.</source>
        <comment>IDS_ASK_COPY_LIST</comment>
        <translation>Vuoi davvero copiare la lista attuale per crearne una nuova?<byte value="xd"/>
<byte value="xd"/>
Di solito lo si fa solo quando la lista attuale è conclusa e i regali sono già stati scambiati, per preparare il prossimo scambio con lo stesso gruppo di persone.</translation>
    </message>
    <message>
        <source>Copy current list for new drawing is complete.<byte value="xd"/>
It is recommended to rename the root node to identify the drawing such as &apos;Christmas 2004&apos;</source>
        <comment>IDS_COPY_DONE</comment>
        <translation>La lista attuale è stata copiata per la nuova estrazione.<byte value="xd"/>
Ti consigliamo di rinominare la voce principale per riconoscere l&apos;estrazione, ad esempio «Natale 2026»</translation>
    </message>
    <message>
        <source>Send email now to all participants with email addresses entered.<byte value="xd"/>
<byte value="xd"/>
You may repeat the operation as a reminder or if any email addresses are changed.</source>
        <comment>IDS_ASK_SEND_ALL</comment>
        <translation>Invia ora un&apos;e-mail a tutti i partecipanti di cui è stato inserito l&apos;indirizzo e-mail.<byte value="xd"/>
<byte value="xd"/>
Puoi ripetere l&apos;operazione come promemoria o se qualche indirizzo e-mail è cambiato.</translation>
    </message>
    <message numerus="yes">
        <source>Sent emails to %1 out of %2 participants</source>
        <comment>IDS_SENT_SUMMARY</comment>
        <extracomment>Summary of the sending window and of kivvo-cli send. %1: how many e-mails were sent; %2: the number of participants</extracomment>
        <translation>
            <numerusform>E-mail inviate a %1 su %2 partecipante</numerusform>
            <numerusform>E-mail inviate a %1 su %2 partecipanti</numerusform>
        </translation>
    </message>
    <message>
        <source>Error sending to [%1] email address [%2]</source>
        <comment>IDS_SEND_ERROR</comment>
        <extracomment>Line of the sending window and of kivvo-cli send for a failed e-mail. %1: the participant&apos;s name; %2: his e-mail address</extracomment>
        <translation>Errore nell&apos;invio a [%1], indirizzo e-mail [%2]</translation>
    </message>
    <message>
        <source>Email sent to: %1<byte value="xd"/>
address: %2</source>
        <comment>IDS_EMAIL_SENT</comment>
        <extracomment>Line of the sending window and of kivvo-cli send (the line break becomes a comma). %1: the participant&apos;s name; %2: his e-mail address</extracomment>
        <translation>E-mail inviata a: %1<byte value="xd"/>
indirizzo: %2</translation>
    </message>
    <message>
        <source>The mail server %1 could not be reached or refused the login.<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Check the mail settings (Settings &gt; Configure, or kivvo-cli config).</source>
        <comment>IDS_LOGON_ERROR</comment>
        <extracomment>Shown in the sending window and by kivvo-cli send when no connection comes about. %1: the mail server as host:port; %2: the reason</extracomment>
        <translation>Il server di posta %1 non è raggiungibile o ha rifiutato l&apos;accesso.<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Controlla le impostazioni di posta (Impostazioni &gt; Configura, oppure kivvo-cli config).</translation>
    </message>
    <message>
        <source>No drawing was found for this list.<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <comment>IDS_DRAWING_ERROR</comment>
        <extracomment>Message box and kivvo-cli message when names cannot be drawn. %1: why, one or more sentences</extracomment>
        <translation>Non è stata trovata nessuna estrazione per questa lista.<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The address book %1 cannot be read: %2</source>
        <comment>IDS_CONTACTS_LOGIN_ERROR</comment>
        <extracomment>Warning when an address book (*.vcf) is no vCard file. %1: the address book&apos;s file path; %2: the reason</extracomment>
        <translation>Impossibile leggere la rubrica %1: %2</translation>
    </message>
    <message>
        <source>The address book %1 cannot be read: %2</source>
        <comment>IDS_CONTACTS_CLSID_ERROR</comment>
        <extracomment>Warning when an address book (*.vcf) cannot be read. %1: the address book&apos;s file path; %2: the system&apos;s reason</extracomment>
        <translation>Impossibile leggere la rubrica %1: %2</translation>
    </message>
    <message>
        <source>The address book %1 cannot be opened: %2</source>
        <comment>IDS_CONTACTS_CREATE_ERROR</comment>
        <extracomment>Warning when an address book (*.vcf) cannot be opened. %1: the address book&apos;s file path; %2: the system&apos;s reason</extracomment>
        <translation>Impossibile aprire la rubrica %1: %2</translation>
    </message>
    <message>
        <source>List</source>
        <comment>IDS_NEW_LIST_NAME</comment>
        <translation>Lista</translation>
    </message>
    <message>
        <source>New Group</source>
        <comment>IDS_NEW_GROUP_NAME</comment>
        <translation>Nuovo gruppo</translation>
    </message>
    <message>
        <source>Person</source>
        <comment>IDS_NEW_PERSON_NAME</comment>
        <translation>Persona</translation>
    </message>
    <message>
        <source> New Copy</source>
        <comment>IDS_COPY_SUFFIX</comment>
        <translation> (nuova copia)</translation>
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
        <translation>Ciao %1!<byte value="xd"/>
<byte value="xd"/>
Ecco il tuo messaggio automatico dell&apos;estrazione dei nomi di Kivvo<byte value="xd"/>
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
        <translation>Questo messaggio è solo per %1.<byte value="xd"/>
Se non sei tu la persona a cui è destinato, per favore non leggere oltre.<byte value="xd"/>
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
        <translation>Nello scambio precedente hai fatto un regalo a: %1.<byte value="xd"/>
In questo scambio non ti toccherà lo stesso nome.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>The following list shows who each person gave a gift to in the previous exchange.<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>IDS_NOTE_PREVIOUS_LIST</comment>
        <translation>La lista seguente mostra a chi ha fatto un regalo ciascuno nello scambio precedente.<byte value="xd"/>
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
Questa è la lista attuale dei nomi.<byte value="xd"/>
Le persone elencate con un rientro sotto un gruppo non possono estrarre un nome dello stesso gruppo.<byte value="xd"/>
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
La persona estratta a sorte a cui %1 farà un regalo è %2.<byte value="xd"/>
<byte value="xd"/>
Grazie.<byte value="xd"/>
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
Idee regalo: %1<byte value="xd"/>
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
        <translation>Estrai il nome
per %1</translation>
    </message>
    <message>
        <source>Show name
for %1</source>
        <comment>IDS_REVEAL_SHOW</comment>
        <extracomment>Button of the View notifications window, two lines. %1: the participant&apos;s name</extracomment>
        <translation>Mostra il nome
per %1</translation>
    </message>
    <message>
        <source>Name already shown
 for %1</source>
        <comment>IDS_REVEAL_SHOWN</comment>
        <extracomment>Button of the Draw names window once the name was seen, two lines. %1: the participant&apos;s name</extracomment>
        <translation>Nome già mostrato
per %1</translation>
    </message>
    <message>
        <source>Draw Name
for XXXXX</source>
        <comment>IDS_REVEAL_INITIAL</comment>
        <translation>Estrai il nome
per XXXXX</translation>
    </message>
    <message>
        <source>Get gift for: %1</source>
        <comment>IDS_GET_GIFT_FOR</comment>
        <extracomment>Text revealed in the Draw names window. %1: the name the participant drew</extracomment>
        <translation>Fai un regalo a: %1</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Suggestions: </source>
        <comment>IDS_REVEAL_SUGGESTIONS</comment>
        <translation><byte value="xd"/>
Idee regalo: </translation>
    </message>
    <message>
        <source>Previous</source>
        <comment>IDS_PREVIOUS</comment>
        <translation>Precedente</translation>
    </message>
    <message>
        <source>Next</source>
        <comment>IDS_NEXT</comment>
        <translation>Successivo</translation>
    </message>
    <message>
        <source>Done</source>
        <comment>IDS_DONE</comment>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>No participants
in this list</source>
        <comment>IDS_REVEAL_NOBODY</comment>
        <translation>Nessun partecipante
in questa lista</translation>
    </message>
    <message>
        <source>Person Properties</source>
        <comment>IDS_PERSON_TITLE</comment>
        <translation>Proprietà della persona</translation>
    </message>
    <message>
        <source>Name:</source>
        <comment>IDS_PERSON_NAME_LABEL</comment>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Gift To:</source>
        <comment>IDS_PERSON_GIFT_TO_LABEL</comment>
        <translation>Regalo a:</translation>
    </message>
    <message>
        <source>E-mail or address book name:</source>
        <comment>IDS_PERSON_ADDRESS_LABEL</comment>
        <translation>E-mail o nome nella rubrica:</translation>
    </message>
    <message>
        <source>Gift Suggestions:</source>
        <comment>IDS_PERSON_SUGGESTIONS_LABEL</comment>
        <translation>Idee regalo:</translation>
    </message>
    <message>
        <source>About Kivvo</source>
        <comment>IDS_ABOUT_TITLE</comment>
        <translation>Informazioni su Kivvo</translation>
    </message>
    <message>
        <source>Kivvo
Version 1.0</source>
        <comment>IDS_ABOUT_VERSION</comment>
        <translation>Kivvo
Versione 1.0</translation>
    </message>
    <message>
        <source>Copyright © 2026
Quorvale

Free software under the GNU General Public License, version 3 or later</source>
        <comment>IDS_ABOUT_COPYRIGHT</comment>
        <translation>Copyright © 2026
Quorvale

Software libero distribuito secondo i termini della GNU General Public License, versione 3 o successiva</translation>
    </message>
    <message>
        <source>https://www.gnu.org/licenses/gpl-3.0.html</source>
        <comment>IDS_ABOUT_WEB_ADDRESS</comment>
        <translation>https://www.gnu.org/licenses/gpl-3.0.html</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>IDS_ABOUT_CLOSE</comment>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>&amp;Configure...</source>
        <comment>IDS_MENU_CONFIGURE</comment>
        <translation>&amp;Configura...</translation>
    </message>
    <message>
        <source>&amp;Add Person</source>
        <comment>IDS_MENU_ADD_PERSON</comment>
        <translation>Aggi&amp;ungi persona</translation>
    </message>
    <message>
        <source>Add &amp;Group</source>
        <comment>IDS_MENU_ADD_GROUP</comment>
        <translation>Aggiungi &amp;gruppo</translation>
    </message>
    <message>
        <source>Add &amp;Person to Group</source>
        <comment>IDS_MENU_ADD_PERSON_TO_GROUP</comment>
        <translation>Aggiungi &amp;persona al gruppo</translation>
    </message>
    <message>
        <source>&amp;Delete Item</source>
        <comment>IDS_MENU_DELETE_ITEM</comment>
        <translation>&amp;Elimina elemento</translation>
    </message>
    <message>
        <source>Rename &amp;Item</source>
        <comment>IDS_MENU_RENAME_ITEM</comment>
        <translation>Rinomina elemen&amp;to</translation>
    </message>
    <message>
        <source>Send &amp;email to Person</source>
        <comment>IDS_MENU_SEND_EMAIL_TO_PERSON</comment>
        <translation>Invia e-&amp;mail alla persona</translation>
    </message>
    <message>
        <source>Person Pr&amp;operties</source>
        <comment>IDS_MENU_PERSON_PROPERTIES</comment>
        <translation>Pr&amp;oprietà della persona</translation>
    </message>
    <message>
        <source>Draw &amp;Names</source>
        <comment>IDS_MENU_DRAW_NAMES</comment>
        <translation>Estrai i &amp;nomi</translation>
    </message>
    <message>
        <source>&amp;Send Emails</source>
        <comment>IDS_MENU_SEND_EMAILS</comment>
        <translation>&amp;Invia le e-mail</translation>
    </message>
    <message>
        <source>&amp;View Notifications</source>
        <comment>IDS_MENU_VIEW_NOTIFICATIONS</comment>
        <translation>&amp;Visualizza notifiche</translation>
    </message>
    <message>
        <source>Copy for Ne&amp;xt Exchange</source>
        <comment>IDS_MENU_COPY_FOR_NEXT</comment>
        <translation>&amp;Copia per il prossimo scambio</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <comment>IDS_MENU_SAVE_AS</comment>
        <translation>Salva co&amp;n nome...</translation>
    </message>
    <message>
        <source>A&amp;bout Kivvo...</source>
        <comment>IDS_MENU_ABOUT</comment>
        <translation>&amp;Informazioni su Kivvo...</translation>
    </message>
    <message>
        <source>New</source>
        <comment>IDS_MENU_NEW</comment>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>IDS_MENU_OPEN</comment>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <comment>IDS_MENU_SAVE</comment>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>IDS_MENU_EXIT</comment>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>IDS_FILE_MENU</comment>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>IDS_MENU_FILE_NEW</comment>
        <translation>N&amp;uovo</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <comment>IDS_MENU_OPEN_RECENT</comment>
        <translation>Apri &amp;recenti</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <comment>IDS_MENU_ROOT_RENAME</comment>
        <translation>&amp;Rinomina</translation>
    </message>
    <message>
        <source>Add &amp;Group</source>
        <comment>IDS_MENU_ROOT_ADD_GROUP</comment>
        <translation>Aggiungi &amp;gruppo</translation>
    </message>
    <message>
        <source>Add &amp;Person</source>
        <comment>IDS_MENU_ROOT_ADD_PERSON</comment>
        <translation>Aggiungi &amp;persona</translation>
    </message>
    <message>
        <source>&amp;Rename Group</source>
        <comment>IDS_MENU_GROUP_RENAME</comment>
        <translation>&amp;Rinomina gruppo</translation>
    </message>
    <message>
        <source>&amp;Add Person to Group</source>
        <comment>IDS_MENU_GROUP_ADD_PERSON</comment>
        <translation>&amp;Aggiungi persona al gruppo</translation>
    </message>
    <message>
        <source>&amp;Delete Group</source>
        <comment>IDS_MENU_GROUP_DELETE</comment>
        <translation>&amp;Elimina gruppo</translation>
    </message>
    <message>
        <source>&amp;Rename Person</source>
        <comment>IDS_MENU_PERSON_RENAME</comment>
        <translation>&amp;Rinomina persona</translation>
    </message>
    <message>
        <source>&amp;Delete Person</source>
        <comment>IDS_MENU_PERSON_DELETE</comment>
        <translation>&amp;Elimina persona</translation>
    </message>
    <message>
        <source>&amp;Send email</source>
        <comment>IDS_MENU_PERSON_SEND</comment>
        <translation>&amp;Invia e-mail</translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <comment>IDS_MENU_CONTEXT_PROPERTIES</comment>
        <translation>&amp;Proprietà...</translation>
    </message>
    <message>
        <source>Draw names for the newest list
Draw Names</source>
        <comment>IDS_TIP_DRAW_NAMES</comment>
        <translation>Estrai i nomi per la lista più recente
Estrai i nomi</translation>
    </message>
    <message>
        <source>Untitled</source>
        <comment>IDS_UNTITLED</comment>
        <translation>Senza titolo</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <comment>IDS_ASK_SAVE_CHANGES</comment>
        <extracomment>Question before closing a changed document. %1: its file name, or Untitled</extracomment>
        <translation>Vuoi salvare le modifiche a %1?</translation>
    </message>
    <message>
        <source>Kivvo (*.kv)</source>
        <comment>IDS_FILE_FILTER</comment>
        <translation>Kivvo (*.kv)</translation>
    </message>
    <message>
        <source>Kivvo Files</source>
        <comment>IDS_DOCLIST_TITLE</comment>
        <translation>File Kivvo</translation>
    </message>
    <message>
        <source>All Folders</source>
        <comment>IDS_DOCLIST_ALL_FOLDERS</comment>
        <translation>Tutte le cartelle</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>IDS_DOCLIST_NAME</comment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>IDS_DOCLIST_FOLDER</comment>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Modified</source>
        <comment>IDS_DOCLIST_MODIFIED</comment>
        <translation>Modificato</translation>
    </message>
    <message>
        <source>New</source>
        <comment>IDS_DOCLIST_NEW</comment>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>IDS_DOCLIST_OPEN</comment>
        <translation>Apri</translation>
    </message>
    <message>
        <source>No Kivvo documents in %1 yet. Choose New to start one.</source>
        <comment>IDS_DOCLIST_EMPTY</comment>
        <extracomment>Start window, when the documents folder holds no document. %1: the folder&apos;s path</extracomment>
        <translation>Ancora nessun documento Kivvo in %1. Scegli Nuovo per crearne uno.</translation>
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
        <translation>Kivvo organizza l&apos;estrazione dei nomi per uno scambio di regali. Senza FILE propone i documenti Kivvo della tua cartella Documenti.</translation>
    </message>
    <message>
        <source>A Kivvo document (*.kv) to open.</source>
        <comment>IDS_GUI_FILE_ARGUMENT</comment>
        <translation>Un documento Kivvo (*.kv) da aprire.</translation>
    </message>
    <message>
        <source>kivvo: %1; see kivvo --help</source>
        <comment>IDS_GUI_WRONG_ARGUMENTS</comment>
        <extracomment>kivvo error on stderr for a wrong command line. %1: what is wrong</extracomment>
        <translation>kivvo: %1; vedi kivvo --help</translation>
    </message>
    <message>
        <source>only one document can be opened at a time</source>
        <comment>IDS_GUI_TOO_MANY_FILES</comment>
        <translation>si può aprire un solo documento alla volta</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <comment>IDS_OPTION_HELP</comment>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <comment>IDS_OPTION_VERSION</comment>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message numerus="yes">
        <source>This document already holds %1 drawings, the most one document can keep.<byte value="xd"/>
<byte value="xd"/>
Nothing was copied. Start a new document for the next exchange.</source>
        <comment>IDS_TOO_MANY_LISTS</comment>
        <extracomment>Message box and kivvo-cli error when Copy for Next Exchange finds the document full. %1: the most drawings a document keeps</extracomment>
        <translation>
            <numerusform>Questo documento contiene già %1 estrazione, il massimo che un documento può conservare.<byte value="xd"/>
<byte value="xd"/>
Non è stato copiato nulla. Per il prossimo scambio crea un nuovo documento.</numerusform>
            <numerusform>Questo documento contiene già %1 estrazioni, il massimo che un documento può conservare.<byte value="xd"/>
<byte value="xd"/>
Non è stato copiato nulla. Per il prossimo scambio crea un nuovo documento.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <comment>IDS_FILE_OPEN_ERROR</comment>
        <extracomment>Message box and kivvo-cli error when a document cannot be opened. %1: the file&apos;s path; %2: the reason</extracomment>
        <translation>Impossibile aprire il file &quot;%1&quot;:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%1&quot;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Nothing was opened.</source>
        <comment>IDS_FILE_READ_ERROR</comment>
        <extracomment>Message box and kivvo-cli error when a document cannot be read. %1: the file&apos;s path; %2: the reason</extracomment>
        <translation>Impossibile leggere il file &quot;%1&quot;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Non è stato aperto nulla.</translation>
    </message>
    <message>
        <source>Cannot save the file &quot;%1&quot;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The file on disk was not changed.</source>
        <comment>IDS_FILE_SAVE_ERROR</comment>
        <extracomment>Message box and kivvo-cli error when a document cannot be saved. %1: the file&apos;s path; %2: the reason</extracomment>
        <translation>Impossibile salvare il file &quot;%1&quot;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Il file sul disco non è stato modificato.</translation>
    </message>
    <message>
        <source>The file ends before the document is complete; it is damaged.</source>
        <comment>IDS_ERR_TRUNCATED</comment>
        <translation>Il file finisce prima che il documento sia completo; è danneggiato.</translation>
    </message>
    <message>
        <source>It is not a Kivvo document.</source>
        <comment>IDS_ERR_NOT_KIVVO</comment>
        <translation>Non è un documento Kivvo.</translation>
    </message>
    <message>
        <source>The document holds no list; it is damaged.</source>
        <comment>IDS_ERR_NO_LISTS</comment>
        <translation>Il documento non contiene nessuna lista; è danneggiato.</translation>
    </message>
    <message>
        <source>A text is longer than the rest of the file; it is damaged.</source>
        <comment>IDS_ERR_STRING_TOO_LONG</comment>
        <translation>Un testo è più lungo del resto del file; il file è danneggiato.</translation>
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
        <translation>È una cartella, non un file.</translation>
    </message>
    <message>
        <source>It is not an ordinary file (it is a pipe, a socket or a device).</source>
        <comment>IDS_ERR_NOT_REGULAR</comment>
        <translation>Non è un file normale (è una pipe, un socket o un dispositivo).</translation>
    </message>
    <message>
        <source>The file is %1 bytes long, more than the %2 bytes any file of this program may have; it was not read.</source>
        <comment>IDS_ERR_FILE_TOO_LARGE</comment>
        <extracomment>Reason in a file error. %1: the file&apos;s size in bytes; %2: the largest size allowed</extracomment>
        <translation>Il file misura %1 byte, oltre il limite di %2 byte previsto per qualsiasi file di questo programma; non è stato letto.</translation>
    </message>
    <message>
        <source>A text is %1 characters long, more than the %2 characters a name, address or other text may have.</source>
        <comment>IDS_ERR_TEXT_TOO_LONG</comment>
        <extracomment>Reason in a file error. %1: the text&apos;s length in characters; %2: the longest allowed</extracomment>
        <translation>Un testo ha una lunghezza di %1, oltre il limite di %2 caratteri previsto per un nome, un indirizzo o un altro testo.</translation>
    </message>
    <message>
        <source>Cannot read the settings file &quot;%1&quot;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The default settings are used; the file was not changed.</source>
        <comment>IDS_SETTINGS_READ_ERROR</comment>
        <extracomment>Warning at start when the mail settings cannot be read. %1: the settings file&apos;s path; %2: the reason</extracomment>
        <translation>Impossibile leggere il file delle impostazioni &quot;%1&quot;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Vengono usate le impostazioni predefinite; il file non è stato modificato.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed on disk by another program since it was opened or last saved.<byte value="xd"/>
<byte value="xd"/>
Save anyway and replace the other program&apos;s changes?</source>
        <comment>IDS_ASK_OVERWRITE_CHANGED</comment>
        <extracomment>Question (message box or kivvo-cli) before saving over another program&apos;s change. %1: the file&apos;s path</extracomment>
        <translation>&quot;%1&quot; è stato modificato sul disco da un altro programma dopo l&apos;apertura o l&apos;ultimo salvataggio.<byte value="xd"/>
<byte value="xd"/>
Vuoi salvare comunque, sostituendo le modifiche dell&apos;altro programma?</translation>
    </message>
    <message>
        <source>kivvo-cli: &quot;%1&quot; is being changed by another program (lock file &quot;%2&quot;); nothing was changed. Try again later.</source>
        <comment>IDS_CLI_LOCKED</comment>
        <extracomment>kivvo-cli error on stderr. %1: the document&apos;s path; %2: the lock file&apos;s path</extracomment>
        <translation>kivvo-cli: &quot;%1&quot; è in corso di modifica da parte di un altro programma (file di blocco &quot;%2&quot;); non è stato modificato nulla. Riprova più tardi.</translation>
    </message>
    <message>
        <source>kivvo-cli: cannot create the lock file &quot;%1&quot; beside the document: %2; nothing was changed.</source>
        <comment>IDS_CLI_LOCK_ERROR</comment>
        <extracomment>kivvo-cli error on stderr. %1: the lock file&apos;s path; %2: the system&apos;s reason</extracomment>
        <translation>kivvo-cli: impossibile creare il file di blocco &quot;%1&quot; accanto al documento: %2; non è stato modificato nulla.</translation>
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
        <translation>Uso: kivvo-cli COMMAND FILE [ARGUMENTS] [OPTIONS]
     kivvo-cli --help | --version

Comandi:
  new FILE                      un nuovo documento con una lista vuota di nome &quot;Lista&quot;
  lists FILE                    i nomi delle estrazioni del documento, dalla più recente
  report FILE [--list N] [--gift-to]
                                il resoconto dell&apos;estrazione N (0 = la più recente)
  add FILE NAME [--group GROUP] [--address A] [--suggestions S]
      [--role both|gives|receives]
                                aggiunge una persona all&apos;estrazione più recente
  add-group FILE NAME           aggiunge un gruppo all&apos;estrazione più recente
  remove FILE NAME              rimuove la prima persona con quel nome, altrimenti il primo
                                gruppo con quel nome
  rename-list FILE NAME         rinomina l&apos;estrazione più recente
  rename-group FILE GROUP NAME  rinomina un gruppo dell'estrazione più recente
  draw FILE [--yes]             estrae i nomi nell&apos;estrazione più recente e salva
  check FILE                    se l&apos;estrazione più recente si può effettuare, e se no perché
  copy FILE [--yes]             copia l&apos;estrazione più recente per il prossimo scambio e salva
  repair FILE [--yes]           ripara l'estrazione più recente dopo un cambio della sua lista:
                                ogni regola resta, cambiano meno destinatari possibile; salva
  exclude FILE GIVER RECIPIENT [--both] [--remove]
                                GIVER non estrae mai RECIPIENT nell&apos;estrazione più recente
                                (--both: e nemmeno RECIPIENT estrae GIVER); --remove toglie
                                di nuovo l&apos;esclusione
  rules FILE [--history N|all] [--no-mutual on|off] [--one-circle on|off]
             [--gifts N] [--seal on|off] [--yes] [--quote-history on|off]
             [--language CODE]
                                mostra le regole e le esclusioni, o modifica le regole;
                                --gifts: chi regala estrae N destinatari (da 1 a 5)
  import FILE SOURCE [--group GROUP]
                                aggiunge all&apos;estrazione più recente i partecipanti di un file
                                CSV o vCard; i nomi già presenti vengono tralasciati
  export FILE --csv OUT [--list N] [--spreadsheet]
                                scrive in CSV le persone dell&apos;estrazione N, mai i nomi estratti
                                (--spreadsheet: per fogli di calcolo, formule disinnescate)
  set FILE PERSON [--name N] [--address A] [--suggestions S]
      [--role both|gives|receives]
                                modifica una persona dell&apos;estrazione più recente; --role:
                                la persona regala e riceve (both), regala soltanto (gives)
                                o riceve soltanto (receives)
  move FILE PERSON (--group GROUP | --top)
                                sposta una persona in un gruppo, o fuori dal suo gruppo
  notification FILE PERSON [--list N] [--language CODE]
                                il testo dell&apos;e-mail per una persona dell&apos;estrazione N
  send FILE [--yes] [--person NAME] [--changed] [--language CODE]
                                invia le notifiche dell&apos;estrazione più recente, o una sola
  cards FILE --pdf OUT.pdf [--person NAME] [--changed] [--language CODE]
                                biglietti di carta dell&apos;estrazione più recente, quattro per
                                pagina A4
  status FILE                   chi dell'estrazione più recente è stato avvisato, come e quando (mai a
                                chi fa il regalo); --changed di send e cards avvisa solo chi ha un
                                destinatario cambiato da allora
  details FILE [--date YYYY-MM-DD] [--budget T] [--place T] [--note T]
                                mostra data, budget, luogo e nota dell&apos;estrazione più
                                recente, o li modifica; un valore vuoto ne cancella uno
  config [--server H] [--port N] [--from A] [--user U] [--password [P]]
         [--password-stdin] [--footer T] [--require-tls on|off]
         [--test-mail ADDRESS]
                                mostra le impostazioni di posta, o le modifica; --password
                                senza valore chiede la password sul terminale
                                --require-tls on: posta solo cifrata (TLS)
                                --test-mail: invia un'e-mail di prova a ADDRESS
  contacts [--lookup TEXT]      i nomi della rubrica letti dai file *.vcf della cartella dei
                                documenti, o ciò a cui corrisponde TEXT

Con --yes alle domande si risponde Sì; altrimenti vengono poste sul terminale, e senza
terminale la risposta è No. E-mail e biglietti sono nella lingua di --language CODE (en, de,
es, fr, it, nl, pl, pt), altrimenti nella lingua delle e-mail del documento, altrimenti in
quella del sistema.
Stato di uscita: 0 successo, 1 errore, 2 errore di utilizzo.
</translation>
    </message>
    <message>
        <source>Kivvo gift-exchange name drawing, command-line tool</source>
        <comment>IDS_CLI_DESCRIPTION</comment>
        <translation>Kivvo, estrazione dei nomi per lo scambio di regali: strumento da riga di comando</translation>
    </message>
    <message>
        <source>kivvo-cli: unknown command &quot;%1&quot;; see kivvo-cli --help</source>
        <comment>IDS_CLI_UNKNOWN_COMMAND</comment>
        <extracomment>kivvo-cli error on stderr. %1: the command as typed</extracomment>
        <translation>kivvo-cli: comando sconosciuto &quot;%1&quot;; vedi kivvo-cli --help</translation>
    </message>
    <message>
        <source>kivvo-cli: %1; see kivvo-cli --help</source>
        <comment>IDS_CLI_WRONG_ARGUMENTS</comment>
        <extracomment>kivvo-cli error on stderr for a wrong command line. %1: what is wrong</extracomment>
        <translation>kivvo-cli: %1; vedi kivvo-cli --help</translation>
    </message>
    <message>
        <source>kivvo-cli: &quot;%1&quot; exists already; it is not overwritten</source>
        <comment>IDS_CLI_FILE_EXISTS</comment>
        <extracomment>kivvo-cli error on stderr (kivvo-cli new). %1: the document&apos;s path</extracomment>
        <translation>kivvo-cli: &quot;%1&quot; esiste già; non viene sovrascritto</translation>
    </message>
    <message>
        <source>kivvo-cli: the document has no drawing number %1 (it has %2)</source>
        <comment>IDS_CLI_NO_SUCH_LIST</comment>
        <extracomment>kivvo-cli error on stderr. %1: the drawing number asked for (0 = newest); %2: how many drawings the document has</extracomment>
        <translation>kivvo-cli: il documento non ha un&apos;estrazione numero %1 (ne ha %2)</translation>
    </message>
    <message>
        <source>kivvo-cli: the newest drawing has no group named &quot;%1&quot;</source>
        <comment>IDS_CLI_NO_SUCH_GROUP</comment>
        <extracomment>kivvo-cli error on stderr. %1: the group name as given</extracomment>
        <translation>kivvo-cli: l&apos;estrazione più recente non ha nessun gruppo di nome &quot;%1&quot;</translation>
    </message>
    <message>
        <source>kivvo-cli: the newest drawing has no person or group named &quot;%1&quot;</source>
        <comment>IDS_CLI_NO_SUCH_ENTRY</comment>
        <extracomment>Error (kivvo-cli or message box) when removing or renaming. %1: the name as given</extracomment>
        <translation>kivvo-cli: l&apos;estrazione più recente non ha nessuna persona o gruppo di nome &quot;%1&quot;</translation>
    </message>
    <message>
        <source>kivvo-cli: Draw Names needs more than two persons in the newest drawing</source>
        <comment>IDS_CLI_DRAW_UNAVAILABLE</comment>
        <translation>kivvo-cli: per estrarre i nomi servono più di due persone nell&apos;estrazione più recente</translation>
    </message>
    <message>
        <source>kivvo-cli: no names were drawn; the file was not changed</source>
        <comment>IDS_CLI_NOT_DRAWN</comment>
        <translation>kivvo-cli: non è stato estratto nessun nome; il file non è stato modificato</translation>
    </message>
    <message numerus="yes">
        <source>Names drawn for %1 persons; &quot;%2&quot; saved</source>
        <comment>IDS_CLI_DRAWN</comment>
        <extracomment>kivvo-cli draw output. %1: the number of persons; %2: the document&apos;s path</extracomment>
        <translation>
            <numerusform>Nomi estratti per %1 persona; &quot;%2&quot; salvato</numerusform>
            <numerusform>Nomi estratti per %1 persone; &quot;%2&quot; salvato</numerusform>
        </translation>
    </message>
    <message>
        <source>kivvo-cli: nothing was copied; the file was not changed</source>
        <comment>IDS_CLI_NOT_COPIED</comment>
        <translation>kivvo-cli: non è stato copiato nulla; il file non è stato modificato</translation>
    </message>
    <message>
        <source>&quot;%1&quot; added; &quot;%2&quot; saved</source>
        <comment>IDS_CLI_COPIED</comment>
        <extracomment>kivvo-cli copy output. %1: the new drawing&apos;s name; %2: the document&apos;s path</extracomment>
        <translation>&quot;%1&quot; aggiunta; &quot;%2&quot; salvato</translation>
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
        <translation>&quot;%1&quot; non è un numero</translation>
    </message>
    <message>
        <source>Removed &quot;%1&quot;</source>
        <comment>IDS_CLI_REMOVED</comment>
        <extracomment>kivvo-cli remove output. %1: the name of the removed person or group</extracomment>
        <translation>Rimosso: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Created &quot;%1&quot;</source>
        <comment>IDS_CLI_CREATED</comment>
        <extracomment>kivvo-cli new output. %1: the new document&apos;s path</extracomment>
        <translation>Creato: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>kivvo-cli: drawing %1 has no person named &quot;%2&quot;</source>
        <comment>IDS_CLI_NO_SUCH_PERSON</comment>
        <extracomment>kivvo-cli error on stderr. %1: the drawing number (0 = newest); %2: the name as given</extracomment>
        <translation>kivvo-cli: l&apos;estrazione %1 non ha nessuna persona di nome &quot;%2&quot;</translation>
    </message>
    <message>
        <source>kivvo-cli: %1 has no e-mail address; nothing was sent</source>
        <comment>IDS_CLI_NO_ADDRESS</comment>
        <extracomment>kivvo-cli send error on stderr. %1: the person&apos;s name</extracomment>
        <translation>kivvo-cli: %1 non ha un indirizzo e-mail; non è stato inviato nulla</translation>
    </message>
    <message>
        <source>kivvo-cli: not every notification was sent</source>
        <comment>IDS_CLI_NOT_SENT</comment>
        <translation>kivvo-cli: non tutte le notifiche sono state inviate</translation>
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
porta: %2
mittente: %3
utente: %4
password: %5
riga finale: %6
file delle impostazioni: %7
</translation>
    </message>
    <message>
        <source>Settings saved to &quot;%1&quot;</source>
        <comment>IDS_CLI_SETTINGS_SAVED</comment>
        <extracomment>kivvo-cli config output. %1: the settings file&apos;s path</extracomment>
        <translation>Impostazioni salvate in &quot;%1&quot;</translation>
    </message>
    <message>
        <source>kivvo-cli: the settings could not be saved to &quot;%1&quot;: %2; the file was not changed</source>
        <comment>IDS_CLI_SETTINGS_NOT_SAVED</comment>
        <extracomment>kivvo-cli config error on stderr. %1: the settings file&apos;s path; %2: the reason</extracomment>
        <translation>kivvo-cli: impossibile salvare le impostazioni in &quot;%1&quot;: %2; il file non è stato modificato</translation>
    </message>
    <message>
        <source>the port must be a number from 1 to 65535, not &quot;%1&quot;</source>
        <comment>IDS_CLI_BAD_PORT</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the value given to --port</extracomment>
        <translation>la porta deve essere un numero da 1 a 65535, non &quot;%1&quot;</translation>
    </message>
    <message>
        <source>address: %1
first name: %2
last name: %3
</source>
        <comment>IDS_CLI_LOOKUP</comment>
        <extracomment>kivvo-cli contacts --lookup output. %1: the e-mail address; %2: the first name; %3: the last name</extracomment>
        <translation>indirizzo: %1
nome: %2
cognome: %3
</translation>
    </message>
    <message>
        <source>kivvo-cli: no address-book entry matches &quot;%1&quot;</source>
        <comment>IDS_CLI_NO_CONTACT</comment>
        <extracomment>kivvo-cli error on stderr. %1: the text given to --lookup</extracomment>
        <translation>kivvo-cli: nessuna voce della rubrica corrisponde a &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 can only give to %2.</source>
        <comment>IDS_DRAW_BLOCKED</comment>
        <extracomment>Why names cannot be drawn. %1: the givers&apos; names; %2: the names they can give to</extracomment>
        <translation>Destinatari possibili per %1: solo %2.</translation>
    </message>
    <message>
        <source>%1 cannot give to anybody.</source>
        <comment>IDS_DRAW_BLOCKED_NOBODY</comment>
        <extracomment>Why names cannot be drawn. %1: the givers&apos; names</extracomment>
        <translation>Per %1 non c&apos;è nessun destinatario possibile.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
What blocks them: %1. Change the groups or add persons, then draw again.</source>
        <comment>IDS_DRAW_BLOCKING_RULES</comment>
        <extracomment>Follows the sentence why names cannot be drawn. %1: the rules in the way, separated by semicolons</extracomment>
        <translation><byte value="xd"/>
<byte value="xd"/>
Motivo del blocco: %1. Modifica i gruppi o aggiungi persone, poi estrai di nuovo.</translation>
    </message>
    <message>
        <source>nobody draws himself</source>
        <comment>IDS_RULE_HIMSELF</comment>
        <translation>nessuno estrae il proprio nome</translation>
    </message>
    <message>
        <source>nobody draws a person of his own group</source>
        <comment>IDS_RULE_OWN_GROUP</comment>
        <translation>nessuno estrae una persona del proprio gruppo</translation>
    </message>
    <message>
        <source>nobody draws the person he gave to last time</source>
        <comment>IDS_RULE_LAST_TIME</comment>
        <translation>nessuno estrae la persona a cui ha fatto il regalo l&apos;ultima volta</translation>
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
        <translation>%1 e %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %2 others</source>
        <comment>IDS_NAMES_OTHERS</comment>
        <extracomment>A shortened list of names. %1: the names shown, separated by commas; %2: how many more there are</extracomment>
        <translation>
            <numerusform>%1 e %2 altra persona</numerusform>
            <numerusform>%1 e altre %2 persone</numerusform>
        </translation>
    </message>
    <message>
        <source>The drawn names no longer match the list: %1.<byte value="xd"/>
<byte value="xd"/>
Please draw names again. Nothing has been shown or sent.</source>
        <comment>IDS_DRAWING_INVALID</comment>
        <extracomment>Message box and kivvo-cli error before names are shown or sent. %1: what no longer matches, separated by semicolons (may be empty)</extracomment>
        <translation>I nomi estratti non corrispondono più alla lista: %1.<byte value="xd"/>
<byte value="xd"/>
Estrai di nuovo i nomi. Non è stato mostrato né inviato nulla.</translation>
    </message>
    <message>
        <source>%1 has no drawn name</source>
        <comment>IDS_CHECK_NO_NAME</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the person&apos;s name</extracomment>
        <translation>%1 non ha un nome estratto</translation>
    </message>
    <message>
        <source>%1, drawn by %2, is no longer in the list</source>
        <comment>IDS_CHECK_GONE</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the drawn name; %2: who drew it</extracomment>
        <translation>%1, il nome estratto da %2, non è più nella lista</translation>
    </message>
    <message>
        <source>%1, drawn by %2, is the name of more than one person</source>
        <comment>IDS_CHECK_AMBIGUOUS</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the drawn name; %2: who drew it</extracomment>
        <translation>%1, il nome estratto da %2, appartiene a più di una persona</translation>
    </message>
    <message>
        <source>%1 is drawn by both %2 and %3</source>
        <comment>IDS_CHECK_TWICE</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the drawn name; %2 and %3: the two who drew it</extracomment>
        <translation>il nome %1 è stato estratto sia da %2 sia da %3</translation>
    </message>
    <message>
        <source>%1 drew himself</source>
        <comment>IDS_CHECK_HIMSELF</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the person&apos;s name</extracomment>
        <translation>%1 ha estratto il proprio nome</translation>
    </message>
    <message>
        <source>%1 drew %2 of his own group</source>
        <comment>IDS_CHECK_OWN_GROUP</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the giver; %2: the person he drew</extracomment>
        <translation>%1 ha estratto %2, del suo stesso gruppo</translation>
    </message>
    <message>
        <source>%1 drew %2, the person he gave to last time</source>
        <comment>IDS_CHECK_LAST_TIME</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the giver; %2: the person he drew</extracomment>
        <translation>%1 ha estratto %2, a cui ha fatto il regalo l&apos;ultima volta</translation>
    </message>
    <message>
        <source>a person of the list has no name</source>
        <comment>IDS_CHECK_NAMELESS</comment>
        <translation>una persona della lista non ha un nome</translation>
    </message>
    <message numerus="yes">
        <source>and %1 more</source>
        <comment>IDS_CHECK_MORE</comment>
        <extracomment>Ends the list of problems with the drawn names. %1: how many more there are</extracomment>
        <translation>
            <numerusform>e %1 altro</numerusform>
            <numerusform>e altri %1</numerusform>
        </translation>
    </message>
    <message>
        <source>no names have been drawn</source>
        <comment>IDS_CHECK_NOT_DRAWN</comment>
        <translation>non è stato estratto nessun nome</translation>
    </message>
    <message>
        <source>The newest drawing can be drawn.</source>
        <comment>IDS_CLI_CAN_DRAW</comment>
        <translation>L&apos;estrazione più recente si può effettuare.</translation>
    </message>
    <message>
        <source>a person&apos;s name cannot be empty</source>
        <comment>IDS_CLI_EMPTY_NAME</comment>
        <translation>il nome di una persona non può essere vuoto</translation>
    </message>
    <message>
        <source>kivvo-cli: Copy for Next Exchange needs more than two persons in the newest drawing</source>
        <comment>IDS_CLI_COPY_UNAVAILABLE</comment>
        <translation>kivvo-cli: per copiare la lista per il prossimo scambio servono più di due persone nell&apos;estrazione più recente</translation>
    </message>
    <message numerus="yes">
        <source>nobody draws a person he gave to in the last %1 exchanges</source>
        <comment>IDS_RULE_HISTORY</comment>
        <extracomment>A rule, in the list of what blocks a drawing and in kivvo-cli rules. %1: the number of exchanges</extracomment>
        <translation>
            <numerusform>nessuno estrae una persona a cui ha fatto un regalo %1 scambio fa</numerusform>
            <numerusform>nessuno estrae una persona a cui ha fatto un regalo negli ultimi %1 scambi</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 never draws %2</source>
        <comment>IDS_RULE_EXCLUDED</comment>
        <extracomment>An exclusion, in the list of what blocks a drawing and in kivvo-cli output. %1: the giver; %2: the person he never draws</extracomment>
        <translation>%1 non estrae mai %2</translation>
    </message>
    <message>
        <source>nobody draws the person who draws him</source>
        <comment>IDS_RULE_NO_MUTUAL</comment>
        <translation>due persone non si estraggono a vicenda</translation>
    </message>
    <message>
        <source>the gifts go round in one single circle</source>
        <comment>IDS_RULE_ONE_CIRCLE</comment>
        <translation>i regali girano in un unico cerchio</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
What blocks them: %1. Change the groups, the exclusions or the rules (Exchange &gt; Rules), or add persons, then draw again.</source>
        <comment>IDS_DRAW_BLOCKING_RULES_EDIT</comment>
        <extracomment>Follows the sentence why names cannot be drawn. %1: the rules and exclusions in the way, separated by semicolons</extracomment>
        <translation><byte value="xd"/>
<byte value="xd"/>
Motivo del blocco: %1. Modifica i gruppi, le esclusioni o le regole (Scambio &gt; Regole), oppure aggiungi persone, poi estrai di nuovo.</translation>
    </message>
    <message>
        <source>%1 drew %2, whom he never draws</source>
        <comment>IDS_CHECK_EXCLUDED</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the giver; %2: the person he drew</extracomment>
        <translation>%1 ha estratto %2, che non deve mai estrarre</translation>
    </message>
    <message numerus="yes">
        <source>%1 drew %2, whom he gave to in the last %3 exchanges</source>
        <comment>IDS_CHECK_HISTORY</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the giver; %2: the person he drew; %3: the number of exchanges</extracomment>
        <translation>
            <numerusform>%1 ha estratto %2, a cui ha fatto un regalo %3 scambio fa</numerusform>
            <numerusform>%1 ha estratto %2, a cui ha fatto un regalo negli ultimi %3 scambi</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2 draw each other</source>
        <comment>IDS_CHECK_MUTUAL</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1 and %2: the two persons&apos; names</extracomment>
        <translation>%1 e %2 si sono estratti a vicenda</translation>
    </message>
    <message>
        <source>the gifts do not go round in one single circle</source>
        <comment>IDS_CHECK_NOT_ONE_CIRCLE</comment>
        <translation>i regali non girano in un unico cerchio</translation>
    </message>
    <message numerus="yes">
        <source>%1 more exclusions</source>
        <comment>IDS_EXCLUSIONS_MORE</comment>
        <extracomment>Ends the list of what blocks a drawing. %1: how many more exclusions there are</extracomment>
        <translation>
            <numerusform>%1 altra esclusione</numerusform>
            <numerusform>altre %1 esclusioni</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 can only give to each other.</source>
        <comment>IDS_DRAW_EACH_OTHER</comment>
        <extracomment>Why names cannot be drawn. %1: the persons&apos; names</extracomment>
        <translation>%1 possono farsi regali solo tra loro.</translation>
    </message>
    <message>
        <source>%1 can only give to each other, and no way of doing so keeps every rule.</source>
        <comment>IDS_DRAW_EACH_OTHER_NO_WAY</comment>
        <extracomment>Why names cannot be drawn. %1: the persons&apos; names</extracomment>
        <translation>%1 possono farsi regali solo tra loro, e non c&apos;è modo di farlo rispettando tutte le regole.</translation>
    </message>
    <message>
        <source>No drawing of the whole list keeps every rule.</source>
        <comment>IDS_DRAW_NO_WAY</comment>
        <translation>Nessuna estrazione dell&apos;intera lista rispetta tutte le regole.</translation>
    </message>
    <message>
        <source>No drawing that keeps every rule was found, and it could not be proven that none exists: the list is too large or too tightly bound to be searched through. Draw again to try once more, or relax a rule (Exchange &gt; Rules).</source>
        <comment>IDS_DRAW_GAVE_UP</comment>
        <translation>Non è stata trovata nessuna estrazione che rispetti tutte le regole, ma non è stato possibile dimostrare che non ne esista nessuna: la lista è troppo grande o troppo vincolata per esaminarla tutta. Estrai di nuovo per riprovare, oppure allenta una regola (Scambio &gt; Regole).</translation>
    </message>
    <message>
        <source>The file holds data after its lists that Kivvo did not write; it is damaged.</source>
        <comment>IDS_ERR_EXT_FOREIGN</comment>
        <translation>Il file contiene, dopo le liste, dati che non sono stati scritti da Kivvo; è danneggiato.</translation>
    </message>
    <message>
        <source>The file&apos;s rules and exclusions are in format %1, which a newer version of Kivvo wrote; this version reads format %2.</source>
        <comment>IDS_ERR_EXT_NEWER</comment>
        <extracomment>Reason in a file error. %1: the file&apos;s format number; %2: the format number this version reads</extracomment>
        <translation>Le regole e le esclusioni del file sono nel formato %1, scritto da una versione più recente di Kivvo; questa versione legge il formato %2.</translation>
    </message>
    <message>
        <source>The file&apos;s rules and exclusions are damaged (in section %1).</source>
        <comment>IDS_ERR_EXT_DAMAGED</comment>
        <extracomment>Reason in a file error. %1: the number of the damaged section</extracomment>
        <translation>Le regole e le esclusioni del file sono danneggiate (nella sezione %1).</translation>
    </message>
    <message>
        <source>A person of the list has no name. Please name every person before drawing names: a person without a name can neither be drawn nor be told whom he drew.</source>
        <comment>IDS_NAME_EVERYBODY_FIRST</comment>
        <translation>Una persona della lista non ha un nome. Dai un nome a ogni persona prima di estrarre i nomi: una persona senza nome non può essere estratta né sapere chi le è toccato.</translation>
    </message>
    <message>
        <source>Rules of the Drawing</source>
        <comment>IDS_RULES_TITLE</comment>
        <translation>Regole dell&apos;estrazione</translation>
    </message>
    <message>
        <source>&amp;Avoid the recipients of the last</source>
        <comment>IDS_RULES_HISTORY</comment>
        <translation>&amp;Evita i destinatari di</translation>
    </message>
    <message>
        <source> exchanges</source>
        <comment>IDS_RULES_HISTORY_SUFFIX</comment>
        <translation> scambi precedenti</translation>
    </message>
    <message>
        <source> exchange</source>
        <comment>IDS_RULES_HISTORY_SUFFIX_ONE</comment>
        <translation> scambio precedente</translation>
    </message>
    <message>
        <source>it is not UTF-8 text; save it from the spreadsheet as CSV UTF-8</source>
        <comment>IDS_CSV_NOT_UTF8</comment>
        <translation>non è testo UTF-8; salvalo dal foglio di calcolo come CSV UTF-8</translation>
    </message>
    <message>
        <source>line %1 opens a quoted field that is never closed</source>
        <comment>IDS_CSV_OPEN_QUOTE</comment>
        <extracomment>Reason in the import error. %1: the line number in the CSV file</extracomment>
        <translation>la riga %1 apre un campo tra virgolette che non viene mai chiuso</translation>
    </message>
    <message>
        <source>Cannot import participants from &quot;%1&quot;: %2.</source>
        <comment>IDS_IMPORT_UNREADABLE</comment>
        <extracomment>Import error (Import Participants window and kivvo-cli import). %1: the file&apos;s path; %2: the reason</extracomment>
        <translation>Impossibile importare i partecipanti da &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>line %1 has more than %2 fields (name, address, suggestions, group)</source>
        <comment>IDS_IMPORT_TOO_MANY_FIELDS</comment>
        <extracomment>Reason in the import error. %1: the line number in the CSV file; %2: the number of fields read</extracomment>
        <translation>la riga %1 ha più campi del massimo di %2 (nome, indirizzo, idee regalo, gruppo)</translation>
    </message>
    <message>
        <source>line %1 holds a text longer than any Kivvo keeps</source>
        <comment>IDS_IMPORT_TOO_LONG</comment>
        <extracomment>Reason in the import error. %1: the line number in the file</extracomment>
        <translation>la riga %1 contiene un testo più lungo di quanto Kivvo possa conservare</translation>
    </message>
    <message>
        <source>line %1 has no name</source>
        <comment>IDS_IMPORT_NO_NAME</comment>
        <extracomment>Reason in the import error. %1: the line number in the file</extracomment>
        <translation>la riga %1 non ha un nome</translation>
    </message>
    <message>
        <source>Already in the list, so not imported again: %1</source>
        <comment>IDS_IMPORT_DUPLICATES</comment>
        <extracomment>kivvo-cli import note on stderr. %1: the names left out, separated by commas</extracomment>
        <translation>Già nella lista, quindi non importati di nuovo: %1</translation>
    </message>
    <message>
        <source>kivvo-cli: nobody new to import</source>
        <comment>IDS_IMPORT_NOTHING</comment>
        <translation>kivvo-cli: nessuna persona nuova da importare</translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 participants into &quot;%2&quot;</source>
        <comment>IDS_IMPORT_DONE</comment>
        <extracomment>kivvo-cli import output. %1: the number of participants; %2: the drawing&apos;s name</extracomment>
        <translation>
            <numerusform>%1 partecipante importato in &quot;%2&quot;</numerusform>
            <numerusform>%1 partecipanti importati in &quot;%2&quot;</numerusform>
        </translation>
    </message>
    <message>
        <source>export needs --csv OUT, the file to write</source>
        <comment>IDS_EXPORT_NEEDS_CSV</comment>
        <translation>export richiede --csv OUT, il file da scrivere</translation>
    </message>
    <message>
        <source>kivvo-cli: cannot write &quot;%1&quot;: %2</source>
        <comment>IDS_EXPORT_FAILED</comment>
        <extracomment>kivvo-cli export error on stderr. %1: the CSV file&apos;s path; %2: the reason</extracomment>
        <translation>kivvo-cli: impossibile scrivere &quot;%1&quot;: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 persons written to &quot;%2&quot;</source>
        <comment>IDS_EXPORT_DONE</comment>
        <extracomment>kivvo-cli export output. %1: the number of persons; %2: the CSV file&apos;s path</extracomment>
        <translation>
            <numerusform>%1 persona scritta in &quot;%2&quot;</numerusform>
            <numerusform>%1 persone scritte in &quot;%2&quot;</numerusform>
        </translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is taken already in this list, so the person is named &quot;%2&quot;.</source>
        <comment>IDS_NAME_MADE_UNIQUE</comment>
        <extracomment>Note (message box or kivvo-cli) when a name was taken. %1: the name asked for; %2: the name given instead</extracomment>
        <translation>Il nome &quot;%1&quot; è già usato in questa lista, quindi la persona si chiamerà &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>move takes either --group GROUP or --top</source>
        <comment>IDS_MOVE_NEEDS_TARGET</comment>
        <translation>move richiede --group GROUP oppure --top</translation>
    </message>
    <message>
        <source>%1 moved into %2</source>
        <comment>IDS_MOVED_TO_GROUP</comment>
        <extracomment>kivvo-cli move output. %1: the person&apos;s name; %2: the group&apos;s name</extracomment>
        <translation>%1 ora fa parte del gruppo %2</translation>
    </message>
    <message>
        <source>%1 moved out of his group</source>
        <comment>IDS_MOVED_TO_TOP</comment>
        <extracomment>kivvo-cli move output. %1: the person&apos;s name</extracomment>
        <translation>%1 non fa più parte di un gruppo</translation>
    </message>
    <message>
        <source>0 (none)</source>
        <comment>IDS_RULES_HISTORY_NONE</comment>
        <translation>0 (nessuno)</translation>
    </message>
    <message>
        <source>Nobody draws a person he gave a gift to in that many earlier exchanges of this document: 1 is last time only, 0 lets anybody draw the same person again.</source>
        <comment>IDS_RULES_HISTORY_HELP</comment>
        <translation>Nessuno estrae una persona a cui ha fatto un regalo in quel numero di scambi precedenti di questo documento: 1 significa solo l&apos;ultima volta, 0 permette a chiunque di estrarre di nuovo la stessa persona.</translation>
    </message>
    <message>
        <source>&amp;No mutual pairs</source>
        <comment>IDS_RULES_NO_MUTUAL</comment>
        <translation>&amp;Nessuna coppia reciproca</translation>
    </message>
    <message>
        <source>Nobody draws the person who draws him: no two persons give to each other.</source>
        <comment>IDS_RULES_NO_MUTUAL_HELP</comment>
        <translation>Due persone non si estraggono a vicenda: se A fa un regalo a B, B non fa un regalo ad A.</translation>
    </message>
    <message>
        <source>&amp;One circle</source>
        <comment>IDS_RULES_ONE_CIRCLE</comment>
        <translation>Un &amp;unico cerchio</translation>
    </message>
    <message>
        <source>The gifts go round in one single circle (Ann to Bob, Bob to Cid, ... and back to Ann), so that they can be handed on in one chain.</source>
        <comment>IDS_RULES_ONE_CIRCLE_HELP</comment>
        <translation>I regali girano in un unico cerchio (da Anna a Bruno, da Bruno a Carla, ... e di nuovo ad Anna), così si possono consegnare in un&apos;unica catena.</translation>
    </message>
    <message>
        <source>Who never draws whom is set for each person in his properties (Never draws).</source>
        <comment>IDS_RULES_EXCLUSIONS_HELP</comment>
        <translation>Chi non estrae mai chi si imposta per ogni persona nelle sue proprietà (Non estrae mai).</translation>
    </message>
    <message>
        <source>Ru&amp;les...</source>
        <comment>IDS_MENU_RULES</comment>
        <translation>Rego&amp;le...</translation>
    </message>
    <message>
        <source>Never draws (names, separated by commas):</source>
        <comment>IDS_PERSON_NEVER_DRAWS_LABEL</comment>
        <translation>Non estrae mai (nomi separati da virgole):</translation>
    </message>
    <message>
        <source>&amp;Both ways: they never draw him either</source>
        <comment>IDS_PERSON_BOTH_WAYS</comment>
        <translation>In &amp;entrambi i sensi: neanche loro estraggono questa persona</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is nobody of this list.</source>
        <comment>IDS_PERSON_UNKNOWN_NAME</comment>
        <extracomment>Error in the Person Properties window (Never draws). %1: the name as typed</extracomment>
        <translation>In questa lista non c&apos;è nessuno di nome &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Nobody draws himself anyway; leave out &quot;%1&quot;.</source>
        <comment>IDS_PERSON_SELF_EXCLUDED</comment>
        <extracomment>Error in the Person Properties window and kivvo-cli exclude. %1: the person&apos;s own name</extracomment>
        <translation>In ogni caso nessuno estrae il proprio nome: togli &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Never draws some persons of the list</source>
        <comment>IDS_TIP_HAS_EXCLUSIONS</comment>
        <translation>Non estrae mai alcune persone della lista</translation>
    </message>
    <message>
        <source>history: %1
no mutual pairs: %2
one circle: %3
</source>
        <comment>IDS_CLI_RULES</comment>
        <extracomment>kivvo-cli rules output. %1: the history rule; %2 and %3: on or off</extracomment>
        <translation>storico: %1
nessuna coppia reciproca: %2
un unico cerchio: %3
</translation>
    </message>
    <message>
        <source>0 (the recipients of earlier exchanges may be drawn again)</source>
        <comment>IDS_CLI_HISTORY_NONE</comment>
        <translation>0 (i destinatari degli scambi precedenti possono essere estratti di nuovo)</translation>
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
        <translation>esclusioni in &quot;%1&quot;:
</translation>
    </message>
    <message>
        <source>no exclusions in &quot;%1&quot;
</source>
        <comment>IDS_CLI_NO_EXCLUSIONS</comment>
        <extracomment>kivvo-cli rules output. %1: the drawing&apos;s name</extracomment>
        <translation>nessuna esclusione in &quot;%1&quot;
</translation>
    </message>
    <message>
        <source>%1 may draw %2 again</source>
        <comment>IDS_CLI_EXCLUSION_REMOVED</comment>
        <extracomment>kivvo-cli exclude --remove output. %1: the giver; %2: the person he may draw again</extracomment>
        <translation>%1 può di nuovo estrarre %2</translation>
    </message>
    <message>
        <source>kivvo-cli: %1 is not kept from drawing %2</source>
        <comment>IDS_CLI_NO_SUCH_EXCLUSION</comment>
        <extracomment>kivvo-cli exclude --remove error on stderr. %1: the giver; %2: the other person</extracomment>
        <translation>kivvo-cli: non c&apos;è nessuna esclusione che impedisca a %1 di estrarre %2</translation>
    </message>
    <message>
        <source>--%1 takes on or off, not &quot;%2&quot;</source>
        <comment>IDS_CLI_BAD_SWITCH</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the option without dashes; %2: the value given</extracomment>
        <translation>--%1 accetta on oppure off, non &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--history takes a number from 0 to %1, or all, not &quot;%2&quot;</source>
        <comment>IDS_CLI_BAD_HISTORY</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the largest number allowed; %2: the value given</extracomment>
        <translation>--history accetta un numero da 0 a %1, oppure all, non &quot;%2&quot;</translation>
    </message>
    <message>
        <source>kivvo-cli: %1 already never draws %2</source>
        <comment>IDS_CLI_EXCLUSION_KNOWN</comment>
        <extracomment>kivvo-cli exclude error on stderr. %1: the giver; %2: the person he never draws</extracomment>
        <translation>kivvo-cli: è già escluso che %1 estragga %2</translation>
    </message>
    <message>
        <source>A person of the list has no name; name every person, then draw again.</source>
        <comment>IDS_DRAW_NAMELESS</comment>
        <translation>Una persona della lista non ha un nome; dai un nome a ogni persona, poi estrai di nuovo.</translation>
    </message>
    <message>
        <source>cannot connect to %1 port %2: %3</source>
        <comment>IDS_SMTP_NO_CONNECTION</comment>
        <extracomment>Reason why mail failed. %1: the mail server&apos;s host name; %2: the port number; %3: the system&apos;s reason</extracomment>
        <translation>impossibile connettersi a %1 sulla porta %2: %3</translation>
    </message>
    <message>
        <source>the server did not accept this program as a client: %1</source>
        <comment>IDS_SMTP_NO_GREETING</comment>
        <extracomment>Reason why mail failed. %1: the mail server&apos;s reply</extracomment>
        <translation>il server non ha accettato questo programma come client: %1</translation>
    </message>
    <message>
        <source>the encrypted connection (TLS) failed: %1</source>
        <comment>IDS_SMTP_TLS_FAILED</comment>
        <extracomment>Reason why mail failed. %1: the server&apos;s reply or the system&apos;s reason</extracomment>
        <translation>la connessione cifrata (TLS) non è riuscita: %1</translation>
    </message>
    <message>
        <source>the server offers no encryption (STARTTLS), and the password is only ever sent encrypted</source>
        <comment>IDS_SMTP_NO_TLS</comment>
        <translation>il server non offre la cifratura (STARTTLS), e la password viene inviata solo in forma cifrata</translation>
    </message>
    <message>
        <source>the server refused the login: %1; check the user name and the password</source>
        <comment>IDS_SMTP_LOGIN_REFUSED</comment>
        <extracomment>Reason why mail failed. %1: the mail server&apos;s reply</extracomment>
        <translation>il server ha rifiutato l&apos;accesso: %1; controlla il nome utente e la password</translation>
    </message>
    <message>
        <source>the server offers no login method this program knows (PLAIN or LOGIN)</source>
        <comment>IDS_SMTP_NO_LOGIN_METHOD</comment>
        <translation>il server non offre nessun metodo di accesso noto a questo programma (PLAIN o LOGIN)</translation>
    </message>
    <message>
        <source>the server wants a login: %1; enter the user name and the password</source>
        <comment>IDS_SMTP_LOGIN_REQUIRED</comment>
        <extracomment>Reason why mail failed. %1: the mail server&apos;s reply</extracomment>
        <translation>il server richiede l&apos;accesso: %1; inserisci il nome utente e la password</translation>
    </message>
    <message>
        <source>the server refused the sender address %1: %2</source>
        <comment>IDS_SMTP_SENDER_REFUSED</comment>
        <extracomment>Reason why mail failed. %1: the sender address; %2: the mail server&apos;s reply</extracomment>
        <translation>il server ha rifiutato l&apos;indirizzo del mittente %1: %2</translation>
    </message>
    <message>
        <source>the server refused the address %1: %2</source>
        <comment>IDS_SMTP_RECIPIENT_REFUSED</comment>
        <extracomment>Reason why an e-mail failed. %1: the recipient&apos;s address; %2: the mail server&apos;s reply</extracomment>
        <translation>il server ha rifiutato l&apos;indirizzo %1: %2</translation>
    </message>
    <message>
        <source>the server refused the message: %1</source>
        <comment>IDS_SMTP_MESSAGE_REFUSED</comment>
        <extracomment>Reason why an e-mail failed. %1: the mail server&apos;s reply</extracomment>
        <translation>il server ha rifiutato il messaggio: %1</translation>
    </message>
    <message numerus="yes">
        <source>the server did not answer within %1 seconds</source>
        <comment>IDS_SMTP_TIMED_OUT</comment>
        <extracomment>Reason why mail failed. %1: the number of seconds waited</extracomment>
        <translation>
            <numerusform>il server non ha risposto entro %1 secondo</numerusform>
            <numerusform>il server non ha risposto entro %1 secondi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the server did not confirm the message within %1 seconds; it may have arrived, so it is not sent again</source>
        <comment>IDS_SMTP_UNCONFIRMED</comment>
        <extracomment>Reason why an e-mail may have failed. %1: the number of seconds waited</extracomment>
        <translation>
            <numerusform>il server non ha confermato il messaggio entro %1 secondo; potrebbe essere arrivato, quindi non viene inviato di nuovo</numerusform>
            <numerusform>il server non ha confermato il messaggio entro %1 secondi; potrebbe essere arrivato, quindi non viene inviato di nuovo</numerusform>
        </translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <comment>IDS_SMTP_LOST</comment>
        <translation>il server ha chiuso la connessione</translation>
    </message>
    <message>
        <source>the server closed the connection before it confirmed the message; it may have arrived, so it is not sent again</source>
        <comment>IDS_SMTP_LOST_UNCONFIRMED</comment>
        <translation>il server ha chiuso la connessione prima di confermare il messaggio; potrebbe essere arrivato, quindi non viene inviato di nuovo</translation>
    </message>
    <message>
        <source>sending was stopped</source>
        <comment>IDS_SMTP_CANCELLED</comment>
        <translation>l&apos;invio è stato interrotto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an e-mail address</source>
        <comment>IDS_SMTP_BAD_ADDRESS</comment>
        <extracomment>Reason why an e-mail failed. %1: the address as entered</extracomment>
        <translation>&quot;%1&quot; non è un indirizzo e-mail</translation>
    </message>
    <message>
        <source>no e-mail address: &quot;%1&quot; is not in the address book</source>
        <comment>IDS_SMTP_NO_ADDRESS</comment>
        <extracomment>Reason why an e-mail failed. %1: the address-book name entered for the person</extracomment>
        <translation>nessun indirizzo e-mail: &quot;%1&quot; non è nella rubrica</translation>
    </message>
    <message>
        <source>Skipped [%1]: no email address</source>
        <comment>IDS_SEND_SKIPPED</comment>
        <extracomment>Line of the sending window and of kivvo-cli send. %1: the participant&apos;s name</extracomment>
        <translation>Saltato [%1]: nessun indirizzo e-mail</translation>
    </message>
    <message>
        <source>Not sent to [%1] email address [%2]</source>
        <comment>IDS_SEND_NOT_SENT</comment>
        <extracomment>Line of the sending window and of kivvo-cli send after sending stopped. %1: the participant&apos;s name; %2: his e-mail address</extracomment>
        <translation>Non inviata a [%1], indirizzo e-mail [%2]</translation>
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
        <translation>Il server di posta %1 ha rifiutato l&apos;indirizzo del mittente.<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Correggi l&apos;indirizzo del mittente (Impostazioni &gt; Configura, oppure kivvo-cli config). Non è stato inviato nient&apos;altro.</translation>
    </message>
    <message>
        <source>Sending stopped; nothing more was sent.</source>
        <comment>IDS_SEND_STOPPED</comment>
        <translation>Invio interrotto; non è stato inviato nient&apos;altro.</translation>
    </message>
    <message>
        <source>E-mails are still being sent. Stop sending and close?<byte value="xd"/>
<byte value="xd"/>
Whoever has not been sent his e-mail yet gets none.</source>
        <comment>IDS_ASK_STOP_SENDING</comment>
        <translation>L&apos;invio delle e-mail è ancora in corso. Vuoi interrompere l&apos;invio e chiudere?<byte value="xd"/>
<byte value="xd"/>
Chi non ha ancora ricevuto la propria e-mail non la riceverà.</translation>
    </message>
    <message>
        <source>Sending Emails</source>
        <comment>IDS_SEND_TITLE</comment>
        <translation>Invio delle e-mail</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>IDS_SEND_CANCEL</comment>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Send again to those that failed</source>
        <comment>IDS_SEND_RETRY</comment>
        <translation>Riprova gli invii non riusciti</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>IDS_SEND_CLOSE</comment>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Sending %1 of %2...</source>
        <comment>IDS_SEND_RUNNING</comment>
        <extracomment>Status line of the sending window. %1: the number of the e-mail being sent; %2: how many there are</extracomment>
        <translation>Invio %1 di %2...</translation>
    </message>
    <message>
        <source>Stopping after the message being sent...</source>
        <comment>IDS_SEND_CANCELLING</comment>
        <translation>Interruzione dopo il messaggio in corso di invio...</translation>
    </message>
    <message>
        <source>%1: waiting</source>
        <comment>IDS_SEND_WAITING</comment>
        <extracomment>Line of the sending window. %1: the participant&apos;s name</extracomment>
        <translation>%1: in attesa</translation>
    </message>
    <message>
        <source>it is not a vCard file</source>
        <comment>IDS_CONTACTS_NOT_VCARD</comment>
        <translation>non è un file vCard</translation>
    </message>
    <message>
        <source>Enter the name of the mail server, such as smtp.example.org.</source>
        <comment>IDS_SETTINGS_BAD_SERVER</comment>
        <translation>Inserisci il nome del server di posta, ad esempio smtp.example.org.</translation>
    </message>
    <message>
        <source>The port is a number from 1 to 65535, most often 587 or 465.</source>
        <comment>IDS_SETTINGS_BAD_PORT</comment>
        <translation>La porta è un numero da 1 a 65535, di solito 587 o 465.</translation>
    </message>
    <message>
        <source>Enter one e-mail address, such as you@example.org or Your Name &lt;you@example.org&gt;.</source>
        <comment>IDS_SETTINGS_BAD_FROM</comment>
        <translation>Inserisci un solo indirizzo e-mail, ad esempio tu@example.org oppure Il tuo nome &lt;tu@example.org&gt;.</translation>
    </message>
    <message>
        <source>Mail Settings</source>
        <comment>IDS_SETTINGS_TITLE</comment>
        <translation>Impostazioni di posta</translation>
    </message>
    <message>
        <source>Mail server (SMTP):</source>
        <comment>IDS_SETTINGS_SERVER</comment>
        <translation>Server di posta (SMTP):</translation>
    </message>
    <message>
        <source>Port:</source>
        <comment>IDS_SETTINGS_PORT</comment>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Sender address:</source>
        <comment>IDS_SETTINGS_FROM</comment>
        <translation>Indirizzo del mittente:</translation>
    </message>
    <message>
        <source>User name:</source>
        <comment>IDS_SETTINGS_USER</comment>
        <translation>Nome utente:</translation>
    </message>
    <message>
        <source>Password:</source>
        <comment>IDS_SETTINGS_PASSWORD</comment>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Show password</source>
        <comment>IDS_SETTINGS_SHOW_PASSWORD</comment>
        <translation>Mostra la password</translation>
    </message>
    <message>
        <source>Footer of every e-mail:</source>
        <comment>IDS_SETTINGS_FOOTER</comment>
        <translation>Riga finale di ogni e-mail:</translation>
    </message>
    <message>
        <source>Send test mail</source>
        <comment>IDS_SETTINGS_TEST</comment>
        <translation>Invia un&apos;e-mail di prova</translation>
    </message>
    <message>
        <source>Sending a test mail to %1...</source>
        <comment>IDS_SETTINGS_TESTING</comment>
        <extracomment>Mail Settings window, while the test mail is sent. %1: the address it goes to</extracomment>
        <translation>Invio di un&apos;e-mail di prova a %1...</translation>
    </message>
    <message>
        <source>A test mail was sent to %1.</source>
        <comment>IDS_SETTINGS_TEST_SENT</comment>
        <extracomment>Mail Settings window. %1: the address the test mail went to</extracomment>
        <translation>È stata inviata un&apos;e-mail di prova a %1.</translation>
    </message>
    <message>
        <source>The test mail could not be sent: %1</source>
        <comment>IDS_SETTINGS_TEST_FAILED</comment>
        <extracomment>Mail Settings window. %1: the reason</extracomment>
        <translation>Impossibile inviare l&apos;e-mail di prova: %1</translation>
    </message>
    <message>
        <source>Kivvo test mail</source>
        <comment>IDS_TEST_MAIL_SUBJECT</comment>
        <translation>E-mail di prova di Kivvo</translation>
    </message>
    <message>
        <source>This test mail shows that Kivvo can send the name drawing&apos;s e-mails with these settings.<byte value="xd"/>
</source>
        <comment>IDS_TEST_MAIL_BODY</comment>
        <translation>Questa e-mail di prova dimostra che, con queste impostazioni, Kivvo può inviare le e-mail dell&apos;estrazione dei nomi.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Cannot save the settings file &quot;%1&quot;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The new settings are used until the program ends.</source>
        <comment>IDS_SETTINGS_SAVE_ERROR</comment>
        <extracomment>Message box when the mail settings cannot be saved. %1: the settings file&apos;s path; %2: the reason</extracomment>
        <translation>Impossibile salvare il file delle impostazioni &quot;%1&quot;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Le nuove impostazioni restano valide fino alla chiusura del programma.</translation>
    </message>
    <message>
        <source>The password is kept in the desktop&apos;s keyring.</source>
        <comment>IDS_PASSWORD_IN_KEYRING</comment>
        <translation>La password è conservata nel portachiavi del desktop.</translation>
    </message>
    <message>
        <source>No keyring is running: the password is kept in the settings file %1, which only you can read.</source>
        <comment>IDS_PASSWORD_IN_FILE</comment>
        <extracomment>Mail Settings window and kivvo-cli config output. %1: the settings file&apos;s path</extracomment>
        <translation>Nessun portachiavi attivo: la password è conservata nel file delle impostazioni %1, che solo tu puoi leggere.</translation>
    </message>
    <message>
        <source>not set</source>
        <comment>IDS_PASSWORD_NONE</comment>
        <translation>non impostata</translation>
    </message>
    <message>
        <source>kivvo-cli: --%1: %2 Nothing was saved.</source>
        <comment>IDS_CLI_BAD_SETTING</comment>
        <extracomment>kivvo-cli config error on stderr. %1: the option without dashes; %2: what is wrong, a whole sentence</extracomment>
        <translation>kivvo-cli: --%1: %2 Non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Password: </source>
        <comment>IDS_CLI_PASSWORD_PROMPT</comment>
        <translation>Password: </translation>
    </message>
    <message>
        <source>--password without a value asks on a terminal; without one, give it with --password-stdin</source>
        <comment>IDS_CLI_NO_TERMINAL</comment>
        <translation>--password senza valore chiede la password sul terminale; senza terminale, passala con --password-stdin</translation>
    </message>
    <message>
        <source>set</source>
        <comment>IDS_CLI_PASSWORD_SET</comment>
        <translation>impostata</translation>
    </message>
    <message>
        <source>sending was stopped before the server confirmed the message; it may have arrived</source>
        <comment>IDS_SMTP_STOPPED_UNCONFIRMED</comment>
        <translation>l&apos;invio è stato interrotto prima che il server confermasse il messaggio; potrebbe essere arrivato</translation>
    </message>
    <message>
        <source>Stop now</source>
        <comment>IDS_SEND_STOP_NOW</comment>
        <translation>Interrompi ora</translation>
    </message>
    <message>
        <source>the server&apos;s reply was longer than any mail server&apos;s (more than 4096 characters in a line, or more than 256 lines); the connection was closed</source>
        <comment>IDS_SMTP_REPLY_TOO_LONG</comment>
        <translation>la risposta del server era più lunga di quella di qualsiasi server di posta (più di 4096 caratteri in una riga, o più di 256 righe); la connessione è stata chiusa</translation>
    </message>
    <message>
        <source>the server sent more than its go-ahead for encryption (STARTTLS) before encryption began; somebody between this computer and the server may be tampering with the connection, so it was closed</source>
        <comment>IDS_SMTP_TLS_INJECTION</comment>
        <translation>prima dell&apos;inizio della cifratura il server ha inviato più del semplice via libera alla cifratura (STARTTLS); qualcuno tra questo computer e il server potrebbe manomettere la connessione, quindi è stata chiusa</translation>
    </message>
    <message>
        <source>the server cannot take the message now: %1; try again later</source>
        <comment>IDS_SMTP_TRY_LATER</comment>
        <extracomment>Reason why an e-mail failed. %1: the mail server&apos;s reply</extracomment>
        <translation>al momento il server non può accettare il messaggio: %1; riprova più tardi</translation>
    </message>
    <message>
        <source>the server&apos;s confirmation of the message was longer than any mail server&apos;s; it may have arrived, so it is not sent again</source>
        <comment>IDS_SMTP_TOO_LONG_UNCONFIRMED</comment>
        <translation>la conferma del messaggio da parte del server era più lunga di quella di qualsiasi server di posta; potrebbe essere arrivato, quindi non viene inviato di nuovo</translation>
    </message>
    <message>
        <source>The mail server %1 stopped answering.<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Nothing more was sent. Try again later.</source>
        <comment>IDS_SEND_SERVER_SILENT</comment>
        <extracomment>Shown in the sending window and by kivvo-cli send. %1: the mail server as host:port; %2: the reason</extracomment>
        <translation>Il server di posta %1 ha smesso di rispondere.<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Non è stato inviato nient&apos;altro. Riprova più tardi.</translation>
    </message>
    <message>
        <source>not sent, since the mail server could not go on: %1</source>
        <comment>IDS_SEND_SERVER_STOPPED</comment>
        <extracomment>Reason in a line of the sending window, for e-mails not sent. %1: why the server stopped</extracomment>
        <translation>non inviata, perché il server di posta non ha potuto continuare: %1</translation>
    </message>
    <message>
        <source>The e-mail to %1 (%2) may have arrived already: %3.<byte value="xd"/>
<byte value="xd"/>
Send it again anyway? If it did arrive, the recipient gets two copies.</source>
        <comment>IDS_ASK_SEND_AGAIN</comment>
        <extracomment>Question in the sending window before sending again. %1: the participant&apos;s name; %2: his e-mail address; %3: the reason</extracomment>
        <translation>L&apos;e-mail per %1 (%2) potrebbe essere già arrivata: %3.<byte value="xd"/>
<byte value="xd"/>
Vuoi inviarla di nuovo comunque? Se era già arrivata, il destinatario ne riceverà due copie.</translation>
    </message>
    <message>
        <source>kivvo-cli: warning: a password given as --password VALUE can be seen by other users in the process list; give it with --password-stdin instead, or with --password alone to be asked for it</source>
        <comment>IDS_CLI_PASSWORD_VISIBLE</comment>
        <translation>kivvo-cli: attenzione: una password passata come --password VALUE è visibile agli altri utenti nell&apos;elenco dei processi; passala invece con --password-stdin, oppure usa solo --password perché ti venga chiesta</translation>
    </message>
    <message>
        <source>the settings file there cannot be read (%1); it is left as it is rather than replaced by settings that never saw what it holds. Make it readable or remove it, then try again</source>
        <comment>IDS_SETTINGS_NOT_REPLACED</comment>
        <extracomment>Reason why the settings were not saved. %1: why the settings file there cannot be read</extracomment>
        <translation>il file delle impostazioni già presente non si può leggere (%1); viene lasciato com&apos;è invece di sostituirlo con impostazioni che non ne conoscono il contenuto. Rendilo leggibile o rimuovilo, poi riprova</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being changed by another program (lock file &quot;%2&quot;), so it was not saved. Try again in a moment.</source>
        <comment>IDS_DOC_LOCKED</comment>
        <extracomment>Message box when a document cannot be saved. %1: the document&apos;s path; %2: the lock file&apos;s path</extracomment>
        <translation>&quot;%1&quot; è in corso di modifica da parte di un altro programma (file di blocco &quot;%2&quot;), quindi non è stato salvato. Riprova tra un momento.</translation>
    </message>
    <message>
        <source>cannot create the lock file &quot;%1&quot; beside it: %2</source>
        <comment>IDS_LOCK_NOT_MADE</comment>
        <extracomment>Reason in the save error. %1: the lock file&apos;s path; %2: the system&apos;s reason</extracomment>
        <translation>impossibile creare il file di blocco &quot;%1&quot; accanto al file: %2</translation>
    </message>
    <message>
        <source>it would take %1 bytes, more than the %2 bytes of the largest file this program opens; nothing was written. Remove drawings or shorten texts, then save again</source>
        <comment>IDS_ERR_SAVE_TOO_LARGE</comment>
        <extracomment>Reason in the save error. %1: the size in bytes; %2: the largest size allowed</extracomment>
        <translation>occuperebbe %1 byte, oltre il limite di %2 byte del file più grande che questo programma apre; non è stato scritto nulla. Rimuovi qualche estrazione o accorcia qualche testo, poi salva di nuovo</translation>
    </message>
    <message>
        <source>it holds more than %1 persons and groups, more than this program opens</source>
        <comment>IDS_ERR_TOO_MANY_ENTRIES</comment>
        <extracomment>Reason in a file error. %1: the largest number of persons and groups</extracomment>
        <translation>contiene più di %1 persone e gruppi, più di quanti questo programma ne apra</translation>
    </message>
    <message>
        <source>the file was written, but its folder could not be synced to disk: %1</source>
        <comment>IDS_ERR_FOLDER_SYNC</comment>
        <extracomment>Reason in the save error. %1: the system&apos;s reason</extracomment>
        <translation>il file è stato scritto, ma non è stato possibile sincronizzare la sua cartella sul disco: %1</translation>
    </message>
    <message>
        <source>Waiting for the desktop&apos;s keyring: it asks for its password (to unlock it, or for a new keyring). Answer it to go on.</source>
        <comment>IDS_KEYRING_WAITING</comment>
        <translation>In attesa del portachiavi del desktop: chiede la sua password (per sbloccarlo o per creare un nuovo portachiavi). Rispondi per continuare.</translation>
    </message>
    <message>
        <source>The desktop&apos;s keyring does not answer (%1). Kivvo goes on without it: the mail password is taken from and kept in the settings file %2, which only you can read.</source>
        <comment>IDS_KEYRING_SILENT</comment>
        <extracomment>Warning when the keyring cannot be used. %1: the reason; %2: the settings file&apos;s path</extracomment>
        <translation>Il portachiavi del desktop non risponde (%1). Kivvo continua senza: la password di posta viene letta dal file delle impostazioni %2 e conservata lì; solo tu puoi leggere quel file.</translation>
    </message>
    <message numerus="yes">
        <source>no answer within %1 seconds</source>
        <comment>IDS_KEYRING_NO_ANSWER</comment>
        <extracomment>Reason why the keyring cannot be used. %1: the number of seconds waited</extracomment>
        <translation>
            <numerusform>nessuna risposta entro %1 secondo</numerusform>
            <numerusform>nessuna risposta entro %1 secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>Draw names — %1</source>
        <comment>IDS_DRAWNAMES_TITLE</comment>
        <extracomment>Title of the Draw names window. %1: the drawing&apos;s name</extracomment>
        <translation>Estrai i nomi — %1</translation>
    </message>
    <message>
        <source>View notifications — %1</source>
        <comment>IDS_SHOWNAMES_TITLE</comment>
        <extracomment>Title of the View notifications window. %1: the drawing&apos;s name</extracomment>
        <translation>Visualizza notifiche — %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 participants have not seen their name yet. End the round?</source>
        <comment>IDS_ASK_END_ROUND</comment>
        <extracomment>Question when closing the Draw names window early. %1: the number of participants</extracomment>
        <translation>
            <numerusform>%1 partecipante non ha ancora visto il nome estratto. Vuoi terminare il giro?</numerusform>
            <numerusform>%1 partecipanti non hanno ancora visto il nome estratto. Vuoi terminare il giro?</numerusform>
        </translation>
    </message>
    <message>
        <source>1 participant has not seen his name yet. End the round?</source>
        <comment>IDS_ASK_END_ROUND_ONE</comment>
        <translation>1 partecipante non ha ancora visto il nome estratto. Vuoi terminare il giro?</translation>
    </message>
    <message>
        <source>This shows every participant&apos;s drawn name to whoever is at the screen.<byte value="xd"/>
<byte value="xd"/>
Show the drawn names now?</source>
        <comment>IDS_ASK_VIEW_NOTIFICATIONS</comment>
        <translation>Così il nome estratto di ogni partecipante viene mostrato a chiunque si trovi davanti allo schermo.<byte value="xd"/>
<byte value="xd"/>
Vuoi mostrare adesso i nomi estratti?</translation>
    </message>
    <message>
        <source>Previous participant</source>
        <comment>IDS_ACC_PREVIOUS</comment>
        <translation>Partecipante precedente</translation>
    </message>
    <message>
        <source>Next participant</source>
        <comment>IDS_ACC_NEXT</comment>
        <translation>Partecipante successivo</translation>
    </message>
    <message>
        <source>Drawn name</source>
        <comment>IDS_ACC_REVEALED_TEXT</comment>
        <translation>Nome estratto</translation>
    </message>
    <message>
        <source>Done: hide the name again</source>
        <comment>IDS_ACC_DONE</comment>
        <translation>Fatto: nascondi di nuovo il nome</translation>
    </message>
    <message>
        <source>OK: end the round</source>
        <comment>IDS_ACC_END_ROUND</comment>
        <translation>OK: termina il giro</translation>
    </message>
    <message>
        <source>hidden</source>
        <comment>IDS_ACC_NAME_HIDDEN</comment>
        <translation>nascosto</translation>
    </message>
    <message>
        <source>Send email now to all participants of the newest list, &quot;%1&quot;, with email addresses entered.<byte value="xd"/>
<byte value="xd"/>
The list shown, &quot;%2&quot;, is an older one: its drawing is not sent.</source>
        <comment>IDS_ASK_SEND_NEWEST</comment>
        <extracomment>Question before sending when an older list is shown. %1: the newest list&apos;s name; %2: the shown list&apos;s name</extracomment>
        <translation>Invia ora un&apos;e-mail a tutti i partecipanti della lista più recente, &quot;%1&quot;, di cui è stato inserito l&apos;indirizzo e-mail.<byte value="xd"/>
<byte value="xd"/>
La lista mostrata, &quot;%2&quot;, è una lista precedente: la sua estrazione non viene inviata.</translation>
    </message>
    <message>
        <source>Send %1 the name drawn in the newest list, &quot;%2&quot;?<byte value="xd"/>
<byte value="xd"/>
The list shown, &quot;%3&quot;, is an older one: its drawing is not sent.</source>
        <comment>IDS_ASK_SEND_ONE_NEWEST</comment>
        <extracomment>Question before sending to one person when an older list is shown. %1: the person&apos;s name; %2: the newest list&apos;s name; %3: the shown list&apos;s name</extracomment>
        <translation>Vuoi inviare a %1 il nome estratto nella lista più recente, &quot;%2&quot;?<byte value="xd"/>
<byte value="xd"/>
La lista mostrata, &quot;%3&quot;, è una lista precedente: la sua estrazione non viene inviata.</translation>
    </message>
    <message>
        <source>%1 is not in the newest list, &quot;%2&quot;; nothing was sent.</source>
        <comment>IDS_NOT_IN_NEWEST</comment>
        <extracomment>Message box when sending to one person. %1: the person&apos;s name; %2: the newest list&apos;s name</extracomment>
        <translation>%1 non è nella lista più recente, &quot;%2&quot;; non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>The e-mails of the newest list are being sent. Wait until sending has ended, or cancel it, before you draw again or change the newest list.</source>
        <comment>IDS_BUSY_SENDING</comment>
        <translation>È in corso l&apos;invio delle e-mail della lista più recente. Attendi la fine dell&apos;invio, oppure annullalo, prima di estrarre di nuovo o di modificare la lista più recente.</translation>
    </message>
    <message>
        <source>The names have been drawn again since these e-mails were sent.<byte value="xd"/>
<byte value="xd"/>
Sending again would mix two drawings. Send the new drawing to everybody with Send Emails.</source>
        <comment>IDS_RETRY_REDRAWN</comment>
        <translation>I nomi sono stati estratti di nuovo dopo l&apos;invio di queste e-mail.<byte value="xd"/>
<byte value="xd"/>
Un nuovo invio mescolerebbe due estrazioni. Invia a tutti la nuova estrazione con «Invia le e-mail».</translation>
    </message>
    <message>
        <source>%1 has no e-mail address in the newest list, &quot;%2&quot;; nothing was sent.</source>
        <comment>IDS_NO_ADDRESS_NEWEST</comment>
        <extracomment>Message box when sending to one person. %1: the person&apos;s name; %2: the newest list&apos;s name</extracomment>
        <translation>%1 non ha un indirizzo e-mail nella lista più recente, &quot;%2&quot;; non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>Print &amp;Cards...</source>
        <comment>IDS_MENU_PRINT_CARDS</comment>
        <translation>Stampa &amp;biglietti...</translation>
    </message>
    <message>
        <source>For %1</source>
        <comment>IDS_CARD_FOR</comment>
        <extracomment>Printed card, outside, in large type. %1: the giver&apos;s name</extracomment>
        <translation>Per %1</translation>
    </message>
    <message>
        <source>Fold the flap up along the dashed line. Open it only when you are alone.</source>
        <comment>IDS_CARD_FOLD_HINT</comment>
        <translation>Piega la linguetta verso l&apos;alto lungo la linea tratteggiata. Aprila solo quando nessuno ti vede.</translation>
    </message>
    <message>
        <source>%1 gives a gift to</source>
        <comment>IDS_CARD_GIVES_TO</comment>
        <extracomment>Printed card, inside, above the drawn name. %1: the giver&apos;s name</extracomment>
        <translation>%1 fa un regalo a</translation>
    </message>
    <message>
        <source>Suggestions: %1</source>
        <comment>IDS_CARD_SUGGESTIONS</comment>
        <extracomment>Printed card. %1: the drawn person&apos;s gift suggestions</extracomment>
        <translation>Idee regalo: %1</translation>
    </message>
    <message>
        <source>fold up</source>
        <comment>IDS_CARD_FLAP</comment>
        <translation>piega verso l&apos;alto</translation>
    </message>
    <message>
        <source>kivvo-cli: cannot write the cards to &quot;%1&quot;: %2</source>
        <comment>IDS_CARDS_WRITE_ERROR</comment>
        <extracomment>kivvo-cli cards error on stderr. %1: the PDF file&apos;s path; %2: the reason</extracomment>
        <translation>kivvo-cli: impossibile scrivere i biglietti in &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Print Cards — %1</source>
        <comment>IDS_CARDS_PRINT_TITLE</comment>
        <extracomment>Title of the print dialog and of the PDF. %1: the drawing&apos;s name</extracomment>
        <translation>Stampa biglietti — %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 cards of &quot;%2&quot; written to &quot;%3&quot;</source>
        <comment>IDS_CLI_CARDS_WRITTEN</comment>
        <extracomment>kivvo-cli cards output. %1: the number of cards; %2: the drawing&apos;s name; %3: the PDF file&apos;s path</extracomment>
        <translation>
            <numerusform>%1 biglietto di &quot;%2&quot; scritto in &quot;%3&quot;</numerusform>
            <numerusform>%1 biglietti di &quot;%2&quot; scritti in &quot;%3&quot;</numerusform>
        </translation>
    </message>
    <message>
        <source>The newest list has nobody to print a card for.</source>
        <comment>IDS_CARDS_NOBODY</comment>
        <translation>Nella lista più recente non c&apos;è nessuno per cui stampare un biglietto.</translation>
    </message>
    <message>
        <source>Print cards for those without an address</source>
        <comment>IDS_SEND_PRINT_SKIPPED</comment>
        <translation>Stampa i biglietti per chi non ha un indirizzo</translation>
    </message>
    <message>
        <source>The cards could not be printed: %1</source>
        <comment>IDS_CARDS_PRINT_ERROR</comment>
        <extracomment>Message box when printing cards fails. %1: the reason</extracomment>
        <translation>Impossibile stampare i biglietti: %1</translation>
    </message>
    <message>
        <source>the printer or the file could not be written</source>
        <comment>IDS_CARDS_NO_DEVICE</comment>
        <translation>non è stato possibile scrivere sulla stampante o nel file</translation>
    </message>
    <message>
        <source>a new page could not be started</source>
        <comment>IDS_CARDS_NO_PAGE</comment>
        <translation>non è stato possibile iniziare una nuova pagina</translation>
    </message>
    <message>
        <source>Cards %1</source>
        <comment>IDS_CARDS_DOC_NAME</comment>
        <extracomment>Name of the print job. %1: the drawing&apos;s name</extracomment>
        <translation>Biglietti %1</translation>
    </message>
    <message>
        <source>1 card of &quot;%1&quot; written to &quot;%2&quot;</source>
        <comment>IDS_CLI_CARD_WRITTEN</comment>
        <extracomment>kivvo-cli cards output. %1: the drawing&apos;s name; %2: the PDF file&apos;s path</extracomment>
        <translation>1 biglietto di &quot;%1&quot; scritto in &quot;%2&quot;</translation>
    </message>
    <message numerus="yes">
        <source>%1 cards sent to the printer.</source>
        <comment>IDS_CARDS_PRINTED</comment>
        <extracomment>Note after printing cards. %1: the number of cards</extracomment>
        <translation>
            <numerusform>%1 biglietto inviato alla stampante.</numerusform>
            <numerusform>%1 biglietti inviati alla stampante.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>IDS_MENU_UNDO</comment>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <comment>IDS_MENU_REDO</comment>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <comment>IDS_MENU_UNDO_WHAT</comment>
        <extracomment>Edit menu item. %1: the step to undo, such as Add Person</extracomment>
        <translation>&amp;Annulla %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <comment>IDS_MENU_REDO_WHAT</comment>
        <extracomment>Edit menu item. %1: the step to redo, such as Add Person</extracomment>
        <translation>&amp;Ripeti %1</translation>
    </message>
    <message>
        <source>Add Person</source>
        <comment>IDS_EDIT_ADD_PERSON</comment>
        <translation>aggiunta persona</translation>
    </message>
    <message>
        <source>Add Group</source>
        <comment>IDS_EDIT_ADD_GROUP</comment>
        <translation>aggiunta gruppo</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>IDS_EDIT_DELETE</comment>
        <translation>eliminazione</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment>IDS_EDIT_RENAME</comment>
        <translation>cambio nome</translation>
    </message>
    <message>
        <source>Person Properties</source>
        <comment>IDS_EDIT_PROPERTIES</comment>
        <translation>modifica delle proprietà</translation>
    </message>
    <message>
        <source>Move to Group</source>
        <comment>IDS_EDIT_MOVE</comment>
        <translation>spostamento nel gruppo</translation>
    </message>
    <message>
        <source>Rules</source>
        <comment>IDS_EDIT_RULES</comment>
        <translation>modifica delle regole</translation>
    </message>
    <message>
        <source>Draw Names</source>
        <comment>IDS_EDIT_DRAW</comment>
        <translation>estrazione dei nomi</translation>
    </message>
    <message>
        <source>Copy for Next Exchange</source>
        <comment>IDS_EDIT_COPY</comment>
        <translation>copia per il prossimo scambio</translation>
    </message>
    <message>
        <source>Import Participants</source>
        <comment>IDS_EDIT_IMPORT</comment>
        <translation>importazione partecipanti</translation>
    </message>
    <message>
        <source>&amp;Move to Group</source>
        <comment>IDS_MENU_MOVE_TO_GROUP</comment>
        <translation>&amp;Sposta nel gruppo</translation>
    </message>
    <message>
        <source>No group</source>
        <comment>IDS_MENU_NO_GROUP</comment>
        <translation>Nessun gruppo</translation>
    </message>
    <message>
        <source>%1 — a past exchange; its drawing keeps anyone from drawing the same person again. Only its name can be changed.</source>
        <comment>IDS_HISTORY_NOTE</comment>
        <extracomment>Main window note on a past exchange, and message box when changing it. %1: the list&apos;s name</extracomment>
        <translation>%1 — uno scambio passato; la sua estrazione impedisce a chiunque di estrarre di nuovo la stessa persona. Se ne può cambiare solo il nome.</translation>
    </message>
    <message>
        <source>No e-mail address: %1 will get no e-mail.</source>
        <comment>IDS_TIP_NO_ADDRESS</comment>
        <extracomment>Tooltip of a person in the list. %1: the person&apos;s name</extracomment>
        <translation>Nessun indirizzo e-mail: %1 non riceverà nessuna e-mail.</translation>
    </message>
    <message>
        <source>&amp;Import Participants...</source>
        <comment>IDS_MENU_IMPORT</comment>
        <translation>Impor&amp;ta partecipanti...</translation>
    </message>
    <message>
        <source>Participants (*.csv *.vcf *.vcard);;CSV files (*.csv);;vCard files (*.vcf *.vcard);;All files (*)</source>
        <comment>IDS_IMPORT_FILTER</comment>
        <translation>Partecipanti (*.csv *.vcf *.vcard);;File CSV (*.csv);;File vCard (*.vcf *.vcard);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Import Participants — %1</source>
        <comment>IDS_IMPORT_TITLE</comment>
        <extracomment>Title of the Import Participants window. %1: the list&apos;s name</extracomment>
        <translation>Importa partecipanti — %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 persons will be added to &quot;%2&quot;:</source>
        <comment>IDS_IMPORT_TO_ADD</comment>
        <extracomment>Import Participants window, above the table. %1: the number of persons; %2: the list&apos;s name</extracomment>
        <translation>
            <numerusform>%1 persona verrà aggiunta a &quot;%2&quot;:</numerusform>
            <numerusform>%1 persone verranno aggiunte a &quot;%2&quot;:</numerusform>
        </translation>
    </message>
    <message>
        <source>Already in the list, so left out: %1</source>
        <comment>IDS_IMPORT_LEFT_OUT</comment>
        <extracomment>Import Participants window. %1: the names left out, separated by commas</extracomment>
        <translation>Già nella lista, quindi tralasciati: %1</translation>
    </message>
    <message>
        <source>Nothing will be imported. %1</source>
        <comment>IDS_IMPORT_FAILED</comment>
        <extracomment>Import Participants window. %1: the reason, a whole sentence</extracomment>
        <translation>Non verrà importato nulla. %1</translation>
    </message>
    <message>
        <source>Everybody in the file is in &quot;%1&quot; already: nobody to add.</source>
        <comment>IDS_IMPORT_NOBODY_NEW</comment>
        <extracomment>Import Participants window. %1: the list&apos;s name</extracomment>
        <translation>Tutte le persone del file sono già in &quot;%1&quot;: nessuno da aggiungere.</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>IDS_IMPORT_COL_NAME</comment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Address</source>
        <comment>IDS_IMPORT_COL_ADDRESS</comment>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Group</source>
        <comment>IDS_IMPORT_COL_GROUP</comment>
        <translation>Gruppo</translation>
    </message>
    <message>
        <source>1 person will be added to &quot;%1&quot;:</source>
        <comment>IDS_IMPORT_TO_ADD_ONE</comment>
        <extracomment>Import Participants window, above the table. %1: the list&apos;s name</extracomment>
        <translation>1 persona verrà aggiunta a &quot;%1&quot;:</translation>
    </message>
    <message numerus="yes">
        <source>The list of who gave a gift to whom in the previous exchange (%1 persons) is too long to quote in every e-mail; the organiser has it.<byte value="xd"/>
</source>
        <comment>IDS_NOTE_PREVIOUS_NOT_QUOTED</comment>
        <extracomment>Notification e-mail, instead of the previous list. %1: the number of persons</extracomment>
        <translation>
            <numerusform>La lista di chi ha fatto un regalo a chi nello scambio precedente (%1 persona) è troppo lunga per riportarla in ogni e-mail; ce l&apos;ha chi organizza lo scambio.<byte value="xd"/>
</numerusform>
            <numerusform>La lista di chi ha fatto un regalo a chi nello scambio precedente (%1 persone) è troppo lunga per riportarla in ogni e-mail; ce l&apos;ha chi organizza lo scambio.<byte value="xd"/>
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
La lista attuale dei nomi (%1 persona) è troppo lunga per riportarla in ogni e-mail; ce l&apos;ha chi organizza lo scambio.<byte value="xd"/>
</numerusform>
            <numerusform><byte value="xd"/>
La lista attuale dei nomi (%1 persone) è troppo lunga per riportarla in ogni e-mail; ce l&apos;ha chi organizza lo scambio.<byte value="xd"/>
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
La persona estratta a sorte a cui %1 farà un regalo è %2.<byte value="xd"/>
<byte value="xd"/>
Le liste di questa cerchia sono troppo lunghe per riportarle in ogni e-mail: se vuoi vederle, chiedile a chi organizza lo scambio.<byte value="xd"/>
<byte value="xd"/>
Grazie.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Mail is not set up yet, so no e-mail was sent. Enter your mail server and your address in Settings &gt; Configure first.</source>
        <comment>IDS_MAIL_NOT_SET_UP</comment>
        <translation>La posta non è ancora configurata, quindi non è stata inviata nessuna e-mail. Prima inserisci il tuo server di posta e il tuo indirizzo in Impostazioni &gt; Configura.</translation>
    </message>
    <message>
        <source>kivvo-cli: mail is not set up yet (%1); nothing was sent. Set it up first with
  kivvo-cli config --server HOST --from ADDRESS [--user NAME --password]</source>
        <comment>IDS_CLI_MAIL_NOT_SET_UP</comment>
        <extracomment>kivvo-cli send error on stderr. %1: the options still to set, such as --server, --from</extracomment>
        <translation>kivvo-cli: la posta non è ancora configurata (%1); non è stato inviato nulla. Configurala prima con
  kivvo-cli config --server HOST --from ADDRESS [--user NAME --password]</translation>
    </message>
    <message>
        <source>Mail is not set up yet. Enter the outgoing mail server of your mail provider and your own address: the e-mails are sent from it.</source>
        <comment>IDS_SETTINGS_NOT_SET_UP</comment>
        <translation>La posta non è ancora configurata. Inserisci il server della posta in uscita del tuo provider e il tuo indirizzo: le e-mail partiranno da questo indirizzo.</translation>
    </message>
    <message>
        <source>smtp.example.org</source>
        <comment>IDS_SETTINGS_SERVER_HINT</comment>
        <translation>smtp.example.org</translation>
    </message>
    <message>
        <source>Your Name &lt;you@example.org&gt;</source>
        <comment>IDS_SETTINGS_FROM_HINT</comment>
        <translation>Il tuo nome &lt;tu@example.org&gt;</translation>
    </message>
    <message>
        <source>you@example.org — empty: no login</source>
        <comment>IDS_SETTINGS_USER_HINT</comment>
        <translation>tu@example.org — vuoto: nessun accesso</translation>
    </message>
    <message>
        <source>A last line for every e-mail, such as: From the Smiths</source>
        <comment>IDS_SETTINGS_FOOTER_HINT</comment>
        <translation>Un&apos;ultima riga per ogni e-mail, ad esempio: Dalla famiglia Rossi</translation>
    </message>
    <message>
        <source>(not set)</source>
        <comment>IDS_CLI_NOT_SET</comment>
        <translation>(non impostato)</translation>
    </message>
    <message>
        <source>Mail is not set up yet: %1 still to be set before e-mails can be sent.</source>
        <comment>IDS_CLI_MAIL_STILL_NOT_SET_UP</comment>
        <extracomment>kivvo-cli config note on stderr. %1: the options still to set, such as --server, --from</extracomment>
        <translation>La posta non è ancora configurata: prima di poter inviare e-mail occorre ancora impostare %1.</translation>
    </message>
    <message numerus="yes">
        <source>Delete the group %1 with its %2 persons?</source>
        <comment>IDS_ASK_DELETE_GROUP</comment>
        <extracomment>Question before deleting a group. %1: the group&apos;s name; %2: the number of persons in it</extracomment>
        <translation>
            <numerusform>Vuoi eliminare il gruppo %1 con %2 persona?</numerusform>
            <numerusform>Vuoi eliminare il gruppo %1 con le sue %2 persone?</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete the group %1 with its one person?</source>
        <comment>IDS_ASK_DELETE_GROUP_ONE</comment>
        <extracomment>Question before deleting a group. %1: the group&apos;s name</extracomment>
        <translation>Vuoi eliminare il gruppo %1 con la sua unica persona?</translation>
    </message>
    <message>
        <source>Neither an e-mail address (such as ann@example.org) nor a name from your address book: no e-mail can be sent to it.</source>
        <comment>IDS_ADDRESS_NOT_PLAUSIBLE</comment>
        <translation>Non è né un indirizzo e-mail (ad esempio anna@example.org) né un nome della tua rubrica: a questo indirizzo non si può inviare nessuna e-mail.</translation>
    </message>
    <message>
        <source>kivvo-cli: warning: &quot;%1&quot; is neither an e-mail address nor a name from the address book; no e-mail can be sent to it</source>
        <comment>IDS_CLI_ADDRESS_NOT_PLAUSIBLE</comment>
        <extracomment>kivvo-cli warning on stderr. %1: the address as given</extracomment>
        <translation>kivvo-cli: attenzione: &quot;%1&quot; non è né un indirizzo e-mail né un nome della rubrica; a questo indirizzo non si può inviare nessuna e-mail</translation>
    </message>
    <message>
        <source>Exchange Details — %1</source>
        <comment>IDS_DETAILS_TITLE</comment>
        <extracomment>Title of the Exchange Details window. %1: the list&apos;s name</extracomment>
        <translation>Dettagli dello scambio — %1</translation>
    </message>
    <message>
        <source>What every e-mail and card of this exchange tells the participants. Leave empty what does not apply.</source>
        <comment>IDS_DETAILS_INTRO</comment>
        <translation>Ciò che ogni e-mail e ogni biglietto di questo scambio comunica ai partecipanti. Lascia vuoto ciò che non serve.</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <comment>IDS_DETAILS_HAS_DATE</comment>
        <translation>&amp;Data:</translation>
    </message>
    <message>
        <source>&amp;Budget:</source>
        <comment>IDS_DETAILS_BUDGET</comment>
        <translation>&amp;Budget:</translation>
    </message>
    <message>
        <source>&amp;Place:</source>
        <comment>IDS_DETAILS_PLACE</comment>
        <translation>&amp;Luogo:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <comment>IDS_DETAILS_NOTE</comment>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>such as 25 €</source>
        <comment>IDS_DETAILS_BUDGET_HINT</comment>
        <translation>ad esempio 25 €</translation>
    </message>
    <message>
        <source>A past exchange: its details can no longer be changed.</source>
        <comment>IDS_DETAILS_PAST</comment>
        <translation>Uno scambio passato: i suoi dettagli non si possono più modificare.</translation>
    </message>
    <message>
        <source>Exchange Details</source>
        <comment>IDS_EDIT_DETAILS</comment>
        <translation>modifica dei dettagli</translation>
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
        <translation>Budget: %1</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <comment>IDS_DETAIL_PLACE</comment>
        <extracomment>Line of the notification e-mail and of the printed card. %1: the place as entered</extracomment>
        <translation>Luogo: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <comment>IDS_DETAIL_NOTE</comment>
        <extracomment>Line of the notification e-mail and of the printed card. %1: the note as entered</extracomment>
        <translation>Nota: %1</translation>
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
La persona estratta a sorte a cui %1 farà un regalo è %2.<byte value="xd"/>
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
Grazie.<byte value="xd"/>
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
Le liste di questa cerchia sono troppo lunghe per riportarle in ogni e-mail: se vuoi vederle, chiedile a chi organizza lo scambio.<byte value="xd"/>
<byte value="xd"/>
Grazie.<byte value="xd"/>
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
budget: %2
luogo: %3
nota: %4</translation>
    </message>
    <message>
        <source>Details of &quot;%1&quot; saved</source>
        <comment>IDS_CLI_DETAILS_SAVED</comment>
        <extracomment>kivvo-cli details output. %1: the drawing&apos;s name</extracomment>
        <translation>Dettagli di &quot;%1&quot; salvati</translation>
    </message>
    <message>
        <source>--date takes a date as YYYY-MM-DD, or an empty value to clear it, not &quot;%1&quot;</source>
        <comment>IDS_CLI_BAD_DATE</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the value given to --date</extracomment>
        <translation>--date accetta una data nel formato YYYY-MM-DD, oppure un valore vuoto per cancellarla, non &quot;%1&quot;</translation>
    </message>
    <message>
        <source>E-mail &amp;language:</source>
        <comment>IDS_SETTINGS_MAIL_LANGUAGE</comment>
        <translation>&amp;Lingua delle e-mail:</translation>
    </message>
    <message>
        <source>As the desktop (%1)</source>
        <comment>IDS_SETTINGS_LANGUAGE_DESKTOP</comment>
        <extracomment>Choice of the e-mail language in Mail Settings. %1: the desktop language&apos;s own name</extracomment>
        <translation>Come il desktop (%1)</translation>
    </message>
    <message>
        <source>The language of the e-mails and paper cards of this document only; the program itself follows the desktop.</source>
        <comment>IDS_SETTINGS_LANGUAGE_HELP</comment>
        <translation>La lingua delle e-mail e dei biglietti, solo per questo documento; il programma stesso segue la lingua del desktop.</translation>
    </message>
    <message>
        <source>E-mail Language</source>
        <comment>IDS_EDIT_MAIL_LANGUAGE</comment>
        <translation>cambio della lingua delle e-mail</translation>
    </message>
    <message>
        <source>%1 takes no arguments besides options</source>
        <comment>IDS_CLI_TAKES_NOTHING</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the command</extracomment>
        <translation>%1 non accetta argomenti oltre alle opzioni</translation>
    </message>
    <message>
        <source>%1 takes %2</source>
        <comment>IDS_CLI_TAKES</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the command; %2: its arguments, such as FILE NAME</extracomment>
        <translation>%1 richiede %2</translation>
    </message>
    <message>
        <source>%1 does not take --%2</source>
        <comment>IDS_CLI_NO_SUCH_OPTION</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the command; %2: the option without dashes</extracomment>
        <translation>%1 non accetta --%2</translation>
    </message>
    <message>
        <source>cards needs --pdf OUT.pdf</source>
        <comment>IDS_CLI_CARDS_NEED_PDF</comment>
        <translation>cards richiede --pdf OUT.pdf</translation>
    </message>
    <message>
        <source>Date, budget, place and a note for the e-mails and cards of this exchange
Details</source>
        <comment>IDS_PROMPT_DETAILS</comment>
        <translation>Data, budget, luogo e una nota per le e-mail e i biglietti di questo scambio
Dettagli</translation>
    </message>
    <message>
        <source>The date of an exchange is damaged.</source>
        <comment>IDS_ERR_DETAILS_DATE</comment>
        <translation>La data di uno scambio è danneggiata.</translation>
    </message>
    <message>
        <source>De&amp;tails...</source>
        <comment>IDS_MENU_DETAILS</comment>
        <translation>&amp;Dettagli...</translation>
    </message>
    <message>
        <source>--language takes one of %1, not &quot;%2&quot;</source>
        <comment>IDS_CLI_BAD_LANGUAGE</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the language codes, separated by commas; %2: the value given</extracomment>
        <translation>--language accetta una di queste lingue: %1, non &quot;%2&quot;</translation>
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
        <translation>In questa lista non sono ancora stati estratti i nomi.<byte value="xd"/>
<byte value="xd"/>
Estrai prima i nomi. Non è stato mostrato né inviato nulla.</translation>
    </message>
    <message>
        <source>the server&apos;s reply is not SMTP: &quot;%1&quot;; the connection was closed</source>
        <comment>IDS_SMTP_NOT_SMTP</comment>
        <extracomment>Reason why mail failed. %1: the line the server sent</extracomment>
        <translation>la risposta del server non è SMTP: «%1»; la connessione è stata chiusa</translation>
    </message>
    <message>
        <source>the server sent a reply to a command this program had not sent yet; the connection was closed</source>
        <comment>IDS_SMTP_OUT_OF_TURN</comment>
        <translation>il server ha risposto a un comando che questo programma non aveva ancora inviato; la connessione è stata chiusa</translation>
    </message>
    <message>
        <source>%1, after the message had been sent in full; it may have arrived, so it is not sent again</source>
        <comment>IDS_SMTP_FAULT_UNCONFIRMED</comment>
        <extracomment>Reason why an e-mail may have failed. %1: what the server did wrong, one of the two texts above</extracomment>
        <translation>%1, dopo che il messaggio era stato inviato per intero; potrebbe essere arrivato, quindi non viene inviato di nuovo</translation>
    </message>
    <message>
        <source>the address %1 has characters beyond ASCII before the @, which this server does not take (it offers no SMTPUTF8)</source>
        <comment>IDS_SMTP_NEEDS_UTF8</comment>
        <extracomment>Reason why an e-mail failed. %1: the e-mail address</extracomment>
        <translation>l&apos;indirizzo %1 contiene prima della @ caratteri non ASCII, che questo server non accetta (non offre SMTPUTF8)</translation>
    </message>
    <message>
        <source>The mail server %1 did not keep to the mail protocol (SMTP).<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Nothing more was sent, so that no reply is taken for another message&apos;s. Tell whoever runs the server.</source>
        <comment>IDS_SEND_SERVER_FAULT</comment>
        <extracomment>Shown in the sending window and by kivvo-cli send. %1: the mail server as host:port; %2: the reason</extracomment>
        <translation>Il server di posta %1 non ha rispettato il protocollo di posta (SMTP).<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Non è stato inviato altro, perché nessuna risposta venga presa per quella di un altro messaggio. Avvisa chi gestisce il server.</translation>
    </message>
    <message>
        <source>The desktop&apos;s keyring refused to keep the password (%1): it is kept in the settings file %2, which only you can read.</source>
        <comment>IDS_PASSWORD_KEYRING_REFUSED</comment>
        <extracomment>Mail Settings window and kivvo-cli config output. %1: the keyring&apos;s own reason; %2: the settings file&apos;s path</extracomment>
        <translation>Il portachiavi del desktop si è rifiutato di conservare la password (%1): viene conservata nel file delle impostazioni %2, che solo tu puoi leggere.</translation>
    </message>
    <message>
        <source>line %1 holds a control character (a line break, a tab or a terminal escape) in a name, an address or a group</source>
        <comment>IDS_IMPORT_CONTROL</comment>
        <extracomment>Reason in the import error. %1: the line number in the file</extracomment>
        <translation>la riga %1 contiene un carattere di controllo (un a capo, una tabulazione o un escape di terminale) in un nome, un indirizzo o un gruppo</translation>
    </message>
    <message>
        <source>the card &quot;%1&quot; holds a control character (a line break, a tab or a terminal escape) in its name or its address</source>
        <comment>IDS_IMPORT_CONTROL_CARD</comment>
        <extracomment>Reason in the import error. %1: the name on the card, control characters shown as a replacement sign</extracomment>
        <translation>la scheda «%1» contiene un carattere di controllo (un a capo, una tabulazione o un escape di terminale) nel nome o nell&apos;indirizzo</translation>
    </message>
    <message>
        <source>Importing %1 persons and groups would make the document hold more than %2, more than it can save. Nothing was imported.</source>
        <comment>IDS_IMPORT_OVER_LIMIT</comment>
        <extracomment>Import error (Import Participants window). %1: how many persons and groups the import would add; %2: the most a document holds</extracomment>
        <translation>Importare %1 persone e gruppi porterebbe il documento oltre %2, più di quanti ne possa salvare. Non è stato importato nulla.</translation>
    </message>
    <message>
        <source>the server offers no encryption (STARTTLS), and the settings allow only encrypted connections</source>
        <comment>IDS_SMTP_TLS_REQUIRED</comment>
        <translation>il server non offre la cifratura (STARTTLS) e le impostazioni consentono solo connessioni cifrate</translation>
    </message>
    <message>
        <source>Encrypted connections only (TLS), also without a login</source>
        <comment>IDS_SETTINGS_REQUIRE_TLS</comment>
        <translation>Solo connessioni cifrate (TLS), anche senza accesso</translation>
    </message>
    <message>
        <source>require-tls: on</source>
        <comment>IDS_CLI_REQUIRE_TLS_ON</comment>
        <extracomment>kivvo-cli config output, after the settings, only when the setting is on.</extracomment>
        <translation>require-tls: attivo</translation>
    </message>
    <message>
        <source>The seal of this drawing was broken on %1 at %2</source>
        <comment>IDS_SEAL_BROKEN_ON</comment>
        <extracomment>Shown with a drawing whose seal was broken, in the window and by kivvo-cli.
%1: the date, such as &quot;12 December 2026&quot;; %2: the time, such as &quot;20:14&quot;</extracomment>
        <translation>Il sigillo di questa estrazione è stato rotto il %1 alle %2</translation>
    </message>
    <message>
        <source>%1. This stays in the document, so that the participants can be told.</source>
        <comment>IDS_SEAL_BROKEN_NOW</comment>
        <extracomment>After the seal was broken.
%1: the sentence of IDS_SEAL_BROKEN_ON</extracomment>
        <translation>%1. Questo resta nel documento, perché i partecipanti possano esserne informati.</translation>
    </message>
    <message>
        <source>This drawing is sealed: who gives to whom is shown to nobody here, you included. Every participant learns his own recipient by e-mail, on his card or in the pass-around round. To see them all, turn off &quot;Seal the drawing&quot; in the rules; that is recorded in the document.</source>
        <comment>IDS_SEALED_REFUSED</comment>
        <translation>Questa estrazione è sigillata: chi fa il regalo a chi non viene mostrato qui a nessuno, nemmeno a te. Ogni partecipante scopre il proprio destinatario per e-mail, sul suo biglietto o nel giro dello schermo. Per vederli tutti, disattiva &quot;Sigilla l&apos;estrazione&quot; nelle regole; ciò viene registrato nel documento.</translation>
    </message>
    <message>
        <source>the drawn name of %1 no longer fits the list</source>
        <comment>IDS_CHECK_SEALED</comment>
        <extracomment>Problem with the drawn names of a sealed drawing, listed after a colon.
%1: the giver&apos;s name</extracomment>
        <translation>il nome estratto da %1 non corrisponde più alla lista</translation>
    </message>
    <message>
        <source>two persons draw each other</source>
        <comment>IDS_CHECK_MUTUAL_SEALED</comment>
        <extracomment>Problem with the drawn names of a sealed drawing, listed after a colon.</extracomment>
        <translation>due persone si estraggono a vicenda</translation>
    </message>
    <message>
        <source>&amp;Seal the drawing</source>
        <comment>IDS_RULES_SEAL</comment>
        <translation>&amp;Sigilla l&apos;estrazione</translation>
    </message>
    <message>
        <source>For an organiser who takes part: nobody here, you included, can see who gives to whom. Every participant still learns his own recipient. Turning it off later is recorded in the document.</source>
        <comment>IDS_RULES_SEAL_HELP</comment>
        <translation>Per un organizzatore che partecipa: nessuno qui, nemmeno tu, può vedere chi fa il regalo a chi. Ogni partecipante scopre comunque il proprio destinatario. Disattivarlo in seguito viene registrato nel documento.</translation>
    </message>
    <message>
        <source>Break the seal of &quot;%1&quot;?<byte value="xd"/>
<byte value="xd"/>
From now on, who gives to whom can be seen here: in View Notifications, in reports and in messages. The date and time of the break are kept in the document for good; it cannot be undone.</source>
        <comment>IDS_ASK_BREAK_SEAL</comment>
        <extracomment>Question before the seal is broken; the default answer is No.
%1: the drawing&apos;s name</extracomment>
        <translation>Rompere il sigillo di &quot;%1&quot;?<byte value="xd"/>
<byte value="xd"/>
Da ora in poi qui si potrà vedere chi fa il regalo a chi: in Visualizza notifiche, nei resoconti e nei messaggi. La data e l&apos;ora della rottura restano per sempre nel documento; non si può annullare.</translation>
    </message>
    <message>
        <source>seal: %1
</source>
        <comment>IDS_CLI_SEAL</comment>
        <extracomment>kivvo-cli rules output, after the rules.
%1: on or off (IDS_CLI_ON, IDS_CLI_OFF)</extracomment>
        <translation>sigillo: %1
</translation>
    </message>
    <message>
        <source>These cards hold secrets</source>
        <comment>IDS_CARDS_SEALED_COVER</comment>
        <extracomment>First page of a PDF of the cards of a sealed drawing, a heading.</extracomment>
        <translation>Questi biglietti contengono segreti</translation>
    </message>
    <message>
        <source>They hold the drawn names of the sealed drawing &quot;%1&quot;. Print them without looking at them, cut them out and fold each one shut before it is read; then delete this file.</source>
        <comment>IDS_CARDS_SEALED_COVER_TEXT</comment>
        <extracomment>First page of a PDF of the cards of a sealed drawing, under the heading.
%1: the drawing&apos;s name</extracomment>
        <translation>Contengono i nomi estratti dell&apos;estrazione sigillata &quot;%1&quot;. Stampali senza guardarli, ritagliali e chiudi ciascuno piegandolo prima che venga letto; poi elimina questo file.</translation>
    </message>
    <message>
        <source>This drawing is sealed: who gives to whom is shown to nobody here.</source>
        <comment>IDS_SEALED_NOTE</comment>
        <extracomment>Under the list of a sealed drawing in the main window.</extracomment>
        <translation>Questa estrazione è sigillata: chi fa il regalo a chi non viene mostrato qui a nessuno.</translation>
    </message>
    <message>
        <source>kivvo-cli: the seal was kept; nothing was changed</source>
        <comment>IDS_CLI_SEAL_KEPT</comment>
        <translation>kivvo-cli: il sigillo è stato mantenuto; non è stato cambiato nulla</translation>
    </message>
    <message>
        <source>%1 (the e-mail goes to this one of the entry&apos;s %2 addresses only; add :1, :2 or :3 to the name to choose another)</source>
        <comment>IDS_CONTACT_PREFERRED</comment>
        <extracomment>Person dialog, under the address, for an address-book entry with several addresses.
%1: the address the e-mail goes to; %2: how many addresses the entry has</extracomment>
        <translation>%1 (l&apos;e-mail va solo a questo dei %2 indirizzi della voce; aggiungi :1, :2 o :3 al nome per sceglierne un altro)</translation>
    </message>
    <message numerus="yes">
        <source>The drawing was repaired: %1 of the givers got another recipient; everybody else keeps the one he drew.</source>
        <comment>IDS_REPAIR_DONE</comment>
        <extracomment>After a repair of the drawing.
%1: how many givers got another recipient</extracomment>
        <translation>
            <numerusform>L&apos;estrazione è stata riparata: %1 dei donatori ha ricevuto un altro destinatario; tutti gli altri tengono il proprio.</numerusform>
            <numerusform>L&apos;estrazione è stata riparata: %1 dei donatori hanno ricevuto un altro destinatario; tutti gli altri tengono il proprio.</numerusform>
        </translation>
    </message>
    <message>
        <source>The drawn names still fit the list: there is nothing to repair.</source>
        <comment>IDS_REPAIR_NOTHING</comment>
        <translation>I nomi estratti corrispondono ancora alla lista: non c&apos;è nulla da riparare.</translation>
    </message>
    <message>
        <source>No repair was found within the bounds of the search, which the rules No mutual pairs and One circle make long for a list this size. Draw names again instead.</source>
        <comment>IDS_REPAIR_OUT_OF_BOUND</comment>
        <translation>Nessuna riparazione trovata entro i limiti della ricerca, che le regole Nessuna coppia reciproca e Un unico cerchio rendono lunga per una lista di queste dimensioni. Estrai di nuovo i nomi.</translation>
    </message>
    <message>
        <source>The list changed after its names were drawn.<byte value="xd"/>
<byte value="xd"/>
Repair the drawing: every rule is kept, and as few givers as possible get another recipient, so that only they need to be told again. Or draw again: everybody gets a new recipient and must be told again.</source>
        <comment>IDS_ASK_REPAIR</comment>
        <extracomment>Asked by Draw Names when the list changed after its names were drawn.</extracomment>
        <translation>La lista è cambiata dopo l&apos;estrazione dei nomi.<byte value="xd"/>
<byte value="xd"/>
Riparare l&apos;estrazione: ogni regola resta e il minor numero possibile di donatori riceve un altro destinatario, così solo loro vanno avvisati di nuovo. Oppure estrarre di nuovo: tutti ricevono un nuovo destinatario e vanno avvisati di nuovo.</translation>
    </message>
    <message>
        <source>&amp;Repair the Drawing</source>
        <comment>IDS_BUTTON_REPAIR</comment>
        <translation>&amp;Ripara l&apos;estrazione</translation>
    </message>
    <message>
        <source>&amp;Draw Again</source>
        <comment>IDS_BUTTON_DRAW_AGAIN</comment>
        <translation>&amp;Estrai di nuovo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; saved</source>
        <comment>IDS_CLI_REPAIRED</comment>
        <extracomment>kivvo-cli repair output.
%1: the file</extracomment>
        <translation>&quot;%1&quot; salvato</translation>
    </message>
    <message>
        <source>Please note: the drawing has changed since you were told whom you give a gift to. What you were told before no longer holds; this message does.<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>IDS_NOTE_REPLACES_EARLIER</comment>
        <extracomment>Notification e-mail, after the privacy note, to a participant told another recipient
before the drawing was repaired.</extracomment>
        <translation>Nota bene: l&apos;estrazione è cambiata da quando ti è stato detto a chi fai il regalo. Quello che ti è stato detto prima non vale più; vale questo messaggio.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Quote Earlier Drawings</source>
        <comment>IDS_EDIT_QUOTE_HISTORY</comment>
        <extracomment>Undo and redo: the change of the setting.</extracomment>
        <translation>Cita le estrazioni precedenti</translation>
    </message>
    <message>
        <source>&amp;Quote earlier drawings in the e-mails</source>
        <comment>IDS_RULES_QUOTE_HISTORY</comment>
        <translation>&amp;Cita le estrazioni precedenti nelle e-mail</translation>
    </message>
    <message>
        <source>Each e-mail says whom the participant gave to last time and lists last time&apos;s pairs. Turn it off where the givers stay unknown, as in an office.</source>
        <comment>IDS_RULES_QUOTE_HISTORY_HELP</comment>
        <translation>Ogni e-mail dice a chi il partecipante ha fatto il regalo l&apos;ultima volta ed elenca le coppie dell&apos;ultima volta. Disattivalo dove chi regala resta sconosciuto, come in ufficio.</translation>
    </message>
    <message>
        <source>quote earlier drawings: %1
</source>
        <comment>IDS_CLI_QUOTE_HISTORY</comment>
        <extracomment>kivvo-cli rules output, after the seal.
%1: on or off (IDS_CLI_ON, IDS_CLI_OFF)</extracomment>
        <translation>cita le estrazioni precedenti: %1
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
            <numerusform>Partecipanti il cui destinatario non è quello che è stato loro detto: %1.<byte value="xd"/>
<byte value="xd"/>
Avvisare solo loro o tutti?</numerusform>
            <numerusform>Partecipanti il cui destinatario non è quello che è stato loro detto: %1.<byte value="xd"/>
<byte value="xd"/>
Avvisare solo loro o tutti?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Only Them</source>
        <comment>IDS_BUTTON_ONLY_CHANGED</comment>
        <translation>&amp;Solo loro</translation>
    </message>
    <message>
        <source>&amp;Everybody</source>
        <comment>IDS_BUTTON_EVERYBODY</comment>
        <translation>&amp;Tutti</translation>
    </message>
    <message numerus="yes">
        <source>Participants whose recipient is not the one they were told: %1</source>
        <comment>IDS_CLI_CHANGED_COUNT</comment>
        <extracomment>kivvo-cli send and cards with --changed.
%1: how many participants are told again</extracomment>
        <translation>
            <numerusform>Partecipanti il cui destinatario non è quello che è stato loro detto: %1</numerusform>
            <numerusform>Partecipanti il cui destinatario non è quello che è stato loro detto: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Nobody has been told anything of this drawing yet: tell everybody.</source>
        <comment>IDS_NOBODY_TOLD_YET</comment>
        <translation>Di questa estrazione non è stato ancora detto nulla a nessuno: avvisa tutti.</translation>
    </message>
    <message>
        <source>Everybody already knows his recipient: nobody&apos;s changed since he was told.</source>
        <comment>IDS_NOBODY_TO_TELL_AGAIN</comment>
        <translation>Tutti conoscono già il proprio destinatario: per nessuno è cambiato da quando gli è stato detto.</translation>
    </message>
    <message>
        <source>%1: told %2, last on %3 at %4</source>
        <comment>IDS_STATUS_TOLD</comment>
        <extracomment>kivvo-cli status, one line per participant.
%1: the participant; %2: how he was told (IDS_TOLD_BY_MAIL...); %3: the date; %4: the time</extracomment>
        <translation>%1: avvisato %2, l&apos;ultima volta il %3 alle %4</translation>
    </message>
    <message>
        <source>%1: told %2, last on %3 at %4; his recipient changed since: tell him again</source>
        <comment>IDS_STATUS_TOLD_CHANGED</comment>
        <extracomment>kivvo-cli status, one line per participant.
%1: the participant; %2: how he was told (IDS_TOLD_BY_MAIL...); %3: the date; %4: the time</extracomment>
        <translation>%1: avvisato %2, l&apos;ultima volta il %3 alle %4; il suo destinatario è cambiato da allora: avvisalo di nuovo</translation>
    </message>
    <message>
        <source>%1: not told yet</source>
        <comment>IDS_STATUS_NOT_TOLD</comment>
        <extracomment>kivvo-cli status. %1: the participant</extracomment>
        <translation>%1: non ancora avvisato</translation>
    </message>
    <message>
        <source>%1: no drawn name yet</source>
        <comment>IDS_STATUS_NOT_DRAWN</comment>
        <extracomment>kivvo-cli status. %1: the participant</extracomment>
        <translation>%1: ancora nessun nome estratto</translation>
    </message>
    <message>
        <source>by e-mail</source>
        <comment>IDS_TOLD_BY_MAIL</comment>
        <translation>per e-mail</translation>
    </message>
    <message>
        <source>on a card</source>
        <comment>IDS_TOLD_ON_CARD</comment>
        <translation>su un biglietto</translation>
    </message>
    <message>
        <source>in the pass-around round</source>
        <comment>IDS_TOLD_IN_ROUND</comment>
        <translation>nel giro dello schermo</translation>
    </message>
    <message>
        <source>Another program changed %1 since it was opened here, and the file now holds another drawing than this window. Nothing was sent, printed or shown.<byte value="xd"/>
<byte value="xd"/>
Open the file as it is now?</source>
        <comment>IDS_FILE_OTHER_DRAWING</comment>
        <extracomment>Before names are sent, printed or shown in the round. %1: the document&apos;s file</extracomment>
        <translation>Un altro programma ha modificato %1 da quando è stato aperto qui, e il file contiene ora un&apos;altra estrazione rispetto a questa finestra. Non è stato inviato, stampato né mostrato nulla.<byte value="xd"/>
<byte value="xd"/>
Aprire il file com&apos;è adesso?</translation>
    </message>
    <message>
        <source>Before the first name goes out, the drawing is saved, so that what the participants are told is never lost. Choose where to keep it.</source>
        <comment>IDS_SAVE_BEFORE_TELLING</comment>
        <translation>Prima che esca il primo nome, l&apos;estrazione viene salvata, così ciò che viene detto ai partecipanti non va mai perso. Scegli dove conservarla.</translation>
    </message>
    <message>
        <source>e-mail language: %1 (%2)
</source>
        <comment>IDS_CLI_MAIL_LANGUAGE</comment>
        <extracomment>kivvo-cli rules output, when the document has an e-mail language of its own.
%1: the language&apos;s own name; %2: its code</extracomment>
        <translation>lingua delle e-mail: %1 (%2)
</translation>
    </message>
    <message>
        <source>This list is empty. Add the first person with %1 or %2 → %3.</source>
        <comment>IDS_EMPTY_LIST_HINT</comment>
        <extracomment>Above an empty list in the main window.
%1: the Insert key&apos;s name; %2: the Exchange menu; %3: its item Add Person</extracomment>
        <translation>Questa lista è vuota. Aggiungi la prima persona con %1 o %2 → %3.</translation>
    </message>
    <message>
        <source>Draw Names needs at least three persons in the list</source>
        <comment>IDS_TIP_DRAW_NEEDS_THREE</comment>
        <extracomment>Tip of Draw Names while it is greyed.</extracomment>
        <translation>Per estrarre i nomi servono almeno tre persone nella lista</translation>
    </message>
    <message>
        <source>&amp;Export Participants...</source>
        <comment>IDS_MENU_EXPORT</comment>
        <translation>&amp;Esporta partecipanti...</translation>
    </message>
    <message>
        <source>Export Participants</source>
        <comment>IDS_EXPORT_TITLE</comment>
        <extracomment>Title of the file window that exports the participants.</extracomment>
        <translation>Esporta partecipanti</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <comment>IDS_EXPORT_FILTER_SPREADSHEET</comment>
        <extracomment>File type in the export&apos;s file window: UTF-8 with a byte-order mark and the list
separator of the user&apos;s language (a semicolon where numbers have a decimal comma).</extracomment>
        <translation>CSV per fogli di calcolo (*.csv)</translation>
    </message>
    <message>
        <source>Plain CSV (*.csv)</source>
        <comment>IDS_EXPORT_FILTER_PLAIN</comment>
        <extracomment>File type in the export&apos;s file window: UTF-8 with commas.</extracomment>
        <translation>CSV semplice (*.csv)</translation>
    </message>
    <message>
        <source>Cannot export the participants to &quot;%1&quot;: %2.</source>
        <comment>IDS_EXPORT_ERROR</comment>
        <extracomment>Message box when the export failed.
%1: the file&apos;s path; %2: the reason</extracomment>
        <translation>Impossibile esportare i partecipanti in &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Line %1 looks like column headings Kivvo does not know (%2), so it is left out. The columns are read as name, address, suggestions and group.</source>
        <comment>IDS_IMPORT_UNKNOWN_HEADINGS</comment>
        <extracomment>Import Participants window and kivvo-cli import, when the file&apos;s first line names
its columns in words Kivvo does not know.
%1: the line number; %2: the line&apos;s fields, separated by commas</extracomment>
        <translation>La riga %1 sembra contenere intestazioni di colonna che Kivvo non conosce (%2), quindi viene tralasciata. Le colonne vengono lette come nome, indirizzo, suggerimenti e gruppo.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <comment>IDS_PERSON_ADD_NEVER_DRAWS</comment>
        <extracomment>Person Properties window: puts the names typed under Never draws into the table.</extracomment>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <comment>IDS_PERSON_REMOVE_NEVER_DRAWS</comment>
        <extracomment>Person Properties window: takes the selected names out of Never draws.</extracomment>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>IDS_PERSON_COL_NAME</comment>
        <extracomment>Person Properties window, heading of the Never draws table: whom he never draws.</extracomment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Both ways</source>
        <comment>IDS_PERSON_COL_BOTH_WAYS</comment>
        <extracomment>Person Properties window, heading of the Never draws table: ticked where that
person never draws him either.</extracomment>
        <translation>In entrambi i sensi</translation>
    </message>
    <message>
        <source>Continued on the next card</source>
        <comment>IDS_CARD_CONTINUES</comment>
        <extracomment>Paper card, last line of a text too long for the card.</extracomment>
        <translation>Continua sul biglietto successivo</translation>
    </message>
    <message>
        <source>(continued)</source>
        <comment>IDS_CARD_CONTINUED</comment>
        <extracomment>Paper card, under the giver&apos;s name on a card that goes on with the card before.</extracomment>
        <translation>(continua)</translation>
    </message>
    <message>
        <source>The rest is too long for the cards</source>
        <comment>IDS_CARD_TOO_LONG</comment>
        <extracomment>Paper card, last line of the last card a participant&apos;s texts may take.</extracomment>
        <translation>Il resto è troppo lungo per i biglietti</translation>
    </message>
    <message>
        <source>Gives and receives</source>
        <comment>IDS_ROLE_BOTH</comment>
        <extracomment>Role of a person, in the person window.</extracomment>
        <translation>Regala e riceve</translation>
    </message>
    <message>
        <source>Gives only</source>
        <comment>IDS_ROLE_GIVES</comment>
        <extracomment>Role of a person, in the person window.</extracomment>
        <translation>Regala soltanto</translation>
    </message>
    <message>
        <source>Receives only</source>
        <comment>IDS_ROLE_RECEIVES</comment>
        <extracomment>Role of a person, in the person window.</extracomment>
        <translation>Riceve soltanto</translation>
    </message>
    <message>
        <source>Ro&amp;le:</source>
        <comment>IDS_ROLE_LABEL</comment>
        <extracomment>Label in the person window; its &amp; letter differs from those of Add and Remove there.</extracomment>
        <translation>R&amp;uolo:</translation>
    </message>
    <message>
        <source>&amp;Gifts per giver:</source>
        <comment>IDS_GIFTS_LABEL</comment>
        <extracomment>Label in the Rules window; its &amp; letter differs from those of the other rules there.</extracomment>
        <translation>&amp;Regali per chi regala:</translation>
    </message>
    <message>
        <source>One circle needs every person to give and receive, with one gift each.</source>
        <comment>IDS_CIRCLE_UNAVAILABLE</comment>
        <extracomment>Rules window and messages: why &quot;one circle&quot; is not available.</extracomment>
        <translation>Un unico cerchio richiede che ogni persona regali e riceva, con un regalo a testa.</translation>
    </message>
    <message>
        <source>One circle needs every person to give and receive, with one gift each. Turn it off in Exchange &gt; Rules, or let every person give and receive one gift, then draw again.</source>
        <comment>IDS_DRAW_CIRCLE_NEEDS_ONE</comment>
        <extracomment>Why names cannot be drawn.</extracomment>
        <translation>Un unico cerchio richiede che ogni persona regali e riceva, con un regalo a testa. Disattivalo in Scambio &gt; Regole, oppure fai in modo che ogni persona faccia e riceva un regalo, poi estrai di nuovo.</translation>
    </message>
    <message>
        <source>Nobody in this list gives a gift: every person receives only.</source>
        <comment>IDS_DRAW_NOBODY_GIVES</comment>
        <extracomment>Why names cannot be drawn.</extracomment>
        <translation>In questa lista nessuno fa un regalo: ogni persona riceve soltanto.</translation>
    </message>
    <message>
        <source>Nobody in this list receives a gift: every person gives only.</source>
        <comment>IDS_DRAW_NOBODY_RECEIVES</comment>
        <extracomment>Why names cannot be drawn.</extracomment>
        <translation>In questa lista nessuno riceve un regalo: ogni persona regala soltanto.</translation>
    </message>
    <message>
        <source>Too few gifts: %1 persons receive a gift, but the givers give only %2 in all (%3 each).</source>
        <comment>IDS_DRAW_FEW_GIFTS</comment>
        <extracomment>Why names cannot be drawn. %1: persons who receive; %2: gifts given in all; %3: gifts per giver</extracomment>
        <translation>Troppo pochi regali: %1 persone ricevono un regalo, ma chi regala ne fa solo %2 in tutto (%3 a testa).</translation>
    </message>
    <message>
        <source> Persons who receive only: %1.</source>
        <comment>IDS_DRAW_RECEIVE_ONLY_COUNT</comment>
        <extracomment>Follows IDS_DRAW_FEW_GIFTS. %1: a number</extracomment>
        <translation> Persone che ricevono soltanto: %1.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Let more persons give, or raise the gifts per giver (Exchange &gt; Rules), then draw again.</source>
        <comment>IDS_DRAW_FEW_GIFTS_HINT</comment>
        <extracomment>Ends IDS_DRAW_FEW_GIFTS.</extracomment>
        <translation><byte value="xd"/>
<byte value="xd"/>
Lascia che più persone facciano regali, oppure aumenta i regali per chi regala (Scambio &gt; Regole), poi estrai di nuovo.</translation>
    </message>
    <message>
        <source>The gifts of %1 (%2 in all) can go only to %3, who can take at most %4 of them.</source>
        <comment>IDS_DRAW_GIVERS_SHORT</comment>
        <extracomment>Why names cannot be drawn. %1: givers; %2: their gifts in all; %3: the persons they may give to; %4: a number</extracomment>
        <translation>I regali di %1 (%2 in tutto) possono andare solo a %3, che ne possono ricevere al massimo %4.</translation>
    </message>
    <message>
        <source>The gifts of %1 can go to nobody.</source>
        <comment>IDS_DRAW_GIVERS_SHORT_NOBODY</comment>
        <extracomment>Why names cannot be drawn. %1: givers</extracomment>
        <translation>I regali di %1 non possono andare a nessuno.</translation>
    </message>
    <message>
        <source>%1 must get at least %2 of the gifts, but only %3 may give to them, at most %4 in all.</source>
        <comment>IDS_DRAW_RECEIVERS_SHORT</comment>
        <extracomment>Why names cannot be drawn. %1: receivers; %2: a number; %3: givers; %4: a number</extracomment>
        <translation>%1 devono ricevere almeno %2 dei regali, ma solo %3 possono fare loro un regalo, al massimo %4 in tutto.</translation>
    </message>
    <message>
        <source>%1 must get at least %2 of the gifts, but nobody may give to them.</source>
        <comment>IDS_DRAW_RECEIVERS_SHORT_NOBODY</comment>
        <extracomment>Why names cannot be drawn. %1: receivers; %2: a number</extracomment>
        <translation>%1 devono ricevere almeno %2 dei regali, ma nessuno può fare loro un regalo.</translation>
    </message>
    <message>
        <source>In every drawing of this list, two persons would give to each other. Allow pairs who draw each other (Exchange &gt; Rules) or give fewer gifts each, then draw again.</source>
        <comment>IDS_DRAW_NO_MUTUAL_NONE</comment>
        <extracomment>Why names cannot be drawn.</extracomment>
        <translation>In ogni estrazione di questa lista, due persone si farebbero un regalo a vicenda. Consenti le coppie che si estraggono a vicenda (Scambio &gt; Regole) oppure riduci i regali per chi regala, poi estrai di nuovo.</translation>
    </message>
    <message>
        <source>%1 has %2 drawn names instead of %3</source>
        <comment>IDS_CHECK_GIFT_COUNT</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the giver; %2, %3: numbers</extracomment>
        <translation>%1 ha %2 nomi estratti invece di %3</translation>
    </message>
    <message>
        <source>%1 receives only, but has a drawn name</source>
        <comment>IDS_CHECK_RECEIVES_ONLY</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: a person</extracomment>
        <translation>%1 riceve soltanto, ma ha un nome estratto</translation>
    </message>
    <message>
        <source>%1 gives only, but %2 drew him</source>
        <comment>IDS_CHECK_GIVES_ONLY_DRAWN</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the person drawn; %2: who drew him</extracomment>
        <translation>%1 regala soltanto, ma %2 ha estratto il suo nome</translation>
    </message>
    <message>
        <source>%1 drew %2 twice</source>
        <comment>IDS_CHECK_SAME_TWICE</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the giver; %2: the person drawn</extracomment>
        <translation>%1 ha estratto %2 due volte</translation>
    </message>
    <message>
        <source>%1 gets %2 gifts, where every person gets %3</source>
        <comment>IDS_CHECK_RECEIVED_COUNT</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: a person; %2: a number; %3: a number, or IDS_COUNT_OR</extracomment>
        <translation>%1 riceve %2 regali, mentre ogni persona ne riceve %3</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>IDS_COUNT_OR</comment>
        <extracomment>Two numbers, as in &quot;1 or 2&quot;.</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>Get gifts for: %1</source>
        <comment>IDS_GET_GIFTS_FOR</comment>
        <extracomment>Pass-around round, a giver with several recipients. %1: their names</extracomment>
        <translation>Fai un regalo a ognuno di: %1</translation>
    </message>
    <message>
        <source>--role takes both, gives or receives, not &quot;%1&quot;</source>
        <comment>IDS_CLI_BAD_ROLE</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. Keep the option values in English. %1: the value given</extracomment>
        <translation>--role accetta both, gives oppure receives, non &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--gifts takes a number from 1 to %1, not &quot;%2&quot;</source>
        <comment>IDS_CLI_BAD_GIFTS</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the largest number allowed; %2: the value given</extracomment>
        <translation>--gifts accetta un numero da 1 a %1, non &quot;%2&quot;</translation>
    </message>
    <message>
        <source>gifts per giver: %1
</source>
        <comment>IDS_CLI_GIFTS_LINE</comment>
        <extracomment>kivvo-cli rules output.</extracomment>
        <translation>regali per chi regala: %1
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
Le persone estratte a sorte a cui %1 farà un regalo sono %2.<byte value="xd"/>
<byte value="xd"/>
Grazie.<byte value="xd"/>
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
Le persone estratte a sorte a cui %1 farà un regalo sono %2.<byte value="xd"/>
<byte value="xd"/>
Le liste di questa cerchia sono troppo lunghe per riportarle in ogni e-mail: se vuoi vederle, chiedile a chi organizza lo scambio.<byte value="xd"/>
<byte value="xd"/>
Grazie.<byte value="xd"/>
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
Le persone estratte a sorte a cui %1 farà un regalo sono %2.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Gift Suggestions for %1: %2</source>
        <comment>IDS_NOTE_SUGGESTIONS_FOR</comment>
        <extracomment>Notification e-mail, a giver with several recipients. %1: a recipient; %2: his suggestions. One line each, after the drawn names.</extracomment>
        <translation>Idee regalo per %1: %2</translation>
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
        <translation>solo regala</translation>
    </message>
    <message>
        <source>receives only</source>
        <comment>IDS_ROLE_MARK_RECEIVES</comment>
        <extracomment>Mark after a name in the list.</extracomment>
        <translation>solo riceve</translation>
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
        <translation>%1 riceve soltanto e non fa regali: non c&apos;è niente da comunicare.</translation>
    </message>
    <message>
        <source>Every giver gives from 1 to %1 gifts.</source>
        <comment>IDS_BAD_GIFTS</comment>
        <extracomment>Message.</extracomment>
        <translation>Chi regala fa da 1 a %1 regali.</translation>
    </message>
    <message>
        <source>Hand the screen to %1, then press Draw name.</source>
        <comment>IDS_STEP_HAND_TO</comment>
        <extracomment>The next step in the Draw names window, in words. &quot;Draw name&quot; is the first line of the button&apos;s text (IDS_REVEAL_DRAW). %1: the participant&apos;s name</extracomment>
        <translation>Passa lo schermo a %1, poi premi «Estrai il nome».</translation>
    </message>
    <message>
        <source>Press Show name to see whom %1 gives a gift to.</source>
        <comment>IDS_STEP_SHOW_FOR</comment>
        <extracomment>The next step in the View notifications window. &quot;Show name&quot; is the first line of the button&apos;s text (IDS_REVEAL_SHOW). %1: the participant&apos;s name</extracomment>
        <translation>Premi «Mostra il nome» per vedere a chi fa un regalo %1.</translation>
    </message>
    <message>
        <source>Read the name, then press Done to hide it again.</source>
        <comment>IDS_STEP_READ</comment>
        <extracomment>The next step while the drawn name is on the screen.</extracomment>
        <translation>Leggi il nome, poi premi «Fatto» per nasconderlo di nuovo.</translation>
    </message>
    <message>
        <source>Press Next and hand the screen to %1.</source>
        <comment>IDS_STEP_NEXT_TO</comment>
        <extracomment>The next step in the Draw names window after Done. %1: the next participant&apos;s name</extracomment>
        <translation>Premi «Successivo» e passa lo schermo a %1.</translation>
    </message>
    <message>
        <source>Press Next to go on to %1.</source>
        <comment>IDS_STEP_NEXT_SHOW</comment>
        <extracomment>The next step in the View notifications window after Done. %1: the next participant&apos;s name</extracomment>
        <translation>Premi «Successivo» per passare a %1.</translation>
    </message>
    <message>
        <source>Press Next to go on to those who have not looked yet.</source>
        <comment>IDS_STEP_GO_ON</comment>
        <translation>Premi «Successivo» per passare a chi non ha ancora guardato.</translation>
    </message>
    <message>
        <source>Press Previous to go back to those who have not looked yet.</source>
        <comment>IDS_STEP_GO_BACK</comment>
        <translation>Premi «Precedente» per tornare a chi non ha ancora guardato.</translation>
    </message>
    <message>
        <source>Click OK to close this window.</source>
        <comment>IDS_STEP_CLICK_OK</comment>
        <extracomment>The last step of the Draw names window, once every name was seen.</extracomment>
        <translation>Fai clic su OK per chiudere questa finestra.</translation>
    </message>
    <message>
        <source>Everybody has seen his name.</source>
        <comment>IDS_ROUND_ALL_LOOKED</comment>
        <extracomment>Closing screen of the Draw names window.</extracomment>
        <translation>Tutti hanno visto il proprio nome.</translation>
    </message>
    <message>
        <source>Every name has been shown.</source>
        <comment>IDS_ROUND_ALL_SHOWN</comment>
        <extracomment>Closing screen of the View notifications window.</extracomment>
        <translation>Tutti i nomi sono stati mostrati.</translation>
    </message>
    <message>
        <source>Not everybody has seen his name in the round. Would you like to send emails now?</source>
        <comment>IDS_ASK_SEND_NOT_ALL_LOOKED</comment>
        <extracomment>Question after a round that was ended before everybody had seen his name.</extracomment>
        <translation>Non tutti hanno visto il proprio nome nel giro. Vuoi inviare le e-mail adesso?</translation>
    </message>
    <message>
        <source>Participant</source>
        <comment>IDS_SEND_COLUMN_PERSON</comment>
        <extracomment>Column headings of the sending window.</extracomment>
        <translation>Partecipante</translation>
    </message>
    <message>
        <source>Address</source>
        <comment>IDS_SEND_COLUMN_ADDRESS</comment>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Outcome</source>
        <comment>IDS_SEND_COLUMN_OUTCOME</comment>
        <translation>Esito</translation>
    </message>
    <message>
        <source>Reason</source>
        <comment>IDS_SEND_COLUMN_REASON</comment>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Waiting</source>
        <comment>IDS_OUTCOME_WAITING</comment>
        <extracomment>One participant&apos;s outcome in the sending window: not yet sent.</extracomment>
        <translation>In attesa</translation>
    </message>
    <message>
        <source>Sent</source>
        <comment>IDS_OUTCOME_SENT</comment>
        <extracomment>One participant&apos;s outcome in the sending window: the server confirmed his e-mail.</extracomment>
        <translation>Inviata</translation>
    </message>
    <message>
        <source>Skipped</source>
        <comment>IDS_OUTCOME_SKIPPED</comment>
        <extracomment>One participant&apos;s outcome in the sending window: he has no address.</extracomment>
        <translation>Saltato</translation>
    </message>
    <message>
        <source>Failed</source>
        <comment>IDS_OUTCOME_FAILED</comment>
        <extracomment>One participant&apos;s outcome in the sending window: the server refused his e-mail.</extracomment>
        <translation>Non riuscito</translation>
    </message>
    <message>
        <source>Not sent</source>
        <comment>IDS_OUTCOME_NOT_SENT</comment>
        <extracomment>One participant&apos;s outcome in the sending window: sending stopped before his e-mail.</extracomment>
        <translation>Non inviata</translation>
    </message>
    <message>
        <source>no email address</source>
        <comment>IDS_OUTCOME_NO_ADDRESS</comment>
        <extracomment>Reason column of the sending window for a participant without an address.</extracomment>
        <translation>nessun indirizzo e-mail</translation>
    </message>
    <message numerus="yes">
        <source>The drawing was repaired: %1 of the givers got other recipients for some of their gifts; everybody else keeps the ones he drew.</source>
        <comment>IDS_REPAIR_DONE_GIFTS</comment>
        <extracomment>After a repair of a drawing in which every giver draws several recipients.
%1: how many givers got other recipients</extracomment>
        <translation>
            <numerusform>L&apos;estrazione è stata riparata: %1 dei donatori ha ricevuto altri destinatari per alcuni dei suoi regali; tutti gli altri tengono i propri.</numerusform>
            <numerusform>L&apos;estrazione è stata riparata: %1 dei donatori hanno ricevuto altri destinatari per alcuni dei loro regali; tutti gli altri tengono i propri.</numerusform>
        </translation>
    </message>
    <message>
        <source>The list changed after its names were drawn.<byte value="xd"/>
<byte value="xd"/>
Repair the drawing: every rule is kept, and as few of the drawn names as possible change, so that only the givers concerned need to be told again. Or draw again: everybody draws anew and must be told again.</source>
        <comment>IDS_ASK_REPAIR_GIFTS</comment>
        <extracomment>Asked by Draw Names when the list changed after its names were drawn and every giver draws several recipients.</extracomment>
        <translation>La lista è cambiata dopo l&apos;estrazione dei nomi.<byte value="xd"/>
<byte value="xd"/>
Riparare l&apos;estrazione: ogni regola resta e cambia il minor numero possibile di nomi estratti, così vanno avvisati di nuovo solo i donatori interessati. Oppure estrarre di nuovo: tutti estraggono di nuovo e vanno avvisati di nuovo.</translation>
    </message>
</context>
</TS>
