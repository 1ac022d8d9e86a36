// Print Character: the print preview of a one-page character sheet, from
// which the player prints (to paper, or to PDF through the system's print
// dialog). It is the window's command, not a step of the character: it
// changes nothing of the sheet, goes through no history and leaves the
// information panel as it is. The program itself writes no file.
//
// The preview and the page's drawing live in a module of their own, loaded
// on the first print: a window that is never printed does not load the
// toolkit's print support at start-up.
#pragma once

#include <QKeyCombination>

#include "events.h"

class QDialog;
class QWidget;

namespace cindral {

struct PrintedSheet;

inline constexpr QKeyCombination kPrintCharacterKey = Qt::CTRL | Qt::Key_P;

// Opens the preview of the character as it stands, over `window`; the
// preview is window-modal, so the character cannot change under it. Returns
// the preview, which deletes itself when closed; nullptr, after telling the
// player why, when the print module cannot be loaded.
QDialog* PrintCharacter(QWidget& window, const Engine& engine);

// What the print module exports: opens the preview of a sheet over `parent`.
using OpenPrintPreview = QDialog* (*)(QWidget* parent, const PrintedSheet& sheet);
inline constexpr char kOpenPrintPreviewSymbol[] = "cindral_open_print_preview";

}  // namespace cindral
