#include "character_window.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFont>
#include <QFontMetricsF>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>

#include "accessibility.h"
#include "character_copy.h"
#include "fonts.h"
#include "history_menu.h"
#include "qt_text.h"
#include "window_icon.h"

namespace cindral {

namespace {

const QColor kBlack(0, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kWhite(255, 255, 255);
const QColor kLightGrey(192, 192, 192);
// The caption of a box that cannot be ticked just now.
const QColor kDimmedGrey(128, 128, 128);

QRect ToQRect(const Rect& r) { return QRect(r.x, r.y, r.w, r.h); }

// The window's own colours: black behind green text. Labels draw on the
// black frames without a background of their own; only the looks that
// differ from the window's get a palette.
void SetTextColour(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, colour);
  widget.setPalette(palette);
}

void ApplyLook(QLabel& label, Look look, const QFont& bold) {
  switch (look) {
    case Look::GreenOnBlack:
    case Look::GreenTransparent: break;
    case Look::WhiteOnBlack:
    case Look::WhiteTransparent: SetTextColour(label, kWhite); break;
    case Look::BoldGreenOnBlack: label.setFont(bold); break;
    case Look::Panel: {
      // Dark text on light grey, wrapped at word boundaries, from the top
      // left; what does not fit is cut off.
      QPalette palette = label.palette();
      palette.setColor(QPalette::WindowText, kBlack);
      palette.setColor(QPalette::Window, kLightGrey);
      label.setPalette(palette);
      label.setAutoFillBackground(true);
      label.setWordWrap(true);
      label.setMargin(kPanelMargin);
      break;
    }
  }
}

// A value beside a caption in a larger font is lowered onto the caption's
// baseline. Both are centred in rows of the same height, so the baselines
// differ by the difference of ascent less descent.
void PutOnBaselineOf(const QLabel& caption, QLabel& value) {
  if (caption.font() == value.font()) return;
  const QFontMetricsF big(caption.font());
  const QFontMetricsF small(value.font());
  const int lower = qRound((big.ascent() - big.descent()) - (small.ascent() - small.descent()));
  if (lower > 0) value.setContentsMargins(0, lower, 0, 0);
}

const ControlPlace& TextBoxPlace(std::string_view name) {
  for (const ControlPlace& place : TextBoxPlaces()) {
    if (place.name == name) return place;
  }
  return TextBoxPlaces().front();
}

}  // namespace

CharacterWindow::CharacterWindow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("CharacterWindow"));
  setWindowTitle(QStringLiteral("Cindral PnP Character Generator"));
  setWindowIcon(WindowIcon());
  // The window's font is the program's too, so that lists, menus and
  // tooltips take it and no other font is ever loaded; the window holds it
  // as its own as well, so that the change of the program's font does not
  // travel through every control again.
  QApplication::setFont(WindowFont());
  setFont(WindowFont());
  setFixedSize(kClientWidth, kClientHeight);
  // Green text on black; the name box, the race box and the buttons keep
  // the desktop's standard colours, which use other colour roles.
  QPalette colours = palette();
  colours.setColor(QPalette::Window, kBlack);
  colours.setColor(QPalette::WindowText, kGreen);
  colours.setColor(QPalette::Disabled, QPalette::WindowText, kDimmedGrey);
  setPalette(colours);
  setAutoFillBackground(true);

  BuildFrames();
  BuildLabels();
  BuildButtons();
  BuildBoxes();
  BuildTopControls();
  SetFocusOrder();
  AddKeys();
  for (QWidget* w : findChildren<QWidget*>()) {
    if (w->objectName().isEmpty()) continue;
    // A name two widgets share is left to the search of the children.
    byName_.insert(w->objectName(), byName_.contains(w->objectName()) ? nullptr : w);
  }

  engine_.sheet().SetObserver(this);
  // The load handling: the race handling for the race text shown, "Human".
  dirtyFields_.set();
  dirtyBoxes_.set();
  Handle([this] { engine_.Start(); });
  history_.emplace(engine_);

  for (const std::string_view name : FocusOrder()) {
    if (QWidget* w = Control(name); w && w->isEnabled()) {
      w->setFocus(Qt::OtherFocusReason);
      break;
    }
  }
}

CharacterWindow::~CharacterWindow() { engine_.sheet().SetObserver(nullptr); }

void CharacterWindow::BuildFrames() {
  frames_[static_cast<std::size_t>(Frame::Window)] = this;
  for (const FramePlace& place : FramePlaces()) {
    const double captionSize = place.captionPointSize > 0 ? place.captionPointSize : kDefaultPointSize;
    auto* frame = new SheetFrame(Q(place.caption), WindowFont(captionSize, place.captionPointSize > 0),
                                 place.greyCaption ? kLightGrey : kGreen, this);
    frame->setObjectName(Q(place.name));
    frame->setGeometry(ToQRect(place.rect));
    frames_[static_cast<std::size_t>(place.frame)] = frame;
  }
}

void CharacterWindow::BuildLabels() {
  const QFont bold = WindowFont(kCaptionPointSize, true);
  // The caption beside each value field.
  std::array<const QLabel*, kFieldCount> captionOf{};
  for (const LabelPlace& place : LabelPlaces()) {
    QWidget* parent = FrameWidget(place.frame);
    const auto reacting = FindControl(place.name);
    QLabel* label = nullptr;
    if (reacting) {
      auto* clickable = new ClickLabel(parent);
      const std::string_view name = reacting->name;
      connect(clickable, &ClickLabel::clicked, this, [this, name] { Handle([this, name] { history_->Click(name); }); });
      label = clickable;
    } else {
      label = new QLabel(parent);
    }
    label->setObjectName(Q(place.name));
    label->setGeometry(ToQRect(place.rect));
    label->setTextFormat(Qt::PlainText);
    ApplyLook(*label, place.look, bold);
    // A row's caption, value and box share the middle of the row; the panel
    // reads from the top.
    const Qt::Alignment vertical = place.look == Look::Panel ? Qt::AlignTop : Qt::AlignVCenter;
    label->setAlignment((place.rightAligned ? Qt::AlignRight : Qt::AlignLeft) | vertical);
    label->setText(Q(place.text));
    if (const auto field = FindField(place.name)) fieldLabels_[Index(*field)] = label;
    if (const auto box = FindBox(place.names)) boxCaptions_[Index(*box)] = qobject_cast<ClickLabel*>(label);
    if (const auto field = FindField(place.names)) captionOf[Index(*field)] = label;
  }
  for (std::size_t f = 0; f < kFieldCount; ++f) {
    if (captionOf[f] && fieldLabels_[f]) PutOnBaselineOf(*captionOf[f], *fieldLabels_[f]);
  }
}

void CharacterWindow::BuildButtons() {
  for (const ControlPlace& place : ButtonPlaces()) {
    auto* button = new SheetButton(Q(place.text), FrameWidget(place.frame));
    button->setObjectName(Q(place.name));
    button->setGeometry(ToQRect(place.rect));
    button->setAutoDefault(false);
    const std::string_view name = place.name;
    connect(button, &QPushButton::clicked, this, [this, name] { Handle([this, name] { history_->Click(name); }); });
  }
}

void CharacterWindow::BuildBoxes() {
  for (const ControlPlace& place : BoxPlaces()) {
    auto* box = new SheetBox(FrameWidget(place.frame));
    box->setObjectName(Q(place.name));
    box->setGeometry(ToQRect(place.rect));
    const std::string_view name = place.name;
    connect(box, &SheetBox::clickRequested, this, [this, name] { Handle([this, name] { history_->Click(name); }); });
    if (const auto b = FindBox(place.name)) boxes_[Index(*b)] = box;
  }
}

void CharacterWindow::BuildTopControls() {
  const ControlPlace& name = TextBoxPlace("Name");
  name_ = new SheetLineEdit(FrameWidget(name.frame), true);
  name_->setObjectName(Q(name.name));
  name_->setGeometry(ToQRect(name.rect));
  name_->setText(Q(engine_.sheet().Text(Field::Name)));
  connect(name_, &QLineEdit::textEdited, this,
          [this](const QString& text) { Handle([this, text] { history_->TypeName(text.toStdString()); }); });

  const ControlPlace& race = TextBoxPlace("race");
  race_ = new RaceBox(FrameWidget(race.frame));
  race_->setObjectName(Q(race.name));
  race_->setGeometry(ToQRect(race.rect));
  race_->setEditText(Q(engine_.sheet().Text(Field::race)));
  // Only what the player types: a pick from the list sets the text too,
  // and is a pick, not typing.
  connect(race_->textPart(), &QLineEdit::textEdited, this, [this](const QString& text) {
    const std::string typed = text.toStdString();
    if (typed != engine_.sheet().Text(Field::race)) Handle([this, &typed] { history_->TypeRace(typed); });
  });
  connect(race_, &QComboBox::activated, this, [this](int index) {
    const std::string picked = race_->itemText(index).toStdString();
    Handle([this, &picked] { history_->PickRace(picked); });
  });

  // A run of typing is one step, until the focus leaves the box.
  for (SheetLineEdit* typing : {name_, race_->textPart()}) {
    connect(typing, &SheetLineEdit::focusChanged, this, [this](bool hasFocus) {
      if (!hasFocus && history_) history_->EndTyping();
    });
  }

  const ControlPlace& extra = TextBoxPlace("extra");
  extra_ = new NotesBox(FrameWidget(extra.frame));
  extra_->setObjectName(Q(extra.name));
  extra_->setGeometry(ToQRect(extra.rect));
  QPalette notes = extra_->palette();
  notes.setColor(QPalette::Text, kGreen);
  notes.setColor(QPalette::Base, kBlack);
  extra_->setPalette(notes);
}

void CharacterWindow::SetFocusOrder() {
  for (QWidget* w : findChildren<QWidget*>()) w->setFocusPolicy(Qt::NoFocus);
  QWidget* previous = nullptr;
  for (const std::string_view name : FocusOrder()) {
    QWidget* w = Control(name);
    if (!w) continue;
    w->setFocusPolicy(Qt::StrongFocus);
    if (w == race_) race_->lineEdit()->setFocusPolicy(Qt::StrongFocus);
    if (previous) setTabOrder(previous, w);
    previous = w;
  }
}

void CharacterWindow::AddKeys() {
  const auto key = [this](QKeyCombination combination, void (CharacterWindow::*action)()) {
    auto* shortcut = new QShortcut(QKeySequence(combination), this);
    connect(shortcut, &QShortcut::activated, this, action);
  };
  key(kUndoKey, &CharacterWindow::Undo);
  key(kRedoKey, &CharacterWindow::Redo);
  key(kRedoKeyToo, &CharacterWindow::Redo);
  key(kCopyCharacterKey, &CharacterWindow::CopyCharacter);
  // The text boxes keep Ctrl+C while they hold a selection.
  key(kCopyKey, &CharacterWindow::CopyCharacter);
}

void CharacterWindow::Undo() {
  Handle([this] { history_->Undo(); });
}

void CharacterWindow::Redo() {
  Handle([this] { history_->Redo(); });
}

void CharacterWindow::CopyCharacter() {
  QApplication::clipboard()->setMimeData(CharacterMimeData(engine_.sheet()));
  Handle([this] { engine_.ShowCharacterCopied(); });
  // Said at once, as a screen reader says any text a key puts in the panel.
  SpeakInformation(*this);
}

QMenu& CharacterWindow::ContextMenu() {
  if (!menu_) menu_ = MakeWindowMenu(*this);
  return *menu_;
}

void CharacterWindow::contextMenuEvent(QContextMenuEvent* event) {
  // The name box and the race box have menus of their own.
  const QWidget* at = childAt(mapFromGlobal(event->globalPos()));
  for (const QWidget* own : {static_cast<const QWidget*>(name_), static_cast<const QWidget*>(race_)}) {
    if (at && (at == own || own->isAncestorOf(at))) return;
  }
  ContextMenu().popup(event->globalPos());
}

QWidget* CharacterWindow::Control(std::string_view name) const {
  if (name == "race") return race_;
  if (name == "Name") return name_;
  if (name == "extra") return extra_;
  if (const auto field = FindField(name)) return fieldLabels_[Index(*field)];
  if (const auto box = FindBox(name)) return boxes_[Index(*box)];
  const QString key = Q(name);
  if (QWidget* w = byName_.value(key)) return w;
  return findChild<QWidget*>(key);
}

template <typename Event>
void CharacterWindow::Handle(Event&& event) {
  event();
  ShowSheet();
}

void CharacterWindow::ShowSheet() {
  const Sheet& sheet = engine_.sheet();
  for (std::size_t i = 0; i < kFieldCount; ++i) {
    if (!dirtyFields_.test(i)) continue;
    const auto field = static_cast<Field>(i);
    const QString text = Q(sheet.Text(field));
    if (field == Field::race) {
      if (race_->currentText() != text) race_->setEditText(text);
    } else if (field == Field::Name) {
      if (name_->text() != text) name_->setText(text);
    } else if (field == Field::extra) {
      if (extra_->toPlainText() != text) extra_->setPlainText(text);
    } else if (QLabel* label = fieldLabels_[i]) {
      label->setText(text);
    }
  }
  ShowBoxes();
  race_->ShowPicked(engine_.RaceTextIsPicked());
  dirtyFields_.reset();
  dirtyBoxes_.reset();
  emit sheetShown();
}

void CharacterWindow::ShowBoxes() {
  const Sheet& sheet = engine_.sheet();
  // The boxes that open come before the boxes that close: a focused box
  // that closes passes the focus on as Tab would, and so finds the boxes
  // that are open once the whole sheet is shown.
  for (const bool opening : {true, false}) {
    for (std::size_t i = 0; i < kBoxCount; ++i) {
      if (!dirtyBoxes_.test(i)) continue;
      const auto box = static_cast<Box>(i);
      const bool enabled = sheet.Enabled(box);
      if (enabled != opening) continue;
      boxes_[i]->setChecked(sheet.State(box) == 1);
      boxes_[i]->setEnabled(enabled);
      if (ClickLabel* caption = boxCaptions_[i]) caption->SetDimmed(!enabled);
    }
  }
}

}  // namespace cindral
