// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Sistema.h"

#include "engine/AnalisiChance.h"
#include "model/Testo.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace girolino {

std::string nomePuntata(TPuntata p) {
    if (p.suNumero) return std::to_string(p.valore);
    return std::string(TESTI_CHANCE.at(static_cast<std::size_t>(p.valore - Rosso)));
}

std::optional<TPuntata> puntataDaNome(std::string_view nome) {
    for (std::size_t i = 0; i < TESTI_CHANCE.size(); ++i)
        if (nome == TESTI_CHANCE[i]) return TPuntata::chance(static_cast<TChance>(Rosso + i));
    int n = -1;
    const auto [fine, errore] = std::from_chars(nome.data(), nome.data() + nome.size(), n);
    if (errore != std::errc{} || fine != nome.data() + nome.size() || n < 0 || n >= NUMERI)
        return std::nullopt;
    return TPuntata::numero(n);
}

int pagamento(TPuntata p) {
    if (p.suNumero) return 35;
    return p.valore <= Pass ? 1 : 2;
}

bool vince(TPuntata p, int n) {
    if (p.suNumero) return n == p.valore;
    const auto chance = chanceDelNumero(n);
    return std::find(chance.begin(), chance.end(), p.valore) != chance.end();
}

std::string_view nomeProgressione(TTipoProgressione t) {
    switch (t) {
    case TTipoProgressione::Piatta:
        return TESTO("Piatta");
    case TTipoProgressione::Martingala:
        return TESTO("Martingala");
    case TTipoProgressione::DAlembert:
        return TESTO("D'Alembert");
    case TTipoProgressione::Fibonacci:
        return TESTO("Fibonacci");
    case TTipoProgressione::Labouchere:
        return TESTO("Labouchère");
    case TTipoProgressione::Paroli:
        return TESTO("Paroli");
    }
    return "";
}

std::string_view nomeFineSessione(TFineSessione f) {
    switch (f) {
    case TFineSessione::Fine:
        return "fine";
    case TFineSessione::Giri:
        return "giri";
    case TFineSessione::Obiettivo:
        return "obiettivo";
    case TFineSessione::Stop:
        return "stop";
    case TFineSessione::Rovina:
        return "rovina";
    }
    return "";
}

namespace {

bool nonNegativo(double x) {
    return std::isfinite(x) && x >= 0;
}

bool positivo(double x) {
    return std::isfinite(x) && x > 0;
}

} // namespace

std::optional<std::string> validaImpostazioni(const TImpostazioniSistema& s) {
    const TPuntata& p = s.puntata;
    if (p.suNumero ? (p.valore < 0 || p.valore >= NUMERI) : (p.valore < Rosso || p.valore > Col3))
        return TESTO("Puntata: scegliere una delle 12 chance o un numero da 0 a 36.");
    if (!positivo(s.unita)) return TESTO("Unità: deve essere un numero maggiore di zero.");
    if (!nonNegativo(s.cassa)) return TESTO("Cassa: deve essere un numero non negativo.");
    if (!nonNegativo(s.minimo))
        return TESTO("Minimo del tavolo: deve essere un numero non negativo.");
    if (!positivo(s.massimo))
        return TESTO("Massimo del tavolo: deve essere un numero maggiore di zero.");
    if (s.minimo > s.massimo)
        return TESTO("Minimo del tavolo: non può superare il massimo del tavolo.");
    if (!nonNegativo(s.obiettivo))
        return TESTO("Obiettivo: deve essere un numero non negativo (0 = nessun obiettivo).");
    if (!nonNegativo(s.stopLoss))
        return TESTO("Stop loss: deve essere un numero non negativo (0 = nessuno stop loss).");
    if (s.puntateMassime < 0)
        return TESTO("Numero di puntate: deve essere un intero non negativo (0 = nessun limite).");
    if (s.progressione == TTipoProgressione::Labouchere) {
        if (s.linea.empty()) return TESTO("Linea Labouchère: scrivere almeno un numero.");
        if (!std::all_of(s.linea.begin(), s.linea.end(), positivo))
            return TESTO("Linea Labouchère: ogni termine deve essere un numero maggiore di zero.");
    }
    return std::nullopt;
}

std::optional<std::vector<double>> leggiLinea(std::string_view testo) {
    std::vector<double> linea;
    const auto spazio = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t i = 0;
    while (i < testo.size()) {
        if (spazio(testo[i])) {
            ++i;
            continue;
        }
        std::size_t fine = i;
        while (fine < testo.size() && !spazio(testo[fine])) ++fine;
        double termine = 0;
        const auto [resto, errore] =
            std::from_chars(testo.data() + i, testo.data() + fine, termine);
        if (errore != std::errc{} || resto != testo.data() + fine) return std::nullopt;
        linea.push_back(termine);
        i = fine;
    }
    return linea;
}

} // namespace girolino
