#pragma once

#include <QList>
#include <QWidget>

#include "platform/IToolbar.h"

class QToolButton;

namespace corvane {

// A pane's toolbar: Back, Forward, Stop, Refresh, Home, Fav, Search and Chat, in that order, as
// icon buttons. Buttons are addressed by key, and by position from 1. The buttons start with a
// raised look; the window's start-up toggles them flat once. A plain row of buttons rather than
// a QToolBar: the toolbar has its designed width, so an overflow button would only ever be an
// unnamed, unreachable extra in the accessibility tree.
class PaneToolbar : public QWidget, public IToolbar {
  Q_OBJECT
 public:
  // paneName: the pane the buttons serve, as a screen reader says it ("Top pane").
  PaneToolbar(const QString& objectName, const QString& accessibleName, const QString& paneName,
              QWidget* parent);

  // IToolbar
  int ButtonCount() const override;
  std::string ButtonKey(int position) const override;
  bool ButtonEnabled(int position) const override;
  void SetButtonEnabled(int position, bool enabled) override;
  void ToggleFlat() override;
  void Refresh() override;

  // The button at position (1 = Back); nullptr outside the toolbar.
  QToolButton* button(int position) const;

 Q_SIGNALS:
  // The key of the pressed button.
  void buttonClick(const QString& key);

 private:
  QList<QToolButton*> buttons_;
};

}  // namespace corvane
