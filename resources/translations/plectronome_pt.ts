<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
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
        <translation>O lame falhou.</translation>
    </message>
    <message>
        <source>lame ended with exit code %1.</source>
        <translation>O lame terminou com o código de saída %1.</translation>
    </message>
    <message>
        <source>lame took no audio for %1 seconds.</source>
        <translation>O lame não recebeu áudio durante %1 segundos.</translation>
    </message>
    <message>
        <source>The file holds no audio, or too little.</source>
        <translation>O ficheiro não contém áudio, ou contém muito pouco.</translation>
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
        <translation>Escolher idioma:</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>Seleção de idioma – é necessário reiniciar</translation>
    </message>
    <message>
        <source>Plectronome must be restarted for language change to take effect.</source>
        <translation>O Plectronome tem de ser reiniciado para que a mudança de idioma tenha efeito.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Reiniciar agora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Plectronome could not start again by itself. Please start it again to see the new language.</source>
        <translation>O Plectronome não conseguiu reiniciar-se sozinho. Inicie-o novamente para ver o novo idioma.</translation>
    </message>
    <message>
        <source>Language not saved</source>
        <translation>Idioma não guardado</translation>
    </message>
    <message>
        <source>The new language could not be saved to&lt;br /&gt;%1&lt;br /&gt;Plectronome keeps its language.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>Não foi possível guardar o novo idioma em&lt;br /&gt;%1&lt;br /&gt;O Plectronome mantém o seu idioma.&lt;br /&gt;Verifique se a pasta pode ser escrita e se o disco não está cheio.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>&amp;Abrir ficheiro de áudio...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>Abrir faixa de CD...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>Guardar sessão &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>&amp;Guardar sessão</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>&amp;Carregar sessão...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>Guardar seleção de áudio</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Guardar áudio</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>Guardar áudio da música...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>Guardar áudio do riff...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>Definir &amp;dispositivo de áudio</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>Definir pastas &amp;predefinidas</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>Definir a&amp;talhos de teclado</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>Definir &amp;idioma</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Ver ajuda</translation>
    </message>
    <message>
        <source>Online Support</source>
        <translation>Suporte online</translation>
    </message>
    <message>
        <source>About Plectronome</source>
        <translation>Acerca do Plectronome</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Procurar atualizações</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Ficheiro</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Ficheiros recentes</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>All types (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</source>
        <translation>Todos os tipos (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>Não é possível carregar o ficheiro</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>A análise ainda está a decorrer!&lt;br /&gt;Aguarde até o processamento terminar&lt;br /&gt;antes de carregar um novo ficheiro.</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Abrir ficheiro de áudio</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>Ficheiro não encontrado!</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>Não foi possível encontrar o ficheiro de áudio.&lt;br /&gt;Quer escolher manualmente um ficheiro de áudio?</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>Ficheiro demasiado pequeno!&lt;br /&gt;Escolha outro ficheiro.</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>Ficheiro demasiado grande!&lt;br /&gt;Escolha outro ficheiro.</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>Escolha outro ficheiro de áudio.</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>A desenhar a forma de onda | %1</translation>
    </message>
    <message>
        <source>Open CD Track</source>
        <translation>Abrir faixa de CD</translation>
    </message>
    <message>
        <source>CD tracks (*.wav *.flac *.cda);;</source>
        <translation>Faixas de CD (*.wav *.flac *.cda);;</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>A descodificar o áudio | %1</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Limpar lista</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Limpar lista</translation>
    </message>
    <message>
        <source>No web browser could be opened. The page is at:&lt;br /&gt;%1</source>
        <translation>Não foi possível abrir um navegador. A página está em:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>A new version of Plectronome is available!</source>
        <translation>Está disponível uma nova versão do Plectronome!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>You are using the latest version of Plectronome (v%1).</source>
        <translation>Está a usar a versão mais recente do Plectronome (v%1).</translation>
    </message>
    <message>
        <source>Cannot connect to server to determine latest version of Plectronome.&lt;br /&gt;Please check your internet connection.</source>
        <translation>Não é possível ligar ao servidor para saber a versão mais recente do Plectronome.&lt;br /&gt;Verifique a sua ligação à Internet.</translation>
    </message>
    <message>
        <source>3rd party libraries used in Plectronome:</source>
        <translation>Bibliotecas de terceiros usadas no Plectronome:</translation>
    </message>
    <message>
        <source>MP3 files are encoded by the separate lame program.</source>
        <translation>Os ficheiros MP3 são codificados pelo programa separado lame.</translation>
    </message>
    <message>
        <source>The sample rate of this file is not supported!&lt;br /&gt;Please choose a file recorded at %1 kHz to %2 kHz.</source>
        <translation>A frequência de amostragem deste ficheiro não é suportada!&lt;br /&gt;Escolha um ficheiro gravado entre %1 kHz e %2 kHz.</translation>
    </message>
    <message>
        <source>Settings reset</source>
        <translation>Definições repostas</translation>
    </message>
    <message>
        <source>The stored settings could not be read, so the defaults are used.&lt;br /&gt;The old settings file was kept as:&lt;br /&gt;%1</source>
        <translation>Não foi possível ler as definições guardadas, por isso são usadas as predefinições.&lt;br /&gt;O ficheiro de definições antigo foi guardado como:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</source>
        <translation>O ficheiro escolhido não é suportado.&lt;br /&gt;Escolha um ficheiro com uma das seguintes extensões:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>Não é possível guardar a sessão</translation>
    </message>
    <message>
        <source>The session could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>Não foi possível guardar a sessão em&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>A análise ainda está a decorrer!&lt;br /&gt;Aguarde até o processamento terminar&lt;br /&gt;antes de criar um novo ficheiro de sessão.</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>Guardar sessão como...</translation>
    </message>
    <message>
        <source>Plectronome Session (*.pq)</source>
        <translation>Sessão do Plectronome (*.pq)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>A análise ainda está a decorrer!&lt;br /&gt;Aguarde até o processamento terminar&lt;br /&gt;antes de carregar uma nova sessão.</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>Carregar ficheiro de sessão</translation>
    </message>
    <message>
        <source>%1 already exists.&lt;br /&gt;Do you want to replace it?</source>
        <translation>%1 já existe.&lt;br /&gt;Pretende substituí-lo?</translation>
    </message>
    <message>
        <source>The file %1 cannot be created:&lt;br /&gt;%2</source>
        <translation>Não é possível criar o ficheiro %1:&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; could not be started.&lt;br /&gt;Please install the package lame, or save the audio as WAV.</source>
        <translation>Não foi possível iniciar o codificador MP3 &quot;lame&quot;.&lt;br /&gt;Instale o pacote lame ou guarde o áudio como WAV.</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped with an error:&lt;br /&gt;%1&lt;br /&gt;Nothing was saved.</source>
        <translation>O codificador MP3 parou com um erro:&lt;br /&gt;%1&lt;br /&gt;Nada foi guardado.</translation>
    </message>
    <message>
        <source>Writing %1 failed:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>Falha ao escrever %1:&lt;br /&gt;%2&lt;br /&gt;Nada foi guardado.</translation>
    </message>
    <message>
        <source>The finished audio could not be saved as %1:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>Não foi possível guardar o áudio terminado como %1:&lt;br /&gt;%2&lt;br /&gt;Nada foi guardado.</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>Não é possível guardar o áudio</translation>
    </message>
    <message>
        <source>Saving Audio | %1</source>
        <translation>A guardar áudio | %1</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>Exportar riff em WAV...</translation>
    </message>
    <message>
        <source>The current riff has no steps.&lt;br /&gt;Nothing was saved.</source>
        <translation>O riff atual não tem passos.&lt;br /&gt;Nada foi guardado.</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>Exportar música em WAV...</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>A guardar música | %1</translation>
    </message>
    <message>
        <source>The song has no riffs.&lt;br /&gt;Nothing was saved.</source>
        <translation>A música não tem riffs.&lt;br /&gt;Nada foi guardado.</translation>
    </message>
    <message>
        <source>There is no audio to save in this part of the track.</source>
        <translation>Não há áudio para guardar nesta parte da faixa.</translation>
    </message>
    <message>
        <source>Unsaved riffs</source>
        <translation>Riffs por guardar</translation>
    </message>
    <message>
        <source>The riffs or the song are not saved in a session.&lt;br /&gt;Do you want to save the session?</source>
        <translation>Os riffs ou a música não estão guardados numa sessão.&lt;br /&gt;Deseja guardar a sessão?</translation>
    </message>
    <message>
        <source>The translation file&lt;br /&gt;%1&lt;br /&gt;is damaged or is not the one installed with Plectronome, so Plectronome is shown in English.</source>
        <translation>O ficheiro de tradução&lt;br /&gt;%1&lt;br /&gt;está danificado ou não é o instalado com o Plectronome, por isso o Plectronome é mostrado em inglês.</translation>
    </message>
    <message>
        <source>None of the dropped files could be found:&lt;br /&gt;%1</source>
        <translation>Nenhum dos ficheiros largados foi encontrado:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>Não é possível carregar a sessão</translation>
    </message>
    <message>
        <source>This is not a session file that can be loaded:&lt;br /&gt;%1</source>
        <translation>Este não é um ficheiro de sessão que possa ser carregado:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Find chords again</source>
        <translation>Procurar os acordes de novo</translation>
    </message>
    <message>
        <source>Chords corrected by hand are found again too.&lt;br /&gt;Find the chords again from the marked chords only?</source>
        <translation>Os acordes corrigidos à mão também serão procurados de novo.&lt;br /&gt;Procurar os acordes de novo apenas entre os marcados?</translation>
    </message>
    <message>
        <source>%1 is write-protected and was not replaced.&lt;br /&gt;Nothing was saved.</source>
        <translation>%1 está protegido contra escrita e não foi substituído.&lt;br /&gt;Nada foi guardado.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Definições não guardadas</translation>
    </message>
    <message>
        <source>The settings could not be saved to&lt;br /&gt;%1&lt;br /&gt;The recent files, folders and shortcuts of this run will be missing at the next start.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>Não foi possível guardar as definições em&lt;br /&gt;%1&lt;br /&gt;Os ficheiros recentes, as pastas e os atalhos desta sessão vão faltar no próximo arranque.&lt;br /&gt;Verifique se a pasta pode ser escrita e se o disco não está cheio.</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before saving audio.</source>
        <translation>A análise ainda está a decorrer!&lt;br /&gt;Aguarde até o processamento terminar&lt;br /&gt;antes de guardar o áudio.</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Restore Defaults</source>
        <translation>Repor predefinições</translation>
    </message>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>Comportamento ao abrir ficheiros de áudio:</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>Abrir a pasta do ficheiro de áudio anterior</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>Abrir sempre a pasta escolhida:</translation>
    </message>
    <message>
        <source>Plectronome Save Location</source>
        <translation>Local de gravação do Plectronome</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>Local das sessões guardadas e do áudio exportado:</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>Escolher a pasta de áudio predefinida</translation>
    </message>
    <message>
        <source>Select Default Plectronome Save Folder</source>
        <translation>Escolher a pasta de gravação predefinida do Plectronome</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>Repor as pastas predefinidas</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>Tem a certeza de que quer repor as pastas predefinidas?</translation>
    </message>
</context>
<context>
    <name>PlotSelection</name>
    <message>
        <source>%1 BEATS</source>
        <translation>%1 TEMPOS</translation>
    </message>
    <message>
        <source>BEATS</source>
        <translation>TEMPOS</translation>
    </message>
    <message>
        <source>BEAT</source>
        <translation>TEMPO</translation>
    </message>
</context>
<context>
    <name>PreferencesMenu</name>
    <message>
        <source>Audio Device</source>
        <translation>Dispositivo de áudio</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>Pastas predefinidas</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atalhos de teclado</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
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
        <translation>Sair</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>Carregar sessão</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>Baixar o metrónomo</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>Subir o metrónomo</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Abrir ficheiro de áudio</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>Baixar o tom (-1 meio-tom)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>Subir o tom (+1 meio-tom)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>Tocar desde o início da seleção</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>Tocar/Parar</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Recuar</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Guardar áudio</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>Guardar sessão</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>Mostrar o separador de acordes</translation>
    </message>
    <message>
        <source>Show Vur Arezev Tab</source>
        <translation>Mostrar o separador Vur Arezev</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>Mostrar o separador de riffs</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>Baixar o andamento (-1 BPM)</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>Subir o andamento (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>Ligar/desligar isolamento</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>Ligar/desligar repetição</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>Ligar/desligar tom</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>Ligar/desligar deslocamento</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>Ligar/desligar andamento</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Ver ajuda</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Baixar o volume</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Subir o volume</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Aumentar zoom</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Diminuir zoom</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Definir</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Repor predefinições</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Atalho</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>Prima a tecla para &quot;%0&quot;:</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>Substituir o atalho existente?</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;
Do you want to overwrite that shortcut?</source>
        <translation>A tecla &quot;%0&quot; já está a ser usada para a ação &quot;%1&quot;.
Quer substituir esse atalho?</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>Repor os atalhos predefinidos</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>Tem a certeza de que quer repor os atalhos de teclado?</translation>
    </message>
</context>
</TS>
