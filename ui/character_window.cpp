#include "character_window.h"

#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <QIcon>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWheelEvent>

#include "fonts.h"
#include "race_selection.h"
#include "window_layout.h"

namespace cindral {

namespace {

const QColor kBlack(0, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kWhite(255, 255, 255);
const QColor kLightGrey(192, 192, 192);

QFont WindowFont(double pointSize = kDefaultPointSize, bool bold = false) {
  QFont font(QString::fromLatin1(kFontFamily));
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QRect ToQRect(const Rect& r) { return QRect(r.x, r.y, r.w, r.h); }

void Paint(QWidget& widget, const QColor& text, const QColor* background) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Text, text);
  if (background) {
    palette.setColor(QPalette::Window, *background);
    palette.setColor(QPalette::Base, *background);
    widget.setAutoFillBackground(true);
  }
  widget.setPalette(palette);
}

void ApplyLook(QLabel& label, Look look) {
  switch (look) {
    case Look::GreenOnBlack: Paint(label, kGreen, &kBlack); break;
    case Look::GreenTransparent: Paint(label, kGreen, nullptr); break;
    case Look::WhiteOnBlack: Paint(label, kWhite, &kBlack); break;
    case Look::WhiteTransparent: Paint(label, kWhite, nullptr); break;
    case Look::BoldGreenOnBlack:
      Paint(label, kGreen, &kBlack);
      label.setFont(WindowFont(kCaptionPointSize, true));
      break;
  }
}

// A frame drawn by hand: black, a thin grey border, its caption set into
// the top edge. Drawn directly rather than through a style sheet, which
// costs more at start-up than the rest of the window's frames together.
class SheetFrame : public QGroupBox {
 public:
  SheetFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}
  void SetCaptionColour(const QColor& colour) { captionColour_ = colour; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), kBlack);
    const QFontMetrics metrics(font());
    const int edge = metrics.height() / 2;
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(QRect(0, edge, width() - 1, height() - edge - 1));
    const int textWidth = metrics.horizontalAdvance(title());
    const QRect caption(6, 0, textWidth + 4, metrics.height());
    painter.fillRect(caption, kBlack);
    painter.setPen(captionColour_);
    painter.drawText(caption, Qt::AlignCenter, title());
  }

 private:
  QColor captionColour_ = kGreen;
};

}  // namespace

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

RaceBox::RaceBox(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  // No completion: what the player types stays exactly as typed.
  setCompleter(nullptr);
  for (const std::string_view name : kRaceList) addItem(Q(name));
  // Left alone, an editable combo box matches the typed text to an entry
  // when editing finishes (Enter or leaving the box) and reports that as a
  // pick; here only a pick from the list is a pick.
  disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
  disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
}

void RaceBox::wheelEvent(QWheelEvent* event) { event->ignore(); }

CharacterWindow::CharacterWindow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("CharacterWindow"));
  setWindowTitle(QStringLiteral("Cindral PnP Character Generator"));
  QIcon icon;
  icon.addFile(QStringLiteral(":/icons/cindral-16.xpm"), QSize(16, 16));
  icon.addFile(QStringLiteral(":/icons/cindral-32.xpm"), QSize(32, 32));
  setWindowIcon(icon);
  setFont(WindowFont());
  setFixedSize(kClientWidth, kClientHeight);
  // Only the window's own background is black: the name box, the race box
  // and the buttons keep the desktop's standard colours.
  QPalette background = palette();
  background.setColor(QPalette::Window, kBlack);
  setPalette(background);
  setAutoFillBackground(true);

  BuildFrames();
  BuildLabels();
  BuildButtons();
  BuildBoxes();
  BuildTopControls();
  SetFocusOrder();
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
    auto* frame = new SheetFrame(Q(place.caption), this);
    frame->setObjectName(Q(place.name));
    frame->setGeometry(ToQRect(place.rect));
    const double captionSize = place.captionPointSize > 0 ? place.captionPointSize : kDefaultPointSize;
    frame->setFont(WindowFont(captionSize, place.captionPointSize > 0));
    frame->SetCaptionColour(place.greyCaption ? kLightGrey : kGreen);
    frame->setFocusPolicy(Qt::NoFocus);
    frames_[static_cast<std::size_t>(place.frame)] = frame;
  }
}

void CharacterWindow::BuildLabels() {
  for (const LabelPlace& place : LabelPlaces()) {
    QWidget* parent = FrameWidget(static_cast<int>(place.frame));
    const auto reacting = FindControl(place.name);
    QLabel* label = nullptr;
    if (reacting) {
      auto* clickable = new ClickLabel(parent);
      const std::string_view name = reacting->name;
      connect(clickable, &ClickLabel::clicked, this, [this, name] { Handle([this, name] { engine_.Click(name); }); });
      label = clickable;
    } else {
      label = new QLabel(parent);
    }
    label->setObjectName(Q(place.name));
    label->setGeometry(ToQRect(place.rect));
    label->setTextFormat(Qt::PlainText);
    label->setFont(WindowFont());
    ApplyLook(*label, place.look);
    label->setAlignment((place.rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    label->setText(Q(place.text));
    if (const auto field = FindField(place.name)) fieldLabels_[Index(*field)] = label;
  }

  // The information panel: dark text on light grey, wrapped at word
  // boundaries, from the top left; what does not fit is cut off.
  auto* info = new QLabel(FrameWidget(static_cast<int>(Frame::Information)));
  info->setObjectName(QStringLiteral("info"));
  info->setGeometry(8, 24, 161, 337);
  info->setTextFormat(Qt::PlainText);
  info->setWordWrap(true);
  info->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  info->setFont(WindowFont());
  QPalette palette = info->palette();
  palette.setColor(QPalette::Window, kLightGrey);
  palette.setColor(QPalette::WindowText, kBlack);
  info->setPalette(palette);
  info->setAutoFillBackground(true);
  fieldLabels_[Index(Field::info)] = info;
}

void CharacterWindow::BuildButtons() {
  for (const ButtonPlace& place : ButtonPlaces()) {
    auto* button = new QPushButton(Q(place.text), FrameWidget(static_cast<int>(place.frame)));
    button->setObjectName(Q(place.name));
    button->setGeometry(ToQRect(place.rect));
    button->setFont(WindowFont());
    button->setAutoDefault(false);
    const std::string_view name = place.name;
    connect(button, &QPushButton::clicked, this, [this, name] { Handle([this, name] { engine_.Click(name); }); });
  }
}

void CharacterWindow::BuildBoxes() {
  for (const ButtonPlace& place : BoxPlaces()) {
    auto* box = new SheetBox(FrameWidget(static_cast<int>(place.frame)));
    box->setObjectName(Q(place.name));
    box->setGeometry(ToQRect(place.rect));
    const std::string_view name = place.name;
    connect(box, &SheetBox::clickRequested, this, [this, name] { Handle([this, name] { engine_.Click(name); }); });
    if (const auto b = FindBox(place.name)) boxes_[Index(*b)] = box;
  }
}

void CharacterWindow::BuildTopControls() {
  name_ = new QLineEdit(this);
  name_->setObjectName(QStringLiteral("Name"));
  name_->setGeometry(168, 16, 145, 19);
  name_->setFont(WindowFont());
  name_->setText(Q(engine_.sheet().Text(Field::Name)));
  connect(name_, &QLineEdit::textEdited, this,
          [this](const QString& text) { Handle([this, text] { engine_.TypeName(text.toStdString()); }); });

  race_ = new RaceBox(this);
  race_->setObjectName(QStringLiteral("race"));
  race_->setGeometry(312, 16, 113, 21);
  race_->setFont(WindowFont());
  race_->setEditText(Q(engine_.sheet().Text(Field::race)));
  connect(race_, &QComboBox::editTextChanged, this, [this](const QString& text) {
    const std::string typed = text.toStdString();
    if (typed != engine_.sheet().Text(Field::race)) Handle([this, &typed] { engine_.TypeRace(typed); });
  });
  connect(race_, &QComboBox::activated, this, [this](int index) {
    const std::string picked = race_->itemText(index).toStdString();
    Handle([this, &picked] { engine_.PickRace(picked); });
  });

  auto* extraFrame = FrameWidget(static_cast<int>(Frame::Extra));
  extra_ = new QPlainTextEdit(extraFrame);
  extra_->setObjectName(QStringLiteral("extra"));
  extra_->setGeometry(8, 16, 305, 113);
  extra_->setReadOnly(true);
  extra_->setTabChangesFocus(true);
  extra_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  extra_->setFont(WindowFont());
  Paint(*extra_, kGreen, &kBlack);
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
  for (std::size_t i = 0; i < kBoxCount; ++i) {
    if (!dirtyBoxes_.test(i)) continue;
    const auto box = static_cast<Box>(i);
    boxes_[i]->setChecked(sheet.State(box) == 1);
    boxes_[i]->setEnabled(sheet.Enabled(box));
  }
  dirtyFields_.reset();
  dirtyBoxes_.reset();
  emit sheetShown();
}

}  // namespace cindral
