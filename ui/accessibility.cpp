#include "accessibility.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <vector>

#include "character_window.h"
#include "desktop_support.h"
#include "help_texts.h"
#include "qt_text.h"
#include "stat_allocation.h"
#include "window_layout.h"

namespace cindral {

namespace {

// The window shows the statistics by abbreviation; a listener hears them
// spelled out.
QString StatName(Stat stat) { return Q(kStats[Index(stat)].name); }

void SetName(QWidget* widget, const QString& name) {
  // A change of name is announced; an unchanged one is not repeated.
  if (widget && widget->accessibleName() != name) widget->setAccessibleName(name);
}

QString CaptionText(const CharacterWindow& window, std::string_view control) {
  const auto* caption = qobject_cast<const QLabel*>(ControlNamed(window, CaptionOf(control)));
  return caption ? caption->text() : QString();
}

// A value field and what it is called when its value is read out.
struct ValueName {
  QLabel* label;
  QString caption;
};

class AccessibleNames : public QObject {
 public:
  explicit AccessibleNames(CharacterWindow& window) : QObject(&window), window_(window) {
    for (const StatButton& b : kStatButtons) {
      SetName(ControlNamed(window, b.name), StatName(b.stat) + (b.step > 0 ? QStringLiteral(", plus") : QStringLiteral(", minus")));
    }
    SetName(ControlNamed(window, "Command1"), QStringLiteral("About"));
    for (const ControlPlace& p : BoxPlaces()) {
      const auto box = FindBox(p.name);
      const QString caption = CaptionText(window, p.name);
      SetName(ControlNamed(window, p.name), box && IsTagBox(*box) ? caption + QStringLiteral(", tag") : caption);
    }
    if (auto* race = qobject_cast<QComboBox*>(ControlNamed(window, "race"))) {
      SetName(race, QStringLiteral("Race"));
      SetName(race->lineEdit(), QStringLiteral("Race"));
      // Some desktops name a drop-down by its text and look for its name in
      // a label that belongs to it; the window shows none, so an unseen one
      // says what the box is.
      auto* label = new QLabel(QStringLiteral("Race"), race->parentWidget());
      label->setObjectName(QStringLiteral("raceLabel"));
      label->setBuddy(race);
      label->hide();
    }
    SetName(ControlNamed(window, "Name"), QStringLiteral("Character name"));
    SetName(ControlNamed(window, "extra"), QStringLiteral("Extra"));
    SetName(ControlNamed(window, "info"), QStringLiteral("Information"));

    for (const LabelPlace& p : LabelPlaces()) {
      if (p.look == Look::Panel) continue;  // named above, described by its text
      QWidget* w = ControlNamed(window, p.name);
      const auto field = FindField(p.name);
      if (!w || !field) {
        // A caption: its rule text, where it has one, is there to be read.
        if (w && !HelpFor(p.name).empty()) w->setAccessibleDescription(Q(HelpFor(p.name)));
        continue;
      }
      if (auto* label = qobject_cast<QLabel*>(w)) values_.push_back({label, ValueCaption(*field, p.name)});
    }
    // The statistic abbreviations say the statistic.
    for (const StatButton& b : kStatButtons) {
      if (b.step > 0) SetName(ControlNamed(window, CaptionOf(b.name)), StatName(b.stat));
    }
    Refresh();
  }

  void Refresh() {
    for (const ValueName& v : values_) SetName(v.label, v.caption + QStringLiteral(": ") + v.label->text());
    if (QWidget* info = ControlNamed(window_, "info")) {
      const QString text = Q(window_.engine().sheet().Text(Field::info));
      if (info->accessibleDescription() != text) info->setAccessibleDescription(text);
    }
  }

 private:
  QString ValueCaption(Field field, std::string_view name) const {
    for (const StatInfo& stat : kStats) {
      if (stat.field == field) return StatName(stat.stat);
    }
    return CaptionText(window_, name);
  }

  CharacterWindow& window_;
  std::vector<ValueName> values_;
};

}  // namespace

void AddAccessibleNames(CharacterWindow& window) {
  auto* names = new AccessibleNames(window);
  QObject::connect(&window, &CharacterWindow::sheetShown, names, [names] { names->Refresh(); });
}

}  // namespace cindral
