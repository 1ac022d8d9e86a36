// Long seeded sequences of player events played through the real window:
// clicks on the real widgets (enabled or not, reacting or not), picks from
// the race list's popup, and texts typed key by key into the race text and
// the name box. After every event every widget must show what the sheet
// holds, and the sheet must be the one a separate engine reaches from the
// same events: the window may neither show stale values nor send the engine
// anything the player did not do.
//
// The same events with undo and redo pressed in between: every widget must
// still show the sheet, every state an undo or a redo reaches must be one
// the player saw before, and taking everything back must reach the start.
// A thousand presses in a row, a race text of ten thousand characters and
// undo across race picks get tests of their own.
//
// CINDRAL_SEED and CINDRAL_EVENTS in the environment change the seed and
// the number of events.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "character_window.h"
#include "event_generator.h"

using cindral::Action;
using cindral::CharacterWindow;

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

// Everything a step can change, as one string: every field but the panel,
// every box's tick and enabled flag, the races the recomputations read, and
// the race picked last.
std::string StepState(const cindral::Engine& engine) {
  std::string state;
  const cindral::Sheet& sheet = engine.sheet();
  for (std::size_t f = 0; f < cindral::kFieldCount; ++f) {
    if (static_cast<cindral::Field>(f) == cindral::Field::info) continue;
    state += sheet.Text(static_cast<cindral::Field>(f));
    state += '\0';
  }
  for (std::size_t b = 0; b < cindral::kBoxCount; ++b) {
    const auto box = static_cast<cindral::Box>(b);
    state += static_cast<char>('0' + sheet.State(box) + 2 * sheet.Enabled(box));
  }
  const cindral::RacesRead& read = engine.LastRacesRead();
  state += static_cast<char>(read.secondaryStats ? '0' + cindral::Index(*read.secondaryStats) : '-');
  state += static_cast<char>(read.traitBoxes ? '0' + cindral::Index(*read.traitBoxes) : '-');
  return state + engine.LastPick();
}

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
  QString Play(const Action& event) {
    switch (event.kind) {
      case Action::Kind::Click: return PlayClick(event.text);
      case Action::Kind::PickRace: return PlayPick(Q(event.text));
      case Action::Kind::TypeRace: {
        const QString typed = Typeable(event.text);
        TypeInto(window_->findChild<QComboBox*>(QStringLiteral("race"))->lineEdit(), typed);
        expected_->TypeRace(typed.toStdString());
        return {};
      }
      case Action::Kind::TypeName: {
        const QString typed = Typeable(event.text);
        TypeInto(window_->findChild<QLineEdit*>(QStringLiteral("Name")), typed);
        expected_->TypeName(typed.toStdString());
        return {};
      }
      default: return QStringLiteral("the generator makes no such event");
    }
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
  QString Mismatches() const { return WidgetMismatches(true); }

  // Every widget against the sheet it mirrors, and with `againstExpected`
  // that sheet against the expected engine's.
  QString WidgetMismatches(bool againstExpected = false) const {
    const cindral::Sheet& sheet = window_->engine().sheet();
    QStringList wrong;
    const auto* race = window_->findChild<cindral::RaceBox*>(QStringLiteral("race"));
    if (const bool picked = window_->engine().RaceTextIsPicked(); race->showsPicked() != picked) {
      wrong << QStringLiteral("the race box looks %1, the race text is %2")
                   .arg(race->showsPicked() ? QStringLiteral("picked") : QStringLiteral("typed"),
                        picked ? QStringLiteral("the race picked") : QStringLiteral("typed"));
    }
    for (std::size_t i = 0; i < cindral::kFieldCount; ++i) {
      const auto field = static_cast<cindral::Field>(i);
      const QString name = Q(cindral::NameOf(field));
      const QString want = Q(sheet.Text(field));
      QString shown;
      if (field == cindral::Field::race) {
        shown = window_->findChild<QComboBox*>(name)->currentText();
      } else if (field == cindral::Field::Name) {
        shown = window_->findChild<QLineEdit*>(name)->text();
      } else if (field == cindral::Field::extra || field == cindral::Field::info) {
        shown = window_->findChild<QPlainTextEdit*>(name)->toPlainText();
      } else if (const auto* label = window_->findChild<QLabel*>(name)) {
        shown = label->text();
      } else {
        wrong << QStringLiteral("no label named %1").arg(name);
        continue;
      }
      if (shown != want) wrong << QStringLiteral("%1 shows \"%2\", the sheet holds \"%3\"").arg(name, shown, want);
      if (againstExpected && sheet.Text(field) != expected_->sheet().Text(field)) {
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
      if (const auto& other = expected_->sheet();
          againstExpected && (sheet.State(box) != other.State(box) || sheet.Enabled(box) != other.Enabled(box))) {
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

  // Ctrl+Z, Ctrl+Shift+Z or Ctrl+Y where the focus is, as the keyboard
  // sends them.
  void Press(QKeyCombination key) {
    QWidget* at = QApplication::focusWidget();
    QTest::keyClick(at ? at : window_.get(), key.key(), key.keyboardModifiers());
  }

  // Plays the list's events, skipping the check against a separate engine
  // (undo has none); fails at the first widget out of step.
  void PlayInStep(const std::vector<Action>& events) {
    for (std::size_t i = 0; i < events.size(); ++i) {
      QString wrong = Play(events[i]);
      if (wrong.isEmpty()) wrong = WidgetMismatches();
      if (!wrong.isEmpty()) {
        Report(0, i, events, wrong);
        QFAIL("a widget does not show the sheet");
      }
    }
  }

  static void Report(std::uint64_t seed, std::size_t index, const std::vector<Action>& events, const QString& what) {
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
    std::vector<Action> events;
    events.reserve(count);
    std::size_t clicks = 0, picks = 0, typed = 0;
    for (std::size_t i = 0; i < count; ++i) {
      events.push_back(generator.Next());
      const Action& event = events.back();
      clicks += event.kind == Action::Kind::Click;
      picks += event.kind == Action::Kind::PickRace;
      typed += event.kind == Action::Kind::TypeRace || event.kind == Action::Kind::TypeName;
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
    std::vector<Action> events;
    for (const std::string& text : cindral::test::RaceTexts()) events.push_back(cindral::TypeRace(text));
    for (const std::string& text : cindral::test::NameTexts()) events.push_back(cindral::TypeName(text));
    events.push_back(cindral::Click("stplu"));
    for (std::size_t i = 0; i < events.size(); ++i) {
      QString wrong = Play(events[i]);
      if (wrong.isEmpty()) wrong = Mismatches();
      if (!wrong.isEmpty()) {
        Report(0, i, events, wrong);
        QFAIL("a typed text is not shown as the sheet holds it");
      }
    }
  }

  void undoAndRedoKeepEveryWidgetInStep() {
    const std::uint64_t seed = EnvNumber("CINDRAL_SEED", 20261208);
    const std::size_t count = EnvNumber("CINDRAL_EVENTS", 600);
    const cindral::History& history = window_->history();
    const std::string start = StepState(window_->engine());
    std::unordered_set<std::string> seen{start};

    cindral::test::SeededChoices choices(seed);
    cindral::test::EventGenerator generator(choices);
    std::vector<Action> events;
    std::size_t undos = 0, redos = 0;
    for (std::size_t i = 0; i < count; ++i) {
      const std::uint32_t roll = choices.Below(100);
      QString what;
      bool back = false;
      if (roll < 15) {
        back = history.CanUndo();
        undos += back;
        Press(cindral::kUndoKey);
        what = QStringLiteral("Ctrl+Z");
      } else if (roll < 30) {
        back = history.CanRedo();
        redos += back;
        Press(roll < 23 ? cindral::kRedoKey : cindral::kRedoKeyToo);
        what = QStringLiteral("a redo key");
      } else {
        events.push_back(generator.Next());
        QString wrong = Play(events.back());
        if (!wrong.isEmpty()) QFAIL(qPrintable(wrong));
        what = Q(cindral::test::ToCpp(events.back()));
      }
      const QString wrong = WidgetMismatches();
      const std::string state = StepState(window_->engine());
      if (!wrong.isEmpty() || (back && !seen.count(state))) {
        QFAIL(qPrintable(QStringLiteral("seed %1, press or event %2 (%3): %4")
                             .arg(seed)
                             .arg(i)
                             .arg(what, wrong.isEmpty() ? QStringLiteral("a state the player never saw") : wrong)));
      }
      seen.insert(state);
    }
    qInfo("seed %llu: %zu presses and events, %zu undos, %zu redos, %zu steps kept",
          static_cast<unsigned long long>(seed), count, undos, redos, history.StepCount());
    QVERIFY(undos > 0 && redos > 0);

    // Everything taken back reaches the start, while no step has been dropped.
    const std::string end = StepState(window_->engine());
    const bool everyStepKept = history.StepCount() < cindral::History::kStepsKept;
    while (history.CanUndo()) {
      Press(cindral::kUndoKey);
      QCOMPARE(WidgetMismatches(), QString());
    }
    if (everyStepKept) QVERIFY(StepState(window_->engine()) == start);
    while (history.CanRedo()) {
      Press(cindral::kRedoKeyToo);
      QCOMPARE(WidgetMismatches(), QString());
    }
    QVERIFY(StepState(window_->engine()) == end);
  }

  // A thousand presses of each key in a row: the window follows every one,
  // the keys stop at the first and the last step, and nothing breaks.
  void aThousandPressesInARow() {
    cindral::test::SeededChoices choices(EnvNumber("CINDRAL_SEED", 20261209));
    cindral::test::EventGenerator generator(choices);
    std::vector<Action> events;
    for (int i = 0; i < 80; ++i) events.push_back(generator.Next());
    const std::string start = StepState(window_->engine());
    PlayInStep(events);
    const std::string end = StepState(window_->engine());
    QVERIFY(window_->history().CanUndo());

    for (int i = 0; i < 1000; ++i) {
      Press(cindral::kUndoKey);
      const QString wrong = WidgetMismatches();
      if (!wrong.isEmpty()) QFAIL(qPrintable(QStringLiteral("undo %1: %2").arg(i).arg(wrong)));
    }
    QVERIFY(!window_->history().CanUndo());
    QVERIFY(StepState(window_->engine()) == start);
    for (int i = 0; i < 1000; ++i) {
      Press(i % 2 ? cindral::kRedoKey : cindral::kRedoKeyToo);
      const QString wrong = WidgetMismatches();
      if (!wrong.isEmpty()) QFAIL(qPrintable(QStringLiteral("redo %1: %2").arg(i).arg(wrong)));
    }
    QVERIFY(!window_->history().CanRedo());
    QVERIFY(StepState(window_->engine()) == end);
  }

  // A race text of ten thousand characters, typed into the race box, taken
  // back and again, and kept across a race pick and its undo.
  void aTenThousandCharacterRaceTextInTheHistory() {
    QLineEdit* race = window_->findChild<QComboBox*>(QStringLiteral("race"))->lineEdit();
    const QString typed = QStringLiteral("Gray Deathclaw ").repeated(666) + QStringLiteral("Dogs here!");
    QCOMPARE(typed.size(), 10000);
    PlayInStep({cindral::Click("stplu"), cindral::Click("smallguns")});
    race->setFocus(Qt::TabFocusReason);
    race->selectAll();
    QTest::keyClicks(race, typed);
    QCOMPARE(race->text(), typed);
    QCOMPARE(WidgetMismatches(), QString());

    Press(cindral::kUndoKey);  // the whole run of typing is one step
    QCOMPARE(race->text(), QStringLiteral("Human"));
    QCOMPARE(WidgetMismatches(), QString());
    QCOMPARE(window_->engine().sheet().Text(cindral::Field::st), "6");
    Press(cindral::kRedoKey);
    QCOMPARE(race->text(), typed);
    QCOMPARE(WidgetMismatches(), QString());

    PlayInStep({cindral::PickRace("Dog")});
    QCOMPARE(WidgetMismatches(), QString());
    Press(cindral::kUndoKey);
    QCOMPARE(race->text(), typed);
    QCOMPARE(WidgetMismatches(), QString());
    QCOMPARE(window_->engine().sheet().Text(cindral::Field::st), "6");
    QCOMPARE(window_->engine().sheet().Text(cindral::Field::tags), "2");
    Press(cindral::kUndoKey);
    Press(cindral::kUndoKey);
    QCOMPARE(window_->engine().sheet().Text(cindral::Field::tags), "3");
    QCOMPARE(WidgetMismatches(), QString());
    for (int i = 0; i < 4; ++i) Press(cindral::kRedoKeyToo);
    QCOMPARE(window_->engine().sheet().Text(cindral::Field::race), "Dog");
    QCOMPARE(WidgetMismatches(), QString());
  }
};

QTEST_MAIN(WindowRandomTest)
#include "window_random_test.moc"
