// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_window.h"

#include "runtime/accessible_window.h"
#include "runtime/announcer.h"
#include "runtime/window_placement.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QTextBlock>
#include <QVBoxLayout>

namespace quatrelle::help {

namespace {

constexpr QSize WantedSize(480, 420);

// A key as the menu shows it beside an entry, in the player's language: "Ctrl+Z", "Strg+Z".
QString key(QKeyCombination keys) {
    return QKeySequence(keys).toString(QKeySequence::NativeText).toHtmlEscaped();
}

} // namespace

// Each paragraph is a text of its own for the translators, and names its keys as the keyboard's
// legends and the menu name them, so that a player finds them.
QString HelpWindow::helpHtml() {
    const auto bulleted = [](const QStringList& lines) {
        QString list = QStringLiteral("<ul>\n");
        for (const QString& line : lines)
            list += QStringLiteral("<li>%1</li>\n").arg(line);
        return list + QStringLiteral("</ul>\n");
    };
    const QString keys = bulleted(
        {tr("%1 à %2 : jouer dans la colonne 1 à 7 (aussi sur le pavé numérique) ;",
            "%1 and %2 are the keys 1 and 7")
             .arg(key(Qt::Key_1), key(Qt::Key_7)),
         tr("%1 : aller des boutons à la grille ;", "%1 is the Tab key's name")
             .arg(key(Qt::Key_Tab)),
         tr("sur la grille, %1 et %2 (les flèches gauche et droite) : colonne voisine ; %3 et "
            "%4 : première et dernière colonne ; %5, %6, %7 ou %8 : jouer dans la colonne "
            "choisie ;",
            "%1 to %4 are the names of the keys Left, Right, Home and End; %5 to %8 those of "
            "Space, Return, Enter and Down")
             .arg(key(Qt::Key_Left), key(Qt::Key_Right), key(Qt::Key_Home), key(Qt::Key_End),
                  key(Qt::Key_Space), key(Qt::Key_Return), key(Qt::Key_Enter), key(Qt::Key_Down)),
         tr("%1 ou %2 : conseil (encore une fois pour l'éteindre) ;",
            "%1 and %2 are the hint's keys")
             .arg(key(Qt::Key_H), key(Qt::CTRL | Qt::Key_H)),
         tr("%1 : reprendre le coup (contre l'ordinateur, aussi sa réponse) ;",
            "%1 is the take-back's key")
             .arg(key(Qt::CTRL | Qt::Key_Z)),
         tr("%1 : nouveau jeu ;", "%1 is the new game's key").arg(key(Qt::CTRL | Qt::Key_N)),
         tr("%1 : lire la grille, colonne par colonne, chacune depuis le bas ;",
            "%1 is the key that reads the board")
             .arg(key(Qt::Key_B)),
         tr("%1 : répéter la dernière annonce ;", "%1 is the key that repeats").arg(key(Qt::Key_R)),
         tr("%1 : analyser la partie ;", "%1 is the analysis's key").arg(key(Qt::Key_A)),
         tr("%1 ou %2 : ouvrir le menu ;", "%1 and %2 are the menu's keys")
             .arg(key(Qt::Key_Menu), key(Qt::SHIFT | Qt::Key_F10)),
         tr("%1 : cette aide ; %2 la ferme ;", "%1 is the help's key, %2 the key that closes it")
             .arg(key(Qt::Key_F1), key(Qt::Key_Escape)),
         tr("%1 : quitter.", "%1 is the quit key").arg(key(Qt::CTRL | Qt::Key_Q))});
    const QString levels = bulleted({
        tr("Débutant : il aime le milieu et ne voit guère plus loin que son coup ;"),
        tr("Moyen : il pare vos lignes et voit venir deux menaces à la fois ;"),
        tr("Fort : il regarde six coups plus loin ;"),
        tr("Imbattable : il joue parfaitement."),
    });

    const QString heading = QStringLiteral("<h3>%1</h3>\n");
    const QString paragraph = QStringLiteral("<p>%1</p>\n");
    return QStringLiteral("<h2>Quatrelle</h2>\n") +
           paragraph.arg(tr(
               "Chacun son tour, on lâche une pièce dans une colonne : elle tombe sur la plus "
               "basse case libre. Le premier qui met quatre pièces de sa couleur à la suite, en "
               "ligne, en colonne ou en diagonale, a gagné. Le joueur 1 joue jaune et commence ; "
               "le joueur 2 joue rouge.")) +
           paragraph.arg(tr("Un clic sur une flèche verte, ou sur la case où la pièce tomberait, "
                            "joue dans cette colonne. Le fond de la fenêtre la déplace quand on "
                            "le tire.")) +
           heading.arg(tr("Seul contre l'ordinateur")) +
           paragraph.arg(tr("Un clic droit sur la fenêtre ouvre le menu : «L'ordinateur joue "
                            "rouge» (il vous répond) ou «L'ordinateur joue jaune» (il commence), "
                            "puis «Niveau» :")) +
           levels +
           paragraph.arg(tr(
               "Son coup tombe dans sa colonne et reste marqué d'un anneau blanc jusqu'à votre "
               "coup suivant. La partie finit à la première ligne ou quand la grille est pleine ; "
               "la ligne reste marquée. Le menu donne le score de chaque niveau et le remet à "
               "zéro. Changer d'adversaire ou de niveau pendant une partie demande d'abord si vous "
               "l'abandonnez.")) +
           paragraph.arg(tr("«Nouveau jeu» et «Quitter» abandonnent la partie en cours d'un seul "
                            "clic : une fois que vous et l'ordinateur avez joué, elle compte au "
                            "score comme abandonnée, et Nouveau jeu le dit. Une partie finie, "
                            "elle, compte gagnée, nulle ou perdue.")) +
           heading.arg(tr("Le menu")) +
           paragraph.arg(tr("Nouveau jeu, l'adversaire, le niveau, le score, Conseil (un anneau "
                            "montre un bon coup), Reprendre le coup, Lire la grille, Répéter, "
                            "Analyser la partie, Aide, A propos de, Quitter.")) +
           heading.arg(tr("L'analyse de la partie")) +
           // Two texts, the list and the graph, so that no line of a translation file grows
           // past what Debian's checks take for a generated file.
           paragraph.arg(
               tr("Analyser la partie (%1) ouvre, à côté de la grille, la liste des coups joués. "
                  "Pour chacun, la valeur de la partie avant lui pour celui qui joue (« gagnant "
                  "en 7 coups », « nul », « perdant en 4 coups ») et ce que le coup en a fait : "
                  "bon coup, gain plus lent, erreur (un gain devenu nul, ou un nul devenu "
                  "défaite) ou gaffe (un gain devenu défaite), avec la colonne qu'il fallait "
                  "jouer.",
                  "%1 is the analysis's key")
                   .arg(key(Qt::Key_A)) +
               u' ' +
               tr("Le graphique montre la valeur coup après coup, pour jaune, ou pour vous "
                  "contre l'ordinateur : en haut la partie est gagnée, en bas perdue, au milieu "
                  "nulle ; un cercle marque une erreur, un disque une gaffe. Choisir un coup dans "
                  "la liste ou sur le graphique montre la grille après lui. %1 ferme l'analyse.",
                  "%1 is the name of the Escape key")
                   .arg(key(Qt::Key_Escape))) +
           heading.arg(tr("Les touches")) + keys + heading.arg(tr("Avec un lecteur d'écran")) +
           paragraph.arg(tr("Chaque case et chaque colonne disent leurs pièces ; chaque coup est "
                            "annoncé, avec sa colonne et sa rangée, comptée depuis le bas. La "
                            "fenêtre dit à qui est le tour, et le conseil donne sa colonne.")) +
           paragraph.arg(tr(
               "Contre l'ordinateur, sa réponse et votre coup sont dits en une phrase, la réponse "
               "d'abord : « Ordinateur : 6, rangée 1. Vous : 4, rangée 1. » Une touche pendant "
               "qu'il réfléchit ne joue pas : « L'ordinateur réfléchit. » La fenêtre dit "
               "l'adversaire, le niveau et son dernier coup, ou, la partie finie, le résultat et "
               "le score."));
}

HelpWindow::HelpWindow(QWidget* parent)
    : QDialog(parent)
    , m_announcer(&runtime::Announcer::in(*this)) {
    setWindowTitle(tr("Aide - Quatrelle"));
    m_text.setHtml(helpHtml());
    // A read-only text with a caret that the arrows move, line by line, for a screen reader to
    // read where it goes; a text browser would be presented as a label, read whole or not at all.
    m_text.setReadOnly(true);
    m_text.setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_text.setAccessibleName(tr("Aide"));
    m_text.setAccessibleDescription(
        tr("Les flèches lisent ligne par ligne ; %1 ou %2 va au titre suivant, %3 ou %4 au "
           "précédent.",
           "%1 to %4 are the names of the keys that go to the next and the previous heading")
            .arg(key(Qt::CTRL | Qt::Key_Down), key(Qt::Key_H), key(Qt::CTRL | Qt::Key_Up),
                 key(Qt::SHIFT | Qt::Key_H)));
    m_text.installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(&m_text);
    resize(WantedSize);
    // A window beside the game rather than a dialog that waits for an answer; a screen reader
    // also says a dialog's name before every news in it, here before every heading reached.
    runtime::ExposeAsWindow(*this);
}

void HelpWindow::placeBeside(const QRect& kept, const QWidget* sibling) {
    setGeometry(runtime::GeometryBeside(*this, *parentWidget(), kept, WantedSize, sibling));
}

// Before the text, which would take Ctrl+Down to scroll.
bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_text && event->type() == QEvent::KeyPress &&
        goesToHeading(*static_cast<QKeyEvent*>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

bool HelpWindow::goesToHeading(const QKeyEvent& key) {
    // H as in a screen reader's browse mode, which a screen reader may keep for itself;
    // Ctrl+Down and Ctrl+Up reach the help whatever reads it.
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (key.key() == Qt::Key_H && (modifiers & ~Qt::ShiftModifier) == Qt::NoModifier)
        goToHeading(!(modifiers & Qt::ShiftModifier));
    else if ((key.key() == Qt::Key_Down || key.key() == Qt::Key_Up) &&
             modifiers == Qt::ControlModifier)
        goToHeading(key.key() == Qt::Key_Down);
    else
        return false;
    return true;
}

// A screen reader speaks a caret that the arrows moved, not one that a jump moved: the
// heading reached is said, and so is the lack of one.
void HelpWindow::goToHeading(bool forward) {
    const QTextBlock here = m_text.textCursor().block();
    for (QTextBlock block = forward ? here.next() : here.previous(); block.isValid();
         block = forward ? block.next() : block.previous()) {
        if (block.blockFormat().headingLevel() > 0) {
            m_text.setTextCursor(QTextCursor(block));
            m_text.ensureCursorVisible();
            m_announcer->announce(block.text());
            return;
        }
    }
    m_announcer->announce(forward ? tr("Pas d'autre titre plus bas.")
                                  : tr("Pas d'autre titre plus haut."));
}

} // namespace quatrelle::help
