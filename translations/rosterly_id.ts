<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>BackupMenu</name>
    <message>
        <source>Restore Backup</source>
        <translation>Pulihkan Cadangan</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Cadangan</translation>
    </message>
    <message>
        <source>%1
Nothing was changed.</source>
        <translation>%1
Tidak ada yang diubah.</translation>
    </message>
    <message>
        <source>Put the backup %1 in place of %2? %2 as it is now is backed up first.</source>
        <translation>Ganti %2 dengan cadangan %1? %2 dalam keadaannya sekarang akan dicadangkan terlebih dahulu.</translation>
    </message>
    <message>
        <source>the player editor</source>
        <translation>editor pemain</translation>
    </message>
    <message>
        <source>the team name editor</source>
        <translation>editor nama tim</translation>
    </message>
    <message>
        <source>Restore the backup</source>
        <translation>Pulihkan cadangan</translation>
    </message>
    <message>
        <source>%1 now holds the backup %2.</source>
        <translation>%1 sekarang berisi cadangan %2.</translation>
    </message>
    <message>
        <source>The file as it was is kept as %1.</source>
        <translation>File dalam keadaan sebelumnya disimpan sebagai %1.</translation>
    </message>
    <message>
        <source>The file is open in %1, whose working copy still holds the file as it was before. File &gt; Open there decompresses the restored file.</source>
        <extracomment>%1 names the window (&quot;the player editor&quot;).</extracomment>
        <translation>File ini terbuka di %1, yang salinan kerjanya masih berisi file seperti sebelumnya. File &gt; Buka di sana akan mendekompres file yang dipulihkan.</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>no backup could be made as %1: %2</source>
        <translation>cadangan tidak dapat dibuat sebagai %1: %2</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>%1 adalah file, bukan folder</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made there</source>
        <translation>folder %1 tidak dapat dibuat di sana</translation>
    </message>
    <message>
        <source>%1 is not named like a backup (the game file&apos;s name, then .yyyyMMdd-HHmmss.bak).</source>
        <extracomment>&quot;.yyyyMMdd-HHmmss.bak&quot; is the end of a backup&apos;s file name: keep it as it is.</extracomment>
        <translation>%1 tidak dinamai seperti cadangan (nama file game, lalu .yyyyMMdd-HHmmss.bak).</translation>
    </message>
    <message>
        <source>%1 is not in a folder named %2 beside its game file.</source>
        <translation>%1 tidak berada di folder bernama %2 di samping file game-nya.</translation>
    </message>
    <message>
        <source>%1 was not put back: %2
%3 was not changed.</source>
        <translation>%1 tidak dikembalikan: %2
%3 tidak diubah.</translation>
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
        <translation>penggunaan: rosterly-cli backups GAME_FILE

Menampilkan daftar cadangan GAME_FILE di folder backups di sampingnya, yang terbaru lebih dulu, satu baris
per cadangan: path, ukuran dalam byte, dan waktu pembuatannya, dipisahkan tab. Cadangan dibuat sebelum
setiap penggantian file game; sepuluh yang terbaru disimpan, ditambah yang tertua, yaitu file seperti
sebelum pertama kali diganti. rosterly-cli restore BACKUP mengembalikan salah satunya.

Status keluar: 0 daftar ditampilkan (atau tidak ada cadangan), 2 penggunaan salah.</translation>
    </message>
</context>
<context>
    <name>BulkChange</name>
    <message>
        <source>Set to</source>
        <extracomment>A change of many players: set the column to a value</extracomment>
        <translation>Atur ke</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>A change of many players: add a number to the column</extracomment>
        <translation>Tambah</translation>
    </message>
    <message>
        <source>Subtract</source>
        <extracomment>A change of many players: subtract a number from the column</extracomment>
        <translation>Kurangi</translation>
    </message>
    <message>
        <source>Set at least</source>
        <extracomment>A change of many players: raise the values below a number to it</extracomment>
        <translation>Atur minimal</translation>
    </message>
    <message>
        <source>Set at most</source>
        <extracomment>A change of many players: lower the values above a number to it</extracomment>
        <translation>Atur maksimal</translation>
    </message>
    <message>
        <source>Change %1 to %2 (%3 player)</source>
        <translation>Ubah %1 menjadi %2 (%3 pemain)</translation>
    </message>
    <message>
        <source>Change %1 to %2 (%3 players)</source>
        <translation>Ubah %1 menjadi %2 (%3 pemain)</translation>
    </message>
    <message>
        <source>Change %1 +%2 (%3 player)</source>
        <translation>Ubah %1 +%2 (%3 pemain)</translation>
    </message>
    <message>
        <source>Change %1 +%2 (%3 players)</source>
        <translation>Ubah %1 +%2 (%3 pemain)</translation>
    </message>
    <message>
        <source>Change %1 -%2 (%3 player)</source>
        <translation>Ubah %1 -%2 (%3 pemain)</translation>
    </message>
    <message>
        <source>Change %1 -%2 (%3 players)</source>
        <translation>Ubah %1 -%2 (%3 pemain)</translation>
    </message>
    <message>
        <source>Change %1 to at least %2 (%3 player)</source>
        <translation>Ubah %1 menjadi minimal %2 (%3 pemain)</translation>
    </message>
    <message>
        <source>Change %1 to at least %2 (%3 players)</source>
        <translation>Ubah %1 menjadi minimal %2 (%3 pemain)</translation>
    </message>
    <message>
        <source>Change %1 to at most %2 (%3 player)</source>
        <translation>Ubah %1 menjadi maksimal %2 (%3 pemain)</translation>
    </message>
    <message>
        <source>Change %1 to at most %2 (%3 players)</source>
        <translation>Ubah %1 menjadi maksimal %2 (%3 pemain)</translation>
    </message>
    <message>
        <source>the column is not changed here.</source>
        <translation>kolom ini tidak diubah di sini.</translation>
    </message>
    <message>
        <source>%1 can only be set to a value.</source>
        <extracomment>%1 is the name of the sheet&apos;s column</extracomment>
        <translation>%1 hanya dapat diatur ke suatu nilai.</translation>
    </message>
    <message>
        <source>%1: enter a whole number.</source>
        <translation>%1: masukkan bilangan bulat.</translation>
    </message>
    <message>
        <source>%1: enter a number from 1 to %2.</source>
        <translation>%1: masukkan angka dari 1 sampai %2.</translation>
    </message>
    <message>
        <source>1 player changes</source>
        <translation>1 pemain berubah</translation>
    </message>
    <message>
        <source>%1 players change</source>
        <translation>%1 pemain berubah</translation>
    </message>
    <message>
        <source>, %1 clamped to %2</source>
        <extracomment>Follows &quot;97 players change&quot;: %1 players were held at the limit %2</extracomment>
        <translation>, %1 dibatasi ke %2</translation>
    </message>
    <message>
        <source>, %1 already at least %2</source>
        <extracomment>Follows &quot;97 players change&quot;: %1 players had the value %2 already</extracomment>
        <translation>, %1 sudah minimal %2</translation>
    </message>
    <message>
        <source>, %1 already at most %2</source>
        <translation>, %1 sudah maksimal %2</translation>
    </message>
    <message>
        <source>, %1 already at the limit</source>
        <translation>, %1 sudah di batas</translation>
    </message>
    <message>
        <source>, %1 already %2</source>
        <translation>, %1 sudah %2</translation>
    </message>
    <message>
        <source>record %1</source>
        <translation>record %1</translation>
    </message>
    <message>
        <source>%1 (%2 players, the first %3)</source>
        <extracomment>%1 is why, %2 how many players it concerns, %3 the first of them</extracomment>
        <translation>%1 (%2 pemain, yang pertama %3)</translation>
    </message>
</context>
<context>
    <name>BulkEditDialog</name>
    <message>
        <source>Change Field</source>
        <translation>Ubah Kolom</translation>
    </message>
    <message>
        <source>&amp;Column:</source>
        <extracomment>The column of the player table whose values are changed.</extracomment>
        <translation>&amp;Kolom:</translation>
    </message>
    <message>
        <source>C&amp;hange:</source>
        <extracomment>How the values change: set to a value, or a number added, say.</extracomment>
        <translation>&amp;Ubah:</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Nilai:</translation>
    </message>
    <message>
        <source>Enter the value.</source>
        <translation>Masukkan nilainya.</translation>
    </message>
    <message>
        <source>Enter the number.</source>
        <translation>Masukkan angkanya.</translation>
    </message>
</context>
<context>
    <name>CellValue</name>
    <message>
        <source>enter a whole number.</source>
        <translation>masukkan bilangan bulat.</translation>
    </message>
    <message>
        <source>the text is not UTF-8; save the sheet as UTF-8 CSV.</source>
        <translation>teks ini bukan UTF-8; simpan lembar sebagai CSV UTF-8.</translation>
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
        <translation>penggunaan: rosterly-cli check PLAYER_DB TEAM_FILE

Memeriksa roster di database pemain terhadap tim-tim yang tercantum di file tim dan mencetak setiap
masalah, satu baris per masalah: ID pemain yang dipakai lebih dari satu record, tim tanpa record roster,
record roster yang bukan milik tim mana pun atau yang terletak setelah record milik timnya sendiri, dan di setiap skuad:
pemain yang tidak ada di database, pemain yang muncul dua kali, nomor punggung di luar 1-99 atau dipakai dua kali,
serta slot kosong sebelum slot yang terisi. Mencetak &quot;no problems&quot; jika tidak ada masalah. Tidak ada yang ditulis.

Status keluar: 0 tidak ada masalah, 1 ada masalah, 2 file tidak dapat dibaca atau penggunaan salah.</translation>
    </message>
</context>
<context>
    <name>CliOutput</name>
    <message>
        <source>Try: rosterly-cli %1--help</source>
        <extracomment>%1 is the command&apos;s name followed by a space (&quot;import &quot;), or nothing</extracomment>
        <translation>Coba: rosterly-cli %1--help</translation>
    </message>
</context>
<context>
    <name>Codec</name>
    <message>
        <source>usage:
  zlib2.dll FILE -d   unpack the compressed game file FILE into FILE.unzlib
  zlib2.dll FILE      pack FILE into FILE.zlib</source>
        <extracomment>The command lines stay as they are; the descriptions after them may be translated.</extracomment>
        <translation>penggunaan:
  zlib2.dll FILE -d   ekstrak file game terkompresi FILE menjadi FILE.unzlib
  zlib2.dll FILE      kompres FILE menjadi FILE.zlib</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: tidak dapat ditulis: %2</translation>
    </message>
    <message>
        <source>%1: the game file&apos;s form cannot be kept, so nothing was packed</source>
        <translation>%1: bentuk file game tidak dapat dipertahankan, jadi tidak ada yang dikompres</translation>
    </message>
</context>
<context>
    <name>CodecRuns</name>
    <message>
        <source>The codec tool stopped unexpectedly.</source>
        <translation>Alat codec berhenti secara tak terduga.</translation>
    </message>
    <message>
        <source>The codec tool failed (exit code %1).</source>
        <translation>Alat codec gagal (kode keluar %1).</translation>
    </message>
    <message>
        <source>The codec tool %1 could not be started.</source>
        <translation>Alat codec %1 tidak dapat dijalankan.</translation>
    </message>
    <message>
        <source>The codec tool %1 is missing.</source>
        <translation>Alat codec %1 tidak ditemukan.</translation>
    </message>
    <message>
        <source>The codec tool is still working on %1. Try again when it has finished.</source>
        <translation>Alat codec masih memproses %1. Coba lagi setelah selesai.</translation>
    </message>
    <message>
        <source>The codec tool failed on %1: %2</source>
        <translation>Alat codec gagal memproses %1: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>too few arguments</source>
        <translation>argumen terlalu sedikit</translation>
    </message>
    <message>
        <source>too many arguments</source>
        <translation>argumen terlalu banyak</translation>
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
        <translation>header menyatakan data terurai menjadi %1 byte, lebih dari %2 yang boleh dimuat file game</translation>
    </message>
    <message>
        <source>the file goes on after the %1 compressed bytes the header gives with something other than zero padding: byte %2 of the file is 0x%3</source>
        <translation>file berlanjut setelah %1 byte terkompresi yang disebutkan header dengan isi selain padding nol: byte %2 dari file bernilai 0x%3</translation>
    </message>
    <message>
        <source>the compressed data is truncated or the header is damaged: its sizes fit the file in neither byte order (%1 compressed bytes read little-endian, %2 read big-endian; the file holds %3 after the header)</source>
        <translation>data terkompresi terpotong atau header rusak: ukurannya tidak cocok dengan file dalam urutan byte mana pun (%1 byte terkompresi jika dibaca little-endian, %2 jika dibaca big-endian; file memuat %3 setelah header)</translation>
    </message>
    <message>
        <source>the decompressor could not be started</source>
        <translation>dekompresor tidak dapat dijalankan</translation>
    </message>
    <message>
        <source>the data unpacks to more than %1, the most a game file may hold</source>
        <translation>data terurai menjadi lebih dari %1, batas maksimum isi file game</translation>
    </message>
    <message>
        <source>the compressed data is truncated</source>
        <translation>data terkompresi terpotong</translation>
    </message>
    <message>
        <source>the compressed data is corrupt</source>
        <translation>data terkompresi rusak</translation>
    </message>
    <message>
        <source>the compressed data is corrupt: it asks for a preset dictionary, which game files never use</source>
        <translation>data terkompresi rusak: data meminta kamus preset, yang tidak pernah dipakai file game</translation>
    </message>
    <message>
        <source>not enough memory to decompress the data</source>
        <translation>memori tidak cukup untuk mendekompres data</translation>
    </message>
    <message>
        <source>the compressed data is corrupt (%1)</source>
        <translation>data terkompresi rusak (%1)</translation>
    </message>
    <message>
        <source>zlib error</source>
        <translation>kesalahan zlib</translation>
    </message>
    <message>
        <source>%1 unexpected bytes follow the end of the compressed data</source>
        <translation>ada %1 byte tak terduga setelah akhir data terkompresi</translation>
    </message>
    <message>
        <source>the header says %1 bytes, the data holds %2</source>
        <translation>header menyatakan %1 byte, data berisi %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>file kosong</translation>
    </message>
    <message>
        <source>the compressed data is truncated: the file ends inside the header, after %1 bytes</source>
        <translation>data terkompresi terpotong: file berakhir di dalam header, setelah %1 byte</translation>
    </message>
    <message>
        <source>not a compressed game file: unknown header</source>
        <translation>bukan file game terkompresi: header tidak dikenal</translation>
    </message>
    <message>
        <source>this is an indexed archive holding several files, not one compressed game file</source>
        <translation>ini adalah arsip berindeks yang berisi beberapa file, bukan satu file game terkompresi</translation>
    </message>
    <message>
        <source>not a compressed game file: unknown container type %1 (byte 2 is 1 for one compressed file, 0 for an archive)</source>
        <translation>bukan file game terkompresi: jenis kontainer %1 tidak dikenal (byte 2 bernilai 1 untuk satu file terkompresi, 0 untuk arsip)</translation>
    </message>
    <message>
        <source>the compressed data is truncated: the file ends inside the %1-byte header, after %2 bytes</source>
        <translation>data terkompresi terpotong: file berakhir di dalam header %1 byte, setelah %2 byte</translation>
    </message>
    <message>
        <source>the form&apos;s bytes 2-7 are not those of a compressed game file (1, then &quot;WESYS&quot;)</source>
        <translation>byte 2-7 dari bentuk file ini bukan milik file game terkompresi (1, lalu &quot;WESYS&quot;)</translation>
    </message>
    <message>
        <source>the form&apos;s alignment %1 is not a power of two up to %2</source>
        <translation>perataan (alignment) %1 dari bentuk file ini bukan pangkat dua hingga %2</translation>
    </message>
    <message>
        <source>the data is %1 bytes, more than the %2 a game file may hold</source>
        <translation>data berukuran %1 byte, lebih dari %2 yang boleh dimuat file game</translation>
    </message>
    <message>
        <source>not enough memory to compress the data</source>
        <translation>memori tidak cukup untuk mengompres data</translation>
    </message>
    <message>
        <source>the compressor failed: its stream did not fit the room it asked for</source>
        <translation>kompresor gagal: aliran datanya tidak muat di ruang yang dimintanya</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>row 1: the CSV reader could not be started</source>
        <translation>baris 1: pembaca CSV tidak dapat dijalankan</translation>
    </message>
    <message>
        <source>a quoted cell is not closed</source>
        <translation>sel berkutip tidak ditutup</translation>
    </message>
    <message>
        <source>a quote in the wrong place (a quoted cell starts and ends with a quote, and a quote inside it is doubled)</source>
        <translation>tanda kutip di tempat yang salah (sel berkutip diawali dan diakhiri tanda kutip, dan tanda kutip di dalamnya ditulis dua kali)</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>baris %1: %2</translation>
    </message>
</context>
<context>
    <name>DatabaseImport</name>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Detail</translation>
    </message>
    <message>
        <source>&amp;Abilities</source>
        <translation>&amp;Atribut</translation>
    </message>
    <message>
        <source>A&amp;ppearance</source>
        <translation>&amp;Penampilan</translation>
    </message>
    <message>
        <source>&amp;Squads</source>
        <translation>&amp;Skuad</translation>
    </message>
    <message>
        <source>&amp;Team names</source>
        <translation>Nama &amp;tim</translation>
    </message>
    <message>
        <source>Open a player database and press Load first.</source>
        <translation>Buka database pemain dan tekan Muat terlebih dahulu.</translation>
    </message>
    <message>
        <source>Import again</source>
        <translation>Impor lagi</translation>
    </message>
    <message>
        <source>Import from Another Database</source>
        <translation>Impor dari Database Lain</translation>
    </message>
    <message>
        <source>Player database</source>
        <translation>Database pemain</translation>
    </message>
    <message>
        <source>The other database&apos;s team file (Cancel: none)</source>
        <translation>File tim dari database lain (Batal: tanpa file tim)</translation>
    </message>
    <message>
        <source>Team file</source>
        <translation>File tim</translation>
    </message>
    <message>
        <source>%1
Nothing was imported.</source>
        <translation>%1
Tidak ada yang diimpor.</translation>
    </message>
    <message>
        <source>Import from Another Database — %1</source>
        <translation>Impor dari Database Lain — %1</translation>
    </message>
    <message>
        <source>Take:</source>
        <extracomment>Before the check boxes of the parts taken from the other database.</extracomment>
        <translation>Ambil:</translation>
    </message>
    <message>
        <source>Needs both team files.</source>
        <translation>Memerlukan kedua file tim.</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
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
        <translation>Nama</translation>
    </message>
    <message>
        <source>Parts</source>
        <translation>Bagian</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Perubahan</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Impor</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <extracomment>A squad or team name of the other database that cannot be taken, and why.</extracomment>
        <translation>ditolak: %1</translation>
    </message>
    <message>
        <source>Some of it cannot be taken:
%1

Import the rest?</source>
        <translation>Sebagian tidak dapat diambil:
%1

Impor sisanya?</translation>
    </message>
    <message>
        <source>Import from %1 (%2 player)</source>
        <extracomment>The step&apos;s name in the Edit menu: %1 is the other database, %2 how many players.</extracomment>
        <translation>Impor dari %1 (%2 pemain)</translation>
    </message>
    <message>
        <source>Import from %1 (%2 players)</source>
        <translation>Impor dari %1 (%2 pemain)</translation>
    </message>
</context>
<context>
    <name>DatabaseMerge</name>
    <message>
        <source>%1 (team ID %2): %3</source>
        <extracomment>%1 is a team&apos;s name, %2 its team ID, %3 what is wrong</extracomment>
        <translation>%1 (ID tim %2): %3</translation>
    </message>
    <message>
        <source>%1 (team ID %2), slot %3: %4</source>
        <extracomment>%1 is a team&apos;s name, %2 its team ID, %3 a slot number, %4 what is wrong</extracomment>
        <translation>%1 (ID tim %2), slot %3: %4</translation>
    </message>
    <message>
        <source>%1 player</source>
        <translation>%1 pemain</translation>
    </message>
    <message>
        <source>%1 players</source>
        <translation>%1 pemain</translation>
    </message>
    <message>
        <source>%1 squad</source>
        <translation>%1 skuad</translation>
    </message>
    <message>
        <source>%1 squads</source>
        <translation>%1 skuad</translation>
    </message>
    <message>
        <source>%1 team name</source>
        <translation>%1 nama tim</translation>
    </message>
    <message>
        <source>%1 team names</source>
        <translation>%1 nama tim</translation>
    </message>
    <message>
        <source>%1, %2, %3 will change</source>
        <extracomment>%1 is &quot;120 players&quot;, %2 &quot;3 squads&quot;, %3 &quot;2 team names&quot;</extracomment>
        <translation>%1, %2, %3 akan berubah</translation>
    </message>
    <message>
        <source>this player database: %1</source>
        <extracomment>%1 says what is wrong with the player database</extracomment>
        <translation>database pemain ini: %1</translation>
    </message>
    <message>
        <source>the other player database: %1</source>
        <extracomment>%1 says what is wrong with the other player database</extracomment>
        <translation>database pemain lain: %1</translation>
    </message>
    <message>
        <source>the squads and the team names need both team files.</source>
        <translation>skuad dan nama tim memerlukan kedua file tim.</translation>
    </message>
    <message>
        <source>%1: foot: the other file&apos;s foot byte %2 is no entry of the list; left as it is.</source>
        <extracomment>%1 names the player; &quot;foot&quot; is the name of the sheet&apos;s column</extracomment>
        <translation>%1: foot: byte kaki %2 di file lain bukan entri dalam daftar; dibiarkan apa adanya.</translation>
    </message>
    <message>
        <source>player ID %1 %2: not in this database</source>
        <extracomment>%1 is a player ID, %2 the player&apos;s name</extracomment>
        <translation>ID pemain %1 %2: tidak ada di database ini</translation>
    </message>
    <message>
        <source>%1 (team ID %2): the other squad is empty; left as it is.</source>
        <translation>%1 (ID tim %2): skuad di database lain kosong; dibiarkan apa adanya.</translation>
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
        <translation>penggunaan: rosterly-cli diff OLD_DB NEW_DB [OLD_TEAMS NEW_TEAMS]

Menampilkan setiap field yang berbeda antara dua database pemain, satu baris per field,
&quot;index id name: field old -&gt; new&quot; (field-field players.csv, lalu byte lain dari sebuah record sebagai
&quot;bytes A-B&quot;), kemudian jumlahnya. Dengan dua file tim, juga perbedaan keduanya, menurut posisi daftar:
&quot;position team_id name: field old -&gt; new&quot;. Lalu skuad-skuad di tabel roster, slot demi slot dan
pemain demi pemain: &quot;Austria: slot 3 Adam Adams (7) -&gt; Boris Brown (7)&quot;, &quot;Boris Brown: Brazil -&gt;
Austria&quot; (tim dinamai menurut NEW_TEAMS jika diberikan, jika tidak &quot;team ID 100&quot;). File game dapat
berupa file game terkompresi atau salinan kerja (*.unzlib), dalam campuran apa pun.

Status keluar: 0 tidak ada perbedaan, 1 ada perbedaan, 2 file tidak dapat dibaca atau penggunaan salah.</translation>
    </message>
    <message>
        <source>give both team files, or neither</source>
        <translation>berikan kedua file tim, atau tidak sama sekali</translation>
    </message>
</context>
<context>
    <name>EditMenu</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Urungkan</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1 names the step that Undo takes back (&quot;Apply Abilities: Adam Adams&quot;).</extracomment>
        <translation>Urungkan %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ulangi</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <extracomment>%1 names the step that Redo does again (&quot;Apply Abilities: Adam Adams&quot;).</extracomment>
        <translation>Ulangi %1</translation>
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
        <translation>penggunaan: rosterly-cli export PLAYER_DB [TEAM_FILE] --out DIR [--format csv|xlsx]

Menulis pemain-pemain PLAYER_DB sebagai DIR/players.csv, satu baris per pemain yang dapat ditulis editor
(record 0-6449) seperti yang ditampilkannya. Dengan TEAM_FILE juga DIR/teams.csv (nama-nama tim) dan
DIR/rosters.csv (roster setiap tim, seperti yang ditampilkan tampilan tim). DIR dibuat jika belum
ada; file yang sudah ada di sana akan diganti.

  --format xlsx   tulis buku kerja .xlsx (players.xlsx, ...) sebagai ganti CSV

Status keluar: 0 berhasil ditulis, 1 file tidak dapat dibaca atau ditulis, 2 penggunaan salah.</translation>
    </message>
    <message>
        <source>--out DIR is missing</source>
        <translation>--out DIR tidak diberikan</translation>
    </message>
    <message>
        <source>--format is csv or xlsx, not &quot;%1&quot;</source>
        <translation>--format harus csv atau xlsx, bukan &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1: the folder cannot be made</source>
        <translation>%1: folder tidak dapat dibuat</translation>
    </message>
</context>
<context>
    <name>FaceRelink</name>
    <message>
        <source>Select a player first.</source>
        <translation>Pilih pemain terlebih dahulu.</translation>
    </message>
    <message>
        <source>Relink: %1</source>
        <translation>Tautkan Ulang: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>the player editor</source>
        <extracomment>How messages of the team name editor name this window.</extracomment>
        <translation>editor pemain</translation>
    </message>
    <message>
        <source>PES 2011 Rosterly v0.1  by Tavor  %1</source>
        <translation>PES 2011 Rosterly v0.1  oleh Tavor  %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>File &gt; Open: chooses the player database.</extracomment>
        <translation>Buka</translation>
    </message>
    <message>
        <source>Export to CSV…</source>
        <translation>Ekspor ke CSV…</translation>
    </message>
    <message>
        <source>Export to Excel…</source>
        <translation>Ekspor ke Excel…</translation>
    </message>
    <message>
        <source>Import Sheet…</source>
        <translation>Impor Lembar…</translation>
    </message>
    <message>
        <source>Import from Another Database…</source>
        <translation>Impor dari Database Lain…</translation>
    </message>
    <message>
        <source>Restore Backup…</source>
        <translation>Pulihkan Cadangan…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>Team Editor</source>
        <translation>Editor Tim</translation>
    </message>
    <message>
        <source>Squads</source>
        <translation>Skuad</translation>
    </message>
    <message>
        <source>Player Table</source>
        <translation>Tabel Pemain</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Bahasa</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The Language menu&apos;s entry that speaks the system&apos;s language.</extracomment>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>Search Player.....</source>
        <translation>Cari Pemain.....</translation>
    </message>
    <message>
        <source>Face:  unnamed_</source>
        <extracomment>Above the face&apos;s file number: the face file is unnamed_&lt;number&gt;.bin.</extracomment>
        <translation>Wajah:  unnamed_</translation>
    </message>
    <message>
        <source>Hair: unnamed_</source>
        <extracomment>Above the hair&apos;s file number: the hair file is unnamed_&lt;number&gt;.bin.</extracomment>
        <translation>Rambut: unnamed_</translation>
    </message>
    <message>
        <source>Close the window again</source>
        <translation>Tutup jendela lagi</translation>
    </message>
    <message>
        <source>No player database is open. Use File &gt; Open first.</source>
        <translation>Belum ada database pemain yang dibuka. Gunakan File &gt; Buka terlebih dahulu.</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>Buka file</translation>
    </message>
    <message>
        <source>Select unnamed_25.bin:</source>
        <translation>Pilih unnamed_25.bin:</translation>
    </message>
    <message>
        <source>The team file %1 stays open in the team name editor, from another folder than %2. Team names, the team chooser and the squads come from it until File &gt; Open in the team name editor opens the team file beside the player database.</source>
        <translation>File tim %1 tetap terbuka di editor nama tim, dari folder lain selain %2. Nama tim, pemilih tim, dan skuad diambil dari file tersebut sampai File &gt; Buka di editor nama tim membuka file tim yang berada di samping database pemain.</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Muat</translation>
    </message>
    <message>
        <source>Search </source>
        <extracomment>The button that searches the player list for the name typed beside it.</extracomment>
        <translation>Cari </translation>
    </message>
    <message>
        <source>Player ID:</source>
        <translation>ID Pemain:</translation>
    </message>
    <message>
        <source>Team Select....</source>
        <extracomment>Shown in the team chooser until a team is chosen.</extracomment>
        <translation>Pilih Tim....</translation>
    </message>
    <message>
        <source>Move UP</source>
        <extracomment>The button that moves the chosen player up the squad list.</extracomment>
        <translation>Naik</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>The button that moves the chosen player down the squad list.</extracomment>
        <translation>Turun</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>The button that takes the chosen player out of the squad.</extracomment>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Player Name:</source>
        <translation>Nama:</translation>
    </message>
    <message>
        <source>Name on shirt:</source>
        <translation>Nama jersey:</translation>
    </message>
    <message>
        <source>Position:</source>
        <extracomment>The player&apos;s registered position.</extracomment>
        <translation>Posisi:</translation>
    </message>
    <message>
        <source>Foot:</source>
        <extracomment>The foot the player prefers.</extracomment>
        <translation>Kaki:</translation>
    </message>
    <message>
        <source>Number:</source>
        <extracomment>The player&apos;s shirt number.</extracomment>
        <translation>Nomor:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Tinggi:</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Berat:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Usia:</translation>
    </message>
    <message>
        <source>Spacing:</source>
        <extracomment>The player&apos;s spacing value, as the game&apos;s database names it.</extracomment>
        <translation>Jarak:</translation>
    </message>
    <message>
        <source>When you change some of these values, don&apos;t forget to click on Apply Changes!</source>
        <translation>Jika Anda mengubah sebagian nilai ini, jangan lupa klik Terapkan Ubahan!</translation>
    </message>
    <message>
        <source>Abilities</source>
        <translation>Atribut</translation>
    </message>
    <message>
        <source>Apply Abilities</source>
        <translation>Terapkan Atribut</translation>
    </message>
    <message>
        <source>Special Options</source>
        <translation>Opsi Khusus</translation>
    </message>
    <message>
        <source>Face Relink</source>
        <translation>Tautan Wajah</translation>
    </message>
    <message>
        <source>Relink</source>
        <translation>Tautkan Ulang</translation>
    </message>
    <message>
        <source>Apply Changes</source>
        <translation>Terapkan Ubahan</translation>
    </message>
    <message>
        <source>SAVE</source>
        <extracomment>The button that packs the working copy into the game file.</extracomment>
        <translation>SIMPAN</translation>
    </message>
    <message>
        <source>Transfer:</source>
        <translation>Transfer:</translation>
    </message>
    <message>
        <source>Transfer player</source>
        <translation>Transfer pemain</translation>
    </message>
    <message>
        <source>Rosterly: a player and team editor for the PES 2011 database.</source>
        <translation>Rosterly: editor pemain dan tim untuk database PES 2011.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Team Edit PES 2010 DEMO by Tavor</source>
        <extracomment>The window&apos;s title; Team Edit PES 2010 is the name of the tool, Tavor its maker</extracomment>
        <translation>Team Edit PES 2010 DEMO oleh Tavor</translation>
    </message>
    <message>
        <source>the team name editor</source>
        <extracomment>How messages of the main window name this window.</extracomment>
        <translation>editor nama tim</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>Team Name:</source>
        <translation>Nama Tim:</translation>
    </message>
    <message>
        <source>Short Name:</source>
        <translation>Nama Singkat:</translation>
    </message>
    <message>
        <source>Load</source>
        <extracomment>A button that lists the teams of the open team file</extracomment>
        <translation>Muat</translation>
    </message>
    <message>
        <source>Change name</source>
        <translation>Ganti nama</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SIMPAN</translation>
    </message>
    <message>
        <source>Search Team.....</source>
        <translation>Cari Tim.....</translation>
    </message>
    <message>
        <source>Search </source>
        <translation>Cari </translation>
    </message>
    <message>
        <source>Close the window again</source>
        <extracomment>Completes the warning &quot;A save is in progress. %1 when it has finished.&quot;</extracomment>
        <translation>Tutup jendela lagi</translation>
    </message>
    <message>
        <source>Select unnamed_32.bin:</source>
        <extracomment>The title of the file dialog; unnamed_32.bin is the name of a game file</extracomment>
        <translation>Pilih unnamed_32.bin:</translation>
    </message>
    <message>
        <source>Select unnamed_11.bin:</source>
        <extracomment>The title of the file dialog; unnamed_11.bin is the name of a game file</extracomment>
        <translation>Pilih unnamed_11.bin:</translation>
    </message>
    <message>
        <source>Open a file</source>
        <extracomment>Completes the warning &quot;A save is in progress. %1 when it has finished.&quot;</extracomment>
        <translation>Buka file</translation>
    </message>
    <message>
        <source>No team file is open. Use File &gt; Open in the team editor first.</source>
        <translation>Belum ada file tim yang dibuka. Gunakan File &gt; Buka di editor tim terlebih dahulu.</translation>
    </message>
    <message>
        <source>Select a team to rename first.</source>
        <translation>Pilih tim yang akan diganti namanya terlebih dahulu.</translation>
    </message>
    <message>
        <source>The list still shows the team file opened before. Press Load to list the teams of %1, then rename.</source>
        <translation>Daftar masih menampilkan file tim yang dibuka sebelumnya. Tekan Muat untuk menampilkan tim-tim dari %1, lalu ganti namanya.</translation>
    </message>
    <message>
        <source>This team is listed past the end of the short-name table, so it has no short name that could be written. Empty the Short Name box to rename the team alone.</source>
        <translation>Tim ini terdaftar melewati akhir tabel nama singkat, sehingga tidak memiliki nama singkat yang dapat ditulis. Kosongkan kotak Nama Singkat untuk mengganti nama tim saja.</translation>
    </message>
    <message>
        <source>Change name: %1</source>
        <translation>Ganti nama: %1</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>%1: compressing the changed file failed%2; nothing was written</source>
        <translation>%1: gagal mengompres file yang diubah%2; tidak ada yang ditulis</translation>
    </message>
    <message>
        <source>%1: put back as it was</source>
        <translation>%1: dikembalikan seperti semula</translation>
    </message>
    <message>
        <source>%1: replaced already; putting it back failed: %2</source>
        <translation>%1: sudah diganti; gagal mengembalikannya: %2</translation>
    </message>
    <message>
        <source>%1: replaced already</source>
        <translation>%1: sudah diganti</translation>
    </message>
    <message>
        <source>Every other file was left as it was.</source>
        <translation>Semua file lainnya dibiarkan seperti semula.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Tidak ada yang diubah.</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2; nothing was changed</source>
        <translation>%1: tidak dapat ditulis: %2; tidak ada yang diubah</translation>
    </message>
    <message>
        <source>%1: cannot be replaced: %2</source>
        <translation>%1: tidak dapat diganti: %2</translation>
    </message>
</context>
<context>
    <name>GameFileBytes</name>
    <message>
        <source>%1: not a game file the codec can read (%2); a working copy must end in .unzlib</source>
        <extracomment>%1 is the file, %2 why the codec cannot read it; &quot;.unzlib&quot; ends a file name</extracomment>
        <translation>%1: bukan file game yang dapat dibaca codec (%2); salinan kerja harus berakhiran .unzlib</translation>
    </message>
</context>
<context>
    <name>GameFileSession</name>
    <message>
        <source>%1 is open in %2 already. A game file is edited in one window only: choose another file.</source>
        <extracomment>%2 names the other window (&quot;the team name editor&quot;).</extracomment>
        <translation>%1 sudah terbuka di %2. Satu file game hanya dapat diedit di satu jendela: pilih file lain.</translation>
    </message>
    <message>
        <source>The working copy of %1 holds changes that are not saved into the game file (%2). Discard them and decompress the game file again?</source>
        <translation>Salinan kerja %1 berisi perubahan yang belum disimpan ke file game (%2). Buang perubahan tersebut dan dekompres file game lagi?</translation>
    </message>
    <message>
        <source>Load is waiting for the codec tool already. The lists fill as soon as it has finished.</source>
        <translation>Muat sudah menunggu alat codec. Daftar akan terisi segera setelah alat itu selesai.</translation>
    </message>
    <message>
        <source>Waiting for the codec tool…</source>
        <translation>Menunggu alat codec…</translation>
    </message>
    <message>
        <source>The codec tool has not finished decompressing %1 within %2 seconds. Press Load again when it has finished.</source>
        <translation>Alat codec belum selesai mendekompres %1 dalam %2 detik. Tekan Muat lagi setelah selesai.</translation>
    </message>
    <message>
        <source>Apply the change again</source>
        <translation>Terapkan perubahan lagi</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
Tidak ada yang ditulis.</translation>
    </message>
    <message>
        <source>Undo again</source>
        <translation>Urungkan lagi</translation>
    </message>
    <message>
        <source>Redo again</source>
        <translation>Ulangi lagi</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1 names the step taken back or done again (&quot;Apply Abilities: Adam Adams&quot;).</extracomment>
        <translation>Urungkan %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ulangi %1</translation>
    </message>
    <message>
        <source>%1 is not possible: %2
Nothing was written.</source>
        <extracomment>%1 is &quot;Undo &lt;step&gt;&quot; or &quot;Redo &lt;step&gt;&quot;.</extracomment>
        <translation>%1 tidak dapat dilakukan: %2
Tidak ada yang ditulis.</translation>
    </message>
    <message>
        <source>%1 is not possible: the working copy %2 no longer holds what that step left there at byte %3 (something outside this window&apos;s history changed it). Nothing was written.</source>
        <translation>%1 tidak dapat dilakukan: salinan kerja %2 tidak lagi berisi apa yang ditinggalkan langkah itu di byte %3 (sesuatu di luar riwayat jendela ini telah mengubahnya). Tidak ada yang ditulis.</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 gagal: %2</translation>
    </message>
</context>
<context>
    <name>GameTerms</name>
    <message>
        <source>Attack</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Serangan</translation>
    </message>
    <message>
        <source>GK</source>
        <extracomment>The goalkeeper position</extracomment>
        <translation>GK</translation>
    </message>
    <message>
        <source>Defence</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Pertahanan</translation>
    </message>
    <message>
        <source>SWP</source>
        <extracomment>The sweeper position</extracomment>
        <translation>SWP</translation>
    </message>
    <message>
        <source>Balance</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Keseimbangan</translation>
    </message>
    <message>
        <source>CB</source>
        <extracomment>The centre-back position</extracomment>
        <translation>CB</translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation>Stamina</translation>
    </message>
    <message>
        <source>SB</source>
        <extracomment>The side-back position</extracomment>
        <translation>SB</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Kecepatan</translation>
    </message>
    <message>
        <source>DMF</source>
        <extracomment>The defensive midfielder position</extracomment>
        <translation>DMF</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Akselerasi</translation>
    </message>
    <message>
        <source>WB</source>
        <extracomment>The wing-back position</extracomment>
        <translation>WB</translation>
    </message>
    <message>
        <source>Response</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Respons</translation>
    </message>
    <message>
        <source>CMF</source>
        <extracomment>The centre midfielder position</extracomment>
        <translation>CMF</translation>
    </message>
    <message>
        <source>Agility</source>
        <translation>Kelincahan</translation>
    </message>
    <message>
        <source>AMF</source>
        <extracomment>The attacking midfielder position</extracomment>
        <translation>AMF</translation>
    </message>
    <message>
        <source>Dribble Accuracy</source>
        <translation>Akurasi Dribel</translation>
    </message>
    <message>
        <source>SMF</source>
        <extracomment>The side midfielder position</extracomment>
        <translation>SMF</translation>
    </message>
    <message>
        <source>Dribble Speed</source>
        <translation>Kecepatan Dribel</translation>
    </message>
    <message>
        <source>WF</source>
        <extracomment>The wing forward position</extracomment>
        <translation>WF</translation>
    </message>
    <message>
        <source>Short Pass Accur</source>
        <translation>Akur. Umpan Pdk</translation>
    </message>
    <message>
        <source>SS</source>
        <extracomment>The second striker position</extracomment>
        <translation>SS</translation>
    </message>
    <message>
        <source>Short Pass Speed</source>
        <translation>Kec. Umpan Pdk</translation>
    </message>
    <message>
        <source>CF</source>
        <extracomment>The centre forward position</extracomment>
        <translation>CF</translation>
    </message>
    <message>
        <source>Long Pass Accur</source>
        <translation>Akur. Umpan Pjg</translation>
    </message>
    <message>
        <source>Centre</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Main di Tengah</translation>
    </message>
    <message>
        <source>Long Pass Speed</source>
        <translation>Kec. Umpan Pjg</translation>
    </message>
    <message>
        <source>1-On-1 Stopper</source>
        <translation>Penahan Duel 1-1</translation>
    </message>
    <message>
        <source>Shot Accuracy</source>
        <translation>Akurasi Tembak</translation>
    </message>
    <message>
        <source>Dribbling</source>
        <translation>Dribel</translation>
    </message>
    <message>
        <source>Shot Power</source>
        <translation>Daya Tembak</translation>
    </message>
    <message>
        <source>Tactical dribble</source>
        <translation>Dribel Taktis</translation>
    </message>
    <message>
        <source>Shot Technique</source>
        <translation>Teknik Tembak</translation>
    </message>
    <message>
        <source>Positioning</source>
        <translation>Penempatan Posisi</translation>
    </message>
    <message>
        <source>Free Kick Accur</source>
        <translation>Akur. Tend. Bebas</translation>
    </message>
    <message>
        <source>Reaction</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Reaksi</translation>
    </message>
    <message>
        <source>Curving / Swerve</source>
        <translation>Lengkungan Bola</translation>
    </message>
    <message>
        <source>Playmaking</source>
        <translation>Pengatur Permainan</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Sundulan</translation>
    </message>
    <message>
        <source>Passing</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Umpan</translation>
    </message>
    <message>
        <source>Jump</source>
        <extracomment>A player&apos;s ability, as the game names it</extracomment>
        <translation>Lompatan</translation>
    </message>
    <message>
        <source>Scoring</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Penyelesaian</translation>
    </message>
    <message>
        <source>Technique</source>
        <translation>Teknik</translation>
    </message>
    <message>
        <source>1-1 Scoring</source>
        <translation>Penyelesaian 1-1</translation>
    </message>
    <message>
        <source>Aggression</source>
        <translation>Agresivitas</translation>
    </message>
    <message>
        <source>Post Player</source>
        <translation>Target Man</translation>
    </message>
    <message>
        <source>Team Work</source>
        <translation>Kerja Sama</translation>
    </message>
    <message>
        <source>Side</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Main di Sayap</translation>
    </message>
    <message>
        <source>Mentality</source>
        <translation>Mentalitas</translation>
    </message>
    <message>
        <source>Lines</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Menembus Lini</translation>
    </message>
    <message>
        <source>Goalkeeper Skills</source>
        <translation>Keahlian Kiper</translation>
    </message>
    <message>
        <source>Middle Shooting</source>
        <translation>Tembakan Jarak Jauh</translation>
    </message>
    <message>
        <source>1-Touch Pass</source>
        <translation>Umpan 1 Sentuhan</translation>
    </message>
    <message>
        <source>Outside</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Luar Kaki</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>Penjagaan</translation>
    </message>
    <message>
        <source>Sliding</source>
        <translation>Tekel Sliding</translation>
    </message>
    <message>
        <source>Covering</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Menutup Ruang</translation>
    </message>
    <message>
        <source>D-Line Control</source>
        <translation>Kontrol Lini Belakang</translation>
    </message>
    <message>
        <source>Penalty Stopper</source>
        <translation>Penahan Penalti</translation>
    </message>
    <message>
        <source>Penalties</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Penalti</translation>
    </message>
    <message>
        <source>Long Throw</source>
        <extracomment>A player&apos;s special ability, as the game names it</extracomment>
        <translation>Lemparan Jauh</translation>
    </message>
    <message>
        <source>Position code</source>
        <translation>Kode posisi</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Jarak</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Usia</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Berat</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Tinggi</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Nama Pemain</translation>
    </message>
    <message>
        <source>Name on shirt</source>
        <translation>Nama di jersey</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>The foot a player prefers</extracomment>
        <translation>Kanan</translation>
    </message>
    <message>
        <source>Left</source>
        <extracomment>The foot a player prefers</extracomment>
        <translation>Kiri</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Wajah</translation>
    </message>
    <message>
        <source>Hair</source>
        <translation>Rambut</translation>
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
        <translation>penggunaan: rosterly-cli import PLAYER_DB [TEAM_FILE]
                           [--players FILE | --rosters FILE] [--teams FILE] [--dry-run]

Menerapkan lembar yang telah diedit ke file game: --players FILE (players.csv atau players.xlsx) ke
PLAYER_DB, --teams FILE (teams.csv atau teams.xlsx) ke TEAM_FILE, --rosters FILE (rosters.csv
atau rosters.xlsx: setiap tim yang disebutkannya mendapat skuad persis seperti yang diberikan baris-barisnya,
menurut urutan slot; nama-nama di dalamnya tidak diimpor) ke tabel roster di PLAYER_DB; lembar yang namanya
berakhiran .xlsx dibaca sebagai buku kerja (lembar kerja pertamanya), lembar lain sebagai CSV (UTF-8, UTF-16
atau Windows-1252). Hanya field yang selnya berbeda dari yang ditampilkan editor saat ini yang
ditulis, dengan aturan editor sendiri; lembar yang tidak diubah tidak mengubah apa pun. Setiap sel diperiksa
terlebih dahulu: satu sel ditolak, maka tidak ada file yang disentuh. Setiap file yang berubah diganti dalam
satu langkah atomik (file game terkompresi dikompres lagi; salinan kerja, *.unzlib, ditulis apa adanya),
setelah file dalam keadaan semula disimpan di folder backups di sampingnya; jika file kedua tidak dapat
dicadangkan atau diganti, file pertama dikembalikan seperti semula.

Mencetak apa yang berubah: jumlahnya, lalu satu baris per field, &quot;index id name: field old -&gt; new&quot;, atau
per slot roster, &quot;Austria: slot 3 Adam Adams (7) -&gt; Boris Brown (7)&quot;, dan untuk pemain yang pindah,
&quot;Boris Brown: Brazil -&gt; Austria&quot;.

  --dry-run   cetak perubahan, jangan tulis apa pun

Status keluar: 0 diterapkan (atau tidak ada yang perlu diubah), 1 ditolak (setiap alasan di standard error,
tidak ada file yang disentuh), 2 penggunaan salah.</translation>
    </message>
    <message>
        <source>give a sheet: --players FILE, --teams FILE, --rosters FILE</source>
        <translation>berikan sebuah lembar: --players FILE, --teams FILE, --rosters FILE</translation>
    </message>
    <message>
        <source>give --players or --rosters, not both: both write the player database</source>
        <translation>berikan --players atau --rosters, jangan keduanya: keduanya menulis ke database pemain</translation>
    </message>
    <message>
        <source>%1 needs the team file: rosterly-cli import PLAYER_DB TEAM_FILE %1 FILE</source>
        <translation>%1 memerlukan file tim: rosterly-cli import PLAYER_DB TEAM_FILE %1 FILE</translation>
    </message>
    <message>
        <source>the player database and the team file are the same file</source>
        <translation>database pemain dan file tim adalah file yang sama</translation>
    </message>
    <message>
        <source>%1 is a %2 sheet; give it as --%2 FILE.</source>
        <extracomment>%2 is the sheet&apos;s kind, also the name of its option: players, teams or rosters</extracomment>
        <translation>%1 adalah lembar %2; berikan sebagai --%2 FILE.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Tidak ada yang ditulis.</translation>
    </message>
</context>
<context>
    <name>InWords</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The end of a list in a sentence: %1 is &quot;a&quot; or &quot;a, b&quot;, %2 the last item.</extracomment>
        <translation>%1 dan %2</translation>
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
        <translation>penggunaan: rosterly-cli merge PLAYER_DB TEAM_FILE OTHER_DB [OTHER_TEAM_FILE]
                          [--parts P,...] [--where FILTER] [--players ID,...] [--teams ID,...]
                          [--skip-refused] [--dry-run]

Mengambil nilai dari pasangan file game lain (OTHER_DB, OTHER_TEAM_FILE; file game terkompresi
atau salinan kerja, dibaca di memori dan tidak pernah diubah) ke PLAYER_DB dan TEAM_FILE. Pemain
dicocokkan menurut ID pemain (seorang pemain bisa berada di record lain di file lain), tim menurut ID tim.
Bagian-bagiannya, semuanya jika --parts tidak diberikan:
  details      nama, nama di jersey, usia, tinggi, berat, kaki, jarak, posisi terdaftar
  abilities    26 atribut, posisi yang dapat dimainkan, kemampuan khusus
  appearance   wajah dan rambut
  squads       skuad tim-tim yang dipilih, pemainnya dipetakan menurut ID (memerlukan OTHER_TEAM_FILE)
  team_names   nama dan nama singkat tim-tim yang dipilih (memerlukan OTHER_TEAM_FILE)
Setiap nilai diperiksa dan ditulis seperti impor lembar untuk nilai tersebut. Pemain yang ada di file lain
tetapi tidak ada di PLAYER_DB dicantumkan sebagai tidak ada di database ini dan dilewati.

  --where FILTER      hanya pemain PLAYER_DB yang lolos filter (rosterly-cli players)
  --players ID,...    hanya ID pemain ini
  --teams ID,...      hanya tim-tim ini (ID tim) untuk squads dan team_names
  --skip-refused      tulis sisanya jika ada skuad atau nama yang ditolak (jika tidak, tidak ada yang ditulis)
  --dry-run           cetak perubahan, jangan tulis apa pun

Mencetak perubahan seperti yang dituliskan diff, lalu apa yang berubah (&quot;120 pemain, 3 skuad, 2 nama tim
akan berubah&quot;). Kedua file diganti secara atomik dalam bentuknya masing-masing setelah dicadangkan, keduanya
atau tidak sama sekali.

Status keluar: 0 selesai atau tidak ada yang perlu diubah, 1 ditolak atau file tidak dapat dibaca (tidak ada
yang ditulis), 2 penggunaan salah.</translation>
    </message>
    <message>
        <source>--parts: &quot;%1&quot; is none of details, abilities, appearance, squads, team_names</source>
        <translation>--parts: &quot;%1&quot; bukan salah satu dari details, abilities, appearance, squads, team_names</translation>
    </message>
    <message>
        <source>squads and team_names need the other team file: rosterly-cli merge PLAYER_DB TEAM_FILE OTHER_DB OTHER_TEAM_FILE</source>
        <translation>squads dan team_names memerlukan file tim lain: rosterly-cli merge PLAYER_DB TEAM_FILE OTHER_DB OTHER_TEAM_FILE</translation>
    </message>
    <message>
        <source>--%1 takes IDs separated by commas</source>
        <translation>--%1 menerima ID yang dipisahkan koma</translation>
    </message>
    <message>
        <source>%1 and %2 are the same file</source>
        <translation>%1 dan %2 adalah file yang sama</translation>
    </message>
    <message>
        <source>Nothing was written; --skip-refused writes the rest.</source>
        <translation>Tidak ada yang ditulis; --skip-refused akan menulis sisanya.</translation>
    </message>
</context>
<context>
    <name>NumberRange</name>
    <message>
        <source>a number</source>
        <translation>angka</translation>
    </message>
    <message>
        <source>enter %1 from %2 to %3.</source>
        <extracomment>%1 is what to enter (&quot;a number&quot;, &quot;a file number&quot;), %2 and %3 the lowest and highest.</extracomment>
        <translation>masukkan %1 dari %2 sampai %3.</translation>
    </message>
    <message>
        <source>a file number</source>
        <translation>nomor file</translation>
    </message>
</context>
<context>
    <name>PastePlan</name>
    <message>
        <source>There is nothing to paste.</source>
        <translation>Tidak ada yang dapat ditempel.</translation>
    </message>
    <message>
        <source>The paste has %1 rows, but the grid shows %2 from the row it starts at.</source>
        <translation>Data yang ditempel memiliki %1 baris, tetapi tabel hanya menampilkan %2 baris mulai dari baris awal tempelan.</translation>
    </message>
    <message>
        <source>row %1 (record %2): the paste has %3 cells, and %4 columns are shown from the column it starts at.</source>
        <translation>baris %1 (record %2): tempelan memiliki %3 sel, sedangkan %4 kolom ditampilkan mulai dari kolom awal tempelan.</translation>
    </message>
    <message>
        <source>row %1 (record %2), column %3: the grid shows %4 here, not %5; the column is not edited.</source>
        <extracomment>%3 is a column name of the player table (&quot;index&quot;).</extracomment>
        <translation>baris %1 (record %2), kolom %3: tabel menampilkan %4 di sini, bukan %5; kolom ini tidak diedit.</translation>
    </message>
    <message>
        <source>row %1 (record %2): %3</source>
        <extracomment>%3 says why the row&apos;s cells are refused.</extracomment>
        <translation>baris %1 (record %2): %3</translation>
    </message>
    <message>
        <source>row %1 (record %2), column %3: %4</source>
        <extracomment>%3 is a column name of the player table (&quot;speed&quot;), %4 says why its cell is refused.</extracomment>
        <translation>baris %1 (record %2), kolom %3: %4</translation>
    </message>
</context>
<context>
    <name>PlayerCells</name>
    <message>
        <source>the column is not edited.</source>
        <translation>kolom ini tidak diedit.</translation>
    </message>
</context>
<context>
    <name>PlayerColumns</name>
    <message>
        <source>enter a position (%1) or a position code from %2 to %3.</source>
        <extracomment>%1 lists the positions as the sheet names them (GK, CB, ...): keep those as they are</extracomment>
        <translation>masukkan posisi (%1) atau kode posisi dari %2 sampai %3.</translation>
    </message>
    <message>
        <source>enter %1 or %2.</source>
        <extracomment>%1 and %2 are the words a foot cell holds, Right and Left: they stay as they are</extracomment>
        <translation>masukkan %1 atau %2.</translation>
    </message>
    <message>
        <source>enter 1 (checked) or 0 (clear).</source>
        <translation>masukkan 1 (dicentang) atau 0 (tidak dicentang).</translation>
    </message>
</context>
<context>
    <name>PlayerEditor</name>
    <message>
        <source>Select a player first.</source>
        <translation>Pilih pemain terlebih dahulu.</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
Tidak ada yang ditulis.</translation>
    </message>
    <message>
        <source>Apply Changes: %1</source>
        <translation>Terapkan Ubahan: %1</translation>
    </message>
    <message>
        <source>Apply Abilities: %1</source>
        <translation>Terapkan Atribut: %1</translation>
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
        <translation>maksimal %1 karakter.</translation>
    </message>
    <message>
        <source>these characters cannot be stored in the game: %1</source>
        <translation>karakter berikut tidak dapat disimpan di game: %1</translation>
    </message>
    <message>
        <source>This entry lies inside the team roster table, which the game keeps over the last player records (from byte %1 of the player database on): writing it would damage the teams&apos; rosters. The entry can be viewed, not edited.</source>
        <translation>Entri ini berada di dalam tabel roster tim, yang disimpan game di atas record pemain terakhir (mulai byte %1 database pemain): menulisnya akan merusak roster tim. Entri ini dapat dilihat, tetapi tidak dapat diedit.</translation>
    </message>
    <message>
        <source>%1: the stored byte %2 has no flag bit to clear, so it stays as stored and the box shows it set again. The other abilities were written.</source>
        <extracomment>%1 is the special ability Long Throw, %2 a number from 100 to 127</extracomment>
        <translation>%1: byte tersimpan %2 tidak memiliki bit flag yang dapat dihapus, sehingga tetap seperti yang tersimpan dan kotaknya kembali tampil tercentang. Kemampuan lainnya telah ditulis.</translation>
    </message>
    <message>
        <source>Special abilities (sum of the boxes)</source>
        <translation>Kemampuan khusus (jumlah kotak)</translation>
    </message>
</context>
<context>
    <name>PlayerFilter</name>
    <message>
        <source>a value of the list is empty</source>
        <translation>salah satu nilai dalam daftar kosong</translation>
    </message>
    <message>
        <source>%1: a quote is not closed</source>
        <extracomment>%1 is the filter from its last quote on.</extracomment>
        <translation>%1: tanda kutip tidak ditutup</translation>
    </message>
    <message>
        <source>no column before &quot;%1&quot;</source>
        <translation>tidak ada kolom sebelum &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no column before &quot;%1&quot;; a term has no blanks in it, as in %2%3%4</source>
        <extracomment>%2%3%4 is the term written without its blanks (&quot;speed&gt;=85&quot;).</extracomment>
        <translation>tidak ada kolom sebelum &quot;%1&quot;; sebuah syarat ditulis tanpa spasi, seperti %2%3%4</translation>
    </message>
    <message>
        <source>&quot;!&quot; is no operator; use != for &quot;is not&quot;</source>
        <translation>&quot;!&quot; bukan operator; gunakan != untuk &quot;tidak sama dengan&quot;</translation>
    </message>
    <message>
        <source>no value after &quot;%1&quot;</source>
        <translation>tidak ada nilai setelah &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown column &quot;%1&quot;</source>
        <translation>kolom &quot;%1&quot; tidak dikenal</translation>
    </message>
    <message>
        <source>unknown column &quot;%1&quot; (%2?)</source>
        <extracomment>%2 is the known column nearest to the name typed.</extracomment>
        <translation>kolom &quot;%1&quot; tidak dikenal (%2?)</translation>
    </message>
    <message>
        <source>a list of values goes with =, != or ~ only</source>
        <translation>daftar nilai hanya dapat dipakai dengan =, != atau ~</translation>
    </message>
    <message>
        <source>%1 holds text: compare it with =, != or ~</source>
        <extracomment>%1 is a column name of the filter (&quot;name&quot;).</extracomment>
        <translation>%1 berisi teks: bandingkan dengan =, != atau ~</translation>
    </message>
    <message>
        <source>%1 holds whole numbers, and &quot;%2&quot; is none</source>
        <extracomment>%1 is a column name of the filter (&quot;speed&quot;), %2 the value typed.</extracomment>
        <translation>%1 berisi bilangan bulat, dan &quot;%2&quot; bukan bilangan bulat</translation>
    </message>
</context>
<context>
    <name>PlayerIndexLoad</name>
    <message>
        <source>The working copy of %1 is %2 bytes, a player database holds at least %3: it looks like a team file. Choose the player database (unnamed_25.bin) with File &gt; Open.</source>
        <translation>Salinan kerja %1 berukuran %2 byte, sedangkan database pemain berisi minimal %3: file ini tampaknya file tim. Pilih database pemain (unnamed_25.bin) melalui File &gt; Buka.</translation>
    </message>
</context>
<context>
    <name>PlayerRowEdit</name>
    <message>
        <source>%1 shows %2, not %3: the rule of Apply Abilities leaves the stored byte %4 as it is.</source>
        <extracomment>&quot;Apply Abilities&quot; is the button of the player view; %4 is the byte&apos;s value</extracomment>
        <translation>%1 menampilkan %2, bukan %3: aturan Terapkan Atribut membiarkan byte tersimpan %4 apa adanya.</translation>
    </message>
    <message>
        <source>%1 shows %2, not %3: the rule of Apply Abilities leaves the stored byte %4 at %5.</source>
        <extracomment>&quot;Apply Abilities&quot; is the button of the player view; %4 and %5 are values</extracomment>
        <translation>%1 menampilkan %2, bukan %3: aturan Terapkan Atribut mempertahankan byte tersimpan %4 pada %5.</translation>
    </message>
    <message>
        <source>%1 shows %2, not %3: the view checks the box of the registered position.</source>
        <translation>%1 menampilkan %2, bukan %3: tampilan mencentang kotak posisi terdaftar.</translation>
    </message>
    <message>
        <source>%1 shows %2, not %3: the view shows the bytes written that way.</source>
        <translation>%1 menampilkan %2, bukan %3: tampilan menampilkan byte yang ditulis dengan cara itu.</translation>
    </message>
</context>
<context>
    <name>PlayerSheet</name>
    <message>
        <source>enter a record index from 0 to %1.</source>
        <translation>masukkan indeks record dari 0 sampai %1.</translation>
    </message>
    <message>
        <source>record %1 is on row %2 already.</source>
        <translation>record %1 sudah ada di baris %2.</translation>
    </message>
    <message>
        <source>the ID of record %1 is %2; the row belongs to another player or the sheet to another database.</source>
        <translation>ID record %1 adalah %2; baris ini milik pemain lain atau lembar ini milik database lain.</translation>
    </message>
    <message>
        <source>The player database is too short: it has %1 bytes, but its %2 player records end at byte %3.</source>
        <translation>Database pemain terlalu pendek: ukurannya %1 byte, tetapi %2 record pemainnya berakhir di byte %3.</translation>
    </message>
</context>
<context>
    <name>PlayerTableWindow</name>
    <message>
        <source>Player Table</source>
        <translation>Tabel Pemain</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>Any position</source>
        <translation>Semua posisi</translation>
    </message>
    <message>
        <source>Change Field…</source>
        <translation>Ubah Kolom…</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tabel</translation>
    </message>
    <message>
        <source>Any team</source>
        <translation>Semua tim</translation>
    </message>
    <message>
        <source>Free agents</source>
        <translation>Pemain bebas</translation>
    </message>
    <message>
        <source>%1 of %2 players</source>
        <translation>%1 dari %2 pemain</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Tempel</translation>
    </message>
    <message>
        <source>%1 selected player</source>
        <translation>%1 pemain terpilih</translation>
    </message>
    <message>
        <source>%1 selected players</source>
        <translation>%1 pemain terpilih</translation>
    </message>
    <message>
        <source>All %1 players</source>
        <translation>Semua %1 pemain</translation>
    </message>
    <message>
        <source>%1 players shown by the filter</source>
        <translation>%1 pemain yang ditampilkan filter</translation>
    </message>
    <message>
        <source>Select the cell the paste starts at first.</source>
        <translation>Pilih dulu sel tempat tempelan dimulai.</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
Tidak ada yang ditulis.</translation>
    </message>
    <message>
        <source>Paste %1 cell</source>
        <extracomment>The step&apos;s name in the Edit menu.</extracomment>
        <translation>Tempel %1 sel</translation>
    </message>
    <message>
        <source>Paste %1 cells</source>
        <translation>Tempel %1 sel</translation>
    </message>
    <message>
        <source>Edit %1: %2</source>
        <extracomment>The step&apos;s name in the Edit menu: %1 is a column name of the player table (&quot;speed&quot;), %2 the player&apos;s name.</extracomment>
        <translation>Edit %1: %2</translation>
    </message>
</context>
<context>
    <name>PlayerView</name>
    <message>
        <source>The player&apos;s record cannot be found. Press Load again.</source>
        <translation>Record pemain tidak ditemukan. Tekan Muat lagi.</translation>
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
        <translation>penggunaan: rosterly-cli players PLAYER_DB [TEAM_FILE] [--where FILTER]
                            [--columns A,B,...] [--sort [-]COLUMN[,...]] [--format tsv|csv]

Mencetak pemain-pemain PLAYER_DB (record 0-6449, baris-baris lembar pemain) yang lolos FILTER:
satu baris header, lalu satu baris per pemain, dipisahkan tab (--format csv: seperti lembar pemain
menulis sel-selnya). Kolomnya adalah kolom lembar pemain, dan dengan TEAM_FILE juga
teams (skuad tempat pemain berada), numbers (nomor punggungnya di sana) dan squads (jumlah skuadnya).

  --where FILTER     syarat-syarat yang dipisahkan spasi, yang semuanya harus terpenuhi; syarat berbentuk
                     COLUMN OP VALUE dengan OP salah satu dari = != &lt; &lt;= &gt; &gt;= ~ (mengandung, tanpa membedakan
                     huruf besar/kecil dan aksen): speed&gt;=85 position=CF,SS teams~&quot;real madrid&quot; squads=0 age&lt;21.
                     Satu kata saja akan mencari di nama. Nilainya adalah nilai yang ditampilkan lembar.
  --columns A,B,...  kolom yang dicetak, dalam urutan itu (semua jika tidak diberikan)
  --sort COLUMN,...  urutan baris: menurut kolom pertama, baris dengan nilai sama menurut kolom
                     berikutnya; -COLUMN untuk yang tertinggi lebih dulu. Angka diurutkan sebagai angka.
  --format tsv|csv   tsv (bawaan) atau csv

Status keluar: 0 selesai (juga jika tidak ada pemain yang cocok), 1 file tidak dapat dibaca, 2 penggunaan
salah atau filter salah.</translation>
    </message>
    <message>
        <source>%1: unknown column &quot;%2&quot;</source>
        <translation>%1: kolom &quot;%2&quot; tidak dikenal</translation>
    </message>
    <message>
        <source>%1: unknown column &quot;%2&quot; (%3?)</source>
        <translation>%1: kolom &quot;%2&quot; tidak dikenal (%3?)</translation>
    </message>
    <message>
        <source>--format is tsv or csv, not &quot;%1&quot;</source>
        <translation>--format harus tsv atau csv, bukan &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the column %1 needs the team file: rosterly-cli players PLAYER_DB TEAM_FILE ...</source>
        <translation>kolom %1 memerlukan file tim: rosterly-cli players PLAYER_DB TEAM_FILE ...</translation>
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
        <translation>penggunaan: rosterly-cli release PLAYER_DB TEAM_FILE --player ID --from TEAM_ID [--dry-run]

Mengeluarkan pemain dengan ID tersebut dari skuad tim --from (tim yang tercantum di file tim), dengan
aturan skuad editor: pemain-pemain setelahnya naik satu slot, dan slot kosong ditempatkan
setelah para pemain. Ia tetap berada di skuad lain yang ia ikuti.

  --dry-run   cetak perubahan, jangan tulis apa pun

Mencetak perubahan, &quot;Boris Brown (7): released from Brazil&quot;, lalu mengganti database pemain dalam
satu langkah atomik (file game terkompresi dikompres lagi; salinan kerja, *.unzlib, ditulis
apa adanya), setelah file dalam keadaan semula disimpan di folder backups di sampingnya. File tim hanya
dibaca.

Status keluar: 0 selesai, 1 ditolak (alasannya di standard error, tidak ada yang ditulis) atau file tidak
dapat dibaca, 2 penggunaan salah.</translation>
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
        <translation>Wajah: unnamed_%1.bin</translation>
    </message>
    <message>
        <source>Hair: unnamed_%1.bin</source>
        <extracomment>unnamed_%1.bin is the name of the game file that holds the hair; %1 is its number</extracomment>
        <translation>Rambut: unnamed_%1.bin</translation>
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
        <translation>penggunaan: rosterly-cli restore BACKUP

Menempatkan BACKUP sebagai pengganti file game-nya dalam satu langkah atomik. BACKUP adalah salah satu
file yang disimpan di folder backups di samping file game sebelum setiap penggantian, dinamai menurut file itu:
GAME_FILE.yyyyMMdd-HHmmss.bak, atau GAME_FILE.yyyyMMdd-HHmmss-N.bak. File game dalam keadaannya sekarang
dicadangkan terlebih dahulu, sehingga pemulihan dapat dibatalkan dengan cara yang sama. rosterly-cli backups
GAME_FILE menampilkan daftarnya.

Status keluar: 0 dipulihkan, 1 ditolak (bukan cadangan, atau tidak dapat dibaca atau dikembalikan; file game
tetap seperti semula), 2 penggunaan salah.</translation>
    </message>
</context>
<context>
    <name>RosterImport</name>
    <message>
        <source>enter a whole number from %1 to %2.</source>
        <translation>masukkan bilangan bulat dari %1 sampai %2.</translation>
    </message>
    <message>
        <source>%1 is in %2 already, on row %3.</source>
        <extracomment>%1 is a player, %2 a team, %3 a row number</extracomment>
        <translation>%1 sudah ada di %2, pada baris %3.</translation>
    </message>
    <message>
        <source>Shirt number %1 is taken by %2 in %3 (row %4).</source>
        <extracomment>%2 is a player, %3 a team, %4 a row number</extracomment>
        <translation>Nomor punggung %1 sudah dipakai %2 di %3 (baris %4).</translation>
    </message>
    <message>
        <source>%1 has no roster record in the player database.</source>
        <translation>%1 tidak memiliki record roster di database pemain.</translation>
    </message>
    <message>
        <source>no team of the team file has the ID %1.</source>
        <translation>tidak ada tim di file tim yang memiliki ID %1.</translation>
    </message>
    <message>
        <source>player ID 0 marks an empty slot; to empty the slot, delete its row.</source>
        <translation>ID pemain 0 menandai slot kosong; untuk mengosongkan slot, hapus barisnya.</translation>
    </message>
    <message>
        <source>no player of the database has the ID %1.</source>
        <translation>tidak ada pemain di database yang memiliki ID %1.</translation>
    </message>
    <message>
        <source>slot %1 of %2 is on row %3 already.</source>
        <extracomment>%1 is a slot number, %2 a team, %3 a row number</extracomment>
        <translation>slot %1 dari %2 sudah ada di baris %3.</translation>
    </message>
</context>
<context>
    <name>RosterView</name>
    <message>
        <source>Team: %1</source>
        <translation>Tim: %1</translation>
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
        <translation>penggunaan: rosterly-cli COMMAND ...

  export PLAYER_DB [TEAM_FILE] --out DIR [--format csv|xlsx]
      tulis players.csv (serta teams.csv dan rosters.csv jika ada file tim) ke DIR, atau .xlsx
  import PLAYER_DB [TEAM_FILE] [--players FILE | --rosters FILE] [--teams FILE] [--dry-run]
      terapkan lembar yang telah diedit ke file game
  diff OLD_DB NEW_DB [OLD_TEAMS NEW_TEAMS]
      tampilkan setiap field yang berbeda antara dua database (dan file tim)
  backups GAME_FILE
      tampilkan cadangan yang disimpan dari sebuah file game, yang terbaru lebih dulu
  restore BACKUP
      kembalikan cadangan sebagai pengganti file game-nya (yang dicadangkan terlebih dahulu)
  squad PLAYER_DB TEAM_FILE TEAM_ID
      cetak skuad sebuah tim: slot, nomor punggung, ID pemain, dan nama
  transfer PLAYER_DB TEAM_FILE --player ID --to TEAM_ID [--from TEAM_ID] [--number N]
           [--call-up] [--dry-run]
      pindahkan pemain ke skuad lain (atau panggil dia, atau rekrut pemain bebas)
  release PLAYER_DB TEAM_FILE --player ID --from TEAM_ID [--dry-run]
      keluarkan pemain dari sebuah skuad
  check PLAYER_DB TEAM_FILE
      tampilkan setiap masalah pada roster
  players PLAYER_DB [TEAM_FILE] [--where FILTER] [--columns A,B] [--sort [-]COLUMN]
          [--format tsv|csv]
      cetak pemain yang lolos filter: speed&gt;=85 position=CF,SS teams~madrid
  set PLAYER_DB [TEAM_FILE] --where FILTER --column COLUMN (--value V | --add N
      | --subtract N | --at-least N | --at-most N) [--dry-run]
      ubah satu kolom untuk setiap pemain yang lolos filter
  merge PLAYER_DB TEAM_FILE OTHER_DB [OTHER_TEAM_FILE] [--parts P,...] [--where FILTER]
        [--players ID,...] [--teams ID,...] [--skip-refused] [--dry-run]
      ambil pemain, skuad, dan nama tim dari pasangan file game lain

File game adalah file game terkompresi (unnamed_25.bin) atau salinan kerja (unnamed_25.bin.unzlib).
rosterly-cli COMMAND --help menjelaskan lebih lanjut tentang sebuah perintah.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>tidak ada perintah yang diberikan</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>perintah &quot;%1&quot; tidak dikenal</translation>
    </message>
</context>
<context>
    <name>SaveJob</name>
    <message>
        <source>A save is in progress. %1 when it has finished.</source>
        <extracomment>%1 is what has to wait, as a request (&quot;Close the window again&quot;, &quot;Open a file&quot;).</extracomment>
        <translation>Penyimpanan sedang berlangsung. %1 setelah selesai.</translation>
    </message>
    <message>
        <source>No game file is open, so there is nothing to save. Use File &gt; Open first.</source>
        <translation>Tidak ada file game yang terbuka, jadi tidak ada yang perlu disimpan. Gunakan File &gt; Buka terlebih dahulu.</translation>
    </message>
    <message>
        <source>Save again</source>
        <translation>Simpan lagi</translation>
    </message>
    <message>
        <source>%1
The game file was not changed.</source>
        <translation>%1
File game tidak diubah.</translation>
    </message>
    <message>
        <source>The working copy %1 is missing or shorter than a complete one (%2 bytes), so it is not saved. The game file was not changed.</source>
        <translation>Salinan kerja %1 tidak ada atau lebih pendek dari salinan lengkap (%2 byte), sehingga tidak disimpan. File game tidak diubah.</translation>
    </message>
    <message>
        <source>The codec tool did not finish compressing within %1 seconds. The game file was not changed.</source>
        <translation>Alat codec tidak selesai mengompres dalam %1 detik. File game tidak diubah.</translation>
    </message>
    <message>
        <source>Compressing the working copy failed: %1
The game file was not changed.</source>
        <translation>Gagal mengompres salinan kerja: %1
File game tidak diubah.</translation>
    </message>
    <message>
        <source>DONE!</source>
        <extracomment>The message box that ends a save that replaced the game file.</extracomment>
        <translation>SELESAI!</translation>
    </message>
    <message>
        <source>The compressed result %1 is missing or unreadable: %2</source>
        <translation>Hasil kompresi %1 tidak ada atau tidak dapat dibaca: %2</translation>
    </message>
    <message>
        <source>The compressed result %1 is damaged.</source>
        <translation>Hasil kompresi %1 rusak.</translation>
    </message>
    <message>
        <source>The game file %1 could not be replaced: %2</source>
        <translation>File game %1 tidak dapat diganti: %2</translation>
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
        <translation>penggunaan: rosterly-cli set PLAYER_DB [TEAM_FILE] --where FILTER --column COLUMN
                        (--value V | --add N | --subtract N | --at-least N | --at-most N)
                        [--dry-run]

Mengubah satu kolom untuk setiap pemain yang lolos FILTER (record 0-6449; bahasa filter dari
rosterly-cli players, --where &quot;&quot; untuk semua pemain): mengaturnya ke V, menambah atau mengurangi N (atribut
dijaga dalam 1-99, nilai tersimpan di atas 99 dipertahankan kecuali perubahan menurunkannya; angka lain
dijaga dalam rentang yang diterima kotak editor), atau menaikkan atribut menjadi minimal N atau membatasinya
maksimal N. Setiap nilai diperiksa dan ditulis persis seperti impor lembar untuk sel tersebut. teams, numbers
dan squads dalam filter memerlukan TEAM_FILE, yang hanya dibaca.

Mencetak satu baris per field yang berubah, seperti import dan diff (&quot;index id name: field old -&gt; new&quot;),
lalu apa yang dilakukan perubahan (&quot;97 pemain berubah, 12 dibatasi ke 99, 11 sudah 99&quot;). PLAYER_DB diganti
dalam satu langkah atomik dalam bentuknya sendiri, setelah file dalam keadaan semula disimpan di cadangannya.

  --dry-run   cetak perubahan, jangan tulis apa pun

Status keluar: 0 selesai atau tidak ada yang perlu diubah, 1 ditolak (setiap alasan di standard error, tidak
ada yang ditulis) atau file tidak dapat dibaca, 2 penggunaan salah atau filter salah.</translation>
    </message>
    <message>
        <source>--where FILTER is missing (--where &quot;&quot; changes every player)</source>
        <translation>--where FILTER tidak diberikan (--where &quot;&quot; mengubah semua pemain)</translation>
    </message>
    <message>
        <source>--column COLUMN is missing</source>
        <translation>--column COLUMN tidak diberikan</translation>
    </message>
    <message>
        <source>give one of --value, --add, --subtract, --at-least, --at-most</source>
        <translation>berikan salah satu dari --value, --add, --subtract, --at-least, --at-most</translation>
    </message>
    <message>
        <source>--column: &quot;%1&quot; is no column a change writes</source>
        <translation>--column: &quot;%1&quot; bukan kolom yang dapat ditulis oleh perubahan</translation>
    </message>
    <message>
        <source>--column: &quot;%1&quot; is no column a change writes (%2?)</source>
        <translation>--column: &quot;%1&quot; bukan kolom yang dapat ditulis oleh perubahan (%2?)</translation>
    </message>
    <message>
        <source>the column %1 needs the team file</source>
        <translation>kolom %1 memerlukan file tim</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Tidak ada yang ditulis.</translation>
    </message>
</context>
<context>
    <name>SheetErrors</name>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>%1 is a row number, %2 the name of the sheet&apos;s column, %3 what is wrong</extracomment>
        <translation>baris %1, kolom %2: %3</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>baris %1: %2</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… dan %1 lainnya</translation>
    </message>
</context>
<context>
    <name>SheetFile</name>
    <message>
        <source>the game file is too short to be written as a sheet</source>
        <translation>file game terlalu pendek untuk ditulis sebagai lembar</translation>
    </message>
</context>
<context>
    <name>SheetHeader</name>
    <message>
        <source>row 1: the sheet is empty; it needs a header row naming its columns (%1, …).</source>
        <extracomment>%1 is the name of the sheet&apos;s first column, as the sheet must name it</extracomment>
        <translation>baris 1: lembar kosong; lembar memerlukan baris header yang menamai kolom-kolomnya (%1, …).</translation>
    </message>
    <message>
        <source>unknown column.</source>
        <translation>kolom tidak dikenal.</translation>
    </message>
    <message>
        <source>the column is named twice.</source>
        <translation>kolom dinamai dua kali.</translation>
    </message>
    <message>
        <source>the column %1 is missing; the sheet needs it to match its rows.</source>
        <translation>kolom %1 tidak ada; lembar memerlukannya untuk mencocokkan baris-barisnya.</translation>
    </message>
    <message>
        <source>the row has %1 cells, the header %2.</source>
        <translation>baris memiliki %1 sel, sedangkan header %2.</translation>
    </message>
</context>
<context>
    <name>SheetText</name>
    <message>
        <source>a zip archive, as an .xlsx workbook is: give it the name .xlsx or save it as CSV</source>
        <translation>arsip zip, seperti buku kerja .xlsx: beri nama berakhiran .xlsx atau simpan sebagai CSV</translation>
    </message>
    <message>
        <source>a PNG image</source>
        <translation>gambar PNG</translation>
    </message>
    <message>
        <source>a JPEG image</source>
        <translation>gambar JPEG</translation>
    </message>
    <message>
        <source>a GIF image</source>
        <translation>gambar GIF</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>dokumen PDF</translation>
    </message>
    <message>
        <source>an Excel 97-2003 workbook (.xls) or another old Office file: save it as .xlsx or CSV</source>
        <translation>buku kerja Excel 97-2003 (.xls) atau file Office lama lainnya: simpan sebagai .xlsx atau CSV</translation>
    </message>
    <message>
        <source>a game file, not a sheet</source>
        <translation>file game, bukan lembar</translation>
    </message>
    <message>
        <source>binary data (a NUL byte at byte %1)</source>
        <translation>data biner (byte NUL di byte %1)</translation>
    </message>
    <message>
        <source>binary data (%1 of its %2 bytes are control bytes)</source>
        <translation>data biner (%1 dari %2 byte-nya adalah byte kontrol)</translation>
    </message>
    <message>
        <source>the sheet begins as UTF-16 text, but its bytes are not UTF-16.</source>
        <translation>lembar diawali sebagai teks UTF-16, tetapi byte-nya bukan UTF-16.</translation>
    </message>
    <message>
        <source>the sheet begins with &quot;ï»¿&quot;, a UTF-8 byte-order mark that a program read as Windows-1252 text before saving the sheet; it was read as the mark.</source>
        <translation>lembar diawali dengan &quot;ï»¿&quot;, yaitu penanda urutan byte (BOM) UTF-8 yang dibaca sebuah program sebagai teks Windows-1252 sebelum lembar disimpan; karakter ini dibaca sebagai penanda tersebut.</translation>
    </message>
    <message>
        <source>it is not a text sheet: it looks like %1.</source>
        <translation>ini bukan lembar teks: tampaknya berupa %1.</translation>
    </message>
    <message>
        <source>the sheet is not UTF-8 (row %1 is the first that is not); it was read as Windows-1252, the game&apos;s own code page, in which older Excel saves CSV.</source>
        <translation>lembar bukan UTF-8 (baris %1 adalah baris pertama yang bukan UTF-8); lembar dibaca sebagai Windows-1252, code page milik game, yang dipakai Excel versi lama untuk menyimpan CSV.</translation>
    </message>
</context>
<context>
    <name>SpreadsheetMenu</name>
    <message>
        <source>Open a player database and press Load first.</source>
        <translation>Buka database pemain dan tekan Muat terlebih dahulu.</translation>
    </message>
    <message>
        <source>%1 could not be made: %2</source>
        <translation>%1 tidak dapat dibuat: %2</translation>
    </message>
    <message>
        <source>%1 exists already. Replace it?</source>
        <translation>%1 sudah ada. Ganti?</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 tidak dapat ditulis: %2</translation>
    </message>
    <message>
        <source>Export again</source>
        <translation>Ekspor lagi</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Ekspor ke Excel</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Ekspor ke CSV</translation>
    </message>
    <message>
        <source>Wrote %1 to %2.</source>
        <extracomment>%1 lists the sheets&apos; file names.</extracomment>
        <translation>%1 telah ditulis ke %2.</translation>
    </message>
    <message>
        <source>Import again</source>
        <translation>Impor lagi</translation>
    </message>
    <message>
        <source>Import Sheet</source>
        <translation>Impor Lembar</translation>
    </message>
    <message>
        <source>Spreadsheet (CSV or Excel)</source>
        <translation>Lembar kerja (CSV atau Excel)</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 tidak dapat dibaca: %2</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2
Nothing was written.</source>
        <translation>%1 tidak dapat diimpor: %2
Tidak ada yang ditulis.</translation>
    </message>
    <message>
        <source>%1 is neither a players sheet (it has no index column) nor a teams sheet (no position column). Nothing was written.</source>
        <translation>%1 bukan lembar pemain (tidak memiliki kolom index) maupun lembar tim (tidak memiliki kolom position). Tidak ada yang ditulis.</translation>
    </message>
    <message>
        <source>%1 holds team names, but no team file is loaded. Load the team file first. Nothing was written.</source>
        <translation>%1 berisi nama tim, tetapi belum ada file tim yang dimuat. Muat file tim terlebih dahulu. Tidak ada yang ditulis.</translation>
    </message>
    <message>
        <source>%1 holds the teams&apos; rosters, but no team file is loaded. Load the team file first. Nothing was written.</source>
        <translation>%1 berisi roster tim, tetapi belum ada file tim yang dimuat. Muat file tim terlebih dahulu. Tidak ada yang ditulis.</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
Tidak ada yang ditulis.</translation>
    </message>
    <message>
        <source>%1 was refused:
%2
Nothing was written.</source>
        <translation>%1 ditolak:
%2
Tidak ada yang ditulis.</translation>
    </message>
    <message>
        <source>%1 changes nothing: every cell shows what the file holds already.%2</source>
        <extracomment>%2 is empty or the sheet&apos;s notes, on lines of their own.</extracomment>
        <translation>%1 tidak mengubah apa pun: setiap sel sudah menampilkan isi file.%2</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <extracomment>After the first changes listed: how many more there are.</extracomment>
        <translation>… dan %1 lainnya</translation>
    </message>
    <message>
        <source>%1 changes %2 %3 in %4 %5:
%6%7

Write these changes into the working copy?</source>
        <extracomment>%1 is the sheet, %2 and %3 how many fields (&quot;1 field&quot;, &quot;5 fields&quot;), %4 and %5 how many records; the changes follow on lines of their own (%6), then the notes (%7).</extracomment>
        <translation>%1 mengubah %2 %3 pada %4 %5:
%6%7

Tulis perubahan ini ke salinan kerja?</translation>
    </message>
    <message>
        <source>field</source>
        <translation>field</translation>
    </message>
    <message>
        <source>fields</source>
        <translation>field</translation>
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
        <translation>Impor %1 (%2 record)</translation>
    </message>
    <message>
        <source>Import %1 (%2 records)</source>
        <translation>Impor %1 (%2 record)</translation>
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
        <translation>penggunaan: rosterly-cli squad PLAYER_DB TEAM_FILE TEAM_ID

Mencetak skuad tim dengan TEAM_ID: record rosternya, yaitu record pertama di tabel roster database
pemain yang memuat ID tersebut. Pertama satu baris berisi nama tim, ID-nya, dan jumlah
pemain, &quot;Austria (team ID 100): 25 players&quot;, lalu satu baris per slot terisi menurut urutan slot, dengan
empat field yang dipisahkan tab: slot (0-31), nomor punggung, ID pemain, dan nama
pemain (&quot;(no player of the database)&quot; untuk ID yang tidak dimiliki record 0-6449 mana pun). TEAM_ID harus
tim yang tercantum di file tim; ID negatif ditulis setelah --: rosterly-cli squad PLAYER_DB TEAM_FILE -- -1.
Tim-tim dan ID-nya tercantum di teams.csv, yang ditulis oleh rosterly-cli export.

Status keluar: 0 tercetak, 1 file tim tidak mencantumkan tim tersebut, tim tidak memiliki record roster, atau
file tidak dapat dibaca, 2 penggunaan salah.</translation>
    </message>
    <message>
        <source>TEAM_ID is a number, not &quot;%1&quot;</source>
        <translation>TEAM_ID harus berupa angka, bukan &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 has no roster record in the player database.</source>
        <translation>%1 tidak memiliki record roster di database pemain.</translation>
    </message>
</context>
<context>
    <name>SquadEditor</name>
    <message>
        <source>Squads</source>
        <translation>Skuad</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Slot</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>The column of shirt numbers</extracomment>
        <translation>No.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posisi</translation>
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
        <translation>Panggil →</translation>
    </message>
    <message>
        <source>Release</source>
        <extracomment>A button that takes the selected player out of his squad</extracomment>
        <translation>Lepas</translation>
    </message>
    <message>
        <source>Swap</source>
        <extracomment>A button that swaps the players selected on the left and on the right</extracomment>
        <translation>Tukar</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Naikkan</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Turunkan</translation>
    </message>
    <message>
        <source>Find a player:</source>
        <translation>Cari pemain:</translation>
    </message>
    <message>
        <source>any part of the name</source>
        <translation>bagian mana pun dari nama</translation>
    </message>
    <message>
        <source>Free agents</source>
        <translation>Pemain bebas</translation>
    </message>
    <message>
        <source>Choose a player in the left table first.</source>
        <translation>Pilih pemain di tabel kiri terlebih dahulu.</translation>
    </message>
    <message>
        <source>Choose a player in the right table first.</source>
        <translation>Pilih pemain di tabel kanan terlebih dahulu.</translation>
    </message>
    <message>
        <source>Team ID %1</source>
        <translation>ID tim %1</translation>
    </message>
    <message>
        <source>Press Load first: the squads shown are not those of the file now open.</source>
        <translation>Tekan Muat terlebih dahulu: skuad yang ditampilkan bukan milik file yang sedang terbuka.</translation>
    </message>
    <message>
        <source>The player database&apos;s working copy cannot be read, or ends before its roster table.
Nothing was written.</source>
        <translation>Salinan kerja database pemain tidak dapat dibaca, atau berakhir sebelum tabel rosternya.
Tidak ada yang ditulis.</translation>
    </message>
    <message>
        <source>%1 is a free agent already: choose the team he joins on the left.</source>
        <translation>%1 sudah menjadi pemain bebas: pilih tim tujuannya di sebelah kiri.</translation>
    </message>
    <message>
        <source>%1 is a free agent already: choose the team he joins on the right.</source>
        <translation>%1 sudah menjadi pemain bebas: pilih tim tujuannya di sebelah kanan.</translation>
    </message>
    <message>
        <source>Release: %1 from %2</source>
        <translation>Lepas: %1 dari %2</translation>
    </message>
    <message>
        <source>Transfer: %1 to %2</source>
        <translation>Transfer: %1 ke %2</translation>
    </message>
    <message>
        <source>A call-up needs a team on the right, not the free agents.</source>
        <translation>Pemanggilan memerlukan tim di sebelah kanan, bukan pemain bebas.</translation>
    </message>
    <message>
        <source>Call up: %1 to %2</source>
        <translation>Panggil: %1 ke %2</translation>
    </message>
    <message>
        <source>%1 is a free agent already.</source>
        <translation>%1 sudah menjadi pemain bebas.</translation>
    </message>
    <message>
        <source>A swap takes players of two teams; a free agent joins a squad by a transfer.</source>
        <translation>Pertukaran melibatkan pemain dari dua tim; pemain bebas masuk ke skuad melalui transfer.</translation>
    </message>
    <message>
        <source>Swap: %1 and %2</source>
        <translation>Tukar: %1 dan %2</translation>
    </message>
    <message>
        <source>The free agents are in no squad, whose order could change.</source>
        <translation>Pemain bebas tidak berada di skuad mana pun, sehingga tidak ada urutan yang dapat diubah.</translation>
    </message>
    <message>
        <source>Move Up: %1 in %2</source>
        <translation>Naikkan: %1 di %2</translation>
    </message>
    <message>
        <source>Move Down: %1 in %2</source>
        <translation>Turunkan: %1 di %2</translation>
    </message>
    <message>
        <source>Shirt number: %1 to %2</source>
        <translation>Nomor punggung: %1 menjadi nomor %2</translation>
    </message>
    <message>
        <source>free agent</source>
        <translation>pemain bebas</translation>
    </message>
</context>
<context>
    <name>SquadFiles</name>
    <message>
        <source>the player database and the team file are the same file</source>
        <translation>database pemain dan file tim adalah file yang sama</translation>
    </message>
    <message>
        <source>The team file lists no team with team ID %1.</source>
        <translation>File tim tidak mencantumkan tim dengan ID tim %1.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Tidak ada yang ditulis.</translation>
    </message>
    <message>
        <source>%1 %2 is missing</source>
        <translation>%1 %2 tidak diberikan</translation>
    </message>
    <message>
        <source>%1 takes a number, not &quot;%2&quot;</source>
        <translation>%1 menerima angka, bukan &quot;%2&quot;</translation>
    </message>
    <message>
        <source>player ID 0 marks an empty slot; give a player&apos;s ID</source>
        <translation>ID pemain 0 menandai slot kosong; berikan ID seorang pemain</translation>
    </message>
</context>
<context>
    <name>SquadRules</name>
    <message>
        <source>Shirt numbers run from %1 to %2.</source>
        <translation>Nomor punggung berkisar dari %1 sampai %2.</translation>
    </message>
    <message>
        <source>Player ID %1</source>
        <translation>ID pemain %1</translation>
    </message>
    <message>
        <source>Team ID %1</source>
        <translation>ID tim %1</translation>
    </message>
    <message>
        <source>%1 has no roster record in the player database.</source>
        <translation>%1 tidak memiliki record roster di database pemain.</translation>
    </message>
    <message>
        <source>Shirt number %1 is taken by %2 in %3.</source>
        <translation>Nomor punggung %1 sudah dipakai %2 di %3.</translation>
    </message>
    <message>
        <source>%1 is not in %2.</source>
        <translation>%1 tidak ada di %2.</translation>
    </message>
    <message>
        <source>%1 is in %2 already.</source>
        <translation>%1 sudah ada di %2.</translation>
    </message>
    <message>
        <source>%1 has %2 players already, the most a squad can hold.</source>
        <translation>%1 sudah memiliki %2 pemain, jumlah maksimum dalam satu skuad.</translation>
    </message>
    <message>
        <source>The roster table holds no record beside that of %1.</source>
        <translation>Tabel roster tidak berisi record lain selain milik %1.</translation>
    </message>
    <message>
        <source>%1 and %2 are both in %3; a swap takes players of two teams.</source>
        <translation>%1 dan %2 sama-sama berada di %3; pertukaran melibatkan pemain dari dua tim.</translation>
    </message>
    <message>
        <source>%1 is first in %2 already.</source>
        <translation>%1 sudah berada di urutan pertama di %2.</translation>
    </message>
    <message>
        <source>%1 is last in %2 already.</source>
        <translation>%1 sudah berada di urutan terakhir di %2.</translation>
    </message>
</context>
<context>
    <name>TeamNameTable</name>
    <message>
        <source>may have at most %1 characters.</source>
        <translation>boleh berisi maksimal %1 karakter.</translation>
    </message>
    <message>
        <source>holds characters the game cannot store: %1</source>
        <translation>berisi karakter yang tidak dapat disimpan game: %1</translation>
    </message>
    <message>
        <source>The team name may have at most %1 characters.</source>
        <translation>Nama tim boleh berisi maksimal %1 karakter.</translation>
    </message>
    <message>
        <source>The team name holds characters the game cannot store: %1</source>
        <translation>Nama tim berisi karakter yang tidak dapat disimpan game: %1</translation>
    </message>
    <message>
        <source>The short name may have at most %1 characters.</source>
        <translation>Nama singkat boleh berisi maksimal %1 karakter.</translation>
    </message>
    <message>
        <source>The short name holds characters the game cannot store: %1</source>
        <translation>Nama singkat berisi karakter yang tidak dapat disimpan game: %1</translation>
    </message>
</context>
<context>
    <name>TeamSheet</name>
    <message>
        <source>The team file is too short: it has %1 bytes, but its team names end at byte %2.</source>
        <translation>File tim terlalu pendek: ukurannya %1 byte, tetapi nama-nama timnya berakhir di byte %2.</translation>
    </message>
    <message>
        <source>enter a team position from 0 to %1.</source>
        <translation>masukkan posisi tim dari 0 sampai %1.</translation>
    </message>
    <message>
        <source>team %1 is on row %2 already.</source>
        <translation>tim %1 sudah ada di baris %2.</translation>
    </message>
    <message>
        <source>this team has no team ID to change; leave the cell empty.</source>
        <translation>tim ini tidak memiliki ID tim yang dapat diubah; biarkan sel kosong.</translation>
    </message>
    <message>
        <source>team IDs are not edited here; the team&apos;s is %1.</source>
        <translation>ID tim tidak diedit di sini; ID tim ini adalah %1.</translation>
    </message>
    <message>
        <source>the team is listed past the end of the short names and has no short name that could be written.</source>
        <translation>tim ini terdaftar melewati akhir daftar nama singkat dan tidak memiliki nama singkat yang dapat ditulis.</translation>
    </message>
    <message>
        <source>the team file ends at byte %1, before this team&apos;s name entry does.</source>
        <translation>file tim berakhir di byte %1, sebelum entri nama tim ini berakhir.</translation>
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
        <translation>penggunaan: rosterly-cli transfer PLAYER_DB TEAM_FILE --player ID --to TEAM_ID [--from TEAM_ID]
                             [--number N] [--call-up] [--dry-run]

Mengeluarkan pemain dengan ID tersebut dari skuad tim --from dan memasukkannya ke skuad tim --to,
dengan aturan skuad editor: ia masuk setelah para pemain di sana, dengan nomor punggung N, atau
jika tidak, nomor yang dipakainya bila belum dipakai siapa pun di skuad baru, atau jika tidak, nomor bebas
terendah. Satu skuad memuat maksimal 32 pemain, masing-masing sekali, dengan nomor 1 sampai 99 yang tidak
dipakai pemain lain di dalamnya; slot kosong pada skuad yang berubah ditempatkan setelah para pemainnya.
ID tim adalah yang tercantum di file tim.

Tanpa --from, pemain meninggalkan satu-satunya skuad tempat ia berada (selain skuad --to). Pemain di
beberapa skuad memerlukan --from; pemain yang tidak berada di skuad mana pun, yaitu pemain bebas, bergabung ke --to.

  --call-up   tetap pertahankan ia di skuad --from juga (pemanggilan ke tim nasional)
  --dry-run   cetak perubahan, jangan tulis apa pun

Mencetak perubahan, &quot;Boris Brown (7): Brazil -&gt; Austria, shirt number 7&quot; (&quot;called up from Brazil
to Austria&quot;, &quot;free agent -&gt; Austria&quot; untuk yang lain), lalu mengganti database pemain dalam satu
langkah atomik (file game terkompresi dikompres lagi; salinan kerja, *.unzlib, ditulis apa
adanya), setelah file dalam keadaan semula disimpan di folder backups di sampingnya. File tim hanya
dibaca.

Status keluar: 0 selesai, 1 ditolak (alasannya di standard error, tidak ada yang ditulis) atau file tidak
dapat dibaca, 2 penggunaan salah.</translation>
    </message>
    <message>
        <source>--number takes a shirt number, not &quot;%1&quot;</source>
        <translation>--number menerima nomor punggung, bukan &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 (team ID %2)</source>
        <translation>%1 (ID tim %2)</translation>
    </message>
    <message>
        <source>Player ID %1</source>
        <translation>ID pemain %1</translation>
    </message>
    <message>
        <source>%1 is in %2 squads: %3; say which he leaves with --from TEAM_ID.</source>
        <extracomment>%2 is the number of squads (always more than one), %3 lists them</extracomment>
        <translation>%1 berada di %2 skuad: %3; tentukan skuad yang ditinggalkannya dengan --from TEAM_ID.</translation>
    </message>
    <message>
        <source>No player of the database has player ID %1.</source>
        <translation>Tidak ada pemain di database yang memiliki ID pemain %1.</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>%1 (another program may hold the file open: close it and try again)</source>
        <translation>%1 (mungkin program lain sedang membuka file ini: tutup program tersebut lalu coba lagi)</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: file tidak ditemukan</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: bukan file biasa</translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2</source>
        <translation>%1: tidak dapat dibuka: %2</translation>
    </message>
    <message>
        <source>%1: the file is %2 bytes, more than the %3 MiB a game file or sheet may have</source>
        <translation>%1: ukuran file %2 byte, lebih dari %3 MiB yang diizinkan untuk file game atau lembar</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: tidak dapat dibaca: %2</translation>
    </message>
    <message>
        <source>No space left on device (%1 bytes free, %2 needed)</source>
        <translation>Ruang penyimpanan habis (%1 byte tersedia, %2 diperlukan)</translation>
    </message>
</context>
<context>
    <name>WorkingCopy</name>
    <message>
        <source>The working copy %1 cannot be opened: %2</source>
        <translation>Salinan kerja %1 tidak dapat dibuka: %2</translation>
    </message>
    <message>
        <source>The working copy %1 is too short: it has %2 bytes, but %3 are needed. Wait until the codec has finished, or open the game file again.</source>
        <translation>Salinan kerja %1 terlalu pendek: ukurannya %2 byte, padahal diperlukan %3. Tunggu hingga codec selesai, atau buka file game lagi.</translation>
    </message>
    <message>
        <source>Reading the working copy %1 failed: %2</source>
        <translation>Gagal membaca salinan kerja %1: %2</translation>
    </message>
    <message>
        <source>The working copy %1 has %2 bytes and cannot be read up to byte %3.</source>
        <translation>Salinan kerja %1 berukuran %2 byte dan tidak dapat dibaca sampai byte %3.</translation>
    </message>
    <message>
        <source>Refusing to write before the start of %1.</source>
        <translation>Menolak menulis sebelum awal %1.</translation>
    </message>
    <message>
        <source>The working copy %1 cannot be opened for writing: %2</source>
        <translation>Salinan kerja %1 tidak dapat dibuka untuk ditulis: %2</translation>
    </message>
    <message>
        <source>The working copy %1 is too short: it has %2 bytes, but the change reaches byte %3. Nothing was written.</source>
        <translation>Salinan kerja %1 terlalu pendek: ukurannya %2 byte, tetapi perubahan mencapai byte %3. Tidak ada yang ditulis.</translation>
    </message>
    <message>
        <source>Writing the working copy %1 failed: %2. Nothing of the change was kept.</source>
        <translation>Gagal menulis salinan kerja %1: %2. Tidak ada bagian perubahan yang disimpan.</translation>
    </message>
</context>
<context>
    <name>WorkingCopyDifference</name>
    <message>
        <source>the game file holds %1 bytes, the working copy %2</source>
        <translation>file game berisi %1 byte, salinan kerja %2</translation>
    </message>
    <message>
        <source>%1 byte differs</source>
        <translation>%1 byte berbeda</translation>
    </message>
    <message>
        <source>%1 bytes differ</source>
        <translation>%1 byte berbeda</translation>
    </message>
    <message>
        <source>%1 record differs</source>
        <translation>%1 record berbeda</translation>
    </message>
    <message>
        <source>%1 records differ</source>
        <translation>%1 record berbeda</translation>
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
        <translation>%1 dan %2 di luarnya berbeda</translation>
    </message>
</context>
<context>
    <name>XlsxPackage</name>
    <message>
        <source>it is not a readable zip archive, as an .xlsx workbook is (%1).</source>
        <translation>ini bukan arsip zip yang dapat dibaca, seperti seharusnya buku kerja .xlsx (%1).</translation>
    </message>
    <message>
        <source>the part %1 of the workbook is larger than %2 bytes or of no known size.</source>
        <translation>bagian %1 dari buku kerja lebih besar dari %2 byte atau ukurannya tidak diketahui.</translation>
    </message>
    <message>
        <source>the part %1 of the workbook cannot be unpacked: %2</source>
        <translation>bagian %1 dari buku kerja tidak dapat diekstrak: %2</translation>
    </message>
    <message>
        <source>the zip archive holds no workbook (%1), so it is no .xlsx file.</source>
        <translation>arsip zip ini tidak berisi buku kerja (%1), jadi ini bukan file .xlsx.</translation>
    </message>
    <message>
        <source>the workbook part %1 is not well-formed XML: %2</source>
        <translation>bagian buku kerja %1 bukan XML yang tersusun dengan benar: %2</translation>
    </message>
</context>
<context>
    <name>XlsxReader</name>
    <message>
        <source>the cell holds a formula whose result the workbook does not store; save the workbook in a spreadsheet program first, or enter the value itself.</source>
        <translation>sel berisi rumus yang hasilnya tidak disimpan di buku kerja; simpan buku kerja di program spreadsheet terlebih dahulu, atau masukkan nilainya secara langsung.</translation>
    </message>
    <message>
        <source>the worksheet&apos;s rows are not in order (row %1 after row %2).</source>
        <translation>baris-baris lembar kerja tidak berurutan (baris %1 setelah baris %2).</translation>
    </message>
    <message>
        <source>the worksheet names the cell %1 in row %2.</source>
        <translation>lembar kerja menyebut sel %1 di baris %2.</translation>
    </message>
    <message>
        <source>the cells of row %1 are not in order.</source>
        <translation>sel-sel di baris %1 tidak berurutan.</translation>
    </message>
    <message>
        <source>the worksheet has more than %1 cells, far more than any sheet of this editor.</source>
        <translation>lembar kerja memiliki lebih dari %1 sel, jauh lebih banyak daripada lembar mana pun dari editor ini.</translation>
    </message>
    <message>
        <source>the cell refers to a text the workbook does not hold.</source>
        <translation>sel merujuk ke teks yang tidak ada di buku kerja.</translation>
    </message>
    <message>
        <source>the cell holds the error %1.</source>
        <translation>sel berisi kesalahan %1.</translation>
    </message>
    <message>
        <source>the cell holds a date or time; enter a whole number or a text.</source>
        <translation>sel berisi tanggal atau waktu; masukkan bilangan bulat atau teks.</translation>
    </message>
    <message>
        <source>the cell holds &quot;%1&quot;, which is no number.</source>
        <translation>sel berisi &quot;%1&quot;, yang bukan angka.</translation>
    </message>
    <message>
        <source>the cell holds the number %1, which is not a whole number.</source>
        <translation>sel berisi angka %1, yang bukan bilangan bulat.</translation>
    </message>
    <message>
        <source>it is not an .xlsx workbook, which is a zip archive; a CSV sheet is read when its name ends in .csv.</source>
        <translation>ini bukan buku kerja .xlsx, yang berupa arsip zip; lembar CSV dibaca jika namanya berakhiran .csv.</translation>
    </message>
    <message>
        <source>it is not an .xlsx workbook: %1</source>
        <translation>ini bukan buku kerja .xlsx: %1</translation>
    </message>
    <message>
        <source>the workbook has no part %1 for its worksheet &quot;%2&quot;.</source>
        <translation>buku kerja tidak memiliki bagian %1 untuk lembar kerjanya &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>the sheet read is &quot;%1&quot;, the first of the workbook that holds cells.</source>
        <translation>lembar yang dibaca adalah &quot;%1&quot;, lembar pertama di buku kerja yang berisi sel.</translation>
    </message>
    <message>
        <source>the workbook has no worksheet with cells.</source>
        <translation>buku kerja tidak memiliki lembar kerja yang berisi sel.</translation>
    </message>
</context>
<context>
    <name>XlsxSheetWriter</name>
    <message>
        <source>no temporary folder could be made: %1</source>
        <translation>folder sementara tidak dapat dibuat: %1</translation>
    </message>
    <message>
        <source>the temporary folder %1 has characters outside the system&apos;s code page</source>
        <translation>folder sementara %1 berisi karakter di luar code page sistem</translation>
    </message>
    <message>
        <source>the spreadsheet library could not start a workbook</source>
        <translation>pustaka spreadsheet tidak dapat memulai buku kerja</translation>
    </message>
    <message>
        <source>the spreadsheet library refused the workbook: %1</source>
        <translation>pustaka spreadsheet menolak buku kerja: %1</translation>
    </message>
</context>
<context>
    <name>XmlEvents</name>
    <message>
        <source>it declares a document type, which no workbook part has</source>
        <translation>bagian ini mendeklarasikan tipe dokumen, yang tidak dimiliki bagian buku kerja mana pun</translation>
    </message>
    <message>
        <source>the XML reader could not be started for %1.</source>
        <translation>pembaca XML tidak dapat dijalankan untuk %1.</translation>
    </message>
    <message>
        <source>the part %1 of the workbook cannot be read: %2</source>
        <translation>bagian %1 dari buku kerja tidak dapat dibaca: %2</translation>
    </message>
    <message>
        <source>the part %1 of the workbook is not well-formed XML (line %2: %3).</source>
        <translation>bagian %1 dari buku kerja bukan XML yang tersusun dengan benar (baris %2: %3).</translation>
    </message>
</context>
</TS>
