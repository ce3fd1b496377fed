#pragma once

#include "common/workingcopy.h"
#include "shell/codecruns.h"
#include "shell/platform.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>
#include <QTemporaryDir>

// A platform with preset answers: file dialogs return the path preset for their title, messages
// are recorded, and the codec program is the real one from the build folder unless replaced.
class FakePlatform : public Platform {
public:
    struct Message {
        QString caption;
        QString text;
        bool warning = false; // shown with the warning icon of a refusal or failure
    };

    QHash<QString, QString> answers; // dialog title -> chosen path ("" = cancelled)
    QStringList askedTitles;
    QList<Message> messages;
    QString codec = QCoreApplication::applicationDirPath() + QStringLiteral("/zlib2.dll");

    QString chooseFile(QWidget*, const QString& title, const QString&, const QString&) override {
        askedTitles << title;
        return answers.value(title);
    }
    void showMessage(QWidget*, const QString& caption, const QString& text) override {
        messages.append({caption, text});
    }
    void showWarning(QWidget*, const QString& caption, const QString& text) override {
        messages.append({caption, text, true});
    }
    QString codecProgram() const override { return codec; }
    // Questions are answered with `answerYes` and recorded; folder choosers answer from
    // `folderAnswers` by title ("" = cancelled).
    bool answerYes = true;
    QStringList questions;
    QHash<QString, QString> folderAnswers;
    bool ask(QWidget*, const QString&, const QString& text) override {
        questions << text;
        return answerYes;
    }
    QString chooseFolder(QWidget*, const QString& title) override {
        askedTitles << title;
        return folderAnswers.value(title);
    }
    // The folders file dialogs were asked to start in, by title.
    QHash<QString, QString> startFolders;
    QString chooseFileIn(QWidget* parent, const QString& title, const QString& description,
                         const QString& pattern, const QString& folder) override {
        startFolders[title] = folder;
        return chooseFile(parent, title, description, pattern);
    }
};

namespace TestSupport {

// The titles of the file dialogs that ask for the player database and the team file.
inline const QString playerTitle = QStringLiteral("Select unnamed_25.bin:");
inline const QString teamTitle = QStringLiteral("Select unnamed_32.bin:");

// Full path of a program built beside the test executables (the codec tool, the sample builder).
QString builtProgram(const QString& name);

// A program of this build that fails, writing nothing, whatever a codec run passes it (the command
// line, to which a game file's path is an unknown command): a broken codec on every system.
QString failingProgram();

QByteArray readFile(const QString& path);
bool writeFile(const QString& path, const QByteArray& bytes);

// The names of everything in a folder, hidden files too, sorted: to show what a run left behind.
QStringList entries(const QString& folder);

// Runs the codec tool on the arguments and waits for it; returns its exit code (-1 if it crashed
// or could not start).
int runCodec(const QStringList& arguments, QString* standardError = nullptr);

// Lets the event loop run until the codec runs have all ended or `msecs` have passed; true when
// none is running any more.
bool waitForRuns(const CodecRuns& runs, int msecs = 30000);

// A little-endian 32-bit value at an offset of a file.
Patch int32Patch(qint64 offset, qint32 value);

// The sample game folder in a temporary folder of its own, with a platform whose dialogs answer
// with its two game files. The game folder is the temporary folder itself, or the subfolder
// given (which may contain blanks and other letters).
class SampleGame {
public:
    explicit SampleGame(const QString& subfolder = {});

    bool isValid() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }

    QString folder() const { return m_folder; }
    // A path in the temporary folder, beside the game folder when that is a subfolder.
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QString database() const;
    QString teamFile() const;
    QString databaseWorkingCopy() const;
    QString teamWorkingCopy() const;

    FakePlatform platform;

private:
    QTemporaryDir m_dir;
    QString m_folder;
    QString m_error;
};

} // namespace TestSupport

namespace TestSupport {

// A player database and a team file, decompressed.
struct GamePair {
    QByteArray database;
    QByteArray teamFile;
};

// Another pair of game files made from the sample, for taking values from: records 10 and 11
// change places and the player now at 10 has speed 41; record 20 holds another player, with an
// ID the sample lacks (otherSampleExtraId); record 30's player is "Zoltán Kiss" and a year older;
// record 40's face is 1234; Austria's first two players change places and take numbers 98 and
// 99; Bulgaria's first slot names the new player; Belgium (list position 1) is "Belgique".
inline constexpr qint32 otherSampleExtraId = 999999;
GamePair otherSample();

} // namespace TestSupport

// Patches of one player's record: a byte or a little-endian 16-bit word at an offset from the
// record's name (as PlayerLayout gives them), a byte of the ability block, or the 32-bit ID.
namespace PlayerPatch {

Patch byte(int player, qint64 fromName, int value);
Patch word(int player, qint64 fromName, int value);
Patch ability(int player, int slot, int value);
Patch id(int player, qint32 id);

} // namespace PlayerPatch
