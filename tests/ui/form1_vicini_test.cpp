// SPDX-License-Identifier: GPL-3.0-or-later
// The wheel neighbours on the board labels and the timer that clears them.

#include "ProvaForm1.h"

#include <map>
#include <string>

namespace girolino::test {
namespace {

// The board labels not at rest, as number -> background.
std::map<int, ui::TColore> segnati(const Programma& p) {
    std::map<int, ui::TColore> m;
    for (int n = 0; n <= 36; ++n) {
        const ui::TColore c = p.c(std::string("n").append(std::to_string(n))).sfondo;
        if (c != ui::clMaroon) m[n] = c;
    }
    return m;
}

std::map<int, ui::TColore> vicini(std::initializer_list<int> rossi,
                                  std::initializer_list<int> fucsia) {
    std::map<int, ui::TColore> m;
    for (int n : rossi) m[n] = ui::clRed;
    for (int n : fucsia) m[n] = ui::clFuchsia;
    return m;
}

const ui::TControllo& timer(const Programma& p) {
    return p.c("Timer3");
}

TEST(Vicini, LabelClickMarksOnlyTheLastNumbersNeighboursAndRestartsTheTimer) {
    Programma p;
    EXPECT_TRUE(segnati(p).empty());
    EXPECT_FALSE(p.f.timerAttivo(p.f.id("Timer3")));
    p.premi("n17");
    p.premi("n34");
    EXPECT_EQ(segnati(p), vicini({17, 6}, {25, 2, 21, 27, 13, 36}));
    EXPECT_TRUE(p.f.timerAttivo(p.f.id("Timer3")));
    EXPECT_EQ(timer(p).avvii, 2);

    p.premi("n3"); // round the end of the wheel
    EXPECT_EQ(segnati(p), vicini({35, 26}, {28, 12, 7, 0, 32, 15}));

    p.f.tick(p.f.id("Timer3"));
    EXPECT_TRUE(segnati(p).empty());
    EXPECT_TRUE(p.f.timerAttivo(p.f.id("Timer3"))); // it keeps ticking
}

TEST(Vicini, MenuEntryMarksTheMostDelayedAndKeepsARunningTimer) {
    Programma p;
    const int voce = p.f.idMenu("MostramiiVicinidelNumeroPiRitardatario1");
    p.gioca({0, 5, 26}); // 1 is now the most delayed
    p.f.voceMenu(voce);
    EXPECT_EQ(p.testo("Memo3"), "1");
    EXPECT_EQ(segnati(p), vicini({33, 20}, {24, 16, 5, 14, 31, 9}));
    EXPECT_EQ(timer(p).avvii, 1);

    p.f.voceMenu(voce); // already running: not restarted
    EXPECT_EQ(timer(p).avvii, 1);
    p.premi("n0"); // a label click restarts it
    EXPECT_EQ(timer(p).avvii, 2);
}

TEST(Vicini, BeforeTheFirstRefreshTheMenuEntryMarksNothingButStartsTheTimer) {
    Programma p;
    EXPECT_EQ(p.testo("Memo3"), "0");
    p.f.voceMenu(p.f.idMenu("MostramiiVicinidelNumeroPiRitardatario1"));
    EXPECT_TRUE(segnati(p).empty());
    EXPECT_TRUE(p.f.timerAttivo(p.f.id("Timer3")));
}

TEST(Vicini, AfterANewGameTheMenuEntryMarksZerosNeighbours) {
    Programma p;
    p.gioca({8});
    p.piattaforma.risposte = {true};
    p.premi("BitBtn1");
    p.f.voceMenu(p.f.idMenu("MostramiiVicinidelNumeroPiRitardatario1"));
    EXPECT_EQ(segnati(p), vicini({26, 32}, {3, 35, 12, 15, 19, 4}));
}

TEST(Vicini, SpinsLeaveTheMarksAlone) {
    Programma p;
    p.premi("n5");
    const auto prima = segnati(p);
    p.gioca({10, 24});
    p.annulla();
    EXPECT_EQ(segnati(p), prima);
}

} // namespace
} // namespace girolino::test
