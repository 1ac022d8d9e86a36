// What a screen reader says for the window and what its actions do: every
// control named by what it is and what it holds, every rule text there to be
// read, and the accessibility actions of the tick boxes run through the
// rules like a click. Nothing here changes the sheet by itself.
#pragma once

namespace cindral {

class CharacterWindow;

// Every control is named by what it is and the value beside it ("Strength 6,
// plus", "Small Guns 25%, tag", "Bruiser"), every value field by its caption
// and value ("Hit Points: 30"); a button that a press cannot move says why in
// its description, a tick box and a caption carry their rule text, and the
// information panel is named by the text it shows. All of it is set only
// while a screen reader (or another accessibility client) listens, and kept
// current after every event from then on. The Toggle and Press actions of a
// tick box ask the engine, exactly as a click on the box does.
void AddAccessibleNames(CharacterWindow& window);

// Has the text the information panel shows just now said at once, wherever
// the focus is: for the keys that fill the panel (F1, Ctrl+F1). A click on a
// caption or on About is said without being asked.
void SpeakInformation(CharacterWindow& window);

}  // namespace cindral
