<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
  <context>
    <name>AboutDialog</name>
    <message>
      <source>About</source>
      <translation>Über</translation>
    </message>
    <message>
      <source>Unknown</source>
      <translation>Unbekannt</translation>
    </message>
    <message>
      <source>Version</source>
      <translation>Version</translation>
    </message>
  </context>
  <context>
    <name>ApplicationSettings</name>
    <message>
      <source>Copyright © 2026 Korvell GmbH. All rights reserved.</source>
      <translation>Copyright © 2026 Korvell GmbH. Alle Rechte vorbehalten.</translation>
    </message>
  </context>
  <context>
    <name>ChartSettingsDialog</name>
    <message>
      <source>Chart Settings</source>
      <translation>Diagrammeinstellungen</translation>
    </message>
    <message>
      <source>Max</source>
      <translation>Max</translation>
    </message>
    <message>
      <source>Min</source>
      <translation>Min</translation>
    </message>
    <message>
      <source>X axis limits [s]. Applies to all charts.</source>
      <translation>Grenzen der X-Achse [s]. Gilt für alle Diagramme.</translation>
    </message>
    <message>
      <source>Y axis limits</source>
      <translation>Grenzen der Y-Achse</translation>
    </message>
  </context>
  <context>
    <name>CommandConfirmDialog</name>
    <message>
      <source>Cancel</source>
      <translation>Abbrechen</translation>
    </message>
    <message>
      <source>Run</source>
      <translation>Ausführen</translation>
    </message>
    <message>
      <source>Run command?</source>
      <translation>Befehl ausführen?</translation>
    </message>
    <message>
      <source>Send the command "%1" to %2?</source>
      <translation>Den Befehl „%1“ an %2 senden?</translation>
    </message>
    <message>
      <source>Send the command "%1" to the device?</source>
      <translation>Den Befehl „%1“ an das Gerät senden?</translation>
    </message>
  </context>
  <context>
    <name>CommunicationDialog</name>
    <message>
      <source>CSV files (*.csv)</source>
      <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
      <source>Command</source>
      <translation>Befehl</translation>
    </message>
    <message>
      <source>Communication</source>
      <translation>Kommunikation</translation>
    </message>
    <message>
      <source>Communication log saved to %1.</source>
      <translation>Kommunikationsprotokoll gespeichert in %1.</translation>
    </message>
    <message>
      <source>Hide polling (repeated reads)</source>
      <translation>Abfragen ausblenden (wiederholtes Lesen)</translation>
    </message>
    <message>
      <source>Index</source>
      <translation>Index</translation>
    </message>
    <message>
      <source>Length</source>
      <translation>Länge</translation>
    </message>
    <message>
      <source>Message</source>
      <translation>Nachricht</translation>
    </message>
    <message>
      <source>No communication recorded.</source>
      <translation>Keine Kommunikation aufgezeichnet.</translation>
    </message>
    <message>
      <source>Origin</source>
      <translation>Herkunft</translation>
    </message>
    <message>
      <source>Read</source>
      <translation>Lesen</translation>
    </message>
    <message>
      <source>Received</source>
      <translation>Empfangen</translation>
    </message>
    <message>
      <source>Save as CSV</source>
      <translation>Als CSV speichern</translation>
    </message>
    <message>
      <source>Save the communication log</source>
      <translation>Kommunikationsprotokoll speichern</translation>
    </message>
    <message>
      <source>Sent</source>
      <translation>Gesendet</translation>
    </message>
    <message>
      <source>Sub</source>
      <translation>Sub</translation>
    </message>
    <message>
      <source>Subindex</source>
      <translation>Subindex</translation>
    </message>
    <message>
      <source>This device keeps no communication log.</source>
      <translation>Dieses Gerät führt kein Kommunikationsprotokoll.</translation>
    </message>
    <message>
      <source>Time</source>
      <translation>Zeit</translation>
    </message>
    <message>
      <source>Variable</source>
      <translation>Variable</translation>
    </message>
    <message>
      <source>Write</source>
      <translation>Schreiben</translation>
    </message>
    <message>
      <source>clear</source>
      <translation>leeren</translation>
    </message>
  </context>
  <context>
    <name>CommunicationFilterModel</name>
    <message>
      <source>Command</source>
      <translation>Befehl</translation>
    </message>
    <message>
      <source>Index</source>
      <translation>Index</translation>
    </message>
    <message>
      <source>Length</source>
      <translation>Länge</translation>
    </message>
    <message>
      <source>Message</source>
      <translation>Nachricht</translation>
    </message>
    <message>
      <source>Origin</source>
      <translation>Herkunft</translation>
    </message>
    <message>
      <source>Subindex</source>
      <translation>Subindex</translation>
    </message>
    <message>
      <source>The file %1 could not be written: %2</source>
      <translation>Die Datei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
      <source>Time</source>
      <translation>Zeit</translation>
    </message>
    <message>
      <source>Variable</source>
      <translation>Variable</translation>
    </message>
  </context>
  <context>
    <name>CommunicationHandler</name>
    <message>
      <source>Setting value failed for %1: %2

The device's value was read again.</source>
      <translation>Setzen des Werts fehlgeschlagen für %1: %2

Der Wert des Geräts wurde erneut gelesen.</translation>
    </message>
    <message>
      <source>Setting value failed for (%1, %2)

%3.

Value read again.</source>
      <translation>Setzen des Werts fehlgeschlagen für (%1, %2)

%3.

Wert wurde erneut gelesen.</translation>
    </message>
    <message>
      <source>Setting value succeeded for %1</source>
      <translation>Wert erfolgreich gesetzt für %1</translation>
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
    <name>ConnectionDialog</name>
    <message>
      <source>Cancel</source>
      <translation>Abbrechen</translation>
    </message>
    <message>
      <source>Connecting</source>
      <translation>Verbindung wird hergestellt</translation>
    </message>
    <message>
      <source>Updating Parameter </source>
      <translation>Parameter werden aktualisiert </translation>
    </message>
    <message>
      <source>Waiting For Device</source>
      <translation>Warten auf das Gerät</translation>
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
    <name>DeviceHealth</name>
    <message>
      <source>Device is operating properly</source>
      <translation>Gerät arbeitet ordnungsgemäß</translation>
    </message>
    <message>
      <source>Failure</source>
      <translation>Ausfall</translation>
    </message>
    <message>
      <source>Functional check</source>
      <translation>Funktionsprüfung</translation>
    </message>
    <message>
      <source>Maintenance required</source>
      <translation>Wartung erforderlich</translation>
    </message>
    <message>
      <source>Not read yet</source>
      <translation>Noch nicht gelesen</translation>
    </message>
    <message>
      <source>Out of specification</source>
      <translation>Außerhalb der Spezifikation</translation>
    </message>
    <message>
      <source>Reserved status %1</source>
      <translation>Reservierter Status %1</translation>
    </message>
  </context>
  <context>
    <name>DevicePages</name>
    <message>
      <source>Diagnosis</source>
      <translation>Diagnose</translation>
    </message>
    <message>
      <source>Events</source>
      <translation>Ereignisse</translation>
    </message>
    <message>
      <source>Events (%1)</source>
      <translation>Ereignisse (%1)</translation>
    </message>
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
    <message>
      <source>Observation</source>
      <translation>Beobachtung</translation>
    </message>
    <message>
      <source>Parameters</source>
      <translation>Parameter</translation>
    </message>
    <message>
      <source>Process Data</source>
      <translation>Prozessdaten</translation>
    </message>
    <message>
      <source>Quickstart</source>
      <translation>Schnellstart</translation>
    </message>
  </context>
  <context>
    <name>DeviceParameterAccess</name>
    <message>
      <source>The connection to the device was lost.</source>
      <translation>Die Verbindung zum Gerät ging verloren.</translation>
    </message>
    <message>
      <source>The device is not connected.</source>
      <translation>Das Gerät ist nicht verbunden.</translation>
    </message>
  </context>
  <context>
    <name>DeviceRow</name>
    <message>
      <source>(Latest IODD)</source>
      <translation>(Neueste IODD)</translation>
    </message>
    <message>
      <source>(Missing IODD)</source>
      <translation>(IODD fehlt)</translation>
    </message>
    <message>
      <source>(Sensor not accessible)</source>
      <translation>(Sensor nicht erreichbar)</translation>
    </message>
    <message>
      <source>Connect</source>
      <translation>Verbinden</translation>
    </message>
    <message>
      <source>Disconnect</source>
      <translation>Trennen</translation>
    </message>
  </context>
  <context>
    <name>DevicesPane</name>
    <message>
      <source>Devices</source>
      <translation>Geräte</translation>
    </message>
    <message>
      <source>No devices found.</source>
      <translation>Keine Geräte gefunden.</translation>
    </message>
    <message>
      <source>Search for devices.</source>
      <translation>Nach Geräten suchen.</translation>
    </message>
  </context>
  <context>
    <name>DialogButtons</name>
    <message>
      <source>Cancel</source>
      <translation>Abbrechen</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Schließen</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
  </context>
  <context>
    <name>EventHistoryModel</name>
    <message>
      <source>Appears</source>
      <translation>Kommt</translation>
    </message>
    <message>
      <source>Cannot write %1: %2</source>
      <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
      <source>Device</source>
      <translation>Gerät</translation>
    </message>
    <message>
      <source>Disappears</source>
      <translation>Geht</translation>
    </message>
    <message>
      <source>Error</source>
      <translation>Fehler</translation>
    </message>
    <message>
      <source>Master</source>
      <translation>Master</translation>
    </message>
    <message>
      <source>No file was chosen.</source>
      <translation>Es wurde keine Datei gewählt.</translation>
    </message>
    <message>
      <source>Notification</source>
      <translation>Meldung</translation>
    </message>
    <message>
      <source>Single</source>
      <translation>Einmalig</translation>
    </message>
    <message>
      <source>Unknown</source>
      <translation>Unbekannt</translation>
    </message>
    <message>
      <source>Warning</source>
      <translation>Warnung</translation>
    </message>
  </context>
  <context>
    <name>EventsPage</name>
    <message>
      <source>%1 (active)</source>
      <translation>%1 (aktiv)</translation>
    </message>
    <message>
      <source>Active only</source>
      <translation>Nur aktive</translation>
    </message>
    <message>
      <source>CSV files (*.csv)</source>
      <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
      <source>Clear</source>
      <translation>Leeren</translation>
    </message>
    <message>
      <source>Clear events</source>
      <translation>Ereignisse leeren</translation>
    </message>
    <message>
      <source>Code</source>
      <translation>Code</translation>
    </message>
    <message>
      <source>Mode</source>
      <translation>Modus</translation>
    </message>
    <message>
      <source>No active events.</source>
      <translation>Keine aktiven Ereignisse.</translation>
    </message>
    <message>
      <source>No events in this session.</source>
      <translation>Keine Ereignisse in dieser Sitzung.</translation>
    </message>
    <message>
      <source>Please choose a file</source>
      <translation>Bitte wählen Sie eine Datei</translation>
    </message>
    <message>
      <source>Remove all events of this session from the list?</source>
      <translation>Alle Ereignisse dieser Sitzung aus der Liste entfernen?</translation>
    </message>
    <message>
      <source>Save…</source>
      <translation>Speichern…</translation>
    </message>
    <message>
      <source>Saving failed</source>
      <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
      <source>Source</source>
      <translation>Quelle</translation>
    </message>
    <message>
      <source>Text</source>
      <translation>Text</translation>
    </message>
    <message>
      <source>Time</source>
      <translation>Zeit</translation>
    </message>
    <message>
      <source>Type</source>
      <translation>Typ</translation>
    </message>
  </context>
  <context>
    <name>HealthBadge</name>
    <message>
      <source>%1 %2: %3</source>
      <translation>%1 %2: %3</translation>
    </message>
    <message>
      <source>Device status</source>
      <translation>Gerätestatus</translation>
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
      <source>Setting the process data output failed: %1

The output shows the device's value again.</source>
      <translation>Setzen der Prozessdaten-Ausgabe fehlgeschlagen: %1

Die Ausgabe zeigt wieder den Wert des Geräts.</translation>
    </message>
    <message>
      <source>The device description %1 could not be read.</source>
      <translation>Die Gerätebeschreibung %1 konnte nicht gelesen werden.</translation>
    </message>
  </context>
  <context>
    <name>IOLinkSerialDevice</name>
    <message>
      <source>Appear</source>
      <translation>Kommend</translation>
    </message>
    <message>
      <source>Backup inconsistency – Data Storage unspecific error</source>
      <translation>Datenhaltung inkonsistent – unspezifischer Fehler der Datenhaltung</translation>
    </message>
    <message>
      <source>Backup inconsistency – identity fault</source>
      <translation>Datenhaltung inkonsistent – Identitätsfehler</translation>
    </message>
    <message>
      <source>Backup inconsistency – memory out of range (2048 octets)</source>
      <translation>Datenhaltung inkonsistent – Speicher überschritten (2048 Oktette)</translation>
    </message>
    <message>
      <source>Backup inconsistency – upload fault</source>
      <translation>Datenhaltung inkonsistent – Fehler beim Hochladen</translation>
    </message>
    <message>
      <source>DL: Device plugged in – PD stop</source>
      <translation>DL: Gerät angeschlossen – Prozessdaten gestoppt</translation>
    </message>
    <message>
      <source>Data Storage buffer overflow</source>
      <translation>Datenhaltung: Pufferüberlauf</translation>
    </message>
    <message>
      <source>Data Storage identification mismatch</source>
      <translation>Datenhaltung: Identifikation stimmt nicht überein</translation>
    </message>
    <message>
      <source>Data Storage parameter access denied</source>
      <translation>Datenhaltung: Parameterzugriff verweigert</translation>
    </message>
    <message>
      <source>Data Storage upload completed and new data object available</source>
      <translation>Datenhaltung: Hochladen abgeschlossen, neues Datenobjekt verfügbar</translation>
    </message>
    <message>
      <source>Data Storage upload request</source>
      <translation>Datenhaltung: Anforderung zum Hochladen</translation>
    </message>
    <message>
      <source>Device communication lost</source>
      <translation>Kommunikation mit dem Gerät verloren</translation>
    </message>
    <message>
      <source>Disappear</source>
      <translation>Gehend</translation>
    </message>
    <message>
      <source>Event: %1
Code: %2
Mode: %3</source>
      <translation>Ereignis: %1
Code: %2
Modus: %3</translation>
    </message>
    <message>
      <source>ISDU batch failed – parameter inconsistency?</source>
      <translation>ISDU-Block fehlgeschlagen – Parameter inkonsistent?</translation>
    </message>
    <message>
      <source>Incorrect DeviceID – Inspection Level mismatch</source>
      <translation>Falsche DeviceID – Prüfstufe stimmt nicht überein</translation>
    </message>
    <message>
      <source>Incorrect Event signalling</source>
      <translation>Fehlerhafte Ereignismeldung</translation>
    </message>
    <message>
      <source>Incorrect VendorID – Inspection Level mismatch</source>
      <translation>Falsche VendorID – Prüfstufe stimmt nicht überein</translation>
    </message>
    <message>
      <source>Invalid cycle time</source>
      <translation>Ungültige Zykluszeit</translation>
    </message>
    <message>
      <source>No Device (communication)</source>
      <translation>Kein Gerät (Kommunikation)</translation>
    </message>
    <message>
      <source>Overcurrent at C/Q (if digital output) – check load</source>
      <translation>Überstrom an C/Q (bei Digitalausgang) – Last prüfen</translation>
    </message>
    <message>
      <source>Overcurrent at I/Q – check load</source>
      <translation>Überstrom an I/Q – Last prüfen</translation>
    </message>
    <message>
      <source>Overcurrent at L+ – check power supply (e.g. L1+)</source>
      <translation>Überstrom an L+ – Spannungsversorgung prüfen (z. B. L1+)</translation>
    </message>
    <message>
      <source>Overtemperature – check Master temperature and load</source>
      <translation>Übertemperatur – Temperatur und Last des Masters prüfen</translation>
    </message>
    <message>
      <source>P24 (Class B) missing or undervoltage</source>
      <translation>P24 (Class B) fehlt oder Unterspannung</translation>
    </message>
    <message>
      <source>Parameter inconsistency – download fault</source>
      <translation>Parameter inkonsistent – Fehler beim Herunterladen</translation>
    </message>
    <message>
      <source>Port status changed</source>
      <translation>Portstatus geändert</translation>
    </message>
    <message>
      <source>Revision fault – incompatible protocol version</source>
      <translation>Revisionsfehler – inkompatible Protokollversion</translation>
    </message>
    <message>
      <source>Short circuit at C/Q (if digital output) – check wiring</source>
      <translation>Kurzschluss an C/Q (bei Digitalausgang) – Verdrahtung prüfen</translation>
    </message>
    <message>
      <source>Short circuit at C/Q – check wire connection</source>
      <translation>Kurzschluss an C/Q – Verdrahtung prüfen</translation>
    </message>
    <message>
      <source>Short circuit at I/Q – check wiring</source>
      <translation>Kurzschluss an I/Q – Verdrahtung prüfen</translation>
    </message>
    <message>
      <source>Short circuit at L+ – check wire connection</source>
      <translation>Kurzschluss an L+ – Verdrahtung prüfen</translation>
    </message>
    <message>
      <source>Short circuit at P24 (Class B) – check wire connection (e.g. L2+)</source>
      <translation>Kurzschluss an P24 (Class B) – Verdrahtung prüfen (z. B. L2+)</translation>
    </message>
    <message>
      <source>Single Shot</source>
      <translation>Einmalig</translation>
    </message>
    <message>
      <source>Startup parametrization error – check parameter</source>
      <translation>Parametrierfehler beim Anlauf – Parameter prüfen</translation>
    </message>
    <message>
      <source>Undefined</source>
      <translation>Undefiniert</translation>
    </message>
  </context>
  <context>
    <name>IdentificationPage</name>
    <message>
      <source>Communication</source>
      <translation>Kommunikation</translation>
    </message>
    <message>
      <source>Device ID</source>
      <translation>Geräte-ID</translation>
    </message>
    <message>
      <source>IODD Version</source>
      <translation>IODD-Version</translation>
    </message>
    <message>
      <source>Multiple IODDs found</source>
      <translation>Mehrere IODDs gefunden</translation>
    </message>
    <message>
      <source>No device selected.
Please select a device from the list on the left.</source>
      <translation>Kein Gerät ausgewählt.
Bitte wählen Sie links ein Gerät aus der Liste aus.</translation>
    </message>
    <message>
      <source>Product ID</source>
      <translation>Produkt-ID</translation>
    </message>
    <message>
      <source>Product Name</source>
      <translation>Produktname</translation>
    </message>
    <message>
      <source>Serial Number</source>
      <translation>Seriennummer</translation>
    </message>
    <message>
      <source>Unknown</source>
      <translation>Unbekannt</translation>
    </message>
    <message>
      <source>Using latest version</source>
      <translation>Neueste Version wird verwendet</translation>
    </message>
    <message>
      <source>Vendor ID</source>
      <translation>Hersteller-ID</translation>
    </message>
    <message>
      <source>Vendor Name</source>
      <translation>Herstellername</translation>
    </message>
  </context>
  <context>
    <name>IoddChoiceFields</name>
    <message>
      <source>%1 (released %2)</source>
      <translation>%1 (veröffentlicht %2)</translation>
    </message>
    <message>
      <source>Also matching</source>
      <translation>Ebenfalls passend</translation>
    </message>
    <message>
      <source>Chosen by</source>
      <translation>Gewählt nach</translation>
    </message>
    <message>
      <source>IODD File</source>
      <translation>IODD-Datei</translation>
    </message>
    <message>
      <source>No matching IODD</source>
      <translation>Keine passende IODD</translation>
    </message>
    <message>
      <source>the latest release date</source>
      <translation>dem neuesten Veröffentlichungsdatum</translation>
    </message>
  </context>
  <context>
    <name>IoddDropArea</name>
    <message>
      <source>Drop IODD packages (.zip) or IODD files (.xml) to import them</source>
      <translation>IODD-Pakete (.zip) oder IODD-Dateien (.xml) hier ablegen, um sie zu importieren</translation>
    </message>
  </context>
  <context>
    <name>IoddFolder</name>
    <message>
      <source>%1 is not an IODD file of the IODD folder %2.</source>
      <translation>%1 ist keine IODD-Datei des IODD-Ordners %2.</translation>
    </message>
    <message>
      <source>The folder %1 could not be removed completely.</source>
      <translation>Der Ordner %1 konnte nicht vollständig entfernt werden.</translation>
    </message>
    <message>
      <source>These files could not be removed: %1</source>
      <translation>Diese Dateien konnten nicht entfernt werden: %1</translation>
    </message>
  </context>
  <context>
    <name>IoddImportResult</name>
    <message>
      <source>already present</source>
      <translation>bereits vorhanden</translation>
    </message>
    <message>
      <source>imported</source>
      <translation>importiert</translation>
    </message>
    <message>
      <source>not used: a newer release is present</source>
      <translation>nicht verwendet: eine neuere Version ist vorhanden</translation>
    </message>
    <message>
      <source>refused</source>
      <translation>abgelehnt</translation>
    </message>
  </context>
  <context>
    <name>IoddImportSummaryDialog</name>
    <message>
      <source>%1: %2</source>
      <translation>%1: %2</translation>
    </message>
    <message>
      <source>Every file was imported or was already present.</source>
      <translation>Alle Dateien wurden importiert oder waren bereits vorhanden.</translation>
    </message>
    <message>
      <source>Folder: %1</source>
      <translation>Ordner: %1</translation>
    </message>
    <message>
      <source>IODD Import</source>
      <translation>IODD-Import</translation>
    </message>
    <message>
      <source>Importing IODDs</source>
      <translation>IODDs werden importiert</translation>
    </message>
    <message>
      <source>Left out: %1</source>
      <translation>Nicht übernommen: %1</translation>
    </message>
    <message>
      <source>Not every file could be imported; see the reasons below.</source>
      <translation>Nicht alle Dateien konnten importiert werden; die Gründe stehen unten.</translation>
    </message>
  </context>
  <context>
    <name>IoddImporter</name>
    <message>
      <source>%1: not a device description</source>
      <translation>%1: keine Gerätebeschreibung</translation>
    </message>
    <message>
      <source>Cannot copy %1 into the temporary folder.</source>
      <translation>%1 kann nicht in den temporären Ordner kopiert werden.</translation>
    </message>
    <message>
      <source>Cannot create the temporary folder %1.</source>
      <translation>Der temporäre Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
      <source>No device description (IODD) found.</source>
      <translation>Keine Gerätebeschreibung (IODD) gefunden.</translation>
    </message>
    <message>
      <source>No temporary folder can be created beside the IODD folder: %1</source>
      <translation>Neben dem IODD-Ordner kann kein temporärer Ordner angelegt werden: %1</translation>
    </message>
    <message>
      <source>Only IODD packages (.zip) and IODD files (.xml) can be imported.</source>
      <translation>Nur IODD-Pakete (.zip) und IODD-Dateien (.xml) können importiert werden.</translation>
    </message>
    <message>
      <source>The IODD folder %1 cannot be created.</source>
      <translation>Der IODD-Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
      <source>The file does not exist or cannot be read.</source>
      <translation>Die Datei existiert nicht oder kann nicht gelesen werden.</translation>
    </message>
    <message>
      <source>The package could not be moved into the IODD folder %1.</source>
      <translation>Das Paket konnte nicht in den IODD-Ordner %1 verschoben werden.</translation>
    </message>
  </context>
  <context>
    <name>IoddManagementDialog</name>
    <message>
      <source>Choose the IODD folder.</source>
      <translation>IODD-Ordner auswählen.</translation>
    </message>
    <message>
      <source>Device Details</source>
      <translation>Gerätedetails</translation>
    </message>
    <message>
      <source>Device ID</source>
      <translation>Geräte-ID</translation>
    </message>
    <message>
      <source>Filter by vendor, product or file</source>
      <translation>Nach Hersteller, Produkt oder Datei filtern</translation>
    </message>
    <message>
      <source>Found</source>
      <translation>Gefunden:</translation>
    </message>
    <message>
      <source>IODD Content</source>
      <translation>IODD-Inhalt</translation>
    </message>
    <message>
      <source>IODD Management</source>
      <translation>IODD-Verwaltung</translation>
    </message>
    <message>
      <source>IODD Version</source>
      <translation>IODD-Version</translation>
    </message>
    <message>
      <source>IODDs available</source>
      <translation>Verfügbare IODDs</translation>
    </message>
    <message>
      <source>IODDs in</source>
      <translation>IODDs in</translation>
    </message>
    <message>
      <source>No IODD matches the filter.</source>
      <translation>Keine IODD passt zum Filter.</translation>
    </message>
    <message>
      <source>No IODDs found in current search path</source>
      <translation>Keine IODDs im aktuellen Suchpfad gefunden</translation>
    </message>
    <message>
      <source>Please install the Korvell IODD package and select the folder containing the IODDs. Without IODDs you will not be able to connect to any IOLink devices.</source>
      <translation>Bitte installieren Sie das Korvell-IODD-Paket und wählen Sie den Ordner mit den IODDs aus. Ohne IODDs können Sie sich mit keinem IO-Link-Gerät verbinden.</translation>
    </message>
    <message>
      <source>Product Name</source>
      <translation>Produktname</translation>
    </message>
    <message>
      <source>Read the IODD folder again.</source>
      <translation>IODD-Ordner erneut einlesen.</translation>
    </message>
    <message>
      <source>Unknown</source>
      <translation>Unbekannt</translation>
    </message>
    <message>
      <source>Vendor ID</source>
      <translation>Hersteller-ID</translation>
    </message>
    <message>
      <source>Vendor Name</source>
      <translation>Herstellername</translation>
    </message>
  </context>
  <context>
    <name>IoddPackageActions</name>
    <message>
      <source>%1 lies outside the IODD folder and is not removed.</source>
      <translation>%1 liegt außerhalb des IODD-Ordners und wird nicht entfernt.</translation>
    </message>
    <message>
      <source>All files (*)</source>
      <translation>Alle Dateien (*)</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Abbrechen</translation>
    </message>
    <message>
      <source>IODD not removed</source>
      <translation>IODD nicht entfernt</translation>
    </message>
    <message>
      <source>IODD packages and files (*.zip *.xml)</source>
      <translation>IODD-Pakete und -Dateien (*.zip *.xml)</translation>
    </message>
    <message>
      <source>Import IODD packages (.zip) or IODD files (.xml) into the IODD folder.</source>
      <translation>IODD-Pakete (.zip) oder IODD-Dateien (.xml) in den IODD-Ordner importieren.</translation>
    </message>
    <message>
      <source>Import IODDs</source>
      <translation>IODDs importieren</translation>
    </message>
    <message>
      <source>Import…</source>
      <translation>Importieren…</translation>
    </message>
    <message>
      <source>Remove</source>
      <translation>Entfernen</translation>
    </message>
    <message>
      <source>Remove IODD</source>
      <translation>IODD entfernen</translation>
    </message>
    <message>
      <source>Remove the IODD %1? These will be deleted from the disk:</source>
      <translation>Die IODD %1 entfernen? Folgendes wird von der Festplatte gelöscht:</translation>
    </message>
    <message>
      <source>Remove…</source>
      <translation>Entfernen…</translation>
    </message>
  </context>
  <context>
    <name>IoddPackages</name>
    <message>
      <source>Importing %1 (%2 of %3)…</source>
      <translation>%1 wird importiert (%2 von %3)…</translation>
    </message>
    <message>
      <source>Importing %1…</source>
      <translation>%1 wird importiert…</translation>
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
    <message>
      <source>error %1</source>
      <translation>Fehler %1</translation>
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
    <name>IsduError</name>
    <message>
      <source>ISDU error %1</source>
      <translation>ISDU-Fehler %1</translation>
    </message>
    <message>
      <source>access denied</source>
      <translation>Zugriff verweigert</translation>
    </message>
    <message>
      <source>application not ready</source>
      <translation>Anwendung nicht bereit</translation>
    </message>
    <message>
      <source>device application error</source>
      <translation>Fehler der Geräteanwendung</translation>
    </message>
    <message>
      <source>function not available</source>
      <translation>Funktion nicht verfügbar</translation>
    </message>
    <message>
      <source>function temporarily unavailable</source>
      <translation>Funktion vorübergehend nicht verfügbar</translation>
    </message>
    <message>
      <source>inconsistent parameter set</source>
      <translation>inkonsistenter Parametersatz</translation>
    </message>
    <message>
      <source>index not available</source>
      <translation>Index nicht verfügbar</translation>
    </message>
    <message>
      <source>invalid parameter set</source>
      <translation>ungültiger Parametersatz</translation>
    </message>
    <message>
      <source>length overrun</source>
      <translation>Länge überschritten</translation>
    </message>
    <message>
      <source>length underrun</source>
      <translation>Länge unterschritten</translation>
    </message>
    <message>
      <source>service temporarily not available</source>
      <translation>Dienst vorübergehend nicht verfügbar</translation>
    </message>
    <message>
      <source>service temporarily not available, device control</source>
      <translation>Dienst vorübergehend nicht verfügbar, Gerätesteuerung</translation>
    </message>
    <message>
      <source>service temporarily not available, local control</source>
      <translation>Dienst vorübergehend nicht verfügbar, lokale Bedienung</translation>
    </message>
    <message>
      <source>subindex not available</source>
      <translation>Subindex nicht verfügbar</translation>
    </message>
    <message>
      <source>value above limit</source>
      <translation>Wert über dem Grenzwert</translation>
    </message>
    <message>
      <source>value below limit</source>
      <translation>Wert unter dem Grenzwert</translation>
    </message>
    <message>
      <source>value out of range</source>
      <translation>Wert außerhalb des Bereichs</translation>
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
      <source>Compare with parameter set…</source>
      <translation>Mit Parametersatz vergleichen…</translation>
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
      <source>Restore parameter set…</source>
      <translation>Parametersatz wiederherstellen…</translation>
    </message>
    <message>
      <source>Save parameter set…</source>
      <translation>Parametersatz speichern…</translation>
    </message>
    <message>
      <source>Settings</source>
      <translation>Einstellungen</translation>
    </message>
  </context>
  <context>
    <name>MasterCredentialStore</name>
    <message>
      <source>no keychain service (secret store) answered on this computer</source>
      <translation>auf diesem Computer antwortet kein Schlüsselbund-Dienst (Secret Store)</translation>
    </message>
    <message>
      <source>no keychain service (secret store) is running on this computer</source>
      <translation>auf diesem Computer läuft kein Schlüsselbund-Dienst (Secret Store)</translation>
    </message>
    <message>
      <source>the keychain failed: %1</source>
      <translation>Fehler im Schlüsselbund: %1</translation>
    </message>
    <message>
      <source>the keychain refused access</source>
      <translation>der Schlüsselbund hat den Zugriff verweigert</translation>
    </message>
  </context>
  <context>
    <name>MasterCredentialsDialog</name>
    <message>
      <source>Password</source>
      <translation>Passwort</translation>
    </message>
    <message>
      <source>Remember in the keychain of this computer</source>
      <translation>Im Schlüsselbund dieses Computers merken</translation>
    </message>
    <message>
      <source>Sign in to %1</source>
      <translation>Anmelden bei %1</translation>
    </message>
    <message>
      <source>The IO-Link master %1 asks for a user name and password.</source>
      <translation>Der IO-Link-Master %1 verlangt einen Benutzernamen und ein Passwort.</translation>
    </message>
    <message>
      <source>The IO-Link master %1 asks for a user name and password. They are kept until the program ends.</source>
      <translation>Der IO-Link-Master %1 verlangt Benutzername und Passwort. Sie werden bis zum Programmende behalten.</translation>
    </message>
    <message>
      <source>The password is stored in the system's keychain, never in the settings file.</source>
      <translation>Das Passwort wird im Schlüsselbund des Systems gespeichert, nie in der Einstellungsdatei.</translation>
    </message>
    <message>
      <source>They are kept until the program ends.</source>
      <translation>Sie bleiben bis zum Programmende gespeichert.</translation>
    </message>
    <message>
      <source>This master is reached over plain http: the password travels unencrypted. Use https where the master offers it.</source>
      <translation>Dieser Master wird über einfaches http erreicht: Das Passwort wird unverschlüsselt übertragen. Verwenden Sie https, wo der Master es anbietet.</translation>
    </message>
    <message>
      <source>User name</source>
      <translation>Benutzername</translation>
    </message>
  </context>
  <context>
    <name>MenuEntryArrayDisplay</name>
    <message>
      <source>None</source>
      <translation>Keines</translation>
    </message>
  </context>
  <context>
    <name>MenuEntryMissing</name>
    <message>
      <source>Not available in this device description</source>
      <translation>In dieser Gerätebeschreibung nicht vorhanden</translation>
    </message>
  </context>
  <context>
    <name>MenuEntrySlider</name>
    <message>
      <source>Allowed: %1 to %2</source>
      <translation>Zulässig: %1 bis %2</translation>
    </message>
  </context>
  <context>
    <name>MenuEntryTextEdit</name>
    <message>
      <source>Maximum length is </source>
      <translation>Die maximale Länge ist </translation>
    </message>
    <message>
      <source>Your text goes here</source>
      <translation>Ihr Text</translation>
    </message>
  </context>
  <context>
    <name>MenuEntryUndefined</name>
    <message>
      <source>Undefined Entry, id:</source>
      <translation>Undefinierter Eintrag, ID:</translation>
    </message>
  </context>
  <context>
    <name>NetworkHttpClient</name>
    <message>
      <source>no answer within %1 s</source>
      <translation>keine Antwort innerhalb von %1 s</translation>
    </message>
    <message>
      <source>the certificate %1 is not trusted; the connection was refused</source>
      <translation>dem Zertifikat %1 wird nicht vertraut; die Verbindung wurde abgelehnt</translation>
    </message>
  </context>
  <context>
    <name>NetworkMaster</name>
    <message>
      <source>%1 Master %2 Port %3</source>
      <translation>%1 Master %2 Port %3</translation>
    </message>
    <message>
      <source>%1 Port %2</source>
      <translation>%1 Port %2</translation>
    </message>
    <message>
      <source>%1 Port %2 has no device online (%3).</source>
      <translation>An %1 Port %2 ist kein Gerät online (%3).</translation>
    </message>
    <message>
      <source>%1 Port %2 has no device online any more (%3).</source>
      <translation>An %1 Port %2 ist kein Gerät mehr online (%3).</translation>
    </message>
    <message>
      <source>%1 Port %2: %3.</source>
      <translation>%1 Port %2: %3.</translation>
    </message>
    <message>
      <source>%1 asks for a user name and password.</source>
      <translation>%1 verlangt Benutzername und Passwort.</translation>
    </message>
    <message>
      <source>%1 is no port of an Ethernet IO-Link master.</source>
      <translation>%1 ist kein Port eines Ethernet-IO-Link-Masters.</translation>
    </message>
    <message>
      <source>%1: %2</source>
      <translation>%1: %2</translation>
    </message>
    <message>
      <source>%1: the master answered HTTP %2, error %3: %4</source>
      <translation>%1: Der Master antwortete mit HTTP %2, Fehler %3: %4</translation>
    </message>
    <message>
      <source>%1: the master answered HTTP %2.</source>
      <translation>%1: Der Master antwortete mit HTTP %2.</translation>
    </message>
    <message>
      <source>%1: the master's answer cannot be read.</source>
      <translation>%1: Die Antwort des Masters ist nicht lesbar.</translation>
    </message>
    <message>
      <source>No event pending</source>
      <translation>Kein Ereignis anstehend</translation>
    </message>
    <message>
      <source>Process data of %1 octets does not fit the buffer</source>
      <translation>Prozessdaten von %1 Oktetten passen nicht in den Puffer</translation>
    </message>
    <message>
      <source>Process data of %1 octets is too long</source>
      <translation>Prozessdaten von %1 Oktetten sind zu lang</translation>
    </message>
    <message>
      <source>The network master port is not open.</source>
      <translation>Der Port des Netzwerk-Masters ist nicht geöffnet.</translation>
    </message>
    <message>
      <source>Value of %1 octets does not fit the buffer</source>
      <translation>Wert von %1 Oktetten passt nicht in den Puffer</translation>
    </message>
    <message>
      <source>the master's port list cannot be read</source>
      <translation>die Portliste des Masters ist nicht lesbar</translation>
    </message>
  </context>
  <context>
    <name>NetworkMasterAccess</name>
    <message>
      <source>%1, ports: %2, interface %3</source>
      <translation>%1, Ports: %2, Schnittstelle %3</translation>
    </message>
    <message>
      <source>Not an http:// or https:// address</source>
      <translation>Keine http://- oder https://-Adresse</translation>
    </message>
    <message>
      <source>Not reachable: %1</source>
      <translation>Nicht erreichbar: %1</translation>
    </message>
    <message>
      <source>The password for %1 was not remembered: %2. It is kept until the program ends.</source>
      <translation>Das Passwort für %1 wurde nicht gemerkt: %2. Es bleibt bis zum Programmende gespeichert.</translation>
    </message>
    <message>
      <source>Unnamed master</source>
      <translation>Unbenannter Master</translation>
    </message>
  </context>
  <context>
    <name>NetworkMastersSection</name>
    <message>
      <source>Add</source>
      <translation>Hinzufügen</translation>
    </message>
    <message>
      <source>Address, e.g. http://192.168.1.50</source>
      <translation>Adresse, z. B. http://192.168.1.50</translation>
    </message>
    <message>
      <source>Enter an http:// or https:// address or a host name.</source>
      <translation>Geben Sie eine http://- oder https://-Adresse oder einen Hostnamen ein.</translation>
    </message>
    <message>
      <source>Ethernet IO-Link masters with the JSON REST interface; none added yet</source>
      <translation>Ethernet-IO-Link-Master mit JSON-REST-Schnittstelle; noch keiner hinzugefügt</translation>
    </message>
    <message>
      <source>Ethernet IO-Link masters with the JSON REST interface; their devices are listed with the others</source>
      <translation>Ethernet-IO-Link-Master mit JSON-REST-Schnittstelle; ihre Geräte erscheinen in der Geräteliste</translation>
    </message>
    <message>
      <source>Network masters</source>
      <translation>Netzwerk-Master</translation>
    </message>
    <message>
      <source>Remove this master</source>
      <translation>Diesen Master entfernen</translation>
    </message>
    <message>
      <source>Test</source>
      <translation>Testen</translation>
    </message>
    <message>
      <source>Testing…</source>
      <translation>Wird getestet…</translation>
    </message>
  </context>
  <context>
    <name>PackageArchive</name>
    <message>
      <source>Cannot create the folder %1.</source>
      <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
      <source>Cannot write %1.</source>
      <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
      <source>Cannot write %1: %2</source>
      <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
      <source>The archive holds a symbolic link: %1</source>
      <translation>Das Archiv enthält einen symbolischen Link: %1</translation>
    </message>
    <message>
      <source>The archive holds an encrypted file: %1</source>
      <translation>Das Archiv enthält eine verschlüsselte Datei: %1</translation>
    </message>
    <message>
      <source>The archive holds more than %1 entries.</source>
      <translation>Das Archiv enthält mehr als %1 Einträge.</translation>
    </message>
    <message>
      <source>The archive is damaged or is not a zip file.</source>
      <translation>Das Archiv ist beschädigt oder keine ZIP-Datei.</translation>
    </message>
    <message>
      <source>The archive is damaged: %1 cannot be read completely.</source>
      <translation>Das Archiv ist beschädigt: %1 kann nicht vollständig gelesen werden.</translation>
    </message>
    <message>
      <source>The archive is damaged: %1 cannot be read.</source>
      <translation>Das Archiv ist beschädigt: %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
      <source>The archive is damaged: %1 is larger than it says.</source>
      <translation>Das Archiv ist beschädigt: %1 ist größer als angegeben.</translation>
    </message>
    <message>
      <source>The archive names a file outside its own folder: %1</source>
      <translation>Das Archiv nennt eine Datei außerhalb seines eigenen Ordners: %1</translation>
    </message>
    <message>
      <source>The archive nests zip files more than one level deep: %1</source>
      <translation>Das Archiv verschachtelt ZIP-Dateien tiefer als eine Ebene: %1</translation>
    </message>
    <message>
      <source>The archive would unpack to more than 200 MB.</source>
      <translation>Das Archiv wäre entpackt größer als 200 MB.</translation>
    </message>
    <message>
      <source>The file %1 is compressed more than a hundredfold, as only a zip bomb is.</source>
      <translation>Die Datei %1 ist mehr als hundertfach komprimiert, wie nur eine ZIP-Bombe.</translation>
    </message>
    <message>
      <source>The file %1 would unpack to more than 50 MB.</source>
      <translation>Die Datei %1 wäre entpackt größer als 50 MB.</translation>
    </message>
    <message>
      <source>The file cannot be read: %1</source>
      <translation>Die Datei kann nicht gelesen werden: %1</translation>
    </message>
  </context>
  <context>
    <name>ParameterCatalogue</name>
    <message>
      <source>%1 octets instead of %2</source>
      <translation>%1 Oktette statt %2</translation>
    </message>
    <message>
      <source>%1 octets, at most %2 allowed</source>
      <translation>%1 Oktette, höchstens %2 erlaubt</translation>
    </message>
  </context>
  <context>
    <name>ParameterComparison</name>
    <message>
      <source>(not in this device's IODD)</source>
      <translation>(nicht in der IODD dieses Geräts)</translation>
    </message>
    <message>
      <source>(not readable: %1)</source>
      <translation>(nicht lesbar: %1)</translation>
    </message>
    <message>
      <source>not read</source>
      <translation>nicht gelesen</translation>
    </message>
  </context>
  <context>
    <name>ParameterRestore</name>
    <message>
      <source>Parameter set restored: %1 written and confirmed, %2 already equal.</source>
      <translation>Parametersatz wiederhergestellt: %1 geschrieben und bestätigt, %2 bereits gleich.</translation>
    </message>
    <message>
      <source>The device did not accept the parameter set as a whole (ParamDownloadEnd: %1).</source>
      <translation>Das Gerät hat den Parametersatz als Ganzes nicht angenommen (ParamDownloadEnd: %1).</translation>
    </message>
    <message>
      <source>The device did not store the set in its data storage (ParamDownloadStore: %1).</source>
      <translation>Das Gerät hat den Satz nicht in seinem Datenspeicher gesichert (ParamDownloadStore: %1).</translation>
    </message>
    <message>
      <source>The device refused %1; the block parameterisation was cancelled (ParamBreak) and the restore stopped.</source>
      <translation>Das Gerät lehnte %1 ab; die Blockparametrierung wurde abgebrochen (ParamBreak) und die Wiederherstellung beendet.</translation>
    </message>
    <message>
      <source>The device refused ParamBreak: %1.</source>
      <translation>Das Gerät lehnte ParamBreak ab: %1.</translation>
    </message>
    <message>
      <source>The device refused to start a block parameterisation (%1); the values were written one by one.</source>
      <translation>Das Gerät lehnte den Start einer Blockparametrierung ab (%1); die Werte wurden einzeln geschrieben.</translation>
    </message>
    <message>
      <source>The file was saved from another unit (serial number %1); the connected device has serial number %2.</source>
      <translation>Die Datei wurde von einem anderen Exemplar gespeichert (Seriennummer %1); das verbundene Gerät hat die Seriennummer %2.</translation>
    </message>
    <message>
      <source>The file was saved from product %1; the connected device is product %2.</source>
      <translation>Die Datei wurde von Produkt %1 gespeichert; das verbundene Gerät ist Produkt %2.</translation>
    </message>
    <message>
      <source>The file was saved with IODD version %1; the device is described by IODD version %2.</source>
      <translation>Die Datei wurde mit IODD-Version %1 gespeichert; das Gerät wird durch IODD-Version %2 beschrieben.</translation>
    </message>
    <message>
      <source>The parameter set is for another device: it was saved from vendor id %1, device id %2 (%3); the connected device has vendor id %4, device id %5 (%6). Nothing was written.</source>
      <translation>Der Parametersatz gehört zu einem anderen Gerät: Er wurde von Hersteller-ID %1, Geräte-ID %2 (%3) gespeichert; das verbundene Gerät hat Hersteller-ID %4, Geräte-ID %5 (%6). Es wurde nichts geschrieben.</translation>
    </message>
    <message>
      <source>The parameter set was not restored completely: %1 written and confirmed, %2 already equal, %3 refused, %4 differ after writing, %5 not written, %6 skipped.</source>
      <translation>Der Parametersatz wurde nicht vollständig wiederhergestellt: %1 geschrieben und bestätigt, %2 bereits gleich, %3 abgelehnt, %4 weichen nach dem Schreiben ab, %5 nicht geschrieben, %6 übersprungen.</translation>
    </message>
    <message>
      <source>already equal</source>
      <translation>bereits gleich</translation>
    </message>
    <message>
      <source>differs after writing</source>
      <translation>weicht nach dem Schreiben ab</translation>
    </message>
    <message>
      <source>not a parameter of this device's IODD</source>
      <translation>kein Parameter der IODD dieses Geräts</translation>
    </message>
    <message>
      <source>not readable afterwards: %1</source>
      <translation>danach nicht lesbar: %1</translation>
    </message>
    <message>
      <source>not written</source>
      <translation>nicht geschrieben</translation>
    </message>
    <message>
      <source>only whole variables are restored</source>
      <translation>nur ganze Variablen werden wiederhergestellt</translation>
    </message>
    <message>
      <source>refused</source>
      <translation>abgelehnt</translation>
    </message>
    <message>
      <source>skipped</source>
      <translation>übersprungen</translation>
    </message>
    <message>
      <source>written and confirmed</source>
      <translation>geschrieben und bestätigt</translation>
    </message>
    <message>
      <source>wrong length: %1</source>
      <translation>falsche Länge: %1</translation>
    </message>
  </context>
  <context>
    <name>ParameterSet</name>
    <message>
      <source>%1 (index %2, subindex %3) is listed twice.</source>
      <translation>%1 (Index %2, Subindex %3) ist doppelt aufgeführt.</translation>
    </message>
    <message>
      <source>%1 has no raw value.</source>
      <translation>%1 hat keinen Rohwert.</translation>
    </message>
    <message>
      <source>%1 has no valid index and subindex.</source>
      <translation>%1 hat keinen gültigen Index und Subindex.</translation>
    </message>
    <message>
      <source>The %1 has no id.</source>
      <translation>%1 hat keine ID.</translation>
    </message>
    <message>
      <source>The file %1 cannot be read: %2</source>
      <translation>Die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
      <source>The file %1 cannot be written: %2</source>
      <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
      <source>The file has no valid format version.</source>
      <translation>Die Datei hat keine gültige Formatversion.</translation>
    </message>
    <message>
      <source>The file is larger than 10 MB.</source>
      <translation>Die Datei ist größer als 10 MB.</translation>
    </message>
    <message>
      <source>The file is not a parameter set: it holds no JSON object.</source>
      <translation>Die Datei ist kein Parametersatz: Sie enthält kein JSON-Objekt.</translation>
    </message>
    <message>
      <source>The file is not a parameter set: its format is "%1".</source>
      <translation>Die Datei ist kein Parametersatz: Ihr Format ist „%1“.</translation>
    </message>
    <message>
      <source>The file is not valid JSON: %1 (at octet %2).</source>
      <translation>Die Datei ist kein gültiges JSON: %1 (bei Oktett %2).</translation>
    </message>
    <message>
      <source>The file lists no parameters.</source>
      <translation>Die Datei enthält keine Parameterliste.</translation>
    </message>
    <message>
      <source>The file names no valid vendor id and device id.</source>
      <translation>Die Datei nennt keine gültige Hersteller-ID und Geräte-ID.</translation>
    </message>
    <message>
      <source>The file was written in format version %1, which is newer than this program reads (%2). Please update the program.</source>
      <translation>Die Datei wurde im Format Version %1 geschrieben, das neuer ist als das, was dieses Programm liest (%2). Bitte aktualisieren Sie das Programm.</translation>
    </message>
    <message>
      <source>The raw value of %1 has the wrong length: %2 hex digits.</source>
      <translation>Der Rohwert von %1 hat die falsche Länge: %2 Hexadezimalziffern.</translation>
    </message>
    <message>
      <source>The raw value of %1 is not hexadecimal: "%2".</source>
      <translation>Der Rohwert von %1 ist nicht hexadezimal: „%2“.</translation>
    </message>
    <message>
      <source>parameter %1</source>
      <translation>Parameter %1</translation>
    </message>
  </context>
  <context>
    <name>ParameterSetController</name>
    <message>
      <source>%1 of %2 parameters differ.</source>
      <translation>%1 von %2 Parametern weichen ab.</translation>
    </message>
    <message>
      <source>Another parameter set operation is running.</source>
      <translation>Ein anderer Vorgang mit einem Parametersatz läuft bereits.</translation>
    </message>
    <message>
      <source>Parameters that could not be read when the file was saved are not compared: %1.</source>
      <translation>Parameter, die beim Speichern der Datei nicht lesbar waren, werden nicht verglichen: %1.</translation>
    </message>
    <message>
      <source>Please connect the device first.</source>
      <translation>Bitte verbinden Sie zuerst das Gerät.</translation>
    </message>
    <message>
      <source>Reading the parameters of %1…</source>
      <translation>Parameter von %1 werden gelesen…</translation>
    </message>
    <message>
      <source>Restoring the parameters of %1…</source>
      <translation>Parameter von %1 werden wiederhergestellt…</translation>
    </message>
    <message>
      <source>The device has no IODD; its parameters are not known.</source>
      <translation>Für das Gerät gibt es keine IODD; seine Parameter sind nicht bekannt.</translation>
    </message>
    <message>
      <source>The device refused to give these parameters; they are listed in the file as unreadable: %1</source>
      <translation>Das Gerät verweigerte diese Parameter; sie sind in der Datei als nicht lesbar aufgeführt: %1</translation>
    </message>
    <message>
      <source>The device was disconnected; nothing was saved.</source>
      <translation>Das Gerät wurde getrennt; es wurde nichts gespeichert.</translation>
    </message>
    <message>
      <source>The device was disconnected; nothing was written.</source>
      <translation>Das Gerät wurde getrennt; es wurde nichts geschrieben.</translation>
    </message>
    <message>
      <source>The file %1 cannot be written: %2</source>
      <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
      <source>The parameter set was saved to %1 (parameters: %2).</source>
      <translation>Der Parametersatz wurde in %1 gespeichert (Parameter: %2).</translation>
    </message>
    <message>
      <source>Write the parameter set %1 into %2 (serial number %3) on %4? Parameters whose value differs from the file are overwritten.</source>
      <translation>Den Parametersatz %1 in %2 (Seriennummer %3) an %4 schreiben? Parameter, deren Wert von der Datei abweicht, werden überschrieben.</translation>
    </message>
    <message>
      <source>differs</source>
      <translation>abweichend</translation>
    </message>
    <message>
      <source>equal</source>
      <translation>gleich</translation>
    </message>
  </context>
  <context>
    <name>ParameterSetDialogs</name>
    <message>
      <source>%1 of %2</source>
      <translation>%1 von %2</translation>
    </message>
    <message>
      <source>All files (*)</source>
      <translation>Alle Dateien (*)</translation>
    </message>
    <message>
      <source>Another parameter set operation is running.</source>
      <translation>Ein anderer Vorgang mit einem Parametersatz läuft bereits.</translation>
    </message>
    <message>
      <source>CSV files (*.csv)</source>
      <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Abbrechen</translation>
    </message>
    <message>
      <source>Compare with parameter set</source>
      <translation>Mit Parametersatz vergleichen</translation>
    </message>
    <message>
      <source>Export</source>
      <translation>Export</translation>
    </message>
    <message>
      <source>Export as CSV</source>
      <translation>Als CSV exportieren</translation>
    </message>
    <message>
      <source>Parameter set</source>
      <translation>Parametersatz</translation>
    </message>
    <message>
      <source>Parameter sets (*.ovxparams)</source>
      <translation>Parametersätze (*.ovxparams)</translation>
    </message>
    <message>
      <source>Please connect a device with an IODD first.</source>
      <translation>Bitte verbinden Sie zuerst ein Gerät mit IODD.</translation>
    </message>
    <message>
      <source>Restore</source>
      <translation>Wiederherstellen</translation>
    </message>
    <message>
      <source>Restore parameter set</source>
      <translation>Parametersatz wiederherstellen</translation>
    </message>
    <message>
      <source>Save parameter set</source>
      <translation>Parametersatz speichern</translation>
    </message>
    <message>
      <source>These parameters of the file are skipped:</source>
      <translation>Diese Parameter der Datei werden übersprungen:</translation>
    </message>
    <message>
      <source>comparison</source>
      <translation>vergleich</translation>
    </message>
    <message>
      <source>restore-report</source>
      <translation>wiederherstellungsbericht</translation>
    </message>
  </context>
  <context>
    <name>ParameterTableDialog</name>
    <message>
      <source>Close</source>
      <translation type="vanished">Schließen</translation>
    </message>
    <message>
      <source>Comparison with the parameter set</source>
      <translation>Vergleich mit dem Parametersatz</translation>
    </message>
    <message>
      <source>Export as CSV…</source>
      <translation>Als CSV exportieren…</translation>
    </message>
    <message>
      <source>No differences.</source>
      <translation>Keine Abweichungen.</translation>
    </message>
    <message>
      <source>Only differences</source>
      <translation>Nur Abweichungen</translation>
    </message>
    <message>
      <source>Parameter</source>
      <translation>Parameter</translation>
    </message>
    <message>
      <source>Restore report</source>
      <translation>Wiederherstellungsbericht</translation>
    </message>
    <message>
      <source>Result</source>
      <translation>Ergebnis</translation>
    </message>
    <message>
      <source>Value in the device</source>
      <translation>Wert im Gerät</translation>
    </message>
    <message>
      <source>Value in the file</source>
      <translation>Wert in der Datei</translation>
    </message>
  </context>
  <context>
    <name>ParameterTableModel</name>
    <message>
      <source>Detail</source>
      <translation>Detail</translation>
    </message>
    <message>
      <source>Differs</source>
      <translation>Abweichend</translation>
    </message>
    <message>
      <source>Id</source>
      <translation>ID</translation>
    </message>
    <message>
      <source>Index</source>
      <translation>Index</translation>
    </message>
    <message>
      <source>Parameter</source>
      <translation>Parameter</translation>
    </message>
    <message>
      <source>Result</source>
      <translation>Ergebnis</translation>
    </message>
    <message>
      <source>Value in the device</source>
      <translation>Wert im Gerät</translation>
    </message>
    <message>
      <source>Value in the file</source>
      <translation>Wert in der Datei</translation>
    </message>
    <message>
      <source>no</source>
      <translation>nein</translation>
    </message>
    <message>
      <source>yes</source>
      <translation>ja</translation>
    </message>
  </context>
  <context>
    <name>ProcessDataBox</name>
    <message>
      <source>Process data</source>
      <translation>Prozessdaten</translation>
    </message>
  </context>
  <context>
    <name>ProcessDataChart</name>
    <message>
      <source>High</source>
      <translation>Hoch</translation>
    </message>
    <message>
      <source>Low</source>
      <translation>Niedrig</translation>
    </message>
    <message>
      <source>Process data chart settings.</source>
      <translation>Einstellungen des Prozessdatendiagramms.</translation>
    </message>
  </context>
  <context>
    <name>ProcessDataHandler</name>
    <message>
      <source>Process data saved to %1 (rows: %2).</source>
      <translation>Prozessdaten gespeichert in %1 (Zeilen: %2).</translation>
    </message>
    <message>
      <source>Start time</source>
      <translation>Startzeit</translation>
    </message>
    <message>
      <source>The file %1 could not be opened for writing. The process data was copied to the clipboard instead.</source>
      <translation>Die Datei %1 konnte nicht zum Schreiben geöffnet werden. Die Prozessdaten wurden stattdessen in die Zwischenablage kopiert.</translation>
    </message>
    <message>
      <source>The file %1 could not be written. The process data was copied to the clipboard instead.</source>
      <translation>Die Datei %1 konnte nicht geschrieben werden. Die Prozessdaten wurden stattdessen in die Zwischenablage kopiert.</translation>
    </message>
    <message>
      <source>Time[ms]</source>
      <translation>Zeit[ms]</translation>
    </message>
  </context>
  <context>
    <name>ProcessDataPage</name>
    <message>
      <source>CSV files (*.csv)</source>
      <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
      <source>Clear data in charts.</source>
      <translation>Daten in den Diagrammen löschen.</translation>
    </message>
    <message>
      <source>Copied chart data to clipboard.</source>
      <translation>Diagrammdaten in die Zwischenablage kopiert.</translation>
    </message>
    <message>
      <source>Copy the last %1 s (the chart window) to the clipboard (Excel format).</source>
      <translation>Die letzten %1 s (das Diagrammfenster) in die Zwischenablage kopieren (Excel-Format).</translation>
    </message>
    <message>
      <source>Copy to clipboard (Excel format).</source>
      <translation>In die Zwischenablage kopieren (Excel-Format).</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Please choose a file</source>
      <translation>Bitte wählen Sie eine Datei</translation>
    </message>
    <message>
      <source>Save as file.</source>
      <translation>Als Datei speichern.</translation>
    </message>
    <message>
      <source>Save the last %1 s (the chart window) as a file.</source>
      <translation>Die letzten %1 s (das Diagrammfenster) als Datei speichern.</translation>
    </message>
    <message>
      <source>Save the last %1 s of process data (the chart window)</source>
      <translation>Die letzten %1 s der Prozessdaten speichern (das Diagrammfenster)</translation>
    </message>
    <message>
      <source>Saving failed</source>
      <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
      <source>Start / pause process data.</source>
      <translation>Prozessdaten starten / anhalten.</translation>
    </message>
  </context>
  <context>
    <name>ProcessDataValueRow</name>
    <message>
      <source>UNDEFINED</source>
      <translation>UNDEFINIERT</translation>
    </message>
  </context>
  <context>
    <name>RoleChooser</name>
    <message>
      <source>Maintenance</source>
      <translation>Instandhaltung</translation>
    </message>
    <message>
      <source>Observer</source>
      <translation>Beobachter</translation>
    </message>
    <message>
      <source>Specialist</source>
      <translation>Spezialist</translation>
    </message>
    <message>
      <source>User role:</source>
      <translation>Benutzerrolle:</translation>
    </message>
  </context>
  <context>
    <name>SerialDeviceDiscovery</name>
    <message>
      <source>The IO-Link master %1 cannot be reached: %2</source>
      <translation>Der IO-Link-Master %1 ist nicht erreichbar: %2</translation>
    </message>
  </context>
  <context>
    <name>ServeSimulator</name>
    <message>
      <source>Cannot listen on %1: %2</source>
      <translation>Auf %1 kann nicht gelauscht werden: %2</translation>
    </message>
    <message>
      <source>Cannot read %1</source>
      <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
      <source>No device could be built from the given files.</source>
      <translation>Aus den angegebenen Dateien konnte kein Gerät erstellt werden.</translation>
    </message>
    <message>
      <source>Usage: serve-simulator --listen HOST:PORT [IODD...]
Serves the simulated master's devices (the sample device when no IODD is given) as an Ethernet IO-Link master with the JSON REST interface.</source>
      <translation>Aufruf: serve-simulator --listen HOST:PORT [IODD...]
Stellt die Geräte des simulierten Masters (ohne IODD das Beispielgerät) als Ethernet-IO-Link-Master mit JSON-REST-Schnittstelle bereit.</translation>
    </message>
  </context>
  <context>
    <name>SettingsDialog</name>
    <message>
      <source>(applies at the next device search)</source>
      <translation>(gilt ab der nächsten Gerätesuche)</translation>
    </message>
    <message>
      <source>(no master library found)</source>
      <translation>(keine Master-Bibliothek gefunden)</translation>
    </message>
    <message>
      <source>Debug disabled</source>
      <translation>Debug deaktiviert</translation>
    </message>
    <message>
      <source>Debug enabled</source>
      <translation>Debug aktiviert</translation>
    </message>
    <message>
      <source>Filter USB Devices</source>
      <translation>USB-Geräte filtern</translation>
    </message>
    <message>
      <source>IODD Directory</source>
      <translation>IODD-Verzeichnis</translation>
    </message>
    <message>
      <source>Language</source>
      <translation>Sprache</translation>
    </message>
    <message>
      <source>Language of the user interface</source>
      <translation>Sprache der Benutzeroberfläche</translation>
    </message>
    <message>
      <source>Settings</source>
      <translation>Einstellungen</translation>
    </message>
    <message>
      <source>Showing IOLink Devices only</source>
      <translation>Nur IO-Link-Geräte werden angezeigt</translation>
    </message>
    <message>
      <source>Showing all USB devices</source>
      <translation>Alle USB-Geräte werden angezeigt</translation>
    </message>
    <message>
      <source>Simulated master</source>
      <translation>Simulierter Master</translation>
    </message>
    <message>
      <source>Using the master library</source>
      <translation>Die Master-Bibliothek wird verwendet</translation>
    </message>
    <message>
      <source>Using the simulated master</source>
      <translation>Der simulierte Master wird verwendet</translation>
    </message>
    <message>
      <source>Verbose debug logging</source>
      <translation>Ausführliche Debug-Protokollierung</translation>
    </message>
  </context>
  <context>
    <name>StatusFooter</name>
    <message>
      <source>Connected</source>
      <translation>Verbunden</translation>
    </message>
    <message>
      <source>Connecting</source>
      <translation>Verbindung wird hergestellt</translation>
    </message>
    <message>
      <source>Not connected</source>
      <translation>Nicht verbunden</translation>
    </message>
    <message>
      <source>Status:</source>
      <translation>Status:</translation>
    </message>
    <message>
      <source>Synchronising</source>
      <translation>Synchronisierung</translation>
    </message>
  </context>
  <context>
    <name>UpdatesDialog</name>
    <message>
      <source>Check for Updates</source>
      <translation>Nach Updates suchen</translation>
    </message>
    <message>
      <source>Copy</source>
      <translation>Kopieren</translation>
    </message>
    <message>
      <source>No web browser could be opened. Updates are available at this address:</source>
      <translation>Es konnte kein Webbrowser geöffnet werden. Updates gibt es unter dieser Adresse:</translation>
    </message>
    <message>
      <source>The address is on the clipboard.</source>
      <translation>Die Adresse ist in der Zwischenablage.</translation>
    </message>
  </context>
  <context>
    <name>ZipDirectoryScan</name>
    <message>
      <source>The archive cannot be read.</source>
      <translation>Das Archiv kann nicht gelesen werden.</translation>
    </message>
    <message>
      <source>The archive is damaged: a file lies outside the archive.</source>
      <translation>Das Archiv ist beschädigt: eine Datei liegt außerhalb des Archivs.</translation>
    </message>
    <message>
      <source>The archive is damaged: it is too short to be a zip file.</source>
      <translation>Das Archiv ist beschädigt: es ist zu kurz für eine ZIP-Datei.</translation>
    </message>
    <message>
      <source>The archive is damaged: its table of contents is cut short.</source>
      <translation>Das Archiv ist beschädigt: sein Inhaltsverzeichnis ist abgeschnitten.</translation>
    </message>
    <message>
      <source>The archive is damaged: its table of contents is missing.</source>
      <translation>Das Archiv ist beschädigt: sein Inhaltsverzeichnis fehlt.</translation>
    </message>
    <message>
      <source>The archive is damaged: its table of contents lies outside the file.</source>
      <translation>Das Archiv ist beschädigt: sein Inhaltsverzeichnis liegt außerhalb der Datei.</translation>
    </message>
    <message>
      <source>The archive uses the zip64 format, which IODD packages never need.</source>
      <translation>Das Archiv nutzt das Zip64-Format, das IODD-Pakete nie brauchen.</translation>
    </message>
  </context>
  <context>
    <name>ovinex-check</name>
    <message>
      <source>Check every online device of this Ethernet IO-Link master instead of files.</source>
      <translation>Statt Dateien jedes Online-Gerät dieses Ethernet-IO-Link-Masters prüfen.</translation>
    </message>
    <message>
      <source>Folder of the IODDs matched to the master's devices (default: the program's IODD folder).</source>
      <translation>Ordner der IODDs, die den Geräten des Masters zugeordnet werden (Standard: der IODD-Ordner des Programms).</translation>
    </message>
    <message>
      <source>IODD files or folders to check.</source>
      <translation>Zu prüfende IODD-Dateien oder Ordner.</translation>
    </message>
    <message>
      <source>Language of the texts: en, de or fr.</source>
      <translation>Sprache der Texte: en, de oder fr.</translation>
    </message>
    <message>
      <source>Runs IODD files through a simulated connection and prints one JSON object per file. A file is ok when its device connects, every variable in use is synchronised and every menu reference to a variable of a supported type is shown, a parameter menu named by the IODD shows rows and process data input shows items. Variables left out because their description is broken are listed under "omitted" and do not fail the file; a file that is no readable device description fails with an "error" text.</source>
      <translation>Führt IODD-Dateien durch eine simulierte Verbindung und gibt je Datei ein JSON-Objekt aus. Eine Datei ist in Ordnung, wenn ihr Gerät sich verbindet, jede verwendete Variable synchronisiert wird, jeder Menüverweis auf eine Variable eines unterstützten Typs angezeigt wird, ein von der IODD genanntes Parametermenü Zeilen zeigt und die Prozessdaten-Eingabe Werte zeigt. Variablen, die wegen einer fehlerhaften Beschreibung ausgelassen werden, stehen unter "omitted" und lassen die Datei nicht scheitern; eine Datei, die keine lesbare Gerätebeschreibung ist, scheitert mit einem "error"-Text.</translation>
    </message>
    <message>
      <source>Runs IODD files through a simulated connection and prints one JSON object per file. A file is ok when its device connects, every variable in use is synchronised and every menu reference to a variable of a supported type is shown. Variables left out because their description is broken are listed under "omitted" and do not fail the file; a file that is no readable device description fails with an "error" text.</source>
      <translation>Prüft IODD-Dateien über eine simulierte Verbindung und gibt je Datei ein JSON-Objekt aus. Eine Datei ist in Ordnung, wenn ihr Gerät sich verbindet, jede verwendete Variable synchronisiert wird und jeder Menüverweis auf eine Variable eines unterstützten Typs angezeigt wird. Variablen, die wegen einer fehlerhaften Beschreibung ausgelassen werden, stehen unter "omitted" und lassen die Datei nicht scheitern; eine Datei, die keine lesbare Gerätebeschreibung ist, scheitert mit einem "error"-Text.</translation>
    </message>
    <message>
      <source>Simulated seconds of process data polling.</source>
      <translation>Simulierte Sekunden der Prozessdatenabfrage.</translation>
    </message>
    <message>
      <source>User role whose pages are measured: observer, maintenance or specialist.</source>
      <translation>Benutzerrolle, deren Seiten gemessen werden: observer, maintenance oder specialist.</translation>
    </message>
    <message>
      <source>Write the whole log to stderr.</source>
      <translation>Das vollständige Protokoll auf stderr ausgeben.</translation>
    </message>
  </context>
  <context>
    <name>ovinex-cli</name>
    <message>
      <source>%1 of %2 parameters differ</source>
      <translation>%1 von %2 Parametern weichen ab</translation>
    </message>
    <message>
      <source>%1 was not removed: %2</source>
      <translation>%1 wurde nicht entfernt: %2</translation>
    </message>
    <message>
      <source>--seconds needs a whole number from 1 to %1.</source>
      <translation>--seconds braucht eine ganze Zahl von 1 bis %1.</translation>
    </message>
    <message>
      <source>Commands:</source>
      <translation>Befehle:</translation>
    </message>
    <message>
      <source>Exit status: 0 on success (compare: no difference), 1 when the device refused something or values differ, 2 for usage errors, unreadable or invalid files, or a device that does not match.</source>
      <translation>Exit-Status: 0 bei Erfolg (compare: keine Abweichung), 1 wenn das Gerät etwas abgelehnt hat oder Werte abweichen, 2 bei Bedienfehlern, nicht lesbaren oder ungültigen Dateien oder einem nicht passenden Gerät.</translation>
    </message>
    <message>
      <source>Folder with the IODD files.</source>
      <translation>Ordner mit den IODD-Dateien.</translation>
    </message>
    <message>
      <source>Import IODD packages (.zip) or files (.xml) into the IODD folder, list its IODDs, or remove one.</source>
      <translation>IODD-Pakete (.zip) oder -Dateien (.xml) in den IODD-Ordner importieren, seine IODDs auflisten oder eine entfernen.</translation>
    </message>
    <message>
      <source>Language of the texts: en, de or fr.</source>
      <translation>Sprache der Texte: en, de oder fr.</translation>
    </message>
    <message>
      <source>List the master ports with the device on each, one JSON object per line.</source>
      <translation>Listet die Master-Ports mit dem Gerät an jedem auf, ein JSON-Objekt pro Zeile.</translation>
    </message>
    <message>
      <source>No IO-Link device answers on port %1.</source>
      <translation>An Port %1 antwortet kein IO-Link-Gerät.</translation>
    </message>
    <message>
      <source>No IODD was found for product %1; only raw access is possible.</source>
      <translation>Für Produkt %1 wurde keine IODD gefunden; nur Rohzugriff ist möglich.</translation>
    </message>
    <message>
      <source>Not an index: %1</source>
      <translation>Kein Index: %1</translation>
    </message>
    <message>
      <source>Not hexadecimal octets: %1</source>
      <translation>Keine hexadezimalen Oktette: %1</translation>
    </message>
    <message>
      <source>Not readable: %1 (index %2): %3</source>
      <translation>Nicht lesbar: %1 (Index %2): %3</translation>
    </message>
    <message>
      <source>Not the address of a network master: %1 (use http://HOST or https://HOST).</source>
      <translation>Keine Adresse eines Netzwerk-Masters: %1 (verwenden Sie http://HOST oder https://HOST).</translation>
    </message>
    <message>
      <source>Parameter sets need the device's IODD; none could be loaded.</source>
      <translation>Parametersätze brauchen die IODD des Geräts; es konnte keine geladen werden.</translation>
    </message>
    <message>
      <source>Print the device status and the active entries of the detailed device status as one JSON object.</source>
      <translation>Den Gerätestatus und die aktiven Einträge des detaillierten Gerätestatus als ein JSON-Objekt ausgeben.</translation>
    </message>
    <message>
      <source>Read an index of the device and print its octets.</source>
      <translation>Liest einen Index des Geräts und gibt seine Oktette aus.</translation>
    </message>
    <message>
      <source>Restoring %1 into %2 (serial number %3) needs --yes; nothing was written.</source>
      <translation>Das Wiederherstellen von %1 in %2 (Seriennummer %3) braucht --yes; es wurde nichts geschrieben.</translation>
    </message>
    <message>
      <source>Run ovinex-cli --help for the usage.</source>
      <translation>Die Bedienung zeigt ovinex-cli --help.</translation>
    </message>
    <message>
      <source>Save the device's parameters to a file, compare them with a file, or restore them from a file.</source>
      <translation>Speichert die Parameter des Geräts in eine Datei, vergleicht sie mit einer Datei oder stellt sie aus einer Datei wieder her.</translation>
    </message>
    <message>
      <source>Scripts what a technician does with IO-Link devices: lists the ports, reads and writes indexes, and saves, compares and restores parameter sets. Results go to stdout, one JSON object per line; messages to stderr.</source>
      <translation>Automatisiert, was ein Techniker mit IO-Link-Geräten tut: listet die Ports, liest und schreibt Indizes und speichert, vergleicht und stellt Parametersätze wieder her. Ergebnisse gehen nach stdout, ein JSON-Objekt pro Zeile; Meldungen nach stderr.</translation>
    </message>
    <message>
      <source>Serve the simulated master's devices (the given IODDs, else the sample) through the JSON REST interface of Ethernet IO-Link masters.</source>
      <translation>Die Geräte des simulierten Masters (die angegebenen IODDs, sonst das Beispiel) über die JSON-REST-Schnittstelle von Ethernet-IO-Link-Mastern anbieten.</translation>
    </message>
    <message>
      <source>Skipped: %1 (index %2): %3</source>
      <translation>Übersprungen: %1 (Index %2): %3</translation>
    </message>
    <message>
      <source>Stay connected for N seconds (default 10) and print each event of the device as one JSON line.</source>
      <translation>N Sekunden verbunden bleiben (Standard 10) und jedes Ereignis des Geräts als eine JSON-Zeile ausgeben.</translation>
    </message>
    <message>
      <source>The IODD file %1 cannot be read.</source>
      <translation>Die IODD-Datei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
      <source>The command and its arguments.</source>
      <translation>Der Befehl und seine Argumente.</translation>
    </message>
    <message>
      <source>The connection to the device on port %1 was lost.</source>
      <translation>Die Verbindung zum Gerät an Port %1 wurde unterbrochen.</translation>
    </message>
    <message>
      <source>The connection to the device was lost; nothing was saved.</source>
      <translation>Die Verbindung zum Gerät ging verloren; es wurde nichts gespeichert.</translation>
    </message>
    <message>
      <source>The device does not report a device status.</source>
      <translation>Das Gerät meldet keinen Gerätestatus.</translation>
    </message>
    <message>
      <source>The device on port %1 could not be connected.</source>
      <translation>Das Gerät an Port %1 konnte nicht verbunden werden.</translation>
    </message>
    <message>
      <source>The master %1 cannot be asked for its ports: %2</source>
      <translation>Der Master %1 kann nicht nach seinen Ports gefragt werden: %2</translation>
    </message>
    <message>
      <source>There is no port %1. Run ovinex-cli ports for the list.</source>
      <translation>Es gibt keinen Port %1. Die Liste zeigt ovinex-cli ports.</translation>
    </message>
    <message>
      <source>Unknown language: %1</source>
      <translation>Unbekannte Sprache: %1</translation>
    </message>
    <message>
      <source>Use either --master or --simulated, not both.</source>
      <translation>Verwenden Sie entweder --master oder --simulated, nicht beides.</translation>
    </message>
    <message>
      <source>Use iodd import FILE..., iodd list or iodd remove PATH.</source>
      <translation>Verwenden Sie iodd import DATEI..., iodd list oder iodd remove PFAD.</translation>
    </message>
    <message>
      <source>Use the settings in this folder instead of temporary ones.</source>
      <translation>Die Einstellungen in diesem Ordner statt temporärer verwenden.</translation>
    </message>
    <message>
      <source>Use the simulated master with a device from this IODD file; repeat it for more devices (ports SIM1, SIM2, ...).</source>
      <translation>Den simulierten Master mit einem Gerät aus dieser IODD-Datei verwenden; für weitere Geräte wiederholen (Ports SIM1, SIM2, ...).</translation>
    </message>
    <message>
      <source>Work with the devices of this Ethernet IO-Link master (JSON REST interface); its ports are named by their number.</source>
      <translation>Mit den Geräten dieses Ethernet-IO-Link-Masters arbeiten (JSON-REST-Schnittstelle); seine Ports werden mit ihrer Nummer angegeben.</translation>
    </message>
    <message>
      <source>Write octets to an index of the device.</source>
      <translation>Schreibt Oktette in einen Index des Geräts.</translation>
    </message>
    <message>
      <source>Write the log to stderr.</source>
      <translation>Das Protokoll nach stderr schreiben.</translation>
    </message>
    <message>
      <source>events needs a port.</source>
      <translation>events braucht einen Port.</translation>
    </message>
    <message>
      <source>events: how many seconds to listen (default 10).</source>
      <translation>events: wie viele Sekunden zugehört wird (Standard 10).</translation>
    </message>
    <message>
      <source>iodd import needs at least one file.</source>
      <translation>iodd import braucht mindestens eine Datei.</translation>
    </message>
    <message>
      <source>params needs save, compare or restore, a port and a file.</source>
      <translation>params braucht save, compare oder restore, einen Port und eine Datei.</translation>
    </message>
    <message>
      <source>params restore: write without asking.</source>
      <translation>params restore: ohne Rückfrage schreiben.</translation>
    </message>
    <message>
      <source>ports takes no arguments.</source>
      <translation>ports nimmt keine Argumente.</translation>
    </message>
    <message>
      <source>read needs a port and an index.</source>
      <translation>read braucht einen Port und einen Index.</translation>
    </message>
    <message>
      <source>serve-simulator: the address and port to listen on, e.g. 127.0.0.1:8080.</source>
      <translation>serve-simulator: Adresse und Port, auf denen gelauscht wird, z. B. 127.0.0.1:8080.</translation>
    </message>
    <message>
      <source>status needs a port.</source>
      <translation>status braucht einen Port.</translation>
    </message>
    <message>
      <source>write needs a port, an index and hexadecimal octets.</source>
      <translation>write braucht einen Port, einen Index und hexadezimale Oktette.</translation>
    </message>
  </context>
</TS>
