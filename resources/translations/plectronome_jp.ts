<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>DevicesTab</name>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>デバイス:</translation>
    </message>
</context>
<context>
    <name>ExportWriter</name>
    <message>
        <source>lame crashed.</source>
        <translation>lame がクラッシュしました。</translation>
    </message>
    <message>
        <source>lame ended with exit code %1.</source>
        <translation>lame は終了コード %1 で終了しました。</translation>
    </message>
    <message>
        <source>lame took no audio for %1 seconds.</source>
        <translation>lame が %1 秒間オーディオを受け取りませんでした。</translation>
    </message>
    <message>
        <source>The file holds no audio, or too little.</source>
        <translation>ファイルにオーディオがないか、少なすぎます。</translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Select Language:</source>
        <translation>言語を選択:</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>言語の選択 – 再起動が必要です</translation>
    </message>
    <message>
        <source>Plectronome must be restarted for language change to take effect.</source>
        <translation>言語の変更を反映するには Plectronome を再起動する必要があります。</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>今すぐ再起動</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Plectronome could not start again by itself. Please start it again to see the new language.</source>
        <translation>Plectronome を自動で再起動できませんでした。新しい言語で表示するには、もう一度起動してください。</translation>
    </message>
    <message>
        <source>Language not saved</source>
        <translation>言語が保存されていません</translation>
    </message>
    <message>
        <source>The new language could not be saved to&lt;br /&gt;%1&lt;br /&gt;Plectronome keeps its language.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>新しい言語を次の場所に保存できませんでした:&lt;br /&gt;%1&lt;br /&gt;Plectronome は現在の言語のままです。&lt;br /&gt;そのフォルダーに書き込めるか、ディスクがいっぱいでないかを確認してください。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>オーディオファイルを開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>CD トラックを開く...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>名前を付けてセッションを保存(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>セッションを保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>セッションを読み込む(&amp;L)...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>選択範囲のオーディオを保存</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>オーディオを保存</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>ソングのオーディオを保存...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>リフのオーディオを保存...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>オーディオデバイスの設定(&amp;A)</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>既定のフォルダーの設定(&amp;D)</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>キーボードショートカットの設定(&amp;K)</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>言語の設定(&amp;L)</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>ヘルプを表示</translation>
    </message>
    <message>
        <source>Online Support</source>
        <translation>オンラインサポート</translation>
    </message>
    <message>
        <source>About Plectronome</source>
        <translation>Plectronome について</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>最近使ったファイル</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>All types (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</source>
        <translation>すべての種類 (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>ファイルを読み込めません</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>解析がまだ実行中です。&lt;br /&gt;処理が終わるまでお待ちください。&lt;br /&gt;その後で新しいファイルを読み込んでください。</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>オーディオファイルを開く</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>ファイルが見つかりません</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>オーディオファイルが見つかりませんでした。&lt;br /&gt;オーディオファイルを手動で選択しますか?</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>ファイルが小さすぎます。&lt;br /&gt;別のファイルを選んでください。</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>ファイルが大きすぎます。&lt;br /&gt;別のファイルを選んでください。</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>別のオーディオファイルを選んでください。</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>波形を描画中 | %1</translation>
    </message>
    <message>
        <source>Open CD Track</source>
        <translation>CD トラックを開く</translation>
    </message>
    <message>
        <source>CD tracks (*.wav *.flac *.cda);;</source>
        <translation>CD トラック (*.wav *.flac *.cda);;</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>オーディオをデコード中 | %1</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>履歴を消去</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>履歴を消去(&amp;C)</translation>
    </message>
    <message>
        <source>No web browser could be opened. The page is at:&lt;br /&gt;%1</source>
        <translation>Web ブラウザーを開けませんでした。ページのアドレスは次のとおりです:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>A new version of Plectronome is available!</source>
        <translation>Plectronome の新しいバージョンがあります。</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>You are using the latest version of Plectronome (v%1).</source>
        <translation>最新バージョンの Plectronome (v%1) をお使いです。</translation>
    </message>
    <message>
        <source>Cannot connect to server to determine latest version of Plectronome.&lt;br /&gt;Please check your internet connection.</source>
        <translation>サーバーに接続できないため、Plectronome の最新バージョンを確認できません。&lt;br /&gt;インターネット接続を確認してください。</translation>
    </message>
    <message>
        <source>3rd party libraries used in Plectronome:</source>
        <translation>Plectronome が使用しているサードパーティのライブラリ:</translation>
    </message>
    <message>
        <source>MP3 files are encoded by the separate lame program.</source>
        <translation>MP3 ファイルは別のプログラム lame でエンコードされます。</translation>
    </message>
    <message>
        <source>The sample rate of this file is not supported!&lt;br /&gt;Please choose a file recorded at %1 kHz to %2 kHz.</source>
        <translation>このファイルのサンプリングレートには対応していません。&lt;br /&gt;%1 kHz から %2 kHz で録音されたファイルを選んでください。</translation>
    </message>
    <message>
        <source>Settings reset</source>
        <translation>設定をリセットしました</translation>
    </message>
    <message>
        <source>The stored settings could not be read, so the defaults are used.&lt;br /&gt;The old settings file was kept as:&lt;br /&gt;%1</source>
        <translation>保存された設定を読み込めなかったため、既定値を使用します。&lt;br /&gt;古い設定ファイルは次の名前で保存されています:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</source>
        <translation>選択したファイルには対応していません。&lt;br /&gt;次のいずれかの拡張子のファイルを選んでください：&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>セッションを保存できません</translation>
    </message>
    <message>
        <source>The session could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>セッションを次の場所に保存できませんでした&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>解析がまだ実行中です。&lt;br /&gt;処理が終わるまでお待ちください。&lt;br /&gt;その後で新しいセッションファイルを作成してください。</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>名前を付けてセッションを保存...</translation>
    </message>
    <message>
        <source>Plectronome Session (*.pq)</source>
        <translation>Plectronome セッション (*.pq)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>解析がまだ実行中です。&lt;br /&gt;処理が終わるまでお待ちください。&lt;br /&gt;その後で新しいセッションを読み込んでください。</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>セッションファイルを読み込む</translation>
    </message>
    <message>
        <source>%1 already exists.&lt;br /&gt;Do you want to replace it?</source>
        <translation>%1 は既に存在します。&lt;br /&gt;置き換えますか？</translation>
    </message>
    <message>
        <source>The file %1 cannot be created:&lt;br /&gt;%2</source>
        <translation>ファイル %1 を作成できません：&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; could not be started.&lt;br /&gt;Please install the package lame, or save the audio as WAV.</source>
        <translation>MP3 エンコーダー「lame」を起動できませんでした。&lt;br /&gt;lame パッケージをインストールするか、WAV で保存してください。</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped with an error:&lt;br /&gt;%1&lt;br /&gt;Nothing was saved.</source>
        <translation>MP3 エンコーダーがエラーで停止しました：&lt;br /&gt;%1&lt;br /&gt;何も保存されませんでした。</translation>
    </message>
    <message>
        <source>Writing %1 failed:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>%1 の書き込みに失敗しました：&lt;br /&gt;%2&lt;br /&gt;何も保存されませんでした。</translation>
    </message>
    <message>
        <source>The finished audio could not be saved as %1:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>完成したオーディオを %1 として保存できませんでした：&lt;br /&gt;%2&lt;br /&gt;何も保存されませんでした。</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>オーディオを保存できません</translation>
    </message>
    <message>
        <source>Saving Audio | %1</source>
        <translation>オーディオを保存中 | %1</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>リフを WAV で書き出す...</translation>
    </message>
    <message>
        <source>The current riff has no steps.&lt;br /&gt;Nothing was saved.</source>
        <translation>現在のリフにはステップがありません。&lt;br /&gt;何も保存されませんでした。</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>ソングを WAV で書き出す...</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>ソングを保存中 | %1</translation>
    </message>
    <message>
        <source>The song has no riffs.&lt;br /&gt;Nothing was saved.</source>
        <translation>ソングにリフがありません。&lt;br /&gt;何も保存されませんでした。</translation>
    </message>
    <message>
        <source>There is no audio to save in this part of the track.</source>
        <translation>トラックのこの部分には保存できるオーディオがありません。</translation>
    </message>
    <message>
        <source>Unsaved riffs</source>
        <translation>未保存のリフ</translation>
    </message>
    <message>
        <source>The riffs or the song are not saved in a session.&lt;br /&gt;Do you want to save the session?</source>
        <translation>リフまたはソングがセッションに保存されていません。&lt;br /&gt;セッションを保存しますか？</translation>
    </message>
    <message>
        <source>The translation file&lt;br /&gt;%1&lt;br /&gt;is damaged or is not the one installed with Plectronome, so Plectronome is shown in English.</source>
        <translation>翻訳ファイル&lt;br /&gt;%1&lt;br /&gt;が壊れているか、Plectronome と一緒にインストールされたものではないため、Plectronome は英語で表示されます。</translation>
    </message>
    <message>
        <source>None of the dropped files could be found:&lt;br /&gt;%1</source>
        <translation>ドロップされたファイルがどれも見つかりませんでした:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>セッションを読み込めません</translation>
    </message>
    <message>
        <source>This is not a session file that can be loaded:&lt;br /&gt;%1</source>
        <translation>読み込めるセッションファイルではありません：&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Find chords again</source>
        <translation>コードを再検出</translation>
    </message>
    <message>
        <source>Chords corrected by hand are found again too.&lt;br /&gt;Find the chords again from the marked chords only?</source>
        <translation>手で修正したコードも再検出されます。&lt;br /&gt;チェックしたコードだけからコードを再検出しますか？</translation>
    </message>
    <message>
        <source>%1 is write-protected and was not replaced.&lt;br /&gt;Nothing was saved.</source>
        <translation>%1 は書き込み禁止のため、置き換えられませんでした。&lt;br /&gt;何も保存されませんでした。</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>設定が保存されていません</translation>
    </message>
    <message>
        <source>The settings could not be saved to&lt;br /&gt;%1&lt;br /&gt;The recent files, folders and shortcuts of this run will be missing at the next start.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>設定を次の場所に保存できませんでした:&lt;br /&gt;%1&lt;br /&gt;今回の最近使ったファイル、フォルダー、ショートカットは次回の起動時に失われます。&lt;br /&gt;そのフォルダーに書き込めるか、ディスクがいっぱいでないかを確認してください。</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before saving audio.</source>
        <translation>解析がまだ実行中です。&lt;br /&gt;処理が終わるまでお待ちください。&lt;br /&gt;その後でオーディオを保存してください。</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Restore Defaults</source>
        <translation>既定値に戻す</translation>
    </message>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>オーディオファイルを開くときの既定の動作:</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>前回のオーディオファイルの場所を開く</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>常に選択したフォルダーを開く:</translation>
    </message>
    <message>
        <source>Plectronome Save Location</source>
        <translation>Plectronome の保存場所</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>保存したセッションと書き出したオーディオの場所:</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>既定のオーディオフォルダーを選択</translation>
    </message>
    <message>
        <source>Select Default Plectronome Save Folder</source>
        <translation>Plectronome の既定の保存フォルダーを選択</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>既定のフォルダーに戻す</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>フォルダー設定を既定値に戻してもよろしいですか?</translation>
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
        <translation>オーディオデバイス</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>既定のフォルダー</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>キーボードショートカット</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
</context>
<context>
    <name>ProcessingLabel</name>
    <message>
        <source>Calculating chords</source>
        <translation>コードを計算中</translation>
    </message>
</context>
<context>
    <name>ShortcutsTab</name>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>早送り</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>セッションを読み込む</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>メトロノームの音量を下げる</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>メトロノームの音量を上げる</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>オーディオファイルを開く</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>ピッチを下げる (-1 半音)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>ピッチを上げる (+1 半音)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>選択範囲の先頭から再生</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>再生/停止</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>巻き戻し</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>オーディオを保存</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>セッションを保存</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>コードビューアータブを表示</translation>
    </message>
    <message>
        <source>Show Vur Arezev Tab</source>
        <translation>Vur Arezev タブを表示</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>リフビルダータブを表示</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>テンポを下げる (-1 BPM)</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>テンポを上げる (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>アイソレートのオン/オフ</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>ループのオン/オフ</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>ピッチのオン/オフ</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>スクロールのオン/オフ</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>テンポのオン/オフ</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>ヘルプを表示</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>音量を下げる</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>音量を上げる</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>消去</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>既定値に戻す</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>「%0」のキーを押してください:</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>既存のショートカットを上書きしますか?</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;
Do you want to overwrite that shortcut?</source>
        <translation>キー「%0」はすでに操作「%1」に使われています。
そのショートカットを上書きしますか?</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>既定のショートカットに戻す</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>キーボードショートカットをリセットしてもよろしいですか?</translation>
    </message>
</context>
</TS>
