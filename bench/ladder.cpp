// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The computer's levels against three stand-in players, over many games with the colours
// alternated: one that plays at random; a beginner who wins at once when it can, else stops the
// opponent's immediate win, else avoids a move that lets the opponent win on top of it, else
// plays at random; and one that plays perfectly. Prints each level's results and its slowest
// and mean decision. Usage: bench_ladder [GAMES]
#include "game/levels.h"
#include "game/opening_table.h"
#include "game/solver.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

using namespace quatrelle::game;
using Bits = Position::Bits;

namespace {

enum class StandIn { Random, Beginner, Perfect };
constexpr std::array<const char*, 3> StandInNames{"random", "beginner", "perfect"};

int randomColumn(Bits cells, std::mt19937& random) {
    std::vector<int> columns;
    for (int column = 0; column < Columns; ++column)
        if (cells & Position::ColumnCells(column))
            columns.push_back(column);
    return columns[std::uniform_int_distribution<std::size_t>(0, columns.size() - 1)(random)];
}

int standInColumn(StandIn standIn, const Position& position, Solver& solver, std::mt19937& random) {
    const Bits playable = position.Playable();
    switch (standIn) {
    case StandIn::Random:
        return randomColumn(playable, random);
    case StandIn::Beginner:
        if (const Bits wins = position.Threats() & playable)
            return randomColumn(wins, random);
        if (const Bits forced = position.OpponentThreats() & playable)
            return randomColumn(forced, random);
        if (const Bits safe = playable & ~(position.OpponentThreats() >> 1))
            return randomColumn(safe, random);
        return randomColumn(playable, random);
    case StandIn::Perfect:
        return ChooseColumn(Level::Unbeatable, position, solver, random);
    }
    return -1;
}

struct Result {
    int levelWins = 0;
    int draws = 0;
    int standInWins = 0;
    double slowestMs = 0;
    double totalMs = 0;
    long decisions = 0;
};

Result play(Level level, StandIn standIn, int games, unsigned seed) {
    std::mt19937 random(seed);
    Solver levelSolver(&OpeningTable::BuiltIn());
    Solver standInSolver(&OpeningTable::BuiltIn());
    Result result;
    for (int game = 0; game < games; ++game) {
        const bool levelOpens = game % 2 == 0;
        Position position;
        int winner = 0; // 1 the level, 2 the stand-in
        for (bool levelToMove = levelOpens; !position.IsFull(); levelToMove = !levelToMove) {
            int column;
            if (levelToMove) {
                const auto start = std::chrono::steady_clock::now();
                column = ChooseColumn(level, position, levelSolver, random);
                const double ms = std::chrono::duration<double, std::milli>(
                                      std::chrono::steady_clock::now() - start)
                                      .count();
                result.slowestMs = std::max(result.slowestMs, ms);
                result.totalMs += ms;
                ++result.decisions;
            } else {
                column = standInColumn(standIn, position, standInSolver, random);
            }
            position.Play(column);
            if (Position::IsLine(position.Current() ^ position.Mask())) {
                winner = levelToMove ? 1 : 2;
                break;
            }
        }
        (winner == 1 ? result.levelWins : winner == 2 ? result.standInWins : result.draws)++;
    }
    return result;
}

} // namespace

int main(int argc, char* argv[]) {
    const int games = argc > 1 ? std::atoi(argv[1]) : 1000;
    struct Work {
        Level level;
        StandIn standIn;
        Result result;
    };
    std::vector<Work> work;
    for (int level = 1; level <= 4; ++level)
        for (int standIn = 0; standIn < 3; ++standIn)
            work.push_back({static_cast<Level>(level), static_cast<StandIn>(standIn), {}});
    std::mutex next;
    std::size_t taken = 0;
    const auto worker = [&] {
        for (;;) {
            std::size_t index;
            {
                const std::lock_guard lock(next);
                if (taken == work.size())
                    return;
                index = taken++;
            }
            work[index].result = play(work[index].level, work[index].standIn, games,
                                      static_cast<unsigned>(20261207 + index));
        }
    };
    std::vector<std::thread> threads;
    for (unsigned i = 0; i < std::max(1u, std::thread::hardware_concurrency()); ++i)
        threads.emplace_back(worker);
    for (std::thread& thread : threads)
        thread.join();

    std::printf(
        "| level | stand-in | games | level wins | draws | stand-in wins | stand-in's share "
        "| slowest decision | mean decision |\n|---|---|---|---|---|---|---|---|---|\n");
    for (const Work& item : work) {
        const Result& r = item.result;
        std::printf("| %d | %s | %d | %d | %d | %d | %.1f %% | %.2f ms | %.3f ms |\n",
                    static_cast<int>(item.level), StandInNames[static_cast<int>(item.standIn)],
                    games, r.levelWins, r.draws, r.standInWins, 100.0 * r.standInWins / games,
                    r.slowestMs, r.decisions ? r.totalMs / static_cast<double>(r.decisions) : 0.0);
    }
}
