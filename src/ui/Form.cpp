// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form.h"

#include <stdexcept>

namespace girolino::ui {

TForm::TForm(TPiattaforma& p, std::string nomeClasse, std::string caption, int larghezza,
             int altezza)
    : piattaforma_(p), nomeClasse_(std::move(nomeClasse)), caption_(std::move(caption)),
      larghezza_(larghezza), altezza_(altezza) {
    fontBase_.famiglia = "Tahoma";
}

int TForm::aggiungi(TControllo c) {
    const int nuovo = static_cast<int>(controlli_.size());
    if (!perNome_.emplace(c.nome, nuovo).second)
        throw std::logic_error("controllo duplicato: " + c.nome);
    if (c.genitore >= nuovo) throw std::logic_error("genitore non ancora creato: " + c.nome);
    c.righeInvariate = 0;
    controlli_.push_back(std::move(c));
    eSporco_.push_back(0);
    segnaSporco(nuovo);
    return nuovo;
}

int TForm::aggiungiMenu(TVoceMenu v) {
    menu_.push_back(std::move(v));
    menuSporco_ = true;
    return static_cast<int>(menu_.size()) - 1;
}

int TForm::id(std::string_view nome) const {
    const auto it = perNome_.find(std::string(nome));
    if (it == perNome_.end())
        throw std::out_of_range(nomeClasse_ + ": controllo sconosciuto " + std::string(nome));
    return it->second;
}

bool TForm::esiste(std::string_view nome) const {
    return perNome_.count(std::string(nome)) > 0;
}

int TForm::idMenu(std::string_view nome) const {
    for (std::size_t i = 0; i < menu_.size(); ++i)
        if (menu_[i].nome == nome) return static_cast<int>(i);
    throw std::out_of_range(nomeClasse_ + ": voce di menu sconosciuta " + std::string(nome));
}

void TForm::segnaSporco(int id) {
    if (!eSporco_[id]) {
        eSporco_[id] = 1;
        sporchi_.push_back(id);
    }
}

void TForm::setTesto(int id, std::string_view t) {
    auto& c = controlli_[id];
    if (c.testo == t) return;
    c.testo.assign(t);
    segnaSporco(id);
}

void TForm::setColoreFont(int id, TColore col) {
    auto& c = controlli_[id];
    if (c.font.colore == col) return;
    c.font.colore = col;
    segnaSporco(id);
}

void TForm::setGrassetto(int id, bool b) {
    auto& c = controlli_[id];
    if (c.font.grassetto == b) return;
    c.font.grassetto = b;
    segnaSporco(id);
}

void TForm::setSfondoControllo(int id, TColore col) {
    auto& c = controlli_[id];
    if (c.sfondo == col) return;
    c.sfondo = col;
    segnaSporco(id);
}

void TForm::setVisibile(int id, bool b) {
    auto& c = controlli_[id];
    if (c.visibile == b) return;
    c.visibile = b;
    segnaSporco(id);
}

void TForm::setAbilitato(int id, bool b) {
    auto& c = controlli_[id];
    if (c.abilitato == b) return;
    c.abilitato = b;
    segnaSporco(id);
    for (const auto& [controllo, voce] : vociCollegate_)
        if (controllo == id) setVoceAbilitata(voce, b);
}

void TForm::setSpuntato(int id, bool b) {
    auto& c = controlli_[id];
    if (c.spuntato == b) return;
    c.spuntato = b;
    if (b && c.tipo == TTipo::Radio) {
        for (std::size_t k = 0; k < controlli_.size(); ++k) {
            auto& o = controlli_[k];
            if (static_cast<int>(k) != id && o.tipo == TTipo::Radio && o.genitore == c.genitore &&
                o.spuntato) {
                o.spuntato = false;
                segnaSporco(static_cast<int>(k));
            }
        }
    }
    segnaSporco(id);
}

void TForm::setHint(int id, std::string_view h) {
    auto& c = controlli_[id];
    if (c.hint == h) return;
    c.hint.assign(h);
    segnaSporco(id);
}

void TForm::setBarra(int id, int minimo, int massimo, int posizione) {
    auto& c = controlli_[id];
    if (c.minimo == minimo && c.massimo == massimo && c.posizione == posizione) return;
    c.minimo = minimo;
    c.massimo = massimo;
    c.posizione = posizione;
    segnaSporco(id);
}

void TForm::setSpezzoni(int id, std::vector<TSpezzone> s) {
    auto& c = controlli_[id];
    if (c.spezzoni == s) return;
    c.spezzoni = std::move(s);
    segnaSporco(id);
}

void TForm::aggiungiRiga(int id, std::string_view riga) {
    controlli_[id].righe.push_back(riga);
    segnaSporco(id);
}

void TForm::togliUltimaRiga(int id) {
    auto& c = controlli_[id];
    if (c.righe.empty()) return;
    c.righe.pop_back();
    if (c.righeInvariate > c.righe.size()) c.righeInvariate = c.righe.size();
    segnaSporco(id);
}

void TForm::svuotaRighe(int id) {
    auto& c = controlli_[id];
    if (c.righe.empty()) return;
    c.righe.clear();
    c.righeInvariate = 0;
    segnaSporco(id);
}

void TForm::sostituisciRighe(int id, TRighe righe) {
    auto& c = controlli_[id];
    c.righe = std::move(righe);
    c.righeInvariate = 0;
    segnaSporco(id);
}

void TForm::scorri(int id, bool inFondo) {
    auto& c = controlli_[id];
    c.cursoreInFondo = inFondo;
    ++c.richiesteScorrimento;
    segnaSporco(id);
}

void TForm::avviaTimer(int id, bool riavvia) {
    auto& c = controlli_[id];
    if (c.abilitato && !riavvia) return;
    c.abilitato = true;
    ++c.avvii;
    segnaSporco(id);
}

void TForm::fermaTimer(int id) {
    setAbilitato(id, false);
}

void TForm::setCaption(std::string_view c) {
    if (caption_ == c) return;
    caption_.assign(c);
    formSporca_ = true;
}

void TForm::setVoceAbilitata(int idVoce, bool b) {
    auto& v = menu_.at(idVoce);
    if (v.abilitata == b) return;
    v.abilitata = b;
    menuSporco_ = true;
}

void TForm::setVoceSpuntata(int idVoce, bool b) {
    auto& v = menu_.at(idVoce);
    if (v.spuntata == b) return;
    v.spuntata = b;
    menuSporco_ = true;
}

void TForm::impostaScorciatoia(int idVoce, std::string_view s) {
    menu_.at(idVoce).scorciatoia.assign(s);
    menuSporco_ = true;
}

void TForm::collegaVoce(int idVoce, int idControllo) {
    vociCollegate_.emplace_back(idControllo, idVoce);
    setVoceAbilitata(idVoce, controlli_.at(idControllo).abilitato);
}

void TForm::mostra() {
    if (visibile_) return;
    visibile_ = true;
    formSporca_ = true;
}

void TForm::nascondi() {
    if (!visibile_) return;
    visibile_ = false;
    formSporca_ = true;
}

void TForm::mostraModale() {
    piattaforma_.mostraModale(*this);
}

void TForm::testoDigitato(int id, std::string t) {
    // The widget already shows the typed text: store it without asking for a render.
    controlli_[id].testo = std::move(t);
}

void TForm::spuntaUtente(int id, bool b) {
    auto& c = controlli_[id];
    if (b && c.tipo == TTipo::Radio) {
        c.spuntato = false; // so that the siblings are released below
        setSpuntato(id, true);
        return;
    }
    c.spuntato = b;
}

void TForm::click(int) {}
void TForm::cambiato(int) {}
void TForm::invio(int) {}
void TForm::tick(int) {}
void TForm::voceMenu(int) {}
void TForm::taschinoCliccato(int, int) {}

bool TForm::chiusuraRichiesta() {
    nascondi();
    return true;
}

void TForm::renderizzato() {
    for (int id : sporchi_) {
        eSporco_[id] = 0;
        auto& c = controlli_[id];
        c.righeInvariate = c.righe.size();
    }
    sporchi_.clear();
    formSporca_ = false;
    menuSporco_ = false;
}

} // namespace girolino::ui
