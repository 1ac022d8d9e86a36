// How long the window takes from a click on a real control to every widget
// showing the new values. The window is the program's own (with its keys,
// screen-reader names and tooltips), shown offscreen; a fixed seeded list
// of clicks over the buttons, the boxes and the captions is played into it
// twice: once timing only the click (its handling is synchronous, so the
// click returns after the engine ran and the sheet was shown), once timing
// the click and a forced repaint of the whole window. Times are printed,
// never judged: the run always succeeds. Then pasting: Ctrl+Shift+V with
// the copy of a character of seeded play on the clipboard, until every
// widget shows it, and with a megabyte of text there, until the panel
// says it was refused. Then printing: Ctrl+P until the print preview is
// shown with the page drawn in it, the first time (which loads the print
// module) apart from the others. Last, zooming: Ctrl+Plus up to 300 % and
// Ctrl+Minus back down, ten times, each step until the window is laid out
// anew, and once more with a forced repaint.
//
// window_bench [clicks] [seed]
//
// It is also the memory checker's driver: it starts the window, clicks,
// and leaves through the ordinary end of the program.

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "character_window.h"
#include "controls.h"
#include "event_generator.h"
#include "print_character.h"
#include "shared_characters.h"
#include "timing.h"
#include "window_layout.h"

namespace {

using Clock = std::chrono::steady_clock;

using cindral::bench::Figures;
using cindral::bench::FiguresOf;

// The widgets clicked, in order: a button, a box or a caption with equal
// chances, the name drawn from the seed. Captions without a widget (some
// numbers name none) are drawn again.
std::vector<QWidget*> ClickList(const cindral::CharacterWindow& window, long count, std::uint64_t seed) {
  const cindral::test::ControlNames& names = cindral::test::Controls();
  cindral::test::SeededChoices choices(seed);
  std::vector<QWidget*> widgets;
  widgets.reserve(static_cast<std::size_t>(count));
  while (static_cast<long>(widgets.size()) < count) {
    const std::vector<std::string>& group =
        choices.Below(3) == 0 ? names.buttons : (choices.Below(2) == 0 ? names.boxes : names.captions);
    const std::string& name = group[choices.Below(static_cast<std::uint32_t>(group.size()))];
    if (QWidget* w = window.findChild<QWidget*>(QString::fromStdString(name))) widgets.push_back(w);
  }
  return widgets;
}

void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() / 2, w->height() / 2)); }

void Print(const char* what, const std::vector<double>& ns) {
  const Figures f = FiguresOf(ns);
  std::printf("  %-22s median %8.1f us, 99th percentile %8.1f us, slowest %8.1f us, mean %8.1f us\n", what,
              f.median / 1000, f.p99 / 1000, f.max / 1000, f.mean / 1000);
}

// Ctrl+Plus to the last zoom and Ctrl+Minus back to the first, `rounds`
// times, each step timed until the posted layout work is done, and with
// `repaint` until the whole window is drawn again.
std::vector<double> TimeZoomSteps(cindral::CharacterWindow& window, int rounds, bool repaint) {
  std::vector<double> ns;
  QWidget* focus = window.findChild<QWidget*>(QStringLiteral("bruiser"));
  const auto steps = static_cast<int>(std::size(cindral::kZoomSteps)) - 1;
  for (int round = 0; round < rounds; ++round) {
    for (const Qt::Key key : {Qt::Key_Plus, Qt::Key_Minus}) {
      for (int step = 0; step < steps; ++step) {
        const Clock::time_point t0 = Clock::now();
        QTest::keyClick(focus, key, Qt::ControlModifier);
        QCoreApplication::processEvents();
        if (repaint) window.repaint();
        ns.push_back(std::chrono::duration<double, std::nano>(Clock::now() - t0).count());
      }
    }
  }
  return ns;
}

// The key pressed with each text on the clipboard, each press timed; the
// clipboard is filled before the clock starts.
std::vector<double> TimePastes(cindral::CharacterWindow& window, const std::vector<std::string>& texts) {
  std::vector<double> ns;
  QWidget* focus = window.findChild<QWidget*>(QStringLiteral("bruiser"));
  for (const std::string& text : texts) {
    QApplication::clipboard()->setText(QString::fromStdString(text));
    const Clock::time_point t0 = Clock::now();
    QTest::keyClick(focus, cindral::kPasteCharacterKey.key(), cindral::kPasteCharacterKey.keyboardModifiers());
    ns.push_back(std::chrono::duration<double, std::nano>(Clock::now() - t0).count());
  }
  return ns;
}

// Ctrl+P pressed `count` times, each time until the preview is shown and
// painted with its page; each preview is closed, and gone, before the next
// press.
std::vector<double> TimePrintPreviews(cindral::CharacterWindow& window, int count) {
  std::vector<double> ns;
  QWidget* focus = window.findChild<QWidget*>(QStringLiteral("bruiser"));
  for (int i = 0; i < count; ++i) {
    const Clock::time_point t0 = Clock::now();
    QTest::keyClick(focus, cindral::kPrintCharacterKey.key(), cindral::kPrintCharacterKey.keyboardModifiers());
    auto* preview = window.findChild<QDialog*>(QStringLiteral("printPreview"));
    if (!preview || !preview->isVisible()) {
      std::fprintf(stderr, "window_bench: Ctrl+P opened no print preview\n");
      std::exit(1);
    }
    preview->repaint();
    ns.push_back(std::chrono::duration<double, std::nano>(Clock::now() - t0).count());
    preview->close();
    if (!QTest::qWaitFor([&] { return !window.findChild<QDialog*>(QStringLiteral("printPreview")); })) {
      std::fprintf(stderr, "window_bench: a closed print preview stayed\n");
      std::exit(1);
    }
    // The desktop gives the window the keyboard back; offscreen, the
    // bench does.
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) std::exit(1);
  }
  return ns;
}

}  // namespace

int main(int argc, char** argv) {
  const long count = argc > 1 ? std::atol(argv[1]) : 5000;
  const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 20261207;
  if (count <= 0) {
    std::fprintf(stderr, "usage: window_bench [clicks] [seed]\n");
    return 2;
  }
  QApplication app(argc, argv);
  cindral::CharacterWindow window;
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) {
    std::fprintf(stderr, "window_bench: the window was never shown\n");
    return 1;
  }

  const std::vector<QWidget*> clicks = ClickList(window, count, seed);
  long shown = 0;
  QObject::connect(&window, &cindral::CharacterWindow::sheetShown, &window, [&shown] { ++shown; });

  std::vector<double> plain, painted;
  plain.reserve(clicks.size());
  painted.reserve(clicks.size());
  long disabledPlain = 0;
  for (QWidget* w : clicks) {
    disabledPlain += !w->isEnabled();
    const Clock::time_point t0 = Clock::now();
    Click(w);
    const Clock::time_point t1 = Clock::now();
    plain.push_back(std::chrono::duration<double, std::nano>(t1 - t0).count());
  }
  const long shownPlain = shown;
  for (QWidget* w : clicks) {
    const Clock::time_point t0 = Clock::now();
    Click(w);
    window.repaint();
    const Clock::time_point t1 = Clock::now();
    painted.push_back(std::chrono::duration<double, std::nano>(t1 - t0).count());
  }

  std::printf("window_bench: %ld clicks on buttons, boxes and captions, seed %llu, platform %s\n", count,
              static_cast<unsigned long long>(seed), qPrintable(QGuiApplication::platformName()));
  std::printf("  %ld of them reached the engine, %ld hit a disabled box, %ld a caption that does not react\n",
              shownPlain, disabledPlain, count - shownPlain - disabledPlain);
  Print("click:", plain);
  Print("click and repaint:", painted);
  std::printf("  goal: median at most 1 ms per click: %s\n", FiguresOf(plain).median <= 1e6 ? "met" : "missed");
  // The final sheet is printed so that the work cannot be optimised away.
  const cindral::Sheet& sheet = window.engine().sheet();
  std::printf("  final sheet: ST %s, Tags Left %s, Traits Left %s\n", sheet.Text(cindral::Field::st).c_str(),
              sheet.Text(cindral::Field::tags).c_str(), sheet.Text(cindral::Field::traits).c_str());

  const std::vector<double> pastes = TimePastes(window, cindral::bench::CopiesOfSeededPlay(500, seed));
  const std::string pasted = sheet.Text(cindral::Field::info);
  const std::vector<double> megabytes =
      TimePastes(window, std::vector<std::string>(20, cindral::bench::AMegabyteOfText()));
  std::printf("pasting through the window: Ctrl+Shift+V until every widget shows the character\n");
  Print("paste (500 copies):", pastes);
  Print("a megabyte (20 times):", megabytes);
  std::printf("  goals: median at most 1 ms per paste: %s; a megabyte refused within 50 ms: %s\n",
              FiguresOf(pastes).median <= 1e6 ? "met" : "missed", FiguresOf(megabytes).max <= 50e6 ? "met" : "missed");
  // What the panel says, its lines on one.
  const auto said = [](std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
  };
  std::printf("  the panel after the last paste: %s\n  after a megabyte: %s\n", said(pasted).c_str(),
              said(sheet.Text(cindral::Field::info)).c_str());

  const std::vector<double> previews = TimePrintPreviews(window, 21);
  std::printf("printing: Ctrl+P until the print preview shows the page\n");
  std::printf("  the first, loading the print module: %8.1f ms\n", previews.front() / 1e6);
  const std::vector<double> again(previews.begin() + 1, previews.end());
  const Figures f = FiguresOf(again);
  std::printf("  the next 20: median %8.1f ms, slowest %8.1f ms\n", f.median / 1e6, f.max / 1e6);
  std::printf("  goal: median at most 300 ms: %s\n", f.median <= 300e6 ? "met" : "missed");
  const std::vector<double> zooms = TimeZoomSteps(window, 10, false);
  const std::vector<double> zoomsPainted = TimeZoomSteps(window, 1, true);
  std::printf("zooming: Ctrl+Plus from 100 %% to 300 %% and Ctrl+Minus back, each step until laid out anew\n");
  Print("zoom step (120):", zooms);
  Print("and repaint (12):", zoomsPainted);
  std::printf("  goal: median at most 50 ms per zoom step: %s; back at %d %%\n",
              FiguresOf(zooms).median <= 50e6 ? "met" : "missed", window.zoom());
  return 0;
}
