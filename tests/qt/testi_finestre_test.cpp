// SPDX-License-Identifier: GPL-3.0-or-later
// Every caption of every window fits its control, measured with the fonts the widgets really
// use: labels and panels (wrapped or on one line), buttons, check boxes and radio buttons,
// group titles, the items of combo boxes and the text of one-line fields. Windows are taken
// from the application, so a new window is checked as soon as it exists. Pictures of the
// windows are left in the test's folder.

#include "AmbienteQt.h"
#include "PiattaformaFinta.h"
#include "PiattaformaQtDiProva.h"
#include "qt/Programma.h"
#include "qt/Regia.h"
#include "qt/VistaForm.h"
#include "ui/Disegno.h"
#include "ui/Form1.h"

#include <gtest/gtest-spi.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QToolButton>

#include <cstdlib>
#include <string>
#include <vector>

namespace girolino {
namespace {

std::string nomeDi(const QWidget* w) {
    return w->objectName().toStdString();
}

// The room a label's text takes, laid out as the label lays it out.
void verificaEtichetta(const QLabel* l) {
    if (l->text().isEmpty() || !l->pixmap().isNull()) return;
    const QRect spazio =
        l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
    const int regole = l->wordWrap() ? Qt::TextWordWrap : 0;
    const QRect testo =
        l->fontMetrics().boundingRect(QRect(0, 0, spazio.width(), 1 << 20), regole, l->text());
    EXPECT_LE(testo.width(), spazio.width())
        << nomeDi(l) << " \"" << l->text().toStdString() << "\"";
    EXPECT_LE(testo.height(), spazio.height())
        << nomeDi(l) << " \"" << l->text().toStdString() << "\"";
}

// Check boxes and radios: the style's own size for the mark and the caption. Buttons: the
// caption, and a picture beside it, inside the frame.
void verificaPulsante(const QAbstractButton* b) {
    if (b->text().isEmpty()) return;
    int serve = b->sizeHint().width();
    if (const auto* t = qobject_cast<const QToolButton*>(b)) {
        const int cornice = t->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, t);
        const bool conIcona = t->toolButtonStyle() == Qt::ToolButtonTextBesideIcon;
        serve = t->fontMetrics().horizontalAdvance(t->text()) + 2 * cornice +
                (conIcona ? t->iconSize().width() + 4 : 0);
    }
    EXPECT_LE(serve, b->width()) << nomeDi(b) << " \"" << b->text().toStdString() << "\"";
    EXPECT_LE(b->fontMetrics().height(), b->height()) << nomeDi(b);
}

void verificaGruppo(const QGroupBox* g) {
    if (g->title().isEmpty()) return;
    QStyleOptionGroupBox o;
    o.initFrom(g);
    o.text = g->title();
    o.subControls = QStyle::SC_GroupBoxLabel;
    const QRect titolo =
        g->style()->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, g);
    EXPECT_LE(g->fontMetrics().horizontalAdvance(g->title()), titolo.width()) << nomeDi(g);
    EXPECT_TRUE(g->rect().contains(titolo)) << nomeDi(g);
}

// What a one-line field shows without scrolling.
int larghezzaVisibile(const QLineEdit* e) {
    const QMargins m = e->textMargins();
    return e->contentsRect().width() - m.left() - m.right() - 4; // the field's own side gaps
}

void verificaCombo(const QComboBox* cb) {
    QStyleOptionComboBox o;
    o.initFrom(cb);
    o.editable = cb->isEditable();
    o.frame = cb->hasFrame();
    const QRect campo =
        cb->style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, cb);
    for (int i = 0; i < cb->count(); ++i)
        EXPECT_LE(cb->fontMetrics().horizontalAdvance(cb->itemText(i)), campo.width() - 4)
            << nomeDi(cb) << " \"" << cb->itemText(i).toStdString() << "\"";
}

void verificaCampo(const QLineEdit* e) {
    if (e->text().isEmpty() || qobject_cast<const QComboBox*>(e->parentWidget())) return;
    EXPECT_LE(e->fontMetrics().horizontalAdvance(e->text()), larghezzaVisibile(e))
        << nomeDi(e) << " \"" << e->text().toStdString() << "\"";
}

void verificaTesti(QWidget& finestra) {
    for (QWidget* w : finestra.findChildren<QWidget*>()) {
        w->ensurePolished();
        if (w->isHidden()) continue;
        if (const auto* l = qobject_cast<QLabel*>(w))
            verificaEtichetta(l);
        else if (const auto* b = qobject_cast<QAbstractButton*>(w))
            verificaPulsante(b);
        else if (const auto* g = qobject_cast<QGroupBox*>(w))
            verificaGruppo(g);
        else if (const auto* cb = qobject_cast<QComboBox*>(w))
            verificaCombo(cb);
        else if (const auto* e = qobject_cast<QLineEdit*>(w))
            verificaCampo(e);
    }
}

void verificaFinestre(qt::TProgramma& programma, const char* quando) {
    SCOPED_TRACE(quando);
    const char* dir = std::getenv("GIROLINO_TEST_TMP");
    if (dir) QDir().mkpath(dir);
    for (ui::TForm* f : programma.applicazione().finestre()) {
        SCOPED_TRACE(f->nomeClasse());
        qt::TVistaForm& v = programma.vista(*f);
        verificaTesti(v);
        if (dir)
            v.grab().save(QString::fromUtf8(dir) + "/" + v.objectName() + "-" + quando + ".png");
    }
}

// At start, and with every window open on a long game (counters of four digits), in each
// language.
TEST(TestiFinestre, EveryCaptionFitsItsControl) {
    for (const TLingua lingua : {TLingua::Italiano, TLingua::Inglese}) {
        const std::string nome = lingua == TLingua::Italiano ? "it" : "en";
        SCOPED_TRACE(nome);
        QTemporaryDir cartella;
        test::ProgrammaDiProva programma{cartella.filePath("girolino.ini"), lingua};
        programma.piattaforma().duranteModale = [](ui::TForm&) {};
        programma.avvia();
        verificaFinestre(programma, ("avvio-" + nome).c_str());

        auto& app = programma.applicazione();
        for (ui::TForm* f : app.finestre()) f->mostra();
        ui::TForm1& f1 = app.form1();
        f1.testoDigitato(f1.id("Edit1"), "5000");
        f1.click(f1.id("BitBtn2"));
        programma.regia().renderizzaTutto();
        ASSERT_EQ(f1.partita().nastroNumeri.size(), 5000u);
        verificaFinestre(programma, ("partita-" + nome).c_str());
    }
}

// The check itself: each kind of control with a text too long for it is refused, and the
// same control wide enough passes.
TEST(TestiFinestre, TheCheckFindsEachCutText) {
    using ui::TTipo;
    struct TCaso {
        TTipo tipo;
        std::string testo;
        std::vector<std::string> voci;
    };
    const std::string lungo = "Una didascalia troppo lunga per il suo posto";
    const TCaso casi[] = {
        {TTipo::Etichetta, lungo, {}},
        {TTipo::Etichetta, "Uno\nDue\nTre", {}}, // lines past the bottom
        {TTipo::Pulsante, lungo, {}},
        {TTipo::Casella, lungo, {}},
        {TTipo::Gruppo, lungo, {}},
        {TTipo::Combo, "", {"1", lungo}},
        {TTipo::Campo, lungo, {}},
    };
    for (const TCaso& caso : casi) {
        for (const int larghezza : {60, 400}) {
            SCOPED_TRACE(caso.testo + " " + std::to_string(larghezza));
            test::PiattaformaFinta piattaforma;
            ui::TForm f(piattaforma, "TProva", "", 420, 100);
            ui::TControllo c =
                ui::disegno::controllo("Prova", caso.tipo, -1, 4, 4, larghezza,
                                       caso.tipo == TTipo::Gruppo ? 60 : 21, caso.testo);
            c.voci = caso.voci;
            c.solaLettura = caso.tipo == TTipo::Campo;
            f.aggiungi(std::move(c));
            qt::TRegia regia;
            qt::TVistaForm& v = regia.crea(f);
            ::testing::TestPartResultArray risultati;
            {
                ::testing::ScopedFakeTestPartResultReporter r(
                    ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD,
                    &risultati);
                verificaTesti(v);
            }
            const bool tagliato = caso.testo.find('\n') != std::string::npos || larghezza == 60;
            EXPECT_EQ(risultati.size() > 0, tagliato);
        }
    }
}

} // namespace
} // namespace girolino
