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
    <name>ConnectionDialog</name>
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
    <name>DevicePages</name>
    <message>
      <source>Diagnosis</source>
      <translation>Diagnose</translation>
    </message>
    <message>
      <source>Identification</source>
      <translation>Identifikation</translation>
    </message>
    <message>
      <source>No device selected.
Please select a device from the list on the left.</source>
      <translation type="vanished">Kein Gerät ausgewählt.
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
    <name>MenuEntryArrayDisplay</name>
    <message>
      <source>None</source>
      <translation>Keines</translation>
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
    <name>ovinex-check</name>
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
</TS>
