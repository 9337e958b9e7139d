// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "review_texts.h"

namespace quatrelle::analysis {

namespace {

// French puts 0 and 1 in the singular.
QString counted(int count, const QString& what) {
    return QStringLiteral("%1 %2%3").arg(count).arg(what,
                                                    count > 1 ? QStringLiteral("s") : QString());
}

// "le gain", "le nul", "une défaite": what a value is, before and after a move.
QString outcomeBefore(int value) {
    return value > 0 ? QStringLiteral("le gain") : QStringLiteral("le nul");
}

QString outcomeAfter(int value) {
    return value == 0 ? QStringLiteral("un nul") : QStringLiteral("une d\u00e9faite");
}

} // namespace

QString PlayerName(int player, std::optional<int> computerPlayer) {
    if (computerPlayer)
        return player == *computerPlayer ? QStringLiteral("l'ordinateur") : QStringLiteral("vous");
    return player == 0 ? QStringLiteral("jaune") : QStringLiteral("rouge");
}

QString ValueText(int value, int moveCount) {
    if (value == 0)
        return QStringLiteral("nul");
    return (value > 0 ? QStringLiteral("gagnant en ") : QStringLiteral("perdant en ")) +
           counted(game::MovesToEnd(value, moveCount), QStringLiteral("coup"));
}

QString MoveLine(int move, int column, std::optional<int> computerPlayer,
                 const std::optional<game::MoveReview>& review) {
    const QString heading = QStringLiteral("Coup %1, %2, colonne %3 : ")
                                .arg(move + 1)
                                .arg(PlayerName(move % 2, computerPlayer))
                                .arg(column + 1);
    if (!review)
        return heading + QStringLiteral("\u2026");
    const QString before = ValueText(review->valueBefore, move);
    const QString better = QStringLiteral(" ; il fallait jouer %1.").arg(review->betterColumn + 1);
    switch (review->verdict) {
    case game::Verdict::Best:
        return heading + before +
               (review->madeLine ? QStringLiteral(" ; quatre en ligne.")
                                 : QStringLiteral(" ; bon coup."));
    case game::Verdict::SlowerWin:
        return heading + before + QStringLiteral(" ; gagne encore, mais en ") +
               counted(game::MovesToEnd(review->valueAfter, move), QStringLiteral("coup")) + better;
    case game::Verdict::FasterLoss:
        return heading + before + QStringLiteral(" ; perd plus vite, en ") +
               counted(game::MovesToEnd(review->valueAfter, move), QStringLiteral("coup")) + better;
    case game::Verdict::Error:
    case game::Verdict::Blunder:
        return heading +
               (review->verdict == game::Verdict::Error ? QStringLiteral("erreur")
                                                        : QStringLiteral("gaffe")) +
               QStringLiteral(" ; %1 devenait %2")
                   .arg(outcomeBefore(review->valueBefore), outcomeAfter(review->valueAfter)) +
               better;
    case game::Verdict::AfterLine:
        return heading + QStringLiteral("apr\u00e8s la ligne, la partie \u00e9tait jou\u00e9e.");
    }
    return heading;
}

QString SummaryText(const game::GameSummary& summary, std::optional<int> computerPlayer) {
    QString text;
    for (int player : {0, 1}) {
        QString name = PlayerName(player, computerPlayer);
        name[0] = name[0].toUpper();
        text += QStringLiteral("%1 : %2, %3. ")
                    .arg(name, counted(summary.errors[player], QStringLiteral("erreur")),
                         counted(summary.blunders[player], QStringLiteral("gaffe")));
    }
    if (summary.decidedAt < 0)
        return text + QStringLiteral("Aucune erreur : la partie n'a jamais chang\u00e9 de main.");
    return text +
           QStringLiteral("La partie s'est jou\u00e9e au coup %1.").arg(summary.decidedAt + 1);
}

} // namespace quatrelle::analysis
