// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A hidden window is not copied. Nobody sees it, and some windows stay hidden through a
// whole game while their models change on every spin: copying them would cost a long run
// time for nothing. Their changes stay pending in the model and are copied all at once when
// the window is shown again. Timers are the exception: they run whether the window is seen
// or not.

#include "ui/Form.h"

#include <functional>

namespace girolino::qt {

// Whether the render of a window is put off: when neither its model nor its widget
// (mostrata) shows it. Then copiaTimer is called for every timer among the pending changes,
// and the rest waits.
bool rinviaSeNascosta(const ui::TForm& modello, bool mostrata,
                      const std::function<void(int id)>& copiaTimer);

} // namespace girolino::qt
