// The checker's own character: every value of the sheet, kept as plain
// numbers, flags and texts, and moved event by event by the game's rules as
// the checker reads them (game_facts.h). Each rule is one small procedure,
// called in the order the game calls it: a race pick clears the traits and
// the tags before it writes the race's row, a trait's handling runs its own
// recomputations, a tick made by a rule runs the box's handling at once and
// nested. It never looks at the program; the checker compares the two.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "game_facts.h"

namespace cindral::test {

class CharacterModel {
 public:
  // What the information panel shows: nothing yet, or the text of a key.
  // Keys 0 to 27 are the traits (caption and box alike), then the skills'
  // captions, the secondary statistics' captions, "Tags Left", the counter
  // and About.
  static constexpr int kNoText = -1;
  static constexpr int kSkillKeys = static_cast<int>(game::kTraits);
  static constexpr int kSecondaryKeys = kSkillKeys + static_cast<int>(game::kSkills);
  static constexpr int kTagsLeftKey = kSecondaryKeys + static_cast<int>(game::kSecondaries);
  static constexpr int kTagsCounterKey = kTagsLeftKey + 1;
  static constexpr int kAboutKey = kTagsCounterKey + 1;
  static constexpr int kKeys = kAboutKey + 1;

  struct Box {
    bool ticked = false;
    bool enabled = true;
  };

  // Every field with its initial content, then the window's load handling.
  CharacterModel() {
    stats_ = {5, 5, 5, 5, 5, 5, 5};
    chpoint_ = 5;
    for (std::size_t s = 0; s < game::kSkills; ++s) skillValue_[s] = BaseValue(s, false);
    RaceClick();
  }

  // A click on a control by its name; false for a name that runs nothing.
  bool Click(std::string_view name) {
    const std::optional<Control> control = ControlNamed(name);
    if (!control) return false;
    switch (control->kind) {
      case Control::Plus: StatPlus(control->index); break;
      case Control::Minus: StatMinus(control->index); break;
      case Control::TagBox: UserClick(tag_[control->index], [&] { TagHandling(control->index); }); break;
      case Control::TraitBox: UserClick(trait_[control->index], [&] { TraitHandling(control->index); }); break;
      case Control::Caption: info_ = control->index; break;
    }
    return true;
  }

  void PickRace(std::string_view name) {
    race_ = std::string(name);
    RaceClick();
  }
  void TypeRace(std::string_view text) { race_ = std::string(text); }
  void TypeName(std::string_view text) { name_ = std::string(text); }

  // What the sheet must show.
  const std::string& race() const { return race_; }
  const std::string& name() const { return name_; }
  int stat(std::size_t s) const { return stats_[s]; }
  int chpoint() const { return chpoint_; }
  int skillValue(std::size_t s) const { return skillValue_[s]; }
  int tags() const { return tags_; }
  int traits() const { return traits_; }
  const Box& tag(std::size_t s) const { return tag_[s]; }
  const Box& trait(std::size_t t) const { return trait_[t]; }
  const std::string& extra() const { return extra_; }
  int info() const { return info_; }

  // The secondary statistics as the window shows them, by their row in
  // game::kSecondaryFacts (whose order the switch below follows).
  std::string SecondaryText(std::size_t k) const {
    static_assert(
        [] {
          constexpr std::string_view order[] = {"hp",   "ac",   "md",        "bd",       "dres",    "pres",
                                                "rres", "gres", "eres",      "ap",       "carrywt", "hr",
                                                "cc",   "seq",  "skillrate", "perkrate", "hprate"};
          for (std::size_t i = 0; i < game::kSecondaries; ++i) {
            if (game::kSecondaryFacts[i].field != order[i]) return false;
          }
          return true;
        }(),
        "the secondary statistics in the window's order");
    switch (k) {
      case 0: return std::to_string(hp_);
      case 1: return std::to_string(ac_);
      case 2: return std::to_string(md_);
      case 3: return std::to_string(bd_) + "%";
      case 4: return std::to_string(dres_) + "%";
      case 5: return std::to_string(pres_) + "%";
      case 6: return std::to_string(rres_) + "%";
      case 7: return gres_;
      case 8: return std::to_string(eres_) + "%";
      case 9: return std::to_string(ap_);
      case 10: return std::to_string(carrywt_);
      case 11: return std::to_string(hr_);
      case 12: return std::to_string(cc_) + "%";
      case 13: return std::to_string(seq_);
      case 14: return std::to_string(skillrate_);
      case 15: return std::to_string(perkrate_);
      case 16: return std::to_string(hprate_);
      default: return {};
    }
  }

  // A few words on the character, for a failure report (the race text
  // aside: it may hold any bytes).
  std::string Summary() const {
    std::string out = "ST..LU";
    for (const int v : stats_) out += " " + std::to_string(v);
    out += ", Char Points " + std::to_string(chpoint_) + ", Tags Left " + std::to_string(tags_) + ", Traits Left " +
           std::to_string(traits_) + ", ticked:";
    for (std::size_t t = 0; t < game::kTraits; ++t) {
      if (trait_[t].ticked) out += " " + std::string(game::kTraitFacts[t].box);
    }
    for (std::size_t s = 0; s < game::kSkills; ++s) {
      if (tag_[s].ticked) out += " " + std::string(game::kSkillFacts[s].tagBox);
    }
    return out;
  }

 private:
  struct Control {
    enum Kind : std::uint8_t { Plus, Minus, TagBox, TraitBox, Caption } kind;
    int index;  // the statistic, the skill, the trait or the panel key
  };

  // Every control that reacts to a click, sorted by name.
  static const std::vector<std::pair<std::string_view, Control>>& Controls() {
    static const std::vector<std::pair<std::string_view, Control>> controls = [] {
      std::vector<std::pair<std::string_view, Control>> c;
      for (std::size_t s = 0; s < game::kStats; ++s) {
        c.push_back({game::kPlusButtons[s], {Control::Plus, static_cast<int>(s)}});
        c.push_back({game::kMinusButtons[s], {Control::Minus, static_cast<int>(s)}});
      }
      for (std::size_t s = 0; s < game::kSkills; ++s) {
        c.push_back({game::kSkillFacts[s].tagBox, {Control::TagBox, static_cast<int>(s)}});
        c.push_back({game::kSkillFacts[s].label, {Control::Caption, kSkillKeys + static_cast<int>(s)}});
      }
      for (std::size_t t = 0; t < game::kTraits; ++t) {
        c.push_back({game::kTraitFacts[t].box, {Control::TraitBox, static_cast<int>(t)}});
        c.push_back({game::kTraitFacts[t].label, {Control::Caption, static_cast<int>(t)}});
      }
      for (std::size_t k = 0; k < game::kSecondaries; ++k) {
        c.push_back({game::kSecondaryFacts[k].label, {Control::Caption, kSecondaryKeys + static_cast<int>(k)}});
      }
      c.push_back({game::kTagsLeftLabel, {Control::Caption, kTagsLeftKey}});
      c.push_back({"tags", {Control::Caption, kTagsCounterKey}});
      c.push_back({game::kAboutButton, {Control::Caption, kAboutKey}});
      std::sort(c.begin(), c.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
      return c;
    }();
    return controls;
  }

  static std::optional<Control> ControlNamed(std::string_view name) {
    const auto& controls = Controls();
    const auto it = std::lower_bound(controls.begin(), controls.end(), name,
                                     [](const auto& entry, std::string_view n) { return entry.first < n; });
    if (it == controls.end() || it->first != name) return std::nullopt;
    return it->second;
  }

  // A user's click on a box: a disabled box ignores it; an enabled one
  // flips, then runs its handling.
  template <typename Handling>
  static void UserClick(Box& box, Handling handling) {
    if (!box.enabled) return;
    box.ticked = !box.ticked;
    handling();
  }

  // The traits the recomputations read, and the skill Ham Fisted tags.
  static constexpr std::size_t kBruiser = game::TraitIndex("bruiser");
  static constexpr std::size_t kSmallFrame = game::TraitIndex("smallframe");
  static constexpr std::size_t kDomesticated = game::TraitIndex("domesticated");
  static constexpr std::size_t kFastMetabolism = game::TraitIndex("fastmet");
  static constexpr std::size_t kFinesse = game::TraitIndex("finesse");
  static constexpr std::size_t kKamikaze = game::TraitIndex("kamikaze");
  static constexpr std::size_t kHeavyHanded = game::TraitIndex("heavyhand");
  static constexpr std::size_t kSkilled = game::TraitIndex("skilled");
  static constexpr std::size_t kGlowingOne = game::TraitIndex("glowingone");
  static constexpr std::size_t kVatSkin = game::TraitIndex("vatskin");
  static constexpr std::size_t kTightNuts = game::TraitIndex("tightnuts");
  static constexpr std::size_t kHamFisted = game::TraitIndex("hamfist");
  static constexpr std::size_t kUnarmed = game::SkillIndex("unarmed");
  static constexpr std::array<std::size_t, game::kSkillTraits> kSkillTraitRows = [] {
    std::array<std::size_t, game::kSkillTraits> rows{};
    for (std::size_t t = 0; t < game::kSkillTraits; ++t) rows[t] = game::TraitIndex(game::kSkillTraitBoxes[t]);
    return rows;
  }();
  static constexpr std::array<std::size_t, game::kSkills> kTagOrder = [] {
    std::array<std::size_t, game::kSkills> rows{};
    for (std::size_t i = 0; i < game::kSkills; ++i) rows[i] = game::SkillIndex(game::kTagBoxOrder[i]);
    return rows;
  }();

  bool Ticked(std::size_t trait) const { return trait_[trait].ticked; }

  // ---- Race selection

  void RaceClick() {
    ClearTraits();
    ResetTags();
    if (const game::RaceStart* row = game::RowFor(game::kRaceStarts, race_)) {
      stats_ = row->stats;
      chpoint_ = row->charPoints;
      perkrate_ = row->perkRate;
      eres_ = row->electricityRes;
      gres_ = std::string(row->gasRes);
      extra_ = std::string(row->note);
    }
    UpdateSecondaryStats();
    EnableRaceTraits();
    UpdateTagBoxes();
  }

  // ---- Primary statistics

  void StatPlus(int s) {
    const game::RaceLimits* limits = game::RowFor(game::kRaceLimits, race_);
    if (limits && stats_[s] < limits->high[s] && chpoint_ > 0) {
      stats_[s] += 1;
      chpoint_ -= 1;
    }
    UpdateSecondaryStats();
  }

  void StatMinus(int s) {
    const game::RaceLimits* limits = game::RowFor(game::kRaceLimits, race_);
    if (limits && stats_[s] > limits->low[s]) {
      stats_[s] -= 1;
      chpoint_ += 1;
    }
    UpdateSecondaryStats();
  }

  // ---- Secondary statistics

  // Nearest whole number to half of `twice`, halves to the even neighbour.
  static int HalfToEven(int twice) {
    const int down = twice >= 0 ? twice / 2 : -((-twice + 1) / 2);  // floor(twice / 2)
    if (twice % 2 == 0) return down;
    return down % 2 == 0 ? down : down + 1;
  }

  void UpdateSecondaryStats() {
    const int st = stats_[game::ST], pe = stats_[game::PE], en = stats_[game::EN], in = stats_[game::IN];
    const int ag = stats_[game::AG], lu = stats_[game::LU];
    ap_ = ag == 1 ? 5 : ag <= 3 ? 6 : ag <= 5 ? 7 : ag <= 7 ? 8 : ag <= 9 ? 9 : 10;
    if (Ticked(kBruiser)) ap_ -= 2;
    hp_ = 15 + st + 2 * en;
    ac_ = ag;
    dres_ = 0;
    bd_ = 0;
    eres_ = 0;
    pres_ = 5 * en;
    rres_ = 2 * en;
    cc_ = lu;
    carrywt_ = 25 + 25 * st;
    seq_ = 2 * pe;
    if (Ticked(kSmallFrame)) carrywt_ = 15 * st;
    md_ = st >= 1 && st <= 6 ? 1 : st - 5;
    hr_ = en < 5 ? 1 : en < 8 ? 2 : en < 10 ? 3 : 4;
    if (Ticked(kDomesticated)) md_ -= 2;
    skillrate_ = 5 + 2 * in;
    hprate_ = HalfToEven(en + 6);  // EN / 2 + 3
    if (Ticked(kFastMetabolism)) hr_ += 2;
    const game::RaceModifiers* race = game::RowFor(game::kRaceModifiers, race_);
    if (race) {
      md_ += race->meleePlus;
      hprate_ += race->hpRatePlus;
      if (race->damageRes) dres_ = *race->damageRes;
      pres_ += race->poisonPlus;
      rres_ += race->radPlus;
      if (race->electricityRes) eres_ = *race->electricityRes;
    }
    if (Ticked(kFastMetabolism)) {
      pres_ = race ? race->fastMetPoison : 0;
      rres_ = race ? race->fastMetRad : 0;
    }
    if (Ticked(kFinesse)) {
      bd_ = -30;
      cc_ += 10;
    }
    if (Ticked(kKamikaze)) {
      ac_ = 0;
      seq_ += 5;
    }
    if (Ticked(kHeavyHanded)) md_ += 4;
    if (Ticked(kSkilled)) skillrate_ += 5;
    if (Ticked(kGlowingOne)) rres_ += 50;
    if (Ticked(kVatSkin)) ac_ += 10;
    if (Ticked(kTightNuts)) dres_ += 40;
    UpdateSkills();
    UpdateExtraNotes();
  }

  // ---- Skills and tags

  int BaseValue(std::size_t s, bool tagged) const {
    const game::SkillFacts& skill = game::kSkillFacts[s];
    int value = skill.base + (tagged ? game::kTagBonus : 0);
    for (std::size_t k = 0; k < game::kStats; ++k) value += skill.factor[k] * stats_[k];
    return value;
  }

  void UpdateSkills() {
    if (Ticked(kHamFisted)) SetTag(kUnarmed, true);
    for (std::size_t s = 0; s < game::kSkills; ++s) {
      int value = BaseValue(s, tag_[s].ticked);
      for (std::size_t t = 0; t < game::kSkillTraits; ++t) {
        if (Ticked(kSkillTraitRows[t])) value += game::kSkillFacts[s].adjustment[t];
      }
      skillValue_[s] = value;
    }
  }

  // Setting a tag box's state from code: a change runs its handling.
  void SetTag(std::size_t s, bool ticked) {
    if (tag_[s].ticked == ticked) return;
    tag_[s].ticked = ticked;
    TagHandling(s);
  }

  void TagHandling(std::size_t s) {
    tags_ += tag_[s].ticked ? -1 : 1;
    UpdateTagBoxes();
    UpdateSkills();
  }

  void UpdateTagBoxes() {
    for (const std::size_t s : kTagOrder) {
      Box& tag = tag_[s];
      if (tags_ > 0) {
        tag.enabled = true;
      } else if (!tag.ticked) {
        tag.enabled = false;
      }
    }
  }

  void ResetTags() {
    for (const std::size_t s : kTagOrder) SetTag(s, false);
    tags_ = 3;
  }

  // ---- Traits

  void SetTrait(std::size_t t, bool ticked) {
    if (trait_[t].ticked == ticked) return;
    trait_[t].ticked = ticked;
    TraitHandling(t);
  }

  void TraitHandling(std::size_t t) {
    const game::TraitFacts& facts = game::kTraitFacts[t];
    const bool ticked = trait_[t].ticked;
    const int sign = ticked ? 1 : -1;
    traits_ -= sign;
    for (std::size_t s = 0; s < game::kStats; ++s) stats_[s] += sign * facts.statChange[s];
    perkrate_ += sign * facts.perkRateChange;
    if (facts.tagsChange != 0) {
      tags_ += sign * facts.tagsChange;
      UpdateTagBoxes();
    }
    switch (facts.sequence) {
      case game::Sequence::Standard:
        UpdateTraitBoxes();
        UpdateExtraNotes();
        UpdateSecondaryStats();
        break;
      case game::Sequence::BloodyMess:
        // The trait boxes only when Traits Left has just become 0, or 1 by
        // an untick.
        if (traits_ == 0 || (!ticked && traits_ == 1)) UpdateTraitBoxes();
        UpdateExtraNotes();
        UpdateSecondaryStats();
        break;
      case game::Sequence::GoodNatured:
        UpdateTraitBoxes();
        UpdateExtraNotes();
        UpdateSkills();
        break;
      case game::Sequence::HamFisted:
        UpdateExtraNotes();
        UpdateTraitBoxes();
        UpdateSecondaryStats();
        break;
    }
    info_ = static_cast<int>(t);
  }

  void EnableRaceTraits() {
    const game::TraitColumn* column = game::RowFor(game::kTraitColumns, race_);
    if (!column) return;
    for (std::size_t t = 0; t < game::kTraits; ++t)
      trait_[t].enabled = game::kTraitFacts[t].allowedBy[column->column] == 'y';
  }

  void ClearTraits() {
    for (std::size_t t = 0; t < game::kTraits; ++t) SetTrait(t, false);
  }

  void UpdateTraitBoxes() {
    if (traits_ != 0) {
      EnableRaceTraits();
      return;
    }
    for (Box& box : trait_) {
      if (!box.ticked) box.enabled = false;
    }
  }

  // ---- Notes

  void UpdateExtraNotes() {
    if (race_ == "Robot") {
      extra_ = std::string(game::kRobotNote);
    } else if (race_ == "Deathclaw" || race_ == "Gray Deathclaw") {
      extra_ = std::string(game::kDeathclawNote);
    } else {
      extra_.clear();
    }
    for (std::size_t t = 0; t < game::kTraits; ++t) {
      if (trait_[t].ticked) extra_ += game::kTraitFacts[t].noteLine;
    }
  }

  std::string race_ = "Human";
  std::string name_ = "Name";
  game::Stats stats_{};
  int chpoint_ = 0;
  std::array<int, game::kSkills> skillValue_{};
  int tags_ = 3;
  int traits_ = 2;
  std::array<Box, game::kSkills> tag_{};
  std::array<Box, game::kTraits> trait_{};
  int hp_ = 0, ac_ = 0, md_ = 0, bd_ = 0, dres_ = 0, pres_ = 0, rres_ = 0, eres_ = 0, ap_ = 0, carrywt_ = 0, hr_ = 0,
      cc_ = 0, seq_ = 0, skillrate_ = 0, perkrate_ = 0, hprate_ = 0;
  std::string gres_;
  std::string extra_;
  int info_ = kNoText;
};

}  // namespace cindral::test
