// A testing aid for the installed program, which takes no command line:
// with CINDRAL_QUIT_AFTER_SHOWN=1 in its environment the program prints
// "shown" and exits right after the window's first paint. Without it (or
// with any other value) nothing changes.
#pragma once

class QWidget;

namespace cindral {

void QuitAfterFirstPaintWhenAsked(QWidget& window);

}  // namespace cindral
