// The terms a computed value is made of, as the recomputations add them up:
// each term is what it contributes and what produced it. The secondary
// statistics and the skill values record their terms while they compute,
// when asked, so that a value and its explanation come from the same steps.
// Plain data: the words are made elsewhere (value_breakdowns).
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "fields.h"

namespace cindral {

// What produced a term.
enum class From : std::uint8_t {
  Number,            // a number of the formula itself: "15"
  Statistics,        // factor × statistic, or × a sum of two: "10 (2 × EN 5)", "10 (PE 5 + IN 5)"
  StatisticBand,     // a value read off a band of a statistic: "7 (AG 5: 4–5 gives 7)"
  StrengthLessFive,  // Melee Dmg. above ST 6: "2 (ST 7 − 5)"
  HalfPlusThree,     // HP Rate: "6 (EN 5: 5 / 2 + 3 = 5.5, a half goes to the even number)"
  Trait,             // "−2 (Bruiser)"; with a factor, the trait's own formula: "90 (Small Frame: 15 × ST 6)"
  Race,              // "5 (Deathclaw)"
  RaceWithTrait,     // "30 (Ghoul with Fast Metabolism)"
  Tag,               // "20 (tagged)"
  RacePicked,        // Perk Rate as the race picked last set it: "3 (Human)"
};

// One band of a statistic: every value from `low` to `high` gives the same
// number. An end left open runs on without limit ("10 and above"); the
// statistics are whole numbers, so the bands of a table follow each other
// without a gap.
struct Band {
  std::optional<int> low;
  std::optional<int> high;
  int gives;

  constexpr bool Holds(double value) const { return (!low || value >= *low) && (!high || value <= *high); }
};

struct Term {
  double amount = 0;
  From from = From::Number;
  int factor = 1;
  Stat stat{};
  double value = 0;            // the statistic as the formula read it
  const Band* band = nullptr;  // the band read off, a row of the rules' own table
  std::optional<Stat> second = std::nullopt;
  double secondValue = 0;
  std::optional<Trait> trait = std::nullopt;
  std::optional<Race> race = std::nullopt;
  double exact = 0;       // HP Rate before rounding
  bool replaces = false;  // it set the value outright, whatever came before
};

using Terms = std::vector<Term>;

// One value summed up term by term, as a recomputation writes it. The
// terms are kept only when asked for: the recomputations run after every
// event and keep none.
class Tally {
 public:
  explicit Tally(bool keepTerms = false) : keep_(keepTerms) {}

  // A term that replaces everything before it.
  void Set(const Term& term) {
    value_ = term.amount;
    if (keep_) Keep(term, true);
  }
  // A term that adds to what is there; one that adds nothing is not kept.
  void Add(const Term& term) {
    value_ += term.amount;
    if (keep_ && term.amount != 0) Keep(term, false);
  }

  double value() const { return value_; }
  const Terms& terms() const { return terms_; }

 private:
  // Out of line: the recomputations that keep nothing carry no copy of it.
  void Keep(const Term& term, bool replaces);

  bool keep_;
  double value_ = 0;
  Terms terms_;
};

}  // namespace cindral
