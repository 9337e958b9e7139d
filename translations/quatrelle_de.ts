<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Quatre en ligne pour deux joueurs qui partagent une souris, ou contre l&apos;ordinateur.</source>
        <translation>Vier in einer Reihe für zwei Spieler an einer Maus, oder gegen den Computer.</translation>
    </message>
    <message>
        <source>L&apos;ordinateur joue &lt;couleur&gt; : rouge ou red (en second), jaune ou yellow (en premier), ou none pour deux joueurs.</source>
        <translation>Der Computer spielt &lt;Farbe&gt;: rot (als Zweiter), gelb (als Erster), oder none für zwei Spieler; auch red, yellow, rouge und jaune.</translation>
    </message>
    <message>
        <source>couleur</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Le niveau de l&apos;ordinateur : 1 Débutant, 2 Moyen (la première fois), 3 Fort, 4 Imbattable.</source>
        <translation>Wie gut der Computer spielt: 1 Anfänger, 2 Mittel (beim ersten Mal), 3 Stark, 4 Unschlagbar.</translation>
    </message>
    <message>
        <source>niveau</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>rouge</source>
        <comment>a value of --computer, as the help writes it</comment>
        <translation>rot</translation>
    </message>
    <message>
        <source>jaune</source>
        <comment>a value of --computer, as the help writes it</comment>
        <translation>gelb</translation>
    </message>
    <message>
        <source>Argument inattendu &apos;%1&apos;.</source>
        <comment>%1 is the argument as typed</comment>
        <translation>Unerwartetes Argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Couleur inconnue &apos;%1&apos; pour --computer : rouge, jaune, red, yellow ou none.</source>
        <comment>%1 is the value given to --computer, as typed; the values listed stay as the program takes them</comment>
        <translation>Unbekannte Farbe &apos;%1&apos; für --computer: rot, gelb, red, yellow, rouge, jaune oder none.</translation>
    </message>
    <message>
        <source>Niveau inconnu &apos;%1&apos; pour --level : 1, 2, 3 ou 4.</source>
        <comment>%1 is the value given to --level, as typed</comment>
        <translation>Unbekannte Stufe &apos;%1&apos; für --level: 1, 2, 3 oder 4.</translation>
    </message>
    <message>
        <source>Affiche cette aide.</source>
        <translation>Zeigt diese Hilfe an.</translation>
    </message>
    <message>
        <source>Affiche la version du programme.</source>
        <translation>Zeigt die Version des Programms an.</translation>
    </message>
</context>
<context>
    <name>Credits</name>
    <message>
        <source>version test sans IA et sans reconaissance des victoires</source>
        <translation>Testversion ohne KI und ohne Erkennung der Siege</translation>
    </message>
    <message>
        <source>Programmation : l&apos;équipe de développement de Korvantis - Graphismes : l&apos;atelier graphique de Korvantis - visitez le site web de Korvantis sur https://www.korvantis.example - </source>
        <translation>Programmierung: das Entwicklungsteam von Korvantis - Grafik: das Grafikatelier von Korvantis - besuchen Sie die Website von Korvantis unter https://www.korvantis.example - </translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <comment>%1, %2 and %3 are the version&apos;s numbers</comment>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source> - Version beta, ne pas distribuer - %1</source>
        <comment>%1 is the build&apos;s note, kept as it is</comment>
        <translation> - Betaversion, nicht weitergeben - %1</translation>
    </message>
    <message>
        <source> - Copyright (C) %1 Korvantis, tous droits réservés</source>
        <comment>%1 is the year</comment>
        <translation> - Copyright (C) %1 Korvantis, alle Rechte vorbehalten</translation>
    </message>
</context>
<context>
    <name>FlatBttn</name>
    <message>
        <source>Nouveau jeu</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>A propos de</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ReviewTexts</name>
    <message>
        <source>le nul devenait une défaite</source>
        <translation>aus dem Remis wurde eine Niederlage</translation>
    </message>
    <message>
        <source>le gain devenait un nul</source>
        <translation>aus dem Sieg wurde ein Remis</translation>
    </message>
    <message>
        <source>le gain devenait une défaite</source>
        <translation>aus dem Sieg wurde eine Niederlage</translation>
    </message>
    <message>
        <source>l&apos;ordinateur</source>
        <translation>der Computer</translation>
    </message>
    <message>
        <source>vous</source>
        <translation>Sie</translation>
    </message>
    <message>
        <source>jaune</source>
        <comment>the yellow side</comment>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>rouge</source>
        <comment>the red side</comment>
        <translation>Rot</translation>
    </message>
    <message>
        <source>nul</source>
        <comment>the value of a drawn position</comment>
        <translation>remis</translation>
    </message>
    <message>
        <source>Coup %1, %2, colonne %3 : %4</source>
        <comment>%2 is who played, %4 what the move did</comment>
        <translation>Zug %1, %2, Spalte %3: %4</translation>
    </message>
    <message>
        <source>%1 ; %2 ; il fallait jouer %3.</source>
        <comment>an error or a blunder, what it did, the better column</comment>
        <translation>%1; %2; besser war %3.</translation>
    </message>
    <message>
        <source>erreur</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>gaffe</source>
        <translation>Patzer</translation>
    </message>
    <message>
        <source>après la ligne, la partie était jouée.</source>
        <translation>nach der Viererreihe; die Partie war entschieden.</translation>
    </message>
    <message>
        <source>%1 : %2, %3.</source>
        <comment>a side, its errors and its blunders</comment>
        <translation>%1: %2, %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n erreur(s)</source>
        <translation>
            <numerusform>%n Fehler</numerusform>
            <numerusform>%n Fehler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n gaffe(s)</source>
        <translation>
            <numerusform>%n Patzer</numerusform>
            <numerusform>%n Patzer</numerusform>
        </translation>
    </message>
    <message>
        <source>Aucune erreur : la partie n&apos;a jamais changé de main.</source>
        <translation>Kein Fehler: die Partie hat nie die Seite gewechselt.</translation>
    </message>
    <message>
        <source>%1 : %2, %3, la première au coup %4.</source>
        <comment>a side, its errors and its blunders, the move of the first</comment>
        <translation>%1: %2, %3, der erste im %4. Zug.</translation>
    </message>
    <message numerus="yes">
        <source>%n coup(s) de l&apos;ordinateur</source>
        <translation>
            <numerusform>%n Zug des Computers</numerusform>
            <numerusform>%n Zügen des Computers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n de vos coups</source>
        <translation>
            <numerusform>%n Zug von Ihnen</numerusform>
            <numerusform>%n Zügen von Ihnen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n coup(s) de jaune</source>
        <translation>
            <numerusform>%n Zug von Gelb</numerusform>
            <numerusform>%n Zügen von Gelb</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n coup(s) de rouge</source>
        <translation>
            <numerusform>%n Zug von Rot</numerusform>
            <numerusform>%n Zügen von Rot</numerusform>
        </translation>
    </message>
    <message>
        <source>gagnant en %1</source>
        <comment>%1: so many moves of the winner</comment>
        <translation>gewonnen in %1</translation>
    </message>
    <message>
        <source>perdant en %1</source>
        <comment>%1: so many moves of the winner</comment>
        <translation>verloren in %1</translation>
    </message>
    <message>
        <source>%1 ; gagne encore, mais en %2 ; il fallait jouer %3.</source>
        <comment>%2: so many moves of the winner</comment>
        <translation>%1; gewinnt noch, aber in %2; %3 war besser.</translation>
    </message>
    <message>
        <source>%1 ; perd plus vite, en %2 ; il fallait jouer %3.</source>
        <comment>%2: so many moves of the winner</comment>
        <translation>%1; verliert schneller, in %2; %3 war besser.</translation>
    </message>
    <message>
        <source>L&apos;ordinateur gagne</source>
        <translation>Der Computer gewinnt</translation>
    </message>
    <message>
        <source>Vous gagnez</source>
        <translation>Sie gewinnen</translation>
    </message>
    <message>
        <source>Jaune gagne</source>
        <translation>Gelb gewinnt</translation>
    </message>
    <message>
        <source>Rouge gagne</source>
        <translation>Rot gewinnt</translation>
    </message>
    <message>
        <source>nul</source>
        <comment>the graph&apos;s middle line</comment>
        <translation>remis</translation>
    </message>
    <message>
        <source>coups</source>
        <comment>the label of the graph&apos;s move numbers</comment>
        <translation>Züge</translation>
    </message>
    <message>
        <source>gagné</source>
        <comment>the game, for one side</comment>
        <translation>gewonnen</translation>
    </message>
    <message>
        <source>perdu</source>
        <comment>the game, for one side</comment>
        <translation>verloren</translation>
    </message>
    <message>
        <source>nul</source>
        <comment>the game, for one side</comment>
        <translation>remis</translation>
    </message>
    <message>
        <source>%1 au départ</source>
        <comment>the game&apos;s outlook before any move</comment>
        <translation>%1 zu Beginn</translation>
    </message>
    <message>
        <source>%1 au coup %2</source>
        <comment>the game&apos;s outlook after a move</comment>
        <translation>%1 bei Zug %2</translation>
    </message>
    <message>
        <source>vous</source>
        <comment>for you</comment>
        <translation>Sie</translation>
    </message>
    <message>
        <source>Valeur pour %1 : %2.</source>
        <comment>%1: a side, %2: where the value turned</comment>
        <translation>Wert für %1: %2.</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the turns of the graph</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Graphique de la valeur</source>
        <translation>Verlauf des Werts</translation>
    </message>
    <message>
        <source>Graphique de la valeur, coup %1 : %2</source>
        <comment>%2: the game after the move</comment>
        <translation>Verlauf des Werts, Zug %1: %2</translation>
    </message>
    <message>
        <source>après la ligne</source>
        <translation>nach der Viererreihe</translation>
    </message>
    <message>
        <source>%1 ; quatre en ligne.</source>
        <comment>%1 is the start of a move&apos;s line: its number, who played, the column and the value</comment>
        <translation>%1; vier in einer Reihe.</translation>
    </message>
    <message>
        <source>%1 ; bon coup.</source>
        <comment>%1 is the start of a move&apos;s line: its number, who played, the column and the value</comment>
        <translation>%1; guter Zug.</translation>
    </message>
    <message>
        <source>La partie s&apos;est jouée au coup %1.</source>
        <comment>%1 is the number of the move that decided the game</comment>
        <translation>Die Partie wurde in Zug %1 entschieden.</translation>
    </message>
</context>
<context>
    <name>SpokenTexts</name>
    <message>
        <source>jaune</source>
        <comment>a piece&apos;s colour, inside a sentence</comment>
        <translation>gelb</translation>
    </message>
    <message>
        <source>rouge</source>
        <comment>a piece&apos;s colour, inside a sentence</comment>
        <translation>rot</translation>
    </message>
    <message>
        <source>vide</source>
        <comment>a cell or a column with no piece</comment>
        <translation>leer</translation>
    </message>
    <message>
        <source>match nul</source>
        <translation>remis</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the pieces of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Colonne %1, rangée %2 : %3</source>
        <comment>%3 is a colour, or empty</comment>
        <translation>Spalte %1, Reihe %2: %3</translation>
    </message>
    <message>
        <source>Colonne %1 : %2 ; pleine</source>
        <comment>%2 lists the pieces from the bottom</comment>
        <translation>Spalte %1: %2; voll</translation>
    </message>
    <message>
        <source>Colonne %1 : %2 ; prochaine pièce en rangée %3</source>
        <comment>%2 lists the pieces from the bottom</comment>
        <translation>Spalte %1: %2; nächster Stein in Reihe %3</translation>
    </message>
    <message>
        <source>Débutant</source>
        <comment>level 1</comment>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Moyen</source>
        <comment>level 2</comment>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Fort</source>
        <comment>level 3</comment>
        <translation>Stark</translation>
    </message>
    <message>
        <source>Imbattable</source>
        <comment>level 4</comment>
        <translation>Unschlagbar</translation>
    </message>
    <message numerus="yes">
        <source>%n gagnée(s)</source>
        <comment>games won</comment>
        <translation>
            <numerusform>%n gewonnen</numerusform>
            <numerusform>%n gewonnen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n nulle(s)</source>
        <comment>games drawn</comment>
        <translation>
            <numerusform>%n remis</numerusform>
            <numerusform>%n remis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n perdue(s)</source>
        <comment>games lost</comment>
        <translation>
            <numerusform>%n verloren</numerusform>
            <numerusform>%n verloren</numerusform>
        </translation>
    </message>
    <message>
        <source>Au joueur 1 (jaune) de jouer</source>
        <translation>Spieler 1 (Gelb) ist am Zug</translation>
    </message>
    <message>
        <source>Au joueur 2 (rouge) de jouer</source>
        <translation>Spieler 2 (Rot) ist am Zug</translation>
    </message>
    <message>
        <source>Contre l&apos;ordinateur (rouge), niveau %1.</source>
        <comment>%1 is the level</comment>
        <translation>Gegen den Computer (Rot), Stufe %1.</translation>
    </message>
    <message>
        <source>Contre l&apos;ordinateur (jaune), niveau %1.</source>
        <comment>%1 is the level</comment>
        <translation>Gegen den Computer (Gelb), Stufe %1.</translation>
    </message>
    <message>
        <source>%1, rangée %2</source>
        <comment>a cell&apos;s column and row, in few words</comment>
        <translation>%1, Reihe %2</translation>
    </message>
    <message>
        <source>Ordinateur : %1.</source>
        <comment>%1 is a cell&apos;s column and row</comment>
        <translation>Computer: %1.</translation>
    </message>
    <message>
        <source>Vous : %1.</source>
        <comment>%1 is a cell&apos;s column and row</comment>
        <translation>Sie: %1.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a column&apos;s number, then its pieces</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Grille vide.</source>
        <translation>Leeres Spielfeld.</translation>
    </message>
    <message>
        <source>Grille : %1.</source>
        <comment>%1 lists the columns that hold pieces</comment>
        <translation>Spielfeld: %1.</translation>
    </message>
    <message>
        <source> ; </source>
        <comment>between two columns</comment>
        <translation>; </translation>
    </message>
    <message>
        <source>Autres colonnes vides.</source>
        <translation>Andere Spalten leer.</translation>
    </message>
    <message>
        <source>A vous de jouer.</source>
        <translation>Sie sind am Zug.</translation>
    </message>
    <message>
        <source>A vous.</source>
        <comment>the player&apos;s turn, after a move that was just said</comment>
        <translation>Ihr Zug.</translation>
    </message>
    <message>
        <source>L&apos;ordinateur réfléchit.</source>
        <translation>Der Computer überlegt.</translation>
    </message>
    <message>
        <source>Pas de conseil : une ligne est faite.</source>
        <translation>Kein Tipp: Es gibt schon eine Viererreihe.</translation>
    </message>
    <message>
        <source>Pas de conseil : la grille est pleine.</source>
        <translation>Kein Tipp: das Spielfeld ist voll.</translation>
    </message>
    <message>
        <source>Pas de conseil : l&apos;ordinateur réfléchit.</source>
        <translation>Kein Tipp: der Computer überlegt.</translation>
    </message>
    <message>
        <source>Rien à reprendre.</source>
        <translation>Nichts zurückzunehmen.</translation>
    </message>
    <message>
        <source>Partie terminée : Nouveau jeu pour rejouer.</source>
        <translation>Die Partie ist vorbei. Mit „Neues Spiel“ beginnt eine neue.</translation>
    </message>
    <message>
        <source>Nouvelle partie à deux joueurs. %1.</source>
        <comment>%1 says whose turn it is</comment>
        <translation>Neue Partie zu zweit. %1.</translation>
    </message>
    <message>
        <source>Nouvelle partie. %1.</source>
        <comment>%1 says whose turn it is</comment>
        <translation>Neue Partie. %1.</translation>
    </message>
    <message>
        <source>Nouvelle partie contre l&apos;ordinateur (rouge), niveau %1.</source>
        <comment>%1 is the level</comment>
        <translation>Neue Partie gegen den Computer (Rot), Stufe %1.</translation>
    </message>
    <message>
        <source>Nouvelle partie contre l&apos;ordinateur (jaune), niveau %1.</source>
        <comment>%1 is the level</comment>
        <translation>Neue Partie gegen den Computer (Gelb), Stufe %1.</translation>
    </message>
    <message numerus="yes">
        <source>Coup(s) repris : %1.</source>
        <comment>%1 lists the moves taken back</comment>
        <translation>
            <numerusform>Zug zurückgenommen: %1.</numerusform>
            <numerusform>Züge zurückgenommen: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source> ; </source>
        <comment>between two moves</comment>
        <translation>; </translation>
    </message>
    <message>
        <source>Score remis à zéro.</source>
        <translation>Bilanz auf null gesetzt.</translation>
    </message>
    <message>
        <source>Grille pleine. Nouveau jeu pour rejouer.</source>
        <translation>Das Spielfeld ist voll. Mit „Neues Spiel“ beginnt eine neue Partie.</translation>
    </message>
    <message>
        <source>Conseil retiré.</source>
        <translation>Tipp ausgeblendet.</translation>
    </message>
    <message>
        <source>Rien à analyser : la grille est vide.</source>
        <translation>Nichts zu analysieren: das Spielfeld ist leer.</translation>
    </message>
    <message numerus="yes">
        <source>%n abandonnée(s)</source>
        <comment>games given up</comment>
        <translation>
            <numerusform>%n aufgegeben</numerusform>
            <numerusform>%n aufgegeben</numerusform>
        </translation>
    </message>
    <message>
        <source>Partie terminée : %1.</source>
        <comment>%1 is the result</comment>
        <translation>Partie vorbei: %1.</translation>
    </message>
    <message>
        <source>Partie abandonnée, comptée au score du niveau %1.</source>
        <comment>%1 is the level&apos;s name</comment>
        <translation>Partie aufgegeben, in der Bilanz der Stufe %1 gezählt.</translation>
    </message>
    <message>
        <source>Score (%1) : %2, %3, %4, %5</source>
        <comment>%1 is the level&apos;s name; %2, %3, %4 and %5 are the games won, drawn, lost and given up, each a number with its word</comment>
        <translation>Bilanz (%1): %2, %3, %4, %5</translation>
    </message>
    <message>
        <source>vous avez gagné en %1, rangée %2</source>
        <comment>%1 is the column&apos;s number, %2 the row&apos;s, of the winning piece</comment>
        <translation>Sie haben in Spalte %1, Reihe %2 gewonnen</translation>
    </message>
    <message>
        <source>l&apos;ordinateur a gagné en %1, rangée %2</source>
        <comment>%1 is the column&apos;s number, %2 the row&apos;s, of the winning piece</comment>
        <translation>der Computer hat mit %1, Reihe %2 gewonnen</translation>
    </message>
    <message>
        <source>Colonne %1 : vide</source>
        <comment>%1 is the column&apos;s number</comment>
        <translation>Spalte %1: leer</translation>
    </message>
    <message>
        <source>Conseil : colonne %1</source>
        <comment>%1 is the number of the column advised</comment>
        <translation>Tipp: Spalte %1</translation>
    </message>
    <message>
        <source>Jaune en colonne %1, rangée %2.</source>
        <comment>%1 is the column&apos;s number, %2 the row&apos;s, counted from the bottom</comment>
        <translation>Gelb in Spalte %1, Reihe %2.</translation>
    </message>
    <message>
        <source>Rouge en colonne %1, rangée %2.</source>
        <comment>%1 is the column&apos;s number, %2 the row&apos;s, counted from the bottom</comment>
        <translation>Rot in Spalte %1, Reihe %2.</translation>
    </message>
    <message>
        <source>Colonne %1 pleine.</source>
        <comment>%1 is the column&apos;s number</comment>
        <translation>Spalte %1 voll.</translation>
    </message>
    <message>
        <source>Colonne %1, rangée %2 : pas encore jouable.</source>
        <comment>%1 is the column&apos;s number, %2 the row&apos;s of the cell clicked</comment>
        <translation>Spalte %1, Reihe %2: noch nicht spielbar.</translation>
    </message>
    <message>
        <source>jaune en colonne %1, rangée %2</source>
        <comment>a move taken back; %1 is its column&apos;s number, %2 its row&apos;s</comment>
        <translation>Gelb in Spalte %1, Reihe %2</translation>
    </message>
    <message>
        <source>rouge en colonne %1, rangée %2</source>
        <comment>a move taken back; %1 is its column&apos;s number, %2 its row&apos;s</comment>
        <translation>Rot in Spalte %1, Reihe %2</translation>
    </message>
    <message>
        <source>l&apos;ordinateur en colonne %1, rangée %2</source>
        <comment>the computer&apos;s move taken back; %1 is its column&apos;s number, %2 its row&apos;s</comment>
        <translation>der Computer in Spalte %1, Reihe %2</translation>
    </message>
    <message>
        <source>vous en colonne %1, rangée %2</source>
        <comment>the player&apos;s move taken back; %1 is its column&apos;s number, %2 its row&apos;s</comment>
        <translation>Sie in Spalte %1, Reihe %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quatrelle ne peut pas démarrer : l&apos;image %1 manque à ce programme. Veuillez le réinstaller.</source>
        <comment>%1 is the missing picture&apos;s file name</comment>
        <translation>Quatrelle kann nicht starten: das Bild %1 fehlt in diesem Programm. Bitte installieren Sie es neu.</translation>
    </message>
</context>
<context>
    <name>quatrelle::about::frmSplash</name>
    <message>
        <source>A propos de Quatrelle</source>
        <translation>Über Quatrelle</translation>
    </message>
</context>
<context>
    <name>quatrelle::analysis::AnalysisWindow</name>
    <message>
        <source>Analyse de la partie - Quatrelle</source>
        <translation>Analyse der Partie - Quatrelle</translation>
    </message>
    <message>
        <source>Coups</source>
        <comment>the list of the moves played</comment>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Analyse en cours…</source>
        <translation>Analyse läuft…</translation>
    </message>
    <message>
        <source>La grille est vide.</source>
        <translation>Das Spielfeld ist leer.</translation>
    </message>
    <message>
        <source>Grille vide</source>
        <translation>Leeres Spielfeld</translation>
    </message>
    <message>
        <source>Résumé</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>La liste s&apos;ouvre sur le coup %1, le dernier.</source>
        <comment>%1 is the last move&apos;s number</comment>
        <translation>Die Liste steht beim letzten Zug, Zug %1.</translation>
    </message>
    <message>
        <source>Dernier coup de la partie.</source>
        <translation>Letzter Zug der Partie.</translation>
    </message>
    <message>
        <source>Premier coup de la partie.</source>
        <translation>Erster Zug der Partie.</translation>
    </message>
    <message>
        <source>Grille après le coup %1</source>
        <comment>%1 is the move&apos;s number</comment>
        <translation>Spielfeld nach Zug %1</translation>
    </message>
</context>
<context>
    <name>quatrelle::help::HelpWindow</name>
    <message>
        <source>Débutant : il aime le milieu et ne voit guère plus loin que son coup ;</source>
        <translation>Anfänger: er mag die Mitte und sieht kaum weiter als seinen Zug;</translation>
    </message>
    <message>
        <source>Moyen : il pare vos lignes et voit venir deux menaces à la fois ;</source>
        <translation>Mittel: er verhindert Ihre Viererreihen und sieht zwei Drohungen zugleich kommen;</translation>
    </message>
    <message>
        <source>Fort : il regarde six coups plus loin ;</source>
        <translation>Stark: er schaut sechs Züge voraus;</translation>
    </message>
    <message>
        <source>Imbattable : il joue parfaitement.</source>
        <translation>Unschlagbar: er spielt perfekt.</translation>
    </message>
    <message>
        <source>Chacun son tour, on lâche une pièce dans une colonne : elle tombe sur la plus basse case libre. Le premier qui met quatre pièces de sa couleur à la suite, en ligne, en colonne ou en diagonale, a gagné. Le joueur 1 joue jaune et commence ; le joueur 2 joue rouge.</source>
        <translation>Abwechselnd lässt man einen Stein in eine Spalte fallen: er fällt auf das unterste freie Feld. Wer zuerst vier Steine seiner Farbe in eine Reihe bringt, waagerecht, senkrecht oder diagonal, hat gewonnen. Spieler 1 spielt Gelb und beginnt; Spieler 2 spielt Rot.</translation>
    </message>
    <message>
        <source>Un clic sur une flèche verte, ou sur la case où la pièce tomberait, joue dans cette colonne. Le fond de la fenêtre la déplace quand on le tire.</source>
        <translation>Ein Klick auf einen grünen Pfeil, oder auf das Feld, auf dem der Stein landen würde, spielt in dieser Spalte. Wer den Hintergrund des Fensters zieht, verschiebt das Fenster.</translation>
    </message>
    <message>
        <source>Seul contre l&apos;ordinateur</source>
        <translation>Allein gegen den Computer</translation>
    </message>
    <message>
        <source>Un clic droit sur la fenêtre ouvre le menu : «L&apos;ordinateur joue rouge» (il vous répond) ou «L&apos;ordinateur joue jaune» (il commence), puis «Niveau» :</source>
        <translation>Ein Rechtsklick auf das Fenster öffnet das Menü: „Der Computer spielt Rot“ (er antwortet Ihnen) oder „Der Computer spielt Gelb“ (er beginnt), dann „Stufe“:</translation>
    </message>
    <message>
        <source>Son coup tombe dans sa colonne et reste marqué d&apos;un anneau blanc jusqu&apos;à votre coup suivant. La partie finit à la première ligne ou quand la grille est pleine ; la ligne reste marquée. Le menu donne le score de chaque niveau et le remet à zéro. Changer d&apos;adversaire ou de niveau pendant une partie demande d&apos;abord si vous l&apos;abandonnez.</source>
        <translation>Sein Stein fällt in seine Spalte und behält einen weißen Ring bis zu Ihrem nächsten Zug. Die Partie endet bei der ersten Viererreihe oder wenn das Spielfeld voll ist; die Viererreihe bleibt markiert. Das Menü zeigt die Bilanz jeder Stufe und setzt sie zurück. Wer während einer Partie den Gegner oder die Stufe wechselt, wird zuerst gefragt, ob er sie aufgibt.</translation>
    </message>
    <message>
        <source>Le menu</source>
        <translation>Das Menü</translation>
    </message>
    <message>
        <source>Nouveau jeu, l&apos;adversaire, le niveau, le score, Conseil (un anneau montre un bon coup), Reprendre le coup, Lire la grille, Répéter, Analyser la partie, Aide, A propos de, Quitter.</source>
        <translation>Neues Spiel, der Gegner, die Stufe, die Bilanz, Tipp (ein Ring zeigt einen guten Zug), Zug zurücknehmen, Spielfeld vorlesen, Ansage wiederholen, Partie analysieren, Hilfe, Über, Beenden.</translation>
    </message>
    <message>
        <source>L&apos;analyse de la partie</source>
        <translation>Die Analyse der Partie</translation>
    </message>
    <message>
        <source>Les touches</source>
        <translation>Die Tasten</translation>
    </message>
    <message>
        <source>Avec un lecteur d&apos;écran</source>
        <translation>Mit einem Bildschirmleser</translation>
    </message>
    <message>
        <source>Chaque case et chaque colonne disent leurs pièces ; chaque coup est annoncé, avec sa colonne et sa rangée, comptée depuis le bas. La fenêtre dit à qui est le tour, et le conseil donne sa colonne.</source>
        <translation>Jedes Feld und jede Spalte nennt seine Steine; jeder Zug wird mit seiner Spalte und seiner Reihe angesagt, von unten gezählt. Das Fenster sagt, wer am Zug ist, und der Tipp nennt seine Spalte.</translation>
    </message>
    <message>
        <source>Aide - Quatrelle</source>
        <translation>Hilfe - Quatrelle</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Contre l&apos;ordinateur, sa réponse et votre coup sont dits en une phrase, la réponse d&apos;abord : « Ordinateur : 6, rangée 1. Vous : 4, rangée 1. » Une touche pendant qu&apos;il réfléchit ne joue pas : « L&apos;ordinateur réfléchit. » La fenêtre dit l&apos;adversaire, le niveau et son dernier coup, ou, la partie finie, le résultat et le score.</source>
        <translation>Gegen den Computer werden seine Antwort und Ihr Zug in einem Satz gesagt, die Antwort zuerst: „Computer: 6, Reihe 1. Sie: 4, Reihe 1.“ Eine Taste, während er überlegt, spielt nicht: „Der Computer überlegt.“ Das Fenster nennt den Gegner, die Stufe und seinen letzten Zug, oder, wenn die Partie vorbei ist, das Ergebnis und die Bilanz.</translation>
    </message>
    <message>
        <source>Pas d&apos;autre titre plus bas.</source>
        <translation>Keine weitere Überschrift darunter.</translation>
    </message>
    <message>
        <source>Pas d&apos;autre titre plus haut.</source>
        <translation>Keine weitere Überschrift darüber.</translation>
    </message>
    <message>
        <source>«Nouveau jeu» et «Quitter» abandonnent la partie en cours d&apos;un seul clic : une fois que vous et l&apos;ordinateur avez joué, elle compte au score comme abandonnée, et Nouveau jeu le dit. Une partie finie, elle, compte gagnée, nulle ou perdue.</source>
        <translation>„Neues Spiel“ und „Beenden“ geben die laufende Partie mit einem Klick auf: Sobald Sie und der Computer gezogen haben, zählt sie in der Bilanz als aufgegeben, und „Neues Spiel“ sagt es an. Eine beendete Partie zählt dagegen als gewonnen, remis oder verloren.</translation>
    </message>
    <message>
        <source>%1 à %2 : jouer dans la colonne 1 à 7 (aussi sur le pavé numérique) ;</source>
        <comment>%1 and %2 are the keys 1 and 7</comment>
        <translation>%1 bis %2: in Spalte 1 bis 7 spielen (auch auf dem Ziffernblock);</translation>
    </message>
    <message>
        <source>%1 : aller des boutons à la grille ;</source>
        <comment>%1 is the Tab key&apos;s name</comment>
        <translation>%1: von den Schaltflächen zum Spielfeld;</translation>
    </message>
    <message>
        <source>sur la grille, %1 et %2 (les flèches gauche et droite) : colonne voisine ; %3 et %4 : première et dernière colonne ; %5, %6, %7 ou %8 : jouer dans la colonne choisie ;</source>
        <comment>%1 to %4 are the names of the keys Left, Right, Home and End; %5 to %8 those of Space, Return, Enter and Down</comment>
        <translation>auf dem Spielfeld, %1 und %2 (die Pfeile nach links und rechts): die benachbarte Spalte; %3 und %4: die erste und die letzte Spalte; %5, %6, %7 oder %8: in der gewählten Spalte spielen;</translation>
    </message>
    <message>
        <source>%1 ou %2 : conseil (encore une fois pour l&apos;éteindre) ;</source>
        <comment>%1 and %2 are the hint&apos;s keys</comment>
        <translation>%1 oder %2: Tipp (noch einmal, um ihn auszublenden);</translation>
    </message>
    <message>
        <source>%1 : reprendre le coup (contre l&apos;ordinateur, aussi sa réponse) ;</source>
        <comment>%1 is the take-back&apos;s key</comment>
        <translation>%1: den Zug zurücknehmen (gegen den Computer auch seine Antwort);</translation>
    </message>
    <message>
        <source>%1 : nouveau jeu ;</source>
        <comment>%1 is the new game&apos;s key</comment>
        <translation>%1: neues Spiel;</translation>
    </message>
    <message>
        <source>%1 : lire la grille, colonne par colonne, chacune depuis le bas ;</source>
        <comment>%1 is the key that reads the board</comment>
        <translation>%1: das Spielfeld vorlesen, Spalte für Spalte, jede von unten;</translation>
    </message>
    <message>
        <source>%1 : répéter la dernière annonce ;</source>
        <comment>%1 is the key that repeats</comment>
        <translation>%1: die letzte Ansage wiederholen;</translation>
    </message>
    <message>
        <source>%1 : analyser la partie ;</source>
        <comment>%1 is the analysis&apos;s key</comment>
        <translation>%1: die Partie analysieren;</translation>
    </message>
    <message>
        <source>%1 ou %2 : ouvrir le menu ;</source>
        <comment>%1 and %2 are the menu&apos;s keys</comment>
        <translation>%1 oder %2: das Menü öffnen;</translation>
    </message>
    <message>
        <source>%1 : cette aide ; %2 la ferme ;</source>
        <comment>%1 is the help&apos;s key, %2 the key that closes it</comment>
        <translation>%1: diese Hilfe; %2 schließt sie;</translation>
    </message>
    <message>
        <source>%1 : quitter.</source>
        <comment>%1 is the quit key</comment>
        <translation>%1: beenden.</translation>
    </message>
    <message>
        <source>Analyser la partie (%1) ouvre, à côté de la grille, la liste des coups joués. Pour chacun, la valeur de la partie avant lui pour celui qui joue (« gagnant en 7 coups », « nul », « perdant en 4 coups ») et ce que le coup en a fait : bon coup, gain plus lent, erreur (un gain devenu nul, ou un nul devenu défaite) ou gaffe (un gain devenu défaite), avec la colonne qu&apos;il fallait jouer.</source>
        <comment>%1 is the analysis&apos;s key</comment>
        <translation>Partie analysieren (%1) öffnet neben dem Spielfeld die Liste der gespielten Züge. Für jeden den Wert der Partie vor ihm für die Seite, die ihn spielt („gewonnen in 7 Zügen von Gelb“, „remis“, „verloren in 4 Zügen des Computers“), und was der Zug daraus machte: guter Zug, langsamerer Sieg, Fehler (aus einem Sieg wurde ein Remis, oder aus einem Remis eine Niederlage) oder Patzer (aus einem Sieg wurde eine Niederlage), mit der Spalte, die besser war.</translation>
    </message>
    <message>
        <source>Le graphique montre la valeur coup après coup, pour jaune, ou pour vous contre l&apos;ordinateur : en haut la partie est gagnée, en bas perdue, au milieu nulle ; un cercle marque une erreur, un disque une gaffe. Choisir un coup dans la liste ou sur le graphique montre la grille après lui. %1 ferme l&apos;analyse.</source>
        <comment>%1 is the name of the Escape key</comment>
        <translation>Die Grafik zeigt den Wert Zug für Zug, für Gelb, oder gegen den Computer für Sie: oben ist die Partie gewonnen, unten verloren, in der Mitte remis; ein Kreis markiert einen Fehler, eine Scheibe einen Patzer. Wer einen Zug in der Liste oder in der Grafik wählt, sieht das Spielfeld nach ihm. %1 schließt die Analyse.</translation>
    </message>
    <message>
        <source>Les flèches lisent ligne par ligne ; %1 ou %2 va au titre suivant, %3 ou %4 au précédent.</source>
        <comment>%1 to %4 are the names of the keys that go to the next and the previous heading</comment>
        <translation>Die Pfeiltasten lesen Zeile für Zeile; %1 oder %2 springt zur nächsten Überschrift, %3 oder %4 zur vorigen.</translation>
    </message>
</context>
<context>
    <name>quatrelle::main_window::Commands</name>
    <message>
        <source>Nouveau jeu</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Conseil</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Reprendre le coup</source>
        <translation>Zug zurücknehmen</translation>
    </message>
    <message>
        <source>Lire la grille</source>
        <translation>Spielfeld vorlesen</translation>
    </message>
    <message>
        <source>Répéter</source>
        <translation>Ansage wiederholen</translation>
    </message>
    <message>
        <source>Analyser la partie</source>
        <translation>Partie analysieren</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>A propos de</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Deux joueurs</source>
        <translation>Zwei Spieler</translation>
    </message>
    <message>
        <source>L&apos;ordinateur joue rouge</source>
        <translation>Der Computer spielt Rot</translation>
    </message>
    <message>
        <source>L&apos;ordinateur joue jaune</source>
        <translation>Der Computer spielt Gelb</translation>
    </message>
    <message>
        <source>Remettre le score à zéro</source>
        <translation>Bilanz zurücksetzen</translation>
    </message>
    <message>
        <source>Niveau</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Abandonner la partie en cours ?</source>
        <translation>Die laufende Partie aufgeben?</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Remettre à zéro le score du niveau %1 ?</source>
        <comment>%1 is the level&apos;s name</comment>
        <translation>Die Bilanz der Stufe %1 zurücksetzen?</translation>
    </message>
</context>
<context>
    <name>quatrelle::main_window::ComputerGameView</name>
    <message>
        <source>Vous avez gagné ! - Sie haben gewonnen !</source>
        <translation>Sie haben gewonnen!</translation>
    </message>
    <message>
        <source>L&apos;ordinateur a gagné ! - Der Computer hat gewonnen !</source>
        <translation>Der Computer hat gewonnen!</translation>
    </message>
    <message>
        <source>Match nul ! - Unentschieden !</source>
        <translation>Remis!</translation>
    </message>
</context>
<context>
    <name>quatrelle::main_window::Form1</name>
    <message>
        <source>Le joueur %1 a gagné! - Der Spieler %1 hat gewonnen !</source>
        <comment>%1 is 1 or 2</comment>
        <translation>Spieler %1 hat gewonnen!</translation>
    </message>
    <message>
        <source>Clic droit : le menu, pour jouer seul contre l&apos;ordinateur. F1 : l&apos;aide.</source>
        <translation>Rechtsklick: das Menü, um allein gegen den Computer zu spielen. F1: die Hilfe.</translation>
    </message>
</context>
<context>
    <name>quatrelle::main_window::MenuHint</name>
    <message>
        <source>Clic droit : le menu, pour jouer seul contre l&apos;ordinateur.</source>
        <translation>Rechtsklick: das Menü, um allein gegen den Computer zu spielen.</translation>
    </message>
</context>
</TS>
