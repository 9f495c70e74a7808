<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Cli</name>
    <message>
        <source>Paused in aMule: %1</source>
        <translation>Pausado en aMule: %1</translation>
    </message>
    <message>
        <source>Could not write in %1.</source>
        <translation>No se pudo escribir en %1.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Error de red: %1</translation>
    </message>
    <message>
        <source>Warning: the loaded fake lists hold no record; no download can be found as a fake.</source>
        <translation>Aviso: las listas de fakes cargadas no contienen ninguna entrada; ninguna descarga puede reconocerse como fake.</translation>
    </message>
    <message>
        <source>Could not pause %1: %2</source>
        <translation>No se pudo pausar %1: %2</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Aviso: %1</translation>
    </message>
    <message>
        <source>Update failed; checking with the local fake list.</source>
        <translation>La actualización falló; se comprueba con la lista de fakes local.</translation>
    </message>
    <message>
        <source>Could not store the update address in %1.</source>
        <translation>No se pudo guardar la dirección de actualización en %1.</translation>
    </message>
    <message>
        <source>Found %1: %2 (names no temp directory)</source>
        <translation>Encontrado %1: %2 (no indica ningún directorio temporal)</translation>
    </message>
    <message>
        <source>Found %1: %2 (temp directory %3)</source>
        <translation>Encontrado %1: %2 (directorio temporal %3)</translation>
    </message>
    <message>
        <source>No client preference file found (looked for ~/.aMule/amule.conf, and eMule&apos;s preferences.ini and eDonkey&apos;s pref.met in the Wine prefix ~/.wine). Run &apos;kestrivane-cli import FILE&apos; or pass --temp-dir DIR to &apos;check&apos;.</source>
        <translation>No se encontró ningún archivo de preferencias de un cliente (se buscaron ~/.aMule/amule.conf, y preferences.ini de eMule y pref.met de eDonkey en el prefijo de Wine ~/.wine). Ejecute &apos;kestrivane-cli import FILE&apos; o pase --temp-dir DIR a &apos;check&apos;.</translation>
    </message>
    <message>
        <source>No client preference file found that names a temp directory (looked for ~/.aMule/amule.conf, and eMule&apos;s preferences.ini and eDonkey&apos;s pref.met in the Wine prefix ~/.wine). Run &apos;kestrivane-cli import FILE&apos; or pass --temp-dir DIR to &apos;check&apos;.</source>
        <translation>No se encontró ningún archivo de preferencias de un cliente que indique un directorio temporal (se buscaron ~/.aMule/amule.conf, y preferences.ini de eMule y pref.met de eDonkey en el prefijo de Wine ~/.wine). Ejecute &apos;kestrivane-cli import FILE&apos; o pase --temp-dir DIR a &apos;check&apos;.</translation>
    </message>
    <message>
        <source>Importing %1</source>
        <translation>Importando %1</translation>
    </message>
    <message>
        <source>Cannot mark %1: give the file&apos;s size with --size BYTES when marking a hash.</source>
        <translation>No se puede marcar %1: indique el tamaño del archivo con --size BYTES al marcar un hash.</translation>
    </message>
    <message>
        <source>The check found no fake to export.</source>
        <translation>La comprobación no encontró ningún fake que exportar.</translation>
    </message>
    <message>
        <source>%1 list line(s) written to %2.</source>
        <translation>%1 línea(s) de lista escrita(s) en %2.</translation>
    </message>
    <message>
        <source>Could not read the standard input.</source>
        <translation>No se pudo leer la entrada estándar.</translation>
    </message>
    <message>
        <source>Line %1: </source>
        <translation>Línea %1: </translation>
    </message>
    <message>
        <source>Read again: %1</source>
        <translation>Leído de nuevo: %1</translation>
    </message>
    <message>
        <source>Cannot read %1 now; the list read before is used.</source>
        <translation>No se puede leer %1 ahora; se usa la lista leída antes.</translation>
    </message>
    <message>
        <source>Gone: %1</source>
        <translation>Desaparecido: %1</translation>
    </message>
    <message>
        <source>Settings and lists read again.</source>
        <translation>Ajustes y listas leídos de nuevo.</translation>
    </message>
    <message>
        <source>Watching %1; changes are checked within %2 s (Ctrl+C ends, SIGHUP reads the lists again)</source>
        <translation>Vigilando %1; los cambios se comprueban en %2 s (Ctrl+C termina, SIGHUP vuelve a leer las listas)</translation>
    </message>
    <message>
        <source>Watching %1 and 1 further temp directory; changes are checked within %2 s (Ctrl+C ends, SIGHUP reads the lists again)</source>
        <translation>Vigilando %1 y 1 directorio temporal más; los cambios se comprueban en %2 s (Ctrl+C termina, SIGHUP vuelve a leer las listas)</translation>
    </message>
    <message>
        <source>Watching %1 and %2 further temp directories; changes are checked within %3 s (Ctrl+C ends, SIGHUP reads the lists again)</source>
        <translation>Vigilando %1 y %2 directorios temporales más; los cambios se comprueban en %3 s (Ctrl+C termina, SIGHUP vuelve a leer las listas)</translation>
    </message>
    <message>
        <source>Could not pause %1 in aMule: %2</source>
        <translation>No se pudo pausar %1 en aMule: %2</translation>
    </message>
    <message>
        <source>--exec: cannot split &apos;%1&apos; into a program and its arguments (unclosed quote?).</source>
        <translation>--exec: no se puede dividir &apos;%1&apos; en un programa y sus argumentos (¿comilla sin cerrar?).</translation>
    </message>
    <message>
        <source>No temp directory is set: run &apos;kestrivane-cli import FILE&apos; or &apos;kestrivane-cli import --detect&apos;, or pass --temp-dir DIR.</source>
        <translation>No hay ningún directorio temporal: ejecute &apos;kestrivane-cli import FILE&apos; o &apos;kestrivane-cli import --detect&apos;, o indique --temp-dir DIR.</translation>
    </message>
    <message>
        <source>Temp directory %1 not found!</source>
        <translation>¡No se encontró el directorio temporal %1!</translation>
    </message>
    <message>
        <source>Cannot read the temp directory %1: %2.</source>
        <translation>No se puede leer el directorio temporal %1: %2.</translation>
    </message>
    <message>
        <source>Could not read the fake list %1.</source>
        <translation>No se pudo leer la lista de fakes %1.</translation>
    </message>
    <message>
        <source>The check could not run.</source>
        <translation>La comprobación no pudo ejecutarse.</translation>
    </message>
    <message>
        <source>No fake list: %1 does not exist. %2</source>
        <translation>No hay lista de fakes: %1 no existe. %2</translation>
    </message>
    <message>
        <source>Could not read the fake list %1: %2.</source>
        <translation>No se pudo leer la lista de fakes %1: %2.</translation>
    </message>
    <message>
        <source>aMule: %1</source>
        <translation>aMule: %1</translation>
    </message>
    <message>
        <source>No fake list: %1 does not exist. Run &apos;kestrivane-cli update&apos; or pass --fakes FILE.</source>
        <translation>No hay lista de fakes: %1 no existe. Ejecute &apos;kestrivane-cli update&apos; o indique --fakes FILE.</translation>
    </message>
    <message>
        <source>%1 is too large to check for links (%2 bytes; at most %3 MiB are read).</source>
        <translation>%1 es demasiado grande para buscar enlaces (%2 bytes; se leen como mucho %3 MiB).</translation>
    </message>
    <message>
        <source>Could not read %1.</source>
        <translation>No se pudo leer %1.</translation>
    </message>
    <message>
        <source>The link check could not run.</source>
        <translation>La comprobación de enlaces no pudo ejecutarse.</translation>
    </message>
    <message>
        <source>Cannot import %1: the file must be named pref.met (eDonkey), preferences.ini (eMule) or amule.conf (aMule).</source>
        <translation>No se puede importar %1: el archivo debe llamarse pref.met (eDonkey), preferences.ini (eMule) o amule.conf (aMule).</translation>
    </message>
    <message>
        <source>Cannot import %1: no such file.</source>
        <translation>No se puede importar %1: el archivo no existe.</translation>
    </message>
    <message>
        <source>Error: No &apos;temp!&apos; entry in pref.met found!</source>
        <translation>Error: no se encontró la entrada &apos;temp!&apos; en pref.met.</translation>
    </message>
    <message>
        <source>Error: No &apos;[eMule] TempDir=&apos; in amule.conf found!</source>
        <translation>Error: ¡No se encontró &apos;[eMule] TempDir=&apos; en amule.conf!</translation>
    </message>
    <message>
        <source>Error: No &apos;[eMule] TempDir=&apos; in preferences.ini found!</source>
        <translation>Error: no se encontró &apos;[eMule] TempDir=&apos; en preferences.ini.</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>No se pudo escribir %1.</translation>
    </message>
    <message>
        <source>The import stored no temp directory.</source>
        <translation>La importación no guardó ningún directorio temporal.</translation>
    </message>
    <message>
        <source>eDonkey PREF.MET successfully opened, &apos;PrefMetPath&apos; and &apos;TempPath&apos; written to KESTRIVANE.INI</source>
        <translation>PREF.MET de eDonkey abierto, &apos;PrefMetPath&apos; y &apos;TempPath&apos; escritos en KESTRIVANE.INI</translation>
    </message>
    <message>
        <source>eMule PREFERENCES.INI successfully opened, &apos;PreferencesIniPath&apos; and &apos;TempDir&apos; written to KESTRIVANE.INI</source>
        <translation>PREFERENCES.INI de eMule abierto, &apos;PreferencesIniPath&apos; y &apos;TempDir&apos; escritos en KESTRIVANE.INI</translation>
    </message>
    <message>
        <source>aMule AMULE.CONF successfully opened, &apos;PreferencesIniPath&apos; and &apos;TempDir&apos; written to KESTRIVANE.INI</source>
        <translation>AMULE.CONF de aMule abierto, &apos;PreferencesIniPath&apos; y &apos;TempDir&apos; escritos en KESTRIVANE.INI</translation>
    </message>
    <message>
        <source>Cannot mark %1: give a .part.met name of the temp directory (001.part) or a hash of 32 hex digits.</source>
        <translation>No se puede marcar %1: indique un nombre de .part.met del directorio temporal (001.part) o un hash de 32 dígitos hexadecimales.</translation>
    </message>
    <message>
        <source>No temp directory is set; use --temp-dir or import the client&apos;s preferences first.</source>
        <translation>No hay ningún directorio temporal; use --temp-dir o importe primero las preferencias del cliente.</translation>
    </message>
    <message>
        <source>Cannot mark %1: the file holds no ed2k hash.</source>
        <translation>No se puede marcar %1: el archivo no contiene ningún hash ed2k.</translation>
    </message>
    <message>
        <source>Cannot mark %1: no such .part.met in %2.</source>
        <translation>No se puede marcar %1: no existe ese .part.met en %2.</translation>
    </message>
    <message>
        <source>The own list could not be written.</source>
        <translation>No se pudo escribir la lista propia.</translation>
    </message>
    <message>
        <source>Another Kestrivane (%1, pid %2) is writing in %3; try again when it has finished.</source>
        <translation>Otro Kestrivane (%1, pid %2) está escribiendo en %3; inténtelo de nuevo cuando haya terminado.</translation>
    </message>
    <message>
        <source>Another Kestrivane (pid %1) is writing in %2; try again when it has finished.</source>
        <translation>Otro Kestrivane (pid %1) está escribiendo en %2; inténtelo de nuevo cuando haya terminado.</translation>
    </message>
    <message>
        <source>Another Kestrivane is writing in %1; try again when it has finished.</source>
        <translation>Otro Kestrivane está escribiendo en %1; inténtelo de nuevo cuando haya terminado.</translation>
    </message>
    <message>
        <source>Warning: no fake list: %1 does not exist, so only names, part hashes and the bytes already downloaded were checked. %2</source>
        <translation>Aviso: no hay lista de fakes: %1 no existe, así que solo se comprobaron los nombres, los hashes de partes y los bytes ya descargados. %2</translation>
    </message>
    <message>
        <source>Marked as fake in MYFAKES.DAT: %1</source>
        <translation>Marcado como fake en MYFAKES.DAT: %1</translation>
    </message>
    <message>
        <source>Removed from MYFAKES.DAT: %1</source>
        <translation>Quitado de MYFAKES.DAT: %1</translation>
    </message>
    <message>
        <source>Recorded as not a fake in MYFAKES.DAT: %1</source>
        <translation>Registrado como no fake en MYFAKES.DAT: %1</translation>
    </message>
    <message>
        <source>Your own list MYFAKES.DAT does not name %1.</source>
        <translation>Su lista MYFAKES.DAT no incluye %1.</translation>
    </message>
    <message>
        <source>Finished! Found %1 part.met-File with Text &apos;%2&apos;</source>
        <translation>¡Terminado! %1 archivo(s) part.met con el texto &apos;%2&apos;</translation>
    </message>
    <message>
        <source>New FAKE-DB - Version %1 available! Please download it now...</source>
        <translation>¡Nueva FAKE-DB - versión %1 disponible! Descárguela ahora...</translation>
    </message>
    <message>
        <source>Not updated: fake list source %1 (the other sources were updated or are current).</source>
        <translation>No actualizada: fuente %1 de la lista de fakes (las demás fuentes se actualizaron o están al día).</translation>
    </message>
    <message>
        <source>Download finished! New %1 written...</source>
        <translation>¡Descarga terminada! Nuevo %1 escrito...</translation>
    </message>
    <message>
        <source>Could not connect to the internet</source>
        <translation>No se pudo conectar a Internet</translation>
    </message>
    <message>
        <source>Could not open file %1.</source>
        <translation>No se pudo abrir el archivo %1.</translation>
    </message>
    <message>
        <source>Download of %1 was interrupted.</source>
        <translation>La descarga de %1 se interrumpió.</translation>
    </message>
    <message>
        <source>File actually not available: %1</source>
        <translation>Archivo no disponible actualmente: %1</translation>
    </message>
    <message>
        <source>Could not write file %1.</source>
        <translation>No se pudo escribir el archivo %1.</translation>
    </message>
    <message>
        <source>The fake list at %1 has not changed since the last download.</source>
        <translation>La lista de fakes en %1 no ha cambiado desde la última descarga.</translation>
    </message>
    <message>
        <source>--exec: %1 ended with status %2.</source>
        <translation>--exec: %1 terminó con el estado %2.</translation>
    </message>
    <message>
        <source>--exec: %1 was ended by signal %2.</source>
        <translation>--exec: %1 fue terminado por la señal %2.</translation>
    </message>
    <message>
        <source>--exec: %1 ended.</source>
        <translation>--exec: %1 terminó.</translation>
    </message>
    <message>
        <source>The directory %1 is gone; watching for it to come back.</source>
        <translation>El directorio %1 ha desaparecido; se vigila su regreso.</translation>
    </message>
    <message>
        <source>--exec: too many findings waiting for %1; some are not run.</source>
        <translation>--exec: demasiados hallazgos esperan a %1; algunos no se ejecutan.</translation>
    </message>
    <message>
        <source>--exec: %1 ran longer than %2 s and is ended.</source>
        <translation>--exec: %1 se ejecutó más de %2 s y se termina.</translation>
    </message>
    <message>
        <source>--exec: could not start %1.</source>
        <translation>--exec: no se pudo iniciar %1.</translation>
    </message>
    <message>
        <source>--exec: %1 findings not handed on.</source>
        <translation>--exec: %1 hallazgos no transmitidos.</translation>
    </message>
    <message>
        <source>Cannot watch for changes: %1</source>
        <translation>No se pueden vigilar los cambios: %1</translation>
    </message>
    <message>
        <source>The directory %1 is not there; watching for it to appear.</source>
        <translation>El directorio %1 no está; se vigila su aparición.</translation>
    </message>
    <message>
        <source>Replaced: %1; watching the new one.</source>
        <translation>Sustituido: %1; se vigila el nuevo.</translation>
    </message>
    <message>
        <source>Watching %1 again.</source>
        <translation>Vigilando %1 de nuevo.</translation>
    </message>
    <message>
        <source>aMule&apos;s External Connections password: </source>
        <translation>Contraseña de las External Connections de aMule: </translation>
    </message>
    <message>
        <source>Not a host or host:port: %1</source>
        <translation>No es un host ni host:puerto: %1</translation>
    </message>
    <message>
        <source>The password is empty.</source>
        <translation>La contraseña está vacía.</translation>
    </message>
    <message>
        <source>No password on the standard input.</source>
        <translation>No hay contraseña en la entrada estándar.</translation>
    </message>
    <message>
        <source>No password: pass --password-stdin and give it on the standard input.</source>
        <translation>No hay contraseña: pase --password-stdin y désela en la entrada estándar.</translation>
    </message>
    <message>
        <source>No amule.conf found: pass HOST[:PORT], or import aMule&apos;s amule.conf first (kestrivane-cli import FILE).</source>
        <translation>No se encontró ningún amule.conf: indique HOST[:PORT] o importe primero el amule.conf de aMule (kestrivane-cli import FILE).</translation>
    </message>
    <message>
        <source>aMule does not accept External Connections (AcceptExternalConnections in %1): turn on remote controls in aMule&apos;s preferences, or pass HOST[:PORT].</source>
        <translation>aMule no acepta External Connections (AcceptExternalConnections en %1): active el control remoto en las preferencias de aMule o indique HOST[:PORT].</translation>
    </message>
    <message>
        <source>aMule has no External Connections password set (ECPassword in %1).</source>
        <translation>aMule no tiene contraseña para las External Connections (ECPassword en %1).</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>En pausa: %1</translation>
    </message>
    <message>
        <source>Resumed: %1</source>
        <translation>Reanudado: %1</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Detenido: %1</translation>
    </message>
    <message>
        <source>Cancelled: %1</source>
        <translation>Cancelado: %1</translation>
    </message>
    <message>
        <source>Could not resume %1: %2</source>
        <translation>No se pudo reanudar %1: %2</translation>
    </message>
    <message>
        <source>Could not stop %1: %2</source>
        <translation>No se pudo detener %1: %2</translation>
    </message>
    <message>
        <source>Could not cancel %1: %2</source>
        <translation>No se pudo cancelar %1: %2</translation>
    </message>
    <message>
        <source>aMule has no download %1.</source>
        <translation>aMule no tiene ninguna descarga %1.</translation>
    </message>
    <message>
        <source>Cancelling deletes the downloads in aMule: pass --yes to confirm.</source>
        <translation>Cancelar borra las descargas en aMule: pase --yes para confirmar.</translation>
    </message>
    <message>
        <source>Cancel this download in aMule and delete what has arrived? [y/N] </source>
        <translation>¿Cancelar esta descarga en aMule y borrar lo que ha llegado? [y/N] </translation>
    </message>
    <message>
        <source>Cancel %1 downloads in aMule and delete what has arrived? [y/N] </source>
        <translation>¿Cancelar %1 descargas en aMule y borrar lo que ha llegado? [y/N] </translation>
    </message>
    <message>
        <source>Nothing cancelled.</source>
        <translation>No se canceló nada.</translation>
    </message>
    <message>
        <source>%1 (%2). Nothing stored.</source>
        <translation>%1 (%2). No se guardó nada.</translation>
    </message>
    <message>
        <source>Connected, but could not write %1.</source>
        <translation>Conectado, pero no se pudo escribir %1.</translation>
    </message>
    <message>
        <source>(version not given)</source>
        <translation>(versión no indicada)</translation>
    </message>
    <message>
        <source>Connected to aMule %1 at %2; stored in %3.</source>
        <translation>Conectado a aMule %1 en %2; guardado en %3.</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;; did you mean &apos;%2&apos;? (&apos;kestrivane-cli --help&apos; lists the commands)</source>
        <translation>Orden desconocida &apos;%1&apos;; ¿quería decir &apos;%2&apos;? (&apos;kestrivane-cli --help&apos; muestra las órdenes)</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos; (&apos;kestrivane-cli --help&apos; lists the commands)</source>
        <translation>Orden desconocida &apos;%1&apos; (&apos;kestrivane-cli --help&apos; muestra las órdenes)</translation>
    </message>
    <message>
        <source>Reading links from the keyboard: paste them, then press Ctrl+D (or give a FILE).</source>
        <translation>Leyendo enlaces del teclado: péguelos y pulse Ctrl+D (o indique un FILE).</translation>
    </message>
    <message>
        <source>No directory for the settings: HOME is not set. Pass --home DIR or set KESTRIVANE_HOME.</source>
        <translation>No hay directorio para los ajustes: HOME no está definido. Indique --home DIR o defina KESTRIVANE_HOME.</translation>
    </message>
    <message>
        <source>Cannot create the directory %1. Pass --home DIR.</source>
        <translation>No se puede crear el directorio %1. Indique --home DIR.</translation>
    </message>
    <message>
        <source>--home %1: no such directory.</source>
        <translation>--home %1: el directorio no existe.</translation>
    </message>
    <message>
        <source>Partname	Filename	Error-Description</source>
        <translation>Nombre del part	Nombre del archivo	Descripción del error</translation>
    </message>
    <message>
        <source>Line	Filename	Error-Description</source>
        <translation>Línea	Nombre del archivo	Descripción del error</translation>
    </message>
    <message>
        <source>There is no public fake list; to get one, mark fakes yourself (&apos;kestrivane-cli mark&apos;), use a group&apos;s address (&apos;kestrivane-cli update --url URL&apos;) or pass a list file (--fakes FILE).</source>
        <translation>No existe una lista de fakes pública; para tener una, marque usted mismo los fakes (&apos;kestrivane-cli mark&apos;), use la dirección de un grupo (&apos;kestrivane-cli update --url URL&apos;) o indique un archivo de lista (--fakes FILE).</translation>
    </message>
    <message>
        <source>No update address is set. There is no public fake list; the content check works without one. To get a list, mark fakes yourself (&apos;kestrivane-cli mark&apos;), use a group&apos;s address (&apos;kestrivane-cli update --url URL&apos;) or pass a list file (--fakes FILE).</source>
        <translation>No hay ninguna dirección de actualización. No existe una lista de fakes pública; la comprobación del contenido funciona sin ella. Para tener una lista, marque usted mismo los fakes (&apos;kestrivane-cli mark&apos;), use la dirección de un grupo (&apos;kestrivane-cli update --url URL&apos;) o indique un archivo de lista (--fakes FILE).</translation>
    </message>
    <message>
        <source>No aMule connection stored: run &apos;kestrivane-cli amule connect&apos; first.</source>
        <translation>No hay ninguna conexión con aMule guardada: ejecute primero &apos;kestrivane-cli amule connect&apos;.</translation>
    </message>
    <message>
        <source>No fake list loaded: the links were checked by their names and part hashes only.</source>
        <translation>No hay lista de fakes cargada: los enlaces se comprobaron solo por sus nombres y hashes de partes.</translation>
    </message>
    <message>
        <source>Your own fake list MYFAKES.DAT holds no record yet.</source>
        <translation>Su lista de fakes MYFAKES.DAT aún no tiene ningún registro.</translation>
    </message>
    <message>
        <source>Please wait, version check is running...</source>
        <translation>Espere, se está comprobando la versión...</translation>
    </message>
    <message>
        <source>You already have the newest FAKE-DB...</source>
        <translation>Ya tiene la FAKE-DB más reciente...</translation>
    </message>
    <message>
        <source>Opening URL...</source>
        <translation>Abriendo URL...</translation>
    </message>
    <message>
        <source>Proxy Authentication is not implemented yet</source>
        <translation>La autenticación de proxy aún no está implementada</translation>
    </message>
    <message>
        <source>Online-Check/Download not available!</source>
        <translation>¡Comprobación/descarga en línea no disponible!</translation>
    </message>
    <message>
        <source>The choosen URL is temporary not available. Please try later!</source>
        <translation>La URL elegida no está disponible temporalmente. ¡Inténtelo más tarde!</translation>
    </message>
    <message>
        <source>Fake list not used</source>
        <translation>Lista de fakes no usada</translation>
    </message>
    <message>
        <source>Warning: %1 is empty; no download can be found as a fake with it.</source>
        <translation>Aviso: %1 está vacía; con ella no se puede reconocer ninguna descarga como fake.</translation>
    </message>
    <message>
        <source>Warning: %1 is a UTF-16 text, not a list of lines in single bytes; no download can be found as a fake with it.</source>
        <translation>Aviso: %1 es un texto UTF-16, no una lista de líneas en bytes simples; con ella no se puede reconocer ninguna descarga como fake.</translation>
    </message>
</context>
<context>
    <name>Types</name>
    <message>
        <source>AVI video</source>
        <translation>vídeo AVI</translation>
    </message>
    <message>
        <source>DivX video</source>
        <translation>vídeo DivX</translation>
    </message>
    <message>
        <source>Xvid video</source>
        <translation>vídeo Xvid</translation>
    </message>
    <message>
        <source>Matroska video</source>
        <translation>vídeo Matroska</translation>
    </message>
    <message>
        <source>WebM video</source>
        <translation>vídeo WebM</translation>
    </message>
    <message>
        <source>MP4 video</source>
        <translation>vídeo MP4</translation>
    </message>
    <message>
        <source>QuickTime video</source>
        <translation>vídeo QuickTime</translation>
    </message>
    <message>
        <source>3GP video</source>
        <translation>vídeo 3GP</translation>
    </message>
    <message>
        <source>Flash MP4 video</source>
        <translation>vídeo Flash MP4</translation>
    </message>
    <message>
        <source>MPEG video</source>
        <translation>vídeo MPEG</translation>
    </message>
    <message>
        <source>DVD video</source>
        <translation>vídeo DVD</translation>
    </message>
    <message>
        <source>an MPEG transport stream</source>
        <translation>un flujo de transporte MPEG</translation>
    </message>
    <message>
        <source>Windows Media video</source>
        <translation>vídeo Windows Media</translation>
    </message>
    <message>
        <source>Flash video</source>
        <translation>vídeo Flash</translation>
    </message>
    <message>
        <source>a Flash movie</source>
        <translation>una película Flash</translation>
    </message>
    <message>
        <source>Ogg video</source>
        <translation>vídeo Ogg</translation>
    </message>
    <message>
        <source>RealMedia video</source>
        <translation>vídeo RealMedia</translation>
    </message>
    <message>
        <source>MP3 audio</source>
        <translation>audio MP3</translation>
    </message>
    <message>
        <source>MPEG audio</source>
        <translation>audio MPEG</translation>
    </message>
    <message>
        <source>Windows Media audio</source>
        <translation>audio Windows Media</translation>
    </message>
    <message>
        <source>Ogg audio</source>
        <translation>audio Ogg</translation>
    </message>
    <message>
        <source>Opus audio</source>
        <translation>audio Opus</translation>
    </message>
    <message>
        <source>FLAC audio</source>
        <translation>audio FLAC</translation>
    </message>
    <message>
        <source>WAV audio</source>
        <translation>audio WAV</translation>
    </message>
    <message>
        <source>Matroska audio</source>
        <translation>audio Matroska</translation>
    </message>
    <message>
        <source>MP4 audio</source>
        <translation>audio MP4</translation>
    </message>
    <message>
        <source>AAC audio</source>
        <translation>audio AAC</translation>
    </message>
    <message>
        <source>RealAudio</source>
        <translation>RealAudio</translation>
    </message>
    <message>
        <source>AC-3 audio</source>
        <translation>audio AC-3</translation>
    </message>
    <message>
        <source>DTS audio</source>
        <translation>audio DTS</translation>
    </message>
    <message>
        <source>WavPack audio</source>
        <translation>audio WavPack</translation>
    </message>
    <message>
        <source>Musepack audio</source>
        <translation>audio Musepack</translation>
    </message>
    <message>
        <source>TTA audio</source>
        <translation>audio TTA</translation>
    </message>
    <message>
        <source>AIFF audio</source>
        <translation>audio AIFF</translation>
    </message>
    <message>
        <source>MIDI music</source>
        <translation>música MIDI</translation>
    </message>
    <message>
        <source>Monkey&apos;s Audio</source>
        <translation>Monkey&apos;s Audio</translation>
    </message>
    <message>
        <source>a disc image</source>
        <translation>una imagen de disco</translation>
    </message>
    <message>
        <source>a JPEG image</source>
        <translation>una imagen JPEG</translation>
    </message>
    <message>
        <source>a PNG image</source>
        <translation>una imagen PNG</translation>
    </message>
    <message>
        <source>a GIF image</source>
        <translation>una imagen GIF</translation>
    </message>
    <message>
        <source>a WebP image</source>
        <translation>una imagen WebP</translation>
    </message>
    <message>
        <source>a bitmap image</source>
        <translation>una imagen de mapa de bits</translation>
    </message>
    <message>
        <source>a TIFF image</source>
        <translation>una imagen TIFF</translation>
    </message>
    <message>
        <source>a ZIP archive</source>
        <translation>un archivo ZIP</translation>
    </message>
    <message>
        <source>a RAR archive</source>
        <translation>un archivo RAR</translation>
    </message>
    <message>
        <source>a 7-Zip archive</source>
        <translation>un archivo 7-Zip</translation>
    </message>
    <message>
        <source>a cabinet archive</source>
        <translation>un archivo cabinet</translation>
    </message>
    <message>
        <source>a gzip archive</source>
        <translation>un archivo gzip</translation>
    </message>
    <message>
        <source>a bzip2 archive</source>
        <translation>un archivo bzip2</translation>
    </message>
    <message>
        <source>an xz archive</source>
        <translation>un archivo xz</translation>
    </message>
    <message>
        <source>a tar archive</source>
        <translation>un archivo tar</translation>
    </message>
    <message>
        <source>an ARJ archive</source>
        <translation>un archivo ARJ</translation>
    </message>
    <message>
        <source>an ACE archive</source>
        <translation>un archivo ACE</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>un documento PDF</translation>
    </message>
    <message>
        <source>a document</source>
        <translation>un documento</translation>
    </message>
    <message>
        <source>a text file</source>
        <translation>un archivo de texto</translation>
    </message>
    <message>
        <source>subtitles</source>
        <translation>subtítulos</translation>
    </message>
    <message>
        <source>a cue sheet</source>
        <translation>una hoja cue</translation>
    </message>
    <message>
        <source>a checksum list</source>
        <translation>una lista de sumas de comprobación</translation>
    </message>
    <message>
        <source>a playlist</source>
        <translation>una lista de reproducción</translation>
    </message>
    <message>
        <source>a web page</source>
        <translation>una página web</translation>
    </message>
    <message>
        <source>an e-book</source>
        <translation>un libro electrónico</translation>
    </message>
    <message>
        <source>a help file</source>
        <translation>un archivo de ayuda</translation>
    </message>
    <message>
        <source>a comic book</source>
        <translation>un cómic</translation>
    </message>
    <message>
        <source>a program</source>
        <translation>un programa</translation>
    </message>
    <message>
        <source>of an unknown kind</source>
        <translation>de un tipo desconocido</translation>
    </message>
    <message>
        <source>a Windows Media file</source>
        <translation>un archivo Windows Media</translation>
    </message>
    <message>
        <source>Ogg media</source>
        <translation>medios Ogg</translation>
    </message>
    <message>
        <source>RealMedia</source>
        <translation>RealMedia</translation>
    </message>
    <message>
        <source>gzip-compressed data</source>
        <translation>datos comprimidos con gzip</translation>
    </message>
    <message>
        <source>bzip2-compressed data</source>
        <translation>datos comprimidos con bzip2</translation>
    </message>
    <message>
        <source>xz-compressed data</source>
        <translation>datos comprimidos con xz</translation>
    </message>
    <message>
        <source>a Windows program</source>
        <translation>un programa de Windows</translation>
    </message>
    <message>
        <source>a Linux program</source>
        <translation>un programa de Linux</translation>
    </message>
    <message>
        <source>a shell script</source>
        <translation>un script de shell</translation>
    </message>
    <message>
        <source>a Windows batch script</source>
        <translation>un script por lotes de Windows</translation>
    </message>
    <message>
        <source>a DjVu document</source>
        <translation>un documento DjVu</translation>
    </message>
    <message>
        <source>an office document</source>
        <translation>un documento de oficina</translation>
    </message>
    <message>
        <source>an Office document or an installer</source>
        <translation>un documento de Office o un instalador</translation>
    </message>
    <message>
        <source>a Windows installer</source>
        <translation>un instalador de Windows</translation>
    </message>
    <message>
        <source>plain text</source>
        <translation>texto plano</translation>
    </message>
    <message>
        <source>a Windows shortcut</source>
        <translation>un acceso directo de Windows</translation>
    </message>
    <message>
        <source>AVI header</source>
        <translation>la cabecera AVI</translation>
    </message>
    <message>
        <source>Windows Media header</source>
        <translation>la cabecera Windows Media</translation>
    </message>
    <message>
        <source>Matroska header</source>
        <translation>la cabecera Matroska</translation>
    </message>
    <message>
        <source>MP4 header</source>
        <translation>la cabecera MP4</translation>
    </message>
    <message>
        <source>QuickTime header</source>
        <translation>la cabecera QuickTime</translation>
    </message>
    <message>
        <source>MP3 header</source>
        <translation>la cabecera MP3</translation>
    </message>
    <message>
        <source>FLAC header</source>
        <translation>la cabecera FLAC</translation>
    </message>
    <message>
        <source>WAV header</source>
        <translation>la cabecera WAV</translation>
    </message>
    <message>
        <source>header</source>
        <translation>la cabecera</translation>
    </message>
</context>
<context>
    <name>Verdicts</name>
    <message>
        <source>%1 byte</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>claims %1, the data is %2%3</source>
        <translation>dice ser %1, los datos son %2%3</translation>
    </message>
    <message>
        <source>the data is %1, named .%2: it will play</source>
        <translation>los datos son %1, con nombre .%2: se reproducirá</translation>
    </message>
    <message>
        <source>a program posing as %1: the name ends in .%2.%3</source>
        <translation>un programa que se hace pasar por %1: el nombre termina en .%2.%3</translation>
    </message>
    <message>
        <source>%1 blank</source>
        <translation>%1 espacio</translation>
    </message>
    <message>
        <source>%1 blanks</source>
        <translation>%1 espacios</translation>
    </message>
    <message>
        <source>a program posing as %1: the name ends in .%2, %3 and .%4</source>
        <translation>un programa que se hace pasar por %1: el nombre termina en .%2, %3 y .%4</translation>
    </message>
    <message>
        <source>a program hidden behind blanks: the name has %1 blanks before .%2</source>
        <translation>un programa oculto tras espacios: el nombre tiene %1 espacios antes de .%2</translation>
    </message>
    <message>
        <source>the name hides its real extension behind a right-to-left mark</source>
        <translation>el nombre oculta su extensión real tras una marca de derecha a izquierda</translation>
    </message>
    <message>
        <source>the published file is mostly zeros (%1 of %2 parts are empty)</source>
        <translation>el archivo publicado es casi todo ceros (%1 de %2 partes están vacías)</translation>
    </message>
    <message>
        <source>a short clip padded to a larger size: the %1 says it is %2 long, the download is published as %3</source>
        <translation>un clip corto rellenado hasta un tamaño mayor: %1 indica %2, la descarga se publica con %3</translation>
    </message>
    <message>
        <source>the %1 says it plays %2, too short for %3 (%4, the most such a file carries is %5)</source>
        <translation>%1 indica una duración de %2, demasiado poco para %3 (%4, un archivo así lleva como mucho %5)</translation>
    </message>
    <message>
        <source>the %1 says it plays %2, the search result said %3</source>
        <translation>%1 indica una duración de %2, el resultado de búsqueda decía %3</translation>
    </message>
    <message>
        <source>%1 URL command</source>
        <translation>%1 orden URL</translation>
    </message>
    <message>
        <source>%1 URL commands</source>
        <translation>%1 órdenes URL</translation>
    </message>
    <message>
        <source>claims %1, the data is Windows Media that opens web pages as it plays (%2)</source>
        <translation>dice ser %1, los datos son Windows Media que abre páginas web al reproducirse (%2)</translation>
    </message>
    <message>
        <source>claims %1, the data is Windows Media that opens web pages as it plays (%2: %3)</source>
        <translation>dice ser %1, los datos son Windows Media que abre páginas web al reproducirse (%2: %3)</translation>
    </message>
    <message>
        <source>%1 part arrived corrupted: someone is feeding this download bad data</source>
        <translation>%1 parte llegó corrupta: alguien alimenta esta descarga con datos malos</translation>
    </message>
    <message>
        <source>%1 parts arrived corrupted: someone is feeding this download bad data</source>
        <translation>%1 partes llegaron corruptas: alguien alimenta esta descarga con datos malos</translation>
    </message>
    <message>
        <source>%1 were lost to corruption: someone is feeding this download bad data</source>
        <translation>%1 perdidos por corrupción: alguien alimenta esta descarga con datos malos</translation>
    </message>
    <message>
        <source>no source has had the whole file in %1 of downloading</source>
        <translation>ninguna fuente ha tenido el archivo completo en %1 de descarga</translation>
    </message>
    <message>
        <source>a part of the published file is all zeros (its part hashes hold the hash of an empty part)</source>
        <translation>una parte del archivo publicado es todo ceros (sus hashes de partes contienen el hash de una parte vacía)</translation>
    </message>
    <message>
        <source>rated Fake by %1 of %2 source</source>
        <translation>valorado como Fake por %1 de %2 fuente</translation>
    </message>
    <message>
        <source>rated Fake by %1 of %2 sources</source>
        <translation>valorado como Fake por %1 de %2 fuentes</translation>
    </message>
    <message>
        <source>*** OK </source>
        <translation>*** OK </translation>
    </message>
    <message>
        <source>*** OK (allowed by you)</source>
        <translation>*** OK (permitido por usted)</translation>
    </message>
    <message>
        <source>*** OK (allowed by you: %1)</source>
        <translation>*** OK (permitido por usted: %1)</translation>
    </message>
    <message>
        <source>*** Not checked: the .met file could not be read</source>
        <translation>*** No comprobado: no se pudo leer el archivo .met</translation>
    </message>
    <message>
        <source>*** Not checked: the .met file is larger than 64 MiB, no .part.met</source>
        <translation>*** No comprobado: el archivo .met supera los 64 MiB, no es un .part.met</translation>
    </message>
    <message>
        <source>*** Not checked: the .met file is empty or damaged</source>
        <translation>*** No comprobado: el archivo .met está vacío o dañado</translation>
    </message>
    <message>
        <source>*** Not checked: the temp directory could not be listed</source>
        <translation>*** No comprobado: no se pudo listar el directorio temporal</translation>
    </message>
    <message>
        <source>*** OK (note: %1)</source>
        <translation>*** OK (nota: %1)</translation>
    </message>
    <message>
        <source>Suspect: %1</source>
        <translation>Sospechoso: %1</translation>
    </message>
    <message>
        <source>%1 (read from the client&apos;s backup %2)</source>
        <translation>%1 (leído de la copia de seguridad %2 del cliente)</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes and %2 Suspects in %3 checked .part.met, %4 could not be read</source>
        <translation>¡Terminado! %1 fakes y %2 sospechosos encontrados en %3 .part.met comprobados, %4 no se pudieron leer</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes and %2 Suspects in %3 checked .part.met</source>
        <translation>¡Terminado! %1 fakes y %2 sospechosos encontrados en %3 .part.met comprobados</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes in %2 checked .part.met, %3 could not be read</source>
        <translation>¡Terminado! %1 fakes encontrados en %2 .part.met comprobados, %3 no se pudieron leer</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes in %2 checked .part.met</source>
        <translation>¡Terminado! %1 fakes encontrados en %2 .part.met comprobados</translation>
    </message>
    <message>
        <source>Fake (%1)</source>
        <translation>Fake (%1)</translation>
    </message>
    <message>
        <source>Malformed link: %1</source>
        <translation>Enlace mal formado: %1</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4 malformed</source>
        <translation>%1: %2, %3, %4 mal formados</translation>
    </message>
    <message>
        <source>%1 link</source>
        <translation>%1 enlace</translation>
    </message>
    <message>
        <source>%1 links</source>
        <translation>%1 enlaces</translation>
    </message>
    <message>
        <source>%1 fake</source>
        <translation>%1 fake</translation>
    </message>
    <message>
        <source>%1 fakes</source>
        <translation>%1 fakes</translation>
    </message>
    <message>
        <source>%1 suspect</source>
        <translation>%1 sospechoso</translation>
    </message>
    <message>
        <source>%1 suspects</source>
        <translation>%1 sospechosos</translation>
    </message>
</context>
</TS>
