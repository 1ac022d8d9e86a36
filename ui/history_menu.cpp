#include "history_menu.h"

#include <QMenu>

#include "controls.h"
#include "print_character.h"
#include "sheet_view.h"

namespace cindral {

namespace {

QAction* AddEntry(QMenu& menu, const QString& text, const char* name, QList<QKeySequence> keys) {
  QAction* action = menu.addAction(text);
  action->setObjectName(QString::fromLatin1(name));
  // The first key is the one shown; all of them work while the menu is open.
  action->setShortcuts(keys);
  action->setShortcutVisibleInContextMenu(true);
  return action;
}

}  // namespace

QMenu* MakeWindowMenu(SheetView& window) {
  auto* menu = new QMenu(&window);
  menu->setObjectName(QStringLiteral("windowMenu"));
  QAction* undo = AddEntry(*menu, QStringLiteral("Undo"), "undo", {QKeySequence(kUndoKey)});
  QAction* redo = AddEntry(*menu, QStringLiteral("Redo"), "redo", {QKeySequence(kRedoKey), QKeySequence(kRedoKeyToo)});
  menu->addSeparator();
  QAction* copy = AddEntry(*menu, QStringLiteral("Copy Character"), "copyCharacter", {QKeySequence(kCopyCharacterKey)});
  QAction* paste =
      AddEntry(*menu, QStringLiteral("Paste Character"), "pasteCharacter", {QKeySequence(kPasteCharacterKey)});
  QAction* print =
      AddEntry(*menu, QStringLiteral("Print Character\u2026"), "printCharacter", {QKeySequence(kPrintCharacterKey)});
  QAction* check =
      AddEntry(*menu, QStringLiteral("Check Character"), "checkCharacter", {QKeySequence(kCheckCharacterKey)});
  const auto act = [&window](QAction* entry, Action (*action)()) {
    QObject::connect(entry, &QAction::triggered, &window, [&window, action] { window.Act(action()); });
  };
  act(undo, &Undo);
  act(redo, &Redo);
  act(copy, &CopyCharacter);
  act(paste, &PasteFromClipboard);
  act(check, &CheckCharacter);
  QObject::connect(print, &QAction::triggered, &window, [&window] { PrintCharacter(window, window.engine()); });
  // The character can always be copied; a step only when there is one; a
  // paste only when the clipboard holds text.
  QObject::connect(menu, &QMenu::aboutToShow, &window, [&window, undo, redo, paste] {
    undo->setEnabled(window.CanUndo());
    redo->setEnabled(window.CanRedo());
    paste->setEnabled(!QGuiApplication::clipboard()->text().isEmpty());
  });
  return menu;
}

}  // namespace cindral
