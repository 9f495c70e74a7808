<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Cli</name>
    <message>
        <source>Act in aMule over its External Connections (amuled, the remote GUI&apos;s daemon, on this machine or another)</source>
        <translation>Agire in aMule tramite le sue External Connections (amuled, il demone dell&apos;interfaccia remota, su questa macchina o su un&apos;altra)</translation>
    </message>
    <message>
        <source>Log in to aMule and store the connection (host, port, the password&apos;s MD5) for the other amule commands; prints the aMule version reached</source>
        <translation>Accedere ad aMule e memorizzare la connessione (host, porta, MD5 della password) per gli altri comandi amule; stampa la versione di aMule raggiunta</translation>
    </message>
    <message>
        <source>Where aMule listens (port default 4712); none: the EC settings of the imported or detected amule.conf, no password asked</source>
        <translation>Dove ascolta aMule (porta 4712 predefinita); senza valore: le impostazioni EC dell&apos;amule.conf importato o trovato, senza chiedere la password</translation>
    </message>
    <message>
        <source>Read the password from the first line of the standard input</source>
        <translation>Leggere la password dalla prima riga dello standard input</translation>
    </message>
    <message>
        <source>Pause downloads in aMule (undone with resume)</source>
        <translation>Mettere in pausa download in aMule (annullabile con resume)</translation>
    </message>
    <message>
        <source>Resume paused or stopped downloads in aMule</source>
        <translation>Riprendere in aMule download in pausa o fermati</translation>
    </message>
    <message>
        <source>Stop downloads in aMule (they keep their place but ask no sources)</source>
        <translation>Fermare download in aMule (mantengono il loro posto ma non chiedono fonti)</translation>
    </message>
    <message>
        <source>Cancel downloads in aMule: deletes what has arrived and lists the hash in aMule&apos;s canceled.met; asks first on a terminal</source>
        <translation>Annullare download in aMule: cancella ciò che è arrivato e registra l&apos;hash nel canceled.met di aMule; chiede prima su un terminale</translation>
    </message>
    <message>
        <source>A download by its part file (001, 001.part) or its ed2k hash</source>
        <translation>Un download indicato dal suo file part (001, 001.part) o dal suo hash ed2k</translation>
    </message>
    <message>
        <source>Do not ask (for scripts)</source>
        <translation>Non chiedere (per gli script)</translation>
    </message>
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
        <source>%1 (%2). Check that aMule runs there and accepts External Connections, or run &apos;kestrivane-cli amule connect&apos; again.</source>
        <translation>%1 (%2). Verifica che aMule sia in esecuzione lì e accetti le External Connections, oppure esegui di nuovo &apos;kestrivane-cli amule connect&apos;.</translation>
    </message>
    <message>
        <source>Cannot mark %1: aMule at %2 has no such download.</source>
        <translation>Impossibile contrassegnare %1: aMule su %2 non ha questo download.</translation>
    </message>
    <message>
        <source>Cannot mark %1: no temp directory here, and aMule could not be asked: %2. Run &apos;kestrivane-cli amule connect&apos;, or use --temp-dir.</source>
        <translation>Impossibile contrassegnare %1: qui non c&apos;è una directory temporanea e non è stato possibile chiedere ad aMule: %2. Esegui &apos;kestrivane-cli amule connect&apos; oppure usa --temp-dir.</translation>
    </message>
    <message>
        <source>Warning: no fake list: %1 does not exist, so only the names were checked. %2</source>
        <translation>Attenzione: nessuna lista di fake: %1 non esiste, quindi sono stati controllati solo i nomi. %2</translation>
    </message>
    <message>
        <source>Not inspected: %1 downloads, whose data is on the aMule machine and not readable here. Run Kestrivane on that machine, beside aMule, to inspect them.</source>
        <translation>Non esaminati: %1 download, i cui dati sono sulla macchina di aMule e non leggibili qui. Avvia Kestrivane su quella macchina, accanto ad aMule, per esaminarli.</translation>
    </message>
    <message>
        <source>Could not pause %1 in aMule yet: %2. It is paused once aMule answers.</source>
        <translation>Non è ancora stato possibile mettere in pausa %1 in aMule: %2. Verrà messo in pausa non appena aMule risponde.</translation>
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
    <message>
        <source>Usage</source>
        <translation>Uso</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPZIONI</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <translation>OBBLIGATORIO</translation>
    </message>
    <message>
        <source>Needs</source>
        <translation>Richiede</translation>
    </message>
    <message>
        <source>Excludes</source>
        <translation>Esclude</translation>
    </message>
    <message>
        <source>Positionals</source>
        <translation>Argomenti</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>Mostrare questo aiuto e uscire</translation>
    </message>
    <message>
        <source>List the downloads that are known fakes or whose name or first bytes give them away</source>
        <translation>Elencare i download che sono fake noti o che il nome o i primi byte tradiscono</translation>
    </message>
    <message>
        <source>The client&apos;s temp directory instead of the settings</source>
        <translation>La cartella temporanea del client invece di quella delle impostazioni</translation>
    </message>
    <message>
        <source>Fake list to use instead of FAKES.DAT</source>
        <translation>Lista di fake da usare invece di FAKES.DAT</translation>
    </message>
    <message>
        <source>List every download, fakes and OK ones (the default, unless ShowAllPartMet=NO in Kestrivane.ini)</source>
        <translation>Elencare ogni download, fake e corretti (l&apos;impostazione predefinita, salvo ShowAllPartMet=NO in Kestrivane.ini)</translation>
    </message>
    <message>
        <source>List the fakes and suspects only</source>
        <translation>Elencare solo i fake e i sospetti</translation>
    </message>
    <message>
        <source>Print the ed2k link of every listed download</source>
        <translation>Stampare il link ed2k di ogni download elencato</translation>
    </message>
    <message>
        <source>Print every link as an HTML anchor</source>
        <translation>Stampare ogni link come ancora HTML</translation>
    </message>
    <message>
        <source>Print the listed downloads as a JSON array</source>
        <translation>Stampare i download elencati come array JSON</translation>
    </message>
    <message>
        <source>Do not look at names, part hashes and the bytes already downloaded for suspects</source>
        <translation>Non esaminare nomi, hash delle parti e byte già scaricati alla ricerca di sospetti</translation>
    </message>
    <message>
        <source>Update the fake list first</source>
        <translation>Aggiornare prima la lista di fake</translation>
    </message>
    <message>
        <source>Leave out the two head rows</source>
        <translation>Omettere le due righe di intestazione</translation>
    </message>
    <message>
        <source>Check the downloads aMule reports (see &apos;amule connect&apos;) instead of the temp directory&apos;s .part.met files</source>
        <translation>Controllare i download che aMule riporta (vedere &apos;amule connect&apos;) invece dei file .part.met della cartella temporanea</translation>
    </message>
    <message>
        <source>With --amule: pause every listed fake and suspect in aMule</source>
        <translation>Con --amule: mettere in pausa in aMule ogni fake e sospetto elencato</translation>
    </message>
    <message>
        <source>Fetch a newer fake list from the update address</source>
        <translation>Scaricare una lista di fake più recente dall&apos;indirizzo di aggiornamento</translation>
    </message>
    <message>
        <source>Update address to use (http:// or https://); stored as the update address once the update worked</source>
        <translation>Indirizzo di aggiornamento da usare (http:// o https://); salvato come indirizzo di aggiornamento quando l&apos;aggiornamento è riuscito</translation>
    </message>
    <message>
        <source>Look for a newer Kestrivane at the program&apos;s site instead (exit status 1 when there is one); nothing is installed</source>
        <translation>Cercare invece un Kestrivane più recente sul sito del programma (codice di uscita 1 se c&apos;è); non si installa nulla</translation>
    </message>
    <message>
        <source>With --program: the program&apos;s site to use; stored once the check worked (none is set at first)</source>
        <translation>Con --program: il sito del programma da usare; salvato quando il controllo è riuscito (all&apos;inizio non ce n&apos;è)</translation>
    </message>
    <message>
        <source>Store the client&apos;s temp directory, read from its pref.met, preferences.ini or amule.conf</source>
        <translation>Salvare la cartella temporanea del client, letta dal suo pref.met, preferences.ini o amule.conf</translation>
    </message>
    <message>
        <source>The client&apos;s preference file</source>
        <translation>Il file delle impostazioni del client</translation>
    </message>
    <message>
        <source>Look for ~/.aMule/amule.conf and eMule&apos;s or eDonkey&apos;s files under Wine (~/.wine, $WINEPREFIX); import the first that names a temp directory</source>
        <translation>Cercare ~/.aMule/amule.conf e i file di eMule o eDonkey sotto Wine (~/.wine, $WINEPREFIX); importare il primo che indica una cartella temporanea</translation>
    </message>
    <message>
        <source>List the downloads whose .met file holds a text</source>
        <translation>Elencare i download il cui file .met contiene un testo</translation>
    </message>
    <message>
        <source>Print the hits as a JSON array</source>
        <translation>Stampare i risultati come array JSON</translation>
    </message>
    <message>
        <source>Text to look for (letters without regard to case)</source>
        <translation>Testo da cercare (lettere senza distinguere maiuscole e minuscole)</translation>
    </message>
    <message>
        <source>Stay running; re-check a .part.met or a list when it changes and report each new fake once (SIGHUP reads the settings and lists again)</source>
        <translation>Restare attivo; ricontrollare un .part.met o una lista quando cambia e segnalare ogni nuovo fake una volta (SIGHUP rilegge impostazioni e liste)</translation>
    </message>
    <message>
        <source>One JSON object per line for each finding</source>
        <translation>Un oggetto JSON per riga per ogni risultato</translation>
    </message>
    <message>
        <source>Act in the aMule of &apos;amule connect&apos; (with --pause-fakes)</source>
        <translation>Agire nell&apos;aMule di &apos;amule connect&apos; (con --pause-fakes)</translation>
    </message>
    <message>
        <source>With --amule: pause each new fake and suspect in aMule</source>
        <translation>Con --amule: mettere in pausa in aMule ogni nuovo fake e sospetto</translation>
    </message>
    <message>
        <source>Run CMD for each finding (split like a shell would, never run by one); the finding is in KV_PART, KV_NAME, KV_SIZE, KV_HASH, KV_KIND, KV_DESCRIPTION, KV_LINK, KV_TEMP_DIR; its output goes to standard error; one runs at a time</source>
        <translation>Eseguire CMD per ogni risultato (diviso come farebbe una shell, mai eseguito da una); il risultato è in KV_PART, KV_NAME, KV_SIZE, KV_HASH, KV_KIND, KV_DESCRIPTION, KV_LINK, KV_TEMP_DIR; il suo output va sullo standard error; uno alla volta</translation>
    </message>
    <message>
        <source>End a command of --exec that runs longer than this (default 60)</source>
        <translation>Terminare un comando di --exec che dura di più (predefinito 60)</translation>
    </message>
    <message>
        <source>Add a download to your own fake list MYFAKES.DAT</source>
        <translation>Aggiungere un download alla propria lista di fake MYFAKES.DAT</translation>
    </message>
    <message>
        <source>A .part.met of the temp directory (001.part) or an ed2k hash</source>
        <translation>Un .part.met della cartella temporanea (001.part) o un hash ed2k</translation>
    </message>
    <message>
        <source>Why it is a fake (the list line&apos;s description)</source>
        <translation>Perché è un fake (la descrizione della riga della lista)</translation>
    </message>
    <message>
        <source>The file size, for a HASH</source>
        <translation>La dimensione del file, per un HASH</translation>
    </message>
    <message>
        <source>Record in MYFAKES.DAT that a download is not a fake, whatever a list, a client or the inspection says</source>
        <translation>Annotare in MYFAKES.DAT che un download non è un fake, qualunque cosa dicano una lista, un client o l&apos;esame</translation>
    </message>
    <message>
        <source>Why it is not a fake</source>
        <translation>Perché non è un fake</translation>
    </message>
    <message>
        <source>Remove a download from your own fake list MYFAKES.DAT</source>
        <translation>Togliere un download dalla propria lista di fake MYFAKES.DAT</translation>
    </message>
    <message>
        <source>A .part.met of the temp directory or an ed2k hash</source>
        <translation>Un .part.met della cartella temporanea o un hash ed2k</translation>
    </message>
    <message>
        <source>Print or write list lines (hash,size,description) of the fakes the check finds</source>
        <translation>Stampare o scrivere righe di lista (hash,dimensione,descrizione) dei fake che il controllo trova</translation>
    </message>
    <message>
        <source>Your own list MYFAKES.DAT instead</source>
        <translation>La propria lista MYFAKES.DAT invece</translation>
    </message>
    <message>
        <source>File to write (replaced whole); - or none: standard output</source>
        <translation>File da scrivere (sostituito per intero); - o nessuno: standard output</translation>
    </message>
    <message>
        <source>Check ed2k and magnet links (a text, a web page or an eMule collection) before they are downloaded</source>
        <translation>Controllare link ed2k e magnet (un testo, una pagina web o una collezione eMule) prima di scaricarli</translation>
    </message>
    <message>
        <source>File holding the links; - or none for the standard input</source>
        <translation>File con i link; - o nessuno per lo standard input</translation>
    </message>
    <message>
        <source>List every link, fakes, suspects and OK ones (the default)</source>
        <translation>Elencare ogni link, fake, sospetti e corretti (predefinito)</translation>
    </message>
    <message>
        <source>Print the ed2k link of every listed link</source>
        <translation>Stampare il link ed2k di ogni link elencato</translation>
    </message>
    <message>
        <source>Print every link as a JSON array, malformed ones too</source>
        <translation>Stampare ogni link come array JSON, anche quelli malformati</translation>
    </message>
    <message>
        <source>Checks the downloads of eDonkey, eMule and aMule against a list of known fakes.</source>
        <translation>Controlla i download di eDonkey, eMule e aMule con una lista di fake noti.</translation>
    </message>
    <message>
        <source>Print the version and exit</source>
        <translation>Mostrare la versione e uscire</translation>
    </message>
    <message>
        <source>Directory holding Kestrivane.ini and FAKES.DAT; must exist (default: $KESTRIVANE_HOME, else ~/.config/kestrivane and ~/.local/share/kestrivane when installed, the program&apos;s own directory when portable)</source>
        <translation>Cartella con Kestrivane.ini e FAKES.DAT; deve esistere (predefinito: $KESTRIVANE_HOME, altrimenti ~/.config/kestrivane e ~/.local/share/kestrivane se installato, la cartella del programma se portatile)</translation>
    </message>
    <message>
        <source>Print errors only (the check&apos;s rows and the search hits still go to stdout)</source>
        <translation>Stampare solo gli errori (le righe del controllo e i risultati della ricerca vanno comunque su stdout)</translation>
    </message>
    <message>
        <source>Exit status: 0 no fake or suspect found / search hits / list or program current or list updated / watch
ended by SIGINT or SIGTERM; 1 fakes or suspects found / no search hit / a newer program; 2 the command
could not run (a fake list that cannot be read, no list at all with --no-inspect, no temp directory or one
that cannot be read, no update address or a failed update, a file that could not be written, no aMule
connection, usage error); 3 check --update: the update failed, the local list still found fakes or suspects.</source>
        <translation>Codice di uscita: 0 nessun fake o sospetto trovato / risultati di ricerca / lista o programma aggiornati o
lista aggiornata / watch terminato da SIGINT o SIGTERM; 1 fake o sospetti trovati / nessun risultato / un
programma più recente; 2 il comando non ha potuto girare (una lista di fake illeggibile, nessuna lista con
--no-inspect, nessuna cartella temporanea o una illeggibile, nessun indirizzo di aggiornamento o un
aggiornamento fallito, un file non scrivibile, nessuna connessione ad aMule, errore d&apos;uso); 3 check --update:
l&apos;aggiornamento è fallito, la lista locale ha comunque trovato fake o sospetti.</translation>
    </message>
    <message>
        <source>Subcommands</source>
        <translation>Comandi</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permesso negato</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>File o cartella inesistente</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Non è una cartella</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Errore di input/output</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Troppi livelli di collegamenti simbolici</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>it is a FIFO, not a regular file</source>
        <translation>è una FIFO, non un file normale</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>it is larger than 4 GiB</source>
        <translation>è più grande di 4 GiB</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>non può essere letta</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>è vuota</translation>
    </message>
    <message>
        <source>With --amule: pause each fake, record it in MYFAKES.DAT and cancel it whenever it comes back under any name</source>
        <translation>Con --amule: mettere in pausa ogni fake, annotarlo in MYFAKES.DAT e annullarlo ogni volta che ritorna, con qualsiasi nome</translation>
    </message>
    <message>
        <source>With --guard: cancel each fake rather than pausing it</source>
        <translation>Con --guard: annullare ogni fake invece di metterlo in pausa</translation>
    </message>
    <message>
        <source>With --guard: suspects too, not only what a list or you marked</source>
        <translation>Con --guard: anche i sospetti, non solo ciò che una lista o lei ha segnato</translation>
    </message>
    <message>
        <source>Cancelled in aMule: %1</source>
        <translation>Annullato in aMule: %1</translation>
    </message>
    <message>
        <source>Cancelled in aMule, it came back: %1</source>
        <translation>Annullato in aMule, è tornato: %1</translation>
    </message>
    <message>
        <source>Cancelled in aMule, it came back: %1 (seen before as %2)</source>
        <translation>Annullato in aMule, è tornato: %1 (visto prima come %2)</translation>
    </message>
    <message>
        <source>aMule refused to act on %1: %2</source>
        <translation>aMule ha rifiutato di agire su %1: %2</translation>
    </message>
    <message>
        <source>Could not record %1 in MYFAKES.DAT: %2</source>
        <translation>Impossibile annotare %1 in MYFAKES.DAT: %2</translation>
    </message>
    <message>
        <source>aMule does not answer (%1); the watch goes on and acts once it does.</source>
        <translation>aMule non risponde (%1); la sorveglianza continua e agisce appena risponde.</translation>
    </message>
    <message>
        <source>aMule answers again at %1.</source>
        <translation>aMule risponde di nuovo a %1.</translation>
    </message>
    <message>
        <source>Watching the aMule queue at %1; new downloads are checked within %2 s (Ctrl+C ends, SIGHUP reads the lists again)</source>
        <translation>Sorveglio la coda di aMule a %1; i nuovi download sono controllati entro %2 s (Ctrl+C termina, SIGHUP rilegge le liste)</translation>
    </message>
    <message>
        <source>The temp directory is not readable here: downloads are judged by name, the lists and what aMule says.</source>
        <translation>La cartella temporanea non è leggibile qui: i download sono giudicati dal nome, dalle liste e da ciò che dice aMule.</translation>
    </message>
    <message>
        <source>POST each finding and each action of the guard to URL as JSON (hash, name, size, verdict, reasons, action, time); never holds up the watch</source>
        <translation>Inviare ogni rilevamento e ogni azione della guardia a URL come JSON (POST: hash, name, size, verdict, reasons, action, time); non trattiene mai la sorveglianza</translation>
    </message>
    <message>
        <source>Could not post the notice of %1 to --notify-url: %2</source>
        <translation>Impossibile inviare l&apos;avviso di %1 a --notify-url: %2</translation>
    </message>
    <message>
        <source>Watch the downloads and show the findings as a web page and a JSON API (on this machine only, unless --listen says otherwise)</source>
        <translation>Sorvegliare i download e mostrare i risultati come pagina web e API JSON (solo su questa macchina, salvo diversa indicazione di --listen)</translation>
    </message>
    <message>
        <source>Address and port to listen on (default 127.0.0.1:4719; 0.0.0.0:PORT for every network)</source>
        <translation>Indirizzo e porta su cui ascoltare (predefinito 127.0.0.1:4719; 0.0.0.0:PORTA per tutte le reti)</translation>
    </message>
    <message>
        <source>File holding the access token (default: serve-token beside the lists; made when missing, readable by you only)</source>
        <translation>File con il token di accesso (predefinito: serve-token accanto alle liste; creato se manca, leggibile solo da lei)</translation>
    </message>
    <message>
        <source>A name the page may be opened by besides this machine&apos;s own name and addresses (repeatable)</source>
        <translation>Un nome con cui la pagina può essere aperta, oltre al nome e agli indirizzi di questa macchina (ripetibile)</translation>
    </message>
    <message>
        <source>--listen %1: not an address and port (such as 127.0.0.1:4719).</source>
        <translation>--listen %1: non è un indirizzo con porta (come 127.0.0.1:4719).</translation>
    </message>
    <message>
        <source>Serving the page; open this address (it holds the access token):</source>
        <translation>La pagina è servita; apra questo indirizzo (contiene il token di accesso):</translation>
    </message>
    <message>
        <source>Another &apos;%1&apos; (process %2) serves %3 already.</source>
        <translation>Un altro &apos;%1&apos; (processo %2) serve già %3.</translation>
    </message>
    <message>
        <source>Cannot read or make the token file %1: %2</source>
        <translation>Impossibile leggere o creare il file del token %1: %2</translation>
    </message>
    <message>
        <source>Cannot listen on %1: %2</source>
        <translation>Impossibile ascoltare su %1: %2</translation>
    </message>
    <message>
        <source>Paused in eMule: %1</source>
        <translation>Messo in pausa in eMule: %1</translation>
    </message>
    <message>
        <source>--pause-fakes needs --amule or --emule.</source>
        <translation>--pause-fakes richiede --amule o --emule.</translation>
    </message>
    <message>
        <source>eMule&apos;s Web Interface password: </source>
        <translation>Password dell&apos;interfaccia web di eMule: </translation>
    </message>
    <message>
        <source>No preferences.ini of eMule found: pass HOST[:PORT], or import eMule&apos;s preferences.ini first (kestrivane-cli import FILE).</source>
        <translation>Nessun preferences.ini di eMule trovato: indicare HOST[:PORTA], o importare prima il preferences.ini di eMule (kestrivane-cli import FILE).</translation>
    </message>
    <message>
        <source>eMule&apos;s Web Interface is off (Enabled in %1): turn it on in eMule&apos;s options, Web Interface, or pass HOST[:PORT].</source>
        <translation>L&apos;interfaccia web di eMule è disattivata (Enabled in %1): attivarla nelle opzioni di eMule, Interfaccia web, o indicare HOST[:PORTA].</translation>
    </message>
    <message>
        <source>%1 (%2). Check that eMule runs there with its Web Interface on, or run &apos;kestrivane-cli emule connect&apos; again.</source>
        <translation>%1 (%2). Verificare che eMule sia in esecuzione lì con l&apos;interfaccia web attiva, o eseguire di nuovo &apos;kestrivane-cli emule connect&apos;.</translation>
    </message>
    <message>
        <source>Cancelling deletes the downloads in eMule: pass --yes to confirm.</source>
        <translation>Annullare elimina i download in eMule: passare --yes per confermare.</translation>
    </message>
    <message>
        <source>Cancel this download in eMule and delete what has arrived? [y/N] </source>
        <translation>Annullare questo download in eMule ed eliminare quanto arrivato? [y/N] </translation>
    </message>
    <message>
        <source>Cancel %1 downloads in eMule and delete what has arrived? [y/N] </source>
        <translation>Annullare %1 download in eMule ed eliminare quanto arrivato? [y/N] </translation>
    </message>
    <message>
        <source>Connected to eMule&apos;s Web Interface at %1; stored in %2.</source>
        <translation>Connesso all&apos;interfaccia web di eMule su %1; salvato in %2.</translation>
    </message>
    <message>
        <source>eMule has no download %1.</source>
        <translation>eMule non ha il download %1.</translation>
    </message>
    <message>
        <source>Act in eMule over its Web Interface (on this machine, under Wine or on another machine)</source>
        <translation>Agire in eMule tramite la sua interfaccia web (su questa macchina, sotto Wine o su un&apos;altra macchina)</translation>
    </message>
    <message>
        <source>Log in to eMule&apos;s Web Interface and store where it is and its password (readable by you only) for the other emule commands</source>
        <translation>Accedere all&apos;interfaccia web di eMule e salvarne indirizzo e password (leggibile solo da te) per gli altri comandi emule</translation>
    </message>
    <message>
        <source>Where eMule&apos;s Web Interface listens (port default 4711); none: this machine, at the port of the imported or detected preferences.ini</source>
        <translation>Dove ascolta l&apos;interfaccia web di eMule (porta predefinita 4711); nessuno: questa macchina, alla porta del preferences.ini importato o rilevato</translation>
    </message>
    <message>
        <source>Pause downloads in eMule (undone with resume)</source>
        <translation>Mettere in pausa download in eMule (annullato con resume)</translation>
    </message>
    <message>
        <source>Resume paused or stopped downloads in eMule</source>
        <translation>Riprendere in eMule download in pausa o fermati</translation>
    </message>
    <message>
        <source>Stop downloads in eMule (they keep their place but ask no sources)</source>
        <translation>Fermare download in eMule (mantengono il posto ma non chiedono fonti)</translation>
    </message>
    <message>
        <source>Cancel downloads in eMule: deletes what has arrived; asks first on a terminal</source>
        <translation>Annullare download in eMule: elimina quanto arrivato; chiede prima su un terminale</translation>
    </message>
    <message>
        <source>A download by its ed2k hash</source>
        <translation>Un download tramite il suo hash ed2k</translation>
    </message>
    <message>
        <source>Check the downloads eMule&apos;s Web Interface lists (see &apos;emule connect&apos;) instead of the temp directory&apos;s .part.met files</source>
        <translation>Controllare i download elencati dall&apos;interfaccia web di eMule (vedere &apos;emule connect&apos;) invece dei file .part.met della cartella temporanea</translation>
    </message>
    <message>
        <source>With --amule or --emule: pause every listed fake and suspect in that client</source>
        <translation>Con --amule o --emule: mettere in pausa in quel client ogni fake e sospetto elencato</translation>
    </message>
    <message>
        <source>Not inspected: %1 downloads, whose data is not readable here. Pass eMule&apos;s temp directory with --temp-dir, or run Kestrivane on the eMule machine, to inspect them.</source>
        <translation>Non ispezionati: %1 download, i cui dati non sono leggibili qui. Indicare la cartella temporanea di eMule con --temp-dir, o eseguire Kestrivane sulla macchina di eMule, per ispezionarli.</translation>
    </message>
    <message>
        <source>No eMule Web Interface stored: run &apos;kestrivane-cli emule connect&apos; first.</source>
        <translation>Nessuna interfaccia web di eMule salvata: eseguire prima &apos;kestrivane-cli emule connect&apos;.</translation>
    </message>
    <message>
        <source>Show each finding and each action of the guard as a desktop notification (the session bus&apos;s Notifications service)</source>
        <translation>Mostrare ogni rilevamento e ogni azione del guardiano come notifica del desktop (servizio Notifications del bus di sessione)</translation>
    </message>
    <message>
        <source>Show each finding as a desktop notification (the session bus&apos;s Notifications service)</source>
        <translation>Mostrare ogni rilevamento come notifica del desktop (servizio Notifications del bus di sessione)</translation>
    </message>
    <message>
        <source>Desktop notifications cannot be shown (%1); the watch goes on without them.</source>
        <translation>Le notifiche del desktop non si possono mostrare (%1); la sorveglianza continua senza di esse.</translation>
    </message>
    <message>
        <source>Kestrivane: fake paused in aMule</source>
        <translation>Kestrivane: falso messo in pausa in aMule</translation>
    </message>
    <message>
        <source>Kestrivane: suspect paused in aMule</source>
        <translation>Kestrivane: sospetto messo in pausa in aMule</translation>
    </message>
    <message>
        <source>Kestrivane: fake cancelled in aMule</source>
        <translation>Kestrivane: falso annullato in aMule</translation>
    </message>
    <message>
        <source>Kestrivane: suspect cancelled in aMule</source>
        <translation>Kestrivane: sospetto annullato in aMule</translation>
    </message>
    <message>
        <source>Kestrivane: fake came back, cancelled in aMule</source>
        <translation>Kestrivane: il falso è tornato, annullato in aMule</translation>
    </message>
    <message>
        <source>Kestrivane: fake found</source>
        <translation>Kestrivane: falso trovato</translation>
    </message>
    <message>
        <source>Kestrivane: suspect found</source>
        <translation>Kestrivane: sospetto trovato</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Sections</source>
        <translation>Sezioni</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Check links</source>
        <translation>Controlla link</translation>
    </message>
    <message>
        <source>Fake lists</source>
        <translation>Liste di fake</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Fakes and suspects</source>
        <translation>Fake e sospetti</translation>
    </message>
    <message>
        <source>Fakes</source>
        <translation>Fake</translation>
    </message>
    <message>
        <source>Suspects</source>
        <translation>Sospetti</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Controlla ora</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdetto</translation>
    </message>
    <message>
        <source>In aMule</source>
        <translation>In aMule</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Azioni</translation>
    </message>
    <message>
        <source>Paste ed2k links (one a line, or any text that holds them):</source>
        <translation>Incolla link ed2k (uno per riga, o qualsiasi testo che li contenga):</translation>
    </message>
    <message>
        <source>Check the links</source>
        <translation>Controlla i link</translation>
    </message>
    <message>
        <source>Add the clean ones to aMule</source>
        <translation>Aggiungi quelli puliti ad aMule</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Riga</translation>
    </message>
    <message>
        <source>Update the fake list</source>
        <translation>Aggiorna la lista di fake</translation>
    </message>
    <message>
        <source>Your own list</source>
        <translation>La tua lista</translation>
    </message>
    <message>
        <source>Hash</source>
        <translation>Hash</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Your own list holds no record yet.</source>
        <translation>La tua lista non contiene ancora alcuna voce.</translation>
    </message>
    <message>
        <source>Cancel the download?</source>
        <translation>Annullare il download?</translation>
    </message>
    <message>
        <source>aMule stops it and deletes what it has downloaded of it.</source>
        <translation>aMule lo ferma e cancella quanto ne ha già scaricato.</translation>
    </message>
    <message>
        <source>Cancel the download</source>
        <translation>Annulla il download</translation>
    </message>
    <message>
        <source>Keep it</source>
        <translation>Tienilo</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Il server ha risposto %1.</translation>
    </message>
    <message>
        <source>The server cannot be reached.</source>
        <translation>Il server non è raggiungibile.</translation>
    </message>
    <message>
        <source>Not logged in: open the address with the token that &apos;kestrivane-cli serve&apos; printed.</source>
        <translation>Accesso non effettuato: apri l&apos;indirizzo con il token stampato da &apos;kestrivane-cli serve&apos;.</translation>
    </message>
    <message>
        <source>No fake list is loaded and the content check is off: mark fakes or set an update address.</source>
        <translation>Nessuna lista di fake caricata e il controllo del contenuto è disattivato: segna dei fake o imposta un indirizzo di aggiornamento.</translation>
    </message>
    <message>
        <source>The fake list %1 is missing.</source>
        <translation>La lista di fake %1 manca.</translation>
    </message>
    <message>
        <source>The fake list %1 cannot be read: %2</source>
        <translation>Impossibile leggere la lista di fake %1: %2</translation>
    </message>
    <message>
        <source>No temp directory is set: import the client&apos;s settings or start serve with --temp-dir.</source>
        <translation>Nessuna cartella temporanea impostata: importa le impostazioni del client o avvia serve con --temp-dir.</translation>
    </message>
    <message>
        <source>The temp directory %1 is gone.</source>
        <translation>La cartella temporanea %1 è sparita.</translation>
    </message>
    <message>
        <source>The temp directory %1 cannot be read: %2</source>
        <translation>Impossibile leggere la cartella temporanea %1: %2</translation>
    </message>
    <message>
        <source>Something went wrong: %1</source>
        <translation>Qualcosa è andato storto: %1</translation>
    </message>
    <message>
        <source>aMule connected</source>
        <translation>aMule connesso</translation>
    </message>
    <message>
        <source>aMule lost</source>
        <translation>aMule perso</translation>
    </message>
    <message>
        <source>No aMule connection</source>
        <translation>Nessuna connessione ad aMule</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>In diretta</translation>
    </message>
    <message>
        <source>Live updates lost; trying again...</source>
        <translation>Aggiornamenti in diretta persi; nuovo tentativo...</translation>
    </message>
    <message>
        <source>Not a fake (allowed)</source>
        <translation>Non è un fake (consentito)</translation>
    </message>
    <message>
        <source>Fake</source>
        <translation>Fake</translation>
    </message>
    <message>
        <source>Suspect: %1</source>
        <translation>Sospetto: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>In download</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>In attesa</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Fermato</translation>
    </message>
    <message>
        <source>Hashing</source>
        <translation>Calcolo hash</translation>
    </message>
    <message>
        <source>Completing</source>
        <translation>Completamento</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Sources: %1</source>
        <translation>Fonti: %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Cancel...</source>
        <translation>Annulla...</translation>
    </message>
    <message>
        <source>Not a fake</source>
        <translation>Non è un fake</translation>
    </message>
    <message>
        <source>Mark as fake</source>
        <translation>Segna come fake</translation>
    </message>
    <message>
        <source>Downloads: %1, fakes: %2, suspects: %3</source>
        <translation>Download: %1, fake: %2, sospetti: %3</translation>
    </message>
    <message>
        <source>No download matches.</source>
        <translation>Nessun download corrisponde.</translation>
    </message>
    <message>
        <source>No download to show.</source>
        <translation>Nessun download da mostrare.</translation>
    </message>
    <message>
        <source>Check finished.</source>
        <translation>Controllo terminato.</translation>
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
        <source>Not a fake any more: %1</source>
        <translation>Non più un fake: %1</translation>
    </message>
    <message>
        <source>Marked as a fake: %1</source>
        <translation>Segnato come fake: %1</translation>
    </message>
    <message>
        <source>Paste one or more ed2k links first.</source>
        <translation>Incolla prima uno o più link ed2k.</translation>
    </message>
    <message>
        <source>Clean links added to aMule: %1</source>
        <translation>Link puliti aggiunti ad aMule: %1</translation>
    </message>
    <message>
        <source>Links checked: %1, fakes: %2</source>
        <translation>Link controllati: %1, fake: %2</translation>
    </message>
    <message>
        <source>Updating the fake list...</source>
        <translation>Aggiornamento della lista di fake...</translation>
    </message>
    <message>
        <source>The fake list is up to date.</source>
        <translation>La lista di fake è aggiornata.</translation>
    </message>
    <message>
        <source>Check started.</source>
        <translation>Controllo avviato.</translation>
    </message>
    <message>
        <source>Fake list</source>
        <translation>Lista di fake</translation>
    </message>
    <message>
        <source>Records loaded</source>
        <translation>Voci caricate</translation>
    </message>
    <message>
        <source>Records in your own list</source>
        <translation>Voci nella tua lista</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Why is it a fake? (kept in your own list)</source>
        <translation>Perché è un fake? (annotato nella tua lista)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Not added: %1 (%2)</source>
        <translation>Non aggiunto: %1 (%2)</translation>
    </message>
    <message>
        <source>loaded</source>
        <translation>caricata</translation>
    </message>
    <message>
        <source>not loaded</source>
        <translation>non caricata</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>mancante</translation>
    </message>
    <message>
        <source>The fake list was updated.</source>
        <translation>La lista di fake è stata aggiornata.</translation>
    </message>
    <message>
        <source>Show them all</source>
        <translation>Mostrale tutte</translation>
    </message>
    <message>
        <source>Showing %1 of %2 rows.</source>
        <translation>Mostrate %1 di %2 righe.</translation>
    </message>
</context>
</TS>
