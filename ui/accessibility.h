// Names a screen reader says for every control, kept current as the sheet
// changes.
#pragma once

namespace cindral {

class CharacterWindow;

// Every control is named by what it is ("Strength, plus", "Small Guns, tag",
// "Bruiser"), every value field by its caption and value ("Hit Points: 30"),
// and the information panel is described by the text it shows.
void AddAccessibleNames(CharacterWindow& window);

}  // namespace cindral
