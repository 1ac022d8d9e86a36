#include "value_terms.h"

namespace cindral {

void Tally::Keep(const Term& term, bool replaces) {
  if (replaces) terms_.clear();
  terms_.push_back(term);
  terms_.back().replaces = replaces;
}

}  // namespace cindral
