// The information panel's texts, as a click on each caption shows them:
// every text begins with its title and states the numbers and formulas of
// its rule; the two texts of Tags Left are given whole, the About line
// begins with the program's name and version.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "help_texts.h"
#include "player.h"

namespace cindral::test {
namespace {

// A caption, the title its text begins with, and what the text must state.
struct HelpRow {
  const char* control;
  const char* title;
  std::vector<std::string> stated;
};

// clang-format off
const HelpRow kTraitTexts[] = {
    {"Label32", "Beta Software - ",      {"1 extra tag skill", "Luck", "fails automatically", "action points"}},
    {"Label17", "Bloody Mess - ",        {"violent", "game master"}},
    {"Label4",  "Bruiser - ",            {"+2 Strength", "-2 action points"}},
    {"Label25", "Chem Reliant - ",       {"twice", "half the time"}},
    {"Label24", "Chem Resistant - ",     {"half as long", "50%"}},
    {"Label27", "Domesticated - ",       {"Intelligence +1", "racial maximum", "melee damage -2"}},
    {"Label33", "EMP Shielding - ",      {"30%", "EMP", "2 action points"}},
    {"Label16", "Fast Metabolism - ",    {"+2 healing rate", "0%", "20%", "(0%)"}},
    {"Label6",  "Fast Shot - ",          {"one action point less", "targeted shots", "melee"}},
    {"Label30", "Fear The Reaper - ",    {"human rate", "once a month", "Luck"}},
    {"Label12", "Finesse - ",            {"30% of their damage", "30% damage resistance", "+10%"}},
    {"Label21", "Gifted - ",             {"7 extra points", "-10%", "5 fewer skill points"}},
    {"Label19", "Glowing One - ",        {"light modifiers", "+50%", "10 rads per hour"}},
    {"Label26", "Good Natured - ",       {"First Aid, Doctor, Speech and Barter +20%",
                                          "Small Guns, Big Guns, Energy Weapons, Unarmed and Melee Weapons -10%", "one-time"}},
    {"Label28", "Ham Fisted - ",         {"free tag in Unarmed", "-20% to Small Guns, First Aid, Doctor, Repair, Science and Lockpick", "0%"}},
    {"Label8",  "Heavy Handed - ",       {"+4 melee damage", "30% less damage", "30% less likely"}},
    {"Label18", "Jinxed - ",             {"50%", "critical failures"}},
    {"Label10", "Kamikaze - ",           {"0 whatever the Agility", "+5 sequence"}},
    {"Label23", "Night Person - ",       {"-1 from 0601 to 1800", "+1 from 1801 to 0600"}},
    {"Label13", "One Hander - ",         {"-40%", "+20%"}},
    {"Label36", "Rabid - ",              {"blindness", "+5 action points", "stimpaks"}},
    {"Label20", "Sex Appeal - ",         {"+1 Charisma", "+40%", "-1", "-40%"}},
    {"Label22", "Skilled - ",            {"5 more skill points", "every four levels", "every three"}},
    {"Label14", "Small Frame - ",        {"+1 Agility", "15 pounds times Strength"}},
    {"Label34", "Targeting Computer - ", {"1 extra action point", "+15%"}},
    {"Label31", "Tech Wizard - ",        {"+15% to Science, Repair and Lockpick", "-1 Perception"}},
    {"Label35", "Tight Nuts - ",         {"base damage resistance", "doubled", "half the hit points"}},
    {"Label29", "Vat Skin - ",           {"+10 armor class", "ten hexes", "-1 Perception"}},
};

const HelpRow kSecondaryTexts[] = {
    {"Label48", "HIT POINTS (HP): ",        {"15 + STR + 2xEN", "3 + 1/2 (round down) EN", "dead stay dead"}},
    {"Label59", "ARMOR CLASS (AC): ",       {"Agility 6 and armor 5 give 11"}},
    {"Label60", "MELEE DAMAGE: ",           {"unarmed and melee combat", "Strength"}},
    {"Label61", "Bonus Damage - ",          {"traits or perks"}},
    {"Label62", "DAMAGE RESISTANCE: ",      {"armor", "0%"}},
    {"Label63", "POISON RESISTANCE: ",      {"5 X EN", "Endurance 6 gives 30%"}},
    {"Label64", "RADIATION RESISTANCE: ",   {"2 X EN", "Endurance 8 gives 16%", "1000 rads, 840 get in"}},
    {"Label65", "GAS RESISTANCE: ",         {"inhaled/contact", "0 / 0", "robots"}},
    {"Label66", "ELECTRICAL RESISTANCE: ",  {"starts at 0"}},
    {"Label67", "ACTION POINTS (AP): ",     {"costs 1", "often 2", "often 5", "never below 5"}},
    {"Label68", "CARRY WEIGHT: ",           {"25 + 25 lbs X STR", "Strength 6 gives 175 pounds"}},
    {"Label69", "HEALING RATE: ",           {"six hours of rest", "Endurance"}},
    {"Label70", "CRITICAL CHANCE: ",        {"Luck 3 gives 3%"}},
    {"Label71", "SEQUENCE: ",               {"2 X PE"}},
    {"Label72", "SKILL RATE: ",             {"5 + (2 X IN)"}},
    {"Label73", "PERK RATE: ",              {"levels between new perks"}},
    {"Label74", "HP RATE: ",                {"(3 + (1/2 EN))"}},
};

// A skill's caption, its title, what else its text states, its starting
// level as the text writes it and what that gives at all statistics 5.
struct SkillHelpRow {
  const char* control;
  const char* title;
  std::vector<std::string> stated;
  const char* formula;
  int atAllFives;
};

const SkillHelpRow kSkillTexts[] = {
    {"Label39", "Small Guns - ",     {},                                   "5% + (4 X AG)",          25},
    {"Label40", "Big Guns - ",       {},                                   "0% + (2 X AG)",          10},
    {"Label41", "Energy Weapons - ", {},                                   "0% + (2 X AG)",          10},
    {"Label42", "Unarmed - ",        {},                                   "30% + (2 X (AG + STR))", 50},
    {"Label43", "Melee Weapons - ",  {},                                   "20% + (2 X (AG + STR))", 40},
    {"Label44", "Throwing - ",       {"Strength"},                         "0% + (4 X AG)",          20},
    {"Label45", "First Aid - ",      {"3 times a day", "1d10 minutes", "1d10 hit points"}, "0% + (2 X (PE + EN))", 20},
    {"Label46", "Doctor - ",         {"2d10 hit points in 1 hour", "twice a day"}, "5% + (PE + IN)",  15},
    {"Label49", "Sneak - ",          {},                                   "5% + (3 X AG)",          20},
    {"Label50", "Lockpick - ",       {"electronic lockpick"},              "10% + (PE + AG)",        20},
    {"Label51", "Steal - ",          {},                                   "0% + (3 X AG)",          15},
    {"Label52", "Traps – ",          {},                                   "10% + (PE + AG)",        20},
    {"Label53", "Science - ",        {"First Aid"},                        "0% + (4 X IN)",          20},
    {"Label54", "Repair - ",         {"Doctor"},                           "0% + (3 X IN)",          15},
    {"Label47", "Pilot – ",          {},                                   "0% + 2X (AG + PE)",      20},
    {"Label55", "Speech - ",         {},                                   "0% + (5 X CH)",          25},
    {"Label56", "Barter - ",         {},                                   "0% + (4 X CH)",          20},
    {"Label57", "Gambling – ",       {},                                   "0% + (5 X LK)",          25},
    {"Label58", "Outdoorsman – ",    {},                                   "0% + (2 X (EN + IN))",   20},
};
// clang-format on

constexpr std::string_view kTagsLeftText =
    "This is the number of Tag Skils you can pick for your character. A tagged skill increase twice as fast as a "
    "normal skill.";
constexpr std::string_view kTagsCounterText =
    "This is the number of Tag Skils you can pick for your character. A tagged skill increase twice as fast as a "
    "normal skill. This indicates the number of tags left";
constexpr std::string_view kAboutStart = "Cindral PnP Character Generator v1.0";

// What the panel shows after a click on the control; the program's own
// lookup of the text must agree with it.
std::string TextShownBy(const char* control) {
  Player player("Robot");  // half the trait captions stand beside a closed box
  player.Click(control);
  const std::string shown = player["info"];
  EXPECT_EQ(HelpFor(control), shown) << control;
  return shown;
}

// Begins with its title, goes on with a rule, is one paragraph and states
// each of `stated`.
void ExpectTitledText(const std::string& text, const char* title, const std::vector<std::string>& stated) {
  EXPECT_TRUE(text.starts_with(title)) << '"' << text << "\" does not begin \"" << title << '"';
  EXPECT_GT(text.size(), std::string_view(title).size() + 20) << "no rule after the title";
  EXPECT_EQ(text.find('\n'), std::string::npos) << "more than one paragraph";
  for (const std::string& part : stated) {
    EXPECT_NE(text.find(part), std::string::npos) << '"' << text << "\" does not say \"" << part << '"';
  }
}

TEST(HelpTexts, EachTraitTextStatesItsRule) {
  for (const HelpRow& row : kTraitTexts) {
    SCOPED_TRACE(row.control);
    ExpectTitledText(TextShownBy(row.control), row.title, row.stated);
  }
}

TEST(HelpTexts, EachSecondaryStatTextStatesItsRule) {
  for (const HelpRow& row : kSecondaryTexts) {
    SCOPED_TRACE(row.control);
    ExpectTitledText(TextShownBy(row.control), row.title, row.stated);
  }
}

// A skill's text ends with its starting level: the formula, exactly as the
// game writes it, and its value with every statistic at 5.
TEST(HelpTexts, EachSkillTextEndsWithItsStartingLevel) {
  for (const SkillHelpRow& row : kSkillTexts) {
    SCOPED_TRACE(row.control);
    const std::string text = TextShownBy(row.control);
    ExpectTitledText(text, row.title, row.stated);
    const std::string level =
        std::string("Initial Level: ") + row.formula + " = " + std::to_string(row.atAllFives) + "% at ";
    const std::size_t at = text.find(level);
    ASSERT_NE(at, std::string::npos) << '"' << text << "\" does not state \"" << level << '"';
    // Only the statistics at 5 follow the value, and nothing after them.
    const std::string tail = text.substr(at + level.size());
    EXPECT_TRUE(tail.ends_with(" 5") && tail.find('.') == std::string::npos) << "the text goes on: \"" << tail << '"';
  }
}

TEST(HelpTexts, TagsLeftAndItsCounterDifferAtTheEnd) {
  EXPECT_EQ(TextShownBy("Label94"), kTagsLeftText);
  EXPECT_EQ(TextShownBy("tags"), kTagsCounterText);
}

TEST(HelpTexts, AboutBeginsWithTheProgramsNameAndVersion) {
  const std::string about = TextShownBy("Command1");
  EXPECT_TRUE(about.starts_with(std::string(kAboutStart) + " ")) << about;
  std::string lower = about;
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  EXPECT_NE(lower.find("suggestions"), std::string::npos) << about;
  EXPECT_NE(lower.find("error reports"), std::string::npos) << about;
  EXPECT_EQ(about.find('\n'), std::string::npos) << about;
  // It invites the player to write in, but names no address.
  EXPECT_EQ(about.find('@'), std::string::npos) << about;
  EXPECT_EQ(about.find("://"), std::string::npos) << about;
}

// Every caption that shows a text is one of those above, and every other
// control has none.
TEST(HelpTexts, OnlyTheCaptionsAboveHaveATextAndEachItsOwn) {
  std::vector<std::string> listed = {"Label94", "tags", "Command1"};
  for (const HelpRow& row : kTraitTexts) listed.emplace_back(row.control);
  for (const HelpRow& row : kSecondaryTexts) listed.emplace_back(row.control);
  for (const SkillHelpRow& row : kSkillTexts) listed.emplace_back(row.control);
  EXPECT_EQ(listed.size(), 67u);
  std::vector<std::string> texts;
  for (const std::string& control : listed) texts.emplace_back(HelpFor(control));
  std::sort(texts.begin(), texts.end());
  EXPECT_EQ(std::adjacent_find(texts.begin(), texts.end()), texts.end()) << "two captions share a text";
  for (const Control& control : ReactingControls()) {
    const bool isListed = std::find(listed.begin(), listed.end(), control.name) != listed.end();
    EXPECT_EQ(isListed, control.kind == ControlKind::Caption) << control.name;
  }
  for (const char* control : {"Label75", "Label81", "Label82", "Label83", "st", "hp", "chpoint", "traits", "info",
                              "smallguns", "stplu", "", "label94"}) {
    EXPECT_EQ(HelpFor(control), "") << '"' << control << '"';
  }
}

}  // namespace
}  // namespace cindral::test
