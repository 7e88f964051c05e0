// SPDX-License-Identifier: GPL-2.0-or-later
// Program entry: the main window and its message loop. The options change
// this run only (path.dat keeps its values) or make a picture for the
// documentation; help and version are answered without a window system.
#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <memory>

#include "app/close_signals.h"
#include "app/dialog_launchers.h"
#include "app/main_window.h"
#include "app/message_boxes.h"
#include "app/program_icon.h"
#include "app/translation.h"
#include "devices/catalogue.h"
#include "hw/port_choice.h"
#include "lptpic/program_info.h"

namespace {

int Fail(const QString& message) {
  std::fprintf(stderr, "lptpic: %s\n", message.toLocal8Bit().constData());
  return 2;
}

QStringList ArgumentList(int argc, char* argv[]) {
  QStringList list;
  for (int i = 0; i < argc; ++i) list << QString::fromLocal8Bit(argv[i]);
  return list;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("PIC programmer for the parallel port"));
  const QCommandLineOption helpOption = parser.addHelpOption();
  const QCommandLineOption versionOption(
      QStringList{QStringLiteral("v"), QStringLiteral("version")},
      QStringLiteral("Displays version information."));
  parser.addOption(versionOption);
  const QCommandLineOption portOption(
      QStringLiteral("port"),
      QStringLiteral("Port for this run: sim, sim:FILE, 888, 0x378, LPT1, /dev/parport0."),
      QStringLiteral("SPEC"));
  const QCommandLineOption deviceOption(QStringLiteral("device"),
                                        QStringLiteral("Device for this run, e.g. 16F84."),
                                        QStringLiteral("NAME"));
  const QCommandLineOption screenshotOption(
      QStringLiteral("screenshot"), QStringLiteral("Render the main window to FILE.png and exit."),
      QStringLiteral("FILE"));
  const QCommandLineOption dialogOption(
      QStringLiteral("screenshot-dialog"),
      QStringLiteral("Render dialog NAME to the FILE given after it and exit."),
      QStringLiteral("NAME"));
  const QCommandLineOption timingOption(
      QStringLiteral("timing"),
      QStringLiteral("Waits for this run: standard, or datasheet (the makers' cycle times)."),
      QStringLiteral("PROFILE"));
  const QCommandLineOption adapterOption(
      QStringLiteral("adapter"),
      QStringLiteral("Adapter wiring for this run, e.g. \"Tait classic\"."),
      QStringLiteral("NAME"));
  parser.addOptions(
      {portOption, deviceOption, timingOption, adapterOption, screenshotOption, dialogOption});
  // A HEX file to open, or the picture file of --screenshot-dialog.
  parser.addPositionalArgument(QStringLiteral("FILE"),
                               QStringLiteral("HEX file to open (with --screenshot-dialog: the "
                                              "picture file to write)."),
                               QStringLiteral("[FILE]"));

  // Help, version and a mistyped option need no window: they are answered
  // with a text-only application, before any widget exists, so they work
  // without a display (package checks, scripts over ssh).
  const bool textOnly = !parser.parse(ArgumentList(argc, argv)) || parser.isSet(helpOption) ||
                        parser.isSet(QStringLiteral("help-all")) || parser.isSet(versionOption);
  std::unique_ptr<QCoreApplication> application;
  if (textOnly)
    application = std::make_unique<QCoreApplication>(argc, argv);
  else
    application = std::make_unique<QApplication>(argc, argv);
  QCoreApplication::setApplicationVersion(QLatin1String(lpt::kProgramVersion));
  lpt::app::InstallTranslation(QLocale::system());
  parser.process(*application);
  if (parser.isSet(versionOption)) {
    std::printf("lptpic %s\n%sIt uses Qt %s under the GNU LGPL, version 3.\n", lpt::kProgramVersion,
                lpt::kLicenceNotice, qVersion());
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 2;
  }
  QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
  QApplication::setWindowIcon(lpt::app::ProgramIcon());

  // A faulty record would program a part wrongly: the window does not open
  // on a catalogue that fails its own check.
  const std::vector<std::string> problems = lpt::CatalogueProblems(lpt::AllDevices());
  if (!problems.empty()) {
    QString detail;
    for (const std::string& problem : problems) detail += QString::fromStdString(problem) + '\n';
    const QString text = QCoreApplication::translate(
        "MainWindow", "The device catalogue fails its check; the program cannot start.");
    lpt::app::ShowBox(nullptr, lpt::app::BoxKind::Error, text, detail);
    return Fail(text + '\n' + detail);
  }

  lpt::app::AppOptions options;
  if (parser.isSet(portOption)) {
    const std::string portText = parser.value(portOption).toStdString();
    std::string error;
    if (!lpt::ParsePortChoice(portText, &error)) {
      return Fail(QStringLiteral("--port %1: %2")
                      .arg(parser.value(portOption), QString::fromStdString(error)));
    }
    options.portChoice = portText;
  }
  if (parser.isSet(deviceOption)) {
    const std::string name = parser.value(deviceOption).toStdString();
    if (lpt::FindDevice(name) == nullptr) {
      return Fail(QStringLiteral("--device %1: no such device (names as 16F84, 12F629/675)")
                      .arg(parser.value(deviceOption)));
    }
    options.deviceName = name;
  }
  if (parser.isSet(timingOption)) {
    const auto profile = lpt::ParseTimingProfile(parser.value(timingOption).toStdString());
    if (!profile) {
      return Fail(QStringLiteral("--timing %1: give standard or datasheet")
                      .arg(parser.value(timingOption)));
    }
    options.timing = profile;
  }
  if (parser.isSet(adapterOption)) options.adapterName = parser.value(adapterOption).toStdString();
  const QStringList positional = parser.positionalArguments();
  if (parser.isSet(dialogOption) && positional.size() != 1) {
    return Fail(QStringLiteral("--screenshot-dialog NAME FILE: give exactly one FILE"));
  }
  if (!parser.isSet(dialogOption) && positional.size() > 1) {
    return Fail(QStringLiteral("unexpected argument: %1").arg(positional[1]));
  }

  // A picture run has nobody to close a message box: boxes go to stderr.
  if (parser.isSet(screenshotOption) || parser.isSet(dialogOption)) {
    lpt::app::SetBoxObserver([](lpt::app::BoxKind, const QString& text) {
      std::fprintf(stderr, "lptpic: %s\n", text.toLocal8Bit().constData());
    });
  }
  lpt::app::MainWindow window(std::move(options));
  if (parser.isSet(adapterOption) && !window.AdapterProblem().empty()) {
    return Fail(
        QStringLiteral("--adapter %1: %2")
            .arg(parser.value(adapterOption), QString::fromStdString(window.AdapterProblem())));
  }
  window.show();
  if (!parser.isSet(dialogOption) && !positional.isEmpty()) window.LoadHexPath(positional.first());

  if (parser.isSet(screenshotOption)) {
    QApplication::processEvents();
    const QString file = parser.value(screenshotOption);
    const bool saved = window.grab().save(file);
    window.close();
    return saved ? 0 : Fail(QStringLiteral("cannot write %1").arg(file));
  }
  if (parser.isSet(dialogOption)) {
    // The dialog shows what the window holds, as its menu command would.
    lpt::app::DialogState state;
    state.device = window.Device();
    state.buffers = window.Buffers();
    state.portAddress = window.CurrentSettings().portAddress;
    state.workDir = window.CurrentSettings().workDir;
    state.exeDir = window.Location().ExeDir();
    // The adapter dialogs belong to the window: it knows the adapters file.
    const QString dialogName = parser.value(dialogOption);
    if (dialogName == QLatin1String("adapter") || dialogName == QLatin1String("pintest")) {
      QApplication::processEvents();
      std::unique_ptr<QDialog> dialog;
      if (dialogName == QLatin1String("adapter")) {
        dialog = window.NewAdapterDialog();
      } else {
        dialog = window.NewPinTestDialog();
      }
      const bool saved = lpt::app::ScreenshotOf(*dialog, positional.first());
      window.close();
      return saved ? 0 : 2;
    }
    QApplication::processEvents();
    const bool saved = lpt::app::ScreenshotDialog(&window, parser.value(dialogOption),
                                                  std::move(state), positional.first());
    window.close();
    return saved ? 0 : 2;
  }
  const lpt::app::CloseOnSignals closeOnSignals([&window] { window.StopAndClose(); });
#ifdef SIGXFSZ
  // A file-size limit makes a save fail (and say so) instead of ending the program.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  return QApplication::exec();
}
