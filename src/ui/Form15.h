// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The first help window: shows what a help button looks like and lets the user try one.

#include "ui/Form.h"
#include "ui/Form15Layout.h"

namespace girolino::ui {

class TForm15 : public TForm {
public:
    explicit TForm15(TPiattaforma& p);

    // The sample help button answers with a message; "OK" closes the window.
    void click(int id) override;

private:
    TIdForm15 id_;
};

} // namespace girolino::ui
