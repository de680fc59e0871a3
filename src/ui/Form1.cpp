// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form1.h"

#include "engine/Annulla.h"
#include "model/Testo.h"
#include "ui/Decimale.h"
#include "ui/Form1Layout.h"
#include "ui/Form5.h"

#include <string>

namespace girolino::ui {

namespace {

// The help buttons SpeedButton51..55 and what each explains.
constexpr std::array<std::string_view, 5> testiAiuto = {
    TESTO("Tramite questi pulsanti puoi far estrarre un tot di numeri casuali, in questo modo "
          "puoi simulare una sessione di gioco per poter fare dei test con un tuo sistema di "
          "gioco. Puoi anche scrivere esattamente quanti numeri estrarre e cliccare il pulsante "
          "'Vai'."),

    TESTO("In questa parte del programma ti vengono mostrati i 5 numeri che hanno accumulato il "
          "maggior ritardo di sortita, i 5 numeri più frequenti, ovvero che sono usciti "
          "maggiormente, i 5 numeri meno frequenti, ovvero che sono usciti meno degli altri e i "
          "5 numeri più probabili, ovvero che hanno il rapporto 'Ritardo / Massimo Ritardo' "
          "superiore agli altri. Se ad esempio un numero ha accumulato un ritardo di 80 "
          "estrazioni e ha un Massimo Ritardo di 50 estrazioni (ovvero che al massimo fino ad "
          "ora ha ritardato di 50 estrazioni) allora avrà un tasso di probabilità di 30 (80 - "
          "50)."),

    TESTO("Indica un numero di ritardo e quando una chance semplice (o una dozzina, colonna) "
          "avrà un ritardo superiore al numero da te indicato ti verrà segnalato."),

    TESTO("Indica un numero di ripetizioni e quando una chance semplice (o una dozzina, "
          "colonna) avrà una ripetizione superiore al numero da te indicato ti verrà segnalato."),

    TESTO("In questa parte del programma ti vengono mostrate le duine, le terzine, le quartine, "
          "le sestine e le ennine (gruppi di 9 numeri) che hanno maggior ritardo (o maggiore "
          "frequenza). Con il pulsante più in basso 'Guarda tutte ....' puoi aprire un pannello "
          "in cui ti verranno mostrate tutte le combinazioni del tipo di gruppo da te "
          "selezionato con le loro statistiche."),
};

} // namespace

TForm1::TForm1(TPiattaforma& p, TPartita& partita)
    : TForm(p, "TForm1", captionForm1, larghezzaForm1, altezzaForm1), partita_(partita),
      estrattore_([&p] { return p.orologio(); }, p.orologio()) {
    ids_ = costruisciForm1(*this);
    cercaIdentificativi();
    cercaIdentificativiElenchi();
    partita_.seguiUltimo = true;
    banner_.testo = testo(ids_.banner);
    mostraLinguaScelta();
}

void TForm1::cercaIdentificativi() {
    numeroDelPulsante_.assign(numControlli(), -1);
    numeroDellEtichetta_.assign(numControlli(), -1);
    for (int n = 0; n < NUMERI; ++n) {
        numeroDelPulsante_[ids_.pulsanti[n]] = n;
        numeroDellEtichetta_[ids_.etichette[n]] = n;
    }
    comandoDelControllo_.assign(numControlli(), nullptr);
    comandoDellaVoce_.assign(menu().size(), nullptr);
    for (const auto& c : comandiFinestre) {
        if (!c.controllo.empty()) comandoDelControllo_[id(c.controllo)] = c.comando;
        if (!c.voce.empty()) comandoDellaVoce_[idMenu(c.voce)] = c.comando;
    }
}

void TForm1::collegaTastiera(TForm5& tastiera) {
    tastiera_ = &tastiera;
}

void TForm1::collegaAnalisi(TOsservatoriAnalisi* analisi) {
    analisi_ = analisi;
}

void TForm1::collegaComandi(TComandiFinestre* comandi) {
    comandi_ = comandi;
}

void TForm1::avvia() {
    girolino::pulisciPartita(partita_);
    mostra();
}

void TForm1::click(int id) {
    if (id < 0 || id >= static_cast<int>(numControlli())) return;
    if (const int n = numeroDelPulsante_[id]; n >= 0) {
        inserisciNumero(n);
        return;
    }
    if (const int n = numeroDellEtichetta_[id]; n >= 0) {
        cercavicini(TDecimale(n));
        avviaTimer(ids_.timer3, true); // the marks last five seconds from the last click
        return;
    }
    if (const auto comando = comandoDelControllo_[id]; comando) {
        if (comandi_ && controllo(id).abilitato) (comandi_->*comando)();
        return;
    }
    const auto& i = ids_;
    for (int k = 0; k < 6; ++k)
        if (id == i.casuali[k]) return estraiCasuali(ESTRAZIONI_FISSE[k]);
    for (int k = 0; k < 5; ++k)
        if (id == i.aiuti[k]) return piattaforma().messaggio(std::string(testiAiuto[k]));

    if (id == i.vai) {
        vai();
    } else if (id == i.annulla) {
        if (controllo(id).abilitato) annullaUltimo();
    } else if (id == i.salva) {
        if (controllo(id).abilitato) salva();
    } else if (id == i.apri) {
        apri();
    } else if (id == i.nuova) {
        nuovaPartita();
    } else if (id == i.tastiera) {
        if (tastiera_) tastiera_->mostra();
    } else if (id == i.grassetto) {
        if (spuntato(id))
            numeriBold();
        else
            numeriNoBold();
    } else if (id == i.rosso) {
        if (spuntato(id))
            colorarosso();
        else
            coloraNorosso();
    } else if (id == i.segnalaRitardo || id == i.segnalaRipetizioni) {
        ritardisignificativi();
    } else if (id == i.perRitardo || id == i.perFrequenza) {
        calcoliCalcola();
    }
}

void TForm1::invio(int id) {
    if (id == idEditNumero_) return invioNumero(*this, id);
    if (id == ids_.edit1) vai();
}

void TForm1::tick(int id) {
    if (id == ids_.timer3) pulisciNumeri();
}

void TForm1::voceMenu(int idVoce) {
    if (idVoce < 0 || idVoce >= static_cast<int>(menu().size())) return;
    if (voceElenchi(idVoce)) return;
    if (voceLingua(idVoce)) return;
    if (idVoce == ids_.voceVicini) return mostraViciniDelPiuRitardatario();
    if (idVoce == ids_.voceSalva) {
        if (menu()[idVoce].abilitata) salva();
        return;
    }
    if (idVoce == ids_.voceSalvaConNome) {
        salvaConNome();
        return;
    }
    if (idVoce == ids_.voceApri) return apri();
    if (!comandi_) return;
    if (const auto comando = comandoDellaVoce_[idVoce]; comando) return (comandi_->*comando)();
    comandi_->voceAiuto(menu()[idVoce].nome);
}

bool TForm1::chiusuraRichiesta() {
    if (importazioneInCorso()) return false; // a half-entered list is no game to save
    return chiudi();
}

} // namespace girolino::ui
