// The yardstick for the program's start-up time and memory: an application
// that shows one label and nothing else. With CINDRAL_QUIT_AFTER_SHOWN=1 it
// prints "shown" and exits after its first paint, as the program does.
#include <QApplication>
#include <QLabel>

#include "quit_after_shown.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QLabel label(QStringLiteral("Cindral PnP"));
  label.show();
  cindral::QuitAfterFirstPaintWhenAsked(label);
  return app.exec();
}
