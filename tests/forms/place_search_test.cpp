// The place box: which list entry a typed text names.
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
                    Case{"APartOnlyNewYorkHolds", "York", 3},
                    Case{"BlanksAroundAPartAreIgnored", "  York ", 3},
                    Case{"TheWholeRecordOfLondonInCapitals",
                         "LONDON, ENGLAND, UK            51 N 30  000 W 07  +00:00", 1},
                    Case{"ATextOfNoPlaceKeepsMumbai", "Atlantis", kMumbai},
                    Case{"ATextSeveralPlacesHoldKeepsMumbai", ", ", kMumbai},
                    Case{"AnEmptyBoxNamesNone", "", -1},
                    Case{"ABlankBoxNamesNone", "   ", -1}),
    [](const testing::TestParamInfo<Case>& row) { return std::string(row.param.why); });

TEST(ChosenPlace, NothingSelectedAndAnUnknownTextNamesNone) {
  EXPECT_EQ(ChosenPlace(kPlaces, -1, "Atlantis"), -1);
  EXPECT_EQ(ChosenPlace({}, -1, "Mumbai"), -1);
}

}  // namespace
}  // namespace kalnika
