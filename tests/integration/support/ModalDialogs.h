#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// Acts on a modal dialog once it is up: the dialog's exec() runs its own event loop, so the
// action is armed before the command that opens it. An empty name takes any modal Dialog.
// Gives up after timeoutMs.
template <typename Dialog>
void whenModal(const QString& objectName, std::function<void(Dialog*)> act, int timeoutMs = 10000) {
  auto* poll = new QTimer(qApp);
  auto waited = std::make_shared<int>(0);
  constexpr int kEveryMs = 20;
  QObject::connect(poll, &QTimer::timeout, poll, [poll, waited, objectName, act, timeoutMs] {
    *waited += kEveryMs;
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (dialog && (objectName.isEmpty() || dialog->objectName() == objectName) &&
        dialog->isVisible()) {
      poll->stop();
      poll->deleteLater();
      act(dialog);
    } else if (*waited > timeoutMs) {
      poll->stop();
      poll->deleteLater();
    }
  });
  poll->start(kEveryMs);
}
