#pragma once

#include "app/platform.h"

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
    QString codecProgram() const override { return codec; }
};

namespace TestSupport {

// Full path of a program built beside the test executables (the codec tool, the sample builder).
QString builtProgram(const QString& name);

QByteArray readFile(const QString& path);
bool writeFile(const QString& path, const QByteArray& bytes);

// Runs the codec tool on the arguments and waits for it; returns its exit code (-1 if it crashed
// or could not start).
int runCodec(const QStringList& arguments, QString* standardError = nullptr);

} // namespace TestSupport
