// SPDX-License-Identifier: GPL-3.0-or-later
// The floating number pad: its buttons enter spins like the main window's, and its strip
// shows the latest numbers.

#include "ProvaForm1.h"

#include <string>
#include <vector>

namespace girolino::test {
namespace {

TEST(Tastiera, PadButtonDoesWhatTheMainButtonDoes) {
    for (const int n : {0, 17, 36}) {
        Programma principale, tastiera;
        const std::string pulsante = "SpeedButton" + std::to_string(n + 1);
        principale.gioca({4, 4});
        tastiera.gioca({4, 4});
        principale.premi(pulsante);
        tastiera.pad.click(tastiera.pad.id(pulsante));
        attendiUguali(principale.f, tastiera.f);
        attendiUguali(principale.pad, tastiera.pad);
        EXPECT_TRUE(tastiera.c("SpeedButton47").abilitato);
        EXPECT_EQ(tastiera.c("richeditnumero").richiesteScorrimento,
                  principale.c("richeditnumero").richiesteScorrimento);
    }
}

TEST(Tastiera, StripShowsTheNewestFourteenInTheirColours) {
    Programma p;
    p.gioca({5, 0, 32});
    EXPECT_EQ(
        p.pad["RichEdit1"].spezzoni,
        (std::vector<ui::TSpezzone>{{"32 ", ui::clRed}, {"0 ", ui::clGreen}, {"5 ", ui::clRed}}));
    EXPECT_EQ(p.pad["Memo2"].testo, "3");

    p.gioca({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13});
    const auto& s = p.pad["RichEdit1"].spezzoni;
    ASSERT_EQ(s.size(), 14u);
    EXPECT_EQ(s.front(), (ui::TSpezzone{"13 ", ui::clBlack}));
    EXPECT_EQ(s.back(), (ui::TSpezzone{"0 ", ui::clGreen}));
    EXPECT_EQ(p.pad["Memo2"].testo, "15");

    p.annulla(); // the strip follows the undo
    EXPECT_EQ(p.pad["RichEdit1"].spezzoni.front(), (ui::TSpezzone{"11 ", ui::clBlack}));
    EXPECT_EQ(p.pad["RichEdit1"].spezzoni.back(), (ui::TSpezzone{"5 ", ui::clRed}));
    EXPECT_EQ(p.pad["Memo2"].testo, "14");
}

} // namespace
} // namespace girolino::test
