#pragma once

#include <QString>

// The user's folders for this program, as the XDG base directory rules place
// them: rumita/ under $XDG_CACHE_HOME or $XDG_STATE_HOME, or under ~/.cache
// and ~/.local/state when the variable is unset, empty or not an absolute
// path (the rules say to ignore a relative one). Made for the user alone
// when missing and make is true; empty when there is none and none can be made.
namespace userfolders {

QString cache();                  // prev.html when the program's folder is not for it
QString state(bool make = true);  // the input kept when the program was ended from outside

}  // namespace userfolders
