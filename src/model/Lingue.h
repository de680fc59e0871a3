// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The languages the program speaks, and the user's choice of one, kept in the settings store.
// The choice applies at the next start: every window is built in one language. Italian is
// the language the program is written in; English and any other language come from a
// catalogue named by the language's code (po/<code>.po).

#include <string_view>

namespace girolino {

enum class TLingua { Italiano, Inglese };

inline constexpr std::string_view chiaveLingua = "lingua";
inline constexpr std::string_view sceltaAutomatica = "automatica";
inline constexpr std::string_view sceltaItaliano = "italiano";
inline constexpr std::string_view sceltaInglese = "english";

// The language for a stored choice. Automatic (also a missing or unknown choice): English
// when the desktop's first UI language is English ("en", "en-GB", "en_US.UTF-8"), Italian
// otherwise, the C/POSIX locale included.
TLingua linguaPer(std::string_view scelta, std::string_view primaLinguaDesktop);

// The code of a language's catalogue: "it", "en".
inline constexpr std::string_view codiceLingua(TLingua l) {
    return l == TLingua::Inglese ? "en" : "it";
}

} // namespace girolino
