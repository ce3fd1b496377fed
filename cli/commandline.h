#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

// One command's arguments: its options, the positional arguments it takes, and its help text
// (printed for --help). parse() gives the exit status when the command is to end at once: after
// printing the help, or with a usage error.
class CommandLine {
public:
    CommandLine(QString command, QString help, int minPositional, int maxPositional);

    void addOption(const QCommandLineOption& option) { m_parser.addOption(option); }
    std::optional<int> parse(const QStringList& arguments);

    bool isSet(const QCommandLineOption& option) const { return m_parser.isSet(option); }
    QString value(const QCommandLineOption& option) const { return m_parser.value(option); }
    QStringList positional() const { return m_parser.positionalArguments(); }
    int usageError(const QString& message) const;

private:
    QCommandLineParser m_parser;
    QCommandLineOption m_help{{QStringLiteral("h"), QStringLiteral("help")}};
    QString m_command;
    QString m_helpText;
    int m_min;
    int m_max;
};
