// The window's icon: a 16 × 16 and a 32 × 32 image in sixteen colours.
#pragma once

#include <QIcon>

namespace cindral {

QIcon WindowIcon();

}  // namespace cindral
