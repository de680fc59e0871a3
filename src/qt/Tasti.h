// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard and dropped files at the table. Digits typed into a control of a window with a
// spin entry field that takes no text of its own go into that field; Backspace in the empty
// field takes the last spin back; the undo key in it is the program's undo, not the field's;
// spin lists and saved games dropped on the main window are imported or opened.

#include <QKeySequence>
#include <QList>

#include <string>

class QAction;

namespace girolino::qt {

class TRegia;

// A menu item's key name as its key sequences: "Undo", "New", "Save", "SaveAs", "Open" and
// "HelpContents" are the platform's standard sequences (the usual keys where the platform has
// none), any other name is read as keys ("Ctrl+I").
QList<QKeySequence> sequenzeTasti(const std::string& nome);

// Gives a menu item its keys, working from every window of the program (the floating pad
// above all) unless a modal window is up.
void impostaTasti(QAction& azione, const std::string& nome);

// Starts the handling for every window of regia (it owns the handler).
void installaTasti(TRegia& regia);

} // namespace girolino::qt
