// The place box: the names it lists, which entry a typed text names, and the order
// in which the search offers places.
#include <gtest/gtest.h>

#include "forms/place_search.h"

namespace kalnika {
namespace {

// The six records of the sample place file (tests/data/golden/Location.ini).
const std::vector<std::string> kPlaces = {
    "Kathmandu, Bagmati, Nepal      27 N 43  085 E 19  +05:45",
    "London, England, UK            51 N 30  000 W 07  +00:00",
    "Mumbai, Maharashtra, India     18 N 58  072 E 50  +05:30",
    "New York, New York, USA        40 N 42  074 W 00  -05:00",
    "Sydney, NSW, Australia         33 S 52  151 E 12  +10:00",
    "Tromso, Troms, Norway          69 N 39  018 E 57  +01:00",
};
constexpr int kMumbai = 2;

struct Case {
  const char* why;
  std::string typed;
  int chosen;
};

class ChosenPlaceTest : public testing::TestWithParam<Case> {};

TEST_P(ChosenPlaceTest, TypedTextNamesAnEntryOrKeepsTheSelection) {
  EXPECT_EQ(ChosenPlace(kPlaces, kMumbai, GetParam().typed), GetParam().chosen);
}

INSTANTIATE_TEST_SUITE_P(
    PlaceBox, ChosenPlaceTest,
    testing::Values(Case{"TheSelectedEntryItself", kPlaces[kMumbai], kMumbai},
                    Case{"APartOnlyTromsoHoldsInOtherCase", "tromso", 5},
                    Case{"BlanksAroundAPartAreIgnored", "  York ", 3},
                    Case{"TheWholeRecordOfLondonInCapitals",
                         "LONDON, ENGLAND, UK            51 N 30  000 W 07  +00:00", 1},
                    Case{"ATextOfNoPlaceKeepsMumbai", "Atlantis", kMumbai},
                    Case{"ATextSeveralPlacesHoldKeepsMumbai", ", ", kMumbai},
                    Case{"SeveralHoldItOneStartsWithIt", "N", 3},
                    Case{"ABlankBoxNamesNone", "   ", -1}),
    [](const testing::TestParamInfo<Case>& row) { return std::string(row.param.why); });

TEST(PlaceName, TheDescriptionWithoutItsPadding) {
  EXPECT_EQ(PlaceName(kPlaces[kMumbai]), "Mumbai, Maharashtra, India");
  EXPECT_EQ(PlaceName("Pune"), "Pune");  // a record shorter than its layout
  EXPECT_EQ(PlaceName(""), "");
}

// Places of the bundled place file whose names hold "lon" in each way.
const std::vector<std::string> kLonPlaces = {
    "Shillong, Meghalaya, India     25 N 34  091 E 53  +05:30",
    "Avalon, NSW, Australia         33 S 38  151 E 20  +10:00",
    "Ballon, Sarthe, France         48 N 10  000 E 14  +01:00",
    "London, England, UK            51 N 30  000 W 07  +00:00",
    "Long Beach, California, USA    33 N 46  118 W 11  -08:00",
    "New London, CT, USA            41 N 21  072 W 05  -05:00",
};

TEST(PlaceMatches, NamesThatStartWithTheTextComeFirst) {
  // "Lon": London and Long Beach start with it, New London has a word that does,
  // Shillong, Avalon and Ballon hold it inside a word; list order in each group.
  EXPECT_EQ(PlaceMatches(kLonPlaces, "Lon", 15), (std::vector<int>{3, 4, 5, 0, 1, 2}));
  EXPECT_EQ(PlaceMatches(kLonPlaces, "  lon ", 2), (std::vector<int>{3, 4}));  // the limit
  EXPECT_EQ(PlaceMatches(kLonPlaces, "beach", 15), (std::vector<int>{4}));
  EXPECT_TRUE(PlaceMatches(kLonPlaces, "Atlantis", 15).empty());
  EXPECT_TRUE(PlaceMatches(kLonPlaces, "", 15).empty());
  // The coordinates are not searched: they are not part of the name.
  EXPECT_TRUE(PlaceMatches(kLonPlaces, "51 N", 15).empty());
}

}  // namespace
}  // namespace kalnika
