<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="fr_FR">
<context>
    <name>ReviewTexts</name>
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
    <message numerus="yes">
        <source>%n coup(s) de l&apos;ordinateur</source>
        <translation>
            <numerusform>%n coup de l&apos;ordinateur</numerusform>
            <numerusform>%n coups de l&apos;ordinateur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n de vos coups</source>
        <translation>
            <numerusform>%n de vos coups</numerusform>
            <numerusform>%n de vos coups</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n coup(s) de jaune</source>
        <translation>
            <numerusform>%n coup de jaune</numerusform>
            <numerusform>%n coups de jaune</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n coup(s) de rouge</source>
        <translation>
            <numerusform>%n coup de rouge</numerusform>
            <numerusform>%n coups de rouge</numerusform>
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
    <message numerus="yes">
        <source>%n abandonnée(s)</source>
        <comment>games given up</comment>
        <translation>
            <numerusform>%n abandonnée</numerusform>
            <numerusform>%n abandonnées</numerusform>
        </translation>
    </message>
</context>
</TS>
