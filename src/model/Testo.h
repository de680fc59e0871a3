// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts the user reads are written in Italian where they are made, and translated on their
// way to the screen. TESTO marks such a text for the translators' catalogue (po/girolino.pot,
// extracted by scripts/aggiorna-traduzioni.sh); it leaves the text as it is.
//
// A text with values in it is built from a marked pattern with formatta: "%1".."%9" stand for
// the values, so that a translation may put them in another order. Each value is a number or
// a text that is itself translatable (a chance's name, a reason).

#include <concepts>
#include <initializer_list>
#include <string>
#include <string_view>

#define TESTO(s) s

namespace girolino {

// The pattern with %1..%9 replaced by the values in order; a "%" not followed by a
// digit of a given value stays as it is.
std::string formattaTesti(std::string_view modello, std::initializer_list<std::string_view> valori);

template <class T> std::string comeTesto(const T& v) {
    if constexpr (std::integral<T>)
        return std::to_string(v);
    else
        return std::string(v);
}

template <class... T> std::string formatta(std::string_view modello, const T&... valori) {
    static_assert(sizeof...(T) <= 9, "at most nine values in a text");
    // The temporaries live until the whole call has returned.
    return formattaTesti(modello, {std::string_view(comeTesto(valori))...});
}

} // namespace girolino
