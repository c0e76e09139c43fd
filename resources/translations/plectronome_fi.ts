<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>DevicesTab</name>
    <message>
        <source>Apply</source>
        <translation>Käytä</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Laite:</translation>
    </message>
</context>
<context>
    <name>ExportWriter</name>
    <message>
        <source>lame crashed.</source>
        <translation>lame kaatui.</translation>
    </message>
    <message>
        <source>lame ended with exit code %1.</source>
        <translation>lame päättyi paluukoodilla %1.</translation>
    </message>
    <message>
        <source>lame took no audio for %1 seconds.</source>
        <translation>lame ei ottanut ääntä vastaan %1 sekuntiin.</translation>
    </message>
    <message>
        <source>The file holds no audio, or too little.</source>
        <translation>Tiedostossa ei ole ääntä tai sitä on liian vähän.</translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Apply</source>
        <translation>Käytä</translation>
    </message>
    <message>
        <source>Select Language:</source>
        <translation>Valitse kieli:</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>Kielen valinta – uudelleenkäynnistys tarvitaan</translation>
    </message>
    <message>
        <source>Plectronome must be restarted for language change to take effect.</source>
        <translation>Plectronome on käynnistettävä uudelleen, jotta kielen vaihto tulee voimaan.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Käynnistä uudelleen nyt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Plectronome could not start again by itself. Please start it again to see the new language.</source>
        <translation>Plectronome ei pystynyt käynnistymään uudelleen itse. Käynnistä se uudelleen nähdäksesi uuden kielen.</translation>
    </message>
    <message>
        <source>Language not saved</source>
        <translation>Kieltä ei tallennettu</translation>
    </message>
    <message>
        <source>The new language could not be saved to&lt;br /&gt;%1&lt;br /&gt;Plectronome keeps its language.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>Uutta kieltä ei voitu tallentaa tiedostoon&lt;br /&gt;%1&lt;br /&gt;Plectronome säilyttää nykyisen kielensä.&lt;br /&gt;Tarkista, että kansioon voi kirjoittaa ja ettei levy ole täynnä.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>&amp;Avaa äänitiedosto...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>Avaa CD-raita...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>Tallenna istunto &amp;nimellä...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>&amp;Tallenna istunto</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>&amp;Lataa istunto...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>Tallenna äänivalinta</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Tallenna ääni</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>Tallenna kappaleen ääni...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>Tallenna riffin ääni...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>Aseta ää&amp;nilaite</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>Aseta &amp;oletuskansiot</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>Aseta &amp;pikanäppäimet</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>Aseta &amp;kieli</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Näytä ohje</translation>
    </message>
    <message>
        <source>Online Support</source>
        <translation>Verkkotuki</translation>
    </message>
    <message>
        <source>About Plectronome</source>
        <translation>Tietoja Plectronomesta</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Tarkista päivitykset</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Tiedosto</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Viimeisimmät tiedostot</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Asetukset</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ohje</translation>
    </message>
    <message>
        <source>All types (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</source>
        <translation>Kaikki tyypit (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>Tiedostoa ei voi ladata</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>Analyysi on yhä käynnissä!&lt;br /&gt;Odota, kunnes käsittely on valmis,&lt;br /&gt;ennen kuin lataat uuden tiedoston.</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Avaa äänitiedosto</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>Tiedostoa ei löydy!</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>Äänitiedostoa ei löytynyt.&lt;br /&gt;Haluatko valita äänitiedoston itse?</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>Tiedosto on liian pieni!&lt;br /&gt;Valitse toinen tiedosto.</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>Tiedosto on liian suuri!&lt;br /&gt;Valitse toinen tiedosto.</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>Valitse toinen äänitiedosto.</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>Piirretään aaltomuotoa | %1</translation>
    </message>
    <message>
        <source>Open CD Track</source>
        <translation>Avaa CD-raita</translation>
    </message>
    <message>
        <source>CD tracks (*.wav *.flac *.cda);;</source>
        <translation>CD-raidat (*.wav *.flac *.cda);;</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>Puretaan ääntä | %1</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Tyhjennä luettelo</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>T&amp;yhjennä luettelo</translation>
    </message>
    <message>
        <source>No web browser could be opened. The page is at:&lt;br /&gt;%1</source>
        <translation>Verkkoselainta ei voitu avata. Sivu on osoitteessa:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>A new version of Plectronome is available!</source>
        <translation>Plectronomesta on saatavilla uusi versio!</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Päivitä</translation>
    </message>
    <message>
        <source>You are using the latest version of Plectronome (v%1).</source>
        <translation>Käytät Plectronomen uusinta versiota (v%1).</translation>
    </message>
    <message>
        <source>Cannot connect to server to determine latest version of Plectronome.&lt;br /&gt;Please check your internet connection.</source>
        <translation>Palvelimeen ei saada yhteyttä Plectronomen uusimman version selvittämiseksi.&lt;br /&gt;Tarkista internetyhteytesi.</translation>
    </message>
    <message>
        <source>3rd party libraries used in Plectronome:</source>
        <translation>Plectronomen käyttämät kolmannen osapuolen kirjastot:</translation>
    </message>
    <message>
        <source>MP3 files are encoded by the separate lame program.</source>
        <translation>MP3-tiedostot koodaa erillinen lame-ohjelma.</translation>
    </message>
    <message>
        <source>The sample rate of this file is not supported!&lt;br /&gt;Please choose a file recorded at %1 kHz to %2 kHz.</source>
        <translation>Tämän tiedoston näytteenottotaajuutta ei tueta!&lt;br /&gt;Valitse tiedosto, jonka taajuus on %1–%2 kHz.</translation>
    </message>
    <message>
        <source>Settings reset</source>
        <translation>Asetukset palautettu</translation>
    </message>
    <message>
        <source>The stored settings could not be read, so the defaults are used.&lt;br /&gt;The old settings file was kept as:&lt;br /&gt;%1</source>
        <translation>Tallennettuja asetuksia ei voitu lukea, joten käytetään oletuksia.&lt;br /&gt;Vanha asetustiedosto säilytettiin nimellä:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</source>
        <translation>Valittua tiedostoa ei tueta.&lt;br /&gt;Valitse tiedosto, jolla on jokin seuraavista päätteistä:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>Istuntoa ei voi tallentaa</translation>
    </message>
    <message>
        <source>The session could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>Istuntoa ei voitu tallentaa kohteeseen&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>Analyysi on yhä käynnissä!&lt;br /&gt;Odota, kunnes käsittely on valmis,&lt;br /&gt;ennen kuin luot uuden istuntotiedoston.</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>Tallenna istunto nimellä...</translation>
    </message>
    <message>
        <source>Plectronome Session (*.pq)</source>
        <translation>Plectronome-istunto (*.pq)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>Analyysi on yhä käynnissä!&lt;br /&gt;Odota, kunnes käsittely on valmis,&lt;br /&gt;ennen kuin lataat uuden istunnon.</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>Lataa istuntotiedosto</translation>
    </message>
    <message>
        <source>%1 already exists.&lt;br /&gt;Do you want to replace it?</source>
        <translation>%1 on jo olemassa.&lt;br /&gt;Haluatko korvata sen?</translation>
    </message>
    <message>
        <source>The file %1 cannot be created:&lt;br /&gt;%2</source>
        <translation>Tiedostoa %1 ei voi luoda:&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; could not be started.&lt;br /&gt;Please install the package lame, or save the audio as WAV.</source>
        <translation>MP3-kooderia &quot;lame&quot; ei voitu käynnistää.&lt;br /&gt;Asenna lame-paketti tai tallenna ääni WAV-muodossa.</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped with an error:&lt;br /&gt;%1&lt;br /&gt;Nothing was saved.</source>
        <translation>MP3-kooderi pysähtyi virheeseen:&lt;br /&gt;%1&lt;br /&gt;Mitään ei tallennettu.</translation>
    </message>
    <message>
        <source>Writing %1 failed:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>Tiedoston %1 kirjoittaminen epäonnistui:&lt;br /&gt;%2&lt;br /&gt;Mitään ei tallennettu.</translation>
    </message>
    <message>
        <source>The finished audio could not be saved as %1:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>Valmista ääntä ei voitu tallentaa nimellä %1:&lt;br /&gt;%2&lt;br /&gt;Mitään ei tallennettu.</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>Ääntä ei voi tallentaa</translation>
    </message>
    <message>
        <source>Saving Audio | %1</source>
        <translation>Tallennetaan ääntä | %1</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>Vie riffi WAV-tiedostoksi...</translation>
    </message>
    <message>
        <source>The current riff has no steps.&lt;br /&gt;Nothing was saved.</source>
        <translation>Nykyisessä riffissä ei ole askelia.&lt;br /&gt;Mitään ei tallennettu.</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>Vie kappale WAV-tiedostoksi...</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>Tallennetaan kappaletta | %1</translation>
    </message>
    <message>
        <source>The song has no riffs.&lt;br /&gt;Nothing was saved.</source>
        <translation>Kappaleessa ei ole riffejä.&lt;br /&gt;Mitään ei tallennettu.</translation>
    </message>
    <message>
        <source>There is no audio to save in this part of the track.</source>
        <translation>Tässä kappaleen osassa ei ole tallennettavaa ääntä.</translation>
    </message>
    <message>
        <source>Unsaved riffs</source>
        <translation>Tallentamattomat riffit</translation>
    </message>
    <message>
        <source>The riffs or the song are not saved in a session.&lt;br /&gt;Do you want to save the session?</source>
        <translation>Riffejä tai kappaletta ei ole tallennettu istuntoon.&lt;br /&gt;Haluatko tallentaa istunnon?</translation>
    </message>
    <message>
        <source>The translation file&lt;br /&gt;%1&lt;br /&gt;is damaged or is not the one installed with Plectronome, so Plectronome is shown in English.</source>
        <translation>Käännöstiedosto&lt;br /&gt;%1&lt;br /&gt;on vioittunut tai se ei ole Plectronomen mukana asennettu tiedosto, joten Plectronome näytetään englanniksi.</translation>
    </message>
    <message>
        <source>None of the dropped files could be found:&lt;br /&gt;%1</source>
        <translation>Yhtäkään pudotetuista tiedostoista ei löytynyt:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>Istuntoa ei voi ladata</translation>
    </message>
    <message>
        <source>This is not a session file that can be loaded:&lt;br /&gt;%1</source>
        <translation>Tämä ei ole istuntotiedosto, jonka voi ladata:&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Find chords again</source>
        <translation>Etsi soinnut uudelleen</translation>
    </message>
    <message>
        <source>Chords corrected by hand are found again too.&lt;br /&gt;Find the chords again from the marked chords only?</source>
        <translation>Myös käsin korjatut soinnut etsitään uudelleen.&lt;br /&gt;Etsitäänkö soinnut uudelleen vain merkityistä soinnuista?</translation>
    </message>
    <message>
        <source>%1 is write-protected and was not replaced.&lt;br /&gt;Nothing was saved.</source>
        <translation>%1 on kirjoitussuojattu, eikä sitä korvattu.&lt;br /&gt;Mitään ei tallennettu.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Asetuksia ei tallennettu</translation>
    </message>
    <message>
        <source>The settings could not be saved to&lt;br /&gt;%1&lt;br /&gt;The recent files, folders and shortcuts of this run will be missing at the next start.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>Asetuksia ei voitu tallentaa tiedostoon&lt;br /&gt;%1&lt;br /&gt;Tämän käyttökerran viimeisimmät tiedostot, kansiot ja pikanäppäimet puuttuvat seuraavalla käynnistyskerralla.&lt;br /&gt;Tarkista, että kansioon voi kirjoittaa ja ettei levy ole täynnä.</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before saving audio.</source>
        <translation>Analyysi on yhä käynnissä!&lt;br /&gt;Odota, kunnes käsittely on valmis,&lt;br /&gt;ennen kuin tallennat ääntä.</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Restore Defaults</source>
        <translation>Palauta oletukset</translation>
    </message>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>Äänitiedostojen avaamisen oletus:</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>Avaa edellisen äänitiedoston kansio</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>Avaa aina valittu kansio:</translation>
    </message>
    <message>
        <source>Plectronome Save Location</source>
        <translation>Plectronomen tallennuspaikka</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>Tallennettujen istuntojen ja viedyn äänen sijainti:</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>Valitse oletusäänikansio</translation>
    </message>
    <message>
        <source>Select Default Plectronome Save Folder</source>
        <translation>Valitse Plectronomen oletustallennuskansio</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>Palauta oletuskansiot</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>Haluatko varmasti palauttaa oletuskansiot?</translation>
    </message>
</context>
<context>
    <name>PlotSelection</name>
    <message>
        <source>%1 BEATS</source>
        <translation>%1 ISKUA</translation>
    </message>
    <message>
        <source>BEATS</source>
        <translation>ISKUA</translation>
    </message>
    <message>
        <source>BEAT</source>
        <translation>ISKU</translation>
    </message>
</context>
<context>
    <name>PreferencesMenu</name>
    <message>
        <source>Audio Device</source>
        <translation>Äänilaite</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>Oletuskansiot</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Pikanäppäimet</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Kieli</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Asetukset</translation>
    </message>
</context>
<context>
    <name>ProcessingLabel</name>
    <message>
        <source>Calculating chords</source>
        <translation>Lasketaan sointuja</translation>
    </message>
</context>
<context>
    <name>ShortcutsTab</name>
    <message>
        <source>Exit</source>
        <translation>Lopeta</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>Pikakelaus eteen</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>Lataa istunto</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>Metronomi hiljemmalle</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>Metronomi kovemmalle</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Avaa äänitiedosto</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Tauko</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>Sävelkorkeus alas (-1 puolisävel)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>Sävelkorkeus ylös (+1 puolisävel)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>Toista valinnan alusta</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>Toista/Pysäytä</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Kelaa taakse</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Tallenna ääni</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>Tallenna istunto</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>Näytä soinnut-välilehti</translation>
    </message>
    <message>
        <source>Show Vur Arezev Tab</source>
        <translation>Näytä Vur Arezev -välilehti</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>Näytä riffit-välilehti</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>Tempo alas (-1 BPM)</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>Tempo ylös (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>Eristys päälle/pois</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>Silmukka päälle/pois</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>Sävelkorkeus päälle/pois</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>Vieritys päälle/pois</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>Tempo päälle/pois</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Näytä ohje</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Äänenvoimakkuus alas</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Äänenvoimakkuus ylös</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Lähennä</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Loitonna</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Aseta</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Tyhjennä</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Palauta oletukset</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Toiminto</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Pikanäppäin</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>Paina näppäintä toiminnolle &quot;%0&quot;:</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>Korvataanko nykyinen pikanäppäin?</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;
Do you want to overwrite that shortcut?</source>
        <translation>Näppäin &quot;%0&quot; on jo toiminnon &quot;%1&quot; käytössä.
Haluatko korvata sen pikanäppäimen?</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>Palauta oletuspikanäppäimet</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>Haluatko varmasti palauttaa pikanäppäimet?</translation>
    </message>
</context>
</TS>
