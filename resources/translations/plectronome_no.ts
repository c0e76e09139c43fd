<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>DevicesTab</name>
    <message>
        <source>Apply</source>
        <translation>Bruk</translation>
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
        <translation>lame krasjet.</translation>
    </message>
    <message>
        <source>lame ended with exit code %1.</source>
        <translation>lame avsluttet med avslutningskode %1.</translation>
    </message>
    <message>
        <source>lame took no audio for %1 seconds.</source>
        <translation>lame tok ikke imot lyd på %1 sekunder.</translation>
    </message>
    <message>
        <source>The file holds no audio, or too little.</source>
        <translation>Filen inneholder ingen lyd, eller for lite.</translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Apply</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Select Language:</source>
        <translation>Velg språk:</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>Språkvalg – omstart kreves</translation>
    </message>
    <message>
        <source>Plectronome must be restarted for language change to take effect.</source>
        <translation>Plectronome må startes på nytt før språkendringen trer i kraft.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Start på nytt nå</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Plectronome could not start again by itself. Please start it again to see the new language.</source>
        <translation>Plectronome klarte ikke å starte seg selv på nytt. Start programmet igjen for å se det nye språket.</translation>
    </message>
    <message>
        <source>Language not saved</source>
        <translation>Språk ikke lagret</translation>
    </message>
    <message>
        <source>The new language could not be saved to&lt;br /&gt;%1&lt;br /&gt;Plectronome keeps its language.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>Det nye språket kunne ikke lagres i&lt;br /&gt;%1&lt;br /&gt;Plectronome beholder språket sitt.&lt;br /&gt;Kontroller at det kan skrives til mappen, og at disken ikke er full.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>&amp;Åpne lydfil...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>Åpne CD-spor...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>Lagre økt &amp;som...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>&amp;Lagre økt</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>Last &amp;inn økt...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>Lagre lydutvalg</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Lagre lyd</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>Lagre sangens lyd...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>Lagre riffets lyd...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>Velg &amp;lydenhet</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>Velg stan&amp;dardmapper</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>Velg &amp;hurtigtaster</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>Velg s&amp;pråk</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Vis hjelp</translation>
    </message>
    <message>
        <source>Online Support</source>
        <translation>Nettstøtte</translation>
    </message>
    <message>
        <source>About Plectronome</source>
        <translation>Om Plectronome</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Se etter oppdateringer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fil</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Nylige filer</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Innstillinger</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>All types (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</source>
        <translation>Alle typer (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>Kan ikke laste inn filen</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>Analysen pågår fortsatt!&lt;br /&gt;Vent til behandlingen er ferdig&lt;br /&gt;før du laster inn en ny fil.</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Åpne lydfil</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>Fant ikke filen!</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>Fant ikke lydfilen.&lt;br /&gt;Vil du velge en lydfil selv?</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>Filen er for liten!&lt;br /&gt;Velg en annen fil.</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>Filen er for stor!&lt;br /&gt;Velg en annen fil.</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>Velg en annen lydfil.</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>Tegner bølgeform | %1</translation>
    </message>
    <message>
        <source>Open CD Track</source>
        <translation>Åpne CD-spor</translation>
    </message>
    <message>
        <source>CD tracks (*.wav *.flac *.cda);;</source>
        <translation>CD-spor (*.wav *.flac *.cda);;</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>Dekoder lyd | %1</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Tøm listen</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Tøm listen</translation>
    </message>
    <message>
        <source>No web browser could be opened. The page is at:&lt;br /&gt;%1</source>
        <translation>Ingen nettleser kunne åpnes. Siden finnes på:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>A new version of Plectronome is available!</source>
        <translation>En ny versjon av Plectronome er tilgjengelig!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Oppdater</translation>
    </message>
    <message>
        <source>You are using the latest version of Plectronome (v%1).</source>
        <translation>Du bruker den nyeste versjonen av Plectronome (v%1).</translation>
    </message>
    <message>
        <source>Cannot connect to server to determine latest version of Plectronome.&lt;br /&gt;Please check your internet connection.</source>
        <translation>Får ikke kontakt med serveren for å finne den nyeste versjonen av Plectronome.&lt;br /&gt;Sjekk internettforbindelsen din.</translation>
    </message>
    <message>
        <source>3rd party libraries used in Plectronome:</source>
        <translation>Tredjepartsbiblioteker brukt i Plectronome:</translation>
    </message>
    <message>
        <source>MP3 files are encoded by the separate lame program.</source>
        <translation>MP3-filer kodes av det separate programmet lame.</translation>
    </message>
    <message>
        <source>The sample rate of this file is not supported!&lt;br /&gt;Please choose a file recorded at %1 kHz to %2 kHz.</source>
        <translation>Samplingsfrekvensen til denne filen støttes ikke!&lt;br /&gt;Velg en fil tatt opp med %1 kHz til %2 kHz.</translation>
    </message>
    <message>
        <source>Settings reset</source>
        <translation>Innstillingene er tilbakestilt</translation>
    </message>
    <message>
        <source>The stored settings could not be read, so the defaults are used.&lt;br /&gt;The old settings file was kept as:&lt;br /&gt;%1</source>
        <translation>De lagrede innstillingene kunne ikke leses, så standardverdiene brukes.&lt;br /&gt;Den gamle innstillingsfilen ble tatt vare på som:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</source>
        <translation>Den valgte filen støttes ikke.&lt;br /&gt;Velg en fil med en av følgende filtyper:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>Kan ikke lagre økten</translation>
    </message>
    <message>
        <source>The session could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>Økten kunne ikke lagres i&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>Analysen pågår fortsatt!&lt;br /&gt;Vent til behandlingen er ferdig&lt;br /&gt;før du oppretter en ny øktfil.</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>Lagre økt som...</translation>
    </message>
    <message>
        <source>Plectronome Session (*.pq)</source>
        <translation>Plectronome-økt (*.pq)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>Analysen pågår fortsatt!&lt;br /&gt;Vent til behandlingen er ferdig&lt;br /&gt;før du laster inn en ny økt.</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>Last inn øktfil</translation>
    </message>
    <message>
        <source>%1 already exists.&lt;br /&gt;Do you want to replace it?</source>
        <translation>%1 finnes allerede.&lt;br /&gt;Vil du erstatte den?</translation>
    </message>
    <message>
        <source>The file %1 cannot be created:&lt;br /&gt;%2</source>
        <translation>Filen %1 kan ikke opprettes:&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; could not be started.&lt;br /&gt;Please install the package lame, or save the audio as WAV.</source>
        <translation>MP3-koderen «lame» kunne ikke startes.&lt;br /&gt;Installer pakken lame, eller lagre lyden som WAV.</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped with an error:&lt;br /&gt;%1&lt;br /&gt;Nothing was saved.</source>
        <translation>MP3-koderen stoppet med en feil:&lt;br /&gt;%1&lt;br /&gt;Ingenting ble lagret.</translation>
    </message>
    <message>
        <source>Writing %1 failed:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>Skriving av %1 mislyktes:&lt;br /&gt;%2&lt;br /&gt;Ingenting ble lagret.</translation>
    </message>
    <message>
        <source>The finished audio could not be saved as %1:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>Den ferdige lyden kunne ikke lagres som %1:&lt;br /&gt;%2&lt;br /&gt;Ingenting ble lagret.</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>Lyden kan ikke lagres</translation>
    </message>
    <message>
        <source>Saving Audio | %1</source>
        <translation>Lagrer lyd | %1</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>Eksporter riff som WAV...</translation>
    </message>
    <message>
        <source>The current riff has no steps.&lt;br /&gt;Nothing was saved.</source>
        <translation>Det gjeldende riffet har ingen trinn.&lt;br /&gt;Ingenting ble lagret.</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>Eksporter sang som WAV...</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>Lagrer sang | %1</translation>
    </message>
    <message>
        <source>The song has no riffs.&lt;br /&gt;Nothing was saved.</source>
        <translation>Sangen har ingen riff.&lt;br /&gt;Ingenting ble lagret.</translation>
    </message>
    <message>
        <source>There is no audio to save in this part of the track.</source>
        <translation>Det er ingen lyd å lagre i denne delen av sporet.</translation>
    </message>
    <message>
        <source>Unsaved riffs</source>
        <translation>Riff som ikke er lagret</translation>
    </message>
    <message>
        <source>The riffs or the song are not saved in a session.&lt;br /&gt;Do you want to save the session?</source>
        <translation>Riffene eller sangen er ikke lagret i en økt.&lt;br /&gt;Vil du lagre økten?</translation>
    </message>
    <message>
        <source>The translation file&lt;br /&gt;%1&lt;br /&gt;is damaged or is not the one installed with Plectronome, so Plectronome is shown in English.</source>
        <translation>Oversettelsesfilen&lt;br /&gt;%1&lt;br /&gt;er skadet eller er ikke den som ble installert med Plectronome, så Plectronome vises på engelsk.</translation>
    </message>
    <message>
        <source>None of the dropped files could be found:&lt;br /&gt;%1</source>
        <translation>Ingen av de slupne filene ble funnet:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>Kan ikke laste økten</translation>
    </message>
    <message>
        <source>This is not a session file that can be loaded:&lt;br /&gt;%1</source>
        <translation>Dette er ikke en øktfil som kan lastes:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Find chords again</source>
        <translation>Finn akkorder på nytt</translation>
    </message>
    <message>
        <source>Chords corrected by hand are found again too.&lt;br /&gt;Find the chords again from the marked chords only?</source>
        <translation>Akkorder som er rettet for hånd, blir også funnet på nytt.&lt;br /&gt;Finne akkordene på nytt bare blant de merkede akkordene?</translation>
    </message>
    <message>
        <source>%1 is write-protected and was not replaced.&lt;br /&gt;Nothing was saved.</source>
        <translation>%1 er skrivebeskyttet og ble ikke erstattet.&lt;br /&gt;Ingenting ble lagret.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Innstillinger ikke lagret</translation>
    </message>
    <message>
        <source>The settings could not be saved to&lt;br /&gt;%1&lt;br /&gt;The recent files, folders and shortcuts of this run will be missing at the next start.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>Innstillingene kunne ikke lagres i&lt;br /&gt;%1&lt;br /&gt;De nylige filene, mappene og snarveiene fra denne økten mangler ved neste oppstart.&lt;br /&gt;Kontroller at det kan skrives til mappen, og at disken ikke er full.</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before saving audio.</source>
        <translation>Analysen pågår fortsatt!&lt;br /&gt;Vent til behandlingen er ferdig&lt;br /&gt;før du lagrer lyd.</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Restore Defaults</source>
        <translation>Gjenopprett standard</translation>
    </message>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>Standard ved åpning av lydfiler:</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>Åpne mappen til forrige lydfil</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>Åpne alltid valgt mappe:</translation>
    </message>
    <message>
        <source>Plectronome Save Location</source>
        <translation>Plectronomes lagringssted</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>Plassering av lagrede økter og eksportert lyd:</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>Velg standardmappe for lyd</translation>
    </message>
    <message>
        <source>Select Default Plectronome Save Folder</source>
        <translation>Velg Plectronomes standard lagringsmappe</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>Gjenopprett standardmapper</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>Er du sikker på at du vil gjenopprette standardmappene?</translation>
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
        <translation>Lydenhet</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>Standardmapper</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Hurtigtaster</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Innstillinger</translation>
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
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>Spol fremover</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>Last inn økt</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>Metronom lavere</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>Metronom høyere</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Åpne lydfil</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>Tonehøyde ned (-1 halvtone)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>Tonehøyde opp (+1 halvtone)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>Spill fra starten av utvalget</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>Spill/Stopp</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Spol tilbake</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Lagre lyd</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>Lagre økt</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>Vis akkordfanen</translation>
    </message>
    <message>
        <source>Show Vur Arezev Tab</source>
        <translation>Vis Vur Arezev-fanen</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>Vis riff-fanen</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>Tempo ned (-1 BPM)</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>Tempo opp (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>Isolering av/på</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>Sløyfe av/på</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>Tonehøyde av/på</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>Rulling av/på</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>Tempo av/på</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Vis hjelp</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volum ned</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volum opp</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom inn</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom ut</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Angi</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Tøm</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Gjenopprett standard</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Handling</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Hurtigtast</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>Trykk tasten for &quot;%0&quot;:</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>Overskrive eksisterende hurtigtast?</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;
Do you want to overwrite that shortcut?</source>
        <translation>Tasten &quot;%0&quot; brukes allerede til handlingen &quot;%1&quot;.
Vil du overskrive den hurtigtasten?</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>Gjenopprett standard hurtigtaster</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>Er du sikker på at du vil tilbakestille hurtigtastene?</translation>
    </message>
</context>
</TS>
