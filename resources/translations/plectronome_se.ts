<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>DevicesTab</name>
    <message>
        <source>Apply</source>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Enhet:</translation>
    </message>
</context>
<context>
    <name>ExportWriter</name>
    <message>
        <source>lame crashed.</source>
        <translation>lame kraschade.</translation>
    </message>
    <message>
        <source>lame ended with exit code %1.</source>
        <translation>lame avslutades med slutkod %1.</translation>
    </message>
    <message>
        <source>lame took no audio for %1 seconds.</source>
        <translation>lame tog inte emot något ljud på %1 sekunder.</translation>
    </message>
    <message>
        <source>The file holds no audio, or too little.</source>
        <translation>Filen innehåller inget ljud, eller för lite.</translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Apply</source>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>Select Language:</source>
        <translation>Välj språk:</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>Språkval – omstart krävs</translation>
    </message>
    <message>
        <source>Plectronome must be restarted for language change to take effect.</source>
        <translation>Plectronome måste startas om för att språkbytet ska gälla.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Starta om nu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Plectronome could not start again by itself. Please start it again to see the new language.</source>
        <translation>Plectronome kunde inte starta om av sig självt. Starta programmet igen för att se det nya språket.</translation>
    </message>
    <message>
        <source>Language not saved</source>
        <translation>Språket sparades inte</translation>
    </message>
    <message>
        <source>The new language could not be saved to&lt;br /&gt;%1&lt;br /&gt;Plectronome keeps its language.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>Det nya språket kunde inte sparas i&lt;br /&gt;%1&lt;br /&gt;Plectronome behåller sitt språk.&lt;br /&gt;Kontrollera att det går att skriva i mappen och att disken inte är full.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>&amp;Öppna ljudfil...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>Öppna CD-spår...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>Spara session &amp;som...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>&amp;Spara session</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>&amp;Läs in session...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>Spara ljudmarkering</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Spara ljud</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>Spara låtens ljud...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>Spara riffets ljud...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>Välj &amp;ljudenhet</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>Välj stan&amp;dardmappar</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>Välj &amp;kortkommandon</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>Välj s&amp;pråk</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Visa hjälp</translation>
    </message>
    <message>
        <source>Online Support</source>
        <translation>Support på webben</translation>
    </message>
    <message>
        <source>About Plectronome</source>
        <translation>Om Plectronome</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Sök efter uppdateringar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Senaste filer</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Inställningar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>All types (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</source>
        <translation>Alla typer (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>Det går inte att läsa in filen</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>Analysen pågår fortfarande!&lt;br /&gt;Vänta tills bearbetningen är klar&lt;br /&gt;innan du läser in en ny fil.</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Öppna ljudfil</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>Filen hittades inte!</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>Ljudfilen kunde inte hittas.&lt;br /&gt;Vill du välja en ljudfil själv?</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>Filen är för liten!&lt;br /&gt;Välj en annan fil.</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>Filen är för stor!&lt;br /&gt;Välj en annan fil.</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>Välj en annan ljudfil.</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>Ritar vågform | %1</translation>
    </message>
    <message>
        <source>Open CD Track</source>
        <translation>Öppna CD-spår</translation>
    </message>
    <message>
        <source>CD tracks (*.wav *.flac *.cda);;</source>
        <translation>CD-spår (*.wav *.flac *.cda);;</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>Avkodar ljud | %1</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Töm listan</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Töm listan</translation>
    </message>
    <message>
        <source>No web browser could be opened. The page is at:&lt;br /&gt;%1</source>
        <translation>Ingen webbläsare kunde öppnas. Sidan finns på:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>A new version of Plectronome is available!</source>
        <translation>En ny version av Plectronome finns!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Uppdatera</translation>
    </message>
    <message>
        <source>You are using the latest version of Plectronome (v%1).</source>
        <translation>Du använder den senaste versionen av Plectronome (v%1).</translation>
    </message>
    <message>
        <source>Cannot connect to server to determine latest version of Plectronome.&lt;br /&gt;Please check your internet connection.</source>
        <translation>Kan inte ansluta till servern för att ta reda på den senaste versionen av Plectronome.&lt;br /&gt;Kontrollera din internetanslutning.</translation>
    </message>
    <message>
        <source>3rd party libraries used in Plectronome:</source>
        <translation>Tredjepartsbibliotek som används i Plectronome:</translation>
    </message>
    <message>
        <source>MP3 files are encoded by the separate lame program.</source>
        <translation>MP3-filer kodas av det separata programmet lame.</translation>
    </message>
    <message>
        <source>The sample rate of this file is not supported!&lt;br /&gt;Please choose a file recorded at %1 kHz to %2 kHz.</source>
        <translation>Filens samplingsfrekvens stöds inte!&lt;br /&gt;Välj en fil inspelad med %1 kHz till %2 kHz.</translation>
    </message>
    <message>
        <source>Settings reset</source>
        <translation>Inställningarna återställdes</translation>
    </message>
    <message>
        <source>The stored settings could not be read, so the defaults are used.&lt;br /&gt;The old settings file was kept as:&lt;br /&gt;%1</source>
        <translation>De sparade inställningarna kunde inte läsas, så standardvärdena används.&lt;br /&gt;Den gamla inställningsfilen sparades som:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</source>
        <translation>Den valda filen stöds inte.&lt;br /&gt;Välj en fil med något av följande filtillägg:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>Det går inte att spara sessionen</translation>
    </message>
    <message>
        <source>The session could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>Sessionen kunde inte sparas i&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>Analysen pågår fortfarande!&lt;br /&gt;Vänta tills bearbetningen är klar&lt;br /&gt;innan du skapar en ny sessionsfil.</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>Spara session som...</translation>
    </message>
    <message>
        <source>Plectronome Session (*.pq)</source>
        <translation>Plectronome-session (*.pq)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>Analysen pågår fortfarande!&lt;br /&gt;Vänta tills bearbetningen är klar&lt;br /&gt;innan du läser in en ny session.</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>Läs in sessionsfil</translation>
    </message>
    <message>
        <source>%1 already exists.&lt;br /&gt;Do you want to replace it?</source>
        <translation>%1 finns redan.&lt;br /&gt;Vill du ersätta den?</translation>
    </message>
    <message>
        <source>The file %1 cannot be created:&lt;br /&gt;%2</source>
        <translation>Filen %1 kan inte skapas:&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; could not be started.&lt;br /&gt;Please install the package lame, or save the audio as WAV.</source>
        <translation>MP3-kodaren &quot;lame&quot; kunde inte startas.&lt;br /&gt;Installera paketet lame eller spara ljudet som WAV.</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped with an error:&lt;br /&gt;%1&lt;br /&gt;Nothing was saved.</source>
        <translation>MP3-kodaren stoppade med ett fel:&lt;br /&gt;%1&lt;br /&gt;Inget sparades.</translation>
    </message>
    <message>
        <source>Writing %1 failed:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>Det gick inte att skriva %1:&lt;br /&gt;%2&lt;br /&gt;Inget sparades.</translation>
    </message>
    <message>
        <source>The finished audio could not be saved as %1:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>Det färdiga ljudet kunde inte sparas som %1:&lt;br /&gt;%2&lt;br /&gt;Inget sparades.</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>Ljudet kan inte sparas</translation>
    </message>
    <message>
        <source>Saving Audio | %1</source>
        <translation>Sparar ljud | %1</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>Exportera riff som WAV...</translation>
    </message>
    <message>
        <source>The current riff has no steps.&lt;br /&gt;Nothing was saved.</source>
        <translation>Det aktuella riffet har inga steg.&lt;br /&gt;Inget sparades.</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>Exportera låt som WAV...</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>Sparar låt | %1</translation>
    </message>
    <message>
        <source>The song has no riffs.&lt;br /&gt;Nothing was saved.</source>
        <translation>Låten har inga riff.&lt;br /&gt;Inget sparades.</translation>
    </message>
    <message>
        <source>There is no audio to save in this part of the track.</source>
        <translation>Det finns inget ljud att spara i den här delen av spåret.</translation>
    </message>
    <message>
        <source>Unsaved riffs</source>
        <translation>Osparade riff</translation>
    </message>
    <message>
        <source>The riffs or the song are not saved in a session.&lt;br /&gt;Do you want to save the session?</source>
        <translation>Riffen eller låten är inte sparade i en session.&lt;br /&gt;Vill du spara sessionen?</translation>
    </message>
    <message>
        <source>The translation file&lt;br /&gt;%1&lt;br /&gt;is damaged or is not the one installed with Plectronome, so Plectronome is shown in English.</source>
        <translation>Översättningsfilen&lt;br /&gt;%1&lt;br /&gt;är skadad eller är inte den som installerades med Plectronome, så Plectronome visas på engelska.</translation>
    </message>
    <message>
        <source>None of the dropped files could be found:&lt;br /&gt;%1</source>
        <translation>Ingen av de släppta filerna hittades:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>Det går inte att läsa in sessionen</translation>
    </message>
    <message>
        <source>This is not a session file that can be loaded:&lt;br /&gt;%1</source>
        <translation>Det här är inte en sessionsfil som kan läsas in:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Find chords again</source>
        <translation>Hitta ackord igen</translation>
    </message>
    <message>
        <source>Chords corrected by hand are found again too.&lt;br /&gt;Find the chords again from the marked chords only?</source>
        <translation>Ackord som rättats för hand hittas också på nytt.&lt;br /&gt;Hitta ackorden på nytt enbart bland de markerade ackorden?</translation>
    </message>
    <message>
        <source>%1 is write-protected and was not replaced.&lt;br /&gt;Nothing was saved.</source>
        <translation>%1 är skrivskyddad och ersattes inte.&lt;br /&gt;Inget sparades.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Inställningarna sparades inte</translation>
    </message>
    <message>
        <source>The settings could not be saved to&lt;br /&gt;%1&lt;br /&gt;The recent files, folders and shortcuts of this run will be missing at the next start.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>Inställningarna kunde inte sparas i&lt;br /&gt;%1&lt;br /&gt;De senaste filerna, mapparna och kortkommandona från den här körningen saknas vid nästa start.&lt;br /&gt;Kontrollera att det går att skriva i mappen och att disken inte är full.</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before saving audio.</source>
        <translation>Analysen pågår fortfarande!&lt;br /&gt;Vänta tills bearbetningen är klar&lt;br /&gt;innan du sparar ljud.</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Restore Defaults</source>
        <translation>Återställ standard</translation>
    </message>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>Standard vid öppning av ljudfiler:</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>Öppna mappen för föregående ljudfil</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>Öppna alltid vald mapp:</translation>
    </message>
    <message>
        <source>Plectronome Save Location</source>
        <translation>Plectronomes sparplats</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>Plats för sparade sessioner och exporterat ljud:</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>Välj standardmapp för ljud</translation>
    </message>
    <message>
        <source>Select Default Plectronome Save Folder</source>
        <translation>Välj Plectronomes standardmapp för att spara</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>Återställ standardmappar</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>Vill du verkligen återställa standardmapparna?</translation>
    </message>
</context>
<context>
    <name>PlotSelection</name>
    <message>
        <source>%1 BEATS</source>
        <translation>%1 SLAG</translation>
    </message>
    <message>
        <source>BEATS</source>
        <translation>SLAG</translation>
    </message>
    <message>
        <source>BEAT</source>
        <translation>SLAG</translation>
    </message>
</context>
<context>
    <name>PreferencesMenu</name>
    <message>
        <source>Audio Device</source>
        <translation>Ljudenhet</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>Standardmappar</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Kortkommandon</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Inställningar</translation>
    </message>
</context>
<context>
    <name>ProcessingLabel</name>
    <message>
        <source>Calculating chords</source>
        <translation>Beräknar ackord</translation>
    </message>
</context>
<context>
    <name>ShortcutsTab</name>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>Spola framåt</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>Läs in session</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>Metronom lägre</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>Metronom högre</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Öppna ljudfil</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Paus</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>Tonhöjd ned (-1 halvton)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>Tonhöjd upp (+1 halvton)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>Spela från markeringens början</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>Spela/Stoppa</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Spola bakåt</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Spara ljud</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>Spara session</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>Visa ackordfliken</translation>
    </message>
    <message>
        <source>Show Vur Arezev Tab</source>
        <translation>Visa fliken Vur Arezev</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>Visa rifffliken</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>Tempo ned (-1 BPM)</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>Tempo upp (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>Isolering av/på</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>Loop av/på</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>Tonhöjd av/på</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>Rullning av/på</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>Tempo av/på</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Visa hjälp</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volym ned</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volym upp</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zooma in</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zooma ut</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ange</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Töm</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Återställ standard</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Åtgärd</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Kortkommando</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>Tryck på tangenten för ”%0”:</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>Skriva över befintligt kortkommando?</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;
Do you want to overwrite that shortcut?</source>
        <translation>Tangenten ”%0” används redan för åtgärden ”%1”.
Vill du skriva över det kortkommandot?</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>Återställ standardkortkommandon</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>Vill du verkligen återställa kortkommandona?</translation>
    </message>
</context>
</TS>
