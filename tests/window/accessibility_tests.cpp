// The window as a screen reader, voice control or a switch user meets it,
// walked through the accessibility interfaces: what every control is called
// and what it holds, why a press changes nothing, the rule texts, what is
// said at once, and the actions of the tick boxes, which go through the
// rules like a click.
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "character_window.h"
#include "window_driver.h"

using cindral::CharacterWindow;

namespace {

void CollectInterfaces(QAccessibleInterface* iface, std::vector<QAccessibleInterface*>& out) {
  if (!iface) return;
  out.push_back(iface);
  for (int i = 0; i < iface->childCount(); ++i) CollectInterfaces(iface->child(i), out);
}

// The whole sheet as the window shows it: every label's text and every box's
// tick and flag.
std::map<QString, QString> EverythingShown(const CharacterWindow& window) {
  std::map<QString, QString> shown;
  for (const QLabel* label : window.findChildren<QLabel*>()) shown[label->objectName()] = label->text();
  for (const QCheckBox* box : window.findChildren<QCheckBox*>()) {
    shown[box->objectName()] = QString::number(box->isChecked()) + (box->isEnabled() ? "" : " disabled");
  }
  return shown;
}

}  // namespace

class AccessibilityTests : public QObject, protected cindral::test::WindowDriver {
  Q_OBJECT

 public slots:
  // What the window has a screen reader say at once, in order.
  void Heard(const QString& words) { heard_ << words; }

 private:
  QStringList heard_;

  QAccessibleInterface* Interface(const char* name) { return QAccessible::queryAccessibleInterface(Find(name)); }
  QString Name(const char* name) { return Interface(name)->text(QAccessible::Name); }
  QString Description(const char* name) { return Interface(name)->text(QAccessible::Description); }
  QString Shows(const char* label) { return Shown(label); }

  void Press(const char* name, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* w = Find(name);
    w->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(w->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  }
  // An accessibility client's action on a control.
  void Act(const char* name, const QString& action) {
    QAccessibleActionInterface* actions = Interface(name)->actionInterface();
    QVERIFY2(actions, name);
    actions->doAction(action);
  }
  // The text a caption's click puts into the panel.
  QString TextOfCaption(const char* caption) {
    Click(caption);
    return Shows("info");
  }
  void PickRace(const char* race) { window_->Act(cindral::PickRace(race)); }

 private slots:
  void init() {
    if (QTest::currentTestFunction() == QByteArray("boxesAskedForEarlyStillGoThroughTheRules")) return;
    window_ = std::make_unique<CharacterWindow>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QAccessible::setActive(true);  // a client starts listening
    heard_.clear();
    QObject* announcement = window_->findChild<QObject*>(QStringLiteral("announcement"));
    QVERIFY(announcement);
    QVERIFY(connect(announcement, SIGNAL(said(QString)), this, SLOT(Heard(QString))));
  }
  void cleanup() { window_.reset(); }

  // A client may walk the window as soon as it exists, before it is shown;
  // the boxes it finds then still ask the engine. (First, so that no window
  // made earlier in this run has prepared the way.)
  void boxesAskedForEarlyStillGoThroughTheRules() {
    CharacterWindow window;
    for (QCheckBox* box : window.findChildren<QCheckBox*>()) QVERIFY(QAccessible::queryAccessibleInterface(box));
    auto* bruiser = window.findChild<QCheckBox*>(QStringLiteral("bruiser"));
    QAccessible::queryAccessibleInterface(bruiser)->actionInterface()->doAction(
        QAccessibleActionInterface::toggleAction());
    QVERIFY(bruiser->isChecked());
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("traits"))->text(), QStringLiteral("1"));
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("st"))->text(), QStringLiteral("7"));
  }

  // --- Nothing to pay while nobody listens -----------------------------------

  // A name is made when a client asks for it, from the sheet as it stands;
  // no widget keeps one.
  void namesAreMadeOnlyWhenAsked() {
    CharacterWindow quiet;
    auto* plus = quiet.findChild<QPushButton*>(QStringLiteral("stplu"));
    QVERIFY(plus);
    const auto name = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
    QVERIFY(!quiet.findChild<QWidget*>(QStringLiteral("announcement")));

    QAccessible::setActive(true);
    QCOMPARE(name(plus), QStringLiteral("Strength 5, plus"));
    QCOMPARE(name(quiet.findChild<QLabel*>(QStringLiteral("hp"))), QStringLiteral("Hit Points: 30"));
    quiet.Act(cindral::Click("stplu"));
    QCOMPARE(name(plus), QStringLiteral("Strength 6, plus"));
    QCOMPARE(plus->accessibleName(), QString());
  }

  // --- Names -------------------------------------------------------------------

  void everyInteractiveControlHasAName() {
    std::vector<QAccessibleInterface*> all;
    CollectInterfaces(QAccessible::queryAccessibleInterface(window_.get()), all);
    std::map<QAccessible::Role, int> counts;
    for (QAccessibleInterface* iface : all) {
      const QAccessible::Role role = iface->role();
      if (role != QAccessible::PushButton && role != QAccessible::CheckBox && role != QAccessible::ComboBox &&
          role != QAccessible::EditableText)
        continue;
      ++counts[role];
      QObject* object = iface->object();
      const QString who = object ? object->objectName() + QStringLiteral(" (") + object->metaObject()->className() + ')'
                                 : QStringLiteral("?");
      QVERIFY2(!iface->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(who + " has no accessible name"));
    }
    QCOMPARE(counts[QAccessible::PushButton], 15);  // fourteen statistic buttons and About
    QCOMPARE(counts[QAccessible::CheckBox], 47);
    QCOMPARE(counts[QAccessible::ComboBox], 1);
    QVERIFY(counts[QAccessible::EditableText] >= 2);  // the name box, the race text, the notes
  }

  void controlsAreNamedByWhatTheyAreAndHold_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("stplu") << "stplu"
                           << "Strength 5, plus";
    QTest::newRow("stmin") << "stmin"
                           << "Strength 5, minus";
    QTest::newRow("inplu") << "inplu"
                           << "Intelligence 5, plus";
    QTest::newRow("lumin") << "lumin"
                           << "Luck 5, minus";
    QTest::newRow("smallguns") << "smallguns"
                               << "Small Guns 25%, tag";
    QTest::newRow("melee") << "melee"
                           << "Melee Weapon 40%, tag";
    QTest::newRow("outdoorsman") << "outdoorsman"
                                 << "Outdoorsman 20%, tag";
    QTest::newRow("bruiser") << "bruiser"
                             << "Bruiser";
    QTest::newRow("targetcomp") << "targetcomp"
                                << "Targetting Computer";
    QTest::newRow("hp") << "hp"
                        << "Hit Points: 30";
    QTest::newRow("gres") << "gres"
                          << "Gas Res.: 0/0";
    QTest::newRow("st") << "st"
                        << "Strength: 5";
    QTest::newRow("chpoint") << "chpoint"
                             << "Char Points: 5";
    QTest::newRow("sma") << "sma"
                         << "Small Guns: 25%";
    QTest::newRow("tags") << "tags"
                          << "Tags Left: 3";
    QTest::newRow("traits") << "traits"
                            << "Traits Left: 2";
    QTest::newRow("Label75") << "Label75"
                             << "Strength";
    QTest::newRow("Name") << "Name"
                          << "Character name";
    QTest::newRow("Command1") << "Command1"
                              << "About";
    QTest::newRow("info") << "info"
                          << "Information";
  }
  void controlsAreNamedByWhatTheyAreAndHold() {
    QFETCH(QString, control);
    QTEST(Name(control.toLatin1().constData()), "name");
  }

  // The drop-down is named by its text where the desktop wants that, and
  // by a label that belongs to it.
  void theRaceBoxSaysItIsTheRace() {
    QAccessibleInterface* race = Interface("race");
    QCOMPARE(race->role(), QAccessible::ComboBox);
    QVERIFY(!race->text(QAccessible::Name).isEmpty());
    QStringList labels;
    for (const auto& [label, relation] : race->relations(QAccessible::Label)) labels << label->text(QAccessible::Name);
    QCOMPARE(labels, QStringList{QStringLiteral("Race")});
    QCOMPARE(Find<QComboBox>("race")->lineEdit()->accessibleName(), QStringLiteral("Race"));
  }

  void namesFollowTheSheet() {
    Press("stplu", Qt::Key_Space);
    QCOMPARE(Name("stplu"), QStringLiteral("Strength 6, plus"));
    QCOMPARE(Name("stmin"), QStringLiteral("Strength 6, minus"));
    QCOMPARE(Name("st"), QStringLiteral("Strength: 6"));
    QCOMPARE(Name("hp"), QStringLiteral("Hit Points: 31"));
    QCOMPARE(Name("chpoint"), QStringLiteral("Char Points: 4"));
    QCOMPARE(Name("unarmed"), QStringLiteral("Unarmed 52%, tag"));  // 30% + 2 x (AG 5 + ST 6)
    Press("smallguns", Qt::Key_Space);
    QCOMPARE(Name("smallguns"), QStringLiteral("Small Guns 45%, tag"));
    QCOMPARE(Name("tags"), QStringLiteral("Tags Left: 2"));
    Press("agplu", Qt::Key_Space);
    QCOMPARE(Name("smallguns"), QStringLiteral("Small Guns 49%, tag"));
    QCOMPARE(Name("agmin"), QStringLiteral("Agility 6, minus"));
    PickRace("Robot");
    QCOMPARE(Name("stplu"), QStringLiteral("Strength 7, plus"));
    QCOMPARE(Name("chmin"), QStringLiteral("Charisma 1, minus"));
    QCOMPARE(Name("smallguns"), QStringLiteral("Small Guns 25%, tag"));
    QCOMPARE(Name("tags"), QStringLiteral("Tags Left: 3"));
  }

  // --- Why a press changes nothing ------------------------------------------

  // A button that can move says what a press would change; one that cannot
  // says why.
  void aButtonThatCannotMoveSaysWhy() {
    QVERIFY(Description("stplu").startsWith(QStringLiteral("ST 5 \u2192 6, Char Points 5 \u2192 4. ")));
    for (int i = 0; i < 5; ++i) Press("stplu", Qt::Key_Space);
    QCOMPARE(Name("stplu"), QStringLiteral("Strength 10, plus"));
    QCOMPARE(Description("stplu"), QStringLiteral("Strength is at the race's maximum"));
    QCOMPARE(Description("peplu"), QStringLiteral("No character points left"));
    QVERIFY(Description("stmin").startsWith(QStringLiteral("ST 10 \u2192 9, ")));
    for (int i = 0; i < 4; ++i) Press("lumin", Qt::Key_Space);
    QCOMPARE(Description("lumin"), QStringLiteral("Luck is at the race's minimum"));
    QVERIFY(Description("peplu").startsWith(QStringLiteral("PE 5 \u2192 6, ")));  // the pool has points again

    // A typed race that names no race refuses every button until a pick
    // (the recomputation a refused press runs still reads it, which follows).
    auto* combo = Find<QComboBox>("race");
    combo->setFocus(Qt::TabFocusReason);
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("Elf"));
    QVERIFY(Description("stmin").startsWith(QStringLiteral("The race text names no race: pick a race from the list")));
    QVERIFY(Description("agplu").startsWith(QStringLiteral("The race text names no race: pick a race from the list")));
  }

  // Each press is answered where the focus is: the button's new name, or
  // why the press changed nothing.
  void aPressIsAnsweredWithTheNewValueOrTheReason() {
    for (int i = 0; i < 6; ++i) Press("stplu", Qt::Key_Space);
    QCOMPARE(heard_, (QStringList{"Strength 6, plus", "Strength 7, plus", "Strength 8, plus", "Strength 9, plus",
                                  "Strength 10, plus", "Strength is at the race's maximum"}));
    heard_.clear();
    Press("peplu", Qt::Key_Space);
    Press("stmin", Qt::Key_Return);
    QCOMPARE(heard_, (QStringList{"No character points left", "Strength 9, minus"}));
    QCOMPARE(Shows("st"), QStringLiteral("9"));
  }

  // The accessibility Press action of a button is a click on it.
  void thePressActionOfAButtonIsAClick() {
    Act("stplu", QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(Shows("st"), QStringLiteral("6"));
    QCOMPARE(Shows("chpoint"), QStringLiteral("4"));
    QCOMPARE(Name("stplu"), QStringLiteral("Strength 6, plus"));
    QCOMPARE(heard_, QStringList{"Strength 6, plus"});
  }

  // --- The boxes' actions go through the rules -------------------------------

  void toggleAndPressOnABoxRunWhatAClickRuns_data() {
    QTest::addColumn<QString>("action");
    QTest::newRow("Toggle") << QAccessibleActionInterface::toggleAction();
    QTest::newRow("Press") << QAccessibleActionInterface::pressAction();
  }
  void toggleAndPressOnABoxRunWhatAClickRuns() {
    QFETCH(QString, action);
    QVERIFY(Interface("bruiser")->actionInterface()->actionNames().contains(action));
    const QString ap = Shows("ap");
    Act("bruiser", action);
    QVERIFY(Find<QCheckBox>("bruiser")->isChecked());
    QVERIFY(Interface("bruiser")->state().checked);
    QCOMPARE(Shows("traits"), QStringLiteral("1"));
    QCOMPARE(Shows("st"), QStringLiteral("7"));
    QCOMPARE(Shows("ap"), QString::number(ap.toInt() - 2));
    QVERIFY(Find<QPlainTextEdit>("extra")->toPlainText().contains(QStringLiteral("Bruiser")));
    QVERIFY(Shows("info").startsWith(QStringLiteral("Bruiser - ")));

    Act("bruiser", action);  // and back
    QVERIFY(!Find<QCheckBox>("bruiser")->isChecked());
    QCOMPARE(Shows("traits"), QStringLiteral("2"));
    QCOMPARE(Shows("st"), QStringLiteral("5"));
    QCOMPARE(Shows("ap"), ap);

    Act("smallguns", action);
    QVERIFY(Find<QCheckBox>("smallguns")->isChecked());
    QCOMPARE(Shows("tags"), QStringLiteral("2"));
    QCOMPARE(Shows("sma"), QStringLiteral("45%"));
    QCOMPARE(Name("smallguns"), QStringLiteral("Small Guns 45%, tag"));
  }

  void aDisabledBoxIgnoresEveryAction() {
    QVERIFY(!Find("glowingone")->isEnabled());  // a Ghoul's trait
    QVERIFY(!Interface("glowingone")
                 ->actionInterface()
                 ->actionNames()
                 .contains(QAccessibleActionInterface::toggleAction()));
    const auto before = EverythingShown(*window_);
    Act("glowingone", QAccessibleActionInterface::toggleAction());
    Act("glowingone", QAccessibleActionInterface::pressAction());
    QVERIFY(EverythingShown(*window_) == before);
    QVERIFY(!Interface("glowingone")->state().checked);
  }

  // Every box, under every race that allows it, is ticked and unticked
  // through the rules: the boxes the window disabled while it was being
  // built among them.
  void everyBoxTogglesThroughTheRules() {
    std::set<QString> toggled;
    for (const char* race :
         {"Human", "Ghoul", "Super-Mutant", "Half-Mutant", "Deathclaw", "Gray Deathclaw", "Dog", "Robot"}) {
      PickRace(race);
      for (QCheckBox* box : window_->findChildren<QCheckBox*>()) {
        if (!box->isEnabled() || box->isChecked()) continue;
        const QByteArray name = box->objectName().toLatin1();
        const QString traits = Shows("traits");
        const QString tags = Shows("tags");
        Act(name.constData(), QAccessibleActionInterface::toggleAction());
        QVERIFY2(box->isChecked(), name.constData());
        // A trait takes one of the two traits, a tag one of the tags.
        const char* counter = Shows("traits") != traits ? "traits" : "tags";
        const QString left = counter == std::string_view("traits") ? traits : tags;
        QCOMPARE(Shows(counter).toInt(), left.toInt() - 1);
        Act(name.constData(), QAccessibleActionInterface::toggleAction());
        QVERIFY2(!box->isChecked(), name.constData());
        QCOMPARE(Shows(counter), left);
        toggled.insert(box->objectName());
      }
    }
    QCOMPARE(toggled.size(), std::size_t{47});
  }

  // --- Rule texts ---------------------------------------------------------------

  void aBoxAndItsCaptionAreDescribedByTheRuleText() {
    const QString bruiser = TextOfCaption("Label4");
    QVERIFY(bruiser.startsWith(QStringLiteral("Bruiser - ")));
    // An open box says first what a click would change.
    QVERIFY(Description("bruiser").startsWith(QStringLiteral("ST 5 \u2192 7, ")));
    QVERIFY(Description("bruiser").endsWith(QStringLiteral(". ") + bruiser));
    QCOMPARE(Description("Label4"), bruiser);
    const QString smallGuns = TextOfCaption("Label39");
    QVERIFY(smallGuns.startsWith(QStringLiteral("Small Guns - ")));
    QCOMPARE(Description("smallguns"), QStringLiteral("Tags Left 3 \u2192 2. Small Guns 25% \u2192 45%. ") + smallGuns);

    // A disabled box says why before its rule.
    const QString glowing = TextOfCaption("Label19");
    QVERIFY(glowing.startsWith(QStringLiteral("Glowing One - ")));
    QCOMPARE(Description("glowingone"), QStringLiteral("Not available to a Human. ") + glowing);
    QCOMPARE(Description("Label19"), QStringLiteral("Not available to a Human. ") + glowing);
    const QString steal = TextOfCaption("Label51");
    for (const char* box : {"smallguns", "sneak", "barter"}) Press(box, Qt::Key_Space);
    QCOMPARE(Description("steal"), QStringLiteral("No tags left: untick a skill to tag another. ") + steal);
    // Ticked, so it can be unticked.
    QVERIFY(Description("smallguns").startsWith(QStringLiteral("Tags Left 0 \u2192 1. Small Guns 45% \u2192 25%")));
    QVERIFY(Description("smallguns").endsWith(QStringLiteral(". ") + smallGuns));
    PickRace("Ghoul");
    QVERIFY(Description("glowingone").endsWith(QStringLiteral(". ") + glowing));
    QVERIFY(Description("steal").endsWith(QStringLiteral(". ") + steal));
  }

  // A value is described by its breakdown, a statistic by its limits, and
  // Shift+F1's balloon is said as it shows: all made when asked for.
  void valuesAndStatisticsExplainThemselves() {
    QCOMPARE(Description("hp"), QStringLiteral("Hit Points 30 = 15 + 5 (ST 5) + 10 (2 \u00d7 EN 5)"));
    QVERIFY(Description("Label75").startsWith(QStringLiteral("Strength (ST) 5, within Human's limits 1\u201310.")));
    QCOMPARE(Description("gres"), QStringLiteral("Gas Res. 0/0: picking Human set it, and no trait changes it."));
    Press("bruiser", Qt::Key_F1, Qt::ShiftModifier);
    QAccessibleInterface* balloon = Interface("explanation");
    QCOMPARE(balloon->role(), QAccessible::Notification);
    QVERIFY(balloon->text(QAccessible::Name).startsWith(QStringLiteral("ST 5 \u2192 7, ")));
  }

  void theTagTextsAreDescriptionsToo() {
    QCOMPARE(Description("Label94"),
             QStringLiteral("This is the number of Tag Skils you can pick for your character. A tagged skill "
                            "increase twice as fast as a normal skill."));
    QCOMPARE(Description("tags"),
             QStringLiteral("This is the number of Tag Skils you can pick for your character. A tagged skill "
                            "increase twice as fast as a normal skill. This indicates the number of tags left"));
    QVERIFY(Description("Label48").startsWith(QStringLiteral("HIT POINTS (HP): ")));
  }

  // The panel is read as the rule it shows, and a caption, About, F1 and
  // Ctrl+F1 have it said at once.
  void thePanelIsNamedByItsTextAndSaidAtOnce() {
    Click("Label48");
    QVERIFY(Shows("info").startsWith(QStringLiteral("HIT POINTS (HP): ")));
    QCOMPARE(Name("info"), Shows("info"));
    QCOMPARE(heard_, QStringList{Shows("info")});

    Press("Command1", Qt::Key_Space);
    QVERIFY(Name("info").startsWith(QStringLiteral("Cindral PnP Character Generator v1.0")));
    QCOMPARE(heard_.last(), Shows("info"));

    Press("bruiser", Qt::Key_F1);
    QVERIFY(Name("info").startsWith(QStringLiteral("Bruiser - ")));
    QCOMPARE(heard_.last(), Name("info"));
    heard_.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);  // the same text again, said again
    QCOMPARE(heard_, QStringList{Name("info")});

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1, Qt::ControlModifier);
    QVERIFY(!Name("info").startsWith(QStringLiteral("Bruiser - ")));
    QCOMPARE(heard_.size(), 2);
    QCOMPARE(heard_.last(), Name("info"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(heard_.last(), Name("info"));
    QVERIFY(Name("info").startsWith(QStringLiteral("Bruiser - ")));

    // Copying the character out says so at once, too.
    heard_.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(Name("info").contains(QStringLiteral("copied")));
    QCOMPARE(heard_, QStringList{Name("info")});
    // And what became of a paste.
    heard_.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(Name("info").startsWith(QStringLiteral("Character pasted")));
    QCOMPARE(heard_, QStringList{Name("info")});
    // And what a check found, whole.
    heard_.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(Name("info").startsWith(QStringLiteral("Character checked")));
    // On one line, its lines sentences of their own: a screen reader says
    // nothing of a name that runs over several lines.
    QVERIFY(Name("info").endsWith(QStringLiteral("Traits Left: 2 unspent. Tags Left: 3 unspent")));
    QCOMPARE(heard_, QStringList{Name("info")});
  }
};

QTEST_MAIN(AccessibilityTests)
#include "accessibility_tests.moc"
