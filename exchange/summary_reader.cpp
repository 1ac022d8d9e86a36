// Reading a character's text back (character_summary.h): every line taken
// once, from the first to the last, as it stands or without the prefix a
// chat program put in front of it, and the character found among them.
#include <algorithm>
#include <charconv>

#include "character_summary.h"
#include "race_selection.h"
#include "words.h"

namespace cindral {

namespace {

constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// A caption as the reader compares it: in lower case, without full stops,
// each run of blanks within it one blank; each character handed to `put`.
template <typename Put>
void Fold(std::string_view text, Put put) {
  bool started = false, blank = false;
  for (const char c : text) {
    if (c == '.') continue;
    if (IsBlank(c)) {
      blank = started;
      continue;
    }
    if (blank) put(' ');
    blank = false;
    started = true;
    put(LowerCase(c));
  }
}

std::string Folded(std::string_view text) {
  std::string folded;
  Fold(text, [&folded](char c) { folded += c; });
  return folded;
}

// No caption, and no piece of a chat's prefix, is longer than this.
constexpr std::size_t kLongestCaption = 64;

// The start of a text folded as Folded does, into a buffer of its own: the
// reader folds the start of every line and every caption it meets, and
// compares them with captions no longer than kLongestCaption.
class ShortFold {
 public:
  explicit ShortFold(std::string_view text) {
    Fold(text.substr(0, kLongestCaption), [this](char c) { chars_[size_++] = c; });
  }
  ShortFold(const ShortFold&) = delete;
  ShortFold& operator=(const ShortFold&) = delete;

  std::string_view view() const { return {chars_.data(), size_}; }

 private:
  std::array<char, 2 * kLongestCaption> chars_;
  std::size_t size_ = 0;
};

// The mark in parentheses a value ends with, if any, and the value before it.
struct Marked {
  std::string_view value;
  std::optional<std::string_view> mark;
};

Marked SplitMark(std::string_view value) {
  const std::size_t open = value.rfind('(');
  if (value.empty() || value.back() != ')' || open == std::string_view::npos) return {value, std::nullopt};
  return {Trimmed(value.substr(0, open)), value.substr(open + 1, value.size() - open - 2)};
}

// The lines a character cannot do without: its name, its race and its
// seven statistics.
constexpr bool Needed(LineKind kind) {
  return kind == LineKind::Name || kind == LineKind::Race || kind == LineKind::Stat;
}

// The captions of the lines a character lacks, in the summary's order.
std::vector<std::string> Missing(const SharedCharacter& character) {
  std::vector<std::string> missing;
  for (std::size_t i = 0; i < kSummaryLineCount; ++i) {
    if (Needed(kSummaryLines[i].kind) && character.lines[i].empty()) missing.emplace_back(kSummaryLines[i].caption);
  }
  return missing;
}

std::optional<std::string_view> RaceListed(std::string_view text) {
  const std::string folded = Folded(text);
  for (const std::string_view race : kRaceList) {
    if (Folded(race) == folded) return race;
  }
  return std::nullopt;
}

// Far past every limit, and far from what a long long holds.
constexpr long long kFarPastEveryLimit = 1'000'000'000;

// The minus the explanations write, which a number copied from them carries.
constexpr std::string_view kRealMinus = "\u2212";

std::optional<long long> WholeNumber(std::string_view text) {
  std::string number;
  if (text.starts_with(kRealMinus)) {
    number = "-";
    text.remove_prefix(kRealMinus.size());
  }
  // A whole number with a zero fraction ("7.0", "7.00") is that number.
  if (const std::size_t dot = text.find('.'); dot != std::string_view::npos && dot + 1 < text.size() &&
                                              text.find_first_not_of('0', dot + 1) == std::string_view::npos) {
    text = text.substr(0, dot);
  }
  number += text;
  std::string_view digits = number;
  if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
  if (digits.empty() || digits.front() == '+') return std::nullopt;
  long long value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (end != digits.data() + digits.size()) return std::nullopt;
  // Digits past what a number holds read as a number past every limit.
  if (error == std::errc::result_out_of_range) value = digits.front() == '-' ? -kFarPastEveryLimit : kFarPastEveryLimit;
  else if (error != std::errc()) return std::nullopt;
  return std::clamp(value, -kFarPastEveryLimit, kFarPastEveryLimit);
}

// A caption the reader knows, folded, and the line it names: every line's
// caption, and the statistics' abbreviations as the window shows them.
struct KnownCaption {
  std::string folded;
  std::size_t slot;
};

const std::vector<KnownCaption>& KnownCaptions() {
  static const std::vector<KnownCaption> captions = [] {
    std::vector<KnownCaption> known;
    for (std::size_t i = 0; i < kSummaryLineCount; ++i) known.push_back({Folded(kSummaryLines[i].caption), i});
    for (std::size_t s = 0; s < kStatCount; ++s)
      known.push_back({Folded(kStats[s].caption), LineOf(LineKind::Stat, s)});
    return known;
  }();
  return captions;
}

std::optional<std::size_t> SlotOf(std::string_view folded) {
  if (folded.empty() || folded.size() > kLongestCaption) return std::nullopt;
  for (const KnownCaption& known : KnownCaptions()) {
    if (known.folded == folded) return known.slot;
  }
  return std::nullopt;
}

const std::array<std::string, kTraitCount>& FoldedTraits() {
  static const auto captions = [] {
    std::array<std::string, kTraitCount> folded;
    for (std::size_t i = 0; i < kTraitCount; ++i) folded[i] = Folded(kTraits[i].caption);
    return folded;
  }();
  return captions;
}

// The marks that tag a skill, in a caption or a value, folded.
constexpr std::array<std::string_view, 3> kTagMarks = {"*", "(tagged)", "(tag)"};

// Takes a tag mark off the front or the back of a folded text; whether
// there was one.
bool TakeTagMark(std::string_view& folded) {
  for (const std::string_view mark : kTagMarks) {
    if (folded.starts_with(mark)) {
      folded = Trimmed(folded.substr(mark.size()));
      return true;
    }
    if (folded.ends_with(mark)) {
      folded = Trimmed(folded.substr(0, folded.size() - mark.size()));
      return true;
    }
  }
  return false;
}

// What a line of the text is to the reader.
struct Classified {
  enum class Kind : std::uint8_t { Blank, Program, Heading, Captioned, Other };
  Kind kind = Kind::Other;
  std::size_t slot = kSummaryLineCount;  // the line it gives, for Captioned
  std::string_view line;                 // the line without a chat's prefix, trimmed
  std::string_view value;                // what follows the caption's colon, trimmed
  bool taggedCaption = false;            // the caption carries a tag mark
};

bool IsCharacterLine(const Classified& c) {
  return c.kind != Classified::Kind::Blank && c.kind != Classified::Kind::Other;
}

// A line as it stands, with no prefix taken off.
Classified ClassifyAsItStands(std::string_view line) {
  Classified c;
  c.line = Trimmed(line);
  if (c.line.empty()) {
    c.kind = Classified::Kind::Blank;
    return c;
  }
  static const std::string program = Folded(kProgramName);
  const ShortFold start(c.line);
  if (start.view().starts_with(program)) {
    c.kind = Classified::Kind::Program;
    return c;
  }
  static constexpr std::string_view kHeadings[] = {"primary stats", "skills", "secondary stats"};
  for (const std::string_view heading : kHeadings) {
    if (start.view() == heading || (start.view().starts_with(heading) && start.view().substr(heading.size()) == ":")) {
      c.kind = Classified::Kind::Heading;
      return c;
    }
  }
  const std::size_t colon = c.line.find(':');
  if (colon == std::string_view::npos || colon > kLongestCaption) return c;
  const ShortFold folded(c.line.substr(0, colon));
  std::string_view caption = folded.view();
  c.taggedCaption = TakeTagMark(caption);
  const auto slot = SlotOf(caption);
  if (!slot) return c;
  c.kind = Classified::Kind::Captioned;
  c.slot = *slot;
  c.value = Trimmed(c.line.substr(colon + 1));
  return c;
}

// The marks a chat or a mail program puts in front of a quoted line.
constexpr std::array<std::string_view, 10> kQuoteMarks = {">",      "|",      "\"",     "\u00BB", "\u203A",
                                                          "\u201C", "\u201D", "\u201E", "\u2502", "\u258C"};

// The length of the piece of a chat's prefix that `text` starts with, 0
// for none: a time stamp or a nick in brackets ("[20:14]", "<mara>",
// "(8:14 PM)"), a time or a date ("20:14:05", "2026-12-07"), a quote
// mark, a bullet, or a nick and the colon or ">" after it ("mara:",
// "@mara>") that names no line.
std::size_t ChatPiece(std::string_view text) {
  const auto closing = [&](char open, char close) -> std::size_t {
    if (text.front() != open) return 0;
    // Looked for no further than a piece can reach.
    const std::size_t end = text.substr(0, kLongestCaption + 1).find(close, 1);
    return end == std::string_view::npos || end == 1 ? 0 : end + 1;
  };
  if (const std::size_t n = closing('[', ']')) return n;
  if (const std::size_t n = closing('<', '>')) return n;
  if (const std::size_t n = closing('(', ')')) {
    // In parentheses only a time: "(tagged)" marks a skill.
    const std::string_view inside = text.substr(1, n - 2);
    return inside.find(':') != std::string_view::npos && inside.find_first_of("0123456789") != std::string_view::npos
               ? n
               : 0;
  }
  if (text.front() >= '0' && text.front() <= '9') {
    std::size_t n = 0;
    bool separated = false;
    while (n < text.size() && std::string_view("0123456789:.-/").find(text[n]) != std::string_view::npos) {
      separated = separated || text[n] < '0' || text[n] > '9';
      ++n;
    }
    if (!separated || text[n - 1] < '0' || text[n - 1] > '9') return 0;
    const std::string_view rest = Trimmed(text.substr(n));
    for (const std::string_view half : {"am", "pm"}) {
      if (ShortFold(rest.substr(0, 2)).view() == half && (rest.size() == 2 || rest[2] == ' ' || rest[2] == '\t')) {
        return static_cast<std::size_t>(rest.data() - text.data()) + 2;
      }
    }
    return n;
  }
  for (const std::string_view mark : kQuoteMarks) {
    if (text.starts_with(mark)) return mark.size();
  }
  for (const std::string_view bullet : {"- ", "\u2022"}) {
    if (text.starts_with(bullet)) return bullet.size();
  }
  // A nick and the colon or the ">" after it; a caption is no nick.
  std::size_t end = 0;
  while (end < text.size() && end <= kLongestCaption && text[end] != ':' && text[end] != '>' && !IsBlank(text[end])) {
    ++end;
  }
  if (end == 0 || end == text.size() || end > kLongestCaption || IsBlank(text[end])) return 0;
  if (text[end] == ':' && end + 1 < text.size() && text[end + 1] != ' ' && text[end + 1] != '\t') return 0;
  const ShortFold folded(text.substr(0, end));
  std::string_view caption = folded.view();
  TakeTagMark(caption);
  return SlotOf(caption) ? 0 : end + 1;
}

// A line without the prefix a chat program put in front of it.
std::string_view WithoutChatPrefix(std::string_view line) {
  line = Trimmed(line);
  while (!line.empty()) {
    const std::size_t n = ChatPiece(line);
    if (n == 0) break;
    line = Trimmed(line.substr(std::min(n, line.size())));
  }
  return line;
}

// A line as the reader takes it: as it stands if it is a line of a
// character, else without a chat's prefix if that leaves one (or nothing).
// A line that is none stays whole, to be quoted as it stands.
Classified Classify(std::string_view line) {
  const Classified asItStands = ClassifyAsItStands(line);
  if (asItStands.kind != Classified::Kind::Other) return asItStands;
  const std::string_view rest = WithoutChatPrefix(line);
  if (rest.size() == asItStands.line.size()) return asItStands;
  const Classified withoutPrefix = ClassifyAsItStands(rest);
  return withoutPrefix.kind == Classified::Kind::Other ? asItStands : withoutPrefix;
}

constexpr std::string_view kNotALine = "not a line of a character";

// Reads a text line by line, once: the character's lines, and the lines
// around it counted.
class Reader {
 public:
  Reading Read(std::string_view text) {
    if (text.size() > kLongestSummary) {
      return TextProblem("The text is " + std::to_string(text.size() / 1024) +
                         " KiB long, more than any character and the chat around it (at most " +
                         std::to_string(kLongestSummary / 1024 / 1024) + " MiB)");
    }
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) return TextProblem("The text is empty");
    std::size_t number = 0;
    while (!text.empty()) {
      const std::size_t end = text.find('\n');
      std::string_view line = text.substr(0, end);
      text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
      if (line.ends_with('\r')) line.remove_suffix(1);
      Take(++number, line);
    }
    Finish();
    return std::move(reading_);
  }

 private:
  enum class Where : std::uint8_t { Before, In, After };

  static Reading TextProblem(std::string why) {
    Reading reading;
    reading.problems.push_back({0, {}, std::move(why)});
    return reading;
  }

  SharedCharacter& character() { return reading_.character; }

  void Problem(std::size_t number, std::string_view line, std::string why) {
    if (reading_.problems.size() < kProblemsListed) {
      reading_.problems.push_back({number, "Line " + std::to_string(number) + ": " + QuotedLine(line), std::move(why)});
    } else {
      ++reading_.unlisted;
    }
  }

  // Whether the character has what it needs: the name, the race and the
  // seven statistics.
  bool Whole() const {
    for (std::size_t i = 0; i < kSummaryLineCount; ++i) {
      if (Needed(kSummaryLines[i].kind) && reading_.character.lines[i].empty()) return false;
    }
    return true;
  }

  void Take(std::size_t number, std::string_view raw) {
    const Classified c = Classify(raw);
    const bool holdsText = !Trimmed(raw).empty();
    switch (where_) {
      case Where::Before:
        // The check is a copy's last line; a chat's "check: …" begins none.
        if (IsCharacterLine(c) && c.slot != LineOf(LineKind::Check)) return Begin(number, c);
        if (holdsText && reading_.around.before++ == 0) first_ = {number, std::string(Trimmed(raw))};
        return;
      case Where::In:
        if (c.kind == Classified::Kind::Blank) return;
        if (c.kind == Classified::Kind::Other) return Hold(number, c.line);
        if (EndsTheCharacter(c)) {
          where_ = Where::After;
          reading_.around.after += held_;
          held_ = 0;
          return After(c, holdsText);
        }
        if (c.kind == Classified::Kind::Program && captioned_ && !Whole()) {
          // The program line starts a copy: the lines before it were none.
          reading_.around.before += inCharacter_ + held_;
          reading_.problems.clear();
          reading_.unlisted = 0;
          character() = SharedCharacter();
          return Begin(number, c);
        }
        Release();
        return Accept(number, c);
      case Where::After: return After(c, holdsText);
    }
  }

  void Begin(std::size_t number, const Classified& c) {
    where_ = Where::In;
    inCharacter_ = 0;
    captioned_ = false;
    held_ = 0;
    heldLines_.clear();
    Accept(number, c);
  }

  // A whole character ends at a line it already has: a second program
  // line, or a second line of a caption. Until it is whole, a line given
  // twice stands in the way.
  bool EndsTheCharacter(const Classified& c) const {
    if (!Whole()) return false;
    if (c.kind == Classified::Kind::Program) return true;
    return c.kind == Classified::Kind::Captioned && !reading_.character.lines[c.slot].empty();
  }

  // A line that is none of a character's, held until it is known whether
  // the character goes on after it (then it stands in the way) or not
  // (then it is a line after the character).
  void Hold(std::size_t number, std::string_view line) {
    if (heldLines_.size() < kProblemsListed) heldLines_.push_back({number, std::string(line)});
    ++held_;
  }

  void Release() {
    for (const auto& [number, line] : heldLines_) Problem(number, line, std::string(kNotALine));
    reading_.unlisted += held_ - heldLines_.size();
    inCharacter_ += held_;
    held_ = 0;
    heldLines_.clear();
  }

  void After(const Classified& c, bool holdsText) {
    if (holdsText) ++reading_.around.after;
    if (c.kind == Classified::Kind::Program) reading_.around.another = true;
    if (c.kind == Classified::Kind::Captioned) {
      const LineKind kind = kSummaryLines[c.slot].kind;
      afterName_ = afterName_ || kind == LineKind::Name;
      afterRace_ = afterRace_ || kind == LineKind::Race;
      reading_.around.another = reading_.around.another || (afterName_ && afterRace_);
    }
  }

  void Finish() {
    if (where_ == Where::In) reading_.around.after += held_;
    if (where_ == Where::Before) {
      // Nothing of a character anywhere: the first line says what the text is.
      const std::size_t others = reading_.around.before;
      reading_.around = {};
      Problem(first_.first, first_.second,
              std::string(kNotALine) + (others > 1 ? ", nor is any other line of the text" : ""));
      return;
    }
    if (const std::vector<std::string> missing = Missing(character()); !missing.empty()) {
      reading_.problems.push_back(
          {0, Listed(missing), "missing: a character needs its name, its race and its seven statistics"});
    }
  }

  void Accept(std::size_t number, const Classified& c) {
    ++inCharacter_;
    if (c.kind != Classified::Kind::Captioned) return;
    captioned_ = true;
    SharedCharacter& shared = character();
    if (!shared.lines[c.slot].empty()) {
      // A text of one line given over and over lists the first hundred.
      if (reading_.problems.size() >= kProblemsListed) return void(++reading_.unlisted);
      return Problem(number, c.line, "a second line for " + std::string(kSummaryLines[c.slot].caption));
    }
    shared.lines[c.slot] = c.line;
    shared.numbers[c.slot] = number;
    const LineInfo& info = kSummaryLines[c.slot];
    if (c.taggedCaption && info.kind != LineKind::Skill) {
      return Problem(number, c.line, "only a skill is marked tagged");
    }
    std::string why = ReadValue(info, c.slot, c.value, c.taggedCaption);
    if (why.empty()) shared.read[c.slot] = true;
    else Problem(number, c.line, std::move(why));
  }

  // Reads a line's value; says why it is none ("" when it is one).
  std::string ReadValue(const LineInfo& info, std::size_t slot, std::string_view value, bool taggedCaption) {
    SharedCharacter& shared = character();
    switch (info.kind) {
      case LineKind::Name: shared.name = UnescapedText(value); return {};
      case LineKind::Race: return ReadRace(value);
      case LineKind::Stat:
        if (const auto number = WholeNumber(value)) {
          shared.stats[info.index] = *number;
          return {};
        }
        return "not a whole number";
      case LineKind::Traits: return ReadTraits(value);
      case LineKind::Skill: return ReadSkill(info.index, slot, value, taggedCaption);
      case LineKind::CharPoints:
      case LineKind::SecondaryStat:
      case LineKind::Notes: shared.given[slot] = SummaryLine{std::string(value), {}}; return {};
      case LineKind::Check: return {};  // the copy's own questions, made again from the character pasted
    }
    return {};
  }

  std::string ReadRace(std::string_view value) {
    SharedCharacter& shared = character();
    const Marked marked = SplitMark(value);
    const std::string typedMark = Folded(kTypedRaceMark) + ' ';
    if (marked.mark && Folded(*marked.mark).starts_with(typedMark)) {
      const auto picked = RaceListed(Folded(*marked.mark).substr(typedMark.size()));
      if (!picked) return "the race last picked is not a race of the list";
      shared.race = *picked;
      // A typed text that names the race last picked is that race.
      if (std::string typed = UnescapedText(marked.value); typed != *picked) shared.typedRace = std::move(typed);
      return {};
    }
    const auto race = RaceListed(value);
    if (!race) return "not a race of the list";
    shared.race = *race;
    return {};
  }

  std::string ReadTraits(std::string_view value) {
    if (Folded(value) == kNone) return {};
    std::vector<std::string> unknown, twice;
    std::vector<Trait>& traits = character().traits;
    while (!value.empty()) {
      const std::size_t comma = value.find(',');
      const std::string_view name = Trimmed(value.substr(0, comma));
      value = comma == std::string_view::npos ? std::string_view() : value.substr(comma + 1);
      if (name.empty()) continue;
      const auto& captions = FoldedTraits();
      const auto found = std::find(captions.begin(), captions.end(), Folded(name));
      if (found == captions.end()) {
        unknown.push_back("\u201C" + std::string(name) + "\u201D");
        continue;
      }
      const TraitInfo& trait = kTraits[static_cast<std::size_t>(found - captions.begin())];
      if (std::find(traits.begin(), traits.end(), trait.trait) != traits.end()) {
        twice.emplace_back(trait.caption);
        continue;
      }
      traits.push_back(trait.trait);
    }
    std::vector<std::string> why;
    if (!unknown.empty()) why.push_back("there is no trait " + Listed(unknown, " or "));
    if (!twice.empty()) why.push_back(Listed(twice, " and ") + (twice.size() == 1 ? " is" : " are") + " named twice");
    return Listed(why, "; ");
  }

  std::string ReadSkill(std::size_t skill, std::size_t slot, std::string_view value, bool taggedCaption) {
    const Marked marked = SplitMark(value);
    TagMark tag = taggedCaption ? TagMark::Tagged : TagMark::None;
    if (marked.mark) {
      const std::string mark = Folded(*marked.mark);
      if (mark == Folded(kTaggedMark) || mark == "tag") tag = TagMark::Tagged;
      else if (mark == Folded(kTaggedClosedMark)) tag = TagMark::TaggedBoxClosed;
      else return "a skill is marked (tagged), (tag) or * or not at all";
    }
    std::string_view shown = marked.value;
    for (const bool front : {true, false}) {
      if (front ? !shown.starts_with('*') : !shown.ends_with('*')) continue;
      shown = Trimmed(front ? shown.substr(1) : shown.substr(0, shown.size() - 1));
      if (tag == TagMark::None) tag = TagMark::Tagged;
    }
    character().tags[skill] = tag;
    const std::string_view marks[] = {"", kTaggedMark, kTaggedClosedMark};
    character().given[slot] = SummaryLine{std::string(shown), std::string(marks[static_cast<int>(tag)])};
    return {};
  }

  Reading reading_;
  Where where_ = Where::Before;
  std::pair<std::size_t, std::string> first_;  // the first line holding text, while no character has begun
  std::size_t inCharacter_ = 0;                // lines holding text in the character so far
  bool captioned_ = false;                     // the character has a line with a caption
  // The lines since the character's last line that are none of its lines:
  // how many, and the first of them, with their numbers.
  std::size_t held_ = 0;
  std::vector<std::pair<std::size_t, std::string>> heldLines_;
  bool afterName_ = false, afterRace_ = false;  // a name and a race line after the character
};

}  // namespace

Reading ReadSummary(std::string_view text) { return Reader().Read(text); }

bool IsCharacterCopy(std::string_view text) {
  if (text.size() > kLongestSummary) return false;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const Classified c = Classify(text.substr(start, end - start));
    if (c.kind == Classified::Kind::Program) return true;
    if (c.kind != Classified::Kind::Blank) break;
    start = end + 1;
  }
  return Missing(ReadSummary(text).character).empty();
}

LineProblem ProblemWith(const std::vector<std::size_t>& numbers, std::string_view quoted, std::string why) {
  std::vector<std::string> listed;
  for (const std::size_t number : numbers) listed.push_back(std::to_string(number));
  const std::size_t first = numbers.empty() ? 0 : *std::min_element(numbers.begin(), numbers.end());
  return {first, (numbers.size() == 1 ? "Line " : "Lines ") + Listed(listed) + ": " + std::string(quoted),
          std::move(why)};
}

std::string SurroundingsText(const Surroundings& around) {
  const auto lines = [](std::size_t n) { return std::to_string(n) + (n == 1 ? " line" : " lines"); };
  std::string text;
  if (around.before > 0 && around.after > 0) {
    text = lines(around.before) + " before and " + std::to_string(around.after) + " after the character";
  } else if (around.before > 0) {
    text = lines(around.before) + " before the character";
  } else if (around.after > 0) {
    text = lines(around.after) + " after the character";
  }
  if (!text.empty()) text += around.before + around.after == 1 ? " was not read." : " were not read.";
  if (around.another)
    text += std::string(text.empty() ? "" : " ") + "They hold another character; only the first is read.";
  return text;
}

}  // namespace cindral
