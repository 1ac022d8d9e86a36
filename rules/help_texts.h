// The information panel's help texts: the rule text of every trait, skill
// and secondary statistic, the two texts of Tags Left and the About line.
// Plain data, so that the rules can show a trait's text when its box is
// ticked.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "fields.h"

namespace cindral {

struct TraitText {
  Trait trait;
  std::string_view text;
};

struct SkillText {
  Skill skill;
  std::string_view text;
};

struct FieldText {
  Field field;
  std::string_view text;
};

// Every control whose click shows a text, in one fixed order: the captions
// of the traits (trait order), of the skills and of the secondary
// statistics, the caption "Tags Left", the counter `tags` and the About
// button `Command1`.
inline constexpr std::size_t kCaptionCount = kTraitCount + kSkillCount + kSecondaryStatCount + 3;

inline constexpr std::array<std::string_view, kCaptionCount> kCaptionControls = [] {
  std::array<std::string_view, kCaptionCount> names{};
  std::size_t n = 0;
  for (const TraitInfo& t : kTraits) names[n++] = t.captionLabel;
  for (const SkillInfo& s : kSkills) names[n++] = s.captionLabel;
  for (const CaptionedField& f : kSecondaryStats) names[n++] = f.captionLabel;
  for (const CaptionedField& f : kCounters) {
    if (f.field == Field::tags) names[n++] = f.captionLabel;
  }
  names[n++] = NameOf(Field::tags);
  names[n++] = "Command1";
  return names;
}();

// The text of the control at `index` of kCaptionControls; an index past
// the end is a fault of the program and throws.
std::string_view CaptionText(std::size_t index);

// The text a click on a caption, the counter `tags` or About shows, or ""
// for any other control (a trait box shows its trait's text through its
// handling: TraitHelp).
std::string_view HelpFor(std::string_view control);

// The text a trait's caption and tick box show.
std::string_view TraitHelp(Trait trait);

// What the panel says once the whole character has been put on the
// clipboard.
std::string_view CharacterCopiedText();

}  // namespace cindral
