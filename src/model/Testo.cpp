// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Testo.h"

namespace girolino {

std::string formattaTesti(std::string_view modello,
                          std::initializer_list<std::string_view> valori) {
    std::string r;
    r.reserve(modello.size() + 16);
    for (std::size_t i = 0; i < modello.size(); ++i) {
        if (modello[i] == '%' && i + 1 < modello.size()) {
            const char c = modello[i + 1];
            const auto k = static_cast<std::size_t>(c - '1');
            if (c >= '1' && c <= '9' && k < valori.size()) {
                r += *(valori.begin() + k);
                ++i;
                continue;
            }
        }
        r += modello[i];
    }
    return r;
}

} // namespace girolino
