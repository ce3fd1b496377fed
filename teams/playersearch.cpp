#include "teams/playersearch.h"

#include "shell/clicknotifier.h"
#include "player/playerrecord.h"
#include "teams/namefolding.h"

#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

PlayerSearch::PlayerSearch(Form1Context context) : QObject(context.window), m(context) {
    connect(m.c.Command9, &QPushButton::clicked, this, &PlayerSearch::search);
    // A click into the box empties it, every time, so the hint is gone when typing starts.
    connect(ClickNotifier::watch(m.c.trazi_tim), &ClickNotifier::clicked, m.c.trazi_tim,
            &QLineEdit::clear);
}

void PlayerSearch::search() {
    Form1Controls& c = m.c;
    const int n = c.List1->count();
    if (n == 0)
        return; // nothing to search; the bar keeps what it showed

    QStringList names;
    names.reserve(n);
    for (int i = 0; i < n; ++i)
        names << c.List1->item(i)->text();

    const NameFolding folding(c.List6, c.List7);
    const int match = folding.find(names, c.trazi_tim->text());
    c.trazipom = folding.fold(c.trazi_tim->text());
    if (match >= 0) {
        c.provjera_text = folding.fold(names.at(match));
        c.List1->setCurrentRow(match); // shows the player, which resets the bar for his abilities
    }
    // The bar ends at the number of names examined, counting at most one per record.
    const int examined = match >= 0 ? match + 1 : n;
    c.puni->setMaximum(n);
    c.puni->setValue(std::min(examined, PlayerLayout::recordCount));
}
