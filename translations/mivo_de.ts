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
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Cut-off</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
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
    <message>
        <source>Run history</source>
        <translation>Laufprotokoll</translation>
    </message>
    <message>
        <source>Plant broker</source>
        <translation>Broker des Werks</translation>
    </message>
    <message>
        <source>GO move will be executed.  OK?</source>
        <translation>GO-Fahrt wird ausgeführt.  OK?</translation>
    </message>
    <message>
        <source>GO move</source>
        <translation>GO-Fahrt</translation>
    </message>
    <message>
        <source>END: Program operation end</source>
        <translation>END: Programmlauf beendet</translation>
    </message>
    <message>
        <source>RUN execute</source>
        <translation>RUN ausführen</translation>
    </message>
    <message>
        <source>Return-to-origin will be executed.  OK?</source>
        <translation>Referenzfahrt wird ausgeführt.  OK?</translation>
    </message>
    <message>
        <source>Return to origin</source>
        <translation>Referenzfahrt</translation>
    </message>
    <message>
        <source>Step will be executed.  OK?</source>
        <translation>Schritt wird ausgeführt.  OK?</translation>
    </message>
    <message>
        <source>Step execute</source>
        <translation>Schritt ausführen</translation>
    </message>
    <message>
        <source>ZI move will be executed.  OK?</source>
        <translation>ZI-Fahrt wird ausgeführt.  OK?</translation>
    </message>
    <message>
        <source>ZI move</source>
        <translation>ZI-Fahrt</translation>
    </message>
    <message>
        <source>Is offset data write executed?</source>
        <translation>Offsetdaten schreiben?</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>PGM%1 will be started.  OK?</source>
        <translation>PGM%1 wird gestartet.  OK?</translation>
    </message>
    <message>
        <source>PGM %1 will be initialized.  OK?</source>
        <translation>PGM %1 wird initialisiert.  OK?</translation>
    </message>
    <message>
        <source>The controller did not confirm the stop.  The robot may still be moving: stop it with its own emergency stop.</source>
        <translation>Die Steuerung hat den Stopp nicht bestätigt.  Der Roboter bewegt sich möglicherweise noch: Halten Sie ihn mit seinem eigenen Not-Halt an.</translation>
    </message>
    <message>
        <source>Stop not confirmed</source>
        <translation>Stopp nicht bestätigt</translation>
    </message>
    <message>
        <source>Stop not confirmed: the robot may still be moving; use its emergency stop</source>
        <translation>Stopp nicht bestätigt: Der Roboter bewegt sich möglicherweise noch; Not-Halt verwenden</translation>
    </message>
    <message>
        <source>Return-to-origin will be executed. OK?</source>
        <translation>Referenzfahrt wird ausgeführt. OK?</translation>
    </message>
    <message>
        <source>Return-to-origin</source>
        <translation>Referenzfahrt</translation>
    </message>
    <message>
        <source>Return to origin?</source>
        <translation>Referenzfahrt ausführen?</translation>
    </message>
    <message>
        <source>Counter initialize</source>
        <translation>Zähler initialisieren</translation>
    </message>
    <message>
        <source>Step initialize</source>
        <translation>Schritte initialisieren</translation>
    </message>
    <message>
        <source>Pallet counter will be initialized.  OK?</source>
        <translation>Palettenzähler wird initialisiert.  OK?</translation>
    </message>
    <message>
        <source>All pallet counters will be initialized.  OK?</source>
        <translation>Alle Palettenzähler werden initialisiert.  OK?</translation>
    </message>
    <message>
        <source>Check PGM No.</source>
        <translation>PGM-Nr. prüfen.</translation>
    </message>
    <message>
        <source>All steps will be initialized.  OK?</source>
        <translation>Alle Schritte werden initialisiert.  OK?</translation>
    </message>
    <message>
        <source>Error record will be deleted.  OK?</source>
        <translation>Fehlerprotokoll wird gelöscht.  OK?</translation>
    </message>
    <message>
        <source>Error record delete</source>
        <translation>Fehlerprotokoll löschen</translation>
    </message>
    <message>
        <source>Is release No. acquired?</source>
        <translation>Release-Nr. abfragen?</translation>
    </message>
    <message>
        <source>Release No.</source>
        <translation>Release-Nr.</translation>
    </message>
    <message>
        <source>Is memory check executed?</source>
        <translation>Speicherprüfung ausführen?</translation>
    </message>
    <message>
        <source>Memory check</source>
        <translation>Speicherprüfung</translation>
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
        <source>Monitor receive</source>
        <translation>Monitor-Empfang</translation>
    </message>
    <message>
        <source>Monitor is started</source>
        <translation>Monitor ist gestartet</translation>
    </message>
    <message>
        <source>Monitor is ended</source>
        <translation>Monitor ist beendet</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: line %2 holds the character %3, which Windows-1252 cannot hold</source>
        <translation>%1 kann nicht gelesen werden: Zeile %2 enthält das Zeichen %3, das Windows-1252 nicht darstellen kann</translation>
    </message>
    <message>
        <source>MIVO step file (*.stp)</source>
        <translation>MIVO-Schrittdatei (*.stp)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV-Datei (*.csv)</translation>
    </message>
    <message>
        <source>All (*.*)</source>
        <translation>Alle (*.*)</translation>
    </message>
    <message>
        <source>ZEB data file (*.crd)</source>
        <translation>ZEB-Datendatei (*.crd)</translation>
    </message>
    <message>
        <source>all (*.*)</source>
        <translation>Alle (*.*)</translation>
    </message>
    <message>
        <source>Program save</source>
        <translation>Programm speichern</translation>
    </message>
    <message>
        <source>Data will be saved.  OK?</source>
        <translation>Die Daten werden gespeichert. OK?</translation>
    </message>
    <message>
        <source>Is step data saved?</source>
        <translation>Schrittdaten speichern?</translation>
    </message>
    <message>
        <source>Step contents</source>
        <translation>Schrittinhalt</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>MIVO parameter file(*.prm)</source>
        <translation>MIVO-Parameterdatei(*.prm)</translation>
    </message>
    <message>
        <source>CSV file(*.csv)</source>
        <translation>CSV-Datei(*.csv)</translation>
    </message>
    <message>
        <source>All(*.*)</source>
        <translation>Alle(*.*)</translation>
    </message>
    <message>
        <source>ZEB data file(*.crd)</source>
        <translation>ZEB-Datendatei(*.crd)</translation>
    </message>
    <message>
        <source>save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>File of the same name exists. Overwrite?</source>
        <translation>Eine Datei mit diesem Namen existiert bereits. Überschreiben?</translation>
    </message>
    <message>
        <source>Is data saved?</source>
        <translation>Daten speichern?</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Completed. Check data.</source>
        <translation>Abgeschlossen. Daten prüfen.</translation>
    </message>
    <message>
        <source>MIVO pallet file(*.plt)</source>
        <translation>MIVO-Palettendatei(*.plt)</translation>
    </message>
    <message>
        <source>MIVO offset file(*.off)</source>
        <translation>MIVO-Offsetdatei(*.off)</translation>
    </message>
    <message>
        <source>Data will be saved. OK?</source>
        <translation>Die Daten werden gespeichert. OK?</translation>
    </message>
    <message>
        <source>GO move?</source>
        <translation>GO-Fahrt ausführen?</translation>
    </message>
    <message>
        <source>Is parameter data saved?</source>
        <translation>Parameterdaten speichern?</translation>
    </message>
    <message>
        <source>parameter contents</source>
        <translation>Parameterinhalt</translation>
    </message>
    <message>
        <source>ZI move?</source>
        <translation>ZI-Fahrt ausführen?</translation>
    </message>
    <message>
        <source>MIVO palet file(*.plt)</source>
        <translation>MIVO-Palettendatei(*.plt)</translation>
    </message>
    <message>
        <source>Is pallet data saved?</source>
        <translation>Palettendaten speichern?</translation>
    </message>
    <message>
        <source>pallet contents</source>
        <translation>Paletteninhalt</translation>
    </message>
    <message>
        <source>Is offset data saved?</source>
        <translation>Offsetdaten speichern?</translation>
    </message>
    <message>
        <source>offset contents</source>
        <translation>Offsetinhalt</translation>
    </message>
    <message>
        <source>The offset teaching value will be written to the program number set by the rotary switch. Perform offset teaching?</source>
        <translation>Der geteachte Offset wird in das Programm geschrieben, dessen Nummer am Drehschalter eingestellt ist. Offset teachen?</translation>
    </message>
    <message>
        <source>Offset move</source>
        <translation>Offset-Fahrt</translation>
    </message>
    <message>
        <source>A line break cannot be inputted in %1</source>
        <translation>Ein Zeilenumbruch kann in %1 nicht eingegeben werden</translation>
    </message>
    <message>
        <source>A NUL character cannot be inputted in %1</source>
        <translation>Ein NUL-Zeichen kann in %1 nicht eingegeben werden</translation>
    </message>
    <message>
        <source>A comma cannot be inputted in %1</source>
        <translation>Ein Komma kann in %1 nicht eingegeben werden</translation>
    </message>
    <message>
        <source>The run history has no folder: neither XDG_DATA_HOME nor HOME is set. Runs are not kept.</source>
        <translation>Das Laufprotokoll hat keinen Ordner: Weder XDG_DATA_HOME noch HOME ist gesetzt. Läufe werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The run history %1 cannot be opened: %2. Runs are not kept.</source>
        <translation>Das Laufprotokoll %1 kann nicht geöffnet werden: %2. Läufe werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The run history %1 cannot be read: %2. Runs are not kept.</source>
        <translation>Das Laufprotokoll %1 kann nicht gelesen werden: %2. Läufe werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The run history %1 was made by a newer version of this program. Runs are not kept.</source>
        <translation>Das Laufprotokoll %1 wurde von einer neueren Version dieses Programms angelegt. Läufe werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The run history %1 cannot be made: %2. Runs are not kept.</source>
        <translation>Das Laufprotokoll %1 kann nicht angelegt werden: %2. Läufe werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The run history was damaged (%1). It is kept as %2 and a new history is begun.</source>
        <translation>Das Laufprotokoll war beschädigt (%1). Es wird als %2 aufbewahrt, und ein neues Laufprotokoll wird begonnen.</translation>
    </message>
    <message>
        <source>A run could not be kept in the run history %1: the disk is full. Runs that cannot be written are not kept.</source>
        <translation>Ein Lauf konnte nicht im Laufprotokoll %1 gespeichert werden: Der Datenträger ist voll. Läufe, die nicht geschrieben werden können, werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>A run could not be kept in the run history %1: %2. Runs that cannot be written are not kept.</source>
        <translation>Ein Lauf konnte nicht im Laufprotokoll %1 gespeichert werden: %2. Läufe, die nicht geschrieben werden können, werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The controller did not answer within %1 s on %2.  Check the cable and the port, that the controller is powered and that its line is set to 19200 baud.</source>
        <translation>Die Steuerung hat an %2 nicht innerhalb von %1 s geantwortet.  Prüfen Sie Kabel und Anschluss, ob die Steuerung eingeschaltet ist und ihre Schnittstelle auf 19200 Baud steht.</translation>
    </message>
    <message>
        <source>The flight recorder cannot write %1: %2</source>
        <translation>Der Flugschreiber kann %1 nicht schreiben: %2</translation>
    </message>
    <message>
        <source>The flight recorder cannot compress %1</source>
        <translation>Der Flugschreiber kann %1 nicht komprimieren</translation>
    </message>
    <message>
        <source>Communication error occurs!  Make offline once</source>
        <translation>Kommunikationsfehler!  Einmal offline schalten.</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Kommunikationsfehler</translation>
    </message>
    <message>
        <source>Port cannot be open</source>
        <translation>Port kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Circuit open</source>
        <translation>Verbindung öffnen</translation>
    </message>
    <message>
        <source>The line to %1 failed: %2.  The link went off line.</source>
        <translation>Die Leitung zu %1 ist ausgefallen: %2.  Die Verbindung ist offline.</translation>
    </message>
    <message>
        <source>Offset position teach</source>
        <translation>Offsetposition teachen</translation>
    </message>
    <message>
        <source>Is offset sending executed?</source>
        <translation>Offsets senden?</translation>
    </message>
    <message>
        <source>Sending error</source>
        <translation>Sendefehler</translation>
    </message>
    <message>
        <source>Program No. ranges from 0 to 5.</source>
        <translation>Die Programm-Nr. reicht von 0 bis 5.</translation>
    </message>
    <message>
        <source>Offset send</source>
        <translation>Offsets senden</translation>
    </message>
    <message>
        <source>Offset sending is completed</source>
        <translation>Offsets gesendet</translation>
    </message>
    <message>
        <source>Is offset receiving executed?</source>
        <translation>Offsets empfangen?</translation>
    </message>
    <message>
        <source>Offset receive</source>
        <translation>Offsets empfangen</translation>
    </message>
    <message>
        <source>Offset receiving is completed</source>
        <translation>Offsets empfangen</translation>
    </message>
    <message>
        <source>Offset data of PGM No.%1 will be initialized.  OK?</source>
        <translation>Offsetdaten von PGM-Nr. %1 werden initialisiert.  OK?</translation>
    </message>
    <message>
        <source>Offset initialize</source>
        <translation>Offsets initialisieren</translation>
    </message>
    <message>
        <source>Initialize is interrupted</source>
        <translation>Initialisierung abgebrochen</translation>
    </message>
    <message>
        <source>Error occurs</source>
        <translation>Fehler aufgetreten</translation>
    </message>
    <message>
        <source>Offset initialize is completed</source>
        <translation>Offsets initialisiert</translation>
    </message>
    <message>
        <source>File cannot be open</source>
        <translation>Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Pallet position teach</source>
        <translation>Palettenposition teachen</translation>
    </message>
    <message>
        <source>Is pallet sending executed?</source>
        <translation>Paletten senden?</translation>
    </message>
    <message>
        <source>Pallet error</source>
        <translation>Palettenfehler</translation>
    </message>
    <message>
        <source>Pallet No. ranges from 0 to 19</source>
        <translation>Die Paletten-Nr. reicht von 0 bis 19</translation>
    </message>
    <message>
        <source>Pallet send</source>
        <translation>Paletten senden</translation>
    </message>
    <message>
        <source>Pallet sending is completed</source>
        <translation>Paletten gesendet</translation>
    </message>
    <message>
        <source>Is pallet receiving executed?</source>
        <translation>Paletten empfangen?</translation>
    </message>
    <message>
        <source>Pallet receive</source>
        <translation>Paletten empfangen</translation>
    </message>
    <message>
        <source>Pallet receiving is completed</source>
        <translation>Paletten empfangen</translation>
    </message>
    <message>
        <source>Is pallet initialize executed?</source>
        <translation>Paletten initialisieren?</translation>
    </message>
    <message>
        <source>Initialize error</source>
        <translation>Initialisierungsfehler</translation>
    </message>
    <message>
        <source>Pallet initialize</source>
        <translation>Paletten initialisieren</translation>
    </message>
    <message>
        <source>Error occurs!</source>
        <translation>Fehler aufgetreten!</translation>
    </message>
    <message>
        <source>Initialize is completed</source>
        <translation>Initialisierung abgeschlossen</translation>
    </message>
    <message>
        <source>  ZI position teach  </source>
        <translation>  ZI-Position teachen  </translation>
    </message>
    <message>
        <source>Parameter initialize</source>
        <translation>Parameter initialisieren</translation>
    </message>
    <message>
        <source>Parameter initialize is completed</source>
        <translation>Parameter initialisiert</translation>
    </message>
    <message>
        <source>%1 holds at most 1 character</source>
        <translation>%1 fasst höchstens 1 Zeichen</translation>
    </message>
    <message>
        <source>%1 holds at most %2 characters</source>
        <translation>%1 fasst höchstens %2 Zeichen</translation>
    </message>
    <message>
        <source>In case of lead 2, the maximum speed is 70mm/s</source>
        <translation>Bei Steigung 2 beträgt die Höchstgeschwindigkeit 70mm/s</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
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
        <source>Is parameter sending executed?</source>
        <translation>Parameter senden?</translation>
    </message>
    <message>
        <source>Sending is interrupted</source>
        <translation>Senden abgebrochen</translation>
    </message>
    <message>
        <source>Error occurs! No.%1</source>
        <translation>Fehler aufgetreten! Nr.%1</translation>
    </message>
    <message>
        <source>Parameter sending is completed</source>
        <translation>Parameter gesendet</translation>
    </message>
    <message>
        <source>Is parameter receiving executed?</source>
        <translation>Parameter empfangen?</translation>
    </message>
    <message>
        <source>Receiving is interrupted</source>
        <translation>Empfangen abgebrochen</translation>
    </message>
    <message>
        <source>Parameter receiving is completed</source>
        <translation>Parameter empfangen</translation>
    </message>
    <message>
        <source>The command after each run, &apos;%1&apos;, ended with exit code %2 (the shell found no such command). Later failures of it are not said.</source>
        <translation>Der Befehl nach jedem Lauf, &apos;%1&apos;, endete mit Exit-Code %2 (die Shell fand keinen solchen Befehl). Spätere Fehler dieses Befehls werden nicht gemeldet.</translation>
    </message>
    <message>
        <source>The command after each run, &apos;%1&apos;, ended with exit code %2 (the shell could not run it). Later failures of it are not said.</source>
        <translation>Der Befehl nach jedem Lauf, &apos;%1&apos;, endete mit Exit-Code %2 (die Shell konnte ihn nicht ausführen). Spätere Fehler dieses Befehls werden nicht gemeldet.</translation>
    </message>
    <message>
        <source>The command after each run, &apos;%1&apos;, ended with exit code %2. Later failures of it are not said.</source>
        <translation>Der Befehl nach jedem Lauf, &apos;%1&apos;, endete mit Exit-Code %2. Spätere Fehler dieses Befehls werden nicht gemeldet.</translation>
    </message>
    <message>
        <source>The command after each run, &apos;%1&apos;, was ended by signal %2 (%3). Later failures of it are not said.</source>
        <translation>Der Befehl nach jedem Lauf, &apos;%1&apos;, wurde durch Signal %2 (%3) beendet. Spätere Fehler dieses Befehls werden nicht gemeldet.</translation>
    </message>
    <message>
        <source>The command after each run, &apos;%1&apos;, could not be started: %2. Later failures of it are not said.</source>
        <translation>Der Befehl nach jedem Lauf, &apos;%1&apos;, konnte nicht gestartet werden: %2. Spätere Fehler dieses Befehls werden nicht gemeldet.</translation>
    </message>
    <message>
        <source>The command after each run, &apos;%1&apos;, ran longer than its time limit of %2 and was stopped. Later failures of it are not said.</source>
        <translation>Der Befehl nach jedem Lauf, &apos;%1&apos;, lief länger als sein Zeitlimit von %2 und wurde beendet. Spätere Fehler dieses Befehls werden nicht gemeldet.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no broker address (mqtt://HOST:PORT/PREFIX): the topic prefix holds more than 200 bytes.</source>
        <translation>&apos;%1&apos; ist keine Broker-Adresse (mqtt://HOST:PORT/PREFIX): das Themenpräfix ist länger als 200 Bytes.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no broker address (mqtt://HOST:PORT/PREFIX): the topic prefix holds an empty topic level.</source>
        <translation>&apos;%1&apos; ist keine Broker-Adresse (mqtt://HOST:PORT/PREFIX): das Themenpräfix enthält eine leere Themenebene.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no broker address (mqtt://HOST:PORT/PREFIX): the topic prefix holds &apos;+&apos; or &apos;#&apos;, which only subscriptions may hold.</source>
        <translation>&apos;%1&apos; ist keine Broker-Adresse (mqtt://HOST:PORT/PREFIX): das Themenpräfix enthält &apos;+&apos; oder &apos;#&apos;, die nur Abonnements enthalten dürfen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no broker address (mqtt://HOST:PORT/PREFIX): the topic prefix holds a control character.</source>
        <translation>&apos;%1&apos; ist keine Broker-Adresse (mqtt://HOST:PORT/PREFIX): das Themenpräfix enthält ein Steuerzeichen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no broker address (mqtt://HOST:PORT/PREFIX): the topic prefix holds bytes that are no UTF-8.</source>
        <translation>&apos;%1&apos; ist keine Broker-Adresse (mqtt://HOST:PORT/PREFIX): das Themenpräfix enthält Bytes, die kein UTF-8 sind.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no broker address (mqtt://HOST:PORT/PREFIX): only mqtt:// is taken (no TLS, no web sockets).</source>
        <translation>&apos;%1&apos; ist keine Broker-Adresse (mqtt://HOST:PORT/PREFIX): nur mqtt:// wird angenommen (kein TLS, keine WebSockets).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no broker address (mqtt://HOST:PORT/PREFIX): it does not begin with mqtt://.</source>
        <translation>&apos;%1&apos; ist keine Broker-Adresse (mqtt://HOST:PORT/PREFIX): sie beginnt nicht mit mqtt://.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no broker address (mqtt://HOST:PORT/PREFIX): a user name or password is not taken.</source>
        <translation>&apos;%1&apos; ist keine Broker-Adresse (mqtt://HOST:PORT/PREFIX): Benutzername oder Passwort werden nicht angenommen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no broker address (mqtt://HOST:PORT/PREFIX): the IPv6 address has no &apos;]&apos;.</source>
        <translation>&apos;%1&apos; ist keine Broker-Adresse (mqtt://HOST:PORT/PREFIX): der IPv6-Adresse fehlt &apos;]&apos;.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no broker address (mqtt://HOST:PORT/PREFIX): the IPv6 address in brackets is not one.</source>
        <translation>&apos;%1&apos; ist keine Broker-Adresse (mqtt://HOST:PORT/PREFIX): die IPv6-Adresse in Klammern ist keine.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no broker address (mqtt://HOST:PORT/PREFIX): the IPv6 address in brackets is followed by more than a port.</source>
        <translation>&apos;%1&apos; ist keine Broker-Adresse (mqtt://HOST:PORT/PREFIX): auf die IPv6-Adresse in Klammern folgt mehr als ein Port.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no broker address (mqtt://HOST:PORT/PREFIX): the port after &apos;:&apos; is missing.</source>
        <translation>&apos;%1&apos; ist keine Broker-Adresse (mqtt://HOST:PORT/PREFIX): der Port nach &apos;:&apos; fehlt.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no broker address (mqtt://HOST:PORT/PREFIX): the host is missing.</source>
        <translation>&apos;%1&apos; ist keine Broker-Adresse (mqtt://HOST:PORT/PREFIX): der Host fehlt.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no broker address (mqtt://HOST:PORT/PREFIX): the host may hold only letters, digits, &apos;.&apos;, &apos;-&apos; and &apos;_&apos;.</source>
        <translation>&apos;%1&apos; ist keine Broker-Adresse (mqtt://HOST:PORT/PREFIX): der Host darf nur Buchstaben, Ziffern, &apos;.&apos;, &apos;-&apos; und &apos;_&apos; enthalten.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no broker address (mqtt://HOST:PORT/PREFIX): the port is no number from 1 to 65535.</source>
        <translation>&apos;%1&apos; ist keine Broker-Adresse (mqtt://HOST:PORT/PREFIX): der Port ist keine Zahl von 1 bis 65535.</translation>
    </message>
    <message>
        <source>The plant&apos;s broker %1 cannot be reached (%2); runs wait for it, up to %3.</source>
        <translation>Der Broker des Werks %1 ist nicht erreichbar (%2); Läufe warten auf ihn, bis zu %3.</translation>
    </message>
    <message>
        <source>The plant&apos;s broker %1 refused the connection (%2); runs wait for it, up to %3.</source>
        <translation>Der Broker des Werks %1 hat die Verbindung abgelehnt (%2); Läufe warten auf ihn, bis zu %3.</translation>
    </message>
    <message>
        <source>The plant&apos;s broker %1 went away (%2); runs wait for it, up to %3.</source>
        <translation>Der Broker des Werks %1 ist weggefallen (%2); Läufe warten auf ihn, bis zu %3.</translation>
    </message>
    <message>
        <source>The plant&apos;s broker %1 cannot be told: no MQTT client (%2).</source>
        <translation>Dem Broker des Werks %1 kann nichts gemeldet werden: kein MQTT-Client (%2).</translation>
    </message>
    <message>
        <source>The plant&apos;s broker %1 has not taken the runs: beyond the %2 that wait for it the oldest are dropped (%3 so far).</source>
        <translation>Der Broker des Werks %1 hat die Läufe nicht angenommen: Über die %2 wartenden hinaus werden die ältesten verworfen (bisher %3).</translation>
    </message>
    <message>
        <source>Is error record received?</source>
        <translation>Fehlerprotokoll empfangen?</translation>
    </message>
    <message>
        <source>Error record receive</source>
        <translation>Fehlerprotokoll empfangen</translation>
    </message>
    <message>
        <source>Error occurs!  %1</source>
        <translation>Fehler!  %1</translation>
    </message>
    <message>
        <source>Receiving error</source>
        <translation>Empfangsfehler</translation>
    </message>
    <message>
        <source>Operation start</source>
        <translation>Programmstart</translation>
    </message>
    <message>
        <source>No reply from the controller for %1</source>
        <translation>Keine Antwort der Steuerung auf %1</translation>
    </message>
    <message>
        <source>The controller&apos;s reply for %1 was cut at the %2 bytes a line may hold: %3</source>
        <translation>Die Antwort der Steuerung auf %1 wurde bei den %2 Bytes abgeschnitten, die eine Zeile fassen kann: %3</translation>
    </message>
    <message>
        <source>The controller&apos;s reply for %1 is no value it can hold: %2</source>
        <translation>Die Antwort der Steuerung auf %1 ist kein zulässiger Wert: %2</translation>
    </message>
    <message>
        <source>Reply error</source>
        <translation>Antwortfehler</translation>
    </message>
    <message>
        <source>Stop operation</source>
        <translation>Betrieb stoppen</translation>
    </message>
    <message>
        <source>MSTOP send</source>
        <translation>MSTOP senden</translation>
    </message>
    <message>
        <source>Flight recorder</source>
        <translation>Betriebsschreiber</translation>
    </message>
    <message>
        <source>Step position teach</source>
        <translation>Schrittposition teachen</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Select command</source>
        <translation>Befehl wählen</translation>
    </message>
    <message>
        <source>Too few measured steps follow the program&apos;s run from step 0 to fit it: %1</source>
        <translation>Zu wenige gemessene Schritte folgen dem Programmlauf ab Schritt 0, um anzupassen: %1</translation>
    </message>
    <message>
        <source>No END is reached from step 0</source>
        <translation>Kein END ab Schritt 0</translation>
    </message>
    <message>
        <source>No END is reached: the program goes round without one</source>
        <translation>Kein END wird erreicht: Das Programm läuft ohne END im Kreis</translation>
    </message>
    <message>
        <source>step %1 jumps to &apos;%2&apos;, which is no step</source>
        <translation>Schritt %1 springt zu „%2“, das kein Schritt ist</translation>
    </message>
    <message>
        <source>No END is reached: the program calls deeper and deeper</source>
        <translation>Kein END wird erreicht: Das Programm ruft immer tiefer auf</translation>
    </message>
    <message>
        <source>step %1 returns, but no call led there</source>
        <translation>Schritt %1 kehrt zurück, aber kein Aufruf führte dorthin</translation>
    </message>
    <message>
        <source>%1 %2 is outside the %3 stroke %4 to %5</source>
        <translation>%1 %2 liegt außerhalb des %3-Hubs %4 bis %5</translation>
    </message>
    <message>
        <source>Jump-to &apos;%1&apos; is no step number</source>
        <translation>Sprungziel „%1“ ist keine Schrittnummer</translation>
    </message>
    <message>
        <source>Jump to step %1 is past 999</source>
        <translation>Sprung zu Schritt %1 liegt hinter 999</translation>
    </message>
    <message>
        <source>Jump to step %1, which is empty</source>
        <translation>Sprung zu Schritt %1, der leer ist</translation>
    </message>
    <message>
        <source>The circle lacks its second CIR row</source>
        <translation>Dem Kreis fehlt seine zweite CIR-Zeile</translation>
    </message>
    <message>
        <source>The program check found step %1: %2.  Send anyway?</source>
        <translation>Die Programmprüfung fand Schritt %1: %2. Trotzdem senden?</translation>
    </message>
    <message>
        <source>The program check found %1 problems, the first step %2: %3.  Send anyway?</source>
        <translation>Die Programmprüfung fand %1 Probleme, das erste Schritt %2: %3. Trotzdem senden?</translation>
    </message>
    <message>
        <source>Check program</source>
        <translation>Programm prüfen</translation>
    </message>
    <message>
        <source>Is PGM No.%1 initialize executed?</source>
        <translation>PGM-Nr. %1 initialisieren?</translation>
    </message>
    <message>
        <source>Program initialize is completed</source>
        <translation>Das Programm wurde initialisiert</translation>
    </message>
    <message>
        <source>Program initialize</source>
        <translation>Programm initialisieren</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value (step %2)</source>
        <translation>„%1“ ist keine gültige ganze Zahl (Schritt %2)</translation>
    </message>
    <message>
        <source>Steps %1 and %2 are one circle step: they cannot be separated</source>
        <translation>Die Schritte %1 und %2 bilden einen Kreisschritt: Sie können nicht getrennt werden</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Paste cannot be executed, because range is different</source>
        <translation>Einfügen nicht möglich, weil der Bereich abweicht</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Kalibrieren</translation>
    </message>
    <message>
        <source>%1
Remembered for robot %2.</source>
        <translation>%1
Für Roboter %2 gespeichert.</translation>
    </message>
    <message>
        <source>Check sending range</source>
        <translation>Sendebereich prüfen</translation>
    </message>
    <message>
        <source>+ cannot be inputted</source>
        <translation>+ kann nicht eingegeben werden</translation>
    </message>
    <message>
        <source>- cannot be inputted</source>
        <translation>- kann nicht eingegeben werden</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no step command</source>
        <translation>„%1“ ist kein Schrittbefehl</translation>
    </message>
    <message>
        <source>Operation &apos;%1&apos; is no operation code</source>
        <translation>Operation „%1“ ist kein Operationscode</translation>
    </message>
    <message>
        <source>Operation %1 is none of %2&apos;s</source>
        <translation>Operation %1 gehört nicht zu %2</translation>
    </message>
    <message>
        <source>Input X value</source>
        <translation>X-Wert eingeben</translation>
    </message>
    <message>
        <source>Input Y value</source>
        <translation>Y-Wert eingeben</translation>
    </message>
    <message>
        <source>Input Z value</source>
        <translation>Z-Wert eingeben</translation>
    </message>
    <message>
        <source>Input R value</source>
        <translation>R-Wert eingeben</translation>
    </message>
    <message>
        <source>Input X2 value</source>
        <translation>X2-Wert eingeben</translation>
    </message>
    <message>
        <source>Input Y2 value</source>
        <translation>Y2-Wert eingeben</translation>
    </message>
    <message>
        <source>Input X3 value</source>
        <translation>X3-Wert eingeben</translation>
    </message>
    <message>
        <source>Input Y3 value</source>
        <translation>Y3-Wert eingeben</translation>
    </message>
    <message>
        <source>Set input port from 0 to 14</source>
        <translation>Eingangsport von 0 bis 14 einstellen</translation>
    </message>
    <message>
        <source>Set output port from 0 to 12</source>
        <translation>Ausgangsport von 0 bis 12 einstellen</translation>
    </message>
    <message>
        <source>Set output port from 0 to 13</source>
        <translation>Ausgangsport von 0 bis 13 einstellen</translation>
    </message>
    <message>
        <source>Set timer from 1 to 100(x 0.1sec)</source>
        <translation>Timer von 1 bis 100 einstellen (x 0,1 s)</translation>
    </message>
    <message>
        <source>Set pallet No. from 0 to 19</source>
        <translation>Paletten-Nr. von 0 bis 19 einstellen</translation>
    </message>
    <message>
        <source>Input 1 and above</source>
        <translation>1 oder mehr eingeben</translation>
    </message>
    <message>
        <source>Set speed rate from 1 to 100%</source>
        <translation>Geschwindigkeit von 1 bis 100 % einstellen</translation>
    </message>
    <message>
        <source>Cannot compute due to speed data error</source>
        <translation>Berechnung nicht möglich: Geschwindigkeitswert fehlerhaft</translation>
    </message>
    <message>
        <source>Input speed rate</source>
        <translation>Geschwindigkeit eingeben</translation>
    </message>
    <message>
        <source>Input pallet No.</source>
        <translation>Paletten-Nr. eingeben</translation>
    </message>
    <message>
        <source>Input TIMER</source>
        <translation>TIMER eingeben</translation>
    </message>
    <message>
        <source>Input I/O port</source>
        <translation>E/A-Port eingeben</translation>
    </message>
    <message>
        <source>Input jump-to value</source>
        <translation>Sprungziel eingeben</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is no number</source>
        <translation>%1 „%2“ ist keine Zahl</translation>
    </message>
    <message>
        <source>A circle takes two steps: it cannot start at step %1</source>
        <translation>Ein Kreis belegt zwei Schritte: Er kann nicht bei Schritt %1 beginnen</translation>
    </message>
    <message>
        <source>Step send</source>
        <translation>Schritte senden</translation>
    </message>
    <message>
        <source>Step receive</source>
        <translation>Schritte empfangen</translation>
    </message>
    <message>
        <source>Sending is completed</source>
        <translation>Das Senden ist abgeschlossen</translation>
    </message>
    <message>
        <source>Error No. %1</source>
        <translation>Fehler bei Nr. %1</translation>
    </message>
    <message>
        <source>Command type error No. %1</source>
        <translation>Befehlstypfehler bei Nr. %1</translation>
    </message>
    <message>
        <source>Send to PGM%1 will be executed.  OK?</source>
        <translation>Es wird an PGM%1 gesendet. OK?</translation>
    </message>
    <message>
        <source>Sending range starts inside circle step No. %1</source>
        <translation>Der Sendebereich beginnt innerhalb des Kreisschritts Nr. %1</translation>
    </message>
    <message>
        <source>Circle step No. %1 lacks its second CIR row</source>
        <translation>Dem Kreisschritt Nr. %1 fehlt seine zweite CIR-Zeile</translation>
    </message>
    <message>
        <source>PGM %1 on the controller is now empty; %2</source>
        <translation>PGM %1 in der Steuerung ist jetzt leer; %2</translation>
    </message>
    <message>
        <source>PGM %1 on the controller now holds steps 0 to %2 only; %3</source>
        <translation>PGM %1 in der Steuerung enthält jetzt nur die Schritte 0 bis %2; %3</translation>
    </message>
    <message>
        <source>The comparison is of PGM%1, the controller&apos;s current program is PGM%2. Nothing was sent.</source>
        <translation>Der Vergleich gilt PGM%1, das aktuelle Programm der Steuerung ist PGM%2. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Is step received?</source>
        <translation>Schritte empfangen?</translation>
    </message>
    <message>
        <source>Step receiving is completed</source>
        <translation>Das Empfangen der Schritte ist abgeschlossen</translation>
    </message>
    <message>
        <source>Because of overstepping of jump-to, subsequent files cannot be open</source>
        <translation>Weil ein Sprungziel den Bereich überschreitet, können die folgenden Daten nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Steps over 1000 cannot be open</source>
        <translation>Mehr als 1000 Schritte können nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Data is not received properly</source>
        <translation>Daten wurden nicht richtig empfangen</translation>
    </message>
    <message>
        <source>@OFF command cannot be sent</source>
        <translation>Der Befehl @OFF kann nicht gesendet werden</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>@OFF command will be sent. OK?</source>
        <translation>Der Befehl @OFF wird gesendet. OK?</translation>
    </message>
    <message>
        <source>answered No: nothing was done</source>
        <translation>mit Nein beantwortet: Es wurde nichts ausgeführt</translation>
    </message>
    <message>
        <source>direct wants a command</source>
        <translation>direct braucht einen Befehl</translation>
    </message>
    <message>
        <source>unknown direct command %1</source>
        <translation>unbekannter direct-Befehl %1</translation>
    </message>
    <message>
        <source>--range is for steps send/receive</source>
        <translation>--range gilt nur für steps send/receive</translation>
    </message>
    <message>
        <source>--port DEVICE is needed</source>
        <translation>--port DEVICE wird gebraucht</translation>
    </message>
    <message>
        <source>stopped by a signal; the port was closed</source>
        <translation>durch ein Signal gestoppt; der Port wurde geschlossen</translation>
    </message>
    <message>
        <source>direct %1 did not complete</source>
        <translation>direct %1 wurde nicht abgeschlossen</translation>
    </message>
    <message>
        <source>--pallet is for a pallet file (.plt)</source>
        <translation>--pallet gilt nur für eine Palettendatei (.plt)</translation>
    </message>
    <message>
        <source>--calibrate wants a step file and its step times: --calibrate A.stp A.csv</source>
        <translation>--calibrate braucht eine Schrittdatei und ihre Schrittzeiten: --calibrate A.stp A.csv</translation>
    </message>
    <message>
        <source>estimate takes one step file</source>
        <translation>estimate nimmt genau eine Schrittdatei</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>wrong number of operands</source>
        <translation>falsche Anzahl von Operanden</translation>
    </message>
    <message>
        <source>%1: mivo writes data files only, never ZEB files (.crd)</source>
        <translation>%1: mivo schreibt nur Datendateien, nie ZEB-Dateien (.crd)</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>unbekannter Befehl %1</translation>
    </message>
    <message>
        <source>No reply from the controller to %1 within %2 s</source>
        <translation>Keine Antwort der Steuerung auf %1 innerhalb von %2 s</translation>
    </message>
    <message>
        <source>No reply from the controller to %1</source>
        <translation>Keine Antwort der Steuerung auf %1</translation>
    </message>
    <message>
        <source>unknown port command</source>
        <translation>unbekannter Port-Befehl</translation>
    </message>
    <message>
        <source>--quick is for steps send</source>
        <translation>--quick gilt nur für steps send</translation>
    </message>
    <message>
        <source>--quick sends the whole program: no --range with it</source>
        <translation>--quick sendet das ganze Programm: kein --range dazu</translation>
    </message>
    <message>
        <source>--kind is for convert</source>
        <translation>--kind gilt nur für convert</translation>
    </message>
    <message>
        <source>--parameters is for check and steps send</source>
        <translation>--parameters gilt nur für check und steps send</translation>
    </message>
    <message>
        <source>--pallet is for convert</source>
        <translation>--pallet gilt nur für convert</translation>
    </message>
    <message>
        <source>--range wants A-B</source>
        <translation>--range braucht A-B</translation>
    </message>
    <message>
        <source>--pdf OUT.pdf is needed</source>
        <translation>--pdf OUT.pdf wird gebraucht</translation>
    </message>
    <message>
        <source>--pdf wants a file name</source>
        <translation>--pdf braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>--range is for steps and parameters</source>
        <translation>--range gilt nur für Schritte und Parameter</translation>
    </message>
    <message>
        <source>%1 did not complete</source>
        <translation>%1 wurde nicht abgeschlossen</translation>
    </message>
    <message>
        <source>%1 names no %2: give %3 N</source>
        <translation>%1 nennt keine %2: %3 N angeben</translation>
    </message>
    <message>
        <source>%1 wants FILE</source>
        <translation>%1 braucht FILE</translation>
    </message>
    <message>
        <source>--pallet and --program are for convert and compare</source>
        <translation>--pallet und --program gelten nur für convert und compare</translation>
    </message>
    <message>
        <source>--only is for restore</source>
        <translation>--only gilt nur für restore</translation>
    </message>
    <message>
        <source>%1 names %2: a backup takes another name (for example backup.zip)</source>
        <translation>%1 bezeichnet %2: Eine Sicherung braucht einen anderen Namen (zum Beispiel backup.zip)</translation>
    </message>
    <message>
        <source>--program is for an offset file (.off)</source>
        <translation>--program gilt nur für eine Offsetdatei (.off)</translation>
    </message>
    <message>
        <source>pallet 0 to 19</source>
        <translation>Palette 0 bis 19</translation>
    </message>
    <message>
        <source>program 0 to 5</source>
        <translation>Programm 0 bis 5</translation>
    </message>
    <message>
        <source>--timeout wants seconds above 0</source>
        <translation>--timeout braucht Sekunden über 0</translation>
    </message>
    <message>
        <source>--kind wants step, parameter, pallet or offset</source>
        <translation>--kind braucht step, parameter, pallet oder offset</translation>
    </message>
    <message>
        <source>cannot tell what %1 is to hold: name it .stp, .csv, .prm, .plt or .off, or give --kind step, parameter, pallet or offset</source>
        <translation>unklar, was %1 enthalten soll: mit .stp, .csv, .prm, .plt oder .off benennen oder --kind step, parameter, pallet oder offset angeben</translation>
    </message>
    <message>
        <source>%1 would be %2, --kind says %3</source>
        <translation>%1 wäre %2, --kind sagt %3</translation>
    </message>
    <message>
        <source>%1 is %2, %3 would be %4</source>
        <translation>%1 ist %2, %3 wäre %4</translation>
    </message>
    <message>
        <source>%1 is not for direct %2</source>
        <translation>%1 gilt nicht für direct %2</translation>
    </message>
    <message>
        <source>direct %1: wrong number of operands</source>
        <translation>direct %1: falsche Anzahl von Operanden</translation>
    </message>
    <message>
        <source>direct %1: &apos;%2&apos; is longer than %3 characters</source>
        <translation>direct %1: „%2“ ist länger als %3 Zeichen</translation>
    </message>
    <message>
        <source>direct output wants N and on or off</source>
        <translation>direct output braucht N und on oder off</translation>
    </message>
    <message>
        <source>direct output: &apos;%1&apos; is no output number 0 to 15</source>
        <translation>direct output: „%1“ ist keine Ausgangsnummer von 0 bis 15</translation>
    </message>
    <message>
        <source>direct output: &apos;%1&apos; is not on or off</source>
        <translation>direct output: „%1“ ist weder on noch off</translation>
    </message>
    <message>
        <source>direct jog wants one axis: X+ X- Y+ Y- Z+ Z- R+ R-</source>
        <translation>direct jog braucht eine Achse: X+ X- Y+ Y- Z+ Z- R+ R-</translation>
    </message>
    <message>
        <source>direct jog: &apos;%1&apos; is none of X+ X- Y+ Y- Z+ Z- R+ R-</source>
        <translation>direct jog: „%1“ ist keine von X+ X- Y+ Y- Z+ Z- R+ R-</translation>
    </message>
    <message>
        <source>--mode wants 1, 2 or 3</source>
        <translation>--mode braucht 1, 2 oder 3</translation>
    </message>
    <message>
        <source>--hold is for modes 2 and 3</source>
        <translation>--hold gilt nur für die Modi 2 und 3</translation>
    </message>
    <message>
        <source>--hold wants seconds above 0</source>
        <translation>--hold braucht Sekunden über 0</translation>
    </message>
    <message>
        <source>direct monitor takes no operands</source>
        <translation>direct monitor nimmt keine Operanden</translation>
    </message>
    <message>
        <source>--cycles wants a whole number above 0</source>
        <translation>--cycles braucht eine ganze Zahl über 0</translation>
    </message>
    <message>
        <source>--program wants a program number 0 to 5</source>
        <translation>--program braucht eine Programmnummer von 0 bis 5</translation>
    </message>
    <message>
        <source>%1 wants a local date, 2026-12-09, or a date and time, 2026-12-09T08:30</source>
        <translation>%1 braucht ein lokales Datum, 2026-12-09, oder Datum und Uhrzeit, 2026-12-09T08:30</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is no time like 2026-12-08T03:04:05 (.mmm may follow) or day like 2026-12-08</source>
        <translation>%1 „%2“ ist weder eine Zeit wie 2026-12-08T03:04:05 (.mmm darf folgen) noch ein Tag wie 2026-12-08</translation>
    </message>
    <message>
        <source>--until %1 is before --since %2</source>
        <translation>--until %1 liegt vor --since %2</translation>
    </message>
    <message>
        <source>the flight recorder&apos;s folder is not known: neither XDG_STATE_HOME nor HOME is set</source>
        <translation>der Ordner des Flugschreibers ist unbekannt: weder XDG_STATE_HOME noch HOME ist gesetzt</translation>
    </message>
    <message>
        <source>no flight recorder files in %1</source>
        <translation>keine Dateien des Flugschreibers in %1</translation>
    </message>
    <message>
        <source>%1 wants send FILE, receive NUMBER FILE or init NUMBER</source>
        <translation>%1 braucht send FILE, receive NUMBER FILE oder init NUMBER</translation>
    </message>
    <message>
        <source>ROBOT is one of 10, 11, 12, 20, 21, 22, 30, 31, 32, not %1</source>
        <translation>ROBOT ist einer von 10, 11, 12, 20, 21, 22, 30, 31, 32, nicht %1</translation>
    </message>
    <message>
        <source>params wants send FILE, receive FILE or init ROBOT [FILE]</source>
        <translation>params braucht send FILE, receive FILE oder init ROBOT [FILE]</translation>
    </message>
    <message>
        <source>cannot tell what %1 holds: name it .stp, .prm, .plt or .off, or give --kind</source>
        <translation>unklar, was %1 enthält: mit .stp, .prm, .plt oder .off benennen oder --kind angeben</translation>
    </message>
    <message>
        <source>%1 is not of the kind --kind names</source>
        <translation>%1 ist nicht von der Art, die --kind nennt</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation>das PDF konnte nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>a step file</source>
        <translation>eine Schrittdatei</translation>
    </message>
    <message>
        <source>a parameter file</source>
        <translation>eine Parameterdatei</translation>
    </message>
    <message>
        <source>a pallet file</source>
        <translation>eine Palettendatei</translation>
    </message>
    <message>
        <source>an offset file</source>
        <translation>eine Offsetdatei</translation>
    </message>
    <message>
        <source>DEVICE  the serial device the controller is on</source>
        <translation>DEVICE  die serielle Schnittstelle, an der die Steuerung hängt</translation>
    </message>
    <message>
        <source>answer every question Yes</source>
        <translation>jede Frage mit Ja beantworten</translation>
    </message>
    <message>
        <source>SECONDS  how long a reply is waited for (10 unless given)</source>
        <translation>SECONDS  wie lange auf eine Antwort gewartet wird (ohne Angabe 10)</translation>
    </message>
    <message>
        <source>FILE  append every line sent and received to FILE, with its time</source>
        <translation>FILE  jede gesendete und empfangene Zeile mit ihrer Zeit an FILE anhängen</translation>
    </message>
    <message>
        <source>A-B  the steps (parameters, for print) from A to B</source>
        <translation>A-B  die Schritte (bei print die Parameter) von A bis B</translation>
    </message>
    <message>
        <source>send the whole program as Quick send does</source>
        <translation>das ganze Programm senden, wie Schnellsenden es tut</translation>
    </message>
    <message>
        <source>FILE.prm  the parameter file: check positions against its strokes, estimate with its limits</source>
        <translation>FILE.prm  die Parameterdatei: Positionen gegen ihre Hübe prüfen, mit ihren Grenzen schätzen</translation>
    </message>
    <message>
        <source>step|parameter|pallet|offset  what a file holds whose name does not say</source>
        <translation>step|parameter|pallet|offset  was eine Datei enthält, deren Name es nicht sagt</translation>
    </message>
    <message>
        <source>N  the pallet number</source>
        <translation>N  die Palettennummer</translation>
    </message>
    <message>
        <source>N  the program: an offset file&apos;s, or the runs listed</source>
        <translation>N  das Programm: das einer Offsetdatei oder das der aufgelisteten Läufe</translation>
    </message>
    <message>
        <source>DATE  from this local day (2026-12-09) or time (2026-12-09T08:30)</source>
        <translation>DATE  ab diesem lokalen Tag (2026-12-09) oder Zeitpunkt (2026-12-09T08:30)</translation>
    </message>
    <message>
        <source>DATE  to this local day or time, the whole day it names when a day</source>
        <translation>DATE  bis zu diesem lokalen Tag oder Zeitpunkt; bei einem Tag der ganze Tag</translation>
    </message>
    <message>
        <source>the runs as CSV, with a header line</source>
        <translation>die Läufe als CSV, mit einer Kopfzeile</translation>
    </message>
    <message>
        <source>CMD  run CMD after the run (MIVO_RESULT, MIVO_CYCLE_S ... in its environment)</source>
        <translation>CMD  CMD nach dem Lauf ausführen (MIVO_RESULT, MIVO_CYCLE_S ... in seiner Umgebung)</translation>
    </message>
    <message>
        <source>mqtt://HOST:PORT/PREFIX  tell the plant&apos;s broker of each run and the robot&apos;s state</source>
        <translation>mqtt://HOST:PORT/PREFIX  dem Broker des Werks jeden Lauf und den Zustand des Roboters melden</translation>
    </message>
    <message>
        <source>PARTS  send only these of steps,parameters,pallets,offsets</source>
        <translation>PARTS  nur diese von steps,parameters,pallets,offsets senden</translation>
    </message>
    <message>
        <source>OUT.pdf  the PDF file to write</source>
        <translation>OUT.pdf  die zu schreibende PDF-Datei</translation>
    </message>
    <message>
        <source>print the cycle time after END</source>
        <translation>nach END die Zykluszeit ausgeben</translation>
    </message>
    <message>
        <source>FILE.csv  write the run&apos;s step times, as the monitor saw them, to FILE.csv</source>
        <translation>FILE.csv  die Schrittzeiten des Laufs, wie der Monitor sie sah, in FILE.csv schreiben</translation>
    </message>
    <message>
        <source>A.stp A.csv  fit the estimate to a measured run first: program A and its step times</source>
        <translation>A.stp A.csv  die Schätzung zuerst an einen gemessenen Lauf anpassen: Programm A und seine Schrittzeiten</translation>
    </message>
    <message>
        <source>1|2|3  the jog mode</source>
        <translation>1|2|3  der Modus des Tippbetriebs</translation>
    </message>
    <message>
        <source>SECONDS  how long a jog in mode 2 or 3 is held (0.5 unless given)</source>
        <translation>SECONDS  wie lange ein Tippen in Modus 2 oder 3 gehalten wird (ohne Angabe 0,5)</translation>
    </message>
    <message>
        <source>N  end the monitor after N scans</source>
        <translation>N  den Monitor nach N Abfragen beenden</translation>
    </message>
    <message>
        <source>this text</source>
        <translation>dieser Text</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>The backup is of PGM%1, the controller&apos;s current program is PGM%2. Nothing was sent.</source>
        <translation>Die Sicherung gilt PGM%1, das aktuelle Programm der Steuerung ist PGM%2. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>PGM %1</source>
        <translation>PGM %1</translation>
    </message>
    <message>
        <source>the archive still holds the whole program: restore again</source>
        <translation>das Archiv enthält weiterhin das ganze Programm: erneut wiederherstellen</translation>
    </message>
    <message>
        <source>pallet %1</source>
        <translation>Palette %1</translation>
    </message>
    <message>
        <source>offsets of PGM %1</source>
        <translation>Offsets von PGM %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the file has 1 line</source>
        <translation>die Datei hat 1 Zeile</translation>
    </message>
    <message>
        <source>the file has %1 lines</source>
        <translation>die Datei hat %1 Zeilen</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>an offset file has 5, one value a line</source>
        <translation>eine Offsetdatei hat 5, ein Wert je Zeile</translation>
    </message>
    <message>
        <source>line %1 of %2 follows the last value line, an offset file has 5 lines: %3</source>
        <translation>Zeile %1 von %2 folgt auf die letzte Wertzeile, eine Offsetdatei hat 5 Zeilen: %3</translation>
    </message>
    <message>
        <source>a pallet file has 10, one value a line</source>
        <translation>eine Palettendatei hat 10, ein Wert je Zeile</translation>
    </message>
    <message>
        <source>line %1 of %2 follows the last value line, a pallet file has 10 lines: %3</source>
        <translation>Zeile %1 von %2 folgt auf die letzte Wertzeile, eine Palettendatei hat 10 Zeilen: %3</translation>
    </message>
    <message>
        <source>a ZEB data file has no block for pallet No. %1</source>
        <translation>eine ZEB-Datendatei hat keinen Block für Palette Nr. %1</translation>
    </message>
    <message>
        <source>pallet No. %1 stands in lines %2 to %3</source>
        <translation>Palette Nr. %1 steht in den Zeilen %2 bis %3</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>a parameter file has 44, one value a line</source>
        <translation>eine Parameterdatei hat 44, ein Wert je Zeile</translation>
    </message>
    <message>
        <source>line %1 of %2 follows the last value line, a parameter file has 44 lines: %3</source>
        <translation>Zeile %1 von %2 folgt auf die letzte Wertzeile, eine Parameterdatei hat 44 Zeilen: %3</translation>
    </message>
    <message>
        <source>line %1, characters %2 to %3</source>
        <translation>Zeile %1, Zeichen %2 bis %3</translation>
    </message>
    <message>
        <source>the parameters of a ZEB data file stand in lines %1 to %2</source>
        <translation>die Parameter einer ZEB-Datendatei stehen in den Zeilen %1 bis %2</translation>
    </message>
    <message>
        <source>the file is empty; a step file has 1000 lines</source>
        <translation>die Datei ist leer; eine Schrittdatei hat 1000 Zeilen</translation>
    </message>
    <message>
        <source>the file ends after line %1; a step file has 1000 lines</source>
        <translation>die Datei endet nach Zeile %1; eine Schrittdatei hat 1000 Zeilen</translation>
    </message>
    <message>
        <source>line %1 of %2 has 1 comma, a step line has at least 7: %3</source>
        <translation>Zeile %1 von %2 hat 1 Komma, eine Schrittzeile hat mindestens 7: %3</translation>
    </message>
    <message>
        <source>line %1 of %2 has %3 commas, a step line has at least 7: %4</source>
        <translation>Zeile %1 von %2 hat %3 Kommas, eine Schrittzeile hat mindestens 7: %4</translation>
    </message>
    <message>
        <source>line %1 of %2 follows the last step line, a step file has 1000 lines: %3</source>
        <translation>Zeile %1 von %2 folgt auf die letzte Schrittzeile, eine Schrittdatei hat 1000 Zeilen: %3</translation>
    </message>
    <message>
        <source>send the whole program again</source>
        <translation>das ganze Programm erneut senden</translation>
    </message>
    <message>
        <source>the steps of a ZEB data file stand in lines 1 to %1</source>
        <translation>die Schritte einer ZEB-Datendatei stehen in den Zeilen 1 bis %1</translation>
    </message>
    <message>
        <source>line %1: &apos;%2&apos; is not the header &apos;%3&apos;</source>
        <translation>Zeile %1: „%2“ ist nicht die Kopfzeile „%3“</translation>
    </message>
    <message>
        <source>line %1: &apos;%2&apos; is no step and its seconds</source>
        <translation>Zeile %1: „%2“ ist kein Schritt mit seinen Sekunden</translation>
    </message>
    <message>
        <source>the file holds no step times</source>
        <translation>die Datei enthält keine Schrittzeiten</translation>
    </message>
    <message>
        <source>The step times</source>
        <translation>Die Schrittzeiten</translation>
    </message>
    <message>
        <source>The runs shown</source>
        <translation>Die angezeigten Läufe</translation>
    </message>
    <message>
        <source>the device belongs to the group %1; join it with &quot;sudo usermod -aG %1 %2&quot;, then log out and in again</source>
        <translation>das Gerät gehört der Gruppe %1; mit „sudo usermod -aG %1 %2“ beitreten, dann ab- und wieder anmelden</translation>
    </message>
    <message>
        <source>%1: no such device (%2)</source>
        <translation>%1: kein solches Gerät (%2)</translation>
    </message>
    <message>
        <source>%1: permission denied (%2); %3</source>
        <translation>%1: Zugriff verweigert (%2); %3</translation>
    </message>
    <message>
        <source>%1: busy, in use by another program (%2)</source>
        <translation>%1: belegt, von einem anderen Programm verwendet (%2)</translation>
    </message>
    <message>
        <source>Nothing is ticked: tick the items to send first.</source>
        <translation>Nichts ist angehakt: zuerst die zu sendenden Einträge anhaken.</translation>
    </message>
    <message>
        <source>Nothing is ticked: tick the items to take first.</source>
        <translation>Nichts ist angehakt: zuerst die zu übernehmenden Einträge anhaken.</translation>
    </message>
    <message>
        <source>%1 could not be saved to %2: %3</source>
        <translation>%1 konnten nicht in %2 gespeichert werden: %3</translation>
    </message>
    <message>
        <source>Not a text file (it contains NUL bytes)</source>
        <translation>Keine Textdatei (sie enthält NUL-Bytes)</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>File is too large</source>
        <translation>Die Datei ist zu groß</translation>
    </message>
    <message>
        <source>zlib cannot start</source>
        <translation>zlib kann nicht starten</translation>
    </message>
    <message>
        <source>damaged compressed data: %1</source>
        <translation>beschädigte komprimierte Daten: %1</translation>
    </message>
    <message>
        <source>damaged compressed data</source>
        <translation>beschädigte komprimierte Daten</translation>
    </message>
    <message>
        <source>the compressed data is cut short</source>
        <translation>die komprimierten Daten sind abgeschnitten</translation>
    </message>
    <message>
        <source>another program holds its lock</source>
        <translation>ein anderes Programm hält ihre Sperre</translation>
    </message>
    <message>
        <source>the line was hung up (device closed or unplugged)</source>
        <translation>die Verbindung wurde getrennt (Gerät geschlossen oder abgezogen)</translation>
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
    <name>mivo::CommandDialog</name>
    <message>
        <source>MIVO Editor [Command Select]</source>
        <translation>MIVO Editor [Befehlsauswahl]</translation>
    </message>
    <message>
        <source>Select command</source>
        <translation>Befehl wählen</translation>
    </message>
    <message>
        <source>Jump-to</source>
        <translation>Sprungziel</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Teaching</source>
        <translation>Teachen</translation>
    </message>
    <message>
        <source>0:POI (point motion)</source>
        <translation>0:POI (Punktbewegung)</translation>
    </message>
    <message>
        <source>0:POI(point motion)</source>
        <translation>0:POI(Punktbewegung)</translation>
    </message>
    <message>
        <source>0:Point move (XY -&gt; Z move)</source>
        <translation>0:Punktfahrt (XY -&gt; Z-Fahrt)</translation>
    </message>
    <message>
        <source>1:Point move (after ZI rise -&gt; XY -&gt; Z move)</source>
        <translation>1:Punktfahrt (nach Heben auf ZI -&gt; XY -&gt; Z-Fahrt)</translation>
    </message>
    <message>
        <source>2:Point move (after Z0 rise -&gt; XY -&gt; Z move)</source>
        <translation>2:Punktfahrt (nach Heben auf Z0 -&gt; XY -&gt; Z-Fahrt)</translation>
    </message>
    <message>
        <source> 2:Point move(after Z0 rise -&gt; XY -&gt; Z move)</source>
        <translation> 2:Punktfahrt(nach Heben auf Z0 -&gt; XY -&gt; Z-Fahrt)</translation>
    </message>
    <message>
        <source>3:ZI rise only</source>
        <translation>3:Nur Heben auf ZI</translation>
    </message>
    <message>
        <source>4:Z0 rise only</source>
        <translation>4:Nur Heben auf Z0</translation>
    </message>
    <message>
        <source>4:ZO rise only</source>
        <translation>4:Nur Heben auf Z0</translation>
    </message>
    <message>
        <source>5:Return to origin</source>
        <translation>5:Referenzfahrt</translation>
    </message>
    <message>
        <source>6:R-axis motion only</source>
        <translation>6:Nur R-Achse</translation>
    </message>
    <message>
        <source>7:Point move (XYZ absolute value move)</source>
        <translation>7:Punktfahrt (XYZ absolut)</translation>
    </message>
    <message>
        <source>8:Point move (XYZ relative value move)</source>
        <translation>8:Punktfahrt (XYZ relativ)</translation>
    </message>
    <message>
        <source>8:Point move(XYZ relative value move)</source>
        <translation>8:Punktfahrt(XYZ relativ)</translation>
    </message>
    <message>
        <source>1:LIN (interpolation motion)</source>
        <translation>1:LIN (Interpolationsbewegung)</translation>
    </message>
    <message>
        <source>1:LIN(interpolation motion)</source>
        <translation>1:LIN(Interpolationsbewegung)</translation>
    </message>
    <message>
        <source>0:Linear interpolation move (XYZ move)</source>
        <translation>0:Linearinterpolation (XYZ-Fahrt)</translation>
    </message>
    <message>
        <source>1:Continuous interpolation memory start</source>
        <translation>1:Beginn der kontinuierlichen Interpolation</translation>
    </message>
    <message>
        <source>2:Continuous interpolation memory end</source>
        <translation>2:Ende der kontinuierlichen Interpolation</translation>
    </message>
    <message>
        <source>4:R linear interpolation (XYR move)</source>
        <translation>4:R-Linearinterpolation (XYR-Fahrt)</translation>
    </message>
    <message>
        <source>2:PAL (pallet motion)</source>
        <translation>2:PAL (Palettenbewegung)</translation>
    </message>
    <message>
        <source>0:Pallet move</source>
        <translation>0:Palettenfahrt</translation>
    </message>
    <message>
        <source>1:Pallet count-up output</source>
        <translation>1:Palettenzähler erhöhen</translation>
    </message>
    <message>
        <source>2:Pallet counter clear</source>
        <translation>2:Palettenzähler löschen</translation>
    </message>
    <message>
        <source>3:CIR (circle motion)</source>
        <translation>3:CIR (Kreisbewegung)</translation>
    </message>
    <message>
        <source>0:Circular interpolation move</source>
        <translation>0:Kreisinterpolation</translation>
    </message>
    <message>
        <source>4:SEQ (sequence command)</source>
        <translation>4:SEQ (Ablaufbefehl)</translation>
    </message>
    <message>
        <source>0:Input ON wait</source>
        <translation>0:Warten auf Eingang EIN</translation>
    </message>
    <message>
        <source>1:Input OFF wait</source>
        <translation>1:Warten auf Eingang AUS</translation>
    </message>
    <message>
        <source>2:Output ON</source>
        <translation>2:Ausgang EIN</translation>
    </message>
    <message>
        <source>3:Output OFF</source>
        <translation>3:Ausgang AUS</translation>
    </message>
    <message>
        <source>4:Timer</source>
        <translation>4:Timer</translation>
    </message>
    <message>
        <source>4:TIMER</source>
        <translation>4:TIMER</translation>
    </message>
    <message>
        <source>6:Conditional JUMP (ON)</source>
        <translation>6:Bedingter Sprung (EIN)</translation>
    </message>
    <message>
        <source>7:Conditional JUMP (OFF)</source>
        <translation>7:Bedingter Sprung (AUS)</translation>
    </message>
    <message>
        <source>8:Unconditional JUMP</source>
        <translation>8:Unbedingter Sprung</translation>
    </message>
    <message>
        <source>900:Conditional CALL JUMP</source>
        <translation>900:Bedingter Unterprogrammsprung</translation>
    </message>
    <message>
        <source>916:Unconditional CALL JUMP</source>
        <translation>916:Unbedingter Unterprogrammsprung</translation>
    </message>
    <message>
        <source>917:Return</source>
        <translation>917:Rücksprung</translation>
    </message>
    <message>
        <source>917:RETURN</source>
        <translation>917:RÜCKSPRUNG</translation>
    </message>
    <message>
        <source>5:END (end command)</source>
        <translation>5:END (Endebefehl)</translation>
    </message>
    <message>
        <source>0:Unconditionality end</source>
        <translation>0:Unbedingtes Ende</translation>
    </message>
    <message>
        <source>1:1cycle end</source>
        <translation>1:Ende nach einem Zyklus</translation>
    </message>
    <message>
        <source>2:Repetition driving</source>
        <translation>2:Wiederholbetrieb</translation>
    </message>
    <message>
        <source>Rate(%)</source>
        <translation>Geschw.(%)</translation>
    </message>
    <message>
        <source>No.(0 - 19)</source>
        <translation>Nr.(0 - 19)</translation>
    </message>
    <message>
        <source>I/O port</source>
        <translation>E/A-Port</translation>
    </message>
    <message>
        <source>TIMER(*0.1S)</source>
        <translation>TIMER(*0,1 s)</translation>
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
        <translation>Schritt</translation>
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
        <translation>Schritt</translation>
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
    <name>mivo::GridParameterModel</name>
    <message>
        <source>Prm No.</source>
        <translation>Prm-Nr.</translation>
    </message>
    <message>
        <source>Parameter&apos;s Name</source>
        <translation>Parametername</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Input range</source>
        <translation>Eingabebereich</translation>
    </message>
    <message>
        <source>Initial value</source>
        <translation>Anfangswert</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
</context>
<context>
    <name>mivo::GridStepModel</name>
    <message>
        <source>Step No.</source>
        <translation>Schritt-Nr.</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operation</translation>
    </message>
    <message>
        <source>JUMP</source>
        <translation>SPRUNG</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Estimated: %1</source>
        <translation>Geschätzt: %1</translation>
    </message>
    <message>
        <source> in %1 visits</source>
        <translation> in %1 Durchläufen</translation>
    </message>
    <message>
        <source>
Far above the steps around it</source>
        <translation>
Weit über den Schritten ringsum</translation>
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
    <name>mivo::RunTraceWindow</name>
    <message>
        <source>Path preview</source>
        <translation>Bahnvorschau</translation>
    </message>
    <message>
        <source>&amp;Follow run</source>
        <translation>Lauf &amp;folgen</translation>
    </message>
    <message>
        <source>The running step&apos;s row current at each scan of the monitor</source>
        <translation>Bei jedem Abtasten der Überwachung wird die Zeile des laufenden Schritts aktuell</translation>
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
    <message>
        <source>MIVO Editor [Main-Step]</source>
        <translation>MIVO Editor [Haupt-Schritt]</translation>
    </message>
    <message>
        <source> Send/Receive Range </source>
        <translation> Sende-/Empfangsbereich </translation>
    </message>
    <message>
        <source>Pgm No.  </source>
        <translation>Pgm-Nr.  </translation>
    </message>
    <message>
        <source>Program check</source>
        <translation>Programmprüfung</translation>
    </message>
    <message>
        <source>step %1: %2</source>
        <translation>Schritt %1: %2</translation>
    </message>
    <message>
        <source>No findings: the program passes the check.</source>
        <translation>Keine Befunde: Das Programm besteht die Prüfung.</translation>
    </message>
    <message>
        <source>The program&apos;s cycle from step 0 to its END by the motion law, before it runs</source>
        <translation>Der Zyklus des Programms von Schritt 0 bis END nach dem Bewegungsgesetz, vor dem Lauf</translation>
    </message>
    <message>
        <source>the parameter editor&apos;s values</source>
        <translation>Werte des Parameter-Editors</translation>
    </message>
    <message>
        <source>robot 22&apos;s values</source>
        <translation>die Werte von Roboter 22</translation>
    </message>
    <message>
        <source>, calibrated for robot %1</source>
        <translation>, kalibriert für Roboter %1</translation>
    </message>
    <message>
        <source>Estimated cycle: - (%1)</source>
        <translation>Geschätzter Zyklus: - (%1)</translation>
    </message>
    <message>
        <source>   Limits: %1%2</source>
        <translation>   Grenzwerte: %1%2</translation>
    </message>
    <message>
        <source>   (far above the steps around it)</source>
        <translation>   (weit über den Schritten ringsum)</translation>
    </message>
    <message>
        <source>Cycle estimate</source>
        <translation>Zyklusschätzung</translation>
    </message>
    <message>
        <source>Calibrate from step times...</source>
        <translation>Aus Schrittzeiten kalibrieren...</translation>
    </message>
    <message>
        <source>Fits the estimate to this robot from the step times saved after a run of this program (the direct screen&apos;s &quot;Save step times...&quot;)</source>
        <translation>Passt die Schätzung an diesen Roboter an, anhand der nach einem Lauf dieses Programms gespeicherten Schrittzeiten (im Direktbetrieb „Schrittzeiten speichern...“)</translation>
    </message>
    <message>
        <source>Forget calibration</source>
        <translation>Kalibrierung verwerfen</translation>
    </message>
    <message>
        <source>Estimates with the parameters&apos; own accelerations again</source>
        <translation>Schätzt wieder mit den Beschleunigungen der Parameter</translation>
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
        <source>Path preview</source>
        <translation>Bahnvorschau</translation>
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
