<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BackupMenu</name>
    <message>
        <source>Restore Backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>%1
Nothing was changed.</source>
        <translation>%1
Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Put the backup %1 in place of %2? %2 as it is now is backed up first.</source>
        <translation>Remplacer %2 par la sauvegarde %1 ? %2 est d&apos;abord sauvegardé dans son état actuel.</translation>
    </message>
    <message>
        <source>the player editor</source>
        <translation>l&apos;éditeur de joueurs</translation>
    </message>
    <message>
        <source>the team name editor</source>
        <translation>l&apos;éditeur de noms d&apos;équipe</translation>
    </message>
    <message>
        <source>Restore the backup</source>
        <translation>Restaurer la sauvegarde</translation>
    </message>
    <message>
        <source>%1 now holds the backup %2.</source>
        <translation>%1 contient maintenant la sauvegarde %2.</translation>
    </message>
    <message>
        <source>The file as it was is kept as %1.</source>
        <translation>Le fichier dans son état précédent est conservé sous %1.</translation>
    </message>
    <message>
        <source>The file is open in %1, whose working copy still holds the file as it was before. File &gt; Open there decompresses the restored file.</source>
        <extracomment>%1 names the window (&quot;the player editor&quot;).</extracomment>
        <translation>Le fichier est ouvert dans %1, dont la copie de travail contient encore le fichier tel qu&apos;il était avant. Fichier &gt; Ouvrir dans cette fenêtre décompresse le fichier restauré.</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>no backup could be made as %1: %2</source>
        <translation>impossible de créer une sauvegarde sous %1 : %2</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>%1 est un fichier, pas un dossier</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made there</source>
        <translation>impossible de créer le dossier %1 à cet endroit</translation>
    </message>
    <message>
        <source>%1 is not named like a backup (the game file&apos;s name, then .yyyyMMdd-HHmmss.bak).</source>
        <extracomment>&quot;.yyyyMMdd-HHmmss.bak&quot; is the end of a backup&apos;s file name: keep it as it is.</extracomment>
        <translation>%1 n&apos;est pas nommé comme une sauvegarde (le nom du fichier du jeu, puis .yyyyMMdd-HHmmss.bak).</translation>
    </message>
    <message>
        <source>%1 is not in a folder named %2 beside its game file.</source>
        <translation>%1 ne se trouve pas dans un dossier nommé %2 à côté de son fichier du jeu.</translation>
    </message>
    <message>
        <source>%1 was not put back: %2
%3 was not changed.</source>
        <translation>%1 n&apos;a pas été restauré : %2
%3 n&apos;a pas été modifié.</translation>
    </message>
</context>
<context>
    <name>BackupsCommand</name>
    <message>
        <source>usage: rosterly-cli backups GAME_FILE

Lists the backups of GAME_FILE in the folder backups beside it, newest first, one line each: the
path, the size in bytes and the time it was made, separated by tabs. A backup is made before every
replacement of a game file; the ten newest are kept, and the oldest, the file as it was before it
was first replaced. rosterly-cli restore BACKUP puts one back.

Exit status: 0 listed (or there are none), 2 wrong usage.</source>
        <translation>utilisation : rosterly-cli backups GAME_FILE

Liste les sauvegardes de GAME_FILE présentes dans le dossier backups à côté de lui, de la plus récente à la plus ancienne,
une ligne chacune : le chemin, la taille en octets et l&apos;heure de création, séparés par des tabulations. Une sauvegarde est
faite avant chaque remplacement d&apos;un fichier du jeu ; les dix plus récentes sont conservées, ainsi que la plus ancienne,
le fichier tel qu&apos;il était avant son premier remplacement. rosterly-cli restore BACKUP en remet une en place.

Code de sortie : 0 liste affichée (ou aucune sauvegarde), 2 mauvaise utilisation.</translation>
    </message>
</context>
<context>
    <name>BulkChange</name>
    <message>
        <source>Set to</source>
        <extracomment>A change of many players: set the column to a value</extracomment>
        <translation>Fixer à</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>A change of many players: add a number to the column</extracomment>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Subtract</source>
        <extracomment>A change of many players: subtract a number from the column</extracomment>
        <translation>Soustraire</translation>
    </message>
    <message>
        <source>Set at least</source>
        <extracomment>A change of many players: raise the values below a number to it</extracomment>
        <translation>Au moins</translation>
    </message>
    <message>
        <source>Set at most</source>
        <extracomment>A change of many players: lower the values above a number to it</extracomment>
        <translation>Au plus</translation>
    </message>
    <message>
        <source>Change %1 to %2 (%3 player)</source>
        <translation>Mettre %1 à %2 (%3 joueur)</translation>
    </message>
    <message>
        <source>Change %1 to %2 (%3 players)</source>
        <translation>Mettre %1 à %2 (%3 joueurs)</translation>
    </message>
    <message>
        <source>Change %1 +%2 (%3 player)</source>
        <translation>Modifier %1 +%2 (%3 joueur)</translation>
    </message>
    <message>
        <source>Change %1 +%2 (%3 players)</source>
        <translation>Modifier %1 +%2 (%3 joueurs)</translation>
    </message>
    <message>
        <source>Change %1 -%2 (%3 player)</source>
        <translation>Modifier %1 -%2 (%3 joueur)</translation>
    </message>
    <message>
        <source>Change %1 -%2 (%3 players)</source>
        <translation>Modifier %1 -%2 (%3 joueurs)</translation>
    </message>
    <message>
        <source>Change %1 to at least %2 (%3 player)</source>
        <translation>Relever %1 à au moins %2 (%3 joueur)</translation>
    </message>
    <message>
        <source>Change %1 to at least %2 (%3 players)</source>
        <translation>Relever %1 à au moins %2 (%3 joueurs)</translation>
    </message>
    <message>
        <source>Change %1 to at most %2 (%3 player)</source>
        <translation>Limiter %1 à au plus %2 (%3 joueur)</translation>
    </message>
    <message>
        <source>Change %1 to at most %2 (%3 players)</source>
        <translation>Limiter %1 à au plus %2 (%3 joueurs)</translation>
    </message>
    <message>
        <source>the column is not changed here.</source>
        <translation>cette colonne n&apos;est pas modifiable ici.</translation>
    </message>
    <message>
        <source>%1 can only be set to a value.</source>
        <extracomment>%1 is the name of the sheet&apos;s column</extracomment>
        <translation>%1 peut seulement être fixé à une valeur.</translation>
    </message>
    <message>
        <source>%1: enter a whole number.</source>
        <translation>%1 : saisissez un nombre entier.</translation>
    </message>
    <message>
        <source>%1: enter a number from 1 to %2.</source>
        <translation>%1 : saisissez un nombre de 1 à %2.</translation>
    </message>
    <message>
        <source>1 player changes</source>
        <translation>1 joueur modifié</translation>
    </message>
    <message>
        <source>%1 players change</source>
        <translation>%1 joueurs modifiés</translation>
    </message>
    <message>
        <source>, %1 clamped to %2</source>
        <extracomment>Follows &quot;97 players change&quot;: %1 players were held at the limit %2</extracomment>
        <translation>, %1 limités à %2</translation>
    </message>
    <message>
        <source>, %1 already at least %2</source>
        <extracomment>Follows &quot;97 players change&quot;: %1 players had the value %2 already</extracomment>
        <translation>, %1 déjà à %2 ou plus</translation>
    </message>
    <message>
        <source>, %1 already at most %2</source>
        <translation>, %1 déjà à %2 ou moins</translation>
    </message>
    <message>
        <source>, %1 already at the limit</source>
        <translation>, %1 déjà à la limite</translation>
    </message>
    <message>
        <source>, %1 already %2</source>
        <translation>, %1 déjà à %2</translation>
    </message>
    <message>
        <source>record %1</source>
        <translation>fiche %1</translation>
    </message>
    <message>
        <source>%1 (%2 players, the first %3)</source>
        <extracomment>%1 is why, %2 how many players it concerns, %3 the first of them</extracomment>
        <translation>%1 (%2 joueurs, le premier : %3)</translation>
    </message>
</context>
<context>
    <name>BulkEditDialog</name>
    <message>
        <source>Change Field</source>
        <translation>Modifier un champ</translation>
    </message>
    <message>
        <source>&amp;Column:</source>
        <extracomment>The column of the player table whose values are changed.</extracomment>
        <translation>&amp;Colonne :</translation>
    </message>
    <message>
        <source>C&amp;hange:</source>
        <extracomment>How the values change: set to a value, or a number added, say.</extracomment>
        <translation>&amp;Mode :</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Valeur :</translation>
    </message>
    <message>
        <source>Enter the value.</source>
        <translation>Saisissez la valeur.</translation>
    </message>
    <message>
        <source>Enter the number.</source>
        <translation>Saisissez le nombre.</translation>
    </message>
</context>
<context>
    <name>CellValue</name>
    <message>
        <source>enter a whole number.</source>
        <translation>saisissez un nombre entier.</translation>
    </message>
    <message>
        <source>the text is not UTF-8; save the sheet as UTF-8 CSV.</source>
        <translation>le texte n&apos;est pas en UTF-8 ; enregistrez la feuille en CSV UTF-8.</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>usage: rosterly-cli check PLAYER_DB TEAM_FILE

Checks the rosters of the player database against the teams the team file lists and prints every
problem, one line each: player IDs held by more than one record, teams without a roster record,
roster records of no team or after a team&apos;s own, and in each squad players the database does not
hold, a player twice, shirt numbers outside 1-99 or worn twice, and empty slots before filled
ones. Prints &quot;no problems&quot; when there are none. Nothing is written.

Exit status: 0 no problems, 1 problems, 2 a file could not be read or wrong usage.</source>
        <translation>utilisation : rosterly-cli check PLAYER_DB TEAM_FILE

Vérifie les effectifs de la base de joueurs par rapport aux équipes que liste le fichier des équipes et
affiche chaque problème, une ligne chacun : ID de joueur portés par plusieurs fiches, équipes sans fiche
d&apos;effectif, fiches d&apos;effectif sans équipe ou placées après celle de leur équipe, et dans chaque effectif les
joueurs absents de la base, un joueur en double, les numéros de maillot hors de 1-99 ou portés deux fois, et
les places vides avant des places occupées. Affiche &quot;no problems&quot; s&apos;il n&apos;y en a aucun. Rien n&apos;est écrit.

Code de sortie : 0 aucun problème, 1 problèmes, 2 un fichier n&apos;a pas pu être lu ou mauvaise utilisation.</translation>
    </message>
</context>
<context>
    <name>CliOutput</name>
    <message>
        <source>Try: rosterly-cli %1--help</source>
        <extracomment>%1 is the command&apos;s name followed by a space (&quot;import &quot;), or nothing</extracomment>
        <translation>Essayez : rosterly-cli %1--help</translation>
    </message>
</context>
<context>
    <name>Codec</name>
    <message>
        <source>usage:
  zlib2.dll FILE -d   unpack the compressed game file FILE into FILE.unzlib
  zlib2.dll FILE      pack FILE into FILE.zlib</source>
        <extracomment>The command lines stay as they are; the descriptions after them may be translated.</extracomment>
        <translation>utilisation :
  zlib2.dll FILE -d   décompresse le fichier du jeu compressé FILE en FILE.unzlib
  zlib2.dll FILE      compresse FILE en FILE.zlib</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1 : écriture impossible : %2</translation>
    </message>
    <message>
        <source>%1: the game file&apos;s form cannot be kept, so nothing was packed</source>
        <translation>%1 : la forme du fichier du jeu ne peut pas être conservée, rien n&apos;a donc été compressé</translation>
    </message>
</context>
<context>
    <name>CodecRuns</name>
    <message>
        <source>The codec tool stopped unexpectedly.</source>
        <translation>L&apos;outil codec s&apos;est arrêté de façon inattendue.</translation>
    </message>
    <message>
        <source>The codec tool failed (exit code %1).</source>
        <translation>L&apos;outil codec a échoué (code de sortie %1).</translation>
    </message>
    <message>
        <source>The codec tool %1 could not be started.</source>
        <translation>L&apos;outil codec %1 n&apos;a pas pu être lancé.</translation>
    </message>
    <message>
        <source>The codec tool %1 is missing.</source>
        <translation>L&apos;outil codec %1 est introuvable.</translation>
    </message>
    <message>
        <source>The codec tool is still working on %1. Try again when it has finished.</source>
        <translation>L&apos;outil codec travaille encore sur %1. Réessayez quand il aura terminé.</translation>
    </message>
    <message>
        <source>The codec tool failed on %1: %2</source>
        <translation>L&apos;outil codec a échoué sur %1 : %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>too few arguments</source>
        <translation>trop peu d&apos;arguments</translation>
    </message>
    <message>
        <source>too many arguments</source>
        <translation>trop d&apos;arguments</translation>
    </message>
</context>
<context>
    <name>Container</name>
    <message>
        <source>%1 MiB</source>
        <translation>%1 Mio</translation>
    </message>
    <message>
        <source>the header says the data unpacks to %1 bytes, more than the %2 a game file may hold</source>
        <translation>l&apos;en-tête indique que les données décompressées font %1 octets, plus que les %2 que peut contenir un fichier du jeu</translation>
    </message>
    <message>
        <source>the file goes on after the %1 compressed bytes the header gives with something other than zero padding: byte %2 of the file is 0x%3</source>
        <translation>après les %1 octets compressés indiqués par l&apos;en-tête, le fichier continue avec autre chose que des octets de remplissage nuls : l&apos;octet %2 du fichier vaut 0x%3</translation>
    </message>
    <message>
        <source>the compressed data is truncated or the header is damaged: its sizes fit the file in neither byte order (%1 compressed bytes read little-endian, %2 read big-endian; the file holds %3 after the header)</source>
        <translation>les données compressées sont tronquées ou l&apos;en-tête est endommagé : ses tailles ne correspondent au fichier dans aucun ordre d&apos;octets (%1 octets compressés lus en little-endian, %2 lus en big-endian ; le fichier contient %3 après l&apos;en-tête)</translation>
    </message>
    <message>
        <source>the decompressor could not be started</source>
        <translation>le décompresseur n&apos;a pas pu être lancé</translation>
    </message>
    <message>
        <source>the data unpacks to more than %1, the most a game file may hold</source>
        <translation>les données décompressées dépassent %1, le maximum que peut contenir un fichier du jeu</translation>
    </message>
    <message>
        <source>the compressed data is truncated</source>
        <translation>les données compressées sont tronquées</translation>
    </message>
    <message>
        <source>the compressed data is corrupt</source>
        <translation>les données compressées sont corrompues</translation>
    </message>
    <message>
        <source>the compressed data is corrupt: it asks for a preset dictionary, which game files never use</source>
        <translation>les données compressées sont corrompues : elles demandent un dictionnaire prédéfini, que les fichiers du jeu n&apos;utilisent jamais</translation>
    </message>
    <message>
        <source>not enough memory to decompress the data</source>
        <translation>mémoire insuffisante pour décompresser les données</translation>
    </message>
    <message>
        <source>the compressed data is corrupt (%1)</source>
        <translation>les données compressées sont corrompues (%1)</translation>
    </message>
    <message>
        <source>zlib error</source>
        <translation>erreur zlib</translation>
    </message>
    <message>
        <source>%1 unexpected bytes follow the end of the compressed data</source>
        <translation>%1 octets inattendus suivent la fin des données compressées</translation>
    </message>
    <message>
        <source>the header says %1 bytes, the data holds %2</source>
        <translation>l&apos;en-tête indique %1 octets, les données en contiennent %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>the compressed data is truncated: the file ends inside the header, after %1 bytes</source>
        <translation>les données compressées sont tronquées : le fichier se termine dans l&apos;en-tête, après %1 octets</translation>
    </message>
    <message>
        <source>not a compressed game file: unknown header</source>
        <translation>ce n&apos;est pas un fichier du jeu compressé : en-tête inconnu</translation>
    </message>
    <message>
        <source>this is an indexed archive holding several files, not one compressed game file</source>
        <translation>c&apos;est une archive indexée contenant plusieurs fichiers, pas un seul fichier du jeu compressé</translation>
    </message>
    <message>
        <source>not a compressed game file: unknown container type %1 (byte 2 is 1 for one compressed file, 0 for an archive)</source>
        <translation>ce n&apos;est pas un fichier du jeu compressé : type de conteneur %1 inconnu (l&apos;octet 2 vaut 1 pour un fichier compressé unique, 0 pour une archive)</translation>
    </message>
    <message>
        <source>the compressed data is truncated: the file ends inside the %1-byte header, after %2 bytes</source>
        <translation>les données compressées sont tronquées : le fichier se termine dans l&apos;en-tête de %1 octets, après %2 octets</translation>
    </message>
    <message>
        <source>the form&apos;s bytes 2-7 are not those of a compressed game file (1, then &quot;WESYS&quot;)</source>
        <translation>les octets 2 à 7 de la forme ne sont pas ceux d&apos;un fichier du jeu compressé (1, puis &quot;WESYS&quot;)</translation>
    </message>
    <message>
        <source>the form&apos;s alignment %1 is not a power of two up to %2</source>
        <translation>l&apos;alignement %1 de la forme n&apos;est pas une puissance de deux inférieure ou égale à %2</translation>
    </message>
    <message>
        <source>the data is %1 bytes, more than the %2 a game file may hold</source>
        <translation>les données font %1 octets, plus que les %2 que peut contenir un fichier du jeu</translation>
    </message>
    <message>
        <source>not enough memory to compress the data</source>
        <translation>mémoire insuffisante pour compresser les données</translation>
    </message>
    <message>
        <source>the compressor failed: its stream did not fit the room it asked for</source>
        <translation>le compresseur a échoué : son flux ne tenait pas dans la place qu&apos;il avait demandée</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>row 1: the CSV reader could not be started</source>
        <translation>ligne 1 : le lecteur CSV n&apos;a pas pu être lancé</translation>
    </message>
    <message>
        <source>a quoted cell is not closed</source>
        <translation>une cellule entre guillemets n&apos;est pas fermée</translation>
    </message>
    <message>
        <source>a quote in the wrong place (a quoted cell starts and ends with a quote, and a quote inside it is doubled)</source>
        <translation>un guillemet mal placé (une cellule entre guillemets commence et finit par un guillemet, et un guillemet à l&apos;intérieur est doublé)</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
</context>
<context>
    <name>DatabaseImport</name>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Détails</translation>
    </message>
    <message>
        <source>&amp;Abilities</source>
        <translation>&amp;Capacités</translation>
    </message>
    <message>
        <source>A&amp;ppearance</source>
        <translation>A&amp;pparence</translation>
    </message>
    <message>
        <source>&amp;Squads</source>
        <translation>&amp;Effectifs</translation>
    </message>
    <message>
        <source>&amp;Team names</source>
        <translation>&amp;Noms d&apos;équipe</translation>
    </message>
    <message>
        <source>Open a player database and press Load first.</source>
        <translation>Ouvrez une base de joueurs et cliquez d&apos;abord sur Charger.</translation>
    </message>
    <message>
        <source>Import again</source>
        <translation>Importez à nouveau</translation>
    </message>
    <message>
        <source>Import from Another Database</source>
        <translation>Importer d&apos;une autre base</translation>
    </message>
    <message>
        <source>Player database</source>
        <translation>Base de joueurs</translation>
    </message>
    <message>
        <source>The other database&apos;s team file (Cancel: none)</source>
        <translation>Fichier des équipes de l&apos;autre base (Annuler : aucun)</translation>
    </message>
    <message>
        <source>Team file</source>
        <translation>Fichier des équipes</translation>
    </message>
    <message>
        <source>%1
Nothing was imported.</source>
        <translation>%1
Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Import from Another Database — %1</source>
        <translation>Importer d&apos;une autre base — %1</translation>
    </message>
    <message>
        <source>Take:</source>
        <extracomment>Before the check boxes of the parts taken from the other database.</extracomment>
        <translation>Prendre :</translation>
    </message>
    <message>
        <source>Needs both team files.</source>
        <translation>Exige les deux fichiers des équipes.</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtre :</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>The columns of the list of players that differ: the record number, the player ID, his name, the parts that differ and the changes.</extracomment>
        <translation>Fiche</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Parts</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Changements</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <extracomment>A squad or team name of the other database that cannot be taken, and why.</extracomment>
        <translation>refusé : %1</translation>
    </message>
    <message>
        <source>Some of it cannot be taken:
%1

Import the rest?</source>
        <translation>Une partie ne peut pas être reprise :
%1

Importer le reste ?</translation>
    </message>
    <message>
        <source>Import from %1 (%2 player)</source>
        <extracomment>The step&apos;s name in the Edit menu: %1 is the other database, %2 how many players.</extracomment>
        <translation>Importer de %1 (%2 joueur)</translation>
    </message>
    <message>
        <source>Import from %1 (%2 players)</source>
        <translation>Importer de %1 (%2 joueurs)</translation>
    </message>
</context>
<context>
    <name>DatabaseMerge</name>
    <message>
        <source>%1 (team ID %2): %3</source>
        <extracomment>%1 is a team&apos;s name, %2 its team ID, %3 what is wrong</extracomment>
        <translation>%1 (ID d&apos;équipe %2) : %3</translation>
    </message>
    <message>
        <source>%1 (team ID %2), slot %3: %4</source>
        <extracomment>%1 is a team&apos;s name, %2 its team ID, %3 a slot number, %4 what is wrong</extracomment>
        <translation>%1 (ID d&apos;équipe %2), place %3 : %4</translation>
    </message>
    <message>
        <source>%1 player</source>
        <translation>%1 joueur</translation>
    </message>
    <message>
        <source>%1 players</source>
        <translation>%1 joueurs</translation>
    </message>
    <message>
        <source>%1 squad</source>
        <translation>%1 effectif</translation>
    </message>
    <message>
        <source>%1 squads</source>
        <translation>%1 effectifs</translation>
    </message>
    <message>
        <source>%1 team name</source>
        <translation>%1 nom d&apos;équipe</translation>
    </message>
    <message>
        <source>%1 team names</source>
        <translation>%1 noms d&apos;équipe</translation>
    </message>
    <message>
        <source>%1, %2, %3 will change</source>
        <extracomment>%1 is &quot;120 players&quot;, %2 &quot;3 squads&quot;, %3 &quot;2 team names&quot;</extracomment>
        <translation>%1, %2, %3 vont changer</translation>
    </message>
    <message>
        <source>this player database: %1</source>
        <extracomment>%1 says what is wrong with the player database</extracomment>
        <translation>cette base de joueurs : %1</translation>
    </message>
    <message>
        <source>the other player database: %1</source>
        <extracomment>%1 says what is wrong with the other player database</extracomment>
        <translation>l&apos;autre base de joueurs : %1</translation>
    </message>
    <message>
        <source>the squads and the team names need both team files.</source>
        <translation>les effectifs et les noms d&apos;équipe exigent les deux fichiers des équipes.</translation>
    </message>
    <message>
        <source>%1: foot: the other file&apos;s foot byte %2 is no entry of the list; left as it is.</source>
        <extracomment>%1 names the player; &quot;foot&quot; is the name of the sheet&apos;s column</extracomment>
        <translation>%1 : foot : l&apos;octet de pied %2 de l&apos;autre fichier ne figure pas dans la liste ; laissé tel quel.</translation>
    </message>
    <message>
        <source>player ID %1 %2: not in this database</source>
        <extracomment>%1 is a player ID, %2 the player&apos;s name</extracomment>
        <translation>ID joueur %1 %2 : absent de cette base</translation>
    </message>
    <message>
        <source>%1 (team ID %2): the other squad is empty; left as it is.</source>
        <translation>%1 (ID d&apos;équipe %2) : l&apos;autre effectif est vide ; laissé tel quel.</translation>
    </message>
</context>
<context>
    <name>DiffCommand</name>
    <message>
        <source>usage: rosterly-cli diff OLD_DB NEW_DB [OLD_TEAMS NEW_TEAMS]

Lists every field that differs between two player databases, one line per field,
&quot;index id name: field old -&gt; new&quot; (the fields of players.csv, then any other bytes of a record as
&quot;bytes A-B&quot;), and then a count. With two team files also their differences, by list position:
&quot;position team_id name: field old -&gt; new&quot;. Then the squads of the roster table, slot by slot and
player by player: &quot;Austria: slot 3 Adam Adams (7) -&gt; Boris Brown (7)&quot;, &quot;Boris Brown: Brazil -&gt;
Austria&quot; (teams named by NEW_TEAMS when given, else &quot;team ID 100&quot;). Game files may be compressed
game files or working copies (*.unzlib), in any mix.

Exit status: 0 no differences, 1 differences, 2 a file could not be read or wrong usage.</source>
        <translation>utilisation : rosterly-cli diff OLD_DB NEW_DB [OLD_TEAMS NEW_TEAMS]

Liste chaque champ qui diffère entre deux bases de joueurs, une ligne par champ,
&quot;index id name: field old -&gt; new&quot; (les champs de players.csv, puis tout autre octet d&apos;une fiche sous la forme
&quot;bytes A-B&quot;), puis un décompte. Avec deux fichiers des équipes, aussi leurs différences, par position dans la
liste : &quot;position team_id name: field old -&gt; new&quot;. Puis les effectifs de la table des effectifs, place par place
et joueur par joueur : &quot;Austria: slot 3 Adam Adams (7) -&gt; Boris Brown (7)&quot;, &quot;Boris Brown: Brazil -&gt; Austria&quot;
(équipes nommées d&apos;après NEW_TEAMS s&apos;il est donné, sinon &quot;team ID 100&quot;). Les fichiers du jeu peuvent être des
fichiers du jeu compressés ou des copies de travail (*.unzlib), dans n&apos;importe quelle combinaison.

Code de sortie : 0 aucune différence, 1 différences, 2 un fichier n&apos;a pas pu être lu ou mauvaise utilisation.</translation>
    </message>
    <message>
        <source>give both team files, or neither</source>
        <translation>indiquez les deux fichiers des équipes, ou aucun</translation>
    </message>
</context>
<context>
    <name>EditMenu</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1 names the step that Undo takes back (&quot;Apply Abilities: Adam Adams&quot;).</extracomment>
        <translation>Annuler %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <extracomment>%1 names the step that Redo does again (&quot;Apply Abilities: Adam Adams&quot;).</extracomment>
        <translation>Rétablir %1</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>usage: rosterly-cli export PLAYER_DB [TEAM_FILE] --out DIR [--format csv|xlsx]

Writes the players of PLAYER_DB as DIR/players.csv, one row per player the editor can write
(records 0-6449) as it shows him. With TEAM_FILE also DIR/teams.csv (the team names) and
DIR/rosters.csv (every team&apos;s roster, as the team view shows it). DIR is made when it does not
exist; files already there are replaced.

  --format xlsx   write .xlsx workbooks (players.xlsx, ...) instead of CSV

Exit status: 0 written, 1 a file could not be read or written, 2 wrong usage.</source>
        <translation>utilisation : rosterly-cli export PLAYER_DB [TEAM_FILE] --out DIR [--format csv|xlsx]

Écrit les joueurs de PLAYER_DB dans DIR/players.csv, une ligne par joueur que l&apos;éditeur
peut écrire (fiches 0-6449), tel qu&apos;il l&apos;affiche. Avec TEAM_FILE, aussi DIR/teams.csv (les
noms d&apos;équipe) et DIR/rosters.csv (l&apos;effectif de chaque équipe, tel que l&apos;affiche la vue
des équipes). DIR est créé s&apos;il n&apos;existe pas ; les fichiers déjà présents sont remplacés.

  --format xlsx   écrit des classeurs .xlsx (players.xlsx, ...) au lieu de CSV

Code de sortie : 0 écrit, 1 un fichier n&apos;a pas pu être lu ou écrit, 2 mauvaise utilisation.</translation>
    </message>
    <message>
        <source>--out DIR is missing</source>
        <translation>--out DIR est manquant</translation>
    </message>
    <message>
        <source>--format is csv or xlsx, not &quot;%1&quot;</source>
        <translation>--format vaut csv ou xlsx, pas &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1: the folder cannot be made</source>
        <translation>%1 : impossible de créer le dossier</translation>
    </message>
</context>
<context>
    <name>FaceRelink</name>
    <message>
        <source>Select a player first.</source>
        <translation>Sélectionnez d&apos;abord un joueur.</translation>
    </message>
    <message>
        <source>Relink: %1</source>
        <translation>Relier : %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>the player editor</source>
        <extracomment>How messages of the team name editor name this window.</extracomment>
        <translation>l&apos;éditeur de joueurs</translation>
    </message>
    <message>
        <source>PES 2011 Rosterly v0.1  by Tavor  %1</source>
        <translation>PES 2011 Rosterly v0.1  par Tavor  %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>File &gt; Open: chooses the player database.</extracomment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Export to CSV…</source>
        <translation>Exporter en CSV…</translation>
    </message>
    <message>
        <source>Export to Excel…</source>
        <translation>Exporter en Excel…</translation>
    </message>
    <message>
        <source>Import Sheet…</source>
        <translation>Importer une feuille…</translation>
    </message>
    <message>
        <source>Import from Another Database…</source>
        <translation>Importer d&apos;une autre base…</translation>
    </message>
    <message>
        <source>Restore Backup…</source>
        <translation>Restaurer une sauvegarde…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Team Editor</source>
        <translation>Éditeur d&apos;équipes</translation>
    </message>
    <message>
        <source>Squads</source>
        <translation>Effectifs</translation>
    </message>
    <message>
        <source>Player Table</source>
        <translation>Table des joueurs</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The Language menu&apos;s entry that speaks the system&apos;s language.</extracomment>
        <translation>Système</translation>
    </message>
    <message>
        <source>Search Player.....</source>
        <translation>Chercher joueur.....</translation>
    </message>
    <message>
        <source>Face:  unnamed_</source>
        <extracomment>Above the face&apos;s file number: the face file is unnamed_&lt;number&gt;.bin.</extracomment>
        <translation>Visage :  unnamed_</translation>
    </message>
    <message>
        <source>Hair: unnamed_</source>
        <extracomment>Above the hair&apos;s file number: the hair file is unnamed_&lt;number&gt;.bin.</extracomment>
        <translation>Cheveux : unnamed_</translation>
    </message>
    <message>
        <source>Close the window again</source>
        <translation>Fermez à nouveau la fenêtre</translation>
    </message>
    <message>
        <source>No player database is open. Use File &gt; Open first.</source>
        <translation>Aucune base de joueurs n&apos;est ouverte. Utilisez d&apos;abord Fichier &gt; Ouvrir.</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>Ouvrez un fichier</translation>
    </message>
    <message>
        <source>Select unnamed_25.bin:</source>
        <translation>Sélectionnez unnamed_25.bin :</translation>
    </message>
    <message>
        <source>The team file %1 stays open in the team name editor, from another folder than %2. Team names, the team chooser and the squads come from it until File &gt; Open in the team name editor opens the team file beside the player database.</source>
        <translation>Le fichier des équipes %1 reste ouvert dans l&apos;éditeur de noms d&apos;équipe, depuis un autre dossier que %2. Les noms d&apos;équipe, le choix de l&apos;équipe et les effectifs en proviennent jusqu&apos;à ce que Fichier &gt; Ouvrir, dans l&apos;éditeur de noms d&apos;équipe, ouvre le fichier des équipes situé à côté de la base de joueurs.</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Search </source>
        <extracomment>The button that searches the player list for the name typed beside it.</extracomment>
        <translation>Chercher </translation>
    </message>
    <message>
        <source>Player ID:</source>
        <translation>ID joueur :</translation>
    </message>
    <message>
        <source>Team Select....</source>
        <extracomment>Shown in the team chooser until a team is chosen.</extracomment>
        <translation>Choix équipe....</translation>
    </message>
    <message>
        <source>Move UP</source>
        <extracomment>The button that moves the chosen player up the squad list.</extracomment>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>The button that moves the chosen player down the squad list.</extracomment>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>The button that takes the chosen player out of the squad.</extracomment>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Player Name:</source>
        <translation>Nom joueur :</translation>
    </message>
    <message>
        <source>Name on shirt:</source>
        <translation>Nom maillot :</translation>
    </message>
    <message>
        <source>Position:</source>
        <extracomment>The player&apos;s registered position.</extracomment>
        <translation>Poste :</translation>
    </message>
    <message>
        <source>Foot:</source>
        <extracomment>The foot the player prefers.</extracomment>
        <translation>Pied :</translation>
    </message>
    <message>
        <source>Number:</source>
        <extracomment>The player&apos;s shirt number.</extracomment>
        <translation>N° :</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Poids :</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Âge :</translation>
    </message>
    <message>
        <source>Spacing:</source>
        <extracomment>The player&apos;s spacing value, as the game&apos;s database names it.</extracomment>
        <translation>Espac. :</translation>
    </message>
    <message>
        <source>When you change some of these values, don&apos;t forget to click on Apply Changes!</source>
        <translation>Si vous modifiez ces valeurs, n&apos;oubliez pas de cliquer sur Appliquer modifs !</translation>
    </message>
    <message>
        <source>Abilities</source>
        <translation>Capacités</translation>
    </message>
    <message>
        <source>Apply Abilities</source>
        <translation>Appliquer capacités</translation>
    </message>
    <message>
        <source>Special Options</source>
        <translation>Options spéciales</translation>
    </message>
    <message>
        <source>Face Relink</source>
        <translation>Relier visage</translation>
    </message>
    <message>
        <source>Relink</source>
        <translation>Relier</translation>
    </message>
    <message>
        <source>Apply Changes</source>
        <translation>Appliquer modifs</translation>
    </message>
    <message>
        <source>SAVE</source>
        <extracomment>The button that packs the working copy into the game file.</extracomment>
        <translation>ENREGISTRER</translation>
    </message>
    <message>
        <source>Transfer:</source>
        <translation>Transfert :</translation>
    </message>
    <message>
        <source>Transfer player</source>
        <translation>Transférer joueur</translation>
    </message>
    <message>
        <source>Rosterly: a player and team editor for the PES 2011 database.</source>
        <translation>Rosterly : un éditeur de joueurs et d&apos;équipes pour la base de données de PES 2011.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Team Edit PES 2010 DEMO by Tavor</source>
        <extracomment>The window&apos;s title; Team Edit PES 2010 is the name of the tool, Tavor its maker</extracomment>
        <translation>Team Edit PES 2010 DÉMO par Tavor</translation>
    </message>
    <message>
        <source>the team name editor</source>
        <extracomment>How messages of the main window name this window.</extracomment>
        <translation>l&apos;éditeur de noms d&apos;équipe</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Team Name:</source>
        <translation>Nom équipe :</translation>
    </message>
    <message>
        <source>Short Name:</source>
        <translation>Nom court :</translation>
    </message>
    <message>
        <source>Load</source>
        <extracomment>A button that lists the teams of the open team file</extracomment>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Change name</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>ENREGISTRER</translation>
    </message>
    <message>
        <source>Search Team.....</source>
        <translation>Chercher équipe.....</translation>
    </message>
    <message>
        <source>Search </source>
        <translation>Chercher </translation>
    </message>
    <message>
        <source>Close the window again</source>
        <extracomment>Completes the warning &quot;A save is in progress. %1 when it has finished.&quot;</extracomment>
        <translation>Fermez à nouveau la fenêtre</translation>
    </message>
    <message>
        <source>Select unnamed_32.bin:</source>
        <extracomment>The title of the file dialog; unnamed_32.bin is the name of a game file</extracomment>
        <translation>Sélectionnez unnamed_32.bin :</translation>
    </message>
    <message>
        <source>Select unnamed_11.bin:</source>
        <extracomment>The title of the file dialog; unnamed_11.bin is the name of a game file</extracomment>
        <translation>Sélectionnez unnamed_11.bin :</translation>
    </message>
    <message>
        <source>Open a file</source>
        <extracomment>Completes the warning &quot;A save is in progress. %1 when it has finished.&quot;</extracomment>
        <translation>Ouvrez un fichier</translation>
    </message>
    <message>
        <source>No team file is open. Use File &gt; Open in the team editor first.</source>
        <translation>Aucun fichier des équipes n&apos;est ouvert. Utilisez d&apos;abord Fichier &gt; Ouvrir dans l&apos;éditeur d&apos;équipes.</translation>
    </message>
    <message>
        <source>Select a team to rename first.</source>
        <translation>Sélectionnez d&apos;abord une équipe à renommer.</translation>
    </message>
    <message>
        <source>The list still shows the team file opened before. Press Load to list the teams of %1, then rename.</source>
        <translation>La liste affiche encore le fichier des équipes ouvert précédemment. Cliquez sur Charger pour lister les équipes de %1, puis renommez.</translation>
    </message>
    <message>
        <source>This team is listed past the end of the short-name table, so it has no short name that could be written. Empty the Short Name box to rename the team alone.</source>
        <translation>Cette équipe figure après la fin de la table des noms courts : elle n&apos;a donc aucun nom court qui puisse être écrit. Videz le champ Nom court pour ne renommer que l&apos;équipe.</translation>
    </message>
    <message>
        <source>Change name: %1</source>
        <translation>Renommer : %1</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>%1: compressing the changed file failed%2; nothing was written</source>
        <translation>%1 : la compression du fichier modifié a échoué%2 ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>%1: put back as it was</source>
        <translation>%1 : remis dans son état d&apos;origine</translation>
    </message>
    <message>
        <source>%1: replaced already; putting it back failed: %2</source>
        <translation>%1 : déjà remplacé ; la remise en état a échoué : %2</translation>
    </message>
    <message>
        <source>%1: replaced already</source>
        <translation>%1 : déjà remplacé</translation>
    </message>
    <message>
        <source>Every other file was left as it was.</source>
        <translation>Tous les autres fichiers ont été laissés tels quels.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2; nothing was changed</source>
        <translation>%1 : écriture impossible : %2 ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>%1: cannot be replaced: %2</source>
        <translation>%1 : remplacement impossible : %2</translation>
    </message>
</context>
<context>
    <name>GameFileBytes</name>
    <message>
        <source>%1: not a game file the codec can read (%2); a working copy must end in .unzlib</source>
        <extracomment>%1 is the file, %2 why the codec cannot read it; &quot;.unzlib&quot; ends a file name</extracomment>
        <translation>%1 : ce n&apos;est pas un fichier du jeu que le codec peut lire (%2) ; une copie de travail doit se terminer par .unzlib</translation>
    </message>
</context>
<context>
    <name>GameFileSession</name>
    <message>
        <source>%1 is open in %2 already. A game file is edited in one window only: choose another file.</source>
        <extracomment>%2 names the other window (&quot;the team name editor&quot;).</extracomment>
        <translation>%1 est déjà ouvert dans %2. Un fichier du jeu ne se modifie que dans une seule fenêtre : choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>The working copy of %1 holds changes that are not saved into the game file (%2). Discard them and decompress the game file again?</source>
        <translation>La copie de travail de %1 contient des modifications qui ne sont pas enregistrées dans le fichier du jeu (%2). Les abandonner et décompresser à nouveau le fichier du jeu ?</translation>
    </message>
    <message>
        <source>Load is waiting for the codec tool already. The lists fill as soon as it has finished.</source>
        <translation>Charger attend déjà l&apos;outil codec. Les listes se rempliront dès qu&apos;il aura terminé.</translation>
    </message>
    <message>
        <source>Waiting for the codec tool…</source>
        <translation>En attente de l&apos;outil codec…</translation>
    </message>
    <message>
        <source>The codec tool has not finished decompressing %1 within %2 seconds. Press Load again when it has finished.</source>
        <translation>L&apos;outil codec n&apos;a pas fini de décompresser %1 en %2 secondes. Cliquez à nouveau sur Charger quand il aura terminé.</translation>
    </message>
    <message>
        <source>Apply the change again</source>
        <translation>Appliquez à nouveau la modification</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Undo again</source>
        <translation>Annulez à nouveau</translation>
    </message>
    <message>
        <source>Redo again</source>
        <translation>Rétablissez à nouveau</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1 names the step taken back or done again (&quot;Apply Abilities: Adam Adams&quot;).</extracomment>
        <translation>Annuler %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir %1</translation>
    </message>
    <message>
        <source>%1 is not possible: %2
Nothing was written.</source>
        <extracomment>%1 is &quot;Undo &lt;step&gt;&quot; or &quot;Redo &lt;step&gt;&quot;.</extracomment>
        <translation>%1 impossible : %2
Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 is not possible: the working copy %2 no longer holds what that step left there at byte %3 (something outside this window&apos;s history changed it). Nothing was written.</source>
        <translation>%1 impossible : la copie de travail %2 ne contient plus, à l&apos;octet %3, ce que cette étape y avait laissé (quelque chose d&apos;extérieur à l&apos;historique de cette fenêtre l&apos;a modifiée). Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 a échoué : %2</translation>
    </message>
</context>
<context>
    <name>GameTerms</name>
    <message>
        <source>Attack</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Attaque</translation>
    </message>
    <message>
        <source>GK</source>
        <extracomment>The goalkeeper position</extracomment>
        <translation>GK</translation>
    </message>
    <message>
        <source>Defence</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Défense</translation>
    </message>
    <message>
        <source>SWP</source>
        <extracomment>The sweeper position</extracomment>
        <translation>SWP</translation>
    </message>
    <message>
        <source>Balance</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Équilibre</translation>
    </message>
    <message>
        <source>CB</source>
        <extracomment>The centre-back position</extracomment>
        <translation>CB</translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation>Endurance</translation>
    </message>
    <message>
        <source>SB</source>
        <extracomment>The side-back position</extracomment>
        <translation>SB</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>DMF</source>
        <extracomment>The defensive midfielder position</extracomment>
        <translation>DMF</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Accélération</translation>
    </message>
    <message>
        <source>WB</source>
        <extracomment>The wing-back position</extracomment>
        <translation>WB</translation>
    </message>
    <message>
        <source>Response</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Réactivité</translation>
    </message>
    <message>
        <source>CMF</source>
        <extracomment>The centre midfielder position</extracomment>
        <translation>CMF</translation>
    </message>
    <message>
        <source>Agility</source>
        <translation>Agilité</translation>
    </message>
    <message>
        <source>AMF</source>
        <extracomment>The attacking midfielder position</extracomment>
        <translation>AMF</translation>
    </message>
    <message>
        <source>Dribble Accuracy</source>
        <translation>Précision dribble</translation>
    </message>
    <message>
        <source>SMF</source>
        <extracomment>The side midfielder position</extracomment>
        <translation>SMF</translation>
    </message>
    <message>
        <source>Dribble Speed</source>
        <translation>Vitesse dribble</translation>
    </message>
    <message>
        <source>WF</source>
        <extracomment>The wing forward position</extracomment>
        <translation>WF</translation>
    </message>
    <message>
        <source>Short Pass Accur</source>
        <translation>Préc. p. courte</translation>
    </message>
    <message>
        <source>SS</source>
        <extracomment>The second striker position</extracomment>
        <translation>SS</translation>
    </message>
    <message>
        <source>Short Pass Speed</source>
        <translation>Vit. p. courte</translation>
    </message>
    <message>
        <source>CF</source>
        <extracomment>The centre forward position</extracomment>
        <translation>CF</translation>
    </message>
    <message>
        <source>Long Pass Accur</source>
        <translation>Préc. p. longue</translation>
    </message>
    <message>
        <source>Centre</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Long Pass Speed</source>
        <translation>Vit. p. longue</translation>
    </message>
    <message>
        <source>1-On-1 Stopper</source>
        <translation>Arrêt 1c1</translation>
    </message>
    <message>
        <source>Shot Accuracy</source>
        <translation>Précision tir</translation>
    </message>
    <message>
        <source>Dribbling</source>
        <translation>Dribble</translation>
    </message>
    <message>
        <source>Shot Power</source>
        <translation>Puissance tir</translation>
    </message>
    <message>
        <source>Tactical dribble</source>
        <translation>Dribble tactique</translation>
    </message>
    <message>
        <source>Shot Technique</source>
        <translation>Technique tir</translation>
    </message>
    <message>
        <source>Positioning</source>
        <translation>Placement</translation>
    </message>
    <message>
        <source>Free Kick Accur</source>
        <translation>Préc. coup franc</translation>
    </message>
    <message>
        <source>Reaction</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Réaction</translation>
    </message>
    <message>
        <source>Curving / Swerve</source>
        <translation>Effet</translation>
    </message>
    <message>
        <source>Playmaking</source>
        <translation>Meneur de jeu</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Tête</translation>
    </message>
    <message>
        <source>Passing</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Passe</translation>
    </message>
    <message>
        <source>Jump</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Saut</translation>
    </message>
    <message>
        <source>Scoring</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Finition</translation>
    </message>
    <message>
        <source>Technique</source>
        <translation>Technique</translation>
    </message>
    <message>
        <source>1-1 Scoring</source>
        <translation>Finition 1c1</translation>
    </message>
    <message>
        <source>Aggression</source>
        <translation>Agressivité</translation>
    </message>
    <message>
        <source>Post Player</source>
        <translation>Pivot</translation>
    </message>
    <message>
        <source>Team Work</source>
        <translation>Collectif</translation>
    </message>
    <message>
        <source>Side</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Flanc</translation>
    </message>
    <message>
        <source>Mentality</source>
        <translation>Mental</translation>
    </message>
    <message>
        <source>Lines</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Appels</translation>
    </message>
    <message>
        <source>Goalkeeper Skills</source>
        <translation>Qualités gardien</translation>
    </message>
    <message>
        <source>Middle Shooting</source>
        <translation>Tir de loin</translation>
    </message>
    <message>
        <source>1-Touch Pass</source>
        <translation>Passe 1 touche</translation>
    </message>
    <message>
        <source>Outside</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Extérieur</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>Marquage</translation>
    </message>
    <message>
        <source>Sliding</source>
        <translation>Tacle</translation>
    </message>
    <message>
        <source>Covering</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Couverture</translation>
    </message>
    <message>
        <source>D-Line Control</source>
        <translation>Ligne défensive</translation>
    </message>
    <message>
        <source>Penalty Stopper</source>
        <translation>Arrêt penalty</translation>
    </message>
    <message>
        <source>Penalties</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Penalty</translation>
    </message>
    <message>
        <source>Long Throw</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Touche longue</translation>
    </message>
    <message>
        <source>Position code</source>
        <translation>Code poste</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Espacement</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Âge</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Nom du joueur</translation>
    </message>
    <message>
        <source>Name on shirt</source>
        <translation>Nom maillot</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>The foot a player prefers</extracomment>
        <translation>Droit</translation>
    </message>
    <message>
        <source>Left</source>
        <extracomment>The foot a player prefers</extracomment>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Visage</translation>
    </message>
    <message>
        <source>Hair</source>
        <translation>Cheveux</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>usage: rosterly-cli import PLAYER_DB [TEAM_FILE]
                           [--players FILE | --rosters FILE] [--teams FILE] [--dry-run]

Applies edited sheets to the game files: --players FILE (a players.csv or players.xlsx) to
PLAYER_DB, --teams FILE (a teams.csv or teams.xlsx) to TEAM_FILE, --rosters FILE (a rosters.csv
or rosters.xlsx: each team it names gets exactly the squad its rows give, in slot order; the
names in it are not imported) to the roster table in PLAYER_DB; a sheet whose name ends in
.xlsx is read as a workbook (its first worksheet), any other as CSV (UTF-8, UTF-16 or
Windows-1252). Only the fields whose cell differs from what the editor shows now are
written, with the editor&apos;s own rules; an untouched sheet changes nothing. Every cell is checked
first: one refused cell, and no file is touched. Each changed file is replaced in one atomic step
(a compressed game file is compressed again; a working copy, *.unzlib, is written as it is), after
the file as it was is kept in the folder backups beside it; when the second file cannot be backed
up or replaced, the first is put back as it was.

Prints what changes: the counts, then one line per field, &quot;index id name: field old -&gt; new&quot;, or
per roster slot, &quot;Austria: slot 3 Adam Adams (7) -&gt; Boris Brown (7)&quot;, and for a player who moves,
&quot;Boris Brown: Brazil -&gt; Austria&quot;.

  --dry-run   print the changes, write nothing

Exit status: 0 applied (or nothing to change), 1 refused (every reason on standard error, no
file touched), 2 wrong usage.</source>
        <translation>utilisation : rosterly-cli import PLAYER_DB [TEAM_FILE]
                                  [--players FILE | --rosters FILE] [--teams FILE] [--dry-run]

Applique des feuilles modifiées aux fichiers du jeu : --players FILE (un players.csv ou players.xlsx) à PLAYER_DB,
--teams FILE (un teams.csv ou teams.xlsx) à TEAM_FILE, --rosters FILE (un rosters.csv ou rosters.xlsx : chaque
équipe qu&apos;il nomme reçoit exactement l&apos;effectif que donnent ses lignes, dans l&apos;ordre des places ; les noms qu&apos;il
contient ne sont pas importés) à la table des effectifs de PLAYER_DB ; une feuille dont le nom se termine par
.xlsx est lue comme un classeur (sa première feuille de calcul), toute autre comme un CSV (UTF-8, UTF-16 ou
Windows-1252). Seuls les champs dont la cellule diffère de ce que l&apos;éditeur affiche actuellement sont écrits,
selon les règles propres à l&apos;éditeur ; une feuille non modifiée ne change rien. Chaque cellule est d&apos;abord
vérifiée : une seule cellule refusée, et aucun fichier n&apos;est touché. Chaque fichier modifié est remplacé en une
seule opération atomique (un fichier du jeu compressé est de nouveau compressé ; une copie de travail, *.unzlib,
est écrite telle quelle), une fois le fichier dans son état précédent conservé dans le dossier backups à côté de
lui ; si le second fichier ne peut être sauvegardé ou remplacé, le premier est remis dans son état d&apos;origine.

Affiche ce qui change : les décomptes, puis une ligne par champ, &quot;index id name: field old -&gt; new&quot;,
ou par place d&apos;effectif, &quot;Austria: slot 3 Adam Adams (7) -&gt; Boris Brown (7)&quot;, et pour un joueur qui
change d&apos;équipe, &quot;Boris Brown: Brazil -&gt; Austria&quot;.

  --dry-run   affiche les modifications, n&apos;écrit rien

Code de sortie : 0 appliqué (ou rien à modifier), 1 refusé (chaque raison sur
la sortie d&apos;erreur standard, aucun fichier touché), 2 mauvaise utilisation.</translation>
    </message>
    <message>
        <source>give a sheet: --players FILE, --teams FILE, --rosters FILE</source>
        <translation>indiquez une feuille : --players FILE, --teams FILE, --rosters FILE</translation>
    </message>
    <message>
        <source>give --players or --rosters, not both: both write the player database</source>
        <translation>indiquez --players ou --rosters, pas les deux : tous deux écrivent dans la base de joueurs</translation>
    </message>
    <message>
        <source>%1 needs the team file: rosterly-cli import PLAYER_DB TEAM_FILE %1 FILE</source>
        <translation>%1 exige le fichier des équipes : rosterly-cli import PLAYER_DB TEAM_FILE %1 FILE</translation>
    </message>
    <message>
        <source>the player database and the team file are the same file</source>
        <translation>la base de joueurs et le fichier des équipes sont le même fichier</translation>
    </message>
    <message>
        <source>%1 is a %2 sheet; give it as --%2 FILE.</source>
        <extracomment>%2 is the sheet&apos;s kind, also the name of its option: players, teams or rosters</extracomment>
        <translation>%1 est une feuille %2 ; indiquez-la avec --%2 FILE.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Rien n&apos;a été écrit.</translation>
    </message>
</context>
<context>
    <name>InWords</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list in a sentence: %1 is &quot;a&quot; or &quot;a, b&quot;, %2 the last item.</extracomment>
        <translation>%1 et %2</translation>
    </message>
</context>
<context>
    <name>MergeCommand</name>
    <message>
        <source>usage: rosterly-cli merge PLAYER_DB TEAM_FILE OTHER_DB [OTHER_TEAM_FILE]
                          [--parts P,...] [--where FILTER] [--players ID,...] [--teams ID,...]
                          [--skip-refused] [--dry-run]

Takes values from another pair of game files (OTHER_DB, OTHER_TEAM_FILE; compressed game files
or working copies, read in memory and never changed) into PLAYER_DB and TEAM_FILE. Players are
matched by player ID (a player may sit at another record in the other file), teams by team ID.
The parts, all when --parts is not given:
  details      name, name on shirt, age, height, weight, foot, spacing, registered position
  abilities    the 26 abilities, the playable positions, the special abilities
  appearance   face and hair
  squads       the squads of the chosen teams, their players mapped by ID (needs OTHER_TEAM_FILE)
  team_names   the chosen teams&apos; names and short names (needs OTHER_TEAM_FILE)
Every value is checked and written as a sheet import of it. A player the other file holds and
PLAYER_DB does not is listed as not in this database and left out.

  --where FILTER      only the players of PLAYER_DB the filter lets through (rosterly-cli players)
  --players ID,...    only these player IDs
  --teams ID,...      only these teams (team IDs) for squads and team_names
  --skip-refused      write the rest when some squad or name is refused (else nothing is written)
  --dry-run           print the changes, write nothing

Prints the changes as diff words them, then what changes (&quot;120 players, 3 squads, 2 team names
will change&quot;). Both files are replaced atomically in their own forms after backups, both or
neither.

Exit status: 0 done or nothing to change, 1 refused or a file cannot be read (nothing written),
2 wrong usage.</source>
        <translation>utilisation : rosterly-cli merge PLAYER_DB TEAM_FILE OTHER_DB [OTHER_TEAM_FILE]
                                 [--parts P,...] [--where FILTER] [--players ID,...] [--teams ID,...]
                                 [--skip-refused] [--dry-run]

Reprend dans PLAYER_DB et TEAM_FILE des valeurs d&apos;une autre paire de fichiers du jeu (OTHER_DB, OTHER_TEAM_FILE ;
fichiers du jeu compressés ou copies de travail, lus en mémoire et jamais modifiés). Les joueurs sont associés
par ID de joueur (un joueur peut occuper une autre fiche dans l&apos;autre fichier), les équipes par ID d&apos;équipe.
Les parties, toutes si --parts n&apos;est pas indiqué :
  details      nom, nom sur le maillot, âge, taille, poids, pied, espacement, poste principal
  abilities    les 26 capacités, les postes jouables, les capacités spéciales
  appearance   visage et cheveux
  squads       les effectifs des équipes choisies, leurs joueurs associés par ID (exige OTHER_TEAM_FILE)
  team_names   les noms et noms courts des équipes choisies (exige OTHER_TEAM_FILE)
Chaque valeur est vérifiée et écrite comme le ferait l&apos;import d&apos;une feuille. Un joueur présent dans
l&apos;autre fichier mais absent de PLAYER_DB est signalé comme absent de cette base et laissé de côté.

  --where FILTER      seulement les joueurs de PLAYER_DB que le filtre laisse passer (rosterly-cli players)
  --players ID,...    seulement ces ID de joueur
  --teams ID,...      seulement ces équipes (ID d&apos;équipe) pour squads et team_names
  --skip-refused      écrit le reste quand un effectif ou un nom est refusé (sinon rien n&apos;est écrit)
  --dry-run           affiche les modifications, n&apos;écrit rien

Affiche les modifications comme les formule diff, puis ce qui change
(&quot;120 joueurs, 3 effectifs, 2 noms d&apos;équipe vont changer&quot;). Les deux fichiers sont remplacés
de façon atomique, chacun dans sa propre forme, après sauvegarde, les deux ou aucun.

Code de sortie : 0 terminé ou rien à modifier, 1 refusé ou un
fichier illisible (rien n&apos;est écrit), 2 mauvaise utilisation.</translation>
    </message>
    <message>
        <source>--parts: &quot;%1&quot; is none of details, abilities, appearance, squads, team_names</source>
        <translation>--parts : &quot;%1&quot; n&apos;est aucune de details, abilities, appearance, squads, team_names</translation>
    </message>
    <message>
        <source>squads and team_names need the other team file: rosterly-cli merge PLAYER_DB TEAM_FILE OTHER_DB OTHER_TEAM_FILE</source>
        <translation>squads et team_names exigent l&apos;autre fichier des équipes : rosterly-cli merge PLAYER_DB TEAM_FILE OTHER_DB OTHER_TEAM_FILE</translation>
    </message>
    <message>
        <source>--%1 takes IDs separated by commas</source>
        <translation>--%1 attend des ID séparés par des virgules</translation>
    </message>
    <message>
        <source>%1 and %2 are the same file</source>
        <translation>%1 et %2 sont le même fichier</translation>
    </message>
    <message>
        <source>Nothing was written; --skip-refused writes the rest.</source>
        <translation>Rien n&apos;a été écrit ; --skip-refused écrit le reste.</translation>
    </message>
</context>
<context>
    <name>NumberRange</name>
    <message>
        <source>a number</source>
        <translation>un nombre</translation>
    </message>
    <message>
        <source>enter %1 from %2 to %3.</source>
        <extracomment>%1 is what to enter (&quot;a number&quot;, &quot;a file number&quot;), %2 and %3 the lowest and highest.</extracomment>
        <translation>saisissez %1 de %2 à %3.</translation>
    </message>
    <message>
        <source>a file number</source>
        <translation>un numéro de fichier</translation>
    </message>
</context>
<context>
    <name>PastePlan</name>
    <message>
        <source>There is nothing to paste.</source>
        <translation>Il n&apos;y a rien à coller.</translation>
    </message>
    <message>
        <source>The paste has %1 rows, but the grid shows %2 from the row it starts at.</source>
        <translation>Le collage compte %1 lignes, mais la grille en affiche %2 à partir de la ligne où il commence.</translation>
    </message>
    <message>
        <source>row %1 (record %2): the paste has %3 cells, and %4 columns are shown from the column it starts at.</source>
        <translation>ligne %1 (fiche %2) : le collage compte %3 cellules, et %4 colonnes sont affichées à partir de la colonne où il commence.</translation>
    </message>
    <message>
        <source>row %1 (record %2), column %3: the grid shows %4 here, not %5; the column is not edited.</source>
        <extracomment>%3 is a column name of the player table (&quot;index&quot;).</extracomment>
        <translation>ligne %1 (fiche %2), colonne %3 : la grille affiche ici %4, et non %5 ; la colonne n&apos;est pas modifiée.</translation>
    </message>
    <message>
        <source>row %1 (record %2): %3</source>
        <extracomment>%3 says why the row&apos;s cells are refused.</extracomment>
        <translation>ligne %1 (fiche %2) : %3</translation>
    </message>
    <message>
        <source>row %1 (record %2), column %3: %4</source>
        <extracomment>%3 is a column name of the player table (&quot;speed&quot;), %4 says why its cell is refused.</extracomment>
        <translation>ligne %1 (fiche %2), colonne %3 : %4</translation>
    </message>
</context>
<context>
    <name>PlayerCells</name>
    <message>
        <source>the column is not edited.</source>
        <translation>la colonne n&apos;est pas modifiée.</translation>
    </message>
</context>
<context>
    <name>PlayerColumns</name>
    <message>
        <source>enter a position (%1) or a position code from %2 to %3.</source>
        <extracomment>%1 lists the positions as the sheet names them (GK, CB, ...): keep those as they are</extracomment>
        <translation>saisissez un poste (%1) ou un code de poste de %2 à %3.</translation>
    </message>
    <message>
        <source>enter %1 or %2.</source>
        <extracomment>%1 and %2 are the words a foot cell holds, Right and Left: they stay as they are</extracomment>
        <translation>saisissez %1 ou %2.</translation>
    </message>
    <message>
        <source>enter 1 (checked) or 0 (clear).</source>
        <translation>saisissez 1 (coché) ou 0 (décoché).</translation>
    </message>
</context>
<context>
    <name>PlayerEditor</name>
    <message>
        <source>Select a player first.</source>
        <translation>Sélectionnez d&apos;abord un joueur.</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Apply Changes: %1</source>
        <translation>Appliquer modifs : %1</translation>
    </message>
    <message>
        <source>Apply Abilities: %1</source>
        <translation>Appliquer capacités : %1</translation>
    </message>
</context>
<context>
    <name>PlayerEdits</name>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the name of a field (an ability, the age, ...), %2 why its value is refused</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>at most %1 characters.</source>
        <translation>%1 caractères au maximum.</translation>
    </message>
    <message>
        <source>these characters cannot be stored in the game: %1</source>
        <translation>ces caractères ne peuvent pas être enregistrés dans le jeu : %1</translation>
    </message>
    <message>
        <source>This entry lies inside the team roster table, which the game keeps over the last player records (from byte %1 of the player database on): writing it would damage the teams&apos; rosters. The entry can be viewed, not edited.</source>
        <translation>Cette entrée se trouve dans la table des effectifs, que le jeu conserve par-dessus les dernières fiches de joueurs (à partir de l&apos;octet %1 de la base de joueurs) : l&apos;écrire endommagerait les effectifs des équipes. L&apos;entrée peut être consultée, mais pas modifiée.</translation>
    </message>
    <message>
        <source>%1: the stored byte %2 has no flag bit to clear, so it stays as stored and the box shows it set again. The other abilities were written.</source>
        <extracomment>%1 is the special ability Long Throw, %2 a number from 100 to 127</extracomment>
        <translation>%1 : l&apos;octet enregistré %2 n&apos;a aucun bit d&apos;indicateur à effacer ; il reste donc tel qu&apos;enregistré et la case s&apos;affiche de nouveau cochée. Les autres capacités ont été écrites.</translation>
    </message>
    <message>
        <source>Special abilities (sum of the boxes)</source>
        <translation>Capacités spéciales (somme des cases)</translation>
    </message>
</context>
<context>
    <name>PlayerFilter</name>
    <message>
        <source>a value of the list is empty</source>
        <translation>une valeur de la liste est vide</translation>
    </message>
    <message>
        <source>%1: a quote is not closed</source>
        <extracomment>%1 is the filter from its last quote on.</extracomment>
        <translation>%1 : un guillemet n&apos;est pas fermé</translation>
    </message>
    <message>
        <source>no column before &quot;%1&quot;</source>
        <translation>aucune colonne avant &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no column before &quot;%1&quot;; a term has no blanks in it, as in %2%3%4</source>
        <extracomment>%2%3%4 is the term written without its blanks (&quot;speed&gt;=85&quot;).</extracomment>
        <translation>aucune colonne avant &quot;%1&quot; ; un terme ne contient pas d&apos;espaces, comme dans %2%3%4</translation>
    </message>
    <message>
        <source>&quot;!&quot; is no operator; use != for &quot;is not&quot;</source>
        <translation>&quot;!&quot; n&apos;est pas un opérateur ; utilisez != pour &quot;différent de&quot;</translation>
    </message>
    <message>
        <source>no value after &quot;%1&quot;</source>
        <translation>aucune valeur après &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown column &quot;%1&quot;</source>
        <translation>colonne inconnue &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown column &quot;%1&quot; (%2?)</source>
        <extracomment>%2 is the known column nearest to the name typed.</extracomment>
        <translation>colonne inconnue &quot;%1&quot; (%2 ?)</translation>
    </message>
    <message>
        <source>a list of values goes with =, != or ~ only</source>
        <translation>une liste de valeurs ne s&apos;utilise qu&apos;avec =, != ou ~</translation>
    </message>
    <message>
        <source>%1 holds text: compare it with =, != or ~</source>
        <extracomment>%1 is a column name of the filter (&quot;name&quot;).</extracomment>
        <translation>%1 contient du texte : comparez-le avec =, != ou ~</translation>
    </message>
    <message>
        <source>%1 holds whole numbers, and &quot;%2&quot; is none</source>
        <extracomment>%1 is a column name of the filter (&quot;speed&quot;), %2 the value typed.</extracomment>
        <translation>%1 contient des nombres entiers, et &quot;%2&quot; n&apos;en est pas un</translation>
    </message>
</context>
<context>
    <name>PlayerIndexLoad</name>
    <message>
        <source>The working copy of %1 is %2 bytes, a player database holds at least %3: it looks like a team file. Choose the player database (unnamed_25.bin) with File &gt; Open.</source>
        <translation>La copie de travail de %1 fait %2 octets, alors qu&apos;une base de joueurs en contient au moins %3 : il semble s&apos;agir d&apos;un fichier des équipes. Choisissez la base de joueurs (unnamed_25.bin) avec Fichier &gt; Ouvrir.</translation>
    </message>
</context>
<context>
    <name>PlayerRowEdit</name>
    <message>
        <source>%1 shows %2, not %3: the rule of Apply Abilities leaves the stored byte %4 as it is.</source>
        <extracomment>&quot;Apply Abilities&quot; is the button of the player view; %4 is the byte&apos;s value</extracomment>
        <translation>%1 affiche %2, et non %3 : la règle d&apos;Appliquer capacités laisse l&apos;octet enregistré %4 tel quel.</translation>
    </message>
    <message>
        <source>%1 shows %2, not %3: the rule of Apply Abilities leaves the stored byte %4 at %5.</source>
        <extracomment>&quot;Apply Abilities&quot; is the button of the player view; %4 and %5 are values</extracomment>
        <translation>%1 affiche %2, et non %3 : la règle d&apos;Appliquer capacités laisse l&apos;octet enregistré %4 à %5.</translation>
    </message>
    <message>
        <source>%1 shows %2, not %3: the view checks the box of the registered position.</source>
        <translation>%1 affiche %2, et non %3 : la vue coche la case du poste principal.</translation>
    </message>
    <message>
        <source>%1 shows %2, not %3: the view shows the bytes written that way.</source>
        <translation>%1 affiche %2, et non %3 : la vue affiche les octets écrits de cette façon.</translation>
    </message>
</context>
<context>
    <name>PlayerSheet</name>
    <message>
        <source>enter a record index from 0 to %1.</source>
        <translation>saisissez un numéro de fiche de 0 à %1.</translation>
    </message>
    <message>
        <source>record %1 is on row %2 already.</source>
        <translation>la fiche %1 est déjà à la ligne %2.</translation>
    </message>
    <message>
        <source>the ID of record %1 is %2; the row belongs to another player or the sheet to another database.</source>
        <translation>l&apos;ID de la fiche %1 est %2 ; la ligne appartient à un autre joueur, ou la feuille à une autre base.</translation>
    </message>
    <message>
        <source>The player database is too short: it has %1 bytes, but its %2 player records end at byte %3.</source>
        <translation>La base de joueurs est trop courte : elle fait %1 octets, mais ses %2 fiches de joueurs se terminent à l&apos;octet %3.</translation>
    </message>
</context>
<context>
    <name>PlayerTableWindow</name>
    <message>
        <source>Player Table</source>
        <translation>Table des joueurs</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtre :</translation>
    </message>
    <message>
        <source>Any position</source>
        <translation>Tous postes</translation>
    </message>
    <message>
        <source>Change Field…</source>
        <translation>Modifier champ…</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tableau</translation>
    </message>
    <message>
        <source>Any team</source>
        <translation>Toutes équipes</translation>
    </message>
    <message>
        <source>Free agents</source>
        <translation>Joueurs libres</translation>
    </message>
    <message>
        <source>%1 of %2 players</source>
        <translation>%1 joueurs sur %2</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>%1 selected player</source>
        <translation>%1 joueur sélectionné</translation>
    </message>
    <message>
        <source>%1 selected players</source>
        <translation>%1 joueurs sélectionnés</translation>
    </message>
    <message>
        <source>All %1 players</source>
        <translation>Les %1 joueurs</translation>
    </message>
    <message>
        <source>%1 players shown by the filter</source>
        <translation>%1 joueurs affichés par le filtre</translation>
    </message>
    <message>
        <source>Select the cell the paste starts at first.</source>
        <translation>Sélectionnez d&apos;abord la cellule où commence le collage.</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Paste %1 cell</source>
        <extracomment>The step&apos;s name in the Edit menu.</extracomment>
        <translation>Coller %1 cellule</translation>
    </message>
    <message>
        <source>Paste %1 cells</source>
        <translation>Coller %1 cellules</translation>
    </message>
    <message>
        <source>Edit %1: %2</source>
        <extracomment>The step&apos;s name in the Edit menu: %1 is a column name of the player table (&quot;speed&quot;), %2 the player&apos;s name.</extracomment>
        <translation>Modifier %1 : %2</translation>
    </message>
</context>
<context>
    <name>PlayerView</name>
    <message>
        <source>The player&apos;s record cannot be found. Press Load again.</source>
        <translation>La fiche du joueur est introuvable. Cliquez à nouveau sur Charger.</translation>
    </message>
</context>
<context>
    <name>PlayersCommand</name>
    <message>
        <source>usage: rosterly-cli players PLAYER_DB [TEAM_FILE] [--where FILTER]
                            [--columns A,B,...] [--sort [-]COLUMN[,...]] [--format tsv|csv]

Prints the players of PLAYER_DB (records 0-6449, the rows of the players sheet) that FILTER lets
through: a header row, then one row per player, tab-separated (--format csv: as the players
sheet writes its cells). The columns are those of the players sheet, and with TEAM_FILE also
teams (the squads the player is in), numbers (his shirt numbers there) and squads (how many).

  --where FILTER     terms separated by blanks, all of which must hold; a term is COLUMN OP
                     VALUE with OP one of = != &lt; &lt;= &gt; &gt;= ~ (contains, ignoring case and
                     accents): speed&gt;=85 position=CF,SS teams~&quot;real madrid&quot; squads=0 age&lt;21.
                     A word alone searches the names. Values are those the sheet shows.
  --columns A,B,...  the columns to print, in that order (all when not given)
  --sort COLUMN,...  the order of the rows: by the first column, rows of equal values by the
                     next; -COLUMN for the highest first. Numbers sort as numbers.
  --format tsv|csv   tsv (the default) or csv

Exit status: 0 done (also when no player matches), 1 a file cannot be read, 2 wrong usage or a
wrong filter.</source>
        <translation>utilisation : rosterly-cli players PLAYER_DB [TEAM_FILE] [--where FILTER]
                                   [--columns A,B,...] [--sort [-]COLUMN[,...]] [--format tsv|csv]

Affiche les joueurs de PLAYER_DB (fiches 0-6449, les lignes de la feuille des joueurs) que FILTER laisse passer :
une ligne d&apos;en-tête, puis une ligne par joueur, champs séparés par des tabulations (--format csv : comme la
feuille des joueurs écrit ses cellules). Les colonnes sont celles de la feuille des joueurs, et avec TEAM_FILE
aussi teams (les effectifs du joueur), numbers (ses numéros de maillot dans ceux-ci) et squads (leur nombre).

  --where FILTER     termes séparés par des espaces, qui doivent tous être vérifiés ; un terme s&apos;écrit COLUMN OP
                     VALUE, OP étant l&apos;un de = != &lt; &lt;= &gt; &gt;= ~ (contient, sans tenir compte de la casse ni
                     des accents) : speed&gt;=85 position=CF,SS teams~&quot;real madrid&quot; squads=0 age&lt;21.
                     Un mot seul cherche dans les noms. Les valeurs sont celles qu&apos;affiche la feuille.
  --columns A,B,...  les colonnes à afficher, dans cet ordre (toutes si l&apos;option est absente)
  --sort COLUMN,...  l&apos;ordre des lignes : selon la première colonne, puis, à valeurs égales, selon la
                     suivante ; -COLUMN pour les plus grandes d&apos;abord. Les nombres sont triés comme des nombres.
  --format tsv|csv   tsv (par défaut) ou csv

Code de sortie : 0 terminé (y compris si aucun joueur ne correspond),
1 un fichier illisible, 2 mauvaise utilisation ou filtre incorrect.</translation>
    </message>
    <message>
        <source>%1: unknown column &quot;%2&quot;</source>
        <translation>%1 : colonne inconnue &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: unknown column &quot;%2&quot; (%3?)</source>
        <translation>%1 : colonne inconnue &quot;%2&quot; (%3 ?)</translation>
    </message>
    <message>
        <source>--format is tsv or csv, not &quot;%1&quot;</source>
        <translation>--format vaut tsv ou csv, pas &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the column %1 needs the team file: rosterly-cli players PLAYER_DB TEAM_FILE ...</source>
        <translation>la colonne %1 exige le fichier des équipes : rosterly-cli players PLAYER_DB TEAM_FILE ...</translation>
    </message>
</context>
<context>
    <name>ReleaseCommand</name>
    <message>
        <source>usage: rosterly-cli release PLAYER_DB TEAM_FILE --player ID --from TEAM_ID [--dry-run]

Takes the player with ID out of the squad of the team --from (a team the team file lists), with
the editor&apos;s squad rules: the players after him move up a slot, and the empty slots go
after the players. He stays in any other squad he is in.

  --dry-run   print the change, write nothing

Prints the change, &quot;Boris Brown (7): released from Brazil&quot;, then replaces the player database in
one atomic step (a compressed game file is compressed again; a working copy, *.unzlib, is written
as it is), after the file as it was is kept in the folder backups beside it. The team file is only
read.

Exit status: 0 done, 1 refused (the reason on standard error, nothing written) or a file cannot
be read, 2 wrong usage.</source>
        <translation>utilisation : rosterly-cli release PLAYER_DB TEAM_FILE --player ID --from TEAM_ID [--dry-run]

Retire le joueur dont l&apos;ID est ID de l&apos;effectif de l&apos;équipe --from (une équipe que liste le fichier des
équipes), selon les règles d&apos;effectif de l&apos;éditeur : les joueurs placés après lui remontent d&apos;une place,
et les places vides passent après les joueurs. Il reste dans tout autre effectif dont il fait partie.

  --dry-run   affiche la modification, n&apos;écrit rien

Affiche la modification, &quot;Boris Brown (7): released from Brazil&quot;, puis remplace la base de joueurs
en une seule opération atomique (un fichier du jeu compressé est de nouveau compressé ; une copie
de travail, *.unzlib, est écrite telle quelle), une fois le fichier dans son état précédent
conservé dans le dossier backups à côté de lui. Le fichier des équipes est seulement lu.

Code de sortie : 0 terminé, 1 refusé (la raison sur la sortie d&apos;erreur
standard, rien n&apos;est écrit) ou un fichier illisible, 2 mauvaise utilisation.</translation>
    </message>
</context>
<context>
    <name>Relink</name>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is Face or Hair, %2 why the number typed is refused</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Face: unnamed_%1.bin</source>
        <extracomment>unnamed_%1.bin is the name of the game file that holds the face; %1 is its number</extracomment>
        <translation>Visage : unnamed_%1.bin</translation>
    </message>
    <message>
        <source>Hair: unnamed_%1.bin</source>
        <extracomment>unnamed_%1.bin is the name of the game file that holds the hair; %1 is its number</extracomment>
        <translation>Cheveux : unnamed_%1.bin</translation>
    </message>
</context>
<context>
    <name>RestoreCommand</name>
    <message>
        <source>usage: rosterly-cli restore BACKUP

Puts BACKUP in place of its game file in one atomic step. BACKUP is one of the files kept in the
folder backups beside a game file before each replacement, named after it:
GAME_FILE.yyyyMMdd-HHmmss.bak, or GAME_FILE.yyyyMMdd-HHmmss-N.bak. The game file as it is now is
backed up first, so a restore can be undone the same way. rosterly-cli backups GAME_FILE lists
them.

Exit status: 0 restored, 1 refused (not a backup, or it cannot be read or put back; the game file
is as it was), 2 wrong usage.</source>
        <translation>utilisation : rosterly-cli restore BACKUP

Remet BACKUP à la place de son fichier du jeu en une seule opération atomique. BACKUP est l&apos;un des fichiers
conservés dans le dossier backups à côté d&apos;un fichier du jeu avant chaque remplacement, et nommés d&apos;après lui :
GAME_FILE.yyyyMMdd-HHmmss.bak, ou GAME_FILE.yyyyMMdd-HHmmss-N.bak. Le fichier
du jeu dans son état actuel est d&apos;abord sauvegardé, si bien qu&apos;une restauration
peut être annulée de la même façon. rosterly-cli backups GAME_FILE les liste.

Code de sortie : 0 restauré, 1 refusé (ce n&apos;est pas une sauvegarde, ou elle ne peut être
lue ou remise en place ; le fichier du jeu est resté tel quel), 2 mauvaise utilisation.</translation>
    </message>
</context>
<context>
    <name>RosterImport</name>
    <message>
        <source>enter a whole number from %1 to %2.</source>
        <translation>saisissez un nombre entier de %1 à %2.</translation>
    </message>
    <message>
        <source>%1 is in %2 already, on row %3.</source>
        <extracomment>%1 is a player, %2 a team, %3 a row number</extracomment>
        <translation>%1 est déjà dans %2, à la ligne %3.</translation>
    </message>
    <message>
        <source>Shirt number %1 is taken by %2 in %3 (row %4).</source>
        <extracomment>%2 is a player, %3 a team, %4 a row number</extracomment>
        <translation>Le numéro de maillot %1 est pris par %2 dans %3 (ligne %4).</translation>
    </message>
    <message>
        <source>%1 has no roster record in the player database.</source>
        <translation>%1 n&apos;a aucune fiche d&apos;effectif dans la base de joueurs.</translation>
    </message>
    <message>
        <source>no team of the team file has the ID %1.</source>
        <translation>aucune équipe du fichier des équipes n&apos;a l&apos;ID %1.</translation>
    </message>
    <message>
        <source>player ID 0 marks an empty slot; to empty the slot, delete its row.</source>
        <translation>l&apos;ID de joueur 0 marque une place vide ; pour vider la place, supprimez sa ligne.</translation>
    </message>
    <message>
        <source>no player of the database has the ID %1.</source>
        <translation>aucun joueur de la base n&apos;a l&apos;ID %1.</translation>
    </message>
    <message>
        <source>slot %1 of %2 is on row %3 already.</source>
        <extracomment>%1 is a slot number, %2 a team, %3 a row number</extracomment>
        <translation>la place %1 de %2 est déjà à la ligne %3.</translation>
    </message>
</context>
<context>
    <name>RosterView</name>
    <message>
        <source>Team: %1</source>
        <translation>Équipe : %1</translation>
    </message>
</context>
<context>
    <name>RosterlyCli</name>
    <message>
        <source>usage: rosterly-cli COMMAND ...

  export PLAYER_DB [TEAM_FILE] --out DIR [--format csv|xlsx]
      write players.csv (and teams.csv and rosters.csv with the team file) into DIR, or .xlsx
  import PLAYER_DB [TEAM_FILE] [--players FILE | --rosters FILE] [--teams FILE] [--dry-run]
      apply edited sheets to the game files
  diff OLD_DB NEW_DB [OLD_TEAMS NEW_TEAMS]
      list every field that differs between two databases (and team files)
  backups GAME_FILE
      list the backups kept of a game file, newest first
  restore BACKUP
      put a backup in place of its game file (which is backed up first)
  squad PLAYER_DB TEAM_FILE TEAM_ID
      print a team&apos;s squad: slot, shirt number, player ID and name
  transfer PLAYER_DB TEAM_FILE --player ID --to TEAM_ID [--from TEAM_ID] [--number N]
           [--call-up] [--dry-run]
      move a player into another squad (or call him up, or sign a free agent)
  release PLAYER_DB TEAM_FILE --player ID --from TEAM_ID [--dry-run]
      take a player out of a squad
  check PLAYER_DB TEAM_FILE
      list every problem of the rosters
  players PLAYER_DB [TEAM_FILE] [--where FILTER] [--columns A,B] [--sort [-]COLUMN]
          [--format tsv|csv]
      print the players a filter lets through: speed&gt;=85 position=CF,SS teams~madrid
  set PLAYER_DB [TEAM_FILE] --where FILTER --column COLUMN (--value V | --add N
      | --subtract N | --at-least N | --at-most N) [--dry-run]
      change one column of every player a filter lets through
  merge PLAYER_DB TEAM_FILE OTHER_DB [OTHER_TEAM_FILE] [--parts P,...] [--where FILTER]
        [--players ID,...] [--teams ID,...] [--skip-refused] [--dry-run]
      take players, squads and team names from another pair of game files

Game files are compressed game files (unnamed_25.bin) or working copies (unnamed_25.bin.unzlib).
rosterly-cli COMMAND --help tells more about a command.</source>
        <translation>utilisation : rosterly-cli COMMAND ...

  export PLAYER_DB [TEAM_FILE] --out DIR [--format csv|xlsx]
      écrit players.csv (et teams.csv et rosters.csv avec le fichier des équipes) dans DIR, ou en .xlsx
  import PLAYER_DB [TEAM_FILE] [--players FILE | --rosters FILE] [--teams FILE] [--dry-run]
      applique des feuilles modifiées aux fichiers du jeu
  diff OLD_DB NEW_DB [OLD_TEAMS NEW_TEAMS]
      liste chaque champ qui diffère entre deux bases (et fichiers des équipes)
  backups GAME_FILE
      liste les sauvegardes conservées d&apos;un fichier du jeu, de la plus récente à la plus ancienne
  restore BACKUP
      remet une sauvegarde à la place de son fichier du jeu (qui est d&apos;abord sauvegardé)
  squad PLAYER_DB TEAM_FILE TEAM_ID
      affiche l&apos;effectif d&apos;une équipe : place, numéro de maillot, ID et nom du joueur
  transfer PLAYER_DB TEAM_FILE --player ID --to TEAM_ID [--from TEAM_ID] [--number N]
           [--call-up] [--dry-run]
      fait passer un joueur dans un autre effectif (ou le convoque, ou engage un joueur libre)
  release PLAYER_DB TEAM_FILE --player ID --from TEAM_ID [--dry-run]
      retire un joueur d&apos;un effectif
  check PLAYER_DB TEAM_FILE
      liste chaque problème des effectifs
  players PLAYER_DB [TEAM_FILE] [--where FILTER] [--columns A,B] [--sort [-]COLUMN]
          [--format tsv|csv]
      affiche les joueurs qu&apos;un filtre laisse passer : speed&gt;=85 position=CF,SS teams~madrid
  set PLAYER_DB [TEAM_FILE] --where FILTER --column COLUMN (--value V | --add N
      | --subtract N | --at-least N | --at-most N) [--dry-run]
      modifie une colonne de chaque joueur qu&apos;un filtre laisse passer
  merge PLAYER_DB TEAM_FILE OTHER_DB [OTHER_TEAM_FILE] [--parts P,...] [--where FILTER]
        [--players ID,...] [--teams ID,...] [--skip-refused] [--dry-run]
      reprend des joueurs, des effectifs et des noms d&apos;équipe d&apos;une autre paire de fichiers du jeu

Les fichiers du jeu sont des fichiers du jeu compressés (unnamed_25.bin) ou des copies de travail (unnamed_25.bin.unzlib).
rosterly-cli COMMAND --help en dit plus sur une commande.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande indiquée</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>commande inconnue &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>SaveJob</name>
    <message>
        <source>A save is in progress. %1 when it has finished.</source>
        <extracomment>%1 is what has to wait, as a request (&quot;Close the window again&quot;, &quot;Open a file&quot;).</extracomment>
        <translation>Un enregistrement est en cours. %1 quand il sera terminé.</translation>
    </message>
    <message>
        <source>No game file is open, so there is nothing to save. Use File &gt; Open first.</source>
        <translation>Aucun fichier du jeu n&apos;est ouvert, il n&apos;y a donc rien à enregistrer. Utilisez d&apos;abord Fichier &gt; Ouvrir.</translation>
    </message>
    <message>
        <source>Save again</source>
        <translation>Enregistrez à nouveau</translation>
    </message>
    <message>
        <source>%1
The game file was not changed.</source>
        <translation>%1
Le fichier du jeu n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>The working copy %1 is missing or shorter than a complete one (%2 bytes), so it is not saved. The game file was not changed.</source>
        <translation>La copie de travail %1 est absente ou plus courte qu&apos;une copie complète (%2 octets) : elle n&apos;est donc pas enregistrée. Le fichier du jeu n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>The codec tool did not finish compressing within %1 seconds. The game file was not changed.</source>
        <translation>L&apos;outil codec n&apos;a pas fini la compression en %1 secondes. Le fichier du jeu n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>Compressing the working copy failed: %1
The game file was not changed.</source>
        <translation>La compression de la copie de travail a échoué : %1
Le fichier du jeu n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>DONE!</source>
        <extracomment>The message box that ends a save that replaced the game file.</extracomment>
        <translation>TERMINÉ !</translation>
    </message>
    <message>
        <source>The compressed result %1 is missing or unreadable: %2</source>
        <translation>Le résultat compressé %1 est absent ou illisible : %2</translation>
    </message>
    <message>
        <source>The compressed result %1 is damaged.</source>
        <translation>Le résultat compressé %1 est endommagé.</translation>
    </message>
    <message>
        <source>The game file %1 could not be replaced: %2</source>
        <translation>Le fichier du jeu %1 n&apos;a pas pu être remplacé : %2</translation>
    </message>
</context>
<context>
    <name>SetCommand</name>
    <message>
        <source>usage: rosterly-cli set PLAYER_DB [TEAM_FILE] --where FILTER --column COLUMN
                        (--value V | --add N | --subtract N | --at-least N | --at-most N)
                        [--dry-run]

Changes one column of every player FILTER lets through (records 0-6449; the filter language of
rosterly-cli players, --where &quot;&quot; for every player): sets it to V, adds or subtracts N (abilities
held at 1-99, a stored value above 99 kept unless the change lowers it; other numbers held at the
range the editor&apos;s box accepts), or raises an ability to at least N or caps it at most at N.
Every value is checked and written exactly as a sheet import of that cell. teams, numbers and
squads in the filter need TEAM_FILE, which is only read.

Prints one line per changed field, as import and diff do (&quot;index id name: field old -&gt; new&quot;),
then what the change did (&quot;97 players change, 12 clamped to 99, 11 already 99&quot;). PLAYER_DB is
replaced in one atomic step in its own form, after the file as it was is kept in its backups.

  --dry-run   print the changes, write nothing

Exit status: 0 done or nothing to change, 1 refused (every reason on standard error, nothing
written) or a file cannot be read, 2 wrong usage or a wrong filter.</source>
        <translation>utilisation : rosterly-cli set PLAYER_DB [TEAM_FILE] --where FILTER --column COLUMN
                               (--value V | --add N | --subtract N | --at-least N | --at-most N)
                               [--dry-run]

Modifie une colonne de chaque joueur que FILTER laisse passer (fiches 0-6449 ; le langage de filtre de
rosterly-cli players, --where &quot;&quot; pour tous les joueurs) : la fixe à V, lui ajoute ou soustrait N (capacités
maintenues entre 1 et 99, une valeur enregistrée au-dessus de 99 étant conservée sauf si la modification la
baisse ; autres nombres maintenus dans la plage qu&apos;accepte le champ de l&apos;éditeur), ou relève une capacité à au
moins N ou la plafonne à N au plus. Chaque valeur est vérifiée et écrite exactement comme l&apos;import de cette
cellule depuis une feuille. teams, numbers et squads dans le filtre exigent TEAM_FILE, qui est seulement lu.

Affiche une ligne par champ modifié, comme import et diff (&quot;index id name: field old -&gt; new&quot;), puis le résultat de
la modification (&quot;97 joueurs modifiés, 12 limités à 99, 11 déjà à 99&quot;). PLAYER_DB est remplacé en une seule
opération atomique dans sa propre forme, une fois le fichier dans son état précédent conservé dans ses sauvegardes.

  --dry-run   affiche les modifications, n&apos;écrit rien

Code de sortie : 0 terminé ou rien à modifier, 1 refusé (chaque raison sur la sortie d&apos;erreur
standard, rien n&apos;est écrit) ou un fichier illisible, 2 mauvaise utilisation ou filtre incorrect.</translation>
    </message>
    <message>
        <source>--where FILTER is missing (--where &quot;&quot; changes every player)</source>
        <translation>--where FILTER est manquant (--where &quot;&quot; modifie tous les joueurs)</translation>
    </message>
    <message>
        <source>--column COLUMN is missing</source>
        <translation>--column COLUMN est manquant</translation>
    </message>
    <message>
        <source>give one of --value, --add, --subtract, --at-least, --at-most</source>
        <translation>indiquez l&apos;une des options --value, --add, --subtract, --at-least, --at-most</translation>
    </message>
    <message>
        <source>--column: &quot;%1&quot; is no column a change writes</source>
        <translation>--column : &quot;%1&quot; n&apos;est pas une colonne qu&apos;une modification peut écrire</translation>
    </message>
    <message>
        <source>--column: &quot;%1&quot; is no column a change writes (%2?)</source>
        <translation>--column : &quot;%1&quot; n&apos;est pas une colonne qu&apos;une modification peut écrire (%2 ?)</translation>
    </message>
    <message>
        <source>the column %1 needs the team file</source>
        <translation>la colonne %1 exige le fichier des équipes</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Rien n&apos;a été écrit.</translation>
    </message>
</context>
<context>
    <name>SheetErrors</name>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>%1 is a row number, %2 the name of the sheet&apos;s column, %3 what is wrong</extracomment>
        <translation>ligne %1, colonne %2 : %3</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… et %1 autres</translation>
    </message>
</context>
<context>
    <name>SheetFile</name>
    <message>
        <source>the game file is too short to be written as a sheet</source>
        <translation>le fichier du jeu est trop court pour être écrit sous forme de feuille</translation>
    </message>
</context>
<context>
    <name>SheetHeader</name>
    <message>
        <source>row 1: the sheet is empty; it needs a header row naming its columns (%1, …).</source>
        <extracomment>%1 is the name of the sheet&apos;s first column, as the sheet must name it</extracomment>
        <translation>ligne 1 : la feuille est vide ; il lui faut une ligne d&apos;en-tête qui nomme ses colonnes (%1, …).</translation>
    </message>
    <message>
        <source>unknown column.</source>
        <translation>colonne inconnue.</translation>
    </message>
    <message>
        <source>the column is named twice.</source>
        <translation>la colonne est nommée deux fois.</translation>
    </message>
    <message>
        <source>the column %1 is missing; the sheet needs it to match its rows.</source>
        <translation>la colonne %1 est manquante ; la feuille en a besoin pour faire correspondre ses lignes.</translation>
    </message>
    <message>
        <source>the row has %1 cells, the header %2.</source>
        <translation>la ligne compte %1 cellules, l&apos;en-tête %2.</translation>
    </message>
</context>
<context>
    <name>SheetText</name>
    <message>
        <source>a zip archive, as an .xlsx workbook is: give it the name .xlsx or save it as CSV</source>
        <translation>une archive zip, comme l&apos;est un classeur .xlsx : donnez-lui l&apos;extension .xlsx ou enregistrez-la en CSV</translation>
    </message>
    <message>
        <source>a PNG image</source>
        <translation>une image PNG</translation>
    </message>
    <message>
        <source>a JPEG image</source>
        <translation>une image JPEG</translation>
    </message>
    <message>
        <source>a GIF image</source>
        <translation>une image GIF</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>un document PDF</translation>
    </message>
    <message>
        <source>an Excel 97-2003 workbook (.xls) or another old Office file: save it as .xlsx or CSV</source>
        <translation>un classeur Excel 97-2003 (.xls) ou un autre ancien fichier Office : enregistrez-le en .xlsx ou en CSV</translation>
    </message>
    <message>
        <source>a game file, not a sheet</source>
        <translation>un fichier du jeu, pas une feuille</translation>
    </message>
    <message>
        <source>binary data (a NUL byte at byte %1)</source>
        <translation>des données binaires (un octet NUL à l&apos;octet %1)</translation>
    </message>
    <message>
        <source>binary data (%1 of its %2 bytes are control bytes)</source>
        <translation>des données binaires (%1 de ses %2 octets sont des octets de contrôle)</translation>
    </message>
    <message>
        <source>the sheet begins as UTF-16 text, but its bytes are not UTF-16.</source>
        <translation>la feuille commence comme un texte UTF-16, mais ses octets ne sont pas de l&apos;UTF-16.</translation>
    </message>
    <message>
        <source>the sheet begins with &quot;ï»¿&quot;, a UTF-8 byte-order mark that a program read as Windows-1252 text before saving the sheet; it was read as the mark.</source>
        <translation>la feuille commence par &quot;ï»¿&quot;, une marque d&apos;ordre des octets UTF-8 qu&apos;un programme a lue comme du texte Windows-1252 avant d&apos;enregistrer la feuille ; elle a été lue comme cette marque.</translation>
    </message>
    <message>
        <source>it is not a text sheet: it looks like %1.</source>
        <translation>ce n&apos;est pas une feuille texte : cela ressemble à %1.</translation>
    </message>
    <message>
        <source>the sheet is not UTF-8 (row %1 is the first that is not); it was read as Windows-1252, the game&apos;s own code page, in which older Excel saves CSV.</source>
        <translation>la feuille n&apos;est pas en UTF-8 (la ligne %1 est la première qui ne l&apos;est pas) ; elle a été lue en Windows-1252, la page de codes du jeu, dans laquelle les anciennes versions d&apos;Excel enregistrent les CSV.</translation>
    </message>
</context>
<context>
    <name>SpreadsheetMenu</name>
    <message>
        <source>Open a player database and press Load first.</source>
        <translation>Ouvrez une base de joueurs et cliquez d&apos;abord sur Charger.</translation>
    </message>
    <message>
        <source>%1 could not be made: %2</source>
        <translation>%1 n&apos;a pas pu être créé : %2</translation>
    </message>
    <message>
        <source>%1 exists already. Replace it?</source>
        <translation>%1 existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n&apos;a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>Export again</source>
        <translation>Exportez à nouveau</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Exporter en Excel</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Wrote %1 to %2.</source>
        <extracomment>%1 lists the sheets&apos; file names.</extracomment>
        <translation>Fichiers écrits dans %2 : %1.</translation>
    </message>
    <message>
        <source>Import again</source>
        <translation>Importez à nouveau</translation>
    </message>
    <message>
        <source>Import Sheet</source>
        <translation>Importer une feuille</translation>
    </message>
    <message>
        <source>Spreadsheet (CSV or Excel)</source>
        <translation>Feuille de calcul (CSV ou Excel)</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2
Nothing was written.</source>
        <translation>%1 ne peut pas être importé : %2
Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 is neither a players sheet (it has no index column) nor a teams sheet (no position column). Nothing was written.</source>
        <translation>%1 n&apos;est ni une feuille des joueurs (elle n&apos;a pas de colonne index) ni une feuille des équipes (pas de colonne position). Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 holds team names, but no team file is loaded. Load the team file first. Nothing was written.</source>
        <translation>%1 contient des noms d&apos;équipe, mais aucun fichier des équipes n&apos;est chargé. Chargez d&apos;abord le fichier des équipes. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 holds the teams&apos; rosters, but no team file is loaded. Load the team file first. Nothing was written.</source>
        <translation>%1 contient les effectifs des équipes, mais aucun fichier des équipes n&apos;est chargé. Chargez d&apos;abord le fichier des équipes. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 was refused:
%2
Nothing was written.</source>
        <translation>%1 a été refusé :
%2
Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 changes nothing: every cell shows what the file holds already.%2</source>
        <extracomment>%2 is empty or the sheet&apos;s notes, on lines of their own.</extracomment>
        <translation>%1 ne change rien : chaque cellule affiche déjà ce que contient le fichier.%2</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <extracomment>After the first changes listed: how many more there are.</extracomment>
        <translation>… et %1 autres</translation>
    </message>
    <message>
        <source>%1 changes %2 %3 in %4 %5:
%6%7

Write these changes into the working copy?</source>
        <extracomment>%1 is the sheet, %2 and %3 how many fields (&quot;1 field&quot;, &quot;5 fields&quot;), %4 and %5 how many records; the changes follow on lines of their own (%6), then the notes (%7).</extracomment>
        <translation>%1 modifie %2 %3 dans %4 %5 :
%6%7

Écrire ces modifications dans la copie de travail ?</translation>
    </message>
    <message>
        <source>field</source>
        <translation>champ</translation>
    </message>
    <message>
        <source>fields</source>
        <translation>champs</translation>
    </message>
    <message>
        <source>record</source>
        <translation>fiche</translation>
    </message>
    <message>
        <source>records</source>
        <translation>fiches</translation>
    </message>
    <message>
        <source>Import %1 (%2 record)</source>
        <extracomment>The step&apos;s name in the Edit menu: %1 is the sheet&apos;s file name, %2 how many records.</extracomment>
        <translation>Importer %1 (%2 fiche)</translation>
    </message>
    <message>
        <source>Import %1 (%2 records)</source>
        <translation>Importer %1 (%2 fiches)</translation>
    </message>
</context>
<context>
    <name>SquadCommand</name>
    <message>
        <source>usage: rosterly-cli squad PLAYER_DB TEAM_FILE TEAM_ID

Prints the squad of the team with TEAM_ID: its roster record, the first in the player database&apos;s
roster table that carries the ID. First a line with the team&apos;s name, its ID and the number of
players, &quot;Austria (team ID 100): 25 players&quot;, then one line per filled slot in slot order, with
four fields separated by tabs: the slot (0-31), the shirt number, the player ID and the player&apos;s
name (&quot;(no player of the database)&quot; for an ID no record 0-6449 holds). TEAM_ID must be a team
the team file lists; a negative one goes after --: rosterly-cli squad PLAYER_DB TEAM_FILE -- -1.
The teams and their IDs are listed in teams.csv, which rosterly-cli export writes.

Exit status: 0 printed, 1 the team file lists no such team, the team has no roster record or a
file cannot be read, 2 wrong usage.</source>
        <translation>utilisation : rosterly-cli squad PLAYER_DB TEAM_FILE TEAM_ID

Affiche l&apos;effectif de l&apos;équipe ayant l&apos;ID TEAM_ID : sa fiche d&apos;effectif, la première de la table des effectifs
de la base de joueurs qui porte cet ID. D&apos;abord une ligne avec le nom de l&apos;équipe, son ID et le nombre de
joueurs, &quot;Austria (team ID 100): 25 players&quot;, puis une ligne par place occupée, dans l&apos;ordre des places, avec
quatre champs séparés par des tabulations : la place (0-31), le numéro de maillot, l&apos;ID du joueur et son nom
(&quot;(no player of the database)&quot; pour un ID qu&apos;aucune fiche 0-6449 ne porte). TEAM_ID doit être une équipe que
liste le fichier des équipes ; un ID négatif se place après -- : rosterly-cli squad PLAYER_DB TEAM_FILE -- -1.
Les équipes et leurs ID sont listés dans teams.csv, qu&apos;écrit rosterly-cli export.

Code de sortie : 0 affiché, 1 le fichier des équipes ne liste pas cette équipe, l&apos;équipe
n&apos;a pas de fiche d&apos;effectif ou un fichier est illisible, 2 mauvaise utilisation.</translation>
    </message>
    <message>
        <source>TEAM_ID is a number, not &quot;%1&quot;</source>
        <translation>TEAM_ID est un nombre, pas &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 has no roster record in the player database.</source>
        <translation>%1 n&apos;a aucune fiche d&apos;effectif dans la base de joueurs.</translation>
    </message>
</context>
<context>
    <name>SquadEditor</name>
    <message>
        <source>Squads</source>
        <translation>Effectifs</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>The column of shirt numbers</extracomment>
        <translation>N°</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Poste</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Transfer →</source>
        <translation>Transfert →</translation>
    </message>
    <message>
        <source>← Transfer</source>
        <translation>← Transfert</translation>
    </message>
    <message>
        <source>Call up →</source>
        <translation>Convoquer →</translation>
    </message>
    <message>
        <source>Release</source>
        <extracomment>A button that takes the selected player out of his squad</extracomment>
        <translation>Libérer</translation>
    </message>
    <message>
        <source>Swap</source>
        <extracomment>A button that swaps the players selected on the left and on the right</extracomment>
        <translation>Échanger</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Find a player:</source>
        <translation>Chercher joueur :</translation>
    </message>
    <message>
        <source>any part of the name</source>
        <translation>partie du nom</translation>
    </message>
    <message>
        <source>Free agents</source>
        <translation>Joueurs libres</translation>
    </message>
    <message>
        <source>Choose a player in the left table first.</source>
        <translation>Choisissez d&apos;abord un joueur dans le tableau de gauche.</translation>
    </message>
    <message>
        <source>Choose a player in the right table first.</source>
        <translation>Choisissez d&apos;abord un joueur dans le tableau de droite.</translation>
    </message>
    <message>
        <source>Team ID %1</source>
        <translation>ID d&apos;équipe %1</translation>
    </message>
    <message>
        <source>Press Load first: the squads shown are not those of the file now open.</source>
        <translation>Cliquez d&apos;abord sur Charger : les effectifs affichés ne sont pas ceux du fichier actuellement ouvert.</translation>
    </message>
    <message>
        <source>The player database&apos;s working copy cannot be read, or ends before its roster table.
Nothing was written.</source>
        <translation>La copie de travail de la base de joueurs est illisible, ou se termine avant sa table des effectifs.
Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 is a free agent already: choose the team he joins on the left.</source>
        <translation>%1 est déjà un joueur libre : choisissez à gauche l&apos;équipe qu&apos;il rejoint.</translation>
    </message>
    <message>
        <source>%1 is a free agent already: choose the team he joins on the right.</source>
        <translation>%1 est déjà un joueur libre : choisissez à droite l&apos;équipe qu&apos;il rejoint.</translation>
    </message>
    <message>
        <source>Release: %1 from %2</source>
        <translation>Libérer : %1 de %2</translation>
    </message>
    <message>
        <source>Transfer: %1 to %2</source>
        <translation>Transfert : %1 vers %2</translation>
    </message>
    <message>
        <source>A call-up needs a team on the right, not the free agents.</source>
        <translation>Une convocation exige une équipe à droite, et non les joueurs libres.</translation>
    </message>
    <message>
        <source>Call up: %1 to %2</source>
        <translation>Convoquer : %1 vers %2</translation>
    </message>
    <message>
        <source>%1 is a free agent already.</source>
        <translation>%1 est déjà un joueur libre.</translation>
    </message>
    <message>
        <source>A swap takes players of two teams; a free agent joins a squad by a transfer.</source>
        <translation>Un échange concerne des joueurs de deux équipes ; un joueur libre rejoint un effectif par un transfert.</translation>
    </message>
    <message>
        <source>Swap: %1 and %2</source>
        <translation>Échanger : %1 et %2</translation>
    </message>
    <message>
        <source>The free agents are in no squad, whose order could change.</source>
        <translation>Les joueurs libres ne font partie d&apos;aucun effectif dont l&apos;ordre pourrait changer.</translation>
    </message>
    <message>
        <source>Move Up: %1 in %2</source>
        <translation>Monter : %1 dans %2</translation>
    </message>
    <message>
        <source>Move Down: %1 in %2</source>
        <translation>Descendre : %1 dans %2</translation>
    </message>
    <message>
        <source>Shirt number: %1 to %2</source>
        <translation>Numéro de maillot : %2 pour %1</translation>
    </message>
    <message>
        <source>free agent</source>
        <translation>joueur libre</translation>
    </message>
</context>
<context>
    <name>SquadFiles</name>
    <message>
        <source>the player database and the team file are the same file</source>
        <translation>la base de joueurs et le fichier des équipes sont le même fichier</translation>
    </message>
    <message>
        <source>The team file lists no team with team ID %1.</source>
        <translation>Le fichier des équipes ne liste aucune équipe ayant l&apos;ID d&apos;équipe %1.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 %2 is missing</source>
        <translation>%1 %2 est manquant</translation>
    </message>
    <message>
        <source>%1 takes a number, not &quot;%2&quot;</source>
        <translation>%1 attend un nombre, pas &quot;%2&quot;</translation>
    </message>
    <message>
        <source>player ID 0 marks an empty slot; give a player&apos;s ID</source>
        <translation>l&apos;ID de joueur 0 marque une place vide ; indiquez l&apos;ID d&apos;un joueur</translation>
    </message>
</context>
<context>
    <name>SquadRules</name>
    <message>
        <source>Shirt numbers run from %1 to %2.</source>
        <translation>Les numéros de maillot vont de %1 à %2.</translation>
    </message>
    <message>
        <source>Player ID %1</source>
        <translation>ID joueur %1</translation>
    </message>
    <message>
        <source>Team ID %1</source>
        <translation>ID d&apos;équipe %1</translation>
    </message>
    <message>
        <source>%1 has no roster record in the player database.</source>
        <translation>%1 n&apos;a aucune fiche d&apos;effectif dans la base de joueurs.</translation>
    </message>
    <message>
        <source>Shirt number %1 is taken by %2 in %3.</source>
        <translation>Le numéro de maillot %1 est pris par %2 dans %3.</translation>
    </message>
    <message>
        <source>%1 is not in %2.</source>
        <translation>%1 n&apos;est pas dans %2.</translation>
    </message>
    <message>
        <source>%1 is in %2 already.</source>
        <translation>%1 est déjà dans %2.</translation>
    </message>
    <message>
        <source>%1 has %2 players already, the most a squad can hold.</source>
        <translation>%1 compte déjà %2 joueurs, le maximum que peut contenir un effectif.</translation>
    </message>
    <message>
        <source>The roster table holds no record beside that of %1.</source>
        <translation>La table des effectifs ne contient aucune fiche à côté de celle de %1.</translation>
    </message>
    <message>
        <source>%1 and %2 are both in %3; a swap takes players of two teams.</source>
        <translation>%1 et %2 sont tous deux dans %3 ; un échange concerne des joueurs de deux équipes.</translation>
    </message>
    <message>
        <source>%1 is first in %2 already.</source>
        <translation>%1 est déjà le premier dans %2.</translation>
    </message>
    <message>
        <source>%1 is last in %2 already.</source>
        <translation>%1 est déjà le dernier dans %2.</translation>
    </message>
</context>
<context>
    <name>TeamNameTable</name>
    <message>
        <source>may have at most %1 characters.</source>
        <translation>peut comporter au plus %1 caractères.</translation>
    </message>
    <message>
        <source>holds characters the game cannot store: %1</source>
        <translation>contient des caractères que le jeu ne peut pas enregistrer : %1</translation>
    </message>
    <message>
        <source>The team name may have at most %1 characters.</source>
        <translation>Le nom d&apos;équipe peut comporter au plus %1 caractères.</translation>
    </message>
    <message>
        <source>The team name holds characters the game cannot store: %1</source>
        <translation>Le nom d&apos;équipe contient des caractères que le jeu ne peut pas enregistrer : %1</translation>
    </message>
    <message>
        <source>The short name may have at most %1 characters.</source>
        <translation>Le nom court peut comporter au plus %1 caractères.</translation>
    </message>
    <message>
        <source>The short name holds characters the game cannot store: %1</source>
        <translation>Le nom court contient des caractères que le jeu ne peut pas enregistrer : %1</translation>
    </message>
</context>
<context>
    <name>TeamSheet</name>
    <message>
        <source>The team file is too short: it has %1 bytes, but its team names end at byte %2.</source>
        <translation>Le fichier des équipes est trop court : il fait %1 octets, mais ses noms d&apos;équipe se terminent à l&apos;octet %2.</translation>
    </message>
    <message>
        <source>enter a team position from 0 to %1.</source>
        <translation>saisissez une position d&apos;équipe de 0 à %1.</translation>
    </message>
    <message>
        <source>team %1 is on row %2 already.</source>
        <translation>l&apos;équipe %1 est déjà à la ligne %2.</translation>
    </message>
    <message>
        <source>this team has no team ID to change; leave the cell empty.</source>
        <translation>cette équipe n&apos;a pas d&apos;ID d&apos;équipe à modifier ; laissez la cellule vide.</translation>
    </message>
    <message>
        <source>team IDs are not edited here; the team&apos;s is %1.</source>
        <translation>les ID d&apos;équipe ne se modifient pas ici ; celui de l&apos;équipe est %1.</translation>
    </message>
    <message>
        <source>the team is listed past the end of the short names and has no short name that could be written.</source>
        <translation>l&apos;équipe figure après la fin des noms courts et n&apos;a aucun nom court qui puisse être écrit.</translation>
    </message>
    <message>
        <source>the team file ends at byte %1, before this team&apos;s name entry does.</source>
        <translation>le fichier des équipes se termine à l&apos;octet %1, avant la fin de l&apos;entrée du nom de cette équipe.</translation>
    </message>
</context>
<context>
    <name>TransferCommand</name>
    <message>
        <source>usage: rosterly-cli transfer PLAYER_DB TEAM_FILE --player ID --to TEAM_ID [--from TEAM_ID]
                             [--number N] [--call-up] [--dry-run]

Takes the player with ID out of the squad of the team --from and into the squad of the team --to,
with the editor&apos;s squad rules: he joins after the players there, with shirt number N, or
else the number he wore when no one in the new squad wears it, or else the lowest free one. A
squad holds at most 32 players, each once, with numbers from 1 to 99 that no one else in it
wears; the empty slots of a changed squad go after its players. Team IDs are those the team file
lists.

Without --from the player leaves the one squad he is in (apart from that of --to). A player in
several needs --from; a player in none, a free agent, joins --to.

  --call-up   keep him in the squad of --from too (a national team&apos;s call-up)
  --dry-run   print the change, write nothing

Prints the change, &quot;Boris Brown (7): Brazil -&gt; Austria, shirt number 7&quot; (&quot;called up from Brazil
to Austria&quot;, &quot;free agent -&gt; Austria&quot; for the others), then replaces the player database in one
atomic step (a compressed game file is compressed again; a working copy, *.unzlib, is written as
it is), after the file as it was is kept in the folder backups beside it. The team file is only
read.

Exit status: 0 done, 1 refused (the reason on standard error, nothing written) or a file cannot
be read, 2 wrong usage.</source>
        <translation>utilisation : rosterly-cli transfer PLAYER_DB TEAM_FILE --player ID --to TEAM_ID [--from TEAM_ID]
                                    [--number N] [--call-up] [--dry-run]

Retire le joueur dont l&apos;ID est ID de l&apos;effectif de l&apos;équipe --from et le place dans l&apos;effectif de
l&apos;équipe --to, selon les règles d&apos;effectif de l&apos;éditeur : il s&apos;ajoute après les joueurs déjà présents,
avec le numéro de maillot N, ou sinon le numéro qu&apos;il portait si personne ne le porte dans le nouvel
effectif, ou sinon le plus petit numéro libre. Un effectif compte au plus 32 joueurs, chacun une seule
fois, avec des numéros de 1 à 99 qu&apos;aucun autre joueur de l&apos;effectif ne porte ; les places vides d&apos;un
effectif modifié passent après ses joueurs. Les ID d&apos;équipe sont ceux que liste le fichier des équipes.

Sans --from, le joueur quitte l&apos;unique effectif dont il fait partie (hormis celui de --to). Un joueur
présent dans plusieurs effectifs exige --from ; un joueur sans effectif, un joueur libre, rejoint --to.

  --call-up   le garde aussi dans l&apos;effectif de --from (convocation en sélection nationale)
  --dry-run   affiche la modification, n&apos;écrit rien

Affiche la modification, &quot;Boris Brown (7): Brazil -&gt; Austria, shirt number 7&quot;
(&quot;called up from Brazil to Austria&quot;, &quot;free agent -&gt; Austria&quot; pour les autres cas), puis remplace la
base de joueurs en une seule opération atomique (un fichier du jeu compressé est de nouveau compressé ;
une copie de travail, *.unzlib, est écrite telle quelle), une fois le fichier dans son état précédent
conservé dans le dossier backups à côté de lui. Le fichier des équipes est seulement lu.

Code de sortie : 0 terminé, 1 refusé (la raison sur la sortie d&apos;erreur
standard, rien n&apos;est écrit) ou un fichier illisible, 2 mauvaise utilisation.</translation>
    </message>
    <message>
        <source>--number takes a shirt number, not &quot;%1&quot;</source>
        <translation>--number attend un numéro de maillot, pas &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 (team ID %2)</source>
        <translation>%1 (ID d&apos;équipe %2)</translation>
    </message>
    <message>
        <source>Player ID %1</source>
        <translation>ID joueur %1</translation>
    </message>
    <message>
        <source>%1 is in %2 squads: %3; say which he leaves with --from TEAM_ID.</source>
        <extracomment>%2 is the number of squads (always more than one), %3 lists them</extracomment>
        <translation>%1 est dans %2 effectifs : %3 ; indiquez celui qu&apos;il quitte avec --from TEAM_ID.</translation>
    </message>
    <message>
        <source>No player of the database has player ID %1.</source>
        <translation>Aucun joueur de la base n&apos;a l&apos;ID de joueur %1.</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>%1 (another program may hold the file open: close it and try again)</source>
        <translation>%1 (un autre programme garde peut-être le fichier ouvert : fermez-le et réessayez)</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1 : fichier introuvable</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1 : ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2</source>
        <translation>%1 : ouverture impossible : %2</translation>
    </message>
    <message>
        <source>%1: the file is %2 bytes, more than the %3 MiB a game file or sheet may have</source>
        <translation>%1 : le fichier fait %2 octets, plus que les %3 Mio autorisés pour un fichier du jeu ou une feuille</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1 : lecture impossible : %2</translation>
    </message>
    <message>
        <source>No space left on device (%1 bytes free, %2 needed)</source>
        <translation>Plus d&apos;espace disponible sur le périphérique (%1 octets libres, %2 nécessaires)</translation>
    </message>
</context>
<context>
    <name>WorkingCopy</name>
    <message>
        <source>The working copy %1 cannot be opened: %2</source>
        <translation>La copie de travail %1 ne peut pas être ouverte : %2</translation>
    </message>
    <message>
        <source>The working copy %1 is too short: it has %2 bytes, but %3 are needed. Wait until the codec has finished, or open the game file again.</source>
        <translation>La copie de travail %1 est trop courte : elle fait %2 octets, mais il en faut %3. Attendez que le codec ait terminé, ou ouvrez à nouveau le fichier du jeu.</translation>
    </message>
    <message>
        <source>Reading the working copy %1 failed: %2</source>
        <translation>La lecture de la copie de travail %1 a échoué : %2</translation>
    </message>
    <message>
        <source>The working copy %1 has %2 bytes and cannot be read up to byte %3.</source>
        <translation>La copie de travail %1 fait %2 octets et ne peut pas être lue jusqu&apos;à l&apos;octet %3.</translation>
    </message>
    <message>
        <source>Refusing to write before the start of %1.</source>
        <translation>Écriture avant le début de %1 refusée.</translation>
    </message>
    <message>
        <source>The working copy %1 cannot be opened for writing: %2</source>
        <translation>La copie de travail %1 ne peut pas être ouverte en écriture : %2</translation>
    </message>
    <message>
        <source>The working copy %1 is too short: it has %2 bytes, but the change reaches byte %3. Nothing was written.</source>
        <translation>La copie de travail %1 est trop courte : elle fait %2 octets, mais la modification atteint l&apos;octet %3. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Writing the working copy %1 failed: %2. Nothing of the change was kept.</source>
        <translation>L&apos;écriture de la copie de travail %1 a échoué : %2. Rien de la modification n&apos;a été conservé.</translation>
    </message>
</context>
<context>
    <name>WorkingCopyDifference</name>
    <message>
        <source>the game file holds %1 bytes, the working copy %2</source>
        <translation>le fichier du jeu contient %1 octets, la copie de travail %2</translation>
    </message>
    <message>
        <source>%1 byte differs</source>
        <translation>%1 octet diffère</translation>
    </message>
    <message>
        <source>%1 bytes differ</source>
        <translation>%1 octets diffèrent</translation>
    </message>
    <message>
        <source>%1 record differs</source>
        <translation>%1 fiche diffère</translation>
    </message>
    <message>
        <source>%1 records differ</source>
        <translation>%1 fiches diffèrent</translation>
    </message>
    <message>
        <source>%1 record</source>
        <translation>%1 fiche</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>%1 fiches</translation>
    </message>
    <message>
        <source>%1 byte</source>
        <translation>%1 octet</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>%1 and %2 outside them differ</source>
        <extracomment>%1 is &quot;12 records&quot;, %2 is &quot;2 bytes&quot;: the bytes outside the records.</extracomment>
        <translation>%1 et %2 en dehors d&apos;elles diffèrent</translation>
    </message>
</context>
<context>
    <name>XlsxPackage</name>
    <message>
        <source>it is not a readable zip archive, as an .xlsx workbook is (%1).</source>
        <translation>ce n&apos;est pas une archive zip lisible, comme l&apos;est un classeur .xlsx (%1).</translation>
    </message>
    <message>
        <source>the part %1 of the workbook is larger than %2 bytes or of no known size.</source>
        <translation>la partie %1 du classeur dépasse %2 octets ou n&apos;a pas de taille connue.</translation>
    </message>
    <message>
        <source>the part %1 of the workbook cannot be unpacked: %2</source>
        <translation>la partie %1 du classeur ne peut pas être décompressée : %2</translation>
    </message>
    <message>
        <source>the zip archive holds no workbook (%1), so it is no .xlsx file.</source>
        <translation>l&apos;archive zip ne contient aucun classeur (%1) : ce n&apos;est donc pas un fichier .xlsx.</translation>
    </message>
    <message>
        <source>the workbook part %1 is not well-formed XML: %2</source>
        <translation>la partie %1 du classeur n&apos;est pas du XML bien formé : %2</translation>
    </message>
</context>
<context>
    <name>XlsxReader</name>
    <message>
        <source>the cell holds a formula whose result the workbook does not store; save the workbook in a spreadsheet program first, or enter the value itself.</source>
        <translation>la cellule contient une formule dont le classeur n&apos;enregistre pas le résultat ; enregistrez d&apos;abord le classeur dans un tableur, ou saisissez la valeur elle-même.</translation>
    </message>
    <message>
        <source>the worksheet&apos;s rows are not in order (row %1 after row %2).</source>
        <translation>les lignes de la feuille de calcul ne sont pas dans l&apos;ordre (ligne %1 après la ligne %2).</translation>
    </message>
    <message>
        <source>the worksheet names the cell %1 in row %2.</source>
        <translation>la feuille de calcul nomme la cellule %1 dans la ligne %2.</translation>
    </message>
    <message>
        <source>the cells of row %1 are not in order.</source>
        <translation>les cellules de la ligne %1 ne sont pas dans l&apos;ordre.</translation>
    </message>
    <message>
        <source>the worksheet has more than %1 cells, far more than any sheet of this editor.</source>
        <translation>la feuille de calcul compte plus de %1 cellules, bien plus que n&apos;importe quelle feuille de cet éditeur.</translation>
    </message>
    <message>
        <source>the cell refers to a text the workbook does not hold.</source>
        <translation>la cellule fait référence à un texte que le classeur ne contient pas.</translation>
    </message>
    <message>
        <source>the cell holds the error %1.</source>
        <translation>la cellule contient l&apos;erreur %1.</translation>
    </message>
    <message>
        <source>the cell holds a date or time; enter a whole number or a text.</source>
        <translation>la cellule contient une date ou une heure ; saisissez un nombre entier ou un texte.</translation>
    </message>
    <message>
        <source>the cell holds &quot;%1&quot;, which is no number.</source>
        <translation>la cellule contient &quot;%1&quot;, qui n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>the cell holds the number %1, which is not a whole number.</source>
        <translation>la cellule contient le nombre %1, qui n&apos;est pas un nombre entier.</translation>
    </message>
    <message>
        <source>it is not an .xlsx workbook, which is a zip archive; a CSV sheet is read when its name ends in .csv.</source>
        <translation>ce n&apos;est pas un classeur .xlsx, qui est une archive zip ; une feuille CSV est lue quand son nom se termine par .csv.</translation>
    </message>
    <message>
        <source>it is not an .xlsx workbook: %1</source>
        <translation>ce n&apos;est pas un classeur .xlsx : %1</translation>
    </message>
    <message>
        <source>the workbook has no part %1 for its worksheet &quot;%2&quot;.</source>
        <translation>le classeur n&apos;a pas de partie %1 pour sa feuille de calcul &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>the sheet read is &quot;%1&quot;, the first of the workbook that holds cells.</source>
        <translation>la feuille lue est &quot;%1&quot;, la première du classeur qui contient des cellules.</translation>
    </message>
    <message>
        <source>the workbook has no worksheet with cells.</source>
        <translation>le classeur n&apos;a aucune feuille de calcul contenant des cellules.</translation>
    </message>
</context>
<context>
    <name>XlsxSheetWriter</name>
    <message>
        <source>no temporary folder could be made: %1</source>
        <translation>impossible de créer un dossier temporaire : %1</translation>
    </message>
    <message>
        <source>the temporary folder %1 has characters outside the system&apos;s code page</source>
        <translation>le dossier temporaire %1 contient des caractères hors de la page de codes du système</translation>
    </message>
    <message>
        <source>the spreadsheet library could not start a workbook</source>
        <translation>la bibliothèque de tableur n&apos;a pas pu créer de classeur</translation>
    </message>
    <message>
        <source>the spreadsheet library refused the workbook: %1</source>
        <translation>la bibliothèque de tableur a refusé le classeur : %1</translation>
    </message>
</context>
<context>
    <name>XmlEvents</name>
    <message>
        <source>it declares a document type, which no workbook part has</source>
        <translation>il déclare un type de document, ce qu&apos;aucune partie de classeur ne fait</translation>
    </message>
    <message>
        <source>the XML reader could not be started for %1.</source>
        <translation>le lecteur XML n&apos;a pas pu être lancé pour %1.</translation>
    </message>
    <message>
        <source>the part %1 of the workbook cannot be read: %2</source>
        <translation>la partie %1 du classeur ne peut pas être lue : %2</translation>
    </message>
    <message>
        <source>the part %1 of the workbook is not well-formed XML (line %2: %3).</source>
        <translation>la partie %1 du classeur n&apos;est pas du XML bien formé (ligne %2 : %3).</translation>
    </message>
</context>
</TS>
