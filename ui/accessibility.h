// What a screen reader says for the window and what its actions do: every
// control named by what it is and what it holds, every rule text there to be
// read, and the accessibility actions of the tick boxes run through the
// rules like a click. Nothing here changes the sheet by itself.
#pragma once

namespace cindral {

class SheetView;

// Every control is named by what it is and the value beside it ("Strength 6,
// plus", "Small Guns 25%, tag", "Bruiser"), every value field by its caption
// and value ("Hit Points: 30"); a button that a press cannot move says why in
// its description, a tick box and a caption carry their rule text, and the
// information panel is named by the text it shows. The names, and the
// descriptions that explain, are made from the sheet when a client asks for
// them; the rest is set only once a screen reader (or another accessibility
// client) listens, and a box caption's reason is kept current after every
// event from then on. A press of a statistic's button is answered at once
// with its new value or the reason it changed nothing, and the text a
// caption click, F1, Ctrl+F1, About or a copy puts in the panel is said at
// once. The Toggle and Press actions of a tick box are a click on the box,
// which the window runs through the rules as any other.
void AddAccessibleNames(SheetView& window);

}  // namespace cindral
