// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/fuse_panel.h"

#include <QCoreApplication>

#include "app/click_panel.h"
#include "app/dialog_support.h"
#include "app/fuse_panel_geometry.h"

namespace lpt::app {

static_assert(kFuseSlotRects.size() == FuseSwitches::kSlots);
static_assert(SecondWordSwitches::kSlots == 12);
static_assert(SecondWordSwitches::kSlotsPerRow == 6);

namespace {

constexpr int kSlotsPerRow = 6;
constexpr int kFirstSlotOfThirdRow = 13;

// The second word's slot n in its rows, the first of which has its top at
// `top`: the columns of the first word's lower rows.
QRect SecondWordRect(int n, int top) {
  const int row = (n - 1) / kSlotsPerRow;
  const QRect column =
      kFuseSlotRects[static_cast<std::size_t>(kSlotsPerRow + (n - 1) % kSlotsPerRow)];
  return {column.x(), top + row * kFuseRowPitch, column.width(), column.height()};
}

}  // namespace

FusePanel::FusePanel(FuseSwitches& switches, std::uint16_t& fuseWord,
                     SecondWordSwitches& secondSwitches, std::uint16_t& secondWord, QWidget* parent)
    : QGroupBox(QCoreApplication::translate("MainWindow", "Fuses"), parent),
      switches_(switches),
      fuseWord_(fuseWord),
      secondSwitches_(secondSwitches),
      secondWord_(secondWord) {
  setObjectName(QStringLiteral("fuseGroup"));
  setGeometry(kFuseGroupRect);
  SetGroupFrame(this);
  setAutoFillBackground(true);
  for (int slot = 1; slot <= FuseSwitches::kSlots; ++slot) {
    ClickPanel* panel = MakeSlot(QStringLiteral("fuseSlot%1").arg(slot),
                                 kFuseSlotRects[static_cast<std::size_t>(slot - 1)]);
    panels_[static_cast<std::size_t>(slot - 1)] = panel;
    connect(panel, &ClickPanel::clicked, this, [this, slot] { Clicked(slot); });
  }
  for (int slot = 1; slot <= SecondWordSwitches::kSlots; ++slot) {
    ClickPanel* panel = MakeSlot(QStringLiteral("secondFuseSlot%1").arg(slot), QRect());
    secondPanels_[static_cast<std::size_t>(slot - 1)] = panel;
    connect(panel, &ClickPanel::clicked, this, [this, slot] { SecondWordClicked(slot); });
  }
}

ClickPanel* FusePanel::MakeSlot(const QString& name, const QRect& place) {
  auto* panel = new ClickPanel(this);
  panel->setObjectName(name);
  panel->setGeometry(place);
  panel->setFont(BoldFont(font()));
  panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  panel->setCursor(Qt::PointingHandCursor);
  panel->hide();
  return panel;
}

void FusePanel::Draw(ClickPanel* panel, const FuseSlot& model) {
  panel->setText(QString::fromStdString(model.caption));
  // The slots were laid out for a narrow face; in a wider one a long value
  // ("BOR4V: 2.1V") loses a pixel of size at a time until it fits whole.
  constexpr int kSmallestPixels = 7;
  QFont font = BoldFont(panel->parentWidget()->font());
  panel->setFont(font);
  for (int pixels = QFontInfo(font).pixelSize();
       pixels > kSmallestPixels && panel->sizeHint().width() > panel->width();) {
    font.setPixelSize(--pixels);
    panel->setFont(font);
  }
  panel->SetColor(model.protects ? kProtectColour : kSwitchColour);
  // The hint is words; the caption is the makers' bit name and its state.
  panel->setToolTip(QCoreApplication::translate("FuseHints", model.hint.c_str()));
  panel->setVisible(model.visible);
}

void FusePanel::Refresh() {
  bool thirdRow = false;
  for (int slot = 1; slot <= FuseSwitches::kSlots; ++slot) {
    Draw(SlotPanel(slot), switches_.Slot(slot));
    thirdRow = thirdRow || (slot >= kFirstSlotOfThirdRow && switches_.Slot(slot).visible);
  }
  // The second word's row comes under the first word's last row.
  const int firstWordRows = thirdRow ? 3 : 2;
  const int secondTop = kFuseSlotRects[0].y() + firstWordRows * kFuseRowPitch;
  for (int slot = 1; slot <= SecondWordSwitches::kSlots; ++slot) {
    SecondWordPanel(slot)->setGeometry(SecondWordRect(slot, secondTop));
    Draw(SecondWordPanel(slot), secondSwitches_.Slot(slot));
  }
  const int rows = firstWordRows + secondSwitches_.Rows();
  setFixedHeight(kFuseGroupRect.height() + (rows - 2) * kFuseRowPitch);
}

void FusePanel::Clicked(int slot) {
  switches_.Click(slot, fuseWord_);
  // Only the clicked switch changes its caption.
  Draw(SlotPanel(slot), switches_.Slot(slot));
  emit fuseWordChanged();
}

void FusePanel::SecondWordClicked(int slot) {
  secondSwitches_.Click(slot, secondWord_);
  Draw(SecondWordPanel(slot), secondSwitches_.Slot(slot));
  emit fuseWordChanged();
}

}  // namespace lpt::app
