#pragma once

namespace corvane {

class PageDialogChannel;
class SitePermissions;

// What every page of the run shares, held by the engine profile and handed to each page: the
// user's answers by site, and the way pages' dialogs reach their panes.
struct PageServices {
  SitePermissions& permissions;
  PageDialogChannel& dialogs;
};

}  // namespace corvane
