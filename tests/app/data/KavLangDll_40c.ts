<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="45020">
        <source>Record %d of %d</source>
        <translation>Enregistrement %d sur %d</translation>
    </message>
    <message id="57345">
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message id="99999">
        <source>Not a text of the program</source>
        <translation>Pas un texte du programme</translation>
    </message>
    <message id="45021">
        <source>Record x of n</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
