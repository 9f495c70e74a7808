<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
        <source>Flash video header</source>
        <translation>la cabecera de vídeo Flash</translation>
    </message>
    <message>
        <source>header</source>
        <translation>la cabecera</translation>
    </message>
    <message>
        <source>a password-protected ZIP archive</source>
        <translation>un archivo ZIP protegido con contraseña</translation>
    </message>
    <message>
        <source>a password-protected RAR archive</source>
        <translation>un archivo RAR protegido con contraseña</translation>
    </message>
    <message>
        <source>nothing but zero bytes</source>
        <translation>nada más que bytes cero</translation>
    </message>
    <message>
        <source>nothing but 0xFF bytes</source>
        <translation>nada más que bytes 0xFF</translation>
    </message>
    <message>
        <source>one byte (%1) repeated</source>
        <translation>un byte (%1) repetido</translation>
    </message>
    <message>
        <source>a %1-byte pattern repeated</source>
        <translation>un patrón de %1 bytes repetido</translation>
    </message>
    <message>
        <source>random bytes of no known format (%1 bits a byte)</source>
        <translation>bytes aleatorios sin formato conocido (%1 bits por byte)</translation>
    </message>
    <message>
        <source>an Internet shortcut</source>
        <translation>un acceso directo a Internet</translation>
    </message>
    <message>
        <source>a Windows script</source>
        <translation>un script de Windows</translation>
    </message>
    <message>
        <source>MPEG header</source>
        <translation>la cabecera MPEG</translation>
    </message>
    <message>
        <source>MPEG transport stream header</source>
        <translation>la cabecera del flujo de transporte MPEG</translation>
    </message>
    <message>
        <source>Ogg header</source>
        <translation>la cabecera Ogg</translation>
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
        <source>the %1 says it plays %2 of %3 lossy video, too short for %4 (%5 bits a pixel, the most such video spends is %6)</source>
        <translation>%1 indica una duración de %2 de vídeo con pérdida en %3, demasiado corta para %4 (%5 bits por píxel, un vídeo así no gasta más de %6)</translation>
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
    <message>
        <source> locked by DRM</source>
        <translation> bloqueado por DRM</translation>
    </message>
    <message>
        <source> locked by DRM (licence: %1)</source>
        <translation> bloqueado por DRM (licencia: %1)</translation>
    </message>
    <message>
        <source> that opens %1</source>
        <translation> que abre %1</translation>
    </message>
    <message>
        <source> (perhaps a self-extracting archive)</source>
        <translation> (quizá un archivo autoextraíble)</translation>
    </message>
    <message>
        <source>*** Not inspected: the data is on the aMule machine</source>
        <translation>*** No examinado: los datos están en la máquina de aMule</translation>
    </message>
    <message>
        <source>%1 FILENAME command</source>
        <translation>%1 orden FILENAME</translation>
    </message>
    <message>
        <source>%1 FILENAME commands</source>
        <translation>%1 órdenes FILENAME</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>claims %1, the data is junk behind a real %2 (the container&apos;s structure breaks off at byte %3)</source>
        <translation>dice ser %1, pero solo %2 es auténtica: la estructura del contenedor se interrumpe en el byte %3</translation>
    </message>
    <message>
        <source>%1 of %2 sources share it as &apos;%3&apos;</source>
        <translation>%1 de %2 fuentes lo comparten como &apos;%3&apos;</translation>
    </message>
    <message>
        <source>%1 of %2 sources share it under another title: &apos;%3&apos;</source>
        <translation>%1 de %2 fuentes lo comparten con otro título: &apos;%3&apos;</translation>
    </message>
</context>
</TS>
