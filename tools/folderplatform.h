#pragma once

#include "app/form1.h"
#include "shell/platform.h"

#include <QEventLoop>

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

// A platform for programs that drive the editor without a user: every file dialog is answered
// with the file of the asked name in one game folder, and messages go to the error output.
class FolderPlatform : public Platform {
public:
    explicit FolderPlatform(QString folder) : m_folder(std::move(folder)) {}

    QString chooseFile(QWidget*, const QString&, const QString&, const QString& pattern) override {
        return QDir(m_folder).filePath(pattern);
    }
    void showMessage(QWidget*, const QString& caption, const QString& text) override {
        std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
    }
    QString codecProgram() const override {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/zlib2.dll");
    }
    bool ask(QWidget*, const QString&, const QString&) override { return true; }
    QString chooseFolder(QWidget*, const QString&) override { return m_folder; }

private:
    QString m_folder;
};

// What a user does first: File > Open on the folder's files, then Load, which fills the lists
// once the codec has decompressed them.
inline bool openAndLoad(Form1& window) {
    window.show();
    window.openDatabase();
    bool loaded = false;
    QEventLoop loop;
    QObject::connect(&window, &Form1::loadFinished, &loop, [&](bool ok) {
        loaded = ok;
        loop.quit();
    });
    const bool loadedAtOnce = window.load();
    if (!window.isLoading())
        return loadedAtOnce;
    loop.exec();
    return loaded;
}
