// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings.h"

#include <QFileInfo>
#include <QSet>
#include <QSettings>

namespace quatrelle::resources {

namespace {

const QString OpponentKey = QStringLiteral("opponent");
const QString LevelKey = QStringLiteral("level");
const QString ScoreGroup = QStringLiteral("score");
const QString MenuOpenedKey = QStringLiteral("menuOpened");
const QString StartedKey = QStringLiteral("started");

QString scoreKey(game::Level level, const char* count) {
    return QStringLiteral("%1/level%2/%3")
        .arg(ScoreGroup)
        .arg(static_cast<int>(level))
        .arg(QLatin1String(count));
}

QString warning(const QSettings& settings, const char* problem) {
    return QStringLiteral("the settings file %1 %2; playing with the defaults")
        .arg(settings.fileName(), QString::fromLatin1(problem));
}

} // namespace

std::optional<std::optional<int>> OpponentNamed(const QString& name) {
    if (name == QLatin1String("none"))
        return std::optional<int>();
    if (name == QLatin1String("yellow") || name == QLatin1String("jaune"))
        return 0;
    if (name == QLatin1String("red") || name == QLatin1String("rouge"))
        return 1;
    return std::nullopt;
}

Choices LoadChoices(QString& problem) {
    const QSettings settings;
    if (!QFileInfo::exists(settings.fileName()))
        return {};
    if (settings.status() != QSettings::NoError) {
        problem = warning(settings, "cannot be read");
        return {};
    }
    Choices choices;
    const auto opponent =
        OpponentNamed(settings.value(OpponentKey, QStringLiteral("none")).toString());
    bool isNumber = false;
    const int level = settings.value(LevelKey, static_cast<int>(choices.level)).toInt(&isNumber);
    const bool known = settings.contains(OpponentKey) || settings.contains(LevelKey) ||
                       settings.contains(MenuOpenedKey) || settings.contains(StartedKey) ||
                       settings.childGroups().contains(ScoreGroup) ||
                       QFileInfo(settings.fileName()).size() == 0;
    if (!opponent || !isNumber || !game::IsValidLevel(level) || !known) {
        problem = warning(settings, "holds values that the game does not know");
        return {};
    }
    choices.computerPlayer = *opponent;
    choices.level = static_cast<game::Level>(level);
    return choices;
}

bool SaveChoices(const Choices& choices) {
    QSettings settings;
    const char* names[] = {"yellow", "red"};
    settings.setValue(OpponentKey, choices.computerPlayer
                                       ? QString::fromLatin1(names[*choices.computerPlayer])
                                       : QStringLiteral("none"));
    settings.setValue(LevelKey, static_cast<int>(choices.level));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool IsFirstStart() {
    return !QFileInfo::exists(QSettings().fileName());
}

void RememberFirstStart() {
    QSettings settings;
    settings.setValue(StartedKey, true);
    settings.sync();
}

bool MenuOpenedBefore() {
    return QSettings().value(MenuOpenedKey, false).toBool();
}

void RememberMenuOpened() {
    QSettings().setValue(MenuOpenedKey, true);
}

Score LoadScore(game::Level level) {
    const QSettings settings;
    const auto count = [&](const char* name) {
        const QString key = scoreKey(level, name);
        const QVariant stored = settings.value(key);
        if (!stored.isValid())
            return 0;
        bool isNumber = false;
        const int value = stored.toInt(&isNumber);
        if (isNumber && value >= 0 && value <= MaxScoreCount)
            return value;
        // Said once for each count: the score is read again at every move.
        static QSet<QString> reported;
        if (!reported.contains(key)) {
            reported.insert(key);
            qWarning("quatrelle: the score's %s is not a number from 0 to %d; it counts as 0",
                     qPrintable(key), MaxScoreCount);
        }
        return 0;
    };
    return {count("won"), count("drawn"), count("lost"), count("givenUp")};
}

bool SaveScore(game::Level level, const Score& score) {
    QSettings settings;
    settings.setValue(scoreKey(level, "won"), score.won);
    settings.setValue(scoreKey(level, "drawn"), score.drawn);
    settings.setValue(scoreKey(level, "lost"), score.lost);
    settings.setValue(scoreKey(level, "givenUp"), score.givenUp);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace quatrelle::resources
