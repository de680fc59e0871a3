// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A game record as the spin entry leaves its ribbons: one line per spin on the number
// ribbon and on every letter ribbon. The counters are left untouched.

#include "model/Partita.h"
#include "model/Tabella.h"

#include <cstdint>
#include <string>
#include <vector>

namespace girolino::test {

inline TPartita partitaDaiNastri(const std::vector<int>& uscite) {
    TPartita p;
    for (int n : uscite) {
        const auto& l = lettereNastro(n);
        p.nastroNumeri.push_back(std::to_string(n));
        p.nastroRossoNero.push_back(l[0]);
        p.nastroPariDispari.push_back(l[1]);
        p.nastroManqPass.push_back(l[2]);
        p.nastroDozzine.push_back(l[3]);
        p.nastroColonne.push_back(l[4]);
    }
    p.bouleEseguite = static_cast<std::int32_t>(uscite.size());
    return p;
}

} // namespace girolino::test
