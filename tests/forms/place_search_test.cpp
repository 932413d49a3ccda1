// The place box: the names it lists, which entry a typed text names, and the order
// in which the search offers places.
#include <gtest/gtest.h>

#include "forms/place_search.h"

namespace kalnika {
namespace {

// The names of the six places of the sample place file (tests/data/golden/Location.ini),
// and a town typed in another script.
const std::vector<std::string> kPlaces = {
    "Kathmandu, Bagmati, Nepal", "London, England, UK",    "Mumbai, Maharashtra, India",
    "New York, New York, USA",   "Sydney, NSW, Australia", "Tromso, Troms, Norway",
    "S\xC3\xA3o Paulo, SP, Brasil",
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
                    Case{"TheWholeNameOfLondonInCapitals", "LONDON, ENGLAND, UK", 1},
                    // case folded beyond ASCII: SÃO
                    Case{"CapitalsOfAnotherScript", "S\xC3\x83O", 6},
                    Case{"ATextOfNoPlaceKeepsMumbai", "Atlantis", kMumbai},
                    Case{"ATextSeveralPlacesHoldKeepsMumbai", ", ", kMumbai},
                    Case{"SeveralHoldItOneStartsWithIt", "N", 3},
                    Case{"ABlankBoxNamesNone", "   ", -1}),
    [](const testing::TestParamInfo<Case>& row) { return std::string(row.param.why); });

// Places of the bundled place file whose names hold "lon" in each way.
const std::vector<std::string> kLonPlaces = {
    "Shillong, Meghalaya, India", "Avalon, NSW, Australia",      "Ballon, Sarthe, France",
    "London, England, UK",        "Long Beach, California, USA", "New London, CT, USA",
};

TEST(PlaceMatches, NamesThatStartWithTheTextComeFirst) {
  // "Lon": London and Long Beach start with it, New London has a word that does,
  // Shillong, Avalon and Ballon hold it inside a word; list order in each group.
  EXPECT_EQ(PlaceMatches(kLonPlaces, "Lon", 15), (std::vector<int>{3, 4, 5, 0, 1, 2}));
  EXPECT_EQ(PlaceMatches(kLonPlaces, "  lon ", 2), (std::vector<int>{3, 4}));  // the limit
  EXPECT_EQ(PlaceMatches(kLonPlaces, "beach", 15), (std::vector<int>{4}));
  EXPECT_TRUE(PlaceMatches(kLonPlaces, "Atlantis", 15).empty());
  EXPECT_TRUE(PlaceMatches(kLonPlaces, "", 15).empty());
}

}  // namespace
}  // namespace kalnika
