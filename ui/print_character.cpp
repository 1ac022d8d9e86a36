#include "print_character.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QMessageBox>

#include "character_summary.h"
#include "printed_sheet.h"

#if !defined(CINDRAL_PRINT_MODULE_DIR) || !defined(CINDRAL_PRINT_MODULE_FILE)
#error "the print module's folder, relative to the program's, and its file name come from the build"
#endif

namespace cindral {

namespace {

struct PrintModule {
  OpenPrintPreview open = nullptr;
  QString problem;  // why it could not be loaded
};

// The module stands where the program is installed beside it, or else in
// the program's own folder (the build folder); it is never looked for on a
// search path or in the current folder, where anybody's file could lie.
PrintModule LoadPrintModule() {
  const QDir program(QCoreApplication::applicationDirPath());
  const QString file = QStringLiteral(CINDRAL_PRINT_MODULE_FILE);
  QString problem = QStringLiteral("%1 is not installed beside the program").arg(file);
  for (const QString& path :
       {program.filePath(QStringLiteral(CINDRAL_PRINT_MODULE_DIR "/") + file), program.filePath(file)}) {
    if (!QFileInfo::exists(path)) continue;
    QLibrary module(path);
    // The module stays loaded for as long as the program runs.
    if (const QFunctionPointer open = module.resolve(kOpenPrintPreviewSymbol)) {
      return {reinterpret_cast<OpenPrintPreview>(open), {}};
    }
    problem = module.errorString();
  }
  return {nullptr, problem};
}

}  // namespace

QDialog* PrintCharacter(QWidget& window, const Engine& engine) {
  static const PrintModule module = LoadPrintModule();
  if (!module.open) {
    QMessageBox::warning(&window, QStringLiteral("Print Character"),
                         QStringLiteral("Printing is not available: %1.").arg(module.problem));
    return nullptr;
  }
  return module.open(&window, PrintedSheetOf(Summarize(engine)));
}

}  // namespace cindral
