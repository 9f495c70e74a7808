<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Types</name>
    <message>
        <source>AVI video</source>
        <translation>video AVI</translation>
    </message>
    <message>
        <source>DivX video</source>
        <translation>video DivX</translation>
    </message>
    <message>
        <source>Xvid video</source>
        <translation>video Xvid</translation>
    </message>
    <message>
        <source>Matroska video</source>
        <translation>video Matroska</translation>
    </message>
    <message>
        <source>WebM video</source>
        <translation>video WebM</translation>
    </message>
    <message>
        <source>MP4 video</source>
        <translation>video MP4</translation>
    </message>
    <message>
        <source>QuickTime video</source>
        <translation>video QuickTime</translation>
    </message>
    <message>
        <source>3GP video</source>
        <translation>video 3GP</translation>
    </message>
    <message>
        <source>Flash MP4 video</source>
        <translation>video Flash MP4</translation>
    </message>
    <message>
        <source>MPEG video</source>
        <translation>video MPEG</translation>
    </message>
    <message>
        <source>DVD video</source>
        <translation>video DVD</translation>
    </message>
    <message>
        <source>an MPEG transport stream</source>
        <translation>un flusso di trasporto MPEG</translation>
    </message>
    <message>
        <source>Windows Media video</source>
        <translation>video Windows Media</translation>
    </message>
    <message>
        <source>Flash video</source>
        <translation>video Flash</translation>
    </message>
    <message>
        <source>a Flash movie</source>
        <translation>un filmato Flash</translation>
    </message>
    <message>
        <source>Ogg video</source>
        <translation>video Ogg</translation>
    </message>
    <message>
        <source>RealMedia video</source>
        <translation>video RealMedia</translation>
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
        <translation>musica MIDI</translation>
    </message>
    <message>
        <source>Monkey&apos;s Audio</source>
        <translation>Monkey&apos;s Audio</translation>
    </message>
    <message>
        <source>a disc image</source>
        <translation>un&apos;immagine disco</translation>
    </message>
    <message>
        <source>a JPEG image</source>
        <translation>un&apos;immagine JPEG</translation>
    </message>
    <message>
        <source>a PNG image</source>
        <translation>un&apos;immagine PNG</translation>
    </message>
    <message>
        <source>a GIF image</source>
        <translation>un&apos;immagine GIF</translation>
    </message>
    <message>
        <source>a WebP image</source>
        <translation>un&apos;immagine WebP</translation>
    </message>
    <message>
        <source>a bitmap image</source>
        <translation>un&apos;immagine bitmap</translation>
    </message>
    <message>
        <source>a TIFF image</source>
        <translation>un&apos;immagine TIFF</translation>
    </message>
    <message>
        <source>a ZIP archive</source>
        <translation>un archivio ZIP</translation>
    </message>
    <message>
        <source>a RAR archive</source>
        <translation>un archivio RAR</translation>
    </message>
    <message>
        <source>a 7-Zip archive</source>
        <translation>un archivio 7-Zip</translation>
    </message>
    <message>
        <source>a cabinet archive</source>
        <translation>un archivio cabinet</translation>
    </message>
    <message>
        <source>a gzip archive</source>
        <translation>un archivio gzip</translation>
    </message>
    <message>
        <source>a bzip2 archive</source>
        <translation>un archivio bzip2</translation>
    </message>
    <message>
        <source>an xz archive</source>
        <translation>un archivio xz</translation>
    </message>
    <message>
        <source>a tar archive</source>
        <translation>un archivio tar</translation>
    </message>
    <message>
        <source>an ARJ archive</source>
        <translation>un archivio ARJ</translation>
    </message>
    <message>
        <source>an ACE archive</source>
        <translation>un archivio ACE</translation>
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
        <translation>un file di testo</translation>
    </message>
    <message>
        <source>subtitles</source>
        <translation>sottotitoli</translation>
    </message>
    <message>
        <source>a cue sheet</source>
        <translation>un cue sheet</translation>
    </message>
    <message>
        <source>a checksum list</source>
        <translation>un elenco di checksum</translation>
    </message>
    <message>
        <source>a playlist</source>
        <translation>una playlist</translation>
    </message>
    <message>
        <source>a web page</source>
        <translation>una pagina web</translation>
    </message>
    <message>
        <source>an e-book</source>
        <translation>un e-book</translation>
    </message>
    <message>
        <source>a help file</source>
        <translation>un file di guida</translation>
    </message>
    <message>
        <source>a comic book</source>
        <translation>un fumetto</translation>
    </message>
    <message>
        <source>a program</source>
        <translation>un programma</translation>
    </message>
    <message>
        <source>of an unknown kind</source>
        <translation>di un tipo sconosciuto</translation>
    </message>
    <message>
        <source>a Windows Media file</source>
        <translation>un file Windows Media</translation>
    </message>
    <message>
        <source>Ogg media</source>
        <translation>media Ogg</translation>
    </message>
    <message>
        <source>RealMedia</source>
        <translation>RealMedia</translation>
    </message>
    <message>
        <source>gzip-compressed data</source>
        <translation>dati compressi gzip</translation>
    </message>
    <message>
        <source>bzip2-compressed data</source>
        <translation>dati compressi bzip2</translation>
    </message>
    <message>
        <source>xz-compressed data</source>
        <translation>dati compressi xz</translation>
    </message>
    <message>
        <source>a Windows program</source>
        <translation>un programma Windows</translation>
    </message>
    <message>
        <source>a Linux program</source>
        <translation>un programma Linux</translation>
    </message>
    <message>
        <source>a shell script</source>
        <translation>uno script di shell</translation>
    </message>
    <message>
        <source>a Windows batch script</source>
        <translation>uno script batch di Windows</translation>
    </message>
    <message>
        <source>a DjVu document</source>
        <translation>un documento DjVu</translation>
    </message>
    <message>
        <source>an office document</source>
        <translation>un documento di Office</translation>
    </message>
    <message>
        <source>an Office document or an installer</source>
        <translation>un documento di Office o un programma di installazione</translation>
    </message>
    <message>
        <source>a Windows installer</source>
        <translation>un programma di installazione Windows</translation>
    </message>
    <message>
        <source>plain text</source>
        <translation>testo semplice</translation>
    </message>
    <message>
        <source>a Windows shortcut</source>
        <translation>un collegamento di Windows</translation>
    </message>
    <message>
        <source>AVI header</source>
        <translation>l&apos;intestazione AVI</translation>
    </message>
    <message>
        <source>Windows Media header</source>
        <translation>l&apos;intestazione Windows Media</translation>
    </message>
    <message>
        <source>Matroska header</source>
        <translation>l&apos;intestazione Matroska</translation>
    </message>
    <message>
        <source>MP4 header</source>
        <translation>l&apos;intestazione MP4</translation>
    </message>
    <message>
        <source>QuickTime header</source>
        <translation>l&apos;intestazione QuickTime</translation>
    </message>
    <message>
        <source>MP3 header</source>
        <translation>l&apos;intestazione MP3</translation>
    </message>
    <message>
        <source>FLAC header</source>
        <translation>l&apos;intestazione FLAC</translation>
    </message>
    <message>
        <source>WAV header</source>
        <translation>l&apos;intestazione WAV</translation>
    </message>
    <message>
        <source>Flash video header</source>
        <translation>l&apos;intestazione video Flash</translation>
    </message>
    <message>
        <source>header</source>
        <translation>l&apos;intestazione</translation>
    </message>
    <message>
        <source>a password-protected ZIP archive</source>
        <translation>un archivio ZIP protetto da password</translation>
    </message>
    <message>
        <source>a password-protected RAR archive</source>
        <translation>un archivio RAR protetto da password</translation>
    </message>
    <message>
        <source>nothing but zero bytes</source>
        <translation>nient&apos;altro che byte zero</translation>
    </message>
    <message>
        <source>nothing but 0xFF bytes</source>
        <translation>nient&apos;altro che byte 0xFF</translation>
    </message>
    <message>
        <source>one byte (%1) repeated</source>
        <translation>un byte (%1) ripetuto</translation>
    </message>
    <message>
        <source>a %1-byte pattern repeated</source>
        <translation>uno schema di %1 byte ripetuto</translation>
    </message>
    <message>
        <source>random bytes of no known format (%1 bits a byte)</source>
        <translation>byte casuali senza formato noto (%1 bit per byte)</translation>
    </message>
    <message>
        <source>an Internet shortcut</source>
        <translation>un collegamento Internet</translation>
    </message>
    <message>
        <source>a Windows script</source>
        <translation>uno script di Windows</translation>
    </message>
    <message>
        <source>MPEG header</source>
        <translation>l&apos;intestazione MPEG</translation>
    </message>
    <message>
        <source>MPEG transport stream header</source>
        <translation>l&apos;intestazione del flusso di trasporto MPEG</translation>
    </message>
    <message>
        <source>Ogg header</source>
        <translation>l&apos;intestazione Ogg</translation>
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
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>claims %1, the data is %2%3</source>
        <translation>dichiara %1, i dati sono %2%3</translation>
    </message>
    <message>
        <source>the data is %1, named .%2: it will play</source>
        <translation>i dati sono %1, chiamati .%2: si riprodurrà</translation>
    </message>
    <message>
        <source>a program posing as %1: the name ends in .%2.%3</source>
        <translation>un programma che si spaccia per %1: il nome termina in .%2.%3</translation>
    </message>
    <message>
        <source>%1 blank</source>
        <translation>%1 spazio</translation>
    </message>
    <message>
        <source>%1 blanks</source>
        <translation>%1 spazi</translation>
    </message>
    <message>
        <source>a program posing as %1: the name ends in .%2, %3 and .%4</source>
        <translation>un programma che si spaccia per %1: il nome termina in .%2, %3 e .%4</translation>
    </message>
    <message>
        <source>a program hidden behind blanks: the name has %1 blanks before .%2</source>
        <translation>un programma nascosto dietro spazi: il nome ha %1 spazi prima di .%2</translation>
    </message>
    <message>
        <source>the name hides its real extension behind a right-to-left mark</source>
        <translation>il nome nasconde la sua vera estensione dietro un segno da destra a sinistra</translation>
    </message>
    <message>
        <source>the published file is mostly zeros (%1 of %2 parts are empty)</source>
        <translation>il file pubblicato è fatto quasi solo di zeri (%1 parti su %2 sono vuote)</translation>
    </message>
    <message>
        <source>a short clip padded to a larger size: the %1 says it is %2 long, the download is published as %3</source>
        <translation>una clip breve gonfiata a una dimensione maggiore: %1 indica %2, il download è pubblicato come %3</translation>
    </message>
    <message>
        <source>the %1 says it plays %2, too short for %3 (%4, the most such a file carries is %5)</source>
        <translation>%1 indica una durata di %2, troppo poco per %3 (%4, un file simile porta al massimo %5)</translation>
    </message>
    <message>
        <source>the %1 says it plays %2, the search result said %3</source>
        <translation>%1 indica una durata di %2, il risultato della ricerca diceva %3</translation>
    </message>
    <message>
        <source>the %1 says it plays %2 of %3 lossy video, too short for %4 (%5 bits a pixel, the most such video spends is %6)</source>
        <translation>%1 indica una durata di %2 di video con perdita in %3, troppo breve per %4 (%5 bit per pixel, un video simile non ne spende più di %6)</translation>
    </message>
    <message>
        <source>%1 URL command</source>
        <translation>%1 comando URL</translation>
    </message>
    <message>
        <source>%1 URL commands</source>
        <translation>%1 comandi URL</translation>
    </message>
    <message>
        <source>claims %1, the data is Windows Media that opens web pages as it plays (%2)</source>
        <translation>dichiara %1, i dati sono Windows Media che apre pagine web durante la riproduzione (%2)</translation>
    </message>
    <message>
        <source>claims %1, the data is Windows Media that opens web pages as it plays (%2: %3)</source>
        <translation>dichiara %1, i dati sono Windows Media che apre pagine web durante la riproduzione (%2: %3)</translation>
    </message>
    <message>
        <source>%1 part arrived corrupted: someone is feeding this download bad data</source>
        <translation>%1 parte è arrivata corrotta: qualcuno alimenta questo download con dati cattivi</translation>
    </message>
    <message>
        <source>%1 parts arrived corrupted: someone is feeding this download bad data</source>
        <translation>%1 parti sono arrivate corrotte: qualcuno alimenta questo download con dati cattivi</translation>
    </message>
    <message>
        <source>%1 were lost to corruption: someone is feeding this download bad data</source>
        <translation>%1 persi per corruzione: qualcuno alimenta questo download con dati cattivi</translation>
    </message>
    <message>
        <source>no source has had the whole file in %1 of downloading</source>
        <translation>nessuna fonte ha avuto il file intero in %1 di download</translation>
    </message>
    <message>
        <source>a part of the published file is all zeros (its part hashes hold the hash of an empty part)</source>
        <translation>una parte del file pubblicato è fatta solo di zeri (i suoi hash delle parti contengono l&apos;hash di una parte vuota)</translation>
    </message>
    <message>
        <source>rated Fake by %1 of %2 source</source>
        <translation>valutato Fake da %1 fonte su %2</translation>
    </message>
    <message>
        <source>rated Fake by %1 of %2 sources</source>
        <translation>valutato Fake da %1 fonti su %2</translation>
    </message>
    <message>
        <source>*** OK </source>
        <translation>*** OK </translation>
    </message>
    <message>
        <source>*** OK (allowed by you)</source>
        <translation>*** OK (consentito da te)</translation>
    </message>
    <message>
        <source>*** OK (allowed by you: %1)</source>
        <translation>*** OK (consentito da te: %1)</translation>
    </message>
    <message>
        <source>*** Not checked: the .met file could not be read</source>
        <translation>*** Non controllato: impossibile leggere il file .met</translation>
    </message>
    <message>
        <source>*** Not checked: the .met file is larger than 64 MiB, no .part.met</source>
        <translation>*** Non controllato: il file .met supera i 64 MiB, non è un .part.met</translation>
    </message>
    <message>
        <source>*** Not checked: the .met file is empty or damaged</source>
        <translation>*** Non controllato: il file .met è vuoto o danneggiato</translation>
    </message>
    <message>
        <source>*** Not checked: the temp directory could not be listed</source>
        <translation>*** Non controllato: impossibile elencare la cartella temporanea</translation>
    </message>
    <message>
        <source>*** OK (note: %1)</source>
        <translation>*** OK (nota: %1)</translation>
    </message>
    <message>
        <source>Suspect: %1</source>
        <translation>Sospetto: %1</translation>
    </message>
    <message>
        <source>%1 (read from the client&apos;s backup %2)</source>
        <translation>%1 (letto dal backup %2 del client)</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes and %2 Suspects in %3 checked .part.met, %4 could not be read</source>
        <translation>Finito! Trovati %1 fake e %2 sospetti in %3 .part.met controllati, %4 non leggibili</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes and %2 Suspects in %3 checked .part.met</source>
        <translation>Finito! Trovati %1 fake e %2 sospetti in %3 .part.met controllati</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes in %2 checked .part.met, %3 could not be read</source>
        <translation>Finito! Trovati %1 fake in %2 .part.met controllati, %3 non leggibili</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes in %2 checked .part.met</source>
        <translation>Finito! Trovati %1 fake in %2 .part.met controllati</translation>
    </message>
    <message>
        <source>Fake (%1)</source>
        <translation>Fake (%1)</translation>
    </message>
    <message>
        <source>Malformed link: %1</source>
        <translation>Link malformato: %1</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4 malformed</source>
        <translation>%1: %2, %3, %4 malformati</translation>
    </message>
    <message>
        <source>%1 link</source>
        <translation>%1 link</translation>
    </message>
    <message>
        <source>%1 links</source>
        <translation>%1 link</translation>
    </message>
    <message>
        <source>%1 fake</source>
        <translation>%1 fake</translation>
    </message>
    <message>
        <source>%1 fakes</source>
        <translation>%1 fake</translation>
    </message>
    <message>
        <source>%1 suspect</source>
        <translation>%1 sospetto</translation>
    </message>
    <message>
        <source>%1 suspects</source>
        <translation>%1 sospetti</translation>
    </message>
    <message>
        <source> locked by DRM</source>
        <translation> bloccato da DRM</translation>
    </message>
    <message>
        <source> locked by DRM (licence: %1)</source>
        <translation> bloccato da DRM (licenza: %1)</translation>
    </message>
    <message>
        <source> that opens %1</source>
        <translation> che apre %1</translation>
    </message>
    <message>
        <source> (perhaps a self-extracting archive)</source>
        <translation> (forse un archivio autoestraente)</translation>
    </message>
    <message>
        <source>*** Not inspected: the data is on the aMule machine</source>
        <translation>*** Non esaminato: i dati sono sulla macchina di aMule</translation>
    </message>
    <message>
        <source>%1 FILENAME command</source>
        <translation>%1 comando FILENAME</translation>
    </message>
    <message>
        <source>%1 FILENAME commands</source>
        <translation>%1 comandi FILENAME</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>claims %1, the data is junk behind a real %2 (the container&apos;s structure breaks off at byte %3)</source>
        <translation>dichiara %1, ma solo %2 è autentica: la struttura del contenitore si interrompe al byte %3</translation>
    </message>
    <message>
        <source>%1 of %2 sources share it as &apos;%3&apos;</source>
        <translation>%1 fonti su %2 lo condividono come &apos;%3&apos;</translation>
    </message>
    <message>
        <source>%1 of %2 sources share it under another title: &apos;%3&apos;</source>
        <translation>%1 fonti su %2 lo condividono con un altro titolo: &apos;%3&apos;</translation>
    </message>
</context>
</TS>
