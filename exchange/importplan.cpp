#include "exchange/importplan.h"

#include <QCoreApplication>

namespace {

QString shownValue(const QString& value) {
    return value.isEmpty() ? QStringLiteral("\"\"") : value;
}

} // namespace

void SheetErrors::add(int row, const QString& column, const QString& what) {
    //: %1 is a row number, %2 the name of the sheet's column, %3 what is wrong
    keep(QCoreApplication::translate("SheetErrors", "row %1, column %2: %3")
             .arg(row)
             .arg(column, what),
         row, what);
}

void SheetErrors::add(int row, const QString& what) {
    keep(QCoreApplication::translate("SheetErrors", "row %1: %2").arg(row).arg(what), row, what);
}

void SheetErrors::add(const QString& what) {
    keep(what, 0, what);
}

void SheetErrors::keep(const QString& line, int row, const QString& what) {
    if (++m_count <= limit) {
        m_lines << line;
        m_parts.push_back({row, what});
    }
}

QStringList SheetErrors::lines() const {
    QStringList result = m_lines;
    if (m_count > limit)
        result << QCoreApplication::translate("SheetErrors", "… and %1 more").arg(m_count - limit);
    return result;
}

ImportPlan refusedPlan(const SheetErrors& errors) {
    ImportPlan plan;
    plan.errors = errors.lines();
    plan.errorParts = errors.parts();
    return plan;
}

QString changeLine(const QString& who, const QString& field, const QString& oldValue,
                   const QString& newValue) {
    return QStringLiteral("%1: %2 %3 -> %4")
        .arg(who, field, shownValue(oldValue), shownValue(newValue));
}
