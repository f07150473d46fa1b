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
</context>
<context>
    <name>mivo</name>
    <message>
        <source>STOP (stop command)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mivo::DirectPanel</name>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, not current</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mivo::KeyboardMap</name>
    <message>
        <source>Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys of every window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies the rows selected, or all of them, as text.</source>
        <translation type="unfinished"></translation>
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
    <name>mivo::StepEditor</name>
    <message>
        <source>Grid: open the step&apos;s command-entry dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send/Receive Range, first step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send/Receive Range, last step</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
