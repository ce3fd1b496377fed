<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>BackupMenu</name>
    <message>
        <source>Restore Backup</source>
        <translation>Ripristina backup</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>%1
Nothing was changed.</source>
        <translation>%1
Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Put the backup %1 in place of %2? %2 as it is now is backed up first.</source>
        <translation>Sostituire %2 con il backup %1? Prima viene fatto un backup di %2 così com&apos;è ora.</translation>
    </message>
    <message>
        <source>the player editor</source>
        <translation>editor dei giocatori</translation>
    </message>
    <message>
        <source>the team name editor</source>
        <translation>editor dei nomi delle squadre</translation>
    </message>
    <message>
        <source>Restore the backup</source>
        <translation>Ripristinare il backup</translation>
    </message>
    <message>
        <source>%1 now holds the backup %2.</source>
        <translation>%1 ora contiene il backup %2.</translation>
    </message>
    <message>
        <source>The file as it was is kept as %1.</source>
        <translation>Il file com&apos;era prima è conservato come %1.</translation>
    </message>
    <message>
        <source>The file is open in %1, whose working copy still holds the file as it was before. File &gt; Open there decompresses the restored file.</source>
        <extracomment>%1 names the window (&quot;the player editor&quot;).</extracomment>
        <translation>Il file è aperto nell&apos;%1, la cui copia di lavoro contiene ancora il file com&apos;era prima. File &gt; Apri in quella finestra decomprime il file ripristinato.</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>no backup could be made as %1: %2</source>
        <translation>non è stato possibile creare un backup come %1: %2</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>%1 è un file, non una cartella</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made there</source>
        <translation>non è possibile creare lì la cartella %1</translation>
    </message>
    <message>
        <source>%1 is not named like a backup (the game file&apos;s name, then .yyyyMMdd-HHmmss.bak).</source>
        <extracomment>&quot;.yyyyMMdd-HHmmss.bak&quot; is the end of a backup&apos;s file name: keep it as it is.</extracomment>
        <translation>%1 non ha il nome di un backup (il nome del file di gioco seguito da .yyyyMMdd-HHmmss.bak).</translation>
    </message>
    <message>
        <source>%1 is not in a folder named %2 beside its game file.</source>
        <translation>%1 non si trova in una cartella di nome %2 accanto al suo file di gioco.</translation>
    </message>
    <message>
        <source>%1 was not put back: %2
%3 was not changed.</source>
        <translation>%1 non è stato ripristinato: %2
%3 non è stato modificato.</translation>
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
        <translation>uso: rosterly-cli backups GAME_FILE

Elenca i backup di GAME_FILE presenti nella cartella backups accanto a esso, dal più recente, uno
per riga: il percorso, la dimensione in byte e l&apos;ora in cui è stato creato, separati da tabulazioni.
Un backup viene creato prima di ogni sostituzione di un file di gioco; si conservano i dieci più
recenti e il più vecchio, cioè il file com&apos;era prima della prima sostituzione.
rosterly-cli restore BACKUP ne ripristina uno.

Codice di uscita: 0 elencati (o non ce ne sono), 2 uso errato.</translation>
    </message>
</context>
<context>
    <name>BulkChange</name>
    <message>
        <source>Set to</source>
        <extracomment>A change of many players: set the column to a value</extracomment>
        <translation>Imposta a</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>A change of many players: add a number to the column</extracomment>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Subtract</source>
        <extracomment>A change of many players: subtract a number from the column</extracomment>
        <translation>Sottrai</translation>
    </message>
    <message>
        <source>Set at least</source>
        <extracomment>A change of many players: raise the values below a number to it</extracomment>
        <translation>Imposta minimo</translation>
    </message>
    <message>
        <source>Set at most</source>
        <extracomment>A change of many players: lower the values above a number to it</extracomment>
        <translation>Imposta massimo</translation>
    </message>
    <message>
        <source>Change %1 to %2 (%3 player)</source>
        <translation>Cambia %1 in %2 (%3 giocatore)</translation>
    </message>
    <message>
        <source>Change %1 to %2 (%3 players)</source>
        <translation>Cambia %1 in %2 (%3 giocatori)</translation>
    </message>
    <message>
        <source>Change %1 +%2 (%3 player)</source>
        <translation>Cambia %1 +%2 (%3 giocatore)</translation>
    </message>
    <message>
        <source>Change %1 +%2 (%3 players)</source>
        <translation>Cambia %1 +%2 (%3 giocatori)</translation>
    </message>
    <message>
        <source>Change %1 -%2 (%3 player)</source>
        <translation>Cambia %1 -%2 (%3 giocatore)</translation>
    </message>
    <message>
        <source>Change %1 -%2 (%3 players)</source>
        <translation>Cambia %1 -%2 (%3 giocatori)</translation>
    </message>
    <message>
        <source>Change %1 to at least %2 (%3 player)</source>
        <translation>Cambia %1: almeno %2 (%3 giocatore)</translation>
    </message>
    <message>
        <source>Change %1 to at least %2 (%3 players)</source>
        <translation>Cambia %1: almeno %2 (%3 giocatori)</translation>
    </message>
    <message>
        <source>Change %1 to at most %2 (%3 player)</source>
        <translation>Cambia %1: al massimo %2 (%3 giocatore)</translation>
    </message>
    <message>
        <source>Change %1 to at most %2 (%3 players)</source>
        <translation>Cambia %1: al massimo %2 (%3 giocatori)</translation>
    </message>
    <message>
        <source>the column is not changed here.</source>
        <translation>la colonna non viene modificata qui.</translation>
    </message>
    <message>
        <source>%1 can only be set to a value.</source>
        <extracomment>%1 is the name of the sheet&apos;s column</extracomment>
        <translation>%1: si può solo impostare a un valore.</translation>
    </message>
    <message>
        <source>%1: enter a whole number.</source>
        <translation>%1: inserire un numero intero.</translation>
    </message>
    <message>
        <source>%1: enter a number from 1 to %2.</source>
        <translation>%1: inserire un numero da 1 a %2.</translation>
    </message>
    <message>
        <source>1 player changes</source>
        <translation>1 giocatore modificato</translation>
    </message>
    <message>
        <source>%1 players change</source>
        <translation>%1 giocatori modificati</translation>
    </message>
    <message>
        <source>, %1 clamped to %2</source>
        <extracomment>Follows &quot;97 players change&quot;: %1 players were held at the limit %2</extracomment>
        <translation>, %1 limitati a %2</translation>
    </message>
    <message>
        <source>, %1 already at least %2</source>
        <extracomment>Follows &quot;97 players change&quot;: %1 players had the value %2 already</extracomment>
        <translation>, %1 già almeno a %2</translation>
    </message>
    <message>
        <source>, %1 already at most %2</source>
        <translation>, %1 già non oltre %2</translation>
    </message>
    <message>
        <source>, %1 already at the limit</source>
        <translation>, %1 già al limite</translation>
    </message>
    <message>
        <source>, %1 already %2</source>
        <translation>, %1 già a %2</translation>
    </message>
    <message>
        <source>record %1</source>
        <translation>record %1</translation>
    </message>
    <message>
        <source>%1 (%2 players, the first %3)</source>
        <extracomment>%1 is why, %2 how many players it concerns, %3 the first of them</extracomment>
        <translation>%1 (%2 giocatori, il primo è %3)</translation>
    </message>
</context>
<context>
    <name>BulkEditDialog</name>
    <message>
        <source>Change Field</source>
        <translation>Modifica campo</translation>
    </message>
    <message>
        <source>&amp;Column:</source>
        <extracomment>The column of the player table whose values are changed.</extracomment>
        <translation>&amp;Colonna:</translation>
    </message>
    <message>
        <source>C&amp;hange:</source>
        <extracomment>How the values change: set to a value, or a number added, say.</extracomment>
        <translation>&amp;Modifica:</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Valore:</translation>
    </message>
    <message>
        <source>Enter the value.</source>
        <translation>Inserire il valore.</translation>
    </message>
    <message>
        <source>Enter the number.</source>
        <translation>Inserire il numero.</translation>
    </message>
</context>
<context>
    <name>CellValue</name>
    <message>
        <source>enter a whole number.</source>
        <translation>inserire un numero intero.</translation>
    </message>
    <message>
        <source>the text is not UTF-8; save the sheet as UTF-8 CSV.</source>
        <translation>il testo non è in UTF-8; salvare il foglio come CSV UTF-8.</translation>
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
        <translation>uso: rosterly-cli check PLAYER_DB TEAM_FILE

Controlla le rose del database dei giocatori rispetto alle squadre elencate nel file delle squadre e
stampa ogni problema, uno per riga: ID giocatore presenti in più record, squadre senza record della
rosa, record di rose che non appartengono a nessuna squadra o che seguono quello della squadra
stessa e, in ogni rosa, giocatori che il database non contiene, giocatori presenti due volte, numeri
di maglia fuori dall&apos;intervallo 1-99 o usati due volte e slot vuoti prima di slot occupati. Stampa
&quot;no problems&quot; se non ce ne sono. Non viene scritto nulla.

Codice di uscita: 0 nessun problema, 1 problemi trovati, 2 un file non è leggibile o uso errato.</translation>
    </message>
</context>
<context>
    <name>CliOutput</name>
    <message>
        <source>Try: rosterly-cli %1--help</source>
        <extracomment>%1 is the command&apos;s name followed by a space (&quot;import &quot;), or nothing</extracomment>
        <translation>Provare: rosterly-cli %1--help</translation>
    </message>
</context>
<context>
    <name>Codec</name>
    <message>
        <source>usage:
  zlib2.dll FILE -d   unpack the compressed game file FILE into FILE.unzlib
  zlib2.dll FILE      pack FILE into FILE.zlib</source>
        <extracomment>The command lines stay as they are; the descriptions after them may be translated.</extracomment>
        <translation>uso:
  zlib2.dll FILE -d   decomprime il file di gioco compresso FILE in FILE.unzlib
  zlib2.dll FILE      comprime FILE in FILE.zlib</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: impossibile scrivere: %2</translation>
    </message>
    <message>
        <source>%1: the game file&apos;s form cannot be kept, so nothing was packed</source>
        <translation>%1: non è possibile mantenere il formato del file di gioco, quindi non è stato compresso nulla</translation>
    </message>
</context>
<context>
    <name>CodecRuns</name>
    <message>
        <source>The codec tool stopped unexpectedly.</source>
        <translation>Lo strumento codec si è interrotto inaspettatamente.</translation>
    </message>
    <message>
        <source>The codec tool failed (exit code %1).</source>
        <translation>Lo strumento codec non è riuscito (codice di uscita %1).</translation>
    </message>
    <message>
        <source>The codec tool %1 could not be started.</source>
        <translation>Impossibile avviare lo strumento codec %1.</translation>
    </message>
    <message>
        <source>The codec tool %1 is missing.</source>
        <translation>Lo strumento codec %1 non è presente.</translation>
    </message>
    <message>
        <source>The codec tool is still working on %1. Try again when it has finished.</source>
        <translation>Lo strumento codec sta ancora lavorando su %1. Riprovare quando avrà finito.</translation>
    </message>
    <message>
        <source>The codec tool failed on %1: %2</source>
        <translation>Lo strumento codec non è riuscito su %1: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>too few arguments</source>
        <translation>argomenti insufficienti</translation>
    </message>
    <message>
        <source>too many arguments</source>
        <translation>troppi argomenti</translation>
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
        <translation>l&apos;intestazione indica che i dati decompressi occupano %1 byte, più dei %2 che un file di gioco può contenere</translation>
    </message>
    <message>
        <source>the file goes on after the %1 compressed bytes the header gives with something other than zero padding: byte %2 of the file is 0x%3</source>
        <translation>dopo i %1 byte compressi indicati dall&apos;intestazione il file prosegue con qualcosa di diverso da un riempimento di zeri: il byte %2 del file è 0x%3</translation>
    </message>
    <message>
        <source>the compressed data is truncated or the header is damaged: its sizes fit the file in neither byte order (%1 compressed bytes read little-endian, %2 read big-endian; the file holds %3 after the header)</source>
        <translation>i dati compressi sono troncati o l&apos;intestazione è danneggiata: le sue dimensioni non corrispondono al file in nessun ordine dei byte (%1 byte compressi letti in little-endian, %2 letti in big-endian; dopo l&apos;intestazione il file contiene %3 byte)</translation>
    </message>
    <message>
        <source>the decompressor could not be started</source>
        <translation>impossibile avviare il decompressore</translation>
    </message>
    <message>
        <source>the data unpacks to more than %1, the most a game file may hold</source>
        <translation>i dati decompressi superano %1, il massimo che un file di gioco può contenere</translation>
    </message>
    <message>
        <source>the compressed data is truncated</source>
        <translation>i dati compressi sono troncati</translation>
    </message>
    <message>
        <source>the compressed data is corrupt</source>
        <translation>i dati compressi sono danneggiati</translation>
    </message>
    <message>
        <source>the compressed data is corrupt: it asks for a preset dictionary, which game files never use</source>
        <translation>i dati compressi sono danneggiati: richiedono un dizionario predefinito, che i file di gioco non usano mai</translation>
    </message>
    <message>
        <source>not enough memory to decompress the data</source>
        <translation>memoria insufficiente per decomprimere i dati</translation>
    </message>
    <message>
        <source>the compressed data is corrupt (%1)</source>
        <translation>i dati compressi sono danneggiati (%1)</translation>
    </message>
    <message>
        <source>zlib error</source>
        <translation>errore zlib</translation>
    </message>
    <message>
        <source>%1 unexpected bytes follow the end of the compressed data</source>
        <translation>%1 byte inattesi seguono la fine dei dati compressi</translation>
    </message>
    <message>
        <source>the header says %1 bytes, the data holds %2</source>
        <translation>l&apos;intestazione indica %1 byte, i dati ne contengono %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>il file è vuoto</translation>
    </message>
    <message>
        <source>the compressed data is truncated: the file ends inside the header, after %1 bytes</source>
        <translation>i dati compressi sono troncati: il file termina dentro l&apos;intestazione, dopo %1 byte</translation>
    </message>
    <message>
        <source>not a compressed game file: unknown header</source>
        <translation>non è un file di gioco compresso: intestazione sconosciuta</translation>
    </message>
    <message>
        <source>this is an indexed archive holding several files, not one compressed game file</source>
        <translation>questo è un archivio indicizzato che contiene più file, non un singolo file di gioco compresso</translation>
    </message>
    <message>
        <source>not a compressed game file: unknown container type %1 (byte 2 is 1 for one compressed file, 0 for an archive)</source>
        <translation>non è un file di gioco compresso: tipo di contenitore %1 sconosciuto (il byte 2 vale 1 per un singolo file compresso, 0 per un archivio)</translation>
    </message>
    <message>
        <source>the compressed data is truncated: the file ends inside the %1-byte header, after %2 bytes</source>
        <translation>i dati compressi sono troncati: il file termina dentro l&apos;intestazione di %1 byte, dopo %2 byte</translation>
    </message>
    <message>
        <source>the form&apos;s bytes 2-7 are not those of a compressed game file (1, then &quot;WESYS&quot;)</source>
        <translation>i byte 2-7 del formato non sono quelli di un file di gioco compresso (1, poi &quot;WESYS&quot;)</translation>
    </message>
    <message>
        <source>the form&apos;s alignment %1 is not a power of two up to %2</source>
        <translation>l&apos;allineamento %1 del formato non è una potenza di due fino a %2</translation>
    </message>
    <message>
        <source>the data is %1 bytes, more than the %2 a game file may hold</source>
        <translation>i dati occupano %1 byte, più dei %2 che un file di gioco può contenere</translation>
    </message>
    <message>
        <source>not enough memory to compress the data</source>
        <translation>memoria insufficiente per comprimere i dati</translation>
    </message>
    <message>
        <source>the compressor failed: its stream did not fit the room it asked for</source>
        <translation>il compressore non è riuscito: il suo flusso non è entrato nello spazio richiesto</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>row 1: the CSV reader could not be started</source>
        <translation>riga 1: impossibile avviare il lettore CSV</translation>
    </message>
    <message>
        <source>a quoted cell is not closed</source>
        <translation>una cella tra virgolette non è chiusa</translation>
    </message>
    <message>
        <source>a quote in the wrong place (a quoted cell starts and ends with a quote, and a quote inside it is doubled)</source>
        <translation>virgolette in una posizione errata (una cella tra virgolette inizia e finisce con le virgolette, e le virgolette al suo interno vanno raddoppiate)</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
</context>
<context>
    <name>DatabaseImport</name>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Dettagli</translation>
    </message>
    <message>
        <source>&amp;Abilities</source>
        <translation>&amp;Abilità</translation>
    </message>
    <message>
        <source>A&amp;ppearance</source>
        <translation>A&amp;spetto</translation>
    </message>
    <message>
        <source>&amp;Squads</source>
        <translation>&amp;Rose</translation>
    </message>
    <message>
        <source>&amp;Team names</source>
        <translation>&amp;Nomi squadre</translation>
    </message>
    <message>
        <source>Open a player database and press Load first.</source>
        <translation>Aprire prima un database dei giocatori e premere Carica.</translation>
    </message>
    <message>
        <source>Import again</source>
        <translation>Ripetere l&apos;importazione</translation>
    </message>
    <message>
        <source>Import from Another Database</source>
        <translation>Importa da un altro database</translation>
    </message>
    <message>
        <source>Player database</source>
        <translation>Database dei giocatori</translation>
    </message>
    <message>
        <source>The other database&apos;s team file (Cancel: none)</source>
        <translation>File delle squadre dell&apos;altro database (Annulla: nessuno)</translation>
    </message>
    <message>
        <source>Team file</source>
        <translation>File delle squadre</translation>
    </message>
    <message>
        <source>%1
Nothing was imported.</source>
        <translation>%1
Non è stato importato nulla.</translation>
    </message>
    <message>
        <source>Import from Another Database — %1</source>
        <translation>Importa da un altro database — %1</translation>
    </message>
    <message>
        <source>Take:</source>
        <extracomment>Before the check boxes of the parts taken from the other database.</extracomment>
        <translation>Prendi:</translation>
    </message>
    <message>
        <source>Needs both team files.</source>
        <translation>Servono entrambi i file delle squadre.</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>The columns of the list of players that differ: the record number, the player ID, his name, the parts that differ and the changes.</extracomment>
        <translation>Record</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Parts</source>
        <translation>Sezioni</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifiche</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <extracomment>A squad or team name of the other database that cannot be taken, and why.</extracomment>
        <translation>rifiutato: %1</translation>
    </message>
    <message>
        <source>Some of it cannot be taken:
%1

Import the rest?</source>
        <translation>Alcuni elementi non possono essere presi:
%1

Importare il resto?</translation>
    </message>
    <message>
        <source>Import from %1 (%2 player)</source>
        <extracomment>The step&apos;s name in the Edit menu: %1 is the other database, %2 how many players.</extracomment>
        <translation>Importa da %1 (%2 giocatore)</translation>
    </message>
    <message>
        <source>Import from %1 (%2 players)</source>
        <translation>Importa da %1 (%2 giocatori)</translation>
    </message>
</context>
<context>
    <name>DatabaseMerge</name>
    <message>
        <source>%1 (team ID %2): %3</source>
        <extracomment>%1 is a team&apos;s name, %2 its team ID, %3 what is wrong</extracomment>
        <translation>%1 (ID squadra %2): %3</translation>
    </message>
    <message>
        <source>%1 (team ID %2), slot %3: %4</source>
        <extracomment>%1 is a team&apos;s name, %2 its team ID, %3 a slot number, %4 what is wrong</extracomment>
        <translation>%1 (ID squadra %2), slot %3: %4</translation>
    </message>
    <message>
        <source>%1 player</source>
        <translation>%1 giocatore</translation>
    </message>
    <message>
        <source>%1 players</source>
        <translation>%1 giocatori</translation>
    </message>
    <message>
        <source>%1 squad</source>
        <translation>%1 rosa</translation>
    </message>
    <message>
        <source>%1 squads</source>
        <translation>%1 rose</translation>
    </message>
    <message>
        <source>%1 team name</source>
        <translation>%1 nome di squadra</translation>
    </message>
    <message>
        <source>%1 team names</source>
        <translation>%1 nomi di squadra</translation>
    </message>
    <message>
        <source>%1, %2, %3 will change</source>
        <extracomment>%1 is &quot;120 players&quot;, %2 &quot;3 squads&quot;, %3 &quot;2 team names&quot;</extracomment>
        <translation>Cambieranno: %1, %2, %3</translation>
    </message>
    <message>
        <source>this player database: %1</source>
        <extracomment>%1 says what is wrong with the player database</extracomment>
        <translation>questo database dei giocatori: %1</translation>
    </message>
    <message>
        <source>the other player database: %1</source>
        <extracomment>%1 says what is wrong with the other player database</extracomment>
        <translation>l&apos;altro database dei giocatori: %1</translation>
    </message>
    <message>
        <source>the squads and the team names need both team files.</source>
        <translation>le rose e i nomi delle squadre richiedono entrambi i file delle squadre.</translation>
    </message>
    <message>
        <source>%1: foot: the other file&apos;s foot byte %2 is no entry of the list; left as it is.</source>
        <extracomment>%1 names the player; &quot;foot&quot; is the name of the sheet&apos;s column</extracomment>
        <translation>%1: foot: il byte del piede %2 dell&apos;altro file non è una voce dell&apos;elenco; lasciato invariato.</translation>
    </message>
    <message>
        <source>player ID %1 %2: not in this database</source>
        <extracomment>%1 is a player ID, %2 the player&apos;s name</extracomment>
        <translation>ID giocatore %1 %2: non presente in questo database</translation>
    </message>
    <message>
        <source>%1 (team ID %2): the other squad is empty; left as it is.</source>
        <translation>%1 (ID squadra %2): l&apos;altra rosa è vuota; lasciata invariata.</translation>
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
        <translation>uso: rosterly-cli diff OLD_DB NEW_DB [OLD_TEAMS NEW_TEAMS]

Elenca ogni campo che differisce tra due database dei giocatori, una riga per campo,
&quot;index id name: field old -&gt; new&quot; (i campi di players.csv, poi gli altri byte di un record come
&quot;bytes A-B&quot;), e infine un conteggio. Con due file delle squadre anche le loro differenze, per
posizione nell&apos;elenco: &quot;position team_id name: field old -&gt; new&quot;. Poi le rose della tabella delle
rose, slot per slot e giocatore per giocatore: &quot;Austria: slot 3 Adam Adams (7) -&gt; Boris Brown (7)&quot;,
&quot;Boris Brown: Brazil -&gt; Austria&quot; (squadre con i nomi di NEW_TEAMS se indicato, altrimenti
&quot;team ID 100&quot;). I file di gioco possono essere file di gioco compressi o copie di lavoro (*.unzlib),
in qualsiasi combinazione.

Codice di uscita: 0 nessuna differenza, 1 differenze trovate, 2 un file non è leggibile o uso errato.</translation>
    </message>
    <message>
        <source>give both team files, or neither</source>
        <translation>indicare entrambi i file delle squadre o nessuno dei due</translation>
    </message>
</context>
<context>
    <name>EditMenu</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1 names the step that Undo takes back (&quot;Apply Abilities: Adam Adams&quot;).</extracomment>
        <translation>Annulla %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <extracomment>%1 names the step that Redo does again (&quot;Apply Abilities: Adam Adams&quot;).</extracomment>
        <translation>Ripeti %1</translation>
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
        <translation>uso: rosterly-cli export PLAYER_DB [TEAM_FILE] --out DIR [--format csv|xlsx]

Scrive i giocatori di PLAYER_DB in DIR/players.csv, una riga per ogni giocatore che l&apos;editor può
scrivere (record 0-6449), così come l&apos;editor lo mostra. Con TEAM_FILE anche DIR/teams.csv (i nomi
delle squadre) e DIR/rosters.csv (la rosa di ogni squadra, come la mostra la vista squadra). DIR
viene creata se non esiste; i file già presenti vengono sostituiti.

  --format xlsx   scrive cartelle di lavoro .xlsx (players.xlsx, ...) invece dei CSV

Codice di uscita: 0 scritto, 1 un file non è leggibile o scrivibile, 2 uso errato.</translation>
    </message>
    <message>
        <source>--out DIR is missing</source>
        <translation>manca --out DIR</translation>
    </message>
    <message>
        <source>--format is csv or xlsx, not &quot;%1&quot;</source>
        <translation>--format può essere csv o xlsx, non &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1: the folder cannot be made</source>
        <translation>%1: impossibile creare la cartella</translation>
    </message>
</context>
<context>
    <name>FaceRelink</name>
    <message>
        <source>Select a player first.</source>
        <translation>Selezionare prima un giocatore.</translation>
    </message>
    <message>
        <source>Relink: %1</source>
        <translation>Ricollega: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>the player editor</source>
        <extracomment>How messages of the team name editor name this window.</extracomment>
        <translation>editor dei giocatori</translation>
    </message>
    <message>
        <source>PES 2011 Rosterly v0.1  by Tavor  %1</source>
        <translation>PES 2011 Rosterly v0.1  di Tavor  %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>File &gt; Open: chooses the player database.</extracomment>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Export to CSV…</source>
        <translation>Esporta in CSV…</translation>
    </message>
    <message>
        <source>Export to Excel…</source>
        <translation>Esporta in Excel…</translation>
    </message>
    <message>
        <source>Import Sheet…</source>
        <translation>Importa foglio…</translation>
    </message>
    <message>
        <source>Import from Another Database…</source>
        <translation>Importa da un altro database…</translation>
    </message>
    <message>
        <source>Restore Backup…</source>
        <translation>Ripristina backup…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Team Editor</source>
        <translation>Editor squadre</translation>
    </message>
    <message>
        <source>Squads</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Player Table</source>
        <translation>Tabella giocatori</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The Language menu&apos;s entry that speaks the system&apos;s language.</extracomment>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Search Player.....</source>
        <translation>Cerca giocatore.....</translation>
    </message>
    <message>
        <source>Face:  unnamed_</source>
        <extracomment>Above the face&apos;s file number: the face file is unnamed_&lt;number&gt;.bin.</extracomment>
        <translation>Volto:  unnamed_</translation>
    </message>
    <message>
        <source>Hair: unnamed_</source>
        <extracomment>Above the hair&apos;s file number: the hair file is unnamed_&lt;number&gt;.bin.</extracomment>
        <translation>Capelli: unnamed_</translation>
    </message>
    <message>
        <source>Close the window again</source>
        <translation>Chiudere di nuovo la finestra</translation>
    </message>
    <message>
        <source>No player database is open. Use File &gt; Open first.</source>
        <translation>Nessun database dei giocatori aperto. Usare prima File &gt; Apri.</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>Aprire un file</translation>
    </message>
    <message>
        <source>Select unnamed_25.bin:</source>
        <translation>Selezionare unnamed_25.bin:</translation>
    </message>
    <message>
        <source>The team file %1 stays open in the team name editor, from another folder than %2. Team names, the team chooser and the squads come from it until File &gt; Open in the team name editor opens the team file beside the player database.</source>
        <translation>Il file delle squadre %1 resta aperto nell&apos;editor dei nomi delle squadre, da una cartella diversa da quella di %2. I nomi delle squadre, la scelta della squadra e le rose provengono da quel file finché File &gt; Apri nell&apos;editor dei nomi delle squadre non apre il file delle squadre accanto al database dei giocatori.</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Search </source>
        <extracomment>The button that searches the player list for the name typed beside it.</extracomment>
        <translation>Cerca </translation>
    </message>
    <message>
        <source>Player ID:</source>
        <translation>ID giocatore:</translation>
    </message>
    <message>
        <source>Team Select....</source>
        <extracomment>Shown in the team chooser until a team is chosen.</extracomment>
        <translation>Scegli squadra....</translation>
    </message>
    <message>
        <source>Move UP</source>
        <extracomment>The button that moves the chosen player up the squad list.</extracomment>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>The button that moves the chosen player down the squad list.</extracomment>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>The button that takes the chosen player out of the squad.</extracomment>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Player Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Name on shirt:</source>
        <translation>Nome maglia:</translation>
    </message>
    <message>
        <source>Position:</source>
        <extracomment>The player&apos;s registered position.</extracomment>
        <translation>Ruolo:</translation>
    </message>
    <message>
        <source>Foot:</source>
        <extracomment>The foot the player prefers.</extracomment>
        <translation>Piede</translation>
    </message>
    <message>
        <source>Number:</source>
        <extracomment>The player&apos;s shirt number.</extracomment>
        <translation>Numero:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Altezza:</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Peso:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Età:</translation>
    </message>
    <message>
        <source>Spacing:</source>
        <extracomment>The player&apos;s spacing value, as the game&apos;s database names it.</extracomment>
        <translation>Spaziat.:</translation>
    </message>
    <message>
        <source>When you change some of these values, don&apos;t forget to click on Apply Changes!</source>
        <translation>Se si modificano questi valori, non dimenticare di fare clic su Applica modifiche!</translation>
    </message>
    <message>
        <source>Abilities</source>
        <translation>Abilità</translation>
    </message>
    <message>
        <source>Apply Abilities</source>
        <translation>Applica abilità</translation>
    </message>
    <message>
        <source>Special Options</source>
        <translation>Abilità speciali</translation>
    </message>
    <message>
        <source>Face Relink</source>
        <translation>Ricollega volto</translation>
    </message>
    <message>
        <source>Relink</source>
        <translation>Ricollega</translation>
    </message>
    <message>
        <source>Apply Changes</source>
        <translation>Applica modifiche</translation>
    </message>
    <message>
        <source>SAVE</source>
        <extracomment>The button that packs the working copy into the game file.</extracomment>
        <translation>SALVA</translation>
    </message>
    <message>
        <source>Transfer:</source>
        <translation>Trasferimento:</translation>
    </message>
    <message>
        <source>Transfer player</source>
        <translation>Trasferisci</translation>
    </message>
    <message>
        <source>Rosterly: a player and team editor for the PES 2011 database.</source>
        <translation>Rosterly: un editor di giocatori e squadre per il database di PES 2011.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Team Edit PES 2010 DEMO by Tavor</source>
        <extracomment>The window&apos;s title; Team Edit PES 2010 is the name of the tool, Tavor its maker</extracomment>
        <translation>Team Edit PES 2010 DEMO di Tavor</translation>
    </message>
    <message>
        <source>the team name editor</source>
        <extracomment>How messages of the main window name this window.</extracomment>
        <translation>editor dei nomi delle squadre</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Team Name:</source>
        <translation>Nome squadra:</translation>
    </message>
    <message>
        <source>Short Name:</source>
        <translation>Sigla:</translation>
    </message>
    <message>
        <source>Load</source>
        <extracomment>A button that lists the teams of the open team file</extracomment>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Change name</source>
        <translation>Cambia nome</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SALVA</translation>
    </message>
    <message>
        <source>Search Team.....</source>
        <translation>Cerca squadra.....</translation>
    </message>
    <message>
        <source>Search </source>
        <translation>Cerca </translation>
    </message>
    <message>
        <source>Close the window again</source>
        <extracomment>Completes the warning &quot;A save is in progress. %1 when it has finished.&quot;</extracomment>
        <translation>Chiudere di nuovo la finestra</translation>
    </message>
    <message>
        <source>Select unnamed_32.bin:</source>
        <extracomment>The title of the file dialog; unnamed_32.bin is the name of a game file</extracomment>
        <translation>Selezionare unnamed_32.bin:</translation>
    </message>
    <message>
        <source>Select unnamed_11.bin:</source>
        <extracomment>The title of the file dialog; unnamed_11.bin is the name of a game file</extracomment>
        <translation>Selezionare unnamed_11.bin:</translation>
    </message>
    <message>
        <source>Open a file</source>
        <extracomment>Completes the warning &quot;A save is in progress. %1 when it has finished.&quot;</extracomment>
        <translation>Aprire un file</translation>
    </message>
    <message>
        <source>No team file is open. Use File &gt; Open in the team editor first.</source>
        <translation>Nessun file delle squadre aperto. Usare prima File &gt; Apri nell&apos;editor squadre.</translation>
    </message>
    <message>
        <source>Select a team to rename first.</source>
        <translation>Selezionare prima una squadra da rinominare.</translation>
    </message>
    <message>
        <source>The list still shows the team file opened before. Press Load to list the teams of %1, then rename.</source>
        <translation>L&apos;elenco mostra ancora il file delle squadre aperto in precedenza. Premere Carica per elencare le squadre di %1, poi rinominare.</translation>
    </message>
    <message>
        <source>This team is listed past the end of the short-name table, so it has no short name that could be written. Empty the Short Name box to rename the team alone.</source>
        <translation>Questa squadra è elencata oltre la fine della tabella delle sigle, quindi non ha una sigla che si possa scrivere. Svuotare la casella Sigla per rinominare solo la squadra.</translation>
    </message>
    <message>
        <source>Change name: %1</source>
        <translation>Cambia nome: %1</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>%1: compressing the changed file failed%2; nothing was written</source>
        <translation>%1: compressione del file modificato non riuscita%2; non è stato scritto nulla</translation>
    </message>
    <message>
        <source>%1: put back as it was</source>
        <translation>%1: ripristinato com&apos;era</translation>
    </message>
    <message>
        <source>%1: replaced already; putting it back failed: %2</source>
        <translation>%1: già sostituito; ripristino non riuscito: %2</translation>
    </message>
    <message>
        <source>%1: replaced already</source>
        <translation>%1: già sostituito</translation>
    </message>
    <message>
        <source>Every other file was left as it was.</source>
        <translation>Tutti gli altri file sono rimasti invariati.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2; nothing was changed</source>
        <translation>%1: impossibile scrivere: %2; non è stato modificato nulla</translation>
    </message>
    <message>
        <source>%1: cannot be replaced: %2</source>
        <translation>%1: impossibile sostituire: %2</translation>
    </message>
</context>
<context>
    <name>GameFileBytes</name>
    <message>
        <source>%1: not a game file the codec can read (%2); a working copy must end in .unzlib</source>
        <extracomment>%1 is the file, %2 why the codec cannot read it; &quot;.unzlib&quot; ends a file name</extracomment>
        <translation>%1: non è un file di gioco che il codec sa leggere (%2); una copia di lavoro deve terminare con .unzlib</translation>
    </message>
</context>
<context>
    <name>GameFileSession</name>
    <message>
        <source>%1 is open in %2 already. A game file is edited in one window only: choose another file.</source>
        <extracomment>%2 names the other window (&quot;the team name editor&quot;).</extracomment>
        <translation>%1 è già aperto nell&apos;%2. Un file di gioco si modifica in una sola finestra: scegliere un altro file.</translation>
    </message>
    <message>
        <source>The working copy of %1 holds changes that are not saved into the game file (%2). Discard them and decompress the game file again?</source>
        <translation>La copia di lavoro di %1 contiene modifiche non salvate nel file di gioco (%2). Scartarle e decomprimere di nuovo il file di gioco?</translation>
    </message>
    <message>
        <source>Load is waiting for the codec tool already. The lists fill as soon as it has finished.</source>
        <translation>Carica è già in attesa dello strumento codec. Gli elenchi si riempiranno appena avrà finito.</translation>
    </message>
    <message>
        <source>Waiting for the codec tool…</source>
        <translation>In attesa dello strumento codec…</translation>
    </message>
    <message>
        <source>The codec tool has not finished decompressing %1 within %2 seconds. Press Load again when it has finished.</source>
        <translation>Lo strumento codec non ha finito di decomprimere %1 entro %2 secondi. Premere di nuovo Carica quando avrà finito.</translation>
    </message>
    <message>
        <source>Apply the change again</source>
        <translation>Applicare di nuovo la modifica</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>Undo again</source>
        <translation>Annullare di nuovo</translation>
    </message>
    <message>
        <source>Redo again</source>
        <translation>Ripetere di nuovo</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1 names the step taken back or done again (&quot;Apply Abilities: Adam Adams&quot;).</extracomment>
        <translation>Annulla %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ripeti %1</translation>
    </message>
    <message>
        <source>%1 is not possible: %2
Nothing was written.</source>
        <extracomment>%1 is &quot;Undo &lt;step&gt;&quot; or &quot;Redo &lt;step&gt;&quot;.</extracomment>
        <translation>%1 non è possibile: %2
Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>%1 is not possible: the working copy %2 no longer holds what that step left there at byte %3 (something outside this window&apos;s history changed it). Nothing was written.</source>
        <translation>%1 non è possibile: la copia di lavoro %2 non contiene più, al byte %3, ciò che quel passaggio vi aveva lasciato (qualcosa al di fuori della cronologia di questa finestra l&apos;ha modificata). Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 non riuscito: %2</translation>
    </message>
</context>
<context>
    <name>GameTerms</name>
    <message>
        <source>Attack</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Attacco</translation>
    </message>
    <message>
        <source>GK</source>
        <extracomment>The goalkeeper position</extracomment>
        <translation>GK</translation>
    </message>
    <message>
        <source>Defence</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Difesa</translation>
    </message>
    <message>
        <source>SWP</source>
        <extracomment>The sweeper position</extracomment>
        <translation>SWP</translation>
    </message>
    <message>
        <source>Balance</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Equilibrio</translation>
    </message>
    <message>
        <source>CB</source>
        <extracomment>The centre-back position</extracomment>
        <translation>CB</translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation>Resistenza</translation>
    </message>
    <message>
        <source>SB</source>
        <extracomment>The side-back position</extracomment>
        <translation>SB</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>DMF</source>
        <extracomment>The defensive midfielder position</extracomment>
        <translation>DMF</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Accelerazione</translation>
    </message>
    <message>
        <source>WB</source>
        <extracomment>The wing-back position</extracomment>
        <translation>WB</translation>
    </message>
    <message>
        <source>Response</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Reattività</translation>
    </message>
    <message>
        <source>CMF</source>
        <extracomment>The centre midfielder position</extracomment>
        <translation>CMF</translation>
    </message>
    <message>
        <source>Agility</source>
        <translation>Agilità</translation>
    </message>
    <message>
        <source>AMF</source>
        <extracomment>The attacking midfielder position</extracomment>
        <translation>AMF</translation>
    </message>
    <message>
        <source>Dribble Accuracy</source>
        <translation>Prec. dribbling</translation>
    </message>
    <message>
        <source>SMF</source>
        <extracomment>The side midfielder position</extracomment>
        <translation>SMF</translation>
    </message>
    <message>
        <source>Dribble Speed</source>
        <translation>Vel. dribbling</translation>
    </message>
    <message>
        <source>WF</source>
        <extracomment>The wing forward position</extracomment>
        <translation>WF</translation>
    </message>
    <message>
        <source>Short Pass Accur</source>
        <translation>Prec. pass. corto</translation>
    </message>
    <message>
        <source>SS</source>
        <extracomment>The second striker position</extracomment>
        <translation>SS</translation>
    </message>
    <message>
        <source>Short Pass Speed</source>
        <translation>Vel. pass. corto</translation>
    </message>
    <message>
        <source>CF</source>
        <extracomment>The centre forward position</extracomment>
        <translation>CF</translation>
    </message>
    <message>
        <source>Long Pass Accur</source>
        <translation>Prec. pass. lungo</translation>
    </message>
    <message>
        <source>Centre</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Cross</translation>
    </message>
    <message>
        <source>Long Pass Speed</source>
        <translation>Vel. pass. lungo</translation>
    </message>
    <message>
        <source>1-On-1 Stopper</source>
        <translation>Uscite 1 contro 1</translation>
    </message>
    <message>
        <source>Shot Accuracy</source>
        <translation>Precisione tiro</translation>
    </message>
    <message>
        <source>Dribbling</source>
        <translation>Dribbling</translation>
    </message>
    <message>
        <source>Shot Power</source>
        <translation>Potenza tiro</translation>
    </message>
    <message>
        <source>Tactical dribble</source>
        <translation>Dribbling tattico</translation>
    </message>
    <message>
        <source>Shot Technique</source>
        <translation>Tecnica tiro</translation>
    </message>
    <message>
        <source>Positioning</source>
        <translation>Posizionamento</translation>
    </message>
    <message>
        <source>Free Kick Accur</source>
        <translation>Prec. punizioni</translation>
    </message>
    <message>
        <source>Reaction</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Reazione</translation>
    </message>
    <message>
        <source>Curving / Swerve</source>
        <translation>Effetto</translation>
    </message>
    <message>
        <source>Playmaking</source>
        <translation>Regia</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Colpo di testa</translation>
    </message>
    <message>
        <source>Passing</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Passaggi</translation>
    </message>
    <message>
        <source>Jump</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Elevazione</translation>
    </message>
    <message>
        <source>Scoring</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Finalizzazione</translation>
    </message>
    <message>
        <source>Technique</source>
        <translation>Tecnica</translation>
    </message>
    <message>
        <source>1-1 Scoring</source>
        <translation>Gol 1 contro 1</translation>
    </message>
    <message>
        <source>Aggression</source>
        <translation>Aggressività</translation>
    </message>
    <message>
        <source>Post Player</source>
        <translation>Gioco di sponda</translation>
    </message>
    <message>
        <source>Team Work</source>
        <translation>Gioco di squadra</translation>
    </message>
    <message>
        <source>Side</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Fasce</translation>
    </message>
    <message>
        <source>Mentality</source>
        <translation>Mentalità</translation>
    </message>
    <message>
        <source>Lines</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Gioco sul filo</translation>
    </message>
    <message>
        <source>Goalkeeper Skills</source>
        <translation>Abilità portiere</translation>
    </message>
    <message>
        <source>Middle Shooting</source>
        <translation>Tiro da fuori</translation>
    </message>
    <message>
        <source>1-Touch Pass</source>
        <translation>Passaggio di prima</translation>
    </message>
    <message>
        <source>Outside</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Colpo d&apos;esterno</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>Marcatura</translation>
    </message>
    <message>
        <source>Sliding</source>
        <translation>Scivolata</translation>
    </message>
    <message>
        <source>Covering</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Copertura</translation>
    </message>
    <message>
        <source>D-Line Control</source>
        <translation>Guida difesa</translation>
    </message>
    <message>
        <source>Penalty Stopper</source>
        <translation>Pararigori</translation>
    </message>
    <message>
        <source>Penalties</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Rigori</translation>
    </message>
    <message>
        <source>Long Throw</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Rimessa lunga</translation>
    </message>
    <message>
        <source>Position code</source>
        <translation>Codice ruolo</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Spaziatura</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Età</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Nome giocatore</translation>
    </message>
    <message>
        <source>Name on shirt</source>
        <translation>Nome maglia</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>The foot a player prefers</extracomment>
        <translation>Destro</translation>
    </message>
    <message>
        <source>Left</source>
        <extracomment>The foot a player prefers</extracomment>
        <translation>Sinistro</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Volto</translation>
    </message>
    <message>
        <source>Hair</source>
        <translation>Capelli</translation>
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
        <translation>uso: rosterly-cli import PLAYER_DB [TEAM_FILE]
                           [--players FILE | --rosters FILE] [--teams FILE] [--dry-run]

Applica i fogli modificati ai file di gioco: --players FILE (un players.csv o players.xlsx) a
PLAYER_DB, --teams FILE (un teams.csv o teams.xlsx) a TEAM_FILE, --rosters FILE (un rosters.csv
o rosters.xlsx: ogni squadra che nomina riceve esattamente la rosa data dalle sue righe, in ordine
di slot; i nomi che contiene non vengono importati) alla tabella delle rose in PLAYER_DB; un foglio
il cui nome termina con .xlsx viene letto come cartella di lavoro (il suo primo foglio di lavoro),
qualsiasi altro come CSV (UTF-8, UTF-16 o Windows-1252). Vengono scritti solo i campi la cui cella
differisce da ciò che l&apos;editor mostra ora, con le regole dell&apos;editor stesso; un foglio non toccato
non cambia nulla. Ogni cella viene prima controllata: basta una cella rifiutata e nessun file viene
toccato. Ogni file modificato viene sostituito in un unico passaggio atomico (un file di gioco
compresso viene compresso di nuovo; una copia di lavoro, *.unzlib, viene scritta così com&apos;è), dopo
aver conservato il file com&apos;era nella cartella backups accanto a esso; se il secondo file non può
essere salvato in backup o sostituito, il primo viene ripristinato com&apos;era.

Stampa ciò che cambia: i conteggi, poi una riga per campo, &quot;index id name: field old -&gt; new&quot;, o
per slot della rosa, &quot;Austria: slot 3 Adam Adams (7) -&gt; Boris Brown (7)&quot;, e per un giocatore che si
sposta, &quot;Boris Brown: Brazil -&gt; Austria&quot;.

  --dry-run   stampa le modifiche, non scrive nulla

Codice di uscita: 0 applicato (o nulla da cambiare), 1 rifiutato (ogni motivo sullo standard error,
nessun file toccato), 2 uso errato.</translation>
    </message>
    <message>
        <source>give a sheet: --players FILE, --teams FILE, --rosters FILE</source>
        <translation>indicare un foglio: --players FILE, --teams FILE, --rosters FILE</translation>
    </message>
    <message>
        <source>give --players or --rosters, not both: both write the player database</source>
        <translation>indicare --players o --rosters, non entrambi: tutti e due scrivono nel database dei giocatori</translation>
    </message>
    <message>
        <source>%1 needs the team file: rosterly-cli import PLAYER_DB TEAM_FILE %1 FILE</source>
        <translation>%1 richiede il file delle squadre: rosterly-cli import PLAYER_DB TEAM_FILE %1 FILE</translation>
    </message>
    <message>
        <source>the player database and the team file are the same file</source>
        <translation>il database dei giocatori e il file delle squadre sono lo stesso file</translation>
    </message>
    <message>
        <source>%1 is a %2 sheet; give it as --%2 FILE.</source>
        <extracomment>%2 is the sheet&apos;s kind, also the name of its option: players, teams or rosters</extracomment>
        <translation>%1 è un foglio %2; indicarlo come --%2 FILE.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Non è stato scritto nulla.</translation>
    </message>
</context>
<context>
    <name>InWords</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list in a sentence: %1 is &quot;a&quot; or &quot;a, b&quot;, %2 the last item.</extracomment>
        <translation>%1 e %2</translation>
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
        <translation>uso: rosterly-cli merge PLAYER_DB TEAM_FILE OTHER_DB [OTHER_TEAM_FILE]
                          [--parts P,...] [--where FILTER] [--players ID,...] [--teams ID,...]
                          [--skip-refused] [--dry-run]

Prende valori da un&apos;altra coppia di file di gioco (OTHER_DB, OTHER_TEAM_FILE; file di gioco
compressi o copie di lavoro, letti in memoria e mai modificati) e li porta in PLAYER_DB e
TEAM_FILE. I giocatori sono abbinati per ID giocatore (un giocatore può trovarsi in un altro record
nell&apos;altro file), le squadre per ID squadra.
Le parti, tutte se --parts non è indicato:
  details      nome, nome sulla maglia, età, altezza, peso, piede, spaziatura, ruolo registrato
  abilities    le 26 abilità, i ruoli giocabili, le abilità speciali
  appearance   volto e capelli
  squads       le rose delle squadre scelte, con i giocatori abbinati per ID (richiede OTHER_TEAM_FILE)
  team_names   i nomi e le sigle delle squadre scelte (richiede OTHER_TEAM_FILE)
Ogni valore viene controllato e scritto come lo scriverebbe l&apos;importazione di un foglio. Un
giocatore presente nell&apos;altro file ma non in PLAYER_DB viene segnalato come non presente in questo
database e tralasciato.

  --where FILTER      solo i giocatori di PLAYER_DB che il filtro lascia passare (rosterly-cli players)
  --players ID,...    solo questi ID giocatore
  --teams ID,...      solo queste squadre (ID squadra) per squads e team_names
  --skip-refused      scrive il resto quando una rosa o un nome viene rifiutato (altrimenti non
                      viene scritto nulla)
  --dry-run           stampa le modifiche, non scrive nulla

Stampa le modifiche come le formula diff, poi ciò che cambia (&quot;Cambieranno: 120 giocatori, 3 rose,
2 nomi di squadra&quot;). Entrambi i file vengono sostituiti in modo atomico nei loro formati dopo i
backup, entrambi o nessuno.

Codice di uscita: 0 fatto o nulla da cambiare, 1 rifiutato o un file non è leggibile (nulla
scritto), 2 uso errato.</translation>
    </message>
    <message>
        <source>--parts: &quot;%1&quot; is none of details, abilities, appearance, squads, team_names</source>
        <translation>--parts: &quot;%1&quot; non è nessuno tra details, abilities, appearance, squads, team_names</translation>
    </message>
    <message>
        <source>squads and team_names need the other team file: rosterly-cli merge PLAYER_DB TEAM_FILE OTHER_DB OTHER_TEAM_FILE</source>
        <translation>squads e team_names richiedono l&apos;altro file delle squadre: rosterly-cli merge PLAYER_DB TEAM_FILE OTHER_DB OTHER_TEAM_FILE</translation>
    </message>
    <message>
        <source>--%1 takes IDs separated by commas</source>
        <translation>--%1 accetta ID separati da virgole</translation>
    </message>
    <message>
        <source>%1 and %2 are the same file</source>
        <translation>%1 e %2 sono lo stesso file</translation>
    </message>
    <message>
        <source>Nothing was written; --skip-refused writes the rest.</source>
        <translation>Non è stato scritto nulla; --skip-refused scrive il resto.</translation>
    </message>
</context>
<context>
    <name>NumberRange</name>
    <message>
        <source>a number</source>
        <translation>un numero</translation>
    </message>
    <message>
        <source>enter %1 from %2 to %3.</source>
        <extracomment>%1 is what to enter (&quot;a number&quot;, &quot;a file number&quot;), %2 and %3 the lowest and highest.</extracomment>
        <translation>inserire %1 da %2 a %3.</translation>
    </message>
    <message>
        <source>a file number</source>
        <translation>un numero di file</translation>
    </message>
</context>
<context>
    <name>PastePlan</name>
    <message>
        <source>There is nothing to paste.</source>
        <translation>Non c&apos;è nulla da incollare.</translation>
    </message>
    <message>
        <source>The paste has %1 rows, but the grid shows %2 from the row it starts at.</source>
        <translation>I dati da incollare hanno %1 righe, ma la griglia ne mostra %2 a partire dalla riga iniziale.</translation>
    </message>
    <message>
        <source>row %1 (record %2): the paste has %3 cells, and %4 columns are shown from the column it starts at.</source>
        <translation>riga %1 (record %2): i dati da incollare hanno %3 celle, e a partire dalla colonna iniziale sono mostrate %4 colonne.</translation>
    </message>
    <message>
        <source>row %1 (record %2), column %3: the grid shows %4 here, not %5; the column is not edited.</source>
        <extracomment>%3 is a column name of the player table (&quot;index&quot;).</extracomment>
        <translation>riga %1 (record %2), colonna %3: qui la griglia mostra %4, non %5; la colonna non viene modificata.</translation>
    </message>
    <message>
        <source>row %1 (record %2): %3</source>
        <extracomment>%3 says why the row&apos;s cells are refused.</extracomment>
        <translation>riga %1 (record %2): %3</translation>
    </message>
    <message>
        <source>row %1 (record %2), column %3: %4</source>
        <extracomment>%3 is a column name of the player table (&quot;speed&quot;), %4 says why its cell is refused.</extracomment>
        <translation>riga %1 (record %2), colonna %3: %4</translation>
    </message>
</context>
<context>
    <name>PlayerCells</name>
    <message>
        <source>the column is not edited.</source>
        <translation>la colonna non viene modificata.</translation>
    </message>
</context>
<context>
    <name>PlayerColumns</name>
    <message>
        <source>enter a position (%1) or a position code from %2 to %3.</source>
        <extracomment>%1 lists the positions as the sheet names them (GK, CB, ...): keep those as they are</extracomment>
        <translation>inserire un ruolo (%1) o un codice ruolo da %2 a %3.</translation>
    </message>
    <message>
        <source>enter %1 or %2.</source>
        <extracomment>%1 and %2 are the words a foot cell holds, Right and Left: they stay as they are</extracomment>
        <translation>inserire %1 o %2.</translation>
    </message>
    <message>
        <source>enter 1 (checked) or 0 (clear).</source>
        <translation>inserire 1 (selezionato) o 0 (non selezionato).</translation>
    </message>
</context>
<context>
    <name>PlayerEditor</name>
    <message>
        <source>Select a player first.</source>
        <translation>Selezionare prima un giocatore.</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>Apply Changes: %1</source>
        <translation>Applica modifiche: %1</translation>
    </message>
    <message>
        <source>Apply Abilities: %1</source>
        <translation>Applica abilità: %1</translation>
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
        <translation>al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>these characters cannot be stored in the game: %1</source>
        <translation>questi caratteri non possono essere memorizzati nel gioco: %1</translation>
    </message>
    <message>
        <source>This entry lies inside the team roster table, which the game keeps over the last player records (from byte %1 of the player database on): writing it would damage the teams&apos; rosters. The entry can be viewed, not edited.</source>
        <translation>Questa voce si trova all&apos;interno della tabella delle rose, che il gioco conserva sopra gli ultimi record dei giocatori (dal byte %1 del database dei giocatori in poi): scriverla danneggerebbe le rose delle squadre. La voce può essere visualizzata, non modificata.</translation>
    </message>
    <message>
        <source>%1: the stored byte %2 has no flag bit to clear, so it stays as stored and the box shows it set again. The other abilities were written.</source>
        <extracomment>%1 is the special ability Long Throw, %2 a number from 100 to 127</extracomment>
        <translation>%1: il byte memorizzato %2 non ha un bit di flag da azzerare, quindi resta com&apos;è memorizzato e la casella torna a mostrarlo selezionato. Le altre abilità sono state scritte.</translation>
    </message>
    <message>
        <source>Special abilities (sum of the boxes)</source>
        <translation>Abilità speciali (somma delle caselle)</translation>
    </message>
</context>
<context>
    <name>PlayerFilter</name>
    <message>
        <source>a value of the list is empty</source>
        <translation>un valore dell&apos;elenco è vuoto</translation>
    </message>
    <message>
        <source>%1: a quote is not closed</source>
        <extracomment>%1 is the filter from its last quote on.</extracomment>
        <translation>%1: virgolette non chiuse</translation>
    </message>
    <message>
        <source>no column before &quot;%1&quot;</source>
        <translation>nessuna colonna prima di &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no column before &quot;%1&quot;; a term has no blanks in it, as in %2%3%4</source>
        <extracomment>%2%3%4 is the term written without its blanks (&quot;speed&gt;=85&quot;).</extracomment>
        <translation>nessuna colonna prima di &quot;%1&quot;; un termine non contiene spazi, come in %2%3%4</translation>
    </message>
    <message>
        <source>&quot;!&quot; is no operator; use != for &quot;is not&quot;</source>
        <translation>&quot;!&quot; non è un operatore; usare != per &quot;è diverso da&quot;</translation>
    </message>
    <message>
        <source>no value after &quot;%1&quot;</source>
        <translation>nessun valore dopo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown column &quot;%1&quot;</source>
        <translation>colonna sconosciuta &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown column &quot;%1&quot; (%2?)</source>
        <extracomment>%2 is the known column nearest to the name typed.</extracomment>
        <translation>colonna sconosciuta &quot;%1&quot; (%2?)</translation>
    </message>
    <message>
        <source>a list of values goes with =, != or ~ only</source>
        <translation>un elenco di valori va solo con =, != o ~</translation>
    </message>
    <message>
        <source>%1 holds text: compare it with =, != or ~</source>
        <extracomment>%1 is a column name of the filter (&quot;name&quot;).</extracomment>
        <translation>%1 contiene testo: confrontarlo con =, != o ~</translation>
    </message>
    <message>
        <source>%1 holds whole numbers, and &quot;%2&quot; is none</source>
        <extracomment>%1 is a column name of the filter (&quot;speed&quot;), %2 the value typed.</extracomment>
        <translation>%1 contiene numeri interi, e &quot;%2&quot; non lo è</translation>
    </message>
</context>
<context>
    <name>PlayerIndexLoad</name>
    <message>
        <source>The working copy of %1 is %2 bytes, a player database holds at least %3: it looks like a team file. Choose the player database (unnamed_25.bin) with File &gt; Open.</source>
        <translation>La copia di lavoro di %1 è di %2 byte, mentre un database dei giocatori ne contiene almeno %3: sembra un file delle squadre. Scegliere il database dei giocatori (unnamed_25.bin) con File &gt; Apri.</translation>
    </message>
</context>
<context>
    <name>PlayerRowEdit</name>
    <message>
        <source>%1 shows %2, not %3: the rule of Apply Abilities leaves the stored byte %4 as it is.</source>
        <extracomment>&quot;Apply Abilities&quot; is the button of the player view; %4 is the byte&apos;s value</extracomment>
        <translation>%1 mostra %2, non %3: la regola di Applica abilità lascia il byte memorizzato %4 così com&apos;è.</translation>
    </message>
    <message>
        <source>%1 shows %2, not %3: the rule of Apply Abilities leaves the stored byte %4 at %5.</source>
        <extracomment>&quot;Apply Abilities&quot; is the button of the player view; %4 and %5 are values</extracomment>
        <translation>%1 mostra %2, non %3: la regola di Applica abilità porta il byte memorizzato %4 a %5.</translation>
    </message>
    <message>
        <source>%1 shows %2, not %3: the view checks the box of the registered position.</source>
        <translation>%1 mostra %2, non %3: la vista seleziona la casella del ruolo registrato.</translation>
    </message>
    <message>
        <source>%1 shows %2, not %3: the view shows the bytes written that way.</source>
        <translation>%1 mostra %2, non %3: la vista mostra i byte scritti in quel modo.</translation>
    </message>
</context>
<context>
    <name>PlayerSheet</name>
    <message>
        <source>enter a record index from 0 to %1.</source>
        <translation>inserire un indice di record da 0 a %1.</translation>
    </message>
    <message>
        <source>record %1 is on row %2 already.</source>
        <translation>il record %1 si trova già alla riga %2.</translation>
    </message>
    <message>
        <source>the ID of record %1 is %2; the row belongs to another player or the sheet to another database.</source>
        <translation>l&apos;ID del record %1 è %2; la riga appartiene a un altro giocatore o il foglio a un altro database.</translation>
    </message>
    <message>
        <source>The player database is too short: it has %1 bytes, but its %2 player records end at byte %3.</source>
        <translation>Il database dei giocatori è troppo corto: ha %1 byte, ma i suoi %2 record dei giocatori finiscono al byte %3.</translation>
    </message>
</context>
<context>
    <name>PlayerTableWindow</name>
    <message>
        <source>Player Table</source>
        <translation>Tabella giocatori</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtro:</translation>
    </message>
    <message>
        <source>Any position</source>
        <translation>Tutti i ruoli</translation>
    </message>
    <message>
        <source>Change Field…</source>
        <translation>Modifica campo…</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tabella</translation>
    </message>
    <message>
        <source>Any team</source>
        <translation>Tutte le squadre</translation>
    </message>
    <message>
        <source>Free agents</source>
        <translation>Svincolati</translation>
    </message>
    <message>
        <source>%1 of %2 players</source>
        <translation>%1 di %2 giocatori</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>%1 selected player</source>
        <translation>%1 giocatore selezionato</translation>
    </message>
    <message>
        <source>%1 selected players</source>
        <translation>%1 giocatori selezionati</translation>
    </message>
    <message>
        <source>All %1 players</source>
        <translation>Tutti i %1 giocatori</translation>
    </message>
    <message>
        <source>%1 players shown by the filter</source>
        <translation>%1 giocatori mostrati dal filtro</translation>
    </message>
    <message>
        <source>Select the cell the paste starts at first.</source>
        <translation>Selezionare prima la cella da cui iniziare a incollare.</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>Paste %1 cell</source>
        <extracomment>The step&apos;s name in the Edit menu.</extracomment>
        <translation>Incolla %1 cella</translation>
    </message>
    <message>
        <source>Paste %1 cells</source>
        <translation>Incolla %1 celle</translation>
    </message>
    <message>
        <source>Edit %1: %2</source>
        <extracomment>The step&apos;s name in the Edit menu: %1 is a column name of the player table (&quot;speed&quot;), %2 the player&apos;s name.</extracomment>
        <translation>Modifica %1: %2</translation>
    </message>
</context>
<context>
    <name>PlayerView</name>
    <message>
        <source>The player&apos;s record cannot be found. Press Load again.</source>
        <translation>Impossibile trovare il record del giocatore. Premere di nuovo Carica.</translation>
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
        <translation>uso: rosterly-cli players PLAYER_DB [TEAM_FILE] [--where FILTER]
                            [--columns A,B,...] [--sort [-]COLUMN[,...]] [--format tsv|csv]

Stampa i giocatori di PLAYER_DB (record 0-6449, le righe del foglio dei giocatori) che FILTER lascia
passare: una riga di intestazione, poi una riga per giocatore, separata da tabulazioni (--format
csv: come il foglio dei giocatori scrive le sue celle). Le colonne sono quelle del foglio dei
giocatori e, con TEAM_FILE, anche teams (le rose in cui si trova il giocatore), numbers (i suoi
numeri di maglia in quelle rose) e squads (quante sono).

  --where FILTER     termini separati da spazi, che devono valere tutti; un termine è COLUMN OP
                     VALUE con OP uno tra = != &lt; &lt;= &gt; &gt;= ~ (contiene, ignorando maiuscole e
                     accenti): speed&gt;=85 position=CF,SS teams~&quot;real madrid&quot; squads=0 age&lt;21.
                     Una parola da sola cerca nei nomi. I valori sono quelli mostrati dal foglio.
  --columns A,B,...  le colonne da stampare, in quell&apos;ordine (tutte se non indicato)
  --sort COLUMN,...  l&apos;ordine delle righe: per la prima colonna, le righe con valori uguali per
                     la successiva; -COLUMN per mettere prima i valori più alti. I numeri sono
                     ordinati come numeri.
  --format tsv|csv   tsv (predefinito) o csv

Codice di uscita: 0 fatto (anche quando nessun giocatore corrisponde), 1 un file non è leggibile,
2 uso errato o filtro errato.</translation>
    </message>
    <message>
        <source>%1: unknown column &quot;%2&quot;</source>
        <translation>%1: colonna sconosciuta &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: unknown column &quot;%2&quot; (%3?)</source>
        <translation>%1: colonna sconosciuta &quot;%2&quot; (%3?)</translation>
    </message>
    <message>
        <source>--format is tsv or csv, not &quot;%1&quot;</source>
        <translation>--format può essere tsv o csv, non &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the column %1 needs the team file: rosterly-cli players PLAYER_DB TEAM_FILE ...</source>
        <translation>la colonna %1 richiede il file delle squadre: rosterly-cli players PLAYER_DB TEAM_FILE ...</translation>
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
        <translation>uso: rosterly-cli release PLAYER_DB TEAM_FILE --player ID --from TEAM_ID [--dry-run]

Toglie il giocatore con ID dalla rosa della squadra --from (una squadra elencata nel file delle
squadre), con le regole dell&apos;editor per le rose: i giocatori dopo di lui salgono di uno slot e gli
slot vuoti vanno dopo i giocatori. Resta in ogni altra rosa in cui si trova.

  --dry-run   stampa la modifica, non scrive nulla

Stampa la modifica, &quot;Boris Brown (7): released from Brazil&quot;, poi sostituisce il database dei
giocatori in un unico passaggio atomico (un file di gioco compresso viene compresso di nuovo; una
copia di lavoro, *.unzlib, viene scritta così com&apos;è), dopo aver conservato il file com&apos;era nella
cartella backups accanto a esso. Il file delle squadre viene solo letto.

Codice di uscita: 0 fatto, 1 rifiutato (il motivo sullo standard error, nulla scritto) o un file non
è leggibile, 2 uso errato.</translation>
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
        <translation>Volto: unnamed_%1.bin</translation>
    </message>
    <message>
        <source>Hair: unnamed_%1.bin</source>
        <extracomment>unnamed_%1.bin is the name of the game file that holds the hair; %1 is its number</extracomment>
        <translation>Capelli: unnamed_%1.bin</translation>
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
        <translation>uso: rosterly-cli restore BACKUP

Mette BACKUP al posto del suo file di gioco in un unico passaggio atomico. BACKUP è uno dei file
conservati nella cartella backups accanto a un file di gioco prima di ogni sostituzione, con un nome
derivato da esso: GAME_FILE.yyyyMMdd-HHmmss.bak o GAME_FILE.yyyyMMdd-HHmmss-N.bak. Prima viene
fatto un backup del file di gioco così com&apos;è ora, quindi un ripristino può essere annullato allo
stesso modo. rosterly-cli backups GAME_FILE li elenca.

Codice di uscita: 0 ripristinato, 1 rifiutato (non è un backup, oppure non è leggibile o non può
essere rimesso al suo posto; il file di gioco resta com&apos;era), 2 uso errato.</translation>
    </message>
</context>
<context>
    <name>RosterImport</name>
    <message>
        <source>enter a whole number from %1 to %2.</source>
        <translation>inserire un numero intero da %1 a %2.</translation>
    </message>
    <message>
        <source>%1 is in %2 already, on row %3.</source>
        <extracomment>%1 is a player, %2 a team, %3 a row number</extracomment>
        <translation>%1 è già in %2, alla riga %3.</translation>
    </message>
    <message>
        <source>Shirt number %1 is taken by %2 in %3 (row %4).</source>
        <extracomment>%2 is a player, %3 a team, %4 a row number</extracomment>
        <translation>Il numero di maglia %1 è già di %2 in %3 (riga %4).</translation>
    </message>
    <message>
        <source>%1 has no roster record in the player database.</source>
        <translation>%1 non ha un record della rosa nel database dei giocatori.</translation>
    </message>
    <message>
        <source>no team of the team file has the ID %1.</source>
        <translation>nessuna squadra del file delle squadre ha l&apos;ID %1.</translation>
    </message>
    <message>
        <source>player ID 0 marks an empty slot; to empty the slot, delete its row.</source>
        <translation>l&apos;ID giocatore 0 indica uno slot vuoto; per svuotare lo slot, eliminarne la riga.</translation>
    </message>
    <message>
        <source>no player of the database has the ID %1.</source>
        <translation>nessun giocatore del database ha l&apos;ID %1.</translation>
    </message>
    <message>
        <source>slot %1 of %2 is on row %3 already.</source>
        <extracomment>%1 is a slot number, %2 a team, %3 a row number</extracomment>
        <translation>lo slot %1 di %2 si trova già alla riga %3.</translation>
    </message>
</context>
<context>
    <name>RosterView</name>
    <message>
        <source>Team: %1</source>
        <translation>Squadra: %1</translation>
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
        <translation>uso: rosterly-cli COMMAND ...

  export PLAYER_DB [TEAM_FILE] --out DIR [--format csv|xlsx]
      scrive players.csv (e teams.csv e rosters.csv con il file delle squadre) in DIR, o in .xlsx
  import PLAYER_DB [TEAM_FILE] [--players FILE | --rosters FILE] [--teams FILE] [--dry-run]
      applica i fogli modificati ai file di gioco
  diff OLD_DB NEW_DB [OLD_TEAMS NEW_TEAMS]
      elenca ogni campo che differisce tra due database (e file delle squadre)
  backups GAME_FILE
      elenca i backup conservati di un file di gioco, dal più recente
  restore BACKUP
      mette un backup al posto del suo file di gioco (di cui viene prima fatto un backup)
  squad PLAYER_DB TEAM_FILE TEAM_ID
      stampa la rosa di una squadra: slot, numero di maglia, ID giocatore e nome
  transfer PLAYER_DB TEAM_FILE --player ID --to TEAM_ID [--from TEAM_ID] [--number N]
           [--call-up] [--dry-run]
      sposta un giocatore in un&apos;altra rosa (o lo convoca, o ingaggia uno svincolato)
  release PLAYER_DB TEAM_FILE --player ID --from TEAM_ID [--dry-run]
      toglie un giocatore da una rosa
  check PLAYER_DB TEAM_FILE
      elenca ogni problema delle rose
  players PLAYER_DB [TEAM_FILE] [--where FILTER] [--columns A,B] [--sort [-]COLUMN]
          [--format tsv|csv]
      stampa i giocatori che un filtro lascia passare: speed&gt;=85 position=CF,SS teams~madrid
  set PLAYER_DB [TEAM_FILE] --where FILTER --column COLUMN (--value V | --add N
      | --subtract N | --at-least N | --at-most N) [--dry-run]
      modifica una colonna di ogni giocatore che un filtro lascia passare
  merge PLAYER_DB TEAM_FILE OTHER_DB [OTHER_TEAM_FILE] [--parts P,...] [--where FILTER]
        [--players ID,...] [--teams ID,...] [--skip-refused] [--dry-run]
      prende giocatori, rose e nomi delle squadre da un&apos;altra coppia di file di gioco

I file di gioco sono file di gioco compressi (unnamed_25.bin) o copie di lavoro (unnamed_25.bin.unzlib).
rosterly-cli COMMAND --help fornisce maggiori dettagli su un comando.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nessun comando indicato</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>comando sconosciuto &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>SaveJob</name>
    <message>
        <source>A save is in progress. %1 when it has finished.</source>
        <extracomment>%1 is what has to wait, as a request (&quot;Close the window again&quot;, &quot;Open a file&quot;).</extracomment>
        <translation>È in corso un salvataggio. %1 quando sarà terminato.</translation>
    </message>
    <message>
        <source>No game file is open, so there is nothing to save. Use File &gt; Open first.</source>
        <translation>Nessun file di gioco aperto, quindi non c&apos;è nulla da salvare. Usare prima File &gt; Apri.</translation>
    </message>
    <message>
        <source>Save again</source>
        <translation>Salvare di nuovo</translation>
    </message>
    <message>
        <source>%1
The game file was not changed.</source>
        <translation>%1
Il file di gioco non è stato modificato.</translation>
    </message>
    <message>
        <source>The working copy %1 is missing or shorter than a complete one (%2 bytes), so it is not saved. The game file was not changed.</source>
        <translation>La copia di lavoro %1 manca o è più corta di una copia completa (%2 byte), quindi non viene salvata. Il file di gioco non è stato modificato.</translation>
    </message>
    <message>
        <source>The codec tool did not finish compressing within %1 seconds. The game file was not changed.</source>
        <translation>Lo strumento codec non ha finito di comprimere entro %1 secondi. Il file di gioco non è stato modificato.</translation>
    </message>
    <message>
        <source>Compressing the working copy failed: %1
The game file was not changed.</source>
        <translation>Compressione della copia di lavoro non riuscita: %1
Il file di gioco non è stato modificato.</translation>
    </message>
    <message>
        <source>DONE!</source>
        <extracomment>The message box that ends a save that replaced the game file.</extracomment>
        <translation>FATTO!</translation>
    </message>
    <message>
        <source>The compressed result %1 is missing or unreadable: %2</source>
        <translation>Il risultato compresso %1 manca o non è leggibile: %2</translation>
    </message>
    <message>
        <source>The compressed result %1 is damaged.</source>
        <translation>Il risultato compresso %1 è danneggiato.</translation>
    </message>
    <message>
        <source>The game file %1 could not be replaced: %2</source>
        <translation>Impossibile sostituire il file di gioco %1: %2</translation>
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
        <translation>uso: rosterly-cli set PLAYER_DB [TEAM_FILE] --where FILTER --column COLUMN
                        (--value V | --add N | --subtract N | --at-least N | --at-most N)
                        [--dry-run]

Modifica una colonna di ogni giocatore che FILTER lascia passare (record 0-6449; il linguaggio dei
filtri di rosterly-cli players, --where &quot;&quot; per tutti i giocatori): la imposta a V, aggiunge o
sottrae N (abilità limitate a 1-99, un valore memorizzato superiore a 99 resta invariato a meno
che la modifica non lo abbassi; gli altri numeri limitati all&apos;intervallo accettato dalla casella
dell&apos;editor), oppure porta un&apos;abilità ad almeno N o la limita al massimo a N. Ogni valore viene
controllato e scritto esattamente come farebbe l&apos;importazione di quella cella da un foglio. teams,
numbers e squads nel filtro richiedono TEAM_FILE, che viene solo letto.

Stampa una riga per ogni campo modificato, come fanno import e diff (&quot;index id name: field old -&gt;
new&quot;), poi l&apos;effetto della modifica (&quot;97 giocatori modificati, 12 limitati a 99, 11 già a 99&quot;).
PLAYER_DB viene sostituito in un unico passaggio atomico nel suo formato, dopo aver conservato il
file com&apos;era nei suoi backup.

  --dry-run   stampa le modifiche, non scrive nulla

Codice di uscita: 0 fatto o nulla da cambiare, 1 rifiutato (ogni motivo sullo standard error, nulla
scritto) o un file non è leggibile, 2 uso errato o filtro errato.</translation>
    </message>
    <message>
        <source>--where FILTER is missing (--where &quot;&quot; changes every player)</source>
        <translation>manca --where FILTER (--where &quot;&quot; modifica tutti i giocatori)</translation>
    </message>
    <message>
        <source>--column COLUMN is missing</source>
        <translation>manca --column COLUMN</translation>
    </message>
    <message>
        <source>give one of --value, --add, --subtract, --at-least, --at-most</source>
        <translation>indicare uno tra --value, --add, --subtract, --at-least, --at-most</translation>
    </message>
    <message>
        <source>--column: &quot;%1&quot; is no column a change writes</source>
        <translation>--column: &quot;%1&quot; non è una colonna che una modifica scrive</translation>
    </message>
    <message>
        <source>--column: &quot;%1&quot; is no column a change writes (%2?)</source>
        <translation>--column: &quot;%1&quot; non è una colonna che una modifica scrive (%2?)</translation>
    </message>
    <message>
        <source>the column %1 needs the team file</source>
        <translation>la colonna %1 richiede il file delle squadre</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Non è stato scritto nulla.</translation>
    </message>
</context>
<context>
    <name>SheetErrors</name>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>%1 is a row number, %2 the name of the sheet&apos;s column, %3 what is wrong</extracomment>
        <translation>riga %1, colonna %2: %3</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… e altri %1</translation>
    </message>
</context>
<context>
    <name>SheetFile</name>
    <message>
        <source>the game file is too short to be written as a sheet</source>
        <translation>il file di gioco è troppo corto per essere scritto come foglio</translation>
    </message>
</context>
<context>
    <name>SheetHeader</name>
    <message>
        <source>row 1: the sheet is empty; it needs a header row naming its columns (%1, …).</source>
        <extracomment>%1 is the name of the sheet&apos;s first column, as the sheet must name it</extracomment>
        <translation>riga 1: il foglio è vuoto; serve una riga di intestazione con i nomi delle colonne (%1, …).</translation>
    </message>
    <message>
        <source>unknown column.</source>
        <translation>colonna sconosciuta.</translation>
    </message>
    <message>
        <source>the column is named twice.</source>
        <translation>la colonna compare due volte.</translation>
    </message>
    <message>
        <source>the column %1 is missing; the sheet needs it to match its rows.</source>
        <translation>manca la colonna %1; il foglio ne ha bisogno per abbinare le sue righe.</translation>
    </message>
    <message>
        <source>the row has %1 cells, the header %2.</source>
        <translation>la riga ha %1 celle, l&apos;intestazione %2.</translation>
    </message>
</context>
<context>
    <name>SheetText</name>
    <message>
        <source>a zip archive, as an .xlsx workbook is: give it the name .xlsx or save it as CSV</source>
        <translation>un archivio zip, come lo è una cartella di lavoro .xlsx: dargli un nome che termini con .xlsx o salvarlo come CSV</translation>
    </message>
    <message>
        <source>a PNG image</source>
        <translation>un&apos;immagine PNG</translation>
    </message>
    <message>
        <source>a JPEG image</source>
        <translation>un&apos;immagine JPEG</translation>
    </message>
    <message>
        <source>a GIF image</source>
        <translation>un&apos;immagine GIF</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>un documento PDF</translation>
    </message>
    <message>
        <source>an Excel 97-2003 workbook (.xls) or another old Office file: save it as .xlsx or CSV</source>
        <translation>una cartella di lavoro di Excel 97-2003 (.xls) o un altro vecchio file di Office: salvarlo come .xlsx o CSV</translation>
    </message>
    <message>
        <source>a game file, not a sheet</source>
        <translation>un file di gioco, non un foglio</translation>
    </message>
    <message>
        <source>binary data (a NUL byte at byte %1)</source>
        <translation>dati binari (un byte NUL al byte %1)</translation>
    </message>
    <message>
        <source>binary data (%1 of its %2 bytes are control bytes)</source>
        <translation>dati binari (%1 dei suoi %2 byte sono byte di controllo)</translation>
    </message>
    <message>
        <source>the sheet begins as UTF-16 text, but its bytes are not UTF-16.</source>
        <translation>il foglio inizia come testo UTF-16, ma i suoi byte non sono UTF-16.</translation>
    </message>
    <message>
        <source>the sheet begins with &quot;ï»¿&quot;, a UTF-8 byte-order mark that a program read as Windows-1252 text before saving the sheet; it was read as the mark.</source>
        <translation>il foglio inizia con &quot;ï»¿&quot;, un BOM (byte-order mark) UTF-8 che un programma ha letto come testo Windows-1252 prima di salvare il foglio; è stato letto come BOM.</translation>
    </message>
    <message>
        <source>it is not a text sheet: it looks like %1.</source>
        <translation>non è un foglio di testo: sembra %1.</translation>
    </message>
    <message>
        <source>the sheet is not UTF-8 (row %1 is the first that is not); it was read as Windows-1252, the game&apos;s own code page, in which older Excel saves CSV.</source>
        <translation>il foglio non è in UTF-8 (la riga %1 è la prima che non lo è); è stato letto come Windows-1252, la code page del gioco stesso, in cui le versioni meno recenti di Excel salvano i CSV.</translation>
    </message>
</context>
<context>
    <name>SpreadsheetMenu</name>
    <message>
        <source>Open a player database and press Load first.</source>
        <translation>Aprire prima un database dei giocatori e premere Carica.</translation>
    </message>
    <message>
        <source>%1 could not be made: %2</source>
        <translation>Impossibile creare %1: %2</translation>
    </message>
    <message>
        <source>%1 exists already. Replace it?</source>
        <translation>%1 esiste già. Sostituirlo?</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Export again</source>
        <translation>Ripetere l&apos;esportazione</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Esporta in Excel</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Esporta in CSV</translation>
    </message>
    <message>
        <source>Wrote %1 to %2.</source>
        <extracomment>%1 lists the sheets&apos; file names.</extracomment>
        <translation>Scritti in %2: %1.</translation>
    </message>
    <message>
        <source>Import again</source>
        <translation>Ripetere l&apos;importazione</translation>
    </message>
    <message>
        <source>Import Sheet</source>
        <translation>Importa foglio</translation>
    </message>
    <message>
        <source>Spreadsheet (CSV or Excel)</source>
        <translation>Foglio di calcolo (CSV o Excel)</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2
Nothing was written.</source>
        <translation>Impossibile importare %1: %2
Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>%1 is neither a players sheet (it has no index column) nor a teams sheet (no position column). Nothing was written.</source>
        <translation>%1 non è né un foglio dei giocatori (non ha la colonna index) né un foglio delle squadre (non ha la colonna position). Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>%1 holds team names, but no team file is loaded. Load the team file first. Nothing was written.</source>
        <translation>%1 contiene nomi di squadre, ma non è caricato alcun file delle squadre. Caricare prima il file delle squadre. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>%1 holds the teams&apos; rosters, but no team file is loaded. Load the team file first. Nothing was written.</source>
        <translation>%1 contiene le rose delle squadre, ma non è caricato alcun file delle squadre. Caricare prima il file delle squadre. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>%1 was refused:
%2
Nothing was written.</source>
        <translation>%1 è stato rifiutato:
%2
Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>%1 changes nothing: every cell shows what the file holds already.%2</source>
        <extracomment>%2 is empty or the sheet&apos;s notes, on lines of their own.</extracomment>
        <translation>%1 non cambia nulla: ogni cella mostra già ciò che il file contiene.%2</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <extracomment>After the first changes listed: how many more there are.</extracomment>
        <translation>… e altre %1</translation>
    </message>
    <message>
        <source>%1 changes %2 %3 in %4 %5:
%6%7

Write these changes into the working copy?</source>
        <extracomment>%1 is the sheet, %2 and %3 how many fields (&quot;1 field&quot;, &quot;5 fields&quot;), %4 and %5 how many records; the changes follow on lines of their own (%6), then the notes (%7).</extracomment>
        <translation>%1 modifica %2 %3 in %4 %5:
%6%7

Scrivere queste modifiche nella copia di lavoro?</translation>
    </message>
    <message>
        <source>field</source>
        <translation>campo</translation>
    </message>
    <message>
        <source>fields</source>
        <translation>campi</translation>
    </message>
    <message>
        <source>record</source>
        <translation>record</translation>
    </message>
    <message>
        <source>records</source>
        <translation>record</translation>
    </message>
    <message>
        <source>Import %1 (%2 record)</source>
        <extracomment>The step&apos;s name in the Edit menu: %1 is the sheet&apos;s file name, %2 how many records.</extracomment>
        <translation>Importa %1 (%2 record)</translation>
    </message>
    <message>
        <source>Import %1 (%2 records)</source>
        <translation>Importa %1 (%2 record)</translation>
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
        <translation>uso: rosterly-cli squad PLAYER_DB TEAM_FILE TEAM_ID

Stampa la rosa della squadra con TEAM_ID: il suo record della rosa, il primo nella tabella delle
rose del database dei giocatori che porta quell&apos;ID. Prima una riga con il nome della squadra, il suo
ID e il numero di giocatori, &quot;Austria (team ID 100): 25 players&quot;, poi una riga per ogni slot occupato
in ordine di slot, con quattro campi separati da tabulazioni: lo slot (0-31), il numero di maglia,
l&apos;ID giocatore e il nome del giocatore (&quot;(no player of the database)&quot; per un ID che nessun record
0-6449 contiene). TEAM_ID deve essere una squadra elencata nel file delle squadre; un ID negativo va
dopo --: rosterly-cli squad PLAYER_DB TEAM_FILE -- -1. Le squadre e i loro ID sono elencati in
teams.csv, scritto da rosterly-cli export.

Codice di uscita: 0 stampato, 1 il file delle squadre non elenca tale squadra, la squadra non ha un
record della rosa o un file non è leggibile, 2 uso errato.</translation>
    </message>
    <message>
        <source>TEAM_ID is a number, not &quot;%1&quot;</source>
        <translation>TEAM_ID è un numero, non &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 has no roster record in the player database.</source>
        <translation>%1 non ha un record della rosa nel database dei giocatori.</translation>
    </message>
</context>
<context>
    <name>SquadEditor</name>
    <message>
        <source>Squads</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Slot</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>The column of shirt numbers</extracomment>
        <translation>N°</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Ruolo</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Transfer →</source>
        <translation>Trasferisci →</translation>
    </message>
    <message>
        <source>← Transfer</source>
        <translation>← Trasferisci</translation>
    </message>
    <message>
        <source>Call up →</source>
        <translation>Convoca →</translation>
    </message>
    <message>
        <source>Release</source>
        <extracomment>A button that takes the selected player out of his squad</extracomment>
        <translation>Svincola</translation>
    </message>
    <message>
        <source>Swap</source>
        <extracomment>A button that swaps the players selected on the left and on the right</extracomment>
        <translation>Scambia</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>Find a player:</source>
        <translation>Trova giocatore:</translation>
    </message>
    <message>
        <source>any part of the name</source>
        <translation>qualsiasi parte del nome</translation>
    </message>
    <message>
        <source>Free agents</source>
        <translation>Svincolati</translation>
    </message>
    <message>
        <source>Choose a player in the left table first.</source>
        <translation>Scegliere prima un giocatore nella tabella di sinistra.</translation>
    </message>
    <message>
        <source>Choose a player in the right table first.</source>
        <translation>Scegliere prima un giocatore nella tabella di destra.</translation>
    </message>
    <message>
        <source>Team ID %1</source>
        <translation>ID squadra %1</translation>
    </message>
    <message>
        <source>Press Load first: the squads shown are not those of the file now open.</source>
        <translation>Premere prima Carica: le rose mostrate non sono quelle del file ora aperto.</translation>
    </message>
    <message>
        <source>The player database&apos;s working copy cannot be read, or ends before its roster table.
Nothing was written.</source>
        <translation>La copia di lavoro del database dei giocatori non è leggibile o termina prima della tabella delle rose.
Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>%1 is a free agent already: choose the team he joins on the left.</source>
        <translation>%1 è già svincolato: scegliere a sinistra la squadra in cui entra.</translation>
    </message>
    <message>
        <source>%1 is a free agent already: choose the team he joins on the right.</source>
        <translation>%1 è già svincolato: scegliere a destra la squadra in cui entra.</translation>
    </message>
    <message>
        <source>Release: %1 from %2</source>
        <translation>Svincola: %1 da %2</translation>
    </message>
    <message>
        <source>Transfer: %1 to %2</source>
        <translation>Trasferisci: %1 → %2</translation>
    </message>
    <message>
        <source>A call-up needs a team on the right, not the free agents.</source>
        <translation>Una convocazione richiede una squadra a destra, non gli svincolati.</translation>
    </message>
    <message>
        <source>Call up: %1 to %2</source>
        <translation>Convoca: %1 in %2</translation>
    </message>
    <message>
        <source>%1 is a free agent already.</source>
        <translation>%1 è già svincolato.</translation>
    </message>
    <message>
        <source>A swap takes players of two teams; a free agent joins a squad by a transfer.</source>
        <translation>Uno scambio riguarda giocatori di due squadre; uno svincolato entra in una rosa con un trasferimento.</translation>
    </message>
    <message>
        <source>Swap: %1 and %2</source>
        <translation>Scambia: %1 e %2</translation>
    </message>
    <message>
        <source>The free agents are in no squad, whose order could change.</source>
        <translation>Gli svincolati non sono in alcuna rosa, quindi non hanno un ordine da cambiare.</translation>
    </message>
    <message>
        <source>Move Up: %1 in %2</source>
        <translation>Sposta su: %1 in %2</translation>
    </message>
    <message>
        <source>Move Down: %1 in %2</source>
        <translation>Sposta giù: %1 in %2</translation>
    </message>
    <message>
        <source>Shirt number: %1 to %2</source>
        <translation>Numero di maglia di %1: %2</translation>
    </message>
    <message>
        <source>free agent</source>
        <translation>svincolato</translation>
    </message>
</context>
<context>
    <name>SquadFiles</name>
    <message>
        <source>the player database and the team file are the same file</source>
        <translation>il database dei giocatori e il file delle squadre sono lo stesso file</translation>
    </message>
    <message>
        <source>The team file lists no team with team ID %1.</source>
        <translation>Il file delle squadre non elenca alcuna squadra con ID squadra %1.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>%1 %2 is missing</source>
        <translation>manca %1 %2</translation>
    </message>
    <message>
        <source>%1 takes a number, not &quot;%2&quot;</source>
        <translation>%1 accetta un numero, non &quot;%2&quot;</translation>
    </message>
    <message>
        <source>player ID 0 marks an empty slot; give a player&apos;s ID</source>
        <translation>l&apos;ID giocatore 0 indica uno slot vuoto; indicare l&apos;ID di un giocatore</translation>
    </message>
</context>
<context>
    <name>SquadRules</name>
    <message>
        <source>Shirt numbers run from %1 to %2.</source>
        <translation>I numeri di maglia vanno da %1 a %2.</translation>
    </message>
    <message>
        <source>Player ID %1</source>
        <translation>ID giocatore %1</translation>
    </message>
    <message>
        <source>Team ID %1</source>
        <translation>ID squadra %1</translation>
    </message>
    <message>
        <source>%1 has no roster record in the player database.</source>
        <translation>%1 non ha un record della rosa nel database dei giocatori.</translation>
    </message>
    <message>
        <source>Shirt number %1 is taken by %2 in %3.</source>
        <translation>Il numero di maglia %1 è già di %2 in %3.</translation>
    </message>
    <message>
        <source>%1 is not in %2.</source>
        <translation>%1 non è in %2.</translation>
    </message>
    <message>
        <source>%1 is in %2 already.</source>
        <translation>%1 è già in %2.</translation>
    </message>
    <message>
        <source>%1 has %2 players already, the most a squad can hold.</source>
        <translation>%1 ha già %2 giocatori, il massimo che una rosa può contenere.</translation>
    </message>
    <message>
        <source>The roster table holds no record beside that of %1.</source>
        <translation>La tabella delle rose non contiene alcun record oltre a quello di %1.</translation>
    </message>
    <message>
        <source>%1 and %2 are both in %3; a swap takes players of two teams.</source>
        <translation>%1 e %2 sono entrambi in %3; uno scambio riguarda giocatori di due squadre.</translation>
    </message>
    <message>
        <source>%1 is first in %2 already.</source>
        <translation>%1 è già il primo in %2.</translation>
    </message>
    <message>
        <source>%1 is last in %2 already.</source>
        <translation>%1 è già l&apos;ultimo in %2.</translation>
    </message>
</context>
<context>
    <name>TeamNameTable</name>
    <message>
        <source>may have at most %1 characters.</source>
        <translation>può avere al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>holds characters the game cannot store: %1</source>
        <translation>contiene caratteri che il gioco non può memorizzare: %1</translation>
    </message>
    <message>
        <source>The team name may have at most %1 characters.</source>
        <translation>Il nome della squadra può avere al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>The team name holds characters the game cannot store: %1</source>
        <translation>Il nome della squadra contiene caratteri che il gioco non può memorizzare: %1</translation>
    </message>
    <message>
        <source>The short name may have at most %1 characters.</source>
        <translation>La sigla può avere al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>The short name holds characters the game cannot store: %1</source>
        <translation>La sigla contiene caratteri che il gioco non può memorizzare: %1</translation>
    </message>
</context>
<context>
    <name>TeamSheet</name>
    <message>
        <source>The team file is too short: it has %1 bytes, but its team names end at byte %2.</source>
        <translation>Il file delle squadre è troppo corto: ha %1 byte, ma i nomi delle squadre finiscono al byte %2.</translation>
    </message>
    <message>
        <source>enter a team position from 0 to %1.</source>
        <translation>inserire una posizione di squadra da 0 a %1.</translation>
    </message>
    <message>
        <source>team %1 is on row %2 already.</source>
        <translation>la squadra %1 si trova già alla riga %2.</translation>
    </message>
    <message>
        <source>this team has no team ID to change; leave the cell empty.</source>
        <translation>questa squadra non ha un ID squadra da modificare; lasciare vuota la cella.</translation>
    </message>
    <message>
        <source>team IDs are not edited here; the team&apos;s is %1.</source>
        <translation>gli ID squadra non si modificano qui; quello della squadra è %1.</translation>
    </message>
    <message>
        <source>the team is listed past the end of the short names and has no short name that could be written.</source>
        <translation>la squadra è elencata oltre la fine delle sigle e non ha una sigla che si possa scrivere.</translation>
    </message>
    <message>
        <source>the team file ends at byte %1, before this team&apos;s name entry does.</source>
        <translation>il file delle squadre termina al byte %1, prima della fine della voce del nome di questa squadra.</translation>
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
        <translation>uso: rosterly-cli transfer PLAYER_DB TEAM_FILE --player ID --to TEAM_ID [--from TEAM_ID]
                             [--number N] [--call-up] [--dry-run]

Toglie il giocatore con ID dalla rosa della squadra --from e lo inserisce nella rosa della squadra
--to, con le regole dell&apos;editor per le rose: entra dopo i giocatori già presenti, con il numero di
maglia N, altrimenti con il numero che indossava se nessuno nella nuova rosa lo indossa, altrimenti
con il numero libero più basso. Una rosa contiene al massimo 32 giocatori, ciascuno una sola volta,
con numeri da 1 a 99 che nessun altro nella rosa indossa; gli slot vuoti di una rosa modificata
vanno dopo i suoi giocatori. Gli ID squadra sono quelli elencati nel file delle squadre.

Senza --from il giocatore lascia l&apos;unica rosa in cui si trova (a parte quella di --to). Un
giocatore presente in più rose richiede --from; un giocatore che non è in nessuna rosa, uno
svincolato, entra in --to.

  --call-up   lo mantiene anche nella rosa di --from (la convocazione in una nazionale)
  --dry-run   stampa la modifica, non scrive nulla

Stampa la modifica, &quot;Boris Brown (7): Brazil -&gt; Austria, shirt number 7&quot; (&quot;called up from Brazil
to Austria&quot;, &quot;free agent -&gt; Austria&quot; per gli altri casi), poi sostituisce il database dei giocatori
in un unico passaggio atomico (un file di gioco compresso viene compresso di nuovo; una copia di
lavoro, *.unzlib, viene scritta così com&apos;è), dopo aver conservato il file com&apos;era nella cartella
backups accanto a esso. Il file delle squadre viene solo letto.

Codice di uscita: 0 fatto, 1 rifiutato (il motivo sullo standard error, nulla scritto) o un file non
è leggibile, 2 uso errato.</translation>
    </message>
    <message>
        <source>--number takes a shirt number, not &quot;%1&quot;</source>
        <translation>--number accetta un numero di maglia, non &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 (team ID %2)</source>
        <translation>%1 (ID squadra %2)</translation>
    </message>
    <message>
        <source>Player ID %1</source>
        <translation>ID giocatore %1</translation>
    </message>
    <message>
        <source>%1 is in %2 squads: %3; say which he leaves with --from TEAM_ID.</source>
        <extracomment>%2 is the number of squads (always more than one), %3 lists them</extracomment>
        <translation>%1 è in %2 rose: %3; indicare quale lascia con --from TEAM_ID.</translation>
    </message>
    <message>
        <source>No player of the database has player ID %1.</source>
        <translation>Nessun giocatore del database ha l&apos;ID giocatore %1.</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>%1 (another program may hold the file open: close it and try again)</source>
        <translation>%1 (un altro programma potrebbe tenere aperto il file: chiuderlo e riprovare)</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: file inesistente</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: non è un file regolare</translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2</source>
        <translation>%1: impossibile aprire: %2</translation>
    </message>
    <message>
        <source>%1: the file is %2 bytes, more than the %3 MiB a game file or sheet may have</source>
        <translation>%1: il file è di %2 byte, più dei %3 MiB che un file di gioco o un foglio può avere</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: impossibile leggere: %2</translation>
    </message>
    <message>
        <source>No space left on device (%1 bytes free, %2 needed)</source>
        <translation>Spazio esaurito sul dispositivo (%1 byte liberi, %2 necessari)</translation>
    </message>
</context>
<context>
    <name>WorkingCopy</name>
    <message>
        <source>The working copy %1 cannot be opened: %2</source>
        <translation>Impossibile aprire la copia di lavoro %1: %2</translation>
    </message>
    <message>
        <source>The working copy %1 is too short: it has %2 bytes, but %3 are needed. Wait until the codec has finished, or open the game file again.</source>
        <translation>La copia di lavoro %1 è troppo corta: ha %2 byte, ma ne servono %3. Attendere che il codec abbia finito, o aprire di nuovo il file di gioco.</translation>
    </message>
    <message>
        <source>Reading the working copy %1 failed: %2</source>
        <translation>Lettura della copia di lavoro %1 non riuscita: %2</translation>
    </message>
    <message>
        <source>The working copy %1 has %2 bytes and cannot be read up to byte %3.</source>
        <translation>La copia di lavoro %1 ha %2 byte e non può essere letta fino al byte %3.</translation>
    </message>
    <message>
        <source>Refusing to write before the start of %1.</source>
        <translation>Scrittura prima dell&apos;inizio di %1 rifiutata.</translation>
    </message>
    <message>
        <source>The working copy %1 cannot be opened for writing: %2</source>
        <translation>Impossibile aprire in scrittura la copia di lavoro %1: %2</translation>
    </message>
    <message>
        <source>The working copy %1 is too short: it has %2 bytes, but the change reaches byte %3. Nothing was written.</source>
        <translation>La copia di lavoro %1 è troppo corta: ha %2 byte, ma la modifica arriva al byte %3. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>Writing the working copy %1 failed: %2. Nothing of the change was kept.</source>
        <translation>Scrittura della copia di lavoro %1 non riuscita: %2. Della modifica non è stato conservato nulla.</translation>
    </message>
</context>
<context>
    <name>WorkingCopyDifference</name>
    <message>
        <source>the game file holds %1 bytes, the working copy %2</source>
        <translation>il file di gioco contiene %1 byte, la copia di lavoro %2</translation>
    </message>
    <message>
        <source>%1 byte differs</source>
        <translation>%1 byte differisce</translation>
    </message>
    <message>
        <source>%1 bytes differ</source>
        <translation>%1 byte differiscono</translation>
    </message>
    <message>
        <source>%1 record differs</source>
        <translation>%1 record differisce</translation>
    </message>
    <message>
        <source>%1 records differ</source>
        <translation>%1 record differiscono</translation>
    </message>
    <message>
        <source>%1 record</source>
        <translation>%1 record</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>%1 record</translation>
    </message>
    <message>
        <source>%1 byte</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>%1 and %2 outside them differ</source>
        <extracomment>%1 is &quot;12 records&quot;, %2 is &quot;2 bytes&quot;: the bytes outside the records.</extracomment>
        <translation>%1 e %2 al di fuori di essi differiscono</translation>
    </message>
</context>
<context>
    <name>XlsxPackage</name>
    <message>
        <source>it is not a readable zip archive, as an .xlsx workbook is (%1).</source>
        <translation>non è un archivio zip leggibile, come lo è una cartella di lavoro .xlsx (%1).</translation>
    </message>
    <message>
        <source>the part %1 of the workbook is larger than %2 bytes or of no known size.</source>
        <translation>la parte %1 della cartella di lavoro è più grande di %2 byte o di dimensione sconosciuta.</translation>
    </message>
    <message>
        <source>the part %1 of the workbook cannot be unpacked: %2</source>
        <translation>impossibile decomprimere la parte %1 della cartella di lavoro: %2</translation>
    </message>
    <message>
        <source>the zip archive holds no workbook (%1), so it is no .xlsx file.</source>
        <translation>l&apos;archivio zip non contiene una cartella di lavoro (%1), quindi non è un file .xlsx.</translation>
    </message>
    <message>
        <source>the workbook part %1 is not well-formed XML: %2</source>
        <translation>la parte %1 della cartella di lavoro non è XML ben formato: %2</translation>
    </message>
</context>
<context>
    <name>XlsxReader</name>
    <message>
        <source>the cell holds a formula whose result the workbook does not store; save the workbook in a spreadsheet program first, or enter the value itself.</source>
        <translation>la cella contiene una formula il cui risultato non è memorizzato nella cartella di lavoro; salvare prima la cartella di lavoro in un programma per fogli di calcolo, oppure inserire direttamente il valore.</translation>
    </message>
    <message>
        <source>the worksheet&apos;s rows are not in order (row %1 after row %2).</source>
        <translation>le righe del foglio di lavoro non sono in ordine (riga %1 dopo la riga %2).</translation>
    </message>
    <message>
        <source>the worksheet names the cell %1 in row %2.</source>
        <translation>il foglio di lavoro indica la cella %1 nella riga %2.</translation>
    </message>
    <message>
        <source>the cells of row %1 are not in order.</source>
        <translation>le celle della riga %1 non sono in ordine.</translation>
    </message>
    <message>
        <source>the worksheet has more than %1 cells, far more than any sheet of this editor.</source>
        <translation>il foglio di lavoro ha più di %1 celle, molte più di qualsiasi foglio di questo editor.</translation>
    </message>
    <message>
        <source>the cell refers to a text the workbook does not hold.</source>
        <translation>la cella rimanda a un testo che la cartella di lavoro non contiene.</translation>
    </message>
    <message>
        <source>the cell holds the error %1.</source>
        <translation>la cella contiene l&apos;errore %1.</translation>
    </message>
    <message>
        <source>the cell holds a date or time; enter a whole number or a text.</source>
        <translation>la cella contiene una data o un&apos;ora; inserire un numero intero o un testo.</translation>
    </message>
    <message>
        <source>the cell holds &quot;%1&quot;, which is no number.</source>
        <translation>la cella contiene &quot;%1&quot;, che non è un numero.</translation>
    </message>
    <message>
        <source>the cell holds the number %1, which is not a whole number.</source>
        <translation>la cella contiene il numero %1, che non è un numero intero.</translation>
    </message>
    <message>
        <source>it is not an .xlsx workbook, which is a zip archive; a CSV sheet is read when its name ends in .csv.</source>
        <translation>non è una cartella di lavoro .xlsx, che è un archivio zip; un foglio CSV viene letto quando il suo nome termina con .csv.</translation>
    </message>
    <message>
        <source>it is not an .xlsx workbook: %1</source>
        <translation>non è una cartella di lavoro .xlsx: %1</translation>
    </message>
    <message>
        <source>the workbook has no part %1 for its worksheet &quot;%2&quot;.</source>
        <translation>la cartella di lavoro non ha la parte %1 per il suo foglio di lavoro &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>the sheet read is &quot;%1&quot;, the first of the workbook that holds cells.</source>
        <translation>il foglio letto è &quot;%1&quot;, il primo della cartella di lavoro che contiene celle.</translation>
    </message>
    <message>
        <source>the workbook has no worksheet with cells.</source>
        <translation>la cartella di lavoro non ha alcun foglio di lavoro con celle.</translation>
    </message>
</context>
<context>
    <name>XlsxSheetWriter</name>
    <message>
        <source>no temporary folder could be made: %1</source>
        <translation>impossibile creare una cartella temporanea: %1</translation>
    </message>
    <message>
        <source>the temporary folder %1 has characters outside the system&apos;s code page</source>
        <translation>la cartella temporanea %1 contiene caratteri al di fuori della code page del sistema</translation>
    </message>
    <message>
        <source>the spreadsheet library could not start a workbook</source>
        <translation>la libreria per fogli di calcolo non è riuscita ad avviare una cartella di lavoro</translation>
    </message>
    <message>
        <source>the spreadsheet library refused the workbook: %1</source>
        <translation>la libreria per fogli di calcolo ha rifiutato la cartella di lavoro: %1</translation>
    </message>
</context>
<context>
    <name>XmlEvents</name>
    <message>
        <source>it declares a document type, which no workbook part has</source>
        <translation>dichiara un tipo di documento, cosa che nessuna parte di una cartella di lavoro fa</translation>
    </message>
    <message>
        <source>the XML reader could not be started for %1.</source>
        <translation>impossibile avviare il lettore XML per %1.</translation>
    </message>
    <message>
        <source>the part %1 of the workbook cannot be read: %2</source>
        <translation>impossibile leggere la parte %1 della cartella di lavoro: %2</translation>
    </message>
    <message>
        <source>the part %1 of the workbook is not well-formed XML (line %2: %3).</source>
        <translation>la parte %1 della cartella di lavoro non è XML ben formato (riga %2: %3).</translation>
    </message>
</context>
</TS>
