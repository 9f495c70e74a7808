<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Messages</name>
    <message>
        <source>There is no public fake list: mark fakes yourself (right-click &gt; Mark as fake...), or set a group&apos;s address in Extras &gt; Options.</source>
        <translation>Non esiste un elenco pubblico di falsi: segnali i falsi da sé (clic destro &gt; Segna come falso...) o imposti l&apos;indirizzo di un gruppo in Extra &gt; Opzioni.</translation>
    </message>
    <message>
        <source>No site to ask for a newer Kestrivane is set: store one as KestrivaneDownloadURL in Kestrivane.ini, or run &apos;kestrivane-cli update --program --site URL&apos;.</source>
        <translation>Non è impostato alcun sito a cui chiedere un Kestrivane più recente: ne memorizzi uno come KestrivaneDownloadURL in Kestrivane.ini, oppure esegua &apos;kestrivane-cli update --program --site URL&apos;.</translation>
    </message>
    <message>
        <source>No feedback address is set: store one as FeedbackAddress in Kestrivane.ini.</source>
        <translation>Non è impostato alcun indirizzo per i commenti: ne memorizzi uno come FeedbackAddress in Kestrivane.ini.</translation>
    </message>
    <message>
        <source>Tip of the day: ALT-F (Check File), CTRL-F (Download Fakes-DB)</source>
        <translation>Suggerimento del giorno: ALT-F (controlla file), CTRL-F (scarica la Fakes-DB)</translation>
    </message>
    <message>
        <source>No FAKES-DB found. Please &apos;Update DB&apos;.</source>
        <translation>Nessuna FAKES-DB trovata. Usare &apos;Aggiorna DB&apos;.</translation>
    </message>
    <message>
        <source>Reading *.part.met and matching with FAKE-DB...</source>
        <translation>Lettura dei *.part.met e confronto con la FAKE-DB...</translation>
    </message>
    <message>
        <source>Partname</source>
        <translation>Nome del part</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nome del file</translation>
    </message>
    <message>
        <source>Error-Description</source>
        <translation>Descrizione dell&apos;errore</translation>
    </message>
    <message>
        <source>Error:<byte value="xd"/>
No &apos;[eDonkey] TempPath=&apos; or &apos;[eMule] TempDir=&apos;<byte value="xd"/>
in Kestrivane.ini found!<byte value="xd"/>
<byte value="xd"/>
Use Menu &apos;File, Open ...&apos;</source>
        <translation>Errore:<byte value="xd"/>
Nessun &apos;[eDonkey] TempPath=&apos; o &apos;[eMule] TempDir=&apos;<byte value="xd"/>
trovato in Kestrivane.ini!<byte value="xd"/>
<byte value="xd"/>
Usare il menu &apos;File, Apri ...&apos;</translation>
    </message>
    <message>
        <source>Please wait, version check is running...</source>
        <translation>Attendere, controllo della versione in corso...</translation>
    </message>
    <message>
        <source>Proxy Authentication is not implemented yet</source>
        <translation>L&apos;autenticazione proxy non è ancora supportata</translation>
    </message>
    <message>
        <source>You already have the newest FAKE-DB...</source>
        <translation>Hai già la FAKE-DB più recente...</translation>
    </message>
    <message>
        <source>You already have the newest Kestrivane-Version...</source>
        <translation>Hai già la versione più recente di Kestrivane...</translation>
    </message>
    <message>
        <source>The version record names no usable setup file.</source>
        <translation>Il record di versione non indica alcun file di installazione utilizzabile.</translation>
    </message>
    <message>
        <source>Opening URL...</source>
        <translation>Apertura URL...</translation>
    </message>
    <message>
        <source>Could not connect to the internet</source>
        <translation>Impossibile connettersi a Internet</translation>
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
        <source>Error: No &apos;temp!&apos; entry in pref.met found!</source>
        <translation>Errore: nessuna voce &apos;temp!&apos; trovata in pref.met!</translation>
    </message>
    <message>
        <source>Error: No &apos;[eMule] TempDir=&apos; in preferences.ini found!</source>
        <translation>Errore: nessun &apos;[eMule] TempDir=&apos; trovato in preferences.ini!</translation>
    </message>
    <message>
        <source>eDonkey PREF.MET successfully opened, &apos;PrefMetPath&apos; and &apos;TempPath&apos; written to KESTRIVANE.INI</source>
        <translation>PREF.MET di eDonkey aperto, &apos;PrefMetPath&apos; e &apos;TempPath&apos; scritti in KESTRIVANE.INI</translation>
    </message>
    <message>
        <source>eMule PREFERENCES.INI successfully opened, &apos;PreferencesIniPath&apos; and &apos;TempDir&apos; written to KESTRIVANE.INI</source>
        <translation>PREFERENCES.INI di eMule aperto, &apos;PreferencesIniPath&apos; e &apos;TempDir&apos; scritti in KESTRIVANE.INI</translation>
    </message>
    <message>
        <source>aMule AMULE.CONF successfully opened, &apos;PreferencesIniPath&apos; and &apos;TempDir&apos; written to KESTRIVANE.INI</source>
        <translation>AMULE.CONF di aMule aperto, &apos;PreferencesIniPath&apos; e &apos;TempDir&apos; scritti in KESTRIVANE.INI</translation>
    </message>
    <message>
        <source>Errors occurred.  Could not open link.</source>
        <translation>Si sono verificati errori. Impossibile aprire il collegamento.</translation>
    </message>
    <message>
        <source>Fake list not used</source>
        <translation>Lista di fake non usata</translation>
    </message>
    <message>
        <source>Mark as fake</source>
        <translation>Segna come fake</translation>
    </message>
    <message>
        <source>Why is this download a fake? (kept in your own list MYFAKES.DAT)</source>
        <translation>Perché questo download è un fake? (salvato nella tua lista MYFAKES.DAT)</translation>
    </message>
    <message>
        <source>A tab stop is a whole number of dialog units, 0 to 32767.</source>
        <translation>Una tabulazione è un numero intero di unità di dialogo, da 0 a 32767.</translation>
    </message>
    <message>
        <source>Select a download in the result of a check first.</source>
        <translation>Seleziona prima un download nel risultato di un controllo.</translation>
    </message>
    <message>
        <source>This download has no ed2k hash; it cannot be marked.</source>
        <translation>Questo download non ha un hash ed2k; non può essere segnato.</translation>
    </message>
    <message>
        <source>Your own fake list MYFAKES.DAT holds no record yet.</source>
        <translation>La tua lista di fake MYFAKES.DAT non contiene ancora alcun record.</translation>
    </message>
    <message>
        <source>Kestrivane Version%1 / Total %2 Fakes in DB</source>
        <translation>Kestrivane versione%1 / %2 fake in totale nella DB</translation>
    </message>
    <message>
        <source>File %1 not found! Please download FAKE-DB!</source>
        <translation>File %1 non trovato! Scaricare la FAKE-DB!</translation>
    </message>
    <message>
        <source>Temp directory %1 not found!</source>
        <translation>Cartella temporanea %1 non trovata!</translation>
    </message>
    <message>
        <source>Finished! Found %1 part.met-File with Text &apos;%2&apos;</source>
        <translation>Finito! Trovati %1 file part.met con il testo &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes in %2 checked .part.met</source>
        <translation>Finito! Trovati %1 fake in %2 .part.met controllati</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes in %2 checked .part.met, %3 could not be read</source>
        <translation>Finito! Trovati %1 fake in %2 .part.met controllati, %3 non leggibili</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes and %2 Suspects in %3 checked .part.met</source>
        <translation>Finito! Trovati %1 fake e %2 sospetti in %3 .part.met controllati</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes and %2 Suspects in %3 checked .part.met, %4 could not be read</source>
        <translation>Finito! Trovati %1 fake e %2 sospetti in %3 .part.met controllati, %4 non leggibili</translation>
    </message>
    <message>
        <source>Reading: %1 Bytes. Please wait...</source>
        <translation>Lettura: %1 byte. Attendere...</translation>
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
        <source>Download finished! New %1 written...</source>
        <translation>Download completato! Nuovo %1 scritto...</translation>
    </message>
    <message>
        <source>New FAKE-DB - Version %1 available! Please download it now...</source>
        <translation>Nuova FAKE-DB - versione %1 disponibile! Scaricala ora...</translation>
    </message>
    <message>
        <source>New Kestrivane-Version %1 available! Please download it now...</source>
        <translation>Nuova versione di Kestrivane %1 disponibile! Scaricala ora...</translation>
    </message>
    <message>
        <source>The fake list at %1 has not changed since the last download.</source>
        <translation>La lista di fake su %1 non è cambiata dall&apos;ultimo download.</translation>
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
        <source>Your own list MYFAKES.DAT does not name %1.</source>
        <translation>La tua lista MYFAKES.DAT non contiene %1.</translation>
    </message>
    <message>
        <source>%1 list line(s) copied to the clipboard.</source>
        <translation>%1 riga/righe di lista copiate negli appunti.</translation>
    </message>
    <message>
        <source>%1 list line(s) of MYFAKES.DAT written to %2</source>
        <translation>%1 riga/righe di MYFAKES.DAT scritte in %2</translation>
    </message>
    <message>
        <source> Temp directory of the client:</source>
        <translation> Cartella temporanea del client:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Sfoglia...</translation>
    </message>
    <message>
        <source>Choose the client&apos;s temp directory</source>
        <translation>Scegli la cartella temporanea del client</translation>
    </message>
    <message>
        <source>Check ed2k links</source>
        <translation>Controlla link ed2k</translation>
    </message>
    <message>
        <source>No fake list loaded: the links were checked by their names and part hashes only.</source>
        <translation>Nessuna lista di fake caricata: i link sono stati controllati solo in base a nomi e hash delle parti.</translation>
    </message>
    <message>
        <source>Paste ed2k or magnet links (or any text holding them) first.</source>
        <translation>Incolla prima link ed2k o magnet (o un testo che li contiene).</translation>
    </message>
    <message>
        <source>Welcome to Kestrivane</source>
        <translation>Benvenuto in Kestrivane</translation>
    </message>
    <message>
        <source>Kestrivane compares every unfinished download of your eMule, aMule or eDonkey client with fake lists: files of ed2k hashes found to be fakes (a trailer, an advertisement, another film). There is no public fake list, and the content check below works without one. To have a list, mark the fakes you find yourself (right click on a row, &apos;Mark as fake&apos;), or, if a group you belong to keeps a list, enter its update address in the field below. The field may stay empty.</source>
        <translation>Kestrivane confronta ogni download non finito del tuo client eMule, aMule o eDonkey con liste di fake: file di hash ed2k riconosciuti come fake (un trailer, una pubblicità, un altro film). Non esiste una lista di fake pubblica, e il controllo del contenuto qui sotto funziona anche senza. Per avere una lista, segna tu stesso i fake che trovi (clic destro su una riga, &apos;Segna come fake&apos;), oppure, se un gruppo di cui fai parte tiene una lista, inserisci il suo indirizzo di aggiornamento nel campo qui sotto. Il campo può restare vuoto.</translation>
    </message>
    <message>
        <source>Without a list the check still looks at the first bytes each download has received and marks what does not match its name as &quot;Suspect: ...&quot;.</source>
        <translation>Anche senza lista il controllo esamina i primi byte ricevuti di ogni download e segna ciò che non corrisponde al nome come &quot;Suspect: ...&quot;.</translation>
    </message>
    <message>
        <source>Client settings found on this computer (the check reads its temp directory):</source>
        <translation>Impostazioni dei client trovate su questo computer (il controllo legge la loro cartella temporanea):</translation>
    </message>
    <message>
        <source>None of these: I will choose the file later (File, Open eMule / Open eDonkey)</source>
        <translation>Nessuno: sceglierò il file più tardi (File, Apri eMule / Apri eDonkey)</translation>
    </message>
    <message>
        <source>No client settings found in ~/.aMule or the Wine prefix ~/.wine. Choose the file later with File, Open eMule or Open eDonkey.</source>
        <translation>Nessuna impostazione di client trovata in ~/.aMule o nel prefisso Wine ~/.wine. Scegli il file più tardi con File, Apri eMule o Apri eDonkey.</translation>
    </message>
    <message>
        <source>Update address of a group&apos;s fake list (optional):</source>
        <translation>Indirizzo di aggiornamento della lista di fake di un gruppo (facoltativo):</translation>
    </message>
    <message>
        <source>Not a fake</source>
        <translation>Non è un fake</translation>
    </message>
    <message>
        <source>Why is this download not a fake? (kept in your own list MYFAKES.DAT)</source>
        <translation>Perché questo download non è un fake? (conservato nella tua lista MYFAKES.DAT)</translation>
    </message>
    <message>
        <source>Recorded as not a fake in MYFAKES.DAT: %1</source>
        <translation>Registrato come non fake in MYFAKES.DAT: %1</translation>
    </message>
    <message>
        <source>No update address is set. There is no public fake list; the content check works without one. Mark fakes yourself, or enter a group&apos;s update address in Extras &gt; Options.</source>
        <translation>Nessun indirizzo di aggiornamento impostato. Non esiste una lista di fake pubblica; il controllo del contenuto funziona anche senza. Segna tu stesso i fake, oppure inserisci l&apos;indirizzo di aggiornamento di un gruppo in Extra &gt; Opzioni.</translation>
    </message>
    <message>
        <source>Enter the password of aMule&apos;s External Connections.</source>
        <translation>Inserisci la password delle connessioni esterne di aMule.</translation>
    </message>
    <message>
        <source>No aMule connection stored: enter it in Extras &gt; Options.</source>
        <translation>Nessuna connessione ad aMule salvata: inseriscila in Extra &gt; Opzioni.</translation>
    </message>
    <message>
        <source>Asking aMule for its downloads...</source>
        <translation>Richiesta dei download ad aMule...</translation>
    </message>
    <message>
        <source>Cancel in aMule</source>
        <translation>Annulla in aMule</translation>
    </message>
    <message>
        <source>No amule.conf found in ~/.aMule.</source>
        <translation>Nessun amule.conf trovato in ~/.aMule.</translation>
    </message>
    <message>
        <source>aMule does not accept External Connections: turn on remote controls in aMule&apos;s preferences.</source>
        <translation>aMule non accetta connessioni esterne: attiva il controllo remoto nelle preferenze di aMule.</translation>
    </message>
    <message>
        <source>Not a host and port for aMule: %1</source>
        <translation>Non è un host e una porta per aMule: %1</translation>
    </message>
    <message>
        <source>Could not log in to aMule: %1. Nothing stored.</source>
        <translation>Accesso ad aMule non riuscito: %1. Nulla è stato salvato.</translation>
    </message>
    <message>
        <source>Connected to aMule %1; the connection is stored.</source>
        <translation>Connesso ad aMule %1; la connessione è salvata.</translation>
    </message>
    <message>
        <source>aMule: %1</source>
        <translation>aMule: %1</translation>
    </message>
    <message>
        <source>Paused in aMule: %1</source>
        <translation>Messo in pausa in aMule: %1</translation>
    </message>
    <message>
        <source>Resumed in aMule: %1</source>
        <translation>Ripreso in aMule: %1</translation>
    </message>
    <message>
        <source>Cancelled in aMule: %1</source>
        <translation>Annullato in aMule: %1</translation>
    </message>
    <message>
        <source>aMule did not take the command for %1: %2</source>
        <translation>aMule non ha accettato il comando per %1: %2</translation>
    </message>
    <message>
        <source>Cancel %1 in aMule and delete what has arrived?</source>
        <translation>Annullare %1 in aMule ed eliminare ciò che è già arrivato?</translation>
    </message>
    <message>
        <source>And never download %1 again? Its hash goes into your own list, and the guard cancels it whenever it comes back, under any name.</source>
        <translation>E non scaricare mai più %1? Il suo hash va nella tua lista personale, e la guardia lo annulla ogni volta che ritorna, con qualsiasi nome.</translation>
    </message>
    <message>
        <source>Cancelled in aMule and kept out for good: %1</source>
        <translation>Annullato in aMule e tenuto fuori per sempre: %1</translation>
    </message>
    <message>
        <source>Clean links added to aMule: %1 of %2</source>
        <translation>Link puliti aggiunti ad aMule: %1 di %2</translation>
    </message>
    <message>
        <source>Not added to aMule: %1 (%2)</source>
        <translation>Non aggiunto ad aMule: %1 (%2)</translation>
    </message>
    <message>
        <source>Search for eDonkey-PREF.MET-File</source>
        <translation>Cerca il file PREF.MET di eDonkey</translation>
    </message>
    <message>
        <source>Search for eMule-Preferences.INI-File</source>
        <translation>Cerca il file Preferences.INI di eMule</translation>
    </message>
    <message>
        <source>eDonkey pref.met-File (pref.met)</source>
        <translation>File pref.met di eDonkey (pref.met)</translation>
    </message>
    <message>
        <source>eMule preferences.ini-File (preferences.ini)</source>
        <translation>File preferences.ini di eMule (preferences.ini)</translation>
    </message>
    <message>
        <source>aMule amule.conf-File (amule.conf)</source>
        <translation>File amule.conf di aMule (amule.conf)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>Fake lists (*.DAT)</source>
        <translation>Liste di fake (*.DAT)</translation>
    </message>
    <message>
        <source>eMule collections</source>
        <translation>Collezioni di eMule</translation>
    </message>
    <message>
        <source>Text files and web pages</source>
        <translation>File di testo e pagine web</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Export my fake list</source>
        <translation>Esporta la mia lista di fake</translation>
    </message>
    <message>
        <source>Choose another file: MYFAKES.DAT and FAKES.DAT in the program directory are the lists in use.</source>
        <translation>Scegli un altro file: MYFAKES.DAT e FAKES.DAT nella cartella del programma sono le liste in uso.</translation>
    </message>
    <message>
        <source>Open ed2k links or an eMule collection</source>
        <translation>Apri link ed2k o una collezione di eMule</translation>
    </message>
    <message>
        <source>What could this error be?</source>
        <translation>Che errore potrà mai essere?</translation>
    </message>
    <message>
        <source>Cannot read the temp directory %1: %2.</source>
        <translation>Impossibile leggere la cartella temporanea %1: %2.</translation>
    </message>
    <message>
        <source>Could not read the fake list %1: %2.</source>
        <translation>Impossibile leggere la lista di fake %1: %2.</translation>
    </message>
    <message>
        <source>Could not read the fake list %1.</source>
        <translation>Impossibile leggere la lista di fake %1.</translation>
    </message>
    <message>
        <source>%1 is too large to check for links (%2 bytes; at most %3 MiB are read).</source>
        <translation>%1 è troppo grande per cercarvi link (%2 byte; si leggono al massimo %3 MiB).</translation>
    </message>
    <message>
        <source>Could not read %1.</source>
        <translation>Impossibile leggere %1.</translation>
    </message>
    <message>
        <source>Another Kestrivane%1 is writing in %2; try again when it has finished.</source>
        <translation>Un altro Kestrivane%1 sta scrivendo in %2; riprova quando avrà finito.</translation>
    </message>
    <message>
        <source>NEWER Kestrivane-Version %1 already downloaded .-) Please install it ...</source>
        <translation>Versione PIÙ RECENTE di Kestrivane %1 già scaricata .-) Per favore installala ...</translation>
    </message>
    <message>
        <source>Not updated: fake list source %1 (the other sources were updated or are current).</source>
        <translation>Non aggiornata: fonte della lista di fake %1 (le altre fonti sono state aggiornate o erano già attuali).</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes and %2 Suspects in %3 downloads of aMule; %4 not inspected: their data is on the aMule machine. Run Kestrivane beside aMule to inspect them.</source>
        <translation>Finito! Trovati %1 fake e %2 sospetti in %3 download di aMule; %4 non esaminati: i loro dati sono sulla macchina di aMule. Avvia Kestrivane accanto ad aMule per esaminarli.</translation>
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
        <translation>Sospetto</translation>
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
        <translation>In completamento</translation>
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
        <source>Cancelled</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
</context>
<context>
    <name>kv::app::LinkFindingsModel</name>
    <message>
        <source>Line</source>
        <translation>Riga</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nome del file</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdetto</translation>
    </message>
    <message>
        <source>Named by %1</source>
        <translation>Indicato da %1</translation>
    </message>
    <message>
        <source>Also suspect: %1</source>
        <translation>Anche sospetto: %1</translation>
    </message>
</context>
<context>
    <name>kv::app::CheckLinksDialog</name>
    <message>
        <source>Paste ed2k or magnet links, or any text holding them:</source>
        <translation>Incolla link ed2k o magnet, o un testo che li contiene:</translation>
    </message>
    <message>
        <source>&amp;Open file...</source>
        <translation>&amp;Apri file...</translation>
    </message>
    <message>
        <source>Check an eMule collection or a text file</source>
        <translation>Controlla una collezione eMule o un file di testo</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Controlla</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>&amp;Add the clean links to aMule</source>
        <translation>Aggiungi i link puliti ad a&amp;Mule</translation>
    </message>
    <message>
        <source>Only the links judged OK, never a fake or a suspect; the aMule connection is set in Extras &gt; Options</source>
        <translation>Solo i link giudicati OK, mai un fake o un sospetto; la connessione ad aMule si imposta in Extras &gt; Opzioni</translation>
    </message>
</context>
<context>
    <name>kv::app::FirstStartDialog</name>
    <message>
        <source>names no temp directory</source>
        <translation>non indica alcuna cartella temporanea</translation>
    </message>
    <message>
        <source>temp directory %1</source>
        <translation>cartella temporanea %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>kv::app::OptionsDialog</name>
    <message>
        <source>Kestrivane-Options</source>
        <translation>Opzioni di Kestrivane</translation>
    </message>
    <message>
        <source> Check@Startup for:</source>
        <translation> Controlla all&apos;avvio:</translation>
    </message>
    <message>
        <source>New Fakes-DB</source>
        <translation>Nuova Fakes-DB</translation>
    </message>
    <message>
        <source>New Kestrivane</source>
        <translation>Nuovo Kestrivane</translation>
    </message>
    <message>
        <source> Tab-Stops:</source>
        <translation> Tabulazioni:</translation>
    </message>
    <message>
        <source>Stop-Value 1:</source>
        <translation>Valore 1:</translation>
    </message>
    <message>
        <source>Stop-Value 2:</source>
        <translation>Valore 2:</translation>
    </message>
    <message>
        <source> Download URL for Fakes-DB:</source>
        <translation> URL di download della Fakes-DB:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source> aMule connection:</source>
        <translation> Connessione ad aMule:</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Use the &amp;local aMule</source>
        <translation>Usa l&apos;aMule &amp;locale</translation>
    </message>
</context>
<context>
    <name>kv::app::MainWindow</name>
    <message>
        <source>Search temporary file(s) with following content:</source>
        <translation>Cerca file temporanei con il contenuto:</translation>
    </message>
    <message>
        <source>Enter filename to search for .part.met</source>
        <translation>Inserire il nome del file da cercare nei .part.met</translation>
    </message>
    <message>
        <source>Suche starten (F3)</source>
        <translation>Avvia ricerca (F3)</translation>
    </message>
    <message>
        <source>&amp;Update DB</source>
        <translation>A&amp;ggiorna DB</translation>
    </message>
    <message>
        <source>Check &amp;Files</source>
        <translation>Controlla i f&amp;ile</translation>
    </message>
    <message>
        <source> Status:</source>
        <translation> Stato:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stato:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Open e&amp;Mule</source>
        <translation>Apri e&amp;Mule</translation>
    </message>
    <message>
        <source>Open e&amp;Donkey</source>
        <translation>Apri e&amp;Donkey</translation>
    </message>
    <message>
        <source>Check ed2k &amp;links...</source>
        <translation>Controlla &amp;link ed2k...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Stam&amp;pa</translation>
    </message>
    <message>
        <source>&amp;Send Feedback</source>
        <translation>&amp;Invia feedback</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;All Files</source>
        <translation>&amp;Tutti i file</translation>
    </message>
    <message>
        <source>&amp;TextSearch</source>
        <translation>&amp;Ricerca testo</translation>
    </message>
    <message>
        <source>&amp;Inspect Downloads</source>
        <translation>&amp;Ispeziona download</translation>
    </message>
    <message>
        <source>Look at names and at the first bytes already downloaded for fakes no list knows</source>
        <translation>Esaminare i nomi e i primi byte già scaricati per trovare fake che nessuna lista conosce</translation>
    </message>
    <message>
        <source>&amp;Online-Update</source>
        <translation>Aggiornamento &amp;online</translation>
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
        <translation>&amp;Strumenti</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Copy &amp;ed2k-Link to Clipboard</source>
        <translation>Copia il link &amp;ed2k negli appunti</translation>
    </message>
    <message>
        <source>Copy ed2k-Link to Clipboard (&amp;HTML)</source>
        <translation>Copia il link ed2k negli appunti (&amp;HTML)</translation>
    </message>
    <message>
        <source>Copy &amp;name</source>
        <translation>Copia il &amp;nome</translation>
    </message>
    <message>
        <source>Copy h&amp;ash</source>
        <translation>Copia l&apos;h&amp;ash</translation>
    </message>
    <message>
        <source>Export my &amp;fake list...</source>
        <translation>Esporta la mia lista di &amp;fake...</translation>
    </message>
    <message>
        <source>&amp;Mark as fake...</source>
        <translation>&amp;Segna come fake...</translation>
    </message>
    <message>
        <source>&amp;Unmark</source>
        <translation>Rimuovi se&amp;gno</translation>
    </message>
    <message>
        <source>Copy as &amp;list line</source>
        <translation>Copia come riga di &amp;lista</translation>
    </message>
    <message>
        <source>N&amp;ot a fake...</source>
        <translation>N&amp;on è un fake...</translation>
    </message>
    <message>
        <source>Check &amp;aMule</source>
        <translation>Controlla &amp;aMule</translation>
    </message>
    <message>
        <source>&amp;Pause in aMule</source>
        <translation>Metti in &amp;pausa in aMule</translation>
    </message>
    <message>
        <source>&amp;Resume in aMule</source>
        <translation>R&amp;iprendi in aMule</translation>
    </message>
    <message>
        <source>&amp;Cancel in aMule...</source>
        <translation>Ann&amp;ulla in aMule...</translation>
    </message>
</context>
</TS>
