<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BackupMenu</name>
    <message>
        <source>Restore Backup</source>
        <translation>Restaurar backup</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>%1
Nothing was changed.</source>
        <translation>%1
Nada foi alterado.</translation>
    </message>
    <message>
        <source>Put the backup %1 in place of %2? %2 as it is now is backed up first.</source>
        <translation>Colocar o backup %1 no lugar de %2? Antes disso, é feito um backup de %2 como está agora.</translation>
    </message>
    <message>
        <source>the player editor</source>
        <translation>editor de jogadores</translation>
    </message>
    <message>
        <source>the team name editor</source>
        <translation>editor de nomes de times</translation>
    </message>
    <message>
        <source>Restore the backup</source>
        <translation>Restaure o backup</translation>
    </message>
    <message>
        <source>%1 now holds the backup %2.</source>
        <translation>%1 agora contém o backup %2.</translation>
    </message>
    <message>
        <source>The file as it was is kept as %1.</source>
        <translation>O arquivo como era foi guardado como %1.</translation>
    </message>
    <message>
        <source>The file is open in %1, whose working copy still holds the file as it was before. File &gt; Open there decompresses the restored file.</source>
        <extracomment>%1 names the window (&quot;the player editor&quot;).</extracomment>
        <translation>O arquivo está aberto no %1, cuja cópia de trabalho ainda contém o arquivo como era antes. Arquivo &gt; Abrir nessa janela descompacta o arquivo restaurado.</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>no backup could be made as %1: %2</source>
        <translation>não foi possível fazer backup como %1: %2</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>%1 é um arquivo, não uma pasta</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made there</source>
        <translation>não é possível criar a pasta %1 ali</translation>
    </message>
    <message>
        <source>%1 is not named like a backup (the game file&apos;s name, then .yyyyMMdd-HHmmss.bak).</source>
        <extracomment>&quot;.yyyyMMdd-HHmmss.bak&quot; is the end of a backup&apos;s file name: keep it as it is.</extracomment>
        <translation>%1 não tem nome de backup (o nome do arquivo do jogo seguido de .yyyyMMdd-HHmmss.bak).</translation>
    </message>
    <message>
        <source>%1 is not in a folder named %2 beside its game file.</source>
        <translation>%1 não está em uma pasta chamada %2 ao lado do seu arquivo do jogo.</translation>
    </message>
    <message>
        <source>%1 was not put back: %2
%3 was not changed.</source>
        <translation>%1 não foi restaurado: %2
%3 não foi alterado.</translation>
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

Lista os backups de GAME_FILE na pasta backups ao lado dele, do mais novo ao mais antigo, um por
linha: o caminho, o tamanho em bytes e a hora em que foi feito, separados por tabulações. Um
backup é feito antes de cada substituição de um arquivo do jogo; são mantidos os dez mais novos e
o mais antigo, o arquivo como era antes de ser substituído pela primeira vez. rosterly-cli restore
BACKUP coloca um deles de volta.

Código de saída: 0 listados (ou não há nenhum), 2 uso incorreto.</translation>
    </message>
</context>
<context>
    <name>BulkChange</name>
    <message>
        <source>Set to</source>
        <extracomment>A change of many players: set the column to a value</extracomment>
        <translation>Definir como</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>A change of many players: add a number to the column</extracomment>
        <translation>Somar</translation>
    </message>
    <message>
        <source>Subtract</source>
        <extracomment>A change of many players: subtract a number from the column</extracomment>
        <translation>Subtrair</translation>
    </message>
    <message>
        <source>Set at least</source>
        <extracomment>A change of many players: raise the values below a number to it</extracomment>
        <translation>Definir mínimo</translation>
    </message>
    <message>
        <source>Set at most</source>
        <extracomment>A change of many players: lower the values above a number to it</extracomment>
        <translation>Definir máximo</translation>
    </message>
    <message>
        <source>Change %1 to %2 (%3 player)</source>
        <translation>Alterar %1 para %2 (%3 jogador)</translation>
    </message>
    <message>
        <source>Change %1 to %2 (%3 players)</source>
        <translation>Alterar %1 para %2 (%3 jogadores)</translation>
    </message>
    <message>
        <source>Change %1 +%2 (%3 player)</source>
        <translation>Alterar %1 +%2 (%3 jogador)</translation>
    </message>
    <message>
        <source>Change %1 +%2 (%3 players)</source>
        <translation>Alterar %1 +%2 (%3 jogadores)</translation>
    </message>
    <message>
        <source>Change %1 -%2 (%3 player)</source>
        <translation>Alterar %1 -%2 (%3 jogador)</translation>
    </message>
    <message>
        <source>Change %1 -%2 (%3 players)</source>
        <translation>Alterar %1 -%2 (%3 jogadores)</translation>
    </message>
    <message>
        <source>Change %1 to at least %2 (%3 player)</source>
        <translation>Alterar %1 para no mínimo %2 (%3 jogador)</translation>
    </message>
    <message>
        <source>Change %1 to at least %2 (%3 players)</source>
        <translation>Alterar %1 para no mínimo %2 (%3 jogadores)</translation>
    </message>
    <message>
        <source>Change %1 to at most %2 (%3 player)</source>
        <translation>Alterar %1 para no máximo %2 (%3 jogador)</translation>
    </message>
    <message>
        <source>Change %1 to at most %2 (%3 players)</source>
        <translation>Alterar %1 para no máximo %2 (%3 jogadores)</translation>
    </message>
    <message>
        <source>the column is not changed here.</source>
        <translation>a coluna não é alterada aqui.</translation>
    </message>
    <message>
        <source>%1 can only be set to a value.</source>
        <extracomment>%1 is the name of the sheet&apos;s column</extracomment>
        <translation>%1 só pode ser definido com um valor.</translation>
    </message>
    <message>
        <source>%1: enter a whole number.</source>
        <translation>%1: digite um número inteiro.</translation>
    </message>
    <message>
        <source>%1: enter a number from 1 to %2.</source>
        <translation>%1: digite um número de 1 a %2.</translation>
    </message>
    <message>
        <source>1 player changes</source>
        <translation>1 jogador alterado</translation>
    </message>
    <message>
        <source>%1 players change</source>
        <translation>%1 jogadores alterados</translation>
    </message>
    <message>
        <source>, %1 clamped to %2</source>
        <extracomment>Follows &quot;97 players change&quot;: %1 players were held at the limit %2</extracomment>
        <translation>, %1 limitados a %2</translation>
    </message>
    <message>
        <source>, %1 already at least %2</source>
        <extracomment>Follows &quot;97 players change&quot;: %1 players had the value %2 already</extracomment>
        <translation>, %1 já com no mínimo %2</translation>
    </message>
    <message>
        <source>, %1 already at most %2</source>
        <translation>, %1 já com no máximo %2</translation>
    </message>
    <message>
        <source>, %1 already at the limit</source>
        <translation>, %1 já no limite</translation>
    </message>
    <message>
        <source>, %1 already %2</source>
        <translation>, %1 já em %2</translation>
    </message>
    <message>
        <source>record %1</source>
        <translation>registro %1</translation>
    </message>
    <message>
        <source>%1 (%2 players, the first %3)</source>
        <extracomment>%1 is why, %2 how many players it concerns, %3 the first of them</extracomment>
        <translation>%1 (%2 jogadores, o primeiro: %3)</translation>
    </message>
</context>
<context>
    <name>BulkEditDialog</name>
    <message>
        <source>Change Field</source>
        <translation>Alterar campo</translation>
    </message>
    <message>
        <source>&amp;Column:</source>
        <extracomment>The column of the player table whose values are changed.</extracomment>
        <translation>&amp;Coluna:</translation>
    </message>
    <message>
        <source>C&amp;hange:</source>
        <extracomment>How the values change: set to a value, or a number added, say.</extracomment>
        <translation>&amp;Alteração:</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Valor:</translation>
    </message>
    <message>
        <source>Enter the value.</source>
        <translation>Digite o valor.</translation>
    </message>
    <message>
        <source>Enter the number.</source>
        <translation>Digite o número.</translation>
    </message>
</context>
<context>
    <name>CellValue</name>
    <message>
        <source>enter a whole number.</source>
        <translation>digite um número inteiro.</translation>
    </message>
    <message>
        <source>the text is not UTF-8; save the sheet as UTF-8 CSV.</source>
        <translation>o texto não está em UTF-8; salve a planilha como CSV UTF-8.</translation>
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

Confere os elencos do banco de dados de jogadores com os times que o arquivo de times lista e
exibe cada problema, um por linha: IDs de jogador presentes em mais de um registro, times sem
registro de elenco, registros de elenco sem time ou depois do registro do próprio time e, em cada
elenco, jogadores que o banco de dados não tem, um jogador repetido, números de camisa fora de
1-99 ou usados duas vezes e vagas vazias antes de vagas preenchidas. Exibe &quot;no problems&quot; quando
não há nenhum. Nada é gravado.

Código de saída: 0 sem problemas, 1 problemas, 2 um arquivo não pôde ser lido ou uso incorreto.</translation>
    </message>
</context>
<context>
    <name>CliOutput</name>
    <message>
        <source>Try: rosterly-cli %1--help</source>
        <extracomment>%1 is the command&apos;s name followed by a space (&quot;import &quot;), or nothing</extracomment>
        <translation>Tente: rosterly-cli %1--help</translation>
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
  zlib2.dll FILE -d   descompacta o arquivo do jogo compactado FILE em FILE.unzlib
  zlib2.dll FILE      compacta FILE em FILE.zlib</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: não pode ser gravado: %2</translation>
    </message>
    <message>
        <source>%1: the game file&apos;s form cannot be kept, so nothing was packed</source>
        <translation>%1: não é possível manter o formato do arquivo do jogo, por isso nada foi compactado</translation>
    </message>
</context>
<context>
    <name>CodecRuns</name>
    <message>
        <source>The codec tool stopped unexpectedly.</source>
        <translation>A ferramenta de codec parou inesperadamente.</translation>
    </message>
    <message>
        <source>The codec tool failed (exit code %1).</source>
        <translation>A ferramenta de codec falhou (código de saída %1).</translation>
    </message>
    <message>
        <source>The codec tool %1 could not be started.</source>
        <translation>Não foi possível iniciar a ferramenta de codec %1.</translation>
    </message>
    <message>
        <source>The codec tool %1 is missing.</source>
        <translation>A ferramenta de codec %1 não foi encontrada.</translation>
    </message>
    <message>
        <source>The codec tool is still working on %1. Try again when it has finished.</source>
        <translation>A ferramenta de codec ainda está processando %1. Tente novamente quando ela terminar.</translation>
    </message>
    <message>
        <source>The codec tool failed on %1: %2</source>
        <translation>A ferramenta de codec falhou em %1: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>too few arguments</source>
        <translation>poucos argumentos</translation>
    </message>
    <message>
        <source>too many arguments</source>
        <translation>argumentos demais</translation>
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
        <translation>o cabeçalho diz que os dados descompactados têm %1 bytes, mais do que os %2 que um arquivo do jogo pode ter</translation>
    </message>
    <message>
        <source>the file goes on after the %1 compressed bytes the header gives with something other than zero padding: byte %2 of the file is 0x%3</source>
        <translation>o arquivo continua, depois dos %1 bytes compactados indicados pelo cabeçalho, com algo que não é preenchimento com zeros: o byte %2 do arquivo é 0x%3</translation>
    </message>
    <message>
        <source>the compressed data is truncated or the header is damaged: its sizes fit the file in neither byte order (%1 compressed bytes read little-endian, %2 read big-endian; the file holds %3 after the header)</source>
        <translation>os dados compactados estão truncados ou o cabeçalho está danificado: os tamanhos dele não correspondem ao arquivo em nenhuma ordem de bytes (%1 bytes compactados lidos em little-endian, %2 lidos em big-endian; o arquivo tem %3 depois do cabeçalho)</translation>
    </message>
    <message>
        <source>the decompressor could not be started</source>
        <translation>não foi possível iniciar o descompactador</translation>
    </message>
    <message>
        <source>the data unpacks to more than %1, the most a game file may hold</source>
        <translation>os dados descompactados passam de %1, o máximo que um arquivo do jogo pode ter</translation>
    </message>
    <message>
        <source>the compressed data is truncated</source>
        <translation>os dados compactados estão truncados</translation>
    </message>
    <message>
        <source>the compressed data is corrupt</source>
        <translation>os dados compactados estão corrompidos</translation>
    </message>
    <message>
        <source>the compressed data is corrupt: it asks for a preset dictionary, which game files never use</source>
        <translation>os dados compactados estão corrompidos: pedem um dicionário predefinido, que os arquivos do jogo nunca usam</translation>
    </message>
    <message>
        <source>not enough memory to decompress the data</source>
        <translation>memória insuficiente para descompactar os dados</translation>
    </message>
    <message>
        <source>the compressed data is corrupt (%1)</source>
        <translation>os dados compactados estão corrompidos (%1)</translation>
    </message>
    <message>
        <source>zlib error</source>
        <translation>erro do zlib</translation>
    </message>
    <message>
        <source>%1 unexpected bytes follow the end of the compressed data</source>
        <translation>%1 bytes inesperados vêm depois do fim dos dados compactados</translation>
    </message>
    <message>
        <source>the header says %1 bytes, the data holds %2</source>
        <translation>o cabeçalho indica %1 bytes, os dados têm %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>o arquivo está vazio</translation>
    </message>
    <message>
        <source>the compressed data is truncated: the file ends inside the header, after %1 bytes</source>
        <translation>os dados compactados estão truncados: o arquivo termina dentro do cabeçalho, após %1 bytes</translation>
    </message>
    <message>
        <source>not a compressed game file: unknown header</source>
        <translation>não é um arquivo do jogo compactado: cabeçalho desconhecido</translation>
    </message>
    <message>
        <source>this is an indexed archive holding several files, not one compressed game file</source>
        <translation>este é um pacote indexado com vários arquivos, não um único arquivo do jogo compactado</translation>
    </message>
    <message>
        <source>not a compressed game file: unknown container type %1 (byte 2 is 1 for one compressed file, 0 for an archive)</source>
        <translation>não é um arquivo do jogo compactado: tipo de contêiner desconhecido %1 (o byte 2 é 1 para um único arquivo compactado, 0 para um pacote)</translation>
    </message>
    <message>
        <source>the compressed data is truncated: the file ends inside the %1-byte header, after %2 bytes</source>
        <translation>os dados compactados estão truncados: o arquivo termina dentro do cabeçalho de %1 bytes, após %2 bytes</translation>
    </message>
    <message>
        <source>the form&apos;s bytes 2-7 are not those of a compressed game file (1, then &quot;WESYS&quot;)</source>
        <translation>os bytes 2-7 do formato não são os de um arquivo do jogo compactado (1, depois &quot;WESYS&quot;)</translation>
    </message>
    <message>
        <source>the form&apos;s alignment %1 is not a power of two up to %2</source>
        <translation>o alinhamento %1 do formato não é uma potência de dois até %2</translation>
    </message>
    <message>
        <source>the data is %1 bytes, more than the %2 a game file may hold</source>
        <translation>os dados têm %1 bytes, mais do que os %2 que um arquivo do jogo pode ter</translation>
    </message>
    <message>
        <source>not enough memory to compress the data</source>
        <translation>memória insuficiente para compactar os dados</translation>
    </message>
    <message>
        <source>the compressor failed: its stream did not fit the room it asked for</source>
        <translation>o compactador falhou: o fluxo dele não coube no espaço que ele pediu</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>row 1: the CSV reader could not be started</source>
        <translation>linha 1: não foi possível iniciar o leitor de CSV</translation>
    </message>
    <message>
        <source>a quoted cell is not closed</source>
        <translation>uma célula entre aspas não foi fechada</translation>
    </message>
    <message>
        <source>a quote in the wrong place (a quoted cell starts and ends with a quote, and a quote inside it is doubled)</source>
        <translation>aspas no lugar errado (uma célula entre aspas começa e termina com aspas, e as aspas dentro dela são duplicadas)</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
</context>
<context>
    <name>DatabaseImport</name>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Detalhes</translation>
    </message>
    <message>
        <source>&amp;Abilities</source>
        <translation>&amp;Habilidades</translation>
    </message>
    <message>
        <source>A&amp;ppearance</source>
        <translation>A&amp;parência</translation>
    </message>
    <message>
        <source>&amp;Squads</source>
        <translation>&amp;Elencos</translation>
    </message>
    <message>
        <source>&amp;Team names</source>
        <translation>&amp;Nomes dos times</translation>
    </message>
    <message>
        <source>Open a player database and press Load first.</source>
        <translation>Abra um banco de dados de jogadores e clique em Carregar primeiro.</translation>
    </message>
    <message>
        <source>Import again</source>
        <translation>Importe novamente</translation>
    </message>
    <message>
        <source>Import from Another Database</source>
        <translation>Importar de outro banco de dados</translation>
    </message>
    <message>
        <source>Player database</source>
        <translation>Banco de dados de jogadores</translation>
    </message>
    <message>
        <source>The other database&apos;s team file (Cancel: none)</source>
        <translation>Arquivo de times do outro banco de dados (Cancelar: nenhum)</translation>
    </message>
    <message>
        <source>Team file</source>
        <translation>Arquivo de times</translation>
    </message>
    <message>
        <source>%1
Nothing was imported.</source>
        <translation>%1
Nada foi importado.</translation>
    </message>
    <message>
        <source>Import from Another Database — %1</source>
        <translation>Importar de outro banco de dados — %1</translation>
    </message>
    <message>
        <source>Take:</source>
        <extracomment>Before the check boxes of the parts taken from the other database.</extracomment>
        <translation>Importar:</translation>
    </message>
    <message>
        <source>Needs both team files.</source>
        <translation>Requer os dois arquivos de times.</translation>
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
        <translation>Nome</translation>
    </message>
    <message>
        <source>Parts</source>
        <translation>Partes</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Alterações</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <extracomment>A squad or team name of the other database that cannot be taken, and why.</extracomment>
        <translation>recusado: %1</translation>
    </message>
    <message>
        <source>Some of it cannot be taken:
%1

Import the rest?</source>
        <translation>Uma parte não pode ser importada:
%1

Importar o restante?</translation>
    </message>
    <message>
        <source>Import from %1 (%2 player)</source>
        <extracomment>The step&apos;s name in the Edit menu: %1 is the other database, %2 how many players.</extracomment>
        <translation>Importar de %1 (%2 jogador)</translation>
    </message>
    <message>
        <source>Import from %1 (%2 players)</source>
        <translation>Importar de %1 (%2 jogadores)</translation>
    </message>
</context>
<context>
    <name>DatabaseMerge</name>
    <message>
        <source>%1 (team ID %2): %3</source>
        <extracomment>%1 is a team&apos;s name, %2 its team ID, %3 what is wrong</extracomment>
        <translation>%1 (ID do time %2): %3</translation>
    </message>
    <message>
        <source>%1 (team ID %2), slot %3: %4</source>
        <extracomment>%1 is a team&apos;s name, %2 its team ID, %3 a slot number, %4 what is wrong</extracomment>
        <translation>%1 (ID do time %2), vaga %3: %4</translation>
    </message>
    <message>
        <source>%1 player</source>
        <translation>%1 jogador</translation>
    </message>
    <message>
        <source>%1 players</source>
        <translation>%1 jogadores</translation>
    </message>
    <message>
        <source>%1 squad</source>
        <translation>%1 elenco</translation>
    </message>
    <message>
        <source>%1 squads</source>
        <translation>%1 elencos</translation>
    </message>
    <message>
        <source>%1 team name</source>
        <translation>%1 nome de time</translation>
    </message>
    <message>
        <source>%1 team names</source>
        <translation>%1 nomes de times</translation>
    </message>
    <message>
        <source>%1, %2, %3 will change</source>
        <extracomment>%1 is &quot;120 players&quot;, %2 &quot;3 squads&quot;, %3 &quot;2 team names&quot;</extracomment>
        <translation>%1, %2 e %3 serão alterados</translation>
    </message>
    <message>
        <source>this player database: %1</source>
        <extracomment>%1 says what is wrong with the player database</extracomment>
        <translation>este banco de dados de jogadores: %1</translation>
    </message>
    <message>
        <source>the other player database: %1</source>
        <extracomment>%1 says what is wrong with the other player database</extracomment>
        <translation>o outro banco de dados de jogadores: %1</translation>
    </message>
    <message>
        <source>the squads and the team names need both team files.</source>
        <translation>os elencos e os nomes dos times precisam dos dois arquivos de times.</translation>
    </message>
    <message>
        <source>%1: foot: the other file&apos;s foot byte %2 is no entry of the list; left as it is.</source>
        <extracomment>%1 names the player; &quot;foot&quot; is the name of the sheet&apos;s column</extracomment>
        <translation>%1: foot: o byte de pé %2 do outro arquivo não é nenhuma entrada da lista; mantido como está.</translation>
    </message>
    <message>
        <source>player ID %1 %2: not in this database</source>
        <extracomment>%1 is a player ID, %2 the player&apos;s name</extracomment>
        <translation>ID de jogador %1 %2: não está neste banco de dados</translation>
    </message>
    <message>
        <source>%1 (team ID %2): the other squad is empty; left as it is.</source>
        <translation>%1 (ID do time %2): o outro elenco está vazio; mantido como está.</translation>
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

Lista cada campo que difere entre dois bancos de dados de jogadores, um campo por linha,
&quot;index id name: field old -&gt; new&quot; (os campos de players.csv e depois quaisquer outros bytes de um
registro como &quot;bytes A-B&quot;), e em seguida uma contagem. Com dois arquivos de times, também as
diferenças entre eles, pela posição na lista: &quot;position team_id name: field old -&gt; new&quot;. Depois os
elencos da tabela de elencos, vaga por vaga e jogador por jogador:
&quot;Austria: slot 3 Adam Adams (7) -&gt; Boris Brown (7)&quot;, &quot;Boris Brown: Brazil -&gt; Austria&quot; (times
nomeados por NEW_TEAMS quando informado, senão &quot;team ID 100&quot;). Os arquivos do jogo podem ser
arquivos do jogo compactados ou cópias de trabalho (*.unzlib), em qualquer combinação.

Código de saída: 0 sem diferenças, 1 diferenças, 2 um arquivo não pôde ser lido ou uso incorreto.</translation>
    </message>
    <message>
        <source>give both team files, or neither</source>
        <translation>informe os dois arquivos de times, ou nenhum</translation>
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
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1 names the step that Undo takes back (&quot;Apply Abilities: Adam Adams&quot;).</extracomment>
        <translation>Desfazer %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <extracomment>%1 names the step that Redo does again (&quot;Apply Abilities: Adam Adams&quot;).</extracomment>
        <translation>Refazer %1</translation>
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

Grava os jogadores de PLAYER_DB como DIR/players.csv, uma linha por jogador que o editor pode
gravar (registros 0-6449), como o editor o mostra. Com TEAM_FILE, também DIR/teams.csv (os nomes
dos times) e DIR/rosters.csv (o elenco de cada time, como a visão de times o mostra). DIR é criada
quando não existe; arquivos que já estão lá são substituídos.

  --format xlsx   grava pastas de trabalho .xlsx (players.xlsx, ...) em vez de CSV

Código de saída: 0 gravado, 1 um arquivo não pôde ser lido ou gravado, 2 uso incorreto.</translation>
    </message>
    <message>
        <source>--out DIR is missing</source>
        <translation>falta --out DIR</translation>
    </message>
    <message>
        <source>--format is csv or xlsx, not &quot;%1&quot;</source>
        <translation>--format é csv ou xlsx, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1: the folder cannot be made</source>
        <translation>%1: não foi possível criar a pasta</translation>
    </message>
</context>
<context>
    <name>FaceRelink</name>
    <message>
        <source>Select a player first.</source>
        <translation>Selecione um jogador primeiro.</translation>
    </message>
    <message>
        <source>Relink: %1</source>
        <translation>Vincular: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>the player editor</source>
        <extracomment>How messages of the team name editor name this window.</extracomment>
        <translation>editor de jogadores</translation>
    </message>
    <message>
        <source>PES 2011 Rosterly v0.1  by Tavor  %1</source>
        <translation>PES 2011 Rosterly v0.1  por Tavor  %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>File &gt; Open: chooses the player database.</extracomment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Export to CSV…</source>
        <translation>Exportar para CSV…</translation>
    </message>
    <message>
        <source>Export to Excel…</source>
        <translation>Exportar para Excel…</translation>
    </message>
    <message>
        <source>Import Sheet…</source>
        <translation>Importar planilha…</translation>
    </message>
    <message>
        <source>Import from Another Database…</source>
        <translation>Importar de outro banco de dados…</translation>
    </message>
    <message>
        <source>Restore Backup…</source>
        <translation>Restaurar backup…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Team Editor</source>
        <translation>Editor de times</translation>
    </message>
    <message>
        <source>Squads</source>
        <translation>Elencos</translation>
    </message>
    <message>
        <source>Player Table</source>
        <translation>Tabela de jogadores</translation>
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
        <translation>Buscar jogador.....</translation>
    </message>
    <message>
        <source>Face:  unnamed_</source>
        <extracomment>Above the face&apos;s file number: the face file is unnamed_&lt;number&gt;.bin.</extracomment>
        <translation>Face:  unnamed_</translation>
    </message>
    <message>
        <source>Hair: unnamed_</source>
        <extracomment>Above the hair&apos;s file number: the hair file is unnamed_&lt;number&gt;.bin.</extracomment>
        <translation>Cabelo: unnamed_</translation>
    </message>
    <message>
        <source>Close the window again</source>
        <translation>Feche a janela novamente</translation>
    </message>
    <message>
        <source>No player database is open. Use File &gt; Open first.</source>
        <translation>Nenhum banco de dados de jogadores está aberto. Use Arquivo &gt; Abrir primeiro.</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>Abra um arquivo</translation>
    </message>
    <message>
        <source>Select unnamed_25.bin:</source>
        <translation>Selecione unnamed_25.bin:</translation>
    </message>
    <message>
        <source>The team file %1 stays open in the team name editor, from another folder than %2. Team names, the team chooser and the squads come from it until File &gt; Open in the team name editor opens the team file beside the player database.</source>
        <translation>O arquivo de times %1 continua aberto no editor de nomes de times, vindo de uma pasta diferente da de %2. Os nomes dos times, o seletor de times e os elencos vêm dele até que Arquivo &gt; Abrir no editor de nomes de times abra o arquivo de times ao lado do banco de dados de jogadores.</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Search </source>
        <extracomment>The button that searches the player list for the name typed beside it.</extracomment>
        <translation>Buscar </translation>
    </message>
    <message>
        <source>Player ID:</source>
        <translation>ID do jogador:</translation>
    </message>
    <message>
        <source>Team Select....</source>
        <extracomment>Shown in the team chooser until a team is chosen.</extracomment>
        <translation>Escolha o time....</translation>
    </message>
    <message>
        <source>Move UP</source>
        <extracomment>The button that moves the chosen player up the squad list.</extracomment>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>The button that moves the chosen player down the squad list.</extracomment>
        <translation>Descer</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>The button that takes the chosen player out of the squad.</extracomment>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Player Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Name on shirt:</source>
        <translation>Nome camisa:</translation>
    </message>
    <message>
        <source>Position:</source>
        <extracomment>The player&apos;s registered position.</extracomment>
        <translation>Posição:</translation>
    </message>
    <message>
        <source>Foot:</source>
        <extracomment>The foot the player prefers.</extracomment>
        <translation>Pé:</translation>
    </message>
    <message>
        <source>Number:</source>
        <extracomment>The player&apos;s shirt number.</extracomment>
        <translation>Número:</translation>
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
        <translation>Idade</translation>
    </message>
    <message>
        <source>Spacing:</source>
        <extracomment>The player&apos;s spacing value, as the game&apos;s database names it.</extracomment>
        <translation>Espaço:</translation>
    </message>
    <message>
        <source>When you change some of these values, don&apos;t forget to click on Apply Changes!</source>
        <translation>Ao alterar algum destes valores, não se esqueça de clicar em Aplicar alterações!</translation>
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
        <translation>Opções especiais</translation>
    </message>
    <message>
        <source>Face Relink</source>
        <translation>Vincular face</translation>
    </message>
    <message>
        <source>Relink</source>
        <translation>Vincular</translation>
    </message>
    <message>
        <source>Apply Changes</source>
        <translation>Aplicar alterações</translation>
    </message>
    <message>
        <source>SAVE</source>
        <extracomment>The button that packs the working copy into the game file.</extracomment>
        <translation>SALVAR</translation>
    </message>
    <message>
        <source>Transfer:</source>
        <translation>Transferência:</translation>
    </message>
    <message>
        <source>Transfer player</source>
        <translation>Transferir jogador</translation>
    </message>
    <message>
        <source>Rosterly: a player and team editor for the PES 2011 database.</source>
        <translation>Rosterly: um editor de jogadores e times para o banco de dados do PES 2011.</translation>
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
        <translation>editor de nomes de times</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Team Name:</source>
        <translation>Nome do time:</translation>
    </message>
    <message>
        <source>Short Name:</source>
        <translation>Abreviação:</translation>
    </message>
    <message>
        <source>Load</source>
        <extracomment>A button that lists the teams of the open team file</extracomment>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Change name</source>
        <translation>Alterar nome</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SALVAR</translation>
    </message>
    <message>
        <source>Search Team.....</source>
        <translation>Buscar time.....</translation>
    </message>
    <message>
        <source>Search </source>
        <translation>Buscar </translation>
    </message>
    <message>
        <source>Close the window again</source>
        <extracomment>Completes the warning &quot;A save is in progress. %1 when it has finished.&quot;</extracomment>
        <translation>Feche a janela novamente</translation>
    </message>
    <message>
        <source>Select unnamed_32.bin:</source>
        <extracomment>The title of the file dialog; unnamed_32.bin is the name of a game file</extracomment>
        <translation>Selecione unnamed_32.bin:</translation>
    </message>
    <message>
        <source>Select unnamed_11.bin:</source>
        <extracomment>The title of the file dialog; unnamed_11.bin is the name of a game file</extracomment>
        <translation>Selecione unnamed_11.bin:</translation>
    </message>
    <message>
        <source>Open a file</source>
        <extracomment>Completes the warning &quot;A save is in progress. %1 when it has finished.&quot;</extracomment>
        <translation>Abra um arquivo</translation>
    </message>
    <message>
        <source>No team file is open. Use File &gt; Open in the team editor first.</source>
        <translation>Nenhum arquivo de times está aberto. Use Arquivo &gt; Abrir no editor de times primeiro.</translation>
    </message>
    <message>
        <source>Select a team to rename first.</source>
        <translation>Selecione primeiro um time para renomear.</translation>
    </message>
    <message>
        <source>The list still shows the team file opened before. Press Load to list the teams of %1, then rename.</source>
        <translation>A lista ainda mostra o arquivo de times aberto antes. Clique em Carregar para listar os times de %1 e depois renomeie.</translation>
    </message>
    <message>
        <source>This team is listed past the end of the short-name table, so it has no short name that could be written. Empty the Short Name box to rename the team alone.</source>
        <translation>Este time está listado depois do fim da tabela de abreviações, por isso não tem uma abreviação que possa ser gravada. Esvazie a caixa Abreviação para renomear só o time.</translation>
    </message>
    <message>
        <source>Change name: %1</source>
        <translation>Alterar nome: %1</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>%1: compressing the changed file failed%2; nothing was written</source>
        <translation>%1: a compactação do arquivo alterado falhou%2; nada foi gravado</translation>
    </message>
    <message>
        <source>%1: put back as it was</source>
        <translation>%1: restaurado como estava</translation>
    </message>
    <message>
        <source>%1: replaced already; putting it back failed: %2</source>
        <translation>%1: já foi substituído; não foi possível restaurá-lo: %2</translation>
    </message>
    <message>
        <source>%1: replaced already</source>
        <translation>%1: já foi substituído</translation>
    </message>
    <message>
        <source>Every other file was left as it was.</source>
        <translation>Todos os outros arquivos ficaram como estavam.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Nada foi alterado.</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2; nothing was changed</source>
        <translation>%1: não pode ser gravado: %2; nada foi alterado</translation>
    </message>
    <message>
        <source>%1: cannot be replaced: %2</source>
        <translation>%1: não pode ser substituído: %2</translation>
    </message>
</context>
<context>
    <name>GameFileBytes</name>
    <message>
        <source>%1: not a game file the codec can read (%2); a working copy must end in .unzlib</source>
        <extracomment>%1 is the file, %2 why the codec cannot read it; &quot;.unzlib&quot; ends a file name</extracomment>
        <translation>%1: não é um arquivo do jogo que o codec consiga ler (%2); uma cópia de trabalho deve terminar em .unzlib</translation>
    </message>
</context>
<context>
    <name>GameFileSession</name>
    <message>
        <source>%1 is open in %2 already. A game file is edited in one window only: choose another file.</source>
        <extracomment>%2 names the other window (&quot;the team name editor&quot;).</extracomment>
        <translation>%1 já está aberto no %2. Um arquivo do jogo só pode ser editado em uma janela: escolha outro arquivo.</translation>
    </message>
    <message>
        <source>The working copy of %1 holds changes that are not saved into the game file (%2). Discard them and decompress the game file again?</source>
        <translation>A cópia de trabalho de %1 tem alterações que não foram salvas no arquivo do jogo (%2). Descartá-las e descompactar o arquivo do jogo novamente?</translation>
    </message>
    <message>
        <source>Load is waiting for the codec tool already. The lists fill as soon as it has finished.</source>
        <translation>O carregamento já está aguardando a ferramenta de codec. As listas serão preenchidas assim que ela terminar.</translation>
    </message>
    <message>
        <source>Waiting for the codec tool…</source>
        <translation>Aguardando a ferramenta de codec…</translation>
    </message>
    <message>
        <source>The codec tool has not finished decompressing %1 within %2 seconds. Press Load again when it has finished.</source>
        <translation>A ferramenta de codec não terminou de descompactar %1 em %2 segundos. Clique em Carregar novamente quando ela terminar.</translation>
    </message>
    <message>
        <source>Apply the change again</source>
        <translation>Aplique a alteração novamente</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
Nada foi gravado.</translation>
    </message>
    <message>
        <source>Undo again</source>
        <translation>Desfaça novamente</translation>
    </message>
    <message>
        <source>Redo again</source>
        <translation>Refaça novamente</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1 names the step taken back or done again (&quot;Apply Abilities: Adam Adams&quot;).</extracomment>
        <translation>Desfazer %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Refazer %1</translation>
    </message>
    <message>
        <source>%1 is not possible: %2
Nothing was written.</source>
        <extracomment>%1 is &quot;Undo &lt;step&gt;&quot; or &quot;Redo &lt;step&gt;&quot;.</extracomment>
        <translation>%1 não é possível: %2
Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1 is not possible: the working copy %2 no longer holds what that step left there at byte %3 (something outside this window&apos;s history changed it). Nothing was written.</source>
        <translation>%1 não é possível: a cópia de trabalho %2 não contém mais o que essa etapa deixou ali no byte %3 (algo fora do histórico desta janela o alterou). Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 falhou: %2</translation>
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
        <translation>GK</translation>
    </message>
    <message>
        <source>Defence</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Defesa</translation>
    </message>
    <message>
        <source>SWP</source>
        <extracomment>The sweeper position</extracomment>
        <translation>SWP</translation>
    </message>
    <message>
        <source>Balance</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Equilíbrio</translation>
    </message>
    <message>
        <source>CB</source>
        <extracomment>The centre-back position</extracomment>
        <translation>CB</translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation>Resistência</translation>
    </message>
    <message>
        <source>SB</source>
        <extracomment>The side-back position</extracomment>
        <translation>SB</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>DMF</source>
        <extracomment>The defensive midfielder position</extracomment>
        <translation>DMF</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Aceleração</translation>
    </message>
    <message>
        <source>WB</source>
        <extracomment>The wing-back position</extracomment>
        <translation>WB</translation>
    </message>
    <message>
        <source>Response</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Resposta</translation>
    </message>
    <message>
        <source>CMF</source>
        <extracomment>The centre midfielder position</extracomment>
        <translation>CMF</translation>
    </message>
    <message>
        <source>Agility</source>
        <translation>Agilidade</translation>
    </message>
    <message>
        <source>AMF</source>
        <extracomment>The attacking midfielder position</extracomment>
        <translation>AMF</translation>
    </message>
    <message>
        <source>Dribble Accuracy</source>
        <translation>Prec. do drible</translation>
    </message>
    <message>
        <source>SMF</source>
        <extracomment>The side midfielder position</extracomment>
        <translation>SMF</translation>
    </message>
    <message>
        <source>Dribble Speed</source>
        <translation>Vel. do drible</translation>
    </message>
    <message>
        <source>WF</source>
        <extracomment>The wing forward position</extracomment>
        <translation>WF</translation>
    </message>
    <message>
        <source>Short Pass Accur</source>
        <translation>Prec. passe curto</translation>
    </message>
    <message>
        <source>SS</source>
        <extracomment>The second striker position</extracomment>
        <translation>SS</translation>
    </message>
    <message>
        <source>Short Pass Speed</source>
        <translation>Vel. passe curto</translation>
    </message>
    <message>
        <source>CF</source>
        <extracomment>The centre forward position</extracomment>
        <translation>CF</translation>
    </message>
    <message>
        <source>Long Pass Accur</source>
        <translation>Prec. passe longo</translation>
    </message>
    <message>
        <source>Centre</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Jogo pelo meio</translation>
    </message>
    <message>
        <source>Long Pass Speed</source>
        <translation>Vel. passe longo</translation>
    </message>
    <message>
        <source>1-On-1 Stopper</source>
        <translation>Defesa no 1x1</translation>
    </message>
    <message>
        <source>Shot Accuracy</source>
        <translation>Prec. do chute</translation>
    </message>
    <message>
        <source>Dribbling</source>
        <translation>Drible</translation>
    </message>
    <message>
        <source>Shot Power</source>
        <translation>Força do chute</translation>
    </message>
    <message>
        <source>Tactical dribble</source>
        <translation>Drible tático</translation>
    </message>
    <message>
        <source>Shot Technique</source>
        <translation>Técnica de chute</translation>
    </message>
    <message>
        <source>Positioning</source>
        <translation>Posicionamento</translation>
    </message>
    <message>
        <source>Free Kick Accur</source>
        <translation>Prec. de falta</translation>
    </message>
    <message>
        <source>Reaction</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Reação</translation>
    </message>
    <message>
        <source>Curving / Swerve</source>
        <translation>Curva</translation>
    </message>
    <message>
        <source>Playmaking</source>
        <translation>Armação</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Cabeceio</translation>
    </message>
    <message>
        <source>Passing</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Passe</translation>
    </message>
    <message>
        <source>Jump</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Impulsão</translation>
    </message>
    <message>
        <source>Scoring</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Finalização</translation>
    </message>
    <message>
        <source>Technique</source>
        <translation>Técnica</translation>
    </message>
    <message>
        <source>1-1 Scoring</source>
        <translation>Finalização 1x1</translation>
    </message>
    <message>
        <source>Aggression</source>
        <translation>Agressividade</translation>
    </message>
    <message>
        <source>Post Player</source>
        <translation>Pivô</translation>
    </message>
    <message>
        <source>Team Work</source>
        <translation>Trab. em equipe</translation>
    </message>
    <message>
        <source>Side</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Jogo pelas pontas</translation>
    </message>
    <message>
        <source>Mentality</source>
        <translation>Mentalidade</translation>
    </message>
    <message>
        <source>Lines</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Infiltração</translation>
    </message>
    <message>
        <source>Goalkeeper Skills</source>
        <translation>Hab. de goleiro</translation>
    </message>
    <message>
        <source>Middle Shooting</source>
        <translation>Chute de longe</translation>
    </message>
    <message>
        <source>1-Touch Pass</source>
        <translation>Passe de primeira</translation>
    </message>
    <message>
        <source>Outside</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Trivela</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>Marcação</translation>
    </message>
    <message>
        <source>Sliding</source>
        <translation>Carrinho</translation>
    </message>
    <message>
        <source>Covering</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Cobertura</translation>
    </message>
    <message>
        <source>D-Line Control</source>
        <translation>Comando da defesa</translation>
    </message>
    <message>
        <source>Penalty Stopper</source>
        <translation>Pegador de pênalti</translation>
    </message>
    <message>
        <source>Penalties</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Pênaltis</translation>
    </message>
    <message>
        <source>Long Throw</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Lateral longo</translation>
    </message>
    <message>
        <source>Position code</source>
        <translation>Código da posição</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Espaçamento</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Idade</translation>
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
        <translation>Nome do jogador</translation>
    </message>
    <message>
        <source>Name on shirt</source>
        <translation>Nome na camisa</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>The foot a player prefers</extracomment>
        <translation>Direito</translation>
    </message>
    <message>
        <source>Left</source>
        <extracomment>The foot a player prefers</extracomment>
        <translation>Esquerdo</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Face</translation>
    </message>
    <message>
        <source>Hair</source>
        <translation>Cabelo</translation>
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

Aplica planilhas editadas aos arquivos do jogo: --players FILE (um players.csv ou players.xlsx) a
PLAYER_DB, --teams FILE (um teams.csv ou teams.xlsx) a TEAM_FILE, --rosters FILE (um rosters.csv
ou rosters.xlsx: cada time citado nele recebe exatamente o elenco que as linhas dele indicam, na
ordem das vagas; os nomes que ele contém não são importados) à tabela de elencos em PLAYER_DB; uma
planilha cujo nome termina em .xlsx é lida como pasta de trabalho (a primeira planilha dela), e
qualquer outra como CSV (UTF-8, UTF-16 ou Windows-1252). Só são gravados os campos cuja célula
difere do que o editor mostra agora, com as regras do próprio editor; uma planilha não modificada
não altera nada. Todas as células são verificadas antes: basta uma célula recusada para que nenhum
arquivo seja tocado. Cada arquivo alterado é substituído em uma única etapa atômica (um arquivo do
jogo compactado é compactado novamente; uma cópia de trabalho, *.unzlib, é gravada como está),
depois que o arquivo como era é guardado na pasta backups ao lado dele; quando não é possível
fazer o backup do segundo arquivo ou substituí-lo, o primeiro é restaurado como estava.

Exibe o que muda: as contagens e depois uma linha por campo, &quot;index id name: field old -&gt; new&quot;, ou
por vaga do elenco, &quot;Austria: slot 3 Adam Adams (7) -&gt; Boris Brown (7)&quot;, e, para um jogador que
muda de time, &quot;Boris Brown: Brazil -&gt; Austria&quot;.

  --dry-run   mostra as alterações, não grava nada

Código de saída: 0 aplicado (ou nada a alterar), 1 recusado (todos os motivos na saída de erro
padrão, nenhum arquivo tocado), 2 uso incorreto.</translation>
    </message>
    <message>
        <source>give a sheet: --players FILE, --teams FILE, --rosters FILE</source>
        <translation>informe uma planilha: --players FILE, --teams FILE, --rosters FILE</translation>
    </message>
    <message>
        <source>give --players or --rosters, not both: both write the player database</source>
        <translation>informe --players ou --rosters, não os dois: ambos gravam o banco de dados de jogadores</translation>
    </message>
    <message>
        <source>%1 needs the team file: rosterly-cli import PLAYER_DB TEAM_FILE %1 FILE</source>
        <translation>%1 precisa do arquivo de times: rosterly-cli import PLAYER_DB TEAM_FILE %1 FILE</translation>
    </message>
    <message>
        <source>the player database and the team file are the same file</source>
        <translation>o banco de dados de jogadores e o arquivo de times são o mesmo arquivo</translation>
    </message>
    <message>
        <source>%1 is a %2 sheet; give it as --%2 FILE.</source>
        <extracomment>%2 is the sheet&apos;s kind, also the name of its option: players, teams or rosters</extracomment>
        <translation>%1 é uma planilha do tipo %2; informe-a como --%2 FILE.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nada foi gravado.</translation>
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

Traz valores de outro par de arquivos do jogo (OTHER_DB, OTHER_TEAM_FILE; arquivos do jogo
compactados ou cópias de trabalho, lidos na memória e nunca alterados) para PLAYER_DB e TEAM_FILE.
Os jogadores são associados pelo ID de jogador (um jogador pode estar em outro registro no outro
arquivo), os times pelo ID do time. As partes, todas quando --parts não é informado:
  details      nome, nome na camisa, idade, altura, peso, pé, espaçamento, posição registrada
  abilities    as 26 habilidades, as posições jogáveis, as habilidades especiais
  appearance   face e cabelo
  squads       os elencos dos times escolhidos, com os jogadores associados pelo ID (requer
               OTHER_TEAM_FILE)
  team_names   os nomes e as abreviações dos times escolhidos (requer OTHER_TEAM_FILE)
Cada valor é verificado e gravado como numa importação de planilha desse valor. Um jogador que o
outro arquivo tem e PLAYER_DB não tem é listado como fora deste banco de dados e deixado de fora.

  --where FILTER      só os jogadores de PLAYER_DB que o filtro deixa passar (rosterly-cli players)
  --players ID,...    só estes IDs de jogador
  --teams ID,...      só estes times (IDs de time) para squads e team_names
  --skip-refused      grava o restante quando algum elenco ou nome é recusado (senão nada é
                      gravado)
  --dry-run           mostra as alterações, não grava nada

Exibe as alterações como o diff as descreve e depois o que muda
(&quot;120 jogadores, 3 elencos e 2 nomes de times serão alterados&quot;). Os dois arquivos são substituídos
atomicamente, cada um no seu próprio formato, depois dos backups: os dois ou nenhum.

Código de saída: 0 feito ou nada a alterar, 1 recusado ou um arquivo não pode ser lido (nada
gravado), 2 uso incorreto.</translation>
    </message>
    <message>
        <source>--parts: &quot;%1&quot; is none of details, abilities, appearance, squads, team_names</source>
        <translation>--parts: &quot;%1&quot; não é nenhum de details, abilities, appearance, squads, team_names</translation>
    </message>
    <message>
        <source>squads and team_names need the other team file: rosterly-cli merge PLAYER_DB TEAM_FILE OTHER_DB OTHER_TEAM_FILE</source>
        <translation>squads e team_names precisam do outro arquivo de times: rosterly-cli merge PLAYER_DB TEAM_FILE OTHER_DB OTHER_TEAM_FILE</translation>
    </message>
    <message>
        <source>--%1 takes IDs separated by commas</source>
        <translation>--%1 recebe IDs separados por vírgulas</translation>
    </message>
    <message>
        <source>%1 and %2 are the same file</source>
        <translation>%1 e %2 são o mesmo arquivo</translation>
    </message>
    <message>
        <source>Nothing was written; --skip-refused writes the rest.</source>
        <translation>Nada foi gravado; --skip-refused grava o restante.</translation>
    </message>
</context>
<context>
    <name>NumberRange</name>
    <message>
        <source>a number</source>
        <translation>um número</translation>
    </message>
    <message>
        <source>enter %1 from %2 to %3.</source>
        <extracomment>%1 is what to enter (&quot;a number&quot;, &quot;a file number&quot;), %2 and %3 the lowest and highest.</extracomment>
        <translation>digite %1 de %2 a %3.</translation>
    </message>
    <message>
        <source>a file number</source>
        <translation>um número de arquivo</translation>
    </message>
</context>
<context>
    <name>PastePlan</name>
    <message>
        <source>There is nothing to paste.</source>
        <translation>Não há nada para colar.</translation>
    </message>
    <message>
        <source>The paste has %1 rows, but the grid shows %2 from the row it starts at.</source>
        <translation>A colagem tem %1 linhas, mas a grade mostra %2 a partir da linha em que ela começa.</translation>
    </message>
    <message>
        <source>row %1 (record %2): the paste has %3 cells, and %4 columns are shown from the column it starts at.</source>
        <translation>linha %1 (registro %2): a colagem tem %3 células, e são mostradas %4 colunas a partir da coluna em que ela começa.</translation>
    </message>
    <message>
        <source>row %1 (record %2), column %3: the grid shows %4 here, not %5; the column is not edited.</source>
        <extracomment>%3 is a column name of the player table (&quot;index&quot;).</extracomment>
        <translation>linha %1 (registro %2), coluna %3: a grade mostra %4 aqui, não %5; a coluna não é editada.</translation>
    </message>
    <message>
        <source>row %1 (record %2): %3</source>
        <extracomment>%3 says why the row&apos;s cells are refused.</extracomment>
        <translation>linha %1 (registro %2): %3</translation>
    </message>
    <message>
        <source>row %1 (record %2), column %3: %4</source>
        <extracomment>%3 is a column name of the player table (&quot;speed&quot;), %4 says why its cell is refused.</extracomment>
        <translation>linha %1 (registro %2), coluna %3: %4</translation>
    </message>
</context>
<context>
    <name>PlayerCells</name>
    <message>
        <source>the column is not edited.</source>
        <translation>a coluna não é editada.</translation>
    </message>
</context>
<context>
    <name>PlayerColumns</name>
    <message>
        <source>enter a position (%1) or a position code from %2 to %3.</source>
        <extracomment>%1 lists the positions as the sheet names them (GK, CB, ...): keep those as they are</extracomment>
        <translation>digite uma posição (%1) ou um código de posição de %2 a %3.</translation>
    </message>
    <message>
        <source>enter %1 or %2.</source>
        <extracomment>%1 and %2 are the words a foot cell holds, Right and Left: they stay as they are</extracomment>
        <translation>digite %1 ou %2.</translation>
    </message>
    <message>
        <source>enter 1 (checked) or 0 (clear).</source>
        <translation>digite 1 (marcado) ou 0 (desmarcado).</translation>
    </message>
</context>
<context>
    <name>PlayerEditor</name>
    <message>
        <source>Select a player first.</source>
        <translation>Selecione um jogador primeiro.</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
Nada foi gravado.</translation>
    </message>
    <message>
        <source>Apply Changes: %1</source>
        <translation>Aplicar alterações: %1</translation>
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
        <translation>no máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>these characters cannot be stored in the game: %1</source>
        <translation>estes caracteres não podem ser armazenados no jogo: %1</translation>
    </message>
    <message>
        <source>This entry lies inside the team roster table, which the game keeps over the last player records (from byte %1 of the player database on): writing it would damage the teams&apos; rosters. The entry can be viewed, not edited.</source>
        <translation>Esta entrada fica dentro da tabela de elencos dos times, que o jogo guarda sobre os últimos registros de jogadores (a partir do byte %1 do banco de dados de jogadores): gravá-la danificaria os elencos dos times. A entrada pode ser visualizada, mas não editada.</translation>
    </message>
    <message>
        <source>%1: the stored byte %2 has no flag bit to clear, so it stays as stored and the box shows it set again. The other abilities were written.</source>
        <extracomment>%1 is the special ability Long Throw, %2 a number from 100 to 127</extracomment>
        <translation>%1: o byte armazenado %2 não tem bit de marcação para desmarcar, então fica como está e a caixa volta a aparecer marcada. As outras habilidades foram gravadas.</translation>
    </message>
    <message>
        <source>Special abilities (sum of the boxes)</source>
        <translation>Habilidades especiais (soma das caixas)</translation>
    </message>
</context>
<context>
    <name>PlayerFilter</name>
    <message>
        <source>a value of the list is empty</source>
        <translation>um valor da lista está vazio</translation>
    </message>
    <message>
        <source>%1: a quote is not closed</source>
        <extracomment>%1 is the filter from its last quote on.</extracomment>
        <translation>%1: aspas não fechadas</translation>
    </message>
    <message>
        <source>no column before &quot;%1&quot;</source>
        <translation>nenhuma coluna antes de &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no column before &quot;%1&quot;; a term has no blanks in it, as in %2%3%4</source>
        <extracomment>%2%3%4 is the term written without its blanks (&quot;speed&gt;=85&quot;).</extracomment>
        <translation>nenhuma coluna antes de &quot;%1&quot;; um termo não tem espaços, como em %2%3%4</translation>
    </message>
    <message>
        <source>&quot;!&quot; is no operator; use != for &quot;is not&quot;</source>
        <translation>&quot;!&quot; não é um operador; use != para &quot;diferente de&quot;</translation>
    </message>
    <message>
        <source>no value after &quot;%1&quot;</source>
        <translation>nenhum valor depois de &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown column &quot;%1&quot;</source>
        <translation>coluna desconhecida &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown column &quot;%1&quot; (%2?)</source>
        <extracomment>%2 is the known column nearest to the name typed.</extracomment>
        <translation>coluna desconhecida &quot;%1&quot; (%2?)</translation>
    </message>
    <message>
        <source>a list of values goes with =, != or ~ only</source>
        <translation>uma lista de valores só pode ser usada com =, != ou ~</translation>
    </message>
    <message>
        <source>%1 holds text: compare it with =, != or ~</source>
        <extracomment>%1 is a column name of the filter (&quot;name&quot;).</extracomment>
        <translation>%1 contém texto: compare com =, != ou ~</translation>
    </message>
    <message>
        <source>%1 holds whole numbers, and &quot;%2&quot; is none</source>
        <extracomment>%1 is a column name of the filter (&quot;speed&quot;), %2 the value typed.</extracomment>
        <translation>%1 contém números inteiros, e &quot;%2&quot; não é um deles</translation>
    </message>
</context>
<context>
    <name>PlayerIndexLoad</name>
    <message>
        <source>The working copy of %1 is %2 bytes, a player database holds at least %3: it looks like a team file. Choose the player database (unnamed_25.bin) with File &gt; Open.</source>
        <translation>A cópia de trabalho de %1 tem %2 bytes, e um banco de dados de jogadores tem pelo menos %3: parece ser um arquivo de times. Escolha o banco de dados de jogadores (unnamed_25.bin) em Arquivo &gt; Abrir.</translation>
    </message>
</context>
<context>
    <name>PlayerRowEdit</name>
    <message>
        <source>%1 shows %2, not %3: the rule of Apply Abilities leaves the stored byte %4 as it is.</source>
        <extracomment>&quot;Apply Abilities&quot; is the button of the player view; %4 is the byte&apos;s value</extracomment>
        <translation>%1 mostra %2, não %3: a regra de Aplicar habilidades deixa o byte armazenado %4 como está.</translation>
    </message>
    <message>
        <source>%1 shows %2, not %3: the rule of Apply Abilities leaves the stored byte %4 at %5.</source>
        <extracomment>&quot;Apply Abilities&quot; is the button of the player view; %4 and %5 are values</extracomment>
        <translation>%1 mostra %2, não %3: a regra de Aplicar habilidades deixa o byte armazenado %4 em %5.</translation>
    </message>
    <message>
        <source>%1 shows %2, not %3: the view checks the box of the registered position.</source>
        <translation>%1 mostra %2, não %3: a visualização marca a caixa da posição registrada.</translation>
    </message>
    <message>
        <source>%1 shows %2, not %3: the view shows the bytes written that way.</source>
        <translation>%1 mostra %2, não %3: é assim que a visualização mostra os bytes gravados dessa forma.</translation>
    </message>
</context>
<context>
    <name>PlayerSheet</name>
    <message>
        <source>enter a record index from 0 to %1.</source>
        <translation>digite um índice de registro de 0 a %1.</translation>
    </message>
    <message>
        <source>record %1 is on row %2 already.</source>
        <translation>o registro %1 já está na linha %2.</translation>
    </message>
    <message>
        <source>the ID of record %1 is %2; the row belongs to another player or the sheet to another database.</source>
        <translation>o ID do registro %1 é %2; a linha pertence a outro jogador ou a planilha a outro banco de dados.</translation>
    </message>
    <message>
        <source>The player database is too short: it has %1 bytes, but its %2 player records end at byte %3.</source>
        <translation>O banco de dados de jogadores é curto demais: tem %1 bytes, mas seus %2 registros de jogadores terminam no byte %3.</translation>
    </message>
</context>
<context>
    <name>PlayerTableWindow</name>
    <message>
        <source>Player Table</source>
        <translation>Tabela de jogadores</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtro:</translation>
    </message>
    <message>
        <source>Any position</source>
        <translation>Qualquer posição</translation>
    </message>
    <message>
        <source>Change Field…</source>
        <translation>Alterar campo…</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tabela</translation>
    </message>
    <message>
        <source>Any team</source>
        <translation>Qualquer time</translation>
    </message>
    <message>
        <source>Free agents</source>
        <translation>Agentes livres</translation>
    </message>
    <message>
        <source>%1 of %2 players</source>
        <translation>%1 de %2 jogadores</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>%1 selected player</source>
        <translation>%1 jogador selecionado</translation>
    </message>
    <message>
        <source>%1 selected players</source>
        <translation>%1 jogadores selecionados</translation>
    </message>
    <message>
        <source>All %1 players</source>
        <translation>Todos os %1 jogadores</translation>
    </message>
    <message>
        <source>%1 players shown by the filter</source>
        <translation>%1 jogadores mostrados pelo filtro</translation>
    </message>
    <message>
        <source>Select the cell the paste starts at first.</source>
        <translation>Selecione primeiro a célula em que a colagem começa.</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
Nada foi gravado.</translation>
    </message>
    <message>
        <source>Paste %1 cell</source>
        <extracomment>The step&apos;s name in the Edit menu.</extracomment>
        <translation>Colar %1 célula</translation>
    </message>
    <message>
        <source>Paste %1 cells</source>
        <translation>Colar %1 células</translation>
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
        <translation>O registro do jogador não foi encontrado. Clique em Carregar novamente.</translation>
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

Exibe os jogadores de PLAYER_DB (registros 0-6449, as linhas da planilha de jogadores) que FILTER
deixa passar: uma linha de cabeçalho e depois uma linha por jogador, separada por tabulações
(--format csv: como a planilha de jogadores grava suas células). As colunas são as da planilha de
jogadores e, com TEAM_FILE, também teams (os elencos em que o jogador está), numbers (os números
de camisa dele nesses elencos) e squads (em quantos está).

  --where FILTER     termos separados por espaços, e todos devem ser verdadeiros; um termo é
                     COLUMN OP VALUE, com OP um de = != &lt; &lt;= &gt; &gt;= ~ (contém, ignorando
                     maiúsculas/minúsculas e acentos): speed&gt;=85 position=CF,SS
                     teams~&quot;real madrid&quot; squads=0 age&lt;21. Uma palavra sozinha busca nos nomes.
                     Os valores são os que a planilha mostra.
  --columns A,B,...  as colunas a exibir, nessa ordem (todas, quando não informado)
  --sort COLUMN,...  a ordem das linhas: pela primeira coluna e, entre linhas de valores iguais,
                     pela seguinte; -COLUMN para os maiores primeiro. Números são ordenados como
                     números.
  --format tsv|csv   tsv (o padrão) ou csv

Código de saída: 0 feito (também quando nenhum jogador corresponde), 1 um arquivo não pode ser
lido, 2 uso incorreto ou filtro incorreto.</translation>
    </message>
    <message>
        <source>%1: unknown column &quot;%2&quot;</source>
        <translation>%1: coluna desconhecida &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: unknown column &quot;%2&quot; (%3?)</source>
        <translation>%1: coluna desconhecida &quot;%2&quot; (%3?)</translation>
    </message>
    <message>
        <source>--format is tsv or csv, not &quot;%1&quot;</source>
        <translation>--format é tsv ou csv, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the column %1 needs the team file: rosterly-cli players PLAYER_DB TEAM_FILE ...</source>
        <translation>a coluna %1 precisa do arquivo de times: rosterly-cli players PLAYER_DB TEAM_FILE ...</translation>
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

Tira o jogador com o ID do elenco do time --from (um time que o arquivo de times lista), com as
regras de elenco do editor: os jogadores depois dele sobem uma vaga, e as vagas vazias vão para
depois dos jogadores. Ele continua em qualquer outro elenco em que estiver.

  --dry-run   mostra a alteração, não grava nada

Exibe a alteração, &quot;Boris Brown (7): released from Brazil&quot;, e depois substitui o banco de dados de
jogadores em uma única etapa atômica (um arquivo do jogo compactado é compactado novamente; uma
cópia de trabalho, *.unzlib, é gravada como está), depois que o arquivo como era é guardado na
pasta backups ao lado dele. O arquivo de times é apenas lido.

Código de saída: 0 feito, 1 recusado (o motivo na saída de erro padrão, nada gravado) ou um
arquivo não pode ser lido, 2 uso incorreto.</translation>
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
        <translation>Face: unnamed_%1.bin</translation>
    </message>
    <message>
        <source>Hair: unnamed_%1.bin</source>
        <extracomment>unnamed_%1.bin is the name of the game file that holds the hair; %1 is its number</extracomment>
        <translation>Cabelo: unnamed_%1.bin</translation>
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

Coloca BACKUP no lugar do seu arquivo do jogo em uma única etapa atômica. BACKUP é um dos arquivos
guardados na pasta backups ao lado de um arquivo do jogo antes de cada substituição, com o nome
dele: GAME_FILE.yyyyMMdd-HHmmss.bak ou GAME_FILE.yyyyMMdd-HHmmss-N.bak. Antes é feito um backup do
arquivo do jogo como está agora, de modo que uma restauração pode ser desfeita da mesma forma.
rosterly-cli backups GAME_FILE lista esses arquivos.

Código de saída: 0 restaurado, 1 recusado (não é um backup, ou não pode ser lido ou restaurado; o
arquivo do jogo fica como estava), 2 uso incorreto.</translation>
    </message>
</context>
<context>
    <name>RosterImport</name>
    <message>
        <source>enter a whole number from %1 to %2.</source>
        <translation>digite um número inteiro de %1 a %2.</translation>
    </message>
    <message>
        <source>%1 is in %2 already, on row %3.</source>
        <extracomment>%1 is a player, %2 a team, %3 a row number</extracomment>
        <translation>%1 já está em %2, na linha %3.</translation>
    </message>
    <message>
        <source>Shirt number %1 is taken by %2 in %3 (row %4).</source>
        <extracomment>%2 is a player, %3 a team, %4 a row number</extracomment>
        <translation>O número de camisa %1 já é usado por %2 em %3 (linha %4).</translation>
    </message>
    <message>
        <source>%1 has no roster record in the player database.</source>
        <translation>%1 não tem registro de elenco no banco de dados de jogadores.</translation>
    </message>
    <message>
        <source>no team of the team file has the ID %1.</source>
        <translation>nenhum time do arquivo de times tem o ID %1.</translation>
    </message>
    <message>
        <source>player ID 0 marks an empty slot; to empty the slot, delete its row.</source>
        <translation>o ID de jogador 0 marca uma vaga vazia; para esvaziar a vaga, exclua a linha dela.</translation>
    </message>
    <message>
        <source>no player of the database has the ID %1.</source>
        <translation>nenhum jogador do banco de dados tem o ID %1.</translation>
    </message>
    <message>
        <source>slot %1 of %2 is on row %3 already.</source>
        <extracomment>%1 is a slot number, %2 a team, %3 a row number</extracomment>
        <translation>a vaga %1 de %2 já está na linha %3.</translation>
    </message>
</context>
<context>
    <name>RosterView</name>
    <message>
        <source>Team: %1</source>
        <translation>Time: %1</translation>
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
      grava players.csv (e teams.csv e rosters.csv com o arquivo de times) em DIR, ou .xlsx
  import PLAYER_DB [TEAM_FILE] [--players FILE | --rosters FILE] [--teams FILE] [--dry-run]
      aplica planilhas editadas aos arquivos do jogo
  diff OLD_DB NEW_DB [OLD_TEAMS NEW_TEAMS]
      lista cada campo que difere entre dois bancos de dados (e arquivos de times)
  backups GAME_FILE
      lista os backups guardados de um arquivo do jogo, do mais novo ao mais antigo
  restore BACKUP
      coloca um backup no lugar do seu arquivo do jogo (do qual antes é feito um backup)
  squad PLAYER_DB TEAM_FILE TEAM_ID
      exibe o elenco de um time: vaga, número da camisa, ID e nome do jogador
  transfer PLAYER_DB TEAM_FILE --player ID --to TEAM_ID [--from TEAM_ID] [--number N]
           [--call-up] [--dry-run]
      move um jogador para outro elenco (ou o convoca, ou contrata um agente livre)
  release PLAYER_DB TEAM_FILE --player ID --from TEAM_ID [--dry-run]
      tira um jogador de um elenco
  check PLAYER_DB TEAM_FILE
      lista cada problema dos elencos
  players PLAYER_DB [TEAM_FILE] [--where FILTER] [--columns A,B] [--sort [-]COLUMN]
          [--format tsv|csv]
      exibe os jogadores que um filtro deixa passar: speed&gt;=85 position=CF,SS teams~madrid
  set PLAYER_DB [TEAM_FILE] --where FILTER --column COLUMN (--value V | --add N
      | --subtract N | --at-least N | --at-most N) [--dry-run]
      altera uma coluna de cada jogador que um filtro deixa passar
  merge PLAYER_DB TEAM_FILE OTHER_DB [OTHER_TEAM_FILE] [--parts P,...] [--where FILTER]
        [--players ID,...] [--teams ID,...] [--skip-refused] [--dry-run]
      traz jogadores, elencos e nomes de times de outro par de arquivos do jogo

Arquivos do jogo são arquivos do jogo compactados (unnamed_25.bin) ou cópias de trabalho
(unnamed_25.bin.unzlib). rosterly-cli COMMAND --help dá mais detalhes sobre um comando.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nenhum comando informado</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>comando desconhecido &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>SaveJob</name>
    <message>
        <source>A save is in progress. %1 when it has finished.</source>
        <extracomment>%1 is what has to wait, as a request (&quot;Close the window again&quot;, &quot;Open a file&quot;).</extracomment>
        <translation>Um salvamento está em andamento. %1 quando ele terminar.</translation>
    </message>
    <message>
        <source>No game file is open, so there is nothing to save. Use File &gt; Open first.</source>
        <translation>Nenhum arquivo do jogo está aberto, então não há nada para salvar. Use Arquivo &gt; Abrir primeiro.</translation>
    </message>
    <message>
        <source>Save again</source>
        <translation>Salve novamente</translation>
    </message>
    <message>
        <source>%1
The game file was not changed.</source>
        <translation>%1
O arquivo do jogo não foi alterado.</translation>
    </message>
    <message>
        <source>The working copy %1 is missing or shorter than a complete one (%2 bytes), so it is not saved. The game file was not changed.</source>
        <translation>A cópia de trabalho %1 não existe ou é menor que uma completa (%2 bytes), por isso não foi salva. O arquivo do jogo não foi alterado.</translation>
    </message>
    <message>
        <source>The codec tool did not finish compressing within %1 seconds. The game file was not changed.</source>
        <translation>A ferramenta de codec não terminou de compactar em %1 segundos. O arquivo do jogo não foi alterado.</translation>
    </message>
    <message>
        <source>Compressing the working copy failed: %1
The game file was not changed.</source>
        <translation>A compactação da cópia de trabalho falhou: %1
O arquivo do jogo não foi alterado.</translation>
    </message>
    <message>
        <source>DONE!</source>
        <extracomment>The message box that ends a save that replaced the game file.</extracomment>
        <translation>PRONTO!</translation>
    </message>
    <message>
        <source>The compressed result %1 is missing or unreadable: %2</source>
        <translation>O resultado compactado %1 não existe ou não pode ser lido: %2</translation>
    </message>
    <message>
        <source>The compressed result %1 is damaged.</source>
        <translation>O resultado compactado %1 está danificado.</translation>
    </message>
    <message>
        <source>The game file %1 could not be replaced: %2</source>
        <translation>O arquivo do jogo %1 não pôde ser substituído: %2</translation>
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

Altera uma coluna de cada jogador que FILTER deixa passar (registros 0-6449; a linguagem de filtro
de rosterly-cli players, --where &quot;&quot; para todos os jogadores): define-a como V, soma ou subtrai N
(habilidades mantidas em 1-99, um valor armazenado acima de 99 mantido, a menos que a alteração o
diminua; outros números mantidos na faixa que a caixa do editor aceita), ou eleva uma habilidade a
no mínimo N ou a limita a no máximo N. Cada valor é verificado e gravado exatamente como numa
importação de planilha dessa célula. teams, numbers e squads no filtro precisam de TEAM_FILE, que
é apenas lido.

Exibe uma linha por campo alterado, como import e diff fazem (&quot;index id name: field old -&gt; new&quot;),
e depois o que a alteração fez (&quot;97 jogadores alterados, 12 limitados a 99, 11 já em 99&quot;).
PLAYER_DB é substituído em uma única etapa atômica no seu próprio formato, depois que o arquivo
como era é guardado nos seus backups.

  --dry-run   mostra as alterações, não grava nada

Código de saída: 0 feito ou nada a alterar, 1 recusado (todos os motivos na saída de erro padrão,
nada gravado) ou um arquivo não pode ser lido, 2 uso incorreto ou filtro incorreto.</translation>
    </message>
    <message>
        <source>--where FILTER is missing (--where &quot;&quot; changes every player)</source>
        <translation>falta --where FILTER (--where &quot;&quot; altera todos os jogadores)</translation>
    </message>
    <message>
        <source>--column COLUMN is missing</source>
        <translation>falta --column COLUMN</translation>
    </message>
    <message>
        <source>give one of --value, --add, --subtract, --at-least, --at-most</source>
        <translation>informe uma das opções --value, --add, --subtract, --at-least, --at-most</translation>
    </message>
    <message>
        <source>--column: &quot;%1&quot; is no column a change writes</source>
        <translation>--column: &quot;%1&quot; não é uma coluna que uma alteração grava</translation>
    </message>
    <message>
        <source>--column: &quot;%1&quot; is no column a change writes (%2?)</source>
        <translation>--column: &quot;%1&quot; não é uma coluna que uma alteração grava (%2?)</translation>
    </message>
    <message>
        <source>the column %1 needs the team file</source>
        <translation>a coluna %1 precisa do arquivo de times</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nada foi gravado.</translation>
    </message>
</context>
<context>
    <name>SheetErrors</name>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>%1 is a row number, %2 the name of the sheet&apos;s column, %3 what is wrong</extracomment>
        <translation>linha %1, coluna %2: %3</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… e mais %1</translation>
    </message>
</context>
<context>
    <name>SheetFile</name>
    <message>
        <source>the game file is too short to be written as a sheet</source>
        <translation>o arquivo do jogo é curto demais para ser gravado como planilha</translation>
    </message>
</context>
<context>
    <name>SheetHeader</name>
    <message>
        <source>row 1: the sheet is empty; it needs a header row naming its columns (%1, …).</source>
        <extracomment>%1 is the name of the sheet&apos;s first column, as the sheet must name it</extracomment>
        <translation>linha 1: a planilha está vazia; ela precisa de uma linha de cabeçalho com os nomes das colunas (%1, …).</translation>
    </message>
    <message>
        <source>unknown column.</source>
        <translation>coluna desconhecida.</translation>
    </message>
    <message>
        <source>the column is named twice.</source>
        <translation>a coluna aparece duas vezes.</translation>
    </message>
    <message>
        <source>the column %1 is missing; the sheet needs it to match its rows.</source>
        <translation>falta a coluna %1; a planilha precisa dela para associar as linhas.</translation>
    </message>
    <message>
        <source>the row has %1 cells, the header %2.</source>
        <translation>a linha tem %1 células, o cabeçalho %2.</translation>
    </message>
</context>
<context>
    <name>SheetText</name>
    <message>
        <source>a zip archive, as an .xlsx workbook is: give it the name .xlsx or save it as CSV</source>
        <translation>um arquivo zip, como é uma pasta de trabalho .xlsx: dê a ele a extensão .xlsx ou salve-o como CSV</translation>
    </message>
    <message>
        <source>a PNG image</source>
        <translation>uma imagem PNG</translation>
    </message>
    <message>
        <source>a JPEG image</source>
        <translation>uma imagem JPEG</translation>
    </message>
    <message>
        <source>a GIF image</source>
        <translation>uma imagem GIF</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>um documento PDF</translation>
    </message>
    <message>
        <source>an Excel 97-2003 workbook (.xls) or another old Office file: save it as .xlsx or CSV</source>
        <translation>uma pasta de trabalho do Excel 97-2003 (.xls) ou outro arquivo antigo do Office: salve-o como .xlsx ou CSV</translation>
    </message>
    <message>
        <source>a game file, not a sheet</source>
        <translation>um arquivo do jogo, não uma planilha</translation>
    </message>
    <message>
        <source>binary data (a NUL byte at byte %1)</source>
        <translation>dados binários (um byte NUL no byte %1)</translation>
    </message>
    <message>
        <source>binary data (%1 of its %2 bytes are control bytes)</source>
        <translation>dados binários (%1 dos seus %2 bytes são bytes de controle)</translation>
    </message>
    <message>
        <source>the sheet begins as UTF-16 text, but its bytes are not UTF-16.</source>
        <translation>a planilha começa como texto UTF-16, mas seus bytes não são UTF-16.</translation>
    </message>
    <message>
        <source>the sheet begins with &quot;ï»¿&quot;, a UTF-8 byte-order mark that a program read as Windows-1252 text before saving the sheet; it was read as the mark.</source>
        <translation>a planilha começa com &quot;ï»¿&quot;, uma marca de ordem de bytes UTF-8 que um programa leu como texto Windows-1252 antes de salvar a planilha; ela foi lida como essa marca.</translation>
    </message>
    <message>
        <source>it is not a text sheet: it looks like %1.</source>
        <translation>não é uma planilha de texto: parece ser %1.</translation>
    </message>
    <message>
        <source>the sheet is not UTF-8 (row %1 is the first that is not); it was read as Windows-1252, the game&apos;s own code page, in which older Excel saves CSV.</source>
        <translation>a planilha não está em UTF-8 (a linha %1 é a primeira que não está); ela foi lida como Windows-1252, a página de código do próprio jogo, na qual versões antigas do Excel salvam CSV.</translation>
    </message>
</context>
<context>
    <name>SpreadsheetMenu</name>
    <message>
        <source>Open a player database and press Load first.</source>
        <translation>Abra um banco de dados de jogadores e clique em Carregar primeiro.</translation>
    </message>
    <message>
        <source>%1 could not be made: %2</source>
        <translation>Não foi possível criar %1: %2</translation>
    </message>
    <message>
        <source>%1 exists already. Replace it?</source>
        <translation>%1 já existe. Substituir?</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>Export again</source>
        <translation>Exporte novamente</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Exportar para Excel</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Exportar para CSV</translation>
    </message>
    <message>
        <source>Wrote %1 to %2.</source>
        <extracomment>%1 lists the sheets&apos; file names.</extracomment>
        <translation>Gravado em %2: %1.</translation>
    </message>
    <message>
        <source>Import again</source>
        <translation>Importe novamente</translation>
    </message>
    <message>
        <source>Import Sheet</source>
        <translation>Importar planilha</translation>
    </message>
    <message>
        <source>Spreadsheet (CSV or Excel)</source>
        <translation>Planilha (CSV ou Excel)</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2
Nothing was written.</source>
        <translation>Não foi possível importar %1: %2
Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1 is neither a players sheet (it has no index column) nor a teams sheet (no position column). Nothing was written.</source>
        <translation>%1 não é uma planilha de jogadores (não tem a coluna index) nem uma planilha de times (não tem a coluna position). Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1 holds team names, but no team file is loaded. Load the team file first. Nothing was written.</source>
        <translation>%1 contém nomes de times, mas nenhum arquivo de times está carregado. Carregue o arquivo de times primeiro. Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1 holds the teams&apos; rosters, but no team file is loaded. Load the team file first. Nothing was written.</source>
        <translation>%1 contém os elencos dos times, mas nenhum arquivo de times está carregado. Carregue o arquivo de times primeiro. Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1 was refused:
%2
Nothing was written.</source>
        <translation>%1 foi recusado:
%2
Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1 changes nothing: every cell shows what the file holds already.%2</source>
        <extracomment>%2 is empty or the sheet&apos;s notes, on lines of their own.</extracomment>
        <translation>%1 não altera nada: todas as células mostram o que o arquivo já contém.%2</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <extracomment>After the first changes listed: how many more there are.</extracomment>
        <translation>… e mais %1</translation>
    </message>
    <message>
        <source>%1 changes %2 %3 in %4 %5:
%6%7

Write these changes into the working copy?</source>
        <extracomment>%1 is the sheet, %2 and %3 how many fields (&quot;1 field&quot;, &quot;5 fields&quot;), %4 and %5 how many records; the changes follow on lines of their own (%6), then the notes (%7).</extracomment>
        <translation>%1 altera %2 %3 em %4 %5:
%6%7

Gravar estas alterações na cópia de trabalho?</translation>
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

Exibe o elenco do time com TEAM_ID: o registro de elenco dele, o primeiro na tabela de elencos do
banco de dados de jogadores que traz o ID. Primeiro uma linha com o nome do time, o ID dele e o
número de jogadores, &quot;Austria (team ID 100): 25 players&quot;, e depois uma linha por vaga preenchida,
na ordem das vagas, com quatro campos separados por tabulações: a vaga (0-31), o número da camisa,
o ID do jogador e o nome do jogador (&quot;(no player of the database)&quot; para um ID que nenhum registro
0-6449 tem). TEAM_ID deve ser um time que o arquivo de times lista; um ID negativo vai
depois de --, como em rosterly-cli squad PLAYER_DB TEAM_FILE -- -1. Os times e seus IDs estão
listados em teams.csv, que rosterly-cli export grava.

Código de saída: 0 exibido, 1 o arquivo de times não lista esse time, o time não tem registro de
elenco ou um arquivo não pode ser lido, 2 uso incorreto.</translation>
    </message>
    <message>
        <source>TEAM_ID is a number, not &quot;%1&quot;</source>
        <translation>TEAM_ID é um número, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 has no roster record in the player database.</source>
        <translation>%1 não tem registro de elenco no banco de dados de jogadores.</translation>
    </message>
</context>
<context>
    <name>SquadEditor</name>
    <message>
        <source>Squads</source>
        <translation>Elencos</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Vaga</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>The column of shirt numbers</extracomment>
        <translation>Nº</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Transfer →</source>
        <translation>Transferir →</translation>
    </message>
    <message>
        <source>← Transfer</source>
        <translation>← Transferir</translation>
    </message>
    <message>
        <source>Call up →</source>
        <translation>Convocar →</translation>
    </message>
    <message>
        <source>Release</source>
        <extracomment>A button that takes the selected player out of his squad</extracomment>
        <translation>Dispensar</translation>
    </message>
    <message>
        <source>Swap</source>
        <extracomment>A button that swaps the players selected on the left and on the right</extracomment>
        <translation>Trocar</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descer</translation>
    </message>
    <message>
        <source>Find a player:</source>
        <translation>Buscar jogador:</translation>
    </message>
    <message>
        <source>any part of the name</source>
        <translation>qualquer parte do nome</translation>
    </message>
    <message>
        <source>Free agents</source>
        <translation>Agentes livres</translation>
    </message>
    <message>
        <source>Choose a player in the left table first.</source>
        <translation>Escolha primeiro um jogador na tabela da esquerda.</translation>
    </message>
    <message>
        <source>Choose a player in the right table first.</source>
        <translation>Escolha primeiro um jogador na tabela da direita.</translation>
    </message>
    <message>
        <source>Team ID %1</source>
        <translation>ID do time %1</translation>
    </message>
    <message>
        <source>Press Load first: the squads shown are not those of the file now open.</source>
        <translation>Clique em Carregar primeiro: os elencos mostrados não são os do arquivo aberto agora.</translation>
    </message>
    <message>
        <source>The player database&apos;s working copy cannot be read, or ends before its roster table.
Nothing was written.</source>
        <translation>A cópia de trabalho do banco de dados de jogadores não pode ser lida ou termina antes da tabela de elencos.
Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1 is a free agent already: choose the team he joins on the left.</source>
        <translation>%1 já é agente livre: escolha à esquerda o time para o qual ele vai.</translation>
    </message>
    <message>
        <source>%1 is a free agent already: choose the team he joins on the right.</source>
        <translation>%1 já é agente livre: escolha à direita o time para o qual ele vai.</translation>
    </message>
    <message>
        <source>Release: %1 from %2</source>
        <translation>Dispensar: %1 de %2</translation>
    </message>
    <message>
        <source>Transfer: %1 to %2</source>
        <translation>Transferir: %1 para %2</translation>
    </message>
    <message>
        <source>A call-up needs a team on the right, not the free agents.</source>
        <translation>Uma convocação precisa de um time à direita, não dos agentes livres.</translation>
    </message>
    <message>
        <source>Call up: %1 to %2</source>
        <translation>Convocar: %1 para %2</translation>
    </message>
    <message>
        <source>%1 is a free agent already.</source>
        <translation>%1 já é agente livre.</translation>
    </message>
    <message>
        <source>A swap takes players of two teams; a free agent joins a squad by a transfer.</source>
        <translation>Uma troca envolve jogadores de dois times; um agente livre entra em um elenco por transferência.</translation>
    </message>
    <message>
        <source>Swap: %1 and %2</source>
        <translation>Trocar: %1 e %2</translation>
    </message>
    <message>
        <source>The free agents are in no squad, whose order could change.</source>
        <translation>Os agentes livres não estão em nenhum elenco cuja ordem possa mudar.</translation>
    </message>
    <message>
        <source>Move Up: %1 in %2</source>
        <translation>Subir: %1 em %2</translation>
    </message>
    <message>
        <source>Move Down: %1 in %2</source>
        <translation>Descer: %1 em %2</translation>
    </message>
    <message>
        <source>Shirt number: %1 to %2</source>
        <translation>Número da camisa: %1 para %2</translation>
    </message>
    <message>
        <source>free agent</source>
        <translation>agente livre</translation>
    </message>
</context>
<context>
    <name>SquadFiles</name>
    <message>
        <source>the player database and the team file are the same file</source>
        <translation>o banco de dados de jogadores e o arquivo de times são o mesmo arquivo</translation>
    </message>
    <message>
        <source>The team file lists no team with team ID %1.</source>
        <translation>O arquivo de times não lista nenhum time com o ID %1.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1 %2 is missing</source>
        <translation>falta %1 %2</translation>
    </message>
    <message>
        <source>%1 takes a number, not &quot;%2&quot;</source>
        <translation>%1 recebe um número, não &quot;%2&quot;</translation>
    </message>
    <message>
        <source>player ID 0 marks an empty slot; give a player&apos;s ID</source>
        <translation>o ID de jogador 0 marca uma vaga vazia; informe o ID de um jogador</translation>
    </message>
</context>
<context>
    <name>SquadRules</name>
    <message>
        <source>Shirt numbers run from %1 to %2.</source>
        <translation>Os números de camisa vão de %1 a %2.</translation>
    </message>
    <message>
        <source>Player ID %1</source>
        <translation>ID de jogador %1</translation>
    </message>
    <message>
        <source>Team ID %1</source>
        <translation>ID do time %1</translation>
    </message>
    <message>
        <source>%1 has no roster record in the player database.</source>
        <translation>%1 não tem registro de elenco no banco de dados de jogadores.</translation>
    </message>
    <message>
        <source>Shirt number %1 is taken by %2 in %3.</source>
        <translation>O número de camisa %1 já é usado por %2 em %3.</translation>
    </message>
    <message>
        <source>%1 is not in %2.</source>
        <translation>%1 não está em %2.</translation>
    </message>
    <message>
        <source>%1 is in %2 already.</source>
        <translation>%1 já está em %2.</translation>
    </message>
    <message>
        <source>%1 has %2 players already, the most a squad can hold.</source>
        <translation>%1 já tem %2 jogadores, o máximo que um elenco comporta.</translation>
    </message>
    <message>
        <source>The roster table holds no record beside that of %1.</source>
        <translation>A tabela de elencos não tem nenhum registro além do de %1.</translation>
    </message>
    <message>
        <source>%1 and %2 are both in %3; a swap takes players of two teams.</source>
        <translation>%1 e %2 estão ambos em %3; uma troca envolve jogadores de dois times.</translation>
    </message>
    <message>
        <source>%1 is first in %2 already.</source>
        <translation>%1 já é o primeiro em %2.</translation>
    </message>
    <message>
        <source>%1 is last in %2 already.</source>
        <translation>%1 já é o último em %2.</translation>
    </message>
</context>
<context>
    <name>TeamNameTable</name>
    <message>
        <source>may have at most %1 characters.</source>
        <translation>pode ter no máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>holds characters the game cannot store: %1</source>
        <translation>contém caracteres que o jogo não consegue armazenar: %1</translation>
    </message>
    <message>
        <source>The team name may have at most %1 characters.</source>
        <translation>O nome do time pode ter no máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>The team name holds characters the game cannot store: %1</source>
        <translation>O nome do time contém caracteres que o jogo não consegue armazenar: %1</translation>
    </message>
    <message>
        <source>The short name may have at most %1 characters.</source>
        <translation>A abreviação pode ter no máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>The short name holds characters the game cannot store: %1</source>
        <translation>A abreviação contém caracteres que o jogo não consegue armazenar: %1</translation>
    </message>
</context>
<context>
    <name>TeamSheet</name>
    <message>
        <source>The team file is too short: it has %1 bytes, but its team names end at byte %2.</source>
        <translation>O arquivo de times é curto demais: tem %1 bytes, mas os nomes dos times terminam no byte %2.</translation>
    </message>
    <message>
        <source>enter a team position from 0 to %1.</source>
        <translation>digite uma posição de time de 0 a %1.</translation>
    </message>
    <message>
        <source>team %1 is on row %2 already.</source>
        <translation>o time %1 já está na linha %2.</translation>
    </message>
    <message>
        <source>this team has no team ID to change; leave the cell empty.</source>
        <translation>este time não tem ID de time para alterar; deixe a célula vazia.</translation>
    </message>
    <message>
        <source>team IDs are not edited here; the team&apos;s is %1.</source>
        <translation>IDs de time não são editados aqui; o deste time é %1.</translation>
    </message>
    <message>
        <source>the team is listed past the end of the short names and has no short name that could be written.</source>
        <translation>o time está listado depois do fim das abreviações e não tem uma abreviação que possa ser gravada.</translation>
    </message>
    <message>
        <source>the team file ends at byte %1, before this team&apos;s name entry does.</source>
        <translation>o arquivo de times termina no byte %1, antes do fim da entrada do nome deste time.</translation>
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

Tira o jogador com o ID do elenco do time --from e o coloca no elenco do time --to, com as regras
de elenco do editor: ele entra depois dos jogadores que já estão lá, com o número de camisa N, ou
senão com o número que usava, se ninguém no novo elenco o usa, ou senão com o menor número livre.
Um elenco tem no máximo 32 jogadores, cada um uma só vez, com números de 1 a 99 que ninguém mais
no elenco usa; as vagas vazias de um elenco alterado vão para depois dos jogadores. Os IDs de time
são os que o arquivo de times lista.

Sem --from, o jogador deixa o único elenco em que está (fora o de --to). Um jogador em vários
elencos precisa de --from; um jogador em nenhum, um agente livre, entra em --to.

  --call-up   mantém o jogador também no elenco de --from (a convocação de uma seleção)
  --dry-run   mostra a alteração, não grava nada

Exibe a alteração, &quot;Boris Brown (7): Brazil -&gt; Austria, shirt number 7&quot;
(&quot;called up from Brazil to Austria&quot;, &quot;free agent -&gt; Austria&quot; para os outros casos), e depois
substitui o banco de dados de jogadores em uma única etapa atômica (um arquivo do jogo compactado
é compactado novamente; uma cópia de trabalho, *.unzlib, é gravada como está), depois que o
arquivo como era é guardado na pasta backups ao lado dele. O arquivo de times é apenas lido.

Código de saída: 0 feito, 1 recusado (o motivo na saída de erro padrão, nada gravado) ou um
arquivo não pode ser lido, 2 uso incorreto.</translation>
    </message>
    <message>
        <source>--number takes a shirt number, not &quot;%1&quot;</source>
        <translation>--number recebe um número de camisa, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 (team ID %2)</source>
        <translation>%1 (ID do time %2)</translation>
    </message>
    <message>
        <source>Player ID %1</source>
        <translation>ID de jogador %1</translation>
    </message>
    <message>
        <source>%1 is in %2 squads: %3; say which he leaves with --from TEAM_ID.</source>
        <extracomment>%2 is the number of squads (always more than one), %3 lists them</extracomment>
        <translation>%1 está em %2 elencos: %3; indique com --from TEAM_ID qual deles ele deixa.</translation>
    </message>
    <message>
        <source>No player of the database has player ID %1.</source>
        <translation>Nenhum jogador do banco de dados tem o ID de jogador %1.</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>%1 (another program may hold the file open: close it and try again)</source>
        <translation>%1 (outro programa pode estar com o arquivo aberto: feche-o e tente novamente)</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: arquivo inexistente</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: não é um arquivo comum</translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2</source>
        <translation>%1: não pode ser aberto: %2</translation>
    </message>
    <message>
        <source>%1: the file is %2 bytes, more than the %3 MiB a game file or sheet may have</source>
        <translation>%1: o arquivo tem %2 bytes, mais do que os %3 MiB que um arquivo do jogo ou uma planilha pode ter</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: não pode ser lido: %2</translation>
    </message>
    <message>
        <source>No space left on device (%1 bytes free, %2 needed)</source>
        <translation>Não há espaço livre no dispositivo (%1 bytes livres, %2 necessários)</translation>
    </message>
</context>
<context>
    <name>WorkingCopy</name>
    <message>
        <source>The working copy %1 cannot be opened: %2</source>
        <translation>A cópia de trabalho %1 não pode ser aberta: %2</translation>
    </message>
    <message>
        <source>The working copy %1 is too short: it has %2 bytes, but %3 are needed. Wait until the codec has finished, or open the game file again.</source>
        <translation>A cópia de trabalho %1 é curta demais: tem %2 bytes, mas são necessários %3. Aguarde o codec terminar ou abra o arquivo do jogo novamente.</translation>
    </message>
    <message>
        <source>Reading the working copy %1 failed: %2</source>
        <translation>A leitura da cópia de trabalho %1 falhou: %2</translation>
    </message>
    <message>
        <source>The working copy %1 has %2 bytes and cannot be read up to byte %3.</source>
        <translation>A cópia de trabalho %1 tem %2 bytes e não pode ser lida até o byte %3.</translation>
    </message>
    <message>
        <source>Refusing to write before the start of %1.</source>
        <translation>Gravação recusada antes do início de %1.</translation>
    </message>
    <message>
        <source>The working copy %1 cannot be opened for writing: %2</source>
        <translation>A cópia de trabalho %1 não pode ser aberta para gravação: %2</translation>
    </message>
    <message>
        <source>The working copy %1 is too short: it has %2 bytes, but the change reaches byte %3. Nothing was written.</source>
        <translation>A cópia de trabalho %1 é curta demais: tem %2 bytes, mas a alteração chega ao byte %3. Nada foi gravado.</translation>
    </message>
    <message>
        <source>Writing the working copy %1 failed: %2. Nothing of the change was kept.</source>
        <translation>A gravação da cópia de trabalho %1 falhou: %2. Nada da alteração foi mantido.</translation>
    </message>
</context>
<context>
    <name>WorkingCopyDifference</name>
    <message>
        <source>the game file holds %1 bytes, the working copy %2</source>
        <translation>o arquivo do jogo tem %1 bytes, a cópia de trabalho %2</translation>
    </message>
    <message>
        <source>%1 byte differs</source>
        <translation>%1 byte difere</translation>
    </message>
    <message>
        <source>%1 bytes differ</source>
        <translation>%1 bytes diferem</translation>
    </message>
    <message>
        <source>%1 record differs</source>
        <translation>%1 registro difere</translation>
    </message>
    <message>
        <source>%1 records differ</source>
        <translation>%1 registros diferem</translation>
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
        <translation>%1 e %2 fora deles diferem</translation>
    </message>
</context>
<context>
    <name>XlsxPackage</name>
    <message>
        <source>it is not a readable zip archive, as an .xlsx workbook is (%1).</source>
        <translation>não é um arquivo zip legível, como é uma pasta de trabalho .xlsx (%1).</translation>
    </message>
    <message>
        <source>the part %1 of the workbook is larger than %2 bytes or of no known size.</source>
        <translation>a parte %1 da pasta de trabalho é maior que %2 bytes ou tem tamanho desconhecido.</translation>
    </message>
    <message>
        <source>the part %1 of the workbook cannot be unpacked: %2</source>
        <translation>a parte %1 da pasta de trabalho não pode ser descompactada: %2</translation>
    </message>
    <message>
        <source>the zip archive holds no workbook (%1), so it is no .xlsx file.</source>
        <translation>o arquivo zip não contém nenhuma pasta de trabalho (%1), então não é um arquivo .xlsx.</translation>
    </message>
    <message>
        <source>the workbook part %1 is not well-formed XML: %2</source>
        <translation>a parte %1 da pasta de trabalho não é um XML bem formado: %2</translation>
    </message>
</context>
<context>
    <name>XlsxReader</name>
    <message>
        <source>the cell holds a formula whose result the workbook does not store; save the workbook in a spreadsheet program first, or enter the value itself.</source>
        <translation>a célula contém uma fórmula cujo resultado a pasta de trabalho não armazena; salve a pasta de trabalho em um programa de planilhas primeiro ou digite o próprio valor.</translation>
    </message>
    <message>
        <source>the worksheet&apos;s rows are not in order (row %1 after row %2).</source>
        <translation>as linhas da planilha não estão em ordem (linha %1 depois da linha %2).</translation>
    </message>
    <message>
        <source>the worksheet names the cell %1 in row %2.</source>
        <translation>a planilha indica a célula %1 na linha %2.</translation>
    </message>
    <message>
        <source>the cells of row %1 are not in order.</source>
        <translation>as células da linha %1 não estão em ordem.</translation>
    </message>
    <message>
        <source>the worksheet has more than %1 cells, far more than any sheet of this editor.</source>
        <translation>a planilha tem mais de %1 células, muito mais do que qualquer planilha deste editor.</translation>
    </message>
    <message>
        <source>the cell refers to a text the workbook does not hold.</source>
        <translation>a célula se refere a um texto que a pasta de trabalho não contém.</translation>
    </message>
    <message>
        <source>the cell holds the error %1.</source>
        <translation>a célula contém o erro %1.</translation>
    </message>
    <message>
        <source>the cell holds a date or time; enter a whole number or a text.</source>
        <translation>a célula contém uma data ou hora; digite um número inteiro ou um texto.</translation>
    </message>
    <message>
        <source>the cell holds &quot;%1&quot;, which is no number.</source>
        <translation>a célula contém &quot;%1&quot;, que não é um número.</translation>
    </message>
    <message>
        <source>the cell holds the number %1, which is not a whole number.</source>
        <translation>a célula contém o número %1, que não é um número inteiro.</translation>
    </message>
    <message>
        <source>it is not an .xlsx workbook, which is a zip archive; a CSV sheet is read when its name ends in .csv.</source>
        <translation>não é uma pasta de trabalho .xlsx, que é um arquivo zip; uma planilha CSV é lida quando o nome dela termina em .csv.</translation>
    </message>
    <message>
        <source>it is not an .xlsx workbook: %1</source>
        <translation>não é uma pasta de trabalho .xlsx: %1</translation>
    </message>
    <message>
        <source>the workbook has no part %1 for its worksheet &quot;%2&quot;.</source>
        <translation>a pasta de trabalho não tem a parte %1 para a planilha &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>the sheet read is &quot;%1&quot;, the first of the workbook that holds cells.</source>
        <translation>a planilha lida é &quot;%1&quot;, a primeira da pasta de trabalho que contém células.</translation>
    </message>
    <message>
        <source>the workbook has no worksheet with cells.</source>
        <translation>a pasta de trabalho não tem nenhuma planilha com células.</translation>
    </message>
</context>
<context>
    <name>XlsxSheetWriter</name>
    <message>
        <source>no temporary folder could be made: %1</source>
        <translation>não foi possível criar uma pasta temporária: %1</translation>
    </message>
    <message>
        <source>the temporary folder %1 has characters outside the system&apos;s code page</source>
        <translation>a pasta temporária %1 tem caracteres fora da página de código do sistema</translation>
    </message>
    <message>
        <source>the spreadsheet library could not start a workbook</source>
        <translation>a biblioteca de planilhas não conseguiu iniciar uma pasta de trabalho</translation>
    </message>
    <message>
        <source>the spreadsheet library refused the workbook: %1</source>
        <translation>a biblioteca de planilhas recusou a pasta de trabalho: %1</translation>
    </message>
</context>
<context>
    <name>XmlEvents</name>
    <message>
        <source>it declares a document type, which no workbook part has</source>
        <translation>declara um tipo de documento, o que nenhuma parte de pasta de trabalho tem</translation>
    </message>
    <message>
        <source>the XML reader could not be started for %1.</source>
        <translation>não foi possível iniciar o leitor de XML para %1.</translation>
    </message>
    <message>
        <source>the part %1 of the workbook cannot be read: %2</source>
        <translation>a parte %1 da pasta de trabalho não pode ser lida: %2</translation>
    </message>
    <message>
        <source>the part %1 of the workbook is not well-formed XML (line %2: %3).</source>
        <translation>a parte %1 da pasta de trabalho não é um XML bem formado (linha %2: %3).</translation>
    </message>
</context>
</TS>
