// The place record: any entries of the add-place dialog are built into a record or
// refused; every record built passes the check and splits into labels of the
// layout; any text is checked and split without harm.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "fuzz/fuzz_check.h"
#include "places/place_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kalnika;
  FuzzedDataProvider input(data, size);
  PlaceEntries entries;
  for (std::string* field : {&entries.city, &entries.state, &entries.country, &entries.latDegrees,
                             &entries.latMinutes, &entries.northSouth, &entries.longDegrees, &entries.eastWest,
                             &entries.longMinutes, &entries.zoneHours, &entries.zoneMinutes}) {
    *field = input.ConsumeRandomLengthString(40);
  }
  const std::string text = input.ConsumeRemainingBytesAsString();

  const RecordResult built = BuildPlaceRecord(entries);
  if (built.outcome == RecordOutcome::Built) {
    FUZZ_CHECK(built.record.size() == 56);
    FUZZ_CHECK(!PlaceRecordProblem(built.record).has_value());
    const Place parsed = ParsePlace(built.record);
    FUZZ_CHECK(parsed.latCaption == built.record.substr(31, 8));
    FUZZ_CHECK(parsed.longCaption == built.record.substr(40, 8));
    FUZZ_CHECK(parsed.zoneCaption == " " + built.record.substr(50, 6));
  } else {
    FUZZ_CHECK(built.record.empty());
  }

  const auto problem = PlaceRecordProblem(text);
  if (!problem.has_value()) FUZZ_CHECK(text.size() >= 56);
  const Place parsed = ParsePlace(text);
  FUZZ_CHECK(parsed.latCaption.size() <= 8 && parsed.longCaption.size() <= 8);
  return 0;
}
