// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the number pad, the board of the 37 numbers, the chance table, the
// family rows, the rankings, the six ribbons, the random runs and the signals. It drives
// every spin, undo and clear of the game and refreshes every display that shows it.

#include "engine/Annulla.h"
#include "engine/Classifiche.h"
#include "engine/Estrazione.h"
#include "engine/Giocata.h"
#include "engine/GruppiOrdinati.h"
#include "engine/Segnali.h"
#include "gamefile/ElencoNumeri.h"
#include "gamefile/FilePartita.h"
#include "model/Partita.h"
#include "ui/ComandiFinestre.h"
#include "ui/Form.h"
#include "ui/Form1Layout.h"
#include "ui/OsservatoriAnalisi.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace girolino::ui {

class TForm5;
class TFormImporta;
class TMainForm;

// The window follows the steps of a spin and of an undo through the engine's hooks.
class TForm1 : public TForm, private TOsservatoreGiocata, private TOsservatoreAnnullo {
public:
    // The most spins one random run may draw.
    static constexpr int MASSIMO_CASUALI = 100000;

    TForm1(TPiattaforma& p, TPartita& partita);

    // The floating number pad, whose strip and spin count follow every spin.
    void collegaTastiera(TForm5& tastiera);
    // The analysis windows refreshed by spins, undo and clear; null for none.
    void collegaAnalisi(TOsservatoriAnalisi* analisi);
    // The windows opened by buttons and menu items; null for none.
    void collegaComandi(TComandiFinestre* comandi);
    // The file buffer the save and open commands use; without it they do nothing.
    void collegaFile(TMainForm& file);

    TPartita& partita() { return partita_; }
    const TPartita& partita() const { return partita_; }
    // The rankings of the last refresh (the frequency ranking feeds the trend window).
    const TClassifiche& classifiche() const { return classifiche_; }
    const TGruppiOrdinati& gruppiOrdinati() const { return gruppiOrdinati_; }

    // The window's show step at start-up: the game starts from zero.
    void avvia();

    // --- what the other windows ask -----------------------------------------------------
    // No last number is shown (no spin yet, or the game was cleared).
    bool ultimoNumeroVuoto() const { return testo(ids_.memo1).empty(); }
    // The family and the order of groups chosen in the main window's two combos.
    std::string famigliaScelta() const { return testo(ids_.famiglia); }
    std::string ordineScelto() const { return testo(ids_.ordine); }
    void scegliFamiglia(const std::string& t) { setTesto(ids_.famiglia, t); }
    void scegliOrdine(const std::string& t) { setTesto(ids_.ordine, t); }

    // --- spin entry -------------------------------------------------------------------
    void inserisciNumero(int n);

    // --- random runs: the count typed in Edit1 ----------------------------------------
    void vai();
    void estraiCasuali(std::string_view quante); // a fixed-count button

    // --- undo and new game ------------------------------------------------------------
    void annullaUltimo();
    void nuovaPartita();
    void pulisciTutto();
    void azzeracaselle();

    // --- the board, rankings and highlighting ----------------------------------------
    void calcoliCalcola();
    void assegnaChanceComplesse();
    void colorarosso();
    void coloraNorosso();
    void numeriBold();
    void numeriNoBold();
    void reimpostaConnotazioni();
    void cercavicini(std::string_view num);
    void pulisciNumeri();
    void mostraViciniDelPiuRitardatario();
    void spostaCursori();
    void spostaCursoriInAlto();

    // --- signals ----------------------------------------------------------------------
    void ritardisignificativi();
    void aggiornaStriscia();

    // --- game files ---------------------------------------------------------------------
    // salva and salvaConNome return whether a file was written.
    bool salva();
    bool salvaConNome();
    void apri();
    // Opens the game file at percorso in place of the game shown; false when it was refused,
    // and then nothing has changed.
    bool caricaFilePartita(const std::filesystem::path& percorso);

    // Closing the main window ends the program, after offering to save unsaved spins;
    // false when the program stays open (the save was cancelled or failed).
    bool chiudi();

    // --- spins in bulk, typed spins, spin lists (Form1Blocco, Form1Digitazione, Form1Elenchi)
    // Enters the spins as inserisciNumero would one by one, with one refresh at the end.
    void inserisciNumeri(std::span<const std::uint8_t> numeri);
    // Enter in a spin entry field of this window or of the pad; Backspace in an empty one.
    void invioNumero(TForm& finestra, int idCampo);
    void indietroDaCampoVuoto();
    // The preview shown before a list is entered; without it lists are entered at once.
    void collegaImporta(TFormImporta& importa);
    void importaNumeri();                             // File > Importa Numeri...
    void incollaNumeri();                             // File > Incolla Numeri
    void esportaNumeri();                             // File > Esporta Numeri...
    void fileTrascinato(const std::string& percorso); // a file dropped on the window
    void importaTesto(const std::string& origine, std::string_view testo);
    // A long list is being entered, a block at a time.
    bool importazioneInCorso() const { return importando_; }
    void cambiato(int id) override;
    void indietroInCampoVuoto(int id) override;

    // --- events -----------------------------------------------------------------------
    void click(int id) override;
    void invio(int id) override;
    void tick(int id) override;
    void voceMenu(int idVoce) override;
    bool chiusuraRichiesta() override;

private:
    // The refreshes between the steps of a spin.
    void ritardiAumentati() override;
    void nastriAllungati(int n) override;
    void gruppiAggiornati(int n) override;
    void numeriAggiornati(int n) override;
    void ripetizioniContate(int n) override;
    // The refreshes between the steps of an undo.
    void partitaPulita() override;
    void righeTolte() override;
    void numeriRicalcolati(int annullato) override;
    void chanceAnnullate(int annullato) override;
    void spinAnnullato() override;

    void cercaIdentificativi();
    // Everything the window shows of a game just cleared.
    void mostraPartitaPulita();
    // The highlight passes and the delay signal, after the counters changed.
    void evidenzia();
    void impostaConteggio(std::string_view testo);
    void aggiungiAiNastri();
    void mostraClassifica(int primo, const std::array<int, 5>& numeri);
    void passataEvidenza(bool rosso);
    std::optional<std::int32_t> leggiSogliaRipetizioni() const;
    void mostraTitoli(std::optional<std::int32_t> soglia);
    void aggiornaVistaSegnali();
    void seguiSeRichiesto();
    TTestiVista testiVista() const;
    bool salvaSuFile(bool chiediNome);
    void abilitaSalva(bool b);

    TPartita& partita_;
    TForm5* tastiera_ = nullptr;
    TOsservatoriAnalisi* analisi_ = nullptr;
    TComandiFinestre* comandi_ = nullptr;
    TMainForm* file_ = nullptr;
    // Control id / menu item id -> the window command it runs, nullptr for none.
    std::vector<void (TComandiFinestre::*)()> comandoDelControllo_;
    std::vector<void (TComandiFinestre::*)()> comandoDellaVoce_;
    TIdForm1 ids_;
    // Control id -> the number of the pad button or board label; -1 for other controls.
    std::vector<int> numeroDelPulsante_;
    std::vector<int> numeroDellEtichetta_;

    TClassifiche classifiche_;
    TGruppiOrdinati gruppiOrdinati_;
    TTitoliNastri titoli_;
    TBanner banner_;
    TEstrattore estrattore_;
    // The ranking cells hold their design text until the first refresh: it does not
    // name a number, so the neighbours of "the most delayed" mark nothing until then.
    bool classificheMaiMostrate_ = true;

    // Spins in bulk and spin lists.
    void inserisciSoloConteggi(std::span<const std::uint8_t> numeri);
    void avviaBlocco(std::vector<std::uint8_t> numeri);
    void concludiBlocco(const std::array<std::size_t, 6>& righePrima, int ultimo);
    void importaElenco(const std::string& origine, const TElencoNumeri& elenco);
    void cercaIdentificativiElenchi();
    bool voceElenchi(int idVoce); // false when the item is not one of these commands
    // Help > Lingua: the item of the stored choice checked; an item stores its choice.
    void mostraLinguaScelta();
    bool voceLingua(int idVoce); // false when the item is not a language
    TFormImporta* importa_ = nullptr;
    bool importando_ = false;
    int idEditNumero_ = -1;
    int voceAnnulla_ = -1, voceNuova_ = -1, voceImporta_ = -1, voceIncolla_ = -1, voceEsporta_ = -1;
};

} // namespace girolino::ui
