// TForm's setters of tables, charts and the wheel: each stores the new state and asks
// for a render only when something differs from what the control already holds.

#include "model/Tabella.h"
#include "ui/Form.h"

#include <stdexcept>
#include <string>

namespace girolino::ui {

void TForm::setTabella(int id, TDatiTabella t) {
    auto& c = controlli_.at(id);
    if (c.tabella == t) return;
    c.tabella = std::move(t);
    segnaSporco(id);
}

void TForm::setRigheTabella(int id, std::vector<std::vector<TCella>> righe) {
    auto& c = controlli_.at(id);
    if (c.tabella.righe == righe) return;
    c.tabella.righe = std::move(righe);
    segnaSporco(id);
}

void TForm::setCella(int id, std::size_t riga, std::size_t colonna, TCella cella) {
    auto& c = controlli_.at(id);
    if (riga >= c.tabella.righe.size() || colonna >= c.tabella.righe[riga].size())
        throw std::out_of_range(c.nome + ": cella inesistente " + std::to_string(riga) + "," +
                                std::to_string(colonna));
    auto& attuale = c.tabella.righe[riga][colonna];
    if (attuale == cella) return;
    attuale = std::move(cella);
    segnaSporco(id);
}

void TForm::setGrafico(int id, TDatiGrafico g) {
    auto& c = controlli_.at(id);
    if (c.grafico == g) return;
    c.grafico = std::move(g);
    segnaSporco(id);
}

void TForm::setRuota(int id, TDatiRuota r) {
    auto& c = controlli_.at(id);
    if (c.ruota == r) return;
    c.ruota = std::move(r);
    segnaSporco(id);
}

TDatiRuota ruotaConCalore(const std::vector<double>& calorePerNumero, int ultimo,
                          std::vector<int> ultimi) {
    TDatiRuota r;
    r.taschini.reserve(NUMERI);
    for (int n : ordineRuota()) {
        const auto i = static_cast<std::size_t>(n);
        r.taschini.push_back({n, i < calorePerNumero.size() ? calorePerNumero[i] : 0.0});
    }
    r.ultimo = ultimo;
    r.ultimi = std::move(ultimi);
    return r;
}

} // namespace girolino::ui
