// SPDX-License-Identifier: GPL-3.0-or-later
// Grouping the controls of a crowded window into invisible boxes.

#include "qt/Riquadri.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

namespace girolino::qt {
namespace {

// A control's place, or a box's, in the client area.
QRect postoDi(const TRaggruppamento& g, const std::vector<QRect>& posti, int elemento) {
    return elemento < static_cast<int>(posti.size()) ? posti[elemento]
                                                     : g.riquadri[elemento - posti.size()].posto;
}

int genitoreDi(const TRaggruppamento& g, const std::vector<QRect>& posti, int elemento) {
    return elemento < static_cast<int>(posti.size()) ? g.riquadroDi[elemento]
                                                     : g.riquadri[elemento - posti.size()].genitore;
}

// Boxes hold their contents wholly and never overlap anything else in the same parent,
// so stacking and mouse hits are those of the flat window.
void verificaRaggruppamento(const std::vector<QRect>& posti, std::size_t perRiquadro) {
    const TRaggruppamento g = raggruppa(posti, perRiquadro);
    ASSERT_EQ(g.riquadroDi.size(), posti.size());
    for (std::size_t b = 0; b < g.riquadri.size(); ++b)
        EXPECT_LT(g.riquadri[b].genitore, static_cast<int>(b)) << "a box comes after its parent";
    const int n = static_cast<int>(posti.size() + g.riquadri.size());
    for (int e = 0; e < n; ++e) {
        const int gen = genitoreDi(g, posti, e);
        if (gen >= 0) {
            EXPECT_TRUE(g.riquadri[gen].posto.contains(postoDi(g, posti, e))) << e;
        }
        for (int altro = e + 1; altro < n; ++altro) {
            const bool unoERiquadro =
                e >= static_cast<int>(posti.size()) || altro >= static_cast<int>(posti.size());
            if (!unoERiquadro || genitoreDi(g, posti, altro) != gen) continue;
            EXPECT_FALSE(postoDi(g, posti, e).intersects(postoDi(g, posti, altro)))
                << e << " and " << altro;
        }
    }
    // Controls that overlap share their box.
    for (std::size_t a = 0; a < posti.size(); ++a)
        for (std::size_t b = a + 1; b < posti.size(); ++b)
            if (posti[a].intersects(posti[b])) {
                EXPECT_EQ(g.riquadroDi[a], g.riquadroDi[b]);
            }
}

std::vector<QRect> griglia(int colonne, int righe, int passoX, int passoY, int w, int h) {
    std::vector<QRect> posti;
    for (int r = 0; r < righe; ++r)
        for (int c = 0; c < colonne; ++c) posti.emplace_back(c * passoX, r * passoY, w, h);
    return posti;
}

TEST(Riquadri, CrowdedLayoutsAreSplitWithoutChangingWhatIsOnTop) {
    std::vector<QRect> misto = griglia(9, 13, 40, 23, 36, 21);
    misto.emplace_back(0, 0, 120, 60);    // a panel under the first cells
    misto.emplace_back(30, 200, 200, 40); // a banner over several rows
    misto.emplace_back(500, 0, 10, 400);  // a tall strip beside everything
    const std::vector<std::vector<QRect>> casi = {
        griglia(10, 4, 24, 24, 23, 22), // touching neighbours
        griglia(3, 40, 40, 23, 36, 21),
        misto,
        {QRect(0, 0, 10, 10), QRect(5, 5, 10, 10), QRect(9, 9, 10, 10)}, // a chain of overlaps
        {},
    };
    for (std::size_t i = 0; i < casi.size(); ++i) {
        SCOPED_TRACE(i);
        verificaRaggruppamento(casi[i], 8);
        verificaRaggruppamento(casi[i], 1);
    }
}

TEST(Riquadri, AGridEndsInSmallGroupsAndAFewControlsNeedNoBox) {
    const std::vector<QRect> posti = griglia(12, 12, 40, 23, 36, 21);
    const TRaggruppamento g = raggruppa(posti, 8);
    std::vector<std::size_t> perGenitore(g.riquadri.size() + 1, 0);
    for (int b : g.riquadroDi) ++perGenitore[b + 1];
    for (int b = 0; b < static_cast<int>(g.riquadri.size()); ++b)
        ++perGenitore[g.riquadri[b].genitore + 1];
    for (std::size_t k = 0; k < perGenitore.size(); ++k) EXPECT_LE(perGenitore[k], 12u) << k;

    const TRaggruppamento pochi = raggruppa(griglia(4, 2, 40, 23, 36, 21), 8);
    EXPECT_TRUE(pochi.riquadri.empty());
    EXPECT_EQ(pochi.riquadroDi, std::vector<int>(8, -1));
}

} // namespace
} // namespace girolino::qt
