#include "teams/playersearch.h"

#include "player/playerrecord.h"
#include "shell/clicknotifier.h"
#include "teams/namefolding.h"

#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

PlayerSearch::PlayerSearch(const PlayerSearchControls& controls, PlayerSearchFields& fields)
    : QObject(controls.Command9), c(controls), m_fields(fields) {
    connect(c.Command9, &QPushButton::clicked, this, &PlayerSearch::search);
    // A click into the box empties it, every time, so the hint is gone when typing starts.
    connect(ClickNotifier::watch(c.trazi_tim), &ClickNotifier::clicked, c.trazi_tim,
            &QLineEdit::clear);
}

void PlayerSearch::fillLetterTables(PlayerSearchFields& fields) {
    fields.List6.clear();
    fields.List7.clear();
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        fields.List6 << QString(QLatin1Char(letter));
        fields.List7 << QString(QLatin1Char(letter - 'A' + 'a'));
    }
}

void PlayerSearch::search() {
    const int n = c.List1->count();
    if (n == 0)
        return; // nothing to search; the bar keeps what it showed

    QStringList names;
    names.reserve(n);
    for (int i = 0; i < n; ++i)
        names << c.List1->item(i)->text();

    const NameFolding folding(m_fields.List6, m_fields.List7);
    const int match = folding.find(names, c.trazi_tim->text());
    m_fields.trazipom = folding.fold(c.trazi_tim->text());
    if (match >= 0) {
        m_fields.provjera_text = folding.fold(names.at(match));
        c.List1->setCurrentRow(match); // shows the player, which resets the bar for his abilities
    }
    // The bar ends at the number of names examined, counting at most one per record.
    const int examined = match >= 0 ? match + 1 : n;
    c.puni->setMaximum(n);
    c.puni->setValue(std::min(examined, PlayerLayout::recordCount));
}
