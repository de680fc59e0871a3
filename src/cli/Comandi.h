// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The subcommands of girolino-cli. Each lives in a file of its own (ComandoXxx.cpp) that
// defines its factory, declared here, and is listed with one line in the table of Comandi.cpp.

#include <iosfwd>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace CLI {
class App;
} // namespace CLI

namespace girolino::lingua {
class TTraduttore;
} // namespace girolino::lingua

namespace girolino::cli {

// A refusal for the user, written in Italian and translated when printed on standard error;
// exit status 2. `luogo`, when given, names what the reason is about (a file, an option) and
// is never translated: it goes before the reason, or takes the place of the reason's own
// label ("Cassa: ...") when the reason has one.
struct TErroreCli : std::runtime_error {
    explicit TErroreCli(const std::string& motivo) : std::runtime_error(motivo), motivo(motivo) {}
    TErroreCli(const std::string& luogo, const std::string& motivo, bool alPostoDellEtichetta)
        : std::runtime_error(unisci(luogo, motivo, alPostoDellEtichetta)), luogo(luogo),
          motivo(motivo), alPostoDellEtichetta(alPostoDellEtichetta) {}

    // The whole refusal, its reason in the translator's language.
    std::string testo(const lingua::TTraduttore& tr) const;

    std::string luogo;
    std::string motivo;
    bool alPostoDellEtichetta = false;

private:
    static std::string unisci(const std::string& luogo, const std::string& motivo,
                              bool alPostoDellEtichetta);
};
// A command line that cannot be followed: the refusal ends with a pointer to --help.
struct TErroreUso : TErroreCli {
    using TErroreCli::TErroreCli;
};

class TComando {
public:
    virtual ~TComando() = default;
    // Declares the subcommand's options and arguments, bound to members of the command. The
    // subcommand's description holds the table's line: its help may add to it.
    // Values are checked in esegui, so every refusal reads the same. Help texts and what
    // esegui prints go through `tr`.
    virtual void dichiara(CLI::App& sotto, const lingua::TTraduttore& tr) = 0;
    // Runs after the command line was read. `uscita` reaches standard output only when the
    // command returns: a TErroreCli thrown at any point leaves standard output empty.
    virtual void esegui(std::istream& ingresso, std::ostream& uscita,
                        const lingua::TTraduttore& tr) = 0;
};

struct TVoceComando {
    std::string_view nome;
    std::string_view descrizione; // one line for the list in --help, in Italian
    std::unique_ptr<TComando> (*crea)();
};

// The factories, one per subcommand file.
std::unique_ptr<TComando> creaComandoStat();
std::unique_ptr<TComando> creaComandoSimula();     // simula
std::unique_ptr<TComando> creaComandoMonteCarlo(); // montecarlo

// Every subcommand, in the order --help lists them.
std::span<const TVoceComando> comandi();

} // namespace girolino::cli
