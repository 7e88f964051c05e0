// SPDX-License-Identifier: GPL-2.0-or-later
// Select > Device through its dialog: the part picked in the list, then OK.
#pragma once

#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "app/dialog_device.h"
#include "app/main_window.h"
#include "support/gui_modal_dialog.h"

namespace lpt::gui_test {

inline void ChooseDevice(app::MainWindow& window, const QString& name) {
  lpt::testing::WithModal<app::DeviceDialog>([&] { window.Actions().selectDevice->trigger(); },
                                             [&](app::DeviceDialog* dialog) {
                                               const auto items = dialog->deviceList_->findItems(
                                                   name, Qt::MatchExactly);
                                               QCOMPARE(items.size(), 1);
                                               dialog->deviceList_->setCurrentItem(items.first());
                                               dialog->okButton_->click();
                                             });
}

}  // namespace lpt::gui_test
