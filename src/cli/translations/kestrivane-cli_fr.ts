<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Cli</name>
    <message>
        <source>Paused in aMule: %1</source>
        <translation>Mis en pause dans aMule : %1</translation>
    </message>
    <message>
        <source>Could not write in %1.</source>
        <translation>Impossible d&apos;écrire dans %1.</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Erreur réseau : %1</translation>
    </message>
    <message>
        <source>Warning: the loaded fake lists hold no record; no download can be found as a fake.</source>
        <translation>Attention : les listes de fakes chargées ne contiennent aucune entrée ; aucun téléchargement ne peut être reconnu comme fake.</translation>
    </message>
    <message>
        <source>Could not pause %1: %2</source>
        <translation>Impossible de mettre %1 en pause : %2</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Attention : %1</translation>
    </message>
    <message>
        <source>Update failed; checking with the local fake list.</source>
        <translation>La mise à jour a échoué ; la vérification utilise la liste de fakes locale.</translation>
    </message>
    <message>
        <source>Could not store the update address in %1.</source>
        <translation>Impossible d&apos;enregistrer l&apos;adresse de mise à jour dans %1.</translation>
    </message>
    <message>
        <source>Found %1: %2 (names no temp directory)</source>
        <translation>Trouvé %1 : %2 (ne nomme aucun dossier temporaire)</translation>
    </message>
    <message>
        <source>Found %1: %2 (temp directory %3)</source>
        <translation>Trouvé %1 : %2 (dossier temporaire %3)</translation>
    </message>
    <message>
        <source>No client preference file found (looked for ~/.aMule/amule.conf, and eMule&apos;s preferences.ini and eDonkey&apos;s pref.met in the Wine prefix ~/.wine). Run &apos;kestrivane-cli import FILE&apos; or pass --temp-dir DIR to &apos;check&apos;.</source>
        <translation>Aucun fichier de préférences de client trouvé (recherchés : ~/.aMule/amule.conf, ainsi que preferences.ini d&apos;eMule et pref.met d&apos;eDonkey dans le préfixe Wine ~/.wine). Lancez &apos;kestrivane-cli import FILE&apos; ou passez --temp-dir DIR à &apos;check&apos;.</translation>
    </message>
    <message>
        <source>No client preference file found that names a temp directory (looked for ~/.aMule/amule.conf, and eMule&apos;s preferences.ini and eDonkey&apos;s pref.met in the Wine prefix ~/.wine). Run &apos;kestrivane-cli import FILE&apos; or pass --temp-dir DIR to &apos;check&apos;.</source>
        <translation>Aucun fichier de préférences de client nommant un dossier temporaire n&apos;a été trouvé (recherchés : ~/.aMule/amule.conf, ainsi que preferences.ini d&apos;eMule et pref.met d&apos;eDonkey dans le préfixe Wine ~/.wine). Lancez &apos;kestrivane-cli import FILE&apos; ou passez --temp-dir DIR à &apos;check&apos;.</translation>
    </message>
    <message>
        <source>Importing %1</source>
        <translation>Importation de %1</translation>
    </message>
    <message>
        <source>Cannot mark %1: give the file&apos;s size with --size BYTES when marking a hash.</source>
        <translation>Impossible de marquer %1 : indiquez la taille du fichier avec --size BYTES pour marquer un hash.</translation>
    </message>
    <message>
        <source>The check found no fake to export.</source>
        <translation>La vérification n&apos;a trouvé aucun fake à exporter.</translation>
    </message>
    <message>
        <source>%1 list line(s) written to %2.</source>
        <translation>%1 ligne(s) de liste écrite(s) dans %2.</translation>
    </message>
    <message>
        <source>Could not read the standard input.</source>
        <translation>Impossible de lire l&apos;entrée standard.</translation>
    </message>
    <message>
        <source>Line %1: </source>
        <translation>Ligne %1 : </translation>
    </message>
    <message>
        <source>Read again: %1</source>
        <translation>Relu : %1</translation>
    </message>
    <message>
        <source>Cannot read %1 now; the list read before is used.</source>
        <translation>Impossible de lire %1 maintenant ; la liste lue auparavant est utilisée.</translation>
    </message>
    <message>
        <source>Gone: %1</source>
        <translation>Disparu : %1</translation>
    </message>
    <message>
        <source>Settings and lists read again.</source>
        <translation>Réglages et listes relus.</translation>
    </message>
    <message>
        <source>Watching %1; changes are checked within %2 s (Ctrl+C ends, SIGHUP reads the lists again)</source>
        <translation>Surveillance de %1 ; les changements sont vérifiés en %2 s (Ctrl+C termine, SIGHUP relit les listes)</translation>
    </message>
    <message>
        <source>Watching %1 and 1 further temp directory; changes are checked within %2 s (Ctrl+C ends, SIGHUP reads the lists again)</source>
        <translation>Surveillance de %1 et d&apos;1 autre dossier temporaire ; les changements sont vérifiés en %2 s (Ctrl+C termine, SIGHUP relit les listes)</translation>
    </message>
    <message>
        <source>Watching %1 and %2 further temp directories; changes are checked within %3 s (Ctrl+C ends, SIGHUP reads the lists again)</source>
        <translation>Surveillance de %1 et de %2 autres dossiers temporaires ; les changements sont vérifiés en %3 s (Ctrl+C termine, SIGHUP relit les listes)</translation>
    </message>
    <message>
        <source>Could not pause %1 in aMule: %2</source>
        <translation>Impossible de mettre %1 en pause dans aMule : %2</translation>
    </message>
    <message>
        <source>--exec: cannot split &apos;%1&apos; into a program and its arguments (unclosed quote?).</source>
        <translation>--exec : impossible de découper &apos;%1&apos; en un programme et ses arguments (guillemet non fermé ?).</translation>
    </message>
    <message>
        <source>No temp directory is set: run &apos;kestrivane-cli import FILE&apos; or &apos;kestrivane-cli import --detect&apos;, or pass --temp-dir DIR.</source>
        <translation>Aucun dossier temporaire n&apos;est défini : lancez &apos;kestrivane-cli import FILE&apos; ou &apos;kestrivane-cli import --detect&apos;, ou indiquez --temp-dir DIR.</translation>
    </message>
    <message>
        <source>Temp directory %1 not found!</source>
        <translation>Dossier temporaire %1 introuvable !</translation>
    </message>
    <message>
        <source>Cannot read the temp directory %1: %2.</source>
        <translation>Impossible de lire le dossier temporaire %1 : %2.</translation>
    </message>
    <message>
        <source>Could not read the fake list %1.</source>
        <translation>Impossible de lire la liste de fakes %1.</translation>
    </message>
    <message>
        <source>The check could not run.</source>
        <translation>La vérification n&apos;a pas pu s&apos;exécuter.</translation>
    </message>
    <message>
        <source>No fake list: %1 does not exist. %2</source>
        <translation>Aucune liste de fakes : %1 n&apos;existe pas. %2</translation>
    </message>
    <message>
        <source>Could not read the fake list %1: %2.</source>
        <translation>Impossible de lire la liste de fakes %1 : %2.</translation>
    </message>
    <message>
        <source>aMule: %1</source>
        <translation>aMule : %1</translation>
    </message>
    <message>
        <source>No fake list: %1 does not exist. Run &apos;kestrivane-cli update&apos; or pass --fakes FILE.</source>
        <translation>Aucune liste de fakes : %1 n&apos;existe pas. Lancez &apos;kestrivane-cli update&apos; ou indiquez --fakes FILE.</translation>
    </message>
    <message>
        <source>%1 is too large to check for links (%2 bytes; at most %3 MiB are read).</source>
        <translation>%1 est trop grand pour y chercher des liens (%2 octets ; au plus %3 Mio sont lus).</translation>
    </message>
    <message>
        <source>Could not read %1.</source>
        <translation>Impossible de lire %1.</translation>
    </message>
    <message>
        <source>The link check could not run.</source>
        <translation>La vérification des liens n&apos;a pas pu s&apos;exécuter.</translation>
    </message>
    <message>
        <source>Cannot import %1: the file must be named pref.met (eDonkey), preferences.ini (eMule) or amule.conf (aMule).</source>
        <translation>Impossible d&apos;importer %1 : le fichier doit s&apos;appeler pref.met (eDonkey), preferences.ini (eMule) ou amule.conf (aMule).</translation>
    </message>
    <message>
        <source>Cannot import %1: no such file.</source>
        <translation>Impossible d&apos;importer %1 : fichier inexistant.</translation>
    </message>
    <message>
        <source>Error: No &apos;temp!&apos; entry in pref.met found!</source>
        <translation>Erreur : aucune entrée &apos;temp!&apos; trouvée dans pref.met !</translation>
    </message>
    <message>
        <source>Error: No &apos;[eMule] TempDir=&apos; in amule.conf found!</source>
        <translation>Erreur : aucun &apos;[eMule] TempDir=&apos; trouvé dans amule.conf !</translation>
    </message>
    <message>
        <source>Error: No &apos;[eMule] TempDir=&apos; in preferences.ini found!</source>
        <translation>Erreur : aucun &apos;[eMule] TempDir=&apos; trouvé dans preferences.ini !</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>Impossible d&apos;écrire %1.</translation>
    </message>
    <message>
        <source>The import stored no temp directory.</source>
        <translation>L&apos;importation n&apos;a enregistré aucun dossier temporaire.</translation>
    </message>
    <message>
        <source>eDonkey PREF.MET successfully opened, &apos;PrefMetPath&apos; and &apos;TempPath&apos; written to KESTRIVANE.INI</source>
        <translation>PREF.MET d&apos;eDonkey ouvert, &apos;PrefMetPath&apos; et &apos;TempPath&apos; écrits dans KESTRIVANE.INI</translation>
    </message>
    <message>
        <source>eMule PREFERENCES.INI successfully opened, &apos;PreferencesIniPath&apos; and &apos;TempDir&apos; written to KESTRIVANE.INI</source>
        <translation>PREFERENCES.INI d&apos;eMule ouvert, &apos;PreferencesIniPath&apos; et &apos;TempDir&apos; écrits dans KESTRIVANE.INI</translation>
    </message>
    <message>
        <source>aMule AMULE.CONF successfully opened, &apos;PreferencesIniPath&apos; and &apos;TempDir&apos; written to KESTRIVANE.INI</source>
        <translation>AMULE.CONF d&apos;aMule ouvert, &apos;PreferencesIniPath&apos; et &apos;TempDir&apos; écrits dans KESTRIVANE.INI</translation>
    </message>
    <message>
        <source>Cannot mark %1: give a .part.met name of the temp directory (001.part) or a hash of 32 hex digits.</source>
        <translation>Impossible de marquer %1 : indiquez un nom de .part.met du dossier temporaire (001.part) ou un hash de 32 chiffres hexadécimaux.</translation>
    </message>
    <message>
        <source>No temp directory is set; use --temp-dir or import the client&apos;s preferences first.</source>
        <translation>Aucun dossier temporaire n&apos;est défini ; utilisez --temp-dir ou importez d&apos;abord les préférences du client.</translation>
    </message>
    <message>
        <source>Cannot mark %1: the file holds no ed2k hash.</source>
        <translation>Impossible de marquer %1 : le fichier ne contient aucun hash ed2k.</translation>
    </message>
    <message>
        <source>Cannot mark %1: no such .part.met in %2.</source>
        <translation>Impossible de marquer %1 : pas de tel .part.met dans %2.</translation>
    </message>
    <message>
        <source>The own list could not be written.</source>
        <translation>La liste personnelle n&apos;a pas pu être écrite.</translation>
    </message>
    <message>
        <source>Another Kestrivane (%1, pid %2) is writing in %3; try again when it has finished.</source>
        <translation>Un autre Kestrivane (%1, pid %2) écrit dans %3 ; réessayez quand il aura fini.</translation>
    </message>
    <message>
        <source>Another Kestrivane (pid %1) is writing in %2; try again when it has finished.</source>
        <translation>Un autre Kestrivane (pid %1) écrit dans %2 ; réessayez quand il aura fini.</translation>
    </message>
    <message>
        <source>Another Kestrivane is writing in %1; try again when it has finished.</source>
        <translation>Un autre Kestrivane écrit dans %1 ; réessayez quand il aura fini.</translation>
    </message>
    <message>
        <source>Warning: no fake list: %1 does not exist, so only names, part hashes and the bytes already downloaded were checked. %2</source>
        <translation>Attention : aucune liste de fakes : %1 n&apos;existe pas, seuls les noms, les hashes de parties et les octets déjà téléchargés ont donc été vérifiés. %2</translation>
    </message>
    <message>
        <source>Marked as fake in MYFAKES.DAT: %1</source>
        <translation>Marqué comme fake dans MYFAKES.DAT : %1</translation>
    </message>
    <message>
        <source>Removed from MYFAKES.DAT: %1</source>
        <translation>Retiré de MYFAKES.DAT : %1</translation>
    </message>
    <message>
        <source>Recorded as not a fake in MYFAKES.DAT: %1</source>
        <translation>Enregistré comme pas un fake dans MYFAKES.DAT : %1</translation>
    </message>
    <message>
        <source>Your own list MYFAKES.DAT does not name %1.</source>
        <translation>Votre liste MYFAKES.DAT ne contient pas %1.</translation>
    </message>
    <message>
        <source>Finished! Found %1 part.met-File with Text &apos;%2&apos;</source>
        <translation>Terminé ! %1 fichier(s) part.met contenant le texte &apos;%2&apos;</translation>
    </message>
    <message>
        <source>New FAKE-DB - Version %1 available! Please download it now...</source>
        <translation>Nouvelle FAKE-DB - version %1 disponible ! Téléchargez-la maintenant...</translation>
    </message>
    <message>
        <source>Not updated: fake list source %1 (the other sources were updated or are current).</source>
        <translation>Non mise à jour : source %1 de la liste de fakes (les autres sources ont été mises à jour ou sont à jour).</translation>
    </message>
    <message>
        <source>Download finished! New %1 written...</source>
        <translation>Téléchargement terminé ! Nouveau %1 écrit...</translation>
    </message>
    <message>
        <source>Could not connect to the internet</source>
        <translation>Connexion à Internet impossible</translation>
    </message>
    <message>
        <source>Could not open file %1.</source>
        <translation>Impossible d&apos;ouvrir le fichier %1.</translation>
    </message>
    <message>
        <source>Download of %1 was interrupted.</source>
        <translation>Le téléchargement de %1 a été interrompu.</translation>
    </message>
    <message>
        <source>File actually not available: %1</source>
        <translation>Fichier actuellement indisponible : %1</translation>
    </message>
    <message>
        <source>Could not write file %1.</source>
        <translation>Impossible d&apos;écrire le fichier %1.</translation>
    </message>
    <message>
        <source>The fake list at %1 has not changed since the last download.</source>
        <translation>La liste de fakes à %1 n&apos;a pas changé depuis le dernier téléchargement.</translation>
    </message>
    <message>
        <source>--exec: %1 ended with status %2.</source>
        <translation>--exec : %1 s&apos;est terminé avec le code %2.</translation>
    </message>
    <message>
        <source>--exec: %1 was ended by signal %2.</source>
        <translation>--exec : %1 a été terminé par le signal %2.</translation>
    </message>
    <message>
        <source>--exec: %1 ended.</source>
        <translation>--exec : %1 s&apos;est terminé.</translation>
    </message>
    <message>
        <source>The directory %1 is gone; watching for it to come back.</source>
        <translation>Le dossier %1 a disparu ; surveillance de son retour.</translation>
    </message>
    <message>
        <source>--exec: too many findings waiting for %1; some are not run.</source>
        <translation>--exec : trop de résultats attendent %1 ; certains ne sont pas exécutés.</translation>
    </message>
    <message>
        <source>--exec: %1 ran longer than %2 s and is ended.</source>
        <translation>--exec : %1 a tourné plus de %2 s et est arrêté.</translation>
    </message>
    <message>
        <source>--exec: could not start %1.</source>
        <translation>--exec : impossible de lancer %1.</translation>
    </message>
    <message>
        <source>--exec: %1 findings not handed on.</source>
        <translation>--exec : %1 résultats non transmis.</translation>
    </message>
    <message>
        <source>Cannot watch for changes: %1</source>
        <translation>Impossible de surveiller les changements : %1</translation>
    </message>
    <message>
        <source>The directory %1 is not there; watching for it to appear.</source>
        <translation>Le dossier %1 n&apos;existe pas ; surveillance de son apparition.</translation>
    </message>
    <message>
        <source>Replaced: %1; watching the new one.</source>
        <translation>Remplacé : %1 ; surveillance du nouveau.</translation>
    </message>
    <message>
        <source>Watching %1 again.</source>
        <translation>Surveillance de %1 reprise.</translation>
    </message>
    <message>
        <source>aMule&apos;s External Connections password: </source>
        <translation>Mot de passe des External Connections d&apos;aMule : </translation>
    </message>
    <message>
        <source>Not a host or host:port: %1</source>
        <translation>Ce n&apos;est pas un hôte ni hôte:port : %1</translation>
    </message>
    <message>
        <source>The password is empty.</source>
        <translation>Le mot de passe est vide.</translation>
    </message>
    <message>
        <source>No password on the standard input.</source>
        <translation>Aucun mot de passe sur l&apos;entrée standard.</translation>
    </message>
    <message>
        <source>No password: pass --password-stdin and give it on the standard input.</source>
        <translation>Aucun mot de passe : passez --password-stdin et donnez-le sur l&apos;entrée standard.</translation>
    </message>
    <message>
        <source>No amule.conf found: pass HOST[:PORT], or import aMule&apos;s amule.conf first (kestrivane-cli import FILE).</source>
        <translation>Aucun amule.conf trouvé : indiquez HOST[:PORT] ou importez d&apos;abord l&apos;amule.conf d&apos;aMule (kestrivane-cli import FILE).</translation>
    </message>
    <message>
        <source>aMule does not accept External Connections (AcceptExternalConnections in %1): turn on remote controls in aMule&apos;s preferences, or pass HOST[:PORT].</source>
        <translation>aMule n&apos;accepte pas les External Connections (AcceptExternalConnections dans %1) : activez le contrôle à distance dans les préférences d&apos;aMule ou indiquez HOST[:PORT].</translation>
    </message>
    <message>
        <source>aMule has no External Connections password set (ECPassword in %1).</source>
        <translation>aMule n&apos;a pas de mot de passe pour les External Connections (ECPassword dans %1).</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>En pause : %1</translation>
    </message>
    <message>
        <source>Resumed: %1</source>
        <translation>Repris : %1</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Arrêté : %1</translation>
    </message>
    <message>
        <source>Cancelled: %1</source>
        <translation>Annulé : %1</translation>
    </message>
    <message>
        <source>Could not resume %1: %2</source>
        <translation>Impossible de reprendre %1 : %2</translation>
    </message>
    <message>
        <source>Could not stop %1: %2</source>
        <translation>Impossible d&apos;arrêter %1 : %2</translation>
    </message>
    <message>
        <source>Could not cancel %1: %2</source>
        <translation>Impossible d&apos;annuler %1 : %2</translation>
    </message>
    <message>
        <source>aMule has no download %1.</source>
        <translation>aMule n&apos;a pas de téléchargement %1.</translation>
    </message>
    <message>
        <source>Cancelling deletes the downloads in aMule: pass --yes to confirm.</source>
        <translation>Annuler supprime les téléchargements dans aMule : passez --yes pour confirmer.</translation>
    </message>
    <message>
        <source>Cancel this download in aMule and delete what has arrived? [y/N] </source>
        <translation>Annuler ce téléchargement dans aMule et supprimer ce qui est arrivé ? [y/N] </translation>
    </message>
    <message>
        <source>Cancel %1 downloads in aMule and delete what has arrived? [y/N] </source>
        <translation>Annuler %1 téléchargements dans aMule et supprimer ce qui est arrivé ? [y/N] </translation>
    </message>
    <message>
        <source>Nothing cancelled.</source>
        <translation>Rien annulé.</translation>
    </message>
    <message>
        <source>%1 (%2). Nothing stored.</source>
        <translation>%1 (%2). Rien enregistré.</translation>
    </message>
    <message>
        <source>Connected, but could not write %1.</source>
        <translation>Connecté, mais impossible d&apos;écrire %1.</translation>
    </message>
    <message>
        <source>(version not given)</source>
        <translation>(version non indiquée)</translation>
    </message>
    <message>
        <source>Connected to aMule %1 at %2; stored in %3.</source>
        <translation>Connecté à aMule %1 sur %2 ; enregistré dans %3.</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos;; did you mean &apos;%2&apos;? (&apos;kestrivane-cli --help&apos; lists the commands)</source>
        <translation>Commande inconnue &apos;%1&apos; ; vouliez-vous dire &apos;%2&apos; ? (&apos;kestrivane-cli --help&apos; liste les commandes)</translation>
    </message>
    <message>
        <source>Unknown command &apos;%1&apos; (&apos;kestrivane-cli --help&apos; lists the commands)</source>
        <translation>Commande inconnue &apos;%1&apos; (&apos;kestrivane-cli --help&apos; liste les commandes)</translation>
    </message>
    <message>
        <source>Reading links from the keyboard: paste them, then press Ctrl+D (or give a FILE).</source>
        <translation>Lecture des liens au clavier : collez-les, puis appuyez sur Ctrl+D (ou indiquez un FILE).</translation>
    </message>
    <message>
        <source>No directory for the settings: HOME is not set. Pass --home DIR or set KESTRIVANE_HOME.</source>
        <translation>Aucun dossier pour les réglages : HOME n&apos;est pas défini. Indiquez --home DIR ou définissez KESTRIVANE_HOME.</translation>
    </message>
    <message>
        <source>Cannot create the directory %1. Pass --home DIR.</source>
        <translation>Impossible de créer le dossier %1. Indiquez --home DIR.</translation>
    </message>
    <message>
        <source>--home %1: no such directory.</source>
        <translation>--home %1 : dossier inexistant.</translation>
    </message>
    <message>
        <source>Partname	Filename	Error-Description</source>
        <translation>Nom du part	Nom du fichier	Description de l&apos;erreur</translation>
    </message>
    <message>
        <source>Line	Filename	Error-Description</source>
        <translation>Ligne	Nom du fichier	Description de l&apos;erreur</translation>
    </message>
    <message>
        <source>There is no public fake list; to get one, mark fakes yourself (&apos;kestrivane-cli mark&apos;), use a group&apos;s address (&apos;kestrivane-cli update --url URL&apos;) or pass a list file (--fakes FILE).</source>
        <translation>Il n&apos;existe pas de liste de fakes publique ; pour en avoir une, marquez vous-même les fakes (&apos;kestrivane-cli mark&apos;), utilisez l&apos;adresse d&apos;un groupe (&apos;kestrivane-cli update --url URL&apos;) ou indiquez un fichier de liste (--fakes FILE).</translation>
    </message>
    <message>
        <source>No update address is set. There is no public fake list; the content check works without one. To get a list, mark fakes yourself (&apos;kestrivane-cli mark&apos;), use a group&apos;s address (&apos;kestrivane-cli update --url URL&apos;) or pass a list file (--fakes FILE).</source>
        <translation>Aucune adresse de mise à jour n&apos;est définie. Il n&apos;existe pas de liste de fakes publique ; la vérification du contenu fonctionne sans. Pour avoir une liste, marquez vous-même les fakes (&apos;kestrivane-cli mark&apos;), utilisez l&apos;adresse d&apos;un groupe (&apos;kestrivane-cli update --url URL&apos;) ou indiquez un fichier de liste (--fakes FILE).</translation>
    </message>
    <message>
        <source>No aMule connection stored: run &apos;kestrivane-cli amule connect&apos; first.</source>
        <translation>Aucune connexion à aMule enregistrée : lancez d&apos;abord &apos;kestrivane-cli amule connect&apos;.</translation>
    </message>
    <message>
        <source>No fake list loaded: the links were checked by their names and part hashes only.</source>
        <translation>Aucune liste de fakes chargée : les liens n&apos;ont été vérifiés que d&apos;après leurs noms et hashes de parties.</translation>
    </message>
    <message>
        <source>Your own fake list MYFAKES.DAT holds no record yet.</source>
        <translation>Votre liste de fakes MYFAKES.DAT ne contient encore aucun enregistrement.</translation>
    </message>
    <message>
        <source>Please wait, version check is running...</source>
        <translation>Veuillez patienter, vérification de la version en cours...</translation>
    </message>
    <message>
        <source>You already have the newest FAKE-DB...</source>
        <translation>Vous avez déjà la FAKE-DB la plus récente...</translation>
    </message>
    <message>
        <source>Opening URL...</source>
        <translation>Ouverture de l&apos;URL...</translation>
    </message>
    <message>
        <source>Proxy Authentication is not implemented yet</source>
        <translation>L&apos;authentification proxy n&apos;est pas encore prise en charge</translation>
    </message>
    <message>
        <source>Online-Check/Download not available!</source>
        <translation>Vérification/téléchargement en ligne indisponible !</translation>
    </message>
    <message>
        <source>The choosen URL is temporary not available. Please try later!</source>
        <translation>L&apos;URL choisie est temporairement indisponible. Réessayez plus tard !</translation>
    </message>
    <message>
        <source>Fake list not used</source>
        <translation>Liste de fakes non utilisée</translation>
    </message>
    <message>
        <source>Warning: %1 is empty; no download can be found as a fake with it.</source>
        <translation>Attention : %1 est vide ; aucun téléchargement ne peut être reconnu comme fake avec elle.</translation>
    </message>
    <message>
        <source>Warning: %1 is a UTF-16 text, not a list of lines in single bytes; no download can be found as a fake with it.</source>
        <translation>Attention : %1 est un texte UTF-16, pas une liste de lignes en octets simples ; aucun téléchargement ne peut être reconnu comme fake avec elle.</translation>
    </message>
</context>
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
        <source>header</source>
        <translation>l&apos;en-tête</translation>
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
</context>
</TS>
