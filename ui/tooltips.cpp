#include "tooltips.h"

#include <QApplication>
#include <QCursor>
#include <QHelpEvent>
#include <QToolTip>
#include <array>

#include "controls.h"
#include "events.h"
#include "explanations.h"
#include "qt_text.h"
#include "reasons.h"
#include "sheet_view.h"
#include "stat_allocation.h"
#include "window_layout.h"

namespace cindral {

namespace {

void SetTip(QWidget* widget, const QString& tip) {
  if (widget && widget->toolTip() != tip) widget->setToolTip(tip);
}

// The reason follows the race text and the two counters as well as the
// enabled flags, so every box is looked at after every event; so is every
// "+" and "-", whose sign is dimmed while a press would change nothing.
class Reasons {
 public:
  // The boxes, their captions and the buttons are found once: Show runs
  // after every event.
  explicit Reasons(SheetView& window) : window_(window) {
    for (std::size_t i = 0; i < kStatButtons.size(); ++i) {
      buttons_[i] = &window.OwnControl<SheetButton>(kStatButtons[i].name);
    }
    for (std::size_t b = 0; b < kBoxCount; ++b) {
      const std::string_view name = NameOf(static_cast<Box>(b));
      boxes_[b] = &window.OwnControl(name);
      captions_[b] = &window.OwnControl(CaptionOf(name));
    }
  }

  void Show() const {
    const Sheet& sheet = window_.sheet();
    for (std::size_t b = 0; b < kBoxCount; ++b) {
      const QString reason = QString::fromStdString(DisabledReason(sheet, static_cast<Box>(b)));
      SetTip(boxes_[b], reason);
      SetTip(captions_[b], reason);
    }
    for (std::size_t i = 0; i < kStatButtons.size(); ++i) {
      buttons_[i]->SetRefused(RefusalOf(sheet, kStatButtons[i]) != ButtonRefusal::None);
    }
  }

 private:
  SheetView& window_;
  std::array<SheetButton*, kStatButtons.size()> buttons_{};
  std::array<QWidget*, kBoxCount> boxes_{};
  std::array<QWidget*, kBoxCount> captions_{};
};

// A tooltip or a What's This that no control took itself comes up through
// the frames to the window: the control under the point is found there and
// explained. A closed box answers its own tooltip with its reason. Captions
// leave theirs to the window: a value's caption explains its value (and a
// closed tag box's caption why it is closed), another shows its box's
// reason while the box is closed.
class Explainer : public QObject {
 public:
  explicit Explainer(SheetView& window) : QObject(&window), window_(window) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type != QEvent::ToolTip && type != QEvent::WhatsThis && type != QEvent::QueryWhatsThis) return false;
    auto* help = static_cast<QHelpEvent*>(event);
    QWidget* control = NamedControl(static_cast<QWidget*>(watched)->childAt(help->pos()));
    if (!control) return false;
    const std::string name = control->objectName().toStdString();
    if (type == QEvent::ToolTip && qobject_cast<ClickLabel*>(control)) {
      const std::string text = IsValueCaption(name) ? CaptionTip(window_.engine(), name, Breaks::Marked) : "";
      if (text.empty() && control->toolTip().isEmpty()) return false;
      QToolTip::showText(help->globalPos(), text.empty() ? control->toolTip() : TooltipText(text, *control), control,
                         control->rect());
      return true;
    }
    const std::string text = Explain(window_.engine(), name, Breaks::Marked);
    if (text.empty()) return false;
    if (type == QEvent::ToolTip) {
      QToolTip::showText(help->globalPos(), TooltipText(text, *control), control, control->rect());
    } else if (type == QEvent::WhatsThis) {
      ExplanationBalloon::ShowBeside(control, text);
    }
    return true;
  }

  static bool IsValueCaption(std::string_view name) {
    const std::string_view value = ExplainedFor(name);
    return value != name && FindField(value).has_value();
  }

  // An explanation that shows while the sheet changes is no longer true:
  // the balloon goes, and the tooltip is asked for again where the mouse
  // rests, as resting there anew would; it goes at once when nothing there
  // explains itself any more.
  void SheetShown() const {
    if (auto* balloon = window_.findChild<ExplanationBalloon*>(QString(), Qt::FindDirectChildrenOnly)) balloon->close();
    QWidget* tip = QToolTip::isVisible() ? ShownTooltip() : nullptr;
    if (!tip) return;
    const QPoint mouse = QCursor::pos();
    QWidget* under = QApplication::widgetAt(mouse);
    if (!under || under->window() != &window_) return;
    QHelpEvent again(QEvent::ToolTip, under->mapFromGlobal(mouse), mouse);
    if (!QApplication::sendEvent(under, &again) || !again.isAccepted()) tip->hide();
  }

 private:
  SheetView& window_;
};

}  // namespace

void AddExplanations(SheetView& window) {
  auto* explainer = new Explainer(window);
  window.installEventFilter(explainer);
  for (const FramePlace& frame : FramePlaces()) {
    window.OwnControl(frame.name).installEventFilter(explainer);
  }
  const Reasons reasons(window);
  reasons.Show();
  // The reasons first: a tooltip asked for again reads them.
  QObject::connect(&window, &SheetView::sheetShown, &window, [reasons] { reasons.Show(); });
  QObject::connect(&window, &SheetView::sheetShown, explainer, [explainer] { explainer->SheetShown(); });
}

}  // namespace cindral
