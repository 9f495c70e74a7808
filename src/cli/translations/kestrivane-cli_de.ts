<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Cli</name>
    <message>
        <source>Act in aMule over its External Connections (amuled, the remote GUI&apos;s daemon, on this machine or another)</source>
        <translation>In aMule über seine External Connections handeln (amuled, der Dienst der Fernsteuerung, auf diesem oder einem anderen Rechner)</translation>
    </message>
    <message>
        <source>Log in to aMule and store the connection (host, port, the password&apos;s MD5) for the other amule commands; prints the aMule version reached</source>
        <translation>Bei aMule anmelden und die Verbindung (Rechner, Port, MD5 des Passworts) für die anderen amule-Befehle speichern; gibt die erreichte aMule-Version aus</translation>
    </message>
    <message>
        <source>Where aMule listens (port default 4712); none: the EC settings of the imported or detected amule.conf, no password asked</source>
        <translation>Wo aMule lauscht (Port standardmäßig 4712); ohne Angabe: die EC-Einstellungen der importierten oder gefundenen amule.conf, ohne Passwortabfrage</translation>
    </message>
    <message>
        <source>Read the password from the first line of the standard input</source>
        <translation>Das Passwort aus der ersten Zeile der Standardeingabe lesen</translation>
    </message>
    <message>
        <source>Pause downloads in aMule (undone with resume)</source>
        <translation>Downloads in aMule anhalten (mit resume rückgängig zu machen)</translation>
    </message>
    <message>
        <source>Resume paused or stopped downloads in aMule</source>
        <translation>Angehaltene oder gestoppte Downloads in aMule fortsetzen</translation>
    </message>
    <message>
        <source>Stop downloads in aMule (they keep their place but ask no sources)</source>
        <translation>Downloads in aMule stoppen (sie behalten ihren Platz, fragen aber keine Quellen)</translation>
    </message>
    <message>
        <source>Cancel downloads in aMule: deletes what has arrived and lists the hash in aMule&apos;s canceled.met; asks first on a terminal</source>
        <translation>Downloads in aMule abbrechen: löscht, was angekommen ist, und trägt den Hash in aMules canceled.met ein; fragt am Terminal zuerst nach</translation>
    </message>
    <message>
        <source>A download by its part file (001, 001.part) or its ed2k hash</source>
        <translation>Ein Download, benannt durch seine Part-Datei (001, 001.part) oder seinen ed2k-Hash</translation>
    </message>
    <message>
        <source>Do not ask (for scripts)</source>
        <translation>Nicht nachfragen (für Skripte)</translation>
    </message>
    <message>
        <source>Paused in aMule: %1</source>
        <translation>In aMule angehalten: %1</translation>
    </message>
    <message>
        <source>Could not write in %1.</source>
        <translation>Konnte nicht in %1 schreiben.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Netzwerkfehler: %1</translation>
    </message>
    <message>
        <source>Warning: the loaded fake lists hold no record; no download can be found as a fake.</source>
        <translation>Warnung: die geladenen Fake-Listen enthalten keinen Eintrag; kein Download kann als Fake erkannt werden.</translation>
    </message>
    <message>
        <source>Could not pause %1: %2</source>
        <translation>Konnte %1 nicht anhalten: %2</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>Update failed; checking with the local fake list.</source>
        <translation>Aktualisierung fehlgeschlagen; geprüft wird mit der lokalen Fake-Liste.</translation>
    </message>
    <message>
        <source>Could not store the update address in %1.</source>
        <translation>Konnte die Update-Adresse nicht in %1 speichern.</translation>
    </message>
    <message>
        <source>Found %1: %2 (names no temp directory)</source>
        <translation>Gefunden %1: %2 (nennt kein Temp-Verzeichnis)</translation>
    </message>
    <message>
        <source>Found %1: %2 (temp directory %3)</source>
        <translation>Gefunden %1: %2 (Temp-Verzeichnis %3)</translation>
    </message>
    <message>
        <source>No client preference file found (looked for ~/.aMule/amule.conf, and eMule&apos;s preferences.ini and eDonkey&apos;s pref.met in the Wine prefix ~/.wine). Run &apos;kestrivane-cli import FILE&apos; or pass --temp-dir DIR to &apos;check&apos;.</source>
        <translation>Keine Einstellungsdatei eines Clients gefunden (gesucht wurden ~/.aMule/amule.conf sowie eMules preferences.ini und eDonkeys pref.met im Wine-Präfix ~/.wine). Führen Sie &apos;kestrivane-cli import FILE&apos; aus oder geben Sie &apos;check&apos; --temp-dir DIR an.</translation>
    </message>
    <message>
        <source>No client preference file found that names a temp directory (looked for ~/.aMule/amule.conf, and eMule&apos;s preferences.ini and eDonkey&apos;s pref.met in the Wine prefix ~/.wine). Run &apos;kestrivane-cli import FILE&apos; or pass --temp-dir DIR to &apos;check&apos;.</source>
        <translation>Keine Einstellungsdatei eines Clients gefunden, die ein Temp-Verzeichnis nennt (gesucht wurden ~/.aMule/amule.conf sowie eMules preferences.ini und eDonkeys pref.met im Wine-Präfix ~/.wine). Führen Sie &apos;kestrivane-cli import FILE&apos; aus oder geben Sie &apos;check&apos; --temp-dir DIR an.</translation>
    </message>
    <message>
        <source>Importing %1</source>
        <translation>Importiere %1</translation>
    </message>
    <message>
        <source>Cannot mark %1: give the file&apos;s size with --size BYTES when marking a hash.</source>
        <translation>Kann %1 nicht markieren: geben Sie beim Markieren eines Hashes die Dateigröße mit --size BYTES an.</translation>
    </message>
    <message>
        <source>The check found no fake to export.</source>
        <translation>Die Prüfung hat keinen Fake zum Exportieren gefunden.</translation>
    </message>
    <message>
        <source>%1 list line(s) written to %2.</source>
        <translation>%1 Listenzeile(n) nach %2 geschrieben.</translation>
    </message>
    <message>
        <source>Could not read the standard input.</source>
        <translation>Konnte die Standardeingabe nicht lesen.</translation>
    </message>
    <message>
        <source>Line %1: </source>
        <translation>Zeile %1: </translation>
    </message>
    <message>
        <source>Read again: %1</source>
        <translation>Neu gelesen: %1</translation>
    </message>
    <message>
        <source>Cannot read %1 now; the list read before is used.</source>
        <translation>Kann %1 jetzt nicht lesen; die zuvor gelesene Liste wird verwendet.</translation>
    </message>
    <message>
        <source>Gone: %1</source>
        <translation>Verschwunden: %1</translation>
    </message>
    <message>
        <source>Settings and lists read again.</source>
        <translation>Einstellungen und Listen neu gelesen.</translation>
    </message>
    <message>
        <source>Watching %1; changes are checked within %2 s (Ctrl+C ends, SIGHUP reads the lists again)</source>
        <translation>Überwache %1; Änderungen werden binnen %2 s geprüft (Strg+C beendet, SIGHUP liest die Listen neu)</translation>
    </message>
    <message>
        <source>Watching %1 and 1 further temp directory; changes are checked within %2 s (Ctrl+C ends, SIGHUP reads the lists again)</source>
        <translation>Überwache %1 und 1 weiteres Temp-Verzeichnis; Änderungen werden binnen %2 s geprüft (Strg+C beendet, SIGHUP liest die Listen neu)</translation>
    </message>
    <message>
        <source>Watching %1 and %2 further temp directories; changes are checked within %3 s (Ctrl+C ends, SIGHUP reads the lists again)</source>
        <translation>Überwache %1 und %2 weitere Temp-Verzeichnisse; Änderungen werden binnen %3 s geprüft (Strg+C beendet, SIGHUP liest die Listen neu)</translation>
    </message>
    <message>
        <source>Could not pause %1 in aMule: %2</source>
        <translation>Konnte %1 in aMule nicht anhalten: %2</translation>
    </message>
    <message>
        <source>--exec: cannot split &apos;%1&apos; into a program and its arguments (unclosed quote?).</source>
        <translation>--exec: kann &apos;%1&apos; nicht in ein Programm und seine Argumente zerlegen (Anführungszeichen nicht geschlossen?).</translation>
    </message>
    <message>
        <source>No temp directory is set: run &apos;kestrivane-cli import FILE&apos; or &apos;kestrivane-cli import --detect&apos;, or pass --temp-dir DIR.</source>
        <translation>Kein Temp-Verzeichnis eingestellt: führen Sie &apos;kestrivane-cli import FILE&apos; oder &apos;kestrivane-cli import --detect&apos; aus oder geben Sie --temp-dir DIR an.</translation>
    </message>
    <message>
        <source>Temp directory %1 not found!</source>
        <translation>Temp-Verzeichnis %1 nicht gefunden!</translation>
    </message>
    <message>
        <source>Cannot read the temp directory %1: %2.</source>
        <translation>Kann das Temp-Verzeichnis %1 nicht lesen: %2.</translation>
    </message>
    <message>
        <source>Could not read the fake list %1.</source>
        <translation>Konnte die Fake-Liste %1 nicht lesen.</translation>
    </message>
    <message>
        <source>The check could not run.</source>
        <translation>Die Prüfung konnte nicht laufen.</translation>
    </message>
    <message>
        <source>No fake list: %1 does not exist. %2</source>
        <translation>Keine Fake-Liste: %1 existiert nicht. %2</translation>
    </message>
    <message>
        <source>Could not read the fake list %1: %2.</source>
        <translation>Konnte die Fake-Liste %1 nicht lesen: %2.</translation>
    </message>
    <message>
        <source>No fake list: %1 does not exist. Run &apos;kestrivane-cli update&apos; or pass --fakes FILE.</source>
        <translation>Keine Fake-Liste: %1 existiert nicht. Führen Sie &apos;kestrivane-cli update&apos; aus oder geben Sie --fakes FILE an.</translation>
    </message>
    <message>
        <source>%1 is too large to check for links (%2 bytes; at most %3 MiB are read).</source>
        <translation>%1 ist zu groß, um nach Links durchsucht zu werden (%2 Bytes; höchstens %3 MiB werden gelesen).</translation>
    </message>
    <message>
        <source>Could not read %1.</source>
        <translation>Konnte %1 nicht lesen.</translation>
    </message>
    <message>
        <source>The link check could not run.</source>
        <translation>Die Link-Prüfung konnte nicht laufen.</translation>
    </message>
    <message>
        <source>Cannot import %1: the file must be named pref.met (eDonkey), preferences.ini (eMule) or amule.conf (aMule).</source>
        <translation>Kann %1 nicht importieren: die Datei muss pref.met (eDonkey), preferences.ini (eMule) oder amule.conf (aMule) heißen.</translation>
    </message>
    <message>
        <source>Cannot import %1: no such file.</source>
        <translation>Kann %1 nicht importieren: keine solche Datei.</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>Konnte %1 nicht schreiben.</translation>
    </message>
    <message>
        <source>The import stored no temp directory.</source>
        <translation>Der Import hat kein Temp-Verzeichnis gespeichert.</translation>
    </message>
    <message>
        <source>Cannot mark %1: give a .part.met name of the temp directory (001.part) or a hash of 32 hex digits.</source>
        <translation>Kann %1 nicht markieren: geben Sie einen .part.met-Namen des Temp-Verzeichnisses (001.part) oder einen Hash aus 32 Hexziffern an.</translation>
    </message>
    <message>
        <source>No temp directory is set; use --temp-dir or import the client&apos;s preferences first.</source>
        <translation>Kein Temp-Verzeichnis eingestellt; verwenden Sie --temp-dir oder importieren Sie zuerst die Einstellungen des Clients.</translation>
    </message>
    <message>
        <source>Cannot mark %1: the file holds no ed2k hash.</source>
        <translation>Kann %1 nicht markieren: die Datei enthält keinen ed2k-Hash.</translation>
    </message>
    <message>
        <source>Cannot mark %1: no such .part.met in %2.</source>
        <translation>Kann %1 nicht markieren: kein solches .part.met in %2.</translation>
    </message>
    <message>
        <source>The own list could not be written.</source>
        <translation>Die eigene Liste konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Another Kestrivane (%1, pid %2) is writing in %3; try again when it has finished.</source>
        <translation>Ein anderes Kestrivane (%1, PID %2) schreibt in %3; versuchen Sie es erneut, wenn es fertig ist.</translation>
    </message>
    <message>
        <source>Another Kestrivane (pid %1) is writing in %2; try again when it has finished.</source>
        <translation>Ein anderes Kestrivane (PID %1) schreibt in %2; versuchen Sie es erneut, wenn es fertig ist.</translation>
    </message>
    <message>
        <source>Another Kestrivane is writing in %1; try again when it has finished.</source>
        <translation>Ein anderes Kestrivane schreibt in %1; versuchen Sie es erneut, wenn es fertig ist.</translation>
    </message>
    <message>
        <source>Warning: no fake list: %1 does not exist, so only names, part hashes and the bytes already downloaded were checked. %2</source>
        <translation>Warnung: keine Fake-Liste: %1 existiert nicht, daher wurden nur Namen, Teil-Hashes und die bereits geladenen Bytes geprüft. %2</translation>
    </message>
    <message>
        <source>Marked as fake in MYFAKES.DAT: %1</source>
        <translation>In MYFAKES.DAT als Fake markiert: %1</translation>
    </message>
    <message>
        <source>Removed from MYFAKES.DAT: %1</source>
        <translation>Aus MYFAKES.DAT entfernt: %1</translation>
    </message>
    <message>
        <source>Recorded as not a fake in MYFAKES.DAT: %1</source>
        <translation>In MYFAKES.DAT als kein Fake vermerkt: %1</translation>
    </message>
    <message>
        <source>Your own list MYFAKES.DAT does not name %1.</source>
        <translation>Ihre eigene Liste MYFAKES.DAT nennt %1 nicht.</translation>
    </message>
    <message>
        <source>Finished! Found %1 part.met-File with Text &apos;%2&apos;</source>
        <translation>Fertig! %1 part.met-Datei(en) mit dem Text &apos;%2&apos; gefunden</translation>
    </message>
    <message>
        <source>New FAKE-DB - Version %1 available! Please download it now...</source>
        <translation>Neue FAKE-DB - Version %1 verfügbar! Bitte jetzt herunterladen...</translation>
    </message>
    <message>
        <source>Not updated: fake list source %1 (the other sources were updated or are current).</source>
        <translation>Nicht aktualisiert: Quelle %1 der Fake-Liste (die anderen Quellen wurden aktualisiert oder sind aktuell).</translation>
    </message>
    <message>
        <source>Download finished! New %1 written...</source>
        <translation>Download fertig! Neue %1 geschrieben...</translation>
    </message>
    <message>
        <source>Could not connect to the internet</source>
        <translation>Keine Verbindung zum Internet</translation>
    </message>
    <message>
        <source>Could not open file %1.</source>
        <translation>Datei %1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Download of %1 was interrupted.</source>
        <translation>Download von %1 wurde unterbrochen.</translation>
    </message>
    <message>
        <source>File actually not available: %1</source>
        <translation>Datei derzeit nicht verfügbar: %1</translation>
    </message>
    <message>
        <source>Could not write file %1.</source>
        <translation>Datei %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The fake list at %1 has not changed since the last download.</source>
        <translation>Die Fake-Liste unter %1 hat sich seit dem letzten Download nicht geändert.</translation>
    </message>
    <message>
        <source>--exec: %1 ended with status %2.</source>
        <translation>--exec: %1 endete mit Status %2.</translation>
    </message>
    <message>
        <source>--exec: %1 was ended by signal %2.</source>
        <translation>--exec: %1 wurde durch Signal %2 beendet.</translation>
    </message>
    <message>
        <source>--exec: %1 ended.</source>
        <translation>--exec: %1 endete.</translation>
    </message>
    <message>
        <source>The directory %1 is gone; watching for it to come back.</source>
        <translation>Das Verzeichnis %1 ist verschwunden; es wird auf seine Rückkehr gewartet.</translation>
    </message>
    <message>
        <source>--exec: too many findings waiting for %1; some are not run.</source>
        <translation>--exec: zu viele Funde warten auf %1; einige werden nicht ausgeführt.</translation>
    </message>
    <message>
        <source>--exec: %1 ran longer than %2 s and is ended.</source>
        <translation>--exec: %1 lief länger als %2 s und wird beendet.</translation>
    </message>
    <message>
        <source>--exec: could not start %1.</source>
        <translation>--exec: konnte %1 nicht starten.</translation>
    </message>
    <message>
        <source>--exec: %1 findings not handed on.</source>
        <translation>--exec: %1 Funde nicht weitergegeben.</translation>
    </message>
    <message>
        <source>Cannot watch for changes: %1</source>
        <translation>Kann Änderungen nicht überwachen: %1</translation>
    </message>
    <message>
        <source>The directory %1 is not there; watching for it to appear.</source>
        <translation>Das Verzeichnis %1 ist nicht da; es wird auf sein Erscheinen gewartet.</translation>
    </message>
    <message>
        <source>Replaced: %1; watching the new one.</source>
        <translation>Ersetzt: %1; die neue Datei wird überwacht.</translation>
    </message>
    <message>
        <source>Watching %1 again.</source>
        <translation>Überwache %1 wieder.</translation>
    </message>
    <message>
        <source>aMule&apos;s External Connections password: </source>
        <translation>Passwort der External Connections von aMule: </translation>
    </message>
    <message>
        <source>Not a host or host:port: %1</source>
        <translation>Kein Host oder Host:Port: %1</translation>
    </message>
    <message>
        <source>The password is empty.</source>
        <translation>Das Passwort ist leer.</translation>
    </message>
    <message>
        <source>No password on the standard input.</source>
        <translation>Kein Passwort auf der Standardeingabe.</translation>
    </message>
    <message>
        <source>No password: pass --password-stdin and give it on the standard input.</source>
        <translation>Kein Passwort: geben Sie --password-stdin an und das Passwort auf der Standardeingabe.</translation>
    </message>
    <message>
        <source>No amule.conf found: pass HOST[:PORT], or import aMule&apos;s amule.conf first (kestrivane-cli import FILE).</source>
        <translation>Keine amule.conf gefunden: geben Sie HOST[:PORT] an oder importieren Sie zuerst aMules amule.conf (kestrivane-cli import FILE).</translation>
    </message>
    <message>
        <source>aMule does not accept External Connections (AcceptExternalConnections in %1): turn on remote controls in aMule&apos;s preferences, or pass HOST[:PORT].</source>
        <translation>aMule nimmt keine External Connections an (AcceptExternalConnections in %1): schalten Sie die Fernsteuerung in den Einstellungen von aMule ein oder geben Sie HOST[:PORT] an.</translation>
    </message>
    <message>
        <source>aMule has no External Connections password set (ECPassword in %1).</source>
        <translation>aMule hat kein Passwort für External Connections gesetzt (ECPassword in %1).</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>Angehalten: %1</translation>
    </message>
    <message>
        <source>Resumed: %1</source>
        <translation>Fortgesetzt: %1</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Gestoppt: %1</translation>
    </message>
    <message>
        <source>Cancelled: %1</source>
        <translation>Abgebrochen: %1</translation>
    </message>
    <message>
        <source>Could not resume %1: %2</source>
        <translation>Konnte %1 nicht fortsetzen: %2</translation>
    </message>
    <message>
        <source>Could not stop %1: %2</source>
        <translation>Konnte %1 nicht stoppen: %2</translation>
    </message>
    <message>
        <source>Could not cancel %1: %2</source>
        <translation>Konnte %1 nicht abbrechen: %2</translation>
    </message>
    <message>
        <source>aMule has no download %1.</source>
        <translation>aMule hat keinen Download %1.</translation>
    </message>
    <message>
        <source>Cancelling deletes the downloads in aMule: pass --yes to confirm.</source>
        <translation>Abbrechen löscht die Downloads in aMule: geben Sie zur Bestätigung --yes an.</translation>
    </message>
    <message>
        <source>Cancel this download in aMule and delete what has arrived? [y/N] </source>
        <translation>Diesen Download in aMule abbrechen und das bereits Geladene löschen? [y/N] </translation>
    </message>
    <message>
        <source>Cancel %1 downloads in aMule and delete what has arrived? [y/N] </source>
        <translation>%1 Downloads in aMule abbrechen und das bereits Geladene löschen? [y/N] </translation>
    </message>
    <message>
        <source>Nothing cancelled.</source>
        <translation>Nichts abgebrochen.</translation>
    </message>
    <message>
        <source>%1 (%2). Nothing stored.</source>
        <translation>%1 (%2). Nichts gespeichert.</translation>
    </message>
    <message>
        <source>Connected, but could not write %1.</source>
        <translation>Verbunden, aber konnte %1 nicht schreiben.</translation>
    </message>
    <message>
        <source>(version not given)</source>
        <translation>(Version nicht angegeben)</translation>
    </message>
    <message>
        <source>Connected to aMule %1 at %2; stored in %3.</source>
        <translation>Verbunden mit aMule %1 unter %2; gespeichert in %3.</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;; did you mean &apos;%2&apos;? (&apos;kestrivane-cli --help&apos; lists the commands)</source>
        <translation>Unbekannter Befehl &apos;%1&apos;; meinten Sie &apos;%2&apos;? (&apos;kestrivane-cli --help&apos; listet die Befehle auf)</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos; (&apos;kestrivane-cli --help&apos; lists the commands)</source>
        <translation>Unbekannter Befehl &apos;%1&apos; (&apos;kestrivane-cli --help&apos; listet die Befehle auf)</translation>
    </message>
    <message>
        <source>Reading links from the keyboard: paste them, then press Ctrl+D (or give a FILE).</source>
        <translation>Lese Links von der Tastatur: fügen Sie sie ein und drücken Sie dann Strg+D (oder geben Sie eine FILE an).</translation>
    </message>
    <message>
        <source>No directory for the settings: HOME is not set. Pass --home DIR or set KESTRIVANE_HOME.</source>
        <translation>Kein Verzeichnis für die Einstellungen: HOME ist nicht gesetzt. Geben Sie --home DIR an oder setzen Sie KESTRIVANE_HOME.</translation>
    </message>
    <message>
        <source>Cannot create the directory %1. Pass --home DIR.</source>
        <translation>Kann das Verzeichnis %1 nicht anlegen. Geben Sie --home DIR an.</translation>
    </message>
    <message>
        <source>Partname	Filename	Error-Description</source>
        <translation>Part-Name	Dateiname	Fehlerbeschreibung</translation>
    </message>
    <message>
        <source>Line	Filename	Error-Description</source>
        <translation>Zeile	Dateiname	Fehlerbeschreibung</translation>
    </message>
    <message>
        <source>There is no public fake list; to get one, mark fakes yourself (&apos;kestrivane-cli mark&apos;), use a group&apos;s address (&apos;kestrivane-cli update --url URL&apos;) or pass a list file (--fakes FILE).</source>
        <translation>Es gibt keine öffentliche Fake-Liste; um eine zu bekommen, markieren Sie Fakes selbst (&apos;kestrivane-cli mark&apos;), nutzen Sie die Adresse einer Gruppe (&apos;kestrivane-cli update --url URL&apos;) oder geben Sie eine Listendatei an (--fakes FILE).</translation>
    </message>
    <message>
        <source>No update address is set. There is no public fake list; the content check works without one. To get a list, mark fakes yourself (&apos;kestrivane-cli mark&apos;), use a group&apos;s address (&apos;kestrivane-cli update --url URL&apos;) or pass a list file (--fakes FILE).</source>
        <translation>Keine Update-Adresse eingestellt. Es gibt keine öffentliche Fake-Liste; die Inhaltsprüfung arbeitet auch ohne. Um eine Liste zu bekommen, markieren Sie Fakes selbst (&apos;kestrivane-cli mark&apos;), nutzen Sie die Adresse einer Gruppe (&apos;kestrivane-cli update --url URL&apos;) oder geben Sie eine Listendatei an (--fakes FILE).</translation>
    </message>
    <message>
        <source>No aMule connection stored: run &apos;kestrivane-cli amule connect&apos; first.</source>
        <translation>Keine aMule-Verbindung gespeichert: führen Sie zuerst &apos;kestrivane-cli amule connect&apos; aus.</translation>
    </message>
    <message>
        <source>No fake list loaded: the links were checked by their names and part hashes only.</source>
        <translation>Keine Fake-Liste geladen: die Links wurden nur nach Namen und Teil-Hashes geprüft.</translation>
    </message>
    <message>
        <source>Your own fake list MYFAKES.DAT holds no record yet.</source>
        <translation>Ihre eigene Fake-Liste MYFAKES.DAT enthält noch keinen Eintrag.</translation>
    </message>
    <message>
        <source>Please wait, version check is running...</source>
        <translation>Bitte warten, die Versionsprüfung läuft...</translation>
    </message>
    <message>
        <source>You already have the newest FAKE-DB...</source>
        <translation>Sie haben bereits die neueste FAKE-DB...</translation>
    </message>
    <message>
        <source>Opening URL...</source>
        <translation>Öffne URL...</translation>
    </message>
    <message>
        <source>Proxy Authentication is not implemented yet</source>
        <translation>Proxy-Anmeldung ist noch nicht umgesetzt</translation>
    </message>
    <message>
        <source>Online-Check/Download not available!</source>
        <translation>Online-Prüfung/Download nicht verfügbar!</translation>
    </message>
    <message>
        <source>The choosen URL is temporary not available. Please try later!</source>
        <translation>Die gewählte URL ist vorübergehend nicht erreichbar. Bitte später versuchen!</translation>
    </message>
    <message>
        <source>Fake list not used</source>
        <translation>Fake-Liste nicht verwendet</translation>
    </message>
    <message>
        <source>Warning: %1 is empty; no download can be found as a fake with it.</source>
        <translation>Warnung: %1 ist leer; damit kann kein Download als Fake erkannt werden.</translation>
    </message>
    <message>
        <source>Warning: %1 is a UTF-16 text, not a list of lines in single bytes; no download can be found as a fake with it.</source>
        <translation>Warnung: %1 ist ein UTF-16-Text, keine Liste von Zeilen in Einzelbytes; damit kann kein Download als Fake erkannt werden.</translation>
    </message>
    <message>
        <source>%1 (%2). Check that aMule runs there and accepts External Connections, or run &apos;kestrivane-cli amule connect&apos; again.</source>
        <translation>%1 (%2). Prüfen Sie, ob aMule dort läuft und External Connections annimmt, oder führen Sie &apos;kestrivane-cli amule connect&apos; erneut aus.</translation>
    </message>
    <message>
        <source>Cannot mark %1: aMule at %2 has no such download.</source>
        <translation>Kann %1 nicht markieren: aMule unter %2 hat keinen solchen Download.</translation>
    </message>
    <message>
        <source>Cannot mark %1: no temp directory here, and aMule could not be asked: %2. Run &apos;kestrivane-cli amule connect&apos;, or use --temp-dir.</source>
        <translation>Kann %1 nicht markieren: hier gibt es kein Temp-Verzeichnis, und aMule konnte nicht gefragt werden: %2. Führen Sie &apos;kestrivane-cli amule connect&apos; aus oder verwenden Sie --temp-dir.</translation>
    </message>
    <message>
        <source>Warning: no fake list: %1 does not exist, so only the names were checked. %2</source>
        <translation>Warnung: keine Fake-Liste: %1 existiert nicht, daher wurden nur die Namen geprüft. %2</translation>
    </message>
    <message>
        <source>Not inspected: %1 downloads, whose data is on the aMule machine and not readable here. Run Kestrivane on that machine, beside aMule, to inspect them.</source>
        <translation>Nicht untersucht: %1 Downloads, deren Daten auf dem aMule-Rechner liegen und hier nicht lesbar sind. Starten Sie Kestrivane auf jenem Rechner neben aMule, um sie zu untersuchen.</translation>
    </message>
    <message>
        <source>Could not pause %1 in aMule yet: %2. It is paused once aMule answers.</source>
        <translation>%1 konnte in aMule noch nicht pausiert werden: %2. Es wird pausiert, sobald aMule antwortet.</translation>
    </message>
    <message>
        <source>Warning: %1 holds no fake list record (is it a list at all?); no download can be found as a fake with it.</source>
        <translation>Warnung: %1 enthält keinen Eintrag einer Fake-Liste (ist es überhaupt eine Liste?); kein Download kann damit als Fake erkannt werden.</translation>
    </message>
    <message>
        <source>%1 is the client&apos;s settings directory, not its temp directory; the downloads are in %2 (pass --temp-dir %2, or run &apos;kestrivane-cli import --detect&apos;).</source>
        <translation>%1 ist das Einstellungsverzeichnis des Clients, nicht sein Temp-Verzeichnis; die Downloads liegen in %2 (geben Sie --temp-dir %2 an oder führen Sie &apos;kestrivane-cli import --detect&apos; aus).</translation>
    </message>
    <message>
        <source>%1 %2: not an http:// or https:// address.</source>
        <translation>%1 %2: keine http://- oder https://-Adresse.</translation>
    </message>
    <message>
        <source>No program site is set, so nothing was asked. Set the site you get Kestrivane from with &apos;kestrivane-cli update --program --site URL&apos;.</source>
        <translation>Es ist keine Programmseite eingestellt, daher wurde nichts abgefragt. Stellen Sie die Seite, von der Sie Kestrivane beziehen, mit &apos;kestrivane-cli update --program --site URL&apos; ein.</translation>
    </message>
    <message>
        <source>You have the newest Kestrivane (%1).</source>
        <translation>Sie haben das neueste Kestrivane (%1).</translation>
    </message>
    <message>
        <source>Kestrivane %1 is out: %2</source>
        <translation>Kestrivane %1 ist erschienen: %2</translation>
    </message>
    <message>
        <source>Kestrivane %1 is out: see %2</source>
        <translation>Kestrivane %1 ist erschienen: siehe %2</translation>
    </message>
    <message>
        <source>Cannot import %1: the file names no temp directory.</source>
        <translation>%1 kann nicht importiert werden: die Datei nennt kein Temp-Verzeichnis.</translation>
    </message>
    <message>
        <source>Imported the temp directory %1 from %2&apos;s %3; it is stored in Kestrivane.ini.</source>
        <translation>Temp-Verzeichnis %1 aus %3 von %2 importiert; es ist in Kestrivane.ini gespeichert.</translation>
    </message>
    <message>
        <source>Exit status: see &apos;kestrivane-cli --help&apos;.</source>
        <translation>Rückgabewert: siehe &apos;kestrivane-cli --help&apos;.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;; did you mean &apos;%2&apos;? (&apos;%3&apos; lists the options)</source>
        <translation>Unbekannte Option &apos;%1&apos;; meinten Sie &apos;%2&apos;? (&apos;%3&apos; listet die Optionen auf)</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos; (&apos;%2&apos; lists the options)</source>
        <translation>Unbekannte Option &apos;%1&apos; (&apos;%2&apos; listet die Optionen auf)</translation>
    </message>
    <message>
        <source>%1 is required.</source>
        <translation>%1 muss angegeben werden.</translation>
    </message>
    <message>
        <source>A command is required.</source>
        <translation>Ein Befehl muss angegeben werden.</translation>
    </message>
    <message>
        <source>%1 cannot be used together with %2.</source>
        <translation>%1 kann nicht zusammen mit %2 verwendet werden.</translation>
    </message>
    <message>
        <source>%1 needs %2 too.</source>
        <translation>%1 braucht auch %2.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 braucht einen Wert.</translation>
    </message>
    <message>
        <source>Not expected here: %1</source>
        <translation>Hier nicht erwartet: %1</translation>
    </message>
    <message>
        <source>A value was not accepted: %1</source>
        <translation>Ein Wert wurde nicht angenommen: %1</translation>
    </message>
    <message>
        <source>The command line was not understood: %1</source>
        <translation>Die Befehlszeile wurde nicht verstanden: %1</translation>
    </message>
    <message>
        <source>Run with --help for more information.</source>
        <translation>Mit --help erfahren Sie mehr.</translation>
    </message>
    <message>
        <source>%1 %2: not a directory.</source>
        <translation>%1 %2: kein Verzeichnis.</translation>
    </message>
    <message>
        <source>%1 %2: no such directory.</source>
        <translation>%1 %2: Verzeichnis nicht vorhanden.</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Aufruf</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPTIONEN</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <translation>PFLICHT</translation>
    </message>
    <message>
        <source>Needs</source>
        <translation>Braucht</translation>
    </message>
    <message>
        <source>Excludes</source>
        <translation>Schließt aus</translation>
    </message>
    <message>
        <source>Positionals</source>
        <translation>Argumente</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>Diese Hilfe ausgeben und beenden</translation>
    </message>
    <message>
        <source>List the downloads that are known fakes or whose name or first bytes give them away</source>
        <translation>Die Downloads auflisten, die bekannte Fakes sind oder die ihr Name oder ihre ersten Bytes verraten</translation>
    </message>
    <message>
        <source>The client&apos;s temp directory instead of the settings</source>
        <translation>Das Temp-Verzeichnis des Clients statt dem der Einstellungen</translation>
    </message>
    <message>
        <source>Fake list to use instead of FAKES.DAT</source>
        <translation>Fake-Liste, die statt FAKES.DAT verwendet wird</translation>
    </message>
    <message>
        <source>List every download, fakes and OK ones (the default, unless ShowAllPartMet=NO in Kestrivane.ini)</source>
        <translation>Jeden Download auflisten, Fakes und OK (die Vorgabe, außer bei ShowAllPartMet=NO in Kestrivane.ini)</translation>
    </message>
    <message>
        <source>List the fakes and suspects only</source>
        <translation>Nur die Fakes und Verdächtigen auflisten</translation>
    </message>
    <message>
        <source>Print the ed2k link of every listed download</source>
        <translation>Den ed2k-Link jedes aufgelisteten Downloads ausgeben</translation>
    </message>
    <message>
        <source>Print every link as an HTML anchor</source>
        <translation>Jeden Link als HTML-Anker ausgeben</translation>
    </message>
    <message>
        <source>Print the listed downloads as a JSON array</source>
        <translation>Die aufgelisteten Downloads als JSON-Array ausgeben</translation>
    </message>
    <message>
        <source>Do not look at names, part hashes and the bytes already downloaded for suspects</source>
        <translation>Namen, Teil-Hashes und bereits geladene Bytes nicht nach Verdächtigen untersuchen</translation>
    </message>
    <message>
        <source>Update the fake list first</source>
        <translation>Zuerst die Fake-Liste aktualisieren</translation>
    </message>
    <message>
        <source>Leave out the two head rows</source>
        <translation>Die beiden Kopfzeilen weglassen</translation>
    </message>
    <message>
        <source>Check the downloads aMule reports (see &apos;amule connect&apos;) instead of the temp directory&apos;s .part.met files</source>
        <translation>Die Downloads prüfen, die aMule meldet (siehe &apos;amule connect&apos;), statt der .part.met-Dateien des Temp-Verzeichnisses</translation>
    </message>
    <message>
        <source>With --amule: pause every listed fake and suspect in aMule</source>
        <translation>Mit --amule: jeden aufgelisteten Fake und Verdächtigen in aMule anhalten</translation>
    </message>
    <message>
        <source>Fetch a newer fake list from the update address</source>
        <translation>Eine neuere Fake-Liste von der Update-Adresse holen</translation>
    </message>
    <message>
        <source>Update address to use (http:// or https://); stored as the update address once the update worked</source>
        <translation>Zu verwendende Update-Adresse (http:// oder https://); als Update-Adresse gespeichert, sobald die Aktualisierung gelang</translation>
    </message>
    <message>
        <source>Look for a newer Kestrivane at the program&apos;s site instead (exit status 1 when there is one); nothing is installed</source>
        <translation>Stattdessen auf der Seite des Programms nach einem neueren Kestrivane sehen (Rückgabewert 1, wenn es eines gibt); nichts wird installiert</translation>
    </message>
    <message>
        <source>With --program: the program&apos;s site to use; stored once the check worked (none is set at first)</source>
        <translation>Mit --program: die zu verwendende Seite des Programms; gespeichert, sobald die Prüfung gelang (anfangs ist keine eingestellt)</translation>
    </message>
    <message>
        <source>Store the client&apos;s temp directory, read from its pref.met, preferences.ini or amule.conf</source>
        <translation>Das Temp-Verzeichnis des Clients speichern, gelesen aus seiner pref.met, preferences.ini oder amule.conf</translation>
    </message>
    <message>
        <source>The client&apos;s preference file</source>
        <translation>Die Einstellungsdatei des Clients</translation>
    </message>
    <message>
        <source>Look for ~/.aMule/amule.conf and eMule&apos;s or eDonkey&apos;s files under Wine (~/.wine, $WINEPREFIX); import the first that names a temp directory</source>
        <translation>Nach ~/.aMule/amule.conf und den Dateien von eMule oder eDonkey unter Wine (~/.wine, $WINEPREFIX) suchen; die erste importieren, die ein Temp-Verzeichnis nennt</translation>
    </message>
    <message>
        <source>List the downloads whose .met file holds a text</source>
        <translation>Die Downloads auflisten, deren .met-Datei einen Text enthält</translation>
    </message>
    <message>
        <source>Print the hits as a JSON array</source>
        <translation>Die Treffer als JSON-Array ausgeben</translation>
    </message>
    <message>
        <source>Text to look for (letters without regard to case)</source>
        <translation>Zu suchender Text (Buchstaben ohne Rücksicht auf Groß- und Kleinschreibung)</translation>
    </message>
    <message>
        <source>Stay running; re-check a .part.met or a list when it changes and report each new fake once (SIGHUP reads the settings and lists again)</source>
        <translation>Weiterlaufen; eine .part.met oder eine Liste bei jeder Änderung neu prüfen und jeden neuen Fake einmal melden (SIGHUP liest Einstellungen und Listen neu)</translation>
    </message>
    <message>
        <source>One JSON object per line for each finding</source>
        <translation>Ein JSON-Objekt pro Zeile für jeden Fund</translation>
    </message>
    <message>
        <source>Act in the aMule of &apos;amule connect&apos; (with --pause-fakes)</source>
        <translation>Im aMule von &apos;amule connect&apos; handeln (mit --pause-fakes)</translation>
    </message>
    <message>
        <source>With --amule: pause each new fake and suspect in aMule</source>
        <translation>Mit --amule: jeden neuen Fake und Verdächtigen in aMule anhalten</translation>
    </message>
    <message>
        <source>Run CMD for each finding (split like a shell would, never run by one); the finding is in KV_PART, KV_NAME, KV_SIZE, KV_HASH, KV_KIND, KV_DESCRIPTION, KV_LINK, KV_TEMP_DIR; its output goes to standard error; one runs at a time</source>
        <translation>CMD für jeden Fund ausführen (zerlegt wie von einer Shell, nie von einer ausgeführt); der Fund steht in KV_PART, KV_NAME, KV_SIZE, KV_HASH, KV_KIND, KV_DESCRIPTION, KV_LINK, KV_TEMP_DIR; seine Ausgabe geht auf die Standardfehlerausgabe; es läuft immer nur einer</translation>
    </message>
    <message>
        <source>End a command of --exec that runs longer than this (default 60)</source>
        <translation>Einen Befehl von --exec beenden, der länger läuft (Vorgabe 60)</translation>
    </message>
    <message>
        <source>Add a download to your own fake list MYFAKES.DAT</source>
        <translation>Einen Download in Ihre eigene Fake-Liste MYFAKES.DAT aufnehmen</translation>
    </message>
    <message>
        <source>A .part.met of the temp directory (001.part) or an ed2k hash</source>
        <translation>Eine .part.met des Temp-Verzeichnisses (001.part) oder ein ed2k-Hash</translation>
    </message>
    <message>
        <source>Why it is a fake (the list line&apos;s description)</source>
        <translation>Warum es ein Fake ist (die Beschreibung der Listenzeile)</translation>
    </message>
    <message>
        <source>The file size, for a HASH</source>
        <translation>Die Dateigröße, für einen HASH</translation>
    </message>
    <message>
        <source>Record in MYFAKES.DAT that a download is not a fake, whatever a list, a client or the inspection says</source>
        <translation>In MYFAKES.DAT vermerken, dass ein Download kein Fake ist, was auch immer eine Liste, ein Client oder die Untersuchung sagt</translation>
    </message>
    <message>
        <source>Why it is not a fake</source>
        <translation>Warum es kein Fake ist</translation>
    </message>
    <message>
        <source>Remove a download from your own fake list MYFAKES.DAT</source>
        <translation>Einen Download aus Ihrer eigenen Fake-Liste MYFAKES.DAT entfernen</translation>
    </message>
    <message>
        <source>A .part.met of the temp directory or an ed2k hash</source>
        <translation>Eine .part.met des Temp-Verzeichnisses oder ein ed2k-Hash</translation>
    </message>
    <message>
        <source>Print or write list lines (hash,size,description) of the fakes the check finds</source>
        <translation>Listenzeilen (Hash,Größe,Beschreibung) der Fakes, die die Prüfung findet, ausgeben oder schreiben</translation>
    </message>
    <message>
        <source>Your own list MYFAKES.DAT instead</source>
        <translation>Stattdessen Ihre eigene Liste MYFAKES.DAT</translation>
    </message>
    <message>
        <source>File to write (replaced whole); - or none: standard output</source>
        <translation>Zu schreibende Datei (ganz ersetzt); - oder keine: Standardausgabe</translation>
    </message>
    <message>
        <source>Check ed2k and magnet links (a text, a web page or an eMule collection) before they are downloaded</source>
        <translation>ed2k- und Magnet-Links prüfen (ein Text, eine Webseite oder eine eMule-Collection), bevor sie geladen werden</translation>
    </message>
    <message>
        <source>File holding the links; - or none for the standard input</source>
        <translation>Datei mit den Links; - oder keine für die Standardeingabe</translation>
    </message>
    <message>
        <source>List every link, fakes, suspects and OK ones (the default)</source>
        <translation>Jeden Link auflisten, Fakes, Verdächtige und OK (die Vorgabe)</translation>
    </message>
    <message>
        <source>Print the ed2k link of every listed link</source>
        <translation>Den ed2k-Link jedes aufgelisteten Links ausgeben</translation>
    </message>
    <message>
        <source>Print every link as a JSON array, malformed ones too</source>
        <translation>Jeden Link als JSON-Array ausgeben, auch fehlerhafte</translation>
    </message>
    <message>
        <source>Checks the downloads of eDonkey, eMule and aMule against a list of known fakes.</source>
        <translation>Prüft die Downloads von eDonkey, eMule und aMule anhand einer Liste bekannter Fakes.</translation>
    </message>
    <message>
        <source>Print the version and exit</source>
        <translation>Die Version ausgeben und beenden</translation>
    </message>
    <message>
        <source>Directory holding Kestrivane.ini and FAKES.DAT; must exist (default: $KESTRIVANE_HOME, else ~/.config/kestrivane and ~/.local/share/kestrivane when installed, the program&apos;s own directory when portable)</source>
        <translation>Verzeichnis mit Kestrivane.ini und FAKES.DAT; muss existieren (Vorgabe: $KESTRIVANE_HOME, sonst ~/.config/kestrivane und ~/.local/share/kestrivane bei Installation, das Verzeichnis des Programms, wenn portabel)</translation>
    </message>
    <message>
        <source>Print errors only (the check&apos;s rows and the search hits still go to stdout)</source>
        <translation>Nur Fehler ausgeben (die Zeilen der Prüfung und die Suchtreffer gehen weiter auf stdout)</translation>
    </message>
    <message>
        <source>Exit status: 0 no fake or suspect found / search hits / list or program current or list updated / watch
ended by SIGINT or SIGTERM; 1 fakes or suspects found / no search hit / a newer program; 2 the command
could not run (a fake list that cannot be read, no list at all with --no-inspect, no temp directory or one
that cannot be read, no update address or a failed update, a file that could not be written, no aMule
connection, usage error); 3 check --update: the update failed, the local list still found fakes or suspects.</source>
        <translation>Rückgabewert: 0 kein Fake oder Verdächtiger gefunden / Suchtreffer / Liste oder Programm aktuell oder Liste
aktualisiert / watch durch SIGINT oder SIGTERM beendet; 1 Fakes oder Verdächtige gefunden / kein Suchtreffer /
ein neueres Programm; 2 der Befehl konnte nicht laufen (eine Fake-Liste, die nicht lesbar ist, gar keine Liste
mit --no-inspect, kein oder ein nicht lesbares Temp-Verzeichnis, keine Update-Adresse oder ein gescheitertes
Update, eine nicht schreibbare Datei, keine aMule-Verbindung, falscher Aufruf); 3 check --update: das Update
scheiterte, die lokale Liste fand trotzdem Fakes oder Verdächtige.</translation>
    </message>
    <message>
        <source>Subcommands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht vorhanden</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Kein Verzeichnis</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Zu viele Ebenen symbolischer Verknüpfungen</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>es ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>it is a FIFO, not a regular file</source>
        <translation>es ist ein FIFO, keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is larger than 4 GiB</source>
        <translation>sie ist größer als 4 GiB</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>sie ist leer</translation>
    </message>
    <message>
        <source>With --amule: pause each fake, record it in MYFAKES.DAT and cancel it whenever it comes back under any name</source>
        <translation>Mit --amule: jeden Fake anhalten, in MYFAKES.DAT eintragen und abbrechen, wann immer er unter irgendeinem Namen wiederkommt</translation>
    </message>
    <message>
        <source>With --guard: cancel each fake rather than pausing it</source>
        <translation>Mit --guard: jeden Fake abbrechen statt ihn anzuhalten</translation>
    </message>
    <message>
        <source>With --guard: suspects too, not only what a list or you marked</source>
        <translation>Mit --guard: auch Verdächtige, nicht nur was eine Liste oder Sie markiert haben</translation>
    </message>
    <message>
        <source>Cancelled in aMule: %1</source>
        <translation>In aMule abgebrochen: %1</translation>
    </message>
    <message>
        <source>Cancelled in aMule, it came back: %1</source>
        <translation>In aMule abgebrochen, er kam wieder: %1</translation>
    </message>
    <message>
        <source>Cancelled in aMule, it came back: %1 (seen before as %2)</source>
        <translation>In aMule abgebrochen, er kam wieder: %1 (zuvor gesehen als %2)</translation>
    </message>
    <message>
        <source>aMule refused to act on %1: %2</source>
        <translation>aMule hat die Aktion für %1 abgelehnt: %2</translation>
    </message>
    <message>
        <source>Could not record %1 in MYFAKES.DAT: %2</source>
        <translation>Konnte %1 nicht in MYFAKES.DAT eintragen: %2</translation>
    </message>
    <message>
        <source>aMule does not answer (%1); the watch goes on and acts once it does.</source>
        <translation>aMule antwortet nicht (%1); die Überwachung läuft weiter und handelt, sobald es antwortet.</translation>
    </message>
    <message>
        <source>aMule answers again at %1.</source>
        <translation>aMule antwortet wieder unter %1.</translation>
    </message>
    <message>
        <source>Watching the aMule queue at %1; new downloads are checked within %2 s (Ctrl+C ends, SIGHUP reads the lists again)</source>
        <translation>Überwache die Warteschlange von aMule unter %1; neue Downloads werden innerhalb von %2 s geprüft (Strg+C beendet, SIGHUP liest die Listen neu)</translation>
    </message>
    <message>
        <source>The temp directory is not readable here: downloads are judged by name, the lists and what aMule says.</source>
        <translation>Das Temp-Verzeichnis ist hier nicht lesbar: Downloads werden nach Name, Listen und den Angaben von aMule beurteilt.</translation>
    </message>
    <message>
        <source>POST each finding and each action of the guard to URL as JSON (hash, name, size, verdict, reasons, action, time); never holds up the watch</source>
        <translation>Jeden Fund und jede Aktion des Wächters als JSON an URL senden (POST: hash, name, size, verdict, reasons, action, time); hält die Überwachung nie auf</translation>
    </message>
    <message>
        <source>Could not post the notice of %1 to --notify-url: %2</source>
        <translation>Konnte die Meldung zu %1 nicht an --notify-url senden: %2</translation>
    </message>
    <message>
        <source>Watch the downloads and show the findings as a web page and a JSON API (on this machine only, unless --listen says otherwise)</source>
        <translation>Die Downloads beobachten und die Funde als Webseite und JSON-API zeigen (nur auf diesem Rechner, außer --listen sagt anderes)</translation>
    </message>
    <message>
        <source>Address and port to listen on (default 127.0.0.1:4719; 0.0.0.0:PORT for every network)</source>
        <translation>Adresse und Port, auf denen gelauscht wird (Vorgabe 127.0.0.1:4719; 0.0.0.0:PORT für alle Netze)</translation>
    </message>
    <message>
        <source>File holding the access token (default: serve-token beside the lists; made when missing, readable by you only)</source>
        <translation>Datei mit dem Zugangsschlüssel (Vorgabe: serve-token neben den Listen; wird angelegt, wenn sie fehlt, nur für Sie lesbar)</translation>
    </message>
    <message>
        <source>A name the page may be opened by besides this machine&apos;s own name and addresses (repeatable)</source>
        <translation>Ein Name, unter dem die Seite außer dem eigenen Namen und den Adressen dieses Rechners geöffnet werden darf (wiederholbar)</translation>
    </message>
    <message>
        <source>--listen %1: not an address and port (such as 127.0.0.1:4719).</source>
        <translation>--listen %1: keine Adresse mit Port (etwa 127.0.0.1:4719).</translation>
    </message>
    <message>
        <source>Serving the page; open this address (it holds the access token):</source>
        <translation>Die Seite wird bereitgestellt; öffnen Sie diese Adresse (sie enthält den Zugangsschlüssel):</translation>
    </message>
    <message>
        <source>Another &apos;%1&apos; (process %2) serves %3 already.</source>
        <translation>Ein anderes &apos;%1&apos; (Prozess %2) stellt %3 bereits bereit.</translation>
    </message>
    <message>
        <source>Cannot read or make the token file %1: %2</source>
        <translation>Die Schlüsseldatei %1 kann weder gelesen noch angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot listen on %1: %2</source>
        <translation>Auf %1 kann nicht gelauscht werden: %2</translation>
    </message>
    <message>
        <source>Paused in eMule: %1</source>
        <translation>In eMule angehalten: %1</translation>
    </message>
    <message>
        <source>--pause-fakes needs --amule or --emule.</source>
        <translation>--pause-fakes braucht --amule oder --emule.</translation>
    </message>
    <message>
        <source>eMule&apos;s Web Interface password: </source>
        <translation>Passwort der Web-Oberfläche von eMule: </translation>
    </message>
    <message>
        <source>No preferences.ini of eMule found: pass HOST[:PORT], or import eMule&apos;s preferences.ini first (kestrivane-cli import FILE).</source>
        <translation>Keine preferences.ini von eMule gefunden: HOST[:PORT] angeben oder zuerst die preferences.ini von eMule importieren (kestrivane-cli import DATEI).</translation>
    </message>
    <message>
        <source>eMule&apos;s Web Interface is off (Enabled in %1): turn it on in eMule&apos;s options, Web Interface, or pass HOST[:PORT].</source>
        <translation>Die Web-Oberfläche von eMule ist aus (Enabled in %1): in den Optionen von eMule unter Web-Oberfläche einschalten oder HOST[:PORT] angeben.</translation>
    </message>
    <message>
        <source>%1 (%2). Check that eMule runs there with its Web Interface on, or run &apos;kestrivane-cli emule connect&apos; again.</source>
        <translation>%1 (%2). Prüfen, ob eMule dort läuft und seine Web-Oberfläche eingeschaltet ist, oder &apos;kestrivane-cli emule connect&apos; erneut ausführen.</translation>
    </message>
    <message>
        <source>Cancelling deletes the downloads in eMule: pass --yes to confirm.</source>
        <translation>Abbrechen löscht die Downloads in eMule: zum Bestätigen --yes angeben.</translation>
    </message>
    <message>
        <source>Cancel this download in eMule and delete what has arrived? [y/N] </source>
        <translation>Diesen Download in eMule abbrechen und das bereits Geladene löschen? [y/N] </translation>
    </message>
    <message>
        <source>Cancel %1 downloads in eMule and delete what has arrived? [y/N] </source>
        <translation>%1 Downloads in eMule abbrechen und das bereits Geladene löschen? [y/N] </translation>
    </message>
    <message>
        <source>Connected to eMule&apos;s Web Interface at %1; stored in %2.</source>
        <translation>Mit der Web-Oberfläche von eMule unter %1 verbunden; gespeichert in %2.</translation>
    </message>
    <message>
        <source>eMule has no download %1.</source>
        <translation>eMule hat keinen Download %1.</translation>
    </message>
    <message>
        <source>Act in eMule over its Web Interface (on this machine, under Wine or on another machine)</source>
        <translation>In eMule über seine Web-Oberfläche handeln (auf diesem Rechner, unter Wine oder auf einem anderen Rechner)</translation>
    </message>
    <message>
        <source>Log in to eMule&apos;s Web Interface and store where it is and its password (readable by you only) for the other emule commands</source>
        <translation>Bei der Web-Oberfläche von eMule anmelden und ihre Adresse und ihr Passwort (nur für Sie lesbar) für die anderen emule-Befehle speichern</translation>
    </message>
    <message>
        <source>Where eMule&apos;s Web Interface listens (port default 4711); none: this machine, at the port of the imported or detected preferences.ini</source>
        <translation>Wo die Web-Oberfläche von eMule lauscht (Port vorgegeben 4711); keine Angabe: dieser Rechner, am Port der importierten oder gefundenen preferences.ini</translation>
    </message>
    <message>
        <source>Pause downloads in eMule (undone with resume)</source>
        <translation>Downloads in eMule anhalten (mit resume rückgängig)</translation>
    </message>
    <message>
        <source>Resume paused or stopped downloads in eMule</source>
        <translation>Angehaltene oder gestoppte Downloads in eMule fortsetzen</translation>
    </message>
    <message>
        <source>Stop downloads in eMule (they keep their place but ask no sources)</source>
        <translation>Downloads in eMule stoppen (sie behalten ihren Platz, fragen aber keine Quellen)</translation>
    </message>
    <message>
        <source>Cancel downloads in eMule: deletes what has arrived; asks first on a terminal</source>
        <translation>Downloads in eMule abbrechen: löscht das bereits Geladene; fragt im Terminal zuerst nach</translation>
    </message>
    <message>
        <source>A download by its ed2k hash</source>
        <translation>Ein Download über seinen ed2k-Hash</translation>
    </message>
    <message>
        <source>Check the downloads eMule&apos;s Web Interface lists (see &apos;emule connect&apos;) instead of the temp directory&apos;s .part.met files</source>
        <translation>Die Downloads prüfen, die die Web-Oberfläche von eMule auflistet (siehe &apos;emule connect&apos;), statt der .part.met-Dateien des Temp-Verzeichnisses</translation>
    </message>
    <message>
        <source>With --amule or --emule: pause every listed fake and suspect in that client</source>
        <translation>Mit --amule oder --emule: jeden aufgelisteten Fake und Verdächtigen in diesem Client anhalten</translation>
    </message>
    <message>
        <source>Not inspected: %1 downloads, whose data is not readable here. Pass eMule&apos;s temp directory with --temp-dir, or run Kestrivane on the eMule machine, to inspect them.</source>
        <translation>Nicht untersucht: %1 Downloads, deren Daten hier nicht lesbar sind. Das Temp-Verzeichnis von eMule mit --temp-dir angeben oder Kestrivane auf dem eMule-Rechner ausführen, um sie zu untersuchen.</translation>
    </message>
    <message>
        <source>No eMule Web Interface stored: run &apos;kestrivane-cli emule connect&apos; first.</source>
        <translation>Keine Web-Oberfläche von eMule gespeichert: zuerst &apos;kestrivane-cli emule connect&apos; ausführen.</translation>
    </message>
    <message>
        <source>Show each finding and each action of the guard as a desktop notification (the session bus&apos;s Notifications service)</source>
        <translation>Jeden Fund und jede Aktion des Wächters als Desktop-Benachrichtigung zeigen (Dienst Notifications am Session-Bus)</translation>
    </message>
    <message>
        <source>Show each finding as a desktop notification (the session bus&apos;s Notifications service)</source>
        <translation>Jeden Fund als Desktop-Benachrichtigung zeigen (Dienst Notifications am Session-Bus)</translation>
    </message>
    <message>
        <source>Desktop notifications cannot be shown (%1); the watch goes on without them.</source>
        <translation>Desktop-Benachrichtigungen können nicht gezeigt werden (%1); die Überwachung läuft ohne sie weiter.</translation>
    </message>
    <message>
        <source>Kestrivane: fake paused in aMule</source>
        <translation>Kestrivane: Fake in aMule angehalten</translation>
    </message>
    <message>
        <source>Kestrivane: suspect paused in aMule</source>
        <translation>Kestrivane: Verdächtiges in aMule angehalten</translation>
    </message>
    <message>
        <source>Kestrivane: fake cancelled in aMule</source>
        <translation>Kestrivane: Fake in aMule abgebrochen</translation>
    </message>
    <message>
        <source>Kestrivane: suspect cancelled in aMule</source>
        <translation>Kestrivane: Verdächtiges in aMule abgebrochen</translation>
    </message>
    <message>
        <source>Kestrivane: fake came back, cancelled in aMule</source>
        <translation>Kestrivane: Fake kam wieder, in aMule abgebrochen</translation>
    </message>
    <message>
        <source>Kestrivane: fake found</source>
        <translation>Kestrivane: Fake gefunden</translation>
    </message>
    <message>
        <source>Kestrivane: suspect found</source>
        <translation>Kestrivane: Verdächtiges gefunden</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Sections</source>
        <translation>Abschnitte</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Check links</source>
        <translation>Links prüfen</translation>
    </message>
    <message>
        <source>Fake lists</source>
        <translation>Fake-Listen</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>Fakes and suspects</source>
        <translation>Fakes und Verdächtige</translation>
    </message>
    <message>
        <source>Fakes</source>
        <translation>Fakes</translation>
    </message>
    <message>
        <source>Suspects</source>
        <translation>Verdächtige</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Jetzt prüfen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Urteil</translation>
    </message>
    <message>
        <source>In aMule</source>
        <translation>In aMule</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>Paste ed2k links (one a line, or any text that holds them):</source>
        <translation>ed2k-Links einfügen (einer pro Zeile oder ein beliebiger Text, der sie enthält):</translation>
    </message>
    <message>
        <source>Check the links</source>
        <translation>Links prüfen</translation>
    </message>
    <message>
        <source>Add the clean ones to aMule</source>
        <translation>Die sauberen zu aMule hinzufügen</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Update the fake list</source>
        <translation>Fake-Liste aktualisieren</translation>
    </message>
    <message>
        <source>Your own list</source>
        <translation>Ihre eigene Liste</translation>
    </message>
    <message>
        <source>Hash</source>
        <translation>Hash</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Your own list holds no record yet.</source>
        <translation>Ihre eigene Liste enthält noch keinen Eintrag.</translation>
    </message>
    <message>
        <source>Cancel the download?</source>
        <translation>Download abbrechen?</translation>
    </message>
    <message>
        <source>aMule stops it and deletes what it has downloaded of it.</source>
        <translation>aMule beendet ihn und löscht, was davon schon heruntergeladen ist.</translation>
    </message>
    <message>
        <source>Cancel the download</source>
        <translation>Download abbrechen</translation>
    </message>
    <message>
        <source>Keep it</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Der Server antwortete %1.</translation>
    </message>
    <message>
        <source>The server cannot be reached.</source>
        <translation>Der Server ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>Not logged in: open the address with the token that &apos;kestrivane-cli serve&apos; printed.</source>
        <translation>Nicht angemeldet: Öffnen Sie die Adresse mit dem Token, die &apos;kestrivane-cli serve&apos; ausgegeben hat.</translation>
    </message>
    <message>
        <source>No fake list is loaded and the content check is off: mark fakes or set an update address.</source>
        <translation>Keine Fake-Liste geladen und die Inhaltsprüfung ist aus: markieren Sie Fakes oder setzen Sie eine Update-Adresse.</translation>
    </message>
    <message>
        <source>The fake list %1 is missing.</source>
        <translation>Die Fake-Liste %1 fehlt.</translation>
    </message>
    <message>
        <source>The fake list %1 cannot be read: %2</source>
        <translation>Die Fake-Liste %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>No temp directory is set: import the client&apos;s settings or start serve with --temp-dir.</source>
        <translation>Kein Temp-Verzeichnis gesetzt: importieren Sie die Einstellungen des Clients oder starten Sie serve mit --temp-dir.</translation>
    </message>
    <message>
        <source>The temp directory %1 is gone.</source>
        <translation>Das Temp-Verzeichnis %1 ist verschwunden.</translation>
    </message>
    <message>
        <source>The temp directory %1 cannot be read: %2</source>
        <translation>Das Temp-Verzeichnis %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Something went wrong: %1</source>
        <translation>Etwas ist schiefgegangen: %1</translation>
    </message>
    <message>
        <source>aMule connected</source>
        <translation>aMule verbunden</translation>
    </message>
    <message>
        <source>aMule lost</source>
        <translation>aMule verloren</translation>
    </message>
    <message>
        <source>No aMule connection</source>
        <translation>Keine aMule-Verbindung</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>Live updates lost; trying again...</source>
        <translation>Live-Aktualisierung verloren; neuer Versuch...</translation>
    </message>
    <message>
        <source>Not a fake (allowed)</source>
        <translation>Kein Fake (erlaubt)</translation>
    </message>
    <message>
        <source>Fake</source>
        <translation>Fake</translation>
    </message>
    <message>
        <source>Suspect: %1</source>
        <translation>Verdächtig: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Lädt</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>Hashing</source>
        <translation>Hasht</translation>
    </message>
    <message>
        <source>Completing</source>
        <translation>Wird abgeschlossen</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Anderer Zustand</translation>
    </message>
    <message>
        <source>Sources: %1</source>
        <translation>Quellen: %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Cancel...</source>
        <translation>Abbrechen...</translation>
    </message>
    <message>
        <source>Not a fake</source>
        <translation>Kein Fake</translation>
    </message>
    <message>
        <source>Mark as fake</source>
        <translation>Als Fake markieren</translation>
    </message>
    <message>
        <source>Downloads: %1, fakes: %2, suspects: %3</source>
        <translation>Downloads: %1, Fakes: %2, Verdächtige: %3</translation>
    </message>
    <message>
        <source>No download matches.</source>
        <translation>Kein Download passt.</translation>
    </message>
    <message>
        <source>No download to show.</source>
        <translation>Kein Download anzuzeigen.</translation>
    </message>
    <message>
        <source>Check finished.</source>
        <translation>Prüfung beendet.</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>Angehalten: %1</translation>
    </message>
    <message>
        <source>Resumed: %1</source>
        <translation>Fortgesetzt: %1</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Gestoppt: %1</translation>
    </message>
    <message>
        <source>Cancelled: %1</source>
        <translation>Abgebrochen: %1</translation>
    </message>
    <message>
        <source>Not a fake any more: %1</source>
        <translation>Kein Fake mehr: %1</translation>
    </message>
    <message>
        <source>Marked as a fake: %1</source>
        <translation>Als Fake markiert: %1</translation>
    </message>
    <message>
        <source>Paste one or more ed2k links first.</source>
        <translation>Fügen Sie zuerst einen oder mehrere ed2k-Links ein.</translation>
    </message>
    <message>
        <source>Clean links added to aMule: %1</source>
        <translation>Saubere Links zu aMule hinzugefügt: %1</translation>
    </message>
    <message>
        <source>Links checked: %1, fakes: %2</source>
        <translation>Links geprüft: %1, Fakes: %2</translation>
    </message>
    <message>
        <source>Updating the fake list...</source>
        <translation>Fake-Liste wird aktualisiert...</translation>
    </message>
    <message>
        <source>The fake list is up to date.</source>
        <translation>Die Fake-Liste ist aktuell.</translation>
    </message>
    <message>
        <source>Check started.</source>
        <translation>Prüfung gestartet.</translation>
    </message>
    <message>
        <source>Fake list</source>
        <translation>Fake-Liste</translation>
    </message>
    <message>
        <source>Records loaded</source>
        <translation>Geladene Einträge</translation>
    </message>
    <message>
        <source>Records in your own list</source>
        <translation>Einträge in Ihrer eigenen Liste</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Why is it a fake? (kept in your own list)</source>
        <translation>Warum ist es ein Fake? (wird in Ihrer eigenen Liste vermerkt)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Not added: %1 (%2)</source>
        <translation>Nicht hinzugefügt: %1 (%2)</translation>
    </message>
    <message>
        <source>loaded</source>
        <translation>geladen</translation>
    </message>
    <message>
        <source>not loaded</source>
        <translation>nicht geladen</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>The fake list was updated.</source>
        <translation>Die Fake-Liste wurde aktualisiert.</translation>
    </message>
    <message>
        <source>Show them all</source>
        <translation>Alle zeigen</translation>
    </message>
    <message>
        <source>Showing %1 of %2 rows.</source>
        <translation>%1 von %2 Zeilen gezeigt.</translation>
    </message>
</context>
</TS>
