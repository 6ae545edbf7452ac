<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Kivvo</name>
    <message>
        <source>&amp;Tools</source>
        <comment>IDS_TOOLS_MENU</comment>
        <translation>&amp;Outils</translation>
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
Documents Kivvo (*.kv)
.kv
Kivvo.Document
Document Kivvo</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <comment>IDS_SETTINGS_MENU</comment>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>E&amp;xchange</source>
        <comment>IDS_EXCHANGE_MENU</comment>
        <translation>É&amp;change</translation>
    </message>
    <message>
        <source>Copy current list for next exchange
Copy List</source>
        <comment>IDS_PROMPT_COPY_FOR_NEXT</comment>
        <translation>Copier la liste actuelle pour le prochain échange
Copier la liste</translation>
    </message>
    <message>
        <source>Send email notification of &apos;who to get gift for&apos; to all participants with email addresses
Send emails</source>
        <comment>IDS_PROMPT_SEND_EMAILS</comment>
        <translation>Envoyer à chaque participant ayant une adresse e-mail le nom de la personne à qui il offre un cadeau
Envoyer les e-mails</translation>
    </message>
    <message>
        <source>New</source>
        <comment>IDS_TIP_NEW</comment>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>File</source>
        <comment>IDS_TIP_FILE</comment>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>IDS_TIP_HELP</comment>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Cut</source>
        <comment>IDS_TIP_CUT</comment>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>IDS_TIP_COPY</comment>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <comment>IDS_TIP_PASTE</comment>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Would you like to pass around this computer for participants to draw their own names? You can skip any participants not present. Click OK when finished.</source>
        <comment>IDS_ASK_PASS_AROUND</comment>
        <translation>Voulez-vous faire passer cet ordinateur de main en main pour que chaque participant tire lui-même son nom&#xa0;? Vous pouvez sauter les participants absents. Cliquez sur OK quand vous avez terminé.</translation>
    </message>
    <message>
        <source>Name drawing is complete. Would you like to send emails now?</source>
        <comment>IDS_ASK_SEND_NOW</comment>
        <translation>Le tirage au sort est terminé. Voulez-vous envoyer les e-mails maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Names have already been drawn. Are you sure you want to draw again?<byte value="xd"/>
<byte value="xd"/>
If you would like to use the same list of names for a new drawing you should use the &apos;Copy for new drawing&apos; feature.</source>
        <comment>IDS_ASK_DRAW_AGAIN</comment>
        <translation>Les noms ont déjà été tirés. Voulez-vous vraiment refaire le tirage&#xa0;?<byte value="xd"/>
<byte value="xd"/>
Pour réutiliser la même liste de noms pour un nouveau tirage, utilisez plutôt «&#xa0;Copier pour le prochain échange&#xa0;».</translation>
    </message>
    <message>
        <source>Are you sure you want to draw names now?<byte value="xd"/>
<byte value="xd"/>
Please make sure all participant names have been entered.</source>
        <comment>IDS_ASK_DRAW_NOW</comment>
        <translation>Voulez-vous vraiment tirer les noms au sort maintenant&#xa0;?<byte value="xd"/>
<byte value="xd"/>
Vérifiez que tous les participants ont bien été saisis.</translation>
    </message>
    <message>
        <source>Are you sure you want to copy the current list to create a new list?<byte value="xd"/>
<byte value="xd"/>
This should normally only be performed after the current list is complete and gifts have been exchanged to setup for the next exchange based on the same group of people.</source>
        <comment>IDS_ASK_COPY_LIST</comment>
        <translation>Voulez-vous vraiment copier la liste actuelle pour en créer une nouvelle&#xa0;?<byte value="xd"/>
<byte value="xd"/>
Normalement, on ne le fait qu&apos;une fois la liste actuelle terminée et les cadeaux échangés, pour préparer le prochain échange entre les mêmes personnes.</translation>
    </message>
    <message>
        <source>Copy current list for new drawing is complete.<byte value="xd"/>
It is recommended to rename the root node to identify the drawing such as &apos;Christmas 2004&apos;</source>
        <comment>IDS_COPY_DONE</comment>
        <translation>La liste actuelle a été copiée pour un nouveau tirage.<byte value="xd"/>
Nous vous conseillons de renommer la nouvelle liste pour reconnaître le tirage, par exemple «&#xa0;Noël 2004&#xa0;».</translation>
    </message>
    <message>
        <source>Send email now to all participants with email addresses entered.<byte value="xd"/>
<byte value="xd"/>
You may repeat the operation as a reminder or if any email addresses are changed.</source>
        <comment>IDS_ASK_SEND_ALL</comment>
        <translation>Envoyer maintenant un e-mail à tous les participants dont l&apos;adresse e-mail est renseignée.<byte value="xd"/>
<byte value="xd"/>
Vous pourrez recommencer pour un rappel ou si des adresses e-mail changent.</translation>
    </message>
    <message numerus="yes">
        <source>Sent emails to %1 out of %2 participants</source>
        <comment>IDS_SENT_SUMMARY</comment>
        <extracomment>Summary of the sending window and of kivvo-cli send. %1: how many e-mails were sent; %2: the number of participants</extracomment>
        <translation>
            <numerusform>E-mails envoyés&#xa0;: %1 sur %2 participant</numerusform>
            <numerusform>E-mails envoyés&#xa0;: %1 sur %2 participants</numerusform>
        </translation>
    </message>
    <message>
        <source>Error sending to [%1] email address [%2]</source>
        <comment>IDS_SEND_ERROR</comment>
        <extracomment>Line of the sending window and of kivvo-cli send for a failed e-mail. %1: the participant&apos;s name; %2: his e-mail address</extracomment>
        <translation>Erreur lors de l&apos;envoi à [%1], adresse e-mail [%2]</translation>
    </message>
    <message>
        <source>Email sent to: %1<byte value="xd"/>
address: %2</source>
        <comment>IDS_EMAIL_SENT</comment>
        <extracomment>Line of the sending window and of kivvo-cli send (the line break becomes a comma). %1: the participant&apos;s name; %2: his e-mail address</extracomment>
        <translation>E-mail envoyé à&#xa0;: %1<byte value="xd"/>
adresse&#xa0;: %2</translation>
    </message>
    <message>
        <source>The mail server %1 could not be reached or refused the login.<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Check the mail settings (Settings &gt; Configure, or kivvo-cli config).</source>
        <comment>IDS_LOGON_ERROR</comment>
        <extracomment>Shown in the sending window and by kivvo-cli send when no connection comes about. %1: the mail server as host:port; %2: the reason</extracomment>
        <translation>Le serveur de messagerie %1 est injoignable ou a refusé la connexion.<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Vérifiez les paramètres de messagerie (Paramètres &gt; Configurer, ou kivvo-cli config).</translation>
    </message>
    <message>
        <source>No drawing was found for this list.<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <comment>IDS_DRAWING_ERROR</comment>
        <extracomment>Message box and kivvo-cli message when names cannot be drawn. %1: why, one or more sentences</extracomment>
        <translation>Aucun tirage n&apos;a été trouvé pour cette liste.<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The address book %1 cannot be read: %2</source>
        <comment>IDS_CONTACTS_LOGIN_ERROR</comment>
        <extracomment>Warning when an address book (*.vcf) is no vCard file. %1: the address book&apos;s file path; %2: the reason</extracomment>
        <translation>Impossible de lire le carnet d&apos;adresses %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The address book %1 cannot be read: %2</source>
        <comment>IDS_CONTACTS_CLSID_ERROR</comment>
        <extracomment>Warning when an address book (*.vcf) cannot be read. %1: the address book&apos;s file path; %2: the system&apos;s reason</extracomment>
        <translation>Impossible de lire le carnet d&apos;adresses %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The address book %1 cannot be opened: %2</source>
        <comment>IDS_CONTACTS_CREATE_ERROR</comment>
        <extracomment>Warning when an address book (*.vcf) cannot be opened. %1: the address book&apos;s file path; %2: the system&apos;s reason</extracomment>
        <translation>Impossible d&apos;ouvrir le carnet d&apos;adresses %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>List</source>
        <comment>IDS_NEW_LIST_NAME</comment>
        <translation>Liste</translation>
    </message>
    <message>
        <source>New Group</source>
        <comment>IDS_NEW_GROUP_NAME</comment>
        <translation>Nouveau groupe</translation>
    </message>
    <message>
        <source>Person</source>
        <comment>IDS_NEW_PERSON_NAME</comment>
        <translation>Personne</translation>
    </message>
    <message>
        <source> New Copy</source>
        <comment>IDS_COPY_SUFFIX</comment>
        <translation> (copie)</translation>
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
        <translation>Bonjour %1&#xa0;!<byte value="xd"/>
<byte value="xd"/>
Voici le message automatique de votre tirage au sort Kivvo.<byte value="xd"/>
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
        <translation>Ce message est destiné uniquement à %1.<byte value="xd"/>
Si vous n&apos;êtes pas cette personne, merci de ne pas lire la suite.<byte value="xd"/>
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
        <translation>Lors de l&apos;échange précédent, vous avez offert un cadeau à %1.<byte value="xd"/>
Vous ne tirerez pas le même nom cette fois-ci.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>The following list shows who each person gave a gift to in the previous exchange.<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>IDS_NOTE_PREVIOUS_LIST</comment>
        <translation>Voici à qui chacun a offert un cadeau lors de l&apos;échange précédent.<byte value="xd"/>
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
Voici la liste actuelle des noms.<byte value="xd"/>
Les membres d&apos;un groupe (en retrait) ne peuvent pas tirer le nom d&apos;une personne de leur propre groupe.<byte value="xd"/>
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
%1, voici le nom tiré au sort de la personne à qui vous offrirez un cadeau&#xa0;: %2.<byte value="xd"/>
<byte value="xd"/>
Merci&#xa0;!<byte value="xd"/>
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
Idées de cadeaux&#xa0;: %1<byte value="xd"/>
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
        <translation>Tirer le nom
pour %1</translation>
    </message>
    <message>
        <source>Show name
for %1</source>
        <comment>IDS_REVEAL_SHOW</comment>
        <extracomment>Button of the View notifications window, two lines. %1: the participant&apos;s name</extracomment>
        <translation>Afficher le nom
pour %1</translation>
    </message>
    <message>
        <source>Name already shown
 for %1</source>
        <comment>IDS_REVEAL_SHOWN</comment>
        <extracomment>Button of the Draw names window once the name was seen, two lines. %1: the participant&apos;s name</extracomment>
        <translation>Nom déjà affiché
pour %1</translation>
    </message>
    <message>
        <source>Draw Name
for XXXXX</source>
        <comment>IDS_REVEAL_INITIAL</comment>
        <translation>Tirer le nom
pour XXXXX</translation>
    </message>
    <message>
        <source>Get gift for: %1</source>
        <comment>IDS_GET_GIFT_FOR</comment>
        <extracomment>Text revealed in the Draw names window. %1: the name the participant drew</extracomment>
        <translation>Offrir un cadeau à&#xa0;: %1</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Suggestions: </source>
        <comment>IDS_REVEAL_SUGGESTIONS</comment>
        <translation><byte value="xd"/>
Idées de cadeaux&#xa0;: </translation>
    </message>
    <message>
        <source>Previous</source>
        <comment>IDS_PREVIOUS</comment>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <comment>IDS_NEXT</comment>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Done</source>
        <comment>IDS_DONE</comment>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>No participants
in this list</source>
        <comment>IDS_REVEAL_NOBODY</comment>
        <translation>Aucun participant
dans cette liste</translation>
    </message>
    <message>
        <source>Person Properties</source>
        <comment>IDS_PERSON_TITLE</comment>
        <translation>Propriétés de la personne</translation>
    </message>
    <message>
        <source>Name:</source>
        <comment>IDS_PERSON_NAME_LABEL</comment>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Gift To:</source>
        <comment>IDS_PERSON_GIFT_TO_LABEL</comment>
        <translation>Offre à&#xa0;:</translation>
    </message>
    <message>
        <source>E-mail or address book name:</source>
        <comment>IDS_PERSON_ADDRESS_LABEL</comment>
        <translation>E-mail ou nom dans le carnet d&apos;adresses&#xa0;:</translation>
    </message>
    <message>
        <source>Gift Suggestions:</source>
        <comment>IDS_PERSON_SUGGESTIONS_LABEL</comment>
        <translation>Idées de cadeaux&#xa0;:</translation>
    </message>
    <message>
        <source>About Kivvo</source>
        <comment>IDS_ABOUT_TITLE</comment>
        <translation>À propos de Kivvo</translation>
    </message>
    <message>
        <source>Kivvo
Version 1.0</source>
        <comment>IDS_ABOUT_VERSION</comment>
        <translation>Kivvo
Version 1.0</translation>
    </message>
    <message>
        <source>Copyright © 2026
Quorvale

Free software under the GNU General Public License, version 3 or later</source>
        <comment>IDS_ABOUT_COPYRIGHT</comment>
        <translation>Copyright © 2026
Quorvale

Logiciel libre sous licence publique générale GNU (GNU GPL), version 3 ou ultérieure</translation>
    </message>
    <message>
        <source>https://www.gnu.org/licenses/gpl-3.0.html</source>
        <comment>IDS_ABOUT_WEB_ADDRESS</comment>
        <translation>https://www.gnu.org/licenses/gpl-3.0.html</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>IDS_ABOUT_CLOSE</comment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Configure...</source>
        <comment>IDS_MENU_CONFIGURE</comment>
        <translation>&amp;Configurer...</translation>
    </message>
    <message>
        <source>&amp;Add Person</source>
        <comment>IDS_MENU_ADD_PERSON</comment>
        <translation>Ajouter une &amp;personne</translation>
    </message>
    <message>
        <source>Add &amp;Group</source>
        <comment>IDS_MENU_ADD_GROUP</comment>
        <translation>Ajouter un &amp;groupe</translation>
    </message>
    <message>
        <source>Add &amp;Person to Group</source>
        <comment>IDS_MENU_ADD_PERSON_TO_GROUP</comment>
        <translation>Ajouter une personne a&amp;u groupe</translation>
    </message>
    <message>
        <source>&amp;Delete Item</source>
        <comment>IDS_MENU_DELETE_ITEM</comment>
        <translation>&amp;Supprimer l&apos;élément</translation>
    </message>
    <message>
        <source>Rename &amp;Item</source>
        <comment>IDS_MENU_RENAME_ITEM</comment>
        <translation>Re&amp;nommer l&apos;élément</translation>
    </message>
    <message>
        <source>Send &amp;email to Person</source>
        <comment>IDS_MENU_SEND_EMAIL_TO_PERSON</comment>
        <translation>&amp;Envoyer un e-mail à la personne</translation>
    </message>
    <message>
        <source>Person Pr&amp;operties</source>
        <comment>IDS_MENU_PERSON_PROPERTIES</comment>
        <translation>Pr&amp;opriétés de la personne</translation>
    </message>
    <message>
        <source>Draw &amp;Names</source>
        <comment>IDS_MENU_DRAW_NAMES</comment>
        <translation>&amp;Tirer les noms au sort</translation>
    </message>
    <message>
        <source>&amp;Send Emails</source>
        <comment>IDS_MENU_SEND_EMAILS</comment>
        <translation>En&amp;voyer les e-mails</translation>
    </message>
    <message>
        <source>&amp;View Notifications</source>
        <comment>IDS_MENU_VIEW_NOTIFICATIONS</comment>
        <translation>A&amp;fficher les noms tirés</translation>
    </message>
    <message>
        <source>Copy for Ne&amp;xt Exchange</source>
        <comment>IDS_MENU_COPY_FOR_NEXT</comment>
        <translation>&amp;Copier pour le prochain échange</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <comment>IDS_MENU_SAVE_AS</comment>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>A&amp;bout Kivvo...</source>
        <comment>IDS_MENU_ABOUT</comment>
        <translation>À &amp;propos de Kivvo...</translation>
    </message>
    <message>
        <source>New</source>
        <comment>IDS_MENU_NEW</comment>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>IDS_MENU_OPEN</comment>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <comment>IDS_MENU_SAVE</comment>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>IDS_MENU_EXIT</comment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>IDS_FILE_MENU</comment>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>IDS_MENU_FILE_NEW</comment>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <comment>IDS_MENU_OPEN_RECENT</comment>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <comment>IDS_MENU_ROOT_RENAME</comment>
        <translation>&amp;Renommer</translation>
    </message>
    <message>
        <source>Add &amp;Group</source>
        <comment>IDS_MENU_ROOT_ADD_GROUP</comment>
        <translation>Ajouter un &amp;groupe</translation>
    </message>
    <message>
        <source>Add &amp;Person</source>
        <comment>IDS_MENU_ROOT_ADD_PERSON</comment>
        <translation>Ajouter une &amp;personne</translation>
    </message>
    <message>
        <source>&amp;Rename Group</source>
        <comment>IDS_MENU_GROUP_RENAME</comment>
        <translation>&amp;Renommer le groupe</translation>
    </message>
    <message>
        <source>&amp;Add Person to Group</source>
        <comment>IDS_MENU_GROUP_ADD_PERSON</comment>
        <translation>&amp;Ajouter une personne au groupe</translation>
    </message>
    <message>
        <source>&amp;Delete Group</source>
        <comment>IDS_MENU_GROUP_DELETE</comment>
        <translation>&amp;Supprimer le groupe</translation>
    </message>
    <message>
        <source>&amp;Rename Person</source>
        <comment>IDS_MENU_PERSON_RENAME</comment>
        <translation>&amp;Renommer la personne</translation>
    </message>
    <message>
        <source>&amp;Delete Person</source>
        <comment>IDS_MENU_PERSON_DELETE</comment>
        <translation>&amp;Supprimer la personne</translation>
    </message>
    <message>
        <source>&amp;Send email</source>
        <comment>IDS_MENU_PERSON_SEND</comment>
        <translation>&amp;Envoyer un e-mail</translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <comment>IDS_MENU_CONTEXT_PROPERTIES</comment>
        <translation>&amp;Propriétés...</translation>
    </message>
    <message>
        <source>Draw names for the newest list
Draw Names</source>
        <comment>IDS_TIP_DRAW_NAMES</comment>
        <translation>Tirer au sort les noms de la liste la plus récente
Tirer les noms au sort</translation>
    </message>
    <message>
        <source>Untitled</source>
        <comment>IDS_UNTITLED</comment>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <comment>IDS_ASK_SAVE_CHANGES</comment>
        <extracomment>Question before closing a changed document. %1: its file name, or Untitled</extracomment>
        <translation>Enregistrer les modifications de %1&#xa0;?</translation>
    </message>
    <message>
        <source>Kivvo (*.kv)</source>
        <comment>IDS_FILE_FILTER</comment>
        <translation>Documents Kivvo (*.kv)</translation>
    </message>
    <message>
        <source>Kivvo Files</source>
        <comment>IDS_DOCLIST_TITLE</comment>
        <translation>Fichiers Kivvo</translation>
    </message>
    <message>
        <source>All Folders</source>
        <comment>IDS_DOCLIST_ALL_FOLDERS</comment>
        <translation>Tous les dossiers</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>IDS_DOCLIST_NAME</comment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>IDS_DOCLIST_FOLDER</comment>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Modified</source>
        <comment>IDS_DOCLIST_MODIFIED</comment>
        <translation>Modifié le</translation>
    </message>
    <message>
        <source>New</source>
        <comment>IDS_DOCLIST_NEW</comment>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>IDS_DOCLIST_OPEN</comment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>No Kivvo documents in %1 yet. Choose New to start one.</source>
        <comment>IDS_DOCLIST_EMPTY</comment>
        <extracomment>Start window, when the documents folder holds no document. %1: the folder&apos;s path</extracomment>
        <translation>Aucun document Kivvo dans %1 pour l&apos;instant. Choisissez Nouveau pour en créer un.</translation>
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
        <translation>Kivvo organise le tirage au sort d&apos;un échange de cadeaux. Sans FILE, il propose les documents Kivvo de votre dossier Documents.</translation>
    </message>
    <message>
        <source>A Kivvo document (*.kv) to open.</source>
        <comment>IDS_GUI_FILE_ARGUMENT</comment>
        <translation>Un document Kivvo (*.kv) à ouvrir.</translation>
    </message>
    <message>
        <source>kivvo: %1; see kivvo --help</source>
        <comment>IDS_GUI_WRONG_ARGUMENTS</comment>
        <extracomment>kivvo error on stderr for a wrong command line. %1: what is wrong</extracomment>
        <translation>kivvo: %1&#xa0;; voir kivvo --help</translation>
    </message>
    <message>
        <source>only one document can be opened at a time</source>
        <comment>IDS_GUI_TOO_MANY_FILES</comment>
        <translation>un seul document peut être ouvert à la fois</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <comment>IDS_OPTION_HELP</comment>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <comment>IDS_OPTION_VERSION</comment>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message numerus="yes">
        <source>This document already holds %1 drawings, the most one document can keep.<byte value="xd"/>
<byte value="xd"/>
Nothing was copied. Start a new document for the next exchange.</source>
        <comment>IDS_TOO_MANY_LISTS</comment>
        <extracomment>Message box and kivvo-cli error when Copy for Next Exchange finds the document full. %1: the most drawings a document keeps</extracomment>
        <translation>
            <numerusform>Ce document contient déjà %1 tirage, le maximum qu&apos;un document peut conserver.<byte value="xd"/>
<byte value="xd"/>
Rien n&apos;a été copié. Créez un nouveau document pour le prochain échange.</numerusform>
            <numerusform>Ce document contient déjà %1 tirages, le maximum qu&apos;un document peut conserver.<byte value="xd"/>
<byte value="xd"/>
Rien n&apos;a été copié. Créez un nouveau document pour le prochain échange.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <comment>IDS_FILE_OPEN_ERROR</comment>
        <extracomment>Message box and kivvo-cli error when a document cannot be opened. %1: the file&apos;s path; %2: the reason</extracomment>
        <translation>Impossible d&apos;ouvrir le fichier «&#xa0;%1&#xa0;»&#xa0;:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%1&quot;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Nothing was opened.</source>
        <comment>IDS_FILE_READ_ERROR</comment>
        <extracomment>Message box and kivvo-cli error when a document cannot be read. %1: the file&apos;s path; %2: the reason</extracomment>
        <translation>Impossible de lire le fichier «&#xa0;%1&#xa0;»&#xa0;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Rien n&apos;a été ouvert.</translation>
    </message>
    <message>
        <source>Cannot save the file &quot;%1&quot;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The file on disk was not changed.</source>
        <comment>IDS_FILE_SAVE_ERROR</comment>
        <extracomment>Message box and kivvo-cli error when a document cannot be saved. %1: the file&apos;s path; %2: the reason</extracomment>
        <translation>Impossible d&apos;enregistrer le fichier «&#xa0;%1&#xa0;»&#xa0;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Le fichier sur le disque n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>The file ends before the document is complete; it is damaged.</source>
        <comment>IDS_ERR_TRUNCATED</comment>
        <translation>Le fichier s&apos;arrête avant la fin du document&#xa0;; il est endommagé.</translation>
    </message>
    <message>
        <source>It is not a Kivvo document.</source>
        <comment>IDS_ERR_NOT_KIVVO</comment>
        <translation>Ce n&apos;est pas un document Kivvo.</translation>
    </message>
    <message>
        <source>The document holds no list; it is damaged.</source>
        <comment>IDS_ERR_NO_LISTS</comment>
        <translation>Le document ne contient aucune liste&#xa0;; il est endommagé.</translation>
    </message>
    <message>
        <source>A text is longer than the rest of the file; it is damaged.</source>
        <comment>IDS_ERR_STRING_TOO_LONG</comment>
        <translation>Un texte est plus long que le reste du fichier&#xa0;; il est endommagé.</translation>
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
        <translation>C&apos;est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>It is not an ordinary file (it is a pipe, a socket or a device).</source>
        <comment>IDS_ERR_NOT_REGULAR</comment>
        <translation>Ce n&apos;est pas un fichier ordinaire (c&apos;est un tube, un socket ou un périphérique).</translation>
    </message>
    <message>
        <source>The file is %1 bytes long, more than the %2 bytes any file of this program may have; it was not read.</source>
        <comment>IDS_ERR_FILE_TOO_LARGE</comment>
        <extracomment>Reason in a file error. %1: the file&apos;s size in bytes; %2: the largest size allowed</extracomment>
        <translation>Le fichier est trop gros (taille&#xa0;: %1 octets&#xa0;; maximum pour un fichier de ce programme&#xa0;: %2 octets)&#xa0;; il n&apos;a pas été lu.</translation>
    </message>
    <message>
        <source>A text is %1 characters long, more than the %2 characters a name, address or other text may have.</source>
        <comment>IDS_ERR_TEXT_TOO_LONG</comment>
        <extracomment>Reason in a file error. %1: the text&apos;s length in characters; %2: the longest allowed</extracomment>
        <translation>Un texte est trop long (longueur&#xa0;: %1 caractères&#xa0;; maximum pour un nom, une adresse ou un autre texte&#xa0;: %2 caractères).</translation>
    </message>
    <message>
        <source>Cannot read the settings file &quot;%1&quot;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The default settings are used; the file was not changed.</source>
        <comment>IDS_SETTINGS_READ_ERROR</comment>
        <extracomment>Warning at start when the mail settings cannot be read. %1: the settings file&apos;s path; %2: the reason</extracomment>
        <translation>Impossible de lire le fichier de paramètres «&#xa0;%1&#xa0;»&#xa0;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Les paramètres par défaut sont utilisés&#xa0;; le fichier n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed on disk by another program since it was opened or last saved.<byte value="xd"/>
<byte value="xd"/>
Save anyway and replace the other program&apos;s changes?</source>
        <comment>IDS_ASK_OVERWRITE_CHANGED</comment>
        <extracomment>Question (message box or kivvo-cli) before saving over another program&apos;s change. %1: the file&apos;s path</extracomment>
        <translation>«&#xa0;%1&#xa0;» a été modifié sur le disque par un autre programme depuis son ouverture ou son dernier enregistrement.<byte value="xd"/>
<byte value="xd"/>
Enregistrer quand même et remplacer les modifications de l&apos;autre programme&#xa0;?</translation>
    </message>
    <message>
        <source>kivvo-cli: &quot;%1&quot; is being changed by another program (lock file &quot;%2&quot;); nothing was changed. Try again later.</source>
        <comment>IDS_CLI_LOCKED</comment>
        <extracomment>kivvo-cli error on stderr. %1: the document&apos;s path; %2: the lock file&apos;s path</extracomment>
        <translation>kivvo-cli: «&#xa0;%1&#xa0;» est en cours de modification par un autre programme (fichier de verrou «&#xa0;%2&#xa0;»)&#xa0;; rien n&apos;a été modifié. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>kivvo-cli: cannot create the lock file &quot;%1&quot; beside the document: %2; nothing was changed.</source>
        <comment>IDS_CLI_LOCK_ERROR</comment>
        <extracomment>kivvo-cli error on stderr. %1: the lock file&apos;s path; %2: the system&apos;s reason</extracomment>
        <translation>kivvo-cli: impossible de créer le fichier de verrou «&#xa0;%1&#xa0;» à côté du document&#xa0;: %2&#xa0;; rien n&apos;a été modifié.</translation>
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
        <translation>Utilisation&#xa0;: kivvo-cli COMMAND FILE [ARGUMENTS] [OPTIONS]
              kivvo-cli --help | --version

Commandes&#xa0;:
  new FILE                      un nouveau document avec une liste vide nommée «&#xa0;Liste&#xa0;»
  lists FILE                    les noms des tirages du document, du plus récent au plus ancien
  report FILE [--list N] [--gift-to]
                                le compte rendu du tirage N (0 = le plus récent)
  add FILE NAME [--group GROUP] [--address A] [--suggestions S]
      [--role both|gives|receives]
                                ajoute une personne au tirage le plus récent
  add-group FILE NAME           ajoute un groupe au tirage le plus récent
  remove FILE NAME              retire la première personne de ce nom, sinon le premier groupe
  rename-list FILE NAME         renomme le tirage le plus récent
  rename-group FILE GROUP NAME  renomme un groupe du tirage le plus récent
  draw FILE [--yes]             tire au sort les noms du tirage le plus récent et enregistre
  check FILE                    si le tirage le plus récent est possible, et sinon pourquoi
  copy FILE [--yes]             copie le tirage le plus récent pour le prochain échange, puis
                                enregistre
  repair FILE [--yes]           répare le tirage le plus récent après un changement de sa liste :
                                toutes les règles tiennent, le moins de destinataires possible changent ; enregistre
  exclude FILE GIVER RECIPIENT [--both] [--remove]
                                GIVER ne tire jamais RECIPIENT dans le tirage le plus récent
                                (--both&#xa0;: ni RECIPIENT GIVER)&#xa0;; --remove lève l&apos;exclusion
  rules FILE [--history N|all] [--no-mutual on|off] [--one-circle on|off]
             [--gifts N] [--seal on|off] [--yes] [--quote-history on|off]
             [--language CODE]
                                affiche les règles et les exclusions, ou modifie les règles ;
                                --gifts : chaque donateur tire N destinataires (de 1 à 5)
  import FILE SOURCE [--group GROUP]
                                ajoute au tirage le plus récent les participants d&apos;un fichier
                                CSV ou vCard&#xa0;; les noms déjà présents sont ignorés
  export FILE --csv OUT [--list N] [--spreadsheet]
                                écrit les personnes du tirage N en CSV, jamais les noms tirés
                                (--spreadsheet : pour un tableur, formules désamorcées)
  set FILE PERSON [--name N] [--address A] [--suggestions S]
      [--role both|gives|receives]
                                modifie une personne du tirage le plus récent ; --role :
                                la personne offre et reçoit (both), offre seulement
                                (gives) ou reçoit seulement (receives)
  move FILE PERSON (--group GROUP | --top)
                                déplace une personne dans un groupe, ou l&apos;en fait sortir
  notification FILE PERSON [--list N] [--language CODE]
                                le texte de l&apos;e-mail d&apos;une personne du tirage N
  send FILE [--yes] [--person NAME] [--changed] [--language CODE]
                                envoie les e-mails du tirage le plus récent, ou un seul
  cards FILE --pdf OUT.pdf [--person NAME] [--changed] [--language CODE]
                                cartes papier du tirage le plus récent, quatre par page A4
  status FILE                   qui du tirage le plus récent a été prévenu, comment et quand (jamais à
                                qui il offre) ; --changed de send et cards ne prévient que ceux dont
                                le destinataire a changé depuis
  details FILE [--date YYYY-MM-DD] [--budget T] [--place T] [--note T]
                                affiche la date, le budget, le lieu et la remarque du tirage le
                                plus récent, ou les modifie&#xa0;; une valeur vide en efface un
  config [--server H] [--port N] [--from A] [--user U] [--password [P]]
         [--password-stdin] [--footer T] [--require-tls on|off]
         [--test-mail ADDRESS]
                                affiche les paramètres de messagerie, ou les modifie&#xa0;;
                                --password sans valeur le demande dans le terminal
                                --require-tls on : envoi chiffré seulement (TLS)
                                --test-mail : envoie un e-mail de test à ADDRESS
  contacts [--lookup TEXT]      les noms du carnet d&apos;adresses lus dans les fichiers *.vcf du
                                dossier des documents, ou ce à quoi TEXT correspond

Avec --yes, les questions reçoivent la réponse Oui&#xa0;; sinon, elles sont posées dans le
terminal, ou reçoivent la réponse Non en l&apos;absence de terminal. Les e-mails et les cartes
sont dans la langue de --language CODE (en, de, es, fr, it, nl, pl, pt), sinon dans la
langue des e-mails du document, sinon dans celle de la locale.
Code de sortie&#xa0;: 0 succès, 1 échec, 2 erreur d&apos;utilisation.
</translation>
    </message>
    <message>
        <source>Kivvo gift-exchange name drawing, command-line tool</source>
        <comment>IDS_CLI_DESCRIPTION</comment>
        <translation>Kivvo, tirage au sort pour échange de cadeaux, outil en ligne de commande</translation>
    </message>
    <message>
        <source>kivvo-cli: unknown command &quot;%1&quot;; see kivvo-cli --help</source>
        <comment>IDS_CLI_UNKNOWN_COMMAND</comment>
        <extracomment>kivvo-cli error on stderr. %1: the command as typed</extracomment>
        <translation>kivvo-cli: commande inconnue «&#xa0;%1&#xa0;»&#xa0;; voir kivvo-cli --help</translation>
    </message>
    <message>
        <source>kivvo-cli: %1; see kivvo-cli --help</source>
        <comment>IDS_CLI_WRONG_ARGUMENTS</comment>
        <extracomment>kivvo-cli error on stderr for a wrong command line. %1: what is wrong</extracomment>
        <translation>kivvo-cli: %1&#xa0;; voir kivvo-cli --help</translation>
    </message>
    <message>
        <source>kivvo-cli: &quot;%1&quot; exists already; it is not overwritten</source>
        <comment>IDS_CLI_FILE_EXISTS</comment>
        <extracomment>kivvo-cli error on stderr (kivvo-cli new). %1: the document&apos;s path</extracomment>
        <translation>kivvo-cli: «&#xa0;%1&#xa0;» existe déjà&#xa0;; il n&apos;est pas écrasé</translation>
    </message>
    <message>
        <source>kivvo-cli: the document has no drawing number %1 (it has %2)</source>
        <comment>IDS_CLI_NO_SUCH_LIST</comment>
        <extracomment>kivvo-cli error on stderr. %1: the drawing number asked for (0 = newest); %2: how many drawings the document has</extracomment>
        <translation>kivvo-cli: le document n&apos;a pas de tirage numéro %1 (nombre de tirages&#xa0;: %2)</translation>
    </message>
    <message>
        <source>kivvo-cli: the newest drawing has no group named &quot;%1&quot;</source>
        <comment>IDS_CLI_NO_SUCH_GROUP</comment>
        <extracomment>kivvo-cli error on stderr. %1: the group name as given</extracomment>
        <translation>kivvo-cli: le tirage le plus récent n&apos;a aucun groupe nommé «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>kivvo-cli: the newest drawing has no person or group named &quot;%1&quot;</source>
        <comment>IDS_CLI_NO_SUCH_ENTRY</comment>
        <extracomment>Error (kivvo-cli or message box) when removing or renaming. %1: the name as given</extracomment>
        <translation>kivvo-cli: le tirage le plus récent n&apos;a aucune personne ni aucun groupe nommé «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>kivvo-cli: Draw Names needs more than two persons in the newest drawing</source>
        <comment>IDS_CLI_DRAW_UNAVAILABLE</comment>
        <translation>kivvo-cli: Tirer les noms au sort demande plus de deux personnes dans le tirage le plus récent</translation>
    </message>
    <message>
        <source>kivvo-cli: no names were drawn; the file was not changed</source>
        <comment>IDS_CLI_NOT_DRAWN</comment>
        <translation>kivvo-cli: aucun nom n&apos;a été tiré&#xa0;; le fichier n&apos;a pas été modifié</translation>
    </message>
    <message numerus="yes">
        <source>Names drawn for %1 persons; &quot;%2&quot; saved</source>
        <comment>IDS_CLI_DRAWN</comment>
        <extracomment>kivvo-cli draw output. %1: the number of persons; %2: the document&apos;s path</extracomment>
        <translation>
            <numerusform>Noms tirés pour %1 personne&#xa0;; «&#xa0;%2&#xa0;» enregistré</numerusform>
            <numerusform>Noms tirés pour %1 personnes&#xa0;; «&#xa0;%2&#xa0;» enregistré</numerusform>
        </translation>
    </message>
    <message>
        <source>kivvo-cli: nothing was copied; the file was not changed</source>
        <comment>IDS_CLI_NOT_COPIED</comment>
        <translation>kivvo-cli: rien n&apos;a été copié&#xa0;; le fichier n&apos;a pas été modifié</translation>
    </message>
    <message>
        <source>&quot;%1&quot; added; &quot;%2&quot; saved</source>
        <comment>IDS_CLI_COPIED</comment>
        <extracomment>kivvo-cli copy output. %1: the new drawing&apos;s name; %2: the document&apos;s path</extracomment>
        <translation>«&#xa0;%1&#xa0;» ajouté&#xa0;; «&#xa0;%2&#xa0;» enregistré</translation>
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
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>Removed &quot;%1&quot;</source>
        <comment>IDS_CLI_REMOVED</comment>
        <extracomment>kivvo-cli remove output. %1: the name of the removed person or group</extracomment>
        <translation>«&#xa0;%1&#xa0;» supprimé</translation>
    </message>
    <message>
        <source>Created &quot;%1&quot;</source>
        <comment>IDS_CLI_CREATED</comment>
        <extracomment>kivvo-cli new output. %1: the new document&apos;s path</extracomment>
        <translation>«&#xa0;%1&#xa0;» créé</translation>
    </message>
    <message>
        <source>kivvo-cli: drawing %1 has no person named &quot;%2&quot;</source>
        <comment>IDS_CLI_NO_SUCH_PERSON</comment>
        <extracomment>kivvo-cli error on stderr. %1: the drawing number (0 = newest); %2: the name as given</extracomment>
        <translation>kivvo-cli: le tirage %1 n&apos;a aucune personne nommée «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>kivvo-cli: %1 has no e-mail address; nothing was sent</source>
        <comment>IDS_CLI_NO_ADDRESS</comment>
        <extracomment>kivvo-cli send error on stderr. %1: the person&apos;s name</extracomment>
        <translation>kivvo-cli: %1 n&apos;a pas d&apos;adresse e-mail&#xa0;; rien n&apos;a été envoyé</translation>
    </message>
    <message>
        <source>kivvo-cli: not every notification was sent</source>
        <comment>IDS_CLI_NOT_SENT</comment>
        <translation>kivvo-cli: les messages n&apos;ont pas tous été envoyés</translation>
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
        <translation>serveur&#xa0;: %1
port&#xa0;: %2
expéditeur&#xa0;: %3
utilisateur&#xa0;: %4
mot de passe&#xa0;: %5
pied de page&#xa0;: %6
fichier de paramètres&#xa0;: %7
</translation>
    </message>
    <message>
        <source>Settings saved to &quot;%1&quot;</source>
        <comment>IDS_CLI_SETTINGS_SAVED</comment>
        <extracomment>kivvo-cli config output. %1: the settings file&apos;s path</extracomment>
        <translation>Paramètres enregistrés dans «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>kivvo-cli: the settings could not be saved to &quot;%1&quot;: %2; the file was not changed</source>
        <comment>IDS_CLI_SETTINGS_NOT_SAVED</comment>
        <extracomment>kivvo-cli config error on stderr. %1: the settings file&apos;s path; %2: the reason</extracomment>
        <translation>kivvo-cli: impossible d&apos;enregistrer les paramètres dans «&#xa0;%1&#xa0;»&#xa0;: %2&#xa0;; le fichier n&apos;a pas été modifié</translation>
    </message>
    <message>
        <source>the port must be a number from 1 to 65535, not &quot;%1&quot;</source>
        <comment>IDS_CLI_BAD_PORT</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the value given to --port</extracomment>
        <translation>le port doit être un nombre de 1 à 65535, et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>address: %1
first name: %2
last name: %3
</source>
        <comment>IDS_CLI_LOOKUP</comment>
        <extracomment>kivvo-cli contacts --lookup output. %1: the e-mail address; %2: the first name; %3: the last name</extracomment>
        <translation>adresse&#xa0;: %1
prénom&#xa0;: %2
nom&#xa0;: %3
</translation>
    </message>
    <message>
        <source>kivvo-cli: no address-book entry matches &quot;%1&quot;</source>
        <comment>IDS_CLI_NO_CONTACT</comment>
        <extracomment>kivvo-cli error on stderr. %1: the text given to --lookup</extracomment>
        <translation>kivvo-cli: aucune entrée du carnet d&apos;adresses ne correspond à «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 can only give to %2.</source>
        <comment>IDS_DRAW_BLOCKED</comment>
        <extracomment>Why names cannot be drawn. %1: the givers&apos; names; %2: the names they can give to</extracomment>
        <translation>Les cadeaux de %1 ne peuvent aller qu&apos;à %2.</translation>
    </message>
    <message>
        <source>%1 cannot give to anybody.</source>
        <comment>IDS_DRAW_BLOCKED_NOBODY</comment>
        <extracomment>Why names cannot be drawn. %1: the givers&apos; names</extracomment>
        <translation>Personne ne peut recevoir de cadeau de %1.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
What blocks them: %1. Change the groups or add persons, then draw again.</source>
        <comment>IDS_DRAW_BLOCKING_RULES</comment>
        <extracomment>Follows the sentence why names cannot be drawn. %1: the rules in the way, separated by semicolons</extracomment>
        <translation><byte value="xd"/>
<byte value="xd"/>
Ce qui bloque&#xa0;: %1. Modifiez les groupes ou ajoutez des personnes, puis relancez le tirage.</translation>
    </message>
    <message>
        <source>nobody draws himself</source>
        <comment>IDS_RULE_HIMSELF</comment>
        <translation>on ne se tire jamais soi-même</translation>
    </message>
    <message>
        <source>nobody draws a person of his own group</source>
        <comment>IDS_RULE_OWN_GROUP</comment>
        <translation>on ne tire jamais quelqu&apos;un de son propre groupe</translation>
    </message>
    <message>
        <source>nobody draws the person he gave to last time</source>
        <comment>IDS_RULE_LAST_TIME</comment>
        <translation>on ne tire jamais la personne à qui on a offert un cadeau la dernière fois</translation>
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
        <translation>%1 et %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %2 others</source>
        <comment>IDS_NAMES_OTHERS</comment>
        <extracomment>A shortened list of names. %1: the names shown, separated by commas; %2: how many more there are</extracomment>
        <translation>
            <numerusform>%1 et %2 autre</numerusform>
            <numerusform>%1 et %2 autres</numerusform>
        </translation>
    </message>
    <message>
        <source>The drawn names no longer match the list: %1.<byte value="xd"/>
<byte value="xd"/>
Please draw names again. Nothing has been shown or sent.</source>
        <comment>IDS_DRAWING_INVALID</comment>
        <extracomment>Message box and kivvo-cli error before names are shown or sent. %1: what no longer matches, separated by semicolons (may be empty)</extracomment>
        <translation>Les noms tirés ne correspondent plus à la liste&#xa0;: %1.<byte value="xd"/>
<byte value="xd"/>
Veuillez refaire le tirage. Rien n&apos;a été affiché ni envoyé.</translation>
    </message>
    <message>
        <source>%1 has no drawn name</source>
        <comment>IDS_CHECK_NO_NAME</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the person&apos;s name</extracomment>
        <translation>%1 n&apos;a pas de nom tiré</translation>
    </message>
    <message>
        <source>%1, drawn by %2, is no longer in the list</source>
        <comment>IDS_CHECK_GONE</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the drawn name; %2: who drew it</extracomment>
        <translation>%2 a tiré %1, qui n&apos;est plus dans la liste</translation>
    </message>
    <message>
        <source>%1, drawn by %2, is the name of more than one person</source>
        <comment>IDS_CHECK_AMBIGUOUS</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the drawn name; %2: who drew it</extracomment>
        <translation>%2 a tiré %1, mais plusieurs personnes portent ce nom</translation>
    </message>
    <message>
        <source>%1 is drawn by both %2 and %3</source>
        <comment>IDS_CHECK_TWICE</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the drawn name; %2 and %3: the two who drew it</extracomment>
        <translation>%2 et %3 ont tiré le même nom&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 drew himself</source>
        <comment>IDS_CHECK_HIMSELF</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the person&apos;s name</extracomment>
        <translation>%1 a tiré son propre nom</translation>
    </message>
    <message>
        <source>%1 drew %2 of his own group</source>
        <comment>IDS_CHECK_OWN_GROUP</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the giver; %2: the person he drew</extracomment>
        <translation>%1 a tiré %2, membre de son propre groupe</translation>
    </message>
    <message>
        <source>%1 drew %2, the person he gave to last time</source>
        <comment>IDS_CHECK_LAST_TIME</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the giver; %2: the person he drew</extracomment>
        <translation>%1 a tiré %2, à qui il a offert un cadeau la dernière fois</translation>
    </message>
    <message>
        <source>a person of the list has no name</source>
        <comment>IDS_CHECK_NAMELESS</comment>
        <translation>une personne de la liste n&apos;a pas de nom</translation>
    </message>
    <message numerus="yes">
        <source>and %1 more</source>
        <comment>IDS_CHECK_MORE</comment>
        <extracomment>Ends the list of problems with the drawn names. %1: how many more there are</extracomment>
        <translation>
            <numerusform>et %1 autre</numerusform>
            <numerusform>et %1 autres</numerusform>
        </translation>
    </message>
    <message>
        <source>no names have been drawn</source>
        <comment>IDS_CHECK_NOT_DRAWN</comment>
        <translation>aucun nom n&apos;a été tiré</translation>
    </message>
    <message>
        <source>The newest drawing can be drawn.</source>
        <comment>IDS_CLI_CAN_DRAW</comment>
        <translation>Le tirage le plus récent peut être effectué.</translation>
    </message>
    <message>
        <source>a person&apos;s name cannot be empty</source>
        <comment>IDS_CLI_EMPTY_NAME</comment>
        <translation>le nom d&apos;une personne ne peut pas être vide</translation>
    </message>
    <message>
        <source>kivvo-cli: Copy for Next Exchange needs more than two persons in the newest drawing</source>
        <comment>IDS_CLI_COPY_UNAVAILABLE</comment>
        <translation>kivvo-cli: Copier pour le prochain échange demande plus de deux personnes dans le tirage le plus récent</translation>
    </message>
    <message numerus="yes">
        <source>nobody draws a person he gave to in the last %1 exchanges</source>
        <comment>IDS_RULE_HISTORY</comment>
        <extracomment>A rule, in the list of what blocks a drawing and in kivvo-cli rules. %1: the number of exchanges</extracomment>
        <translation>
            <numerusform>on ne tire jamais quelqu&apos;un à qui on a offert un cadeau lors du dernier échange (historique&#xa0;: %1 échange)</numerusform>
            <numerusform>on ne tire jamais quelqu&apos;un à qui on a offert un cadeau lors des %1 derniers échanges</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 never draws %2</source>
        <comment>IDS_RULE_EXCLUDED</comment>
        <extracomment>An exclusion, in the list of what blocks a drawing and in kivvo-cli output. %1: the giver; %2: the person he never draws</extracomment>
        <translation>%1 ne tire jamais %2</translation>
    </message>
    <message>
        <source>nobody draws the person who draws him</source>
        <comment>IDS_RULE_NO_MUTUAL</comment>
        <translation>deux personnes ne se tirent jamais mutuellement</translation>
    </message>
    <message>
        <source>the gifts go round in one single circle</source>
        <comment>IDS_RULE_ONE_CIRCLE</comment>
        <translation>les cadeaux circulent en un seul et même cercle</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
What blocks them: %1. Change the groups, the exclusions or the rules (Exchange &gt; Rules), or add persons, then draw again.</source>
        <comment>IDS_DRAW_BLOCKING_RULES_EDIT</comment>
        <extracomment>Follows the sentence why names cannot be drawn. %1: the rules and exclusions in the way, separated by semicolons</extracomment>
        <translation><byte value="xd"/>
<byte value="xd"/>
Ce qui bloque&#xa0;: %1. Modifiez les groupes, les exclusions ou les règles (Échange &gt; Règles), ou ajoutez des personnes, puis relancez le tirage.</translation>
    </message>
    <message>
        <source>%1 drew %2, whom he never draws</source>
        <comment>IDS_CHECK_EXCLUDED</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the giver; %2: the person he drew</extracomment>
        <translation>%1 a tiré %2, qu&apos;il ne doit jamais tirer</translation>
    </message>
    <message numerus="yes">
        <source>%1 drew %2, whom he gave to in the last %3 exchanges</source>
        <comment>IDS_CHECK_HISTORY</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the giver; %2: the person he drew; %3: the number of exchanges</extracomment>
        <translation>
            <numerusform>%1 a tiré %2, à qui il a offert un cadeau lors du dernier échange (historique&#xa0;: %3 échange)</numerusform>
            <numerusform>%1 a tiré %2, à qui il a offert un cadeau lors des %3 derniers échanges</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2 draw each other</source>
        <comment>IDS_CHECK_MUTUAL</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1 and %2: the two persons&apos; names</extracomment>
        <translation>%1 et %2 se tirent mutuellement</translation>
    </message>
    <message>
        <source>the gifts do not go round in one single circle</source>
        <comment>IDS_CHECK_NOT_ONE_CIRCLE</comment>
        <translation>les cadeaux ne circulent pas en un seul et même cercle</translation>
    </message>
    <message numerus="yes">
        <source>%1 more exclusions</source>
        <comment>IDS_EXCLUSIONS_MORE</comment>
        <extracomment>Ends the list of what blocks a drawing. %1: how many more exclusions there are</extracomment>
        <translation>
            <numerusform>%1 autre exclusion</numerusform>
            <numerusform>%1 autres exclusions</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 can only give to each other.</source>
        <comment>IDS_DRAW_EACH_OTHER</comment>
        <extracomment>Why names cannot be drawn. %1: the persons&apos; names</extracomment>
        <translation>%1 ne peuvent s&apos;offrir des cadeaux qu&apos;entre eux.</translation>
    </message>
    <message>
        <source>%1 can only give to each other, and no way of doing so keeps every rule.</source>
        <comment>IDS_DRAW_EACH_OTHER_NO_WAY</comment>
        <extracomment>Why names cannot be drawn. %1: the persons&apos; names</extracomment>
        <translation>%1 ne peuvent s&apos;offrir des cadeaux qu&apos;entre eux, et aucune répartition entre eux ne respecte toutes les règles.</translation>
    </message>
    <message>
        <source>No drawing of the whole list keeps every rule.</source>
        <comment>IDS_DRAW_NO_WAY</comment>
        <translation>Aucun tirage de l&apos;ensemble de la liste ne respecte toutes les règles.</translation>
    </message>
    <message>
        <source>No drawing that keeps every rule was found, and it could not be proven that none exists: the list is too large or too tightly bound to be searched through. Draw again to try once more, or relax a rule (Exchange &gt; Rules).</source>
        <comment>IDS_DRAW_GAVE_UP</comment>
        <translation>Aucun tirage respectant toutes les règles n&apos;a été trouvé, sans qu&apos;on puisse prouver qu&apos;il n&apos;en existe aucun&#xa0;: la liste est trop grande ou trop contrainte pour être explorée entièrement. Relancez le tirage pour réessayer, ou assouplissez une règle (Échange &gt; Règles).</translation>
    </message>
    <message>
        <source>The file holds data after its lists that Kivvo did not write; it is damaged.</source>
        <comment>IDS_ERR_EXT_FOREIGN</comment>
        <translation>Le fichier contient, après ses listes, des données que Kivvo n&apos;a pas écrites&#xa0;; il est endommagé.</translation>
    </message>
    <message>
        <source>The file&apos;s rules and exclusions are in format %1, which a newer version of Kivvo wrote; this version reads format %2.</source>
        <comment>IDS_ERR_EXT_NEWER</comment>
        <extracomment>Reason in a file error. %1: the file&apos;s format number; %2: the format number this version reads</extracomment>
        <translation>Les règles et exclusions du fichier sont au format %1, écrit par une version plus récente de Kivvo&#xa0;; cette version lit le format %2.</translation>
    </message>
    <message>
        <source>The file&apos;s rules and exclusions are damaged (in section %1).</source>
        <comment>IDS_ERR_EXT_DAMAGED</comment>
        <extracomment>Reason in a file error. %1: the number of the damaged section</extracomment>
        <translation>Les règles et exclusions du fichier sont endommagées (section %1).</translation>
    </message>
    <message>
        <source>A person of the list has no name. Please name every person before drawing names: a person without a name can neither be drawn nor be told whom he drew.</source>
        <comment>IDS_NAME_EVERYBODY_FIRST</comment>
        <translation>Une personne de la liste n&apos;a pas de nom. Donnez un nom à chaque personne avant le tirage&#xa0;: une personne sans nom ne peut ni être tirée ni apprendre qui elle a tiré.</translation>
    </message>
    <message>
        <source>Rules of the Drawing</source>
        <comment>IDS_RULES_TITLE</comment>
        <translation>Règles du tirage</translation>
    </message>
    <message>
        <source>&amp;Avoid the recipients of the last</source>
        <comment>IDS_RULES_HISTORY</comment>
        <translation>É&amp;viter les destinataires des derniers échanges&#xa0;:</translation>
    </message>
    <message>
        <source> exchanges</source>
        <comment>IDS_RULES_HISTORY_SUFFIX</comment>
        <translation> échanges</translation>
    </message>
    <message>
        <source> exchange</source>
        <comment>IDS_RULES_HISTORY_SUFFIX_ONE</comment>
        <translation> échange</translation>
    </message>
    <message>
        <source>it is not UTF-8 text; save it from the spreadsheet as CSV UTF-8</source>
        <comment>IDS_CSV_NOT_UTF8</comment>
        <translation>ce n&apos;est pas du texte UTF-8&#xa0;; enregistrez-le depuis le tableur au format CSV UTF-8</translation>
    </message>
    <message>
        <source>line %1 opens a quoted field that is never closed</source>
        <comment>IDS_CSV_OPEN_QUOTE</comment>
        <extracomment>Reason in the import error. %1: the line number in the CSV file</extracomment>
        <translation>la ligne %1 ouvre un champ entre guillemets qui n&apos;est jamais fermé</translation>
    </message>
    <message>
        <source>Cannot import participants from &quot;%1&quot;: %2.</source>
        <comment>IDS_IMPORT_UNREADABLE</comment>
        <extracomment>Import error (Import Participants window and kivvo-cli import). %1: the file&apos;s path; %2: the reason</extracomment>
        <translation>Impossible d&apos;importer des participants depuis «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>line %1 has more than %2 fields (name, address, suggestions, group)</source>
        <comment>IDS_IMPORT_TOO_MANY_FIELDS</comment>
        <extracomment>Reason in the import error. %1: the line number in the CSV file; %2: the number of fields read</extracomment>
        <translation>la ligne %1 compte plus de %2 champs (nom, adresse, idées de cadeaux, groupe)</translation>
    </message>
    <message>
        <source>line %1 holds a text longer than any Kivvo keeps</source>
        <comment>IDS_IMPORT_TOO_LONG</comment>
        <extracomment>Reason in the import error. %1: the line number in the file</extracomment>
        <translation>la ligne %1 contient un texte plus long que ce que Kivvo peut conserver</translation>
    </message>
    <message>
        <source>line %1 has no name</source>
        <comment>IDS_IMPORT_NO_NAME</comment>
        <extracomment>Reason in the import error. %1: the line number in the file</extracomment>
        <translation>la ligne %1 n&apos;a pas de nom</translation>
    </message>
    <message>
        <source>Already in the list, so not imported again: %1</source>
        <comment>IDS_IMPORT_DUPLICATES</comment>
        <extracomment>kivvo-cli import note on stderr. %1: the names left out, separated by commas</extracomment>
        <translation>Déjà dans la liste, donc pas importés à nouveau&#xa0;: %1</translation>
    </message>
    <message>
        <source>kivvo-cli: nobody new to import</source>
        <comment>IDS_IMPORT_NOTHING</comment>
        <translation>kivvo-cli: personne de nouveau à importer</translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 participants into &quot;%2&quot;</source>
        <comment>IDS_IMPORT_DONE</comment>
        <extracomment>kivvo-cli import output. %1: the number of participants; %2: the drawing&apos;s name</extracomment>
        <translation>
            <numerusform>%1 participant importé dans «&#xa0;%2&#xa0;»</numerusform>
            <numerusform>%1 participants importés dans «&#xa0;%2&#xa0;»</numerusform>
        </translation>
    </message>
    <message>
        <source>export needs --csv OUT, the file to write</source>
        <comment>IDS_EXPORT_NEEDS_CSV</comment>
        <translation>export demande --csv OUT, le fichier à écrire</translation>
    </message>
    <message>
        <source>kivvo-cli: cannot write &quot;%1&quot;: %2</source>
        <comment>IDS_EXPORT_FAILED</comment>
        <extracomment>kivvo-cli export error on stderr. %1: the CSV file&apos;s path; %2: the reason</extracomment>
        <translation>kivvo-cli: impossible d&apos;écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 persons written to &quot;%2&quot;</source>
        <comment>IDS_EXPORT_DONE</comment>
        <extracomment>kivvo-cli export output. %1: the number of persons; %2: the CSV file&apos;s path</extracomment>
        <translation>
            <numerusform>%1 personne écrite dans «&#xa0;%2&#xa0;»</numerusform>
            <numerusform>%1 personnes écrites dans «&#xa0;%2&#xa0;»</numerusform>
        </translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is taken already in this list, so the person is named &quot;%2&quot;.</source>
        <comment>IDS_NAME_MADE_UNIQUE</comment>
        <extracomment>Note (message box or kivvo-cli) when a name was taken. %1: the name asked for; %2: the name given instead</extracomment>
        <translation>Le nom «&#xa0;%1&#xa0;» est déjà pris dans cette liste&#xa0;; la personne s&apos;appelle donc «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>move takes either --group GROUP or --top</source>
        <comment>IDS_MOVE_NEEDS_TARGET</comment>
        <translation>move demande soit --group GROUP, soit --top</translation>
    </message>
    <message>
        <source>%1 moved into %2</source>
        <comment>IDS_MOVED_TO_GROUP</comment>
        <extracomment>kivvo-cli move output. %1: the person&apos;s name; %2: the group&apos;s name</extracomment>
        <translation>%1 déplacé dans %2</translation>
    </message>
    <message>
        <source>%1 moved out of his group</source>
        <comment>IDS_MOVED_TO_TOP</comment>
        <extracomment>kivvo-cli move output. %1: the person&apos;s name</extracomment>
        <translation>%1 ne fait plus partie d&apos;aucun groupe</translation>
    </message>
    <message>
        <source>0 (none)</source>
        <comment>IDS_RULES_HISTORY_NONE</comment>
        <translation>0 (aucun)</translation>
    </message>
    <message>
        <source>Nobody draws a person he gave a gift to in that many earlier exchanges of this document: 1 is last time only, 0 lets anybody draw the same person again.</source>
        <comment>IDS_RULES_HISTORY_HELP</comment>
        <translation>Nombre d&apos;échanges précédents de ce document pris en compte&#xa0;: on ne tire jamais quelqu&apos;un à qui on a offert un cadeau lors de ces échanges. 1&#xa0;: la dernière fois seulement&#xa0;; 0&#xa0;: chacun peut tirer à nouveau la même personne.</translation>
    </message>
    <message>
        <source>&amp;No mutual pairs</source>
        <comment>IDS_RULES_NO_MUTUAL</comment>
        <translation>&amp;Pas de paires réciproques</translation>
    </message>
    <message>
        <source>Nobody draws the person who draws him: no two persons give to each other.</source>
        <comment>IDS_RULES_NO_MUTUAL_HELP</comment>
        <translation>Personne ne tire celui qui l&apos;a tiré&#xa0;: deux personnes ne s&apos;offrent jamais de cadeau mutuellement.</translation>
    </message>
    <message>
        <source>&amp;One circle</source>
        <comment>IDS_RULES_ONE_CIRCLE</comment>
        <translation>&amp;Un seul cercle</translation>
    </message>
    <message>
        <source>The gifts go round in one single circle (Ann to Bob, Bob to Cid, ... and back to Ann), so that they can be handed on in one chain.</source>
        <comment>IDS_RULES_ONE_CIRCLE_HELP</comment>
        <translation>Les cadeaux circulent en un seul et même cercle (Anne à Bruno, Bruno à Claire, ... et retour à Anne), pour pouvoir être remis en une seule chaîne.</translation>
    </message>
    <message>
        <source>Who never draws whom is set for each person in his properties (Never draws).</source>
        <comment>IDS_RULES_EXCLUSIONS_HELP</comment>
        <translation>Les exclusions (qui ne tire jamais qui) se règlent pour chaque personne dans ses propriétés (Ne tire jamais).</translation>
    </message>
    <message>
        <source>Ru&amp;les...</source>
        <comment>IDS_MENU_RULES</comment>
        <translation>Règ&amp;les...</translation>
    </message>
    <message>
        <source>Never draws (names, separated by commas):</source>
        <comment>IDS_PERSON_NEVER_DRAWS_LABEL</comment>
        <translation>Ne tire jamais (noms séparés par des virgules)&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Both ways: they never draw him either</source>
        <comment>IDS_PERSON_BOTH_WAYS</comment>
        <translation>&amp;Dans les deux sens&#xa0;: eux non plus ne tirent jamais cette personne</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is nobody of this list.</source>
        <comment>IDS_PERSON_UNKNOWN_NAME</comment>
        <extracomment>Error in the Person Properties window (Never draws). %1: the name as typed</extracomment>
        <translation>«&#xa0;%1&#xa0;» ne fait pas partie de cette liste.</translation>
    </message>
    <message>
        <source>Nobody draws himself anyway; leave out &quot;%1&quot;.</source>
        <comment>IDS_PERSON_SELF_EXCLUDED</comment>
        <extracomment>Error in the Person Properties window and kivvo-cli exclude. %1: the person&apos;s own name</extracomment>
        <translation>Personne ne se tire soi-même de toute façon&#xa0;; retirez «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Never draws some persons of the list</source>
        <comment>IDS_TIP_HAS_EXCLUSIONS</comment>
        <translation>Ne tire jamais certaines personnes de la liste</translation>
    </message>
    <message>
        <source>history: %1
no mutual pairs: %2
one circle: %3
</source>
        <comment>IDS_CLI_RULES</comment>
        <extracomment>kivvo-cli rules output. %1: the history rule; %2 and %3: on or off</extracomment>
        <translation>historique&#xa0;: %1
pas de paires réciproques&#xa0;: %2
un seul cercle&#xa0;: %3
</translation>
    </message>
    <message>
        <source>0 (the recipients of earlier exchanges may be drawn again)</source>
        <comment>IDS_CLI_HISTORY_NONE</comment>
        <translation>0 (les destinataires des échanges précédents peuvent être tirés à nouveau)</translation>
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
        <translation>exclusions dans «&#xa0;%1&#xa0;»&#xa0;:
</translation>
    </message>
    <message>
        <source>no exclusions in &quot;%1&quot;
</source>
        <comment>IDS_CLI_NO_EXCLUSIONS</comment>
        <extracomment>kivvo-cli rules output. %1: the drawing&apos;s name</extracomment>
        <translation>aucune exclusion dans «&#xa0;%1&#xa0;»
</translation>
    </message>
    <message>
        <source>%1 may draw %2 again</source>
        <comment>IDS_CLI_EXCLUSION_REMOVED</comment>
        <extracomment>kivvo-cli exclude --remove output. %1: the giver; %2: the person he may draw again</extracomment>
        <translation>%1 peut de nouveau tirer %2</translation>
    </message>
    <message>
        <source>kivvo-cli: %1 is not kept from drawing %2</source>
        <comment>IDS_CLI_NO_SUCH_EXCLUSION</comment>
        <extracomment>kivvo-cli exclude --remove error on stderr. %1: the giver; %2: the other person</extracomment>
        <translation>kivvo-cli: rien n&apos;empêche %1 de tirer %2</translation>
    </message>
    <message>
        <source>--%1 takes on or off, not &quot;%2&quot;</source>
        <comment>IDS_CLI_BAD_SWITCH</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the option without dashes; %2: the value given</extracomment>
        <translation>--%1 prend on ou off, et non «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>--history takes a number from 0 to %1, or all, not &quot;%2&quot;</source>
        <comment>IDS_CLI_BAD_HISTORY</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the largest number allowed; %2: the value given</extracomment>
        <translation>--history prend un nombre de 0 à %1, ou all, et non «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>kivvo-cli: %1 already never draws %2</source>
        <comment>IDS_CLI_EXCLUSION_KNOWN</comment>
        <extracomment>kivvo-cli exclude error on stderr. %1: the giver; %2: the person he never draws</extracomment>
        <translation>kivvo-cli: l&apos;exclusion existe déjà&#xa0;: %1 ne tire jamais %2</translation>
    </message>
    <message>
        <source>A person of the list has no name; name every person, then draw again.</source>
        <comment>IDS_DRAW_NAMELESS</comment>
        <translation>Une personne de la liste n&apos;a pas de nom&#xa0;; donnez un nom à chaque personne, puis relancez le tirage.</translation>
    </message>
    <message>
        <source>cannot connect to %1 port %2: %3</source>
        <comment>IDS_SMTP_NO_CONNECTION</comment>
        <extracomment>Reason why mail failed. %1: the mail server&apos;s host name; %2: the port number; %3: the system&apos;s reason</extracomment>
        <translation>impossible de se connecter à %1, port %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>the server did not accept this program as a client: %1</source>
        <comment>IDS_SMTP_NO_GREETING</comment>
        <extracomment>Reason why mail failed. %1: the mail server&apos;s reply</extracomment>
        <translation>le serveur n&apos;a pas accepté ce programme comme client&#xa0;: %1</translation>
    </message>
    <message>
        <source>the encrypted connection (TLS) failed: %1</source>
        <comment>IDS_SMTP_TLS_FAILED</comment>
        <extracomment>Reason why mail failed. %1: the server&apos;s reply or the system&apos;s reason</extracomment>
        <translation>la connexion chiffrée (TLS) a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <source>the server offers no encryption (STARTTLS), and the password is only ever sent encrypted</source>
        <comment>IDS_SMTP_NO_TLS</comment>
        <translation>le serveur ne propose pas de chiffrement (STARTTLS), or le mot de passe n&apos;est jamais envoyé autrement que chiffré</translation>
    </message>
    <message>
        <source>the server refused the login: %1; check the user name and the password</source>
        <comment>IDS_SMTP_LOGIN_REFUSED</comment>
        <extracomment>Reason why mail failed. %1: the mail server&apos;s reply</extracomment>
        <translation>le serveur a refusé la connexion&#xa0;: %1&#xa0;; vérifiez le nom d&apos;utilisateur et le mot de passe</translation>
    </message>
    <message>
        <source>the server offers no login method this program knows (PLAIN or LOGIN)</source>
        <comment>IDS_SMTP_NO_LOGIN_METHOD</comment>
        <translation>le serveur ne propose aucune méthode de connexion connue de ce programme (PLAIN ou LOGIN)</translation>
    </message>
    <message>
        <source>the server wants a login: %1; enter the user name and the password</source>
        <comment>IDS_SMTP_LOGIN_REQUIRED</comment>
        <extracomment>Reason why mail failed. %1: the mail server&apos;s reply</extracomment>
        <translation>le serveur demande une connexion&#xa0;: %1&#xa0;; saisissez le nom d&apos;utilisateur et le mot de passe</translation>
    </message>
    <message>
        <source>the server refused the sender address %1: %2</source>
        <comment>IDS_SMTP_SENDER_REFUSED</comment>
        <extracomment>Reason why mail failed. %1: the sender address; %2: the mail server&apos;s reply</extracomment>
        <translation>le serveur a refusé l&apos;adresse de l&apos;expéditeur %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the server refused the address %1: %2</source>
        <comment>IDS_SMTP_RECIPIENT_REFUSED</comment>
        <extracomment>Reason why an e-mail failed. %1: the recipient&apos;s address; %2: the mail server&apos;s reply</extracomment>
        <translation>le serveur a refusé l&apos;adresse %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the server refused the message: %1</source>
        <comment>IDS_SMTP_MESSAGE_REFUSED</comment>
        <extracomment>Reason why an e-mail failed. %1: the mail server&apos;s reply</extracomment>
        <translation>le serveur a refusé le message&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>the server did not answer within %1 seconds</source>
        <comment>IDS_SMTP_TIMED_OUT</comment>
        <extracomment>Reason why mail failed. %1: the number of seconds waited</extracomment>
        <translation>
            <numerusform>le serveur n&apos;a pas répondu en %1 seconde</numerusform>
            <numerusform>le serveur n&apos;a pas répondu en %1 secondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the server did not confirm the message within %1 seconds; it may have arrived, so it is not sent again</source>
        <comment>IDS_SMTP_UNCONFIRMED</comment>
        <extracomment>Reason why an e-mail may have failed. %1: the number of seconds waited</extracomment>
        <translation>
            <numerusform>le serveur n&apos;a pas confirmé le message en %1 seconde&#xa0;; il est peut-être arrivé, il n&apos;est donc pas renvoyé</numerusform>
            <numerusform>le serveur n&apos;a pas confirmé le message en %1 secondes&#xa0;; il est peut-être arrivé, il n&apos;est donc pas renvoyé</numerusform>
        </translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <comment>IDS_SMTP_LOST</comment>
        <translation>le serveur a fermé la connexion</translation>
    </message>
    <message>
        <source>the server closed the connection before it confirmed the message; it may have arrived, so it is not sent again</source>
        <comment>IDS_SMTP_LOST_UNCONFIRMED</comment>
        <translation>le serveur a fermé la connexion avant de confirmer le message&#xa0;; il est peut-être arrivé, il n&apos;est donc pas renvoyé</translation>
    </message>
    <message>
        <source>sending was stopped</source>
        <comment>IDS_SMTP_CANCELLED</comment>
        <translation>l&apos;envoi a été interrompu</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an e-mail address</source>
        <comment>IDS_SMTP_BAD_ADDRESS</comment>
        <extracomment>Reason why an e-mail failed. %1: the address as entered</extracomment>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une adresse e-mail</translation>
    </message>
    <message>
        <source>no e-mail address: &quot;%1&quot; is not in the address book</source>
        <comment>IDS_SMTP_NO_ADDRESS</comment>
        <extracomment>Reason why an e-mail failed. %1: the address-book name entered for the person</extracomment>
        <translation>pas d&apos;adresse e-mail&#xa0;: «&#xa0;%1&#xa0;» n&apos;est pas dans le carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>Skipped [%1]: no email address</source>
        <comment>IDS_SEND_SKIPPED</comment>
        <extracomment>Line of the sending window and of kivvo-cli send. %1: the participant&apos;s name</extracomment>
        <translation>Ignoré [%1]&#xa0;: pas d&apos;adresse e-mail</translation>
    </message>
    <message>
        <source>Not sent to [%1] email address [%2]</source>
        <comment>IDS_SEND_NOT_SENT</comment>
        <extracomment>Line of the sending window and of kivvo-cli send after sending stopped. %1: the participant&apos;s name; %2: his e-mail address</extracomment>
        <translation>Non envoyé à [%1], adresse e-mail [%2]</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>IDS_SEND_LINE_REASON</comment>
        <extracomment>Line of the sending window and of kivvo-cli send. %1: the line (who, which address); %2: the reason</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The mail server %1 refused the sender address.<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Correct the sender address (Settings &gt; Configure, or kivvo-cli config). Nothing more was sent.</source>
        <comment>IDS_SENDER_ERROR</comment>
        <extracomment>Shown in the sending window and by kivvo-cli send. %1: the mail server as host:port; %2: the server&apos;s reason</extracomment>
        <translation>Le serveur de messagerie %1 a refusé l&apos;adresse de l&apos;expéditeur.<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Corrigez l&apos;adresse de l&apos;expéditeur (Paramètres &gt; Configurer, ou kivvo-cli config). Rien d&apos;autre n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>Sending stopped; nothing more was sent.</source>
        <comment>IDS_SEND_STOPPED</comment>
        <translation>Envoi interrompu&#xa0;; rien d&apos;autre n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>E-mails are still being sent. Stop sending and close?<byte value="xd"/>
<byte value="xd"/>
Whoever has not been sent his e-mail yet gets none.</source>
        <comment>IDS_ASK_STOP_SENDING</comment>
        <translation>Des e-mails sont encore en cours d&apos;envoi. Interrompre l&apos;envoi et fermer&#xa0;?<byte value="xd"/>
<byte value="xd"/>
Les participants dont l&apos;e-mail n&apos;est pas encore parti n&apos;en recevront pas.</translation>
    </message>
    <message>
        <source>Sending Emails</source>
        <comment>IDS_SEND_TITLE</comment>
        <translation>Envoi des e-mails</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>IDS_SEND_CANCEL</comment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Send again to those that failed</source>
        <comment>IDS_SEND_RETRY</comment>
        <translation>Renvoyer les e-mails qui ont échoué</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>IDS_SEND_CLOSE</comment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Sending %1 of %2...</source>
        <comment>IDS_SEND_RUNNING</comment>
        <extracomment>Status line of the sending window. %1: the number of the e-mail being sent; %2: how many there are</extracomment>
        <translation>Envoi %1 sur %2...</translation>
    </message>
    <message>
        <source>Stopping after the message being sent...</source>
        <comment>IDS_SEND_CANCELLING</comment>
        <translation>Arrêt après le message en cours d&apos;envoi...</translation>
    </message>
    <message>
        <source>%1: waiting</source>
        <comment>IDS_SEND_WAITING</comment>
        <extracomment>Line of the sending window. %1: the participant&apos;s name</extracomment>
        <translation>%1&#xa0;: en attente</translation>
    </message>
    <message>
        <source>it is not a vCard file</source>
        <comment>IDS_CONTACTS_NOT_VCARD</comment>
        <translation>ce n&apos;est pas un fichier vCard</translation>
    </message>
    <message>
        <source>Enter the name of the mail server, such as smtp.example.org.</source>
        <comment>IDS_SETTINGS_BAD_SERVER</comment>
        <translation>Saisissez le nom du serveur de messagerie, par exemple smtp.example.org.</translation>
    </message>
    <message>
        <source>The port is a number from 1 to 65535, most often 587 or 465.</source>
        <comment>IDS_SETTINGS_BAD_PORT</comment>
        <translation>Le port est un nombre de 1 à 65535, le plus souvent 587 ou 465.</translation>
    </message>
    <message>
        <source>Enter one e-mail address, such as you@example.org or Your Name &lt;you@example.org&gt;.</source>
        <comment>IDS_SETTINGS_BAD_FROM</comment>
        <translation>Saisissez une seule adresse e-mail, par exemple vous@example.org ou Votre Nom &lt;vous@example.org&gt;.</translation>
    </message>
    <message>
        <source>Mail Settings</source>
        <comment>IDS_SETTINGS_TITLE</comment>
        <translation>Paramètres de messagerie</translation>
    </message>
    <message>
        <source>Mail server (SMTP):</source>
        <comment>IDS_SETTINGS_SERVER</comment>
        <translation>Serveur de messagerie (SMTP)&#xa0;:</translation>
    </message>
    <message>
        <source>Port:</source>
        <comment>IDS_SETTINGS_PORT</comment>
        <translation>Port&#xa0;:</translation>
    </message>
    <message>
        <source>Sender address:</source>
        <comment>IDS_SETTINGS_FROM</comment>
        <translation>Adresse de l&apos;expéditeur&#xa0;:</translation>
    </message>
    <message>
        <source>User name:</source>
        <comment>IDS_SETTINGS_USER</comment>
        <translation>Nom d&apos;utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>Password:</source>
        <comment>IDS_SETTINGS_PASSWORD</comment>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Show password</source>
        <comment>IDS_SETTINGS_SHOW_PASSWORD</comment>
        <translation>Afficher le mot de passe</translation>
    </message>
    <message>
        <source>Footer of every e-mail:</source>
        <comment>IDS_SETTINGS_FOOTER</comment>
        <translation>Pied de page de chaque e-mail&#xa0;:</translation>
    </message>
    <message>
        <source>Send test mail</source>
        <comment>IDS_SETTINGS_TEST</comment>
        <translation>Envoyer un e-mail de test</translation>
    </message>
    <message>
        <source>Sending a test mail to %1...</source>
        <comment>IDS_SETTINGS_TESTING</comment>
        <extracomment>Mail Settings window, while the test mail is sent. %1: the address it goes to</extracomment>
        <translation>Envoi d&apos;un e-mail de test à %1...</translation>
    </message>
    <message>
        <source>A test mail was sent to %1.</source>
        <comment>IDS_SETTINGS_TEST_SENT</comment>
        <extracomment>Mail Settings window. %1: the address the test mail went to</extracomment>
        <translation>Un e-mail de test a été envoyé à %1.</translation>
    </message>
    <message>
        <source>The test mail could not be sent: %1</source>
        <comment>IDS_SETTINGS_TEST_FAILED</comment>
        <extracomment>Mail Settings window. %1: the reason</extracomment>
        <translation>Impossible d&apos;envoyer l&apos;e-mail de test&#xa0;: %1</translation>
    </message>
    <message>
        <source>Kivvo test mail</source>
        <comment>IDS_TEST_MAIL_SUBJECT</comment>
        <translation>E-mail de test de Kivvo</translation>
    </message>
    <message>
        <source>This test mail shows that Kivvo can send the name drawing&apos;s e-mails with these settings.<byte value="xd"/>
</source>
        <comment>IDS_TEST_MAIL_BODY</comment>
        <translation>Cet e-mail de test montre que Kivvo peut envoyer les e-mails du tirage au sort avec ces paramètres.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Cannot save the settings file &quot;%1&quot;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The new settings are used until the program ends.</source>
        <comment>IDS_SETTINGS_SAVE_ERROR</comment>
        <extracomment>Message box when the mail settings cannot be saved. %1: the settings file&apos;s path; %2: the reason</extracomment>
        <translation>Impossible d&apos;enregistrer le fichier de paramètres «&#xa0;%1&#xa0;»&#xa0;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Les nouveaux paramètres restent en vigueur jusqu&apos;à la fermeture du programme.</translation>
    </message>
    <message>
        <source>The password is kept in the desktop&apos;s keyring.</source>
        <comment>IDS_PASSWORD_IN_KEYRING</comment>
        <translation>Le mot de passe est conservé dans le trousseau de clés du bureau.</translation>
    </message>
    <message>
        <source>No keyring is running: the password is kept in the settings file %1, which only you can read.</source>
        <comment>IDS_PASSWORD_IN_FILE</comment>
        <extracomment>Mail Settings window and kivvo-cli config output. %1: the settings file&apos;s path</extracomment>
        <translation>Aucun trousseau de clés n&apos;est actif&#xa0;: le mot de passe est conservé dans le fichier de paramètres %1, qui n&apos;est lisible que par vous.</translation>
    </message>
    <message>
        <source>not set</source>
        <comment>IDS_PASSWORD_NONE</comment>
        <translation>non défini</translation>
    </message>
    <message>
        <source>kivvo-cli: --%1: %2 Nothing was saved.</source>
        <comment>IDS_CLI_BAD_SETTING</comment>
        <extracomment>kivvo-cli config error on stderr. %1: the option without dashes; %2: what is wrong, a whole sentence</extracomment>
        <translation>kivvo-cli: --%1&#xa0;: %2 Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Password: </source>
        <comment>IDS_CLI_PASSWORD_PROMPT</comment>
        <translation>Mot de passe&#xa0;: </translation>
    </message>
    <message>
        <source>--password without a value asks on a terminal; without one, give it with --password-stdin</source>
        <comment>IDS_CLI_NO_TERMINAL</comment>
        <translation>--password sans valeur le demande dans un terminal&#xa0;; sans terminal, donnez-le avec --password-stdin</translation>
    </message>
    <message>
        <source>set</source>
        <comment>IDS_CLI_PASSWORD_SET</comment>
        <translation>défini</translation>
    </message>
    <message>
        <source>sending was stopped before the server confirmed the message; it may have arrived</source>
        <comment>IDS_SMTP_STOPPED_UNCONFIRMED</comment>
        <translation>l&apos;envoi a été interrompu avant que le serveur ne confirme le message&#xa0;; il est peut-être arrivé</translation>
    </message>
    <message>
        <source>Stop now</source>
        <comment>IDS_SEND_STOP_NOW</comment>
        <translation>Arrêter maintenant</translation>
    </message>
    <message>
        <source>the server&apos;s reply was longer than any mail server&apos;s (more than 4096 characters in a line, or more than 256 lines); the connection was closed</source>
        <comment>IDS_SMTP_REPLY_TOO_LONG</comment>
        <translation>la réponse du serveur était plus longue que celle de n&apos;importe quel serveur de messagerie (plus de 4096 caractères sur une ligne, ou plus de 256 lignes)&#xa0;; la connexion a été fermée</translation>
    </message>
    <message>
        <source>the server sent more than its go-ahead for encryption (STARTTLS) before encryption began; somebody between this computer and the server may be tampering with the connection, so it was closed</source>
        <comment>IDS_SMTP_TLS_INJECTION</comment>
        <translation>le serveur a envoyé plus que son accord pour le chiffrement (STARTTLS) avant que le chiffrement ne commence&#xa0;; quelqu&apos;un entre cet ordinateur et le serveur manipule peut-être la connexion, elle a donc été fermée</translation>
    </message>
    <message>
        <source>the server cannot take the message now: %1; try again later</source>
        <comment>IDS_SMTP_TRY_LATER</comment>
        <extracomment>Reason why an e-mail failed. %1: the mail server&apos;s reply</extracomment>
        <translation>le serveur ne peut pas accepter le message pour l&apos;instant&#xa0;: %1&#xa0;; réessayez plus tard</translation>
    </message>
    <message>
        <source>the server&apos;s confirmation of the message was longer than any mail server&apos;s; it may have arrived, so it is not sent again</source>
        <comment>IDS_SMTP_TOO_LONG_UNCONFIRMED</comment>
        <translation>la confirmation du message par le serveur était plus longue que celle de n&apos;importe quel serveur de messagerie&#xa0;; il est peut-être arrivé, il n&apos;est donc pas renvoyé</translation>
    </message>
    <message>
        <source>The mail server %1 stopped answering.<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Nothing more was sent. Try again later.</source>
        <comment>IDS_SEND_SERVER_SILENT</comment>
        <extracomment>Shown in the sending window and by kivvo-cli send. %1: the mail server as host:port; %2: the reason</extracomment>
        <translation>Le serveur de messagerie %1 ne répond plus.<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Rien d&apos;autre n&apos;a été envoyé. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>not sent, since the mail server could not go on: %1</source>
        <comment>IDS_SEND_SERVER_STOPPED</comment>
        <extracomment>Reason in a line of the sending window, for e-mails not sent. %1: why the server stopped</extracomment>
        <translation>non envoyé, car le serveur de messagerie n&apos;a pas pu continuer&#xa0;: %1</translation>
    </message>
    <message>
        <source>The e-mail to %1 (%2) may have arrived already: %3.<byte value="xd"/>
<byte value="xd"/>
Send it again anyway? If it did arrive, the recipient gets two copies.</source>
        <comment>IDS_ASK_SEND_AGAIN</comment>
        <extracomment>Question in the sending window before sending again. %1: the participant&apos;s name; %2: his e-mail address; %3: the reason</extracomment>
        <translation>L&apos;e-mail destiné à %1 (%2) est peut-être déjà arrivé&#xa0;: %3.<byte value="xd"/>
<byte value="xd"/>
Le renvoyer quand même&#xa0;? S&apos;il est bien arrivé, le destinataire le recevra en double.</translation>
    </message>
    <message>
        <source>kivvo-cli: warning: a password given as --password VALUE can be seen by other users in the process list; give it with --password-stdin instead, or with --password alone to be asked for it</source>
        <comment>IDS_CLI_PASSWORD_VISIBLE</comment>
        <translation>kivvo-cli: avertissement&#xa0;: un mot de passe donné sous la forme --password VALUE est visible par les autres utilisateurs dans la liste des processus&#xa0;; donnez-le plutôt avec --password-stdin, ou avec --password seul pour qu&apos;il vous soit demandé</translation>
    </message>
    <message>
        <source>the settings file there cannot be read (%1); it is left as it is rather than replaced by settings that never saw what it holds. Make it readable or remove it, then try again</source>
        <comment>IDS_SETTINGS_NOT_REPLACED</comment>
        <extracomment>Reason why the settings were not saved. %1: why the settings file there cannot be read</extracomment>
        <translation>le fichier de paramètres qui s&apos;y trouve est illisible (%1)&#xa0;; il est laissé tel quel plutôt que d&apos;être remplacé par des paramètres qui ignorent son contenu. Rendez-le lisible ou supprimez-le, puis réessayez</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being changed by another program (lock file &quot;%2&quot;), so it was not saved. Try again in a moment.</source>
        <comment>IDS_DOC_LOCKED</comment>
        <extracomment>Message box when a document cannot be saved. %1: the document&apos;s path; %2: the lock file&apos;s path</extracomment>
        <translation>«&#xa0;%1&#xa0;» est en cours de modification par un autre programme (fichier de verrou «&#xa0;%2&#xa0;»)&#xa0;; il n&apos;a donc pas été enregistré. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>cannot create the lock file &quot;%1&quot; beside it: %2</source>
        <comment>IDS_LOCK_NOT_MADE</comment>
        <extracomment>Reason in the save error. %1: the lock file&apos;s path; %2: the system&apos;s reason</extracomment>
        <translation>impossible de créer le fichier de verrou «&#xa0;%1&#xa0;» à côté&#xa0;: %2</translation>
    </message>
    <message>
        <source>it would take %1 bytes, more than the %2 bytes of the largest file this program opens; nothing was written. Remove drawings or shorten texts, then save again</source>
        <comment>IDS_ERR_SAVE_TOO_LARGE</comment>
        <extracomment>Reason in the save error. %1: the size in bytes; %2: the largest size allowed</extracomment>
        <translation>il serait trop gros (taille&#xa0;: %1 octets&#xa0;; maximum pour un fichier que ce programme ouvre&#xa0;: %2 octets)&#xa0;; rien n&apos;a été écrit. Supprimez des tirages ou raccourcissez des textes, puis enregistrez à nouveau</translation>
    </message>
    <message>
        <source>it holds more than %1 persons and groups, more than this program opens</source>
        <comment>IDS_ERR_TOO_MANY_ENTRIES</comment>
        <extracomment>Reason in a file error. %1: the largest number of persons and groups</extracomment>
        <translation>il contient plus de personnes et de groupes que ce programme ne peut en ouvrir (maximum&#xa0;: %1)</translation>
    </message>
    <message>
        <source>the file was written, but its folder could not be synced to disk: %1</source>
        <comment>IDS_ERR_FOLDER_SYNC</comment>
        <extracomment>Reason in the save error. %1: the system&apos;s reason</extracomment>
        <translation>le fichier a été écrit, mais son dossier n&apos;a pas pu être synchronisé sur le disque&#xa0;: %1</translation>
    </message>
    <message>
        <source>Waiting for the desktop&apos;s keyring: it asks for its password (to unlock it, or for a new keyring). Answer it to go on.</source>
        <comment>IDS_KEYRING_WAITING</comment>
        <translation>En attente du trousseau de clés du bureau&#xa0;: il demande son mot de passe (pour se déverrouiller, ou pour un nouveau trousseau). Répondez-lui pour continuer.</translation>
    </message>
    <message>
        <source>The desktop&apos;s keyring does not answer (%1). Kivvo goes on without it: the mail password is taken from and kept in the settings file %2, which only you can read.</source>
        <comment>IDS_KEYRING_SILENT</comment>
        <extracomment>Warning when the keyring cannot be used. %1: the reason; %2: the settings file&apos;s path</extracomment>
        <translation>Le trousseau de clés du bureau ne répond pas (%1). Kivvo continue sans lui&#xa0;: le mot de passe de messagerie est lu et conservé dans le fichier de paramètres %2, qui n&apos;est lisible que par vous.</translation>
    </message>
    <message numerus="yes">
        <source>no answer within %1 seconds</source>
        <comment>IDS_KEYRING_NO_ANSWER</comment>
        <extracomment>Reason why the keyring cannot be used. %1: the number of seconds waited</extracomment>
        <translation>
            <numerusform>pas de réponse en %1 seconde</numerusform>
            <numerusform>pas de réponse en %1 secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>Draw names — %1</source>
        <comment>IDS_DRAWNAMES_TITLE</comment>
        <extracomment>Title of the Draw names window. %1: the drawing&apos;s name</extracomment>
        <translation>Tirer les noms au sort — %1</translation>
    </message>
    <message>
        <source>View notifications — %1</source>
        <comment>IDS_SHOWNAMES_TITLE</comment>
        <extracomment>Title of the View notifications window. %1: the drawing&apos;s name</extracomment>
        <translation>Afficher les noms tirés — %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 participants have not seen their name yet. End the round?</source>
        <comment>IDS_ASK_END_ROUND</comment>
        <extracomment>Question when closing the Draw names window early. %1: the number of participants</extracomment>
        <translation>
            <numerusform>%1 participant n&apos;a pas encore vu son nom. Terminer le tour&#xa0;?</numerusform>
            <numerusform>%1 participants n&apos;ont pas encore vu leur nom. Terminer le tour&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>1 participant has not seen his name yet. End the round?</source>
        <comment>IDS_ASK_END_ROUND_ONE</comment>
        <translation>1 participant n&apos;a pas encore vu son nom. Terminer le tour&#xa0;?</translation>
    </message>
    <message>
        <source>This shows every participant&apos;s drawn name to whoever is at the screen.<byte value="xd"/>
<byte value="xd"/>
Show the drawn names now?</source>
        <comment>IDS_ASK_VIEW_NOTIFICATIONS</comment>
        <translation>Le nom tiré de chaque participant va s&apos;afficher pour quiconque se trouve devant l&apos;écran.<byte value="xd"/>
<byte value="xd"/>
Afficher les noms tirés maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Previous participant</source>
        <comment>IDS_ACC_PREVIOUS</comment>
        <translation>Participant précédent</translation>
    </message>
    <message>
        <source>Next participant</source>
        <comment>IDS_ACC_NEXT</comment>
        <translation>Participant suivant</translation>
    </message>
    <message>
        <source>Drawn name</source>
        <comment>IDS_ACC_REVEALED_TEXT</comment>
        <translation>Nom tiré</translation>
    </message>
    <message>
        <source>Done: hide the name again</source>
        <comment>IDS_ACC_DONE</comment>
        <translation>Terminé&#xa0;: masquer à nouveau le nom</translation>
    </message>
    <message>
        <source>OK: end the round</source>
        <comment>IDS_ACC_END_ROUND</comment>
        <translation>OK&#xa0;: terminer le tour</translation>
    </message>
    <message>
        <source>hidden</source>
        <comment>IDS_ACC_NAME_HIDDEN</comment>
        <translation>masqué</translation>
    </message>
    <message>
        <source>Send email now to all participants of the newest list, &quot;%1&quot;, with email addresses entered.<byte value="xd"/>
<byte value="xd"/>
The list shown, &quot;%2&quot;, is an older one: its drawing is not sent.</source>
        <comment>IDS_ASK_SEND_NEWEST</comment>
        <extracomment>Question before sending when an older list is shown. %1: the newest list&apos;s name; %2: the shown list&apos;s name</extracomment>
        <translation>Envoyer maintenant un e-mail à tous les participants de la liste la plus récente, «&#xa0;%1&#xa0;», dont l&apos;adresse e-mail est renseignée.<byte value="xd"/>
<byte value="xd"/>
La liste affichée, «&#xa0;%2&#xa0;», est plus ancienne&#xa0;: son tirage n&apos;est pas envoyé.</translation>
    </message>
    <message>
        <source>Send %1 the name drawn in the newest list, &quot;%2&quot;?<byte value="xd"/>
<byte value="xd"/>
The list shown, &quot;%3&quot;, is an older one: its drawing is not sent.</source>
        <comment>IDS_ASK_SEND_ONE_NEWEST</comment>
        <extracomment>Question before sending to one person when an older list is shown. %1: the person&apos;s name; %2: the newest list&apos;s name; %3: the shown list&apos;s name</extracomment>
        <translation>Envoyer à %1 le nom tiré dans la liste la plus récente, «&#xa0;%2&#xa0;»&#xa0;?<byte value="xd"/>
<byte value="xd"/>
La liste affichée, «&#xa0;%3&#xa0;», est plus ancienne&#xa0;: son tirage n&apos;est pas envoyé.</translation>
    </message>
    <message>
        <source>%1 is not in the newest list, &quot;%2&quot;; nothing was sent.</source>
        <comment>IDS_NOT_IN_NEWEST</comment>
        <extracomment>Message box when sending to one person. %1: the person&apos;s name; %2: the newest list&apos;s name</extracomment>
        <translation>%1 ne figure pas dans la liste la plus récente, «&#xa0;%2&#xa0;»&#xa0;; rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>The e-mails of the newest list are being sent. Wait until sending has ended, or cancel it, before you draw again or change the newest list.</source>
        <comment>IDS_BUSY_SENDING</comment>
        <translation>Les e-mails de la liste la plus récente sont en cours d&apos;envoi. Attendez la fin de l&apos;envoi, ou annulez-le, avant de refaire le tirage ou de modifier la liste la plus récente.</translation>
    </message>
    <message>
        <source>The names have been drawn again since these e-mails were sent.<byte value="xd"/>
<byte value="xd"/>
Sending again would mix two drawings. Send the new drawing to everybody with Send Emails.</source>
        <comment>IDS_RETRY_REDRAWN</comment>
        <translation>Les noms ont été tirés à nouveau depuis l&apos;envoi de ces e-mails.<byte value="xd"/>
<byte value="xd"/>
Les renvoyer mélangerait deux tirages. Envoyez le nouveau tirage à tout le monde avec Envoyer les e-mails.</translation>
    </message>
    <message>
        <source>%1 has no e-mail address in the newest list, &quot;%2&quot;; nothing was sent.</source>
        <comment>IDS_NO_ADDRESS_NEWEST</comment>
        <extracomment>Message box when sending to one person. %1: the person&apos;s name; %2: the newest list&apos;s name</extracomment>
        <translation>%1 n&apos;a pas d&apos;adresse e-mail dans la liste la plus récente, «&#xa0;%2&#xa0;»&#xa0;; rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>Print &amp;Cards...</source>
        <comment>IDS_MENU_PRINT_CARDS</comment>
        <translation>I&amp;mprimer les cartes...</translation>
    </message>
    <message>
        <source>For %1</source>
        <comment>IDS_CARD_FOR</comment>
        <extracomment>Printed card, outside, in large type. %1: the giver&apos;s name</extracomment>
        <translation>Pour %1</translation>
    </message>
    <message>
        <source>Fold the flap up along the dashed line. Open it only when you are alone.</source>
        <comment>IDS_CARD_FOLD_HINT</comment>
        <translation>Repliez le rabat le long des pointillés. Ne l&apos;ouvrez qu&apos;à l&apos;abri des regards.</translation>
    </message>
    <message>
        <source>%1 gives a gift to</source>
        <comment>IDS_CARD_GIVES_TO</comment>
        <extracomment>Printed card, inside, above the drawn name. %1: the giver&apos;s name</extracomment>
        <translation>%1 offre un cadeau à</translation>
    </message>
    <message>
        <source>Suggestions: %1</source>
        <comment>IDS_CARD_SUGGESTIONS</comment>
        <extracomment>Printed card. %1: the drawn person&apos;s gift suggestions</extracomment>
        <translation>Idées de cadeaux&#xa0;: %1</translation>
    </message>
    <message>
        <source>fold up</source>
        <comment>IDS_CARD_FLAP</comment>
        <translation>replier</translation>
    </message>
    <message>
        <source>kivvo-cli: cannot write the cards to &quot;%1&quot;: %2</source>
        <comment>IDS_CARDS_WRITE_ERROR</comment>
        <extracomment>kivvo-cli cards error on stderr. %1: the PDF file&apos;s path; %2: the reason</extracomment>
        <translation>kivvo-cli: impossible d&apos;écrire les cartes dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Print Cards — %1</source>
        <comment>IDS_CARDS_PRINT_TITLE</comment>
        <extracomment>Title of the print dialog and of the PDF. %1: the drawing&apos;s name</extracomment>
        <translation>Imprimer les cartes — %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 cards of &quot;%2&quot; written to &quot;%3&quot;</source>
        <comment>IDS_CLI_CARDS_WRITTEN</comment>
        <extracomment>kivvo-cli cards output. %1: the number of cards; %2: the drawing&apos;s name; %3: the PDF file&apos;s path</extracomment>
        <translation>
            <numerusform>%1 carte de «&#xa0;%2&#xa0;» écrite dans «&#xa0;%3&#xa0;»</numerusform>
            <numerusform>%1 cartes de «&#xa0;%2&#xa0;» écrites dans «&#xa0;%3&#xa0;»</numerusform>
        </translation>
    </message>
    <message>
        <source>The newest list has nobody to print a card for.</source>
        <comment>IDS_CARDS_NOBODY</comment>
        <translation>La liste la plus récente ne contient personne pour qui imprimer une carte.</translation>
    </message>
    <message>
        <source>Print cards for those without an address</source>
        <comment>IDS_SEND_PRINT_SKIPPED</comment>
        <translation>Imprimer les cartes des participants sans adresse</translation>
    </message>
    <message>
        <source>The cards could not be printed: %1</source>
        <comment>IDS_CARDS_PRINT_ERROR</comment>
        <extracomment>Message box when printing cards fails. %1: the reason</extracomment>
        <translation>Impossible d&apos;imprimer les cartes&#xa0;: %1</translation>
    </message>
    <message>
        <source>the printer or the file could not be written</source>
        <comment>IDS_CARDS_NO_DEVICE</comment>
        <translation>impossible d&apos;écrire sur l&apos;imprimante ou dans le fichier</translation>
    </message>
    <message>
        <source>a new page could not be started</source>
        <comment>IDS_CARDS_NO_PAGE</comment>
        <translation>impossible de commencer une nouvelle page</translation>
    </message>
    <message>
        <source>Cards %1</source>
        <comment>IDS_CARDS_DOC_NAME</comment>
        <extracomment>Name of the print job. %1: the drawing&apos;s name</extracomment>
        <translation>Cartes %1</translation>
    </message>
    <message>
        <source>1 card of &quot;%1&quot; written to &quot;%2&quot;</source>
        <comment>IDS_CLI_CARD_WRITTEN</comment>
        <extracomment>kivvo-cli cards output. %1: the drawing&apos;s name; %2: the PDF file&apos;s path</extracomment>
        <translation>1 carte de «&#xa0;%1&#xa0;» écrite dans «&#xa0;%2&#xa0;»</translation>
    </message>
    <message numerus="yes">
        <source>%1 cards sent to the printer.</source>
        <comment>IDS_CARDS_PRINTED</comment>
        <extracomment>Note after printing cards. %1: the number of cards</extracomment>
        <translation>
            <numerusform>%1 carte envoyée à l&apos;imprimante.</numerusform>
            <numerusform>%1 cartes envoyées à l&apos;imprimante.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>IDS_MENU_UNDO</comment>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <comment>IDS_MENU_REDO</comment>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <comment>IDS_MENU_UNDO_WHAT</comment>
        <extracomment>Edit menu item. %1: the step to undo, such as Add Person</extracomment>
        <translation>&amp;Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <comment>IDS_MENU_REDO_WHAT</comment>
        <extracomment>Edit menu item. %1: the step to redo, such as Add Person</extracomment>
        <translation>&amp;Rétablir&#xa0;: %1</translation>
    </message>
    <message>
        <source>Add Person</source>
        <comment>IDS_EDIT_ADD_PERSON</comment>
        <translation>Ajout d&apos;une personne</translation>
    </message>
    <message>
        <source>Add Group</source>
        <comment>IDS_EDIT_ADD_GROUP</comment>
        <translation>Ajout d&apos;un groupe</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>IDS_EDIT_DELETE</comment>
        <translation>Suppression</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment>IDS_EDIT_RENAME</comment>
        <translation>Changement de nom</translation>
    </message>
    <message>
        <source>Person Properties</source>
        <comment>IDS_EDIT_PROPERTIES</comment>
        <translation>Propriétés de la personne</translation>
    </message>
    <message>
        <source>Move to Group</source>
        <comment>IDS_EDIT_MOVE</comment>
        <translation>Déplacement vers un groupe</translation>
    </message>
    <message>
        <source>Rules</source>
        <comment>IDS_EDIT_RULES</comment>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Draw Names</source>
        <comment>IDS_EDIT_DRAW</comment>
        <translation>Tirage au sort</translation>
    </message>
    <message>
        <source>Copy for Next Exchange</source>
        <comment>IDS_EDIT_COPY</comment>
        <translation>Copie pour le prochain échange</translation>
    </message>
    <message>
        <source>Import Participants</source>
        <comment>IDS_EDIT_IMPORT</comment>
        <translation>Import de participants</translation>
    </message>
    <message>
        <source>&amp;Move to Group</source>
        <comment>IDS_MENU_MOVE_TO_GROUP</comment>
        <translation>&amp;Déplacer vers le groupe</translation>
    </message>
    <message>
        <source>No group</source>
        <comment>IDS_MENU_NO_GROUP</comment>
        <translation>Aucun groupe</translation>
    </message>
    <message>
        <source>%1 — a past exchange; its drawing keeps anyone from drawing the same person again. Only its name can be changed.</source>
        <comment>IDS_HISTORY_NOTE</comment>
        <extracomment>Main window note on a past exchange, and message box when changing it. %1: the list&apos;s name</extracomment>
        <translation>%1 — un échange passé&#xa0;; son tirage empêche quiconque de tirer à nouveau la même personne. Seul son nom peut être modifié.</translation>
    </message>
    <message>
        <source>No e-mail address: %1 will get no e-mail.</source>
        <comment>IDS_TIP_NO_ADDRESS</comment>
        <extracomment>Tooltip of a person in the list. %1: the person&apos;s name</extracomment>
        <translation>Pas d&apos;adresse e-mail&#xa0;: %1 ne recevra pas d&apos;e-mail.</translation>
    </message>
    <message>
        <source>&amp;Import Participants...</source>
        <comment>IDS_MENU_IMPORT</comment>
        <translation>&amp;Importer des participants...</translation>
    </message>
    <message>
        <source>Participants (*.csv *.vcf *.vcard);;CSV files (*.csv);;vCard files (*.vcf *.vcard);;All files (*)</source>
        <comment>IDS_IMPORT_FILTER</comment>
        <translation>Participants (*.csv *.vcf *.vcard);;Fichiers CSV (*.csv);;Fichiers vCard (*.vcf *.vcard);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Import Participants — %1</source>
        <comment>IDS_IMPORT_TITLE</comment>
        <extracomment>Title of the Import Participants window. %1: the list&apos;s name</extracomment>
        <translation>Importer des participants — %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 persons will be added to &quot;%2&quot;:</source>
        <comment>IDS_IMPORT_TO_ADD</comment>
        <extracomment>Import Participants window, above the table. %1: the number of persons; %2: the list&apos;s name</extracomment>
        <translation>
            <numerusform>%1 personne sera ajoutée à «&#xa0;%2&#xa0;»&#xa0;:</numerusform>
            <numerusform>%1 personnes seront ajoutées à «&#xa0;%2&#xa0;»&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>Already in the list, so left out: %1</source>
        <comment>IDS_IMPORT_LEFT_OUT</comment>
        <extracomment>Import Participants window. %1: the names left out, separated by commas</extracomment>
        <translation>Déjà dans la liste, donc ignorés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Nothing will be imported. %1</source>
        <comment>IDS_IMPORT_FAILED</comment>
        <extracomment>Import Participants window. %1: the reason, a whole sentence</extracomment>
        <translation>Rien ne sera importé. %1</translation>
    </message>
    <message>
        <source>Everybody in the file is in &quot;%1&quot; already: nobody to add.</source>
        <comment>IDS_IMPORT_NOBODY_NEW</comment>
        <extracomment>Import Participants window. %1: the list&apos;s name</extracomment>
        <translation>Tous les participants du fichier sont déjà dans «&#xa0;%1&#xa0;»&#xa0;: personne à ajouter.</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>IDS_IMPORT_COL_NAME</comment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Address</source>
        <comment>IDS_IMPORT_COL_ADDRESS</comment>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Group</source>
        <comment>IDS_IMPORT_COL_GROUP</comment>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>1 person will be added to &quot;%1&quot;:</source>
        <comment>IDS_IMPORT_TO_ADD_ONE</comment>
        <extracomment>Import Participants window, above the table. %1: the list&apos;s name</extracomment>
        <translation>1 personne sera ajoutée à «&#xa0;%1&#xa0;»&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>The list of who gave a gift to whom in the previous exchange (%1 persons) is too long to quote in every e-mail; the organiser has it.<byte value="xd"/>
</source>
        <comment>IDS_NOTE_PREVIOUS_NOT_QUOTED</comment>
        <extracomment>Notification e-mail, instead of the previous list. %1: the number of persons</extracomment>
        <translation>
            <numerusform>La liste de qui a offert un cadeau à qui lors de l&apos;échange précédent (%1 personne) est trop longue pour figurer dans chaque e-mail&#xa0;; l&apos;organisateur en dispose.<byte value="xd"/>
</numerusform>
            <numerusform>La liste de qui a offert un cadeau à qui lors de l&apos;échange précédent (%1 personnes) est trop longue pour figurer dans chaque e-mail&#xa0;; l&apos;organisateur en dispose.<byte value="xd"/>
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
La liste actuelle des noms (%1 personne) est trop longue pour figurer dans chaque e-mail&#xa0;; l&apos;organisateur en dispose.<byte value="xd"/>
</numerusform>
            <numerusform><byte value="xd"/>
La liste actuelle des noms (%1 personnes) est trop longue pour figurer dans chaque e-mail&#xa0;; l&apos;organisateur en dispose.<byte value="xd"/>
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
%1, voici le nom tiré au sort de la personne à qui vous offrirez un cadeau&#xa0;: %2.<byte value="xd"/>
<byte value="xd"/>
Les listes de ce cercle de participants sont trop longues pour figurer dans chaque e-mail&#xa0;: demandez-les à l&apos;organisateur si vous souhaitez les voir.<byte value="xd"/>
<byte value="xd"/>
Merci&#xa0;!<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Mail is not set up yet, so no e-mail was sent. Enter your mail server and your address in Settings &gt; Configure first.</source>
        <comment>IDS_MAIL_NOT_SET_UP</comment>
        <translation>La messagerie n&apos;est pas encore configurée, aucun e-mail n&apos;a donc été envoyé. Saisissez d&apos;abord votre serveur de messagerie et votre adresse dans Paramètres &gt; Configurer.</translation>
    </message>
    <message>
        <source>kivvo-cli: mail is not set up yet (%1); nothing was sent. Set it up first with
  kivvo-cli config --server HOST --from ADDRESS [--user NAME --password]</source>
        <comment>IDS_CLI_MAIL_NOT_SET_UP</comment>
        <extracomment>kivvo-cli send error on stderr. %1: the options still to set, such as --server, --from</extracomment>
        <translation>kivvo-cli: la messagerie n&apos;est pas encore configurée (%1)&#xa0;; rien n&apos;a été envoyé. Configurez-la d&apos;abord avec
  kivvo-cli config --server HOST --from ADDRESS [--user NAME --password]</translation>
    </message>
    <message>
        <source>Mail is not set up yet. Enter the outgoing mail server of your mail provider and your own address: the e-mails are sent from it.</source>
        <comment>IDS_SETTINGS_NOT_SET_UP</comment>
        <translation>La messagerie n&apos;est pas encore configurée. Saisissez le serveur d&apos;envoi (SMTP) de votre fournisseur de messagerie et votre propre adresse&#xa0;: les e-mails seront envoyés depuis celle-ci.</translation>
    </message>
    <message>
        <source>smtp.example.org</source>
        <comment>IDS_SETTINGS_SERVER_HINT</comment>
        <translation>smtp.example.org</translation>
    </message>
    <message>
        <source>Your Name &lt;you@example.org&gt;</source>
        <comment>IDS_SETTINGS_FROM_HINT</comment>
        <translation>Votre Nom &lt;vous@example.org&gt;</translation>
    </message>
    <message>
        <source>you@example.org — empty: no login</source>
        <comment>IDS_SETTINGS_USER_HINT</comment>
        <translation>vous@example.org — vide&#xa0;: sans connexion</translation>
    </message>
    <message>
        <source>A last line for every e-mail, such as: From the Smiths</source>
        <comment>IDS_SETTINGS_FOOTER_HINT</comment>
        <translation>Une dernière ligne pour chaque e-mail, par exemple&#xa0;: De la part de la famille Martin</translation>
    </message>
    <message>
        <source>(not set)</source>
        <comment>IDS_CLI_NOT_SET</comment>
        <translation>(non défini)</translation>
    </message>
    <message>
        <source>Mail is not set up yet: %1 still to be set before e-mails can be sent.</source>
        <comment>IDS_CLI_MAIL_STILL_NOT_SET_UP</comment>
        <extracomment>kivvo-cli config note on stderr. %1: the options still to set, such as --server, --from</extracomment>
        <translation>La messagerie n&apos;est pas encore configurée&#xa0;: il reste à définir %1 avant de pouvoir envoyer des e-mails.</translation>
    </message>
    <message numerus="yes">
        <source>Delete the group %1 with its %2 persons?</source>
        <comment>IDS_ASK_DELETE_GROUP</comment>
        <extracomment>Question before deleting a group. %1: the group&apos;s name; %2: the number of persons in it</extracomment>
        <translation>
            <numerusform>Supprimer le groupe %1 (%2 personne)&#xa0;?</numerusform>
            <numerusform>Supprimer le groupe %1 et ses %2 personnes&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete the group %1 with its one person?</source>
        <comment>IDS_ASK_DELETE_GROUP_ONE</comment>
        <extracomment>Question before deleting a group. %1: the group&apos;s name</extracomment>
        <translation>Supprimer le groupe %1 et la personne qui en fait partie&#xa0;?</translation>
    </message>
    <message>
        <source>Neither an e-mail address (such as ann@example.org) nor a name from your address book: no e-mail can be sent to it.</source>
        <comment>IDS_ADDRESS_NOT_PLAUSIBLE</comment>
        <translation>Ni une adresse e-mail (par exemple anne@example.org) ni un nom de votre carnet d&apos;adresses&#xa0;: aucun e-mail ne pourra y être envoyé.</translation>
    </message>
    <message>
        <source>kivvo-cli: warning: &quot;%1&quot; is neither an e-mail address nor a name from the address book; no e-mail can be sent to it</source>
        <comment>IDS_CLI_ADDRESS_NOT_PLAUSIBLE</comment>
        <extracomment>kivvo-cli warning on stderr. %1: the address as given</extracomment>
        <translation>kivvo-cli: avertissement&#xa0;: «&#xa0;%1&#xa0;» n&apos;est ni une adresse e-mail ni un nom du carnet d&apos;adresses&#xa0;; aucun e-mail ne pourra y être envoyé</translation>
    </message>
    <message>
        <source>Exchange Details — %1</source>
        <comment>IDS_DETAILS_TITLE</comment>
        <extracomment>Title of the Exchange Details window. %1: the list&apos;s name</extracomment>
        <translation>Détails de l&apos;échange — %1</translation>
    </message>
    <message>
        <source>What every e-mail and card of this exchange tells the participants. Leave empty what does not apply.</source>
        <comment>IDS_DETAILS_INTRO</comment>
        <translation>Ces informations figurent dans chaque e-mail et sur chaque carte de cet échange. Laissez vide ce qui ne s&apos;applique pas.</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <comment>IDS_DETAILS_HAS_DATE</comment>
        <translation>&amp;Date&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Budget:</source>
        <comment>IDS_DETAILS_BUDGET</comment>
        <translation>&amp;Budget&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Place:</source>
        <comment>IDS_DETAILS_PLACE</comment>
        <translation>&amp;Lieu&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <comment>IDS_DETAILS_NOTE</comment>
        <translation>&amp;Remarque&#xa0;:</translation>
    </message>
    <message>
        <source>such as 25 €</source>
        <comment>IDS_DETAILS_BUDGET_HINT</comment>
        <translation>par exemple 25 €</translation>
    </message>
    <message>
        <source>A past exchange: its details can no longer be changed.</source>
        <comment>IDS_DETAILS_PAST</comment>
        <translation>Un échange passé&#xa0;: ses détails ne peuvent plus être modifiés.</translation>
    </message>
    <message>
        <source>Exchange Details</source>
        <comment>IDS_EDIT_DETAILS</comment>
        <translation>Détails de l&apos;échange</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <comment>IDS_DETAIL_DATE</comment>
        <extracomment>Line of the notification e-mail and of the printed card. %1: the date, written out</extracomment>
        <translation>Date&#xa0;: %1</translation>
    </message>
    <message>
        <source>Budget: %1</source>
        <comment>IDS_DETAIL_BUDGET</comment>
        <extracomment>Line of the notification e-mail and of the printed card. %1: the budget as entered</extracomment>
        <translation>Budget&#xa0;: %1</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <comment>IDS_DETAIL_PLACE</comment>
        <extracomment>Line of the notification e-mail and of the printed card. %1: the place as entered</extracomment>
        <translation>Lieu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <comment>IDS_DETAIL_NOTE</comment>
        <extracomment>Line of the notification e-mail and of the printed card. %1: the note as entered</extracomment>
        <translation>Remarque&#xa0;: %1</translation>
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
%1, voici le nom tiré au sort de la personne à qui vous offrirez un cadeau&#xa0;: %2.<byte value="xd"/>
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
Merci&#xa0;!<byte value="xd"/>
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
Les listes de ce cercle de participants sont trop longues pour figurer dans chaque e-mail&#xa0;: demandez-les à l&apos;organisateur si vous souhaitez les voir.<byte value="xd"/>
<byte value="xd"/>
Merci&#xa0;!<byte value="xd"/>
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
        <translation>date&#xa0;: %1
budget&#xa0;: %2
lieu&#xa0;: %3
remarque&#xa0;: %4</translation>
    </message>
    <message>
        <source>Details of &quot;%1&quot; saved</source>
        <comment>IDS_CLI_DETAILS_SAVED</comment>
        <extracomment>kivvo-cli details output. %1: the drawing&apos;s name</extracomment>
        <translation>Détails de «&#xa0;%1&#xa0;» enregistrés</translation>
    </message>
    <message>
        <source>--date takes a date as YYYY-MM-DD, or an empty value to clear it, not &quot;%1&quot;</source>
        <comment>IDS_CLI_BAD_DATE</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the value given to --date</extracomment>
        <translation>--date prend une date au format YYYY-MM-DD, ou une valeur vide pour l&apos;effacer, et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>E-mail &amp;language:</source>
        <comment>IDS_SETTINGS_MAIL_LANGUAGE</comment>
        <translation>&amp;Langue des e-mails&#xa0;:</translation>
    </message>
    <message>
        <source>As the desktop (%1)</source>
        <comment>IDS_SETTINGS_LANGUAGE_DESKTOP</comment>
        <extracomment>Choice of the e-mail language in Mail Settings. %1: the desktop language&apos;s own name</extracomment>
        <translation>Comme le bureau (%1)</translation>
    </message>
    <message>
        <source>The language of the e-mails and paper cards of this document only; the program itself follows the desktop.</source>
        <comment>IDS_SETTINGS_LANGUAGE_HELP</comment>
        <translation>La langue des e-mails et des cartes papier de ce document uniquement&#xa0;; le programme lui-même suit la langue du bureau.</translation>
    </message>
    <message>
        <source>E-mail Language</source>
        <comment>IDS_EDIT_MAIL_LANGUAGE</comment>
        <translation>Langue des e-mails</translation>
    </message>
    <message>
        <source>%1 takes no arguments besides options</source>
        <comment>IDS_CLI_TAKES_NOTHING</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the command</extracomment>
        <translation>%1 ne prend aucun argument en dehors des options</translation>
    </message>
    <message>
        <source>%1 takes %2</source>
        <comment>IDS_CLI_TAKES</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the command; %2: its arguments, such as FILE NAME</extracomment>
        <translation>%1 prend %2</translation>
    </message>
    <message>
        <source>%1 does not take --%2</source>
        <comment>IDS_CLI_NO_SUCH_OPTION</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the command; %2: the option without dashes</extracomment>
        <translation>%1 ne prend pas --%2</translation>
    </message>
    <message>
        <source>cards needs --pdf OUT.pdf</source>
        <comment>IDS_CLI_CARDS_NEED_PDF</comment>
        <translation>cards demande --pdf OUT.pdf</translation>
    </message>
    <message>
        <source>Date, budget, place and a note for the e-mails and cards of this exchange
Details</source>
        <comment>IDS_PROMPT_DETAILS</comment>
        <translation>Date, budget, lieu et remarque pour les e-mails et les cartes de cet échange
Détails</translation>
    </message>
    <message>
        <source>The date of an exchange is damaged.</source>
        <comment>IDS_ERR_DETAILS_DATE</comment>
        <translation>La date d&apos;un échange est endommagée.</translation>
    </message>
    <message>
        <source>De&amp;tails...</source>
        <comment>IDS_MENU_DETAILS</comment>
        <translation>Déta&amp;ils...</translation>
    </message>
    <message>
        <source>--language takes one of %1, not &quot;%2&quot;</source>
        <comment>IDS_CLI_BAD_LANGUAGE</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the language codes, separated by commas; %2: the value given</extracomment>
        <translation>--language prend l&apos;une de ces langues : %1, et non « %2 »</translation>
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
        <translation>Aucun nom n&apos;a encore été tiré au sort dans cette liste.<byte value="xd"/>
<byte value="xd"/>
Tirez d&apos;abord les noms au sort. Rien n&apos;a été affiché ni envoyé.</translation>
    </message>
    <message>
        <source>the server&apos;s reply is not SMTP: &quot;%1&quot;; the connection was closed</source>
        <comment>IDS_SMTP_NOT_SMTP</comment>
        <extracomment>Reason why mail failed. %1: the line the server sent</extracomment>
        <translation>la réponse du serveur n&apos;est pas du SMTP : « %1 » ; la connexion a été fermée</translation>
    </message>
    <message>
        <source>the server sent a reply to a command this program had not sent yet; the connection was closed</source>
        <comment>IDS_SMTP_OUT_OF_TURN</comment>
        <translation>le serveur a répondu à une commande que ce programme n&apos;avait pas encore envoyée ; la connexion a été fermée</translation>
    </message>
    <message>
        <source>%1, after the message had been sent in full; it may have arrived, so it is not sent again</source>
        <comment>IDS_SMTP_FAULT_UNCONFIRMED</comment>
        <extracomment>Reason why an e-mail may have failed. %1: what the server did wrong, one of the two texts above</extracomment>
        <translation>%1, après l&apos;envoi complet du message ; il est peut-être arrivé, il n&apos;est donc pas renvoyé</translation>
    </message>
    <message>
        <source>the address %1 has characters beyond ASCII before the @, which this server does not take (it offers no SMTPUTF8)</source>
        <comment>IDS_SMTP_NEEDS_UTF8</comment>
        <extracomment>Reason why an e-mail failed. %1: the e-mail address</extracomment>
        <translation>l&apos;adresse %1 contient avant le @ des caractères hors ASCII, que ce serveur n&apos;accepte pas (il ne propose pas SMTPUTF8)</translation>
    </message>
    <message>
        <source>The mail server %1 did not keep to the mail protocol (SMTP).<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Nothing more was sent, so that no reply is taken for another message&apos;s. Tell whoever runs the server.</source>
        <comment>IDS_SEND_SERVER_FAULT</comment>
        <extracomment>Shown in the sending window and by kivvo-cli send. %1: the mail server as host:port; %2: the reason</extracomment>
        <translation>Le serveur de messagerie %1 n&apos;a pas respecté le protocole de messagerie (SMTP).<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Rien d&apos;autre n&apos;a été envoyé, afin qu&apos;aucune réponse ne soit prise pour celle d&apos;un autre message. Prévenez la personne qui gère le serveur.</translation>
    </message>
    <message>
        <source>The desktop&apos;s keyring refused to keep the password (%1): it is kept in the settings file %2, which only you can read.</source>
        <comment>IDS_PASSWORD_KEYRING_REFUSED</comment>
        <extracomment>Mail Settings window and kivvo-cli config output. %1: the keyring&apos;s own reason; %2: the settings file&apos;s path</extracomment>
        <translation>Le trousseau de clés du bureau a refusé de conserver le mot de passe (%1) : il est conservé dans le fichier de paramètres %2, qui n&apos;est lisible que par vous.</translation>
    </message>
    <message>
        <source>line %1 holds a control character (a line break, a tab or a terminal escape) in a name, an address or a group</source>
        <comment>IDS_IMPORT_CONTROL</comment>
        <extracomment>Reason in the import error. %1: the line number in the file</extracomment>
        <translation>la ligne %1 contient un caractère de contrôle (un saut de ligne, une tabulation ou un échappement de terminal) dans un nom, une adresse ou un groupe</translation>
    </message>
    <message>
        <source>the card &quot;%1&quot; holds a control character (a line break, a tab or a terminal escape) in its name or its address</source>
        <comment>IDS_IMPORT_CONTROL_CARD</comment>
        <extracomment>Reason in the import error. %1: the name on the card, control characters shown as a replacement sign</extracomment>
        <translation>la fiche « %1 » contient un caractère de contrôle (un saut de ligne, une tabulation ou un échappement de terminal) dans son nom ou son adresse</translation>
    </message>
    <message>
        <source>Importing %1 persons and groups would make the document hold more than %2, more than it can save. Nothing was imported.</source>
        <comment>IDS_IMPORT_OVER_LIMIT</comment>
        <extracomment>Import error (Import Participants window). %1: how many persons and groups the import would add; %2: the most a document holds</extracomment>
        <translation>Importer %1 personnes et groupes porterait le document au-delà de %2, plus qu&apos;il ne peut en enregistrer. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>the server offers no encryption (STARTTLS), and the settings allow only encrypted connections</source>
        <comment>IDS_SMTP_TLS_REQUIRED</comment>
        <translation>le serveur ne propose pas de chiffrement (STARTTLS), et les paramètres n&apos;autorisent que les connexions chiffrées</translation>
    </message>
    <message>
        <source>Encrypted connections only (TLS), also without a login</source>
        <comment>IDS_SETTINGS_REQUIRE_TLS</comment>
        <translation>Connexions chiffrées uniquement (TLS), même sans identifiant</translation>
    </message>
    <message>
        <source>require-tls: on</source>
        <comment>IDS_CLI_REQUIRE_TLS_ON</comment>
        <extracomment>kivvo-cli config output, after the settings, only when the setting is on.</extracomment>
        <translation>require-tls : activé</translation>
    </message>
    <message>
        <source>The seal of this drawing was broken on %1 at %2</source>
        <comment>IDS_SEAL_BROKEN_ON</comment>
        <extracomment>Shown with a drawing whose seal was broken, in the window and by kivvo-cli.
%1: the date, such as &quot;12 December 2026&quot;; %2: the time, such as &quot;20:14&quot;</extracomment>
        <translation>Le sceau de ce tirage a été brisé le %1 à %2</translation>
    </message>
    <message>
        <source>%1. This stays in the document, so that the participants can be told.</source>
        <comment>IDS_SEAL_BROKEN_NOW</comment>
        <extracomment>After the seal was broken.
%1: the sentence of IDS_SEAL_BROKEN_ON</extracomment>
        <translation>%1. Cela reste dans le document, pour que les participants puissent en être informés.</translation>
    </message>
    <message>
        <source>This drawing is sealed: who gives to whom is shown to nobody here, you included. Every participant learns his own recipient by e-mail, on his card or in the pass-around round. To see them all, turn off &quot;Seal the drawing&quot; in the rules; that is recorded in the document.</source>
        <comment>IDS_SEALED_REFUSED</comment>
        <translation>Ce tirage est scellé : qui offre à qui n&apos;est montré ici à personne, pas même à vous. Chaque participant apprend son propre destinataire par e-mail, sur sa carte ou lors du tour de l&apos;écran. Pour tous les voir, désactivez « Sceller le tirage » dans les règles ; cela est consigné dans le document.</translation>
    </message>
    <message>
        <source>the drawn name of %1 no longer fits the list</source>
        <comment>IDS_CHECK_SEALED</comment>
        <extracomment>Problem with the drawn names of a sealed drawing, listed after a colon.
%1: the giver&apos;s name</extracomment>
        <translation>le nom tiré par %1 ne correspond plus à la liste</translation>
    </message>
    <message>
        <source>two persons draw each other</source>
        <comment>IDS_CHECK_MUTUAL_SEALED</comment>
        <extracomment>Problem with the drawn names of a sealed drawing, listed after a colon.</extracomment>
        <translation>deux personnes se tirent l&apos;une l&apos;autre</translation>
    </message>
    <message>
        <source>&amp;Seal the drawing</source>
        <comment>IDS_RULES_SEAL</comment>
        <translation>&amp;Sceller le tirage</translation>
    </message>
    <message>
        <source>For an organiser who takes part: nobody here, you included, can see who gives to whom. Every participant still learns his own recipient. Turning it off later is recorded in the document.</source>
        <comment>IDS_RULES_SEAL_HELP</comment>
        <translation>Pour un organisateur qui participe : personne ici, pas même vous, ne peut voir qui offre à qui. Chaque participant apprend toujours son propre destinataire. Le désactiver plus tard est consigné dans le document.</translation>
    </message>
    <message>
        <source>Break the seal of &quot;%1&quot;?<byte value="xd"/>
<byte value="xd"/>
From now on, who gives to whom can be seen here: in View Notifications, in reports and in messages. The date and time of the break are kept in the document for good; it cannot be undone.</source>
        <comment>IDS_ASK_BREAK_SEAL</comment>
        <extracomment>Question before the seal is broken; the default answer is No.
%1: the drawing&apos;s name</extracomment>
        <translation>Briser le sceau de « %1 » ?<byte value="xd"/>
<byte value="xd"/>
Désormais, qui offre à qui pourra être vu ici : dans Voir les notifications, dans les rapports et dans les messages. La date et l&apos;heure de la rupture restent pour toujours dans le document ; cela ne peut pas être annulé.</translation>
    </message>
    <message>
        <source>seal: %1
</source>
        <comment>IDS_CLI_SEAL</comment>
        <extracomment>kivvo-cli rules output, after the rules.
%1: on or off (IDS_CLI_ON, IDS_CLI_OFF)</extracomment>
        <translation>sceau : %1
</translation>
    </message>
    <message>
        <source>These cards hold secrets</source>
        <comment>IDS_CARDS_SEALED_COVER</comment>
        <extracomment>First page of a PDF of the cards of a sealed drawing, a heading.</extracomment>
        <translation>Ces cartes contiennent des secrets</translation>
    </message>
    <message>
        <source>They hold the drawn names of the sealed drawing &quot;%1&quot;. Print them without looking at them, cut them out and fold each one shut before it is read; then delete this file.</source>
        <comment>IDS_CARDS_SEALED_COVER_TEXT</comment>
        <extracomment>First page of a PDF of the cards of a sealed drawing, under the heading.
%1: the drawing&apos;s name</extracomment>
        <translation>Elles contiennent les noms tirés du tirage scellé « %1 ». Imprimez-les sans les regarder, découpez-les et pliez chacune avant qu&apos;elle ne soit lue ; supprimez ensuite ce fichier.</translation>
    </message>
    <message>
        <source>This drawing is sealed: who gives to whom is shown to nobody here.</source>
        <comment>IDS_SEALED_NOTE</comment>
        <extracomment>Under the list of a sealed drawing in the main window.</extracomment>
        <translation>Ce tirage est scellé : qui offre à qui n&apos;est montré ici à personne.</translation>
    </message>
    <message>
        <source>kivvo-cli: the seal was kept; nothing was changed</source>
        <comment>IDS_CLI_SEAL_KEPT</comment>
        <translation>kivvo-cli : le sceau a été conservé ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>%1 (the e-mail goes to this one of the entry&apos;s %2 addresses only; add :1, :2 or :3 to the name to choose another)</source>
        <comment>IDS_CONTACT_PREFERRED</comment>
        <extracomment>Person dialog, under the address, for an address-book entry with several addresses.
%1: the address the e-mail goes to; %2: how many addresses the entry has</extracomment>
        <translation>%1 (l&apos;e-mail part uniquement à celle-ci parmi les %2 adresses de la fiche ; ajoutez :1, :2 ou :3 au nom pour en choisir une autre)</translation>
    </message>
    <message numerus="yes">
        <source>The drawing was repaired: %1 of the givers got another recipient; everybody else keeps the one he drew.</source>
        <comment>IDS_REPAIR_DONE</comment>
        <extracomment>After a repair of the drawing.
%1: how many givers got another recipient</extracomment>
        <translation>
            <numerusform>Le tirage a été réparé : %1 des donateurs a reçu un autre destinataire ; tous les autres gardent le leur.</numerusform>
            <numerusform>Le tirage a été réparé : %1 des donateurs ont reçu un autre destinataire ; tous les autres gardent le leur.</numerusform>
        </translation>
    </message>
    <message>
        <source>The drawn names still fit the list: there is nothing to repair.</source>
        <comment>IDS_REPAIR_NOTHING</comment>
        <translation>Les noms tirés correspondent encore à la liste : il n&apos;y a rien à réparer.</translation>
    </message>
    <message>
        <source>No repair was found within the bounds of the search, which the rules No mutual pairs and One circle make long for a list this size. Draw names again instead.</source>
        <comment>IDS_REPAIR_OUT_OF_BOUND</comment>
        <translation>Aucune réparation n&apos;a été trouvée dans les limites de la recherche, que les règles Pas de paires réciproques et Un seul cercle rendent longue pour une liste de cette taille. Refais plutôt le tirage.</translation>
    </message>
    <message>
        <source>The list changed after its names were drawn.<byte value="xd"/>
<byte value="xd"/>
Repair the drawing: every rule is kept, and as few givers as possible get another recipient, so that only they need to be told again. Or draw again: everybody gets a new recipient and must be told again.</source>
        <comment>IDS_ASK_REPAIR</comment>
        <extracomment>Asked by Draw Names when the list changed after its names were drawn.</extracomment>
        <translation>La liste a changé après le tirage des noms.<byte value="xd"/>
<byte value="xd"/>
Réparer le tirage : toutes les règles tiennent, et le moins de donateurs possible reçoivent un autre destinataire, de sorte que seuls eux doivent être de nouveau informés. Ou refaire le tirage : chacun reçoit un nouveau destinataire et doit être de nouveau informé.</translation>
    </message>
    <message>
        <source>&amp;Repair the Drawing</source>
        <comment>IDS_BUTTON_REPAIR</comment>
        <translation>&amp;Réparer le tirage</translation>
    </message>
    <message>
        <source>&amp;Draw Again</source>
        <comment>IDS_BUTTON_DRAW_AGAIN</comment>
        <translation>Refaire le &amp;tirage</translation>
    </message>
    <message>
        <source>&quot;%1&quot; saved</source>
        <comment>IDS_CLI_REPAIRED</comment>
        <extracomment>kivvo-cli repair output.
%1: the file</extracomment>
        <translation>« %1 » enregistré</translation>
    </message>
    <message>
        <source>Please note: the drawing has changed since you were told whom you give a gift to. What you were told before no longer holds; this message does.<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>IDS_NOTE_REPLACES_EARLIER</comment>
        <extracomment>Notification e-mail, after the privacy note, to a participant told another recipient
before the drawing was repaired.</extracomment>
        <translation>Attention : le tirage a changé depuis qu&apos;on vous a dit à qui vous offrez un cadeau. Ce qu&apos;on vous a dit avant ne vaut plus ; c&apos;est ce message qui compte.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Quote Earlier Drawings</source>
        <comment>IDS_EDIT_QUOTE_HISTORY</comment>
        <extracomment>Undo and redo: the change of the setting.</extracomment>
        <translation>Citer les tirages précédents</translation>
    </message>
    <message>
        <source>&amp;Quote earlier drawings in the e-mails</source>
        <comment>IDS_RULES_QUOTE_HISTORY</comment>
        <translation>&amp;Citer les tirages précédents dans les e-mails</translation>
    </message>
    <message>
        <source>Each e-mail says whom the participant gave to last time and lists last time&apos;s pairs. Turn it off where the givers stay unknown, as in an office.</source>
        <comment>IDS_RULES_QUOTE_HISTORY_HELP</comment>
        <translation>Chaque e-mail dit à qui le participant a offert la dernière fois et liste les paires de la dernière fois. Désactive-le là où les donateurs restent inconnus, comme au bureau.</translation>
    </message>
    <message>
        <source>quote earlier drawings: %1
</source>
        <comment>IDS_CLI_QUOTE_HISTORY</comment>
        <extracomment>kivvo-cli rules output, after the seal.
%1: on or off (IDS_CLI_ON, IDS_CLI_OFF)</extracomment>
        <translation>citer les tirages précédents : %1
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
            <numerusform>Participants dont le destinataire n&apos;est pas celui qu&apos;on leur a dit : %1.<byte value="xd"/>
<byte value="xd"/>
Prévenir seulement eux, ou tout le monde ?</numerusform>
            <numerusform>Participants dont le destinataire n&apos;est pas celui qu&apos;on leur a dit : %1.<byte value="xd"/>
<byte value="xd"/>
Prévenir seulement eux, ou tout le monde ?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Only Them</source>
        <comment>IDS_BUTTON_ONLY_CHANGED</comment>
        <translation>&amp;Seulement eux</translation>
    </message>
    <message>
        <source>&amp;Everybody</source>
        <comment>IDS_BUTTON_EVERYBODY</comment>
        <translation>&amp;Tout le monde</translation>
    </message>
    <message numerus="yes">
        <source>Participants whose recipient is not the one they were told: %1</source>
        <comment>IDS_CLI_CHANGED_COUNT</comment>
        <extracomment>kivvo-cli send and cards with --changed.
%1: how many participants are told again</extracomment>
        <translation>
            <numerusform>Participants dont le destinataire n&apos;est pas celui qu&apos;on leur a dit : %1</numerusform>
            <numerusform>Participants dont le destinataire n&apos;est pas celui qu&apos;on leur a dit : %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Nobody has been told anything of this drawing yet: tell everybody.</source>
        <comment>IDS_NOBODY_TOLD_YET</comment>
        <translation>Personne n&apos;a encore rien appris de ce tirage : préviens tout le monde.</translation>
    </message>
    <message>
        <source>Everybody already knows his recipient: nobody&apos;s changed since he was told.</source>
        <comment>IDS_NOBODY_TO_TELL_AGAIN</comment>
        <translation>Tout le monde connaît déjà son destinataire : celui de personne n&apos;a changé depuis qu&apos;on le lui a dit.</translation>
    </message>
    <message>
        <source>%1: told %2, last on %3 at %4</source>
        <comment>IDS_STATUS_TOLD</comment>
        <extracomment>kivvo-cli status, one line per participant.
%1: the participant; %2: how he was told (IDS_TOLD_BY_MAIL...); %3: the date; %4: the time</extracomment>
        <translation>%1 : prévenu %2, la dernière fois le %3 à %4</translation>
    </message>
    <message>
        <source>%1: told %2, last on %3 at %4; his recipient changed since: tell him again</source>
        <comment>IDS_STATUS_TOLD_CHANGED</comment>
        <extracomment>kivvo-cli status, one line per participant.
%1: the participant; %2: how he was told (IDS_TOLD_BY_MAIL...); %3: the date; %4: the time</extracomment>
        <translation>%1 : prévenu %2, la dernière fois le %3 à %4 ; son destinataire a changé depuis : préviens-le de nouveau</translation>
    </message>
    <message>
        <source>%1: not told yet</source>
        <comment>IDS_STATUS_NOT_TOLD</comment>
        <extracomment>kivvo-cli status. %1: the participant</extracomment>
        <translation>%1 : pas encore prévenu</translation>
    </message>
    <message>
        <source>%1: no drawn name yet</source>
        <comment>IDS_STATUS_NOT_DRAWN</comment>
        <extracomment>kivvo-cli status. %1: the participant</extracomment>
        <translation>%1 : pas encore de nom tiré</translation>
    </message>
    <message>
        <source>by e-mail</source>
        <comment>IDS_TOLD_BY_MAIL</comment>
        <translation>par e-mail</translation>
    </message>
    <message>
        <source>on a card</source>
        <comment>IDS_TOLD_ON_CARD</comment>
        <translation>sur une carte</translation>
    </message>
    <message>
        <source>in the pass-around round</source>
        <comment>IDS_TOLD_IN_ROUND</comment>
        <translation>lors du tour de l&apos;écran</translation>
    </message>
    <message>
        <source>Another program changed %1 since it was opened here, and the file now holds another drawing than this window. Nothing was sent, printed or shown.<byte value="xd"/>
<byte value="xd"/>
Open the file as it is now?</source>
        <comment>IDS_FILE_OTHER_DRAWING</comment>
        <extracomment>Before names are sent, printed or shown in the round. %1: the document&apos;s file</extracomment>
        <translation>Un autre programme a modifié %1 depuis son ouverture ici, et le fichier contient maintenant un autre tirage que cette fenêtre. Rien n&apos;a été envoyé, imprimé ni montré.<byte value="xd"/>
<byte value="xd"/>
Ouvrir le fichier tel qu&apos;il est maintenant ?</translation>
    </message>
    <message>
        <source>Before the first name goes out, the drawing is saved, so that what the participants are told is never lost. Choose where to keep it.</source>
        <comment>IDS_SAVE_BEFORE_TELLING</comment>
        <translation>Avant que le premier nom ne parte, le tirage est enregistré, pour que ce qu&apos;on dit aux participants ne soit jamais perdu. Choisis où le garder.</translation>
    </message>
    <message>
        <source>e-mail language: %1 (%2)
</source>
        <comment>IDS_CLI_MAIL_LANGUAGE</comment>
        <extracomment>kivvo-cli rules output, when the document has an e-mail language of its own.
%1: the language&apos;s own name; %2: its code</extracomment>
        <translation>langue des e-mails : %1 (%2)
</translation>
    </message>
    <message>
        <source>This list is empty. Add the first person with %1 or %2 → %3.</source>
        <comment>IDS_EMPTY_LIST_HINT</comment>
        <extracomment>Above an empty list in the main window.
%1: the Insert key&apos;s name; %2: the Exchange menu; %3: its item Add Person</extracomment>
        <translation>Cette liste est vide. Ajoute la première personne avec %1 ou %2 → %3.</translation>
    </message>
    <message>
        <source>Draw Names needs at least three persons in the list</source>
        <comment>IDS_TIP_DRAW_NEEDS_THREE</comment>
        <extracomment>Tip of Draw Names while it is greyed.</extracomment>
        <translation>Pour tirer les noms, la liste doit compter au moins trois personnes</translation>
    </message>
    <message>
        <source>&amp;Export Participants...</source>
        <comment>IDS_MENU_EXPORT</comment>
        <translation>&amp;Exporter des participants...</translation>
    </message>
    <message>
        <source>Export Participants</source>
        <comment>IDS_EXPORT_TITLE</comment>
        <extracomment>Title of the file window that exports the participants.</extracomment>
        <translation>Exporter des participants</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <comment>IDS_EXPORT_FILTER_SPREADSHEET</comment>
        <extracomment>File type in the export&apos;s file window: UTF-8 with a byte-order mark and the list
separator of the user&apos;s language (a semicolon where numbers have a decimal comma).</extracomment>
        <translation>CSV pour tableurs (*.csv)</translation>
    </message>
    <message>
        <source>Plain CSV (*.csv)</source>
        <comment>IDS_EXPORT_FILTER_PLAIN</comment>
        <extracomment>File type in the export&apos;s file window: UTF-8 with commas.</extracomment>
        <translation>CSV simple (*.csv)</translation>
    </message>
    <message>
        <source>Cannot export the participants to &quot;%1&quot;: %2.</source>
        <comment>IDS_EXPORT_ERROR</comment>
        <extracomment>Message box when the export failed.
%1: the file&apos;s path; %2: the reason</extracomment>
        <translation>Impossible d&apos;exporter les participants vers « %1 » : %2.</translation>
    </message>
    <message>
        <source>Line %1 looks like column headings Kivvo does not know (%2), so it is left out. The columns are read as name, address, suggestions and group.</source>
        <comment>IDS_IMPORT_UNKNOWN_HEADINGS</comment>
        <extracomment>Import Participants window and kivvo-cli import, when the file&apos;s first line names
its columns in words Kivvo does not know.
%1: the line number; %2: the line&apos;s fields, separated by commas</extracomment>
        <translation>La ligne %1 ressemble à des en-têtes de colonnes que Kivvo ne connaît pas (%2) ; elle est donc ignorée. Les colonnes sont lues comme nom, adresse, suggestions et groupe.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <comment>IDS_PERSON_ADD_NEVER_DRAWS</comment>
        <extracomment>Person Properties window: puts the names typed under Never draws into the table.</extracomment>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <comment>IDS_PERSON_REMOVE_NEVER_DRAWS</comment>
        <extracomment>Person Properties window: takes the selected names out of Never draws.</extracomment>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>IDS_PERSON_COL_NAME</comment>
        <extracomment>Person Properties window, heading of the Never draws table: whom he never draws.</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Both ways</source>
        <comment>IDS_PERSON_COL_BOTH_WAYS</comment>
        <extracomment>Person Properties window, heading of the Never draws table: ticked where that
person never draws him either.</extracomment>
        <translation>Dans les deux sens</translation>
    </message>
    <message>
        <source>Continued on the next card</source>
        <comment>IDS_CARD_CONTINUES</comment>
        <extracomment>Paper card, last line of a text too long for the card.</extracomment>
        <translation>Suite sur la carte suivante</translation>
    </message>
    <message>
        <source>(continued)</source>
        <comment>IDS_CARD_CONTINUED</comment>
        <extracomment>Paper card, under the giver&apos;s name on a card that goes on with the card before.</extracomment>
        <translation>(suite)</translation>
    </message>
    <message>
        <source>The rest is too long for the cards</source>
        <comment>IDS_CARD_TOO_LONG</comment>
        <extracomment>Paper card, last line of the last card a participant&apos;s texts may take.</extracomment>
        <translation>La suite est trop longue pour les cartes</translation>
    </message>
    <message>
        <source>Gives and receives</source>
        <comment>IDS_ROLE_BOTH</comment>
        <extracomment>Role of a person, in the person window.</extracomment>
        <translation>Offre et reçoit</translation>
    </message>
    <message>
        <source>Gives only</source>
        <comment>IDS_ROLE_GIVES</comment>
        <extracomment>Role of a person, in the person window.</extracomment>
        <translation>Offre seulement</translation>
    </message>
    <message>
        <source>Receives only</source>
        <comment>IDS_ROLE_RECEIVES</comment>
        <extracomment>Role of a person, in the person window.</extracomment>
        <translation>Reçoit seulement</translation>
    </message>
    <message>
        <source>Ro&amp;le:</source>
        <comment>IDS_ROLE_LABEL</comment>
        <extracomment>Label in the person window; its &amp; letter differs from those of Add and Remove there.</extracomment>
        <translation>Rô&amp;le :</translation>
    </message>
    <message>
        <source>&amp;Gifts per giver:</source>
        <comment>IDS_GIFTS_LABEL</comment>
        <extracomment>Label in the Rules window; its &amp; letter differs from those of the other rules there.</extracomment>
        <translation>&amp;Nombre de cadeaux par donateur :</translation>
    </message>
    <message>
        <source>One circle needs every person to give and receive, with one gift each.</source>
        <comment>IDS_CIRCLE_UNAVAILABLE</comment>
        <extracomment>Rules window and messages: why &quot;one circle&quot; is not available.</extracomment>
        <translation>Un seul cercle demande que chaque personne offre et reçoive, avec un cadeau chacune.</translation>
    </message>
    <message>
        <source>One circle needs every person to give and receive, with one gift each. Turn it off in Exchange &gt; Rules, or let every person give and receive one gift, then draw again.</source>
        <comment>IDS_DRAW_CIRCLE_NEEDS_ONE</comment>
        <extracomment>Why names cannot be drawn.</extracomment>
        <translation>Un seul cercle demande que chaque personne offre et reçoive, avec un cadeau chacune. Désactive-le dans Échange &gt; Règles, ou fais en sorte que chaque personne offre et reçoive un cadeau, puis relance le tirage.</translation>
    </message>
    <message>
        <source>Nobody in this list gives a gift: every person receives only.</source>
        <comment>IDS_DRAW_NOBODY_GIVES</comment>
        <extracomment>Why names cannot be drawn.</extracomment>
        <translation>Personne dans cette liste n&apos;offre de cadeau : chaque personne reçoit seulement.</translation>
    </message>
    <message>
        <source>Nobody in this list receives a gift: every person gives only.</source>
        <comment>IDS_DRAW_NOBODY_RECEIVES</comment>
        <extracomment>Why names cannot be drawn.</extracomment>
        <translation>Personne dans cette liste ne reçoit de cadeau : chaque personne offre seulement.</translation>
    </message>
    <message>
        <source>Too few gifts: %1 persons receive a gift, but the givers give only %2 in all (%3 each).</source>
        <comment>IDS_DRAW_FEW_GIFTS</comment>
        <extracomment>Why names cannot be drawn. %1: persons who receive; %2: gifts given in all; %3: gifts per giver</extracomment>
        <translation>Trop peu de cadeaux : %1 personnes reçoivent un cadeau, mais les donateurs n&apos;en offrent que %2 en tout (%3 chacun).</translation>
    </message>
    <message>
        <source> Persons who receive only: %1.</source>
        <comment>IDS_DRAW_RECEIVE_ONLY_COUNT</comment>
        <extracomment>Follows IDS_DRAW_FEW_GIFTS. %1: a number</extracomment>
        <translation> Personnes qui reçoivent seulement : %1.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Let more persons give, or raise the gifts per giver (Exchange &gt; Rules), then draw again.</source>
        <comment>IDS_DRAW_FEW_GIFTS_HINT</comment>
        <extracomment>Ends IDS_DRAW_FEW_GIFTS.</extracomment>
        <translation><byte value="xd"/>
<byte value="xd"/>
Permets à plus de personnes d&apos;offrir un cadeau, ou augmente le nombre de cadeaux par donateur (Échange &gt; Règles), puis relance le tirage.</translation>
    </message>
    <message>
        <source>The gifts of %1 (%2 in all) can go only to %3, who can take at most %4 of them.</source>
        <comment>IDS_DRAW_GIVERS_SHORT</comment>
        <extracomment>Why names cannot be drawn. %1: givers; %2: their gifts in all; %3: the persons they may give to; %4: a number</extracomment>
        <translation>Les cadeaux de %1 (%2 en tout) ne peuvent aller qu&apos;à %3, qui peuvent en recevoir %4 au plus.</translation>
    </message>
    <message>
        <source>The gifts of %1 can go to nobody.</source>
        <comment>IDS_DRAW_GIVERS_SHORT_NOBODY</comment>
        <extracomment>Why names cannot be drawn. %1: givers</extracomment>
        <translation>Les cadeaux de %1 ne peuvent aller à personne.</translation>
    </message>
    <message>
        <source>%1 must get at least %2 of the gifts, but only %3 may give to them, at most %4 in all.</source>
        <comment>IDS_DRAW_RECEIVERS_SHORT</comment>
        <extracomment>Why names cannot be drawn. %1: receivers; %2: a number; %3: givers; %4: a number</extracomment>
        <translation>%1 doivent recevoir au moins %2 des cadeaux, mais seuls %3 peuvent leur en offrir, %4 au plus en tout.</translation>
    </message>
    <message>
        <source>%1 must get at least %2 of the gifts, but nobody may give to them.</source>
        <comment>IDS_DRAW_RECEIVERS_SHORT_NOBODY</comment>
        <extracomment>Why names cannot be drawn. %1: receivers; %2: a number</extracomment>
        <translation>%1 doivent recevoir au moins %2 des cadeaux, mais personne ne peut leur en offrir.</translation>
    </message>
    <message>
        <source>In every drawing of this list, two persons would give to each other. Allow pairs who draw each other (Exchange &gt; Rules) or give fewer gifts each, then draw again.</source>
        <comment>IDS_DRAW_NO_MUTUAL_NONE</comment>
        <extracomment>Why names cannot be drawn.</extracomment>
        <translation>Dans tout tirage de cette liste, deux personnes s&apos;offriraient mutuellement un cadeau. Autorise les paires qui se tirent mutuellement (Échange &gt; Règles) ou réduis le nombre de cadeaux par donateur, puis relance le tirage.</translation>
    </message>
    <message>
        <source>%1 has %2 drawn names instead of %3</source>
        <comment>IDS_CHECK_GIFT_COUNT</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the giver; %2, %3: numbers</extracomment>
        <translation>%1 a %2 noms tirés au lieu de %3</translation>
    </message>
    <message>
        <source>%1 receives only, but has a drawn name</source>
        <comment>IDS_CHECK_RECEIVES_ONLY</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: a person</extracomment>
        <translation>%1 reçoit seulement, mais a un nom tiré</translation>
    </message>
    <message>
        <source>%1 gives only, but %2 drew him</source>
        <comment>IDS_CHECK_GIVES_ONLY_DRAWN</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the person drawn; %2: who drew him</extracomment>
        <translation>%1 offre seulement, mais %2 a tiré son nom</translation>
    </message>
    <message>
        <source>%1 drew %2 twice</source>
        <comment>IDS_CHECK_SAME_TWICE</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the giver; %2: the person drawn</extracomment>
        <translation>%1 a tiré %2 deux fois</translation>
    </message>
    <message>
        <source>%1 gets %2 gifts, where every person gets %3</source>
        <comment>IDS_CHECK_RECEIVED_COUNT</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: a person; %2: a number; %3: a number, or IDS_COUNT_OR</extracomment>
        <translation>%1 reçoit %2 cadeaux, alors que chaque personne en reçoit %3</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>IDS_COUNT_OR</comment>
        <extracomment>Two numbers, as in &quot;1 or 2&quot;.</extracomment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>Get gifts for: %1</source>
        <comment>IDS_GET_GIFTS_FOR</comment>
        <extracomment>Pass-around round, a giver with several recipients. %1: their names</extracomment>
        <translation>Offrir des cadeaux à : %1</translation>
    </message>
    <message>
        <source>--role takes both, gives or receives, not &quot;%1&quot;</source>
        <comment>IDS_CLI_BAD_ROLE</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. Keep the option values in English. %1: the value given</extracomment>
        <translation>--role prend both, gives ou receives, et non « %1 »</translation>
    </message>
    <message>
        <source>--gifts takes a number from 1 to %1, not &quot;%2&quot;</source>
        <comment>IDS_CLI_BAD_GIFTS</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the largest number allowed; %2: the value given</extracomment>
        <translation>--gifts prend un nombre de 1 à %1, et non « %2 »</translation>
    </message>
    <message>
        <source>gifts per giver: %1
</source>
        <comment>IDS_CLI_GIFTS_LINE</comment>
        <extracomment>kivvo-cli rules output.</extracomment>
        <translation>cadeaux par donateur : %1
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
%1, voici les noms tirés au sort des personnes à qui offrir un cadeau : %2.<byte value="xd"/>
<byte value="xd"/>
Merci !<byte value="xd"/>
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
%1, voici les noms tirés au sort des personnes à qui offrir un cadeau : %2.<byte value="xd"/>
<byte value="xd"/>
Les listes de ce cercle de participants sont trop longues pour figurer dans chaque e-mail : demandez-les à l&apos;organisateur si vous souhaitez les voir.<byte value="xd"/>
<byte value="xd"/>
Merci !<byte value="xd"/>
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
%1, voici les noms tirés au sort des personnes à qui offrir un cadeau : %2.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Gift Suggestions for %1: %2</source>
        <comment>IDS_NOTE_SUGGESTIONS_FOR</comment>
        <extracomment>Notification e-mail, a giver with several recipients. %1: a recipient; %2: his suggestions. One line each, after the drawn names.</extracomment>
        <translation>Idées de cadeaux pour %1 : %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>IDS_IDEAS_OF</comment>
        <extracomment>Cards and the pass-around round: a recipient and his suggestions.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>gives only</source>
        <comment>IDS_ROLE_MARK_GIVES</comment>
        <extracomment>Mark after a name in the list.</extracomment>
        <translation>offre seulement</translation>
    </message>
    <message>
        <source>receives only</source>
        <comment>IDS_ROLE_MARK_RECEIVES</comment>
        <extracomment>Mark after a name in the list.</extracomment>
        <translation>reçoit seulement</translation>
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
        <translation>%1 reçoit seulement et n&apos;offre aucun cadeau : il n&apos;y a rien à lui annoncer.</translation>
    </message>
    <message>
        <source>Every giver gives from 1 to %1 gifts.</source>
        <comment>IDS_BAD_GIFTS</comment>
        <extracomment>Message.</extracomment>
        <translation>Chaque donateur offre de 1 à %1 cadeaux.</translation>
    </message>
    <message>
        <source>Hand the screen to %1, then press Draw name.</source>
        <comment>IDS_STEP_HAND_TO</comment>
        <extracomment>The next step in the Draw names window, in words. &quot;Draw name&quot; is the first line of the button&apos;s text (IDS_REVEAL_DRAW). %1: the participant&apos;s name</extracomment>
        <translation>Passe l&apos;écran à %1, puis appuie sur « Tirer le nom ».</translation>
    </message>
    <message>
        <source>Press Show name to see whom %1 gives a gift to.</source>
        <comment>IDS_STEP_SHOW_FOR</comment>
        <extracomment>The next step in the View notifications window. &quot;Show name&quot; is the first line of the button&apos;s text (IDS_REVEAL_SHOW). %1: the participant&apos;s name</extracomment>
        <translation>Appuie sur « Afficher le nom » pour voir à qui %1 offre un cadeau.</translation>
    </message>
    <message>
        <source>Read the name, then press Done to hide it again.</source>
        <comment>IDS_STEP_READ</comment>
        <extracomment>The next step while the drawn name is on the screen.</extracomment>
        <translation>Lis le nom, puis appuie sur « Terminé » pour le masquer à nouveau.</translation>
    </message>
    <message>
        <source>Press Next and hand the screen to %1.</source>
        <comment>IDS_STEP_NEXT_TO</comment>
        <extracomment>The next step in the Draw names window after Done. %1: the next participant&apos;s name</extracomment>
        <translation>Appuie sur « Suivant » et passe l&apos;écran à %1.</translation>
    </message>
    <message>
        <source>Press Next to go on to %1.</source>
        <comment>IDS_STEP_NEXT_SHOW</comment>
        <extracomment>The next step in the View notifications window after Done. %1: the next participant&apos;s name</extracomment>
        <translation>Appuie sur « Suivant » pour passer à %1.</translation>
    </message>
    <message>
        <source>Press Next to go on to those who have not looked yet.</source>
        <comment>IDS_STEP_GO_ON</comment>
        <translation>Appuie sur « Suivant » pour passer à ceux qui n&apos;ont pas encore regardé.</translation>
    </message>
    <message>
        <source>Press Previous to go back to those who have not looked yet.</source>
        <comment>IDS_STEP_GO_BACK</comment>
        <translation>Appuie sur « Précédent » pour revenir à ceux qui n&apos;ont pas encore regardé.</translation>
    </message>
    <message>
        <source>Click OK to close this window.</source>
        <comment>IDS_STEP_CLICK_OK</comment>
        <extracomment>The last step of the Draw names window, once every name was seen.</extracomment>
        <translation>Clique sur OK pour fermer cette fenêtre.</translation>
    </message>
    <message>
        <source>Everybody has seen his name.</source>
        <comment>IDS_ROUND_ALL_LOOKED</comment>
        <extracomment>Closing screen of the Draw names window.</extracomment>
        <translation>Tout le monde a vu son nom.</translation>
    </message>
    <message>
        <source>Every name has been shown.</source>
        <comment>IDS_ROUND_ALL_SHOWN</comment>
        <extracomment>Closing screen of the View notifications window.</extracomment>
        <translation>Tous les noms ont été affichés.</translation>
    </message>
    <message>
        <source>Not everybody has seen his name in the round. Would you like to send emails now?</source>
        <comment>IDS_ASK_SEND_NOT_ALL_LOOKED</comment>
        <extracomment>Question after a round that was ended before everybody had seen his name.</extracomment>
        <translation>Tout le monde n&apos;a pas vu son nom pendant le tour. Voulez-vous envoyer les e-mails maintenant ?</translation>
    </message>
    <message>
        <source>Participant</source>
        <comment>IDS_SEND_COLUMN_PERSON</comment>
        <extracomment>Column headings of the sending window.</extracomment>
        <translation>Participant</translation>
    </message>
    <message>
        <source>Address</source>
        <comment>IDS_SEND_COLUMN_ADDRESS</comment>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Outcome</source>
        <comment>IDS_SEND_COLUMN_OUTCOME</comment>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Reason</source>
        <comment>IDS_SEND_COLUMN_REASON</comment>
        <translation>Raison</translation>
    </message>
    <message>
        <source>Waiting</source>
        <comment>IDS_OUTCOME_WAITING</comment>
        <extracomment>One participant&apos;s outcome in the sending window: not yet sent.</extracomment>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Sent</source>
        <comment>IDS_OUTCOME_SENT</comment>
        <extracomment>One participant&apos;s outcome in the sending window: the server confirmed his e-mail.</extracomment>
        <translation>Envoyé</translation>
    </message>
    <message>
        <source>Skipped</source>
        <comment>IDS_OUTCOME_SKIPPED</comment>
        <extracomment>One participant&apos;s outcome in the sending window: he has no address.</extracomment>
        <translation>Ignoré</translation>
    </message>
    <message>
        <source>Failed</source>
        <comment>IDS_OUTCOME_FAILED</comment>
        <extracomment>One participant&apos;s outcome in the sending window: the server refused his e-mail.</extracomment>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Not sent</source>
        <comment>IDS_OUTCOME_NOT_SENT</comment>
        <extracomment>One participant&apos;s outcome in the sending window: sending stopped before his e-mail.</extracomment>
        <translation>Non envoyé</translation>
    </message>
    <message>
        <source>no email address</source>
        <comment>IDS_OUTCOME_NO_ADDRESS</comment>
        <extracomment>Reason column of the sending window for a participant without an address.</extracomment>
        <translation>pas d&apos;adresse e-mail</translation>
    </message>
    <message numerus="yes">
        <source>The drawing was repaired: %1 of the givers got other recipients for some of their gifts; everybody else keeps the ones he drew.</source>
        <comment>IDS_REPAIR_DONE_GIFTS</comment>
        <extracomment>After a repair of a drawing in which every giver draws several recipients.
%1: how many givers got other recipients</extracomment>
        <translation>
            <numerusform>Le tirage a été réparé : %1 des donateurs a reçu d&apos;autres destinataires pour certains de ses cadeaux ; tous les autres gardent les leurs.</numerusform>
            <numerusform>Le tirage a été réparé : %1 des donateurs ont reçu d&apos;autres destinataires pour certains de leurs cadeaux ; tous les autres gardent les leurs.</numerusform>
        </translation>
    </message>
    <message>
        <source>The list changed after its names were drawn.<byte value="xd"/>
<byte value="xd"/>
Repair the drawing: every rule is kept, and as few of the drawn names as possible change, so that only the givers concerned need to be told again. Or draw again: everybody draws anew and must be told again.</source>
        <comment>IDS_ASK_REPAIR_GIFTS</comment>
        <extracomment>Asked by Draw Names when the list changed after its names were drawn and every giver draws several recipients.</extracomment>
        <translation>La liste a changé après le tirage des noms.<byte value="xd"/>
<byte value="xd"/>
Réparer le tirage : toutes les règles tiennent, et le moins possible de noms tirés changent, de sorte que seuls les donateurs concernés doivent être de nouveau informés. Ou refaire le tirage : chacun tire de nouveau et doit être de nouveau informé.</translation>
    </message>
</context>
</TS>
