// Every help text fits the information panel whole, measured in the
// panel's own font. The panel has no scroll bar, so a text that is too long
// loses its last lines, and with them the end of the rule. What the texts
// say is the engine suite's matter.
#include <QFontInfo>
#include <QLabel>
#include <QtTest>

#include <memory>
#include <string>
#include <string_view>

#include "events.h"
#include "fonts.h"
#include "help_texts.h"
#include "window_layout.h"

using namespace cindral;

namespace {

// The panel `info`: 161 x 337, word-wrapped, top-left, in the default font,
// with the window's inner margin.
constexpr int kPanelWidth = 161;
constexpr int kPanelHeight = 337;
// Above this share of the panel a text fits here but may lose its last line
// where the font is hinted differently.
constexpr double kComfortableShare = 0.95;

QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

class HelpTextTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();

  void aTextTooLongForThePanelIsCaught();
  void everyTextFitsThePanel_data();
  void everyTextFitsThePanel();

 private:
  // The height the panel needs to show the whole text.
  int HeightNeeded(const QString& text);

  std::unique_ptr<QLabel> panel_;
};

void HelpTextTest::initTestCase() {
  panel_ = std::make_unique<QLabel>();
  panel_->setFont(WindowFont());
  panel_->setWordWrap(true);
  panel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  panel_->setMargin(kPanelMargin);
  panel_->setFixedWidth(kPanelWidth);

  // Measured in a stand-in font, the heights would say nothing.
  const QFontInfo shown(panel_->font());
  QVERIFY2(
      shown.family() == QString::fromLatin1(kFontFamily),
      qPrintable(
          QStringLiteral("the panel font resolves to \"%1\"; is fonts-liberation installed?").arg(shown.family())));
  qDebug("panel font %s %.2f pt = %d px at %d dpi", qPrintable(shown.family()), shown.pointSizeF(), shown.pixelSize(),
         panel_->logicalDpiY());
}

int HelpTextTest::HeightNeeded(const QString& text) {
  panel_->setText(text);
  return panel_->heightForWidth(kPanelWidth);
}

void HelpTextTest::aTextTooLongForThePanelIsCaught() {
  const QString oneText = ToQString(HelpFor("Label16"));  // one of the longest texts
  QVERIFY(HeightNeeded(oneText) > 0);
  QVERIFY2(HeightNeeded(oneText.repeated(10)) > kPanelHeight, "the measure lets any length through");
}

void HelpTextTest::everyTextFitsThePanel_data() {
  QTest::addColumn<QString>("text");
  for (const Control& control : ReactingControls()) {
    if (control.kind != ControlKind::Caption) continue;
    QTest::newRow(std::string(control.name).c_str()) << ToQString(HelpFor(control.name));
  }
}

void HelpTextTest::everyTextFitsThePanel() {
  QFETCH(QString, text);
  const int height = HeightNeeded(text);
  qDebug("%3d of %d px (%3.0f%%), %3lld characters", height, kPanelHeight, 100.0 * height / kPanelHeight,
         static_cast<long long>(text.size()));
  QVERIFY2(!text.isEmpty(), "the caption has no text");
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

QTEST_MAIN(HelpTextTest)
#include "help_text_tests.moc"
