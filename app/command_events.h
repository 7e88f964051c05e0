// SPDX-License-Identifier: GPL-2.0-or-later
// The window's side of lpt::Hooks. A device command runs on its own thread
// and reports there; every event is queued to the thread this object lives
// on (the window's) and emitted there as a signal, so whatever is connected
// runs on the window's thread and the command never waits for the window.
#pragma once

#include <QMetaType>
#include <QObject>
#include <QString>
#include <utility>

#include "hw/hooks.h"

Q_DECLARE_METATYPE(lpt::CommandResult)
Q_DECLARE_METATYPE(lpt::FailureKind)

namespace lpt::app {

class CommandEvents : public QObject, public Hooks {
  Q_OBJECT
 public:
  explicit CommandEvents(QObject* parent = nullptr) : QObject(parent) {}

  void CommandStarted() override {
    Queue([this] { emit commandStarted(); });
  }
  void CommandEnded(CommandResult result) override {
    Queue([this, result] { emit commandEnded(result); });
  }
  void PassStarted(const std::string& name) override {
    Queue([this, text = QString::fromStdString(name)] { emit passStarted(text); });
  }
  void Progress(int position, int maximum) override {
    Queue([this, position, maximum] { emit progress(position, maximum); });
  }
  void Failed(const Failure& failure) override {
    Queue([this, message = QString::fromStdString(failure.message),
           location = QString::fromStdString(failure.location),
           kind = failure.kind] { emit failed(message, location, kind); });
  }
  void AdapterNotFound(const std::string& reason) override {
    Queue([this, text = QString::fromStdString(reason)] { emit adapterNotFound(text); });
  }
  void BuffersChanged() override {
    Queue([this] { emit buffersChanged(); });
  }
  void ConfigurationRead(std::uint16_t word) override {
    Queue([this, word] { emit configurationRead(word); });
  }

 signals:
  void commandStarted();
  void commandEnded(lpt::CommandResult result);
  void passStarted(const QString& name);
  void progress(int position, int maximum);
  void failed(const QString& message, const QString& location, lpt::FailureKind kind);
  void adapterNotFound(const QString& reason);
  void buffersChanged();
  void configurationRead(quint16 word);

 private:
  // Runs `emitter` on this object's thread once its event loop gets to it,
  // after every event queued before.
  template <class Emitter>
  void Queue(Emitter emitter) {
    QMetaObject::invokeMethod(this, std::move(emitter), Qt::QueuedConnection);
  }
};

}  // namespace lpt::app
