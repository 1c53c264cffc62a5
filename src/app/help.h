// The two help texts, 64 fixed lines each.
#pragma once

namespace app {

// The English help ("-h", "--help").
void ShowHelp();

// The German help ("-a", "--anleitung"); its two lines with umlauts in the console's
// code page.
void ShowGermanHelp();

}  // namespace app
