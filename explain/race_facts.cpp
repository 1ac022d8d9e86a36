#include "race_facts.h"

#include <vector>

#include "events.h"
#include "secondary_stats.h"
#include "skill_values.h"
#include "stat_allocation.h"
#include "trait_availability.h"
#include "value_breakdowns.h"
#include "words.h"

namespace cindral {

namespace {

constexpr const char* kAfresh = "Picking a race starts the character afresh; Ctrl+Z brings the old one back.";

std::string Name(Race race) { return std::string(NameOf(race)); }

std::string LimitText(const Limit& limit) {
  if (limit.low == limit.high) return std::to_string(limit.low) + " only";
  return std::to_string(limit.low) + "–" + std::to_string(limit.high);
}

// Whether a term is read off the statistic: a formula's, or a trait's own
// formula (Small Frame's 15 × ST).
bool Reads(const Term& term, Stat stat) {
  switch (term.from) {
    case From::Statistics:
    case From::StatisticBand:
    case From::StrengthLessFive:
    case From::HalfPlusThree: break;
    case From::Trait:
      if (term.factor != 1) break;
      return false;
    default: return false;
  }
  return term.stat == stat || term.second == stat;
}

std::string Percent(Field field) { return ShownWithPercent(field) ? "%" : ""; }

// What the race sets and what it adds, beyond its starting row.
std::string RaceValues(Race race) {
  const RaceRow& row = RowOf(race);
  std::vector<std::string> sets = {"Perk Rate " + std::to_string(row.perkRate), "Gas Res. " + std::string(row.gasRes)};
  std::vector<std::string> adds;
  for (const auto& [field, term] : RaceModifiers(race)) {
    const std::string caption(FieldCaption(field));
    if (term.replaces) sets.push_back(caption + " " + NumberText(term.amount) + Percent(field));
    else adds.push_back(caption + " " + Signed(term.amount) + Percent(field));
  }
  std::string text = "Sets " + Items(sets) + ".";
  if (!adds.empty()) text += "\nAdds " + Items(adds) + ".";
  return text;
}

// Whether every unticked trait box is open exactly where the race's list
// opens it (ticked boxes keep whatever flag they had): the boxes are open
// by the list the last update of the boxes noted, which may differ from
// the race's in ticked traits alone.
bool TraitBoxesFollow(const Engine& engine, std::optional<Race> race) {
  const std::optional<TraitColumn> list = engine.LastRacesRead().traitBoxes;
  if (!race || !list) return false;
  for (const TraitInfo& t : kTraits) {
    if (!Ticked(engine.sheet(), t.trait) && ListAllows(*list, t.trait) != RaceAllows(*race, t.trait)) return false;
  }
  return true;
}

// What the next recomputation makes of the values the race changes: it
// runs on a copy, for the race text as it reads now.
std::string NextRecomputation(const Sheet& sheet, const std::string& follower) {
  Sheet side(sheet);
  UpdateSecondaryStats(side);
  std::vector<std::string> changes;
  for (const CaptionedField& f : kSecondaryStats) {
    if (side.Text(f.field) != sheet.Text(f.field)) {
      changes.push_back(std::string(f.caption) + " " + sheet.Text(f.field) + " → " + side.Text(f.field));
    }
  }
  if (side.Text(Field::extra) != sheet.Text(Field::extra)) changes.emplace_back("the notes");
  if (changes.empty()) return Sentence("The values the race changes and the notes already match ") + follower + ".";
  return Sentence("At " + std::string(kNextRecomputation) + " the values the race changes and the notes follow ") +
         follower + ": " + Items(changes) + ".";
}

std::string TypedRaceFacts(const Engine& engine) {
  const Sheet& sheet = engine.sheet();
  const auto typed = CurrentRace(sheet);
  const auto picked = RaceNamed(engine.LastPick());
  const std::string pickedName = engine.LastPick();
  // The sentences that name a race break between their words, never inside
  // the race's name.
  std::string text = QuotedRaceText(sheet);
  if (!typed) {
    text += Sentence(" is typed and names no race: \"+\" and \"−\" do nothing until a race is picked from the list.") +
            "\n";
    text += NextRecomputation(sheet, "no race");
  } else {
    text += Sentence(" is typed, not picked from the list. The limits of \"+\" and \"−\" follow ") + Name(*typed) +
            Sentence(" already.") + "\n";
    text += NextRecomputation(sheet, Name(*typed));
  }
  text += "\n" + Sentence("Perk Rate and Gas Res. stay as picking ") + pickedName + Sentence(" set them.") + "\n";
  if (typed && TraitBoxesFollow(engine, typed)) {
    text += Sentence("The trait boxes follow ") + Name(*typed) + "'s" + Sentence(" list.");
  } else if (typed) {
    text += TraitBoxesFollow(engine, picked)
                ? Sentence("The trait boxes still follow ") + pickedName + ";" + kBreak + " a"
                : "A";
    text += Sentence(" trait click sets them by ") + Name(*typed) + "'s" + Sentence(" list.");
  } else {
    text += TraitBoxesFollow(engine, picked)
                ? Sentence("The trait boxes still follow ") + pickedName + ";" + kBreak + " a"
                : "A";
    text += Sentence(" trait click can close them but not reopen them until a race is picked.");
  }
  return text + "\nPick a race from the list to apply it fully. " + kAfresh;
}

}  // namespace

std::string RaceFacts(Race race, Breaks breaks) {
  const RaceRow& row = RowOf(race);
  const RaceLimits& limits = kRaceLimits[Index(race)];
  std::vector<std::string> starts, bounds;
  for (const StatInfo& s : kStats) {
    starts.push_back(std::string(s.caption) + " " + std::to_string(row.stats[Index(s.stat)]));
    bounds.push_back(std::string(s.caption) + " " + LimitText(limits.limits[Index(s.stat)]));
  }
  std::vector<std::string> ruledOut;
  for (const TraitInfo& t : kTraits) {
    if (!RaceAllows(race, t.trait)) ruledOut.emplace_back(t.caption);
  }
  std::string text = Name(race) + ": starts with " + Items(starts) + " and " + std::to_string(row.charPoints) +
                     " Char Points.\nLimits: " + Items(bounds) + ".\n" + RaceValues(race) + "\nRules out " +
                     std::to_string(ruledOut.size()) + " traits: " + Items(ruledOut) + ".\n";
  if (!row.note.empty()) text += "Note: " + std::string(row.note.substr(0, row.note.size() - 1)) + "\n";
  return Finished(text + kAfresh, breaks);
}

std::string StatFacts(const Engine& engine, Stat stat, Breaks breaks) {
  const Sheet& sheet = engine.sheet();
  const StatInfo& info = kStats[Index(stat)];
  const double value = sheet.Number(info.field);
  std::string text =
      Sentence(std::string(info.name) + " (" + std::string(info.caption) + ") " + sheet.Text(info.field));
  if (const Limit* limit = RaceLimitFor(sheet, stat)) {
    std::string race = Name(*CurrentRace(sheet)) + "'s";
    if (!engine.RaceTextIsPicked()) race += " (the race text, typed)";
    const Standing standing = StandingOf(value, *limit);
    // The race's name stays on one line with the words around it.
    text += "," + std::string(1, kBreak) + " " + StandingWords(standing, race);
    text += standing == Standing::Within ? kBreak + (" " + LimitText(*limit) + ".")
                                         : Sentence(" (limits ") + LimitText(*limit) + ").";
  } else {
    text += Sentence(". The race text names no race: \"+\" and \"−\" do nothing until a race is picked from the list.");
  }

  // The values it feeds: every term of a computed value that reads it.
  std::vector<std::string> feeds;
  const auto feed = [&](Field field, const Terms& terms) {
    for (const Term& term : terms) {
      if (Reads(term, stat)) {
        feeds.push_back(std::string(FieldCaption(field)) + " " + (term.amount < 0 ? "−" : "") + TermText(term));
      }
    }
  };
  for (const CaptionedField& f : kSecondaryStats) {
    if (RecomputedBySecondaryStats(f.field))
      feed(f.field, SecondaryTerms(sheet, f.field, engine.LastRacesRead().secondaryStats));
  }
  for (const SkillInfo& s : kSkills) feed(s.value, SkillTerms(sheet, s.skill));
  return Finished(text + "\nFeeds " + Items(feeds) + ".", breaks);
}

std::string PoolFacts(const Engine& engine, Breaks breaks) {
  const Sheet& sheet = engine.sheet();
  std::string text = Sentence("Char Points " + sheet.Text(Field::chpoint) +
                              ": the points not yet spent on the seven statistics. Each \"+\" spends one and each "
                              "\"−\" gives one back.");
  if (const auto picked = RaceNamed(engine.LastPick())) {
    text += Sentence(" Picking ") + Name(*picked) +
            Sentence(" set them to " + std::to_string(RowOf(*picked).charPoints) + ".");
  }
  if (sheet.Number(Field::chpoint) <= 0) text += "\nNone left: \"+\" does nothing until a \"−\" gives one back.";
  return Finished(text, breaks);
}

std::string RaceBoxFacts(const Engine& engine, Breaks breaks) {
  if (!engine.RaceTextIsPicked()) return Finished(TypedRaceFacts(engine), breaks);
  const auto race = CurrentRace(engine.sheet());
  return race ? RaceFacts(*race, breaks) : std::string();
}

}  // namespace cindral
