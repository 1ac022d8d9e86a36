// Long random, seeded sequences of player events: after every event the
// whole sheet must equal the character the checker moves by the game's rules
// itself (tests/support). A failure names the seed and prints the shortest
// list of events that breaks the rule, as code to paste into a test.
//
// CINDRAL_RANDOM_SEED=<number> runs other sequences than the usual ones;
// CINDRAL_RANDOM_SEQUENCES=<number> sets the sequences of 1,000 events that
// each of the four parts runs (250 by default, 1,000,000 events in all; the
// sanitizer build runs 50, 200,000 events).

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>

#include "click_previews.h"
#include "event_generator.h"
#include "explanations.h"
#include "sheet_invariants.h"
#include "value_breakdowns.h"

namespace cindral::test {
namespace {

constexpr std::uint64_t kDefaultSeed = 20240611;
constexpr int kChunks = 4;
constexpr int kEventsPerSequence = 1000;

std::uint64_t BaseSeed() {
  if (const char* seed = std::getenv("CINDRAL_RANDOM_SEED")) return std::strtoull(seed, nullptr, 10);
  return kDefaultSeed;
}

int SequencesPerChunk() {
  if (const char* count = std::getenv("CINDRAL_RANDOM_SEQUENCES")) return std::max(50, std::atoi(count));
  return 250;
}

std::vector<Action> Generate(std::uint64_t seed, int count) {
  SeededChoices choices(seed);
  EventGenerator generator(choices);
  std::vector<Action> events;
  events.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) events.push_back(generator.Next());
  return events;
}

// The first rule the events break, played from a fresh start.
std::optional<Violation> FirstViolation(std::span<const Action> events, std::size_t* at = nullptr) {
  SequenceChecker checker;
  for (std::size_t i = 0; i < events.size(); ++i) {
    if (auto violation = checker.Step(events[i])) {
      if (at) *at = i;
      return violation;
    }
  }
  return std::nullopt;
}

std::string Report(std::uint64_t seed, std::span<const Action> events, std::size_t at, const Violation& violation) {
  const std::vector<Action> prefix(events.begin(), events.begin() + static_cast<std::ptrdiff_t>(at) + 1);
  const std::vector<Action> shortest = Shrink(prefix, [&](const std::vector<Action>& candidate) {
    const auto v = FirstViolation(candidate);
    return v && v->rule == violation.rule;
  });
  const auto shortestViolation = FirstViolation(shortest);
  return "Seed " + std::to_string(seed) + ", event " + std::to_string(at + 1) + " broke the rule \"" + violation.rule +
         "\":\n  " + violation.detail + "\nShortest list that breaks it (" + std::to_string(shortest.size()) +
         " events), which shows:\n  " + (shortestViolation ? shortestViolation->detail : std::string("(nothing)")) +
         "\n" + ToCpp(shortest);
}

// States worth reaching: in how many sequences each was reached, so that a
// generator that stopped reaching them shows.
struct Reached {
  enum State {
    TraitsUsedUp,
    TagsUsedUp,
    TagsBelowZero,
    BetaSoftwareTag,
    HamFistedTag,
    TraitsOnTypedRace,
    PoolEmpty,
    kStates
  };
  std::array<int, kStates> sequences{};
  std::array<bool, kStates> inThisSequence{};
  std::set<std::string> racesWithTwoTraits;

  void See(const Sheet& sheet) {
    const double tags = sheet.Number(Field::tags);
    const bool typed = !game::RaceNamed(sheet.Text(Field::race));
    inThisSequence[TraitsUsedUp] |= sheet.Text(Field::traits) == "0";
    inThisSequence[TagsUsedUp] |= tags == 0;
    inThisSequence[TagsBelowZero] |= tags < 0;
    inThisSequence[BetaSoftwareTag] |= sheet.State(Box::betasoft) == 1 && tags > 0;
    inThisSequence[HamFistedTag] |= sheet.State(Box::hamfist) == 1 && sheet.State(Box::unarmed) == 1;
    inThisSequence[TraitsOnTypedRace] |= typed && sheet.Text(Field::traits) != "2";
    inThisSequence[PoolEmpty] |= sheet.Text(Field::chpoint) == "0";
    if (!typed && sheet.Text(Field::traits) == "0") racesWithTwoTraits.insert(sheet.Text(Field::race));
  }

  void EndSequence() {
    for (int s = 0; s < kStates; ++s) sequences[s] += inThisSequence[s];
    inThisSequence = {};
  }
};

class RandomSequences : public ::testing::TestWithParam<int> {};

TEST_P(RandomSequences, EveryRuleHoldsAfterEveryEvent) {
  const int sequences = SequencesPerChunk();
  const std::uint64_t base = BaseSeed() + static_cast<std::uint64_t>(GetParam()) * 100000;
  Reached reached;
  long events = 0;
  for (int s = 0; s < sequences; ++s) {
    const std::uint64_t seed = base + static_cast<std::uint64_t>(s);
    const std::vector<Action> sequence = Generate(seed, kEventsPerSequence);
    SequenceChecker checker;
    for (std::size_t i = 0; i < sequence.size(); ++i) {
      if (const auto violation = checker.Step(sequence[i])) {
        FAIL() << Report(seed, sequence, i, *violation);
      }
      reached.See(checker.engine().sheet());
      ++events;
    }
    reached.EndSequence();
  }
  EXPECT_EQ(events, long{sequences} * kEventsPerSequence);
  // Nearly every sequence uses up its traits, tags and points; the rarer
  // states come up in some of them.
  EXPECT_GT(reached.sequences[Reached::TraitsUsedUp], sequences * 9 / 10);
  EXPECT_GT(reached.sequences[Reached::TagsUsedUp], sequences * 9 / 10);
  EXPECT_GT(reached.sequences[Reached::PoolEmpty], sequences * 9 / 10);
  EXPECT_GT(reached.sequences[Reached::TraitsOnTypedRace], sequences / 2);
  EXPECT_GT(reached.sequences[Reached::HamFistedTag], sequences / 10);
  EXPECT_GT(reached.sequences[Reached::BetaSoftwareTag], sequences / 10);
  EXPECT_GE(reached.sequences[Reached::TagsBelowZero], std::max(1, sequences / 100));
  EXPECT_EQ(reached.racesWithTwoTraits.size(), game::kRaces);
  std::printf(
      "Reached in %d sequences: Traits Left 0 in %d, Tags Left 0 in %d, pool empty in %d, traits on a typed "
      "race in %d, Ham Fisted's tag in %d, Beta Software's tag in %d, Tags Left below 0 in %d\n",
      sequences, reached.sequences[Reached::TraitsUsedUp], reached.sequences[Reached::TagsUsedUp],
      reached.sequences[Reached::PoolEmpty], reached.sequences[Reached::TraitsOnTypedRace],
      reached.sequences[Reached::HamFistedTag], reached.sequences[Reached::BetaSoftwareTag],
      reached.sequences[Reached::TagsBelowZero]);
}

INSTANTIATE_TEST_SUITE_P(Chunks, RandomSequences, ::testing::Range(0, kChunks));

// The contributions a breakdown's first line adds up: the number that starts
// each term, with the sign before it; the words in parentheses are skipped.
double Contributions(std::string_view line) {
  constexpr std::string_view kMinus = "\xE2\x88\x92";
  line.remove_prefix(line.find(" = ") + 3);
  double total = 0;
  int sign = 1, depth = 0;
  bool number = true;
  for (std::size_t i = 0; i < line.size();) {
    const std::string_view rest = line.substr(i);
    if (number && rest.starts_with(kMinus)) {
      sign = -1;
      i += kMinus.size();
    } else if (number) {
      std::size_t digits = 0;
      while (digits < rest.size() && std::isdigit(static_cast<unsigned char>(rest[digits]))) ++digits;
      EXPECT_GT(digits, 0u) << "a term without its number: " << line;
      total += sign * std::stod("0" + std::string(rest.substr(0, digits)));
      i += digits;
      number = false;
    } else if (depth == 0 && (rest.starts_with(" + ") || rest.starts_with(" \xE2\x88\x92 "))) {
      sign = rest[1] == '+' ? 1 : -1;
      i += rest[1] == '+' ? 3 : 2 + kMinus.size();
      number = true;
    } else {
      depth += rest[0] == '(' ? 1 : rest[0] == ')' ? -1 : 0;
      ++i;
    }
  }
  return total;
}

std::size_t Occurrences(std::string_view text, std::string_view part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

// The items of the preview's line that begins with `what` ("Opens: A, B").
std::size_t Listed(const std::string& text, const std::string& what) {
  const std::size_t at = text.find(what + ": ");
  if (at == std::string::npos) return 0;
  const std::string line = text.substr(at, text.find('\n', at) - at);
  return Occurrences(line, ", ") + 1;
}

// The lines of an explanation laid out as narrow as a tooltip can be, a
// dozen characters, so that nearly every place a line may break is used.
constexpr double kNarrow = 12;

double Characters(std::string_view text) {
  return static_cast<double>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::vector<std::string> Narrow(const std::string& marked) { return LaidOut(marked, Characters, kNarrow); }

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  for (std::size_t start = 0;;) {
    const std::size_t at = text.find(separator, start);
    parts.push_back(text.substr(start, at - start));
    if (at == std::string::npos) return parts;
    start = at + separator.size();
  }
}

// The items of a preview's line: its changes ("Carry Wt. 150 → 175"), or
// the boxes after its heading ("Closes: Big Guns, …"); none for another line.
std::vector<std::string> PreviewItems(const std::string& line, std::string& heading) {
  heading.clear();
  if (line.find("\xE2\x86\x92") != std::string::npos) return Split(line, ", ");
  for (const char* kind : {"Ticks: ", "Unticks: ", "Opens: ", "Closes: "}) {
    if (line.starts_with(kind)) {
      heading = kind;
      return Split(line.substr(heading.size()), ", ");
    }
  }
  return {};
}

// An explanation's lines, laid out narrow, break only at blanks and never
// inside an item: a preview's "Carry Wt. 150 → 175" or a listed box, a
// breakdown's term with its parentheses, a race's or a trait's name.
enum class Explained { Breakdown, Preview, RaceBox };

void ExpectWholeItems(const std::string& marked, std::uint64_t seed, Explained what) {
  std::vector<std::string_view> names(game::kRaceList.begin(), game::kRaceList.end());
  for (const game::TraitFacts& trait : game::kTraitFacts) names.push_back(trait.caption);
  const std::vector<std::string> marks = Split(marked, "\n");
  for (std::size_t n = 0; n < marks.size(); ++n) {
    const std::string& line = marks[n];
    const std::string whole = Finished(line, Breaks::Unmarked);
    const std::vector<std::string> lines = Narrow(line);
    std::string joined;
    for (const std::string& l : lines) joined += (joined.empty() ? "" : " ") + l;
    ASSERT_EQ(joined, whole) << "seed " << seed << ": a break took more than a blank";

    std::string heading;
    const std::vector<std::string> items =
        what == Explained::Preview ? PreviewItems(whole, heading) : std::vector<std::string>{};
    for (std::size_t i = 0; i < lines.size(); ++i) {
      std::string l = lines[i];
      if (!items.empty() && i == 0 && !heading.empty()) {
        if (l + " " == heading) continue;
        l = l.substr(heading.size());
      }
      const std::vector<std::string> pieces = items.empty() ? std::vector<std::string>{} : Split(l, ", ");
      for (std::string piece : pieces) {
        if (piece.ends_with(',')) piece.pop_back();
        ASSERT_NE(std::find(items.begin(), items.end(), piece), items.end())
            << "seed " << seed << ": \"" << piece << "\" is not a whole item of " << whole;
      }
      // Broken wherever it may be: a line past the width holds one item.
      ASSERT_TRUE(pieces.size() <= 1 || Characters(lines[i]) <= kNarrow) << "seed " << seed << ": " << lines[i];
      if (what == Explained::Breakdown && n == 0) {
        ASSERT_EQ(std::count(l.begin(), l.end(), '('), std::count(l.begin(), l.end(), ')'))
            << "seed " << seed << ": a term split at \"" << l << "\"";
      }
    }
    for (const std::string_view name : names) {
      std::size_t onLines = 0;
      for (const std::string& l : lines) onLines += Occurrences(l, name);
      ASSERT_EQ(onLines, Occurrences(whole, name)) << "seed " << seed << ": " << name << " split in " << whole;
    }
  }
}

// Every value with a breakdown, every number field and every box, by name.
struct ExplainedSheet {
  std::vector<Field> breakdowns, numbers;
  std::vector<Box> boxes;
  ExplainedSheet() {
    for (const std::string_view name : {"chpoint", "tags", "traits"}) numbers.push_back(*FindField(name));
    for (const std::string_view name : game::kStatFields) numbers.push_back(*FindField(name));
    for (const game::SkillFacts& skill : game::kSkillFacts) {
      breakdowns.push_back(*FindField(skill.valueField));
      boxes.push_back(*FindBox(skill.tagBox));
    }
    for (const game::SecondaryFacts& secondary : game::kSecondaryFacts) {
      if (secondary.field != "gres") breakdowns.push_back(*FindField(secondary.field));
    }
    numbers.insert(numbers.end(), breakdowns.begin(), breakdowns.end());
    numbers.push_back(*FindField("gres"));
    for (const game::TraitFacts& trait : game::kTraitFacts) boxes.push_back(*FindBox(trait.box));
  }
};

// Over 10,000 seeded events: in every state every breakdown adds up to the
// value shown, and before every click on a button or a box its preview
// lists exactly what the click then changes; laid out in narrow lines, none
// of them, nor what the race box says, splits an item.
TEST(Explanations, EveryBreakdownAddsUpAndEveryPreviewIsExact) {
  const ExplainedSheet all;
  for (int s = 0; s < 10; ++s) {
    const std::uint64_t seed = BaseSeed() + 900000 + static_cast<std::uint64_t>(s);
    Engine engine;
    engine.Start();
    for (const Action& event : Generate(seed, kEventsPerSequence)) {
      const Sheet& sheet = engine.sheet();
      for (const Field field : all.breakdowns) {
        const std::string breakdown = Breakdown(engine, field);
        ExpectWholeItems(Breakdown(engine, field, Breaks::Marked), seed, Explained::Breakdown);
        const std::string line = breakdown.substr(0, breakdown.find('\n'));
        ASSERT_NE(line.find(" " + sheet.Text(field) + " = "), std::string::npos) << line;
        ASSERT_EQ(Contributions(line), std::stod(sheet.Text(field))) << "seed " << seed << ": " << breakdown;
      }
      const auto control = event.kind == Action::Kind::Click ? FindControl(event.text) : std::nullopt;
      if (!control || control->kind == ControlKind::Caption) {
        Apply(engine, event);
        continue;
      }
      const std::string preview = PreviewText(engine, event.text);
      ExpectWholeItems(PreviewText(engine, event.text, Breaks::Marked), seed, Explained::Preview);
      ExpectWholeItems(Explain(engine, "race", Breaks::Marked), seed, Explained::RaceBox);
      const Engine before(engine);
      Apply(engine, event);
      std::size_t changed = 0, opened = 0, closed = 0, ticked = 0, unticked = 0;
      for (const Field field : all.numbers) {
        const std::string& was = before.sheet().Text(field);
        const std::string& is = sheet.Text(field);
        if (was == is) continue;
        ++changed;
        EXPECT_GE(Occurrences(preview, " " + was + " \xE2\x86\x92 " + is), 1u) << "seed " << seed << ": " << preview;
      }
      for (const Box box : all.boxes) {
        opened += !before.sheet().Enabled(box) && sheet.Enabled(box);
        closed += before.sheet().Enabled(box) && !sheet.Enabled(box);
        if (control->kind == ControlKind::Box && static_cast<Box>(control->index) == box) continue;
        ticked += before.sheet().State(box) == 0 && sheet.State(box) == 1;
        unticked += before.sheet().State(box) == 1 && sheet.State(box) == 0;
      }
      ASSERT_EQ(Occurrences(preview, "\xE2\x86\x92"), changed)
          << "seed " << seed << ", " << event.text << ": " << preview;
      ASSERT_EQ(Listed(preview, "Opens"), opened) << preview;
      ASSERT_EQ(Listed(preview, "Closes"), closed) << preview;
      ASSERT_EQ(Listed(preview, "Ticks"), ticked) << preview;
      ASSERT_EQ(Listed(preview, "Unticks"), unticked) << preview;
      ASSERT_FALSE(preview.empty());
    }
  }
}

// The checks must be able to fail: each broken sheet is caught by its rule.
struct Breakage {
  const char* what;
  void (*breakSheet)(Sheet&);
  const char* rule;
};

const Breakage kBreakages[] = {
    {"Traits Left one off", [](Sheet& s) { s.SetText(Field::traits, "1"); }, "the sheet follows the rules: traits"},
    {"Tags Left one off", [](Sheet& s) { s.SetText(Field::tags, "2"); }, "the sheet follows the rules: tags"},
    {"a point too many", [](Sheet& s) { s.SetText(Field::st, "6"); }, "the sheet follows the rules: st"},
    {"a skill without its sign", [](Sheet& s) { s.SetText(Field::sma, "25"); }, "the sheet follows the rules: sma"},
    {"a gas pair without its slash", [](Sheet& s) { s.SetText(Field::gres, "0"); },
     "the sheet follows the rules: gres"},
    {"a fraction", [](Sheet& s) { s.SetText(Field::hp, "30.5"); }, "the sheet follows the rules: hp"},
    {"a stray note", [](Sheet& s) { s.SetText(Field::extra, "Bloody Mess. All kills die violently. "); },
     "the sheet follows the rules: extra"},
    {"a tag box closed with tags left", [](Sheet& s) { s.SetEnabled(Box::doctor, false); },
     "the sheet follows the rules: doctor enabled flag"},
    {"a trait box the race lacks opened", [](Sheet& s) { s.SetEnabled(Box::rabid, true); },
     "the sheet follows the rules: rabid enabled flag"},
    {"a name typed by nobody", [](Sheet& s) { s.SetText(Field::Name, "Nobody"); }, "the sheet follows the rules: Name"},
    {"a text in the panel before any click", [](Sheet& s) { s.SetText(Field::info, "Bruiser - "); },
     "the information panel shows the text of the last caption or trait box"},
};

TEST(SequenceChecker, CatchesEveryKindOfBrokenSheet) {
  for (const Breakage& breakage : kBreakages) {
    SequenceChecker checker;
    ASSERT_FALSE(checker.Step(Click("Label75"))) << breakage.what;
    breakage.breakSheet(checker.engine().sheet());
    const auto violation = checker.Step(Click("Label75"));
    ASSERT_TRUE(violation) << breakage.what;
    EXPECT_EQ(violation->rule, breakage.rule) << breakage.what << ": " << violation->detail;
  }
}

// The panel: a trait box shows the same text as its caption, and a caption
// shows the same text every time.
TEST(SequenceChecker, HoldsThePanelToOneTextPerCaption) {
  SequenceChecker checker;
  ASSERT_FALSE(checker.Step(Click("Label4")));  // "Bruiser"
  checker.engine().sheet().SetText(Field::info, "Bruiser - something else entirely");
  const auto violation = checker.Step(Click("Label75"));
  ASSERT_TRUE(violation);
  EXPECT_EQ(violation->rule, "the information panel shows the text of the last caption or trait box");
}

// Typed race texts, ticked and forced tags, counters below 0: nothing is
// skipped, and a character played through all of them still passes.
TEST(SequenceChecker, PassesACharacterThroughTypedRacesAndForcedTags) {
  SequenceChecker checker;
  const Action events[] = {
      PickRace("Robot"), Click("stplu"),           Click("betasoft"), Click("smallguns"),    Click("tightnuts"),
      TypeRace("robot"), Click("stplu"),           Click("Label32"),  Click("betasoft"),     Click("tightnuts"),
      Click("bruiser"),  TypeRace("Super-Mutant"), Click("stplu"),    Click("sneak"),        Click("doctor"),
      Click("traps"),    PickRace("Super-Mutant"), Click("sneak"),    Click("doctor"),       Click("traps"),
      Click("hamfist"),  Click("unarmed"),         Click("bloody"),   Click("hamfist"),      Click("unarmed"),
      TypeRace("Dog"),   Click("fastmet"),         Click("bloody"),   Click("domesticated"), Click("inplu"),
      TypeName("Rex"),
  };
  for (const Action& event : events) {
    const auto violation = checker.Step(event);
    ASSERT_FALSE(violation) << ToCpp(event) << " " << violation->rule << ": " << violation->detail;
  }
  // The list reached what it was written for: Ham Fisted's tag with no tag
  // left, and a Dog's trait on a Super-Mutant, opened by Bloody Mess's untick
  // after "Dog" was typed.
  const CharacterModel& model = checker.model();
  EXPECT_EQ(model.tags(), -1);
  EXPECT_TRUE(model.trait(game::TraitIndex("domesticated")).ticked);
}

// The facts the checker holds, against the sums and counts the rules state.
TEST(SequenceChecker, FactsAddUpAsTheRulesSay) {
  for (const game::RaceStart& row : game::kRaceStarts) {
    int sum = row.charPoints;
    for (const int v : row.stats) sum += v;
    EXPECT_EQ(sum, 40) << row.race;
  }
  const std::map<std::string_view, int> allowed = {{"Human", 18},       {"Ghoul", 19},     {"Super-Mutant", 19},
                                                   {"Half-Mutant", 17}, {"Deathclaw", 14}, {"Gray Deathclaw", 14},
                                                   {"Dog", 14},         {"Robot", 13}};
  for (const game::TraitColumn& column : game::kTraitColumns) {
    int count = 0;
    for (const game::TraitFacts& trait : game::kTraitFacts) count += trait.allowedBy[column.column] == 'y';
    EXPECT_EQ(count, allowed.at(column.race)) << column.race;
  }
  std::set<std::string_view> lines;
  for (const game::TraitFacts& trait : game::kTraitFacts) {
    EXPECT_TRUE(trait.noteLine.ends_with(". ")) << trait.box;
    lines.insert(trait.noteLine);
  }
  EXPECT_EQ(lines.size(), game::kTraits);
}

TEST(EventGenerator, SameSeedSameEventsOtherSeedOtherEvents) {
  EXPECT_EQ(Generate(7, 5000), Generate(7, 5000));
  EXPECT_NE(Generate(7, 5000), Generate(8, 5000));
}

TEST(EventGenerator, ReachesEveryControlEveryRaceAndEveryKindOfTypedText) {
  const std::vector<Action> events = Generate(kDefaultSeed, 200000);
  std::set<std::string> clicked, picked;
  int empty = 0, long10k = 0, notAscii = 0, wrongCase = 0, pickAfterTyping = 0, typed = 0, dead = 0;
  for (std::size_t i = 0; i < events.size(); ++i) {
    const Action& e = events[i];
    if (e.kind == Action::Kind::Click) {
      clicked.insert(e.text);
      dead += !FindControl(e.text);
    }
    if (e.kind == Action::Kind::PickRace) picked.insert(e.text);
    if (e.kind != Action::Kind::TypeRace) continue;
    ++typed;
    empty += e.text.empty();
    long10k += e.text.size() >= 10000;
    notAscii += std::any_of(e.text.begin(), e.text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    wrongCase += e.text == "robot" || e.text == "HUMAN" || e.text == "gray deathclaw";
    pickAfterTyping += i + 1 < events.size() && events[i + 1].kind == Action::Kind::PickRace;
  }
  const ControlNames& controls = Controls();
  for (const auto* names : {&controls.buttons, &controls.boxes, &controls.captions}) {
    for (const std::string& name : *names) EXPECT_TRUE(clicked.count(name)) << name;
  }
  EXPECT_EQ(controls.buttons.size(), 14u);
  EXPECT_EQ(controls.boxes.size(), 47u);
  EXPECT_EQ(controls.captions.size(), 93u);  // Label4 ... Label94, tags, Command1
  for (const std::string_view race : game::kRaceList) EXPECT_TRUE(picked.count(std::string(race))) << race;
  for (const std::string_view name : {"st", "Label75", "chpoint"})
    EXPECT_TRUE(clicked.count(std::string(name))) << name;
  EXPECT_GT(dead, 1000);
  EXPECT_GT(empty, 50);
  EXPECT_GT(long10k, 50);
  EXPECT_GT(notAscii, 200);
  EXPECT_GT(wrongCase, 50);
  EXPECT_GT(pickAfterTyping, typed / 3);
}

TEST(EventGenerator, BytesRunOutIntoAnEnd) {
  const std::uint8_t bytes[] = {90, 3, 200, 17, 5};
  ByteChoices choices(bytes);
  EventGenerator generator(choices);
  int events = 0;
  while (!choices.Exhausted()) {
    generator.Next();
    ++events;
  }
  EXPECT_GE(events, 1);
  EXPECT_LE(events, 5);
  EXPECT_EQ(choices.Below(1000), 0u);
}

TEST(EventGenerator, PrintsEventsAsCodeThatMakesThemAgain) {
  EXPECT_EQ(ToCpp(Click("stplu")), "engine.Click(\"stplu\");");
  EXPECT_EQ(ToCpp(TypeRace("say \"hi\"\\")), "engine.TypeRace(\"say \\\"hi\\\"\\\\\");");
  EXPECT_EQ(ToCpp(TypeRace("R\xc5\x8d"
                           "bot")),
            "engine.TypeRace(\"R\\305\\215bot\");");
  EXPECT_EQ(ToCpp(TypeRace(std::string("Dog\0", 4))), "engine.TypeRace(std::string(\"Dog\\000\", 4));");
  EXPECT_EQ(ToCpp(TypeRace(Repeat("Robot", 2000))), "engine.TypeRace(cindral::test::Repeat(\"Robot\", 2000));");
  EXPECT_EQ(ToCpp(TypeName(std::string(10000, 'x'))), "engine.TypeName(cindral::test::Repeat(\"x\", 10000));");
  EXPECT_EQ(ToCpp(PickRace("Gray Deathclaw")), "engine.PickRace(\"Gray Deathclaw\");");
}

TEST(Shrink, KeepsOnlyTheEventsTheFailureNeeds) {
  std::vector<Action> events = Generate(3, 600);
  events.insert(events.begin() + 100, Click("needle-1"));
  events.insert(events.begin() + 400, Click("needle-2"));
  const auto fails = [](const std::vector<Action>& list) {
    const auto first = std::find(list.begin(), list.end(), Click("needle-1"));
    return first != list.end() && std::find(first, list.end(), Click("needle-2")) != list.end();
  };
  EXPECT_EQ(Shrink(events, fails), (std::vector<Action>{Click("needle-1"), Click("needle-2")}));
}

TEST(Shrink, LeavesAListFromWhichNoEventCanBeTaken) {
  // Fails once Traits Left is 0: the shrunk list must still get there, and
  // must not get there without any one of its events.
  const auto fails = [](const std::vector<Action>& list) {
    Engine engine;
    engine.Start();
    for (const Action& event : list) Apply(engine, event);
    return engine.sheet().Text(Field::traits) == "0";
  };
  std::vector<Action> events = Generate(11, 3000);
  std::size_t end = 0;
  while (end < events.size() &&
         !fails(std::vector<Action>(events.begin(), events.begin() + static_cast<std::ptrdiff_t>(end))))
    ++end;
  ASSERT_LT(end, events.size());
  events.resize(end);
  const std::vector<Action> shortest = Shrink(events, fails);
  ASSERT_TRUE(fails(shortest));
  EXPECT_LE(shortest.size(), 3u);
  for (std::size_t i = 0; i < shortest.size(); ++i) {
    std::vector<Action> without = shortest;
    without.erase(without.begin() + static_cast<std::ptrdiff_t>(i));
    EXPECT_FALSE(fails(without)) << ToCpp(shortest);
  }
}

}  // namespace
}  // namespace cindral::test
