<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>DevicesTab</name>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Dispositivo:</translation>
    </message>
</context>
<context>
    <name>ExportWriter</name>
    <message>
        <source>lame crashed.</source>
        <translation>lame si è bloccato.</translation>
    </message>
    <message>
        <source>lame ended with exit code %1.</source>
        <translation>lame è terminato con il codice di uscita %1.</translation>
    </message>
    <message>
        <source>lame took no audio for %1 seconds.</source>
        <translation>lame non ha ricevuto audio per %1 secondi.</translation>
    </message>
    <message>
        <source>The file holds no audio, or too little.</source>
        <translation>Il file non contiene audio, o troppo poco.</translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Select Language:</source>
        <translation>Seleziona la lingua:</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>Selezione della lingua – riavvio necessario</translation>
    </message>
    <message>
        <source>Plectronome must be restarted for language change to take effect.</source>
        <translation>Plectronome deve essere riavviato perché il cambio di lingua abbia effetto.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Riavvia ora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Plectronome could not start again by itself. Please start it again to see the new language.</source>
        <translation>Plectronome non è riuscito a riavviarsi da solo. Avvialo di nuovo per vedere la nuova lingua.</translation>
    </message>
    <message>
        <source>Language not saved</source>
        <translation>Lingua non salvata</translation>
    </message>
    <message>
        <source>The new language could not be saved to&lt;br /&gt;%1&lt;br /&gt;Plectronome keeps its language.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>Non è stato possibile salvare la nuova lingua in&lt;br /&gt;%1&lt;br /&gt;Plectronome mantiene la sua lingua.&lt;br /&gt;Verificare che la sua cartella sia scrivibile e che il disco non sia pieno.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>&amp;Apri file audio...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>Apri traccia CD...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>Salva sessione &amp;come...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>&amp;Salva sessione</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>&amp;Carica sessione...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>Salva selezione audio</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Salva audio</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>Salva audio del brano...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>Salva audio del riff...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>Imposta &amp;dispositivo audio</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>Imposta &amp;cartelle predefinite</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>Imposta &amp;scorciatoie da tastiera</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>Imposta &amp;lingua</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Mostra la guida</translation>
    </message>
    <message>
        <source>Online Support</source>
        <translation>Assistenza online</translation>
    </message>
    <message>
        <source>About Plectronome</source>
        <translation>Informazioni su Plectronome</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Controlla aggiornamenti</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>File recenti</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>All types (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</source>
        <translation>Tutti i tipi (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>Impossibile caricare il file</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>L&apos;analisi è ancora in corso!&lt;br /&gt;Attendi che l&apos;elaborazione sia terminata&lt;br /&gt;prima di caricare un nuovo file.</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Apri file audio</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>File non trovato!</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>Impossibile trovare il file audio.&lt;br /&gt;Vuoi selezionare manualmente un file audio?</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>File troppo piccolo!&lt;br /&gt;Scegli un altro file.</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>File troppo grande!&lt;br /&gt;Scegli un altro file.</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>Seleziona un altro file audio.</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>Disegno della forma d&apos;onda | %1</translation>
    </message>
    <message>
        <source>Open CD Track</source>
        <translation>Apri traccia CD</translation>
    </message>
    <message>
        <source>CD tracks (*.wav *.flac *.cda);;</source>
        <translation>Tracce CD (*.wav *.flac *.cda);;</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>Decodifica audio | %1</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Cancella elenco</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Cancella elenco</translation>
    </message>
    <message>
        <source>No web browser could be opened. The page is at:&lt;br /&gt;%1</source>
        <translation>Impossibile aprire un browser web. La pagina si trova all&apos;indirizzo:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>A new version of Plectronome is available!</source>
        <translation>È disponibile una nuova versione di Plectronome!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>You are using the latest version of Plectronome (v%1).</source>
        <translation>Stai usando l&apos;ultima versione di Plectronome (v%1).</translation>
    </message>
    <message>
        <source>Cannot connect to server to determine latest version of Plectronome.&lt;br /&gt;Please check your internet connection.</source>
        <translation>Impossibile contattare il server per conoscere l&apos;ultima versione di Plectronome.&lt;br /&gt;Controlla la connessione a Internet.</translation>
    </message>
    <message>
        <source>3rd party libraries used in Plectronome:</source>
        <translation>Librerie di terze parti usate da Plectronome:</translation>
    </message>
    <message>
        <source>MP3 files are encoded by the separate lame program.</source>
        <translation>I file MP3 vengono codificati dal programma separato lame.</translation>
    </message>
    <message>
        <source>The sample rate of this file is not supported!&lt;br /&gt;Please choose a file recorded at %1 kHz to %2 kHz.</source>
        <translation>La frequenza di campionamento di questo file non è supportata!&lt;br /&gt;Scegli un file registrato tra %1 kHz e %2 kHz.</translation>
    </message>
    <message>
        <source>Settings reset</source>
        <translation>Impostazioni ripristinate</translation>
    </message>
    <message>
        <source>The stored settings could not be read, so the defaults are used.&lt;br /&gt;The old settings file was kept as:&lt;br /&gt;%1</source>
        <translation>Impossibile leggere le impostazioni salvate, quindi vengono usati i valori predefiniti.&lt;br /&gt;Il vecchio file delle impostazioni è stato conservato come:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</source>
        <translation>Il file selezionato non è supportato.&lt;br /&gt;Scegliere un file con una delle seguenti estensioni:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>Impossibile salvare la sessione</translation>
    </message>
    <message>
        <source>The session could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>Non è stato possibile salvare la sessione in&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>L&apos;analisi è ancora in corso!&lt;br /&gt;Attendi che l&apos;elaborazione sia terminata&lt;br /&gt;prima di creare un nuovo file di sessione.</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>Salva sessione con nome...</translation>
    </message>
    <message>
        <source>Plectronome Session (*.pq)</source>
        <translation>Sessione di Plectronome (*.pq)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>L&apos;analisi è ancora in corso!&lt;br /&gt;Attendi che l&apos;elaborazione sia terminata&lt;br /&gt;prima di caricare una nuova sessione.</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>Carica file di sessione</translation>
    </message>
    <message>
        <source>%1 already exists.&lt;br /&gt;Do you want to replace it?</source>
        <translation>%1 esiste già.&lt;br /&gt;Sostituirlo?</translation>
    </message>
    <message>
        <source>The file %1 cannot be created:&lt;br /&gt;%2</source>
        <translation>Impossibile creare il file %1:&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; could not be started.&lt;br /&gt;Please install the package lame, or save the audio as WAV.</source>
        <translation>Impossibile avviare il codificatore MP3 &quot;lame&quot;.&lt;br /&gt;Installare il pacchetto lame oppure salvare l&apos;audio in WAV.</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped with an error:&lt;br /&gt;%1&lt;br /&gt;Nothing was saved.</source>
        <translation>Il codificatore MP3 si è fermato con un errore:&lt;br /&gt;%1&lt;br /&gt;Non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Writing %1 failed:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>Scrittura di %1 non riuscita:&lt;br /&gt;%2&lt;br /&gt;Non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>The finished audio could not be saved as %1:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>Impossibile salvare l&apos;audio finito come %1:&lt;br /&gt;%2&lt;br /&gt;Non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>Impossibile salvare l&apos;audio</translation>
    </message>
    <message>
        <source>Saving Audio | %1</source>
        <translation>Salvataggio audio | %1</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>Esporta riff in WAV...</translation>
    </message>
    <message>
        <source>The current riff has no steps.&lt;br /&gt;Nothing was saved.</source>
        <translation>Il riff attuale non ha passi.&lt;br /&gt;Non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>Esporta brano in WAV...</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>Salvataggio brano | %1</translation>
    </message>
    <message>
        <source>The song has no riffs.&lt;br /&gt;Nothing was saved.</source>
        <translation>Il brano non contiene riff.&lt;br /&gt;Non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>There is no audio to save in this part of the track.</source>
        <translation>Non c’è audio da salvare in questa parte della traccia.</translation>
    </message>
    <message>
        <source>Unsaved riffs</source>
        <translation>Riff non salvati</translation>
    </message>
    <message>
        <source>The riffs or the song are not saved in a session.&lt;br /&gt;Do you want to save the session?</source>
        <translation>I riff o il brano non sono salvati in una sessione.&lt;br /&gt;Vuoi salvare la sessione?</translation>
    </message>
    <message>
        <source>The translation file&lt;br /&gt;%1&lt;br /&gt;is damaged or is not the one installed with Plectronome, so Plectronome is shown in English.</source>
        <translation>Il file di traduzione&lt;br /&gt;%1&lt;br /&gt;è danneggiato o non è quello installato con Plectronome, quindi Plectronome viene mostrato in inglese.</translation>
    </message>
    <message>
        <source>None of the dropped files could be found:&lt;br /&gt;%1</source>
        <translation>Nessuno dei file trascinati è stato trovato:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>Impossibile caricare la sessione</translation>
    </message>
    <message>
        <source>This is not a session file that can be loaded:&lt;br /&gt;%1</source>
        <translation>Questo non è un file di sessione che si possa caricare:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Find chords again</source>
        <translation>Cerca di nuovo gli accordi</translation>
    </message>
    <message>
        <source>Chords corrected by hand are found again too.&lt;br /&gt;Find the chords again from the marked chords only?</source>
        <translation>Anche gli accordi corretti a mano verranno cercati di nuovo.&lt;br /&gt;Cercare di nuovo gli accordi solo tra quelli contrassegnati?</translation>
    </message>
    <message>
        <source>%1 is write-protected and was not replaced.&lt;br /&gt;Nothing was saved.</source>
        <translation>%1 è protetto da scrittura e non è stato sostituito.&lt;br /&gt;Non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Impostazioni non salvate</translation>
    </message>
    <message>
        <source>The settings could not be saved to&lt;br /&gt;%1&lt;br /&gt;The recent files, folders and shortcuts of this run will be missing at the next start.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>Non è stato possibile salvare le impostazioni in&lt;br /&gt;%1&lt;br /&gt;I file recenti, le cartelle e le scorciatoie di questa sessione mancheranno al prossimo avvio.&lt;br /&gt;Verificare che la sua cartella sia scrivibile e che il disco non sia pieno.</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before saving audio.</source>
        <translation>L&apos;analisi è ancora in corso!&lt;br /&gt;Attendi che l&apos;elaborazione sia terminata&lt;br /&gt;prima di salvare l&apos;audio.</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Restore Defaults</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>Comportamento predefinito all&apos;apertura dei file audio:</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>Apri l&apos;ultima cartella usata</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>Apri sempre la cartella scelta:</translation>
    </message>
    <message>
        <source>Plectronome Save Location</source>
        <translation>Cartella di salvataggio di Plectronome</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>Posizione delle sessioni salvate e dell&apos;audio esportato:</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>Seleziona la cartella audio predefinita</translation>
    </message>
    <message>
        <source>Select Default Plectronome Save Folder</source>
        <translation>Seleziona la cartella di salvataggio di Plectronome</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>Ripristina le cartelle predefinite</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>Vuoi davvero ripristinare le cartelle predefinite?</translation>
    </message>
</context>
<context>
    <name>PlotSelection</name>
    <message>
        <source>%1 BEATS</source>
        <translation>%1 BATTITI</translation>
    </message>
    <message>
        <source>BEATS</source>
        <translation>BATTITI</translation>
    </message>
    <message>
        <source>BEAT</source>
        <translation>BATTITO</translation>
    </message>
</context>
<context>
    <name>PreferencesMenu</name>
    <message>
        <source>Audio Device</source>
        <translation>Dispositivo audio</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>Cartelle predefinite</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Scorciatoie da tastiera</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
</context>
<context>
    <name>ProcessingLabel</name>
    <message>
        <source>Calculating chords</source>
        <translation>Calcolo degli accordi</translation>
    </message>
</context>
<context>
    <name>ShortcutsTab</name>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>Avanti veloce</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>Carica sessione</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>Abbassa il metronomo</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>Alza il metronomo</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Apri file audio</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>Abbassa l&apos;intonazione (-1 semitono)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>Alza l&apos;intonazione (+1 semitono)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>Riproduci dall&apos;inizio della selezione</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>Riproduci/Ferma</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Riavvolgi</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Salva audio</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>Salva sessione</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>Mostra la scheda degli accordi</translation>
    </message>
    <message>
        <source>Show Vur Arezev Tab</source>
        <translation>Mostra la scheda Vur Arezev</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>Mostra la scheda dei riff</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>Tempo più lento (-1 BPM)</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>Tempo più veloce (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>Attiva/disattiva isolamento</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>Attiva/disattiva loop</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>Attiva/disattiva intonazione</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>Attiva/disattiva scorrimento</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>Attiva/disattiva tempo</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Mostra la guida</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Abbassa il volume</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Alza il volume</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Scorciatoia</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>Premi il tasto per &quot;%0&quot;:</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>Sovrascrivere la scorciatoia esistente?</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;
Do you want to overwrite that shortcut?</source>
        <translation>Il tasto &quot;%0&quot; è già usato per l&apos;azione &quot;%1&quot;.
Vuoi sovrascrivere quella scorciatoia?</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>Ripristina le scorciatoie predefinite</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>Vuoi davvero ripristinare le scorciatoie da tastiera?</translation>
    </message>
</context>
</TS>
