<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>Kivvo</name>
    <message>
        <source>&amp;Tools</source>
        <comment>IDS_TOOLS_MENU</comment>
        <translation>&amp;Ferramentas</translation>
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
Documentos Kivvo (*.kv)
.kv
Kivvo.Document
Documento Kivvo</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <comment>IDS_SETTINGS_MENU</comment>
        <translation>&amp;Configurações</translation>
    </message>
    <message>
        <source>E&amp;xchange</source>
        <comment>IDS_EXCHANGE_MENU</comment>
        <translation>&amp;Troca</translation>
    </message>
    <message>
        <source>Copy current list for next exchange
Copy List</source>
        <comment>IDS_PROMPT_COPY_FOR_NEXT</comment>
        <translation>Copiar a lista atual para a próxima troca
Copiar lista</translation>
    </message>
    <message>
        <source>Send email notification of &apos;who to get gift for&apos; to all participants with email addresses
Send emails</source>
        <comment>IDS_PROMPT_SEND_EMAILS</comment>
        <translation>Enviar a todos os participantes com endereço de e-mail a mensagem que diz a quem cada um vai dar presente
Enviar e-mails</translation>
    </message>
    <message>
        <source>New</source>
        <comment>IDS_TIP_NEW</comment>
        <translation>Novo</translation>
    </message>
    <message>
        <source>File</source>
        <comment>IDS_TIP_FILE</comment>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>IDS_TIP_HELP</comment>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Cut</source>
        <comment>IDS_TIP_CUT</comment>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>IDS_TIP_COPY</comment>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <comment>IDS_TIP_PASTE</comment>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Would you like to pass around this computer for participants to draw their own names? You can skip any participants not present. Click OK when finished.</source>
        <comment>IDS_ASK_PASS_AROUND</comment>
        <translation>Deseja passar este computador de mão em mão para que cada participante faça o seu próprio sorteio? Quem não estiver presente pode ser pulado. Clique em OK ao terminar.</translation>
    </message>
    <message>
        <source>Name drawing is complete. Would you like to send emails now?</source>
        <comment>IDS_ASK_SEND_NOW</comment>
        <translation>O sorteio dos nomes foi concluído. Deseja enviar os e-mails agora?</translation>
    </message>
    <message>
        <source>Names have already been drawn. Are you sure you want to draw again?<byte value="xd"/>
<byte value="xd"/>
If you would like to use the same list of names for a new drawing you should use the &apos;Copy for new drawing&apos; feature.</source>
        <comment>IDS_ASK_DRAW_AGAIN</comment>
        <translation>Os nomes já foram sorteados. Tem certeza de que deseja sortear novamente?<byte value="xd"/>
<byte value="xd"/>
Para usar a mesma lista de nomes em um novo sorteio, use a função &quot;Copiar para a próxima troca&quot;.</translation>
    </message>
    <message>
        <source>Are you sure you want to draw names now?<byte value="xd"/>
<byte value="xd"/>
Please make sure all participant names have been entered.</source>
        <comment>IDS_ASK_DRAW_NOW</comment>
        <translation>Tem certeza de que deseja sortear os nomes agora?<byte value="xd"/>
<byte value="xd"/>
Verifique se os nomes de todos os participantes foram inseridos.</translation>
    </message>
    <message>
        <source>Are you sure you want to copy the current list to create a new list?<byte value="xd"/>
<byte value="xd"/>
This should normally only be performed after the current list is complete and gifts have been exchanged to setup for the next exchange based on the same group of people.</source>
        <comment>IDS_ASK_COPY_LIST</comment>
        <translation>Tem certeza de que deseja copiar a lista atual para criar uma nova lista?<byte value="xd"/>
<byte value="xd"/>
Normalmente, isso só deve ser feito depois que a lista atual estiver concluída e os presentes tiverem sido trocados, para preparar a próxima troca com o mesmo grupo de pessoas.</translation>
    </message>
    <message>
        <source>Copy current list for new drawing is complete.<byte value="xd"/>
It is recommended to rename the root node to identify the drawing such as &apos;Christmas 2004&apos;</source>
        <comment>IDS_COPY_DONE</comment>
        <translation>A lista atual foi copiada para um novo sorteio.<byte value="xd"/>
Recomenda-se dar à nova lista um nome que identifique o sorteio, como &quot;Natal 2026&quot;.</translation>
    </message>
    <message>
        <source>Send email now to all participants with email addresses entered.<byte value="xd"/>
<byte value="xd"/>
You may repeat the operation as a reminder or if any email addresses are changed.</source>
        <comment>IDS_ASK_SEND_ALL</comment>
        <translation>Enviar e-mail agora a todos os participantes que têm endereço de e-mail informado.<byte value="xd"/>
<byte value="xd"/>
A operação pode ser repetida como lembrete ou se algum endereço de e-mail mudar.</translation>
    </message>
    <message numerus="yes">
        <source>Sent emails to %1 out of %2 participants</source>
        <comment>IDS_SENT_SUMMARY</comment>
        <extracomment>Summary of the sending window and of kivvo-cli send. %1: how many e-mails were sent; %2: the number of participants</extracomment>
        <translation>
            <numerusform>E-mails enviados para %1 de %2 participante</numerusform>
            <numerusform>E-mails enviados para %1 de %2 participantes</numerusform>
        </translation>
    </message>
    <message>
        <source>Error sending to [%1] email address [%2]</source>
        <comment>IDS_SEND_ERROR</comment>
        <extracomment>Line of the sending window and of kivvo-cli send for a failed e-mail. %1: the participant&apos;s name; %2: his e-mail address</extracomment>
        <translation>Erro ao enviar para [%1], endereço de e-mail [%2]</translation>
    </message>
    <message>
        <source>Email sent to: %1<byte value="xd"/>
address: %2</source>
        <comment>IDS_EMAIL_SENT</comment>
        <extracomment>Line of the sending window and of kivvo-cli send (the line break becomes a comma). %1: the participant&apos;s name; %2: his e-mail address</extracomment>
        <translation>E-mail enviado para: %1<byte value="xd"/>
endereço: %2</translation>
    </message>
    <message>
        <source>The mail server %1 could not be reached or refused the login.<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Check the mail settings (Settings &gt; Configure, or kivvo-cli config).</source>
        <comment>IDS_LOGON_ERROR</comment>
        <extracomment>Shown in the sending window and by kivvo-cli send when no connection comes about. %1: the mail server as host:port; %2: the reason</extracomment>
        <translation>Não foi possível acessar o servidor de e-mail %1, ou ele recusou o login.<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Verifique as configurações de e-mail (Configurações &gt; Configurar, ou kivvo-cli config).</translation>
    </message>
    <message>
        <source>No drawing was found for this list.<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <comment>IDS_DRAWING_ERROR</comment>
        <extracomment>Message box and kivvo-cli message when names cannot be drawn. %1: why, one or more sentences</extracomment>
        <translation>Nenhum sorteio foi encontrado para esta lista.<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The address book %1 cannot be read: %2</source>
        <comment>IDS_CONTACTS_LOGIN_ERROR</comment>
        <extracomment>Warning when an address book (*.vcf) is no vCard file. %1: the address book&apos;s file path; %2: the reason</extracomment>
        <translation>Não é possível ler o catálogo de endereços %1: %2</translation>
    </message>
    <message>
        <source>The address book %1 cannot be read: %2</source>
        <comment>IDS_CONTACTS_CLSID_ERROR</comment>
        <extracomment>Warning when an address book (*.vcf) cannot be read. %1: the address book&apos;s file path; %2: the system&apos;s reason</extracomment>
        <translation>Não é possível ler o catálogo de endereços %1: %2</translation>
    </message>
    <message>
        <source>The address book %1 cannot be opened: %2</source>
        <comment>IDS_CONTACTS_CREATE_ERROR</comment>
        <extracomment>Warning when an address book (*.vcf) cannot be opened. %1: the address book&apos;s file path; %2: the system&apos;s reason</extracomment>
        <translation>Não é possível abrir o catálogo de endereços %1: %2</translation>
    </message>
    <message>
        <source>List</source>
        <comment>IDS_NEW_LIST_NAME</comment>
        <translation>Lista</translation>
    </message>
    <message>
        <source>New Group</source>
        <comment>IDS_NEW_GROUP_NAME</comment>
        <translation>Novo grupo</translation>
    </message>
    <message>
        <source>Person</source>
        <comment>IDS_NEW_PERSON_NAME</comment>
        <translation>Pessoa</translation>
    </message>
    <message>
        <source> New Copy</source>
        <comment>IDS_COPY_SUFFIX</comment>
        <translation> (nova cópia)</translation>
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
        <translation>Olá, %1!<byte value="xd"/>
<byte value="xd"/>
Esta é a sua mensagem automática do sorteio de nomes do Kivvo.<byte value="xd"/>
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
        <translation>Esta mensagem é só para %1.<byte value="xd"/>
Se você não for essa pessoa, por favor, não continue lendo.<byte value="xd"/>
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
        <translation>Na troca anterior, você deu um presente para: %1.<byte value="xd"/>
Você não vai tirar o mesmo nome nesta troca.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>The following list shows who each person gave a gift to in the previous exchange.<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>IDS_NOTE_PREVIOUS_LIST</comment>
        <translation>A lista a seguir mostra para quem cada pessoa deu presente na troca anterior.<byte value="xd"/>
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
Esta é a lista atual de nomes.<byte value="xd"/>
As pessoas recuadas pertencem a um grupo e não tiram ninguém do próprio grupo.<byte value="xd"/>
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
A pessoa sorteada para %1 presentear é: %2.<byte value="xd"/>
<byte value="xd"/>
Obrigado!<byte value="xd"/>
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
Sugestões de presente: %1<byte value="xd"/>
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
        <translation>Sortear nome
para %1</translation>
    </message>
    <message>
        <source>Show name
for %1</source>
        <comment>IDS_REVEAL_SHOW</comment>
        <extracomment>Button of the View notifications window, two lines. %1: the participant&apos;s name</extracomment>
        <translation>Mostrar nome
para %1</translation>
    </message>
    <message>
        <source>Name already shown
 for %1</source>
        <comment>IDS_REVEAL_SHOWN</comment>
        <extracomment>Button of the Draw names window once the name was seen, two lines. %1: the participant&apos;s name</extracomment>
        <translation>Nome já mostrado
para %1</translation>
    </message>
    <message>
        <source>Draw Name
for XXXXX</source>
        <comment>IDS_REVEAL_INITIAL</comment>
        <translation>Sortear nome
para XXXXX</translation>
    </message>
    <message>
        <source>Get gift for: %1</source>
        <comment>IDS_GET_GIFT_FOR</comment>
        <extracomment>Text revealed in the Draw names window. %1: the name the participant drew</extracomment>
        <translation>Presente para: %1</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Suggestions: </source>
        <comment>IDS_REVEAL_SUGGESTIONS</comment>
        <translation><byte value="xd"/>
Sugestões: </translation>
    </message>
    <message>
        <source>Previous</source>
        <comment>IDS_PREVIOUS</comment>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <comment>IDS_NEXT</comment>
        <translation>Próximo</translation>
    </message>
    <message>
        <source>Done</source>
        <comment>IDS_DONE</comment>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>No participants
in this list</source>
        <comment>IDS_REVEAL_NOBODY</comment>
        <translation>Nenhum participante
nesta lista</translation>
    </message>
    <message>
        <source>Person Properties</source>
        <comment>IDS_PERSON_TITLE</comment>
        <translation>Propriedades da pessoa</translation>
    </message>
    <message>
        <source>Name:</source>
        <comment>IDS_PERSON_NAME_LABEL</comment>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Gift To:</source>
        <comment>IDS_PERSON_GIFT_TO_LABEL</comment>
        <translation>Presente para:</translation>
    </message>
    <message>
        <source>E-mail or address book name:</source>
        <comment>IDS_PERSON_ADDRESS_LABEL</comment>
        <translation>E-mail ou nome no catálogo de endereços:</translation>
    </message>
    <message>
        <source>Gift Suggestions:</source>
        <comment>IDS_PERSON_SUGGESTIONS_LABEL</comment>
        <translation>Sugestões de presente:</translation>
    </message>
    <message>
        <source>About Kivvo</source>
        <comment>IDS_ABOUT_TITLE</comment>
        <translation>Sobre o Kivvo</translation>
    </message>
    <message>
        <source>Kivvo
Version 1.0</source>
        <comment>IDS_ABOUT_VERSION</comment>
        <translation>Kivvo
Versão 1.0</translation>
    </message>
    <message>
        <source>Copyright © 2026
Quorvale

Free software under the GNU General Public License, version 3 or later</source>
        <comment>IDS_ABOUT_COPYRIGHT</comment>
        <translation>Copyright © 2026
Quorvale

Software livre sob a Licença Pública Geral GNU (GPL), versão 3 ou posterior</translation>
    </message>
    <message>
        <source>https://www.gnu.org/licenses/gpl-3.0.html</source>
        <comment>IDS_ABOUT_WEB_ADDRESS</comment>
        <translation>https://www.gnu.org/licenses/gpl-3.0.html</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>IDS_ABOUT_CLOSE</comment>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>&amp;Configure...</source>
        <comment>IDS_MENU_CONFIGURE</comment>
        <translation>&amp;Configurar...</translation>
    </message>
    <message>
        <source>&amp;Add Person</source>
        <comment>IDS_MENU_ADD_PERSON</comment>
        <translation>&amp;Adicionar pessoa</translation>
    </message>
    <message>
        <source>Add &amp;Group</source>
        <comment>IDS_MENU_ADD_GROUP</comment>
        <translation>Adicionar gr&amp;upo</translation>
    </message>
    <message>
        <source>Add &amp;Person to Group</source>
        <comment>IDS_MENU_ADD_PERSON_TO_GROUP</comment>
        <translation>Adicionar &amp;pessoa ao grupo</translation>
    </message>
    <message>
        <source>&amp;Delete Item</source>
        <comment>IDS_MENU_DELETE_ITEM</comment>
        <translation>&amp;Remover item</translation>
    </message>
    <message>
        <source>Rename &amp;Item</source>
        <comment>IDS_MENU_RENAME_ITEM</comment>
        <translation>Re&amp;nomear item</translation>
    </message>
    <message>
        <source>Send &amp;email to Person</source>
        <comment>IDS_MENU_SEND_EMAIL_TO_PERSON</comment>
        <translation>Enviar e-mail para a pe&amp;ssoa</translation>
    </message>
    <message>
        <source>Person Pr&amp;operties</source>
        <comment>IDS_MENU_PERSON_PROPERTIES</comment>
        <translation>Pr&amp;opriedades da pessoa</translation>
    </message>
    <message>
        <source>Draw &amp;Names</source>
        <comment>IDS_MENU_DRAW_NAMES</comment>
        <translation>Sor&amp;tear nomes</translation>
    </message>
    <message>
        <source>&amp;Send Emails</source>
        <comment>IDS_MENU_SEND_EMAILS</comment>
        <translation>&amp;Enviar e-mails</translation>
    </message>
    <message>
        <source>&amp;View Notifications</source>
        <comment>IDS_MENU_VIEW_NOTIFICATIONS</comment>
        <translation>&amp;Ver notificações</translation>
    </message>
    <message>
        <source>Copy for Ne&amp;xt Exchange</source>
        <comment>IDS_MENU_COPY_FOR_NEXT</comment>
        <translation>Copiar para a pró&amp;xima troca</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <comment>IDS_MENU_SAVE_AS</comment>
        <translation>Salvar c&amp;omo...</translation>
    </message>
    <message>
        <source>A&amp;bout Kivvo...</source>
        <comment>IDS_MENU_ABOUT</comment>
        <translation>So&amp;bre o Kivvo...</translation>
    </message>
    <message>
        <source>New</source>
        <comment>IDS_MENU_NEW</comment>
        <translation>Novo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>IDS_MENU_OPEN</comment>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <comment>IDS_MENU_SAVE</comment>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>IDS_MENU_EXIT</comment>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>IDS_FILE_MENU</comment>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>IDS_MENU_FILE_NEW</comment>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <comment>IDS_MENU_OPEN_RECENT</comment>
        <translation>Abrir r&amp;ecente</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <comment>IDS_MENU_ROOT_RENAME</comment>
        <translation>&amp;Renomear</translation>
    </message>
    <message>
        <source>Add &amp;Group</source>
        <comment>IDS_MENU_ROOT_ADD_GROUP</comment>
        <translation>Adicionar &amp;grupo</translation>
    </message>
    <message>
        <source>Add &amp;Person</source>
        <comment>IDS_MENU_ROOT_ADD_PERSON</comment>
        <translation>Adicionar &amp;pessoa</translation>
    </message>
    <message>
        <source>&amp;Rename Group</source>
        <comment>IDS_MENU_GROUP_RENAME</comment>
        <translation>Re&amp;nomear grupo</translation>
    </message>
    <message>
        <source>&amp;Add Person to Group</source>
        <comment>IDS_MENU_GROUP_ADD_PERSON</comment>
        <translation>&amp;Adicionar pessoa ao grupo</translation>
    </message>
    <message>
        <source>&amp;Delete Group</source>
        <comment>IDS_MENU_GROUP_DELETE</comment>
        <translation>&amp;Remover grupo</translation>
    </message>
    <message>
        <source>&amp;Rename Person</source>
        <comment>IDS_MENU_PERSON_RENAME</comment>
        <translation>Re&amp;nomear pessoa</translation>
    </message>
    <message>
        <source>&amp;Delete Person</source>
        <comment>IDS_MENU_PERSON_DELETE</comment>
        <translation>&amp;Remover pessoa</translation>
    </message>
    <message>
        <source>&amp;Send email</source>
        <comment>IDS_MENU_PERSON_SEND</comment>
        <translation>&amp;Enviar e-mail</translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <comment>IDS_MENU_CONTEXT_PROPERTIES</comment>
        <translation>&amp;Propriedades...</translation>
    </message>
    <message>
        <source>Draw names for the newest list
Draw Names</source>
        <comment>IDS_TIP_DRAW_NAMES</comment>
        <translation>Sortear os nomes da lista mais recente
Sortear nomes</translation>
    </message>
    <message>
        <source>Untitled</source>
        <comment>IDS_UNTITLED</comment>
        <translation>Sem título</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <comment>IDS_ASK_SAVE_CHANGES</comment>
        <extracomment>Question before closing a changed document. %1: its file name, or Untitled</extracomment>
        <translation>Salvar as alterações em %1?</translation>
    </message>
    <message>
        <source>Kivvo (*.kv)</source>
        <comment>IDS_FILE_FILTER</comment>
        <translation>Documentos Kivvo (*.kv)</translation>
    </message>
    <message>
        <source>Kivvo Files</source>
        <comment>IDS_DOCLIST_TITLE</comment>
        <translation>Arquivos do Kivvo</translation>
    </message>
    <message>
        <source>All Folders</source>
        <comment>IDS_DOCLIST_ALL_FOLDERS</comment>
        <translation>Todas as pastas</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>IDS_DOCLIST_NAME</comment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>IDS_DOCLIST_FOLDER</comment>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Modified</source>
        <comment>IDS_DOCLIST_MODIFIED</comment>
        <translation>Modificado em</translation>
    </message>
    <message>
        <source>New</source>
        <comment>IDS_DOCLIST_NEW</comment>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>IDS_DOCLIST_OPEN</comment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>No Kivvo documents in %1 yet. Choose New to start one.</source>
        <comment>IDS_DOCLIST_EMPTY</comment>
        <extracomment>Start window, when the documents folder holds no document. %1: the folder&apos;s path</extracomment>
        <translation>Ainda não há documentos do Kivvo em %1. Escolha Novo para criar um.</translation>
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
        <translation>O Kivvo organiza o sorteio de nomes de uma troca de presentes. Sem FILE, ele oferece os documentos do Kivvo da sua pasta de documentos.</translation>
    </message>
    <message>
        <source>A Kivvo document (*.kv) to open.</source>
        <comment>IDS_GUI_FILE_ARGUMENT</comment>
        <translation>Um documento do Kivvo (*.kv) a ser aberto.</translation>
    </message>
    <message>
        <source>kivvo: %1; see kivvo --help</source>
        <comment>IDS_GUI_WRONG_ARGUMENTS</comment>
        <extracomment>kivvo error on stderr for a wrong command line. %1: what is wrong</extracomment>
        <translation>kivvo: %1; veja kivvo --help</translation>
    </message>
    <message>
        <source>only one document can be opened at a time</source>
        <comment>IDS_GUI_TOO_MANY_FILES</comment>
        <translation>só é possível abrir um documento por vez</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <comment>IDS_OPTION_HELP</comment>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <comment>IDS_OPTION_VERSION</comment>
        <translation>Mostra a versão e sai.</translation>
    </message>
    <message numerus="yes">
        <source>This document already holds %1 drawings, the most one document can keep.<byte value="xd"/>
<byte value="xd"/>
Nothing was copied. Start a new document for the next exchange.</source>
        <comment>IDS_TOO_MANY_LISTS</comment>
        <extracomment>Message box and kivvo-cli error when Copy for Next Exchange finds the document full. %1: the most drawings a document keeps</extracomment>
        <translation>
            <numerusform>Este documento já contém %1 sorteio, o máximo que um documento pode guardar.<byte value="xd"/>
<byte value="xd"/>
Nada foi copiado. Crie um novo documento para a próxima troca.</numerusform>
            <numerusform>Este documento já contém %1 sorteios, o máximo que um documento pode guardar.<byte value="xd"/>
<byte value="xd"/>
Nada foi copiado. Crie um novo documento para a próxima troca.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <comment>IDS_FILE_OPEN_ERROR</comment>
        <extracomment>Message box and kivvo-cli error when a document cannot be opened. %1: the file&apos;s path; %2: the reason</extracomment>
        <translation>Não é possível abrir o arquivo &quot;%1&quot;:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%1&quot;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Nothing was opened.</source>
        <comment>IDS_FILE_READ_ERROR</comment>
        <extracomment>Message box and kivvo-cli error when a document cannot be read. %1: the file&apos;s path; %2: the reason</extracomment>
        <translation>Não é possível ler o arquivo &quot;%1&quot;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Nada foi aberto.</translation>
    </message>
    <message>
        <source>Cannot save the file &quot;%1&quot;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The file on disk was not changed.</source>
        <comment>IDS_FILE_SAVE_ERROR</comment>
        <extracomment>Message box and kivvo-cli error when a document cannot be saved. %1: the file&apos;s path; %2: the reason</extracomment>
        <translation>Não é possível salvar o arquivo &quot;%1&quot;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
O arquivo no disco não foi alterado.</translation>
    </message>
    <message>
        <source>The file ends before the document is complete; it is damaged.</source>
        <comment>IDS_ERR_TRUNCATED</comment>
        <translation>O arquivo termina antes do fim do documento; ele está danificado.</translation>
    </message>
    <message>
        <source>It is not a Kivvo document.</source>
        <comment>IDS_ERR_NOT_KIVVO</comment>
        <translation>Não é um documento do Kivvo.</translation>
    </message>
    <message>
        <source>The document holds no list; it is damaged.</source>
        <comment>IDS_ERR_NO_LISTS</comment>
        <translation>O documento não contém nenhuma lista; ele está danificado.</translation>
    </message>
    <message>
        <source>A text is longer than the rest of the file; it is damaged.</source>
        <comment>IDS_ERR_STRING_TOO_LONG</comment>
        <translation>Um texto é mais longo que o restante do arquivo; o arquivo está danificado.</translation>
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
        <translation>É uma pasta, não um arquivo.</translation>
    </message>
    <message>
        <source>It is not an ordinary file (it is a pipe, a socket or a device).</source>
        <comment>IDS_ERR_NOT_REGULAR</comment>
        <translation>Não é um arquivo comum (é um pipe, um socket ou um dispositivo).</translation>
    </message>
    <message>
        <source>The file is %1 bytes long, more than the %2 bytes any file of this program may have; it was not read.</source>
        <comment>IDS_ERR_FILE_TOO_LARGE</comment>
        <extracomment>Reason in a file error. %1: the file&apos;s size in bytes; %2: the largest size allowed</extracomment>
        <translation>O arquivo é grande demais e não foi lido (tamanho: %1 bytes; máximo para qualquer arquivo deste programa: %2 bytes).</translation>
    </message>
    <message>
        <source>A text is %1 characters long, more than the %2 characters a name, address or other text may have.</source>
        <comment>IDS_ERR_TEXT_TOO_LONG</comment>
        <extracomment>Reason in a file error. %1: the text&apos;s length in characters; %2: the longest allowed</extracomment>
        <translation>Um texto é longo demais (tamanho: %1 caracteres; máximo para um nome, endereço ou outro texto: %2 caracteres).</translation>
    </message>
    <message>
        <source>Cannot read the settings file &quot;%1&quot;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The default settings are used; the file was not changed.</source>
        <comment>IDS_SETTINGS_READ_ERROR</comment>
        <extracomment>Warning at start when the mail settings cannot be read. %1: the settings file&apos;s path; %2: the reason</extracomment>
        <translation>Não é possível ler o arquivo de configurações &quot;%1&quot;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Serão usadas as configurações padrão; o arquivo não foi alterado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed on disk by another program since it was opened or last saved.<byte value="xd"/>
<byte value="xd"/>
Save anyway and replace the other program&apos;s changes?</source>
        <comment>IDS_ASK_OVERWRITE_CHANGED</comment>
        <extracomment>Question (message box or kivvo-cli) before saving over another program&apos;s change. %1: the file&apos;s path</extracomment>
        <translation>&quot;%1&quot; foi alterado no disco por outro programa depois de ser aberto ou salvo pela última vez.<byte value="xd"/>
<byte value="xd"/>
Salvar mesmo assim e substituir as alterações do outro programa?</translation>
    </message>
    <message>
        <source>kivvo-cli: &quot;%1&quot; is being changed by another program (lock file &quot;%2&quot;); nothing was changed. Try again later.</source>
        <comment>IDS_CLI_LOCKED</comment>
        <extracomment>kivvo-cli error on stderr. %1: the document&apos;s path; %2: the lock file&apos;s path</extracomment>
        <translation>kivvo-cli: &quot;%1&quot; está sendo alterado por outro programa (arquivo de bloqueio &quot;%2&quot;); nada foi alterado. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>kivvo-cli: cannot create the lock file &quot;%1&quot; beside the document: %2; nothing was changed.</source>
        <comment>IDS_CLI_LOCK_ERROR</comment>
        <extracomment>kivvo-cli error on stderr. %1: the lock file&apos;s path; %2: the system&apos;s reason</extracomment>
        <translation>kivvo-cli: não é possível criar o arquivo de bloqueio &quot;%1&quot; ao lado do documento: %2; nada foi alterado.</translation>
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

Comandos:
  new FILE                      cria um documento novo com uma lista vazia chamada &quot;Lista&quot;
  lists FILE                    os nomes dos sorteios do documento, do mais novo ao mais antigo
  report FILE [--list N] [--gift-to]
                                o relatório do sorteio N (0 = o mais recente)
  add FILE NAME [--group GROUP] [--address A] [--suggestions S]
      [--role both|gives|receives]
                                adiciona uma pessoa ao sorteio mais recente
  add-group FILE NAME           adiciona um grupo ao sorteio mais recente
  remove FILE NAME              remove a primeira pessoa com esse nome ou, se não houver, o
                                primeiro grupo
  rename-list FILE NAME         renomeia o sorteio mais recente
  rename-group FILE GROUP NAME  renomeia um grupo do sorteio mais recente
  draw FILE [--yes]             realiza o sorteio mais recente e salva
  check FILE                    se o sorteio mais recente pode ser realizado e, se não, por quê
  copy FILE [--yes]             copia o sorteio mais recente para a próxima troca e salva
  repair FILE [--yes]           repara o sorteio mais recente após mudar sua lista: todas as regras
                                valem e o mínimo possível de destinatários muda; salva
  exclude FILE GIVER RECIPIENT [--both] [--remove]
                                GIVER nunca tira RECIPIENT no sorteio mais recente (--both: nem
                                RECIPIENT tira GIVER); --remove desfaz a exclusão
  rules FILE [--history N|all] [--no-mutual on|off] [--one-circle on|off]
             [--gifts N] [--seal on|off] [--yes] [--quote-history on|off]
             [--language CODE]
                                mostra as regras e as exclusões, ou altera as regras;
                                --gifts: quem presenteia tira N pessoas (de 1 a 5)
  import FILE SOURCE [--group GROUP]
                                adiciona ao sorteio mais recente os participantes de um arquivo
                                CSV ou vCard; os nomes que ele já tem ficam de fora
  export FILE --csv OUT [--list N] [--spreadsheet]
                                grava as pessoas do sorteio N em CSV, nunca os nomes sorteados
                                (--spreadsheet: para planilhas, fórmulas desarmadas)
  set FILE PERSON [--name N] [--address A] [--suggestions S]
      [--role both|gives|receives]
                                altera uma pessoa do sorteio mais recente; --role: a pessoa
                                presenteia e recebe (both), só presenteia (gives) ou só
                                recebe (receives)
  move FILE PERSON (--group GROUP | --top)
                                move uma pessoa para um grupo ou a tira do grupo
  notification FILE PERSON [--list N] [--language CODE]
                                o texto do e-mail para uma pessoa do sorteio N
  send FILE [--yes] [--person NAME] [--changed] [--language CODE]
                                envia as notificações do sorteio mais recente, ou só uma
  cards FILE --pdf OUT.pdf [--person NAME] [--changed] [--language CODE]
                                cartões de papel do sorteio mais recente, quatro por página A4
  status FILE                   quem do sorteio mais recente foi avisado, como e quando (nunca para
                                quem dá presente); --changed de send e cards avisa só aqueles cujo
                                destinatário mudou desde então
  details FILE [--date YYYY-MM-DD] [--budget T] [--place T] [--note T]
                                mostra ou altera a data, o valor, o local e a observação do
                                sorteio mais recente; um valor vazio apaga o campo
  config [--server H] [--port N] [--from A] [--user U] [--password [P]]
         [--password-stdin] [--footer T] [--require-tls on|off]
         [--test-mail ADDRESS]
                                mostra as configurações de e-mail, ou as altera; --password sem
                                valor pergunta no terminal
                                --require-tls on: e-mail só criptografado (TLS)
                                --test-mail: envia um e-mail de teste para ADDRESS
  contacts [--lookup TEXT]      os nomes do catálogo de endereços lidos dos arquivos *.vcf da
                                pasta de documentos, ou o que TEXT indica

Com --yes, as perguntas são respondidas com Sim; sem --yes, são feitas no terminal ou, se
não houver terminal, respondidas com Não. E-mails e cartões ficam no idioma de
--language CODE (en, de, es, fr, it, nl, pl, pt); senão, no idioma de e-mail do documento;
senão, no do sistema.
Código de saída: 0 sucesso, 1 falha, 2 erro de uso.
</translation>
    </message>
    <message>
        <source>Kivvo gift-exchange name drawing, command-line tool</source>
        <comment>IDS_CLI_DESCRIPTION</comment>
        <translation>Kivvo, sorteio de nomes para trocas de presentes: ferramenta de linha de comando</translation>
    </message>
    <message>
        <source>kivvo-cli: unknown command &quot;%1&quot;; see kivvo-cli --help</source>
        <comment>IDS_CLI_UNKNOWN_COMMAND</comment>
        <extracomment>kivvo-cli error on stderr. %1: the command as typed</extracomment>
        <translation>kivvo-cli: comando desconhecido &quot;%1&quot;; veja kivvo-cli --help</translation>
    </message>
    <message>
        <source>kivvo-cli: %1; see kivvo-cli --help</source>
        <comment>IDS_CLI_WRONG_ARGUMENTS</comment>
        <extracomment>kivvo-cli error on stderr for a wrong command line. %1: what is wrong</extracomment>
        <translation>kivvo-cli: %1; veja kivvo-cli --help</translation>
    </message>
    <message>
        <source>kivvo-cli: &quot;%1&quot; exists already; it is not overwritten</source>
        <comment>IDS_CLI_FILE_EXISTS</comment>
        <extracomment>kivvo-cli error on stderr (kivvo-cli new). %1: the document&apos;s path</extracomment>
        <translation>kivvo-cli: &quot;%1&quot; já existe; não será sobrescrito</translation>
    </message>
    <message>
        <source>kivvo-cli: the document has no drawing number %1 (it has %2)</source>
        <comment>IDS_CLI_NO_SUCH_LIST</comment>
        <extracomment>kivvo-cli error on stderr. %1: the drawing number asked for (0 = newest); %2: how many drawings the document has</extracomment>
        <translation>kivvo-cli: o documento não tem sorteio de número %1 (total de sorteios: %2)</translation>
    </message>
    <message>
        <source>kivvo-cli: the newest drawing has no group named &quot;%1&quot;</source>
        <comment>IDS_CLI_NO_SUCH_GROUP</comment>
        <extracomment>kivvo-cli error on stderr. %1: the group name as given</extracomment>
        <translation>kivvo-cli: o sorteio mais recente não tem nenhum grupo chamado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>kivvo-cli: the newest drawing has no person or group named &quot;%1&quot;</source>
        <comment>IDS_CLI_NO_SUCH_ENTRY</comment>
        <extracomment>Error (kivvo-cli or message box) when removing or renaming. %1: the name as given</extracomment>
        <translation>kivvo-cli: o sorteio mais recente não tem nenhuma pessoa ou grupo chamado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>kivvo-cli: Draw Names needs more than two persons in the newest drawing</source>
        <comment>IDS_CLI_DRAW_UNAVAILABLE</comment>
        <translation>kivvo-cli: a função Sortear nomes precisa de mais de duas pessoas no sorteio mais recente</translation>
    </message>
    <message>
        <source>kivvo-cli: no names were drawn; the file was not changed</source>
        <comment>IDS_CLI_NOT_DRAWN</comment>
        <translation>kivvo-cli: nenhum nome foi sorteado; o arquivo não foi alterado</translation>
    </message>
    <message numerus="yes">
        <source>Names drawn for %1 persons; &quot;%2&quot; saved</source>
        <comment>IDS_CLI_DRAWN</comment>
        <extracomment>kivvo-cli draw output. %1: the number of persons; %2: the document&apos;s path</extracomment>
        <translation>
            <numerusform>Nome sorteado para %1 pessoa; &quot;%2&quot; salvo</numerusform>
            <numerusform>Nomes sorteados para %1 pessoas; &quot;%2&quot; salvo</numerusform>
        </translation>
    </message>
    <message>
        <source>kivvo-cli: nothing was copied; the file was not changed</source>
        <comment>IDS_CLI_NOT_COPIED</comment>
        <translation>kivvo-cli: nada foi copiado; o arquivo não foi alterado</translation>
    </message>
    <message>
        <source>&quot;%1&quot; added; &quot;%2&quot; saved</source>
        <comment>IDS_CLI_COPIED</comment>
        <extracomment>kivvo-cli copy output. %1: the new drawing&apos;s name; %2: the document&apos;s path</extracomment>
        <translation>Sorteio &quot;%1&quot; adicionado; &quot;%2&quot; salvo</translation>
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
        <translation>&quot;%1&quot; não é um número</translation>
    </message>
    <message>
        <source>Removed &quot;%1&quot;</source>
        <comment>IDS_CLI_REMOVED</comment>
        <extracomment>kivvo-cli remove output. %1: the name of the removed person or group</extracomment>
        <translation>Removido: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Created &quot;%1&quot;</source>
        <comment>IDS_CLI_CREATED</comment>
        <extracomment>kivvo-cli new output. %1: the new document&apos;s path</extracomment>
        <translation>Criado: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>kivvo-cli: drawing %1 has no person named &quot;%2&quot;</source>
        <comment>IDS_CLI_NO_SUCH_PERSON</comment>
        <extracomment>kivvo-cli error on stderr. %1: the drawing number (0 = newest); %2: the name as given</extracomment>
        <translation>kivvo-cli: o sorteio %1 não tem nenhuma pessoa chamada &quot;%2&quot;</translation>
    </message>
    <message>
        <source>kivvo-cli: %1 has no e-mail address; nothing was sent</source>
        <comment>IDS_CLI_NO_ADDRESS</comment>
        <extracomment>kivvo-cli send error on stderr. %1: the person&apos;s name</extracomment>
        <translation>kivvo-cli: %1 não tem endereço de e-mail; nada foi enviado</translation>
    </message>
    <message>
        <source>kivvo-cli: not every notification was sent</source>
        <comment>IDS_CLI_NOT_SENT</comment>
        <translation>kivvo-cli: nem todas as notificações foram enviadas</translation>
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
        <translation>servidor: %1
porta: %2
remetente: %3
usuário: %4
senha: %5
rodapé: %6
arquivo de configurações: %7
</translation>
    </message>
    <message>
        <source>Settings saved to &quot;%1&quot;</source>
        <comment>IDS_CLI_SETTINGS_SAVED</comment>
        <extracomment>kivvo-cli config output. %1: the settings file&apos;s path</extracomment>
        <translation>Configurações salvas em &quot;%1&quot;</translation>
    </message>
    <message>
        <source>kivvo-cli: the settings could not be saved to &quot;%1&quot;: %2; the file was not changed</source>
        <comment>IDS_CLI_SETTINGS_NOT_SAVED</comment>
        <extracomment>kivvo-cli config error on stderr. %1: the settings file&apos;s path; %2: the reason</extracomment>
        <translation>kivvo-cli: não foi possível salvar as configurações em &quot;%1&quot;: %2; o arquivo não foi alterado</translation>
    </message>
    <message>
        <source>the port must be a number from 1 to 65535, not &quot;%1&quot;</source>
        <comment>IDS_CLI_BAD_PORT</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the value given to --port</extracomment>
        <translation>a porta deve ser um número de 1 a 65535, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>address: %1
first name: %2
last name: %3
</source>
        <comment>IDS_CLI_LOOKUP</comment>
        <extracomment>kivvo-cli contacts --lookup output. %1: the e-mail address; %2: the first name; %3: the last name</extracomment>
        <translation>endereço: %1
nome: %2
sobrenome: %3
</translation>
    </message>
    <message>
        <source>kivvo-cli: no address-book entry matches &quot;%1&quot;</source>
        <comment>IDS_CLI_NO_CONTACT</comment>
        <extracomment>kivvo-cli error on stderr. %1: the text given to --lookup</extracomment>
        <translation>kivvo-cli: nenhuma entrada do catálogo de endereços corresponde a &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 can only give to %2.</source>
        <comment>IDS_DRAW_BLOCKED</comment>
        <extracomment>Why names cannot be drawn. %1: the givers&apos; names; %2: the names they can give to</extracomment>
        <translation>Destinatários possíveis para %1: apenas %2.</translation>
    </message>
    <message>
        <source>%1 cannot give to anybody.</source>
        <comment>IDS_DRAW_BLOCKED_NOBODY</comment>
        <extracomment>Why names cannot be drawn. %1: the givers&apos; names</extracomment>
        <translation>%1 não pode presentear ninguém.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
What blocks them: %1. Change the groups or add persons, then draw again.</source>
        <comment>IDS_DRAW_BLOCKING_RULES</comment>
        <extracomment>Follows the sentence why names cannot be drawn. %1: the rules in the way, separated by semicolons</extracomment>
        <translation><byte value="xd"/>
<byte value="xd"/>
O que impede o sorteio: %1. Altere os grupos ou adicione pessoas e sorteie novamente.</translation>
    </message>
    <message>
        <source>nobody draws himself</source>
        <comment>IDS_RULE_HIMSELF</comment>
        <translation>ninguém tira a si mesmo</translation>
    </message>
    <message>
        <source>nobody draws a person of his own group</source>
        <comment>IDS_RULE_OWN_GROUP</comment>
        <translation>ninguém tira uma pessoa do próprio grupo</translation>
    </message>
    <message>
        <source>nobody draws the person he gave to last time</source>
        <comment>IDS_RULE_LAST_TIME</comment>
        <translation>ninguém tira a pessoa que presenteou da última vez</translation>
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
            <numerusform>%1 e mais %2 pessoa</numerusform>
            <numerusform>%1 e mais %2 pessoas</numerusform>
        </translation>
    </message>
    <message>
        <source>The drawn names no longer match the list: %1.<byte value="xd"/>
<byte value="xd"/>
Please draw names again. Nothing has been shown or sent.</source>
        <comment>IDS_DRAWING_INVALID</comment>
        <extracomment>Message box and kivvo-cli error before names are shown or sent. %1: what no longer matches, separated by semicolons (may be empty)</extracomment>
        <translation>Os nomes sorteados não correspondem mais à lista: %1.<byte value="xd"/>
<byte value="xd"/>
Sorteie os nomes novamente. Nada foi mostrado nem enviado.</translation>
    </message>
    <message>
        <source>%1 has no drawn name</source>
        <comment>IDS_CHECK_NO_NAME</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the person&apos;s name</extracomment>
        <translation>%1 não tem nenhum nome sorteado</translation>
    </message>
    <message>
        <source>%1, drawn by %2, is no longer in the list</source>
        <comment>IDS_CHECK_GONE</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the drawn name; %2: who drew it</extracomment>
        <translation>%1, nome tirado por %2, não está mais na lista</translation>
    </message>
    <message>
        <source>%1, drawn by %2, is the name of more than one person</source>
        <comment>IDS_CHECK_AMBIGUOUS</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the drawn name; %2: who drew it</extracomment>
        <translation>%1, nome tirado por %2, é o nome de mais de uma pessoa</translation>
    </message>
    <message>
        <source>%1 is drawn by both %2 and %3</source>
        <comment>IDS_CHECK_TWICE</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the drawn name; %2 and %3: the two who drew it</extracomment>
        <translation>o nome %1 foi tirado tanto por %2 quanto por %3</translation>
    </message>
    <message>
        <source>%1 drew himself</source>
        <comment>IDS_CHECK_HIMSELF</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the person&apos;s name</extracomment>
        <translation>%1 tirou o próprio nome</translation>
    </message>
    <message>
        <source>%1 drew %2 of his own group</source>
        <comment>IDS_CHECK_OWN_GROUP</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the giver; %2: the person he drew</extracomment>
        <translation>%1 tirou %2, do próprio grupo</translation>
    </message>
    <message>
        <source>%1 drew %2, the person he gave to last time</source>
        <comment>IDS_CHECK_LAST_TIME</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the giver; %2: the person he drew</extracomment>
        <translation>%1 tirou %2, a quem deu presente da última vez</translation>
    </message>
    <message>
        <source>a person of the list has no name</source>
        <comment>IDS_CHECK_NAMELESS</comment>
        <translation>uma pessoa da lista não tem nome</translation>
    </message>
    <message numerus="yes">
        <source>and %1 more</source>
        <comment>IDS_CHECK_MORE</comment>
        <extracomment>Ends the list of problems with the drawn names. %1: how many more there are</extracomment>
        <translation>
            <numerusform>e mais %1</numerusform>
            <numerusform>e mais %1</numerusform>
        </translation>
    </message>
    <message>
        <source>no names have been drawn</source>
        <comment>IDS_CHECK_NOT_DRAWN</comment>
        <translation>nenhum nome foi sorteado</translation>
    </message>
    <message>
        <source>The newest drawing can be drawn.</source>
        <comment>IDS_CLI_CAN_DRAW</comment>
        <translation>O sorteio mais recente pode ser realizado.</translation>
    </message>
    <message>
        <source>a person&apos;s name cannot be empty</source>
        <comment>IDS_CLI_EMPTY_NAME</comment>
        <translation>o nome de uma pessoa não pode ficar vazio</translation>
    </message>
    <message>
        <source>kivvo-cli: Copy for Next Exchange needs more than two persons in the newest drawing</source>
        <comment>IDS_CLI_COPY_UNAVAILABLE</comment>
        <translation>kivvo-cli: a função Copiar para a próxima troca precisa de mais de duas pessoas no sorteio mais recente</translation>
    </message>
    <message numerus="yes">
        <source>nobody draws a person he gave to in the last %1 exchanges</source>
        <comment>IDS_RULE_HISTORY</comment>
        <extracomment>A rule, in the list of what blocks a drawing and in kivvo-cli rules. %1: the number of exchanges</extracomment>
        <translation>
            <numerusform>ninguém tira uma pessoa que presenteou em %1 troca anterior</numerusform>
            <numerusform>ninguém tira uma pessoa que presenteou nas últimas %1 trocas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 never draws %2</source>
        <comment>IDS_RULE_EXCLUDED</comment>
        <extracomment>An exclusion, in the list of what blocks a drawing and in kivvo-cli output. %1: the giver; %2: the person he never draws</extracomment>
        <translation>%1 nunca tira %2</translation>
    </message>
    <message>
        <source>nobody draws the person who draws him</source>
        <comment>IDS_RULE_NO_MUTUAL</comment>
        <translation>ninguém tira a pessoa que o tirou</translation>
    </message>
    <message>
        <source>the gifts go round in one single circle</source>
        <comment>IDS_RULE_ONE_CIRCLE</comment>
        <translation>os presentes formam um único círculo</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
What blocks them: %1. Change the groups, the exclusions or the rules (Exchange &gt; Rules), or add persons, then draw again.</source>
        <comment>IDS_DRAW_BLOCKING_RULES_EDIT</comment>
        <extracomment>Follows the sentence why names cannot be drawn. %1: the rules and exclusions in the way, separated by semicolons</extracomment>
        <translation><byte value="xd"/>
<byte value="xd"/>
O que impede o sorteio: %1. Altere os grupos, as exclusões ou as regras (Troca &gt; Regras) ou adicione pessoas e sorteie novamente.</translation>
    </message>
    <message>
        <source>%1 drew %2, whom he never draws</source>
        <comment>IDS_CHECK_EXCLUDED</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the giver; %2: the person he drew</extracomment>
        <translation>%1 tirou %2, que nunca deveria tirar</translation>
    </message>
    <message numerus="yes">
        <source>%1 drew %2, whom he gave to in the last %3 exchanges</source>
        <comment>IDS_CHECK_HISTORY</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the giver; %2: the person he drew; %3: the number of exchanges</extracomment>
        <translation>
            <numerusform>%1 tirou %2, a quem já deu presente em %3 troca anterior</numerusform>
            <numerusform>%1 tirou %2, a quem já deu presente nas últimas %3 trocas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2 draw each other</source>
        <comment>IDS_CHECK_MUTUAL</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1 and %2: the two persons&apos; names</extracomment>
        <translation>%1 e %2 tiraram um ao outro</translation>
    </message>
    <message>
        <source>the gifts do not go round in one single circle</source>
        <comment>IDS_CHECK_NOT_ONE_CIRCLE</comment>
        <translation>os presentes não formam um único círculo</translation>
    </message>
    <message numerus="yes">
        <source>%1 more exclusions</source>
        <comment>IDS_EXCLUSIONS_MORE</comment>
        <extracomment>Ends the list of what blocks a drawing. %1: how many more exclusions there are</extracomment>
        <translation>
            <numerusform>mais %1 exclusão</numerusform>
            <numerusform>mais %1 exclusões</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 can only give to each other.</source>
        <comment>IDS_DRAW_EACH_OTHER</comment>
        <extracomment>Why names cannot be drawn. %1: the persons&apos; names</extracomment>
        <translation>%1 só podem dar presente entre si.</translation>
    </message>
    <message>
        <source>%1 can only give to each other, and no way of doing so keeps every rule.</source>
        <comment>IDS_DRAW_EACH_OTHER_NO_WAY</comment>
        <extracomment>Why names cannot be drawn. %1: the persons&apos; names</extracomment>
        <translation>%1 só podem dar presente entre si, e nenhuma forma de fazer isso respeita todas as regras.</translation>
    </message>
    <message>
        <source>No drawing of the whole list keeps every rule.</source>
        <comment>IDS_DRAW_NO_WAY</comment>
        <translation>Nenhum sorteio da lista inteira respeita todas as regras.</translation>
    </message>
    <message>
        <source>No drawing that keeps every rule was found, and it could not be proven that none exists: the list is too large or too tightly bound to be searched through. Draw again to try once more, or relax a rule (Exchange &gt; Rules).</source>
        <comment>IDS_DRAW_GAVE_UP</comment>
        <translation>Não foi encontrado nenhum sorteio que respeite todas as regras, e não foi possível provar que não existe nenhum: a lista é grande demais ou restrita demais para ser verificada por completo. Sorteie de novo para tentar mais uma vez ou flexibilize uma regra (Troca &gt; Regras).</translation>
    </message>
    <message>
        <source>The file holds data after its lists that Kivvo did not write; it is damaged.</source>
        <comment>IDS_ERR_EXT_FOREIGN</comment>
        <translation>O arquivo contém, depois das listas, dados que não foram gravados pelo Kivvo; ele está danificado.</translation>
    </message>
    <message>
        <source>The file&apos;s rules and exclusions are in format %1, which a newer version of Kivvo wrote; this version reads format %2.</source>
        <comment>IDS_ERR_EXT_NEWER</comment>
        <extracomment>Reason in a file error. %1: the file&apos;s format number; %2: the format number this version reads</extracomment>
        <translation>As regras e exclusões do arquivo estão no formato %1, gravado por uma versão mais nova do Kivvo; esta versão lê o formato %2.</translation>
    </message>
    <message>
        <source>The file&apos;s rules and exclusions are damaged (in section %1).</source>
        <comment>IDS_ERR_EXT_DAMAGED</comment>
        <extracomment>Reason in a file error. %1: the number of the damaged section</extracomment>
        <translation>As regras e exclusões do arquivo estão danificadas (na seção %1).</translation>
    </message>
    <message>
        <source>A person of the list has no name. Please name every person before drawing names: a person without a name can neither be drawn nor be told whom he drew.</source>
        <comment>IDS_NAME_EVERYBODY_FIRST</comment>
        <translation>Uma pessoa da lista não tem nome. Dê um nome a todas as pessoas antes de sortear: uma pessoa sem nome não pode ser sorteada nem saber quem tirou.</translation>
    </message>
    <message>
        <source>Rules of the Drawing</source>
        <comment>IDS_RULES_TITLE</comment>
        <translation>Regras do sorteio</translation>
    </message>
    <message>
        <source>&amp;Avoid the recipients of the last</source>
        <comment>IDS_RULES_HISTORY</comment>
        <translation>&amp;Evitar quem cada um já presenteou em</translation>
    </message>
    <message>
        <source> exchanges</source>
        <comment>IDS_RULES_HISTORY_SUFFIX</comment>
        <translation> trocas anteriores</translation>
    </message>
    <message>
        <source> exchange</source>
        <comment>IDS_RULES_HISTORY_SUFFIX_ONE</comment>
        <translation> troca anterior</translation>
    </message>
    <message>
        <source>it is not UTF-8 text; save it from the spreadsheet as CSV UTF-8</source>
        <comment>IDS_CSV_NOT_UTF8</comment>
        <translation>não é texto UTF-8; exporte-o da planilha no formato CSV UTF-8</translation>
    </message>
    <message>
        <source>line %1 opens a quoted field that is never closed</source>
        <comment>IDS_CSV_OPEN_QUOTE</comment>
        <extracomment>Reason in the import error. %1: the line number in the CSV file</extracomment>
        <translation>a linha %1 abre um campo entre aspas que nunca é fechado</translation>
    </message>
    <message>
        <source>Cannot import participants from &quot;%1&quot;: %2.</source>
        <comment>IDS_IMPORT_UNREADABLE</comment>
        <extracomment>Import error (Import Participants window and kivvo-cli import). %1: the file&apos;s path; %2: the reason</extracomment>
        <translation>Não é possível importar participantes de &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>line %1 has more than %2 fields (name, address, suggestions, group)</source>
        <comment>IDS_IMPORT_TOO_MANY_FIELDS</comment>
        <extracomment>Reason in the import error. %1: the line number in the CSV file; %2: the number of fields read</extracomment>
        <translation>a linha %1 tem campos demais (no máximo %2: nome, endereço, sugestões, grupo)</translation>
    </message>
    <message>
        <source>line %1 holds a text longer than any Kivvo keeps</source>
        <comment>IDS_IMPORT_TOO_LONG</comment>
        <extracomment>Reason in the import error. %1: the line number in the file</extracomment>
        <translation>a linha %1 contém um texto mais longo do que o Kivvo aceita</translation>
    </message>
    <message>
        <source>line %1 has no name</source>
        <comment>IDS_IMPORT_NO_NAME</comment>
        <extracomment>Reason in the import error. %1: the line number in the file</extracomment>
        <translation>a linha %1 não tem nome</translation>
    </message>
    <message>
        <source>Already in the list, so not imported again: %1</source>
        <comment>IDS_IMPORT_DUPLICATES</comment>
        <extracomment>kivvo-cli import note on stderr. %1: the names left out, separated by commas</extracomment>
        <translation>Já constam da lista e não foram importados de novo: %1</translation>
    </message>
    <message>
        <source>kivvo-cli: nobody new to import</source>
        <comment>IDS_IMPORT_NOTHING</comment>
        <translation>kivvo-cli: ninguém novo para importar</translation>
    </message>
    <message numerus="yes">
        <source>Imported %1 participants into &quot;%2&quot;</source>
        <comment>IDS_IMPORT_DONE</comment>
        <extracomment>kivvo-cli import output. %1: the number of participants; %2: the drawing&apos;s name</extracomment>
        <translation>
            <numerusform>%1 participante importado para &quot;%2&quot;</numerusform>
            <numerusform>%1 participantes importados para &quot;%2&quot;</numerusform>
        </translation>
    </message>
    <message>
        <source>export needs --csv OUT, the file to write</source>
        <comment>IDS_EXPORT_NEEDS_CSV</comment>
        <translation>export precisa de --csv OUT, o arquivo a ser gravado</translation>
    </message>
    <message>
        <source>kivvo-cli: cannot write &quot;%1&quot;: %2</source>
        <comment>IDS_EXPORT_FAILED</comment>
        <extracomment>kivvo-cli export error on stderr. %1: the CSV file&apos;s path; %2: the reason</extracomment>
        <translation>kivvo-cli: não é possível gravar &quot;%1&quot;: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 persons written to &quot;%2&quot;</source>
        <comment>IDS_EXPORT_DONE</comment>
        <extracomment>kivvo-cli export output. %1: the number of persons; %2: the CSV file&apos;s path</extracomment>
        <translation>
            <numerusform>%1 pessoa gravada em &quot;%2&quot;</numerusform>
            <numerusform>%1 pessoas gravadas em &quot;%2&quot;</numerusform>
        </translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is taken already in this list, so the person is named &quot;%2&quot;.</source>
        <comment>IDS_NAME_MADE_UNIQUE</comment>
        <extracomment>Note (message box or kivvo-cli) when a name was taken. %1: the name asked for; %2: the name given instead</extracomment>
        <translation>O nome &quot;%1&quot; já existe nesta lista, então a pessoa vai se chamar &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>move takes either --group GROUP or --top</source>
        <comment>IDS_MOVE_NEEDS_TARGET</comment>
        <translation>move aceita --group GROUP ou --top</translation>
    </message>
    <message>
        <source>%1 moved into %2</source>
        <comment>IDS_MOVED_TO_GROUP</comment>
        <extracomment>kivvo-cli move output. %1: the person&apos;s name; %2: the group&apos;s name</extracomment>
        <translation>%1 agora está em %2</translation>
    </message>
    <message>
        <source>%1 moved out of his group</source>
        <comment>IDS_MOVED_TO_TOP</comment>
        <extracomment>kivvo-cli move output. %1: the person&apos;s name</extracomment>
        <translation>%1 não está mais em nenhum grupo</translation>
    </message>
    <message>
        <source>0 (none)</source>
        <comment>IDS_RULES_HISTORY_NONE</comment>
        <translation>0 (nenhuma)</translation>
    </message>
    <message>
        <source>Nobody draws a person he gave a gift to in that many earlier exchanges of this document: 1 is last time only, 0 lets anybody draw the same person again.</source>
        <comment>IDS_RULES_HISTORY_HELP</comment>
        <translation>Ninguém tira uma pessoa que já presenteou nesse número de trocas anteriores deste documento: 1 é só a última vez; 0 permite que qualquer um tire a mesma pessoa de novo.</translation>
    </message>
    <message>
        <source>&amp;No mutual pairs</source>
        <comment>IDS_RULES_NO_MUTUAL</comment>
        <translation>&amp;Sem pares recíprocos</translation>
    </message>
    <message>
        <source>Nobody draws the person who draws him: no two persons give to each other.</source>
        <comment>IDS_RULES_NO_MUTUAL_HELP</comment>
        <translation>Ninguém tira a pessoa que o tirou: duas pessoas nunca presenteiam uma à outra.</translation>
    </message>
    <message>
        <source>&amp;One circle</source>
        <comment>IDS_RULES_ONE_CIRCLE</comment>
        <translation>&amp;Um único círculo</translation>
    </message>
    <message>
        <source>The gifts go round in one single circle (Ann to Bob, Bob to Cid, ... and back to Ann), so that they can be handed on in one chain.</source>
        <comment>IDS_RULES_ONE_CIRCLE_HELP</comment>
        <translation>Os presentes formam um único círculo (Ana para Beto, Beto para Caio, ... e de volta para Ana), para que possam ser entregues um após o outro, numa só corrente.</translation>
    </message>
    <message>
        <source>Who never draws whom is set for each person in his properties (Never draws).</source>
        <comment>IDS_RULES_EXCLUSIONS_HELP</comment>
        <translation>Quem nunca tira quem é definido nas propriedades de cada pessoa (Nunca tira).</translation>
    </message>
    <message>
        <source>Ru&amp;les...</source>
        <comment>IDS_MENU_RULES</comment>
        <translation>Re&amp;gras...</translation>
    </message>
    <message>
        <source>Never draws (names, separated by commas):</source>
        <comment>IDS_PERSON_NEVER_DRAWS_LABEL</comment>
        <translation>Nunca tira (nomes separados por vírgulas):</translation>
    </message>
    <message>
        <source>&amp;Both ways: they never draw him either</source>
        <comment>IDS_PERSON_BOTH_WAYS</comment>
        <translation>&amp;Nos dois sentidos: eles também nunca tiram esta pessoa</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is nobody of this list.</source>
        <comment>IDS_PERSON_UNKNOWN_NAME</comment>
        <extracomment>Error in the Person Properties window (Never draws). %1: the name as typed</extracomment>
        <translation>Não há ninguém chamado &quot;%1&quot; nesta lista.</translation>
    </message>
    <message>
        <source>Nobody draws himself anyway; leave out &quot;%1&quot;.</source>
        <comment>IDS_PERSON_SELF_EXCLUDED</comment>
        <extracomment>Error in the Person Properties window and kivvo-cli exclude. %1: the person&apos;s own name</extracomment>
        <translation>De qualquer forma, ninguém tira a si mesmo; deixe &quot;%1&quot; de fora.</translation>
    </message>
    <message>
        <source>Never draws some persons of the list</source>
        <comment>IDS_TIP_HAS_EXCLUSIONS</comment>
        <translation>Nunca tira algumas pessoas da lista</translation>
    </message>
    <message>
        <source>history: %1
no mutual pairs: %2
one circle: %3
</source>
        <comment>IDS_CLI_RULES</comment>
        <extracomment>kivvo-cli rules output. %1: the history rule; %2 and %3: on or off</extracomment>
        <translation>histórico: %1
sem pares recíprocos: %2
um único círculo: %3
</translation>
    </message>
    <message>
        <source>0 (the recipients of earlier exchanges may be drawn again)</source>
        <comment>IDS_CLI_HISTORY_NONE</comment>
        <translation>0 (quem foi presenteado em trocas anteriores pode ser tirado de novo)</translation>
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
        <translation>exclusões em &quot;%1&quot;:
</translation>
    </message>
    <message>
        <source>no exclusions in &quot;%1&quot;
</source>
        <comment>IDS_CLI_NO_EXCLUSIONS</comment>
        <extracomment>kivvo-cli rules output. %1: the drawing&apos;s name</extracomment>
        <translation>nenhuma exclusão em &quot;%1&quot;
</translation>
    </message>
    <message>
        <source>%1 may draw %2 again</source>
        <comment>IDS_CLI_EXCLUSION_REMOVED</comment>
        <extracomment>kivvo-cli exclude --remove output. %1: the giver; %2: the person he may draw again</extracomment>
        <translation>%1 pode tirar %2 novamente</translation>
    </message>
    <message>
        <source>kivvo-cli: %1 is not kept from drawing %2</source>
        <comment>IDS_CLI_NO_SUCH_EXCLUSION</comment>
        <extracomment>kivvo-cli exclude --remove error on stderr. %1: the giver; %2: the other person</extracomment>
        <translation>kivvo-cli: não há exclusão que impeça %1 de tirar %2</translation>
    </message>
    <message>
        <source>--%1 takes on or off, not &quot;%2&quot;</source>
        <comment>IDS_CLI_BAD_SWITCH</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the option without dashes; %2: the value given</extracomment>
        <translation>--%1 aceita on ou off, não &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--history takes a number from 0 to %1, or all, not &quot;%2&quot;</source>
        <comment>IDS_CLI_BAD_HISTORY</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the largest number allowed; %2: the value given</extracomment>
        <translation>--history aceita um número de 0 a %1, ou all, não &quot;%2&quot;</translation>
    </message>
    <message>
        <source>kivvo-cli: %1 already never draws %2</source>
        <comment>IDS_CLI_EXCLUSION_KNOWN</comment>
        <extracomment>kivvo-cli exclude error on stderr. %1: the giver; %2: the person he never draws</extracomment>
        <translation>kivvo-cli: essa exclusão já existe: %1 nunca tira %2</translation>
    </message>
    <message>
        <source>A person of the list has no name; name every person, then draw again.</source>
        <comment>IDS_DRAW_NAMELESS</comment>
        <translation>Uma pessoa da lista não tem nome; dê um nome a todas as pessoas e sorteie novamente.</translation>
    </message>
    <message>
        <source>cannot connect to %1 port %2: %3</source>
        <comment>IDS_SMTP_NO_CONNECTION</comment>
        <extracomment>Reason why mail failed. %1: the mail server&apos;s host name; %2: the port number; %3: the system&apos;s reason</extracomment>
        <translation>não é possível conectar a %1 na porta %2: %3</translation>
    </message>
    <message>
        <source>the server did not accept this program as a client: %1</source>
        <comment>IDS_SMTP_NO_GREETING</comment>
        <extracomment>Reason why mail failed. %1: the mail server&apos;s reply</extracomment>
        <translation>o servidor não aceitou este programa como cliente: %1</translation>
    </message>
    <message>
        <source>the encrypted connection (TLS) failed: %1</source>
        <comment>IDS_SMTP_TLS_FAILED</comment>
        <extracomment>Reason why mail failed. %1: the server&apos;s reply or the system&apos;s reason</extracomment>
        <translation>a conexão criptografada (TLS) falhou: %1</translation>
    </message>
    <message>
        <source>the server offers no encryption (STARTTLS), and the password is only ever sent encrypted</source>
        <comment>IDS_SMTP_NO_TLS</comment>
        <translation>o servidor não oferece criptografia (STARTTLS), e a senha só é enviada criptografada</translation>
    </message>
    <message>
        <source>the server refused the login: %1; check the user name and the password</source>
        <comment>IDS_SMTP_LOGIN_REFUSED</comment>
        <extracomment>Reason why mail failed. %1: the mail server&apos;s reply</extracomment>
        <translation>o servidor recusou o login: %1; verifique o nome de usuário e a senha</translation>
    </message>
    <message>
        <source>the server offers no login method this program knows (PLAIN or LOGIN)</source>
        <comment>IDS_SMTP_NO_LOGIN_METHOD</comment>
        <translation>o servidor não oferece nenhum método de login que este programa conheça (PLAIN ou LOGIN)</translation>
    </message>
    <message>
        <source>the server wants a login: %1; enter the user name and the password</source>
        <comment>IDS_SMTP_LOGIN_REQUIRED</comment>
        <extracomment>Reason why mail failed. %1: the mail server&apos;s reply</extracomment>
        <translation>o servidor exige login: %1; informe o nome de usuário e a senha</translation>
    </message>
    <message>
        <source>the server refused the sender address %1: %2</source>
        <comment>IDS_SMTP_SENDER_REFUSED</comment>
        <extracomment>Reason why mail failed. %1: the sender address; %2: the mail server&apos;s reply</extracomment>
        <translation>o servidor recusou o endereço do remetente %1: %2</translation>
    </message>
    <message>
        <source>the server refused the address %1: %2</source>
        <comment>IDS_SMTP_RECIPIENT_REFUSED</comment>
        <extracomment>Reason why an e-mail failed. %1: the recipient&apos;s address; %2: the mail server&apos;s reply</extracomment>
        <translation>o servidor recusou o endereço %1: %2</translation>
    </message>
    <message>
        <source>the server refused the message: %1</source>
        <comment>IDS_SMTP_MESSAGE_REFUSED</comment>
        <extracomment>Reason why an e-mail failed. %1: the mail server&apos;s reply</extracomment>
        <translation>o servidor recusou a mensagem: %1</translation>
    </message>
    <message numerus="yes">
        <source>the server did not answer within %1 seconds</source>
        <comment>IDS_SMTP_TIMED_OUT</comment>
        <extracomment>Reason why mail failed. %1: the number of seconds waited</extracomment>
        <translation>
            <numerusform>o servidor não respondeu em %1 segundo</numerusform>
            <numerusform>o servidor não respondeu em %1 segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the server did not confirm the message within %1 seconds; it may have arrived, so it is not sent again</source>
        <comment>IDS_SMTP_UNCONFIRMED</comment>
        <extracomment>Reason why an e-mail may have failed. %1: the number of seconds waited</extracomment>
        <translation>
            <numerusform>o servidor não confirmou a mensagem em %1 segundo; ela pode ter chegado, por isso não será enviada de novo</numerusform>
            <numerusform>o servidor não confirmou a mensagem em %1 segundos; ela pode ter chegado, por isso não será enviada de novo</numerusform>
        </translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <comment>IDS_SMTP_LOST</comment>
        <translation>o servidor encerrou a conexão</translation>
    </message>
    <message>
        <source>the server closed the connection before it confirmed the message; it may have arrived, so it is not sent again</source>
        <comment>IDS_SMTP_LOST_UNCONFIRMED</comment>
        <translation>o servidor encerrou a conexão antes de confirmar a mensagem; ela pode ter chegado, por isso não será enviada de novo</translation>
    </message>
    <message>
        <source>sending was stopped</source>
        <comment>IDS_SMTP_CANCELLED</comment>
        <translation>o envio foi interrompido</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an e-mail address</source>
        <comment>IDS_SMTP_BAD_ADDRESS</comment>
        <extracomment>Reason why an e-mail failed. %1: the address as entered</extracomment>
        <translation>&quot;%1&quot; não é um endereço de e-mail</translation>
    </message>
    <message>
        <source>no e-mail address: &quot;%1&quot; is not in the address book</source>
        <comment>IDS_SMTP_NO_ADDRESS</comment>
        <extracomment>Reason why an e-mail failed. %1: the address-book name entered for the person</extracomment>
        <translation>sem endereço de e-mail: &quot;%1&quot; não está no catálogo de endereços</translation>
    </message>
    <message>
        <source>Skipped [%1]: no email address</source>
        <comment>IDS_SEND_SKIPPED</comment>
        <extracomment>Line of the sending window and of kivvo-cli send. %1: the participant&apos;s name</extracomment>
        <translation>[%1] ficou de fora: sem endereço de e-mail</translation>
    </message>
    <message>
        <source>Not sent to [%1] email address [%2]</source>
        <comment>IDS_SEND_NOT_SENT</comment>
        <extracomment>Line of the sending window and of kivvo-cli send after sending stopped. %1: the participant&apos;s name; %2: his e-mail address</extracomment>
        <translation>Não enviado para [%1], endereço de e-mail [%2]</translation>
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
        <translation>O servidor de e-mail %1 recusou o endereço do remetente.<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Corrija o endereço do remetente (Configurações &gt; Configurar, ou kivvo-cli config). Nada mais foi enviado.</translation>
    </message>
    <message>
        <source>Sending stopped; nothing more was sent.</source>
        <comment>IDS_SEND_STOPPED</comment>
        <translation>Envio interrompido; nada mais foi enviado.</translation>
    </message>
    <message>
        <source>E-mails are still being sent. Stop sending and close?<byte value="xd"/>
<byte value="xd"/>
Whoever has not been sent his e-mail yet gets none.</source>
        <comment>IDS_ASK_STOP_SENDING</comment>
        <translation>Os e-mails ainda estão sendo enviados. Interromper o envio e fechar?<byte value="xd"/>
<byte value="xd"/>
Quem ainda não recebeu o seu e-mail ficará sem ele.</translation>
    </message>
    <message>
        <source>Sending Emails</source>
        <comment>IDS_SEND_TITLE</comment>
        <translation>Enviando e-mails</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>IDS_SEND_CANCEL</comment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Send again to those that failed</source>
        <comment>IDS_SEND_RETRY</comment>
        <translation>Enviar de novo para os que falharam</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>IDS_SEND_CLOSE</comment>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Sending %1 of %2...</source>
        <comment>IDS_SEND_RUNNING</comment>
        <extracomment>Status line of the sending window. %1: the number of the e-mail being sent; %2: how many there are</extracomment>
        <translation>Enviando %1 de %2...</translation>
    </message>
    <message>
        <source>Stopping after the message being sent...</source>
        <comment>IDS_SEND_CANCELLING</comment>
        <translation>Parando após a mensagem que está sendo enviada...</translation>
    </message>
    <message>
        <source>%1: waiting</source>
        <comment>IDS_SEND_WAITING</comment>
        <extracomment>Line of the sending window. %1: the participant&apos;s name</extracomment>
        <translation>%1: aguardando</translation>
    </message>
    <message>
        <source>it is not a vCard file</source>
        <comment>IDS_CONTACTS_NOT_VCARD</comment>
        <translation>não é um arquivo vCard</translation>
    </message>
    <message>
        <source>Enter the name of the mail server, such as smtp.example.org.</source>
        <comment>IDS_SETTINGS_BAD_SERVER</comment>
        <translation>Informe o nome do servidor de e-mail, por exemplo smtp.example.org.</translation>
    </message>
    <message>
        <source>The port is a number from 1 to 65535, most often 587 or 465.</source>
        <comment>IDS_SETTINGS_BAD_PORT</comment>
        <translation>A porta é um número de 1 a 65535, geralmente 587 ou 465.</translation>
    </message>
    <message>
        <source>Enter one e-mail address, such as you@example.org or Your Name &lt;you@example.org&gt;.</source>
        <comment>IDS_SETTINGS_BAD_FROM</comment>
        <translation>Informe um único endereço de e-mail, por exemplo voce@example.org ou Seu Nome &lt;voce@example.org&gt;.</translation>
    </message>
    <message>
        <source>Mail Settings</source>
        <comment>IDS_SETTINGS_TITLE</comment>
        <translation>Configurações de e-mail</translation>
    </message>
    <message>
        <source>Mail server (SMTP):</source>
        <comment>IDS_SETTINGS_SERVER</comment>
        <translation>Servidor de e-mail (SMTP):</translation>
    </message>
    <message>
        <source>Port:</source>
        <comment>IDS_SETTINGS_PORT</comment>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Sender address:</source>
        <comment>IDS_SETTINGS_FROM</comment>
        <translation>Endereço do remetente:</translation>
    </message>
    <message>
        <source>User name:</source>
        <comment>IDS_SETTINGS_USER</comment>
        <translation>Nome de usuário:</translation>
    </message>
    <message>
        <source>Password:</source>
        <comment>IDS_SETTINGS_PASSWORD</comment>
        <translation>Senha:</translation>
    </message>
    <message>
        <source>Show password</source>
        <comment>IDS_SETTINGS_SHOW_PASSWORD</comment>
        <translation>Mostrar senha</translation>
    </message>
    <message>
        <source>Footer of every e-mail:</source>
        <comment>IDS_SETTINGS_FOOTER</comment>
        <translation>Rodapé de todos os e-mails:</translation>
    </message>
    <message>
        <source>Send test mail</source>
        <comment>IDS_SETTINGS_TEST</comment>
        <translation>Enviar e-mail de teste</translation>
    </message>
    <message>
        <source>Sending a test mail to %1...</source>
        <comment>IDS_SETTINGS_TESTING</comment>
        <extracomment>Mail Settings window, while the test mail is sent. %1: the address it goes to</extracomment>
        <translation>Enviando um e-mail de teste para %1...</translation>
    </message>
    <message>
        <source>A test mail was sent to %1.</source>
        <comment>IDS_SETTINGS_TEST_SENT</comment>
        <extracomment>Mail Settings window. %1: the address the test mail went to</extracomment>
        <translation>Um e-mail de teste foi enviado para %1.</translation>
    </message>
    <message>
        <source>The test mail could not be sent: %1</source>
        <comment>IDS_SETTINGS_TEST_FAILED</comment>
        <extracomment>Mail Settings window. %1: the reason</extracomment>
        <translation>Não foi possível enviar o e-mail de teste: %1</translation>
    </message>
    <message>
        <source>Kivvo test mail</source>
        <comment>IDS_TEST_MAIL_SUBJECT</comment>
        <translation>E-mail de teste do Kivvo</translation>
    </message>
    <message>
        <source>This test mail shows that Kivvo can send the name drawing&apos;s e-mails with these settings.<byte value="xd"/>
</source>
        <comment>IDS_TEST_MAIL_BODY</comment>
        <translation>Este e-mail de teste mostra que o Kivvo consegue enviar os e-mails do sorteio de nomes com estas configurações.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Cannot save the settings file &quot;%1&quot;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The new settings are used until the program ends.</source>
        <comment>IDS_SETTINGS_SAVE_ERROR</comment>
        <extracomment>Message box when the mail settings cannot be saved. %1: the settings file&apos;s path; %2: the reason</extracomment>
        <translation>Não é possível salvar o arquivo de configurações &quot;%1&quot;:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
As novas configurações serão usadas até o programa ser fechado.</translation>
    </message>
    <message>
        <source>The password is kept in the desktop&apos;s keyring.</source>
        <comment>IDS_PASSWORD_IN_KEYRING</comment>
        <translation>A senha fica guardada no chaveiro do sistema.</translation>
    </message>
    <message>
        <source>No keyring is running: the password is kept in the settings file %1, which only you can read.</source>
        <comment>IDS_PASSWORD_IN_FILE</comment>
        <extracomment>Mail Settings window and kivvo-cli config output. %1: the settings file&apos;s path</extracomment>
        <translation>Nenhum chaveiro está em execução: a senha fica guardada no arquivo de configurações %1, que só você pode ler.</translation>
    </message>
    <message>
        <source>not set</source>
        <comment>IDS_PASSWORD_NONE</comment>
        <translation>não definida</translation>
    </message>
    <message>
        <source>kivvo-cli: --%1: %2 Nothing was saved.</source>
        <comment>IDS_CLI_BAD_SETTING</comment>
        <extracomment>kivvo-cli config error on stderr. %1: the option without dashes; %2: what is wrong, a whole sentence</extracomment>
        <translation>kivvo-cli: --%1: %2 Nada foi salvo.</translation>
    </message>
    <message>
        <source>Password: </source>
        <comment>IDS_CLI_PASSWORD_PROMPT</comment>
        <translation>Senha: </translation>
    </message>
    <message>
        <source>--password without a value asks on a terminal; without one, give it with --password-stdin</source>
        <comment>IDS_CLI_NO_TERMINAL</comment>
        <translation>--password sem valor pergunta no terminal; sem terminal, informe a senha com --password-stdin</translation>
    </message>
    <message>
        <source>set</source>
        <comment>IDS_CLI_PASSWORD_SET</comment>
        <translation>definida</translation>
    </message>
    <message>
        <source>sending was stopped before the server confirmed the message; it may have arrived</source>
        <comment>IDS_SMTP_STOPPED_UNCONFIRMED</comment>
        <translation>o envio foi interrompido antes de o servidor confirmar a mensagem; ela pode ter chegado</translation>
    </message>
    <message>
        <source>Stop now</source>
        <comment>IDS_SEND_STOP_NOW</comment>
        <translation>Parar agora</translation>
    </message>
    <message>
        <source>the server&apos;s reply was longer than any mail server&apos;s (more than 4096 characters in a line, or more than 256 lines); the connection was closed</source>
        <comment>IDS_SMTP_REPLY_TOO_LONG</comment>
        <translation>a resposta do servidor foi mais longa que a de qualquer servidor de e-mail (mais de 4096 caracteres em uma linha ou mais de 256 linhas); a conexão foi encerrada</translation>
    </message>
    <message>
        <source>the server sent more than its go-ahead for encryption (STARTTLS) before encryption began; somebody between this computer and the server may be tampering with the connection, so it was closed</source>
        <comment>IDS_SMTP_TLS_INJECTION</comment>
        <translation>o servidor enviou mais do que a autorização para a criptografia (STARTTLS) antes de ela começar; alguém entre este computador e o servidor pode estar adulterando a conexão, por isso ela foi encerrada</translation>
    </message>
    <message>
        <source>the server cannot take the message now: %1; try again later</source>
        <comment>IDS_SMTP_TRY_LATER</comment>
        <extracomment>Reason why an e-mail failed. %1: the mail server&apos;s reply</extracomment>
        <translation>o servidor não pode aceitar a mensagem agora: %1; tente novamente mais tarde</translation>
    </message>
    <message>
        <source>the server&apos;s confirmation of the message was longer than any mail server&apos;s; it may have arrived, so it is not sent again</source>
        <comment>IDS_SMTP_TOO_LONG_UNCONFIRMED</comment>
        <translation>a confirmação da mensagem pelo servidor foi mais longa que a de qualquer servidor de e-mail; a mensagem pode ter chegado, por isso não será enviada de novo</translation>
    </message>
    <message>
        <source>The mail server %1 stopped answering.<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Nothing more was sent. Try again later.</source>
        <comment>IDS_SEND_SERVER_SILENT</comment>
        <extracomment>Shown in the sending window and by kivvo-cli send. %1: the mail server as host:port; %2: the reason</extracomment>
        <translation>O servidor de e-mail %1 parou de responder.<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Nada mais foi enviado. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>not sent, since the mail server could not go on: %1</source>
        <comment>IDS_SEND_SERVER_STOPPED</comment>
        <extracomment>Reason in a line of the sending window, for e-mails not sent. %1: why the server stopped</extracomment>
        <translation>não enviado, pois o servidor de e-mail não pôde continuar: %1</translation>
    </message>
    <message>
        <source>The e-mail to %1 (%2) may have arrived already: %3.<byte value="xd"/>
<byte value="xd"/>
Send it again anyway? If it did arrive, the recipient gets two copies.</source>
        <comment>IDS_ASK_SEND_AGAIN</comment>
        <extracomment>Question in the sending window before sending again. %1: the participant&apos;s name; %2: his e-mail address; %3: the reason</extracomment>
        <translation>O e-mail para %1 (%2) pode já ter chegado: %3.<byte value="xd"/>
<byte value="xd"/>
Enviar de novo mesmo assim? Se ele tiver chegado, o destinatário receberá duas cópias.</translation>
    </message>
    <message>
        <source>kivvo-cli: warning: a password given as --password VALUE can be seen by other users in the process list; give it with --password-stdin instead, or with --password alone to be asked for it</source>
        <comment>IDS_CLI_PASSWORD_VISIBLE</comment>
        <translation>kivvo-cli: aviso: uma senha informada como --password VALUE pode ser vista por outros usuários na lista de processos; informe-a com --password-stdin ou use apenas --password para que ela seja solicitada</translation>
    </message>
    <message>
        <source>the settings file there cannot be read (%1); it is left as it is rather than replaced by settings that never saw what it holds. Make it readable or remove it, then try again</source>
        <comment>IDS_SETTINGS_NOT_REPLACED</comment>
        <extracomment>Reason why the settings were not saved. %1: why the settings file there cannot be read</extracomment>
        <translation>o arquivo de configurações que está lá não pode ser lido (%1); ele foi mantido como está, em vez de ser substituído por configurações que não levam em conta o seu conteúdo. Torne-o legível ou remova-o e tente novamente</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being changed by another program (lock file &quot;%2&quot;), so it was not saved. Try again in a moment.</source>
        <comment>IDS_DOC_LOCKED</comment>
        <extracomment>Message box when a document cannot be saved. %1: the document&apos;s path; %2: the lock file&apos;s path</extracomment>
        <translation>&quot;%1&quot; está sendo alterado por outro programa (arquivo de bloqueio &quot;%2&quot;), por isso não foi salvo. Tente novamente daqui a pouco.</translation>
    </message>
    <message>
        <source>cannot create the lock file &quot;%1&quot; beside it: %2</source>
        <comment>IDS_LOCK_NOT_MADE</comment>
        <extracomment>Reason in the save error. %1: the lock file&apos;s path; %2: the system&apos;s reason</extracomment>
        <translation>não é possível criar o arquivo de bloqueio &quot;%1&quot; ao lado dele: %2</translation>
    </message>
    <message>
        <source>it would take %1 bytes, more than the %2 bytes of the largest file this program opens; nothing was written. Remove drawings or shorten texts, then save again</source>
        <comment>IDS_ERR_SAVE_TOO_LARGE</comment>
        <extracomment>Reason in the save error. %1: the size in bytes; %2: the largest size allowed</extracomment>
        <translation>o arquivo ficaria grande demais (tamanho: %1 bytes; máximo que este programa abre: %2 bytes); nada foi gravado. Remova sorteios ou encurte textos e salve novamente</translation>
    </message>
    <message>
        <source>it holds more than %1 persons and groups, more than this program opens</source>
        <comment>IDS_ERR_TOO_MANY_ENTRIES</comment>
        <extracomment>Reason in a file error. %1: the largest number of persons and groups</extracomment>
        <translation>ele contém pessoas e grupos demais: o máximo que este programa abre é %1</translation>
    </message>
    <message>
        <source>the file was written, but its folder could not be synced to disk: %1</source>
        <comment>IDS_ERR_FOLDER_SYNC</comment>
        <extracomment>Reason in the save error. %1: the system&apos;s reason</extracomment>
        <translation>o arquivo foi gravado, mas não foi possível sincronizar a pasta dele com o disco: %1</translation>
    </message>
    <message>
        <source>Waiting for the desktop&apos;s keyring: it asks for its password (to unlock it, or for a new keyring). Answer it to go on.</source>
        <comment>IDS_KEYRING_WAITING</comment>
        <translation>Aguardando o chaveiro do sistema: ele está pedindo a própria senha (para ser desbloqueado ou para criar um novo chaveiro). Responda a ele para continuar.</translation>
    </message>
    <message>
        <source>The desktop&apos;s keyring does not answer (%1). Kivvo goes on without it: the mail password is taken from and kept in the settings file %2, which only you can read.</source>
        <comment>IDS_KEYRING_SILENT</comment>
        <extracomment>Warning when the keyring cannot be used. %1: the reason; %2: the settings file&apos;s path</extracomment>
        <translation>O chaveiro do sistema não responde (%1). O Kivvo continua sem ele: a senha de e-mail é lida do arquivo de configurações %2 e guardada nele, e só você pode ler esse arquivo.</translation>
    </message>
    <message numerus="yes">
        <source>no answer within %1 seconds</source>
        <comment>IDS_KEYRING_NO_ANSWER</comment>
        <extracomment>Reason why the keyring cannot be used. %1: the number of seconds waited</extracomment>
        <translation>
            <numerusform>nenhuma resposta em %1 segundo</numerusform>
            <numerusform>nenhuma resposta em %1 segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Draw names — %1</source>
        <comment>IDS_DRAWNAMES_TITLE</comment>
        <extracomment>Title of the Draw names window. %1: the drawing&apos;s name</extracomment>
        <translation>Sortear nomes — %1</translation>
    </message>
    <message>
        <source>View notifications — %1</source>
        <comment>IDS_SHOWNAMES_TITLE</comment>
        <extracomment>Title of the View notifications window. %1: the drawing&apos;s name</extracomment>
        <translation>Ver notificações — %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 participants have not seen their name yet. End the round?</source>
        <comment>IDS_ASK_END_ROUND</comment>
        <extracomment>Question when closing the Draw names window early. %1: the number of participants</extracomment>
        <translation>
            <numerusform>%1 participante ainda não viu o nome sorteado. Encerrar a rodada?</numerusform>
            <numerusform>%1 participantes ainda não viram o nome sorteado. Encerrar a rodada?</numerusform>
        </translation>
    </message>
    <message>
        <source>1 participant has not seen his name yet. End the round?</source>
        <comment>IDS_ASK_END_ROUND_ONE</comment>
        <translation>1 participante ainda não viu o nome sorteado. Encerrar a rodada?</translation>
    </message>
    <message>
        <source>This shows every participant&apos;s drawn name to whoever is at the screen.<byte value="xd"/>
<byte value="xd"/>
Show the drawn names now?</source>
        <comment>IDS_ASK_VIEW_NOTIFICATIONS</comment>
        <translation>Isto mostra o nome sorteado de cada participante a quem estiver diante da tela.<byte value="xd"/>
<byte value="xd"/>
Mostrar os nomes sorteados agora?</translation>
    </message>
    <message>
        <source>Previous participant</source>
        <comment>IDS_ACC_PREVIOUS</comment>
        <translation>Participante anterior</translation>
    </message>
    <message>
        <source>Next participant</source>
        <comment>IDS_ACC_NEXT</comment>
        <translation>Próximo participante</translation>
    </message>
    <message>
        <source>Drawn name</source>
        <comment>IDS_ACC_REVEALED_TEXT</comment>
        <translation>Nome sorteado</translation>
    </message>
    <message>
        <source>Done: hide the name again</source>
        <comment>IDS_ACC_DONE</comment>
        <translation>Concluído: ocultar o nome novamente</translation>
    </message>
    <message>
        <source>OK: end the round</source>
        <comment>IDS_ACC_END_ROUND</comment>
        <translation>OK: encerrar a rodada</translation>
    </message>
    <message>
        <source>hidden</source>
        <comment>IDS_ACC_NAME_HIDDEN</comment>
        <translation>oculto</translation>
    </message>
    <message>
        <source>Send email now to all participants of the newest list, &quot;%1&quot;, with email addresses entered.<byte value="xd"/>
<byte value="xd"/>
The list shown, &quot;%2&quot;, is an older one: its drawing is not sent.</source>
        <comment>IDS_ASK_SEND_NEWEST</comment>
        <extracomment>Question before sending when an older list is shown. %1: the newest list&apos;s name; %2: the shown list&apos;s name</extracomment>
        <translation>Enviar e-mail agora a todos os participantes da lista mais recente, &quot;%1&quot;, que têm endereço de e-mail informado.<byte value="xd"/>
<byte value="xd"/>
A lista exibida, &quot;%2&quot;, é mais antiga: o sorteio dela não será enviado.</translation>
    </message>
    <message>
        <source>Send %1 the name drawn in the newest list, &quot;%2&quot;?<byte value="xd"/>
<byte value="xd"/>
The list shown, &quot;%3&quot;, is an older one: its drawing is not sent.</source>
        <comment>IDS_ASK_SEND_ONE_NEWEST</comment>
        <extracomment>Question before sending to one person when an older list is shown. %1: the person&apos;s name; %2: the newest list&apos;s name; %3: the shown list&apos;s name</extracomment>
        <translation>Enviar a %1 o nome sorteado na lista mais recente, &quot;%2&quot;?<byte value="xd"/>
<byte value="xd"/>
A lista exibida, &quot;%3&quot;, é mais antiga: o sorteio dela não será enviado.</translation>
    </message>
    <message>
        <source>%1 is not in the newest list, &quot;%2&quot;; nothing was sent.</source>
        <comment>IDS_NOT_IN_NEWEST</comment>
        <extracomment>Message box when sending to one person. %1: the person&apos;s name; %2: the newest list&apos;s name</extracomment>
        <translation>%1 não está na lista mais recente, &quot;%2&quot;; nada foi enviado.</translation>
    </message>
    <message>
        <source>The e-mails of the newest list are being sent. Wait until sending has ended, or cancel it, before you draw again or change the newest list.</source>
        <comment>IDS_BUSY_SENDING</comment>
        <translation>Os e-mails da lista mais recente estão sendo enviados. Espere o envio terminar, ou cancele-o, antes de sortear novamente ou alterar a lista mais recente.</translation>
    </message>
    <message>
        <source>The names have been drawn again since these e-mails were sent.<byte value="xd"/>
<byte value="xd"/>
Sending again would mix two drawings. Send the new drawing to everybody with Send Emails.</source>
        <comment>IDS_RETRY_REDRAWN</comment>
        <translation>Os nomes foram sorteados de novo depois que estes e-mails foram enviados.<byte value="xd"/>
<byte value="xd"/>
Enviar de novo misturaria dois sorteios. Envie o novo sorteio a todos com Enviar e-mails.</translation>
    </message>
    <message>
        <source>%1 has no e-mail address in the newest list, &quot;%2&quot;; nothing was sent.</source>
        <comment>IDS_NO_ADDRESS_NEWEST</comment>
        <extracomment>Message box when sending to one person. %1: the person&apos;s name; %2: the newest list&apos;s name</extracomment>
        <translation>%1 não tem endereço de e-mail na lista mais recente, &quot;%2&quot;; nada foi enviado.</translation>
    </message>
    <message>
        <source>Print &amp;Cards...</source>
        <comment>IDS_MENU_PRINT_CARDS</comment>
        <translation>Imprimir &amp;cartões...</translation>
    </message>
    <message>
        <source>For %1</source>
        <comment>IDS_CARD_FOR</comment>
        <extracomment>Printed card, outside, in large type. %1: the giver&apos;s name</extracomment>
        <translation>Para %1</translation>
    </message>
    <message>
        <source>Fold the flap up along the dashed line. Open it only when you are alone.</source>
        <comment>IDS_CARD_FOLD_HINT</comment>
        <translation>Dobre a aba para cima pela linha tracejada. Abra-a só quando ninguém estiver olhando.</translation>
    </message>
    <message>
        <source>%1 gives a gift to</source>
        <comment>IDS_CARD_GIVES_TO</comment>
        <extracomment>Printed card, inside, above the drawn name. %1: the giver&apos;s name</extracomment>
        <translation>%1 vai dar um presente para</translation>
    </message>
    <message>
        <source>Suggestions: %1</source>
        <comment>IDS_CARD_SUGGESTIONS</comment>
        <extracomment>Printed card. %1: the drawn person&apos;s gift suggestions</extracomment>
        <translation>Sugestões: %1</translation>
    </message>
    <message>
        <source>fold up</source>
        <comment>IDS_CARD_FLAP</comment>
        <translation>dobre para cima</translation>
    </message>
    <message>
        <source>kivvo-cli: cannot write the cards to &quot;%1&quot;: %2</source>
        <comment>IDS_CARDS_WRITE_ERROR</comment>
        <extracomment>kivvo-cli cards error on stderr. %1: the PDF file&apos;s path; %2: the reason</extracomment>
        <translation>kivvo-cli: não é possível gravar os cartões em &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Print Cards — %1</source>
        <comment>IDS_CARDS_PRINT_TITLE</comment>
        <extracomment>Title of the print dialog and of the PDF. %1: the drawing&apos;s name</extracomment>
        <translation>Imprimir cartões — %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 cards of &quot;%2&quot; written to &quot;%3&quot;</source>
        <comment>IDS_CLI_CARDS_WRITTEN</comment>
        <extracomment>kivvo-cli cards output. %1: the number of cards; %2: the drawing&apos;s name; %3: the PDF file&apos;s path</extracomment>
        <translation>
            <numerusform>%1 cartão de &quot;%2&quot; gravado em &quot;%3&quot;</numerusform>
            <numerusform>%1 cartões de &quot;%2&quot; gravados em &quot;%3&quot;</numerusform>
        </translation>
    </message>
    <message>
        <source>The newest list has nobody to print a card for.</source>
        <comment>IDS_CARDS_NOBODY</comment>
        <translation>A lista mais recente não tem ninguém para quem imprimir um cartão.</translation>
    </message>
    <message>
        <source>Print cards for those without an address</source>
        <comment>IDS_SEND_PRINT_SKIPPED</comment>
        <translation>Imprimir cartões para quem não tem endereço</translation>
    </message>
    <message>
        <source>The cards could not be printed: %1</source>
        <comment>IDS_CARDS_PRINT_ERROR</comment>
        <extracomment>Message box when printing cards fails. %1: the reason</extracomment>
        <translation>Não foi possível imprimir os cartões: %1</translation>
    </message>
    <message>
        <source>the printer or the file could not be written</source>
        <comment>IDS_CARDS_NO_DEVICE</comment>
        <translation>não foi possível gravar na impressora ou no arquivo</translation>
    </message>
    <message>
        <source>a new page could not be started</source>
        <comment>IDS_CARDS_NO_PAGE</comment>
        <translation>não foi possível iniciar uma nova página</translation>
    </message>
    <message>
        <source>Cards %1</source>
        <comment>IDS_CARDS_DOC_NAME</comment>
        <extracomment>Name of the print job. %1: the drawing&apos;s name</extracomment>
        <translation>Cartões %1</translation>
    </message>
    <message>
        <source>1 card of &quot;%1&quot; written to &quot;%2&quot;</source>
        <comment>IDS_CLI_CARD_WRITTEN</comment>
        <extracomment>kivvo-cli cards output. %1: the drawing&apos;s name; %2: the PDF file&apos;s path</extracomment>
        <translation>1 cartão de &quot;%1&quot; gravado em &quot;%2&quot;</translation>
    </message>
    <message numerus="yes">
        <source>%1 cards sent to the printer.</source>
        <comment>IDS_CARDS_PRINTED</comment>
        <extracomment>Note after printing cards. %1: the number of cards</extracomment>
        <translation>
            <numerusform>%1 cartão enviado para a impressora.</numerusform>
            <numerusform>%1 cartões enviados para a impressora.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>IDS_MENU_UNDO</comment>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <comment>IDS_MENU_REDO</comment>
        <translation>Re&amp;fazer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <comment>IDS_MENU_UNDO_WHAT</comment>
        <extracomment>Edit menu item. %1: the step to undo, such as Add Person</extracomment>
        <translation>&amp;Desfazer %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <comment>IDS_MENU_REDO_WHAT</comment>
        <extracomment>Edit menu item. %1: the step to redo, such as Add Person</extracomment>
        <translation>Re&amp;fazer %1</translation>
    </message>
    <message>
        <source>Add Person</source>
        <comment>IDS_EDIT_ADD_PERSON</comment>
        <translation>adição de pessoa</translation>
    </message>
    <message>
        <source>Add Group</source>
        <comment>IDS_EDIT_ADD_GROUP</comment>
        <translation>adição de grupo</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>IDS_EDIT_DELETE</comment>
        <translation>remoção</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment>IDS_EDIT_RENAME</comment>
        <translation>mudança de nome</translation>
    </message>
    <message>
        <source>Person Properties</source>
        <comment>IDS_EDIT_PROPERTIES</comment>
        <translation>alteração da pessoa</translation>
    </message>
    <message>
        <source>Move to Group</source>
        <comment>IDS_EDIT_MOVE</comment>
        <translation>mudança de grupo</translation>
    </message>
    <message>
        <source>Rules</source>
        <comment>IDS_EDIT_RULES</comment>
        <translation>alteração das regras</translation>
    </message>
    <message>
        <source>Draw Names</source>
        <comment>IDS_EDIT_DRAW</comment>
        <translation>sorteio</translation>
    </message>
    <message>
        <source>Copy for Next Exchange</source>
        <comment>IDS_EDIT_COPY</comment>
        <translation>cópia para a próxima troca</translation>
    </message>
    <message>
        <source>Import Participants</source>
        <comment>IDS_EDIT_IMPORT</comment>
        <translation>importação de participantes</translation>
    </message>
    <message>
        <source>&amp;Move to Group</source>
        <comment>IDS_MENU_MOVE_TO_GROUP</comment>
        <translation>&amp;Mover para o grupo</translation>
    </message>
    <message>
        <source>No group</source>
        <comment>IDS_MENU_NO_GROUP</comment>
        <translation>Sem grupo</translation>
    </message>
    <message>
        <source>%1 — a past exchange; its drawing keeps anyone from drawing the same person again. Only its name can be changed.</source>
        <comment>IDS_HISTORY_NOTE</comment>
        <extracomment>Main window note on a past exchange, and message box when changing it. %1: the list&apos;s name</extracomment>
        <translation>%1 — uma troca anterior; o sorteio dela impede que alguém tire a mesma pessoa de novo. Só o nome dela pode ser alterado.</translation>
    </message>
    <message>
        <source>No e-mail address: %1 will get no e-mail.</source>
        <comment>IDS_TIP_NO_ADDRESS</comment>
        <extracomment>Tooltip of a person in the list. %1: the person&apos;s name</extracomment>
        <translation>Sem endereço de e-mail: %1 não receberá e-mail.</translation>
    </message>
    <message>
        <source>&amp;Import Participants...</source>
        <comment>IDS_MENU_IMPORT</comment>
        <translation>&amp;Importar participantes...</translation>
    </message>
    <message>
        <source>Participants (*.csv *.vcf *.vcard);;CSV files (*.csv);;vCard files (*.vcf *.vcard);;All files (*)</source>
        <comment>IDS_IMPORT_FILTER</comment>
        <translation>Participantes (*.csv *.vcf *.vcard);;Arquivos CSV (*.csv);;Arquivos vCard (*.vcf *.vcard);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Import Participants — %1</source>
        <comment>IDS_IMPORT_TITLE</comment>
        <extracomment>Title of the Import Participants window. %1: the list&apos;s name</extracomment>
        <translation>Importar participantes — %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 persons will be added to &quot;%2&quot;:</source>
        <comment>IDS_IMPORT_TO_ADD</comment>
        <extracomment>Import Participants window, above the table. %1: the number of persons; %2: the list&apos;s name</extracomment>
        <translation>
            <numerusform>%1 pessoa será adicionada a &quot;%2&quot;:</numerusform>
            <numerusform>%1 pessoas serão adicionadas a &quot;%2&quot;:</numerusform>
        </translation>
    </message>
    <message>
        <source>Already in the list, so left out: %1</source>
        <comment>IDS_IMPORT_LEFT_OUT</comment>
        <extracomment>Import Participants window. %1: the names left out, separated by commas</extracomment>
        <translation>Já constam da lista e ficam de fora: %1</translation>
    </message>
    <message>
        <source>Nothing will be imported. %1</source>
        <comment>IDS_IMPORT_FAILED</comment>
        <extracomment>Import Participants window. %1: the reason, a whole sentence</extracomment>
        <translation>Nada será importado. %1</translation>
    </message>
    <message>
        <source>Everybody in the file is in &quot;%1&quot; already: nobody to add.</source>
        <comment>IDS_IMPORT_NOBODY_NEW</comment>
        <extracomment>Import Participants window. %1: the list&apos;s name</extracomment>
        <translation>Todos os que estão no arquivo já estão em &quot;%1&quot;: não há ninguém para adicionar.</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>IDS_IMPORT_COL_NAME</comment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Address</source>
        <comment>IDS_IMPORT_COL_ADDRESS</comment>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Group</source>
        <comment>IDS_IMPORT_COL_GROUP</comment>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>1 person will be added to &quot;%1&quot;:</source>
        <comment>IDS_IMPORT_TO_ADD_ONE</comment>
        <extracomment>Import Participants window, above the table. %1: the list&apos;s name</extracomment>
        <translation>1 pessoa será adicionada a &quot;%1&quot;:</translation>
    </message>
    <message numerus="yes">
        <source>The list of who gave a gift to whom in the previous exchange (%1 persons) is too long to quote in every e-mail; the organiser has it.<byte value="xd"/>
</source>
        <comment>IDS_NOTE_PREVIOUS_NOT_QUOTED</comment>
        <extracomment>Notification e-mail, instead of the previous list. %1: the number of persons</extracomment>
        <translation>
            <numerusform>A lista de quem presenteou quem na troca anterior (%1 pessoa) é longa demais para ser incluída em cada e-mail; quem organiza o sorteio tem essa lista.<byte value="xd"/>
</numerusform>
            <numerusform>A lista de quem presenteou quem na troca anterior (%1 pessoas) é longa demais para ser incluída em cada e-mail; quem organiza o sorteio tem essa lista.<byte value="xd"/>
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
A lista atual de nomes (%1 pessoa) é longa demais para ser incluída em cada e-mail; quem organiza o sorteio tem essa lista.<byte value="xd"/>
</numerusform>
            <numerusform><byte value="xd"/>
A lista atual de nomes (%1 pessoas) é longa demais para ser incluída em cada e-mail; quem organiza o sorteio tem essa lista.<byte value="xd"/>
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
A pessoa sorteada para %1 presentear é: %2.<byte value="xd"/>
<byte value="xd"/>
As listas desta troca são longas demais para serem incluídas em cada e-mail: se quiser vê-las, peça a quem organiza o sorteio.<byte value="xd"/>
<byte value="xd"/>
Obrigado!<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Mail is not set up yet, so no e-mail was sent. Enter your mail server and your address in Settings &gt; Configure first.</source>
        <comment>IDS_MAIL_NOT_SET_UP</comment>
        <translation>O e-mail ainda não está configurado, por isso nenhum e-mail foi enviado. Primeiro informe o seu servidor de e-mail e o seu endereço em Configurações &gt; Configurar.</translation>
    </message>
    <message>
        <source>kivvo-cli: mail is not set up yet (%1); nothing was sent. Set it up first with
  kivvo-cli config --server HOST --from ADDRESS [--user NAME --password]</source>
        <comment>IDS_CLI_MAIL_NOT_SET_UP</comment>
        <extracomment>kivvo-cli send error on stderr. %1: the options still to set, such as --server, --from</extracomment>
        <translation>kivvo-cli: o e-mail ainda não está configurado (%1); nada foi enviado. Configure-o primeiro com
  kivvo-cli config --server HOST --from ADDRESS [--user NAME --password]</translation>
    </message>
    <message>
        <source>Mail is not set up yet. Enter the outgoing mail server of your mail provider and your own address: the e-mails are sent from it.</source>
        <comment>IDS_SETTINGS_NOT_SET_UP</comment>
        <translation>O e-mail ainda não está configurado. Informe o servidor de saída (SMTP) do seu provedor de e-mail e o seu próprio endereço: os e-mails serão enviados a partir dele.</translation>
    </message>
    <message>
        <source>smtp.example.org</source>
        <comment>IDS_SETTINGS_SERVER_HINT</comment>
        <translation>smtp.example.org</translation>
    </message>
    <message>
        <source>Your Name &lt;you@example.org&gt;</source>
        <comment>IDS_SETTINGS_FROM_HINT</comment>
        <translation>Seu Nome &lt;voce@example.org&gt;</translation>
    </message>
    <message>
        <source>you@example.org — empty: no login</source>
        <comment>IDS_SETTINGS_USER_HINT</comment>
        <translation>voce@example.org — vazio: sem login</translation>
    </message>
    <message>
        <source>A last line for every e-mail, such as: From the Smiths</source>
        <comment>IDS_SETTINGS_FOOTER_HINT</comment>
        <translation>Uma última linha para todos os e-mails, por exemplo: Da família Silva</translation>
    </message>
    <message>
        <source>(not set)</source>
        <comment>IDS_CLI_NOT_SET</comment>
        <translation>(não definido)</translation>
    </message>
    <message>
        <source>Mail is not set up yet: %1 still to be set before e-mails can be sent.</source>
        <comment>IDS_CLI_MAIL_STILL_NOT_SET_UP</comment>
        <extracomment>kivvo-cli config note on stderr. %1: the options still to set, such as --server, --from</extracomment>
        <translation>O e-mail ainda não está configurado: falta definir %1 para que os e-mails possam ser enviados.</translation>
    </message>
    <message numerus="yes">
        <source>Delete the group %1 with its %2 persons?</source>
        <comment>IDS_ASK_DELETE_GROUP</comment>
        <extracomment>Question before deleting a group. %1: the group&apos;s name; %2: the number of persons in it</extracomment>
        <translation>
            <numerusform>Remover o grupo %1, com %2 pessoa?</numerusform>
            <numerusform>Remover o grupo %1, com %2 pessoas?</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete the group %1 with its one person?</source>
        <comment>IDS_ASK_DELETE_GROUP_ONE</comment>
        <extracomment>Question before deleting a group. %1: the group&apos;s name</extracomment>
        <translation>Remover o grupo %1 e a única pessoa dele?</translation>
    </message>
    <message>
        <source>Neither an e-mail address (such as ann@example.org) nor a name from your address book: no e-mail can be sent to it.</source>
        <comment>IDS_ADDRESS_NOT_PLAUSIBLE</comment>
        <translation>Não é um endereço de e-mail (como ana@example.org) nem um nome do seu catálogo de endereços: não é possível enviar e-mail para ele.</translation>
    </message>
    <message>
        <source>kivvo-cli: warning: &quot;%1&quot; is neither an e-mail address nor a name from the address book; no e-mail can be sent to it</source>
        <comment>IDS_CLI_ADDRESS_NOT_PLAUSIBLE</comment>
        <extracomment>kivvo-cli warning on stderr. %1: the address as given</extracomment>
        <translation>kivvo-cli: aviso: &quot;%1&quot; não é um endereço de e-mail nem um nome do catálogo de endereços; não é possível enviar e-mail para ele</translation>
    </message>
    <message>
        <source>Exchange Details — %1</source>
        <comment>IDS_DETAILS_TITLE</comment>
        <extracomment>Title of the Exchange Details window. %1: the list&apos;s name</extracomment>
        <translation>Detalhes da troca — %1</translation>
    </message>
    <message>
        <source>What every e-mail and card of this exchange tells the participants. Leave empty what does not apply.</source>
        <comment>IDS_DETAILS_INTRO</comment>
        <translation>O que todos os e-mails e cartões desta troca informam aos participantes. Deixe em branco o que não se aplica.</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <comment>IDS_DETAILS_HAS_DATE</comment>
        <translation>&amp;Data:</translation>
    </message>
    <message>
        <source>&amp;Budget:</source>
        <comment>IDS_DETAILS_BUDGET</comment>
        <translation>&amp;Valor do presente:</translation>
    </message>
    <message>
        <source>&amp;Place:</source>
        <comment>IDS_DETAILS_PLACE</comment>
        <translation>&amp;Local:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <comment>IDS_DETAILS_NOTE</comment>
        <translation>&amp;Observação:</translation>
    </message>
    <message>
        <source>such as 25 €</source>
        <comment>IDS_DETAILS_BUDGET_HINT</comment>
        <translation>por exemplo, R$ 50 ou 25 €</translation>
    </message>
    <message>
        <source>A past exchange: its details can no longer be changed.</source>
        <comment>IDS_DETAILS_PAST</comment>
        <translation>Uma troca anterior: os detalhes dela não podem mais ser alterados.</translation>
    </message>
    <message>
        <source>Exchange Details</source>
        <comment>IDS_EDIT_DETAILS</comment>
        <translation>alteração dos detalhes da troca</translation>
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
        <translation>Valor do presente: %1</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <comment>IDS_DETAIL_PLACE</comment>
        <extracomment>Line of the notification e-mail and of the printed card. %1: the place as entered</extracomment>
        <translation>Local: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <comment>IDS_DETAIL_NOTE</comment>
        <extracomment>Line of the notification e-mail and of the printed card. %1: the note as entered</extracomment>
        <translation>Observação: %1</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>IDS_DETAIL_DATE_FORMAT</comment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
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
A pessoa sorteada para %1 presentear é: %2.<byte value="xd"/>
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
Obrigado!<byte value="xd"/>
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
As listas desta troca são longas demais para serem incluídas em cada e-mail: se quiser vê-las, peça a quem organiza o sorteio.<byte value="xd"/>
<byte value="xd"/>
Obrigado!<byte value="xd"/>
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
valor do presente: %2
local: %3
observação: %4</translation>
    </message>
    <message>
        <source>Details of &quot;%1&quot; saved</source>
        <comment>IDS_CLI_DETAILS_SAVED</comment>
        <extracomment>kivvo-cli details output. %1: the drawing&apos;s name</extracomment>
        <translation>Detalhes de &quot;%1&quot; salvos</translation>
    </message>
    <message>
        <source>--date takes a date as YYYY-MM-DD, or an empty value to clear it, not &quot;%1&quot;</source>
        <comment>IDS_CLI_BAD_DATE</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the value given to --date</extracomment>
        <translation>--date aceita uma data no formato YYYY-MM-DD, ou um valor vazio para apagá-la, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>E-mail &amp;language:</source>
        <comment>IDS_SETTINGS_MAIL_LANGUAGE</comment>
        <translation>&amp;Idioma do e-mail:</translation>
    </message>
    <message>
        <source>As the desktop (%1)</source>
        <comment>IDS_SETTINGS_LANGUAGE_DESKTOP</comment>
        <extracomment>Choice of the e-mail language in Mail Settings. %1: the desktop language&apos;s own name</extracomment>
        <translation>Igual ao sistema (%1)</translation>
    </message>
    <message>
        <source>The language of the e-mails and paper cards of this document only; the program itself follows the desktop.</source>
        <comment>IDS_SETTINGS_LANGUAGE_HELP</comment>
        <translation>O idioma dos e-mails e dos cartões de papel somente deste documento; o programa em si segue o idioma do sistema.</translation>
    </message>
    <message>
        <source>E-mail Language</source>
        <comment>IDS_EDIT_MAIL_LANGUAGE</comment>
        <translation>alteração do idioma do e-mail</translation>
    </message>
    <message>
        <source>%1 takes no arguments besides options</source>
        <comment>IDS_CLI_TAKES_NOTHING</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the command</extracomment>
        <translation>%1 não aceita argumentos além de opções</translation>
    </message>
    <message>
        <source>%1 takes %2</source>
        <comment>IDS_CLI_TAKES</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the command; %2: its arguments, such as FILE NAME</extracomment>
        <translation>%1 espera %2</translation>
    </message>
    <message>
        <source>%1 does not take --%2</source>
        <comment>IDS_CLI_NO_SUCH_OPTION</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the command; %2: the option without dashes</extracomment>
        <translation>%1 não aceita --%2</translation>
    </message>
    <message>
        <source>cards needs --pdf OUT.pdf</source>
        <comment>IDS_CLI_CARDS_NEED_PDF</comment>
        <translation>cards precisa de --pdf OUT.pdf</translation>
    </message>
    <message>
        <source>Date, budget, place and a note for the e-mails and cards of this exchange
Details</source>
        <comment>IDS_PROMPT_DETAILS</comment>
        <translation>Data, valor do presente, local e uma observação para os e-mails e cartões desta troca
Detalhes</translation>
    </message>
    <message>
        <source>The date of an exchange is damaged.</source>
        <comment>IDS_ERR_DETAILS_DATE</comment>
        <translation>A data de uma troca está danificada.</translation>
    </message>
    <message>
        <source>De&amp;tails...</source>
        <comment>IDS_MENU_DETAILS</comment>
        <translation>Deta&amp;lhes...</translation>
    </message>
    <message>
        <source>--language takes one of %1, not &quot;%2&quot;</source>
        <comment>IDS_CLI_BAD_LANGUAGE</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the language codes, separated by commas; %2: the value given</extracomment>
        <translation>--language aceita um destes idiomas: %1, não &quot;%2&quot;</translation>
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
        <translation>Ainda não foram sorteados nomes nesta lista.<byte value="xd"/>
<byte value="xd"/>
Sorteie os nomes primeiro. Nada foi mostrado nem enviado.</translation>
    </message>
    <message>
        <source>the server&apos;s reply is not SMTP: &quot;%1&quot;; the connection was closed</source>
        <comment>IDS_SMTP_NOT_SMTP</comment>
        <extracomment>Reason why mail failed. %1: the line the server sent</extracomment>
        <translation>a resposta do servidor não é SMTP: “%1”; a conexão foi fechada</translation>
    </message>
    <message>
        <source>the server sent a reply to a command this program had not sent yet; the connection was closed</source>
        <comment>IDS_SMTP_OUT_OF_TURN</comment>
        <translation>o servidor respondeu a um comando que este programa ainda não tinha enviado; a conexão foi fechada</translation>
    </message>
    <message>
        <source>%1, after the message had been sent in full; it may have arrived, so it is not sent again</source>
        <comment>IDS_SMTP_FAULT_UNCONFIRMED</comment>
        <extracomment>Reason why an e-mail may have failed. %1: what the server did wrong, one of the two texts above</extracomment>
        <translation>%1, depois que a mensagem foi enviada por inteiro; pode ter chegado, por isso não é enviada de novo</translation>
    </message>
    <message>
        <source>the address %1 has characters beyond ASCII before the @, which this server does not take (it offers no SMTPUTF8)</source>
        <comment>IDS_SMTP_NEEDS_UTF8</comment>
        <extracomment>Reason why an e-mail failed. %1: the e-mail address</extracomment>
        <translation>o endereço %1 tem antes do @ caracteres fora do ASCII, que este servidor não aceita (não oferece SMTPUTF8)</translation>
    </message>
    <message>
        <source>The mail server %1 did not keep to the mail protocol (SMTP).<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Nothing more was sent, so that no reply is taken for another message&apos;s. Tell whoever runs the server.</source>
        <comment>IDS_SEND_SERVER_FAULT</comment>
        <extracomment>Shown in the sending window and by kivvo-cli send. %1: the mail server as host:port; %2: the reason</extracomment>
        <translation>O servidor de correio %1 não respeitou o protocolo de correio (SMTP).<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Não foi enviado mais nada, para que nenhuma resposta seja tomada pela de outra mensagem. Avise quem administra o servidor.</translation>
    </message>
    <message>
        <source>The desktop&apos;s keyring refused to keep the password (%1): it is kept in the settings file %2, which only you can read.</source>
        <comment>IDS_PASSWORD_KEYRING_REFUSED</comment>
        <extracomment>Mail Settings window and kivvo-cli config output. %1: the keyring&apos;s own reason; %2: the settings file&apos;s path</extracomment>
        <translation>O chaveiro da área de trabalho se recusou a guardar a senha (%1): ela fica guardada no arquivo de configurações %2, que só você pode ler.</translation>
    </message>
    <message>
        <source>line %1 holds a control character (a line break, a tab or a terminal escape) in a name, an address or a group</source>
        <comment>IDS_IMPORT_CONTROL</comment>
        <extracomment>Reason in the import error. %1: the line number in the file</extracomment>
        <translation>a linha %1 contém um caractere de controle (uma quebra de linha, uma tabulação ou um escape de terminal) num nome, num endereço ou num grupo</translation>
    </message>
    <message>
        <source>the card &quot;%1&quot; holds a control character (a line break, a tab or a terminal escape) in its name or its address</source>
        <comment>IDS_IMPORT_CONTROL_CARD</comment>
        <extracomment>Reason in the import error. %1: the name on the card, control characters shown as a replacement sign</extracomment>
        <translation>o cartão “%1” contém um caractere de controle (uma quebra de linha, uma tabulação ou um escape de terminal) no nome ou no endereço</translation>
    </message>
    <message>
        <source>Importing %1 persons and groups would make the document hold more than %2, more than it can save. Nothing was imported.</source>
        <comment>IDS_IMPORT_OVER_LIMIT</comment>
        <extracomment>Import error (Import Participants window). %1: how many persons and groups the import would add; %2: the most a document holds</extracomment>
        <translation>Importar %1 pessoas e grupos faria o documento ter mais de %2, mais do que ele consegue salvar. Nada foi importado.</translation>
    </message>
    <message>
        <source>the server offers no encryption (STARTTLS), and the settings allow only encrypted connections</source>
        <comment>IDS_SMTP_TLS_REQUIRED</comment>
        <translation>o servidor não oferece criptografia (STARTTLS), e as configurações só permitem conexões criptografadas</translation>
    </message>
    <message>
        <source>Encrypted connections only (TLS), also without a login</source>
        <comment>IDS_SETTINGS_REQUIRE_TLS</comment>
        <translation>Somente conexões criptografadas (TLS), também sem login</translation>
    </message>
    <message>
        <source>require-tls: on</source>
        <comment>IDS_CLI_REQUIRE_TLS_ON</comment>
        <extracomment>kivvo-cli config output, after the settings, only when the setting is on.</extracomment>
        <translation>require-tls: ativado</translation>
    </message>
    <message>
        <source>The seal of this drawing was broken on %1 at %2</source>
        <comment>IDS_SEAL_BROKEN_ON</comment>
        <extracomment>Shown with a drawing whose seal was broken, in the window and by kivvo-cli.
%1: the date, such as &quot;12 December 2026&quot;; %2: the time, such as &quot;20:14&quot;</extracomment>
        <translation>O selo deste sorteio foi rompido em %1 às %2</translation>
    </message>
    <message>
        <source>%1. This stays in the document, so that the participants can be told.</source>
        <comment>IDS_SEAL_BROKEN_NOW</comment>
        <extracomment>After the seal was broken.
%1: the sentence of IDS_SEAL_BROKEN_ON</extracomment>
        <translation>%1. Isso fica registrado no documento, para que os participantes possam ser avisados.</translation>
    </message>
    <message>
        <source>This drawing is sealed: who gives to whom is shown to nobody here, you included. Every participant learns his own recipient by e-mail, on his card or in the pass-around round. To see them all, turn off &quot;Seal the drawing&quot; in the rules; that is recorded in the document.</source>
        <comment>IDS_SEALED_REFUSED</comment>
        <translation>Este sorteio está selado: quem presenteia quem não é mostrado aqui a ninguém, nem a você. Cada participante fica sabendo quem é o seu por e-mail, no seu cartão ou na rodada passando a tela. Para ver todos, desative &quot;Selar o sorteio&quot; nas regras; isso fica registrado no documento.</translation>
    </message>
    <message>
        <source>the drawn name of %1 no longer fits the list</source>
        <comment>IDS_CHECK_SEALED</comment>
        <extracomment>Problem with the drawn names of a sealed drawing, listed after a colon.
%1: the giver&apos;s name</extracomment>
        <translation>o nome sorteado de %1 não corresponde mais à lista</translation>
    </message>
    <message>
        <source>two persons draw each other</source>
        <comment>IDS_CHECK_MUTUAL_SEALED</comment>
        <extracomment>Problem with the drawn names of a sealed drawing, listed after a colon.</extracomment>
        <translation>duas pessoas sortearam uma à outra</translation>
    </message>
    <message>
        <source>&amp;Seal the drawing</source>
        <comment>IDS_RULES_SEAL</comment>
        <translation>Se&amp;lar o sorteio</translation>
    </message>
    <message>
        <source>For an organiser who takes part: nobody here, you included, can see who gives to whom. Every participant still learns his own recipient. Turning it off later is recorded in the document.</source>
        <comment>IDS_RULES_SEAL_HELP</comment>
        <translation>Para um organizador que participa: ninguém aqui, nem você, pode ver quem presenteia quem. Cada participante continua sabendo quem é o seu. Desativar depois fica registrado no documento.</translation>
    </message>
    <message>
        <source>Break the seal of &quot;%1&quot;?<byte value="xd"/>
<byte value="xd"/>
From now on, who gives to whom can be seen here: in View Notifications, in reports and in messages. The date and time of the break are kept in the document for good; it cannot be undone.</source>
        <comment>IDS_ASK_BREAK_SEAL</comment>
        <extracomment>Question before the seal is broken; the default answer is No.
%1: the drawing&apos;s name</extracomment>
        <translation>Romper o selo de &quot;%1&quot;?<byte value="xd"/>
<byte value="xd"/>
A partir de agora, quem presenteia quem poderá ser visto aqui: em Ver notificações, nos relatórios e nas mensagens. A data e a hora do rompimento ficam para sempre no documento; isso não pode ser desfeito.</translation>
    </message>
    <message>
        <source>seal: %1
</source>
        <comment>IDS_CLI_SEAL</comment>
        <extracomment>kivvo-cli rules output, after the rules.
%1: on or off (IDS_CLI_ON, IDS_CLI_OFF)</extracomment>
        <translation>selo: %1
</translation>
    </message>
    <message>
        <source>These cards hold secrets</source>
        <comment>IDS_CARDS_SEALED_COVER</comment>
        <extracomment>First page of a PDF of the cards of a sealed drawing, a heading.</extracomment>
        <translation>Estes cartões contêm segredos</translation>
    </message>
    <message>
        <source>They hold the drawn names of the sealed drawing &quot;%1&quot;. Print them without looking at them, cut them out and fold each one shut before it is read; then delete this file.</source>
        <comment>IDS_CARDS_SEALED_COVER_TEXT</comment>
        <extracomment>First page of a PDF of the cards of a sealed drawing, under the heading.
%1: the drawing&apos;s name</extracomment>
        <translation>Eles contêm os nomes sorteados do sorteio selado &quot;%1&quot;. Imprima-os sem olhar, recorte-os e dobre cada um antes que seja lido; depois apague este arquivo.</translation>
    </message>
    <message>
        <source>This drawing is sealed: who gives to whom is shown to nobody here.</source>
        <comment>IDS_SEALED_NOTE</comment>
        <extracomment>Under the list of a sealed drawing in the main window.</extracomment>
        <translation>Este sorteio está selado: quem presenteia quem não é mostrado aqui a ninguém.</translation>
    </message>
    <message>
        <source>kivvo-cli: the seal was kept; nothing was changed</source>
        <comment>IDS_CLI_SEAL_KEPT</comment>
        <translation>kivvo-cli: o selo foi mantido; nada foi alterado</translation>
    </message>
    <message>
        <source>%1 (the e-mail goes to this one of the entry&apos;s %2 addresses only; add :1, :2 or :3 to the name to choose another)</source>
        <comment>IDS_CONTACT_PREFERRED</comment>
        <extracomment>Person dialog, under the address, for an address-book entry with several addresses.
%1: the address the e-mail goes to; %2: how many addresses the entry has</extracomment>
        <translation>%1 (o e-mail vai só para este dos %2 endereços do contato; acrescente :1, :2 ou :3 ao nome para escolher outro)</translation>
    </message>
    <message numerus="yes">
        <source>The drawing was repaired: %1 of the givers got another recipient; everybody else keeps the one he drew.</source>
        <comment>IDS_REPAIR_DONE</comment>
        <extracomment>After a repair of the drawing.
%1: how many givers got another recipient</extracomment>
        <translation>
            <numerusform>O sorteio foi reparado: %1 dos que presenteiam recebeu outro destinatário; todos os outros mantêm o seu.</numerusform>
            <numerusform>O sorteio foi reparado: %1 dos que presenteiam receberam outro destinatário; todos os outros mantêm o seu.</numerusform>
        </translation>
    </message>
    <message>
        <source>The drawn names still fit the list: there is nothing to repair.</source>
        <comment>IDS_REPAIR_NOTHING</comment>
        <translation>Os nomes sorteados ainda correspondem à lista: não há nada a reparar.</translation>
    </message>
    <message>
        <source>No repair was found within the bounds of the search, which the rules No mutual pairs and One circle make long for a list this size. Draw names again instead.</source>
        <comment>IDS_REPAIR_OUT_OF_BOUND</comment>
        <translation>Nenhum reparo foi encontrado dentro dos limites da busca, que as regras Sem pares recíprocos e Um único círculo tornam longa para uma lista deste tamanho. Sorteie de novo em vez disso.</translation>
    </message>
    <message>
        <source>The list changed after its names were drawn.<byte value="xd"/>
<byte value="xd"/>
Repair the drawing: every rule is kept, and as few givers as possible get another recipient, so that only they need to be told again. Or draw again: everybody gets a new recipient and must be told again.</source>
        <comment>IDS_ASK_REPAIR</comment>
        <extracomment>Asked by Draw Names when the list changed after its names were drawn.</extracomment>
        <translation>A lista mudou depois que os nomes foram sorteados.<byte value="xd"/>
<byte value="xd"/>
Reparar o sorteio: todas as regras valem e o mínimo possível de pessoas recebe outro destinatário, de modo que só elas precisam ser avisadas de novo. Ou sortear de novo: todos recebem um novo destinatário e precisam ser avisados de novo.</translation>
    </message>
    <message>
        <source>&amp;Repair the Drawing</source>
        <comment>IDS_BUTTON_REPAIR</comment>
        <translation>&amp;Reparar o sorteio</translation>
    </message>
    <message>
        <source>&amp;Draw Again</source>
        <comment>IDS_BUTTON_DRAW_AGAIN</comment>
        <translation>&amp;Sortear de novo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; saved</source>
        <comment>IDS_CLI_REPAIRED</comment>
        <extracomment>kivvo-cli repair output.
%1: the file</extracomment>
        <translation>&quot;%1&quot; salvo</translation>
    </message>
    <message>
        <source>Please note: the drawing has changed since you were told whom you give a gift to. What you were told before no longer holds; this message does.<byte value="xd"/>
<byte value="xd"/>
</source>
        <comment>IDS_NOTE_REPLACES_EARLIER</comment>
        <extracomment>Notification e-mail, after the privacy note, to a participant told another recipient
before the drawing was repaired.</extracomment>
        <translation>Atenção: o sorteio mudou desde que você soube para quem vai dar um presente. O que você soube antes não vale mais; vale esta mensagem.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Quote Earlier Drawings</source>
        <comment>IDS_EDIT_QUOTE_HISTORY</comment>
        <extracomment>Undo and redo: the change of the setting.</extracomment>
        <translation>Citar sorteios anteriores</translation>
    </message>
    <message>
        <source>&amp;Quote earlier drawings in the e-mails</source>
        <comment>IDS_RULES_QUOTE_HISTORY</comment>
        <translation>&amp;Citar sorteios anteriores nos e-mails</translation>
    </message>
    <message>
        <source>Each e-mail says whom the participant gave to last time and lists last time&apos;s pairs. Turn it off where the givers stay unknown, as in an office.</source>
        <comment>IDS_RULES_QUOTE_HISTORY_HELP</comment>
        <translation>Cada e-mail diz para quem o participante deu presente da última vez e lista os pares da última vez. Desative onde quem presenteia fica anônimo, como num escritório.</translation>
    </message>
    <message>
        <source>quote earlier drawings: %1
</source>
        <comment>IDS_CLI_QUOTE_HISTORY</comment>
        <extracomment>kivvo-cli rules output, after the seal.
%1: on or off (IDS_CLI_ON, IDS_CLI_OFF)</extracomment>
        <translation>citar sorteios anteriores: %1
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
            <numerusform>Participantes cujo destinatário não é o que lhes foi dito: %1.<byte value="xd"/>
<byte value="xd"/>
Avisar só eles, ou todos?</numerusform>
            <numerusform>Participantes cujo destinatário não é o que lhes foi dito: %1.<byte value="xd"/>
<byte value="xd"/>
Avisar só eles, ou todos?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Only Them</source>
        <comment>IDS_BUTTON_ONLY_CHANGED</comment>
        <translation>&amp;Só eles</translation>
    </message>
    <message>
        <source>&amp;Everybody</source>
        <comment>IDS_BUTTON_EVERYBODY</comment>
        <translation>&amp;Todos</translation>
    </message>
    <message numerus="yes">
        <source>Participants whose recipient is not the one they were told: %1</source>
        <comment>IDS_CLI_CHANGED_COUNT</comment>
        <extracomment>kivvo-cli send and cards with --changed.
%1: how many participants are told again</extracomment>
        <translation>
            <numerusform>Participantes cujo destinatário não é o que lhes foi dito: %1</numerusform>
            <numerusform>Participantes cujo destinatário não é o que lhes foi dito: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Nobody has been told anything of this drawing yet: tell everybody.</source>
        <comment>IDS_NOBODY_TOLD_YET</comment>
        <translation>Ninguém soube nada deste sorteio ainda: avise todos.</translation>
    </message>
    <message>
        <source>Everybody already knows his recipient: nobody&apos;s changed since he was told.</source>
        <comment>IDS_NOBODY_TO_TELL_AGAIN</comment>
        <translation>Todos já sabem quem é o seu: o de ninguém mudou desde que lhe foi dito.</translation>
    </message>
    <message>
        <source>%1: told %2, last on %3 at %4</source>
        <comment>IDS_STATUS_TOLD</comment>
        <extracomment>kivvo-cli status, one line per participant.
%1: the participant; %2: how he was told (IDS_TOLD_BY_MAIL...); %3: the date; %4: the time</extracomment>
        <translation>%1: avisado %2, a última vez em %3 às %4</translation>
    </message>
    <message>
        <source>%1: told %2, last on %3 at %4; his recipient changed since: tell him again</source>
        <comment>IDS_STATUS_TOLD_CHANGED</comment>
        <extracomment>kivvo-cli status, one line per participant.
%1: the participant; %2: how he was told (IDS_TOLD_BY_MAIL...); %3: the date; %4: the time</extracomment>
        <translation>%1: avisado %2, a última vez em %3 às %4; o destinatário dele mudou desde então: avise-o de novo</translation>
    </message>
    <message>
        <source>%1: not told yet</source>
        <comment>IDS_STATUS_NOT_TOLD</comment>
        <extracomment>kivvo-cli status. %1: the participant</extracomment>
        <translation>%1: ainda não avisado</translation>
    </message>
    <message>
        <source>%1: no drawn name yet</source>
        <comment>IDS_STATUS_NOT_DRAWN</comment>
        <extracomment>kivvo-cli status. %1: the participant</extracomment>
        <translation>%1: ainda sem nome sorteado</translation>
    </message>
    <message>
        <source>by e-mail</source>
        <comment>IDS_TOLD_BY_MAIL</comment>
        <translation>por e-mail</translation>
    </message>
    <message>
        <source>on a card</source>
        <comment>IDS_TOLD_ON_CARD</comment>
        <translation>num cartão</translation>
    </message>
    <message>
        <source>in the pass-around round</source>
        <comment>IDS_TOLD_IN_ROUND</comment>
        <translation>na rodada passando a tela</translation>
    </message>
    <message>
        <source>Another program changed %1 since it was opened here, and the file now holds another drawing than this window. Nothing was sent, printed or shown.<byte value="xd"/>
<byte value="xd"/>
Open the file as it is now?</source>
        <comment>IDS_FILE_OTHER_DRAWING</comment>
        <extracomment>Before names are sent, printed or shown in the round. %1: the document&apos;s file</extracomment>
        <translation>Outro programa alterou %1 desde que foi aberto aqui, e o arquivo agora contém outro sorteio que esta janela. Nada foi enviado, impresso ou mostrado.<byte value="xd"/>
<byte value="xd"/>
Abrir o arquivo como está agora?</translation>
    </message>
    <message>
        <source>Before the first name goes out, the drawing is saved, so that what the participants are told is never lost. Choose where to keep it.</source>
        <comment>IDS_SAVE_BEFORE_TELLING</comment>
        <translation>Antes que o primeiro nome saia, o sorteio é salvo, para que o que os participantes ficam sabendo nunca se perca. Escolha onde guardá-lo.</translation>
    </message>
    <message>
        <source>e-mail language: %1 (%2)
</source>
        <comment>IDS_CLI_MAIL_LANGUAGE</comment>
        <extracomment>kivvo-cli rules output, when the document has an e-mail language of its own.
%1: the language&apos;s own name; %2: its code</extracomment>
        <translation>idioma dos e-mails: %1 (%2)
</translation>
    </message>
    <message>
        <source>This list is empty. Add the first person with %1 or %2 → %3.</source>
        <comment>IDS_EMPTY_LIST_HINT</comment>
        <extracomment>Above an empty list in the main window.
%1: the Insert key&apos;s name; %2: the Exchange menu; %3: its item Add Person</extracomment>
        <translation>Esta lista está vazia. Adicione a primeira pessoa com %1 ou %2 → %3.</translation>
    </message>
    <message>
        <source>Draw Names needs at least three persons in the list</source>
        <comment>IDS_TIP_DRAW_NEEDS_THREE</comment>
        <extracomment>Tip of Draw Names while it is greyed.</extracomment>
        <translation>Para sortear, a lista precisa de pelo menos três pessoas</translation>
    </message>
    <message>
        <source>&amp;Export Participants...</source>
        <comment>IDS_MENU_EXPORT</comment>
        <translation>&amp;Exportar participantes...</translation>
    </message>
    <message>
        <source>Export Participants</source>
        <comment>IDS_EXPORT_TITLE</comment>
        <extracomment>Title of the file window that exports the participants.</extracomment>
        <translation>Exportar participantes</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <comment>IDS_EXPORT_FILTER_SPREADSHEET</comment>
        <extracomment>File type in the export&apos;s file window: UTF-8 with a byte-order mark and the list
separator of the user&apos;s language (a semicolon where numbers have a decimal comma).</extracomment>
        <translation>CSV para planilhas (*.csv)</translation>
    </message>
    <message>
        <source>Plain CSV (*.csv)</source>
        <comment>IDS_EXPORT_FILTER_PLAIN</comment>
        <extracomment>File type in the export&apos;s file window: UTF-8 with commas.</extracomment>
        <translation>CSV simples (*.csv)</translation>
    </message>
    <message>
        <source>Cannot export the participants to &quot;%1&quot;: %2.</source>
        <comment>IDS_EXPORT_ERROR</comment>
        <extracomment>Message box when the export failed.
%1: the file&apos;s path; %2: the reason</extracomment>
        <translation>Não é possível exportar os participantes para &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Line %1 looks like column headings Kivvo does not know (%2), so it is left out. The columns are read as name, address, suggestions and group.</source>
        <comment>IDS_IMPORT_UNKNOWN_HEADINGS</comment>
        <extracomment>Import Participants window and kivvo-cli import, when the file&apos;s first line names
its columns in words Kivvo does not know.
%1: the line number; %2: the line&apos;s fields, separated by commas</extracomment>
        <translation>A linha %1 parece conter cabeçalhos de coluna que o Kivvo não conhece (%2), por isso foi ignorada. As colunas são lidas como nome, endereço, sugestões e grupo.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <comment>IDS_PERSON_ADD_NEVER_DRAWS</comment>
        <extracomment>Person Properties window: puts the names typed under Never draws into the table.</extracomment>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <comment>IDS_PERSON_REMOVE_NEVER_DRAWS</comment>
        <extracomment>Person Properties window: takes the selected names out of Never draws.</extracomment>
        <translation>&amp;Remover</translation>
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
        <translation>Nos dois sentidos</translation>
    </message>
    <message>
        <source>Continued on the next card</source>
        <comment>IDS_CARD_CONTINUES</comment>
        <extracomment>Paper card, last line of a text too long for the card.</extracomment>
        <translation>Continua no próximo cartão</translation>
    </message>
    <message>
        <source>(continued)</source>
        <comment>IDS_CARD_CONTINUED</comment>
        <extracomment>Paper card, under the giver&apos;s name on a card that goes on with the card before.</extracomment>
        <translation>(continuação)</translation>
    </message>
    <message>
        <source>The rest is too long for the cards</source>
        <comment>IDS_CARD_TOO_LONG</comment>
        <extracomment>Paper card, last line of the last card a participant&apos;s texts may take.</extracomment>
        <translation>O restante é longo demais para os cartões</translation>
    </message>
    <message>
        <source>Gives and receives</source>
        <comment>IDS_ROLE_BOTH</comment>
        <extracomment>Role of a person, in the person window.</extracomment>
        <translation>Presenteia e recebe</translation>
    </message>
    <message>
        <source>Gives only</source>
        <comment>IDS_ROLE_GIVES</comment>
        <extracomment>Role of a person, in the person window.</extracomment>
        <translation>Só presenteia</translation>
    </message>
    <message>
        <source>Receives only</source>
        <comment>IDS_ROLE_RECEIVES</comment>
        <extracomment>Role of a person, in the person window.</extracomment>
        <translation>Só recebe</translation>
    </message>
    <message>
        <source>Ro&amp;le:</source>
        <comment>IDS_ROLE_LABEL</comment>
        <extracomment>Label in the person window; its &amp; letter differs from those of Add and Remove there.</extracomment>
        <translation>&amp;Papel:</translation>
    </message>
    <message>
        <source>&amp;Gifts per giver:</source>
        <comment>IDS_GIFTS_LABEL</comment>
        <extracomment>Label in the Rules window; its &amp; letter differs from those of the other rules there.</extracomment>
        <translation>&amp;Presentes por quem presenteia:</translation>
    </message>
    <message>
        <source>One circle needs every person to give and receive, with one gift each.</source>
        <comment>IDS_CIRCLE_UNAVAILABLE</comment>
        <extracomment>Rules window and messages: why &quot;one circle&quot; is not available.</extracomment>
        <translation>Um único círculo exige que todas as pessoas presenteiem e recebam, com um presente cada uma.</translation>
    </message>
    <message>
        <source>One circle needs every person to give and receive, with one gift each. Turn it off in Exchange &gt; Rules, or let every person give and receive one gift, then draw again.</source>
        <comment>IDS_DRAW_CIRCLE_NEEDS_ONE</comment>
        <extracomment>Why names cannot be drawn.</extracomment>
        <translation>Um único círculo exige que todas as pessoas presenteiem e recebam, com um presente cada uma. Desative-o em Troca &gt; Regras ou faça com que todas as pessoas deem e recebam um presente e sorteie novamente.</translation>
    </message>
    <message>
        <source>Nobody in this list gives a gift: every person receives only.</source>
        <comment>IDS_DRAW_NOBODY_GIVES</comment>
        <extracomment>Why names cannot be drawn.</extracomment>
        <translation>Ninguém nesta lista dá presente: todas as pessoas só recebem.</translation>
    </message>
    <message>
        <source>Nobody in this list receives a gift: every person gives only.</source>
        <comment>IDS_DRAW_NOBODY_RECEIVES</comment>
        <extracomment>Why names cannot be drawn.</extracomment>
        <translation>Ninguém nesta lista recebe presente: todas as pessoas só presenteiam.</translation>
    </message>
    <message>
        <source>Too few gifts: %1 persons receive a gift, but the givers give only %2 in all (%3 each).</source>
        <comment>IDS_DRAW_FEW_GIFTS</comment>
        <extracomment>Why names cannot be drawn. %1: persons who receive; %2: gifts given in all; %3: gifts per giver</extracomment>
        <translation>Poucos presentes: %1 pessoas recebem presente, mas quem presenteia dá só %2 no total (%3 cada um).</translation>
    </message>
    <message>
        <source> Persons who receive only: %1.</source>
        <comment>IDS_DRAW_RECEIVE_ONLY_COUNT</comment>
        <extracomment>Follows IDS_DRAW_FEW_GIFTS. %1: a number</extracomment>
        <translation> Pessoas que só recebem: %1.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Let more persons give, or raise the gifts per giver (Exchange &gt; Rules), then draw again.</source>
        <comment>IDS_DRAW_FEW_GIFTS_HINT</comment>
        <extracomment>Ends IDS_DRAW_FEW_GIFTS.</extracomment>
        <translation><byte value="xd"/>
<byte value="xd"/>
Deixe mais pessoas darem presentes ou aumente os presentes por quem presenteia (Troca &gt; Regras) e sorteie novamente.</translation>
    </message>
    <message>
        <source>The gifts of %1 (%2 in all) can go only to %3, who can take at most %4 of them.</source>
        <comment>IDS_DRAW_GIVERS_SHORT</comment>
        <extracomment>Why names cannot be drawn. %1: givers; %2: their gifts in all; %3: the persons they may give to; %4: a number</extracomment>
        <translation>Os presentes de %1 (%2 no total) só podem ir para %3, que podem receber no máximo %4 deles.</translation>
    </message>
    <message>
        <source>The gifts of %1 can go to nobody.</source>
        <comment>IDS_DRAW_GIVERS_SHORT_NOBODY</comment>
        <extracomment>Why names cannot be drawn. %1: givers</extracomment>
        <translation>Os presentes de %1 não podem ir para ninguém.</translation>
    </message>
    <message>
        <source>%1 must get at least %2 of the gifts, but only %3 may give to them, at most %4 in all.</source>
        <comment>IDS_DRAW_RECEIVERS_SHORT</comment>
        <extracomment>Why names cannot be drawn. %1: receivers; %2: a number; %3: givers; %4: a number</extracomment>
        <translation>%1 devem receber pelo menos %2 dos presentes, mas só %3 podem presenteá-los, no máximo %4 no total.</translation>
    </message>
    <message>
        <source>%1 must get at least %2 of the gifts, but nobody may give to them.</source>
        <comment>IDS_DRAW_RECEIVERS_SHORT_NOBODY</comment>
        <extracomment>Why names cannot be drawn. %1: receivers; %2: a number</extracomment>
        <translation>%1 devem receber pelo menos %2 dos presentes, mas ninguém pode presenteá-los.</translation>
    </message>
    <message>
        <source>In every drawing of this list, two persons would give to each other. Allow pairs who draw each other (Exchange &gt; Rules) or give fewer gifts each, then draw again.</source>
        <comment>IDS_DRAW_NO_MUTUAL_NONE</comment>
        <extracomment>Why names cannot be drawn.</extracomment>
        <translation>Em qualquer sorteio desta lista, duas pessoas presenteariam uma à outra. Permita pares recíprocos (Troca &gt; Regras) ou diminua os presentes por quem presenteia e sorteie novamente.</translation>
    </message>
    <message>
        <source>%1 has %2 drawn names instead of %3</source>
        <comment>IDS_CHECK_GIFT_COUNT</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the giver; %2, %3: numbers</extracomment>
        <translation>%1 tem %2 nomes sorteados em vez de %3</translation>
    </message>
    <message>
        <source>%1 receives only, but has a drawn name</source>
        <comment>IDS_CHECK_RECEIVES_ONLY</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: a person</extracomment>
        <translation>%1 só recebe, mas tem um nome sorteado</translation>
    </message>
    <message>
        <source>%1 gives only, but %2 drew him</source>
        <comment>IDS_CHECK_GIVES_ONLY_DRAWN</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the person drawn; %2: who drew him</extracomment>
        <translation>%1 só presenteia, mas %2 tirou esse nome</translation>
    </message>
    <message>
        <source>%1 drew %2 twice</source>
        <comment>IDS_CHECK_SAME_TWICE</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: the giver; %2: the person drawn</extracomment>
        <translation>%1 tirou %2 duas vezes</translation>
    </message>
    <message>
        <source>%1 gets %2 gifts, where every person gets %3</source>
        <comment>IDS_CHECK_RECEIVED_COUNT</comment>
        <extracomment>Problem with the drawn names, listed after a colon. %1: a person; %2: a number; %3: a number, or IDS_COUNT_OR</extracomment>
        <translation>%1 recebe %2 presentes, quando cada pessoa recebe %3</translation>
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
        <translation>Presentes para: %1</translation>
    </message>
    <message>
        <source>--role takes both, gives or receives, not &quot;%1&quot;</source>
        <comment>IDS_CLI_BAD_ROLE</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. Keep the option values in English. %1: the value given</extracomment>
        <translation>--role aceita both, gives ou receives, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--gifts takes a number from 1 to %1, not &quot;%2&quot;</source>
        <comment>IDS_CLI_BAD_GIFTS</comment>
        <extracomment>kivvo-cli usage error, after &quot;kivvo-cli: &quot;. %1: the largest number allowed; %2: the value given</extracomment>
        <translation>--gifts aceita um número de 1 a %1, não &quot;%2&quot;</translation>
    </message>
    <message>
        <source>gifts per giver: %1
</source>
        <comment>IDS_CLI_GIFTS_LINE</comment>
        <extracomment>kivvo-cli rules output.</extracomment>
        <translation>presentes por quem presenteia: %1
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
As pessoas sorteadas para %1 presentear são: %2.<byte value="xd"/>
<byte value="xd"/>
Obrigado!<byte value="xd"/>
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
As pessoas sorteadas para %1 presentear são: %2.<byte value="xd"/>
<byte value="xd"/>
As listas desta troca são longas demais para serem incluídas em cada e-mail: se quiser vê-las, peça a quem organiza o sorteio.<byte value="xd"/>
<byte value="xd"/>
Obrigado!<byte value="xd"/>
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
As pessoas sorteadas para %1 presentear são: %2.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Gift Suggestions for %1: %2</source>
        <comment>IDS_NOTE_SUGGESTIONS_FOR</comment>
        <extracomment>Notification e-mail, a giver with several recipients. %1: a recipient; %2: his suggestions. One line each, after the drawn names.</extracomment>
        <translation>Sugestões de presente para %1: %2</translation>
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
        <translation>só presenteia</translation>
    </message>
    <message>
        <source>receives only</source>
        <comment>IDS_ROLE_MARK_RECEIVES</comment>
        <extracomment>Mark after a name in the list.</extracomment>
        <translation>só recebe</translation>
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
        <translation>%1 só recebe e não dá presente: não há nada para informar.</translation>
    </message>
    <message>
        <source>Every giver gives from 1 to %1 gifts.</source>
        <comment>IDS_BAD_GIFTS</comment>
        <extracomment>Message.</extracomment>
        <translation>Cada pessoa que presenteia dá de 1 a %1 presentes.</translation>
    </message>
    <message>
        <source>Hand the screen to %1, then press Draw name.</source>
        <comment>IDS_STEP_HAND_TO</comment>
        <extracomment>The next step in the Draw names window, in words. &quot;Draw name&quot; is the first line of the button&apos;s text (IDS_REVEAL_DRAW). %1: the participant&apos;s name</extracomment>
        <translation>Passe a tela para %1 e depois pressione “Sortear nome”.</translation>
    </message>
    <message>
        <source>Press Show name to see whom %1 gives a gift to.</source>
        <comment>IDS_STEP_SHOW_FOR</comment>
        <extracomment>The next step in the View notifications window. &quot;Show name&quot; is the first line of the button&apos;s text (IDS_REVEAL_SHOW). %1: the participant&apos;s name</extracomment>
        <translation>Pressione “Mostrar nome” para ver para quem %1 dá um presente.</translation>
    </message>
    <message>
        <source>Read the name, then press Done to hide it again.</source>
        <comment>IDS_STEP_READ</comment>
        <extracomment>The next step while the drawn name is on the screen.</extracomment>
        <translation>Leia o nome e depois pressione “Concluído” para escondê-lo de novo.</translation>
    </message>
    <message>
        <source>Press Next and hand the screen to %1.</source>
        <comment>IDS_STEP_NEXT_TO</comment>
        <extracomment>The next step in the Draw names window after Done. %1: the next participant&apos;s name</extracomment>
        <translation>Pressione “Próximo” e passe a tela para %1.</translation>
    </message>
    <message>
        <source>Press Next to go on to %1.</source>
        <comment>IDS_STEP_NEXT_SHOW</comment>
        <extracomment>The next step in the View notifications window after Done. %1: the next participant&apos;s name</extracomment>
        <translation>Pressione “Próximo” para passar para %1.</translation>
    </message>
    <message>
        <source>Press Next to go on to those who have not looked yet.</source>
        <comment>IDS_STEP_GO_ON</comment>
        <translation>Pressione “Próximo” para passar a quem ainda não olhou.</translation>
    </message>
    <message>
        <source>Press Previous to go back to those who have not looked yet.</source>
        <comment>IDS_STEP_GO_BACK</comment>
        <translation>Pressione “Anterior” para voltar a quem ainda não olhou.</translation>
    </message>
    <message>
        <source>Click OK to close this window.</source>
        <comment>IDS_STEP_CLICK_OK</comment>
        <extracomment>The last step of the Draw names window, once every name was seen.</extracomment>
        <translation>Clique em OK para fechar esta janela.</translation>
    </message>
    <message>
        <source>Everybody has seen his name.</source>
        <comment>IDS_ROUND_ALL_LOOKED</comment>
        <extracomment>Closing screen of the Draw names window.</extracomment>
        <translation>Todos já viram o seu nome.</translation>
    </message>
    <message>
        <source>Every name has been shown.</source>
        <comment>IDS_ROUND_ALL_SHOWN</comment>
        <extracomment>Closing screen of the View notifications window.</extracomment>
        <translation>Todos os nomes foram mostrados.</translation>
    </message>
    <message>
        <source>Not everybody has seen his name in the round. Would you like to send emails now?</source>
        <comment>IDS_ASK_SEND_NOT_ALL_LOOKED</comment>
        <extracomment>Question after a round that was ended before everybody had seen his name.</extracomment>
        <translation>Nem todos viram o seu nome na rodada. Deseja enviar os e-mails agora?</translation>
    </message>
    <message>
        <source>Participant</source>
        <comment>IDS_SEND_COLUMN_PERSON</comment>
        <extracomment>Column headings of the sending window.</extracomment>
        <translation>Participante</translation>
    </message>
    <message>
        <source>Address</source>
        <comment>IDS_SEND_COLUMN_ADDRESS</comment>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Outcome</source>
        <comment>IDS_SEND_COLUMN_OUTCOME</comment>
        <translation>Resultado</translation>
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
        <translation>Aguardando</translation>
    </message>
    <message>
        <source>Sent</source>
        <comment>IDS_OUTCOME_SENT</comment>
        <extracomment>One participant&apos;s outcome in the sending window: the server confirmed his e-mail.</extracomment>
        <translation>Enviado</translation>
    </message>
    <message>
        <source>Skipped</source>
        <comment>IDS_OUTCOME_SKIPPED</comment>
        <extracomment>One participant&apos;s outcome in the sending window: he has no address.</extracomment>
        <translation>Ignorado</translation>
    </message>
    <message>
        <source>Failed</source>
        <comment>IDS_OUTCOME_FAILED</comment>
        <extracomment>One participant&apos;s outcome in the sending window: the server refused his e-mail.</extracomment>
        <translation>Falhou</translation>
    </message>
    <message>
        <source>Not sent</source>
        <comment>IDS_OUTCOME_NOT_SENT</comment>
        <extracomment>One participant&apos;s outcome in the sending window: sending stopped before his e-mail.</extracomment>
        <translation>Não enviado</translation>
    </message>
    <message>
        <source>no email address</source>
        <comment>IDS_OUTCOME_NO_ADDRESS</comment>
        <extracomment>Reason column of the sending window for a participant without an address.</extracomment>
        <translation>sem endereço de e-mail</translation>
    </message>
    <message numerus="yes">
        <source>The drawing was repaired: %1 of the givers got other recipients for some of their gifts; everybody else keeps the ones he drew.</source>
        <comment>IDS_REPAIR_DONE_GIFTS</comment>
        <extracomment>After a repair of a drawing in which every giver draws several recipients.
%1: how many givers got other recipients</extracomment>
        <translation>
            <numerusform>O sorteio foi reparado: %1 dos que presenteiam recebeu outros destinatários para alguns dos seus presentes; todos os outros mantêm os seus.</numerusform>
            <numerusform>O sorteio foi reparado: %1 dos que presenteiam receberam outros destinatários para alguns dos seus presentes; todos os outros mantêm os seus.</numerusform>
        </translation>
    </message>
    <message>
        <source>The list changed after its names were drawn.<byte value="xd"/>
<byte value="xd"/>
Repair the drawing: every rule is kept, and as few of the drawn names as possible change, so that only the givers concerned need to be told again. Or draw again: everybody draws anew and must be told again.</source>
        <comment>IDS_ASK_REPAIR_GIFTS</comment>
        <extracomment>Asked by Draw Names when the list changed after its names were drawn and every giver draws several recipients.</extracomment>
        <translation>A lista mudou depois que os nomes foram sorteados.<byte value="xd"/>
<byte value="xd"/>
Reparar o sorteio: todas as regras valem e muda o mínimo possível de nomes sorteados, de modo que só os que presenteiam afetados precisam ser avisados de novo. Ou sortear de novo: todos sorteiam de novo e precisam ser avisados de novo.</translation>
    </message>
</context>
</TS>
