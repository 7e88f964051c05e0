// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/words_left_out.h"

#include <QCoreApplication>

namespace lpt::app {

bool BuffersBlank(const ActiveDevice& device, const EditBuffers& buffers) {
  EditBuffers blank = buffers;
  SetBuffer(device, blank);
  if (buffers.FuseWord != blank.FuseWord || buffers.SecondFuseWord != blank.SecondFuseWord ||
      buffers.IdDigits() != blank.IdDigits())
    return false;
  for (int a = 0; a < 8 * buffers.ProgramRows(); ++a)
    if (buffers.ProgramWord(a) != blank.ProgramWord(a)) return false;
  for (int a = 0; a < 8 * device.dataRows; ++a)
    if (buffers.DataByte(a) != blank.DataByte(a)) return false;
  return true;
}

LeftOut WordsLeftOut(const ActiveDevice& before, const EditBuffers& held,
                     const ActiveDevice& after) {
  EditBuffers blank = held;
  blank.SetUpBuffers(before);
  LeftOut left;
  for (int a = 8 * after.programRows; a < 8 * std::min(before.programRows, held.ProgramRows()); ++a)
    if (held.ProgramWord(a) != blank.ProgramWord(a)) ++left.programWords;
  for (int a = 8 * after.dataRows; a < 8 * std::min(before.dataRows, held.DataGridRows()); ++a)
    if (held.DataByte(a) != blank.DataByte(a)) ++left.dataBytes;
  return left;
}

QString LeftOutText(const QString& file, const ActiveDevice& device, const LeftOut& left) {
  return QCoreApplication::translate("MainWindow",
                                     "%1: %2 program words and %3 data bytes lie beyond the "
                                     "%4's memories and were left out.")
      .arg(file)
      .arg(left.programWords)
      .arg(left.dataBytes)
      .arg(QString::fromStdString(device.name));
}

}  // namespace lpt::app
