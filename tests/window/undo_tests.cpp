// Taking steps back and forth in the window: the keys wherever the focus
// is, the context menu, runs of typing, a race pick taken back, and the
// focus when a box closes under it.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

#include "character_window.h"
#include "window_driver.h"

using cindral::CharacterWindow;

namespace {

// Everything a step can change: every field but the panel, every box's tick
// and enabled flag.
struct Snapshot {
  std::vector<std::string> texts;
  std::vector<std::pair<int, bool>> boxes;
  bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const cindral::Sheet& sheet) {
  Snapshot s;
  for (std::size_t f = 0; f < cindral::kFieldCount; ++f) {
    const auto field = static_cast<cindral::Field>(f);
    if (field != cindral::Field::info) s.texts.push_back(sheet.Text(field));
  }
  for (std::size_t b = 0; b < cindral::kBoxCount; ++b) {
    const auto box = static_cast<cindral::Box>(b);
    s.boxes.emplace_back(sheet.State(box), sheet.Enabled(box));
  }
  return s;
}

}  // namespace

class UndoTests : public QObject, protected cindral::test::WindowDriver {
  Q_OBJECT

 private:
  // A key where the focus is, as the keyboard sends it.
  void Press(QKeyCombination key) {
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, key.key(), key.keyboardModifiers());
  }
  void FocusOn(QWidget* w) {
    w->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(w->hasFocus() || w->isAncestorOf(QApplication::focusWidget()));
  }
  QLineEdit* RaceText() { return Find<QComboBox>("race")->lineEdit(); }
  // A right-click as the desktop delivers it, on the window at a control.
  void RightClick(const char* name) {
    QWidget* w = Find(name);
    QTest::mouseClick(window_->windowHandle(), Qt::RightButton, {}, w->mapTo(window_.get(), QPoint(3, 3)));
  }
  QMenu* OpenMenu() { return window_->findChild<QMenu*>(QStringLiteral("windowMenu")); }
  QAction* Entry(QMenu* menu, const char* name) { return menu->findChild<QAction*>(QString::fromLatin1(name)); }

 private slots:
  void init() {
    window_ = std::make_unique<CharacterWindow>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }
  void cleanup() { window_.reset(); }

  // --- Keys -------------------------------------------------------------------

  // Ctrl+Z takes back the player's steps and Ctrl+Shift+Z and Ctrl+Y take
  // them again, whatever has the focus; in the name box and the race text
  // the box's own undo does not get the keys.
  void theKeysWorkWhereverTheFocusIs_data() {
    QTest::addColumn<QString>("control");
    for (const char* name : {"bruiser", "stplu", "extra", "Command1", "Name", "race", "smallguns"}) {
      QTest::newRow(name) << name;
    }
  }
  void theKeysWorkWhereverTheFocusIs() {
    QFETCH(QString, control);
    QLineEdit* name = Find<QLineEdit>("Name");
    FocusOn(name);
    name->end(false);
    QTest::keyClicks(name, QStringLiteral("Ada"));
    Click("stplu");
    QCOMPARE(Text("Name"), "NameAda");
    QCOMPARE(Text("st"), "6");

    FocusOn(Find(control.toLatin1().constData()));
    Press(cindral::kUndoKey);
    QCOMPARE(Text("st"), "5");
    QCOMPARE(Text("chpoint"), "5");
    QCOMPARE(name->text(), QStringLiteral("NameAda"));  // not the name box's own undo
    Press(cindral::kUndoKey);
    QCOMPARE(name->text(), QStringLiteral("Name"));
    QCOMPARE(Text("Name"), "Name");
    Press(cindral::kUndoKey);  // nothing left to take back
    QCOMPARE(Text("Name"), "Name");
    QCOMPARE(Shown("st"), QStringLiteral("5"));

    Press(cindral::kRedoKey);
    QCOMPARE(name->text(), QStringLiteral("NameAda"));
    Press(cindral::kRedoKeyToo);
    QCOMPARE(Shown("st"), QStringLiteral("6"));
    QCOMPARE(Shown("hp"), QStringLiteral("31"));
    Press(cindral::kRedoKey);  // nothing left to take again
    QCOMPARE(Shown("st"), QStringLiteral("6"));
    QCOMPARE(Text("Name"), "NameAda");
  }

  // Typing is one step until the focus leaves the box: then the next key
  // starts a step of its own.
  void aRunOfTypingIsOneStepUntilTheFocusLeaves() {
    QLineEdit* race = RaceText();
    FocusOn(race);
    race->selectAll();
    QTest::keyClicks(race, QStringLiteral("El"));
    QTest::keyClicks(race, QStringLiteral("f"));
    QCOMPARE(Text("race"), "Elf");
    FocusOn(Find("smallguns"));  // leaves the race text
    FocusOn(race);
    race->end(false);
    QTest::keyClicks(race, QStringLiteral("in"));
    QCOMPARE(Text("race"), "Elfin");

    Press(cindral::kUndoKey);
    QCOMPARE(race->text(), QStringLiteral("Elf"));
    Press(cindral::kUndoKey);
    QCOMPARE(race->text(), QStringLiteral("Human"));
    QCOMPARE(Text("race"), "Human");
    Press(cindral::kRedoKey);
    Press(cindral::kRedoKey);
    QCOMPARE(race->text(), QStringLiteral("Elfin"));
  }

  // A pick from the list wipes the points, tags and traits, even a pick of
  // the race already shown; one Ctrl+Z brings all of it back.
  void undoBringsBackWhatARacePickWiped_data() {
    QTest::addColumn<QString>("race");
    QTest::newRow("another race") << "Robot";
    QTest::newRow("the race shown") << "Human";
  }
  void undoBringsBackWhatARacePickWiped() {
    QFETCH(QString, race);
    for (const char* name : {"stplu", "stplu", "agplu", "smallguns", "sneak", "finesse", "jinx"}) Click(name);
    const Snapshot built = Take(window_->engine().sheet());
    QCOMPARE(Shown("st"), QStringLiteral("7"));
    QCOMPARE(Shown("chpoint"), QStringLiteral("2"));
    QCOMPARE(Shown("traits"), QStringLiteral("0"));

    PickFromList(race);
    QCOMPARE(Shown("chpoint"), race == QStringLiteral("Robot") ? QStringLiteral("3") : QStringLiteral("5"));
    QVERIFY(!Ticked("finesse") && !Ticked("smallguns"));

    FocusOn(Find("stplu"));
    Press(cindral::kUndoKey);
    QVERIFY(Take(window_->engine().sheet()) == built);
    QCOMPARE(Find<QComboBox>("race")->currentText(), QStringLiteral("Human"));
    QCOMPARE(Shown("st"), QStringLiteral("7"));
    QCOMPARE(Shown("ag"), QStringLiteral("6"));
    QCOMPARE(Shown("chpoint"), QStringLiteral("2"));
    QCOMPARE(Shown("tags"), QStringLiteral("1"));
    QCOMPARE(Shown("traits"), QStringLiteral("0"));
    QCOMPARE(Shown("sma"), QStringLiteral("49%"));
    QCOMPARE(Shown("cc"), QStringLiteral("15%"));
    QVERIFY(Ticked("smallguns") && Ticked("sneak") && Ticked("finesse") && Ticked("jinx"));
    QVERIFY(!Find("bruiser")->isEnabled());  // no traits left, as before the pick
    QVERIFY(Find("finesse")->isEnabled());
    QCOMPARE(Find<QPlainTextEdit>("extra")->toPlainText(),
             QStringLiteral("Finesse. +10 Critical Chance, -30% Damage. Jinxed. +50% Chance to upgrade failures to "
                            "critical failures for all nearby. "));
    // The race taken back is the race picked: its boxes follow it again.
    QVERIFY(window_->engine().RaceTextIsPicked());

    Press(cindral::kRedoKeyToo);
    QCOMPARE(Find<QComboBox>("race")->currentText(), race);
    QVERIFY(!Ticked("finesse") && !Ticked("smallguns"));
    QCOMPARE(Shown("traits"), QStringLiteral("2"));
  }

  // A focused box that closes passes the focus on, as Tab would: to the
  // next box that is open, in the window's focus order.
  void aFocusedBoxThatClosesPassesTheFocusOn_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QString>("next");
    // Bruiser closes at Traits Left 0; Fast Metabolism to Kamikaze in
    // between are closed too, Finesse is ticked and open.
    QTest::newRow("trait") << QStringList{"finesse", "jinx"} << "bruiser"
                           << "finesse";
    // Big Guns closes at Tags Left 0; Energy Weapons to First Aid too,
    // Doctor is ticked and open.
    QTest::newRow("tag") << QStringList{"smallguns", "sneak", "doctor"} << "bigguns"
                         << "doctor";
  }
  void aFocusedBoxThatClosesPassesTheFocusOn() {
    QFETCH(QStringList, clicks);
    QFETCH(QString, focused);
    QFETCH(QString, next);
    for (const QString& name : clicks) Click(name.toLatin1().constData());
    Press(cindral::kUndoKey);
    QWidget* box = Find(focused.toLatin1().constData());
    QVERIFY(box->isEnabled());
    FocusOn(box);

    Press(cindral::kRedoKey);
    QVERIFY(!box->isEnabled());
    QCOMPARE(QApplication::focusWidget(), Find(next.toLatin1().constData()));
    // Space goes on working where the focus now is: it unticks that box.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(!Ticked(next.toLatin1().constData()));
    QVERIFY(box->isEnabled());
  }

  // --- The context menu -----------------------------------------------------

  void aRightClickOpensTheMenuWithItsKeys_data() {
    QTest::addColumn<QString>("at");
    for (const char* name : {"Label48", "bruiser", "Frame1", "extra", "stplu", "tags"}) {
      QTest::newRow(name) << name;
    }
  }
  void aRightClickOpensTheMenuWithItsKeys() {
    QFETCH(QString, at);
    QVERIFY(!OpenMenu());  // made only when first asked for
    RightClick(at.toLatin1().constData());
    QMenu* menu = OpenMenu();
    QVERIFY(menu);
    QTRY_VERIFY(menu->isVisible());
    QStringList texts, keys;
    for (QAction* action : menu->actions()) {
      if (action->isSeparator()) continue;
      texts << action->text();
      keys << action->shortcut().toString(QKeySequence::PortableText);
      QVERIFY(action->isShortcutVisibleInContextMenu());
    }
    QCOMPARE(texts, (QStringList{"Undo", "Redo", "Copy Character", "Paste Character", "Print Character\u2026",
                                 "Check Character", "Zoom In", "Zoom Out", "Actual Size"}));
    QCOMPARE(keys, (QStringList{"Ctrl+Z", "Ctrl+Shift+Z", "Ctrl+Shift+C", "Ctrl+Shift+V", "Ctrl+P", "Ctrl+Shift+K",
                                "Ctrl++", "Ctrl+-", "Ctrl+0"}));
    // Nothing done yet: nothing to take back or to take again.
    QVERIFY(!Entry(menu, "undo")->isEnabled());
    QVERIFY(!Entry(menu, "redo")->isEnabled());
    QVERIFY(Entry(menu, "copyCharacter")->isEnabled());
    menu->hide();
  }

  void theMenusEntriesTakeStepsBackAndForth() {
    Click("stplu");
    Click("bruiser");
    RightClick("Label48");
    QMenu* menu = OpenMenu();
    QTRY_VERIFY(menu && menu->isVisible());
    QVERIFY(Entry(menu, "undo")->isEnabled());
    QVERIFY(!Entry(menu, "redo")->isEnabled());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(Entry(menu, "undo")).center());
    QTRY_VERIFY(!menu->isVisible());
    QVERIFY(!Ticked("bruiser"));
    QCOMPARE(Shown("st"), QStringLiteral("6"));

    RightClick("Frame2");
    QTRY_VERIFY(menu->isVisible());
    QVERIFY(Entry(menu, "undo")->isEnabled() && Entry(menu, "redo")->isEnabled());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(Entry(menu, "redo")).center());
    QTRY_VERIFY(!menu->isVisible());
    QVERIFY(Ticked("bruiser"));
    QCOMPARE(Shown("st"), QStringLiteral("8"));
  }

  // The name box and the race text keep their own menus.
  void theTextBoxesKeepTheirOwnMenus_data() {
    QTest::addColumn<QString>("at");
    QTest::newRow("Name") << "Name";
    QTest::newRow("race") << "race";
  }
  void theTextBoxesKeepTheirOwnMenus() {
    QFETCH(QString, at);
    RightClick(at.toLatin1().constData());
    QMenu* ours = OpenMenu();
    QVERIFY(!ours || !ours->isVisible());
    QTRY_VERIFY(QApplication::activePopupWidget());  // the box's own menu
    QApplication::activePopupWidget()->close();
  }
};

QTEST_MAIN(UndoTests)
#include "undo_tests.moc"
