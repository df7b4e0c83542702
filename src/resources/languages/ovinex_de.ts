<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ApplicationSettings</name>
    <message>
        <source>Copyright © 2026 Korvell GmbH. All rights reserved.</source>
        <translation>Copyright © 2026 Korvell GmbH. Alle Rechte vorbehalten.</translation>
    </message>
</context>
<context>
    <name>CommunicationHandler</name>
    <message>
        <source>Setting value failed for (%1, %2)

%3.

Value read again.</source>
        <translation>Setzen des Werts fehlgeschlagen für (%1, %2)

%3.

Wert wurde erneut gelesen.</translation>
    </message>
    <message>
        <source>Setting value succeeded for (%1, %2)</source>
        <translation>Wert erfolgreich gesetzt für (%1, %2)</translation>
    </message>
    <message>
        <source>Unsupported index.</source>
        <translation>Nicht unterstützter Index.</translation>
    </message>
</context>
<context>
    <name>ContentDesktop</name>
    <message>
        <source>Ovinex IOLink Suite - Korvell GmbH</source>
        <translation>Ovinex IOLink Suite - Korvell GmbH</translation>
    </message>
</context>
<context>
    <name>DevicePages</name>
    <message>
        <source>Identification</source>
        <translation>Identifikation</translation>
    </message>
    <message>
        <source>No device selected.
Please select a device from the list on the left.</source>
        <translation>Kein Gerät ausgewählt.
Bitte wählen Sie links ein Gerät aus der Liste aus.</translation>
    </message>
</context>
<context>
    <name>DevicesPane</name>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
</context>
<context>
    <name>IODDEntry</name>
    <message>
        <source>undefined</source>
        <translation>undefiniert</translation>
    </message>
</context>
<context>
    <name>IOLinkDevice</name>
    <message>
        <source>IOLink not connected</source>
        <translation>IO-Link nicht verbunden</translation>
    </message>
    <message>
        <source>No device description (IODD) is known for this device.</source>
        <translation>Für dieses Gerät ist keine Gerätebeschreibung (IODD) bekannt.</translation>
    </message>
    <message>
        <source>The device description %1 could not be read.</source>
        <translation>Die Gerätebeschreibung %1 konnte nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>IqCommCommunicationHandler</name>
    <message>
        <source>IO-Link device inaccessible on %1.</source>
        <translation>IO-Link-Gerät an %1 nicht erreichbar.</translation>
    </message>
    <message>
        <source>IO-Link error on %1.

ISDU error: %2, code: %3.</source>
        <translation>IO-Link-Fehler an %1.

ISDU-Fehler: %2, Code: %3.</translation>
    </message>
    <message>
        <source>IOLink communication error</source>
        <translation>IO-Link-Kommunikationsfehler</translation>
    </message>
    <message>
        <source>IOLink device disconnected</source>
        <translation>IO-Link-Gerät getrennt</translation>
    </message>
    <message>
        <source>IOLink lost connection</source>
        <translation>IO-Link-Verbindung verloren</translation>
    </message>
    <message>
        <source>IOLink not conected</source>
        <translation>IO-Link nicht verbunden</translation>
    </message>
    <message>
        <source>IOLink not connected</source>
        <translation>IO-Link nicht verbunden</translation>
    </message>
</context>
<context>
    <name>IqCommConnectionHandler</name>
    <message>
        <source>The serial port %1 does not name a master port number.</source>
        <translation>Die serielle Schnittstelle %1 nennt keine Master-Portnummer.</translation>
    </message>
</context>
<context>
    <name>MainHeader</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Manage IODDs</source>
        <translation>IODDs verwalten</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>ProcessDataHandler</name>
    <message>
        <source>The file %1 could not be opened for writing. The process data was copied to the clipboard instead.</source>
        <translation>Die Datei %1 konnte nicht zum Schreiben geöffnet werden. Die Prozessdaten wurden stattdessen in die Zwischenablage kopiert.</translation>
    </message>
    <message>
        <source>The file %1 could not be written. The process data was copied to the clipboard instead.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden. Die Prozessdaten wurden stattdessen in die Zwischenablage kopiert.</translation>
    </message>
</context>
<context>
    <name>StatusFooter</name>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
</context>
<context>
    <name>ovinex-check</name>
    <message>
        <source>Runs IODD files through a simulated connection and prints one JSON object per file.</source>
        <translation>Prüft IODD-Dateien über eine simulierte Verbindung und gibt je Datei ein JSON-Objekt aus.</translation>
    </message>
    <message>
        <source>Simulated seconds of process data polling.</source>
        <translation>Simulierte Sekunden der Prozessdatenabfrage.</translation>
    </message>
    <message>
        <source>Language of the texts: en, de or fr.</source>
        <translation>Sprache der Texte: en, de oder fr.</translation>
    </message>
    <message>
        <source>Write the whole log to stderr.</source>
        <translation>Das vollständige Protokoll auf stderr ausgeben.</translation>
    </message>
    <message>
        <source>IODD files or folders to check.</source>
        <translation>Zu prüfende IODD-Dateien oder Ordner.</translation>
    </message>
</context>
</TS>
