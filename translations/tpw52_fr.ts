<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Cli</name>
    <message>
        <source>answer every question with Yes, OK or Retry (the region question, a busy radio)</source>
        <translation>répondre Oui, OK ou Réessayer à chaque question (la question de la région, une radio occupée)</translation>
    </message>
    <message>
        <source>answer every question with No or Cancel (the default without a terminal)</source>
        <translation>répondre Non ou Annuler à chaque question (le défaut sans terminal)</translation>
    </message>
    <message>
        <source>program this ten-digit ATIS code instead of the data&apos;s own (a radio takes its code only once)</source>
        <translation>programmer ce code ATIS à dix chiffres au lieu de celui des données (une radio ne prend son code qu&apos;une fois)</translation>
    </message>
    <message>
        <source>--atis-code: &quot;%1&quot; is not an ATIS code, which is ten digits. Give the code of the boat&apos;s licence, or leave --atis-code out to program the data&apos;s own code. Nothing was written.</source>
        <translation>--atis-code : « %1 » n&apos;est pas un code ATIS, qui compte dix chiffres. Donnez le code de la licence du bateau, ou omettez --atis-code pour programmer le code des données. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Nothing was written: the ATIS code %1 was not kept. Give the boat&apos;s own code with --atis-code.</source>
        <translation>Rien n&apos;a été écrit : le code ATIS %1 n&apos;a pas été gardé. Donnez le code propre du bateau avec --atis-code.</translation>
    </message>
    <message>
        <source>List the backups of radio data that every read and write keeps, oldest first. Each is an image file (.hex): &quot;write IN.hex&quot; programs it back, &quot;convert&quot; turns it into a channel data file.</source>
        <translation>Liste les sauvegardes des données de la radio que garde chaque lecture et écriture, la plus ancienne d&apos;abord. Chacune est un fichier image (.hex) : « write IN.hex » la reprogramme, « convert » en fait un fichier de canaux.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, and </source>
        <translation>%1 est un lien vers %2, et </translation>
    </message>
    <message>
        <source>The backups cannot be listed, and no read or write of a radio can keep one: %1%2</source>
        <translation>Les sauvegardes ne peuvent pas être listées, et aucune lecture ou écriture d&apos;une radio ne peut en garder une : %1%2</translation>
    </message>
    <message>
        <source>There are no backups yet in %1. Every read and every write of a radio keeps one there.</source>
        <translation>Il n&apos;y a pas encore de sauvegarde dans %1. Chaque lecture et chaque écriture d&apos;une radio y en garde une.</translation>
    </message>
    <message>
        <source>Test the cable and the port: open PORT, see whether the cable returns what it is sent, ping the radio and ask what it is (model, region, ATIS code). Reads nothing else and writes nothing.</source>
        <translation>Tester le câble et le port : ouvrir PORT, voir si le câble renvoie ce qu&apos;il reçoit, interroger la radio et lui demander ce qu&apos;elle est (modèle, région, code ATIS). Ne lit rien d&apos;autre et n&apos;écrit rien.</translation>
    </message>
    <message>
        <source>serial port of the programming cable</source>
        <translation>port série du câble de programmation</translation>
    </message>
    <message>
        <source>stay at 19200 baud (/E)</source>
        <translation>rester à 19200 bauds (/E)</translation>
    </message>
    <message>
        <source>Erase the ATIS code in the radio, so that the next write can program a new one. The radio&apos;s ATIS counter takes the base&apos;s value.</source>
        <translation>Effacer le code ATIS de la radio, afin que la prochaine écriture puisse en programmer un nouveau. Le compteur ATIS de la radio prend la valeur de la base.</translation>
    </message>
    <message>
        <source>save the PC&apos;s data, without the code, to this image file</source>
        <translation>enregistrer les données du PC, sans le code, dans ce fichier image</translation>
    </message>
    <message>
        <source>Convert IN (.hex image or .dat data file) to OUT (.hex, .dat or .txt report). An image is decoded, encoded and corrected as before a write to the radio, so an OUT image holds exactly the bytes a write starts from. A data file is read over a base data set, with its model and region checks.</source>
        <translation>Convertir IN (image .hex ou fichier de données .dat) en OUT (.hex, .dat ou rapport .txt). Une image est décodée, encodée et corrigée comme avant une écriture dans la radio, de sorte qu&apos;une image OUT contient exactement les octets dont part une écriture. Un fichier de données est lu sur un jeu de données de base, avec ses contrôles de modèle et de région.</translation>
    </message>
    <message>
        <source>input: image file (.hex) or data file (.dat)</source>
        <translation>entrée : fichier image (.hex) ou fichier de données (.dat)</translation>
    </message>
    <message>
        <source>output: image (.hex), data file (.dat) or report (.txt)</source>
        <translation>sortie : image (.hex), fichier de données (.dat) ou rapport (.txt)</translation>
    </message>
    <message>
        <source>OUT must end in .hex, .dat or .txt</source>
        <translation>OUT doit se terminer par .hex, .dat ou .txt</translation>
    </message>
    <message>
        <source>%1 %2 must be a table of channels ending in .csv. Give a name ending in .csv.</source>
        <translation>%1 %2 doit être un tableau de canaux se terminant par .csv. Donnez un nom se terminant par .csv.</translation>
    </message>
    <message>
        <source>Save the channel lists of DATA (.hex image or .dat data file) as OUT.csv: a row per channel, its list in the column List, a column per field under its data-file key.</source>
        <translation>Enregistrer les listes de canaux de DATA (image .hex ou fichier de données .dat) sous OUT.csv : une ligne par canal, sa liste dans la colonne List, une colonne par champ sous sa clé du fichier de données.</translation>
    </message>
    <message>
        <source>image file (.hex) or data file (.dat)</source>
        <translation>fichier image (.hex) ou fichier de données (.dat)</translation>
    </message>
    <message>
        <source>the table to save (.csv)</source>
        <translation>le tableau à enregistrer (.csv)</translation>
    </message>
    <message>
        <source>Replace the channel lists of DATA (.hex or .dat) that IN.csv holds rows for, and save the result as OUT (.hex or .dat). The other lists stay as they are. Refused rows are listed with their line; then nothing is imported unless --yes imports the other rows.</source>
        <translation>Remplacer les listes de canaux de DATA (.hex ou .dat) pour lesquelles IN.csv contient des lignes, et enregistrer le résultat sous OUT (.hex ou .dat). Les autres listes restent telles quelles. Les lignes refusées sont listées avec leur numéro ; rien n&apos;est alors importé, sauf si --yes importe les autres lignes.</translation>
    </message>
    <message>
        <source>the table of channels (.csv)</source>
        <translation>le tableau des canaux (.csv)</translation>
    </message>
    <message>
        <source>where the result goes: image (.hex) or data file (.dat)</source>
        <translation>où va le résultat : image (.hex) ou fichier de données (.dat)</translation>
    </message>
    <message>
        <source>give an image (.hex) or a data file (.dat).</source>
        <translation>donnez une image (.hex) ou un fichier de données (.dat).</translation>
    </message>
    <message>
        <source>List the destination templates of the program&apos;s data folder: name, region and file, in the order of the destination menu.</source>
        <translation>Lister les modèles de destination du dossier de données du programme : nom, région et fichier, dans l&apos;ordre du menu des destinations.</translation>
    </message>
    <message>
        <source>No destination template in %1</source>
        <translation>Aucun modèle de destination dans %1</translation>
    </message>
    <message>
        <source>bad file</source>
        <translation>fichier défectueux</translation>
    </message>
    <message>
        <source>diff compares A with one other data set: give the file B, or --port PORT to compare A with the radio on that port (see tpw52-cli diff --help).</source>
        <translation>diff compare A avec un autre jeu de données : donnez le fichier B, ou --port PORT pour comparer A avec la radio sur ce port (voir tpw52-cli diff --help).</translation>
    </message>
    <message>
        <source>Compare A with B, or with the radio on --port, setting by setting in the words of the desktop application: one difference a line (where, setting, A&apos;s value and the other&apos;s), channels only one side has, and runs of bytes no setting shows. A and B are image files (.hex) or channel data files (.dat); a data file A is read over the base, a data file B over A&apos;s image, each with the region it gives. The radio is read as the read command reads it, with its backup. Exit status 0 the same, 1 different, 2 trouble.</source>
        <translation>Comparer A avec B, ou avec la radio sur --port, réglage par réglage dans les mots de l&apos;application de bureau : une différence par ligne (où, réglage, valeur de A et celle de l&apos;autre), les canaux qu&apos;un seul côté possède, et les suites d&apos;octets qu&apos;aucun réglage ne montre. A et B sont des fichiers image (.hex) ou des fichiers de canaux (.dat) ; un fichier de données A est lu sur la base, un fichier de données B sur l&apos;image de A, chacun avec la région qu&apos;il indique. La radio est lue comme la commande read la lit, avec sa sauvegarde. Code de sortie 0 identique, 1 différent, 2 problème.</translation>
    </message>
    <message>
        <source>image file (.hex) or channel data file (.dat)</source>
        <translation>fichier image (.hex) ou fichier de canaux (.dat)</translation>
    </message>
    <message>
        <source>image file (.hex) or channel data file (.dat); instead of --port</source>
        <translation>fichier image (.hex) ou fichier de canaux (.dat) ; au lieu de --port</translation>
    </message>
    <message>
        <source>print a list of objects with the keys where, setting, this and other</source>
        <translation>afficher une liste d&apos;objets avec les clés where, setting, this et other</translation>
    </message>
    <message>
        <source>Cannot read the plan %1: %2 No radio was touched.</source>
        <translation>Impossible de lire le plan %1 : %2 Aucune radio n&apos;a été touchée.</translation>
    </message>
    <message>
        <source>%1, line %2: the ATIS code %3 was not kept. No radio was touched.</source>
        <translation>%1, ligne %2 : le code ATIS %3 n&apos;a pas été gardé. Aucune radio n&apos;a été touchée.</translation>
    </message>
    <message>
        <source>The fleet was cancelled by %1.</source>
        <translation>La flotte a été annulée par %1.</translation>
    </message>
    <message>
        <source>Program every radio of a plan at the same time with one data set, each on its own port with its own ATIS code, backups and trace. The plan is a CSV file with the heading port,atis_code,label and one radio a line. Prints one progress line per radio, then a summary; succeeds only when every radio verified.</source>
        <translation>Programmer en même temps chaque radio d&apos;un plan avec un jeu de données, chacune sur son propre port avec son propre code ATIS, ses sauvegardes et sa trace. Le plan est un fichier CSV avec l&apos;en-tête port,atis_code,label et une radio par ligne. Affiche une ligne de progression par radio, puis un résumé ; ne réussit que si chaque radio a été vérifiée.</translation>
    </message>
    <message>
        <source>read each radio&apos;s whole memory before programming it and keep that as its backup</source>
        <translation>lire toute la mémoire de chaque radio avant de la programmer et la garder comme sauvegarde</translation>
    </message>
    <message>
        <source>write the summary to this CSV file too</source>
        <translation>écrire aussi le résumé dans ce fichier CSV</translation>
    </message>
    <message>
        <source>the plan (.csv): port,atis_code,label</source>
        <translation>le plan (.csv) : port,atis_code,label</translation>
    </message>
    <message>
        <source>Print the hex dump of any file of 2048 bytes, an image file (.hex) or not; model words that are not those of a QZ815 are reported, and the dump is printed all the same.</source>
        <translation>Afficher le vidage hexadécimal de tout fichier de 2048 octets, fichier image (.hex) ou non ; les mots de modèle qui ne sont pas ceux d&apos;une QZ815 sont signalés, et le vidage est affiché quand même.</translation>
    </message>
    <message>
        <source>file of 2048 bytes</source>
        <translation>fichier de 2048 octets</translation>
    </message>
    <message>
        <source>List the serial ports a programming cable can use.</source>
        <translation>Lister les ports série qu&apos;un câble de programmation peut utiliser.</translation>
    </message>
    <message>
        <source>Write the printed report of IN (.hex image or .dat data file) as a PDF file: the pages that File &gt; Print puts on paper, one section per page, long channel lists continued on the next sheet.</source>
        <translation>Écrire le rapport imprimé de IN (image .hex ou fichier de données .dat) dans un fichier PDF : les pages que Fichier &gt; Imprimer met sur papier, une section par page, les longues listes de canaux continuées sur la feuille suivante.</translation>
    </message>
    <message>
        <source>the PDF file to write (.pdf)</source>
        <translation>le fichier PDF à écrire (.pdf)</translation>
    </message>
    <message>
        <source>paper size: A4 (the default) or Letter</source>
        <translation>format du papier : A4 (par défaut) ou Letter</translation>
    </message>
    <message>
        <source>--pdf must name a file ending in .pdf</source>
        <translation>--pdf doit nommer un fichier se terminant par .pdf</translation>
    </message>
    <message>
        <source>Read the radio&apos;s memory into the PC&apos;s data set and save it as an image file (.hex), a channel data file (.dat), or both. The bytes the radio does not own (0x000-0x001, 0x290-0x2FF) and the region check come from the base.</source>
        <translation>Lire la mémoire de la radio dans le jeu de données du PC et l&apos;enregistrer comme fichier image (.hex), fichier de canaux (.dat), ou les deux. Les octets qui n&apos;appartiennent pas à la radio (0x000-0x001, 0x290-0x2FF) et le contrôle de région viennent de la base.</translation>
    </message>
    <message>
        <source>image file (.hex) to save what was read</source>
        <translation>fichier image (.hex) où enregistrer ce qui a été lu</translation>
    </message>
    <message>
        <source>channel data file (.dat) to save what was read</source>
        <translation>fichier de canaux (.dat) où enregistrer ce qui a été lu</translation>
    </message>
    <message>
        <source>--out or --dat is needed</source>
        <translation>--out ou --dat est nécessaire</translation>
    </message>
    <message>
        <source>Print the text report of IN (.hex image or .dat data file). `convert IN OUT.txt` saves it as a file with CR LF line ends.</source>
        <translation>Afficher le rapport texte de IN (image .hex ou fichier de données .dat). `convert IN OUT.txt` l&apos;enregistre dans un fichier avec des fins de ligne CR LF.</translation>
    </message>
    <message>
        <source>Program the radio from an image file (.hex) or a channel data file (.dat), as the desktop application does after opening that file and choosing Program to Radio. A data file is opened over the base (default: the first destination); an image file is its own base unless --base or --destination is given.</source>
        <translation>Programmer la radio à partir d&apos;un fichier image (.hex) ou d&apos;un fichier de canaux (.dat), comme le fait l&apos;application de bureau après l&apos;ouverture de ce fichier et le choix de Programmer la radio. Un fichier de données est ouvert sur la base (par défaut : la première destination) ; un fichier image est sa propre base, sauf si --base ou --destination est donné.</translation>
    </message>
    <message>
        <source>read the whole radio before programming it and keep that as a backup, so its exact prior state can be put back</source>
        <translation>lire toute la radio avant de la programmer et la garder comme sauvegarde, pour pouvoir rétablir exactement son état antérieur</translation>
    </message>
    <message>
        <source>Ctrl-C (SIGINT)</source>
        <translation>Ctrl-C (SIGINT)</translation>
    </message>
    <message>
        <source>a request to end the program (SIGTERM)</source>
        <translation>une demande de fin du programme (SIGTERM)</translation>
    </message>
    <message>
        <source>Ctrl-Break (SIGBREAK)</source>
        <translation>Ctrl-Pause (SIGBREAK)</translation>
    </message>
    <message>
        <source>the terminal hanging up (SIGHUP)</source>
        <translation>la fermeture du terminal (SIGHUP)</translation>
    </message>
    <message>
        <source>signal %1</source>
        <translation>le signal %1</translation>
    </message>
    <message>
        <source>image file (.hex) a data file is read over (default: a destination)</source>
        <translation>fichier image (.hex) sur lequel un fichier de données est lu (par défaut : une destination)</translation>
    </message>
    <message>
        <source>destination template a data file is read over, by name (see `destinations`; default: the first)</source>
        <translation>modèle de destination sur lequel un fichier de données est lu, par son nom (voir `destinations` ; par défaut : le premier)</translation>
    </message>
    <message>
        <source> Or give the image to start from with --base IMAGE.hex.</source>
        <translation> Ou donnez l&apos;image de départ avec --base IMAGE.hex.</translation>
    </message>
    <message>
        <source>No destination image was found in %1. Give the image to start from with --base IMAGE.hex.</source>
        <translation>Aucune image de destination n&apos;a été trouvée dans %1. Donnez l&apos;image de départ avec --base IMAGE.hex.</translation>
    </message>
    <message>
        <source>There is no destination &quot;%1&quot;. The destinations are: %2.</source>
        <translation>Il n&apos;y a pas de destination « %1 ». Les destinations sont : %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: by its name it is neither an image (.hex) nor a channel data file (.dat). Give one of those, or rename the file if it is one.</source>
        <translation>Impossible de lire %1 : d&apos;après son nom, ce n&apos;est ni une image (.hex) ni un fichier de canaux (.dat). Donnez l&apos;un des deux, ou renommez le fichier s&apos;il en est un.</translation>
    </message>
    <message>
        <source>Cannot write %1: give an image (.hex), a data file (.dat) or a report (.txt).</source>
        <translation>Impossible d&apos;écrire %1 : donnez une image (.hex), un fichier de données (.dat) ou un rapport (.txt).</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Impossible d&apos;enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>%1 takes an image file (.hex). Give a name ending in .hex.</source>
        <translation>%1 prend un fichier image (.hex). Donnez un nom se terminant par .hex.</translation>
    </message>
    <message>
        <source>%1 takes a channel data file (.dat). Give a name ending in .dat.</source>
        <translation>%1 prend un fichier de canaux (.dat). Donnez un nom se terminant par .dat.</translation>
    </message>
    <message>
        <source>The radio&apos;s data were not saved to %1; run the command again once that file can be saved.</source>
        <translation>Les données de la radio n&apos;ont pas été enregistrées dans %1 ; relancez la commande dès que ce fichier peut être enregistré.</translation>
    </message>
    <message>
        <source>starting</source>
        <translation>démarrage</translation>
    </message>
    <message>
        <source>reading first</source>
        <translation>lecture préalable</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>écriture</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>vérification</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>terminé</translation>
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
        <source>SUBCOMMAND</source>
        <translation>COMMANDE</translation>
    </message>
    <message>
        <source>SUBCOMMANDS</source>
        <translation>COMMANDES</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <translation>OBLIGATOIRE</translation>
    </message>
    <message>
        <source>Positionals</source>
        <translation>Arguments</translation>
    </message>
    <message>
        <source>Needs</source>
        <translation>Requiert</translation>
    </message>
    <message>
        <source>Excludes</source>
        <translation>Exclut</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Subcommands</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>The language of the messages: en, de, nl or fr (the system&apos;s by default)</source>
        <translation>La langue des messages : en, de, nl ou fr (par défaut celle du système)</translation>
    </message>
    <message>
        <source>%1 reads as an option. A file name that begins with a dash is given as ./%1, or after -- (tpw52-cli %2 ... -- %1).</source>
        <translation>%1 est lu comme une option. Un nom de fichier qui commence par un tiret se donne sous la forme ./%1, ou après -- (tpw52-cli %2 ... -- %1).</translation>
    </message>
    <message>
        <source>Programs the QZ815 marine VHF radio: image files, channel data files, reports.</source>
        <translation>Programme la radio VHF marine QZ815 : fichiers image, fichiers de canaux, rapports.</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>Afficher cette aide et quitter</translation>
    </message>
    <message>
        <source>Print the version and exit</source>
        <translation>Afficher la version et quitter</translation>
    </message>
    <message>
        <source>the program ran out of memory and stopped. Close other programs, then run the command again.</source>
        <translation>le programme a manqué de mémoire et s&apos;est arrêté. Fermez d&apos;autres programmes, puis relancez la commande.</translation>
    </message>
    <message>
        <source>the program stopped on an unexpected failure: %1</source>
        <translation>le programme s&apos;est arrêté sur une erreur inattendue : %1</translation>
    </message>
    <message>
        <source>Cannot write to the standard output: %1. Check where the output goes (a full disk, a closed pipe), then run the command again.</source>
        <translation>Impossible d&apos;écrire sur la sortie standard : %1. Vérifiez où va la sortie (un disque plein, un tube fermé), puis relancez la commande.</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>erreur d&apos;écriture</translation>
    </message>
    <message>
        <source>agreed</source>
        <translation>accepté</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>refusé</translation>
    </message>
    <message>
        <source> (--yes agreed to this question %1 times already)</source>
        <translation> (--yes a déjà accepté cette question %1 fois)</translation>
    </message>
    <message>
        <source>verify the echo of every byte sent, for cables that return it (/NT)</source>
        <translation>vérifier l&apos;écho de chaque octet envoyé, pour les câbles qui le renvoient (/NT)</translation>
    </message>
    <message>
        <source>show the protocol trace and keep the error log (/D)</source>
        <translation>montrer la trace du protocole et garder le journal des erreurs (/D)</translation>
    </message>
    <message>
        <source>keep no backup of the radio&apos;s data for this command</source>
        <translation>ne garder aucune sauvegarde des données de la radio pour cette commande</translation>
    </message>
    <message>
        <source>no port given: give the serial port of the programming cable (&quot;tpw52-cli ports&quot; lists them)</source>
        <translation>aucun port donné : donnez le port série du câble de programmation (« tpw52-cli ports » les liste)</translation>
    </message>
    <message>
        <source>do not read back what was written to check that the radio holds it</source>
        <translation>ne pas relire ce qui a été écrit pour vérifier que la radio le contient</translation>
    </message>
    <message>
        <source>The transfer was cancelled by %1.</source>
        <translation>Le transfert a été annulé par %1.</translation>
    </message>
    <message>
        <source>Run with %1 for more information.</source>
        <translation>Lancez avec %1 pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Vérification</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>Reverse DUP</source>
        <translation>DUP inversé</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Rx frequency</source>
        <translation>Fréquence de réception</translation>
    </message>
    <message>
        <source>Tx frequency</source>
        <translation>Fréquence d&apos;émission</translation>
    </message>
    <message>
        <source>Indispensable 2 figures.</source>
        <translation>2 caractères obligatoires.</translation>
    </message>
    <message>
        <source>SAVE: write this channel into the list.</source>
        <translation>ENREGISTRER : écrire ce canal dans la liste.</translation>
    </message>
    <message>
        <source>CANCEL: back to the list without writing.</source>
        <translation>ANNULER : retour à la liste sans rien écrire.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Resume Time</source>
        <translation>Délai de reprise</translation>
    </message>
    <message>
        <source>1Sec</source>
        <translation>1 s</translation>
    </message>
    <message>
        <source>2Sec</source>
        <translation>2 s</translation>
    </message>
    <message>
        <source>3Sec</source>
        <translation>3 s</translation>
    </message>
    <message>
        <source>4Sec</source>
        <translation>4 s</translation>
    </message>
    <message>
        <source>5Sec</source>
        <translation>5 s</translation>
    </message>
    <message>
        <source>PTT SCAN Clear</source>
        <translation>Arrêt du balayage par PTT</translation>
    </message>
    <message>
        <source>Mode Select</source>
        <translation>Choix du mode</translation>
    </message>
    <message>
        <source>Weather Alert</source>
        <translation>Alerte météo</translation>
    </message>
    <message>
        <source>On Wx</source>
        <translation>Marche (WX)</translation>
    </message>
    <message>
        <source>On Scan</source>
        <translation>Marche (balayage)</translation>
    </message>
    <message>
        <source>Wx and Scan</source>
        <translation>WX et balayage</translation>
    </message>
    <message>
        <source>Dual Watch</source>
        <translation>Double veille</translation>
    </message>
    <message>
        <source>ATIS Mode</source>
        <translation>Mode ATIS</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Spécial</translation>
    </message>
    <message>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation>[Haut]/[Bas]/[Gauche]/[Droite] : changer la sélection.</translation>
    </message>
    <message>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation>[Double-clic],[Entrée] : aller à l&apos;écran de réglage.</translation>
    </message>
    <message>
        <source>[Up]/[Down]:Change of a Selection item.</source>
        <translation>[Haut]/[Bas] : changer la sélection.</translation>
    </message>
    <message>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Espace] : activer ou désactiver.</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable 10 figures.</source>
        <translation>Chiffres uniquement. 10 chiffres obligatoires.</translation>
    </message>
    <message>
        <source>Select[x]Enable/[]Disable.</source>
        <translation>Choisir : [x] activé / [ ] désactivé.</translation>
    </message>
    <message>
        <source>Group1</source>
        <translation>Groupe1</translation>
    </message>
    <message>
        <source>Group2</source>
        <translation>Groupe2</translation>
    </message>
    <message>
        <source>Group3</source>
        <translation>Groupe3</translation>
    </message>
    <message>
        <source>RG Channel</source>
        <translation>Canaux RG</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Météo</translation>
    </message>
    <message>
        <source>EXP Channel</source>
        <translation>Canaux EXP</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Common Setup</source>
        <translation>Réglages communs</translation>
    </message>
    <message>
        <source>Programmable Channel</source>
        <translation>Canaux programmables</translation>
    </message>
    <message>
        <source>New channel %1</source>
        <translation>Nouveau canal %1</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <translation>Modifier le canal %1</translation>
    </message>
    <message>
        <source>Delete channel %1</source>
        <translation>Supprimer le canal %1</translation>
    </message>
    <message>
        <source>Cut channel %1</source>
        <translation>Couper le canal %1</translation>
    </message>
    <message>
        <source>Cut %1 channels</source>
        <translation>Couper %1 canaux</translation>
    </message>
    <message>
        <source>Paste channel %1</source>
        <translation>Coller le canal %1</translation>
    </message>
    <message>
        <source>Paste %1 channels</source>
        <translation>Coller %1 canaux</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message>
        <source>Usable Channel Group %1</source>
        <translation>Groupe de canaux utilisable %1</translation>
    </message>
    <message>
        <source>Priority CH %1</source>
        <translation>Canal prioritaire %1</translation>
    </message>
    <message>
        <source>Usable ATIS CH Group %1</source>
        <translation>Groupe de canaux ATIS utilisable %1</translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>Code ATIS</translation>
    </message>
    <message>
        <source>Correct the priority channels</source>
        <translation>Corriger les canaux prioritaires</translation>
    </message>
    <message>
        <source>%1 Enable</source>
        <translation>%1 actif</translation>
    </message>
    <message>
        <source>%1 Scan</source>
        <translation>%1 balayage</translation>
    </message>
    <message>
        <source>CH Enable</source>
        <translation>Canal actif</translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation>Faible puissance seule</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Puissance augmentée</translation>
    </message>
    <message>
        <source>Tx Enable</source>
        <translation>Émission permise</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Mémoire de balayage</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Brouilleur</translation>
    </message>
    <message>
        <source>BASE CH No.</source>
        <translation>N° canal de base</translation>
    </message>
    <message>
        <source>SIMP/DUP</source>
        <translation>SIMP/DUP</translation>
    </message>
    <message>
        <source>CH Status No.</source>
        <translation>N° d&apos;état du canal</translation>
    </message>
    <message>
        <source>Status Icon</source>
        <translation>Icône d&apos;état</translation>
    </message>
    <message>
        <source>CH Display</source>
        <translation>Affichage du canal</translation>
    </message>
    <message>
        <source>CH Display (right)</source>
        <translation>Affichage du canal (droite)</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Fréquence de réception</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Fréquence d&apos;émission</translation>
    </message>
    <message>
        <source>USA Group</source>
        <translation>Groupe USA</translation>
    </message>
    <message>
        <source>INT Group</source>
        <translation>Groupe INT</translation>
    </message>
    <message>
        <source>Region Group</source>
        <translation>Groupe régional</translation>
    </message>
    <message>
        <source>Usable CH Group</source>
        <translation>Groupe de canaux utilisable</translation>
    </message>
    <message>
        <source>Priority CH</source>
        <translation>Canal prioritaire</translation>
    </message>
    <message>
        <source>TX Power Display</source>
        <translation>Affichage puissance d&apos;émission</translation>
    </message>
    <message>
        <source>SCAN</source>
        <translation>SCAN</translation>
    </message>
    <message>
        <source>DW/TW</source>
        <translation>DW/TW</translation>
    </message>
    <message>
        <source>Offset Time</source>
        <translation>Décalage horaire</translation>
    </message>
    <message>
        <source>Time Display</source>
        <translation>Affichage de l&apos;heure</translation>
    </message>
    <message>
        <source>Usable ATIS CH Group</source>
        <translation>Groupes de canaux ATIS utilisables</translation>
    </message>
    <message>
        <source>Channel added</source>
        <translation>Canal ajouté</translation>
    </message>
    <message>
        <source>Channel removed</source>
        <translation>Canal retiré</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>Importer %1</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>La&amp;ngue</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Langue du &amp;système</translation>
    </message>
    <message>
        <source>Takes effect after a restart</source>
        <translation>Prend effet après un redémarrage</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Are you sure ?</source>
        <translation>Êtes-vous sûr ?</translation>
    </message>
    <message>
        <source>Complete!!</source>
        <translation>Terminé !</translation>
    </message>
    <message>
        <source>CommunicatiOn Error!!</source>
        <translation>Erreur de communication !</translation>
    </message>
    <message>
        <source>ModelType Error !!</source>
        <translation>Type de modèle incorrect !</translation>
    </message>
    <message>
        <source>Region Unmatched !!</source>
        <translation>Région différente !</translation>
    </message>
    <message>
        <source>error!!</source>
        <translation>Erreur !</translation>
    </message>
    <message>
        <source>There is no port that can be used!!</source>
        <translation>Aucun port n&apos;est utilisable !</translation>
    </message>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>Impossible d&apos;afficher l&apos;aide : ce programme n&apos;a pas de fichier d&apos;aide.</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Saisie incorrecte !</translation>
    </message>
    <message>
        <source>Data Error!!<byte value="xd"/>
Please input correct data.</source>
        <translation>Saisie incorrecte !<byte value="xd"/>
Veuillez saisir des données valides.</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Lire la radio</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Programmer la radio</translation>
    </message>
    <message>
        <source>Clear ATIS Data</source>
        <translation>Effacer les données ATIS</translation>
    </message>
    <message>
        <source>Clear Data ATIS</source>
        <translation>Effacer les données ATIS</translation>
    </message>
    <message>
        <source>Model Check</source>
        <translation>Contrôle du modèle</translation>
    </message>
    <message>
        <source>Keep this code?</source>
        <translation>Garder ce code ?</translation>
    </message>
    <message>
        <source>KVX data has changed.<byte value="xd"/>
Do you want to save changes?</source>
        <translation>Les données KVX ont été modifiées.<byte value="xd"/>
Voulez-vous enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>Unknown model!!</source>
        <translation>Modèle inconnu !</translation>
    </message>
    <message>
        <source>The ATIS code %1 does not look like one: an ATIS code begins with 9, followed by the country code (%2 to %3) of the boat&apos;s country.</source>
        <translation>Le code ATIS %1 n&apos;en a pas l&apos;air : un code ATIS commence par 9, suivi de l&apos;indicatif du pays (%2 à %3) du bateau.</translation>
    </message>
    <message>
        <source>the USA region is never mixed with another. Choose the region %1 first (the Region menu, or --destination %1 on the command line)</source>
        <translation>la région USA n&apos;est jamais mélangée à une autre. Choisissez d&apos;abord la région %1 (le menu Région, ou --destination %1 en ligne de commande)</translation>
    </message>
    <message>
        <source>Nothing was read: the data on the PC are as they were.</source>
        <translation>Rien n&apos;a été lu : les données du PC sont inchangées.</translation>
    </message>
    <message>
        <source>Nothing was written: the radio on %1 is as it was.</source>
        <translation>Rien n&apos;a été écrit : la radio sur %1 est inchangée.</translation>
    </message>
    <message>
        <source>Nothing was cleared: the ATIS code in the radio on %1 is as it was.</source>
        <translation>Rien n&apos;a été effacé : le code ATIS de la radio sur %1 est inchangé.</translation>
    </message>
    <message>
        <source>Nothing was read: the data on the PC are as they were. Check the cable and the radio on %1, then read again.</source>
        <translation>Rien n&apos;a été lu : les données du PC sont inchangées. Vérifiez le câble et la radio sur %1, puis relancez la lecture.</translation>
    </message>
    <message>
        <source>Nothing was written: the radio on %1 is as it was. Check the cable and the radio, then program again.</source>
        <translation>Rien n&apos;a été écrit : la radio sur %1 est inchangée. Vérifiez le câble et la radio, puis programmez à nouveau.</translation>
    </message>
    <message>
        <source>Nothing was cleared: the ATIS code in the radio on %1 is as it was. Check the cable and the radio, then clear again.</source>
        <translation>Rien n&apos;a été effacé : le code ATIS de la radio sur %1 est inchangé. Vérifiez le câble et la radio, puis effacez à nouveau.</translation>
    </message>
    <message>
        <source>The radio on %1 may be partly programmed: the write stopped at its first address, %2. Program the radio again before you use it.</source>
        <translation>La radio sur %1 est peut-être programmée en partie : l&apos;écriture s&apos;est arrêtée à sa première adresse, %2. Programmez à nouveau la radio avant de l&apos;utiliser.</translation>
    </message>
    <message>
        <source>The ATIS code in the radio on %1 may be partly cleared: the clear stopped at its first address, %2. Clear the ATIS data again before you use the radio.</source>
        <translation>Le code ATIS de la radio sur %1 est peut-être effacé en partie : l&apos;effacement s&apos;est arrêté à sa première adresse, %2. Effacez à nouveau les données ATIS avant d&apos;utiliser la radio.</translation>
    </message>
    <message>
        <source>The radio on %1 is only partly programmed: it took the write up to address %2; the write stopped at %3. Program the radio again before you use it.</source>
        <translation>La radio sur %1 n&apos;est programmée qu&apos;en partie : elle a pris l&apos;écriture jusqu&apos;à l&apos;adresse %2 ; l&apos;écriture s&apos;est arrêtée à %3. Programmez à nouveau la radio avant de l&apos;utiliser.</translation>
    </message>
    <message>
        <source>The ATIS code in the radio on %1 is only partly cleared: it took the clear up to address %2; the clear stopped at %3. Clear the ATIS data again before you use the radio.</source>
        <translation>Le code ATIS de la radio sur %1 n&apos;est effacé qu&apos;en partie : elle a pris l&apos;effacement jusqu&apos;à l&apos;adresse %2 ; l&apos;effacement s&apos;est arrêté à %3. Effacez à nouveau les données ATIS avant d&apos;utiliser la radio.</translation>
    </message>
    <message>
        <source>The radio on %1 is only partly programmed: it took the write up to address %2, then the write stopped. Program the radio again before you use it.</source>
        <translation>La radio sur %1 n&apos;est programmée qu&apos;en partie : elle a pris l&apos;écriture jusqu&apos;à l&apos;adresse %2, puis l&apos;écriture s&apos;est arrêtée. Programmez à nouveau la radio avant de l&apos;utiliser.</translation>
    </message>
    <message>
        <source>The ATIS code in the radio on %1 is only partly cleared: it took the clear up to address %2, then the clear stopped. Clear the ATIS data again before you use the radio.</source>
        <translation>Le code ATIS de la radio sur %1 n&apos;est effacé qu&apos;en partie : elle a pris l&apos;effacement jusqu&apos;à l&apos;adresse %2, puis l&apos;effacement s&apos;est arrêté. Effacez à nouveau les données ATIS avant d&apos;utiliser la radio.</translation>
    </message>
    <message>
        <source>The radio did not answer on %1.<byte value="xd"/>
Check that the programming cable is plugged in at both ends, that the radio was switched on while holding [PRESET] until it shows PC CONTROL, and that %1 is the cable&apos;s port. Then try again.</source>
        <translation>La radio n&apos;a pas répondu sur %1.<byte value="xd"/>
Vérifiez que le câble de programmation est branché aux deux bouts, que la radio a été allumée en maintenant [PRESET] jusqu&apos;à ce qu&apos;elle affiche PC CONTROL, et que %1 est bien le port du câble. Puis réessayez.</translation>
    </message>
    <message>
        <source>The connection to the radio on %1 was lost: %2.</source>
        <translation>La liaison avec la radio sur %1 a été perdue : %2.</translation>
    </message>
    <message>
        <source>Check that the cable is plugged in and that the radio is switched on, then try again.</source>
        <translation>Vérifiez que le câble est branché et que la radio est allumée, puis réessayez.</translation>
    </message>
    <message>
        <source>The radio on %1 did not report ready, so nothing was read or written. Wait until the radio shows PC CONTROL, then try again.</source>
        <translation>La radio sur %1 ne s&apos;est pas déclarée prête : rien n&apos;a été lu ni écrit. Attendez que la radio affiche PC CONTROL, puis réessayez.</translation>
    </message>
    <message>
        <source>The radio on %1 is no %2 (its model or product code differs), so nothing was read or written. Connect a %2, then try again.</source>
        <translation>La radio sur %1 n&apos;est pas une %2 (son modèle ou son code produit diffère) : rien n&apos;a été lu ni écrit. Branchez une %2, puis réessayez.</translation>
    </message>
    <message>
        <source>The radio on %1 is of the region %2 and the PC&apos;s data set of the region %3, and %4, then try again. Nothing was read or written.</source>
        <translation>La radio sur %1 est de la région %2 et les données du PC de la région %3, et %4, puis réessayez. Rien n&apos;a été lu ni écrit.</translation>
    </message>
    <message>
        <source>The data to be written do not carry the product code %1 at 0x270-0x275, and a radio that took them would refuse every later read and write. Nothing was written. Start from the radio&apos;s own data or from a destination, then program again.</source>
        <translation>Les données à écrire ne portent pas le code produit %1 en 0x270-0x275, et une radio qui les prendrait refuserait ensuite toute lecture et toute écriture. Rien n&apos;a été écrit. Partez des données de la radio ou d&apos;une région, puis programmez à nouveau.</translation>
    </message>
    <message>
        <source>The radio on %1 has no ATIS code yet and will take the code %2.</source>
        <translation>La radio sur %1 n&apos;a pas encore de code ATIS et prendra le code %2.</translation>
    </message>
    <message>
        <source>A radio takes its ATIS code only once: afterwards only ATIS Clear removes it.</source>
        <translation>Une radio ne prend son code ATIS qu&apos;une seule fois : ensuite seul Effacer ATIS le retire.</translation>
    </message>
    <message>
        <source>Program the radio with this code?</source>
        <translation>Programmer la radio avec ce code ?</translation>
    </message>
    <message>
        <source>Nothing was written: the radio on %1 is as it was. To program it without an ATIS code, empty the ATIS code of the data, then program again.</source>
        <translation>Rien n&apos;a été écrit : la radio sur %1 est inchangée. Pour la programmer sans code ATIS, videz le code ATIS des données, puis programmez à nouveau.</translation>
    </message>
    <message>
        <source>The radio on %1 kept its own ATIS code %2: a write never removes the ATIS code a radio holds, and these data hold none.</source>
        <translation>La radio sur %1 a gardé son propre code ATIS %2 : une écriture ne retire jamais le code ATIS d&apos;une radio, et ces données n&apos;en contiennent pas.</translation>
    </message>
    <message>
        <source>To remove it: clear the radio&apos;s code with ATIS Clear (clear-atis on the command line).</source>
        <translation>Pour le retirer : effacez le code de la radio avec Effacer ATIS (clear-atis en ligne de commande).</translation>
    </message>
    <message>
        <source>The radio on %1 kept its own ATIS code %2: a radio takes its ATIS code only once, so the code %3 shown on the PC was not programmed.</source>
        <translation>La radio sur %1 a gardé son propre code ATIS %2 : une radio ne prend son code ATIS qu&apos;une seule fois, le code %3 affiché sur le PC n&apos;a donc pas été programmé.</translation>
    </message>
    <message>
        <source>To program %1: clear the radio&apos;s code with ATIS Clear (clear-atis on the command line), then program the radio again with data that hold %1 (the clear empties the code on the PC as well).</source>
        <translation>Pour programmer %1 : effacez le code de la radio avec Effacer ATIS (clear-atis en ligne de commande), puis programmez à nouveau la radio avec des données qui contiennent %1 (l&apos;effacement vide aussi le code sur le PC).</translation>
    </message>
    <message>
        <source>Still waiting on %1 for %2 (nothing for %3 s; giving up after %4 s).</source>
        <translation>Attente sur %1 de %2 (rien depuis %3 s ; abandon après %4 s).</translation>
    </message>
    <message>
        <source>Port Inicialize Error!!</source>
        <translation>Erreur d&apos;ouverture du port !</translation>
    </message>
    <message>
        <source>port inicialize error!!</source>
        <translation>Erreur de réglage du port !</translation>
    </message>
    <message>
        <source>ACMD Command error!!</source>
        <translation>Commande ACMD refusée !</translation>
    </message>
    <message>
        <source>time out!!</source>
        <translation>Délai dépassé !</translation>
    </message>
    <message>
        <source>cancel!!</source>
        <translation>Annulé !</translation>
    </message>
    <message>
        <source>address error!!</source>
        <translation>Erreur d&apos;adresse !</translation>
    </message>
    <message>
        <source>data error!!</source>
        <translation>Erreur de données !</translation>
    </message>
    <message>
        <source>Product Code Error!</source>
        <translation>Erreur de code produit !</translation>
    </message>
    <message>
        <source>Radio not ready!!</source>
        <translation>Radio pas prête !</translation>
    </message>
    <message>
        <source>confirm the synchronization of the communication</source>
        <translation>Resynchroniser la liaison ?</translation>
    </message>
    <message>
        <source>Radio is busy!!</source>
        <translation>La radio est occupée !</translation>
    </message>
    <message>
        <source>The region is unmatched.<byte value="xd"/>
Do you want to change the region?</source>
        <translation>La région est différente.<byte value="xd"/>
Voulez-vous changer de région ?</translation>
    </message>
    <message>
        <source>FileRead Error!!</source>
        <translation>Erreur de lecture du fichier !</translation>
    </message>
    <message>
        <source>FileSave Error!!</source>
        <translation>Erreur d&apos;enregistrement du fichier !</translation>
    </message>
    <message>
        <source>bad file!!</source>
        <translation>Fichier non valide !</translation>
    </message>
    <message>
        <source>IniFileRead Error!!</source>
        <translation>Erreur de lecture du fichier de région !</translation>
    </message>
    <message>
        <source>The diagnostics were not saved.</source>
        <translation>Le diagnostic n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>PC Program for %1</source>
        <translation>Programme PC pour %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>the folder %1</source>
        <translation>le dossier %1</translation>
    </message>
    <message>
        <source>it is a %1, not a file</source>
        <translation>c&apos;est %1, pas un fichier</translation>
    </message>
    <message>
        <source>it is a link to %1, which is not a file</source>
        <translation>c&apos;est un lien vers %1, qui n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>it is a link to the %1 %2, not to a file</source>
        <translation>c&apos;est un lien vers %1 %2, pas vers un fichier</translation>
    </message>
    <message>
        <source>it is a link to %1, which is read-only</source>
        <translation>c&apos;est un lien vers %1, qui est en lecture seule</translation>
    </message>
    <message>
        <source>%1, so it is not replaced</source>
        <translation>%1, il n&apos;est donc pas remplacé</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>%1 est un fichier, pas un dossier</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>permission denied: you may not write in %1</source>
        <translation>accès refusé : vous n&apos;avez pas le droit d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>the file is for the region %1 and the data set for %2, and %3, then open the file again.</source>
        <translation>le fichier est pour la région %1 et les données pour %2, et %3, puis rouvrez le fichier.</translation>
    </message>
    <message>
        <source>the current folder</source>
        <translation>le dossier courant</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>Move it out of the way.</source>
        <translation>Déplacez-le.</translation>
    </message>
    <message>
        <source>Give the name of a file.</source>
        <translation>Donnez le nom d&apos;un fichier.</translation>
    </message>
    <message>
        <source>device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>pipe</source>
        <translation>un tube</translation>
    </message>
    <message>
        <source>socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>Make it writable.</source>
        <translation>Rendez-le modifiable.</translation>
    </message>
    <message>
        <source>Make it writable first, or give another file name.</source>
        <translation>Rendez-le d&apos;abord modifiable, ou donnez un autre nom de fichier.</translation>
    </message>
    <message>
        <source>Move that file out of the way.</source>
        <translation>Déplacez ce fichier.</translation>
    </message>
    <message>
        <source>Move that file out of the way, or give a path in another folder.</source>
        <translation>Déplacez ce fichier, ou donnez un chemin dans un autre dossier.</translation>
    </message>
    <message>
        <source>Create it.</source>
        <translation>Créez-le.</translation>
    </message>
    <message>
        <source>Create it, or give a path in another folder.</source>
        <translation>Créez-le, ou donnez un chemin dans un autre dossier.</translation>
    </message>
    <message>
        <source>a part of its folder is a file, not a folder</source>
        <translation>une partie de son dossier est un fichier, pas un dossier</translation>
    </message>
    <message>
        <source>Check the folders of the path.</source>
        <translation>Vérifiez les dossiers du chemin.</translation>
    </message>
    <message>
        <source>Check the folders of the path, or give a path in another folder.</source>
        <translation>Vérifiez les dossiers du chemin, ou donnez un chemin dans un autre dossier.</translation>
    </message>
    <message>
        <source>Make that folder writable for you.</source>
        <translation>Rendez ce dossier modifiable pour vous.</translation>
    </message>
    <message>
        <source>Give a path in a folder you may write in.</source>
        <translation>Donnez un chemin dans un dossier où vous pouvez écrire.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>Free some space.</source>
        <translation>Libérez de la place.</translation>
    </message>
    <message>
        <source>Free some space, or give a path on another disk.</source>
        <translation>Libérez de la place, ou donnez un chemin sur un autre disque.</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>Make the disk writable.</source>
        <translation>Rendez le disque modifiable.</translation>
    </message>
    <message>
        <source>Give a path on another disk.</source>
        <translation>Donnez un chemin sur un autre disque.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>Move that folder out of the way.</source>
        <translation>Déplacez ce dossier.</translation>
    </message>
    <message>
        <source>its name is longer than the system allows</source>
        <translation>son nom est plus long que le système ne le permet</translation>
    </message>
    <message>
        <source>Check the path.</source>
        <translation>Vérifiez le chemin.</translation>
    </message>
    <message>
        <source>Check the path, or give a shorter name.</source>
        <translation>Vérifiez le chemin, ou donnez un nom plus court.</translation>
    </message>
    <message>
        <source>Check the path and the disk.</source>
        <translation>Vérifiez le chemin et le disque.</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>Check its name and folder.</source>
        <translation>Vérifiez son nom et son dossier.</translation>
    </message>
    <message>
        <source>permission denied: you may not read it</source>
        <translation>accès refusé : vous n&apos;avez pas le droit de le lire</translation>
    </message>
    <message>
        <source>Copy it to a folder of yours and open the copy.</source>
        <translation>Copiez-le dans un de vos dossiers et ouvrez la copie.</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>Check the file and the disk.</source>
        <translation>Vérifiez le fichier et le disque.</translation>
    </message>
    <message>
        <source>Check the cable and the radio on %1, then read again.</source>
        <translation>Vérifiez le câble et la radio sur %1, puis relancez la lecture.</translation>
    </message>
    <message>
        <source>Check the cable and the radio, then program again.</source>
        <translation>Vérifiez le câble et la radio, puis programmez à nouveau.</translation>
    </message>
    <message>
        <source>Check the cable and the radio, then clear again.</source>
        <translation>Vérifiez le câble et la radio, puis effacez à nouveau.</translation>
    </message>
    <message>
        <source>Program the radio again before you use it.</source>
        <translation>Programmez à nouveau la radio avant de l&apos;utiliser.</translation>
    </message>
    <message>
        <source>Clear the ATIS data again before you use the radio.</source>
        <translation>Effacez à nouveau les données ATIS avant d&apos;utiliser la radio.</translation>
    </message>
    <message>
        <source>Not verified: read back, the radio on %1 holds other bytes than were sent at %2.</source>
        <translation>Non vérifié : relue, la radio sur %1 contient d&apos;autres octets que ceux envoyés en %2.</translation>
    </message>
    <message>
        <source>The radio on %1 took the whole write, but reading it back was cancelled, so it is not verified.</source>
        <translation>La radio sur %1 a pris toute l&apos;écriture, mais la relecture a été annulée : elle n&apos;est donc pas vérifiée.</translation>
    </message>
    <message>
        <source>The radio on %1 took the whole clear, but reading it back was cancelled, so it is not verified.</source>
        <translation>La radio sur %1 a pris tout l&apos;effacement, mais la relecture a été annulée : il n&apos;est donc pas vérifié.</translation>
    </message>
    <message>
        <source>The radio on %1 took the whole write, but reading it back failed, so it is not verified. %2</source>
        <translation>La radio sur %1 a pris toute l&apos;écriture, mais la relecture a échoué : elle n&apos;est donc pas vérifiée. %2</translation>
    </message>
    <message>
        <source>The radio on %1 took the whole clear, but reading it back failed, so it is not verified. %2</source>
        <translation>La radio sur %1 a pris tout l&apos;effacement, mais la relecture a échoué : il n&apos;est donc pas vérifié. %2</translation>
    </message>
    <message>
        <source>Verified: the radio on %1 holds everything written.</source>
        <translation>Vérifié : la radio sur %1 contient tout ce qui a été écrit.</translation>
    </message>
    <message>
        <source>Nothing was written: the radio on %1 already holds everything these data would write.</source>
        <translation>Rien n&apos;a été écrit : la radio sur %1 contient déjà tout ce que ces données écriraient.</translation>
    </message>
    <message>
        <source>The cable on %1 returns every byte it is sent (a cable with echo). Transfers through it need the echo check: --echo-check on the command line, or start the desktop application with /NT.</source>
        <translation>Le câble sur %1 renvoie chaque octet reçu (un câble avec écho). Les transferts par ce câble demandent le contrôle d&apos;écho : --echo-check en ligne de commande, ou lancez le programme avec /NT.</translation>
    </message>
    <message>
        <source>Nothing answered on %1. The radio is switched off, or it is not in PC-control mode (switch it on while holding [PRESET] until it shows PC CONTROL), or its cable is on another port than %1.</source>
        <translation>Rien n&apos;a répondu sur %1. La radio est éteinte, ou elle n&apos;est pas en mode PC (allumez-la en maintenant [PRESET] jusqu&apos;à ce qu&apos;elle affiche PC CONTROL), ou son câble est sur un autre port que %1.</translation>
    </message>
    <message>
        <source>The radio on %1 answered but did not report ready (it may be busy). Wait until it shows PC CONTROL, then test again.</source>
        <translation>La radio sur %1 a répondu mais ne s&apos;est pas déclarée prête (elle est peut-être occupée). Attendez qu&apos;elle affiche PC CONTROL, puis testez à nouveau.</translation>
    </message>
    <message>
        <source>The radio on %1 answered, but the exchange that followed failed: %2. Switch the radio off, switch it on again in PC-control mode, then test again.</source>
        <translation>La radio sur %1 a répondu, mais l&apos;échange qui a suivi a échoué : %2. Éteignez la radio, rallumez-la en mode PC, puis testez à nouveau.</translation>
    </message>
    <message>
        <source>model words %1 and %2</source>
        <translation>mots de modèle %1 et %2</translation>
    </message>
    <message>
        <source>It holds an ATIS code; an ATIS code has been programmed into it %1 time.</source>
        <translation>Elle contient un code ATIS ; un code ATIS y a été programmé %1 fois.</translation>
    </message>
    <message>
        <source>It holds an ATIS code; an ATIS code has been programmed into it %1 times.</source>
        <translation>Elle contient un code ATIS ; un code ATIS y a été programmé %1 fois.</translation>
    </message>
    <message>
        <source>It holds no ATIS code; an ATIS code has been programmed into it %1 time.</source>
        <translation>Elle ne contient pas de code ATIS ; un code ATIS y a été programmé %1 fois.</translation>
    </message>
    <message>
        <source>It holds no ATIS code; an ATIS code has been programmed into it %1 times.</source>
        <translation>Elle ne contient pas de code ATIS ; un code ATIS y a été programmé %1 fois.</translation>
    </message>
    <message>
        <source>The radio on %1 answered: it is no %2 (%3), so this program cannot read or write it.</source>
        <translation>La radio sur %1 a répondu : ce n&apos;est pas une %2 (%3), ce programme ne peut donc ni la lire ni la programmer.</translation>
    </message>
    <message>
        <source>The radio on %1 answered: a %2 (%3), region %4.</source>
        <translation>La radio sur %1 a répondu : une %2 (%3), région %4.</translation>
    </message>
    <message>
        <source>The cable and the port work: the radio can be read and programmed.</source>
        <translation>Le câble et le port fonctionnent : la radio peut être lue et programmée.</translation>
    </message>
    <message>
        <source>The test of %1 was cancelled.</source>
        <translation>Le test de %1 a été annulé.</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Tester la liaison</translation>
    </message>
    <message>
        <source>the group has no channel %1 (it has 00 to 99)</source>
        <translation>le groupe n&apos;a pas de canal %1 (il a 00 à 99)</translation>
    </message>
    <message>
        <source>it has no duplex mode the radio knows</source>
        <translation>il n&apos;a aucun mode duplex que la radio connaisse</translation>
    </message>
    <message>
        <source>it has no status number the radio knows</source>
        <translation>il n&apos;a aucun numéro d&apos;état que la radio connaisse</translation>
    </message>
    <message>
        <source>it has no status icon the radio knows</source>
        <translation>il n&apos;a aucune icône d&apos;état que la radio connaisse</translation>
    </message>
    <message>
        <source>its Rx frequency %1 is outside %2 to %3 MHz or not on a 25 kHz step</source>
        <translation>sa fréquence de réception %1 est hors de %2 à %3 MHz ou pas sur un pas de 25 kHz</translation>
    </message>
    <message>
        <source>its Tx frequency %1 is outside %2 to %3 MHz or not on a 25 kHz step</source>
        <translation>sa fréquence d&apos;émission %1 est hors de %2 à %3 MHz ou pas sur un pas de 25 kHz</translation>
    </message>
    <message>
        <source>it has no display name</source>
        <translation>il n&apos;a pas de nom d&apos;affichage</translation>
    </message>
    <message>
        <source>the radio cannot show its display name &quot;%1&quot;</source>
        <translation>la radio ne peut pas afficher son nom « %1 »</translation>
    </message>
    <message>
        <source>the weather channels are fixed</source>
        <translation>les canaux météo sont fixes</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>La ligne %1</translation>
    </message>
    <message>
        <source>Row %1 (%2)</source>
        <translation>La ligne %1 (%2)</translation>
    </message>
    <message>
        <source>%1 holds at most %2 channels; it holds %3 and %4 are to be pasted. Nothing was pasted; delete channels or copy fewer, then paste again.</source>
        <translation>%1 contient au plus %2 canaux ; elle en contient %3 et %4 sont à coller. Rien n&apos;a été collé ; supprimez des canaux ou copiez-en moins, puis collez à nouveau.</translation>
    </message>
    <message>
        <source>%1 cannot be pasted into %2: %3. Nothing was pasted; correct that row or leave it out, then paste again.</source>
        <translation>%1 ne peut pas être collée dans %2 : %3. Rien n&apos;a été collé ; corrigez cette ligne ou omettez-la, puis collez à nouveau.</translation>
    </message>
    <message>
        <source>The channels on the clipboard cannot be pasted: %1. Nothing was pasted; correct that row or leave it out, then paste again.</source>
        <translation>Les canaux du presse-papiers ne peuvent pas être collés : %1. Rien n&apos;a été collé ; corrigez cette ligne ou omettez-la, puis collez à nouveau.</translation>
    </message>
    <message>
        <source>its CH &quot;%1&quot; is no channel name of the grid</source>
        <translation>son CH « %1 » n&apos;est pas un nom de canal de la grille</translation>
    </message>
    <message>
        <source>its DUP &quot;%1&quot; is no duplex mode</source>
        <translation>son DUP « %1 » n&apos;est pas un mode duplex</translation>
    </message>
    <message>
        <source>its group mark &quot;%1&quot; is neither 1 nor 0</source>
        <translation>sa marque de groupe « %1 » n&apos;est ni 1 ni 0</translation>
    </message>
    <message>
        <source>its %1 &quot;%2&quot; is neither %1 nor dashes</source>
        <translation>son %1 « %2 » n&apos;est ni %1 ni des tirets</translation>
    </message>
    <message>
        <source>its VS &quot;%1&quot; is no scrambler code</source>
        <translation>son VS « %1 » n&apos;est pas un code de brouillage</translation>
    </message>
    <message>
        <source>line %1: the column &quot;%2&quot; is no field of a channel; the headings are the keys of a channel data file: %3</source>
        <translation>ligne %1 : la colonne « %2 » n&apos;est pas un champ de canal ; les en-têtes sont les clés d&apos;un fichier de canaux : %3</translation>
    </message>
    <message>
        <source>line %1: the column &quot;%2&quot; comes twice; keep one of them</source>
        <translation>ligne %1 : la colonne « %2 » figure deux fois ; gardez-en une</translation>
    </message>
    <message>
        <source>line %1: there is no column &quot;List&quot;, which names the list of each row (CHUSA, CHINT, CHCAN, CHWX, CHRG or CHEXP)</source>
        <translation>ligne %1 : il n&apos;y a pas de colonne « List », qui nomme la liste de chaque ligne (CHUSA, CHINT, CHCAN, CHWX, CHRG ou CHEXP)</translation>
    </message>
    <message>
        <source>it has no %1, which every channel of %2 has</source>
        <translation>il n&apos;a pas de %1, que tout canal de %2 possède</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not %3</source>
        <translation>%1 « %2 » n&apos;est pas %3</translation>
    </message>
    <message>
        <source>%1 is %2, but the channels of %3 are always enabled</source>
        <translation>%1 vaut %2, mais les canaux de %3 sont toujours actifs</translation>
    </message>
    <message>
        <source>it holds no heading line and no channel</source>
        <translation>il ne contient ni ligne d&apos;en-tête ni canal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no channel list (CHUSA, CHINT, CHCAN, CHWX, CHRG, CHEXP)</source>
        <translation>« %1 » n&apos;est pas une liste de canaux (CHUSA, CHINT, CHCAN, CHWX, CHRG, CHEXP)</translation>
    </message>
    <message>
        <source>%1: the list holds at most %2 channels</source>
        <translation>%1 : la liste contient au plus %2 canaux</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>The file ends without the [%1] line this program writes last in every data file: it was cut short, so lists may be missing channels.</source>
        <translation>Le fichier se termine sans la ligne [%1] que ce programme écrit en dernier dans chaque fichier de données : il a été tronqué, des listes peuvent donc manquer de canaux.</translation>
    </message>
    <message>
        <source>The file has no %1, which every data file holds: it may have been cut short, and those settings were not read from it.</source>
        <translation>Le fichier n&apos;a pas %1, que contient tout fichier de données : il a peut-être été tronqué, et ces réglages n&apos;en ont pas été lus.</translation>
    </message>
    <message>
        <source>The file ends inside [%1] (line %2), before its %3 line: it may have been cut short.</source>
        <translation>Le fichier se termine dans [%1] (ligne %2), avant sa ligne %3 : il a peut-être été tronqué.</translation>
    </message>
    <message>
        <source>[%1] (line %2): %3; its lines are ignored.</source>
        <translation>[%1] (ligne %2) : %3 ; ses lignes sont ignorées.</translation>
    </message>
    <message>
        <source>[%1] to [%2] (lines %3 to %4): %5; their lines are ignored.</source>
        <translation>[%1] à [%2] (lignes %3 à %4) : %5 ; leurs lignes sont ignorées.</translation>
    </message>
    <message>
        <source>%1 (line %2): %3; %4.</source>
        <translation>%1 (ligne %2) : %3 ; %4.</translation>
    </message>
    <message>
        <source>line %1: skipped, %2.</source>
        <translation>ligne %1 : sautée, %2.</translation>
    </message>
    <message>
        <source>%1 was opened, but not everything in it was taken as written. Check these settings before you program the radio:</source>
        <translation>%1 a été ouvert, mais tout n&apos;a pas été repris tel qu&apos;écrit. Vérifiez ces réglages avant de programmer la radio :</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... et %1 de plus.</translation>
    </message>
    <message>
        <source>the records of %1 are always enabled</source>
        <translation>les enregistrements de %1 sont toujours actifs</translation>
    </message>
    <message>
        <source>taken as 1</source>
        <translation>pris comme 1</translation>
    </message>
    <message>
        <source>kept empty</source>
        <translation>laissé vide</translation>
    </message>
    <message>
        <source>kept as %1</source>
        <translation>gardé à %1</translation>
    </message>
    <message>
        <source>ignored</source>
        <translation>ignoré</translation>
    </message>
    <message>
        <source>not %1</source>
        <translation>pas %1</translation>
    </message>
    <message>
        <source>it has no %1</source>
        <translation>il n&apos;a pas de %1</translation>
    </message>
    <message>
        <source>its %1 is 0</source>
        <translation>son %1 vaut 0</translation>
    </message>
    <message>
        <source>%1, which ends the list %2</source>
        <translation>%1, ce qui termine la liste %2</translation>
    </message>
    <message>
        <source>the list %1 holds no more records</source>
        <translation>la liste %1 ne contient plus d&apos;enregistrement</translation>
    </message>
    <message>
        <source>the list %1 ends before it</source>
        <translation>la liste %1 se termine avant</translation>
    </message>
    <message>
        <source>a section of the same name comes first</source>
        <translation>une section du même nom vient d&apos;abord</translation>
    </message>
    <message>
        <source>the model %1 has no ATIS</source>
        <translation>le modèle %1 n&apos;a pas d&apos;ATIS</translation>
    </message>
    <message>
        <source>no such section</source>
        <translation>section inconnue</translation>
    </message>
    <message>
        <source>the same key comes earlier</source>
        <translation>la même clé vient plus tôt</translation>
    </message>
    <message>
        <source>not a key the program reads here</source>
        <translation>pas une clé que le programme lit ici</translation>
    </message>
    <message>
        <source>a channel position from %1 to %2</source>
        <translation>une position de canal de %1 à %2</translation>
    </message>
    <message>
        <source>a channel of %1 (1 to %2) nor none (-1 or 65535)</source>
        <translation>un canal de %1 (1 à %2) ni aucun (-1 ou 65535)</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <source>0, 1, True or False</source>
        <translation>0, 1, True ou False</translation>
    </message>
    <message>
        <source>0 nor a frequency above 100 and below 200 MHz</source>
        <translation>0 ni une fréquence au-dessus de 100 et au-dessous de 200 MHz</translation>
    </message>
    <message>
        <source>a channel name the radio can show (two letters, digits or -+().*/,)</source>
        <translation>un nom de canal que la radio peut afficher (deux lettres, chiffres ou -+().*/,)</translation>
    </message>
    <message>
        <source>an ATIS code (empty or ten digits)</source>
        <translation>un code ATIS (vide ou dix chiffres)</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>n° de série %1</translation>
    </message>
    <message>
        <source>also %1</source>
        <translation>aussi %1</translation>
    </message>
    <message>
        <source>The channels were not imported.</source>
        <translation>Les canaux n&apos;ont pas été importés.</translation>
    </message>
    <message>
        <source>it is saved as UTF-16 text. Save it from the spreadsheet as &quot;CSV UTF-8&quot; (or plain CSV), then import it again.</source>
        <translation>il est enregistré en texte UTF-16. Enregistrez-le depuis le tableur en « CSV UTF-8 » (ou CSV simple), puis importez-le à nouveau.</translation>
    </message>
    <message>
        <source>it is no channel table: %1. Export the channels once to see the table the program reads.</source>
        <translation>ce n&apos;est pas un tableau de canaux : %1. Exportez une fois les canaux pour voir le tableau que lit le programme.</translation>
    </message>
    <message>
        <source>it holds a heading line but no channel under it. Add a row per channel, then import it again.</source>
        <translation>il contient une ligne d&apos;en-tête mais aucun canal en dessous. Ajoutez une ligne par canal, puis importez-le à nouveau.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 rows cannot be imported:</source>
        <translation>%1 : %2 lignes sur %3 ne peuvent pas être importées :</translation>
    </message>
    <message>
        <source>The channels were not imported. Correct the rows, then import again.</source>
        <translation>Les canaux n&apos;ont pas été importés. Corrigez les lignes, puis importez à nouveau.</translation>
    </message>
    <message>
        <source>Import the other %1 rows? Each list they belong to is replaced by them; the other lists stay as they are.</source>
        <translation>Importer les %1 autres lignes ? Chaque liste à laquelle elles appartiennent est remplacée par elles ; les autres listes restent telles quelles.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Compare With &amp;File...</source>
        <translation>&amp;Comparer avec un fichier...</translation>
    </message>
    <message>
        <source>Show how a channel data or image file differs from this data set</source>
        <translation>Montre en quoi un fichier de canaux ou un fichier image diffère de ces données</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save As &amp;Default</source>
        <translation>Enregistrer comme &amp;défaut</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>P&amp;rint to File</source>
        <translation>Imprimer dans un fic&amp;hier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Modèle</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>&amp;Transfert</translation>
    </message>
    <message>
        <source>&amp;Program to Radio</source>
        <translation>&amp;Programmer la radio</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>&amp;Lire la radio</translation>
    </message>
    <message>
        <source>&amp;Compare With Radio</source>
        <translation>&amp;Comparer avec la radio</translation>
    </message>
    <message>
        <source>Read the radio and show how it differs from this data set, which stays as it is</source>
        <translation>Lit la radio et montre en quoi elle diffère de ces données, qui restent telles quelles</translation>
    </message>
    <message>
        <source>&amp;Region</source>
        <translation>&amp;Région</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;SerialPort</source>
        <translation>Port &amp;série</translation>
    </message>
    <message>
        <source>&amp;Read Radio Before Programming</source>
        <translation>&amp;Lire la radio avant de programmer</translation>
    </message>
    <message>
        <source>Keep a backup of the radio&apos;s whole memory, read just before it is programmed</source>
        <translation>Garde une sauvegarde de toute la mémoire de la radio, lue juste avant sa programmation</translation>
    </message>
    <message>
        <source>Hexdump</source>
        <translation>Hexdump</translation>
    </message>
    <message>
        <source>&amp;Open Image File...</source>
        <translation>&amp;Ouvrir un fichier image...</translation>
    </message>
    <message>
        <source>Sa&amp;ve Image File...</source>
        <translation>&amp;Enregistrer un fichier image...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>Show &amp;Backups Folder</source>
        <translation>Afficher le dossier des sauve&amp;gardes</translation>
    </message>
    <message>
        <source>Save &amp;Diagnostics...</source>
        <translation>Enregistrer le &amp;diagnostic...</translation>
    </message>
    <message>
        <source>&amp;About KVX Version</source>
        <translation>À &amp;propos de la version KVX</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programmer</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>dat files(*.dat);;All files(*.*)</source>
        <translation>Fichiers dat (*.dat);;Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>dat files(*.dat);;hex files(*.hex);;All files(*.*)</source>
        <translation>Fichiers dat (*.dat);;Fichiers hex (*.hex);;Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Text files(*.txt);;All files(*.*)</source>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>hex files(*.hex);;All files(*.*)</source>
        <translation>Fichiers hex (*.hex);;Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifications</translation>
    </message>
    <message>
        <source>Verify &amp;After Programming</source>
        <translation>&amp;Vérifier après la programmation</translation>
    </message>
    <message>
        <source>Read back everything written to the radio and check that it holds it</source>
        <translation>Relit tout ce qui a été écrit dans la radio et vérifie qu&apos;elle le contient</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Mo&amp;ve Up</source>
        <translation>Mon&amp;ter</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>&amp;Export Channels...</source>
        <translation>E&amp;xporter des canaux...</translation>
    </message>
    <message>
        <source>Save the channel lists as a table (.csv) for a spreadsheet</source>
        <translation>Enregistre les listes de canaux comme table (.csv) pour un tableur</translation>
    </message>
    <message>
        <source>&amp;Import Channels...</source>
        <translation>Im&amp;porter des canaux...</translation>
    </message>
    <message>
        <source>Replace the channel lists a table (.csv) holds rows for</source>
        <translation>Remplace les listes de canaux pour lesquelles une table (.csv) a des lignes</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>&amp;Test Connection</source>
        <translation>&amp;Tester la liaison</translation>
    </message>
    <message>
        <source>Test the cable and the port: what answers, and what the radio is</source>
        <translation>Teste le câble et le port : ce qui répond, et quelle radio est branchée</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler : %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir : %1</translation>
    </message>
    <message>
        <source>More Buttons</source>
        <translation>Plus de boutons</translation>
    </message>
</context>
<context>
    <name>ReportPrinting</name>
    <message>
        <source>the PDF file %1</source>
        <translation>le fichier PDF %1</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation>l&apos;imprimante « %1 »</translation>
    </message>
    <message>
        <source>The report was not printed: no printer is set up on this computer.<byte value="xd"/>
Set up a printer in the system&apos;s settings, then print again. File &gt; Print Preview shows the pages without a printer.</source>
        <translation>Le rapport n&apos;a pas été imprimé : aucune imprimante n&apos;est configurée sur cet ordinateur.<byte value="xd"/>
Configurez une imprimante dans les réglages du système, puis imprimez à nouveau. Fichier &gt; Aperçu avant impression montre les pages sans imprimante.</translation>
    </message>
    <message>
        <source>The report was not printed: %1 could not be written.<byte value="xd"/>
Choose a folder you may write to, then print again.</source>
        <translation>Le rapport n&apos;a pas été imprimé : %1 n&apos;a pas pu être écrit.<byte value="xd"/>
Choisissez un dossier où vous pouvez écrire, puis imprimez à nouveau.</translation>
    </message>
    <message>
        <source>The report was not printed: %1 could not be started.<byte value="xd"/>
Check that it is switched on, connected and ready, or choose another printer, then print again.</source>
        <translation>Le rapport n&apos;a pas été imprimé : %1 n&apos;a pas pu démarrer.<byte value="xd"/>
Vérifiez qu&apos;elle est allumée, branchée et prête, ou choisissez une autre imprimante, puis imprimez à nouveau.</translation>
    </message>
    <message>
        <source>Printing stopped on %1 after %2 sheet(s): the report is not complete.<byte value="xd"/>
Check the printer, then print the report again.</source>
        <translation>L&apos;impression sur %1 s&apos;est arrêtée après %2 feuille(s) : le rapport n&apos;est pas complet.<byte value="xd"/>
Vérifiez l&apos;imprimante, puis imprimez à nouveau le rapport.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>tpw52 needs a desktop session to show its window; tpw52-cli does the same work without one (see tpw52-cli --help).</source>
        <translation>tpw52 a besoin d&apos;une session de bureau pour afficher sa fenêtre ; tpw52-cli fait le même travail sans elle (voir tpw52-cli --help).</translation>
    </message>
    <message>
        <source>The computer ran out of memory, and the last command was not finished.
Save your data under a new name, then restart the program.</source>
        <translation>L&apos;ordinateur manque de mémoire et la dernière commande n&apos;a pas été terminée.
Enregistrez vos données sous un nouveau nom, puis redémarrez le programme.</translation>
    </message>
    <message>
        <source>Usage: tpw52 [FILE] [/D] [/E] [/NT] [/DEMO] [--lang CODE]
The PC programming tool of the QZ815 marine VHF radio: reads the radio&apos;s channels and
settings over the programming cable, edits them, writes them back, keeps them in channel
data files and prints them.

  FILE       a channel data file (.dat) to open at start, as File &gt; Open does
  /D         diagnostic mode: protocol trace, hex dump, image files, err.log
  /E         low speed: the serial port stays at 19200 baud
  /NT        check the echo of every byte sent, for cables that return it
  /DEMO      offer a simulated radio as a serial port, to try the program
  --lang CODE  the language of the window: en, de, nl or fr (Options &gt; Language
             remembers one; the system&apos;s language otherwise)
  --help     print this help and exit
  --version  print the version and exit
</source>
        <translation>Utilisation : tpw52 [FICHIER] [/D] [/E] [/NT] [/DEMO] [--lang CODE]
L&apos;outil de programmation sur PC de la radio VHF marine QZ815 : lit les canaux et les
réglages de la radio par le câble de programmation, les modifie, les réécrit, les garde
dans des fichiers de canaux et les imprime.

  FICHIER    un fichier de canaux (.dat) à ouvrir au démarrage, comme Fichier &gt; Ouvrir
  /D         mode diagnostic : trace du protocole, vidage hexadécimal, fichiers image, err.log
  /E         vitesse basse : le port série reste à 19200 bauds
  /NT        vérifier l&apos;écho de chaque octet envoyé, pour les câbles qui le renvoient
  /DEMO      proposer une radio simulée comme port série, pour essayer le programme
  --lang CODE  la langue de la fenêtre : en, de, nl ou fr (Options &gt; Langue
             en retient une ; sinon la langue du système)
  --help     afficher cette aide et quitter
  --version  afficher la version et quitter
</translation>
    </message>
</context>
<context>
    <name>tpw::gui::AboutBox</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-size:14pt&apos;&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;PC programming tool for the QZ815 marine VHF radio&lt;br&gt;Version %2&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:14pt&apos;&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Logiciel de programmation PC de la radio VHF marine QZ815&lt;br&gt;Version %2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>This program is provided as is, without warranty of any kind. Check every channel against the rules of your waters before you use the radio; transmitting on a channel you are not licensed for may be unlawful.</source>
        <translation>Ce programme est fourni tel quel, sans aucune garantie. Vérifiez chaque canal selon les règles de vos eaux avant d&apos;utiliser la radio ; émettre sur un canal pour lequel vous n&apos;êtes pas autorisé peut être illégal.</translation>
    </message>
</context>
<context>
    <name>tpw::gui::AtisSection</name>
    <message>
        <source>ATIS Function</source>
        <translation>Fonction ATIS</translation>
    </message>
    <message>
        <source>Usable ATIS CH Group</source>
        <translation>Groupes de canaux ATIS utilisables</translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>Code ATIS</translation>
    </message>
    <message>
        <source>10 digits</source>
        <translation>10 chiffres</translation>
    </message>
    <message>
        <source>Times programmed</source>
        <translation>Nombre de programmations</translation>
    </message>
    <message>
        <source>ATIS Clear</source>
        <translation>Effacer ATIS</translation>
    </message>
    <message>
        <source>Erase the ATIS code in the radio: the only way to change a code the radio already holds.</source>
        <translation>Efface le code ATIS de la radio : le seul moyen de changer un code que la radio contient déjà.</translation>
    </message>
</context>
<context>
    <name>tpw::gui::ChannelEditPanel</name>
    <message>
        <source>CH Enable</source>
        <translation>Canal actif</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Mémoire de balayage</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Brouilleur</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>ENREGISTRER</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>BASE CH No.</source>
        <translation>N° canal de base</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Fréquence de réception</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Fréquence d&apos;émission</translation>
    </message>
    <message>
        <source>Channel Mode</source>
        <translation>Mode du canal</translation>
    </message>
    <message>
        <source>SIMP/DUP</source>
        <translation>SIMP/DUP</translation>
    </message>
    <message>
        <source>Status Icon</source>
        <translation>Icône d&apos;état</translation>
    </message>
    <message>
        <source>CH Status No.</source>
        <translation>N° d&apos;état du canal</translation>
    </message>
    <message>
        <source>Channel Groups</source>
        <translation>Groupes de canaux</translation>
    </message>
    <message>
        <source>[USA]</source>
        <translation>[USA]</translation>
    </message>
    <message>
        <source>[INT]</source>
        <translation>[INT]</translation>
    </message>
    <message>
        <source>[CAN]</source>
        <translation>[CAN]</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Émission</translation>
    </message>
    <message>
        <source>Tx Enable</source>
        <translation>Émission permise</translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation>Faible puissance seule</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Puissance augmentée</translation>
    </message>
    <message>
        <source>CH Display</source>
        <translation>Affichage du canal</translation>
    </message>
</context>
<context>
    <name>tpw::gui::ChannelListPanel</name>
    <message>
        <source>NEW</source>
        <translation>NOUVEAU</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>MODIFIER</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>SUPPRIMER</translation>
    </message>
</context>
<context>
    <name>tpw::gui::CommonSetupPage</name>
    <message>
        <source>Usable Channel Groups</source>
        <translation>Groupes de canaux utilisables</translation>
    </message>
    <message>
        <source>Priority CH</source>
        <translation>Canal prioritaire</translation>
    </message>
    <message>
        <source>Scanning Function</source>
        <translation>Fonction de balayage</translation>
    </message>
    <message>
        <source>DW/TW Function</source>
        <translation>Fonction DW/TW</translation>
    </message>
    <message>
        <source>Weather CH Function</source>
        <translation>Fonction canal météo</translation>
    </message>
</context>
<context>
    <name>tpw::gui::ComparisonModel</name>
    <message>
        <source>Where</source>
        <translation>Où</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Réglage</translation>
    </message>
    <message>
        <source>This data set</source>
        <translation>Ces données</translation>
    </message>
</context>
<context>
    <name>tpw::gui::ComparisonWindow</name>
    <message>
        <source>Compare With %1</source>
        <translation>Comparer avec %1</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Différences</translation>
    </message>
    <message>
        <source>[Double click],[Enter]: go to the setting.</source>
        <translation>[Double-clic],[Entrée] : aller au réglage.</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>tpw::gui::EditorPane</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Common Setup</source>
        <translation>Réglages communs</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Météo</translation>
    </message>
</context>
<context>
    <name>tpw::gui::GeneralPage</name>
    <message>
        <source>&lt;p style=&apos;font-size:18pt&apos;&gt;&lt;b&gt;TPW52&lt;/b&gt;&lt;/p&gt;&lt;p&gt;PC programming for the QZ815 marine VHF radio&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:18pt&apos;&gt;&lt;b&gt;TPW52&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Programmation PC de la radio VHF marine QZ815&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Read the radio (Transfer &amp;gt; Read from Radio),&lt;br&gt;choose a list on the left to look at its channels,&lt;br&gt;then program the radio (Transfer &amp;gt; Program to Radio).</source>
        <translation>Lisez la radio (Transfert &amp;gt; Lire la radio),&lt;br&gt;choisissez une liste à gauche pour voir ses canaux,&lt;br&gt;puis programmez la radio (Transfert &amp;gt; Programmer la radio).</translation>
    </message>
</context>
<context>
    <name>tpw::gui::HexDumpView</name>
    <message>
        <source>Hexdump</source>
        <translation>Hexdump</translation>
    </message>
</context>
<context>
    <name>tpw::gui::MainWindow</name>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>The file<byte value="xd"/>
%1<byte value="xd"/>
no longer exists and has been removed from the recent files. Open it with File &gt; Open from where it is now.</source>
        <translation>Le fichier<byte value="xd"/>
%1<byte value="xd"/>
n&apos;existe plus et a été retiré des fichiers récents. Ouvrez-le avec Fichier &gt; Ouvrir là où il se trouve maintenant.</translation>
    </message>
    <message>
        <source>Do you want to program the %1 series?</source>
        <translation>Voulez-vous programmer la série %1 ?</translation>
    </message>
    <message>
        <source>The backups folder could not be shown.<byte value="xd"/>
%1: %2</source>
        <translation>Le dossier des sauvegardes n&apos;a pas pu être affiché.<byte value="xd"/>
%1 : %2</translation>
    </message>
    <message>
        <source>no file manager opened it. Open it in your file manager; every read and write of a radio keeps its backup there.</source>
        <translation>aucun gestionnaire de fichiers ne l&apos;a ouvert. Ouvrez-le dans votre gestionnaire de fichiers ; chaque lecture et écriture d&apos;une radio y garde sa sauvegarde.</translation>
    </message>
</context>
<context>
    <name>tpw::gui::PcPicture</name>
    <message>
        <source>PC</source>
        <translation>PC</translation>
    </message>
</context>
<context>
    <name>tpw::gui::PrintPreview</name>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Pre&amp;vious Page</source>
        <translation>Page &amp;précédente</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>Page &amp;suivante</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>&amp;Largeur de page</translation>
    </message>
    <message>
        <source>&amp;Whole Page</source>
        <translation>Page &amp;entière</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>tpw::gui::RadioPicture</name>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
</context>
<context>
    <name>tpw::gui::ReportWindow</name>
    <message>
        <source>Print to File</source>
        <translation>Imprimer dans un fichier</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Now, making text image. Please wait...</source>
        <translation>Création du rapport en cours. Veuillez patienter...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>tpw::gui::SerialPortMenu</name>
    <message>
        <source>Simulated radio (demo)</source>
        <translation>Radio simulée (démo)</translation>
    </message>
    <message>
        <source>Simulated radio</source>
        <translation>Radio simulée</translation>
    </message>
</context>
<context>
    <name>tpw::gui::TransferDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>1.Connect the KVX cable between the PC serial port and the radio.<byte value="xd"/>
2.On the radio, press and hold [PRESET] keys while<byte value="xd"/>
   turning the power on.<byte value="xd"/>
   The Radio display will show PC CONTROL.<byte value="xd"/>
3.Press the [OK] button to start.</source>
        <translation>1. Branchez le câble KVX entre le port série du PC et la radio.<byte value="xd"/>
2. Sur la radio, maintenez la touche [PRESET] enfoncée<byte value="xd"/>
   en l&apos;allumant.<byte value="xd"/>
   L&apos;écran de la radio affiche PC CONTROL.<byte value="xd"/>
3. Appuyez sur [OK] pour commencer.</translation>
    </message>
</context>
<context>
    <name>tpw::gui::TransferProgress</name>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
</context>
<context>
    <name>tpw::gui::WeatherPage</name>
    <message>
        <source>Enable</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Balayage</translation>
    </message>
</context>
<context>
    <name>tpw::gui::WriteChangesDialog</name>
    <message>
        <source>Written</source>
        <translation>Écrit</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Programmer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
</TS>
