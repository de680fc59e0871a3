// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening a game: the main file and its six ribbon sub-files are read and checked as a whole
// before anything of the game in progress is touched. Either every check passes and the
// result holds the complete game, or there is one message saying what is wrong.

#include "gamefile/Disco.h"
#include "gamefile/FilePartita.h"
#include "model/Partita.h"
#include "model/Testo.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace girolino {

// Limits that keep a damaged or foreign file from exhausting memory.
inline constexpr std::uintmax_t MAX_BYTE_FILE_PARTITA = 1024 * 1024;
inline constexpr std::uintmax_t MAX_BYTE_NASTRO = 64 * 1024 * 1024;
inline constexpr std::int32_t MAX_BOULE = 10'000'000;

inline constexpr const char* MESSAGGIO_FILE_NON_VALIDO =
    TESTO("Attenzione: il file che stai cercando di aprire non è valido");

// A game file that passed every check.
struct TFileCaricato {
    std::filesystem::path percorso;
    std::vector<std::string> righe; // the 543 lines as read
    TTestiVista testi;              // lines 1-7 and 155-194 as stored
    std::int32_t bouleEseguite = 0;
    int ultimoNumero = 0;
    std::array<TContatore, NUMERI> numeri{};
    std::array<TContatore, NUM_CHANCE + 1> chance{}; // [1..12]
    std::array<std::int32_t, NUM_CHANCE + 1> ripetizioni{};
    std::array<TContatore, NUM_GRUPPI + 1> gruppi{}; // [1..112]
    std::array<TNastro, 6> nastri;                   // numero, rosso, pari, manq, doz, col
};

struct TCaricamento {
    std::optional<TFileCaricato> partita; // set when the file is valid
    std::string errore;                   // otherwise: one Italian message naming the file

    bool valido() const { return partita.has_value(); }
};

// Reads and checks the game file at percorso and its ribbons: beside it (see percorsoNastro),
// or else in "salvati/files" under base (percorsoNastroInSalvati). A save of this game that
// was interrupted is finished first (see ripristinaInterrotto).
// Accepted: CR LF or LF line ends, no line end after the last line. Refused, with a message:
// a wrong marker, not exactly 543 lines, a counter line that is not a whole number or is out
// of range, binary data, an oversized file, a missing sub-file, a ribbon of the wrong length
// or with a wrong mark, and ribbons that do not belong to the saved counters (replaying the
// number ribbon must give the file's counters and runs, the ribbon letters must be those of
// its numbers, and its last number must be the file's last number).
TCaricamento caricaFilePartita(const std::filesystem::path& percorso,
                               const std::filesystem::path& base, TDisco& disco = discoDiSistema());

// Puts a checked game into p: counters, runs, ribbons, spin count and last number exactly as
// saved (the runs too, whatever the last number); undo copies cleared; partitaModificata
// cleared; seguiUltimo kept. Only the wheel's sectors and arcs, which the file does not hold,
// are recounted from the number ribbon. The caller must not run the counting step of the runs
// (aggiornaRipetizioni) for the last number again.
//
// What the caller still does, in this order, to show the opened game:
//   - show the texts of f.testi: spin count, last number (red when colore is "clred"; a zero
//     in green as after a spin), the four attribute texts;
//   - the display refresh of the signals (titles, banner, number pad strip, spin count);
//   - the red pass when its option is ticked;
//   - caption "Girolino - File Visualizzato: " + file name, "Salva" disabled;
//   - scroll the six ribbons to their last line;
//   - impostaFrequentoni, assegnaChanceComplesse, calcoliCalcola (rankings, summary, cells).
// Undo stays disabled until the next spin, which sets the undo copies again.
void ripristinaPartita(TPartita& p, const TFileCaricato& f);

} // namespace girolino
