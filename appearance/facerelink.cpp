#include "appearance/facerelink.h"

#include "appearance/relink.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

FaceRelink::FaceRelink(Form1Context context) : QObject(context.window), m(context) {
    connect(m.c.face, &QLineEdit::textChanged, this, &FaceRelink::faceChanged);
    connect(m.c.hair, &QLineEdit::textChanged, this, &FaceRelink::hairChanged);
    connect(m.c.Command5, &QPushButton::clicked, this, &FaceRelink::relink);
}

void FaceRelink::faceChanged(const QString& text) {
    m.c.lblface->setText(Relink::faceCaption(text));
    // While the box holds no number (being emptied, say) the hair box keeps its number.
    if (const auto hair = Relink::proposedHair(text))
        m.c.hair->setText(QString::number(*hair));
}

void FaceRelink::hairChanged(const QString& text) {
    m.c.lblhair->setText(Relink::hairCaption(text));
}

void FaceRelink::relink() {
    const auto nameOffset = m.selectedNameOffset();
    if (!nameOffset) {
        m.message(QStringLiteral("Select a player first."));
        return;
    }
    const Relink::Result result =
        Relink::relink(*nameOffset, m.c.Text2, m.c.face->text(), m.c.hair->text());
    if (m.writeBack(result.patches, result.error))
        m.c.Text2 = result.wordText;
}
