// A program that writes one patch into every player record of a working copy and pauses after
// each stretch of the new file, saying so on its standard output: the test that kills it in the
// middle of the write finds out what the write leaves behind.
//   slowwriter WORKING_COPY BYTE
#include "common/workingcopy.h"
#include "player/playerrecord.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3)
        return 2;
    const char byte = char(arguments.at(2).toInt());
    std::vector<Patch> patches;
    for (int index = 0; index < PlayerLayout::editableRecordCount; ++index)
        patches.push_back({PlayerLayout::nameOffset(index), QByteArray(1, byte)});
    WorkingCopy copy(arguments.at(1));
    copy.setStretchWritten([] {
        std::fputs("stretch\n", stdout);
        std::fflush(stdout);
        QThread::msleep(20);
    });
    if (!copy.write(patches)) {
        std::fprintf(stderr, "%s\n", qPrintable(copy.errorString()));
        return 1;
    }
    return 0;
}
