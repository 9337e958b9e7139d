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

QString ValueText(int value, int moveCount) {
    if (value == 0)
        return ReviewTexts::tr("nul", "the value of a drawn position");
    const int moves = game::MovesToEnd(value, moveCount);
    return value > 0 ? ReviewTexts::tr("gagnant en %n coup(s)", "", moves)
                     : ReviewTexts::tr("perdant en %n coup(s)", "", moves);
}

QString MoveLine(int move, int column, std::optional<int> computerPlayer,
                 const std::optional<game::MoveReview>& review) {
    const QString line =
        ReviewTexts::tr("Coup %1, %2, colonne %3 : %4", "%2 is who played, %4 what the move did")
            .arg(move + 1)
            .arg(PlayerName(move % 2, computerPlayer))
            .arg(column + 1);
    if (!review)
        return line.arg(QStringLiteral("\u2026"));
    const QString before = ValueText(review->valueBefore, move);
    const int better = review->betterColumn + 1;
    switch (review->verdict) {
    case game::Verdict::Best:
        return line.arg((review->madeLine ? ReviewTexts::tr("%1 ; quatre en ligne.")
                                          : ReviewTexts::tr("%1 ; bon coup."))
                            .arg(before));
    case game::Verdict::SlowerWin:
        return line.arg(ReviewTexts::tr("%1 ; gagne encore, mais en %n coup(s) ; il fallait "
                                        "jouer %2.",
                                        "", game::MovesToEnd(review->valueAfter, move))
                            .arg(before)
                            .arg(better));
    case game::Verdict::FasterLoss:
        return line.arg(ReviewTexts::tr("%1 ; perd plus vite, en %n coup(s) ; il fallait jouer "
                                        "%2.",
                                        "", game::MovesToEnd(review->valueAfter, move))
                            .arg(before)
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
        sentences.append(
            ReviewTexts::tr("La partie s'est jouée au coup %1.").arg(summary.decidedAt + 1));
    return sentences.join(u' ');
}

} // namespace quatrelle::analysis
