#include "character_rebuild.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "character_check.h"
#include "character_summary.h"
#include "race_selection.h"
#include "stat_allocation.h"
#include "trait_availability.h"
#include "words.h"

namespace cindral {

namespace {

constexpr std::string_view kNothingPasted = "Nothing pasted; the character stays as it was.\n";
constexpr std::string_view kAllChecked = "Checked: every value matches the rules";
constexpr std::array<std::string_view, 6> kCounts = {"no", "one", "two", "three", "four", "five"};

using Stats = std::array<long long, kStatCount>;

Stats StatsOf(const Sheet& sheet) {
  Stats stats{};
  for (std::size_t s = 0; s < kStatCount; ++s) stats[s] = static_cast<long long>(sheet.Number(kStats[s].field));
  return stats;
}

// What ticking a trait does to the seven statistics.
struct TraitShift {
  Trait trait;
  Stats shift;
};

// What ticking each trait the race allows does to the statistics, learnt
// as a player learns it: ticked and unticked again, on the side, on a
// character just picked. Only the traits that move a statistic are kept.
std::vector<TraitShift> LearnTraitShifts(const Engine& picked) {
  Engine probe(picked);
  std::vector<TraitShift> shifts;
  for (const TraitInfo& trait : kTraits) {
    if (!probe.sheet().Enabled(trait.box)) continue;
    const Stats before = StatsOf(probe.sheet());
    probe.Click(NameOf(trait.box));
    TraitShift moved{trait.trait, StatsOf(probe.sheet())};
    probe.Click(NameOf(trait.box));
    for (std::size_t s = 0; s < kStatCount; ++s) moved.shift[s] -= before[s];
    if (std::any_of(moved.shift.begin(), moved.shift.end(), [](long long d) { return d != 0; })) {
      shifts.push_back(moved);
    }
  }
  return shifts;
}

// What a player does, in order: the race picked, the clicks, the name typed.
struct Build {
  std::string race;
  std::vector<std::string_view> clicks;
  std::string name;
};

void Play(Engine& engine, const Build& build) {
  engine.PickRace(build.race);
  for (const std::string_view control : build.clicks) engine.Click(control);
  engine.TypeName(build.name);
}

bool Has(const std::vector<Trait>& traits, Trait trait) {
  return std::find(traits.begin(), traits.end(), trait) != traits.end();
}

// Plans the player's steps that build the character, or finds every line
// that stands in the way of any build. It plans on what the text gave:
// a statistic whose line could not be read is left out, and so is the
// sum of the points when any is.
class Planner {
 public:
  Planner(const SharedCharacter& character, const Engine& engine)
      : character_(character), race_(*RaceNamed(character.race)), row_(RowOf(race_)) {
    Engine picked(engine);
    picked.PickRace(character.race);
    shifts_ = LearnTraitShifts(picked);
    build_.race = character.race;
    build_.name = character.name;
  }

  // Adds every problem it finds to `problems`; the build, when the text
  // had none and neither did it.
  std::optional<Build> Plan(std::vector<LineProblem>& problems) {
    TraitsAllowed(problems);
    StatsReachable(problems);
    TagsAllowed(problems);
    if (!problems.empty()) return std::nullopt;
    PressStatistics();
    TickTraitsAndTags();
    return build_;
  }

 private:
  std::size_t Slot(LineKind kind, std::size_t index = 0) const { return LineOf(kind, index); }
  const std::string& Line(LineKind kind, std::size_t index = 0) const { return character_.lines[Slot(kind, index)]; }
  std::size_t Number(LineKind kind, std::size_t index = 0) const { return character_.numbers[Slot(kind, index)]; }

  LineProblem ProblemAt(LineKind kind, std::size_t index, std::string why) const {
    return ProblemWith({Number(kind, index)}, QuotedLine(Line(kind, index)), std::move(why));
  }

  std::string RaceOwner() const { return "a " + std::string(NameOf(race_)) + "'s"; }

  void TraitsAllowed(std::vector<LineProblem>& problems) const {
    const std::vector<Trait>& traits = character_.traits;
    std::vector<std::string> why, ruledOut;
    if (traits.size() > 2) why.emplace_back("a character takes at most two traits");
    for (const Trait trait : traits) {
      if (!RaceAllows(race_, trait)) ruledOut.emplace_back(kTraits[Index(trait)].caption);
    }
    if (!ruledOut.empty()) {
      why.push_back(Listed(ruledOut, " and ") + (ruledOut.size() == 1 ? " is" : " are") + " not available to a " +
                    std::string(NameOf(race_)));
    }
    if (!why.empty()) problems.push_back(ProblemAt(LineKind::Traits, 0, Listed(why, "; ")));
  }

  // The statistics' shift from a set of traits.
  Stats ShiftOf(const std::vector<Trait>& traits) const {
    Stats shift{};
    for (const TraitShift& t : shifts_) {
      if (!Has(traits, t.trait)) continue;
      for (std::size_t s = 0; s < kStatCount; ++s) shift[s] += t.shift[s];
    }
    return shift;
  }

  // What the player pays for: each statistic without what the final traits
  // add to it.
  Stats Bought() const {
    const Stats shift = ShiftOf(character_.traits);
    Stats bought{};
    for (std::size_t s = 0; s < kStatCount; ++s) bought[s] = character_.stats[s] - shift[s];
    return bought;
  }

  // Traits held ticked while a statistic is pressed, and what they add to
  // it: the race's limits are held against the value shown, which a
  // ticked trait moves.
  struct Holding {
    std::vector<Trait> traits;
    long long shift = 0;
  };

  // Every way to hold traits while pressing a statistic: none, one trait
  // the race allows, or two of them.
  std::vector<Holding> Holdings(std::size_t stat) const {
    std::vector<Holding> holdings = {{}};
    for (const TraitShift& one : shifts_) holdings.push_back({{one.trait}, one.shift[stat]});
    for (std::size_t a = 0; a < shifts_.size(); ++a) {
      for (std::size_t b = a + 1; b < shifts_.size(); ++b) {
        holdings.push_back({{shifts_[a].trait, shifts_[b].trait}, shifts_[a].shift[stat] + shifts_[b].shift[stat]});
      }
    }
    return holdings;
  }

  // Whether presses of a statistic get to `target` while `shift` is held:
  // a "-" needs the value shown above the low limit until the last press,
  // a "+" needs it below the high one.
  bool Lets(std::size_t stat, long long target, long long shift) const {
    const Limit limit = kRaceLimits[Index(race_)].limits[stat];
    const long long start = row_.stats[stat];
    if (target == start) return true;
    return target < start ? target + 1 + shift > limit.low : target - 1 + shift < limit.high;
  }

  // The traits to hold ticked while a statistic is pressed to `target`;
  // none if no holding lets the presses get there.
  std::optional<std::vector<Trait>> Helpers(std::size_t stat, long long target) const {
    for (const Holding& holding : Holdings(stat)) {
      if (Lets(stat, target, holding.shift)) return holding.traits;
    }
    return std::nullopt;
  }

  // How far the presses take a statistic either way, and the traits held
  // to get so far.
  struct Reach {
    long long low, high;
    std::vector<Trait> lowBy, highBy;
  };

  Reach ReachOf(std::size_t stat) const {
    const Limit limit = kRaceLimits[Index(race_)].limits[stat];
    Reach reach{limit.low, limit.high, {}, {}};
    for (const Holding& holding : Holdings(stat)) {
      if (limit.low - holding.shift < reach.low) reach.low = limit.low - holding.shift, reach.lowBy = holding.traits;
      if (limit.high - holding.shift > reach.high) {
        reach.high = limit.high - holding.shift, reach.highBy = holding.traits;
      }
    }
    return reach;
  }

  // "a Human's Strength is 1 to 10, or down to -2 when Bruiser and Gifted
  // were ticked and unticked": what the rules let the presses reach.
  std::string ReachWords(std::size_t stat) const {
    const Limit limit = kRaceLimits[Index(race_)].limits[stat];
    const Reach reach = ReachOf(stat);
    std::string words = RaceOwner() + " " + std::string(kStats[stat].name) + " is " + std::to_string(limit.low) +
                        " to " + std::to_string(limit.high);
    const auto beyond = [&](std::string_view way, long long to, const std::vector<Trait>& by) {
      std::vector<std::string> names;
      for (const Trait trait : by) names.emplace_back(kTraits[Index(trait)].caption);
      words += ", or " + std::string(way) + " to " + std::to_string(to) + " when " + Listed(names, " and ") +
               (names.size() == 1 ? " was" : " were") + " ticked and unticked";
    };
    if (reach.low < limit.low) beyond("down", reach.low, reach.lowBy);
    if (reach.high > limit.high) beyond("up", reach.high, reach.highBy);
    return words;
  }

  bool StatRead(std::size_t stat) const { return character_.read[Slot(LineKind::Stat, stat)]; }

  void StatsReachable(std::vector<LineProblem>& problems) const {
    const Stats bought = Bought();
    const Stats shift = ShiftOf(character_.traits);
    long long spent = 0;
    // The sum of the points counts only when every statistic is read and
    // within reach on its own.
    bool allRead = true;
    std::vector<std::string> raised;
    std::vector<std::size_t> raisedAt;
    for (std::size_t s = 0; s < kStatCount; ++s) {
      if (!StatRead(s)) {
        allRead = false;
        continue;
      }
      spent += bought[s] - row_.stats[s];
      if (bought[s] > row_.stats[s]) {
        raised.push_back(Line(LineKind::Stat, s));
        raisedAt.push_back(Number(LineKind::Stat, s));
      }
      if (Helpers(s, bought[s])) continue;
      allRead = false;
      std::string why = ReachWords(s);
      if (shift[s] != 0) why += ", and " + TraitsShifting(s) + " " + std::to_string(shift[s]);
      problems.push_back(ProblemAt(LineKind::Stat, s, std::move(why)));
    }
    if (allRead && spent > row_.charPoints) {
      problems.push_back(ProblemWith(raisedAt, QuotedLine(Listed(raised)),
                                     "the statistics need " + std::to_string(spent - row_.charPoints) +
                                         " more character points than a " + std::string(NameOf(race_)) + " has"));
    }
  }

  // "Bruiser adds", "Bruiser and Gifted add": the final traits that move a
  // statistic.
  std::string TraitsShifting(std::size_t stat) const {
    std::vector<std::string> names;
    for (const TraitShift& t : shifts_) {
      if (Has(character_.traits, t.trait) && t.shift[stat] != 0) names.emplace_back(kTraits[Index(t.trait)].caption);
    }
    return Listed(names, " and ") + (names.size() == 1 ? " adds" : " add");
  }

  std::vector<Skill> Tagged() const {
    std::vector<Skill> tagged;
    for (const SkillInfo& skill : kSkills) {
      if (character_.tags[Index(skill.skill)] != TagMark::None) tagged.push_back(skill.skill);
    }
    return tagged;
  }

  bool Tags(Skill skill) const { return character_.tags[Index(skill)] != TagMark::None; }

  // Three tags; Beta Software gives a fourth, and Ham Fisted tags Unarmed
  // even when no tag is left.
  void TagsAllowed(std::vector<LineProblem>& problems) const {
    const std::size_t most =
        3 + RaceAllows(race_, Trait::betasoft) + (RaceAllows(race_, Trait::hamfist) && Tags(Skill::Unarmed));
    const std::vector<Skill> tagged = Tagged();
    if (tagged.size() <= most) return;
    std::vector<std::string> captions;
    std::vector<std::size_t> numbers;
    for (const Skill skill : tagged) {
      captions.emplace_back(kSkills[Index(skill)].caption);
      numbers.push_back(Number(LineKind::Skill, Index(skill)));
    }
    problems.push_back(
        ProblemWith(numbers, Listed(captions) + " (tagged)",
                    "a " + std::string(NameOf(race_)) + " tags at most " + std::string(kCounts[most]) + " skills"));
  }

  void Click(Box box) { build_.clicks.push_back(NameOf(box)); }
  void Click(Trait trait) { Click(TraitBox(trait)); }
  void Click(const std::vector<Trait>& traits) {
    for (const Trait trait : traits) Click(trait);
  }

  // Every "-" first, so that the points they give back are there for the
  // "+" presses after them.
  void PressStatistics() {
    const Stats bought = Bought();
    for (const bool lowering : {true, false}) {
      for (std::size_t s = 0; s < kStatCount; ++s) {
        const long long start = row_.stats[s];
        if (bought[s] == start || (bought[s] < start) != lowering) continue;
        const std::vector<Trait> helpers = *Helpers(s, bought[s]);
        Click(helpers);
        const std::string_view button = lowering ? kStats[s].minus : kStats[s].plus;
        for (long long n = std::max(bought[s], start) - std::min(bought[s], start); n > 0; --n) {
          build_.clicks.push_back(button);
        }
        Click(helpers);
      }
    }
  }

  // The final traits, ticked after the tags but for the one named, which
  // has been ticked already.
  void TickTraits(std::optional<Trait> ticked = std::nullopt) {
    for (const Trait trait : character_.traits) {
      if (trait != ticked) Click(trait);
    }
  }

  void Tag(const std::vector<Skill>& skills) {
    for (const Skill skill : skills) Click(TagBox(skill));
  }

  void TickTraitsAndTags() {
    const std::vector<Trait>& traits = character_.traits;
    std::vector<Skill> tagged = Tagged();
    const bool closedUnarmed = Tags(Skill::Unarmed) && RaceAllows(race_, Trait::hamfist) &&
                               (tagged.size() > 3 || (tagged.size() == 3 && character_.tags[Index(Skill::Unarmed)] ==
                                                                                TagMark::TaggedBoxClosed));
    if (closedUnarmed) {
      // Ham Fisted tags Unarmed once no tag is left, and its box stays
      // closed: three other skills are tagged first, and a spare one is
      // given back after when only two are to stay.
      std::erase(tagged, Skill::Unarmed);
      std::optional<Skill> spare;
      for (const SkillInfo& skill : kSkills) {
        if (tagged.size() < 3 && !spare && !Tags(skill.skill)) spare = skill.skill;
      }
      if (spare) tagged.push_back(*spare);
      Tag(tagged);
      Click(Trait::hamfist);
      if (spare) Click(TagBox(*spare));
      if (!Has(traits, Trait::hamfist)) Click(Trait::hamfist);
      TickTraits(Trait::hamfist);
    } else if (Has(traits, Trait::betasoft) || tagged.size() > 3) {
      // Beta Software's tag, held while a fourth skill is tagged.
      Click(Trait::betasoft);
      Tag(tagged);
      if (!Has(traits, Trait::betasoft)) Click(Trait::betasoft);
      TickTraits(Trait::betasoft);
    } else {
      Tag(tagged);
      TickTraits();
    }
  }

  const SharedCharacter& character_;
  const Race race_;
  const RaceRow& row_;
  std::vector<TraitShift> shifts_;
  Build build_;
};

// Whether the side build gave what the text asks for: every statistic and
// every trait; the first line it did not give. Tags may differ where the
// rules tag a skill themselves; the check lists that.
std::optional<std::size_t> Unbuilt(const SharedCharacter& character, const Engine& built) {
  const Stats stats = StatsOf(built.sheet());
  for (std::size_t s = 0; s < kStatCount; ++s) {
    if (stats[s] != character.stats[s]) return LineOf(LineKind::Stat, s);
  }
  for (const TraitInfo& trait : kTraits) {
    if (Ticked(built.sheet(), trait.box) != Has(character.traits, trait.trait)) return LineOf(LineKind::Traits);
  }
  return std::nullopt;
}

// A value as the check compares it: no blanks, in lower case, and a "%"
// at its end left aside.
std::string Compared(std::string_view value) {
  std::string compared;
  for (const char c : value) {
    if (c != ' ' && c != '\t') compared += LowerCase(c);
  }
  if (compared.ends_with('%')) compared.pop_back();
  return compared;
}

std::string Shown(const SummaryLine& line) {
  if (line.mark.empty()) return line.value.empty() ? "nothing" : line.value;
  return line.value.empty() ? "(" + line.mark + ")" : line.value + " (" + line.mark + ")";
}

// The game master's check: every value the text gives that the rules
// derive, against what they derive.
std::string Check(const SharedCharacter& character, const Engine& built) {
  const CharacterSummary rules = Summarize(built);
  std::string differences;
  std::size_t given = 0, differ = 0;
  for (std::size_t i = 0; i < kSummaryLineCount; ++i) {
    if (!character.given[i]) continue;
    ++given;
    const SummaryLine& text = *character.given[i];
    const bool valueGiven = !text.value.empty() || kSummaryLines[i].kind != LineKind::Skill;
    if ((!valueGiven || Compared(text.value) == Compared(rules[i].value)) && text.mark == rules[i].mark) continue;
    ++differ;
    (differences += '\n') += kSummaryLines[i].caption;
    (differences += ": the text says ") += QuotedLine(Shown(text));
    (differences += ", the rules give ") += QuotedLine(Shown(rules[i]));
  }
  if (given == 0) return "Nothing to check: the text gives no value the rules derive";
  if (differ == 0) return std::string(kAllChecked);
  return "Checked: " + std::to_string(differ) + (differ == 1 ? " value differs" : " values differ") +
         " from the rules, whose values are kept:" + differences;
}

// What became of the text around the character, a sentence a line.
std::string Around(const Surroundings& around) {
  const std::string text = SurroundingsText(around);
  return text.empty() ? text : text + "\n";
}

std::string Pasted(const SharedCharacter& character, const Surroundings& around) {
  std::string text = "Character pasted: " + CharacterCalled(character.name, character.race) + ".\n" + Around(around);
  if (character.typedRace) {
    text += "The typed race text \u201C" + QuotedName(*character.typedRace) +
            "\u201D was left out: the character is built as the " + character.race + " last picked.\n";
  }
  return text;
}

// Every line in the way, in the text's order (what the text lacks last),
// one a line; past the most listed, how many more.
std::string Refused(std::vector<LineProblem> problems, std::size_t unlisted, const Surroundings& around) {
  std::stable_sort(problems.begin(), problems.end(), [](const LineProblem& a, const LineProblem& b) {
    return (a.number == 0 ? SIZE_MAX : a.number) < (b.number == 0 ? SIZE_MAX : b.number);
  });
  if (problems.size() > kProblemsListed) {
    unlisted += problems.size() - kProblemsListed;
    problems.resize(kProblemsListed);
  }
  std::string text(kNothingPasted);
  for (const LineProblem& problem : problems) {
    text += problem.where.empty() ? problem.why : problem.where + " \u2014 " + problem.why;
    text += '\n';
  }
  if (unlisted > 0) {
    text += "\u2026 and " + std::to_string(unlisted) + (unlisted == 1 ? " more line stands" : " more lines stand") +
            " in the way.\n";
  }
  text += Around(around);
  text.pop_back();
  return text;
}

}  // namespace

bool RebuildCharacter(Engine& engine, std::string_view text) {
  Sheet& sheet = engine.sheet();
  if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
    sheet.SetText(Field::info, "Nothing pasted: the clipboard holds no text.");
    return false;
  }
  Reading reading = ReadSummary(text);
  const SharedCharacter& character = reading.character;
  std::optional<Build> build;
  // Without a race of the list there are no limits to plan against.
  if (RaceNamed(character.race)) build = Planner(character, engine).Plan(reading.problems);
  if (!build) {
    sheet.SetText(Field::info, Refused(std::move(reading.problems), reading.unlisted, reading.around));
    return false;
  }
  // Built on the side first: nothing shows until the build is whole.
  Engine side(engine);
  Play(side, *build);
  if (const auto slot = Unbuilt(character, side)) {
    const LineProblem problem =
        ProblemWith({character.numbers[*slot]}, QuotedLine(character.lines[*slot]), "the rules do not build it");
    sheet.SetText(Field::info, Refused({problem}, 0, reading.around));
    return false;
  }
  const std::string checked = Check(character, side);
  Play(engine, *build);
  sheet.SetText(Field::info, Pasted(character, reading.around) + checked + "\n" + QuestionsReport(Questions(engine)));
  return true;
}

}  // namespace cindral
