// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Aiuto.h"

#include "Versione.h"
#include "model/Testo.h"

namespace girolino::ui {

std::string indirizzoPagina(std::string_view percorso) {
    std::string_view sito = indirizzoSito;
    while (!sito.empty() && sito.back() == '/') sito.remove_suffix(1);
    while (!percorso.empty() && percorso.front() == '/') percorso.remove_prefix(1);
    return std::string(sito) + "/" + std::string(percorso);
}

std::string testoInfo() {
    return formatta(
        TESTO("%1 versione %2\n\n"
              "Tiene le statistiche di una roulette a zero singolo: ritardi, massimi ritardi e "
              "sortite di numeri, chance semplici e gruppi, numero dopo numero.\n\n"
              "Ogni boule è indipendente da quelle precedenti: nessuna statistica può prevedere "
              "il prossimo numero.\n\n"
              "Software libero: si può ridistribuire e modificare secondo i termini della GNU "
              "General Public License, versione 3 o successiva (GPL-3.0-or-later). Viene fornito "
              "senza alcuna garanzia."),
        girolino::nomeProgramma, girolino::versioneProgramma);
}

TComandiAiuto::TComandiAiuto(TPiattaforma& p, TForm15& aiuto, TForm16& pulsanti, TForm17& regole)
    : piattaforma_(p), aiuto_(aiuto), pulsanti_(pulsanti), regole_(regole) {}

void TComandiAiuto::controllaRegole() {
    if (!piattaforma_.impostazioniDisponibili()) return;
    const auto mostra = piattaforma_.leggiImpostazione(chiaveMostraRegole);
    if (!mostra) piattaforma_.scriviImpostazione(chiaveMostraRegole, true);
    if (mostra.value_or(true)) regole_.mostra();
}

void TComandiAiuto::aiuto() {
    aiuto_.mostraModale();
}
void TComandiAiuto::aiutoPulsanti() {
    pulsanti_.mostraModale();
}

// The browser is started and left alone: whether it opened is not our concern.
void TComandiAiuto::guidaAllUso() {
    piattaforma_.apriIndirizzo(indirizzoPagina(percorsoGuida));
}
void TComandiAiuto::sitoWebUfficiale() {
    piattaforma_.apriIndirizzo(std::string(indirizzoSito));
}
void TComandiAiuto::suggerisciUnMiglioramento() {
    piattaforma_.apriIndirizzo(indirizzoPagina(percorsoContatti));
}

void TComandiAiuto::regoleDiUtilizzo() {
    regole_.mostra();
}
void TComandiAiuto::info() {
    piattaforma_.messaggio(testoInfo());
}

bool TComandiAiuto::eseguiVoce(std::string_view nomeVoce) {
    struct TVoce {
        std::string_view nome;
        void (TComandiAiuto::*comando)();
    };
    static constexpr TVoce voci[] = {
        {"Aiuto1", &TComandiAiuto::aiuto},
        {"GuidaallUso1", &TComandiAiuto::guidaAllUso},
        {"SitoWebUfficiale1", &TComandiAiuto::sitoWebUfficiale},
        {"SuggerisciUnMiglioramento1", &TComandiAiuto::suggerisciUnMiglioramento},
        {"RegolediUtilizzo1", &TComandiAiuto::regoleDiUtilizzo},
        {"Info2", &TComandiAiuto::info},
    };
    for (const auto& v : voci) {
        if (v.nome != nomeVoce) continue;
        (this->*v.comando)();
        return true;
    }
    return false;
}

} // namespace girolino::ui
