#include "quit_after_shown.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

#include <cstdio>

namespace cindral {
namespace {

class FirstPaintQuitter : public QObject {
 public:
  explicit FirstPaintQuitter(QWidget& window) : QObject(&window) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // Leave once this paint has reached the screen, not in the middle of it.
      QMetaObject::invokeMethod(
          QCoreApplication::instance(),
          [] {
            std::puts("shown");
            std::fflush(stdout);
            QCoreApplication::quit();
          },
          Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool seen_ = false;
};

}  // namespace

void QuitAfterFirstPaintWhenAsked(QWidget& window) {
  if (qEnvironmentVariable("CINDRAL_QUIT_AFTER_SHOWN") != QLatin1String("1")) return;
  window.installEventFilter(new FirstPaintQuitter(window));
}

}  // namespace cindral
