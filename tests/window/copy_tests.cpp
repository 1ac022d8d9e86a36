// The character copied out of the window: both forms on the clipboard, with
// every value of a character that differs from the start in every part,
// and the keys and the menu entry that copy it; pasted back in; and
// printed, through the print preview, into a PDF on A4 and on Letter.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QtTest>

#include <memory>

#include "character_summary.h"
#include "character_window.h"
#include "event_generator.h"
#include "game_facts.h"
#include "qt_text.h"
#include "window_driver.h"

using cindral::CharacterWindow;

namespace {

const QString kCopied = QStringLiteral(
    "Character copied. Paste it into a chat or a text editor as plain text, or into a word processor as a table.");

// A Robot with Intelligence and Agility raised (Char Points 3 to 1), Small
// Guns and Science tagged, Bruiser (Strength 7 to 9) and Finesse, and a
// name that needs escaping.
const QString kName = QStringLiteral("Ada <b>&\"");

// clang-format off
const QString kRobotText = QStringLiteral(
    "Cindral PnP Character Generator 1.0\n"
    "\n"
    "Name: Ada <b>&\"\n"
    "Race: Robot\n"
    "\n"
    "Primary Stats\n"
    "Strength: 9\n" "Perception: 7\n" "Endurance: 7\n" "Charisma: 1\n" "Intelligence: 6\n" "Agility: 6\n"
    "Luck: 5\n" "Char Points: 1\n"
    "\n"
    "Traits: Bruiser, Finesse\n"
    "\n"
    "Skills\n"
    "Small Guns: 49% (tagged)\n" "Big Guns: 12%\n" "Energy Weapons: 12%\n" "Unarmed: 60%\n" "Melee Weapon: 50%\n"
    "Throwing: 24%\n" "First Aid: 28%\n" "Doctor: 18%\n" "Sneak: 23%\n" "Lockpick: 23%\n" "Steal: 18%\n"
    "Traps: 23%\n" "Science: 44% (tagged)\n" "Repair: 18%\n" "Pilot: 26%\n" "Speech: 5%\n" "Barter: 4%\n"
    "Gambling: 25%\n" "Outdoorsman: 26%\n"
    "\n"
    "Secondary Stats\n"
    "Hit Points: 38\n" "Armor Class: 6\n" "Melee Dmg.: 4\n" "Bonus Dmg.: -30%\n" "Damage Res.: 40%\n"
    "Poison Res.: 35%\n" "Rad Res.: 14%\n" "Gas Res.: 0/0\n" "Electricity Res.: 0%\n" "Action Pts.: 6\n"
    "Carry Wt.: 250\n" "Heal Rate: 2\n" "Crit. Chance: 15%\n" "Sequence: 14\n" "Skill Rate: 17\n" "Perk Rate: 0\n"
    "HP Rate: 6\n"
    "\n"
    "Extra: Robots have a 40% Damage resistance to all kinds of attacks... except EMP (pulse weapons), they dont "
    "gain perks either. Bruiser. -2 Action Points, +2 Strength. Finesse. +10 Critical Chance, -30% Damage.\n"
    "\n"
    "Check: Char Points: 1 unspent; Tags Left: 1 unspent\n");

// The table, row by row, cell by cell; a cell that spans columns once.
const QList<QStringList> kRobotRows = {
    {"Cindral PnP Character Generator 1.0"},
    {"Name", "Ada <b>&\""}, {"Race", "Robot"},
    {"Primary Stats"},
    {"Strength", "9", ""}, {"Perception", "7", ""}, {"Endurance", "7", ""}, {"Charisma", "1", ""},
    {"Intelligence", "6", ""}, {"Agility", "6", ""}, {"Luck", "5", ""}, {"Char Points", "1", ""},
    {"Traits", "Bruiser, Finesse"},
    {"Skills"},
    {"Small Guns", "49%", "tagged"}, {"Big Guns", "12%", ""}, {"Energy Weapons", "12%", ""}, {"Unarmed", "60%", ""},
    {"Melee Weapon", "50%", ""}, {"Throwing", "24%", ""}, {"First Aid", "28%", ""}, {"Doctor", "18%", ""},
    {"Sneak", "23%", ""}, {"Lockpick", "23%", ""}, {"Steal", "18%", ""}, {"Traps", "23%", ""},
    {"Science", "44%", "tagged"}, {"Repair", "18%", ""}, {"Pilot", "26%", ""}, {"Speech", "5%", ""},
    {"Barter", "4%", ""}, {"Gambling", "25%", ""}, {"Outdoorsman", "26%", ""},
    {"Secondary Stats"},
    {"Hit Points", "38", ""}, {"Armor Class", "6", ""}, {"Melee Dmg.", "4", ""}, {"Bonus Dmg.", "-30%", ""},
    {"Damage Res.", "40%", ""}, {"Poison Res.", "35%", ""}, {"Rad Res.", "14%", ""}, {"Gas Res.", "0/0", ""},
    {"Electricity Res.", "0%", ""}, {"Action Pts.", "6", ""}, {"Carry Wt.", "250", ""}, {"Heal Rate", "2", ""},
    {"Crit. Chance", "15%", ""}, {"Sequence", "14", ""}, {"Skill Rate", "17", ""}, {"Perk Rate", "0", ""},
    {"HP Rate", "6", ""},
    {"Extra", "Robots have a 40% Damage resistance to all kinds of attacks... except EMP (pulse weapons), they dont gain "
     "perks either. Bruiser. -2 Action Points, +2 Strength. Finesse. +10 Critical Chance, -30% Damage."},
    {"Check", "Char Points: 1 unspent; Tags Left: 1 unspent"},
};
// clang-format on

// The first table of an HTML text as a word processor would read it.
QList<QStringList> TableRows(const QString& html) {
  QTextDocument document;
  document.setHtml(html);
  QTextTable* table = nullptr;
  for (QTextFrame* frame : document.rootFrame()->childFrames()) {
    if ((table = qobject_cast<QTextTable*>(frame))) break;
  }
  QList<QStringList> rows;
  if (!table) return rows;
  for (int r = 0; r < table->rows(); ++r) {
    QStringList cells;
    for (int c = 0; c < table->columns(); ++c) {
      const QTextTableCell cell = table->cellAt(r, c);
      if (cell.column() != c) continue;  // the rest of a spanning cell
      QTextCursor cursor = cell.firstCursorPosition();
      cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
      cells << cursor.selectedText().trimmed();
    }
    rows << cells;
  }
  return rows;
}

// A text as the page's letters run: without the blanks and line breaks
// where it wraps, nor the marks that only say which way letters run.
QString Letters(QString text) {
  return text.remove(
      QRegularExpression(QStringLiteral("[\\s\\x{200E}\\x{200F}\\x{202A}-\\x{202E}\\x{2066}-\\x{2069}]")));
}

// Whether the page's letters hold a title whole, or its first twenty
// letters or more and "…" where it was cut to the paper's width.
bool HoldsTitle(const QString& page, const QString& title) {
  for (qsizetype n = title.size(); n >= qMin<qsizetype>(20, title.size()); --n) {
    if (page.contains(n == title.size() ? title : title.left(n) + QChar(0x2026))) return true;
  }
  return false;
}

}  // namespace

class CopyTests : public QObject, protected cindral::test::WindowDriver {
  Q_OBJECT

 private:
  QString Panel() { return Shown("info"); }
  void Press(QWidget* at, QKeyCombination key) {
    at->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(at->hasFocus());
    QTest::keyClick(at, key.key(), key.keyboardModifiers());
  }
  void MakeTheRobot() {
    PickFromList(QStringLiteral("Robot"));
    for (const char* name : {"inplu", "agplu", "smallguns", "science", "bruiser", "finesse"}) Click(name);
    QLineEdit* name = Find<QLineEdit>("Name");
    name->setFocus(Qt::TabFocusReason);
    name->selectAll();
    QTest::keyClicks(name, kName);
    QCOMPARE(name->text(), kName);
  }
  void ClearClipboard() {
    QApplication::clipboard()->setText(QStringLiteral("before"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
  }
  QString Clipboard() { return QApplication::clipboard()->text(); }

 private slots:
  void init() {
    window_ = std::make_unique<CharacterWindow>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    ClearClipboard();
  }
  void cleanup() { window_.reset(); }

  void theCopyHoldsEveryValueAsTextAndAsATable() {
    MakeTheRobot();
    Press(Find("science"), cindral::kCopyCharacterKey);

    const QMimeData* data = QApplication::clipboard()->mimeData();
    QVERIFY(data && data->hasText() && data->hasHtml());
    QCOMPARE(data->text(), kRobotText);
    const QString html = data->html();
    QCOMPARE(TableRows(html), kRobotRows);
    // The player's own texts are escaped, never markup.
    QVERIFY(html.contains(QStringLiteral("Ada &lt;b&gt;&amp;&quot;")));
    QVERIFY(!html.contains(QStringLiteral("<b>")));
    QCOMPARE(Panel(), kCopied);
  }

  // The start: no traits, no notes, a typed race text as it stands, marked
  // as typed.
  void aCharacterWithoutTraitsOrNotesSaysNone() {
    QLineEdit* race = Find<QComboBox>("race")->lineEdit();
    race->setFocus(Qt::TabFocusReason);
    race->selectAll();
    QTest::keyClicks(race, QStringLiteral("Elf & <i>"));
    Press(Find("bruiser"), cindral::kCopyCharacterKey);
    const QString text = Clipboard();
    QVERIFY(
        text.startsWith(QStringLiteral("Cindral PnP Character Generator 1.0\n\nName: Name\nRace: Elf & <i> (typed, "
                                       "not picked; trait boxes follow Human)\n\nPrimary Stats\nStrength: 5\n")));
    QVERIFY(text.contains(QStringLiteral("\nChar Points: 5\n\nTraits: none\n\nSkills\nSmall Guns: 25%\n")));
    QVERIFY(text.contains(QStringLiteral("\nElectricity Res.: 30%\n")));
    const QString check = QStringLiteral(
        "Check: Race: \u201CElf & <i>\u201D typed, not picked; the trait boxes follow Human; Char Points: 5 unspent; "
        "Traits Left: 2 unspent; Tags Left: 3 unspent");
    QVERIFY(text.endsWith(QStringLiteral("\nHP Rate: 6\n\nExtra: none\n\n") + check + QLatin1Char('\n')));
    const QList<QStringList> rows = TableRows(QApplication::clipboard()->mimeData()->html());
    QCOMPARE(rows.value(2), (QStringList{"Race", "Elf & <i> (typed, not picked; trait boxes follow Human)"}));
    QCOMPARE(rows.value(12), (QStringList{"Traits", "none"}));
    QCOMPARE(rows.value(rows.size() - 2), (QStringList{"Extra", "none"}));
    QCOMPARE(rows.back(), (QStringList{"Check", check.mid(7)}));
  }

  // Ctrl+C copies the character where no text is selected; a selection in
  // the name box or the notes box is copied as ever.
  void ctrlCCopiesTheCharacterWhereNoTextIsSelected() {
    Click("stplu");
    QLineEdit* name = Find<QLineEdit>("Name");
    name->setFocus(Qt::TabFocusReason);
    name->setSelection(1, 2);
    QTest::keyClick(name, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(Clipboard(), QStringLiteral("am"));
    QCOMPARE(Panel(), QString());

    name->deselect();
    QTest::keyClick(name, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(Clipboard().contains(QStringLiteral("\nName: Name\nRace: Human\n\nPrimary Stats\nStrength: 6\n")));
    QCOMPARE(Panel(), kCopied);

    PickFromList(QStringLiteral("Robot"));  // notes to select
    ClearClipboard();
    auto* notes = Find<QPlainTextEdit>("extra");
    notes->setFocus(Qt::TabFocusReason);
    QTextCursor cursor = notes->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(6, QTextCursor::KeepAnchor);
    notes->setTextCursor(cursor);
    QTest::keyClick(notes, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(Clipboard(), QStringLiteral("Robots"));
    cursor.clearSelection();
    notes->setTextCursor(cursor);
    QTest::keyClick(notes, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(Clipboard().contains(QStringLiteral("\nName: Name\nRace: Robot\n")));

    ClearClipboard();
    Press(Find("stplu"), cindral::kCopyKey);
    QVERIFY(Clipboard().contains(QStringLiteral("\nName: Name\nRace: Robot\n")));

    // Ctrl+Shift+C copies the character even over a selection.
    name->setFocus(Qt::TabFocusReason);
    name->selectAll();
    QTest::keyClick(name, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(Clipboard().contains(QStringLiteral("\nName: Name\n")));
  }

  // Picks an entry of the context menu a right-click on Hit Points opens.
  void ChooseFromMenu(const char* entry) {
    const QPoint at = Find("Label48")->mapTo(window_.get(), QPoint(3, 3));
    QTest::mouseClick(window_->windowHandle(), Qt::RightButton, {}, at);
    auto* menu = window_->findChild<QMenu*>(QStringLiteral("windowMenu"));
    QTRY_VERIFY(menu && menu->isVisible());
    QAction* action = menu->findChild<QAction*>(QString::fromLatin1(entry));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    QTRY_VERIFY(!menu->isVisible());
  }

  // The menu's entry copies it too; copying is no step to take back. The
  // menu's paste brings it back.
  void theMenuCopiesTheCharacterAndCopyingIsNoStep() {
    Click("stplu");
    ChooseFromMenu("copyCharacter");
    QVERIFY(Clipboard().contains(QStringLiteral("\nStrength: 6\n")));
    QCOMPARE(Panel(), kCopied);

    Press(Find("bruiser"), cindral::kUndoKey);
    QCOMPARE(Find<QLabel>("st")->text(), QStringLiteral("5"));
    QCOMPARE(Panel(), kCopied);  // the panel keeps its text through undo
    ChooseFromMenu("pasteCharacter");
    QCOMPARE(Find<QLabel>("st")->text(), QStringLiteral("6"));
    QVERIFY(Clipboard().contains(QStringLiteral("\nStrength: 6\n")));
  }

  // Copy, pick another race, paste: the character comes back whole, as one
  // step that one Ctrl+Z takes back. Ctrl+V pastes text into the name box,
  // and a character's copy as the character wherever the focus is, the race
  // text included.
  void aCopyPastesBackAsOneStep() {
    MakeTheRobot();
    Press(Find("science"), cindral::kCopyCharacterKey);
    const QString copied = Clipboard();
    PickFromList(QStringLiteral("Human"));
    Press(Find("bruiser"), cindral::kPasteCharacterKey);
    QCOMPARE(Find<QComboBox>("race")->currentText(), QStringLiteral("Robot"));
    QCOMPARE(Find<QLineEdit>("Name")->text(), kName);
    QVERIFY(Ticked("finesse") && Ticked("science") && !Ticked("fastmet"));
    QCOMPARE(Panel(), QStringLiteral("Character pasted: \u201CAda <b>&\"\u201D, a Robot.\n"
                                     "Checked: every value matches the rules\n"
                                     "Worth a look:\nChar Points: 1 unspent\nTags Left: 1 unspent"));
    Press(Find("bruiser"), cindral::kCopyCharacterKey);
    QCOMPARE(Clipboard(), copied);

    Press(Find("bruiser"), cindral::kUndoKey);
    QCOMPARE(Find<QComboBox>("race")->currentText(), QStringLiteral("Human"));
    QVERIFY(!Ticked("finesse") && !Ticked("science"));
    QApplication::clipboard()->setText(QStringLiteral("Zed"));
    Press(Find("Name"), cindral::kPasteKey);
    QCOMPARE(Find<QLineEdit>("Name")->text(), QStringLiteral("Zed"));  // over the text the focus selected
    QCOMPARE(Find<QComboBox>("race")->currentText(), QStringLiteral("Human"));
    QApplication::clipboard()->setText(copied);
    Press(Find<QComboBox>("race")->lineEdit(), cindral::kPasteKey);
    QCOMPARE(Find<QComboBox>("race")->currentText(), QStringLiteral("Robot"));
    QCOMPARE(Find<QLineEdit>("Name")->text(), kName);
    QVERIFY(Find<cindral::RaceBox>("race")->showsPicked());
  }

  // A report longer than the panel gets a scroll bar, is read to its end
  // and is copied out from the keyboard and from the panel's own menu; a
  // text that fits shows none. Without a selection, Ctrl+C in the panel
  // copies the character.
  void thePanelScrollsALongReportAndCopiesItsSelection() {
    auto* panel = Find<QPlainTextEdit>("info");
    auto* bar = Find<QScrollBar>("infoScrollBar");
    Click("Label39");
    QVERIFY(!bar->isVisible());

    // The copy with every skill and secondary statistic wrong: 36 differences.
    Press(Find("bruiser"), cindral::kCopyCharacterKey);
    QStringList lines = Clipboard().split(QLatin1Char('\n'));
    const qsizetype skills = lines.indexOf(QStringLiteral("Skills")),
                    extra = lines.indexOf(QStringLiteral("Extra: none"));
    for (qsizetype i = skills + 1; i < extra; ++i) {
      if (lines[i].contains(QStringLiteral(": "))) lines[i] = lines[i].section(QStringLiteral(": "), 0, 0) + ": 999";
    }
    QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
    Press(Find("bruiser"), cindral::kPasteCharacterKey);
    QVERIFY(Panel().contains(QStringLiteral("Checked: 36 values differ")));
    QTRY_VERIFY(bar->isVisible());

    // Read to its end from the keyboard, and copied whole.
    QTextCursor end(panel->document());
    end.movePosition(QTextCursor::End);
    QVERIFY(!panel->viewport()->rect().contains(panel->cursorRect(end)));
    Press(panel, Qt::CTRL | Qt::Key_End);
    QVERIFY(panel->viewport()->rect().contains(panel->cursorRect(end)));
    QTest::keyClick(panel, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(panel, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(Clipboard(), Panel());

    // The first line shown, selected with the keyboard and copied with the
    // menu's entry.
    QTest::keyClick(panel, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(panel, Qt::Key_Down, Qt::ShiftModifier);
    const QPoint at = panel->viewport()->mapTo(window_.get(), QPoint(10, 10));
    QTest::mouseClick(window_->windowHandle(), Qt::RightButton, {}, at);
    auto* menu = panel->findChild<QMenu*>(QStringLiteral("infoMenu"));
    QTRY_VERIFY(menu && menu->isVisible());
    QAction* copy = menu->findChild<QAction*>(QStringLiteral("copyInfo"));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(copy).center());
    QTRY_VERIFY(!menu->isVisible());
    QCOMPARE(Clipboard(), QStringLiteral("Character pasted: \u201CName\u201D, a "));

    panel->moveCursor(QTextCursor::Start);
    Press(panel, cindral::kCopyKey);
    QVERIFY(Clipboard().startsWith(QStringLiteral("Cindral PnP Character Generator 1.0\n")));
    Click("Label39");
    QTRY_VERIFY(!bar->isVisible());
  }

  // A picture pastes nothing: the key says so in the panel and changes no
  // value, and the menu's entry is greyed.
  void aPictureOnTheClipboardPastesNothing() {
    Click("stplu");
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QApplication::clipboard()->setImage(picture);
    Press(Find("bruiser"), cindral::kPasteCharacterKey);
    QCOMPARE(Panel(), QStringLiteral("Nothing pasted: the clipboard holds no text."));
    QCOMPARE(Shown("st"), QStringLiteral("6"));
    const QPoint at = Find("Label48")->mapTo(window_.get(), QPoint(3, 3));
    QTest::mouseClick(window_->windowHandle(), Qt::RightButton, {}, at);
    auto* menu = window_->findChild<QMenu*>(QStringLiteral("windowMenu"));
    QTRY_VERIFY(menu && menu->isVisible());
    QVERIFY(!menu->findChild<QAction*>(QStringLiteral("pasteCharacter"))->isEnabled());
    menu->hide();
  }

  // --- Printing ---------------------------------------------------------

  // Characters of seeded play printed into a PDF on A4 and on Letter: one
  // page, holding every value of the character's copy, a row's value and
  // mark beside its caption, each trait with its effects, and what else the
  // notes say under Extra. The first is printed with Ctrl+P in the name box,
  // the second from the context menu; printing is no step and leaves the
  // panel as it was.
  void aPrintedCharacterHoldsEveryValueOnOnePage() {
    using cindral::LineKind;
    cindral::test::SeededChoices choices(2112);
    cindral::test::EventGenerator events(choices);
    const auto playUntil = [&](auto wanted) {
      for (int i = 0; i < 5000 && !wanted(cindral::Summarize(window_->engine())); ++i) window_->Act(events.Next());
      return wanted(cindral::Summarize(window_->engine()));
    };
    const auto line = [](const cindral::CharacterSummary& s, LineKind kind) { return s[cindral::LineOf(kind)]; };

    QVERIFY(playUntil([&](const cindral::CharacterSummary& s) {  // a race picked, two traits, a tag
      return line(s, LineKind::Traits).value.find(", ") != std::string::npos && line(s, LineKind::Race).mark.empty() &&
             std::any_of(s.begin(), s.end(), [](const cindral::SummaryLine& l) { return l.mark == "tagged"; });
    }));
    window_->Act(cindral::TypeName("\u200F\u05E9\u05DC\u05D5\u05DD Ada\u202Eevil\u202C\t\x01\n"));
    const QString panel = Panel();
    const bool couldUndo = window_->CanUndo();
    QPrintPreviewDialog* preview = PressPrint(Find("Name"));
    QVERIFY(preview);
    // The Hebrew letters in their order, the letters after the
    // right-to-left override the other way round, the rest escaped.
    PrintedPagesHold(*preview, QStringLiteral("\u05E9\u05DC\u05D5\u05DDAdalive\\t\\x01\\n"));
    preview->close();
    QTRY_VERIFY(!window_->findChild<QPrintPreviewDialog*>());  // closed, the preview is gone
    QCOMPARE(Panel(), panel);
    QCOMPARE(window_->CanUndo(), couldUndo);
    QVERIFY(!window_->CanRedo());

    for (int i = 0; i < 300; ++i) window_->Act(events.Next());
    QVERIFY(playUntil([&](const cindral::CharacterSummary& s) { return !line(s, LineKind::Race).mark.empty(); }));
    window_->Act(cindral::TypeName(cindral::test::Repeat("Vault Dweller ", 40)));
    ChooseFromMenu("printCharacter");
    preview = window_->findChild<QPrintPreviewDialog*>(QStringLiteral("printPreview"));
    QTRY_VERIFY(preview && preview->isVisible());
    PrintedPagesHold(*preview, Letters(cindral::test::Repeat("Vault Dweller ", 40).c_str()));
    preview->close();
  }

 private:
  // The preview printed on A4 and on Letter; `name` as its letters read on
  // the paper.
  void PrintedPagesHold(QPrintPreviewDialog& preview, const QString& name) {
    const cindral::CharacterSummary summary = cindral::Summarize(window_->engine());
    QTemporaryDir folder;
    for (const auto& [paper, paperName] : {std::pair{QPageSize::A4, "A4"}, std::pair{QPageSize::Letter, "letter"}}) {
      const QString pdf = folder.filePath(QLatin1String(paperName) + QStringLiteral(".pdf"));
      PrintToPdf(preview, pdf, paper);
      const QString info = Poppler(QStringLiteral("pdfinfo"), {pdf});
      QVERIFY2(!info.isEmpty(), "pdfinfo and pdftotext come with poppler-utils (scripts/deps.sh installs it)");
      QVERIFY2(info.contains(QStringLiteral("\nPages:           1\n")), qPrintable(info));
      QVERIFY2(info.contains(QStringLiteral("(%1)").arg(QLatin1String(paperName))), qPrintable(info));
      // As laid out on the paper, for the rows; as its texts run, for the rest.
      const QString page = Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
      const QString flowing = Poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
      const QString letters = Letters(flowing);
      const auto value = [&](cindral::LineKind kind) { return cindral::Q(summary[cindral::LineOf(kind)].value); };
      QVERIFY2(HoldsTitle(letters, name), qPrintable(flowing));
      QVERIFY2(HoldsTitle(letters, Letters(value(cindral::LineKind::Race))), qPrintable(flowing));
      const QString raceMark = cindral::Q(summary[cindral::LineOf(cindral::LineKind::Race)].mark);
      QVERIFY(raceMark.isEmpty() || letters.contains(Letters("(" + raceMark + ")")));
      for (std::size_t i = 0; i < cindral::kSummaryLineCount; ++i) {
        if (cindral::kSummaryLines[i].group.empty()) continue;  // a row: its caption, value and mark on one line
        QString row = QStringLiteral("(^|  )") +
                      QRegularExpression::escape(cindral::Q(cindral::kSummaryLines[i].caption)) + " +" +
                      QRegularExpression::escape(cindral::Q(summary[i].value));
        if (!summary[i].mark.empty()) row += " +" + QRegularExpression::escape(cindral::Q(summary[i].mark));
        QVERIFY2(page.contains(QRegularExpression(row + "( |$)", QRegularExpression::MultilineOption)),
                 qPrintable(row + "\n" + page));
      }
      QString notes = value(cindral::LineKind::Notes);
      const QStringList traits = value(cindral::LineKind::Traits).split(QStringLiteral(", "));
      for (const cindral::test::game::TraitFacts& trait : cindral::test::game::kTraitFacts) {
        if (!traits.contains(cindral::Q(trait.caption))) continue;
        const QString noteLine = cindral::Q(trait.noteLine).trimmed();
        const QString effects = noteLine.mid(noteLine.indexOf(QStringLiteral(". ")) + 2);
        QVERIFY2(letters.contains(Letters(cindral::Q(trait.caption) + effects)), qPrintable(flowing));
        notes.remove(noteLine);
      }
      if (traits == QStringList{"none"}) QVERIFY2(letters.contains(QStringLiteral("Traitsnone")), qPrintable(flowing));
      notes = notes.trimmed();
      QVERIFY2(letters.contains(Letters("Extra" + (notes.isEmpty() ? QStringLiteral("none") : notes))),
               qPrintable(flowing));
    }
  }
};

QTEST_MAIN(CopyTests)
#include "copy_tests.moc"
