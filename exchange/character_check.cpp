#include "character_check.h"

#include <optional>

#include "character_summary.h"
#include "race_selection.h"
#include "stat_allocation.h"
#include "trait_effects.h"
#include "words.h"

namespace cindral {

namespace {

// The race whose limits held the "+" and "-": the one the race text names,
// or, for a text that names none, the race picked last.
std::optional<Race> LimitsRace(const Engine& engine) {
  if (const auto race = CurrentRace(engine.sheet())) return race;
  return RaceNamed(engine.LastPick());
}

// A statistic that, without what its ticked traits add, stands outside
// its race's limits; "" for one within them.
std::string StatQuestion(const Sheet& sheet, Race race, const StatInfo& stat) {
  const Limit limit = kRaceLimits[Index(race)].limits[Index(stat.stat)];
  const double shown = sheet.Number(stat.field);
  double added = 0;
  std::vector<std::string> by;
  for (const TraitInfo& trait : kTraits) {
    const int change = Ticked(sheet, trait.box) ? DirectChangeOf(trait.trait, stat.field) : 0;
    if (change == 0) continue;
    added += change;
    by.push_back(std::string(trait.caption) + "'s " + Signed(change));
  }
  const double bought = shown - added;
  if (bought >= limit.low && bought <= limit.high) return {};
  std::string text = std::string(stat.name) + " " + NumberText(shown);
  if (added != 0) text += ", " + NumberText(bought) + " without " + Listed(by, " and ");
  return text + ": a " + std::string(NameOf(race)) + "'s " + std::string(stat.name) + " is " +
         std::to_string(limit.low) + " to " + std::to_string(limit.high);
}

// A counter below 0, or above it with something left to spend.
std::string CounterQuestion(const Sheet& sheet, Field counter, std::string_view below) {
  const double left = sheet.Number(counter);
  if (left == 0) return {};
  return std::string(FieldCaption(counter)) + ": " + NumberText(left) +
         (left > 0 ? " unspent" : ", " + std::string(below));
}

}  // namespace

std::vector<std::string> Questions(const Engine& engine) {
  const Sheet& sheet = engine.sheet();
  std::vector<std::string> questions;
  const auto ask = [&](std::string question) {
    if (!question.empty()) questions.push_back(std::move(question));
  };
  if (!engine.RaceTextIsPicked()) {
    ask("Race: \u201C" + QuotedName(sheet.Text(Field::race)) + "\u201D typed, not picked; the trait boxes follow " +
        QuotedName(engine.LastPick()));
  }
  if (const auto race = LimitsRace(engine)) {
    for (const StatInfo& stat : kStats) ask(StatQuestion(sheet, *race, stat));
  }
  ask(CounterQuestion(sheet, Field::chpoint, "more spent than there were"));
  ask(CounterQuestion(sheet, Field::traits, "more traits ticked than a character takes"));
  for (const SkillInfo& skill : kSkills) {
    if (Ticked(sheet, skill.box) && !sheet.Enabled(skill.box)) {
      ask(std::string(skill.caption) + ": tagged while its box was closed");
    }
  }
  ask(CounterQuestion(sheet, Field::tags, "more skills tagged than there were tags"));
  return questions;
}

std::string QuestionsReport(const std::vector<std::string>& questions) {
  if (questions.empty()) return std::string(kNothingToQuestion);
  return "Worth a look:\n" + Listed(questions, "\n");
}

std::string QuestionsInALine(const std::vector<std::string>& questions) {
  return questions.empty() ? std::string(kNothingToQuestion) : Listed(questions, "; ");
}

std::string CharacterCalled(std::string_view name, std::string_view race) {
  const std::string a = "a " + std::string(race);
  return name.empty() ? a + " without a name" : "\u201C" + QuotedName(name) + "\u201D, " + a;
}

void ShowCharacterCheck(Engine& engine) {
  Sheet& sheet = engine.sheet();
  sheet.SetText(Field::info, "Character checked: " + CharacterCalled(sheet.Text(Field::Name), engine.LastPick()) +
                                 ".\n" + QuestionsReport(Questions(engine)));
}

}  // namespace cindral
