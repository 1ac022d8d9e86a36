// The character sheet: the one store of the character. Every value the
// window shows lives here under its control's name; the window mirrors it.
// Beside the values it keeps the race the recomputations read to make
// them, as they note it; it computes nothing itself.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "fields.h"

namespace cindral {

// Told of every change of a field's text, a box's state or a box's enabled
// flag, as it happens.
class SheetObserver {
 public:
  virtual ~SheetObserver() = default;
  virtual void FieldChanged(Field field) = 0;
  virtual void BoxChanged(Box box) = 0;
};

class Sheet;

// What the two recomputations that read the race text read of it when they
// last set what they own: the values and boxes they set follow that race
// until they run again, however the race text is typed in between.
struct RacesRead {
  // UpdateSecondaryStats: the race the secondary statistics shown were
  // computed for; none for a race text that named no race. A run that
  // changes no value keeps the race noted while that race makes every
  // value as well, so that it changes only with what the player sees.
  std::optional<Race> secondaryStats;
  // EnableRaceTraits and UpdateTraitBoxes: the column of the trait table
  // whose list the trait boxes are open by; none while they are closed for
  // want of traits left, and before the first race set them.
  std::optional<TraitColumn> traitBoxes;

  bool operator==(const RacesRead&) const = default;
};

// A tick box's click handling; it runs after the state has changed.
using BoxHandling = void (*)(Sheet&, Box);

class Sheet {
 public:
  // Every field takes its initial content: the statistics and pool 5, the
  // skill values of an all-5 character, Tags Left 3, Traits Left 2, race
  // "Human", name "Name", the secondary values and the texts empty; every
  // box unticked and enabled.
  Sheet();

  // A copy holds the same texts and boxes and runs the same handling, but
  // tells nobody of its changes: it is for trying a click on the side,
  // never shown. Only ever made on purpose.
  explicit Sheet(const Sheet& other);
  Sheet& operator=(const Sheet&) = delete;

  const std::string& Text(Field field) const { return text_[Index(field)]; }
  // Returns whether the text changed.
  bool SetText(Field field, std::string_view text);

  double Number(Field field) const;
  void SetNumber(Field field, double value);

  int State(Box box) const { return boxes_[Index(box)].state; }
  bool Enabled(Box box) const { return boxes_[Index(box)].enabled; }

  // Setting a state that differs from the box's own runs the box's click
  // handling before it returns, enabled or not; setting the same state runs
  // nothing.
  void SetState(Box box, int state);
  void SetEnabled(Box box, bool enabled);

  // Puts a box's state and enabled flag back as they were, running no
  // handling: for taking a step back, never for playing.
  void RestoreBox(Box box, int state, bool enabled);

  // A user's click: a disabled box ignores it; an enabled one flips, then
  // runs its handling, which sees the new state. Returns whether it flipped.
  bool UserClick(Box box);

  // What the recomputations that read the race text read of it last. Only
  // they write it, as they run; the sheet keeps it beside the values it
  // explains, and a step back puts it back with them.
  const RacesRead& LastRacesRead() const { return racesRead_; }
  void SetLastRacesRead(const RacesRead& read) { racesRead_ = read; }

  // Reads any field or box by its control name; a box reads "0" or "1".
  // An unknown name reads as nothing.
  std::optional<std::string> TextByName(std::string_view name) const;

  void SetBoxHandling(BoxHandling handling) { handling_ = handling; }
  void SetObserver(SheetObserver* observer) { observer_ = observer; }

 private:
  struct BoxState {
    int state = 0;
    bool enabled = true;
  };

  void TextChanged(Field field);

  std::array<std::string, kFieldCount> text_;
  std::array<BoxState, kBoxCount> boxes_;
  RacesRead racesRead_;
  BoxHandling handling_ = nullptr;
  SheetObserver* observer_ = nullptr;
};

// Whether a box, or a trait's box, is ticked.
inline bool Ticked(const Sheet& sheet, Box box) { return sheet.State(box) == 1; }
inline bool Ticked(const Sheet& sheet, Trait trait) { return Ticked(sheet, TraitBox(trait)); }

}  // namespace cindral
