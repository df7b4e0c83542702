<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ApplicationSettings</name>
    <message>
        <source>Copyright © 2026 Korvell GmbH. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommunicationHandler</name>
    <message>
        <source>Unsupported index.</source>
        <translation>Nicht unterstützter Index.</translation>
    </message>
    <message>
        <source>Setting value succeeded for (%1, %2)</source>
        <translation>Wert erfolgreich gesetzt für (%1, %2)</translation>
    </message>
    <message>
        <source>Setting value failed for (%1, %2)

%3.

Value read again.</source>
        <translation>Setzen des Werts fehlgeschlagen für (%1, %2)

%3.

Wert wurde erneut gelesen.</translation>
    </message>
</context>
</TS>
