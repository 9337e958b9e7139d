#include "spoken_texts.h"

#include "game/board.h"

namespace quatrelle::main_window {

namespace {

QString colourOf(std::int16_t value) {
    switch (value) {
    case 1:
        return QStringLiteral("jaune");
    case 2:
        return QStringLiteral("rouge");
    default:
        return QStringLiteral("vide");
    }
}

} // namespace

QString ArrowName(int column) {
    return QStringLiteral("Colonne %1").arg(column + 1);
}

QString CellName(int cell, std::int16_t value) {
    return QStringLiteral("Colonne %1, rang\u00e9e %2 : %3")
        .arg(game::ColumnOf(cell) + 1)
        .arg(game::RowOf(cell) + 1)
        .arg(colourOf(value));
}

QString TurnDescription(int player, bool computer) {
    const QString colour = colourOf(static_cast<std::int16_t>(player + 1));
    if (computer)
        return QStringLiteral("A l'ordinateur (%1) de jouer").arg(colour);
    return QStringLiteral("Au joueur %1 (%2) de jouer").arg(player + 1).arg(colour);
}

QString HintDescription(int column) {
    return QStringLiteral("Conseil : colonne %1").arg(column + 1);
}

} // namespace quatrelle::main_window
