// The one window of the program: it shows every field of the sheet at its
// fixed place and turns the player's clicks, keys and typing into the
// engine's events, each through the history of the player's steps, so that
// any of them can be taken back. Made, it is whole: its keys, context menu,
// tooltips and screen-reader support come with it. It keeps no state of the
// character: after every action, undo or redo it shows what the sheet holds.
#pragma once

#include <QHash>
#include <array>
#include <bitset>
#include <optional>
#include <string_view>

#include "controls.h"
#include "events.h"
#include "history.h"
#include "sheet_view.h"
#include "window_layout.h"
#include "zoom.h"

class QLabel;
class QMenu;

namespace cindral {

class InfoPanel;

class CharacterWindow : public SheetView, private SheetObserver {
  Q_OBJECT
 public:
  explicit CharacterWindow(QWidget* parent = nullptr);
  ~CharacterWindow() override;

  const Engine& engine() const override { return engine_; }
  const History& history() const { return *history_; }

  Outcome Act(const Action& action) override;
  const Sheet& sheet() const override { return engine_.sheet(); }
  bool RaceTextIsPicked() const override { return engine_.RaceTextIsPicked(); }
  bool CanUndo() const override { return history_->CanUndo(); }
  bool CanRedo() const override { return history_->CanRedo(); }
  QWidget* Control(std::string_view name) const override;

  // The menu a right-click opens: "Undo", "Redo", "Copy Character",
  // "Paste Character", "Print Character…" and "Check Character", then the
  // zoom's entries. It is made the first time it is asked for.
  QMenu& ContextMenu();

  // How large the whole window is drawn, in percent of its layout: one of
  // kZoomSteps, 100 at start. The zoom is the window's own: no step of the
  // character, unseen by undo and redo, and not kept.
  int zoom() const { return zoom_; }
  // Redraws the window at one of kZoomSteps and fixes its size there;
  // another percentage is a fault of the program.
  void SetZoom(int percent);
  // Ctrl+Plus and Ctrl+Minus: the next step up or down, none past either end.
  void ZoomBy(int steps);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void FieldChanged(Field field) override { dirtyFields_.set(Index(field)); }
  void BoxChanged(Box box) override { dirtyBoxes_.set(Index(box)); }

  void BuildFrames();
  void BuildLabels();
  void BuildButtons();
  void BuildBoxes();
  void BuildTopControls();
  void SetFocusOrder();
  void AddKeys();
  void AddZoomKeys();
  void AddZoomEntries(QMenu& menu);
  void KeepOnScreen();
  void CopyCharacterToClipboard() const;

  // Puts every field and box changed since the last call on screen.
  void ShowSheet();
  void ShowBoxes();

  QWidget* FrameWidget(Frame frame) const { return frames_[static_cast<std::size_t>(frame)]; }

  Engine engine_;
  // Made once the load handling has run: the first undo comes back to the
  // character the window opens on, never before it.
  std::optional<History> history_;
  std::array<QWidget*, kFrameCount> frames_{};
  std::array<QLabel*, kFieldCount> fieldLabels_{};
  std::array<SheetBox*, kBoxCount> boxes_{};
  std::array<ClickLabel*, kBoxCount> boxCaptions_{};
  RaceBox* race_ = nullptr;
  SheetLineEdit* name_ = nullptr;
  NotesBox* extra_ = nullptr;
  InfoPanel* info_ = nullptr;
  QMenu* menu_ = nullptr;  // made on the first right-click
  int zoom_ = 100;
  ZoomStyle* zoomStyle_ = nullptr;  // made at the first zoom
  // Every named widget, looked up on every event by the tooltips and the
  // screen-reader names; a search of the window's children each time would
  // cost more than the event itself.
  QHash<QString, QWidget*> byName_;
  ShownFields dirtyFields_;
  std::bitset<kBoxCount> dirtyBoxes_;
};

}  // namespace cindral
