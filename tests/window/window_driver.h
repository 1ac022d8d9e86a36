// The window opened for a test and driven through its real widgets, as a
// player drives it: clicks in the middle of a control, picks from the open
// race list, keys typed into the race text. Shared by the window tests.
#pragma once

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QtTest>
#include <memory>
#include <string>

#include "character_window.h"
#include "print_character.h"

namespace cindral::test {

class WindowDriver {
 protected:
  std::unique_ptr<CharacterWindow> window_;

  // The control by name; a name the window does not have ends the test run.
  template <typename W = QWidget>
  W* Find(const char* name) const {
    W* w = window_->findChild<W*>(QString::fromLatin1(name));
    if (!w) qFatal("no control named %s", name);
    return w;
  }

  // What a label or the panel shows, and what the sheet holds under a
  // control's name.
  QString Shown(const char* name) const {
    if (const auto* panel = qobject_cast<QPlainTextEdit*>(Find(name))) return panel->toPlainText();
    return Find<QLabel>(name)->text();
  }
  std::string Text(const char* name) const {
    const auto text = window_->engine().sheet().TextByName(name);
    if (!text) qFatal("no control named %s", name);
    return *text;
  }
  bool Ticked(const char* name) const { return Find<QCheckBox>(name)->isChecked(); }

  void Click(const char* name) {
    QWidget* w = Find(name);
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() / 2, w->height() / 2));
  }

  // A click on the race in the open list.
  void PickFromList(const QString& race) {
    auto* combo = Find<QComboBox>("race");
    const int row = combo->findText(race, Qt::MatchExactly);
    QVERIFY2(row >= 0, qPrintable(race));
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    QTRY_VERIFY(!view->isVisible());
  }

  // Keys typed over the whole race text.
  void TypeRace(const QString& text) {
    QLineEdit* edit = Find<QComboBox>("race")->lineEdit();
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }

  // Ctrl+P pressed on a control; the print preview it opened, or nullptr.
  QPrintPreviewDialog* PressPrint(QWidget* at) {
    at->setFocus(Qt::TabFocusReason);
    QTest::keyClick(at, kPrintCharacterKey.key(), kPrintCharacterKey.keyboardModifiers());
    auto* preview = window_->findChild<QPrintPreviewDialog*>(QStringLiteral("printPreview"));
    return preview && QTest::qWaitFor([&] { return preview->isVisible(); }) ? preview : nullptr;
  }

  // The preview's page printed to a PDF file on paper of a size, as the
  // system's print dialog prints to a file.
  static void PrintToPdf(QPrintPreviewDialog& preview, const QString& file, QPageSize::PageSizeId paper) {
    QPrinter& printer = *preview.printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(paper));
    preview.findChild<QPrintPreviewWidget*>()->print();
  }

  // What a program of poppler-utils (pdfinfo, pdftotext, pdftoppm) prints;
  // "" when it fails or is missing.
  static QString Poppler(const QString& program, const QStringList& arguments) {
    QProcess run;
    run.start(program, arguments);
    if (!run.waitForFinished(60000) || run.exitStatus() != QProcess::NormalExit || run.exitCode() != 0) return {};
    return QString::fromUtf8(run.readAllStandardOutput());
  }
};

}  // namespace cindral::test
