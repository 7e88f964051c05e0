// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace lpt::app {

namespace {

QTranslator*& Installed() {
  static QTranslator* translator = nullptr;
  return translator;
}

// Qt's own texts (the file dialog's "Look in", "Cancel" ...), from the
// system's Qt translations.
QTranslator*& InstalledQt() {
  static QTranslator* translator = nullptr;
  return translator;
}

void Remove(QTranslator*& installed) {
  if (installed == nullptr) return;
  QCoreApplication::removeTranslator(installed);
  delete installed;
  installed = nullptr;
}

}  // namespace

bool InstallTranslation(const QLocale& locale) {
  QTranslator*& installed = Installed();
  Remove(installed);
  Remove(InstalledQt());
  auto translator = std::make_unique<QTranslator>();
  // The .qm files are built into the program under :/i18n.
  if (!translator->load(locale, QStringLiteral("lptpic"), QStringLiteral("_"),
                        QStringLiteral(":/i18n"))) {
    return false;
  }
  QCoreApplication::installTranslator(translator.get());
  installed = translator.release();
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt.get());
    InstalledQt() = qt.release();
  }
  return true;
}

QString HexFileFilters(bool open) {
  return open ? QCoreApplication::translate("FileFilters", "HEX files (*.hex);;All files *.* (*)")
              : QCoreApplication::translate("FileFilters", "HEX files (*.hex);;All files (*)");
}

QString HelpTextResource() {
  // The translation names its own help file.
  return QCoreApplication::translate("HelpText", ":/lptpic/help_text_en.txt");
}

}  // namespace lpt::app
