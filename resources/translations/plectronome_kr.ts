<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>DevicesTab</name>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>장치:</translation>
    </message>
</context>
<context>
    <name>ExportWriter</name>
    <message>
        <source>lame crashed.</source>
        <translation>lame이 비정상 종료되었습니다.</translation>
    </message>
    <message>
        <source>lame ended with exit code %1.</source>
        <translation>lame이 종료 코드 %1(으)로 끝났습니다.</translation>
    </message>
    <message>
        <source>lame took no audio for %1 seconds.</source>
        <translation>lame이 %1초 동안 오디오를 받지 않았습니다.</translation>
    </message>
    <message>
        <source>The file holds no audio, or too little.</source>
        <translation>파일에 오디오가 없거나 너무 적습니다.</translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Select Language:</source>
        <translation>언어 선택:</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>언어 선택 – 다시 시작해야 합니다</translation>
    </message>
    <message>
        <source>Plectronome must be restarted for language change to take effect.</source>
        <translation>언어 변경을 적용하려면 Plectronome을 다시 시작해야 합니다.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>지금 다시 시작</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Plectronome could not start again by itself. Please start it again to see the new language.</source>
        <translation>Plectronome이 스스로 다시 시작하지 못했습니다. 새 언어를 보려면 다시 실행해 주세요.</translation>
    </message>
    <message>
        <source>Language not saved</source>
        <translation>언어가 저장되지 않음</translation>
    </message>
    <message>
        <source>The new language could not be saved to&lt;br /&gt;%1&lt;br /&gt;Plectronome keeps its language.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>새 언어를 다음 위치에 저장할 수 없습니다:&lt;br /&gt;%1&lt;br /&gt;Plectronome은 현재 언어를 유지합니다.&lt;br /&gt;해당 폴더에 쓸 수 있는지, 디스크가 가득 차지 않았는지 확인하십시오.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>오디오 파일 열기(&amp;O)...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>CD 트랙 열기...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>다른 이름으로 세션 저장(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>세션 저장(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>세션 불러오기(&amp;L)...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>선택한 오디오 저장</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>오디오 저장</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>곡 오디오 저장...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>리프 오디오 저장...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>오디오 장치 설정(&amp;A)</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>기본 폴더 설정(&amp;D)</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>단축키 설정(&amp;K)</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>언어 설정(&amp;L)</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>도움말 보기</translation>
    </message>
    <message>
        <source>Online Support</source>
        <translation>온라인 지원</translation>
    </message>
    <message>
        <source>About Plectronome</source>
        <translation>Plectronome 정보</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>최근 파일</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>옵션(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>All types (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</source>
        <translation>모든 형식 (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>파일을 불러올 수 없습니다</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>분석이 아직 진행 중입니다!&lt;br /&gt;처리가 끝날 때까지 기다린 후&lt;br /&gt;새 파일을 불러오세요.</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>오디오 파일 열기</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>파일을 찾을 수 없습니다!</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>오디오 파일을 찾을 수 없습니다.&lt;br /&gt;오디오 파일을 직접 선택하시겠습니까?</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>파일이 너무 작습니다!&lt;br /&gt;다른 파일을 선택하세요.</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>파일이 너무 큽니다!&lt;br /&gt;다른 파일을 선택하세요.</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>다른 오디오 파일을 선택하세요.</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>파형 그리는 중 | %1</translation>
    </message>
    <message>
        <source>Open CD Track</source>
        <translation>CD 트랙 열기</translation>
    </message>
    <message>
        <source>CD tracks (*.wav *.flac *.cda);;</source>
        <translation>CD 트랙 (*.wav *.flac *.cda);;</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>오디오 디코딩 중 | %1</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>목록 지우기</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>목록 지우기(&amp;C)</translation>
    </message>
    <message>
        <source>No web browser could be opened. The page is at:&lt;br /&gt;%1</source>
        <translation>웹 브라우저를 열 수 없습니다. 페이지 주소:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>A new version of Plectronome is available!</source>
        <translation>Plectronome의 새 버전이 있습니다!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>You are using the latest version of Plectronome (v%1).</source>
        <translation>최신 버전의 Plectronome(v%1)을 사용하고 있습니다.</translation>
    </message>
    <message>
        <source>Cannot connect to server to determine latest version of Plectronome.&lt;br /&gt;Please check your internet connection.</source>
        <translation>서버에 연결할 수 없어 Plectronome의 최신 버전을 확인할 수 없습니다.&lt;br /&gt;인터넷 연결을 확인하세요.</translation>
    </message>
    <message>
        <source>3rd party libraries used in Plectronome:</source>
        <translation>Plectronome에서 사용하는 타사 라이브러리:</translation>
    </message>
    <message>
        <source>MP3 files are encoded by the separate lame program.</source>
        <translation>MP3 파일은 별도의 lame 프로그램으로 인코딩됩니다.</translation>
    </message>
    <message>
        <source>The sample rate of this file is not supported!&lt;br /&gt;Please choose a file recorded at %1 kHz to %2 kHz.</source>
        <translation>이 파일의 샘플링 레이트는 지원되지 않습니다!&lt;br /&gt;%1 kHz에서 %2 kHz 사이로 녹음된 파일을 선택하세요.</translation>
    </message>
    <message>
        <source>Settings reset</source>
        <translation>설정 초기화됨</translation>
    </message>
    <message>
        <source>The stored settings could not be read, so the defaults are used.&lt;br /&gt;The old settings file was kept as:&lt;br /&gt;%1</source>
        <translation>저장된 설정을 읽을 수 없어 기본값을 사용합니다.&lt;br /&gt;이전 설정 파일은 다음 이름으로 보관되었습니다:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</source>
        <translation>선택한 파일은 지원되지 않습니다.&lt;br /&gt;다음 확장자 중 하나를 가진 파일을 선택하십시오:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>세션을 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>The session could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>세션을 다음 위치에 저장하지 못했습니다&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>분석이 아직 진행 중입니다!&lt;br /&gt;처리가 끝날 때까지 기다린 후&lt;br /&gt;새 세션 파일을 만드세요.</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>다른 이름으로 세션 저장...</translation>
    </message>
    <message>
        <source>Plectronome Session (*.pq)</source>
        <translation>Plectronome 세션 (*.pq)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>분석이 아직 진행 중입니다!&lt;br /&gt;처리가 끝날 때까지 기다린 후&lt;br /&gt;새 세션을 불러오세요.</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>세션 파일 불러오기</translation>
    </message>
    <message>
        <source>%1 already exists.&lt;br /&gt;Do you want to replace it?</source>
        <translation>%1이(가) 이미 있습니다.&lt;br /&gt;바꾸시겠습니까?</translation>
    </message>
    <message>
        <source>The file %1 cannot be created:&lt;br /&gt;%2</source>
        <translation>파일 %1을(를) 만들 수 없습니다:&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; could not be started.&lt;br /&gt;Please install the package lame, or save the audio as WAV.</source>
        <translation>MP3 인코더 &quot;lame&quot;을(를) 시작할 수 없습니다.&lt;br /&gt;lame 패키지를 설치하거나 오디오를 WAV로 저장하십시오.</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped with an error:&lt;br /&gt;%1&lt;br /&gt;Nothing was saved.</source>
        <translation>MP3 인코더가 오류로 중지되었습니다:&lt;br /&gt;%1&lt;br /&gt;아무것도 저장되지 않았습니다.</translation>
    </message>
    <message>
        <source>Writing %1 failed:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>%1 쓰기에 실패했습니다:&lt;br /&gt;%2&lt;br /&gt;아무것도 저장되지 않았습니다.</translation>
    </message>
    <message>
        <source>The finished audio could not be saved as %1:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>완성된 오디오를 %1(으)로 저장할 수 없습니다:&lt;br /&gt;%2&lt;br /&gt;아무것도 저장되지 않았습니다.</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>오디오를 저장할 수 없음</translation>
    </message>
    <message>
        <source>Saving Audio | %1</source>
        <translation>오디오 저장 중 | %1</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>리프를 WAV로 내보내기...</translation>
    </message>
    <message>
        <source>The current riff has no steps.&lt;br /&gt;Nothing was saved.</source>
        <translation>현재 리프에 스텝이 없습니다.&lt;br /&gt;아무것도 저장되지 않았습니다.</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>곡을 WAV로 내보내기...</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>곡 저장 중 | %1</translation>
    </message>
    <message>
        <source>The song has no riffs.&lt;br /&gt;Nothing was saved.</source>
        <translation>곡에 리프가 없습니다.&lt;br /&gt;아무것도 저장되지 않았습니다.</translation>
    </message>
    <message>
        <source>There is no audio to save in this part of the track.</source>
        <translation>트랙의 이 부분에는 저장할 오디오가 없습니다.</translation>
    </message>
    <message>
        <source>Unsaved riffs</source>
        <translation>저장되지 않은 리프</translation>
    </message>
    <message>
        <source>The riffs or the song are not saved in a session.&lt;br /&gt;Do you want to save the session?</source>
        <translation>리프 또는 곡이 세션에 저장되지 않았습니다.&lt;br /&gt;세션을 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>The translation file&lt;br /&gt;%1&lt;br /&gt;is damaged or is not the one installed with Plectronome, so Plectronome is shown in English.</source>
        <translation>번역 파일&lt;br /&gt;%1&lt;br /&gt;이(가) 손상되었거나 Plectronome과 함께 설치된 파일이 아니므로 Plectronome이 영어로 표시됩니다.</translation>
    </message>
    <message>
        <source>None of the dropped files could be found:&lt;br /&gt;%1</source>
        <translation>끌어다 놓은 파일을 하나도 찾을 수 없습니다:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>세션을 불러올 수 없습니다</translation>
    </message>
    <message>
        <source>This is not a session file that can be loaded:&lt;br /&gt;%1</source>
        <translation>불러올 수 있는 세션 파일이 아닙니다:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Find chords again</source>
        <translation>코드 다시 찾기</translation>
    </message>
    <message>
        <source>Chords corrected by hand are found again too.&lt;br /&gt;Find the chords again from the marked chords only?</source>
        <translation>직접 수정한 코드도 다시 찾습니다.&lt;br /&gt;표시한 코드만으로 코드를 다시 찾을까요?</translation>
    </message>
    <message>
        <source>%1 is write-protected and was not replaced.&lt;br /&gt;Nothing was saved.</source>
        <translation>%1은(는) 쓰기 금지되어 있어 바꾸지 않았습니다.&lt;br /&gt;아무것도 저장되지 않았습니다.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>설정이 저장되지 않음</translation>
    </message>
    <message>
        <source>The settings could not be saved to&lt;br /&gt;%1&lt;br /&gt;The recent files, folders and shortcuts of this run will be missing at the next start.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>설정을 다음 위치에 저장할 수 없습니다:&lt;br /&gt;%1&lt;br /&gt;이번 실행의 최근 파일, 폴더 및 단축키는 다음 시작 시 없어집니다.&lt;br /&gt;해당 폴더에 쓸 수 있는지, 디스크가 가득 차지 않았는지 확인하십시오.</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before saving audio.</source>
        <translation>분석이 아직 진행 중입니다!&lt;br /&gt;처리가 끝날 때까지 기다린 후&lt;br /&gt;오디오를 저장하세요.</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Restore Defaults</source>
        <translation>기본값 복원</translation>
    </message>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>오디오 파일을 열 때의 기본 동작:</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>이전 오디오 파일 위치 열기</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>항상 선택한 폴더 열기:</translation>
    </message>
    <message>
        <source>Plectronome Save Location</source>
        <translation>Plectronome 저장 위치</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>저장된 세션과 내보낸 오디오의 위치:</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>기본 오디오 폴더 선택</translation>
    </message>
    <message>
        <source>Select Default Plectronome Save Folder</source>
        <translation>Plectronome 기본 저장 폴더 선택</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>기본 폴더 경로 복원</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>기본 폴더 설정을 복원하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>PlotSelection</name>
    <message>
        <source>%1 BEATS</source>
        <translation>%1 박</translation>
    </message>
    <message>
        <source>BEATS</source>
        <translation>박</translation>
    </message>
    <message>
        <source>BEAT</source>
        <translation>박</translation>
    </message>
</context>
<context>
    <name>PreferencesMenu</name>
    <message>
        <source>Audio Device</source>
        <translation>오디오 장치</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>기본 폴더</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>환경설정</translation>
    </message>
</context>
<context>
    <name>ProcessingLabel</name>
    <message>
        <source>Calculating chords</source>
        <translation>코드 계산 중</translation>
    </message>
</context>
<context>
    <name>ShortcutsTab</name>
    <message>
        <source>Exit</source>
        <translation>끝내기</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>빨리 감기</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>세션 불러오기</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>메트로놈 볼륨 낮추기</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>메트로놈 볼륨 높이기</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>오디오 파일 열기</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>음높이 낮추기 (-1 반음)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>음높이 높이기 (+1 반음)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>선택 영역 처음부터 재생</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>재생/정지</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>되감기</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>오디오 저장</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>세션 저장</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>코드 뷰어 탭 보기</translation>
    </message>
    <message>
        <source>Show Vur Arezev Tab</source>
        <translation>Vur Arezev 탭 보기</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>리프 빌더 탭 보기</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>템포 낮추기 (-1 BPM)</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>템포 높이기 (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>분리 도구 켜기/끄기</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>반복 켜기/끄기</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>음높이 도구 켜기/끄기</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>스크롤 켜기/끄기</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>템포 도구 켜기/끄기</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>도움말 보기</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>볼륨 낮추기</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>볼륨 높이기</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>확대</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>축소</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>기본값 복원</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>동작</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>&quot;%0&quot;에 사용할 키를 누르세요:</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>기존 단축키를 덮어쓰시겠습니까?</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;
Do you want to overwrite that shortcut?</source>
        <translation>&quot;%0&quot; 키는 이미 &quot;%1&quot; 동작에 사용되고 있습니다.
그 단축키를 덮어쓰시겠습니까?</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>기본 단축키 복원</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>단축키를 초기화하시겠습니까?</translation>
    </message>
</context>
</TS>
