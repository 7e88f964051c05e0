// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/translation.h"

#include <QCoreApplication>
#include <QTranslator>
#include <memory>

namespace lpt::app {

namespace {

QTranslator*& Installed() {
  static QTranslator* translator = nullptr;
  return translator;
}

}  // namespace

bool InstallTranslation(const QLocale& locale) {
  QTranslator*& installed = Installed();
  if (installed != nullptr) {
    QCoreApplication::removeTranslator(installed);
    delete installed;
    installed = nullptr;
  }
  auto translator = std::make_unique<QTranslator>();
  // The .qm files are built into the program under :/i18n.
  if (!translator->load(locale, QStringLiteral("lptpic"), QStringLiteral("_"),
                        QStringLiteral(":/i18n"))) {
    return false;
  }
  QCoreApplication::installTranslator(translator.get());
  installed = translator.release();
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
