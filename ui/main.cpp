#include <QApplication>

#include "character_window.h"
#include "desktop_support.h"
#include "quit_after_shown.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  cindral::CharacterWindow window;
  cindral::AddDesktopSupport(window);
  window.show();
  cindral::QuitAfterFirstPaintWhenAsked(window);
  return app.exec();
}
