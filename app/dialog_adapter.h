// Option > Adapter…: which adapter is on the port. The built-in adapters
// and the user's (adapters.conf) in one list, the pins of the one selected,
// and what is wrong with adapters.conf when it could not be read.
#pragma once

#include <QDialog>
#include <vector>

#include "hw/adapter.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace lpt::app {

class AdapterDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kLeft = 100;
  static constexpr int kTop = -53;

  // `adapters`: every adapter to offer; `current`: the name selected now;
  // `fileNote`: where adapters.conf is, or why it was refused.
  AdapterDialog(std::vector<Adapter> adapters, const QString& current, const QString& fileNote,
                QWidget* parent = nullptr);

  // The adapter selected in the list.
  const Adapter& Selected() const;

  // "Vpp ~5   Vdd ~4   Clock 3   Data out 2   Data in 10": the pins as
  // the adapters file writes them.
  static QString PinSummary(const Adapter& adapter);

  QListWidget* List = nullptr;
  QLabel* Pins = nullptr;
  QLabel* FileNote = nullptr;
  QPushButton* ButtonOk = nullptr;
  QPushButton* ButtonCancel = nullptr;

 private:
  std::vector<Adapter> adapters_;
};

}  // namespace lpt::app
