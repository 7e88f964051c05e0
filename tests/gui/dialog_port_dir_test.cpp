// SPDX-License-Identifier: GPL-2.0-or-later
// The output-port dialog (LPT 1, LPT 2, simulator) and the working
// directory dialog with its path panel and fall-back.
#include <QComboBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

#include "app/dialog_dir.h"
#include "app/dialog_launchers.h"
#include "app/dialog_port.h"
#include "support/gui_box_recorder.h"
#include "support/gui_modal_dialog.h"

using namespace lpt::app;
using lpt::testing::BoxRecorder;
using lpt::testing::WhenModalOpens;

class PortDirDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void choiceShownForEachAddress_data() {
    QTest::addColumn<int>("address");
    QTest::addColumn<QString>("checked");
    QTest::newRow("378h") << 888 << "LPT &1   (378)";
    QTest::newRow("278h") << 632 << "LPT &2   (278) ";
    QTest::newRow("3BCh, an ISA port") << 0x3BC << "&Other:";
    QTest::newRow("80 from the settings file") << 80 << "LPT &2   (278) ";
    QTest::newRow("simulator") << 0 << "&Simulator";
  }
  void choiceShownForEachAddress() {
    QFETCH(int, address);
    QFETCH(QString, checked);
    PortDialog dialog(address);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Output  Port"));
    int count = 0;
    for (QRadioButton* button :
         {dialog.lpt1Button_, dialog.lpt2Button_, dialog.Simulator, dialog.Other}) {
      if (button->isChecked()) {
        ++count;
        QCOMPARE(button->text(), checked);
        QCOMPARE(dialog.focusWidget(), button);  // the keyboard starts there
      }
    }
    QCOMPARE(count, 1);
  }

  // An address "Other:" cannot take, from the settings file.
  void port80CancelKeepsOkSetsLpt2() {
    int address = 80;
    WhenModalOpens<PortDialog>([](PortDialog* d) { d->ButtonCancel->click(); });
    QVERIFY(!ShowPortDialog(nullptr, &address));
    QCOMPARE(address, 80);
    WhenModalOpens<PortDialog>([](PortDialog* d) { d->ButtonOk->click(); });
    QVERIFY(ShowPortDialog(nullptr, &address));
    QCOMPARE(address, 632);
  }

  // Typed in "Other:", OK, reopened, OK untouched: still the same port.
  void otherAddressSurvivesReopening_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("address");
    QTest::newRow("lowest") << "0100" << 0x100;
    QTest::newRow("ISA 3BC") << "3BC" << 0x3BC;
    QTest::newRow("COM-like 2F8h") << "2F8h" << 0x2F8;
    QTest::newRow("PCI card") << "0xD010" << 0xD010;
    QTest::newRow("highest") << "FFF8" << 0xFFF8;
  }
  void otherAddressSurvivesReopening() {
    QFETCH(QString, typed);
    QFETCH(int, address);
    int inUse = 888;
    WhenModalOpens<PortDialog>([&](PortDialog* d) {
      d->OtherPort->setEditText(typed);
      d->ButtonOk->click();
    });
    QVERIFY(ShowPortDialog(nullptr, &inUse));
    QCOMPARE(inUse, address);
    WhenModalOpens<PortDialog>([](PortDialog* d) { d->ButtonOk->click(); });
    QVERIFY(ShowPortDialog(nullptr, &inUse));
    QCOMPARE(inUse, address);
  }

  // OK tries the port: one that does not open keeps the dialog open with
  // the reason; another choice that opens closes it.
  void okKeepsTheDialogOpenWhileThePortFails() {
    BoxRecorder boxes;
    int address = 888;
    std::vector<int> tried;
    const auto opener = [&](int chosen) {
      tried.push_back(chosen);
      return chosen == 888 ? std::string("no parallel port at 0378h") : std::string();
    };
    WhenModalOpens<PortDialog>([](PortDialog* d) {
      d->ButtonOk->click();
      QVERIFY(d->isVisible());
      d->Simulator->click();
      d->ButtonOk->click();
    });
    QVERIFY(ShowPortDialog(nullptr, &address, opener));
    QCOMPARE(address, 0);
    QCOMPARE(tried, (std::vector<int>{888, 0}));
    QCOMPARE(boxes.Texts(), QStringList{QStringLiteral("no parallel port at 0378h")});
  }

  void eachChoiceStoresItsAddress() {
    int address = 632;
    WhenModalOpens<PortDialog>([](PortDialog* d) {
      d->Simulator->click();
      d->ButtonOk->click();
    });
    QVERIFY(ShowPortDialog(nullptr, &address));
    QCOMPARE(address, 0);
    WhenModalOpens<PortDialog>([](PortDialog* d) {
      QVERIFY(d->Simulator->isChecked());
      d->lpt1Button_->click();
      d->ButtonOk->click();
    });
    QVERIFY(ShowPortDialog(nullptr, &address));
    QCOMPARE(address, 888);
    WhenModalOpens<PortDialog>([](PortDialog* d) { d->ButtonOk->click(); });
    QVERIFY(ShowPortDialog(nullptr, &address));  // OK without a change: reopen
    QCOMPARE(address, 888);
  }

  void pathPanelKeepsThirtyCharacters() {
    const QString thirty = QStringLiteral("/abcdefghi/abcdefghi/abcdefghi");  // 30
    QCOMPARE(thirty.size(), 30);
    QCOMPARE(PathPanelText(thirty), QLatin1Char(' ') + thirty + QLatin1Char(' '));
    const QString thirtyOne = QLatin1Char('X') + thirty;
    QCOMPARE(PathPanelText(thirtyOne), QStringLiteral(" ...") + thirty + QLatin1Char(' '));
    const QString forty = QStringLiteral("C:\\0123456789") + QString(27, QLatin1Char('d'));
    QCOMPARE(forty.size(), 40);
    QCOMPARE(PathPanelText(forty), QStringLiteral(" ...") + forty.mid(10) + QLatin1Char(' '));
    QCOMPARE(PathPanelText(QStringLiteral("C:\\Pic")), QStringLiteral(" C:\\Pic "));
  }

  void dialogShowsWorkDirAndOkTakesTheSelection() {
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("hex/sub")));
    const QString work = root.filePath(QStringLiteral("hex"));
    const QString sub = root.filePath(QStringLiteral("hex/sub"));
    std::string workDir = work.toStdString();
    WhenModalOpens<DirectoryDialog>([&](DirectoryDialog* d) {
      QVERIFY(!d->FellBack());
      QCOMPARE(d->PathPanel->text(), PathPanelText(work));
      auto* model = qobject_cast<QFileSystemModel*>(d->DirectoryTree->model());
      d->DirectoryTree->setCurrentIndex(model->index(sub));  // a click in the tree
      QCOMPARE(d->PathPanel->text(), PathPanelText(sub));
      d->ButtonOk->click();
    });
    ShowDirDialog(nullptr, &workDir, "/nonexistent-exe-dir/");
    QCOMPARE(QString::fromStdString(workDir), sub);
  }

  // Sixty sibling folders: the one chosen is far below the tree's first
  // screen once the folders above it are read.
  void currentFolderIsScrolledIntoView() {
    QTemporaryDir root;
    for (int i = 0; i < 60; ++i)
      QVERIFY(QDir(root.path()).mkpath(QStringLiteral("d%1").arg(i, 2, 10, QLatin1Char('0'))));
    const QString work = root.filePath(QStringLiteral("d55"));
    DirectoryDialog dialog(work, work);
    QTreeView* tree = dialog.DirectoryTree;
    auto* model = qobject_cast<QFileSystemModel*>(tree->model());
    QSignalSpy loaded(model, &QFileSystemModel::directoryLoaded);
    dialog.show();
    // Until its siblings are read the folder is the first row and in view;
    // what counts is where it is once they are read and sorted.
    const auto siblingsRead = [&] {
      for (const QList<QVariant>& args : loaded)
        if (QDir(args.at(0).toString()) == QDir(root.path())) return true;
      return false;
    };
    const auto inView = [&] {
      return tree->viewport()->rect().contains(tree->visualRect(tree->currentIndex()));
    };
    // The folders above it may be read later still, each moving it again.
    QTRY_VERIFY_WITH_TIMEOUT(siblingsRead() && inView(), 10000);
    QCOMPARE(QDir(tree->currentIndex().data(QFileSystemModel::FilePathRole).toString()),
             QDir(work));
    // Open down to it: every folder above it shows its subfolders.
    for (QModelIndex above = tree->currentIndex().parent(); above.isValid(); above = above.parent())
      QVERIFY2(tree->isExpanded(above), qPrintable(model->filePath(above)));
  }

  void cancelKeepsWorkDir() {
    QTemporaryDir root;
    std::string workDir = root.path().toStdString();
    WhenModalOpens<DirectoryDialog>([](DirectoryDialog* d) {
      d->SetDirectory(QDir::rootPath());
      d->ButtonCancel->click();
    });
    ShowDirDialog(nullptr, &workDir, "/somewhere/else/");
    QCOMPARE(QString::fromStdString(workDir), root.path());
  }

  void removedWorkDirFallsBackEvenAfterCancel() {
    QTemporaryDir exe;
    std::string workDir;
    {
      QTemporaryDir removed;
      workDir = removed.path().toStdString();
    }
    QVERIFY(!QFileInfo::exists(QString::fromStdString(workDir)));
    const std::string exeDir = exe.path().toStdString() + "/";
    WhenModalOpens<DirectoryDialog>([&](DirectoryDialog* d) {
      QVERIFY(d->FellBack());
      QCOMPARE(d->PathPanel->text(), PathPanelText(exe.path()));
      d->ButtonCancel->click();
    });
    ShowDirDialog(nullptr, &workDir, exeDir);
    QCOMPARE(workDir, exeDir);
  }

  void driveSelectorShowsTheDrive() {
    DirectoryDialog dialog(QDir::tempPath(), QDir::tempPath());
    QVERIFY(dialog.DriveBox->count() > 0);
    const int index = dialog.DriveBox->findText(QDir::rootPath());
    if (index < 0) QSKIP("no volume mounted at the root here");
    dialog.DriveBox->setCurrentIndex(index);
    emit dialog.DriveBox->activated(index);
    QCOMPARE(dialog.SelectedDirectory(), QDir::toNativeSeparators(QDir::rootPath()));
    QCOMPARE(dialog.PathPanel->text(), PathPanelText(QDir::toNativeSeparators(QDir::rootPath())));
  }
};

QTEST_MAIN(PortDirDialogTest)
#include "dialog_port_dir_test.moc"
