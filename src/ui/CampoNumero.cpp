// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CampoNumero.h"

#include "engine/NumeroDigitato.h"
#include "model/Testo.h"
#include "ui/Disegno.h"

#include <array>

namespace girolino::ui {

using namespace disegno;

namespace {

constexpr const char* hintCampo = TESTO("Numero");
constexpr TColore sfondoRifiuto = clRed;

} // namespace

int aggiungiCampoNumero(TForm& f, int genitore, int x, int y, int pxFont, TColore coloreCaption) {
    const int altezza = pxFont + 12;
    const int larghezzaCaption = pxFont * 9 / 2;
    TControllo caption =
        controllo("LabelNumero", TTipo::Etichetta, genitore, x, y + (altezza - pxFont - 4) / 2,
                  larghezzaCaption, pxFont + 4, TESTO("Numero"));
    caption.font = carattere(pxFont, true, coloreCaption);
    f.aggiungi(caption);
    TControllo campo = controllo(nomeCampoNumero, TTipo::Campo, genitore, x + larghezzaCaption + 4,
                                 y, pxFont * 3 + 8, altezza);
    campo.font = carattere(pxFont, true, clBlack);
    campo.allinea = TAllinea::Centro;
    campo.hint = hintCampo;
    return f.aggiungi(campo);
}

void aggiungiDigitazioneForm1(TForm& f) {
    // Under the last number, beside the pad: where the eyes already are.
    aggiungiCampoNumero(f, -1, 263, 58, 16, clNavy);

    struct TVoce {
        const char* nome;
        const char* testo;
        const char* scorciatoia;
        bool abilitata = true;
    };
    // Nothing to take back or export before the first spin.
    static constexpr std::array<TVoce, 5> nuove = {{
        {"NuovaPartita1", TESTO("Nuova Partita"), "New"},
        {"AnnullaUltimoNumero1", TESTO("Annulla Ultimo Numero"), "Undo", false},
        {"ImportaNumeri1", TESTO("Importa Numeri..."), "Ctrl+I"},
        {"IncollaNumeri1", TESTO("Incolla Numeri"), ""},
        {"EsportaNumeri1", TESTO("Esporta Numeri..."), "", false},
    }};
    const int file = f.idMenu("File1");
    for (const TVoce& v : nuove)
        f.aggiungiMenu({v.nome, v.testo, file, v.abilitata, v.scorciatoia});

    static constexpr std::array<std::pair<const char*, const char*>, 4> tasti = {
        {{"SalvaconNome1", "Save"},
         {"Apri1", "SaveAs"},
         {"Apri2", "Open"},
         {"Aiuto1", "HelpContents"}}};
    for (const auto& [voce, tasto] : tasti) f.impostaScorciatoia(f.idMenu(voce), tasto);
}

std::optional<int> leggiCampoNumero(TForm& f, TPiattaforma& p, int id) {
    const std::string testo = f.testo(id);
    if (testo.empty()) return std::nullopt;
    if (const std::optional<int> n = girolino::leggiNumeroDigitato(testo)) {
        f.setTesto(id, "");
        ripristinaCampoNumero(f, id);
        return n;
    }
    f.setSfondoControllo(id, sfondoRifiuto);
    f.setColoreFont(id, clWhite);
    f.setHint(id, girolino::SUGGERIMENTO_NUMERO);
    p.fuoco(f, id); // selects the text: the next typing replaces it
    return std::nullopt;
}

void ripristinaCampoNumero(TForm& f, int id) {
    f.setSfondoControllo(id, clPredefinito);
    f.setColoreFont(id, clBlack);
    f.setHint(id, hintCampo);
}

} // namespace girolino::ui
