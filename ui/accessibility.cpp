#include "accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <vector>

#include "controls.h"
#include "events.h"
#include "explanations.h"
#include "help_texts.h"
#include "qt_text.h"
#include "reasons.h"
#include "sheet_view.h"
#include "stat_allocation.h"
#include "window_layout.h"

namespace cindral {

namespace {

// The engine of the window a control stands in; nullptr before the window
// is whole.
const Engine* EngineOf(const QWidget* widget) {
  const auto* view = qobject_cast<const SheetView*>(widget->window());
  return view ? &view->engine() : nullptr;
}

// A text to read after the explanation that comes first: a box's rule text
// after what a click would change or why it cannot be clicked.
QString FirstThen(const std::string& first, std::string_view then) {
  if (first.empty()) return Q(then);
  if (then.empty()) return Q(first);
  return Q(first) + QStringLiteral(". ") + Q(then);
}

// A control whose description is its explanation, made when a client asks
// for it: a value's breakdown, what a press or a tick would change, a
// statistic against its limits. Nothing is made while nobody asks.
class ExplainedInterface : public QAccessibleWidget {
 public:
  ExplainedInterface(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Description) {
      const std::string name = widget()->objectName().toStdString();
      if (const Engine* engine = EngineOf(widget()); engine && HasExplanation(name)) {
        return FirstThen(Explain(*engine, name), ReadAfter(name));
      }
    }
    // Named by what it shows until the window names it.
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      if (const auto* label = qobject_cast<const QLabel*>(widget())) return label->text();
      if (const auto* button = qobject_cast<const QAbstractButton*>(widget())) return button->text();
    }
    return QAccessibleWidget::text(t);
  }

 protected:
  // What is read after the explanation: nothing, but for a tick box.
  virtual std::string_view ReadAfter(const std::string&) const { return {}; }
};

// A tick box as an accessibility client sees it. Its Toggle and Press
// actions are a click: the box asks the engine, which ticks it or not, so
// voice control and switch access go through the same rules as the mouse.
// (The toolkit's own check box interface would tick the box directly, and
// the window would show a tick the sheet does not hold.)
class SheetBoxInterface : public ExplainedInterface {
 public:
  explicit SheetBoxInterface(SheetBox* box) : ExplainedInterface(box, QAccessible::CheckBox) {}

  // The rule text of its caption, after what a click would do.
  std::string_view ReadAfter(const std::string& name) const override { return HelpFor(CaptionOf(name)); }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = box()->isChecked();
    return state;
  }

  QStringList actionNames() const override {
    QStringList names;
    if (widget()->isEnabled()) names << toggleAction() << pressAction();
    return names + QAccessibleWidget::actionNames();
  }

  void doAction(const QString& action) override {
    if (action == toggleAction() || action == pressAction()) {
      box()->click();  // a disabled box ignores it, as it ignores the mouse
      return;
    }
    QAccessibleWidget::doAction(action);
  }

  QStringList keyBindingsForAction(const QString& action) const override {
    if (action == toggleAction() || action == pressAction()) return {QStringLiteral("Space")};
    return QAccessibleWidget::keyBindingsForAction(action);
  }

 private:
  SheetBox* box() const { return static_cast<SheetBox*>(widget()); }
};

// A statistic's "+" or "-": pressed as a click is, described by what the
// press would change or why it would change nothing.
class SheetButtonInterface : public ExplainedInterface {
 public:
  explicit SheetButtonInterface(SheetButton* button) : ExplainedInterface(button, QAccessible::Button) {}

  QStringList actionNames() const override {
    QStringList names;
    if (widget()->isEnabled()) names << pressAction();
    return names + QAccessibleWidget::actionNames();
  }

  void doAction(const QString& action) override {
    if (action == pressAction()) {
      static_cast<SheetButton*>(widget())->click();
      return;
    }
    QAccessibleWidget::doAction(action);
  }

  QStringList keyBindingsForAction(const QString& action) const override {
    if (action == pressAction()) return {QStringLiteral("Space")};
    return QAccessibleWidget::keyBindingsForAction(action);
  }
};

}  // namespace

// What a screen reader is asked to say at once. Qt reports a change of name
// or description without the new text, which a screen reader cannot speak;
// what it does speak, wherever the focus is, is a notification coming into
// view. So the words name an unseen notification, which is then reported as
// shown.
class Announcement : public QWidget {
  Q_OBJECT
 public:
  explicit Announcement(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("announcement"));
    setFocusPolicy(Qt::NoFocus);
    hide();
  }

  void Say(const QString& words) {
    if (words.isEmpty()) return;
    setAccessibleName(words);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    emit said(words);
  }

 signals:
  // After the words have gone out to the listening clients.
  void said(const QString& words);
};

namespace {

// The window's own kinds of widget, each asked for by its own class name
// (asked for every widget the first time a client or an event needs it, so
// the name is compared before anything else).
QAccessibleInterface* WindowInterfaces(const QString& className, QObject* object) {
  if (className == QLatin1String(SheetBox::staticMetaObject.className())) {
    if (auto* box = qobject_cast<SheetBox*>(object)) return new SheetBoxInterface(box);
  }
  if (className == QLatin1String(SheetButton::staticMetaObject.className())) {
    // About explains itself too; its text names it.
    if (auto* button = qobject_cast<SheetButton*>(object)) return new SheetButtonInterface(button);
  }
  // The values, the statistics and "Char Points" explain themselves; the
  // other labels that react to nothing keep the description they are given.
  if (className == QLatin1String(SheetLabel::staticMetaObject.className())) {
    if (auto* label = qobject_cast<SheetLabel*>(object)) return new ExplainedInterface(label, QAccessible::StaticText);
  }
  // An announcement and an explanation asked for with Shift+F1 are said as
  // they show.
  if (className == QLatin1String(Announcement::staticMetaObject.className()) ||
      className == QLatin1String(ExplanationBalloon::staticMetaObject.className())) {
    if (auto* widget = qobject_cast<QWidget*>(object)) return new QAccessibleWidget(widget, QAccessible::Notification);
  }
  return nullptr;
}

// Installed with the application, before the window exists: the window
// disables some boxes while it is built, which already asks for their
// interfaces.
void InstallWindowInterfaces() { QAccessible::installFactory(&WindowInterfaces); }
Q_COREAPP_STARTUP_FUNCTION(InstallWindowInterfaces)

// The window shows the statistics by abbreviation; a listener hears them
// spelled out.
QString StatName(Stat stat) { return Q(kStats[Index(stat)].name); }

// An unchanged name or description is not set again: each change is an
// event for every listening client.
void SetName(QWidget* widget, const QString& name) {
  if (widget && widget->accessibleName() != name) widget->setAccessibleName(name);
}

void SetDescription(QWidget* widget, const QString& description) {
  if (widget && widget->accessibleDescription() != description) widget->setAccessibleDescription(description);
}

QString CaptionText(const SheetView& window, std::string_view control) {
  const auto* caption = qobject_cast<const QLabel*>(window.Control(CaptionOf(control)));
  return caption ? caption->text() : QString();
}

// A statistic's "+" or "-" and the value field beside it.
struct ButtonSpeech {
  StatButton button;
  QPushButton* widget;
  QLabel* value;
};

// A tick box, its caption and its rule text; a tag box also its skill's
// value field.
struct BoxSpeech {
  Box box;
  QWidget* widget;
  QWidget* caption;
  QString captionText;
  std::string_view rule;
  QLabel* value;  // nullptr for a trait box
};

// A value field and what it is called when its value is read out.
struct ValueName {
  QLabel* label;
  QString caption;
};

// Everything a screen reader says for the window. It sets nothing until a
// client listens (a window nobody listens to starts without the cost of a
// name for every widget), then brings the names up to date after every
// event, and says at once what an action has just put on the screen.
class Speech : public QObject, public QAccessible::ActivationObserver {
 public:
  explicit Speech(SheetView& window) : QObject(&window), window_(window) {
    QAccessible::installActivationObserver(this);
    if (QAccessible::isActive()) Listen();
  }
  ~Speech() override { QAccessible::removeActivationObserver(this); }

  void accessibilityActiveChanged(bool active) override {
    if (active) Listen();
    else listening_ = false;
  }

  void SheetShown() {
    if (listening_) Refresh();
  }

  // A press of "+" or "-" is answered with the button's new name, or with
  // why it changed nothing; a caption, the counter `tags`, About, a copy, a
  // paste and a check of the character have the text they put in the
  // panel said, whole.
  void Acted(const Action& action, const Outcome& outcome) {
    if (!listening_) return;
    if (action.kind == Action::Kind::CopyCharacter || action.kind == Action::Kind::PasteCharacter ||
        action.kind == Action::Kind::CheckCharacter) {
      SayInformation();
      return;
    }
    if (action.kind != Action::Kind::Click) return;
    const auto control = FindControl(action.text);
    if (!control) return;
    if (control->kind == ControlKind::Caption) SayInformation();
    if (control->kind != ControlKind::StatButton) return;
    // The buttons are held in the order of kStatButtons.
    const ButtonSpeech& pressed = buttons_[control->index];
    const bool moved = outcome.Changed(FieldOf(pressed.button.stat));
    announcement_->Say(moved ? pressed.widget->accessibleName() : Q(ButtonReason(window_.sheet(), pressed.button)));
  }

 private:
  void SayInformation() { announcement_->Say(Q(window_.sheet().Text(Field::info))); }

  void Listen() {
    if (!announcement_) Prepare();
    listening_ = true;
    Refresh();
  }

  // Once, when a client first listens: the names that never change, the
  // lists walked after every event, and what is said at once.
  void Prepare() {
    announcement_ = new Announcement(&window_);
    SetName(&window_.OwnControl("Command1"), QStringLiteral("About"));
    SetName(&window_.OwnControl("Name"), QStringLiteral("Character name"));
    SetName(&window_.OwnControl("extra"), QStringLiteral("Extra"));
    auto& race = window_.OwnControl<QComboBox>("race");
    SetName(&race, QStringLiteral("Race"));
    SetName(race.lineEdit(), QStringLiteral("Race"));
    // Some desktops name a drop-down by its text and look for its name in a
    // label that belongs to it; the window shows none, so an unseen one says
    // what the box is.
    auto* label = new QLabel(QStringLiteral("Race"), race.parentWidget());
    label->setObjectName(QStringLiteral("raceLabel"));
    label->setBuddy(&race);
    label->hide();

    for (const StatButton& b : kStatButtons) {
      buttons_.push_back(
          {b, &window_.OwnControl<QPushButton>(b.name), &window_.OwnControl<QLabel>(NameOf(FieldOf(b.stat)))});
      // The statistic abbreviations say the statistic.
      if (b.step > 0) SetName(&window_.OwnControl(CaptionOf(b.name)), StatName(b.stat));
    }

    for (std::size_t i = 0; i < kBoxCount; ++i) {
      const auto box = static_cast<Box>(i);
      const std::string_view name = NameOf(box);
      QLabel* value = IsTagBox(box) ? &window_.OwnControl<QLabel>(NameOf(ValueField(SkillOf(box)))) : nullptr;
      boxes_.push_back({box, &window_.OwnControl(name), &window_.OwnControl(CaptionOf(name)),
                        CaptionText(window_, name), HelpFor(CaptionOf(name)), value});
    }

    for (const LabelPlace& p : LabelPlaces()) {
      if (p.look == Look::Panel) continue;  // named by the text it shows
      QWidget* w = &window_.OwnControl(p.name);
      // A caption's rule text is there to be read; a box's caption follows
      // its box's reason too, so it is described after every event.
      if (!FindBox(p.names) && !HelpFor(p.name).empty()) SetDescription(w, Q(HelpFor(p.name)));
      const auto field = FindField(p.name);
      if (auto* label = qobject_cast<QLabel*>(w); label && field)
        values_.push_back({label, ValueCaption(*field, p.name)});
    }
  }

  void Refresh() {
    const Sheet& sheet = window_.sheet();
    for (const ButtonSpeech& b : buttons_) {
      const QString side = b.button.step > 0 ? QStringLiteral(", plus") : QStringLiteral(", minus");
      SetName(b.widget, StatName(b.button.stat) + QLatin1Char(' ') + b.value->text() + side);
    }
    // A box's own description is made when asked for; its caption keeps
    // the reason before the rule text.
    for (const BoxSpeech& b : boxes_) {
      SetName(b.widget,
              b.value ? b.captionText + QLatin1Char(' ') + b.value->text() + QStringLiteral(", tag") : b.captionText);
      SetDescription(b.caption, FirstThen(DisabledReason(sheet, b.box), b.rule));
    }
    DescribeTheRaceBox();
    for (const ValueName& v : values_) SetName(v.label, v.caption + QStringLiteral(": ") + v.label->text());
    const QString panel = Q(sheet.Text(Field::info));
    SetName(window_.Control("info"), panel.isEmpty() ? QStringLiteral("Information") : panel);
  }

  // The race box describes the race picked, or the truth about a typed
  // race text; a picked race's facts are made again only when it changes.
  void DescribeTheRaceBox() {
    const bool picked = window_.RaceTextIsPicked();
    const std::string& race = window_.sheet().Text(Field::race);
    if (picked && raceDescribed_ == race) return;
    raceDescribed_ = picked ? race : std::string();
    SetDescription(window_.Control("race"), Q(Explain(window_.engine(), "race")));
  }

  QString ValueCaption(Field field, std::string_view name) const {
    for (const StatInfo& stat : kStats) {
      if (stat.field == field) return StatName(stat.stat);
    }
    return CaptionText(window_, name);
  }

  SheetView& window_;
  bool listening_ = false;
  Announcement* announcement_ = nullptr;  // made when a client first listens
  std::vector<ButtonSpeech> buttons_;
  std::vector<BoxSpeech> boxes_;
  std::vector<ValueName> values_;
  std::string raceDescribed_;  // the picked race the race box describes, "" while typed
};

}  // namespace

void AddAccessibleNames(SheetView& window) {
  auto* speech = new Speech(window);
  QObject::connect(&window, &SheetView::sheetShown, speech, [speech] { speech->SheetShown(); });
  QObject::connect(&window, &SheetView::acted, speech,
                   [speech](const Action& action, const Outcome& outcome) { speech->Acted(action, outcome); });
}

}  // namespace cindral

#include "accessibility.moc"
