<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Slovak for the texts of Qt's command-line parser that the tools' help and
     usage errors show. Written by hand and compiled with lrelease only: these
     texts are Qt's, so lupdate over the tools' sources does not know them. -->
<TS version="2.1" language="sk_SK" sourcelanguage="en">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zobrazí pomoc k voľbám príkazového riadku.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zobrazí pomoc vrátane volieb špecifických pre Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zobrazí informácie o verzii.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Použitie: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[voľby]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Voľby:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumenty:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Neznáma voľba „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Neznáme voľby: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Chýba hodnota za „%1“.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Neočakávaná hodnota za „%1“.</translation>
    </message>
</context>
</TS>
