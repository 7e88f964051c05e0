// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/detect_result.h"

#include <QCoreApplication>

#include "app/message_translation.h"

namespace lpt::app {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Detect", text); }

}  // namespace

DetectReport DetectReportOf(const Detection& found, const ActiveDevice& selected) {
  DetectReport report;
  const QString name = QString::fromStdString(selected.name);
  const bool selectedHasId = selected.record != nullptr && selected.record->HasDeviceId();
  switch (found.outcome) {
    case Detection::Outcome::Found: {
      report.result = Tr("%1 in the socket")
                          .arg(TranslateMessage(QString::fromStdString(DetectionText(found))));
      const std::string part(found.chip.record->name);
      if (part != selected.name) report.offer = part;
      return report;
    }
    case Detection::Outcome::NoChip:
      report.result = Tr("no chip answers: is the chip in the socket?");
      break;
    case Detection::Outcome::Unknown:
      report.result =
          Tr("device ID %1h names no part.")
              .arg(QStringLiteral("%1").arg(found.word, 4, 16, QLatin1Char('0')).toUpper());
      break;
  }
  // A chip without a device ID answers nothing Detect can read.
  if (!selectedHasId)
    report.result +=
        QStringLiteral(" ") + Tr("The %1 has no device ID: Detect cannot name it.").arg(name);
  report.box = report.result;
  report.box[0] = report.box[0].toUpper();
  return report;
}

QString DetectOfferQuestion(const DetectReport& report) {
  return Tr("%1. Select it?").arg(report.result);
}

}  // namespace lpt::app
