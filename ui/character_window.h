// The one window of the program: it shows every field of the sheet at its
// fixed place and turns the player's clicks and typing into the engine's
// events. It keeps no state of the character: after every event it shows
// what the sheet holds.
#pragma once

#include <QHash>
#include <QWidget>
#include <array>
#include <bitset>
#include <string_view>

#include "controls.h"
#include "events.h"
#include "window_layout.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace cindral {

class CharacterWindow : public QWidget, private SheetObserver {
  Q_OBJECT
 public:
  explicit CharacterWindow(QWidget* parent = nullptr);
  ~CharacterWindow() override;

  Engine& engine() { return engine_; }

  // The widget that shows a field or a box, by control name.
  QWidget* Control(std::string_view name) const;

  // Puts every field changed since the last call on screen.
  void ShowSheet();

 signals:
  // After every event has been handled and shown.
  void sheetShown();

 private:
  void FieldChanged(Field field) override { dirtyFields_.set(Index(field)); }
  void BoxChanged(Box box) override { dirtyBoxes_.set(Index(box)); }

  void BuildFrames();
  void BuildLabels();
  void BuildButtons();
  void BuildBoxes();
  void BuildTopControls();
  void SetFocusOrder();

  // Runs one of the player's events, then shows the sheet.
  template <typename Event>
  void Handle(Event&& event);

  QWidget* FrameWidget(Frame frame) const { return frames_[static_cast<std::size_t>(frame)]; }

  Engine engine_;
  std::array<QWidget*, kFrameCount> frames_{};
  std::array<QLabel*, kFieldCount> fieldLabels_{};
  std::array<SheetBox*, kBoxCount> boxes_{};
  RaceBox* race_ = nullptr;
  QLineEdit* name_ = nullptr;
  QPlainTextEdit* extra_ = nullptr;
  // Every named widget, looked up on every event by the tooltips and the
  // screen-reader names; a search of the window's children each time would
  // cost more than the event itself.
  QHash<QString, QWidget*> byName_;
  std::bitset<kFieldCount> dirtyFields_;
  std::bitset<kBoxCount> dirtyBoxes_;
};

}  // namespace cindral
