<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>zg::CableChips</name>
    <message>
        <location filename="../src/device/CableChips.cpp" line="+47"/>
        <source>%1 USB serial adapter</source>
        <translation>adaptateur série USB %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>built-in serial port</source>
        <translation>port série intégré</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USB serial adapter %1</source>
        <translation>adaptateur série USB %1</translation>
    </message>
</context>
<context>
    <name>zg::CommPortDevice</name>
    <message>
        <location filename="../src/device/CommPortDevice.cpp" line="+128"/>
        <source>given by --device</source>
        <translation>indiqué par --device</translation>
    </message>
</context>
<context>
    <name>zg::CommandLine</name>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="+41"/>
        <source>--model goes with --export-gif.</source>
        <translation>--model va avec --export-gif.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Give either --export-gif or --export-png, not both.</source>
        <translation>Indiquez --export-gif ou --export-png, pas les deux.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>An export needs the name of the file to write.</source>
        <translation>Un export a besoin du nom du fichier à écrire.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>An export needs the data file to export.</source>
        <translation>Un export a besoin du fichier de données à exporter.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--stick goes with --export-gif.</source>
        <translation>--stick s’utilise avec --export-gif.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--stick needs a pulse width from 1000 to 1999 microseconds.</source>
        <translation>--stick demande une largeur d’impulsion de 1000 à 1999 microsecondes.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Editor and downloader for the Zelta-Glow LED sequencer/flasher.</source>
        <translation>Éditeur et programmateur du séquenceur/flash à LED Zelta-Glow.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Send downloads to this serial device, whatever the port number.</source>
        <translation>Envoyer les transferts à ce périphérique série, quel que soit le numéro de port.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>path</source>
        <translation>chemin</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Write the file&apos;s animation as the module shows it to this GIF and end.</source>
        <translation>Écrire l’animation du fichier, telle que le module l’affiche, dans ce GIF et terminer.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>out.gif</source>
        <translation>sortie.gif</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write a picture of the file&apos;s pattern to this PNG and end.</source>
        <translation>Écrire une image de la séquence du fichier dans ce PNG et terminer.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>out.png</source>
        <translation>sortie.png</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The servo pulse width the animation shows (default 1500).</source>
        <translation>La largeur d’impulsion servo montrée par l’animation (1500 par défaut).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>microseconds</source>
        <translation>microsecondes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show the animation on this model of yours instead of four lights.</source>
        <translation>Montrer l’animation sur ce modèle à vous plutôt qu’avec quatre lumières.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>List the serial ports by number, with the adapter behind each and what stands in the way of a download, and end.</source>
        <translation>Lister les ports série par numéro, avec l&apos;adaptateur derrière chacun et ce qui empêche un transfert, puis terminer.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A data file (*.DAT) to open at start.</source>
        <translation>Un fichier de données (*.DAT) à ouvrir au démarrage.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[file]</source>
        <translation>[fichier]</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>--device needs the path of a serial device.</source>
        <translation>--device demande le chemin d’un périphérique série.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Only one data file can be opened at start.</source>
        <translation>Un seul fichier de données peut être ouvert au démarrage.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>--list-ports goes with --device only.</source>
        <translation>--list-ports ne va qu&apos;avec --device.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>no display to show the window on (%1); start it in a desktop session.</source>
        <translation>aucun écran où afficher la fenêtre (%1) ; lancez le programme dans une session de bureau.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>ni DISPLAY ni WAYLAND_DISPLAY ne sont définis</translation>
    </message>
    <message>
        <location filename="../src/app/CommandLineExport.cpp" line="+41"/>
        <source>The model %1 cannot be read: %2.</source>
        <translation>Le modèle %1 ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>There is no model %1. The outlines are: %2.</source>
        <translation>Il n’y a pas de modèle %1. Les contours sont : %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no model %1. Your models are: %2; the outlines are: %3.</source>
        <translation>Il n’y a pas de modèle %1. Vos modèles sont : %2 ; les contours sont : %3.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a Zelta-Glow data file: none of its first 50 lines holds an event.</source>
        <translation>%1 n’est pas un fichier de données Zelta-Glow : aucune de ses 50 premières lignes ne contient de pas.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: lines %2 could not be used and were left out.</source>
        <translation>%1 : les lignes %2 étaient inutilisables et ont été ignorées.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The picture %1 of the model %2 cannot be shown: %3.</source>
        <translation>L’image %1 du modèle %2 ne peut pas être montrée : %3.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
</context>
<context>
    <name>zg::DataFileCommands</name>
    <message>
        <location filename="../src/ui/datafiles/DataFileCommands.cpp" line="+21"/>
        <source>ZELTA-GLOW  -  Programmable LED Sequencer/Flasher - Beta3</source>
        <translation>ZELTA-GLOW  -  Séquenceur/flash à LED programmable - Beta3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>ZELTA-GLOW  -  Programmable LED Sequencer/Flasher</source>
        <translation>ZELTA-GLOW  -  Séquenceur/flash à LED programmable</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>New/Clear</source>
        <translation>Nouveau/Effacer</translation>
    </message>
    <message>
        <location line="+94"/>
        <location line="+5"/>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>Unsaved Pattern</source>
        <translation>Séquence non enregistrée</translation>
    </message>
</context>
<context>
    <name>zg::DataFileReader</name>
    <message>
        <location filename="../src/files/DataFileReader.cpp" line="+140"/>
        <source>It is a folder, not a file.</source>
        <translation>C’est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It is a named pipe, not a file.</source>
        <translation>C’est un tube nommé, pas un fichier.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It is a socket, not a file.</source>
        <translation>C’est un socket, pas un fichier.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>It is a device, not a file.</source>
        <translation>C’est un périphérique, pas un fichier.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>It is not a regular file.</source>
        <translation>Ce n’est pas un fichier ordinaire.</translation>
    </message>
</context>
<context>
    <name>zg::DownloadMessages</name>
    <message>
        <location filename="../src/device/DownloadMessages.cpp" line="+22"/>
        <source>Check that the programming cable is plugged in, or choose its port in Settings.</source>
        <translation>Vérifiez que le câble de programmation est branché, ou choisissez son port dans les réglages.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Name the programming cable&apos;s serial device with --device, or leave --device out.</source>
        <translation>Indiquez le périphérique série du câble de programmation avec --device, ou omettez --device.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Another program is using the port. Close it and try again.</source>
        <translation>Un autre programme utilise le port. Fermez-le et réessayez.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your user may not use serial ports. Join the &apos;dialout&apos; group (sudo usermod -aG dialout $USER), then log out and in again.</source>
        <translation>Votre utilisateur n’a pas le droit d’utiliser les ports série. Rejoignez le groupe &apos;dialout&apos; (sudo usermod -aG dialout $USER), puis fermez la session et rouvrez-la.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your user may not use this serial port.</source>
        <translation>Votre utilisateur n’a pas le droit d’utiliser ce port série.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot open serial port %1: %2.

Plug in the programming cable, or choose its port number in Settings.</source>
        <translation>Impossible d’ouvrir le port série %1 : %2.

Branchez le câble de programmation, ou choisissez son numéro de port dans les réglages.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cannot open serial port %1:
%2</source>
        <translation>Impossible d’ouvrir le port série %1 :
%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot open serial port %1 (%2):
%3</source>
        <translation>Impossible d’ouvrir le port série %1 (%2) :
%3</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>item %1 (event %2)</source>
        <translation>la valeur %1 (pas %2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>item %1 (the servo mode of LED#%2)</source>
        <translation>la valeur %1 (le mode servo de LED#%2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>item %1 (the sequencer delay)</source>
        <translation>la valeur %1 (le délai du séquenceur)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>item %1 (the end of the sequence)</source>
        <translation>la valeur %1 (la fin de la séquence)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Sent %1 items to %2 in %3 s.</source>
        <translation>%1 valeurs envoyées à %2 en %3 s.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Serial port %1 (%2) is held by another program; nothing was sent.</source>
        <translation>Le port série %1 (%2) est tenu par un autre programme ; rien n’a été envoyé.</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+23"/>
        <source>the serial port</source>
        <translation>le port série</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>The download was stopped before the first item was sent to %1.</source>
        <translation>Le transfert a été arrêté avant que la première valeur soit envoyée à %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The download was stopped after %1 of %2 items were sent to %3, each whole; the last was %4.</source>
        <translation>Le transfert a été arrêté après l’envoi complet de %1 valeurs sur %2 à %3 ; la dernière était %4.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The module holds an incomplete pattern: put it into its receiving state again (all LEDs lit) and send the pattern again.</source>
        <translation>Le module contient un motif incomplet : remettez-le en état de réception (toutes les LED allumées) et renvoyez le motif.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The download stopped before the first item was sent to %1, %2 s after it began:
%3</source>
        <translation>Le transfert s&apos;est arrêté %2 s après son début, avant l&apos;envoi de la première valeur à %1 :
%3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The download stopped after %1 of %2 items were sent to %3, %4 s after it began; the last to leave was %5:
%6</source>
        <translation>Le transfert s&apos;est arrêté %4 s après son début, après l&apos;envoi de %1 valeurs sur %2 vers %3 ; la dernière partie était %5 :
%6</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Plug the cable in again if it came out, put the module into its receiving state again (all LEDs lit) and send the pattern again.</source>
        <translation>Rebranchez le câble s&apos;il est sorti, remettez le module en réception (toutes les LED allumées) et renvoyez le motif.</translation>
    </message>
</context>
<context>
    <name>zg::Downloader</name>
    <message>
        <location filename="../src/ui/download/Downloader.cpp" line="+24"/>
        <source><byte value="xd"/> 1) Cycle power/Connect Zelta-Glow to programming cable (All LEDs flash), then<byte value="xd"/><byte value="xd"/> 2)  Wait till all LEDS come on and stay on, then<byte value="xd"/><byte value="xd"/> 3)  With all LEDs lit, Press &apos;OK&apos; to download to Zelta-Glow...</source>
        <translation><byte value="xd"/> 1) Remettez le Zelta-Glow sous tension ou branchez-le au câble de programmation (toutes les LED clignotent), puis<byte value="xd"/><byte value="xd"/> 2)  Attendez que toutes les LED s’allument et restent allumées, puis<byte value="xd"/><byte value="xd"/> 3)  Toutes les LED allumées, appuyez sur &apos;OK&apos; pour transférer vers le Zelta-Glow...</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Download to ZELTA-GLOW  -  Programmable LED Sequencer/Flasher...</source>
        <translation>Transfert vers le ZELTA-GLOW  -  Séquenceur/flash à LED...</translation>
    </message>
</context>
<context>
    <name>zg::ExportCommands</name>
    <message>
        <location filename="../src/ui/datafiles/ExportCommands.cpp" line="+19"/>
        <source>Export Animation</source>
        <translation>Exporter l’animation</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1st zone: 1000-1240 µs (far left)</source>
        <translation>1re zone : 1000-1240 µs (tout à gauche)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2nd zone: 1250-1490 µs (left of centre)</source>
        <translation>2e zone : 1250-1490 µs (à gauche du centre)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3rd zone: 1500-1740 µs (centre to right of centre)</source>
        <translation>3e zone : 1500-1740 µs (du centre à droite du centre)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4th zone: 1750-1990 µs (far right)</source>
        <translation>4e zone : 1750-1990 µs (tout à droite)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>GIF Images (*.gif)</source>
        <translation>Images GIF (*.gif)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Export Picture</source>
        <translation>Exporter l’image</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PNG Images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Show the module as it lights with the stick in the

(The sequencer delay is under 20 ms: the animation shows the module every 20 ms, so a flash shorter than that may not show.)</source>
        <translation>Montrer le module tel qu’il s’allume avec le manche dans la

(Le délai du séquenceur est inférieur à 20 ms : l’animation montre le module toutes les 20 ms, un flash plus court peut donc ne pas apparaître.)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show the module as it lights with the stick in the</source>
        <translation>Montrer le module tel qu’il s’allume avec le manche dans la</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>pattern</source>
        <translation>sequence</translation>
    </message>
</context>
<context>
    <name>zg::FileCommands</name>
    <message>
        <location filename="../src/ui/datafiles/FileCommandTexts.cpp" line="+22"/>
        <source>Data Files (*.DAT)</source>
        <translation>Fichiers de données (*.DAT)</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save ZELTA-GLOW Programmable LED Sequencer/Flasher Data File</source>
        <translation>Enregistrer un fichier de données du séquenceur/flash à LED ZELTA-GLOW</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open ZELTA-GLOW Programmable LED Sequencer/Flasher Data File</source>
        <translation>Ouvrir un fichier de données du séquenceur/flash à LED ZELTA-GLOW</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Merge ZELTA-GLOW Programmable LED Sequencer/Flasher Data File</source>
        <translation>Fusionner un fichier de données du séquenceur/flash à LED ZELTA-GLOW</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Replace existing file - %1?</source>
        <translation>Remplacer le fichier existant - %1 ?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The sequence could not be saved to<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>An existing file of that name is unchanged.</source>
        <translation>La séquence n’a pas pu être enregistrée dans<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Un fichier existant de ce nom reste inchangé.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Whether the file<byte value="xd"/>%1<byte value="xd"/>already exists cannot be told: %2<byte value="xd"/><byte value="xd"/>Nothing was saved.</source>
        <translation>Impossible de savoir si le fichier<byte value="xd"/>%1<byte value="xd"/>existe déjà : %2<byte value="xd"/><byte value="xd"/>Rien n’a été enregistré.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file<byte value="xd"/>%1<byte value="xd"/>could not be opened:<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>Le fichier<byte value="xd"/>%1<byte value="xd"/>n’a pas pu être ouvert :<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file<byte value="xd"/>%1<byte value="xd"/>is not a Zelta-Glow data file: none of its first 50 lines holds an event.<byte value="xd"/><byte value="xd"/>Nothing was changed.</source>
        <translation>Le fichier<byte value="xd"/>%1<byte value="xd"/>n’est pas un fichier de données Zelta-Glow : aucune de ses 50 premières lignes ne contient de pas.<byte value="xd"/><byte value="xd"/>Rien n’a été modifié.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file<byte value="xd"/>%1<byte value="xd"/>is not a Zelta-Glow data file: %2<byte value="xd"/><byte value="xd"/>Nothing was changed.</source>
        <translation>Le fichier<byte value="xd"/>%1<byte value="xd"/>n’est pas un fichier de données Zelta-Glow : %2<byte value="xd"/><byte value="xd"/>Rien n’a été modifié.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The program was closed on %1 with a pattern that had not been saved.<byte value="xd"/><byte value="xd"/>Bring that pattern back?</source>
        <translation>Le programme a été fermé le %1 avec une séquence non enregistrée.<byte value="xd"/><byte value="xd"/>Récupérer cette séquence ?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The program was closed on %1 with a pattern that had not been saved.<byte value="xd"/><byte value="xd"/>If you bring it back, %2 is not opened now: open it afterwards when you need it.<byte value="xd"/><byte value="xd"/>Bring that pattern back?</source>
        <translation>Le programme a été fermé le %1 avec une séquence non enregistrée.<byte value="xd"/><byte value="xd"/>Si vous la récupérez, %2 n’est pas ouvert maintenant : ouvrez-le ensuite si vous en avez besoin.<byte value="xd"/><byte value="xd"/>Récupérer cette séquence ?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The program was closed on %1 with changes to<byte value="xd"/>%2<byte value="xd"/>that had not been saved.<byte value="xd"/><byte value="xd"/>Bring those changes back?</source>
        <translation>Le programme a été fermé le %1 avec des modifications de<byte value="xd"/>%2<byte value="xd"/>qui n’avaient pas été enregistrées.<byte value="xd"/><byte value="xd"/>Récupérer ces modifications ?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The program was closed on %1 with changes to<byte value="xd"/>%2<byte value="xd"/>that had not been saved.<byte value="xd"/><byte value="xd"/>If you bring them back, %3 is not opened now: open it afterwards when you need it.<byte value="xd"/><byte value="xd"/>Bring those changes back?</source>
        <translation>Le programme a été fermé le %1 avec des modifications de<byte value="xd"/>%2<byte value="xd"/>qui n’avaient pas été enregistrées.<byte value="xd"/><byte value="xd"/>Si vous les récupérez, %3 n’est pas ouvert maintenant : ouvrez-le ensuite si vous en avez besoin.<byte value="xd"/><byte value="xd"/>Récupérer ces modifications ?</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The pattern brought back is not yet protected: its copy could not be written to<byte value="xd"/>%1<byte value="xd"/>(%2).<byte value="xd"/><byte value="xd"/>The old copy<byte value="xd"/>%3<byte value="xd"/>is kept until then. Save the pattern to a file of your own.</source>
        <translation>La séquence récupérée n’est pas encore protégée : sa copie n’a pas pu être écrite dans<byte value="xd"/>%1<byte value="xd"/>(%2).<byte value="xd"/><byte value="xd"/>L’ancienne copie<byte value="xd"/>%3<byte value="xd"/>est gardée d’ici là. Enregistrez la séquence dans un fichier à vous.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Unsaved work is not being kept: the program tried to keep it in<byte value="xd"/>%1<byte value="xd"/>(%2).<byte value="xd"/><byte value="xd"/>Save your work to a file before you close the program.</source>
        <translation>Le travail non enregistré n’est pas conservé : le programme a essayé de le garder dans<byte value="xd"/>%1<byte value="xd"/>(%2).<byte value="xd"/><byte value="xd"/>Enregistrez votre travail dans un fichier avant de fermer le programme.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Unsaved work is not being kept: %1 cannot be written.</source>
        <translation>Le travail non enregistré n’est pas conservé : impossible d’écrire dans %1.</translation>
    </message>
    <message>
        <location filename="../src/files/FileTexts.cpp" line="+27"/>
        <source>%1 is the pattern&apos;s own data file: an export would write over it. Choose another name.</source>
        <translation>%1 est le fichier de données de la séquence elle-même : un export l’écraserait. Choisissez un autre nom.</translation>
    </message>
    <message>
        <location filename="../src/ui/datafiles/FileCommandTexts.cpp" line="-57"/>
        <source>The file %1 is incomplete or damaged.<byte value="xd"/><byte value="xd"/>These lines could not be used and were left out:<byte value="xd"/>%2</source>
        <translation>Le fichier %1 est incomplet ou endommagé.<byte value="xd"/><byte value="xd"/>Ces lignes étaient inutilisables et ont été ignorées :<byte value="xd"/>%2</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The copy of the pattern left unsaved on %1 was incomplete or damaged.<byte value="xd"/><byte value="xd"/>These lines of the copy could not be used and were left out:<byte value="xd"/>%2</source>
        <translation>La copie du motif resté non enregistré le %1 était incomplète ou endommagée.<byte value="xd"/><byte value="xd"/>Ces lignes de la copie étaient inutilisables et ont été omises :<byte value="xd"/>%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The copy of the changes to<byte value="xd"/>%1<byte value="xd"/>left unsaved on %2 was incomplete or damaged; the file itself is unchanged.<byte value="xd"/><byte value="xd"/>These lines of the copy could not be used and were left out:<byte value="xd"/>%3</source>
        <translation>La copie des modifications de<byte value="xd"/>%1<byte value="xd"/>restées non enregistrées le %2 était incomplète ou endommagée ; le fichier lui-même est inchangé.<byte value="xd"/><byte value="xd"/>Ces lignes de la copie étaient inutilisables et ont été omises :<byte value="xd"/>%3</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Your settings could not be written to<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Its folder may be write-protected or the disk full. The port, the place of the window and the recent files are not remembered for the next start.</source>
        <translation>Vos réglages n’ont pas pu être écrits dans<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Son dossier est peut-être protégé en écriture ou le disque plein. Le port, la place de la fenêtre et les fichiers récents ne sont pas retenus pour le prochain démarrage.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Settings are not being remembered: %1 cannot be written.</source>
        <translation>Les réglages ne sont pas retenus : %1 ne peut pas être écrit.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The pattern left unsaved on %1 could not be read.</source>
        <translation>La séquence restée non enregistrée le %1 n’a pas pu être lue.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The pattern left unsaved on %1 could not be read. It was set aside as<byte value="xd"/>%2</source>
        <translation>La séquence restée non enregistrée le %1 n’a pas pu être lue. Elle a été mise de côté sous<byte value="xd"/>%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 was not opened, so that the pattern brought back stays. Open it from the File menu when you need it.</source>
        <translation>%1 n’a pas été ouvert, pour que la séquence récupérée reste. Ouvrez-le depuis le menu Fichier si vous en avez besoin.</translation>
    </message>
</context>
<context>
    <name>zg::FlashPatternDialog</name>
    <message>
        <location filename="../src/ui/editing/FlashPatternDialog.cpp" line="+22"/>
        <source>Flash Pattern</source>
        <translation>Motif de flash</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Steady</source>
        <translation>Fixe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Single Flash</source>
        <translation>Flash simple</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Double Flash</source>
        <translation>Double flash</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Triple Flash</source>
        <translation>Triple flash</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Beacon</source>
        <translation>Gyrophare</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Alternate</source>
        <translation>Alterné</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chase</source>
        <translation>Chenillard</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Flicker</source>
        <translation>Scintillement</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>LED#%1</source>
        <translation>LED#%1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source> a minute</source>
        <translation> par minute</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Fit the cycle to the rate</source>
        <translation>&amp;Ajuster le cycle à la cadence</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>LEDs:</source>
        <translation>LED :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Effect:</source>
        <translation>&amp;Effet :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Rate:</source>
        <translation>&amp;Cadence :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>F&amp;lash length:</source>
        <translation>Durée du f&amp;lash :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Gap between flashes:</source>
        <translation>&amp;Intervalle entre flashs :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start &amp;offset:</source>
        <translation>&amp;Décalage de départ :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Seed:</source>
        <translation>&amp;Graine :</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>Fit the c&amp;ycle at a sequencer delay of %1 ms</source>
        <translation>Ajuster le c&amp;ycle à un délai du séquenceur de %1 ms</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The sequencer delay is 0: the module runs at its fastest, a step that no rate can be given for. Choose a sequencer delay to lay the pattern out.</source>
        <translation>Le délai du séquenceur est 0 : le module tourne au plus vite, un pas pour lequel aucune cadence ne peut être donnée. Choisissez un délai du séquenceur pour disposer la séquence.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>One period is %1 events at a sequencer delay of %2 ms, more than the 50 a pattern has: without fitting the cycle the pattern repeats every %3 events, %4 a minute instead of %5.</source>
        <translation>Une période fait %1 pas à un délai du séquenceur de %2 ms, plus que les 50 d’un motif : sans ajuster le cycle, le motif se répète tous les %3 pas, %4 par minute au lieu de %5.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The flashes do not fit: %1 needs %2 events for its flashes and gaps, and one period is %3 events at a sequencer delay of %4 ms.</source>
        <translation>Les flashs ne tiennent pas : %1 demande %2 pas pour ses flashs et intervalles, et une période fait %3 pas avec un délai du séquenceur de %4 ms.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The flashes do not fit: a chase of %1 LEDs needs %2 events for its flashes and gaps, and one period is %3 events at a sequencer delay of %4 ms.</source>
        <translation>Les flashs ne tiennent pas : un chenillard de %1 LED a besoin de %2 pas pour ses flashs et ses pauses, et une période fait %3 pas à un délai du séquenceur de %4 ms.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The lights overlap: %1 LEDs taking turns need %2 events for their flashes, and one period is %3 events at a sequencer delay of %4 ms.</source>
        <translation>Les lumières se chevauchent : %1 LED en alternance ont besoin de %2 pas pour leurs flashs, et une période fait %3 pas à un délai du séquenceur de %4 ms.</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>One period is %1 events at today&apos;s sequencer delay of %2 ms: more than the 50 events there are.</source>
        <translation>Une période fait %1 pas avec le délai actuel du séquenceur de %2 ms : plus que les 50 pas disponibles.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>One period is longer than 50 events even at a sequencer delay of 100 ms: choose a higher rate.</source>
        <translation>Une période dépasse 50 pas même avec un délai du séquenceur de 100 ms : choisissez une cadence plus élevée.</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>Change the sequencer &amp;delay to %1 ms</source>
        <translation>Passer le délai du séq&amp;uenceur à %1 ms</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Use a %1 ms flash</source>
        <translation>&amp;Prendre un flash de %1 ms</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Use a %1 ms ga&amp;p</source>
        <translation>P&amp;rendre un intervalle de %1 ms</translation>
    </message>
</context>
<context>
    <name>zg::FlashPreview</name>
    <message>
        <location filename="../src/ui/editing/FlashPreview.cpp" line="+16"/>
        <source>Pattern preview</source>
        <translation>Aperçu du motif</translation>
    </message>
</context>
<context>
    <name>zg::GridEditor</name>
    <message>
        <location filename="../src/ui/editing/GridEditor.cpp" line="+14"/>
        <source>Cell</source>
        <translation>Case</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Paint</source>
        <translation>Peindre</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>End Mark</source>
        <translation>Marque de fin</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Servo Mode</source>
        <translation>Mode servo</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Row Command</source>
        <translation>Commande de ligne</translation>
    </message>
</context>
<context>
    <name>zg::GridWidget</name>
    <message>
        <location filename="../src/ui/grid/GridAccessibility.cpp" line="+110"/>
        <source>Event %1</source>
        <translation>Pas %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>LED #%1</source>
        <translation>LED #%1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>LED #%1, event %2</source>
        <translation>LED #%1, pas %2</translation>
    </message>
    <message>
        <location filename="../src/ui/grid/GridWidget.cpp" line="+27"/>
        <source>Pattern</source>
        <translation>Séquence</translation>
    </message>
</context>
<context>
    <name>zg::HelpWindow</name>
    <message>
        <location filename="../src/ui/help/HelpWindow.cpp" line="+22"/>
        <source>Zelta-Glow User Manual</source>
        <translation>Manuel d’utilisation du Zelta-Glow</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Find:</source>
        <translation>Rechercher :</translation>
    </message>
</context>
<context>
    <name>zg::JoystickStick</name>
    <message>
        <location filename="../src/ui/test/JoystickStick.cpp" line="+62"/>
        <source>Joysticks cannot be read on this computer (%1): the scroll bar is the stick.</source>
        <translation>Les joysticks ne peuvent pas être lus sur cet ordinateur (%1) : la barre de défilement sert de manche.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The joystick %1 was unplugged: the scroll bar is the stick again.</source>
        <translation>Le joystick %1 a été débranché : la barre de défilement redevient le manche.</translation>
    </message>
</context>
<context>
    <name>zg::LanguageMenu</name>
    <message>
        <location filename="../src/ui/window/LanguageMenu.cpp" line="+31"/>
        <source>English</source>
        <extracomment>The name of the language of this translation, in that language (&quot;Deutsch&quot;, &quot;Français&quot;).</extracomment>
        <translation>Français</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&amp;System</source>
        <translation>Langue du &amp;système</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>The new language is used from the next start of Zelta-Glow.</source>
        <translation>La nouvelle langue s’applique au prochain démarrage de Zelta-Glow.</translation>
    </message>
</context>
<context>
    <name>zg::MainWindow</name>
    <message>
        <location filename="../src/ui/controls/RowOptionsEntries.cpp" line="+17"/>
        <source>Clear All</source>
        <translation>Tout éteindre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mark All</source>
        <translation>Tout allumer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Toggle All</source>
        <translation>Tout inverser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy from...</source>
        <translation>Copier de...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy to...</source>
        <translation>Copier vers...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skip 1...</source>
        <translation>Sauter 1...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skip 2...</source>
        <translation>Sauter 2...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skip 3...</source>
        <translation>Sauter 3...</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Copy from LED #%1</source>
        <translation>Copier de LED #%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy to LED #%1</source>
        <translation>Copier vers LED #%1</translation>
    </message>
    <message>
        <location filename="../src/ui/controls/MainWindowControls.cpp" line="+34"/>
        <location filename="../src/ui/controls/RowOptionsEntries.cpp" line="-16"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <location filename="../src/ui/controls/LedLabelTips.cpp" line="+25"/>
        <source>Click here to change color of %1</source>
        <translation>Cliquez ici pour changer la couleur de %1</translation>
    </message>
    <message>
        <location filename="../src/ui/controls/MainWindowControls.cpp" line="+74"/>
        <source>LED #%1 indicator</source>
        <translation>Témoin de la LED #%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Click here to change %1 flash pattern</source>
        <translation>Cliquez ici pour changer le motif de clignotement de %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pattern commands for LED #%1</source>
        <translation>Commandes de motif pour la LED #%1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Servo Control</source>
        <translation>Mode servo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Change how LED#%1 will repond to R/C servo signal</source>
        <translation>Choisir comment la LED#%1 réagit au signal servo du récepteur</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Servo control of LED #%1</source>
        <translation>Commande servo de la LED #%1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>LED color</source>
        <translation>Couleur de la LED</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pattern commands</source>
        <translation>Commandes de motif</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other LED</source>
        <translation>Autre LED</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Open File...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open a sequence data file</source>
        <translation>Ouvrir un fichier de séquence</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save File...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save this sequence to a data file</source>
        <translation>Enregistrer cette séquence dans un fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/ui/window/MainWindowMenus.cpp" line="+275"/>
        <source>&amp;Test</source>
        <translation>T&amp;ester</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click here to visually test LED sequence</source>
        <translation>Cliquez ici pour essayer la séquence de LED à l’écran</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;ettings...</source>
        <translation>&amp;Réglages...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change Software/Zelta-Glow Settings...</source>
        <translation>Modifier les réglages du logiciel et du Zelta-Glow...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;DOWNLOAD</source>
        <translation>&amp;TRANSFÉRER</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Download data to Zelta-Glow Sequencer/Flasher</source>
        <translation>Transférer les données vers le séquenceur/flash Zelta-Glow</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/ui/window/MainWindowMenus.cpp" line="-190"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit the program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Servo stick</source>
        <translation>Manche servo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Servo Pulsewidth =</source>
        <translation>Impulsion servo =</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>(Use Mouse or Left + Right Arrow key to change servo position)</source>
        <translation>(Déplacez le manche avec la souris ou les flèches gauche et droite)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Downloading to ZELTA-GLOW ...</source>
        <translation>Transfert vers le ZELTA-GLOW ...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Download progress</source>
        <translation>Progression du transfert</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Variable Speed</source>
        <translation>Vitesse variable</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowMenus.cpp" line="-19"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New/Clear</source>
        <translation>&amp;Nouveau/Effacer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New from &amp;Preset</source>
        <translation>Nouveau depuis un &amp;modèle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recent &amp;Files</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Merge</source>
        <translation>&amp;Fusionner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save &amp;as Preset...</source>
        <translation>Enregistrer comme mo&amp;dèle...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Expor&amp;t Animation...</source>
        <translation>Exporter l’&amp;animation...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export Pict&amp;ure...</source>
        <translation>Exporter l’&amp;image...</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Insert Event</source>
        <translation>&amp;Insérer un pas</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>D&amp;elete Event</source>
        <translation>Supprimer le &amp;pas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Shift &amp;Left</source>
        <translation>Décaler à &amp;gauche</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Shift Ri&amp;ght</source>
        <translation>Décaler à &amp;droite</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Repeat &amp;Selection</source>
        <translation>Répét&amp;er la sélection</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&amp;Flash Pattern...</source>
        <translation>Motif de &amp;flash...</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Optio&amp;ns</source>
        <translation>O&amp;ptions</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Stick Input...</source>
        <translation>&amp;Entrée du manche...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play at the &amp;Module&apos;s Speed</source>
        <translation>Jouer à la vitesse du &amp;module</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Model View</source>
        <translation>Vue du &amp;modèle</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Ed&amp;it</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>&amp;Download</source>
        <translation>&amp;Transférer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Settings</source>
        <translation>Ré&amp;glages</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>H&amp;ow to ...</source>
        <translation>&amp;Mode d’emploi ...</translation>
    </message>
    <message>
        <location filename="../src/ui/window/DocumentDisplay.cpp" line="+29"/>
        <source>Color of LED #%1: %2</source>
        <translation>Couleur de la LED #%1 : %2</translation>
    </message>
</context>
<context>
    <name>zg::ModelCanvas</name>
    <message>
        <location filename="../src/ui/modelview/ModelCanvas.cpp" line="+37"/>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <location filename="../src/ui/modelview/LightMenu.cpp" line="+11"/>
        <source>&amp;Name...</source>
        <translation>&amp;Nommer...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Double</source>
        <translation>&amp;Doubler</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <location filename="../src/ui/modelview/ModelCanvas.cpp" line="+254"/>
        <source>LED#%1</source>
        <translation>LED#%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (LED#%2)</source>
        <translation>%1 (LED#%2)</translation>
    </message>
    <message>
        <location filename="../src/ui/modelview/ModelCanvasAccessibility.cpp" line="+108"/>
        <source>LED #%1, lit</source>
        <translation>LED #%1, allumée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LED #%1, dark</source>
        <translation>LED #%1, éteinte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, LED #%2, lit</source>
        <translation>%1, LED #%2, allumée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, LED #%2, dark</source>
        <translation>%1, LED #%2, éteinte</translation>
    </message>
</context>
<context>
    <name>zg::ModelCommands</name>
    <message>
        <location filename="../src/ui/modelview/ModelCommands.cpp" line="+102"/>
        <source>The model %1 cannot be read (%2): the plane is shown instead.</source>
        <translation>Le modèle %1 ne peut pas être lu (%2) : l’avion est montré à sa place.</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>The model %1 cannot be kept: %2</source>
        <translation>Le modèle %1 ne peut pas être conservé : %2</translation>
    </message>
    <message>
        <location line="-88"/>
        <source>Move Light</source>
        <translation>Déplacer la lumière</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Double Light</source>
        <translation>Doubler la lumière</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remove Light</source>
        <translation>Retirer la lumière</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>The picture %1 cannot be shown (%2): the plane stands in for it.</source>
        <translation>L’image %1 ne peut pas être montrée (%2) : l’avion la remplace.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Outline</source>
        <translation>Contour</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Picture of the Model</source>
        <translation>Image du modèle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pictures (*.png *.jpg *.jpeg *.svg)</source>
        <translation>Images (*.png *.jpg *.jpeg *.svg)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The picture %1 cannot be used: %2.</source>
        <translation>L’image %1 ne peut pas être utilisée : %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Name Light</source>
        <translation>Nommer la lumière</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Name of the Light</source>
        <translation>Nom de la lumière</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What LED#%1 lights here:</source>
        <translation>Ce que LED#%1 éclaire ici :</translation>
    </message>
</context>
<context>
    <name>zg::ModelFile</name>
    <message>
        <location filename="../src/files/ModelFile.cpp" line="+75"/>
        <source>the picture it carries is damaged</source>
        <translation>l’image qu’il contient est endommagée</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>it is not JSON (%1 at byte %2)</source>
        <translation>ce n’est pas du JSON (%1 à l’octet %2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it holds no Zelta-Glow model</source>
        <translation>il ne contient aucun modèle Zelta-Glow</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it has %1 lights; a model has at most %2</source>
        <translation>il a %1 lumières ; un modèle en a au plus %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>one of its lights has no output from 1 to 4 or no place</source>
        <translation>une de ses lumières n’a pas de sortie de 1 à 4 ou pas de place</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>it is not a file</source>
        <translation>ce n’est pas un fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it does not exist</source>
        <translation>il n’existe pas</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+4"/>
        <source>it is far too large for a model</source>
        <translation>il est bien trop grand pour un modèle</translation>
    </message>
    <message>
        <location filename="../src/files/ModelLibrary.cpp" line="+26"/>
        <source>%1 cannot name a model: %2</source>
        <translation>%1 ne peut pas nommer un modèle : %2</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>there is no model of that name</source>
        <translation>il n’y a pas de modèle de ce nom</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The folder %1 cannot be created.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>There is a model %1 already.</source>
        <translation>Il y a déjà un modèle %1.</translation>
    </message>
</context>
<context>
    <name>zg::ModelLayout</name>
    <message>
        <location filename="../src/model/ModelLayout.cpp" line="+32"/>
        <source>Left wingtip</source>
        <translation>Saumon gauche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right wingtip</source>
        <translation>Saumon droit</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+5"/>
        <source>Tail strobe</source>
        <translation>Flash de queue</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Landing light</source>
        <translation>Phare d’atterrissage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Left side</source>
        <translation>Côté gauche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right side</source>
        <translation>Côté droit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Beacon</source>
        <translation>Gyrophare</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Front left</source>
        <translation>Avant gauche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Front right</source>
        <translation>Avant droit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rear left</source>
        <translation>Arrière gauche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rear right</source>
        <translation>Arrière droit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Left headlight</source>
        <translation>Phare gauche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right headlight</source>
        <translation>Phare droit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Left tail light</source>
        <translation>Feu arrière gauche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right tail light</source>
        <translation>Feu arrière droit</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Port light</source>
        <translation>Feu bâbord</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Starboard light</source>
        <translation>Feu tribord</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stern light</source>
        <translation>Feu de poupe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Masthead light</source>
        <translation>Feu de mât</translation>
    </message>
</context>
<context>
    <name>zg::ModelLibraryCommands</name>
    <message>
        <location filename="../src/ui/modelview/ModelLibraryCommands.cpp" line="+41"/>
        <source>The model %1 cannot be read (%2).</source>
        <translation>Le modèle %1 ne peut pas être lu (%2).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>My Plane</source>
        <translation>Mon avion</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Name of the model:</source>
        <translation>Nom du modèle :</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot name a model: %2</source>
        <translation>%1 ne peut pas nommer un modèle : %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>There is a model %1 already: choose another name.</source>
        <translation>Il y a déjà un modèle %1 : choisissez un autre nom.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>There is a model %1 already. Replace it with a new one?</source>
        <translation>Il y a déjà un modèle %1. Le remplacer par un nouveau ?</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>My Picture</source>
        <translation>Mon image</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New Model</source>
        <translation>Nouveau modèle</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+50"/>
        <source>The model %1 cannot be kept: %2</source>
        <translation>Le modèle %1 ne peut pas être conservé : %2</translation>
    </message>
    <message>
        <location line="-45"/>
        <source>Rename Model</source>
        <translation>Renommer le modèle</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The model %1 cannot be renamed: %2</source>
        <translation>Le modèle %1 ne peut pas être renommé : %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Delete the model %1?</source>
        <translation>Supprimer le modèle %1 ?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The model %1 cannot be deleted: %2</source>
        <translation>Le modèle %1 ne peut pas être supprimé : %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Import Model</source>
        <translation>Importer un modèle</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+34"/>
        <source>Models (*.json)</source>
        <translation>Modèles (*.json)</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>%1 cannot be imported: %2</source>
        <translation>%1 ne peut pas être importé : %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Imported Model</source>
        <translation>Modèle importé</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 cannot be imported: it has %2 lights and no light for %3; a model has at most %4.</source>
        <translation>%1 ne peut pas être importé : il a %2 lumières et aucune lumière pour %3 ; un modèle en a au plus %4.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The model %1 had no light for %2: each was put at its usual place.</source>
        <translation>Le modèle %1 n’avait pas de lumière pour %2 : chacune a été placée à sa place habituelle.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Export Model</source>
        <translation>Exporter le modèle</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The model cannot be written to %1: %2</source>
        <translation>Le modèle ne peut pas être écrit dans %1 : %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The picture %1 of the model cannot be read, so the file carries none.</source>
        <translation>L’image %1 du modèle ne peut pas être lue, le fichier n’en contient donc aucune.</translation>
    </message>
</context>
<context>
    <name>zg::ModelPicture</name>
    <message>
        <location filename="../src/export/ModelPicture.cpp" line="+59"/>
        <source>the model names no picture</source>
        <translation>le modèle ne nomme aucune image</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the picture it carries is damaged</source>
        <translation>l’image qu’il contient est endommagée</translation>
    </message>
    <message>
        <location filename="../src/export/PictureFile.cpp" line="+60"/>
        <source>it is %1 MB; a model carries a drawing of up to %2 MB</source>
        <translation>il fait %1 Mo ; un modèle contient un dessin d’au plus %2 Mo</translation>
    </message>
    <message>
        <location line="-11"/>
        <location line="+19"/>
        <source>it is no drawing the program can show</source>
        <translation>ce n’est pas un dessin que le programme peut montrer</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>it is a compressed drawing (SVGZ); save it as plain SVG</source>
        <translation>c’est un dessin compressé (SVGZ) ; enregistrez-le en SVG simple</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it draws in another file, %1; a drawing of a model must stand alone</source>
        <translation>il dessine dans un autre fichier, %1 ; le dessin d’un modèle doit se suffire à lui-même</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>it cannot be made small enough for a model</source>
        <translation>elle ne peut pas être rendue assez petite pour un modèle</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>it is not a file</source>
        <translation>ce n’est pas un fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it does not exist</source>
        <translation>il n’existe pas</translation>
    </message>
</context>
<context>
    <name>zg::ModelStore</name>
    <message>
        <location filename="../src/ui/modelview/ModelStore.cpp" line="+92"/>
        <location line="+16"/>
        <source>The model was changed in another window; it is shown as it is now.</source>
        <translation>Le modèle a été modifié dans une autre fenêtre ; il est montré tel qu’il est maintenant.</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>The model was renamed %1 in another window.</source>
        <translation>Le modèle a été renommé %1 dans une autre fenêtre.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The model %1 was deleted in another window; a change here keeps it again.</source>
        <translation>Le modèle %1 a été supprimé dans une autre fenêtre ; une modification ici le conserve à nouveau.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Another window changed the model just now; it is shown as it is now.</source>
        <translation>Une autre fenêtre vient de modifier le modèle ; il est montré tel qu’il est maintenant.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>There is a model %1 already.</source>
        <translation>Il y a déjà un modèle %1.</translation>
    </message>
</context>
<context>
    <name>zg::ModelWindow</name>
    <message>
        <location filename="../src/ui/modelview/ModelWindow.cpp" line="+26"/>
        <source>Plane (high wing)</source>
        <translation>Avion (aile haute)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Helicopter</source>
        <translation>Hélicoptère</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Multicopter</source>
        <translation>Multirotor</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Car or truck</source>
        <translation>Voiture ou camion</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Boat</source>
        <translation>Bateau</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A picture of your own</source>
        <translation>Une image à vous</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Model View</source>
        <translation>Vue du modèle</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Drag a light to its place; right-click it to name, double or remove it.</source>
        <translation>Faites glisser une lumière à sa place ; un clic droit permet de la nommer, la doubler ou la retirer.</translation>
    </message>
    <message>
        <location line="-51"/>
        <source>&amp;Model:</source>
        <translation>&amp;Modèle :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Outline:</source>
        <translation>&amp;Contour :</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;New...</source>
        <translation>&amp;Nouveau...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Picture...</source>
        <translation>Ima&amp;ge...</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Ren&amp;ame...</source>
        <translation>&amp;Renommer...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete...</source>
        <translation>&amp;Supprimer...</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export...</source>
        <translation>&amp;Exporter...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo</source>
        <translation>Réta&amp;blir</translation>
    </message>
</context>
<context>
    <name>zg::PatternPictures</name>
    <message>
        <location filename="../src/export/ModelPicture.cpp" line="+131"/>
        <location filename="../src/export/PatternPictures.cpp" line="+81"/>
        <source>The animation could not be encoded: %1</source>
        <translation>L’animation n’a pas pu être encodée : %1</translation>
    </message>
    <message>
        <location filename="../src/export/PatternPictures.cpp" line="+11"/>
        <source>Sequencer Delay 0 ms: %1 events, played at the module&apos;s fastest</source>
        <translation>Délai du séquenceur 0 ms : %1 pas, joués au plus vite du module</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sequencer Delay %1 ms: %2 events, a cycle of %3</source>
        <translation>Délai du séquenceur %1 ms : %2 pas, un cycle de %3</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>The picture could not be encoded.</source>
        <translation>L’image n’a pas pu être encodée.</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>(typed)</source>
        <translation>(saisi)</translation>
    </message>
</context>
<context>
    <name>zg::PortFindings</name>
    <message>
        <location filename="../src/device/PortFindings.cpp" line="+40"/>
        <source>You may not use %1: it belongs to %2:%3 with the access %4, which opens it to no group you could join; give it to the group dialout with the line SUBSYSTEM==&quot;tty&quot;, KERNEL==&quot;%5&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot; in /etc/udev/rules.d/99-zelta-glow.rules and plug the cable in again, or for now run &quot;sudo chmod a+rw %1&quot;.</source>
        <translation>Vous ne pouvez pas utiliser %1 : il appartient à %2:%3 avec les droits %4, qui ne l’ouvrent à aucun groupe que vous pourriez rejoindre ; donnez-le au groupe dialout avec la ligne SUBSYSTEM==&quot;tty&quot;, KERNEL==&quot;%5&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot; dans /etc/udev/rules.d/99-zelta-glow.rules et rebranchez le câble, ou pour l’instant lancez &quot;sudo chmod a+rw %1&quot;.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>You may not use %1: ask whoever looks after this computer for read and write access to it.</source>
        <translation>Vous n&apos;avez pas le droit d&apos;utiliser %1 : demandez à qui gère cet ordinateur un accès en lecture et en écriture.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You may not use %1 yet: you joined its group &apos;%2&apos; after you logged in; log out and in again (or restart the computer) for it to take effect.</source>
        <translation>Vous ne pouvez pas encore utiliser %1 : vous avez rejoint son groupe &apos;%2&apos; après vous être connecté ; déconnectez-vous puis reconnectez-vous (ou redémarrez l&apos;ordinateur) pour que cela prenne effet.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You may not use %1: it belongs to the group &apos;%2&apos;, which you are not in; join it with &quot;sudo usermod -aG %2 $USER&quot;, then log out and in again.</source>
        <translation>Vous n&apos;avez pas le droit d&apos;utiliser %1 : il appartient au groupe &apos;%2&apos;, dont vous n&apos;êtes pas membre ; rejoignez-le avec &quot;sudo usermod -aG %2 $USER&quot;, puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>process %1</source>
        <translation>processus %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (process %2)</source>
        <translation>%1 (processus %2)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 is in use by another program, one that you cannot see: close it and send again.</source>
        <translation>%1 est utilisé par un autre programme, que vous ne pouvez pas voir : fermez-le et renvoyez.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 is in use by %2: close that program, or end it with &quot;kill %3&quot;, and send again.</source>
        <translation>%1 est utilisé par %2 : fermez ce programme, ou terminez-le avec &quot;kill %3&quot;, puis renvoyez.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>ModemManager is running and may take %1 for a modem for several seconds after the cable is plugged in, sending it bytes of its own; to keep it away, put the line ATTRS{idVendor}==&quot;%2&quot;, ATTRS{idProduct}==&quot;%3&quot;, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot; into /etc/udev/rules.d/99-zelta-glow.rules, run &quot;sudo udevadm control --reload-rules&quot; and plug the cable in again.</source>
        <translation>ModemManager est en cours d&apos;exécution et peut prendre %1 pour un modem pendant plusieurs secondes après le branchement du câble, en lui envoyant ses propres octets ; pour l&apos;en écarter, mettez la ligne ATTRS{idVendor}==&quot;%2&quot;, ATTRS{idProduct}==&quot;%3&quot;, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot; dans /etc/udev/rules.d/99-zelta-glow.rules, lancez &quot;sudo udevadm control --reload-rules&quot; et rebranchez le câble.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>brltty, a program for Braille displays, is installed and may take %1 adapters like the one plugged in (%2) for itself, so that its port disappears; if you use no Braille display, remove it with &quot;sudo apt remove brltty&quot;.</source>
        <translation>brltty, un programme pour afficheurs braille, est installé et peut s&apos;approprier les adaptateurs %1 comme celui qui est branché (%2), si bien que son port disparaît ; si vous n&apos;utilisez pas d&apos;afficheur braille, supprimez-le avec &quot;sudo apt remove brltty&quot;.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>brltty, a program for Braille displays, has taken the %1 adapter plugged in (%2) for itself, so that it has no serial port; if you use no Braille display, remove it with &quot;sudo apt remove brltty&quot;, otherwise keep it off with &quot;sudo systemctl mask brltty-udev.service brltty.service&quot;, and plug the cable in again.</source>
        <translation>brltty, un programme pour afficheurs braille, s&apos;est approprié l&apos;adaptateur %1 branché (%2), qui n&apos;a donc pas de port série ; si vous n&apos;utilisez pas d&apos;afficheur braille, supprimez-le avec &quot;sudo apt remove brltty&quot;, sinon écartez-le avec &quot;sudo systemctl mask brltty-udev.service brltty.service&quot;, puis rebranchez le câble.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>A %1 USB serial adapter (%2) is plugged in but has no serial port: its driver, %3, is missing or not loaded; load it with &quot;sudo modprobe %3&quot;, and if that fails, install your system&apos;s package of extra kernel modules.</source>
        <translation>Un adaptateur série USB %1 (%2) est branché mais n&apos;a pas de port série : son pilote, %3, manque ou n&apos;est pas chargé ; chargez-le avec &quot;sudo modprobe %3&quot;, et si cela échoue, installez le paquet des modules noyau supplémentaires de votre système.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 does not exist: check the path given with --device; the programming cable&apos;s device is usually /dev/ttyUSB0, or a name in /dev/serial/by-id/.</source>
        <translation>%1 n’existe pas : vérifiez le chemin donné avec --device ; le périphérique du câble de programmation est d’ordinaire /dev/ttyUSB0, ou un nom dans /dev/serial/by-id/.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is no longer there: plug the programming cable in again.</source>
        <translation>%1 n’est plus là : rebranchez le câble de programmation.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a serial device: name the programming cable&apos;s device with --device, or leave --device out.</source>
        <translation>%1 n’est pas un périphérique série : indiquez avec --device le périphérique du câble de programmation, ou omettez --device.</translation>
    </message>
</context>
<context>
    <name>zg::PortListing</name>
    <message>
        <location filename="../src/device/PortListing.cpp" line="+38"/>
        <source>No serial device has a number from 1 to 6.</source>
        <translation>Aucun périphérique série n’a un numéro de 1 à 6.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No serial device is plugged in.</source>
        <translation>Aucun périphérique série n&apos;est branché.</translation>
    </message>
</context>
<context>
    <name>zg::PortTooltip</name>
    <message>
        <location filename="../src/device/PortTooltip.cpp" line="+10"/>
        <source>no serial device is plugged in for this number (%1 found)</source>
        <translation>aucun périphérique série n’est branché pour ce numéro (%1 trouvé(s))</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 has a number above 6: if the cable is on it, give it a number from 1 to 6 in Device Manager (Ports (COM &amp; LPT), %1, Properties, Port Settings, Advanced, COM Port Number), or start the program with --device %1.</source>
        <translation>%1 a un numéro supérieur à 6 : si le câble y est branché, donnez-lui un numéro de 1 à 6 dans le Gestionnaire de périphériques (Ports (COM et LPT), %1, Propriétés, Paramètres du port, Avancé, Numéro de port COM), ou lancez le programme avec --device %1.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The adapter %1 is on %2, a number above 6: give it a number from 1 to 6 in Device Manager (Ports (COM &amp; LPT), %1, Properties, Port Settings, Advanced, COM Port Number), or start the program with --device %2.</source>
        <translation>L’adaptateur %1 est sur %2, un numéro supérieur à 6 : donnez-lui un numéro de 1 à 6 dans le Gestionnaire de périphériques (Ports (COM et LPT), %1, Propriétés, Paramètres du port, Avancé, Numéro de port COM), ou lancez le programme avec --device %2.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Port %1: %2, which the system does not list now</source>
        <translation>Port %1 : %2, que le système ne liste pas en ce moment</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+14"/>
        <source>Port %1: %2</source>
        <translation>Port %1 : %2</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Port %1: %2, %3</source>
        <translation>Port %1 : %2, %3</translation>
    </message>
</context>
<context>
    <name>zg::PresetCommands</name>
    <message>
        <location filename="../src/ui/presets/PresetCommands.cpp" line="+58"/>
        <source>(No presets found)</source>
        <translation>(Aucun modèle trouvé)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 is now %2</source>
        <translation>%1 s’appelle maintenant %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Presets that an earlier version kept were moved to<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>These had names that were already taken there and now have new names:<byte value="xd"/>%2</source>
        <translation>Les modèles qu’une version antérieure conservait ont été déplacés vers<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Ceux-ci avaient des noms déjà pris là-bas et ont maintenant de nouveaux noms :<byte value="xd"/>%2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>New from Preset</source>
        <translation>Nouveau depuis un modèle</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The folder for presets could not be made.</source>
        <translation>Le dossier des modèles n’a pas pu être créé.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Save as Preset</source>
        <translation>Enregistrer comme modèle</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Name of the preset:</source>
        <translation>Nom du modèle :</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&quot;%1&quot; cannot name a preset.<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>« %1 » ne peut pas nommer un modèle.<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
</context>
<context>
    <name>zg::PresetLibrary</name>
    <message>
        <location filename="../src/files/PresetLibrary.cpp" line="+67"/>
        <source>The name is empty.</source>
        <translation>Le nom est vide.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A name cannot begin with a dot, nor begin or end with a blank or a dot.</source>
        <translation>Un nom ne peut pas commencer par un point, ni commencer ou finir par un espace ou un point.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A name is one line, without tabs.</source>
        <translation>Un nom tient sur une ligne, sans tabulations.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A name has at most %1 characters.</source>
        <translation>Un nom a au plus %1 caractères.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The name is too long for a file name; shorten it.</source>
        <translation>Le nom est trop long pour un nom de fichier ; raccourcissez-le.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 names a device on Windows.</source>
        <translation>%1 désigne un périphérique sous Windows.</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>A name cannot hold any of / \ : * ? &quot; &lt; &gt; |.</source>
        <translation>Un nom ne peut contenir aucun de ces caractères : / \ : * ? &quot; &lt; &gt; |.</translation>
    </message>
</context>
<context>
    <name>zg::Presets</name>
    <message>
        <location filename="../src/ui/presets/PresetNames.cpp" line="+13"/>
        <source>My Presets</source>
        <translation>Mes modèles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aircraft</source>
        <translation>Avions</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Landing Light in the Upper Stick Zones</source>
        <translation>Phare d’atterrissage dans les zones hautes du manche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Navigation Lights and Double Strobe</source>
        <translation>Feux de navigation et double flash</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Navigation Lights and Single Strobe</source>
        <translation>Feux de navigation et flash simple</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red Anti-Collision Beacons</source>
        <translation>Feux anticollision rouges</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Boats</source>
        <translation>Bateaux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Navigation Lights and Masthead Light</source>
        <translation>Feux de navigation et feu de mât</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cars</source>
        <translation>Voitures</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brake and Reverse Lights by Stick</source>
        <translation>Feux stop et de recul au manche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Emergency Flasher, Red and Blue</source>
        <translation>Gyrophare d’urgence, rouge et bleu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hazard Lights</source>
        <translation>Feux de détresse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indicators by Stick</source>
        <translation>Clignotants au manche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Helicopters</source>
        <translation>Hélicoptères</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Navigation Lights and Anti-Collision Beacon</source>
        <translation>Feux de navigation et feu anticollision</translation>
    </message>
</context>
<context>
    <name>zg::ProgramCommands</name>
    <message>
        <location filename="../src/ui/help/ProgramTexts.cpp" line="+24"/>
        <source>  Programmable LED Sequencer/Flasher  - Beta3</source>
        <translation>  Séquenceur/flash à LED programmable  - Beta3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>By:  %1</source>
        <translation>Par :  %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The user manual could not be shown: no program on this computer opened<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Open that address in a web browser.</source>
        <translation>Le manuel n’a pas pu être affiché : aucun programme de cet ordinateur n’a ouvert<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Ouvrez cette adresse dans un navigateur web.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The user manual that came with the program was not found. It was looked for as<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>Le manuel fourni avec le programme est introuvable. Il a été cherché sous<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Redirecting to VANTORO webpage for more info...</source>
        <translation> Redirection vers la page web de VANTORO pour en savoir plus...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A download is running: the module has got %1 of %2 items so far. Exiting now stops it, and the module holds an incomplete pattern until it is sent again.</source>
        <translation>Un transfert est en cours : le module a reçu %1 valeurs sur %2 jusqu’ici. Quitter maintenant l’arrête, et le module contient un motif incomplet jusqu’à ce qu’il soit renvoyé.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A download is running: the module has got %1 of %2 items so far.<byte value="xd"/><byte value="xd"/>Yes stops it now and closes the program; the module then holds an incomplete pattern until it is sent again.<byte value="xd"/>No closes the program once the download is done.<byte value="xd"/>Cancel keeps the program open.</source>
        <translation>Un transfert est en cours : le module a reçu %1 valeurs sur %2 jusqu’ici.<byte value="xd"/><byte value="xd"/>Oui l’arrête maintenant et ferme le programme ; le module contient alors un motif incomplet jusqu’à ce qu’il soit renvoyé.<byte value="xd"/>Non ferme le programme une fois le transfert terminé.<byte value="xd"/>Annuler garde le programme ouvert.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>OK to Really Exit ?</source>
        <translation>Vraiment quitter ?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(Be sure you have saved your files)</source>
        <translation>(Pensez à enregistrer vos fichiers)</translation>
    </message>
</context>
<context>
    <name>zg::QtSerialLink</name>
    <message>
        <location filename="../src/device/QtSerialLink.cpp" line="+141"/>
        <source>Line settings &quot;%1&quot; not understood.</source>
        <translation>Réglages de ligne « %1 » non compris.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 is not a serial device.</source>
        <translation>%1 n’est pas un périphérique série.</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+11"/>
        <source>The serial port is not open.</source>
        <translation>Le port série n’est pas ouvert.</translation>
    </message>
</context>
<context>
    <name>zg::RangeCommands</name>
    <message>
        <location filename="../src/ui/editing/RangeCommands.cpp" line="+32"/>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Nothing pasted: line %1, character %2 is no cell (1 x X # * or 0 - . blank).</source>
        <translation>Rien n’a été collé : ligne %1, caractère %2 n’est pas une case (1 x X # * ou 0 - . espace).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Nothing pasted: the clipboard holds no cells.</source>
        <translation>Rien n’a été collé : le presse-papiers ne contient pas de cases.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 of the pasted cells fell beyond LED #4 or event 50 and were left out.</source>
        <translation>%1 des cases collées dépassaient la LED #4 ou le pas 50 et ont été ignorées.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Insert Event</source>
        <translation>Insérer un pas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Event 50 fell off the end with its lit cells (Undo brings it back).</source>
        <translation>Le pas 50 est sorti par la fin avec ses cases allumées (Annuler le ramène).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Delete Event</source>
        <translation>Supprimer le pas</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Shift Left</source>
        <translation>Décaler à gauche</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shift Right</source>
        <translation>Décaler à droite</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Select the events to repeat first (Shift with the arrow keys).</source>
        <translation>Sélectionnez d’abord les pas à répéter (Maj avec les flèches).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Repeat Selection</source>
        <translation>Répéter la sélection</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nothing to repeat into: the selection reaches the end mark.</source>
        <translation>Rien à remplir : la sélection atteint la marque de fin.</translation>
    </message>
</context>
<context>
    <name>zg::RecentFiles</name>
    <message>
        <location filename="../src/ui/datafiles/RecentFiles.cpp" line="+25"/>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Clear List</source>
        <translation>&amp;Vider la liste</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The file<byte value="xd"/>%1<byte value="xd"/>is no longer there. It was taken off the list of recent files.</source>
        <translation>Le fichier<byte value="xd"/>%1<byte value="xd"/>n’existe plus. Il a été retiré de la liste des fichiers récents.</translation>
    </message>
</context>
<context>
    <name>zg::SettingsCommands</name>
    <message>
        <location filename="../src/ui/settings/SettingsCommands.cpp" line="+13"/>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The port setting could not be saved in LED.cfg in the folder<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>Le réglage du port n’a pas pu être enregistré dans LED.cfg dans le dossier<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
</context>
<context>
    <name>zg::SettingsDialog</name>
    <message>
        <location filename="../src/ui/settings/SettingsDialog.cpp" line="+47"/>
        <source>The list %1 holds &quot;%2&quot;, which is not one of its entries.<byte value="xd"/><byte value="xd"/>Pick or type a number from 1 to %3. Nothing was changed.</source>
        <translation>La liste %1 contient « %2 », qui n’est pas une de ses entrées.<byte value="xd"/><byte value="xd"/>Choisissez ou tapez un nombre de 1 à %3. Rien n’a été modifié.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>ZELTA-GLOW  -  Programmable LED Sequencer/Flasher Settings...</source>
        <translation>ZELTA-GLOW  -  Réglages du séquenceur à LED...</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Software Settings</source>
        <translation>Réglages du logiciel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Communication Port# (RS-232)</source>
        <translation>Port série n° (RS-232)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(Programming cable is connected to this 9-pin port#)</source>
        <translation>(Le câble de programmation est branché sur ce port 9 broches)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LED Test Speed (ms)</source>
        <translation>Vitesse d’essai (ms)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>(Set to match Test speed with Sequencer speed)</source>
        <translation>(Pour accorder l’essai au séquenceur)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zelta-Glow Settings</source>
        <translation>Réglages du Zelta-Glow</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sequencer Delay (ms)</source>
        <translation>Délai séquenceur (ms)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>(Sets the delay between each of the 50 events )</source>
        <translation>(Délai entre chacun des 50 pas)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Use Pull-downs for changing all settings!</source>
        <translation>Changez les réglages avec les listes !</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>This run sends to %1 (--device).</source>
        <translation>Cette session envoie vers %1 (--device).</translation>
    </message>
</context>
<context>
    <name>zg::StickInputDialog</name>
    <message>
        <location filename="../src/ui/test/StickInputDialog.cpp" line="+16"/>
        <source>Stick Input</source>
        <translation>Entrée du manche</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Joysticks cannot be read on this computer: %1</source>
        <translation>Les joysticks ne peuvent pas être lus sur cet ordinateur : %1</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>&amp;Reverse</source>
        <translation>&amp;Inverser</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Use the &amp;Scroll Bar</source>
        <translation>Utiliser la &amp;barre de défilement</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Joystick:</source>
        <translation>&amp;Joystick :</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>No joystick found: plug the transmitter in as a USB joystick.</source>
        <translation>Aucun joystick trouvé : branchez l’émetteur comme joystick USB.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Move the stick or switch that drives the lights from one end to the other.</source>
        <translation>Déplacez le manche ou l’interrupteur qui commande les feux d’une butée à l’autre.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+17"/>
        <source>Axis %1, from %2 to %3</source>
        <translation>Axe %1, de %2 à %3</translation>
    </message>
</context>
<context>
    <name>zg::TestPlayer</name>
    <message>
        <location filename="../src/ui/test/TestPlayer.cpp" line="+42"/>
        <source>Stop Test</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>&amp;Test</source>
        <translation>T&amp;ester</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The sequencer delay is 0: the module runs at its fastest, and the test plays at its fastest step, %1 ms.</source>
        <translation>Le délai du séquenceur est 0 : le module tourne au plus vite, et l’essai joue à son pas le plus court, %1 ms.</translation>
    </message>
</context>
<context>
    <name>zg::TimingText</name>
    <message>
        <location filename="../src/export/TimingText.cpp" line="+22"/>
        <source>in stick zone %1 only</source>
        <translation>seulement dans la zone de manche %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in stick zones %1 and %2 only</source>
        <translation>seulement dans les zones de manche %1 et %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>1 flash of %1</source>
        <translation>1 flash de %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 flashes of %2</source>
        <translation>%1 flashs de %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 flashes of %2 to %3 ms</source>
        <translation>%1 flashs de %2 à %3 ms</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 flashes of %2 to %3</source>
        <translation>%1 flashs de %2 à %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>1 flash</source>
        <translation>1 flash</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 flashes</source>
        <translation>%1 flashs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 in a cycle of %2 events; at a sequencer delay of 0 the module runs at its fastest, so no rate can be given</source>
        <translation>%1 dans un cycle de %2 pas ; avec un délai du séquenceur de 0 le module tourne au plus vite, aucune cadence ne peut donc être donnée</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 every %2 (%3)</source>
        <translation>%1 toutes les %2 (%3)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, dark %2</source>
        <translation>%1, éteinte %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 a minute</source>
        <translation>%1 par minute</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>never lit (servo mode OFF)</source>
        <translation>jamais allumée (mode servo OFF)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>never lit</source>
        <translation>jamais allumée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>on all the time</source>
        <translation>allumée en permanence</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1, with no servo mode chosen</source>
        <translation>%1, sans mode servo choisi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>event %1</source>
        <translation>pas %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>event %1: %2 to %3 ms</source>
        <translation>pas %1 : %2 à %3 ms</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 (LED#%2), %3</source>
        <translation>%1 (LED#%2), %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LED#%1, %2</source>
        <translation>LED#%1, %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Event %1</source>
        <translation>Pas %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Event %1: %2 to %3 ms</source>
        <translation>Pas %1 : %2 à %3 ms</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (the end mark: the cycle starts again after it)</source>
        <translation>%1 (la marque de fin : le cycle recommence après elle)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LED#%1: %2</source>
        <translation>LED#%1 : %2</translation>
    </message>
</context>
<context>
    <name>zg::UnsavedWork</name>
    <message>
        <location filename="../src/ui/datafiles/UnsavedWork.cpp" line="+45"/>
        <location line="+57"/>
        <source>The folder cannot be created or written</source>
        <translation>Le dossier ne peut être ni créé ni écrit</translation>
    </message>
</context>
<context>
    <name>zg::UserDialogs</name>
    <message>
        <location filename="../src/ui/common/UserDialogs.h" line="+16"/>
        <source>ZELTA-GLOW  -  LED Sequencer/Flasher</source>
        <translation>ZELTA-GLOW  -  Séquenceur/flash à LED</translation>
    </message>
</context>
<context>
    <name>zg::WholeFile</name>
    <message>
        <location filename="../src/files/WholeFile.cpp" line="+31"/>
        <source>The content could not be produced.</source>
        <translation>Le contenu n’a pas pu être produit.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The new file could not be given the permissions of the old one: %1</source>
        <translation>Le nouveau fichier n’a pas pu recevoir les droits de l’ancien : %1</translation>
    </message>
</context>
</TS>
