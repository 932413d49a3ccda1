// Where the program finds its place file: beside the program when it can write
// there, else a copy in the user's configuration folder.
#include <gtest/gtest.h>

#include "forms/place_file_location.h"
#include "form_fixture.h"

namespace kalnika {
namespace {

using testing_support::ReadBytes;
using testing_support::TempFolder;
namespace fs = std::filesystem;

TEST(ResolvePlaceFile, ProgramFolderWhenWritable) {
  TempFolder program, config;
  program.Write("Location.ini", "[LOCATION]\r\n");
  EXPECT_EQ(ResolvePlaceFile(program.path(), config.path() / "Kalnika"), program.path() / "Location.ini");
}

TEST(ResolvePlaceFile, InstalledReadOnlyFileIsCopiedToTheUserFolderOnce) {
  TempFolder program, config;
  program.Write("Location.ini", "[LOCATION]\r\n0=\"x\"\r\n");
  // An installed program: its own folder cannot be written.
  auto writable = [&](const fs::path& p) { return p.string().rfind(program.path().string(), 0) != 0; };
  fs::path user = ResolvePlaceFile(program.path(), config.path() / "Kalnika", writable);
  EXPECT_EQ(user, config.path() / "Kalnika" / "Location.ini");
  EXPECT_EQ(ReadBytes(user), "[LOCATION]\r\n0=\"x\"\r\n");
  // The user's copy, once made, is kept: places stored there are not overwritten.
  config.Write("Kalnika/Location.ini", "[LOCATION]\r\n0=\"x\"\r\n1=\"y\"\r\n");
  EXPECT_EQ(ResolvePlaceFile(program.path(), config.path() / "Kalnika", writable), user);
  EXPECT_EQ(ReadBytes(user), "[LOCATION]\r\n0=\"x\"\r\n1=\"y\"\r\n");
}

TEST(ResolvePlaceFile, MissingFileStartsEmptyBesideTheProgram) {
  TempFolder program, config;
  EXPECT_EQ(ResolvePlaceFile(program.path(), config.path()), program.path() / "Location.ini");
}

}  // namespace
}  // namespace kalnika
