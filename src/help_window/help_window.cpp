// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_window.h"

#include "runtime/accessible_window.h"

#include <QVBoxLayout>

namespace quatrelle::help {

namespace {

// Keys are named as the keyboard's legends and Qt name them, so that a player finds them.
const char* const HelpHtml = R"(
<h2>Quatrelle</h2>
<p>Chacun son tour, on lâche une pièce dans une colonne : elle tombe sur la plus basse case
libre. Le premier qui met quatre pièces de sa couleur à la suite, en ligne, en colonne ou en
diagonale, a gagné. Le joueur 1 joue jaune et commence ; le joueur 2 joue rouge.</p>
<p>Un clic sur une flèche verte, ou sur la case où la pièce tomberait, joue dans cette colonne.
Le fond de la fenêtre la déplace quand on le tire.</p>

<h3>Seul contre l'ordinateur</h3>
<p>Un clic droit sur la fenêtre ouvre le menu : «L'ordinateur joue rouge» (il vous répond) ou
«L'ordinateur joue jaune» (il commence), puis «Niveau» :</p>
<ul>
<li>Débutant : il aime le milieu et ne voit guère plus loin que son coup ;</li>
<li>Moyen : il pare vos lignes et voit venir deux menaces à la fois ;</li>
<li>Fort : il regarde six coups plus loin ;</li>
<li>Imbattable : il joue parfaitement.</li>
</ul>
<p>Son coup tombe dans sa colonne et reste marqué d'un anneau blanc jusqu'à votre coup suivant.
La partie finit à la première ligne ou quand la grille est pleine ; la ligne reste marquée.
Le menu donne le score de chaque niveau et le remet à zéro. Changer d'adversaire ou de niveau
pendant une partie demande d'abord si vous l'abandonnez.</p>

<h3>Le menu</h3>
<p>Nouveau jeu, l'adversaire, le niveau, le score, Conseil (un anneau montre un bon coup),
Reprendre le coup, Lire la grille, Répéter, Analyser la partie, Aide, A propos de, Quitter.</p>

<h3>L'analyse de la partie</h3>
<p>Analyser la partie (A) ouvre, à côté de la grille, la liste des coups joués. Pour chacun, la
valeur de la partie avant lui pour celui qui joue (« gagnant en 7 coups », « nul », « perdant en
4 coups ») et ce que le coup en a fait : bon coup, gain plus lent, erreur (un gain devenu nul,
ou un nul devenu défaite) ou gaffe (un gain devenu défaite), avec la colonne qu'il fallait
jouer. Le graphique montre la valeur coup après coup, pour jaune, ou pour vous contre l'ordinateur :
en haut la partie est gagnée, en bas perdue, au milieu nulle ; un cercle marque une erreur, un disque une gaffe. Choisir
un coup dans la liste ou sur le graphique montre la grille après lui. Esc ferme l'analyse.</p>

<h3>Les touches</h3>
<ul>
<li>1 à 7 : jouer dans la colonne 1 à 7 (aussi sur le pavé numérique) ;</li>
<li>Tab : aller des boutons à la grille ;</li>
<li>sur la grille, Left et Right (les flèches gauche et droite) : colonne voisine ;
Home et End : première et dernière colonne ; Space, Return, Enter ou Down : jouer dans la
colonne choisie ;</li>
<li>H ou Ctrl+H : conseil (encore une fois pour l'éteindre) ;</li>
<li>Ctrl+Z : reprendre le coup (contre l'ordinateur, aussi sa réponse) ;</li>
<li>Ctrl+N : nouveau jeu ;</li>
<li>B : lire la grille, colonne par colonne, chacune depuis le bas ;</li>
<li>R : répéter la dernière annonce ;</li>
<li>A : analyser la partie ;</li>
<li>Menu ou Shift+F10 : ouvrir le menu ;</li>
<li>F1 : cette aide ; Esc la ferme ;</li>
<li>Ctrl+Q : quitter.</li>
</ul>

<h3>Avec un lecteur d'écran</h3>
<p>Chaque case et chaque colonne disent leurs pièces ; chaque coup est annoncé, avec sa colonne
et sa rangée, comptée depuis le bas. La fenêtre dit à qui est le tour, et le conseil donne sa
colonne.</p>
<p>Contre l'ordinateur, votre coup et sa réponse sont dits en une phrase : « Vous : 4, rangée 1.
Ordinateur : 6, rangée 1. » Une touche pendant qu'il réfléchit ne joue pas : « L'ordinateur
réfléchit. » La fenêtre dit l'adversaire, le niveau et son dernier coup, ou, la partie finie, le
résultat et le score.</p>
)";

} // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Aide - Quatrelle"));
    m_text.setHtml(QString::fromUtf8(HelpHtml));
    m_text.setOpenLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(&m_text);
    resize(480, 420);
    setAccessibleDescription(m_text.toPlainText());
    runtime::ExposeAsWindow(*this, QAccessible::Dialog);
}

} // namespace quatrelle::help
