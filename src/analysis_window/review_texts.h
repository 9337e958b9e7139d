// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/analysis.h"

#include <QString>
#include <optional>
#include <vector>

namespace quatrelle::analysis {

// Who made a move, as the review says it: "jaune", "rouge"; against the computer, "vous",
// "l'ordinateur".
QString PlayerName(int player, std::optional<int> computerPlayer);

// A value for the player to move, as a person says it, counting the winner's moves:
// "gagnant en 7 coups de jaune", "nul", "perdant en 4 coups de l'ordinateur", "gagnant en 3 de
// vos coups".
QString ValueText(int value, int moveCount, std::optional<int> computerPlayer);

// A move's line, read whole: "Coup 5, jaune, colonne 3 : erreur ; le nul devenait une défaite ;
// il fallait jouer 4.", "Coup 1, jaune, colonne 4 : nul ; bon coup.", or before its review
// "Coup 5, jaune, colonne 3 : …".
QString MoveLine(int move, int column, std::optional<int> computerPlayer,
                 const std::optional<game::MoveReview>& review);

// "Jaune : 1 erreur, 0 gaffe. Rouge : 0 erreur, 1 gaffe. La partie s'est jouée au coup 9.", or
// "… Aucune erreur : la partie n'a jamais changé de main."
QString SummaryText(const game::GameSummary& summary, std::optional<int> computerPlayer);

// The graph's labels: the side that wins in a half ("Jaune gagne", "Vous gagnez"), the middle
// line, the move numbers, and the legend's marks.
QString WinnerLabel(int player, std::optional<int> computerPlayer);
QString DrawLabel();
QString MovesAxisLabel();
QString ErrorLabel();
QString BlunderLabel();

// The graph's name, with the move chosen on it and how the game stood after it for the side it is
// drawn for: "Graphique de la valeur, coup 9 : perdu".
QString GraphPointText(const std::vector<game::MoveReview>& reviews, int move, int viewer);

// The graph in one sentence, where the value turned, for the side it is drawn for: "Pour vous :
// nul au départ, perdu au coup 9."
QString GraphText(const std::vector<game::MoveReview>& reviews, int viewer,
                  std::optional<int> computerPlayer);

} // namespace quatrelle::analysis
