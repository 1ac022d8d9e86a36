#include "character_window.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFont>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>

#include "accessibility.h"
#include "character_check.h"
#include "character_copy.h"
#include "character_rebuild.h"
#include "fonts.h"
#include "history_menu.h"
#include "info_panel.h"
#include "keyboard.h"
#include "palette.h"
#include "print_character.h"
#include "qt_text.h"
#include "quit_after_shown.h"
#include "tooltips.h"
#include "window_icon.h"

namespace cindral {

namespace {

// The window's own colours: black behind green text. Labels draw on the
// black frames without a background of their own; only the looks that
// differ from the window's get a palette.
void SetTextColour(QWidget& widget, QRgb colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, QColor(colour));
  widget.setPalette(palette);
}

void ApplyLook(QLabel& label, Look look, const QFont& bold) {
  switch (look) {
    case Look::GreenOnBlack:
    case Look::GreenTransparent: break;
    case Look::WhiteOnBlack:
    case Look::WhiteTransparent: SetTextColour(label, kWhite); break;
    case Look::BoldGreenOnBlack: label.setFont(bold); break;
    case Look::Panel: break;  // the panel is no label (info_panel.h)
  }
}

}  // namespace

CharacterWindow::CharacterWindow(QWidget* parent) : SheetView(parent) {
  setObjectName(QStringLiteral("CharacterWindow"));
  setWindowTitle(QStringLiteral("Cindral PnP Character Generator"));
  setWindowIcon(WindowIcon());
  setFont(WindowFont());
  setFixedSize(kClientWidth, kClientHeight);
  // Green text on black; the name box, the race box and the buttons keep
  // the desktop's standard colours, which use other colour roles.
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(kBlack));
  colours.setColor(QPalette::WindowText, QColor(kGreen));
  colours.setColor(QPalette::Disabled, QPalette::WindowText, QColor(kMiddleGrey));
  setPalette(colours);
  setAutoFillBackground(true);

  BuildFrames();
  BuildLabels();
  BuildButtons();
  BuildBoxes();
  BuildTopControls();
  SetFocusOrder();
  AddKeys();
  AddZoomKeys();
  for (QWidget* w : findChildren<QWidget*>()) {
    if (w->objectName().isEmpty()) continue;
    // A name two widgets share is left to the search of the children.
    byName_.insert(w->objectName(), byName_.contains(w->objectName()) ? nullptr : w);
  }

  engine_.sheet().SetObserver(this);
  // The load handling: the race handling for the race text shown, "Human".
  engine_.Start();
  history_.emplace(engine_, &RebuildCharacter, &ShowCharacterCheck);
  dirtyFields_.set();
  dirtyBoxes_.set();
  ShowSheet();

  // What the window offers beyond the mouse; each part keeps itself current
  // through sheetShown and acted.
  AddKeyboardSupport(*this);
  AddAccessibleNames(*this);
  AddExplanations(*this);
  QuitAfterFirstPaintWhenAsked(*this);

  for (const std::string_view name : FocusOrder()) {
    if (QWidget& w = OwnControl(name); w.isEnabled()) {
      w.setFocus(Qt::OtherFocusReason);
      break;
    }
  }
}

CharacterWindow::~CharacterWindow() { engine_.sheet().SetObserver(nullptr); }

void CharacterWindow::BuildFrames() {
  frames_[static_cast<std::size_t>(Frame::Window)] = this;
  for (const FramePlace& place : FramePlaces()) {
    auto* frame = new SheetFrame(Q(place.caption), WindowFont(place.captionFont),
                                 QColor(place.greyCaption ? kLightGrey : kGreen), this);
    frame->setObjectName(Q(place.name));
    frame->setGeometry(ToQRect(place.rect));
    frames_[static_cast<std::size_t>(place.frame)] = frame;
  }
}

void CharacterWindow::BuildLabels() {
  const QFont bold = WindowFont(FontRole::Bold);
  // The caption beside each value field.
  std::array<const QLabel*, kFieldCount> captionOf{};
  for (const LabelPlace& place : LabelPlaces()) {
    QWidget* parent = FrameWidget(place.frame);
    if (place.look == Look::Panel) {
      info_ = new InfoPanel(parent);
      info_->setObjectName(Q(place.name));
      info_->setGeometry(ToQRect(place.rect));
      continue;
    }
    const auto reacting = FindControl(place.name);
    QLabel* label = nullptr;
    if (reacting) {
      auto* clickable = new ClickLabel(parent);
      const std::string_view name = reacting->name;
      connect(clickable, &ClickLabel::clicked, this, [this, name] { Act(Click(name)); });
      label = clickable;
    } else {
      label = new SheetLabel(parent);
    }
    label->setObjectName(Q(place.name));
    label->setGeometry(ToQRect(place.rect));
    label->setTextFormat(Qt::PlainText);
    ApplyLook(*label, place.look, bold);
    // A row's caption, value and box share the middle of the row.
    label->setAlignment((place.rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
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
    connect(button, &QPushButton::clicked, this, [this, name] { Act(Click(name)); });
  }
}

void CharacterWindow::BuildBoxes() {
  for (const ControlPlace& place : BoxPlaces()) {
    auto* box = new SheetBox(FrameWidget(place.frame));
    box->setObjectName(Q(place.name));
    box->setGeometry(ToQRect(place.rect));
    const std::string_view name = place.name;
    connect(box, &SheetBox::clickRequested, this, [this, name] { Act(Click(name)); });
    if (const auto b = FindBox(place.name)) boxes_[Index(*b)] = box;
  }
}

void CharacterWindow::BuildTopControls() {
  const TextBoxPlaces& places = TextBoxes();
  name_ = new SheetLineEdit(FrameWidget(places.name.frame));
  name_->setObjectName(Q(places.name.name));
  name_->setGeometry(ToQRect(places.name.rect));
  name_->setText(Q(engine_.sheet().Text(Field::Name)));
  connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) { Act(TypeName(text.toStdString())); });

  race_ = new RaceBox(FrameWidget(places.race.frame));
  race_->setObjectName(Q(places.race.name));
  race_->setGeometry(ToQRect(places.race.rect));
  race_->setEditText(Q(engine_.sheet().Text(Field::race)));
  // Only what the player types: a pick from the list sets the text too,
  // and is a pick, not typing.
  connect(race_->textPart(), &QLineEdit::textEdited, this, [this](const QString& text) {
    std::string typed = text.toStdString();
    if (typed != engine_.sheet().Text(Field::race)) Act(TypeRace(typed));
  });
  connect(race_, &QComboBox::activated, this,
          [this](int index) { Act(PickRace(race_->itemText(index).toStdString())); });

  // A run of typing is one step, until the focus leaves the box.
  for (SheetLineEdit* typing : {name_, race_->textPart()}) {
    connect(typing, &SheetLineEdit::focusChanged, this, [this](bool hasFocus) {
      if (!hasFocus && history_) Act(EndTyping());
    });
  }

  extra_ = new NotesBox(FrameWidget(places.extra.frame));
  extra_->setObjectName(Q(places.extra.name));
  extra_->setGeometry(ToQRect(places.extra.rect));
  QPalette notes = extra_->palette();
  notes.setColor(QPalette::Text, QColor(kGreen));
  notes.setColor(QPalette::Base, QColor(kBlack));
  extra_->setPalette(notes);
}

void CharacterWindow::SetFocusOrder() {
  for (QWidget* w : findChildren<QWidget*>()) w->setFocusPolicy(Qt::NoFocus);
  // Every control that takes the focus shows it with the same ring.
  auto* ring = new FocusRing(this);
  QWidget* previous = nullptr;
  for (const std::string_view name : FocusOrder()) {
    QWidget* w = &OwnControl(name);
    w->setFocusPolicy(Qt::StrongFocus);
    ring->Add(*w);
    if (w == race_) race_->lineEdit()->setFocusPolicy(Qt::StrongFocus);
    if (previous) setTabOrder(previous, w);
    previous = w;
  }
}

void CharacterWindow::AddKeys() {
  const auto key = [this](QKeyCombination combination, Action (*action)()) {
    auto* shortcut = new QShortcut(QKeySequence(combination), this);
    connect(shortcut, &QShortcut::activated, this, [this, action] { Act(action()); });
  };
  key(kUndoKey, &Undo);
  key(kRedoKey, &Redo);
  key(kRedoKeyToo, &Redo);
  key(kCopyCharacterKey, &CopyCharacter);
  // The text boxes keep Ctrl+C while they hold a selection.
  key(kCopyKey, &CopyCharacter);
  // The boxes that take typed text keep Ctrl+V.
  key(kPasteCharacterKey, &PasteFromClipboard);
  key(kPasteKey, &PasteFromClipboard);
  key(kCheckCharacterKey, &CheckCharacter);
  // Printing is the window's command, not a step of the character.
  auto* print = new QShortcut(QKeySequence(kPrintCharacterKey), this);
  connect(print, &QShortcut::activated, this, [this] { PrintCharacter(*this, engine_); });
}

Outcome CharacterWindow::Act(const Action& action) {
  // The character goes on the clipboard as it stands, before the panel
  // says it was copied.
  if (action.kind == Action::Kind::CopyCharacter) CopyCharacterToClipboard();
  const Outcome outcome = history_->Act(action);
  ShowSheet();
  emit acted(action, outcome);
  return outcome;
}

void CharacterWindow::CopyCharacterToClipboard() const {
  QApplication::clipboard()->setMimeData(CharacterMimeData(engine_));
}

QMenu& CharacterWindow::ContextMenu() {
  if (!menu_) {
    menu_ = MakeWindowMenu(*this);
    AddZoomEntries(*menu_);
  }
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
  if (name.empty()) return nullptr;
  if (name == "race") return race_;
  if (name == "Name") return name_;
  if (name == "extra") return extra_;
  if (name == "info") return info_;
  if (const auto field = FindField(name)) return fieldLabels_[Index(*field)];
  if (const auto box = FindBox(name)) return boxes_[Index(*box)];
  const QString key = Q(name);
  if (QWidget* w = byName_.value(key)) return w;
  return findChild<QWidget*>(key);
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
    } else if (field == Field::info) {
      info_->ShowText(text);
    } else if (QLabel* label = fieldLabels_[i]) {
      label->setText(text);
    }
  }
  ShowBoxes();
  race_->ShowPicked(engine_.RaceTextIsPicked());
  const ShownFields shown = dirtyFields_;
  dirtyFields_.reset();
  dirtyBoxes_.reset();
  emit sheetShown(shown);
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
