// The printed sheet's words: the title, the sections in the window's order
// with every value and mark the copy gives, each ticked trait with its
// line of the notes under it, and Extra with what else the notes say.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "character_summary.h"
#include "player.h"
#include "printed_sheet.h"

namespace cindral::test {
namespace {

PrintedSheet Printed(Player& p) { return PrintedSheetOf(Summarize(p.engine())); }

std::vector<std::string> Headings(const std::vector<PrintedSection>& column) {
  std::vector<std::string> headings;
  for (const PrintedSection& section : column) headings.emplace_back(section.heading);
  return headings;
}

// A row as "caption: value (mark)", its note after " / ".
std::vector<std::string> Rows(const PrintedSection& section) {
  std::vector<std::string> rows;
  for (const PrintedRow& row : section.rows) {
    std::string text(row.caption);
    if (!row.value.empty()) text += ": " + row.value;
    if (!row.mark.empty()) text += " (" + row.mark + ")";
    if (!row.note.empty()) text += (text.empty() ? "" : " / ") + row.note;
    rows.push_back(text);
  }
  return rows;
}

TEST(PrintedSheet, ARobotReadsInTheWindowsOrderWithEveryValueAndMark) {
  Player p("Robot");
  for (const char* control : {"inplu", "agplu", "smallguns", "science", "bruiser", "finesse"}) p.Click(control);
  p.TypeName("Ada\tLovelace");
  const PrintedSheet sheet = Printed(p);

  EXPECT_EQ(sheet.program, "Cindral PnP Character Generator 1.0");
  EXPECT_EQ(sheet.name, "Ada\\tLovelace");
  EXPECT_EQ(sheet.race, "Robot");
  EXPECT_EQ(sheet.raceMark, "");
  EXPECT_EQ(Headings(sheet.columns[0]), (std::vector<std::string>{"Primary Stats", "Traits", "Skills"}));
  EXPECT_EQ(Headings(sheet.columns[1]), (std::vector<std::string>{"Secondary Stats", "Extra"}));

  EXPECT_EQ(Rows(sheet.columns[0][0]),
            (std::vector<std::string>{"Strength: 9", "Perception: 7", "Endurance: 7", "Charisma: 1", "Intelligence: 6",
                                      "Agility: 6", "Luck: 5", "Char Points: 1"}));
  EXPECT_EQ(Rows(sheet.columns[0][1]), (std::vector<std::string>{"Bruiser / -2 Action Points, +2 Strength.",
                                                                 "Finesse / +10 Critical Chance, -30% Damage."}));
  const std::vector<std::string> skills = Rows(sheet.columns[0][2]);
  ASSERT_EQ(skills.size(), 19u);
  EXPECT_EQ(skills[0], "Small Guns: 49% (tagged)");
  EXPECT_EQ(skills[1], "Big Guns: 12%");
  EXPECT_EQ(skills[12], "Science: 44% (tagged)");
  EXPECT_EQ(skills[18], "Outdoorsman: 26%");
  const std::vector<std::string> secondary = Rows(sheet.columns[1][0]);
  ASSERT_EQ(secondary.size(), 17u);
  EXPECT_EQ(secondary[0], "Hit Points: 38");
  EXPECT_EQ(secondary[3], "Bonus Dmg.: -30%");
  EXPECT_EQ(secondary[7], "Gas Res.: 0/0");
  EXPECT_EQ(secondary[16], "HP Rate: 6");
  // The traits' lines stand under the traits; Extra keeps the race's note.
  EXPECT_EQ(Rows(sheet.columns[1][1]),
            std::vector<std::string>{std::string(kRobotNote.substr(0, kRobotNote.size() - 1))});
}

// Each ticked trait's line of the notes, found whatever the note calls the
// trait, and what is left for Extra.
struct TraitsCase {
  const char* what;
  const char* race;
  std::vector<const char*> boxes;
  std::vector<std::string> traits;
  std::string extra;
};

const TraitsCase kTraitsCases[] = {
    {"no trait", "Human", {}, {"none"}, "none"},
    {"a Human's trait: no note is left", "Human", {"bruiser"}, {"Bruiser / -2 Action Points, +2 Strength."}, "none"},
    {"a note that names the trait otherwise",
     "Human",
     {"chemrel", "skilled"},
     {"Chem. Reliant / 2x Addiction Chance, 1/2x Recovery Time.",
      "Skilled / +10% to all skills, +5 Skill Gain Rate, +1 Perk Gain Rate."},
     "none"},
    {"the window's order is not the notes' order",
     "Robot",
     {"targetcomp", "bruiser"},
     {"Bruiser / -2 Action Points, +2 Strength.", "Targetting Computer / +1AP to firing attacks, +15% to hit."},
     "Robots have a 40% Damage resistance to all kinds of attacks... except EMP (pulse weapons), they dont gain "
     "perks either."},
};

TEST(PrintedSheet, EachTraitCarriesItsNoteLineAndExtraKeepsTheRest) {
  for (const TraitsCase& c : kTraitsCases) {
    SCOPED_TRACE(c.what);
    Player p(c.race);
    for (const char* box : c.boxes) p.Toggle(box);
    const PrintedSheet sheet = Printed(p);
    EXPECT_EQ(Rows(sheet.columns[0][1]), c.traits);
    EXPECT_EQ(Rows(sheet.columns[1][1]), std::vector<std::string>{c.extra});
  }
}

// A typed race carries the copy's mark; a Unarmed that Ham Fisted tagged
// with no tag left carries its own.
TEST(PrintedSheet, MarksATypedRaceAndAClosedTagAsTheCopyDoes) {
  Player p("Super-Mutant");
  for (const char* box : {"smallguns", "doctor", "repair", "hamfist", "repair", "hamfist"}) p.Click(box);
  p.Type("Elf\x01");
  const PrintedSheet sheet = Printed(p);
  EXPECT_EQ(sheet.race, "Elf\\x01");
  EXPECT_EQ(sheet.raceMark, "typed, not picked; trait boxes follow Super-Mutant");
  EXPECT_EQ(Rows(sheet.columns[0][2])[3].substr(0, 9), "Unarmed: ");
  EXPECT_TRUE(Rows(sheet.columns[0][2])[3].ends_with("% (tagged, box closed)")) << Rows(sheet.columns[0][2])[3];
}

// A name or a race text longer than a title line is cut, never inside a
// character, with "…" where it was cut; a shorter one stands whole.
TEST(PrintedSheet, CutsALongNameAndRaceTextWithAnEllipsis) {
  Player p("Human");
  const std::string longest(120, 'N');
  p.TypeName(longest);
  p.Type(std::string(80, 'R'));
  EXPECT_EQ(Printed(p).name, longest);
  EXPECT_EQ(Printed(p).race, std::string(80, 'R'));
  std::string name;
  for (int i = 0; i < 200; ++i) name += "\xC3\x89";  // "É", two bytes each
  p.TypeName(name);
  p.Type(std::string(10000, 'R'));
  EXPECT_EQ(Printed(p).name, name.substr(0, 240) + "\u2026");
  EXPECT_EQ(Printed(p).race, std::string(80, 'R') + "\u2026");
}

}  // namespace
}  // namespace cindral::test
