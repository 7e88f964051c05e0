// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/message_boxes.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "app/message_translation.h"

namespace lpt::app {

namespace {
BoxObserver& Observer() {
  static BoxObserver observer;
  return observer;
}
BoxDetailObserver& DetailObserver() {
  static BoxDetailObserver observer;
  return observer;
}
ContinueAnswerer& Answerer() {
  static ContinueAnswerer answerer;
  return answerer;
}
}  // namespace

QString ApplicationTitle() {
  QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
  if (name.isEmpty()) name = QStringLiteral("lptpic");
  return name.left(1) + name.mid(1).toLower();
}

std::unique_ptr<QMessageBox> MakeBox(QWidget* parent, BoxKind kind, const QString& text,
                                     const QString& detail) {
  auto box = std::make_unique<QMessageBox>(parent);
  box->setText(text);
  if (!detail.isEmpty()) box->setInformativeText(detail);
  box->setStandardButtons(QMessageBox::Ok);
  switch (kind) {
    case BoxKind::Error:
      box->setIcon(QMessageBox::Critical);
      box->setWindowTitle(QCoreApplication::translate("Messages", "Error"));
      break;
    case BoxKind::Plain:
      box->setIcon(QMessageBox::NoIcon);
      box->setWindowTitle(ApplicationTitle());
      break;
    case BoxKind::FileError:
      box->setIcon(QMessageBox::Critical);
      box->setWindowTitle(ApplicationTitle());
      break;
    case BoxKind::Warning:
      box->setIcon(QMessageBox::Warning);
      box->setWindowTitle(ApplicationTitle());
      break;
  }
  return box;
}

void ShowBox(QWidget* parent, BoxKind kind, const QString& englishText, const QString& detail) {
  const QString text = TranslateMessage(englishText);
  const QString translatedDetail = TranslateMessage(detail);
  if (DetailObserver()) {
    DetailObserver()(kind, text, translatedDetail);
    return;
  }
  if (Observer()) {
    Observer()(kind, text);
    return;
  }
  MakeBox(parent, kind, text, translatedDetail)->exec();
}

bool AskToContinue(QWidget* parent, const QString& englishText, const char* goOnText) {
  return AskWithButton(parent, BoxKind::Warning, englishText, goOnText);
}

bool AskWithButton(QWidget* parent, BoxKind kind, const QString& englishText,
                   const char* englishButton) {
  const QString text = TranslateMessage(englishText);
  if (Answerer()) return Answerer()(text);
  const std::unique_ptr<QMessageBox> box = MakeBox(parent, kind, text);
  QPushButton* goOn = box->addButton(QCoreApplication::translate("Messages", englishButton),
                                     QMessageBox::AcceptRole);
  box->setStandardButtons(QMessageBox::Cancel);
  box->setDefaultButton(QMessageBox::Cancel);
  box->exec();
  return box->clickedButton() == goOn;
}

void SetContinueAnswerer(ContinueAnswerer answerer) { Answerer() = std::move(answerer); }

void SetBoxObserver(BoxObserver observer) { Observer() = std::move(observer); }

void SetBoxDetailObserver(BoxDetailObserver observer) { DetailObserver() = std::move(observer); }

}  // namespace lpt::app
