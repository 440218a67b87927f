<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>zg::CableChips</name>
    <message>
        <location filename="../src/device/CableChips.cpp" line="+47"/>
        <source>%1 USB serial adapter</source>
        <translation>USB-Seriell-Adapter mit %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>built-in serial port</source>
        <translation>eingebauter serieller Anschluss</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USB serial adapter %1</source>
        <translation>USB-Seriell-Adapter %1</translation>
    </message>
</context>
<context>
    <name>zg::CommPortDevice</name>
    <message>
        <location filename="../src/device/CommPortDevice.cpp" line="+128"/>
        <source>given by --device</source>
        <translation>mit --device angegeben</translation>
    </message>
</context>
<context>
    <name>zg::CommandLine</name>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="+41"/>
        <source>--model goes with --export-gif.</source>
        <translation>--model gehört zu --export-gif.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Give either --export-gif or --export-png, not both.</source>
        <translation>Entweder --export-gif oder --export-png angeben, nicht beides.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>An export needs the name of the file to write.</source>
        <translation>Ein Export braucht den Namen der Datei, die geschrieben werden soll.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>An export needs the data file to export.</source>
        <translation>Ein Export braucht die Datendatei, die exportiert werden soll.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--stick goes with --export-gif.</source>
        <translation>--stick gehört zu --export-gif.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--stick needs a pulse width from 1000 to 1999 microseconds.</source>
        <translation>--stick braucht eine Impulsbreite von 1000 bis 1999 Mikrosekunden.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Editor and downloader for the Zelta-Glow LED sequencer/flasher.</source>
        <translation>Editor und Übertragungsprogramm für den Zelta-Glow LED-Sequenzer/Blitzer.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Send downloads to this serial device, whatever the port number.</source>
        <translation>Übertragungen an dieses serielle Gerät senden, gleich welche Anschlussnummer eingestellt ist.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Write the file&apos;s animation as the module shows it to this GIF and end.</source>
        <translation>Die Animation der Datei, wie das Modul sie zeigt, in dieses GIF schreiben und beenden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>out.gif</source>
        <translation>ausgabe.gif</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write a picture of the file&apos;s pattern to this PNG and end.</source>
        <translation>Ein Bild des Musters der Datei in dieses PNG schreiben und beenden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>out.png</source>
        <translation>ausgabe.png</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The servo pulse width the animation shows (default 1500).</source>
        <translation>Die Servo-Impulsbreite, die die Animation zeigt (Vorgabe 1500).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>microseconds</source>
        <translation>Mikrosekunden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show the animation on this model of yours instead of four lights.</source>
        <translation>Die Animation auf diesem Ihrer Modelle zeigen statt mit vier Lichtern.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>List the serial ports by number, with the adapter behind each and what stands in the way of a download, and end.</source>
        <translation>Die seriellen Anschlüsse nach Nummer auflisten, mit dem Adapter dahinter und dem, was einer Übertragung im Weg steht, und beenden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A data file (*.DAT) to open at start.</source>
        <translation>Eine Datendatei (*.DAT), die beim Start geöffnet wird.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>file</source>
        <translation>datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[file]</source>
        <translation>[datei]</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>--device needs the path of a serial device.</source>
        <translation>--device braucht den Pfad eines seriellen Geräts.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Only one data file can be opened at start.</source>
        <translation>Beim Start kann nur eine Datendatei geöffnet werden.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>--list-ports goes with --device only.</source>
        <translation>--list-ports geht nur zusammen mit --device.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>no display to show the window on (%1); start it in a desktop session.</source>
        <translation>kein Bildschirm, auf dem das Fenster erscheinen kann (%1); bitte in einer Desktop-Sitzung starten.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt</translation>
    </message>
    <message>
        <location filename="../src/app/CommandLineExport.cpp" line="+41"/>
        <source>The model %1 cannot be read: %2.</source>
        <translation>Das Modell %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>There is no model %1. The outlines are: %2.</source>
        <translation>Es gibt kein Modell %1. Die Umrisse sind: %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no model %1. Your models are: %2; the outlines are: %3.</source>
        <translation>Es gibt kein Modell %1. Ihre Modelle sind: %2; die Umrisse sind: %3.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a Zelta-Glow data file: none of its first 50 lines holds an event.</source>
        <translation>%1 ist keine Zelta-Glow-Datendatei: keine ihrer ersten 50 Zeilen enthält ein Ereignis.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: lines %2 could not be used and were left out.</source>
        <translation>%1: die Zeilen %2 waren unbrauchbar und wurden ausgelassen.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The picture %1 of the model %2 cannot be shown: %3.</source>
        <translation>Das Bild %1 des Modells %2 kann nicht gezeigt werden: %3.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>zg::DataFileCommands</name>
    <message>
        <location filename="../src/ui/datafiles/DataFileCommands.cpp" line="+21"/>
        <source>ZELTA-GLOW  -  Programmable LED Sequencer/Flasher - Beta3</source>
        <translation>ZELTA-GLOW  -  Programmierbarer LED-Sequenzer/Blitzer - Beta3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>ZELTA-GLOW  -  Programmable LED Sequencer/Flasher</source>
        <translation>ZELTA-GLOW  -  Programmierbarer LED-Sequenzer/Blitzer</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>New/Clear</source>
        <translation>Neu/Leeren</translation>
    </message>
    <message>
        <location line="+94"/>
        <location line="+5"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>Unsaved Pattern</source>
        <translation>Ungespeichertes Muster</translation>
    </message>
</context>
<context>
    <name>zg::DataFileReader</name>
    <message>
        <location filename="../src/files/DataFileReader.cpp" line="+140"/>
        <source>It is a folder, not a file.</source>
        <translation>Das ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It is a named pipe, not a file.</source>
        <translation>Das ist eine benannte Pipe, keine Datei.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It is a socket, not a file.</source>
        <translation>Das ist ein Socket, keine Datei.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>It is a device, not a file.</source>
        <translation>Das ist ein Gerät, keine Datei.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>It is not a regular file.</source>
        <translation>Das ist keine gewöhnliche Datei.</translation>
    </message>
</context>
<context>
    <name>zg::DownloadMessages</name>
    <message>
        <location filename="../src/device/DownloadMessages.cpp" line="+22"/>
        <source>Check that the programming cable is plugged in, or choose its port in Settings.</source>
        <translation>Prüfen, ob das Programmierkabel eingesteckt ist, oder seinen Anschluss in den Einstellungen wählen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Name the programming cable&apos;s serial device with --device, or leave --device out.</source>
        <translation>Das serielle Gerät des Programmierkabels mit --device angeben oder --device weglassen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Another program is using the port. Close it and try again.</source>
        <translation>Ein anderes Programm benutzt den Anschluss. Bitte schließen und erneut versuchen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your user may not use serial ports. Join the &apos;dialout&apos; group (sudo usermod -aG dialout $USER), then log out and in again.</source>
        <translation>Ihr Benutzer darf keine seriellen Anschlüsse benutzen. Treten Sie der Gruppe &apos;dialout&apos; bei (sudo usermod -aG dialout $USER), dann ab- und wieder anmelden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your user may not use this serial port.</source>
        <translation>Ihr Benutzer darf diesen seriellen Anschluss nicht benutzen.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot open serial port %1: %2.

Plug in the programming cable, or choose its port number in Settings.</source>
        <translation>Der serielle Anschluss %1 lässt sich nicht öffnen: %2.

Das Programmierkabel einstecken oder seine Anschlussnummer in den Einstellungen wählen.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cannot open serial port %1:
%2</source>
        <translation>Der serielle Anschluss %1 lässt sich nicht öffnen:
%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot open serial port %1 (%2):
%3</source>
        <translation>Der serielle Anschluss %1 (%2) lässt sich nicht öffnen:
%3</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>item %1 (event %2)</source>
        <translation>Wert %1 (Schritt %2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>item %1 (the servo mode of LED#%2)</source>
        <translation>Wert %1 (der Servomodus von LED#%2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>item %1 (the sequencer delay)</source>
        <translation>Wert %1 (die Sequenzer-Pause)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>item %1 (the end of the sequence)</source>
        <translation>Wert %1 (das Ende der Sequenz)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Sent %1 items to %2 in %3 s.</source>
        <translation>%1 Werte in %3 s an %2 gesendet.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Serial port %1 (%2) is held by another program; nothing was sent.</source>
        <translation>Der serielle Anschluss %1 (%2) wird von einem anderen Programm gehalten; nichts wurde gesendet.</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+23"/>
        <source>the serial port</source>
        <translation>den seriellen Anschluss</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>The download was stopped before the first item was sent to %1.</source>
        <translation>Die Übertragung wurde angehalten, bevor der erste Wert an %1 gesendet war.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The download was stopped after %1 of %2 items were sent to %3, each whole; the last was %4.</source>
        <translation>Die Übertragung wurde angehalten, nachdem %1 von %2 Werten vollständig an %3 gesendet waren; der letzte war %4.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The module holds an incomplete pattern: put it into its receiving state again (all LEDs lit) and send the pattern again.</source>
        <translation>Das Modul hat ein unvollständiges Muster: bringen Sie es erneut in Empfangsbereitschaft (alle LEDs leuchten) und senden Sie das Muster noch einmal.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The download stopped before the first item was sent to %1, %2 s after it began:
%3</source>
        <translation>Die Übertragung brach %2 s nach dem Beginn ab, bevor der erste Wert an %1 gesendet war:
%3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The download stopped after %1 of %2 items were sent to %3, %4 s after it began; the last to leave was %5:
%6</source>
        <translation>Die Übertragung brach %4 s nach dem Beginn ab, nachdem %1 von %2 Werten an %3 gesendet waren; als letzter ging %5 hinaus:
%6</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Plug the cable in again if it came out, put the module into its receiving state again (all LEDs lit) and send the pattern again.</source>
        <translation>Stecken Sie das Kabel wieder ein, falls es herausgerutscht ist, bringen Sie das Modul erneut in Empfangsbereitschaft (alle LEDs leuchten) und senden Sie das Muster noch einmal.</translation>
    </message>
</context>
<context>
    <name>zg::Downloader</name>
    <message>
        <location filename="../src/ui/download/Downloader.cpp" line="+24"/>
        <source><byte value="xd"/> 1) Cycle power/Connect Zelta-Glow to programming cable (All LEDs flash), then<byte value="xd"/><byte value="xd"/> 2)  Wait till all LEDS come on and stay on, then<byte value="xd"/><byte value="xd"/> 3)  With all LEDs lit, Press &apos;OK&apos; to download to Zelta-Glow...</source>
        <translation><byte value="xd"/> 1) Zelta-Glow aus- und einschalten bzw. ans Programmierkabel anschließen (alle LEDs blitzen), dann<byte value="xd"/><byte value="xd"/> 2)  Warten, bis alle LEDs angehen und anbleiben, dann<byte value="xd"/><byte value="xd"/> 3)  Wenn alle LEDs leuchten, &apos;OK&apos; drücken, um zum Zelta-Glow zu übertragen...</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Download to ZELTA-GLOW  -  Programmable LED Sequencer/Flasher...</source>
        <translation>Übertragen zum ZELTA-GLOW  -  LED-Sequenzer/Blitzer...</translation>
    </message>
</context>
<context>
    <name>zg::ExportCommands</name>
    <message>
        <location filename="../src/ui/datafiles/ExportCommands.cpp" line="+19"/>
        <source>Export Animation</source>
        <translation>Animation exportieren</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1st zone: 1000-1240 µs (far left)</source>
        <translation>1. Zone: 1000-1240 µs (ganz links)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2nd zone: 1250-1490 µs (left of centre)</source>
        <translation>2. Zone: 1250-1490 µs (links der Mitte)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3rd zone: 1500-1740 µs (centre to right of centre)</source>
        <translation>3. Zone: 1500-1740 µs (Mitte bis rechts der Mitte)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4th zone: 1750-1990 µs (far right)</source>
        <translation>4. Zone: 1750-1990 µs (ganz rechts)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>GIF Images (*.gif)</source>
        <translation>GIF-Bilder (*.gif)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PNG Images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Show the module as it lights with the stick in the

(The sequencer delay is under 20 ms: the animation shows the module every 20 ms, so a flash shorter than that may not show.)</source>
        <translation>Das Modul so zeigen, wie es leuchtet, wenn der Knüppel steht in der

(Die Sequenzer-Pause ist kürzer als 20 ms: die Animation zeigt das Modul alle 20 ms, ein kürzerer Blitz ist darum vielleicht nicht zu sehen.)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show the module as it lights with the stick in the</source>
        <translation>Das Modul so zeigen, wie es leuchtet, wenn der Knüppel steht in der</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>pattern</source>
        <translation>muster</translation>
    </message>
</context>
<context>
    <name>zg::FileCommands</name>
    <message>
        <location filename="../src/ui/datafiles/FileCommandTexts.cpp" line="+22"/>
        <source>Data Files (*.DAT)</source>
        <translation>Datendateien (*.DAT)</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save ZELTA-GLOW Programmable LED Sequencer/Flasher Data File</source>
        <translation>Datendatei des ZELTA-GLOW LED-Sequenzers/Blitzers speichern</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open ZELTA-GLOW Programmable LED Sequencer/Flasher Data File</source>
        <translation>Datendatei des ZELTA-GLOW LED-Sequenzers/Blitzers öffnen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Merge ZELTA-GLOW Programmable LED Sequencer/Flasher Data File</source>
        <translation>Datendatei des ZELTA-GLOW LED-Sequenzers/Blitzers zusammenführen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Replace existing file - %1?</source>
        <translation>Vorhandene Datei ersetzen - %1?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The sequence could not be saved to<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>An existing file of that name is unchanged.</source>
        <translation>Die Sequenz konnte nicht gespeichert werden unter<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Eine vorhandene Datei dieses Namens bleibt unverändert.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Whether the file<byte value="xd"/>%1<byte value="xd"/>already exists cannot be told: %2<byte value="xd"/><byte value="xd"/>Nothing was saved.</source>
        <translation>Ob die Datei<byte value="xd"/>%1<byte value="xd"/>schon vorhanden ist, lässt sich nicht feststellen: %2<byte value="xd"/><byte value="xd"/>Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file<byte value="xd"/>%1<byte value="xd"/>could not be opened:<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>Die Datei<byte value="xd"/>%1<byte value="xd"/>konnte nicht geöffnet werden:<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file<byte value="xd"/>%1<byte value="xd"/>is not a Zelta-Glow data file: none of its first 50 lines holds an event.<byte value="xd"/><byte value="xd"/>Nothing was changed.</source>
        <translation>Die Datei<byte value="xd"/>%1<byte value="xd"/>ist keine Zelta-Glow-Datendatei: keine ihrer ersten 50 Zeilen enthält einen Schritt.<byte value="xd"/><byte value="xd"/>Nichts wurde geändert.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file<byte value="xd"/>%1<byte value="xd"/>is not a Zelta-Glow data file: %2<byte value="xd"/><byte value="xd"/>Nothing was changed.</source>
        <translation>Die Datei<byte value="xd"/>%1<byte value="xd"/>ist keine Zelta-Glow-Datendatei: %2<byte value="xd"/><byte value="xd"/>Nichts wurde geändert.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The program was closed on %1 with a pattern that had not been saved.<byte value="xd"/><byte value="xd"/>Bring that pattern back?</source>
        <translation>Das Programm wurde am %1 mit einem nicht gespeicherten Muster beendet.<byte value="xd"/><byte value="xd"/>Dieses Muster zurückholen?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The program was closed on %1 with a pattern that had not been saved.<byte value="xd"/><byte value="xd"/>If you bring it back, %2 is not opened now: open it afterwards when you need it.<byte value="xd"/><byte value="xd"/>Bring that pattern back?</source>
        <translation>Das Programm wurde am %1 mit einem nicht gespeicherten Muster beendet.<byte value="xd"/><byte value="xd"/>Wenn Sie es zurückholen, wird %2 jetzt nicht geöffnet: öffnen Sie die Datei danach, wenn Sie sie brauchen.<byte value="xd"/><byte value="xd"/>Dieses Muster zurückholen?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The program was closed on %1 with changes to<byte value="xd"/>%2<byte value="xd"/>that had not been saved.<byte value="xd"/><byte value="xd"/>Bring those changes back?</source>
        <translation>Das Programm wurde am %1 mit nicht gespeicherten Änderungen an<byte value="xd"/>%2<byte value="xd"/>beendet.<byte value="xd"/><byte value="xd"/>Diese Änderungen zurückholen?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The program was closed on %1 with changes to<byte value="xd"/>%2<byte value="xd"/>that had not been saved.<byte value="xd"/><byte value="xd"/>If you bring them back, %3 is not opened now: open it afterwards when you need it.<byte value="xd"/><byte value="xd"/>Bring those changes back?</source>
        <translation>Das Programm wurde am %1 mit nicht gespeicherten Änderungen an<byte value="xd"/>%2<byte value="xd"/>beendet.<byte value="xd"/><byte value="xd"/>Wenn Sie sie zurückholen, wird %3 jetzt nicht geöffnet: öffnen Sie die Datei danach, wenn Sie sie brauchen.<byte value="xd"/><byte value="xd"/>Diese Änderungen zurückholen?</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The pattern brought back is not yet protected: its copy could not be written to<byte value="xd"/>%1<byte value="xd"/>(%2).<byte value="xd"/><byte value="xd"/>The old copy<byte value="xd"/>%3<byte value="xd"/>is kept until then. Save the pattern to a file of your own.</source>
        <translation>Das zurückgeholte Muster ist noch nicht gesichert: seine Kopie konnte nicht geschrieben werden in<byte value="xd"/>%1<byte value="xd"/>(%2).<byte value="xd"/><byte value="xd"/>Die alte Kopie<byte value="xd"/>%3<byte value="xd"/>bleibt bis dahin erhalten. Speichern Sie das Muster in einer eigenen Datei.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Unsaved work is not being kept: the program tried to keep it in<byte value="xd"/>%1<byte value="xd"/>(%2).<byte value="xd"/><byte value="xd"/>Save your work to a file before you close the program.</source>
        <translation>Nicht gespeicherte Arbeit wird nicht aufbewahrt: das Programm hat versucht, sie hier aufzubewahren:<byte value="xd"/>%1<byte value="xd"/>(%2).<byte value="xd"/><byte value="xd"/>Speichern Sie Ihre Arbeit in einer Datei, bevor Sie das Programm schließen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Unsaved work is not being kept: %1 cannot be written.</source>
        <translation>Nicht gespeicherte Arbeit wird nicht aufbewahrt: %1 ist nicht beschreibbar.</translation>
    </message>
    <message>
        <location filename="../src/files/FileTexts.cpp" line="+27"/>
        <source>%1 is the pattern&apos;s own data file: an export would write over it. Choose another name.</source>
        <translation>%1 ist die Datendatei dieses Musters selbst: ein Export würde sie überschreiben. Bitte einen anderen Namen wählen.</translation>
    </message>
    <message>
        <location filename="../src/ui/datafiles/FileCommandTexts.cpp" line="-57"/>
        <source>The file %1 is incomplete or damaged.<byte value="xd"/><byte value="xd"/>These lines could not be used and were left out:<byte value="xd"/>%2</source>
        <translation>Die Datei %1 ist unvollständig oder beschädigt.<byte value="xd"/><byte value="xd"/>Diese Zeilen waren unbrauchbar und wurden ausgelassen:<byte value="xd"/>%2</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The copy of the pattern left unsaved on %1 was incomplete or damaged.<byte value="xd"/><byte value="xd"/>These lines of the copy could not be used and were left out:<byte value="xd"/>%2</source>
        <translation>Die Kopie des am %1 ungespeichert gebliebenen Musters war unvollständig oder beschädigt.<byte value="xd"/><byte value="xd"/>Diese Zeilen der Kopie waren unbrauchbar und wurden ausgelassen:<byte value="xd"/>%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The copy of the changes to<byte value="xd"/>%1<byte value="xd"/>left unsaved on %2 was incomplete or damaged; the file itself is unchanged.<byte value="xd"/><byte value="xd"/>These lines of the copy could not be used and were left out:<byte value="xd"/>%3</source>
        <translation>Die Kopie der Änderungen an<byte value="xd"/>%1<byte value="xd"/>, am %2 ungespeichert geblieben, war unvollständig oder beschädigt; die Datei selbst ist unverändert.<byte value="xd"/><byte value="xd"/>Diese Zeilen der Kopie waren unbrauchbar und wurden ausgelassen:<byte value="xd"/>%3</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Your settings could not be written to<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Its folder may be write-protected or the disk full. The port, the place of the window and the recent files are not remembered for the next start.</source>
        <translation>Ihre Einstellungen konnten nicht geschrieben werden nach<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Der Ordner ist vielleicht schreibgeschützt oder die Festplatte voll. Der Anschluss, der Platz des Fensters und die zuletzt geöffneten Dateien werden für den nächsten Start nicht gemerkt.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Settings are not being remembered: %1 cannot be written.</source>
        <translation>Einstellungen werden nicht gemerkt: %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The pattern left unsaved on %1 could not be read.</source>
        <translation>Das am %1 ungespeichert gebliebene Muster konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The pattern left unsaved on %1 could not be read. It was set aside as<byte value="xd"/>%2</source>
        <translation>Das am %1 ungespeichert gebliebene Muster konnte nicht gelesen werden. Es wurde beiseitegelegt als<byte value="xd"/>%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 was not opened, so that the pattern brought back stays. Open it from the File menu when you need it.</source>
        <translation>%1 wurde nicht geöffnet, damit das zurückgeholte Muster bleibt. Öffnen Sie die Datei über das Menü Datei, wenn Sie sie brauchen.</translation>
    </message>
</context>
<context>
    <name>zg::FlashPatternDialog</name>
    <message>
        <location filename="../src/ui/editing/FlashPatternDialog.cpp" line="+22"/>
        <source>Flash Pattern</source>
        <translation>Blitzmuster</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Steady</source>
        <translation>Dauerlicht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Single Flash</source>
        <translation>Einzelblitz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Double Flash</source>
        <translation>Doppelblitz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Triple Flash</source>
        <translation>Dreifachblitz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Beacon</source>
        <translation>Rundumlicht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Alternate</source>
        <translation>Wechselblinker</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chase</source>
        <translation>Lauflicht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Flicker</source>
        <translation>Flackern</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>LED#%1</source>
        <translation>LED#%1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source> a minute</source>
        <translation> pro Minute</translation>
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
        <translation>Zyklus an die &amp;Frequenz anpassen</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>LEDs:</source>
        <translation>LEDs:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Effect:</source>
        <translation>&amp;Effekt:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Rate:</source>
        <translation>F&amp;requenz:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>F&amp;lash length:</source>
        <translation>&amp;Blitzdauer:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Gap between flashes:</source>
        <translation>&amp;Pause zwischen Blitzen:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start &amp;offset:</source>
        <translation>&amp;Versatz am Anfang:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Seed:</source>
        <translation>&amp;Startwert:</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>Fit the c&amp;ycle at a sequencer delay of %1 ms</source>
        <translation>&amp;Zyklus bei einer Sequenzer-Pause von %1 ms anpassen</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The sequencer delay is 0: the module runs at its fastest, a step that no rate can be given for. Choose a sequencer delay to lay the pattern out.</source>
        <translation>Die Sequenzer-Pause ist 0: das Modul läuft so schnell es kann, ein Schritt, für den sich keine Frequenz angeben lässt. Wählen Sie eine Sequenzer-Pause, um das Muster anzulegen.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>One period is %1 events at a sequencer delay of %2 ms, more than the 50 a pattern has: without fitting the cycle the pattern repeats every %3 events, %4 a minute instead of %5.</source>
        <translation>Eine Periode hat bei einer Sequenzer-Pause von %2 ms %1 Schritte, mehr als die 50 eines Musters: ohne angepassten Zyklus wiederholt sich das Muster alle %3 Schritte, %4 pro Minute statt %5.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The flashes do not fit: %1 needs %2 events for its flashes and gaps, and one period is %3 events at a sequencer delay of %4 ms.</source>
        <translation>Die Blitze passen nicht: %1 braucht %2 Schritte für Blitze und Pausen, und eine Periode hat bei einer Sequenzer-Pause von %4 ms %3 Schritte.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The flashes do not fit: a chase of %1 LEDs needs %2 events for its flashes and gaps, and one period is %3 events at a sequencer delay of %4 ms.</source>
        <translation>Die Blitze passen nicht: ein Lauflicht aus %1 LEDs braucht %2 Schritte für seine Blitze und Pausen, und eine Periode hat bei einer Sequenzer-Pause von %4 ms %3 Schritte.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The lights overlap: %1 LEDs taking turns need %2 events for their flashes, and one period is %3 events at a sequencer delay of %4 ms.</source>
        <translation>Die Lichter überlappen sich: %1 LEDs im Wechsel brauchen %2 Schritte für ihre Blitze, und eine Periode hat bei einer Sequenzer-Pause von %4 ms %3 Schritte.</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>One period is %1 events at today&apos;s sequencer delay of %2 ms: more than the 50 events there are.</source>
        <translation>Eine Periode sind %1 Schritte bei der jetzigen Sequenzer-Pause von %2 ms: mehr als die 50 Schritte, die es gibt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>One period is longer than 50 events even at a sequencer delay of 100 ms: choose a higher rate.</source>
        <translation>Eine Periode ist selbst bei einer Sequenzer-Pause von 100 ms länger als 50 Schritte: bitte eine höhere Frequenz wählen.</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>Change the sequencer &amp;delay to %1 ms</source>
        <translation>Sequenzer-Pause auf %1 ms än&amp;dern</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Use a %1 ms flash</source>
        <translation>Blitz von %1 ms &amp;wählen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Use a %1 ms ga&amp;p</source>
        <translation>Pa&amp;use von %1 ms wählen</translation>
    </message>
</context>
<context>
    <name>zg::FlashPreview</name>
    <message>
        <location filename="../src/ui/editing/FlashPreview.cpp" line="+16"/>
        <source>Pattern preview</source>
        <translation>Vorschau des Musters</translation>
    </message>
</context>
<context>
    <name>zg::GridEditor</name>
    <message>
        <location filename="../src/ui/editing/GridEditor.cpp" line="+14"/>
        <source>Cell</source>
        <translation>Zelle</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Paint</source>
        <translation>Malen</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>End Mark</source>
        <translation>Endmarke</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Servo Mode</source>
        <translation>Servomodus</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Row Command</source>
        <translation>Zeilenbefehl</translation>
    </message>
</context>
<context>
    <name>zg::GridWidget</name>
    <message>
        <location filename="../src/ui/grid/GridAccessibility.cpp" line="+110"/>
        <source>Event %1</source>
        <translation>Schritt %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>LED #%1</source>
        <translation>LED #%1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>LED #%1, event %2</source>
        <translation>LED #%1, Schritt %2</translation>
    </message>
    <message>
        <location filename="../src/ui/grid/GridWidget.cpp" line="+27"/>
        <source>Pattern</source>
        <translation>Muster</translation>
    </message>
</context>
<context>
    <name>zg::HelpWindow</name>
    <message>
        <location filename="../src/ui/help/HelpWindow.cpp" line="+22"/>
        <source>Zelta-Glow User Manual</source>
        <translation>Zelta-Glow-Bedienungsanleitung</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
</context>
<context>
    <name>zg::JoystickStick</name>
    <message>
        <location filename="../src/ui/test/JoystickStick.cpp" line="+62"/>
        <source>Joysticks cannot be read on this computer (%1): the scroll bar is the stick.</source>
        <translation>Joysticks können auf diesem Rechner nicht gelesen werden (%1): die Bildlaufleiste ist der Knüppel.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The joystick %1 was unplugged: the scroll bar is the stick again.</source>
        <translation>Der Joystick %1 wurde abgezogen: die Bildlaufleiste ist wieder der Knüppel.</translation>
    </message>
</context>
<context>
    <name>zg::LanguageMenu</name>
    <message>
        <location filename="../src/ui/window/LanguageMenu.cpp" line="+31"/>
        <source>English</source>
        <extracomment>The name of the language of this translation, in that language (&quot;Deutsch&quot;, &quot;Français&quot;).</extracomment>
        <translation>Deutsch</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&amp;System</source>
        <translation>&amp;Systemsprache</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>The new language is used from the next start of Zelta-Glow.</source>
        <translation>Die neue Sprache gilt ab dem nächsten Start von Zelta-Glow.</translation>
    </message>
</context>
<context>
    <name>zg::MainWindow</name>
    <message>
        <location filename="../src/ui/controls/RowOptionsEntries.cpp" line="+17"/>
        <source>Clear All</source>
        <translation>Alle aus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mark All</source>
        <translation>Alle an</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Toggle All</source>
        <translation>Alle umkehren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy from...</source>
        <translation>Kopieren von...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy to...</source>
        <translation>Kopieren auf...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skip 1...</source>
        <translation>1 auslassen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skip 2...</source>
        <translation>2 auslassen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skip 3...</source>
        <translation>3 auslassen...</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Copy from LED #%1</source>
        <translation>Kopieren von LED #%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy to LED #%1</source>
        <translation>Kopieren auf LED #%1</translation>
    </message>
    <message>
        <location filename="../src/ui/controls/MainWindowControls.cpp" line="+34"/>
        <location filename="../src/ui/controls/RowOptionsEntries.cpp" line="-16"/>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation>Blau</translation>
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
        <translation>Weiß</translation>
    </message>
    <message>
        <location filename="../src/ui/controls/LedLabelTips.cpp" line="+25"/>
        <source>Click here to change color of %1</source>
        <translation>Hier klicken, um die Farbe von %1 zu ändern</translation>
    </message>
    <message>
        <location filename="../src/ui/controls/MainWindowControls.cpp" line="+74"/>
        <source>LED #%1 indicator</source>
        <translation>Anzeige von LED #%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Click here to change %1 flash pattern</source>
        <translation>Hier klicken, um das Blitzmuster von %1 zu ändern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pattern commands for LED #%1</source>
        <translation>Musterbefehle für LED #%1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Servo Control</source>
        <translation>Servomodus</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Change how LED#%1 will repond to R/C servo signal</source>
        <translation>Festlegen, wie LED#%1 auf das Servosignal des Empfängers reagiert</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Servo control of LED #%1</source>
        <translation>Servosteuerung von LED #%1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>LED color</source>
        <translation>LED-Farbe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pattern commands</source>
        <translation>Musterbefehle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other LED</source>
        <translation>Andere LED</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Open File...</source>
        <translation>&amp;Öffnen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open a sequence data file</source>
        <translation>Eine Sequenz-Datendatei öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save File...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save this sequence to a data file</source>
        <translation>Diese Sequenz in einer Datendatei speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/ui/window/MainWindowMenus.cpp" line="+275"/>
        <source>&amp;Test</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click here to visually test LED sequence</source>
        <translation>Hier klicken, um die LED-Sequenz am Bildschirm zu testen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;ettings...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change Software/Zelta-Glow Settings...</source>
        <translation>Programm- und Zelta-Glow-Einstellungen ändern...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;DOWNLOAD</source>
        <translation>&amp;ÜBERTRAGEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Download data to Zelta-Glow Sequencer/Flasher</source>
        <translation>Daten zum Zelta-Glow Sequenzer/Blitzer übertragen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/ui/window/MainWindowMenus.cpp" line="-190"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit the program</source>
        <translation>Das Programm beenden</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Servo stick</source>
        <translation>Servoknüppel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Servo Pulsewidth =</source>
        <translation>Servoimpuls =</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>(Use Mouse or Left + Right Arrow key to change servo position)</source>
        <translation>(Knüppel mit der Maus oder den Pfeiltasten Links/Rechts bewegen)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Downloading to ZELTA-GLOW ...</source>
        <translation>Übertragung zum ZELTA-GLOW ...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Download progress</source>
        <translation>Fortschritt der Übertragung</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Variable Speed</source>
        <translation>Variables Tempo</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowMenus.cpp" line="-19"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New/Clear</source>
        <translation>&amp;Neu/Leeren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New from &amp;Preset</source>
        <translation>Neu aus &amp;Vorlage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open...</source>
        <translation>&amp;Öffnen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recent &amp;Files</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Merge</source>
        <translation>Zusa&amp;mmenführen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save &amp;as Preset...</source>
        <translation>&amp;Als Vorlage speichern...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Expor&amp;t Animation...</source>
        <translation>Animation expor&amp;tieren...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export Pict&amp;ure...</source>
        <translation>B&amp;ild exportieren...</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select &amp;All</source>
        <translation>Alles a&amp;uswählen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Insert Event</source>
        <translation>&amp;Schritt einfügen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>D&amp;elete Event</source>
        <translation>Schritt l&amp;öschen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Shift &amp;Left</source>
        <translation>Nach li&amp;nks schieben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Shift Ri&amp;ght</source>
        <translation>Nach re&amp;chts schieben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Repeat &amp;Selection</source>
        <translation>Auswahl wieder&amp;holen</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&amp;Flash Pattern...</source>
        <translation>&amp;Blitzmuster...</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Optio&amp;ns</source>
        <translation>Optio&amp;nen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Stick Input...</source>
        <translation>&amp;Knüppeleingabe...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play at the &amp;Module&apos;s Speed</source>
        <translation>Im Tempo des &amp;Moduls abspielen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;View</source>
        <translation>Ansi&amp;cht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Model View</source>
        <translation>&amp;Modellansicht</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Ed&amp;it</source>
        <translation>Be&amp;arbeiten</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>&amp;Download</source>
        <translation>&amp;Übertragen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Settings</source>
        <translation>Ein&amp;stellungen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>H&amp;ow to ...</source>
        <translation>&amp;Anleitung ...</translation>
    </message>
    <message>
        <location filename="../src/ui/window/DocumentDisplay.cpp" line="+29"/>
        <source>Color of LED #%1: %2</source>
        <translation>Farbe von LED #%1: %2</translation>
    </message>
</context>
<context>
    <name>zg::ModelCanvas</name>
    <message>
        <location filename="../src/ui/modelview/ModelCanvas.cpp" line="+37"/>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <location filename="../src/ui/modelview/LightMenu.cpp" line="+11"/>
        <source>&amp;Name...</source>
        <translation>&amp;Benennen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Double</source>
        <translation>&amp;Verdoppeln</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
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
        <translation>LED #%1, leuchtet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LED #%1, dark</source>
        <translation>LED #%1, dunkel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, LED #%2, lit</source>
        <translation>%1, LED #%2, leuchtet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, LED #%2, dark</source>
        <translation>%1, LED #%2, dunkel</translation>
    </message>
</context>
<context>
    <name>zg::ModelCommands</name>
    <message>
        <location filename="../src/ui/modelview/ModelCommands.cpp" line="+102"/>
        <source>The model %1 cannot be read (%2): the plane is shown instead.</source>
        <translation>Das Modell %1 kann nicht gelesen werden (%2): stattdessen wird das Flugzeug gezeigt.</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>The model %1 cannot be kept: %2</source>
        <translation>Das Modell %1 kann nicht aufbewahrt werden: %2</translation>
    </message>
    <message>
        <location line="-88"/>
        <source>Move Light</source>
        <translation>Licht verschieben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Double Light</source>
        <translation>Licht verdoppeln</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remove Light</source>
        <translation>Licht entfernen</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>The picture %1 cannot be shown (%2): the plane stands in for it.</source>
        <translation>Das Bild %1 kann nicht gezeigt werden (%2): das Flugzeug steht an seiner Stelle.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Outline</source>
        <translation>Umriss</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Picture of the Model</source>
        <translation>Bild des Modells</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pictures (*.png *.jpg *.jpeg *.svg)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.svg)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The picture %1 cannot be used: %2.</source>
        <translation>Das Bild %1 kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Name Light</source>
        <translation>Licht benennen</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Name of the Light</source>
        <translation>Name des Lichts</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What LED#%1 lights here:</source>
        <translation>Was LED#%1 hier beleuchtet:</translation>
    </message>
</context>
<context>
    <name>zg::ModelFile</name>
    <message>
        <location filename="../src/files/ModelFile.cpp" line="+75"/>
        <source>the picture it carries is damaged</source>
        <translation>das Bild darin ist beschädigt</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>it is not JSON (%1 at byte %2)</source>
        <translation>es ist kein JSON (%1 bei Byte %2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it holds no Zelta-Glow model</source>
        <translation>es enthält kein Zelta-Glow-Modell</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it has %1 lights; a model has at most %2</source>
        <translation>es hat %1 Lichter; ein Modell hat höchstens %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>one of its lights has no output from 1 to 4 or no place</source>
        <translation>eines seiner Lichter hat keinen Ausgang von 1 bis 4 oder keinen Platz</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>it is not a file</source>
        <translation>es ist keine Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it does not exist</source>
        <translation>es existiert nicht</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+4"/>
        <source>it is far too large for a model</source>
        <translation>es ist viel zu groß für ein Modell</translation>
    </message>
    <message>
        <location filename="../src/files/ModelLibrary.cpp" line="+26"/>
        <source>%1 cannot name a model: %2</source>
        <translation>%1 kann kein Modell benennen: %2</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>there is no model of that name</source>
        <translation>es gibt kein Modell dieses Namens</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The folder %1 cannot be created.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>There is a model %1 already.</source>
        <translation>Es gibt schon ein Modell %1.</translation>
    </message>
</context>
<context>
    <name>zg::ModelLayout</name>
    <message>
        <location filename="../src/model/ModelLayout.cpp" line="+32"/>
        <source>Left wingtip</source>
        <translation>Linke Flügelspitze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right wingtip</source>
        <translation>Rechte Flügelspitze</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+5"/>
        <source>Tail strobe</source>
        <translation>Heckblitzer</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Landing light</source>
        <translation>Landescheinwerfer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Left side</source>
        <translation>Linke Seite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right side</source>
        <translation>Rechte Seite</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Beacon</source>
        <translation>Rundumlicht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Front left</source>
        <translation>Vorn links</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Front right</source>
        <translation>Vorn rechts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rear left</source>
        <translation>Hinten links</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rear right</source>
        <translation>Hinten rechts</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Left headlight</source>
        <translation>Linker Scheinwerfer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right headlight</source>
        <translation>Rechter Scheinwerfer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Left tail light</source>
        <translation>Linkes Rücklicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right tail light</source>
        <translation>Rechtes Rücklicht</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Port light</source>
        <translation>Backbordlicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Starboard light</source>
        <translation>Steuerbordlicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stern light</source>
        <translation>Hecklicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Masthead light</source>
        <translation>Topplicht</translation>
    </message>
</context>
<context>
    <name>zg::ModelLibraryCommands</name>
    <message>
        <location filename="../src/ui/modelview/ModelLibraryCommands.cpp" line="+41"/>
        <source>The model %1 cannot be read (%2).</source>
        <translation>Das Modell %1 kann nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>My Plane</source>
        <translation>Mein Flugzeug</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Name of the model:</source>
        <translation>Name des Modells:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot name a model: %2</source>
        <translation>%1 kann kein Modell benennen: %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>There is a model %1 already: choose another name.</source>
        <translation>Es gibt schon ein Modell %1: wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>There is a model %1 already. Replace it with a new one?</source>
        <translation>Es gibt schon ein Modell %1. Durch ein neues ersetzen?</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>My Picture</source>
        <translation>Mein Bild</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New Model</source>
        <translation>Neues Modell</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+50"/>
        <source>The model %1 cannot be kept: %2</source>
        <translation>Das Modell %1 kann nicht aufbewahrt werden: %2</translation>
    </message>
    <message>
        <location line="-45"/>
        <source>Rename Model</source>
        <translation>Modell umbenennen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The model %1 cannot be renamed: %2</source>
        <translation>Das Modell %1 kann nicht umbenannt werden: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Delete the model %1?</source>
        <translation>Das Modell %1 löschen?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The model %1 cannot be deleted: %2</source>
        <translation>Das Modell %1 kann nicht gelöscht werden: %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Import Model</source>
        <translation>Modell importieren</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+34"/>
        <source>Models (*.json)</source>
        <translation>Modelle (*.json)</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>%1 cannot be imported: %2</source>
        <translation>%1 kann nicht importiert werden: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Imported Model</source>
        <translation>Importiertes Modell</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 cannot be imported: it has %2 lights and no light for %3; a model has at most %4.</source>
        <translation>%1 kann nicht importiert werden: es hat %2 Lichter und kein Licht für %3; ein Modell hat höchstens %4.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The model %1 had no light for %2: each was put at its usual place.</source>
        <translation>Das Modell %1 hatte kein Licht für %2: jedes wurde an seinen üblichen Platz gesetzt.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Export Model</source>
        <translation>Modell exportieren</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The model cannot be written to %1: %2</source>
        <translation>Das Modell kann nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The picture %1 of the model cannot be read, so the file carries none.</source>
        <translation>Das Bild %1 des Modells kann nicht gelesen werden, daher enthält die Datei keins.</translation>
    </message>
</context>
<context>
    <name>zg::ModelPicture</name>
    <message>
        <location filename="../src/export/ModelPicture.cpp" line="+59"/>
        <source>the model names no picture</source>
        <translation>das Modell nennt kein Bild</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the picture it carries is damaged</source>
        <translation>das Bild darin ist beschädigt</translation>
    </message>
    <message>
        <location filename="../src/export/PictureFile.cpp" line="+60"/>
        <source>it is %1 MB; a model carries a drawing of up to %2 MB</source>
        <translation>es hat %1 MB; ein Modell nimmt eine Zeichnung bis %2 MB auf</translation>
    </message>
    <message>
        <location line="-11"/>
        <location line="+19"/>
        <source>it is no drawing the program can show</source>
        <translation>es ist keine Zeichnung, die das Programm zeigen kann</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>it is a compressed drawing (SVGZ); save it as plain SVG</source>
        <translation>es ist eine komprimierte Zeichnung (SVGZ); speichern Sie sie als einfaches SVG</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it draws in another file, %1; a drawing of a model must stand alone</source>
        <translation>es zeichnet in einer anderen Datei, %1; die Zeichnung eines Modells muss für sich stehen</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>it cannot be made small enough for a model</source>
        <translation>es lässt sich nicht klein genug für ein Modell machen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>it is not a file</source>
        <translation>es ist keine Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it does not exist</source>
        <translation>es existiert nicht</translation>
    </message>
</context>
<context>
    <name>zg::ModelStore</name>
    <message>
        <location filename="../src/ui/modelview/ModelStore.cpp" line="+92"/>
        <location line="+16"/>
        <source>The model was changed in another window; it is shown as it is now.</source>
        <translation>Das Modell wurde in einem anderen Fenster geändert; es wird so gezeigt, wie es jetzt ist.</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>The model was renamed %1 in another window.</source>
        <translation>Das Modell wurde in einem anderen Fenster in %1 umbenannt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The model %1 was deleted in another window; a change here keeps it again.</source>
        <translation>Das Modell %1 wurde in einem anderen Fenster gelöscht; eine Änderung hier bewahrt es wieder auf.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Another window changed the model just now; it is shown as it is now.</source>
        <translation>Ein anderes Fenster hat das Modell soeben geändert; es wird so gezeigt, wie es jetzt ist.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>There is a model %1 already.</source>
        <translation>Es gibt schon ein Modell %1.</translation>
    </message>
</context>
<context>
    <name>zg::ModelWindow</name>
    <message>
        <location filename="../src/ui/modelview/ModelWindow.cpp" line="+26"/>
        <source>Plane (high wing)</source>
        <translation>Flugzeug (Hochdecker)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Helicopter</source>
        <translation>Hubschrauber</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Multicopter</source>
        <translation>Multikopter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Car or truck</source>
        <translation>Auto oder Lkw</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Boat</source>
        <translation>Boot</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A picture of your own</source>
        <translation>Ein eigenes Bild</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Model View</source>
        <translation>Modellansicht</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Drag a light to its place; right-click it to name, double or remove it.</source>
        <translation>Ziehen Sie ein Licht an seinen Platz; mit einem Rechtsklick benennen, verdoppeln oder entfernen Sie es.</translation>
    </message>
    <message>
        <location line="-51"/>
        <source>&amp;Model:</source>
        <translation>&amp;Modell:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Outline:</source>
        <translation>&amp;Umriss:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;New...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Picture...</source>
        <translation>&amp;Bild...</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Ren&amp;ame...</source>
        <translation>Name än&amp;dern...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete...</source>
        <translation>&amp;Löschen...</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
</context>
<context>
    <name>zg::PatternPictures</name>
    <message>
        <location filename="../src/export/ModelPicture.cpp" line="+131"/>
        <location filename="../src/export/PatternPictures.cpp" line="+81"/>
        <source>The animation could not be encoded: %1</source>
        <translation>Die Animation konnte nicht kodiert werden: %1</translation>
    </message>
    <message>
        <location filename="../src/export/PatternPictures.cpp" line="+11"/>
        <source>Sequencer Delay 0 ms: %1 events, played at the module&apos;s fastest</source>
        <translation>Sequenzer-Pause 0 ms: %1 Schritte, so schnell das Modul kann</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sequencer Delay %1 ms: %2 events, a cycle of %3</source>
        <translation>Sequenzer-Pause %1 ms: %2 Schritte, ein Zyklus von %3</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>The picture could not be encoded.</source>
        <translation>Das Bild konnte nicht kodiert werden.</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>(typed)</source>
        <translation>(eingetippt)</translation>
    </message>
</context>
<context>
    <name>zg::PortFindings</name>
    <message>
        <location filename="../src/device/PortFindings.cpp" line="+40"/>
        <source>You may not use %1: it belongs to %2:%3 with the access %4, which opens it to no group you could join; give it to the group dialout with the line SUBSYSTEM==&quot;tty&quot;, KERNEL==&quot;%5&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot; in /etc/udev/rules.d/99-zelta-glow.rules and plug the cable in again, or for now run &quot;sudo chmod a+rw %1&quot;.</source>
        <translation>Sie dürfen %1 nicht benutzen: es gehört %2:%3 mit den Rechten %4, die es keiner Gruppe öffnen, der Sie beitreten könnten; geben Sie es mit der Zeile SUBSYSTEM==&quot;tty&quot;, KERNEL==&quot;%5&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot; in /etc/udev/rules.d/99-zelta-glow.rules der Gruppe dialout und stecken Sie das Kabel neu ein, oder führen Sie vorerst &quot;sudo chmod a+rw %1&quot; aus.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>You may not use %1: ask whoever looks after this computer for read and write access to it.</source>
        <translation>Sie dürfen %1 nicht benutzen: Bitten Sie den Betreuer dieses Computers um Lese- und Schreibrechte dafür.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You may not use %1 yet: you joined its group &apos;%2&apos; after you logged in; log out and in again (or restart the computer) for it to take effect.</source>
        <translation>Sie dürfen %1 noch nicht benutzen: Sie sind der Gruppe &apos;%2&apos; erst nach der Anmeldung beigetreten; melden Sie sich ab und wieder an (oder starten Sie den Computer neu), damit das wirkt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You may not use %1: it belongs to the group &apos;%2&apos;, which you are not in; join it with &quot;sudo usermod -aG %2 $USER&quot;, then log out and in again.</source>
        <translation>Sie dürfen %1 nicht benutzen: Es gehört der Gruppe &apos;%2&apos;, in der Sie nicht sind; treten Sie ihr mit &quot;sudo usermod -aG %2 $USER&quot; bei, dann ab- und wieder anmelden.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>process %1</source>
        <translation>Prozess %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (process %2)</source>
        <translation>%1 (Prozess %2)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 is in use by another program, one that you cannot see: close it and send again.</source>
        <translation>%1 wird von einem anderen Programm benutzt, das Sie nicht sehen können: Schließen Sie es und senden Sie erneut.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 is in use by %2: close that program, or end it with &quot;kill %3&quot;, and send again.</source>
        <translation>%1 wird von %2 benutzt: Schließen Sie dieses Programm oder beenden Sie es mit &quot;kill %3&quot; und senden Sie erneut.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>ModemManager is running and may take %1 for a modem for several seconds after the cable is plugged in, sending it bytes of its own; to keep it away, put the line ATTRS{idVendor}==&quot;%2&quot;, ATTRS{idProduct}==&quot;%3&quot;, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot; into /etc/udev/rules.d/99-zelta-glow.rules, run &quot;sudo udevadm control --reload-rules&quot; and plug the cable in again.</source>
        <translation>ModemManager läuft und kann %1 nach dem Einstecken des Kabels einige Sekunden lang für ein Modem halten und eigene Bytes senden; um es fernzuhalten, schreiben Sie die Zeile ATTRS{idVendor}==&quot;%2&quot;, ATTRS{idProduct}==&quot;%3&quot;, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot; in /etc/udev/rules.d/99-zelta-glow.rules, führen Sie &quot;sudo udevadm control --reload-rules&quot; aus und stecken Sie das Kabel neu ein.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>brltty, a program for Braille displays, is installed and may take %1 adapters like the one plugged in (%2) for itself, so that its port disappears; if you use no Braille display, remove it with &quot;sudo apt remove brltty&quot;.</source>
        <translation>brltty, ein Programm für Braillezeilen, ist installiert und kann %1-Adapter wie den eingesteckten (%2) an sich nehmen, sodass sein Anschluss verschwindet; wenn Sie keine Braillezeile benutzen, entfernen Sie es mit &quot;sudo apt remove brltty&quot;.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>brltty, a program for Braille displays, has taken the %1 adapter plugged in (%2) for itself, so that it has no serial port; if you use no Braille display, remove it with &quot;sudo apt remove brltty&quot;, otherwise keep it off with &quot;sudo systemctl mask brltty-udev.service brltty.service&quot;, and plug the cable in again.</source>
        <translation>brltty, ein Programm für Braillezeilen, hat den eingesteckten %1-Adapter (%2) an sich genommen, sodass er keinen seriellen Anschluss hat; wenn Sie keine Braillezeile benutzen, entfernen Sie es mit &quot;sudo apt remove brltty&quot;, sonst halten Sie es mit &quot;sudo systemctl mask brltty-udev.service brltty.service&quot; fern, und stecken Sie das Kabel neu ein.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>A %1 USB serial adapter (%2) is plugged in but has no serial port: its driver, %3, is missing or not loaded; load it with &quot;sudo modprobe %3&quot;, and if that fails, install your system&apos;s package of extra kernel modules.</source>
        <translation>Ein USB-Seriell-Adapter mit %1 (%2) ist eingesteckt, hat aber keinen seriellen Anschluss: Sein Treiber %3 fehlt oder ist nicht geladen; laden Sie ihn mit &quot;sudo modprobe %3&quot;, und wenn das nicht geht, installieren Sie das Paket mit den zusätzlichen Kernelmodulen Ihres Systems.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 does not exist: check the path given with --device; the programming cable&apos;s device is usually /dev/ttyUSB0, or a name in /dev/serial/by-id/.</source>
        <translation>%1 existiert nicht: prüfen Sie den mit --device angegebenen Pfad; das Gerät des Programmierkabels ist meist /dev/ttyUSB0 oder ein Name in /dev/serial/by-id/.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is no longer there: plug the programming cable in again.</source>
        <translation>%1 ist nicht mehr da: stecken Sie das Programmierkabel wieder ein.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a serial device: name the programming cable&apos;s device with --device, or leave --device out.</source>
        <translation>%1 ist kein serielles Gerät: geben Sie mit --device das Gerät des Programmierkabels an oder lassen Sie --device weg.</translation>
    </message>
</context>
<context>
    <name>zg::PortListing</name>
    <message>
        <location filename="../src/device/PortListing.cpp" line="+38"/>
        <source>No serial device has a number from 1 to 6.</source>
        <translation>Kein serielles Gerät hat eine Nummer von 1 bis 6.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No serial device is plugged in.</source>
        <translation>Es ist kein serielles Gerät eingesteckt.</translation>
    </message>
</context>
<context>
    <name>zg::PortTooltip</name>
    <message>
        <location filename="../src/device/PortTooltip.cpp" line="+10"/>
        <source>no serial device is plugged in for this number (%1 found)</source>
        <translation>für diese Nummer ist kein serielles Gerät eingesteckt (%1 gefunden)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 has a number above 6: if the cable is on it, give it a number from 1 to 6 in Device Manager (Ports (COM &amp; LPT), %1, Properties, Port Settings, Advanced, COM Port Number), or start the program with --device %1.</source>
        <translation>%1 hat eine Nummer über 6: Wenn das Kabel daran hängt, geben Sie ihm im Geräte-Manager eine Nummer von 1 bis 6 (Anschlüsse (COM &amp; LPT), %1, Eigenschaften, Anschlusseinstellungen, Erweitert, COM-Anschlussnummer), oder starten Sie das Programm mit --device %1.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The adapter %1 is on %2, a number above 6: give it a number from 1 to 6 in Device Manager (Ports (COM &amp; LPT), %1, Properties, Port Settings, Advanced, COM Port Number), or start the program with --device %2.</source>
        <translation>Der Adapter %1 liegt auf %2, einer Nummer über 6: Geben Sie ihm im Geräte-Manager eine Nummer von 1 bis 6 (Anschlüsse (COM &amp; LPT), %1, Eigenschaften, Anschlusseinstellungen, Erweitert, COM-Anschlussnummer), oder starten Sie das Programm mit --device %2.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Port %1: %2, which the system does not list now</source>
        <translation>Port %1: %2, den das System derzeit nicht aufführt</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+14"/>
        <source>Port %1: %2</source>
        <translation>Anschluss %1: %2</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Port %1: %2, %3</source>
        <translation>Anschluss %1: %2, %3</translation>
    </message>
</context>
<context>
    <name>zg::PresetCommands</name>
    <message>
        <location filename="../src/ui/presets/PresetCommands.cpp" line="+58"/>
        <source>(No presets found)</source>
        <translation>(Keine Vorlagen gefunden)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 is now %2</source>
        <translation>%1 heißt jetzt %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Presets that an earlier version kept were moved to<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>These had names that were already taken there and now have new names:<byte value="xd"/>%2</source>
        <translation>Vorlagen, die eine frühere Version aufbewahrt hat, wurden verschoben nach<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Diese hatten Namen, die dort schon vergeben waren, und haben jetzt neue Namen:<byte value="xd"/>%2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>New from Preset</source>
        <translation>Neu aus Vorlage</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The folder for presets could not be made.</source>
        <translation>Der Ordner für Vorlagen konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Save as Preset</source>
        <translation>Als Vorlage speichern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Name of the preset:</source>
        <translation>Name der Vorlage:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&quot;%1&quot; cannot name a preset.<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>„%1“ kann keine Vorlage benennen.<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
</context>
<context>
    <name>zg::PresetLibrary</name>
    <message>
        <location filename="../src/files/PresetLibrary.cpp" line="+67"/>
        <source>The name is empty.</source>
        <translation>Der Name ist leer.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A name cannot begin with a dot, nor begin or end with a blank or a dot.</source>
        <translation>Ein Name darf nicht mit einem Punkt beginnen und weder mit einem Leerzeichen noch mit einem Punkt beginnen oder enden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A name is one line, without tabs.</source>
        <translation>Ein Name ist eine Zeile, ohne Tabulatoren.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A name has at most %1 characters.</source>
        <translation>Ein Name hat höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The name is too long for a file name; shorten it.</source>
        <translation>Der Name ist für einen Dateinamen zu lang; kürzen Sie ihn.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 names a device on Windows.</source>
        <translation>%1 benennt unter Windows ein Gerät.</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>A name cannot hold any of / \ : * ? &quot; &lt; &gt; |.</source>
        <translation>Ein Name darf keines dieser Zeichen enthalten: / \ : * ? &quot; &lt; &gt; |.</translation>
    </message>
</context>
<context>
    <name>zg::Presets</name>
    <message>
        <location filename="../src/ui/presets/PresetNames.cpp" line="+13"/>
        <source>My Presets</source>
        <translation>Eigene Vorlagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aircraft</source>
        <translation>Flugzeuge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Landing Light in the Upper Stick Zones</source>
        <translation>Landescheinwerfer in den oberen Knüppelzonen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Navigation Lights and Double Strobe</source>
        <translation>Positionslichter und Doppelblitz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Navigation Lights and Single Strobe</source>
        <translation>Positionslichter und Einzelblitz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red Anti-Collision Beacons</source>
        <translation>Rote Antikollisionslichter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Boats</source>
        <translation>Boote</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Navigation Lights and Masthead Light</source>
        <translation>Positionslichter und Topplicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cars</source>
        <translation>Autos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brake and Reverse Lights by Stick</source>
        <translation>Brems- und Rückfahrlicht über den Knüppel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Emergency Flasher, Red and Blue</source>
        <translation>Einsatzblitzer, rot und blau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hazard Lights</source>
        <translation>Warnblinker</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indicators by Stick</source>
        <translation>Blinker über den Knüppel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Helicopters</source>
        <translation>Hubschrauber</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Navigation Lights and Anti-Collision Beacon</source>
        <translation>Positionslichter und Antikollisionslicht</translation>
    </message>
</context>
<context>
    <name>zg::ProgramCommands</name>
    <message>
        <location filename="../src/ui/help/ProgramTexts.cpp" line="+24"/>
        <source>  Programmable LED Sequencer/Flasher  - Beta3</source>
        <translation>  Programmierbarer LED-Sequenzer/Blitzer  - Beta3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>By:  %1</source>
        <translation>Von:  %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The user manual could not be shown: no program on this computer opened<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Open that address in a web browser.</source>
        <translation>Die Bedienungsanleitung konnte nicht angezeigt werden: kein Programm auf diesem Rechner hat<byte value="xd"/>%1<byte value="xd"/>geöffnet.<byte value="xd"/><byte value="xd"/>Bitte diese Adresse in einem Webbrowser öffnen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The user manual that came with the program was not found. It was looked for as<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>Die mitgelieferte Bedienungsanleitung wurde nicht gefunden. Gesucht wurde unter<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Redirecting to VANTORO webpage for more info...</source>
        <translation> Weiterleitung zur VANTORO-Webseite für mehr Informationen...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A download is running: the module has got %1 of %2 items so far. Exiting now stops it, and the module holds an incomplete pattern until it is sent again.</source>
        <translation>Eine Übertragung läuft: das Modul hat bisher %1 von %2 Werten erhalten. Beenden hält sie jetzt an, und das Modul hat ein unvollständiges Muster, bis es erneut gesendet wird.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A download is running: the module has got %1 of %2 items so far.<byte value="xd"/><byte value="xd"/>Yes stops it now and closes the program; the module then holds an incomplete pattern until it is sent again.<byte value="xd"/>No closes the program once the download is done.<byte value="xd"/>Cancel keeps the program open.</source>
        <translation>Eine Übertragung läuft: das Modul hat bisher %1 von %2 Werten erhalten.<byte value="xd"/><byte value="xd"/>Ja hält sie jetzt an und schließt das Programm; das Modul hat dann ein unvollständiges Muster, bis es erneut gesendet wird.<byte value="xd"/>Nein schließt das Programm, sobald die Übertragung fertig ist.<byte value="xd"/>Abbrechen lässt das Programm offen.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>OK to Really Exit ?</source>
        <translation>Wirklich beenden?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(Be sure you have saved your files)</source>
        <translation>(Haben Sie Ihre Dateien gespeichert?)</translation>
    </message>
</context>
<context>
    <name>zg::QtSerialLink</name>
    <message>
        <location filename="../src/device/QtSerialLink.cpp" line="+141"/>
        <source>Line settings &quot;%1&quot; not understood.</source>
        <translation>Leitungseinstellungen „%1“ nicht verstanden.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 is not a serial device.</source>
        <translation>%1 ist kein serielles Gerät.</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+11"/>
        <source>The serial port is not open.</source>
        <translation>Der serielle Anschluss ist nicht geöffnet.</translation>
    </message>
</context>
<context>
    <name>zg::RangeCommands</name>
    <message>
        <location filename="../src/ui/editing/RangeCommands.cpp" line="+32"/>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Nothing pasted: line %1, character %2 is no cell (1 x X # * or 0 - . blank).</source>
        <translation>Nichts eingefügt: Zeile %1, Zeichen %2 ist keine Zelle (1 x X # * oder 0 - . Leerzeichen).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Nothing pasted: the clipboard holds no cells.</source>
        <translation>Nichts eingefügt: die Zwischenablage enthält keine Zellen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 of the pasted cells fell beyond LED #4 or event 50 and were left out.</source>
        <translation>%1 der eingefügten Zellen lagen jenseits von LED #4 oder Schritt 50 und wurden ausgelassen.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Insert Event</source>
        <translation>Schritt einfügen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Event 50 fell off the end with its lit cells (Undo brings it back).</source>
        <translation>Schritt 50 fiel mit seinen leuchtenden Zellen hinten heraus (Rückgängig holt ihn zurück).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Delete Event</source>
        <translation>Schritt löschen</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Shift Left</source>
        <translation>Nach links schieben</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shift Right</source>
        <translation>Nach rechts schieben</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Select the events to repeat first (Shift with the arrow keys).</source>
        <translation>Zuerst die Schritte auswählen, die wiederholt werden sollen (Umschalt mit den Pfeiltasten).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Repeat Selection</source>
        <translation>Auswahl wiederholen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nothing to repeat into: the selection reaches the end mark.</source>
        <translation>Kein Platz zum Wiederholen: die Auswahl reicht bis zur Endmarke.</translation>
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
        <translation>(keine)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Clear List</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The file<byte value="xd"/>%1<byte value="xd"/>is no longer there. It was taken off the list of recent files.</source>
        <translation>Die Datei<byte value="xd"/>%1<byte value="xd"/>gibt es nicht mehr. Sie wurde aus der Liste der zuletzt geöffneten Dateien genommen.</translation>
    </message>
</context>
<context>
    <name>zg::SettingsCommands</name>
    <message>
        <location filename="../src/ui/settings/SettingsCommands.cpp" line="+13"/>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The port setting could not be saved in LED.cfg in the folder<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>Die Anschlusseinstellung konnte nicht in LED.cfg im Ordner<byte value="xd"/>%1<byte value="xd"/>gespeichert werden.<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
</context>
<context>
    <name>zg::SettingsDialog</name>
    <message>
        <location filename="../src/ui/settings/SettingsDialog.cpp" line="+47"/>
        <source>The list %1 holds &quot;%2&quot;, which is not one of its entries.<byte value="xd"/><byte value="xd"/>Pick or type a number from 1 to %3. Nothing was changed.</source>
        <translation>Die Liste %1 enthält „%2“, das keiner ihrer Einträge ist.<byte value="xd"/><byte value="xd"/>Bitte eine Zahl von 1 bis %3 wählen oder eintippen. Nichts wurde geändert.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>ZELTA-GLOW  -  Programmable LED Sequencer/Flasher Settings...</source>
        <translation>ZELTA-GLOW  -  Einstellungen des LED-Sequenzers/Blitzers...</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Software Settings</source>
        <translation>Programmeinstellungen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Communication Port# (RS-232)</source>
        <translation>Serieller Anschluss (RS-232)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(Programming cable is connected to this 9-pin port#)</source>
        <translation>(Hier steckt das Programmierkabel am 9-poligen Anschluss)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LED Test Speed (ms)</source>
        <translation>LED-Testtempo (ms)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>(Set to match Test speed with Sequencer speed)</source>
        <translation>(Testtempo an das Sequenzertempo angleichen)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zelta-Glow Settings</source>
        <translation>Zelta-Glow-Einstellungen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sequencer Delay (ms)</source>
        <translation>Sequenzer-Pause (ms)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>(Sets the delay between each of the 50 events )</source>
        <translation>(Pause zwischen den 50 Schritten)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Use Pull-downs for changing all settings!</source>
        <translation>Alle Einstellungen über die Auswahllisten ändern!</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>This run sends to %1 (--device).</source>
        <translation>Dieser Lauf sendet an %1 (--device).</translation>
    </message>
</context>
<context>
    <name>zg::StickInputDialog</name>
    <message>
        <location filename="../src/ui/test/StickInputDialog.cpp" line="+16"/>
        <source>Stick Input</source>
        <translation>Knüppeleingabe</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Joysticks cannot be read on this computer: %1</source>
        <translation>Joysticks können auf diesem Rechner nicht gelesen werden: %1</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>&amp;Reverse</source>
        <translation>&amp;Umkehren</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Use the &amp;Scroll Bar</source>
        <translation>&amp;Bildlaufleiste verwenden</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Joystick:</source>
        <translation>&amp;Joystick:</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>No joystick found: plug the transmitter in as a USB joystick.</source>
        <translation>Kein Joystick gefunden: den Sender als USB-Joystick anschließen.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Move the stick or switch that drives the lights from one end to the other.</source>
        <translation>Den Knüppel oder Schalter, der die Lichter steuert, von einem Anschlag zum anderen bewegen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+17"/>
        <source>Axis %1, from %2 to %3</source>
        <translation>Achse %1, von %2 bis %3</translation>
    </message>
</context>
<context>
    <name>zg::TestPlayer</name>
    <message>
        <location filename="../src/ui/test/TestPlayer.cpp" line="+42"/>
        <source>Stop Test</source>
        <translation>Test stoppen</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>&amp;Test</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The sequencer delay is 0: the module runs at its fastest, and the test plays at its fastest step, %1 ms.</source>
        <translation>Die Sequenzer-Pause ist 0: das Modul läuft so schnell es kann, und der Test spielt mit seinem kürzesten Schritt von %1 ms.</translation>
    </message>
</context>
<context>
    <name>zg::TimingText</name>
    <message>
        <location filename="../src/export/TimingText.cpp" line="+22"/>
        <source>in stick zone %1 only</source>
        <translation>nur in Knüppelzone %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in stick zones %1 and %2 only</source>
        <translation>nur in den Knüppelzonen %1 und %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>1 flash of %1</source>
        <translation>1 Blitz von %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 flashes of %2</source>
        <translation>%1 Blitze von %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 flashes of %2 to %3 ms</source>
        <translation>%1 Blitze von %2 bis %3 ms</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 flashes of %2 to %3</source>
        <translation>%1 Blitze von %2 bis %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>1 flash</source>
        <translation>1 Blitz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 flashes</source>
        <translation>%1 Blitze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 in a cycle of %2 events; at a sequencer delay of 0 the module runs at its fastest, so no rate can be given</source>
        <translation>%1 in einem Zyklus von %2 Schritten; bei einer Sequenzer-Pause von 0 läuft das Modul so schnell es kann, darum lässt sich keine Frequenz angeben</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 every %2 (%3)</source>
        <translation>%1 alle %2 (%3)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, dark %2</source>
        <translation>%1, dunkel %2</translation>
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
        <translation>%1 pro Minute</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>never lit (servo mode OFF)</source>
        <translation>leuchtet nie (Servomodus OFF)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>never lit</source>
        <translation>leuchtet nie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>on all the time</source>
        <translation>leuchtet dauernd</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1, with no servo mode chosen</source>
        <translation>%1, ohne gewählten Servomodus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>event %1</source>
        <translation>Schritt %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>event %1: %2 to %3 ms</source>
        <translation>Schritt %1: %2 bis %3 ms</translation>
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
        <translation>Schritt %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Event %1: %2 to %3 ms</source>
        <translation>Schritt %1: %2 bis %3 ms</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (the end mark: the cycle starts again after it)</source>
        <translation>%1 (die Endmarke: danach beginnt der Zyklus von vorn)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LED#%1: %2</source>
        <translation>LED#%1: %2</translation>
    </message>
</context>
<context>
    <name>zg::UnsavedWork</name>
    <message>
        <location filename="../src/ui/datafiles/UnsavedWork.cpp" line="+45"/>
        <location line="+57"/>
        <source>The folder cannot be created or written</source>
        <translation>Der Ordner lässt sich nicht anlegen oder beschreiben</translation>
    </message>
</context>
<context>
    <name>zg::UserDialogs</name>
    <message>
        <location filename="../src/ui/common/UserDialogs.h" line="+16"/>
        <source>ZELTA-GLOW  -  LED Sequencer/Flasher</source>
        <translation>ZELTA-GLOW  -  LED-Sequenzer/Blitzer</translation>
    </message>
</context>
<context>
    <name>zg::WholeFile</name>
    <message>
        <location filename="../src/files/WholeFile.cpp" line="+31"/>
        <source>The content could not be produced.</source>
        <translation>Der Inhalt konnte nicht erzeugt werden.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The new file could not be given the permissions of the old one: %1</source>
        <translation>Die neue Datei konnte nicht die Rechte der alten erhalten: %1</translation>
    </message>
</context>
</TS>
