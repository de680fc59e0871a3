// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/Immagini.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

#include <string_view>

namespace girolino::qt {

namespace {

struct TFigura {
    std::string_view nome;
    QStyle::StandardPixmap standard; // used when `simbolo` is empty
    const char* simbolo;             // drawn as white text on a coloured disc
    QRgb colore;
};

constexpr TFigura figure[] = {
    {"aiuto", QStyle::SP_CustomBase, "?", 0x1E5AC8},
    {"info", QStyle::SP_CustomBase, "i", 0x1E5AC8},
    {"annulla", QStyle::SP_ArrowBack, "", 0},
    {"tastiera", QStyle::SP_CustomBase, "#", 0x2E8B57},
    {"nuova", QStyle::SP_FileIcon, "", 0},
    {"salva", QStyle::SP_DialogSaveButton, "", 0},
    {"apri", QStyle::SP_DialogOpenButton, "", 0},
    {"ok", QStyle::SP_DialogOkButton, "", 0},
    {"accetto", QStyle::SP_DialogApplyButton, "", 0},
    {"nonaccetto", QStyle::SP_DialogCancelButton, "", 0},
    {"chiudi", QStyle::SP_DialogCloseButton, "", 0},
    {"vai", QStyle::SP_MediaPlay, "", 0},
    {"guarda", QStyle::SP_FileDialogContentsView, "", 0},
    {"lista", QStyle::SP_FileDialogListView, "", 0},
    {"grafico", QStyle::SP_FileDialogDetailedView, "", 0},
    {"calcola", QStyle::SP_BrowserReload, "", 0},
    {"avanti", QStyle::SP_ArrowForward, "", 0},
    {"indietro", QStyle::SP_ArrowBack, "", 0},
};

QPixmap disco(QSize d, const QString& simbolo, QColor colore) {
    QPixmap pm(d);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colore);
    const int lato = std::min(d.width(), d.height()) - 2;
    const QRect r((d.width() - lato) / 2, (d.height() - lato) / 2, lato, lato);
    p.drawEllipse(r);
    QFont f("Liberation Sans");
    f.setBold(true);
    f.setPixelSize(std::max(6, lato * 2 / 3));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, simbolo);
    return pm;
}

QColor coloreDelNome(const std::string& nome) {
    const auto h = static_cast<int>(qHash(QString::fromStdString(nome)) % 360);
    return QColor::fromHsv(h, 160, 170);
}

} // namespace

QPixmap immagine(const std::string& nome, QSize dimensione) {
    for (const auto& f : figure) {
        if (f.nome != nome) continue;
        if (*f.simbolo) return disco(dimensione, QString::fromLatin1(f.simbolo), QColor(f.colore));
        return QApplication::style()->standardIcon(f.standard).pixmap(dimensione);
    }
    const QString iniziale =
        nome.empty() ? QString() : QString::fromStdString(nome.substr(0, 1)).toUpper();
    return disco(dimensione, iniziale, coloreDelNome(nome));
}

QIcon icona(const std::string& nome) {
    QIcon i;
    for (int lato : {16, 24, 32}) i.addPixmap(immagine(nome, QSize(lato, lato)));
    return i;
}

} // namespace girolino::qt
