// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two alerts on the outside sides: a side whose delay passes the player's threshold,
// and a side that came out at least a threshold number of times in a row (ribbon titles
// and banner). Thresholds arrive as the texts the player typed; a text that is not a whole
// number switches its signal off instead of stopping the spin.

#include "model/Partita.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace girolino {

struct TSegnaleRitardo {
    std::array<bool, NUM_CHANCE + 1> visibile{}; // [Rosso..Col3], slot 0 unused
    std::string didascalia;                      // caption of every visible label
};

// The delay labels: visible for each side whose delay is strictly greater than the
// threshold, captioned "Ritardo <the threshold text as typed>+". Switched off or
// with a threshold that is not a whole number, all labels are hidden.
TSegnaleRitardo ritardisignificativi(const TPartita& partita, bool attivo,
                                     std::string_view testoSoglia);

// The repetition threshold: the typed text when the signal is on, 10000 when it is off
// (no run gets that long in practice), nullopt when the text is not a whole number.
std::optional<std::int32_t> sogliaRipetizioni(bool attivo, std::string_view testoSoglia);

inline constexpr int NUM_TITOLI = 5; // colour, parity, half, dozens, columns

struct TTitoloNastro {
    std::string testo;
    bool rosso = false; // red text, otherwise black
    bool grassetto = false;

    friend bool operator==(const TTitoloNastro&, const TTitoloNastro&) = default;
};
using TTitoliNastri = std::array<TTitoloNastro, NUM_TITOLI>;

struct TBanner {
    std::string testo;
    bool visibile = false;

    friend bool operator==(const TBanner&, const TBanner&) = default;
};

// The plain titles, black and regular.
void pulisciTitoliCS(TTitoliNastri& titoli);

// Marks the title of every side whose run reaches the threshold (a later side of the same
// family wins) and names in the banner the last such side. The banner shows while any title
// is red; hidden, it keeps its last text. Without a threshold nothing is marked.
void impostaTitoliCS(const TPartita& partita, std::optional<std::int32_t> soglia,
                     TTitoliNastri& titoli, TBanner& banner);

} // namespace girolino
