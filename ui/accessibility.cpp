#include "accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <array>
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

// The window a control stands in; nullptr before the window is whole.
const SheetView* ViewOf(const QWidget* widget) { return qobject_cast<const SheetView*>(widget->window()); }

// The window shows the statistics by abbreviation; a listener hears them
// spelled out.
QString StatName(const StatInfo& stat) { return Q(stat.name); }

QString CaptionText(const SheetView& window, std::string_view control) {
  const auto* caption = qobject_cast<const QLabel*>(window.Control(CaptionOf(control)));
  return caption ? caption->text() : QString();
}

// What a control is called, with the value beside it as the sheet holds it
// now: "Strength 6, plus", "Small Guns 25%, tag", "Bruiser", "Hit Points:
// 30", the statistic "Strength". "" for a control that is named by the
// text it shows itself.
QString SpokenName(const SheetView& window, std::string_view control) {
  const Sheet& sheet = window.sheet();
  for (const StatInfo& stat : kStats) {
    const QString value = Q(sheet.Text(stat.field));
    if (control == stat.plus) return StatName(stat) + QLatin1Char(' ') + value + QStringLiteral(", plus");
    if (control == stat.minus) return StatName(stat) + QLatin1Char(' ') + value + QStringLiteral(", minus");
    if (control == stat.captionLabel) return StatName(stat);
    if (control == NameOf(stat.field)) return StatName(stat) + QStringLiteral(": ") + value;
  }
  if (const auto box = FindBox(control)) {
    if (!IsTagBox(*box)) return CaptionText(window, control);
    return CaptionText(window, control) + QLatin1Char(' ') + Q(sheet.Text(ValueField(SkillOf(*box)))) +
           QStringLiteral(", tag");
  }
  if (const auto field = FindField(control))
    return CaptionText(window, control) + QStringLiteral(": ") + Q(sheet.Text(*field));
  return {};
}

// A text to read after the explanation that comes first: a box's rule text
// after what a click would change or why it cannot be clicked.
QString FirstThen(const std::string& first, std::string_view then) {
  if (first.empty()) return Q(then);
  if (then.empty()) return Q(first);
  return Q(first) + QStringLiteral(". ") + Q(then);
}

// A control whose name and description are made when a client asks for
// them, from the sheet as it stands: its name with the value beside it, its
// explanation (a value's breakdown, what a press or a tick would change, a
// statistic against its limits). Nothing is made while nobody asks.
class ExplainedInterface : public QAccessibleWidget {
 public:
  ExplainedInterface(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

  QString text(QAccessible::Text t) const override {
    const SheetView* view = ViewOf(widget());
    const std::string name = widget()->objectName().toStdString();
    if (t == QAccessible::Description && view && HasExplanation(name)) {
      return Spoken(FirstThen(Explain(view->engine(), name), ReadAfter(name)));
    }
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      if (QString spoken = view ? SpokenName(*view, name) : QString(); !spoken.isEmpty()) return spoken;
      // Named by what it shows.
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
    setAccessibleName(Spoken(words));
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    emit said(accessibleName());
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
  // other labels keep the description they are given. The counter `tags`
  // and every label with a value are named with it.
  if (className == QLatin1String(SheetLabel::staticMetaObject.className()) ||
      className == QLatin1String(ClickLabel::staticMetaObject.className())) {
    if (auto* label = qobject_cast<QLabel*>(object)) return new ExplainedInterface(label, QAccessible::StaticText);
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

// An unchanged description is not set again: each change is an event for
// every listening client.
void SetDescription(QWidget* widget, const QString& description) {
  if (widget && widget->accessibleDescription() != description) widget->setAccessibleDescription(description);
}

// A client that holds a name it asked for before hears that it changed, and
// asks again. (Qt 6.4 sends no text with it, which Orca 43 does not speak:
// what must be said at once is an announcement.)
void TellNameChanged(QWidget* widget) {
  QAccessibleEvent changed(widget, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&changed);
}

// A tick box's caption: described by why its box cannot be ticked, if it
// cannot, and then by its rule text.
struct CaptionSpeech {
  Box box;
  QWidget* caption;
  std::string_view rule;
};

// Everything a screen reader says for the window beyond the names and
// descriptions that are made when asked for. It does nothing until a
// client listens; then it tells the client which names have changed after
// every event, keeps the descriptions of the box captions and the race box
// current, and says at once what an action has just put on the screen.
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

  void SheetShown(const ShownFields& changed) {
    if (!listening_) return;
    for (std::size_t f = 0; f < kFieldCount; ++f) {
      if (changed.test(f)) {
        for (QWidget* w : namedBy_[f]) TellNameChanged(w);
      }
    }
    Describe();
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
    const StatButton& pressed = kStatButtons[control->index];
    const bool moved = outcome.Changed(FieldOf(pressed.stat));
    announcement_->Say(moved ? SpokenName(window_, pressed.name) : Q(ButtonReason(window_.sheet(), pressed)));
  }

 private:
  void SayInformation() { announcement_->Say(Q(window_.sheet().Text(Field::info))); }

  void Listen() {
    if (!announcement_) Prepare();
    listening_ = true;
    Describe();
  }

  // Once, when a client first listens: the names that never change, the
  // rule texts, which controls each field names, and what is said at once.
  void Prepare() {
    announcement_ = new Announcement(&window_);
    window_.OwnControl("Name").setAccessibleName(QStringLiteral("Character name"));
    window_.OwnControl("extra").setAccessibleName(QStringLiteral("Extra"));
    auto& race = window_.OwnControl<QComboBox>("race");
    race.setAccessibleName(QStringLiteral("Race"));
    race.lineEdit()->setAccessibleName(QStringLiteral("Race"));
    // Some desktops name a drop-down by its text and look for its name in a
    // label that belongs to it; the window shows none, so an unseen one says
    // what the box is.
    auto* label = new QLabel(QStringLiteral("Race"), race.parentWidget());
    label->setObjectName(QStringLiteral("raceLabel"));
    label->setBuddy(&race);
    label->hide();

    // The controls whose names say each field: its value field, and a
    // statistic's "+" and "-" or a skill's tag box.
    for (const LabelPlace& p : LabelPlaces()) {
      if (const auto field = FindField(p.name)) namedBy_[Index(*field)].push_back(&window_.OwnControl(p.name));
    }
    for (const StatButton& b : kStatButtons) namedBy_[Index(FieldOf(b.stat))].push_back(&window_.OwnControl(b.name));
    for (const SkillInfo& skill : kSkills) {
      namedBy_[Index(skill.value)].push_back(&window_.OwnControl(NameOf(skill.box)));
    }

    // A caption's rule text is there to be read; a box's caption follows
    // its box's reason too, so it is described after every event.
    for (const LabelPlace& p : LabelPlaces()) {
      const std::string_view rule = HelpFor(p.name);
      if (const auto box = FindBox(p.names)) {
        boxCaptions_.push_back({*box, &window_.OwnControl(p.name), rule});
      } else if (!rule.empty()) {
        SetDescription(&window_.OwnControl(p.name), Q(rule));
      }
    }
  }

  void Describe() {
    const Sheet& sheet = window_.sheet();
    for (const CaptionSpeech& c : boxCaptions_)
      SetDescription(c.caption, FirstThen(DisabledReason(sheet, c.box), c.rule));
    DescribeTheRaceBox();
  }

  // The race box describes the race picked, or the truth about a typed
  // race text; a picked race's facts are made again only when it changes.
  void DescribeTheRaceBox() {
    const bool picked = window_.RaceTextIsPicked();
    const std::string& race = window_.sheet().Text(Field::race);
    if (picked && raceDescribed_ == race) return;
    raceDescribed_ = picked ? race : std::string();
    SetDescription(window_.Control("race"), Spoken(Q(Explain(window_.engine(), "race"))));
  }

  SheetView& window_;
  bool listening_ = false;
  Announcement* announcement_ = nullptr;                    // made when a client first listens
  std::array<std::vector<QWidget*>, kFieldCount> namedBy_;  // the controls whose names say each field
  std::vector<CaptionSpeech> boxCaptions_;
  std::string raceDescribed_;  // the picked race the race box describes, "" while typed
};

}  // namespace

void AddAccessibleNames(SheetView& window) {
  auto* speech = new Speech(window);
  QObject::connect(&window, &SheetView::sheetShown, speech,
                   [speech](const ShownFields& changed) { speech->SheetShown(changed); });
  QObject::connect(&window, &SheetView::acted, speech,
                   [speech](const Action& action, const Outcome& outcome) { speech->Acted(action, outcome); });
}

}  // namespace cindral

#include "accessibility.moc"
