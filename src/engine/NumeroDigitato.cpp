// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/NumeroDigitato.h"

#include "model/Tabella.h"

namespace girolino {

namespace {

bool cifra(char c) {
    return c >= '0' && c <= '9';
}

bool soloCifre(std::string_view t) {
    if (t.empty()) return false;
    for (char c : t)
        if (!cifra(c)) return false;
    return true;
}

// The value of a run of digits, or NUMERI when it is not a pocket of this wheel.
int valoreCifre(std::string_view cifre) {
    std::size_t i = 0;
    while (i + 1 < cifre.size() && cifre[i] == '0') ++i;
    if (i > 0 && cifre.size() > 1 && cifre.substr(i) == "0") return NUMERI; // "00", "000"
    int v = 0;
    for (; i < cifre.size(); ++i) {
        v = v * 10 + (cifre[i] - '0');
        if (v >= NUMERI) return NUMERI;
    }
    return v;
}

} // namespace

TValutazioneNumero valutaNumero(std::string_view testo) {
    if (soloCifre(testo)) {
        const int v = valoreCifre(testo);
        if (v < NUMERI) return {TGiudizioNumero::Valido, v};
        return {TGiudizioNumero::FuoriRuota, -1};
    }
    if (testo.size() > 1 && (testo[0] == '-' || testo[0] == '+') && soloCifre(testo.substr(1))) {
        const int v = valoreCifre(testo.substr(1));
        // A negative number is never a pocket; "+5" and "-0" are, but spelt with a sign.
        if (v >= NUMERI || (testo[0] == '-' && v != 0)) return {TGiudizioNumero::FuoriRuota, -1};
        return {TGiudizioNumero::ConSegno, -1};
    }
    return {TGiudizioNumero::NonIntero, -1};
}

std::optional<int> leggiNumeroDigitato(std::string_view testo) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!testo.empty() && blank(testo.front())) testo.remove_prefix(1);
    while (!testo.empty() && blank(testo.back())) testo.remove_suffix(1);
    const auto v = valutaNumero(testo);
    if (v.giudizio != TGiudizioNumero::Valido) return std::nullopt;
    return v.numero;
}

} // namespace girolino
