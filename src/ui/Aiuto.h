// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands of the "Help" menu and of the main window's help button: the two help
// windows, the rules of use, the web pages and the about message.

#include "ui/Form15.h"
#include "ui/Form16.h"
#include "ui/Form17.h"
#include "ui/Piattaforma.h"

#include <string>
#include <string_view>

namespace girolino::ui {

// The paths of the pages of the web site (indirizzoSito).
inline constexpr std::string_view percorsoGuida = "/video-guida/";
inline constexpr std::string_view percorsoContatti = "/contatti/";

// The address of a page of the site, with exactly one slash between site and path.
std::string indirizzoPagina(std::string_view percorso);

// The about message: name and version, what the program is for, what it cannot do and its
// licence.
std::string testoInfo();

class TComandiAiuto {
public:
    TComandiAiuto(TPiattaforma& p, TForm15& aiuto, TForm16& pulsanti, TForm17& regole);

    // At start, after the game is zeroed: shows the rules unless the user asked not to.
    // Nothing is shown when the settings store cannot be opened.
    void controllaRegole();

    void aiuto();                     // "Aiuto": TForm15, modal
    void aiutoPulsanti();             // the main window's help button: TForm16, modal
    void guidaAllUso();               // the video guide page
    void sitoWebUfficiale();          // the home page
    void suggerisciUnMiglioramento(); // the contact page
    void regoleDiUtilizzo();          // TForm17, not modal
    void info();                      // the about message

    // Runs the command of a "Help" menu item given by its component name ("Aiuto1",
    // "GuidaallUso1", ...); false when the item is not one of these commands.
    bool eseguiVoce(std::string_view nomeVoce);

private:
    TPiattaforma& piattaforma_;
    TForm15& aiuto_;
    TForm16& pulsanti_;
    TForm17& regole_;
};

} // namespace girolino::ui
