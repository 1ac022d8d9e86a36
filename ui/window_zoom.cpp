// The window's zoom: the window drawn at one of kZoomSteps of its layout,
// every rectangle and font with it, its size fixed there. It is the
// window's own command, not a step of the character: nothing of it passes
// through Act or the history.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShortcut>
#include <algorithm>
#include <iterator>

#include "character_window.h"
#include "fonts.h"
#include "info_panel.h"

namespace cindral {

namespace {

// Ctrl+= is Ctrl+Plus without the Shift a keyboard may need for "+".
constexpr QKeyCombination kZoomInKeys[] = {Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal};
constexpr QKeyCombination kZoomOutKeys[] = {Qt::CTRL | Qt::Key_Minus};
constexpr QKeyCombination kActualSizeKeys[] = {Qt::CTRL | Qt::Key_0};

// The notes' text keeps the text document's own margin from the box's frame.
constexpr qreal kNotesTextMargin = 4;

template <std::size_t N>
QList<QKeySequence> Keys(const QKeyCombination (&keys)[N]) {
  return QList<QKeySequence>(std::begin(keys), std::end(keys));
}

QRect At(const Rect& rect, qreal zoom) { return ToQRect(Zoomed(rect, zoom)); }

}  // namespace

void CharacterWindow::AddZoomKeys() {
  const auto keys = [this](const QList<QKeySequence>& sequences, auto command) {
    auto* shortcut = new QShortcut(this);
    shortcut->setKeys(sequences);
    connect(shortcut, &QShortcut::activated, this, command);
  };
  keys(Keys(kZoomInKeys), [this] { ZoomBy(+1); });
  keys(Keys(kZoomOutKeys), [this] { ZoomBy(-1); });
  keys(Keys(kActualSizeKeys), [this] { SetZoom(kZoomSteps[0]); });
}

void CharacterWindow::AddZoomEntries(QMenu& menu) {
  // Made after a zoom, the menu opens at it.
  if (zoomStyle_) {
    menu.setStyle(zoomStyle_);
    menu.setFont(font());
  }
  menu.addSeparator();
  const auto entry = [&menu, this](const char* text, const char* name, const QList<QKeySequence>& keys, auto command) {
    QAction* action = menu.addAction(QString::fromLatin1(text));
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    action->setShortcutVisibleInContextMenu(true);
    connect(action, &QAction::triggered, this, command);
    return action;
  };
  QAction* in = entry("Zoom In", "zoomIn", Keys(kZoomInKeys), [this] { ZoomBy(+1); });
  QAction* out = entry("Zoom Out", "zoomOut", Keys(kZoomOutKeys), [this] { ZoomBy(-1); });
  QAction* actual = entry("Actual Size", "actualSize", Keys(kActualSizeKeys), [this] { SetZoom(kZoomSteps[0]); });
  // An entry with nothing to do is greyed: none past either end.
  connect(&menu, &QMenu::aboutToShow, this, [this, in, out, actual] {
    in->setEnabled(zoom_ < std::end(kZoomSteps)[-1]);
    out->setEnabled(zoom_ > kZoomSteps[0]);
    actual->setEnabled(zoom_ != kZoomSteps[0]);
  });
}

void CharacterWindow::ZoomBy(int steps) {
  const auto at = std::find(std::begin(kZoomSteps), std::end(kZoomSteps), zoom_);
  const auto step = std::clamp<std::ptrdiff_t>(at - std::begin(kZoomSteps) + steps, 0, std::size(kZoomSteps) - 1);
  SetZoom(kZoomSteps[step]);
}

void CharacterWindow::SetZoom(int percent) {
  if (std::find(std::begin(kZoomSteps), std::end(kZoomSteps), percent) == std::end(kZoomSteps))
    qFatal("the window has no zoom of %d %%", percent);
  if (percent == zoom_) return;
  zoom_ = percent;
  const qreal zoom = percent / 100.0;
  // An explanation showing stood where the old layout put its control.
  if (QWidget* tip = ShownTooltip()) tip->hide();
  if (auto* balloon = findChild<ExplanationBalloon*>(QString(), Qt::FindDirectChildrenOnly)) balloon->close();

  setUpdatesEnabled(false);
  // The style first: every measure taken below is at the new zoom.
  QList<QWidget*> widgets = findChildren<QWidget*>();
  widgets.push_back(this);
  if (!zoomStyle_) {
    zoomStyle_ = new ZoomStyle(zoom, this);
    for (QWidget* w : widgets) w->setStyle(zoomStyle_);
  } else {
    zoomStyle_->SetZoom(zoom);
    for (QWidget* w : widgets) {
      QEvent changed(QEvent::StyleChange);
      QCoreApplication::sendEvent(w, &changed);
    }
  }

  setFont(WindowFont(FontRole::Plain, zoom));
  // The menu opens as a window of its own, which takes no font from this one.
  if (menu_) menu_->setFont(font());
  for (const FramePlace& place : FramePlaces()) OwnControl(place.name).setGeometry(At(place.rect, zoom));
  for (const LabelPlace& place : LabelPlaces()) {
    QWidget& label = OwnControl(place.name);
    label.setGeometry(At(place.rect, zoom));
    if (place.look == Look::BoldGreenOnBlack) label.setFont(WindowFont(FontRole::Bold, zoom));
  }
  for (const LabelPlace& place : LabelPlaces()) {
    const auto field = FindField(place.names);
    if (field && fieldLabels_[Index(*field)])
      PutOnBaselineOf(OwnControl<QLabel>(place.name), *fieldLabels_[Index(*field)]);
  }
  for (const auto places : {ButtonPlaces(), BoxPlaces()}) {
    for (const ControlPlace& place : places) OwnControl(place.name).setGeometry(At(place.rect, zoom));
  }
  const TextBoxPlaces& boxes = TextBoxes();
  for (const ControlPlace* place : {&boxes.name, &boxes.race, &boxes.extra})
    OwnControl(place->name).setGeometry(At(place->rect, zoom));
  // A line box keeps its text two pixels from its edge and one from its top
  // at 100 %, whatever the style; the rest of the way grows with the zoom.
  for (QLineEdit* line : {static_cast<QLineEdit*>(name_), race_->lineEdit()}) {
    const int across = qRound(2 * (zoom - 1)), down = qRound(zoom - 1);
    line->setTextMargins(across, down, across, down);
  }
  extra_->setLineWidth(qRound(kFocusRingWidth * zoom));
  extra_->document()->setDocumentMargin(kNotesTextMargin * zoom);
  // The information panel keeps its text its margin from its edge, on the
  // frame the focus ring is drawn on.
  info_->setLineWidth(qRound(kFocusRingWidth * zoom));
  info_->document()->setDocumentMargin((kPanelMargin - kFocusRingWidth) * zoom);

  setFixedSize(At(Rect{0, 0, kClientWidth, kClientHeight}, zoom).size());
  setUpdatesEnabled(true);
  KeepOnScreen();
}

// A window grown past the screen's edge moves back in, as far as the screen
// allows: its top left stays on the screen.
void CharacterWindow::KeepOnScreen() {
  if (!isVisible() || !screen()) return;
  const QRect screenArea = screen()->availableGeometry();
  const QRect frame = frameGeometry();
  const QSize outer = size() + (frame.size() - geometry().size());
  const int x = std::max(screenArea.left(), std::min(frame.left(), screenArea.right() + 1 - outer.width()));
  const int y = std::max(screenArea.top(), std::min(frame.top(), screenArea.bottom() + 1 - outer.height()));
  if (x != frame.left() || y != frame.top()) move(x, y);
}

}  // namespace cindral
