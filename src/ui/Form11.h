// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The complex chances window: every group of one family with its three counters, in
// catalogue order or ranked by one counter, with the delays that passed their maximum
// marked red and bold.

#include "engine/AnalisiGruppi.h"
#include "model/Partita.h"
#include "ui/Form.h"
#include "ui/Form11Layout.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>

namespace girolino::ui {

// Which family and which order the window shows. The main window holds both texts in its
// own combo boxes; the window reads them on every refresh and writes them back when the
// user picks another family or order here.
class TSceltaGruppi {
public:
    virtual ~TSceltaGruppi() = default;
    virtual std::string famiglia() const = 0;
    virtual std::string ordine() const = 0;
    virtual void impostaFamiglia(const std::string& testo) = 0;
    virtual void impostaOrdine(const std::string& testo) = 0;
};

class TForm11 : public TForm {
public:
    static constexpr int RIGHE = RIGHE_FORM11;

    TForm11(TPiattaforma& p, const TPartita& partita);

    // Until a choice is linked, the window's own combo boxes hold the family and order.
    void collegaScelta(TSceltaGruppi& scelta) { scelta_ = &scelta; }

    // Clears and re-enables the grid, refills it, copies the choice into the window's
    // combo boxes and caption, and shows the window.
    void guardaTutte();
    // Refills rows 1..N of the chosen family and re-applies the two highlight passes.
    void assegnaValori();
    void pulisciCampi();
    void abilitaCampi();
    // A new game: a cleared grid whose rows of the chosen family are active at once.
    void nuovaPartita();

    void assegnaChanceComplesse();
    void compilaCampiConOrd();

    void colorarosso();
    void coloraNorosso();
    void numeribold();
    void numeriNobold();

    void click(int id) override;
    void cambiato(int id) override;

private:
    // The window's own combo boxes as the choice, for a window not linked to another.
    class TSceltaPropria : public TSceltaGruppi {
    public:
        explicit TSceltaPropria(TForm11& f) : f_(f) {}
        std::string famiglia() const override { return f_.testo(f_.id_.famiglia); }
        std::string ordine() const override { return f_.testo(f_.id_.ordine); }
        void impostaFamiglia(const std::string& t) override { f_.setTesto(f_.id_.famiglia, t); }
        void impostaOrdine(const std::string& t) override { f_.setTesto(f_.id_.ordine, t); }

    private:
        TForm11& f_;
    };

    void scriviRiga(int riga, const std::string& etichetta, const TContatore& c);
    void rigaAttiva(int riga, bool attiva);
    void evidenzia();
    void sceltaPannello(int id);
    // The delay cells of rows 1..57 and, by the same 0-based index, what each row shows.
    std::span<const int> righeRitardo() const { return std::span(id_.r).subspan(1); }
    auto righeMostrate() const {
        return [this](std::size_t k) -> const TContatore& { return mostrati_[k + 1]; };
    }

    const TPartita& partita_;
    TSceltaPropria propria_{*this};
    TSceltaGruppi* scelta_ = &propria_;
    TGruppiOrdinati copiaGruppi_;
    // What rows 1..57 show, so that the highlight passes compare numbers, not texts.
    std::array<TContatore, RIGHE + 1> mostrati_{};

    TIdForm11 id_;
};

} // namespace girolino::ui
