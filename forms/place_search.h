#pragma once
// The place box of the main window: a list of places shown by their names, in
// which the user may also type to search. Which entry a typed text names, and
// which entries the search offers for it, in which order.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kalnika {

// The list position the place box names, given the places' names (UTF-8), the
// selected position `current` (-1 for none) and the text the box shows: `current`
// while the text is that entry's name; else the entry whose name equals the text
// ignoring case; else the one entry whose name holds the text (ignoring case and
// the blanks around it), or, when several hold it, the one whose name starts with
// it. A text that names no entry, or several equally, keeps `current`; an empty or
// blank text names none (-1). Case is folded in every script (São, SÃO; Αθήνα).
int ChosenPlace(const std::vector<std::string>& names, int current, std::string_view typed);

// The positions of the entries whose names hold the typed text (ignoring case and
// the blanks around it), best first: names that start with it, then names with a
// word that starts with it ("York" in "New York, USA"), then the rest, each group
// in list order; at most `limit` of them. Nothing for an empty text.
std::vector<int> PlaceMatches(const std::vector<std::string>& names, std::string_view typed, std::size_t limit);

}  // namespace kalnika
