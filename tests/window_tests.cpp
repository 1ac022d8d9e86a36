// The window, driven as a player drives it: clicks on the real widgets,
// typing into the real boxes, and what the window then shows.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "character_window.h"
#include "help_texts.h"

using cindral::CharacterWindow;

namespace {

struct Expected {
  const char* name;
  const char* frame;  // the objectName of the frame it stands in, or "" for the window
  QRect rect;
};

}  // namespace

class WindowTests : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<CharacterWindow> window_;

  template <typename W = QWidget>
  W* Find(const char* name) {
    W* w = window_->findChild<W*>(QString::fromLatin1(name));
    if (!w) qFatal("no control named %s", name);
    return w;
  }
  QString Shown(const char* name) { return Find<QLabel>(name)->text(); }
  void Click(const char* name) {
    QWidget* w = Find(name);
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() / 2, w->height() / 2));
  }
  bool Ticked(const char* name) { return Find<QCheckBox>(name)->isChecked(); }
  bool Enabled(const char* name) { return Find(name)->isEnabled(); }
  void PickFromList(const QString& race) {
    auto* combo = Find<QComboBox>("race");
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const int row = combo->findText(race, Qt::MatchExactly);
    QVERIFY(row >= 0);
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    view->setCurrentIndex(index);
    const QRect r = view->visualRect(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    QTRY_VERIFY(!view->isVisible());
  }
  void TypeRace(const QString& text) {
    auto* edit = Find<QComboBox>("race")->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }

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

  void everyControlStandsWhereItBelongs_data() {
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QRect>("rect");
    const auto row = [](const char* name, const char* frame, QRect r) {
      QTest::newRow(name) << QString::fromLatin1(frame) << r;
    };
    row("Frame1", "", {16, 24, 105, 161});
    row("Frame2", "", {16, 184, 153, 297});
    row("Frame3", "", {168, 40, 145, 497});
    row("Frame4", "", {312, 40, 145, 361});
    row("Frame5", "", {456, 32, 177, 369});
    row("Frame6", "", {312, 400, 321, 137});
    row("Name", "", {168, 16, 145, 19});
    row("race", "", {312, 16, 113, 21});
    row("Command1", "", {56, 504, 57, 25});
    const char* stats[][4] = {{"st", "stplu", "stmin", "Label75"}, {"pe", "peplu", "pemin", "Label76"},
                              {"en", "enplu", "enmin", "Label77"}, {"ch", "chplu", "chmin", "Label78"},
                              {"intel", "inplu", "inmin", "Label79"}, {"ag", "agplu", "agmin", "Label80"},
                              {"lu", "luplu", "lumin", "Label81"}};
    for (int k = 0; k < 7; ++k) {
      const int top = 16 + 16 * k;
      row(stats[k][3], "Frame1", {8, top, 25, 17});
      row(stats[k][0], "Frame1", {40, top, 17, 17});
      row(stats[k][1], "Frame1", {64, top, 17, 17});
      row(stats[k][2], "Frame1", {80, top, 17, 17});
    }
    row("Label82", "Frame1", {8, 136, 57, 17});
    row("chpoint", "Frame1", {72, 136, 25, 17});
    const char* secondary[] = {"hp", "ac", "md", "bd", "dres", "pres", "rres", "gres", "eres",
                               "ap", "carrywt", "hr", "cc", "seq", "skillrate", "perkrate", "hprate"};
    for (int k = 0; k < 17; ++k) row(secondary[k], "Frame2", {120, 16 + 16 * k, 25, 17});
    row("Label48", "Frame2", {8, 16, 65, 17});
    row("Label65", "Frame2", {8, 16 + 16 * 7, 65, 17});
    row("Label66", "Frame2", {8, 16 + 16 * 8, 73, 17});
    row("Label74", "Frame2", {8, 16 + 16 * 16, 73, 17});
    const char* traits[] = {"betasoft", "bloody", "bruiser", "chemrel", "chemres", "domesticated", "empshield",
                            "fastmet", "fastshot", "fearthereap", "finesse", "gifted", "glowingone", "goodnature",
                            "hamfist", "heavyhand", "jinx", "kamikaze", "nightperson", "onehand", "rabid",
                            "sexappeal", "skilled", "smallframe", "targetcomp", "techwizard", "tightnuts", "vatskin"};
    for (int k = 0; k < 28; ++k) row(traits[k], "Frame3", {8, 16 + 16 * k, 17, 17});
    row("Label32", "Frame3", {32, 16, 73, 17});       // Beta Software
    row("Label17", "Frame3", {32, 32, 81, 17});       // Bloody Mess
    row("Label24", "Frame3", {32, 16 + 16 * 4, 89, 17});   // Chem. Resistance
    row("Label34", "Frame3", {32, 16 + 16 * 24, 97, 17});  // Targetting Computer
    row("Label29", "Frame3", {32, 16 + 16 * 27, 73, 17});  // Vat Skin
    row("Label83", "Frame3", {8, 472, 57, 17});
    row("traits", "Frame3", {128, 472, 9, 17});
    const char* skills[][2] = {{"smallguns", "sma"}, {"bigguns", "big"}, {"energyweapons", "ene"},
                               {"unarmed", "una"}, {"melee", "mel"}, {"throwing", "thr"}, {"firstaid", "fir"},
                               {"doctor", "doc"}, {"sneak", "sne"}, {"lockpick", "loc"}, {"steal", "ste"},
                               {"traps", "tra"}, {"science", "sci"}, {"repair", "rep"}, {"pilot", "pil"},
                               {"speech", "spe"}, {"barter", "bar"}, {"gambling", "gam"}, {"outdoorsman", "out"}};
    for (int k = 0; k < 19; ++k) {
      row(skills[k][0], "Frame4", {8, 16 + 16 * k, 17, 17});
      row(skills[k][1], "Frame4", {112, 16 + 16 * k, 25, 17});
    }
    row("Label94", "Frame4", {8, 336, 97, 17});
    row("tags", "Frame4", {128, 336, 9, 17});
    row("info", "Frame5", {8, 24, 161, 337});
    row("extra", "Frame6", {8, 16, 305, 113});
  }
  void everyControlStandsWhereItBelongs() {
    QFETCH(QString, frame);
    QFETCH(QRect, rect);
    QWidget* w = Find(QTest::currentDataTag());
    QWidget* expectedParent = frame.isEmpty() ? window_.get() : Find(frame.toLatin1().constData());
    QCOMPARE(w->parentWidget(), expectedParent);
    QCOMPARE(w->geometry(), rect);
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
    for (QLabel* label : Find("Frame4")->findChildren<QLabel*>()) {
      if (label->x() == 24) QVERIFY2(label->width() >= 49 && label->width() <= 105, qPrintable(label->objectName()));
    }
  }

  void tabWalksTheControlsInOrderSkippingDisabledOnes() {
    const QStringList expected = {
        "bloody",  "bruiser",  "fastmet",  "smallframe",  "onehand",  "kamikaze",  "finesse", "heavyhand",
        "fastshot", "jinx",    "chemrel",  "goodnature",  "chemres",  "nightperson", "skilled", "sexappeal",
        "gifted",  "techwizard", "stplu",  "stmin",       "peplu",    "pemin",     "chplu",   "chmin",
        "enplu",   "enmin",    "agplu",    "agmin",       "inplu",    "inmin",     "luplu",   "lumin",
        "race",    "smallguns", "bigguns", "energyweapons", "unarmed", "melee",    "throwing", "firstaid",
        "doctor",  "pilot",    "sneak",    "lockpick",    "steal",    "traps",     "science", "repair",
        "speech",  "barter",   "gambling", "outdoorsman", "extra",    "Command1",  "Name",    "bloody"};
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
