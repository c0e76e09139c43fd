<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>DevicesTab</name>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Устройство:</translation>
    </message>
</context>
<context>
    <name>ExportWriter</name>
    <message>
        <source>lame crashed.</source>
        <translation>lame аварийно завершился.</translation>
    </message>
    <message>
        <source>lame ended with exit code %1.</source>
        <translation>lame завершился с кодом выхода %1.</translation>
    </message>
    <message>
        <source>lame took no audio for %1 seconds.</source>
        <translation>lame не принимал звук %1 с.</translation>
    </message>
    <message>
        <source>The file holds no audio, or too little.</source>
        <translation>В файле нет звука или его слишком мало.</translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Select Language:</source>
        <translation>Выберите язык:</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>Выбор языка — требуется перезапуск</translation>
    </message>
    <message>
        <source>Plectronome must be restarted for language change to take effect.</source>
        <translation>Чтобы смена языка вступила в силу, Plectronome нужно перезапустить.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Перезапустить сейчас</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Plectronome could not start again by itself. Please start it again to see the new language.</source>
        <translation>Plectronome не смог перезапуститься сам. Запустите его снова, чтобы увидеть новый язык.</translation>
    </message>
    <message>
        <source>Language not saved</source>
        <translation>Язык не сохранён</translation>
    </message>
    <message>
        <source>The new language could not be saved to&lt;br /&gt;%1&lt;br /&gt;Plectronome keeps its language.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>Не удалось сохранить новый язык в&lt;br /&gt;%1&lt;br /&gt;Plectronome сохраняет прежний язык.&lt;br /&gt;Проверьте, что в папку этого файла можно записывать и что диск не заполнен.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>&amp;Открыть аудиофайл...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>Открыть дорожку CD...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>Сохранить сеанс &amp;как...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>&amp;Сохранить сеанс</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>&amp;Загрузить сеанс...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>Сохранить выделенный фрагмент</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Сохранить аудио</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>Сохранить аудио песни...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>Сохранить аудио риффа...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>Выбрать &amp;аудиоустройство</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>Выбрать папки по &amp;умолчанию</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>Настроить &amp;сочетания клавиш</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>Выбрать &amp;язык</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Открыть справку</translation>
    </message>
    <message>
        <source>Online Support</source>
        <translation>Поддержка в интернете</translation>
    </message>
    <message>
        <source>About Plectronome</source>
        <translation>О программе Plectronome</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Недавние файлы</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>All types (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</source>
        <translation>Все типы (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>Не удаётся загрузить файл</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>Анализ ещё выполняется!&lt;br /&gt;Дождитесь окончания обработки,&lt;br /&gt;прежде чем загружать новый файл.</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Открыть аудиофайл</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>Файл не найден!</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>Аудиофайл не найден.&lt;br /&gt;Хотите выбрать аудиофайл вручную?</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>Файл слишком мал!&lt;br /&gt;Выберите другой файл.</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>Файл слишком велик!&lt;br /&gt;Выберите другой файл.</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>Выберите другой аудиофайл.</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>Построение волновой формы | %1</translation>
    </message>
    <message>
        <source>Open CD Track</source>
        <translation>Открыть дорожку CD</translation>
    </message>
    <message>
        <source>CD tracks (*.wav *.flac *.cda);;</source>
        <translation>Дорожки CD (*.wav *.flac *.cda);;</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>Декодирование аудио | %1</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Очистить список</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Очистить список</translation>
    </message>
    <message>
        <source>No web browser could be opened. The page is at:&lt;br /&gt;%1</source>
        <translation>Не удалось открыть веб-браузер. Страница находится по адресу:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>A new version of Plectronome is available!</source>
        <translation>Доступна новая версия Plectronome!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>You are using the latest version of Plectronome (v%1).</source>
        <translation>Вы используете последнюю версию Plectronome (v%1).</translation>
    </message>
    <message>
        <source>Cannot connect to server to determine latest version of Plectronome.&lt;br /&gt;Please check your internet connection.</source>
        <translation>Не удаётся подключиться к серверу, чтобы узнать последнюю версию Plectronome.&lt;br /&gt;Проверьте подключение к интернету.</translation>
    </message>
    <message>
        <source>3rd party libraries used in Plectronome:</source>
        <translation>Сторонние библиотеки, используемые в Plectronome:</translation>
    </message>
    <message>
        <source>MP3 files are encoded by the separate lame program.</source>
        <translation>Файлы MP3 кодирует отдельная программа lame.</translation>
    </message>
    <message>
        <source>The sample rate of this file is not supported!&lt;br /&gt;Please choose a file recorded at %1 kHz to %2 kHz.</source>
        <translation>Частота дискретизации этого файла не поддерживается!&lt;br /&gt;Выберите файл, записанный с частотой от %1 до %2 кГц.</translation>
    </message>
    <message>
        <source>Settings reset</source>
        <translation>Настройки сброшены</translation>
    </message>
    <message>
        <source>The stored settings could not be read, so the defaults are used.&lt;br /&gt;The old settings file was kept as:&lt;br /&gt;%1</source>
        <translation>Не удалось прочитать сохранённые настройки, поэтому используются значения по умолчанию.&lt;br /&gt;Старый файл настроек сохранён как:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</source>
        <translation>Выбранный файл не поддерживается.&lt;br /&gt;Выберите файл с одним из следующих расширений:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>Не удаётся сохранить сеанс</translation>
    </message>
    <message>
        <source>The session could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>Не удалось сохранить сеанс в&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>Анализ ещё выполняется!&lt;br /&gt;Дождитесь окончания обработки,&lt;br /&gt;прежде чем создавать новый файл сеанса.</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>Сохранить сеанс как...</translation>
    </message>
    <message>
        <source>Plectronome Session (*.pq)</source>
        <translation>Сеанс Plectronome (*.pq)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>Анализ ещё выполняется!&lt;br /&gt;Дождитесь окончания обработки,&lt;br /&gt;прежде чем загружать новый сеанс.</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>Загрузить файл сеанса</translation>
    </message>
    <message>
        <source>%1 already exists.&lt;br /&gt;Do you want to replace it?</source>
        <translation>%1 уже существует.&lt;br /&gt;Заменить его?</translation>
    </message>
    <message>
        <source>The file %1 cannot be created:&lt;br /&gt;%2</source>
        <translation>Не удаётся создать файл %1:&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; could not be started.&lt;br /&gt;Please install the package lame, or save the audio as WAV.</source>
        <translation>Не удалось запустить MP3-кодировщик «lame».&lt;br /&gt;Установите пакет lame или сохраните звук в формате WAV.</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped with an error:&lt;br /&gt;%1&lt;br /&gt;Nothing was saved.</source>
        <translation>MP3-кодировщик остановился с ошибкой:&lt;br /&gt;%1&lt;br /&gt;Ничего не сохранено.</translation>
    </message>
    <message>
        <source>Writing %1 failed:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>Не удалось записать %1:&lt;br /&gt;%2&lt;br /&gt;Ничего не сохранено.</translation>
    </message>
    <message>
        <source>The finished audio could not be saved as %1:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>Не удалось сохранить готовый звук как %1:&lt;br /&gt;%2&lt;br /&gt;Ничего не сохранено.</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>Не удаётся сохранить звук</translation>
    </message>
    <message>
        <source>Saving Audio | %1</source>
        <translation>Сохранение звука | %1</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>Экспорт риффа в WAV...</translation>
    </message>
    <message>
        <source>The current riff has no steps.&lt;br /&gt;Nothing was saved.</source>
        <translation>В текущем риффе нет шагов.&lt;br /&gt;Ничего не сохранено.</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>Экспорт песни в WAV...</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>Сохранение песни | %1</translation>
    </message>
    <message>
        <source>The song has no riffs.&lt;br /&gt;Nothing was saved.</source>
        <translation>В песне нет риффов.&lt;br /&gt;Ничего не сохранено.</translation>
    </message>
    <message>
        <source>There is no audio to save in this part of the track.</source>
        <translation>В этой части трека нет звука для сохранения.</translation>
    </message>
    <message>
        <source>Unsaved riffs</source>
        <translation>Несохранённые риффы</translation>
    </message>
    <message>
        <source>The riffs or the song are not saved in a session.&lt;br /&gt;Do you want to save the session?</source>
        <translation>Риффы или песня не сохранены в сеансе.&lt;br /&gt;Сохранить сеанс?</translation>
    </message>
    <message>
        <source>The translation file&lt;br /&gt;%1&lt;br /&gt;is damaged or is not the one installed with Plectronome, so Plectronome is shown in English.</source>
        <translation>Файл перевода&lt;br /&gt;%1&lt;br /&gt;повреждён или не является файлом, установленным вместе с Plectronome, поэтому Plectronome отображается на английском языке.</translation>
    </message>
    <message>
        <source>None of the dropped files could be found:&lt;br /&gt;%1</source>
        <translation>Ни один из перетащенных файлов не найден:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>Не удаётся загрузить сеанс</translation>
    </message>
    <message>
        <source>This is not a session file that can be loaded:&lt;br /&gt;%1</source>
        <translation>Это не файл сеанса, который можно загрузить:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Find chords again</source>
        <translation>Найти аккорды заново</translation>
    </message>
    <message>
        <source>Chords corrected by hand are found again too.&lt;br /&gt;Find the chords again from the marked chords only?</source>
        <translation>Аккорды, исправленные вручную, тоже будут найдены заново.&lt;br /&gt;Найти аккорды заново только среди отмеченных?</translation>
    </message>
    <message>
        <source>%1 is write-protected and was not replaced.&lt;br /&gt;Nothing was saved.</source>
        <translation>Файл %1 защищён от записи и не был заменён.&lt;br /&gt;Ничего не сохранено.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Настройки не сохранены</translation>
    </message>
    <message>
        <source>The settings could not be saved to&lt;br /&gt;%1&lt;br /&gt;The recent files, folders and shortcuts of this run will be missing at the next start.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>Не удалось сохранить настройки в&lt;br /&gt;%1&lt;br /&gt;Недавние файлы, папки и сочетания клавиш этого сеанса будут отсутствовать при следующем запуске.&lt;br /&gt;Проверьте, что в её папку можно записывать и что диск не заполнен.</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before saving audio.</source>
        <translation>Анализ ещё выполняется!&lt;br /&gt;Дождитесь окончания обработки,&lt;br /&gt;прежде чем сохранять аудио.</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Restore Defaults</source>
        <translation>Восстановить по умолчанию</translation>
    </message>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>Поведение при открытии аудиофайлов:</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>Открывать папку предыдущего аудиофайла</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>Всегда открывать выбранную папку:</translation>
    </message>
    <message>
        <source>Plectronome Save Location</source>
        <translation>Папка сохранения Plectronome</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>Место для сохранённых сеансов и экспортированного аудио:</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>Выберите папку аудио по умолчанию</translation>
    </message>
    <message>
        <source>Select Default Plectronome Save Folder</source>
        <translation>Выберите папку сохранения Plectronome по умолчанию</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>Восстановить папки по умолчанию</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>Вы действительно хотите восстановить папки по умолчанию?</translation>
    </message>
</context>
<context>
    <name>PlotSelection</name>
    <message>
        <source>%1 BEATS</source>
        <translation>%1 ДОЛЕЙ</translation>
    </message>
    <message>
        <source>BEATS</source>
        <translation>ДОЛЕЙ</translation>
    </message>
    <message>
        <source>BEAT</source>
        <translation>ДОЛЯ</translation>
    </message>
</context>
<context>
    <name>PreferencesMenu</name>
    <message>
        <source>Audio Device</source>
        <translation>Аудиоустройство</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>Папки по умолчанию</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Сочетания клавиш</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Настройки</translation>
    </message>
</context>
<context>
    <name>ProcessingLabel</name>
    <message>
        <source>Calculating chords</source>
        <translation>Вычисление аккордов</translation>
    </message>
</context>
<context>
    <name>ShortcutsTab</name>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>Перемотка вперёд</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>Загрузить сеанс</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>Тише метроном</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>Громче метроном</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Открыть аудиофайл</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>Ниже на полутон (-1)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>Выше на полутон (+1)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>Играть с начала выделения</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>Воспроизведение/Стоп</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Перемотка назад</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Сохранить аудио</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>Сохранить сеанс</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>Показать вкладку аккордов</translation>
    </message>
    <message>
        <source>Show Vur Arezev Tab</source>
        <translation>Показать вкладку Vur Arezev</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>Показать вкладку риффов</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>Медленнее (-1 BPM)</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>Быстрее (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>Вкл./выкл. изоляцию</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>Вкл./выкл. цикл</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>Вкл./выкл. высоту тона</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>Вкл./выкл. прокрутку</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>Вкл./выкл. темп</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Открыть справку</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Тише</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Громче</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Назначить</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Восстановить по умолчанию</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Сочетание клавиш</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>Нажмите клавишу для «%0»:</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>Заменить существующее сочетание?</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;
Do you want to overwrite that shortcut?</source>
        <translation>Клавиша «%0» уже используется для действия «%1».
Заменить это сочетание?</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>Восстановить сочетания по умолчанию</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>Вы действительно хотите сбросить сочетания клавиш?</translation>
    </message>
</context>
</TS>
