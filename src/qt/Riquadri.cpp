// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/Riquadri.h"

#include <QWidget>

#include <algorithm>

namespace girolino::qt {

namespace {

// The runs of controls that no gap between rows (or, with !righe, columns) separates.
std::vector<std::vector<int>> fasce(const std::vector<QRect>& posti, std::vector<int> indici,
                                    bool righe) {
    const auto inizio = [&](int i) { return righe ? posti[i].top() : posti[i].left(); };
    const auto fine = [&](int i) {
        return righe ? posti[i].top() + posti[i].height() : posti[i].left() + posti[i].width();
    };
    std::stable_sort(indici.begin(), indici.end(),
                     [&](int a, int b) { return inizio(a) < inizio(b); });
    std::vector<std::vector<int>> risultato;
    int limite = 0;
    for (int i : indici) {
        if (risultato.empty() || inizio(i) >= limite) {
            risultato.emplace_back();
            limite = fine(i);
        }
        risultato.back().push_back(i);
        limite = std::max(limite, fine(i));
    }
    return risultato;
}

struct TDivisore {
    const std::vector<QRect>& posti;
    std::size_t perRiquadro;
    TRaggruppamento r;

    void dividi(const std::vector<int>& indici, int genitore, bool righe) {
        for (int i : indici) r.riquadroDi[i] = genitore;
        if (indici.size() <= perRiquadro) return;
        auto gruppi = fasce(posti, indici, righe);
        if (gruppi.size() < 2) {
            righe = !righe;
            gruppi = fasce(posti, indici, righe);
        }
        if (gruppi.size() < 2) return;
        for (auto& g : gruppi) {
            if (g.size() < 2) continue;
            QRect posto;
            for (int i : g) posto |= posti[i];
            r.riquadri.push_back({posto, genitore});
            std::sort(g.begin(), g.end()); // creation order
            dividi(g, static_cast<int>(r.riquadri.size()) - 1, !righe);
        }
    }
};

} // namespace

TRaggruppamento raggruppa(const std::vector<QRect>& posti, std::size_t perRiquadro) {
    TDivisore d{posti, std::max<std::size_t>(perRiquadro, 1), {}};
    d.r.riquadroDi.assign(posti.size(), -1);
    std::vector<int> tutti(posti.size());
    for (std::size_t i = 0; i < tutti.size(); ++i) tutti[i] = static_cast<int>(i);
    d.dividi(tutti, -1, true);
    return std::move(d.r);
}

std::vector<TCollocazione> creaRiquadri(QWidget* area, const std::vector<QRect>& posti,
                                        std::size_t perRiquadro) {
    const TRaggruppamento gruppi = raggruppa(posti, perRiquadro);
    std::vector<QWidget*> riquadri;
    for (const auto& r : gruppi.riquadri) {
        const bool interno = r.genitore >= 0;
        auto* q = new QWidget(interno ? riquadri[r.genitore] : area);
        const QPoint origine = interno ? gruppi.riquadri[r.genitore].posto.topLeft() : QPoint();
        q->setGeometry(r.posto.translated(-origine));
        riquadri.push_back(q);
    }
    std::vector<TCollocazione> dove;
    dove.reserve(posti.size());
    for (int b : gruppi.riquadroDi)
        dove.push_back(b < 0 ? TCollocazione{area, QPoint()}
                             : TCollocazione{riquadri[b], gruppi.riquadri[b].posto.topLeft()});
    return dove;
}

} // namespace girolino::qt
