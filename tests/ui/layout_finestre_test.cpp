// SPDX-License-Identifier: GPL-3.0-or-later
// The geometry of every window of the program as its layout builds it: each control has a
// size, lies inside the client area and inside the control that holds it, and no two
// controls with the same container overlap. A control drawn over a sibling on purpose
// says so (`sopraIFratelli`); what sits inside a panel or a group is its child instead.
// Windows are taken from the application, so a new window is checked as soon as it exists.

#include "ProvaForm1.h"

#include <gtest/gtest-spi.h>

#include <string>

namespace girolino::test {
namespace {

struct TRettangolo {
    int x, y, w, h;
};

TRettangolo assoluto(const ui::TForm& f, int id) {
    const ui::TControllo& c = f.controllo(id);
    TRettangolo r{c.x, c.y, c.w, c.h};
    for (int p = c.genitore; p >= 0; p = f.controllo(p).genitore) {
        r.x += f.controllo(p).x;
        r.y += f.controllo(p).y;
    }
    return r;
}

bool contiene(const TRettangolo& fuori, const TRettangolo& dentro) {
    return dentro.x >= fuori.x && dentro.y >= fuori.y && dentro.x + dentro.w <= fuori.x + fuori.w &&
           dentro.y + dentro.h <= fuori.y + fuori.h;
}

bool sovrapposti(const ui::TControllo& a, const ui::TControllo& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

void verificaGeometria(const ui::TForm& f) {
    SCOPED_TRACE(f.nomeClasse());
    const TRettangolo finestra{0, 0, f.larghezza(), f.altezza()};
    const int n = static_cast<int>(f.numControlli());
    for (int i = 0; i < n; ++i) {
        const ui::TControllo& c = f.controllo(i);
        if (c.tipo == ui::TTipo::Timer) continue;
        EXPECT_GT(c.w, 0) << c.nome;
        EXPECT_GT(c.h, 0) << c.nome;
        EXPECT_TRUE(contiene(finestra, assoluto(f, i))) << c.nome << " esce dalla finestra";
        if (c.genitore >= 0) {
            const ui::TControllo& p = f.controllo(c.genitore);
            EXPECT_NE(p.tipo, ui::TTipo::Timer) << c.nome;
            EXPECT_TRUE(contiene({0, 0, p.w, p.h}, {c.x, c.y, c.w, c.h}))
                << c.nome << " esce da " << p.nome;
        }
        for (int j = i + 1; j < n; ++j) {
            const ui::TControllo& d = f.controllo(j);
            if (d.tipo == ui::TTipo::Timer || d.genitore != c.genitore) continue;
            if (c.sopraIFratelli || d.sopraIFratelli) continue;
            EXPECT_FALSE(sovrapposti(c, d)) << c.nome << " copre " << d.nome;
        }
    }
}

TEST(LayoutFinestre, EveryControlFitsItsWindowWithoutCoveringAnother) {
    Programma p;
    for (const ui::TForm* f : p.app.finestre()) verificaGeometria(*f);
}

// The check itself: a window with one control out of place in each way is refused.
TEST(LayoutFinestre, TheCheckFindsEachFault) {
    struct TCaso {
        const char* nome;
        ui::TControllo c;
    };
    int numero = 0;
    const auto controllo = [&numero](int genitore, int x, int y, int w, int h, bool sopra = false) {
        ui::TControllo c;
        c.nome = "Prova" + std::to_string(++numero);
        c.genitore = genitore;
        c.x = x, c.y = y, c.w = w, c.h = h;
        c.sopraIFratelli = sopra;
        return c;
    };
    const TCaso guasti[] = {
        {"fuori dalla finestra", controllo(-1, 190, 10, 20, 10)},
        {"fuori dal gruppo", controllo(0, 40, 5, 20, 10)},
        {"sopra un fratello", controllo(-1, 60, 60, 20, 10)},
        {"senza larghezza", controllo(-1, 150, 150, 0, 10)},
    };
    for (const TCaso& g : guasti) {
        PiattaformaFinta piattaforma;
        ui::TForm f(piattaforma, "TProva", "", 200, 200);
        f.aggiungi(controllo(-1, 10, 10, 50, 50)); // a group
        f.aggiungi(controllo(-1, 70, 65, 20, 10)); // a neighbour
        f.aggiungi(g.c);
        ::testing::TestPartResultArray risultati;
        {
            ::testing::ScopedFakeTestPartResultReporter r(
                ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD,
                &risultati);
            verificaGeometria(f);
        }
        EXPECT_GT(risultati.size(), 0) << g.nome;
    }
    // Declared on purpose, an overlap passes.
    PiattaformaFinta piattaforma;
    ui::TForm f(piattaforma, "TProva", "", 200, 200);
    f.aggiungi(controllo(-1, 10, 10, 50, 50));
    f.aggiungi(controllo(-1, 20, 20, 20, 10, true));
    verificaGeometria(f);
}

} // namespace
} // namespace girolino::test
