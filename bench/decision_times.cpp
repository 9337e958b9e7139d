// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
// How long the unbeatable computer takes to choose its moves: every decision of 1,000 games
// against a player who drops at random (the computer playing each colour in turn) and of 100
// games against a perfect player who picks at random among its best moves, with one solver for
// the whole session as the game keeps one; how long the review of a whole game takes, with a
// solver of its own as the analysis window has; then the empty board solved without the opening
// table. Prints the figures; run by run.sh.
#include "game/analysis.h"
#include "game/levels.h"
#include "game/opening_table.h"
#include "game/solver.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

using namespace quatrelle::game;
using Clock = std::chrono::steady_clock;

namespace {

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Worst {
    double ms = 0;
    std::string moves;
};

enum class Opponent { Random, Perfect };

// Plays one game; the computer plays the given player (0 or 1). Each decision's time goes into
// `times`.
void PlayGame(Solver& solver, std::mt19937& random, int computer, Opponent opponent,
              std::vector<double>& times, Worst& worst) {
    Position position;
    std::string moves;
    while (!position.HasLine() && position.MoveCount() < CellCount) {
        int column = 0;
        if (computer == position.MoveCount() % 2) {
            const auto start = Clock::now();
            column = ChooseColumn(Level::Unbeatable, position, solver, random);
            const double ms = MillisecondsSince(start);
            times.push_back(ms);
            if (ms > worst.ms)
                worst = {ms, moves};
        } else if (opponent == Opponent::Perfect) {
            const std::vector<int> best = solver.BestColumns(position);
            column = best[random() % best.size()];
        } else {
            do
                column = static_cast<int>(random() % Columns);
            while (!position.CanPlay(column));
        }
        position.Play(column);
        moves += static_cast<char>('1' + column);
    }
}

void Report(const char* what, std::vector<double> times, const Worst& worst) {
    std::sort(times.begin(), times.end());
    const auto at = [&times](double share) {
        return times[std::min(times.size() - 1, static_cast<std::size_t>(share * times.size()))];
    };
    std::printf("%s: %zu decisions, median %.3f ms, 99th percentile %.2f ms, worst %.2f ms "
                "(after %s), worst against the 50 ms budget %.2f\n",
                what, times.size(), at(0.5), at(0.99), worst.ms,
                worst.moves.empty() ? "no move" : worst.moves.c_str(), worst.ms / 50);
}

} // namespace

int main(int argc, char* argv[]) {
    const int games = argc > 1 ? std::atoi(argv[1]) : 1000;
    std::mt19937 random(std::random_device{}());
    Solver solver(&OpeningTable::BuiltIn());

    std::vector<double> times;
    Worst worst;
    for (int game = 0; game < games; ++game)
        PlayGame(solver, random, game % 2, Opponent::Random, times, worst);
    Report("against a random player", times, worst);

    times.clear();
    worst = {};
    for (int game = 0; game < games / 10; ++game)
        PlayGame(solver, random, game % 2, Opponent::Perfect, times, worst);
    Report("against a perfect player", times, worst);

    // Games of 35 moves, each a best move or, one time in three, any move, played on after a
    // line as two players may: each reviewed whole with a fresh solver.
    times.clear();
    worst = {};
    for (int game = 0; game < games / 10; ++game) {
        Solver chooser(&OpeningTable::BuiltIn());
        Position position;
        std::vector<int> columns;
        std::string moves;
        while (!position.IsFull()) {
            int column = 0;
            if (position.HasLine() || random() % 3 == 0) {
                do
                    column = static_cast<int>(random() % Columns);
                while (!position.CanPlay(column));
            } else {
                const std::vector<int> best = chooser.BestColumns(position);
                column = best[random() % best.size()];
            }
            position.Play(column);
            columns.push_back(column);
            moves += static_cast<char>('1' + column);
        }
        Solver reviewer(&OpeningTable::BuiltIn());
        const auto start = Clock::now();
        for (int move = 0; move < CellCount; ++move)
            ReviewMove(reviewer, columns, move);
        const double ms = MillisecondsSince(start);
        times.push_back(ms);
        if (ms > worst.ms)
            worst = {ms, moves};
    }
    std::sort(times.begin(), times.end());
    std::printf("review of a whole game: %zu games, median %.1f ms, worst %.1f ms (%s), worst "
                "against the 2 s budget %.3f\n",
                times.size(), times[times.size() / 2], worst.ms, worst.moves.c_str(),
                worst.ms / 2000);

    Solver plain;
    const auto start = Clock::now();
    const int score = plain.Solve(Position{});
    std::printf("empty board without the table: score %d, %.2f s, %llu positions searched\n", score,
                MillisecondsSince(start) / 1000,
                static_cast<unsigned long long>(plain.NodeCount()));
    return 0;
}
