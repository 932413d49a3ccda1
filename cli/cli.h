#pragma once
// kalnika-cli: the month table without a window, and the page of one day.
//
//   kalnika-cli --month 1..12 --year TEXT [--places FILE] [--place N] [--dst]
//               [--format table|csv|json] [--script xdvng|unicode]
//               [--digits devanagari|latin]
//   kalnika-cli --date YYYY-MM-DD [--places FILE] [--place N] [--dst]
//               [--format table|json] [--script ...] [--digits ...]
//   kalnika-cli --encode TEXT
//
// Exit status: 0 accepted run, 1 refused input (the output still carries the
// message), 2 bad command-line arguments (usage on stderr).
#include <ostream>

namespace kalnika::cli {

int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace kalnika::cli
