#pragma once

#include <QString>

// A text as searches compare it: without accents and whatever the case, so that "lefevre" finds
// "Lefèvre". Letters with no accent to take off are written as a reader who lacks them writes
// them: ø as o, æ as ae, œ as oe, ß as ss, ł as l, đ and ð as d, þ as th.
QString searchForm(const QString& text);
