// SPDX-License-Identifier: GPL-3.0-or-later
// girolino-cli simula FILE ... : a betting system played on the spins of a game.
// girolino-cli montecarlo ...  : the same system on many simulated sessions.

#include "cli/Comandi.h"
#include "cli/Ingresso.h"
#include "engine/Backtest.h"
#include "engine/MonteCarlo.h"
#include "gamefile/ElencoNumeri.h"
#include "lingua/Traduttore.h"
#include "model/Testo.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace girolino::cli {

namespace {

using Json = nlohmann::ordered_json;

constexpr const char* AIUTO_SISTEMA = TESTO(
    "Il sistema: prima di ogni giro una puntata, dal primo giro fino a una fermata.\n"
    "  Puntate: rosso, nero, pari, dispari, manq, pass (pagate 1 a 1); doz1..doz3, col1..col3\n"
    "  (2 a 1); un numero da 0 a 36 (35 a 1). Lo zero fa perdere ogni chance; con --partage\n"
    "  le chance semplici vi perdono metà della posta (conta come puntata persa).\n"
    "  Progressioni (posta in unità prima dei limiti del tavolo):\n"
    "    piatta      sempre 1;\n"
    "    martingala  1 dopo una vincita, il doppio della posta precedente dopo una perdita;\n"
    "    dalembert   +1 dopo una perdita, -1 dopo una vincita, mai sotto 1;\n"
    "    fibonacci   1, 1, 2, 3, 5, ...: un termine avanti dopo una perdita, due indietro\n"
    "                dopo una vincita;\n"
    "    labouchere  primo + ultimo termine della linea (o il termine solo); una vincita li\n"
    "                cancella, una perdita aggiunge la posta persa; a linea vuota si riparte;\n"
    "    paroli      il doppio dopo una vincita, 1 dopo la terza vincita di fila o una perdita.\n"
    "  Limiti: una posta sotto il minimo sale al minimo, sopra il massimo scende al massimo\n"
    "  (la progressione prosegue dalla posta che aveva chiesto).\n"
    "  Fermate, controllate prima di ogni puntata in quest'ordine: giri finiti (fine), numero\n"
    "  di puntate raggiunto (giri), cassa >= cassa iniziale + obiettivo (obiettivo), cassa <=\n"
    "  cassa iniziale - stop (stop), posta oltre la cassa (rovina). 0 = nessun obiettivo, stop\n"
    "  o limite di puntate. Importi con il punto decimale.\n"
    "Nessuna progressione cambia il vantaggio del banco: 1/37 di ogni unità puntata\n"
    "(1/74 sulle chance semplici con la partage).");

constexpr const char* AIUTO_SIMULA =
    TESTO("Gioca un sistema sui giri di una partita, dal più vecchio al più recente.\n"
          "FILE: un elenco di numeri (.txt, .csv), una partita salvata (.fvr) o - per un elenco\n"
          "dallo standard input.");

constexpr const char* PIEDE_SIMULA = TESTO(
    "Con --json stampa {\"puntate\", \"vinte\", \"perse\", \"puntato\", \"cassa_finale\",\n"
    "\"cassa_minima\", \"cassa_massima\", \"fine\", \"curva\"}: \"fine\" è fine, giri, obiettivo,\n"
    "stop o rovina; \"curva\" la cassa dopo ogni puntata.\n"
    "Esito: 0 riuscito; 2 rifiutato, con il motivo sullo standard error.");

constexpr const char* AIUTO_MONTECARLO = TESTO(
    "Gioca un sistema su S sessioni simulate di al più G giri ciascuna. Lo stesso seme dà gli\n"
    "stessi risultati con qualsiasi numero di thread.");

constexpr const char* PIEDE_MONTECARLO = TESTO(
    "Risultato di una sessione: cassa finale - cassa iniziale. Il percentile q è il valore di\n"
    "posto ceil(q·S) tra gli S risultati in ordine crescente (mediana: q = 0,5). Rendimento:\n"
    "somma dei risultati / somma delle poste.\n"
    "Con --json stampa {\"sessioni\", \"media\", \"mediana\", \"p5\", \"p95\", \"obiettivo\",\n"
    "\"stop\", \"rovina\", \"rendimento\"}: le quote come frazioni da 0 a 1; \"rendimento\" è\n"
    "null se nessuna sessione ha puntato.\n"
    "Esito: 0 riuscito; 2 rifiutato, con il motivo sullo standard error.");

constexpr const char* PROMEMORIA =
    TESTO("Nessuna progressione cambia il vantaggio del banco: nel lungo periodo si perde 1/37 "
          "(2.70 %) di ogni unità puntata.");

std::string minuscolo(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// The whole text as one number of type T.
template <class T> bool leggiValore(const std::string& testo, T& valore) {
    const char* fine = testo.data() + testo.size();
    const auto [fino, ec] = std::from_chars(testo.data(), fine, valore);
    return ec == std::errc() && fino == fine && !testo.empty();
}

// A value given more than once: the last one counts, as for every option of this program.
CLI::Option* opzione(CLI::App& sotto, const char* nome, std::string& valore,
                     const std::string& aiuto, const char* tipo) {
    return sotto.add_option(nome, valore, aiuto)
        ->type_name(tipo)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
}

TPuntata leggiPuntata(const std::string& testo) {
    static constexpr std::array<std::pair<const char*, TChance>, 12> nomi = {{
        {"rosso", Rosso},
        {"nero", Nero},
        {"pari", Pari},
        {"dispari", Dispari},
        {"manq", Manq},
        {"pass", Pass},
        {"doz1", Doz1},
        {"doz2", Doz2},
        {"doz3", Doz3},
        {"col1", Col1},
        {"col2", Col2},
        {"col3", Col3},
    }};
    const std::string t = minuscolo(testo);
    for (const auto& [nome, chance] : nomi)
        if (t == nome) return TPuntata::chance(chance);
    int n = -1;
    if (leggiValore(t, n) && n >= 0 && n < NUMERI) return TPuntata::numero(n);
    throw TErroreCli(formatta(TESTO("--puntata vuole rosso, nero, pari, dispari, manq, pass, "
                                    "doz1..doz3, col1..col3 o un numero da 0 a 36, non '%1'."),
                              testo));
}

TTipoProgressione leggiProgressione(const std::string& testo) {
    using enum TTipoProgressione;
    static constexpr std::array<std::pair<const char*, TTipoProgressione>, 6> nomi = {{
        {"piatta", Piatta},
        {"martingala", Martingala},
        {"dalembert", DAlembert},
        {"fibonacci", Fibonacci},
        {"labouchere", Labouchere},
        {"paroli", Paroli},
    }};
    const std::string t = minuscolo(testo);
    for (const auto& [nome, p] : nomi)
        if (t == nome) return p;
    throw TErroreCli(formatta(TESTO("--progressione vuole piatta, martingala, dalembert, "
                                    "fibonacci, labouchere o paroli, non '%1'."),
                              testo));
}

// The settings' messages begin with the field's name; here the field is an option, which
// takes the place of the name in whatever language the message is shown.
TErroreCli conOpzione(const std::string& messaggio) {
    static constexpr std::array<std::pair<std::string_view, const char*>, 9> campi = {{
        {"Puntata:", "--puntata"},
        {"Unità:", "--unita"},
        {"Cassa:", "--cassa"},
        {"Minimo del tavolo:", "--minimo"},
        {"Massimo del tavolo:", "--massimo"},
        {"Obiettivo:", "--obiettivo"},
        {"Stop loss:", "--stop"},
        {"Numero di puntate:", "--giri"},
        {"Linea Labouchère:", "--linea"},
    }};
    for (const auto& [campo, opzione] : campi)
        if (messaggio.starts_with(campo)) return TErroreCli(opzione, messaggio, true);
    return TErroreCli(messaggio);
}

// The options both subcommands share: the system.
class TOpzioniSistema {
public:
    // The values --puntata and --progressione take are words of the command line, the same
    // in every language; the help explains them.
    void dichiara(CLI::App& sotto, const lingua::TTraduttore& tr) {
        opzione(sotto, "--puntata", puntata_, "rosso|nero|pari|dispari|manq|pass|doz1..3|col1..3|N",
                "P");
        opzione(sotto, "--progressione", progressione_,
                "piatta|martingala|dalembert|fibonacci|labouchere|paroli", "P");
        opzione(sotto, "--unita", importi_[0].testo,
                tr.traduci(TESTO("Unità di posta (predefinita 1)")), "U");
        opzione(sotto, "--cassa", importi_[1].testo,
                tr.traduci(TESTO("Cassa iniziale (predefinita 100)")), "B");
        opzione(sotto, "--minimo", importi_[2].testo,
                tr.traduci(TESTO("Minimo del tavolo (predefinito 1)")), "M");
        opzione(sotto, "--massimo", importi_[3].testo,
                tr.traduci(TESTO("Massimo del tavolo (predefinito 1000)")), "X");
        opzione(sotto, "--obiettivo", importi_[4].testo,
                tr.traduci(TESTO("Guadagno che ferma la sessione (0 = no)")), "T");
        opzione(sotto, "--stop", importi_[5].testo,
                tr.traduci(TESTO("Perdita che ferma la sessione (0 = no)")), "L");
        opzione(sotto, "--giri", giri_,
                tr.traduci(TESTO("Numero massimo di puntate (0 = nessun limite)")), "K");
        sotto.add_flag("--partage", partage_,
                       tr.traduci(TESTO("La partage sulle chance semplici")));
        opzioneLinea_ = opzione(
            sotto, "--linea", linea_,
            tr.traduci(TESTO("Linea della Labouchère (predefinita \"1 2 3 4\")")), "\"1 2 3 4\"");
        sotto.add_flag("--json", json_, tr.traduci(TESTO("Stampa un documento JSON")));
    }

    TImpostazioniSistema impostazioni() const {
        if (puntata_.empty())
            throw TErroreCli(TESTO("manca --puntata (rosso, nero, pari, dispari, manq, pass, "
                                   "doz1..doz3, col1..col3 o un numero da 0 a 36)."));
        if (progressione_.empty())
            throw TErroreCli(TESTO("manca --progressione (piatta, martingala, dalembert, "
                                   "fibonacci, labouchere o paroli)."));
        TImpostazioniSistema s;
        s.puntata = leggiPuntata(puntata_);
        s.progressione = leggiProgressione(progressione_);
        double* campi[] = {&s.unita, &s.cassa, &s.minimo, &s.massimo, &s.obiettivo, &s.stopLoss};
        for (std::size_t i = 0; i < importi_.size(); ++i)
            if (!importi_[i].testo.empty()) *campi[i] = leggiImporto(importi_[i]);
        if (!giri_.empty() && (!leggiValore(giri_, s.puntateMassime) || s.puntateMassime < 0))
            throw TErroreCli(formatta(
                TESTO("--giri vuole un numero intero di puntate, 0 o più, non '%1'."), giri_));
        s.partage = partage_;
        if (opzioneLinea_->count() > 0) {
            const auto linea = leggiLinea(linea_);
            if (!linea)
                throw TErroreCli(formatta(TESTO("--linea vuole numeri con il punto decimale "
                                                "separati da spazi, non '%1'."),
                                          linea_));
            s.linea = *linea; // an empty line is refused below when the progression uses it
        }
        if (const auto errore = validaImpostazioni(s)) throw conOpzione(*errore);
        return s;
    }

    bool json() const { return json_; }

private:
    struct TImporto {
        const char* opzione;
        std::string testo;
    };

    static double leggiImporto(const TImporto& i) {
        double v = 0;
        if (!leggiValore(i.testo, v) || !std::isfinite(v))
            throw TErroreCli(formatta(TESTO("%1 vuole un numero con il punto decimale, non '%2'."),
                                      i.opzione, i.testo));
        return v;
    }

    std::string puntata_;
    std::string progressione_;
    std::array<TImporto, 6> importi_ = {{{"--unita", {}},
                                         {"--cassa", {}},
                                         {"--minimo", {}},
                                         {"--massimo", {}},
                                         {"--obiettivo", {}},
                                         {"--stop", {}}}};
    std::string giri_;
    bool partage_ = false;
    std::string linea_;
    CLI::Option* opzioneLinea_ = nullptr;
    bool json_ = false;
};

// Shortest text that reads back as the same double.
std::string numero(double v) {
    char b[64];
    const auto fine = std::to_chars(b, b + sizeof b, v).ptr;
    return std::string(b, fine);
}

std::string percento(double quota) {
    char b[64];
    std::snprintf(b, sizeof b, "%.2f %%", quota * 100);
    return b;
}

std::vector<int> giriDaFile(const std::string& file, std::istream& ingresso) {
    std::string f = minuscolo(file);
    if (file != "-" && f.size() >= 4 && f.compare(f.size() - 4, 4, ".fvr") == 0)
        return giriDellaPartita(partitaDaFile(file, ingresso));
    TElencoNumeri elenco;
    if (file == "-") {
        const std::string testo{std::istreambuf_iterator<char>(ingresso),
                                std::istreambuf_iterator<char>()};
        elenco = leggiElencoNumeri(testo);
    } else {
        elenco = leggiFileElencoNumeri(file);
    }
    if (!elenco.valido()) {
        if (elenco.errore.find(file) != std::string::npos) throw TErroreCli(elenco.errore);
        throw TErroreCli(file, elenco.errore, false);
    }
    return {elenco.numeri.begin(), elenco.numeri.end()};
}

class TComandoSimula : public TComando {
public:
    void dichiara(CLI::App& sotto, const lingua::TTraduttore& tr) override {
        sotto.description(sotto.get_description() + "\n\n" + tr.traduci(AIUTO_SIMULA) + "\n\n" +
                          tr.traduci(AIUTO_SISTEMA));
        sotto.footer(tr.traduci(PIEDE_SIMULA));
        sotto
            .add_option("FILE", file_,
                        tr.traduci(TESTO("Elenco di numeri, partita .fvr, o - per lo standard "
                                         "input")))
            ->type_name("");
        opzioni_.dichiara(sotto, tr);
    }

    void esegui(std::istream& ingresso, std::ostream& uscita,
                const lingua::TTraduttore& tr) override {
        if (file_.empty())
            throw TErroreCli(TESTO("manca FILE: un elenco di numeri, una partita .fvr o - per lo "
                                   "standard input."));
        const TImpostazioniSistema s = opzioni_.impostazioni();
        const TRisultatoBacktest r = eseguiBacktest(s, giriDaFile(file_, ingresso));
        if (opzioni_.json()) {
            Json j = {{"puntate", r.puntate},
                      {"vinte", r.vinte},
                      {"perse", r.perse},
                      {"puntato", r.puntato},
                      {"cassa_finale", r.cassaFinale},
                      {"cassa_minima", r.cassaMinima},
                      {"cassa_massima", r.cassaMassima},
                      {"fine", nomeFineSessione(r.fine)},
                      {"curva", r.curva}};
            uscita << j.dump() << "\n";
            return;
        }
        const std::string righe[] = {
            formatta(TESTO("Puntate: %1 (vinte %2, perse %3)"), r.puntate, r.vinte, r.perse),
            formatta(TESTO("Puntato: %1"), numero(r.puntato)),
            formatta(TESTO("Cassa: iniziale %1, finale %2, minima %3, massima %4"), numero(s.cassa),
                     numero(r.cassaFinale), numero(r.cassaMinima), numero(r.cassaMassima)),
            formatta(TESTO("Risultato: %1"), numero(r.cassaFinale - s.cassa)),
            formatta(TESTO("Fine: %1"), nomeFineSessione(r.fine)),
            PROMEMORIA,
        };
        for (const std::string& riga : righe) uscita << tr.traduci(riga) << "\n";
    }

private:
    std::string file_;
    TOpzioniSistema opzioni_;
};

class TComandoMonteCarlo : public TComando {
public:
    void dichiara(CLI::App& sotto, const lingua::TTraduttore& tr) override {
        sotto.description(sotto.get_description() + "\n\n" + tr.traduci(AIUTO_MONTECARLO) + "\n\n" +
                          tr.traduci(AIUTO_SISTEMA));
        sotto.footer(tr.traduci(PIEDE_MONTECARLO));
        opzioni_.dichiara(sotto, tr);
        opzione(sotto, "--sessioni", sessioni_,
                tr.traduci(TESTO("Sessioni simulate, da 1 a 1000000")), "S");
        opzione(sotto, "--giri-sessione", giri_,
                tr.traduci(TESTO("Giri di ogni sessione, da 1 a 100000")), "G");
        opzione(sotto, "--seme", seme_,
                tr.traduci(TESTO("Seme del generatore, intero da 0 a 2^64-1")), "N");
        opzione(sotto, "--thread", thread_,
                tr.traduci(TESTO("Thread di calcolo (predefinito: uno per core)")), "T");
    }

    void esegui(std::istream&, std::ostream& uscita, const lingua::TTraduttore& tr) override {
        const TImpostazioniSistema s = opzioni_.impostazioni();
        TParametriMonteCarlo p;
        if (sessioni_.empty()) throw TErroreCli(TESTO("manca --sessioni (da 1 a 1000000)."));
        if (!leggiValore(sessioni_, p.sessioni) || p.sessioni < 1 || p.sessioni > MAX_SESSIONI)
            throw TErroreCli(
                formatta(TESTO("--sessioni vuole un intero da 1 a 1000000, non '%1'."), sessioni_));
        if (giri_.empty()) throw TErroreCli(TESTO("manca --giri-sessione (da 1 a 100000)."));
        if (!leggiValore(giri_, p.giriPerSessione) || p.giriPerSessione < 1 ||
            p.giriPerSessione > MAX_GIRI_SESSIONE)
            throw TErroreCli(
                formatta(TESTO("--giri-sessione vuole un intero da 1 a 100000, non '%1'."), giri_));
        if (seme_.empty()) throw TErroreCli(TESTO("manca --seme (un intero da 0 a 2^64-1)."));
        if (!leggiValore(seme_, p.seme))
            throw TErroreCli(
                formatta(TESTO("--seme vuole un intero da 0 a 2^64-1, non '%1'."), seme_));
        if (!thread_.empty() &&
            (!leggiValore(thread_, p.thread) || p.thread < 1 || p.thread > MAX_THREAD))
            throw TErroreCli(
                formatta(TESTO("--thread vuole un intero da 1 a 256, non '%1'."), thread_));
        p.curveCampione = 0;

        const auto r = eseguiMonteCarlo(s, p);
        if (!r) throw TErroreCli(TESTO("simulazione interrotta."));
        if (opzioni_.json()) {
            Json j = {{"sessioni", r->sessioni}, {"media", r->media},
                      {"mediana", r->mediana},   {"p5", r->p5},
                      {"p95", r->p95},           {"obiettivo", r->quotaObiettivo},
                      {"stop", r->quotaStop},    {"rovina", r->quotaRovina},
                      {"rendimento", nullptr}};
            if (r->rendimento) j["rendimento"] = *r->rendimento;
            uscita << j.dump() << "\n";
            return;
        }
        const std::string righe[] = {
            formatta(TESTO("Sessioni: %1 di al più %2 giri (seme %3)"), r->sessioni,
                     p.giriPerSessione, p.seme),
            formatta(TESTO("Risultato: medio %1, mediano %2, 5° percentile %3, 95° percentile %4"),
                     numero(r->media), numero(r->mediana), numero(r->p5), numero(r->p95)),
            formatta(TESTO("Sessioni finite per obiettivo: %1, per stop: %2, per rovina: %3"),
                     percento(r->quotaObiettivo), percento(r->quotaStop), percento(r->quotaRovina)),
            formatta(TESTO("Rendimento per unità puntata: %1"),
                     r->rendimento ? percento(*r->rendimento) : TESTO("nessuna puntata")),
            PROMEMORIA,
        };
        for (const std::string& riga : righe) uscita << tr.traduci(riga) << "\n";
    }

private:
    static constexpr unsigned MAX_THREAD = 256;

    TOpzioniSistema opzioni_;
    std::string sessioni_;
    std::string giri_;
    std::string seme_;
    std::string thread_;
};

} // namespace

std::unique_ptr<TComando> creaComandoSimula() {
    return std::make_unique<TComandoSimula>();
}

std::unique_ptr<TComando> creaComandoMonteCarlo() {
    return std::make_unique<TComandoMonteCarlo>();
}

} // namespace girolino::cli
