// What the player sees of the state of the window, read from its pixels:
// a box that cannot be ticked looks closed, the keyboard focus shows as a
// ring wherever it is, a race that is typed and not picked looks so, and
// captions, values and boxes share their rows' lines. Run at scale 1 and,
// for high-resolution screens, at scale 2; each run leaves pictures of the
// window in such a state, of its context menu and of the print preview in
// the build folder, and the run at scale 1 a picture of the printed page.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QToolTip>
#include <QtTest>

#include <memory>

#include "character_window.h"
#include "window_driver.h"

using cindral::CharacterWindow;

namespace {

qreal ScaleFactor() {
  bool ok = false;
  const qreal f = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
  return ok && f > 0 ? f : 1.0;
}

bool IsRing(QRgb p) { return qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) < 90; }
bool IsGreenText(QRgb p) { return qGreen(p) > 150 && qRed(p) < 100 && qBlue(p) < 100; }
int Brightness(QRgb p) { return (qRed(p) + qGreen(p) + qBlue(p)) / 3; }

// The rows (in device pixels) in which any pixel passes the test.
template <typename Test>
QPair<int, int> RowSpan(const QImage& image, Test test) {
  int first = -1, last = -1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (!test(image.pixel(x, y))) continue;
      if (first < 0) first = y;
      last = y;
      break;
    }
  }
  return {first, last};
}

template <typename Test>
int Count(const QImage& image, Test test) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += test(image.pixel(x, y)) ? 1 : 0;
  }
  return n;
}

}  // namespace

class LookTests : public QObject, protected cindral::test::WindowDriver {
  Q_OBJECT

 private:
  qreal scale_ = 1;

  // What the window shows where the control stands, grown by `margin`
  // logical pixels on every side (shrunk, for a negative margin: rows stand
  // 16 pixels apart and are 17 high, so neighbours share their outermost
  // pixel).
  QImage Shown(QWidget* w, int margin = 0) {
    const QRect at(w->mapTo(window_.get(), QPoint(0, 0)), w->size());
    return window_->grab(at.adjusted(-margin, -margin, margin, margin)).toImage().convertToFormat(QImage::Format_RGB32);
  }
  QImage Shown(const char* name, int margin = 0) { return Shown(Find(name), margin); }
  // The tooltip the control shows when the mouse rests on it.
  QString Tip(QWidget* w) {
    const QPoint middle = w->rect().center();
    QHelpEvent help(QEvent::ToolTip, middle, w->mapToGlobal(middle));
    QApplication::sendEvent(w, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
  }
  // The tooltip's own window, while one shows.
  static QWidget* TipLabel() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->inherits("QTipLabel") && w->isVisible()) return w;
    }
    return nullptr;
  }
  // The window with the popups over it where they show, on grey.
  QImage Picture(std::initializer_list<QWidget*> popups) {
    QRect all(window_->mapToGlobal(QPoint()), window_->size());
    for (QWidget* p : popups) all |= QRect(p->mapToGlobal(QPoint()), p->size());
    QImage image(all.size() * scale_, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale_);
    image.fill(Qt::darkGray);
    QPainter painter(&image);
    painter.drawPixmap(window_->mapToGlobal(QPoint()) - all.topLeft(), window_->grab());
    for (QWidget* p : popups) painter.drawPixmap(p->mapToGlobal(QPoint()) - all.topLeft(), p->grab());
    return image;
  }
  // The middle of the box's square, in the window's picture of the box.
  QRgb Face(const char* box) {
    auto* w = Find<cindral::SheetBox>(box);
    const QPoint middle = w->IndicatorRect().center();
    return Shown(w).pixel(qFloor(middle.x() * scale_), qFloor(middle.y() * scale_));
  }

 private slots:
  void init() {
    scale_ = ScaleFactor();
    window_ = std::make_unique<CharacterWindow>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }
  void cleanup() { window_.reset(); }

  // --- Boxes that cannot be ticked -----------------------------------------

  // Traits Left at 0 closes Bruiser: its square loses its white face and
  // its caption its green; a tag box closed at Tags Left 0 the same.
  void aClosedBoxAndItsCaptionLookClosed_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("closing");
    QTest::newRow("trait, no traits left") << "bruiser"
                                           << "Label4" << QStringList{"finesse", "jinx"};
    QTest::newRow("tag, no tags left") << "bigguns"
                                       << "Label40" << QStringList{"smallguns", "sneak", "doctor"};
  }
  void aClosedBoxAndItsCaptionLookClosed() {
    QFETCH(QString, box);
    QFETCH(QString, caption);
    QFETCH(QStringList, closing);
    const QByteArray boxName = box.toLatin1(), captionName = caption.toLatin1();
    QVERIFY(Find(boxName)->isEnabled());
    const QRgb openFace = Face(boxName);
    const QImage openCaption = Shown(captionName.constData());

    for (const QString& other : closing) Click(other.toLatin1().constData());
    QVERIFY(!Find(boxName)->isEnabled());
    const QRgb closedFace = Face(boxName);
    const QImage closedCaption = Shown(captionName.constData());

    // Open: today's white face. Closed: dark grey, at a glance.
    QVERIFY2(Brightness(openFace) > 230, qPrintable(QString::number(openFace, 16)));
    QVERIFY2(Brightness(closedFace) < 100, qPrintable(QString::number(closedFace, 16)));
    QVERIFY(qAbs(qRed(closedFace) - qGreen(closedFace)) < 16);  // grey, not a colour
    // The caption's bright green text is gone; its letters are still there, dimmed.
    QVERIFY(Count(openCaption, IsGreenText) > 20);
    QCOMPARE(Count(closedCaption, IsGreenText), 0);
    QVERIFY(Count(closedCaption, [](QRgb p) { return Brightness(p) > 60; }) > 20);

    // Open again, it looks as it did.
    Click(closing.back().toLatin1().constData());
    QVERIFY(Find(boxName)->isEnabled());
    QCOMPARE(Face(boxName), openFace);
    QCOMPARE(Shown(captionName.constData()), openCaption);
  }

  // --- The focus ------------------------------------------------------------

  // At start-up the focus stands on Bloody Mess (Beta Software is closed
  // for a Human), and the player sees it there.
  void theFocusAtStartUpIsSeen() {
    QCOMPARE(QApplication::focusWidget(), Find("bloody"));
    QVERIFY(Count(Shown("bloody"), IsRing) > 20);
    QCOMPARE(Count(Shown("bruiser", -1), IsRing), 0);
  }

  // Every kind of control that takes the focus shows it with a ring seen in
  // the window, and only while it has it.
  void everyFocusedControlShowsARing_data() {
    QTest::addColumn<QString>("control");
    for (const char* name : {"bruiser", "smallguns", "stplu", "lumin", "race", "extra", "info", "Command1", "Name"}) {
      QTest::newRow(name) << name;
    }
  }
  void everyFocusedControlShowsARing() {
    QFETCH(QString, control);
    const QByteArray name = control.toLatin1();
    QWidget* w = Find(name.constData());
    QVERIFY(w->isEnabled());
    const QImage before = Shown(w, -1);
    QCOMPARE(Count(before, IsRing), 0);

    w->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(w->hasFocus() || w->isAncestorOf(QApplication::focusWidget()));
    const QImage focused = Shown(w, 1);
    // A ring round the control: bright pixels on each of its four sides.
    const int ring = Count(focused, IsRing);
    QVERIFY2(ring >= 2 * (w->width() + w->height()) * scale_, qPrintable(QString::number(ring)));
    const QImage left = focused.copy(0, 0, focused.width() / 2, focused.height());
    const QImage right = focused.copy(focused.width() / 2, 0, focused.width() - focused.width() / 2, focused.height());
    QVERIFY(Count(left, IsRing) > 0 && Count(right, IsRing) > 0);

    Find("bloody")->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(Find("bloody")->hasFocus());
    QCOMPARE(Shown(w, -1), before);
  }

  // --- The race text --------------------------------------------------------

  void aTypedRaceLooksNotAppliedUntilARaceIsPicked() {
    auto* combo = Find<QComboBox>("race");
    const auto textPart = [&] {
      // The middle of the text part, left of the arrow, where no letter stands.
      QLineEdit* edit = combo->lineEdit();
      QImage image = Shown(edit);
      return image.pixel(image.width() - qRound(4 * scale_), image.height() / 2);
    };
    const QRgb picked = textPart();
    QVERIFY(Tip(combo->lineEdit()).contains(QStringLiteral("Human: starts with")));

    TypeRace(QStringLiteral("Elf"));
    const QRgb typed = textPart();
    QVERIFY2(picked != typed, qPrintable(QString::number(typed, 16)));
    QVERIFY(Tip(combo->lineEdit()).contains(QStringLiteral("names no race")));
    // Nothing else: the Human's values stay.
    QCOMPARE(window_->engine().sheet().Text(cindral::Field::st), "5");
    QCOMPARE(window_->engine().sheet().Text(cindral::Field::eres), "30%");

    // A list entry typed is still only typed.
    TypeRace(QStringLiteral("Robot"));
    QCOMPARE(textPart(), typed);
    QVERIFY(Tip(combo->lineEdit()).contains(QStringLiteral("is typed, not picked from the list")));

    // The race picked last, typed again, is the race applied.
    TypeRace(QStringLiteral("Human"));
    QCOMPARE(textPart(), picked);
    QVERIFY(Tip(combo->lineEdit()).contains(QStringLiteral("Human: starts with")));

    TypeRace(QStringLiteral("Dog"));
    QCOMPARE(textPart(), typed);
    PickFromList(QStringLiteral("Dog"));
    QCOMPARE(textPart(), picked);
    QVERIFY(Tip(combo->lineEdit()).contains(QStringLiteral("Dog: starts with")));
    QCOMPARE(window_->engine().sheet().Text(cindral::Field::intel), "3");
  }

  // A "+" or "-" that a press cannot move draws its sign dimmed, yet stays
  // enabled and in the focus order, and says why: every kind of refusal,
  // and a button a press moves, which stays as it was.
  void aRefusedButtonLooksDimmedAndSaysWhy_data() {
    QTest::addColumn<QString>("race");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("reason");
    // clang-format off
    QTest::newRow("at the maximum")    << "Human"     << "stplu stplu stplu stplu stplu" << ""    << "stplu" << "Strength is at the race's maximum";
    QTest::newRow("no points left")    << "Human"     << "stplu stplu stplu stplu stplu" << ""    << "peplu" << "No character points left";
    QTest::newRow("at the minimum")    << "Human"     << "lumin lumin lumin lumin"       << ""    << "lumin" << "Luck is at the race's minimum";
    QTest::newRow("below the minimum") << "Deathclaw" << ""                              << ""    << "agmin" << "Agility is below the race's minimum";
    QTest::newRow("above the maximum") << "Dog"       << "domesticated"                  << ""    << "inplu" << "Intelligence is above the race's maximum";
    QTest::newRow("no race")           << "Human"     << ""                              << "Elf" << "stmin" << "The race text names no race: pick a race from the list";
    QTest::newRow("a press moves it")  << "Deathclaw" << ""                              << ""    << "agplu" << "";
    // clang-format on
  }
  void aRefusedButtonLooksDimmedAndSaysWhy() {
    QFETCH(QString, race);
    QFETCH(QString, clicks);
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(QString, reason);
    auto* pressed = Find<QPushButton>(qPrintable(button));
    // The darkest pixel of the sign, inside the button's edge.
    const auto darkest = [&] {
      const QImage image = Shown(pressed, -qCeil(4 * scale_) / qCeil(scale_));
      int dark = 255;
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) dark = qMin(dark, Brightness(image.pixel(x, y)));
      }
      return dark;
    };
    const int open = darkest();
    PickFromList(race);
    for (const QString& name : clicks.split(QLatin1Char(' '), Qt::SkipEmptyParts)) Click(qPrintable(name));
    if (!typed.isEmpty()) TypeRace(typed);
    if (reason.isEmpty()) {
      QCOMPARE(darkest(), open);
      return;
    }
    QVERIFY2(darkest() > open + 60, qPrintable(QStringLiteral("%1 against %2").arg(darkest()).arg(open)));
    QVERIFY(pressed->isEnabled());
    QCOMPARE(pressed->focusPolicy(), Qt::StrongFocus);
    QVERIFY2(Tip(pressed).contains(reason.toHtmlEscaped()), qPrintable(Tip(pressed)));
  }

  // --- Lines ----------------------------------------------------------------

  // "ST" is bold and larger than its value: both stand on one baseline, the
  // lowest row of their letters (capitals and digits have no descenders).
  void aStatisticStandsOnTheBaselineOfItsAbbreviation_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("value");
    const char* rows[][2] = {{"Label75", "st"},    {"Label76", "pe"}, {"Label77", "en"}, {"Label78", "ch"},
                             {"Label79", "intel"}, {"Label80", "ag"}, {"Label81", "lu"}};
    for (const auto& row : rows) QTest::newRow(row[0]) << row[0] << row[1];
  }
  void aStatisticStandsOnTheBaselineOfItsAbbreviation() {
    QFETCH(QString, caption);
    QFETCH(QString, value);
    const int captionBottom = RowSpan(Shown(caption.toLatin1().constData()), IsGreenText).second;
    const int valueBottom = RowSpan(Shown(value.toLatin1().constData()), IsGreenText).second;
    QVERIFY(captionBottom > 0 && valueBottom > 0);
    QCOMPARE(valueBottom, captionBottom);
  }

  // A box's square is centred on its caption's line: the middle of the
  // square and the middle of the caption's letters (none with a
  // descender) are at most a pixel apart.
  void aBoxIsCentredOnItsCaptionsLine_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("caption");
    const char* rows[][2] = {{"bruiser", "Label4"},  {"finesse", "Label12"},   {"kamikaze", "Label10"},
                             {"skilled", "Label22"}, {"smallguns", "Label39"}, {"science", "Label53"},
                             {"unarmed", "Label42"}};
    for (const auto& row : rows) QTest::newRow(row[1]) << row[0] << row[1];
  }
  void aBoxIsCentredOnItsCaptionsLine() {
    QFETCH(QString, box);
    QFETCH(QString, caption);
    QWidget* b = Find(box.toLatin1().constData());
    QWidget* c = Find(caption.toLatin1().constData());
    QCOMPARE(b->mapTo(window_.get(), QPoint()).y(), c->mapTo(window_.get(), QPoint()).y());
    const auto square = RowSpan(Shown(b), [](QRgb p) { return Brightness(p) > 200; });
    const auto letters = RowSpan(Shown(c), IsGreenText);
    const double squareMiddle = (square.first + square.second) / 2.0;
    const double lettersMiddle = (letters.first + letters.second) / 2.0;
    QVERIFY2(qAbs(squareMiddle - lettersMiddle) <= scale_, qPrintable(QStringLiteral("square %1-%2, letters %3-%4")
                                                                          .arg(square.first)
                                                                          .arg(square.second)
                                                                          .arg(letters.first)
                                                                          .arg(letters.second)));
  }

  // The panel's text keeps clear of the panel's edges.
  void thePanelsTextKeepsClearOfItsEdges() {
    Click("Label16");  // Fast Metabolism's text, one of the longest
    const QImage panel = Shown("info");
    const auto isText = [](QRgb p) { return Brightness(p) < 128; };
    int left = panel.width(), right = -1;
    for (int y = 0; y < panel.height(); ++y) {
      for (int x = 0; x < panel.width(); ++x) {
        if (!isText(panel.pixel(x, y))) continue;
        left = qMin(left, x);
        right = qMax(right, x);
      }
    }
    const int top = RowSpan(panel, isText).first;
    QVERIFY(right > left);
    const int clear = qFloor(3 * scale_);
    QVERIFY2(left >= clear, qPrintable(QString::number(left)));
    QVERIFY2(top >= clear, qPrintable(QString::number(top)));
    QVERIFY2(right < panel.width() - clear, qPrintable(QString::number(right)));
  }

  // --- Pictures, for the eye -----------------------------------------------

  // The window with no traits left, a race typed and not applied and the
  // focus on a tag box, then its context menu.
  void writesPicturesOfTheWindowsStateAndItsMenu() {
    const QDir dir(QStringLiteral(CINDRAL_LOOK_SCREENSHOT_DIR));
    Click("finesse");
    Click("jinx");
    TypeRace(QStringLiteral("Elf"));
    Find("smallguns")->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(Find("smallguns")->hasFocus());
    QVERIFY(window_->grab().save(dir.filePath(QStringLiteral("window-state-scale-%1.png").arg(scale_))));

    // A right-click as the desktop delivers it, on the window.
    const QPoint at = Find("Label48")->mapTo(window_.get(), QPoint(4, 4));
    QTest::mouseClick(window_->windowHandle(), Qt::RightButton, {}, at);
    auto* menu = window_->findChild<QMenu*>(QStringLiteral("windowMenu"));
    QVERIFY(menu);
    QTRY_VERIFY(menu->isVisible());
    QVERIFY(menu->grab().save(dir.filePath(QStringLiteral("context-menu-scale-%1.png").arg(scale_))));
    menu->hide();
  }

  // The window zoomed with a trait ticked, a tag and the focus on a "+", at
  // each zoom the look is judged at: 200 % at scale 1 beside 100 % at scale 2,
  // and 150 % at scale 2, three times the layout.
  void writesPicturesOfTheZoomedWindow() {
    const QDir dir(QStringLiteral(CINDRAL_LOOK_SCREENSHOT_DIR));
    Click("bruiser");
    Click("smallguns");
    Find("stplu")->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(Find("stplu")->hasFocus());
    for (const int percent : {100, 150, 300, 200}) {
      window_->SetZoom(percent);
      QVERIFY(window_->grab().save(dir.filePath(QStringLiteral("zoom-%1-scale-%2.png").arg(percent).arg(scale_))));
    }
    // The race list and an entry's facts beside it, at 200 %.
    auto* combo = Find<QComboBox>("race");
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    QTRY_VERIFY(list->isVisible());
    QCOMPARE(list->font().pointSizeF(), window_->font().pointSizeF());
    const QRect entry = list->visualRect(list->model()->index(0, 0));
    QHelpEvent rest(QEvent::ToolTip, entry.center(), list->viewport()->mapToGlobal(entry.center()));
    QApplication::sendEvent(list->viewport(), &rest);
    QWidget* tip = TipLabel();
    QVERIFY(tip);
    QVERIFY(Picture({list->window(), tip})
                .save(dir.filePath(QStringLiteral("zoom-200-race-list-scale-%1.png").arg(scale_))));
    combo->hidePopup();
  }

  // A tooltip on a value, on a trait box, on Gifted's box (its preview a
  // line for each group, no item split), on a value's caption, on Gas Res.,
  // on a refused "+", on an entry of the race list (beside the open list)
  // and on a typed race, and Shift+F1's balloon, each drawn over the window
  // where it shows.
  void writesPicturesOfTheExplanations() {
    const QDir dir(QStringLiteral(CINDRAL_LOOK_SCREENSHOT_DIR));
    const auto file = [&](const char* what) {
      return dir.filePath(QStringLiteral("explanation-%1-scale-%2.png").arg(what).arg(scale_));
    };
    const QString gifted = Tip(Find("gifted"));
    for (const char* item :
         {"Traits Left 2 \u2192 1\nHit Points 30 \u2192 33", "Carry Wt. 150 \u2192 175", "First Aid 20% \u2192 14%"})
      QVERIFY2(gifted.contains(QString::fromUtf8(item)), qPrintable(gifted));
    QVERIFY(Picture({TipLabel()}).save(file("gifted")));
    QVERIFY(Tip(Find("Label48"))
                .contains(QStringLiteral("Hit Points 30 = 15 + 5 (ST 5) + 10 (2 \u00d7 EN 5)\nHIT POINTS")));
    QVERIFY(Picture({TipLabel()}).save(file("caption")));
    QCOMPARE(Tip(Find("Label19")), QStringLiteral("Not available to a Human"));  // a closed trait's caption
    QVERIFY(Tip(Find("gres")).contains(QStringLiteral("Gas Res. 0/0: picking Human set it, and no trait changes it.")));
    QVERIFY(Picture({TipLabel()}).save(file("gas-res")));
    Click("bruiser");
    QVERIFY(Tip(Find("ap")).contains(QStringLiteral("Action Pts. 5 = 7 (AG 5: 4\u20135 gives 7) \u2212 2 (Bruiser)")));
    const QImage value = Picture({TipLabel()});
    QVERIFY(value.save(file("value")));
    // The README's picture of the window: at scale 1, in few colours.
    if (scale_ == 1)
      QVERIFY(value.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither)
                  .save(dir.filePath("readme-window.png")));
    QVERIFY(Tip(Find("finesse")).contains(QStringLiteral("Crit. Chance 5% \u2192 15%")));
    QVERIFY(Picture({TipLabel()}).save(file("trait-box")));
    for (int i = 0; i < 3; ++i) Click("stplu");
    QVERIFY(Tip(Find("stplu")).contains(QStringLiteral("maximum")));
    QVERIFY(Picture({TipLabel()}).save(file("refused-plus")));

    auto* combo = Find<QComboBox>("race");
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    QTRY_VERIFY(list->isVisible());
    const QRect robot = list->visualRect(list->model()->index(combo->findText(QStringLiteral("Robot")), 0));
    QHelpEvent entry(QEvent::ToolTip, robot.center(), list->viewport()->mapToGlobal(robot.center()));
    QApplication::sendEvent(list->viewport(), &entry);
    QVERIFY(QToolTip::text().contains(QStringLiteral("Robot: starts with ST 7")));
    const QRect tip(TipLabel()->mapToGlobal(QPoint()), TipLabel()->size());
    QVERIFY(!tip.intersects(QRect(list->window()->mapToGlobal(QPoint()), list->window()->size())));
    QVERIFY(Picture({list->window(), TipLabel()}).save(file("race-entry")));
    combo->hidePopup();

    TypeRace(QStringLiteral("Robot"));
    QVERIFY(Tip(combo->lineEdit()).contains(QStringLiteral("still follow Human")));
    QVERIFY(Picture({TipLabel()}).save(file("typed-race")));

    // Shift+F1 on the "+", which the typed Robot's limits open again: what
    // the press would change, the Robot's Damage Res. with it, beside it.
    QToolTip::hideText();
    Find("stplu")->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(Find("stplu")->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1, Qt::ShiftModifier);
    auto* balloon = window_->findChild<QLabel*>(QStringLiteral("explanation"));
    QVERIFY(balloon && balloon->isVisible());
    QVERIFY(balloon->text().startsWith(QStringLiteral("ST 10 \u2192 11, ")));
    QVERIFY(balloon->text().contains(QStringLiteral("Damage Res. 0% \u2192 40%")));
    QVERIFY(Picture({balloon}).save(file("whats-this")));
    QTest::keyClick(balloon, Qt::Key_Escape);
  }

  // A Robot with two traits and two tags in the print preview, and its page
  // printed to PDF and rendered as the paper shows it: black on white, no
  // colour anywhere. The README's picture of the page is the same, small,
  // in few greys.
  void writesPicturesOfThePrintPreviewAndThePrintedPage() {
    const QDir dir(QStringLiteral(CINDRAL_LOOK_SCREENSHOT_DIR));
    PickFromList(QStringLiteral("Robot"));
    for (const char* name : {"inplu", "agplu", "smallguns", "science", "bruiser", "finesse"}) Click(name);
    window_->Act(cindral::TypeName("Ada Lovelace"));
    QPrintPreviewDialog* preview = PressPrint(Find("bruiser"));
    QVERIFY(preview);
    QVERIFY(preview->grab().save(dir.filePath(QStringLiteral("print-preview-scale-%1.png").arg(scale_))));
    if (scale_ == 1) {
      const QString pdf = dir.filePath(QStringLiteral("printed-page.pdf"));
      PrintToPdf(*preview, pdf, QPageSize::A4);
      for (const auto& [resolution, file] :
           {std::pair{"100", "printed-page"}, std::pair{"48", "readme-printed-page"}}) {
        Poppler(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QLatin1String(resolution), QStringLiteral("-png"),
                                             QStringLiteral("-singlefile"), pdf, dir.filePath(QLatin1String(file))});
      }
      const QImage page(dir.filePath(QStringLiteral("printed-page.png")));
      QVERIFY2(!page.isNull(), "pdftoppm comes with poppler-utils (scripts/deps.sh installs it)");
      QCOMPARE(Count(page, [](QRgb p) { return qAbs(qRed(p) - qBlue(p)) > 8 || qAbs(qGreen(p) - qBlue(p)) > 8; }), 0);
      QVERIFY(Count(page, [](QRgb p) { return Brightness(p) < 64; }) > 1000);
      const QString readme = dir.filePath(QStringLiteral("readme-printed-page.png"));
      QVERIFY(QImage(readme).convertToFormat(QImage::Format_Grayscale8).save(readme));
    }
    preview->close();
  }
};

QTEST_MAIN(LookTests)
#include "look_tests.moc"
