<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>zg::CableChips</name>
    <message>
        <location filename="../src/device/CableChips.cpp" line="+47"/>
        <source>%1 USB serial adapter</source>
        <translation>adaptador serie USB %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>built-in serial port</source>
        <translation>puerto serie integrado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USB serial adapter %1</source>
        <translation>adaptador serie USB %1</translation>
    </message>
</context>
<context>
    <name>zg::CommPortDevice</name>
    <message>
        <location filename="../src/device/CommPortDevice.cpp" line="+128"/>
        <source>given by --device</source>
        <translation>indicado con --device</translation>
    </message>
</context>
<context>
    <name>zg::CommandLine</name>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="+41"/>
        <source>--model goes with --export-gif.</source>
        <translation>--model va con --export-gif.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Give either --export-gif or --export-png, not both.</source>
        <translation>Indique --export-gif o --export-png, no ambos.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>An export needs the name of the file to write.</source>
        <translation>Una exportación necesita el nombre del archivo que se va a escribir.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>An export needs the data file to export.</source>
        <translation>Una exportación necesita el archivo de datos que se va a exportar.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--stick goes with --export-gif.</source>
        <translation>--stick se usa junto con --export-gif.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--stick needs a pulse width from 1000 to 1999 microseconds.</source>
        <translation>--stick necesita un ancho de pulso de 1000 a 1999 microsegundos.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Editor and downloader for the Zelta-Glow LED sequencer/flasher.</source>
        <translation>Editor y programador del secuenciador/destellador de LED Zelta-Glow.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Send downloads to this serial device, whatever the port number.</source>
        <translation>Enviar las transferencias a este dispositivo serie, sea cual sea el número de puerto.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>path</source>
        <translation>ruta</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Write the file&apos;s animation as the module shows it to this GIF and end.</source>
        <translation>Escribir la animación del archivo, tal como la muestra el módulo, en este GIF y terminar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>out.gif</source>
        <translation>salida.gif</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write a picture of the file&apos;s pattern to this PNG and end.</source>
        <translation>Escribir una imagen de la secuencia del archivo en este PNG y terminar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>out.png</source>
        <translation>salida.png</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The servo pulse width the animation shows (default 1500).</source>
        <translation>El ancho de pulso del servo que muestra la animación (1500 por defecto).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>microseconds</source>
        <translation>microsegundos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show the animation on this model of yours instead of four lights.</source>
        <translation>Mostrar la animación en este modelo suyo en lugar de cuatro luces.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>List the serial ports by number, with the adapter behind each and what stands in the way of a download, and end.</source>
        <translation>Listar los puertos serie por número, con el adaptador detrás de cada uno y lo que impide una transferencia, y terminar.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A data file (*.DAT) to open at start.</source>
        <translation>Un archivo de datos (*.DAT) que se abre al iniciar.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[file]</source>
        <translation>[archivo]</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>--device needs the path of a serial device.</source>
        <translation>--device necesita la ruta de un dispositivo serie.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Only one data file can be opened at start.</source>
        <translation>Al iniciar solo se puede abrir un archivo de datos.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>--list-ports goes with --device only.</source>
        <translation>--list-ports solo va con --device.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>no display to show the window on (%1); start it in a desktop session.</source>
        <translation>no hay pantalla donde mostrar la ventana (%1); inícielo en una sesión de escritorio.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>no está definida ni DISPLAY ni WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <location filename="../src/app/CommandLineExport.cpp" line="+41"/>
        <source>The model %1 cannot be read: %2.</source>
        <translation>No se puede leer el modelo %1: %2.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>There is no model %1. The outlines are: %2.</source>
        <translation>No hay ningún modelo %1. Los contornos son: %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no model %1. Your models are: %2; the outlines are: %3.</source>
        <translation>No hay ningún modelo %1. Sus modelos son: %2; los contornos son: %3.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 cannot be read: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a Zelta-Glow data file: none of its first 50 lines holds an event.</source>
        <translation>%1 no es un archivo de datos de Zelta-Glow: ninguna de sus primeras 50 líneas contiene un paso.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: lines %2 could not be used and were left out.</source>
        <translation>%1: las líneas %2 no se podían usar y se omitieron.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The picture %1 of the model %2 cannot be shown: %3.</source>
        <translation>No se puede mostrar la imagen %1 del modelo %2: %3.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 cannot be written: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>zg::DataFileCommands</name>
    <message>
        <location filename="../src/ui/datafiles/DataFileCommands.cpp" line="+21"/>
        <source>ZELTA-GLOW  -  Programmable LED Sequencer/Flasher - Beta3</source>
        <translation>ZELTA-GLOW  -  Secuenciador/destellador de LED programable - Beta3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>ZELTA-GLOW  -  Programmable LED Sequencer/Flasher</source>
        <translation>ZELTA-GLOW  -  Secuenciador/destellador de LED programable</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>New/Clear</source>
        <translation>Nuevo/Borrar</translation>
    </message>
    <message>
        <location line="+94"/>
        <location line="+5"/>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Merge</source>
        <translation>Combinar</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>Unsaved Pattern</source>
        <translation>Secuencia sin guardar</translation>
    </message>
</context>
<context>
    <name>zg::DataFileReader</name>
    <message>
        <location filename="../src/files/DataFileReader.cpp" line="+140"/>
        <source>It is a folder, not a file.</source>
        <translation>Es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It is a named pipe, not a file.</source>
        <translation>Es una tubería con nombre, no un archivo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It is a socket, not a file.</source>
        <translation>Es un socket, no un archivo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>It is a device, not a file.</source>
        <translation>Es un dispositivo, no un archivo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>It is not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
</context>
<context>
    <name>zg::DownloadMessages</name>
    <message>
        <location filename="../src/device/DownloadMessages.cpp" line="+22"/>
        <source>Check that the programming cable is plugged in, or choose its port in Settings.</source>
        <translation>Compruebe que el cable de programación está conectado, o elija su puerto en los ajustes.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Name the programming cable&apos;s serial device with --device, or leave --device out.</source>
        <translation>Indique el dispositivo serie del cable de programación con --device, u omita --device.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Another program is using the port. Close it and try again.</source>
        <translation>Otro programa está usando el puerto. Ciérrelo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your user may not use serial ports. Join the &apos;dialout&apos; group (sudo usermod -aG dialout $USER), then log out and in again.</source>
        <translation>Su usuario no puede usar puertos serie. Únase al grupo &apos;dialout&apos; (sudo usermod -aG dialout $USER) y cierre la sesión y vuelva a entrar.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your user may not use this serial port.</source>
        <translation>Su usuario no puede usar este puerto serie.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot open serial port %1: %2.

Plug in the programming cable, or choose its port number in Settings.</source>
        <translation>No se puede abrir el puerto serie %1: %2.

Conecte el cable de programación o elija su número de puerto en los ajustes.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cannot open serial port %1:
%2</source>
        <translation>No se puede abrir el puerto serie %1:
%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot open serial port %1 (%2):
%3</source>
        <translation>No se puede abrir el puerto serie %1 (%2):
%3</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>item %1 (event %2)</source>
        <translation>el valor %1 (paso %2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>item %1 (the servo mode of LED#%2)</source>
        <translation>el valor %1 (el modo servo de LED#%2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>item %1 (the sequencer delay)</source>
        <translation>el valor %1 (la pausa del secuenciador)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>item %1 (the end of the sequence)</source>
        <translation>el valor %1 (el final de la secuencia)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Sent %1 items to %2 in %3 s.</source>
        <translation>Se enviaron %1 valores a %2 en %3 s.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Serial port %1 (%2) is held by another program; nothing was sent.</source>
        <translation>Otro programa tiene el puerto serie %1 (%2); no se ha enviado nada.</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+23"/>
        <source>the serial port</source>
        <translation>el puerto serie</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>The download was stopped before the first item was sent to %1.</source>
        <translation>La transferencia se detuvo antes de enviar el primer valor a %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The download was stopped after %1 of %2 items were sent to %3, each whole; the last was %4.</source>
        <translation>La transferencia se detuvo después de enviar %1 de %2 valores completos a %3; el último fue %4.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The module holds an incomplete pattern: put it into its receiving state again (all LEDs lit) and send the pattern again.</source>
        <translation>El módulo tiene un patrón incompleto: vuelva a ponerlo en estado de recepción (todos los LED encendidos) y envíe el patrón de nuevo.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The download stopped before the first item was sent to %1, %2 s after it began:
%3</source>
        <translation>La transferencia se detuvo %2 s después de empezar, antes de enviar el primer valor a %1:
%3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The download stopped after %1 of %2 items were sent to %3, %4 s after it began; the last to leave was %5:
%6</source>
        <translation>La transferencia se detuvo %4 s después de empezar, tras enviar %1 de %2 valores a %3; el último en salir fue %5:
%6</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Plug the cable in again if it came out, put the module into its receiving state again (all LEDs lit) and send the pattern again.</source>
        <translation>Vuelva a enchufar el cable si se ha soltado, ponga de nuevo el módulo en recepción (todos los LED encendidos) y envíe el patrón otra vez.</translation>
    </message>
</context>
<context>
    <name>zg::Downloader</name>
    <message>
        <location filename="../src/ui/download/Downloader.cpp" line="+24"/>
        <source><byte value="xd"/> 1) Cycle power/Connect Zelta-Glow to programming cable (All LEDs flash), then<byte value="xd"/><byte value="xd"/> 2)  Wait till all LEDS come on and stay on, then<byte value="xd"/><byte value="xd"/> 3)  With all LEDs lit, Press &apos;OK&apos; to download to Zelta-Glow...</source>
        <translation><byte value="xd"/> 1) Apague y encienda el Zelta-Glow o conéctelo al cable de programación (todos los LED destellan), luego<byte value="xd"/><byte value="xd"/> 2)  Espere a que todos los LED se enciendan y queden encendidos, luego<byte value="xd"/><byte value="xd"/> 3)  Con todos los LED encendidos, pulse &apos;Aceptar&apos; para transferir al Zelta-Glow...</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Download to ZELTA-GLOW  -  Programmable LED Sequencer/Flasher...</source>
        <translation>Transferir al ZELTA-GLOW  -  Secuenciador de LED...</translation>
    </message>
</context>
<context>
    <name>zg::ExportCommands</name>
    <message>
        <location filename="../src/ui/datafiles/ExportCommands.cpp" line="+19"/>
        <source>Export Animation</source>
        <translation>Exportar animación</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1st zone: 1000-1240 µs (far left)</source>
        <translation>1.ª zona: 1000-1240 µs (a la izquierda del todo)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2nd zone: 1250-1490 µs (left of centre)</source>
        <translation>2.ª zona: 1250-1490 µs (a la izquierda del centro)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3rd zone: 1500-1740 µs (centre to right of centre)</source>
        <translation>3.ª zona: 1500-1740 µs (del centro a la derecha del centro)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4th zone: 1750-1990 µs (far right)</source>
        <translation>4.ª zona: 1750-1990 µs (a la derecha del todo)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>GIF Images (*.gif)</source>
        <translation>Imágenes GIF (*.gif)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Export Picture</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PNG Images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Show the module as it lights with the stick in the

(The sequencer delay is under 20 ms: the animation shows the module every 20 ms, so a flash shorter than that may not show.)</source>
        <translation>Mostrar el módulo tal como se enciende con la palanca en la

(El retardo del secuenciador es menor de 20 ms: la animación muestra el módulo cada 20 ms, así que un destello más corto puede no verse.)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show the module as it lights with the stick in the</source>
        <translation>Mostrar el módulo tal como se enciende con la palanca en la</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>pattern</source>
        <translation>secuencia</translation>
    </message>
</context>
<context>
    <name>zg::FileCommands</name>
    <message>
        <location filename="../src/ui/datafiles/FileCommandTexts.cpp" line="+22"/>
        <source>Data Files (*.DAT)</source>
        <translation>Archivos de datos (*.DAT)</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save ZELTA-GLOW Programmable LED Sequencer/Flasher Data File</source>
        <translation>Guardar archivo de datos del secuenciador/destellador de LED ZELTA-GLOW</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open ZELTA-GLOW Programmable LED Sequencer/Flasher Data File</source>
        <translation>Abrir archivo de datos del secuenciador/destellador de LED ZELTA-GLOW</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Merge ZELTA-GLOW Programmable LED Sequencer/Flasher Data File</source>
        <translation>Combinar archivo de datos del secuenciador/destellador de LED ZELTA-GLOW</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Replace existing file - %1?</source>
        <translation>¿Reemplazar el archivo existente - %1?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The sequence could not be saved to<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>An existing file of that name is unchanged.</source>
        <translation>No se pudo guardar la secuencia en<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Un archivo existente con ese nombre queda sin cambios.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Whether the file<byte value="xd"/>%1<byte value="xd"/>already exists cannot be told: %2<byte value="xd"/><byte value="xd"/>Nothing was saved.</source>
        <translation>No se puede saber si el archivo<byte value="xd"/>%1<byte value="xd"/>ya existe: %2<byte value="xd"/><byte value="xd"/>No se guardó nada.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file<byte value="xd"/>%1<byte value="xd"/>could not be opened:<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>No se pudo abrir el archivo<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file<byte value="xd"/>%1<byte value="xd"/>is not a Zelta-Glow data file: none of its first 50 lines holds an event.<byte value="xd"/><byte value="xd"/>Nothing was changed.</source>
        <translation>El archivo<byte value="xd"/>%1<byte value="xd"/>no es un archivo de datos de Zelta-Glow: ninguna de sus primeras 50 líneas contiene un paso.<byte value="xd"/><byte value="xd"/>No se cambió nada.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file<byte value="xd"/>%1<byte value="xd"/>is not a Zelta-Glow data file: %2<byte value="xd"/><byte value="xd"/>Nothing was changed.</source>
        <translation>El archivo<byte value="xd"/>%1<byte value="xd"/>no es un archivo de datos de Zelta-Glow: %2<byte value="xd"/><byte value="xd"/>No se cambió nada.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The program was closed on %1 with a pattern that had not been saved.<byte value="xd"/><byte value="xd"/>Bring that pattern back?</source>
        <translation>El programa se cerró el %1 con una secuencia sin guardar.<byte value="xd"/><byte value="xd"/>¿Recuperar esa secuencia?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The program was closed on %1 with a pattern that had not been saved.<byte value="xd"/><byte value="xd"/>If you bring it back, %2 is not opened now: open it afterwards when you need it.<byte value="xd"/><byte value="xd"/>Bring that pattern back?</source>
        <translation>El programa se cerró el %1 con una secuencia sin guardar.<byte value="xd"/><byte value="xd"/>Si la recupera, %2 no se abre ahora: ábralo después cuando lo necesite.<byte value="xd"/><byte value="xd"/>¿Recuperar esa secuencia?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The program was closed on %1 with changes to<byte value="xd"/>%2<byte value="xd"/>that had not been saved.<byte value="xd"/><byte value="xd"/>Bring those changes back?</source>
        <translation>El programa se cerró el %1 con cambios en<byte value="xd"/>%2<byte value="xd"/>que no se habían guardado.<byte value="xd"/><byte value="xd"/>¿Recuperar esos cambios?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The program was closed on %1 with changes to<byte value="xd"/>%2<byte value="xd"/>that had not been saved.<byte value="xd"/><byte value="xd"/>If you bring them back, %3 is not opened now: open it afterwards when you need it.<byte value="xd"/><byte value="xd"/>Bring those changes back?</source>
        <translation>El programa se cerró el %1 con cambios en<byte value="xd"/>%2<byte value="xd"/>que no se habían guardado.<byte value="xd"/><byte value="xd"/>Si los recupera, %3 no se abre ahora: ábralo después cuando lo necesite.<byte value="xd"/><byte value="xd"/>¿Recuperar esos cambios?</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The pattern brought back is not yet protected: its copy could not be written to<byte value="xd"/>%1<byte value="xd"/>(%2).<byte value="xd"/><byte value="xd"/>The old copy<byte value="xd"/>%3<byte value="xd"/>is kept until then. Save the pattern to a file of your own.</source>
        <translation>La secuencia recuperada aún no está protegida: no se pudo escribir su copia en<byte value="xd"/>%1<byte value="xd"/>(%2).<byte value="xd"/><byte value="xd"/>La copia anterior<byte value="xd"/>%3<byte value="xd"/>se conserva mientras tanto. Guarde la secuencia en un archivo propio.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Unsaved work is not being kept: the program tried to keep it in<byte value="xd"/>%1<byte value="xd"/>(%2).<byte value="xd"/><byte value="xd"/>Save your work to a file before you close the program.</source>
        <translation>El trabajo sin guardar no se está conservando: el programa intentó guardarlo en<byte value="xd"/>%1<byte value="xd"/>(%2).<byte value="xd"/><byte value="xd"/>Guarde su trabajo en un archivo antes de cerrar el programa.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Unsaved work is not being kept: %1 cannot be written.</source>
        <translation>El trabajo sin guardar no se está conservando: no se puede escribir en %1.</translation>
    </message>
    <message>
        <location filename="../src/files/FileTexts.cpp" line="+27"/>
        <source>%1 is the pattern&apos;s own data file: an export would write over it. Choose another name.</source>
        <translation>%1 es el propio archivo de datos de la secuencia: una exportación lo sobrescribiría. Elija otro nombre.</translation>
    </message>
    <message>
        <location filename="../src/ui/datafiles/FileCommandTexts.cpp" line="-57"/>
        <source>The file %1 is incomplete or damaged.<byte value="xd"/><byte value="xd"/>These lines could not be used and were left out:<byte value="xd"/>%2</source>
        <translation>El archivo %1 está incompleto o dañado.<byte value="xd"/><byte value="xd"/>Estas líneas no se podían usar y se omitieron:<byte value="xd"/>%2</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The copy of the pattern left unsaved on %1 was incomplete or damaged.<byte value="xd"/><byte value="xd"/>These lines of the copy could not be used and were left out:<byte value="xd"/>%2</source>
        <translation>La copia del patrón que quedó sin guardar el %1 estaba incompleta o dañada.<byte value="xd"/><byte value="xd"/>Estas líneas de la copia no se pudieron usar y se omitieron:<byte value="xd"/>%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The copy of the changes to<byte value="xd"/>%1<byte value="xd"/>left unsaved on %2 was incomplete or damaged; the file itself is unchanged.<byte value="xd"/><byte value="xd"/>These lines of the copy could not be used and were left out:<byte value="xd"/>%3</source>
        <translation>La copia de los cambios en<byte value="xd"/>%1<byte value="xd"/>que quedaron sin guardar el %2 estaba incompleta o dañada; el archivo en sí no ha cambiado.<byte value="xd"/><byte value="xd"/>Estas líneas de la copia no se pudieron usar y se omitieron:<byte value="xd"/>%3</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Your settings could not be written to<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Its folder may be write-protected or the disk full. The port, the place of the window and the recent files are not remembered for the next start.</source>
        <translation>No se pudo escribir su configuración en<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Puede que su carpeta esté protegida contra escritura o el disco lleno. El puerto, la posición de la ventana y los archivos recientes no se recuerdan para el próximo inicio.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Settings are not being remembered: %1 cannot be written.</source>
        <translation>La configuración no se está recordando: no se puede escribir %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The pattern left unsaved on %1 could not be read.</source>
        <translation>No se pudo leer la secuencia que quedó sin guardar el %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The pattern left unsaved on %1 could not be read. It was set aside as<byte value="xd"/>%2</source>
        <translation>No se pudo leer la secuencia que quedó sin guardar el %1. Se apartó como<byte value="xd"/>%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 was not opened, so that the pattern brought back stays. Open it from the File menu when you need it.</source>
        <translation>%1 no se abrió, para que se conserve la secuencia recuperada. Ábralo desde el menú Archivo cuando lo necesite.</translation>
    </message>
</context>
<context>
    <name>zg::FlashPatternDialog</name>
    <message>
        <location filename="../src/ui/editing/FlashPatternDialog.cpp" line="+22"/>
        <source>Flash Pattern</source>
        <translation>Patrón de destellos</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Steady</source>
        <translation>Fijo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Single Flash</source>
        <translation>Destello simple</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Double Flash</source>
        <translation>Destello doble</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Triple Flash</source>
        <translation>Destello triple</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Beacon</source>
        <translation>Baliza</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Alternate</source>
        <translation>Alterno</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chase</source>
        <translation>Secuencial</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Flicker</source>
        <translation>Parpadeo</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>LED#%1</source>
        <translation>LED#%1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source> a minute</source>
        <translation> por minuto</translation>
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
        <translation>&amp;Ajustar el ciclo a la frecuencia</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>LEDs:</source>
        <translation>LED:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Effect:</source>
        <translation>&amp;Efecto:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Rate:</source>
        <translation>&amp;Frecuencia:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>F&amp;lash length:</source>
        <translation>D&amp;uración del destello:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Gap between flashes:</source>
        <translation>&amp;Pausa entre destellos:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start &amp;offset:</source>
        <translation>&amp;Desfase inicial:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Seed:</source>
        <translation>&amp;Semilla:</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>Fit the c&amp;ycle at a sequencer delay of %1 ms</source>
        <translation>Ajustar el c&amp;iclo a un retardo del secuenciador de %1 ms</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The sequencer delay is 0: the module runs at its fastest, a step that no rate can be given for. Choose a sequencer delay to lay the pattern out.</source>
        <translation>El retardo del secuenciador es 0: el módulo va a su máxima velocidad, un paso para el que no se puede dar ninguna frecuencia. Elija un retardo del secuenciador para disponer la secuencia.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>One period is %1 events at a sequencer delay of %2 ms, more than the 50 a pattern has: without fitting the cycle the pattern repeats every %3 events, %4 a minute instead of %5.</source>
        <translation>Un periodo son %1 pasos con un retardo del secuenciador de %2 ms, más que los 50 de un patrón: sin ajustar el ciclo, el patrón se repite cada %3 pasos, %4 por minuto en lugar de %5.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The flashes do not fit: %1 needs %2 events for its flashes and gaps, and one period is %3 events at a sequencer delay of %4 ms.</source>
        <translation>Los destellos no caben: %1 necesita %2 pasos para sus destellos y pausas, y un periodo tiene %3 pasos con un retardo del secuenciador de %4 ms.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The flashes do not fit: a chase of %1 LEDs needs %2 events for its flashes and gaps, and one period is %3 events at a sequencer delay of %4 ms.</source>
        <translation>Los destellos no caben: una secuencia de %1 LED necesita %2 pasos para sus destellos y pausas, y un periodo son %3 pasos con un retardo del secuenciador de %4 ms.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The lights overlap: %1 LEDs taking turns need %2 events for their flashes, and one period is %3 events at a sequencer delay of %4 ms.</source>
        <translation>Las luces se solapan: %1 LED que se alternan necesitan %2 pasos para sus destellos, y un periodo son %3 pasos con un retardo del secuenciador de %4 ms.</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>One period is %1 events at today&apos;s sequencer delay of %2 ms: more than the 50 events there are.</source>
        <translation>Un periodo son %1 pasos con el retardo actual del secuenciador de %2 ms: más que los 50 pasos que hay.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>One period is longer than 50 events even at a sequencer delay of 100 ms: choose a higher rate.</source>
        <translation>Un periodo supera los 50 pasos incluso con un retardo del secuenciador de 100 ms: elija una frecuencia mayor.</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>Change the sequencer &amp;delay to %1 ms</source>
        <translation>Cambiar el re&amp;tardo del secuenciador a %1 ms</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Use a %1 ms flash</source>
        <translation>Usar un destell&amp;o de %1 ms</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Use a %1 ms ga&amp;p</source>
        <translation>Usar u&amp;na pausa de %1 ms</translation>
    </message>
</context>
<context>
    <name>zg::FlashPreview</name>
    <message>
        <location filename="../src/ui/editing/FlashPreview.cpp" line="+16"/>
        <source>Pattern preview</source>
        <translation>Vista previa del patrón</translation>
    </message>
</context>
<context>
    <name>zg::GridEditor</name>
    <message>
        <location filename="../src/ui/editing/GridEditor.cpp" line="+14"/>
        <source>Cell</source>
        <translation>Celda</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Paint</source>
        <translation>Pintar</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>End Mark</source>
        <translation>Marca de fin</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Servo Mode</source>
        <translation>Modo servo</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Row Command</source>
        <translation>Orden de fila</translation>
    </message>
</context>
<context>
    <name>zg::GridWidget</name>
    <message>
        <location filename="../src/ui/grid/GridAccessibility.cpp" line="+110"/>
        <source>Event %1</source>
        <translation>Paso %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>LED #%1</source>
        <translation>LED #%1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>LED #%1, event %2</source>
        <translation>LED #%1, paso %2</translation>
    </message>
    <message>
        <location filename="../src/ui/grid/GridWidget.cpp" line="+27"/>
        <source>Pattern</source>
        <translation>Secuencia</translation>
    </message>
</context>
<context>
    <name>zg::HelpWindow</name>
    <message>
        <location filename="../src/ui/help/HelpWindow.cpp" line="+22"/>
        <source>Zelta-Glow User Manual</source>
        <translation>Manual de usuario del Zelta-Glow</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Find:</source>
        <translation>Buscar:</translation>
    </message>
</context>
<context>
    <name>zg::JoystickStick</name>
    <message>
        <location filename="../src/ui/test/JoystickStick.cpp" line="+62"/>
        <source>Joysticks cannot be read on this computer (%1): the scroll bar is the stick.</source>
        <translation>No se pueden leer joysticks en este ordenador (%1): la barra de desplazamiento hace de palanca.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The joystick %1 was unplugged: the scroll bar is the stick again.</source>
        <translation>Se desconectó el joystick %1: la barra de desplazamiento vuelve a ser la palanca.</translation>
    </message>
</context>
<context>
    <name>zg::LanguageMenu</name>
    <message>
        <location filename="../src/ui/window/LanguageMenu.cpp" line="+31"/>
        <source>English</source>
        <extracomment>The name of the language of this translation, in that language (&quot;Deutsch&quot;, &quot;Français&quot;).</extracomment>
        <translation>Español</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&amp;System</source>
        <translation>Idioma del &amp;sistema</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>The new language is used from the next start of Zelta-Glow.</source>
        <translation>El nuevo idioma se aplica a partir del próximo inicio de Zelta-Glow.</translation>
    </message>
</context>
<context>
    <name>zg::MainWindow</name>
    <message>
        <location filename="../src/ui/controls/RowOptionsEntries.cpp" line="+17"/>
        <source>Clear All</source>
        <translation>Apagar todo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mark All</source>
        <translation>Encender todo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Toggle All</source>
        <translation>Invertir todo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy from...</source>
        <translation>Copiar de...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy to...</source>
        <translation>Copiar a...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skip 1...</source>
        <translation>Saltar 1...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skip 2...</source>
        <translation>Saltar 2...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skip 3...</source>
        <translation>Saltar 3...</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Copy from LED #%1</source>
        <translation>Copiar de LED #%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy to LED #%1</source>
        <translation>Copiar a LED #%1</translation>
    </message>
    <message>
        <location filename="../src/ui/controls/MainWindowControls.cpp" line="+34"/>
        <location filename="../src/ui/controls/RowOptionsEntries.cpp" line="-16"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cyan</source>
        <translation>Cian</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <location filename="../src/ui/controls/LedLabelTips.cpp" line="+25"/>
        <source>Click here to change color of %1</source>
        <translation>Haga clic aquí para cambiar el color de %1</translation>
    </message>
    <message>
        <location filename="../src/ui/controls/MainWindowControls.cpp" line="+74"/>
        <source>LED #%1 indicator</source>
        <translation>Indicador del LED #%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Click here to change %1 flash pattern</source>
        <translation>Haga clic aquí para cambiar el patrón de destellos de %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pattern commands for LED #%1</source>
        <translation>Órdenes de patrón del LED #%1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Servo Control</source>
        <translation>Modo servo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Change how LED#%1 will repond to R/C servo signal</source>
        <translation>Elegir cómo responde el LED#%1 a la señal de servo del receptor</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Servo control of LED #%1</source>
        <translation>Control por servo del LED #%1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>LED color</source>
        <translation>Color del LED</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pattern commands</source>
        <translation>Órdenes de patrón</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other LED</source>
        <translation>Otro LED</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Open File...</source>
        <translation>A&amp;brir...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open a sequence data file</source>
        <translation>Abrir un archivo de secuencia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save File...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save this sequence to a data file</source>
        <translation>Guardar esta secuencia en un archivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/ui/window/MainWindowMenus.cpp" line="+275"/>
        <source>&amp;Test</source>
        <translation>&amp;Probar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click here to visually test LED sequence</source>
        <translation>Haga clic aquí para probar la secuencia de LED en pantalla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;ettings...</source>
        <translation>Aj&amp;ustes...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change Software/Zelta-Glow Settings...</source>
        <translation>Cambiar los ajustes del programa y del Zelta-Glow...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;DOWNLOAD</source>
        <translation>&amp;TRANSFERIR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Download data to Zelta-Glow Sequencer/Flasher</source>
        <translation>Transferir los datos al secuenciador/destellador Zelta-Glow</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/ui/window/MainWindowMenus.cpp" line="-190"/>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit the program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Servo stick</source>
        <translation>Palanca del servo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Servo Pulsewidth =</source>
        <translation>Pulso servo =</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>(Use Mouse or Left + Right Arrow key to change servo position)</source>
        <translation>(Mueva la palanca con el ratón o las flechas izquierda y derecha)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Downloading to ZELTA-GLOW ...</source>
        <translation>Transfiriendo al ZELTA-GLOW ...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Download progress</source>
        <translation>Progreso de la transferencia</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Variable Speed</source>
        <translation>Velocidad variable</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowMenus.cpp" line="-19"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New/Clear</source>
        <translation>&amp;Nuevo/Borrar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New from &amp;Preset</source>
        <translation>Nuevo desde &amp;plantilla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recent &amp;Files</source>
        <translation>Archivos &amp;recientes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Merge</source>
        <translation>&amp;Combinar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save &amp;as Preset...</source>
        <translation>Guardar como plan&amp;tilla...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Expor&amp;t Animation...</source>
        <translation>Exportar an&amp;imación...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export Pict&amp;ure...</source>
        <translation>Exportar i&amp;magen...</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select &amp;All</source>
        <translation>Seleccionar t&amp;odo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Insert Event</source>
        <translation>&amp;Insertar paso</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>D&amp;elete Event</source>
        <translation>&amp;Eliminar paso</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Shift &amp;Left</source>
        <translation>Desplazar a la i&amp;zquierda</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Shift Ri&amp;ght</source>
        <translation>Desplazar a la derec&amp;ha</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Repeat &amp;Selection</source>
        <translation>Repetir &amp;selección</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&amp;Flash Pattern...</source>
        <translation>Patrón de &amp;flash...</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Optio&amp;ns</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Stick Input...</source>
        <translation>Entrada de la &amp;palanca...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play at the &amp;Module&apos;s Speed</source>
        <translation>Reproducir a la velocidad del &amp;módulo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Model View</source>
        <translation>Vista del &amp;modelo</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer: %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Ed&amp;it</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>&amp;Download</source>
        <translation>&amp;Transferir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Settings</source>
        <translation>A&amp;justes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>H&amp;ow to ...</source>
        <translation>&amp;Cómo se usa ...</translation>
    </message>
    <message>
        <location filename="../src/ui/window/DocumentDisplay.cpp" line="+29"/>
        <source>Color of LED #%1: %2</source>
        <translation>Color del LED #%1: %2</translation>
    </message>
</context>
<context>
    <name>zg::ModelCanvas</name>
    <message>
        <location filename="../src/ui/modelview/ModelCanvas.cpp" line="+37"/>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <location filename="../src/ui/modelview/LightMenu.cpp" line="+11"/>
        <source>&amp;Name...</source>
        <translation>&amp;Nombrar...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Double</source>
        <translation>&amp;Duplicar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
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
        <translation>LED #%1, encendido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LED #%1, dark</source>
        <translation>LED #%1, apagado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, LED #%2, lit</source>
        <translation>%1, LED #%2, encendido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, LED #%2, dark</source>
        <translation>%1, LED #%2, apagado</translation>
    </message>
</context>
<context>
    <name>zg::ModelCommands</name>
    <message>
        <location filename="../src/ui/modelview/ModelCommands.cpp" line="+102"/>
        <source>The model %1 cannot be read (%2): the plane is shown instead.</source>
        <translation>No se puede leer el modelo %1 (%2): en su lugar se muestra el avión.</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>The model %1 cannot be kept: %2</source>
        <translation>No se puede conservar el modelo %1: %2</translation>
    </message>
    <message>
        <location line="-88"/>
        <source>Move Light</source>
        <translation>Mover luz</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Double Light</source>
        <translation>Duplicar luz</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remove Light</source>
        <translation>Quitar luz</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>The picture %1 cannot be shown (%2): the plane stands in for it.</source>
        <translation>No se puede mostrar la imagen %1 (%2): el avión ocupa su lugar.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Outline</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Picture of the Model</source>
        <translation>Imagen del modelo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pictures (*.png *.jpg *.jpeg *.svg)</source>
        <translation>Imágenes (*.png *.jpg *.jpeg *.svg)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The picture %1 cannot be used: %2.</source>
        <translation>No se puede usar la imagen %1: %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Name Light</source>
        <translation>Nombrar luz</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Name of the Light</source>
        <translation>Nombre de la luz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What LED#%1 lights here:</source>
        <translation>Lo que LED#%1 ilumina aquí:</translation>
    </message>
</context>
<context>
    <name>zg::ModelFile</name>
    <message>
        <location filename="../src/files/ModelFile.cpp" line="+75"/>
        <source>the picture it carries is damaged</source>
        <translation>la imagen que contiene está dañada</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>it is not JSON (%1 at byte %2)</source>
        <translation>no es JSON (%1 en el byte %2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it holds no Zelta-Glow model</source>
        <translation>no contiene ningún modelo de Zelta-Glow</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it has %1 lights; a model has at most %2</source>
        <translation>tiene %1 luces; un modelo tiene como mucho %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>one of its lights has no output from 1 to 4 or no place</source>
        <translation>una de sus luces no tiene salida del 1 al 4 o no tiene sitio</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it does not exist</source>
        <translation>no existe</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+4"/>
        <source>it is far too large for a model</source>
        <translation>es demasiado grande para un modelo</translation>
    </message>
    <message>
        <location filename="../src/files/ModelLibrary.cpp" line="+26"/>
        <source>%1 cannot name a model: %2</source>
        <translation>%1 no sirve como nombre de modelo: %2</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>there is no model of that name</source>
        <translation>no hay ningún modelo con ese nombre</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The folder %1 cannot be created.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>There is a model %1 already.</source>
        <translation>Ya hay un modelo %1.</translation>
    </message>
</context>
<context>
    <name>zg::ModelLayout</name>
    <message>
        <location filename="../src/model/ModelLayout.cpp" line="+32"/>
        <source>Left wingtip</source>
        <translation>Punta del ala izquierda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right wingtip</source>
        <translation>Punta del ala derecha</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+5"/>
        <source>Tail strobe</source>
        <translation>Destello de cola</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Landing light</source>
        <translation>Luz de aterrizaje</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Left side</source>
        <translation>Lado izquierdo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right side</source>
        <translation>Lado derecho</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Beacon</source>
        <translation>Baliza</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Front left</source>
        <translation>Delante izquierda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Front right</source>
        <translation>Delante derecha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rear left</source>
        <translation>Detrás izquierda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rear right</source>
        <translation>Detrás derecha</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Left headlight</source>
        <translation>Faro izquierdo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right headlight</source>
        <translation>Faro derecho</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Left tail light</source>
        <translation>Piloto trasero izquierdo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right tail light</source>
        <translation>Piloto trasero derecho</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Port light</source>
        <translation>Luz de babor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Starboard light</source>
        <translation>Luz de estribor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stern light</source>
        <translation>Luz de popa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Masthead light</source>
        <translation>Luz de tope</translation>
    </message>
</context>
<context>
    <name>zg::ModelLibraryCommands</name>
    <message>
        <location filename="../src/ui/modelview/ModelLibraryCommands.cpp" line="+41"/>
        <source>The model %1 cannot be read (%2).</source>
        <translation>No se puede leer el modelo %1 (%2).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>My Plane</source>
        <translation>Mi avión</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Name of the model:</source>
        <translation>Nombre del modelo:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot name a model: %2</source>
        <translation>%1 no sirve como nombre de modelo: %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>There is a model %1 already: choose another name.</source>
        <translation>Ya hay un modelo %1: elija otro nombre.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>There is a model %1 already. Replace it with a new one?</source>
        <translation>Ya hay un modelo %1. ¿Sustituirlo por uno nuevo?</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>My Picture</source>
        <translation>Mi imagen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New Model</source>
        <translation>Nuevo modelo</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+50"/>
        <source>The model %1 cannot be kept: %2</source>
        <translation>No se puede conservar el modelo %1: %2</translation>
    </message>
    <message>
        <location line="-45"/>
        <source>Rename Model</source>
        <translation>Renombrar modelo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The model %1 cannot be renamed: %2</source>
        <translation>No se puede renombrar el modelo %1: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Delete the model %1?</source>
        <translation>¿Eliminar el modelo %1?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The model %1 cannot be deleted: %2</source>
        <translation>No se puede eliminar el modelo %1: %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Import Model</source>
        <translation>Importar modelo</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+34"/>
        <source>Models (*.json)</source>
        <translation>Modelos (*.json)</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>%1 cannot be imported: %2</source>
        <translation>No se puede importar %1: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Imported Model</source>
        <translation>Modelo importado</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 cannot be imported: it has %2 lights and no light for %3; a model has at most %4.</source>
        <translation>No se puede importar %1: tiene %2 luces y ninguna luz para %3; un modelo tiene como mucho %4.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The model %1 had no light for %2: each was put at its usual place.</source>
        <translation>El modelo %1 no tenía luz para %2: cada una se puso en su sitio habitual.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Export Model</source>
        <translation>Exportar modelo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The model cannot be written to %1: %2</source>
        <translation>No se puede escribir el modelo en %1: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The picture %1 of the model cannot be read, so the file carries none.</source>
        <translation>No se puede leer la imagen %1 del modelo, así que el archivo no lleva ninguna.</translation>
    </message>
</context>
<context>
    <name>zg::ModelPicture</name>
    <message>
        <location filename="../src/export/ModelPicture.cpp" line="+59"/>
        <source>the model names no picture</source>
        <translation>el modelo no nombra ninguna imagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the picture it carries is damaged</source>
        <translation>la imagen que contiene está dañada</translation>
    </message>
    <message>
        <location filename="../src/export/PictureFile.cpp" line="+60"/>
        <source>it is %1 MB; a model carries a drawing of up to %2 MB</source>
        <translation>tiene %1 MB; un modelo lleva dibujos de hasta %2 MB</translation>
    </message>
    <message>
        <location line="-11"/>
        <location line="+19"/>
        <source>it is no drawing the program can show</source>
        <translation>no es un dibujo que el programa pueda mostrar</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>it is a compressed drawing (SVGZ); save it as plain SVG</source>
        <translation>es un dibujo comprimido (SVGZ); guárdelo como SVG simple</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it draws in another file, %1; a drawing of a model must stand alone</source>
        <translation>dibuja en otro archivo, %1; el dibujo de un modelo debe valerse por sí mismo</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>it cannot be made small enough for a model</source>
        <translation>no se puede hacer lo bastante pequeña para un modelo</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it does not exist</source>
        <translation>no existe</translation>
    </message>
</context>
<context>
    <name>zg::ModelStore</name>
    <message>
        <location filename="../src/ui/modelview/ModelStore.cpp" line="+92"/>
        <location line="+16"/>
        <source>The model was changed in another window; it is shown as it is now.</source>
        <translation>El modelo se cambió en otra ventana; se muestra tal como está ahora.</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>The model was renamed %1 in another window.</source>
        <translation>El modelo se renombró como %1 en otra ventana.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The model %1 was deleted in another window; a change here keeps it again.</source>
        <translation>El modelo %1 se eliminó en otra ventana; un cambio aquí lo vuelve a conservar.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Another window changed the model just now; it is shown as it is now.</source>
        <translation>Otra ventana acaba de cambiar el modelo; se muestra tal como está ahora.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>There is a model %1 already.</source>
        <translation>Ya hay un modelo %1.</translation>
    </message>
</context>
<context>
    <name>zg::ModelWindow</name>
    <message>
        <location filename="../src/ui/modelview/ModelWindow.cpp" line="+26"/>
        <source>Plane (high wing)</source>
        <translation>Avión (ala alta)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Helicopter</source>
        <translation>Helicóptero</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Multicopter</source>
        <translation>Multicóptero</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Car or truck</source>
        <translation>Coche o camión</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Boat</source>
        <translation>Barco</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A picture of your own</source>
        <translation>Una imagen propia</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Model View</source>
        <translation>Vista del modelo</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Drag a light to its place; right-click it to name, double or remove it.</source>
        <translation>Arrastre una luz a su sitio; con un clic derecho puede nombrarla, duplicarla o quitarla.</translation>
    </message>
    <message>
        <location line="-51"/>
        <source>&amp;Model:</source>
        <translation>&amp;Modelo:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Outline:</source>
        <translation>&amp;Contorno:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;New...</source>
        <translation>&amp;Nuevo...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Picture...</source>
        <translation>Im&amp;agen...</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Ren&amp;ame...</source>
        <translation>&amp;Renombrar...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete...</source>
        <translation>E&amp;liminar...</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo</source>
        <translation>Re&amp;hacer</translation>
    </message>
</context>
<context>
    <name>zg::PatternPictures</name>
    <message>
        <location filename="../src/export/ModelPicture.cpp" line="+131"/>
        <location filename="../src/export/PatternPictures.cpp" line="+81"/>
        <source>The animation could not be encoded: %1</source>
        <translation>No se pudo codificar la animación: %1</translation>
    </message>
    <message>
        <location filename="../src/export/PatternPictures.cpp" line="+11"/>
        <source>Sequencer Delay 0 ms: %1 events, played at the module&apos;s fastest</source>
        <translation>Retardo del secuenciador 0 ms: %1 pasos, a la máxima velocidad del módulo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sequencer Delay %1 ms: %2 events, a cycle of %3</source>
        <translation>Retardo del secuenciador %1 ms: %2 pasos, un ciclo de %3</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>The picture could not be encoded.</source>
        <translation>No se pudo codificar la imagen.</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>(typed)</source>
        <translation>(escrito)</translation>
    </message>
</context>
<context>
    <name>zg::PortFindings</name>
    <message>
        <location filename="../src/device/PortFindings.cpp" line="+40"/>
        <source>You may not use %1: it belongs to %2:%3 with the access %4, which opens it to no group you could join; give it to the group dialout with the line SUBSYSTEM==&quot;tty&quot;, KERNEL==&quot;%5&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot; in /etc/udev/rules.d/99-zelta-glow.rules and plug the cable in again, or for now run &quot;sudo chmod a+rw %1&quot;.</source>
        <translation>No puede usar %1: pertenece a %2:%3 con los permisos %4, que no lo abren a ningún grupo al que pudiera unirse; asígnelo al grupo dialout con la línea SUBSYSTEM==&quot;tty&quot;, KERNEL==&quot;%5&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot; en /etc/udev/rules.d/99-zelta-glow.rules y vuelva a enchufar el cable, o por ahora ejecute &quot;sudo chmod a+rw %1&quot;.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>You may not use %1: ask whoever looks after this computer for read and write access to it.</source>
        <translation>No puede usar %1: pida a quien administra este ordenador acceso de lectura y escritura.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You may not use %1 yet: you joined its group &apos;%2&apos; after you logged in; log out and in again (or restart the computer) for it to take effect.</source>
        <translation>Aún no puede usar %1: se unió a su grupo &apos;%2&apos; después de iniciar sesión; cierre la sesión y vuelva a entrar (o reinicie el ordenador) para que surta efecto.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You may not use %1: it belongs to the group &apos;%2&apos;, which you are not in; join it with &quot;sudo usermod -aG %2 $USER&quot;, then log out and in again.</source>
        <translation>No puede usar %1: pertenece al grupo &apos;%2&apos;, del que no es miembro; únase con &quot;sudo usermod -aG %2 $USER&quot; y luego cierre la sesión y vuelva a entrar.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>process %1</source>
        <translation>proceso %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (process %2)</source>
        <translation>%1 (proceso %2)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 is in use by another program, one that you cannot see: close it and send again.</source>
        <translation>%1 está en uso por otro programa, uno que usted no puede ver: ciérrelo y envíe de nuevo.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 is in use by %2: close that program, or end it with &quot;kill %3&quot;, and send again.</source>
        <translation>%1 está en uso por %2: cierre ese programa, o termínelo con &quot;kill %3&quot;, y envíe de nuevo.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>ModemManager is running and may take %1 for a modem for several seconds after the cable is plugged in, sending it bytes of its own; to keep it away, put the line ATTRS{idVendor}==&quot;%2&quot;, ATTRS{idProduct}==&quot;%3&quot;, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot; into /etc/udev/rules.d/99-zelta-glow.rules, run &quot;sudo udevadm control --reload-rules&quot; and plug the cable in again.</source>
        <translation>ModemManager está en marcha y puede tomar %1 por un módem durante varios segundos tras enchufar el cable, enviándole bytes propios; para mantenerlo alejado, ponga la línea ATTRS{idVendor}==&quot;%2&quot;, ATTRS{idProduct}==&quot;%3&quot;, ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot; en /etc/udev/rules.d/99-zelta-glow.rules, ejecute &quot;sudo udevadm control --reload-rules&quot; y vuelva a enchufar el cable.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>brltty, a program for Braille displays, is installed and may take %1 adapters like the one plugged in (%2) for itself, so that its port disappears; if you use no Braille display, remove it with &quot;sudo apt remove brltty&quot;.</source>
        <translation>brltty, un programa para líneas braille, está instalado y puede apropiarse de adaptadores %1 como el enchufado (%2), con lo que su puerto desaparece; si no usa una línea braille, quítelo con &quot;sudo apt remove brltty&quot;.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>brltty, a program for Braille displays, has taken the %1 adapter plugged in (%2) for itself, so that it has no serial port; if you use no Braille display, remove it with &quot;sudo apt remove brltty&quot;, otherwise keep it off with &quot;sudo systemctl mask brltty-udev.service brltty.service&quot;, and plug the cable in again.</source>
        <translation>brltty, un programa para líneas braille, se ha apropiado del adaptador %1 enchufado (%2), que por eso no tiene puerto serie; si no usa una línea braille, quítelo con &quot;sudo apt remove brltty&quot;, si no, apártelo con &quot;sudo systemctl mask brltty-udev.service brltty.service&quot;, y vuelva a enchufar el cable.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>A %1 USB serial adapter (%2) is plugged in but has no serial port: its driver, %3, is missing or not loaded; load it with &quot;sudo modprobe %3&quot;, and if that fails, install your system&apos;s package of extra kernel modules.</source>
        <translation>Hay un adaptador serie USB %1 (%2) enchufado, pero no tiene puerto serie: su controlador, %3, falta o no está cargado; cárguelo con &quot;sudo modprobe %3&quot; y, si falla, instale el paquete de módulos del núcleo adicionales de su sistema.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 does not exist: check the path given with --device; the programming cable&apos;s device is usually /dev/ttyUSB0, or a name in /dev/serial/by-id/.</source>
        <translation>%1 no existe: compruebe la ruta dada con --device; el dispositivo del cable de programación suele ser /dev/ttyUSB0, o un nombre en /dev/serial/by-id/.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is no longer there: plug the programming cable in again.</source>
        <translation>%1 ya no está: vuelva a enchufar el cable de programación.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a serial device: name the programming cable&apos;s device with --device, or leave --device out.</source>
        <translation>%1 no es un dispositivo serie: indique con --device el dispositivo del cable de programación, u omita --device.</translation>
    </message>
</context>
<context>
    <name>zg::PortListing</name>
    <message>
        <location filename="../src/device/PortListing.cpp" line="+38"/>
        <source>No serial device has a number from 1 to 6.</source>
        <translation>Ningún dispositivo serie tiene un número del 1 al 6.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No serial device is plugged in.</source>
        <translation>No hay ningún dispositivo serie enchufado.</translation>
    </message>
</context>
<context>
    <name>zg::PortTooltip</name>
    <message>
        <location filename="../src/device/PortTooltip.cpp" line="+10"/>
        <source>no serial device is plugged in for this number (%1 found)</source>
        <translation>no hay ningún dispositivo serie conectado para este número (%1 encontrados)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 has a number above 6: if the cable is on it, give it a number from 1 to 6 in Device Manager (Ports (COM &amp; LPT), %1, Properties, Port Settings, Advanced, COM Port Number), or start the program with --device %1.</source>
        <translation>%1 tiene un número mayor que 6: si el cable está en él, dele un número del 1 al 6 en el Administrador de dispositivos (Puertos (COM y LPT), %1, Propiedades, Configuración de puerto, Opciones avanzadas, Número de puerto COM), o inicie el programa con --device %1.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The adapter %1 is on %2, a number above 6: give it a number from 1 to 6 in Device Manager (Ports (COM &amp; LPT), %1, Properties, Port Settings, Advanced, COM Port Number), or start the program with --device %2.</source>
        <translation>El adaptador %1 está en %2, un número mayor que 6: dele un número del 1 al 6 en el Administrador de dispositivos (Puertos (COM y LPT), %1, Propiedades, Configuración de puerto, Opciones avanzadas, Número de puerto COM), o inicie el programa con --device %2.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Port %1: %2, which the system does not list now</source>
        <translation>Puerto %1: %2, que el sistema no muestra ahora</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+14"/>
        <source>Port %1: %2</source>
        <translation>Puerto %1: %2</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Port %1: %2, %3</source>
        <translation>Puerto %1: %2, %3</translation>
    </message>
</context>
<context>
    <name>zg::PresetCommands</name>
    <message>
        <location filename="../src/ui/presets/PresetCommands.cpp" line="+58"/>
        <source>(No presets found)</source>
        <translation>(No se encontraron plantillas)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 is now %2</source>
        <translation>%1 se llama ahora %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Presets that an earlier version kept were moved to<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>These had names that were already taken there and now have new names:<byte value="xd"/>%2</source>
        <translation>Las plantillas que guardaba una versión anterior se movieron a<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Estas tenían nombres que ya estaban ocupados allí y ahora tienen nombres nuevos:<byte value="xd"/>%2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>New from Preset</source>
        <translation>Nuevo desde plantilla</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The folder for presets could not be made.</source>
        <translation>No se pudo crear la carpeta de plantillas.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Save as Preset</source>
        <translation>Guardar como plantilla</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Name of the preset:</source>
        <translation>Nombre de la plantilla:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&quot;%1&quot; cannot name a preset.<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>«%1» no sirve como nombre de plantilla.<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
</context>
<context>
    <name>zg::PresetLibrary</name>
    <message>
        <location filename="../src/files/PresetLibrary.cpp" line="+67"/>
        <source>The name is empty.</source>
        <translation>El nombre está vacío.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A name cannot begin with a dot, nor begin or end with a blank or a dot.</source>
        <translation>Un nombre no puede empezar por un punto, ni empezar o terminar con un espacio o un punto.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A name is one line, without tabs.</source>
        <translation>Un nombre es una sola línea, sin tabuladores.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A name has at most %1 characters.</source>
        <translation>Un nombre tiene como mucho %1 caracteres.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The name is too long for a file name; shorten it.</source>
        <translation>El nombre es demasiado largo para un nombre de archivo; acórtelo.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 names a device on Windows.</source>
        <translation>%1 es el nombre de un dispositivo en Windows.</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>A name cannot hold any of / \ : * ? &quot; &lt; &gt; |.</source>
        <translation>Un nombre no puede contener ninguno de estos caracteres: / \ : * ? &quot; &lt; &gt; |.</translation>
    </message>
</context>
<context>
    <name>zg::Presets</name>
    <message>
        <location filename="../src/ui/presets/PresetNames.cpp" line="+13"/>
        <source>My Presets</source>
        <translation>Mis plantillas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aircraft</source>
        <translation>Aviones</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Landing Light in the Upper Stick Zones</source>
        <translation>Faro de aterrizaje en las zonas altas de la palanca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Navigation Lights and Double Strobe</source>
        <translation>Luces de navegación y destello doble</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Navigation Lights and Single Strobe</source>
        <translation>Luces de navegación y destello simple</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red Anti-Collision Beacons</source>
        <translation>Balizas anticolisión rojas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Boats</source>
        <translation>Barcos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Navigation Lights and Masthead Light</source>
        <translation>Luces de navegación y luz de tope</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cars</source>
        <translation>Coches</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brake and Reverse Lights by Stick</source>
        <translation>Luces de freno y marcha atrás con la palanca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Emergency Flasher, Red and Blue</source>
        <translation>Destellos de emergencia, rojo y azul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hazard Lights</source>
        <translation>Luces de emergencia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indicators by Stick</source>
        <translation>Intermitentes con la palanca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Helicopters</source>
        <translation>Helicópteros</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Navigation Lights and Anti-Collision Beacon</source>
        <translation>Luces de navegación y baliza anticolisión</translation>
    </message>
</context>
<context>
    <name>zg::ProgramCommands</name>
    <message>
        <location filename="../src/ui/help/ProgramTexts.cpp" line="+24"/>
        <source>  Programmable LED Sequencer/Flasher  - Beta3</source>
        <translation>  Secuenciador/destellador de LED programable  - Beta3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>By:  %1</source>
        <translation>De:  %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The user manual could not be shown: no program on this computer opened<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Open that address in a web browser.</source>
        <translation>No se pudo mostrar el manual: ningún programa de este ordenador abrió<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Abra esa dirección en un navegador web.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The user manual that came with the program was not found. It was looked for as<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>No se encontró el manual que viene con el programa. Se buscó como<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Redirecting to VANTORO webpage for more info...</source>
        <translation> Redirigiendo a la página web de VANTORO para más información...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A download is running: the module has got %1 of %2 items so far. Exiting now stops it, and the module holds an incomplete pattern until it is sent again.</source>
        <translation>Hay una transferencia en curso: el módulo ha recibido %1 de %2 valores hasta ahora. Salir ahora la detiene, y el módulo tiene un patrón incompleto hasta que se envíe de nuevo.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A download is running: the module has got %1 of %2 items so far.<byte value="xd"/><byte value="xd"/>Yes stops it now and closes the program; the module then holds an incomplete pattern until it is sent again.<byte value="xd"/>No closes the program once the download is done.<byte value="xd"/>Cancel keeps the program open.</source>
        <translation>Hay una transferencia en curso: el módulo ha recibido %1 de %2 valores hasta ahora.<byte value="xd"/><byte value="xd"/>Sí la detiene ahora y cierra el programa; el módulo tiene entonces un patrón incompleto hasta que se envíe de nuevo.<byte value="xd"/>No cierra el programa cuando termine la transferencia.<byte value="xd"/>Cancelar mantiene el programa abierto.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>OK to Really Exit ?</source>
        <translation>¿Salir de verdad?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(Be sure you have saved your files)</source>
        <translation>(Asegúrese de haber guardado sus archivos)</translation>
    </message>
</context>
<context>
    <name>zg::QtSerialLink</name>
    <message>
        <location filename="../src/device/QtSerialLink.cpp" line="+141"/>
        <source>Line settings &quot;%1&quot; not understood.</source>
        <translation>No se entienden los ajustes de línea «%1».</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 is not a serial device.</source>
        <translation>%1 no es un dispositivo serie.</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+11"/>
        <source>The serial port is not open.</source>
        <translation>El puerto serie no está abierto.</translation>
    </message>
</context>
<context>
    <name>zg::RangeCommands</name>
    <message>
        <location filename="../src/ui/editing/RangeCommands.cpp" line="+32"/>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Nothing pasted: line %1, character %2 is no cell (1 x X # * or 0 - . blank).</source>
        <translation>No se pegó nada: línea %1, carácter %2 no es una celda (1 x X # * o 0 - . espacio).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Nothing pasted: the clipboard holds no cells.</source>
        <translation>No se pegó nada: el portapapeles no contiene celdas.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 of the pasted cells fell beyond LED #4 or event 50 and were left out.</source>
        <translation>%1 de las celdas pegadas quedaban más allá del LED #4 o del paso 50 y se omitieron.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Insert Event</source>
        <translation>Insertar paso</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Event 50 fell off the end with its lit cells (Undo brings it back).</source>
        <translation>El paso 50 se salió por el final con sus celdas encendidas (Deshacer lo recupera).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Delete Event</source>
        <translation>Eliminar paso</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Shift Left</source>
        <translation>Desplazar a la izquierda</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shift Right</source>
        <translation>Desplazar a la derecha</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Select the events to repeat first (Shift with the arrow keys).</source>
        <translation>Seleccione primero los pasos que quiere repetir (Mayús con las flechas).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Repeat Selection</source>
        <translation>Repetir selección</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nothing to repeat into: the selection reaches the end mark.</source>
        <translation>No hay dónde repetir: la selección llega a la marca de fin.</translation>
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
        <translation>(ninguno)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Clear List</source>
        <translation>&amp;Vaciar la lista</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The file<byte value="xd"/>%1<byte value="xd"/>is no longer there. It was taken off the list of recent files.</source>
        <translation>El archivo<byte value="xd"/>%1<byte value="xd"/>ya no existe. Se quitó de la lista de archivos recientes.</translation>
    </message>
</context>
<context>
    <name>zg::SettingsCommands</name>
    <message>
        <location filename="../src/ui/settings/SettingsCommands.cpp" line="+13"/>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The port setting could not be saved in LED.cfg in the folder<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>No se pudo guardar el ajuste del puerto en LED.cfg en la carpeta<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
</context>
<context>
    <name>zg::SettingsDialog</name>
    <message>
        <location filename="../src/ui/settings/SettingsDialog.cpp" line="+47"/>
        <source>The list %1 holds &quot;%2&quot;, which is not one of its entries.<byte value="xd"/><byte value="xd"/>Pick or type a number from 1 to %3. Nothing was changed.</source>
        <translation>La lista %1 contiene «%2», que no es una de sus entradas.<byte value="xd"/><byte value="xd"/>Elija o escriba un número del 1 al %3. No se cambió nada.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>ZELTA-GLOW  -  Programmable LED Sequencer/Flasher Settings...</source>
        <translation>ZELTA-GLOW  -  Ajustes del secuenciador de LED...</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Software Settings</source>
        <translation>Ajustes del programa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Communication Port# (RS-232)</source>
        <translation>Puerto serie n.º (RS-232)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(Programming cable is connected to this 9-pin port#)</source>
        <translation>(El cable de programación está conectado a este puerto de 9 pines)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LED Test Speed (ms)</source>
        <translation>Velocidad de prueba (ms)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>(Set to match Test speed with Sequencer speed)</source>
        <translation>(Para igualar la prueba al secuenciador)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zelta-Glow Settings</source>
        <translation>Ajustes del Zelta-Glow</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sequencer Delay (ms)</source>
        <translation>Retardo secuenc. (ms)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>(Sets the delay between each of the 50 events )</source>
        <translation>(Retardo entre cada uno de los 50 pasos)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Use Pull-downs for changing all settings!</source>
        <translation>¡Cambie los ajustes con las listas!</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>This run sends to %1 (--device).</source>
        <translation>Esta sesión envía a %1 (--device).</translation>
    </message>
</context>
<context>
    <name>zg::StickInputDialog</name>
    <message>
        <location filename="../src/ui/test/StickInputDialog.cpp" line="+16"/>
        <source>Stick Input</source>
        <translation>Entrada de la palanca</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Joysticks cannot be read on this computer: %1</source>
        <translation>No se pueden leer joysticks en este ordenador: %1</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>&amp;Reverse</source>
        <translation>&amp;Invertir</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Use the &amp;Scroll Bar</source>
        <translation>Usar la &amp;barra de desplazamiento</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Joystick:</source>
        <translation>&amp;Joystick:</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>No joystick found: plug the transmitter in as a USB joystick.</source>
        <translation>No se encontró ningún joystick: conecte la emisora como joystick USB.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Move the stick or switch that drives the lights from one end to the other.</source>
        <translation>Mueva la palanca o el interruptor que manda las luces de un extremo al otro.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+17"/>
        <source>Axis %1, from %2 to %3</source>
        <translation>Eje %1, de %2 a %3</translation>
    </message>
</context>
<context>
    <name>zg::TestPlayer</name>
    <message>
        <location filename="../src/ui/test/TestPlayer.cpp" line="+42"/>
        <source>Stop Test</source>
        <translation>Detener</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>&amp;Test</source>
        <translation>&amp;Probar</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The sequencer delay is 0: the module runs at its fastest, and the test plays at its fastest step, %1 ms.</source>
        <translation>El retardo del secuenciador es 0: el módulo va lo más rápido posible y la prueba se reproduce con su paso más corto, %1 ms.</translation>
    </message>
</context>
<context>
    <name>zg::TimingText</name>
    <message>
        <location filename="../src/export/TimingText.cpp" line="+22"/>
        <source>in stick zone %1 only</source>
        <translation>solo en la zona de palanca %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in stick zones %1 and %2 only</source>
        <translation>solo en las zonas de palanca %1 y %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>1 flash of %1</source>
        <translation>1 destello de %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 flashes of %2</source>
        <translation>%1 destellos de %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 flashes of %2 to %3 ms</source>
        <translation>%1 destellos de %2 a %3 ms</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 flashes of %2 to %3</source>
        <translation>%1 destellos de %2 a %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>1 flash</source>
        <translation>1 destello</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 flashes</source>
        <translation>%1 destellos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 in a cycle of %2 events; at a sequencer delay of 0 the module runs at its fastest, so no rate can be given</source>
        <translation>%1 en un ciclo de %2 pasos; con un retardo del secuenciador de 0 el módulo va lo más rápido posible, así que no se puede dar una frecuencia</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 every %2 (%3)</source>
        <translation>%1 cada %2 (%3)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, dark %2</source>
        <translation>%1, apagado %2</translation>
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
        <translation>%1 por minuto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>never lit (servo mode OFF)</source>
        <translation>nunca se enciende (modo servo OFF)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>never lit</source>
        <translation>nunca se enciende</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>on all the time</source>
        <translation>encendido todo el tiempo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1, with no servo mode chosen</source>
        <translation>%1, sin modo servo elegido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>event %1</source>
        <translation>paso %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>event %1: %2 to %3 ms</source>
        <translation>paso %1: %2 a %3 ms</translation>
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
        <translation>Paso %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Event %1: %2 to %3 ms</source>
        <translation>Paso %1: %2 a %3 ms</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (the end mark: the cycle starts again after it)</source>
        <translation>%1 (la marca de fin: después el ciclo vuelve a empezar)</translation>
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
        <translation>No se puede crear la carpeta ni escribir en ella</translation>
    </message>
</context>
<context>
    <name>zg::UserDialogs</name>
    <message>
        <location filename="../src/ui/common/UserDialogs.h" line="+16"/>
        <source>ZELTA-GLOW  -  LED Sequencer/Flasher</source>
        <translation>ZELTA-GLOW  -  Secuenciador/destellador de LED</translation>
    </message>
</context>
<context>
    <name>zg::WholeFile</name>
    <message>
        <location filename="../src/files/WholeFile.cpp" line="+31"/>
        <source>The content could not be produced.</source>
        <translation>No se pudo generar el contenido.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The new file could not be given the permissions of the old one: %1</source>
        <translation>No se pudieron dar al archivo nuevo los permisos del antiguo: %1</translation>
    </message>
</context>
</TS>
