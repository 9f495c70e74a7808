<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Messages</name>
    <message>
        <source>There is no public fake list: mark fakes yourself (right-click &gt; Mark as fake...), or set a group&apos;s address in Extras &gt; Options.</source>
        <translation>Es gibt keine öffentliche Fake-Liste: Markieren Sie Fakes selbst (Rechtsklick &gt; Als Fake markieren...) oder tragen Sie die Adresse einer Gruppe unter Extras &gt; Optionen ein.</translation>
    </message>
    <message>
        <source>No site to ask for a newer Kestrivane is set: store one as KestrivaneDownloadURL in Kestrivane.ini, or run &apos;kestrivane-cli update --program --site URL&apos;.</source>
        <translation>Es ist keine Seite eingestellt, die nach einem neueren Kestrivane gefragt werden kann: Tragen Sie eine als KestrivaneDownloadURL in Kestrivane.ini ein oder rufen Sie &apos;kestrivane-cli update --program --site URL&apos; auf.</translation>
    </message>
    <message>
        <source>No feedback address is set: store one as FeedbackAddress in Kestrivane.ini.</source>
        <translation>Es ist keine Feedback-Adresse eingestellt: Tragen Sie eine als FeedbackAddress in Kestrivane.ini ein.</translation>
    </message>
    <message>
        <source>Tip of the day: ALT-F (Check File), CTRL-F (Download Fakes-DB)</source>
        <translation>Tipp des Tages: ALT-F (Dateien prüfen), STRG-F (Fakes-DB herunterladen)</translation>
    </message>
    <message>
        <source>No FAKES-DB found. Please &apos;Update DB&apos;.</source>
        <translation>Keine FAKES-DB gefunden. Bitte &apos;DB aktualisieren&apos;.</translation>
    </message>
    <message>
        <source>Reading *.part.met and matching with FAKE-DB...</source>
        <translation>Lese *.part.met und vergleiche mit der FAKE-DB...</translation>
    </message>
    <message>
        <source>Partname</source>
        <translation>Part-Name</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Error-Description</source>
        <translation>Fehlerbeschreibung</translation>
    </message>
    <message>
        <source>Error:<byte value="xd"/>
No &apos;[eDonkey] TempPath=&apos; or &apos;[eMule] TempDir=&apos;<byte value="xd"/>
in Kestrivane.ini found!<byte value="xd"/>
<byte value="xd"/>
Use Menu &apos;File, Open ...&apos;</source>
        <translation>Fehler:<byte value="xd"/>
Kein &apos;[eDonkey] TempPath=&apos; oder &apos;[eMule] TempDir=&apos;<byte value="xd"/>
in Kestrivane.ini gefunden!<byte value="xd"/>
<byte value="xd"/>
Menü &apos;Datei, Öffnen ...&apos; benutzen</translation>
    </message>
    <message>
        <source>Please wait, version check is running...</source>
        <translation>Bitte warten, die Versionsprüfung läuft...</translation>
    </message>
    <message>
        <source>Proxy Authentication is not implemented yet</source>
        <translation>Proxy-Anmeldung ist noch nicht umgesetzt</translation>
    </message>
    <message>
        <source>You already have the newest FAKE-DB...</source>
        <translation>Sie haben bereits die neueste FAKE-DB...</translation>
    </message>
    <message>
        <source>You already have the newest Kestrivane-Version...</source>
        <translation>Sie haben bereits die neueste Kestrivane-Version...</translation>
    </message>
    <message>
        <source>The version record names no usable setup file.</source>
        <translation>Der Versionseintrag nennt keine brauchbare Setup-Datei.</translation>
    </message>
    <message>
        <source>Opening URL...</source>
        <translation>Öffne URL...</translation>
    </message>
    <message>
        <source>Could not connect to the internet</source>
        <translation>Keine Verbindung zum Internet</translation>
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
        <source>Error: No &apos;temp!&apos; entry in pref.met found!</source>
        <translation>Fehler: Kein &apos;temp!&apos;-Eintrag in pref.met gefunden!</translation>
    </message>
    <message>
        <source>Error: No &apos;[eMule] TempDir=&apos; in preferences.ini found!</source>
        <translation>Fehler: Kein &apos;[eMule] TempDir=&apos; in preferences.ini gefunden!</translation>
    </message>
    <message>
        <source>eDonkey PREF.MET successfully opened, &apos;PrefMetPath&apos; and &apos;TempPath&apos; written to KESTRIVANE.INI</source>
        <translation>eDonkey PREF.MET geöffnet, &apos;PrefMetPath&apos; und &apos;TempPath&apos; in KESTRIVANE.INI geschrieben</translation>
    </message>
    <message>
        <source>eMule PREFERENCES.INI successfully opened, &apos;PreferencesIniPath&apos; and &apos;TempDir&apos; written to KESTRIVANE.INI</source>
        <translation>eMule PREFERENCES.INI geöffnet, &apos;PreferencesIniPath&apos; und &apos;TempDir&apos; in KESTRIVANE.INI geschrieben</translation>
    </message>
    <message>
        <source>aMule AMULE.CONF successfully opened, &apos;PreferencesIniPath&apos; and &apos;TempDir&apos; written to KESTRIVANE.INI</source>
        <translation>aMule AMULE.CONF geöffnet, &apos;PreferencesIniPath&apos; und &apos;TempDir&apos; in KESTRIVANE.INI geschrieben</translation>
    </message>
    <message>
        <source>Errors occurred.  Could not open link.</source>
        <translation>Fehler aufgetreten. Der Link konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Fake list not used</source>
        <translation>Fake-Liste nicht verwendet</translation>
    </message>
    <message>
        <source>Mark as fake</source>
        <translation>Als Fake markieren</translation>
    </message>
    <message>
        <source>Why is this download a fake? (kept in your own list MYFAKES.DAT)</source>
        <translation>Warum ist dieser Download ein Fake? (in Ihrer eigenen Liste MYFAKES.DAT gespeichert)</translation>
    </message>
    <message>
        <source>A tab stop is a whole number of dialog units, 0 to 32767.</source>
        <translation>Ein Tabstopp ist eine ganze Zahl von Dialogeinheiten, 0 bis 32767.</translation>
    </message>
    <message>
        <source>Select a download in the result of a check first.</source>
        <translation>Wählen Sie zuerst einen Download im Ergebnis einer Prüfung aus.</translation>
    </message>
    <message>
        <source>This download has no ed2k hash; it cannot be marked.</source>
        <translation>Dieser Download hat keinen ed2k-Hash; er kann nicht markiert werden.</translation>
    </message>
    <message>
        <source>Your own fake list MYFAKES.DAT holds no record yet.</source>
        <translation>Ihre eigene Fake-Liste MYFAKES.DAT enthält noch keinen Eintrag.</translation>
    </message>
    <message>
        <source>Kestrivane Version%1 / Total %2 Fakes in DB</source>
        <translation>Kestrivane Version%1 / Insgesamt %2 Fakes in der DB</translation>
    </message>
    <message>
        <source>File %1 not found! Please download FAKE-DB!</source>
        <translation>Datei %1 nicht gefunden! Bitte FAKE-DB herunterladen!</translation>
    </message>
    <message>
        <source>Temp directory %1 not found!</source>
        <translation>Temp-Verzeichnis %1 nicht gefunden!</translation>
    </message>
    <message>
        <source>Finished! Found %1 part.met-File with Text &apos;%2&apos;</source>
        <translation>Fertig! %1 part.met-Datei(en) mit dem Text &apos;%2&apos; gefunden</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes in %2 checked .part.met</source>
        <translation>Fertig! %1 Fakes in %2 geprüften .part.met gefunden</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes in %2 checked .part.met, %3 could not be read</source>
        <translation>Fertig! %1 Fakes in %2 geprüften .part.met gefunden, %3 konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes and %2 Suspects in %3 checked .part.met</source>
        <translation>Fertig! %1 Fakes und %2 Verdächtige in %3 geprüften .part.met gefunden</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes and %2 Suspects in %3 checked .part.met, %4 could not be read</source>
        <translation>Fertig! %1 Fakes und %2 Verdächtige in %3 geprüften .part.met gefunden, %4 konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>Reading: %1 Bytes. Please wait...</source>
        <translation>Lese: %1 Bytes. Bitte warten...</translation>
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
        <source>Download finished! New %1 written...</source>
        <translation>Download fertig! Neue %1 geschrieben...</translation>
    </message>
    <message>
        <source>New FAKE-DB - Version %1 available! Please download it now...</source>
        <translation>Neue FAKE-DB - Version %1 verfügbar! Bitte jetzt herunterladen...</translation>
    </message>
    <message>
        <source>New Kestrivane-Version %1 available! Please download it now...</source>
        <translation>Neue Kestrivane-Version %1 verfügbar! Bitte jetzt herunterladen...</translation>
    </message>
    <message>
        <source>The fake list at %1 has not changed since the last download.</source>
        <translation>Die Fake-Liste unter %1 hat sich seit dem letzten Download nicht geändert.</translation>
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
        <source>Your own list MYFAKES.DAT does not name %1.</source>
        <translation>Ihre eigene Liste MYFAKES.DAT nennt %1 nicht.</translation>
    </message>
    <message>
        <source>%1 list line(s) copied to the clipboard.</source>
        <translation>%1 Listenzeile(n) in die Zwischenablage kopiert.</translation>
    </message>
    <message>
        <source>%1 list line(s) of MYFAKES.DAT written to %2</source>
        <translation>%1 Listenzeile(n) aus MYFAKES.DAT nach %2 geschrieben</translation>
    </message>
    <message>
        <source> Temp directory of the client:</source>
        <translation> Temp-Verzeichnis des Clients:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Choose the client&apos;s temp directory</source>
        <translation>Temp-Verzeichnis des Clients wählen</translation>
    </message>
    <message>
        <source>Check ed2k links</source>
        <translation>ed2k-Links prüfen</translation>
    </message>
    <message>
        <source>No fake list loaded: the links were checked by their names and part hashes only.</source>
        <translation>Keine Fake-Liste geladen: die Links wurden nur nach Namen und Teil-Hashes geprüft.</translation>
    </message>
    <message>
        <source>Paste ed2k or magnet links (or any text holding them) first.</source>
        <translation>Zuerst ed2k- oder Magnet-Links einfügen (oder einen Text, der sie enthält).</translation>
    </message>
    <message>
        <source>Welcome to Kestrivane</source>
        <translation>Willkommen bei Kestrivane</translation>
    </message>
    <message>
        <source>Kestrivane compares every unfinished download of your eMule, aMule or eDonkey client with fake lists: files of ed2k hashes found to be fakes (a trailer, an advertisement, another film). There is no public fake list, and the content check below works without one. To have a list, mark the fakes you find yourself (right click on a row, &apos;Mark as fake&apos;), or, if a group you belong to keeps a list, enter its update address in the field below. The field may stay empty.</source>
        <translation>Kestrivane vergleicht jeden unfertigen Download Ihres eMule-, aMule- oder eDonkey-Clients mit Fake-Listen: Dateien mit ed2k-Hashes, die als Fakes erkannt wurden (ein Trailer, eine Werbung, ein anderer Film). Es gibt keine öffentliche Fake-Liste, und die Inhaltsprüfung unten arbeitet auch ohne sie. Für eine eigene Liste markieren Sie gefundene Fakes selbst (Rechtsklick auf eine Zeile, &apos;Als Fake markieren&apos;), oder, wenn eine Gruppe, der Sie angehören, eine Liste führt, tragen Sie deren Update-Adresse im Feld unten ein. Das Feld darf leer bleiben.</translation>
    </message>
    <message>
        <source>Without a list the check still looks at the first bytes each download has received and marks what does not match its name as &quot;Suspect: ...&quot;.</source>
        <translation>Auch ohne Liste sieht die Prüfung die ersten schon empfangenen Bytes jedes Downloads an und markiert, was nicht zu seinem Namen passt, als &quot;Suspect: ...&quot;.</translation>
    </message>
    <message>
        <source>Client settings found on this computer (the check reads its temp directory):</source>
        <translation>Auf diesem Rechner gefundene Client-Einstellungen (die Prüfung liest deren Temp-Verzeichnis):</translation>
    </message>
    <message>
        <source>None of these: I will choose the file later (File, Open eMule / Open eDonkey)</source>
        <translation>Keine davon: ich wähle die Datei später (Datei, eMule öffnen / eDonkey öffnen)</translation>
    </message>
    <message>
        <source>No client settings found in ~/.aMule or the Wine prefix ~/.wine. Choose the file later with File, Open eMule or Open eDonkey.</source>
        <translation>Keine Client-Einstellungen in ~/.aMule oder im Wine-Präfix ~/.wine gefunden. Wählen Sie die Datei später mit Datei, eMule öffnen oder eDonkey öffnen.</translation>
    </message>
    <message>
        <source>Update address of a group&apos;s fake list (optional):</source>
        <translation>Update-Adresse der Fake-Liste einer Gruppe (optional):</translation>
    </message>
    <message>
        <source>Not a fake</source>
        <translation>Kein Fake</translation>
    </message>
    <message>
        <source>Why is this download not a fake? (kept in your own list MYFAKES.DAT)</source>
        <translation>Warum ist dieser Download kein Fake? (wird in Ihrer eigenen Liste MYFAKES.DAT gespeichert)</translation>
    </message>
    <message>
        <source>Recorded as not a fake in MYFAKES.DAT: %1</source>
        <translation>In MYFAKES.DAT als kein Fake vermerkt: %1</translation>
    </message>
    <message>
        <source>No update address is set. There is no public fake list; the content check works without one. Mark fakes yourself, or enter a group&apos;s update address in Extras &gt; Options.</source>
        <translation>Keine Update-Adresse eingestellt. Es gibt keine öffentliche Fake-Liste; die Inhaltsprüfung arbeitet auch ohne sie. Markieren Sie Fakes selbst oder tragen Sie die Update-Adresse einer Gruppe unter Extras &gt; Optionen ein.</translation>
    </message>
    <message>
        <source>Enter the password of aMule&apos;s External Connections.</source>
        <translation>Geben Sie das Passwort der externen Verbindungen von aMule ein.</translation>
    </message>
    <message>
        <source>No aMule connection stored: enter it in Extras &gt; Options.</source>
        <translation>Keine aMule-Verbindung gespeichert: tragen Sie sie unter Extras &gt; Optionen ein.</translation>
    </message>
    <message>
        <source>Asking aMule for its downloads...</source>
        <translation>aMule wird nach seinen Downloads gefragt...</translation>
    </message>
    <message>
        <source>Cancel in aMule</source>
        <translation>In aMule abbrechen</translation>
    </message>
    <message>
        <source>No amule.conf found in ~/.aMule.</source>
        <translation>Keine amule.conf in ~/.aMule gefunden.</translation>
    </message>
    <message>
        <source>aMule does not accept External Connections: turn on remote controls in aMule&apos;s preferences.</source>
        <translation>aMule nimmt keine externen Verbindungen an: schalten Sie die Fernsteuerung in den Einstellungen von aMule ein.</translation>
    </message>
    <message>
        <source>Not a host and port for aMule: %1</source>
        <translation>Kein Host und Port für aMule: %1</translation>
    </message>
    <message>
        <source>Could not log in to aMule: %1. Nothing stored.</source>
        <translation>Anmeldung bei aMule fehlgeschlagen: %1. Nichts gespeichert.</translation>
    </message>
    <message>
        <source>Connected to aMule %1; the connection is stored.</source>
        <translation>Mit aMule %1 verbunden; die Verbindung ist gespeichert.</translation>
    </message>
    <message>
        <source>aMule: %1</source>
        <translation>aMule: %1</translation>
    </message>
    <message>
        <source>Paused in aMule: %1</source>
        <translation>In aMule angehalten: %1</translation>
    </message>
    <message>
        <source>Resumed in aMule: %1</source>
        <translation>In aMule fortgesetzt: %1</translation>
    </message>
    <message>
        <source>Cancelled in aMule: %1</source>
        <translation>In aMule abgebrochen: %1</translation>
    </message>
    <message>
        <source>aMule did not take the command for %1: %2</source>
        <translation>aMule hat den Befehl für %1 nicht angenommen: %2</translation>
    </message>
    <message>
        <source>Cancel %1 in aMule and delete what has arrived?</source>
        <translation>%1 in aMule abbrechen und das bereits Empfangene löschen?</translation>
    </message>
    <message>
        <source>And never download %1 again? Its hash goes into your own list, and the guard cancels it whenever it comes back, under any name.</source>
        <translation>Und %1 nie wieder herunterladen? Der Hash kommt in Ihre eigene Liste, und der Wächter bricht den Download ab, wann immer er wiederkommt, unter welchem Namen auch immer.</translation>
    </message>
    <message>
        <source>Cancelled in aMule and kept out for good: %1</source>
        <translation>In aMule abgebrochen und für immer ferngehalten: %1</translation>
    </message>
    <message>
        <source>Clean links added to aMule: %1 of %2</source>
        <translation>Saubere Links zu aMule hinzugefügt: %1 von %2</translation>
    </message>
    <message>
        <source>Not added to aMule: %1 (%2)</source>
        <translation>Nicht zu aMule hinzugefügt: %1 (%2)</translation>
    </message>
    <message>
        <source>Search for eDonkey-PREF.MET-File</source>
        <translation>eDonkey-PREF.MET-Datei suchen</translation>
    </message>
    <message>
        <source>Search for eMule-Preferences.INI-File</source>
        <translation>eMule-Preferences.INI-Datei suchen</translation>
    </message>
    <message>
        <source>eDonkey pref.met-File (pref.met)</source>
        <translation>eDonkey-pref.met-Datei (pref.met)</translation>
    </message>
    <message>
        <source>eMule preferences.ini-File (preferences.ini)</source>
        <translation>eMule-preferences.ini-Datei (preferences.ini)</translation>
    </message>
    <message>
        <source>aMule amule.conf-File (amule.conf)</source>
        <translation>aMule-amule.conf-Datei (amule.conf)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Fake lists (*.DAT)</source>
        <translation>Fake-Listen (*.DAT)</translation>
    </message>
    <message>
        <source>eMule collections</source>
        <translation>eMule-Collections</translation>
    </message>
    <message>
        <source>Text files and web pages</source>
        <translation>Textdateien und Webseiten</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Export my fake list</source>
        <translation>Meine Fake-Liste exportieren</translation>
    </message>
    <message>
        <source>Choose another file: MYFAKES.DAT and FAKES.DAT in the program directory are the lists in use.</source>
        <translation>Wählen Sie eine andere Datei: MYFAKES.DAT und FAKES.DAT im Programmverzeichnis sind die verwendeten Listen.</translation>
    </message>
    <message>
        <source>Open ed2k links or an eMule collection</source>
        <translation>ed2k-Links oder eine eMule-Collection öffnen</translation>
    </message>
    <message>
        <source>What could this error be?</source>
        <translation>Was könnte das für ein Fehler sein?</translation>
    </message>
    <message>
        <source>Cannot read the temp directory %1: %2.</source>
        <translation>Das Temp-Verzeichnis %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Could not read the fake list %1: %2.</source>
        <translation>Die Fake-Liste %1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Could not read the fake list %1.</source>
        <translation>Die Fake-Liste %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 is too large to check for links (%2 bytes; at most %3 MiB are read).</source>
        <translation>%1 ist zu groß, um nach Links durchsucht zu werden (%2 Bytes; höchstens %3 MiB werden gelesen).</translation>
    </message>
    <message>
        <source>Could not read %1.</source>
        <translation>%1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Another Kestrivane%1 is writing in %2; try again when it has finished.</source>
        <translation>Ein anderes Kestrivane%1 schreibt in %2; versuchen Sie es erneut, wenn es fertig ist.</translation>
    </message>
    <message>
        <source>NEWER Kestrivane-Version %1 already downloaded .-) Please install it ...</source>
        <translation>NEUERE Kestrivane-Version %1 bereits heruntergeladen .-) Bitte installieren ...</translation>
    </message>
    <message>
        <source>Not updated: fake list source %1 (the other sources were updated or are current).</source>
        <translation>Nicht aktualisiert: Fake-Listen-Quelle %1 (die anderen Quellen wurden aktualisiert oder sind aktuell).</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes and %2 Suspects in %3 downloads of aMule; %4 not inspected: their data is on the aMule machine. Run Kestrivane beside aMule to inspect them.</source>
        <translation>Fertig! %1 Fakes und %2 Verdächtige in %3 Downloads von aMule gefunden; %4 nicht untersucht: ihre Daten liegen auf dem aMule-Rechner. Starten Sie Kestrivane neben aMule, um sie zu untersuchen.</translation>
    </message>
    <message>
        <source>In aMule</source>
        <translation>In aMule</translation>
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
        <translation>Verdächtig</translation>
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
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>kv::app::LinkFindingsModel</name>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Urteil</translation>
    </message>
    <message>
        <source>Named by %1</source>
        <translation>Genannt von %1</translation>
    </message>
    <message>
        <source>Also suspect: %1</source>
        <translation>Auch verdächtig: %1</translation>
    </message>
</context>
<context>
    <name>kv::app::CheckLinksDialog</name>
    <message>
        <source>Paste ed2k or magnet links, or any text holding them:</source>
        <translation>ed2k- oder Magnet-Links einfügen, oder einen Text, der sie enthält:</translation>
    </message>
    <message>
        <source>&amp;Open file...</source>
        <translation>Datei ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Check an eMule collection or a text file</source>
        <translation>Eine eMule-Collection oder eine Textdatei prüfen</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Add the clean links to aMule</source>
        <translation>Die sauberen Links zu &amp;aMule hinzufügen</translation>
    </message>
    <message>
        <source>Only the links judged OK, never a fake or a suspect; the aMule connection is set in Extras &gt; Options</source>
        <translation>Nur die als OK beurteilten Links, nie ein Fake oder ein Verdächtiger; die aMule-Verbindung wird unter Extras &gt; Optionen eingetragen</translation>
    </message>
</context>
<context>
    <name>kv::app::FirstStartDialog</name>
    <message>
        <source>names no temp directory</source>
        <translation>nennt kein Temp-Verzeichnis</translation>
    </message>
    <message>
        <source>temp directory %1</source>
        <translation>Temp-Verzeichnis %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
</context>
<context>
    <name>kv::app::OptionsDialog</name>
    <message>
        <source>Kestrivane-Options</source>
        <translation>Kestrivane-Optionen</translation>
    </message>
    <message>
        <source> Check@Startup for:</source>
        <translation> Beim Start prüfen auf:</translation>
    </message>
    <message>
        <source>New Fakes-DB</source>
        <translation>Neue Fakes-DB</translation>
    </message>
    <message>
        <source>New Kestrivane</source>
        <translation>Neues Kestrivane</translation>
    </message>
    <message>
        <source> Tab-Stops:</source>
        <translation> Tabstopps:</translation>
    </message>
    <message>
        <source>Stop-Value 1:</source>
        <translation>Stopp-Wert 1:</translation>
    </message>
    <message>
        <source>Stop-Value 2:</source>
        <translation>Stopp-Wert 2:</translation>
    </message>
    <message>
        <source> Download URL for Fakes-DB:</source>
        <translation> Download-URL der Fakes-DB:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source> aMule connection:</source>
        <translation> aMule-Verbindung:</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Use the &amp;local aMule</source>
        <translation>&amp;Lokales aMule verwenden</translation>
    </message>
</context>
<context>
    <name>kv::app::MainWindow</name>
    <message>
        <source>Search temporary file(s) with following content:</source>
        <translation>Temporäre Datei(en) mit folgendem Inhalt suchen:</translation>
    </message>
    <message>
        <source>Enter filename to search for .part.met</source>
        <translation>Dateinamen eingeben, nach dem in .part.met gesucht wird</translation>
    </message>
    <message>
        <source>Suche starten (F3)</source>
        <translation>Suche starten (F3)</translation>
    </message>
    <message>
        <source>&amp;Update DB</source>
        <translation>DB a&amp;ktualisieren</translation>
    </message>
    <message>
        <source>Check &amp;Files</source>
        <translation>Dateien &amp;prüfen</translation>
    </message>
    <message>
        <source> Status:</source>
        <translation> Status:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open e&amp;Mule</source>
        <translation>e&amp;Mule öffnen</translation>
    </message>
    <message>
        <source>Open e&amp;Donkey</source>
        <translation>e&amp;Donkey öffnen</translation>
    </message>
    <message>
        <source>Check ed2k &amp;links...</source>
        <translation>ed2k-&amp;Links prüfen...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>D&amp;rucken</translation>
    </message>
    <message>
        <source>&amp;Send Feedback</source>
        <translation>Feedback &amp;senden</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;All Files</source>
        <translation>&amp;Alle Dateien</translation>
    </message>
    <message>
        <source>&amp;TextSearch</source>
        <translation>&amp;Textsuche</translation>
    </message>
    <message>
        <source>&amp;Inspect Downloads</source>
        <translation>Downloads &amp;untersuchen</translation>
    </message>
    <message>
        <source>Look at names and at the first bytes already downloaded for fakes no list knows</source>
        <translation>Namen und die ersten schon geladenen Bytes auf Fakes prüfen, die keine Liste kennt</translation>
    </message>
    <message>
        <source>&amp;Online-Update</source>
        <translation>&amp;Online-Update</translation>
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
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Copy &amp;ed2k-Link to Clipboard</source>
        <translation>&amp;ed2k-Link in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy ed2k-Link to Clipboard (&amp;HTML)</source>
        <translation>ed2k-Link in die Zwischenablage kopieren (&amp;HTML)</translation>
    </message>
    <message>
        <source>Copy &amp;name</source>
        <translation>&amp;Namen kopieren</translation>
    </message>
    <message>
        <source>Copy h&amp;ash</source>
        <translation>H&amp;ash kopieren</translation>
    </message>
    <message>
        <source>Export my &amp;fake list...</source>
        <translation>Meine &amp;Fake-Liste exportieren...</translation>
    </message>
    <message>
        <source>&amp;Mark as fake...</source>
        <translation>Als Fake &amp;markieren...</translation>
    </message>
    <message>
        <source>&amp;Unmark</source>
        <translation>Markierung ent&amp;fernen</translation>
    </message>
    <message>
        <source>Copy as &amp;list line</source>
        <translation>Als &amp;Listenzeile kopieren</translation>
    </message>
    <message>
        <source>N&amp;ot a fake...</source>
        <translation>&amp;Kein Fake...</translation>
    </message>
    <message>
        <source>Check &amp;aMule</source>
        <translation>aM&amp;ule prüfen</translation>
    </message>
    <message>
        <source>&amp;Pause in aMule</source>
        <translation>In aMule anhal&amp;ten</translation>
    </message>
    <message>
        <source>&amp;Resume in aMule</source>
        <translation>In aMule f&amp;ortsetzen</translation>
    </message>
    <message>
        <source>&amp;Cancel in aMule...</source>
        <translation>In aMule a&amp;bbrechen...</translation>
    </message>
</context>
</TS>
