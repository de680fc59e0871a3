// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The running program: the game and every window, created once in the start-up order
// and kept until the end. It is also the go-between of the windows: the main window
// tells it what happened to the game and which window to open, and it passes that on.

#include "model/Partita.h"
#include "ui/Aiuto.h"
#include "ui/ComandiFinestre.h"
#include "ui/FileBuffer.h"
#include "ui/Form.h"
#include "ui/Form1.h"
#include "ui/Form11.h"
#include "ui/Form12.h"
#include "ui/Form15.h"
#include "ui/Form16.h"
#include "ui/Form17.h"
#include "ui/Form4.h"
#include "ui/Form5.h"
#include "ui/Form6.h"
#include "ui/Form8.h"
#include "ui/FormImporta.h"
#include "ui/FormRuota.h"
#include "ui/FormSimulatore.h"
#include "ui/FormStatistiche.h"
#include "ui/OsservatoriAnalisi.h"
#include "ui/Piattaforma.h"

#include <vector>

namespace girolino::ui {

class TApplicazione : private TOsservatoriAnalisi, private TComandiFinestre, private TSceltaGruppi {
public:
    explicit TApplicazione(TPiattaforma& p);
    TApplicazione(const TApplicazione&) = delete;
    TApplicazione& operator=(const TApplicazione&) = delete;

    // Every window model in creation order, the main window first.
    std::vector<TForm*> finestre();
    TForm1& form1() { return form1_; }
    TForm4& form4() { return form4_; }
    TForm5& form5() { return form5_; }
    TForm6& form6() { return form6_; }
    TForm8& form8() { return form8_; }
    TForm11& form11() { return form11_; }
    TForm12& form12() { return form12_; }
    TForm15& form15() { return form15_; }
    TForm16& form16() { return form16_; }
    TForm17& form17() { return form17_; }
    TFormRuota& formRuota() { return formRuota_; }
    TFormImporta& formImporta() { return formImporta_; }
    TFormStatistiche& formStatistiche() { return formStatistiche_; }
    TFormSimulatore& formSimulatore() { return formSimulatore_; }
    TPartita& partita() { return partita_; }

    // The main window's show step: the game starts from zero, the window appears, and
    // the rules of use are shown over it when the user's setting asks for them.
    void avvia();

private:
    // What the main window reports about the game.
    void gruppiCambiati() override;
    void partitaPulita() override;
    void spinInserito() override;
    void partitaCambiata() override;
    void classificheAggiornate() override;

    // What the main window's buttons and menu items open.
    void guardaTutte() override;
    void statistiche37Numeri() override;
    void analisiChanceSemplici() override;
    void andamentoChanceSemplici() override;
    void andamento37Numeri() override;
    void ruotaESettori() override { formRuota_.mostra(); }
    void frequenzeOsservateAttese() override;
    void aiutoPulsanti() override;
    void simulatoreSistemi() override;
    bool voceAiuto(std::string_view nome) override;

    // The family and order texts of the main window, shared with the complex chances window.
    std::string famiglia() const override;
    std::string ordine() const override;
    void impostaFamiglia(const std::string& testo) override;
    void impostaOrdine(const std::string& testo) override;

    TPiattaforma& piattaforma_;
    TPartita partita_;
    // Windows, in the order they are created.
    TForm1 form1_;
    TMainForm file_;
    TForm4 form4_;
    TForm5 form5_;
    TForm6 form6_;
    TForm8 form8_;
    TForm11 form11_;
    TForm12 form12_;
    TForm15 form15_;
    TForm16 form16_;
    TForm17 form17_;
    TFormRuota formRuota_;
    TFormImporta formImporta_;
    TFormStatistiche formStatistiche_;
    TFormSimulatore formSimulatore_;
    TComandiAiuto aiuto_;
};

} // namespace girolino::ui
