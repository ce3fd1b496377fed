#include "appearance/facerelink.h"

#include "appearance/relink.h"
#include "player/hiddenplayerfields.h"
#include "player/playerlists.h"
#include "shell/gamefilesession.h"

#include <QEvent>
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

bool FaceRelink::event(QEvent* event) {
    // The window hands a change of language on to its widgets' children, this among them.
    if (event->type() == QEvent::LanguageChange)
        setTexts();
    return QObject::event(event);
}

void FaceRelink::setTexts() {
    // Only a label that shows a file name: the window sets the captions before the first one.
    if (m_faceShown)
        c.lblface->setText(Relink::faceCaption(c.face->text()));
    if (m_hairShown)
        c.lblhair->setText(Relink::hairCaption(c.hair->text()));
}

void FaceRelink::faceChanged(const QString& text) {
    m_faceShown = true;
    c.lblface->setText(Relink::faceCaption(text));
    // While the box holds no number (being emptied, say) the hair box keeps its number.
    if (const auto hair = Relink::proposedHair(text))
        c.hair->setText(QString::number(*hair));
}

void FaceRelink::hairChanged(const QString& text) {
    m_hairShown = true;
    c.lblhair->setText(Relink::hairCaption(text));
}

void FaceRelink::relink() {
    const auto nameOffset = m_session.isOpen() ? m_lists.selectedNameOffset() : std::nullopt;
    if (!nameOffset) {
        m_session.message(tr("Select a player first."));
        return;
    }
    const Relink::Result result =
        Relink::relink(*nameOffset, m_hidden.Text2, c.face->text(), c.hair->text());
    const qint64 n = *nameOffset;
    if (m_session.writeBack(result.patches, result.error,
                            tr("Relink: %1").arg(m_lists.odabir_timova.text()),
                            [show = m_showPlayer, n] { show(n); }))
        m_hidden.Text2 = result.wordText;
}
