<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>DevicesTab</name>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Apparaat:</translation>
    </message>
</context>
<context>
    <name>ExportWriter</name>
    <message>
        <source>lame crashed.</source>
        <translation>lame is vastgelopen.</translation>
    </message>
    <message>
        <source>lame ended with exit code %1.</source>
        <translation>lame is gestopt met afsluitcode %1.</translation>
    </message>
    <message>
        <source>lame took no audio for %1 seconds.</source>
        <translation>lame heeft %1 seconden lang geen audio aangenomen.</translation>
    </message>
    <message>
        <source>The file holds no audio, or too little.</source>
        <translation>Het bestand bevat geen audio, of te weinig.</translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Select Language:</source>
        <translation>Taal kiezen:</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>Taalkeuze – herstart vereist</translation>
    </message>
    <message>
        <source>Plectronome must be restarted for language change to take effect.</source>
        <translation>Plectronome moet opnieuw starten voordat de nieuwe taal werkt.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Nu opnieuw starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Plectronome could not start again by itself. Please start it again to see the new language.</source>
        <translation>Plectronome kon zichzelf niet opnieuw starten. Start het opnieuw om de nieuwe taal te zien.</translation>
    </message>
    <message>
        <source>Language not saved</source>
        <translation>Taal niet opgeslagen</translation>
    </message>
    <message>
        <source>The new language could not be saved to&lt;br /&gt;%1&lt;br /&gt;Plectronome keeps its language.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>De nieuwe taal kon niet worden opgeslagen in&lt;br /&gt;%1&lt;br /&gt;Plectronome behoudt zijn taal.&lt;br /&gt;Controleer of er in de map geschreven kan worden en of de schijf niet vol is.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>Audiobestand &amp;openen...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>Cd-nummer openen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>Sessie opslaan &amp;als...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>Sessie op&amp;slaan</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>Sessie &amp;laden...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>Audioselectie opslaan</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Audio opslaan</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>Audio van nummer opslaan...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>Audio van riff opslaan...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>&amp;Audioapparaat instellen</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>Stan&amp;daardmappen instellen</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>Snel&amp;toetsen instellen</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>Taa&amp;l instellen</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Help bekijken</translation>
    </message>
    <message>
        <source>Online Support</source>
        <translation>Online ondersteuning</translation>
    </message>
    <message>
        <source>About Plectronome</source>
        <translation>Over Plectronome</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Controleren op updates</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Recente bestanden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>All types (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</source>
        <translation>Alle typen (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>Kan bestand niet laden</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>De analyse loopt nog!&lt;br /&gt;Wacht tot de verwerking klaar is&lt;br /&gt;voordat u een nieuw bestand laadt.</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Audiobestand openen</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>Bestand niet gevonden!</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>Het audiobestand is niet gevonden.&lt;br /&gt;Wilt u zelf een audiobestand kiezen?</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>Bestand te klein!&lt;br /&gt;Kies een ander bestand.</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>Bestand te groot!&lt;br /&gt;Kies een ander bestand.</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>Kies een ander audiobestand.</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>Golfvorm tekenen | %1</translation>
    </message>
    <message>
        <source>Open CD Track</source>
        <translation>Cd-nummer openen</translation>
    </message>
    <message>
        <source>CD tracks (*.wav *.flac *.cda);;</source>
        <translation>Cd-nummers (*.wav *.flac *.cda);;</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>Audio decoderen | %1</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Lijst wissen</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>Lijst &amp;wissen</translation>
    </message>
    <message>
        <source>No web browser could be opened. The page is at:&lt;br /&gt;%1</source>
        <translation>Er kon geen webbrowser worden geopend. De pagina staat op:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>A new version of Plectronome is available!</source>
        <translation>Er is een nieuwe versie van Plectronome beschikbaar!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Bijwerken</translation>
    </message>
    <message>
        <source>You are using the latest version of Plectronome (v%1).</source>
        <translation>U gebruikt de nieuwste versie van Plectronome (v%1).</translation>
    </message>
    <message>
        <source>Cannot connect to server to determine latest version of Plectronome.&lt;br /&gt;Please check your internet connection.</source>
        <translation>Kan geen verbinding maken met de server om de nieuwste versie van Plectronome te bepalen.&lt;br /&gt;Controleer uw internetverbinding.</translation>
    </message>
    <message>
        <source>3rd party libraries used in Plectronome:</source>
        <translation>Bibliotheken van derden in Plectronome:</translation>
    </message>
    <message>
        <source>MP3 files are encoded by the separate lame program.</source>
        <translation>MP3-bestanden worden gecodeerd door het aparte programma lame.</translation>
    </message>
    <message>
        <source>The sample rate of this file is not supported!&lt;br /&gt;Please choose a file recorded at %1 kHz to %2 kHz.</source>
        <translation>De samplefrequentie van dit bestand wordt niet ondersteund!&lt;br /&gt;Kies een bestand opgenomen op %1 kHz tot %2 kHz.</translation>
    </message>
    <message>
        <source>Settings reset</source>
        <translation>Instellingen hersteld</translation>
    </message>
    <message>
        <source>The stored settings could not be read, so the defaults are used.&lt;br /&gt;The old settings file was kept as:&lt;br /&gt;%1</source>
        <translation>De opgeslagen instellingen konden niet worden gelezen, dus de standaardwaarden worden gebruikt.&lt;br /&gt;Het oude instellingenbestand is bewaard als:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</source>
        <translation>Het gekozen bestand wordt niet ondersteund.&lt;br /&gt;Kies een bestand met een van de volgende extensies:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>Kan sessie niet opslaan</translation>
    </message>
    <message>
        <source>The session could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>De sessie kon niet worden opgeslagen in&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>De analyse loopt nog!&lt;br /&gt;Wacht tot de verwerking klaar is&lt;br /&gt;voordat u een nieuw sessiebestand maakt.</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>Sessie opslaan als...</translation>
    </message>
    <message>
        <source>Plectronome Session (*.pq)</source>
        <translation>Plectronome-sessie (*.pq)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>De analyse loopt nog!&lt;br /&gt;Wacht tot de verwerking klaar is&lt;br /&gt;voordat u een nieuwe sessie laadt.</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>Sessiebestand laden</translation>
    </message>
    <message>
        <source>%1 already exists.&lt;br /&gt;Do you want to replace it?</source>
        <translation>%1 bestaat al.&lt;br /&gt;Wilt u het vervangen?</translation>
    </message>
    <message>
        <source>The file %1 cannot be created:&lt;br /&gt;%2</source>
        <translation>Het bestand %1 kan niet worden aangemaakt:&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; could not be started.&lt;br /&gt;Please install the package lame, or save the audio as WAV.</source>
        <translation>De MP3-encoder &quot;lame&quot; kon niet worden gestart.&lt;br /&gt;Installeer het pakket lame, of sla de audio op als WAV.</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped with an error:&lt;br /&gt;%1&lt;br /&gt;Nothing was saved.</source>
        <translation>De MP3-encoder is gestopt met een fout:&lt;br /&gt;%1&lt;br /&gt;Er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>Writing %1 failed:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>Het schrijven van %1 is mislukt:&lt;br /&gt;%2&lt;br /&gt;Er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>The finished audio could not be saved as %1:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>De voltooide audio kon niet worden opgeslagen als %1:&lt;br /&gt;%2&lt;br /&gt;Er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>Audio kan niet worden opgeslagen</translation>
    </message>
    <message>
        <source>Saving Audio | %1</source>
        <translation>Audio opslaan | %1</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>Riff exporteren als WAV...</translation>
    </message>
    <message>
        <source>The current riff has no steps.&lt;br /&gt;Nothing was saved.</source>
        <translation>De huidige riff heeft geen stappen.&lt;br /&gt;Er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>Nummer exporteren als WAV...</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>Nummer opslaan | %1</translation>
    </message>
    <message>
        <source>The song has no riffs.&lt;br /&gt;Nothing was saved.</source>
        <translation>Het nummer heeft geen riffs.&lt;br /&gt;Er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>There is no audio to save in this part of the track.</source>
        <translation>Er is geen audio om op te slaan in dit deel van het nummer.</translation>
    </message>
    <message>
        <source>Unsaved riffs</source>
        <translation>Niet-opgeslagen riffs</translation>
    </message>
    <message>
        <source>The riffs or the song are not saved in a session.&lt;br /&gt;Do you want to save the session?</source>
        <translation>De riffs of het nummer zijn niet in een sessie opgeslagen.&lt;br /&gt;Wilt u de sessie opslaan?</translation>
    </message>
    <message>
        <source>The translation file&lt;br /&gt;%1&lt;br /&gt;is damaged or is not the one installed with Plectronome, so Plectronome is shown in English.</source>
        <translation>Het vertaalbestand&lt;br /&gt;%1&lt;br /&gt;is beschadigd of is niet het bestand dat met Plectronome is geïnstalleerd, daarom wordt Plectronome in het Engels weergegeven.</translation>
    </message>
    <message>
        <source>None of the dropped files could be found:&lt;br /&gt;%1</source>
        <translation>Geen van de neergezette bestanden is gevonden:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>Kan sessie niet laden</translation>
    </message>
    <message>
        <source>This is not a session file that can be loaded:&lt;br /&gt;%1</source>
        <translation>Dit is geen sessiebestand dat geladen kan worden:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Find chords again</source>
        <translation>Akkoorden opnieuw zoeken</translation>
    </message>
    <message>
        <source>Chords corrected by hand are found again too.&lt;br /&gt;Find the chords again from the marked chords only?</source>
        <translation>Met de hand gecorrigeerde akkoorden worden ook opnieuw gezocht.&lt;br /&gt;De akkoorden opnieuw zoeken, alleen uit de gemarkeerde akkoorden?</translation>
    </message>
    <message>
        <source>%1 is write-protected and was not replaced.&lt;br /&gt;Nothing was saved.</source>
        <translation>%1 is tegen schrijven beveiligd en is niet vervangen.&lt;br /&gt;Er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Instellingen niet opgeslagen</translation>
    </message>
    <message>
        <source>The settings could not be saved to&lt;br /&gt;%1&lt;br /&gt;The recent files, folders and shortcuts of this run will be missing at the next start.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>De instellingen konden niet worden opgeslagen in&lt;br /&gt;%1&lt;br /&gt;De recente bestanden, mappen en sneltoetsen van deze sessie ontbreken bij de volgende start.&lt;br /&gt;Controleer of er in de map geschreven kan worden en of de schijf niet vol is.</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before saving audio.</source>
        <translation>De analyse loopt nog!&lt;br /&gt;Wacht tot de verwerking klaar is&lt;br /&gt;voordat u audio opslaat.</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Restore Defaults</source>
        <translation>Standaard herstellen</translation>
    </message>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>Standaardgedrag bij het openen van audiobestanden:</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>Vorige map van audiobestanden openen</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>Altijd de gekozen map openen:</translation>
    </message>
    <message>
        <source>Plectronome Save Location</source>
        <translation>Opslaglocatie van Plectronome</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>Locatie van opgeslagen sessies en geëxporteerde audio:</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>Standaardmap voor audio kiezen</translation>
    </message>
    <message>
        <source>Select Default Plectronome Save Folder</source>
        <translation>Standaard opslagmap van Plectronome kiezen</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>Standaardmappen herstellen</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>Weet u zeker dat u de standaardmappen wilt herstellen?</translation>
    </message>
</context>
<context>
    <name>PlotSelection</name>
    <message>
        <source>%1 BEATS</source>
        <translation>%1 TELLEN</translation>
    </message>
    <message>
        <source>BEATS</source>
        <translation>TELLEN</translation>
    </message>
    <message>
        <source>BEAT</source>
        <translation>TEL</translation>
    </message>
</context>
<context>
    <name>PreferencesMenu</name>
    <message>
        <source>Audio Device</source>
        <translation>Audioapparaat</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>Standaardmappen</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Sneltoetsen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Voorkeuren</translation>
    </message>
</context>
<context>
    <name>ProcessingLabel</name>
    <message>
        <source>Calculating chords</source>
        <translation>Akkoorden berekenen</translation>
    </message>
</context>
<context>
    <name>ShortcutsTab</name>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>Vooruitspoelen</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>Sessie laden</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>Metronoom zachter</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>Metronoom harder</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Audiobestand openen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>Toonhoogte omlaag (-1 halve toon)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>Toonhoogte omhoog (+1 halve toon)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>Afspelen vanaf begin selectie</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>Afspelen/Stoppen</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Terugspoelen</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Audio opslaan</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>Sessie opslaan</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>Tabblad akkoorden tonen</translation>
    </message>
    <message>
        <source>Show Vur Arezev Tab</source>
        <translation>Tabblad Vur Arezev tonen</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>Tabblad riffs tonen</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>Tempo omlaag (-1 BPM)</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>Tempo omhoog (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>Isoleren aan/uit</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>Lus aan/uit</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>Toonhoogte aan/uit</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>Meescrollen aan/uit</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>Tempo aan/uit</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Help bekijken</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volume omlaag</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume omhoog</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Inzoomen</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Instellen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standaard herstellen</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Actie</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Sneltoets</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>Druk een toets voor &quot;%0&quot;:</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>Bestaande sneltoets overschrijven?</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;
Do you want to overwrite that shortcut?</source>
        <translation>De toets &quot;%0&quot; wordt al gebruikt voor de actie &quot;%1&quot;.
Wilt u die sneltoets overschrijven?</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>Standaardsneltoetsen herstellen</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>Weet u zeker dat u de sneltoetsen wilt herstellen?</translation>
    </message>
</context>
</TS>
