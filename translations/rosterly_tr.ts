<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>BackupMenu</name>
    <message>
        <source>Restore Backup</source>
        <translation>Yedeği Geri Yükle</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Yedek</translation>
    </message>
    <message>
        <source>%1
Nothing was changed.</source>
        <translation>%1
Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>Put the backup %1 in place of %2? %2 as it is now is backed up first.</source>
        <translation>%1 yedeği %2 dosyasının yerine konulsun mu? Önce %2 dosyasının şimdiki hâli yedeklenir.</translation>
    </message>
    <message>
        <source>the player editor</source>
        <translation>Oyuncu Editörü</translation>
    </message>
    <message>
        <source>the team name editor</source>
        <translation>Takım Adı Editörü</translation>
    </message>
    <message>
        <source>Restore the backup</source>
        <translation>yedeği geri yükleyin</translation>
    </message>
    <message>
        <source>%1 now holds the backup %2.</source>
        <translation>%1 artık %2 yedeğini içeriyor.</translation>
    </message>
    <message>
        <source>The file as it was is kept as %1.</source>
        <translation>Dosyanın önceki hâli %1 olarak saklandı.</translation>
    </message>
    <message>
        <source>The file is open in %1, whose working copy still holds the file as it was before. File &gt; Open there decompresses the restored file.</source>
        <extracomment>%1 names the window (&quot;the player editor&quot;).</extracomment>
        <translation>Dosya %1 penceresinde açık ve oradaki çalışma kopyası dosyanın önceki hâlini tutmaya devam ediyor. Orada Dosya &gt; Aç, geri yüklenen dosyanın sıkıştırmasını açar.</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>no backup could be made as %1: %2</source>
        <translation>%1 olarak yedek alınamadı: %2</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>%1 bir dosya, klasör değil</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made there</source>
        <translation>%1 klasörü orada oluşturulamıyor</translation>
    </message>
    <message>
        <source>%1 is not named like a backup (the game file&apos;s name, then .yyyyMMdd-HHmmss.bak).</source>
        <extracomment>&quot;.yyyyMMdd-HHmmss.bak&quot; is the end of a backup&apos;s file name: keep it as it is.</extracomment>
        <translation>%1 bir yedek gibi adlandırılmamış (önce oyun dosyasının adı, ardından .yyyyMMdd-HHmmss.bak).</translation>
    </message>
    <message>
        <source>%1 is not in a folder named %2 beside its game file.</source>
        <translation>%1, oyun dosyasının yanındaki %2 adlı klasörde değil.</translation>
    </message>
    <message>
        <source>%1 was not put back: %2
%3 was not changed.</source>
        <translation>%1 geri konulamadı: %2
%3 değiştirilmedi.</translation>
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
        <translation>kullanım: rosterly-cli backups GAME_FILE

GAME_FILE dosyasının yanındaki backups klasöründe bulunan yedeklerini, en yenisi önce olmak
üzere, her biri bir satırda listeler: yol, bayt cinsinden boyut ve oluşturulma zamanı, sekmelerle
ayrılmış olarak. Bir oyun dosyasının yerine yenisi her konulmadan önce yedek alınır; en yeni on
yedek ve en eskisi, yani dosyanın ilk kez değiştirilmeden önceki hâli saklanır.
rosterly-cli restore BACKUP bir yedeği geri koyar.

Çıkış durumu: 0 listelendi (ya da hiç yedek yok), 2 hatalı kullanım.</translation>
    </message>
</context>
<context>
    <name>BulkChange</name>
    <message>
        <source>Set to</source>
        <extracomment>A change of many players: set the column to a value</extracomment>
        <translation>Eşitle</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>A change of many players: add a number to the column</extracomment>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Subtract</source>
        <extracomment>A change of many players: subtract a number from the column</extracomment>
        <translation>Çıkar</translation>
    </message>
    <message>
        <source>Set at least</source>
        <extracomment>A change of many players: raise the values below a number to it</extracomment>
        <translation>En az yap</translation>
    </message>
    <message>
        <source>Set at most</source>
        <extracomment>A change of many players: lower the values above a number to it</extracomment>
        <translation>En çok yap</translation>
    </message>
    <message>
        <source>Change %1 to %2 (%3 player)</source>
        <translation>Değiştir: %1 = %2 (%3 oyuncu)</translation>
    </message>
    <message>
        <source>Change %1 to %2 (%3 players)</source>
        <translation>Değiştir: %1 = %2 (%3 oyuncu)</translation>
    </message>
    <message>
        <source>Change %1 +%2 (%3 player)</source>
        <translation>Değiştir: %1 +%2 (%3 oyuncu)</translation>
    </message>
    <message>
        <source>Change %1 +%2 (%3 players)</source>
        <translation>Değiştir: %1 +%2 (%3 oyuncu)</translation>
    </message>
    <message>
        <source>Change %1 -%2 (%3 player)</source>
        <translation>Değiştir: %1 -%2 (%3 oyuncu)</translation>
    </message>
    <message>
        <source>Change %1 -%2 (%3 players)</source>
        <translation>Değiştir: %1 -%2 (%3 oyuncu)</translation>
    </message>
    <message>
        <source>Change %1 to at least %2 (%3 player)</source>
        <translation>Değiştir: %1 en az %2 (%3 oyuncu)</translation>
    </message>
    <message>
        <source>Change %1 to at least %2 (%3 players)</source>
        <translation>Değiştir: %1 en az %2 (%3 oyuncu)</translation>
    </message>
    <message>
        <source>Change %1 to at most %2 (%3 player)</source>
        <translation>Değiştir: %1 en çok %2 (%3 oyuncu)</translation>
    </message>
    <message>
        <source>Change %1 to at most %2 (%3 players)</source>
        <translation>Değiştir: %1 en çok %2 (%3 oyuncu)</translation>
    </message>
    <message>
        <source>the column is not changed here.</source>
        <translation>sütun burada değiştirilmez.</translation>
    </message>
    <message>
        <source>%1 can only be set to a value.</source>
        <extracomment>%1 is the name of the sheet&apos;s column</extracomment>
        <translation>%1 yalnızca bir değere eşitlenebilir.</translation>
    </message>
    <message>
        <source>%1: enter a whole number.</source>
        <translation>%1: bir tam sayı girin.</translation>
    </message>
    <message>
        <source>%1: enter a number from 1 to %2.</source>
        <translation>%1: 1 ile %2 arasında bir sayı girin.</translation>
    </message>
    <message>
        <source>1 player changes</source>
        <translation>1 oyuncu değişiyor</translation>
    </message>
    <message>
        <source>%1 players change</source>
        <translation>%1 oyuncu değişiyor</translation>
    </message>
    <message>
        <source>, %1 clamped to %2</source>
        <extracomment>Follows &quot;97 players change&quot;: %1 players were held at the limit %2</extracomment>
        <translation>, %1 oyuncu %2 sınırında tutuldu</translation>
    </message>
    <message>
        <source>, %1 already at least %2</source>
        <extracomment>Follows &quot;97 players change&quot;: %1 players had the value %2 already</extracomment>
        <translation>, %1 oyuncu zaten en az %2</translation>
    </message>
    <message>
        <source>, %1 already at most %2</source>
        <translation>, %1 oyuncu zaten en çok %2</translation>
    </message>
    <message>
        <source>, %1 already at the limit</source>
        <translation>, %1 oyuncu zaten sınırda</translation>
    </message>
    <message>
        <source>, %1 already %2</source>
        <translation>, %1 oyuncu zaten %2</translation>
    </message>
    <message>
        <source>record %1</source>
        <translation>kayıt %1</translation>
    </message>
    <message>
        <source>%1 (%2 players, the first %3)</source>
        <extracomment>%1 is why, %2 how many players it concerns, %3 the first of them</extracomment>
        <translation>%1 (%2 oyuncu, ilki %3)</translation>
    </message>
</context>
<context>
    <name>BulkEditDialog</name>
    <message>
        <source>Change Field</source>
        <translation>Alanı Değiştir</translation>
    </message>
    <message>
        <source>&amp;Column:</source>
        <extracomment>The column of the player table whose values are changed.</extracomment>
        <translation>&amp;Sütun:</translation>
    </message>
    <message>
        <source>C&amp;hange:</source>
        <extracomment>How the values change: set to a value, or a number added, say.</extracomment>
        <translation>İşle&amp;m:</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Değer:</translation>
    </message>
    <message>
        <source>Enter the value.</source>
        <translation>Değeri girin.</translation>
    </message>
    <message>
        <source>Enter the number.</source>
        <translation>Sayıyı girin.</translation>
    </message>
</context>
<context>
    <name>CellValue</name>
    <message>
        <source>enter a whole number.</source>
        <translation>bir tam sayı girin.</translation>
    </message>
    <message>
        <source>the text is not UTF-8; save the sheet as UTF-8 CSV.</source>
        <translation>metin UTF-8 değil; tabloyu UTF-8 CSV olarak kaydedin.</translation>
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
        <translation>kullanım: rosterly-cli check PLAYER_DB TEAM_FILE

Oyuncu veritabanındaki kadroları takım dosyasında listelenen takımlarla karşılaştırır ve her
sorunu bir satırda yazdırır: birden fazla kayıtta bulunan oyuncu ID&apos;leri, kadro kaydı olmayan
takımlar, hiçbir takıma ait olmayan ya da bir takımın kendi kaydından sonra gelen kadro kayıtları
ve her kadroda veritabanında bulunmayan oyuncular, iki kez yer alan oyuncular, 1-99 dışındaki ya
da iki kez giyilen forma numaraları ve dolu sıralardan önce gelen boş sıralar. Hiç sorun yoksa
&quot;no problems&quot; yazdırır. Hiçbir şey yazılmaz.

Çıkış durumu: 0 sorun yok, 1 sorun var, 2 bir dosya okunamadı ya da hatalı kullanım.</translation>
    </message>
</context>
<context>
    <name>CliOutput</name>
    <message>
        <source>Try: rosterly-cli %1--help</source>
        <extracomment>%1 is the command&apos;s name followed by a space (&quot;import &quot;), or nothing</extracomment>
        <translation>Deneyin: rosterly-cli %1--help</translation>
    </message>
</context>
<context>
    <name>Codec</name>
    <message>
        <source>usage:
  zlib2.dll FILE -d   unpack the compressed game file FILE into FILE.unzlib
  zlib2.dll FILE      pack FILE into FILE.zlib</source>
        <extracomment>The command lines stay as they are; the descriptions after them may be translated.</extracomment>
        <translation>kullanım:
  zlib2.dll FILE -d   sıkıştırılmış oyun dosyası FILE&apos;ı açıp FILE.unzlib olarak yazar
  zlib2.dll FILE      FILE dosyasını sıkıştırıp FILE.zlib olarak yazar</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: yazılamıyor: %2</translation>
    </message>
    <message>
        <source>%1: the game file&apos;s form cannot be kept, so nothing was packed</source>
        <translation>%1: oyun dosyasının biçimi korunamıyor, bu yüzden hiçbir şey sıkıştırılmadı</translation>
    </message>
</context>
<context>
    <name>CodecRuns</name>
    <message>
        <source>The codec tool stopped unexpectedly.</source>
        <translation>Kodek aracı beklenmedik şekilde durdu.</translation>
    </message>
    <message>
        <source>The codec tool failed (exit code %1).</source>
        <translation>Kodek aracı başarısız oldu (çıkış kodu %1).</translation>
    </message>
    <message>
        <source>The codec tool %1 could not be started.</source>
        <translation>Kodek aracı %1 başlatılamadı.</translation>
    </message>
    <message>
        <source>The codec tool %1 is missing.</source>
        <translation>Kodek aracı %1 bulunamıyor.</translation>
    </message>
    <message>
        <source>The codec tool is still working on %1. Try again when it has finished.</source>
        <translation>Kodek aracı hâlâ %1 üzerinde çalışıyor. İşi bittiğinde yeniden deneyin.</translation>
    </message>
    <message>
        <source>The codec tool failed on %1: %2</source>
        <translation>Kodek aracı %1 üzerinde başarısız oldu: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>too few arguments</source>
        <translation>çok az argüman</translation>
    </message>
    <message>
        <source>too many arguments</source>
        <translation>çok fazla argüman</translation>
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
        <translation>başlığa göre veri %1 bayta açılıyor; bu, bir oyun dosyasının alabileceği %2 sınırından fazla</translation>
    </message>
    <message>
        <source>the file goes on after the %1 compressed bytes the header gives with something other than zero padding: byte %2 of the file is 0x%3</source>
        <translation>dosya, başlığın belirttiği %1 sıkıştırılmış bayttan sonra sıfır dolgudan başka bir şeyle devam ediyor: dosyanın %2. baytı 0x%3</translation>
    </message>
    <message>
        <source>the compressed data is truncated or the header is damaged: its sizes fit the file in neither byte order (%1 compressed bytes read little-endian, %2 read big-endian; the file holds %3 after the header)</source>
        <translation>sıkıştırılmış veri kesik ya da başlık hasarlı: başlıktaki boyutlar iki bayt sırasında da dosyaya uymuyor (little-endian okunduğunda %1 sıkıştırılmış bayt, big-endian okunduğunda %2; dosyada başlıktan sonra %3 bayt var)</translation>
    </message>
    <message>
        <source>the decompressor could not be started</source>
        <translation>sıkıştırma açıcı başlatılamadı</translation>
    </message>
    <message>
        <source>the data unpacks to more than %1, the most a game file may hold</source>
        <translation>veri açıldığında %1 sınırını aşıyor; bir oyun dosyası en fazla bu kadar tutabilir</translation>
    </message>
    <message>
        <source>the compressed data is truncated</source>
        <translation>sıkıştırılmış veri kesik</translation>
    </message>
    <message>
        <source>the compressed data is corrupt</source>
        <translation>sıkıştırılmış veri bozuk</translation>
    </message>
    <message>
        <source>the compressed data is corrupt: it asks for a preset dictionary, which game files never use</source>
        <translation>sıkıştırılmış veri bozuk: oyun dosyalarının hiç kullanmadığı önceden ayarlanmış bir sözlük istiyor</translation>
    </message>
    <message>
        <source>not enough memory to decompress the data</source>
        <translation>veriyi açmak için yeterli bellek yok</translation>
    </message>
    <message>
        <source>the compressed data is corrupt (%1)</source>
        <translation>sıkıştırılmış veri bozuk (%1)</translation>
    </message>
    <message>
        <source>zlib error</source>
        <translation>zlib hatası</translation>
    </message>
    <message>
        <source>%1 unexpected bytes follow the end of the compressed data</source>
        <translation>sıkıştırılmış verinin sonundan sonra beklenmeyen %1 bayt geliyor</translation>
    </message>
    <message>
        <source>the header says %1 bytes, the data holds %2</source>
        <translation>başlık %1 bayt diyor, veride %2 bayt var</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>dosya boş</translation>
    </message>
    <message>
        <source>the compressed data is truncated: the file ends inside the header, after %1 bytes</source>
        <translation>sıkıştırılmış veri kesik: dosya başlığın içinde, %1 bayttan sonra bitiyor</translation>
    </message>
    <message>
        <source>not a compressed game file: unknown header</source>
        <translation>sıkıştırılmış bir oyun dosyası değil: bilinmeyen başlık</translation>
    </message>
    <message>
        <source>this is an indexed archive holding several files, not one compressed game file</source>
        <translation>bu, tek bir sıkıştırılmış oyun dosyası değil, birkaç dosya içeren dizinli bir arşiv</translation>
    </message>
    <message>
        <source>not a compressed game file: unknown container type %1 (byte 2 is 1 for one compressed file, 0 for an archive)</source>
        <translation>sıkıştırılmış bir oyun dosyası değil: bilinmeyen kapsayıcı türü %1 (2. bayt tek bir sıkıştırılmış dosyada 1, arşivde 0 olur)</translation>
    </message>
    <message>
        <source>the compressed data is truncated: the file ends inside the %1-byte header, after %2 bytes</source>
        <translation>sıkıştırılmış veri kesik: dosya %1 baytlık başlığın içinde, %2 bayttan sonra bitiyor</translation>
    </message>
    <message>
        <source>the form&apos;s bytes 2-7 are not those of a compressed game file (1, then &quot;WESYS&quot;)</source>
        <translation>biçimin 2-7. baytları sıkıştırılmış bir oyun dosyasınınkiler değil (1, ardından &quot;WESYS&quot;)</translation>
    </message>
    <message>
        <source>the form&apos;s alignment %1 is not a power of two up to %2</source>
        <translation>biçimin hizalaması %1, %2 değerine kadar olan bir ikinin kuvveti değil</translation>
    </message>
    <message>
        <source>the data is %1 bytes, more than the %2 a game file may hold</source>
        <translation>veri %1 bayt; bu, bir oyun dosyasının alabileceği %2 sınırından fazla</translation>
    </message>
    <message>
        <source>not enough memory to compress the data</source>
        <translation>veriyi sıkıştırmak için yeterli bellek yok</translation>
    </message>
    <message>
        <source>the compressor failed: its stream did not fit the room it asked for</source>
        <translation>sıkıştırıcı başarısız oldu: akışı, istediği alana sığmadı</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>row 1: the CSV reader could not be started</source>
        <translation>satır 1: CSV okuyucu başlatılamadı</translation>
    </message>
    <message>
        <source>a quoted cell is not closed</source>
        <translation>tırnaklı bir hücre kapatılmamış</translation>
    </message>
    <message>
        <source>a quote in the wrong place (a quoted cell starts and ends with a quote, and a quote inside it is doubled)</source>
        <translation>tırnak yanlış yerde (tırnaklı bir hücre tırnakla başlar ve biter, içindeki tırnak ise iki kez yazılır)</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>satır %1: %2</translation>
    </message>
</context>
<context>
    <name>DatabaseImport</name>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Bilgiler</translation>
    </message>
    <message>
        <source>&amp;Abilities</source>
        <translation>&amp;Yetenekler</translation>
    </message>
    <message>
        <source>A&amp;ppearance</source>
        <translation>&amp;Görünüm</translation>
    </message>
    <message>
        <source>&amp;Squads</source>
        <translation>&amp;Kadrolar</translation>
    </message>
    <message>
        <source>&amp;Team names</source>
        <translation>&amp;Takım adları</translation>
    </message>
    <message>
        <source>Open a player database and press Load first.</source>
        <translation>Önce bir oyuncu veritabanı açın ve Yükle&apos;ye basın.</translation>
    </message>
    <message>
        <source>Import again</source>
        <translation>yeniden içe aktarın</translation>
    </message>
    <message>
        <source>Import from Another Database</source>
        <translation>Başka Veritabanından Aktar</translation>
    </message>
    <message>
        <source>Player database</source>
        <translation>Oyuncu veritabanı</translation>
    </message>
    <message>
        <source>The other database&apos;s team file (Cancel: none)</source>
        <translation>Diğer veritabanının takım dosyası (İptal: yok)</translation>
    </message>
    <message>
        <source>Team file</source>
        <translation>Takım dosyası</translation>
    </message>
    <message>
        <source>%1
Nothing was imported.</source>
        <translation>%1
Hiçbir şey içe aktarılmadı.</translation>
    </message>
    <message>
        <source>Import from Another Database — %1</source>
        <translation>Başka Veritabanından Aktar — %1</translation>
    </message>
    <message>
        <source>Take:</source>
        <extracomment>Before the check boxes of the parts taken from the other database.</extracomment>
        <translation>Al:</translation>
    </message>
    <message>
        <source>Needs both team files.</source>
        <translation>İki takım dosyası da gerekir.</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtre:</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>The columns of the list of players that differ: the record number, the player ID, his name, the parts that differ and the changes.</extracomment>
        <translation>Kayıt</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Parts</source>
        <translation>Bölümler</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Değişiklikler</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>İçe &amp;Aktar</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <extracomment>A squad or team name of the other database that cannot be taken, and why.</extracomment>
        <translation>reddedildi: %1</translation>
    </message>
    <message>
        <source>Some of it cannot be taken:
%1

Import the rest?</source>
        <translation>Bir kısmı alınamıyor:
%1

Kalanı içe aktarılsın mı?</translation>
    </message>
    <message>
        <source>Import from %1 (%2 player)</source>
        <extracomment>The step&apos;s name in the Edit menu: %1 is the other database, %2 how many players.</extracomment>
        <translation>İçe Aktar: %1 (%2 oyuncu)</translation>
    </message>
    <message>
        <source>Import from %1 (%2 players)</source>
        <translation>İçe Aktar: %1 (%2 oyuncu)</translation>
    </message>
</context>
<context>
    <name>DatabaseMerge</name>
    <message>
        <source>%1 (team ID %2): %3</source>
        <extracomment>%1 is a team&apos;s name, %2 its team ID, %3 what is wrong</extracomment>
        <translation>%1 (takım ID %2): %3</translation>
    </message>
    <message>
        <source>%1 (team ID %2), slot %3: %4</source>
        <extracomment>%1 is a team&apos;s name, %2 its team ID, %3 a slot number, %4 what is wrong</extracomment>
        <translation>%1 (takım ID %2), sıra %3: %4</translation>
    </message>
    <message>
        <source>%1 player</source>
        <translation>%1 oyuncu</translation>
    </message>
    <message>
        <source>%1 players</source>
        <translation>%1 oyuncu</translation>
    </message>
    <message>
        <source>%1 squad</source>
        <translation>%1 kadro</translation>
    </message>
    <message>
        <source>%1 squads</source>
        <translation>%1 kadro</translation>
    </message>
    <message>
        <source>%1 team name</source>
        <translation>%1 takım adı</translation>
    </message>
    <message>
        <source>%1 team names</source>
        <translation>%1 takım adı</translation>
    </message>
    <message>
        <source>%1, %2, %3 will change</source>
        <extracomment>%1 is &quot;120 players&quot;, %2 &quot;3 squads&quot;, %3 &quot;2 team names&quot;</extracomment>
        <translation>%1, %2, %3 değişecek</translation>
    </message>
    <message>
        <source>this player database: %1</source>
        <extracomment>%1 says what is wrong with the player database</extracomment>
        <translation>bu oyuncu veritabanı: %1</translation>
    </message>
    <message>
        <source>the other player database: %1</source>
        <extracomment>%1 says what is wrong with the other player database</extracomment>
        <translation>diğer oyuncu veritabanı: %1</translation>
    </message>
    <message>
        <source>the squads and the team names need both team files.</source>
        <translation>kadrolar ve takım adları için iki takım dosyası da gerekir.</translation>
    </message>
    <message>
        <source>%1: foot: the other file&apos;s foot byte %2 is no entry of the list; left as it is.</source>
        <extracomment>%1 names the player; &quot;foot&quot; is the name of the sheet&apos;s column</extracomment>
        <translation>%1: foot: diğer dosyadaki %2 ayak baytı listede yok; olduğu gibi bırakıldı.</translation>
    </message>
    <message>
        <source>player ID %1 %2: not in this database</source>
        <extracomment>%1 is a player ID, %2 the player&apos;s name</extracomment>
        <translation>oyuncu ID %1 %2: bu veritabanında yok</translation>
    </message>
    <message>
        <source>%1 (team ID %2): the other squad is empty; left as it is.</source>
        <translation>%1 (takım ID %2): diğer kadro boş; olduğu gibi bırakıldı.</translation>
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
        <translation>kullanım: rosterly-cli diff OLD_DB NEW_DB [OLD_TEAMS NEW_TEAMS]

İki oyuncu veritabanı arasında farklı olan her alanı, alan başına bir satır olarak
&quot;index id name: field old -&gt; new&quot; biçiminde (önce players.csv alanları, ardından bir kaydın diğer
baytları &quot;bytes A-B&quot; olarak) listeler, sonra bir sayım verir. İki takım dosyası da verilirse
onların farklarını da liste konumuna göre listeler: &quot;position team_id name: field old -&gt; new&quot;.
Ardından kadro tablosundaki kadroları sıra sıra ve oyuncu oyuncu listeler: &quot;Austria: slot 3 Adam
Adams (7) -&gt; Boris Brown (7)&quot;, &quot;Boris Brown: Brazil -&gt; Austria&quot; (takımlar, verilmişse NEW_TEAMS
dosyasındaki adlarıyla, verilmemişse &quot;team ID 100&quot; biçiminde anılır). Oyun dosyaları
sıkıştırılmış oyun dosyaları ya da çalışma kopyaları (*.unzlib) olabilir, istenen karışımda.

Çıkış durumu: 0 fark yok, 1 fark var, 2 bir dosya okunamadı ya da hatalı kullanım.</translation>
    </message>
    <message>
        <source>give both team files, or neither</source>
        <translation>iki takım dosyasını da verin ya da hiçbirini vermeyin</translation>
    </message>
</context>
<context>
    <name>EditMenu</name>
    <message>
        <source>&amp;Edit</source>
        <translation>Dü&amp;zen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Geri Al</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1 names the step that Undo takes back (&quot;Apply Abilities: Adam Adams&quot;).</extracomment>
        <translation>Geri Al: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Yinele</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <extracomment>%1 names the step that Redo does again (&quot;Apply Abilities: Adam Adams&quot;).</extracomment>
        <translation>Yinele: %1</translation>
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
        <translation>kullanım: rosterly-cli export PLAYER_DB [TEAM_FILE] --out DIR [--format csv|xlsx]

PLAYER_DB içindeki oyuncuları DIR/players.csv olarak yazar: editörün yazabildiği her oyuncu için
(0-6449 arası kayıtlar) editörde göründüğü gibi bir satır. TEAM_FILE verilirse ayrıca
DIR/teams.csv (takım adları) ve DIR/rosters.csv (her takımın kadrosu, takım görünümünde
göründüğü gibi) yazılır. DIR yoksa oluşturulur; orada zaten bulunan dosyaların yerine yenileri
yazılır.

  --format xlsx   CSV yerine .xlsx çalışma kitapları (players.xlsx, ...) yazar

Çıkış durumu: 0 yazıldı, 1 bir dosya okunamadı ya da yazılamadı, 2 hatalı kullanım.</translation>
    </message>
    <message>
        <source>--out DIR is missing</source>
        <translation>--out DIR eksik</translation>
    </message>
    <message>
        <source>--format is csv or xlsx, not &quot;%1&quot;</source>
        <translation>--format csv ya da xlsx olmalı, &quot;%1&quot; değil</translation>
    </message>
    <message>
        <source>%1: the folder cannot be made</source>
        <translation>%1: klasör oluşturulamıyor</translation>
    </message>
</context>
<context>
    <name>FaceRelink</name>
    <message>
        <source>Select a player first.</source>
        <translation>Önce bir oyuncu seçin.</translation>
    </message>
    <message>
        <source>Relink: %1</source>
        <translation>Bağla: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>the player editor</source>
        <extracomment>How messages of the team name editor name this window.</extracomment>
        <translation>Oyuncu Editörü</translation>
    </message>
    <message>
        <source>PES 2011 Rosterly v0.1  by Tavor  %1</source>
        <translation>PES 2011 Rosterly v0.1  yapımcı: Tavor  %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>File &gt; Open: chooses the player database.</extracomment>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Export to CSV…</source>
        <translation>CSV&apos;ye Aktar…</translation>
    </message>
    <message>
        <source>Export to Excel…</source>
        <translation>Excel&apos;e Aktar…</translation>
    </message>
    <message>
        <source>Import Sheet…</source>
        <translation>Tablo İçe Aktar…</translation>
    </message>
    <message>
        <source>Import from Another Database…</source>
        <translation>Başka Veritabanından Aktar…</translation>
    </message>
    <message>
        <source>Restore Backup…</source>
        <translation>Yedeği Geri Yükle…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>Team Editor</source>
        <translation>Takım Editörü</translation>
    </message>
    <message>
        <source>Squads</source>
        <translation>Kadrolar</translation>
    </message>
    <message>
        <source>Player Table</source>
        <translation>Oyuncu Tablosu</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The Language menu&apos;s entry that speaks the system&apos;s language.</extracomment>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>Search Player.....</source>
        <translation>Oyuncu Ara.....</translation>
    </message>
    <message>
        <source>Face:  unnamed_</source>
        <extracomment>Above the face&apos;s file number: the face file is unnamed_&lt;number&gt;.bin.</extracomment>
        <translation>Yüz:  unnamed_</translation>
    </message>
    <message>
        <source>Hair: unnamed_</source>
        <extracomment>Above the hair&apos;s file number: the hair file is unnamed_&lt;number&gt;.bin.</extracomment>
        <translation>Saç: unnamed_</translation>
    </message>
    <message>
        <source>Close the window again</source>
        <translation>pencereyi yeniden kapatın</translation>
    </message>
    <message>
        <source>No player database is open. Use File &gt; Open first.</source>
        <translation>Açık bir oyuncu veritabanı yok. Önce Dosya &gt; Aç&apos;ı kullanın.</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>bir dosya açın</translation>
    </message>
    <message>
        <source>Select unnamed_25.bin:</source>
        <translation>unnamed_25.bin dosyasını seçin:</translation>
    </message>
    <message>
        <source>The team file %1 stays open in the team name editor, from another folder than %2. Team names, the team chooser and the squads come from it until File &gt; Open in the team name editor opens the team file beside the player database.</source>
        <translation>%1 takım dosyası, %2 dosyasından farklı bir klasörden, Takım Adı Editörü&apos;nde açık kalıyor. Takım Adı Editörü&apos;nde Dosya &gt; Aç, oyuncu veritabanının yanındaki takım dosyasını açana kadar takım adları, takım seçici ve kadrolar bu dosyadan gelir.</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Yükle</translation>
    </message>
    <message>
        <source>Search </source>
        <extracomment>The button that searches the player list for the name typed beside it.</extracomment>
        <translation>Ara </translation>
    </message>
    <message>
        <source>Player ID:</source>
        <translation>Oyuncu ID:</translation>
    </message>
    <message>
        <source>Team Select....</source>
        <extracomment>Shown in the team chooser until a team is chosen.</extracomment>
        <translation>Takım Seç....</translation>
    </message>
    <message>
        <source>Move UP</source>
        <extracomment>The button that moves the chosen player up the squad list.</extracomment>
        <translation>Yukarı</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>The button that moves the chosen player down the squad list.</extracomment>
        <translation>Aşağı</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>The button that takes the chosen player out of the squad.</extracomment>
        <translation>Çıkar</translation>
    </message>
    <message>
        <source>Player Name:</source>
        <translation>Oyuncu Adı:</translation>
    </message>
    <message>
        <source>Name on shirt:</source>
        <translation>Forma Adı:</translation>
    </message>
    <message>
        <source>Position:</source>
        <extracomment>The player&apos;s registered position.</extracomment>
        <translation>Mevki:</translation>
    </message>
    <message>
        <source>Foot:</source>
        <extracomment>The foot the player prefers.</extracomment>
        <translation>Ayak:</translation>
    </message>
    <message>
        <source>Number:</source>
        <extracomment>The player&apos;s shirt number.</extracomment>
        <translation>Numara:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Boy:</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Kilo:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Yaş:</translation>
    </message>
    <message>
        <source>Spacing:</source>
        <extracomment>The player&apos;s spacing value, as the game&apos;s database names it.</extracomment>
        <translation>Aralık:</translation>
    </message>
    <message>
        <source>When you change some of these values, don&apos;t forget to click on Apply Changes!</source>
        <translation>Bu değerlerden bazılarını değiştirdiğinizde Uygula&apos;ya tıklamayı unutmayın!</translation>
    </message>
    <message>
        <source>Abilities</source>
        <translation>Yetenekler</translation>
    </message>
    <message>
        <source>Apply Abilities</source>
        <translation>Yetenekleri Uygula</translation>
    </message>
    <message>
        <source>Special Options</source>
        <translation>Özel Seçenekler</translation>
    </message>
    <message>
        <source>Face Relink</source>
        <translation>Yüz Bağlama</translation>
    </message>
    <message>
        <source>Relink</source>
        <translation>Bağla</translation>
    </message>
    <message>
        <source>Apply Changes</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>SAVE</source>
        <extracomment>The button that packs the working copy into the game file.</extracomment>
        <translation>KAYDET</translation>
    </message>
    <message>
        <source>Transfer:</source>
        <translation>Transfer:</translation>
    </message>
    <message>
        <source>Transfer player</source>
        <translation>Transfer Et</translation>
    </message>
    <message>
        <source>Rosterly: a player and team editor for the PES 2011 database.</source>
        <translation>Rosterly: PES 2011 veritabanı için bir oyuncu ve takım editörü.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Team Edit PES 2010 DEMO by Tavor</source>
        <extracomment>The window&apos;s title; Team Edit PES 2010 is the name of the tool, Tavor its maker</extracomment>
        <translation>Team Edit PES 2010 DEMO, yapımcı: Tavor</translation>
    </message>
    <message>
        <source>the team name editor</source>
        <extracomment>How messages of the main window name this window.</extracomment>
        <translation>Takım Adı Editörü</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Team Name:</source>
        <translation>Takım Adı:</translation>
    </message>
    <message>
        <source>Short Name:</source>
        <translation>Kısa Ad:</translation>
    </message>
    <message>
        <source>Load</source>
        <extracomment>A button that lists the teams of the open team file</extracomment>
        <translation>Yükle</translation>
    </message>
    <message>
        <source>Change name</source>
        <translation>Adı Değiştir</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>KAYDET</translation>
    </message>
    <message>
        <source>Search Team.....</source>
        <translation>Takım Ara.....</translation>
    </message>
    <message>
        <source>Search </source>
        <translation>Ara </translation>
    </message>
    <message>
        <source>Close the window again</source>
        <extracomment>Completes the warning &quot;A save is in progress. %1 when it has finished.&quot;</extracomment>
        <translation>pencereyi yeniden kapatın</translation>
    </message>
    <message>
        <source>Select unnamed_32.bin:</source>
        <extracomment>The title of the file dialog; unnamed_32.bin is the name of a game file</extracomment>
        <translation>unnamed_32.bin dosyasını seçin:</translation>
    </message>
    <message>
        <source>Select unnamed_11.bin:</source>
        <extracomment>The title of the file dialog; unnamed_11.bin is the name of a game file</extracomment>
        <translation>unnamed_11.bin dosyasını seçin:</translation>
    </message>
    <message>
        <source>Open a file</source>
        <extracomment>Completes the warning &quot;A save is in progress. %1 when it has finished.&quot;</extracomment>
        <translation>bir dosya açın</translation>
    </message>
    <message>
        <source>No team file is open. Use File &gt; Open in the team editor first.</source>
        <translation>Açık bir takım dosyası yok. Önce takım editöründe Dosya &gt; Aç&apos;ı kullanın.</translation>
    </message>
    <message>
        <source>Select a team to rename first.</source>
        <translation>Önce yeniden adlandırılacak bir takım seçin.</translation>
    </message>
    <message>
        <source>The list still shows the team file opened before. Press Load to list the teams of %1, then rename.</source>
        <translation>Liste hâlâ daha önce açılan takım dosyasını gösteriyor. %1 dosyasının takımlarını listelemek için Yükle&apos;ye basın, sonra yeniden adlandırın.</translation>
    </message>
    <message>
        <source>This team is listed past the end of the short-name table, so it has no short name that could be written. Empty the Short Name box to rename the team alone.</source>
        <translation>Bu takım kısa ad tablosunun sonundan sonra listeleniyor, bu yüzden yazılabilecek bir kısa adı yok. Yalnızca takımın adını değiştirmek için Kısa Ad kutusunu boşaltın.</translation>
    </message>
    <message>
        <source>Change name: %1</source>
        <translation>Adı Değiştir: %1</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>%1: compressing the changed file failed%2; nothing was written</source>
        <translation>%1: değiştirilen dosya sıkıştırılamadı%2; hiçbir şey yazılmadı</translation>
    </message>
    <message>
        <source>%1: put back as it was</source>
        <translation>%1: eski hâline geri konuldu</translation>
    </message>
    <message>
        <source>%1: replaced already; putting it back failed: %2</source>
        <translation>%1: zaten değiştirilmişti; geri konulamadı: %2</translation>
    </message>
    <message>
        <source>%1: replaced already</source>
        <translation>%1: zaten değiştirilmişti</translation>
    </message>
    <message>
        <source>Every other file was left as it was.</source>
        <translation>Diğer bütün dosyalar olduğu gibi bırakıldı.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2; nothing was changed</source>
        <translation>%1: yazılamıyor: %2; hiçbir şey değiştirilmedi</translation>
    </message>
    <message>
        <source>%1: cannot be replaced: %2</source>
        <translation>%1: yerine yenisi konulamıyor: %2</translation>
    </message>
</context>
<context>
    <name>GameFileBytes</name>
    <message>
        <source>%1: not a game file the codec can read (%2); a working copy must end in .unzlib</source>
        <extracomment>%1 is the file, %2 why the codec cannot read it; &quot;.unzlib&quot; ends a file name</extracomment>
        <translation>%1: kodekin okuyabileceği bir oyun dosyası değil (%2); bir çalışma kopyasının adı .unzlib ile bitmelidir</translation>
    </message>
</context>
<context>
    <name>GameFileSession</name>
    <message>
        <source>%1 is open in %2 already. A game file is edited in one window only: choose another file.</source>
        <extracomment>%2 names the other window (&quot;the team name editor&quot;).</extracomment>
        <translation>%1 zaten %2 penceresinde açık. Bir oyun dosyası yalnızca tek bir pencerede düzenlenir: başka bir dosya seçin.</translation>
    </message>
    <message>
        <source>The working copy of %1 holds changes that are not saved into the game file (%2). Discard them and decompress the game file again?</source>
        <translation>%1 dosyasının çalışma kopyasında oyun dosyasına kaydedilmemiş değişiklikler var (%2). Bu değişiklikler atılsın ve oyun dosyası yeniden açılsın mı?</translation>
    </message>
    <message>
        <source>Load is waiting for the codec tool already. The lists fill as soon as it has finished.</source>
        <translation>Yükle zaten kodek aracını bekliyor. Araç işini bitirir bitirmez listeler dolacak.</translation>
    </message>
    <message>
        <source>Waiting for the codec tool…</source>
        <translation>Kodek aracı bekleniyor…</translation>
    </message>
    <message>
        <source>The codec tool has not finished decompressing %1 within %2 seconds. Press Load again when it has finished.</source>
        <translation>Kodek aracı %1 dosyasını açma işini %2 saniye içinde bitirmedi. Bittiğinde Yükle&apos;ye yeniden basın.</translation>
    </message>
    <message>
        <source>Apply the change again</source>
        <translation>değişikliği yeniden uygulayın</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
Hiçbir şey yazılmadı.</translation>
    </message>
    <message>
        <source>Undo again</source>
        <translation>geri almayı yeniden deneyin</translation>
    </message>
    <message>
        <source>Redo again</source>
        <translation>yinelemeyi yeniden deneyin</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1 names the step taken back or done again (&quot;Apply Abilities: Adam Adams&quot;).</extracomment>
        <translation>Geri Al: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Yinele: %1</translation>
    </message>
    <message>
        <source>%1 is not possible: %2
Nothing was written.</source>
        <extracomment>%1 is &quot;Undo &lt;step&gt;&quot; or &quot;Redo &lt;step&gt;&quot;.</extracomment>
        <translation>%1 yapılamıyor: %2
Hiçbir şey yazılmadı.</translation>
    </message>
    <message>
        <source>%1 is not possible: the working copy %2 no longer holds what that step left there at byte %3 (something outside this window&apos;s history changed it). Nothing was written.</source>
        <translation>%1 yapılamıyor: %2 çalışma kopyası, %3. baytta o adımın orada bıraktığını artık içermiyor (bu pencerenin geçmişi dışında bir şey onu değiştirdi). Hiçbir şey yazılmadı.</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 başarısız oldu: %2</translation>
    </message>
</context>
<context>
    <name>GameTerms</name>
    <message>
        <source>Attack</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Hücum</translation>
    </message>
    <message>
        <source>GK</source>
        <extracomment>The goalkeeper position</extracomment>
        <translation>GK</translation>
    </message>
    <message>
        <source>Defence</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Savunma</translation>
    </message>
    <message>
        <source>SWP</source>
        <extracomment>The sweeper position</extracomment>
        <translation>SWP</translation>
    </message>
    <message>
        <source>Balance</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Denge</translation>
    </message>
    <message>
        <source>CB</source>
        <extracomment>The centre-back position</extracomment>
        <translation>CB</translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation>Kondisyon</translation>
    </message>
    <message>
        <source>SB</source>
        <extracomment>The side-back position</extracomment>
        <translation>SB</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Hız</translation>
    </message>
    <message>
        <source>DMF</source>
        <extracomment>The defensive midfielder position</extracomment>
        <translation>DMF</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Hızlanma</translation>
    </message>
    <message>
        <source>WB</source>
        <extracomment>The wing-back position</extracomment>
        <translation>WB</translation>
    </message>
    <message>
        <source>Response</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Tepki</translation>
    </message>
    <message>
        <source>CMF</source>
        <extracomment>The centre midfielder position</extracomment>
        <translation>CMF</translation>
    </message>
    <message>
        <source>Agility</source>
        <translation>Çeviklik</translation>
    </message>
    <message>
        <source>AMF</source>
        <extracomment>The attacking midfielder position</extracomment>
        <translation>AMF</translation>
    </message>
    <message>
        <source>Dribble Accuracy</source>
        <translation>Dripling İsabeti</translation>
    </message>
    <message>
        <source>SMF</source>
        <extracomment>The side midfielder position</extracomment>
        <translation>SMF</translation>
    </message>
    <message>
        <source>Dribble Speed</source>
        <translation>Dripling Hızı</translation>
    </message>
    <message>
        <source>WF</source>
        <extracomment>The wing forward position</extracomment>
        <translation>WF</translation>
    </message>
    <message>
        <source>Short Pass Accur</source>
        <translation>Kısa Pas İsabeti</translation>
    </message>
    <message>
        <source>SS</source>
        <extracomment>The second striker position</extracomment>
        <translation>SS</translation>
    </message>
    <message>
        <source>Short Pass Speed</source>
        <translation>Kısa Pas Hızı</translation>
    </message>
    <message>
        <source>CF</source>
        <extracomment>The centre forward position</extracomment>
        <translation>CF</translation>
    </message>
    <message>
        <source>Long Pass Accur</source>
        <translation>Uzun Pas İsabeti</translation>
    </message>
    <message>
        <source>Centre</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Merkez</translation>
    </message>
    <message>
        <source>Long Pass Speed</source>
        <translation>Uzun Pas Hızı</translation>
    </message>
    <message>
        <source>1-On-1 Stopper</source>
        <translation>1-1 Kurtarma</translation>
    </message>
    <message>
        <source>Shot Accuracy</source>
        <translation>Şut İsabeti</translation>
    </message>
    <message>
        <source>Dribbling</source>
        <translation>Dripling</translation>
    </message>
    <message>
        <source>Shot Power</source>
        <translation>Şut Gücü</translation>
    </message>
    <message>
        <source>Tactical dribble</source>
        <translation>Taktik Dripling</translation>
    </message>
    <message>
        <source>Shot Technique</source>
        <translation>Şut Tekniği</translation>
    </message>
    <message>
        <source>Positioning</source>
        <translation>Pozisyon Alma</translation>
    </message>
    <message>
        <source>Free Kick Accur</source>
        <translation>Frikik İsabeti</translation>
    </message>
    <message>
        <source>Reaction</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Reaksiyon</translation>
    </message>
    <message>
        <source>Curving / Swerve</source>
        <translation>Falso</translation>
    </message>
    <message>
        <source>Playmaking</source>
        <translation>Oyun Kurma</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Kafa Topu</translation>
    </message>
    <message>
        <source>Passing</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Jump</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Sıçrama</translation>
    </message>
    <message>
        <source>Scoring</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Golcülük</translation>
    </message>
    <message>
        <source>Technique</source>
        <translation>Teknik</translation>
    </message>
    <message>
        <source>1-1 Scoring</source>
        <translation>1-1 Golcülük</translation>
    </message>
    <message>
        <source>Aggression</source>
        <translation>Agresiflik</translation>
    </message>
    <message>
        <source>Post Player</source>
        <translation>Pivot Oyuncu</translation>
    </message>
    <message>
        <source>Team Work</source>
        <translation>Takım Oyunu</translation>
    </message>
    <message>
        <source>Side</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Kanat</translation>
    </message>
    <message>
        <source>Mentality</source>
        <translation>Mentalite</translation>
    </message>
    <message>
        <source>Lines</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Sarkma</translation>
    </message>
    <message>
        <source>Goalkeeper Skills</source>
        <translation>Kalecilik</translation>
    </message>
    <message>
        <source>Middle Shooting</source>
        <translation>Uzaktan Şut</translation>
    </message>
    <message>
        <source>1-Touch Pass</source>
        <translation>Tek Dokunuş Pas</translation>
    </message>
    <message>
        <source>Outside</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Dış Vuruş</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>Markaj</translation>
    </message>
    <message>
        <source>Sliding</source>
        <translation>Kayarak Müdahale</translation>
    </message>
    <message>
        <source>Covering</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Alan Kapatma</translation>
    </message>
    <message>
        <source>D-Line Control</source>
        <translation>Hat Kontrolü</translation>
    </message>
    <message>
        <source>Penalty Stopper</source>
        <translation>Penaltı Kurtarma</translation>
    </message>
    <message>
        <source>Penalties</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Penaltı</translation>
    </message>
    <message>
        <source>Long Throw</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Uzun Taç</translation>
    </message>
    <message>
        <source>Position code</source>
        <translation>Mevki kodu</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Aralık</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Yaş</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Kilo</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Boy</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Oyuncu Adı</translation>
    </message>
    <message>
        <source>Name on shirt</source>
        <translation>Forma Adı</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>The foot a player prefers</extracomment>
        <translation>Sağ</translation>
    </message>
    <message>
        <source>Left</source>
        <extracomment>The foot a player prefers</extracomment>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Yüz</translation>
    </message>
    <message>
        <source>Hair</source>
        <translation>Saç</translation>
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
        <translation>kullanım: rosterly-cli import PLAYER_DB [TEAM_FILE]
                           [--players FILE | --rosters FILE] [--teams FILE] [--dry-run]

Düzenlenmiş tabloları oyun dosyalarına uygular: --players FILE (bir players.csv ya da
players.xlsx) PLAYER_DB dosyasına, --teams FILE (bir teams.csv ya da teams.xlsx) TEAM_FILE
dosyasına, --rosters FILE (bir rosters.csv ya da rosters.xlsx: adı geçen her takım, satırlarının
sıra düzeninde verdiği kadroyu birebir alır; içindeki adlar içe aktarılmaz) PLAYER_DB içindeki
kadro tablosuna. Adı .xlsx ile biten bir tablo çalışma kitabı olarak (ilk çalışma sayfası),
diğerleri CSV olarak (UTF-8, UTF-16 ya da Windows-1252) okunur. Yalnızca hücresi editörün şu an
gösterdiğinden farklı olan alanlar, editörün kendi kurallarıyla yazılır; dokunulmamış bir tablo
hiçbir şeyi değiştirmez. Önce her hücre denetlenir: tek bir hücre reddedilirse hiçbir dosyaya
dokunulmaz. Değişen her dosya tek bir atomik adımda yenisiyle değiştirilir (sıkıştırılmış bir oyun
dosyası yeniden sıkıştırılır; çalışma kopyası, *.unzlib, olduğu gibi yazılır); bundan önce
dosyanın eski hâli yanındaki backups klasöründe saklanır. İkinci dosya yedeklenemez ya da
değiştirilemezse birincisi eski hâline geri konur.

Neyin değiştiğini yazdırır: önce sayılar, sonra alan başına bir satır, &quot;index id name: field old
-&gt; new&quot;, ya da kadro sırası başına bir satır, &quot;Austria: slot 3 Adam Adams (7) -&gt; Boris Brown (7)&quot;,
ve takım değiştiren bir oyuncu için &quot;Boris Brown: Brazil -&gt; Austria&quot;.

  --dry-run   değişiklikleri yazdırır, hiçbir şey yazmaz

Çıkış durumu: 0 uygulandı (ya da değişecek bir şey yok), 1 reddedildi (bütün nedenler standart
hata akışında, hiçbir dosyaya dokunulmadı), 2 hatalı kullanım.</translation>
    </message>
    <message>
        <source>give a sheet: --players FILE, --teams FILE, --rosters FILE</source>
        <translation>bir tablo verin: --players FILE, --teams FILE, --rosters FILE</translation>
    </message>
    <message>
        <source>give --players or --rosters, not both: both write the player database</source>
        <translation>--players ya da --rosters verin, ikisini birden değil: ikisi de oyuncu veritabanına yazar</translation>
    </message>
    <message>
        <source>%1 needs the team file: rosterly-cli import PLAYER_DB TEAM_FILE %1 FILE</source>
        <translation>%1 için takım dosyası gerekir: rosterly-cli import PLAYER_DB TEAM_FILE %1 FILE</translation>
    </message>
    <message>
        <source>the player database and the team file are the same file</source>
        <translation>oyuncu veritabanı ve takım dosyası aynı dosya</translation>
    </message>
    <message>
        <source>%1 is a %2 sheet; give it as --%2 FILE.</source>
        <extracomment>%2 is the sheet&apos;s kind, also the name of its option: players, teams or rosters</extracomment>
        <translation>%1 bir %2 tablosu; bunu --%2 FILE olarak verin.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Hiçbir şey yazılmadı.</translation>
    </message>
</context>
<context>
    <name>InWords</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list in a sentence: %1 is &quot;a&quot; or &quot;a, b&quot;, %2 the last item.</extracomment>
        <translation>%1 ve %2</translation>
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
        <translation>kullanım: rosterly-cli merge PLAYER_DB TEAM_FILE OTHER_DB [OTHER_TEAM_FILE]
                          [--parts P,...] [--where FILTER] [--players ID,...] [--teams ID,...]
                          [--skip-refused] [--dry-run]

Başka bir oyun dosyası çiftinden (OTHER_DB, OTHER_TEAM_FILE; sıkıştırılmış oyun dosyaları ya da
çalışma kopyaları, bellekte okunur ve asla değiştirilmez) değerleri PLAYER_DB ve TEAM_FILE içine
alır. Oyuncular oyuncu ID&apos;sine göre (bir oyuncu diğer dosyada başka bir kayıtta olabilir),
takımlar takım ID&apos;sine göre eşleştirilir. Bölümler (--parts verilmezse hepsi):
  details      ad, forma adı, yaş, boy, kilo, ayak, aralık, kayıtlı mevki
  abilities    26 yetenek, oynayabildiği mevkiler, özel yetenekler
  appearance   yüz ve saç
  squads       seçilen takımların kadroları, oyuncuları ID&apos;ye göre eşlenir (OTHER_TEAM_FILE gerekir)
  team_names   seçilen takımların adları ve kısa adları (OTHER_TEAM_FILE gerekir)
Her değer, bir tablo içe aktarmasındaki gibi denetlenir ve yazılır. Diğer dosyada olup PLAYER_DB
içinde olmayan bir oyuncu &quot;bu veritabanında yok&quot; olarak listelenir ve dışarıda bırakılır.

  --where FILTER      yalnızca PLAYER_DB içinde filtrenin geçirdiği oyuncular (rosterly-cli players)
  --players ID,...    yalnızca bu oyuncu ID&apos;leri
  --teams ID,...      squads ve team_names için yalnızca bu takımlar (takım ID&apos;leri)
  --skip-refused      bir kadro ya da ad reddedilirse kalanı yazar (yoksa hiçbir şey yazılmaz)
  --dry-run           değişiklikleri yazdırır, hiçbir şey yazmaz

Değişiklikleri diff&apos;in yazdığı biçimde, ardından neyin değiştiğini yazdırır (&quot;120 oyuncu, 3 kadro,
2 takım adı değişecek&quot;). İki dosya da yedekleri alındıktan sonra kendi biçimlerinde atomik olarak
değiştirilir: ya ikisi birden ya da hiçbiri.

Çıkış durumu: 0 tamamlandı ya da değişecek bir şey yok, 1 reddedildi ya da bir dosya okunamıyor
(hiçbir şey yazılmadı), 2 hatalı kullanım.</translation>
    </message>
    <message>
        <source>--parts: &quot;%1&quot; is none of details, abilities, appearance, squads, team_names</source>
        <translation>--parts: &quot;%1&quot; şunlardan hiçbiri değil: details, abilities, appearance, squads, team_names</translation>
    </message>
    <message>
        <source>squads and team_names need the other team file: rosterly-cli merge PLAYER_DB TEAM_FILE OTHER_DB OTHER_TEAM_FILE</source>
        <translation>squads ve team_names için diğer takım dosyası gerekir: rosterly-cli merge PLAYER_DB TEAM_FILE OTHER_DB OTHER_TEAM_FILE</translation>
    </message>
    <message>
        <source>--%1 takes IDs separated by commas</source>
        <translation>--%1 virgüllerle ayrılmış ID&apos;ler alır</translation>
    </message>
    <message>
        <source>%1 and %2 are the same file</source>
        <translation>%1 ve %2 aynı dosya</translation>
    </message>
    <message>
        <source>Nothing was written; --skip-refused writes the rest.</source>
        <translation>Hiçbir şey yazılmadı; --skip-refused kalanı yazar.</translation>
    </message>
</context>
<context>
    <name>NumberRange</name>
    <message>
        <source>a number</source>
        <translation>bir sayı</translation>
    </message>
    <message>
        <source>enter %1 from %2 to %3.</source>
        <extracomment>%1 is what to enter (&quot;a number&quot;, &quot;a file number&quot;), %2 and %3 the lowest and highest.</extracomment>
        <translation>%2 ile %3 arasında %1 girin.</translation>
    </message>
    <message>
        <source>a file number</source>
        <translation>bir dosya numarası</translation>
    </message>
</context>
<context>
    <name>PastePlan</name>
    <message>
        <source>There is nothing to paste.</source>
        <translation>Yapıştırılacak bir şey yok.</translation>
    </message>
    <message>
        <source>The paste has %1 rows, but the grid shows %2 from the row it starts at.</source>
        <translation>Yapıştırılan veride %1 satır var, ancak tablo başladığı satırdan itibaren %2 satır gösteriyor.</translation>
    </message>
    <message>
        <source>row %1 (record %2): the paste has %3 cells, and %4 columns are shown from the column it starts at.</source>
        <translation>satır %1 (kayıt %2): yapıştırılan veride %3 hücre var, başladığı sütundan itibaren ise %4 sütun gösteriliyor.</translation>
    </message>
    <message>
        <source>row %1 (record %2), column %3: the grid shows %4 here, not %5; the column is not edited.</source>
        <extracomment>%3 is a column name of the player table (&quot;index&quot;).</extracomment>
        <translation>satır %1 (kayıt %2), sütun %3: tablo burada %5 değil, %4 gösteriyor; sütun düzenlenmez.</translation>
    </message>
    <message>
        <source>row %1 (record %2): %3</source>
        <extracomment>%3 says why the row&apos;s cells are refused.</extracomment>
        <translation>satır %1 (kayıt %2): %3</translation>
    </message>
    <message>
        <source>row %1 (record %2), column %3: %4</source>
        <extracomment>%3 is a column name of the player table (&quot;speed&quot;), %4 says why its cell is refused.</extracomment>
        <translation>satır %1 (kayıt %2), sütun %3: %4</translation>
    </message>
</context>
<context>
    <name>PlayerCells</name>
    <message>
        <source>the column is not edited.</source>
        <translation>sütun düzenlenmez.</translation>
    </message>
</context>
<context>
    <name>PlayerColumns</name>
    <message>
        <source>enter a position (%1) or a position code from %2 to %3.</source>
        <extracomment>%1 lists the positions as the sheet names them (GK, CB, ...): keep those as they are</extracomment>
        <translation>bir mevki (%1) ya da %2 ile %3 arasında bir mevki kodu girin.</translation>
    </message>
    <message>
        <source>enter %1 or %2.</source>
        <extracomment>%1 and %2 are the words a foot cell holds, Right and Left: they stay as they are</extracomment>
        <translation>%1 ya da %2 girin.</translation>
    </message>
    <message>
        <source>enter 1 (checked) or 0 (clear).</source>
        <translation>1 (işaretli) ya da 0 (boş) girin.</translation>
    </message>
</context>
<context>
    <name>PlayerEditor</name>
    <message>
        <source>Select a player first.</source>
        <translation>Önce bir oyuncu seçin.</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
Hiçbir şey yazılmadı.</translation>
    </message>
    <message>
        <source>Apply Changes: %1</source>
        <translation>Değişiklikleri Uygula: %1</translation>
    </message>
    <message>
        <source>Apply Abilities: %1</source>
        <translation>Yetenekleri Uygula: %1</translation>
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
        <translation>en fazla %1 karakter.</translation>
    </message>
    <message>
        <source>these characters cannot be stored in the game: %1</source>
        <translation>bu karakterler oyunda saklanamaz: %1</translation>
    </message>
    <message>
        <source>This entry lies inside the team roster table, which the game keeps over the last player records (from byte %1 of the player database on): writing it would damage the teams&apos; rosters. The entry can be viewed, not edited.</source>
        <translation>Bu girdi, oyunun son oyuncu kayıtlarının üzerinde tuttuğu takım kadro tablosunun içinde kalıyor (oyuncu veritabanının %1. baytından itibaren): buraya yazmak takımların kadrolarını bozar. Girdi görüntülenebilir ama düzenlenemez.</translation>
    </message>
    <message>
        <source>%1: the stored byte %2 has no flag bit to clear, so it stays as stored and the box shows it set again. The other abilities were written.</source>
        <extracomment>%1 is the special ability Long Throw, %2 a number from 100 to 127</extracomment>
        <translation>%1: saklanan %2 baytında temizlenecek bir bayrak biti yok; bu yüzden saklandığı gibi kalıyor ve kutu yeniden işaretli görünüyor. Diğer yetenekler yazıldı.</translation>
    </message>
    <message>
        <source>Special abilities (sum of the boxes)</source>
        <translation>Özel yetenekler (kutuların toplamı)</translation>
    </message>
</context>
<context>
    <name>PlayerFilter</name>
    <message>
        <source>a value of the list is empty</source>
        <translation>listedeki bir değer boş</translation>
    </message>
    <message>
        <source>%1: a quote is not closed</source>
        <extracomment>%1 is the filter from its last quote on.</extracomment>
        <translation>%1: bir tırnak kapatılmamış</translation>
    </message>
    <message>
        <source>no column before &quot;%1&quot;</source>
        <translation>&quot;%1&quot; öncesinde sütun yok</translation>
    </message>
    <message>
        <source>no column before &quot;%1&quot;; a term has no blanks in it, as in %2%3%4</source>
        <extracomment>%2%3%4 is the term written without its blanks (&quot;speed&gt;=85&quot;).</extracomment>
        <translation>&quot;%1&quot; öncesinde sütun yok; bir terimde boşluk olmaz, örneğin %2%3%4</translation>
    </message>
    <message>
        <source>&quot;!&quot; is no operator; use != for &quot;is not&quot;</source>
        <translation>&quot;!&quot; bir operatör değil; &quot;eşit değil&quot; için != kullanın</translation>
    </message>
    <message>
        <source>no value after &quot;%1&quot;</source>
        <translation>&quot;%1&quot; sonrasında değer yok</translation>
    </message>
    <message>
        <source>unknown column &quot;%1&quot;</source>
        <translation>bilinmeyen sütun &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown column &quot;%1&quot; (%2?)</source>
        <extracomment>%2 is the known column nearest to the name typed.</extracomment>
        <translation>bilinmeyen sütun &quot;%1&quot; (%2?)</translation>
    </message>
    <message>
        <source>a list of values goes with =, != or ~ only</source>
        <translation>değer listesi yalnızca =, != ya da ~ ile kullanılır</translation>
    </message>
    <message>
        <source>%1 holds text: compare it with =, != or ~</source>
        <extracomment>%1 is a column name of the filter (&quot;name&quot;).</extracomment>
        <translation>%1 metin içerir: =, != ya da ~ ile karşılaştırın</translation>
    </message>
    <message>
        <source>%1 holds whole numbers, and &quot;%2&quot; is none</source>
        <extracomment>%1 is a column name of the filter (&quot;speed&quot;), %2 the value typed.</extracomment>
        <translation>%1 tam sayılar içerir ve &quot;%2&quot; bir tam sayı değil</translation>
    </message>
</context>
<context>
    <name>PlayerIndexLoad</name>
    <message>
        <source>The working copy of %1 is %2 bytes, a player database holds at least %3: it looks like a team file. Choose the player database (unnamed_25.bin) with File &gt; Open.</source>
        <translation>%1 dosyasının çalışma kopyası %2 bayt, oysa bir oyuncu veritabanı en az %3 bayttır: bu bir takım dosyasına benziyor. Dosya &gt; Aç ile oyuncu veritabanını (unnamed_25.bin) seçin.</translation>
    </message>
</context>
<context>
    <name>PlayerRowEdit</name>
    <message>
        <source>%1 shows %2, not %3: the rule of Apply Abilities leaves the stored byte %4 as it is.</source>
        <extracomment>&quot;Apply Abilities&quot; is the button of the player view; %4 is the byte&apos;s value</extracomment>
        <translation>%1, %3 değil %2 gösteriyor: Yetenekleri Uygula kuralı saklanan %4 baytını olduğu gibi bırakır.</translation>
    </message>
    <message>
        <source>%1 shows %2, not %3: the rule of Apply Abilities leaves the stored byte %4 at %5.</source>
        <extracomment>&quot;Apply Abilities&quot; is the button of the player view; %4 and %5 are values</extracomment>
        <translation>%1, %3 değil %2 gösteriyor: Yetenekleri Uygula kuralı saklanan %4 baytını %5 olarak bırakır.</translation>
    </message>
    <message>
        <source>%1 shows %2, not %3: the view checks the box of the registered position.</source>
        <translation>%1, %3 değil %2 gösteriyor: görünüm, kayıtlı mevkinin kutusunu işaretler.</translation>
    </message>
    <message>
        <source>%1 shows %2, not %3: the view shows the bytes written that way.</source>
        <translation>%1, %3 değil %2 gösteriyor: görünüm, bu şekilde yazılan baytları böyle gösterir.</translation>
    </message>
</context>
<context>
    <name>PlayerSheet</name>
    <message>
        <source>enter a record index from 0 to %1.</source>
        <translation>0 ile %1 arasında bir kayıt dizini girin.</translation>
    </message>
    <message>
        <source>record %1 is on row %2 already.</source>
        <translation>kayıt %1 zaten %2. satırda.</translation>
    </message>
    <message>
        <source>the ID of record %1 is %2; the row belongs to another player or the sheet to another database.</source>
        <translation>kayıt %1 için ID %2; satır başka bir oyuncuya ya da tablo başka bir veritabanına ait.</translation>
    </message>
    <message>
        <source>The player database is too short: it has %1 bytes, but its %2 player records end at byte %3.</source>
        <translation>Oyuncu veritabanı çok kısa: %1 bayt, ancak %2 oyuncu kaydı %3. baytta bitiyor.</translation>
    </message>
</context>
<context>
    <name>PlayerTableWindow</name>
    <message>
        <source>Player Table</source>
        <translation>Oyuncu Tablosu</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtre:</translation>
    </message>
    <message>
        <source>Any position</source>
        <translation>Tüm mevkiler</translation>
    </message>
    <message>
        <source>Change Field…</source>
        <translation>Alanı Değiştir…</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tablo</translation>
    </message>
    <message>
        <source>Any team</source>
        <translation>Tüm takımlar</translation>
    </message>
    <message>
        <source>Free agents</source>
        <translation>Serbest oyuncular</translation>
    </message>
    <message>
        <source>%1 of %2 players</source>
        <translation>%1 / %2 oyuncu</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Yapıştır</translation>
    </message>
    <message>
        <source>%1 selected player</source>
        <translation>%1 seçili oyuncu</translation>
    </message>
    <message>
        <source>%1 selected players</source>
        <translation>%1 seçili oyuncu</translation>
    </message>
    <message>
        <source>All %1 players</source>
        <translation>Tüm oyuncular (%1)</translation>
    </message>
    <message>
        <source>%1 players shown by the filter</source>
        <translation>Filtrenin gösterdiği %1 oyuncu</translation>
    </message>
    <message>
        <source>Select the cell the paste starts at first.</source>
        <translation>Önce yapıştırmanın başlayacağı hücreyi seçin.</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
Hiçbir şey yazılmadı.</translation>
    </message>
    <message>
        <source>Paste %1 cell</source>
        <extracomment>The step&apos;s name in the Edit menu.</extracomment>
        <translation>Yapıştır: %1 hücre</translation>
    </message>
    <message>
        <source>Paste %1 cells</source>
        <translation>Yapıştır: %1 hücre</translation>
    </message>
    <message>
        <source>Edit %1: %2</source>
        <extracomment>The step&apos;s name in the Edit menu: %1 is a column name of the player table (&quot;speed&quot;), %2 the player&apos;s name.</extracomment>
        <translation>Düzenle (%1): %2</translation>
    </message>
</context>
<context>
    <name>PlayerView</name>
    <message>
        <source>The player&apos;s record cannot be found. Press Load again.</source>
        <translation>Oyuncunun kaydı bulunamıyor. Yükle&apos;ye yeniden basın.</translation>
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
        <translation>kullanım: rosterly-cli players PLAYER_DB [TEAM_FILE] [--where FILTER]
                            [--columns A,B,...] [--sort [-]COLUMN[,...]] [--format tsv|csv]

PLAYER_DB içinde FILTER filtresinin geçirdiği oyuncuları (0-6449 arası kayıtlar, players
tablosunun satırları) yazdırır: bir başlık satırı, ardından oyuncu başına sekmelerle ayrılmış bir
satır (--format csv: players tablosunun hücrelerini yazdığı gibi). Sütunlar players tablosunun
sütunlarıdır; TEAM_FILE verilirse ayrıca teams (oyuncunun bulunduğu kadrolar), numbers (oradaki
forma numaraları) ve squads (kaç kadroda olduğu) sütunları da vardır.

  --where FILTER     boşluklarla ayrılmış terimler, hepsi sağlanmalıdır; bir terim COLUMN OP
                     VALUE biçimindedir, OP şunlardan biridir: = != &lt; &lt;= &gt; &gt;= ~ (içerir;
                     büyük/küçük harf ve aksanlar dikkate alınmaz): speed&gt;=85 position=CF,SS
                     teams~&quot;real madrid&quot; squads=0 age&lt;21. Tek başına bir sözcük adlarda arar.
                     Değerler tablonun gösterdiği değerlerdir.
  --columns A,B,...  yazdırılacak sütunlar, bu sırayla (verilmezse hepsi)
  --sort COLUMN,...  satırların sırası: önce ilk sütuna göre, değerleri eşit olan satırlar bir
                     sonrakine göre; en yüksek önce gelsin diye -COLUMN. Sayılar sayı olarak
                     sıralanır.
  --format tsv|csv   tsv (varsayılan) ya da csv

Çıkış durumu: 0 tamamlandı (hiçbir oyuncu eşleşmese de), 1 bir dosya okunamıyor, 2 hatalı
kullanım ya da hatalı filtre.</translation>
    </message>
    <message>
        <source>%1: unknown column &quot;%2&quot;</source>
        <translation>%1: bilinmeyen sütun &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: unknown column &quot;%2&quot; (%3?)</source>
        <translation>%1: bilinmeyen sütun &quot;%2&quot; (%3?)</translation>
    </message>
    <message>
        <source>--format is tsv or csv, not &quot;%1&quot;</source>
        <translation>--format tsv ya da csv olmalı, &quot;%1&quot; değil</translation>
    </message>
    <message>
        <source>the column %1 needs the team file: rosterly-cli players PLAYER_DB TEAM_FILE ...</source>
        <translation>%1 sütunu için takım dosyası gerekir: rosterly-cli players PLAYER_DB TEAM_FILE ...</translation>
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
        <translation>kullanım: rosterly-cli release PLAYER_DB TEAM_FILE --player ID --from TEAM_ID [--dry-run]

ID&apos;li oyuncuyu, editörün kadro kurallarıyla --from takımının (takım dosyasının listelediği bir
takım) kadrosundan çıkarır: ondan sonraki oyuncular birer sıra yukarı kayar ve boş sıralar
oyuncuların arkasına gider. Oyuncu bulunduğu diğer kadrolarda kalır.

  --dry-run   değişikliği yazdırır, hiçbir şey yazmaz

Değişikliği yazdırır, &quot;Boris Brown (7): released from Brazil&quot;, sonra oyuncu veritabanını tek bir
atomik adımda yenisiyle değiştirir (sıkıştırılmış bir oyun dosyası yeniden sıkıştırılır; çalışma
kopyası, *.unzlib, olduğu gibi yazılır); bundan önce dosyanın eski hâli yanındaki backups
klasöründe saklanır. Takım dosyası yalnızca okunur.

Çıkış durumu: 0 tamamlandı, 1 reddedildi (neden standart hata akışında, hiçbir şey yazılmadı) ya
da bir dosya okunamıyor, 2 hatalı kullanım.</translation>
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
        <translation>Yüz: unnamed_%1.bin</translation>
    </message>
    <message>
        <source>Hair: unnamed_%1.bin</source>
        <extracomment>unnamed_%1.bin is the name of the game file that holds the hair; %1 is its number</extracomment>
        <translation>Saç: unnamed_%1.bin</translation>
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
        <translation>kullanım: rosterly-cli restore BACKUP

BACKUP dosyasını tek bir atomik adımda ait olduğu oyun dosyasının yerine koyar. BACKUP, her
değiştirmeden önce bir oyun dosyasının yanındaki backups klasöründe saklanan ve onun adını taşıyan
dosyalardan biridir: GAME_FILE.yyyyMMdd-HHmmss.bak ya da GAME_FILE.yyyyMMdd-HHmmss-N.bak. Oyun
dosyasının şimdiki hâli önce yedeklenir; böylece bir geri yükleme de aynı yolla geri alınabilir.
rosterly-cli backups GAME_FILE bu yedekleri listeler.

Çıkış durumu: 0 geri yüklendi, 1 reddedildi (yedek değil ya da okunamıyor veya geri konulamıyor;
oyun dosyası olduğu gibi kaldı), 2 hatalı kullanım.</translation>
    </message>
</context>
<context>
    <name>RosterImport</name>
    <message>
        <source>enter a whole number from %1 to %2.</source>
        <translation>%1 ile %2 arasında bir tam sayı girin.</translation>
    </message>
    <message>
        <source>%1 is in %2 already, on row %3.</source>
        <extracomment>%1 is a player, %2 a team, %3 a row number</extracomment>
        <translation>%1 zaten %2 kadrosunda, %3. satırda.</translation>
    </message>
    <message>
        <source>Shirt number %1 is taken by %2 in %3 (row %4).</source>
        <extracomment>%2 is a player, %3 a team, %4 a row number</extracomment>
        <translation>%1 numaralı formayı %3 takımında %2 giyiyor (satır %4).</translation>
    </message>
    <message>
        <source>%1 has no roster record in the player database.</source>
        <translation>%1 için oyuncu veritabanında kadro kaydı yok.</translation>
    </message>
    <message>
        <source>no team of the team file has the ID %1.</source>
        <translation>takım dosyasında ID&apos;si %1 olan takım yok.</translation>
    </message>
    <message>
        <source>player ID 0 marks an empty slot; to empty the slot, delete its row.</source>
        <translation>oyuncu ID 0 boş bir sırayı belirtir; sırayı boşaltmak için satırını silin.</translation>
    </message>
    <message>
        <source>no player of the database has the ID %1.</source>
        <translation>veritabanında ID&apos;si %1 olan oyuncu yok.</translation>
    </message>
    <message>
        <source>slot %1 of %2 is on row %3 already.</source>
        <extracomment>%1 is a slot number, %2 a team, %3 a row number</extracomment>
        <translation>%2 kadrosunun %1. sırası zaten %3. satırda.</translation>
    </message>
</context>
<context>
    <name>RosterView</name>
    <message>
        <source>Team: %1</source>
        <translation>Takım: %1</translation>
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
        <translation>kullanım: rosterly-cli COMMAND ...

  export PLAYER_DB [TEAM_FILE] --out DIR [--format csv|xlsx]
      DIR içine players.csv (takım dosyası verilirse teams.csv ve rosters.csv de) ya da .xlsx yazar
  import PLAYER_DB [TEAM_FILE] [--players FILE | --rosters FILE] [--teams FILE] [--dry-run]
      düzenlenmiş tabloları oyun dosyalarına uygular
  diff OLD_DB NEW_DB [OLD_TEAMS NEW_TEAMS]
      iki veritabanı (ve takım dosyaları) arasında farklı olan her alanı listeler
  backups GAME_FILE
      bir oyun dosyasının saklanan yedeklerini, en yenisi önce, listeler
  restore BACKUP
      bir yedeği oyun dosyasının yerine koyar (oyun dosyası önce yedeklenir)
  squad PLAYER_DB TEAM_FILE TEAM_ID
      bir takımın kadrosunu yazdırır: sıra, forma numarası, oyuncu ID&apos;si ve adı
  transfer PLAYER_DB TEAM_FILE --player ID --to TEAM_ID [--from TEAM_ID] [--number N]
           [--call-up] [--dry-run]
      bir oyuncuyu başka bir kadroya taşır (ya da milli takıma çağırır veya serbest oyuncu alır)
  release PLAYER_DB TEAM_FILE --player ID --from TEAM_ID [--dry-run]
      bir oyuncuyu bir kadrodan çıkarır
  check PLAYER_DB TEAM_FILE
      kadroların bütün sorunlarını listeler
  players PLAYER_DB [TEAM_FILE] [--where FILTER] [--columns A,B] [--sort [-]COLUMN]
          [--format tsv|csv]
      bir filtrenin geçirdiği oyuncuları yazdırır: speed&gt;=85 position=CF,SS teams~madrid
  set PLAYER_DB [TEAM_FILE] --where FILTER --column COLUMN (--value V | --add N
      | --subtract N | --at-least N | --at-most N) [--dry-run]
      bir filtrenin geçirdiği her oyuncunun bir sütununu değiştirir
  merge PLAYER_DB TEAM_FILE OTHER_DB [OTHER_TEAM_FILE] [--parts P,...] [--where FILTER]
        [--players ID,...] [--teams ID,...] [--skip-refused] [--dry-run]
      başka bir oyun dosyası çiftinden oyuncuları, kadroları ve takım adlarını alır

Oyun dosyaları, sıkıştırılmış oyun dosyaları (unnamed_25.bin) ya da çalışma kopyalarıdır
(unnamed_25.bin.unzlib). rosterly-cli COMMAND --help bir komut hakkında daha fazla bilgi verir.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>komut verilmedi</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>bilinmeyen komut &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>SaveJob</name>
    <message>
        <source>A save is in progress. %1 when it has finished.</source>
        <extracomment>%1 is what has to wait, as a request (&quot;Close the window again&quot;, &quot;Open a file&quot;).</extracomment>
        <translation>Bir kaydetme işlemi sürüyor. İşlem bittiğinde %1.</translation>
    </message>
    <message>
        <source>No game file is open, so there is nothing to save. Use File &gt; Open first.</source>
        <translation>Açık bir oyun dosyası yok, bu yüzden kaydedilecek bir şey yok. Önce Dosya &gt; Aç&apos;ı kullanın.</translation>
    </message>
    <message>
        <source>Save again</source>
        <translation>yeniden kaydedin</translation>
    </message>
    <message>
        <source>%1
The game file was not changed.</source>
        <translation>%1
Oyun dosyası değiştirilmedi.</translation>
    </message>
    <message>
        <source>The working copy %1 is missing or shorter than a complete one (%2 bytes), so it is not saved. The game file was not changed.</source>
        <translation>%1 çalışma kopyası eksik ya da tam bir kopyadan (%2 bayt) kısa, bu yüzden kaydedilmedi. Oyun dosyası değiştirilmedi.</translation>
    </message>
    <message>
        <source>The codec tool did not finish compressing within %1 seconds. The game file was not changed.</source>
        <translation>Kodek aracı sıkıştırmayı %1 saniye içinde bitirmedi. Oyun dosyası değiştirilmedi.</translation>
    </message>
    <message>
        <source>Compressing the working copy failed: %1
The game file was not changed.</source>
        <translation>Çalışma kopyası sıkıştırılamadı: %1
Oyun dosyası değiştirilmedi.</translation>
    </message>
    <message>
        <source>DONE!</source>
        <extracomment>The message box that ends a save that replaced the game file.</extracomment>
        <translation>BİTTİ!</translation>
    </message>
    <message>
        <source>The compressed result %1 is missing or unreadable: %2</source>
        <translation>Sıkıştırılmış sonuç %1 eksik ya da okunamıyor: %2</translation>
    </message>
    <message>
        <source>The compressed result %1 is damaged.</source>
        <translation>Sıkıştırılmış sonuç %1 hasarlı.</translation>
    </message>
    <message>
        <source>The game file %1 could not be replaced: %2</source>
        <translation>%1 oyun dosyasının yerine yenisi konulamadı: %2</translation>
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
        <translation>kullanım: rosterly-cli set PLAYER_DB [TEAM_FILE] --where FILTER --column COLUMN
                        (--value V | --add N | --subtract N | --at-least N | --at-most N)
                        [--dry-run]

FILTER filtresinin geçirdiği her oyuncunun (0-6449 arası kayıtlar; rosterly-cli players filtre
dili, her oyuncu için --where &quot;&quot;) bir sütununu değiştirir: V değerine ayarlar, N ekler ya da
çıkarır (yetenekler 1-99 arasında tutulur, 99&apos;un üzerinde saklanan bir değer değişiklik onu
düşürmedikçe korunur; diğer sayılar editördeki kutunun kabul ettiği aralıkta tutulur) ya da bir
yeteneği en az N&apos;ye yükseltir veya en çok N ile sınırlar. Her değer, o hücrenin tablo içe
aktarmasındaki gibi birebir denetlenir ve yazılır. Filtredeki teams, numbers ve squads için
yalnızca okunan TEAM_FILE gerekir.

Değişen her alan için import ve diff&apos;teki gibi bir satır yazdırır (&quot;index id name: field old -&gt;
new&quot;), ardından değişikliğin ne yaptığını (&quot;97 oyuncu değişiyor, 12 oyuncu 99 sınırında tutuldu,
11 oyuncu zaten 99&quot;). PLAYER_DB, dosyanın eski hâli yedeklerinde saklandıktan sonra kendi
biçiminde tek bir atomik adımda yenisiyle değiştirilir.

  --dry-run   değişiklikleri yazdırır, hiçbir şey yazmaz

Çıkış durumu: 0 tamamlandı ya da değişecek bir şey yok, 1 reddedildi (bütün nedenler standart
hata akışında, hiçbir şey yazılmadı) ya da bir dosya okunamıyor, 2 hatalı kullanım ya da hatalı
filtre.</translation>
    </message>
    <message>
        <source>--where FILTER is missing (--where &quot;&quot; changes every player)</source>
        <translation>--where FILTER eksik (--where &quot;&quot; her oyuncuyu değiştirir)</translation>
    </message>
    <message>
        <source>--column COLUMN is missing</source>
        <translation>--column COLUMN eksik</translation>
    </message>
    <message>
        <source>give one of --value, --add, --subtract, --at-least, --at-most</source>
        <translation>şunlardan birini verin: --value, --add, --subtract, --at-least, --at-most</translation>
    </message>
    <message>
        <source>--column: &quot;%1&quot; is no column a change writes</source>
        <translation>--column: &quot;%1&quot; bir değişikliğin yazabildiği bir sütun değil</translation>
    </message>
    <message>
        <source>--column: &quot;%1&quot; is no column a change writes (%2?)</source>
        <translation>--column: &quot;%1&quot; bir değişikliğin yazabildiği bir sütun değil (%2?)</translation>
    </message>
    <message>
        <source>the column %1 needs the team file</source>
        <translation>%1 sütunu için takım dosyası gerekir</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Hiçbir şey yazılmadı.</translation>
    </message>
</context>
<context>
    <name>SheetErrors</name>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>%1 is a row number, %2 the name of the sheet&apos;s column, %3 what is wrong</extracomment>
        <translation>satır %1, sütun %2: %3</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>satır %1: %2</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… ve %1 tane daha</translation>
    </message>
</context>
<context>
    <name>SheetFile</name>
    <message>
        <source>the game file is too short to be written as a sheet</source>
        <translation>oyun dosyası tablo olarak yazılamayacak kadar kısa</translation>
    </message>
</context>
<context>
    <name>SheetHeader</name>
    <message>
        <source>row 1: the sheet is empty; it needs a header row naming its columns (%1, …).</source>
        <extracomment>%1 is the name of the sheet&apos;s first column, as the sheet must name it</extracomment>
        <translation>satır 1: tablo boş; sütunlarını adlandıran bir başlık satırı gerekir (%1, …).</translation>
    </message>
    <message>
        <source>unknown column.</source>
        <translation>bilinmeyen sütun.</translation>
    </message>
    <message>
        <source>the column is named twice.</source>
        <translation>sütun iki kez adlandırılmış.</translation>
    </message>
    <message>
        <source>the column %1 is missing; the sheet needs it to match its rows.</source>
        <translation>%1 sütunu eksik; tablonun satırlarını eşleştirmek için bu sütun gerekir.</translation>
    </message>
    <message>
        <source>the row has %1 cells, the header %2.</source>
        <translation>satırda %1 hücre var, başlıkta %2.</translation>
    </message>
</context>
<context>
    <name>SheetText</name>
    <message>
        <source>a zip archive, as an .xlsx workbook is: give it the name .xlsx or save it as CSV</source>
        <translation>bir zip arşivi (.xlsx çalışma kitapları da öyledir): adını .xlsx yapın ya da CSV olarak kaydedin</translation>
    </message>
    <message>
        <source>a PNG image</source>
        <translation>bir PNG resmi</translation>
    </message>
    <message>
        <source>a JPEG image</source>
        <translation>bir JPEG resmi</translation>
    </message>
    <message>
        <source>a GIF image</source>
        <translation>bir GIF resmi</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>bir PDF belgesi</translation>
    </message>
    <message>
        <source>an Excel 97-2003 workbook (.xls) or another old Office file: save it as .xlsx or CSV</source>
        <translation>bir Excel 97-2003 çalışma kitabı (.xls) ya da başka eski bir Office dosyası: .xlsx ya da CSV olarak kaydedin</translation>
    </message>
    <message>
        <source>a game file, not a sheet</source>
        <translation>bir oyun dosyası (tablo değil)</translation>
    </message>
    <message>
        <source>binary data (a NUL byte at byte %1)</source>
        <translation>ikili veri (%1. baytta bir NUL baytı)</translation>
    </message>
    <message>
        <source>binary data (%1 of its %2 bytes are control bytes)</source>
        <translation>ikili veri (%2 baytın %1 tanesi kontrol baytı)</translation>
    </message>
    <message>
        <source>the sheet begins as UTF-16 text, but its bytes are not UTF-16.</source>
        <translation>tablo UTF-16 metin olarak başlıyor, ancak baytları UTF-16 değil.</translation>
    </message>
    <message>
        <source>the sheet begins with &quot;ï»¿&quot;, a UTF-8 byte-order mark that a program read as Windows-1252 text before saving the sheet; it was read as the mark.</source>
        <translation>tablo &quot;ï»¿&quot; ile başlıyor: bu, bir programın tabloyu kaydetmeden önce Windows-1252 metni olarak okuduğu bir UTF-8 bayt sırası işareti; işaret olarak okundu.</translation>
    </message>
    <message>
        <source>it is not a text sheet: it looks like %1.</source>
        <translation>bu bir metin tablosu değil; şuna benziyor: %1.</translation>
    </message>
    <message>
        <source>the sheet is not UTF-8 (row %1 is the first that is not); it was read as Windows-1252, the game&apos;s own code page, in which older Excel saves CSV.</source>
        <translation>tablo UTF-8 değil (UTF-8 olmayan ilk satır: %1); oyunun kendi kod sayfası olan ve eski Excel sürümlerinin CSV kaydederken kullandığı Windows-1252 olarak okundu.</translation>
    </message>
</context>
<context>
    <name>SpreadsheetMenu</name>
    <message>
        <source>Open a player database and press Load first.</source>
        <translation>Önce bir oyuncu veritabanı açın ve Yükle&apos;ye basın.</translation>
    </message>
    <message>
        <source>%1 could not be made: %2</source>
        <translation>%1 oluşturulamadı: %2</translation>
    </message>
    <message>
        <source>%1 exists already. Replace it?</source>
        <translation>%1 zaten var. Yerine yenisi yazılsın mı?</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 yazılamadı: %2</translation>
    </message>
    <message>
        <source>Export again</source>
        <translation>yeniden dışa aktarın</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Excel&apos;e Aktar</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>CSV&apos;ye Aktar</translation>
    </message>
    <message>
        <source>Wrote %1 to %2.</source>
        <extracomment>%1 lists the sheets&apos; file names.</extracomment>
        <translation>%1, %2 konumuna yazıldı.</translation>
    </message>
    <message>
        <source>Import again</source>
        <translation>yeniden içe aktarın</translation>
    </message>
    <message>
        <source>Import Sheet</source>
        <translation>Tablo İçe Aktar</translation>
    </message>
    <message>
        <source>Spreadsheet (CSV or Excel)</source>
        <translation>Elektronik tablo (CSV ya da Excel)</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 okunamıyor: %2</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2
Nothing was written.</source>
        <translation>%1 içe aktarılamıyor: %2
Hiçbir şey yazılmadı.</translation>
    </message>
    <message>
        <source>%1 is neither a players sheet (it has no index column) nor a teams sheet (no position column). Nothing was written.</source>
        <translation>%1 ne bir oyuncu tablosu (index sütunu yok) ne de bir takım tablosu (position sütunu yok). Hiçbir şey yazılmadı.</translation>
    </message>
    <message>
        <source>%1 holds team names, but no team file is loaded. Load the team file first. Nothing was written.</source>
        <translation>%1 takım adları içeriyor, ancak yüklü bir takım dosyası yok. Önce takım dosyasını yükleyin. Hiçbir şey yazılmadı.</translation>
    </message>
    <message>
        <source>%1 holds the teams&apos; rosters, but no team file is loaded. Load the team file first. Nothing was written.</source>
        <translation>%1 takımların kadrolarını içeriyor, ancak yüklü bir takım dosyası yok. Önce takım dosyasını yükleyin. Hiçbir şey yazılmadı.</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
Hiçbir şey yazılmadı.</translation>
    </message>
    <message>
        <source>%1 was refused:
%2
Nothing was written.</source>
        <translation>%1 reddedildi:
%2
Hiçbir şey yazılmadı.</translation>
    </message>
    <message>
        <source>%1 changes nothing: every cell shows what the file holds already.%2</source>
        <extracomment>%2 is empty or the sheet&apos;s notes, on lines of their own.</extracomment>
        <translation>%1 hiçbir şeyi değiştirmiyor: her hücre, dosyada zaten bulunanı gösteriyor.%2</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <extracomment>After the first changes listed: how many more there are.</extracomment>
        <translation>… ve %1 tane daha</translation>
    </message>
    <message>
        <source>%1 changes %2 %3 in %4 %5:
%6%7

Write these changes into the working copy?</source>
        <extracomment>%1 is the sheet, %2 and %3 how many fields (&quot;1 field&quot;, &quot;5 fields&quot;), %4 and %5 how many records; the changes follow on lines of their own (%6), then the notes (%7).</extracomment>
        <translation>%1, %4 %5 içinde %2 %3 değiştiriyor:
%6%7

Bu değişiklikler çalışma kopyasına yazılsın mı?</translation>
    </message>
    <message>
        <source>field</source>
        <translation>alan</translation>
    </message>
    <message>
        <source>fields</source>
        <translation>alan</translation>
    </message>
    <message>
        <source>record</source>
        <translation>kayıt</translation>
    </message>
    <message>
        <source>records</source>
        <translation>kayıt</translation>
    </message>
    <message>
        <source>Import %1 (%2 record)</source>
        <extracomment>The step&apos;s name in the Edit menu: %1 is the sheet&apos;s file name, %2 how many records.</extracomment>
        <translation>İçe Aktar: %1 (%2 kayıt)</translation>
    </message>
    <message>
        <source>Import %1 (%2 records)</source>
        <translation>İçe Aktar: %1 (%2 kayıt)</translation>
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
        <translation>kullanım: rosterly-cli squad PLAYER_DB TEAM_FILE TEAM_ID

TEAM_ID ile belirtilen takımın kadrosunu yazdırır: oyuncu veritabanının kadro tablosunda bu ID&apos;yi
taşıyan ilk kadro kaydı. Önce takımın adını, ID&apos;sini ve oyuncu sayısını içeren bir satır,
&quot;Austria (team ID 100): 25 players&quot;, ardından sıra düzeninde her dolu sıra için, sekmelerle
ayrılmış dört alanlı bir satır: sıra (0-31), forma numarası, oyuncu ID&apos;si ve oyuncunun adı
(0-6449 arası hiçbir kaydın tutmadığı bir ID için &quot;(no player of the database)&quot;). TEAM_ID, takım
dosyasının listelediği bir takım olmalıdır; negatif bir ID -- işaretinden sonra yazılır:
rosterly-cli squad PLAYER_DB TEAM_FILE -- -1. Takımlar ve ID&apos;leri, rosterly-cli export
komutunun yazdığı teams.csv dosyasında listelenir.

Çıkış durumu: 0 yazdırıldı, 1 takım dosyasında böyle bir takım yok, takımın kadro kaydı yok ya da
bir dosya okunamıyor, 2 hatalı kullanım.</translation>
    </message>
    <message>
        <source>TEAM_ID is a number, not &quot;%1&quot;</source>
        <translation>TEAM_ID bir sayı olmalı, &quot;%1&quot; değil</translation>
    </message>
    <message>
        <source>%1 has no roster record in the player database.</source>
        <translation>%1 için oyuncu veritabanında kadro kaydı yok.</translation>
    </message>
</context>
<context>
    <name>SquadEditor</name>
    <message>
        <source>Squads</source>
        <translation>Kadrolar</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Sıra</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>The column of shirt numbers</extracomment>
        <translation>No.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Mevki</translation>
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
        <translation>Çağır →</translation>
    </message>
    <message>
        <source>Release</source>
        <extracomment>A button that takes the selected player out of his squad</extracomment>
        <translation>Serbest Bırak</translation>
    </message>
    <message>
        <source>Swap</source>
        <extracomment>A button that swaps the players selected on the left and on the right</extracomment>
        <translation>Takas</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Yukarı Al</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Aşağı Al</translation>
    </message>
    <message>
        <source>Find a player:</source>
        <translation>Oyuncu bul:</translation>
    </message>
    <message>
        <source>any part of the name</source>
        <translation>adın herhangi bir kısmı</translation>
    </message>
    <message>
        <source>Free agents</source>
        <translation>Serbest oyuncular</translation>
    </message>
    <message>
        <source>Choose a player in the left table first.</source>
        <translation>Önce soldaki tablodan bir oyuncu seçin.</translation>
    </message>
    <message>
        <source>Choose a player in the right table first.</source>
        <translation>Önce sağdaki tablodan bir oyuncu seçin.</translation>
    </message>
    <message>
        <source>Team ID %1</source>
        <translation>Takım ID %1</translation>
    </message>
    <message>
        <source>Press Load first: the squads shown are not those of the file now open.</source>
        <translation>Önce Yükle&apos;ye basın: gösterilen kadrolar şu an açık olan dosyanınkiler değil.</translation>
    </message>
    <message>
        <source>The player database&apos;s working copy cannot be read, or ends before its roster table.
Nothing was written.</source>
        <translation>Oyuncu veritabanının çalışma kopyası okunamıyor ya da kadro tablosundan önce bitiyor.
Hiçbir şey yazılmadı.</translation>
    </message>
    <message>
        <source>%1 is a free agent already: choose the team he joins on the left.</source>
        <translation>%1 zaten serbest oyuncu: katılacağı takımı solda seçin.</translation>
    </message>
    <message>
        <source>%1 is a free agent already: choose the team he joins on the right.</source>
        <translation>%1 zaten serbest oyuncu: katılacağı takımı sağda seçin.</translation>
    </message>
    <message>
        <source>Release: %1 from %2</source>
        <translation>Serbest Bırak: %1, %2 kadrosundan</translation>
    </message>
    <message>
        <source>Transfer: %1 to %2</source>
        <translation>Transfer: %1 → %2</translation>
    </message>
    <message>
        <source>A call-up needs a team on the right, not the free agents.</source>
        <translation>Milli takım çağrısı için sağda bir takım gerekir, serbest oyuncular değil.</translation>
    </message>
    <message>
        <source>Call up: %1 to %2</source>
        <translation>Çağır: %1 → %2</translation>
    </message>
    <message>
        <source>%1 is a free agent already.</source>
        <translation>%1 zaten serbest oyuncu.</translation>
    </message>
    <message>
        <source>A swap takes players of two teams; a free agent joins a squad by a transfer.</source>
        <translation>Takas iki takımın oyuncuları arasında yapılır; serbest bir oyuncu bir kadroya transferle katılır.</translation>
    </message>
    <message>
        <source>Swap: %1 and %2</source>
        <translation>Takas: %1 ve %2</translation>
    </message>
    <message>
        <source>The free agents are in no squad, whose order could change.</source>
        <translation>Serbest oyuncular, sırası değişebilecek bir kadroda değil.</translation>
    </message>
    <message>
        <source>Move Up: %1 in %2</source>
        <translation>Yukarı Al: %1 (%2)</translation>
    </message>
    <message>
        <source>Move Down: %1 in %2</source>
        <translation>Aşağı Al: %1 (%2)</translation>
    </message>
    <message>
        <source>Shirt number: %1 to %2</source>
        <translation>Forma numarası: %1 → %2</translation>
    </message>
    <message>
        <source>free agent</source>
        <translation>serbest oyuncu</translation>
    </message>
</context>
<context>
    <name>SquadFiles</name>
    <message>
        <source>the player database and the team file are the same file</source>
        <translation>oyuncu veritabanı ve takım dosyası aynı dosya</translation>
    </message>
    <message>
        <source>The team file lists no team with team ID %1.</source>
        <translation>Takım dosyasında takım ID&apos;si %1 olan takım yok.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Hiçbir şey yazılmadı.</translation>
    </message>
    <message>
        <source>%1 %2 is missing</source>
        <translation>%1 %2 eksik</translation>
    </message>
    <message>
        <source>%1 takes a number, not &quot;%2&quot;</source>
        <translation>%1 bir sayı alır, &quot;%2&quot; değil</translation>
    </message>
    <message>
        <source>player ID 0 marks an empty slot; give a player&apos;s ID</source>
        <translation>oyuncu ID 0 boş bir sırayı belirtir; bir oyuncunun ID&apos;sini verin</translation>
    </message>
</context>
<context>
    <name>SquadRules</name>
    <message>
        <source>Shirt numbers run from %1 to %2.</source>
        <translation>Forma numaraları %1 ile %2 arasındadır.</translation>
    </message>
    <message>
        <source>Player ID %1</source>
        <translation>Oyuncu ID %1</translation>
    </message>
    <message>
        <source>Team ID %1</source>
        <translation>Takım ID %1</translation>
    </message>
    <message>
        <source>%1 has no roster record in the player database.</source>
        <translation>%1 için oyuncu veritabanında kadro kaydı yok.</translation>
    </message>
    <message>
        <source>Shirt number %1 is taken by %2 in %3.</source>
        <translation>%1 numaralı formayı %3 takımında %2 giyiyor.</translation>
    </message>
    <message>
        <source>%1 is not in %2.</source>
        <translation>%1, %2 kadrosunda değil.</translation>
    </message>
    <message>
        <source>%1 is in %2 already.</source>
        <translation>%1 zaten %2 kadrosunda.</translation>
    </message>
    <message>
        <source>%1 has %2 players already, the most a squad can hold.</source>
        <translation>%1 kadrosunda zaten %2 oyuncu var; bir kadro en fazla bu kadar oyuncu alabilir.</translation>
    </message>
    <message>
        <source>The roster table holds no record beside that of %1.</source>
        <translation>Kadro tablosunda %1 kaydından başka kayıt yok.</translation>
    </message>
    <message>
        <source>%1 and %2 are both in %3; a swap takes players of two teams.</source>
        <translation>%1 ve %2 ikisi de %3 kadrosunda; takas iki takımın oyuncuları arasında yapılır.</translation>
    </message>
    <message>
        <source>%1 is first in %2 already.</source>
        <translation>%1 zaten %2 kadrosunda ilk sırada.</translation>
    </message>
    <message>
        <source>%1 is last in %2 already.</source>
        <translation>%1 zaten %2 kadrosunda son sırada.</translation>
    </message>
</context>
<context>
    <name>TeamNameTable</name>
    <message>
        <source>may have at most %1 characters.</source>
        <translation>en fazla %1 karakter olabilir.</translation>
    </message>
    <message>
        <source>holds characters the game cannot store: %1</source>
        <translation>oyunun saklayamadığı karakterler içeriyor: %1</translation>
    </message>
    <message>
        <source>The team name may have at most %1 characters.</source>
        <translation>Takım adı en fazla %1 karakter olabilir.</translation>
    </message>
    <message>
        <source>The team name holds characters the game cannot store: %1</source>
        <translation>Takım adı oyunun saklayamadığı karakterler içeriyor: %1</translation>
    </message>
    <message>
        <source>The short name may have at most %1 characters.</source>
        <translation>Kısa ad en fazla %1 karakter olabilir.</translation>
    </message>
    <message>
        <source>The short name holds characters the game cannot store: %1</source>
        <translation>Kısa ad oyunun saklayamadığı karakterler içeriyor: %1</translation>
    </message>
</context>
<context>
    <name>TeamSheet</name>
    <message>
        <source>The team file is too short: it has %1 bytes, but its team names end at byte %2.</source>
        <translation>Takım dosyası çok kısa: %1 bayt, ancak takım adları %2. baytta bitiyor.</translation>
    </message>
    <message>
        <source>enter a team position from 0 to %1.</source>
        <translation>0 ile %1 arasında bir takım konumu girin.</translation>
    </message>
    <message>
        <source>team %1 is on row %2 already.</source>
        <translation>takım %1 zaten %2. satırda.</translation>
    </message>
    <message>
        <source>this team has no team ID to change; leave the cell empty.</source>
        <translation>bu takımın değiştirilecek bir takım ID&apos;si yok; hücreyi boş bırakın.</translation>
    </message>
    <message>
        <source>team IDs are not edited here; the team&apos;s is %1.</source>
        <translation>takım ID&apos;leri burada düzenlenmez; bu takımınki %1.</translation>
    </message>
    <message>
        <source>the team is listed past the end of the short names and has no short name that could be written.</source>
        <translation>takım, kısa adların sonundan sonra listeleniyor ve yazılabilecek bir kısa adı yok.</translation>
    </message>
    <message>
        <source>the team file ends at byte %1, before this team&apos;s name entry does.</source>
        <translation>takım dosyası, bu takımın ad girdisi bitmeden önce %1. baytta bitiyor.</translation>
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
        <translation>kullanım: rosterly-cli transfer PLAYER_DB TEAM_FILE --player ID --to TEAM_ID [--from TEAM_ID]
                             [--number N] [--call-up] [--dry-run]

ID&apos;li oyuncuyu, editörün kadro kurallarıyla --from takımının kadrosundan çıkarıp --to takımının
kadrosuna alır: oyuncu oradaki oyuncuların arkasına, N forma numarasıyla katılır; N verilmezse,
yeni kadroda kimse giymiyorsa daha önce giydiği numarayı, o da olmazsa en küçük boş numarayı
alır. Bir kadroda en fazla 32 oyuncu bulunur, her biri bir kez ve 1 ile 99 arasında, kadroda
başka kimsenin giymediği numaralarla; değişen bir kadronun boş sıraları oyuncularının arkasına
gider. Takım ID&apos;leri takım dosyasının listelediği ID&apos;lerdir.

--from verilmezse oyuncu bulunduğu tek kadrodan (--to kadrosu dışında) ayrılır. Birkaç kadroda
bulunan bir oyuncu için --from gerekir; hiçbir kadroda olmayan bir oyuncu, yani serbest oyuncu,
--to takımına katılır.

  --call-up   oyuncuyu --from kadrosunda da tutar (milli takım çağrısı)
  --dry-run   değişikliği yazdırır, hiçbir şey yazmaz

Değişikliği yazdırır, &quot;Boris Brown (7): Brazil -&gt; Austria, shirt number 7&quot; (diğerleri için
&quot;called up from Brazil to Austria&quot;, &quot;free agent -&gt; Austria&quot;), sonra oyuncu veritabanını tek bir
atomik adımda yenisiyle değiştirir (sıkıştırılmış bir oyun dosyası yeniden sıkıştırılır; çalışma
kopyası, *.unzlib, olduğu gibi yazılır); bundan önce dosyanın eski hâli yanındaki backups
klasöründe saklanır. Takım dosyası yalnızca okunur.

Çıkış durumu: 0 tamamlandı, 1 reddedildi (neden standart hata akışında, hiçbir şey yazılmadı) ya
da bir dosya okunamıyor, 2 hatalı kullanım.</translation>
    </message>
    <message>
        <source>--number takes a shirt number, not &quot;%1&quot;</source>
        <translation>--number bir forma numarası alır, &quot;%1&quot; değil</translation>
    </message>
    <message>
        <source>%1 (team ID %2)</source>
        <translation>%1 (takım ID %2)</translation>
    </message>
    <message>
        <source>Player ID %1</source>
        <translation>Oyuncu ID %1</translation>
    </message>
    <message>
        <source>%1 is in %2 squads: %3; say which he leaves with --from TEAM_ID.</source>
        <extracomment>%2 is the number of squads (always more than one), %3 lists them</extracomment>
        <translation>%1, %2 kadroda birden bulunuyor: %3; hangisinden ayrılacağını --from TEAM_ID ile belirtin.</translation>
    </message>
    <message>
        <source>No player of the database has player ID %1.</source>
        <translation>Veritabanında oyuncu ID&apos;si %1 olan oyuncu yok.</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>%1 (another program may hold the file open: close it and try again)</source>
        <translation>%1 (dosya başka bir program tarafından açık tutuluyor olabilir: o programı kapatıp yeniden deneyin)</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: böyle bir dosya yok</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: normal bir dosya değil</translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2</source>
        <translation>%1: açılamıyor: %2</translation>
    </message>
    <message>
        <source>%1: the file is %2 bytes, more than the %3 MiB a game file or sheet may have</source>
        <translation>%1: dosya %2 bayt; bu, bir oyun dosyası ya da tablonun olabileceği %3 MiB sınırından fazla</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: okunamıyor: %2</translation>
    </message>
    <message>
        <source>No space left on device (%1 bytes free, %2 needed)</source>
        <translation>Aygıtta yer kalmadı (%1 bayt boş, %2 bayt gerekli)</translation>
    </message>
</context>
<context>
    <name>WorkingCopy</name>
    <message>
        <source>The working copy %1 cannot be opened: %2</source>
        <translation>%1 çalışma kopyası açılamıyor: %2</translation>
    </message>
    <message>
        <source>The working copy %1 is too short: it has %2 bytes, but %3 are needed. Wait until the codec has finished, or open the game file again.</source>
        <translation>%1 çalışma kopyası çok kısa: %2 bayt, ancak %3 bayt gerekiyor. Kodek işini bitirene kadar bekleyin ya da oyun dosyasını yeniden açın.</translation>
    </message>
    <message>
        <source>Reading the working copy %1 failed: %2</source>
        <translation>%1 çalışma kopyası okunamadı: %2</translation>
    </message>
    <message>
        <source>The working copy %1 has %2 bytes and cannot be read up to byte %3.</source>
        <translation>%1 çalışma kopyası %2 bayt ve %3. bayta kadar okunamıyor.</translation>
    </message>
    <message>
        <source>Refusing to write before the start of %1.</source>
        <translation>%1 dosyasının başlangıcından önceye yazma reddediliyor.</translation>
    </message>
    <message>
        <source>The working copy %1 cannot be opened for writing: %2</source>
        <translation>%1 çalışma kopyası yazmak için açılamıyor: %2</translation>
    </message>
    <message>
        <source>The working copy %1 is too short: it has %2 bytes, but the change reaches byte %3. Nothing was written.</source>
        <translation>%1 çalışma kopyası çok kısa: %2 bayt, ancak değişiklik %3. bayta ulaşıyor. Hiçbir şey yazılmadı.</translation>
    </message>
    <message>
        <source>Writing the working copy %1 failed: %2. Nothing of the change was kept.</source>
        <translation>%1 çalışma kopyasına yazılamadı: %2. Değişikliğin hiçbir kısmı saklanmadı.</translation>
    </message>
</context>
<context>
    <name>WorkingCopyDifference</name>
    <message>
        <source>the game file holds %1 bytes, the working copy %2</source>
        <translation>oyun dosyası %1 bayt, çalışma kopyası %2</translation>
    </message>
    <message>
        <source>%1 byte differs</source>
        <translation>%1 bayt farklı</translation>
    </message>
    <message>
        <source>%1 bytes differ</source>
        <translation>%1 bayt farklı</translation>
    </message>
    <message>
        <source>%1 record differs</source>
        <translation>%1 kayıt farklı</translation>
    </message>
    <message>
        <source>%1 records differ</source>
        <translation>%1 kayıt farklı</translation>
    </message>
    <message>
        <source>%1 record</source>
        <translation>%1 kayıt</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>%1 kayıt</translation>
    </message>
    <message>
        <source>%1 byte</source>
        <translation>%1 bayt</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bayt</translation>
    </message>
    <message>
        <source>%1 and %2 outside them differ</source>
        <extracomment>%1 is &quot;12 records&quot;, %2 is &quot;2 bytes&quot;: the bytes outside the records.</extracomment>
        <translation>%1 ve bunların dışındaki %2 farklı</translation>
    </message>
</context>
<context>
    <name>XlsxPackage</name>
    <message>
        <source>it is not a readable zip archive, as an .xlsx workbook is (%1).</source>
        <translation>bir .xlsx çalışma kitabının olması gerektiği gibi okunabilir bir zip arşivi değil (%1).</translation>
    </message>
    <message>
        <source>the part %1 of the workbook is larger than %2 bytes or of no known size.</source>
        <translation>çalışma kitabının %1 bölümü %2 bayttan büyük ya da boyutu bilinmiyor.</translation>
    </message>
    <message>
        <source>the part %1 of the workbook cannot be unpacked: %2</source>
        <translation>çalışma kitabının %1 bölümü açılamıyor: %2</translation>
    </message>
    <message>
        <source>the zip archive holds no workbook (%1), so it is no .xlsx file.</source>
        <translation>zip arşivinde çalışma kitabı (%1) yok, bu yüzden bu bir .xlsx dosyası değil.</translation>
    </message>
    <message>
        <source>the workbook part %1 is not well-formed XML: %2</source>
        <translation>çalışma kitabı bölümü %1 iyi biçimlendirilmiş XML değil: %2</translation>
    </message>
</context>
<context>
    <name>XlsxReader</name>
    <message>
        <source>the cell holds a formula whose result the workbook does not store; save the workbook in a spreadsheet program first, or enter the value itself.</source>
        <translation>hücrede, sonucu çalışma kitabında saklanmayan bir formül var; çalışma kitabını önce bir elektronik tablo programında kaydedin ya da değerin kendisini girin.</translation>
    </message>
    <message>
        <source>the worksheet&apos;s rows are not in order (row %1 after row %2).</source>
        <translation>çalışma sayfasının satırları sıralı değil (%2. satırdan sonra %1. satır).</translation>
    </message>
    <message>
        <source>the worksheet names the cell %1 in row %2.</source>
        <translation>çalışma sayfası %2. satırda %1 hücresini adlandırıyor.</translation>
    </message>
    <message>
        <source>the cells of row %1 are not in order.</source>
        <translation>%1. satırın hücreleri sıralı değil.</translation>
    </message>
    <message>
        <source>the worksheet has more than %1 cells, far more than any sheet of this editor.</source>
        <translation>çalışma sayfasında %1 hücreden fazla var; bu, bu editörün herhangi bir tablosundakinden çok daha fazla.</translation>
    </message>
    <message>
        <source>the cell refers to a text the workbook does not hold.</source>
        <translation>hücre, çalışma kitabında bulunmayan bir metne başvuruyor.</translation>
    </message>
    <message>
        <source>the cell holds the error %1.</source>
        <translation>hücrede %1 hatası var.</translation>
    </message>
    <message>
        <source>the cell holds a date or time; enter a whole number or a text.</source>
        <translation>hücrede bir tarih ya da saat var; bir tam sayı ya da metin girin.</translation>
    </message>
    <message>
        <source>the cell holds &quot;%1&quot;, which is no number.</source>
        <translation>hücrede &quot;%1&quot; var ve bu bir sayı değil.</translation>
    </message>
    <message>
        <source>the cell holds the number %1, which is not a whole number.</source>
        <translation>hücrede %1 sayısı var ve bu bir tam sayı değil.</translation>
    </message>
    <message>
        <source>it is not an .xlsx workbook, which is a zip archive; a CSV sheet is read when its name ends in .csv.</source>
        <translation>bu bir .xlsx çalışma kitabı (yani bir zip arşivi) değil; adı .csv ile biten bir tablo CSV olarak okunur.</translation>
    </message>
    <message>
        <source>it is not an .xlsx workbook: %1</source>
        <translation>bu bir .xlsx çalışma kitabı değil: %1</translation>
    </message>
    <message>
        <source>the workbook has no part %1 for its worksheet &quot;%2&quot;.</source>
        <translation>çalışma kitabında &quot;%2&quot; çalışma sayfası için %1 bölümü yok.</translation>
    </message>
    <message>
        <source>the sheet read is &quot;%1&quot;, the first of the workbook that holds cells.</source>
        <translation>okunan sayfa &quot;%1&quot;; çalışma kitabının hücre içeren ilk sayfası bu.</translation>
    </message>
    <message>
        <source>the workbook has no worksheet with cells.</source>
        <translation>çalışma kitabında hücre içeren çalışma sayfası yok.</translation>
    </message>
</context>
<context>
    <name>XlsxSheetWriter</name>
    <message>
        <source>no temporary folder could be made: %1</source>
        <translation>geçici klasör oluşturulamadı: %1</translation>
    </message>
    <message>
        <source>the temporary folder %1 has characters outside the system&apos;s code page</source>
        <translation>%1 geçici klasörünün adında sistemin kod sayfası dışında karakterler var</translation>
    </message>
    <message>
        <source>the spreadsheet library could not start a workbook</source>
        <translation>elektronik tablo kütüphanesi bir çalışma kitabı başlatamadı</translation>
    </message>
    <message>
        <source>the spreadsheet library refused the workbook: %1</source>
        <translation>elektronik tablo kütüphanesi çalışma kitabını reddetti: %1</translation>
    </message>
</context>
<context>
    <name>XmlEvents</name>
    <message>
        <source>it declares a document type, which no workbook part has</source>
        <translation>bir belge türü bildiriyor; hiçbir çalışma kitabı bölümünde bu olmaz</translation>
    </message>
    <message>
        <source>the XML reader could not be started for %1.</source>
        <translation>%1 için XML okuyucu başlatılamadı.</translation>
    </message>
    <message>
        <source>the part %1 of the workbook cannot be read: %2</source>
        <translation>çalışma kitabının %1 bölümü okunamıyor: %2</translation>
    </message>
    <message>
        <source>the part %1 of the workbook is not well-formed XML (line %2: %3).</source>
        <translation>çalışma kitabının %1 bölümü iyi biçimlendirilmiş XML değil (satır %2: %3).</translation>
    </message>
</context>
</TS>
