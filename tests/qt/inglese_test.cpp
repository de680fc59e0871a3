// SPDX-License-Identifier: GPL-3.0-or-later
// Every window in English: the program is played the same way in both languages and every
// text the user reads is collected, control by control. In English no text holds an Italian
// word and none is empty where Italian has one; the ribbons and what the user types are data
// and stay as they are.

#include "AmbienteQt.h"
#include "PiattaformaQtDiProva.h"
#include "qt/Programma.h"
#include "qt/Regia.h"
#include "qt/VistaForm.h"
#include "ui/Form1.h"

#include <QAbstractButton>
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QValueAxis>

#include <map>
#include <random>
#include <string>

namespace girolino {
namespace {

using TTesti = std::map<std::string, QString>; // where -> text

void aggiungi(TTesti& t, const std::string& dove, const QString& testo) {
    t[dove] = testo;
}

void testiDelGrafico(TTesti& t, const std::string& dove, const QChart* g) {
    aggiungi(t, dove + ".titolo", g->title());
    int k = 0;
    for (const QAbstractAxis* a : g->axes())
        aggiungi(t, dove + ".asse" + std::to_string(k++), a->titleText());
    k = 0;
    for (const QLegendMarker* m : g->legend()->markers())
        aggiungi(t, dove + ".legenda" + std::to_string(k++), m->label());
}

void testiDellaTabella(TTesti& t, const std::string& dove, const QTableView* v) {
    const QAbstractItemModel* m = v->model();
    for (int c = 0; c < m->columnCount(); ++c) {
        aggiungi(t, dove + ".intestazione" + std::to_string(c),
                 m->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
        for (int r = 0; r < m->rowCount(); ++r)
            aggiungi(t, dove + "." + std::to_string(r) + "." + std::to_string(c),
                     m->index(r, c).data().toString());
    }
}

// Every text a window shows or holds ready (hidden controls, tooltips, menu items).
TTesti testiMostrati(qt::TVistaForm& v) {
    TTesti t;
    const std::string finestra = v.objectName().toStdString();
    aggiungi(t, finestra + ".titolo", v.windowTitle());
    for (const QAction* a : v.findChildren<QAction*>())
        if (!a->objectName().isEmpty())
            aggiungi(t, finestra + ".menu." + a->objectName().toStdString(), a->text());
    for (QWidget* w : v.findChildren<QWidget*>()) {
        const std::string dove = finestra + "." + w->objectName().toStdString();
        if (w->objectName().isEmpty()) continue;
        if (!w->toolTip().isEmpty()) aggiungi(t, dove + ".hint", w->toolTip());
        if (const auto* l = qobject_cast<QLabel*>(w))
            aggiungi(t, dove, l->text());
        else if (const auto* b = qobject_cast<QAbstractButton*>(w))
            aggiungi(t, dove, b->text());
        else if (const auto* g = qobject_cast<QGroupBox*>(w))
            aggiungi(t, dove, g->title());
        else if (const auto* cb = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < cb->count(); ++i)
                aggiungi(t, dove + ".voce" + std::to_string(i), cb->itemText(i));
        else if (const auto* e = qobject_cast<QLineEdit*>(w); e && e->isReadOnly())
            aggiungi(t, dove, e->text());
        else if (const auto* m = qobject_cast<QTextEdit*>(w); m && m->isReadOnly())
            aggiungi(t, dove, m->toPlainText());
        else if (const auto* tv = qobject_cast<QTableView*>(w))
            testiDellaTabella(t, dove, tv);
        else if (const auto* cv = qobject_cast<QChartView*>(w))
            testiDelGrafico(t, dove, cv->chart());
    }
    return t;
}

// The same game in each language: every window open, the same few hundred spins clicked on
// the number buttons (a random run would end differently in the two games).
std::map<std::string, QString> giocaIn(TLingua lingua) {
    QTemporaryDir cartella;
    test::ProgrammaDiProva programma(cartella.filePath("girolino.ini"), lingua);
    programma.piattaforma().duranteModale = [](ui::TForm&) {};
    programma.avvia();
    auto& app = programma.applicazione();
    for (ui::TForm* f : app.finestre()) f->mostra();
    ui::TForm1& f1 = app.form1();
    std::mt19937 caso(7);
    for (int i = 0; i < 300; ++i) f1.click(f1.id("SpeedButton" + std::to_string(caso() % 37 + 1)));
    programma.regia().renderizzaTutto();
    TTesti tutti;
    for (ui::TForm* f : app.finestre()) tutti.merge(testiMostrati(programma.vista(*f)));
    return tutti;
}

// Words only Italian uses; names that English players use as they are (Manque, Passe, the
// wheel's French sectors, "Italiano" in the language menu) are not among them.
const QRegularExpression& paroleItaliane() {
    static const QRegularExpression re(
        QStringLiteral(
            "\\b(il|lo|gli|della|delle|dello|degli|dei|del|nel|nella|sul|con|che|una|uno|"
            "sono|ritardo|ritardi|ritardatario|massimo|sortite|sortita|partita|numero|numeri|"
            "salva|apri|chiudi|aiuto|nuova|rosso|rossi|nero|neri|pari|dispari|dozzina|dozzine|"
            "colonna|colonne|giri|giro|puntata|puntate|vincita|vincite|statistiche|frequenze|"
            "attese|osservate|ruota|settori|settore|annulla|importa|esporta|elenco|lingua|"
            "guida|regole|utilizzo|automatica|vicini|sistema|sistemi|progressione|sessione|"
            "sessioni|calcola|mostra|ultimo|ultimi|analisi|andamento|semplice|semplici|tutti|"
            "tutte|gruppi|gruppo|estrai|inserisci|casuali|soglia|segnale|avviso|terzina|sestina|"
            "cavallo|accetto|prossimo|avvio|scelta|numero|ripetizioni|uscite|uscito|volte|è)\\b"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return re;
}

TEST(Inglese, EveryWindowSpeaksEnglishWithNothingLeftOut) {
    const TTesti italiano = giocaIn(TLingua::Italiano);
    const TTesti inglese = giocaIn(TLingua::Inglese);
    ASSERT_GT(italiano.size(), 500u);
    int cambiati = 0;
    for (const auto& [dove, testo] : inglese) {
        const auto it = italiano.find(dove);
        ASSERT_NE(it, italiano.end()) << dove;
        if (!it->second.trimmed().isEmpty()) {
            EXPECT_FALSE(testo.trimmed().isEmpty())
                << dove << " vuoto; italiano: \"" << it->second.toStdString() << "\"";
        }
        const auto trovata = paroleItaliane().match(testo);
        EXPECT_FALSE(trovata.hasMatch()) << dove << ": \"" << testo.toStdString() << "\" ("
                                         << trovata.captured().toStdString() << ")";
        if (testo != it->second) ++cambiati;
    }
    EXPECT_GT(cambiati, 300); // the English program is really translated, not only clean
}

// The check itself finds an Italian word, and lets English and the words both share be.
TEST(Inglese, TheWordListTellsItalianFromEnglish) {
    for (const char* s : {"Ritardo: 5", "Salva con Nome", "È uscito", "numeri della partita"})
        EXPECT_TRUE(paroleItaliane().match(QString::fromUtf8(s)).hasMatch()) << s;
    for (const char* s :
         {"Delay: 5", "Save As", "Manque 1-18", "Red", "Voisins du Zéro", "Italiano"})
        EXPECT_FALSE(paroleItaliane().match(QString::fromUtf8(s)).hasMatch()) << s;
}

} // namespace
} // namespace girolino
