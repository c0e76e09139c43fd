<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
<context>
    <name>DevicesTab</name>
    <message>
        <source>Apply</source>
        <translation>लागू करें</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>डिवाइस:</translation>
    </message>
</context>
<context>
    <name>ExportWriter</name>
    <message>
        <source>lame crashed.</source>
        <translation>lame क्रैश हो गया।</translation>
    </message>
    <message>
        <source>lame ended with exit code %1.</source>
        <translation>lame निकास कोड %1 के साथ समाप्त हुआ।</translation>
    </message>
    <message>
        <source>lame took no audio for %1 seconds.</source>
        <translation>lame ने %1 सेकंड तक कोई ऑडियो नहीं लिया।</translation>
    </message>
    <message>
        <source>The file holds no audio, or too little.</source>
        <translation>फ़ाइल में कोई ऑडियो नहीं है, या बहुत कम है।</translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Apply</source>
        <translation>लागू करें</translation>
    </message>
    <message>
        <source>Select Language:</source>
        <translation>भाषा चुनें:</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>भाषा चयन – पुनः आरंभ आवश्यक</translation>
    </message>
    <message>
        <source>Plectronome must be restarted for language change to take effect.</source>
        <translation>भाषा बदलने के लिए Plectronome को पुनः आरंभ करना होगा।</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>अभी पुनः आरंभ करें</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Plectronome could not start again by itself. Please start it again to see the new language.</source>
        <translation>Plectronome अपने आप पुनः आरंभ नहीं हो सका। नई भाषा देखने के लिए इसे फिर से चलाएँ।</translation>
    </message>
    <message>
        <source>Language not saved</source>
        <translation>भाषा सहेजी नहीं गई</translation>
    </message>
    <message>
        <source>The new language could not be saved to&lt;br /&gt;%1&lt;br /&gt;Plectronome keeps its language.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>नई भाषा यहाँ सहेजी नहीं जा सकी:&lt;br /&gt;%1&lt;br /&gt;Plectronome अपनी भाषा बनाए रखता है।&lt;br /&gt;कृपया जाँचें कि उसके फ़ोल्डर में लिखा जा सकता है और डिस्क भरी नहीं है।</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>ऑडियो फ़ाइल खोलें(&amp;O)...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>CD ट्रैक खोलें...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें(&amp;X)</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>सत्र इस रूप में सहेजें(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>सत्र सहेजें(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>सत्र लोड करें(&amp;L)...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>चयनित ऑडियो सहेजें</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>ऑडियो सहेजें</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>गीत का ऑडियो सहेजें...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>रिफ़ का ऑडियो सहेजें...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>ऑडियो डिवाइस चुनें(&amp;A)</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>डिफ़ॉल्ट फ़ोल्डर चुनें(&amp;D)</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>कीबोर्ड शॉर्टकट चुनें(&amp;K)</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>भाषा चुनें(&amp;L)</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>सहायता देखें</translation>
    </message>
    <message>
        <source>Online Support</source>
        <translation>ऑनलाइन सहायता</translation>
    </message>
    <message>
        <source>About Plectronome</source>
        <translation>Plectronome के बारे में</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>अपडेट की जाँच करें</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल(&amp;F)</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>हाल की फ़ाइलें</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>विकल्प(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता(&amp;H)</translation>
    </message>
    <message>
        <source>All types (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</source>
        <translation>सभी प्रकार (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>फ़ाइल लोड नहीं हो सकती</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>विश्लेषण अभी चल रहा है!&lt;br /&gt;कृपया प्रक्रिया पूरी होने तक प्रतीक्षा करें&lt;br /&gt;और उसके बाद नई फ़ाइल लोड करें।</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>ऑडियो फ़ाइल खोलें</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>फ़ाइल नहीं मिली!</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>ऑडियो फ़ाइल नहीं मिली।&lt;br /&gt;क्या आप स्वयं कोई ऑडियो फ़ाइल चुनना चाहते हैं?</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>फ़ाइल बहुत छोटी है!&lt;br /&gt;कृपया कोई दूसरी फ़ाइल चुनें।</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>फ़ाइल बहुत बड़ी है!&lt;br /&gt;कृपया कोई दूसरी फ़ाइल चुनें।</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>कृपया कोई दूसरी ऑडियो फ़ाइल चुनें।</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>तरंग-रूप बनाया जा रहा है | %1</translation>
    </message>
    <message>
        <source>Open CD Track</source>
        <translation>CD ट्रैक खोलें</translation>
    </message>
    <message>
        <source>CD tracks (*.wav *.flac *.cda);;</source>
        <translation>CD ट्रैक (*.wav *.flac *.cda);;</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>ऑडियो डिकोड हो रहा है | %1</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>सूची साफ़ करें</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>सूची साफ़ करें(&amp;C)</translation>
    </message>
    <message>
        <source>No web browser could be opened. The page is at:&lt;br /&gt;%1</source>
        <translation>कोई वेब ब्राउज़र नहीं खुल सका। पृष्ठ का पता है:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>A new version of Plectronome is available!</source>
        <translation>Plectronome का नया संस्करण उपलब्ध है!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>अपडेट करें</translation>
    </message>
    <message>
        <source>You are using the latest version of Plectronome (v%1).</source>
        <translation>आप Plectronome का नवीनतम संस्करण (v%1) उपयोग कर रहे हैं।</translation>
    </message>
    <message>
        <source>Cannot connect to server to determine latest version of Plectronome.&lt;br /&gt;Please check your internet connection.</source>
        <translation>Plectronome का नवीनतम संस्करण जानने के लिए सर्वर से कनेक्ट नहीं हो सका।&lt;br /&gt;कृपया अपना इंटरनेट कनेक्शन जाँचें।</translation>
    </message>
    <message>
        <source>3rd party libraries used in Plectronome:</source>
        <translation>Plectronome में उपयोग की गई तृतीय-पक्ष लाइब्रेरी:</translation>
    </message>
    <message>
        <source>MP3 files are encoded by the separate lame program.</source>
        <translation>MP3 फ़ाइलें अलग प्रोग्राम lame से एन्कोड की जाती हैं।</translation>
    </message>
    <message>
        <source>The sample rate of this file is not supported!&lt;br /&gt;Please choose a file recorded at %1 kHz to %2 kHz.</source>
        <translation>इस फ़ाइल की सैंपल दर समर्थित नहीं है!&lt;br /&gt;कृपया %1 kHz से %2 kHz पर रिकॉर्ड की गई फ़ाइल चुनें।</translation>
    </message>
    <message>
        <source>Settings reset</source>
        <translation>सेटिंग रीसेट हो गईं</translation>
    </message>
    <message>
        <source>The stored settings could not be read, so the defaults are used.&lt;br /&gt;The old settings file was kept as:&lt;br /&gt;%1</source>
        <translation>सहेजी गई सेटिंग पढ़ी नहीं जा सकीं, इसलिए डिफ़ॉल्ट मान उपयोग किए जा रहे हैं।&lt;br /&gt;पुरानी सेटिंग फ़ाइल इस नाम से रखी गई है:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</source>
        <translation>चुनी गई फ़ाइल समर्थित नहीं है।&lt;br /&gt;कृपया इनमें से किसी एक्सटेंशन वाली फ़ाइल चुनें:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>सत्र सहेजा नहीं जा सकता</translation>
    </message>
    <message>
        <source>The session could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>सत्र यहाँ सहेजा नहीं जा सका&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>विश्लेषण अभी चल रहा है!&lt;br /&gt;कृपया प्रक्रिया पूरी होने तक प्रतीक्षा करें&lt;br /&gt;और उसके बाद नई सत्र फ़ाइल बनाएँ।</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>सत्र इस रूप में सहेजें...</translation>
    </message>
    <message>
        <source>Plectronome Session (*.pq)</source>
        <translation>Plectronome सत्र (*.pq)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>विश्लेषण अभी चल रहा है!&lt;br /&gt;कृपया प्रक्रिया पूरी होने तक प्रतीक्षा करें&lt;br /&gt;और उसके बाद नया सत्र लोड करें।</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>सत्र फ़ाइल लोड करें</translation>
    </message>
    <message>
        <source>%1 already exists.&lt;br /&gt;Do you want to replace it?</source>
        <translation>%1 पहले से मौजूद है।&lt;br /&gt;क्या आप इसे बदलना चाहते हैं?</translation>
    </message>
    <message>
        <source>The file %1 cannot be created:&lt;br /&gt;%2</source>
        <translation>फ़ाइल %1 नहीं बनाई जा सकती:&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; could not be started.&lt;br /&gt;Please install the package lame, or save the audio as WAV.</source>
        <translation>MP3 एन्कोडर &quot;lame&quot; शुरू नहीं हो सका।&lt;br /&gt;कृपया lame पैकेज इंस्टॉल करें, या ऑडियो को WAV के रूप में सहेजें।</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped with an error:&lt;br /&gt;%1&lt;br /&gt;Nothing was saved.</source>
        <translation>MP3 एन्कोडर त्रुटि के साथ रुक गया:&lt;br /&gt;%1&lt;br /&gt;कुछ भी सहेजा नहीं गया।</translation>
    </message>
    <message>
        <source>Writing %1 failed:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>%1 लिखना विफल रहा:&lt;br /&gt;%2&lt;br /&gt;कुछ भी सहेजा नहीं गया।</translation>
    </message>
    <message>
        <source>The finished audio could not be saved as %1:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>तैयार ऑडियो को %1 के रूप में सहेजा नहीं जा सका:&lt;br /&gt;%2&lt;br /&gt;कुछ भी सहेजा नहीं गया।</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>ऑडियो सहेजा नहीं जा सकता</translation>
    </message>
    <message>
        <source>Saving Audio | %1</source>
        <translation>ऑडियो सहेजा जा रहा है | %1</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>रिफ़ WAV निर्यात करें...</translation>
    </message>
    <message>
        <source>The current riff has no steps.&lt;br /&gt;Nothing was saved.</source>
        <translation>वर्तमान रिफ़ में कोई स्टेप नहीं है।&lt;br /&gt;कुछ भी सहेजा नहीं गया।</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>गीत WAV निर्यात करें...</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>गीत सहेजा जा रहा है | %1</translation>
    </message>
    <message>
        <source>The song has no riffs.&lt;br /&gt;Nothing was saved.</source>
        <translation>गीत में कोई रिफ़ नहीं है।&lt;br /&gt;कुछ भी सहेजा नहीं गया।</translation>
    </message>
    <message>
        <source>There is no audio to save in this part of the track.</source>
        <translation>ट्रैक के इस हिस्से में सहेजने के लिए कोई ऑडियो नहीं है।</translation>
    </message>
    <message>
        <source>Unsaved riffs</source>
        <translation>असहेजे रिफ़</translation>
    </message>
    <message>
        <source>The riffs or the song are not saved in a session.&lt;br /&gt;Do you want to save the session?</source>
        <translation>रिफ़ या गीत किसी सत्र में सहेजे नहीं गए हैं।&lt;br /&gt;क्या आप सत्र सहेजना चाहते हैं?</translation>
    </message>
    <message>
        <source>The translation file&lt;br /&gt;%1&lt;br /&gt;is damaged or is not the one installed with Plectronome, so Plectronome is shown in English.</source>
        <translation>अनुवाद फ़ाइल&lt;br /&gt;%1&lt;br /&gt;क्षतिग्रस्त है या Plectronome के साथ स्थापित फ़ाइल नहीं है, इसलिए Plectronome अंग्रेज़ी में दिखाया जा रहा है।</translation>
    </message>
    <message>
        <source>None of the dropped files could be found:&lt;br /&gt;%1</source>
        <translation>छोड़ी गई फ़ाइलों में से कोई भी नहीं मिली:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>सत्र लोड नहीं किया जा सकता</translation>
    </message>
    <message>
        <source>This is not a session file that can be loaded:&lt;br /&gt;%1</source>
        <translation>यह ऐसी सत्र फ़ाइल नहीं है जिसे लोड किया जा सके:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Find chords again</source>
        <translation>कॉर्ड फिर से खोजें</translation>
    </message>
    <message>
        <source>Chords corrected by hand are found again too.&lt;br /&gt;Find the chords again from the marked chords only?</source>
        <translation>हाथ से सुधारे गए कॉर्ड भी फिर से खोजे जाएँगे।&lt;br /&gt;क्या केवल चिह्नित कॉर्ड में से कॉर्ड फिर से खोजे जाएँ?</translation>
    </message>
    <message>
        <source>%1 is write-protected and was not replaced.&lt;br /&gt;Nothing was saved.</source>
        <translation>%1 लेखन-सुरक्षित है और उसे बदला नहीं गया।&lt;br /&gt;कुछ भी सहेजा नहीं गया।</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>सेटिंग सहेजी नहीं गईं</translation>
    </message>
    <message>
        <source>The settings could not be saved to&lt;br /&gt;%1&lt;br /&gt;The recent files, folders and shortcuts of this run will be missing at the next start.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>सेटिंग यहाँ सहेजी नहीं जा सकीं:&lt;br /&gt;%1&lt;br /&gt;इस बार की हाल की फ़ाइलें, फ़ोल्डर और शॉर्टकट अगली बार शुरू करने पर नहीं होंगे।&lt;br /&gt;कृपया जाँचें कि उसके फ़ोल्डर में लिखा जा सकता है और डिस्क भरी नहीं है।</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before saving audio.</source>
        <translation>विश्लेषण अभी चल रहा है!&lt;br /&gt;कृपया प्रक्रिया पूरी होने तक प्रतीक्षा करें&lt;br /&gt;और उसके बाद ऑडियो सहेजें।</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Restore Defaults</source>
        <translation>डिफ़ॉल्ट पुनर्स्थापित करें</translation>
    </message>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>ऑडियो फ़ाइल खोलने का डिफ़ॉल्ट व्यवहार:</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>पिछली ऑडियो फ़ाइल का स्थान खोलें</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>हमेशा चुना गया फ़ोल्डर खोलें:</translation>
    </message>
    <message>
        <source>Plectronome Save Location</source>
        <translation>Plectronome सहेजने का स्थान</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>सहेजे गए सत्रों और निर्यात किए गए ऑडियो का स्थान:</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>डिफ़ॉल्ट ऑडियो फ़ोल्डर चुनें</translation>
    </message>
    <message>
        <source>Select Default Plectronome Save Folder</source>
        <translation>Plectronome का डिफ़ॉल्ट सहेजने का फ़ोल्डर चुनें</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>डिफ़ॉल्ट फ़ोल्डर पथ पुनर्स्थापित करें</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>क्या आप वाकई डिफ़ॉल्ट फ़ोल्डर सेटिंग पुनर्स्थापित करना चाहते हैं?</translation>
    </message>
</context>
<context>
    <name>PlotSelection</name>
    <message>
        <source>%1 BEATS</source>
        <translation>%1 बीट</translation>
    </message>
    <message>
        <source>BEATS</source>
        <translation>बीट</translation>
    </message>
    <message>
        <source>BEAT</source>
        <translation>बीट</translation>
    </message>
</context>
<context>
    <name>PreferencesMenu</name>
    <message>
        <source>Audio Device</source>
        <translation>ऑडियो डिवाइस</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>डिफ़ॉल्ट फ़ोल्डर</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>कीबोर्ड शॉर्टकट</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>भाषा</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>वरीयताएँ</translation>
    </message>
</context>
<context>
    <name>ProcessingLabel</name>
    <message>
        <source>Calculating chords</source>
        <translation>कॉर्ड की गणना हो रही है</translation>
    </message>
</context>
<context>
    <name>ShortcutsTab</name>
    <message>
        <source>Exit</source>
        <translation>बाहर निकलें</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>आगे बढ़ाएँ</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>सत्र लोड करें</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>मेट्रोनोम की आवाज़ कम करें</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>मेट्रोनोम की आवाज़ बढ़ाएँ</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>ऑडियो फ़ाइल खोलें</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>रोकें</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>पिच घटाएँ (-1 सेमीटोन)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>पिच बढ़ाएँ (+1 सेमीटोन)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>चयन की शुरुआत से चलाएँ</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>चलाएँ/बंद करें</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>पीछे ले जाएँ</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>ऑडियो सहेजें</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>सत्र सहेजें</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>कॉर्ड व्यूअर टैब दिखाएँ</translation>
    </message>
    <message>
        <source>Show Vur Arezev Tab</source>
        <translation>Vur Arezev टैब दिखाएँ</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>रिफ़ बिल्डर टैब दिखाएँ</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>टेम्पो घटाएँ (-1 BPM)</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>टेम्पो बढ़ाएँ (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>आइसोलेट टूल चालू/बंद</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>लूप चालू/बंद</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>पिच टूल चालू/बंद</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>स्क्रॉल चालू/बंद</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>टेम्पो टूल चालू/बंद</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>सहायता देखें</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>आवाज़ कम करें</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>आवाज़ बढ़ाएँ</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>ज़ूम इन</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>ज़ूम आउट</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>सेट करें</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>साफ़ करें</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>डिफ़ॉल्ट पुनर्स्थापित करें</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>क्रिया</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>शॉर्टकट</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>&quot;%0&quot; के लिए कुंजी दबाएँ:</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>मौजूदा शॉर्टकट बदलें?</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;
Do you want to overwrite that shortcut?</source>
        <translation>कुंजी &quot;%0&quot; पहले से क्रिया &quot;%1&quot; के लिए उपयोग में है।
क्या आप वह शॉर्टकट बदलना चाहते हैं?</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>डिफ़ॉल्ट शॉर्टकट पुनर्स्थापित करें</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>क्या आप वाकई कीबोर्ड शॉर्टकट रीसेट करना चाहते हैं?</translation>
    </message>
</context>
</TS>
