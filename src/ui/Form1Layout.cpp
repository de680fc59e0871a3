// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form1Layout.h"
#include "model/Testo.h"

#include "engine/AnalisiGruppi.h"
#include "engine/Estrazione.h"
#include "ui/CampoNumero.h"
#include "ui/Disegno.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace girolino::ui {

using namespace disegno;

namespace {

constexpr int finestra = -1;
constexpr const char* odessa = "Odessa LET";

// Number pad: 37 buttons in rows of ten, the spin count after the last one.
void tastiera(TForm& f, TIdForm1& ids) {
    TControllo pannello = controllo("Panel1", TTipo::Pannello, finestra, 11, 4, 247, 102);
    pannello.sfondo = clGreen;
    const int p = f.aggiungi(pannello);
    for (int n = 0; n <= 36; ++n) {
        ids.pulsanti[n] =
            f.aggiungi(controllo("SpeedButton" + std::to_string(n + 1), TTipo::Pulsante, p,
                                 4 + (n % 10) * 24, 4 + (n / 10) * 24, 23, 22, std::to_string(n)));
    }
    TControllo boule = controllo("Memo2", TTipo::Memo, p, 176, 76, 66, 22, "0");
    boule.sfondo = clSkyBlue;
    boule.font = carattere(16, true, clBlue);
    boule.solaLettura = true;
    boule.hint = TESTO("Numero di Boules eseguite");
    ids.memo2 = f.aggiungi(boule);
}

// The last number, large, and its four attributes beside it.
void ultimoNumero(TForm& f, TIdForm1& ids) {
    TControllo numero = controllo("Memo1", TTipo::Memo, finestra, 263, 8, 46, 41);
    numero.font = carattere(32, true, clRed);
    numero.allinea = TAllinea::Centro;
    // Undo reads the number back from here: it must not accept typing.
    numero.solaLettura = true;
    ids.memo1 = f.aggiungi(numero);
    constexpr std::array<int, 4> xs = {310, 407, 504, 607};
    for (int i = 0; i < 4; ++i) {
        TControllo c =
            controllo("Panel" + std::to_string(i + 2), TTipo::Pannello, finestra, xs[i], 8, 97, 41);
        c.sfondo = clWhite;
        c.font = carattere(27, false, clNavy, odessa);
        c.allinea = TAllinea::Centro;
        ids.connotazioni[i] = f.aggiungi(c);
    }
}

// Random spins: six fixed counts, a free count with "Vai", and help.
void casuali(TForm& f, TIdForm1& ids) {
    TControllo pannello = controllo("Panel7", TTipo::Pannello, finestra, 779, 8, 209, 100);
    pannello.sfondo = clGreen;
    const int p = f.aggiungi(pannello);
    TControllo titoloPannello =
        controllo("Label68", TTipo::Etichetta, p, 8, 7, 166, 15, TESTO("Esegui Boules Casuali"));
    titoloPannello.font = carattere(11, true, clWhite);
    f.aggiungi(titoloPannello);
    ids.aiuti[0] =
        f.aggiungi(pulsanteImmagine("SpeedButton51", p, 180, 3, "aiuto", TESTO("Aiuto")));
    for (int i = 0; i < 6; ++i) {
        ids.casuali[i] =
            f.aggiungi(controllo("SpeedButton" + std::to_string(38 + i), TTipo::Pulsante, p,
                                 8 + i * 33, 31, 30, 22, std::string(ESTRAZIONI_FISSE[i])));
    }
    TControllo indica = controllo("Label69", TTipo::Etichetta, p, 8, 58, 190, 13,
                                  TESTO("Indica un numero di Boules"));
    indica.font.colore = clWhite;
    f.aggiungi(indica);
    TControllo campo = controllo("Edit1", TTipo::Campo, p, 8, 74, 120, 21);
    campo.hint = TESTO("Inserisci qui un numero di Boules casuali da estrarre");
    ids.edit1 = f.aggiungi(campo);
    TControllo vai = controllo("BitBtn2", TTipo::Pulsante, p, 134, 73, 67, 24, TESTO("Vai"));
    vai.immagine = "vai";
    ids.vai = f.aggiungi(vai);
}

// Command row: undo, floating pad, new game, save, open, help.
void comandi(TForm& f, TIdForm1& ids) {
    TControllo annulla = pulsanteImmagine("SpeedButton47", finestra, 191, 110, "annulla",
                                          TESTO("Annulla ultimo numero inserito"));
    annulla.abilitato = false;
    ids.annulla = f.aggiungi(annulla);
    ids.tastiera = f.aggiungi(pulsanteImmagine("SpeedButton46", finestra, 219, 110, "tastiera",
                                               TESTO("Apri Tastiera Libera")));
    TControllo nuova =
        controllo("BitBtn1", TTipo::Pulsante, finestra, 247, 110, 115, 25, TESTO("Nuova Partita"));
    nuova.hint = TESTO("Inizia una nuova sessione di gioco");
    nuova.immagine = "nuova";
    ids.nuova = f.aggiungi(nuova);
    TControllo salva =
        pulsanteImmagine("SpeedButton48", finestra, 367, 110, "salva", TESTO("Salva"));
    salva.abilitato = false;
    ids.salva = f.aggiungi(salva);
    ids.apri =
        f.aggiungi(pulsanteImmagine("SpeedButton49", finestra, 400, 110, "apri", TESTO("Apri")));
    f.aggiungi(pulsanteImmagine("SpeedButton50", finestra, 440, 110, "aiuto", TESTO("Aiuto")));
}

// Board: 0 on top of the first column, then 1-12, 13-24, 25-36 side by side; each
// number label is followed by its delay, longest delay and hits.
void tabellone(TForm& f, TIdForm1& ids) {
    constexpr int primaRiga = 121, passoRiga = 22, passoColonna = 150, sinistra = 13;
    constexpr int campo = 40, passoCampo = 42, scostamentoCampi = 18;
    for (int n = 0; n <= 36; ++n) {
        const int colonna = n == 0 ? 0 : (n - 1) / 12;
        const int riga = n == 0 ? 0 : (n - 1) % 12 + 1;
        const int x = sinistra + colonna * passoColonna;
        const int y = primaRiga + riga * passoRiga;
        const std::string k = std::to_string(n);
        TControllo etichetta = titolo("n" + k, finestra, x, y + 4, 16, 13, k, clMaroon);
        etichetta.cursoreMano = true;
        ids.etichette[n] = f.aggiungi(etichetta);
        int i = 0;
        for (auto [prefisso, contatori] :
             {std::pair{"r", &ids.r}, std::pair{"m", &ids.m}, std::pair{"s", &ids.s}}) {
            (*contatori)[n] = f.aggiungi(
                contatore(prefisso + k, finestra, x + scostamentoCampi + i * passoCampo, y, campo));
            ++i;
        }
    }
    // Headings under each column: Label21..Label29.
    const int yIntestazioni = primaRiga + 12 * passoRiga + 21 + 3;
    int nome = 21;
    for (int colonna = 0; colonna < 3; ++colonna) {
        for (int i = 0; i < 3; ++i) {
            f.aggiungi(
                titolo("Label" + std::to_string(nome++), finestra,
                       sinistra + colonna * passoColonna + scostamentoCampi + i * passoCampo - 1,
                       yIntestazioni, passoCampo, 13, std::string(TESTATE_CONTATORI[i]), clGreen));
        }
    }
    TControllo rosso = controllo("CheckBox3", TTipo::Casella, finestra, 15, 446, 340, 16,
                                 TESTO("Colora di rosso i ritardi che superano il Max Rit"));
    rosso.spuntato = true;
    ids.rosso = f.aggiungi(rosso);
    TControllo grassetto = controllo("CheckBox1", TTipo::Casella, finestra, 15, 462, 340, 16,
                                     TESTO("Metti in grassetto i ritardi che superano il Max Rit"));
    grassetto.spuntato = true;
    ids.grassetto = f.aggiungi(grassetto);
}

// Chance table: twelve sides in TChance order with their counters and delay signals.
void tabellaChance(TForm& f, TIdForm1& ids) {
    constexpr std::array<int, 12> righe = {117, 141, 165, 187, 211, 235,
                                           259, 283, 307, 329, 353, 377};
    constexpr std::array<int, 12> segnali = {120, 145, 169, 192, 215, 238,
                                             263, 286, 310, 333, 357, 381};
    constexpr std::array<int, 3> xCampi = {534, 574, 614};
    for (int i = 0; i < 3; ++i) {
        f.aggiungi(titolo("Label" + std::to_string(87 + i), finestra, xCampi[i] - 2, 102, 40, 13,
                          std::string(TESTATE_CONTATORI[i]), clGreen));
    }
    for (int c = 0; c < 12; ++c) {
        const std::string k = std::to_string(c + 1);
        f.aggiungi(titolo("Label" + std::to_string(53 + c), finestra, 480, righe[c] + 3, 52, 15,
                          std::string(titoloChance(static_cast<TChance>(Rosso + c))), clMaroon));
        int i = 0;
        for (auto [prefisso, contatori] :
             {std::pair{"rr", &ids.rr}, std::pair{"mm", &ids.mm}, std::pair{"ss", &ids.ss}}) {
            (*contatori)[c + 1] =
                f.aggiungi(contatore(prefisso + k, finestra, xCampi[i++], righe[c], 36));
        }
        // Wider than the bare word: a raised signal reads "Ritardo <soglia>+".
        TControllo segnale = controllo("Label" + std::to_string(70 + c), TTipo::Etichetta, finestra,
                                       652, segnali[c], 66, 13, TESTO("RITARDO"));
        segnale.font = carattere(11, true, clRed);
        segnale.sfondo = clWhite;
        segnale.hint = std::string(TESTO("RITARDO SIGNIFICATIVO")) + "|"; // no long form
        segnale.visibile = false;
        ids.segnaliRitardo[c + 1] = f.aggiungi(segnale);
    }
    for (int i = 0; i < 3; ++i) {
        f.aggiungi(titolo("Label" + std::to_string(65 + i), finestra, xCampi[i] - 2, 401, 40, 13,
                          std::string(TESTATE_CONTATORI[i]), clGreen));
    }
}

// Family rows: the leading group of each family, the "Mostra" choice and "Guarda Tutte".
void famiglie(TForm& f, TIdForm1& ids) {
    constexpr std::array<const char*, 5> nomi = {
        TESTO("DUINE"), TESTO("TERZINE"), TESTO("QUARTINE"), TESTO("SESTINE"), TESTO("ENNINE")};
    f.aggiungi(titolo("Label20", finestra, 788, 123, 80, 13, TESTO("Tipo"), clGreen));
    constexpr std::array<const char*, 3> nomiIntestazioni = {"Label13", "Label15", "Label16"};
    for (int i = 0; i < 3; ++i) {
        f.aggiungi(titolo(nomiIntestazioni[i], finestra, 870 + i * 40, 123, 40, 13,
                          std::string(TESTATE_CONTATORI[i]), clGreen));
    }
    for (int r = 0; r < 5; ++r) {
        const int y = 140 + r * 24;
        const std::string k = std::to_string(r + 1);
        f.aggiungi(titolo("Label" + std::to_string(8 + r), finestra, 721, y + 2, 62, 17, nomi[r],
                          clMaroon));
        ids.nnn[r] = f.aggiungi(contatore("nnn" + k, finestra, 788, y, 80));
        int i = 0;
        for (auto [prefisso, contatori] :
             {std::pair{"rrr", &ids.rrr}, std::pair{"mmm", &ids.mmm}, std::pair{"sss", &ids.sss}}) {
            (*contatori)[r] = f.aggiungi(contatore(prefisso + k, finestra, 872 + i++ * 40, y, 36));
        }
    }
    const int mostra = f.aggiungi(
        controllo("RadioGroup1", TTipo::Gruppo, finestra, 802, 262, 186, 56, TESTO("Mostra")));
    TControllo ritardatari =
        controllo("RadioButton1", TTipo::Radio, mostra, 10, 16, 160, 17, TESTO("i + Ritardatari"));
    ritardatari.spuntato = true;
    ids.perRitardo = f.aggiungi(ritardatari);
    ids.perFrequenza = f.aggiungi(
        controllo("RadioButton2", TTipo::Radio, mostra, 10, 35, 160, 17, TESTO("i + Frequenti")));

    TControllo guarda =
        controllo("BitBtn3", TTipo::Pulsante, finestra, 721, 324, 104, 25, TESTO("Guarda Tutte"));
    guarda.immagine = "guarda";
    f.aggiungi(guarda);
    TControllo famiglia = controllo("ComboBox2", TTipo::Combo, finestra, 826, 326, 120, 21,
                                    std::string(TESTI_FAMIGLIE[0]));
    famiglia.voci = voci(TESTI_FAMIGLIE);
    ids.famiglia = f.aggiungi(famiglia);
    ids.aiuti[4] =
        f.aggiungi(pulsanteImmagine("SpeedButton55", finestra, 958, 325, "aiuto", TESTO("Aiuto")));
    TControllo ordine = controllo("ComboBox3", TTipo::Combo, finestra, 721, 356, 225, 21,
                                  std::string(TESTI_ORDINI_GRUPPI[0]));
    ordine.voci = voci(TESTI_ORDINI_GRUPPI);
    ids.ordine = f.aggiungi(ordine);
}

// Rankings: four rows of five numbers, captions right-aligned before them.
void classifiche(TForm& f, TIdForm1& ids) {
    struct TRiga {
        const char* etichetta;
        const char* testo;
        int y;
        int primoMemo;
    };
    static const std::array<TRiga, 4> righe = {{
        {"Label7", TESTO("I Maggiori Ritardatari"), 489, 3},
        {"Label82", TESTO("I Più Probabili"), 521, 8},
        {"Label83", TESTO("I Più Frequenti"), 553, 13},
        {"Label84", TESTO("I Meno Frequenti"), 585, 18},
    }};
    for (const TRiga& r : righe) {
        TControllo etichetta =
            controllo(r.etichetta, TTipo::Etichetta, finestra, 4, r.y + 6, 134, 13, r.testo);
        etichetta.allinea = TAllinea::Destra;
        f.aggiungi(etichetta);
        for (int i = 0; i < 5; ++i) {
            TControllo cella = controllo("Memo" + std::to_string(r.primoMemo + i), TTipo::Memo,
                                         finestra, 142 + i * 50, r.y, 44, 25, "0");
            cella.font = carattere(16, true, clBlue);
            cella.allinea = TAllinea::Centro;
            cella.solaLettura = true;
            ids.classifiche[r.primoMemo - 3 + i] = f.aggiungi(cella);
        }
    }
    ids.aiuti[1] =
        f.aggiungi(pulsanteImmagine("SpeedButton52", finestra, 392, 490, "aiuto", TESTO("Aiuto")));
}

// Analysis windows, one button each.
void analisi(TForm& f, TIdForm1& ids) {
    struct TBottone {
        const char* nome;
        const char* testo;
        const char* immagine;
    };
    static const std::array<TBottone, 4> bottoni = {{
        {"BitBtn9", TESTO("Andamento 37 Numeri"), "grafico"},
        {"BitBtn8", TESTO("Andamento Chance Semplici"), "grafico"},
        {"BitBtn5", TESTO("Statistiche 37 Numeri"), "lista"},
        {"BitBtn4", TESTO("Analisi Chance Semplici"), "grafico"},
    }};
    for (int i = 0; i < 4; ++i) {
        TControllo b = controllo(bottoni[i].nome, TTipo::Pulsante, finestra, 431, 477 + i * 33, 190,
                                 25, bottoni[i].testo);
        b.immagine = bottoni[i].immagine;
        b.abilitato = i != 0; // the number trend needs at least one spin
        const int id = f.aggiungi(b);
        if (i == 0) ids.andamento = id;
    }
}

// The six history ribbons with their titles.
void nastri(TForm& f, TIdForm1& ids) {
    struct TNastro {
        const char* nome;
        const char* etichetta;
        const char* titolo;
        int x;
    };
    static const std::array<TNastro, 6> elenco = {{
        {"richeditnumero", "Label6", TESTO("Numero"), 634},
        {"RichEditrosso", "Label1", TESTO("R/N"), 692},
        {"RichEditpari", "Label2", TESTO("Pari/Disp."), 753},
        {"RichEditmanq", "Label3", TESTO("Manq/Pass"), 814},
        {"RichEditdoz", "Label4", TESTO("Doz. 1-2-3"), 875},
        {"RichEditcol", "Label5", TESTO("Col 1-2-3"), 936},
    }};
    for (std::size_t i = 0; i < elenco.size(); ++i) {
        const TNastro& n = elenco[i];
        // Titles are centred over their ribbon and as wide as the gap allows: the
        // repetition signal writes longer texts into them.
        const int w = i == 0 ? 58 : 61;
        TControllo t =
            controllo(n.etichetta, TTipo::Etichetta, finestra, n.x - 6, 456, w, 13, n.titolo);
        t.allinea = TAllinea::Centro;
        const int titolo = f.aggiungi(t);
        if (i > 0) ids.titoli[i - 1] = titolo;
        TControllo nastro = controllo(n.nome, TTipo::Nastro, finestra, n.x, 472, 49, 160);
        nastro.solaLettura = true;
        ids.nastri[i] = f.aggiungi(nastro);
    }
}

// Delay and repetition signal options, and the repetition banner.
void opzioniSegnali(TForm& f, TIdForm1& ids) {
    TControllo box1 = controllo("GroupBox1", TTipo::Gruppo, finestra, 440, 425, 322, 30);
    box1.sfondo = clMoneyGreen;
    const int g1 = f.aggiungi(box1);
    TControllo ritardo = controllo("CheckBox2", TTipo::Casella, g1, 6, 7, 278, 17,
                                   TESTO("Segnala una C. S. se ha un ritardo superiore a"));
    ritardo.spuntato = true;
    ids.segnalaRitardo = f.aggiungi(ritardo);
    ids.edit2 = f.aggiungi(controllo("Edit2", TTipo::Campo, g1, 286, 5, 34, 21, "4"));
    ids.aiuti[2] =
        f.aggiungi(pulsanteImmagine("SpeedButton53", finestra, 764, 427, "aiuto", TESTO("Aiuto")));

    TControllo banner = controllo("Panel6", TTipo::Pannello, finestra, 790, 425, 198, 25);
    banner.sfondo = clWhite;
    banner.font = carattere(16, false, clNavy, odessa);
    banner.allinea = TAllinea::Centro;
    banner.visibile = false;
    ids.banner = f.aggiungi(banner);

    TControllo box2 = controllo("GroupBox2", TTipo::Gruppo, finestra, 634, 633, 351, 27);
    box2.sfondo = clMoneyGreen;
    const int g2 = f.aggiungi(box2);
    TControllo ripetizione = controllo("CheckBox4", TTipo::Casella, g2, 6, 5, 180, 17,
                                       TESTO("Segnala una ripetizione di"));
    ripetizione.spuntato = true;
    ids.segnalaRipetizioni = f.aggiungi(ripetizione);
    TControllo soglia = controllo("ComboBox1", TTipo::Combo, g2, 190, 3, 49, 21, "4");
    soglia.voci = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "12", "14", "16", "18", "20"};
    ids.combo1 = f.aggiungi(soglia);
    f.aggiungi(controllo("Label14", TTipo::Etichetta, g2, 245, 7, 40, 13, TESTO("volte")));
    ids.aiuti[3] =
        f.aggiungi(pulsanteImmagine("SpeedButton54", finestra, 601, 631, "aiuto", TESTO("Aiuto")));
}

void timerVicini(TForm& f, TIdForm1& ids) {
    TControllo t = controllo("Timer3", TTipo::Timer, finestra, 0, 0, 0, 0);
    t.intervallo = 5000;
    t.abilitato = false;
    ids.timer3 = f.aggiungi(t);
}

void menuPrincipale(TForm& f, TIdForm1& ids) {
    struct TVoce {
        const char* nome;
        const char* testo;
        bool abilitata = true;
        int TIdForm1::*id = nullptr; // where the window keeps the item's id
    };
    struct TMenu {
        const char* nome;
        const char* testo;
        std::vector<TVoce> voci;
    };
    // "Salva" starts disabled: nothing to save before the first spin.
    static const std::array<TMenu, 3> menu = {{
        {"File1",
         TESTO("File"),
         {{"SalvaconNome1", TESTO("Salva"), false, &TIdForm1::voceSalva},
          {"Apri1", TESTO("Salva con Nome"), true, &TIdForm1::voceSalvaConNome},
          {"Apri2", TESTO("Apri"), true, &TIdForm1::voceApri}}},
        {"Utility1",
         TESTO("Utility"),
         {{"AnalisiChanceSemplici1", TESTO("Analisi Chance Semplici")},
          {"AndamentoChanceSemplici1", TESTO("Andamento Chance Semplici")},
          {"Statistichedei37Numeri1", TESTO("Statistiche dei 37 Numeri")},
          {"Andamentodei37Numeri1", TESTO("Andamento dei 37 Numeri")},
          {"RuotaeSettori1", TESTO("Ruota e Settori")},
          {"MostramiiVicinidelNumeroPiRitardatario1",
           TESTO("Mostrami i Vicini del Numero Più Ritardatario"), true, &TIdForm1::voceVicini},
          {"FrequenzeOsservateeAttese1", TESTO("Frequenze Osservate e Attese")},
          {"SimulatoreSistemi1", TESTO("Simulatore di Sistemi")}}},
        {"Help1",
         TESTO("Help"),
         {{"Aiuto1", TESTO("Aiuto")},
          {"GuidaallUso1", TESTO("Guida all'Uso")},
          {"SitoWebUfficiale1", TESTO("Sito Web Ufficiale")},
          {"SuggerisciUnMiglioramento1", TESTO("I tuoi suggerimenti")},
          {"RegolediUtilizzo1", TESTO("Regole di Utilizzo")},
          {"Info2", TESTO("Info")}}},
    }};
    for (const TMenu& m : menu) {
        const int padre = f.aggiungiMenu({m.nome, m.testo});
        for (const TVoce& v : m.voci) {
            const int id = f.aggiungiMenu({v.nome, v.testo, padre, v.abilitata});
            if (v.id) ids.*v.id = id;
        }
    }
}

// Help > Lingua: the language of the next start, one item checked.
void menuLingua(TForm& f, TIdForm1& ids) {
    const int lingua = f.aggiungiMenu({"Lingua1", TESTO("Lingua"), f.idMenu("Help1")});
    for (std::size_t k = 0; k < vociLingua.size(); ++k) {
        TVoceMenu v{vociLingua[k].nome, vociLingua[k].testo, lingua};
        v.spuntabile = true;
        ids.idVociLingua[k] = f.aggiungiMenu(std::move(v));
    }
}

} // namespace

TIdForm1 costruisciForm1(TForm& f) {
    TIdForm1 ids;
    f.setCaption(captionForm1);
    f.setFontBase(carattere(11));
    f.setSfondo(clBtnFace);
    f.setPosizione(TPosizioneForm::CentroSchermo);
    tastiera(f, ids);
    ultimoNumero(f, ids);
    casuali(f, ids);
    comandi(f, ids);
    tabellone(f, ids);
    tabellaChance(f, ids);
    famiglie(f, ids);
    classifiche(f, ids);
    analisi(f, ids);
    nastri(f, ids);
    opzioniSegnali(f, ids);
    timerVicini(f, ids);
    menuPrincipale(f, ids);
    menuLingua(f, ids);
    aggiungiDigitazioneForm1(f);
    return ids;
}

} // namespace girolino::ui
