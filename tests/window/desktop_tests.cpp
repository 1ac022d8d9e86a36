// The window beyond the mouse: every action from the keyboard, tooltips that
// say why a box is closed, and the same window drawn at the screen's scale
// factor. What a screen reader meets has a suite of its own
// (accessibility_tests.cpp).
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHelpEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolTip>
#include <QtTest>
#include <set>
#include <vector>

#include "character_window.h"
#include "help_texts.h"
#include "race_selection.h"
#include "window_driver.h"
#include "window_layout.h"

using cindral::CharacterWindow;

namespace {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Everything the player can see change: every field's text and every box's
// tick and enabled flag.
struct SheetSnapshot {
  std::vector<std::string> texts;
  std::vector<std::pair<int, bool>> boxes;
  bool operator==(const SheetSnapshot&) const = default;
};

SheetSnapshot Snapshot(const cindral::Sheet& sheet) {
  SheetSnapshot s;
  for (std::size_t f = 0; f < cindral::kFieldCount; ++f) s.texts.push_back(sheet.Text(static_cast<cindral::Field>(f)));
  for (std::size_t b = 0; b < cindral::kBoxCount; ++b) {
    const auto box = static_cast<cindral::Box>(b);
    s.boxes.emplace_back(sheet.State(box), sheet.Enabled(box));
  }
  return s;
}

// The captions and the counter that show a text when clicked.
std::vector<std::string_view> CaptionsWithText() {
  std::vector<std::string_view> captions;
  for (const cindral::LabelPlace& p : cindral::LabelPlaces()) {
    if (!cindral::HelpFor(p.name).empty()) captions.push_back(p.name);
  }
  return captions;
}

qreal ScaleFactor() {
  bool ok = false;
  const qreal f = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
  return ok && f > 0 ? f : 1.0;
}

}  // namespace

class DesktopTests : public QObject, protected cindral::test::WindowDriver {
  Q_OBJECT

 private:
  const cindral::Sheet& sheet() { return window_->engine().sheet(); }

  // Gives the control the keyboard focus and types the key where the focus
  // is, as a player's keyboard does.
  void Press(const char* name, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* w = Find(name);
    w->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(w->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  }
  void PressWhereFocused(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QVERIFY(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  }
  void ClickCaption(const char* name) {
    QWidget* w = Find(name);
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() / 2, w->height() / 2));
  }
  // Opens the race list with F4, walks to the race with the arrow keys and
  // picks it with Enter.
  void PickRace(const QString& race) {
    auto* combo = Find<QComboBox>("race");
    Press("race", Qt::Key_F4);
    QAbstractItemView* view = combo->view();
    QTRY_VERIFY(view->isVisible());
    const int row = combo->findText(race, Qt::MatchExactly);
    QVERIFY(row >= 0);
    for (int guard = 0; view->currentIndex().row() != row && guard < 10; ++guard) {
      QTest::keyClick(view, view->currentIndex().row() < row ? Qt::Key_Down : Qt::Key_Up);
    }
    QCOMPARE(view->currentIndex().row(), row);
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(Q(sheet().Text(cindral::Field::race)), race);
  }
  QString Tip(const char* name) { return Find(name)->toolTip(); }
  QString CaptionTip(std::string_view box) { return Find(std::string(cindral::CaptionOf(box)).c_str())->toolTip(); }

 private slots:
  void init() {
    window_ = std::make_unique<CharacterWindow>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }
  void cleanup() { window_.reset(); }

  // --- Keyboard -------------------------------------------------------------

  void spaceTicksAndUnticksAFocusedBox_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("ticked");
    QTest::addColumn<QString>("unticked");
    QTest::newRow("Bruiser adds 2 Strength") << "bruiser"
                                             << "st"
                                             << "7"
                                             << "5";
    QTest::newRow("Finesse takes a trait") << "finesse"
                                           << "traits"
                                           << "1"
                                           << "2";
    QTest::newRow("a tag adds 20 to Small Guns") << "smallguns"
                                                 << "sma"
                                                 << "45%"
                                                 << "25%";
    QTest::newRow("a tag takes one of three") << "outdoorsman"
                                              << "tags"
                                              << "2"
                                              << "3";
  }
  void spaceTicksAndUnticksAFocusedBox() {
    QFETCH(QString, box);
    QFETCH(QString, field);
    const QByteArray name = box.toLatin1();
    Press(name.constData(), Qt::Key_Space);
    QVERIFY(Find<QCheckBox>(name.constData())->isChecked());
    QTEST(Q(Text(field.toLatin1().constData())), "ticked");
    PressWhereFocused(Qt::Key_Space);
    QVERIFY(!Find<QCheckBox>(name.constData())->isChecked());
    QTEST(Q(Text(field.toLatin1().constData())), "unticked");
  }

  void spaceAndEnterPressAFocusedButton_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter on the keypad") << int(Qt::Key_Enter);
  }
  void spaceAndEnterPressAFocusedButton() {
    QFETCH(int, key);
    Press("stplu", Qt::Key(key));
    QCOMPARE(Text("st"), "6");
    QCOMPARE(Text("chpoint"), "4");
    QCOMPARE(Text("hp"), "31");
    Press("Command1", Qt::Key(key));
    QVERIFY(Text("info").starts_with("Cindral PnP Character Generator v1.0"));
  }

  void theRaceListOpensFromTheKeyboardAndEnterPicks_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Alt+Down") << int(Qt::Key_Down) << int(Qt::AltModifier);
    QTest::newRow("F4") << int(Qt::Key_F4) << int(Qt::NoModifier);
  }
  void theRaceListOpensFromTheKeyboardAndEnterPicks() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    Press("stplu", Qt::Key_Space);
    QCOMPARE(Text("st"), "6");

    auto* combo = Find<QComboBox>("race");
    Press("race", Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QAbstractItemView* view = combo->view();
    QTRY_VERIFY(view->isVisible());
    QCOMPARE(view->currentIndex().data().toString(), QStringLiteral("Human"));
    QTest::keyClick(view, Qt::Key_Down);
    QCOMPARE(view->currentIndex().data().toString(), QStringLiteral("Robot"));
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!view->isVisible());

    // The race handling ran: the Robot's row and the Robot's traits.
    QCOMPARE(Text("race"), "Robot");
    QCOMPARE(Text("st"), "7");
    QCOMPARE(Text("chpoint"), "3");
    QVERIFY(Find("betasoft")->isEnabled());
    QVERIFY(!Find("fastmet")->isEnabled());
  }

  // Down and Up in the closed box step through the list from the race
  // shown, each step a pick.
  void arrowsInTheClosedRaceBoxStepFromTheRaceShown() {
    Press("stplu", Qt::Key_Space);
    Press("race", Qt::Key_Down);
    QCOMPARE(Text("race"), "Robot");
    QCOMPARE(Text("st"), "7");  // the race handling ran
    PressWhereFocused(Qt::Key_Up);
    PressWhereFocused(Qt::Key_Up);
    QCOMPARE(Text("race"), "Half-Mutant");
    QCOMPARE(Text("chpoint"), "5");
  }

  void enterInTheClosedRaceTextRunsNothing() {
    Press("stplu", Qt::Key_Space);
    auto* combo = Find<QComboBox>("race");
    combo->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(combo->lineEdit()->hasFocus());
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("Robot"));
    const SheetSnapshot typed = Snapshot(sheet());
    PressWhereFocused(Qt::Key_Return);
    PressWhereFocused(Qt::Key_Enter);
    QVERIFY(!combo->view()->isVisible());
    QCOMPARE(Text("race"), "Robot");
    QVERIFY(Snapshot(sheet()) == typed);
    // The Human's character stays: Strength 6, four points left, no Robot traits.
    QCOMPARE(Text("st"), "6");
    QCOMPARE(Text("chpoint"), "4");
    QVERIFY(!Find("betasoft")->isEnabled());
  }

  void f1OnAFocusedBoxShowsItsCaptionText_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Bruiser") << "bruiser"
                             << "Label4";
    QTest::newRow("Fast Metabolism") << "fastmet"
                                     << "Label16";
    QTest::newRow("Targetting Computer") << "sexappeal"
                                         << "Label20";
    QTest::newRow("Small Guns") << "smallguns"
                                << "Label39";
    QTest::newRow("Melee Weapon") << "melee"
                                  << "Label43";
    QTest::newRow("Pilot") << "pilot"
                           << "Label47";
    QTest::newRow("Outdoorsman") << "outdoorsman"
                                 << "Label58";
  }
  void f1OnAFocusedBoxShowsItsCaptionText() {
    QFETCH(QString, box);
    QFETCH(QString, caption);
    SheetSnapshot expected = Snapshot(sheet());
    expected.texts[cindral::Index(cindral::Field::info)] = std::string(cindral::HelpFor(caption.toStdString()));
    Press(box.toLatin1().constData(), Qt::Key_F1);
    QVERIFY(!Text("info").empty());
    QCOMPARE(Q(Text("info")), Q(cindral::HelpFor(caption.toStdString())));
    QVERIFY(Snapshot(sheet()) == expected);
  }

  void f1OnATickedBoxShowsItsTextAndKeepsItTicked() {
    Press("smallguns", Qt::Key_Space);
    ClickCaption("Label48");
    PressWhereFocused(Qt::Key_F1);
    QCOMPARE(Q(Text("info")), Q(cindral::HelpFor("Label39")));
    QVERIFY(Find<QCheckBox>("smallguns")->isChecked());
    QCOMPARE(Text("tags"), "2");
  }

  // The statistics, the race, the name and the notes have no text of their
  // own, as a click on "ST" shows none.
  void f1ElsewhereShowsNothing_data() {
    QTest::addColumn<QString>("control");
    for (const char* name : {"stplu", "lumin", "race", "Name", "extra", "Command1"}) QTest::newRow(name) << name;
  }
  void f1ElsewhereShowsNothing() {
    QFETCH(QString, control);
    const SheetSnapshot before = Snapshot(sheet());
    Press(control.toLatin1().constData(), Qt::Key_F1);
    QVERIFY(Snapshot(sheet()) == before);
    QCOMPARE(Text("info"), "");
  }

  // Shift+F1 explains the focused control beside it, and right after Ctrl+F1
  // walked to a caption, that caption's value.
  void shiftF1ExplainsTheFocusedControlOrTheValueWalkedTo() {
    const auto balloon = [this] { return window_->findChild<QLabel*>(QStringLiteral("explanation")); };
    Press("bruiser", Qt::Key_F1, Qt::ShiftModifier);
    QVERIFY(balloon() && balloon()->isVisible());
    QVERIFY(balloon()->text().startsWith(QStringLiteral("ST 5 \u2192 7, ")));
    QTest::keyClick(balloon(), Qt::Key_Escape);
    QTRY_VERIFY(!balloon());

    PressWhereFocused(Qt::Key_F1, Qt::ControlModifier);  // to "Hit Points", the first caption with a text
    PressWhereFocused(Qt::Key_F1, Qt::ShiftModifier);
    QCOMPARE(balloon()->text(), QStringLiteral("Hit Points 30 = 15 + 5 (ST 5) + 10 (2 \u00d7 EN 5)"));
    const QWidget* hp = Find("hp");
    QVERIFY(!balloon()->geometry().intersects(QRect(hp->mapTo(window_.get(), QPoint()), hp->size())));  // beside it
    QTest::keyClick(balloon(), Qt::Key_Escape);
    QCOMPARE(Q(Text("info")), Q(cindral::HelpFor("Label48")));

    // The focus moving on ends the walk.
    Press("stplu", Qt::Key_F1, Qt::ShiftModifier);
    QVERIFY(balloon()->text().startsWith(QStringLiteral("ST 5 \u2192 6, ")));
  }

  // An explanation that shows while a key changes the sheet is never left
  // stale: the tooltip under the mouse is redrawn at once, the balloon goes.
  void anExplanationShowingWhenTheSheetChangesIsRedrawnOrGoes() {
    Press("stplu", Qt::Key_Space);
    QWidget* plus = Find("stplu");
    const QPoint middle = plus->rect().center();
    QTest::mouseMove(plus, middle);
    QHelpEvent rest(QEvent::ToolTip, middle, plus->mapToGlobal(middle));
    QApplication::sendEvent(plus, &rest);
    QVERIFY(QToolTip::isVisible() && QToolTip::text().contains(QStringLiteral("ST 6 \u2192 7")));
    PressWhereFocused(Qt::Key_F1, Qt::ShiftModifier);
    QVERIFY(window_->findChild<QLabel*>(QStringLiteral("explanation"))->isVisible());

    PressWhereFocused(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Text("st"), "5");
    QVERIFY(QToolTip::isVisible() && QToolTip::text().contains(QStringLiteral("ST 5 \u2192 6")));
    const QLabel* balloon = window_->findChild<QLabel*>(QStringLiteral("explanation"));
    QVERIFY(!balloon || !balloon->isVisible());
    QToolTip::hideText();
  }

  void ctrlF1StepsThroughEveryCaptionText() {
    const std::vector<std::string_view> captions = CaptionsWithText();
    QCOMPARE(captions.size(), std::size_t{66});  // 65 captions and the counter `tags`
    Press("bloody", Qt::Key_Space);              // a trait's text in the panel, from its box
    const SheetSnapshot start = Snapshot(sheet());

    std::vector<std::string> shown;
    for (std::size_t i = 0; i < captions.size(); ++i) {
      PressWhereFocused(Qt::Key_F1, Qt::ControlModifier);
      shown.push_back(Text("info"));
    }
    QVERIFY(Q(shown.front()).startsWith(QStringLiteral("Bruiser - ")));  // on from the trait ticked
    // Every caption's text once, the counter's and the secondary statistics'
    // among them, each exactly as a click on that caption shows it.
    const std::set<std::string> distinct(shown.begin(), shown.end());
    QCOMPARE(distinct.size(), captions.size());
    for (const char* name : {"Label48", "Label74", "Label94", "tags", "Label29", "Label58"}) {
      ClickCaption(name);
      QVERIFY2(distinct.count(Text("info")) == 1, name);
    }
    // Stepping goes on from the caption shown and round the end.
    ClickCaption("tags");
    PressWhereFocused(Qt::Key_F1, Qt::ControlModifier);
    QCOMPARE(Q(Text("info")), Q(cindral::HelpFor(captions.front())));
    PressWhereFocused(Qt::Key_F1, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(Q(Text("info")), Q(cindral::HelpFor("tags")));
    PressWhereFocused(Qt::Key_F1, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(Q(Text("info")), Q(cindral::HelpFor("Label94")));
    // A tag and its undo leave the panel and the walk as they were; About's
    // text starts the walk afresh.
    const QString tagsCounter = QStringLiteral("This indicates the number of tags left");
    Press("smallguns", Qt::Key_Space);
    PressWhereFocused(Qt::Key_Z, Qt::ControlModifier);
    PressWhereFocused(Qt::Key_F1, Qt::ControlModifier);
    QVERIFY(Q(Text("info")).endsWith(tagsCounter));
    Press("Command1", Qt::Key_Space);
    PressWhereFocused(Qt::Key_F1, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(Q(Text("info")).endsWith(tagsCounter));

    // Only the panel changed.
    SheetSnapshot now = Snapshot(sheet());
    now.texts[cindral::Index(cindral::Field::info)] = start.texts[cindral::Index(cindral::Field::info)];
    QVERIFY(now == start);
  }

  // --- Why a box is closed --------------------------------------------------

  void refusedTraitsNameTheRace_data() {
    QTest::addColumn<QString>("race");
    QTest::addColumn<int>("refused");
    QTest::newRow("Human") << "Human" << 10;
    QTest::newRow("Ghoul") << "Ghoul" << 9;
    QTest::newRow("Super-Mutant") << "Super-Mutant" << 9;
    QTest::newRow("Half-Mutant") << "Half-Mutant" << 11;
    QTest::newRow("Deathclaw") << "Deathclaw" << 14;
    QTest::newRow("Gray Deathclaw") << "Gray Deathclaw" << 14;
    QTest::newRow("Dog") << "Dog" << 14;
    QTest::newRow("Robot") << "Robot" << 15;
  }
  void refusedTraitsNameTheRace() {
    QFETCH(QString, race);
    QFETCH(int, refused);
    if (race != QStringLiteral("Human")) PickRace(race);
    const QString reason = QStringLiteral("Not available to a ") + race;
    int closed = 0;
    for (std::size_t t = 0; t < cindral::kTraitCount; ++t) {
      const std::string_view box = cindral::NameOf(cindral::TraitBox(static_cast<cindral::Trait>(t)));
      const std::string name(box);
      const QString expected = Find(name.c_str())->isEnabled() ? QString() : reason;
      closed += expected.isEmpty() ? 0 : 1;
      QCOMPARE(Tip(name.c_str()), expected);
      QCOMPARE(CaptionTip(box), expected);
    }
    QCOMPARE(closed, refused);
    for (std::size_t s = 0; s < cindral::kSkillCount; ++s) {
      QCOMPARE(Tip(std::string(cindral::NameOf(cindral::TagBox(static_cast<cindral::Skill>(s)))).c_str()), QString());
    }
  }

  void noTraitLeftSaysUntickOne() {
    Press("finesse", Qt::Key_Space);
    Press("jinx", Qt::Key_Space);
    QCOMPARE(Text("traits"), "0");
    QCOMPARE(Tip("finesse"), QString());
    QCOMPARE(Tip("jinx"), QString());
    QCOMPARE(Tip("bruiser"), QStringLiteral("No traits left: untick one to choose another"));
    QCOMPARE(CaptionTip("bruiser"), QStringLiteral("No traits left: untick one to choose another"));
    QCOMPARE(Tip("sexappeal"), QStringLiteral("No traits left: untick one to choose another"));
    // The race's refusal stays the reason where the race refuses.
    QCOMPARE(Tip("glowingone"), QStringLiteral("Not available to a Human"));
    QCOMPARE(Tip("betasoft"), QStringLiteral("Not available to a Human"));

    PressWhereFocused(Qt::Key_Space);  // unticks Jinxed
    QCOMPARE(Text("traits"), "1");
    QCOMPARE(Tip("bruiser"), QString());
    QCOMPARE(CaptionTip("bruiser"), QString());
    QCOMPARE(Tip("glowingone"), QStringLiteral("Not available to a Human"));
  }

  void noTagLeftSaysUntickASkill() {
    for (const char* box : {"smallguns", "sneak", "barter"}) Press(box, Qt::Key_Space);
    QCOMPARE(Text("tags"), "0");
    int closed = 0;
    for (std::size_t s = 0; s < cindral::kSkillCount; ++s) {
      const std::string_view box = cindral::NameOf(cindral::TagBox(static_cast<cindral::Skill>(s)));
      const std::string name(box);
      const bool ticked = Find<QCheckBox>(name.c_str())->isChecked();
      const QString expected = ticked ? QString() : QStringLiteral("No tags left: untick a skill to tag another");
      closed += ticked ? 0 : 1;
      QCOMPARE(Tip(name.c_str()), expected);
      QCOMPARE(CaptionTip(box), expected);
    }
    QCOMPARE(closed, 16);
    PressWhereFocused(Qt::Key_Space);  // unticks Barter
    QCOMPARE(Tip("steal"), QString());
    QCOMPARE(CaptionTip("steal"), QString());
  }

  // Typed into the race text, "Elf" names no race: the boxes keep the flags
  // the traits left them, and only a pick from the list reopens them.
  void aTypedRaceSaysPickOneFromTheList() {
    auto* combo = Find<QComboBox>("race");
    combo->setFocus(Qt::TabFocusReason);
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("Elf"));
    QCOMPARE(Text("race"), "Elf");
    QCOMPARE(Tip("glowingone"), QStringLiteral("Not available: pick a race from the list"));

    Press("bruiser", Qt::Key_Space);
    Press("finesse", Qt::Key_Space);
    QCOMPARE(Tip("jinx"), QStringLiteral("No traits left: untick one to choose another"));
    PressWhereFocused(Qt::Key_Space);  // unticks Finesse: one trait left, yet the boxes stay closed
    QCOMPARE(Text("traits"), "1");
    QVERIFY(!Find("jinx")->isEnabled());
    QCOMPARE(Tip("jinx"), QStringLiteral("Not available: pick a race from the list"));
    QCOMPARE(CaptionTip("jinx"), QStringLiteral("Not available: pick a race from the list"));

    PickRace(QStringLiteral("Human"));
    QCOMPARE(Tip("jinx"), QString());
    QCOMPARE(Tip("glowingone"), QStringLiteral("Not available to a Human"));
  }

  void showingATooltipChangesNothing() {
    Press("finesse", Qt::Key_Space);
    Press("jinx", Qt::Key_Space);
    const SheetSnapshot before = Snapshot(sheet());
    std::vector<QWidget*> tipped;
    for (QWidget* w : window_->findChildren<QWidget*>()) {
      if (!w->toolTip().isEmpty()) tipped.push_back(w);
    }
    QVERIFY(tipped.size() >= 2 * 26);  // 26 closed trait boxes and their captions
    std::vector<QRect> places;
    for (QWidget* w : tipped) places.push_back(w->geometry());
    for (QWidget* w : tipped) {
      QHelpEvent help(QEvent::ToolTip, w->rect().center(), w->mapToGlobal(w->rect().center()));
      QApplication::sendEvent(w, &help);
    }
    QVERIFY(Snapshot(sheet()) == before);
    for (std::size_t i = 0; i < tipped.size(); ++i) QCOMPARE(tipped[i]->geometry(), places[i]);
  }

  // --- The screen's scale ---------------------------------------------------

  void theWindowIsDrawnAtTheScaleFactor() {
    const qreal factor = ScaleFactor();
    QCOMPARE(window_->devicePixelRatioF(), factor);
    const QPixmap shot = window_->grab();
    QCOMPARE(shot.size(), QSize(qRound(639 * factor), qRound(549 * factor)));
    const QString file = QDir(QStringLiteral(CINDRAL_DESKTOP_SCREENSHOT_DIR))
                             .filePath(QStringLiteral("window-scale-%1.png").arg(factor));
    QVERIFY(shot.save(file));

    // Each control appears in the window's picture at its logical place
    // times the factor, whole: nothing covers it and nothing cuts it off.
    const QImage window = shot.toImage().convertToFormat(QImage::Format_RGB32);
    for (const char* name : {"stplu", "lumin", "st", "Label48", "chpoint", "bruiser", "vatskin", "smallguns",
                             "outdoorsman", "info", "race", "Name", "Command1"}) {
      QWidget* w = Find(name);
      const QRect logical(w->mapTo(window_.get(), QPoint(0, 0)), w->size());
      const QRect device(qRound(logical.x() * factor), qRound(logical.y() * factor), qRound(logical.width() * factor),
                         qRound(logical.height() * factor));
      QVERIFY2(QRect(QPoint(0, 0), window.size()).contains(device), name);
      // The control drawn alone over the frames' black, at the same scale.
      QImage own(device.size(), QImage::Format_RGB32);
      own.setDevicePixelRatio(factor);
      own.fill(Qt::black);
      w->render(&own, QPoint(), QRegion(), QWidget::DrawChildren);
      // Rows stand 16 apart and are 17 high, so neighbours share their
      // outermost pixel; that rim is left out.
      const int rim = qCeil(factor);
      const QRect inner = QRect(QPoint(0, 0), device.size()).adjusted(rim, rim, -rim, -rim);
      QVERIFY2(window.copy(inner.translated(device.topLeft())) == own.copy(inner), name);
    }
  }

  void theIconIsSharpAtTheScaleFactor() {
    const qreal factor = ScaleFactor();
    const QIcon icon = window_->windowIcon();
    QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
    QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
    // The image drawn for a size is the one made for that many device
    // pixels, never one blown up from the smaller image; past 32 device
    // pixels it is the 32 image as it is, for the desktop to scale.
    for (const int size : {16, 32}) {
      const int device = qMin(qRound(size * factor), 32);
      const QPixmap drawn = icon.pixmap(QSize(size, size), factor);
      QCOMPARE(drawn.size(), QSize(device, device));
      const QImage image(QStringLiteral(CINDRAL_ICON_DIR "/cindral-%1.xpm").arg(device == 16 ? 16 : 32));
      QVERIFY(!image.isNull());
      QImage got = drawn.toImage().convertToFormat(QImage::Format_ARGB32);
      got.setDevicePixelRatio(1);
      QCOMPARE(got, image.convertToFormat(QImage::Format_ARGB32));
    }
  }

  // --- The zoom -------------------------------------------------------------

  // Ctrl+Plus (or Ctrl+=, or the keypad's plus) walks the zoom up through
  // every step to 300 % and no further, Ctrl+Minus back down, Ctrl+0 to
  // 100 % at once. At every step every control stands at its 100 % place
  // times the zoom within a pixel, every text is in its 100 % font times the
  // zoom, and the window is fixed at its size times the zoom; at 100 % all is
  // as it was. No step of the character is made.
  void everyControlGrowsWithTheZoom() {
    struct Place {
      QWidget* widget;
      QRect rect;
      qreal points;
    };
    std::vector<Place> actual;
    // Every control, by its name: the frames, labels, buttons, boxes and
    // text boxes the layout places (not the panel's scroll bar, hidden while
    // its text fits).
    for (QWidget* w : window_->findChildren<QWidget*>()) {
      const QString name = w->objectName();
      if (!w->isWindow() && w->isVisibleTo(window_.get()) && !name.isEmpty() && !name.startsWith(QLatin1String("qt_")))
        actual.push_back({w, w->geometry(), w->font().pointSizeF()});
    }
    QCOMPARE(actual.size(), std::size_t{6 + 2 * 7 + 2 + 2 * 17 + 28 + 2 + 2 * 19 + 2 + 1 + 15 + 47 + 3});
    // And the parts the style places: the race box's text, the notes' scroll bar.
    for (QWidget* part : {static_cast<QWidget*>(Find<QComboBox>("race")->lineEdit()),
                          static_cast<QWidget*>(Find<QPlainTextEdit>("extra")->verticalScrollBar())})
      actual.push_back({part, part->geometry(), part->font().pointSizeF()});
    const QSize size = window_->size();
    const auto expectZoom = [&](int percent) {
      const double zoom = percent / 100.0;
      const auto near = [zoom](int got, int at100) { return std::abs(got - at100 * zoom) <= 1; };
      QCOMPARE(window_->zoom(), percent);
      QVERIFY(near(window_->width(), size.width()) && near(window_->height(), size.height()));
      QCOMPARE(window_->minimumSize(), window_->maximumSize());
      for (const Place& p : actual) {
        const QRect at = p.widget->geometry();
        QVERIFY2(near(at.x(), p.rect.x()) && near(at.y(), p.rect.y()) && near(at.width(), p.rect.width()) &&
                     near(at.height(), p.rect.height()),
                 qPrintable(QStringLiteral("%1 at %2 %: %3,%4 %5x%6")
                                .arg(p.widget->objectName().isEmpty() ? p.widget->metaObject()->className()
                                                                      : p.widget->objectName())
                                .arg(percent)
                                .arg(at.x())
                                .arg(at.y())
                                .arg(at.width())
                                .arg(at.height())));
        QVERIFY2(qFuzzyCompare(p.widget->font().pointSizeF(), p.points * zoom), qPrintable(p.widget->objectName()));
      }
    };
    Find("bloody")->setFocus(Qt::TabFocusReason);
    for (const int percent : {125, 150, 175, 200, 250, 300, 300}) {
      PressWhereFocused(percent == 150 ? Qt::Key_Equal : Qt::Key_Plus,
                        percent == 175 ? Qt::ControlModifier | Qt::KeypadModifier : Qt::ControlModifier);
      expectZoom(percent);
      if (QTest::currentTestFailed()) return;
    }
    for (const int percent : {250, 200}) {
      PressWhereFocused(Qt::Key_Minus, Qt::ControlModifier);
      expectZoom(percent);
      if (QTest::currentTestFailed()) return;
    }
    PressWhereFocused(Qt::Key_0, Qt::ControlModifier);
    for (const Place& p : actual) QCOMPARE(p.widget->geometry(), p.rect);
    PressWhereFocused(Qt::Key_Minus, Qt::ControlModifier);
    expectZoom(100);
    QVERIFY(!window_->history().CanUndo());
  }

  // The context menu zooms too, shows the keys, greys what it cannot do and
  // opens in the window's zoomed font.
  void theContextMenuZoomsAndGreysWhatItCannot() {
    PressWhereFocused(Qt::Key_Plus, Qt::ControlModifier);
    QMenu& menu = window_->ContextMenu();
    QCOMPARE(menu.font().pointSizeF(), window_->font().pointSizeF());
    PressWhereFocused(Qt::Key_0, Qt::ControlModifier);
    const auto entry = [&menu](const char* name) { return menu.findChild<QAction*>(QString::fromLatin1(name)); };
    const auto open = [&] {
      menu.hide();
      menu.popup(window_->mapToGlobal(QPoint(10, 10)));
      QTRY_VERIFY(menu.isVisible());
    };
    open();
    QCOMPARE(entry("zoomIn")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Plus));
    QVERIFY(entry("zoomIn")->isEnabled() && !entry("zoomOut")->isEnabled() && !entry("actualSize")->isEnabled());
    entry("zoomIn")->trigger();
    QCOMPARE(window_->zoom(), 125);
    open();
    QCOMPARE(menu.font().pointSizeF(), window_->font().pointSizeF());
    QVERIFY(entry("zoomOut")->isEnabled() && entry("actualSize")->isEnabled());
    entry("actualSize")->trigger();
    QCOMPARE(window_->zoom(), 100);
    menu.hide();
    QVERIFY(!window_->history().CanUndo());
  }

  // Text measured as it is drawn at this scale still fits its label.
  void everyTextFitsAtTheScaleFactor() {
    for (const cindral::LabelPlace& p : cindral::LabelPlaces()) {
      if (p.look == cindral::Look::Panel) continue;  // it wraps, and scrolls what is longer
      const auto* label = Find<QLabel>(std::string(p.name).c_str());
      const int needed = label->fontMetrics().horizontalAdvance(label->text());
      QVERIFY2(needed <= label->width(), qPrintable(label->objectName() + ": " + label->text()));
    }
  }
};

QTEST_MAIN(DesktopTests)
#include "desktop_tests.moc"
