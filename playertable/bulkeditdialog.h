#pragma once

#include "exchange/bulkchange.h"

#include <QByteArray>
#include <QDialog>

#include <functional>
#include <vector>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

// "Change Field…": one column of many players changed at once, the players the grid's selection
// or filter gives. The preview follows every change of the column, the mode and the value, with
// what the change would do and its first change lines; OK hands the plan to `write`.
class BulkEditDialog : public QDialog {
    Q_OBJECT
public:
    using Write = std::function<bool(const BulkChange::Plan& plan, const QString& label)>;

    // `scope` says which players the records are ("312 players shown by the filter");
    // `column` is the column chosen first (a PlayerColumns::all() position, -1: the first).
    BulkEditDialog(QByteArray database, std::vector<int> records, const QString& scope, int column,
                   Write write, QWidget* parent = nullptr);

    const BulkChange::Plan& plan() const { return m_plan; }

private:
    void columnChosen();
    void showPreview();
    BulkChange::Change change() const;
    void writeAndClose();

    QByteArray m_database;
    std::vector<int> m_records;
    Write m_write;
    BulkChange::Plan m_plan;
    QComboBox* m_column;
    QComboBox* m_mode;
    QLineEdit* m_value;
    QLabel* m_preview;
    QDialogButtonBox* m_buttons;
};
