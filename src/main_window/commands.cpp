// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

#include "runtime/window_placement.h"
#include "spoken_texts.h"

#include <QApplication>
#include <QKeySequence>
#include <QPushButton>
#include <QScreen>

namespace quatrelle::main_window {

namespace {

// The computer's player for each opponent entry, in the menu's order.
constexpr std::array<std::optional<int>, 3> Opponents{std::nullopt, 1, 0};

// The menu shows a shortcut after a tab in an entry's text, as it would show the shortcut
// itself; there it is also part of what a screen reader reads of the entry.
QAction& named(QAction& action, const QString& text, QList<QKeySequence> keys = {}) {
    action.setText(keys.isEmpty() ? text
                                  : text + u'\t' + keys.front().toString(QKeySequence::NativeText));
    action.setShortcuts(keys);
    // A held key acts once: a held Ctrl+Z takes back one move, not the game.
    action.setAutoRepeat(false);
    return action;
}

} // namespace

Commands::Commands(QWidget& window, match::Match& match)
    : QObject(&window)
    , m_window(window)
    , m_match(match)
    , m_opponents(this)
    , m_levels(this) {
    named(newGame, tr("Nouveau jeu"), {QKeySequence(Qt::CTRL | Qt::Key_N)});
    named(hint, tr("Conseil"), {QKeySequence(Qt::Key_H), QKeySequence(Qt::CTRL | Qt::Key_H)});
    named(takeBack, tr("Reprendre le coup"), {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    named(readBoard, tr("Lire la grille"), {QKeySequence(Qt::Key_B)});
    named(repeat, tr("Répéter"), {QKeySequence(Qt::Key_R)});
    named(analyse, tr("Analyser la partie"), {QKeySequence(Qt::Key_A)});
    named(help, tr("Aide"), {QKeySequence(Qt::Key_F1)});
    named(about, tr("A propos de"));
    named(quit, tr("Quitter"), {QKeySequence(Qt::CTRL | Qt::Key_Q)});
    named(m_openMenu, tr("Menu"),
          {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    connect(&hint, &QAction::triggered, this, [this] {
        const bool shown = m_match.hint().has_value();
        m_match.askHint(); // which puts a hint being shown out
        if (shown)
            Q_EMIT hintPutOut();
    });
    connect(&takeBack, &QAction::triggered, &match, &match::Match::takeBack);
    connect(&m_openMenu, &QAction::triggered, this, [this] {
        const QWidget* at = m_window.focusWidget() ? m_window.focusWidget() : &m_window;
        openMenu(at->mapToGlobal(at->rect().center()), true);
    });
    // A game can be analysed once it has a move.
    const auto enableAnalysis = [this] { analyse.setEnabled(m_match.game().MoveCount() > 0); };
    connect(&match, &match::Match::dropped, this, enableAnalysis);
    connect(&match, &match::Match::takenBack, this, enableAnalysis);
    connect(&match, &match::Match::newGameStarted, this, enableAnalysis);
    enableAnalysis();
    window.addActions(
        {&newGame, &hint, &takeBack, &readBoard, &repeat, &analyse, &help, &quit, &m_openMenu});

    const std::array<QString, 3> opponentNames{tr("Deux joueurs"), tr("L'ordinateur joue rouge"),
                                               tr("L'ordinateur joue jaune")};
    for (std::size_t i = 0; i < Opponents.size(); ++i) {
        named(m_opponent[i], opponentNames[i]).setCheckable(true);
        m_opponents.addAction(&m_opponent[i]);
        connect(&m_opponent[i], &QAction::triggered, this,
                [this, i] { choose(Opponents[i], m_match.level()); });
    }
    for (std::size_t i = 0; i < m_level.size(); ++i) {
        const auto level = static_cast<game::Level>(i + 1);
        named(m_level[i], LevelName(level)).setCheckable(true);
        m_levels.addAction(&m_level[i]);
        connect(&m_level[i], &QAction::triggered, this,
                [this, level] { choose(m_match.computerPlayer(), level); });
    }
    m_score.setEnabled(false);
    connect(&m_match.scores(), &match::ScoreBook::changed, this, &Commands::showChoices);
    named(m_resetScore, tr("Remettre le score à zéro"));
    connect(&m_resetScore, &QAction::triggered, this, [this] {
        if (!confirmed(tr("Remettre à zéro le score du niveau %1 ?", "%1 is the level's name")
                           .arg(LevelName(m_match.level()))))
            return;
        m_match.scores().reset(m_match.level());
        showChoices();
        Q_EMIT scoreReset();
    });
    showChoices();
}

QMenu& Commands::menu() {
    if (m_menu)
        return *m_menu;
    m_menu = new QMenu(&m_window);
    m_menu->addAction(&newGame);
    m_menu->addSeparator();
    for (QAction& opponent : m_opponent)
        m_menu->addAction(&opponent);
    m_levelMenu = m_menu->addMenu(tr("Niveau"));
    for (QAction& level : m_level)
        m_levelMenu->addAction(&level);
    m_menu->addAction(&m_score);
    m_menu->addAction(&m_resetScore);
    m_menu->addSeparator();
    m_menu->addAction(&hint);
    m_menu->addAction(&takeBack);
    m_menu->addAction(&readBoard);
    m_menu->addAction(&repeat);
    m_menu->addAction(&analyse);
    m_menu->addSeparator();
    m_menu->addAction(&help);
    m_menu->addAction(&about);
    m_menu->addAction(&quit);
    return *m_menu;
}

// Each choice that changes the opponent or the level starts a new game, once the player has
// agreed to give up the game under way.
void Commands::choose(std::optional<int> computerPlayer, game::Level level) {
    const bool changes = computerPlayer != m_match.computerPlayer() || level != m_match.level();
    if (changes && gameUnderWay() && !confirmed(tr("Abandonner la partie en cours ?"))) {
        showChoices();
        return;
    }
    const bool kept = m_match.choose({computerPlayer, level});
    showChoices();
    if (!kept)
        qWarning("quatrelle: the settings cannot be written; the choice holds for this game");
}

bool Commands::gameUnderWay() const {
    const int computerOpening = m_match.computerPlayer() == 0 ? 1 : 0;
    return !m_match.outcome() && m_match.game().MoveCount() > computerOpening;
}

bool Commands::confirmed(const QString& question) {
    runtime::CentredMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(),
                                   question, QMessageBox::NoButton, &m_window);
    QPushButton* yes = box.addButton(tr("Oui"), QMessageBox::YesRole);
    box.setDefaultButton(box.addButton(tr("Non"), QMessageBox::NoRole));
    m_match.hold();
    box.exec();
    m_match.resume();
    return box.clickedButton() == yes;
}

void Commands::showChoices() {
    for (std::size_t i = 0; i < Opponents.size(); ++i)
        m_opponent[i].setChecked(Opponents[i] == m_match.computerPlayer());
    for (std::size_t i = 0; i < m_level.size(); ++i)
        m_level[i].setChecked(static_cast<game::Level>(i + 1) == m_match.level());
    const bool computer = m_match.computerPlayer().has_value();
    if (m_levelMenu) {
        // The level being played shows where a shortcut would, and is read with the entry.
        m_levelMenu->menuAction()->setText(
            tr("Niveau") + (computer ? u'\t' + LevelName(m_match.level()) : QString()));
        m_levelMenu->menuAction()->setEnabled(computer);
    }
    m_score.setText(ScoreText(m_match));
    m_score.setVisible(computer);
    m_resetScore.setVisible(computer);
}

void Commands::openMenu(const QPoint& at, bool byKeyboard) {
    QMenu& shown = menu();
    Q_EMIT menuOpening();
    showChoices(); // the level's entry, and the score, which games since have moved
    if (byKeyboard)
        connect(
            &shown, &QMenu::aboutToShow, &shown,
            [&shown] { shown.setActiveAction(shown.actions().front()); }, Qt::SingleShotConnection);
    shown.exec(at);
}

} // namespace quatrelle::main_window
