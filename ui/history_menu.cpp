#include "history_menu.h"

#include <QMenu>

#include "character_window.h"
#include "controls.h"

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

QMenu* MakeWindowMenu(CharacterWindow& window) {
  auto* menu = new QMenu(&window);
  menu->setObjectName(QStringLiteral("windowMenu"));
  QAction* undo = AddEntry(*menu, QStringLiteral("Undo"), "undo", {QKeySequence(kUndoKey)});
  QAction* redo = AddEntry(*menu, QStringLiteral("Redo"), "redo", {QKeySequence(kRedoKey), QKeySequence(kRedoKeyToo)});
  menu->addSeparator();
  QAction* copy = AddEntry(*menu, QStringLiteral("Copy Character"), "copyCharacter", {QKeySequence(kCopyCharacterKey)});
  QObject::connect(undo, &QAction::triggered, &window, &CharacterWindow::Undo);
  QObject::connect(redo, &QAction::triggered, &window, &CharacterWindow::Redo);
  QObject::connect(copy, &QAction::triggered, &window, &CharacterWindow::CopyCharacter);
  // The character can always be copied; a step only when there is one.
  QObject::connect(menu, &QMenu::aboutToShow, &window, [&window, undo, redo] {
    undo->setEnabled(window.history().CanUndo());
    redo->setEnabled(window.history().CanRedo());
  });
  return menu;
}

}  // namespace cindral
