<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Quatre en ligne pour deux joueurs qui partagent une souris, ou contre l&apos;ordinateur.</source>
        <translation>Four in a row for two players sharing one mouse, or against the computer.</translation>
    </message>
    <message>
        <source>L&apos;ordinateur joue &lt;couleur&gt; : rouge ou red (en second), jaune ou yellow (en premier), ou none pour deux joueurs.</source>
        <translation>The computer plays &lt;colour&gt;: red or rouge (second), yellow or jaune (first), or none for two players.</translation>
    </message>
    <message>
        <source>couleur</source>
        <translation>colour</translation>
    </message>
    <message>
        <source>Le niveau de l&apos;ordinateur : 1 Débutant, 2 Moyen (la première fois), 3 Fort, 4 Imbattable.</source>
        <translation>How well the computer plays: 1 Beginner, 2 Medium (the first time), 3 Strong, 4 Unbeatable.</translation>
    </message>
    <message>
        <source>niveau</source>
        <translation>level</translation>
    </message>
    <message>
        <source>rouge</source>
        <comment>a value of --computer, as the help writes it</comment>
        <translation>red</translation>
    </message>
    <message>
        <source>jaune</source>
        <comment>a value of --computer, as the help writes it</comment>
        <translation>yellow</translation>
    </message>
    <message>
        <source>Argument inattendu &apos;%1&apos;.</source>
        <comment>%1 is the argument as typed</comment>
        <translation>Unexpected argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Couleur inconnue &apos;%1&apos; pour --computer : rouge, jaune, red, yellow ou none.</source>
        <comment>%1 is the value given to --computer, as typed; the values listed stay as the program takes them</comment>
        <translation>Unknown colour &apos;%1&apos; for --computer: red, yellow, rouge, jaune or none.</translation>
    </message>
    <message>
        <source>Niveau inconnu &apos;%1&apos; pour --level : 1, 2, 3 ou 4.</source>
        <comment>%1 is the value given to --level, as typed</comment>
        <translation>Unknown level &apos;%1&apos; for --level: 1, 2, 3 or 4.</translation>
    </message>
    <message>
        <source>Affiche cette aide.</source>
        <translation>Displays this help.</translation>
    </message>
    <message>
        <source>Affiche la version du programme.</source>
        <translation>Displays the program&apos;s version.</translation>
    </message>
</context>
<context>
    <name>Credits</name>
    <message>
        <source>version test sans IA et sans reconaissance des victoires</source>
        <translation>test version without AI and without recognition of wins</translation>
    </message>
    <message>
        <source>Programmation : l&apos;équipe de développement de Korvantis - Graphismes : l&apos;atelier graphique de Korvantis - visitez le site web de Korvantis sur https://www.korvantis.example - </source>
        <translation>Programming: the Korvantis development team - Graphics: the Korvantis graphics studio - visit the Korvantis website at https://www.korvantis.example - </translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <comment>%1, %2 and %3 are the version&apos;s numbers</comment>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source> - Version beta, ne pas distribuer - %1</source>
        <comment>%1 is the build&apos;s note, kept as it is</comment>
        <translation> - Beta version, do not distribute - %1</translation>
    </message>
    <message>
        <source> - Copyright (C) %1 Korvantis, tous droits réservés</source>
        <comment>%1 is the year</comment>
        <translation> - Copyright (C) %1 Korvantis, all rights reserved</translation>
    </message>
</context>
<context>
    <name>FlatBttn</name>
    <message>
        <source>Nouveau jeu</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>A propos de</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>ReviewTexts</name>
    <message>
        <source>le nul devenait une défaite</source>
        <translation>the draw became a loss</translation>
    </message>
    <message>
        <source>le gain devenait un nul</source>
        <translation>the win became a draw</translation>
    </message>
    <message>
        <source>le gain devenait une défaite</source>
        <translation>the win became a loss</translation>
    </message>
    <message>
        <source>l&apos;ordinateur</source>
        <translation>the computer</translation>
    </message>
    <message>
        <source>vous</source>
        <translation>you</translation>
    </message>
    <message>
        <source>jaune</source>
        <comment>the yellow side</comment>
        <translation>yellow</translation>
    </message>
    <message>
        <source>rouge</source>
        <comment>the red side</comment>
        <translation>red</translation>
    </message>
    <message>
        <source>nul</source>
        <comment>the value of a drawn position</comment>
        <translation>draw</translation>
    </message>
    <message>
        <source>Coup %1, %2, colonne %3 : %4</source>
        <comment>%2 is who played, %4 what the move did</comment>
        <translation>Move %1, %2, column %3: %4</translation>
    </message>
    <message>
        <source>%1 ; %2 ; il fallait jouer %3.</source>
        <comment>an error or a blunder, what it did, the better column</comment>
        <translation>%1; %2; %3 was better.</translation>
    </message>
    <message>
        <source>erreur</source>
        <translation>error</translation>
    </message>
    <message>
        <source>gaffe</source>
        <translation>blunder</translation>
    </message>
    <message>
        <source>après la ligne, la partie était jouée.</source>
        <translation>after the line; the game was decided.</translation>
    </message>
    <message>
        <source>%1 : %2, %3.</source>
        <comment>a side, its errors and its blunders</comment>
        <translation>%1: %2, %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n erreur(s)</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errors</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n gaffe(s)</source>
        <translation>
            <numerusform>%n blunder</numerusform>
            <numerusform>%n blunders</numerusform>
        </translation>
    </message>
    <message>
        <source>Aucune erreur : la partie n&apos;a jamais changé de main.</source>
        <translation>No error: the game never changed hands.</translation>
    </message>
    <message>
        <source>%1 : %2, %3, la première au coup %4.</source>
        <comment>a side, its errors and its blunders, the move of the first</comment>
        <translation>%1: %2, %3, the first at move %4.</translation>
    </message>
    <message numerus="yes">
        <source>%n coup(s) de l&apos;ordinateur</source>
        <translation>
            <numerusform>%n computer move</numerusform>
            <numerusform>%n computer moves</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n de vos coups</source>
        <translation>
            <numerusform>%n move of yours</numerusform>
            <numerusform>%n moves of yours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n coup(s) de jaune</source>
        <translation>
            <numerusform>%n yellow move</numerusform>
            <numerusform>%n yellow moves</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n coup(s) de rouge</source>
        <translation>
            <numerusform>%n red move</numerusform>
            <numerusform>%n red moves</numerusform>
        </translation>
    </message>
    <message>
        <source>gagnant en %1</source>
        <comment>%1: so many moves of the winner</comment>
        <translation>winning in %1</translation>
    </message>
    <message>
        <source>perdant en %1</source>
        <comment>%1: so many moves of the winner</comment>
        <translation>losing in %1</translation>
    </message>
    <message>
        <source>%1 ; gagne encore, mais en %2 ; il fallait jouer %3.</source>
        <comment>%2: so many moves of the winner</comment>
        <translation>%1; still wins, but in %2; %3 was better.</translation>
    </message>
    <message>
        <source>%1 ; perd plus vite, en %2 ; il fallait jouer %3.</source>
        <comment>%2: so many moves of the winner</comment>
        <translation>%1; loses sooner, in %2; %3 was better.</translation>
    </message>
    <message>
        <source>L&apos;ordinateur gagne</source>
        <translation>The computer wins</translation>
    </message>
    <message>
        <source>Vous gagnez</source>
        <translation>You win</translation>
    </message>
    <message>
        <source>Jaune gagne</source>
        <translation>Yellow wins</translation>
    </message>
    <message>
        <source>Rouge gagne</source>
        <translation>Red wins</translation>
    </message>
    <message>
        <source>nul</source>
        <comment>the graph&apos;s middle line</comment>
        <translation>draw</translation>
    </message>
    <message>
        <source>coups</source>
        <comment>the label of the graph&apos;s move numbers</comment>
        <translation>moves</translation>
    </message>
    <message>
        <source>gagné</source>
        <comment>the game, for one side</comment>
        <translation>won</translation>
    </message>
    <message>
        <source>perdu</source>
        <comment>the game, for one side</comment>
        <translation>lost</translation>
    </message>
    <message>
        <source>nul</source>
        <comment>the game, for one side</comment>
        <translation>draw</translation>
    </message>
    <message>
        <source>%1 au départ</source>
        <comment>the game&apos;s outlook before any move</comment>
        <translation>%1 at the start</translation>
    </message>
    <message>
        <source>%1 au coup %2</source>
        <comment>the game&apos;s outlook after a move</comment>
        <translation>%1 at move %2</translation>
    </message>
    <message>
        <source>vous</source>
        <comment>for you</comment>
        <translation>you</translation>
    </message>
    <message>
        <source>Valeur pour %1 : %2.</source>
        <comment>%1: a side, %2: where the value turned</comment>
        <translation>Value for %1: %2.</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the turns of the graph</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Graphique de la valeur</source>
        <translation>Value graph</translation>
    </message>
    <message>
        <source>Graphique de la valeur, coup %1 : %2</source>
        <comment>%2: the game after the move</comment>
        <translation>Value graph, move %1: %2</translation>
    </message>
    <message>
        <source>après la ligne</source>
        <translation>after the line</translation>
    </message>
    <message>
        <source>%1 ; quatre en ligne.</source>
        <comment>%1 is the start of a move&apos;s line: its number, who played, the column and the value</comment>
        <translation>%1; four in a row.</translation>
    </message>
    <message>
        <source>%1 ; bon coup.</source>
        <comment>%1 is the start of a move&apos;s line: its number, who played, the column and the value</comment>
        <translation>%1; good move.</translation>
    </message>
    <message>
        <source>La partie s&apos;est jouée au coup %1.</source>
        <comment>%1 is the number of the move that decided the game</comment>
        <translation>The game was decided at move %1.</translation>
    </message>
</context>
<context>
    <name>SpokenTexts</name>
    <message>
        <source>jaune</source>
        <comment>a piece&apos;s colour, inside a sentence</comment>
        <translation>yellow</translation>
    </message>
    <message>
        <source>rouge</source>
        <comment>a piece&apos;s colour, inside a sentence</comment>
        <translation>red</translation>
    </message>
    <message>
        <source>vide</source>
        <comment>a cell or a column with no piece</comment>
        <translation>empty</translation>
    </message>
    <message>
        <source>match nul</source>
        <translation>a draw</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the pieces of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Colonne %1, rangée %2 : %3</source>
        <comment>%3 is a colour, or empty</comment>
        <translation>Column %1, row %2: %3</translation>
    </message>
    <message>
        <source>Colonne %1 : %2 ; pleine</source>
        <comment>%2 lists the pieces from the bottom</comment>
        <translation>Column %1: %2; full</translation>
    </message>
    <message>
        <source>Colonne %1 : %2 ; prochaine pièce en rangée %3</source>
        <comment>%2 lists the pieces from the bottom</comment>
        <translation>Column %1: %2; next piece in row %3</translation>
    </message>
    <message>
        <source>Débutant</source>
        <comment>level 1</comment>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>Moyen</source>
        <comment>level 2</comment>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Fort</source>
        <comment>level 3</comment>
        <translation>Strong</translation>
    </message>
    <message>
        <source>Imbattable</source>
        <comment>level 4</comment>
        <translation>Unbeatable</translation>
    </message>
    <message numerus="yes">
        <source>%n gagnée(s)</source>
        <comment>games won</comment>
        <translation>
            <numerusform>%n won</numerusform>
            <numerusform>%n won</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n nulle(s)</source>
        <comment>games drawn</comment>
        <translation>
            <numerusform>%n drawn</numerusform>
            <numerusform>%n drawn</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n perdue(s)</source>
        <comment>games lost</comment>
        <translation>
            <numerusform>%n lost</numerusform>
            <numerusform>%n lost</numerusform>
        </translation>
    </message>
    <message>
        <source>Au joueur 1 (jaune) de jouer</source>
        <translation>Player 1 (yellow) to play</translation>
    </message>
    <message>
        <source>Au joueur 2 (rouge) de jouer</source>
        <translation>Player 2 (red) to play</translation>
    </message>
    <message>
        <source>Contre l&apos;ordinateur (rouge), niveau %1.</source>
        <comment>%1 is the level</comment>
        <translation>Against the computer (red), level %1.</translation>
    </message>
    <message>
        <source>Contre l&apos;ordinateur (jaune), niveau %1.</source>
        <comment>%1 is the level</comment>
        <translation>Against the computer (yellow), level %1.</translation>
    </message>
    <message>
        <source>%1, rangée %2</source>
        <comment>a cell&apos;s column and row, in few words</comment>
        <translation>%1, row %2</translation>
    </message>
    <message>
        <source>Ordinateur : %1.</source>
        <comment>%1 is a cell&apos;s column and row</comment>
        <translation>Computer: %1.</translation>
    </message>
    <message>
        <source>Vous : %1.</source>
        <comment>%1 is a cell&apos;s column and row</comment>
        <translation>You: %1.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a column&apos;s number, then its pieces</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Grille vide.</source>
        <translation>Empty board.</translation>
    </message>
    <message>
        <source>Grille : %1.</source>
        <comment>%1 lists the columns that hold pieces</comment>
        <translation>Board: %1.</translation>
    </message>
    <message>
        <source> ; </source>
        <comment>between two columns</comment>
        <translation>; </translation>
    </message>
    <message>
        <source>Autres colonnes vides.</source>
        <translation>Other columns empty.</translation>
    </message>
    <message>
        <source>A vous de jouer.</source>
        <translation>Your turn.</translation>
    </message>
    <message>
        <source>A vous.</source>
        <comment>the player&apos;s turn, after a move that was just said</comment>
        <translation>Your move.</translation>
    </message>
    <message>
        <source>L&apos;ordinateur réfléchit.</source>
        <translation>The computer is thinking.</translation>
    </message>
    <message>
        <source>Pas de conseil : une ligne est faite.</source>
        <translation>No hint: there is already a line of four.</translation>
    </message>
    <message>
        <source>Pas de conseil : la grille est pleine.</source>
        <translation>No hint: the board is full.</translation>
    </message>
    <message>
        <source>Pas de conseil : l&apos;ordinateur réfléchit.</source>
        <translation>No hint: the computer is thinking.</translation>
    </message>
    <message>
        <source>Rien à reprendre.</source>
        <translation>Nothing to take back.</translation>
    </message>
    <message>
        <source>Partie terminée : Nouveau jeu pour rejouer.</source>
        <translation>The game is over: choose New game to play again.</translation>
    </message>
    <message>
        <source>Nouvelle partie à deux joueurs. %1.</source>
        <comment>%1 says whose turn it is</comment>
        <translation>New game for two players. %1.</translation>
    </message>
    <message>
        <source>Nouvelle partie. %1.</source>
        <comment>%1 says whose turn it is</comment>
        <translation>New game. %1.</translation>
    </message>
    <message>
        <source>Nouvelle partie contre l&apos;ordinateur (rouge), niveau %1.</source>
        <comment>%1 is the level</comment>
        <translation>New game against the computer (red), level %1.</translation>
    </message>
    <message>
        <source>Nouvelle partie contre l&apos;ordinateur (jaune), niveau %1.</source>
        <comment>%1 is the level</comment>
        <translation>New game against the computer (yellow), level %1.</translation>
    </message>
    <message numerus="yes">
        <source>Coup(s) repris : %1.</source>
        <comment>%1 lists the moves taken back</comment>
        <translation>
            <numerusform>Move taken back: %1.</numerusform>
            <numerusform>Moves taken back: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source> ; </source>
        <comment>between two moves</comment>
        <translation>; </translation>
    </message>
    <message>
        <source>Score remis à zéro.</source>
        <translation>Score reset to zero.</translation>
    </message>
    <message>
        <source>Grille pleine. Nouveau jeu pour rejouer.</source>
        <translation>Full board. New game to play again.</translation>
    </message>
    <message>
        <source>Conseil retiré.</source>
        <translation>Hint turned off.</translation>
    </message>
    <message>
        <source>Rien à analyser : la grille est vide.</source>
        <translation>Nothing to analyse: the board is empty.</translation>
    </message>
    <message numerus="yes">
        <source>%n abandonnée(s)</source>
        <comment>games given up</comment>
        <translation>
            <numerusform>%n given up</numerusform>
            <numerusform>%n given up</numerusform>
        </translation>
    </message>
    <message>
        <source>Partie terminée : %1.</source>
        <comment>%1 is the result</comment>
        <translation>Game over: %1.</translation>
    </message>
    <message>
        <source>Partie abandonnée, comptée au score du niveau %1.</source>
        <comment>%1 is the level&apos;s name</comment>
        <translation>Game given up, counted in the %1 score.</translation>
    </message>
    <message>
        <source>Score (%1) : %2, %3, %4, %5</source>
        <comment>%1 is the level&apos;s name; %2, %3, %4 and %5 are the games won, drawn, lost and given up, each a number with its word</comment>
        <translation>Score (%1): %2, %3, %4, %5</translation>
    </message>
    <message>
        <source>vous avez gagné en %1, rangée %2</source>
        <comment>%1 is the column&apos;s number, %2 the row&apos;s, of the winning piece</comment>
        <translation>you won at %1, row %2</translation>
    </message>
    <message>
        <source>l&apos;ordinateur a gagné en %1, rangée %2</source>
        <comment>%1 is the column&apos;s number, %2 the row&apos;s, of the winning piece</comment>
        <translation>the computer won at %1, row %2</translation>
    </message>
    <message>
        <source>Colonne %1 : vide</source>
        <comment>%1 is the column&apos;s number</comment>
        <translation>Column %1: empty</translation>
    </message>
    <message>
        <source>Conseil : colonne %1</source>
        <comment>%1 is the number of the column advised</comment>
        <translation>Hint: column %1</translation>
    </message>
    <message>
        <source>Jaune en colonne %1, rangée %2.</source>
        <comment>%1 is the column&apos;s number, %2 the row&apos;s, counted from the bottom</comment>
        <translation>Yellow in column %1, row %2.</translation>
    </message>
    <message>
        <source>Rouge en colonne %1, rangée %2.</source>
        <comment>%1 is the column&apos;s number, %2 the row&apos;s, counted from the bottom</comment>
        <translation>Red in column %1, row %2.</translation>
    </message>
    <message>
        <source>Colonne %1 pleine.</source>
        <comment>%1 is the column&apos;s number</comment>
        <translation>Column %1 full.</translation>
    </message>
    <message>
        <source>Colonne %1, rangée %2 : pas encore jouable.</source>
        <comment>%1 is the column&apos;s number, %2 the row&apos;s of the cell clicked</comment>
        <translation>Column %1, row %2: not playable yet.</translation>
    </message>
    <message>
        <source>jaune en colonne %1, rangée %2</source>
        <comment>a move taken back; %1 is its column&apos;s number, %2 its row&apos;s</comment>
        <translation>yellow in column %1, row %2</translation>
    </message>
    <message>
        <source>rouge en colonne %1, rangée %2</source>
        <comment>a move taken back; %1 is its column&apos;s number, %2 its row&apos;s</comment>
        <translation>red in column %1, row %2</translation>
    </message>
    <message>
        <source>l&apos;ordinateur en colonne %1, rangée %2</source>
        <comment>the computer&apos;s move taken back; %1 is its column&apos;s number, %2 its row&apos;s</comment>
        <translation>the computer in column %1, row %2</translation>
    </message>
    <message>
        <source>vous en colonne %1, rangée %2</source>
        <comment>the player&apos;s move taken back; %1 is its column&apos;s number, %2 its row&apos;s</comment>
        <translation>you in column %1, row %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quatrelle ne peut pas démarrer : l&apos;image %1 manque à ce programme. Veuillez le réinstaller.</source>
        <comment>%1 is the missing picture&apos;s file name</comment>
        <translation>Quatrelle cannot start: the picture %1 is missing from this program. Please reinstall it.</translation>
    </message>
</context>
<context>
    <name>quatrelle::about::frmSplash</name>
    <message>
        <source>A propos de Quatrelle</source>
        <translation>About Quatrelle</translation>
    </message>
</context>
<context>
    <name>quatrelle::analysis::AnalysisWindow</name>
    <message>
        <source>Analyse de la partie - Quatrelle</source>
        <translation>Game analysis - Quatrelle</translation>
    </message>
    <message>
        <source>Coups</source>
        <comment>the list of the moves played</comment>
        <translation>Moves</translation>
    </message>
    <message>
        <source>Analyse en cours…</source>
        <translation>Analysing…</translation>
    </message>
    <message>
        <source>La grille est vide.</source>
        <translation>The board is empty.</translation>
    </message>
    <message>
        <source>Grille vide</source>
        <translation>Empty board</translation>
    </message>
    <message>
        <source>Résumé</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>La liste s&apos;ouvre sur le coup %1, le dernier.</source>
        <comment>%1 is the last move&apos;s number</comment>
        <translation>The list opens on move %1, the last one.</translation>
    </message>
    <message>
        <source>Dernier coup de la partie.</source>
        <translation>The last move of the game.</translation>
    </message>
    <message>
        <source>Premier coup de la partie.</source>
        <translation>The first move of the game.</translation>
    </message>
    <message>
        <source>Grille après le coup %1</source>
        <comment>%1 is the move&apos;s number</comment>
        <translation>Board after move %1</translation>
    </message>
</context>
<context>
    <name>quatrelle::help::HelpWindow</name>
    <message>
        <source>Débutant : il aime le milieu et ne voit guère plus loin que son coup ;</source>
        <translation>Beginner: it likes the middle and hardly sees beyond its own move;</translation>
    </message>
    <message>
        <source>Moyen : il pare vos lignes et voit venir deux menaces à la fois ;</source>
        <translation>Medium: it blocks your lines and sees two threats at once coming;</translation>
    </message>
    <message>
        <source>Fort : il regarde six coups plus loin ;</source>
        <translation>Strong: it looks six moves ahead;</translation>
    </message>
    <message>
        <source>Imbattable : il joue parfaitement.</source>
        <translation>Unbeatable: it plays perfectly.</translation>
    </message>
    <message>
        <source>Chacun son tour, on lâche une pièce dans une colonne : elle tombe sur la plus basse case libre. Le premier qui met quatre pièces de sa couleur à la suite, en ligne, en colonne ou en diagonale, a gagné. Le joueur 1 joue jaune et commence ; le joueur 2 joue rouge.</source>
        <translation>Each in turn drops a piece into a column: it falls to the lowest free cell. The first to put four pieces of their colour in a row, across, down or diagonally, has won. Player 1 plays yellow and begins; player 2 plays red.</translation>
    </message>
    <message>
        <source>Un clic sur une flèche verte, ou sur la case où la pièce tomberait, joue dans cette colonne. Le fond de la fenêtre la déplace quand on le tire.</source>
        <translation>A click on a green arrow, or on the cell where the piece would land, plays in that column. Dragging the window&apos;s background moves the window.</translation>
    </message>
    <message>
        <source>Seul contre l&apos;ordinateur</source>
        <translation>Alone against the computer</translation>
    </message>
    <message>
        <source>Un clic droit sur la fenêtre ouvre le menu : «L&apos;ordinateur joue rouge» (il vous répond) ou «L&apos;ordinateur joue jaune» (il commence), puis «Niveau» :</source>
        <translation>A right click on the window opens the menu: “The computer plays red” (it answers you) or “The computer plays yellow” (it begins), then “Level”:</translation>
    </message>
    <message>
        <source>Son coup tombe dans sa colonne et reste marqué d&apos;un anneau blanc jusqu&apos;à votre coup suivant. La partie finit à la première ligne ou quand la grille est pleine ; la ligne reste marquée. Le menu donne le score de chaque niveau et le remet à zéro. Changer d&apos;adversaire ou de niveau pendant une partie demande d&apos;abord si vous l&apos;abandonnez.</source>
        <translation>Its piece falls into its column and keeps a white ring until your next move. The game ends at the first line of four or when the board is full; the line stays marked. The menu shows the score of each level and resets it. Changing the opponent or the level during a game first asks whether you give it up.</translation>
    </message>
    <message>
        <source>Le menu</source>
        <translation>The menu</translation>
    </message>
    <message>
        <source>Nouveau jeu, l&apos;adversaire, le niveau, le score, Conseil (un anneau montre un bon coup), Reprendre le coup, Lire la grille, Répéter, Analyser la partie, Aide, A propos de, Quitter.</source>
        <translation>New game, the opponent, the level, the score, Hint (a ring shows a good move), Take back, Read the board, Repeat, Analyse the game, Help, About, Quit.</translation>
    </message>
    <message>
        <source>L&apos;analyse de la partie</source>
        <translation>The analysis of the game</translation>
    </message>
    <message>
        <source>Les touches</source>
        <translation>The keys</translation>
    </message>
    <message>
        <source>Avec un lecteur d&apos;écran</source>
        <translation>With a screen reader</translation>
    </message>
    <message>
        <source>Chaque case et chaque colonne disent leurs pièces ; chaque coup est annoncé, avec sa colonne et sa rangée, comptée depuis le bas. La fenêtre dit à qui est le tour, et le conseil donne sa colonne.</source>
        <translation>Every cell and every column names its pieces; every move is announced with its column and its row, counted from the bottom. The window says whose turn it is, and the hint gives its column.</translation>
    </message>
    <message>
        <source>Aide - Quatrelle</source>
        <translation>Help - Quatrelle</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Contre l&apos;ordinateur, sa réponse et votre coup sont dits en une phrase, la réponse d&apos;abord : « Ordinateur : 6, rangée 1. Vous : 4, rangée 1. » Une touche pendant qu&apos;il réfléchit ne joue pas : « L&apos;ordinateur réfléchit. » La fenêtre dit l&apos;adversaire, le niveau et son dernier coup, ou, la partie finie, le résultat et le score.</source>
        <translation>Against the computer, its reply and your move are said in one sentence, the reply first: “Computer: 6, row 1. You: 4, row 1.” A key while it is thinking does not play: “The computer is thinking.” The window names the opponent, the level and its last move, or, once the game is over, the result and the score.</translation>
    </message>
    <message>
        <source>Pas d&apos;autre titre plus bas.</source>
        <translation>No further heading below.</translation>
    </message>
    <message>
        <source>Pas d&apos;autre titre plus haut.</source>
        <translation>No further heading above.</translation>
    </message>
    <message>
        <source>«Nouveau jeu» et «Quitter» abandonnent la partie en cours d&apos;un seul clic : une fois que vous et l&apos;ordinateur avez joué, elle compte au score comme abandonnée, et Nouveau jeu le dit. Une partie finie, elle, compte gagnée, nulle ou perdue.</source>
        <translation>“New game” and “Quit” give up the game in progress with a single click: once both you and the computer have moved, it counts as given up in the score, and New game says so. A finished game counts as won, drawn or lost instead.</translation>
    </message>
    <message>
        <source>%1 à %2 : jouer dans la colonne 1 à 7 (aussi sur le pavé numérique) ;</source>
        <comment>%1 and %2 are the keys 1 and 7</comment>
        <translation>%1 to %2: play in column 1 to 7 (also on the keypad);</translation>
    </message>
    <message>
        <source>%1 : aller des boutons à la grille ;</source>
        <comment>%1 is the Tab key&apos;s name</comment>
        <translation>%1: go from the buttons to the board;</translation>
    </message>
    <message>
        <source>sur la grille, %1 et %2 (les flèches gauche et droite) : colonne voisine ; %3 et %4 : première et dernière colonne ; %5, %6, %7 ou %8 : jouer dans la colonne choisie ;</source>
        <comment>%1 to %4 are the names of the keys Left, Right, Home and End; %5 to %8 those of Space, Return, Enter and Down</comment>
        <translation>on the board, %1 and %2 (the left and right arrows): the next column; %3 and %4: the first and the last column; %5, %6, %7 or %8: play in the chosen column;</translation>
    </message>
    <message>
        <source>%1 ou %2 : conseil (encore une fois pour l&apos;éteindre) ;</source>
        <comment>%1 and %2 are the hint&apos;s keys</comment>
        <translation>%1 or %2: hint (press again to turn it off);</translation>
    </message>
    <message>
        <source>%1 : reprendre le coup (contre l&apos;ordinateur, aussi sa réponse) ;</source>
        <comment>%1 is the take-back&apos;s key</comment>
        <translation>%1: take back the move (against the computer, its reply too);</translation>
    </message>
    <message>
        <source>%1 : nouveau jeu ;</source>
        <comment>%1 is the new game&apos;s key</comment>
        <translation>%1: new game;</translation>
    </message>
    <message>
        <source>%1 : lire la grille, colonne par colonne, chacune depuis le bas ;</source>
        <comment>%1 is the key that reads the board</comment>
        <translation>%1: read the board, column by column, each from the bottom;</translation>
    </message>
    <message>
        <source>%1 : répéter la dernière annonce ;</source>
        <comment>%1 is the key that repeats</comment>
        <translation>%1: repeat the last announcement;</translation>
    </message>
    <message>
        <source>%1 : analyser la partie ;</source>
        <comment>%1 is the analysis&apos;s key</comment>
        <translation>%1: analyse the game;</translation>
    </message>
    <message>
        <source>%1 ou %2 : ouvrir le menu ;</source>
        <comment>%1 and %2 are the menu&apos;s keys</comment>
        <translation>%1 or %2: open the menu;</translation>
    </message>
    <message>
        <source>%1 : cette aide ; %2 la ferme ;</source>
        <comment>%1 is the help&apos;s key, %2 the key that closes it</comment>
        <translation>%1: this help; %2 closes it;</translation>
    </message>
    <message>
        <source>%1 : quitter.</source>
        <comment>%1 is the quit key</comment>
        <translation>%1: quit.</translation>
    </message>
    <message>
        <source>Analyser la partie (%1) ouvre, à côté de la grille, la liste des coups joués. Pour chacun, la valeur de la partie avant lui pour celui qui joue (« gagnant en 7 coups », « nul », « perdant en 4 coups ») et ce que le coup en a fait : bon coup, gain plus lent, erreur (un gain devenu nul, ou un nul devenu défaite) ou gaffe (un gain devenu défaite), avec la colonne qu&apos;il fallait jouer.</source>
        <comment>%1 is the analysis&apos;s key</comment>
        <translation>Analyse the game (%1) opens the list of the moves played beside the board. For each, the value of the game before it for the side that plays it (“winning in 7 yellow moves”, “draw”, “losing in 4 computer moves”) and what the move did to it: good move, slower win, error (a win that became a draw, or a draw that became a loss) or blunder (a win that became a loss), with the column that was better.</translation>
    </message>
    <message>
        <source>Le graphique montre la valeur coup après coup, pour jaune, ou pour vous contre l&apos;ordinateur : en haut la partie est gagnée, en bas perdue, au milieu nulle ; un cercle marque une erreur, un disque une gaffe. Choisir un coup dans la liste ou sur le graphique montre la grille après lui. %1 ferme l&apos;analyse.</source>
        <comment>%1 is the name of the Escape key</comment>
        <translation>The graph shows the value move after move, for yellow, or for you against the computer: at the top the game is won, at the bottom lost, in the middle drawn; a circle marks an error, a disc a blunder. Choosing a move in the list or on the graph shows the board after it. %1 closes the analysis.</translation>
    </message>
    <message>
        <source>Les flèches lisent ligne par ligne ; %1 ou %2 va au titre suivant, %3 ou %4 au précédent.</source>
        <comment>%1 to %4 are the names of the keys that go to the next and the previous heading</comment>
        <translation>The arrows read line by line; %1 or %2 goes to the next heading, %3 or %4 to the previous one.</translation>
    </message>
</context>
<context>
    <name>quatrelle::main_window::Commands</name>
    <message>
        <source>Nouveau jeu</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>Conseil</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Reprendre le coup</source>
        <translation>Take back</translation>
    </message>
    <message>
        <source>Lire la grille</source>
        <translation>Read the board</translation>
    </message>
    <message>
        <source>Répéter</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>Analyser la partie</source>
        <translation>Analyse the game</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>A propos de</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Deux joueurs</source>
        <translation>Two players</translation>
    </message>
    <message>
        <source>L&apos;ordinateur joue rouge</source>
        <translation>The computer plays red</translation>
    </message>
    <message>
        <source>L&apos;ordinateur joue jaune</source>
        <translation>The computer plays yellow</translation>
    </message>
    <message>
        <source>Remettre le score à zéro</source>
        <translation>Reset the score</translation>
    </message>
    <message>
        <source>Niveau</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Abandonner la partie en cours ?</source>
        <translation>Give up the game in progress?</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Remettre à zéro le score du niveau %1 ?</source>
        <comment>%1 is the level&apos;s name</comment>
        <translation>Reset the score of level %1?</translation>
    </message>
</context>
<context>
    <name>quatrelle::main_window::ComputerGameView</name>
    <message>
        <source>Vous avez gagné ! - Sie haben gewonnen !</source>
        <translation>You have won!</translation>
    </message>
    <message>
        <source>L&apos;ordinateur a gagné ! - Der Computer hat gewonnen !</source>
        <translation>The computer has won!</translation>
    </message>
    <message>
        <source>Match nul ! - Unentschieden !</source>
        <translation>It&apos;s a draw!</translation>
    </message>
</context>
<context>
    <name>quatrelle::main_window::Form1</name>
    <message>
        <source>Le joueur %1 a gagné! - Der Spieler %1 hat gewonnen !</source>
        <comment>%1 is 1 or 2</comment>
        <translation>Player %1 has won!</translation>
    </message>
    <message>
        <source>Clic droit : le menu, pour jouer seul contre l&apos;ordinateur. F1 : l&apos;aide.</source>
        <translation>Right click: the menu, to play alone against the computer. F1: the help.</translation>
    </message>
</context>
<context>
    <name>quatrelle::main_window::MenuHint</name>
    <message>
        <source>Clic droit : le menu, pour jouer seul contre l&apos;ordinateur.</source>
        <translation>Right click: the menu, to play alone against the computer.</translation>
    </message>
</context>
</TS>
