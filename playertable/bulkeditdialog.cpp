#include "playertable/bulkeditdialog.h"

#include "exchange/playercolumns.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int changesShown = 8; // the first change lines the preview lists

} // namespace

BulkEditDialog::BulkEditDialog(QByteArray database, std::vector<int> records, Scope scope,
                               int column, Write write, QWidget* parent)
    : QDialog(parent), m_database(std::move(database)), m_records(std::move(records)),
      m_scope(std::move(scope)), m_write(std::move(write)) {
    setObjectName(QStringLiteral("BulkEditDialog"));
    auto* layout = new QVBoxLayout(this);
    m_scopeLabel = new QLabel(this);
    m_scopeLabel->setObjectName(QStringLiteral("bulkScope"));
    layout->addWidget(m_scopeLabel);

    m_form = new QFormLayout;
    layout->addLayout(m_form);
    // Each field's caption, whose letter after "&" moves to the field.
    const auto caption = [this](QWidget* field) {
        auto* label = new QLabel(this);
        label->setBuddy(field);
        return label;
    };
    m_column = new QComboBox(this);
    m_column->setObjectName(QStringLiteral("bulkColumn"));
    for (const int c : BulkChange::columns())
        m_column->addItem(PlayerColumns::all().at(size_t(c)).name, c);
    m_column->setCurrentIndex(std::max(0, m_column->findData(column)));
    m_form->addRow(caption(m_column), m_column);
    m_mode = new QComboBox(this);
    m_mode->setObjectName(QStringLiteral("bulkMode"));
    m_form->addRow(caption(m_mode), m_mode);
    m_value = new QLineEdit(this);
    m_value->setObjectName(QStringLiteral("bulkValue"));
    m_form->addRow(caption(m_value), m_value);

    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("bulkPreview"));
    m_preview->setWordWrap(true);
    m_preview->setTextFormat(Qt::PlainText);
    m_preview->setMinimumSize(460, 170);
    m_preview->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(m_preview, 1);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &BulkEditDialog::writeAndClose);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_column, &QComboBox::currentIndexChanged, this, &BulkEditDialog::columnChosen);
    connect(m_mode, &QComboBox::currentIndexChanged, this, &BulkEditDialog::showPreview);
    connect(m_value, &QLineEdit::textChanged, this, &BulkEditDialog::showPreview);
    setTexts();
}

void BulkEditDialog::setTexts() {
    setWindowTitle(tr("Change Field"));
    m_scopeLabel->setText(m_scope ? m_scope() : QString());
    const auto caption = [this](QWidget* field, const QString& text) {
        static_cast<QLabel*>(m_form->labelForField(field))->setText(text);
    };
    //: The column of the player table whose values are changed.
    caption(m_column, tr("&Column:"));
    //: How the values change: set to a value, or a number added, say.
    caption(m_mode, tr("C&hange:"));
    caption(m_value, tr("&Value:"));
    // The names of the ways to change and the preview are said again.
    columnChosen();
}

void BulkEditDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        setTexts();
    QDialog::changeEvent(event);
}

void BulkEditDialog::columnChosen() {
    const QSignalBlocker quiet(m_mode);
    const int chosen = m_mode->currentData().isValid() ? m_mode->currentData().toInt() : 0;
    m_mode->clear();
    for (const BulkChange::Mode mode : BulkChange::modes(m_column->currentData().toInt()))
        m_mode->addItem(BulkChange::modeName(mode), int(mode));
    m_mode->setCurrentIndex(std::max(0, m_mode->findData(chosen)));
    showPreview();
}

BulkChange::Change BulkEditDialog::change() const {
    return {m_column->currentData().toInt(),
            static_cast<BulkChange::Mode>(m_mode->currentData().toInt()), m_value->text()};
}

void BulkEditDialog::showPreview() {
    QPushButton* ok = m_buttons->button(QDialogButtonBox::Ok);
    const BulkChange::Change wanted = change();
    const QString& name = PlayerColumns::all().at(size_t(wanted.column)).name;
    const bool text = name == QStringLiteral("name") || name == QStringLiteral("shirt_name");
    if (wanted.value.trimmed().isEmpty() && !(text && wanted.mode == BulkChange::Mode::Set)) {
        m_plan = {};
        m_preview->setText(wanted.mode == BulkChange::Mode::Set ? tr("Enter the value.")
                                                                : tr("Enter the number."));
        ok->setEnabled(false);
        return;
    }
    m_plan = BulkChange::plan(m_database, m_records, wanted, changesShown);
    if (!m_plan.ok()) {
        m_preview->setText(m_plan.refusals.join(u'\n'));
        ok->setEnabled(false);
        return;
    }
    QStringList lines{m_plan.summary(wanted)};
    lines << m_plan.import.changes;
    if (m_plan.changed > m_plan.import.changes.size() && !m_plan.import.changes.isEmpty())
        lines << QStringLiteral("…");
    m_preview->setText(lines.join(u'\n'));
    ok->setEnabled(!m_plan.import.patches.empty());
}

void BulkEditDialog::writeAndClose() {
    const BulkChange::Change wanted = change();
    // The preview listed a few changes only; the step writes every patch, which the plan has.
    if (m_write && m_write(m_plan, BulkChange::label(wanted, m_plan.changed)))
        accept();
}
