// SPDX-License-Identifier: GPL-2.0-or-later
// The interface's language: English as written, Czech from the built-in
// translation (the help text and the HEX file filters), and the system's
// language choosing between them. Run once as the environment is and once
// with LANG=cs_CZ.UTF-8.
#include "app/translation.h"

#include <QAction>
#include <QGroupBox>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <functional>

#include "app/clear_area_dialog.h"
#include "app/dialog_about.h"
#include "app/dialog_device.h"
#include "app/dialog_dir.h"
#include "app/dialog_help.h"
#include "app/dialog_id.h"
#include "app/dialog_info.h"
#include "app/dialog_port.h"
#include "app/progress_panel.h"
#include "gui_test_support.h"
#include "hw/virtual_clock.h"

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

bool Garbled(const QString& text) {
  return text.contains(QString::fromUtf8("â€")) || text.contains(QString::fromUtf8("Ã")) ||
         text.contains(QChar(0xFFFD));
}

// What the Czech run may keep as the English one shows it: names, and "OK",
// which Czech uses as it is.
bool IsName(const QString& text) {
  static const QStringList kNames{QStringLiteral("I&D"), QStringLiteral("ID"), QStringLiteral("OK"),
                                  QStringLiteral("LPT 1   (378)"),
                                  QStringLiteral("LPT 2   (278) ")};
  return kNames.contains(text);
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

  // The window in English and in Czech: nothing garbled, and nothing left
  // in English in the Czech window but names.
  void everyWindowTextReadsRightInBothLanguages() {
    lpt::VirtualClock clock;
    lpt::gui_test::SettingsDirs dirs;
    InstallTranslation(QLocale(QLocale::English));
    const QStringList english = WindowTexts(*lpt::gui_test::MakeSimulatorWindow(dirs, clock));
    QVERIFY(InstallTranslation(QLocale(QLocale::Czech, QLocale::CzechRepublic)));
    const QStringList czech = WindowTexts(*lpt::gui_test::MakeSimulatorWindow(dirs, clock));
    QCOMPARE(czech.size(), english.size());
    QStringList garbled, untranslated;
    for (qsizetype i = 0; i < english.size(); ++i) {
      if (Garbled(english[i])) garbled << english[i];
      if (Garbled(czech[i])) garbled << czech[i];
      if (czech[i] == english[i] && !IsName(english[i])) untranslated << english[i];
    }
    QVERIFY2(garbled.isEmpty(), qPrintable(garbled.join(QStringLiteral(" | "))));
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QStringLiteral(" | "))));
  }

  void theSystemLanguageChooses() {
    const bool czech = qgetenv("LANG").startsWith("cs");
    QCOMPARE(InstallTranslation(QLocale::system()), czech);
    QCOMPARE(HexFileFilters(true), czech ? kCzechOpen : kEnglishOpen);
  }
};

QTEST_MAIN(TranslationTest)
#include "translation_test.moc"
