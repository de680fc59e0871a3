// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Applicazione.h"

namespace girolino::ui {

TApplicazione::TApplicazione(TPiattaforma& p)
    : piattaforma_(p), form1_(p, partita_), file_(p), form4_(p, partita_), form5_(p, form1_),
      form6_(p, partita_), form8_(p), form11_(p, partita_), form12_(p, partita_), form15_(p),
      form16_(p), form17_(p), formRuota_(p, form1_), formImporta_(p), formStatistiche_(p, partita_),
      formSimulatore_(p, partita_), aiuto_(p, form15_, form16_, form17_) {
    form1_.collegaTastiera(form5_);
    form1_.collegaFile(file_);
    form1_.collegaAnalisi(this);
    form1_.collegaComandi(this);
    form1_.collegaImporta(formImporta_);
    form11_.collegaScelta(*this);
    // Refusing the rules ends the program the way closing the main window does.
    form17_.collegaUscita([this] { return form1_.chiudi(); });
}

std::vector<TForm*> TApplicazione::finestre() {
    return {&form1_,     &form4_,       &form5_,           &form6_,         &form8_,
            &form11_,    &form12_,      &form15_,          &form16_,        &form17_,
            &formRuota_, &formImporta_, &formStatistiche_, &formSimulatore_};
}

void TApplicazione::avvia() {
    form1_.avvia();
    aiuto_.controllaRegole();
}

void TApplicazione::gruppiCambiati() {
    form11_.assegnaValori();
}
void TApplicazione::partitaPulita() {
    form11_.nuovaPartita();
}
void TApplicazione::spinInserito() {
    form12_.assegnaStat();
    form12_.compilaCampi();
    formRuota_.aggiorna();
    formStatistiche_.partitaCambiata();
}
void TApplicazione::partitaCambiata() {
    form12_.aggiorna();
    formRuota_.aggiorna();
    formStatistiche_.partitaCambiata();
}

void TApplicazione::guardaTutte() {
    form11_.guardaTutte();
}
void TApplicazione::statistiche37Numeri() {
    form12_.mostraStatistiche();
}
void TApplicazione::classificheAggiornate() {
    form8_.impostaFrequentoni(form1_.classifiche().frequenti);
}

void TApplicazione::analisiChanceSemplici() {
    form4_.apriAnalisi(form1_.ultimoNumeroVuoto());
}
void TApplicazione::andamentoChanceSemplici() {
    form6_.mostraAndamento(form1_.ultimoNumeroVuoto());
}
void TApplicazione::andamento37Numeri() {
    form8_.mostra();
}
void TApplicazione::frequenzeOsservateAttese() {
    formStatistiche_.mostra();
}
void TApplicazione::aiutoPulsanti() {
    aiuto_.aiutoPulsanti();
}
void TApplicazione::simulatoreSistemi() {
    formSimulatore_.mostra();
}
bool TApplicazione::voceAiuto(std::string_view nome) {
    return aiuto_.eseguiVoce(nome);
}

std::string TApplicazione::famiglia() const {
    return form1_.famigliaScelta();
}
std::string TApplicazione::ordine() const {
    return form1_.ordineScelto();
}
void TApplicazione::impostaFamiglia(const std::string& t) {
    form1_.scegliFamiglia(t);
}
void TApplicazione::impostaOrdine(const std::string& t) {
    form1_.scegliOrdine(t);
}

} // namespace girolino::ui
