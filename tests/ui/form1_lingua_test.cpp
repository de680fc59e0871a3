// SPDX-License-Identifier: GPL-3.0-or-later
// Help > Lingua: the item of the stored choice is checked, an item stores its choice for the
// next start and says so, and a store that cannot be written changes nothing.

#include "PiattaformaFinta.h"
#include "model/Lingue.h"
#include "ui/Applicazione.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace girolino::ui {
namespace {

using test::PiattaformaFinta;

constexpr const char* avviso = "La lingua scelta sarà usata al prossimo avvio del programma.";

std::vector<std::string> spuntate(const TForm& f) {
    std::vector<std::string> r;
    for (const TVoceMenu& v : f.menu()) {
        if (v.spuntata) r.push_back(v.nome);
        EXPECT_EQ(v.spuntabile, v.padre >= 0 && f.menu()[v.padre].nome == "Lingua1") << v.nome;
    }
    return r;
}

void scegli(TForm& f, const char* voce) {
    f.voceMenu(f.idMenu(voce));
}

TEST(MenuLingua, LaVoceDellaSceltaMemorizzataESpuntata) {
    const struct {
        std::optional<std::string> memorizzata;
        const char* spuntata;
    } casi[] = {
        {std::nullopt, "LinguaAutomatica1"}, {"automatica", "LinguaAutomatica1"},
        {"italiano", "LinguaItaliano1"},     {"english", "LinguaEnglish1"},
        {"klingon", "LinguaAutomatica1"},    {"", "LinguaAutomatica1"},
    };
    for (const auto& c : casi) {
        PiattaformaFinta p;
        if (c.memorizzata) p.testiImpostazioni[std::string(chiaveLingua)] = *c.memorizzata;
        TApplicazione app(p);
        app.avvia();
        EXPECT_EQ(spuntate(app.form1()), std::vector<std::string>{c.spuntata})
            << c.memorizzata.value_or("(nessuna)");
        const TVoceMenu& lingua = app.form1().menu()[app.form1().idMenu("Lingua1")];
        EXPECT_EQ(app.form1().menu()[lingua.padre].nome, "Help1");
    }
}

TEST(MenuLingua, OgniVoceMemorizzaLaSceltaLaSpuntaEAvvisaCheValeDalProssimoAvvio) {
    const struct {
        const char* voce;
        std::string_view valore;
    } casi[] = {
        {"LinguaEnglish1", sceltaInglese},
        {"LinguaItaliano1", sceltaItaliano},
        {"LinguaAutomatica1", sceltaAutomatica},
    };
    PiattaformaFinta p;
    TApplicazione app(p);
    app.avvia();
    for (const auto& c : casi) {
        p.registro.clear();
        scegli(app.form1(), c.voce);
        EXPECT_EQ(p.testiImpostazioni.at(std::string(chiaveLingua)), c.valore);
        EXPECT_EQ(spuntate(app.form1()), std::vector<std::string>{c.voce});
        EXPECT_EQ(p.registro, std::vector<std::string>{std::string("messaggio: ") + avviso});
        EXPECT_TRUE(app.form1().menuSporco()) << c.voce;
        app.form1().renderizzato();
    }
}

TEST(MenuLingua, UnArchivioNonScrivibileLasciaTuttoComEraESpiegaPerche) {
    for (const bool disponibile : {true, false}) {
        PiattaformaFinta p;
        p.testiImpostazioni[std::string(chiaveLingua)] = "italiano";
        TApplicazione app(p);
        app.avvia();
        p.impostazioniOk = disponibile;
        p.scritturaOk = false;
        p.registro.clear();
        scegli(app.form1(), "LinguaEnglish1");
        EXPECT_EQ(p.testiImpostazioni.at(std::string(chiaveLingua)), "italiano");
        EXPECT_EQ(spuntate(app.form1()), std::vector<std::string>{"LinguaItaliano1"});
        ASSERT_EQ(p.registro.size(), 1u);
        EXPECT_EQ(p.registro[0],
                  "errore: Non è stato possibile memorizzare la lingua scelta: le impostazioni "
                  "del programma non si possono scrivere. Al prossimo avvio la lingua non "
                  "cambierà.");
    }
}

} // namespace
} // namespace girolino::ui
