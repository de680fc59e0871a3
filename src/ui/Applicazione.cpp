#include "ui/Applicazione.h"

namespace girolino::ui {

TApplicazione::TApplicazione(TPiattaforma& p)
    : piattaforma_(p), form1_(p, partita_), form5_(p, form1_) {
    form1_.collegaTastiera(form5_);
}

std::vector<TForm*> TApplicazione::finestre() {
    return {&form1_, &form5_};
}

void TApplicazione::avvia() {
    form1_.avvia();
}

} // namespace girolino::ui
