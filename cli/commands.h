#pragma once

#include <QStringList>

// The commands of rosterly-cli. Each takes the program's arguments after the command's name
// (the program name first, as QCommandLineParser expects) and returns the exit status.
int exportCommand(const QStringList& arguments);
int importCommand(const QStringList& arguments);
int diffCommand(const QStringList& arguments);
int restoreCommand(const QStringList& arguments);
int backupsCommand(const QStringList& arguments);
int squadCommand(const QStringList& arguments);
int transferCommand(const QStringList& arguments);
int releaseCommand(const QStringList& arguments);
int checkCommand(const QStringList& arguments);
int playersCommand(const QStringList& arguments);
int setCommand(const QStringList& arguments);
int mergeCommand(const QStringList& arguments);
