#include "exchange/importplan.h"

namespace {

QString shownValue(const QString& value) {
    return value.isEmpty() ? QStringLiteral("\"\"") : value;
}

} // namespace

void SheetErrors::add(int row, const QString& column, const QString& what) {
    keep(QStringLiteral("row %1, column %2: %3").arg(row).arg(column, what));
}

void SheetErrors::add(int row, const QString& what) {
    keep(QStringLiteral("row %1: %2").arg(row).arg(what));
}

void SheetErrors::add(const QString& what) {
    keep(what);
}

void SheetErrors::keep(const QString& line) {
    if (++m_count <= limit)
        m_lines << line;
}

QStringList SheetErrors::lines() const {
    QStringList result = m_lines;
    if (m_count > limit)
        result << QStringLiteral("… and %1 more").arg(m_count - limit);
    return result;
}

ImportPlan refusedPlan(const SheetErrors& errors) {
    ImportPlan plan;
    plan.errors = errors.lines();
    return plan;
}

QString changeLine(const QString& who, const QString& field, const QString& oldValue,
                   const QString& newValue) {
    return QStringLiteral("%1: %2 %3 -> %4")
        .arg(who, field, shownValue(oldValue), shownValue(newValue));
}
