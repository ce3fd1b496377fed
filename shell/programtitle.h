#pragma once

#include <QString>

// The caption of every message box the editor shows.
inline QString programTitle() {
    return QStringLiteral("Rosterly");
}
