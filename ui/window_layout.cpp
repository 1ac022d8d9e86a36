#include "window_layout.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "fields.h"
#include "stat_allocation.h"

namespace cindral {

namespace {

// clang-format off
constexpr FramePlace kFrames[] = {
    {Frame::PrimaryStats,   "Frame1", "Primary Stats",   { 16,  24, 105, 161}, false, FontRole::Bold},
    {Frame::SecondaryStats, "Frame2", "Secondary Stats", { 16, 184, 153, 297}, false, FontRole::Plain},
    {Frame::Traits,         "Frame3", "Traits",          {168,  40, 145, 497}, false, FontRole::Plain},
    {Frame::Skills,         "Frame4", "Skills",          {312,  40, 145, 361}, false, FontRole::Plain},
    {Frame::Information,    "Frame5", "Information",     {456,  32, 177, 369}, true,  FontRole::Title},
    {Frame::Extra,          "Frame6", "Extra",           {312, 400, 321, 137}, false, FontRole::Plain},
};

// Every row of a frame stands 16 pixels below the one above and is 17
// pixels high. A row names its statistic, skill, trait or field; the
// caption's control name and text come from the sheet's lists.

// Primary Stats: abbreviation at 8 (25 wide, bold), value at 40 (17 wide),
// "+" at 64 and "-" at 80 (17 wide).
struct StatRow { Stat stat; int top; };
constexpr StatRow kStatRows[] = {
    {Stat::ST, 16}, {Stat::PE, 32}, {Stat::EN, 48}, {Stat::CH, 64},
    {Stat::IN, 80}, {Stat::AG, 96}, {Stat::LU, 112},
};

// Secondary Stats: caption at 8, value at 120 (25 wide, right-aligned, on
// a transparent background).
struct SecondaryRow { Field field; int top; int captionWidth; };
constexpr SecondaryRow kSecondaryRows[] = {
    {Field::hp,         16, 65}, {Field::ac,        32, 65}, {Field::md,        48, 65},
    {Field::bd,         64, 65}, {Field::dres,      80, 65}, {Field::pres,      96, 65},
    {Field::rres,      112, 65}, {Field::gres,     128, 65}, {Field::eres,     144, 73},
    {Field::ap,        160, 73}, {Field::carrywt,  176, 73}, {Field::hr,       192, 73},
    {Field::cc,        208, 73}, {Field::seq,      224, 73}, {Field::skillrate, 240, 73},
    {Field::perkrate,  256, 73}, {Field::hprate,   272, 73},
};

// Traits, in the alphabetical order of their captions: box at 8 (17 × 17),
// caption at 32 on a transparent background.
struct TraitRow { Trait trait; int top; int captionWidth; };
constexpr TraitRow kTraitRows[] = {
    {Trait::betasoft,      16, 73}, {Trait::bloody,       32, 81}, {Trait::bruiser,      48, 81},
    {Trait::chemrel,       64, 73}, {Trait::chemres,      80, 89}, {Trait::domesticated, 96, 73},
    {Trait::empshield,    112, 73}, {Trait::fastmet,     128, 81}, {Trait::fastshot,    144, 73},
    {Trait::fearthereap,  160, 81}, {Trait::finesse,     176, 73}, {Trait::gifted,      192, 73},
    {Trait::glowingone,   208, 73}, {Trait::goodnature,  224, 73}, {Trait::hamfist,     240, 73},
    {Trait::heavyhand,    256, 73}, {Trait::jinx,        272, 73}, {Trait::kamikaze,    288, 73},
    {Trait::nightperson,  304, 73}, {Trait::onehand,     320, 73}, {Trait::rabid,       336, 73},
    {Trait::sexappeal,    352, 73}, {Trait::skilled,     368, 73}, {Trait::smallframe,  384, 73},
    {Trait::targetcomp,   400, 97}, {Trait::techwizard,  416, 73}, {Trait::tightnuts,   432, 73},
    {Trait::vatskin,      448, 73},
};

// Skills: tag box at 8 (17 × 17), caption at 24, value at 112 (25 wide,
// right-aligned).
struct SkillRow { Skill skill; int top; int captionWidth; };
constexpr SkillRow kSkillRows[] = {
    {Skill::SmallGuns,      16, 57}, {Skill::BigGuns,     32, 49}, {Skill::EnergyWeapons, 48, 81},
    {Skill::Unarmed,        64, 49}, {Skill::Melee,       80, 73}, {Skill::Throwing,      96, 49},
    {Skill::FirstAid,      112, 49}, {Skill::Doctor,     128, 49}, {Skill::Sneak,        144, 49},
    {Skill::Lockpick,      160, 49}, {Skill::Steal,      176, 49}, {Skill::Traps,        192, 49},
    {Skill::Science,       208, 49}, {Skill::Repair,     224, 49}, {Skill::Pilot,        240, 49},
    {Skill::Speech,        256, 49}, {Skill::Barter,     272, 49}, {Skill::Gambling,     288, 57},
    {Skill::Outdoorsman,   304, 65},
};

// The three counters, each below its frame's rows.
struct CounterPlace { Field field; Frame frame; Rect caption; Look captionLook; Rect value; Look valueLook; };
constexpr CounterPlace kCounterPlaces[] = {
    {Field::chpoint, Frame::PrimaryStats, {8, 136, 57, 17}, Look::GreenOnBlack, { 72, 136, 25, 17}, Look::GreenOnBlack},
    {Field::traits,  Frame::Traits,       {8, 472, 57, 17}, Look::WhiteOnBlack, {128, 472,  9, 17}, Look::WhiteOnBlack},
    {Field::tags,    Frame::Skills,       {8, 336, 97, 17}, Look::WhiteOnBlack, {128, 336,  9, 17}, Look::WhiteTransparent},
};

// The information panel, filled by the help texts.
constexpr LabelPlace kPanel = {"info", Frame::Information, {8, 24, 161, 337}, "", Look::Panel, false, ""};

constexpr ControlPlace kAbout = {"Command1", Frame::Window, {56, 504, 57, 25}, "About"};

constexpr TextBoxPlaces kTextBoxes = {
    {"Name",  Frame::Window, {168, 16, 145, 19}, ""},
    {"race",  Frame::Window, {312, 16, 113, 21}, ""},
    {"extra", Frame::Extra,  {  8, 16, 305, 113}, ""},
};

constexpr std::string_view kFocusOrder[] = {
    "betasoft", "bloody", "bruiser", "fastmet", "smallframe", "onehand", "kamikaze", "finesse",
    "heavyhand", "fastshot", "jinx", "chemrel", "goodnature", "chemres", "nightperson", "skilled",
    "sexappeal", "gifted", "glowingone", "techwizard", "fearthereap", "vatskin", "hamfist",
    "domesticated", "tightnuts", "rabid", "targetcomp", "empshield", "stplu", "stmin", "peplu",
    "pemin", "chplu", "chmin", "enplu", "enmin", "agplu", "agmin", "inplu", "inmin", "luplu",
    "lumin", "race", "smallguns", "bigguns", "energyweapons", "unarmed", "melee", "throwing",
    "firstaid", "doctor", "pilot", "sneak", "lockpick", "steal", "traps", "science", "repair",
    "speech", "barter", "gambling", "outdoorsman", "extra", "info", "Command1", "Name",
};
// clang-format on

static_assert(std::size(kStatRows) == kStatCount && std::size(kSecondaryRows) == kSecondaryStatCount &&
                  std::size(kTraitRows) == kTraitCount && std::size(kSkillRows) == kSkillCount,
              "every statistic, secondary statistic, trait and skill has its row");

constexpr bool EachTraitOnce() {
  std::array<int, kTraitCount> seen{};
  for (const TraitRow& row : kTraitRows) ++seen[Index(row.trait)];
  return std::all_of(seen.begin(), seen.end(), [](int n) { return n == 1; });
}
static_assert(EachTraitOnce(), "every trait box stands in the window once");

constexpr bool TraitsStandAsTheSheetListsThem() {
  for (std::size_t t = 0; t < kTraitCount; ++t) {
    if (kTraitRows[t].trait != kTraitsAsShown[t]) return false;
  }
  return true;
}
static_assert(TraitsStandAsTheSheetListsThem(), "the trait boxes stand in the order the sheet shows them in");

// Only ever asked while the tables below are built: a field that is no
// counter ends the build there.
constexpr const CaptionedField& CounterOf(Field field) {
  for (const CaptionedField& c : kCounters) {
    if (c.field == field) return c;
  }
  throw "no counter shows this field";
}

constexpr std::size_t kLabelCount =
    2 * kStatCount + 2 * kSecondaryStatCount + kTraitCount + 2 * kSkillCount + 2 * std::size(kCounterPlaces) + 1;

// Every label, in the order they stand. Counters follow their frame's rows.
constexpr std::array<LabelPlace, kLabelCount> kLabels = [] {
  std::array<LabelPlace, kLabelCount> labels{};
  std::size_t n = 0;
  const auto counter = [&](Field field) {
    for (const CounterPlace& c : kCounterPlaces) {
      if (c.field != field) continue;
      const CaptionedField& counter = CounterOf(field);
      labels[n++] = {counter.captionLabel, c.frame, c.caption, counter.caption, c.captionLook, false, NameOf(field)};
      labels[n++] = {NameOf(field), c.frame, c.value, "", c.valueLook, false, ""};
    }
  };
  for (const StatRow& row : kStatRows) {
    const StatInfo& stat = kStats[Index(row.stat)];
    labels[n++] = {stat.captionLabel, Frame::PrimaryStats,    {8, row.top, 25, 17},
                   stat.caption,      Look::BoldGreenOnBlack, false,
                   NameOf(stat.field)};
    labels[n++] = {NameOf(stat.field), Frame::PrimaryStats, {40, row.top, 17, 17}, "", Look::GreenOnBlack, false, ""};
  }
  counter(Field::chpoint);
  for (const SecondaryRow& row : kSecondaryRows) {
    for (const CaptionedField& stat : kSecondaryStats) {
      if (stat.field != row.field) continue;
      labels[n++] = {stat.captionLabel, Frame::SecondaryStats, {8, row.top, row.captionWidth, 17},
                     stat.caption,      Look::GreenOnBlack,    false,
                     NameOf(stat.field)};
      labels[n++] = {
          NameOf(stat.field), Frame::SecondaryStats, {120, row.top, 25, 17}, "", Look::GreenTransparent, true, ""};
    }
  }
  for (const TraitRow& row : kTraitRows) {
    const TraitInfo& trait = kTraits[Index(row.trait)];
    labels[n++] = {trait.captionLabel, Frame::Traits,          {32, row.top, row.captionWidth, 17},
                   trait.caption,      Look::GreenTransparent, false,
                   NameOf(trait.box)};
  }
  counter(Field::traits);
  for (const SkillRow& row : kSkillRows) {
    const SkillInfo& skill = kSkills[Index(row.skill)];
    labels[n++] = {skill.captionLabel, Frame::Skills,      {24, row.top, row.captionWidth, 17},
                   skill.caption,      Look::GreenOnBlack, false,
                   NameOf(skill.box)};
    labels[n++] = {NameOf(skill.value), Frame::Skills, {112, row.top, 25, 17}, "", Look::GreenOnBlack, true, ""};
  }
  counter(Field::tags);
  labels[n++] = kPanel;
  return labels;
}();

constexpr std::array<ControlPlace, 2 * kStatCount + 1> kButtons = [] {
  std::array<ControlPlace, 2 * kStatCount + 1> buttons{};
  std::size_t n = 0;
  for (const StatRow& row : kStatRows) {
    const StatInfo& stat = kStats[Index(row.stat)];
    buttons[n++] = {stat.plus, Frame::PrimaryStats, {64, row.top, 17, 17}, "+"};
    buttons[n++] = {stat.minus, Frame::PrimaryStats, {80, row.top, 17, 17}, "-"};
  }
  buttons[n++] = kAbout;
  return buttons;
}();

// The trait boxes in their frame's order, then the skills' tag boxes.
constexpr std::array<ControlPlace, kBoxCount> kBoxes = [] {
  std::array<ControlPlace, kBoxCount> boxes{};
  std::size_t n = 0;
  for (const TraitRow& row : kTraitRows)
    boxes[n++] = {NameOf(TraitBox(row.trait)), Frame::Traits, {8, row.top, 17, 17}, ""};
  for (const SkillRow& row : kSkillRows)
    boxes[n++] = {NameOf(TagBox(row.skill)), Frame::Skills, {8, row.top, 17, 17}, ""};
  return boxes;
}();

// Every control that takes the focus stands in the focus order exactly once,
// and nothing else does.
constexpr bool FocusOrderNamesEveryControlOnce() {
  std::array<std::string_view, kButtons.size() + kBoxes.size() + 4> controls{};
  std::size_t n = 0;
  for (const ControlPlace& p : kButtons) controls[n++] = p.name;
  for (const ControlPlace& p : kBoxes) controls[n++] = p.name;
  for (const ControlPlace& p : {kTextBoxes.name, kTextBoxes.race, kTextBoxes.extra}) controls[n++] = p.name;
  controls[n++] = kPanel.name;
  std::array<std::string_view, std::size(kFocusOrder)> order{};
  std::copy(std::begin(kFocusOrder), std::end(kFocusOrder), order.begin());
  std::sort(controls.begin(), controls.end());
  std::sort(order.begin(), order.end());
  return std::equal(controls.begin(), controls.end(), order.begin(), order.end());
}
static_assert(FocusOrderNamesEveryControlOnce(),
              "the focus order names every button, tick box and text box, and the panel, once");

}  // namespace

std::span<const FramePlace> FramePlaces() { return kFrames; }
std::span<const LabelPlace> LabelPlaces() { return kLabels; }
std::span<const ControlPlace> ButtonPlaces() { return kButtons; }
std::span<const ControlPlace> BoxPlaces() { return kBoxes; }
const TextBoxPlaces& TextBoxes() { return kTextBoxes; }
std::span<const std::string_view> FocusOrder() { return kFocusOrder; }

Rect Zoomed(const Rect& rect, double zoom) {
  const auto at = [zoom](int edge) { return static_cast<int>(std::lround(edge * zoom)); };
  const int x = at(rect.x), y = at(rect.y);
  return {x, y, at(rect.x + rect.w) - x, at(rect.y + rect.h) - y};
}

std::string_view CaptionOf(std::string_view control) {
  if (control.empty()) return {};
  // A statistic's buttons are named by the abbreviation of their statistic.
  for (const StatButton& button : kStatButtons) {
    if (button.name == control) control = NameOf(FieldOf(button.stat));
  }
  // A skill's value field is named by the caption that names its tag box.
  for (const SkillInfo& skill : kSkills) {
    if (NameOf(skill.value) == control) control = NameOf(skill.box);
  }
  for (const LabelPlace& label : kLabels) {
    if (label.names == control) return label.name;
  }
  return {};
}

}  // namespace cindral
