// The sheet's texts are UTF-8; the widgets take QString.
#pragma once

#include <QString>
#include <string_view>

namespace cindral {

inline QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// A text as a screen reader is given it to say: on one line, each line of
// the text a sentence of its own (a screen reader says nothing of a name or
// a description that runs over several lines).
inline QString Spoken(const QString& text) {
  QString spoken;
  for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    if (!spoken.isEmpty())
      spoken += QStringLiteral(".:!?;,").contains(spoken.back()) ? QStringLiteral(" ") : QStringLiteral(". ");
    spoken += line;
  }
  return spoken;
}

}  // namespace cindral
