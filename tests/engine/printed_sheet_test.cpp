// The printed sheet's words: the sections in the window's order with every
// value and mark the copy gives, each ticked trait with its line of the
// notes, Extra with what else the notes say, and the title cut short.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "character_summary.h"
#include "player.h"
#include "printed_sheet.h"

namespace cindral::test {
namespace {

// Each section as its heading and rows, a row as "caption: value (mark) /
// note" without the parts it lacks.
std::string Outline(const std::vector<PrintedSection>& column) {
  std::string text;
  for (const PrintedSection& section : column) {
    text += "[" + std::string(section.heading) + "]";
    for (const PrintedRow& row : section.rows) {
      std::string line(row.caption);
      if (!row.value.empty()) line += ": " + row.value;
      if (!row.mark.empty()) line += " (" + row.mark + ")";
      if (!row.note.empty()) line += (line.empty() ? "" : " / ") + row.note;
      text += " " + line + ";";
    }
  }
  return text;
}

// Each ticked trait's line of the notes, found whatever the note calls the
// trait, in the window's order (the notes keep the traits' own order);
// Extra keeps what is left, or "none".
TEST(PrintedSheet, EachTraitCarriesItsNoteLineAndExtraKeepsTheRest) {
  struct Case {
    const char* race;
    std::vector<const char*> boxes;
    std::string traitsAndExtra;
  };
  const Case cases[] = {
      {"Human", {}, "[Traits] none;[Extra] none;"},
      {"Human", {"bruiser"}, "[Traits] Bruiser / -2 Action Points, +2 Strength.;[Extra] none;"},
      {"Human",
       {"fastmet", "chemrel"},
       "[Traits] Chem. Reliant / 2x Addiction Chance, 1/2x Recovery Time.; Fast Metabolism / +2 Healing rate, 0% "
       "Poison resistance (plus race mods), 0% Radiation resistance (plus race mods).;[Extra] none;"},
      {"Deathclaw",
       {"kamikaze", "bruiser"},
       "[Traits] Bruiser / -2 Action Points, +2 Strength.; Kamikaze / 0 Natural Armor Class, +5 Sequence.;[Extra] "
       "Deathclaws have 40% resistance to Normal, Fire and Explosion Damage with an Damage Threshold of 4 for each of "
       "those damage types.;"},
  };
  for (const Case& c : cases) {
    Player p(c.race);
    for (const char* box : c.boxes) p.Toggle(box);
    const PrintedSheet sheet = PrintedSheetOf(Summarize(p.engine()));
    EXPECT_EQ(Outline({sheet.columns[0][1], sheet.columns[1][1]}), c.traitsAndExtra) << c.race;
  }
}

// The window's order in two columns; a typed race text carries the copy's
// mark; a name or a race text longer than a title line is cut, never
// inside a character, with "…".
TEST(PrintedSheet, MarksATypedRaceAndCutsALongNameAsTheCopyWritesThem) {
  Player p("Super-Mutant");
  p.Click("smallguns");
  std::string name;
  for (int i = 0; i < 200; ++i) name += "\xC3\x89";  // "É", two bytes each
  p.TypeName(name);
  p.Type(std::string(79, 'R') + "\x01");
  PrintedSheet sheet = PrintedSheetOf(Summarize(p.engine()));
  EXPECT_EQ(sheet.name, name.substr(0, 240) + "\u2026");
  EXPECT_EQ(sheet.race, std::string(79, 'R') + "\\\u2026");  // "\x01" escaped, then cut
  EXPECT_EQ(sheet.raceMark, "typed, not picked; trait boxes follow Super-Mutant");
  EXPECT_EQ(Outline(sheet.columns[0]).substr(0, 36), "[Primary Stats] Strength: 5; Percept");
  EXPECT_NE(Outline(sheet.columns[0]).find("; Char Points: 5;[Traits] none;[Skills] Small Guns: 45% (tagged);"),
            std::string::npos);
  EXPECT_EQ(Outline(sheet.columns[1]).substr(0, 32), "[Secondary Stats] Hit Points: 30");
  p.TypeName(name.substr(0, 240));
  p.Type(std::string(80, 'R'));
  sheet = PrintedSheetOf(Summarize(p.engine()));
  EXPECT_EQ(sheet.name + " | " + sheet.race, name.substr(0, 240) + " | " + std::string(80, 'R'));
}

}  // namespace
}  // namespace cindral::test
