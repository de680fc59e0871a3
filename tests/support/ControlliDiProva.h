// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers for window tests: numbered component names and the layout check every window
// must pass.

#include "ui/Form.h"

#include <gtest/gtest.h>

#include <string>

namespace girolino::test {

// "r7": the name of the k-th component of a numbered series.
inline std::string nome(const char* prefisso, int k) {
    return prefisso + std::to_string(k);
}

// Every control inside its parent (or the window), and every small caption wide enough
// for its text at 6 pixels a character (code points, not bytes: "°" is one).
inline void expectDentro(const ui::TForm& f) {
    for (std::size_t i = 0; i < f.numControlli(); ++i) {
        const ui::TControllo& c = f.controllo(static_cast<int>(i));
        SCOPED_TRACE(f.nomeClasse() + "/" + c.nome);
        const int w = c.genitore < 0 ? f.larghezza() : f.controllo(c.genitore).w;
        const int h = c.genitore < 0 ? f.altezza() : f.controllo(c.genitore).h;
        EXPECT_GE(c.x, 0);
        EXPECT_GE(c.y, 0);
        EXPECT_LE(c.x + c.w, w);
        EXPECT_LE(c.y + c.h, h);
        if (c.tipo == ui::TTipo::Etichetta && c.font.px <= 11) {
            int caratteri = 0;
            for (unsigned char b : c.testo) caratteri += (b & 0xC0) != 0x80;
            EXPECT_GE(c.w, 6 * caratteri);
        }
    }
}

} // namespace girolino::test
