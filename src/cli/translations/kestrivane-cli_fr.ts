<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Cli</name>
    <message>
        <source>Act in aMule over its External Connections (amuled, the remote GUI&apos;s daemon, on this machine or another)</source>
        <translation>Agir dans aMule par ses External Connections (amuled, le démon de l&apos;interface distante, sur cette machine ou une autre)</translation>
    </message>
    <message>
        <source>Log in to aMule and store the connection (host, port, the password&apos;s MD5) for the other amule commands; prints the aMule version reached</source>
        <translation>Se connecter à aMule et enregistrer la connexion (hôte, port, MD5 du mot de passe) pour les autres commandes amule ; affiche la version d&apos;aMule atteinte</translation>
    </message>
    <message>
        <source>Where aMule listens (port default 4712); none: the EC settings of the imported or detected amule.conf, no password asked</source>
        <translation>Où aMule écoute (port 4712 par défaut) ; sans valeur : les réglages EC de l&apos;amule.conf importé ou trouvé, sans demander de mot de passe</translation>
    </message>
    <message>
        <source>Read the password from the first line of the standard input</source>
        <translation>Lire le mot de passe sur la première ligne de l&apos;entrée standard</translation>
    </message>
    <message>
        <source>Pause downloads in aMule (undone with resume)</source>
        <translation>Mettre des téléchargements en pause dans aMule (annulé par resume)</translation>
    </message>
    <message>
        <source>Resume paused or stopped downloads in aMule</source>
        <translation>Reprendre dans aMule des téléchargements en pause ou arrêtés</translation>
    </message>
    <message>
        <source>Stop downloads in aMule (they keep their place but ask no sources)</source>
        <translation>Arrêter des téléchargements dans aMule (ils gardent leur place mais ne demandent aucune source)</translation>
    </message>
    <message>
        <source>Cancel downloads in aMule: deletes what has arrived and lists the hash in aMule&apos;s canceled.met; asks first on a terminal</source>
        <translation>Annuler des téléchargements dans aMule : supprime ce qui est arrivé et inscrit le hash dans le canceled.met d&apos;aMule ; demande d&apos;abord sur un terminal</translation>
    </message>
    <message>
        <source>A download by its part file (001, 001.part) or its ed2k hash</source>
        <translation>Un téléchargement désigné par son fichier part (001, 001.part) ou son hash ed2k</translation>
    </message>
    <message>
        <source>Do not ask (for scripts)</source>
        <translation>Ne pas demander (pour les scripts)</translation>
    </message>
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
        <source>Could not write %1.</source>
        <translation>Impossible d&apos;écrire %1.</translation>
    </message>
    <message>
        <source>The import stored no temp directory.</source>
        <translation>L&apos;importation n&apos;a enregistré aucun dossier temporaire.</translation>
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
    <message>
        <source>%1 (%2). Check that aMule runs there and accepts External Connections, or run &apos;kestrivane-cli amule connect&apos; again.</source>
        <translation>%1 (%2). Vérifiez qu&apos;aMule y tourne et accepte les External Connections, ou relancez &apos;kestrivane-cli amule connect&apos;.</translation>
    </message>
    <message>
        <source>Cannot mark %1: aMule at %2 has no such download.</source>
        <translation>Impossible de marquer %1 : aMule à %2 n&apos;a pas ce téléchargement.</translation>
    </message>
    <message>
        <source>Cannot mark %1: no temp directory here, and aMule could not be asked: %2. Run &apos;kestrivane-cli amule connect&apos;, or use --temp-dir.</source>
        <translation>Impossible de marquer %1 : pas de répertoire temporaire ici, et aMule n&apos;a pas pu être interrogé : %2. Lancez &apos;kestrivane-cli amule connect&apos;, ou utilisez --temp-dir.</translation>
    </message>
    <message>
        <source>Warning: no fake list: %1 does not exist, so only the names were checked. %2</source>
        <translation>Attention : pas de liste de fakes : %1 n&apos;existe pas, seuls les noms ont donc été vérifiés. %2</translation>
    </message>
    <message>
        <source>Not inspected: %1 downloads, whose data is on the aMule machine and not readable here. Run Kestrivane on that machine, beside aMule, to inspect them.</source>
        <translation>Non examinés : %1 téléchargements, dont les données sont sur la machine d&apos;aMule et illisibles ici. Lancez Kestrivane sur cette machine, à côté d&apos;aMule, pour les examiner.</translation>
    </message>
    <message>
        <source>Could not pause %1 in aMule yet: %2. It is paused once aMule answers.</source>
        <translation>Impossible de mettre %1 en pause dans aMule pour l&apos;instant : %2. Il sera mis en pause dès qu&apos;aMule répondra.</translation>
    </message>
    <message>
        <source>Warning: %1 holds no fake list record (is it a list at all?); no download can be found as a fake with it.</source>
        <translation>Attention : %1 ne contient aucune entrée de liste de fakes (est-ce bien une liste ?) ; aucun téléchargement ne peut être reconnu comme fake avec elle.</translation>
    </message>
    <message>
        <source>%1 is the client&apos;s settings directory, not its temp directory; the downloads are in %2 (pass --temp-dir %2, or run &apos;kestrivane-cli import --detect&apos;).</source>
        <translation>%1 est le répertoire des réglages du client, pas son répertoire temporaire ; les téléchargements sont dans %2 (indiquez --temp-dir %2 ou lancez &apos;kestrivane-cli import --detect&apos;).</translation>
    </message>
    <message>
        <source>%1 %2: not an http:// or https:// address.</source>
        <translation>%1 %2 : pas une adresse http:// ou https://.</translation>
    </message>
    <message>
        <source>No program site is set, so nothing was asked. Set the site you get Kestrivane from with &apos;kestrivane-cli update --program --site URL&apos;.</source>
        <translation>Aucun site du programme n&apos;est défini, rien n&apos;a donc été demandé. Indiquez le site d&apos;où vous obtenez Kestrivane avec &apos;kestrivane-cli update --program --site URL&apos;.</translation>
    </message>
    <message>
        <source>You have the newest Kestrivane (%1).</source>
        <translation>Vous avez le Kestrivane le plus récent (%1).</translation>
    </message>
    <message>
        <source>Kestrivane %1 is out: %2</source>
        <translation>Kestrivane %1 est sorti : %2</translation>
    </message>
    <message>
        <source>Kestrivane %1 is out: see %2</source>
        <translation>Kestrivane %1 est sorti : voir %2</translation>
    </message>
    <message>
        <source>Cannot import %1: the file names no temp directory.</source>
        <translation>Impossible d&apos;importer %1 : le fichier ne nomme aucun répertoire temporaire.</translation>
    </message>
    <message>
        <source>Imported the temp directory %1 from %2&apos;s %3; it is stored in Kestrivane.ini.</source>
        <translation>Répertoire temporaire %1 importé depuis le fichier %3 de %2 ; il est enregistré dans Kestrivane.ini.</translation>
    </message>
    <message>
        <source>Exit status: see &apos;kestrivane-cli --help&apos;.</source>
        <translation>Code de sortie : voir &apos;kestrivane-cli --help&apos;.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;; did you mean &apos;%2&apos;? (&apos;%3&apos; lists the options)</source>
        <translation>Option inconnue &apos;%1&apos; ; vouliez-vous dire &apos;%2&apos; ? (&apos;%3&apos; liste les options)</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos; (&apos;%2&apos; lists the options)</source>
        <translation>Option inconnue &apos;%1&apos; (&apos;%2&apos; liste les options)</translation>
    </message>
    <message>
        <source>%1 is required.</source>
        <translation>%1 est obligatoire.</translation>
    </message>
    <message>
        <source>A command is required.</source>
        <translation>Une commande est obligatoire.</translation>
    </message>
    <message>
        <source>%1 cannot be used together with %2.</source>
        <translation>%1 ne peut pas être utilisé avec %2.</translation>
    </message>
    <message>
        <source>%1 needs %2 too.</source>
        <translation>%1 demande aussi %2.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 demande une valeur.</translation>
    </message>
    <message>
        <source>Not expected here: %1</source>
        <translation>Inattendu ici : %1</translation>
    </message>
    <message>
        <source>A value was not accepted: %1</source>
        <translation>Une valeur n&apos;a pas été acceptée : %1</translation>
    </message>
    <message>
        <source>The command line was not understood: %1</source>
        <translation>La ligne de commande n&apos;a pas été comprise : %1</translation>
    </message>
    <message>
        <source>Run with --help for more information.</source>
        <translation>Lancez avec --help pour en savoir plus.</translation>
    </message>
    <message>
        <source>%1 %2: not a directory.</source>
        <translation>%1 %2 : pas un répertoire.</translation>
    </message>
    <message>
        <source>%1 %2: no such directory.</source>
        <translation>%1 %2 : répertoire inexistant.</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Utilisation</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <translation>OBLIGATOIRE</translation>
    </message>
    <message>
        <source>Needs</source>
        <translation>Demande</translation>
    </message>
    <message>
        <source>Excludes</source>
        <translation>Exclut</translation>
    </message>
    <message>
        <source>Positionals</source>
        <translation>Arguments</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>Afficher cette aide et quitter</translation>
    </message>
    <message>
        <source>List the downloads that are known fakes or whose name or first bytes give them away</source>
        <translation>Lister les téléchargements qui sont des fakes connus ou que leur nom ou leurs premiers octets trahissent</translation>
    </message>
    <message>
        <source>The client&apos;s temp directory instead of the settings</source>
        <translation>Le répertoire temporaire du client au lieu de celui des réglages</translation>
    </message>
    <message>
        <source>Fake list to use instead of FAKES.DAT</source>
        <translation>Liste de fakes à utiliser au lieu de FAKES.DAT</translation>
    </message>
    <message>
        <source>List every download, fakes and OK ones (the default, unless ShowAllPartMet=NO in Kestrivane.ini)</source>
        <translation>Lister chaque téléchargement, fakes et corrects (par défaut, sauf si ShowAllPartMet=NO dans Kestrivane.ini)</translation>
    </message>
    <message>
        <source>List the fakes and suspects only</source>
        <translation>Lister seulement les fakes et les suspects</translation>
    </message>
    <message>
        <source>Print the ed2k link of every listed download</source>
        <translation>Afficher le lien ed2k de chaque téléchargement listé</translation>
    </message>
    <message>
        <source>Print every link as an HTML anchor</source>
        <translation>Afficher chaque lien comme ancre HTML</translation>
    </message>
    <message>
        <source>Print the listed downloads as a JSON array</source>
        <translation>Afficher les téléchargements listés comme tableau JSON</translation>
    </message>
    <message>
        <source>Do not look at names, part hashes and the bytes already downloaded for suspects</source>
        <translation>Ne pas examiner les noms, les hachages de parties et les octets déjà téléchargés à la recherche de suspects</translation>
    </message>
    <message>
        <source>Update the fake list first</source>
        <translation>Mettre d&apos;abord à jour la liste de fakes</translation>
    </message>
    <message>
        <source>Leave out the two head rows</source>
        <translation>Omettre les deux lignes d&apos;en-tête</translation>
    </message>
    <message>
        <source>Check the downloads aMule reports (see &apos;amule connect&apos;) instead of the temp directory&apos;s .part.met files</source>
        <translation>Vérifier les téléchargements qu&apos;aMule signale (voir &apos;amule connect&apos;) au lieu des fichiers .part.met du répertoire temporaire</translation>
    </message>
    <message>
        <source>With --amule: pause every listed fake and suspect in aMule</source>
        <translation>Avec --amule : mettre en pause dans aMule chaque fake et suspect listé</translation>
    </message>
    <message>
        <source>Fetch a newer fake list from the update address</source>
        <translation>Récupérer une liste de fakes plus récente à l&apos;adresse de mise à jour</translation>
    </message>
    <message>
        <source>Update address to use (http:// or https://); stored as the update address once the update worked</source>
        <translation>Adresse de mise à jour à utiliser (http:// ou https://) ; enregistrée comme adresse de mise à jour une fois la mise à jour réussie</translation>
    </message>
    <message>
        <source>Look for a newer Kestrivane at the program&apos;s site instead (exit status 1 when there is one); nothing is installed</source>
        <translation>Chercher plutôt un Kestrivane plus récent sur le site du programme (code de sortie 1 s&apos;il y en a un) ; rien n&apos;est installé</translation>
    </message>
    <message>
        <source>With --program: the program&apos;s site to use; stored once the check worked (none is set at first)</source>
        <translation>Avec --program : le site du programme à utiliser ; enregistré une fois la vérification réussie (aucun au départ)</translation>
    </message>
    <message>
        <source>Store the client&apos;s temp directory, read from its pref.met, preferences.ini or amule.conf</source>
        <translation>Enregistrer le répertoire temporaire du client, lu dans son pref.met, preferences.ini ou amule.conf</translation>
    </message>
    <message>
        <source>The client&apos;s preference file</source>
        <translation>Le fichier de réglages du client</translation>
    </message>
    <message>
        <source>Look for ~/.aMule/amule.conf and eMule&apos;s or eDonkey&apos;s files under Wine (~/.wine, $WINEPREFIX); import the first that names a temp directory</source>
        <translation>Chercher ~/.aMule/amule.conf et les fichiers d&apos;eMule ou d&apos;eDonkey sous Wine (~/.wine, $WINEPREFIX) ; importer le premier qui nomme un répertoire temporaire</translation>
    </message>
    <message>
        <source>List the downloads whose .met file holds a text</source>
        <translation>Lister les téléchargements dont le fichier .met contient un texte</translation>
    </message>
    <message>
        <source>Print the hits as a JSON array</source>
        <translation>Afficher les résultats comme tableau JSON</translation>
    </message>
    <message>
        <source>Text to look for (letters without regard to case)</source>
        <translation>Texte à chercher (lettres sans tenir compte de la casse)</translation>
    </message>
    <message>
        <source>Stay running; re-check a .part.met or a list when it changes and report each new fake once (SIGHUP reads the settings and lists again)</source>
        <translation>Rester actif ; revérifier un .part.met ou une liste à chaque changement et signaler chaque nouveau fake une fois (SIGHUP relit les réglages et les listes)</translation>
    </message>
    <message>
        <source>One JSON object per line for each finding</source>
        <translation>Un objet JSON par ligne pour chaque trouvaille</translation>
    </message>
    <message>
        <source>Act in the aMule of &apos;amule connect&apos; (with --pause-fakes)</source>
        <translation>Agir dans l&apos;aMule de &apos;amule connect&apos; (avec --pause-fakes)</translation>
    </message>
    <message>
        <source>With --amule: pause each new fake and suspect in aMule</source>
        <translation>Avec --amule : mettre en pause dans aMule chaque nouveau fake et suspect</translation>
    </message>
    <message>
        <source>Run CMD for each finding (split like a shell would, never run by one); the finding is in KV_PART, KV_NAME, KV_SIZE, KV_HASH, KV_KIND, KV_DESCRIPTION, KV_LINK, KV_TEMP_DIR; its output goes to standard error; one runs at a time</source>
        <translation>Lancer CMD pour chaque trouvaille (découpé comme le ferait un shell, jamais lancé par un) ; la trouvaille est dans KV_PART, KV_NAME, KV_SIZE, KV_HASH, KV_KIND, KV_DESCRIPTION, KV_LINK, KV_TEMP_DIR ; sa sortie va sur la sortie d&apos;erreur ; un seul à la fois</translation>
    </message>
    <message>
        <source>End a command of --exec that runs longer than this (default 60)</source>
        <translation>Arrêter une commande de --exec qui dure plus longtemps (60 par défaut)</translation>
    </message>
    <message>
        <source>Add a download to your own fake list MYFAKES.DAT</source>
        <translation>Ajouter un téléchargement à votre propre liste de fakes MYFAKES.DAT</translation>
    </message>
    <message>
        <source>A .part.met of the temp directory (001.part) or an ed2k hash</source>
        <translation>Un .part.met du répertoire temporaire (001.part) ou un hachage ed2k</translation>
    </message>
    <message>
        <source>Why it is a fake (the list line&apos;s description)</source>
        <translation>Pourquoi c&apos;est un fake (la description de la ligne de liste)</translation>
    </message>
    <message>
        <source>The file size, for a HASH</source>
        <translation>La taille du fichier, pour un HASH</translation>
    </message>
    <message>
        <source>Record in MYFAKES.DAT that a download is not a fake, whatever a list, a client or the inspection says</source>
        <translation>Noter dans MYFAKES.DAT qu&apos;un téléchargement n&apos;est pas un fake, quoi que disent une liste, un client ou l&apos;examen</translation>
    </message>
    <message>
        <source>Why it is not a fake</source>
        <translation>Pourquoi ce n&apos;est pas un fake</translation>
    </message>
    <message>
        <source>Remove a download from your own fake list MYFAKES.DAT</source>
        <translation>Retirer un téléchargement de votre propre liste de fakes MYFAKES.DAT</translation>
    </message>
    <message>
        <source>A .part.met of the temp directory or an ed2k hash</source>
        <translation>Un .part.met du répertoire temporaire ou un hachage ed2k</translation>
    </message>
    <message>
        <source>Print or write list lines (hash,size,description) of the fakes the check finds</source>
        <translation>Afficher ou écrire les lignes de liste (hachage,taille,description) des fakes que la vérification trouve</translation>
    </message>
    <message>
        <source>Your own list MYFAKES.DAT instead</source>
        <translation>Votre propre liste MYFAKES.DAT à la place</translation>
    </message>
    <message>
        <source>File to write (replaced whole); - or none: standard output</source>
        <translation>Fichier à écrire (remplacé en entier) ; - ou aucun : sortie standard</translation>
    </message>
    <message>
        <source>Check ed2k and magnet links (a text, a web page or an eMule collection) before they are downloaded</source>
        <translation>Vérifier des liens ed2k et magnet (un texte, une page web ou une collection eMule) avant leur téléchargement</translation>
    </message>
    <message>
        <source>File holding the links; - or none for the standard input</source>
        <translation>Fichier contenant les liens ; - ou aucun pour l&apos;entrée standard</translation>
    </message>
    <message>
        <source>List every link, fakes, suspects and OK ones (the default)</source>
        <translation>Lister chaque lien, fakes, suspects et corrects (par défaut)</translation>
    </message>
    <message>
        <source>Print the ed2k link of every listed link</source>
        <translation>Afficher le lien ed2k de chaque lien listé</translation>
    </message>
    <message>
        <source>Print every link as a JSON array, malformed ones too</source>
        <translation>Afficher chaque lien comme tableau JSON, y compris les mal formés</translation>
    </message>
    <message>
        <source>Checks the downloads of eDonkey, eMule and aMule against a list of known fakes.</source>
        <translation>Vérifie les téléchargements d&apos;eDonkey, eMule et aMule d&apos;après une liste de fakes connus.</translation>
    </message>
    <message>
        <source>Print the version and exit</source>
        <translation>Afficher la version et quitter</translation>
    </message>
    <message>
        <source>Directory holding Kestrivane.ini and FAKES.DAT; must exist (default: $KESTRIVANE_HOME, else ~/.config/kestrivane and ~/.local/share/kestrivane when installed, the program&apos;s own directory when portable)</source>
        <translation>Répertoire contenant Kestrivane.ini et FAKES.DAT ; doit exister (par défaut : $KESTRIVANE_HOME, sinon ~/.config/kestrivane et ~/.local/share/kestrivane une fois installé, le répertoire du programme en version portable)</translation>
    </message>
    <message>
        <source>Print errors only (the check&apos;s rows and the search hits still go to stdout)</source>
        <translation>N&apos;afficher que les erreurs (les lignes de la vérification et les résultats de recherche vont toujours sur stdout)</translation>
    </message>
    <message>
        <source>Exit status: 0 no fake or suspect found / search hits / list or program current or list updated / watch
ended by SIGINT or SIGTERM; 1 fakes or suspects found / no search hit / a newer program; 2 the command
could not run (a fake list that cannot be read, no list at all with --no-inspect, no temp directory or one
that cannot be read, no update address or a failed update, a file that could not be written, no aMule
connection, usage error); 3 check --update: the update failed, the local list still found fakes or suspects.</source>
        <translation>Code de sortie : 0 aucun fake ou suspect trouvé / recherche fructueuse / liste ou programme à jour ou liste
mise à jour / watch arrêté par SIGINT ou SIGTERM ; 1 fakes ou suspects trouvés / aucun résultat de recherche /
un programme plus récent ; 2 la commande n&apos;a pas pu s&apos;exécuter (liste de fakes illisible, aucune liste avec
--no-inspect, pas de répertoire temporaire ou un répertoire illisible, pas d&apos;adresse de mise à jour ou une mise
à jour échouée, un fichier impossible à écrire, pas de connexion aMule, erreur d&apos;utilisation) ; 3 check --update :
la mise à jour a échoué, la liste locale a tout de même trouvé des fakes ou des suspects.</translation>
    </message>
    <message>
        <source>Subcommands</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Aucun fichier ou dossier de ce type</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>N&apos;est pas un répertoire</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Erreur d&apos;entrée/sortie</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Trop de niveaux de liens symboliques</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>c&apos;est un répertoire</translation>
    </message>
    <message>
        <source>it is a FIFO, not a regular file</source>
        <translation>c&apos;est un FIFO, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than 4 GiB</source>
        <translation>elle dépasse 4 Gio</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>elle ne peut pas être lue</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>elle est vide</translation>
    </message>
    <message>
        <source>With --amule: pause each fake, record it in MYFAKES.DAT and cancel it whenever it comes back under any name</source>
        <translation>Avec --amule : mettre en pause chaque fake, l&apos;inscrire dans MYFAKES.DAT et l&apos;annuler chaque fois qu&apos;il revient, sous n&apos;importe quel nom</translation>
    </message>
    <message>
        <source>With --guard: cancel each fake rather than pausing it</source>
        <translation>Avec --guard : annuler chaque fake au lieu de le mettre en pause</translation>
    </message>
    <message>
        <source>With --guard: suspects too, not only what a list or you marked</source>
        <translation>Avec --guard : les suspects aussi, pas seulement ce qu&apos;une liste ou vous avez marqué</translation>
    </message>
    <message>
        <source>Cancelled in aMule: %1</source>
        <translation>Annulé dans aMule : %1</translation>
    </message>
    <message>
        <source>Cancelled in aMule, it came back: %1</source>
        <translation>Annulé dans aMule, il est revenu : %1</translation>
    </message>
    <message>
        <source>Cancelled in aMule, it came back: %1 (seen before as %2)</source>
        <translation>Annulé dans aMule, il est revenu : %1 (vu auparavant sous %2)</translation>
    </message>
    <message>
        <source>aMule refused to act on %1: %2</source>
        <translation>aMule a refusé d&apos;agir sur %1 : %2</translation>
    </message>
    <message>
        <source>Could not record %1 in MYFAKES.DAT: %2</source>
        <translation>Impossible d&apos;inscrire %1 dans MYFAKES.DAT : %2</translation>
    </message>
    <message>
        <source>aMule does not answer (%1); the watch goes on and acts once it does.</source>
        <translation>aMule ne répond pas (%1) ; la surveillance continue et agit dès qu&apos;il répond.</translation>
    </message>
    <message>
        <source>aMule answers again at %1.</source>
        <translation>aMule répond de nouveau à %1.</translation>
    </message>
    <message>
        <source>Watching the aMule queue at %1; new downloads are checked within %2 s (Ctrl+C ends, SIGHUP reads the lists again)</source>
        <translation>Surveillance de la file d&apos;aMule à %1 ; les nouveaux téléchargements sont vérifiés en %2 s (Ctrl+C termine, SIGHUP relit les listes)</translation>
    </message>
    <message>
        <source>The temp directory is not readable here: downloads are judged by name, the lists and what aMule says.</source>
        <translation>Le dossier temporaire n&apos;est pas lisible ici : les téléchargements sont jugés sur leur nom, les listes et ce que dit aMule.</translation>
    </message>
    <message>
        <source>POST each finding and each action of the guard to URL as JSON (hash, name, size, verdict, reasons, action, time); never holds up the watch</source>
        <translation>Envoyer chaque trouvaille et chaque action de la garde à URL en JSON (POST : hash, name, size, verdict, reasons, action, time) ; ne retient jamais la surveillance</translation>
    </message>
    <message>
        <source>Could not post the notice of %1 to --notify-url: %2</source>
        <translation>Impossible d&apos;envoyer l&apos;avis concernant %1 à --notify-url : %2</translation>
    </message>
    <message>
        <source>Watch the downloads and show the findings as a web page and a JSON API (on this machine only, unless --listen says otherwise)</source>
        <translation>Surveiller les téléchargements et montrer les résultats dans une page web et une API JSON (sur cette machine seulement, sauf indication contraire de --listen)</translation>
    </message>
    <message>
        <source>Address and port to listen on (default 127.0.0.1:4719; 0.0.0.0:PORT for every network)</source>
        <translation>Adresse et port d&apos;écoute (par défaut 127.0.0.1:4719 ; 0.0.0.0:PORT pour tous les réseaux)</translation>
    </message>
    <message>
        <source>File holding the access token (default: serve-token beside the lists; made when missing, readable by you only)</source>
        <translation>Fichier contenant le jeton d&apos;accès (par défaut : serve-token à côté des listes ; créé s&apos;il manque, lisible par vous seul)</translation>
    </message>
    <message>
        <source>A name the page may be opened by besides this machine&apos;s own name and addresses (repeatable)</source>
        <translation>Un nom sous lequel la page peut être ouverte, en plus du nom et des adresses de cette machine (répétable)</translation>
    </message>
    <message>
        <source>--listen %1: not an address and port (such as 127.0.0.1:4719).</source>
        <translation>--listen %1 : ce n&apos;est pas une adresse et un port (tel que 127.0.0.1:4719).</translation>
    </message>
    <message>
        <source>Serving the page; open this address (it holds the access token):</source>
        <translation>La page est servie ; ouvrez cette adresse (elle contient le jeton d&apos;accès) :</translation>
    </message>
    <message>
        <source>Another &apos;%1&apos; (process %2) serves %3 already.</source>
        <translation>Un autre &apos;%1&apos; (processus %2) sert déjà %3.</translation>
    </message>
    <message>
        <source>Cannot read or make the token file %1: %2</source>
        <translation>Impossible de lire ou de créer le fichier de jeton %1 : %2</translation>
    </message>
    <message>
        <source>Cannot listen on %1: %2</source>
        <translation>Impossible d&apos;écouter sur %1 : %2</translation>
    </message>
    <message>
        <source>Paused in eMule: %1</source>
        <translation>Mis en pause dans eMule : %1</translation>
    </message>
    <message>
        <source>--pause-fakes needs --amule or --emule.</source>
        <translation>--pause-fakes demande --amule ou --emule.</translation>
    </message>
    <message>
        <source>eMule&apos;s Web Interface password: </source>
        <translation>Mot de passe de l&apos;interface web d&apos;eMule : </translation>
    </message>
    <message>
        <source>No preferences.ini of eMule found: pass HOST[:PORT], or import eMule&apos;s preferences.ini first (kestrivane-cli import FILE).</source>
        <translation>Aucun preferences.ini d&apos;eMule trouvé : indiquez HOTE[:PORT], ou importez d&apos;abord le preferences.ini d&apos;eMule (kestrivane-cli import FICHIER).</translation>
    </message>
    <message>
        <source>eMule&apos;s Web Interface is off (Enabled in %1): turn it on in eMule&apos;s options, Web Interface, or pass HOST[:PORT].</source>
        <translation>L&apos;interface web d&apos;eMule est désactivée (Enabled dans %1) : activez-la dans les options d&apos;eMule, Interface web, ou indiquez HOTE[:PORT].</translation>
    </message>
    <message>
        <source>%1 (%2). Check that eMule runs there with its Web Interface on, or run &apos;kestrivane-cli emule connect&apos; again.</source>
        <translation>%1 (%2). Vérifiez qu&apos;eMule tourne là avec son interface web activée, ou relancez &apos;kestrivane-cli emule connect&apos;.</translation>
    </message>
    <message>
        <source>Cancelling deletes the downloads in eMule: pass --yes to confirm.</source>
        <translation>Annuler supprime les téléchargements dans eMule : passez --yes pour confirmer.</translation>
    </message>
    <message>
        <source>Cancel this download in eMule and delete what has arrived? [y/N] </source>
        <translation>Annuler ce téléchargement dans eMule et supprimer ce qui est arrivé ? [y/N] </translation>
    </message>
    <message>
        <source>Cancel %1 downloads in eMule and delete what has arrived? [y/N] </source>
        <translation>Annuler %1 téléchargements dans eMule et supprimer ce qui est arrivé ? [y/N] </translation>
    </message>
    <message>
        <source>Connected to eMule&apos;s Web Interface at %1; stored in %2.</source>
        <translation>Connecté à l&apos;interface web d&apos;eMule à %1 ; enregistré dans %2.</translation>
    </message>
    <message>
        <source>eMule has no download %1.</source>
        <translation>eMule n&apos;a pas de téléchargement %1.</translation>
    </message>
    <message>
        <source>Act in eMule over its Web Interface (on this machine, under Wine or on another machine)</source>
        <translation>Agir dans eMule par son interface web (sur cette machine, sous Wine ou sur une autre machine)</translation>
    </message>
    <message>
        <source>Log in to eMule&apos;s Web Interface and store where it is and its password (readable by you only) for the other emule commands</source>
        <translation>Se connecter à l&apos;interface web d&apos;eMule et enregistrer son adresse et son mot de passe (lisible par vous seul) pour les autres commandes emule</translation>
    </message>
    <message>
        <source>Where eMule&apos;s Web Interface listens (port default 4711); none: this machine, at the port of the imported or detected preferences.ini</source>
        <translation>Où écoute l&apos;interface web d&apos;eMule (port par défaut 4711) ; aucun : cette machine, au port du preferences.ini importé ou détecté</translation>
    </message>
    <message>
        <source>Pause downloads in eMule (undone with resume)</source>
        <translation>Mettre en pause des téléchargements dans eMule (annulé par resume)</translation>
    </message>
    <message>
        <source>Resume paused or stopped downloads in eMule</source>
        <translation>Reprendre dans eMule des téléchargements en pause ou arrêtés</translation>
    </message>
    <message>
        <source>Stop downloads in eMule (they keep their place but ask no sources)</source>
        <translation>Arrêter des téléchargements dans eMule (ils gardent leur place mais ne demandent aucune source)</translation>
    </message>
    <message>
        <source>Cancel downloads in eMule: deletes what has arrived; asks first on a terminal</source>
        <translation>Annuler des téléchargements dans eMule : supprime ce qui est arrivé ; demande d&apos;abord sur un terminal</translation>
    </message>
    <message>
        <source>A download by its ed2k hash</source>
        <translation>Un téléchargement par son hash ed2k</translation>
    </message>
    <message>
        <source>Check the downloads eMule&apos;s Web Interface lists (see &apos;emule connect&apos;) instead of the temp directory&apos;s .part.met files</source>
        <translation>Vérifier les téléchargements que liste l&apos;interface web d&apos;eMule (voir &apos;emule connect&apos;) au lieu des fichiers .part.met du dossier temporaire</translation>
    </message>
    <message>
        <source>With --amule or --emule: pause every listed fake and suspect in that client</source>
        <translation>Avec --amule ou --emule : mettre en pause dans ce client chaque fake et suspect listé</translation>
    </message>
    <message>
        <source>Not inspected: %1 downloads, whose data is not readable here. Pass eMule&apos;s temp directory with --temp-dir, or run Kestrivane on the eMule machine, to inspect them.</source>
        <translation>Non inspectés : %1 téléchargements, dont les données ne sont pas lisibles ici. Indiquez le dossier temporaire d&apos;eMule avec --temp-dir, ou lancez Kestrivane sur la machine d&apos;eMule, pour les inspecter.</translation>
    </message>
    <message>
        <source>No eMule Web Interface stored: run &apos;kestrivane-cli emule connect&apos; first.</source>
        <translation>Aucune interface web d&apos;eMule enregistrée : lancez d&apos;abord &apos;kestrivane-cli emule connect&apos;.</translation>
    </message>
    <message>
        <source>Show each finding and each action of the guard as a desktop notification (the session bus&apos;s Notifications service)</source>
        <translation>Afficher chaque découverte et chaque action du gardien en notification de bureau (service Notifications du bus de session)</translation>
    </message>
    <message>
        <source>Show each finding as a desktop notification (the session bus&apos;s Notifications service)</source>
        <translation>Afficher chaque découverte en notification de bureau (service Notifications du bus de session)</translation>
    </message>
    <message>
        <source>Desktop notifications cannot be shown (%1); the watch goes on without them.</source>
        <translation>Les notifications de bureau ne peuvent pas être affichées (%1) ; la surveillance continue sans elles.</translation>
    </message>
    <message>
        <source>Kestrivane: fake paused in aMule</source>
        <translation>Kestrivane : faux mis en pause dans aMule</translation>
    </message>
    <message>
        <source>Kestrivane: suspect paused in aMule</source>
        <translation>Kestrivane : suspect mis en pause dans aMule</translation>
    </message>
    <message>
        <source>Kestrivane: fake cancelled in aMule</source>
        <translation>Kestrivane : faux annulé dans aMule</translation>
    </message>
    <message>
        <source>Kestrivane: suspect cancelled in aMule</source>
        <translation>Kestrivane : suspect annulé dans aMule</translation>
    </message>
    <message>
        <source>Kestrivane: fake came back, cancelled in aMule</source>
        <translation>Kestrivane : faux revenu, annulé dans aMule</translation>
    </message>
    <message>
        <source>Kestrivane: fake found</source>
        <translation>Kestrivane : faux trouvé</translation>
    </message>
    <message>
        <source>Kestrivane: suspect found</source>
        <translation>Kestrivane : suspect trouvé</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Sections</source>
        <translation>Sections</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Téléchargements</translation>
    </message>
    <message>
        <source>Check links</source>
        <translation>Vérifier des liens</translation>
    </message>
    <message>
        <source>Fake lists</source>
        <translation>Listes de fakes</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Fakes and suspects</source>
        <translation>Fakes et suspects</translation>
    </message>
    <message>
        <source>Fakes</source>
        <translation>Fakes</translation>
    </message>
    <message>
        <source>Suspects</source>
        <translation>Suspects</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Vérifier maintenant</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>In aMule</source>
        <translation>Dans aMule</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Paste ed2k links (one a line, or any text that holds them):</source>
        <translation>Collez des liens ed2k (un par ligne, ou tout texte qui en contient) :</translation>
    </message>
    <message>
        <source>Check the links</source>
        <translation>Vérifier les liens</translation>
    </message>
    <message>
        <source>Add the clean ones to aMule</source>
        <translation>Ajouter les liens sains à aMule</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Update the fake list</source>
        <translation>Mettre à jour la liste de fakes</translation>
    </message>
    <message>
        <source>Your own list</source>
        <translation>Votre propre liste</translation>
    </message>
    <message>
        <source>Hash</source>
        <translation>Hash</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Your own list holds no record yet.</source>
        <translation>Votre propre liste ne contient encore aucune entrée.</translation>
    </message>
    <message>
        <source>Cancel the download?</source>
        <translation>Annuler le téléchargement ?</translation>
    </message>
    <message>
        <source>aMule stops it and deletes what it has downloaded of it.</source>
        <translation>aMule l&apos;arrête et supprime ce qui en a déjà été téléchargé.</translation>
    </message>
    <message>
        <source>Cancel the download</source>
        <translation>Annuler le téléchargement</translation>
    </message>
    <message>
        <source>Keep it</source>
        <translation>Le garder</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Le serveur a répondu %1.</translation>
    </message>
    <message>
        <source>The server cannot be reached.</source>
        <translation>Le serveur est injoignable.</translation>
    </message>
    <message>
        <source>Not logged in: open the address with the token that &apos;kestrivane-cli serve&apos; printed.</source>
        <translation>Non connecté : ouvrez l&apos;adresse avec le jeton qu&apos;a affichée &apos;kestrivane-cli serve&apos;.</translation>
    </message>
    <message>
        <source>No fake list is loaded and the content check is off: mark fakes or set an update address.</source>
        <translation>Aucune liste de fakes n&apos;est chargée et la vérification du contenu est désactivée : marquez des fakes ou indiquez une adresse de mise à jour.</translation>
    </message>
    <message>
        <source>The fake list %1 is missing.</source>
        <translation>La liste de fakes %1 est introuvable.</translation>
    </message>
    <message>
        <source>The fake list %1 cannot be read: %2</source>
        <translation>La liste de fakes %1 ne peut pas être lue : %2</translation>
    </message>
    <message>
        <source>No temp directory is set: import the client&apos;s settings or start serve with --temp-dir.</source>
        <translation>Aucun dossier temporaire n&apos;est défini : importez les réglages du client ou lancez serve avec --temp-dir.</translation>
    </message>
    <message>
        <source>The temp directory %1 is gone.</source>
        <translation>Le dossier temporaire %1 a disparu.</translation>
    </message>
    <message>
        <source>The temp directory %1 cannot be read: %2</source>
        <translation>Le dossier temporaire %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>Something went wrong: %1</source>
        <translation>Une erreur s&apos;est produite : %1</translation>
    </message>
    <message>
        <source>aMule connected</source>
        <translation>aMule connecté</translation>
    </message>
    <message>
        <source>aMule lost</source>
        <translation>aMule perdu</translation>
    </message>
    <message>
        <source>No aMule connection</source>
        <translation>Pas de connexion à aMule</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>En direct</translation>
    </message>
    <message>
        <source>Live updates lost; trying again...</source>
        <translation>Mises à jour en direct perdues ; nouvel essai...</translation>
    </message>
    <message>
        <source>Not a fake (allowed)</source>
        <translation>Pas un fake (autorisé)</translation>
    </message>
    <message>
        <source>Fake</source>
        <translation>Fake</translation>
    </message>
    <message>
        <source>Suspect: %1</source>
        <translation>Suspect : %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Hashing</source>
        <translation>Calcul du hash</translation>
    </message>
    <message>
        <source>Completing</source>
        <translation>Finalisation</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Sources: %1</source>
        <translation>Sources : %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Cancel...</source>
        <translation>Annuler...</translation>
    </message>
    <message>
        <source>Not a fake</source>
        <translation>Pas un fake</translation>
    </message>
    <message>
        <source>Mark as fake</source>
        <translation>Marquer comme fake</translation>
    </message>
    <message>
        <source>Downloads: %1, fakes: %2, suspects: %3</source>
        <translation>Téléchargements : %1, fakes : %2, suspects : %3</translation>
    </message>
    <message>
        <source>No download matches.</source>
        <translation>Aucun téléchargement ne correspond.</translation>
    </message>
    <message>
        <source>No download to show.</source>
        <translation>Aucun téléchargement à afficher.</translation>
    </message>
    <message>
        <source>Check finished.</source>
        <translation>Vérification terminée.</translation>
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
        <source>Not a fake any more: %1</source>
        <translation>N&apos;est plus un fake : %1</translation>
    </message>
    <message>
        <source>Marked as a fake: %1</source>
        <translation>Marqué comme fake : %1</translation>
    </message>
    <message>
        <source>Paste one or more ed2k links first.</source>
        <translation>Collez d&apos;abord un ou plusieurs liens ed2k.</translation>
    </message>
    <message>
        <source>Clean links added to aMule: %1</source>
        <translation>Liens sains ajoutés à aMule : %1</translation>
    </message>
    <message>
        <source>Links checked: %1, fakes: %2</source>
        <translation>Liens vérifiés : %1, fakes : %2</translation>
    </message>
    <message>
        <source>Updating the fake list...</source>
        <translation>Mise à jour de la liste de fakes...</translation>
    </message>
    <message>
        <source>The fake list is up to date.</source>
        <translation>La liste de fakes est à jour.</translation>
    </message>
    <message>
        <source>Check started.</source>
        <translation>Vérification lancée.</translation>
    </message>
    <message>
        <source>Fake list</source>
        <translation>Liste de fakes</translation>
    </message>
    <message>
        <source>Records loaded</source>
        <translation>Entrées chargées</translation>
    </message>
    <message>
        <source>Records in your own list</source>
        <translation>Entrées de votre propre liste</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Why is it a fake? (kept in your own list)</source>
        <translation>Pourquoi est-ce un fake ? (noté dans votre propre liste)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Not added: %1 (%2)</source>
        <translation>Non ajouté : %1 (%2)</translation>
    </message>
    <message>
        <source>loaded</source>
        <translation>chargée</translation>
    </message>
    <message>
        <source>not loaded</source>
        <translation>non chargée</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>absente</translation>
    </message>
    <message>
        <source>The fake list was updated.</source>
        <translation>La liste de fakes a été mise à jour.</translation>
    </message>
    <message>
        <source>Show them all</source>
        <translation>Tout afficher</translation>
    </message>
    <message>
        <source>Showing %1 of %2 rows.</source>
        <translation>%1 lignes affichées sur %2.</translation>
    </message>
</context>
</TS>
