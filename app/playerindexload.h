#pragma once

#include "app/form1context.h"

class TeamSource;
class CodecRuns;

// "Load" of the main window: fills the player index from the working copy, shows the abilities,
// has the team name editor load the team file and copies its team names into the team chooser.
// Needs a chosen player database. Returns false, after saying why, when the working copy cannot
// be read; the lists then stay as they were.
bool loadPlayerIndex(const Form1Context& m, CodecRuns& decompressRuns, TeamSource& teams);
