<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BackupMenu</name>
    <message>
        <source>Restore Backup</source>
        <translation>Backup wiederherstellen</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>%1
Nothing was changed.</source>
        <translation>%1
Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Put the backup %1 in place of %2? %2 as it is now is backed up first.</source>
        <translation>Das Backup %1 anstelle von %2 einsetzen? Der jetzige Stand von %2 wird vorher gesichert.</translation>
    </message>
    <message>
        <source>the player editor</source>
        <translation>Spielereditor</translation>
    </message>
    <message>
        <source>the team name editor</source>
        <translation>Teamnamen-Editor</translation>
    </message>
    <message>
        <source>Restore the backup</source>
        <translation>Stellen Sie das Backup wieder her</translation>
    </message>
    <message>
        <source>%1 now holds the backup %2.</source>
        <translation>%1 enthält jetzt das Backup %2.</translation>
    </message>
    <message>
        <source>The file as it was is kept as %1.</source>
        <translation>Der vorherige Stand der Datei wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>The file is open in %1, whose working copy still holds the file as it was before. File &gt; Open there decompresses the restored file.</source>
        <extracomment>%1 names the window (&quot;the player editor&quot;).</extracomment>
        <translation>Die Datei ist im Fenster „%1“ geöffnet, dessen Arbeitskopie noch den vorherigen Stand der Datei enthält. Datei &gt; Öffnen dort dekomprimiert die wiederhergestellte Datei.</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>no backup could be made as %1: %2</source>
        <translation>es konnte kein Backup als %1 angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>%1 ist eine Datei, kein Ordner</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made there</source>
        <translation>der Ordner %1 kann dort nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 is not named like a backup (the game file&apos;s name, then .yyyyMMdd-HHmmss.bak).</source>
        <extracomment>&quot;.yyyyMMdd-HHmmss.bak&quot; is the end of a backup&apos;s file name: keep it as it is.</extracomment>
        <translation>%1 ist nicht wie ein Backup benannt (der Name der Spieldatei, dann .yyyyMMdd-HHmmss.bak).</translation>
    </message>
    <message>
        <source>%1 is not in a folder named %2 beside its game file.</source>
        <translation>%1 liegt nicht in einem Ordner namens %2 neben seiner Spieldatei.</translation>
    </message>
    <message>
        <source>%1 was not put back: %2
%3 was not changed.</source>
        <translation>%1 wurde nicht zurückgespielt: %2
%3 wurde nicht geändert.</translation>
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
        <translation>Aufruf: rosterly-cli backups GAME_FILE

Listet die Backups von GAME_FILE im Ordner backups daneben auf, das neueste zuerst, je eines pro
Zeile: Pfad, Größe in Bytes und Zeitpunkt der Erstellung, durch Tabulatoren getrennt. Vor jedem
Ersetzen einer Spieldatei wird ein Backup angelegt; aufbewahrt werden die zehn neuesten und das
älteste, also die Datei, wie sie vor dem ersten Ersetzen war. rosterly-cli restore BACKUP spielt
eines zurück.

Exit-Status: 0 aufgelistet (oder keine vorhanden), 2 falscher Aufruf.</translation>
    </message>
</context>
<context>
    <name>BulkChange</name>
    <message>
        <source>Set to</source>
        <extracomment>A change of many players: set the column to a value</extracomment>
        <translation>Setzen auf</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>A change of many players: add a number to the column</extracomment>
        <translation>Addieren</translation>
    </message>
    <message>
        <source>Subtract</source>
        <extracomment>A change of many players: subtract a number from the column</extracomment>
        <translation>Subtrahieren</translation>
    </message>
    <message>
        <source>Set at least</source>
        <extracomment>A change of many players: raise the values below a number to it</extracomment>
        <translation>Mindestens auf</translation>
    </message>
    <message>
        <source>Set at most</source>
        <extracomment>A change of many players: lower the values above a number to it</extracomment>
        <translation>Höchstens auf</translation>
    </message>
    <message>
        <source>Change %1 to %2 (%3 player)</source>
        <translation>%1 auf %2 ändern (%3 Spieler)</translation>
    </message>
    <message>
        <source>Change %1 to %2 (%3 players)</source>
        <translation>%1 auf %2 ändern (%3 Spieler)</translation>
    </message>
    <message>
        <source>Change %1 +%2 (%3 player)</source>
        <translation>%1 +%2 ändern (%3 Spieler)</translation>
    </message>
    <message>
        <source>Change %1 +%2 (%3 players)</source>
        <translation>%1 +%2 ändern (%3 Spieler)</translation>
    </message>
    <message>
        <source>Change %1 -%2 (%3 player)</source>
        <translation>%1 -%2 ändern (%3 Spieler)</translation>
    </message>
    <message>
        <source>Change %1 -%2 (%3 players)</source>
        <translation>%1 -%2 ändern (%3 Spieler)</translation>
    </message>
    <message>
        <source>Change %1 to at least %2 (%3 player)</source>
        <translation>%1 auf mindestens %2 ändern (%3 Spieler)</translation>
    </message>
    <message>
        <source>Change %1 to at least %2 (%3 players)</source>
        <translation>%1 auf mindestens %2 ändern (%3 Spieler)</translation>
    </message>
    <message>
        <source>Change %1 to at most %2 (%3 player)</source>
        <translation>%1 auf höchstens %2 ändern (%3 Spieler)</translation>
    </message>
    <message>
        <source>Change %1 to at most %2 (%3 players)</source>
        <translation>%1 auf höchstens %2 ändern (%3 Spieler)</translation>
    </message>
    <message>
        <source>the column is not changed here.</source>
        <translation>die Spalte wird hier nicht geändert.</translation>
    </message>
    <message>
        <source>%1 can only be set to a value.</source>
        <extracomment>%1 is the name of the sheet&apos;s column</extracomment>
        <translation>%1 kann nur auf einen Wert gesetzt werden.</translation>
    </message>
    <message>
        <source>%1: enter a whole number.</source>
        <translation>%1: geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>%1: enter a number from 1 to %2.</source>
        <translation>%1: geben Sie eine Zahl von 1 bis %2 ein.</translation>
    </message>
    <message>
        <source>1 player changes</source>
        <translation>1 Spieler ändert sich</translation>
    </message>
    <message>
        <source>%1 players change</source>
        <translation>%1 Spieler ändern sich</translation>
    </message>
    <message>
        <source>, %1 clamped to %2</source>
        <extracomment>Follows &quot;97 players change&quot;: %1 players were held at the limit %2</extracomment>
        <translation>, %1 auf %2 begrenzt</translation>
    </message>
    <message>
        <source>, %1 already at least %2</source>
        <extracomment>Follows &quot;97 players change&quot;: %1 players had the value %2 already</extracomment>
        <translation>, %1 bereits mindestens %2</translation>
    </message>
    <message>
        <source>, %1 already at most %2</source>
        <translation>, %1 bereits höchstens %2</translation>
    </message>
    <message>
        <source>, %1 already at the limit</source>
        <translation>, %1 bereits am Limit</translation>
    </message>
    <message>
        <source>, %1 already %2</source>
        <translation>, %1 bereits %2</translation>
    </message>
    <message>
        <source>record %1</source>
        <translation>Datensatz %1</translation>
    </message>
    <message>
        <source>%1 (%2 players, the first %3)</source>
        <extracomment>%1 is why, %2 how many players it concerns, %3 the first of them</extracomment>
        <translation>%1 (%2 Spieler, der erste: %3)</translation>
    </message>
</context>
<context>
    <name>BulkEditDialog</name>
    <message>
        <source>Change Field</source>
        <translation>Feld ändern</translation>
    </message>
    <message>
        <source>&amp;Column:</source>
        <extracomment>The column of the player table whose values are changed.</extracomment>
        <translation>&amp;Spalte:</translation>
    </message>
    <message>
        <source>C&amp;hange:</source>
        <extracomment>How the values change: set to a value, or a number added, say.</extracomment>
        <translation>Ä&amp;nderung:</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Wert:</translation>
    </message>
    <message>
        <source>Enter the value.</source>
        <translation>Geben Sie den Wert ein.</translation>
    </message>
    <message>
        <source>Enter the number.</source>
        <translation>Geben Sie die Zahl ein.</translation>
    </message>
</context>
<context>
    <name>CellValue</name>
    <message>
        <source>enter a whole number.</source>
        <translation>geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>the text is not UTF-8; save the sheet as UTF-8 CSV.</source>
        <translation>der Text ist kein UTF-8; speichern Sie die Tabelle als CSV in UTF-8.</translation>
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
        <translation>Aufruf: rosterly-cli check PLAYER_DB TEAM_FILE

Prüft die Kader der Spielerdatenbank gegen die Teams, die die Teamdatei aufführt, und gibt jedes
Problem in einer eigenen Zeile aus: Spieler-IDs, die mehr als ein Datensatz trägt, Teams ohne
Kadereintrag, Kadereinträge, die zu keinem Team gehören oder hinter dem eigenen eines Teams stehen,
und in jedem Kader Spieler, die die Datenbank nicht enthält, doppelt aufgeführte Spieler,
Rückennummern außerhalb von 1-99 oder doppelt vergebene sowie leere Plätze vor belegten. Gibt
&quot;no problems&quot; aus, wenn es keine gibt. Es wird nichts geschrieben.

Exit-Status: 0 keine Probleme, 1 Probleme, 2 eine Datei konnte nicht gelesen werden oder falscher
Aufruf.</translation>
    </message>
</context>
<context>
    <name>CliOutput</name>
    <message>
        <source>Try: rosterly-cli %1--help</source>
        <extracomment>%1 is the command&apos;s name followed by a space (&quot;import &quot;), or nothing</extracomment>
        <translation>Versuchen Sie: rosterly-cli %1--help</translation>
    </message>
</context>
<context>
    <name>Codec</name>
    <message>
        <source>usage:
  zlib2.dll FILE -d   unpack the compressed game file FILE into FILE.unzlib
  zlib2.dll FILE      pack FILE into FILE.zlib</source>
        <extracomment>The command lines stay as they are; the descriptions after them may be translated.</extracomment>
        <translation>Aufruf:
  zlib2.dll FILE -d   die komprimierte Spieldatei FILE nach FILE.unzlib entpacken
  zlib2.dll FILE      FILE nach FILE.zlib packen</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1: the game file&apos;s form cannot be kept, so nothing was packed</source>
        <translation>%1: das Format der Spieldatei kann nicht beibehalten werden, daher wurde nichts gepackt</translation>
    </message>
</context>
<context>
    <name>CodecRuns</name>
    <message>
        <source>The codec tool stopped unexpectedly.</source>
        <translation>Das Codec-Programm wurde unerwartet beendet.</translation>
    </message>
    <message>
        <source>The codec tool failed (exit code %1).</source>
        <translation>Das Codec-Programm ist fehlgeschlagen (Exit-Code %1).</translation>
    </message>
    <message>
        <source>The codec tool %1 could not be started.</source>
        <translation>Das Codec-Programm %1 konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The codec tool %1 is missing.</source>
        <translation>Das Codec-Programm %1 fehlt.</translation>
    </message>
    <message>
        <source>The codec tool is still working on %1. Try again when it has finished.</source>
        <translation>Das Codec-Programm arbeitet noch an %1. Versuchen Sie es erneut, wenn es fertig ist.</translation>
    </message>
    <message>
        <source>The codec tool failed on %1: %2</source>
        <translation>Das Codec-Programm ist bei %1 fehlgeschlagen: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>too few arguments</source>
        <translation>zu wenige Argumente</translation>
    </message>
    <message>
        <source>too many arguments</source>
        <translation>zu viele Argumente</translation>
    </message>
</context>
<context>
    <name>Container</name>
    <message>
        <source>%1 MiB</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>the header says the data unpacks to %1 bytes, more than the %2 a game file may hold</source>
        <translation>laut Header ergeben die Daten entpackt %1 Bytes, mehr als die %2, die eine Spieldatei enthalten darf</translation>
    </message>
    <message>
        <source>the file goes on after the %1 compressed bytes the header gives with something other than zero padding: byte %2 of the file is 0x%3</source>
        <translation>die Datei geht nach den %1 komprimierten Bytes, die der Header angibt, mit etwas anderem als Null-Auffüllung weiter: Byte %2 der Datei ist 0x%3</translation>
    </message>
    <message>
        <source>the compressed data is truncated or the header is damaged: its sizes fit the file in neither byte order (%1 compressed bytes read little-endian, %2 read big-endian; the file holds %3 after the header)</source>
        <translation>die komprimierten Daten sind abgeschnitten oder der Header ist beschädigt: seine Größenangaben passen in keiner Bytereihenfolge zur Datei (%1 komprimierte Bytes als Little-Endian gelesen, %2 als Big-Endian; die Datei enthält nach dem Header %3)</translation>
    </message>
    <message>
        <source>the decompressor could not be started</source>
        <translation>der Dekomprimierer konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>the data unpacks to more than %1, the most a game file may hold</source>
        <translation>die Daten ergeben entpackt mehr als %1, das Maximum für eine Spieldatei</translation>
    </message>
    <message>
        <source>the compressed data is truncated</source>
        <translation>die komprimierten Daten sind abgeschnitten</translation>
    </message>
    <message>
        <source>the compressed data is corrupt</source>
        <translation>die komprimierten Daten sind beschädigt</translation>
    </message>
    <message>
        <source>the compressed data is corrupt: it asks for a preset dictionary, which game files never use</source>
        <translation>die komprimierten Daten sind beschädigt: sie verlangen ein voreingestelltes Wörterbuch, das Spieldateien nie verwenden</translation>
    </message>
    <message>
        <source>not enough memory to decompress the data</source>
        <translation>nicht genug Speicher zum Dekomprimieren der Daten</translation>
    </message>
    <message>
        <source>the compressed data is corrupt (%1)</source>
        <translation>die komprimierten Daten sind beschädigt (%1)</translation>
    </message>
    <message>
        <source>zlib error</source>
        <translation>zlib-Fehler</translation>
    </message>
    <message>
        <source>%1 unexpected bytes follow the end of the compressed data</source>
        <translation>auf das Ende der komprimierten Daten folgen %1 unerwartete Bytes</translation>
    </message>
    <message>
        <source>the header says %1 bytes, the data holds %2</source>
        <translation>der Header gibt %1 Bytes an, die Daten enthalten %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the compressed data is truncated: the file ends inside the header, after %1 bytes</source>
        <translation>die komprimierten Daten sind abgeschnitten: die Datei endet innerhalb des Headers, nach %1 Bytes</translation>
    </message>
    <message>
        <source>not a compressed game file: unknown header</source>
        <translation>keine komprimierte Spieldatei: unbekannter Header</translation>
    </message>
    <message>
        <source>this is an indexed archive holding several files, not one compressed game file</source>
        <translation>dies ist ein indiziertes Archiv mit mehreren Dateien, keine einzelne komprimierte Spieldatei</translation>
    </message>
    <message>
        <source>not a compressed game file: unknown container type %1 (byte 2 is 1 for one compressed file, 0 for an archive)</source>
        <translation>keine komprimierte Spieldatei: unbekannter Containertyp %1 (Byte 2 ist 1 für eine einzelne komprimierte Datei, 0 für ein Archiv)</translation>
    </message>
    <message>
        <source>the compressed data is truncated: the file ends inside the %1-byte header, after %2 bytes</source>
        <translation>die komprimierten Daten sind abgeschnitten: die Datei endet innerhalb des %1-Byte-Headers, nach %2 Bytes</translation>
    </message>
    <message>
        <source>the form&apos;s bytes 2-7 are not those of a compressed game file (1, then &quot;WESYS&quot;)</source>
        <translation>die Bytes 2-7 des Formats sind nicht die einer komprimierten Spieldatei (1, dann „WESYS“)</translation>
    </message>
    <message>
        <source>the form&apos;s alignment %1 is not a power of two up to %2</source>
        <translation>die Ausrichtung %1 des Formats ist keine Zweierpotenz bis %2</translation>
    </message>
    <message>
        <source>the data is %1 bytes, more than the %2 a game file may hold</source>
        <translation>die Daten umfassen %1 Bytes, mehr als die %2, die eine Spieldatei enthalten darf</translation>
    </message>
    <message>
        <source>not enough memory to compress the data</source>
        <translation>nicht genug Speicher zum Komprimieren der Daten</translation>
    </message>
    <message>
        <source>the compressor failed: its stream did not fit the room it asked for</source>
        <translation>der Komprimierer ist fehlgeschlagen: sein Datenstrom passte nicht in den angeforderten Platz</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>row 1: the CSV reader could not be started</source>
        <translation>Zeile 1: der CSV-Leser konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>a quoted cell is not closed</source>
        <translation>eine Zelle in Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>a quote in the wrong place (a quoted cell starts and ends with a quote, and a quote inside it is doubled)</source>
        <translation>ein Anführungszeichen an falscher Stelle (eine Zelle in Anführungszeichen beginnt und endet mit einem Anführungszeichen, und ein Anführungszeichen darin wird verdoppelt)</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
</context>
<context>
    <name>DatabaseImport</name>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Details</translation>
    </message>
    <message>
        <source>&amp;Abilities</source>
        <translation>&amp;Fähigkeiten</translation>
    </message>
    <message>
        <source>A&amp;ppearance</source>
        <translation>&amp;Aussehen</translation>
    </message>
    <message>
        <source>&amp;Squads</source>
        <translation>&amp;Kader</translation>
    </message>
    <message>
        <source>&amp;Team names</source>
        <translation>&amp;Teamnamen</translation>
    </message>
    <message>
        <source>Open a player database and press Load first.</source>
        <translation>Öffnen Sie zuerst eine Spielerdatenbank und klicken Sie auf „Laden“.</translation>
    </message>
    <message>
        <source>Import again</source>
        <translation>Importieren Sie erneut</translation>
    </message>
    <message>
        <source>Import from Another Database</source>
        <translation>Aus anderer Datenbank importieren</translation>
    </message>
    <message>
        <source>Player database</source>
        <translation>Spielerdatenbank</translation>
    </message>
    <message>
        <source>The other database&apos;s team file (Cancel: none)</source>
        <translation>Teamdatei der anderen Datenbank (Abbrechen: keine)</translation>
    </message>
    <message>
        <source>Team file</source>
        <translation>Teamdatei</translation>
    </message>
    <message>
        <source>%1
Nothing was imported.</source>
        <translation>%1
Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Import from Another Database — %1</source>
        <translation>Aus anderer Datenbank importieren — %1</translation>
    </message>
    <message>
        <source>Take:</source>
        <extracomment>Before the check boxes of the parts taken from the other database.</extracomment>
        <translation>Übernehmen:</translation>
    </message>
    <message>
        <source>Needs both team files.</source>
        <translation>Benötigt beide Teamdateien.</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>Fi&amp;lter:</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>The columns of the list of players that differ: the record number, the player ID, his name, the parts that differ and the changes.</extracomment>
        <translation>Datensatz</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Parts</source>
        <translation>Bereiche</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <extracomment>A squad or team name of the other database that cannot be taken, and why.</extracomment>
        <translation>abgelehnt: %1</translation>
    </message>
    <message>
        <source>Some of it cannot be taken:
%1

Import the rest?</source>
        <translation>Einiges kann nicht übernommen werden:
%1

Den Rest importieren?</translation>
    </message>
    <message>
        <source>Import from %1 (%2 player)</source>
        <extracomment>The step&apos;s name in the Edit menu: %1 is the other database, %2 how many players.</extracomment>
        <translation>Import aus %1 (%2 Spieler)</translation>
    </message>
    <message>
        <source>Import from %1 (%2 players)</source>
        <translation>Import aus %1 (%2 Spieler)</translation>
    </message>
</context>
<context>
    <name>DatabaseMerge</name>
    <message>
        <source>%1 (team ID %2): %3</source>
        <extracomment>%1 is a team&apos;s name, %2 its team ID, %3 what is wrong</extracomment>
        <translation>%1 (Team-ID %2): %3</translation>
    </message>
    <message>
        <source>%1 (team ID %2), slot %3: %4</source>
        <extracomment>%1 is a team&apos;s name, %2 its team ID, %3 a slot number, %4 what is wrong</extracomment>
        <translation>%1 (Team-ID %2), Platz %3: %4</translation>
    </message>
    <message>
        <source>%1 player</source>
        <translation>%1 Spieler</translation>
    </message>
    <message>
        <source>%1 players</source>
        <translation>%1 Spieler</translation>
    </message>
    <message>
        <source>%1 squad</source>
        <translation>%1 Kader</translation>
    </message>
    <message>
        <source>%1 squads</source>
        <translation>%1 Kader</translation>
    </message>
    <message>
        <source>%1 team name</source>
        <translation>%1 Teamname</translation>
    </message>
    <message>
        <source>%1 team names</source>
        <translation>%1 Teamnamen</translation>
    </message>
    <message>
        <source>%1, %2, %3 will change</source>
        <extracomment>%1 is &quot;120 players&quot;, %2 &quot;3 squads&quot;, %3 &quot;2 team names&quot;</extracomment>
        <translation>%1, %2, %3 werden geändert</translation>
    </message>
    <message>
        <source>this player database: %1</source>
        <extracomment>%1 says what is wrong with the player database</extracomment>
        <translation>diese Spielerdatenbank: %1</translation>
    </message>
    <message>
        <source>the other player database: %1</source>
        <extracomment>%1 says what is wrong with the other player database</extracomment>
        <translation>die andere Spielerdatenbank: %1</translation>
    </message>
    <message>
        <source>the squads and the team names need both team files.</source>
        <translation>die Kader und die Teamnamen benötigen beide Teamdateien.</translation>
    </message>
    <message>
        <source>%1: foot: the other file&apos;s foot byte %2 is no entry of the list; left as it is.</source>
        <extracomment>%1 names the player; &quot;foot&quot; is the name of the sheet&apos;s column</extracomment>
        <translation>%1: foot: das Fuß-Byte %2 der anderen Datei ist kein Eintrag der Liste; unverändert gelassen.</translation>
    </message>
    <message>
        <source>player ID %1 %2: not in this database</source>
        <extracomment>%1 is a player ID, %2 the player&apos;s name</extracomment>
        <translation>Spieler-ID %1 %2: nicht in dieser Datenbank</translation>
    </message>
    <message>
        <source>%1 (team ID %2): the other squad is empty; left as it is.</source>
        <translation>%1 (Team-ID %2): der andere Kader ist leer; unverändert gelassen.</translation>
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
        <translation>Aufruf: rosterly-cli diff OLD_DB NEW_DB [OLD_TEAMS NEW_TEAMS]

Listet jedes Feld auf, das sich zwischen zwei Spielerdatenbanken unterscheidet, eine Zeile pro Feld,
&quot;index id name: field old -&gt; new&quot; (die Felder von players.csv, dann alle übrigen Bytes eines
Datensatzes als &quot;bytes A-B&quot;), und danach eine Anzahl. Mit zwei Teamdateien auch deren Unterschiede,
nach Listenposition: &quot;position team_id name: field old -&gt; new&quot;. Danach die Kader der Kadertabelle,
Platz für Platz und Spieler für Spieler: &quot;Austria: slot 3 Adam Adams (7) -&gt; Boris Brown (7)&quot;,
&quot;Boris Brown: Brazil -&gt; Austria&quot; (Teams benannt nach NEW_TEAMS, falls angegeben, sonst
&quot;team ID 100&quot;). Spieldateien können komprimierte Spieldateien oder Arbeitskopien (*.unzlib) sein,
beliebig gemischt.

Exit-Status: 0 keine Unterschiede, 1 Unterschiede, 2 eine Datei konnte nicht gelesen werden oder
falscher Aufruf.</translation>
    </message>
    <message>
        <source>give both team files, or neither</source>
        <translation>geben Sie beide Teamdateien an oder keine</translation>
    </message>
</context>
<context>
    <name>EditMenu</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1 names the step that Undo takes back (&quot;Apply Abilities: Adam Adams&quot;).</extracomment>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <extracomment>%1 names the step that Redo does again (&quot;Apply Abilities: Adam Adams&quot;).</extracomment>
        <translation>Wiederholen: %1</translation>
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
        <translation>Aufruf: rosterly-cli export PLAYER_DB [TEAM_FILE] --out DIR [--format csv|xlsx]

Schreibt die Spieler von PLAYER_DB als DIR/players.csv, eine Zeile pro Spieler, den der Editor
schreiben kann (Datensätze 0-6449), so wie er ihn anzeigt. Mit TEAM_FILE außerdem DIR/teams.csv (die
Teamnamen) und DIR/rosters.csv (der Kader jedes Teams, wie ihn die Teamansicht zeigt). DIR wird
angelegt, wenn es nicht existiert; bereits vorhandene Dateien werden ersetzt.

  --format xlsx   .xlsx-Arbeitsmappen (players.xlsx, ...) statt CSV schreiben

Exit-Status: 0 geschrieben, 1 eine Datei konnte nicht gelesen oder geschrieben werden, 2 falscher
Aufruf.</translation>
    </message>
    <message>
        <source>--out DIR is missing</source>
        <translation>--out DIR fehlt</translation>
    </message>
    <message>
        <source>--format is csv or xlsx, not &quot;%1&quot;</source>
        <translation>--format ist csv oder xlsx, nicht „%1“</translation>
    </message>
    <message>
        <source>%1: the folder cannot be made</source>
        <translation>%1: der Ordner kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>FaceRelink</name>
    <message>
        <source>Select a player first.</source>
        <translation>Wählen Sie zuerst einen Spieler aus.</translation>
    </message>
    <message>
        <source>Relink: %1</source>
        <translation>Neu zuordnen: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>the player editor</source>
        <extracomment>How messages of the team name editor name this window.</extracomment>
        <translation>Spielereditor</translation>
    </message>
    <message>
        <source>PES 2011 Rosterly v0.1  by Tavor  %1</source>
        <translation>PES 2011 Rosterly v0.1  von Tavor  %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>File &gt; Open: chooses the player database.</extracomment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Export to CSV…</source>
        <translation>Als CSV exportieren…</translation>
    </message>
    <message>
        <source>Export to Excel…</source>
        <translation>Als Excel exportieren…</translation>
    </message>
    <message>
        <source>Import Sheet…</source>
        <translation>Tabelle importieren…</translation>
    </message>
    <message>
        <source>Import from Another Database…</source>
        <translation>Aus anderer Datenbank importieren…</translation>
    </message>
    <message>
        <source>Restore Backup…</source>
        <translation>Backup wiederherstellen…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Team Editor</source>
        <translation>Team-Editor</translation>
    </message>
    <message>
        <source>Squads</source>
        <translation>Kader</translation>
    </message>
    <message>
        <source>Player Table</source>
        <translation>Spielertabelle</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The Language menu&apos;s entry that speaks the system&apos;s language.</extracomment>
        <translation>System</translation>
    </message>
    <message>
        <source>Search Player.....</source>
        <translation>Spieler suchen.....</translation>
    </message>
    <message>
        <source>Face:  unnamed_</source>
        <extracomment>Above the face&apos;s file number: the face file is unnamed_&lt;number&gt;.bin.</extracomment>
        <translation>Gesicht:  unnamed_</translation>
    </message>
    <message>
        <source>Hair: unnamed_</source>
        <extracomment>Above the hair&apos;s file number: the hair file is unnamed_&lt;number&gt;.bin.</extracomment>
        <translation>Haare: unnamed_</translation>
    </message>
    <message>
        <source>Close the window again</source>
        <translation>Schließen Sie das Fenster erneut</translation>
    </message>
    <message>
        <source>No player database is open. Use File &gt; Open first.</source>
        <translation>Es ist keine Spielerdatenbank geöffnet. Verwenden Sie zuerst Datei &gt; Öffnen.</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>Öffnen Sie eine Datei</translation>
    </message>
    <message>
        <source>Select unnamed_25.bin:</source>
        <translation>unnamed_25.bin auswählen:</translation>
    </message>
    <message>
        <source>The team file %1 stays open in the team name editor, from another folder than %2. Team names, the team chooser and the squads come from it until File &gt; Open in the team name editor opens the team file beside the player database.</source>
        <translation>Die Teamdatei %1 bleibt im Teamnamen-Editor geöffnet; sie liegt in einem anderen Ordner als %2. Teamnamen, Teamauswahl und Kader stammen aus ihr, bis Datei &gt; Öffnen im Teamnamen-Editor die Teamdatei neben der Spielerdatenbank öffnet.</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Search </source>
        <extracomment>The button that searches the player list for the name typed beside it.</extracomment>
        <translation>Suchen </translation>
    </message>
    <message>
        <source>Player ID:</source>
        <translation>Spieler-ID:</translation>
    </message>
    <message>
        <source>Team Select....</source>
        <extracomment>Shown in the team chooser until a team is chosen.</extracomment>
        <translation>Team wählen....</translation>
    </message>
    <message>
        <source>Move UP</source>
        <extracomment>The button that moves the chosen player up the squad list.</extracomment>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>The button that moves the chosen player down the squad list.</extracomment>
        <translation>Runter</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>The button that takes the chosen player out of the squad.</extracomment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Player Name:</source>
        <translation>Spielername:</translation>
    </message>
    <message>
        <source>Name on shirt:</source>
        <translation>Trikotname:</translation>
    </message>
    <message>
        <source>Position:</source>
        <extracomment>The player&apos;s registered position.</extracomment>
        <translation>Position:</translation>
    </message>
    <message>
        <source>Foot:</source>
        <extracomment>The foot the player prefers.</extracomment>
        <translation>Fuß:</translation>
    </message>
    <message>
        <source>Number:</source>
        <extracomment>The player&apos;s shirt number.</extracomment>
        <translation>Nr.:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Gew.:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Alter:</translation>
    </message>
    <message>
        <source>Spacing:</source>
        <extracomment>The player&apos;s spacing value, as the game&apos;s database names it.</extracomment>
        <translation>Abstand:</translation>
    </message>
    <message>
        <source>When you change some of these values, don&apos;t forget to click on Apply Changes!</source>
        <translation>Wenn Sie hier Werte ändern, vergessen Sie nicht, auf „Daten übernehmen“ zu klicken!</translation>
    </message>
    <message>
        <source>Abilities</source>
        <translation>Fähigkeiten</translation>
    </message>
    <message>
        <source>Apply Abilities</source>
        <translation>Werte übernehmen</translation>
    </message>
    <message>
        <source>Special Options</source>
        <translation>Spezialfähigkeiten</translation>
    </message>
    <message>
        <source>Face Relink</source>
        <translation>Neuzuordnung</translation>
    </message>
    <message>
        <source>Relink</source>
        <translation>Neu zuordnen</translation>
    </message>
    <message>
        <source>Apply Changes</source>
        <translation>Daten übernehmen</translation>
    </message>
    <message>
        <source>SAVE</source>
        <extracomment>The button that packs the working copy into the game file.</extracomment>
        <translation>SPEICHERN</translation>
    </message>
    <message>
        <source>Transfer:</source>
        <translation>Transfer:</translation>
    </message>
    <message>
        <source>Transfer player</source>
        <translation>Transferieren</translation>
    </message>
    <message>
        <source>Rosterly: a player and team editor for the PES 2011 database.</source>
        <translation>Rosterly: ein Spieler- und Teameditor für die Datenbank von PES 2011.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Team Edit PES 2010 DEMO by Tavor</source>
        <extracomment>The window&apos;s title; Team Edit PES 2010 is the name of the tool, Tavor its maker</extracomment>
        <translation>Team Edit PES 2010 DEMO von Tavor</translation>
    </message>
    <message>
        <source>the team name editor</source>
        <extracomment>How messages of the main window name this window.</extracomment>
        <translation>Teamnamen-Editor</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Team Name:</source>
        <translation>Teamname:</translation>
    </message>
    <message>
        <source>Short Name:</source>
        <translation>Kurzname:</translation>
    </message>
    <message>
        <source>Load</source>
        <extracomment>A button that lists the teams of the open team file</extracomment>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Change name</source>
        <translation>Name ändern</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SPEICHERN</translation>
    </message>
    <message>
        <source>Search Team.....</source>
        <translation>Team suchen.....</translation>
    </message>
    <message>
        <source>Search </source>
        <translation>Suchen </translation>
    </message>
    <message>
        <source>Close the window again</source>
        <extracomment>Completes the warning &quot;A save is in progress. %1 when it has finished.&quot;</extracomment>
        <translation>Schließen Sie das Fenster erneut</translation>
    </message>
    <message>
        <source>Select unnamed_32.bin:</source>
        <extracomment>The title of the file dialog; unnamed_32.bin is the name of a game file</extracomment>
        <translation>unnamed_32.bin auswählen:</translation>
    </message>
    <message>
        <source>Select unnamed_11.bin:</source>
        <extracomment>The title of the file dialog; unnamed_11.bin is the name of a game file</extracomment>
        <translation>unnamed_11.bin auswählen:</translation>
    </message>
    <message>
        <source>Open a file</source>
        <extracomment>Completes the warning &quot;A save is in progress. %1 when it has finished.&quot;</extracomment>
        <translation>Öffnen Sie eine Datei</translation>
    </message>
    <message>
        <source>No team file is open. Use File &gt; Open in the team editor first.</source>
        <translation>Es ist keine Teamdatei geöffnet. Verwenden Sie zuerst Datei &gt; Öffnen im Team-Editor.</translation>
    </message>
    <message>
        <source>Select a team to rename first.</source>
        <translation>Wählen Sie zuerst das Team aus, das umbenannt werden soll.</translation>
    </message>
    <message>
        <source>The list still shows the team file opened before. Press Load to list the teams of %1, then rename.</source>
        <translation>Die Liste zeigt noch die zuvor geöffnete Teamdatei. Klicken Sie auf „Laden“, um die Teams von %1 aufzulisten, und benennen Sie dann um.</translation>
    </message>
    <message>
        <source>This team is listed past the end of the short-name table, so it has no short name that could be written. Empty the Short Name box to rename the team alone.</source>
        <translation>Dieses Team steht hinter dem Ende der Kurznamen-Tabelle und hat daher keinen Kurznamen, der geschrieben werden könnte. Leeren Sie das Feld „Kurzname“, um nur das Team umzubenennen.</translation>
    </message>
    <message>
        <source>Change name: %1</source>
        <translation>Name ändern: %1</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>%1: compressing the changed file failed%2; nothing was written</source>
        <translation>%1: das Komprimieren der geänderten Datei ist fehlgeschlagen%2; es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>%1: put back as it was</source>
        <translation>%1: in den vorherigen Zustand zurückversetzt</translation>
    </message>
    <message>
        <source>%1: replaced already; putting it back failed: %2</source>
        <translation>%1: bereits ersetzt; das Zurücksetzen ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>%1: replaced already</source>
        <translation>%1: bereits ersetzt</translation>
    </message>
    <message>
        <source>Every other file was left as it was.</source>
        <translation>Alle anderen Dateien blieben unverändert.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2; nothing was changed</source>
        <translation>%1: kann nicht geschrieben werden: %2; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>%1: cannot be replaced: %2</source>
        <translation>%1: kann nicht ersetzt werden: %2</translation>
    </message>
</context>
<context>
    <name>GameFileBytes</name>
    <message>
        <source>%1: not a game file the codec can read (%2); a working copy must end in .unzlib</source>
        <extracomment>%1 is the file, %2 why the codec cannot read it; &quot;.unzlib&quot; ends a file name</extracomment>
        <translation>%1: keine Spieldatei, die der Codec lesen kann (%2); eine Arbeitskopie muss auf .unzlib enden</translation>
    </message>
</context>
<context>
    <name>GameFileSession</name>
    <message>
        <source>%1 is open in %2 already. A game file is edited in one window only: choose another file.</source>
        <extracomment>%2 names the other window (&quot;the team name editor&quot;).</extracomment>
        <translation>%1 ist bereits im Fenster „%2“ geöffnet. Eine Spieldatei wird nur in einem Fenster bearbeitet: Wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>The working copy of %1 holds changes that are not saved into the game file (%2). Discard them and decompress the game file again?</source>
        <translation>Die Arbeitskopie von %1 enthält Änderungen, die nicht in der Spieldatei gespeichert sind (%2). Diese verwerfen und die Spieldatei erneut dekomprimieren?</translation>
    </message>
    <message>
        <source>Load is waiting for the codec tool already. The lists fill as soon as it has finished.</source>
        <translation>„Laden“ wartet bereits auf das Codec-Programm. Die Listen werden gefüllt, sobald es fertig ist.</translation>
    </message>
    <message>
        <source>Waiting for the codec tool…</source>
        <translation>Warten auf das Codec-Programm…</translation>
    </message>
    <message>
        <source>The codec tool has not finished decompressing %1 within %2 seconds. Press Load again when it has finished.</source>
        <translation>Das Codec-Programm hat das Dekomprimieren von %1 nicht innerhalb von %2 Sekunden abgeschlossen. Klicken Sie erneut auf „Laden“, wenn es fertig ist.</translation>
    </message>
    <message>
        <source>Apply the change again</source>
        <translation>Übernehmen Sie die Änderung erneut</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Undo again</source>
        <translation>Wählen Sie erneut Rückgängig</translation>
    </message>
    <message>
        <source>Redo again</source>
        <translation>Wählen Sie erneut Wiederholen</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1 names the step taken back or done again (&quot;Apply Abilities: Adam Adams&quot;).</extracomment>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>%1 is not possible: %2
Nothing was written.</source>
        <extracomment>%1 is &quot;Undo &lt;step&gt;&quot; or &quot;Redo &lt;step&gt;&quot;.</extracomment>
        <translation>„%1“ ist nicht möglich: %2
Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 is not possible: the working copy %2 no longer holds what that step left there at byte %3 (something outside this window&apos;s history changed it). Nothing was written.</source>
        <translation>„%1“ ist nicht möglich: Die Arbeitskopie %2 enthält an Byte %3 nicht mehr, was dieser Schritt dort hinterlassen hat (etwas außerhalb des Verlaufs dieses Fensters hat es geändert). Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>„%1“ ist fehlgeschlagen: %2</translation>
    </message>
</context>
<context>
    <name>GameTerms</name>
    <message>
        <source>Attack</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Angriff</translation>
    </message>
    <message>
        <source>GK</source>
        <extracomment>The goalkeeper position</extracomment>
        <translation>TW</translation>
    </message>
    <message>
        <source>Defence</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Abwehr</translation>
    </message>
    <message>
        <source>SWP</source>
        <extracomment>The sweeper position</extracomment>
        <translation>LIB</translation>
    </message>
    <message>
        <source>Balance</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Balance</translation>
    </message>
    <message>
        <source>CB</source>
        <extracomment>The centre-back position</extracomment>
        <translation>IV</translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation>Ausdauer</translation>
    </message>
    <message>
        <source>SB</source>
        <extracomment>The side-back position</extracomment>
        <translation>AV</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>DMF</source>
        <extracomment>The defensive midfielder position</extracomment>
        <translation>DM</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Beschleunigung</translation>
    </message>
    <message>
        <source>WB</source>
        <extracomment>The wing-back position</extracomment>
        <translation>FV</translation>
    </message>
    <message>
        <source>Response</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Reaktion</translation>
    </message>
    <message>
        <source>CMF</source>
        <extracomment>The centre midfielder position</extracomment>
        <translation>ZM</translation>
    </message>
    <message>
        <source>Agility</source>
        <translation>Agilität</translation>
    </message>
    <message>
        <source>AMF</source>
        <extracomment>The attacking midfielder position</extracomment>
        <translation>OM</translation>
    </message>
    <message>
        <source>Dribble Accuracy</source>
        <translation>Dribbelgenauigk.</translation>
    </message>
    <message>
        <source>SMF</source>
        <extracomment>The side midfielder position</extracomment>
        <translation>AM</translation>
    </message>
    <message>
        <source>Dribble Speed</source>
        <translation>Dribbeltempo</translation>
    </message>
    <message>
        <source>WF</source>
        <extracomment>The wing forward position</extracomment>
        <translation>AS</translation>
    </message>
    <message>
        <source>Short Pass Accur</source>
        <translation>Kurzpass-Gen.</translation>
    </message>
    <message>
        <source>SS</source>
        <extracomment>The second striker position</extracomment>
        <translation>HS</translation>
    </message>
    <message>
        <source>Short Pass Speed</source>
        <translation>Kurzpasstempo</translation>
    </message>
    <message>
        <source>CF</source>
        <extracomment>The centre forward position</extracomment>
        <translation>MS</translation>
    </message>
    <message>
        <source>Long Pass Accur</source>
        <translation>Langpass-Gen.</translation>
    </message>
    <message>
        <source>Centre</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Flanken</translation>
    </message>
    <message>
        <source>Long Pass Speed</source>
        <translation>Langpasstempo</translation>
    </message>
    <message>
        <source>1-On-1 Stopper</source>
        <translation>1:1-Stopper</translation>
    </message>
    <message>
        <source>Shot Accuracy</source>
        <translation>Schussgenauigk.</translation>
    </message>
    <message>
        <source>Dribbling</source>
        <translation>Dribbling</translation>
    </message>
    <message>
        <source>Shot Power</source>
        <translation>Schusskraft</translation>
    </message>
    <message>
        <source>Tactical dribble</source>
        <translation>Takt. Dribbling</translation>
    </message>
    <message>
        <source>Shot Technique</source>
        <translation>Schusstechnik</translation>
    </message>
    <message>
        <source>Positioning</source>
        <translation>Stellungsspiel</translation>
    </message>
    <message>
        <source>Free Kick Accur</source>
        <translation>Freistoß-Gen.</translation>
    </message>
    <message>
        <source>Reaction</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Antizipation</translation>
    </message>
    <message>
        <source>Curving / Swerve</source>
        <translation>Effet</translation>
    </message>
    <message>
        <source>Playmaking</source>
        <translation>Spielmacher</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Kopfball</translation>
    </message>
    <message>
        <source>Passing</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Passspiel</translation>
    </message>
    <message>
        <source>Jump</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Sprungkraft</translation>
    </message>
    <message>
        <source>Scoring</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Torjäger</translation>
    </message>
    <message>
        <source>Technique</source>
        <translation>Technik</translation>
    </message>
    <message>
        <source>1-1 Scoring</source>
        <translation>1:1-Abschluss</translation>
    </message>
    <message>
        <source>Aggression</source>
        <translation>Aggressivität</translation>
    </message>
    <message>
        <source>Post Player</source>
        <translation>Wandspieler</translation>
    </message>
    <message>
        <source>Team Work</source>
        <translation>Teamwork</translation>
    </message>
    <message>
        <source>Side</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Flügel</translation>
    </message>
    <message>
        <source>Mentality</source>
        <translation>Mentalität</translation>
    </message>
    <message>
        <source>Lines</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Tiefenlauf</translation>
    </message>
    <message>
        <source>Goalkeeper Skills</source>
        <translation>TW-Fähigkeiten</translation>
    </message>
    <message>
        <source>Middle Shooting</source>
        <translation>Distanzschuss</translation>
    </message>
    <message>
        <source>1-Touch Pass</source>
        <translation>Direktpass</translation>
    </message>
    <message>
        <source>Outside</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Außenrist</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>Deckung</translation>
    </message>
    <message>
        <source>Sliding</source>
        <translation>Grätsche</translation>
    </message>
    <message>
        <source>Covering</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Absichern</translation>
    </message>
    <message>
        <source>D-Line Control</source>
        <translation>Abwehrführung</translation>
    </message>
    <message>
        <source>Penalty Stopper</source>
        <translation>Elfmetertöter</translation>
    </message>
    <message>
        <source>Penalties</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Elfmeter</translation>
    </message>
    <message>
        <source>Long Throw</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Weiter Einwurf</translation>
    </message>
    <message>
        <source>Position code</source>
        <translation>Positionscode</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Spielername</translation>
    </message>
    <message>
        <source>Name on shirt</source>
        <translation>Trikotname</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>The foot a player prefers</extracomment>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Left</source>
        <extracomment>The foot a player prefers</extracomment>
        <translation>Links</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Gesicht</translation>
    </message>
    <message>
        <source>Hair</source>
        <translation>Haare</translation>
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
        <translation>Aufruf: rosterly-cli import PLAYER_DB [TEAM_FILE]
                            [--players FILE | --rosters FILE] [--teams FILE] [--dry-run]

Wendet bearbeitete Tabellen auf die Spieldateien an: --players FILE (eine players.csv oder
players.xlsx) auf PLAYER_DB, --teams FILE (eine teams.csv oder teams.xlsx) auf TEAM_FILE,
--rosters FILE (eine rosters.csv oder rosters.xlsx: jedes darin genannte Team erhält genau den
Kader, den seine Zeilen angeben, in der Reihenfolge der Plätze; die Namen darin werden nicht
importiert) auf die Kadertabelle in PLAYER_DB; eine Tabelle, deren Name auf .xlsx endet, wird als
Arbeitsmappe gelesen (ihr erstes Arbeitsblatt), jede andere als CSV (UTF-8, UTF-16 oder
Windows-1252). Geschrieben werden nur die Felder, deren Zelle von dem abweicht, was der Editor jetzt
anzeigt, nach den Regeln des Editors; eine unveränderte Tabelle ändert nichts. Jede Zelle wird
zuerst geprüft: Wird auch nur eine Zelle abgelehnt, bleibt jede Datei unberührt. Jede geänderte
Datei wird in einem atomaren Schritt ersetzt (eine komprimierte Spieldatei wird wieder komprimiert;
eine Arbeitskopie, *.unzlib, wird unverändert geschrieben), nachdem die Datei in ihrem vorherigen
Zustand im Ordner backups daneben abgelegt wurde; lässt sich die zweite Datei nicht sichern oder
ersetzen, wird die erste in ihren vorherigen Zustand zurückversetzt.

Gibt aus, was sich ändert: die Anzahlen, dann eine Zeile pro Feld,
&quot;index id name: field old -&gt; new&quot;, oder pro Kaderplatz,
&quot;Austria: slot 3 Adam Adams (7) -&gt; Boris Brown (7)&quot;, und für einen Spieler, der wechselt,
&quot;Boris Brown: Brazil -&gt; Austria&quot;.

  --dry-run   die Änderungen ausgeben, nichts schreiben

Exit-Status: 0 angewendet (oder nichts zu ändern), 1 abgelehnt (alle Gründe auf der
Standardfehlerausgabe, keine Datei angetastet), 2 falscher Aufruf.</translation>
    </message>
    <message>
        <source>give a sheet: --players FILE, --teams FILE, --rosters FILE</source>
        <translation>geben Sie eine Tabelle an: --players FILE, --teams FILE, --rosters FILE</translation>
    </message>
    <message>
        <source>give --players or --rosters, not both: both write the player database</source>
        <translation>geben Sie --players oder --rosters an, nicht beides: beide schreiben in die Spielerdatenbank</translation>
    </message>
    <message>
        <source>%1 needs the team file: rosterly-cli import PLAYER_DB TEAM_FILE %1 FILE</source>
        <translation>%1 benötigt die Teamdatei: rosterly-cli import PLAYER_DB TEAM_FILE %1 FILE</translation>
    </message>
    <message>
        <source>the player database and the team file are the same file</source>
        <translation>die Spielerdatenbank und die Teamdatei sind dieselbe Datei</translation>
    </message>
    <message>
        <source>%1 is a %2 sheet; give it as --%2 FILE.</source>
        <extracomment>%2 is the sheet&apos;s kind, also the name of its option: players, teams or rosters</extracomment>
        <translation>%1 ist eine %2-Tabelle; geben Sie sie als --%2 FILE an.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
</context>
<context>
    <name>InWords</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list in a sentence: %1 is &quot;a&quot; or &quot;a, b&quot;, %2 the last item.</extracomment>
        <translation>%1 und %2</translation>
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
        <translation>Aufruf: rosterly-cli merge PLAYER_DB TEAM_FILE OTHER_DB [OTHER_TEAM_FILE]
                           [--parts P,...] [--where FILTER] [--players ID,...] [--teams ID,...]
                           [--skip-refused] [--dry-run]

Übernimmt Werte aus einem anderen Paar von Spieldateien (OTHER_DB, OTHER_TEAM_FILE; komprimierte
Spieldateien oder Arbeitskopien, im Speicher gelesen und nie verändert) in PLAYER_DB und TEAM_FILE.
Spieler werden über die Spieler-ID zugeordnet (ein Spieler kann in der anderen Datei in einem
anderen Datensatz stehen), Teams über die Team-ID.
Die Bereiche, alle, wenn --parts nicht angegeben ist:
  details      Name, Trikotname, Alter, Größe, Gewicht, Fuß, Abstand, Hauptposition
  abilities    die 26 Fähigkeiten, die spielbaren Positionen, die Spezialfähigkeiten
  appearance   Gesicht und Haare
  squads       die Kader der gewählten Teams, ihre Spieler über die ID zugeordnet (benötigt
               OTHER_TEAM_FILE)
  team_names   Namen und Kurznamen der gewählten Teams (benötigt OTHER_TEAM_FILE)
Jeder Wert wird geprüft und so geschrieben wie bei einem Tabellenimport. Ein Spieler, den die andere
Datei enthält, PLAYER_DB aber nicht, wird als nicht in dieser Datenbank aufgeführt und ausgelassen.

  --where FILTER      nur die Spieler von PLAYER_DB, die der Filter durchlässt (rosterly-cli players)
  --players ID,...    nur diese Spieler-IDs
  --teams ID,...      nur diese Teams (Team-IDs) für squads und team_names
  --skip-refused      den Rest schreiben, wenn ein Kader oder Name abgelehnt wird (sonst wird nichts
                      geschrieben)
  --dry-run           die Änderungen ausgeben, nichts schreiben

Gibt die Änderungen so aus, wie diff sie formuliert, dann, was sich ändert
(„120 Spieler, 3 Kader, 2 Teamnamen werden geändert“). Beide Dateien werden nach Backups atomar in
ihrem eigenen Format ersetzt, beide oder keine.

Exit-Status: 0 erledigt oder nichts zu ändern, 1 abgelehnt oder eine Datei kann nicht gelesen werden
(nichts geschrieben), 2 falscher Aufruf.</translation>
    </message>
    <message>
        <source>--parts: &quot;%1&quot; is none of details, abilities, appearance, squads, team_names</source>
        <translation>--parts: „%1“ ist keiner von details, abilities, appearance, squads, team_names</translation>
    </message>
    <message>
        <source>squads and team_names need the other team file: rosterly-cli merge PLAYER_DB TEAM_FILE OTHER_DB OTHER_TEAM_FILE</source>
        <translation>squads und team_names benötigen die andere Teamdatei: rosterly-cli merge PLAYER_DB TEAM_FILE OTHER_DB OTHER_TEAM_FILE</translation>
    </message>
    <message>
        <source>--%1 takes IDs separated by commas</source>
        <translation>--%1 erwartet durch Kommas getrennte IDs</translation>
    </message>
    <message>
        <source>%1 and %2 are the same file</source>
        <translation>%1 und %2 sind dieselbe Datei</translation>
    </message>
    <message>
        <source>Nothing was written; --skip-refused writes the rest.</source>
        <translation>Es wurde nichts geschrieben; --skip-refused schreibt den Rest.</translation>
    </message>
</context>
<context>
    <name>NumberRange</name>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>enter %1 from %2 to %3.</source>
        <extracomment>%1 is what to enter (&quot;a number&quot;, &quot;a file number&quot;), %2 and %3 the lowest and highest.</extracomment>
        <translation>geben Sie %1 von %2 bis %3 ein.</translation>
    </message>
    <message>
        <source>a file number</source>
        <translation>eine Dateinummer</translation>
    </message>
</context>
<context>
    <name>PastePlan</name>
    <message>
        <source>There is nothing to paste.</source>
        <translation>Es gibt nichts zum Einfügen.</translation>
    </message>
    <message>
        <source>The paste has %1 rows, but the grid shows %2 from the row it starts at.</source>
        <translation>Die eingefügten Daten haben %1 Zeilen, die Tabelle zeigt ab der Startzeile aber nur %2.</translation>
    </message>
    <message>
        <source>row %1 (record %2): the paste has %3 cells, and %4 columns are shown from the column it starts at.</source>
        <translation>Zeile %1 (Datensatz %2): die eingefügten Daten haben %3 Zellen, ab der Startspalte werden aber %4 Spalten angezeigt.</translation>
    </message>
    <message>
        <source>row %1 (record %2), column %3: the grid shows %4 here, not %5; the column is not edited.</source>
        <extracomment>%3 is a column name of the player table (&quot;index&quot;).</extracomment>
        <translation>Zeile %1 (Datensatz %2), Spalte %3: die Tabelle zeigt hier %4, nicht %5; die Spalte wird nicht bearbeitet.</translation>
    </message>
    <message>
        <source>row %1 (record %2): %3</source>
        <extracomment>%3 says why the row&apos;s cells are refused.</extracomment>
        <translation>Zeile %1 (Datensatz %2): %3</translation>
    </message>
    <message>
        <source>row %1 (record %2), column %3: %4</source>
        <extracomment>%3 is a column name of the player table (&quot;speed&quot;), %4 says why its cell is refused.</extracomment>
        <translation>Zeile %1 (Datensatz %2), Spalte %3: %4</translation>
    </message>
</context>
<context>
    <name>PlayerCells</name>
    <message>
        <source>the column is not edited.</source>
        <translation>die Spalte wird nicht bearbeitet.</translation>
    </message>
</context>
<context>
    <name>PlayerColumns</name>
    <message>
        <source>enter a position (%1) or a position code from %2 to %3.</source>
        <extracomment>%1 lists the positions as the sheet names them (GK, CB, ...): keep those as they are</extracomment>
        <translation>geben Sie eine Position (%1) oder einen Positionscode von %2 bis %3 ein.</translation>
    </message>
    <message>
        <source>enter %1 or %2.</source>
        <extracomment>%1 and %2 are the words a foot cell holds, Right and Left: they stay as they are</extracomment>
        <translation>geben Sie %1 oder %2 ein.</translation>
    </message>
    <message>
        <source>enter 1 (checked) or 0 (clear).</source>
        <translation>geben Sie 1 (angehakt) oder 0 (leer) ein.</translation>
    </message>
</context>
<context>
    <name>PlayerEditor</name>
    <message>
        <source>Select a player first.</source>
        <translation>Wählen Sie zuerst einen Spieler aus.</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Apply Changes: %1</source>
        <translation>Daten übernehmen: %1</translation>
    </message>
    <message>
        <source>Apply Abilities: %1</source>
        <translation>Werte übernehmen: %1</translation>
    </message>
</context>
<context>
    <name>PlayerEdits</name>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the name of a field (an ability, the age, ...), %2 why its value is refused</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>at most %1 characters.</source>
        <translation>höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>these characters cannot be stored in the game: %1</source>
        <translation>diese Zeichen kann das Spiel nicht speichern: %1</translation>
    </message>
    <message>
        <source>This entry lies inside the team roster table, which the game keeps over the last player records (from byte %1 of the player database on): writing it would damage the teams&apos; rosters. The entry can be viewed, not edited.</source>
        <translation>Dieser Eintrag liegt in der Kadertabelle der Teams, die das Spiel über den letzten Spielerdatensätzen ablegt (ab Byte %1 der Spielerdatenbank): Ihn zu schreiben, würde die Kader der Teams beschädigen. Der Eintrag kann angesehen, aber nicht bearbeitet werden.</translation>
    </message>
    <message>
        <source>%1: the stored byte %2 has no flag bit to clear, so it stays as stored and the box shows it set again. The other abilities were written.</source>
        <extracomment>%1 is the special ability Long Throw, %2 a number from 100 to 127</extracomment>
        <translation>%1: das gespeicherte Byte %2 hat kein Flag-Bit, das gelöscht werden könnte; es bleibt daher wie gespeichert, und das Kästchen zeigt es wieder als gesetzt an. Die übrigen Fähigkeiten wurden geschrieben.</translation>
    </message>
    <message>
        <source>Special abilities (sum of the boxes)</source>
        <translation>Spezialfähigkeiten (Summe der Kästchen)</translation>
    </message>
</context>
<context>
    <name>PlayerFilter</name>
    <message>
        <source>a value of the list is empty</source>
        <translation>ein Wert der Liste ist leer</translation>
    </message>
    <message>
        <source>%1: a quote is not closed</source>
        <extracomment>%1 is the filter from its last quote on.</extracomment>
        <translation>%1: ein Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>no column before &quot;%1&quot;</source>
        <translation>keine Spalte vor „%1“</translation>
    </message>
    <message>
        <source>no column before &quot;%1&quot;; a term has no blanks in it, as in %2%3%4</source>
        <extracomment>%2%3%4 is the term written without its blanks (&quot;speed&gt;=85&quot;).</extracomment>
        <translation>keine Spalte vor „%1“; ein Ausdruck enthält keine Leerzeichen, wie in %2%3%4</translation>
    </message>
    <message>
        <source>&quot;!&quot; is no operator; use != for &quot;is not&quot;</source>
        <translation>„!“ ist kein Operator; verwenden Sie != für „ist nicht“</translation>
    </message>
    <message>
        <source>no value after &quot;%1&quot;</source>
        <translation>kein Wert nach „%1“</translation>
    </message>
    <message>
        <source>unknown column &quot;%1&quot;</source>
        <translation>unbekannte Spalte „%1“</translation>
    </message>
    <message>
        <source>unknown column &quot;%1&quot; (%2?)</source>
        <extracomment>%2 is the known column nearest to the name typed.</extracomment>
        <translation>unbekannte Spalte „%1“ (%2?)</translation>
    </message>
    <message>
        <source>a list of values goes with =, != or ~ only</source>
        <translation>eine Werteliste ist nur mit =, != oder ~ möglich</translation>
    </message>
    <message>
        <source>%1 holds text: compare it with =, != or ~</source>
        <extracomment>%1 is a column name of the filter (&quot;name&quot;).</extracomment>
        <translation>%1 enthält Text: vergleichen Sie mit =, != oder ~</translation>
    </message>
    <message>
        <source>%1 holds whole numbers, and &quot;%2&quot; is none</source>
        <extracomment>%1 is a column name of the filter (&quot;speed&quot;), %2 the value typed.</extracomment>
        <translation>%1 enthält ganze Zahlen, und „%2“ ist keine</translation>
    </message>
</context>
<context>
    <name>PlayerIndexLoad</name>
    <message>
        <source>The working copy of %1 is %2 bytes, a player database holds at least %3: it looks like a team file. Choose the player database (unnamed_25.bin) with File &gt; Open.</source>
        <translation>Die Arbeitskopie von %1 ist %2 Bytes groß, eine Spielerdatenbank umfasst mindestens %3: Es handelt sich offenbar um eine Teamdatei. Wählen Sie die Spielerdatenbank (unnamed_25.bin) mit Datei &gt; Öffnen.</translation>
    </message>
</context>
<context>
    <name>PlayerRowEdit</name>
    <message>
        <source>%1 shows %2, not %3: the rule of Apply Abilities leaves the stored byte %4 as it is.</source>
        <extracomment>&quot;Apply Abilities&quot; is the button of the player view; %4 is the byte&apos;s value</extracomment>
        <translation>%1 zeigt %2, nicht %3: die Regel von „Werte übernehmen“ lässt das gespeicherte Byte %4 unverändert.</translation>
    </message>
    <message>
        <source>%1 shows %2, not %3: the rule of Apply Abilities leaves the stored byte %4 at %5.</source>
        <extracomment>&quot;Apply Abilities&quot; is the button of the player view; %4 and %5 are values</extracomment>
        <translation>%1 zeigt %2, nicht %3: die Regel von „Werte übernehmen“ belässt das gespeicherte Byte %4 bei %5.</translation>
    </message>
    <message>
        <source>%1 shows %2, not %3: the view checks the box of the registered position.</source>
        <translation>%1 zeigt %2, nicht %3: die Ansicht hakt das Kästchen der Hauptposition an.</translation>
    </message>
    <message>
        <source>%1 shows %2, not %3: the view shows the bytes written that way.</source>
        <translation>%1 zeigt %2, nicht %3: die Ansicht zeigt so geschriebene Bytes auf diese Weise an.</translation>
    </message>
</context>
<context>
    <name>PlayerSheet</name>
    <message>
        <source>enter a record index from 0 to %1.</source>
        <translation>geben Sie einen Datensatzindex von 0 bis %1 ein.</translation>
    </message>
    <message>
        <source>record %1 is on row %2 already.</source>
        <translation>Datensatz %1 steht bereits in Zeile %2.</translation>
    </message>
    <message>
        <source>the ID of record %1 is %2; the row belongs to another player or the sheet to another database.</source>
        <translation>die ID von Datensatz %1 ist %2; die Zeile gehört zu einem anderen Spieler oder die Tabelle zu einer anderen Datenbank.</translation>
    </message>
    <message>
        <source>The player database is too short: it has %1 bytes, but its %2 player records end at byte %3.</source>
        <translation>Die Spielerdatenbank ist zu kurz: sie hat %1 Bytes, ihre %2 Spielerdatensätze enden aber bei Byte %3.</translation>
    </message>
</context>
<context>
    <name>PlayerTableWindow</name>
    <message>
        <source>Player Table</source>
        <translation>Spielertabelle</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>Any position</source>
        <translation>Alle Positionen</translation>
    </message>
    <message>
        <source>Change Field…</source>
        <translation>Feld ändern…</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tabelle</translation>
    </message>
    <message>
        <source>Any team</source>
        <translation>Alle Teams</translation>
    </message>
    <message>
        <source>Free agents</source>
        <translation>Vereinslose</translation>
    </message>
    <message>
        <source>%1 of %2 players</source>
        <translation>%1 von %2 Spielern</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>%1 selected player</source>
        <translation>%1 ausgewählter Spieler</translation>
    </message>
    <message>
        <source>%1 selected players</source>
        <translation>%1 ausgewählte Spieler</translation>
    </message>
    <message>
        <source>All %1 players</source>
        <translation>Alle %1 Spieler</translation>
    </message>
    <message>
        <source>%1 players shown by the filter</source>
        <translation>%1 vom Filter angezeigte Spieler</translation>
    </message>
    <message>
        <source>Select the cell the paste starts at first.</source>
        <translation>Wählen Sie zuerst die Zelle aus, an der das Einfügen beginnt.</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Paste %1 cell</source>
        <extracomment>The step&apos;s name in the Edit menu.</extracomment>
        <translation>%1 Zelle einfügen</translation>
    </message>
    <message>
        <source>Paste %1 cells</source>
        <translation>%1 Zellen einfügen</translation>
    </message>
    <message>
        <source>Edit %1: %2</source>
        <extracomment>The step&apos;s name in the Edit menu: %1 is a column name of the player table (&quot;speed&quot;), %2 the player&apos;s name.</extracomment>
        <translation>%1 bearbeiten: %2</translation>
    </message>
</context>
<context>
    <name>PlayerView</name>
    <message>
        <source>The player&apos;s record cannot be found. Press Load again.</source>
        <translation>Der Datensatz des Spielers wurde nicht gefunden. Klicken Sie erneut auf „Laden“.</translation>
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
        <translation>Aufruf: rosterly-cli players PLAYER_DB [TEAM_FILE] [--where FILTER]
                             [--columns A,B,...] [--sort [-]COLUMN[,...]] [--format tsv|csv]

Gibt die Spieler von PLAYER_DB aus (Datensätze 0-6449, die Zeilen der Tabelle players), die FILTER
durchlässt: eine Kopfzeile, dann eine Zeile pro Spieler, durch Tabulatoren getrennt (--format csv:
so, wie die Tabelle players ihre Zellen schreibt). Die Spalten sind die der Tabelle players, mit
TEAM_FILE außerdem teams (die Kader, in denen der Spieler steht), numbers (seine Rückennummern dort)
und squads (wie viele).

  --where FILTER     durch Leerzeichen getrennte Ausdrücke, die alle zutreffen müssen; ein Ausdruck
                     ist COLUMN OP VALUE mit OP aus = != &lt; &lt;= &gt; &gt;= ~ (enthält, ohne Beachtung von
                     Groß-/Kleinschreibung und Akzenten): speed&gt;=85 position=CF,SS teams~&quot;real madrid&quot;
                     squads=0 age&lt;21. Ein einzelnes Wort durchsucht die Namen. Gemeint sind die
                     Werte, die die Tabelle anzeigt.
  --columns A,B,...  die auszugebenden Spalten, in dieser Reihenfolge (alle, wenn nicht angegeben)
  --sort COLUMN,...  die Reihenfolge der Zeilen: nach der ersten Spalte, Zeilen mit gleichen Werten
                     nach der nächsten; -COLUMN für die höchsten zuerst. Zahlen werden als Zahlen
                     sortiert.
  --format tsv|csv   tsv (Standard) oder csv

Exit-Status: 0 erledigt (auch wenn kein Spieler passt), 1 eine Datei kann nicht gelesen werden,
2 falscher Aufruf oder falscher Filter.</translation>
    </message>
    <message>
        <source>%1: unknown column &quot;%2&quot;</source>
        <translation>%1: unbekannte Spalte „%2“</translation>
    </message>
    <message>
        <source>%1: unknown column &quot;%2&quot; (%3?)</source>
        <translation>%1: unbekannte Spalte „%2“ (%3?)</translation>
    </message>
    <message>
        <source>--format is tsv or csv, not &quot;%1&quot;</source>
        <translation>--format ist tsv oder csv, nicht „%1“</translation>
    </message>
    <message>
        <source>the column %1 needs the team file: rosterly-cli players PLAYER_DB TEAM_FILE ...</source>
        <translation>die Spalte %1 benötigt die Teamdatei: rosterly-cli players PLAYER_DB TEAM_FILE ...</translation>
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
        <translation>Aufruf: rosterly-cli release PLAYER_DB TEAM_FILE --player ID --from TEAM_ID [--dry-run]

Nimmt den Spieler mit der ID aus dem Kader des Teams --from (ein Team, das die Teamdatei aufführt),
nach den Kaderregeln des Editors: Die Spieler hinter ihm rücken einen Platz auf, und die leeren
Plätze kommen hinter die Spieler. In anderen Kadern, in denen er steht, bleibt er.

  --dry-run   die Änderung ausgeben, nichts schreiben

Gibt die Änderung aus, &quot;Boris Brown (7): released from Brazil&quot;, und ersetzt dann die
Spielerdatenbank in einem atomaren Schritt (eine komprimierte Spieldatei wird wieder komprimiert;
eine Arbeitskopie, *.unzlib, wird unverändert geschrieben), nachdem die Datei in ihrem vorherigen
Zustand im Ordner backups daneben abgelegt wurde. Die Teamdatei wird nur gelesen.

Exit-Status: 0 erledigt, 1 abgelehnt (der Grund auf der Standardfehlerausgabe, nichts geschrieben)
oder eine Datei kann nicht gelesen werden, 2 falscher Aufruf.</translation>
    </message>
</context>
<context>
    <name>Relink</name>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is Face or Hair, %2 why the number typed is refused</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Face: unnamed_%1.bin</source>
        <extracomment>unnamed_%1.bin is the name of the game file that holds the face; %1 is its number</extracomment>
        <translation>Gesicht: unnamed_%1.bin</translation>
    </message>
    <message>
        <source>Hair: unnamed_%1.bin</source>
        <extracomment>unnamed_%1.bin is the name of the game file that holds the hair; %1 is its number</extracomment>
        <translation>Haare: unnamed_%1.bin</translation>
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
        <translation>Aufruf: rosterly-cli restore BACKUP

Setzt BACKUP in einem atomaren Schritt anstelle seiner Spieldatei ein. BACKUP ist eine der Dateien,
die vor jedem Ersetzen im Ordner backups neben einer Spieldatei abgelegt und nach ihr benannt
werden: GAME_FILE.yyyyMMdd-HHmmss.bak oder GAME_FILE.yyyyMMdd-HHmmss-N.bak. Die Spieldatei wird in
ihrem jetzigen Zustand zuerst gesichert, sodass sich eine Wiederherstellung auf dieselbe Weise
rückgängig machen lässt. rosterly-cli backups GAME_FILE listet sie auf.

Exit-Status: 0 wiederhergestellt, 1 abgelehnt (kein Backup, oder es kann nicht gelesen oder
zurückgespielt werden; die Spieldatei ist unverändert), 2 falscher Aufruf.</translation>
    </message>
</context>
<context>
    <name>RosterImport</name>
    <message>
        <source>enter a whole number from %1 to %2.</source>
        <translation>geben Sie eine ganze Zahl von %1 bis %2 ein.</translation>
    </message>
    <message>
        <source>%1 is in %2 already, on row %3.</source>
        <extracomment>%1 is a player, %2 a team, %3 a row number</extracomment>
        <translation>%1 ist bereits in %2, in Zeile %3.</translation>
    </message>
    <message>
        <source>Shirt number %1 is taken by %2 in %3 (row %4).</source>
        <extracomment>%2 is a player, %3 a team, %4 a row number</extracomment>
        <translation>Die Rückennummer %1 ist in %3 bereits an %2 vergeben (Zeile %4).</translation>
    </message>
    <message>
        <source>%1 has no roster record in the player database.</source>
        <translation>%1 hat keinen Kadereintrag in der Spielerdatenbank.</translation>
    </message>
    <message>
        <source>no team of the team file has the ID %1.</source>
        <translation>kein Team der Teamdatei hat die ID %1.</translation>
    </message>
    <message>
        <source>player ID 0 marks an empty slot; to empty the slot, delete its row.</source>
        <translation>die Spieler-ID 0 kennzeichnet einen leeren Platz; um den Platz zu leeren, löschen Sie seine Zeile.</translation>
    </message>
    <message>
        <source>no player of the database has the ID %1.</source>
        <translation>kein Spieler der Datenbank hat die ID %1.</translation>
    </message>
    <message>
        <source>slot %1 of %2 is on row %3 already.</source>
        <extracomment>%1 is a slot number, %2 a team, %3 a row number</extracomment>
        <translation>Platz %1 von %2 steht bereits in Zeile %3.</translation>
    </message>
</context>
<context>
    <name>RosterView</name>
    <message>
        <source>Team: %1</source>
        <translation>Team: %1</translation>
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
        <translation>Aufruf: rosterly-cli COMMAND ...

  export PLAYER_DB [TEAM_FILE] --out DIR [--format csv|xlsx]
      players.csv (mit der Teamdatei auch teams.csv und rosters.csv) nach DIR schreiben, oder .xlsx
  import PLAYER_DB [TEAM_FILE] [--players FILE | --rosters FILE] [--teams FILE] [--dry-run]
      bearbeitete Tabellen auf die Spieldateien anwenden
  diff OLD_DB NEW_DB [OLD_TEAMS NEW_TEAMS]
      jedes Feld auflisten, das sich zwischen zwei Datenbanken (und Teamdateien) unterscheidet
  backups GAME_FILE
      die aufbewahrten Backups einer Spieldatei auflisten, das neueste zuerst
  restore BACKUP
      ein Backup anstelle seiner Spieldatei einsetzen (die vorher gesichert wird)
  squad PLAYER_DB TEAM_FILE TEAM_ID
      den Kader eines Teams ausgeben: Platz, Rückennummer, Spieler-ID und Name
  transfer PLAYER_DB TEAM_FILE --player ID --to TEAM_ID [--from TEAM_ID] [--number N]
           [--call-up] [--dry-run]
      einen Spieler in einen anderen Kader versetzen (oder ihn nominieren, oder einen Vereinslosen
      verpflichten)
  release PLAYER_DB TEAM_FILE --player ID --from TEAM_ID [--dry-run]
      einen Spieler aus einem Kader nehmen
  check PLAYER_DB TEAM_FILE
      alle Probleme der Kader auflisten
  players PLAYER_DB [TEAM_FILE] [--where FILTER] [--columns A,B] [--sort [-]COLUMN]
          [--format tsv|csv]
      die Spieler ausgeben, die ein Filter durchlässt: speed&gt;=85 position=CF,SS teams~madrid
  set PLAYER_DB [TEAM_FILE] --where FILTER --column COLUMN (--value V | --add N
      | --subtract N | --at-least N | --at-most N) [--dry-run]
      eine Spalte jedes Spielers ändern, den ein Filter durchlässt
  merge PLAYER_DB TEAM_FILE OTHER_DB [OTHER_TEAM_FILE] [--parts P,...] [--where FILTER]
        [--players ID,...] [--teams ID,...] [--skip-refused] [--dry-run]
      Spieler, Kader und Teamnamen aus einem anderen Paar von Spieldateien übernehmen

Spieldateien sind komprimierte Spieldateien (unnamed_25.bin) oder Arbeitskopien
(unnamed_25.bin.unzlib).
rosterly-cli COMMAND --help erklärt einen Befehl genauer.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
</context>
<context>
    <name>SaveJob</name>
    <message>
        <source>A save is in progress. %1 when it has finished.</source>
        <extracomment>%1 is what has to wait, as a request (&quot;Close the window again&quot;, &quot;Open a file&quot;).</extracomment>
        <translation>Ein Speichervorgang läuft. %1, sobald er abgeschlossen ist.</translation>
    </message>
    <message>
        <source>No game file is open, so there is nothing to save. Use File &gt; Open first.</source>
        <translation>Es ist keine Spieldatei geöffnet, daher gibt es nichts zu speichern. Verwenden Sie zuerst Datei &gt; Öffnen.</translation>
    </message>
    <message>
        <source>Save again</source>
        <translation>Speichern Sie erneut</translation>
    </message>
    <message>
        <source>%1
The game file was not changed.</source>
        <translation>%1
Die Spieldatei wurde nicht geändert.</translation>
    </message>
    <message>
        <source>The working copy %1 is missing or shorter than a complete one (%2 bytes), so it is not saved. The game file was not changed.</source>
        <translation>Die Arbeitskopie %1 fehlt oder ist kürzer als eine vollständige (%2 Bytes) und wird daher nicht gespeichert. Die Spieldatei wurde nicht geändert.</translation>
    </message>
    <message>
        <source>The codec tool did not finish compressing within %1 seconds. The game file was not changed.</source>
        <translation>Das Codec-Programm hat das Komprimieren nicht innerhalb von %1 Sekunden abgeschlossen. Die Spieldatei wurde nicht geändert.</translation>
    </message>
    <message>
        <source>Compressing the working copy failed: %1
The game file was not changed.</source>
        <translation>Das Komprimieren der Arbeitskopie ist fehlgeschlagen: %1
Die Spieldatei wurde nicht geändert.</translation>
    </message>
    <message>
        <source>DONE!</source>
        <extracomment>The message box that ends a save that replaced the game file.</extracomment>
        <translation>FERTIG!</translation>
    </message>
    <message>
        <source>The compressed result %1 is missing or unreadable: %2</source>
        <translation>Das komprimierte Ergebnis %1 fehlt oder ist nicht lesbar: %2</translation>
    </message>
    <message>
        <source>The compressed result %1 is damaged.</source>
        <translation>Das komprimierte Ergebnis %1 ist beschädigt.</translation>
    </message>
    <message>
        <source>The game file %1 could not be replaced: %2</source>
        <translation>Die Spieldatei %1 konnte nicht ersetzt werden: %2</translation>
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
        <translation>Aufruf: rosterly-cli set PLAYER_DB [TEAM_FILE] --where FILTER --column COLUMN
                         (--value V | --add N | --subtract N | --at-least N | --at-most N)
                         [--dry-run]

Ändert eine Spalte jedes Spielers, den FILTER durchlässt (Datensätze 0-6449; die Filtersprache von
rosterly-cli players, --where &quot;&quot; für alle Spieler): setzt sie auf V, addiert oder subtrahiert N
(Fähigkeiten werden bei 1-99 gehalten, ein gespeicherter Wert über 99 bleibt erhalten, sofern die
Änderung ihn nicht senkt; andere Zahlen werden in dem Bereich gehalten, den das Feld des Editors
annimmt), oder hebt eine Fähigkeit auf mindestens N an bzw. begrenzt sie auf höchstens N. Jeder Wert
wird genau so geprüft und geschrieben wie bei einem Tabellenimport dieser Zelle. teams, numbers und
squads im Filter benötigen TEAM_FILE, die nur gelesen wird.

Gibt eine Zeile pro geändertem Feld aus, wie import und diff (&quot;index id name: field old -&gt; new&quot;),
dann, was die Änderung bewirkt hat („97 Spieler ändern sich, 12 auf 99 begrenzt, 11 bereits 99“).
PLAYER_DB wird in einem atomaren Schritt in ihrem eigenen Format ersetzt, nachdem die Datei in ihrem
vorherigen Zustand bei ihren Backups abgelegt wurde.

  --dry-run   die Änderungen ausgeben, nichts schreiben

Exit-Status: 0 erledigt oder nichts zu ändern, 1 abgelehnt (alle Gründe auf der
Standardfehlerausgabe, nichts geschrieben) oder eine Datei kann nicht gelesen werden, 2 falscher
Aufruf oder falscher Filter.</translation>
    </message>
    <message>
        <source>--where FILTER is missing (--where &quot;&quot; changes every player)</source>
        <translation>--where FILTER fehlt (--where &quot;&quot; ändert alle Spieler)</translation>
    </message>
    <message>
        <source>--column COLUMN is missing</source>
        <translation>--column COLUMN fehlt</translation>
    </message>
    <message>
        <source>give one of --value, --add, --subtract, --at-least, --at-most</source>
        <translation>geben Sie eine der Optionen --value, --add, --subtract, --at-least, --at-most an</translation>
    </message>
    <message>
        <source>--column: &quot;%1&quot; is no column a change writes</source>
        <translation>--column: „%1“ ist keine Spalte, die eine Änderung schreibt</translation>
    </message>
    <message>
        <source>--column: &quot;%1&quot; is no column a change writes (%2?)</source>
        <translation>--column: „%1“ ist keine Spalte, die eine Änderung schreibt (%2?)</translation>
    </message>
    <message>
        <source>the column %1 needs the team file</source>
        <translation>die Spalte %1 benötigt die Teamdatei</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
</context>
<context>
    <name>SheetErrors</name>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>%1 is a row number, %2 the name of the sheet&apos;s column, %3 what is wrong</extracomment>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… und %1 weitere</translation>
    </message>
</context>
<context>
    <name>SheetFile</name>
    <message>
        <source>the game file is too short to be written as a sheet</source>
        <translation>die Spieldatei ist zu kurz, um als Tabelle geschrieben zu werden</translation>
    </message>
</context>
<context>
    <name>SheetHeader</name>
    <message>
        <source>row 1: the sheet is empty; it needs a header row naming its columns (%1, …).</source>
        <extracomment>%1 is the name of the sheet&apos;s first column, as the sheet must name it</extracomment>
        <translation>Zeile 1: die Tabelle ist leer; sie benötigt eine Kopfzeile mit den Namen ihrer Spalten (%1, …).</translation>
    </message>
    <message>
        <source>unknown column.</source>
        <translation>unbekannte Spalte.</translation>
    </message>
    <message>
        <source>the column is named twice.</source>
        <translation>die Spalte kommt zweimal vor.</translation>
    </message>
    <message>
        <source>the column %1 is missing; the sheet needs it to match its rows.</source>
        <translation>die Spalte %1 fehlt; die Tabelle benötigt sie, um ihre Zeilen zuzuordnen.</translation>
    </message>
    <message>
        <source>the row has %1 cells, the header %2.</source>
        <translation>die Zeile hat %1 Zellen, die Kopfzeile %2.</translation>
    </message>
</context>
<context>
    <name>SheetText</name>
    <message>
        <source>a zip archive, as an .xlsx workbook is: give it the name .xlsx or save it as CSV</source>
        <translation>ein ZIP-Archiv, wie es eine .xlsx-Arbeitsmappe ist: geben Sie ihr die Endung .xlsx oder speichern Sie sie als CSV</translation>
    </message>
    <message>
        <source>a PNG image</source>
        <translation>ein PNG-Bild</translation>
    </message>
    <message>
        <source>a JPEG image</source>
        <translation>ein JPEG-Bild</translation>
    </message>
    <message>
        <source>a GIF image</source>
        <translation>ein GIF-Bild</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>ein PDF-Dokument</translation>
    </message>
    <message>
        <source>an Excel 97-2003 workbook (.xls) or another old Office file: save it as .xlsx or CSV</source>
        <translation>eine Excel-97-2003-Arbeitsmappe (.xls) oder eine andere alte Office-Datei: speichern Sie sie als .xlsx oder CSV</translation>
    </message>
    <message>
        <source>a game file, not a sheet</source>
        <translation>eine Spieldatei, keine Tabelle</translation>
    </message>
    <message>
        <source>binary data (a NUL byte at byte %1)</source>
        <translation>Binärdaten (ein NUL-Byte an Byte %1)</translation>
    </message>
    <message>
        <source>binary data (%1 of its %2 bytes are control bytes)</source>
        <translation>Binärdaten (%1 ihrer %2 Bytes sind Steuerbytes)</translation>
    </message>
    <message>
        <source>the sheet begins as UTF-16 text, but its bytes are not UTF-16.</source>
        <translation>die Tabelle beginnt als UTF-16-Text, ihre Bytes sind aber kein UTF-16.</translation>
    </message>
    <message>
        <source>the sheet begins with &quot;ï»¿&quot;, a UTF-8 byte-order mark that a program read as Windows-1252 text before saving the sheet; it was read as the mark.</source>
        <translation>die Tabelle beginnt mit „ï»¿“, einer UTF-8-Bytereihenfolgemarkierung (BOM), die ein Programm vor dem Speichern der Tabelle als Windows-1252-Text gelesen hat; sie wurde als Markierung gelesen.</translation>
    </message>
    <message>
        <source>it is not a text sheet: it looks like %1.</source>
        <translation>die Datei ist keine Texttabelle: sie sieht aus wie %1.</translation>
    </message>
    <message>
        <source>the sheet is not UTF-8 (row %1 is the first that is not); it was read as Windows-1252, the game&apos;s own code page, in which older Excel saves CSV.</source>
        <translation>die Tabelle ist kein UTF-8 (Zeile %1 ist die erste, die es nicht ist); sie wurde als Windows-1252 gelesen, die eigene Codepage des Spiels, in der ältere Excel-Versionen CSV speichern.</translation>
    </message>
</context>
<context>
    <name>SpreadsheetMenu</name>
    <message>
        <source>Open a player database and press Load first.</source>
        <translation>Öffnen Sie zuerst eine Spielerdatenbank und klicken Sie auf „Laden“.</translation>
    </message>
    <message>
        <source>%1 could not be made: %2</source>
        <translation>%1 konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 exists already. Replace it?</source>
        <translation>%1 existiert bereits. Ersetzen?</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Export again</source>
        <translation>Exportieren Sie erneut</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Als Excel exportieren</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <source>Wrote %1 to %2.</source>
        <extracomment>%1 lists the sheets&apos; file names.</extracomment>
        <translation>%1 nach %2 geschrieben.</translation>
    </message>
    <message>
        <source>Import again</source>
        <translation>Importieren Sie erneut</translation>
    </message>
    <message>
        <source>Import Sheet</source>
        <translation>Tabelle importieren</translation>
    </message>
    <message>
        <source>Spreadsheet (CSV or Excel)</source>
        <translation>Tabelle (CSV oder Excel)</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2
Nothing was written.</source>
        <translation>%1 kann nicht importiert werden: %2
Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 is neither a players sheet (it has no index column) nor a teams sheet (no position column). Nothing was written.</source>
        <translation>%1 ist weder eine Spielertabelle (ihr fehlt die Spalte index) noch eine Teamtabelle (keine Spalte position). Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 holds team names, but no team file is loaded. Load the team file first. Nothing was written.</source>
        <translation>%1 enthält Teamnamen, aber es ist keine Teamdatei geladen. Laden Sie zuerst die Teamdatei. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 holds the teams&apos; rosters, but no team file is loaded. Load the team file first. Nothing was written.</source>
        <translation>%1 enthält die Kader der Teams, aber es ist keine Teamdatei geladen. Laden Sie zuerst die Teamdatei. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 was refused:
%2
Nothing was written.</source>
        <translation>%1 wurde abgelehnt:
%2
Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 changes nothing: every cell shows what the file holds already.%2</source>
        <extracomment>%2 is empty or the sheet&apos;s notes, on lines of their own.</extracomment>
        <translation>%1 ändert nichts: jede Zelle zeigt, was die Datei bereits enthält.%2</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <extracomment>After the first changes listed: how many more there are.</extracomment>
        <translation>… und %1 weitere</translation>
    </message>
    <message>
        <source>%1 changes %2 %3 in %4 %5:
%6%7

Write these changes into the working copy?</source>
        <extracomment>%1 is the sheet, %2 and %3 how many fields (&quot;1 field&quot;, &quot;5 fields&quot;), %4 and %5 how many records; the changes follow on lines of their own (%6), then the notes (%7).</extracomment>
        <translation>%1 ändert %2 %3 in %4 %5:
%6%7

Diese Änderungen in die Arbeitskopie schreiben?</translation>
    </message>
    <message>
        <source>field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>fields</source>
        <translation>Felder</translation>
    </message>
    <message>
        <source>record</source>
        <translation>Datensatz</translation>
    </message>
    <message>
        <source>records</source>
        <translation>Datensätzen</translation>
    </message>
    <message>
        <source>Import %1 (%2 record)</source>
        <extracomment>The step&apos;s name in the Edit menu: %1 is the sheet&apos;s file name, %2 how many records.</extracomment>
        <translation>%1 importieren (%2 Datensatz)</translation>
    </message>
    <message>
        <source>Import %1 (%2 records)</source>
        <translation>%1 importieren (%2 Datensätze)</translation>
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
        <translation>Aufruf: rosterly-cli squad PLAYER_DB TEAM_FILE TEAM_ID

Gibt den Kader des Teams mit TEAM_ID aus: seinen Kadereintrag, den ersten in der Kadertabelle der
Spielerdatenbank, der die ID trägt. Zuerst eine Zeile mit dem Namen des Teams, seiner ID und der
Anzahl der Spieler, &quot;Austria (team ID 100): 25 players&quot;, dann eine Zeile pro belegtem Platz in der
Reihenfolge der Plätze, mit vier durch Tabulatoren getrennten Feldern: Platz (0-31), Rückennummer,
Spieler-ID und Name des Spielers (&quot;(no player of the database)&quot; für eine ID, die kein Datensatz
0-6449 trägt). TEAM_ID muss ein Team sein, das die Teamdatei aufführt; eine negative steht nach --:
rosterly-cli squad PLAYER_DB TEAM_FILE -- -1. Die Teams und ihre IDs stehen in teams.csv, die
rosterly-cli export schreibt.

Exit-Status: 0 ausgegeben, 1 die Teamdatei führt kein solches Team auf, das Team hat keinen
Kadereintrag oder eine Datei kann nicht gelesen werden, 2 falscher Aufruf.</translation>
    </message>
    <message>
        <source>TEAM_ID is a number, not &quot;%1&quot;</source>
        <translation>TEAM_ID ist eine Zahl, nicht „%1“</translation>
    </message>
    <message>
        <source>%1 has no roster record in the player database.</source>
        <translation>%1 hat keinen Kadereintrag in der Spielerdatenbank.</translation>
    </message>
</context>
<context>
    <name>SquadEditor</name>
    <message>
        <source>Squads</source>
        <translation>Kader</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>The column of shirt numbers</extracomment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Transfer →</source>
        <translation>Transfer →</translation>
    </message>
    <message>
        <source>← Transfer</source>
        <translation>← Transfer</translation>
    </message>
    <message>
        <source>Call up →</source>
        <translation>Nominieren →</translation>
    </message>
    <message>
        <source>Release</source>
        <extracomment>A button that takes the selected player out of his squad</extracomment>
        <translation>Entlassen</translation>
    </message>
    <message>
        <source>Swap</source>
        <extracomment>A button that swaps the players selected on the left and on the right</extracomment>
        <translation>Tauschen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Find a player:</source>
        <translation>Spieler finden:</translation>
    </message>
    <message>
        <source>any part of the name</source>
        <translation>beliebiger Teil des Namens</translation>
    </message>
    <message>
        <source>Free agents</source>
        <translation>Vereinslose</translation>
    </message>
    <message>
        <source>Choose a player in the left table first.</source>
        <translation>Wählen Sie zuerst einen Spieler in der linken Tabelle aus.</translation>
    </message>
    <message>
        <source>Choose a player in the right table first.</source>
        <translation>Wählen Sie zuerst einen Spieler in der rechten Tabelle aus.</translation>
    </message>
    <message>
        <source>Team ID %1</source>
        <translation>Team-ID %1</translation>
    </message>
    <message>
        <source>Press Load first: the squads shown are not those of the file now open.</source>
        <translation>Klicken Sie zuerst auf „Laden“: die angezeigten Kader sind nicht die der jetzt geöffneten Datei.</translation>
    </message>
    <message>
        <source>The player database&apos;s working copy cannot be read, or ends before its roster table.
Nothing was written.</source>
        <translation>Die Arbeitskopie der Spielerdatenbank kann nicht gelesen werden oder endet vor ihrer Kadertabelle.
Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 is a free agent already: choose the team he joins on the left.</source>
        <translation>%1 ist bereits vereinslos: wählen Sie links das Team, zu dem er wechselt.</translation>
    </message>
    <message>
        <source>%1 is a free agent already: choose the team he joins on the right.</source>
        <translation>%1 ist bereits vereinslos: wählen Sie rechts das Team, zu dem er wechselt.</translation>
    </message>
    <message>
        <source>Release: %1 from %2</source>
        <translation>Entlassen: %1 aus %2</translation>
    </message>
    <message>
        <source>Transfer: %1 to %2</source>
        <translation>Transfer: %1 zu %2</translation>
    </message>
    <message>
        <source>A call-up needs a team on the right, not the free agents.</source>
        <translation>Für eine Nominierung wird rechts ein Team benötigt, nicht die Vereinslosen.</translation>
    </message>
    <message>
        <source>Call up: %1 to %2</source>
        <translation>Nominierung: %1 für %2</translation>
    </message>
    <message>
        <source>%1 is a free agent already.</source>
        <translation>%1 ist bereits vereinslos.</translation>
    </message>
    <message>
        <source>A swap takes players of two teams; a free agent joins a squad by a transfer.</source>
        <translation>Ein Tausch erfordert Spieler zweier Teams; ein Vereinsloser kommt per Transfer in einen Kader.</translation>
    </message>
    <message>
        <source>Swap: %1 and %2</source>
        <translation>Tausch: %1 und %2</translation>
    </message>
    <message>
        <source>The free agents are in no squad, whose order could change.</source>
        <translation>Die Vereinslosen gehören zu keinem Kader, dessen Reihenfolge sich ändern könnte.</translation>
    </message>
    <message>
        <source>Move Up: %1 in %2</source>
        <translation>Nach oben: %1 in %2</translation>
    </message>
    <message>
        <source>Move Down: %1 in %2</source>
        <translation>Nach unten: %1 in %2</translation>
    </message>
    <message>
        <source>Shirt number: %1 to %2</source>
        <translation>Rückennummer: %1 auf %2</translation>
    </message>
    <message>
        <source>free agent</source>
        <translation>vereinslos</translation>
    </message>
</context>
<context>
    <name>SquadFiles</name>
    <message>
        <source>the player database and the team file are the same file</source>
        <translation>die Spielerdatenbank und die Teamdatei sind dieselbe Datei</translation>
    </message>
    <message>
        <source>The team file lists no team with team ID %1.</source>
        <translation>Die Teamdatei führt kein Team mit der Team-ID %1.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 %2 is missing</source>
        <translation>%1 %2 fehlt</translation>
    </message>
    <message>
        <source>%1 takes a number, not &quot;%2&quot;</source>
        <translation>%1 erwartet eine Zahl, nicht „%2“</translation>
    </message>
    <message>
        <source>player ID 0 marks an empty slot; give a player&apos;s ID</source>
        <translation>die Spieler-ID 0 kennzeichnet einen leeren Platz; geben Sie die ID eines Spielers an</translation>
    </message>
</context>
<context>
    <name>SquadRules</name>
    <message>
        <source>Shirt numbers run from %1 to %2.</source>
        <translation>Rückennummern reichen von %1 bis %2.</translation>
    </message>
    <message>
        <source>Player ID %1</source>
        <translation>Spieler-ID %1</translation>
    </message>
    <message>
        <source>Team ID %1</source>
        <translation>Team-ID %1</translation>
    </message>
    <message>
        <source>%1 has no roster record in the player database.</source>
        <translation>%1 hat keinen Kadereintrag in der Spielerdatenbank.</translation>
    </message>
    <message>
        <source>Shirt number %1 is taken by %2 in %3.</source>
        <translation>Die Rückennummer %1 ist in %3 bereits an %2 vergeben.</translation>
    </message>
    <message>
        <source>%1 is not in %2.</source>
        <translation>%1 ist nicht in %2.</translation>
    </message>
    <message>
        <source>%1 is in %2 already.</source>
        <translation>%1 ist bereits in %2.</translation>
    </message>
    <message>
        <source>%1 has %2 players already, the most a squad can hold.</source>
        <translation>%1 hat bereits %2 Spieler, das Maximum eines Kaders.</translation>
    </message>
    <message>
        <source>The roster table holds no record beside that of %1.</source>
        <translation>Die Kadertabelle enthält außer dem von %1 keinen Eintrag.</translation>
    </message>
    <message>
        <source>%1 and %2 are both in %3; a swap takes players of two teams.</source>
        <translation>%1 und %2 sind beide in %3; ein Tausch erfordert Spieler zweier Teams.</translation>
    </message>
    <message>
        <source>%1 is first in %2 already.</source>
        <translation>%1 steht in %2 bereits an erster Stelle.</translation>
    </message>
    <message>
        <source>%1 is last in %2 already.</source>
        <translation>%1 steht in %2 bereits an letzter Stelle.</translation>
    </message>
</context>
<context>
    <name>TeamNameTable</name>
    <message>
        <source>may have at most %1 characters.</source>
        <translation>darf höchstens %1 Zeichen haben.</translation>
    </message>
    <message>
        <source>holds characters the game cannot store: %1</source>
        <translation>enthält Zeichen, die das Spiel nicht speichern kann: %1</translation>
    </message>
    <message>
        <source>The team name may have at most %1 characters.</source>
        <translation>Der Teamname darf höchstens %1 Zeichen haben.</translation>
    </message>
    <message>
        <source>The team name holds characters the game cannot store: %1</source>
        <translation>Der Teamname enthält Zeichen, die das Spiel nicht speichern kann: %1</translation>
    </message>
    <message>
        <source>The short name may have at most %1 characters.</source>
        <translation>Der Kurzname darf höchstens %1 Zeichen haben.</translation>
    </message>
    <message>
        <source>The short name holds characters the game cannot store: %1</source>
        <translation>Der Kurzname enthält Zeichen, die das Spiel nicht speichern kann: %1</translation>
    </message>
</context>
<context>
    <name>TeamSheet</name>
    <message>
        <source>The team file is too short: it has %1 bytes, but its team names end at byte %2.</source>
        <translation>Die Teamdatei ist zu kurz: sie hat %1 Bytes, ihre Teamnamen enden aber bei Byte %2.</translation>
    </message>
    <message>
        <source>enter a team position from 0 to %1.</source>
        <translation>geben Sie eine Teamposition von 0 bis %1 ein.</translation>
    </message>
    <message>
        <source>team %1 is on row %2 already.</source>
        <translation>Team %1 steht bereits in Zeile %2.</translation>
    </message>
    <message>
        <source>this team has no team ID to change; leave the cell empty.</source>
        <translation>dieses Team hat keine Team-ID, die geändert werden könnte; lassen Sie die Zelle leer.</translation>
    </message>
    <message>
        <source>team IDs are not edited here; the team&apos;s is %1.</source>
        <translation>Team-IDs werden hier nicht bearbeitet; die dieses Teams ist %1.</translation>
    </message>
    <message>
        <source>the team is listed past the end of the short names and has no short name that could be written.</source>
        <translation>das Team steht hinter dem Ende der Kurznamen und hat keinen Kurznamen, der geschrieben werden könnte.</translation>
    </message>
    <message>
        <source>the team file ends at byte %1, before this team&apos;s name entry does.</source>
        <translation>die Teamdatei endet bei Byte %1, noch bevor der Namenseintrag dieses Teams endet.</translation>
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
        <translation>Aufruf: rosterly-cli transfer PLAYER_DB TEAM_FILE --player ID --to TEAM_ID [--from TEAM_ID]
                              [--number N] [--call-up] [--dry-run]

Nimmt den Spieler mit der ID aus dem Kader des Teams --from heraus und in den Kader des Teams --to
auf, nach den Kaderregeln des Editors: Er kommt hinter die dortigen Spieler, mit der Rückennummer N,
sonst mit der Nummer, die er trug, wenn sie im neuen Kader niemand trägt, sonst mit der niedrigsten
freien. Ein Kader umfasst höchstens 32 Spieler, jeden nur einmal, mit Nummern von 1 bis 99, die kein
anderer darin trägt; die leeren Plätze eines geänderten Kaders kommen hinter seine Spieler. Team-IDs
sind die, die die Teamdatei aufführt.

Ohne --from verlässt der Spieler den einen Kader, in dem er steht (abgesehen von dem von --to). Ein
Spieler in mehreren Kadern benötigt --from; ein Spieler in keinem, ein Vereinsloser, wechselt zu
--to.

  --call-up   ihn auch im Kader von --from behalten (Nominierung für eine Nationalmannschaft)
  --dry-run   die Änderung ausgeben, nichts schreiben

Gibt die Änderung aus, &quot;Boris Brown (7): Brazil -&gt; Austria, shirt number 7&quot;
(&quot;called up from Brazil to Austria&quot;, &quot;free agent -&gt; Austria&quot; in den anderen Fällen), und ersetzt
dann die Spielerdatenbank in einem atomaren Schritt (eine komprimierte Spieldatei wird wieder
komprimiert; eine Arbeitskopie, *.unzlib, wird unverändert geschrieben), nachdem die Datei in ihrem
vorherigen Zustand im Ordner backups daneben abgelegt wurde. Die Teamdatei wird nur gelesen.

Exit-Status: 0 erledigt, 1 abgelehnt (der Grund auf der Standardfehlerausgabe, nichts geschrieben)
oder eine Datei kann nicht gelesen werden, 2 falscher Aufruf.</translation>
    </message>
    <message>
        <source>--number takes a shirt number, not &quot;%1&quot;</source>
        <translation>--number erwartet eine Rückennummer, nicht „%1“</translation>
    </message>
    <message>
        <source>%1 (team ID %2)</source>
        <translation>%1 (Team-ID %2)</translation>
    </message>
    <message>
        <source>Player ID %1</source>
        <translation>Spieler-ID %1</translation>
    </message>
    <message>
        <source>%1 is in %2 squads: %3; say which he leaves with --from TEAM_ID.</source>
        <extracomment>%2 is the number of squads (always more than one), %3 lists them</extracomment>
        <translation>%1 steht in %2 Kadern: %3; geben Sie mit --from TEAM_ID an, welchen er verlässt.</translation>
    </message>
    <message>
        <source>No player of the database has player ID %1.</source>
        <translation>Kein Spieler der Datenbank hat die Spieler-ID %1.</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>%1 (another program may hold the file open: close it and try again)</source>
        <translation>%1 (möglicherweise hält ein anderes Programm die Datei geöffnet: schließen Sie es und versuchen Sie es erneut)</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2</source>
        <translation>%1: kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1: the file is %2 bytes, more than the %3 MiB a game file or sheet may have</source>
        <translation>%1: die Datei ist %2 Bytes groß, mehr als die %3 MiB, die eine Spieldatei oder Tabelle haben darf</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>No space left on device (%1 bytes free, %2 needed)</source>
        <translation>Kein Speicherplatz mehr auf dem Gerät (%1 Bytes frei, %2 benötigt)</translation>
    </message>
</context>
<context>
    <name>WorkingCopy</name>
    <message>
        <source>The working copy %1 cannot be opened: %2</source>
        <translation>Die Arbeitskopie %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The working copy %1 is too short: it has %2 bytes, but %3 are needed. Wait until the codec has finished, or open the game file again.</source>
        <translation>Die Arbeitskopie %1 ist zu kurz: sie hat %2 Bytes, benötigt werden aber %3. Warten Sie, bis der Codec fertig ist, oder öffnen Sie die Spieldatei erneut.</translation>
    </message>
    <message>
        <source>Reading the working copy %1 failed: %2</source>
        <translation>Das Lesen der Arbeitskopie %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>The working copy %1 has %2 bytes and cannot be read up to byte %3.</source>
        <translation>Die Arbeitskopie %1 hat %2 Bytes und kann nicht bis Byte %3 gelesen werden.</translation>
    </message>
    <message>
        <source>Refusing to write before the start of %1.</source>
        <translation>Schreiben vor dem Anfang von %1 wird verweigert.</translation>
    </message>
    <message>
        <source>The working copy %1 cannot be opened for writing: %2</source>
        <translation>Die Arbeitskopie %1 kann nicht zum Schreiben geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The working copy %1 is too short: it has %2 bytes, but the change reaches byte %3. Nothing was written.</source>
        <translation>Die Arbeitskopie %1 ist zu kurz: sie hat %2 Bytes, die Änderung reicht aber bis Byte %3. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Writing the working copy %1 failed: %2. Nothing of the change was kept.</source>
        <translation>Das Schreiben der Arbeitskopie %1 ist fehlgeschlagen: %2. Von der Änderung wurde nichts übernommen.</translation>
    </message>
</context>
<context>
    <name>WorkingCopyDifference</name>
    <message>
        <source>the game file holds %1 bytes, the working copy %2</source>
        <translation>die Spieldatei enthält %1 Bytes, die Arbeitskopie %2</translation>
    </message>
    <message>
        <source>%1 byte differs</source>
        <translation>%1 Byte unterscheidet sich</translation>
    </message>
    <message>
        <source>%1 bytes differ</source>
        <translation>%1 Bytes unterscheiden sich</translation>
    </message>
    <message>
        <source>%1 record differs</source>
        <translation>%1 Datensatz unterscheidet sich</translation>
    </message>
    <message>
        <source>%1 records differ</source>
        <translation>%1 Datensätze unterscheiden sich</translation>
    </message>
    <message>
        <source>%1 record</source>
        <translation>%1 Datensatz</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>%1 Datensätze</translation>
    </message>
    <message>
        <source>%1 byte</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>%1 and %2 outside them differ</source>
        <extracomment>%1 is &quot;12 records&quot;, %2 is &quot;2 bytes&quot;: the bytes outside the records.</extracomment>
        <translation>%1 und %2 außerhalb davon unterscheiden sich</translation>
    </message>
</context>
<context>
    <name>XlsxPackage</name>
    <message>
        <source>it is not a readable zip archive, as an .xlsx workbook is (%1).</source>
        <translation>die Datei ist kein lesbares ZIP-Archiv, wie es eine .xlsx-Arbeitsmappe ist (%1).</translation>
    </message>
    <message>
        <source>the part %1 of the workbook is larger than %2 bytes or of no known size.</source>
        <translation>der Teil %1 der Arbeitsmappe ist größer als %2 Bytes oder von unbekannter Größe.</translation>
    </message>
    <message>
        <source>the part %1 of the workbook cannot be unpacked: %2</source>
        <translation>der Teil %1 der Arbeitsmappe kann nicht entpackt werden: %2</translation>
    </message>
    <message>
        <source>the zip archive holds no workbook (%1), so it is no .xlsx file.</source>
        <translation>das ZIP-Archiv enthält keine Arbeitsmappe (%1) und ist daher keine .xlsx-Datei.</translation>
    </message>
    <message>
        <source>the workbook part %1 is not well-formed XML: %2</source>
        <translation>der Arbeitsmappenteil %1 ist kein wohlgeformtes XML: %2</translation>
    </message>
</context>
<context>
    <name>XlsxReader</name>
    <message>
        <source>the cell holds a formula whose result the workbook does not store; save the workbook in a spreadsheet program first, or enter the value itself.</source>
        <translation>die Zelle enthält eine Formel, deren Ergebnis die Arbeitsmappe nicht speichert; speichern Sie die Arbeitsmappe zuerst in einem Tabellenkalkulationsprogramm, oder geben Sie den Wert selbst ein.</translation>
    </message>
    <message>
        <source>the worksheet&apos;s rows are not in order (row %1 after row %2).</source>
        <translation>die Zeilen des Arbeitsblatts sind nicht in der richtigen Reihenfolge (Zeile %1 nach Zeile %2).</translation>
    </message>
    <message>
        <source>the worksheet names the cell %1 in row %2.</source>
        <translation>das Arbeitsblatt nennt die Zelle %1 in Zeile %2.</translation>
    </message>
    <message>
        <source>the cells of row %1 are not in order.</source>
        <translation>die Zellen der Zeile %1 sind nicht in der richtigen Reihenfolge.</translation>
    </message>
    <message>
        <source>the worksheet has more than %1 cells, far more than any sheet of this editor.</source>
        <translation>das Arbeitsblatt hat mehr als %1 Zellen, weit mehr als jede Tabelle dieses Editors.</translation>
    </message>
    <message>
        <source>the cell refers to a text the workbook does not hold.</source>
        <translation>die Zelle verweist auf einen Text, den die Arbeitsmappe nicht enthält.</translation>
    </message>
    <message>
        <source>the cell holds the error %1.</source>
        <translation>die Zelle enthält den Fehler %1.</translation>
    </message>
    <message>
        <source>the cell holds a date or time; enter a whole number or a text.</source>
        <translation>die Zelle enthält ein Datum oder eine Uhrzeit; geben Sie eine ganze Zahl oder einen Text ein.</translation>
    </message>
    <message>
        <source>the cell holds &quot;%1&quot;, which is no number.</source>
        <translation>die Zelle enthält „%1“, was keine Zahl ist.</translation>
    </message>
    <message>
        <source>the cell holds the number %1, which is not a whole number.</source>
        <translation>die Zelle enthält die Zahl %1, die keine ganze Zahl ist.</translation>
    </message>
    <message>
        <source>it is not an .xlsx workbook, which is a zip archive; a CSV sheet is read when its name ends in .csv.</source>
        <translation>die Datei ist keine .xlsx-Arbeitsmappe, die ein ZIP-Archiv wäre; eine CSV-Tabelle wird gelesen, wenn ihr Name auf .csv endet.</translation>
    </message>
    <message>
        <source>it is not an .xlsx workbook: %1</source>
        <translation>die Datei ist keine .xlsx-Arbeitsmappe: %1</translation>
    </message>
    <message>
        <source>the workbook has no part %1 for its worksheet &quot;%2&quot;.</source>
        <translation>die Arbeitsmappe hat keinen Teil %1 für ihr Arbeitsblatt „%2“.</translation>
    </message>
    <message>
        <source>the sheet read is &quot;%1&quot;, the first of the workbook that holds cells.</source>
        <translation>gelesen wurde das Arbeitsblatt „%1“, das erste der Arbeitsmappe, das Zellen enthält.</translation>
    </message>
    <message>
        <source>the workbook has no worksheet with cells.</source>
        <translation>die Arbeitsmappe hat kein Arbeitsblatt mit Zellen.</translation>
    </message>
</context>
<context>
    <name>XlsxSheetWriter</name>
    <message>
        <source>no temporary folder could be made: %1</source>
        <translation>es konnte kein temporärer Ordner angelegt werden: %1</translation>
    </message>
    <message>
        <source>the temporary folder %1 has characters outside the system&apos;s code page</source>
        <translation>der temporäre Ordner %1 enthält Zeichen außerhalb der Codepage des Systems</translation>
    </message>
    <message>
        <source>the spreadsheet library could not start a workbook</source>
        <translation>die Tabellenbibliothek konnte keine Arbeitsmappe anlegen</translation>
    </message>
    <message>
        <source>the spreadsheet library refused the workbook: %1</source>
        <translation>die Tabellenbibliothek hat die Arbeitsmappe abgelehnt: %1</translation>
    </message>
</context>
<context>
    <name>XmlEvents</name>
    <message>
        <source>it declares a document type, which no workbook part has</source>
        <translation>es wird ein Dokumenttyp deklariert, den kein Arbeitsmappenteil hat</translation>
    </message>
    <message>
        <source>the XML reader could not be started for %1.</source>
        <translation>der XML-Leser konnte für %1 nicht gestartet werden.</translation>
    </message>
    <message>
        <source>the part %1 of the workbook cannot be read: %2</source>
        <translation>der Teil %1 der Arbeitsmappe kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the part %1 of the workbook is not well-formed XML (line %2: %3).</source>
        <translation>der Teil %1 der Arbeitsmappe ist kein wohlgeformtes XML (Zeile %2: %3).</translation>
    </message>
</context>
</TS>
