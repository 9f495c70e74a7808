<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Cli</name>
    <message>
        <source>Act in aMule over its External Connections (amuled, the remote GUI&apos;s daemon, on this machine or another)</source>
        <translation>Actuar en aMule mediante sus External Connections (amuled, el demonio de la interfaz remota, en esta máquina o en otra)</translation>
    </message>
    <message>
        <source>Log in to aMule and store the connection (host, port, the password&apos;s MD5) for the other amule commands; prints the aMule version reached</source>
        <translation>Iniciar sesión en aMule y guardar la conexión (host, puerto, MD5 de la contraseña) para las demás órdenes amule; muestra la versión de aMule alcanzada</translation>
    </message>
    <message>
        <source>Where aMule listens (port default 4712); none: the EC settings of the imported or detected amule.conf, no password asked</source>
        <translation>Dónde escucha aMule (puerto 4712 por defecto); sin valor: los ajustes EC del amule.conf importado o encontrado, sin pedir contraseña</translation>
    </message>
    <message>
        <source>Read the password from the first line of the standard input</source>
        <translation>Leer la contraseña de la primera línea de la entrada estándar</translation>
    </message>
    <message>
        <source>Pause downloads in aMule (undone with resume)</source>
        <translation>Pausar descargas en aMule (se deshace con resume)</translation>
    </message>
    <message>
        <source>Resume paused or stopped downloads in aMule</source>
        <translation>Reanudar en aMule descargas pausadas o detenidas</translation>
    </message>
    <message>
        <source>Stop downloads in aMule (they keep their place but ask no sources)</source>
        <translation>Detener descargas en aMule (conservan su lugar pero no piden fuentes)</translation>
    </message>
    <message>
        <source>Cancel downloads in aMule: deletes what has arrived and lists the hash in aMule&apos;s canceled.met; asks first on a terminal</source>
        <translation>Cancelar descargas en aMule: borra lo que ha llegado y anota el hash en el canceled.met de aMule; pregunta antes en un terminal</translation>
    </message>
    <message>
        <source>A download by its part file (001, 001.part) or its ed2k hash</source>
        <translation>Una descarga indicada por su archivo part (001, 001.part) o su hash ed2k</translation>
    </message>
    <message>
        <source>Do not ask (for scripts)</source>
        <translation>No preguntar (para scripts)</translation>
    </message>
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
        <source>Could not write %1.</source>
        <translation>No se pudo escribir %1.</translation>
    </message>
    <message>
        <source>The import stored no temp directory.</source>
        <translation>La importación no guardó ningún directorio temporal.</translation>
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
    <message>
        <source>%1 (%2). Check that aMule runs there and accepts External Connections, or run &apos;kestrivane-cli amule connect&apos; again.</source>
        <translation>%1 (%2). Compruebe que aMule se ejecuta allí y acepta External Connections, o ejecute de nuevo &apos;kestrivane-cli amule connect&apos;.</translation>
    </message>
    <message>
        <source>Cannot mark %1: aMule at %2 has no such download.</source>
        <translation>No se puede marcar %1: aMule en %2 no tiene esa descarga.</translation>
    </message>
    <message>
        <source>Cannot mark %1: no temp directory here, and aMule could not be asked: %2. Run &apos;kestrivane-cli amule connect&apos;, or use --temp-dir.</source>
        <translation>No se puede marcar %1: aquí no hay directorio temporal y no se pudo preguntar a aMule: %2. Ejecute &apos;kestrivane-cli amule connect&apos; o use --temp-dir.</translation>
    </message>
    <message>
        <source>Warning: no fake list: %1 does not exist, so only the names were checked. %2</source>
        <translation>Aviso: no hay lista de fakes: %1 no existe, así que solo se comprobaron los nombres. %2</translation>
    </message>
    <message>
        <source>Not inspected: %1 downloads, whose data is on the aMule machine and not readable here. Run Kestrivane on that machine, beside aMule, to inspect them.</source>
        <translation>Sin examinar: %1 descargas, cuyos datos están en la máquina de aMule y no se pueden leer aquí. Ejecute Kestrivane en esa máquina, junto a aMule, para examinarlas.</translation>
    </message>
    <message>
        <source>Could not pause %1 in aMule yet: %2. It is paused once aMule answers.</source>
        <translation>Todavía no se pudo pausar %1 en aMule: %2. Se pausará en cuanto aMule responda.</translation>
    </message>
    <message>
        <source>Warning: %1 holds no fake list record (is it a list at all?); no download can be found as a fake with it.</source>
        <translation>Aviso: %1 no contiene ninguna entrada de lista de fakes (¿es una lista?); con ella ninguna descarga puede reconocerse como fake.</translation>
    </message>
    <message>
        <source>%1 is the client&apos;s settings directory, not its temp directory; the downloads are in %2 (pass --temp-dir %2, or run &apos;kestrivane-cli import --detect&apos;).</source>
        <translation>%1 es el directorio de configuración del cliente, no su directorio temporal; las descargas están en %2 (indique --temp-dir %2 o ejecute &apos;kestrivane-cli import --detect&apos;).</translation>
    </message>
    <message>
        <source>%1 %2: not an http:// or https:// address.</source>
        <translation>%1 %2: no es una dirección http:// o https://.</translation>
    </message>
    <message>
        <source>No program site is set, so nothing was asked. Set the site you get Kestrivane from with &apos;kestrivane-cli update --program --site URL&apos;.</source>
        <translation>No hay ningún sitio del programa configurado, así que no se consultó nada. Indique el sitio del que obtiene Kestrivane con &apos;kestrivane-cli update --program --site URL&apos;.</translation>
    </message>
    <message>
        <source>You have the newest Kestrivane (%1).</source>
        <translation>Tiene el Kestrivane más reciente (%1).</translation>
    </message>
    <message>
        <source>Kestrivane %1 is out: %2</source>
        <translation>Ha salido Kestrivane %1: %2</translation>
    </message>
    <message>
        <source>Kestrivane %1 is out: see %2</source>
        <translation>Ha salido Kestrivane %1: véase %2</translation>
    </message>
    <message>
        <source>Cannot import %1: the file names no temp directory.</source>
        <translation>No se puede importar %1: el archivo no indica ningún directorio temporal.</translation>
    </message>
    <message>
        <source>Imported the temp directory %1 from %2&apos;s %3; it is stored in Kestrivane.ini.</source>
        <translation>Directorio temporal %1 importado del archivo %3 de %2; está guardado en Kestrivane.ini.</translation>
    </message>
    <message>
        <source>Exit status: see &apos;kestrivane-cli --help&apos;.</source>
        <translation>Código de salida: véase &apos;kestrivane-cli --help&apos;.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;; did you mean &apos;%2&apos;? (&apos;%3&apos; lists the options)</source>
        <translation>Opción desconocida &apos;%1&apos;; ¿quiso decir &apos;%2&apos;? (&apos;%3&apos; enumera las opciones)</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos; (&apos;%2&apos; lists the options)</source>
        <translation>Opción desconocida &apos;%1&apos; (&apos;%2&apos; enumera las opciones)</translation>
    </message>
    <message>
        <source>%1 is required.</source>
        <translation>%1 es obligatorio.</translation>
    </message>
    <message>
        <source>A command is required.</source>
        <translation>Hace falta un comando.</translation>
    </message>
    <message>
        <source>%1 cannot be used together with %2.</source>
        <translation>%1 no puede usarse junto con %2.</translation>
    </message>
    <message>
        <source>%1 needs %2 too.</source>
        <translation>%1 necesita también %2.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 necesita un valor.</translation>
    </message>
    <message>
        <source>Not expected here: %1</source>
        <translation>No esperado aquí: %1</translation>
    </message>
    <message>
        <source>A value was not accepted: %1</source>
        <translation>No se aceptó un valor: %1</translation>
    </message>
    <message>
        <source>The command line was not understood: %1</source>
        <translation>No se entendió la línea de comandos: %1</translation>
    </message>
    <message>
        <source>Run with --help for more information.</source>
        <translation>Ejecute con --help para más información.</translation>
    </message>
    <message>
        <source>%1 %2: not a directory.</source>
        <translation>%1 %2: no es un directorio.</translation>
    </message>
    <message>
        <source>%1 %2: no such directory.</source>
        <translation>%1 %2: el directorio no existe.</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Uso</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPCIONES</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <translation>OBLIGATORIO</translation>
    </message>
    <message>
        <source>Needs</source>
        <translation>Necesita</translation>
    </message>
    <message>
        <source>Excludes</source>
        <translation>Excluye</translation>
    </message>
    <message>
        <source>Positionals</source>
        <translation>Argumentos</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>Mostrar esta ayuda y salir</translation>
    </message>
    <message>
        <source>List the downloads that are known fakes or whose name or first bytes give them away</source>
        <translation>Listar las descargas que son fakes conocidos o a las que delatan su nombre o sus primeros bytes</translation>
    </message>
    <message>
        <source>The client&apos;s temp directory instead of the settings</source>
        <translation>El directorio temporal del cliente en lugar del de la configuración</translation>
    </message>
    <message>
        <source>Fake list to use instead of FAKES.DAT</source>
        <translation>Lista de fakes que se usa en lugar de FAKES.DAT</translation>
    </message>
    <message>
        <source>List every download, fakes and OK ones (the default, unless ShowAllPartMet=NO in Kestrivane.ini)</source>
        <translation>Listar todas las descargas, fakes y correctas (lo predeterminado, salvo con ShowAllPartMet=NO en Kestrivane.ini)</translation>
    </message>
    <message>
        <source>List the fakes and suspects only</source>
        <translation>Listar solo los fakes y los sospechosos</translation>
    </message>
    <message>
        <source>Print the ed2k link of every listed download</source>
        <translation>Mostrar el enlace ed2k de cada descarga listada</translation>
    </message>
    <message>
        <source>Print every link as an HTML anchor</source>
        <translation>Mostrar cada enlace como ancla HTML</translation>
    </message>
    <message>
        <source>Print the listed downloads as a JSON array</source>
        <translation>Mostrar las descargas listadas como array JSON</translation>
    </message>
    <message>
        <source>Do not look at names, part hashes and the bytes already downloaded for suspects</source>
        <translation>No examinar nombres, hashes de partes ni bytes ya descargados en busca de sospechosos</translation>
    </message>
    <message>
        <source>Update the fake list first</source>
        <translation>Actualizar primero la lista de fakes</translation>
    </message>
    <message>
        <source>Leave out the two head rows</source>
        <translation>Omitir las dos filas de cabecera</translation>
    </message>
    <message>
        <source>Check the downloads aMule reports (see &apos;amule connect&apos;) instead of the temp directory&apos;s .part.met files</source>
        <translation>Comprobar las descargas que informa aMule (véase &apos;amule connect&apos;) en lugar de los archivos .part.met del directorio temporal</translation>
    </message>
    <message>
        <source>With --amule: pause every listed fake and suspect in aMule</source>
        <translation>Con --amule: pausar en aMule cada fake y sospechoso listado</translation>
    </message>
    <message>
        <source>Fetch a newer fake list from the update address</source>
        <translation>Obtener una lista de fakes más reciente de la dirección de actualización</translation>
    </message>
    <message>
        <source>Update address to use (http:// or https://); stored as the update address once the update worked</source>
        <translation>Dirección de actualización que usar (http:// o https://); se guarda como dirección de actualización cuando la actualización funcionó</translation>
    </message>
    <message>
        <source>Look for a newer Kestrivane at the program&apos;s site instead (exit status 1 when there is one); nothing is installed</source>
        <translation>Buscar en cambio un Kestrivane más reciente en el sitio del programa (código de salida 1 si lo hay); no se instala nada</translation>
    </message>
    <message>
        <source>With --program: the program&apos;s site to use; stored once the check worked (none is set at first)</source>
        <translation>Con --program: el sitio del programa que usar; se guarda cuando la comprobación funcionó (al principio no hay ninguno)</translation>
    </message>
    <message>
        <source>Store the client&apos;s temp directory, read from its pref.met, preferences.ini or amule.conf</source>
        <translation>Guardar el directorio temporal del cliente, leído de su pref.met, preferences.ini o amule.conf</translation>
    </message>
    <message>
        <source>The client&apos;s preference file</source>
        <translation>El archivo de configuración del cliente</translation>
    </message>
    <message>
        <source>Look for ~/.aMule/amule.conf and eMule&apos;s or eDonkey&apos;s files under Wine (~/.wine, $WINEPREFIX); import the first that names a temp directory</source>
        <translation>Buscar ~/.aMule/amule.conf y los archivos de eMule o eDonkey bajo Wine (~/.wine, $WINEPREFIX); importar el primero que indique un directorio temporal</translation>
    </message>
    <message>
        <source>List the downloads whose .met file holds a text</source>
        <translation>Listar las descargas cuyo archivo .met contiene un texto</translation>
    </message>
    <message>
        <source>Print the hits as a JSON array</source>
        <translation>Mostrar los resultados como array JSON</translation>
    </message>
    <message>
        <source>Text to look for (letters without regard to case)</source>
        <translation>Texto que buscar (letras sin distinguir mayúsculas y minúsculas)</translation>
    </message>
    <message>
        <source>Stay running; re-check a .part.met or a list when it changes and report each new fake once (SIGHUP reads the settings and lists again)</source>
        <translation>Seguir en marcha; volver a comprobar un .part.met o una lista cuando cambia y avisar de cada fake nuevo una vez (SIGHUP vuelve a leer la configuración y las listas)</translation>
    </message>
    <message>
        <source>One JSON object per line for each finding</source>
        <translation>Un objeto JSON por línea para cada hallazgo</translation>
    </message>
    <message>
        <source>Act in the aMule of &apos;amule connect&apos; (with --pause-fakes)</source>
        <translation>Actuar en el aMule de &apos;amule connect&apos; (con --pause-fakes)</translation>
    </message>
    <message>
        <source>With --amule: pause each new fake and suspect in aMule</source>
        <translation>Con --amule: pausar en aMule cada fake y sospechoso nuevo</translation>
    </message>
    <message>
        <source>Run CMD for each finding (split like a shell would, never run by one); the finding is in KV_PART, KV_NAME, KV_SIZE, KV_HASH, KV_KIND, KV_DESCRIPTION, KV_LINK, KV_TEMP_DIR; its output goes to standard error; one runs at a time</source>
        <translation>Ejecutar CMD para cada hallazgo (dividido como lo haría un shell, nunca ejecutado por uno); el hallazgo está en KV_PART, KV_NAME, KV_SIZE, KV_HASH, KV_KIND, KV_DESCRIPTION, KV_LINK, KV_TEMP_DIR; su salida va a la salida de error; uno cada vez</translation>
    </message>
    <message>
        <source>End a command of --exec that runs longer than this (default 60)</source>
        <translation>Terminar un comando de --exec que dure más (60 por omisión)</translation>
    </message>
    <message>
        <source>Add a download to your own fake list MYFAKES.DAT</source>
        <translation>Añadir una descarga a su propia lista de fakes MYFAKES.DAT</translation>
    </message>
    <message>
        <source>A .part.met of the temp directory (001.part) or an ed2k hash</source>
        <translation>Un .part.met del directorio temporal (001.part) o un hash ed2k</translation>
    </message>
    <message>
        <source>Why it is a fake (the list line&apos;s description)</source>
        <translation>Por qué es un fake (la descripción de la línea de la lista)</translation>
    </message>
    <message>
        <source>The file size, for a HASH</source>
        <translation>El tamaño del archivo, para un HASH</translation>
    </message>
    <message>
        <source>Record in MYFAKES.DAT that a download is not a fake, whatever a list, a client or the inspection says</source>
        <translation>Anotar en MYFAKES.DAT que una descarga no es un fake, diga lo que diga una lista, un cliente o el examen</translation>
    </message>
    <message>
        <source>Why it is not a fake</source>
        <translation>Por qué no es un fake</translation>
    </message>
    <message>
        <source>Remove a download from your own fake list MYFAKES.DAT</source>
        <translation>Quitar una descarga de su propia lista de fakes MYFAKES.DAT</translation>
    </message>
    <message>
        <source>A .part.met of the temp directory or an ed2k hash</source>
        <translation>Un .part.met del directorio temporal o un hash ed2k</translation>
    </message>
    <message>
        <source>Print or write list lines (hash,size,description) of the fakes the check finds</source>
        <translation>Mostrar o escribir líneas de lista (hash,tamaño,descripción) de los fakes que encuentra la comprobación</translation>
    </message>
    <message>
        <source>Your own list MYFAKES.DAT instead</source>
        <translation>Su propia lista MYFAKES.DAT en su lugar</translation>
    </message>
    <message>
        <source>File to write (replaced whole); - or none: standard output</source>
        <translation>Archivo que escribir (reemplazado entero); - o ninguno: salida estándar</translation>
    </message>
    <message>
        <source>Check ed2k and magnet links (a text, a web page or an eMule collection) before they are downloaded</source>
        <translation>Comprobar enlaces ed2k y magnet (un texto, una página web o una colección de eMule) antes de descargarlos</translation>
    </message>
    <message>
        <source>File holding the links; - or none for the standard input</source>
        <translation>Archivo con los enlaces; - o ninguno para la entrada estándar</translation>
    </message>
    <message>
        <source>List every link, fakes, suspects and OK ones (the default)</source>
        <translation>Listar todos los enlaces, fakes, sospechosos y correctos (lo predeterminado)</translation>
    </message>
    <message>
        <source>Print the ed2k link of every listed link</source>
        <translation>Mostrar el enlace ed2k de cada enlace listado</translation>
    </message>
    <message>
        <source>Print every link as a JSON array, malformed ones too</source>
        <translation>Mostrar cada enlace como array JSON, también los mal formados</translation>
    </message>
    <message>
        <source>Checks the downloads of eDonkey, eMule and aMule against a list of known fakes.</source>
        <translation>Comprueba las descargas de eDonkey, eMule y aMule con una lista de fakes conocidos.</translation>
    </message>
    <message>
        <source>Print the version and exit</source>
        <translation>Mostrar la versión y salir</translation>
    </message>
    <message>
        <source>Directory holding Kestrivane.ini and FAKES.DAT; must exist (default: $KESTRIVANE_HOME, else ~/.config/kestrivane and ~/.local/share/kestrivane when installed, the program&apos;s own directory when portable)</source>
        <translation>Directorio con Kestrivane.ini y FAKES.DAT; debe existir (por omisión: $KESTRIVANE_HOME, si no ~/.config/kestrivane y ~/.local/share/kestrivane si está instalado, el directorio del programa si es portátil)</translation>
    </message>
    <message>
        <source>Print errors only (the check&apos;s rows and the search hits still go to stdout)</source>
        <translation>Mostrar solo errores (las filas de la comprobación y los resultados de búsqueda siguen yendo a stdout)</translation>
    </message>
    <message>
        <source>Exit status: 0 no fake or suspect found / search hits / list or program current or list updated / watch
ended by SIGINT or SIGTERM; 1 fakes or suspects found / no search hit / a newer program; 2 the command
could not run (a fake list that cannot be read, no list at all with --no-inspect, no temp directory or one
that cannot be read, no update address or a failed update, a file that could not be written, no aMule
connection, usage error); 3 check --update: the update failed, the local list still found fakes or suspects.</source>
        <translation>Código de salida: 0 ningún fake ni sospechoso / resultados de búsqueda / lista o programa al día o lista
actualizada / watch terminado por SIGINT o SIGTERM; 1 fakes o sospechosos encontrados / ningún resultado /
un programa más reciente; 2 el comando no pudo ejecutarse (una lista de fakes ilegible, ninguna lista con
--no-inspect, ningún directorio temporal o uno ilegible, ninguna dirección de actualización o una actualización
fallida, un archivo que no pudo escribirse, ninguna conexión con aMule, error de uso); 3 check --update: la
actualización falló, la lista local aun así encontró fakes o sospechosos.</translation>
    </message>
    <message>
        <source>Subcommands</source>
        <translation>Comandos</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>No existe el archivo o el directorio</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>No es un directorio</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Error de entrada/salida</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Demasiados niveles de enlaces simbólicos</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>es un directorio</translation>
    </message>
    <message>
        <source>it is a FIFO, not a regular file</source>
        <translation>es un FIFO, no un archivo normal</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is larger than 4 GiB</source>
        <translation>es mayor de 4 GiB</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vacía</translation>
    </message>
    <message>
        <source>With --amule: pause each fake, record it in MYFAKES.DAT and cancel it whenever it comes back under any name</source>
        <translation>Con --amule: pausar cada fake, anotarlo en MYFAKES.DAT y cancelarlo cada vez que vuelva con cualquier nombre</translation>
    </message>
    <message>
        <source>With --guard: cancel each fake rather than pausing it</source>
        <translation>Con --guard: cancelar cada fake en lugar de pausarlo</translation>
    </message>
    <message>
        <source>With --guard: suspects too, not only what a list or you marked</source>
        <translation>Con --guard: también los sospechosos, no solo lo que una lista o usted marcó</translation>
    </message>
    <message>
        <source>Cancelled in aMule: %1</source>
        <translation>Cancelado en aMule: %1</translation>
    </message>
    <message>
        <source>Cancelled in aMule, it came back: %1</source>
        <translation>Cancelado en aMule, ha vuelto: %1</translation>
    </message>
    <message>
        <source>Cancelled in aMule, it came back: %1 (seen before as %2)</source>
        <translation>Cancelado en aMule, ha vuelto: %1 (visto antes como %2)</translation>
    </message>
    <message>
        <source>aMule refused to act on %1: %2</source>
        <translation>aMule se negó a actuar sobre %1: %2</translation>
    </message>
    <message>
        <source>Could not record %1 in MYFAKES.DAT: %2</source>
        <translation>No se pudo anotar %1 en MYFAKES.DAT: %2</translation>
    </message>
    <message>
        <source>aMule does not answer (%1); the watch goes on and acts once it does.</source>
        <translation>aMule no responde (%1); la vigilancia sigue y actúa en cuanto responda.</translation>
    </message>
    <message>
        <source>aMule answers again at %1.</source>
        <translation>aMule vuelve a responder en %1.</translation>
    </message>
    <message>
        <source>Watching the aMule queue at %1; new downloads are checked within %2 s (Ctrl+C ends, SIGHUP reads the lists again)</source>
        <translation>Vigilando la cola de aMule en %1; las descargas nuevas se comprueban en %2 s (Ctrl+C termina, SIGHUP vuelve a leer las listas)</translation>
    </message>
    <message>
        <source>The temp directory is not readable here: downloads are judged by name, the lists and what aMule says.</source>
        <translation>La carpeta temporal no se puede leer aquí: las descargas se juzgan por el nombre, las listas y lo que dice aMule.</translation>
    </message>
    <message>
        <source>POST each finding and each action of the guard to URL as JSON (hash, name, size, verdict, reasons, action, time); never holds up the watch</source>
        <translation>Enviar cada hallazgo y cada acción de la guardia a URL como JSON (POST: hash, name, size, verdict, reasons, action, time); nunca detiene la vigilancia</translation>
    </message>
    <message>
        <source>Could not post the notice of %1 to --notify-url: %2</source>
        <translation>No se pudo enviar el aviso de %1 a --notify-url: %2</translation>
    </message>
    <message>
        <source>Watch the downloads and show the findings as a web page and a JSON API (on this machine only, unless --listen says otherwise)</source>
        <translation>Vigilar las descargas y mostrar los hallazgos como página web y API JSON (solo en esta máquina, salvo que --listen diga otra cosa)</translation>
    </message>
    <message>
        <source>Address and port to listen on (default 127.0.0.1:4719; 0.0.0.0:PORT for every network)</source>
        <translation>Dirección y puerto en que escuchar (por defecto 127.0.0.1:4719; 0.0.0.0:PUERTO para todas las redes)</translation>
    </message>
    <message>
        <source>File holding the access token (default: serve-token beside the lists; made when missing, readable by you only)</source>
        <translation>Archivo con el token de acceso (por defecto: serve-token junto a las listas; se crea si falta, legible solo por usted)</translation>
    </message>
    <message>
        <source>A name the page may be opened by besides this machine&apos;s own name and addresses (repeatable)</source>
        <translation>Un nombre con el que se puede abrir la página, además del nombre y las direcciones de esta máquina (repetible)</translation>
    </message>
    <message>
        <source>--listen %1: not an address and port (such as 127.0.0.1:4719).</source>
        <translation>--listen %1: no es una dirección y un puerto (como 127.0.0.1:4719).</translation>
    </message>
    <message>
        <source>Serving the page; open this address (it holds the access token):</source>
        <translation>Sirviendo la página; abra esta dirección (contiene el token de acceso):</translation>
    </message>
    <message>
        <source>Another &apos;%1&apos; (process %2) serves %3 already.</source>
        <translation>Otro &apos;%1&apos; (proceso %2) ya sirve %3.</translation>
    </message>
    <message>
        <source>Cannot read or make the token file %1: %2</source>
        <translation>No se puede leer ni crear el archivo del token %1: %2</translation>
    </message>
    <message>
        <source>Cannot listen on %1: %2</source>
        <translation>No se puede escuchar en %1: %2</translation>
    </message>
    <message>
        <source>Paused in eMule: %1</source>
        <translation>Pausado en eMule: %1</translation>
    </message>
    <message>
        <source>--pause-fakes needs --amule or --emule.</source>
        <translation>--pause-fakes necesita --amule o --emule.</translation>
    </message>
    <message>
        <source>eMule&apos;s Web Interface password: </source>
        <translation>Contraseña de la interfaz web de eMule: </translation>
    </message>
    <message>
        <source>No preferences.ini of eMule found: pass HOST[:PORT], or import eMule&apos;s preferences.ini first (kestrivane-cli import FILE).</source>
        <translation>No se encontró el preferences.ini de eMule: indique HOST[:PUERTO], o importe antes el preferences.ini de eMule (kestrivane-cli import ARCHIVO).</translation>
    </message>
    <message>
        <source>eMule&apos;s Web Interface is off (Enabled in %1): turn it on in eMule&apos;s options, Web Interface, or pass HOST[:PORT].</source>
        <translation>La interfaz web de eMule está desactivada (Enabled en %1): actívela en las opciones de eMule, Interfaz web, o indique HOST[:PUERTO].</translation>
    </message>
    <message>
        <source>%1 (%2). Check that eMule runs there with its Web Interface on, or run &apos;kestrivane-cli emule connect&apos; again.</source>
        <translation>%1 (%2). Compruebe que eMule se ejecuta allí con su interfaz web activada, o ejecute de nuevo &apos;kestrivane-cli emule connect&apos;.</translation>
    </message>
    <message>
        <source>Cancelling deletes the downloads in eMule: pass --yes to confirm.</source>
        <translation>Cancelar borra las descargas en eMule: pase --yes para confirmar.</translation>
    </message>
    <message>
        <source>Cancel this download in eMule and delete what has arrived? [y/N] </source>
        <translation>¿Cancelar esta descarga en eMule y borrar lo que ha llegado? [y/N] </translation>
    </message>
    <message>
        <source>Cancel %1 downloads in eMule and delete what has arrived? [y/N] </source>
        <translation>¿Cancelar %1 descargas en eMule y borrar lo que ha llegado? [y/N] </translation>
    </message>
    <message>
        <source>Connected to eMule&apos;s Web Interface at %1; stored in %2.</source>
        <translation>Conectado a la interfaz web de eMule en %1; guardado en %2.</translation>
    </message>
    <message>
        <source>eMule has no download %1.</source>
        <translation>eMule no tiene la descarga %1.</translation>
    </message>
    <message>
        <source>Act in eMule over its Web Interface (on this machine, under Wine or on another machine)</source>
        <translation>Actuar en eMule a través de su interfaz web (en esta máquina, bajo Wine o en otra máquina)</translation>
    </message>
    <message>
        <source>Log in to eMule&apos;s Web Interface and store where it is and its password (readable by you only) for the other emule commands</source>
        <translation>Iniciar sesión en la interfaz web de eMule y guardar su dirección y su contraseña (legible solo por usted) para los demás comandos emule</translation>
    </message>
    <message>
        <source>Where eMule&apos;s Web Interface listens (port default 4711); none: this machine, at the port of the imported or detected preferences.ini</source>
        <translation>Dónde escucha la interfaz web de eMule (puerto por defecto 4711); ninguno: esta máquina, en el puerto del preferences.ini importado o detectado</translation>
    </message>
    <message>
        <source>Pause downloads in eMule (undone with resume)</source>
        <translation>Pausar descargas en eMule (se deshace con resume)</translation>
    </message>
    <message>
        <source>Resume paused or stopped downloads in eMule</source>
        <translation>Reanudar en eMule descargas pausadas o detenidas</translation>
    </message>
    <message>
        <source>Stop downloads in eMule (they keep their place but ask no sources)</source>
        <translation>Detener descargas en eMule (conservan su sitio pero no piden fuentes)</translation>
    </message>
    <message>
        <source>Cancel downloads in eMule: deletes what has arrived; asks first on a terminal</source>
        <translation>Cancelar descargas en eMule: borra lo que ha llegado; pregunta antes en un terminal</translation>
    </message>
    <message>
        <source>A download by its ed2k hash</source>
        <translation>Una descarga por su hash ed2k</translation>
    </message>
    <message>
        <source>Check the downloads eMule&apos;s Web Interface lists (see &apos;emule connect&apos;) instead of the temp directory&apos;s .part.met files</source>
        <translation>Comprobar las descargas que lista la interfaz web de eMule (véase &apos;emule connect&apos;) en lugar de los archivos .part.met del directorio temporal</translation>
    </message>
    <message>
        <source>With --amule or --emule: pause every listed fake and suspect in that client</source>
        <translation>Con --amule o --emule: pausar en ese cliente cada fake y sospechoso listado</translation>
    </message>
    <message>
        <source>Not inspected: %1 downloads, whose data is not readable here. Pass eMule&apos;s temp directory with --temp-dir, or run Kestrivane on the eMule machine, to inspect them.</source>
        <translation>No inspeccionadas: %1 descargas, cuyos datos no se pueden leer aquí. Indique el directorio temporal de eMule con --temp-dir, o ejecute Kestrivane en la máquina de eMule, para inspeccionarlas.</translation>
    </message>
    <message>
        <source>No eMule Web Interface stored: run &apos;kestrivane-cli emule connect&apos; first.</source>
        <translation>No hay ninguna interfaz web de eMule guardada: ejecute primero &apos;kestrivane-cli emule connect&apos;.</translation>
    </message>
    <message>
        <source>Show each finding and each action of the guard as a desktop notification (the session bus&apos;s Notifications service)</source>
        <translation>Mostrar cada hallazgo y cada acción del guardián como notificación de escritorio (servicio Notifications del bus de sesión)</translation>
    </message>
    <message>
        <source>Show each finding as a desktop notification (the session bus&apos;s Notifications service)</source>
        <translation>Mostrar cada hallazgo como notificación de escritorio (servicio Notifications del bus de sesión)</translation>
    </message>
    <message>
        <source>Desktop notifications cannot be shown (%1); the watch goes on without them.</source>
        <translation>No se pueden mostrar notificaciones de escritorio (%1); la vigilancia sigue sin ellas.</translation>
    </message>
    <message>
        <source>Kestrivane: fake paused in aMule</source>
        <translation>Kestrivane: falso pausado en aMule</translation>
    </message>
    <message>
        <source>Kestrivane: suspect paused in aMule</source>
        <translation>Kestrivane: sospechoso pausado en aMule</translation>
    </message>
    <message>
        <source>Kestrivane: fake cancelled in aMule</source>
        <translation>Kestrivane: falso cancelado en aMule</translation>
    </message>
    <message>
        <source>Kestrivane: suspect cancelled in aMule</source>
        <translation>Kestrivane: sospechoso cancelado en aMule</translation>
    </message>
    <message>
        <source>Kestrivane: fake came back, cancelled in aMule</source>
        <translation>Kestrivane: el falso volvió, cancelado en aMule</translation>
    </message>
    <message>
        <source>Kestrivane: fake found</source>
        <translation>Kestrivane: falso encontrado</translation>
    </message>
    <message>
        <source>Kestrivane: suspect found</source>
        <translation>Kestrivane: sospechoso encontrado</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Sections</source>
        <translation>Secciones</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Descargas</translation>
    </message>
    <message>
        <source>Check links</source>
        <translation>Comprobar enlaces</translation>
    </message>
    <message>
        <source>Fake lists</source>
        <translation>Listas de fakes</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Fakes and suspects</source>
        <translation>Fakes y sospechosos</translation>
    </message>
    <message>
        <source>Fakes</source>
        <translation>Fakes</translation>
    </message>
    <message>
        <source>Suspects</source>
        <translation>Sospechosos</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Comprobar ahora</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Veredicto</translation>
    </message>
    <message>
        <source>In aMule</source>
        <translation>En aMule</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Acciones</translation>
    </message>
    <message>
        <source>Paste ed2k links (one a line, or any text that holds them):</source>
        <translation>Pegue enlaces ed2k (uno por línea, o cualquier texto que los contenga):</translation>
    </message>
    <message>
        <source>Check the links</source>
        <translation>Comprobar los enlaces</translation>
    </message>
    <message>
        <source>Add the clean ones to aMule</source>
        <translation>Añadir los limpios a aMule</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Update the fake list</source>
        <translation>Actualizar la lista de fakes</translation>
    </message>
    <message>
        <source>Your own list</source>
        <translation>Su propia lista</translation>
    </message>
    <message>
        <source>Hash</source>
        <translation>Hash</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Your own list holds no record yet.</source>
        <translation>Su propia lista aún no contiene ningún registro.</translation>
    </message>
    <message>
        <source>Cancel the download?</source>
        <translation>¿Cancelar la descarga?</translation>
    </message>
    <message>
        <source>aMule stops it and deletes what it has downloaded of it.</source>
        <translation>aMule la detiene y borra lo que ya ha descargado de ella.</translation>
    </message>
    <message>
        <source>Cancel the download</source>
        <translation>Cancelar la descarga</translation>
    </message>
    <message>
        <source>Keep it</source>
        <translation>Conservarla</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>El servidor respondió %1.</translation>
    </message>
    <message>
        <source>The server cannot be reached.</source>
        <translation>No se puede contactar con el servidor.</translation>
    </message>
    <message>
        <source>Not logged in: open the address with the token that &apos;kestrivane-cli serve&apos; printed.</source>
        <translation>Sin sesión: abra la dirección con el token que mostró &apos;kestrivane-cli serve&apos;.</translation>
    </message>
    <message>
        <source>No fake list is loaded and the content check is off: mark fakes or set an update address.</source>
        <translation>No hay ninguna lista de fakes cargada y la comprobación del contenido está desactivada: marque fakes o indique una dirección de actualización.</translation>
    </message>
    <message>
        <source>The fake list %1 is missing.</source>
        <translation>Falta la lista de fakes %1.</translation>
    </message>
    <message>
        <source>The fake list %1 cannot be read: %2</source>
        <translation>No se puede leer la lista de fakes %1: %2</translation>
    </message>
    <message>
        <source>No temp directory is set: import the client&apos;s settings or start serve with --temp-dir.</source>
        <translation>No hay ningún directorio temporal: importe los ajustes del cliente o inicie serve con --temp-dir.</translation>
    </message>
    <message>
        <source>The temp directory %1 is gone.</source>
        <translation>El directorio temporal %1 ha desaparecido.</translation>
    </message>
    <message>
        <source>The temp directory %1 cannot be read: %2</source>
        <translation>No se puede leer el directorio temporal %1: %2</translation>
    </message>
    <message>
        <source>Something went wrong: %1</source>
        <translation>Algo salió mal: %1</translation>
    </message>
    <message>
        <source>aMule connected</source>
        <translation>aMule conectado</translation>
    </message>
    <message>
        <source>aMule lost</source>
        <translation>aMule perdido</translation>
    </message>
    <message>
        <source>No aMule connection</source>
        <translation>Sin conexión con aMule</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>En directo</translation>
    </message>
    <message>
        <source>Live updates lost; trying again...</source>
        <translation>Actualizaciones en directo perdidas; reintentando...</translation>
    </message>
    <message>
        <source>Not a fake (allowed)</source>
        <translation>No es un fake (permitido)</translation>
    </message>
    <message>
        <source>Fake</source>
        <translation>Fake</translation>
    </message>
    <message>
        <source>Suspect: %1</source>
        <translation>Sospechoso: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Descargando</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En espera</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Hashing</source>
        <translation>Calculando hash</translation>
    </message>
    <message>
        <source>Completing</source>
        <translation>Completando</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completo</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>Sources: %1</source>
        <translation>Fuentes: %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Cancel...</source>
        <translation>Cancelar...</translation>
    </message>
    <message>
        <source>Not a fake</source>
        <translation>No es un fake</translation>
    </message>
    <message>
        <source>Mark as fake</source>
        <translation>Marcar como fake</translation>
    </message>
    <message>
        <source>Downloads: %1, fakes: %2, suspects: %3</source>
        <translation>Descargas: %1, fakes: %2, sospechosos: %3</translation>
    </message>
    <message>
        <source>No download matches.</source>
        <translation>Ninguna descarga coincide.</translation>
    </message>
    <message>
        <source>No download to show.</source>
        <translation>No hay descargas que mostrar.</translation>
    </message>
    <message>
        <source>Check finished.</source>
        <translation>Comprobación terminada.</translation>
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
        <source>Not a fake any more: %1</source>
        <translation>Ya no es un fake: %1</translation>
    </message>
    <message>
        <source>Marked as a fake: %1</source>
        <translation>Marcado como fake: %1</translation>
    </message>
    <message>
        <source>Paste one or more ed2k links first.</source>
        <translation>Pegue primero uno o más enlaces ed2k.</translation>
    </message>
    <message>
        <source>Clean links added to aMule: %1</source>
        <translation>Enlaces limpios añadidos a aMule: %1</translation>
    </message>
    <message>
        <source>Links checked: %1, fakes: %2</source>
        <translation>Enlaces comprobados: %1, fakes: %2</translation>
    </message>
    <message>
        <source>Updating the fake list...</source>
        <translation>Actualizando la lista de fakes...</translation>
    </message>
    <message>
        <source>The fake list is up to date.</source>
        <translation>La lista de fakes está al día.</translation>
    </message>
    <message>
        <source>Check started.</source>
        <translation>Comprobación iniciada.</translation>
    </message>
    <message>
        <source>Fake list</source>
        <translation>Lista de fakes</translation>
    </message>
    <message>
        <source>Records loaded</source>
        <translation>Registros cargados</translation>
    </message>
    <message>
        <source>Records in your own list</source>
        <translation>Registros en su propia lista</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Why is it a fake? (kept in your own list)</source>
        <translation>¿Por qué es un fake? (se guarda en su propia lista)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Not added: %1 (%2)</source>
        <translation>No añadido: %1 (%2)</translation>
    </message>
    <message>
        <source>loaded</source>
        <translation>cargada</translation>
    </message>
    <message>
        <source>not loaded</source>
        <translation>no cargada</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>The fake list was updated.</source>
        <translation>La lista de fakes se ha actualizado.</translation>
    </message>
    <message>
        <source>Show them all</source>
        <translation>Mostrar todas</translation>
    </message>
    <message>
        <source>Showing %1 of %2 rows.</source>
        <translation>Se muestran %1 de %2 filas.</translation>
    </message>
</context>
</TS>
