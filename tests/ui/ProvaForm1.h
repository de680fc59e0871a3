// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A started program on the scripted platform, with short hands for pressing the main
// window's controls and reading them back.

#include "PiattaformaFinta.h"
#include "ui/Applicazione.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <string>
#include <string_view>

namespace girolino::test {

class Programma {
public:
    PiattaformaFinta piattaforma;
    ui::TApplicazione app{piattaforma};
    ui::TForm1& f = app.form1();
    ui::TForm5& pad = app.form5();

    Programma() { app.avvia(); }

    void premi(std::string_view nome) { f.click(f.id(nome)); }
    // Numbers pressed on the main window's pad.
    void gioca(std::initializer_list<int> numeri) {
        for (int n : numeri) premi("SpeedButton" + std::to_string(n + 1));
    }
    void annulla() { premi("SpeedButton47"); }
    // The user ticks or unticks a check box, or selects a radio button.
    void spunta(std::string_view nome, bool b) {
        f.spuntaUtente(f.id(nome), b);
        f.click(f.id(nome));
    }
    void digita(std::string_view nome, std::string testo) {
        f.testoDigitato(f.id(nome), std::move(testo));
        f.cambiato(f.id(nome));
    }
    const std::string& testo(std::string_view nome) const { return f[nome].testo; }
    const ui::TControllo& c(std::string_view nome) const { return f[nome]; }
};

// Every observable state of every control and menu item of two windows must agree, except
// the controls and items named in `salvo`.
inline void attendiUguali(const ui::TForm& a, const ui::TForm& b,
                          const std::set<std::string>& salvo = {}) {
    ASSERT_EQ(a.numControlli(), b.numControlli());
    EXPECT_EQ(a.caption(), b.caption());
    for (std::size_t k = 0; k < a.numControlli(); ++k) {
        const ui::TControllo& x = a.controllo(static_cast<int>(k));
        const ui::TControllo& y = b.controllo(static_cast<int>(k));
        if (salvo.count(x.nome)) continue;
        SCOPED_TRACE(a.nomeClasse() + "/" + x.nome);
        EXPECT_EQ(x.testo, y.testo);
        EXPECT_EQ(x.font, y.font);
        EXPECT_EQ(x.sfondo, y.sfondo);
        EXPECT_EQ(x.visibile, y.visibile);
        EXPECT_EQ(x.abilitato, y.abilitato);
        EXPECT_EQ(x.spuntato, y.spuntato);
        EXPECT_EQ(x.hint, y.hint);
        EXPECT_EQ(x.righe, y.righe);
        EXPECT_EQ(x.spezzoni, y.spezzoni);
    }
    for (std::size_t v = 0; v < a.menu().size(); ++v)
        if (!salvo.count(a.menu()[v].nome)) {
            EXPECT_EQ(a.menu()[v].abilitata, b.menu()[v].abilitata) << a.menu()[v].nome;
        }
}

} // namespace girolino::test
