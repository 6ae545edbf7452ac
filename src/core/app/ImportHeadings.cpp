#include "app/ImportHeadings.h"

#include <QHash>

#include <algorithm>

namespace {

// A word that is the given name beside a family name, the family name beside a given name,
// and the whole name alone: "Nombre, Apellidos", "Prénom, Nom", "Nome, Cognome".
constexpr int kNameOrPart = 100;

// The letters and digits of a heading in one case, without accents: "E-Mail-Adresse" and
// "email adresse" are one heading, as are "Prénom" and "prenom".
QString Key(const QString& strHeading)
{
    QString strKey;
    for (const QChar ch : strHeading.normalized(QString::NormalizationForm_D)) {
        if (ch.isLetterOrNumber())
            strKey += ch.toCaseFolded();
    }
    return strKey;
}

const QHash<QString, int>& Headings()
{
    using R = CImportHeadings;
    // In English, German, Spanish, French, Italian, Dutch, Polish and Portuguese, as Kivvo
    // writes them and as address books and mail programs export their contacts. An address
    // book's categories and labels are no households: they are left out.
    static const QHash<QString, int> headings = [] {
        // "|" between headings.
        const std::pair<int, const char*> words[] = {
            {R::roleName, "name|full name|display name|participant|person"},
            {R::roleName, "vollständiger name|anzeigename|teilnehmer|teilnehmerin"},
            {R::roleName, "nombre completo|nombre para mostrar|participante|persona"},
            {R::roleName, "nom complet|nom à afficher|nom affiché|personne"},
            {R::roleName, "nome completo|nome visualizzato|partecipante"},
            {R::roleName, "naam|volledige naam|weergavenaam|deelnemer|persoon"},
            {R::roleName, "imię i nazwisko|nazwa wyświetlana|uczestnik|osoba"},
            {R::roleName, "nome de exibição|nome para exibição|pessoa"},
            {R::roleGivenName, "first name|given name|forename|vorname|nombre de pila|prénom"},
            {R::roleGivenName, "nome proprio|voornaam|imię|primeiro nome|nome próprio"},
            {R::roleFamilyName,
             "last name|family name|surname|nachname|familienname|apellidos|apellido"},
            {R::roleFamilyName,
             "nom de famille|cognome|achternaam|nazwisko|sobrenome|apelido|apelidos"},
            {kNameOrPart, "nombre|nom|nome"},
            {R::roleAddress, "address|e-mail|mail|e-mail address|primary email|e-mail 1 - value"},
            {R::roleAddress, "e-mail-adresse|primäre e-mail-adresse"},
            {R::roleAddress,
             "correo electrónico|correo|dirección de correo electrónico|dirección de correo"},
            {R::roleAddress, "courriel|adresse e-mail|adresse mail|adresse électronique"},
            {R::roleAddress, "adresse de messagerie|adresse électronique principale"},
            {R::roleAddress, "indirizzo e-mail|indirizzo posta elettronica|posta elettronica"},
            {R::roleAddress, "indirizzo di posta elettronica|e-mailadres|adres e-mail"},
            {R::roleAddress,
             "endereço de e-mail|endereço de correio eletrônico|correio eletrônico"},
            {R::roleAddress, "endereço de correio electrónico"},
            {R::roleSuggestions,
             "suggestions|gift suggestions|gift ideas|wishes|wish list|notes|note"},
            {R::roleSuggestions,
             "notizen|notiz|anmerkungen|wünsche|wunschliste|geschenkideen|vorschläge"},
            {R::roleSuggestions, "notas|nota|sugerencias|deseos|lista de deseos|ideas de regalo"},
            {R::roleSuggestions, "souhaits|liste de souhaits|idées cadeaux|idées de cadeaux"},
            {R::roleSuggestions, "suggerimenti|desideri|lista dei desideri|idee regalo"},
            {R::roleSuggestions, "notities|notitie|opmerkingen|suggesties|wensen|verlanglijst"},
            {R::roleSuggestions,
             "cadeau-ideeën|notatki|notatka|uwagi|sugestie|życzenia|lista życzeń"},
            {R::roleSuggestions, "pomysły na prezent|anotações|observações|sugestões|desejos"},
            {R::roleSuggestions, "lista de desejos|ideias de presente"},
            {R::roleGroup, "group|household|family|gruppe|haushalt|familie|grupo|hogar|familia"},
            {R::roleGroup,
             "groupe|foyer|famille|gruppo|famiglia|nucleo familiare|groep|huishouden"},
            {R::roleGroup, "gezin|grupa|gospodarstwo domowe|rodzina|agregado familiar"},
        };
        QHash<QString, int> keys;
        for (const auto& [nRole, pszWords] : words) {
            for (const QString& strWord : QString::fromUtf8(pszWords).split(u'|'))
                keys.insert(Key(strWord), nRole);
        }
        return keys;
    }();
    return headings;
}

} // namespace

int CImportHeadings::RoleOf(const QString& strField)
{
    return Headings().value(Key(strField), roleNone);
}

bool CImportHeadings::IsKnown(const QString& strField)
{
    return RoleOf(strField) != roleNone;
}

bool CImportHeadings::Roles(const QStringList& fields, QList<int>& roles)
{
    if (std::any_of(fields.cbegin(), fields.cend(),
                    [](const QString& strField) { return strField.contains(u'@'); }))
        return false;
    QList<int> found;
    for (const QString& strField : fields) {
        const int nRole = RoleOf(strField);
        found.append(found.contains(nRole) ? int(roleNone) : nRole);
    }
    const bool bGiven = found.contains(roleGivenName);
    const bool bFamily = found.contains(roleFamilyName);
    const int nPart = bFamily && !bGiven   ? roleGivenName
                      : bGiven && !bFamily ? roleFamilyName
                                           : roleName;
    for (int& nRole : found) {
        if (nRole == kNameOrPart)
            nRole = found.contains(nPart) ? int(roleNone) : nPart;
    }
    if (!found.contains(roleName) && !found.contains(roleGivenName) &&
        !found.contains(roleFamilyName))
        return false;
    roles = found;
    return true;
}
