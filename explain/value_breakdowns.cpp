#include "value_breakdowns.h"

#include <cmath>
#include <optional>

#include "events.h"
#include "number_text.h"
#include "race_selection.h"
#include "secondary_stats.h"
#include "skill_values.h"
#include "trait_effects.h"

namespace cindral {

namespace {

// A long typed race text is quoted this far, then cut.
constexpr std::size_t kQuotedCharacters = 40;

std::string_view StatCaption(Stat stat) { return kStats[Index(stat)].caption; }

std::string StatWithValue(Stat stat, double value) { return std::string(StatCaption(stat)) + " " + NumberText(value); }

// A band as the rules' table gives it: "6–7 gives 8", "1 gives 5", "10 and
// above gives 10", "4 and below gives 1".
std::string BandWords(const Band& band) {
  const std::string gives = " gives " + NumberText(band.gives);
  if (!band.low) return NumberText(*band.high) + " and below" + gives;
  if (!band.high) return NumberText(*band.low) + " and above" + gives;
  if (*band.low == *band.high) return NumberText(*band.low) + gives;
  return NumberText(*band.low) + "–" + NumberText(*band.high) + gives;
}

std::string RaceName(std::optional<Race> race) { return race ? std::string(NameOf(*race)) : std::string(); }

// What produced a term, in the words inside its parentheses.
std::string Source(const Term& t) {
  switch (t.from) {
    case From::Number: return {};
    case From::Statistics: {
      if (!t.second) {
        const std::string stat = StatWithValue(t.stat, t.value);
        return t.factor == 1 ? stat : std::to_string(t.factor) + " × " + stat;
      }
      const std::string sum = StatWithValue(t.stat, t.value) + " + " + StatWithValue(*t.second, t.secondValue);
      return t.factor == 1 ? sum : std::to_string(t.factor) + " × (" + sum + ")";
    }
    case From::StatisticBand: return StatWithValue(t.stat, t.value) + ": " + BandWords(*t.band);
    case From::StrengthLessFive: return StatWithValue(t.stat, t.value) + " − " + NumberText(t.value - t.amount);
    case From::HalfPlusThree: {
      std::string how = StatWithValue(t.stat, t.value) + ": " + NumberText(t.value) + " / 2 + 3";
      if (t.exact == t.amount) return how;
      return how + " = " + TextFromNumber(t.exact) + ", a half goes to the even number";
    }
    case From::Trait: {
      const std::string trait(kTraits[Index(*t.trait)].caption);
      if (t.factor == 1) return trait;
      return trait + ": " + std::to_string(t.factor) + " × " + StatWithValue(t.stat, t.value);
    }
    case From::Race:
    case From::RacePicked: return RaceName(t.race);
    case From::RaceWithTrait: return RaceName(t.race) + " with " + std::string(kTraits[Index(*t.trait)].caption);
    case From::Tag: return "tagged";
  }
  return {};
}

// The terms joined as a sum: the first with its own sign, the others with
// the sign as the operator, a line broken only between two terms. A
// formula's 0 is left out beside other terms.
std::string Sum(const Terms& terms) {
  std::string sum;
  for (const Term& term : terms) {
    if (term.from == From::Number && term.amount == 0 && terms.size() > 1) continue;
    if (sum.empty()) sum += kBreak + ((term.amount < 0 ? "−" : "") + TermText(term));
    else sum += kBreak + ((term.amount < 0 ? " − " : " + ") + TermText(term));
  }
  return sum;
}

double Total(const Terms& terms) {
  double total = 0;
  for (const Term& term : terms) total += term.amount;
  return total;
}

std::optional<Skill> SkillShownIn(Field field) {
  for (const SkillInfo& s : kSkills) {
    if (s.value == field) return s.skill;
  }
  return std::nullopt;
}

// Perk Rate is never recomputed: the race pick writes the race's rate and
// each ticked trait's tick moved it since.
Terms PerkRateTerms(const Engine& engine) {
  const Sheet& sheet = engine.sheet();
  Terms traits;
  double moved = 0;
  for (const TraitInfo& t : kTraits) {
    const int change = DirectChangeOf(t.trait, Field::perkrate);
    if (change == 0 || !Ticked(sheet, t.trait)) continue;
    traits.push_back({.amount = static_cast<double>(change), .from = From::Trait, .trait = t.trait});
    moved += change;
  }
  Term picked = {.amount = sheet.Number(Field::perkrate) - moved};
  if (const auto race = RaceNamed(engine.LastPick()); race && RowOf(*race).perkRate == picked.amount) {
    picked.from = From::RacePicked;
    picked.race = race;
  }
  Terms terms = {picked};
  terms.insert(terms.end(), traits.begin(), traits.end());
  return terms;
}

// The value shown, as the last recomputation made it, for the race it read:
// the race text may have been typed since, and only the next recomputation
// reads it.
Terms SecondaryTermsAsShown(const Engine& engine, Field field) {
  return SecondaryTerms(engine.sheet(), field, engine.LastRacesRead().secondaryStats);
}

}  // namespace

std::string QuotedRaceText(const Sheet& sheet) {
  std::string quoted = Shortened(sheet.Text(Field::race), kQuotedCharacters);
  // A typed text never breaks the line it is quoted in: a mark typed into
  // it is shown as the unreadable character it is.
  for (std::size_t at = quoted.find(kBreak); at != std::string::npos; at = quoted.find(kBreak, at))
    quoted.replace(at, 1, "\uFFFD");
  return '"' + quoted + '"';
}

std::string TermText(const Term& term) {
  const std::string amount = TextFromNumber(std::fabs(term.amount));
  const std::string source = Source(term);
  return source.empty() ? amount : amount + " (" + source + ")";
}

bool HasBreakdown(Field field) {
  return field == Field::perkrate || RecomputedBySecondaryStats(field) || SkillShownIn(field).has_value();
}

std::string Breakdown(const Engine& engine, Field field, Breaks breaks) {
  if (!HasBreakdown(field)) return {};
  const Sheet& sheet = engine.sheet();
  const std::string head = std::string(FieldCaption(field)) + " " + sheet.Text(field) + " = ";
  if (const auto skill = SkillShownIn(field)) return Finished(head + Sum(SkillTerms(sheet, *skill)), breaks);
  if (field == Field::perkrate) return Finished(head + Sum(PerkRateTerms(engine)), breaks);

  const Terms shown = SecondaryTermsAsShown(engine, field);
  std::string text = head + Sum(shown);
  // Typed since the last recomputation, the race text makes another value
  // at the next one.
  const Terms next = SecondaryTerms(sheet, field, CurrentRace(sheet));
  if (Total(next) != Total(shown)) {
    const std::string suffix = sheet.Text(field).ends_with('%') ? "%" : "";
    text += "\n" + Sentence("The race text now reads ") + QuotedRaceText(sheet) +
            Sentence(": " + std::string(kNextRecomputation) + " makes it ") + TextFromNumber(Total(next)) + suffix +
            " = " + Sum(next) + ".";
  }
  return Finished(text, breaks);
}

std::string GasResText(const Engine& engine, Breaks breaks) {
  const Sheet& sheet = engine.sheet();
  // The race picked last wrote the pair; nothing has written it since.
  const auto picked = RaceNamed(engine.LastPick());
  const bool pickedSetIt = picked && RowOf(*picked).gasRes == sheet.Text(Field::gres);
  std::string text = Sentence("Gas Res. " + sheet.Text(Field::gres) + ": ");
  text += pickedSetIt ? Sentence("picking ") + std::string(NameOf(*picked)) : Sentence("the race picked last");
  text += Sentence(" set it, and no trait changes it.");
  if (!engine.RaceTextIsPicked()) {
    text += "\n" + Sentence("The race text now reads ") + QuotedRaceText(sheet) +
            Sentence(": only a race picked from the list sets Gas Res. again.");
  }
  return Finished(text, breaks);
}

}  // namespace cindral
