// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form4.h"

#include "Versione.h"

#include "engine/LetturaNumeri.h"
#include "model/Testo.h"
#include "ui/Decimale.h"

#include <algorithm>
#include <cstddef>
#include <span>
#include <string>

namespace girolino::ui {

namespace {

const char* const nessunRisultato = "--------";

// The six chances the progression can be played on, in the order the search tries them.
constexpr auto chancePari = std::span(TESTI_CHANCE).first<NUM_CHANCE_SEMPLICI>();

// The longest stretch of misses of any even chance.
std::int64_t ritardoPiuLungo(const TPartita& partita, int n) {
    std::int64_t piuLungo = 0;
    for (const auto chance : chancePari) {
        const TInfoChance info = *infoChance(chance);
        const TSerieMancate serie = serieMancate(
            colpiDelNastro(nastroDellaFamiglia(partita, info.famiglia), n, info.lettera));
        const auto chiusa = static_cast<std::int64_t>(serie.chiuse.size()) - 1;
        piuLungo = std::max({piuLungo, chiusa, serie.aperta});
    }
    return piuLungo;
}

} // namespace

TForm4::TForm4(TPiattaforma& p, const TPartita& partita)
    : TForm(p, "TForm4", formatta(TESTO("%1 - Analisi Chance Semplici"), nomeProgramma), 838, 559),
      partita_(partita) {
    id_ = costruisciForm4(*this);
}

void TForm4::impostaTitolo(const std::string& titolo) {
    setTesto(id_.titolo, titolo);
    setTesto(id_.ombra, titolo);
}

void TForm4::titoloRichiesta() {
    impostaTitolo(
        formatta(TESTO("Calcola %1 della Chance Semplice %2"), testo(id_.tipo), testo(id_.chance)));
}

void TForm4::apriAnalisi(bool ultimoNumeroVuoto) {
    if (ultimoNumeroVuoto) return;
    titoloRichiesta();
    calcolaIstogramma();
    simulaProgressione();
    mostra();
}

void TForm4::calcolaIstogramma() {
    const auto tipo = tipoIstogrammaDaTesto(testo(id_.tipo));
    const std::string& chance = testo(id_.chance);
    // A kind or a chance the window does not know counts nothing: the rows show zeros, while
    // the captions and the title stay as they are.
    TIstogramma istogramma{};
    if (tipo) {
        const bool ritardi = *tipo == TTipoIstogramma::Ritardi;
        // The last row also counts every longer delay or run.
        for (int k = 1; k <= RIGHE; ++k) {
            std::string lunghezza(TDecimale(k).testo());
            if (k == RIGHE) lunghezza += '+';
            setTesto(id_.didascalia[k],
                     formatta(ritardi ? TESTO("Max Rit %1") : TESTO("Max Sort %1"), lunghezza));
        }
        if (const auto contati = girolino::calcolaIstogramma(partita_, n(), chance, *tipo)) {
            istogramma = *contati;
            impostaTitolo(
                formatta(ritardi ? TESTO("I Massimi Ritardi toccati dalla Chance Semplice: %1")
                                 : TESTO("Le Massime Sortite toccate dalla Chance Semplice: %1"),
                         chance));
        }
    }
    const std::int32_t massimo = massimoBarreIstogramma(istogramma);
    for (int k = 1; k <= RIGHE; ++k) {
        const std::int32_t conteggio = istogramma[k];
        setTesto(id_.conteggio[k], TDecimale(conteggio));
        setColoreFont(id_.conteggio[k], conteggio != 0 ? clRed : clBlack);
        setBarra(id_.barra[k], 0, massimo, conteggio);
    }
}

std::optional<int> TForm4::leggiImpostazione(int idCombo) {
    const std::string& t = testo(idCombo);
    const auto v = leggiIntero(t);
    // An emptied field is a number being typed, not a mistake: nothing to compute yet.
    if (!v && !t.empty())
        piattaforma().errore(formatta(TESTO("'%1' non è un valore intero valido."), t));
    return v;
}

void TForm4::mostraTotali(const TProgressione& p) {
    setTesto(id_.giocate, TDecimale(p.giocate));
    setTesto(id_.puntate, TDecimale(p.puntate));
    setTesto(id_.riuscite, TDecimale(p.riuscite));
    setTesto(id_.vinte, TDecimale(p.vinte));
    setTesto(id_.guadagnate, TDecimale(p.guadagnate()));
    tassoUltimo_ = p.tasso();
    setTesto(id_.tasso, testoTasso(tassoUltimo_));
}

void TForm4::simulaProgressione() {
    const auto info = infoChance(testo(id_.chance));
    if (!info || !info->simulabile) return;
    const auto ritardo = leggiImpostazione(id_.ritardo);
    if (!ritardo) return;
    const auto mani = leggiImpostazione(id_.mani);
    if (!mani) return;
    // An entry delay or a hand limit below 1 plays nothing: zero totals, no rate.
    mostraTotali(*girolino::simulaProgressione(partita_, n(), testo(id_.chance), *ritardo, *mani));
}

void TForm4::cercaMigliorTasso() {
    const auto maxRitardo = leggiImpostazione(id_.maxRitardo);
    if (!maxRitardo) return;
    // The hand limit is only read when there is a delay to try it with.
    std::optional<int> maxMani = 0;
    if (*maxRitardo >= 1) maxMani = leggiImpostazione(id_.maxMani);
    if (!maxMani) return;

    // A delay longer than every stretch of misses never plays, so the search stops there
    // (a typed limit of a million would otherwise run for ages).
    const auto r = std::min<std::int64_t>(*maxRitardo, ritardoPiuLungo(partita_, n()));
    const int h = std::min(*maxMani, MAX_MANI);
    const auto migliore = girolino::cercaMigliorTasso(partita_, n(), static_cast<int>(r), h);
    if (migliore) {
        setTesto(id_.migliore, migliore->nome);
        setTesto(id_.miglioreTasso, testoTasso(migliore->tasso));
    } else {
        setTesto(id_.migliore, nessunRisultato);
        setTesto(id_.miglioreTasso, nessunRisultato);
    }

    // The search plays every combination in turn through the totals, the last one being Pass
    // at the two limits; the user's own setting is then played again. A chance that cannot
    // be played leaves the totals of that last combination.
    if (*maxRitardo >= 1 && *maxMani >= 1)
        mostraTotali(
            *girolino::simulaProgressione(partita_, n(), chancePari.back(), *maxRitardo, *maxMani));
    simulaProgressione();
}

void TForm4::aggiornaSimulazione() {
    const auto info = infoChance(testo(id_.chance));
    const bool simulabile = info && info->simulabile;
    setAbilitato(id_.simula, simulabile);
    if (simulabile) simulaProgressione();
}

void TForm4::click(int id) {
    if (id == id_.istogramma) {
        calcolaIstogramma();
    } else if (id == id_.simula) {
        simulaProgressione();
    } else if (id == id_.cerca) {
        cercaMigliorTasso();
    } else if (const auto* r = std::find(id_.rapido.begin(), id_.rapido.end(), id);
               r != id_.rapido.end()) {
        // The quick panels stand for the chance items in their order.
        const auto k = static_cast<std::size_t>(r - id_.rapido.begin());
        setTesto(id_.chance, controllo(id_.chance).voci.at(k));
        calcolaIstogramma();
        aggiornaSimulazione();
    } else if (id == id_.aiuto) {
        piattaforma().messaggio(TESTO(
            "In questa scheda ti vengono mostrati i massimi ritardi o le massime sortite per ogni "
            "tipo di chance semplice. Puoi scegliere se cercare i ritardi o le sortite e su che "
            "tipo di chance semplice fare l'analisi, per impostare i parametri puoi usare le "
            "finestrelle a scelta multipla o i pulsanti. Se ad esempio la chance semplice Rosso "
            "ha un valore di 5 su Max Rit 1 e un valore di 3 su Max Rit 2 significa che il Rosso "
            "per 5 volte ha avuto un ritardo di 1 prima di uscire nuovamente e per 3 volte un "
            "ritardo di 2 prima di uscire. Inoltre significa che non ha mai superato il ritardo "
            "di 2."));
    } else if (id == id_.aiutoTasso) {
        piattaforma().messaggio(TESTO(
            "In questo pannello puoi calcolare il tasso di conversione (ovvero di successo) per "
            "le chance semplici giocando quando il ritardo è 1-2-3-4-5 e per 1-2-3-4-5 mani di "
            "seguito. Ad esempio se ci viene indicato che il Rosso ha un tasso di 1.0 per le "
            "impostazioni 2 - 1 significa che basandosi su tutti i numeri usciti fino adesso "
            "giocando il rosso al secondo ritardo e per massimo 1 estrazione successiva si è "
            "vinta una unità ad ogni giocata. Nel pannello dei risultati vengono mostrati tutti i "
            "dati relativi, avremo infatti: il totale delle giocate eseguite (1 ad ogni mano), il "
            "totale delle fiches puntate(1 alla prima mano, 2 alla seconda, 4 alla terza, ecc.), "
            "il totale delle fiches guadagnate (totale vinte - totale puntate), il totale delle "
            "giocate riuscite (che hanno avuto successo), il totale delle fiches vinte (2 alla "
            "prima mano, 4 alla seconda, 8 alla terza, ecc.) e il tasso di conversione che è "
            "appunto: Totale Guadagnate diviso Mani Giocate."));
    } else if (id == id_.aiutoCerca) {
        piattaforma().messaggio(TESTO(
            "Con questa funziona puoi scoprire quale chance semplice ha il miglior tasso di "
            "conversione, ti verrà mostrata la chance semplice, il ritardo in cui iniziare a "
            "giocare e per quante mani giocare. Se ad esempio ti viene riportato che Rosso 1-2 "
            "ha un tasso di conversione di 1.0 significa che tra tutte le chance semplici la "
            "giocata Rosso al primo ritardo e giocata per 2 mani di seguito ha collezionato 1 "
            "fiche di guadagno ad ogni mano ed è la combinazione che ha avuto il miglior "
            "risultato fino a quel momento."));
    }
}

void TForm4::cambiato(int id) {
    if (id == id_.tipo) {
        titoloRichiesta();
        calcolaIstogramma();
    } else if (id == id_.chance || id == id_.ritardo || id == id_.mani || id == id_.maxRitardo ||
               id == id_.maxMani) {
        titoloRichiesta();
        calcolaIstogramma();
        aggiornaSimulazione();
    }
}

} // namespace girolino::ui
