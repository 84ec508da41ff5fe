#include "menus/ViewMenu.h"

#include <string>

#include "base/Guarded.h"
#include "menus/MenuArray.h"

namespace corvane {

ViewMenu::ViewMenu(MenuBar& menus, Pane& top, Pane& bottom, IReaderView& topReader,
                   IReaderView& bottomReader)
    : top_(top), bottom_(bottom), topReader_(topReader), bottomReader_(bottomReader) {
  menus.Add({MenuPosition::View, kName, "&View",
             MenuArray(kName, {{"Top Browser Source"},
                               {"Bottom Browser Source"},
                               {"-"},
                               {"Top Browser Reader View"},
                               {"Bottom Browser Reader View"}}),
             [this](int index) { mnuSource_Click(index); }});
}

void ViewMenu::mnuSource_Click(int index) {
  if (index == 3 || index == 4) {
    IReaderView& reader = index == 3 ? topReader_ : bottomReader_;
    guarded([&] { reader.Toggle(); });
    return;
  }
  if (index != 0 && index != 1) return;
  Pane& pane = index == 0 ? top_ : bottom_;
  guarded([&] {
    const std::string address = pane.cboAddress.Text();
    if (address.empty()) return;
    pane.brwWebBrowser.Navigate("view-source:" + address);
  });
}

}  // namespace corvane
