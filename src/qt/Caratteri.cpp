// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/Caratteri.h"

#include <string_view>

namespace girolino::qt {

namespace {

struct TSostituto {
    std::string_view richiesta;
    const char* installata;
    bool corsivo;
};

// Liberation faces share the metrics of the common desktop faces, so a caption
// measured for them keeps its width; the condensed face replaces the condensed one.
constexpr TSostituto sostituti[] = {
    {"MS Sans Serif", "Liberation Sans", false},
    {"Tahoma", "Liberation Sans", false},
    {"Arial", "Liberation Sans", false},
    {"Verdana", "DejaVu Sans Condensed", false},
    {"Franklin Gothic Medium Cond", "Liberation Sans Narrow", false},
    {"Odessa LET", "Liberation Serif", true},
    {"Times New Roman", "Liberation Serif", false},
    {"Courier New", "Liberation Mono", false},
};

const TSostituto* cerca(const std::string& famiglia) {
    for (const auto& s : sostituti)
        if (s.richiesta == famiglia) return &s;
    return nullptr;
}

} // namespace

QString famigliaInstallata(const std::string& famiglia) {
    if (const auto* s = cerca(famiglia)) return QString::fromLatin1(s->installata);
    return QString::fromStdString(famiglia);
}

QFont fontQt(const ui::TCarattere& c) {
    QFont f(famigliaInstallata(c.famiglia));
    f.setPixelSize(c.px > 0 ? c.px : 11);
    f.setBold(c.grassetto);
    if (const auto* s = cerca(c.famiglia)) f.setItalic(s->corsivo);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

} // namespace girolino::qt
