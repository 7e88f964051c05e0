// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/command_status.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include "app/message_translation.h"

namespace lpt::app {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("CommandStatus", text); }

// The translation words the count its own way ("%1 words" may become
// "words: %1").
QString Count(int n, const char* one, const char* many) {
  return n == 1 ? Tr(one) : Tr(many).arg(n);
}

QString Seconds(std::uint64_t us) {
  return Tr("%1 s").arg(QLocale().toString(static_cast<double>(us) / 1e6, 'f', 1));
}

// "8192 words, 256 bytes, configuration, ID": what the command wrote.
QString Written(const ProgramSummary& summary) {
  QStringList parts;
  if (summary.programWords > 0) parts << Count(summary.programWords, "1 word", "%1 words");
  if (summary.dataBytes > 0) parts << Count(summary.dataBytes, "1 byte", "%1 bytes");
  if (summary.configuration) parts << Tr("configuration");
  if (summary.id) parts << Tr("ID");
  if (parts.isEmpty()) parts << Tr("nothing to write");
  return parts.join(QStringLiteral(", "));
}

QString Result(const CommandOutcome& outcome) {
  switch (outcome.result) {
    case CommandResult::Ok:
      if (outcome.summary) return Tr("%1 — verified").arg(Written(*outcome.summary));
      return Tr("Ok");
    case CommandResult::Failed:
      return Tr("failed");
    case CommandResult::Stopped:
      return Tr("stopped by the user");
    case CommandResult::NoDevice:
      return Tr("the adapter is not found");
  }
  return {};
}

}  // namespace

QString ResultCaption(const char* menuText) {
  const QString english = QString::fromUtf8(menuText).remove(QLatin1Char('&'));
  return QCoreApplication::translate("CommandResult", english.toUtf8().constData());
}

QString CommandStatusText(const CommandOutcome& outcome) {
  QString text = Tr("%1: %2, %3").arg(outcome.command, Result(outcome), Seconds(outcome.tookUs));
  // The remark follows the result, so the result is never the part cut off.
  if (!outcome.notice.isEmpty()) text += QStringLiteral(" — ") + TranslateMessage(outcome.notice);
  return text;
}

}  // namespace lpt::app
