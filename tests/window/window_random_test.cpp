// Long seeded sequences of player events played through the real window:
// clicks on the real widgets (enabled or not, reacting or not), picks from
// the race list's popup, and texts typed key by key into the race text and
// the name box. After every event every widget must show what the sheet
// holds, and the sheet must be the one a separate engine reaches from the
// same events: the window may neither show stale values nor send the engine
// anything the player did not do.
//
// CINDRAL_SEED and CINDRAL_EVENTS in the environment change the seed and
// the number of events.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "character_window.h"
#include "event_generator.h"

using cindral::CharacterWindow;
using cindral::test::Event;

namespace {

// Long typed texts are cut to this many characters: every key runs the
// window's handling once, and a few hundred keys are enough to reach the
// race box's and the name box's handling of long texts.
constexpr qsizetype kMaxTypedLength = 300;

std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
  bool ok = false;
  const qulonglong value = qEnvironmentVariable(name).toULongLong(&ok, 0);
  return ok ? value : fallback;
}

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// What the keyboard can type of a text: bytes that are not UTF-8 arrive as
// the replacement character, control characters (Tab, NUL) are keys that do
// not type, and the text is cut to its first few hundred characters.
QString Typeable(std::string_view text) {
  QString typed;
  for (const QChar c : Q(text)) {
    if (typed.size() == kMaxTypedLength) break;
    if (c.isPrint() && !c.isSurrogate()) typed += c;
  }
  return typed;
}

}  // namespace

class WindowRandomTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<CharacterWindow> window_;
  std::unique_ptr<cindral::Engine> expected_;  // the same events, sent straight to an engine

  // Plays one event on the window and the same on the expected engine.
  // Returns an empty string, or what went wrong.
  QString Play(const Event& event) {
    switch (event.kind) {
      case Event::Kind::Click: return PlayClick(event.text);
      case Event::Kind::PickRace: return PlayPick(Q(event.text));
      case Event::Kind::TypeRace: {
        const QString typed = Typeable(event.text);
        TypeInto(window_->findChild<QComboBox*>(QStringLiteral("race"))->lineEdit(), typed);
        expected_->TypeRace(typed.toStdString());
        return {};
      }
      case Event::Kind::TypeName: {
        const QString typed = Typeable(event.text);
        TypeInto(window_->findChild<QLineEdit*>(QStringLiteral("Name")), typed);
        expected_->TypeName(typed.toStdString());
        return {};
      }
    }
    return {};
  }

  QString PlayClick(const std::string& name) {
    // A name the window has no widget for is a click nobody can make.
    QWidget* w = name.empty() ? nullptr : window_->findChild<QWidget*>(Q(name));
    if (!w) return {};
    // A disabled widget does not take the click; a player cannot make it.
    const bool reachable = w->isEnabled() && w->isVisible();
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() / 2, w->height() / 2));
    if (reachable) expected_->Click(name);
    return {};
  }

  QString PlayPick(const QString& race) {
    auto* combo = window_->findChild<QComboBox*>(QStringLiteral("race"));
    const int row = combo->findText(race, Qt::MatchExactly);
    if (row < 0) return QStringLiteral("the race list has no entry \"%1\"").arg(race);
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    const QRect r = view->visualRect(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    if (!QTest::qWaitFor([view] { return !view->isVisible(); }, 2000)) {
      return QStringLiteral("the race list stayed open after a click on \"%1\"").arg(race);
    }
    expected_->PickRace(race.toStdString());
    return {};
  }

  // Replaces the box's text key by key, as a player selects it and types.
  static void TypeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty()) {
      QTest::keyClick(edit, Qt::Key_Backspace);
      return;
    }
    for (const QChar c : text) {
      if (c.unicode() < 0x80) {
        QTest::keyClick(edit, c.toLatin1());
      } else {
        // A key of a keyboard layout beyond ASCII: no key code, only its text.
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
      }
    }
  }

  // Every widget against the sheet it mirrors, then that sheet against the
  // expected one. Returns the differences found, or an empty string.
  QString Mismatches() const {
    const cindral::Sheet& sheet = window_->engine().sheet();
    QStringList wrong;
    for (std::size_t i = 0; i < cindral::kFieldCount; ++i) {
      const auto field = static_cast<cindral::Field>(i);
      const QString name = Q(cindral::NameOf(field));
      const QString want = Q(sheet.Text(field));
      QString shown;
      if (field == cindral::Field::race) {
        shown = window_->findChild<QComboBox*>(name)->currentText();
      } else if (field == cindral::Field::Name) {
        shown = window_->findChild<QLineEdit*>(name)->text();
      } else if (field == cindral::Field::extra) {
        shown = window_->findChild<QPlainTextEdit*>(name)->toPlainText();
      } else if (const auto* label = window_->findChild<QLabel*>(name)) {
        shown = label->text();
      } else {
        wrong << QStringLiteral("no label named %1").arg(name);
        continue;
      }
      if (shown != want) wrong << QStringLiteral("%1 shows \"%2\", the sheet holds \"%3\"").arg(name, shown, want);
      if (sheet.Text(field) != expected_->sheet().Text(field)) {
        wrong << QStringLiteral("%1 holds \"%2\", the same events give \"%3\"")
                     .arg(name, want, Q(expected_->sheet().Text(field)));
      }
    }
    for (std::size_t i = 0; i < cindral::kBoxCount; ++i) {
      const auto box = static_cast<cindral::Box>(i);
      const QString name = Q(cindral::NameOf(box));
      const auto* widget = window_->findChild<QCheckBox*>(name);
      if (!widget) {
        wrong << QStringLiteral("no box named %1").arg(name);
        continue;
      }
      if (widget->isChecked() != (sheet.State(box) == 1)) {
        wrong << QStringLiteral("%1 is %2ticked, its state is %3")
                     .arg(name, widget->isChecked() ? QString() : QStringLiteral("not "))
                     .arg(sheet.State(box));
      }
      if (widget->isEnabled() != sheet.Enabled(box)) {
        wrong << QStringLiteral("%1 is %2enabled on screen, not in the sheet")
                     .arg(name, widget->isEnabled() ? QString() : QStringLiteral("not "));
      }
      if (sheet.State(box) != expected_->sheet().State(box) || sheet.Enabled(box) != expected_->sheet().Enabled(box)) {
        wrong << QStringLiteral("%1 is %2/%3, the same events give %4/%5")
                     .arg(name)
                     .arg(sheet.State(box))
                     .arg(sheet.Enabled(box))
                     .arg(expected_->sheet().State(box))
                     .arg(expected_->sheet().Enabled(box));
      }
    }
    return wrong.join(QLatin1Char('\n'));
  }

  static void Report(std::uint64_t seed, std::size_t index, const std::vector<Event>& events, const QString& what) {
    qWarning().noquote() << QStringLiteral("seed %1, event %2 of the list below (%3):\n%4")
                                .arg(seed)
                                .arg(index)
                                .arg(Q(cindral::test::ToCpp(events[index])), what);
    qWarning().noquote() << Q(cindral::test::ToCpp(events));
  }

 private slots:
  void init() {
    window_ = std::make_unique<CharacterWindow>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    expected_ = std::make_unique<cindral::Engine>();
    expected_->Start();
  }
  void cleanup() {
    window_.reset();
    expected_.reset();
  }

  void everyWidgetShowsTheSheetAfterEveryEvent() {
    const std::uint64_t seed = EnvNumber("CINDRAL_SEED", 20261207);
    const std::size_t count = EnvNumber("CINDRAL_EVENTS", 3000);

    QCOMPARE(Mismatches(), QString());

    cindral::test::SeededChoices choices(seed);
    cindral::test::EventGenerator generator(choices);
    std::vector<Event> events;
    events.reserve(count);
    std::size_t clicks = 0, picks = 0, typed = 0;
    for (std::size_t i = 0; i < count; ++i) {
      events.push_back(generator.Next());
      const Event& event = events.back();
      clicks += event.kind == Event::Kind::Click;
      picks += event.kind == Event::Kind::PickRace;
      typed += event.kind == Event::Kind::TypeRace || event.kind == Event::Kind::TypeName;
      QString wrong = Play(event);
      if (wrong.isEmpty()) wrong = Mismatches();
      if (!wrong.isEmpty()) {
        Report(seed, i, events, wrong);
        QFAIL(qPrintable(QStringLiteral("seed %1: the window went wrong at event %2").arg(seed).arg(i)));
      }
    }
    qInfo("seed %llu: %zu events (%zu clicks, %zu picks, %zu typed texts)", static_cast<unsigned long long>(seed),
          count, clicks, picks, typed);
    // The list must have reached the rare parts of the window, or it
    // proves little.
    QVERIFY(picks > 0);
    QVERIFY(typed > 0);
  }

  // The typed texts the generator draws from, each typed into the race box
  // and the name box of a fresh window: wrong case, empty, not ASCII, long.
  void everyListedTypedTextShowsAsTyped() {
    std::vector<Event> events;
    for (const std::string& text : cindral::test::RaceTexts()) events.push_back(cindral::test::TypeRace(text));
    for (const std::string& text : cindral::test::NameTexts()) events.push_back(cindral::test::TypeName(text));
    events.push_back(cindral::test::Click("stplu"));
    for (std::size_t i = 0; i < events.size(); ++i) {
      QString wrong = Play(events[i]);
      if (wrong.isEmpty()) wrong = Mismatches();
      if (!wrong.isEmpty()) {
        Report(0, i, events, wrong);
        QFAIL("a typed text is not shown as the sheet holds it");
      }
    }
  }

};

QTEST_MAIN(WindowRandomTest)
#include "window_random_test.moc"
