// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FormSimulatore.h"

#include "Versione.h"
#include "model/Testo.h"
#include "ui/CurvaRidotta.h"
#include "ui/Decimale.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <exception>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace girolino::ui {

struct TFormSimulatore::TEsitoMonteCarlo {
    std::optional<TRisultatoMonteCarlo> risultato; // nothing when cancelled
    std::string errore;
};

namespace {

constexpr std::array<TColore, 5> COLORI_CAMPIONI = {clNavy, clRed, clGreen, clFuchsia, clOlive};

std::string_view senzaSpazi(std::string_view t) {
    const auto spazio = [](char c) { return c == ' ' || c == '\t'; };
    while (!t.empty() && spazio(t.front())) t.remove_prefix(1);
    while (!t.empty() && spazio(t.back())) t.remove_suffix(1);
    return t;
}

// The whole text as one number of type T.
template <class T> std::optional<T> numero(std::string_view t) {
    T v{};
    const auto [fine, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (t.empty() || ec != std::errc() || fine != t.data() + t.size()) return std::nullopt;
    if constexpr (std::is_floating_point_v<T>)
        if (!std::isfinite(v)) return std::nullopt;
    return v;
}

bool ugualiSenzaMaiuscole(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// The bet an item of the combo names, whatever the case the user typed it in.
std::optional<TPuntata> puntataDaTesto(const std::vector<std::string>& voci, std::string_view t) {
    t = senzaSpazi(t);
    for (const auto& voce : voci)
        if (ugualiSenzaMaiuscole(voce, t)) return puntataDaNome(voce);
    return std::nullopt;
}

std::optional<TTipoProgressione> progressioneDaTesto(std::string_view t) {
    t = senzaSpazi(t);
    for (const auto p : PROGRESSIONI)
        if (ugualiSenzaMaiuscole(nomeProgressione(p), t)) return p;
    return std::nullopt;
}

// An amount with at most two decimals, without trailing zeros: "100", "99.5", "-12.25".
std::string importo(double v) {
    char b[64];
    std::snprintf(b, sizeof b, "%.2f", v);
    std::string t = b;
    if (t.find('.') != std::string::npos) {
        while (t.back() == '0') t.pop_back();
        if (t.back() == '.') t.pop_back();
    }
    if (t == "-0") t = "0";
    return t;
}

std::string fisso(double v, int decimali, const char* coda = "") {
    char b[64];
    std::snprintf(b, sizeof b, "%.*f%s", decimali, v, coda);
    std::string t = b;
    if (t.starts_with('-') && t.find_first_not_of("-0.% ") == std::string::npos) t.erase(0, 1);
    return t;
}

std::string percentuale(double quota, int decimali) {
    return fisso(quota * 100, decimali, " %");
}

TCella valore(std::string testo, double v, TColore colore = clBlack) {
    return cellaNumero(std::move(testo), v, colore);
}

// Red below zero, green above: the sign of a result at a glance.
TColore coloreSegno(double v) {
    return v < 0 ? clRed : v > 0 ? clGreen : clBlack;
}

std::vector<TCella> riga(std::string nome, TCella cella) {
    return {cellaTesto(std::move(nome)), std::move(cella)};
}

std::string_view testoFine(TFineSessione f) {
    switch (f) {
    case TFineSessione::Fine:
        return TESTO("giri finiti");
    case TFineSessione::Giri:
        return TESTO("numero di puntate raggiunto");
    case TFineSessione::Obiettivo:
        return TESTO("obiettivo raggiunto");
    case TFineSessione::Stop:
        return TESTO("stop loss raggiunto");
    case TFineSessione::Rovina:
        return TESTO("rovina (posta oltre la cassa)");
    }
    return "";
}

// The return per unit staked of the house edge: 1/74 on an even chance with La Partage.
double rendimentoAtteso(const TImpostazioniSistema& s) {
    return s.partage && s.puntata.suChanceSemplice() ? -1.0 / 74 : -1.0 / 37;
}

// The bankroll before the first bet, then after each: x counts the bets.
std::vector<TPunto> puntiCassa(double cassa, const std::vector<double>& curva) {
    std::vector<double> valori;
    valori.reserve(curva.size() + 1);
    valori.push_back(cassa);
    valori.insert(valori.end(), curva.begin(), curva.end());
    return curvaRidotta(valori, 0, PUNTI_GRAFICO);
}

TSerie linea(std::string nome, TColore colore, std::vector<TPunto> punti) {
    TSerie s;
    s.tipo = TTipoSerie::Linea;
    s.nome = std::move(nome);
    s.colore = colore;
    s.punti = std::move(punti);
    return s;
}

TSerie cassaIniziale(double cassa, std::size_t puntate) {
    return linea(TESTO("Cassa iniziale"), clGray,
                 {{0, cassa}, {static_cast<double>(puntate), cassa}});
}

} // namespace

TFormSimulatore::TFormSimulatore(TPiattaforma& p, const TPartita& partita)
    : TForm(p, "TFormSimulatore", formatta(TESTO("%1 - Simulatore di Sistemi"), nomeProgramma),
            1080, 620),
      partita_(partita) {
    setPosizione(TPosizioneForm::CentroPrincipale);
    id_ = costruisciFormSimulatore(*this);
    impostaInCorso(false);
    aggiornaFonte();
    aggiornaLinea();
}

TFormSimulatore::~TFormSimulatore() {
    // The workers notice the flag between sessions; what they post afterwards finds vivo_ gone.
    if (annulla_) *annulla_ = true;
}

// --- reading the settings ---------------------------------------------------------------------

std::optional<TImpostazioniSistema> TFormSimulatore::leggiImpostazioni() {
    const auto rifiuta = [&](int id, const std::string& messaggio) {
        piattaforma().errore(messaggio);
        piattaforma().fuoco(*this, id);
        return std::nullopt;
    };
    TImpostazioniSistema s;
    const auto puntata = puntataDaTesto(controllo(id_.puntata).voci, testo(id_.puntata));
    if (!puntata)
        return rifiuta(id_.puntata, formatta(TESTO("Puntata: scegliere una delle 12 chance o un "
                                                   "numero da 0 a 36, non '%1'."),
                                             testo(id_.puntata)));
    s.puntata = *puntata;
    const auto progressione = progressioneDaTesto(testo(id_.progressione));
    if (!progressione)
        return rifiuta(id_.progressione,
                       formatta(TESTO("Progressione: scegliere Piatta, Martingala, D'Alembert, "
                                      "Fibonacci, Labouchère o Paroli, non '%1'."),
                                testo(id_.progressione)));
    s.progressione = *progressione;

    struct TImporto {
        int id;
        std::string_view campo; // a text of its own, the start of the field's messages
        double* dove;
        bool facoltativo; // empty means 0, none
    };
    const std::array<TImporto, 6> importi = {{
        {id_.unita, TESTO("Unità"), &s.unita, false},
        {id_.cassa, TESTO("Cassa"), &s.cassa, false},
        {id_.minimo, TESTO("Minimo del tavolo"), &s.minimo, false},
        {id_.massimo, TESTO("Massimo del tavolo"), &s.massimo, false},
        {id_.obiettivo, TESTO("Obiettivo"), &s.obiettivo, true},
        {id_.stopLoss, TESTO("Stop loss"), &s.stopLoss, true},
    }};
    for (const auto& i : importi) {
        const std::string_view t = senzaSpazi(testo(i.id));
        if (t.empty() && i.facoltativo) {
            *i.dove = 0;
            continue;
        }
        const auto v = numero<double>(t);
        if (!v)
            return rifiuta(
                i.id, formatta(TESTO("%1: '%2' non è un numero (usare il punto per i decimali)."),
                               i.campo, testo(i.id)));
        *i.dove = *v;
    }
    if (const std::string_view t = senzaSpazi(testo(id_.puntate)); !t.empty()) {
        const auto v = numero<std::int64_t>(t);
        if (!v)
            return rifiuta(id_.puntate,
                           formatta(TESTO("Numero di puntate: '%1' non è un numero intero."),
                                    testo(id_.puntate)));
        s.puntateMassime = *v;
    } else {
        s.puntateMassime = 0;
    }
    s.partage = spuntato(id_.partage);
    // The line matters only to its progression; elsewhere whatever it holds is left alone.
    if (s.progressione == TTipoProgressione::Labouchere) {
        const auto l = leggiLinea(testo(id_.linea));
        if (!l)
            return rifiuta(id_.linea,
                           formatta(TESTO("Linea Labouchère: '%1' non è una serie di numeri "
                                          "separati da spazi (usare il punto per i decimali)."),
                                    testo(id_.linea)));
        s.linea = *l;
    }
    if (const auto errore = validaImpostazioni(s)) {
        // The message begins with the field it is about.
        int id = id_.unita;
        for (const auto& [campo, idCampo] : std::array<std::pair<std::string_view, int>, 9>{{
                 {"Puntata", id_.puntata},
                 {"Unità", id_.unita},
                 {"Cassa", id_.cassa},
                 {"Minimo del tavolo", id_.minimo},
                 {"Massimo del tavolo", id_.massimo},
                 {"Obiettivo", id_.obiettivo},
                 {"Stop loss", id_.stopLoss},
                 {"Numero di puntate", id_.puntate},
                 {"Linea Labouchère", id_.linea},
             }})
            if (errore->starts_with(std::string(campo) + ":")) id = idCampo;
        return rifiuta(id, *errore);
    }
    return s;
}

std::optional<TParametriMonteCarlo> TFormSimulatore::leggiParametri() {
    TParametriMonteCarlo p;
    struct TIntero {
        int id;
        std::string_view campo;
    };
    const std::array<TIntero, 3> campi = {{
        {id_.sessioni, TESTO("Sessioni")},
        {id_.giriSessione, TESTO("Giri per sessione")},
        {id_.seme, TESTO("Seme")},
    }};
    std::array<std::uint64_t, 3> letti{};
    for (std::size_t i = 0; i < campi.size(); ++i) {
        const auto v = numero<std::uint64_t>(senzaSpazi(testo(campi[i].id)));
        if (!v) {
            piattaforma().errore(formatta(TESTO("%1: '%2' non è un numero intero non negativo."),
                                          campi[i].campo, testo(campi[i].id)));
            piattaforma().fuoco(*this, campi[i].id);
            return std::nullopt;
        }
        letti[i] = *v;
    }
    const auto limitato = [](std::uint64_t v) {
        return static_cast<std::int64_t>(std::min<std::uint64_t>(v, INT64_MAX));
    };
    p.sessioni = limitato(letti[0]);
    p.giriPerSessione = limitato(letti[1]);
    p.seme = letti[2];
    if (const auto errore = validaMonteCarlo(p)) {
        piattaforma().errore(*errore);
        piattaforma().fuoco(*this,
                            errore->starts_with("Sessioni") ? id_.sessioni : id_.giriSessione);
        return std::nullopt;
    }
    return p;
}

// --- running ----------------------------------------------------------------------------------

void TFormSimulatore::simula() {
    if (inCorso()) return;
    const auto s = leggiImpostazioni();
    if (!s) return;
    if (spuntato(id_.simulati)) {
        const auto p = leggiParametri();
        if (p) avviaMonteCarlo(*s, *p);
    } else {
        eseguiBacktest(*s);
    }
}

void TFormSimulatore::eseguiBacktest(const TImpostazioniSistema& s) {
    const std::vector<int> giri = giriDellaPartita(partita_);
    if (giri.empty()) {
        piattaforma().messaggio(TESTO("La partita non ha ancora giri: gioca qualche numero nella "
                                      "finestra principale, oppure scegli le sessioni simulate."));
        return;
    }
    svuotaRisultati();
    try {
        ultime_ = s;
        backtest_ = girolino::eseguiBacktest(s, giri);
    } catch (const std::exception& e) {
        piattaforma().errore(e.what());
        return;
    }
    mostraBacktest(*backtest_, giri.size());
}

void TFormSimulatore::avviaMonteCarlo(const TImpostazioniSistema& s,
                                      const TParametriMonteCarlo& p) {
    svuotaRisultati();
    ultime_ = s;
    annulla_ = std::make_shared<std::atomic<bool>>(false);
    impostaInCorso(true);
    mostraAvanzamento(0, p.sessioni);

    auto esito = std::make_shared<TEsitoMonteCarlo>();
    const std::weak_ptr<char> vivo = vivo_;
    // The work holds copies and shared state only; the window is reached through what it
    // posts, on the window thread, and only while vivo_ lasts.
    piattaforma().inSottofondo(
        [this, s, p, esito, vivo, stop = annulla_](const TPiattaforma::TPosta& posta) {
            try {
                esito->risultato = girolino::eseguiMonteCarlo(
                    s, p,
                    [&](std::int64_t fatte, std::int64_t totali) {
                        posta([this, vivo, fatte, totali] {
                            if (!vivo.expired()) mostraAvanzamento(fatte, totali);
                        });
                    },
                    stop.get());
            } catch (const std::exception& e) {
                esito->errore = e.what();
            }
        },
        [this, vivo, esito] {
            if (!vivo.expired()) concludiMonteCarlo(*esito);
        });
}

void TFormSimulatore::mostraAvanzamento(std::int64_t fatte, std::int64_t totali) {
    if (!inCorso() || totali <= 0) return;
    setBarra(id_.barra, 0, 1000, static_cast<int>(fatte * 1000 / totali));
    if (!annulla_->load())
        setTesto(id_.stato,
                 formatta(TESTO("Simulazione in corso: %1 di %2 sessioni."), fatte, totali));
}

void TFormSimulatore::concludiMonteCarlo(const TEsitoMonteCarlo& esito) {
    annulla_.reset();
    impostaInCorso(false);
    if (!esito.errore.empty()) {
        setTesto(id_.stato, {});
        piattaforma().errore(esito.errore);
    } else if (!esito.risultato) {
        setTesto(id_.stato, TESTO("Simulazione annullata: nessun risultato."));
    } else {
        monteCarlo_ = esito.risultato;
        mostraMonteCarlo(*monteCarlo_);
    }
}

void TFormSimulatore::annulla() {
    if (!annulla_) return;
    *annulla_ = true;
    setAbilitato(id_.annulla, false);
    setTesto(id_.stato, TESTO("Annullamento in corso..."));
}

// --- showing ----------------------------------------------------------------------------------

void TFormSimulatore::impostaInCorso(bool inCorso) {
    setAbilitato(id_.simula, !inCorso);
    setAbilitato(id_.annulla, inCorso);
    setAbilitato(id_.gruppoSistema, !inCorso);
    setAbilitato(id_.gruppoGiri, !inCorso);
    setVisibile(id_.barra, inCorso);
}

void TFormSimulatore::aggiornaFonte() {
    const bool simulati = spuntato(id_.simulati);
    for (int id : {id_.sessioni, id_.giriSessione, id_.seme}) setAbilitato(id, simulati);
    setVisibile(id_.graficoCassa, !simulati);
    setVisibile(id_.graficoCampioni, simulati);
    setVisibile(id_.graficoDistribuzione, simulati);
}

void TFormSimulatore::aggiornaLinea() {
    setAbilitato(id_.linea,
                 progressioneDaTesto(testo(id_.progressione)) == TTipoProgressione::Labouchere);
}

void TFormSimulatore::svuotaRisultati() {
    backtest_.reset();
    monteCarlo_.reset();
    setRigheTabella(id_.risultati, {});
    setTesto(id_.stato, {});
    for (int id : {id_.graficoCassa, id_.graficoCampioni, id_.graficoDistribuzione}) {
        TDatiGrafico g = controllo(id).grafico;
        g.serie.clear();
        setGrafico(id, std::move(g));
    }
}

void TFormSimulatore::mostraBacktest(const TRisultatoBacktest& r, std::size_t giri) {
    const double risultato = r.cassaFinale - ultime_.cassa;
    std::vector<std::vector<TCella>> righe = {
        riga(TESTO("Giri della partita"),
             valore(std::string(TDecimale(static_cast<std::int64_t>(giri))),
                    static_cast<double>(giri))),
        riga(TESTO("Puntate"),
             valore(std::string(TDecimale(r.puntate)), static_cast<double>(r.puntate))),
        riga(TESTO("Vinte"), valore(std::string(TDecimale(r.vinte)), static_cast<double>(r.vinte))),
        riga(TESTO("Perse"), valore(std::string(TDecimale(r.perse)), static_cast<double>(r.perse))),
        riga(TESTO("Totale puntato"), valore(importo(r.puntato), r.puntato)),
        riga(TESTO("Cassa finale"), valore(importo(r.cassaFinale), r.cassaFinale)),
        riga(TESTO("Risultato"), valore(importo(risultato), risultato, coloreSegno(risultato))),
        riga(TESTO("Cassa minima"), valore(importo(r.cassaMinima), r.cassaMinima)),
        riga(TESTO("Cassa massima"), valore(importo(r.cassaMassima), r.cassaMassima)),
        riga(TESTO("Fine"), cellaTesto(std::string(testoFine(r.fine)))),
    };
    if (r.puntato > 0) {
        const double rendimento = risultato / r.puntato;
        righe.push_back(
            riga(TESTO("Rendimento per unità puntata"),
                 valore(percentuale(rendimento, 2), rendimento, coloreSegno(rendimento))));
    }
    const double atteso = rendimentoAtteso(ultime_);
    righe.push_back(
        riga(TESTO("Rendimento atteso"), valore(percentuale(atteso, 2), atteso, clRed)));
    setRigheTabella(id_.risultati, std::move(righe));

    TDatiGrafico g = controllo(id_.graficoCassa).grafico;
    g.serie = {cassaIniziale(ultime_.cassa, r.curva.size()),
               linea(TESTO("Cassa"), clNavy, puntiCassa(ultime_.cassa, r.curva))};
    setGrafico(id_.graficoCassa, std::move(g));

    setTesto(id_.stato, formatta(TESTO("Backtest su %1 giri: %2."), static_cast<std::int64_t>(giri),
                                 testoFine(r.fine)));
}

void TFormSimulatore::mostraMonteCarlo(const TRisultatoMonteCarlo& r) {
    const auto conSegno = [](double v, std::string testo) {
        return valore(std::move(testo), v, coloreSegno(v));
    };
    std::vector<std::vector<TCella>> righe = {
        riga(TESTO("Sessioni"),
             valore(std::string(TDecimale(r.sessioni)), static_cast<double>(r.sessioni))),
        riga(TESTO("Puntate giocate"),
             valore(std::string(TDecimale(r.puntate)), static_cast<double>(r.puntate))),
        riga(TESTO("Risultato medio"), conSegno(r.media, fisso(r.media, 2))),
        riga(TESTO("Risultato mediano"), conSegno(r.mediana, importo(r.mediana))),
        riga(TESTO("5° percentile"), conSegno(r.p5, importo(r.p5))),
        riga(TESTO("95° percentile"), conSegno(r.p95, importo(r.p95))),
        riga(TESTO("Obiettivo raggiunto"),
             valore(percentuale(r.quotaObiettivo, 1), r.quotaObiettivo)),
        riga(TESTO("Stop loss raggiunto"), valore(percentuale(r.quotaStop, 1), r.quotaStop)),
        riga(TESTO("Rovina"), valore(percentuale(r.quotaRovina, 1), r.quotaRovina)),
        riga(TESTO("Rendimento per unità puntata"),
             r.rendimento ? conSegno(*r.rendimento, percentuale(*r.rendimento, 2))
                          : cellaTesto("--")),
    };
    const double atteso = rendimentoAtteso(ultime_);
    righe.push_back(
        riga(TESTO("Rendimento atteso"), valore(percentuale(atteso, 2), atteso, clRed)));
    setRigheTabella(id_.risultati, std::move(righe));

    // The sample sessions, each from its starting bankroll.
    TDatiGrafico campioni = controllo(id_.graficoCampioni).grafico;
    campioni.serie.clear();
    std::size_t piuLunga = 0;
    for (const auto& c : r.curve) piuLunga = std::max(piuLunga, c.size());
    campioni.serie.push_back(cassaIniziale(ultime_.cassa, piuLunga));
    for (std::size_t i = 0; i < r.curve.size(); ++i)
        campioni.serie.push_back(linea(formatta(TESTO("Sessione %1"), i + 1),
                                       COLORI_CAMPIONI[i % COLORI_CAMPIONI.size()],
                                       puntiCassa(ultime_.cassa, r.curve[i])));
    setGrafico(id_.graficoCampioni, std::move(campioni));

    // The histogram as a band of steps over the final results, and the mean across it.
    const TDistribuzione& d = r.distribuzione;
    TSerie istogramma;
    istogramma.tipo = TTipoSerie::Fascia;
    istogramma.nome = TESTO("Sessioni");
    istogramma.colore = clNavy;
    std::int64_t alto = 0;
    for (std::size_t k = 0; k < d.conteggi.size(); ++k) {
        const double da = d.inizio + static_cast<double>(k) * d.ampiezza;
        const auto quante = static_cast<double>(d.conteggi[k]);
        istogramma.punti.push_back({da, quante});
        istogramma.punti.push_back({da + d.ampiezza, quante});
        alto = std::max(alto, d.conteggi[k]);
    }
    if (!d.conteggi.empty()) {
        const double fine = d.inizio + static_cast<double>(d.conteggi.size()) * d.ampiezza;
        istogramma.puntiSotto = {{d.inizio, 0}, {fine, 0}};
    }
    TDatiGrafico distribuzione = controllo(id_.graficoDistribuzione).grafico;
    distribuzione.serie = {
        std::move(istogramma),
        linea(TESTO("Media"), clRed, {{r.media, 0}, {r.media, static_cast<double>(alto)}})};
    setGrafico(id_.graficoDistribuzione, std::move(distribuzione));

    setTesto(id_.stato, formatta(TESTO("Simulate %1 sessioni."), r.sessioni));
}

// --- events -----------------------------------------------------------------------------------

void TFormSimulatore::click(int id) {
    if (id == id_.simula) {
        if (controllo(id).abilitato) simula();
    } else if (id == id_.annulla) {
        annulla();
    } else if (id == id_.partita || id == id_.simulati) {
        aggiornaFonte();
    } else if (id == id_.aiuto) {
        piattaforma().messaggio(TESTO(
            "Scegli la puntata, la progressione delle poste, la cassa e i limiti del tavolo, poi "
            "premi Simula. Con \"I giri di questa partita\" il sistema viene giocato sui numeri "
            "usciti finora, dal più vecchio; con \"Sessioni simulate\" su tante serate di giri "
            "estratti a caso (lo stesso seme dà sempre gli stessi risultati). La sessione "
            "finisce quando i giri finiscono, quando si raggiunge il numero di puntate, "
            "l'obiettivo o lo stop loss, oppure quando la posta supera la cassa (rovina). La "
            "Partage vale solo sulle chance semplici. "
            "Qualunque progressione si scelga, ogni unità puntata perde in media 1/37 (1/74 "
            "sulle chance semplici con la Partage): le "
            "progressioni cambiano solo la forma dei risultati, non il loro valore atteso."));
    }
}

void TFormSimulatore::cambiato(int id) {
    if (id == id_.progressione) aggiornaLinea();
}

void TFormSimulatore::invio(int) {
    simula();
}

bool TFormSimulatore::chiusuraRichiesta() {
    annulla();
    nascondi();
    return true;
}

} // namespace girolino::ui
