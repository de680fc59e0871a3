// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Ingresso.h"

#include "gamefile/PartitaDiProva.h"

#include <cstdlib>

namespace girolino::prova {
namespace {

class CartellaBase : public CartellaDiProva {
protected:
    void TearDown() override {
        ::unsetenv("HOME");
        ::unsetenv("XDG_CONFIG_HOME");
        if (!casa_.empty()) ::setenv("HOME", casa_.c_str(), 1);
    }
    void SetUp() override {
        CartellaDiProva::SetUp();
        if (const char* c = std::getenv("HOME")) casa_ = c;
        ::setenv("HOME", (cartella / "casa").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (cartella / "config").c_str(), 1);
    }
    std::string casa_;
};

// The saved games live beside the program when its folder is writable, else in the
// documents folder the desktop names.
TEST_F(CartellaBase, ComeIlProgramma) {
    EXPECT_EQ(cli::cartellaBase(cartella), cartella);
    const auto altrove = cartella / "non-esiste";
    EXPECT_EQ(cli::cartellaBase(altrove), cartella / "casa" / "Documents" / "Girolino");

    std::filesystem::create_directories(cartella / "config");
    scriviByte(cartella / "config" / "user-dirs.dirs",
               "# scritto da xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Scrivania\"\n"
               "XDG_DOCUMENTS_DIR=\"$HOME/Documenti\"\n");
    EXPECT_EQ(cli::cartellaBase(altrove), cartella / "casa" / "Documenti" / "Girolino");
    scriviByte(cartella / "config" / "user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"/srv/carte\"\n");
    EXPECT_EQ(cli::cartellaBase(altrove), std::filesystem::path("/srv/carte/Girolino"));
}

} // namespace
} // namespace girolino::prova
