#pragma once

#include "app/form1context.h"

#include <QObject>

// The "Face Relink" frame: the face and hair boxes follow each other and their labels, and
// "Relink" writes the selected player's face and hair links into the working copy.
class FaceRelink : public QObject {
    Q_OBJECT
public:
    explicit FaceRelink(Form1Context context);

    void relink();

private:
    void faceChanged(const QString& text);
    void hairChanged(const QString& text);

    Form1Context m;
};
