// The notes box: the race's note and one line for every ticked trait.
#pragma once

#include "sheet.h"

namespace cindral {

// Rebuilds the notes box from the race text and the ticked traits.
void UpdateExtraNotes(Sheet& sheet);

}  // namespace cindral
