#include "sheet.h"

#include "number_text.h"

namespace cindral {

namespace {

// The fields that start with a text; every other field starts empty. The
// skill values are those of a character with every statistic at 5.
struct InitialText {
  Field field;
  std::string_view text;
};

// clang-format off
constexpr InitialText kInitialTexts[] = {
    {Field::race, "Human"}, {Field::Name, "Name"},
    {Field::st, "5"}, {Field::pe, "5"}, {Field::en, "5"}, {Field::ch, "5"},
    {Field::intel, "5"}, {Field::ag, "5"}, {Field::lu, "5"}, {Field::chpoint, "5"},
    {Field::sma, "25%"}, {Field::big, "10%"}, {Field::ene, "10%"}, {Field::una, "50%"},
    {Field::mel, "40%"}, {Field::thr, "20%"}, {Field::fir, "20%"}, {Field::doc, "15%"},
    {Field::sne, "20%"}, {Field::loc, "20%"}, {Field::ste, "15%"}, {Field::tra, "20%"},
    {Field::sci, "20%"}, {Field::rep, "15%"}, {Field::pil, "20%"}, {Field::spe, "25%"},
    {Field::bar, "20%"}, {Field::gam, "25%"}, {Field::out, "20%"},
    {Field::tags, "3"}, {Field::traits, "2"},
};
// clang-format on

}  // namespace

Sheet::Sheet(const Sheet& other)
    : text_(other.text_), boxes_(other.boxes_), racesRead_(other.racesRead_), handling_(other.handling_) {}

Sheet::Sheet() {
  for (const InitialText& initial : kInitialTexts) text_[Index(initial.field)] = initial.text;
}

bool Sheet::SetText(Field field, std::string_view text) {
  std::string& current = text_[Index(field)];
  if (current == text) return false;
  current.assign(text);
  TextChanged(field);
  return true;
}

double Sheet::Number(Field field) const { return NumberFromText(Text(field)); }

void Sheet::SetNumber(Field field, double value) { SetText(field, TextFromNumber(value)); }

void Sheet::SetState(Box box, int state) {
  BoxState& b = boxes_[Index(box)];
  const int ticked = state != 0 ? 1 : 0;
  if (b.state == ticked) return;
  b.state = ticked;
  if (observer_) observer_->BoxChanged(box);
  if (handling_) handling_(*this, box);
}

void Sheet::SetEnabled(Box box, bool enabled) {
  BoxState& b = boxes_[Index(box)];
  if (b.enabled == enabled) return;
  b.enabled = enabled;
  if (observer_) observer_->BoxChanged(box);
}

void Sheet::RestoreBox(Box box, int state, bool enabled) {
  BoxState& b = boxes_[Index(box)];
  const int ticked = state != 0 ? 1 : 0;
  if (b.state == ticked && b.enabled == enabled) return;
  b.state = ticked;
  b.enabled = enabled;
  if (observer_) observer_->BoxChanged(box);
}

bool Sheet::UserClick(Box box) {
  if (!Enabled(box)) return false;
  SetState(box, State(box) == 1 ? 0 : 1);
  return true;
}

std::optional<std::string> Sheet::TextByName(std::string_view name) const {
  if (const auto field = FindField(name)) return Text(*field);
  if (const auto box = FindBox(name)) return State(*box) == 1 ? "1" : "0";
  return std::nullopt;
}

void Sheet::TextChanged(Field field) {
  if (observer_) observer_->FieldChanged(field);
}

}  // namespace cindral
