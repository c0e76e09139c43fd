<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
<context>
    <name>DevicesTab</name>
    <message>
        <source>Apply</source>
        <translation>Anvend</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Enhed:</translation>
    </message>
</context>
<context>
    <name>ExportWriter</name>
    <message>
        <source>lame crashed.</source>
        <translation>lame gik ned.</translation>
    </message>
    <message>
        <source>lame ended with exit code %1.</source>
        <translation>lame sluttede med afslutningskode %1.</translation>
    </message>
    <message>
        <source>lame took no audio for %1 seconds.</source>
        <translation>lame modtog ingen lyd i %1 sekunder.</translation>
    </message>
    <message>
        <source>The file holds no audio, or too little.</source>
        <translation>Filen indeholder ingen lyd, eller for lidt.</translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Apply</source>
        <translation>Anvend</translation>
    </message>
    <message>
        <source>Select Language:</source>
        <translation>Vælg sprog:</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>Valg af sprog – genstart påkrævet</translation>
    </message>
    <message>
        <source>Plectronome must be restarted for language change to take effect.</source>
        <translation>Plectronome skal genstartes, før sprogskiftet træder i kraft.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Genstart nu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Plectronome could not start again by itself. Please start it again to see the new language.</source>
        <translation>Plectronome kunne ikke genstarte af sig selv. Start programmet igen for at se det nye sprog.</translation>
    </message>
    <message>
        <source>Language not saved</source>
        <translation>Sprog ikke gemt</translation>
    </message>
    <message>
        <source>The new language could not be saved to&lt;br /&gt;%1&lt;br /&gt;Plectronome keeps its language.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>Det nye sprog kunne ikke gemmes i&lt;br /&gt;%1&lt;br /&gt;Plectronome beholder sit sprog.&lt;br /&gt;Kontrollér, at der kan skrives i mappen, og at disken ikke er fuld.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>&amp;Åbn lydfil...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>Åbn cd-spor...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afslut</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>Gem session &amp;som...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>&amp;Gem session</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>&amp;Indlæs session...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>Gem lydmarkering</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Gem lyd</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>Gem sangens lyd...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>Gem riffets lyd...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>Vælg &amp;lydenhed</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>Vælg stan&amp;dardmapper</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>Vælg &amp;tastaturgenveje</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>Vælg s&amp;prog</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Vis hjælp</translation>
    </message>
    <message>
        <source>Online Support</source>
        <translation>Online support</translation>
    </message>
    <message>
        <source>About Plectronome</source>
        <translation>Om Plectronome</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Søg efter opdateringer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Filer</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Seneste filer</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Indstillinger</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>All types (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</source>
        <translation>Alle typer (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>Filen kan ikke indlæses</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>Analysen kører stadig!&lt;br /&gt;Vent, til behandlingen er færdig,&lt;br /&gt;før du indlæser en ny fil.</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Åbn lydfil</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>Filen blev ikke fundet!</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>Lydfilen kunne ikke findes.&lt;br /&gt;Vil du selv vælge en lydfil?</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>Filen er for lille!&lt;br /&gt;Vælg en anden fil.</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>Filen er for stor!&lt;br /&gt;Vælg en anden fil.</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>Vælg en anden lydfil.</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>Tegner bølgeform | %1</translation>
    </message>
    <message>
        <source>Open CD Track</source>
        <translation>Åbn cd-spor</translation>
    </message>
    <message>
        <source>CD tracks (*.wav *.flac *.cda);;</source>
        <translation>Cd-spor (*.wav *.flac *.cda);;</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>Afkoder lyd | %1</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Ryd liste</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Ryd liste</translation>
    </message>
    <message>
        <source>No web browser could be opened. The page is at:&lt;br /&gt;%1</source>
        <translation>Der kunne ikke åbnes en webbrowser. Siden findes på:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>A new version of Plectronome is available!</source>
        <translation>Der findes en ny version af Plectronome!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Opdater</translation>
    </message>
    <message>
        <source>You are using the latest version of Plectronome (v%1).</source>
        <translation>Du bruger den nyeste version af Plectronome (v%1).</translation>
    </message>
    <message>
        <source>Cannot connect to server to determine latest version of Plectronome.&lt;br /&gt;Please check your internet connection.</source>
        <translation>Kan ikke få forbindelse til serveren for at finde den nyeste version af Plectronome.&lt;br /&gt;Kontroller din internetforbindelse.</translation>
    </message>
    <message>
        <source>3rd party libraries used in Plectronome:</source>
        <translation>Tredjepartsbiblioteker brugt i Plectronome:</translation>
    </message>
    <message>
        <source>MP3 files are encoded by the separate lame program.</source>
        <translation>MP3-filer kodes af det separate program lame.</translation>
    </message>
    <message>
        <source>The sample rate of this file is not supported!&lt;br /&gt;Please choose a file recorded at %1 kHz to %2 kHz.</source>
        <translation>Denne fils samplingsfrekvens understøttes ikke!&lt;br /&gt;Vælg en fil optaget med %1 kHz til %2 kHz.</translation>
    </message>
    <message>
        <source>Settings reset</source>
        <translation>Indstillinger nulstillet</translation>
    </message>
    <message>
        <source>The stored settings could not be read, so the defaults are used.&lt;br /&gt;The old settings file was kept as:&lt;br /&gt;%1</source>
        <translation>De gemte indstillinger kunne ikke læses, så standardværdierne bruges.&lt;br /&gt;Den gamle indstillingsfil blev gemt som:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</source>
        <translation>Den valgte fil understøttes ikke.&lt;br /&gt;Vælg en fil med en af følgende filtyper:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>Sessionen kan ikke gemmes</translation>
    </message>
    <message>
        <source>The session could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>Sessionen kunne ikke gemmes i&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>Analysen kører stadig!&lt;br /&gt;Vent, til behandlingen er færdig,&lt;br /&gt;før du opretter en ny sessionsfil.</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>Gem session som...</translation>
    </message>
    <message>
        <source>Plectronome Session (*.pq)</source>
        <translation>Plectronome-session (*.pq)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>Analysen kører stadig!&lt;br /&gt;Vent, til behandlingen er færdig,&lt;br /&gt;før du indlæser en ny session.</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>Indlæs sessionsfil</translation>
    </message>
    <message>
        <source>%1 already exists.&lt;br /&gt;Do you want to replace it?</source>
        <translation>%1 findes allerede.&lt;br /&gt;Vil du erstatte den?</translation>
    </message>
    <message>
        <source>The file %1 cannot be created:&lt;br /&gt;%2</source>
        <translation>Filen %1 kan ikke oprettes:&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; could not be started.&lt;br /&gt;Please install the package lame, or save the audio as WAV.</source>
        <translation>MP3-koderen &quot;lame&quot; kunne ikke startes.&lt;br /&gt;Installér pakken lame, eller gem lyden som WAV.</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped with an error:&lt;br /&gt;%1&lt;br /&gt;Nothing was saved.</source>
        <translation>MP3-koderen stoppede med en fejl:&lt;br /&gt;%1&lt;br /&gt;Intet blev gemt.</translation>
    </message>
    <message>
        <source>Writing %1 failed:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>Skrivning af %1 mislykkedes:&lt;br /&gt;%2&lt;br /&gt;Intet blev gemt.</translation>
    </message>
    <message>
        <source>The finished audio could not be saved as %1:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>Den færdige lyd kunne ikke gemmes som %1:&lt;br /&gt;%2&lt;br /&gt;Intet blev gemt.</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>Lyden kan ikke gemmes</translation>
    </message>
    <message>
        <source>Saving Audio | %1</source>
        <translation>Gemmer lyd | %1</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>Eksportér riff som WAV...</translation>
    </message>
    <message>
        <source>The current riff has no steps.&lt;br /&gt;Nothing was saved.</source>
        <translation>Det aktuelle riff har ingen trin.&lt;br /&gt;Intet blev gemt.</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>Eksportér sang som WAV...</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>Gemmer sang | %1</translation>
    </message>
    <message>
        <source>The song has no riffs.&lt;br /&gt;Nothing was saved.</source>
        <translation>Sangen har ingen riffs.&lt;br /&gt;Intet blev gemt.</translation>
    </message>
    <message>
        <source>There is no audio to save in this part of the track.</source>
        <translation>Der er ingen lyd at gemme i denne del af nummeret.</translation>
    </message>
    <message>
        <source>Unsaved riffs</source>
        <translation>Riffs ikke gemt</translation>
    </message>
    <message>
        <source>The riffs or the song are not saved in a session.&lt;br /&gt;Do you want to save the session?</source>
        <translation>Riffene eller sangen er ikke gemt i en session.&lt;br /&gt;Vil du gemme sessionen?</translation>
    </message>
    <message>
        <source>The translation file&lt;br /&gt;%1&lt;br /&gt;is damaged or is not the one installed with Plectronome, so Plectronome is shown in English.</source>
        <translation>Oversættelsesfilen&lt;br /&gt;%1&lt;br /&gt;er beskadiget eller er ikke den, der blev installeret med Plectronome, så Plectronome vises på engelsk.</translation>
    </message>
    <message>
        <source>None of the dropped files could be found:&lt;br /&gt;%1</source>
        <translation>Ingen af de slupne filer blev fundet:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>Sessionen kan ikke indlæses</translation>
    </message>
    <message>
        <source>This is not a session file that can be loaded:&lt;br /&gt;%1</source>
        <translation>Dette er ikke en sessionsfil, der kan indlæses:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Find chords again</source>
        <translation>Find akkorder igen</translation>
    </message>
    <message>
        <source>Chords corrected by hand are found again too.&lt;br /&gt;Find the chords again from the marked chords only?</source>
        <translation>Akkorder, der er rettet manuelt, findes også igen.&lt;br /&gt;Find akkorderne igen kun blandt de markerede akkorder?</translation>
    </message>
    <message>
        <source>%1 is write-protected and was not replaced.&lt;br /&gt;Nothing was saved.</source>
        <translation>%1 er skrivebeskyttet og blev ikke erstattet.&lt;br /&gt;Intet blev gemt.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Indstillinger ikke gemt</translation>
    </message>
    <message>
        <source>The settings could not be saved to&lt;br /&gt;%1&lt;br /&gt;The recent files, folders and shortcuts of this run will be missing at the next start.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>Indstillingerne kunne ikke gemmes i&lt;br /&gt;%1&lt;br /&gt;De seneste filer, mapper og genveje fra denne kørsel mangler ved næste start.&lt;br /&gt;Kontrollér, at der kan skrives i mappen, og at disken ikke er fuld.</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before saving audio.</source>
        <translation>Analysen kører stadig!&lt;br /&gt;Vent, til behandlingen er færdig,&lt;br /&gt;før du gemmer lyd.</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Restore Defaults</source>
        <translation>Gendan standarder</translation>
    </message>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>Standardmappe ved åbning af lydfiler:</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>Åbn mappen med den forrige lydfil</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>Åbn altid den valgte mappe:</translation>
    </message>
    <message>
        <source>Plectronome Save Location</source>
        <translation>Plectronomes gemmeplacering</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>Placering af gemte sessioner og eksporteret lyd:</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>Vælg standardmappe til lyd</translation>
    </message>
    <message>
        <source>Select Default Plectronome Save Folder</source>
        <translation>Vælg Plectronomes standardmappe til at gemme</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>Gendan standardmapper</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>Er du sikker på, at du vil gendanne standardmapperne?</translation>
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
        <translation>Lydenhed</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>Standardmapper</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastaturgenveje</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprog</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Indstillinger</translation>
    </message>
</context>
<context>
    <name>ProcessingLabel</name>
    <message>
        <source>Calculating chords</source>
        <translation>Beregner akkorder</translation>
    </message>
</context>
<context>
    <name>ShortcutsTab</name>
    <message>
        <source>Exit</source>
        <translation>Afslut</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>Spol frem</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>Indlæs session</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>Metronom lavere</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>Metronom højere</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Åbn lydfil</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>Tonehøjde ned (-1 halvtone)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>Tonehøjde op (+1 halvtone)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>Afspil fra markeringens start</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>Afspil/Stop</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Spol tilbage</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Gem lyd</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>Gem session</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>Vis fanen med akkorder</translation>
    </message>
    <message>
        <source>Show Vur Arezev Tab</source>
        <translation>Vis fanen Vur Arezev</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>Vis fanen med riffs</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>Tempo ned (-1 BPM)</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>Tempo op (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>Isolering til/fra</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>Loop til/fra</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>Tonehøjde til/fra</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>Rulning til/fra</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>Tempo til/fra</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Vis hjælp</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Lydstyrke ned</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Lydstyrke op</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom ind</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom ud</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Angiv</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Ryd</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Gendan standarder</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Handling</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Genvej</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>Tryk på tasten til &quot;%0&quot;:</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>Overskriv eksisterende genvej?</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;
Do you want to overwrite that shortcut?</source>
        <translation>Tasten &quot;%0&quot; bruges allerede til handlingen &quot;%1&quot;.
Vil du overskrive den genvej?</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>Gendan standardgenveje</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>Er du sikker på, at du vil nulstille tastaturgenvejene?</translation>
    </message>
</context>
</TS>
