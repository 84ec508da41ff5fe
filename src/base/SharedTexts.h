#pragma once

namespace corvane {

// Texts and names that several parts of the program use; each is defined here once.

// cv.ini's four sections, one home page each under key "1". Section names are compared without
// regard to case, so "TBstartOffline" finds the same section.
inline constexpr const char* kSectionTopOnline = "TBstart";
inline constexpr const char* kSectionTopOffline = "TBstartOffLine";
inline constexpr const char* kSectionBottomOnline = "BBstart";
inline constexpr const char* kSectionBottomOffline = "BBstartOffLine";

// The open-file dialogs' filter list: pairs of a description and its pattern.
inline constexpr const char* kOpenFileFilter =
    "HTML Files|*.html|HTM Files|*.htm|GIF Files|*.gif|JPEG Files|*.jpg|WORD Files|*.doc|"
    "EXCEL Files|*.xls|TXT Files|*.txt|All Files|*.*";

}  // namespace corvane
