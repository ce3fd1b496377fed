#pragma once

#include <QString>
#include <QStringList>

// The registered position: the `position` list's twelve entries, the stored codes that select
// each and the one code stored when it is chosen. Codes come in groups of sixteen per position.
namespace PositionTable {

constexpr int entryCount = 12;

// The entries' captions in English ("GK", "SWP", ... "CF"), as sheets and the command line
// read and write them.
QStringList captions();
// The same in the language shown, for the screen.
QStringList shownCaptions();

// Entry selected by a stored code, or -1 when no entry lists it.
int entryForCode(int code);

// Code stored when the entry is chosen.
int codeForEntry(int entry);

// Number of the position check box (Check1-Check12) that marks the entry as playable.
int checkBoxForEntry(int entry);

} // namespace PositionTable
