// SPDX-License-Identifier: GPL-2.0-or-later
// Editing the buffers through the window: the Clear Area dialog and typing
// into grid cells through the in-place editor.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include "app/clear_area_dialog.h"
#include "gui_test_support.h"

using namespace lpt;
using namespace lpt::gui_test;
using lpt::app::ClearAreaDialog;

namespace {

// Opens the cell editor, types `keys` over the old text and presses Enter.
// Returns what the editor showed just before Enter.
QString TypeIntoCell(QTableView* grid, int row, int col, const QString& keys) {
  const QModelIndex index = grid->model()->index(row, col);
  // Making the cell current opens its editor, as a click does.
  grid->setCurrentIndex(index);
  auto* editor = grid->viewport()->findChild<QLineEdit*>();
  if (editor == nullptr) return QStringLiteral("<no editor>");
  editor->selectAll();
  editor->del();
  QTest::keyClicks(editor, keys);
  const QString shown = editor->text();
  QTest::keyClick(editor, Qt::Key_Return);
  QApplication::processEvents();
  return shown;
}

}  // namespace

class EditingTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { window_ = MakeWindow(dirs_.Options()); }
  void cleanup() { window_.reset(); }

  void clearAreaZeroesTheRange_data() {
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<int>("first");  // first cleared address, -1: none
    QTest::addColumn<int>("last");
    QTest::addColumn<QString>("zero");
    QTest::addColumn<QString>("shownStart");
    QTest::newRow("rows 2-3") << "16F84"
                              << "10"
                              << "1F" << 16 << 31 << "0000"
                              << "0010";
    QTest::newRow("lower case typed") << "16F84"
                                      << "a"
                                      << "b" << 10 << 11 << "0000"
                                      << "000A";
    QTest::newRow("12-bit") << "12C508"
                            << "0"
                            << "7" << 0 << 7 << "000"
                            << "0000";
    QTest::newRow("empty start") << "16F84"
                                 << ""
                                 << "3" << 0 << 3 << "0000"
                                 << "0000";
  }
  void clearAreaZeroesTheRange() {
    QFETCH(QString, device);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QString, zero);
    QFETCH(QString, shownStart);
    window_->SetUpDevice(device.toStdString());
    const std::string blank = window_->Buffers().ProgramWord(0);
    ClearAreaDialog dialog(window_.get(), window_->Device(), window_->Buffers());
    dialog.StartEdit()->clear();
    dialog.EndEdit()->clear();
    QTest::keyClicks(dialog.StartEdit(), start);
    QTest::keyClicks(dialog.EndEdit(), end);
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.StartEdit()->text(), shownStart);
    const int words = window_->Device().programRows * 8;
    for (int a = 0; a < words; ++a) {
      const bool cleared = a >= first && a <= last && first >= 0;
      const std::string expected = cleared ? zero.toStdString() : blank;
      if (window_->Buffers().ProgramWord(a) != expected) {
        QFAIL(qPrintable(QStringLiteral("address %1 holds %2")
                             .arg(a)
                             .arg(QString::fromStdString(window_->Buffers().ProgramWord(a)))));
      }
    }
  }

  void clearAreaDialogOpensWithTheLastAddress() {
    window_->SetUpDevice("16F877");
    ClearAreaDialog dialog(window_.get(), window_->Device(), window_->Buffers());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Clear Area"));
    QCOMPARE(dialog.StartEdit()->text(), QStringLiteral("0"));
    QCOMPARE(dialog.EndEdit()->text(), QStringLiteral("1FFF"));
    // Both fields open selected: typing replaces, at most four digits.
    QCOMPARE(dialog.StartEdit()->selectedText(), QStringLiteral("0"));
    QCOMPARE(dialog.EndEdit()->selectedText(), QStringLiteral("1FFF"));
    QTest::keyClicks(dialog.StartEdit(), QStringLiteral("12345"));
    QCOMPARE(dialog.StartEdit()->text(), QStringLiteral("1234"));
  }

  // Keys as a user types them into the open dialog, to the focused field.
  void clearAreaTypedRangeOn16F877() {
    window_->SetUpDevice("16F877");
    const std::string blank = window_->Buffers().ProgramWord(0);
    WithModal<ClearAreaDialog>([&] { window_->Actions().clearArea->trigger(); },
                               [](ClearAreaDialog* dialog) {
                                 QTest::keyClicks(dialog->focusWidget(), QStringLiteral("1234"));
                                 QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
                                 QCOMPARE(dialog->focusWidget(), dialog->EndEdit());
                                 QTest::keyClicks(dialog->focusWidget(), QStringLiteral("1FFF"));
                                 QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
                               });
    // 16F877: 8K words, 0000h-1FFFh.
    for (int a = 0; a < 0x2000; ++a) {
      const std::string expected = a >= 0x1234 ? "0000" : blank;
      if (window_->Buffers().ProgramWord(a) != expected) {
        QFAIL(qPrintable(QStringLiteral("address %1 holds %2")
                             .arg(a, 0, 16)
                             .arg(QString::fromStdString(window_->Buffers().ProgramWord(a)))));
      }
    }
    QCOMPARE(CellText(window_->ProgramGrid(), 0x1234 / 8, 0x1234 % 8 + 1), QStringLiteral("0000"));
  }

  void clearAreaRefusesARangeOutsideTheDevice_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("message");
    QTest::newRow("end past memory") << "0"
                                     << "2000"
                                     << "End address 2000h is past the last address 1FFFh.";
    QTest::newRow("start after end") << "20"
                                     << "10"
                                     << "Start address 0020h is after end address 0010h.";
  }
  void clearAreaRefusesARangeOutsideTheDevice() {
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, message);
    window_->SetUpDevice("16F877");
    BoxRecorder boxes;
    ClearAreaDialog dialog(window_.get(), window_->Device(), window_->Buffers());
    QTest::keyClicks(dialog.StartEdit(), start);
    QTest::keyClicks(dialog.EndEdit(), end);
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));  // still open
    QCOMPARE(boxes.boxes.size(), std::size_t{1});
    QCOMPARE(boxes.boxes[0].kind, app::BoxKind::Error);
    QCOMPARE(boxes.boxes[0].text, message);
    for (int a = 0; a < 0x2000; ++a) {
      if (window_->Buffers().ProgramWord(a) != "3FFF") QFAIL(qPrintable(QString::number(a, 16)));
    }
  }

  void clearAreaRefusesNonHexAndStaysOpen() {
    BoxRecorder boxes;
    ClearAreaDialog dialog(window_.get(), window_->Device(), window_->Buffers());
    dialog.StartEdit()->setText(QStringLiteral("G1"));
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(boxes.boxes.size(), std::size_t{1});
    QCOMPARE(boxes.boxes[0].kind, app::BoxKind::Error);
    QCOMPARE(boxes.boxes[0].text, QStringLiteral("You can write only A..F, 0..9"));
    QCOMPARE(window_->Buffers().ProgramWord(0), std::string("3FFF"));
    QCOMPARE(dialog.StartEdit()->text(), QStringLiteral("G1"));
  }

  void clearAreaThroughTheMenu() {
    const QPoint expected = window_->pos() + QPoint(100, -53);
    WithModal<ClearAreaDialog>([&] { window_->Actions().clearArea->trigger(); },
                               [&](ClearAreaDialog* dialog) {
                                 QCOMPARE(dialog->pos(), expected);
                                 dialog->StartEdit()->setText(QStringLiteral("8"));
                                 dialog->EndEdit()->setText(QStringLiteral("8"));
                                 dialog->OkButton()->click();
                               });
    QCOMPARE(CellText(window_->ProgramGrid(), 1, 1), QStringLiteral("0000"));
    QCOMPARE(CellText(window_->ProgramGrid(), 1, 2), QStringLiteral("3FFF"));

    WithModal<ClearAreaDialog>([&] { window_->Actions().clearArea->trigger(); },
                               [&](ClearAreaDialog* dialog) {
                                 dialog->EndEdit()->setText(QStringLiteral("3FF"));
                                 dialog->CancelButton()->click();
                               });
    QCOMPARE(CellText(window_->ProgramGrid(), 0, 1), QStringLiteral("3FFF"));
  }

  void typedCellsKeepTheirFormat_data() {
    QTest::addColumn<QString>("device");
    QTest::addColumn<bool>("dataGrid");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("stored");
    QTest::newRow("upper case, padded") << "16F84" << false << "a5"
                                        << "A5"
                                        << "00A5";
    QTest::newRow("non-hex refused") << "16F84" << false << "1g2"
                                     << "12"
                                     << "0012";
    QTest::newRow("width") << "16F84" << false << "12345"
                           << "1234"
                           << "1234";
    QTest::newRow("above blank") << "16F84" << false << "4000"
                                 << "400"
                                 << "0400";
    QTest::newRow("empty is blank") << "16F84" << false << ""
                                    << ""
                                    << "3FFF";
    QTest::newRow("12-bit width") << "16C505" << false << "abcd"
                                  << "ABC"
                                  << "ABC";
    QTest::newRow("data byte") << "16F84" << true << "7"
                               << "7"
                               << "07";
    QTest::newRow("data above blank") << "16F84" << true << "1FF"
                                      << "1F"
                                      << "1F";
  }
  void typedCellsKeepTheirFormat() {
    QFETCH(QString, device);
    QFETCH(bool, dataGrid);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(QString, stored);
    window_->SetUpDevice(device.toStdString());
    QTableView* grid = dataGrid ? window_->DataGrid() : window_->ProgramGrid();
    QCOMPARE(TypeIntoCell(grid, 2, 3, keys), shown);
    QCOMPARE(CellText(grid, 2, 3), stored);
    // Row 2, column 3 is address 8 * 2 + 3 - 1.
    const EditBuffers& buffers = window_->Buffers();
    QCOMPARE(QString::fromStdString(dataGrid ? buffers.DataByte(18) : buffers.ProgramWord(18)),
             stored);
  }

  void addressColumnIsNotEditable() {
    QTableView* grid = window_->ProgramGrid();
    const QModelIndex label = grid->model()->index(1, 0);
    QVERIFY(!(grid->model()->flags(label) & Qt::ItemIsEditable));
    QVERIFY(!grid->model()->setData(label, QStringLiteral("123"), Qt::EditRole));
    QCOMPARE(CellText(grid, 1, 0), QStringLiteral("008"));
    QCOMPARE(grid->toolTip(), QStringLiteral("Click to edit"));
  }

 private:
  SettingsDirs dirs_;
  std::unique_ptr<app::MainWindow> window_;
};

QTEST_MAIN(EditingTest)
#include "editing_test.moc"
