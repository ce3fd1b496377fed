#pragma once

#include "common/workingcopy.h"

#include <QString>
#include <QStringList>

#include <vector>

// One refusal of a sheet in its parts: the row it names (0: the sheet or the game file as a
// whole) and what it says, without the row and the column.
struct SheetError {
    int row = 0;
    QString what;
};

// What importing a sheet would do, worked out in full before anything is written: either the
// bytes to write with a description of every change, or the reasons it is refused (and then no
// bytes at all).
struct ImportPlan {
    std::vector<Patch> patches;
    int recordCount = 0; // records (players or teams) that change
    int fieldCount = 0;  // fields that change
    QStringList changes; // one line per changed field, "<who>: field old -> new", in record order
    QStringList notes;   // what stays as it was although the sheet asks otherwise, and why
    QStringList errors;  // "row R, column C: what is wrong"
    // The lines of `errors` in their parts, in the same order (but the closing "… and N more"),
    // for a caller that names the rows in words of its own whatever language the lines are in.
    std::vector<SheetError> errorParts;

    bool ok() const { return errors.isEmpty(); }
};

// Refusals of one import: every one is counted, the first `limit` are kept in words.
class SheetErrors {
public:
    static constexpr int limit = 20;

    void add(int row, const QString& column, const QString& what);
    void add(int row, const QString& what);
    void add(const QString& what); // about the sheet or the game file as a whole

    int count() const { return m_count; }
    // The kept lines, then "… and N more" when some were not kept.
    QStringList lines() const;
    // The kept lines in their parts.
    const std::vector<SheetError>& parts() const { return m_parts; }

private:
    void keep(const QString& line, int row, const QString& what);

    QStringList m_lines;
    std::vector<SheetError> m_parts;
    int m_count = 0;
};

// The plan of an import refused for `errors`: no patches and no changes, the errors in words.
ImportPlan refusedPlan(const SheetErrors& errors);

// One changed field, the same line for the import's changes and for the comparison of two files:
// "<who>: <field> <old> -> <new>", an empty value shown as "".
QString changeLine(const QString& who, const QString& field, const QString& oldValue,
                   const QString& newValue);
