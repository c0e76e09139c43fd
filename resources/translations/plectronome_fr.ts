<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>DevicesTab</name>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Périphérique :</translation>
    </message>
</context>
<context>
    <name>ExportWriter</name>
    <message>
        <source>lame crashed.</source>
        <translation>lame a planté.</translation>
    </message>
    <message>
        <source>lame ended with exit code %1.</source>
        <translation>lame s&apos;est terminé avec le code de sortie %1.</translation>
    </message>
    <message>
        <source>lame took no audio for %1 seconds.</source>
        <translation>lame n&apos;a reçu aucun son pendant %1 secondes.</translation>
    </message>
    <message>
        <source>The file holds no audio, or too little.</source>
        <translation>Le fichier ne contient pas d&apos;audio, ou trop peu.</translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Select Language:</source>
        <translation>Choisir la langue :</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>Choix de la langue – redémarrage nécessaire</translation>
    </message>
    <message>
        <source>Plectronome must be restarted for language change to take effect.</source>
        <translation>Plectronome doit redémarrer pour que le changement de langue prenne effet.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Redémarrer maintenant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Plectronome could not start again by itself. Please start it again to see the new language.</source>
        <translation>Plectronome n&apos;a pas pu redémarrer tout seul. Veuillez le relancer pour voir la nouvelle langue.</translation>
    </message>
    <message>
        <source>Language not saved</source>
        <translation>Langue non enregistrée</translation>
    </message>
    <message>
        <source>The new language could not be saved to&lt;br /&gt;%1&lt;br /&gt;Plectronome keeps its language.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>La nouvelle langue n’a pas pu être enregistrée dans&lt;br /&gt;%1&lt;br /&gt;Plectronome garde sa langue.&lt;br /&gt;Vérifiez que son dossier est accessible en écriture et que le disque n’est pas plein.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>&amp;Ouvrir un fichier audio...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>Ouvrir une piste de CD...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>Enregistrer la session &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>&amp;Enregistrer la session</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>&amp;Charger une session...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>Enregistrer la sélection audio</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Enregistrer l&apos;audio</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>Enregistrer l&apos;audio du morceau...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>Enregistrer l&apos;audio du riff...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>Choisir le périphérique &amp;audio</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>Choisir les &amp;dossiers par défaut</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>Choisir les raccourcis &amp;clavier</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>Choisir la &amp;langue</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Afficher l&apos;aide</translation>
    </message>
    <message>
        <source>Online Support</source>
        <translation>Assistance en ligne</translation>
    </message>
    <message>
        <source>About Plectronome</source>
        <translation>À propos de Plectronome</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Fichiers récents</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>All types (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</source>
        <translation>Tous les types (*.wav *.ogg *.mp3 *.flac *.wma *.m4a *.mp4 *.aac *.aiff *.aif);;WAV (*.wav);;Ogg Vorbis (*.ogg);;MP3 (*.mp3);;Flac (*.flac);;WMA (*.wma);;M4A (*.m4a);;MP4 (*.mp4);;AAC (*.aac);;AIFF (*.aiff);;AIF (*.aif)</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>Impossible de charger le fichier</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>L&apos;analyse est toujours en cours !&lt;br /&gt;Veuillez attendre la fin du traitement&lt;br /&gt;avant de charger un nouveau fichier.</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Ouvrir un fichier audio</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>Fichier introuvable !</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>Le fichier audio est introuvable.&lt;br /&gt;Voulez-vous choisir vous-même un fichier audio ?</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>Fichier trop petit !&lt;br /&gt;Veuillez choisir un autre fichier.</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>Fichier trop volumineux !&lt;br /&gt;Veuillez choisir un autre fichier.</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>Veuillez choisir un autre fichier audio.</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>Dessin de la forme d&apos;onde | %1</translation>
    </message>
    <message>
        <source>Open CD Track</source>
        <translation>Ouvrir une piste de CD</translation>
    </message>
    <message>
        <source>CD tracks (*.wav *.flac *.cda);;</source>
        <translation>Pistes de CD (*.wav *.flac *.cda);;</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>Décodage de l&apos;audio | %1</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Effacer la liste</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Effacer la liste</translation>
    </message>
    <message>
        <source>No web browser could be opened. The page is at:&lt;br /&gt;%1</source>
        <translation>Aucun navigateur web n&apos;a pu être ouvert. La page se trouve à l&apos;adresse :&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>A new version of Plectronome is available!</source>
        <translation>Une nouvelle version de Plectronome est disponible !</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>You are using the latest version of Plectronome (v%1).</source>
        <translation>Vous utilisez la dernière version de Plectronome (v%1).</translation>
    </message>
    <message>
        <source>Cannot connect to server to determine latest version of Plectronome.&lt;br /&gt;Please check your internet connection.</source>
        <translation>Impossible de joindre le serveur pour connaître la dernière version de Plectronome.&lt;br /&gt;Veuillez vérifier votre connexion Internet.</translation>
    </message>
    <message>
        <source>3rd party libraries used in Plectronome:</source>
        <translation>Bibliothèques tierces utilisées par Plectronome :</translation>
    </message>
    <message>
        <source>MP3 files are encoded by the separate lame program.</source>
        <translation>Les fichiers MP3 sont encodés par le programme séparé lame.</translation>
    </message>
    <message>
        <source>The sample rate of this file is not supported!&lt;br /&gt;Please choose a file recorded at %1 kHz to %2 kHz.</source>
        <translation>La fréquence d&apos;échantillonnage de ce fichier n&apos;est pas prise en charge !&lt;br /&gt;Veuillez choisir un fichier enregistré entre %1 kHz et %2 kHz.</translation>
    </message>
    <message>
        <source>Settings reset</source>
        <translation>Réglages réinitialisés</translation>
    </message>
    <message>
        <source>The stored settings could not be read, so the defaults are used.&lt;br /&gt;The old settings file was kept as:&lt;br /&gt;%1</source>
        <translation>Les réglages enregistrés n&apos;ont pas pu être lus, les valeurs par défaut sont donc utilisées.&lt;br /&gt;L&apos;ancien fichier de réglages a été conservé sous :&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</source>
        <translation>Le fichier choisi n&apos;est pas pris en charge.&lt;br /&gt;Veuillez choisir un fichier avec l&apos;une des extensions suivantes :&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .pq</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>Impossible d&apos;enregistrer la session</translation>
    </message>
    <message>
        <source>The session could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>La session n&apos;a pas pu être enregistrée dans&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>L&apos;analyse est toujours en cours !&lt;br /&gt;Veuillez attendre la fin du traitement&lt;br /&gt;avant de créer un nouveau fichier de session.</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>Enregistrer la session sous...</translation>
    </message>
    <message>
        <source>Plectronome Session (*.pq)</source>
        <translation>Session Plectronome (*.pq)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>L&apos;analyse est toujours en cours !&lt;br /&gt;Veuillez attendre la fin du traitement&lt;br /&gt;avant de charger une nouvelle session.</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>Charger un fichier de session</translation>
    </message>
    <message>
        <source>%1 already exists.&lt;br /&gt;Do you want to replace it?</source>
        <translation>%1 existe déjà.&lt;br /&gt;Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>The file %1 cannot be created:&lt;br /&gt;%2</source>
        <translation>Impossible de créer le fichier %1 :&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The MP3 encoder &quot;lame&quot; could not be started.&lt;br /&gt;Please install the package lame, or save the audio as WAV.</source>
        <translation>L&apos;encodeur MP3 « lame » n&apos;a pas pu être lancé.&lt;br /&gt;Veuillez installer le paquet lame, ou enregistrer l&apos;audio en WAV.</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped with an error:&lt;br /&gt;%1&lt;br /&gt;Nothing was saved.</source>
        <translation>L&apos;encodeur MP3 s&apos;est arrêté sur une erreur :&lt;br /&gt;%1&lt;br /&gt;Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Writing %1 failed:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>L&apos;écriture de %1 a échoué :&lt;br /&gt;%2&lt;br /&gt;Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>The finished audio could not be saved as %1:&lt;br /&gt;%2&lt;br /&gt;Nothing was saved.</source>
        <translation>L&apos;audio terminé n&apos;a pas pu être enregistré sous %1 :&lt;br /&gt;%2&lt;br /&gt;Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>Impossible d&apos;enregistrer l&apos;audio</translation>
    </message>
    <message>
        <source>Saving Audio | %1</source>
        <translation>Enregistrement de l&apos;audio | %1</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>Exporter le riff en WAV...</translation>
    </message>
    <message>
        <source>The current riff has no steps.&lt;br /&gt;Nothing was saved.</source>
        <translation>Le riff actuel n&apos;a aucun pas.&lt;br /&gt;Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>Exporter le morceau en WAV...</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>Enregistrement du morceau | %1</translation>
    </message>
    <message>
        <source>The song has no riffs.&lt;br /&gt;Nothing was saved.</source>
        <translation>Le morceau ne contient aucun riff.&lt;br /&gt;Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>There is no audio to save in this part of the track.</source>
        <translation>Il n’y a pas d’audio à enregistrer dans cette partie du morceau.</translation>
    </message>
    <message>
        <source>Unsaved riffs</source>
        <translation>Riffs non enregistrés</translation>
    </message>
    <message>
        <source>The riffs or the song are not saved in a session.&lt;br /&gt;Do you want to save the session?</source>
        <translation>Les riffs ou le morceau ne sont enregistrés dans aucune session.&lt;br /&gt;Voulez-vous enregistrer la session ?</translation>
    </message>
    <message>
        <source>The translation file&lt;br /&gt;%1&lt;br /&gt;is damaged or is not the one installed with Plectronome, so Plectronome is shown in English.</source>
        <translation>Le fichier de traduction&lt;br /&gt;%1&lt;br /&gt;est endommagé ou n&apos;est pas celui installé avec Plectronome, Plectronome s&apos;affiche donc en anglais.</translation>
    </message>
    <message>
        <source>None of the dropped files could be found:&lt;br /&gt;%1</source>
        <translation>Aucun des fichiers déposés n&apos;a été trouvé :&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>Impossible de charger la session</translation>
    </message>
    <message>
        <source>This is not a session file that can be loaded:&lt;br /&gt;%1</source>
        <translation>Ce n&apos;est pas un fichier de session qui peut être chargé :&lt;br /&gt;%1</translation>
    </message>
    <message>
        <source>Find chords again</source>
        <translation>Rechercher à nouveau les accords</translation>
    </message>
    <message>
        <source>Chords corrected by hand are found again too.&lt;br /&gt;Find the chords again from the marked chords only?</source>
        <translation>Les accords corrigés à la main seront eux aussi recherchés à nouveau.&lt;br /&gt;Rechercher les accords uniquement parmi les accords cochés ?</translation>
    </message>
    <message>
        <source>%1 is write-protected and was not replaced.&lt;br /&gt;Nothing was saved.</source>
        <translation>%1 est protégé en écriture et n&apos;a pas été remplacé.&lt;br /&gt;Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Réglages non enregistrés</translation>
    </message>
    <message>
        <source>The settings could not be saved to&lt;br /&gt;%1&lt;br /&gt;The recent files, folders and shortcuts of this run will be missing at the next start.&lt;br /&gt;Please check that its folder can be written and that the disk is not full.</source>
        <translation>Les réglages n’ont pas pu être enregistrés dans&lt;br /&gt;%1&lt;br /&gt;Les fichiers récents, les dossiers et les raccourcis de cette session manqueront au prochain démarrage.&lt;br /&gt;Vérifiez que son dossier est accessible en écriture et que le disque n’est pas plein.</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before saving audio.</source>
        <translation>L&apos;analyse est toujours en cours !&lt;br /&gt;Veuillez attendre la fin du traitement&lt;br /&gt;avant d&apos;enregistrer l&apos;audio.</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Restore Defaults</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>Ouverture des fichiers audio par défaut :</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>Ouvrir le dernier dossier utilisé</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>Toujours ouvrir le dossier choisi :</translation>
    </message>
    <message>
        <source>Plectronome Save Location</source>
        <translation>Dossier d&apos;enregistrement de Plectronome</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>Emplacement des sessions et de l&apos;audio exporté :</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>Choisir le dossier audio par défaut</translation>
    </message>
    <message>
        <source>Select Default Plectronome Save Folder</source>
        <translation>Choisir le dossier d&apos;enregistrement de Plectronome</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>Rétablir les dossiers par défaut</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>Voulez-vous vraiment rétablir les dossiers par défaut ?</translation>
    </message>
</context>
<context>
    <name>PlotSelection</name>
    <message>
        <source>%1 BEATS</source>
        <translation>%1 TEMPS</translation>
    </message>
    <message>
        <source>BEATS</source>
        <translation>TEMPS</translation>
    </message>
    <message>
        <source>BEAT</source>
        <translation>TEMPS</translation>
    </message>
</context>
<context>
    <name>PreferencesMenu</name>
    <message>
        <source>Audio Device</source>
        <translation>Périphérique audio</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>Dossiers par défaut</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
</context>
<context>
    <name>ProcessingLabel</name>
    <message>
        <source>Calculating chords</source>
        <translation>Calcul des accords</translation>
    </message>
</context>
<context>
    <name>ShortcutsTab</name>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>Avance rapide</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>Charger une session</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>Baisser le métronome</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>Monter le métronome</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Ouvrir un fichier audio</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>Baisser la hauteur (-1 demi-ton)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>Monter la hauteur (+1 demi-ton)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>Lire depuis le début de la sélection</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>Lecture/Arrêt</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Retour rapide</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Enregistrer l&apos;audio</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>Enregistrer la session</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>Afficher l&apos;onglet des accords</translation>
    </message>
    <message>
        <source>Show Vur Arezev Tab</source>
        <translation>Afficher l&apos;onglet Vur Arezev</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>Afficher l&apos;onglet des riffs</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>Ralentir (-1 BPM)</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>Accélérer (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>Activer/désactiver l&apos;isolation</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>Activer/désactiver la boucle</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>Activer/désactiver la hauteur</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>Activer/désactiver le défilement</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>Activer/désactiver le tempo</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Afficher l&apos;aide</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Baisser le volume</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Monter le volume</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Définir</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Raccourci</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>Appuyez sur la touche pour « %0 » :</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>Remplacer le raccourci existant ?</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;
Do you want to overwrite that shortcut?</source>
        <translation>La touche « %0 » est déjà utilisée pour l&apos;action « %1 ».
Voulez-vous remplacer ce raccourci ?</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>Rétablir les raccourcis par défaut</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>Voulez-vous vraiment réinitialiser les raccourcis clavier ?</translation>
    </message>
</context>
</TS>
