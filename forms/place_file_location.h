#pragma once
// Where the program finds its files: the bundled, read-only ones (the place file it
// starts with, the help document) and the user's place file.
//
// Two layouts are told apart by the folder of the running program:
// - installed: <bindir>/../share/kalnika exists (/usr/bin and /usr/share/kalnika for
//   the Debian package, ~/.local/bin and ~/.local/share/kalnika for a
//   `cmake --install --prefix ~/.local`). The bundled files are read from there and
//   the user's places are kept in the configuration folder, ~/.config/Kalnika.
// - a folder of its own (a build tree, or a program unpacked anywhere): the bundled
//   files lie beside the program, and so does the place file while it can be written.
#include <filesystem>
#include <functional>

namespace kalnika {

// File names of the place file and of the help document.
inline constexpr const char* kPlaceFileName = "Location.ini";
inline constexpr const char* kHelpFileName = "KALNIKA.html";

// The folder an installed program's bundled files would be in: programDir followed
// by the path from the installation's program folder to its data folder
// ("../share/kalnika" for the usual layout), lexically normalised. It may not exist.
std::filesystem::path InstalledDataDir(const std::filesystem::path& programDir);

// The folder of the bundled files: InstalledDataDir(programDir) when that is a
// folder, else programDir itself.
std::filesystem::path BundledDataDir(const std::filesystem::path& programDir);

// The help document: KALNIKA.html in BundledDataDir(programDir).
std::filesystem::path FindHelpDocument(const std::filesystem::path& programDir);

// The place file the program reads and writes.
// - Installed: configDir/Location.ini, created on first use as a copy of the
//   bundled file (so that places and the default can be stored), and kept from then
//   on. Without a configuration folder, or when the copy cannot be made, the
//   bundled file is used read-only.
// - A folder of its own: Location.ini beside the program when it is there and both
//   it and the folder are writable; otherwise the same copy in configDir as above.
//   Without any file, an empty one is started beside the program when the folder
//   is writable.
std::filesystem::path ResolvePlaceFile(const std::filesystem::path& programDir,
                                       const std::filesystem::path& configDir);

// The same with the test of write access given (the file system's own by default).
std::filesystem::path ResolvePlaceFile(
    const std::filesystem::path& programDir, const std::filesystem::path& configDir,
    const std::function<bool(const std::filesystem::path&)>& writable);

// The user's configuration folder of the program: $XDG_CONFIG_HOME/Kalnika, or
// $HOME/.config/Kalnika (the folder Qt names AppConfigLocation for this program).
std::filesystem::path UserConfigDir();

// The folder of the running executable (from /proc/self/exe), or the current folder.
std::filesystem::path ProgramDir();

}  // namespace kalnika
