<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Messages</name>
    <message>
        <source>There is no public fake list: mark fakes yourself (right-click &gt; Mark as fake...), or set a group&apos;s address in Extras &gt; Options.</source>
        <translation>No hay ninguna lista pública de falsos: marque usted mismo los falsos (clic derecho &gt; Marcar como falso...) o indique la dirección de un grupo en Extras &gt; Opciones.</translation>
    </message>
    <message>
        <source>No site to ask for a newer Kestrivane is set: store one as KestrivaneDownloadURL in Kestrivane.ini, or run &apos;kestrivane-cli update --program --site URL&apos;.</source>
        <translation>No hay ningún sitio al que preguntar por un Kestrivane más reciente: guarde uno como KestrivaneDownloadURL en Kestrivane.ini o ejecute &apos;kestrivane-cli update --program --site URL&apos;.</translation>
    </message>
    <message>
        <source>No feedback address is set: store one as FeedbackAddress in Kestrivane.ini.</source>
        <translation>No hay ninguna dirección de comentarios: guarde una como FeedbackAddress en Kestrivane.ini.</translation>
    </message>
    <message>
        <source>Tip of the day: ALT-F (Check File), CTRL-F (Download Fakes-DB)</source>
        <translation>Consejo del día: ALT-F (comprobar archivos), CTRL-F (descargar la Fakes-DB)</translation>
    </message>
    <message>
        <source>No FAKES-DB found. Please &apos;Update DB&apos;.</source>
        <translation>No se encontró ninguna FAKES-DB. Use &apos;Actualizar DB&apos;.</translation>
    </message>
    <message>
        <source>Reading *.part.met and matching with FAKE-DB...</source>
        <translation>Leyendo *.part.met y comparando con la FAKE-DB...</translation>
    </message>
    <message>
        <source>Partname</source>
        <translation>Nombre del part</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nombre del archivo</translation>
    </message>
    <message>
        <source>Error-Description</source>
        <translation>Descripción del error</translation>
    </message>
    <message>
        <source>Error:<byte value="xd"/>
No &apos;[eDonkey] TempPath=&apos; or &apos;[eMule] TempDir=&apos;<byte value="xd"/>
in Kestrivane.ini found!<byte value="xd"/>
<byte value="xd"/>
Use Menu &apos;File, Open ...&apos;</source>
        <translation>Error:<byte value="xd"/>
No se encontró &apos;[eDonkey] TempPath=&apos; ni &apos;[eMule] TempDir=&apos;<byte value="xd"/>
en Kestrivane.ini.<byte value="xd"/>
<byte value="xd"/>
Use el menú &apos;Archivo, Abrir ...&apos;</translation>
    </message>
    <message>
        <source>Please wait, version check is running...</source>
        <translation>Espere, se está comprobando la versión...</translation>
    </message>
    <message>
        <source>Proxy Authentication is not implemented yet</source>
        <translation>La autenticación de proxy aún no está implementada</translation>
    </message>
    <message>
        <source>You already have the newest FAKE-DB...</source>
        <translation>Ya tiene la FAKE-DB más reciente...</translation>
    </message>
    <message>
        <source>You already have the newest Kestrivane-Version...</source>
        <translation>Ya tiene la versión más reciente de Kestrivane...</translation>
    </message>
    <message>
        <source>The version record names no usable setup file.</source>
        <translation>El registro de versión no indica ningún archivo de instalación utilizable.</translation>
    </message>
    <message>
        <source>Opening URL...</source>
        <translation>Abriendo URL...</translation>
    </message>
    <message>
        <source>Could not connect to the internet</source>
        <translation>No se pudo conectar a Internet</translation>
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
        <source>Error: No &apos;temp!&apos; entry in pref.met found!</source>
        <translation>Error: no se encontró la entrada &apos;temp!&apos; en pref.met.</translation>
    </message>
    <message>
        <source>Error: No &apos;[eMule] TempDir=&apos; in preferences.ini found!</source>
        <translation>Error: no se encontró &apos;[eMule] TempDir=&apos; en preferences.ini.</translation>
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
        <source>Errors occurred.  Could not open link.</source>
        <translation>Se produjeron errores. No se pudo abrir el enlace.</translation>
    </message>
    <message>
        <source>Fake list not used</source>
        <translation>Lista de fakes no usada</translation>
    </message>
    <message>
        <source>Mark as fake</source>
        <translation>Marcar como fake</translation>
    </message>
    <message>
        <source>Why is this download a fake? (kept in your own list MYFAKES.DAT)</source>
        <translation>¿Por qué es esta descarga un fake? (se guarda en su lista MYFAKES.DAT)</translation>
    </message>
    <message>
        <source>A tab stop is a whole number of dialog units, 0 to 32767.</source>
        <translation>Una tabulación es un número entero de unidades de diálogo, de 0 a 32767.</translation>
    </message>
    <message>
        <source>Select a download in the result of a check first.</source>
        <translation>Seleccione primero una descarga en el resultado de una comprobación.</translation>
    </message>
    <message>
        <source>This download has no ed2k hash; it cannot be marked.</source>
        <translation>Esta descarga no tiene hash ed2k; no se puede marcar.</translation>
    </message>
    <message>
        <source>Your own fake list MYFAKES.DAT holds no record yet.</source>
        <translation>Su lista de fakes MYFAKES.DAT aún no tiene ningún registro.</translation>
    </message>
    <message>
        <source>Kestrivane Version%1 / Total %2 Fakes in DB</source>
        <translation>Kestrivane versión%1 / %2 fakes en total en la DB</translation>
    </message>
    <message>
        <source>File %1 not found! Please download FAKE-DB!</source>
        <translation>¡No se encontró el archivo %1! ¡Descargue la FAKE-DB!</translation>
    </message>
    <message>
        <source>Temp directory %1 not found!</source>
        <translation>¡No se encontró el directorio temporal %1!</translation>
    </message>
    <message>
        <source>Finished! Found %1 part.met-File with Text &apos;%2&apos;</source>
        <translation>¡Terminado! %1 archivo(s) part.met con el texto &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes in %2 checked .part.met</source>
        <translation>¡Terminado! %1 fakes encontrados en %2 .part.met comprobados</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes in %2 checked .part.met, %3 could not be read</source>
        <translation>¡Terminado! %1 fakes encontrados en %2 .part.met comprobados, %3 no se pudieron leer</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes and %2 Suspects in %3 checked .part.met</source>
        <translation>¡Terminado! %1 fakes y %2 sospechosos encontrados en %3 .part.met comprobados</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes and %2 Suspects in %3 checked .part.met, %4 could not be read</source>
        <translation>¡Terminado! %1 fakes y %2 sospechosos encontrados en %3 .part.met comprobados, %4 no se pudieron leer</translation>
    </message>
    <message>
        <source>Reading: %1 Bytes. Please wait...</source>
        <translation>Leyendo: %1 bytes. Espere...</translation>
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
        <source>Download finished! New %1 written...</source>
        <translation>¡Descarga terminada! Nuevo %1 escrito...</translation>
    </message>
    <message>
        <source>New FAKE-DB - Version %1 available! Please download it now...</source>
        <translation>¡Nueva FAKE-DB - versión %1 disponible! Descárguela ahora...</translation>
    </message>
    <message>
        <source>New Kestrivane-Version %1 available! Please download it now...</source>
        <translation>¡Nueva versión de Kestrivane %1 disponible! Descárguela ahora...</translation>
    </message>
    <message>
        <source>The fake list at %1 has not changed since the last download.</source>
        <translation>La lista de fakes en %1 no ha cambiado desde la última descarga.</translation>
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
        <source>Your own list MYFAKES.DAT does not name %1.</source>
        <translation>Su lista MYFAKES.DAT no incluye %1.</translation>
    </message>
    <message>
        <source>%1 list line(s) copied to the clipboard.</source>
        <translation>%1 línea(s) de lista copiada(s) al portapapeles.</translation>
    </message>
    <message>
        <source>%1 list line(s) of MYFAKES.DAT written to %2</source>
        <translation>%1 línea(s) de MYFAKES.DAT escrita(s) en %2</translation>
    </message>
    <message>
        <source> Temp directory of the client:</source>
        <translation> Directorio temporal del cliente:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>Choose the client&apos;s temp directory</source>
        <translation>Elegir el directorio temporal del cliente</translation>
    </message>
    <message>
        <source>Check ed2k links</source>
        <translation>Comprobar enlaces ed2k</translation>
    </message>
    <message>
        <source>No fake list loaded: the links were checked by their names and part hashes only.</source>
        <translation>No hay lista de fakes cargada: los enlaces se comprobaron solo por sus nombres y hashes de partes.</translation>
    </message>
    <message>
        <source>Paste ed2k or magnet links (or any text holding them) first.</source>
        <translation>Pegue primero enlaces ed2k o magnet (o un texto que los contenga).</translation>
    </message>
    <message>
        <source>Welcome to Kestrivane</source>
        <translation>Bienvenido a Kestrivane</translation>
    </message>
    <message>
        <source>Kestrivane compares every unfinished download of your eMule, aMule or eDonkey client with fake lists: files of ed2k hashes found to be fakes (a trailer, an advertisement, another film). There is no public fake list, and the content check below works without one. To have a list, mark the fakes you find yourself (right click on a row, &apos;Mark as fake&apos;), or, if a group you belong to keeps a list, enter its update address in the field below. The field may stay empty.</source>
        <translation>Kestrivane compara cada descarga sin terminar de su cliente eMule, aMule o eDonkey con listas de fakes: archivos de hashes ed2k identificados como fakes (un tráiler, un anuncio, otra película). No existe una lista de fakes pública, y la comprobación del contenido de abajo funciona sin ella. Para tener una lista, marque usted mismo los fakes que encuentre (clic derecho en una fila, &apos;Marcar como fake&apos;), o, si un grupo al que pertenece mantiene una lista, introduzca su dirección de actualización en el campo de abajo. El campo puede quedar vacío.</translation>
    </message>
    <message>
        <source>Without a list the check still looks at the first bytes each download has received and marks what does not match its name as &quot;Suspect: ...&quot;.</source>
        <translation>Incluso sin lista, la comprobación examina los primeros bytes recibidos de cada descarga y marca lo que no coincide con su nombre como &quot;Suspect: ...&quot;.</translation>
    </message>
    <message>
        <source>Client settings found on this computer (the check reads its temp directory):</source>
        <translation>Configuraciones de cliente encontradas en este equipo (la comprobación lee su directorio temporal):</translation>
    </message>
    <message>
        <source>None of these: I will choose the file later (File, Open eMule / Open eDonkey)</source>
        <translation>Ninguna: elegiré el archivo más tarde (Archivo, Abrir eMule / Abrir eDonkey)</translation>
    </message>
    <message>
        <source>No client settings found in ~/.aMule or the Wine prefix ~/.wine. Choose the file later with File, Open eMule or Open eDonkey.</source>
        <translation>No se encontró configuración de cliente en ~/.aMule ni en el prefijo de Wine ~/.wine. Elija el archivo más tarde con Archivo, Abrir eMule o Abrir eDonkey.</translation>
    </message>
    <message>
        <source>Update address of a group&apos;s fake list (optional):</source>
        <translation>Dirección de actualización de la lista de fakes de un grupo (opcional):</translation>
    </message>
    <message>
        <source>Not a fake</source>
        <translation>No es un fake</translation>
    </message>
    <message>
        <source>Why is this download not a fake? (kept in your own list MYFAKES.DAT)</source>
        <translation>¿Por qué esta descarga no es un fake? (se guarda en su propia lista MYFAKES.DAT)</translation>
    </message>
    <message>
        <source>Recorded as not a fake in MYFAKES.DAT: %1</source>
        <translation>Registrado como no fake en MYFAKES.DAT: %1</translation>
    </message>
    <message>
        <source>No update address is set. There is no public fake list; the content check works without one. Mark fakes yourself, or enter a group&apos;s update address in Extras &gt; Options.</source>
        <translation>No hay ninguna dirección de actualización. No existe una lista de fakes pública; la comprobación del contenido funciona sin ella. Marque usted mismo los fakes o introduzca la dirección de actualización de un grupo en Extras &gt; Opciones.</translation>
    </message>
    <message>
        <source>Enter the password of aMule&apos;s External Connections.</source>
        <translation>Introduzca la contraseña de las conexiones externas de aMule.</translation>
    </message>
    <message>
        <source>No aMule connection stored: enter it in Extras &gt; Options.</source>
        <translation>No hay ninguna conexión de aMule guardada: introdúzcala en Extras &gt; Opciones.</translation>
    </message>
    <message>
        <source>Asking aMule for its downloads...</source>
        <translation>Pidiendo a aMule sus descargas...</translation>
    </message>
    <message>
        <source>Cancel in aMule</source>
        <translation>Cancelar en aMule</translation>
    </message>
    <message>
        <source>No amule.conf found in ~/.aMule.</source>
        <translation>No se encontró amule.conf en ~/.aMule.</translation>
    </message>
    <message>
        <source>aMule does not accept External Connections: turn on remote controls in aMule&apos;s preferences.</source>
        <translation>aMule no acepta conexiones externas: active el control remoto en las preferencias de aMule.</translation>
    </message>
    <message>
        <source>Not a host and port for aMule: %1</source>
        <translation>No es un host y puerto para aMule: %1</translation>
    </message>
    <message>
        <source>Could not log in to aMule: %1. Nothing stored.</source>
        <translation>No se pudo iniciar sesión en aMule: %1. No se guardó nada.</translation>
    </message>
    <message>
        <source>Connected to aMule %1; the connection is stored.</source>
        <translation>Conectado a aMule %1; la conexión está guardada.</translation>
    </message>
    <message>
        <source>aMule: %1</source>
        <translation>aMule: %1</translation>
    </message>
    <message>
        <source>Paused in aMule: %1</source>
        <translation>Pausado en aMule: %1</translation>
    </message>
    <message>
        <source>Resumed in aMule: %1</source>
        <translation>Reanudado en aMule: %1</translation>
    </message>
    <message>
        <source>Cancelled in aMule: %1</source>
        <translation>Cancelado en aMule: %1</translation>
    </message>
    <message>
        <source>aMule did not take the command for %1: %2</source>
        <translation>aMule no aceptó la orden para %1: %2</translation>
    </message>
    <message>
        <source>Cancel %1 in aMule and delete what has arrived?</source>
        <translation>¿Cancelar %1 en aMule y borrar lo que ya ha llegado?</translation>
    </message>
    <message>
        <source>And never download %1 again? Its hash goes into your own list, and the guard cancels it whenever it comes back, under any name.</source>
        <translation>¿Y no volver a descargar nunca %1? Su hash va a su propia lista, y la guardia lo cancela siempre que vuelva, con cualquier nombre.</translation>
    </message>
    <message>
        <source>Cancelled in aMule and kept out for good: %1</source>
        <translation>Cancelado en aMule y apartado para siempre: %1</translation>
    </message>
    <message>
        <source>Clean links added to aMule: %1 of %2</source>
        <translation>Enlaces limpios añadidos a aMule: %1 de %2</translation>
    </message>
    <message>
        <source>Not added to aMule: %1 (%2)</source>
        <translation>No añadido a aMule: %1 (%2)</translation>
    </message>
    <message>
        <source>Search for eDonkey-PREF.MET-File</source>
        <translation>Buscar el archivo PREF.MET de eDonkey</translation>
    </message>
    <message>
        <source>Search for eMule-Preferences.INI-File</source>
        <translation>Buscar el archivo Preferences.INI de eMule</translation>
    </message>
    <message>
        <source>eDonkey pref.met-File (pref.met)</source>
        <translation>Archivo pref.met de eDonkey (pref.met)</translation>
    </message>
    <message>
        <source>eMule preferences.ini-File (preferences.ini)</source>
        <translation>Archivo preferences.ini de eMule (preferences.ini)</translation>
    </message>
    <message>
        <source>aMule amule.conf-File (amule.conf)</source>
        <translation>Archivo amule.conf de aMule (amule.conf)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Fake lists (*.DAT)</source>
        <translation>Listas de fakes (*.DAT)</translation>
    </message>
    <message>
        <source>eMule collections</source>
        <translation>Colecciones de eMule</translation>
    </message>
    <message>
        <source>Text files and web pages</source>
        <translation>Archivos de texto y páginas web</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Export my fake list</source>
        <translation>Exportar mi lista de fakes</translation>
    </message>
    <message>
        <source>Choose another file: MYFAKES.DAT and FAKES.DAT in the program directory are the lists in use.</source>
        <translation>Elija otro archivo: MYFAKES.DAT y FAKES.DAT en el directorio del programa son las listas en uso.</translation>
    </message>
    <message>
        <source>Open ed2k links or an eMule collection</source>
        <translation>Abrir enlaces ed2k o una colección de eMule</translation>
    </message>
    <message>
        <source>What could this error be?</source>
        <translation>¿Qué error podrá ser este?</translation>
    </message>
    <message>
        <source>Cannot read the temp directory %1: %2.</source>
        <translation>No se puede leer el directorio temporal %1: %2.</translation>
    </message>
    <message>
        <source>Could not read the fake list %1: %2.</source>
        <translation>No se pudo leer la lista de fakes %1: %2.</translation>
    </message>
    <message>
        <source>Could not read the fake list %1.</source>
        <translation>No se pudo leer la lista de fakes %1.</translation>
    </message>
    <message>
        <source>%1 is too large to check for links (%2 bytes; at most %3 MiB are read).</source>
        <translation>%1 es demasiado grande para buscar enlaces (%2 bytes; se leen como máximo %3 MiB).</translation>
    </message>
    <message>
        <source>Could not read %1.</source>
        <translation>No se pudo leer %1.</translation>
    </message>
    <message>
        <source>Another Kestrivane%1 is writing in %2; try again when it has finished.</source>
        <translation>Otro Kestrivane%1 está escribiendo en %2; inténtelo de nuevo cuando haya terminado.</translation>
    </message>
    <message>
        <source>NEWER Kestrivane-Version %1 already downloaded .-) Please install it ...</source>
        <translation>Versión MÁS NUEVA de Kestrivane %1 ya descargada .-) Por favor, instálela ...</translation>
    </message>
    <message>
        <source>Not updated: fake list source %1 (the other sources were updated or are current).</source>
        <translation>Sin actualizar: fuente de lista de fakes %1 (las demás fuentes se actualizaron o ya estaban al día).</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes and %2 Suspects in %3 downloads of aMule; %4 not inspected: their data is on the aMule machine. Run Kestrivane beside aMule to inspect them.</source>
        <translation>¡Terminado! Se encontraron %1 fakes y %2 sospechosos en %3 descargas de aMule; %4 sin examinar: sus datos están en la máquina de aMule. Ejecute Kestrivane junto a aMule para examinarlos.</translation>
    </message>
    <message>
        <source>In aMule</source>
        <translation>En aMule</translation>
    </message>
</context>
<context>
    <name>kv::app::FindingsModel</name>
    <message>
        <source>Fake</source>
        <translation>Fake</translation>
    </message>
    <message>
        <source>Suspect</source>
        <translation>Sospechoso</translation>
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
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
</context>
<context>
    <name>kv::app::LinkFindingsModel</name>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nombre del archivo</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Veredicto</translation>
    </message>
    <message>
        <source>Named by %1</source>
        <translation>Nombrado por %1</translation>
    </message>
    <message>
        <source>Also suspect: %1</source>
        <translation>También sospechoso: %1</translation>
    </message>
</context>
<context>
    <name>kv::app::CheckLinksDialog</name>
    <message>
        <source>Paste ed2k or magnet links, or any text holding them:</source>
        <translation>Pegue enlaces ed2k o magnet, o un texto que los contenga:</translation>
    </message>
    <message>
        <source>&amp;Open file...</source>
        <translation>&amp;Abrir archivo...</translation>
    </message>
    <message>
        <source>Check an eMule collection or a text file</source>
        <translation>Comprobar una colección de eMule o un archivo de texto</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Comprobar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Add the clean links to aMule</source>
        <translation>Añadir los enlaces limpios a a&amp;Mule</translation>
    </message>
    <message>
        <source>Only the links judged OK, never a fake or a suspect; the aMule connection is set in Extras &gt; Options</source>
        <translation>Solo los enlaces juzgados OK, nunca un fake ni un sospechoso; la conexión con aMule se configura en Extras &gt; Opciones</translation>
    </message>
</context>
<context>
    <name>kv::app::FirstStartDialog</name>
    <message>
        <source>names no temp directory</source>
        <translation>no indica directorio temporal</translation>
    </message>
    <message>
        <source>temp directory %1</source>
        <translation>directorio temporal %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>kv::app::OptionsDialog</name>
    <message>
        <source>Kestrivane-Options</source>
        <translation>Opciones de Kestrivane</translation>
    </message>
    <message>
        <source> Check@Startup for:</source>
        <translation> Comprobar al iniciar:</translation>
    </message>
    <message>
        <source>New Fakes-DB</source>
        <translation>Nueva Fakes-DB</translation>
    </message>
    <message>
        <source>New Kestrivane</source>
        <translation>Nuevo Kestrivane</translation>
    </message>
    <message>
        <source> Tab-Stops:</source>
        <translation> Tabulaciones:</translation>
    </message>
    <message>
        <source>Stop-Value 1:</source>
        <translation>Valor 1:</translation>
    </message>
    <message>
        <source>Stop-Value 2:</source>
        <translation>Valor 2:</translation>
    </message>
    <message>
        <source> Download URL for Fakes-DB:</source>
        <translation> URL de descarga de la Fakes-DB:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source> aMule connection:</source>
        <translation> Conexión con aMule:</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Use the &amp;local aMule</source>
        <translation>Usar el aMule &amp;local</translation>
    </message>
</context>
<context>
    <name>kv::app::MainWindow</name>
    <message>
        <source>Search temporary file(s) with following content:</source>
        <translation>Buscar archivos temporales con el contenido:</translation>
    </message>
    <message>
        <source>Enter filename to search for .part.met</source>
        <translation>Escriba el nombre de archivo que buscar en los .part.met</translation>
    </message>
    <message>
        <source>Suche starten (F3)</source>
        <translation>Iniciar búsqueda (F3)</translation>
    </message>
    <message>
        <source>&amp;Update DB</source>
        <translation>Actuali&amp;zar DB</translation>
    </message>
    <message>
        <source>Check &amp;Files</source>
        <translation>Comprobar a&amp;rchivos</translation>
    </message>
    <message>
        <source> Status:</source>
        <translation> Estado:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>Arc&amp;hivo</translation>
    </message>
    <message>
        <source>Open e&amp;Mule</source>
        <translation>Abrir e&amp;Mule</translation>
    </message>
    <message>
        <source>Open e&amp;Donkey</source>
        <translation>Abrir e&amp;Donkey</translation>
    </message>
    <message>
        <source>Check ed2k &amp;links...</source>
        <translation>Comprobar en&amp;laces ed2k...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primir</translation>
    </message>
    <message>
        <source>&amp;Send Feedback</source>
        <translation>&amp;Enviar comentarios</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;All Files</source>
        <translation>&amp;Todos los archivos</translation>
    </message>
    <message>
        <source>&amp;TextSearch</source>
        <translation>&amp;Búsqueda de texto</translation>
    </message>
    <message>
        <source>&amp;Inspect Downloads</source>
        <translation>&amp;Inspeccionar descargas</translation>
    </message>
    <message>
        <source>Look at names and at the first bytes already downloaded for fakes no list knows</source>
        <translation>Examinar los nombres y los primeros bytes ya descargados en busca de fakes que ninguna lista conoce</translation>
    </message>
    <message>
        <source>&amp;Online-Update</source>
        <translation>Actualización en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Fakes-DB</source>
        <translation>&amp;Fakes-DB</translation>
    </message>
    <message>
        <source>&amp;Kestrivane</source>
        <translation>&amp;Kestrivane</translation>
    </message>
    <message>
        <source>&amp;Extras</source>
        <translation>Herra&amp;mientas</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Copy &amp;ed2k-Link to Clipboard</source>
        <translation>Copiar el enlace &amp;ed2k al portapapeles</translation>
    </message>
    <message>
        <source>Copy ed2k-Link to Clipboard (&amp;HTML)</source>
        <translation>Copiar el enlace ed2k al portapapeles (&amp;HTML)</translation>
    </message>
    <message>
        <source>Copy &amp;name</source>
        <translation>Copiar el &amp;nombre</translation>
    </message>
    <message>
        <source>Copy h&amp;ash</source>
        <translation>Copiar el h&amp;ash</translation>
    </message>
    <message>
        <source>Export my &amp;fake list...</source>
        <translation>Exportar mi lista de &amp;fakes...</translation>
    </message>
    <message>
        <source>&amp;Mark as fake...</source>
        <translation>&amp;Marcar como fake...</translation>
    </message>
    <message>
        <source>&amp;Unmark</source>
        <translation>&amp;Desmarcar</translation>
    </message>
    <message>
        <source>Copy as &amp;list line</source>
        <translation>Copiar como línea de &amp;lista</translation>
    </message>
    <message>
        <source>N&amp;ot a fake...</source>
        <translation>N&amp;o es un fake...</translation>
    </message>
    <message>
        <source>Check &amp;aMule</source>
        <translation>Comprobar &amp;aMule</translation>
    </message>
    <message>
        <source>&amp;Pause in aMule</source>
        <translation>&amp;Pausar en aMule</translation>
    </message>
    <message>
        <source>&amp;Resume in aMule</source>
        <translation>&amp;Reanudar en aMule</translation>
    </message>
    <message>
        <source>&amp;Cancel in aMule...</source>
        <translation>&amp;Cancelar en aMule...</translation>
    </message>
</context>
</TS>
