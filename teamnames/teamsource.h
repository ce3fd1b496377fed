#pragma once

#include <QStringList>

class GameFileSession;

// What the main window needs of the team name editor: its Load, and the team names and team IDs
// it listed, paired by position.
class TeamSource {
public:
    virtual ~TeamSource() = default;
    // Fills the lists from the team file's working copy now; false (after telling the user why)
    // when it could not, in which case the lists are as they were. The main window calls it once
    // the session's decompress runs have ended.
    virtual bool loadNow() = 0;
    virtual QStringList teamNames() const = 0;
    virtual QStringList teamIds() const = 0;
    virtual GameFileSession& session() = 0;
};
