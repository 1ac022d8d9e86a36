// The information panel's help texts: each one starts with its title, states
// the rule's numbers and formulas as the game writes them, and fits the
// panel whole. The panel has no scroll bar, so a text that is too long loses
// its last lines, and with them the end of the rule.
#include <QFontInfo>
#include <QLabel>
#include <QStringList>
#include <QtTest>

#include <algorithm>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>

#include "events.h"
#include "fonts.h"
#include "help_texts.h"

using namespace cindral;

namespace {

// The panel `info`: 161 x 337, word-wrapped, top-left, in the default font.
constexpr int kPanelWidth = 161;
constexpr int kPanelHeight = 337;
// Above this share of the panel a text fits here but may lose its last line
// where the font is hinted differently.
constexpr double kComfortableShare = 0.95;

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString HelpTextOf(const char* control) { return ToQString(HelpFor(control)); }

// Every control that shows a help text, with the title its text begins with.
struct TitleRow {
  const char* control;
  const char* title;
};

constexpr TitleRow kTitles[] = {
    {"Label32", "Beta Software - "},        {"Label17", "Bloody Mess - "},
    {"Label4", "Bruiser - "},               {"Label25", "Chem Reliant - "},
    {"Label24", "Chem Resistant - "},       {"Label27", "Domesticated - "},
    {"Label33", "EMP Shielding - "},        {"Label16", "Fast Metabolism - "},
    {"Label6", "Fast Shot - "},             {"Label30", "Fear The Reaper - "},
    {"Label12", "Finesse - "},              {"Label21", "Gifted - "},
    {"Label19", "Glowing One - "},          {"Label26", "Good Natured - "},
    {"Label28", "Ham Fisted - "},           {"Label8", "Heavy Handed - "},
    {"Label18", "Jinxed - "},               {"Label10", "Kamikaze - "},
    {"Label23", "Night Person - "},         {"Label13", "One Hander - "},
    {"Label36", "Rabid - "},                {"Label20", "Sex Appeal - "},
    {"Label22", "Skilled - "},              {"Label14", "Small Frame - "},
    {"Label34", "Targeting Computer - "},   {"Label31", "Tech Wizard - "},
    {"Label35", "Tight Nuts - "},           {"Label29", "Vat Skin - "},
    {"Label39", "Small Guns - "},           {"Label40", "Big Guns - "},
    {"Label41", "Energy Weapons - "},       {"Label42", "Unarmed - "},
    {"Label43", "Melee Weapons - "},        {"Label44", "Throwing - "},
    {"Label45", "First Aid - "},            {"Label46", "Doctor - "},
    {"Label49", "Sneak - "},                {"Label50", "Lockpick - "},
    {"Label51", "Steal - "},                {"Label52", "Traps – "},
    {"Label53", "Science - "},              {"Label54", "Repair - "},
    {"Label47", "Pilot – "},                {"Label55", "Speech - "},
    {"Label56", "Barter - "},               {"Label57", "Gambling – "},
    {"Label58", "Outdoorsman – "},          {"Label48", "HIT POINTS (HP): "},
    {"Label59", "ARMOR CLASS (AC): "},      {"Label60", "MELEE DAMAGE: "},
    {"Label61", "Bonus Damage - "},         {"Label62", "DAMAGE RESISTANCE: "},
    {"Label63", "POISON RESISTANCE: "},     {"Label64", "RADIATION RESISTANCE: "},
    {"Label65", "GAS RESISTANCE: "},        {"Label66", "ELECTRICAL RESISTANCE: "},
    {"Label67", "ACTION POINTS (AP): "},    {"Label68", "CARRY WEIGHT: "},
    {"Label69", "HEALING RATE: "},          {"Label70", "CRITICAL CHANCE: "},
    {"Label71", "SEQUENCE: "},              {"Label72", "SKILL RATE: "},
    {"Label73", "PERK RATE: "},             {"Label74", "HP RATE: "},
    {"Command1", "Cindral PnP Character Generator v1.0"},
};

// The numbers and formulas each trait and secondary statistic text must
// state, written as the rule gives them.
struct ContentRow {
  const char* control;
  QStringList stated;
};

const ContentRow kContents[] = {
    {"Label32", {"1 extra tag skill", "Luck", "fails automatically", "action points"}},
    {"Label17", {"violent", "game master"}},
    {"Label4", {"+2 Strength", "-2 action points"}},
    {"Label25", {"twice", "half the time"}},
    {"Label24", {"half as long", "50%"}},
    {"Label27", {"Intelligence +1", "racial maximum", "melee damage -2"}},
    {"Label33", {"30%", "EMP", "2 action points"}},
    {"Label16", {"+2 healing rate", "0%", "20%", "(0%)"}},
    {"Label6", {"one action point less", "targeted shots", "melee"}},
    {"Label30", {"human rate", "once a month", "Luck"}},
    {"Label12", {"30% of their damage", "30% damage resistance", "+10%"}},
    {"Label21", {"7 extra points", "-10%", "5 fewer skill points"}},
    {"Label19", {"light modifiers", "+50%", "10 rads per hour"}},
    {"Label26", {"First Aid, Doctor, Speech and Barter +20%",
                 "Small Guns, Big Guns, Energy Weapons, Unarmed and Melee Weapons -10%",
                 "one-time"}},
    {"Label28", {"free tag in Unarmed",
                 "-20% to Small Guns, First Aid, Doctor, Repair, Science and Lockpick", "0%"}},
    {"Label8", {"+4 melee damage", "30% less damage", "30% less likely"}},
    {"Label18", {"50%", "critical failures"}},
    {"Label10", {"0 whatever the Agility", "+5 sequence"}},
    {"Label23", {"-1 from 0601 to 1800", "+1 from 1801 to 0600"}},
    {"Label13", {"-40%", "+20%"}},
    {"Label36", {"blindness", "+5 action points", "stimpaks"}},
    {"Label20", {"+1 Charisma", "+40%", "-1", "-40%"}},
    {"Label22", {"5 more skill points", "every four levels", "every three"}},
    {"Label14", {"+1 Agility", "15 pounds times Strength"}},
    {"Label34", {"1 extra action point", "+15%"}},
    {"Label31", {"+15% to Science, Repair and Lockpick", "-1 Perception"}},
    {"Label35", {"base damage resistance", "half the hit points"}},
    {"Label29", {"+10 armor class", "ten hexes", "-1 Perception"}},
    {"Label48", {"15 + STR + 2xEN", "3 + 1/2 (round down) EN", "dead stay dead"}},
    {"Label59", {"Agility 6 and armor 5 give 11"}},
    {"Label60", {"Strength"}},
    {"Label61", {"traits or perks"}},
    {"Label62", {"armor", "0%"}},
    {"Label63", {"5 X EN", "Endurance 6 gives 30%"}},
    {"Label64", {"2 X EN", "Endurance 8 gives 16%", "1000 rads, 840 get in"}},
    {"Label65", {"inhaled/contact", "0 / 0", "robots"}},
    {"Label66", {"starts at 0"}},
    {"Label67", {"costs 1", "often 2", "often 5", "never below 5"}},
    {"Label68", {"25 + 25 lbs X STR", "Strength 6 gives 175 pounds"}},
    {"Label69", {"six hours of rest", "Endurance"}},
    {"Label70", {"Luck 3 gives 3%"}},
    {"Label71", {"2 X PE"}},
    {"Label72", {"5 + (2 X IN)"}},
    {"Label73", {"levels between new perks"}},
    {"Label74", {"(3 + (1/2 EN))"}},
};

// A skill's starting level, as its text states it, and what that gives a
// character whose seven statistics are all 5.
struct StartingLevelRow {
  const char* control;
  Skill skill;
  const char* formula;
  int atAllFive;
};

constexpr StartingLevelRow kStartingLevels[] = {
    {"Label39", Skill::SmallGuns, "5% + (4 X AG)", 25},
    {"Label40", Skill::BigGuns, "0% + (2 X AG)", 10},
    {"Label41", Skill::EnergyWeapons, "0% + (2 X AG)", 10},
    {"Label42", Skill::Unarmed, "30% + (2 X (AG + STR))", 50},
    {"Label43", Skill::Melee, "20% + (2 X (AG + STR))", 40},
    {"Label44", Skill::Throwing, "0% + (4 X AG)", 20},
    {"Label45", Skill::FirstAid, "0% + (2 X (PE + EN))", 20},
    {"Label46", Skill::Doctor, "5% + (PE + IN)", 15},
    {"Label49", Skill::Sneak, "5% + (3 X AG)", 20},
    {"Label50", Skill::Lockpick, "10% + (PE + AG)", 20},
    {"Label51", Skill::Steal, "0% + (3 X AG)", 15},
    {"Label52", Skill::Traps, "10% + (PE + AG)", 20},
    {"Label53", Skill::Science, "0% + (4 X IN)", 20},
    {"Label54", Skill::Repair, "0% + (3 X IN)", 15},
    {"Label47", Skill::Pilot, "0% + 2X (AG + PE)", 20},
    {"Label55", Skill::Speech, "0% + (5 X CH)", 25},
    {"Label56", Skill::Barter, "0% + (4 X CH)", 20},
    {"Label57", Skill::Gambling, "0% + (5 X LK)", 25},
    {"Label58", Skill::Outdoorsman, "0% + (2 X (EN + IN))", 20},
};

const QString kTagsLeftCaptionText = QStringLiteral(
    "This is the number of Tag Skils you can pick for your character. A tagged skill increase "
    "twice as fast as a normal skill.");
const QString kTagsLeftCounterText = kTagsLeftCaptionText + QStringLiteral(" This indicates the number of tags left");

}  // namespace

class HelpTextTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();

  void aTextTooLongForThePanelIsCaught();
  void everyTextFitsThePanel_data();
  void everyTextFitsThePanel();

  void everyHelpTextIsTitled();
  void everyTextStartsWithItsTitle_data();
  void everyTextStartsWithItsTitle();
  void textsStateTheRulesNumbers_data();
  void textsStateTheRulesNumbers();
  void skillTextsEndWithTheStartingLevel_data();
  void skillTextsEndWithTheStartingLevel();
  void theStartingLevelIsWhatANewHumanShows_data();
  void theStartingLevelIsWhatANewHumanShows();
  void traitBoxShowsItsCaptionsText();
  void tagsLeftTextsAreExact();
  void aboutTextCreditsAndInvitesReports();

 private:
  // The height the panel needs to show the whole text.
  int HeightNeeded(const QString& text);

  std::unique_ptr<QLabel> panel_;
};

void HelpTextTest::initTestCase() {
  QFont font(QString::fromLatin1(kFontFamily));
  font.setPointSizeF(kDefaultPointSize);
  panel_ = std::make_unique<QLabel>();
  panel_->setFont(font);
  panel_->setWordWrap(true);
  panel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  panel_->setFixedWidth(kPanelWidth);

  // Measured in a stand-in font, the heights would say nothing.
  const QFontInfo shown(panel_->font());
  QVERIFY2(shown.family() == QString::fromLatin1(kFontFamily),
           qPrintable(QStringLiteral("the panel font resolves to \"%1\"; is fonts-liberation installed?")
                          .arg(shown.family())));
  qDebug("panel font %s %.2f pt = %d px at %d dpi", qPrintable(shown.family()), shown.pointSizeF(),
         shown.pixelSize(), panel_->logicalDpiY());
}

int HelpTextTest::HeightNeeded(const QString& text) {
  panel_->setText(text);
  return panel_->heightForWidth(kPanelWidth);
}

void HelpTextTest::aTextTooLongForThePanelIsCaught() {
  const QString oneText = HelpTextOf("Label16");  // one of the longest texts
  QVERIFY(HeightNeeded(oneText) > 0);
  QVERIFY2(HeightNeeded(oneText.repeated(10)) > kPanelHeight, "the measure lets any length through");
}

void HelpTextTest::everyTextFitsThePanel_data() {
  QTest::addColumn<QString>("text");
  for (const HelpText& row : kHelpTexts) {
    QTest::newRow(std::string(row.control).c_str()) << ToQString(row.text);
  }
}

void HelpTextTest::everyTextFitsThePanel() {
  QFETCH(QString, text);
  const int height = HeightNeeded(text);
  qDebug("%3d of %d px (%3.0f%%), %3lld characters", height, kPanelHeight, 100.0 * height / kPanelHeight,
         static_cast<long long>(text.size()));
  QVERIFY2(height > 0, "the text was not measured");
  QVERIFY2(height <= kPanelHeight,
           qPrintable(QStringLiteral("needs %1 px of the panel's %2: its end is cut off: \"%3\"")
                          .arg(height)
                          .arg(kPanelHeight)
                          .arg(text)));
  if (height > kComfortableShare * kPanelHeight) {
    qWarning("fits, but with less than %.0f%% of the panel to spare", 100 * (1 - kComfortableShare));
  }
}

void HelpTextTest::everyHelpTextIsTitled() {
  // Each row of the table is a control the player can click; each has a title.
  for (const HelpText& row : kHelpTexts) {
    const auto titled = std::find_if(std::begin(kTitles), std::end(kTitles),
                                     [&](const TitleRow& t) { return row.control == t.control; });
    const bool isTagsLeft = row.control == "Label94" || row.control == "tags";
    QVERIFY2(isTagsLeft || titled != std::end(kTitles),
             qPrintable(QStringLiteral("%1 has a help text but no title").arg(ToQString(row.control))));
  }
  QCOMPARE(std::size(kTitles) + 2, kHelpTextCount);
}

void HelpTextTest::everyTextStartsWithItsTitle_data() {
  QTest::addColumn<QString>("title");
  QTest::addColumn<QString>("text");
  for (const TitleRow& row : kTitles) {
    QTest::newRow(row.control) << QString::fromUtf8(row.title) << HelpTextOf(row.control);
  }
}

void HelpTextTest::everyTextStartsWithItsTitle() {
  QFETCH(QString, title);
  QFETCH(QString, text);
  QVERIFY2(text.startsWith(title), qPrintable(QStringLiteral("\"%1\" does not begin \"%2\"").arg(text, title)));
  QVERIFY2(text.size() > title.size() + 20, "the title has no rule text after it");
  QVERIFY2(!text.contains(QLatin1Char('\n')), "a help text is one paragraph");
}

void HelpTextTest::textsStateTheRulesNumbers_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QStringList>("stated");
  for (const ContentRow& row : kContents) {
    QTest::newRow(row.control) << HelpTextOf(row.control) << row.stated;
  }
}

void HelpTextTest::textsStateTheRulesNumbers() {
  QFETCH(QString, text);
  QFETCH(QStringList, stated);
  for (const QString& part : stated) {
    QVERIFY2(text.contains(part), qPrintable(QStringLiteral("\"%1\" does not say \"%2\"").arg(text, part)));
  }
}

void HelpTextTest::skillTextsEndWithTheStartingLevel_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("startingLevel");
  for (const StartingLevelRow& row : kStartingLevels) {
    QTest::newRow(row.control) << HelpTextOf(row.control)
                               << QStringLiteral("Initial Level: %1 = %2% at ")
                                      .arg(QString::fromUtf8(row.formula))
                                      .arg(row.atAllFive);
  }
}

void HelpTextTest::skillTextsEndWithTheStartingLevel() {
  QFETCH(QString, text);
  QFETCH(QString, startingLevel);
  const qsizetype at = text.indexOf(startingLevel);
  QVERIFY2(at > 0, qPrintable(QStringLiteral("\"%1\" does not state \"%2\"").arg(text, startingLevel)));
  // Only the statistics at 5 follow the value, and nothing after them.
  const QString tail = text.mid(at + startingLevel.size());
  QVERIFY2(tail.endsWith(QStringLiteral(" 5")) && !tail.contains(QLatin1Char('.')),
           qPrintable(QStringLiteral("the text goes on after its starting level: \"%1\"").arg(tail)));
}

void HelpTextTest::theStartingLevelIsWhatANewHumanShows_data() {
  QTest::addColumn<int>("skill");
  QTest::addColumn<int>("atAllFive");
  for (const StartingLevelRow& row : kStartingLevels) {
    QTest::newRow(row.control) << static_cast<int>(row.skill) << row.atAllFive;
  }
}

void HelpTextTest::theStartingLevelIsWhatANewHumanShows() {
  // A Human starts with every statistic at 5, nothing tagged and no trait.
  QFETCH(int, skill);
  QFETCH(int, atAllFive);
  Engine engine;
  engine.Start();
  QCOMPARE(QString::fromStdString(engine.sheet().Text(ValueField(static_cast<Skill>(skill)))),
           QStringLiteral("%1%").arg(atAllFive));
}

void HelpTextTest::traitBoxShowsItsCaptionsText() {
  // Ticking a trait box and unticking it both show the text of its caption.
  for (const HelpText& row : kHelpTexts) {
    if (row.box.empty()) continue;
    const auto box = FindBox(row.box);
    QVERIFY2(box && !IsTagBox(*box), qPrintable(ToQString(row.box)));
    const QString captionText = HelpTextOf(std::string(row.control).c_str());
    Engine engine;
    engine.Start();
    engine.sheet().SetState(*box, 1);
    QCOMPARE(QString::fromStdString(engine.sheet().Text(Field::info)), captionText);
    QVERIFY(engine.Click("Label48"));
    engine.sheet().SetState(*box, 0);
    QCOMPARE(QString::fromStdString(engine.sheet().Text(Field::info)), captionText);
  }
}

void HelpTextTest::tagsLeftTextsAreExact() {
  QCOMPARE(HelpTextOf("Label94"), kTagsLeftCaptionText);
  QCOMPARE(HelpTextOf("tags"), kTagsLeftCounterText);
}

void HelpTextTest::aboutTextCreditsAndInvitesReports() {
  const QString about = HelpTextOf("Command1");
  QVERIFY(about.startsWith(QStringLiteral("Cindral PnP Character Generator v1.0 ")));
  QVERIFY2(about.contains(QStringLiteral("suggestions"), Qt::CaseInsensitive) &&
               about.contains(QStringLiteral("error reports"), Qt::CaseInsensitive),
           qPrintable(about));
  QVERIFY2(!about.contains(QLatin1Char('@')) && !about.contains(QStringLiteral("://")),
           "the About text names no address");
}

QTEST_MAIN(HelpTextTest)
#include "help_text_tests.moc"
