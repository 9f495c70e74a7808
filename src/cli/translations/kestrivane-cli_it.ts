<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Cli</name>
    <message>
        <source>Paused in aMule: %1</source>
        <translation>Messo in pausa in aMule: %1</translation>
    </message>
    <message>
        <source>Could not write in %1.</source>
        <translation>Impossibile scrivere in %1.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Errore di rete: %1</translation>
    </message>
    <message>
        <source>Warning: the loaded fake lists hold no record; no download can be found as a fake.</source>
        <translation>Attenzione: le liste di fake caricate non contengono alcuna voce; nessun download può essere riconosciuto come fake.</translation>
    </message>
    <message>
        <source>Could not pause %1: %2</source>
        <translation>Impossibile mettere in pausa %1: %2</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Attenzione: %1</translation>
    </message>
    <message>
        <source>Update failed; checking with the local fake list.</source>
        <translation>L&apos;aggiornamento non è riuscito; il controllo usa la lista di fake locale.</translation>
    </message>
    <message>
        <source>Could not store the update address in %1.</source>
        <translation>Impossibile salvare l&apos;indirizzo di aggiornamento in %1.</translation>
    </message>
    <message>
        <source>Found %1: %2 (names no temp directory)</source>
        <translation>Trovato %1: %2 (non indica alcuna cartella temporanea)</translation>
    </message>
    <message>
        <source>Found %1: %2 (temp directory %3)</source>
        <translation>Trovato %1: %2 (cartella temporanea %3)</translation>
    </message>
    <message>
        <source>No client preference file found (looked for ~/.aMule/amule.conf, and eMule&apos;s preferences.ini and eDonkey&apos;s pref.met in the Wine prefix ~/.wine). Run &apos;kestrivane-cli import FILE&apos; or pass --temp-dir DIR to &apos;check&apos;.</source>
        <translation>Nessun file di preferenze di un client trovato (cercati ~/.aMule/amule.conf, e preferences.ini di eMule e pref.met di eDonkey nel prefisso Wine ~/.wine). Esegui &apos;kestrivane-cli import FILE&apos; o passa --temp-dir DIR a &apos;check&apos;.</translation>
    </message>
    <message>
        <source>No client preference file found that names a temp directory (looked for ~/.aMule/amule.conf, and eMule&apos;s preferences.ini and eDonkey&apos;s pref.met in the Wine prefix ~/.wine). Run &apos;kestrivane-cli import FILE&apos; or pass --temp-dir DIR to &apos;check&apos;.</source>
        <translation>Nessun file di preferenze di un client che indichi una cartella temporanea (cercati ~/.aMule/amule.conf, e preferences.ini di eMule e pref.met di eDonkey nel prefisso Wine ~/.wine). Esegui &apos;kestrivane-cli import FILE&apos; o passa --temp-dir DIR a &apos;check&apos;.</translation>
    </message>
    <message>
        <source>Importing %1</source>
        <translation>Importazione di %1</translation>
    </message>
    <message>
        <source>Cannot mark %1: give the file&apos;s size with --size BYTES when marking a hash.</source>
        <translation>Impossibile segnare %1: indica la dimensione del file con --size BYTES quando segni un hash.</translation>
    </message>
    <message>
        <source>The check found no fake to export.</source>
        <translation>Il controllo non ha trovato alcun fake da esportare.</translation>
    </message>
    <message>
        <source>%1 list line(s) written to %2.</source>
        <translation>%1 riga/righe di lista scritte in %2.</translation>
    </message>
    <message>
        <source>Could not read the standard input.</source>
        <translation>Impossibile leggere l&apos;input standard.</translation>
    </message>
    <message>
        <source>Line %1: </source>
        <translation>Riga %1: </translation>
    </message>
    <message>
        <source>Read again: %1</source>
        <translation>Riletto: %1</translation>
    </message>
    <message>
        <source>Cannot read %1 now; the list read before is used.</source>
        <translation>Impossibile leggere %1 ora; si usa la lista letta prima.</translation>
    </message>
    <message>
        <source>Gone: %1</source>
        <translation>Scomparso: %1</translation>
    </message>
    <message>
        <source>Settings and lists read again.</source>
        <translation>Impostazioni e liste rilette.</translation>
    </message>
    <message>
        <source>Watching %1; changes are checked within %2 s (Ctrl+C ends, SIGHUP reads the lists again)</source>
        <translation>Sorveglio %1; le modifiche vengono controllate entro %2 s (Ctrl+C termina, SIGHUP rilegge le liste)</translation>
    </message>
    <message>
        <source>Watching %1 and 1 further temp directory; changes are checked within %2 s (Ctrl+C ends, SIGHUP reads the lists again)</source>
        <translation>Sorveglio %1 e 1 altra cartella temporanea; le modifiche vengono controllate entro %2 s (Ctrl+C termina, SIGHUP rilegge le liste)</translation>
    </message>
    <message>
        <source>Watching %1 and %2 further temp directories; changes are checked within %3 s (Ctrl+C ends, SIGHUP reads the lists again)</source>
        <translation>Sorveglio %1 e altre %2 cartelle temporanee; le modifiche vengono controllate entro %3 s (Ctrl+C termina, SIGHUP rilegge le liste)</translation>
    </message>
    <message>
        <source>Could not pause %1 in aMule: %2</source>
        <translation>Impossibile mettere in pausa %1 in aMule: %2</translation>
    </message>
    <message>
        <source>--exec: cannot split &apos;%1&apos; into a program and its arguments (unclosed quote?).</source>
        <translation>--exec: impossibile dividere &apos;%1&apos; in un programma e i suoi argomenti (virgolette non chiuse?).</translation>
    </message>
    <message>
        <source>No temp directory is set: run &apos;kestrivane-cli import FILE&apos; or &apos;kestrivane-cli import --detect&apos;, or pass --temp-dir DIR.</source>
        <translation>Nessuna cartella temporanea impostata: esegui &apos;kestrivane-cli import FILE&apos; o &apos;kestrivane-cli import --detect&apos;, oppure indica --temp-dir DIR.</translation>
    </message>
    <message>
        <source>Temp directory %1 not found!</source>
        <translation>Cartella temporanea %1 non trovata!</translation>
    </message>
    <message>
        <source>Cannot read the temp directory %1: %2.</source>
        <translation>Impossibile leggere la cartella temporanea %1: %2.</translation>
    </message>
    <message>
        <source>Could not read the fake list %1.</source>
        <translation>Impossibile leggere la lista di fake %1.</translation>
    </message>
    <message>
        <source>The check could not run.</source>
        <translation>Il controllo non è stato eseguito.</translation>
    </message>
    <message>
        <source>No fake list: %1 does not exist. %2</source>
        <translation>Nessuna lista di fake: %1 non esiste. %2</translation>
    </message>
    <message>
        <source>Could not read the fake list %1: %2.</source>
        <translation>Impossibile leggere la lista di fake %1: %2.</translation>
    </message>
    <message>
        <source>aMule: %1</source>
        <translation>aMule: %1</translation>
    </message>
    <message>
        <source>No fake list: %1 does not exist. Run &apos;kestrivane-cli update&apos; or pass --fakes FILE.</source>
        <translation>Nessuna lista di fake: %1 non esiste. Esegui &apos;kestrivane-cli update&apos; o indica --fakes FILE.</translation>
    </message>
    <message>
        <source>%1 is too large to check for links (%2 bytes; at most %3 MiB are read).</source>
        <translation>%1 è troppo grande per cercarvi dei link (%2 byte; se ne leggono al massimo %3 MiB).</translation>
    </message>
    <message>
        <source>Could not read %1.</source>
        <translation>Impossibile leggere %1.</translation>
    </message>
    <message>
        <source>The link check could not run.</source>
        <translation>Il controllo dei link non è stato eseguito.</translation>
    </message>
    <message>
        <source>Cannot import %1: the file must be named pref.met (eDonkey), preferences.ini (eMule) or amule.conf (aMule).</source>
        <translation>Impossibile importare %1: il file deve chiamarsi pref.met (eDonkey), preferences.ini (eMule) o amule.conf (aMule).</translation>
    </message>
    <message>
        <source>Cannot import %1: no such file.</source>
        <translation>Impossibile importare %1: file inesistente.</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>Impossibile scrivere %1.</translation>
    </message>
    <message>
        <source>The import stored no temp directory.</source>
        <translation>L&apos;importazione non ha salvato alcuna cartella temporanea.</translation>
    </message>
    <message>
        <source>Cannot mark %1: give a .part.met name of the temp directory (001.part) or a hash of 32 hex digits.</source>
        <translation>Impossibile segnare %1: indica un nome di .part.met della cartella temporanea (001.part) o un hash di 32 cifre esadecimali.</translation>
    </message>
    <message>
        <source>No temp directory is set; use --temp-dir or import the client&apos;s preferences first.</source>
        <translation>Nessuna cartella temporanea impostata; usa --temp-dir o importa prima le preferenze del client.</translation>
    </message>
    <message>
        <source>Cannot mark %1: the file holds no ed2k hash.</source>
        <translation>Impossibile segnare %1: il file non contiene alcun hash ed2k.</translation>
    </message>
    <message>
        <source>Cannot mark %1: no such .part.met in %2.</source>
        <translation>Impossibile segnare %1: nessun .part.met simile in %2.</translation>
    </message>
    <message>
        <source>The own list could not be written.</source>
        <translation>Impossibile scrivere la lista personale.</translation>
    </message>
    <message>
        <source>Another Kestrivane (%1, pid %2) is writing in %3; try again when it has finished.</source>
        <translation>Un altro Kestrivane (%1, pid %2) sta scrivendo in %3; riprova quando ha finito.</translation>
    </message>
    <message>
        <source>Another Kestrivane (pid %1) is writing in %2; try again when it has finished.</source>
        <translation>Un altro Kestrivane (pid %1) sta scrivendo in %2; riprova quando ha finito.</translation>
    </message>
    <message>
        <source>Another Kestrivane is writing in %1; try again when it has finished.</source>
        <translation>Un altro Kestrivane sta scrivendo in %1; riprova quando ha finito.</translation>
    </message>
    <message>
        <source>Warning: no fake list: %1 does not exist, so only names, part hashes and the bytes already downloaded were checked. %2</source>
        <translation>Attenzione: nessuna lista di fake: %1 non esiste, quindi sono stati controllati solo i nomi, gli hash delle parti e i byte già scaricati. %2</translation>
    </message>
    <message>
        <source>Marked as fake in MYFAKES.DAT: %1</source>
        <translation>Segnato come fake in MYFAKES.DAT: %1</translation>
    </message>
    <message>
        <source>Removed from MYFAKES.DAT: %1</source>
        <translation>Rimosso da MYFAKES.DAT: %1</translation>
    </message>
    <message>
        <source>Recorded as not a fake in MYFAKES.DAT: %1</source>
        <translation>Registrato come non fake in MYFAKES.DAT: %1</translation>
    </message>
    <message>
        <source>Your own list MYFAKES.DAT does not name %1.</source>
        <translation>La tua lista MYFAKES.DAT non contiene %1.</translation>
    </message>
    <message>
        <source>Finished! Found %1 part.met-File with Text &apos;%2&apos;</source>
        <translation>Finito! Trovati %1 file part.met con il testo &apos;%2&apos;</translation>
    </message>
    <message>
        <source>New FAKE-DB - Version %1 available! Please download it now...</source>
        <translation>Nuova FAKE-DB - versione %1 disponibile! Scaricala ora...</translation>
    </message>
    <message>
        <source>Not updated: fake list source %1 (the other sources were updated or are current).</source>
        <translation>Non aggiornata: fonte %1 della lista di fake (le altre fonti sono state aggiornate o sono attuali).</translation>
    </message>
    <message>
        <source>Download finished! New %1 written...</source>
        <translation>Download completato! Nuovo %1 scritto...</translation>
    </message>
    <message>
        <source>Could not connect to the internet</source>
        <translation>Impossibile connettersi a Internet</translation>
    </message>
    <message>
        <source>Could not open file %1.</source>
        <translation>Impossibile aprire il file %1.</translation>
    </message>
    <message>
        <source>Download of %1 was interrupted.</source>
        <translation>Il download di %1 è stato interrotto.</translation>
    </message>
    <message>
        <source>File actually not available: %1</source>
        <translation>File attualmente non disponibile: %1</translation>
    </message>
    <message>
        <source>Could not write file %1.</source>
        <translation>Impossibile scrivere il file %1.</translation>
    </message>
    <message>
        <source>The fake list at %1 has not changed since the last download.</source>
        <translation>La lista di fake su %1 non è cambiata dall&apos;ultimo download.</translation>
    </message>
    <message>
        <source>--exec: %1 ended with status %2.</source>
        <translation>--exec: %1 è terminato con lo stato %2.</translation>
    </message>
    <message>
        <source>--exec: %1 was ended by signal %2.</source>
        <translation>--exec: %1 è stato terminato dal segnale %2.</translation>
    </message>
    <message>
        <source>--exec: %1 ended.</source>
        <translation>--exec: %1 è terminato.</translation>
    </message>
    <message>
        <source>The directory %1 is gone; watching for it to come back.</source>
        <translation>La cartella %1 è scomparsa; si attende che ritorni.</translation>
    </message>
    <message>
        <source>--exec: too many findings waiting for %1; some are not run.</source>
        <translation>--exec: troppi risultati in attesa di %1; alcuni non vengono eseguiti.</translation>
    </message>
    <message>
        <source>--exec: %1 ran longer than %2 s and is ended.</source>
        <translation>--exec: %1 è durato più di %2 s e viene terminato.</translation>
    </message>
    <message>
        <source>--exec: could not start %1.</source>
        <translation>--exec: impossibile avviare %1.</translation>
    </message>
    <message>
        <source>--exec: %1 findings not handed on.</source>
        <translation>--exec: %1 risultati non trasmessi.</translation>
    </message>
    <message>
        <source>Cannot watch for changes: %1</source>
        <translation>Impossibile sorvegliare le modifiche: %1</translation>
    </message>
    <message>
        <source>The directory %1 is not there; watching for it to appear.</source>
        <translation>La cartella %1 non esiste; si attende che compaia.</translation>
    </message>
    <message>
        <source>Replaced: %1; watching the new one.</source>
        <translation>Sostituito: %1; si sorveglia il nuovo.</translation>
    </message>
    <message>
        <source>Watching %1 again.</source>
        <translation>Sorveglio di nuovo %1.</translation>
    </message>
    <message>
        <source>aMule&apos;s External Connections password: </source>
        <translation>Password delle External Connections di aMule: </translation>
    </message>
    <message>
        <source>Not a host or host:port: %1</source>
        <translation>Non è un host né host:porta: %1</translation>
    </message>
    <message>
        <source>The password is empty.</source>
        <translation>La password è vuota.</translation>
    </message>
    <message>
        <source>No password on the standard input.</source>
        <translation>Nessuna password sull&apos;input standard.</translation>
    </message>
    <message>
        <source>No password: pass --password-stdin and give it on the standard input.</source>
        <translation>Nessuna password: passa --password-stdin e forniscila sull&apos;input standard.</translation>
    </message>
    <message>
        <source>No amule.conf found: pass HOST[:PORT], or import aMule&apos;s amule.conf first (kestrivane-cli import FILE).</source>
        <translation>Nessun amule.conf trovato: indica HOST[:PORT] o importa prima l&apos;amule.conf di aMule (kestrivane-cli import FILE).</translation>
    </message>
    <message>
        <source>aMule does not accept External Connections (AcceptExternalConnections in %1): turn on remote controls in aMule&apos;s preferences, or pass HOST[:PORT].</source>
        <translation>aMule non accetta External Connections (AcceptExternalConnections in %1): attiva il controllo remoto nelle preferenze di aMule o indica HOST[:PORT].</translation>
    </message>
    <message>
        <source>aMule has no External Connections password set (ECPassword in %1).</source>
        <translation>aMule non ha una password per le External Connections (ECPassword in %1).</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>In pausa: %1</translation>
    </message>
    <message>
        <source>Resumed: %1</source>
        <translation>Ripreso: %1</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Fermato: %1</translation>
    </message>
    <message>
        <source>Cancelled: %1</source>
        <translation>Annullato: %1</translation>
    </message>
    <message>
        <source>Could not resume %1: %2</source>
        <translation>Impossibile riprendere %1: %2</translation>
    </message>
    <message>
        <source>Could not stop %1: %2</source>
        <translation>Impossibile fermare %1: %2</translation>
    </message>
    <message>
        <source>Could not cancel %1: %2</source>
        <translation>Impossibile annullare %1: %2</translation>
    </message>
    <message>
        <source>aMule has no download %1.</source>
        <translation>aMule non ha alcun download %1.</translation>
    </message>
    <message>
        <source>Cancelling deletes the downloads in aMule: pass --yes to confirm.</source>
        <translation>Annullare elimina i download in aMule: passa --yes per confermare.</translation>
    </message>
    <message>
        <source>Cancel this download in aMule and delete what has arrived? [y/N] </source>
        <translation>Annullare questo download in aMule ed eliminare quanto arrivato? [y/N] </translation>
    </message>
    <message>
        <source>Cancel %1 downloads in aMule and delete what has arrived? [y/N] </source>
        <translation>Annullare %1 download in aMule ed eliminare quanto arrivato? [y/N] </translation>
    </message>
    <message>
        <source>Nothing cancelled.</source>
        <translation>Nulla annullato.</translation>
    </message>
    <message>
        <source>%1 (%2). Nothing stored.</source>
        <translation>%1 (%2). Nulla salvato.</translation>
    </message>
    <message>
        <source>Connected, but could not write %1.</source>
        <translation>Connesso, ma impossibile scrivere %1.</translation>
    </message>
    <message>
        <source>(version not given)</source>
        <translation>(versione non indicata)</translation>
    </message>
    <message>
        <source>Connected to aMule %1 at %2; stored in %3.</source>
        <translation>Connesso ad aMule %1 su %2; salvato in %3.</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;; did you mean &apos;%2&apos;? (&apos;kestrivane-cli --help&apos; lists the commands)</source>
        <translation>Comando sconosciuto &apos;%1&apos;; intendevi &apos;%2&apos;? (&apos;kestrivane-cli --help&apos; elenca i comandi)</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos; (&apos;kestrivane-cli --help&apos; lists the commands)</source>
        <translation>Comando sconosciuto &apos;%1&apos; (&apos;kestrivane-cli --help&apos; elenca i comandi)</translation>
    </message>
    <message>
        <source>Reading links from the keyboard: paste them, then press Ctrl+D (or give a FILE).</source>
        <translation>Lettura dei link dalla tastiera: incollali, poi premi Ctrl+D (o indica un FILE).</translation>
    </message>
    <message>
        <source>No directory for the settings: HOME is not set. Pass --home DIR or set KESTRIVANE_HOME.</source>
        <translation>Nessuna cartella per le impostazioni: HOME non è impostato. Indica --home DIR o imposta KESTRIVANE_HOME.</translation>
    </message>
    <message>
        <source>Cannot create the directory %1. Pass --home DIR.</source>
        <translation>Impossibile creare la cartella %1. Indica --home DIR.</translation>
    </message>
    <message>
        <source>Partname	Filename	Error-Description</source>
        <translation>Nome del part	Nome del file	Descrizione dell&apos;errore</translation>
    </message>
    <message>
        <source>Line	Filename	Error-Description</source>
        <translation>Riga	Nome del file	Descrizione dell&apos;errore</translation>
    </message>
    <message>
        <source>There is no public fake list; to get one, mark fakes yourself (&apos;kestrivane-cli mark&apos;), use a group&apos;s address (&apos;kestrivane-cli update --url URL&apos;) or pass a list file (--fakes FILE).</source>
        <translation>Non esiste una lista di fake pubblica; per averne una, segna tu stesso i fake (&apos;kestrivane-cli mark&apos;), usa l&apos;indirizzo di un gruppo (&apos;kestrivane-cli update --url URL&apos;) o indica un file di lista (--fakes FILE).</translation>
    </message>
    <message>
        <source>No update address is set. There is no public fake list; the content check works without one. To get a list, mark fakes yourself (&apos;kestrivane-cli mark&apos;), use a group&apos;s address (&apos;kestrivane-cli update --url URL&apos;) or pass a list file (--fakes FILE).</source>
        <translation>Nessun indirizzo di aggiornamento impostato. Non esiste una lista di fake pubblica; il controllo del contenuto funziona anche senza. Per avere una lista, segna tu stesso i fake (&apos;kestrivane-cli mark&apos;), usa l&apos;indirizzo di un gruppo (&apos;kestrivane-cli update --url URL&apos;) o indica un file di lista (--fakes FILE).</translation>
    </message>
    <message>
        <source>No aMule connection stored: run &apos;kestrivane-cli amule connect&apos; first.</source>
        <translation>Nessuna connessione ad aMule salvata: esegui prima &apos;kestrivane-cli amule connect&apos;.</translation>
    </message>
    <message>
        <source>No fake list loaded: the links were checked by their names and part hashes only.</source>
        <translation>Nessuna lista di fake caricata: i link sono stati controllati solo in base a nomi e hash delle parti.</translation>
    </message>
    <message>
        <source>Your own fake list MYFAKES.DAT holds no record yet.</source>
        <translation>La tua lista di fake MYFAKES.DAT non contiene ancora alcun record.</translation>
    </message>
    <message>
        <source>Please wait, version check is running...</source>
        <translation>Attendere, controllo della versione in corso...</translation>
    </message>
    <message>
        <source>You already have the newest FAKE-DB...</source>
        <translation>Hai già la FAKE-DB più recente...</translation>
    </message>
    <message>
        <source>Opening URL...</source>
        <translation>Apertura URL...</translation>
    </message>
    <message>
        <source>Proxy Authentication is not implemented yet</source>
        <translation>L&apos;autenticazione proxy non è ancora supportata</translation>
    </message>
    <message>
        <source>Online-Check/Download not available!</source>
        <translation>Controllo/download online non disponibile!</translation>
    </message>
    <message>
        <source>The choosen URL is temporary not available. Please try later!</source>
        <translation>L&apos;URL scelto è temporaneamente non disponibile. Riprovare più tardi!</translation>
    </message>
    <message>
        <source>Fake list not used</source>
        <translation>Lista di fake non usata</translation>
    </message>
    <message>
        <source>Warning: %1 is empty; no download can be found as a fake with it.</source>
        <translation>Attenzione: %1 è vuota; con essa nessun download può essere riconosciuto come fake.</translation>
    </message>
    <message>
        <source>Warning: %1 is a UTF-16 text, not a list of lines in single bytes; no download can be found as a fake with it.</source>
        <translation>Attenzione: %1 è un testo UTF-16, non una lista di righe in byte singoli; con essa nessun download può essere riconosciuto come fake.</translation>
    </message>
    <message>
        <source>Warning: %1 holds no fake list record (is it a list at all?); no download can be found as a fake with it.</source>
        <translation>Attenzione: %1 non contiene alcuna voce di lista di fake (è davvero una lista?); con essa nessun download può essere riconosciuto come fake.</translation>
    </message>
    <message>
        <source>%1 is the client&apos;s settings directory, not its temp directory; the downloads are in %2 (pass --temp-dir %2, or run &apos;kestrivane-cli import --detect&apos;).</source>
        <translation>%1 è la cartella delle impostazioni del client, non la sua cartella temporanea; i download sono in %2 (indicare --temp-dir %2 o eseguire &apos;kestrivane-cli import --detect&apos;).</translation>
    </message>
    <message>
        <source>%1 %2: not an http:// or https:// address.</source>
        <translation>%1 %2: non è un indirizzo http:// o https://.</translation>
    </message>
    <message>
        <source>No program site is set, so nothing was asked. Set the site you get Kestrivane from with &apos;kestrivane-cli update --program --site URL&apos;.</source>
        <translation>Nessun sito del programma è impostato, quindi non è stato chiesto nulla. Impostare il sito da cui si ottiene Kestrivane con &apos;kestrivane-cli update --program --site URL&apos;.</translation>
    </message>
    <message>
        <source>You have the newest Kestrivane (%1).</source>
        <translation>Avete il Kestrivane più recente (%1).</translation>
    </message>
    <message>
        <source>Kestrivane %1 is out: %2</source>
        <translation>È uscito Kestrivane %1: %2</translation>
    </message>
    <message>
        <source>Kestrivane %1 is out: see %2</source>
        <translation>È uscito Kestrivane %1: vedere %2</translation>
    </message>
    <message>
        <source>Cannot import %1: the file names no temp directory.</source>
        <translation>Impossibile importare %1: il file non indica alcuna cartella temporanea.</translation>
    </message>
    <message>
        <source>Imported the temp directory %1 from %2&apos;s %3; it is stored in Kestrivane.ini.</source>
        <translation>Cartella temporanea %1 importata dal file %3 di %2; è salvata in Kestrivane.ini.</translation>
    </message>
    <message>
        <source>Exit status: see &apos;kestrivane-cli --help&apos;.</source>
        <translation>Codice di uscita: vedere &apos;kestrivane-cli --help&apos;.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;; did you mean &apos;%2&apos;? (&apos;%3&apos; lists the options)</source>
        <translation>Opzione sconosciuta &apos;%1&apos;; forse intendeva &apos;%2&apos;? (&apos;%3&apos; elenca le opzioni)</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos; (&apos;%2&apos; lists the options)</source>
        <translation>Opzione sconosciuta &apos;%1&apos; (&apos;%2&apos; elenca le opzioni)</translation>
    </message>
    <message>
        <source>%1 is required.</source>
        <translation>%1 è obbligatorio.</translation>
    </message>
    <message>
        <source>A command is required.</source>
        <translation>È necessario un comando.</translation>
    </message>
    <message>
        <source>%1 cannot be used together with %2.</source>
        <translation>%1 non può essere usato insieme a %2.</translation>
    </message>
    <message>
        <source>%1 needs %2 too.</source>
        <translation>%1 richiede anche %2.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 richiede un valore.</translation>
    </message>
    <message>
        <source>Not expected here: %1</source>
        <translation>Non previsto qui: %1</translation>
    </message>
    <message>
        <source>A value was not accepted: %1</source>
        <translation>Un valore non è stato accettato: %1</translation>
    </message>
    <message>
        <source>The command line was not understood: %1</source>
        <translation>La riga di comando non è stata capita: %1</translation>
    </message>
    <message>
        <source>Run with --help for more information.</source>
        <translation>Eseguire con --help per maggiori informazioni.</translation>
    </message>
    <message>
        <source>%1 %2: not a directory.</source>
        <translation>%1 %2: non è una cartella.</translation>
    </message>
    <message>
        <source>%1 %2: no such directory.</source>
        <translation>%1 %2: cartella inesistente.</translation>
    </message>
</context>
</TS>
