#pragma once

#include <QObject>

#include <functional>

#include "platform/IAddressBox.h"

class QComboBox;
class QKeyEvent;

namespace corvane {

// IAddressBox over an editable QComboBox. The list only changes through this adapter, and adding
// or removing entries never touches the typed text (a QComboBox would otherwise replace it).
// Every typed character is reported as a key; Enter (the main one or the keypad's) is reported as
// key 13 and consumed. Only a pick from the list (mouse, the keys of the open list, or Up and Down
// in the closed box) is reported as a click: ending an edit never is, even when the typed text
// equals an entry. Selecting an entry from code is not a click.
class QtAddressBox : public QObject, public IAddressBox {
  Q_OBJECT
 public:
  explicit QtAddressBox(QComboBox* combo);

  std::string Text() const override;
  void SetText(const std::string& text) override;
  int ListCount() const override;
  std::string List(int index) const override;
  void AddItem(const std::string& text, int index = -1) override;
  void RemoveItem(int index) override;
  void SetListIndex(int index) override;

  void setOnClick(std::function<void()> onClick) { onClick_ = std::move(onClick); }
  void setOnKeyPress(std::function<void(int16_t)> onKeyPress) {
    onKeyPress_ = std::move(onKeyPress);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Reports the key; true when the box must not act on it itself.
  bool keyPress(const QKeyEvent& key);

  QComboBox* combo_;
  std::function<void()> onClick_;
  std::function<void(int16_t)> onKeyPress_;
};

}  // namespace corvane
