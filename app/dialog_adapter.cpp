#include "app/dialog_adapter.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "app/dialog_support.h"

namespace lpt::app {

AdapterDialog::AdapterDialog(std::vector<Adapter> adapters, const QString& current,
                             const QString& fileNote, QWidget* parent)
    : QDialog(parent), adapters_(std::move(adapters)) {
  SetUpDialog(this, QStringLiteral("Adapter"), QSize(340, 262), TitleButtons::CloseOnly);

  List = new QListWidget(this);
  List->setObjectName(QStringLiteral("AdapterList"));
  List->setGeometry(8, 8, 250, 170);
  int selected = 0;
  for (std::size_t i = 0; i < adapters_.size(); ++i) {
    List->addItem(QString::fromStdString(adapters_[i].name));
    if (QString::fromStdString(adapters_[i].name).compare(current, Qt::CaseInsensitive) == 0)
      selected = static_cast<int>(i);
  }

  Pins = new QLabel(this);
  Pins->setObjectName(QStringLiteral("AdapterPins"));
  Pins->setGeometry(8, 184, 324, 36);
  Pins->setWordWrap(true);
  Pins->setFrameShape(QFrame::Panel);
  Pins->setFrameShadow(QFrame::Sunken);

  FileNote = new QLabel(fileNote, this);
  FileNote->setObjectName(QStringLiteral("AdaptersFile"));
  FileNote->setGeometry(8, 224, 324, 34);
  FileNote->setWordWrap(true);

  const OkCancelButtons buttons =
      MakeOkCancel(this, QStringLiteral("Ok"), QRect(268, 8, 64, 25), QRect(268, 44, 64, 25));
  ButtonOk = buttons.ok;
  ButtonCancel = buttons.cancel;
  connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(List, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) Pins->setText(PinSummary(adapters_[static_cast<std::size_t>(row)]));
  });
  connect(List, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  List->setCurrentRow(selected);
}

const Adapter& AdapterDialog::Selected() const {
  const int row = List->currentRow();
  return adapters_[row < 0 ? 0 : static_cast<std::size_t>(row)];
}

QString AdapterDialog::PinSummary(const Adapter& a) {
  QString text =
      QStringLiteral("Vpp %1   Vdd %2   Clock %3   Data out %4   Data in %5")
          .arg(QString::fromStdString(PinText(a.vpp)), QString::fromStdString(PinText(a.vdd)),
               QString::fromStdString(PinText(a.clock)), QString::fromStdString(PinText(a.dataOut)),
               QString::fromStdString(PinText(a.dataIn)));
  if (a.dataOutEnable.pin != 0)
    text += QStringLiteral("   Data-out enable %1")
                .arg(QString::fromStdString(PinText(a.dataOutEnable)));
  return text + QStringLiteral("   (~ inverted)");
}

}  // namespace lpt::app
