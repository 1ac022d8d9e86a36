// The information panel: the rule texts, and what became of a paste or a
// check, read from the top. While its text fits, it looks as a plain label
// would; a longer text gets a vertical scroll bar, so that nothing is cut
// off, and a word too long for a line is broken where the line ends. Its
// text can be selected with the mouse and the keyboard and copied with
// Ctrl+C or its own context menu; without a selection, Ctrl+C and the
// window's other keys are the window's. It keeps no state of the
// character: the window shows the sheet's text in it.
#pragma once

#include <QPlainTextEdit>

class QMenu;

namespace cindral {

class InfoPanel : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit InfoPanel(QWidget* parent);

  // Shows the text from its top, with nothing selected.
  void ShowText(const QString& text);

  // The panel's own menu: "Copy" and "Select All". It is made the first
  // time it is asked for.
  QMenu& ContextMenu();

 protected:
  bool event(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QMenu* menu_ = nullptr;
};

}  // namespace cindral
