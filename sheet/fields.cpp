#include "fields.h"

#include <algorithm>

namespace cindral {

namespace {

template <typename Key, std::size_t N>
std::optional<Key> FindByName(const std::array<std::string_view, N>& names, std::string_view name) {
  const auto it = std::find(names.begin(), names.end(), name);
  if (it == names.end()) return std::nullopt;
  return static_cast<Key>(it - names.begin());
}

}  // namespace

std::optional<Field> FindField(std::string_view name) { return FindByName<Field>(kFieldNames, name); }
std::optional<Box> FindBox(std::string_view name) { return FindByName<Box>(kBoxNames, name); }

}  // namespace cindral
