#include "explanations.h"

#include <cstdint>

#include "click_previews.h"
#include "help_texts.h"
#include "race_facts.h"
#include "reasons.h"
#include "value_breakdowns.h"

namespace cindral {

namespace {

// The controls whose explanation is a fixed text.
struct ControlText {
  std::string_view control;
  std::string_view text;
};

constexpr ControlText kControlTexts[] = {
    {"Command1", "Shows the program's name and version in the information panel."},
    {"Name", "The character's name: free text that no rule reads."},
    {"extra", "The race's note and one line for each ticked trait, rebuilt after every change."},
};

// What a control's explanation is made of.
struct Subject {
  enum class Kind : std::uint8_t { Nothing, Click, Statistic, Pool, RaceBox, Value, GasRes, Fixed };
  Kind kind = Kind::Nothing;
  Stat stat{};
  Field field{};
  std::string_view text = {};
};

// "Char Points" and its pool speak of the pool.
bool NamesThePool(std::string_view control) {
  for (const CaptionedField& c : kCounters) {
    if (c.field == Field::chpoint) return control == c.captionLabel || control == NameOf(c.field);
  }
  return false;
}

Subject SubjectOf(std::string_view control) {
  using Kind = Subject::Kind;
  if (const auto reacting = FindControl(control))
    return {reacting->kind == ControlKind::Caption ? Kind::Nothing : Kind::Click};
  for (const StatInfo& s : kStats) {
    if (control == s.captionLabel || control == NameOf(s.field)) return {Kind::Statistic, s.stat};
  }
  if (NamesThePool(control)) return {Kind::Pool};
  if (control == NameOf(Field::race)) return {Kind::RaceBox};
  if (const auto field = FindField(control); field && HasBreakdown(*field)) return {Kind::Value, {}, *field};
  if (control == NameOf(Field::gres)) return {Kind::GasRes};
  for (const ControlText& fixed : kControlTexts) {
    if (fixed.control == control) return {Kind::Fixed, {}, {}, fixed.text};
  }
  return {};
}

}  // namespace

std::string Explain(const Engine& engine, std::string_view control, Breaks breaks) {
  const Subject subject = SubjectOf(control);
  switch (subject.kind) {
    case Subject::Kind::Nothing: break;
    case Subject::Kind::Click: return PreviewText(engine, control, breaks);
    case Subject::Kind::Statistic: return StatFacts(engine, subject.stat, breaks);
    case Subject::Kind::Pool: return PoolFacts(engine, breaks);
    case Subject::Kind::RaceBox: return RaceBoxFacts(engine, breaks);
    case Subject::Kind::Value: return Breakdown(engine, subject.field, breaks);
    case Subject::Kind::GasRes: return GasResText(engine, breaks);
    case Subject::Kind::Fixed: return std::string(subject.text);
  }
  return {};
}

std::string CaptionTip(const Engine& engine, std::string_view caption, Breaks breaks) {
  const std::string_view value = ExplainedFor(caption);
  const auto field = FindField(value);
  if (!field || caption == value) return {};
  std::string text = Explain(engine, value, breaks);
  for (const SkillInfo& s : kSkills) {
    if (s.captionLabel != caption) continue;
    if (const std::string reason = DisabledReason(engine.sheet(), s.box, breaks); !reason.empty())
      text += "\n" + reason;
  }
  if (const std::string_view rule = HelpFor(caption); !rule.empty()) text += "\n" + std::string(rule);
  return text;
}

bool HasExplanation(std::string_view control) { return SubjectOf(control).kind != Subject::Kind::Nothing; }

std::string_view ExplainedFor(std::string_view caption) {
  for (const TraitInfo& t : kTraits) {
    if (t.captionLabel == caption) return NameOf(t.box);
  }
  for (const SkillInfo& s : kSkills) {
    if (s.captionLabel == caption) return NameOf(s.value);
  }
  for (const CaptionedField& f : kSecondaryStats) {
    if (f.captionLabel == caption) return NameOf(f.field);
  }
  return caption;
}

}  // namespace cindral
