// SPDX-License-Identifier: GPL-2.0-or-later
// Help window, about box, home page and the screenshots of every dialog.
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <map>

#include "app/clear_area_dialog.h"
#include "app/dialog_about.h"
#include "app/dialog_help.h"
#include "app/dialog_launchers.h"
#include "app/program_icon.h"
#include "app/project_links.h"
#include "lptpic/program_info.h"
#include "support/gui_modal_dialog.h"

using namespace lpt::app;

// Catches what the shell would open instead of starting a browser.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> urls;
 public slots:
  void open(const QUrl& url) { urls << url; }
};

class HelpAboutTest : public QObject {
  Q_OBJECT

  UrlCatcher catcher_;

 private slots:
  void initTestCase() {
    for (const char* scheme : {"https", "mailto"}) {
      QDesktopServices::setUrlHandler(QLatin1String(scheme), &catcher_, "open");
    }
  }
  void cleanupTestCase() {
    for (const char* scheme : {"https", "mailto"}) {
      QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }
  }
  void init() { catcher_.urls.clear(); }

  // The help's sections and entries in their order, each found by its
  // text: a section head follows an empty line, and a rule of dashes
  // closes the text.
  void helpTextHasItsStructure() {
    const QStringList lines = HelpText().split(QLatin1Char('\n'));
    QVERIFY(lines.first().isEmpty());
    QCOMPARE(lines[1], QStringLiteral("------------------------------------   MENU  "
                                      "------------------------------------"));
    QCOMPARE(lines[lines.size() - 2], QString(123, QLatin1Char('-')));
    QVERIFY(lines.last().isEmpty());
    const char* const inOrder[] = {"--->  File",
                                   "Open:  ",
                                   "Exit:  quits the program",
                                   "--->  Edit",
                                   "Clear area:  ",
                                   "--->  Device",
                                   "PROGRAM ALL:  ",
                                   "BLANK?:  ",
                                   "FUSES:  ",
                                   "--->  Select",
                                   "Device:  ",
                                   "ID:  ",
                                   "--->  Option",
                                   "Output Port:  ",
                                   "Adapter…:  ",
                                   "Adapter test…:  ",
                                   "Standart color Windows:  ",
                                   "Save settings on Exit:  ",
                                   "Delay:  ",
                                   "Timing:  "};
    qsizetype after = 0;
    for (const char* start : inOrder) {
      const QString text = QString::fromUtf8(start);
      qsizetype at = after;
      while (at < lines.size() && !lines[at].startsWith(text)) ++at;
      QVERIFY2(at < lines.size(), qPrintable(text + " missing or out of order"));
      if (text.startsWith(QStringLiteral("--->"))) QVERIFY2(lines[at - 1].isEmpty(), start);
      after = at + 1;
    }
  }

  void helpTextRestoredOnEveryOpening() {
    WhenOpen([](HelpDialog* d) {
      QCOMPARE(d->helpText_->toPlainText(), HelpText());
      QCOMPARE(d->helpText_->document()->blockCount(), HelpText().count(QLatin1Char('\n')) + 1);
      d->helpText_->setPlainText(QStringLiteral("scribbled over"));
      d->closeButton_->click();
    });
    ShowHelpDialog(nullptr);
    WhenOpen([](HelpDialog* d) {
      QCOMPARE(d->helpText_->toPlainText(), HelpText());
      d->closeButton_->click();
    });
    ShowHelpDialog(nullptr);
  }

  void aboutBoxTexts() {
    AboutDialog about;
    QCOMPARE(about.windowTitle(), QStringLiteral("Info"));
    QCOMPARE(about.Title->text(), QStringLiteral("Tarnwick - Device Programmer - LPT"));
    QCOMPARE(about.Version->text(),
             QStringLiteral("Version  ") + QLatin1String(lpt::kProgramVersion));
    QCOMPARE(about.Mail->text(), QStringLiteral("Email: ") + QLatin1String(kContactAddress));
    QVERIFY(about.Title->font().bold());
    QCOMPARE(about.Title->font().pointSize(), 11);
    QCOMPARE(about.Version->font().pointSize(), 10);
    // The licence and its lack of warranty, in full view above the button.
    for (const char* words : {"GPL-2.0-or-later", "NO WARRANTY", "LGPL"})
      QVERIFY2(about.Licence->text().contains(QLatin1String(words)), words);
    QVERIFY(about.Licence->geometry().bottom() < about.ButtonOk->geometry().top());
  }

  // The installed theme's icon when there is one, else the built-in copy.
  void programIconFromTheThemeOrBuiltIn() {
    const QStringList oldPaths = QIcon::themeSearchPaths();
    const QString oldTheme = QIcon::themeName();
    QTemporaryDir themes;
    QIcon::setThemeSearchPaths({themes.path()});
    QIcon::setThemeName(QStringLiteral("hicolor"));
    const QImage builtIn = ProgramIcon().pixmap(32, 32).toImage();
    QVERIFY(!builtIn.isNull());

    QDir(themes.path()).mkpath(QStringLiteral("hicolor/32x32/apps"));
    QFile index(themes.filePath(QStringLiteral("hicolor/index.theme")));
    QVERIFY(index.open(QIODevice::WriteOnly));
    index.write(
        "[Icon Theme]\nName=hicolor\nDirectories=32x32/apps\n\n"
        "[32x32/apps]\nSize=32\nType=Fixed\n");
    index.close();
    QImage red(32, 32, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(themes.filePath(QStringLiteral("hicolor/32x32/apps/lptpic.png"))));
    QIcon::setThemeName(QStringLiteral("hicolor"));  // re-reads the theme
    const QImage themed = ProgramIcon().pixmap(32, 32).toImage();
    QCOMPARE(themed.pixelColor(16, 16), QColor(Qt::red));
    QVERIFY(themed != builtIn);
    QIcon::setThemeSearchPaths(oldPaths);
    QIcon::setThemeName(oldTheme);
  }

  void mailLinkGreenUnderTheMouseBlueElsewhere() {
    AboutDialog about;
    about.show();
    QCOMPARE(about.Mail->LinkColour(), kLinkColour);
    QMouseEvent over(QEvent::MouseMove, QPointF(5, 5), about.Mail->mapToGlobal(QPointF(5, 5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(about.Mail, &over);
    QCOMPARE(about.Mail->LinkColour(), kLinkHoverColour);
    QCOMPARE(about.Mail->palette().color(QPalette::WindowText).rgb() & 0xFFFFFF, kLinkHoverColour);
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 140), QPointF(5, 140), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&about, &move);
    QCOMPARE(about.Mail->LinkColour(), kLinkColour);
  }

  void mailLinkAndHomePageOpenTheirAddresses() {
    AboutDialog about;
    about.show();
    QTest::mouseClick(about.Mail, Qt::LeftButton, {}, QPoint(5, 5));
    OpenHomePage();
    QCOMPARE(catcher_.urls,
             (QList<QUrl>{QUrl(QStringLiteral("mailto:") + QLatin1String(kContactAddress)),
                          QUrl(QLatin1String(kHomePageUrl))}));
  }

  // Every launcher opens its dialog at the dialog's own offset from the main
  // window, with its caption and a frame that cannot be resized.
  void launchersPlaceEachDialog_data() {
    QTest::addColumn<QString>("launcher");
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<QString>("title");
    QTest::newRow("device") << "device" << QPoint(160, 40) << "Device";
    QTest::newRow("info") << "info" << QPoint(100, -130) << "Info";
    QTest::newRow("id") << "id" << QPoint(283, 97) << "ID change";
    QTest::newRow("clear area") << "cleararea" << QPoint(100, -53) << "Clear Area";
    QTest::newRow("port") << "port" << QPoint(100, -53) << "Output  Port";
    QTest::newRow("dir") << "dir" << QPoint(66, -66) << "Change Dir";
    QTest::newRow("about") << "about" << QPoint(98, -30) << "Info";
  }
  void launchersPlaceEachDialog() {
    QFETCH(QString, launcher);
    QFETCH(QPoint, offset);
    QFETCH(QString, title);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget main;
    main.setGeometry(screen.left() + 40, screen.top() + 200, 300, 200);
    main.show();
    lpt::ActiveDevice device;
    lpt::SelectDevice(device, "16F628");
    lpt::EditBuffers buffers;
    lpt::SetUpDevice(device, buffers, "16F628");
    std::string name = "16F84";
    int port = 888;
    std::string workDir = QDir::tempPath().toStdString();
    const std::map<QString, std::function<void()>> launchers = {
        {QStringLiteral("device"), [&] { ShowDeviceDialog(&main, &name); }},
        {QStringLiteral("info"), [&] { ShowInfoDialog(&main, device); }},
        {QStringLiteral("id"), [&] { ShowIdDialog(&main, buffers); }},
        {QStringLiteral("cleararea"), [&] { ShowClearAreaDialog(&main, device, buffers); }},
        {QStringLiteral("port"), [&] { ShowPortDialog(&main, &port); }},
        {QStringLiteral("dir"), [&] { ShowDirDialog(&main, &workDir, workDir); }},
        {QStringLiteral("about"), [&] { ShowAboutDialog(&main); }},
    };
    QPoint where;
    QString caption;
    Qt::WindowFlags flags;
    lpt::testing::WithModal<QDialog>(launchers.at(launcher), [&](QDialog* d) {
      where = d->frameGeometry().topLeft();
      caption = d->windowTitle();
      flags = d->windowFlags();
      d->reject();
    });
    QCOMPARE(where, main.frameGeometry().topLeft() + offset);
    QCOMPARE(caption, title);
    QVERIFY(flags.testFlag(Qt::MSWindowsFixedSizeDialogHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
  }

  void screenshotsOfEveryOwnDialog() {
    QTemporaryDir dir;
    QWidget main;
    DialogState state;
    lpt::SetUpDevice(state.device, state.buffers, "16F628");
    state.exeDir = QDir::tempPath().toStdString();
    state.workDir = state.exeDir;
    const struct {
      const char* name;
      QSize size;
    } dialogs[] = {{"device", {371, 205}}, {"info", {559, 341}}, {"id", {193, 107}},
                   {"port", {188, 160}},   {"dir", {355, 307}},  {"about", {355, 200}},
                   {"help", {537, 560}}};
    for (const auto& d : dialogs) {
      const QString file = dir.filePath(QLatin1String(d.name) + QStringLiteral(".png"));
      QVERIFY2(ScreenshotDialog(&main, QLatin1String(d.name), state, file), d.name);
      const QSize size = QImage(file).size();
      QCOMPARE(size.height(), d.size.height());
      // The information box may grow to fit a wide font, never shrink.
      QVERIFY2(d.name == std::string("info") ? size.width() >= d.size.width()
                                             : size.width() == d.size.width(),
               d.name);
    }
    // Clear Area belongs to the main window but is captured the same way.
    const QString clearArea = dir.filePath(QStringLiteral("cleararea.png"));
    QVERIFY(ScreenshotDialog(&main, QStringLiteral("cleararea"), state, clearArea));
    QVERIFY(!QImage(clearArea).isNull());
    QVERIFY(QApplication::topLevelWidgets().size() <= 2);  // every dialog destroyed
  }

 private:
  static void WhenOpen(std::function<void(HelpDialog*)> action) {
    lpt::testing::WhenModalOpens<HelpDialog>(std::move(action));
  }
};

QTEST_MAIN(HelpAboutTest)
#include "dialog_help_about_test.moc"
