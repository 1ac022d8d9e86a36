#include "window_icon.h"

#include <QImage>
#include <QPixmap>

// The images are XPM source, read straight from memory: no image reader,
// so no search for image format plugins at start-up.
#include "cindral-16.xpm"
#include "cindral-32.xpm"

namespace cindral {

QIcon WindowIcon() {
  QIcon icon;
  icon.addPixmap(QPixmap::fromImage(QImage(cindral_16)));
  icon.addPixmap(QPixmap::fromImage(QImage(cindral_32)));
  return icon;
}

}  // namespace cindral
