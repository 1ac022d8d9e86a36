// The main window as its own parts see it: the keys, the context menu, the
// tooltips and the screen-reader support. They read the character from the
// sheet, find the window's controls by name, and hand every action of the
// player to the window's one entrance, Act; none of them runs a rule or
// changes the sheet itself. The window (character_window.h) is the one
// class that fills this in.
#pragma once

#include <QClipboard>
#include <QGuiApplication>
#include <QWidget>
#include <bitset>
#include <string>
#include <string_view>

#include "history.h"

namespace cindral {

// A paste of the character: what the clipboard holds as plain text now
// ("" for a picture or nothing at all).
inline Action PasteFromClipboard() { return PasteCharacter(QGuiApplication::clipboard()->text().toStdString()); }

// The fields whose text the window has just put on screen.
using ShownFields = std::bitset<kFieldCount>;

class SheetView : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;

  // Every action of the player enters here, from the mouse, the keyboard, the
  // context menu and the accessibility actions alike: it runs through the
  // history of the player's steps, then the sheet is shown.
  virtual Outcome Act(const Action& action) = 0;

  // The character as the sheet holds it, and whether the race text is the
  // race last picked from the list or only typed.
  virtual const Sheet& sheet() const = 0;
  // The engine behind the sheet, to read or to copy for trying a click on
  // the side; never to act on.
  virtual const Engine& engine() const = 0;
  virtual bool RaceTextIsPicked() const = 0;

  // Whether there is a step to take back, or one to take again.
  virtual bool CanUndo() const = 0;
  virtual bool CanRedo() const = 0;

  // The window's control by name; nullptr for "" or a name it does not have.
  virtual QWidget* Control(std::string_view name) const = 0;

  // A control the window's own tables name, which the window always has,
  // of the kind it always is: anything else is a fault of the program, and
  // ends it at once with the name.
  template <typename W = QWidget>
  W& OwnControl(std::string_view name) const {
    auto* w = qobject_cast<W*>(Control(name));
    if (!w)
      qFatal("the window has no %s named \"%.*s\"", W::staticMetaObject.className(), int(name.size()), name.data());
    return *w;
  }

 signals:
  // After every action, undo and redo, once the window shows the sheet:
  // the fields whose text changed, the information panel's among them.
  void sheetShown(const cindral::ShownFields& changed);
  // After an action has run and been shown: what it was and what it did.
  void acted(const cindral::Action& action, const cindral::Outcome& outcome);
};

}  // namespace cindral
