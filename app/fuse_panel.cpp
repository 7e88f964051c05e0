// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/fuse_panel.h"

#include "app/click_panel.h"
#include "app/dialog_support.h"
#include "app/fuse_panel_geometry.h"

namespace lpt::app {

static_assert(kFuseSlotRects.size() == FuseSwitches::kSlots);

FusePanel::FusePanel(FuseSwitches& switches, std::uint16_t& fuseWord, QWidget* parent)
    : QGroupBox(QStringLiteral("Fuses"), parent), switches_(switches), fuseWord_(fuseWord) {
  setObjectName(QStringLiteral("fuseGroup"));
  setGeometry(kFuseGroupRect);
  SetGroupFrame(this);
  setAutoFillBackground(true);
  const QFont bold = BoldFont(font());
  for (int slot = 1; slot <= FuseSwitches::kSlots; ++slot) {
    auto* panel = new ClickPanel(this);
    panel->setObjectName(QStringLiteral("fuseSlot%1").arg(slot));
    panel->setGeometry(kFuseSlotRects[static_cast<std::size_t>(slot - 1)]);
    panel->setFont(bold);
    panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    panel->setCursor(Qt::PointingHandCursor);
    panel->hide();
    panels_[static_cast<std::size_t>(slot - 1)] = panel;
    connect(panel, &ClickPanel::clicked, this, [this, slot] { Clicked(slot); });
  }
}

void FusePanel::RefreshSlot(int slot) {
  ClickPanel* panel = SlotPanel(slot);
  if (panel == nullptr) return;
  const FuseSlot& model = switches_.Slot(slot);
  panel->setText(QString::fromStdString(model.caption));
  panel->SetColor(model.protects ? kProtectColour : kSwitchColour);
  panel->setToolTip(QString::fromStdString(model.hint));
  panel->setVisible(model.visible);
}

void FusePanel::Refresh() {
  for (int slot = 1; slot <= FuseSwitches::kSlots; ++slot) RefreshSlot(slot);
}

void FusePanel::Clicked(int slot) {
  switches_.Click(slot, fuseWord_);
  // Only the clicked switch changes its caption.
  RefreshSlot(slot);
  emit fuseWordChanged();
}

}  // namespace lpt::app
