<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AlarmListModel</name>
    <message>
        <source>Caption</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
</context>
<context>
    <name>AlarmMode</name>
    <message>
        <source>Once</source>
        <translation>Une fois</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Horaire</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Quotidienne</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuelle</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Annuelle</translation>
    </message>
</context>
<context>
    <name>AlarmStore</name>
    <message>
        <source>Tocsimo keeps at most %1 alarms: delete one before adding another</source>
        <translation>Tocsimo conserve au plus %1 alarmes : supprimez-en une avant d’en ajouter une autre</translation>
    </message>
    <message>
        <source>Invalid alarm identifier %1</source>
        <translation>Identifiant d’alarme %1 non valide</translation>
    </message>
    <message>
        <source>Alarm identifier %1 is already in use</source>
        <translation>L’identifiant d’alarme %1 est déjà utilisé</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Indice de liste hors limites (%1)</translation>
    </message>
</context>
<context>
    <name>AutoRun</name>
    <message>
        <source>Failed to set data for &apos;Tocsimo&apos;</source>
        <translation>Impossible de définir les données de « Tocsimo »</translation>
    </message>
</context>
<context>
    <name>ChmLibrary</name>
    <message>
        <source>HHCtrl.OCX not installed!<byte value="xd"/> HTMLHELP cannot displayed!</source>
        <translation>Le visualiseur d’aide n’est pas installé.<byte value="xd"/> L’aide ne peut pas être affichée.</translation>
    </message>
    <message>
        <source>Function HTMLHELP cannot loaded!</source>
        <translation>La fonction d’aide n’a pas pu être chargée.</translation>
    </message>
</context>
<context>
    <name>DateTime</name>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Argument non valide pour le codage d’une date</translation>
    </message>
    <message>
        <source>Invalid argument to time encode</source>
        <translation>Argument non valide pour le codage d’une heure</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n’est pas un dossier</translation>
    </message>
    <message>
        <source>Unable to create the folder %1 for your alarms and options: %2</source>
        <translation>Impossible de créer le dossier %1 pour vos alarmes et vos préférences : %2</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>no such file</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>plus de %1 Mio</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>lecture impossible</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TFormAlarm</name>
    <message>
        <source>Audio files|*.mp3;*.mp2;*.wma;*.wax;*.wav;*.mid;*.midi;*.rmi;*.au;*.snd|All files (*.*)|*.*;</source>
        <translation>Fichiers audio|*.mp3;*.mp2;*.wma;*.wax;*.wav;*.mid;*.midi;*.rmi;*.au;*.snd|Tous les fichiers (*.*)|*.*;</translation>
    </message>
    <message>
        <source>Alarm properties</source>
        <translation>Propriétés de l’alarme</translation>
    </message>
    <message>
        <source>Alarm mode:</source>
        <translation>Périodicité :</translation>
    </message>
    <message>
        <source>&amp;Once</source>
        <translation>&amp;Une fois</translation>
    </message>
    <message>
        <source>&amp;Hourly</source>
        <translation>H&amp;oraire</translation>
    </message>
    <message>
        <source>&amp;Daily</source>
        <translation>&amp;Quotidienne</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>H&amp;ebdomadaire</translation>
    </message>
    <message>
        <source>&amp;Monthly</source>
        <translation>&amp;Mensuelle</translation>
    </message>
    <message>
        <source>&amp;Yearly</source>
        <translation>A&amp;nnuelle</translation>
    </message>
    <message>
        <source>D&amp;ate:</source>
        <translation>&amp;Date :</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Heure :</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>Main&amp;tenant</translation>
    </message>
    <message>
        <source>Alarm &amp;sound:</source>
        <translation>&amp;Son de l’alarme :</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Son de l’alarme</translation>
    </message>
    <message>
        <source>Choose the sound file</source>
        <translation>Choisir le fichier son</translation>
    </message>
    <message>
        <source>Play the sound</source>
        <translation>Lire le son</translation>
    </message>
    <message>
        <source>Stop the sound</source>
        <translation>Arrêter le son</translation>
    </message>
    <message>
        <source>&amp;Reminder message:</source>
        <translation>Message de &amp;rappel :</translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation>Message de rappel</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>It is time to...</source>
        <translation>Il est temps de...</translation>
    </message>
    <message>
        <source>Invalid date</source>
        <translation>Date non valide</translation>
    </message>
    <message>
        <source>Invalid time</source>
        <translation>Heure non valide</translation>
    </message>
</context>
<context>
    <name>TFormClock</name>
    <message>
        <source>&amp;Send to tray</source>
        <translation>&amp;Réduire dans la zone de notification</translation>
    </message>
    <message>
        <source>&amp;Alarms</source>
        <translation>&amp;Alarmes</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Préférences</translation>
    </message>
    <message>
        <source>S&amp;kins</source>
        <translation>&amp;Thèmes</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>À pr&amp;opos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Tocsimo clock, %1</source>
        <translation>Horloge Tocsimo, %1</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>Re&amp;staurer</translation>
    </message>
    <message>
        <source>&amp;Digital</source>
        <comment>skins menu</comment>
        <translation>&amp;Numérique</translation>
    </message>
    <message>
        <source>&amp;Santa Claus</source>
        <comment>skins menu</comment>
        <translation>&amp;Père Noël</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Chime</source>
        <translation>Carillon</translation>
    </message>
    <message>
        <source>Mac</source>
        <translation>Mac</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Coq</translation>
    </message>
    <message>
        <source>Boom</source>
        <translation>Boum</translation>
    </message>
    <message>
        <source>Yee Haa</source>
        <translation>Yee Haa</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;Alarms</source>
        <translation>&amp;Alarmes</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>P&amp;références</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmes</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Mod&amp;ifier</translation>
    </message>
    <message>
        <source>De&amp;l</source>
        <translation>&amp;Suppr.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>General </source>
        <translation>Général </translation>
    </message>
    <message>
        <source>Auto &amp;run when the desktop session starts</source>
        <translation>&amp;Lancer au démarrage de la session</translation>
    </message>
    <message>
        <source>Auto &amp;hide alarm clock in system tray</source>
        <translation>&amp;Masquer l’horloge dans la zone de notification</translation>
    </message>
    <message>
        <source>T&amp;ime Format: </source>
        <translation>&amp;Format : </translation>
    </message>
    <message>
        <source>AM/&amp;PM</source>
        <translation>AM/&amp;PM</translation>
    </message>
    <message>
        <source>&amp;24 Hours</source>
        <translation>&amp;24 heures</translation>
    </message>
    <message>
        <source>Alarm </source>
        <translation>Alarme </translation>
    </message>
    <message>
        <source>Repea&amp;t alarm sound</source>
        <translation>Son en &amp;boucle</translation>
    </message>
    <message>
        <source>Show &amp;missed alarms</source>
        <translation>Alarmes ma&amp;nquées</translation>
    </message>
    <message>
        <source>Show missed alarms</source>
        <translation>Afficher les alarmes manquées</translation>
    </message>
    <message>
        <source>Snoo&amp;ze for</source>
        <translation>R&amp;épéter dans</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Snooze for</source>
        <translation>Répéter dans</translation>
    </message>
    <message>
        <source>Chime </source>
        <translation>Carillon </translation>
    </message>
    <message>
        <source>E&amp;nable chime sound</source>
        <translation>Activer le &amp;carillon</translation>
    </message>
    <message>
        <source>Hourl&amp;y</source>
        <translation>&amp;Heures</translation>
    </message>
    <message>
        <source>Hal&amp;f hourly</source>
        <translation>&amp;Demi-heures</translation>
    </message>
    <message>
        <source>&amp;Quarter hourly</source>
        <translation>&amp;Quarts d’heure</translation>
    </message>
    <message>
        <source>&amp;Chime sound:</source>
        <translation>S&amp;on :</translation>
    </message>
    <message>
        <source>Chime sound</source>
        <translation>Son du carillon</translation>
    </message>
    <message>
        <source>Play the chime</source>
        <translation>Lire le carillon</translation>
    </message>
    <message>
        <source>Stop the chime</source>
        <translation>Arrêter le carillon</translation>
    </message>
    <message>
        <source>The alarm list is full: Tocsimo keeps at most %1 alarms. Delete an alarm before adding another</source>
        <translation>La liste des alarmes est pleine : Tocsimo conserve au plus %1 alarmes. Supprimez une alarme avant d’en ajouter une autre</translation>
    </message>
    <message>
        <source>%1. Snoozed reminders come back while Tocsimo runs, but not after it is started again</source>
        <translation>%1. Les rappels reportés reviennent tant que Tocsimo est en cours d’exécution, mais pas après son redémarrage</translation>
    </message>
</context>
<context>
    <name>TFormMissed</name>
    <message>
        <source>Missed alarms</source>
        <translation>Alarmes manquées</translation>
    </message>
    <message>
        <source>&amp;These alarms were due but could not go off:</source>
        <translation>&amp;Ces alarmes étaient prévues mais n’ont pas pu sonner :</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Prévue</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>(no message)</source>
        <translation>(aucun message)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>Alarms missed: %1</source>
        <translation>Alarmes manquées : %1</translation>
    </message>
</context>
<context>
    <name>TFormReminder</name>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Reminder message</source>
        <translation>Message de rappel</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Snooze</source>
        <translation>&amp;Répéter</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>Silences the alarm and shows this reminder again later</source>
        <translation>Coupe le son de l’alarme et affiche de nouveau ce rappel plus tard</translation>
    </message>
</context>
<context>
    <name>THelpBrowser</name>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Tocsimo Help&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;p&gt;The page %1 cannot be read from the help file %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Aide de Tocsimo&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;p&gt;La page %1 ne peut pas être lue dans le fichier d’aide %2.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d’écrire dans %1</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Impossible d’ouvrir le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d’ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tocsimo cannot run from the folder %1 because its name is not valid UTF-8 text. Move the program to a folder with another name</source>
        <translation>Tocsimo ne peut pas être lancé depuis le dossier %1, car son nom n’est pas un texte UTF-8 valide. Déplacez le programme dans un dossier portant un autre nom</translation>
    </message>
</context>
</TS>
