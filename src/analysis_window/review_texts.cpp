// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "review_texts.h"

#include <QCoreApplication>
#include <QStringList>

namespace quatrelle::analysis {

// The context that translators find these texts in.
class ReviewTexts {
    Q_DECLARE_TR_FUNCTIONS(ReviewTexts)
};

namespace {

// What a move did to the value, in words: "le nul devenait une défaite".
QString change(int valueBefore, int valueAfter) {
    if (valueBefore <= 0)
        return ReviewTexts::tr("le nul devenait une défaite");
    return valueAfter == 0 ? ReviewTexts::tr("le gain devenait un nul")
                           : ReviewTexts::tr("le gain devenait une défaite");
}

QString capitalised(QString text) {
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

} // namespace

QString PlayerName(int player, std::optional<int> computerPlayer) {
    if (computerPlayer)
        return player == *computerPlayer ? ReviewTexts::tr("l'ordinateur")
                                         : ReviewTexts::tr("vous");
    return player == 0 ? ReviewTexts::tr("jaune", "the yellow side")
                       : ReviewTexts::tr("rouge", "the red side");
}

namespace {

// So many moves of one player: "7 coups de jaune", "3 de vos coups".
QString movesOf(int player, std::optional<int> computerPlayer, int moves) {
    if (computerPlayer)
        return player == *computerPlayer ? ReviewTexts::tr("%n coup(s) de l'ordinateur", "", moves)
                                         : ReviewTexts::tr("%n de vos coups", "", moves);
    return player == 0 ? ReviewTexts::tr("%n coup(s) de jaune", "", moves)
                       : ReviewTexts::tr("%n coup(s) de rouge", "", moves);
}

// The winner's moves until the end that a value means, for the player to move.
QString movesToEnd(int value, int moveCount, std::optional<int> computerPlayer) {
    return movesOf(game::WinnerOf(value, moveCount), computerPlayer,
                   game::MovesToEnd(value, moveCount));
}

} // namespace

QString ValueText(int value, int moveCount, std::optional<int> computerPlayer) {
    if (value == 0)
        return ReviewTexts::tr("nul", "the value of a drawn position");
    const QString moves = movesToEnd(value, moveCount, computerPlayer);
    return value > 0
               ? ReviewTexts::tr("gagnant en %1", "%1: so many moves of the winner").arg(moves)
               : ReviewTexts::tr("perdant en %1", "%1: so many moves of the winner").arg(moves);
}

QString MoveLine(int move, int column, std::optional<int> computerPlayer,
                 const std::optional<game::MoveReview>& review) {
    const QString line =
        ReviewTexts::tr("Coup %1, %2, colonne %3 : %4", "%2 is who played, %4 what the move did")
            .arg(move + 1)
            .arg(PlayerName(game::PlayerOfMove(move), computerPlayer))
            .arg(column + 1);
    if (!review)
        return line.arg(QStringLiteral("\u2026"));
    const QString before = ValueText(review->valueBefore, move, computerPlayer);
    const int better = review->betterColumn + 1;
    switch (review->verdict) {
    case game::Verdict::Best:
        return line.arg((review->madeLine
                             ? ReviewTexts::tr("%1 ; quatre en ligne.",
                                               "%1 is the start of a move's line: its number, who "
                                               "played, the column and the value")
                             : ReviewTexts::tr("%1 ; bon coup.",
                                               "%1 is the start of a move's line: its number, who "
                                               "played, the column and the value"))
                            .arg(before));
    case game::Verdict::SlowerWin:
    case game::Verdict::FasterLoss:
        return line.arg((review->verdict == game::Verdict::SlowerWin
                             ? ReviewTexts::tr("%1 ; gagne encore, mais en %2 ; il fallait jouer "
                                               "%3.",
                                               "%2: so many moves of the winner")
                             : ReviewTexts::tr("%1 ; perd plus vite, en %2 ; il fallait jouer %3.",
                                               "%2: so many moves of the winner"))
                            .arg(before, movesToEnd(review->valueAfter, move, computerPlayer))
                            .arg(better));
    case game::Verdict::Error:
    case game::Verdict::Blunder:
        return line.arg(ReviewTexts::tr("%1 ; %2 ; il fallait jouer %3.",
                                        "an error or a blunder, what it did, the better column")
                            .arg(review->verdict == game::Verdict::Error ? ReviewTexts::tr("erreur")
                                                                         : ReviewTexts::tr("gaffe"),
                                 change(review->valueBefore, review->valueAfter))
                            .arg(better));
    case game::Verdict::AfterLine:
        return line.arg(ReviewTexts::tr("après la ligne, la partie était jouée."));
    }
    return line.arg(QString());
}

QString WinnerLabel(int player, std::optional<int> computerPlayer) {
    if (computerPlayer)
        return player == *computerPlayer ? ReviewTexts::tr("L'ordinateur gagne")
                                         : ReviewTexts::tr("Vous gagnez");
    return player == 0 ? ReviewTexts::tr("Jaune gagne") : ReviewTexts::tr("Rouge gagne");
}

QString DrawLabel() {
    return ReviewTexts::tr("nul", "the graph's middle line");
}

QString MovesAxisLabel() {
    return ReviewTexts::tr("coups", "the label of the graph's move numbers");
}

QString ErrorLabel() {
    return ReviewTexts::tr("erreur");
}

QString BlunderLabel() {
    return ReviewTexts::tr("gaffe");
}

namespace {

QString outlook(int value) {
    return value > 0   ? ReviewTexts::tr("gagné", "the game, for one side")
           : value < 0 ? ReviewTexts::tr("perdu", "the game, for one side")
                       : ReviewTexts::tr("nul", "the game, for one side");
}

} // namespace

QString GraphPointText(const std::vector<game::MoveReview>& reviews, int move, int viewer) {
    if (move < 0 || std::size_t(move) >= reviews.size())
        return ReviewTexts::tr("Graphique de la valeur");
    const game::MoveReview& review = reviews[std::size_t(move)];
    return ReviewTexts::tr("Graphique de la valeur, coup %1 : %2", "%2: the game after the move")
        .arg(move + 1)
        .arg(review.verdict == game::Verdict::AfterLine
                 ? ReviewTexts::tr("après la ligne")
                 : outlook(review.player == viewer ? review.valueAfter : -review.valueAfter));
}

QString GraphText(const std::vector<game::MoveReview>& reviews, int viewer,
                  std::optional<int> computerPlayer) {
    const auto sign = [](int value) { return (value > 0) - (value < 0); };
    if (reviews.empty() || reviews.front().verdict == game::Verdict::AfterLine)
        return {};
    int value = viewer == 0 ? reviews.front().valueBefore : -reviews.front().valueBefore;
    QStringList turns{
        ReviewTexts::tr("%1 au départ", "the game's outlook before any move").arg(outlook(value))};
    for (std::size_t move = 0; move < reviews.size(); ++move) {
        const game::MoveReview& review = reviews[move];
        if (review.verdict == game::Verdict::AfterLine)
            break;
        const int after = review.player == viewer ? review.valueAfter : -review.valueAfter;
        if (sign(after) != sign(value))
            turns.append(ReviewTexts::tr("%1 au coup %2", "the game's outlook after a move")
                             .arg(outlook(after))
                             .arg(move + 1));
        value = after;
    }
    const QString side =
        computerPlayer ? ReviewTexts::tr("vous", "for you") : PlayerName(viewer, std::nullopt);
    return ReviewTexts::tr("Valeur pour %1 : %2.", "%1: a side, %2: where the value turned")
        .arg(side, turns.join(ReviewTexts::tr(", ", "between the turns of the graph")));
}

QString SummaryText(const game::GameSummary& summary, std::optional<int> computerPlayer) {
    QStringList sentences;
    for (int player : {0, 1}) {
        const QString side = capitalised(PlayerName(player, computerPlayer));
        const QString errors = ReviewTexts::tr("%n erreur(s)", "", summary.errors[player]);
        const QString blunders = ReviewTexts::tr("%n gaffe(s)", "", summary.blunders[player]);
        const int first = summary.firstMistake[player];
        sentences.append(
            first < 0
                ? ReviewTexts::tr("%1 : %2, %3.", "a side, its errors and its blunders")
                      .arg(side, errors, blunders)
                : ReviewTexts::tr("%1 : %2, %3, la première au coup %4.",
                                  "a side, its errors and its blunders, the move of the first")
                      .arg(side, errors, blunders)
                      .arg(first + 1));
    }
    if (summary.decidedAt < 0)
        sentences.append(ReviewTexts::tr("Aucune erreur : la partie n'a jamais changé de main."));
    else
        sentences.append(ReviewTexts::tr("La partie s'est jouée au coup %1.",
                                         "%1 is the number of the move that decided the game")
                             .arg(summary.decidedAt + 1));
    return sentences.join(u' ');
}

} // namespace quatrelle::analysis
