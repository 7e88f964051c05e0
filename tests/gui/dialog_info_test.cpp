// SPDX-License-Identifier: GPL-2.0-or-later
// The fuse information dialog: the eighteen labels filled from the page of
// the active device.
#include "app/dialog_info.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>
#include <cstdlib>

#include "app/dialog_launchers.h"
#include "devices/active_device.h"
#include "devices/catalogue.h"
#include "devices/info_pages.h"
#include "support/gui_modal_dialog.h"

using namespace lpt::app;

namespace {

QStringList LabelTexts(const FuseInfoDialog& dialog) {
  QStringList texts;
  for (QLabel* label : dialog.Labels) texts << label->text();
  return texts;
}

FuseInfoDialog* OpenFor(const char* deviceName) {
  lpt::ActiveDevice device;
  lpt::SelectDevice(device, deviceName);
  return new FuseInfoDialog(device.infoPage);
}

}  // namespace

class InfoDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void labelsSitOneEverySixteenPixels() {
    std::unique_ptr<FuseInfoDialog> dialog(OpenFor("16F84"));
    QCOMPARE(dialog->size(), QSize(559, 341));
    for (int i = 0; i < 18; ++i) QCOMPARE(dialog->Labels[i]->pos(), QPoint(16, 8 + 16 * i));
    QCOMPARE(LabelTexts(*dialog), QStringList(18, QString()));  // 16F84 has no page
  }

  void closeButtonIsCentred_data() {
    QTest::addColumn<QString>("device");
    QTest::newRow("no page") << "16F84";
    QTest::newRow("long lines") << "16F877A";
  }
  void closeButtonIsCentred() {
    QFETCH(QString, device);
    std::unique_ptr<FuseInfoDialog> dialog(OpenFor(device.toLatin1().constData()));
    const QRect close = dialog->closeButton_->geometry();
    QVERIFY2(std::abs(close.left() - (dialog->width() - close.right() - 1)) <= 1,
             qPrintable(QStringLiteral("%1 in %2").arg(close.left()).arg(dialog->width())));
  }

  void sixteenF628FillsEighteenLabels() {
    std::unique_ptr<FuseInfoDialog> dialog(OpenFor("16F628"));
    const QStringList texts = LabelTexts(*dialog);
    for (const QString& text : texts) QVERIFY(!text.isEmpty());
    const QString separator(39, QLatin1Char('-'));
    QCOMPARE(texts[8], separator);
    QCOMPARE(texts[11], separator);
    QCOMPARE(texts.count(separator), 2);
    QCOMPARE(
        texts[17],
        QStringLiteral("LVP=OFF - RB3 is digital I/O, HV on MCLR must be used for programming"));
  }

  // Every part's page fits the dialog's labels, and a page shows as many
  // lines as it has.
  void everyPageFitsTheLabels() {
    for (const lpt::DeviceRecord& device : lpt::AllDevices()) {
      const std::size_t lines = lpt::InfoPageLines(device.infoPage).size();
      const std::size_t labels = FuseInfoDialog::kLabelCount;
      QVERIFY2(lines <= labels, device.name.data());
      FuseInfoDialog dialog(device.infoPage);
      QCOMPARE(static_cast<std::size_t>(LabelTexts(dialog).count(QString())), labels - lines);
    }
  }

  void pagesOfTheTwelveF629AndSixteenF630() {
    std::unique_ptr<FuseInfoDialog> gp(OpenFor("12F629/675"));
    std::unique_ptr<FuseInfoDialog> ra(OpenFor("16F630/676"));
    QVERIFY(gp->Labels[0]->text().endsWith(QStringLiteral("CLKOUT function on GP4 pin")));
    QCOMPARE(gp->Labels[9]->text(), QStringLiteral("MCLR=Ex - MCLR pin enabled"));
    QVERIFY(ra->Labels[0]->text().endsWith(QStringLiteral("CLKOUT function on RA4 pin")));
    QCOMPARE(ra->Labels[9]->text(), QStringLiteral("MCLR=ON  - MCLR pin is  MCLR function"));
    QCOMPARE(ra->Labels[12]->text(), QString());
  }

  void twelveC508ShowsTwoLinesAndLabelsFitTheirText() {
    std::unique_ptr<FuseInfoDialog> dialog(OpenFor("12C508"));
    const QStringList texts = LabelTexts(*dialog);
    QCOMPARE(texts[0], QStringLiteral("MCLR=Ex - MCLR pin enabled"));
    QCOMPARE(texts[1], QStringLiteral("MCLR=In - MCLR internally connected to VDD"));
    for (int i = 2; i < 18; ++i) QVERIFY(texts[i].isEmpty());
    // Sized to the text: the longer line gets the wider label.
    QVERIFY(dialog->Labels[1]->width() > dialog->Labels[0]->width());
  }

  // 130 pixels above the main window, unless that would leave the screen.
  void placedAboveTheMainWindowButOnTheScreen() {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget main;
    main.setGeometry(screen.left() + 50, screen.top() + 200, 300, 200);
    main.show();
    lpt::ActiveDevice device;
    lpt::SelectDevice(device, "16F628");
    QPoint where;
    auto record = [&where](FuseInfoDialog* d) {
      where = d->frameGeometry().topLeft();
      QCOMPARE(d->Labels[0]->text().left(7), QStringLiteral("FOSC0=1"));
      d->closeButton_->click();
    };
    lpt::testing::WhenModalOpens<FuseInfoDialog>(record);
    ShowInfoDialog(&main, device);
    QCOMPARE(where, main.frameGeometry().topLeft() + QPoint(100, -130));

    main.move(screen.left() + 50, screen.top());
    lpt::testing::WhenModalOpens<FuseInfoDialog>(record);
    ShowInfoDialog(&main, device);
    QCOMPARE(where.y(), screen.top());
    QCOMPARE(where.x(), main.frameGeometry().left() + 100);
  }
};

QTEST_MAIN(InfoDialogTest)
#include "dialog_info_test.moc"
