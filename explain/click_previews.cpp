#include "click_previews.h"

#include <array>
#include <cstdint>
#include <utility>

#include "reasons.h"
#include "stat_allocation.h"
#include "value_breakdowns.h"
#include "words.h"

namespace cindral {

namespace {

// The number fields as the window stands them: Primary Stats with Char
// Points, Secondary Stats, Traits Left, then the skills with Tags Left.
constexpr std::size_t kNumberFieldCount = kStatCount + kSecondaryStatCount + kSkillCount + 3;

constexpr std::array<Field, kNumberFieldCount> kNumberFields = [] {
  std::array<Field, kNumberFieldCount> fields{};
  std::size_t n = 0;
  for (const StatInfo& s : kStats) fields[n++] = s.field;
  fields[n++] = Field::chpoint;
  for (const CaptionedField& f : kSecondaryStats) fields[n++] = f.field;
  fields[n++] = Field::traits;
  for (const SkillInfo& s : kSkills) fields[n++] = s.value;
  fields[n++] = Field::tags;
  return fields;
}();

std::string_view BoxCaption(Box box) {
  return IsTagBox(box) ? kSkills[Index(SkillOf(box))].caption : kTraits[Index(TraitOf(box))].caption;
}

void AddBoxLine(std::string& text, const char* what, const std::vector<Box>& boxes) {
  if (boxes.empty()) return;
  std::vector<std::string> names;
  for (const Box box : boxes) names.emplace_back(BoxCaption(box));
  if (!text.empty()) text += '\n';
  text.append(what).append(": ").append(Items(names));
}

// Where a number stands: with the statistics and the counters, among the
// secondary statistics, or among the skills.
enum class Group : std::uint8_t { StatisticsAndCounters, SecondaryStats, Skills };
constexpr std::size_t kGroupCount = 3;

Group GroupOf(Field field) {
  for (const CaptionedField& f : kSecondaryStats) {
    if (f.field == field) return Group::SecondaryStats;
  }
  for (const SkillInfo& s : kSkills) {
    if (s.value == field) return Group::Skills;
  }
  return Group::StatisticsAndCounters;
}

// A line for each group of numbers that changes, then a line for each kind
// of box.
std::string Words(const ClickPreview& preview) {
  std::array<std::vector<std::string>, kGroupCount> groups;
  for (const FieldChange& c : preview.fields) {
    std::string item = std::string(FieldCaption(c.field)) + " " + c.before + " → " + c.after;
    groups[static_cast<std::size_t>(GroupOf(c.field))].push_back(std::move(item));
  }
  std::string text;
  for (const std::vector<std::string>& numbers : groups) {
    if (numbers.empty()) continue;
    if (!text.empty()) text += '\n';
    text += Items(numbers);
  }
  AddBoxLine(text, "Ticks", preview.ticked);
  AddBoxLine(text, "Unticks", preview.unticked);
  AddBoxLine(text, "Opens", preview.opened);
  AddBoxLine(text, "Closes", preview.closed);
  return text;
}

}  // namespace

ClickPreview PreviewClick(const Engine& engine, const Control& control) {
  Engine side(engine);
  side.Click(control);
  const Sheet& before = engine.sheet();
  const Sheet& after = side.sheet();

  ClickPreview preview;
  for (const Field field : kNumberFields) {
    if (before.Text(field) != after.Text(field))
      preview.fields.push_back({field, before.Text(field), after.Text(field)});
  }
  const bool boxClicked = control.kind == ControlKind::Box;
  const auto compare = [&](Box box) {
    const bool clicked = boxClicked && static_cast<Box>(control.index) == box;
    if (!clicked && before.State(box) != after.State(box)) {
      (after.State(box) == 1 ? preview.ticked : preview.unticked).push_back(box);
    }
    if (before.Enabled(box) != after.Enabled(box))
      (after.Enabled(box) ? preview.opened : preview.closed).push_back(box);
  };
  // The boxes in trait order, then the tags in skill order.
  for (const TraitInfo& t : kTraits) compare(t.box);
  for (const SkillInfo& s : kSkills) compare(s.box);
  return preview;
}

std::string Refusal(const Sheet& sheet, const Control& control, Breaks breaks) {
  switch (control.kind) {
    case ControlKind::StatButton: return ButtonReason(sheet, kStatButtons[control.index]);
    case ControlKind::Box: return BoxReason(sheet, static_cast<Box>(control.index), breaks);
    case ControlKind::Caption: break;
  }
  return {};
}

std::string PreviewText(const Engine& engine, std::string_view name, Breaks breaks) {
  const auto control = FindControl(name);
  if (!control || control->kind == ControlKind::Caption) return {};
  const std::string changes = Words(PreviewClick(engine, *control));
  const std::string refusal = Refusal(engine.sheet(), *control, Breaks::Marked);
  if (changes.empty()) return refusal.empty() ? "Changes nothing" : Finished(refusal, breaks);
  if (refusal.empty()) return Finished(changes, breaks);
  return Finished(refusal + ". It still recomputes the sheet:\n" + changes, breaks);
}

}  // namespace cindral
