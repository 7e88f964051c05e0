// SPDX-License-Identifier: GPL-2.0-or-later
// The interface's language: English as written, Czech from the built-in
// translation (the help text and the HEX file filters), and the system's
// language choosing between them. Run once as the environment is and once
// with LANG=cs_CZ.UTF-8.
#include "app/translation.h"

#include <QtTest>

#include "app/dialog_help.h"

using namespace lpt::app;

namespace {

const QString kEnglishOpen = QStringLiteral("HEX files (*.hex);;All files *.* (*)");
const QString kCzechOpen = QString::fromUtf8("soubory *.hex (*.hex);;všechny soubory *.* (*)");
const QString kCzechSave = QString::fromUtf8("soubory *.hex (*.hex);;všechny soubory (*)");

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
    QCOMPARE(help.size(), 43);
    QCOMPARE(help[8], QStringLiteral("Exit:  quits the program"));
    QVERIFY(!HelpText().contains(QString::fromUtf8("ř")));
  }

  void czechCarriesTheHelpAndTheFilters() {
    QVERIFY(InstallTranslation(QLocale(QLocale::Czech, QLocale::CzechRepublic)));
    QCOMPARE(HexFileFilters(true), kCzechOpen);
    QCOMPARE(HexFileFilters(false), kCzechSave);
    const QStringList help = HelpText().split(QLatin1Char('\n'));
    QCOMPARE(help.size(), 43);
    QCOMPARE(help[8], QString::fromUtf8("Exit:  ukončení programu"));
    // Back to English when another language is chosen.
    QVERIFY(!InstallTranslation(QLocale(QLocale::German)));
    QCOMPARE(HexFileFilters(true), kEnglishOpen);
  }

  void theSystemLanguageChooses() {
    const bool czech = qgetenv("LANG").startsWith("cs");
    QCOMPARE(InstallTranslation(QLocale::system()), czech);
    QCOMPARE(HexFileFilters(true), czech ? kCzechOpen : kEnglishOpen);
  }
};

QTEST_MAIN(TranslationTest)
#include "translation_test.moc"
