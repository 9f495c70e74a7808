<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Types</name>
    <message>
        <source>AVI video</source>
        <translation>AVI-Video</translation>
    </message>
    <message>
        <source>DivX video</source>
        <translation>DivX-Video</translation>
    </message>
    <message>
        <source>Xvid video</source>
        <translation>Xvid-Video</translation>
    </message>
    <message>
        <source>Matroska video</source>
        <translation>Matroska-Video</translation>
    </message>
    <message>
        <source>WebM video</source>
        <translation>WebM-Video</translation>
    </message>
    <message>
        <source>MP4 video</source>
        <translation>MP4-Video</translation>
    </message>
    <message>
        <source>QuickTime video</source>
        <translation>QuickTime-Video</translation>
    </message>
    <message>
        <source>3GP video</source>
        <translation>3GP-Video</translation>
    </message>
    <message>
        <source>Flash MP4 video</source>
        <translation>Flash-MP4-Video</translation>
    </message>
    <message>
        <source>MPEG video</source>
        <translation>MPEG-Video</translation>
    </message>
    <message>
        <source>DVD video</source>
        <translation>DVD-Video</translation>
    </message>
    <message>
        <source>an MPEG transport stream</source>
        <translation>ein MPEG-Transportstrom</translation>
    </message>
    <message>
        <source>Windows Media video</source>
        <translation>Windows-Media-Video</translation>
    </message>
    <message>
        <source>Flash video</source>
        <translation>Flash-Video</translation>
    </message>
    <message>
        <source>a Flash movie</source>
        <translation>ein Flash-Film</translation>
    </message>
    <message>
        <source>Ogg video</source>
        <translation>Ogg-Video</translation>
    </message>
    <message>
        <source>RealMedia video</source>
        <translation>RealMedia-Video</translation>
    </message>
    <message>
        <source>MP3 audio</source>
        <translation>MP3-Audio</translation>
    </message>
    <message>
        <source>MPEG audio</source>
        <translation>MPEG-Audio</translation>
    </message>
    <message>
        <source>Windows Media audio</source>
        <translation>Windows-Media-Audio</translation>
    </message>
    <message>
        <source>Ogg audio</source>
        <translation>Ogg-Audio</translation>
    </message>
    <message>
        <source>Opus audio</source>
        <translation>Opus-Audio</translation>
    </message>
    <message>
        <source>FLAC audio</source>
        <translation>FLAC-Audio</translation>
    </message>
    <message>
        <source>WAV audio</source>
        <translation>WAV-Audio</translation>
    </message>
    <message>
        <source>Matroska audio</source>
        <translation>Matroska-Audio</translation>
    </message>
    <message>
        <source>MP4 audio</source>
        <translation>MP4-Audio</translation>
    </message>
    <message>
        <source>AAC audio</source>
        <translation>AAC-Audio</translation>
    </message>
    <message>
        <source>RealAudio</source>
        <translation>RealAudio</translation>
    </message>
    <message>
        <source>AC-3 audio</source>
        <translation>AC-3-Audio</translation>
    </message>
    <message>
        <source>DTS audio</source>
        <translation>DTS-Audio</translation>
    </message>
    <message>
        <source>WavPack audio</source>
        <translation>WavPack-Audio</translation>
    </message>
    <message>
        <source>Musepack audio</source>
        <translation>Musepack-Audio</translation>
    </message>
    <message>
        <source>TTA audio</source>
        <translation>TTA-Audio</translation>
    </message>
    <message>
        <source>AIFF audio</source>
        <translation>AIFF-Audio</translation>
    </message>
    <message>
        <source>MIDI music</source>
        <translation>MIDI-Musik</translation>
    </message>
    <message>
        <source>Monkey&apos;s Audio</source>
        <translation>Monkey&apos;s Audio</translation>
    </message>
    <message>
        <source>a disc image</source>
        <translation>ein Disc-Image</translation>
    </message>
    <message>
        <source>a JPEG image</source>
        <translation>ein JPEG-Bild</translation>
    </message>
    <message>
        <source>a PNG image</source>
        <translation>ein PNG-Bild</translation>
    </message>
    <message>
        <source>a GIF image</source>
        <translation>ein GIF-Bild</translation>
    </message>
    <message>
        <source>a WebP image</source>
        <translation>ein WebP-Bild</translation>
    </message>
    <message>
        <source>a bitmap image</source>
        <translation>ein Bitmap-Bild</translation>
    </message>
    <message>
        <source>a TIFF image</source>
        <translation>ein TIFF-Bild</translation>
    </message>
    <message>
        <source>a ZIP archive</source>
        <translation>ein ZIP-Archiv</translation>
    </message>
    <message>
        <source>a RAR archive</source>
        <translation>ein RAR-Archiv</translation>
    </message>
    <message>
        <source>a 7-Zip archive</source>
        <translation>ein 7-Zip-Archiv</translation>
    </message>
    <message>
        <source>a cabinet archive</source>
        <translation>ein Cabinet-Archiv</translation>
    </message>
    <message>
        <source>a gzip archive</source>
        <translation>ein gzip-Archiv</translation>
    </message>
    <message>
        <source>a bzip2 archive</source>
        <translation>ein bzip2-Archiv</translation>
    </message>
    <message>
        <source>an xz archive</source>
        <translation>ein xz-Archiv</translation>
    </message>
    <message>
        <source>a tar archive</source>
        <translation>ein tar-Archiv</translation>
    </message>
    <message>
        <source>an ARJ archive</source>
        <translation>ein ARJ-Archiv</translation>
    </message>
    <message>
        <source>an ACE archive</source>
        <translation>ein ACE-Archiv</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>ein PDF-Dokument</translation>
    </message>
    <message>
        <source>a document</source>
        <translation>ein Dokument</translation>
    </message>
    <message>
        <source>a text file</source>
        <translation>eine Textdatei</translation>
    </message>
    <message>
        <source>subtitles</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>a cue sheet</source>
        <translation>ein Cue-Sheet</translation>
    </message>
    <message>
        <source>a checksum list</source>
        <translation>eine Prüfsummenliste</translation>
    </message>
    <message>
        <source>a playlist</source>
        <translation>eine Wiedergabeliste</translation>
    </message>
    <message>
        <source>a web page</source>
        <translation>eine Webseite</translation>
    </message>
    <message>
        <source>an e-book</source>
        <translation>ein E-Book</translation>
    </message>
    <message>
        <source>a help file</source>
        <translation>eine Hilfedatei</translation>
    </message>
    <message>
        <source>a comic book</source>
        <translation>ein Comic</translation>
    </message>
    <message>
        <source>a program</source>
        <translation>ein Programm</translation>
    </message>
    <message>
        <source>of an unknown kind</source>
        <translation>unbekannter Art</translation>
    </message>
    <message>
        <source>a Windows Media file</source>
        <translation>eine Windows-Media-Datei</translation>
    </message>
    <message>
        <source>Ogg media</source>
        <translation>Ogg-Medien</translation>
    </message>
    <message>
        <source>RealMedia</source>
        <translation>RealMedia</translation>
    </message>
    <message>
        <source>gzip-compressed data</source>
        <translation>gzip-komprimierte Daten</translation>
    </message>
    <message>
        <source>bzip2-compressed data</source>
        <translation>bzip2-komprimierte Daten</translation>
    </message>
    <message>
        <source>xz-compressed data</source>
        <translation>xz-komprimierte Daten</translation>
    </message>
    <message>
        <source>a Windows program</source>
        <translation>ein Windows-Programm</translation>
    </message>
    <message>
        <source>a Linux program</source>
        <translation>ein Linux-Programm</translation>
    </message>
    <message>
        <source>a shell script</source>
        <translation>ein Shell-Skript</translation>
    </message>
    <message>
        <source>a Windows batch script</source>
        <translation>ein Windows-Batch-Skript</translation>
    </message>
    <message>
        <source>a DjVu document</source>
        <translation>ein DjVu-Dokument</translation>
    </message>
    <message>
        <source>an office document</source>
        <translation>ein Office-Dokument</translation>
    </message>
    <message>
        <source>an Office document or an installer</source>
        <translation>ein Office-Dokument oder ein Installer</translation>
    </message>
    <message>
        <source>a Windows installer</source>
        <translation>ein Windows-Installer</translation>
    </message>
    <message>
        <source>plain text</source>
        <translation>reiner Text</translation>
    </message>
    <message>
        <source>a Windows shortcut</source>
        <translation>eine Windows-Verknüpfung</translation>
    </message>
    <message>
        <source>AVI header</source>
        <translation>der AVI-Header</translation>
    </message>
    <message>
        <source>Windows Media header</source>
        <translation>der Windows-Media-Header</translation>
    </message>
    <message>
        <source>Matroska header</source>
        <translation>der Matroska-Header</translation>
    </message>
    <message>
        <source>MP4 header</source>
        <translation>der MP4-Header</translation>
    </message>
    <message>
        <source>QuickTime header</source>
        <translation>der QuickTime-Header</translation>
    </message>
    <message>
        <source>MP3 header</source>
        <translation>der MP3-Header</translation>
    </message>
    <message>
        <source>FLAC header</source>
        <translation>der FLAC-Header</translation>
    </message>
    <message>
        <source>WAV header</source>
        <translation>der WAV-Header</translation>
    </message>
    <message>
        <source>Flash video header</source>
        <translation>der Flash-Video-Header</translation>
    </message>
    <message>
        <source>header</source>
        <translation>der Header</translation>
    </message>
    <message>
        <source>a password-protected ZIP archive</source>
        <translation>ein passwortgeschütztes ZIP-Archiv</translation>
    </message>
    <message>
        <source>a password-protected RAR archive</source>
        <translation>ein passwortgeschütztes RAR-Archiv</translation>
    </message>
    <message>
        <source>nothing but zero bytes</source>
        <translation>nichts als Null-Bytes</translation>
    </message>
    <message>
        <source>nothing but 0xFF bytes</source>
        <translation>nichts als 0xFF-Bytes</translation>
    </message>
    <message>
        <source>one byte (%1) repeated</source>
        <translation>ein wiederholtes Byte (%1)</translation>
    </message>
    <message>
        <source>a %1-byte pattern repeated</source>
        <translation>ein wiederholtes Muster aus %1 Bytes</translation>
    </message>
    <message>
        <source>random bytes of no known format (%1 bits a byte)</source>
        <translation>Zufallsbytes ohne bekanntes Format (%1 Bit je Byte)</translation>
    </message>
    <message>
        <source>an Internet shortcut</source>
        <translation>eine Internetverknüpfung</translation>
    </message>
    <message>
        <source>a Windows script</source>
        <translation>ein Windows-Skript</translation>
    </message>
    <message>
        <source>MPEG header</source>
        <translation>der MPEG-Header</translation>
    </message>
    <message>
        <source>MPEG transport stream header</source>
        <translation>der Header des MPEG-Transportstroms</translation>
    </message>
    <message>
        <source>Ogg header</source>
        <translation>der Ogg-Header</translation>
    </message>
</context>
<context>
    <name>Verdicts</name>
    <message>
        <source>%1 byte</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>claims %1, the data is %2%3</source>
        <translation>gibt sich als %1 aus, die Daten sind %2%3</translation>
    </message>
    <message>
        <source>the data is %1, named .%2: it will play</source>
        <translation>die Daten sind %1, benannt als .%2: es lässt sich abspielen</translation>
    </message>
    <message>
        <source>a program posing as %1: the name ends in .%2.%3</source>
        <translation>ein Programm, das sich als %1 ausgibt: der Name endet auf .%2.%3</translation>
    </message>
    <message>
        <source>%1 blank</source>
        <translation>%1 Leerzeichen</translation>
    </message>
    <message>
        <source>%1 blanks</source>
        <translation>%1 Leerzeichen</translation>
    </message>
    <message>
        <source>a program posing as %1: the name ends in .%2, %3 and .%4</source>
        <translation>ein Programm, das sich als %1 ausgibt: der Name endet auf .%2, %3 und .%4</translation>
    </message>
    <message>
        <source>a program hidden behind blanks: the name has %1 blanks before .%2</source>
        <translation>ein hinter Leerzeichen verstecktes Programm: der Name hat %1 Leerzeichen vor .%2</translation>
    </message>
    <message>
        <source>the name hides its real extension behind a right-to-left mark</source>
        <translation>der Name versteckt seine echte Endung hinter einem Rechts-nach-links-Zeichen</translation>
    </message>
    <message>
        <source>the published file is mostly zeros (%1 of %2 parts are empty)</source>
        <translation>die veröffentlichte Datei besteht größtenteils aus Nullen (%1 von %2 Teilen sind leer)</translation>
    </message>
    <message>
        <source>a short clip padded to a larger size: the %1 says it is %2 long, the download is published as %3</source>
        <translation>ein kurzer Clip, auf eine größere Größe aufgefüllt: %1 gibt %2 an, der Download ist mit %3 veröffentlicht</translation>
    </message>
    <message>
        <source>the %1 says it plays %2, too short for %3 (%4, the most such a file carries is %5)</source>
        <translation>%1 gibt eine Spieldauer von %2 an, zu kurz für %3 (%4, mehr als %5 trägt eine solche Datei nicht)</translation>
    </message>
    <message>
        <source>the %1 says it plays %2, the search result said %3</source>
        <translation>%1 gibt eine Spieldauer von %2 an, das Suchergebnis nannte %3</translation>
    </message>
    <message>
        <source>the %1 says it plays %2 of %3 lossy video, too short for %4 (%5 bits a pixel, the most such video spends is %6)</source>
        <translation>%1 gibt eine Spieldauer von %2 verlustbehaftet komprimiertem Video in %3 an, zu kurz für %4 (%5 Bit je Pixel, mehr als %6 verwendet solches Video nicht)</translation>
    </message>
    <message>
        <source>%1 URL command</source>
        <translation>%1 URL-Befehl</translation>
    </message>
    <message>
        <source>%1 URL commands</source>
        <translation>%1 URL-Befehle</translation>
    </message>
    <message>
        <source>claims %1, the data is Windows Media that opens web pages as it plays (%2)</source>
        <translation>gibt sich als %1 aus, die Daten sind Windows Media, das beim Abspielen Webseiten öffnet (%2)</translation>
    </message>
    <message>
        <source>claims %1, the data is Windows Media that opens web pages as it plays (%2: %3)</source>
        <translation>gibt sich als %1 aus, die Daten sind Windows Media, das beim Abspielen Webseiten öffnet (%2: %3)</translation>
    </message>
    <message>
        <source>%1 part arrived corrupted: someone is feeding this download bad data</source>
        <translation>%1 Teil kam beschädigt an: jemand füttert diesen Download mit schlechten Daten</translation>
    </message>
    <message>
        <source>%1 parts arrived corrupted: someone is feeding this download bad data</source>
        <translation>%1 Teile kamen beschädigt an: jemand füttert diesen Download mit schlechten Daten</translation>
    </message>
    <message>
        <source>%1 were lost to corruption: someone is feeding this download bad data</source>
        <translation>%1 gingen durch Beschädigung verloren: jemand füttert diesen Download mit schlechten Daten</translation>
    </message>
    <message>
        <source>no source has had the whole file in %1 of downloading</source>
        <translation>keine Quelle hatte die ganze Datei in %1 Download-Zeit</translation>
    </message>
    <message>
        <source>a part of the published file is all zeros (its part hashes hold the hash of an empty part)</source>
        <translation>ein Teil der veröffentlichten Datei besteht nur aus Nullen (ihre Teil-Hashes enthalten den Hash eines leeren Teils)</translation>
    </message>
    <message>
        <source>rated Fake by %1 of %2 source</source>
        <translation>von %1 von %2 Quelle als Fake bewertet</translation>
    </message>
    <message>
        <source>rated Fake by %1 of %2 sources</source>
        <translation>von %1 von %2 Quellen als Fake bewertet</translation>
    </message>
    <message>
        <source>*** OK </source>
        <translation>*** OK </translation>
    </message>
    <message>
        <source>*** OK (allowed by you)</source>
        <translation>*** OK (von Ihnen erlaubt)</translation>
    </message>
    <message>
        <source>*** OK (allowed by you: %1)</source>
        <translation>*** OK (von Ihnen erlaubt: %1)</translation>
    </message>
    <message>
        <source>*** Not checked: the .met file could not be read</source>
        <translation>*** Nicht geprüft: die .met-Datei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>*** Not checked: the .met file is larger than 64 MiB, no .part.met</source>
        <translation>*** Nicht geprüft: die .met-Datei ist größer als 64 MiB, kein .part.met</translation>
    </message>
    <message>
        <source>*** Not checked: the .met file is empty or damaged</source>
        <translation>*** Nicht geprüft: die .met-Datei ist leer oder beschädigt</translation>
    </message>
    <message>
        <source>*** Not checked: the temp directory could not be listed</source>
        <translation>*** Nicht geprüft: das Temp-Verzeichnis konnte nicht aufgelistet werden</translation>
    </message>
    <message>
        <source>*** OK (note: %1)</source>
        <translation>*** OK (Hinweis: %1)</translation>
    </message>
    <message>
        <source>Suspect: %1</source>
        <translation>Verdächtig: %1</translation>
    </message>
    <message>
        <source>%1 (read from the client&apos;s backup %2)</source>
        <translation>%1 (aus der Sicherung %2 des Clients gelesen)</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes and %2 Suspects in %3 checked .part.met, %4 could not be read</source>
        <translation>Fertig! %1 Fakes und %2 Verdächtige in %3 geprüften .part.met gefunden, %4 konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes and %2 Suspects in %3 checked .part.met</source>
        <translation>Fertig! %1 Fakes und %2 Verdächtige in %3 geprüften .part.met gefunden</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes in %2 checked .part.met, %3 could not be read</source>
        <translation>Fertig! %1 Fakes in %2 geprüften .part.met gefunden, %3 konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes in %2 checked .part.met</source>
        <translation>Fertig! %1 Fakes in %2 geprüften .part.met gefunden</translation>
    </message>
    <message>
        <source>Fake (%1)</source>
        <translation>Fake (%1)</translation>
    </message>
    <message>
        <source>Malformed link: %1</source>
        <translation>Fehlerhafter Link: %1</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4 malformed</source>
        <translation>%1: %2, %3, %4 fehlerhaft</translation>
    </message>
    <message>
        <source>%1 link</source>
        <translation>%1 Link</translation>
    </message>
    <message>
        <source>%1 links</source>
        <translation>%1 Links</translation>
    </message>
    <message>
        <source>%1 fake</source>
        <translation>%1 Fake</translation>
    </message>
    <message>
        <source>%1 fakes</source>
        <translation>%1 Fakes</translation>
    </message>
    <message>
        <source>%1 suspect</source>
        <translation>%1 verdächtig</translation>
    </message>
    <message>
        <source>%1 suspects</source>
        <translation>%1 verdächtig</translation>
    </message>
    <message>
        <source> locked by DRM</source>
        <translation>, durch DRM gesperrt</translation>
    </message>
    <message>
        <source> locked by DRM (licence: %1)</source>
        <translation>, durch DRM gesperrt (Lizenz: %1)</translation>
    </message>
    <message>
        <source> that opens %1</source>
        <translation>, die %1 öffnet</translation>
    </message>
    <message>
        <source> (perhaps a self-extracting archive)</source>
        <translation> (vielleicht ein selbstentpackendes Archiv)</translation>
    </message>
    <message>
        <source>*** Not inspected: the data is on the aMule machine</source>
        <translation>*** Nicht untersucht: die Daten liegen auf dem aMule-Rechner</translation>
    </message>
    <message>
        <source>%1 FILENAME command</source>
        <translation>%1 FILENAME-Befehl</translation>
    </message>
    <message>
        <source>%1 FILENAME commands</source>
        <translation>%1 FILENAME-Befehle</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>claims %1, the data is junk behind a real %2 (the container&apos;s structure breaks off at byte %3)</source>
        <translation>gibt sich als %1 aus, aber nur %2 ist echt: die Struktur des Containers bricht bei Byte %3 ab</translation>
    </message>
    <message>
        <source>%1 of %2 sources share it as &apos;%3&apos;</source>
        <translation>%1 von %2 Quellen teilen es als &apos;%3&apos;</translation>
    </message>
    <message>
        <source>%1 of %2 sources share it under another title: &apos;%3&apos;</source>
        <translation>%1 von %2 Quellen teilen es unter einem anderen Titel: &apos;%3&apos;</translation>
    </message>
</context>
</TS>
