#include "cli/commandline.h"

#include "cli/clioutput.h"

#include <QCoreApplication>

CommandLine::CommandLine(QString command, QString help, int minPositional, int maxPositional)
    : m_command(std::move(command)), m_helpText(std::move(help)), m_min(minPositional),
      m_max(maxPositional) {
    m_parser.addOption(m_help);
}

std::optional<int> CommandLine::parse(const QStringList& arguments) {
    if (!m_parser.parse(arguments))
        return usageError(m_parser.errorText());
    if (m_parser.isSet(m_help)) {
        CliOutput::out(m_helpText);
        return CliOutput::Done;
    }
    const qsizetype count = m_parser.positionalArguments().size();
    if (count < m_min || count > m_max)
        return usageError(count < m_min
                              ? QCoreApplication::translate("CommandLine", "too few arguments")
                              : QCoreApplication::translate("CommandLine", "too many arguments"));
    return std::nullopt;
}

int CommandLine::usageError(const QString& message) const {
    return CliOutput::usageError(m_command, message);
}
