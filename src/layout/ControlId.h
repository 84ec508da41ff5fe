#pragma once

#include <cstddef>
#include <optional>

namespace corvane {

// Every control of the main window that the layout places or shows. Containers come before the
// controls inside them, so walking the ids in order places a strip before its contents.
enum class ControlId {
  tbToolBar1,
  OptionBoth,
  OptionTop,
  OptionBottom,
  Label1,
  ProgressBar1,
  picAddress1,
  lblAddress1,
  cboAddress1,
  frmFav,
  cmdFavCloseX,
  cmdAddFav,
  cmdOrganizeFav,
  tvw,
  picSplit,
  brwWebBrowser1,
  browserSplit,
  brwWebBrowser2,
  picAddress2,
  cboAddress2,
  ProgressBar2,
  Label2,
  lblAddress2,
  tbToolBar2,
};

inline constexpr std::size_t kControlCount = static_cast<std::size_t>(ControlId::tbToolBar2) + 1;

// Position of a control in per-control tables.
constexpr std::size_t indexOf(ControlId id) { return static_cast<std::size_t>(id); }

// The control at a table position; index must be below kControlCount.
constexpr ControlId controlAt(std::size_t index) { return static_cast<ControlId>(index); }

// The control's name, which its widget carries as objectName.
const char* controlName(ControlId id);

// The address strip or frame the control's rectangle is relative to; none for a control placed
// in client coordinates. cboAddress1 lies over picAddress1 but is placed in client coordinates.
std::optional<ControlId> containerOf(ControlId id);

}  // namespace corvane
