#include "keyboard.h"

#include <QApplication>
#include <QCheckBox>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
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

  // Steps from the caption whose text the panel shows (if any) to the next
  // or previous one, round the end.
  void StepThroughCaptions(int step) {
    const std::string& shown = window_.sheet().Text(Field::info);
    const int count = static_cast<int>(captions_.size());
    int at = -1;
    for (int i = 0; i < count; ++i) {
      if (HelpFor(captions_[static_cast<std::size_t>(i)]) == shown) at = i;
    }
    const int next = at < 0 ? (step > 0 ? 0 : count - 1) : (at + step + count) % count;
    ShowCaptionText(captions_[static_cast<std::size_t>(next)]);
    walkedTo_ = captions_[static_cast<std::size_t>(next)];
  }

  // Any other action, or the focus moving on, ends the walk.
  void EndWalk() { walkedTo_ = {}; }

  // What's This for the caption just walked to (its value, its box), or
  // else for the control with the focus, beside it. Whoever explains the
  // window's controls answers it.
  void ExplainWhereAsked() {
    QWidget* target = nullptr;
    if (!walkedTo_.empty()) target = window_.Control(ExplainedFor(walkedTo_));
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
  std::string_view walkedTo_;  // the caption Ctrl+F1 or Ctrl+Shift+F1 walked to last, until anything else happens
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
  QObject::connect(&window, &SheetView::acted, help, [help] { help->EndWalk(); });
  QObject::connect(qApp, &QApplication::focusChanged, help, [help] { help->EndWalk(); });
}

}  // namespace cindral
