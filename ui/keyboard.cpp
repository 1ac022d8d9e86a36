#include "keyboard.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <vector>

#include "character_window.h"
#include "desktop_support.h"
#include "help_texts.h"
#include "window_layout.h"

namespace cindral {

namespace {

// The captions and the counter `tags` that show a text, in the order they
// stand in the window: Secondary Stats, Traits, Skills.
std::vector<std::string_view> CaptionsWithText() {
  std::vector<std::string_view> captions;
  for (const LabelPlace& p : LabelPlaces()) {
    if (!HelpFor(p.name).empty()) captions.push_back(p.name);
  }
  return captions;
}

class KeyboardHelp : public QObject {
 public:
  explicit KeyboardHelp(CharacterWindow& window) : QObject(&window), window_(window), captions_(CaptionsWithText()) {}

  // The caption's own click handling, so the panel shows exactly what a
  // click on the caption shows.
  void ShowCaptionText(std::string_view caption) {
    window_.engine().Click(caption);
    window_.ShowSheet();
  }

  // Steps from the caption whose text the panel shows (if any) to the next
  // or previous one, round the end.
  void StepThroughCaptions(int step) {
    const std::string& shown = window_.engine().sheet().Text(Field::info);
    const int count = static_cast<int>(captions_.size());
    int at = -1;
    for (int i = 0; i < count; ++i) {
      if (HelpFor(captions_[static_cast<std::size_t>(i)]) == shown) at = i;
    }
    const int next = at < 0 ? (step > 0 ? 0 : count - 1) : (at + step + count) % count;
    ShowCaptionText(captions_[static_cast<std::size_t>(next)]);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier) return false;

    if (auto* box = qobject_cast<QCheckBox*>(watched); box && key->key() == Qt::Key_F1) {
      const std::string name = box->objectName().toStdString();
      if (const std::string_view caption = CaptionOf(name); !HelpFor(caption).empty()) ShowCaptionText(caption);
      return true;
    }
    // Outside a dialog a push button answers only Space; Enter presses it too.
    if (auto* button = qobject_cast<QPushButton*>(watched);
        button && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
      if (!key->isAutoRepeat()) button->click();
      return true;
    }
    return false;
  }

 private:
  CharacterWindow& window_;
  const std::vector<std::string_view> captions_;
};

// The drop-down's own place in its list does not follow a race text set by
// the sheet, so the list would open on its first entry and Down would step
// from there. Both start from the race the text names: Enter straight away
// in the open list keeps the race shown, and Down in the closed box moves
// to the next race in the list.
class RaceListFollowsTheRaceShown : public QObject {
 public:
  explicit RaceListFollowsTheRaceShown(QComboBox& race) : QObject(&race), race_(race) {
    race.installEventFilter(this);
    race.view()->parentWidget()->installEventFilter(this);  // the list's popup
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &race_ && event->type() == QEvent::KeyPress) {
      switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_F4:
          MoveToTheRaceShown();
          break;
        default:
          break;
      }
    } else if (watched != &race_ && event->type() == QEvent::Show) {
      if (const int row = RowShown(); row >= 0) race_.view()->setCurrentIndex(race_.model()->index(row, race_.modelColumn()));
    }
    return false;
  }

 private:
  int RowShown() const { return race_.findText(race_.currentText(), Qt::MatchExactly); }

  // Only the place in the list moves: the text is the same, nothing is
  // picked and the window hears nothing.
  void MoveToTheRaceShown() {
    const int row = RowShown();
    if (row < 0 || row == race_.currentIndex()) return;
    const QSignalBlocker quiet(race_);
    race_.setCurrentIndex(row);
  }

  QComboBox& race_;
};

}  // namespace

void AddKeyboardSupport(CharacterWindow& window) {
  auto* help = new KeyboardHelp(window);
  for (const auto places : {BoxPlaces(), ButtonPlaces()}) {
    for (const ControlPlace& p : places) {
      if (QWidget* w = ControlNamed(window, p.name)) w->installEventFilter(help);
    }
  }
  if (auto* race = qobject_cast<QComboBox*>(ControlNamed(window, "race"))) new RaceListFollowsTheRaceShown(*race);

  auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F1), &window);
  QObject::connect(next, &QShortcut::activated, help, [help] { help->StepThroughCaptions(+1); });
  auto* previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F1), &window);
  QObject::connect(previous, &QShortcut::activated, help, [help] { help->StepThroughCaptions(-1); });
}

}  // namespace cindral
