// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Cli.h"

#include "Versione.h"
#include "cli/Comandi.h"
#include "lingua/Traduttore.h"
#include "model/Testo.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <sstream>
#include <utility>
#include <vector>

namespace girolino::cli {

namespace {

constexpr const char* PROGRAMMA = "girolino-cli";

constexpr const char* DESCRIZIONE =
    TESTO("%1 da riga di comando: statistiche di una partita e prove di sistemi di puntate.");

constexpr const char* PIEDE =
    TESTO("Scrivi \"%1 COMANDO --help\" per l'aiuto di un comando.\n"
          "Esito: 0 riuscito; 2 rifiutato, con il motivo sullo standard error e nulla sullo\n"
          "standard output.");

constexpr const char* AIUTO_AIUTO = TESTO("Mostra questo aiuto ed esce");

// Lists each subcommand by the first line of its description; its own help shows all of it.
class TFormato : public CLI::Formatter {
public:
    std::string make_subcommand(const CLI::App* sotto) const override {
        const std::string d = sotto->get_description();
        std::stringstream o;
        CLI::detail::format_help(o, sotto->get_display_name(true), d.substr(0, d.find('\n')),
                                 column_width_);
        return o.str();
    }
};

// CLI11's own words in the help, in the program's language.
void etichette(CLI::App& app, const lingua::TTraduttore& tr) {
    auto f = std::make_shared<TFormato>();
    app.formatter(f);
    f->label("Usage", tr.traduci(TESTO("Uso")));
    f->label("OPTIONS", tr.traduci(TESTO("OPZIONI")));
    f->label("SUBCOMMAND", tr.traduci(TESTO("COMANDO")));
    f->label("SUBCOMMANDS", tr.traduci(TESTO("COMANDI")));
    f->label("Positionals", tr.traduci(TESTO("Argomenti")));
    f->label("REQUIRED", tr.traduci(TESTO("OBBLIGATORIO")));
    f->label("TEXT", tr.traduci(TESTO("TESTO")));
    f->column_width(24);
    app.option_defaults()->group(tr.traduci(TESTO("Opzioni")));
    app.set_help_flag("-h,--help", tr.traduci(AIUTO_AIUTO));
}

bool sembraOpzione(const std::string& a) {
    return a.size() > 1 && a.front() == '-';
}

std::string elencoComandi() {
    std::string s;
    for (const TVoceComando& v : comandi()) s += (s.empty() ? "" : ", ") + std::string(v.nome);
    return s;
}

// Arguments nobody took: the first one names the refusal. Before a subcommand, a word that is
// not an option is a command this program does not have.
void rifiutaAvanzi(const CLI::App& app, bool principale) {
    auto avanzi = app.remaining();
    std::erase(avanzi, "--"); // the end of the options, kept there by CLI11
    if (avanzi.empty()) return;
    const std::string& a = avanzi.front();
    if (sembraOpzione(a)) throw TErroreUso(formatta(TESTO("opzione sconosciuta '%1'."), a));
    if (principale)
        throw TErroreUso(
            formatta(TESTO("comando sconosciuto '%1' (i comandi sono: %2)."), a, elencoComandi()));
    throw TErroreUso(formatta(TESTO("argomento in più '%1'."), a));
}

// What CLI11 itself refuses once unknown arguments are let through: an option left without
// its value, mostly. Its English message names the option first.
std::string motivo(const CLI::ParseError& e) {
    const std::string m = e.what();
    const auto dueP = m.find(':');
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&e) && dueP != std::string::npos)
        return formatta(TESTO("l'opzione %1 vuole un valore."), m.substr(0, dueP));
    return formatta(TESTO("riga di comando non valida (%1)."), m);
}

struct TRegistrato {
    CLI::App* sotto;
    std::unique_ptr<TComando> comando;
};

} // namespace

int eseguiCli(std::span<const std::string> argomenti, const lingua::TTraduttore& tr,
              std::istream& ingresso, std::ostream& uscita, std::ostream& errori) {
    CLI::App app(tr.traduci(formatta(DESCRIZIONE, nomeProgramma)), PROGRAMMA);
    etichette(app, tr);
    app.allow_extras(); // refused below, in the program's words
    app.group(tr.traduci(TESTO("Comandi")));
    std::vector<TRegistrato> registrati;
    for (const TVoceComando& v : comandi()) {
        CLI::App* sotto =
            app.add_subcommand(std::string(v.nome), tr.traduci(std::string(v.descrizione)));
        sotto->set_help_flag("-h,--help", tr.traduci(AIUTO_AIUTO)); // in "Opzioni" too
        auto comando = v.crea();
        comando->dichiara(*sotto, tr);
        registrati.push_back({sotto, std::move(comando)});
    }
    app.footer(tr.traduci(formatta(PIEDE, PROGRAMMA)));

    std::string chi = PROGRAMMA;
    try {
        std::vector<std::string> rovescio(argomenti.rbegin(), argomenti.rend());
        app.parse(rovescio);
        rifiutaAvanzi(app, true);
        for (auto& r : registrati) {
            if (!r.sotto->parsed()) continue;
            chi += " " + r.sotto->get_name();
            rifiutaAvanzi(*r.sotto, false);
            std::ostringstream risultato;
            r.comando->esegui(ingresso, risultato, tr);
            uscita << risultato.str();
            uscita.flush();
            if (!uscita) throw TErroreCli(TESTO("impossibile scrivere sullo standard output."));
            return ESITO_OK;
        }
        throw TErroreUso(
            formatta(TESTO("manca il comando (i comandi sono: %1)."), elencoComandi()));
    } catch (const CLI::CallForHelp&) {
        uscita << app.help();
        return ESITO_OK;
    } catch (const CLI::ParseError& e) {
        for (const auto& r : registrati)
            if (r.sotto->parsed() && chi == PROGRAMMA) chi += " " + r.sotto->get_name();
        errori << chi << ": " << tr.traduci(motivo(e)) << "\n";
    } catch (const TErroreUso& e) {
        errori << chi << ": " << e.testo(tr) << "\n";
    } catch (const TErroreCli& e) {
        errori << chi << ": " << e.testo(tr) << "\n";
        return ESITO_ERRORE;
    } catch (const std::bad_alloc&) {
        errori << chi << ": " << tr.traduci(TESTO("memoria insufficiente.")) << "\n";
        return ESITO_ERRORE;
    } catch (const std::exception& e) {
        errori << chi << ": " << tr.traduci(formatta(TESTO("errore imprevisto (%1)."), e.what()))
               << "\n";
        return ESITO_ERRORE;
    }
    errori << tr.traduci(formatta(TESTO("Aiuto: %1 --help"), chi)) << "\n";
    return ESITO_ERRORE;
}

} // namespace girolino::cli
