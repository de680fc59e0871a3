// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/LetturaNumeri.h"

#include "model/Partita.h"

#include <charconv>
#include <limits>
#include <string>

namespace girolino {

namespace {

constexpr bool cifra(char c) {
    return c >= '0' && c <= '9';
}

constexpr bool spazio(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

TEsitoNumero leggiDecimale(std::string_view testo, std::int64_t& valore) {
    const std::string_view cifre = testo.starts_with('-') ? testo.substr(1) : testo;
    if (cifre.empty()) return TEsitoNumero::NonIntero;
    for (char c : cifre)
        if (!cifra(c)) return TEsitoNumero::NonIntero;
    std::int64_t v = 0;
    const auto [fino, errore] = std::from_chars(testo.data(), testo.data() + testo.size(), v);
    if (errore == std::errc::result_out_of_range) return TEsitoNumero::FuoriScala;
    if (errore != std::errc{} || fino != testo.data() + testo.size())
        return TEsitoNumero::NonIntero;
    valore = v;
    return TEsitoNumero::Ok;
}

std::optional<std::int32_t> leggiIntero(std::string_view testo) {
    while (!testo.empty() && spazio(testo.front())) testo.remove_prefix(1);
    while (!testo.empty() && spazio(testo.back())) testo.remove_suffix(1);
    bool negativo = false;
    if (testo.starts_with('+') || testo.starts_with('-')) {
        negativo = testo.front() == '-';
        testo.remove_prefix(1);
    }
    // The sign is taken: what is left must be digits alone.
    if (testo.empty() || !cifra(testo.front())) return std::nullopt;
    std::int64_t v = 0;
    if (leggiDecimale(testo, v) != TEsitoNumero::Ok) return std::nullopt;
    if (negativo) v = -v;
    if (v < std::numeric_limits<std::int32_t>::min() ||
        v > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(v);
}

std::optional<int> numeroDelTavolo(std::string_view testo) {
    std::int64_t v = 0;
    if (leggiDecimale(testo, v) != TEsitoNumero::Ok || v < 0 || v >= NUMERI) return std::nullopt;
    return static_cast<int>(v);
}

std::optional<int> numeroEsatto(std::string_view testo) {
    const std::optional<int> n = numeroDelTavolo(testo);
    if (!n || testo != std::to_string(*n)) return std::nullopt;
    return n;
}

} // namespace girolino
