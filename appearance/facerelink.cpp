#include "appearance/facerelink.h"

#include "appearance/relink.h"
#include "player/hiddenplayerfields.h"
#include "player/playerlists.h"
#include "shell/gamefilesession.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

FaceRelink::FaceRelink(const FaceRelinkControls& controls, const PlayerLists& lists,
                       HiddenPlayerFields& hidden, GameFileSession& session, ShowPlayer showPlayer)
    : QObject(controls.Command5), c(controls), m_lists(lists), m_hidden(hidden), m_session(session),
      m_showPlayer(std::move(showPlayer)) {
    connect(c.face, &QLineEdit::textChanged, this, &FaceRelink::faceChanged);
    connect(c.hair, &QLineEdit::textChanged, this, &FaceRelink::hairChanged);
    connect(c.Command5, &QPushButton::clicked, this, &FaceRelink::relink);
}

void FaceRelink::faceChanged(const QString& text) {
    c.lblface->setText(Relink::faceCaption(text));
    // While the box holds no number (being emptied, say) the hair box keeps its number.
    if (const auto hair = Relink::proposedHair(text))
        c.hair->setText(QString::number(*hair));
}

void FaceRelink::hairChanged(const QString& text) {
    c.lblhair->setText(Relink::hairCaption(text));
}

void FaceRelink::relink() {
    const auto nameOffset = m_session.isOpen() ? m_lists.selectedNameOffset() : std::nullopt;
    if (!nameOffset) {
        m_session.message(QStringLiteral("Select a player first."));
        return;
    }
    const Relink::Result result =
        Relink::relink(*nameOffset, m_hidden.Text2, c.face->text(), c.hair->text());
    const qint64 n = *nameOffset;
    if (m_session.writeBack(result.patches, result.error,
                            QStringLiteral("Relink: %1").arg(m_lists.odabir_timova.text()),
                            [show = m_showPlayer, n] { show(n); }))
        m_hidden.Text2 = result.wordText;
}
