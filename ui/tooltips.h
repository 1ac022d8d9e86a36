// Tooltips that tell the player why a tick box cannot be ticked.
#pragma once

namespace cindral {

class CharacterWindow;

// A disabled tick box and its caption carry the reason as their tooltip.
void AddDisabledTooltips(CharacterWindow& window);

}  // namespace cindral
