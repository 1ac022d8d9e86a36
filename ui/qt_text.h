// The sheet's texts are UTF-8; the widgets take QString.
#pragma once

#include <QString>
#include <string_view>

namespace cindral {

inline QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace cindral
