// The character copied out of the window: everything a player would copy by
// hand, in two forms at once. Plain text, a line for each value, reads well
// pasted into a chat or a plain editor; an HTML table pastes into a word
// processor as a table. Both are read from the sheet as the window shows
// it; no file is written.
#pragma once

#include <QString>

#include "sheet.h"

class QMimeData;

namespace cindral {

// The name, the race text, the seven statistics and Char Points, the ticked
// traits in trait order, the nineteen skills with the tagged ones marked,
// the seventeen secondary statistics and the notes.
QString CharacterText(const Sheet& sheet);

// The same as a table, every text of the sheet escaped.
QString CharacterHtml(const Sheet& sheet);

// Both forms for the clipboard, which takes it over.
QMimeData* CharacterMimeData(const Sheet& sheet);

}  // namespace cindral
