// SPDX-License-Identifier: GPL-2.0-or-later
// File > Open through the window: a file that fails to load leaves every
// buffer, view and the caption as they were; one that loads names itself
// in the caption.
#include <QDir>
#include <QFile>
#include <QtTest>

#include "app/click_panel.h"
#include "app/fuse_panel.h"
#include "gui_test_support.h"
#include "hw/virtual_clock.h"

using namespace lpt;
using namespace lpt::gui_test;

namespace {

// Everything a load could change that the user sees or programs.
struct WindowImage {
  QStringList programCells;
  QStringList dataCells;
  std::uint16_t fuseWord = 0;
  QStringList switches;
  QString caption;

  static WindowImage Of(app::MainWindow& window) {
    WindowImage image;
    for (QTableView* grid : {window.ProgramGrid(), window.DataGrid()}) {
      QStringList& cells = grid == window.ProgramGrid() ? image.programCells : image.dataCells;
      for (int row = 0; row < grid->model()->rowCount(); ++row)
        for (int col = 1; col < grid->model()->columnCount(); ++col)
          cells << CellText(grid, row, col);
    }
    image.fuseWord = window.Buffers().FuseWord;
    for (const app::ClickPanel* panel : window.FuseGroup()->findChildren<app::ClickPanel*>())
      image.switches << panel->text();
    image.caption = window.windowTitle();
    return image;
  }
};

void WriteText(const QString& path, const QByteArray& text) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(text);
}

}  // namespace

class FileOpenTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    dirs_ = std::make_unique<SettingsDirs>();
    window_ = MakeSimulatorWindow(*dirs_, clock_);
  }
  void cleanup() {
    window_.reset();
    dirs_.reset();
  }

  void failedOpenChangesNothing_data() {
    QTest::addColumn<QByteArray>("text");  // empty: no such file
    QTest::addColumn<int>("boxKind");
    // A program word and the configuration word (both valid) before a
    // line whose checksum is wrong.
    QTest::newRow("checksum on line 3")
        << QByteArray(":020000000528D1\r\n:02400E00F13F80\r\n:0400000001020304F1\r\n")
        << int(app::BoxKind::Error);
    QTest::newRow("missing file") << QByteArray() << int(app::BoxKind::FileError);
  }
  void failedOpenChangesNothing() {
    QFETCH(QByteArray, text);
    QFETCH(int, boxKind);
    BoxRecorder boxes;
    window_->Buffers().ProgramCell(0, 1) = "1111";
    window_->Buffers().ProgramCell(5, 3) = "2222";
    window_->Buffers().DataCell(0, 1) = "12";
    Click(window_->FuseGroup()->SlotPanel(4));
    window_->SaveHexPath(QDir(dirs_->exe.path()).filePath(QStringLiteral("mine.hex")));
    window_->Buffers().ProgramCell(0, 2) = "3333";  // an edit not saved yet
    window_->Buffers().SetIdDigits("ABCD");
    const WindowImage before = WindowImage::Of(*window_);
    QCOMPARE(before.caption, QStringLiteral("Pic16F84 - mine.hex"));
    QCOMPARE(before.programCells.at(1), QStringLiteral("3333"));

    const QString path = QDir(dirs_->exe.path()).filePath(QStringLiteral("other.hex"));
    if (!text.isEmpty()) WriteText(path, text);
    window_->LoadHexPath(path);

    QCOMPARE(boxes.boxes.size(), std::size_t{1});
    QCOMPARE(int(boxes.boxes[0].kind), boxKind);
    if (!text.isEmpty())
      QCOMPARE(boxes.boxes[0].text, QStringLiteral("Error CheckSum on line 3 !"));
    const WindowImage after = WindowImage::Of(*window_);
    QCOMPARE(after.programCells, before.programCells);
    QCOMPARE(after.dataCells, before.dataCells);
    QCOMPARE(after.fuseWord, before.fuseWord);
    QCOMPARE(after.switches, before.switches);
    QCOMPARE(after.caption, before.caption);
    QCOMPARE(window_->Buffers().ProgramCell(0, 2), std::string("3333"));
    QCOMPARE(window_->Buffers().IdDigits(), std::string("ABCD"));
  }

  void openedFileIsNamedInTheCaption() {
    BoxRecorder boxes;
    QCOMPARE(window_->windowTitle(), QStringLiteral("Pic16F84"));
    const QString path = QDir(dirs_->exe.path()).filePath(QStringLiteral("good.hex"));
    WriteText(path, ":020000000528D1\r\n:00000001FF\r\n");
    window_->LoadHexPath(path);
    QVERIFY(boxes.boxes.empty());
    QCOMPARE(CellText(window_->ProgramGrid(), 0, 1), QStringLiteral("2805"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Pic16F84 - good.hex"));
  }

 private:
  VirtualClock clock_;
  std::unique_ptr<SettingsDirs> dirs_;
  std::unique_ptr<app::MainWindow> window_;
};

QTEST_MAIN(FileOpenTest)
#include "file_open_test.moc"
