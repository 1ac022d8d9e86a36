#include "info_panel.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTextDocument>

#include "controls.h"
#include "palette.h"
#include "qt_text.h"
#include "window_layout.h"

namespace cindral {

InfoPanel::InfoPanel(QWidget* parent) : QPlainTextEdit(parent) {
  // Dark text on light grey, from the top left, as far from the edges as a
  // label's margin would keep it.
  QPalette palette = this->palette();
  palette.setColor(QPalette::Text, QColor(kBlack));
  palette.setColor(QPalette::Base, QColor(kLightGrey));
  setPalette(palette);
  // A plain frame as wide as the focus ring, which is drawn on it, in the
  // panel's own grey; the text keeps its margin inside it.
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(kFocusRingWidth);
  setForegroundRole(QPalette::Base);
  document()->setDocumentMargin(kPanelMargin - kFocusRingWidth);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  setReadOnly(true);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  verticalScrollBar()->setObjectName(QStringLiteral("infoScrollBar"));
  setTabChangesFocus(true);
  setAccessibleName(QStringLiteral("Information"));
}

void InfoPanel::ShowText(const QString& text) {
  if (toPlainText() == text) return;
  // The document takes the text as it stands: the box's own way would give
  // the whole text its character format again and lay it out at once, which
  // the panel, all in one format, does not need before it is painted.
  document()->setPlainText(text);
  moveCursor(QTextCursor::Start);
  // A screen reader names the panel by the whole text it shows.
  setAccessibleName(text.isEmpty() ? QStringLiteral("Information") : Spoken(text));
}

QMenu& InfoPanel::ContextMenu() {
  if (menu_) return *menu_;
  menu_ = new QMenu(this);
  menu_->setObjectName(QStringLiteral("infoMenu"));
  QAction* copy = menu_->addAction(QStringLiteral("Copy"), this, &QPlainTextEdit::copy);
  copy->setObjectName(QStringLiteral("copyInfo"));
  copy->setShortcut(QKeySequence(kCopyKey));
  copy->setShortcutVisibleInContextMenu(true);
  QAction* all = menu_->addAction(QStringLiteral("Select All"), this, &QPlainTextEdit::selectAll);
  all->setObjectName(QStringLiteral("selectAllInfo"));
  all->setShortcut(QKeySequence(QKeySequence::SelectAll));
  all->setShortcutVisibleInContextMenu(true);
  // Copy only what is selected; the character is the window's to copy.
  connect(menu_, &QMenu::aboutToShow, this, [this, copy] { copy->setEnabled(textCursor().hasSelection()); });
  return *menu_;
}

bool InfoPanel::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
    const auto& key = *static_cast<QKeyEvent*>(event);
    const QKeyCombination pressed(key.modifiers() & ~Qt::KeypadModifier, static_cast<Qt::Key>(key.key()));
    // Nothing is pasted into the panel: Ctrl+V is the window's.
    if (IsWindowKey(key, textCursor().hasSelection()) || pressed == kPasteKey) {
      event->ignore();
      return event->type() == QEvent::ShortcutOverride;
    }
    // A read-only box does not claim Ctrl+C on its own; with a selection
    // the key is the panel's, to copy the selection.
    if (event->type() == QEvent::ShortcutOverride && pressed == kCopyKey) {
      event->accept();
      return true;
    }
  }
  return QPlainTextEdit::event(event);
}

void InfoPanel::contextMenuEvent(QContextMenuEvent* event) { ContextMenu().popup(event->globalPos()); }

}  // namespace cindral
