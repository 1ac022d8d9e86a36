#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "character_window.h"
#include "fonts.h"

namespace {

// The name of the desktop entry the program is launched from. It is also
// the window's X11 class and its Wayland app id, so that docks and task bars
// tie the running window to the entry's icon and name.
constexpr char kDesktopId[] = "org.cindralpnp.CharacterGenerator";

bool IsSet(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr && value[0] != '\0';
}

// The toolkit's own options that name a display or a platform.
bool NamesDisplay(const char* argument) {
  if (argument[0] == '-' && argument[1] == '-') ++argument;
  return std::strcmp(argument, "-platform") == 0 || std::strcmp(argument, "-display") == 0;
}

// True when there is a display to open a window on, or a platform was
// chosen by hand (an offscreen run, a test, a framebuffer).
bool HasDisplay(int argc, char* argv[]) {
  if (IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM")) return true;
  for (int i = 1; i < argc; ++i) {
    if (NamesDisplay(argv[i])) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Without a display the toolkit aborts with advice to reinstall, which
  // helps nobody; say what is missing and leave.
  if (!HasDisplay(argc, argv)) {
    std::fprintf(stderr,
                 "cindral: needs a graphical desktop session (X11 or Wayland), but neither DISPLAY nor "
                 "WAYLAND_DISPLAY is set\n");
    return 1;
  }
  QApplication::setApplicationName(QString::fromLatin1(kDesktopId));
  QApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
  QApplication app(argc, argv);
  // The window's font is the program's too, so that the race list, the
  // menu and the tooltips take it and no other font is ever loaded.
  QApplication::setFont(cindral::WindowFont());
  cindral::CharacterWindow window;
  window.show();
  return app.exec();
}
