<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>DevicesTab</name>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Urządzenie:</translation>
    </message>
</context>
<context>
    <name>ExportWriter</name>
    <message>
        <source>lame crashed.</source>
        <translation>lame uległ awarii.</translation>
    </message>
    <message>
        <source>lame ended with exit code %1.</source>
        <translation>lame zakończył działanie z kodem wyjścia %1.</translation>
    </message>
    <message>
        <source>lame took no audio for %1 seconds.</source>
        <translation>lame nie przyjął dźwięku przez %1 s.</translation>
    </message>
    <message>
        <source>The file holds no audio, or too little.</source>
        <translation>Plik nie zawiera dźwięku lub zawiera go za mało.</translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Select Language:</source>
        <translation>Wybierz język:</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>Wybór języka – wymagane ponowne uruchomienie</translation>
    </message>
    <message>
        <source>Plectronome must be restarted for language change to take effect.</source>
        <translation>Aby zmiana języka zaczęła obowiązywać, Plectronome musi zostać uruchomiony ponownie.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Uruchom ponownie teraz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Plectronome could not start again by itself. Please start it again to see the new language.</source>
        <translation>Plectronome nie mógł sam uruchomić się ponownie. Uruchom go jeszcze raz, aby zobaczyć nowy język.</translation>
    </message>
    <message>
        <source>Language not saved</source>
        <translation>Język nie został zapisany</translation>
    </message>
    <message>
        <source>The new language could not be saved to&lt;br /&gt;%1&lt;br /&gt;Plectronome keeps its language.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>Nie udało się zapisać nowego języka w&lt;br /&gt;%1&lt;br /&gt;Plectronome zachowuje swój język.&lt;br /&gt;Sprawdź, czy do folderu można zapisywać i czy dysk nie jest pełny.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>&amp;Otwórz plik audio...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>Otwórz ścieżkę CD...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>Zapisz sesję &amp;jako...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>Zapi&amp;sz sesję</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>&amp;Wczytaj sesję...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>Zapisz zaznaczony fragment audio</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Zapisz audio</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>Zapisz audio utworu...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>Zapisz audio riffu...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>Ustaw urządzenie &amp;audio</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>Ustaw &amp;domyślne foldery</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>Ustaw &amp;skróty klawiszowe</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>Ustaw &amp;język</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Pokaż pomoc</translation>
    </message>
    <message>
        <source>Online Support</source>
        <translation>Pomoc online</translation>
    </message>
    <message>
        <source>About Plectronome</source>
        <translation>O programie Plectronome</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Sprawdź aktualizacje</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Ostatnie pliki</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Po&amp;moc</translation>
    </message>
    <message>
        <source>All types (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</source>
        <translation>Wszystkie typy (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>Nie można wczytać pliku</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>Analiza nadal trwa!&lt;br /&gt;Poczekaj na zakończenie przetwarzania,&lt;br /&gt;zanim wczytasz nowy plik.</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Otwórz plik audio</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>Nie znaleziono pliku!</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>Nie można odnaleźć pliku audio.&lt;br /&gt;Czy chcesz samodzielnie wybrać plik audio?</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>Plik jest za mały!&lt;br /&gt;Wybierz inny plik.</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>Plik jest za duży!&lt;br /&gt;Wybierz inny plik.</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>Wybierz inny plik audio.</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>Rysowanie przebiegu fali | %1</translation>
    </message>
    <message>
        <source>Open CD Track</source>
        <translation>Otwórz ścieżkę CD</translation>
    </message>
    <message>
        <source>CD tracks (*.wav *.flac *.cda);;</source>
        <translation>Ścieżki CD (*.wav *.flac *.cda);;</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>Dekodowanie audio | %1</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Wyczyść listę</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Wyczyść listę</translation>
    </message>
    <message>
        <source>No web browser could be opened. The page is at:&lt;br /&gt;%1</source>
        <translation>Nie udało się otworzyć przeglądarki. Strona znajduje się pod adresem:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>A new version of Plectronome is available!</source>
        <translation>Dostępna jest nowa wersja programu Plectronome!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <source>You are using the latest version of Plectronome (v%1).</source>
        <translation>Używasz najnowszej wersji programu Plectronome (v%1).</translation>
    </message>
    <message>
        <source>Cannot connect to server to determine latest version of Plectronome.&lt;br /&gt;Please check your internet connection.</source>
        <translation>Nie można połączyć się z serwerem, aby sprawdzić najnowszą wersję programu Plectronome.&lt;br /&gt;Sprawdź połączenie z Internetem.</translation>
    </message>
    <message>
        <source>3rd party libraries used in Plectronome:</source>
        <translation>Biblioteki zewnętrzne używane w programie Plectronome:</translation>
    </message>
    <message>
        <source>MP3 files are encoded by the separate lame program.</source>
        <translation>Pliki MP3 koduje osobny program lame.</translation>
    </message>
    <message>
        <source>The sample rate of this file is not supported!&lt;br /&gt;Please choose a file recorded at %1 kHz to %2 kHz.</source>
        <translation>Częstotliwość próbkowania tego pliku nie jest obsługiwana!&lt;br /&gt;Wybierz plik nagrany z częstotliwością od %1 kHz do %2 kHz.</translation>
    </message>
    <message>
        <source>Settings reset</source>
        <translation>Ustawienia przywrócone</translation>
    </message>
    <message>
        <source>The stored settings could not be read, so the defaults are used.&lt;br /&gt;The old settings file was kept as:&lt;br /&gt;%1</source>
        <translation>Nie można odczytać zapisanych ustawień, dlatego użyto ustawień domyślnych.&lt;br /&gt;Stary plik ustawień zachowano jako:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</source>
        <translation>Wybrany plik nie jest obsługiwany.&lt;br /&gt;Wybierz plik z jednym z następujących rozszerzeń:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>Nie można zapisać sesji</translation>
    </message>
    <message>
        <source>The session could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>Nie udało się zapisać sesji w&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>Analiza nadal trwa!&lt;br /&gt;Poczekaj na zakończenie przetwarzania,&lt;br /&gt;zanim utworzysz nowy plik sesji.</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>Zapisz sesję jako...</translation>
    </message>
    <message>
        <source>Plectronome Session (*.pq)</source>
        <translation>Sesja Plectronome (*.pq)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>Analiza nadal trwa!&lt;br /&gt;Poczekaj na zakończenie przetwarzania,&lt;br /&gt;zanim wczytasz nową sesję.</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>Wczytaj plik sesji</translation>
    </message>
    <message>
        <source>%1 already exists.&lt;br /&gt;Do you want to replace it?</source>
        <translation>%1 już istnieje.&lt;br /&gt;Czy chcesz go zastąpić?</translation>
    </message>
    <message>
        <source>The file %1 cannot be created:&lt;br /&gt;%2</source>
        <translation>Nie można utworzyć pliku %1:&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; could not be started.&lt;br /&gt;Please install the package lame, or save the audio as WAV.</source>
        <translation>Nie można uruchomić kodera MP3 „lame”.&lt;br /&gt;Zainstaluj pakiet lame lub zapisz dźwięk jako WAV.</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped with an error:&lt;br /&gt;%1&lt;br /&gt;Nothing was saved.</source>
        <translation>Koder MP3 zatrzymał się z błędem:&lt;br /&gt;%1&lt;br /&gt;Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>Writing %1 failed:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>Zapis %1 nie powiódł się:&lt;br /&gt;%2&lt;br /&gt;Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>The finished audio could not be saved as %1:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>Nie można zapisać gotowego dźwięku jako %1:&lt;br /&gt;%2&lt;br /&gt;Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>Nie można zapisać dźwięku</translation>
    </message>
    <message>
        <source>Saving Audio | %1</source>
        <translation>Zapisywanie dźwięku | %1</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>Eksportuj riff do WAV...</translation>
    </message>
    <message>
        <source>The current riff has no steps.&lt;br /&gt;Nothing was saved.</source>
        <translation>Bieżący riff nie ma kroków.&lt;br /&gt;Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>Eksportuj utwór do WAV...</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>Zapisywanie utworu | %1</translation>
    </message>
    <message>
        <source>The song has no riffs.&lt;br /&gt;Nothing was saved.</source>
        <translation>Utwór nie zawiera riffów.&lt;br /&gt;Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>There is no audio to save in this part of the track.</source>
        <translation>W tej części utworu nie ma dźwięku do zapisania.</translation>
    </message>
    <message>
        <source>Unsaved riffs</source>
        <translation>Niezapisane riffy</translation>
    </message>
    <message>
        <source>The riffs or the song are not saved in a session.&lt;br /&gt;Do you want to save the session?</source>
        <translation>Riffy lub utwór nie są zapisane w sesji.&lt;br /&gt;Czy chcesz zapisać sesję?</translation>
    </message>
    <message>
        <source>The translation file&lt;br /&gt;%1&lt;br /&gt;is damaged or is not the one installed with Plectronome, so Plectronome is shown in English.</source>
        <translation>Plik tłumaczenia&lt;br /&gt;%1&lt;br /&gt;jest uszkodzony lub nie jest tym zainstalowanym z Plectronome, dlatego Plectronome jest wyświetlany po angielsku.</translation>
    </message>
    <message>
        <source>None of the dropped files could be found:&lt;br /&gt;%1</source>
        <translation>Nie znaleziono żadnego z upuszczonych plików:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>Nie można wczytać sesji</translation>
    </message>
    <message>
        <source>This is not a session file that can be loaded:&lt;br /&gt;%1</source>
        <translation>To nie jest plik sesji, który można wczytać:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Find chords again</source>
        <translation>Znajdź akordy ponownie</translation>
    </message>
    <message>
        <source>Chords corrected by hand are found again too.&lt;br /&gt;Find the chords again from the marked chords only?</source>
        <translation>Akordy poprawione ręcznie również zostaną wyznaczone ponownie.&lt;br /&gt;Znaleźć akordy ponownie tylko spośród zaznaczonych?</translation>
    </message>
    <message>
        <source>%1 is write-protected and was not replaced.&lt;br /&gt;Nothing was saved.</source>
        <translation>Plik %1 jest chroniony przed zapisem i nie został zastąpiony.&lt;br /&gt;Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Ustawienia nie zostały zapisane</translation>
    </message>
    <message>
        <source>The settings could not be saved to&lt;br /&gt;%1&lt;br /&gt;The recent files, folders and shortcuts of this run will be missing at the next start.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>Nie udało się zapisać ustawień w&lt;br /&gt;%1&lt;br /&gt;Ostatnie pliki, foldery i skróty z tej sesji nie będą dostępne przy następnym uruchomieniu.&lt;br /&gt;Sprawdź, czy do folderu można zapisywać i czy dysk nie jest pełny.</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before saving audio.</source>
        <translation>Analiza nadal trwa!&lt;br /&gt;Poczekaj na zakończenie przetwarzania,&lt;br /&gt;zanim zapiszesz audio.</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Restore Defaults</source>
        <translation>Przywróć domyślne</translation>
    </message>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>Domyślne zachowanie przy otwieraniu plików audio:</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>Otwieraj folder poprzedniego pliku audio</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>Zawsze otwieraj wybrany folder:</translation>
    </message>
    <message>
        <source>Plectronome Save Location</source>
        <translation>Miejsce zapisu programu Plectronome</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>Miejsce zapisanych sesji i eksportowanego audio:</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>Wybierz domyślny folder audio</translation>
    </message>
    <message>
        <source>Select Default Plectronome Save Folder</source>
        <translation>Wybierz domyślny folder zapisu programu Plectronome</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>Przywróć domyślne foldery</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>Czy na pewno chcesz przywrócić domyślne foldery?</translation>
    </message>
</context>
<context>
    <name>PlotSelection</name>
    <message>
        <source>%1 BEATS</source>
        <translation>%1 UDERZEŃ</translation>
    </message>
    <message>
        <source>BEATS</source>
        <translation>UDERZEŃ</translation>
    </message>
    <message>
        <source>BEAT</source>
        <translation>UDERZENIE</translation>
    </message>
</context>
<context>
    <name>PreferencesMenu</name>
    <message>
        <source>Audio Device</source>
        <translation>Urządzenie audio</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>Domyślne foldery</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Skróty klawiszowe</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencje</translation>
    </message>
</context>
<context>
    <name>ProcessingLabel</name>
    <message>
        <source>Calculating chords</source>
        <translation>Obliczanie akordów</translation>
    </message>
</context>
<context>
    <name>ShortcutsTab</name>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>Przewiń do przodu</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>Wczytaj sesję</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>Ciszej metronom</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>Głośniej metronom</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Otwórz plik audio</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>Obniż wysokość (-1 półton)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>Podwyższ wysokość (+1 półton)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>Odtwarzaj od początku zaznaczenia</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>Odtwarzaj/Zatrzymaj</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Przewiń do tyłu</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Zapisz audio</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>Zapisz sesję</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>Pokaż kartę akordów</translation>
    </message>
    <message>
        <source>Show Vur Arezev Tab</source>
        <translation>Pokaż kartę Vur Arezev</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>Pokaż kartę riffów</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>Wolniej (-1 BPM)</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>Szybciej (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>Włącz/wyłącz izolację</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>Włącz/wyłącz pętlę</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>Włącz/wyłącz wysokość</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>Włącz/wyłącz przewijanie</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>Włącz/wyłącz tempo</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Pokaż pomoc</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Ciszej</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Głośniej</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ustaw</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Przywróć domyślne</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Czynność</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Skrót</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>Naciśnij klawisz dla „%0”:</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>Zastąpić istniejący skrót?</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;
Do you want to overwrite that shortcut?</source>
        <translation>Klawisz „%0” jest już używany dla czynności „%1”.
Czy chcesz zastąpić ten skrót?</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>Przywróć domyślne skróty</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>Czy na pewno chcesz przywrócić domyślne skróty klawiszowe?</translation>
    </message>
</context>
</TS>
