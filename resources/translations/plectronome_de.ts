<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>DevicesTab</name>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Gerät:</translation>
    </message>
</context>
<context>
    <name>ExportWriter</name>
    <message>
        <source>lame crashed.</source>
        <translation>lame ist abgestürzt.</translation>
    </message>
    <message>
        <source>lame ended with exit code %1.</source>
        <translation>lame wurde mit dem Exit-Code %1 beendet.</translation>
    </message>
    <message>
        <source>lame took no audio for %1 seconds.</source>
        <translation>lame hat %1 Sekunden lang keine Audiodaten angenommen.</translation>
    </message>
    <message>
        <source>The file holds no audio, or too little.</source>
        <translation>Die Datei enthält kein Audio oder zu wenig.</translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Select Language:</source>
        <translation>Sprache wählen:</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>Sprachauswahl – Neustart erforderlich</translation>
    </message>
    <message>
        <source>Plectronome must be restarted for language change to take effect.</source>
        <translation>Plectronome muss neu gestartet werden, damit die neue Sprache wirksam wird.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Jetzt neu starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Plectronome could not start again by itself. Please start it again to see the new language.</source>
        <translation>Plectronome konnte sich nicht selbst neu starten. Bitte starten Sie es erneut, um die neue Sprache zu sehen.</translation>
    </message>
    <message>
        <source>Language not saved</source>
        <translation>Sprache nicht gespeichert</translation>
    </message>
    <message>
        <source>The new language could not be saved to&lt;br /&gt;%1&lt;br /&gt;Plectronome keeps its language.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>Die neue Sprache konnte nicht gespeichert werden in&lt;br /&gt;%1&lt;br /&gt;Plectronome behält seine Sprache.&lt;br /&gt;Bitte prüfen Sie, ob in den Ordner geschrieben werden kann und ob der Datenträger voll ist.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>Audiodatei ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>CD-Titel öffnen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>Sitzung speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>Sitzung &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>Sitzung &amp;laden...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>Audioauswahl speichern</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Audio speichern</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>Song-Audio speichern...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>Riff-Audio speichern...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>&amp;Audiogerät festlegen</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>Stan&amp;dardordner festlegen</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel festlegen</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>&amp;Sprache festlegen</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Hilfe anzeigen</translation>
    </message>
    <message>
        <source>Online Support</source>
        <translation>Online-Support</translation>
    </message>
    <message>
        <source>About Plectronome</source>
        <translation>Über Plectronome</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Zuletzt geöffnete Dateien</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>All types (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</source>
        <translation>Alle Typen (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>Datei kann nicht geladen werden</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>Die Analyse läuft noch!&lt;br /&gt;Bitte warten Sie, bis sie abgeschlossen ist,&lt;br /&gt;bevor Sie eine neue Datei laden.</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Audiodatei öffnen</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>Datei nicht gefunden!</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>Die Audiodatei wurde nicht gefunden.&lt;br /&gt;Möchten Sie selbst eine Audiodatei auswählen?</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>Datei zu klein!&lt;br /&gt;Bitte wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>Datei zu groß!&lt;br /&gt;Bitte wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>Bitte wählen Sie eine andere Audiodatei.</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>Wellenform wird gezeichnet | %1</translation>
    </message>
    <message>
        <source>Open CD Track</source>
        <translation>CD-Titel öffnen</translation>
    </message>
    <message>
        <source>CD tracks (*.wav *.flac *.cda);;</source>
        <translation>CD-Titel (*.wav *.flac *.cda);;</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>Audio wird dekodiert | %1</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <source>No web browser could be opened. The page is at:&lt;br /&gt;%1</source>
        <translation>Es konnte kein Webbrowser geöffnet werden. Die Seite finden Sie unter:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>A new version of Plectronome is available!</source>
        <translation>Eine neue Version von Plectronome ist verfügbar!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>You are using the latest version of Plectronome (v%1).</source>
        <translation>Sie verwenden die neueste Version von Plectronome (v%1).</translation>
    </message>
    <message>
        <source>Cannot connect to server to determine latest version of Plectronome.&lt;br /&gt;Please check your internet connection.</source>
        <translation>Keine Verbindung zum Server, um die neueste Version von Plectronome zu ermitteln.&lt;br /&gt;Bitte prüfen Sie Ihre Internetverbindung.</translation>
    </message>
    <message>
        <source>3rd party libraries used in Plectronome:</source>
        <translation>In Plectronome verwendete Bibliotheken von Drittanbietern:</translation>
    </message>
    <message>
        <source>MP3 files are encoded by the separate lame program.</source>
        <translation>MP3-Dateien werden vom separaten Programm lame kodiert.</translation>
    </message>
    <message>
        <source>The sample rate of this file is not supported!&lt;br /&gt;Please choose a file recorded at %1 kHz to %2 kHz.</source>
        <translation>Die Abtastrate dieser Datei wird nicht unterstützt!&lt;br /&gt;Bitte wählen Sie eine Datei mit %1 kHz bis %2 kHz.</translation>
    </message>
    <message>
        <source>Settings reset</source>
        <translation>Einstellungen zurückgesetzt</translation>
    </message>
    <message>
        <source>The stored settings could not be read, so the defaults are used.&lt;br /&gt;The old settings file was kept as:&lt;br /&gt;%1</source>
        <translation>Die gespeicherten Einstellungen konnten nicht gelesen werden, daher gelten die Standardwerte.&lt;br /&gt;Die alte Einstellungsdatei wurde aufbewahrt als:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</source>
        <translation>Die gewählte Datei wird nicht unterstützt.&lt;br /&gt;Bitte wählen Sie eine Datei mit einer der folgenden Endungen:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>Sitzung kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The session could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>Die Sitzung konnte nicht gespeichert werden unter&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>Die Analyse läuft noch!&lt;br /&gt;Bitte warten Sie, bis sie abgeschlossen ist,&lt;br /&gt;bevor Sie eine neue Sitzungsdatei anlegen.</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>Sitzung speichern unter...</translation>
    </message>
    <message>
        <source>Plectronome Session (*.pq)</source>
        <translation>Plectronome-Sitzung (*.pq)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>Die Analyse läuft noch!&lt;br /&gt;Bitte warten Sie, bis sie abgeschlossen ist,&lt;br /&gt;bevor Sie eine neue Sitzung laden.</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>Sitzungsdatei laden</translation>
    </message>
    <message>
        <source>%1 already exists.&lt;br /&gt;Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.&lt;br /&gt;Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>The file %1 cannot be created:&lt;br /&gt;%2</source>
        <translation>Die Datei %1 kann nicht angelegt werden:&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; could not be started.&lt;br /&gt;Please install the package lame, or save the audio as WAV.</source>
        <translation>Der MP3-Encoder „lame“ konnte nicht gestartet werden.&lt;br /&gt;Bitte installieren Sie das Paket lame oder speichern Sie das Audio als WAV.</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped with an error:&lt;br /&gt;%1&lt;br /&gt;Nothing was saved.</source>
        <translation>Der MP3-Encoder wurde mit einem Fehler beendet:&lt;br /&gt;%1&lt;br /&gt;Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Writing %1 failed:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>Das Schreiben von %1 ist fehlgeschlagen:&lt;br /&gt;%2&lt;br /&gt;Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>The finished audio could not be saved as %1:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>Das fertige Audio konnte nicht als %1 gespeichert werden:&lt;br /&gt;%2&lt;br /&gt;Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>Audio kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Saving Audio | %1</source>
        <translation>Audio wird gespeichert | %1</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>Riff als WAV exportieren...</translation>
    </message>
    <message>
        <source>The current riff has no steps.&lt;br /&gt;Nothing was saved.</source>
        <translation>Das aktuelle Riff hat keine Schritte.&lt;br /&gt;Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>Song als WAV exportieren...</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>Song wird gespeichert | %1</translation>
    </message>
    <message>
        <source>The song has no riffs.&lt;br /&gt;Nothing was saved.</source>
        <translation>Der Song enthält keine Riffs.&lt;br /&gt;Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>There is no audio to save in this part of the track.</source>
        <translation>In diesem Teil des Titels gibt es kein Audio zum Speichern.</translation>
    </message>
    <message>
        <source>Unsaved riffs</source>
        <translation>Nicht gespeicherte Riffs</translation>
    </message>
    <message>
        <source>The riffs or the song are not saved in a session.&lt;br /&gt;Do you want to save the session?</source>
        <translation>Die Riffs oder der Song sind in keiner Sitzung gespeichert.&lt;br /&gt;Möchten Sie die Sitzung speichern?</translation>
    </message>
    <message>
        <source>The translation file&lt;br /&gt;%1&lt;br /&gt;is damaged or is not the one installed with Plectronome, so Plectronome is shown in English.</source>
        <translation>Die Übersetzungsdatei&lt;br /&gt;%1&lt;br /&gt;ist beschädigt oder nicht die mit Plectronome installierte, daher wird Plectronome auf Englisch angezeigt.</translation>
    </message>
    <message>
        <source>None of the dropped files could be found:&lt;br /&gt;%1</source>
        <translation>Keine der abgelegten Dateien wurde gefunden:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>Sitzung kann nicht geladen werden</translation>
    </message>
    <message>
        <source>This is not a session file that can be loaded:&lt;br /&gt;%1</source>
        <translation>Dies ist keine Sitzungsdatei, die geladen werden kann:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Find chords again</source>
        <translation>Akkorde neu bestimmen</translation>
    </message>
    <message>
        <source>Chords corrected by hand are found again too.&lt;br /&gt;Find the chords again from the marked chords only?</source>
        <translation>Von Hand korrigierte Akkorde werden ebenfalls neu bestimmt.&lt;br /&gt;Die Akkorde nur aus den markierten neu bestimmen?</translation>
    </message>
    <message>
        <source>%1 is write-protected and was not replaced.&lt;br /&gt;Nothing was saved.</source>
        <translation>%1 ist schreibgeschützt und wurde nicht ersetzt.&lt;br /&gt;Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Einstellungen nicht gespeichert</translation>
    </message>
    <message>
        <source>The settings could not be saved to&lt;br /&gt;%1&lt;br /&gt;The recent files, folders and shortcuts of this run will be missing at the next start.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden in&lt;br /&gt;%1&lt;br /&gt;Die zuletzt geöffneten Dateien, Ordner und Tastenkürzel dieser Sitzung fehlen beim nächsten Start.&lt;br /&gt;Bitte prüfen Sie, ob in den Ordner geschrieben werden kann und ob der Datenträger voll ist.</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before saving audio.</source>
        <translation>Die Analyse läuft noch!&lt;br /&gt;Bitte warten Sie, bis sie abgeschlossen ist,&lt;br /&gt;bevor Sie Audio speichern.</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Restore Defaults</source>
        <translation>Standard wiederherstellen</translation>
    </message>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>Standardverhalten beim Öffnen von Audiodateien:</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>Zuletzt verwendeten Ordner öffnen</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>Immer diesen Ordner öffnen:</translation>
    </message>
    <message>
        <source>Plectronome Save Location</source>
        <translation>Speicherort von Plectronome</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>Speicherort für Sitzungen und exportiertes Audio:</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>Standard-Audioordner wählen</translation>
    </message>
    <message>
        <source>Select Default Plectronome Save Folder</source>
        <translation>Standard-Speicherordner von Plectronome wählen</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>Standardordner wiederherstellen</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>Möchten Sie die Standardordner wirklich wiederherstellen?</translation>
    </message>
</context>
<context>
    <name>PlotSelection</name>
    <message>
        <source>%1 BEATS</source>
        <translation>%1 SCHLÄGE</translation>
    </message>
    <message>
        <source>BEATS</source>
        <translation>SCHLÄGE</translation>
    </message>
    <message>
        <source>BEAT</source>
        <translation>SCHLAG</translation>
    </message>
</context>
<context>
    <name>PreferencesMenu</name>
    <message>
        <source>Audio Device</source>
        <translation>Audiogerät</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>Standardordner</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>ProcessingLabel</name>
    <message>
        <source>Calculating chords</source>
        <translation>Akkorde werden berechnet</translation>
    </message>
</context>
<context>
    <name>ShortcutsTab</name>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>Vorspulen</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>Sitzung laden</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>Metronom leiser</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>Metronom lauter</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Audiodatei öffnen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>Tonhöhe runter (-1 Halbton)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>Tonhöhe hoch (+1 Halbton)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>Ab Auswahlbeginn abspielen</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>Abspielen/Stopp</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Zurückspulen</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Audio speichern</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>Sitzung speichern</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>Akkordansicht zeigen</translation>
    </message>
    <message>
        <source>Show Vur Arezev Tab</source>
        <translation>Vur-Arezev-Reiter zeigen</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>Riff-Builder zeigen</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>Tempo runter (-1 BPM)</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>Tempo hoch (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>Isolieren ein/aus</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>Schleife ein/aus</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>Tonhöhe ein/aus</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>Mitlaufen ein/aus</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>Tempo ein/aus</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Hilfe anzeigen</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Leiser</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Lauter</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standard wiederherstellen</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>Tastenkombination für „%0“ drücken:</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>Vorhandenes Tastenkürzel überschreiben?</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;
Do you want to overwrite that shortcut?</source>
        <translation>Die Tastenkombination „%0“ wird bereits für die Aktion „%1“ verwendet.
Möchten Sie dieses Tastenkürzel überschreiben?</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>Standard-Tastenkürzel wiederherstellen</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>Möchten Sie die Tastenkürzel wirklich zurücksetzen?</translation>
    </message>
</context>
</TS>
