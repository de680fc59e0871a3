// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The second help window: what the buttons of the main window's command row do. Every
// button here is a picture only, except "OK", which closes the window.

#include "ui/Form.h"
#include "ui/Form16Layout.h"

namespace girolino::ui {

class TForm16 : public TForm {
public:
    explicit TForm16(TPiattaforma& p);

    void click(int id) override;

private:
    TIdForm16 id_;
};

} // namespace girolino::ui
