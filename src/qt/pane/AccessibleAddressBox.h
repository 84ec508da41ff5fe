#pragma once

namespace corvane {

// Makes every address box (an editable combo box whose objectName starts with "cboAddress")
// known to screen readers by its own name ("Top address"), with the address as its value. The
// toolkit's own combo box on this platform reports its text as its name, so a screen reader
// would hear only an address and never which box it is in. Safe to call more than once.
void installAddressBoxAccessibility();

}  // namespace corvane
