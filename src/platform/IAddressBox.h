#pragma once

#include <string>

namespace corvane {

// An editable address box with an ordered drop-down list of earlier addresses.
class IAddressBox {
 public:
  IAddressBox() = default;
  IAddressBox(const IAddressBox&) = delete;
  IAddressBox& operator=(const IAddressBox&) = delete;
  virtual ~IAddressBox() = default;

  // The text in the edit field.
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
  // Number of list entries.
  virtual int ListCount() const = 0;
  // Entry at index (0 first); empty when out of range.
  virtual std::string List(int index) const = 0;
  // Inserts an entry at index; index < 0 or past the end appends.
  virtual void AddItem(const std::string& text, int index = -1) = 0;
  // Removes the entry at index; out of range does nothing.
  virtual void RemoveItem(int index) = 0;
  // Selects an entry, which also puts it into the edit field. May raise the box's click.
  virtual void SetListIndex(int index) = 0;
};

}  // namespace corvane
