<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DevicesTab</name>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>设备:</translation>
    </message>
</context>
<context>
    <name>ExportWriter</name>
    <message>
        <source>lame crashed.</source>
        <translation>lame 崩溃了。</translation>
    </message>
    <message>
        <source>lame ended with exit code %1.</source>
        <translation>lame 以退出代码 %1 结束。</translation>
    </message>
    <message>
        <source>lame took no audio for %1 seconds.</source>
        <translation>lame 在 %1 秒内没有接收任何音频。</translation>
    </message>
    <message>
        <source>The file holds no audio, or too little.</source>
        <translation>文件中没有音频，或音频太少。</translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Select Language:</source>
        <translation>选择语言:</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>语言选择 – 需要重新启动</translation>
    </message>
    <message>
        <source>Plectronome must be restarted for language change to take effect.</source>
        <translation>必须重新启动 Plectronome，语言更改才会生效。</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>立即重新启动</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Plectronome could not start again by itself. Please start it again to see the new language.</source>
        <translation>Plectronome 无法自行重新启动。请再次启动它以使用新语言。</translation>
    </message>
    <message>
        <source>Language not saved</source>
        <translation>语言未保存</translation>
    </message>
    <message>
        <source>The new language could not be saved to&lt;br /&gt;%1&lt;br /&gt;Plectronome keeps its language.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>无法将新语言保存到&lt;br /&gt;%1&lt;br /&gt;Plectronome 保持当前语言。&lt;br /&gt;请检查其所在文件夹是否可写，以及磁盘是否已满。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>打开音频文件(&amp;O)...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>打开 CD 音轨...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>会话另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>保存会话(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>载入会话(&amp;L)...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>保存所选音频</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>保存音频</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>保存歌曲音频...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>保存乐句音频...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>设置音频设备(&amp;A)</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>设置默认文件夹(&amp;D)</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>设置键盘快捷键(&amp;K)</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>设置语言(&amp;L)</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>查看帮助</translation>
    </message>
    <message>
        <source>Online Support</source>
        <translation>在线支持</translation>
    </message>
    <message>
        <source>About Plectronome</source>
        <translation>关于 Plectronome</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>最近的文件</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>All types (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</source>
        <translation>所有类型 (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>无法载入文件</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>分析仍在进行中！&lt;br /&gt;请等待处理完成&lt;br /&gt;后再载入新文件。</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>打开音频文件</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>找不到文件！</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>找不到音频文件。&lt;br /&gt;要手动选择一个音频文件吗？</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>文件太小！&lt;br /&gt;请选择其他文件。</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>文件太大！&lt;br /&gt;请选择其他文件。</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>请选择其他音频文件。</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>正在绘制波形 | %1</translation>
    </message>
    <message>
        <source>Open CD Track</source>
        <translation>打开 CD 音轨</translation>
    </message>
    <message>
        <source>CD tracks (*.wav *.flac *.cda);;</source>
        <translation>CD 音轨 (*.wav *.flac *.cda);;</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>正在解码音频 | %1</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>清除列表</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>清除列表(&amp;C)</translation>
    </message>
    <message>
        <source>No web browser could be opened. The page is at:&lt;br /&gt;%1</source>
        <translation>无法打开网页浏览器。该页面的地址是:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>A new version of Plectronome is available!</source>
        <translation>Plectronome 有新版本可用！</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>You are using the latest version of Plectronome (v%1).</source>
        <translation>您使用的是最新版本的 Plectronome (v%1)。</translation>
    </message>
    <message>
        <source>Cannot connect to server to determine latest version of Plectronome.&lt;br /&gt;Please check your internet connection.</source>
        <translation>无法连接服务器来确定 Plectronome 的最新版本。&lt;br /&gt;请检查您的网络连接。</translation>
    </message>
    <message>
        <source>3rd party libraries used in Plectronome:</source>
        <translation>Plectronome 使用的第三方库:</translation>
    </message>
    <message>
        <source>MP3 files are encoded by the separate lame program.</source>
        <translation>MP3 文件由独立的 lame 程序编码。</translation>
    </message>
    <message>
        <source>The sample rate of this file is not supported!&lt;br /&gt;Please choose a file recorded at %1 kHz to %2 kHz.</source>
        <translation>不支持此文件的采样率！&lt;br /&gt;请选择以 %1 kHz 至 %2 kHz 录制的文件。</translation>
    </message>
    <message>
        <source>Settings reset</source>
        <translation>设置已重置</translation>
    </message>
    <message>
        <source>The stored settings could not be read, so the defaults are used.&lt;br /&gt;The old settings file was kept as:&lt;br /&gt;%1</source>
        <translation>无法读取已保存的设置，因此使用默认设置。&lt;br /&gt;旧的设置文件已保留为:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</source>
        <translation>不支持所选文件。&lt;br /&gt;请选择具有以下扩展名之一的文件：&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>无法保存会话</translation>
    </message>
    <message>
        <source>The session could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>无法将会话保存到&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>分析仍在进行中！&lt;br /&gt;请等待处理完成&lt;br /&gt;后再创建新的会话文件。</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>会话另存为...</translation>
    </message>
    <message>
        <source>Plectronome Session (*.pq)</source>
        <translation>Plectronome 会话 (*.pq)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>分析仍在进行中！&lt;br /&gt;请等待处理完成&lt;br /&gt;后再载入新的会话。</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>载入会话文件</translation>
    </message>
    <message>
        <source>%1 already exists.&lt;br /&gt;Do you want to replace it?</source>
        <translation>%1 已存在。&lt;br /&gt;要替换它吗？</translation>
    </message>
    <message>
        <source>The file %1 cannot be created:&lt;br /&gt;%2</source>
        <translation>无法创建文件 %1：&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; could not be started.&lt;br /&gt;Please install the package lame, or save the audio as WAV.</source>
        <translation>无法启动 MP3 编码器“lame”。&lt;br /&gt;请安装 lame 软件包，或将音频保存为 WAV。</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped with an error:&lt;br /&gt;%1&lt;br /&gt;Nothing was saved.</source>
        <translation>MP3 编码器出错停止：&lt;br /&gt;%1&lt;br /&gt;未保存任何内容。</translation>
    </message>
    <message>
        <source>Writing %1 failed:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>写入 %1 失败：&lt;br /&gt;%2&lt;br /&gt;未保存任何内容。</translation>
    </message>
    <message>
        <source>The finished audio could not be saved as %1:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>无法将完成的音频保存为 %1：&lt;br /&gt;%2&lt;br /&gt;未保存任何内容。</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>无法保存音频</translation>
    </message>
    <message>
        <source>Saving Audio | %1</source>
        <translation>正在保存音频 | %1</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>导出乐句 WAV...</translation>
    </message>
    <message>
        <source>The current riff has no steps.&lt;br /&gt;Nothing was saved.</source>
        <translation>当前乐句没有步骤。&lt;br /&gt;未保存任何内容。</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>导出歌曲 WAV...</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>正在保存歌曲 | %1</translation>
    </message>
    <message>
        <source>The song has no riffs.&lt;br /&gt;Nothing was saved.</source>
        <translation>歌曲中没有乐句。&lt;br /&gt;未保存任何内容。</translation>
    </message>
    <message>
        <source>There is no audio to save in this part of the track.</source>
        <translation>这部分音轨中没有可保存的音频。</translation>
    </message>
    <message>
        <source>Unsaved riffs</source>
        <translation>未保存的乐句</translation>
    </message>
    <message>
        <source>The riffs or the song are not saved in a session.&lt;br /&gt;Do you want to save the session?</source>
        <translation>乐句或歌曲尚未保存在会话中。&lt;br /&gt;是否保存会话？</translation>
    </message>
    <message>
        <source>The translation file&lt;br /&gt;%1&lt;br /&gt;is damaged or is not the one installed with Plectronome, so Plectronome is shown in English.</source>
        <translation>翻译文件&lt;br /&gt;%1&lt;br /&gt;已损坏或不是随 Plectronome 安装的文件，因此 Plectronome 以英文显示。</translation>
    </message>
    <message>
        <source>None of the dropped files could be found:&lt;br /&gt;%1</source>
        <translation>找不到任何拖放的文件：&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>无法加载会话</translation>
    </message>
    <message>
        <source>This is not a session file that can be loaded:&lt;br /&gt;%1</source>
        <translation>这不是可以加载的会话文件：&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Find chords again</source>
        <translation>重新识别和弦</translation>
    </message>
    <message>
        <source>Chords corrected by hand are found again too.&lt;br /&gt;Find the chords again from the marked chords only?</source>
        <translation>手动修改过的和弦也会被重新识别。&lt;br /&gt;是否仅从已勾选的和弦中重新识别和弦？</translation>
    </message>
    <message>
        <source>%1 is write-protected and was not replaced.&lt;br /&gt;Nothing was saved.</source>
        <translation>%1 受写保护，未被替换。&lt;br /&gt;未保存任何内容。</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>设置未保存</translation>
    </message>
    <message>
        <source>The settings could not be saved to&lt;br /&gt;%1&lt;br /&gt;The recent files, folders and shortcuts of this run will be missing at the next start.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>无法将设置保存到&lt;br /&gt;%1&lt;br /&gt;本次运行的最近文件、文件夹和快捷键在下次启动时将会丢失。&lt;br /&gt;请检查其所在文件夹是否可写，以及磁盘是否已满。</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before saving audio.</source>
        <translation>分析仍在进行中！&lt;br /&gt;请等待处理完成&lt;br /&gt;后再保存音频。</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Restore Defaults</source>
        <translation>恢复默认设置</translation>
    </message>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>打开音频文件时的默认行为:</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>打开上一个音频文件所在的位置</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>总是打开所选文件夹:</translation>
    </message>
    <message>
        <source>Plectronome Save Location</source>
        <translation>Plectronome 保存位置</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>已保存的会话和导出音频的位置:</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>选择默认音频文件夹</translation>
    </message>
    <message>
        <source>Select Default Plectronome Save Folder</source>
        <translation>选择 Plectronome 的默认保存文件夹</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>恢复默认文件夹</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>确定要恢复默认文件夹设置吗？</translation>
    </message>
</context>
<context>
    <name>PlotSelection</name>
    <message>
        <source>%1 BEATS</source>
        <translation>%1 拍</translation>
    </message>
    <message>
        <source>BEATS</source>
        <translation>拍</translation>
    </message>
    <message>
        <source>BEAT</source>
        <translation>拍</translation>
    </message>
</context>
<context>
    <name>PreferencesMenu</name>
    <message>
        <source>Audio Device</source>
        <translation>音频设备</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>默认文件夹</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>键盘快捷键</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
</context>
<context>
    <name>ProcessingLabel</name>
    <message>
        <source>Calculating chords</source>
        <translation>正在计算和弦</translation>
    </message>
</context>
<context>
    <name>ShortcutsTab</name>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>快进</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>载入会话</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>降低节拍器音量</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>提高节拍器音量</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>打开音频文件</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>降低音高 (-1 半音)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>升高音高 (+1 半音)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>从选区开头播放</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>播放/停止</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>快退</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>保存音频</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>保存会话</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>显示和弦查看器标签页</translation>
    </message>
    <message>
        <source>Show Vur Arezev Tab</source>
        <translation>显示 Vur Arezev 标签页</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>显示乐句编排标签页</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>减慢速度 (-1 BPM)</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>加快速度 (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>开关声部分离工具</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>开关循环</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>开关音高工具</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>开关滚动</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>开关速度工具</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>查看帮助</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>降低音量</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>提高音量</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>恢复默认设置</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>请为“%0”按下按键:</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>覆盖现有快捷键？</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;
Do you want to overwrite that shortcut?</source>
        <translation>按键“%0”已用于操作“%1”。
要覆盖该快捷键吗？</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>恢复默认快捷键</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>确定要重置键盘快捷键吗？</translation>
    </message>
</context>
</TS>
