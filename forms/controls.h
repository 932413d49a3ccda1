#pragma once
// Toolkit-free models of the window controls the handlers work on. Each control
// keeps its visible state and its Tag, a spare text the handlers use as a working
// copy (the calculation copies the chosen month, year and place into the tags, the
// stepping buttons test them).
#include <string>
#include <vector>

namespace kalnika {

struct ListBoxControl {
  std::vector<std::string> items;
  std::vector<std::string> tips;  // a tooltip for each item, where the list has them
  int ListIndex = -1;  // selected position, -1 when nothing is selected
  std::string Tag;

  // Text of the selected entry, empty when nothing is selected.
  std::string Text() const {
    return ListIndex >= 0 && static_cast<std::size_t>(ListIndex) < items.size()
               ? items[static_cast<std::size_t>(ListIndex)]
               : std::string();
  }
  // Selects a position; a position outside the list selects nothing, as a list box
  // refuses a selection it does not hold.
  void Select(int position) {
    ListIndex = position >= 0 && static_cast<std::size_t>(position) < items.size() ? position : -1;
  }
};

struct TextBoxControl {
  std::string Text;
  std::string Tag;
};

struct LabelControl {
  std::string Caption;
  std::string Tag;
};

struct CheckBoxControl {
  bool Value = false;
};

}  // namespace kalnika
