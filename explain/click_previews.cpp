#include "click_previews.h"

#include <array>

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
  text.append(what).append(": ").append(Listed(names));
}

std::string Words(const ClickPreview& preview) {
  std::vector<std::string> numbers;
  for (const FieldChange& c : preview.fields) {
    numbers.push_back(std::string(FieldCaption(c.field)) + " " + c.before + " → " + c.after);
  }
  std::string text = Listed(numbers);
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

std::string Refusal(const Sheet& sheet, const Control& control) {
  switch (control.kind) {
    case ControlKind::StatButton: return ButtonReason(sheet, kStatButtons[control.index]);
    case ControlKind::Box: return BoxReason(sheet, static_cast<Box>(control.index));
    case ControlKind::Caption: break;
  }
  return {};
}

std::string PreviewText(const Engine& engine, std::string_view name) {
  const auto control = FindControl(name);
  if (!control || control->kind == ControlKind::Caption) return {};
  const std::string changes = Words(PreviewClick(engine, *control));
  const std::string refusal = Refusal(engine.sheet(), *control);
  if (changes.empty()) return refusal.empty() ? "Changes nothing" : refusal;
  if (refusal.empty()) return changes;
  return refusal + ". It still recomputes the sheet:\n" + changes;
}

}  // namespace cindral
