<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Messages</name>
    <message>
        <source>There is no public fake list: mark fakes yourself (right-click &gt; Mark as fake...), or set a group&apos;s address in Extras &gt; Options.</source>
        <translation>Il n&apos;existe pas de liste publique de faux : marquez vous-même les faux (clic droit &gt; Marquer comme faux...) ou indiquez l&apos;adresse d&apos;un groupe dans Extras &gt; Options.</translation>
    </message>
    <message>
        <source>No site to ask for a newer Kestrivane is set: store one as KestrivaneDownloadURL in Kestrivane.ini, or run &apos;kestrivane-cli update --program --site URL&apos;.</source>
        <translation>Aucun site à interroger pour une version plus récente de Kestrivane n&apos;est défini : indiquez-en un comme KestrivaneDownloadURL dans Kestrivane.ini, ou lancez &apos;kestrivane-cli update --program --site URL&apos;.</translation>
    </message>
    <message>
        <source>No feedback address is set: store one as FeedbackAddress in Kestrivane.ini.</source>
        <translation>Aucune adresse de retour n&apos;est définie : indiquez-en une comme FeedbackAddress dans Kestrivane.ini.</translation>
    </message>
    <message>
        <source>Tip of the day: ALT-F (Check File), CTRL-F (Download Fakes-DB)</source>
        <translation>Astuce du jour : ALT-F (vérifier les fichiers), CTRL-F (télécharger la Fakes-DB)</translation>
    </message>
    <message>
        <source>No FAKES-DB found. Please &apos;Update DB&apos;.</source>
        <translation>Aucune FAKES-DB trouvée. Veuillez choisir &apos;Mettre à jour la DB&apos;.</translation>
    </message>
    <message>
        <source>Reading *.part.met and matching with FAKE-DB...</source>
        <translation>Lecture des *.part.met et comparaison avec la FAKE-DB...</translation>
    </message>
    <message>
        <source>Partname</source>
        <translation>Nom du part</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Error-Description</source>
        <translation>Description de l&apos;erreur</translation>
    </message>
    <message>
        <source>Error:<byte value="xd"/>
No &apos;[eDonkey] TempPath=&apos; or &apos;[eMule] TempDir=&apos;<byte value="xd"/>
in Kestrivane.ini found!<byte value="xd"/>
<byte value="xd"/>
Use Menu &apos;File, Open ...&apos;</source>
        <translation>Erreur :<byte value="xd"/>
Aucun &apos;[eDonkey] TempPath=&apos; ou &apos;[eMule] TempDir=&apos;<byte value="xd"/>
trouvé dans Kestrivane.ini !<byte value="xd"/>
<byte value="xd"/>
Utilisez le menu &apos;Fichier, Ouvrir ...&apos;</translation>
    </message>
    <message>
        <source>Please wait, version check is running...</source>
        <translation>Veuillez patienter, vérification de la version en cours...</translation>
    </message>
    <message>
        <source>Proxy Authentication is not implemented yet</source>
        <translation>L&apos;authentification proxy n&apos;est pas encore prise en charge</translation>
    </message>
    <message>
        <source>You already have the newest FAKE-DB...</source>
        <translation>Vous avez déjà la FAKE-DB la plus récente...</translation>
    </message>
    <message>
        <source>You already have the newest Kestrivane-Version...</source>
        <translation>Vous avez déjà la version la plus récente de Kestrivane...</translation>
    </message>
    <message>
        <source>The version record names no usable setup file.</source>
        <translation>L&apos;enregistrement de version ne nomme aucun fichier d&apos;installation utilisable.</translation>
    </message>
    <message>
        <source>Opening URL...</source>
        <translation>Ouverture de l&apos;URL...</translation>
    </message>
    <message>
        <source>Could not connect to the internet</source>
        <translation>Connexion à Internet impossible</translation>
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
        <source>Error: No &apos;temp!&apos; entry in pref.met found!</source>
        <translation>Erreur : aucune entrée &apos;temp!&apos; trouvée dans pref.met !</translation>
    </message>
    <message>
        <source>Error: No &apos;[eMule] TempDir=&apos; in preferences.ini found!</source>
        <translation>Erreur : aucun &apos;[eMule] TempDir=&apos; trouvé dans preferences.ini !</translation>
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
        <source>Errors occurred.  Could not open link.</source>
        <translation>Des erreurs sont survenues. Impossible d&apos;ouvrir le lien.</translation>
    </message>
    <message>
        <source>Fake list not used</source>
        <translation>Liste de fakes non utilisée</translation>
    </message>
    <message>
        <source>Mark as fake</source>
        <translation>Marquer comme fake</translation>
    </message>
    <message>
        <source>Why is this download a fake? (kept in your own list MYFAKES.DAT)</source>
        <translation>Pourquoi ce téléchargement est-il un fake ? (conservé dans votre liste MYFAKES.DAT)</translation>
    </message>
    <message>
        <source>A tab stop is a whole number of dialog units, 0 to 32767.</source>
        <translation>Un taquet de tabulation est un nombre entier d&apos;unités de dialogue, de 0 à 32767.</translation>
    </message>
    <message>
        <source>Select a download in the result of a check first.</source>
        <translation>Sélectionnez d&apos;abord un téléchargement dans le résultat d&apos;une vérification.</translation>
    </message>
    <message>
        <source>This download has no ed2k hash; it cannot be marked.</source>
        <translation>Ce téléchargement n&apos;a pas de hash ed2k ; il ne peut pas être marqué.</translation>
    </message>
    <message>
        <source>Your own fake list MYFAKES.DAT holds no record yet.</source>
        <translation>Votre liste de fakes MYFAKES.DAT ne contient encore aucun enregistrement.</translation>
    </message>
    <message>
        <source>Kestrivane Version%1 / Total %2 Fakes in DB</source>
        <translation>Kestrivane version%1 / %2 fakes au total dans la DB</translation>
    </message>
    <message>
        <source>File %1 not found! Please download FAKE-DB!</source>
        <translation>Fichier %1 introuvable ! Veuillez télécharger la FAKE-DB !</translation>
    </message>
    <message>
        <source>Temp directory %1 not found!</source>
        <translation>Dossier temporaire %1 introuvable !</translation>
    </message>
    <message>
        <source>Finished! Found %1 part.met-File with Text &apos;%2&apos;</source>
        <translation>Terminé ! %1 fichier(s) part.met contenant le texte &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes in %2 checked .part.met</source>
        <translation>Terminé ! %1 fakes trouvés dans %2 .part.met vérifiés</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes in %2 checked .part.met, %3 could not be read</source>
        <translation>Terminé ! %1 fakes trouvés dans %2 .part.met vérifiés, %3 illisibles</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes and %2 Suspects in %3 checked .part.met</source>
        <translation>Terminé ! %1 fakes et %2 suspects trouvés dans %3 .part.met vérifiés</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes and %2 Suspects in %3 checked .part.met, %4 could not be read</source>
        <translation>Terminé ! %1 fakes et %2 suspects trouvés dans %3 .part.met vérifiés, %4 illisibles</translation>
    </message>
    <message>
        <source>Reading: %1 Bytes. Please wait...</source>
        <translation>Lecture : %1 octets. Veuillez patienter...</translation>
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
        <source>Download finished! New %1 written...</source>
        <translation>Téléchargement terminé ! Nouveau %1 écrit...</translation>
    </message>
    <message>
        <source>New FAKE-DB - Version %1 available! Please download it now...</source>
        <translation>Nouvelle FAKE-DB - version %1 disponible ! Téléchargez-la maintenant...</translation>
    </message>
    <message>
        <source>New Kestrivane-Version %1 available! Please download it now...</source>
        <translation>Nouvelle version de Kestrivane %1 disponible ! Téléchargez-la maintenant...</translation>
    </message>
    <message>
        <source>The fake list at %1 has not changed since the last download.</source>
        <translation>La liste de fakes à %1 n&apos;a pas changé depuis le dernier téléchargement.</translation>
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
        <source>Your own list MYFAKES.DAT does not name %1.</source>
        <translation>Votre liste MYFAKES.DAT ne contient pas %1.</translation>
    </message>
    <message>
        <source>%1 list line(s) copied to the clipboard.</source>
        <translation>%1 ligne(s) de liste copiée(s) dans le presse-papiers.</translation>
    </message>
    <message>
        <source>%1 list line(s) of MYFAKES.DAT written to %2</source>
        <translation>%1 ligne(s) de MYFAKES.DAT écrite(s) dans %2</translation>
    </message>
    <message>
        <source> Temp directory of the client:</source>
        <translation> Dossier temporaire du client :</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>Choose the client&apos;s temp directory</source>
        <translation>Choisir le dossier temporaire du client</translation>
    </message>
    <message>
        <source>Check ed2k links</source>
        <translation>Vérifier des liens ed2k</translation>
    </message>
    <message>
        <source>No fake list loaded: the links were checked by their names and part hashes only.</source>
        <translation>Aucune liste de fakes chargée : les liens n&apos;ont été vérifiés que d&apos;après leurs noms et hashes de parties.</translation>
    </message>
    <message>
        <source>Paste ed2k or magnet links (or any text holding them) first.</source>
        <translation>Collez d&apos;abord des liens ed2k ou magnet (ou un texte qui en contient).</translation>
    </message>
    <message>
        <source>Welcome to Kestrivane</source>
        <translation>Bienvenue dans Kestrivane</translation>
    </message>
    <message>
        <source>Kestrivane compares every unfinished download of your eMule, aMule or eDonkey client with fake lists: files of ed2k hashes found to be fakes (a trailer, an advertisement, another film). There is no public fake list, and the content check below works without one. To have a list, mark the fakes you find yourself (right click on a row, &apos;Mark as fake&apos;), or, if a group you belong to keeps a list, enter its update address in the field below. The field may stay empty.</source>
        <translation>Kestrivane compare chaque téléchargement inachevé de votre client eMule, aMule ou eDonkey à des listes de fakes : des fichiers de hashes ed2k reconnus comme des fakes (une bande-annonce, une publicité, un autre film). Il n&apos;existe pas de liste de fakes publique, et la vérification du contenu ci-dessous fonctionne sans. Pour avoir une liste, marquez vous-même les fakes trouvés (clic droit sur une ligne, &apos;Marquer comme fake&apos;), ou, si un groupe dont vous faites partie tient une liste, saisissez son adresse de mise à jour dans le champ ci-dessous. Le champ peut rester vide.</translation>
    </message>
    <message>
        <source>Without a list the check still looks at the first bytes each download has received and marks what does not match its name as &quot;Suspect: ...&quot;.</source>
        <translation>Même sans liste, la vérification examine les premiers octets reçus de chaque téléchargement et marque ce qui ne correspond pas à son nom comme &quot;Suspect: ...&quot;.</translation>
    </message>
    <message>
        <source>Client settings found on this computer (the check reads its temp directory):</source>
        <translation>Réglages de client trouvés sur cet ordinateur (la vérification lit leur dossier temporaire) :</translation>
    </message>
    <message>
        <source>None of these: I will choose the file later (File, Open eMule / Open eDonkey)</source>
        <translation>Aucun : je choisirai le fichier plus tard (Fichier, Ouvrir eMule / Ouvrir eDonkey)</translation>
    </message>
    <message>
        <source>No client settings found in ~/.aMule or the Wine prefix ~/.wine. Choose the file later with File, Open eMule or Open eDonkey.</source>
        <translation>Aucun réglage de client trouvé dans ~/.aMule ni dans le préfixe Wine ~/.wine. Choisissez le fichier plus tard avec Fichier, Ouvrir eMule ou Ouvrir eDonkey.</translation>
    </message>
    <message>
        <source>Update address of a group&apos;s fake list (optional):</source>
        <translation>Adresse de mise à jour de la liste de fakes d&apos;un groupe (facultatif) :</translation>
    </message>
    <message>
        <source>Not a fake</source>
        <translation>Pas un fake</translation>
    </message>
    <message>
        <source>Why is this download not a fake? (kept in your own list MYFAKES.DAT)</source>
        <translation>Pourquoi ce téléchargement n&apos;est-il pas un fake ? (conservé dans votre propre liste MYFAKES.DAT)</translation>
    </message>
    <message>
        <source>Recorded as not a fake in MYFAKES.DAT: %1</source>
        <translation>Enregistré comme pas un fake dans MYFAKES.DAT : %1</translation>
    </message>
    <message>
        <source>No update address is set. There is no public fake list; the content check works without one. Mark fakes yourself, or enter a group&apos;s update address in Extras &gt; Options.</source>
        <translation>Aucune adresse de mise à jour n&apos;est définie. Il n&apos;existe pas de liste de fakes publique ; la vérification du contenu fonctionne sans. Marquez vous-même les fakes, ou saisissez l&apos;adresse de mise à jour d&apos;un groupe dans Extras &gt; Options.</translation>
    </message>
    <message>
        <source>Enter the password of aMule&apos;s External Connections.</source>
        <translation>Saisissez le mot de passe des connexions externes d&apos;aMule.</translation>
    </message>
    <message>
        <source>No aMule connection stored: enter it in Extras &gt; Options.</source>
        <translation>Aucune connexion aMule enregistrée : saisissez-la dans Extras &gt; Options.</translation>
    </message>
    <message>
        <source>Asking aMule for its downloads...</source>
        <translation>Demande de ses téléchargements à aMule...</translation>
    </message>
    <message>
        <source>Cancel in aMule</source>
        <translation>Annuler dans aMule</translation>
    </message>
    <message>
        <source>No amule.conf found in ~/.aMule.</source>
        <translation>Aucun amule.conf trouvé dans ~/.aMule.</translation>
    </message>
    <message>
        <source>aMule does not accept External Connections: turn on remote controls in aMule&apos;s preferences.</source>
        <translation>aMule n&apos;accepte pas les connexions externes : activez le contrôle à distance dans les préférences d&apos;aMule.</translation>
    </message>
    <message>
        <source>Not a host and port for aMule: %1</source>
        <translation>Pas un hôte et un port pour aMule : %1</translation>
    </message>
    <message>
        <source>Could not log in to aMule: %1. Nothing stored.</source>
        <translation>Connexion à aMule impossible : %1. Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Connected to aMule %1; the connection is stored.</source>
        <translation>Connecté à aMule %1 ; la connexion est enregistrée.</translation>
    </message>
    <message>
        <source>aMule: %1</source>
        <translation>aMule : %1</translation>
    </message>
    <message>
        <source>Paused in aMule: %1</source>
        <translation>Mis en pause dans aMule : %1</translation>
    </message>
    <message>
        <source>Resumed in aMule: %1</source>
        <translation>Repris dans aMule : %1</translation>
    </message>
    <message>
        <source>Cancelled in aMule: %1</source>
        <translation>Annulé dans aMule : %1</translation>
    </message>
    <message>
        <source>aMule did not take the command for %1: %2</source>
        <translation>aMule n&apos;a pas accepté la commande pour %1 : %2</translation>
    </message>
    <message>
        <source>Cancel %1 in aMule and delete what has arrived?</source>
        <translation>Annuler %1 dans aMule et supprimer ce qui est déjà arrivé ?</translation>
    </message>
    <message>
        <source>And never download %1 again? Its hash goes into your own list, and the guard cancels it whenever it comes back, under any name.</source>
        <translation>Et ne plus jamais télécharger %1 ? Son hash va dans votre propre liste, et la garde l'annule chaque fois qu'il revient, sous n'importe quel nom.</translation>
    </message>
    <message>
        <source>Cancelled in aMule and kept out for good: %1</source>
        <translation>Annulé dans aMule et écarté pour de bon : %1</translation>
    </message>
    <message>
        <source>Clean links added to aMule: %1 of %2</source>
        <translation>Liens sains ajoutés à aMule : %1 sur %2</translation>
    </message>
    <message>
        <source>Not added to aMule: %1 (%2)</source>
        <translation>Non ajouté à aMule : %1 (%2)</translation>
    </message>
    <message>
        <source>Search for eDonkey-PREF.MET-File</source>
        <translation>Rechercher le fichier PREF.MET d&apos;eDonkey</translation>
    </message>
    <message>
        <source>Search for eMule-Preferences.INI-File</source>
        <translation>Rechercher le fichier Preferences.INI d&apos;eMule</translation>
    </message>
    <message>
        <source>eDonkey pref.met-File (pref.met)</source>
        <translation>Fichier pref.met d&apos;eDonkey (pref.met)</translation>
    </message>
    <message>
        <source>eMule preferences.ini-File (preferences.ini)</source>
        <translation>Fichier preferences.ini d&apos;eMule (preferences.ini)</translation>
    </message>
    <message>
        <source>aMule amule.conf-File (amule.conf)</source>
        <translation>Fichier amule.conf d&apos;aMule (amule.conf)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Fake lists (*.DAT)</source>
        <translation>Listes de fakes (*.DAT)</translation>
    </message>
    <message>
        <source>eMule collections</source>
        <translation>Collections eMule</translation>
    </message>
    <message>
        <source>Text files and web pages</source>
        <translation>Fichiers texte et pages web</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Export my fake list</source>
        <translation>Exporter ma liste de fakes</translation>
    </message>
    <message>
        <source>Choose another file: MYFAKES.DAT and FAKES.DAT in the program directory are the lists in use.</source>
        <translation>Choisissez un autre fichier : MYFAKES.DAT et FAKES.DAT dans le dossier du programme sont les listes utilisées.</translation>
    </message>
    <message>
        <source>Open ed2k links or an eMule collection</source>
        <translation>Ouvrir des liens ed2k ou une collection eMule</translation>
    </message>
    <message>
        <source>What could this error be?</source>
        <translation>Quelle peut bien être cette erreur ?</translation>
    </message>
    <message>
        <source>Cannot read the temp directory %1: %2.</source>
        <translation>Impossible de lire le dossier temporaire %1 : %2.</translation>
    </message>
    <message>
        <source>Could not read the fake list %1: %2.</source>
        <translation>Impossible de lire la liste de fakes %1 : %2.</translation>
    </message>
    <message>
        <source>Could not read the fake list %1.</source>
        <translation>Impossible de lire la liste de fakes %1.</translation>
    </message>
    <message>
        <source>%1 is too large to check for links (%2 bytes; at most %3 MiB are read).</source>
        <translation>%1 est trop volumineux pour y chercher des liens (%2 octets ; au plus %3 Mio sont lus).</translation>
    </message>
    <message>
        <source>Could not read %1.</source>
        <translation>Impossible de lire %1.</translation>
    </message>
    <message>
        <source>Another Kestrivane%1 is writing in %2; try again when it has finished.</source>
        <translation>Un autre Kestrivane%1 écrit dans %2 ; réessayez quand il aura fini.</translation>
    </message>
    <message>
        <source>NEWER Kestrivane-Version %1 already downloaded .-) Please install it ...</source>
        <translation>Version PLUS RÉCENTE de Kestrivane %1 déjà téléchargée .-) Veuillez l&apos;installer ...</translation>
    </message>
    <message>
        <source>Not updated: fake list source %1 (the other sources were updated or are current).</source>
        <translation>Non mise à jour : source de liste de fakes %1 (les autres sources ont été mises à jour ou étaient déjà à jour).</translation>
    </message>
    <message>
        <source>Finished! Found %1 Fakes and %2 Suspects in %3 downloads of aMule; %4 not inspected: their data is on the aMule machine. Run Kestrivane beside aMule to inspect them.</source>
        <translation>Terminé ! %1 fakes et %2 suspects trouvés dans %3 téléchargements d&apos;aMule ; %4 non examinés : leurs données sont sur la machine d&apos;aMule. Lancez Kestrivane à côté d&apos;aMule pour les examiner.</translation>
    </message>
    <message>
        <source>In aMule</source>
        <translation>Dans aMule</translation>
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
        <translation>Suspect</translation>
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
        <translation>Hachage</translation>
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
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
</context>
<context>
    <name>kv::app::LinkFindingsModel</name>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Named by %1</source>
        <translation>Nommé par %1</translation>
    </message>
    <message>
        <source>Also suspect: %1</source>
        <translation>Suspect aussi : %1</translation>
    </message>
</context>
<context>
    <name>kv::app::CheckLinksDialog</name>
    <message>
        <source>Paste ed2k or magnet links, or any text holding them:</source>
        <translation>Collez des liens ed2k ou magnet, ou un texte qui en contient :</translation>
    </message>
    <message>
        <source>&amp;Open file...</source>
        <translation>&amp;Ouvrir un fichier...</translation>
    </message>
    <message>
        <source>Check an eMule collection or a text file</source>
        <translation>Vérifier une collection eMule ou un fichier texte</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Add the clean links to aMule</source>
        <translation>&amp;Ajouter les liens sains à aMule</translation>
    </message>
    <message>
        <source>Only the links judged OK, never a fake or a suspect; the aMule connection is set in Extras &gt; Options</source>
        <translation>Seulement les liens jugés OK, jamais un fake ni un suspect ; la connexion à aMule se règle dans Extras &gt; Options</translation>
    </message>
</context>
<context>
    <name>kv::app::FirstStartDialog</name>
    <message>
        <source>names no temp directory</source>
        <translation>n&apos;indique aucun dossier temporaire</translation>
    </message>
    <message>
        <source>temp directory %1</source>
        <translation>dossier temporaire %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>kv::app::OptionsDialog</name>
    <message>
        <source>Kestrivane-Options</source>
        <translation>Options de Kestrivane</translation>
    </message>
    <message>
        <source> Check@Startup for:</source>
        <translation> Vérifier au démarrage :</translation>
    </message>
    <message>
        <source>New Fakes-DB</source>
        <translation>Nouvelle Fakes-DB</translation>
    </message>
    <message>
        <source>New Kestrivane</source>
        <translation>Nouveau Kestrivane</translation>
    </message>
    <message>
        <source> Tab-Stops:</source>
        <translation> Tabulations :</translation>
    </message>
    <message>
        <source>Stop-Value 1:</source>
        <translation>Valeur 1 :</translation>
    </message>
    <message>
        <source>Stop-Value 2:</source>
        <translation>Valeur 2 :</translation>
    </message>
    <message>
        <source> Download URL for Fakes-DB:</source>
        <translation> URL de téléchargement de la Fakes-DB :</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source> aMule connection:</source>
        <translation> Connexion aMule :</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Hôte :</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Use the &amp;local aMule</source>
        <translation>Utiliser l&apos;aMule &amp;local</translation>
    </message>
</context>
<context>
    <name>kv::app::MainWindow</name>
    <message>
        <source>Search temporary file(s) with following content:</source>
        <translation>Chercher les fichiers temporaires contenant :</translation>
    </message>
    <message>
        <source>Enter filename to search for .part.met</source>
        <translation>Saisir le nom de fichier à chercher dans les .part.met</translation>
    </message>
    <message>
        <source>Suche starten (F3)</source>
        <translation>Lancer la recherche (F3)</translation>
    </message>
    <message>
        <source>&amp;Update DB</source>
        <translation>&amp;Mettre à jour la DB</translation>
    </message>
    <message>
        <source>Check &amp;Files</source>
        <translation>&amp;Vérifier les fichiers</translation>
    </message>
    <message>
        <source> Status:</source>
        <translation> État :</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>État :</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Open e&amp;Mule</source>
        <translation>Ouvrir e&amp;Mule</translation>
    </message>
    <message>
        <source>Open e&amp;Donkey</source>
        <translation>Ouvrir e&amp;Donkey</translation>
    </message>
    <message>
        <source>Check ed2k &amp;links...</source>
        <translation>Vérifier des &amp;liens ed2k...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Send Feedback</source>
        <translation>&amp;Envoyer un avis</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;All Files</source>
        <translation>&amp;Tous les fichiers</translation>
    </message>
    <message>
        <source>&amp;TextSearch</source>
        <translation>&amp;Recherche de texte</translation>
    </message>
    <message>
        <source>&amp;Inspect Downloads</source>
        <translation>&amp;Inspecter les téléchargements</translation>
    </message>
    <message>
        <source>Look at names and at the first bytes already downloaded for fakes no list knows</source>
        <translation>Examiner les noms et les premiers octets déjà reçus pour trouver des fakes qu&apos;aucune liste ne connaît</translation>
    </message>
    <message>
        <source>&amp;Online-Update</source>
        <translation>Mise à jour en &amp;ligne</translation>
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
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Copy &amp;ed2k-Link to Clipboard</source>
        <translation>Copier le lien &amp;ed2k dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copy ed2k-Link to Clipboard (&amp;HTML)</source>
        <translation>Copier le lien ed2k dans le presse-papiers (&amp;HTML)</translation>
    </message>
    <message>
        <source>Copy &amp;name</source>
        <translation>Copier le &amp;nom</translation>
    </message>
    <message>
        <source>Copy h&amp;ash</source>
        <translation>Copier le h&amp;ash</translation>
    </message>
    <message>
        <source>Export my &amp;fake list...</source>
        <translation>Exporter ma liste de &amp;fakes...</translation>
    </message>
    <message>
        <source>&amp;Mark as fake...</source>
        <translation>&amp;Marquer comme fake...</translation>
    </message>
    <message>
        <source>&amp;Unmark</source>
        <translation>Re&amp;tirer la marque</translation>
    </message>
    <message>
        <source>Copy as &amp;list line</source>
        <translation>Copier comme &amp;ligne de liste</translation>
    </message>
    <message>
        <source>N&amp;ot a fake...</source>
        <translation>Pas un &amp;fake...</translation>
    </message>
    <message>
        <source>Check &amp;aMule</source>
        <translation>Vérifier aM&amp;ule</translation>
    </message>
    <message>
        <source>&amp;Pause in aMule</source>
        <translation>Mettre en &amp;pause dans aMule</translation>
    </message>
    <message>
        <source>&amp;Resume in aMule</source>
        <translation>&amp;Reprendre dans aMule</translation>
    </message>
    <message>
        <source>&amp;Cancel in aMule...</source>
        <translation>Ann&amp;uler dans aMule...</translation>
    </message>
</context>
</TS>
