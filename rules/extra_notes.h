// The notes box: the race's note and one line for every ticked trait.
#pragma once

#include "sheet.h"

namespace cindral {

// Rebuilds the notes box from the race text and the ticked traits.
void UpdateExtraNotes(Sheet& sheet);

// The line a ticked trait puts in the notes box, with the blank it ends with:
// "Bruiser. -2 Action Points, +2 Strength. ".
std::string_view NoteLineOf(Trait trait);

}  // namespace cindral
