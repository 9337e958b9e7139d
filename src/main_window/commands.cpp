// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

#include <QKeySequence>

namespace quatrelle::main_window {

namespace {

// The computer's player for each opponent entry, in the menu's order.
constexpr std::array<std::optional<int>, 3> Opponents{std::nullopt, 1, 0};

QAction& named(QAction& action, const QString& text, QList<QKeySequence> keys = {}) {
    action.setText(text);
    action.setShortcuts(keys);
    // A held key acts once: a held Ctrl+Z takes back one move, not the game.
    action.setAutoRepeat(false);
    return action;
}

} // namespace

Commands::Commands(QWidget& window)
    : QObject(&window)
    , m_window(window)
    , m_opponents(this)
    , m_levels(this) {
    named(newGame, QStringLiteral("Nouveau jeu"), {QKeySequence(Qt::CTRL | Qt::Key_N)});
    named(hint, QStringLiteral("Conseil"),
          {QKeySequence(Qt::Key_H), QKeySequence(Qt::CTRL | Qt::Key_H)});
    named(takeBack, QStringLiteral("Reprendre le coup"), {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    named(about, QStringLiteral("A propos de"));
    named(quit, QStringLiteral("Quitter"), {QKeySequence(Qt::CTRL | Qt::Key_Q)});
    named(m_openMenu, QStringLiteral("Menu"),
          {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    connect(&m_openMenu, &QAction::triggered, this, &Commands::menuAsked);
    window.addActions({&newGame, &hint, &takeBack, &quit, &m_openMenu});

    const std::array<QString, 3> opponentNames{QStringLiteral("Deux joueurs"),
                                               QStringLiteral("L'ordinateur joue rouge"),
                                               QStringLiteral("L'ordinateur joue jaune")};
    for (std::size_t i = 0; i < Opponents.size(); ++i) {
        named(m_opponent[i], opponentNames[i]).setCheckable(true);
        m_opponents.addAction(&m_opponent[i]);
        connect(&m_opponent[i], &QAction::triggered, this,
                [this, i] { Q_EMIT opponentChosen(Opponents[i]); });
    }
    const std::array<QString, 4> levelNames{QStringLiteral("D\u00e9butant"),
                                            QStringLiteral("Moyen"), QStringLiteral("Fort"),
                                            QStringLiteral("Imbattable")};
    for (std::size_t i = 0; i < levelNames.size(); ++i) {
        named(m_level[i], levelNames[i]).setCheckable(true);
        m_levels.addAction(&m_level[i]);
        connect(&m_level[i], &QAction::triggered, this,
                [this, i] { Q_EMIT levelChosen(static_cast<game::Level>(i + 1)); });
    }
}

QMenu& Commands::menu() {
    if (m_menu)
        return *m_menu;
    m_menu = new QMenu(&m_window);
    m_menu->addAction(&newGame);
    m_menu->addSeparator();
    for (QAction& opponent : m_opponent)
        m_menu->addAction(&opponent);
    QMenu* levels = m_menu->addMenu(QStringLiteral("Niveau"));
    for (QAction& level : m_level)
        levels->addAction(&level);
    m_menu->addSeparator();
    m_menu->addAction(&hint);
    m_menu->addAction(&takeBack);
    m_menu->addSeparator();
    m_menu->addAction(&about);
    m_menu->addAction(&quit);
    return *m_menu;
}

void Commands::showChoices(std::optional<int> computerPlayer, game::Level level) {
    for (std::size_t i = 0; i < Opponents.size(); ++i)
        m_opponent[i].setChecked(Opponents[i] == computerPlayer);
    m_level[static_cast<std::size_t>(level) - 1].setChecked(true);
}

void Commands::openMenu(const QPoint& at) {
    menu().exec(at);
}

} // namespace quatrelle::main_window
