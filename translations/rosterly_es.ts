<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BackupMenu</name>
    <message>
        <source>Restore Backup</source>
        <translation>Restaurar copia de seguridad</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Copia de seguridad</translation>
    </message>
    <message>
        <source>%1
Nothing was changed.</source>
        <translation>%1
No se cambió nada.</translation>
    </message>
    <message>
        <source>Put the backup %1 in place of %2? %2 as it is now is backed up first.</source>
        <translation>¿Poner la copia de seguridad %1 en lugar de %2? Antes se hace una copia de seguridad de %2 tal como está ahora.</translation>
    </message>
    <message>
        <source>the player editor</source>
        <translation>el editor de jugadores</translation>
    </message>
    <message>
        <source>the team name editor</source>
        <translation>el editor de nombres de equipos</translation>
    </message>
    <message>
        <source>Restore the backup</source>
        <translation>Restaura la copia de seguridad</translation>
    </message>
    <message>
        <source>%1 now holds the backup %2.</source>
        <translation>%1 contiene ahora la copia de seguridad %2.</translation>
    </message>
    <message>
        <source>The file as it was is kept as %1.</source>
        <translation>El archivo tal como estaba se guarda como %1.</translation>
    </message>
    <message>
        <source>The file is open in %1, whose working copy still holds the file as it was before. File &gt; Open there decompresses the restored file.</source>
        <extracomment>%1 names the window (&quot;the player editor&quot;).</extracomment>
        <translation>El archivo está abierto en %1, cuya copia de trabajo aún contiene el archivo tal como estaba antes. Archivo &gt; Abrir en esa ventana descomprime el archivo restaurado.</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>no backup could be made as %1: %2</source>
        <translation>no se pudo crear la copia de seguridad %1: %2</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>%1 es un archivo, no una carpeta</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made there</source>
        <translation>no se puede crear la carpeta %1 ahí</translation>
    </message>
    <message>
        <source>%1 is not named like a backup (the game file&apos;s name, then .yyyyMMdd-HHmmss.bak).</source>
        <extracomment>&quot;.yyyyMMdd-HHmmss.bak&quot; is the end of a backup&apos;s file name: keep it as it is.</extracomment>
        <translation>%1 no tiene nombre de copia de seguridad (el nombre del archivo del juego seguido de .yyyyMMdd-HHmmss.bak).</translation>
    </message>
    <message>
        <source>%1 is not in a folder named %2 beside its game file.</source>
        <translation>%1 no está en una carpeta llamada %2 junto a su archivo del juego.</translation>
    </message>
    <message>
        <source>%1 was not put back: %2
%3 was not changed.</source>
        <translation>No se restauró %1: %2
%3 no se modificó.</translation>
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

Lista las copias de seguridad de GAME_FILE que hay en la carpeta backups junto a él, de la más
reciente a la más antigua, una por línea: la ruta, el tamaño en bytes y el momento en que se hizo,
separados por tabuladores. Se hace una copia de seguridad antes de cada reemplazo de un archivo del
juego; se conservan las diez más recientes y la más antigua, el archivo tal como estaba antes de
reemplazarse por primera vez. rosterly-cli restore BACKUP restaura una.

Código de salida: 0 listadas (o no hay ninguna), 2 uso incorrecto.</translation>
    </message>
</context>
<context>
    <name>BulkChange</name>
    <message>
        <source>Set to</source>
        <extracomment>A change of many players: set the column to a value</extracomment>
        <translation>Fijar en</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>A change of many players: add a number to the column</extracomment>
        <translation>Sumar</translation>
    </message>
    <message>
        <source>Subtract</source>
        <extracomment>A change of many players: subtract a number from the column</extracomment>
        <translation>Restar</translation>
    </message>
    <message>
        <source>Set at least</source>
        <extracomment>A change of many players: raise the values below a number to it</extracomment>
        <translation>Fijar mínimo</translation>
    </message>
    <message>
        <source>Set at most</source>
        <extracomment>A change of many players: lower the values above a number to it</extracomment>
        <translation>Fijar máximo</translation>
    </message>
    <message>
        <source>Change %1 to %2 (%3 player)</source>
        <translation>Cambiar %1 a %2 (%3 jugador)</translation>
    </message>
    <message>
        <source>Change %1 to %2 (%3 players)</source>
        <translation>Cambiar %1 a %2 (%3 jugadores)</translation>
    </message>
    <message>
        <source>Change %1 +%2 (%3 player)</source>
        <translation>Cambiar %1 +%2 (%3 jugador)</translation>
    </message>
    <message>
        <source>Change %1 +%2 (%3 players)</source>
        <translation>Cambiar %1 +%2 (%3 jugadores)</translation>
    </message>
    <message>
        <source>Change %1 -%2 (%3 player)</source>
        <translation>Cambiar %1 -%2 (%3 jugador)</translation>
    </message>
    <message>
        <source>Change %1 -%2 (%3 players)</source>
        <translation>Cambiar %1 -%2 (%3 jugadores)</translation>
    </message>
    <message>
        <source>Change %1 to at least %2 (%3 player)</source>
        <translation>Cambiar %1 a un mínimo de %2 (%3 jugador)</translation>
    </message>
    <message>
        <source>Change %1 to at least %2 (%3 players)</source>
        <translation>Cambiar %1 a un mínimo de %2 (%3 jugadores)</translation>
    </message>
    <message>
        <source>Change %1 to at most %2 (%3 player)</source>
        <translation>Cambiar %1 a un máximo de %2 (%3 jugador)</translation>
    </message>
    <message>
        <source>Change %1 to at most %2 (%3 players)</source>
        <translation>Cambiar %1 a un máximo de %2 (%3 jugadores)</translation>
    </message>
    <message>
        <source>the column is not changed here.</source>
        <translation>esta columna no se cambia aquí.</translation>
    </message>
    <message>
        <source>%1 can only be set to a value.</source>
        <extracomment>%1 is the name of the sheet&apos;s column</extracomment>
        <translation>%1 solo se puede fijar en un valor.</translation>
    </message>
    <message>
        <source>%1: enter a whole number.</source>
        <translation>%1: introduce un número entero.</translation>
    </message>
    <message>
        <source>%1: enter a number from 1 to %2.</source>
        <translation>%1: introduce un número del 1 al %2.</translation>
    </message>
    <message>
        <source>1 player changes</source>
        <translation>1 jugador cambia</translation>
    </message>
    <message>
        <source>%1 players change</source>
        <translation>%1 jugadores cambian</translation>
    </message>
    <message>
        <source>, %1 clamped to %2</source>
        <extracomment>Follows &quot;97 players change&quot;: %1 players were held at the limit %2</extracomment>
        <translation>, %1 limitados a %2</translation>
    </message>
    <message>
        <source>, %1 already at least %2</source>
        <extracomment>Follows &quot;97 players change&quot;: %1 players had the value %2 already</extracomment>
        <translation>, %1 ya en %2 o más</translation>
    </message>
    <message>
        <source>, %1 already at most %2</source>
        <translation>, %1 ya en %2 o menos</translation>
    </message>
    <message>
        <source>, %1 already at the limit</source>
        <translation>, %1 ya en el límite</translation>
    </message>
    <message>
        <source>, %1 already %2</source>
        <translation>, %1 ya en %2</translation>
    </message>
    <message>
        <source>record %1</source>
        <translation>registro %1</translation>
    </message>
    <message>
        <source>%1 (%2 players, the first %3)</source>
        <extracomment>%1 is why, %2 how many players it concerns, %3 the first of them</extracomment>
        <translation>%1 (%2 jugadores, el primero %3)</translation>
    </message>
</context>
<context>
    <name>BulkEditDialog</name>
    <message>
        <source>Change Field</source>
        <translation>Cambiar campo</translation>
    </message>
    <message>
        <source>&amp;Column:</source>
        <extracomment>The column of the player table whose values are changed.</extracomment>
        <translation>&amp;Columna:</translation>
    </message>
    <message>
        <source>C&amp;hange:</source>
        <extracomment>How the values change: set to a value, or a number added, say.</extracomment>
        <translation>Ca&amp;mbio:</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Valor:</translation>
    </message>
    <message>
        <source>Enter the value.</source>
        <translation>Introduce el valor.</translation>
    </message>
    <message>
        <source>Enter the number.</source>
        <translation>Introduce el número.</translation>
    </message>
</context>
<context>
    <name>CellValue</name>
    <message>
        <source>enter a whole number.</source>
        <translation>introduce un número entero.</translation>
    </message>
    <message>
        <source>the text is not UTF-8; save the sheet as UTF-8 CSV.</source>
        <translation>el texto no está en UTF-8; guarda la hoja como CSV UTF-8.</translation>
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

Comprueba las plantillas de la base de datos de jugadores frente a los equipos que lista el archivo
de equipos y muestra cada problema, uno por línea: IDs de jugador presentes en más de un registro,
equipos sin registro de plantilla, registros de plantilla sin equipo o posteriores al del propio
equipo y, en cada plantilla, jugadores que la base de datos no contiene, un jugador repetido,
dorsales fuera de 1-99 o repetidos, y plazas vacías antes de plazas ocupadas. Muestra &quot;no problems&quot;
cuando no hay ninguno. No se escribe nada.

Código de salida: 0 sin problemas, 1 problemas, 2 no se pudo leer un archivo o uso incorrecto.</translation>
    </message>
</context>
<context>
    <name>CliOutput</name>
    <message>
        <source>Try: rosterly-cli %1--help</source>
        <extracomment>%1 is the command&apos;s name followed by a space (&quot;import &quot;), or nothing</extracomment>
        <translation>Prueba: rosterly-cli %1--help</translation>
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
  zlib2.dll FILE -d   descomprime el archivo del juego comprimido FILE en FILE.unzlib
  zlib2.dll FILE      comprime FILE en FILE.zlib</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: no se puede escribir: %2</translation>
    </message>
    <message>
        <source>%1: the game file&apos;s form cannot be kept, so nothing was packed</source>
        <translation>%1: no se puede conservar el formato del archivo del juego, así que no se comprimió nada</translation>
    </message>
</context>
<context>
    <name>CodecRuns</name>
    <message>
        <source>The codec tool stopped unexpectedly.</source>
        <translation>La herramienta de códec se detuvo de forma inesperada.</translation>
    </message>
    <message>
        <source>The codec tool failed (exit code %1).</source>
        <translation>La herramienta de códec falló (código de salida %1).</translation>
    </message>
    <message>
        <source>The codec tool %1 could not be started.</source>
        <translation>No se pudo iniciar la herramienta de códec %1.</translation>
    </message>
    <message>
        <source>The codec tool %1 is missing.</source>
        <translation>Falta la herramienta de códec %1.</translation>
    </message>
    <message>
        <source>The codec tool is still working on %1. Try again when it has finished.</source>
        <translation>La herramienta de códec todavía está procesando %1. Inténtalo de nuevo cuando haya terminado.</translation>
    </message>
    <message>
        <source>The codec tool failed on %1: %2</source>
        <translation>La herramienta de códec falló con %1: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>too few arguments</source>
        <translation>faltan argumentos</translation>
    </message>
    <message>
        <source>too many arguments</source>
        <translation>sobran argumentos</translation>
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
        <translation>la cabecera indica que los datos se descomprimen en %1 bytes, más de los %2 que puede contener un archivo del juego</translation>
    </message>
    <message>
        <source>the file goes on after the %1 compressed bytes the header gives with something other than zero padding: byte %2 of the file is 0x%3</source>
        <translation>el archivo continúa tras los %1 bytes comprimidos que indica la cabecera con algo que no es relleno de ceros: el byte %2 del archivo es 0x%3</translation>
    </message>
    <message>
        <source>the compressed data is truncated or the header is damaged: its sizes fit the file in neither byte order (%1 compressed bytes read little-endian, %2 read big-endian; the file holds %3 after the header)</source>
        <translation>los datos comprimidos están truncados o la cabecera está dañada: sus tamaños no encajan con el archivo en ningún orden de bytes (%1 bytes comprimidos leídos en little-endian, %2 leídos en big-endian; el archivo contiene %3 tras la cabecera)</translation>
    </message>
    <message>
        <source>the decompressor could not be started</source>
        <translation>no se pudo iniciar el descompresor</translation>
    </message>
    <message>
        <source>the data unpacks to more than %1, the most a game file may hold</source>
        <translation>los datos se descomprimen en más de %1, el máximo que puede contener un archivo del juego</translation>
    </message>
    <message>
        <source>the compressed data is truncated</source>
        <translation>los datos comprimidos están truncados</translation>
    </message>
    <message>
        <source>the compressed data is corrupt</source>
        <translation>los datos comprimidos están dañados</translation>
    </message>
    <message>
        <source>the compressed data is corrupt: it asks for a preset dictionary, which game files never use</source>
        <translation>los datos comprimidos están dañados: piden un diccionario predefinido, que los archivos del juego nunca usan</translation>
    </message>
    <message>
        <source>not enough memory to decompress the data</source>
        <translation>no hay memoria suficiente para descomprimir los datos</translation>
    </message>
    <message>
        <source>the compressed data is corrupt (%1)</source>
        <translation>los datos comprimidos están dañados (%1)</translation>
    </message>
    <message>
        <source>zlib error</source>
        <translation>error de zlib</translation>
    </message>
    <message>
        <source>%1 unexpected bytes follow the end of the compressed data</source>
        <translation>hay %1 bytes inesperados tras el final de los datos comprimidos</translation>
    </message>
    <message>
        <source>the header says %1 bytes, the data holds %2</source>
        <translation>la cabecera indica %1 bytes y los datos contienen %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>the compressed data is truncated: the file ends inside the header, after %1 bytes</source>
        <translation>los datos comprimidos están truncados: el archivo termina dentro de la cabecera, tras %1 bytes</translation>
    </message>
    <message>
        <source>not a compressed game file: unknown header</source>
        <translation>no es un archivo del juego comprimido: cabecera desconocida</translation>
    </message>
    <message>
        <source>this is an indexed archive holding several files, not one compressed game file</source>
        <translation>es un paquete indexado con varios archivos, no un único archivo del juego comprimido</translation>
    </message>
    <message>
        <source>not a compressed game file: unknown container type %1 (byte 2 is 1 for one compressed file, 0 for an archive)</source>
        <translation>no es un archivo del juego comprimido: tipo de contenedor desconocido %1 (el byte 2 vale 1 para un único archivo comprimido y 0 para un paquete)</translation>
    </message>
    <message>
        <source>the compressed data is truncated: the file ends inside the %1-byte header, after %2 bytes</source>
        <translation>los datos comprimidos están truncados: el archivo termina dentro de la cabecera de %1 bytes, tras %2 bytes</translation>
    </message>
    <message>
        <source>the form&apos;s bytes 2-7 are not those of a compressed game file (1, then &quot;WESYS&quot;)</source>
        <translation>los bytes 2-7 del formato no son los de un archivo del juego comprimido (1 y luego &quot;WESYS&quot;)</translation>
    </message>
    <message>
        <source>the form&apos;s alignment %1 is not a power of two up to %2</source>
        <translation>la alineación %1 del formato no es una potencia de dos hasta %2</translation>
    </message>
    <message>
        <source>the data is %1 bytes, more than the %2 a game file may hold</source>
        <translation>los datos ocupan %1 bytes, más de los %2 que puede contener un archivo del juego</translation>
    </message>
    <message>
        <source>not enough memory to compress the data</source>
        <translation>no hay memoria suficiente para comprimir los datos</translation>
    </message>
    <message>
        <source>the compressor failed: its stream did not fit the room it asked for</source>
        <translation>el compresor falló: su flujo no cupo en el espacio que pidió</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>row 1: the CSV reader could not be started</source>
        <translation>fila 1: no se pudo iniciar el lector de CSV</translation>
    </message>
    <message>
        <source>a quoted cell is not closed</source>
        <translation>una celda entre comillas no está cerrada</translation>
    </message>
    <message>
        <source>a quote in the wrong place (a quoted cell starts and ends with a quote, and a quote inside it is doubled)</source>
        <translation>una comilla fuera de lugar (una celda entre comillas empieza y termina con comilla, y una comilla dentro de ella va duplicada)</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>fila %1: %2</translation>
    </message>
</context>
<context>
    <name>DatabaseImport</name>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Datos</translation>
    </message>
    <message>
        <source>&amp;Abilities</source>
        <translation>&amp;Habilidades</translation>
    </message>
    <message>
        <source>A&amp;ppearance</source>
        <translation>A&amp;specto</translation>
    </message>
    <message>
        <source>&amp;Squads</source>
        <translation>&amp;Plantillas</translation>
    </message>
    <message>
        <source>&amp;Team names</source>
        <translation>&amp;Nombres de equipos</translation>
    </message>
    <message>
        <source>Open a player database and press Load first.</source>
        <translation>Primero abre una base de datos de jugadores y haz clic en Cargar.</translation>
    </message>
    <message>
        <source>Import again</source>
        <translation>Vuelve a importar</translation>
    </message>
    <message>
        <source>Import from Another Database</source>
        <translation>Importar de otra base de datos</translation>
    </message>
    <message>
        <source>Player database</source>
        <translation>Base de datos de jugadores</translation>
    </message>
    <message>
        <source>The other database&apos;s team file (Cancel: none)</source>
        <translation>Archivo de equipos de la otra base de datos (Cancelar: ninguno)</translation>
    </message>
    <message>
        <source>Team file</source>
        <translation>Archivo de equipos</translation>
    </message>
    <message>
        <source>%1
Nothing was imported.</source>
        <translation>%1
No se importó nada.</translation>
    </message>
    <message>
        <source>Import from Another Database — %1</source>
        <translation>Importar de otra base de datos — %1</translation>
    </message>
    <message>
        <source>Take:</source>
        <extracomment>Before the check boxes of the parts taken from the other database.</extracomment>
        <translation>Tomar:</translation>
    </message>
    <message>
        <source>Needs both team files.</source>
        <translation>Requiere ambos archivos de equipos.</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>The columns of the list of players that differ: the record number, the player ID, his name, the parts that differ and the changes.</extracomment>
        <translation>Registro</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Parts</source>
        <translation>Partes</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Cambios</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <extracomment>A squad or team name of the other database that cannot be taken, and why.</extracomment>
        <translation>rechazado: %1</translation>
    </message>
    <message>
        <source>Some of it cannot be taken:
%1

Import the rest?</source>
        <translation>Una parte no se puede tomar:
%1

¿Importar el resto?</translation>
    </message>
    <message>
        <source>Import from %1 (%2 player)</source>
        <extracomment>The step&apos;s name in the Edit menu: %1 is the other database, %2 how many players.</extracomment>
        <translation>Importar de %1 (%2 jugador)</translation>
    </message>
    <message>
        <source>Import from %1 (%2 players)</source>
        <translation>Importar de %1 (%2 jugadores)</translation>
    </message>
</context>
<context>
    <name>DatabaseMerge</name>
    <message>
        <source>%1 (team ID %2): %3</source>
        <extracomment>%1 is a team&apos;s name, %2 its team ID, %3 what is wrong</extracomment>
        <translation>%1 (ID de equipo %2): %3</translation>
    </message>
    <message>
        <source>%1 (team ID %2), slot %3: %4</source>
        <extracomment>%1 is a team&apos;s name, %2 its team ID, %3 a slot number, %4 what is wrong</extracomment>
        <translation>%1 (ID de equipo %2), plaza %3: %4</translation>
    </message>
    <message>
        <source>%1 player</source>
        <translation>%1 jugador</translation>
    </message>
    <message>
        <source>%1 players</source>
        <translation>%1 jugadores</translation>
    </message>
    <message>
        <source>%1 squad</source>
        <translation>%1 plantilla</translation>
    </message>
    <message>
        <source>%1 squads</source>
        <translation>%1 plantillas</translation>
    </message>
    <message>
        <source>%1 team name</source>
        <translation>%1 nombre de equipo</translation>
    </message>
    <message>
        <source>%1 team names</source>
        <translation>%1 nombres de equipos</translation>
    </message>
    <message>
        <source>%1, %2, %3 will change</source>
        <extracomment>%1 is &quot;120 players&quot;, %2 &quot;3 squads&quot;, %3 &quot;2 team names&quot;</extracomment>
        <translation>Cambiarán: %1, %2, %3</translation>
    </message>
    <message>
        <source>this player database: %1</source>
        <extracomment>%1 says what is wrong with the player database</extracomment>
        <translation>esta base de datos de jugadores: %1</translation>
    </message>
    <message>
        <source>the other player database: %1</source>
        <extracomment>%1 says what is wrong with the other player database</extracomment>
        <translation>la otra base de datos de jugadores: %1</translation>
    </message>
    <message>
        <source>the squads and the team names need both team files.</source>
        <translation>las plantillas y los nombres de equipos requieren ambos archivos de equipos.</translation>
    </message>
    <message>
        <source>%1: foot: the other file&apos;s foot byte %2 is no entry of the list; left as it is.</source>
        <extracomment>%1 names the player; &quot;foot&quot; is the name of the sheet&apos;s column</extracomment>
        <translation>%1: foot: el byte de pie %2 del otro archivo no es ninguna entrada de la lista; se deja como está.</translation>
    </message>
    <message>
        <source>player ID %1 %2: not in this database</source>
        <extracomment>%1 is a player ID, %2 the player&apos;s name</extracomment>
        <translation>ID de jugador %1 %2: no está en esta base de datos</translation>
    </message>
    <message>
        <source>%1 (team ID %2): the other squad is empty; left as it is.</source>
        <translation>%1 (ID de equipo %2): la otra plantilla está vacía; se deja como está.</translation>
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

Lista cada campo que difiere entre dos bases de datos de jugadores, una línea por campo,
&quot;index id name: field old -&gt; new&quot; (los campos de players.csv y luego cualquier otro byte de un
registro como &quot;bytes A-B&quot;), y después un recuento. Con dos archivos de equipos, también sus
diferencias, por posición en la lista: &quot;position team_id name: field old -&gt; new&quot;. Después, las
plantillas de la tabla de plantillas, plaza por plaza y jugador por jugador:
&quot;Austria: slot 3 Adam Adams (7) -&gt; Boris Brown (7)&quot;, &quot;Boris Brown: Brazil -&gt; Austria&quot; (equipos
con los nombres de NEW_TEAMS si se indica; si no, &quot;team ID 100&quot;). Los archivos del juego pueden ser
archivos del juego comprimidos o copias de trabajo (*.unzlib), en cualquier combinación.

Código de salida: 0 sin diferencias, 1 diferencias, 2 no se pudo leer un archivo o uso incorrecto.</translation>
    </message>
    <message>
        <source>give both team files, or neither</source>
        <translation>indica ambos archivos de equipos o ninguno</translation>
    </message>
</context>
<context>
    <name>EditMenu</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1 names the step that Undo takes back (&quot;Apply Abilities: Adam Adams&quot;).</extracomment>
        <translation>Deshacer %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <extracomment>%1 names the step that Redo does again (&quot;Apply Abilities: Adam Adams&quot;).</extracomment>
        <translation>Rehacer %1</translation>
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

Escribe los jugadores de PLAYER_DB en DIR/players.csv, una fila por cada jugador que el editor
puede escribir (registros 0-6449), tal como lo muestra. Con TEAM_FILE, también DIR/teams.csv (los
nombres de los equipos) y DIR/rosters.csv (la plantilla de cada equipo, tal como la muestra la
vista de equipo). DIR se crea si no existe; los archivos que ya haya se reemplazan.

  --format xlsx   escribe libros .xlsx (players.xlsx, ...) en lugar de CSV

Código de salida: 0 escrito, 1 no se pudo leer o escribir un archivo, 2 uso incorrecto.</translation>
    </message>
    <message>
        <source>--out DIR is missing</source>
        <translation>falta --out DIR</translation>
    </message>
    <message>
        <source>--format is csv or xlsx, not &quot;%1&quot;</source>
        <translation>--format es csv o xlsx, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1: the folder cannot be made</source>
        <translation>%1: no se puede crear la carpeta</translation>
    </message>
</context>
<context>
    <name>FaceRelink</name>
    <message>
        <source>Select a player first.</source>
        <translation>Selecciona primero un jugador.</translation>
    </message>
    <message>
        <source>Relink: %1</source>
        <translation>Reasignar: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>the player editor</source>
        <extracomment>How messages of the team name editor name this window.</extracomment>
        <translation>el editor de jugadores</translation>
    </message>
    <message>
        <source>PES 2011 Rosterly v0.1  by Tavor  %1</source>
        <translation>PES 2011 Rosterly v0.1  por Tavor  %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>File &gt; Open: chooses the player database.</extracomment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Export to CSV…</source>
        <translation>Exportar a CSV…</translation>
    </message>
    <message>
        <source>Export to Excel…</source>
        <translation>Exportar a Excel…</translation>
    </message>
    <message>
        <source>Import Sheet…</source>
        <translation>Importar hoja…</translation>
    </message>
    <message>
        <source>Import from Another Database…</source>
        <translation>Importar de otra base de datos…</translation>
    </message>
    <message>
        <source>Restore Backup…</source>
        <translation>Restaurar copia de seguridad…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Team Editor</source>
        <translation>Editor de equipos</translation>
    </message>
    <message>
        <source>Squads</source>
        <translation>Plantillas</translation>
    </message>
    <message>
        <source>Player Table</source>
        <translation>Tabla de jugadores</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The Language menu&apos;s entry that speaks the system&apos;s language.</extracomment>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Search Player.....</source>
        <translation>Buscar jugador.....</translation>
    </message>
    <message>
        <source>Face:  unnamed_</source>
        <extracomment>Above the face&apos;s file number: the face file is unnamed_&lt;number&gt;.bin.</extracomment>
        <translation>Cara:  unnamed_</translation>
    </message>
    <message>
        <source>Hair: unnamed_</source>
        <extracomment>Above the hair&apos;s file number: the hair file is unnamed_&lt;number&gt;.bin.</extracomment>
        <translation>Pelo: unnamed_</translation>
    </message>
    <message>
        <source>Close the window again</source>
        <translation>Vuelve a cerrar la ventana</translation>
    </message>
    <message>
        <source>No player database is open. Use File &gt; Open first.</source>
        <translation>No hay ninguna base de datos de jugadores abierta. Usa primero Archivo &gt; Abrir.</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>Abre un archivo</translation>
    </message>
    <message>
        <source>Select unnamed_25.bin:</source>
        <translation>Selecciona unnamed_25.bin:</translation>
    </message>
    <message>
        <source>The team file %1 stays open in the team name editor, from another folder than %2. Team names, the team chooser and the squads come from it until File &gt; Open in the team name editor opens the team file beside the player database.</source>
        <translation>El archivo de equipos %1 sigue abierto en el editor de nombres de equipos, desde una carpeta distinta de la de %2. Los nombres de los equipos, el selector de equipos y las plantillas salen de él hasta que Archivo &gt; Abrir en el editor de nombres de equipos abra el archivo de equipos que está junto a la base de datos de jugadores.</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Search </source>
        <extracomment>The button that searches the player list for the name typed beside it.</extracomment>
        <translation>Buscar </translation>
    </message>
    <message>
        <source>Player ID:</source>
        <translation>ID de jugador:</translation>
    </message>
    <message>
        <source>Team Select....</source>
        <extracomment>Shown in the team chooser until a team is chosen.</extracomment>
        <translation>Elegir equipo....</translation>
    </message>
    <message>
        <source>Move UP</source>
        <extracomment>The button that moves the chosen player up the squad list.</extracomment>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>The button that moves the chosen player down the squad list.</extracomment>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>The button that takes the chosen player out of the squad.</extracomment>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Player Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Name on shirt:</source>
        <translation>En camiseta:</translation>
    </message>
    <message>
        <source>Position:</source>
        <extracomment>The player&apos;s registered position.</extracomment>
        <translation>Posición:</translation>
    </message>
    <message>
        <source>Foot:</source>
        <extracomment>The foot the player prefers.</extracomment>
        <translation>Pie:</translation>
    </message>
    <message>
        <source>Number:</source>
        <extracomment>The player&apos;s shirt number.</extracomment>
        <translation>Dorsal:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Peso:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Edad</translation>
    </message>
    <message>
        <source>Spacing:</source>
        <extracomment>The player&apos;s spacing value, as the game&apos;s database names it.</extracomment>
        <translation>Espacio:</translation>
    </message>
    <message>
        <source>When you change some of these values, don&apos;t forget to click on Apply Changes!</source>
        <translation>Si cambias alguno de estos valores, ¡no olvides hacer clic en Aplicar cambios!</translation>
    </message>
    <message>
        <source>Abilities</source>
        <translation>Habilidades</translation>
    </message>
    <message>
        <source>Apply Abilities</source>
        <translation>Aplicar habilidades</translation>
    </message>
    <message>
        <source>Special Options</source>
        <translation>Opciones especiales</translation>
    </message>
    <message>
        <source>Face Relink</source>
        <translation>Reasignar cara</translation>
    </message>
    <message>
        <source>Relink</source>
        <translation>Reasignar</translation>
    </message>
    <message>
        <source>Apply Changes</source>
        <translation>Aplicar cambios</translation>
    </message>
    <message>
        <source>SAVE</source>
        <extracomment>The button that packs the working copy into the game file.</extracomment>
        <translation>GUARDAR</translation>
    </message>
    <message>
        <source>Transfer:</source>
        <translation>Traspaso:</translation>
    </message>
    <message>
        <source>Transfer player</source>
        <translation>Traspasar jugador</translation>
    </message>
    <message>
        <source>Rosterly: a player and team editor for the PES 2011 database.</source>
        <translation>Rosterly: un editor de jugadores y equipos para la base de datos de PES 2011.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Team Edit PES 2010 DEMO by Tavor</source>
        <extracomment>The window&apos;s title; Team Edit PES 2010 is the name of the tool, Tavor its maker</extracomment>
        <translation>Team Edit PES 2010 DEMO por Tavor</translation>
    </message>
    <message>
        <source>the team name editor</source>
        <extracomment>How messages of the main window name this window.</extracomment>
        <translation>el editor de nombres de equipos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Team Name:</source>
        <translation>Nombre del equipo:</translation>
    </message>
    <message>
        <source>Short Name:</source>
        <translation>Nombre corto:</translation>
    </message>
    <message>
        <source>Load</source>
        <extracomment>A button that lists the teams of the open team file</extracomment>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Change name</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>GUARDAR</translation>
    </message>
    <message>
        <source>Search Team.....</source>
        <translation>Buscar equipo.....</translation>
    </message>
    <message>
        <source>Search </source>
        <translation>Buscar </translation>
    </message>
    <message>
        <source>Close the window again</source>
        <extracomment>Completes the warning &quot;A save is in progress. %1 when it has finished.&quot;</extracomment>
        <translation>Vuelve a cerrar la ventana</translation>
    </message>
    <message>
        <source>Select unnamed_32.bin:</source>
        <extracomment>The title of the file dialog; unnamed_32.bin is the name of a game file</extracomment>
        <translation>Selecciona unnamed_32.bin:</translation>
    </message>
    <message>
        <source>Select unnamed_11.bin:</source>
        <extracomment>The title of the file dialog; unnamed_11.bin is the name of a game file</extracomment>
        <translation>Selecciona unnamed_11.bin:</translation>
    </message>
    <message>
        <source>Open a file</source>
        <extracomment>Completes the warning &quot;A save is in progress. %1 when it has finished.&quot;</extracomment>
        <translation>Abre un archivo</translation>
    </message>
    <message>
        <source>No team file is open. Use File &gt; Open in the team editor first.</source>
        <translation>No hay ningún archivo de equipos abierto. Usa primero Archivo &gt; Abrir en el editor de equipos.</translation>
    </message>
    <message>
        <source>Select a team to rename first.</source>
        <translation>Selecciona primero el equipo al que quieres cambiar el nombre.</translation>
    </message>
    <message>
        <source>The list still shows the team file opened before. Press Load to list the teams of %1, then rename.</source>
        <translation>La lista todavía muestra el archivo de equipos abierto antes. Haz clic en Cargar para listar los equipos de %1 y luego cambia el nombre.</translation>
    </message>
    <message>
        <source>This team is listed past the end of the short-name table, so it has no short name that could be written. Empty the Short Name box to rename the team alone.</source>
        <translation>Este equipo figura después del final de la tabla de nombres cortos, así que no tiene un nombre corto que se pueda escribir. Vacía el campo Nombre corto para cambiar solo el nombre del equipo.</translation>
    </message>
    <message>
        <source>Change name: %1</source>
        <translation>Cambiar nombre: %1</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>%1: compressing the changed file failed%2; nothing was written</source>
        <translation>%1: falló la compresión del archivo modificado%2; no se escribió nada</translation>
    </message>
    <message>
        <source>%1: put back as it was</source>
        <translation>%1: restaurado tal como estaba</translation>
    </message>
    <message>
        <source>%1: replaced already; putting it back failed: %2</source>
        <translation>%1: ya reemplazado; no se pudo restaurar: %2</translation>
    </message>
    <message>
        <source>%1: replaced already</source>
        <translation>%1: ya reemplazado</translation>
    </message>
    <message>
        <source>Every other file was left as it was.</source>
        <translation>Todos los demás archivos se dejaron como estaban.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>No se cambió nada.</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2; nothing was changed</source>
        <translation>%1: no se puede escribir: %2; no se cambió nada</translation>
    </message>
    <message>
        <source>%1: cannot be replaced: %2</source>
        <translation>%1: no se puede reemplazar: %2</translation>
    </message>
</context>
<context>
    <name>GameFileBytes</name>
    <message>
        <source>%1: not a game file the codec can read (%2); a working copy must end in .unzlib</source>
        <extracomment>%1 is the file, %2 why the codec cannot read it; &quot;.unzlib&quot; ends a file name</extracomment>
        <translation>%1: no es un archivo del juego que el códec pueda leer (%2); una copia de trabajo debe terminar en .unzlib</translation>
    </message>
</context>
<context>
    <name>GameFileSession</name>
    <message>
        <source>%1 is open in %2 already. A game file is edited in one window only: choose another file.</source>
        <extracomment>%2 names the other window (&quot;the team name editor&quot;).</extracomment>
        <translation>%1 ya está abierto en %2. Un archivo del juego se edita en una sola ventana: elige otro archivo.</translation>
    </message>
    <message>
        <source>The working copy of %1 holds changes that are not saved into the game file (%2). Discard them and decompress the game file again?</source>
        <translation>La copia de trabajo de %1 contiene cambios que no se han guardado en el archivo del juego (%2). ¿Descartarlos y volver a descomprimir el archivo del juego?</translation>
    </message>
    <message>
        <source>Load is waiting for the codec tool already. The lists fill as soon as it has finished.</source>
        <translation>Cargar ya está esperando a la herramienta de códec. Las listas se llenarán en cuanto termine.</translation>
    </message>
    <message>
        <source>Waiting for the codec tool…</source>
        <translation>Esperando a la herramienta de códec…</translation>
    </message>
    <message>
        <source>The codec tool has not finished decompressing %1 within %2 seconds. Press Load again when it has finished.</source>
        <translation>La herramienta de códec no ha terminado de descomprimir %1 en %2 segundos. Vuelve a hacer clic en Cargar cuando haya terminado.</translation>
    </message>
    <message>
        <source>Apply the change again</source>
        <translation>Vuelve a aplicar el cambio</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
No se escribió nada.</translation>
    </message>
    <message>
        <source>Undo again</source>
        <translation>Vuelve a deshacer</translation>
    </message>
    <message>
        <source>Redo again</source>
        <translation>Vuelve a rehacer</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1 names the step taken back or done again (&quot;Apply Abilities: Adam Adams&quot;).</extracomment>
        <translation>Deshacer %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer %1</translation>
    </message>
    <message>
        <source>%1 is not possible: %2
Nothing was written.</source>
        <extracomment>%1 is &quot;Undo &lt;step&gt;&quot; or &quot;Redo &lt;step&gt;&quot;.</extracomment>
        <translation>%1 no es posible: %2
No se escribió nada.</translation>
    </message>
    <message>
        <source>%1 is not possible: the working copy %2 no longer holds what that step left there at byte %3 (something outside this window&apos;s history changed it). Nothing was written.</source>
        <translation>%1 no es posible: la copia de trabajo %2 ya no contiene lo que ese paso dejó en el byte %3 (algo ajeno al historial de esta ventana lo cambió). No se escribió nada.</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 falló: %2</translation>
    </message>
</context>
<context>
    <name>GameTerms</name>
    <message>
        <source>Attack</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Ataque</translation>
    </message>
    <message>
        <source>GK</source>
        <extracomment>The goalkeeper position</extracomment>
        <translation>PT</translation>
    </message>
    <message>
        <source>Defence</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Defensa</translation>
    </message>
    <message>
        <source>SWP</source>
        <extracomment>The sweeper position</extracomment>
        <translation>LIB</translation>
    </message>
    <message>
        <source>Balance</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Equilibrio</translation>
    </message>
    <message>
        <source>CB</source>
        <extracomment>The centre-back position</extracomment>
        <translation>DFC</translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation>Resistencia</translation>
    </message>
    <message>
        <source>SB</source>
        <extracomment>The side-back position</extracomment>
        <translation>LAT</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>DMF</source>
        <extracomment>The defensive midfielder position</extracomment>
        <translation>MCD</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Aceleración</translation>
    </message>
    <message>
        <source>WB</source>
        <extracomment>The wing-back position</extracomment>
        <translation>CAR</translation>
    </message>
    <message>
        <source>Response</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>CMF</source>
        <extracomment>The centre midfielder position</extracomment>
        <translation>MC</translation>
    </message>
    <message>
        <source>Agility</source>
        <translation>Agilidad</translation>
    </message>
    <message>
        <source>AMF</source>
        <extracomment>The attacking midfielder position</extracomment>
        <translation>MP</translation>
    </message>
    <message>
        <source>Dribble Accuracy</source>
        <translation>Precisión regate</translation>
    </message>
    <message>
        <source>SMF</source>
        <extracomment>The side midfielder position</extracomment>
        <translation>MB</translation>
    </message>
    <message>
        <source>Dribble Speed</source>
        <translation>Velocidad regate</translation>
    </message>
    <message>
        <source>WF</source>
        <extracomment>The wing forward position</extracomment>
        <translation>EXT</translation>
    </message>
    <message>
        <source>Short Pass Accur</source>
        <translation>Prec. pase corto</translation>
    </message>
    <message>
        <source>SS</source>
        <extracomment>The second striker position</extracomment>
        <translation>SD</translation>
    </message>
    <message>
        <source>Short Pass Speed</source>
        <translation>Vel. pase corto</translation>
    </message>
    <message>
        <source>CF</source>
        <extracomment>The centre forward position</extracomment>
        <translation>DC</translation>
    </message>
    <message>
        <source>Long Pass Accur</source>
        <translation>Prec. pase largo</translation>
    </message>
    <message>
        <source>Centre</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Long Pass Speed</source>
        <translation>Vel. pase largo</translation>
    </message>
    <message>
        <source>1-On-1 Stopper</source>
        <translation>Parada mano a mano</translation>
    </message>
    <message>
        <source>Shot Accuracy</source>
        <translation>Precisión de tiro</translation>
    </message>
    <message>
        <source>Dribbling</source>
        <translation>Regate</translation>
    </message>
    <message>
        <source>Shot Power</source>
        <translation>Potencia de tiro</translation>
    </message>
    <message>
        <source>Tactical dribble</source>
        <translation>Regate táctico</translation>
    </message>
    <message>
        <source>Shot Technique</source>
        <translation>Técnica de tiro</translation>
    </message>
    <message>
        <source>Positioning</source>
        <translation>Colocación</translation>
    </message>
    <message>
        <source>Free Kick Accur</source>
        <translation>Prec. tiro libre</translation>
    </message>
    <message>
        <source>Reaction</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Reacción</translation>
    </message>
    <message>
        <source>Curving / Swerve</source>
        <translation>Efecto / Curva</translation>
    </message>
    <message>
        <source>Playmaking</source>
        <translation>Creación de juego</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Cabeceo</translation>
    </message>
    <message>
        <source>Passing</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Pase</translation>
    </message>
    <message>
        <source>Jump</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Salto</translation>
    </message>
    <message>
        <source>Scoring</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Definición</translation>
    </message>
    <message>
        <source>Technique</source>
        <translation>Técnica</translation>
    </message>
    <message>
        <source>1-1 Scoring</source>
        <translation>Mano a mano</translation>
    </message>
    <message>
        <source>Aggression</source>
        <translation>Agresividad</translation>
    </message>
    <message>
        <source>Post Player</source>
        <translation>Juego de espaldas</translation>
    </message>
    <message>
        <source>Team Work</source>
        <translation>Juego en equipo</translation>
    </message>
    <message>
        <source>Side</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Banda</translation>
    </message>
    <message>
        <source>Mentality</source>
        <translation>Mentalidad</translation>
    </message>
    <message>
        <source>Lines</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Desmarque</translation>
    </message>
    <message>
        <source>Goalkeeper Skills</source>
        <translation>Habilidad portero</translation>
    </message>
    <message>
        <source>Middle Shooting</source>
        <translation>Tiro lejano</translation>
    </message>
    <message>
        <source>1-Touch Pass</source>
        <translation>Pase al primer toque</translation>
    </message>
    <message>
        <source>Outside</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Exterior</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>Marcaje</translation>
    </message>
    <message>
        <source>Sliding</source>
        <translation>Entrada deslizante</translation>
    </message>
    <message>
        <source>Covering</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Cobertura</translation>
    </message>
    <message>
        <source>D-Line Control</source>
        <translation>Línea defensiva</translation>
    </message>
    <message>
        <source>Penalty Stopper</source>
        <translation>Para penaltis</translation>
    </message>
    <message>
        <source>Penalties</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Penaltis</translation>
    </message>
    <message>
        <source>Long Throw</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Saque de banda largo</translation>
    </message>
    <message>
        <source>Position code</source>
        <translation>Código de posición</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Edad</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Nombre del jugador</translation>
    </message>
    <message>
        <source>Name on shirt</source>
        <translation>Nombre en camiseta</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>The foot a player prefers</extracomment>
        <translation>Diestro</translation>
    </message>
    <message>
        <source>Left</source>
        <extracomment>The foot a player prefers</extracomment>
        <translation>Zurdo</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Cara</translation>
    </message>
    <message>
        <source>Hair</source>
        <translation>Pelo</translation>
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

Aplica hojas editadas a los archivos del juego: --players FILE (un players.csv o players.xlsx) a
PLAYER_DB, --teams FILE (un teams.csv o teams.xlsx) a TEAM_FILE, --rosters FILE (un rosters.csv o
rosters.xlsx: cada equipo que nombra recibe exactamente la plantilla que dan sus filas, en orden de
plaza; los nombres que contiene no se importan) a la tabla de plantillas de PLAYER_DB; una hoja cuyo
nombre termina en .xlsx se lee como libro (su primera hoja de cálculo), cualquier otra como CSV
(UTF-8, UTF-16 o Windows-1252). Solo se escriben los campos cuya celda difiere de lo que el editor
muestra ahora, con las propias reglas del editor; una hoja sin tocar no cambia nada. Antes se
comprueba cada celda: basta una celda rechazada para que no se toque ningún archivo. Cada archivo
modificado se reemplaza en un único paso atómico (un archivo del juego comprimido se vuelve a
comprimir; una copia de trabajo, *.unzlib, se escribe tal cual), después de guardar el archivo tal
como estaba en la carpeta backups junto a él; si no se puede hacer la copia de seguridad del segundo
archivo o reemplazarlo, el primero se restaura tal como estaba.

Muestra lo que cambia: los recuentos y luego una línea por campo, &quot;index id name: field old -&gt; new&quot;,
o por plaza de plantilla, &quot;Austria: slot 3 Adam Adams (7) -&gt; Boris Brown (7)&quot;, y para un jugador que
cambia de equipo, &quot;Boris Brown: Brazil -&gt; Austria&quot;.

  --dry-run   muestra los cambios, no escribe nada

Código de salida: 0 aplicado (o nada que cambiar), 1 rechazado (cada motivo en la salida de error
estándar, ningún archivo tocado), 2 uso incorrecto.</translation>
    </message>
    <message>
        <source>give a sheet: --players FILE, --teams FILE, --rosters FILE</source>
        <translation>indica una hoja: --players FILE, --teams FILE, --rosters FILE</translation>
    </message>
    <message>
        <source>give --players or --rosters, not both: both write the player database</source>
        <translation>indica --players o --rosters, no ambos: los dos escriben la base de datos de jugadores</translation>
    </message>
    <message>
        <source>%1 needs the team file: rosterly-cli import PLAYER_DB TEAM_FILE %1 FILE</source>
        <translation>%1 requiere el archivo de equipos: rosterly-cli import PLAYER_DB TEAM_FILE %1 FILE</translation>
    </message>
    <message>
        <source>the player database and the team file are the same file</source>
        <translation>la base de datos de jugadores y el archivo de equipos son el mismo archivo</translation>
    </message>
    <message>
        <source>%1 is a %2 sheet; give it as --%2 FILE.</source>
        <extracomment>%2 is the sheet&apos;s kind, also the name of its option: players, teams or rosters</extracomment>
        <translation>%1 es una hoja de tipo %2; indícala con --%2 FILE.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>No se escribió nada.</translation>
    </message>
</context>
<context>
    <name>InWords</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list in a sentence: %1 is &quot;a&quot; or &quot;a, b&quot;, %2 the last item.</extracomment>
        <translation>%1 y %2</translation>
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

Toma valores de otro par de archivos del juego (OTHER_DB, OTHER_TEAM_FILE; archivos del juego
comprimidos o copias de trabajo, leídos en memoria y nunca modificados) y los lleva a PLAYER_DB y
TEAM_FILE. Los jugadores se emparejan por ID de jugador (un jugador puede estar en otro registro en
el otro archivo) y los equipos por ID de equipo. Las partes, todas si no se indica --parts:
  details      nombre, nombre en camiseta, edad, altura, peso, pie, espacio, posición registrada
  abilities    las 26 habilidades, las posiciones jugables, las habilidades especiales
  appearance   cara y pelo
  squads       las plantillas de los equipos elegidos, con sus jugadores asignados por ID
               (requiere OTHER_TEAM_FILE)
  team_names   los nombres y nombres cortos de los equipos elegidos (requiere OTHER_TEAM_FILE)
Cada valor se comprueba y se escribe como lo haría una importación de hoja con ese valor. Un jugador
que contiene el otro archivo y no PLAYER_DB se lista como no presente en esta base de datos y se
omite.

  --where FILTER      solo los jugadores de PLAYER_DB que deja pasar el filtro (rosterly-cli players)
  --players ID,...    solo estos IDs de jugador
  --teams ID,...      solo estos equipos (IDs de equipo) para squads y team_names
  --skip-refused      escribe el resto si se rechaza alguna plantilla o nombre (si no, no se
                      escribe nada)
  --dry-run           muestra los cambios, no escribe nada

Muestra los cambios tal como los formula diff y luego lo que cambia (&quot;Cambiarán: 120 jugadores,
3 plantillas, 2 nombres de equipos&quot;). Ambos archivos se reemplazan de forma atómica, cada uno en su
propio formato, tras hacer las copias de seguridad: los dos o ninguno.

Código de salida: 0 hecho o nada que cambiar, 1 rechazado o no se puede leer un archivo (no se
escribe nada), 2 uso incorrecto.</translation>
    </message>
    <message>
        <source>--parts: &quot;%1&quot; is none of details, abilities, appearance, squads, team_names</source>
        <translation>--parts: &quot;%1&quot; no es ninguno de details, abilities, appearance, squads, team_names</translation>
    </message>
    <message>
        <source>squads and team_names need the other team file: rosterly-cli merge PLAYER_DB TEAM_FILE OTHER_DB OTHER_TEAM_FILE</source>
        <translation>squads y team_names requieren el otro archivo de equipos: rosterly-cli merge PLAYER_DB TEAM_FILE OTHER_DB OTHER_TEAM_FILE</translation>
    </message>
    <message>
        <source>--%1 takes IDs separated by commas</source>
        <translation>--%1 admite IDs separados por comas</translation>
    </message>
    <message>
        <source>%1 and %2 are the same file</source>
        <translation>%1 y %2 son el mismo archivo</translation>
    </message>
    <message>
        <source>Nothing was written; --skip-refused writes the rest.</source>
        <translation>No se escribió nada; --skip-refused escribe el resto.</translation>
    </message>
</context>
<context>
    <name>NumberRange</name>
    <message>
        <source>a number</source>
        <translation>un número</translation>
    </message>
    <message>
        <source>enter %1 from %2 to %3.</source>
        <extracomment>%1 is what to enter (&quot;a number&quot;, &quot;a file number&quot;), %2 and %3 the lowest and highest.</extracomment>
        <translation>introduce %1 del %2 al %3.</translation>
    </message>
    <message>
        <source>a file number</source>
        <translation>un número de archivo</translation>
    </message>
</context>
<context>
    <name>PastePlan</name>
    <message>
        <source>There is nothing to paste.</source>
        <translation>No hay nada que pegar.</translation>
    </message>
    <message>
        <source>The paste has %1 rows, but the grid shows %2 from the row it starts at.</source>
        <translation>Lo pegado tiene %1 filas, pero la tabla muestra %2 desde la fila en la que empieza.</translation>
    </message>
    <message>
        <source>row %1 (record %2): the paste has %3 cells, and %4 columns are shown from the column it starts at.</source>
        <translation>fila %1 (registro %2): lo pegado tiene %3 celdas, y se muestran %4 columnas desde la columna en la que empieza.</translation>
    </message>
    <message>
        <source>row %1 (record %2), column %3: the grid shows %4 here, not %5; the column is not edited.</source>
        <extracomment>%3 is a column name of the player table (&quot;index&quot;).</extracomment>
        <translation>fila %1 (registro %2), columna %3: la tabla muestra aquí %4, no %5; la columna no se edita.</translation>
    </message>
    <message>
        <source>row %1 (record %2): %3</source>
        <extracomment>%3 says why the row&apos;s cells are refused.</extracomment>
        <translation>fila %1 (registro %2): %3</translation>
    </message>
    <message>
        <source>row %1 (record %2), column %3: %4</source>
        <extracomment>%3 is a column name of the player table (&quot;speed&quot;), %4 says why its cell is refused.</extracomment>
        <translation>fila %1 (registro %2), columna %3: %4</translation>
    </message>
</context>
<context>
    <name>PlayerCells</name>
    <message>
        <source>the column is not edited.</source>
        <translation>la columna no se edita.</translation>
    </message>
</context>
<context>
    <name>PlayerColumns</name>
    <message>
        <source>enter a position (%1) or a position code from %2 to %3.</source>
        <extracomment>%1 lists the positions as the sheet names them (GK, CB, ...): keep those as they are</extracomment>
        <translation>introduce una posición (%1) o un código de posición del %2 al %3.</translation>
    </message>
    <message>
        <source>enter %1 or %2.</source>
        <extracomment>%1 and %2 are the words a foot cell holds, Right and Left: they stay as they are</extracomment>
        <translation>introduce %1 o %2.</translation>
    </message>
    <message>
        <source>enter 1 (checked) or 0 (clear).</source>
        <translation>introduce 1 (marcado) o 0 (sin marcar).</translation>
    </message>
</context>
<context>
    <name>PlayerEditor</name>
    <message>
        <source>Select a player first.</source>
        <translation>Selecciona primero un jugador.</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
No se escribió nada.</translation>
    </message>
    <message>
        <source>Apply Changes: %1</source>
        <translation>Aplicar cambios: %1</translation>
    </message>
    <message>
        <source>Apply Abilities: %1</source>
        <translation>Aplicar habilidades: %1</translation>
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
        <translation>como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>these characters cannot be stored in the game: %1</source>
        <translation>estos caracteres no se pueden guardar en el juego: %1</translation>
    </message>
    <message>
        <source>This entry lies inside the team roster table, which the game keeps over the last player records (from byte %1 of the player database on): writing it would damage the teams&apos; rosters. The entry can be viewed, not edited.</source>
        <translation>Esta entrada está dentro de la tabla de plantillas de los equipos, que el juego guarda sobre los últimos registros de jugadores (desde el byte %1 de la base de datos de jugadores): escribirla dañaría las plantillas de los equipos. La entrada se puede ver, pero no editar.</translation>
    </message>
    <message>
        <source>%1: the stored byte %2 has no flag bit to clear, so it stays as stored and the box shows it set again. The other abilities were written.</source>
        <extracomment>%1 is the special ability Long Throw, %2 a number from 100 to 127</extracomment>
        <translation>%1: el byte guardado %2 no tiene ningún bit de indicador que borrar, así que se queda como está y la casilla vuelve a aparecer marcada. Las demás habilidades se escribieron.</translation>
    </message>
    <message>
        <source>Special abilities (sum of the boxes)</source>
        <translation>Habilidades especiales (suma de las casillas)</translation>
    </message>
</context>
<context>
    <name>PlayerFilter</name>
    <message>
        <source>a value of the list is empty</source>
        <translation>un valor de la lista está vacío</translation>
    </message>
    <message>
        <source>%1: a quote is not closed</source>
        <extracomment>%1 is the filter from its last quote on.</extracomment>
        <translation>%1: una comilla no está cerrada</translation>
    </message>
    <message>
        <source>no column before &quot;%1&quot;</source>
        <translation>no hay ninguna columna antes de &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no column before &quot;%1&quot;; a term has no blanks in it, as in %2%3%4</source>
        <extracomment>%2%3%4 is the term written without its blanks (&quot;speed&gt;=85&quot;).</extracomment>
        <translation>no hay ninguna columna antes de &quot;%1&quot;; un término no lleva espacios, como en %2%3%4</translation>
    </message>
    <message>
        <source>&quot;!&quot; is no operator; use != for &quot;is not&quot;</source>
        <translation>&quot;!&quot; no es un operador; usa != para &quot;no es&quot;</translation>
    </message>
    <message>
        <source>no value after &quot;%1&quot;</source>
        <translation>no hay ningún valor después de &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown column &quot;%1&quot;</source>
        <translation>columna desconocida &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown column &quot;%1&quot; (%2?)</source>
        <extracomment>%2 is the known column nearest to the name typed.</extracomment>
        <translation>columna desconocida &quot;%1&quot; (¿%2?)</translation>
    </message>
    <message>
        <source>a list of values goes with =, != or ~ only</source>
        <translation>una lista de valores solo va con =, != o ~</translation>
    </message>
    <message>
        <source>%1 holds text: compare it with =, != or ~</source>
        <extracomment>%1 is a column name of the filter (&quot;name&quot;).</extracomment>
        <translation>%1 contiene texto: compáralo con =, != o ~</translation>
    </message>
    <message>
        <source>%1 holds whole numbers, and &quot;%2&quot; is none</source>
        <extracomment>%1 is a column name of the filter (&quot;speed&quot;), %2 the value typed.</extracomment>
        <translation>%1 contiene números enteros, y &quot;%2&quot; no lo es</translation>
    </message>
</context>
<context>
    <name>PlayerIndexLoad</name>
    <message>
        <source>The working copy of %1 is %2 bytes, a player database holds at least %3: it looks like a team file. Choose the player database (unnamed_25.bin) with File &gt; Open.</source>
        <translation>La copia de trabajo de %1 tiene %2 bytes, y una base de datos de jugadores tiene al menos %3: parece un archivo de equipos. Elige la base de datos de jugadores (unnamed_25.bin) con Archivo &gt; Abrir.</translation>
    </message>
</context>
<context>
    <name>PlayerRowEdit</name>
    <message>
        <source>%1 shows %2, not %3: the rule of Apply Abilities leaves the stored byte %4 as it is.</source>
        <extracomment>&quot;Apply Abilities&quot; is the button of the player view; %4 is the byte&apos;s value</extracomment>
        <translation>%1 muestra %2, no %3: la regla de Aplicar habilidades deja el byte guardado %4 como está.</translation>
    </message>
    <message>
        <source>%1 shows %2, not %3: the rule of Apply Abilities leaves the stored byte %4 at %5.</source>
        <extracomment>&quot;Apply Abilities&quot; is the button of the player view; %4 and %5 are values</extracomment>
        <translation>%1 muestra %2, no %3: la regla de Aplicar habilidades deja el byte guardado %4 en %5.</translation>
    </message>
    <message>
        <source>%1 shows %2, not %3: the view checks the box of the registered position.</source>
        <translation>%1 muestra %2, no %3: la vista marca la casilla de la posición registrada.</translation>
    </message>
    <message>
        <source>%1 shows %2, not %3: the view shows the bytes written that way.</source>
        <translation>%1 muestra %2, no %3: la vista muestra así los bytes escritos.</translation>
    </message>
</context>
<context>
    <name>PlayerSheet</name>
    <message>
        <source>enter a record index from 0 to %1.</source>
        <translation>introduce un índice de registro del 0 al %1.</translation>
    </message>
    <message>
        <source>record %1 is on row %2 already.</source>
        <translation>el registro %1 ya está en la fila %2.</translation>
    </message>
    <message>
        <source>the ID of record %1 is %2; the row belongs to another player or the sheet to another database.</source>
        <translation>el ID del registro %1 es %2; la fila pertenece a otro jugador o la hoja a otra base de datos.</translation>
    </message>
    <message>
        <source>The player database is too short: it has %1 bytes, but its %2 player records end at byte %3.</source>
        <translation>La base de datos de jugadores es demasiado corta: tiene %1 bytes, pero sus %2 registros de jugadores terminan en el byte %3.</translation>
    </message>
</context>
<context>
    <name>PlayerTableWindow</name>
    <message>
        <source>Player Table</source>
        <translation>Tabla de jugadores</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtro:</translation>
    </message>
    <message>
        <source>Any position</source>
        <translation>Cualquier posición</translation>
    </message>
    <message>
        <source>Change Field…</source>
        <translation>Cambiar campo…</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tabla</translation>
    </message>
    <message>
        <source>Any team</source>
        <translation>Cualquier equipo</translation>
    </message>
    <message>
        <source>Free agents</source>
        <translation>Agentes libres</translation>
    </message>
    <message>
        <source>%1 of %2 players</source>
        <translation>%1 de %2 jugadores</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>%1 selected player</source>
        <translation>%1 jugador seleccionado</translation>
    </message>
    <message>
        <source>%1 selected players</source>
        <translation>%1 jugadores seleccionados</translation>
    </message>
    <message>
        <source>All %1 players</source>
        <translation>Todos los jugadores (%1)</translation>
    </message>
    <message>
        <source>%1 players shown by the filter</source>
        <translation>%1 jugadores mostrados por el filtro</translation>
    </message>
    <message>
        <source>Select the cell the paste starts at first.</source>
        <translation>Selecciona primero la celda donde empieza lo pegado.</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
No se escribió nada.</translation>
    </message>
    <message>
        <source>Paste %1 cell</source>
        <extracomment>The step&apos;s name in the Edit menu.</extracomment>
        <translation>Pegar %1 celda</translation>
    </message>
    <message>
        <source>Paste %1 cells</source>
        <translation>Pegar %1 celdas</translation>
    </message>
    <message>
        <source>Edit %1: %2</source>
        <extracomment>The step&apos;s name in the Edit menu: %1 is a column name of the player table (&quot;speed&quot;), %2 the player&apos;s name.</extracomment>
        <translation>Editar %1: %2</translation>
    </message>
</context>
<context>
    <name>PlayerView</name>
    <message>
        <source>The player&apos;s record cannot be found. Press Load again.</source>
        <translation>No se encuentra el registro del jugador. Vuelve a hacer clic en Cargar.</translation>
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

Muestra los jugadores de PLAYER_DB (registros 0-6449, las filas de la hoja de jugadores) que FILTER
deja pasar: una fila de encabezado y luego una fila por jugador, separadas por tabuladores
(--format csv: como la hoja de jugadores escribe sus celdas). Las columnas son las de la hoja de
jugadores y, con TEAM_FILE, también teams (las plantillas en las que está el jugador), numbers (sus
dorsales en ellas) y squads (en cuántas está).

  --where FILTER     términos separados por espacios, que deben cumplirse todos; un término es
                     COLUMN OP VALUE, con OP uno de = != &lt; &lt;= &gt; &gt;= ~ (contiene, sin distinguir
                     mayúsculas ni acentos):
                     speed&gt;=85 position=CF,SS teams~&quot;real madrid&quot; squads=0 age&lt;21.
                     Una palabra sola busca en los nombres. Los valores son los que muestra la hoja.
  --columns A,B,...  las columnas que se muestran, en ese orden (todas si no se indica)
  --sort COLUMN,...  el orden de las filas: por la primera columna y, las de valores iguales, por la
                     siguiente; -COLUMN para los más altos primero. Los números se ordenan como
                     números.
  --format tsv|csv   tsv (predeterminado) o csv

Código de salida: 0 hecho (también si ningún jugador coincide), 1 no se puede leer un archivo, 2 uso
incorrecto o filtro incorrecto.</translation>
    </message>
    <message>
        <source>%1: unknown column &quot;%2&quot;</source>
        <translation>%1: columna desconocida &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: unknown column &quot;%2&quot; (%3?)</source>
        <translation>%1: columna desconocida &quot;%2&quot; (¿%3?)</translation>
    </message>
    <message>
        <source>--format is tsv or csv, not &quot;%1&quot;</source>
        <translation>--format es tsv o csv, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the column %1 needs the team file: rosterly-cli players PLAYER_DB TEAM_FILE ...</source>
        <translation>la columna %1 requiere el archivo de equipos: rosterly-cli players PLAYER_DB TEAM_FILE ...</translation>
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

Saca al jugador con ID de la plantilla del equipo --from (un equipo que lista el archivo de
equipos), con las reglas de plantilla del editor: los jugadores que van detrás de él suben una plaza
y las plazas vacías quedan detrás de los jugadores. Sigue en cualquier otra plantilla en la que
esté.

  --dry-run   muestra el cambio, no escribe nada

Muestra el cambio, &quot;Boris Brown (7): released from Brazil&quot;, y luego reemplaza la base de datos de
jugadores en un único paso atómico (un archivo del juego comprimido se vuelve a comprimir; una copia
de trabajo, *.unzlib, se escribe tal cual), después de guardar el archivo tal como estaba en la
carpeta backups junto a él. El archivo de equipos solo se lee.

Código de salida: 0 hecho, 1 rechazado (el motivo en la salida de error estándar, no se escribe
nada) o no se puede leer un archivo, 2 uso incorrecto.</translation>
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
        <translation>Cara: unnamed_%1.bin</translation>
    </message>
    <message>
        <source>Hair: unnamed_%1.bin</source>
        <extracomment>unnamed_%1.bin is the name of the game file that holds the hair; %1 is its number</extracomment>
        <translation>Pelo: unnamed_%1.bin</translation>
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

Pone BACKUP en lugar de su archivo del juego en un único paso atómico. BACKUP es uno de los archivos
que se guardan en la carpeta backups junto a un archivo del juego antes de cada reemplazo, con un
nombre basado en el suyo: GAME_FILE.yyyyMMdd-HHmmss.bak o GAME_FILE.yyyyMMdd-HHmmss-N.bak. Antes se
hace una copia de seguridad del archivo del juego tal como está ahora, así que una restauración se
puede deshacer del mismo modo. rosterly-cli backups GAME_FILE las lista.

Código de salida: 0 restaurado, 1 rechazado (no es una copia de seguridad, o no se puede leer o
restaurar; el archivo del juego queda como estaba), 2 uso incorrecto.</translation>
    </message>
</context>
<context>
    <name>RosterImport</name>
    <message>
        <source>enter a whole number from %1 to %2.</source>
        <translation>introduce un número entero del %1 al %2.</translation>
    </message>
    <message>
        <source>%1 is in %2 already, on row %3.</source>
        <extracomment>%1 is a player, %2 a team, %3 a row number</extracomment>
        <translation>%1 ya está en %2, en la fila %3.</translation>
    </message>
    <message>
        <source>Shirt number %1 is taken by %2 in %3 (row %4).</source>
        <extracomment>%2 is a player, %3 a team, %4 a row number</extracomment>
        <translation>El dorsal %1 lo lleva %2 en %3 (fila %4).</translation>
    </message>
    <message>
        <source>%1 has no roster record in the player database.</source>
        <translation>%1 no tiene registro de plantilla en la base de datos de jugadores.</translation>
    </message>
    <message>
        <source>no team of the team file has the ID %1.</source>
        <translation>ningún equipo del archivo de equipos tiene el ID %1.</translation>
    </message>
    <message>
        <source>player ID 0 marks an empty slot; to empty the slot, delete its row.</source>
        <translation>el ID de jugador 0 indica una plaza vacía; para vaciar la plaza, borra su fila.</translation>
    </message>
    <message>
        <source>no player of the database has the ID %1.</source>
        <translation>ningún jugador de la base de datos tiene el ID %1.</translation>
    </message>
    <message>
        <source>slot %1 of %2 is on row %3 already.</source>
        <extracomment>%1 is a slot number, %2 a team, %3 a row number</extracomment>
        <translation>la plaza %1 de %2 ya está en la fila %3.</translation>
    </message>
</context>
<context>
    <name>RosterView</name>
    <message>
        <source>Team: %1</source>
        <translation>Equipo: %1</translation>
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
      escribe players.csv (y teams.csv y rosters.csv con el archivo de equipos) en DIR, o .xlsx
  import PLAYER_DB [TEAM_FILE] [--players FILE | --rosters FILE] [--teams FILE] [--dry-run]
      aplica hojas editadas a los archivos del juego
  diff OLD_DB NEW_DB [OLD_TEAMS NEW_TEAMS]
      lista cada campo que difiere entre dos bases de datos (y archivos de equipos)
  backups GAME_FILE
      lista las copias de seguridad de un archivo del juego, de la más reciente a la más antigua
  restore BACKUP
      pone una copia de seguridad en lugar de su archivo del juego (del que antes se hace copia)
  squad PLAYER_DB TEAM_FILE TEAM_ID
      muestra la plantilla de un equipo: plaza, dorsal, ID de jugador y nombre
  transfer PLAYER_DB TEAM_FILE --player ID --to TEAM_ID [--from TEAM_ID] [--number N]
           [--call-up] [--dry-run]
      lleva a un jugador a otra plantilla (o lo convoca, o ficha a un agente libre)
  release PLAYER_DB TEAM_FILE --player ID --from TEAM_ID [--dry-run]
      saca a un jugador de una plantilla
  check PLAYER_DB TEAM_FILE
      lista cada problema de las plantillas
  players PLAYER_DB [TEAM_FILE] [--where FILTER] [--columns A,B] [--sort [-]COLUMN]
          [--format tsv|csv]
      muestra los jugadores que deja pasar un filtro: speed&gt;=85 position=CF,SS teams~madrid
  set PLAYER_DB [TEAM_FILE] --where FILTER --column COLUMN (--value V | --add N
      | --subtract N | --at-least N | --at-most N) [--dry-run]
      cambia una columna de cada jugador que deja pasar un filtro
  merge PLAYER_DB TEAM_FILE OTHER_DB [OTHER_TEAM_FILE] [--parts P,...] [--where FILTER]
        [--players ID,...] [--teams ID,...] [--skip-refused] [--dry-run]
      toma jugadores, plantillas y nombres de equipos de otro par de archivos del juego

Los archivos del juego son archivos del juego comprimidos (unnamed_25.bin) o copias de trabajo
(unnamed_25.bin.unzlib).
rosterly-cli COMMAND --help da más información sobre un comando.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se indicó ningún comando</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>comando desconocido &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>SaveJob</name>
    <message>
        <source>A save is in progress. %1 when it has finished.</source>
        <extracomment>%1 is what has to wait, as a request (&quot;Close the window again&quot;, &quot;Open a file&quot;).</extracomment>
        <translation>Hay un guardado en curso. %1 cuando haya terminado.</translation>
    </message>
    <message>
        <source>No game file is open, so there is nothing to save. Use File &gt; Open first.</source>
        <translation>No hay ningún archivo del juego abierto, así que no hay nada que guardar. Usa primero Archivo &gt; Abrir.</translation>
    </message>
    <message>
        <source>Save again</source>
        <translation>Vuelve a guardar</translation>
    </message>
    <message>
        <source>%1
The game file was not changed.</source>
        <translation>%1
El archivo del juego no se modificó.</translation>
    </message>
    <message>
        <source>The working copy %1 is missing or shorter than a complete one (%2 bytes), so it is not saved. The game file was not changed.</source>
        <translation>La copia de trabajo %1 no existe o es más corta que una completa (%2 bytes), así que no se guarda. El archivo del juego no se modificó.</translation>
    </message>
    <message>
        <source>The codec tool did not finish compressing within %1 seconds. The game file was not changed.</source>
        <translation>La herramienta de códec no terminó de comprimir en %1 segundos. El archivo del juego no se modificó.</translation>
    </message>
    <message>
        <source>Compressing the working copy failed: %1
The game file was not changed.</source>
        <translation>Falló la compresión de la copia de trabajo: %1
El archivo del juego no se modificó.</translation>
    </message>
    <message>
        <source>DONE!</source>
        <extracomment>The message box that ends a save that replaced the game file.</extracomment>
        <translation>¡LISTO!</translation>
    </message>
    <message>
        <source>The compressed result %1 is missing or unreadable: %2</source>
        <translation>El resultado comprimido %1 no existe o no se puede leer: %2</translation>
    </message>
    <message>
        <source>The compressed result %1 is damaged.</source>
        <translation>El resultado comprimido %1 está dañado.</translation>
    </message>
    <message>
        <source>The game file %1 could not be replaced: %2</source>
        <translation>No se pudo reemplazar el archivo del juego %1: %2</translation>
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

Cambia una columna de cada jugador que FILTER deja pasar (registros 0-6449; el lenguaje de filtros
de rosterly-cli players, --where &quot;&quot; para todos los jugadores): la fija en V, le suma o resta N
(habilidades limitadas a 1-99, un valor guardado por encima de 99 se conserva salvo que el cambio lo
baje; otros números limitados al rango que acepta la casilla del editor), o sube una habilidad a al
menos N o la limita a como máximo N. Cada valor se comprueba y se escribe exactamente como lo haría
una importación de hoja de esa celda. teams, numbers y squads en el filtro requieren TEAM_FILE, que
solo se lee.

Muestra una línea por campo cambiado, como import y diff (&quot;index id name: field old -&gt; new&quot;), y
luego lo que hizo el cambio (&quot;97 jugadores cambian, 12 limitados a 99, 11 ya en 99&quot;). PLAYER_DB se
reemplaza en un único paso atómico en su propio formato, después de guardar el archivo tal como
estaba en sus copias de seguridad.

  --dry-run   muestra los cambios, no escribe nada

Código de salida: 0 hecho o nada que cambiar, 1 rechazado (cada motivo en la salida de error
estándar, no se escribe nada) o no se puede leer un archivo, 2 uso incorrecto o filtro incorrecto.</translation>
    </message>
    <message>
        <source>--where FILTER is missing (--where &quot;&quot; changes every player)</source>
        <translation>falta --where FILTER (--where &quot;&quot; cambia todos los jugadores)</translation>
    </message>
    <message>
        <source>--column COLUMN is missing</source>
        <translation>falta --column COLUMN</translation>
    </message>
    <message>
        <source>give one of --value, --add, --subtract, --at-least, --at-most</source>
        <translation>indica una de estas opciones: --value, --add, --subtract, --at-least, --at-most</translation>
    </message>
    <message>
        <source>--column: &quot;%1&quot; is no column a change writes</source>
        <translation>--column: &quot;%1&quot; no es una columna que se pueda cambiar</translation>
    </message>
    <message>
        <source>--column: &quot;%1&quot; is no column a change writes (%2?)</source>
        <translation>--column: &quot;%1&quot; no es una columna que se pueda cambiar (¿%2?)</translation>
    </message>
    <message>
        <source>the column %1 needs the team file</source>
        <translation>la columna %1 requiere el archivo de equipos</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>No se escribió nada.</translation>
    </message>
</context>
<context>
    <name>SheetErrors</name>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>%1 is a row number, %2 the name of the sheet&apos;s column, %3 what is wrong</extracomment>
        <translation>fila %1, columna %2: %3</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>fila %1: %2</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… y %1 más</translation>
    </message>
</context>
<context>
    <name>SheetFile</name>
    <message>
        <source>the game file is too short to be written as a sheet</source>
        <translation>el archivo del juego es demasiado corto para escribirse como hoja</translation>
    </message>
</context>
<context>
    <name>SheetHeader</name>
    <message>
        <source>row 1: the sheet is empty; it needs a header row naming its columns (%1, …).</source>
        <extracomment>%1 is the name of the sheet&apos;s first column, as the sheet must name it</extracomment>
        <translation>fila 1: la hoja está vacía; necesita una fila de encabezado con los nombres de sus columnas (%1, …).</translation>
    </message>
    <message>
        <source>unknown column.</source>
        <translation>columna desconocida.</translation>
    </message>
    <message>
        <source>the column is named twice.</source>
        <translation>la columna aparece dos veces.</translation>
    </message>
    <message>
        <source>the column %1 is missing; the sheet needs it to match its rows.</source>
        <translation>falta la columna %1; la hoja la necesita para emparejar sus filas.</translation>
    </message>
    <message>
        <source>the row has %1 cells, the header %2.</source>
        <translation>la fila tiene %1 celdas, y el encabezado %2.</translation>
    </message>
</context>
<context>
    <name>SheetText</name>
    <message>
        <source>a zip archive, as an .xlsx workbook is: give it the name .xlsx or save it as CSV</source>
        <translation>un archivo zip, como lo es un libro .xlsx: ponle la extensión .xlsx o guárdalo como CSV</translation>
    </message>
    <message>
        <source>a PNG image</source>
        <translation>una imagen PNG</translation>
    </message>
    <message>
        <source>a JPEG image</source>
        <translation>una imagen JPEG</translation>
    </message>
    <message>
        <source>a GIF image</source>
        <translation>una imagen GIF</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>un documento PDF</translation>
    </message>
    <message>
        <source>an Excel 97-2003 workbook (.xls) or another old Office file: save it as .xlsx or CSV</source>
        <translation>un libro de Excel 97-2003 (.xls) u otro archivo antiguo de Office: guárdalo como .xlsx o CSV</translation>
    </message>
    <message>
        <source>a game file, not a sheet</source>
        <translation>un archivo del juego, no una hoja</translation>
    </message>
    <message>
        <source>binary data (a NUL byte at byte %1)</source>
        <translation>datos binarios (un byte NUL en el byte %1)</translation>
    </message>
    <message>
        <source>binary data (%1 of its %2 bytes are control bytes)</source>
        <translation>datos binarios (%1 de sus %2 bytes son bytes de control)</translation>
    </message>
    <message>
        <source>the sheet begins as UTF-16 text, but its bytes are not UTF-16.</source>
        <translation>la hoja empieza como texto UTF-16, pero sus bytes no son UTF-16.</translation>
    </message>
    <message>
        <source>the sheet begins with &quot;ï»¿&quot;, a UTF-8 byte-order mark that a program read as Windows-1252 text before saving the sheet; it was read as the mark.</source>
        <translation>la hoja empieza con &quot;ï»¿&quot;, una marca de orden de bytes UTF-8 que un programa leyó como texto Windows-1252 antes de guardar la hoja; se ha leído como la marca.</translation>
    </message>
    <message>
        <source>it is not a text sheet: it looks like %1.</source>
        <translation>no es una hoja de texto: parece %1.</translation>
    </message>
    <message>
        <source>the sheet is not UTF-8 (row %1 is the first that is not); it was read as Windows-1252, the game&apos;s own code page, in which older Excel saves CSV.</source>
        <translation>la hoja no está en UTF-8 (la fila %1 es la primera que no lo está); se leyó como Windows-1252, la página de códigos del propio juego, en la que las versiones antiguas de Excel guardan los CSV.</translation>
    </message>
</context>
<context>
    <name>SpreadsheetMenu</name>
    <message>
        <source>Open a player database and press Load first.</source>
        <translation>Primero abre una base de datos de jugadores y haz clic en Cargar.</translation>
    </message>
    <message>
        <source>%1 could not be made: %2</source>
        <translation>No se pudo crear %1: %2</translation>
    </message>
    <message>
        <source>%1 exists already. Replace it?</source>
        <translation>%1 ya existe. ¿Quieres reemplazarlo?</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>Export again</source>
        <translation>Vuelve a exportar</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Exportar a Excel</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Exportar a CSV</translation>
    </message>
    <message>
        <source>Wrote %1 to %2.</source>
        <extracomment>%1 lists the sheets&apos; file names.</extracomment>
        <translation>Escrito en %2: %1.</translation>
    </message>
    <message>
        <source>Import again</source>
        <translation>Vuelve a importar</translation>
    </message>
    <message>
        <source>Import Sheet</source>
        <translation>Importar hoja</translation>
    </message>
    <message>
        <source>Spreadsheet (CSV or Excel)</source>
        <translation>Hoja de cálculo (CSV o Excel)</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2
Nothing was written.</source>
        <translation>No se puede importar %1: %2
No se escribió nada.</translation>
    </message>
    <message>
        <source>%1 is neither a players sheet (it has no index column) nor a teams sheet (no position column). Nothing was written.</source>
        <translation>%1 no es ni una hoja de jugadores (no tiene columna index) ni una hoja de equipos (no tiene columna position). No se escribió nada.</translation>
    </message>
    <message>
        <source>%1 holds team names, but no team file is loaded. Load the team file first. Nothing was written.</source>
        <translation>%1 contiene nombres de equipos, pero no hay ningún archivo de equipos cargado. Carga primero el archivo de equipos. No se escribió nada.</translation>
    </message>
    <message>
        <source>%1 holds the teams&apos; rosters, but no team file is loaded. Load the team file first. Nothing was written.</source>
        <translation>%1 contiene las plantillas de los equipos, pero no hay ningún archivo de equipos cargado. Carga primero el archivo de equipos. No se escribió nada.</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
No se escribió nada.</translation>
    </message>
    <message>
        <source>%1 was refused:
%2
Nothing was written.</source>
        <translation>Se rechazó %1:
%2
No se escribió nada.</translation>
    </message>
    <message>
        <source>%1 changes nothing: every cell shows what the file holds already.%2</source>
        <extracomment>%2 is empty or the sheet&apos;s notes, on lines of their own.</extracomment>
        <translation>%1 no cambia nada: cada celda muestra lo que el archivo ya contiene.%2</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <extracomment>After the first changes listed: how many more there are.</extracomment>
        <translation>… y %1 más</translation>
    </message>
    <message>
        <source>%1 changes %2 %3 in %4 %5:
%6%7

Write these changes into the working copy?</source>
        <extracomment>%1 is the sheet, %2 and %3 how many fields (&quot;1 field&quot;, &quot;5 fields&quot;), %4 and %5 how many records; the changes follow on lines of their own (%6), then the notes (%7).</extracomment>
        <translation>%1 cambia %2 %3 en %4 %5:
%6%7

¿Escribir estos cambios en la copia de trabajo?</translation>
    </message>
    <message>
        <source>field</source>
        <translation>campo</translation>
    </message>
    <message>
        <source>fields</source>
        <translation>campos</translation>
    </message>
    <message>
        <source>record</source>
        <translation>registro</translation>
    </message>
    <message>
        <source>records</source>
        <translation>registros</translation>
    </message>
    <message>
        <source>Import %1 (%2 record)</source>
        <extracomment>The step&apos;s name in the Edit menu: %1 is the sheet&apos;s file name, %2 how many records.</extracomment>
        <translation>Importar %1 (%2 registro)</translation>
    </message>
    <message>
        <source>Import %1 (%2 records)</source>
        <translation>Importar %1 (%2 registros)</translation>
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

Muestra la plantilla del equipo con TEAM_ID: su registro de plantilla, el primero de la tabla de
plantillas de la base de datos de jugadores que lleva ese ID. Primero una línea con el nombre del
equipo, su ID y el número de jugadores, &quot;Austria (team ID 100): 25 players&quot;, y luego una línea por
plaza ocupada en orden de plaza, con cuatro campos separados por tabuladores: la plaza (0-31), el
dorsal, el ID de jugador y el nombre del jugador (&quot;(no player of the database)&quot; para un ID que no
tiene ningún registro 0-6449). TEAM_ID debe ser un equipo que liste el archivo de equipos; uno
negativo va después de --: rosterly-cli squad PLAYER_DB TEAM_FILE -- -1.
Los equipos y sus IDs figuran en teams.csv, que escribe rosterly-cli export.

Código de salida: 0 mostrado, 1 el archivo de equipos no lista ese equipo, el equipo no tiene
registro de plantilla o no se puede leer un archivo, 2 uso incorrecto.</translation>
    </message>
    <message>
        <source>TEAM_ID is a number, not &quot;%1&quot;</source>
        <translation>TEAM_ID es un número, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 has no roster record in the player database.</source>
        <translation>%1 no tiene registro de plantilla en la base de datos de jugadores.</translation>
    </message>
</context>
<context>
    <name>SquadEditor</name>
    <message>
        <source>Squads</source>
        <translation>Plantillas</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Plaza</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>The column of shirt numbers</extracomment>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Transfer →</source>
        <translation>Traspasar →</translation>
    </message>
    <message>
        <source>← Transfer</source>
        <translation>← Traspasar</translation>
    </message>
    <message>
        <source>Call up →</source>
        <translation>Convocar →</translation>
    </message>
    <message>
        <source>Release</source>
        <extracomment>A button that takes the selected player out of his squad</extracomment>
        <translation>Liberar</translation>
    </message>
    <message>
        <source>Swap</source>
        <extracomment>A button that swaps the players selected on the left and on the right</extracomment>
        <translation>Intercambiar</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Find a player:</source>
        <translation>Buscar jugador:</translation>
    </message>
    <message>
        <source>any part of the name</source>
        <translation>cualquier parte del nombre</translation>
    </message>
    <message>
        <source>Free agents</source>
        <translation>Agentes libres</translation>
    </message>
    <message>
        <source>Choose a player in the left table first.</source>
        <translation>Elige primero un jugador en la tabla de la izquierda.</translation>
    </message>
    <message>
        <source>Choose a player in the right table first.</source>
        <translation>Elige primero un jugador en la tabla de la derecha.</translation>
    </message>
    <message>
        <source>Team ID %1</source>
        <translation>ID de equipo %1</translation>
    </message>
    <message>
        <source>Press Load first: the squads shown are not those of the file now open.</source>
        <translation>Haz clic primero en Cargar: las plantillas mostradas no son las del archivo abierto ahora.</translation>
    </message>
    <message>
        <source>The player database&apos;s working copy cannot be read, or ends before its roster table.
Nothing was written.</source>
        <translation>La copia de trabajo de la base de datos de jugadores no se puede leer o termina antes de su tabla de plantillas.
No se escribió nada.</translation>
    </message>
    <message>
        <source>%1 is a free agent already: choose the team he joins on the left.</source>
        <translation>%1 ya es agente libre: elige a la izquierda el equipo al que se une.</translation>
    </message>
    <message>
        <source>%1 is a free agent already: choose the team he joins on the right.</source>
        <translation>%1 ya es agente libre: elige a la derecha el equipo al que se une.</translation>
    </message>
    <message>
        <source>Release: %1 from %2</source>
        <translation>Liberar: %1 de %2</translation>
    </message>
    <message>
        <source>Transfer: %1 to %2</source>
        <translation>Traspasar: %1 a %2</translation>
    </message>
    <message>
        <source>A call-up needs a team on the right, not the free agents.</source>
        <translation>Una convocatoria necesita un equipo a la derecha, no los agentes libres.</translation>
    </message>
    <message>
        <source>Call up: %1 to %2</source>
        <translation>Convocar: %1 a %2</translation>
    </message>
    <message>
        <source>%1 is a free agent already.</source>
        <translation>%1 ya es agente libre.</translation>
    </message>
    <message>
        <source>A swap takes players of two teams; a free agent joins a squad by a transfer.</source>
        <translation>Un intercambio toma jugadores de dos equipos; un agente libre se une a una plantilla mediante un traspaso.</translation>
    </message>
    <message>
        <source>Swap: %1 and %2</source>
        <translation>Intercambiar: %1 y %2</translation>
    </message>
    <message>
        <source>The free agents are in no squad, whose order could change.</source>
        <translation>Los agentes libres no están en ninguna plantilla cuyo orden se pueda cambiar.</translation>
    </message>
    <message>
        <source>Move Up: %1 in %2</source>
        <translation>Subir: %1 en %2</translation>
    </message>
    <message>
        <source>Move Down: %1 in %2</source>
        <translation>Bajar: %1 en %2</translation>
    </message>
    <message>
        <source>Shirt number: %1 to %2</source>
        <translation>Dorsal: %1 a %2</translation>
    </message>
    <message>
        <source>free agent</source>
        <translation>agente libre</translation>
    </message>
</context>
<context>
    <name>SquadFiles</name>
    <message>
        <source>the player database and the team file are the same file</source>
        <translation>la base de datos de jugadores y el archivo de equipos son el mismo archivo</translation>
    </message>
    <message>
        <source>The team file lists no team with team ID %1.</source>
        <translation>El archivo de equipos no lista ningún equipo con el ID de equipo %1.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>No se escribió nada.</translation>
    </message>
    <message>
        <source>%1 %2 is missing</source>
        <translation>falta %1 %2</translation>
    </message>
    <message>
        <source>%1 takes a number, not &quot;%2&quot;</source>
        <translation>%1 admite un número, no &quot;%2&quot;</translation>
    </message>
    <message>
        <source>player ID 0 marks an empty slot; give a player&apos;s ID</source>
        <translation>el ID de jugador 0 indica una plaza vacía; indica el ID de un jugador</translation>
    </message>
</context>
<context>
    <name>SquadRules</name>
    <message>
        <source>Shirt numbers run from %1 to %2.</source>
        <translation>Los dorsales van del %1 al %2.</translation>
    </message>
    <message>
        <source>Player ID %1</source>
        <translation>ID de jugador %1</translation>
    </message>
    <message>
        <source>Team ID %1</source>
        <translation>ID de equipo %1</translation>
    </message>
    <message>
        <source>%1 has no roster record in the player database.</source>
        <translation>%1 no tiene registro de plantilla en la base de datos de jugadores.</translation>
    </message>
    <message>
        <source>Shirt number %1 is taken by %2 in %3.</source>
        <translation>El dorsal %1 lo lleva %2 en %3.</translation>
    </message>
    <message>
        <source>%1 is not in %2.</source>
        <translation>%1 no está en %2.</translation>
    </message>
    <message>
        <source>%1 is in %2 already.</source>
        <translation>%1 ya está en %2.</translation>
    </message>
    <message>
        <source>%1 has %2 players already, the most a squad can hold.</source>
        <translation>%1 ya tiene %2 jugadores, el máximo que admite una plantilla.</translation>
    </message>
    <message>
        <source>The roster table holds no record beside that of %1.</source>
        <translation>La tabla de plantillas no contiene ningún registro además del de %1.</translation>
    </message>
    <message>
        <source>%1 and %2 are both in %3; a swap takes players of two teams.</source>
        <translation>%1 y %2 están ambos en %3; un intercambio toma jugadores de dos equipos.</translation>
    </message>
    <message>
        <source>%1 is first in %2 already.</source>
        <translation>%1 ya es el primero en %2.</translation>
    </message>
    <message>
        <source>%1 is last in %2 already.</source>
        <translation>%1 ya es el último en %2.</translation>
    </message>
</context>
<context>
    <name>TeamNameTable</name>
    <message>
        <source>may have at most %1 characters.</source>
        <translation>puede tener como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>holds characters the game cannot store: %1</source>
        <translation>contiene caracteres que el juego no puede guardar: %1</translation>
    </message>
    <message>
        <source>The team name may have at most %1 characters.</source>
        <translation>El nombre del equipo puede tener como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>The team name holds characters the game cannot store: %1</source>
        <translation>El nombre del equipo contiene caracteres que el juego no puede guardar: %1</translation>
    </message>
    <message>
        <source>The short name may have at most %1 characters.</source>
        <translation>El nombre corto puede tener como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>The short name holds characters the game cannot store: %1</source>
        <translation>El nombre corto contiene caracteres que el juego no puede guardar: %1</translation>
    </message>
</context>
<context>
    <name>TeamSheet</name>
    <message>
        <source>The team file is too short: it has %1 bytes, but its team names end at byte %2.</source>
        <translation>El archivo de equipos es demasiado corto: tiene %1 bytes, pero sus nombres de equipos terminan en el byte %2.</translation>
    </message>
    <message>
        <source>enter a team position from 0 to %1.</source>
        <translation>introduce una posición de equipo del 0 al %1.</translation>
    </message>
    <message>
        <source>team %1 is on row %2 already.</source>
        <translation>el equipo %1 ya está en la fila %2.</translation>
    </message>
    <message>
        <source>this team has no team ID to change; leave the cell empty.</source>
        <translation>este equipo no tiene ningún ID de equipo que cambiar; deja la celda vacía.</translation>
    </message>
    <message>
        <source>team IDs are not edited here; the team&apos;s is %1.</source>
        <translation>los IDs de equipo no se editan aquí; el de este equipo es %1.</translation>
    </message>
    <message>
        <source>the team is listed past the end of the short names and has no short name that could be written.</source>
        <translation>el equipo figura después del final de los nombres cortos y no tiene un nombre corto que se pueda escribir.</translation>
    </message>
    <message>
        <source>the team file ends at byte %1, before this team&apos;s name entry does.</source>
        <translation>el archivo de equipos termina en el byte %1, antes de que termine la entrada del nombre de este equipo.</translation>
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

Saca al jugador con ID de la plantilla del equipo --from y lo pone en la plantilla del equipo --to,
con las reglas de plantilla del editor: se une detrás de los jugadores que ya hay, con el dorsal N,
o si no con el número que llevaba si nadie lo lleva en la nueva plantilla, o si no con el más bajo
libre. Una plantilla tiene como máximo 32 jugadores, cada uno una sola vez, con dorsales del 1 al 99
que nadie más lleva en ella; las plazas vacías de una plantilla modificada quedan detrás de sus
jugadores. Los IDs de equipo son los que lista el archivo de equipos.

Sin --from, el jugador deja la única plantilla en la que está (aparte de la de --to). Un jugador que
está en varias necesita --from; un jugador que no está en ninguna, un agente libre, se une a --to.

  --call-up   lo mantiene también en la plantilla de --from (la convocatoria de una selección)
  --dry-run   muestra el cambio, no escribe nada

Muestra el cambio, &quot;Boris Brown (7): Brazil -&gt; Austria, shirt number 7&quot; (&quot;called up from Brazil
to Austria&quot;, &quot;free agent -&gt; Austria&quot; en los demás casos), y luego reemplaza la base de datos de
jugadores en un único paso atómico (un archivo del juego comprimido se vuelve a comprimir; una copia
de trabajo, *.unzlib, se escribe tal cual), después de guardar el archivo tal como estaba en la
carpeta backups junto a él. El archivo de equipos solo se lee.

Código de salida: 0 hecho, 1 rechazado (el motivo en la salida de error estándar, no se escribe
nada) o no se puede leer un archivo, 2 uso incorrecto.</translation>
    </message>
    <message>
        <source>--number takes a shirt number, not &quot;%1&quot;</source>
        <translation>--number admite un dorsal, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 (team ID %2)</source>
        <translation>%1 (ID de equipo %2)</translation>
    </message>
    <message>
        <source>Player ID %1</source>
        <translation>ID de jugador %1</translation>
    </message>
    <message>
        <source>%1 is in %2 squads: %3; say which he leaves with --from TEAM_ID.</source>
        <extracomment>%2 is the number of squads (always more than one), %3 lists them</extracomment>
        <translation>%1 está en %2 plantillas: %3; indica cuál deja con --from TEAM_ID.</translation>
    </message>
    <message>
        <source>No player of the database has player ID %1.</source>
        <translation>Ningún jugador de la base de datos tiene el ID de jugador %1.</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>%1 (another program may hold the file open: close it and try again)</source>
        <translation>%1 (puede que otro programa tenga el archivo abierto: ciérralo y vuelve a intentarlo)</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: no existe el archivo</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: no es un archivo normal</translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2</source>
        <translation>%1: no se puede abrir: %2</translation>
    </message>
    <message>
        <source>%1: the file is %2 bytes, more than the %3 MiB a game file or sheet may have</source>
        <translation>%1: el archivo ocupa %2 bytes, más de los %3 MiB que puede tener un archivo del juego o una hoja</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: no se puede leer: %2</translation>
    </message>
    <message>
        <source>No space left on device (%1 bytes free, %2 needed)</source>
        <translation>No queda espacio en el dispositivo (%1 bytes libres, %2 necesarios)</translation>
    </message>
</context>
<context>
    <name>WorkingCopy</name>
    <message>
        <source>The working copy %1 cannot be opened: %2</source>
        <translation>No se puede abrir la copia de trabajo %1: %2</translation>
    </message>
    <message>
        <source>The working copy %1 is too short: it has %2 bytes, but %3 are needed. Wait until the codec has finished, or open the game file again.</source>
        <translation>La copia de trabajo %1 es demasiado corta: tiene %2 bytes, pero se necesitan %3. Espera a que termine el códec o vuelve a abrir el archivo del juego.</translation>
    </message>
    <message>
        <source>Reading the working copy %1 failed: %2</source>
        <translation>Falló la lectura de la copia de trabajo %1: %2</translation>
    </message>
    <message>
        <source>The working copy %1 has %2 bytes and cannot be read up to byte %3.</source>
        <translation>La copia de trabajo %1 tiene %2 bytes y no se puede leer hasta el byte %3.</translation>
    </message>
    <message>
        <source>Refusing to write before the start of %1.</source>
        <translation>No se permite escribir antes del inicio de %1.</translation>
    </message>
    <message>
        <source>The working copy %1 cannot be opened for writing: %2</source>
        <translation>No se puede abrir la copia de trabajo %1 para escribir: %2</translation>
    </message>
    <message>
        <source>The working copy %1 is too short: it has %2 bytes, but the change reaches byte %3. Nothing was written.</source>
        <translation>La copia de trabajo %1 es demasiado corta: tiene %2 bytes, pero el cambio llega hasta el byte %3. No se escribió nada.</translation>
    </message>
    <message>
        <source>Writing the working copy %1 failed: %2. Nothing of the change was kept.</source>
        <translation>Falló la escritura de la copia de trabajo %1: %2. No se conservó nada del cambio.</translation>
    </message>
</context>
<context>
    <name>WorkingCopyDifference</name>
    <message>
        <source>the game file holds %1 bytes, the working copy %2</source>
        <translation>el archivo del juego contiene %1 bytes, y la copia de trabajo %2</translation>
    </message>
    <message>
        <source>%1 byte differs</source>
        <translation>%1 byte difiere</translation>
    </message>
    <message>
        <source>%1 bytes differ</source>
        <translation>%1 bytes difieren</translation>
    </message>
    <message>
        <source>%1 record differs</source>
        <translation>%1 registro difiere</translation>
    </message>
    <message>
        <source>%1 records differ</source>
        <translation>%1 registros difieren</translation>
    </message>
    <message>
        <source>%1 record</source>
        <translation>%1 registro</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>%1 registros</translation>
    </message>
    <message>
        <source>%1 byte</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>%1 and %2 outside them differ</source>
        <extracomment>%1 is &quot;12 records&quot;, %2 is &quot;2 bytes&quot;: the bytes outside the records.</extracomment>
        <translation>difieren %1 y %2 fuera de ellos</translation>
    </message>
</context>
<context>
    <name>XlsxPackage</name>
    <message>
        <source>it is not a readable zip archive, as an .xlsx workbook is (%1).</source>
        <translation>no es un archivo zip legible, como lo es un libro .xlsx (%1).</translation>
    </message>
    <message>
        <source>the part %1 of the workbook is larger than %2 bytes or of no known size.</source>
        <translation>la parte %1 del libro ocupa más de %2 bytes o tiene un tamaño desconocido.</translation>
    </message>
    <message>
        <source>the part %1 of the workbook cannot be unpacked: %2</source>
        <translation>la parte %1 del libro no se puede descomprimir: %2</translation>
    </message>
    <message>
        <source>the zip archive holds no workbook (%1), so it is no .xlsx file.</source>
        <translation>el archivo zip no contiene ningún libro (%1), así que no es un archivo .xlsx.</translation>
    </message>
    <message>
        <source>the workbook part %1 is not well-formed XML: %2</source>
        <translation>la parte %1 del libro no es XML bien formado: %2</translation>
    </message>
</context>
<context>
    <name>XlsxReader</name>
    <message>
        <source>the cell holds a formula whose result the workbook does not store; save the workbook in a spreadsheet program first, or enter the value itself.</source>
        <translation>la celda contiene una fórmula cuyo resultado no guarda el libro; guarda antes el libro en un programa de hojas de cálculo o introduce el valor directamente.</translation>
    </message>
    <message>
        <source>the worksheet&apos;s rows are not in order (row %1 after row %2).</source>
        <translation>las filas de la hoja de cálculo no están en orden (fila %1 después de la fila %2).</translation>
    </message>
    <message>
        <source>the worksheet names the cell %1 in row %2.</source>
        <translation>la hoja de cálculo nombra la celda %1 en la fila %2.</translation>
    </message>
    <message>
        <source>the cells of row %1 are not in order.</source>
        <translation>las celdas de la fila %1 no están en orden.</translation>
    </message>
    <message>
        <source>the worksheet has more than %1 cells, far more than any sheet of this editor.</source>
        <translation>la hoja de cálculo tiene más de %1 celdas, muchas más que cualquier hoja de este editor.</translation>
    </message>
    <message>
        <source>the cell refers to a text the workbook does not hold.</source>
        <translation>la celda hace referencia a un texto que el libro no contiene.</translation>
    </message>
    <message>
        <source>the cell holds the error %1.</source>
        <translation>la celda contiene el error %1.</translation>
    </message>
    <message>
        <source>the cell holds a date or time; enter a whole number or a text.</source>
        <translation>la celda contiene una fecha u hora; introduce un número entero o un texto.</translation>
    </message>
    <message>
        <source>the cell holds &quot;%1&quot;, which is no number.</source>
        <translation>la celda contiene &quot;%1&quot;, que no es un número.</translation>
    </message>
    <message>
        <source>the cell holds the number %1, which is not a whole number.</source>
        <translation>la celda contiene el número %1, que no es un número entero.</translation>
    </message>
    <message>
        <source>it is not an .xlsx workbook, which is a zip archive; a CSV sheet is read when its name ends in .csv.</source>
        <translation>no es un libro .xlsx, que es un archivo zip; una hoja CSV se lee cuando su nombre termina en .csv.</translation>
    </message>
    <message>
        <source>it is not an .xlsx workbook: %1</source>
        <translation>no es un libro .xlsx: %1</translation>
    </message>
    <message>
        <source>the workbook has no part %1 for its worksheet &quot;%2&quot;.</source>
        <translation>el libro no tiene la parte %1 para su hoja de cálculo &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>the sheet read is &quot;%1&quot;, the first of the workbook that holds cells.</source>
        <translation>la hoja leída es &quot;%1&quot;, la primera del libro que contiene celdas.</translation>
    </message>
    <message>
        <source>the workbook has no worksheet with cells.</source>
        <translation>el libro no tiene ninguna hoja de cálculo con celdas.</translation>
    </message>
</context>
<context>
    <name>XlsxSheetWriter</name>
    <message>
        <source>no temporary folder could be made: %1</source>
        <translation>no se pudo crear una carpeta temporal: %1</translation>
    </message>
    <message>
        <source>the temporary folder %1 has characters outside the system&apos;s code page</source>
        <translation>la carpeta temporal %1 tiene caracteres fuera de la página de códigos del sistema</translation>
    </message>
    <message>
        <source>the spreadsheet library could not start a workbook</source>
        <translation>la biblioteca de hojas de cálculo no pudo iniciar un libro</translation>
    </message>
    <message>
        <source>the spreadsheet library refused the workbook: %1</source>
        <translation>la biblioteca de hojas de cálculo rechazó el libro: %1</translation>
    </message>
</context>
<context>
    <name>XmlEvents</name>
    <message>
        <source>it declares a document type, which no workbook part has</source>
        <translation>declara un tipo de documento, que ninguna parte de un libro tiene</translation>
    </message>
    <message>
        <source>the XML reader could not be started for %1.</source>
        <translation>no se pudo iniciar el lector XML para %1.</translation>
    </message>
    <message>
        <source>the part %1 of the workbook cannot be read: %2</source>
        <translation>la parte %1 del libro no se puede leer: %2</translation>
    </message>
    <message>
        <source>the part %1 of the workbook is not well-formed XML (line %2: %3).</source>
        <translation>la parte %1 del libro no es XML bien formado (línea %2: %3).</translation>
    </message>
</context>
</TS>
