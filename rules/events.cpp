#include "events.h"

#include <algorithm>
#include <vector>

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
void ShowHelp(Sheet& sheet, const HelpText& help) { sheet.SetText(Field::info, help.text); }

std::vector<Control> BuildControls() {
  std::vector<Control> controls;
  for (std::size_t i = 0; i < kStatButtons.size(); ++i) {
    controls.push_back({kStatButtons[i].name, ControlKind::StatButton, static_cast<std::uint8_t>(i)});
  }
  for (std::size_t i = 0; i < kBoxCount; ++i) {
    controls.push_back({kBoxNames[i], ControlKind::Box, static_cast<std::uint8_t>(i)});
  }
  for (std::size_t i = 0; i < kHelpTexts.size(); ++i) {
    controls.push_back({kHelpTexts[i].control, ControlKind::Caption, static_cast<std::uint8_t>(i)});
  }
  return controls;
}

const std::vector<Control>& Controls() {
  static const std::vector<Control> controls = BuildControls();
  return controls;
}

// The same controls sorted by name, for looking a click up.
const std::vector<Control>& ControlsByName() {
  static const std::vector<Control> sorted = [] {
    std::vector<Control> c = Controls();
    std::sort(c.begin(), c.end(), [](const Control& a, const Control& b) { return a.name < b.name; });
    return c;
  }();
  return sorted;
}

}  // namespace

std::span<const Control> ReactingControls() { return Controls(); }

std::optional<Control> FindControl(std::string_view name) {
  const auto& sorted = ControlsByName();
  const auto it = std::lower_bound(sorted.begin(), sorted.end(), name,
                                   [](const Control& c, std::string_view n) { return c.name < n; });
  if (it == sorted.end() || it->name != name) return std::nullopt;
  return *it;
}

void Form_Load(Sheet& sheet) { race_Click(sheet); }

Engine::Engine() { sheet_.SetBoxHandling(&RunBoxHandling); }

void Engine::Start() { Form_Load(sheet_); }

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
    case ControlKind::Caption: ShowHelp(sheet_, kHelpTexts[control.index]); break;
  }
}

void Engine::PickRace(std::string_view name) {
  sheet_.SetText(Field::race, name);
  race_Click(sheet_);
}

void Engine::TypeRace(std::string_view text) { sheet_.SetText(Field::race, text); }

void Engine::TypeName(std::string_view text) { sheet_.SetText(Field::Name, text); }

}  // namespace cindral
