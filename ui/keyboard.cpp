#include "keyboard.h"

#include <QApplication>
#include <QCheckBox>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>
#include <optional>
#include <vector>

#include "controls.h"
#include "explanations.h"
#include "help_texts.h"
#include "sheet_view.h"
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
  explicit KeyboardHelp(SheetView& window) : QObject(&window), window_(window), captions_(CaptionsWithText()) {}

  // A click on the caption, so the panel shows exactly what a click on the
  // caption shows.
  void ShowCaptionText(std::string_view caption) { window_.Act(Click(caption)); }

  // Steps from the caption whose text the panel shows to the next or
  // previous one, round the end; from the first or the last while the panel
  // shows no caption's text.
  void StepThroughCaptions(int step) {
    const auto count = static_cast<int>(captions_.size());
    const int next = at_ ? (*at_ + step + count) % count : (step > 0 ? 0 : count - 1);
    ShowCaptionText(captions_[static_cast<std::size_t>(next)]);
    walked_ = true;
  }

  // Any other text in the panel (About's, a copy's or a paste's, the
  // trait's that a race pick unticks last) leaves no caption to walk on from.
  void SheetShown(const ShownFields& changed) {
    if (changed.test(Index(Field::info))) at_.reset();
  }

  // A click on a caption shows its text, and so does a click that ticks or
  // unticks a trait: the next step goes on from that caption. After any
  // action, as after the focus moves, Shift+F1 explains the focused control.
  void Acted(const Action& action, const Outcome& outcome) {
    walked_ = false;
    if (action.kind != Action::Kind::Click) return;
    std::string_view caption = action.text;
    if (const auto box = FindBox(action.text)) {
      if (IsTagBox(*box) || !outcome.Changed(*box)) return;
      caption = CaptionOf(action.text);
    }
    if (const auto it = std::find(captions_.begin(), captions_.end(), caption); it != captions_.end()) {
      at_ = static_cast<int>(it - captions_.begin());
    }
  }
  void FocusMoved() { walked_ = false; }

  // What's This for the caption just walked to (its value, its box), or
  // else for the control with the focus, beside it. Whoever explains the
  // window's controls answers it.
  void ExplainWhereAsked() {
    QWidget* target = nullptr;
    if (walked_ && at_) target = window_.Control(ExplainedFor(captions_[static_cast<std::size_t>(*at_)]));
    if (!target || Explain(window_.engine(), target->objectName().toStdString()).empty()) {
      target = NamedControl(QApplication::focusWidget());
    }
    if (!target) return;
    const QPoint middle = target->rect().center();
    QHelpEvent whatsThis(QEvent::WhatsThis, middle, target->mapToGlobal(middle));
    QApplication::sendEvent(target, &whatsThis);
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
  SheetView& window_;
  const std::vector<std::string_view> captions_;
  std::optional<int> at_;  // the caption whose text the panel shows, if it shows one
  bool walked_ = false;    // Ctrl+F1 or Ctrl+Shift+F1 walked to it, and nothing else has happened since
};

}  // namespace

void AddKeyboardSupport(SheetView& window) {
  auto* help = new KeyboardHelp(window);
  for (const auto places : {BoxPlaces(), ButtonPlaces()}) {
    for (const ControlPlace& p : places) {
      window.OwnControl(p.name).installEventFilter(help);
    }
  }

  auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F1), &window);
  QObject::connect(next, &QShortcut::activated, help, [help] { help->StepThroughCaptions(+1); });
  auto* previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F1), &window);
  QObject::connect(previous, &QShortcut::activated, help, [help] { help->StepThroughCaptions(-1); });

  auto* whatsThis = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1), &window);
  QObject::connect(whatsThis, &QShortcut::activated, help, [help] { help->ExplainWhereAsked(); });
  QObject::connect(&window, &SheetView::sheetShown, help,
                   [help](const ShownFields& changed) { help->SheetShown(changed); });
  QObject::connect(&window, &SheetView::acted, help,
                   [help](const Action& action, const Outcome& outcome) { help->Acted(action, outcome); });
  QObject::connect(qApp, &QApplication::focusChanged, help, [help] { help->FocusMoved(); });
}

}  // namespace cindral
