#include "events.h"

#include <algorithm>
#include <array>

#include "help_texts.h"
#include "race_selection.h"
#include "skill_tags.h"
#include "stat_allocation.h"
#include "trait_effects.h"

namespace cindral {

namespace {

// Every box runs the handling of its kind: the tag rule for the skill tag
// boxes, the trait's own handling for the trait boxes.
void RunBoxHandling(Sheet& sheet, Box box) {
  if (IsTagBox(box)) TagBox_Click(sheet, SkillOf(box));
  else TraitBox_Click(sheet, TraitOf(box));
}

// The information panel: a caption, the counter `tags` or the About button
// shows its text and changes nothing else.
void ShowHelp(Sheet& sheet, std::size_t caption) { sheet.SetText(Field::info, CaptionText(caption)); }

// Every reacting control in the window's order: the buttons, the boxes,
// then the captions.
constexpr std::size_t kControlCount = kStatButtons.size() + kBoxCount + kCaptionCount;

constexpr std::array<Control, kControlCount> kControls = [] {
  std::array<Control, kControlCount> controls{};
  std::size_t n = 0;
  for (std::size_t i = 0; i < kStatButtons.size(); ++i) {
    controls[n++] = {kStatButtons[i].name, ControlKind::StatButton, static_cast<std::uint8_t>(i)};
  }
  for (std::size_t i = 0; i < kBoxCount; ++i)
    controls[n++] = {kBoxNames[i], ControlKind::Box, static_cast<std::uint8_t>(i)};
  for (std::size_t i = 0; i < kCaptionCount; ++i) {
    controls[n++] = {kCaptionControls[i], ControlKind::Caption, static_cast<std::uint8_t>(i)};
  }
  return controls;
}();

// The same controls sorted by name, for looking a click up.
constexpr std::array<Control, kControlCount> kControlsByName = [] {
  std::array<Control, kControlCount> sorted = kControls;
  std::sort(sorted.begin(), sorted.end(), [](const Control& a, const Control& b) { return a.name < b.name; });
  return sorted;
}();

constexpr bool NamesAreUnique() {
  for (std::size_t i = 1; i < kControlsByName.size(); ++i) {
    if (kControlsByName[i - 1].name == kControlsByName[i].name) return false;
  }
  return true;
}
static_assert(NamesAreUnique(), "every reacting control has a name of its own");

}  // namespace

std::span<const Control> ReactingControls() { return kControls; }

std::optional<Control> FindControl(std::string_view name) {
  const auto it = std::lower_bound(kControlsByName.begin(), kControlsByName.end(), name,
                                   [](const Control& c, std::string_view n) { return c.name < n; });
  if (it == kControlsByName.end() || it->name != name) return std::nullopt;
  return *it;
}

void Form_Load(Sheet& sheet) { race_Click(sheet); }

Engine::Engine() { sheet_.SetBoxHandling(&RunBoxHandling); }

void Engine::Start() {
  lastPick_ = sheet_.Text(Field::race);
  Form_Load(sheet_);
}

bool Engine::Click(std::string_view control) {
  const auto found = FindControl(control);
  if (!found) return false;
  Click(*found);
  return true;
}

void Engine::Click(const Control& control) {
  switch (control.kind) {
    case ControlKind::StatButton: StatButton_Click(sheet_, kStatButtons[control.index]); break;
    case ControlKind::Box: sheet_.UserClick(static_cast<Box>(control.index)); break;
    case ControlKind::Caption: ShowHelp(sheet_, control.index); break;
  }
}

void Engine::PickRace(std::string_view name) {
  lastPick_ = name;
  sheet_.SetText(Field::race, name);
  race_Click(sheet_);
}

void Engine::TypeRace(std::string_view text) { sheet_.SetText(Field::race, text); }

void Engine::TypeName(std::string_view text) { sheet_.SetText(Field::Name, text); }

void Engine::ShowCharacterCopied() { sheet_.SetText(Field::info, CharacterCopiedText()); }

}  // namespace cindral
