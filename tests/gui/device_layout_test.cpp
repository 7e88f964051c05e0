// SPDX-License-Identifier: GPL-2.0-or-later
// Device set-up as the window shows it: controls a layout hides and
// restores, grid sizes and texts, and the fuse switches clicked through
// their panels.
#include <QAction>
#include <QGroupBox>
#include <QPushButton>
#include <QStyleOptionGroupBox>
#include <QTableView>
#include <QtTest>
#include <cstdlib>
#include <set>

#include "app/click_panel.h"
#include "app/fuse_panel.h"
#include "app/memory_grid.h"
#include "devices/catalogue.h"
#include "gui_test_support.h"

using namespace lpt;
using namespace lpt::gui_test;
using lpt::app::ClickPanel;
using lpt::app::FusePanel;

namespace {

bool Shown(QWidget* widget) { return !widget->isHidden(); }

}  // namespace

class DeviceLayoutTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { window_ = MakeWindow(dirs_.Options()); }
  void cleanup() { window_.reset(); }

  // Each group's frame stands out from the window colour and holds what
  // the group shows (the switches and the grids sat across its top line).
  void groupFramesAreSeenAndHoldTheirContents() {
    window_->SetUpDevice("16F877");
    QApplication::processEvents();
    for (QGroupBox* group : {static_cast<QGroupBox*>(window_->FuseGroup()), window_->DataGroup(),
                             qobject_cast<QGroupBox*>(window_->ProgramGrid()->parentWidget())}) {
      QVERIFY(group != nullptr);
      QStyleOptionGroupBox option;
      option.initFrom(group);
      option.text = group->title();
      option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
      const QRect frame = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                         QStyle::SC_GroupBoxFrame, group);
      for (QWidget* child : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isHidden()) continue;
        QVERIFY2(frame.adjusted(1, 1, -1, -1).contains(child->geometry()),
                 qPrintable(group->title() + QStringLiteral(": frame top %1, child top %2")
                                                 .arg(frame.top())
                                                 .arg(child->geometry().top())));
      }
      const QImage image = group->grab().toImage();
      const QColor line = image.pixelColor(frame.left(), frame.center().y());
      const QColor window = group->palette().color(QPalette::Window);
      QVERIFY2(std::abs(qGray(line.rgb()) - qGray(window.rgb())) >= 48,
               qPrintable(group->title() +
                          QStringLiteral(": frame %1 on %2").arg(line.name(), window.name())));
    }
  }

  void layoutsHideAndRestoreControls_data() {
    QTest::addColumn<QString>("device");
    QTest::addColumn<bool>("dataGroup");
    QTest::addColumn<bool>("programData");
    QTest::addColumn<bool>("erase");
    QTest::addColumn<bool>("fuses");
    QTest::addColumn<bool>("info");
    QTest::newRow("16F84") << "16F84" << true << true << true << true << false;
    QTest::newRow("16C61") << "16C61" << false << false << false << true << false;
    QTest::newRow("16C62") << "16C62" << false << false << false << true << true;
    QTest::newRow("16F877") << "16F877" << true << true << true << true << true;
    QTest::newRow("12F629/675") << "12F629/675" << true << false << true << false << true;
    QTest::newRow("16F627A") << "16F627A" << true << false << true << false << true;
    QTest::newRow("10F200") << "10F200" << false << false << true << false << false;
  }
  void layoutsHideAndRestoreControls() {
    QFETCH(QString, device);
    QFETCH(bool, dataGroup);
    QFETCH(bool, programData);
    QFETCH(bool, erase);
    QFETCH(bool, fuses);
    QFETCH(bool, info);
    // There and back again: every control must come back for the 16F84.
    for (const QString& name : {device, QStringLiteral("16F84")}) {
      window_->SetUpDevice(name.toStdString());
      const bool home = name == QStringLiteral("16F84");
      QCOMPARE(window_->windowTitle(), QStringLiteral("Pic") + name);
      QCOMPARE(Shown(window_->DataGroup()), home || dataGroup);
      QCOMPARE(window_->Actions().programDataOnly->isEnabled(), home || programData);
      QCOMPARE(Shown(window_->Buttons().erase), home || erase);
      QCOMPARE(window_->Actions().erase->isEnabled(), home || erase);
      QCOMPARE(Shown(window_->Buttons().programFusesOnly), home || fuses);
      QCOMPARE(window_->Actions().programFusesOnly->isEnabled(), home || fuses);
      QCOMPARE(Shown(window_->InfoPanel()), !home && info);
    }
  }

  void gridsFollowTheDevice() {
    window_->SetUpDevice("16C505");
    QTableView* programGrid = window_->ProgramGrid();
    QCOMPARE(programGrid->model()->rowCount(), 128);
    QCOMPARE(CellText(programGrid, 0, 0), QStringLiteral("000"));
    QCOMPARE(CellText(programGrid, 0, 1), QStringLiteral("FFF"));
    QCOMPARE(CellText(programGrid, 127, 8), QStringLiteral("FFF"));
    QCOMPARE(CellText(programGrid, 127, 0), QStringLiteral("3F8"));

    window_->SetUpDevice("16F57");
    QCOMPARE(programGrid->model()->rowCount(), 256);
    QCOMPARE(CellText(programGrid, 255, 0), QStringLiteral("7F8"));
    QCOMPARE(CellText(programGrid, 255, 8), QStringLiteral("FFF"));

    window_->SetUpDevice("16F877");
    QCOMPARE(programGrid->model()->rowCount(), 1024);
    QCOMPARE(CellText(programGrid, 1023, 0), QStringLiteral("1FF8"));
    QCOMPARE(CellText(programGrid, 1023, 8), QStringLiteral("3FFF"));
    QCOMPARE(CellText(programGrid, 511, 0), QStringLiteral("FF8"));
    QTableView* dataGrid = window_->DataGrid();
    QCOMPARE(dataGrid->model()->rowCount(), 32);
    QCOMPARE(CellText(dataGrid, 31, 0), QStringLiteral("F8"));
    QCOMPARE(CellText(dataGrid, 31, 8), QStringLiteral("FF"));
    // The view scrolls to the last row without trouble.
    programGrid->scrollToBottom();
    QApplication::processEvents();
    QVERIFY(programGrid->rowAt(programGrid->viewport()->height() - 1) > 1000);
  }

  // Whatever face is installed, every word keeps two pixels clear on both
  // sides of its cell, in one size for the whole grid.
  void cellTextFitsItsCell_data() {
    QTest::addColumn<bool>("dataGrid");
    QTest::addColumn<int>("digits");
    QTest::newRow("program word") << false << 4;
    QTest::newRow("data byte") << true << 2;
  }
  void cellTextFitsItsCell() {
    QFETCH(bool, dataGrid);
    QFETCH(int, digits);
    QTableView* grid = dataGrid ? window_->DataGrid() : window_->ProgramGrid();
    const int width = grid->visualRect(grid->model()->index(0, 1)).width();
    const QFont font = app::GridFont(grid->font(), digits, width);
    QVERIFY(QFontInfo(font).pixelSize() >= 8);
    for (QChar digit : QStringLiteral("0123456789ABCDEF")) {
      const QString text(digits, digit);
      QVERIFY2(QFontMetricsF(font).horizontalAdvance(text) <= width - 4, qPrintable(text));
    }
    QCOMPARE(app::GridFont(font, digits, width), font);  // a fitting size is left alone
  }

  // Every caption of every switch of every fuse layout, clicked through
  // its values, fits its switch whole.
  void switchCaptionsFitTheirSwitches() {
    QStringList clipped;
    std::set<FuseLayout> seen;
    for (const DeviceRecord& part : AllDevices()) {
      if (!seen.insert(part.fuseLayout).second) continue;
      window_->SetUpDevice(std::string(part.name));
      for (ClickPanel* panel : window_->FuseGroup()->findChildren<ClickPanel*>()) {
        if (panel->isHidden()) continue;
        for (int value = 0; value < 8; ++value) {
          if (panel->sizeHint().width() > panel->width())
            clipped << QString::fromUtf8(part.name.data(), part.name.size()) + panel->text();
          Click(panel);
        }
      }
    }
    clipped.removeDuplicates();
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral(" | "))));
  }

  void setBufferAndSetFusesReset() {
    window_->SetUpDevice("16C505");
    EditBuffers& buffers = window_->Buffers();
    buffers.ProgramCell(3, 2) = "123";
    buffers.SetIdDigits("1234");
    Click(window_->FuseGroup()->SlotPanel(2));  // FOSC1 -> 0
    QCOMPARE(buffers.FuseWord, std::uint16_t{0x3FFD});

    window_->Actions().clearFuses->trigger();
    QCOMPARE(buffers.FuseWord, std::uint16_t{0x3FFF});
    QCOMPARE(window_->FuseGroup()->SlotPanel(2)->text(), QStringLiteral(" FOSC1: 1"));
    QCOMPARE(window_->IdPanel()->text(), QStringLiteral("   ID:  FFFF"));
    QCOMPARE(CellText(window_->ProgramGrid(), 3, 2), QStringLiteral("123"));

    window_->Actions().clearBuffers->trigger();
    QCOMPARE(CellText(window_->ProgramGrid(), 3, 2), QStringLiteral("FFF"));
    QVERIFY(!Shown(window_->DataGroup()));
  }

  void deviceChangeKeepsTheId() {
    window_->Buffers().SetIdDigits("12AB");
    window_->SetUpDevice("16F628");
    QCOMPARE(window_->Buffers().IdDigits(), std::string("12AB"));
    QCOMPARE(window_->Buffers().FuseWord, std::uint16_t{0x3FFF});
  }

  void fusePanelClicksEditTheWord() {
    window_->SetUpDevice("16F84");
    FusePanel* fuses = window_->FuseGroup();
    QCOMPARE(fuses->SlotPanel(4)->objectName(), QStringLiteral("fuseSlot4"));
    QCOMPARE(fuses->SlotPanel(5)->objectName(), QStringLiteral("fuseSlot5"));
    QCOMPARE(fuses->SlotPanel(6)->width(), 73);
    for (int slot = 1; slot <= 12; ++slot) {
      QVERIFY2(fuses->rect().contains(fuses->SlotPanel(slot)->geometry()),
               "slot outside the group");
    }
    QVERIFY(!Shown(fuses->SlotPanel(5)));
    QCOMPARE(fuses->SlotPanel(4)->toolTip(), QStringLiteral("Code protect"));

    Click(fuses->SlotPanel(4));
    QCOMPARE(window_->Buffers().FuseWord, std::uint16_t{0x000F});
    QCOMPARE(fuses->SlotPanel(4)->text(), QStringLiteral("   CP:  ON"));
    Click(fuses->SlotPanel(4));
    QCOMPARE(window_->Buffers().FuseWord, std::uint16_t{0x3FFF});
    QCOMPARE(fuses->SlotPanel(4)->text(), QStringLiteral("   CP:  OFF"));

    const struct {
      std::uint16_t word;
      const char* caption;
    } kOscillator[] = {{0x3FFE, "  Osc:  HS"},
                       {0x3FFD, "  Osc:  XT"},
                       {0x3FFC, "  Osc:  LP"},
                       {0x3FFF, "  Osc:  RC"}};
    for (const auto& step : kOscillator) {
      Click(fuses->SlotPanel(1));
      QCOMPARE(window_->Buffers().FuseWord, step.word);
      QCOMPARE(fuses->SlotPanel(1)->text(), QString::fromLatin1(step.caption));
    }
  }

  void slotColourFollowsTheLayout() {
    window_->SetUpDevice("12F629/675");
    ClickPanel* slot4 = window_->FuseGroup()->SlotPanel(4);
    QCOMPARE(slot4->text(), QStringLiteral("  Wdt:  ON"));
    QCOMPARE(slot4->palette().color(QPalette::Window), QColor::fromRgb(0xFDC795));
    window_->SetUpDevice("16C62");
    QCOMPARE(slot4->text(), QStringLiteral("  CP0: OFF"));
    QCOMPARE(slot4->palette().color(QPalette::Window), QColor::fromRgb(0x7495B6));
    QVERIFY(!Shown(window_->FuseGroup()->SlotPanel(6)));
  }

 private:
  SettingsDirs dirs_;
  std::unique_ptr<app::MainWindow> window_;
};

QTEST_MAIN(DeviceLayoutTest)
#include "device_layout_test.moc"
