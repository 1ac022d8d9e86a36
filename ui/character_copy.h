// The character copied out of the window, in two forms at once: the plain
// text of its summary (character_summary.h), which reads well pasted into a
// chat or a plain editor and pastes back into the window, and the same
// lines as an HTML table, which pastes into a word processor as a table.
// Both only render the summary the rules write; no file is written.
#pragma once

#include <QString>

#include "events.h"

class QMimeData;

namespace cindral {

QString CharacterText(const Engine& engine);

// The same lines as a table, every text escaped.
QString CharacterHtml(const Engine& engine);

// Both forms for the clipboard, which takes it over.
QMimeData* CharacterMimeData(const Engine& engine);

}  // namespace cindral
