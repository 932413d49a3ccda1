#pragma once
// Where the program keeps its place file.
#include <filesystem>
#include <functional>

namespace kalnika {

// "Location.ini" in the program's own folder when it is there and writable (a
// program unpacked into a folder of its own keeps its places beside it); otherwise
// the copy in the user's configuration folder (configDir/Location.ini), created on
// first use from the installed file in the program's folder, so that an installed
// program can still store places and the default. When neither can be written the
// program's own file is used read-only.
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
