#include "layout/ControlId.h"

namespace corvane {

const char* controlName(ControlId id) {
  switch (id) {
    case ControlId::tbToolBar1:
      return "tbToolBar1";
    case ControlId::OptionBoth:
      return "OptionBoth";
    case ControlId::OptionTop:
      return "OptionTop";
    case ControlId::OptionBottom:
      return "OptionBottom";
    case ControlId::Label1:
      return "Label1";
    case ControlId::ProgressBar1:
      return "ProgressBar1";
    case ControlId::picAddress1:
      return "picAddress1";
    case ControlId::lblAddress1:
      return "lblAddress1";
    case ControlId::cboAddress1:
      return "cboAddress1";
    case ControlId::frmFav:
      return "frmFav";
    case ControlId::cmdFavCloseX:
      return "cmdFavCloseX";
    case ControlId::cmdAddFav:
      return "cmdAddFav";
    case ControlId::cmdOrganizeFav:
      return "cmdOrganizeFav";
    case ControlId::tvw:
      return "tvw";
    case ControlId::picSplit:
      return "picSplit";
    case ControlId::brwWebBrowser1:
      return "brwWebBrowser1";
    case ControlId::browserSplit:
      return "browserSplit";
    case ControlId::brwWebBrowser2:
      return "brwWebBrowser2";
    case ControlId::picAddress2:
      return "picAddress2";
    case ControlId::cboAddress2:
      return "cboAddress2";
    case ControlId::ProgressBar2:
      return "ProgressBar2";
    case ControlId::Label2:
      return "Label2";
    case ControlId::lblAddress2:
      return "lblAddress2";
    case ControlId::tbToolBar2:
      return "tbToolBar2";
  }
  return "";
}

std::optional<ControlId> containerOf(ControlId id) {
  switch (id) {
    case ControlId::lblAddress1:
      return ControlId::picAddress1;
    case ControlId::cmdFavCloseX:
    case ControlId::cmdAddFav:
    case ControlId::cmdOrganizeFav:
      return ControlId::frmFav;
    case ControlId::cboAddress2:
    case ControlId::ProgressBar2:
    case ControlId::Label2:
    case ControlId::lblAddress2:
      return ControlId::picAddress2;
    default:
      return std::nullopt;
  }
}

}  // namespace corvane
