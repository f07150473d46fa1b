<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Menu</name>
    <message>
        <source>Offset send</source>
        <translation>Offsets senden</translation>
    </message>
    <message>
        <source>Offset receive</source>
        <translation>Offsets empfangen</translation>
    </message>
    <message>
        <source>Offset initialize</source>
        <translation>Offsets initialisieren</translation>
    </message>
    <message>
        <source>Pallet send</source>
        <translation>Paletten senden</translation>
    </message>
    <message>
        <source>Pallet receive</source>
        <translation>Paletten empfangen</translation>
    </message>
    <message>
        <source>Pallet initialize</source>
        <translation>Paletten initialisieren</translation>
    </message>
    <message>
        <source>Parameter send</source>
        <translation>Parameter senden</translation>
    </message>
    <message>
        <source>Parameter receive</source>
        <translation>Parameter empfangen</translation>
    </message>
    <message>
        <source>Parameter initialize</source>
        <translation>Parameter initialisieren</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New programming</source>
        <translation>&amp;Neues Programm</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Recent files</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Return to &amp;origin</source>
        <translation>&amp;Referenzfahrt</translation>
    </message>
    <message>
        <source>&amp;Program execute</source>
        <translation>&amp;Programm ausführen</translation>
    </message>
    <message>
        <source>&amp;Motor free</source>
        <translation>&amp;Motoren frei</translation>
    </message>
    <message>
        <source>&amp;Step</source>
        <translation>&amp;Schritte</translation>
    </message>
    <message>
        <source>&amp;Parameter</source>
        <translation>&amp;Parameter</translation>
    </message>
    <message>
        <source>P&amp;allet</source>
        <translation>P&amp;aletten</translation>
    </message>
    <message>
        <source>&amp;Offset</source>
        <translation>&amp;Offsets</translation>
    </message>
    <message>
        <source>&amp;Direct</source>
        <translation>&amp;Direktbetrieb</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Anzeige</translation>
    </message>
    <message>
        <source>Run &amp;history</source>
        <translation>&amp;Laufprotokoll</translation>
    </message>
    <message>
        <source>Communication &amp;log</source>
        <translation>&amp;Kommunikationsprotokoll</translation>
    </message>
    <message>
        <source>Se&amp;ttings...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Kommunikation</translation>
    </message>
    <message>
        <source>Compare with controller</source>
        <translation>Mit Steuerung vergleichen</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Chec&amp;k program</source>
        <translation>Programm &amp;prüfen</translation>
    </message>
    <message>
        <source>&amp;COM set</source>
        <translation>&amp;COM-Einstellung</translation>
    </message>
    <message>
        <source>Step s&amp;end</source>
        <translation>Schritte s&amp;enden</translation>
    </message>
    <message>
        <source>&amp;Quick send</source>
        <translation>S&amp;chnellsenden</translation>
    </message>
    <message>
        <source>Step &amp;receive</source>
        <translation>Schritte e&amp;mpfangen</translation>
    </message>
    <message>
        <source>Step &amp;initialize</source>
        <translation>Schritte &amp;initialisieren</translation>
    </message>
    <message>
        <source>C&amp;ompare with controller</source>
        <translation>Mit Steuerung &amp;vergleichen</translation>
    </message>
    <message>
        <source>&amp;Communication</source>
        <translation>&amp;Kommunikation</translation>
    </message>
    <message>
        <source>&amp;Error record display</source>
        <translation>&amp;Fehlerprotokoll anzeigen</translation>
    </message>
    <message>
        <source>Pa&amp;th preview</source>
        <translation>&amp;Bahnvorschau</translation>
    </message>
    <message>
        <source>C&amp;ycle estimate</source>
        <translation>&amp;Zyklusschätzung</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Version</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Tastatur</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Received contents delete</source>
        <translation>Empfangenes löschen</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Pallet</source>
        <translation>Paletten</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offsets</translation>
    </message>
    <message>
        <source>Path preview</source>
        <translation>Bahnvorschau</translation>
    </message>
    <message>
        <source>Run history</source>
        <translation>Laufprotokoll</translation>
    </message>
    <message>
        <source>Communication log</source>
        <translation>Kommunikationsprotokoll</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>Initial screen move</source>
        <translation>Zum Startbildschirm</translation>
    </message>
    <message>
        <source>New programming</source>
        <translation>Neues Programm</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Return to origin</source>
        <translation>Referenzfahrt</translation>
    </message>
    <message>
        <source>Motor free</source>
        <translation>Motoren frei</translation>
    </message>
    <message>
        <source>Program execute</source>
        <translation>Programm ausführen</translation>
    </message>
    <message>
        <source>Step send</source>
        <translation>Schritte senden</translation>
    </message>
    <message>
        <source>Quick send</source>
        <translation>Schnellsenden</translation>
    </message>
    <message>
        <source>Step receive</source>
        <translation>Schritte empfangen</translation>
    </message>
    <message>
        <source>Step initialize</source>
        <translation>Schritte initialisieren</translation>
    </message>
    <message>
        <source>Operation execute</source>
        <translation>Programm ausführen</translation>
    </message>
    <message>
        <source>Error record display</source>
        <translation>Fehlerprotokoll anzeigen</translation>
    </message>
    <message>
        <source>Program No. acquire</source>
        <translation>Programmnummer abfragen</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>The language changes when the editor starts again.</source>
        <translation>Die Sprache wechselt beim nächsten Start des Editors.</translation>
    </message>
    <message>
        <source>Save step times</source>
        <translation>Schrittzeiten speichern</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Is new programming executed?</source>
        <translation>Neue Programmierung ausführen?</translation>
    </message>
    <message>
        <source>Offset contents</source>
        <translation>Offsetinhalt</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Is new program written?</source>
        <translation>Neues Programm schreiben?</translation>
    </message>
    <message>
        <source>Pallet contents</source>
        <translation>Paletteninhalt</translation>
    </message>
    <message>
        <source>Parameter contents</source>
        <translation>Parameterinhalt</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Specify printing range</source>
        <translation>Druckbereich angeben</translation>
    </message>
    <message>
        <source>Printing information transfer is completed.</source>
        <translation>Die Druckdaten wurden vollständig übertragen.</translation>
    </message>
    <message>
        <source>Printing information transfer is interrupted. Printing won&apos;t be completed.</source>
        <translation>Die Übertragung der Druckdaten wurde unterbrochen. Der Druck wird nicht fertiggestellt.</translation>
    </message>
    <message>
        <source>The printer cannot be used.</source>
        <translation>Der Drucker kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>Compare with controller</source>
        <translation>Mit Steuerung vergleichen</translation>
    </message>
    <message>
        <source>&apos;Move to direct screen&apos; cannot be executed while &apos;Operating&apos; is displayed</source>
        <translation>„Zum Direktbetrieb“ ist nicht möglich, solange „Betrieb läuft“ angezeigt wird</translation>
    </message>
    <message>
        <source>Operating</source>
        <translation>Betrieb läuft</translation>
    </message>
    <message>
        <source>Teaching control cannot be made under offline</source>
        <translation>Teachen ist offline nicht möglich</translation>
    </message>
    <message>
        <source>Under offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>File of the same name exists.  Overwrite?</source>
        <translation>Eine Datei mit diesem Namen existiert bereits. Überschreiben?</translation>
    </message>
    <message>
        <source>PGM %1 will be started.  OK?</source>
        <translation>PGM %1 wird gestartet. OK?</translation>
    </message>
    <message>
        <source>PGM %1 will be started. OK?</source>
        <translation>PGM %1 wird gestartet. OK?</translation>
    </message>
</context>
<context>
    <name>RunTexts</name>
    <message>
        <source>Run %1, %2, %3, %4</source>
        <translation>Lauf %1, %2, %3, %4</translation>
    </message>
</context>
<context>
    <name>mivo</name>
    <message>
        <source>STOP (stop command)</source>
        <translation>STOP (Stoppbefehl)</translation>
    </message>
</context>
<context>
    <name>mivo::CancelDialog</name>
    <message>
        <source>MIVO Editor [Cancel]</source>
        <translation>MIVO Editor [Abbrechen]</translation>
    </message>
    <message>
        <source>Transferring</source>
        <translation>Übertragung läuft</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>MSTOP send</source>
        <translation>MSTOP senden</translation>
    </message>
</context>
<context>
    <name>mivo::CommunicationLog</name>
    <message>
        <source>Log folder: </source>
        <translation>Protokollordner: </translation>
    </message>
    <message>
        <source>MIVO Editor [Communication log]</source>
        <translation>MIVO Editor [Kommunikationsprotokoll]</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Open log folder</source>
        <translation>Protokollordner öffnen</translation>
    </message>
</context>
<context>
    <name>mivo::ComparePanel</name>
    <message>
        <source>No differences: the controller holds the same.</source>
        <translation>Keine Unterschiede: Die Steuerung enthält dasselbe.</translation>
    </message>
    <message>
        <source>Out of date: the data or the controller changed after this compare. Compare again.</source>
        <translation>Veraltet: Die Daten oder die Steuerung haben sich nach diesem Vergleich geändert. Bitte erneut vergleichen.</translation>
    </message>
    <message>
        <source>Send selected</source>
        <translation>Ausgewählte senden</translation>
    </message>
    <message>
        <source>Take selected</source>
        <translation>Ausgewählte übernehmen</translation>
    </message>
</context>
<context>
    <name>mivo::CycleTimePanel</name>
    <message>
        <source>Cycle time</source>
        <translation>Zykluszeit</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Clears the cycle times measured so far</source>
        <translation>Löscht die bisher gemessenen Zykluszeiten</translation>
    </message>
    <message>
        <source>Save step times...</source>
        <translation>Schrittzeiten speichern...</translation>
    </message>
    <message>
        <source>Saves the last cycle&apos;s step times, in the order they ran, as a CSV file (step,seconds)</source>
        <translation>Speichert die Schrittzeiten des letzten Zyklus in der Reihenfolge ihres Ablaufs als CSV-Datei (step,seconds)</translation>
    </message>
    <message>
        <source>Run history...</source>
        <translation>Laufprotokoll...</translation>
    </message>
    <message>
        <source>Shows every run kept: their cycle times charted, their steps, CSV export</source>
        <translation>Zeigt alle gespeicherten Läufe: Zykluszeiten als Diagramm, ihre Schritte, CSV-Export</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>Slowest steps of the last cycle, with the monitor on during the run. Resolution: one monitor scan.</source>
        <translation>Langsamste Schritte des letzten Zyklus, mit eingeschaltetem Monitor während des Laufs. Auflösung: ein Monitordurchlauf.</translation>
    </message>
    <message>
        <source>Cycle time: %1</source>
        <translation>Zykluszeit: %1</translation>
    </message>
    <message>
        <source>Runs: 0</source>
        <translation>Läufe: 0</translation>
    </message>
    <message>
        <source>Runs: %1   shortest %2   mean %3   longest %4</source>
        <translation>Läufe: %1   kürzester %2   Mittel %3   längster %4</translation>
    </message>
</context>
<context>
    <name>mivo::DirectPanel</name>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Not read</source>
        <translation>Nicht gelesen</translation>
    </message>
    <message>
        <source>, not current</source>
        <translation>, nicht aktuell</translation>
    </message>
</context>
<context>
    <name>mivo::DirectScreen</name>
    <message>
        <source>MIVO Editor [direct]</source>
        <translation>MIVO Editor [Direktbetrieb]</translation>
    </message>
    <message>
        <source>Step times (*.csv)</source>
        <translation>Schrittzeiten (*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 signal output, state</source>
        <translation>Signalausgang %1, Zustand</translation>
    </message>
    <message>
        <source>DO %1 output, state</source>
        <translation>Ausgang DO %1, Zustand</translation>
    </message>
    <message>
        <source>Received infomation display</source>
        <translation>Empfangene Informationen</translation>
    </message>
    <message>
        <source>Command list</source>
        <translation>Befehlsliste</translation>
    </message>
    <message>
        <source>Return to origin</source>
        <translation>Referenzfahrt</translation>
    </message>
    <message>
        <source>Program execute</source>
        <translation>Programm ausführen</translation>
    </message>
    <message>
        <source>Step operation execute</source>
        <translation>Schrittbetrieb ausführen</translation>
    </message>
    <message>
        <source>Offset execute (after @GO→teach is set)</source>
        <translation>Offset ausführen (nachdem @GO→Teachen gesetzt ist)</translation>
    </message>
    <message>
        <source>ZI move</source>
        <translation>ZI-Fahrt</translation>
    </message>
    <message>
        <source>Release No. receive</source>
        <translation>Release-Nr. empfangen</translation>
    </message>
    <message>
        <source>All counters initialize</source>
        <translation>Alle Zähler initialisieren</translation>
    </message>
    <message>
        <source>Program step initialize</source>
        <translation>Programmschritte initialisieren</translation>
    </message>
    <message>
        <source>All program steps initialize</source>
        <translation>Alle Programmschritte initialisieren</translation>
    </message>
    <message>
        <source>Error record initialize</source>
        <translation>Fehlerprotokoll initialisieren</translation>
    </message>
    <message>
        <source>Parameter initialize</source>
        <translation>Parameter initialisieren</translation>
    </message>
    <message>
        <source>Memory check</source>
        <translation>Speicherprüfung</translation>
    </message>
    <message>
        <source>Present motion step display</source>
        <translation>Aktuellen Bewegungsschritt anzeigen</translation>
    </message>
    <message>
        <source>Program No. display</source>
        <translation>Programmnummer anzeigen</translation>
    </message>
    <message>
        <source>Present position display</source>
        <translation>Aktuelle Position anzeigen</translation>
    </message>
    <message>
        <source>Return-to-origin complete check</source>
        <translation>Abschluss der Referenzfahrt prüfen</translation>
    </message>
    <message>
        <source>Specified counter initialize</source>
        <translation>Angegebenen Zähler initialisieren</translation>
    </message>
    <message>
        <source>Specified counter value acquire</source>
        <translation>Wert des angegebenen Zählers lesen</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>PAL NO.</source>
        <translation>PAL-NR.</translation>
    </message>
    <message>
        <source>Position, program</source>
        <translation>Position, Programm</translation>
    </message>
    <message>
        <source>X Position</source>
        <translation>X-Position</translation>
    </message>
    <message>
        <source>Y Position</source>
        <translation>Y-Position</translation>
    </message>
    <message>
        <source>Z Position</source>
        <translation>Z-Position</translation>
    </message>
    <message>
        <source>R Position</source>
        <translation>R-Position</translation>
    </message>
    <message>
        <source>STEP No.</source>
        <translation>SCHRITT-Nr.</translation>
    </message>
    <message>
        <source>DO/DI monitor</source>
        <translation>DO/DI-Monitor</translation>
    </message>
    <message>
        <source>Start monitor</source>
        <translation>Monitor starten</translation>
    </message>
    <message>
        <source>Monitoring</source>
        <translation>Monitor läuft</translation>
    </message>
    <message>
        <source>START signal state</source>
        <translation>Zustand des START-Signals</translation>
    </message>
    <message>
        <source>%1 state</source>
        <translation>Zustand %1</translation>
    </message>
    <message>
        <source>Stop command</source>
        <translation>Stoppbefehl</translation>
    </message>
    <message>
        <source>Motor free</source>
        <translation>Motoren frei</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Communication cancel</source>
        <translation>Kommunikation abbrechen</translation>
    </message>
    <message>
        <source>Not current: the controller&apos;s last reply was no value</source>
        <translation>Nicht aktuell: Die letzte Antwort der Steuerung war kein Wert</translation>
    </message>
    <message>
        <source>End monitor</source>
        <translation>Monitor beenden</translation>
    </message>
</context>
<context>
    <name>mivo::ErrorDialog</name>
    <message>
        <source>Error display</source>
        <translation>Fehleranzeige</translation>
    </message>
</context>
<context>
    <name>mivo::ErrorRecordDialog</name>
    <message>
        <source>MIVO Editor [Error-Record]</source>
        <translation>MIVO Editor [Fehlerprotokoll]</translation>
    </message>
    <message>
        <source>The higher up on the list, the more recent the error.</source>
        <translation>Je weiter oben in der Liste, desto neuer der Fehler.</translation>
    </message>
</context>
<context>
    <name>mivo::HistoryTableModel</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Zyklus</translation>
    </message>
    <message>
        <source>Program hash</source>
        <translation>Programm-Hash</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Roboter</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Above the upper control limit</source>
        <translation>Über der oberen Eingriffsgrenze</translation>
    </message>
    <message>
        <source>Below the lower control limit</source>
        <translation>Unter der unteren Eingriffsgrenze</translation>
    </message>
</context>
<context>
    <name>mivo::HistoryWindow</name>
    <message>
        <source>Select a run to see where its cycle goes; Ctrl+click a second one to compare the two step by step.</source>
        <translation>Einen Lauf wählen, um zu sehen, wohin seine Zykluszeit geht; mit Strg+Klick einen zweiten, um beide Schritt für Schritt zu vergleichen.</translation>
    </message>
    <message>
        <source>Run history</source>
        <translation>Laufprotokoll</translation>
    </message>
    <message>
        <source>%1 runs</source>
        <translation>%1 Läufe</translation>
    </message>
    <message>
        <source>%1 of %2 runs</source>
        <translation>%1 von %2 Läufen</translation>
    </message>
    <message>
        <source>Select one run to see its steps, or two to compare them.</source>
        <translation>Einen Lauf wählen, um seine Schritte zu sehen, oder zwei, um sie zu vergleichen.</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Von</translation>
    </message>
    <message>
        <source>Only runs started on or after this day</source>
        <translation>Nur Läufe, die an oder nach diesem Tag begonnen haben</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Bis</translation>
    </message>
    <message>
        <source>Only runs started on or before this day</source>
        <translation>Nur Läufe, die an oder vor diesem Tag begonnen haben</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Write the runs shown to a CSV file</source>
        <translation>Die angezeigten Läufe in eine CSV-Datei schreiben</translation>
    </message>
    <message>
        <source>&amp;Program:</source>
        <translation>&amp;Programm:</translation>
    </message>
    <message>
        <source>&amp;Result:</source>
        <translation>&amp;Ergebnis:</translation>
    </message>
</context>
<context>
    <name>mivo::InitDialog</name>
    <message>
        <source>MIVO Editor [init]</source>
        <translation>MIVO Editor [Initialisierung]</translation>
    </message>
    <message>
        <source>Select robot No. to be initialized</source>
        <translation>Roboter-Nr. zum Initialisieren wählen</translation>
    </message>
    <message>
        <source>Select robot No. to be initialized.</source>
        <translation>Roboter-Nr. zum Initialisieren wählen.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>mivo::JogControls</name>
    <message>
        <source>Teach command</source>
        <translation>Teach-Befehle</translation>
    </message>
    <message>
        <source>Teach move : %1</source>
        <translation>Tippbetrieb : %1</translation>
    </message>
    <message>
        <source>1(Quantitative movement)</source>
        <translation>1(Feste Weite)</translation>
    </message>
    <message>
        <source>2(Slow movement)</source>
        <translation>2(Langsam)</translation>
    </message>
    <message>
        <source>3(Fast movement)</source>
        <translation>3(Schnell)</translation>
    </message>
</context>
<context>
    <name>mivo::KeyboardMap</name>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Keys of every window</source>
        <translation>Tasten aller Fenster</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copies the rows selected, or all of them, as text.</source>
        <translation>Kopiert die ausgewählten Zeilen, oder alle, als Text.</translation>
    </message>
</context>
<context>
    <name>mivo::LineSwitch</name>
    <message>
        <source>Line switch</source>
        <translation>Leitungsschalter</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
</context>
<context>
    <name>mivo::OffsetEditor</name>
    <message>
        <source>MIVO Editor [Offset]</source>
        <translation>MIVO Editor [Offset]</translation>
    </message>
    <message>
        <source>Offset value</source>
        <translation>Offsetwert</translation>
    </message>
    <message>
        <source>PgmNo.</source>
        <translation>Prog.-Nr.</translation>
    </message>
</context>
<context>
    <name>mivo::PalletEditor</name>
    <message>
        <source>MIVO Editor [Pallet]</source>
        <translation>MIVO Editor [Palette]</translation>
    </message>
    <message>
        <source>PALLET No.</source>
        <translation>PALETTE Nr.</translation>
    </message>
    <message>
        <source>X section number</source>
        <translation>Teilungen X</translation>
    </message>
    <message>
        <source>Y section number</source>
        <translation>Teilungen Y</translation>
    </message>
</context>
<context>
    <name>mivo::ParameterEditor</name>
    <message>
        <source>MIVO Editor [Parameter]</source>
        <translation>MIVO Editor [Parameter]</translation>
    </message>
</context>
<context>
    <name>mivo::PortDialog</name>
    <message>
        <source>MIVO Editor [COM Select]</source>
        <translation>MIVO Editor [COM-Auswahl]</translation>
    </message>
    <message>
        <source>COM set</source>
        <translation>COM-Einstellung</translation>
    </message>
    <message>
        <source>Serial ports found</source>
        <translation>Gefundene serielle Schnittstellen</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
</context>
<context>
    <name>mivo::PrintDialog</name>
    <message>
        <source>Specify printing range</source>
        <translation>Druckbereich angeben</translation>
    </message>
    <message>
        <source>MIVO Editor [Print]</source>
        <translation>MIVO Editor [Drucken]</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Print stop</source>
        <translation>Druck stoppen</translation>
    </message>
    <message>
        <source>printing</source>
        <translation>Druck läuft</translation>
    </message>
</context>
<context>
    <name>mivo::ProgressDialog</name>
    <message>
        <source>Transferring</source>
        <translation>Übertragung läuft</translation>
    </message>
    <message>
        <source>Stop transfer</source>
        <translation>Übertragung stoppen</translation>
    </message>
</context>
<context>
    <name>mivo::RunChart</name>
    <message>
        <source>Mean %1</source>
        <translation>Mittel %1</translation>
    </message>
    <message>
        <source>Run %1, %2, %3
Cycle %4</source>
        <translation>Lauf %1, %2, %3
Zyklus %4</translation>
    </message>
    <message>
        <source>, above the upper control limit</source>
        <translation>, über der oberen Eingriffsgrenze</translation>
    </message>
    <message>
        <source>, below the lower control limit</source>
        <translation>, unter der unteren Eingriffsgrenze</translation>
    </message>
    <message>
        <source>program changed</source>
        <translation>Programm geändert</translation>
    </message>
    <message>
        <source>No run with a cycle time to chart</source>
        <translation>Kein Lauf mit Zykluszeit für das Diagramm</translation>
    </message>
    <message>
        <source>Cycle time (s)</source>
        <translation>Zykluszeit (s)</translation>
    </message>
    <message>
        <source>All runs within the control limits</source>
        <translation>Alle Läufe innerhalb der Eingriffsgrenzen</translation>
    </message>
    <message>
        <source>%1 run outside the control limits</source>
        <translation>%1 Lauf außerhalb der Eingriffsgrenzen</translation>
    </message>
    <message>
        <source>%1 runs outside the control limits</source>
        <translation>%1 Läufe außerhalb der Eingriffsgrenzen</translation>
    </message>
    <message>
        <source>Fewer than 2 cycles: no control limits</source>
        <translation>Weniger als 2 Zyklen: keine Eingriffsgrenzen</translation>
    </message>
    <message>
        <source>Runs shown, oldest first</source>
        <translation>Angezeigte Läufe, älteste zuerst</translation>
    </message>
    <message>
        <source>UCL %1</source>
        <translation>OEG %1</translation>
    </message>
    <message>
        <source>LCL %1</source>
        <translation>UEG %1</translation>
    </message>
</context>
<context>
    <name>mivo::SettingsDialog</name>
    <message>
        <source>MIVO Editor [Settings]</source>
        <translation>MIVO Editor [Einstellungen]</translation>
    </message>
    <message>
        <source>A shell command run after each run, told the run in MIVO_RESULT, MIVO_CYCLE_S, MIVO_PROGRAM, MIVO_ERROR and MIVO_START; empty for none</source>
        <translation>Ein Shell-Befehl, der nach jedem Programmlauf ausgeführt wird; er erfährt den Lauf aus MIVO_RESULT, MIVO_CYCLE_S, MIVO_PROGRAM, MIVO_ERROR und MIVO_START; leer für keinen</translation>
    </message>
    <message>
        <source>The plant&apos;s MQTT broker that hears each run and the robot&apos;s state, mqtt://HOST:PORT/PREFIX; empty for none</source>
        <translation>Der MQTT-Broker des Werks, der jeden Lauf und den Zustand des Roboters erfährt, mqtt://HOST:PORT/PREFIX; leer für keinen</translation>
    </message>
    <message>
        <source>The language of the windows and messages, from the next start; the controller&apos;s own lines and the files stay as they are</source>
        <translation>Die Sprache der Fenster und Meldungen, ab dem nächsten Start; die Zeilen der Steuerung und die Dateien bleiben, wie sie sind</translation>
    </message>
    <message>
        <source>As the system is set</source>
        <translation>Wie im System eingestellt</translation>
    </message>
    <message>
        <source>After each run, &amp;run:</source>
        <translation>Nach jedem Lauf &amp;ausführen:</translation>
    </message>
    <message>
        <source>Plant &amp;broker (MQTT):</source>
        <translation>&amp;Broker des Werks (MQTT):</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
</context>
<context>
    <name>mivo::StartScreen</name>
    <message>
        <source>MIVO Series Editor</source>
        <translation>MIVO Series Editor</translation>
    </message>
    <message>
        <source>Ver. </source>
        <translation>Ver. </translation>
    </message>
    <message>
        <source>Click the starting button</source>
        <translation>Klicken Sie auf die Startschaltfläche</translation>
    </message>
    <message>
        <source>Start MIVO Editor</source>
        <translation>MIVO Editor starten</translation>
    </message>
</context>
<context>
    <name>mivo::StepBars</name>
    <message>
        <source>Select a run to see where its cycle goes.</source>
        <translation>Einen Lauf wählen, um zu sehen, wohin seine Zykluszeit geht.</translation>
    </message>
    <message>
        <source>No step times were kept for this run: the monitor was not on while it ran.</source>
        <translation>Für diesen Lauf wurden keine Schrittzeiten aufgezeichnet: Die Überwachung war während des Laufs nicht eingeschaltet.</translation>
    </message>
    <message>
        <source>%1 steps, their times summed %2, in the order first visited</source>
        <translation>%1 Schritte, Summe ihrer Zeiten %2, in der Reihenfolge des ersten Durchlaufs</translation>
    </message>
    <message>
        <source>No step times were kept for either run: the monitor was not on while it ran.</source>
        <translation>Für keinen der beiden Läufe wurden Schrittzeiten aufgezeichnet: Die Überwachung war während des Laufs nicht eingeschaltet.</translation>
    </message>
    <message>
        <source>No step times were kept for the first run: the monitor was not on while it ran.</source>
        <translation>Für den ersten Lauf wurden keine Schrittzeiten aufgezeichnet: Die Überwachung war während des Laufs nicht eingeschaltet.</translation>
    </message>
    <message>
        <source>No step times were kept for the second run: the monitor was not on while it ran.</source>
        <translation>Für den zweiten Lauf wurden keine Schrittzeiten aufgezeichnet: Die Überwachung war während des Laufs nicht eingeschaltet.</translation>
    </message>
    <message>
        <source>Second run %1 over all steps; slower at %2 step</source>
        <translation>Zweiter Lauf %1 über alle Schritte; langsamer bei %2 Schritt</translation>
    </message>
    <message>
        <source>Second run %1 over all steps; slower at %2 steps</source>
        <translation>Zweiter Lauf %1 über alle Schritte; langsamer bei %2 Schritten</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Schritt %1</translation>
    </message>
    <message>
        <source>%1  slower</source>
        <translation>%1  langsamer</translation>
    </message>
    <message>
        <source>not visited</source>
        <translation>nicht durchlaufen</translation>
    </message>
</context>
<context>
    <name>mivo::StepChooser</name>
    <message>
        <source>MIVO Editor [read]</source>
        <translation>MIVO Editor [Lesen]</translation>
    </message>
    <message>
        <source>Step No.</source>
        <translation>Schritt-Nr.</translation>
    </message>
    <message>
        <source>Select the step number to perform offset teaching.</source>
        <translation>Wählen Sie den Schritt, dessen Offset geteacht werden soll.</translation>
    </message>
    <message>
        <source>GO movement starts when switching to the Teaching dialog box.</source>
        <translation>Beim Wechsel zum Teach-Dialog beginnt die GO-Fahrt.</translation>
    </message>
    <message>
        <source>Read step</source>
        <translation>Schritt lesen</translation>
    </message>
    <message>
        <source>Teaching dialog box</source>
        <translation>Teach-Dialog</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>mivo::StepEditor</name>
    <message>
        <source>Grid: open the step&apos;s command-entry dialog</source>
        <translation>Tabelle: Befehlseingabe des Schritts öffnen</translation>
    </message>
    <message>
        <source>Send/Receive Range, first step</source>
        <translation>Sende-/Empfangsbereich, erster Schritt</translation>
    </message>
    <message>
        <source>Send/Receive Range, last step</source>
        <translation>Sende-/Empfangsbereich, letzter Schritt</translation>
    </message>
</context>
<context>
    <name>mivo::StopStateMark</name>
    <message>
        <source>Stopping…</source>
        <translation>Wird gestoppt…</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
</context>
<context>
    <name>mivo::TeachScreen</name>
    <message>
        <source>MIVO Editor [Teach]</source>
        <translation>MIVO Editor [Teachen]</translation>
    </message>
    <message>
        <source>X Position</source>
        <translation>X-Position</translation>
    </message>
    <message>
        <source>Y Position</source>
        <translation>Y-Position</translation>
    </message>
    <message>
        <source>Z Position</source>
        <translation>Z-Position</translation>
    </message>
    <message>
        <source>R Position</source>
        <translation>R-Position</translation>
    </message>
    <message>
        <source>X2 Position</source>
        <translation>X2-Position</translation>
    </message>
    <message>
        <source>Y2 Position</source>
        <translation>Y2-Position</translation>
    </message>
    <message>
        <source>X3 Position</source>
        <translation>X3-Position</translation>
    </message>
    <message>
        <source>Y3 Position</source>
        <translation>Y3-Position</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Return to origin</source>
        <translation>Referenzfahrt</translation>
    </message>
    <message>
        <source>Stop command</source>
        <translation>Stoppbefehl</translation>
    </message>
    <message>
        <source>Motor free</source>
        <translation>Motoren frei</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Communication cancel</source>
        <translation>Kommunikation abbrechen</translation>
    </message>
    <message>
        <source>Circle,Pallet position</source>
        <translation>Kreis-, Palettenposition</translation>
    </message>
    <message>
        <source>GO move</source>
        <translation>GO-Fahrt</translation>
    </message>
    <message>
        <source>Pos %1</source>
        <translation>Pos. %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>mivo::VersionDialog</name>
    <message>
        <source>MIVO Editor [Version]</source>
        <translation>MIVO Editor [Version]</translation>
    </message>
    <message>
        <source>Support software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>Ver. : </source>
        <translation>Ver. : </translation>
    </message>
    <message>
        <source>MIVO main unit</source>
        <translation>MIVO Grundgerät</translation>
    </message>
    <message>
        <source>Main Ver. : </source>
        <translation>Haupt Ver. : </translation>
    </message>
    <message>
        <source>Xsub Ver. : </source>
        <translation>X-Sub Ver. : </translation>
    </message>
    <message>
        <source>Ysub Ver. : </source>
        <translation>Y-Sub Ver. : </translation>
    </message>
    <message>
        <source>Zsub Ver. : </source>
        <translation>Z-Sub Ver. : </translation>
    </message>
    <message>
        <source>Rsub Ver. : </source>
        <translation>R-Sub Ver. : </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
</TS>
