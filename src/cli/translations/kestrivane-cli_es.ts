<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Cli</name>
    <message>
        <source>Paused in aMule: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: %1 %2; no download can be found as a fake with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: the loaded fake lists hold no record; no download can be found as a fake.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not pause %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update failed; checking with the local fake list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not store the update address in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found %1: %2 (names no temp directory)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found %1: %2 (temp directory %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No client preference file found (looked for ~/.aMule/amule.conf, and eMule&apos;s preferences.ini and eDonkey&apos;s pref.met in the Wine prefix ~/.wine). Run &apos;kestrivane-cli import FILE&apos; or pass --temp-dir DIR to &apos;check&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No client preference file found that names a temp directory (looked for ~/.aMule/amule.conf, and eMule&apos;s preferences.ini and eDonkey&apos;s pref.met in the Wine prefix ~/.wine). Run &apos;kestrivane-cli import FILE&apos; or pass --temp-dir DIR to &apos;check&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot mark %1: give the file&apos;s size with --size BYTES when marking a hash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The check found no fake to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 list line(s) written to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read the standard input.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read again: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1 now; the list read before is used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gone: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings and lists read again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watching %1; changes are checked within %2 s (Ctrl+C ends, SIGHUP reads the lists again)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watching %1 and 1 further temp directory; changes are checked within %2 s (Ctrl+C ends, SIGHUP reads the lists again)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watching %1 and %2 further temp directories; changes are checked within %3 s (Ctrl+C ends, SIGHUP reads the lists again)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not pause %1 in aMule: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--exec: cannot split &apos;%1&apos; into a program and its arguments (unclosed quote?).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No temp directory is set: run &apos;kestrivane-cli import FILE&apos; or &apos;kestrivane-cli import --detect&apos;, or pass --temp-dir DIR.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temp directory %1 not found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the temp directory %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read the fake list %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The check could not run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No fake list: %1 does not exist. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read the fake list %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aMule: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No fake list: %1 does not exist. Run &apos;kestrivane-cli update&apos; or pass --fakes FILE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large to check for links (%2 bytes; at most %3 MiB are read).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link check could not run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot import %1: the file must be named pref.met (eDonkey), preferences.ini (eMule) or amule.conf (aMule).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot import %1: no such file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: No &apos;temp!&apos; entry in pref.met found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: No &apos;[eMule] TempDir=&apos; in amule.conf found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: No &apos;[eMule] TempDir=&apos; in preferences.ini found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The import stored no temp directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eDonkey PREF.MET successfully opened, &apos;PrefMetPath&apos; and &apos;TempPath&apos; written to KESTRIVANE.INI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eMule PREFERENCES.INI successfully opened, &apos;PreferencesIniPath&apos; and &apos;TempDir&apos; written to KESTRIVANE.INI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aMule AMULE.CONF successfully opened, &apos;PreferencesIniPath&apos; and &apos;TempDir&apos; written to KESTRIVANE.INI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot mark %1: give a .part.met name of the temp directory (001.part) or a hash of 32 hex digits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No temp directory is set; use --temp-dir or import the client&apos;s preferences first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot mark %1: the file holds no ed2k hash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot mark %1: no such .part.met in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The own list could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another Kestrivane (%1, pid %2) is writing in %3; try again when it has finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another Kestrivane (pid %1) is writing in %2; try again when it has finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another Kestrivane is writing in %1; try again when it has finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: no fake list: %1 does not exist, so only names, part hashes and the bytes already downloaded were checked. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marked as fake in MYFAKES.DAT: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed from MYFAKES.DAT: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorded as not a fake in MYFAKES.DAT: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your own list MYFAKES.DAT does not name %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished! Found %1 part.met-File with Text &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New FAKE-DB - Version %1 available! Please download it now...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not updated: fake list source %1 (the other sources were updated or are current).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download finished! New %1 written...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not connect to the internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download of %1 was interrupted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File actually not available: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fake list at %1 has not changed since the last download.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--exec: %1 ended with status %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--exec: %1 was ended by signal %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--exec: %1 ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The directory %1 is gone; watching for it to come back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--exec: too many findings waiting for %1; some are not run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--exec: %1 ran longer than %2 s and is ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--exec: could not start %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--exec: %1 findings not handed on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot watch for changes: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The directory %1 is not there; watching for it to appear.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replaced: %1; watching the new one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watching %1 again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aMule&apos;s External Connections password: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a host or host:port: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No password on the standard input.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No password: pass --password-stdin and give it on the standard input.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No amule.conf found: pass HOST[:PORT], or import aMule&apos;s amule.conf first (kestrivane-cli import FILE).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aMule does not accept External Connections (AcceptExternalConnections in %1): turn on remote controls in aMule&apos;s preferences, or pass HOST[:PORT].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aMule has no External Connections password set (ECPassword in %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resumed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not resume %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not stop %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not cancel %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aMule has no download %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelling deletes the downloads in aMule: pass --yes to confirm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel this download in aMule and delete what has arrived? [y/N] </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel %1 downloads in aMule and delete what has arrived? [y/N] </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2). Nothing stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected, but could not write %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(version not given)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected to aMule %1 at %2; stored in %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;; did you mean &apos;%2&apos;? (&apos;kestrivane-cli --help&apos; lists the commands)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos; (&apos;kestrivane-cli --help&apos; lists the commands)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading links from the keyboard: paste them, then press Ctrl+D (or give a FILE).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No directory for the settings: HOME is not set. Pass --home DIR or set KESTRIVANE_HOME.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the directory %1. Pass --home DIR.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--home %1: no such directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partname	Filename	Error-Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line	Filename	Error-Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no public fake list; to get one, mark fakes yourself (&apos;kestrivane-cli mark&apos;), use a group&apos;s address (&apos;kestrivane-cli update --url URL&apos;) or pass a list file (--fakes FILE).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No update address is set. There is no public fake list; the content check works without one. To get a list, mark fakes yourself (&apos;kestrivane-cli mark&apos;), use a group&apos;s address (&apos;kestrivane-cli update --url URL&apos;) or pass a list file (--fakes FILE).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No aMule connection stored: run &apos;kestrivane-cli amule connect&apos; first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No fake list loaded: the links were checked by their names and part hashes only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your own fake list MYFAKES.DAT holds no record yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait, version check is running...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You already have the newest FAKE-DB...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening URL...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proxy Authentication is not implemented yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online-Check/Download not available!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The choosen URL is temporary not available. Please try later!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fake list not used</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Verdicts</name>
    <message>
        <source>%1 byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>claims %1, the data is %2%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the data is %1, named .%2: it will play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a program posing as %1: the name ends in .%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 blanks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a program posing as %1: the name ends in .%2, %3 and .%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a program hidden behind blanks: the name has %1 blanks before .%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name hides its real extension behind a right-to-left mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the published file is mostly zeros (%1 of %2 parts are empty)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a short clip padded to a larger size: the %1 says it is %2 long, the download is published as %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 says it plays %2, too short for %3 (%4, the most such a file carries is %5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 says it plays %2, the search result said %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 URL command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 URL commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>claims %1, the data is Windows Media that opens web pages as it plays (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>claims %1, the data is Windows Media that opens web pages as it plays (%2: %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 part arrived corrupted: someone is feeding this download bad data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 parts arrived corrupted: someone is feeding this download bad data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 were lost to corruption: someone is feeding this download bad data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no source has had the whole file in %1 of downloading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a part of the published file is all zeros (its part hashes hold the hash of an empty part)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rated Fake by %1 of %2 source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rated Fake by %1 of %2 sources</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*** OK </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*** OK (allowed by you)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*** OK (allowed by you: %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*** Not checked: the .met file could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*** Not checked: the .met file is larger than 64 MiB, no .part.met</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*** Not checked: the .met file is empty or damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*** Not checked: the temp directory could not be listed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*** OK (note: %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suspect: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (read from the client&apos;s backup %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes and %2 Suspects in %3 checked .part.met, %4 could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes and %2 Suspects in %3 checked .part.met</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes in %2 checked .part.met, %3 could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes in %2 checked .part.met</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fake (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Malformed link: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, %3, %4 malformed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 fake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 fakes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 suspect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 suspects</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
