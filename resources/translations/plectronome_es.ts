<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>DevicesTab</name>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
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
        <translation>lame se bloqueó.</translation>
    </message>
    <message>
        <source>lame ended with exit code %1.</source>
        <translation>lame terminó con el código de salida %1.</translation>
    </message>
    <message>
        <source>lame took no audio for %1 seconds.</source>
        <translation>lame no recibió audio durante %1 segundos.</translation>
    </message>
    <message>
        <source>The file holds no audio, or too little.</source>
        <translation>El archivo no contiene audio, o muy poco.</translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Select Language:</source>
        <translation>Seleccionar idioma:</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>Selección de idioma: es necesario reiniciar</translation>
    </message>
    <message>
        <source>Plectronome must be restarted for language change to take effect.</source>
        <translation>Plectronome debe reiniciarse para que el cambio de idioma surta efecto.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Reiniciar ahora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Plectronome could not start again by itself. Please start it again to see the new language.</source>
        <translation>Plectronome no pudo reiniciarse por sí mismo. Vuelva a iniciarlo para ver el nuevo idioma.</translation>
    </message>
    <message>
        <source>Language not saved</source>
        <translation>Idioma no guardado</translation>
    </message>
    <message>
        <source>The new language could not be saved to&lt;br /&gt;%1&lt;br /&gt;Plectronome keeps its language.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>No se pudo guardar el nuevo idioma en&lt;br /&gt;%1&lt;br /&gt;Plectronome mantiene su idioma.&lt;br /&gt;Compruebe que se puede escribir en su carpeta y que el disco no está lleno.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>&amp;Abrir archivo de audio...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>Abrir pista de CD...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>Guardar sesión &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>&amp;Guardar sesión</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>&amp;Cargar sesión...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>Guardar selección de audio</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Guardar audio</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>Guardar audio de la canción...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>Guardar audio del riff...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>Elegir &amp;dispositivo de audio</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>Elegir carpetas &amp;predeterminadas</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>Elegir a&amp;tajos de teclado</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>Elegir &amp;idioma</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Ver ayuda</translation>
    </message>
    <message>
        <source>Online Support</source>
        <translation>Soporte en línea</translation>
    </message>
    <message>
        <source>About Plectronome</source>
        <translation>Acerca de Plectronome</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Archivos recientes</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>All types (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</source>
        <translation>Todos los tipos (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>No se puede cargar el archivo</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>¡El análisis sigue en curso!&lt;br /&gt;Espere a que termine el procesamiento&lt;br /&gt;antes de cargar un archivo nuevo.</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Abrir archivo de audio</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>¡Archivo no encontrado!</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>No se encontró el archivo de audio.&lt;br /&gt;¿Quiere seleccionar un archivo de audio manualmente?</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>¡Archivo demasiado pequeño!&lt;br /&gt;Elija otro archivo.</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>¡Archivo demasiado grande!&lt;br /&gt;Elija otro archivo.</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>Seleccione otro archivo de audio.</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>Dibujando la forma de onda | %1</translation>
    </message>
    <message>
        <source>Open CD Track</source>
        <translation>Abrir pista de CD</translation>
    </message>
    <message>
        <source>CD tracks (*.wav *.flac *.cda);;</source>
        <translation>Pistas de CD (*.wav *.flac *.cda);;</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>Decodificando el audio | %1</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Borrar lista</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Borrar lista</translation>
    </message>
    <message>
        <source>No web browser could be opened. The page is at:&lt;br /&gt;%1</source>
        <translation>No se pudo abrir ningún navegador web. La página está en:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>A new version of Plectronome is available!</source>
        <translation>¡Hay una nueva versión de Plectronome disponible!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>You are using the latest version of Plectronome (v%1).</source>
        <translation>Está usando la última versión de Plectronome (v%1).</translation>
    </message>
    <message>
        <source>Cannot connect to server to determine latest version of Plectronome.&lt;br /&gt;Please check your internet connection.</source>
        <translation>No se puede conectar con el servidor para conocer la última versión de Plectronome.&lt;br /&gt;Compruebe su conexión a Internet.</translation>
    </message>
    <message>
        <source>3rd party libraries used in Plectronome:</source>
        <translation>Bibliotecas de terceros usadas en Plectronome:</translation>
    </message>
    <message>
        <source>MP3 files are encoded by the separate lame program.</source>
        <translation>Los archivos MP3 los codifica el programa independiente lame.</translation>
    </message>
    <message>
        <source>The sample rate of this file is not supported!&lt;br /&gt;Please choose a file recorded at %1 kHz to %2 kHz.</source>
        <translation>¡La frecuencia de muestreo de este archivo no es compatible!&lt;br /&gt;Elija un archivo grabado entre %1 kHz y %2 kHz.</translation>
    </message>
    <message>
        <source>Settings reset</source>
        <translation>Ajustes restablecidos</translation>
    </message>
    <message>
        <source>The stored settings could not be read, so the defaults are used.&lt;br /&gt;The old settings file was kept as:&lt;br /&gt;%1</source>
        <translation>No se pudieron leer los ajustes guardados, así que se usan los valores predeterminados.&lt;br /&gt;El archivo de ajustes anterior se guardó como:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</source>
        <translation>El archivo seleccionado no es compatible.&lt;br /&gt;Elija un archivo con una de las siguientes extensiones:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>No se puede guardar la sesión</translation>
    </message>
    <message>
        <source>The session could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>No se pudo guardar la sesión en&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>¡El análisis sigue en curso!&lt;br /&gt;Espere a que termine el procesamiento&lt;br /&gt;antes de crear un archivo de sesión nuevo.</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>Guardar sesión como...</translation>
    </message>
    <message>
        <source>Plectronome Session (*.pq)</source>
        <translation>Sesión de Plectronome (*.pq)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>¡El análisis sigue en curso!&lt;br /&gt;Espere a que termine el procesamiento&lt;br /&gt;antes de cargar una sesión nueva.</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>Cargar archivo de sesión</translation>
    </message>
    <message>
        <source>%1 already exists.&lt;br /&gt;Do you want to replace it?</source>
        <translation>%1 ya existe.&lt;br /&gt;¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>The file %1 cannot be created:&lt;br /&gt;%2</source>
        <translation>No se puede crear el archivo %1:&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; could not be started.&lt;br /&gt;Please install the package lame, or save the audio as WAV.</source>
        <translation>No se pudo iniciar el codificador MP3 &quot;lame&quot;.&lt;br /&gt;Instale el paquete lame o guarde el audio como WAV.</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped with an error:&lt;br /&gt;%1&lt;br /&gt;Nothing was saved.</source>
        <translation>El codificador MP3 se detuvo con un error:&lt;br /&gt;%1&lt;br /&gt;No se ha guardado nada.</translation>
    </message>
    <message>
        <source>Writing %1 failed:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>Error al escribir %1:&lt;br /&gt;%2&lt;br /&gt;No se ha guardado nada.</translation>
    </message>
    <message>
        <source>The finished audio could not be saved as %1:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>No se pudo guardar el audio terminado como %1:&lt;br /&gt;%2&lt;br /&gt;No se ha guardado nada.</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>No se puede guardar el audio</translation>
    </message>
    <message>
        <source>Saving Audio | %1</source>
        <translation>Guardando audio | %1</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>Exportar riff en WAV...</translation>
    </message>
    <message>
        <source>The current riff has no steps.&lt;br /&gt;Nothing was saved.</source>
        <translation>El riff actual no tiene pasos.&lt;br /&gt;No se ha guardado nada.</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>Exportar canción en WAV...</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>Guardando canción | %1</translation>
    </message>
    <message>
        <source>The song has no riffs.&lt;br /&gt;Nothing was saved.</source>
        <translation>La canción no tiene riffs.&lt;br /&gt;No se ha guardado nada.</translation>
    </message>
    <message>
        <source>There is no audio to save in this part of the track.</source>
        <translation>No hay audio que guardar en esta parte de la pista.</translation>
    </message>
    <message>
        <source>Unsaved riffs</source>
        <translation>Riffs sin guardar</translation>
    </message>
    <message>
        <source>The riffs or the song are not saved in a session.&lt;br /&gt;Do you want to save the session?</source>
        <translation>Los riffs o la canción no están guardados en una sesión.&lt;br /&gt;¿Desea guardar la sesión?</translation>
    </message>
    <message>
        <source>The translation file&lt;br /&gt;%1&lt;br /&gt;is damaged or is not the one installed with Plectronome, so Plectronome is shown in English.</source>
        <translation>El archivo de traducción&lt;br /&gt;%1&lt;br /&gt;está dañado o no es el instalado con Plectronome, por lo que Plectronome se muestra en inglés.</translation>
    </message>
    <message>
        <source>None of the dropped files could be found:&lt;br /&gt;%1</source>
        <translation>No se encontró ninguno de los archivos soltados:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>No se puede cargar la sesión</translation>
    </message>
    <message>
        <source>This is not a session file that can be loaded:&lt;br /&gt;%1</source>
        <translation>Este no es un archivo de sesión que se pueda cargar:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Find chords again</source>
        <translation>Buscar de nuevo los acordes</translation>
    </message>
    <message>
        <source>Chords corrected by hand are found again too.&lt;br /&gt;Find the chords again from the marked chords only?</source>
        <translation>Los acordes corregidos a mano también se buscarán de nuevo.&lt;br /&gt;¿Buscar de nuevo los acordes solo entre los marcados?</translation>
    </message>
    <message>
        <source>%1 is write-protected and was not replaced.&lt;br /&gt;Nothing was saved.</source>
        <translation>%1 está protegido contra escritura y no se ha reemplazado.&lt;br /&gt;No se ha guardado nada.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Ajustes no guardados</translation>
    </message>
    <message>
        <source>The settings could not be saved to&lt;br /&gt;%1&lt;br /&gt;The recent files, folders and shortcuts of this run will be missing at the next start.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>No se pudieron guardar los ajustes en&lt;br /&gt;%1&lt;br /&gt;Los archivos recientes, las carpetas y los atajos de esta sesión faltarán en el próximo inicio.&lt;br /&gt;Compruebe que se puede escribir en su carpeta y que el disco no está lleno.</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before saving audio.</source>
        <translation>¡El análisis sigue en curso!&lt;br /&gt;Espere a que termine el procesamiento&lt;br /&gt;antes de guardar el audio.</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurar valores predeterminados</translation>
    </message>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>Comportamiento al abrir archivos de audio:</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>Abrir la carpeta del archivo de audio anterior</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>Abrir siempre la carpeta elegida:</translation>
    </message>
    <message>
        <source>Plectronome Save Location</source>
        <translation>Ubicación de guardado de Plectronome</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>Ubicación de las sesiones guardadas y del audio exportado:</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>Seleccionar la carpeta de audio predeterminada</translation>
    </message>
    <message>
        <source>Select Default Plectronome Save Folder</source>
        <translation>Seleccionar la carpeta de guardado predeterminada de Plectronome</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>Restaurar las carpetas predeterminadas</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>¿Seguro que quiere restaurar las carpetas predeterminadas?</translation>
    </message>
</context>
<context>
    <name>PlotSelection</name>
    <message>
        <source>%1 BEATS</source>
        <translation>%1 PULSOS</translation>
    </message>
    <message>
        <source>BEATS</source>
        <translation>PULSOS</translation>
    </message>
    <message>
        <source>BEAT</source>
        <translation>PULSO</translation>
    </message>
</context>
<context>
    <name>PreferencesMenu</name>
    <message>
        <source>Audio Device</source>
        <translation>Dispositivo de audio</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>Carpetas predeterminadas</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
</context>
<context>
    <name>ProcessingLabel</name>
    <message>
        <source>Calculating chords</source>
        <translation>Calculando acordes</translation>
    </message>
</context>
<context>
    <name>ShortcutsTab</name>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>Avance rápido</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>Cargar sesión</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>Bajar el metrónomo</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>Subir el metrónomo</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Abrir archivo de audio</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>Bajar el tono (-1 semitono)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>Subir el tono (+1 semitono)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>Reproducir desde el inicio de la selección</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>Reproducir/Detener</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Retroceder</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Guardar audio</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>Guardar sesión</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>Mostrar la pestaña de acordes</translation>
    </message>
    <message>
        <source>Show Vur Arezev Tab</source>
        <translation>Mostrar la pestaña Vur Arezev</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>Mostrar la pestaña de riffs</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>Bajar el tempo (-1 BPM)</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>Subir el tempo (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>Activar/desactivar aislamiento</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>Activar/desactivar bucle</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>Activar/desactivar tono</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>Activar/desactivar desplazamiento</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>Activar/desactivar tempo</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Ver ayuda</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Bajar el volumen</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Subir el volumen</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Asignar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurar valores predeterminados</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Atajo</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>Pulse la tecla para «%0»:</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>¿Sustituir el atajo existente?</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;
Do you want to overwrite that shortcut?</source>
        <translation>La tecla «%0» ya se usa para la acción «%1».
¿Quiere sustituir ese atajo?</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>Restaurar los atajos predeterminados</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>¿Seguro que quiere restablecer los atajos de teclado?</translation>
    </message>
</context>
</TS>
