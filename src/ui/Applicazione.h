#pragma once
// The running program: the game and every window, created once in the start-up order
// and kept until the end.

#include "model/Partita.h"
#include "ui/Form.h"
#include "ui/Form1.h"
#include "ui/Form5.h"
#include "ui/Piattaforma.h"

#include <vector>

namespace girolino::ui {

class TApplicazione {
public:
    explicit TApplicazione(TPiattaforma& p);
    TApplicazione(const TApplicazione&) = delete;
    TApplicazione& operator=(const TApplicazione&) = delete;

    // Every window model in creation order, the main window first.
    std::vector<TForm*> finestre();
    TForm1& form1() { return form1_; }
    TForm5& form5() { return form5_; }
    TPartita& partita() { return partita_; }

    // The main window's show step: the game starts from zero and the window appears.
    void avvia();

private:
    TPiattaforma& piattaforma_;
    TPartita partita_;
    // Windows, in the order they are created.
    TForm1 form1_;
    // file buffer (TMainForm), simple-chance analysis (TForm4)
    TForm5 form5_;
    // trends (TForm6, TForm8), complex chances (TForm11), numbers table (TForm12),
    // help (TForm15, TForm16), rules of use (TForm17)
};

} // namespace girolino::ui
