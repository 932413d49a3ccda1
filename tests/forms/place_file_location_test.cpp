// Where the program finds its files: the bundled place file and help document in
// <bindir>/../share/kalnika when installed, beside the program otherwise; the
// user's place file in the configuration folder, copied from the bundled one.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <optional>
#include <string>

#include "forms/place_file_location.h"
#include "form_fixture.h"

namespace kalnika {
namespace {

using testing_support::ReadBytes;
using testing_support::TempFolder;
namespace fs = std::filesystem;

constexpr const char* kBundledBytes = "[LOCATION]\r\n0=\"bundled\"\r\n";
constexpr const char* kUserBytes = "[LOCATION]\r\n0=\"bundled\"\r\n1=\"stored by the user\"\r\n";

// ---- The folder of the bundled files and the help document ----

TEST(InstalledDataDir, ShareFolderBesideTheProgramFolder) {
  // The usual installation layout: bin/ and share/ side by side under one prefix.
  EXPECT_EQ(InstalledDataDir("/usr/bin"), fs::path("/usr/share/kalnika"));
  EXPECT_EQ(InstalledDataDir("/home/u/.local/bin/"), fs::path("/home/u/.local/share/kalnika"));
}

enum class Layout { kOwnFolder, kInstalled, kPrefixWithoutData };

struct DataDirCase {
  const char* name;
  Layout layout;
  bool bundledInDataDir;  // expected: the installed data folder, else the program's own
};

void PrintTo(const DataDirCase& c, std::ostream* os) { *os << c.name; }

const DataDirCase kDataDirCases[] = {
    {"BuildTreeOrOwnFolder", Layout::kOwnFolder, false},
    {"InstalledUnderAPrefix", Layout::kInstalled, true},
    {"ProgramFolderNamedBinWithoutDataFolder", Layout::kPrefixWithoutData, false},
};

class DataDirTable : public ::testing::TestWithParam<DataDirCase> {};

TEST_P(DataDirTable, BundledFilesAndHelpDocument) {
  const DataDirCase& c = GetParam();
  TempFolder root;
  const fs::path program = c.layout == Layout::kOwnFolder ? root.path() / "kalnika" : root.path() / "usr" / "bin";
  fs::create_directories(program);
  if (c.layout == Layout::kInstalled) fs::create_directories(InstalledDataDir(program));
  const fs::path expected = c.bundledInDataDir ? InstalledDataDir(program) : program;
  EXPECT_EQ(BundledDataDir(program), expected);
  EXPECT_EQ(FindHelpDocument(program), expected / "KALNIKA.html");
}

INSTANTIATE_TEST_SUITE_P(Forms, DataDirTable, ::testing::ValuesIn(kDataDirCases),
                         [](const auto& row) { return std::string(row.param.name); });

// ---- The place file ----

enum class Expect { kBundled, kUser };

struct PlaceFileCase {
  const char* name;
  Layout layout;
  bool bundledPresent;   // Location.ini among the bundled files
  bool programWritable;  // the program's folders (and the bundled file) can be written
  bool userPresent;      // the user's copy exists already
  bool haveConfigDir;    // a configuration folder is known ($HOME or $XDG_CONFIG_HOME)
  Expect expect;
  const char* expectedBytes;  // contents of the file returned, nullptr: not created yet
};

void PrintTo(const PlaceFileCase& c, std::ostream* os) { *os << c.name; }

const PlaceFileCase kPlaceFileCases[] = {
    // A build tree or a program unpacked into a folder of its own keeps its places
    // beside it while it can write there.
    {"OwnFolderWritableFileBesideTheProgram", Layout::kOwnFolder, true, true, false, true, Expect::kBundled,
     kBundledBytes},
    {"OwnFolderReadOnlyFileCopiedToTheUserFolder", Layout::kOwnFolder, true, false, false, true, Expect::kUser,
     kBundledBytes},
    {"OwnFolderReadOnlyUserCopyKept", Layout::kOwnFolder, true, false, true, true, Expect::kUser, kUserBytes},
    {"OwnFolderReadOnlyWithoutConfigFolderReadsItsFile", Layout::kOwnFolder, true, false, false, false,
     Expect::kBundled, kBundledBytes},
    {"OwnFolderNoFileStartsEmptyBesideTheProgram", Layout::kOwnFolder, false, true, false, true, Expect::kBundled,
     nullptr},
    {"OwnFolderReadOnlyNoFileStartsInTheUserFolder", Layout::kOwnFolder, false, false, false, true, Expect::kUser,
     nullptr},
    // An installed program never writes into its installation, even where it could
    // (a `--prefix ~/.local` install, or root).
    {"InstalledCopiedToTheUserFolderOnFirstUse", Layout::kInstalled, true, false, false, true, Expect::kUser,
     kBundledBytes},
    {"InstalledWritableStillCopiedToTheUserFolder", Layout::kInstalled, true, true, false, true, Expect::kUser,
     kBundledBytes},
    {"InstalledUserCopyKept", Layout::kInstalled, true, false, true, true, Expect::kUser, kUserBytes},
    {"InstalledWithoutConfigFolderReadsTheBundledFile", Layout::kInstalled, true, false, false, false,
     Expect::kBundled, kBundledBytes},
    {"InstalledWithoutBundledFileStartsInTheUserFolder", Layout::kInstalled, false, true, false, true,
     Expect::kUser, nullptr},
};

class PlaceFileTable : public ::testing::TestWithParam<PlaceFileCase> {};

TEST_P(PlaceFileTable, ResolvePlaceFile) {
  const PlaceFileCase& c = GetParam();
  TempFolder root;
  const fs::path prefix = root.path() / "prefix";
  const fs::path program = c.layout == Layout::kOwnFolder ? prefix / "kalnika" : prefix / "bin";
  fs::create_directories(program);
  const fs::path dataDir = c.layout == Layout::kInstalled ? InstalledDataDir(program) : program;
  fs::create_directories(dataDir);
  const fs::path bundled = dataDir / "Location.ini";
  if (c.bundledPresent) root.Write(fs::relative(bundled, root.path()).string(), kBundledBytes);
  const fs::path config = c.haveConfigDir ? root.path() / "config" / "Kalnika" : fs::path();
  const fs::path user = root.path() / "config" / "Kalnika" / "Location.ini";
  if (c.userPresent) {
    fs::create_directories(user.parent_path());
    root.Write("config/Kalnika/Location.ini", kUserBytes);
  }
  const std::string prefixText = prefix.string();
  auto writable = [&](const fs::path& p) { return c.programWritable || p.string().rfind(prefixText, 0) != 0; };

  const fs::path resolved = ResolvePlaceFile(program, config, writable);

  EXPECT_EQ(resolved, c.expect == Expect::kBundled ? bundled : user);
  if (c.expectedBytes != nullptr) {
    EXPECT_EQ(ReadBytes(resolved), c.expectedBytes);
  } else {
    EXPECT_FALSE(fs::exists(resolved));
  }
  // The bundled file is never changed, and an installed program leaves nothing in
  // its program folder.
  if (c.bundledPresent) {
    EXPECT_EQ(ReadBytes(bundled), kBundledBytes);
  }
  if (c.layout == Layout::kInstalled) {
    EXPECT_FALSE(fs::exists(program / "Location.ini"));
  }
}

INSTANTIATE_TEST_SUITE_P(Forms, PlaceFileTable, ::testing::ValuesIn(kPlaceFileCases),
                         [](const auto& row) { return std::string(row.param.name); });

// The first-use copy is a new file of the user's, with the user's umask applied
// (it was the bundled file's rw-r--r-- even under umask 077), and always readable
// and writable by its owner.
TEST(ResolvePlaceFile, FirstUseCopyFollowsTheUmask) {
  struct Row {
    const char* name;
    mode_t umask;
    fs::perms expected;
  } rows[] = {{"private", 077, fs::perms(0600)},
              {"usual", 022, fs::perms(0644)},
              {"group", 002, fs::perms(0664)},
              {"owner's bits masked too", 0277, fs::perms(0600)}};
  for (const Row& r : rows) {
    TempFolder root;
    const fs::path program = root.path() / "prefix" / "bin";
    const fs::path bundled = InstalledDataDir(program) / "Location.ini";
    fs::create_directories(bundled.parent_path());
    root.Write(fs::relative(bundled, root.path()).string(), kBundledBytes);
    fs::permissions(bundled, fs::perms(0644));
    const mode_t old = ::umask(r.umask);
    const fs::path resolved = ResolvePlaceFile(program, root.path() / "config", [](const fs::path&) { return true; });
    ::umask(old);
    EXPECT_EQ(resolved, root.path() / "config" / "Location.ini") << r.name;
    EXPECT_EQ(ReadBytes(resolved), kBundledBytes) << r.name;
    EXPECT_EQ(fs::status(resolved).permissions(), r.expected) << r.name;
  }
}

// ---- The user's configuration folder ----

struct ConfigDirCase {
  const char* name;
  const char* xdgConfigHome;  // nullptr: unset
  const char* home;           // nullptr: unset
  const char* expected;
};

void PrintTo(const ConfigDirCase& c, std::ostream* os) { *os << c.name; }

const ConfigDirCase kConfigDirCases[] = {
    {"XdgConfigHomeFirst", "/x/conf", "/home/u", "/x/conf/Kalnika"},
    {"HomeDotConfigWithoutXdg", nullptr, "/home/u", "/home/u/.config/Kalnika"},
    {"EmptyXdgIgnored", "", "/home/u", "/home/u/.config/Kalnika"},
    {"NeitherSet", nullptr, nullptr, ""},
};

// Sets an environment variable (nullptr: unsets it) while it lives, then restores it.
struct ScopedEnv {
  ScopedEnv(const char* variable, const char* value) : name(variable) {
    if (const char* was = std::getenv(name)) old = was;
    value != nullptr ? ::setenv(name, value, 1) : ::unsetenv(name);
  }
  ~ScopedEnv() { old ? ::setenv(name, old->c_str(), 1) : ::unsetenv(name); }
  const char* name;
  std::optional<std::string> old;
};

class ConfigDirTable : public ::testing::TestWithParam<ConfigDirCase> {};

TEST_P(ConfigDirTable, UserConfigDir) {
  const ConfigDirCase& c = GetParam();
  ScopedEnv xdg("XDG_CONFIG_HOME", c.xdgConfigHome);
  ScopedEnv home("HOME", c.home);
  EXPECT_EQ(UserConfigDir(), fs::path(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Forms, ConfigDirTable, ::testing::ValuesIn(kConfigDirCases),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace kalnika
