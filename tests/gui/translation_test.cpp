// SPDX-License-Identifier: GPL-2.0-or-later
// The interface's language: English as written, Czech from the built-in
// translation (every text of the window and its dialogs, the parts'
// information pages and connection help, the adapters' notes and the
// messages the domain fills in), and the system's language choosing between
// them. Run once as the environment is and once with LANG=cs_CZ.UTF-8.
#include "app/translation.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <set>

#include "app/clear_area_dialog.h"
#include "app/click_panel.h"
#include "app/dialog_about.h"
#include "app/dialog_adapter.h"
#include "app/dialog_device.h"
#include "app/dialog_dir.h"
#include "app/dialog_help.h"
#include "app/dialog_id.h"
#include "app/dialog_info.h"
#include "app/dialog_port.h"
#include "app/message_translation.h"
#include "app/progress_panel.h"
#include "devices/connection_help.h"
#include "devices/fuse_layouts.h"
#include "gui_test_support.h"
#include "hexfile/hex_file.h"
#include "hw/adapter_power_order.h"
#include "hw/mclr_voltage.h"
#include "hw/virtual_clock.h"
#include "ops/device_id.h"
#include "ops/failure_detail.h"
#include "ops/stop_check.h"

using namespace lpt::app;

namespace {

const QString kEnglishOpen = QStringLiteral("HEX files (*.hex);;All files *.* (*)");
const QString kCzechOpen = QString::fromUtf8("soubory *.hex (*.hex);;všechny soubory *.* (*)");
const QString kCzechSave = QString::fromUtf8("soubory *.hex (*.hex);;všechny soubory (*)");

// Every text the window shows of its own: menus, tool bar and button hints,
// group captions, the dialogs' titles and buttons, and the messages its
// commands report, in the order made.
QStringList WindowTexts(MainWindow& window) {
  QStringList texts;
  for (QAction* menu : window.menuBar()->actions()) {
    texts << menu->text();
    for (QAction* item : menu->menu()->actions()) {
      if (item->isSeparator()) continue;
      texts << item->text() << item->toolTip();
      if (item->menu())
        for (QAction* sub : item->menu()->actions()) texts << sub->text();
    }
  }
  for (QPushButton* button : window.findChildren<QPushButton*>())
    texts << button->text() << button->toolTip();
  for (QGroupBox* group : window.findChildren<QGroupBox*>()) texts << group->title();
  for (ClickPanel* panel : window.findChildren<ClickPanel*>()) texts << panel->toolTip();
  texts << window.IdPanel()->toolTip() << window.Progress()->toolTip()
        << window.Progress()->NoticeLabel()->text();

  std::vector<std::unique_ptr<QDialog>> dialogs;
  dialogs.push_back(std::make_unique<PortDialog>(888, std::vector<lpt::FoundPort>{}));
  dialogs.push_back(std::make_unique<DeviceDialog>(QStringLiteral("16F84")));
  dialogs.push_back(std::make_unique<IdDialog>(QStringLiteral("FFFF")));
  dialogs.push_back(std::make_unique<AboutDialog>());
  dialogs.push_back(std::make_unique<DirectoryDialog>(QDir::tempPath(), QDir::tempPath()));
  dialogs.push_back(std::make_unique<ClearAreaDialog>(&window, window.Device(), window.Buffers()));
  dialogs.push_back(std::make_unique<HelpDialog>());
  dialogs.push_back(std::make_unique<FuseInfoDialog>(window.Device().infoPage));
  dialogs.push_back(window.NewAdapterDialog());
  dialogs.push_back(window.NewPinTestDialog());
  for (const auto& dialog : dialogs) {
    texts << dialog->windowTitle();
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
      texts << button->text();
    for (QLabel* label : dialog->findChildren<QLabel*>()) texts << label->text();
  }

  lpt::testing::BoxRecorder boxes;
  for (const char* message :
       {"Device is not found !", "Error programming Program Memory!", "Error verify Data Memory!",
        "Program Memory is not blank", "Every word read blank: a blank chip, or an empty socket?",
        "No chip answers (device ID 3FFFh): is the chip in the socket?"})
    ShowBox(nullptr, BoxKind::Error, QString::fromLatin1(message));
  texts << boxes.Texts();
  texts.removeAll(QString());
  return texts;
}

// What the information pages of every part in the catalogue show.
QStringList InfoPageTexts() {
  QStringList texts;
  std::set<lpt::InfoPage> seen;
  for (const lpt::DeviceRecord& record : lpt::AllDevices()) {
    if (!seen.insert(record.infoPage).second) continue;
    const FuseInfoDialog dialog(record.infoPage);
    for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
  }
  return texts;
}

// What the Adapter... dialog shows for every built-in adapter, the
// connection help of every part, and the hints of every fuse switch.
QStringList AdapterConnectionAndFuseTexts() {
  QStringList texts;
  AdapterDialog dialog(lpt::BuiltInAdapters(), {}, 0, {});
  for (int row = 0; row < dialog.List->count(); ++row) {
    dialog.List->setCurrentRow(row);
    texts << dialog.Pins->text() << dialog.Notes->text();
  }
  for (const lpt::DeviceRecord& record : lpt::AllDevices())
    for (const std::string& line : lpt::ConnectionHelp(record))
      texts << TranslateMessage(QString::fromStdString(line));
  for (const lpt::FuseLayoutSpec& layout : lpt::AllFuseLayouts())
    for (auto switches : {layout.switches, layout.secondWord})
      for (const lpt::FuseSwitchSpec& fuse : switches)
        texts << QCoreApplication::translate("FuseHints", std::string(fuse.hint).c_str());
  return texts;
}

// Messages filled in with file names, addresses and numbers, as the domain
// and the window write them, shown in boxes with their details.
QStringList FilledInMessages() {
  lpt::OpState stopped;
  stopped.StoppedAt = 4;
  lpt::ActiveDevice pic12F629;
  lpt::SelectDevice(pic12F629, "12F629/675");
  const lpt::Adapter& noVdd =
      *std::find_if(lpt::BuiltInAdapters().begin(), lpt::BuiltInAdapters().end(),
                    [](const lpt::Adapter& a) { return a.vdd.pin == 0; });
  lpt::HexLoadResult nothingLoaded;
  nothingLoaded.endRecordSeen = true;
  nothingLoaded.dataRecords = 3;
  nothingLoaded.recordsAbove64K = 2;
  nothingLoaded.device = "16F84";
  const std::vector<std::string> messages{
      lpt::StoppedMessage(stopped),
      lpt::IncompleteHexWarning("a.hex", nothingLoaded),
      lpt::DetectionText(lpt::DetectionOf(0x1234)),
      lpt::DetectionText(lpt::DetectionOf(0x0000)),
      lpt::DetectionText(lpt::DetectionOf(0x0562)),
      // the internal oscillator and MCLR as an input
      lpt::PowerOrderWarning(noVdd, pic12F629, 0x31D4).value_or("no warning"),
      "No chip answers (device ID 2FFFh): is the chip in the socket?",
      lpt::ChooseEntry("16F1827", 9000, true, 13000, true).reason,
      lpt::ChooseEntry("16F1827", 9000, true, 13000, false).reason,
      lpt::ChooseEntry("16F1827", 9000, false, 13000, true).reason,
      "The configuration 3FFF 1FFF would switch off low-voltage programming; this adapter could "
      "not program the chip again.",
      "The chip is a 16F628, not the selected 16F84.",
      "The chip's device ID 1234h is not the selected 16F84's.",
      "Error CheckSum on line 12 !",
      "Cannot open file \"a.hex\". File too large (over 16 MB).",
      "The simulated chip in b.chip is a 16F628, not the 16F84 selected: it stays in the socket.",
      "Device is not found !\n\nThe simulator has no model of device \"16C84\".",
      "The simulated chip could not be saved:\nCannot save chip file b.chip: The file is "
      "read-only.",
      "There is no parallel port D010 on this machine.",
      "Port address \"FFFF\" is out of range (0100h to FFF8h).",
      "End address 0500 is past the last address 03FF.",
      "Error OscCal!\nOSCCAL kept: the chip's C34 stays at 3FFh; the file's C40 was not written.",
      "Device is not found !\n\nPermission denied on /dev/parport0: add your user to group lp "
      "(sudo usermod -aG lp $USER) and log in again.",
  };
  const std::vector<std::pair<std::string, std::string>> withDetails{
      {"Error verify Data Memory!", lpt::DescribeFailure({lpt::MemoryKind::Data, 7, "12", "FF"})},
      {"Error programming Program Memory!",
       lpt::DescribeFailure({lpt::MemoryKind::Program, 4, "3FFF", "0000"})},
      {"Error CheckSum on line 1 !",
       "HEX file \"a.hex\", line 1: not an Intel HEX record: it does not start with ':'"},
      {"HEX file \"a.hex\", line 3: record type 10 is no data record (only 00 is), yet it would "
       "be read as data",
       {}},
  };
  lpt::testing::BoxRecorder boxes;
  for (const std::string& message : messages)
    ShowBox(nullptr, BoxKind::Error, QString::fromStdString(message));
  for (const auto& [message, detail] : withDetails)
    ShowBox(nullptr, BoxKind::Error, QString::fromStdString(message),
            QString::fromStdString(detail));
  QStringList texts = boxes.Texts();
  for (const auto& box : boxes.boxes) texts << box.detail;
  return texts;
}

bool Garbled(const QString& text) {
  return text.contains(QString::fromUtf8("â€")) || text.contains(QString::fromUtf8("Ã")) ||
         text.contains(QChar(0xFFFD));
}

// File names, paths, mail addresses and versions ("a.hex", "/tmp/x",
// "2.0-or-later"): names, whatever words they hold.
QString WithoutFileNames(QString text) {
  static const QRegularExpression named(QStringLiteral("\\S*[./@]\\w\\S*"));
  return text.remove(named);
}

// What the Czech run may keep as the English one shows it: names (part,
// pin and bit names have no lower-case word), and "OK", which Czech uses
// as it is.
bool IsName(const QString& text) {
  static const QStringList kNames{QStringLiteral("&ID"), QStringLiteral("OK")};
  static const QRegularExpression word(QStringLiteral("[a-z]{3}"));
  return kNames.contains(text) || !WithoutFileNames(text).contains(word);
}

// The English words (three lower-case letters or more) the Czech text
// still holds, but for those Czech shares, commands and those of names.
QStringList EnglishWordsLeft(const QString& englishText, const QString& czechText) {
  static const QStringList kShared{
      QStringLiteral("data"), QStringLiteral("bit"), QStringLiteral("lptpic"),
      QStringLiteral("panel"), QStringLiteral("software"), QStringLiteral("program"),
      QStringLiteral("model"), QStringLiteral("port"), QStringLiteral("sudo"),
      QStringLiteral("usermod"), QStringLiteral("modprobe"), QStringLiteral("rmmod"),
      QStringLiteral("ppdev"),
      // An adapters.conf keyword, kept as the file spells it.
      QStringLiteral("vpp"), QStringLiteral("vdd"), QStringLiteral("volts")};
  static const QRegularExpression word(QStringLiteral("\\b[a-z]{3,}\\b"));
  const QString english = WithoutFileNames(englishText);
  const QString czech = WithoutFileNames(czechText);
  QStringList left;
  for (auto it = word.globalMatch(english); it.hasNext();) {
    const QString w = it.next().captured();
    if (!kShared.contains(w) &&
        czech.contains(QRegularExpression(QStringLiteral("\\b") + w + QStringLiteral("\\b"))))
      left << w;
  }
  return left;
}

// Made once in English and once in Czech: nothing garbled, and nothing
// left in English in the Czech texts but names.
void CheckBothLanguages(const std::function<QStringList()>& make) {
  InstallTranslation(QLocale(QLocale::English));
  const QStringList english = make();
  QVERIFY(InstallTranslation(QLocale(QLocale::Czech, QLocale::CzechRepublic)));
  const QStringList czech = make();
  QCOMPARE(czech.size(), english.size());
  QStringList garbled, untranslated;
  for (qsizetype i = 0; i < english.size(); ++i) {
    if (Garbled(english[i])) garbled << english[i];
    if (Garbled(czech[i])) garbled << czech[i];
    const QStringList left = EnglishWordsLeft(english[i], czech[i]);
    if ((czech[i] == english[i] && !IsName(english[i])) || !left.isEmpty())
      untranslated << english[i] + QStringLiteral(" [") + left.join(QLatin1Char(' ')) +
                          QStringLiteral("]");
  }
  QVERIFY2(garbled.isEmpty(), qPrintable(garbled.join(QStringLiteral(" | "))));
  QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QStringLiteral("\n"))));
}

}  // namespace

class TranslationTest : public QObject {
  Q_OBJECT
 private slots:
  void cleanup() { InstallTranslation(QLocale(QLocale::English)); }

  void englishIsTheSourceLanguage() {
    QVERIFY(!InstallTranslation(QLocale(QLocale::English, QLocale::UnitedStates)));
    QCOMPARE(HexFileFilters(true), kEnglishOpen);
    QCOMPARE(HexFileFilters(false), QStringLiteral("HEX files (*.hex);;All files (*)"));
    const QStringList help = HelpText().split(QLatin1Char('\n'));
    QCOMPARE(help.size(), 47);
    QCOMPARE(help[8], QStringLiteral("Exit:  quits the program"));
    QVERIFY(!HelpText().contains(QString::fromUtf8("ř")));
  }

  void czechCarriesTheHelpAndTheFilters() {
    QVERIFY(InstallTranslation(QLocale(QLocale::Czech, QLocale::CzechRepublic)));
    QCOMPARE(HexFileFilters(true), kCzechOpen);
    QCOMPARE(HexFileFilters(false), kCzechSave);
    const QStringList help = HelpText().split(QLatin1Char('\n'));
    QCOMPARE(help.size(), 47);
    QCOMPARE(help[8], QString::fromUtf8("Konec:  ukončení programu"));
    // Back to English when another language is chosen.
    QVERIFY(!InstallTranslation(QLocale(QLocale::German)));
    QCOMPARE(HexFileFilters(true), kEnglishOpen);
  }

  void everyWindowTextReadsRightInBothLanguages() {
    lpt::VirtualClock clock;
    lpt::gui_test::SettingsDirs dirs;
    CheckBothLanguages(
        [&] { return WindowTexts(*lpt::gui_test::MakeSimulatorWindow(dirs, clock)); });
  }

  // Alt and a letter reach one item of a menu, in either language.
  void accessKeysAreUniqueInEveryMenu() {
    lpt::VirtualClock clock;
    lpt::gui_test::SettingsDirs dirs;
    for (const QLocale& language :
         {QLocale(QLocale::English), QLocale(QLocale::Czech, QLocale::CzechRepublic)}) {
      InstallTranslation(language);
      const auto window = lpt::gui_test::MakeSimulatorWindow(dirs, clock);
      QList<QWidget*> menus{window->menuBar()};
      for (QMenu* menu : window->findChildren<QMenu*>()) menus << menu;
      for (QWidget* menu : menus) {
        QMap<QString, QString> taken;
        for (QAction* item : menu->actions()) {
          const QString key = QKeySequence::mnemonic(item->text()).toString().toLower();
          if (key.isEmpty()) continue;
          QVERIFY2(!taken.contains(key), qPrintable(item->text() + " and " + taken[key]));
          taken[key] = item->text();
        }
      }
    }
  }

  // Iterated from the catalogue and the adapter table: a part or an
  // adapter added later fails here until its texts are translated.
  void everyPartsAndAdaptersTextsReadRightInBothLanguages() {
    CheckBothLanguages(InfoPageTexts);
    CheckBothLanguages(AdapterConnectionAndFuseTexts);
  }

  void filledInMessagesReadRightInBothLanguages() {
    CheckBothLanguages(FilledInMessages);
    // Still in Czech: every template has its Czech form.
    for (int i = 0; i < MessageTemplateCount(); ++i) {
      const QString english = MessageTemplate(i);
      const QString czech = QCoreApplication::translate("MessageTemplates", english.toUtf8());
      QVERIFY2(EnglishWordsLeft(english, czech).isEmpty(), qPrintable(english));
    }
    // An unknown message stays as written, line by line.
    QCOMPARE(TranslateMessage(QStringLiteral("Error BG!\n\nno such thing")),
             QString::fromUtf8("Chyba BG!\n\nno such thing"));
  }

  void theSystemLanguageChooses() {
    const bool czech = qgetenv("LANG").startsWith("cs");
    QCOMPARE(InstallTranslation(QLocale::system()), czech);
    QCOMPARE(HexFileFilters(true), czech ? kCzechOpen : kEnglishOpen);
  }
};

QTEST_MAIN(TranslationTest)
#include "translation_test.moc"
