#pragma once

#include <QObject>

#include <functional>

#include "platform/IAddressBox.h"

class QComboBox;

namespace corvane {

// IAddressBox over an editable QComboBox. The list only changes through this adapter, and adding
// or removing entries never touches the typed text (a QComboBox would otherwise replace it).
// Enter in the edit field is reported as key 13 and consumed; a pick from the list with the mouse
// or keyboard is reported as a click. Selecting an entry from code is not a click.
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
  void setOnKeyPress(std::function<void(int16_t)> onKeyPress) { onKeyPress_ = std::move(onKeyPress); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QComboBox* combo_;
  std::function<void()> onClick_;
  std::function<void(int16_t)> onKeyPress_;
};

}  // namespace corvane
