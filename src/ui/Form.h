// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Base of every presentation model: a window made of named controls whose state
// the toolkit view renders. Setters record what changed; the view asks for the
// changes once per turn of the event loop and acknowledges them.

#include "ui/Controllo.h"
#include "ui/Piattaforma.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace girolino::ui {

struct TVoceMenu {
    std::string nome;  // component name, e.g. "Apri2"
    std::string testo; // caption
    int padre = -1;    // id of the menu it belongs to, -1 for a top-level menu
    bool abilitata = true;
    // The key that runs the item: a standard sequence by name ("Undo", "New", "Save", "SaveAs",
    // "Open", "HelpContents") or keys such as "Ctrl+I"; empty for none.
    std::string scorciatoia = {};
    // An item that shows a check mark, and whether it shows it now.
    bool spuntabile = false;
    bool spuntata = false;
};

enum class TPosizioneForm { Libera, CentroSchermo, CentroPrincipale, InAltoASinistra };

class TForm {
public:
    TForm(TPiattaforma& p, std::string nomeClasse, std::string caption, int larghezza, int altezza);
    virtual ~TForm() = default;
    TForm(const TForm&) = delete;
    TForm& operator=(const TForm&) = delete;

    // --- construction -------------------------------------------------------------
    int aggiungi(TControllo c);
    int aggiungiMenu(TVoceMenu v);

    // --- design ---------------------------------------------------------------------
    const std::string& nomeClasse() const { return nomeClasse_; }
    int larghezza() const { return larghezza_; }
    int altezza() const { return altezza_; }
    TColore sfondo() const { return sfondo_; }
    void setSfondo(TColore c) { sfondo_ = c; }
    TCarattere fontBase() const { return fontBase_; }
    void setFontBase(TCarattere f) { fontBase_ = std::move(f); }
    TPosizioneForm posizione() const { return posizione_; }
    void setPosizione(TPosizioneForm p) { posizione_ = p; }
    bool sempreInPrimoPiano() const { return primoPiano_; }
    void setSempreInPrimoPiano(bool b) { primoPiano_ = b; }

    // --- look-up --------------------------------------------------------------------
    int id(std::string_view nome) const; // throws std::out_of_range for an unknown name
    bool esiste(std::string_view nome) const;
    std::size_t numControlli() const { return controlli_.size(); }
    const TControllo& controllo(int id) const { return controlli_.at(id); }
    const TControllo& operator[](std::string_view nome) const { return controlli_[id(nome)]; }
    const std::vector<TVoceMenu>& menu() const { return menu_; }
    int idMenu(std::string_view nome) const;

    // --- state ----------------------------------------------------------------------
    const std::string& testo(int id) const { return controlli_[id].testo; }
    bool spuntato(int id) const { return controlli_[id].spuntato; }

    void setTesto(int id, std::string_view t);
    void setColoreFont(int id, TColore c);
    void setGrassetto(int id, bool b);
    void setSfondoControllo(int id, TColore c);
    void setVisibile(int id, bool b);
    void setAbilitato(int id, bool b);
    void setSpuntato(int id, bool b);
    void setHint(int id, std::string_view h);
    void setBarra(int id, int minimo, int massimo, int posizione);
    void setSpezzoni(int id, std::vector<TSpezzone> s);
    void aggiungiRiga(int id, std::string_view riga);
    void togliUltimaRiga(int id);
    void svuotaRighe(int id);
    void sostituisciRighe(int id, TRighe righe);
    // Puts the caret of a ribbon at its end (or start) and scrolls it into view.
    void scorri(int id, bool inFondo);
    // Timer: start (restarting when `riavvia`, otherwise keeping a running timer), stop.
    void avviaTimer(int id, bool riavvia);
    void fermaTimer(int id);
    bool timerAttivo(int id) const { return controlli_[id].abilitato; }
    // Tables, charts and the wheel (defined in FormRicchi.cpp).
    void setTabella(int id, TDatiTabella t);
    void setRigheTabella(int id, std::vector<std::vector<TCella>> righe);
    void setCella(int id, std::size_t riga, std::size_t colonna, TCella cella);
    void setGrafico(int id, TDatiGrafico g);
    void setRuota(int id, TDatiRuota r);

    const std::string& caption() const { return caption_; }
    void setCaption(std::string_view c);
    void setVoceAbilitata(int idVoce, bool b);
    void impostaScorciatoia(int idVoce, std::string_view s);
    void setVoceSpuntata(int idVoce, bool b);
    // From now on the menu item is enabled exactly when the control is.
    void collegaVoce(int idVoce, int idControllo);

    bool visibile() const { return visibile_; }
    virtual void mostra(); // shows the window, modeless
    void nascondi();       // hides it
    void mostraModale();   // shows it modally through the platform

    // --- events from the view ------------------------------------------------------
    // The user typed into an edit or combo (the view already shows the text).
    void testoDigitato(int id, std::string t);
    // The user toggled a check box or selected a radio button.
    void spuntaUtente(int id, bool b);
    virtual void click(int id);
    virtual void cambiato(int id); // an edit's or combo's text was changed by the user
    virtual void invio(int id);    // Enter pressed in an edit
    virtual void tick(int id);     // timer tick
    virtual void voceMenu(int idVoce);
    virtual void taschinoCliccato(int id, int numero); // a pocket of a wheel was clicked
    // Backspace was pressed in an empty edit.
    virtual void indietroInCampoVuoto(int /*id*/) {}
    // The close box was pressed; returns whether the window may close (it is hidden).
    virtual bool chiusuraRichiesta();

    // --- change tracking for the view ----------------------------------------------
    const std::vector<int>& sporchi() const { return sporchi_; }
    bool formSporca() const { return formSporca_; }
    bool menuSporco() const { return menuSporco_; }
    // Called by the view once it has copied every change.
    void renderizzato();

protected:
    TPiattaforma& piattaforma() { return piattaforma_; }
    void segnaSporco(int id);

private:
    TPiattaforma& piattaforma_;
    std::string nomeClasse_;
    std::string caption_;
    int larghezza_;
    int altezza_;
    TColore sfondo_ = clBtnFace;
    TCarattere fontBase_;
    TPosizioneForm posizione_ = TPosizioneForm::Libera;
    bool primoPiano_ = false;
    bool visibile_ = false;
    std::vector<TControllo> controlli_;
    std::unordered_map<std::string, int> perNome_;
    std::vector<TVoceMenu> menu_;
    std::vector<std::pair<int, int>> vociCollegate_; // (control, menu item)
    std::vector<int> sporchi_;
    std::vector<char> eSporco_;
    bool formSporca_ = true;
    bool menuSporco_ = true;
};

} // namespace girolino::ui
