// SPDX-License-Identifier: GPL-3.0-or-later
// girolino-cli stat FILE [--json] [--vicini K]: the statistics of a game.

#include "Versione.h"
#include "cli/Comandi.h"
#include "cli/Ingresso.h"
#include "cli/StampaStatistiche.h"
#include "engine/StatistichePartita.h"
#include "lingua/Traduttore.h"
#include "model/Testo.h"

#include <CLI/CLI.hpp>

#include <charconv>
#include <string>

namespace girolino::cli {

namespace {

constexpr int VICINI_PREDEFINITI = 2;

// %1 is the desktop program's name.
constexpr const char* AIUTO = TESTO(
    "Legge i giri di una partita e confronta le uscite osservate con quelle attese su una ruota\n"
    "equa a zero singolo.\n"
    "\n"
    "FILE può essere:\n"
    "  - un elenco di numeri (.txt, .csv): uno o più numeri da 0 a 36 per riga, separati da\n"
    "    spazi, virgole, punti e virgola o tabulazioni, dal più vecchio al più recente; righe\n"
    "    vuote e righe che iniziano con # ignorate; oppure un CSV con una riga di intestazione\n"
    "    che ha una colonna \"numero\" (o number, numbers, result, risultato, pocket, winning\n"
    "    number);\n"
    "  - una partita salvata (.fvr), con i suoi nastri dove %1 li tiene;\n"
    "  - \"-\": un elenco di numeri dallo standard input.\n"
    "I giri vengono inseriti uno per uno come nel programma: i contatori sono quelli che\n"
    "%1 mostra dopo aver inserito gli stessi numeri (o aperto la stessa partita).");

constexpr const char* PIEDE = TESTO(
    "Righe stampate: i 37 numeri, le 12 chance (Rosso, Nero, Pari, Dispari, Manq, Pass,\n"
    "Doz 1-3, Col 1-3), i 4 settori (Voisins du zéro, Tiers du cylindre, Orphelins, Jeu zéro),\n"
    "i 37 archi di K vicini per lato in ordine di ruota a partire da quello centrato sullo 0.\n"
    "Per ognuna: Ritardo, Max Rit (la più lunga assenza chiusa da un'uscita), Sortite, Attese\n"
    "(giri × probabilità), z = (Sortite − Attese) / √(giri·p·(1 − p)) e Prob. Max Rit, la\n"
    "probabilità che una ruota equa dia, negli stessi giri, un'assenza di almeno Max Rit giri\n"
    "(chiusa o ancora in corso).\n"
    "Test del chi quadro sui 37 numeri, 36 gradi di libertà: con meno di 185 giri il p-value\n"
    "non viene dato (troppo pochi giri).\n"
    "\n"
    "Con --json stampa un solo documento JSON:\n"
    "  {\"giri\": n, \"numeri\": [...37], \"chance\": [...12], \"settori\": [...4],\n"
    "   \"archi\": [...37], \"chi_quadro\": {\"valore\": x, \"gradi_liberta\": 36, \"p\": p}}\n"
    "con righe {\"nome\", \"ritardo\", \"max_ritardo\", \"sortite\", \"attese\", \"z\",\n"
    "\"p_max_ritardo\"} (probabilità da 0 a 1); \"p\" è null sotto i 185 giri.\n"
    "\n"
    "Esito: 0 riuscito; 2 rifiutato (file illeggibile, elenco non valido, opzione sconosciuta,\n"
    "--vicini fuori da 1..4), con il motivo sullo standard error e nulla sullo standard output.\n"
    "Nessuna statistica sui giri passati prevede il prossimo numero.");

class TComandoStat : public TComando {
public:
    void dichiara(CLI::App& sotto, const lingua::TTraduttore& tr) override {
        sotto.description(sotto.get_description() + "\n\n" +
                          tr.traduci(formatta(AIUTO, nomeProgramma)));
        sotto.footer(tr.traduci(PIEDE));
        sotto
            .add_option("FILE", file_,
                        tr.traduci(TESTO("Elenco di numeri, partita .fvr, o - per lo standard "
                                         "input")))
            ->type_name("");
        sotto.add_flag("--json", json_,
                       tr.traduci(TESTO("Stampa un documento JSON invece della tabella")));
        sotto
            .add_option("--vicini", vicini_,
                        tr.traduci(TESTO("Vicini per lato degli archi, da 1 a 4 (predefinito 2)")))
            ->type_name("K")
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    }

    void esegui(std::istream& ingresso, std::ostream& uscita,
                const lingua::TTraduttore& tr) override {
        if (file_.empty())
            throw TErroreUso(TESTO("manca FILE: un elenco di numeri, una partita .fvr o - per lo "
                                   "standard input."));
        const int vicini = leggiVicini();
        const TPartita p = partitaDaFile(file_, ingresso);
        const TStatistichePartita s = statistichePartita(p, vicini);
        if (json_)
            stampaJson(uscita, s);
        else
            stampaTabella(uscita, s, vicini, tr);
    }

private:
    int leggiVicini() const {
        if (vicini_.empty()) return VICINI_PREDEFINITI;
        int k = 0;
        const char* fine = vicini_.data() + vicini_.size();
        const auto [fino, ec] = std::from_chars(vicini_.data(), fine, k);
        if (ec != std::errc() || fino != fine || k < 1 || k > 4)
            throw TErroreUso(
                formatta(TESTO("--vicini vuole un numero intero da 1 a 4, non '%1'."), vicini_));
        return k;
    }

    std::string file_;
    bool json_ = false;
    std::string vicini_;
};

} // namespace

std::unique_ptr<TComando> creaComandoStat() {
    return std::make_unique<TComandoStat>();
}

} // namespace girolino::cli
