// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FormSimulatore.h"

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
        return "giri finiti";
    case TFineSessione::Giri:
        return "numero di puntate raggiunto";
    case TFineSessione::Obiettivo:
        return "obiettivo raggiunto";
    case TFineSessione::Stop:
        return "stop loss raggiunto";
    case TFineSessione::Rovina:
        return "rovina (posta oltre la cassa)";
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
    return linea("Cassa iniziale", clGray, {{0, cassa}, {static_cast<double>(puntate), cassa}});
}

} // namespace

TFormSimulatore::TFormSimulatore(TPiattaforma& p, const TPartita& partita)
    : TForm(p, "TFormSimulatore", captionFormSimulatore, 1080, 620), partita_(partita) {
    crea();
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
    const auto puntata = puntataDaTesto(controllo(idPuntata_).voci, testo(idPuntata_));
    if (!puntata)
        return rifiuta(idPuntata_, "Puntata: scegliere una delle 12 chance o un numero da 0 a 36, "
                                   "non '" +
                                       testo(idPuntata_) + "'.");
    s.puntata = *puntata;
    const auto progressione = progressioneDaTesto(testo(idProgressione_));
    if (!progressione)
        return rifiuta(idProgressione_, "Progressione: scegliere Piatta, Martingala, D'Alembert, "
                                        "Fibonacci, Labouchère o Paroli, non '" +
                                            testo(idProgressione_) + "'.");
    s.progressione = *progressione;

    struct TImporto {
        int id;
        std::string_view campo;
        double* dove;
        bool facoltativo; // empty means 0, none
    };
    const std::array<TImporto, 6> importi = {{
        {idUnita_, "Unità", &s.unita, false},
        {idCassa_, "Cassa", &s.cassa, false},
        {idMinimo_, "Minimo del tavolo", &s.minimo, false},
        {idMassimo_, "Massimo del tavolo", &s.massimo, false},
        {idObiettivo_, "Obiettivo", &s.obiettivo, true},
        {idStopLoss_, "Stop loss", &s.stopLoss, true},
    }};
    for (const auto& i : importi) {
        const std::string_view t = senzaSpazi(testo(i.id));
        if (t.empty() && i.facoltativo) {
            *i.dove = 0;
            continue;
        }
        const auto v = numero<double>(t);
        if (!v)
            return rifiuta(i.id, std::string(i.campo) + ": '" + testo(i.id) +
                                     "' non è un numero (usare il punto per i decimali).");
        *i.dove = *v;
    }
    if (const std::string_view t = senzaSpazi(testo(idPuntate_)); !t.empty()) {
        const auto v = numero<std::int64_t>(t);
        if (!v)
            return rifiuta(idPuntate_, "Numero di puntate: '" + testo(idPuntate_) +
                                           "' non è un numero intero.");
        s.puntateMassime = *v;
    } else {
        s.puntateMassime = 0;
    }
    s.partage = spuntato(idPartage_);
    // The line matters only to its progression; elsewhere whatever it holds is left alone.
    if (s.progressione == TTipoProgressione::Labouchere) {
        const auto l = leggiLinea(testo(idLinea_));
        if (!l)
            return rifiuta(idLinea_, "Linea Labouchère: '" + testo(idLinea_) +
                                         "' non è una serie di numeri separati da spazi (usare "
                                         "il punto per i decimali).");
        s.linea = *l;
    }
    if (const auto errore = validaImpostazioni(s)) {
        // The message begins with the field it is about.
        int id = idUnita_;
        for (const auto& [campo, idCampo] : std::array<std::pair<std::string_view, int>, 9>{{
                 {"Puntata", idPuntata_},
                 {"Unità", idUnita_},
                 {"Cassa", idCassa_},
                 {"Minimo del tavolo", idMinimo_},
                 {"Massimo del tavolo", idMassimo_},
                 {"Obiettivo", idObiettivo_},
                 {"Stop loss", idStopLoss_},
                 {"Numero di puntate", idPuntate_},
                 {"Linea Labouchère", idLinea_},
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
        {idSessioni_, "Sessioni"},
        {idGiriSessione_, "Giri per sessione"},
        {idSeme_, "Seme"},
    }};
    std::array<std::uint64_t, 3> letti{};
    for (std::size_t i = 0; i < campi.size(); ++i) {
        const auto v = numero<std::uint64_t>(senzaSpazi(testo(campi[i].id)));
        if (!v) {
            piattaforma().errore(std::string(campi[i].campo) + ": '" + testo(campi[i].id) +
                                 "' non è un numero intero non negativo.");
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
        piattaforma().fuoco(*this, errore->starts_with("Sessioni") ? idSessioni_ : idGiriSessione_);
        return std::nullopt;
    }
    return p;
}

// --- running ----------------------------------------------------------------------------------

void TFormSimulatore::simula() {
    if (inCorso()) return;
    const auto s = leggiImpostazioni();
    if (!s) return;
    if (spuntato(idSimulati_)) {
        const auto p = leggiParametri();
        if (p) avviaMonteCarlo(*s, *p);
    } else {
        eseguiBacktest(*s);
    }
}

void TFormSimulatore::eseguiBacktest(const TImpostazioniSistema& s) {
    const std::vector<int> giri = giriDellaPartita(partita_);
    if (giri.empty()) {
        piattaforma().messaggio("La partita non ha ancora giri: gioca qualche numero nella "
                                "finestra principale, oppure scegli le sessioni simulate.");
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
    setBarra(idBarra_, 0, 1000, static_cast<int>(fatte * 1000 / totali));
    std::string t = "Simulazione in corso: ";
    t += TDecimale(fatte);
    t += " di ";
    t += TDecimale(totali);
    t += " sessioni.";
    if (!annulla_->load()) setTesto(idStato_, t);
}

void TFormSimulatore::concludiMonteCarlo(const TEsitoMonteCarlo& esito) {
    annulla_.reset();
    impostaInCorso(false);
    if (!esito.errore.empty()) {
        setTesto(idStato_, {});
        piattaforma().errore(esito.errore);
    } else if (!esito.risultato) {
        setTesto(idStato_, "Simulazione annullata: nessun risultato.");
    } else {
        monteCarlo_ = esito.risultato;
        mostraMonteCarlo(*monteCarlo_);
    }
}

void TFormSimulatore::annulla() {
    if (!annulla_) return;
    *annulla_ = true;
    setAbilitato(idAnnulla_, false);
    setTesto(idStato_, "Annullamento in corso...");
}

// --- showing ----------------------------------------------------------------------------------

void TFormSimulatore::impostaInCorso(bool inCorso) {
    setAbilitato(idSimula_, !inCorso);
    setAbilitato(idAnnulla_, inCorso);
    setAbilitato(idGruppoSistema_, !inCorso);
    setAbilitato(idGruppoGiri_, !inCorso);
    setVisibile(idBarra_, inCorso);
}

void TFormSimulatore::aggiornaFonte() {
    const bool simulati = spuntato(idSimulati_);
    for (int id : {idSessioni_, idGiriSessione_, idSeme_}) setAbilitato(id, simulati);
    setVisibile(idGraficoCassa_, !simulati);
    setVisibile(idGraficoCampioni_, simulati);
    setVisibile(idGraficoDistribuzione_, simulati);
}

void TFormSimulatore::aggiornaLinea() {
    setAbilitato(idLinea_,
                 progressioneDaTesto(testo(idProgressione_)) == TTipoProgressione::Labouchere);
}

void TFormSimulatore::svuotaRisultati() {
    backtest_.reset();
    monteCarlo_.reset();
    setRigheTabella(idRisultati_, {});
    setTesto(idStato_, {});
    for (int id : {idGraficoCassa_, idGraficoCampioni_, idGraficoDistribuzione_}) {
        TDatiGrafico g = controllo(id).grafico;
        g.serie.clear();
        setGrafico(id, std::move(g));
    }
}

void TFormSimulatore::mostraBacktest(const TRisultatoBacktest& r, std::size_t giri) {
    const double risultato = r.cassaFinale - ultime_.cassa;
    std::vector<std::vector<TCella>> righe = {
        riga("Giri della partita", valore(std::string(TDecimale(static_cast<std::int64_t>(giri))),
                                          static_cast<double>(giri))),
        riga("Puntate", valore(std::string(TDecimale(r.puntate)), static_cast<double>(r.puntate))),
        riga("Vinte", valore(std::string(TDecimale(r.vinte)), static_cast<double>(r.vinte))),
        riga("Perse", valore(std::string(TDecimale(r.perse)), static_cast<double>(r.perse))),
        riga("Totale puntato", valore(importo(r.puntato), r.puntato)),
        riga("Cassa finale", valore(importo(r.cassaFinale), r.cassaFinale)),
        riga("Risultato", valore(importo(risultato), risultato, coloreSegno(risultato))),
        riga("Cassa minima", valore(importo(r.cassaMinima), r.cassaMinima)),
        riga("Cassa massima", valore(importo(r.cassaMassima), r.cassaMassima)),
        riga("Fine", cellaTesto(std::string(testoFine(r.fine)))),
    };
    if (r.puntato > 0) {
        const double rendimento = risultato / r.puntato;
        righe.push_back(
            riga("Rendimento per unità puntata",
                 valore(percentuale(rendimento, 2), rendimento, coloreSegno(rendimento))));
    }
    const double atteso = rendimentoAtteso(ultime_);
    righe.push_back(riga("Rendimento atteso", valore(percentuale(atteso, 2), atteso, clRed)));
    setRigheTabella(idRisultati_, std::move(righe));

    TDatiGrafico g = controllo(idGraficoCassa_).grafico;
    g.serie = {cassaIniziale(ultime_.cassa, r.curva.size()),
               linea("Cassa", clNavy, puntiCassa(ultime_.cassa, r.curva))};
    setGrafico(idGraficoCassa_, std::move(g));

    std::string stato = "Backtest su ";
    stato += TDecimale(static_cast<std::int64_t>(giri));
    stato += " giri: ";
    stato += testoFine(r.fine);
    stato += ".";
    setTesto(idStato_, stato);
}

void TFormSimulatore::mostraMonteCarlo(const TRisultatoMonteCarlo& r) {
    const auto conSegno = [](double v, std::string testo) {
        return valore(std::move(testo), v, coloreSegno(v));
    };
    std::vector<std::vector<TCella>> righe = {
        riga("Sessioni",
             valore(std::string(TDecimale(r.sessioni)), static_cast<double>(r.sessioni))),
        riga("Puntate giocate",
             valore(std::string(TDecimale(r.puntate)), static_cast<double>(r.puntate))),
        riga("Risultato medio", conSegno(r.media, fisso(r.media, 2))),
        riga("Risultato mediano", conSegno(r.mediana, importo(r.mediana))),
        riga("5° percentile", conSegno(r.p5, importo(r.p5))),
        riga("95° percentile", conSegno(r.p95, importo(r.p95))),
        riga("Obiettivo raggiunto", valore(percentuale(r.quotaObiettivo, 1), r.quotaObiettivo)),
        riga("Stop loss raggiunto", valore(percentuale(r.quotaStop, 1), r.quotaStop)),
        riga("Rovina", valore(percentuale(r.quotaRovina, 1), r.quotaRovina)),
        riga("Rendimento per unità puntata",
             r.rendimento ? conSegno(*r.rendimento, percentuale(*r.rendimento, 2))
                          : cellaTesto("--")),
    };
    const double atteso = rendimentoAtteso(ultime_);
    righe.push_back(riga("Rendimento atteso", valore(percentuale(atteso, 2), atteso, clRed)));
    setRigheTabella(idRisultati_, std::move(righe));

    // The sample sessions, each from its starting bankroll.
    TDatiGrafico campioni = controllo(idGraficoCampioni_).grafico;
    campioni.serie.clear();
    std::size_t piuLunga = 0;
    for (const auto& c : r.curve) piuLunga = std::max(piuLunga, c.size());
    campioni.serie.push_back(cassaIniziale(ultime_.cassa, piuLunga));
    for (std::size_t i = 0; i < r.curve.size(); ++i)
        campioni.serie.push_back(linea("Sessione " + std::to_string(i + 1),
                                       COLORI_CAMPIONI[i % COLORI_CAMPIONI.size()],
                                       puntiCassa(ultime_.cassa, r.curve[i])));
    setGrafico(idGraficoCampioni_, std::move(campioni));

    // The histogram as a band of steps over the final results, and the mean across it.
    const TDistribuzione& d = r.distribuzione;
    TSerie istogramma;
    istogramma.tipo = TTipoSerie::Fascia;
    istogramma.nome = "Sessioni";
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
    TDatiGrafico distribuzione = controllo(idGraficoDistribuzione_).grafico;
    distribuzione.serie = {
        std::move(istogramma),
        linea("Media", clRed, {{r.media, 0}, {r.media, static_cast<double>(alto)}})};
    setGrafico(idGraficoDistribuzione_, std::move(distribuzione));

    std::string stato = "Simulate ";
    stato += TDecimale(r.sessioni);
    stato += " sessioni.";
    setTesto(idStato_, stato);
}

// --- events -----------------------------------------------------------------------------------

void TFormSimulatore::click(int id) {
    if (id == idSimula_) {
        if (controllo(id).abilitato) simula();
    } else if (id == idAnnulla_) {
        annulla();
    } else if (id == idPartita_ || id == idSimulati_) {
        aggiornaFonte();
    } else if (id == idAiuto_) {
        piattaforma().messaggio(
            "Scegli la puntata, la progressione delle poste, la cassa e i limiti del tavolo, poi "
            "premi Simula. Con \"I giri di questa partita\" il sistema viene giocato sui numeri "
            "usciti finora, dal più vecchio; con \"Sessioni simulate\" su tante serate di giri "
            "estratti a caso (lo stesso seme dà sempre gli stessi risultati). La sessione "
            "finisce quando i giri finiscono, quando si raggiunge il numero di puntate, "
            "l'obiettivo o lo stop loss, oppure quando la posta supera la cassa (rovina). La "
            "Partage vale solo sulle chance semplici. "
            "Qualunque progressione si scelga, ogni unità puntata perde in media 1/37 (1/74 "
            "sulle chance semplici con la Partage): le "
            "progressioni cambiano solo la forma dei risultati, non il loro valore atteso.");
    }
}

void TFormSimulatore::cambiato(int id) {
    if (id == idProgressione_) aggiornaLinea();
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
