// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Cli.h"

#include "cli/Comandi.h"

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
    "Girolino da riga di comando: statistiche di una partita e prove di sistemi di puntate.";

constexpr const char* PIEDE =
    "Scrivi \"girolino-cli COMANDO --help\" per l'aiuto di un comando.\n"
    "Esito: 0 riuscito; 2 rifiutato, con il motivo sullo standard error e nulla sullo\n"
    "standard output.";

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

void italiano(CLI::App& app) {
    auto f = std::make_shared<TFormato>();
    app.formatter(f);
    f->label("Usage", "Uso");
    f->label("OPTIONS", "OPZIONI");
    f->label("SUBCOMMAND", "COMANDO");
    f->label("SUBCOMMANDS", "COMANDI");
    f->label("Positionals", "Argomenti");
    f->label("REQUIRED", "OBBLIGATORIO");
    f->label("TEXT", "TESTO");
    f->column_width(24);
    app.option_defaults()->group("Opzioni");
    app.set_help_flag("-h,--help", "Mostra questo aiuto ed esce");
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
    if (sembraOpzione(a)) throw TErroreUso("opzione sconosciuta '" + a + "'.");
    if (principale)
        throw TErroreUso("comando sconosciuto '" + a + "' (i comandi sono: " + elencoComandi() +
                         ").");
    throw TErroreUso("argomento in più '" + a + "'.");
}

// What CLI11 itself refuses once unknown arguments are let through: an option left without
// its value, mostly. Its English message names the option first.
std::string traduci(const CLI::ParseError& e) {
    const std::string m = e.what();
    const auto dueP = m.find(':');
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&e) && dueP != std::string::npos)
        return "l'opzione " + m.substr(0, dueP) + " vuole un valore.";
    return "riga di comando non valida (" + m + ").";
}

struct TRegistrato {
    CLI::App* sotto;
    std::unique_ptr<TComando> comando;
};

} // namespace

int eseguiCli(std::span<const std::string> argomenti, std::istream& ingresso, std::ostream& uscita,
              std::ostream& errori) {
    CLI::App app(DESCRIZIONE, PROGRAMMA);
    italiano(app);
    app.allow_extras(); // refused below, in Italian
    app.group("Comandi");
    std::vector<TRegistrato> registrati;
    for (const TVoceComando& v : comandi()) {
        CLI::App* sotto = app.add_subcommand(std::string(v.nome), std::string(v.descrizione));
        sotto->set_help_flag("-h,--help", "Mostra questo aiuto ed esce"); // in "Opzioni" too
        auto comando = v.crea();
        comando->dichiara(*sotto);
        registrati.push_back({sotto, std::move(comando)});
    }
    app.footer(PIEDE);

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
            r.comando->esegui(ingresso, risultato);
            uscita << risultato.str();
            uscita.flush();
            if (!uscita) throw TErroreCli("impossibile scrivere sullo standard output.");
            return ESITO_OK;
        }
        throw TErroreUso("manca il comando (i comandi sono: " + elencoComandi() + ").");
    } catch (const CLI::CallForHelp&) {
        uscita << app.help();
        return ESITO_OK;
    } catch (const CLI::ParseError& e) {
        for (const auto& r : registrati)
            if (r.sotto->parsed() && chi == PROGRAMMA) chi += " " + r.sotto->get_name();
        errori << chi << ": " << traduci(e) << "\n";
    } catch (const TErroreUso& e) {
        errori << chi << ": " << e.what() << "\n";
    } catch (const TErroreCli& e) {
        errori << chi << ": " << e.what() << "\n";
        return ESITO_ERRORE;
    } catch (const std::bad_alloc&) {
        errori << chi << ": memoria insufficiente.\n";
        return ESITO_ERRORE;
    } catch (const std::exception& e) {
        errori << chi << ": errore imprevisto (" << e.what() << ").\n";
        return ESITO_ERRORE;
    }
    errori << "Aiuto: " << chi << " --help\n";
    return ESITO_ERRORE;
}

} // namespace girolino::cli
