#pragma once
// The place box of the main window: a list of place records in which the user may
// also type. Which entry a typed text names.
#include <string>
#include <string_view>
#include <vector>

namespace kalnika {

// The list position the place box names, given its entries, the selected position
// `current` (-1 for none) and the text the box shows: `current` while the text is
// that entry; else the entry equal to the text ignoring case; else the one entry
// that holds the text (ignoring case and the blanks around it). A text that names
// no entry or several keeps `current`; an empty or blank text names none (-1).
// Case is folded for ASCII letters only; other bytes compare as they are.
int ChosenPlace(const std::vector<std::string>& items, int current, std::string_view typed);

}  // namespace kalnika
