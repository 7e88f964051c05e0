// SPDX-License-Identifier: GPL-2.0-or-later
// The ID dialog: upper-case entry of at most four characters, the hex
// check with its one message, padding with F, Enter = OK, Cancel keeps.
#include "app/dialog_id.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <optional>

#include "app/dialog_launchers.h"
#include "support/gui_box_recorder.h"
#include "support/gui_modal_dialog.h"

using namespace lpt::app;

class IdDialogTest : public QObject {
  Q_OBJECT

  std::optional<lpt::testing::BoxRecorder> boxes_;

 private slots:
  void init() { boxes_.emplace(); }
  void cleanup() { boxes_.reset(); }

  void captionPaddingAndCheck_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("caption");
    QTest::newRow("empty") << ""
                           << "   ID:  FFFF";
    QTest::newRow("one") << "7"
                         << "   ID:  FFF7";
    QTest::newRow("two") << "12"
                         << "   ID:  FF12";
    QTest::newRow("three") << "A0B"
                           << "   ID:  FA0B";
    QTest::newRow("four") << "C0DE"
                          << "   ID:  C0DE";
    QTest::newRow("not hex") << "G1"
                             << "";
    QTest::newRow("lower case is no digit") << "ab"
                                            << "";
    QTest::newRow("blank inside") << "1 2"
                                  << "";
  }
  void captionPaddingAndCheck() {
    QFETCH(QString, entry);
    QFETCH(QString, caption);
    QCOMPARE(IdCaptionFor(entry), caption);
  }

  void entryStartsWithTheDigitsAndTypesUpperCase() {
    IdDialog dialog(QStringLiteral("12AB"));
    QCOMPARE(dialog.idEdit_->text(), QStringLiteral("12AB"));
    dialog.idEdit_->clear();
    QTest::keyClicks(dialog.idEdit_, QStringLiteral("c0ffee"));
    QCOMPARE(dialog.idEdit_->text(), QStringLiteral("C0FF"));  // at most four, upper case
    QTest::keyClick(dialog.idEdit_, Qt::Key_Return);           // Enter = OK
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.NewCaption(), QStringLiteral("   ID:  C0FF"));
    QCOMPARE(dialog.NewDigits(), QStringLiteral("C0FF"));
  }

  void okWithTwelveSetsFF12() {
    lpt::EditBuffers buffers;
    lpt::testing::WhenModalOpens<IdDialog>([](IdDialog* d) {
      QCOMPARE(d->idEdit_->text(), QStringLiteral("FFFF"));
      d->idEdit_->setText(QStringLiteral("12"));
      d->okButton_->click();
    });
    QVERIFY(ShowIdDialog(nullptr, buffers));
    QCOMPARE(buffers.IdDigits(), std::string("FF12"));
    QCOMPARE(buffers.IdDigits(), std::string("FF12"));
  }

  // The entry opens full and selected: the keys typed replace the old ID.
  void typedA5AndEnterSetsFFA5() {
    lpt::EditBuffers buffers;
    lpt::testing::WhenModalOpens<IdDialog>([](IdDialog* d) {
      QCOMPARE(d->focusWidget(), static_cast<QWidget*>(d->idEdit_));
      QTest::keyClicks(d->focusWidget(), QStringLiteral("a5"));
      QTest::keyClick(d->focusWidget(), Qt::Key_Return);
    });
    QVERIFY(ShowIdDialog(nullptr, buffers));
    QCOMPARE(buffers.IdDigits(), std::string("FFA5"));
  }

  void invalidEntryRefusedOnceAndDialogStays() {
    lpt::EditBuffers buffers;
    buffers.SetIdDigits("1234");
    lpt::testing::WhenModalOpens<IdDialog>([this](IdDialog* d) {
      d->idEdit_->setText(QStringLiteral("G1"));
      d->okButton_->click();
      QCOMPARE(boxes_->Texts(), QStringList{QStringLiteral("You can write only A..F, 0..9")});
      QCOMPARE(boxes_->boxes.front().kind, BoxKind::Error);
      QVERIFY(d->isVisible());
      QCOMPARE(d->idEdit_->text(), QStringLiteral("G1"));
      d->cancelButton_->click();
    });
    QVERIFY(!ShowIdDialog(nullptr, buffers));
    QCOMPARE(boxes_->boxes.size(), std::size_t{1});
    QCOMPARE(buffers.IdDigits(), std::string("1234"));
  }

  void cancelAndCloseKeepTheId() {
    lpt::EditBuffers buffers;
    buffers.SetIdDigits("BEEF");
    lpt::testing::WhenModalOpens<IdDialog>([](IdDialog* d) {
      d->idEdit_->setText(QStringLiteral("1"));
      d->cancelButton_->click();
    });
    QVERIFY(!ShowIdDialog(nullptr, buffers));
    lpt::testing::WhenModalOpens<IdDialog>([](IdDialog* d) {
      QCOMPARE(d->idEdit_->text(), QStringLiteral("BEEF"));  // reopened from the ID field
      d->idEdit_->setText(QStringLiteral("2"));
      d->close();
    });
    QVERIFY(!ShowIdDialog(nullptr, buffers));
    QCOMPARE(buffers.IdDigits(), std::string("BEEF"));
    QVERIFY(boxes_->boxes.empty());
  }

  void placedBelowAndRightOfTheMainWindow() {
    QWidget main;
    main.setGeometry(40, 60, 300, 200);
    main.show();
    lpt::EditBuffers buffers;
    QPoint where;
    lpt::testing::WhenModalOpens<IdDialog>([&where](IdDialog* d) {
      where = d->frameGeometry().topLeft();
      d->reject();
    });
    ShowIdDialog(&main, buffers);
    QCOMPARE(where, main.frameGeometry().topLeft() + QPoint(283, 97));
  }
};

QTEST_MAIN(IdDialogTest)
#include "dialog_id_test.moc"
