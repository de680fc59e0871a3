// SPDX-License-Identifier: GPL-3.0-or-later
// The generic window view: widgets built from a window model, user actions reaching
// the model, and the coalesced copy of the model's changes back into the widgets.

#include "AmbienteQt.h"
#include "PiattaformaFinta.h"
#include "qt/Regia.h"
#include "qt/VistaForm.h"
#include "qt/VistaNastro.h"
#include "ui/Disegno.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <string>
#include <vector>

namespace girolino {
namespace {

using ui::TControllo;
using ui::TTipo;

// A small window with one control of each kind; it records every event it receives.
class TFormProva : public ui::TForm {
public:
    explicit TFormProva(ui::TPiattaforma& p) : TForm(p, "TFormProva", "Prova", 320, 240) {
        auto pannello =
            ui::disegno::controllo("Panel1", TTipo::Pannello, -1, 10, 10, 150, 80, "Verde");
        pannello.sfondo = ui::clGreen;
        pannello.font.colore = ui::clWhite;
        panel = aggiungi(pannello);
        bottone = aggiungi(
            ui::disegno::controllo("SpeedButton8", TTipo::Pulsante, panel, 5, 6, 23, 22, "7"));
        auto n7 = ui::disegno::controllo("n7", TTipo::Etichetta, -1, 170, 10, 14, 13, "7");
        n7.sfondo = ui::clMaroon;
        n7.cursoreMano = true;
        etichetta = aggiungi(n7);
        stretta = aggiungi(
            ui::disegno::controllo("Label9", TTipo::Etichetta, -1, 170, 30, 45, 13, "Max Ritardo"));
        auto m = ui::disegno::controllo("Memo2", TTipo::Memo, -1, 190, 10, 40, 21, "0");
        m.solaLettura = true;
        m.sfondo = ui::clSkyBlue;
        memo = aggiungi(m);
        campo = aggiungi(ui::disegno::controllo("Edit1", TTipo::Campo, -1, 240, 10, 60, 21));
        auto r = ui::disegno::controllo("r1", TTipo::Campo, -1, 240, 40, 60, 21, "0");
        r.solaLettura = true;
        contatore = aggiungi(r);
        casella = aggiungi(
            ui::disegno::controllo("CheckBox1", TTipo::Casella, -1, 10, 100, 120, 17, "Segnala"));
        gruppo = aggiungi(
            ui::disegno::controllo("GroupBox1", TTipo::Gruppo, -1, 10, 120, 140, 60, "Mostra"));
        radio1 = aggiungi(
            ui::disegno::controllo("RadioButton1", TTipo::Radio, gruppo, 8, 16, 120, 17, "uno"));
        radio2 = aggiungi(
            ui::disegno::controllo("RadioButton2", TTipo::Radio, gruppo, 8, 36, 120, 17, "due"));
        auto cb = ui::disegno::controllo("ComboBox1", TTipo::Combo, -1, 170, 100, 80, 21, "4");
        cb.voci = {"2", "3", "4"};
        combo = aggiungi(cb);
        auto na = ui::disegno::controllo("richeditnumero", TTipo::Nastro, -1, 260, 70, 49, 160);
        na.righe = {"1", "2"};
        nastro = aggiungi(na);
        striscia =
            aggiungi(ui::disegno::controllo("RichEdit1", TTipo::Striscia, -1, 10, 190, 200, 40));
        barra =
            aggiungi(ui::disegno::controllo("ProgressBar1", TTipo::Barra, -1, 170, 130, 80, 16));
        auto t = ui::disegno::controllo("Timer3", TTipo::Timer, -1, 0, 0, 0, 0);
        t.intervallo = 5;
        t.abilitato = false;
        timer = aggiungi(t);
        menuFile = aggiungiMenu({"File1", "File"});
        voceApri = aggiungiMenu({"Apri2", "Apri", menuFile});
    }

    void click(int id) override {
        eventi.push_back("click " + controllo(id).nome);
        if (id == bottone) setTesto(memo, std::to_string(++colpi));
    }
    void cambiato(int id) override { eventi.push_back("cambiato " + controllo(id).nome); }
    void invio(int id) override { eventi.push_back("invio " + controllo(id).nome); }
    void tick(int id) override { eventi.push_back("tick " + controllo(id).nome); }
    void voceMenu(int v) override { eventi.push_back("menu " + menu()[v].nome); }
    bool chiusuraRichiesta() override {
        eventi.push_back("chiusura");
        return puoChiudere && TForm::chiusuraRichiesta();
    }

    std::vector<std::string> eventi;
    bool puoChiudere = true;
    int colpi = 0;
    int panel, bottone, etichetta, stretta, memo, campo, contatore, casella, gruppo, radio1, radio2,
        combo, nastro, striscia, barra, timer, menuFile, voceApri;
};

class VistaFormTest : public ::testing::Test {
protected:
    VistaFormTest() : vista(regia.crea(form)) {
        form.mostra();
        regia.renderizzaTutto();
    }
    template <class W> W* w(int id) { return qobject_cast<W*>(vista.widget(id)); }
    void giroDelCiclo() { QCoreApplication::processEvents(); }

    test::PiattaformaFinta piattaforma;
    TFormProva form{piattaforma};
    qt::TRegia regia;
    qt::TVistaForm& vista;
};

TEST_F(VistaFormTest, BuildsOneNamedWidgetPerControlAtItsPlace) {
    EXPECT_EQ(vista.objectName(), "TFormProva");
    EXPECT_EQ(vista.windowTitle(), "Prova");
    EXPECT_EQ(vista.area()->size(), QSize(320, 240));
    EXPECT_TRUE(vista.isVisible());

    struct Atteso {
        int id;
        const char* classe;
    };
    const Atteso attesi[] = {
        {form.panel, "QLabel"},       {form.bottone, "QToolButton"},
        {form.etichetta, "QLabel"},   {form.memo, "QLineEdit"},
        {form.campo, "QLineEdit"},    {form.casella, "QCheckBox"},
        {form.gruppo, "QGroupBox"},   {form.radio1, "QRadioButton"},
        {form.combo, "QComboBox"},    {form.nastro, "girolino::qt::TVistaNastro"},
        {form.striscia, "QTextEdit"}, {form.barra, "QProgressBar"},
    };
    for (const auto& a : attesi) {
        const auto& c = form.controllo(a.id);
        QWidget* x = vista.widget(a.id);
        ASSERT_NE(x, nullptr) << c.nome;
        EXPECT_STREQ(x->metaObject()->className(), a.classe) << c.nome;
        EXPECT_EQ(x->objectName().toStdString(), c.nome);
        EXPECT_EQ(x->geometry(), QRect(c.x, c.y, c.w, c.h)) << c.nome;
        const QWidget* atteso = c.genitore < 0 ? vista.area() : vista.widget(c.genitore);
        EXPECT_EQ(x->parentWidget(), atteso) << c.nome;
    }
    EXPECT_EQ(vista.widget(form.timer), nullptr);
    ASSERT_NE(vista.timer(form.timer), nullptr);
    EXPECT_EQ(vista.timer(form.timer)->objectName(), "Timer3");
}

TEST_F(VistaFormTest, ColoursFontsAndContentsComeFromTheModel) {
    auto* panel = vista.widget(form.panel);
    EXPECT_EQ(panel->palette().color(QPalette::Window), QColor(0, 128, 0));
    EXPECT_EQ(panel->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    EXPECT_TRUE(panel->autoFillBackground());
    EXPECT_EQ(vista.widget(form.etichetta)->palette().color(QPalette::Window), QColor(128, 0, 0));
    EXPECT_EQ(vista.widget(form.memo)->palette().color(QPalette::Base), QColor(0xA6, 0xCA, 0xF0));
    EXPECT_EQ(vista.widget(form.etichetta)->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(vista.widget(form.memo)->font().pixelSize(), 11);
    // A caption wider than its label is condensed, not cut.
    auto* stretta = vista.widget(form.stretta);
    EXPECT_EQ(stretta->font().pixelSize(), 11);
    EXPECT_LE(QFontMetrics(stretta->font()).horizontalAdvance("Max Ritardo"), 45);

    EXPECT_EQ(w<QLabel>(form.panel)->text(), "Verde");
    EXPECT_EQ(w<QGroupBox>(form.gruppo)->title(), "Mostra");
    auto* cb = w<QComboBox>(form.combo);
    EXPECT_EQ(cb->count(), 3);
    EXPECT_EQ(cb->currentText(), "4");
    EXPECT_EQ(w<qt::TVistaNastro>(form.nastro)->testo(), "1\n2");
    // Read as any plain text box is read.
    EXPECT_EQ(w<QWidget>(form.nastro)->property("plainText").toString(), "1\n2");

    form.setColoreFont(form.memo, ui::clRed);
    form.setGrassetto(form.memo, true);
    form.setSfondoControllo(form.panel, ui::clNavy);
    form.setHint(form.etichetta, "RITARDO SIGNIFICATIVO|lungo");
    form.setBarra(form.barra, 0, 40, 25);
    form.setAbilitato(form.campo, false);
    form.setVisibile(form.casella, false);
    form.setSpezzoni(form.striscia, {{"17 ", ui::clRed}, {"0 ", ui::clGreen}});
    form.setCaption("Prova 2");
    form.setVoceAbilitata(form.voceApri, false);
    regia.renderizzaTutto();

    EXPECT_EQ(vista.widget(form.memo)->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_TRUE(vista.widget(form.memo)->font().bold());
    EXPECT_EQ(panel->palette().color(QPalette::Window), QColor(0, 0, 128));
    EXPECT_EQ(vista.widget(form.etichetta)->toolTip(), "RITARDO SIGNIFICATIVO");
    auto* barra = w<QProgressBar>(form.barra);
    EXPECT_EQ(barra->maximum(), 40);
    EXPECT_EQ(barra->value(), 25);
    EXPECT_FALSE(vista.widget(form.campo)->isEnabled());
    EXPECT_TRUE(vista.widget(form.casella)->isHidden());
    EXPECT_EQ(vista.windowTitle(), "Prova 2");
    ASSERT_NE(vista.azione("Apri2"), nullptr);
    EXPECT_FALSE(vista.azione("Apri2")->isEnabled());

    auto* strip = w<QTextEdit>(form.striscia);
    EXPECT_EQ(strip->toPlainText(), "17 0 ");
    QTextCursor cur(strip->document());
    cur.setPosition(1);
    EXPECT_EQ(cur.charFormat().foreground().color(), QColor(255, 0, 0));
    cur.setPosition(4);
    EXPECT_EQ(cur.charFormat().foreground().color(), QColor(0, 128, 0));
}

TEST_F(VistaFormTest, ClickReachesModelAndItsChangesShowOnlyAfterTheLoopTurns) {
    // A widget the model does not change must not be rewritten by the render.
    w<QLabel>(form.etichetta)->setText("intatta");
    auto* memo = w<QLineEdit>(form.memo);

    QTest::mouseClick(vista.widget(form.bottone), Qt::LeftButton);
    QTest::mouseClick(vista.widget(form.bottone), Qt::LeftButton);
    EXPECT_EQ(form.eventi, (std::vector<std::string>{"click SpeedButton8", "click SpeedButton8"}));
    EXPECT_EQ(form.testo(form.memo), "2");
    EXPECT_EQ(memo->text(), "0") << "rendered before the event loop was free";
    EXPECT_TRUE(regia.renderProgrammato());

    QSignalSpy render(&regia, &qt::TRegia::renderizzato);
    giroDelCiclo();
    EXPECT_EQ(render.count(), 1) << "two clicks, one render";
    EXPECT_EQ(memo->text(), "2");
    EXPECT_EQ(w<QLabel>(form.etichetta)->text(), "intatta");
    EXPECT_TRUE(form.sporchi().empty());
}

TEST_F(VistaFormTest, LabelsMenusAndTimersReachTheModel) {
    QTest::mouseClick(vista.widget(form.etichetta), Qt::LeftButton);
    // A click on the panel's caption area counts once, for the panel.
    QTest::mouseClick(vista.widget(form.panel), Qt::LeftButton, {}, QPoint(100, 60));
    vista.azione("Apri2")->trigger();
    EXPECT_EQ(form.eventi, (std::vector<std::string>{"click n7", "click Panel1", "menu Apri2"}));

    form.eventi.clear();
    form.avviaTimer(form.timer, true);
    EXPECT_FALSE(vista.timer(form.timer)->isActive());
    giroDelCiclo(); // nothing scheduled the render yet: the model changed outside an event
    regia.renderizzaTutto();
    EXPECT_TRUE(vista.timer(form.timer)->isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form.eventi.empty(); }, 1000));
    EXPECT_EQ(form.eventi.front(), "tick Timer3");
    form.fermaTimer(form.timer);
    regia.renderizzaTutto();
    EXPECT_FALSE(vista.timer(form.timer)->isActive());
}

TEST_F(VistaFormTest, CheckBoxesAndRadiosTellTheModelBeforeTheClick) {
    QTest::mouseClick(vista.widget(form.casella), Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_TRUE(form.spuntato(form.casella));
    QTest::mouseClick(vista.widget(form.radio2), Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_TRUE(form.spuntato(form.radio2));
    QTest::mouseClick(vista.widget(form.radio2), Qt::LeftButton, {},
                      QPoint(6, 8)); // already selected
    EXPECT_EQ(form.eventi, (std::vector<std::string>{"click CheckBox1", "click RadioButton2"}));

    form.setSpuntato(form.radio1, true);
    regia.renderizzaTutto();
    EXPECT_TRUE(w<QRadioButton>(form.radio1)->isChecked());
    EXPECT_FALSE(w<QRadioButton>(form.radio2)->isChecked());
    // The model may leave a group with no radio selected.
    form.setSpuntato(form.radio1, false);
    regia.renderizzaTutto();
    EXPECT_FALSE(w<QRadioButton>(form.radio1)->isChecked());
    EXPECT_FALSE(w<QRadioButton>(form.radio2)->isChecked());
}

TEST_F(VistaFormTest, TypedTextReachesTheModelAndDisplaysRefuseTyping) {
    QTest::keyClicks(vista.widget(form.campo), "12");
    QTest::keyClick(vista.widget(form.campo), Qt::Key_Return);
    EXPECT_EQ(form.testo(form.campo), "12");
    EXPECT_EQ(form.eventi,
              (std::vector<std::string>{"cambiato Edit1", "cambiato Edit1", "invio Edit1"}));

    form.eventi.clear();
    QTest::keyClicks(vista.widget(form.contatore), "99");
    QTest::keyClicks(vista.widget(form.memo), "99");
    EXPECT_EQ(w<QLineEdit>(form.contatore)->text(), "0");
    EXPECT_EQ(w<QLineEdit>(form.memo)->text(), "0");
    EXPECT_EQ(form.testo(form.contatore), "0");
    EXPECT_TRUE(form.eventi.empty());

    auto* cb = w<QComboBox>(form.combo);
    QTest::keyClicks(cb->lineEdit(), "0");
    EXPECT_EQ(form.testo(form.combo), "40");
    cb->setCurrentIndex(0);
    emit cb->activated(0); // what choosing from the list emits
    EXPECT_EQ(form.testo(form.combo), "2");
    EXPECT_EQ(form.eventi, (std::vector<std::string>{"cambiato ComboBox1", "cambiato ComboBox1"}));
    // Setting the text from the model is not a change by the user.
    form.setTesto(form.combo, "3");
    regia.renderizzaTutto();
    EXPECT_EQ(cb->currentText(), "3");
    EXPECT_EQ(form.eventi.size(), 2u);
}

TEST_F(VistaFormTest, RibbonsFollowTheModelsLinesAndCaret) {
    auto* v = w<qt::TVistaNastro>(form.nastro);
    form.aggiungiRiga(form.nastro, "3");
    regia.renderizzaTutto();
    EXPECT_EQ(v->testo(), "1\n2\n3");

    form.togliUltimaRiga(form.nastro);
    form.togliUltimaRiga(form.nastro);
    form.aggiungiRiga(form.nastro, "9");
    regia.renderizzaTutto();
    EXPECT_EQ(v->testo(), "1\n9");

    form.svuotaRighe(form.nastro);
    regia.renderizzaTutto();
    EXPECT_EQ(v->testo(), "");
    EXPECT_EQ(v->righe(), 0u);

    std::vector<std::string> molte(32767);
    for (std::size_t i = 0; i < molte.size(); ++i) molte[i] = std::to_string(i % 37);
    form.sostituisciRighe(form.nastro, molte);
    form.scorri(form.nastro, true);
    regia.renderizzaTutto();
    EXPECT_EQ(v->righe(), 32767u);
    EXPECT_EQ(v->riga(32766).toStdString(), molte.back());
    EXPECT_EQ(v->cursore(), 32766u);
    EXPECT_GT(v->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(v->cursoreVisibile()) << "newest line not in view";

    // A caret at the end follows the lines appended; the view moves when the model asks.
    form.aggiungiRiga(form.nastro, "5");
    regia.renderizzaTutto();
    EXPECT_EQ(v->cursore(), 32767u);
    form.scorri(form.nastro, true);
    regia.renderizzaTutto();
    EXPECT_TRUE(v->cursoreVisibile());

    form.scorri(form.nastro, false);
    regia.renderizzaTutto();
    EXPECT_EQ(v->cursore(), 0u);
    EXPECT_EQ(v->verticalScrollBar()->value(), 0);
}

// The user selects whole lines and copies them; typing goes on to the window.
TEST_F(VistaFormTest, RibbonLinesAreSelectedAndCopiedButNotEdited) {
    auto* v = w<qt::TVistaNastro>(form.nastro);
    form.aggiungiRiga(form.nastro, "36");
    regia.renderizzaTutto();
    EXPECT_FALSE(v->haSelezione());
    const int altezza = v->fontMetrics().lineSpacing();
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, QPoint(10, 4 + altezza / 2));
    QTest::mouseClick(v->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      QPoint(10, 4 + 2 * altezza + altezza / 2));
    EXPECT_EQ(v->testoSelezionato(), "1\n2\n36");
    QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, QPoint(10, 4 + altezza + altezza / 2));
    EXPECT_EQ(v->testoSelezionato(), "2");
    QTest::keySequence(v, QKeySequence::SelectAll);
    QTest::keySequence(v, QKeySequence::Copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "1\n2\n36");

    QKeyEvent cifra(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));
    QCoreApplication::sendEvent(v, &cifra);
    EXPECT_FALSE(cifra.isAccepted()) << "a digit must reach the window";
    EXPECT_EQ(v->testo(), "1\n2\n36");
    EXPECT_EQ(form.controllo(form.nastro).righe, (std::vector<std::string>{"1", "2", "36"}));
}

TEST_F(VistaFormTest, CloseBoxAsksTheModelAndAHiddenWindowWaits) {
    form.puoChiudere = false;
    vista.close();
    giroDelCiclo();
    EXPECT_TRUE(vista.isVisible());
    EXPECT_TRUE(form.visibile());

    form.puoChiudere = true;
    QSignalSpy chiusa(&vista, &qt::TVistaForm::chiusa);
    vista.close();
    giroDelCiclo();
    EXPECT_FALSE(vista.isVisible());
    EXPECT_FALSE(form.visibile());
    EXPECT_EQ(chiusa.count(), 1);
    EXPECT_EQ(form.eventi, (std::vector<std::string>{"chiusura", "chiusura"}));

    // While hidden the window keeps the model's changes pending, but its timers run; shown,
    // it catches up.
    form.setTesto(form.memo, "41");
    form.aggiungiRiga(form.nastro, "3");
    form.avviaTimer(form.timer, true);
    regia.renderizzaTutto();
    EXPECT_EQ(w<QLineEdit>(form.memo)->text(), "0");
    EXPECT_TRUE(vista.timer(form.timer)->isActive());
    form.mostra();
    regia.renderizzaTutto();
    EXPECT_TRUE(vista.isVisible());
    EXPECT_EQ(w<QLineEdit>(form.memo)->text(), "41");
    EXPECT_EQ(w<qt::TVistaNastro>(form.nastro)->testo(), "1\n2\n3");
}

// Whether a text runs over several lines is the layout's word, whatever the control's height.
TEST(VistaFormACapo, TheModelSaysWhichTextsRunOverSeveralLines) {
    test::PiattaformaFinta piattaforma;
    ui::TForm f(piattaforma, "TProva", "", 300, 200);
    const auto aggiungi = [&f](const char* nome, ui::TTipo tipo, int y, int h, bool aCapo) {
        ui::TControllo c = ui::disegno::controllo(nome, tipo, -1, 0, y, 100, h, "uno due");
        c.aCapo = aCapo;
        return f.aggiungi(std::move(c));
    };
    const int alta = aggiungi("Alta", ui::TTipo::Etichetta, 0, 60, false);
    const int bassa = aggiungi("Bassa", ui::TTipo::Pannello, 60, 20, true);
    const int memoAlto = aggiungi("MemoAlto", ui::TTipo::Memo, 80, 60, false);
    const int memoBasso = aggiungi("MemoBasso", ui::TTipo::Memo, 140, 20, true);
    qt::TRegia regia;
    qt::TVistaForm& v = regia.crea(f);
    EXPECT_FALSE(qobject_cast<QLabel*>(v.widget(alta))->wordWrap());
    EXPECT_TRUE(qobject_cast<QLabel*>(v.widget(bassa))->wordWrap());
    EXPECT_NE(qobject_cast<QLineEdit*>(v.widget(memoAlto)), nullptr);
    EXPECT_NE(qobject_cast<QTextEdit*>(v.widget(memoBasso)), nullptr);
}

// A window opened on a long ribbon shows its newest line, though the caret was put there before
// the window was first laid out; the lines clicked are those under the mouse.
TEST(VistaFormNastro, ANewWindowShowsTheNewestLineAndSelectsTheLinesClicked) {
    test::PiattaformaFinta piattaforma;
    ui::TForm f(piattaforma, "TProva", "", 100, 200);
    const int id = f.aggiungi(
        ui::disegno::controllo("richeditnumero", ui::TTipo::Nastro, -1, 10, 10, 49, 160));
    for (int i = 0; i < 40; ++i) f.aggiungiRiga(id, std::to_string(i));
    f.scorri(id, true);
    qt::TRegia regia;
    qt::TVistaForm& v = regia.crea(f);
    f.mostra();
    regia.renderizzaTutto();
    auto* n = qobject_cast<qt::TVistaNastro*>(v.widget(id));
    ASSERT_NE(n, nullptr);
    EXPECT_TRUE(n->cursoreVisibile());
    EXPECT_GT(n->primaVisibile(), 20u);
    const std::size_t prima = n->primaVisibile();
    const int h = n->fontMetrics().lineSpacing();
    QTest::mouseClick(n->viewport(), Qt::LeftButton, {}, QPoint(10, 4 + h / 2));
    QTest::mouseClick(n->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      QPoint(10, 4 + 2 * h + h / 2));
    EXPECT_EQ(n->testoSelezionato().toStdString(), std::to_string(prima) + "\n" +
                                                       std::to_string(prima + 1) + "\n" +
                                                       std::to_string(prima + 2));
}

} // namespace
} // namespace girolino
