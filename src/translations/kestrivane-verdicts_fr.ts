<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Types</name>
    <message>
        <source>AVI video</source>
        <translation>vidéo AVI</translation>
    </message>
    <message>
        <source>DivX video</source>
        <translation>vidéo DivX</translation>
    </message>
    <message>
        <source>Xvid video</source>
        <translation>vidéo Xvid</translation>
    </message>
    <message>
        <source>Matroska video</source>
        <translation>vidéo Matroska</translation>
    </message>
    <message>
        <source>WebM video</source>
        <translation>vidéo WebM</translation>
    </message>
    <message>
        <source>MP4 video</source>
        <translation>vidéo MP4</translation>
    </message>
    <message>
        <source>QuickTime video</source>
        <translation>vidéo QuickTime</translation>
    </message>
    <message>
        <source>3GP video</source>
        <translation>vidéo 3GP</translation>
    </message>
    <message>
        <source>Flash MP4 video</source>
        <translation>vidéo Flash MP4</translation>
    </message>
    <message>
        <source>MPEG video</source>
        <translation>vidéo MPEG</translation>
    </message>
    <message>
        <source>DVD video</source>
        <translation>vidéo DVD</translation>
    </message>
    <message>
        <source>an MPEG transport stream</source>
        <translation>un flux de transport MPEG</translation>
    </message>
    <message>
        <source>Windows Media video</source>
        <translation>vidéo Windows Media</translation>
    </message>
    <message>
        <source>Flash video</source>
        <translation>vidéo Flash</translation>
    </message>
    <message>
        <source>a Flash movie</source>
        <translation>un film Flash</translation>
    </message>
    <message>
        <source>Ogg video</source>
        <translation>vidéo Ogg</translation>
    </message>
    <message>
        <source>RealMedia video</source>
        <translation>vidéo RealMedia</translation>
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
        <translation>musique MIDI</translation>
    </message>
    <message>
        <source>Monkey&apos;s Audio</source>
        <translation>Monkey&apos;s Audio</translation>
    </message>
    <message>
        <source>a disc image</source>
        <translation>une image disque</translation>
    </message>
    <message>
        <source>a JPEG image</source>
        <translation>une image JPEG</translation>
    </message>
    <message>
        <source>a PNG image</source>
        <translation>une image PNG</translation>
    </message>
    <message>
        <source>a GIF image</source>
        <translation>une image GIF</translation>
    </message>
    <message>
        <source>a WebP image</source>
        <translation>une image WebP</translation>
    </message>
    <message>
        <source>a bitmap image</source>
        <translation>une image bitmap</translation>
    </message>
    <message>
        <source>a TIFF image</source>
        <translation>une image TIFF</translation>
    </message>
    <message>
        <source>a ZIP archive</source>
        <translation>une archive ZIP</translation>
    </message>
    <message>
        <source>a RAR archive</source>
        <translation>une archive RAR</translation>
    </message>
    <message>
        <source>a 7-Zip archive</source>
        <translation>une archive 7-Zip</translation>
    </message>
    <message>
        <source>a cabinet archive</source>
        <translation>une archive cabinet</translation>
    </message>
    <message>
        <source>a gzip archive</source>
        <translation>une archive gzip</translation>
    </message>
    <message>
        <source>a bzip2 archive</source>
        <translation>une archive bzip2</translation>
    </message>
    <message>
        <source>an xz archive</source>
        <translation>une archive xz</translation>
    </message>
    <message>
        <source>a tar archive</source>
        <translation>une archive tar</translation>
    </message>
    <message>
        <source>an ARJ archive</source>
        <translation>une archive ARJ</translation>
    </message>
    <message>
        <source>an ACE archive</source>
        <translation>une archive ACE</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>un document PDF</translation>
    </message>
    <message>
        <source>a document</source>
        <translation>un document</translation>
    </message>
    <message>
        <source>a text file</source>
        <translation>un fichier texte</translation>
    </message>
    <message>
        <source>subtitles</source>
        <translation>des sous-titres</translation>
    </message>
    <message>
        <source>a cue sheet</source>
        <translation>une feuille cue</translation>
    </message>
    <message>
        <source>a checksum list</source>
        <translation>une liste de sommes de contrôle</translation>
    </message>
    <message>
        <source>a playlist</source>
        <translation>une liste de lecture</translation>
    </message>
    <message>
        <source>a web page</source>
        <translation>une page web</translation>
    </message>
    <message>
        <source>an e-book</source>
        <translation>un livre numérique</translation>
    </message>
    <message>
        <source>a help file</source>
        <translation>un fichier d&apos;aide</translation>
    </message>
    <message>
        <source>a comic book</source>
        <translation>une bande dessinée</translation>
    </message>
    <message>
        <source>a program</source>
        <translation>un programme</translation>
    </message>
    <message>
        <source>of an unknown kind</source>
        <translation>d&apos;un type inconnu</translation>
    </message>
    <message>
        <source>a Windows Media file</source>
        <translation>un fichier Windows Media</translation>
    </message>
    <message>
        <source>Ogg media</source>
        <translation>média Ogg</translation>
    </message>
    <message>
        <source>RealMedia</source>
        <translation>RealMedia</translation>
    </message>
    <message>
        <source>gzip-compressed data</source>
        <translation>des données compressées gzip</translation>
    </message>
    <message>
        <source>bzip2-compressed data</source>
        <translation>des données compressées bzip2</translation>
    </message>
    <message>
        <source>xz-compressed data</source>
        <translation>des données compressées xz</translation>
    </message>
    <message>
        <source>a Windows program</source>
        <translation>un programme Windows</translation>
    </message>
    <message>
        <source>a Linux program</source>
        <translation>un programme Linux</translation>
    </message>
    <message>
        <source>a shell script</source>
        <translation>un script shell</translation>
    </message>
    <message>
        <source>a Windows batch script</source>
        <translation>un script batch Windows</translation>
    </message>
    <message>
        <source>a DjVu document</source>
        <translation>un document DjVu</translation>
    </message>
    <message>
        <source>an office document</source>
        <translation>un document bureautique</translation>
    </message>
    <message>
        <source>an Office document or an installer</source>
        <translation>un document Office ou un installateur</translation>
    </message>
    <message>
        <source>a Windows installer</source>
        <translation>un installateur Windows</translation>
    </message>
    <message>
        <source>plain text</source>
        <translation>du texte brut</translation>
    </message>
    <message>
        <source>a Windows shortcut</source>
        <translation>un raccourci Windows</translation>
    </message>
    <message>
        <source>AVI header</source>
        <translation>l&apos;en-tête AVI</translation>
    </message>
    <message>
        <source>Windows Media header</source>
        <translation>l&apos;en-tête Windows Media</translation>
    </message>
    <message>
        <source>Matroska header</source>
        <translation>l&apos;en-tête Matroska</translation>
    </message>
    <message>
        <source>MP4 header</source>
        <translation>l&apos;en-tête MP4</translation>
    </message>
    <message>
        <source>QuickTime header</source>
        <translation>l&apos;en-tête QuickTime</translation>
    </message>
    <message>
        <source>MP3 header</source>
        <translation>l&apos;en-tête MP3</translation>
    </message>
    <message>
        <source>FLAC header</source>
        <translation>l&apos;en-tête FLAC</translation>
    </message>
    <message>
        <source>WAV header</source>
        <translation>l&apos;en-tête WAV</translation>
    </message>
    <message>
        <source>Flash video header</source>
        <translation>l&apos;en-tête Flash vidéo</translation>
    </message>
    <message>
        <source>header</source>
        <translation>l&apos;en-tête</translation>
    </message>
    <message>
        <source>a password-protected ZIP archive</source>
        <translation>une archive ZIP protégée par mot de passe</translation>
    </message>
    <message>
        <source>a password-protected RAR archive</source>
        <translation>une archive RAR protégée par mot de passe</translation>
    </message>
    <message>
        <source>nothing but zero bytes</source>
        <translation>rien que des octets nuls</translation>
    </message>
    <message>
        <source>nothing but 0xFF bytes</source>
        <translation>rien que des octets 0xFF</translation>
    </message>
    <message>
        <source>one byte (%1) repeated</source>
        <translation>un octet (%1) répété</translation>
    </message>
    <message>
        <source>a %1-byte pattern repeated</source>
        <translation>un motif de %1 octets répété</translation>
    </message>
    <message>
        <source>random bytes of no known format (%1 bits a byte)</source>
        <translation>des octets aléatoires sans format connu (%1 bits par octet)</translation>
    </message>
    <message>
        <source>an Internet shortcut</source>
        <translation>un raccourci Internet</translation>
    </message>
    <message>
        <source>a Windows script</source>
        <translation>un script Windows</translation>
    </message>
    <message>
        <source>MPEG header</source>
        <translation>l&apos;en-tête MPEG</translation>
    </message>
    <message>
        <source>MPEG transport stream header</source>
        <translation>l&apos;en-tête du flux de transport MPEG</translation>
    </message>
    <message>
        <source>Ogg header</source>
        <translation>l&apos;en-tête Ogg</translation>
    </message>
</context>
<context>
    <name>Verdicts</name>
    <message>
        <source>%1 byte</source>
        <translation>%1 octet</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>claims %1, the data is %2%3</source>
        <translation>se présente comme %1, les données sont en fait : %2%3</translation>
    </message>
    <message>
        <source>the data is %1, named .%2: it will play</source>
        <translation>les données sont %1, nommées .%2 : cela se lira</translation>
    </message>
    <message>
        <source>a program posing as %1: the name ends in .%2.%3</source>
        <translation>un programme qui se fait passer pour %1 : le nom se termine par .%2.%3</translation>
    </message>
    <message>
        <source>%1 blank</source>
        <translation>%1 espace</translation>
    </message>
    <message>
        <source>%1 blanks</source>
        <translation>%1 espaces</translation>
    </message>
    <message>
        <source>a program posing as %1: the name ends in .%2, %3 and .%4</source>
        <translation>un programme qui se fait passer pour %1 : le nom se termine par .%2, %3 et .%4</translation>
    </message>
    <message>
        <source>a program hidden behind blanks: the name has %1 blanks before .%2</source>
        <translation>un programme caché derrière des espaces : le nom a %1 espaces avant .%2</translation>
    </message>
    <message>
        <source>the name hides its real extension behind a right-to-left mark</source>
        <translation>le nom cache sa vraie extension derrière une marque de droite à gauche</translation>
    </message>
    <message>
        <source>the published file is mostly zeros (%1 of %2 parts are empty)</source>
        <translation>le fichier publié est surtout fait de zéros (%1 parties sur %2 sont vides)</translation>
    </message>
    <message>
        <source>a short clip padded to a larger size: the %1 says it is %2 long, the download is published as %3</source>
        <translation>un court extrait gonflé à une taille plus grande : %1 indique %2, le téléchargement est publié avec %3</translation>
    </message>
    <message>
        <source>the %1 says it plays %2, too short for %3 (%4, the most such a file carries is %5)</source>
        <translation>%1 indique une durée de %2, trop courte pour %3 (%4, un tel fichier porte au plus %5)</translation>
    </message>
    <message>
        <source>the %1 says it plays %2, the search result said %3</source>
        <translation>%1 indique une durée de %2, le résultat de recherche disait %3</translation>
    </message>
    <message>
        <source>the %1 says it plays %2 of %3 lossy video, too short for %4 (%5 bits a pixel, the most such video spends is %6)</source>
        <translation>%1 indique une durée de %2 de vidéo compressée avec pertes en %3, trop courte pour %4 (%5 bits par pixel, une telle vidéo n&apos;en utilise pas plus de %6)</translation>
    </message>
    <message>
        <source>%1 URL command</source>
        <translation>%1 commande URL</translation>
    </message>
    <message>
        <source>%1 URL commands</source>
        <translation>%1 commandes URL</translation>
    </message>
    <message>
        <source>claims %1, the data is Windows Media that opens web pages as it plays (%2)</source>
        <translation>se présente comme %1, les données sont du Windows Media qui ouvre des pages web pendant la lecture (%2)</translation>
    </message>
    <message>
        <source>claims %1, the data is Windows Media that opens web pages as it plays (%2: %3)</source>
        <translation>se présente comme %1, les données sont du Windows Media qui ouvre des pages web pendant la lecture (%2 : %3)</translation>
    </message>
    <message>
        <source>%1 part arrived corrupted: someone is feeding this download bad data</source>
        <translation>%1 partie est arrivée corrompue : quelqu&apos;un alimente ce téléchargement de mauvaises données</translation>
    </message>
    <message>
        <source>%1 parts arrived corrupted: someone is feeding this download bad data</source>
        <translation>%1 parties sont arrivées corrompues : quelqu&apos;un alimente ce téléchargement de mauvaises données</translation>
    </message>
    <message>
        <source>%1 were lost to corruption: someone is feeding this download bad data</source>
        <translation>%1 perdus à cause de corruptions : quelqu&apos;un alimente ce téléchargement de mauvaises données</translation>
    </message>
    <message>
        <source>no source has had the whole file in %1 of downloading</source>
        <translation>aucune source n&apos;a eu le fichier entier en %1 de téléchargement</translation>
    </message>
    <message>
        <source>a part of the published file is all zeros (its part hashes hold the hash of an empty part)</source>
        <translation>une partie du fichier publié n&apos;est faite que de zéros (ses hashes de parties contiennent le hash d&apos;une partie vide)</translation>
    </message>
    <message>
        <source>rated Fake by %1 of %2 source</source>
        <translation>noté Fake par %1 source sur %2</translation>
    </message>
    <message>
        <source>rated Fake by %1 of %2 sources</source>
        <translation>noté Fake par %1 sources sur %2</translation>
    </message>
    <message>
        <source>*** OK </source>
        <translation>*** OK </translation>
    </message>
    <message>
        <source>*** OK (allowed by you)</source>
        <translation>*** OK (autorisé par vous)</translation>
    </message>
    <message>
        <source>*** OK (allowed by you: %1)</source>
        <translation>*** OK (autorisé par vous : %1)</translation>
    </message>
    <message>
        <source>*** Not checked: the .met file could not be read</source>
        <translation>*** Non vérifié : le fichier .met n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>*** Not checked: the .met file is larger than 64 MiB, no .part.met</source>
        <translation>*** Non vérifié : le fichier .met dépasse 64 Mio, ce n&apos;est pas un .part.met</translation>
    </message>
    <message>
        <source>*** Not checked: the .met file is empty or damaged</source>
        <translation>*** Non vérifié : le fichier .met est vide ou endommagé</translation>
    </message>
    <message>
        <source>*** Not checked: the temp directory could not be listed</source>
        <translation>*** Non vérifié : le dossier temporaire n&apos;a pas pu être listé</translation>
    </message>
    <message>
        <source>*** OK (note: %1)</source>
        <translation>*** OK (remarque : %1)</translation>
    </message>
    <message>
        <source>Suspect: %1</source>
        <translation>Suspect : %1</translation>
    </message>
    <message>
        <source>%1 (read from the client&apos;s backup %2)</source>
        <translation>%1 (lu dans la sauvegarde %2 du client)</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes and %2 Suspects in %3 checked .part.met, %4 could not be read</source>
        <translation>Terminé ! %1 fakes et %2 suspects trouvés dans %3 .part.met vérifiés, %4 illisibles</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes and %2 Suspects in %3 checked .part.met</source>
        <translation>Terminé ! %1 fakes et %2 suspects trouvés dans %3 .part.met vérifiés</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes in %2 checked .part.met, %3 could not be read</source>
        <translation>Terminé ! %1 fakes trouvés dans %2 .part.met vérifiés, %3 illisibles</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes in %2 checked .part.met</source>
        <translation>Terminé ! %1 fakes trouvés dans %2 .part.met vérifiés</translation>
    </message>
    <message>
        <source>Fake (%1)</source>
        <translation>Fake (%1)</translation>
    </message>
    <message>
        <source>Malformed link: %1</source>
        <translation>Lien mal formé : %1</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4 malformed</source>
        <translation>%1 : %2, %3, %4 mal formés</translation>
    </message>
    <message>
        <source>%1 link</source>
        <translation>%1 lien</translation>
    </message>
    <message>
        <source>%1 links</source>
        <translation>%1 liens</translation>
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
        <translation>%1 suspect</translation>
    </message>
    <message>
        <source>%1 suspects</source>
        <translation>%1 suspects</translation>
    </message>
    <message>
        <source> locked by DRM</source>
        <translation> verrouillé par DRM</translation>
    </message>
    <message>
        <source> locked by DRM (licence: %1)</source>
        <translation> verrouillé par DRM (licence : %1)</translation>
    </message>
    <message>
        <source> that opens %1</source>
        <translation> qui ouvre %1</translation>
    </message>
    <message>
        <source> (perhaps a self-extracting archive)</source>
        <translation> (peut-être une archive auto-extractible)</translation>
    </message>
    <message>
        <source>*** Not inspected: the data is on the aMule machine</source>
        <translation>*** Non examiné : les données sont sur la machine d&apos;aMule</translation>
    </message>
    <message>
        <source>%1 FILENAME command</source>
        <translation>%1 commande FILENAME</translation>
    </message>
    <message>
        <source>%1 FILENAME commands</source>
        <translation>%1 commandes FILENAME</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>claims %1, the data is junk behind a real %2 (the container&apos;s structure breaks off at byte %3)</source>
        <translation>se présente comme %1, mais seul %2 est authentique : la structure du conteneur s&apos;interrompt à l&apos;octet %3</translation>
    </message>
    <message>
        <source>%1 of %2 sources share it as &apos;%3&apos;</source>
        <translation>%1 sources sur %2 le partagent sous &apos;%3&apos;</translation>
    </message>
    <message>
        <source>%1 of %2 sources share it under another title: &apos;%3&apos;</source>
        <translation>%1 sources sur %2 le partagent sous un autre titre : &apos;%3&apos;</translation>
    </message>
</context>
</TS>
