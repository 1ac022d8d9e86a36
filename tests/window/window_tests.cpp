// The window, driven as a player drives it: clicks on the real widgets,
// typing into the real boxes, and what the window then shows.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "character_window.h"
#include "help_texts.h"
#include "window_driver.h"

using cindral::CharacterWindow;

namespace {

struct Expected {
  const char* name;
  const char* frame;  // the objectName of the frame it stands in, or "" for the window
  QRect rect;
};

}  // namespace

class WindowTests : public QObject, protected cindral::test::WindowDriver {
  Q_OBJECT

 private:
  bool Enabled(const char* name) { return Find(name)->isEnabled(); }

 private slots:
  void init() {
    window_ = std::make_unique<CharacterWindow>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  void cleanup() { window_.reset(); }

  void opensOnAHumanWithEveryValueFilled() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Cindral PnP Character Generator"));
    QCOMPARE(window_->size(), QSize(639, 549));
    QCOMPARE(Find<QComboBox>("race")->currentText(), QStringLiteral("Human"));
    QCOMPARE(Find<QLineEdit>("Name")->text(), QStringLiteral("Name"));
    QCOMPARE(Shown("tags"), QStringLiteral("3"));
    QCOMPARE(Shown("traits"), QStringLiteral("2"));
    QCOMPARE(Shown("hp"), QStringLiteral("30"));
    QCOMPARE(Shown("eres"), QStringLiteral("30%"));
    QCOMPARE(Shown("gres"), QStringLiteral("0/0"));
    QCOMPARE(Shown("sma"), QStringLiteral("25%"));
    QCOMPARE(Shown("info"), QString());
    for (const char* field : {"hp", "ac", "md", "bd", "dres", "pres", "rres", "gres", "eres", "ap", "carrywt", "hr",
                              "cc", "seq", "skillrate", "perkrate", "hprate"}) {
      QVERIFY2(!Shown(field).isEmpty(), field);
    }
    for (const std::string_view box : cindral::kBoxNames) {
      QVERIFY(!Find<QCheckBox>(std::string(box).c_str())->isChecked());
    }
    QVERIFY(!window_->windowIcon().isNull());
    QVERIFY(window_->windowIcon().availableSizes().contains(QSize(16, 16)));
    QVERIFY(window_->windowIcon().availableSizes().contains(QSize(32, 32)));
  }

  void aStrengthClickReachesTheSecondaryStatsAndSkills() {
    Click("stplu");
    QCOMPARE(Shown("st"), QStringLiteral("6"));
    QCOMPARE(Shown("chpoint"), QStringLiteral("4"));
    QCOMPARE(Shown("hp"), QStringLiteral("31"));
    QCOMPARE(Shown("carrywt"), QStringLiteral("175"));
    QCOMPARE(Shown("una"), QStringLiteral("52%"));
    QCOMPARE(Shown("mel"), QStringLiteral("42%"));
    Click("stmin");
    QCOMPARE(Shown("st"), QStringLiteral("5"));
    QCOMPARE(Shown("chpoint"), QStringLiteral("5"));
  }

  void aPickFromTheListResetsTheCharacterButTypingRunsNothing() {
    Click("agplu");
    PickFromList(QStringLiteral("Robot"));
    QCOMPARE(Shown("st"), QStringLiteral("7"));
    QCOMPARE(Shown("ag"), QStringLiteral("5"));
    QCOMPARE(Shown("chpoint"), QStringLiteral("3"));
    QCOMPARE(Shown("perkrate"), QStringLiteral("0"));
    QVERIFY(Find<QPlainTextEdit>("extra")->toPlainText().startsWith(QStringLiteral("Robots have")));
    QVERIFY(Enabled("betasoft"));

    // Typed, then Enter, then leaving the box: the text stays as typed and
    // nothing is recomputed until the next click reads it.
    TypeRace(QStringLiteral("human"));
    QTest::keyClick(Find<QComboBox>("race")->lineEdit(), Qt::Key_Return);
    Find<QLineEdit>("Name")->setFocus();
    QCOMPARE(Find<QComboBox>("race")->currentText(), QStringLiteral("human"));
    QCOMPARE(window_->engine().sheet().Text(cindral::Field::race), "human");
    QCOMPARE(Shown("st"), QStringLiteral("7"));
    QCOMPARE(Shown("chpoint"), QStringLiteral("3"));
    QCOMPARE(Find<QComboBox>("race")->count(), 8);

    // "Human" typed exactly: still nothing runs, but the next click's
    // recomputation reads it.
    TypeRace(QStringLiteral("Human"));
    Find<QLineEdit>("Name")->setFocus();
    QCOMPARE(Shown("eres"), QStringLiteral("0%"));
    Click("stplu");
    QCOMPARE(Shown("st"), QStringLiteral("8"));
    QCOMPARE(Shown("eres"), QStringLiteral("30%"));
  }

  void theMouseWheelOverTheRaceBoxPicksNothing() {
    Click("stplu");
    auto* combo = Find<QComboBox>("race");
    QWheelEvent wheel(QPointF(10, 10), combo->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(combo, &wheel);
    QCOMPARE(combo->currentText(), QStringLiteral("Human"));
    QCOMPARE(Shown("st"), QStringLiteral("6"));
  }

  // "Robot" is an entry of the list: typed, confirmed with Enter and left
  // with Tab it is still only text, and the Human stays a Human.
  void aTypedRaceNameLeftWithTabRunsNothing() {
    Click("stplu");
    TypeRace(QStringLiteral("Robot"));
    auto* edit = Find<QComboBox>("race")->lineEdit();
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("smallguns"));
    QCOMPARE(Find<QComboBox>("race")->currentText(), QStringLiteral("Robot"));
    QCOMPARE(window_->engine().sheet().Text(cindral::Field::race), "Robot");
    QCOMPARE(Shown("st"), QStringLiteral("6"));
    QCOMPARE(Shown("chpoint"), QStringLiteral("4"));
    QCOMPARE(Shown("perkrate"), QStringLiteral("3"));
    QCOMPARE(Find<QPlainTextEdit>("extra")->toPlainText(), QString());
    QVERIFY(!Enabled("betasoft"));
  }

  // After typing, the box's own idea of its current entry is stale; picking
  // that very entry must still run the race handling and show its name.
  void aPickAfterTypingShowsThePickedRace() {
    Click("stplu");
    Click("smallguns");
    TypeRace(QStringLiteral("Robot"));
    PickFromList(QStringLiteral("Human"));
    QCOMPARE(Find<QComboBox>("race")->currentText(), QStringLiteral("Human"));
    QCOMPARE(window_->engine().sheet().Text(cindral::Field::race), "Human");
    QCOMPARE(Shown("st"), QStringLiteral("5"));
    QCOMPARE(Shown("chpoint"), QStringLiteral("5"));
    QCOMPARE(Shown("tags"), QStringLiteral("3"));
    QVERIFY(!Ticked("smallguns"));
  }

  // The space bar on a focused box is a click like any other: the engine
  // flips the box and counts the trait.
  void spaceOnAFocusedBoxGoesThroughTheTickRule() {
    QWidget* box = Find("bloody");
    QCOMPARE(QApplication::focusWidget(), box);
    QTest::keyClick(box, Qt::Key_Space);
    QVERIFY(Ticked("bloody"));
    QCOMPARE(Shown("traits"), QStringLiteral("1"));
    QCOMPARE(window_->engine().sheet().State(cindral::Box::bloody), 1);
    QTest::keyClick(box, Qt::Key_Space);
    QVERIFY(!Ticked("bloody"));
    QCOMPARE(Shown("traits"), QStringLiteral("2"));
  }

  // Every label of the window: a caption (or the counter `tags`) shows its
  // own help text, any other label leaves the panel as it was.
  void everyCaptionShowsItsOwnTextAndNothingElseReacts() {
    Click("Command1");
    int reacting = 0;
    for (QLabel* label : window_->findChildren<QLabel*>()) {
      const std::string name = label->objectName().toStdString();
      const QString before = Shown("info");
      QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(2, label->height() / 2));
      if (cindral::FindControl(name)) {
        ++reacting;
        const std::string_view help = cindral::HelpFor(name);
        QVERIFY2(!help.empty(), name.c_str());
        QCOMPARE(Shown("info"), QString::fromUtf8(help.data(), static_cast<qsizetype>(help.size())));
      } else {
        QVERIFY2(Shown("info") == before, name.c_str());
      }
    }
    QCOMPARE(reacting, 66);
    QCOMPARE(Shown("tags"), QStringLiteral("3"));
    QCOMPARE(Shown("traits"), QStringLiteral("2"));
  }

  void tagBoxesCloseAtZeroTagsAndOpenAgain() {
    Click("smallguns");
    Click("sneak");
    Click("doctor");
    QCOMPARE(Shown("tags"), QStringLiteral("0"));
    QCOMPARE(Shown("sma"), QStringLiteral("45%"));
    QVERIFY(!Enabled("bigguns"));
    QVERIFY(Enabled("sneak") && Ticked("sneak"));
    Click("bigguns");  // disabled: ignores the player
    QVERIFY(!Ticked("bigguns"));
    QCOMPARE(Shown("big"), QStringLiteral("10%"));
    Click("sneak");
    QCOMPARE(Shown("tags"), QStringLiteral("1"));
    QVERIFY(!Ticked("sneak"));
    QVERIFY(Enabled("bigguns"));
  }

  void traitBoxesFollowTraitsLeftAndShowTheirText() {
    QVERIFY(!Enabled("betasoft"));
    Click("finesse");
    QCOMPARE(Shown("traits"), QStringLiteral("1"));
    QCOMPARE(Shown("cc"), QStringLiteral("15%"));
    QCOMPARE(Shown("info"), QString::fromUtf8(cindral::TraitHelp(cindral::Trait::finesse).data()));
    Click("jinx");
    QCOMPARE(Shown("traits"), QStringLiteral("0"));
    QVERIFY(!Enabled("bruiser"));
    QVERIFY(Enabled("finesse") && Enabled("jinx"));
    Click("jinx");
    QCOMPARE(Shown("traits"), QStringLiteral("1"));
    QVERIFY(Enabled("bruiser"));
    QVERIFY(!Enabled("vatskin"));
  }

  void humanToGhoulUnticksBothTraitsAndShowsTheLast() {
    Click("finesse");
    Click("sexappeal");
    PickFromList(QStringLiteral("Ghoul"));
    QVERIFY(!Ticked("finesse") && !Ticked("sexappeal"));
    QCOMPARE(Shown("traits"), QStringLiteral("2"));
    QVERIFY(!Enabled("sexappeal"));
    QVERIFY(Enabled("glowingone") && Enabled("fearthereap"));
    QCOMPARE(Shown("perkrate"), QStringLiteral("4"));
    QCOMPARE(Shown("pres"), QStringLiteral("55%"));
    QCOMPARE(Shown("info"), QString::fromUtf8(cindral::TraitHelp(cindral::Trait::sexappeal).data()));
  }

  void captionsShowTheirTextAndOtherLabelsDoNothing() {
    Click("Label94");
    const QString tagsLeft = Shown("info");
    QVERIFY(tagsLeft.startsWith(QStringLiteral("This is the number of Tag Skils")));
    Click("tags");
    QCOMPARE(Shown("info"), tagsLeft + QStringLiteral(" This indicates the number of tags left"));
    Click("Label48");
    QVERIFY(Shown("info").startsWith(QStringLiteral("HIT POINTS (HP): ")));
    const QString before = Shown("info");
    for (const char* quiet : {"Label75", "Label82", "Label83", "st", "hp", "chpoint", "traits", "Frame1", "info"}) {
      Click(quiet);
      QCOMPARE(Shown("info"), before);
    }
    Click("Label29");  // Vat Skin's caption: its box is disabled for a Human, the caption is not
    QVERIFY(Shown("info").startsWith(QStringLiteral("Vat Skin - ")));
    Click("Command1");
    QVERIFY(Shown("info").startsWith(QStringLiteral("Cindral PnP Character Generator v1.0")));
  }

  void theNotesBoxCannotBeTypedInto() {
    auto* extra = Find<QPlainTextEdit>("extra");
    QVERIFY(extra->isReadOnly());
    extra->setFocus();
    QTest::keyClicks(extra, QStringLiteral("abc"));
    QCOMPARE(extra->toPlainText(), QString());
    QTest::keyClicks(Find<QLineEdit>("Name"), QStringLiteral("Ada"));
    QCOMPARE(window_->engine().sheet().Text(cindral::Field::Name), "NameAda");
    QCOMPARE(Shown("hp"), QStringLiteral("30"));
  }

  // Where each control stands, relative to its frame, and for a caption the
  // text it shows. Rows stand 16 pixels apart, from 16.
  void everyControlStandsWhereItBelongs_data() {
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("caption");
    const auto row = [](const char* name, const char* frame, QRect r, const char* caption = "") {
      QTest::newRow(name) << QString::fromLatin1(frame) << r << QString::fromLatin1(caption);
    };
    const auto top = [](int k) { return 16 + 16 * k; };
    row("Frame1", "", {16, 24, 105, 161}, "Primary Stats");
    row("Frame2", "", {16, 184, 153, 297}, "Secondary Stats");
    row("Frame3", "", {168, 40, 145, 497}, "Traits");
    row("Frame4", "", {312, 40, 145, 361}, "Skills");
    row("Frame5", "", {456, 32, 177, 369}, "Information");
    row("Frame6", "", {312, 400, 321, 137}, "Extra");
    row("Name", "", {168, 16, 145, 19});
    row("race", "", {312, 16, 113, 21});
    row("Command1", "", {56, 504, 57, 25}, "About");
    const char* stats[][5] = {{"st", "stplu", "stmin", "Label75", "ST"},    {"pe", "peplu", "pemin", "Label76", "PE"},
                              {"en", "enplu", "enmin", "Label77", "EN"},    {"ch", "chplu", "chmin", "Label78", "CH"},
                              {"intel", "inplu", "inmin", "Label79", "IN"}, {"ag", "agplu", "agmin", "Label80", "AG"},
                              {"lu", "luplu", "lumin", "Label81", "LU"}};
    for (int k = 0; k < 7; ++k) {
      row(stats[k][3], "Frame1", {8, top(k), 25, 17}, stats[k][4]);
      row(stats[k][0], "Frame1", {40, top(k), 17, 17});
      row(stats[k][1], "Frame1", {64, top(k), 17, 17}, "+");
      row(stats[k][2], "Frame1", {80, top(k), 17, 17}, "-");
    }
    row("Label82", "Frame1", {8, 136, 57, 17}, "Char Points");
    row("chpoint", "Frame1", {72, 136, 25, 17});
    // clang-format off
    const char* secondary[][3] = {
        {"hp", "Label48", "Hit Points"},         {"ac", "Label59", "Armor Class"},   {"md", "Label60", "Melee Dmg."},
        {"bd", "Label61", "Bonus Dmg."},         {"dres", "Label62", "Damage Res."}, {"pres", "Label63", "Poison Res."},
        {"rres", "Label64", "Rad Res."},         {"gres", "Label65", "Gas Res."},
        {"eres", "Label66", "Electricity Res."}, {"ap", "Label67", "Action Pts."},   {"carrywt", "Label68", "Carry Wt."},
        {"hr", "Label69", "Heal Rate"},          {"cc", "Label70", "Crit. Chance"},  {"seq", "Label71", "Sequence"},
        {"skillrate", "Label72", "Skill Rate"},  {"perkrate", "Label73", "Perk Rate"}, {"hprate", "Label74", "HP Rate"}};
    // clang-format on
    for (int k = 0; k < 17; ++k) {
      row(secondary[k][1], "Frame2", {8, top(k), k < 8 ? 65 : 73, 17}, secondary[k][2]);
      row(secondary[k][0], "Frame2", {120, top(k), 25, 17});
    }
    struct TraitRow {
      const char* box;
      const char* label;
      const char* caption;
      int width;
    };
    // clang-format off
    const TraitRow traits[] = {
        {"betasoft", "Label32", "Beta Software", 73},      {"bloody", "Label17", "Bloody Mess", 81},
        {"bruiser", "Label4", "Bruiser", 81},              {"chemrel", "Label25", "Chem. Reliant", 73},
        {"chemres", "Label24", "Chem. Resistance", 89},    {"domesticated", "Label27", "Domesticated", 73},
        {"empshield", "Label33", "EMP Shielding", 73},     {"fastmet", "Label16", "Fast Metabolism", 81},
        {"fastshot", "Label6", "Fast Shot", 73},           {"fearthereap", "Label30", "Fear The Reaper", 81},
        {"finesse", "Label12", "Finesse", 73},             {"gifted", "Label21", "Gifted", 73},
        {"glowingone", "Label19", "Glowing One", 73},      {"goodnature", "Label26", "Good Natured", 73},
        {"hamfist", "Label28", "Ham Fisted", 73},          {"heavyhand", "Label8", "Heavy Handed", 73},
        {"jinx", "Label18", "Jinxed", 73},                 {"kamikaze", "Label10", "Kamikaze", 73},
        {"nightperson", "Label23", "Night Person", 73},    {"onehand", "Label13", "One Hander", 73},
        {"rabid", "Label36", "Rabid", 73},                 {"sexappeal", "Label20", "Sex Appeal", 73},
        {"skilled", "Label22", "Skilled", 73},             {"smallframe", "Label14", "Small Frame", 73},
        {"targetcomp", "Label34", "Targetting Computer", 97}, {"techwizard", "Label31", "Tech Wizard", 73},
        {"tightnuts", "Label35", "Tight Nuts", 73},        {"vatskin", "Label29", "Vat Skin", 73}};
    // clang-format on
    for (int k = 0; k < 28; ++k) {
      row(traits[k].box, "Frame3", {8, top(k), 17, 17});
      row(traits[k].label, "Frame3", {32, top(k), traits[k].width, 17}, traits[k].caption);
    }
    row("Label83", "Frame3", {8, 472, 57, 17}, "Traits Left");
    row("traits", "Frame3", {128, 472, 9, 17});
    // clang-format off
    const char* skills[][3] = {
        {"smallguns", "sma", "Small Guns"}, {"bigguns", "big", "Big Guns"}, {"energyweapons", "ene", "Energy Weapons"},
        {"unarmed", "una", "Unarmed"},      {"melee", "mel", "Melee Weapon"}, {"throwing", "thr", "Throwing"},
        {"firstaid", "fir", "First Aid"},   {"doctor", "doc", "Doctor"},      {"sneak", "sne", "Sneak"},
        {"lockpick", "loc", "Lockpick"},    {"steal", "ste", "Steal"},        {"traps", "tra", "Traps"},
        {"science", "sci", "Science"},      {"repair", "rep", "Repair"},      {"pilot", "pil", "Pilot"},
        {"speech", "spe", "Speech"},        {"barter", "bar", "Barter"},      {"gambling", "gam", "Gambling"},
        {"outdoorsman", "out", "Outdoorsman"}};
    // clang-format on
    const char* skillCaptions[] = {"Label39", "Label40", "Label41", "Label42", "Label43", "Label44", "Label45",
                                   "Label46", "Label49", "Label50", "Label51", "Label52", "Label53", "Label54",
                                   "Label47", "Label55", "Label56", "Label57", "Label58"};
    for (int k = 0; k < 19; ++k) {
      row(skills[k][0], "Frame4", {8, top(k), 17, 17});
      // The caption's width is its own (49 to 105, wide enough for it): -1
      // stands for "any width in that range".
      row(skillCaptions[k], "Frame4", {24, top(k), -1, 17}, skills[k][2]);
      row(skills[k][1], "Frame4", {112, top(k), 25, 17});
    }
    row("Label94", "Frame4", {8, 336, 97, 17}, "Tags Left");
    row("tags", "Frame4", {128, 336, 9, 17});
    row("info", "Frame5", {8, 24, 161, 337});
    row("extra", "Frame6", {8, 16, 305, 113});
  }
  void everyControlStandsWhereItBelongs() {
    QFETCH(QString, frame);
    QFETCH(QRect, rect);
    QFETCH(QString, caption);
    QWidget* w = Find(QTest::currentDataTag());
    QWidget* expectedParent = frame.isEmpty() ? window_.get() : Find(frame.toLatin1().constData());
    QCOMPARE(w->parentWidget(), expectedParent);
    if (rect.width() < 0) {
      QVERIFY2(w->width() >= 49 && w->width() <= 105, qPrintable(QString::number(w->width())));
      rect.setWidth(w->width());
    }
    QCOMPARE(w->geometry(), rect);
    if (auto* label = qobject_cast<QLabel*>(w); label && !caption.isEmpty()) QCOMPARE(label->text(), caption);
    if (auto* button = qobject_cast<QPushButton*>(w)) QCOMPARE(button->text(), caption);
    if (QString(QTest::currentDataTag()).startsWith(QLatin1String("Frame"))) {
      const auto* sheetFrame = dynamic_cast<const cindral::SheetFrame*>(w);
      QVERIFY(sheetFrame);
      QCOMPARE(sheetFrame->title(), caption);
    }
    if (auto* box = qobject_cast<QCheckBox*>(w)) QVERIFY(box->text().isEmpty());
  }

  void everyCaptionAndValueFitsItsPlace() {
    Click("Label48");  // fills the panel, which wraps instead
    for (const char* race : {"Robot", "Super-Mutant", "Deathclaw"}) {
      PickFromList(QString::fromLatin1(race));
      for (QLabel* label : window_->findChildren<QLabel*>()) {
        if (label->objectName() == QLatin1String("info")) continue;
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), qPrintable(label->text()));
      }
    }
  }

  void tabWalksTheControlsInOrderSkippingDisabledOnes() {
    const QStringList expected = {
        "bloody",   "bruiser",    "fastmet",  "smallframe",    "onehand", "kamikaze",    "finesse",  "heavyhand",
        "fastshot", "jinx",       "chemrel",  "goodnature",    "chemres", "nightperson", "skilled",  "sexappeal",
        "gifted",   "techwizard", "stplu",    "stmin",         "peplu",   "pemin",       "chplu",    "chmin",
        "enplu",    "enmin",      "agplu",    "agmin",         "inplu",   "inmin",       "luplu",    "lumin",
        "race",     "smallguns",  "bigguns",  "energyweapons", "unarmed", "melee",       "throwing", "firstaid",
        "doctor",   "pilot",      "sneak",    "lockpick",      "steal",   "traps",       "science",  "repair",
        "speech",   "barter",     "gambling", "outdoorsman",   "extra",   "info",        "Command1", "Name",
        "bloody"};
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("bloody"));
    for (int i = 1; i < expected.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QWidget* focus = QApplication::focusWidget();
      while (focus && focus->objectName().isEmpty()) focus = focus->parentWidget();  // the race box's text part
      QVERIFY(focus);
      QCOMPARE(focus->objectName(), expected[i]);
    }
  }

  void writesAScreenshot() {
    Click("finesse");
    Click("smallguns");
    Click("Label39");
    QDir().mkpath(QStringLiteral(CINDRAL_SCREENSHOT_DIR));
    const QString path = QStringLiteral(CINDRAL_SCREENSHOT_DIR "/window.png");
    QVERIFY(window_->grab().save(path));
    QVERIFY(QFileInfo(path).size() > 0);
  }
};

QTEST_MAIN(WindowTests)
#include "window_tests.moc"
