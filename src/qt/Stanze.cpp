// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/Stanze.h"

#include "qt/VistaGrafico.h"
#include "qt/VistaRuota.h"
#include "qt/VistaTabella.h"

namespace girolino::qt {

namespace {

constexpr TStanza tabella{creaTabella, copiaTabella};
constexpr TStanza grafico{creaGrafico, copiaGrafico};
constexpr TStanza ruota{creaRuota, copiaRuota};

} // namespace

const TStanza* stanza(ui::TTipo t) {
    switch (t) {
    case ui::TTipo::Tabella:
        return &tabella;
    case ui::TTipo::Grafico:
        return &grafico;
    case ui::TTipo::Ruota:
        return &ruota;
    default:
        return nullptr;
    }
}

} // namespace girolino::qt
