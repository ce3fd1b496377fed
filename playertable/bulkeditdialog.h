#pragma once

#include "exchange/bulkchange.h"

#include <QByteArray>
#include <QDialog>

#include <functional>
#include <vector>

class QComboBox;
class QDialogButtonBox;
class QEvent;
class QFormLayout;
class QLabel;
class QLineEdit;

// "Change Field…": one column of many players changed at once, the players the grid's selection
// or filter gives. The preview follows every change of the column, the mode and the value, with
// what the change would do and its first change lines; OK hands the plan to `write`.
class BulkEditDialog : public QDialog {
    Q_OBJECT
public:
    using Write = std::function<bool(const BulkChange::Plan& plan, const QString& label)>;
    // Says which players the records are ("312 players shown by the filter"), in the language
    // shown.
    using Scope = std::function<QString()>;

    // `column` is the column chosen first (a PlayerColumns::all() position, -1: the first).
    BulkEditDialog(QByteArray database, std::vector<int> records, Scope scope, int column,
                   Write write, QWidget* parent = nullptr);

    const BulkChange::Plan& plan() const { return m_plan; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void setTexts();
    void columnChosen();
    void showPreview();
    BulkChange::Change change() const;
    void writeAndClose();

    QByteArray m_database;
    std::vector<int> m_records;
    Scope m_scope;
    Write m_write;
    BulkChange::Plan m_plan;
    QLabel* m_scopeLabel;
    QFormLayout* m_form;
    QComboBox* m_column;
    QComboBox* m_mode;
    QLineEdit* m_value;
    QLabel* m_preview;
    QDialogButtonBox* m_buttons;
};
