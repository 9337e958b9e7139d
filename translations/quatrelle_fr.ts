<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="fr_FR">
<context>
    <name>ReviewTexts</name>
    <message numerus="yes">
        <source>gagnant en %n coup(s)</source>
        <translation>
            <numerusform>gagnant en %n coup</numerusform>
            <numerusform>gagnant en %n coups</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>perdant en %n coup(s)</source>
        <translation>
            <numerusform>perdant en %n coup</numerusform>
            <numerusform>perdant en %n coups</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 ; gagne encore, mais en %n coup(s) ; il fallait jouer %2.</source>
        <translation>
            <numerusform>%1 ; gagne encore, mais en %n coup ; il fallait jouer %2.</numerusform>
            <numerusform>%1 ; gagne encore, mais en %n coups ; il fallait jouer %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 ; perd plus vite, en %n coup(s) ; il fallait jouer %2.</source>
        <translation>
            <numerusform>%1 ; perd plus vite, en %n coup ; il fallait jouer %2.</numerusform>
            <numerusform>%1 ; perd plus vite, en %n coups ; il fallait jouer %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n erreur(s)</source>
        <translation>
            <numerusform>%n erreur</numerusform>
            <numerusform>%n erreurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n gaffe(s)</source>
        <translation>
            <numerusform>%n gaffe</numerusform>
            <numerusform>%n gaffes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SpokenTexts</name>
    <message numerus="yes">
        <source>%n gagnée(s)</source>
        <comment>games won</comment>
        <translation>
            <numerusform>%n gagnée</numerusform>
            <numerusform>%n gagnées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n nulle(s)</source>
        <comment>games drawn</comment>
        <translation>
            <numerusform>%n nulle</numerusform>
            <numerusform>%n nulles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n perdue(s)</source>
        <comment>games lost</comment>
        <translation>
            <numerusform>%n perdue</numerusform>
            <numerusform>%n perdues</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Coup(s) repris : %1.</source>
        <comment>%1 lists the moves taken back</comment>
        <translation>
            <numerusform>Coup repris : %1.</numerusform>
            <numerusform>Coups repris : %1.</numerusform>
        </translation>
    </message>
</context>
</TS>
