// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/message_translation.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <array>
#include <vector>

namespace lpt::app {
namespace {

constexpr const char* kContext = "MessageTemplates";

// What the domain and the window fill in, most specific first: the first
// template that matches a message whole is the one used. %1, %2 ... stand
// for the values; a value that is itself a message is translated too.
constexpr std::array kTemplates{
    // Commands and their failures.
    QT_TRANSLATE_NOOP("MessageTemplates", "Stopped by the user at address %1h."),
    QT_TRANSLATE_NOOP("MessageTemplates", "%1 %2h: expected %3, read %4"),
    QT_TRANSLATE_NOOP("MessageTemplates",
                      "No chip answers (device ID %1h): is the chip in the socket?"),
    QT_TRANSLATE_NOOP("MessageTemplates", "The chip is a %1, not the selected %2."),
    QT_TRANSLATE_NOOP("MessageTemplates",
                      "No chip answers: its device ID reads 0000h, not the selected %1's."),
    QT_TRANSLATE_NOOP("MessageTemplates", "The chip's device ID %1h is not the selected %2's."),
    QT_TRANSLATE_NOOP("MessageTemplates", "unknown device ID %1h"),
    QT_TRANSLATE_NOOP("MessageTemplates", "%1 (%2) revision %3"),
    QT_TRANSLATE_NOOP("MessageTemplates", "%1 revision %2"),
    QT_TRANSLATE_NOOP("MessageTemplates", "Error calibration word %1h! %2"),
    // The adapter's Vpp against the part's MCLR limit, the longer first.
    QT_TRANSLATE_NOOP("MessageTemplates",
                      "The %1 takes at most %2 on MCLR; this adapter gives %3. Low-voltage entry "
                      "needs the supply switched, which this adapter cannot do. It cannot be "
                      "programmed with this adapter."),
    QT_TRANSLATE_NOOP("MessageTemplates",
                      "The %1 takes at most %2 on MCLR; this adapter gives %3. Low-voltage entry "
                      "is used instead."),
    QT_TRANSLATE_NOOP("MessageTemplates",
                      "The %1 takes at most %2 on MCLR; this adapter gives %3. It cannot be "
                      "programmed with this adapter."),
    QT_TRANSLATE_NOOP("MessageTemplates",
                      "The configuration %1 %2 would switch off low-voltage programming; this "
                      "adapter could not program the chip again."),
    QT_TRANSLATE_NOOP("MessageTemplates",
                      "No chip answers low-voltage entry: the socket is empty, or the chip's LVP "
                      "bit is off and only a Vpp it takes (at most %1) reaches it now."),
    QT_TRANSLATE_NOOP("MessageTemplates",
                      "The %1 with %2 must see Vpp before Vdd, but the adapter \"%3\" cannot "
                      "switch Vdd: the chip may start its program before programming mode and "
                      "the command may fail. Use an adapter that switches Vdd."),
    QT_TRANSLATE_NOOP("MessageTemplates", "Written back %1, read %2."),
    QT_TRANSLATE_NOOP("MessageTemplates", "OSCCAL restored from its backup: %1 at %2h."),
    QT_TRANSLATE_NOOP("MessageTemplates", "OSCCAL backup restored: %1 at %2h."),
    QT_TRANSLATE_NOOP(
        "MessageTemplates",
        "OSCCAL written from the file: %1 at %2h; the chip's %3 stays in the backup at %4h."),
    QT_TRANSLATE_NOOP("MessageTemplates", "OSCCAL written from the file: %1 at %2h."),
    QT_TRANSLATE_NOOP("MessageTemplates",
                      "The chip holds no OSCCAL value: neither %1h nor its backup at %2h is a "
                      "MOVLW; %3h is left blank."),
    QT_TRANSLATE_NOOP("MessageTemplates",
                      "OSCCAL kept: the chip's %1 stays at %2h; the file's %3 was not written."),
    QT_TRANSLATE_NOOP("MessageTemplates", "The file's %1 was not written."),
    // HEX files and other files.
    QT_TRANSLATE_NOOP("MessageTemplates", "HEX file \"%1\", %2"),
    QT_TRANSLATE_NOOP("MessageTemplates", "Error CheckSum on line %1 !"),
    QT_TRANSLATE_NOOP("MessageTemplates", "line %1: %2"),
    QT_TRANSLATE_NOOP("MessageTemplates", "longer than any Intel HEX record (%1 characters)"),
    QT_TRANSLATE_NOOP("MessageTemplates",
                      "record type %1 is no data record (only 00 is), yet it would be read as "
                      "data"),
    QT_TRANSLATE_NOOP("MessageTemplates",
                      "an extended address record (type %1) holds 2 bytes, not %2: the data "
                      "after it would land at the wrong address"),
    QT_TRANSLATE_NOOP("MessageTemplates",
                      "extended segment address %1 moves the data after it off its 16-bit "
                      "address: give the address with a type 04 record"),
    QT_TRANSLATE_NOOP("MessageTemplates", "Cannot open file \"%1\". %2"),
    QT_TRANSLATE_NOOP("MessageTemplates", "Cannot create file \"%1\". %2"),
    QT_TRANSLATE_NOOP("MessageTemplates", "File too large (over %1 MB)."),
    QT_TRANSLATE_NOOP("MessageTemplates", "%1 has no end-of-file record: it may be cut off"),
    QT_TRANSLATE_NOOP("MessageTemplates", "%1 has no data records"),
    QT_TRANSLATE_NOOP("MessageTemplates", "%1 holds no data for the %2 (data records: %3)"),
    QT_TRANSLATE_NOOP("MessageTemplates", "%1 above 64 KB"),
    QT_TRANSLATE_NOOP("MessageTemplates", "%1 empty"),
    QT_TRANSLATE_NOOP("MessageTemplates", "%1 outside its memories"),
    QT_TRANSLATE_NOOP("MessageTemplates", "End address %1 is past the last address %2."),
    QT_TRANSLATE_NOOP("MessageTemplates", "Start address %1 is after end address %2."),
    QT_TRANSLATE_NOOP("MessageTemplates", "It could not be kept as %1: %2"),
    QT_TRANSLATE_NOOP("MessageTemplates", "It is kept as %1."),
    // The simulator and its chip files.
    QT_TRANSLATE_NOOP("MessageTemplates",
                      "The simulated chip in %1 is a %2, not the %3 selected: it stays in the "
                      "socket."),
    QT_TRANSLATE_NOOP("MessageTemplates", "The simulator has no model of device \"%1\"."),
    QT_TRANSLATE_NOOP("MessageTemplates", "The simulator has no board for the adapter \"%1\"."),
    QT_TRANSLATE_NOOP("MessageTemplates", "Cannot save chip file %1: %2"),
    QT_TRANSLATE_NOOP("MessageTemplates", "Chip file %1 is a folder, not a file."),
    QT_TRANSLATE_NOOP("MessageTemplates", "Chip file %1 cannot be read: %2"),
    QT_TRANSLATE_NOOP("MessageTemplates", "Chip file %1 cannot be locked: %2"),
    QT_TRANSLATE_NOOP("MessageTemplates", "chip file %1 is in use by another process"),
    QT_TRANSLATE_NOOP("MessageTemplates", "Stopped by the user while chip file %1 was in use."),
    QT_TRANSLATE_NOOP("MessageTemplates", "Chip file %1, %2"),
    // Ports.
    QT_TRANSLATE_NOOP("MessageTemplates", "There is no parallel port %1 on this machine."),
    QT_TRANSLATE_NOOP("MessageTemplates", "Port address \"%1\" is out of range (0100h to FFF8h)."),
    QT_TRANSLATE_NOOP("MessageTemplates",
                      "Permission denied on %1: add your user to group lp (sudo usermod -aG lp "
                      "$USER) and log in again."),
    QT_TRANSLATE_NOOP(
        "MessageTemplates",
        "%1 is not a parallel port: only ppdev character devices (/dev/parportN) are opened."),
    QT_TRANSLATE_NOOP("MessageTemplates",
                      "%1 does not exist or has no port behind it (load the parallel port modules: "
                      "sudo modprobe parport_pc ppdev)."),
    QT_TRANSLATE_NOOP("MessageTemplates",
                      "%1 is busy: another program or driver (such as lp) has claimed it. Close "
                      "that program, or unload lp (sudo rmmod lp)."),
    QT_TRANSLATE_NOOP(
        "MessageTemplates",
        "No parallel port at %1 (no /dev/parportN has that base address; the system lists none: "
        "load the parallel port modules: sudo modprobe parport_pc ppdev)."),
    QT_TRANSLATE_NOOP("MessageTemplates",
                      "No parallel port at %1 (no /dev/parportN has that base address; the "
                      "system's ports are at %2)."),
    QT_TRANSLATE_NOOP("MessageTemplates", "Cannot open %1: %2."),
    // The adapters.
    QT_TRANSLATE_NOOP("MessageTemplates", "Cannot read the adapters file %1: %2"),
    QT_TRANSLATE_NOOP("MessageTemplates", "Your own adapters: %1"),
    // The adapter test's levels.
    QT_TRANSLATE_NOOP("MessageTemplates", "pin %1 high (%2)"),
    QT_TRANSLATE_NOOP("MessageTemplates", "pin %1 low (%2)"),
    QT_TRANSLATE_NOOP("MessageTemplates", "pin %1 high"),
    QT_TRANSLATE_NOOP("MessageTemplates", "pin %1 low"),
    // How a part is connected.
    QT_TRANSLATE_NOOP("MessageTemplates", "In the socket: %1, pin 1 over hole %2 of strip %3."),
    QT_TRANSLATE_NOOP("MessageTemplates",
                      "Not in the socket: connect the %1 through an ICSP cable to the "
                      "adapter's lines."),
    QT_TRANSLATE_NOOP("MessageTemplates",
                      "Not in the socket: wire the %1 to the socket's holes as the picture "
                      "shows."),
    QT_TRANSLATE_NOOP("MessageTemplates", "ICSP PGC (clock): %1"),
    QT_TRANSLATE_NOOP("MessageTemplates", "ICSP PGD (data): %1"),
    QT_TRANSLATE_NOOP("MessageTemplates", "ICSP %1: %2"),
    QT_TRANSLATE_NOOP("MessageTemplates", "pins %1 and %2"),
    QT_TRANSLATE_NOOP("MessageTemplates", "pin %1"),
    // Where a user's own adapter comes from.
    QT_TRANSLATE_NOOP("MessageTemplates", "%1, line %2"),
    // A list ("2 above 64 KB, 1 empty"), item by item.
    QT_TRANSLATE_NOOP("MessageTemplates", "%1, %2"),
};

// A list's items inside a value inside a message are as deep as messages go.
constexpr int kMaxDepth = 4;

// The template as a pattern that matches a message made from it whole,
// each %n a capture: hex digits where an "h" follows ("%1h", an address),
// any text elsewhere.
QRegularExpression PatternOf(const QString& text, std::vector<int>* numbers) {
  static const QRegularExpression placeholder(QStringLiteral("%(\\d)"));
  QString pattern = QStringLiteral("^");
  qsizetype from = 0;
  for (auto it = placeholder.globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    pattern += QRegularExpression::escape(text.mid(from, m.capturedStart() - from));
    const bool address = text.mid(m.capturedEnd(), 1) == QStringLiteral("h");
    pattern += address ? QStringLiteral("([0-9A-F]+)") : QStringLiteral("(.+?)");
    numbers->push_back(m.captured(1).toInt());
    from = m.capturedEnd();
  }
  pattern += QRegularExpression::escape(text.mid(from)) + QStringLiteral("$");
  return QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption);
}

struct CompiledTemplate {
  const char* source;
  QRegularExpression pattern;
  std::vector<int> numbers;  // the placeholder of each capture, in order
};

const std::vector<CompiledTemplate>& Compiled() {
  static const std::vector<CompiledTemplate> all = [] {
    std::vector<CompiledTemplate> out;
    for (const char* source : kTemplates) {
      CompiledTemplate t{source, {}, {}};
      t.pattern = PatternOf(QString::fromUtf8(source), &t.numbers);
      out.push_back(std::move(t));
    }
    return out;
  }();
  return all;
}

// %n replaced by values[n - 1] in one pass, so that a value holding "%1"
// stays as it is.
QString Fill(const QString& text, const QStringList& values) {
  QString out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('%') && i + 1 < text.size() && text[i + 1].isDigit()) {
      const int n = text[i + 1].digitValue();
      if (n >= 1 && n <= values.size()) {
        out += values[n - 1];
        ++i;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

QString TranslateLine(const QString& english, int depth) {
  const QByteArray utf8 = english.toUtf8();
  const QString whole = QCoreApplication::translate("Messages", utf8.constData());
  if (whole != english || depth >= kMaxDepth) return whole;
  for (const CompiledTemplate& t : Compiled()) {
    const QRegularExpressionMatch m = t.pattern.match(english);
    if (!m.hasMatch()) continue;
    QStringList values(static_cast<qsizetype>(t.numbers.size()) + 1);
    for (std::size_t i = 0; i < t.numbers.size(); ++i) {
      const int n = t.numbers[i];
      if (n >= 1 && n < values.size())
        values[n - 1] = TranslateLine(m.captured(static_cast<int>(i) + 1), depth + 1);
    }
    return Fill(QCoreApplication::translate(kContext, t.source), values);
  }
  return english;
}

}  // namespace

QString TranslateMessage(const QString& english) {
  const QString whole = TranslateLine(english, 0);
  if (whole != english || !english.contains(QLatin1Char('\n'))) return whole;
  QStringList lines = english.split(QLatin1Char('\n'));
  for (QString& line : lines)
    if (!line.isEmpty()) line = TranslateLine(line, 0);
  return lines.join(QLatin1Char('\n'));
}

int MessageTemplateCount() { return static_cast<int>(kTemplates.size()); }

QString MessageTemplate(int index) {
  return QString::fromUtf8(kTemplates[static_cast<std::size_t>(index)]);
}

}  // namespace lpt::app
