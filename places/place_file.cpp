#include "places/place_file.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <utility>

#include "calendar/numeric_value.h"
#include "places/profile_io.h"
#include "places/profile_text.h"

namespace kalnika {

namespace {

constexpr std::string_view kLocationSection = "LOCATION";
constexpr std::string_view kDefaultSection = "DEFAULT";
constexpr std::string_view kDefaultKey = "CityDataNumber";
constexpr std::string_view kAuspiciousSection = "AUSPICIOUS DAYS";
// Place records are stored under the keys "0" to "5000": 5001 places at most.
constexpr int kLastPlaceKey = 5000;
// A value longer than this would be cut by every reader's 80-byte buffer.
constexpr std::size_t kLongestValue = kProfileBufferSize - 1;

// The message of a failed save of `file`: "Could not save the place file "...": why."
std::string SaveFailure(const std::filesystem::path& file, const std::string& why) {
  return "Could not save the place file \"" + file.string() + "\": " + why + ".";
}

// Why a section name, key or value cannot be written, or "" when it can. A line
// break would split the entry over two lines and a NUL would cut it when read.
std::string EntryTextProblem(std::string_view section, std::string_view key, std::string_view value) {
  for (std::string_view text : {section, key, value}) {
    if (text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {
      return "a section name, key or value may not contain a line break or a NUL character";
    }
  }
  if (profile::TrimBlanks(section).empty()) return "the section name is empty";
  const std::string_view name = profile::TrimBlanks(key);
  if (name.empty()) return "the key is empty";
  // "=" would end the key early; a leading ";" or "[" would make a comment or header
  if (name.find('=') != std::string_view::npos || name.front() == ';' || name.front() == '[') {
    return "the key \"" + std::string(name) + "\" may not contain \"=\" nor begin with \";\" or \"[\"";
  }
  return {};
}

// Decimal text with a "0" in front when it has one character ("3" -> "03", "12" and
// "-1" unchanged).
std::string TwoDigits(int number) {
  std::string text = std::to_string(number);
  if (text.size() == 1) text = "0" + text;
  return text;
}

}  // namespace

// The parsed file and the identity of the file it was parsed from.
struct ProfileFile::Impl {
  bool loaded = false;
  profile_io::FileIdentity identity;
  profile::Document document;

  // The document of the file as it is on disk now, parsed again only when the file
  // changed; nullptr when there is no readable file.
  const profile::Document* Current(const std::filesystem::path& file) {
    profile_io::FileIdentity now;
    if (!profile_io::CurrentIdentity(file, now)) {
      Forget();
      return nullptr;
    }
    if (loaded && identity == now) return &document;
    profile_io::FileBytes bytes = profile_io::ReadWholeFile(file);
    if (bytes.status != profile_io::ReadStatus::Loaded) {
      Forget();
      return nullptr;
    }
    document = profile::Parse(std::move(bytes.bytes));
    identity = bytes.identity;
    loaded = true;
    return &document;
  }

  // Drops the kept parse: the next read parses the file again.
  void Forget() {
    loaded = false;
    document = profile::Document{};
  }

  // Writes [section] key=value into `target` while the caller holds the lock: reads
  // the file afresh (never from the parse kept for readers), edits, replaces it.
  WriteResult WriteLocked(const std::filesystem::path& target, std::string_view section,
                          std::string_view key, std::string_view value) {
    profile_io::FileBytes old = profile_io::ReadWholeFile(target);
    if (old.status == profile_io::ReadStatus::Failed) {
      // writing without the old contents would lose them
      return {false, SaveFailure(target, "it could not be read (" + old.error + ")")};
    }
    const profile::Document parsed = profile::Parse(std::move(old.bytes));
    return Replace(target, profile::WithEntry(parsed, section, key, value));
  }

  // Replaces `target` by `bytes`; the kept parse is dropped either way.
  WriteResult Replace(const std::filesystem::path& target, std::string_view bytes) {
    Forget();
    const std::string why = profile_io::ReplaceFile(target, bytes);
    if (!why.empty()) return {false, SaveFailure(target, why)};
    return {true, {}};
  }
};

ProfileFile::ProfileFile(std::filesystem::path file)
    : file_(std::move(file)), impl_(std::make_shared<Impl>()) {}

const std::filesystem::path& ProfileFile::path() const { return file_; }

std::size_t ProfileFile::GetString(std::string_view section, std::string_view key,
                                   std::string_view defaultText, char* buffer,
                                   std::size_t bufferSize) {
  if (buffer == nullptr || bufferSize == 0) return 0;  // no room even for the NUL
  std::string_view value;
  const profile::Document* document = impl_->Current(file_);
  const profile::Entry* entry =
      document != nullptr ? profile::Find(*document, section, key) : nullptr;
  if (entry != nullptr && entry->hasValue) {
    value = profile::ValueOf(*document, *entry);
  } else {
    // the default as Windows uses it: up to a NUL, trailing blanks removed
    value = defaultText.substr(0, defaultText.find('\0'));
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.remove_suffix(1);
  }
  // a longer value is cut so that it and its NUL fit the buffer
  const std::size_t count = std::min(value.size(), bufferSize - 1);
  std::memcpy(buffer, value.data(), count);
  buffer[count] = '\0';
  return count;
}

std::string ProfileFile::Read(std::string_view section, std::string_view key) {
  char buffer[kProfileBufferSize];
  const std::size_t count = GetString(section, key, "", buffer, sizeof buffer);
  return std::string(buffer, count);
}

WriteResult ProfileFile::WriteString(std::string_view section, std::string_view key,
                                     std::string_view value) {
  if (std::string why = EntryTextProblem(section, key, value); !why.empty()) {
    return {false, SaveFailure(file_, why)};
  }
  const std::filesystem::path target = profile_io::WriteTarget(file_);
  // the lock keeps another running copy from rewriting the file between our read and
  // our rename, which would lose its change
  profile_io::ExclusiveLock lock;
  if (std::string why = lock.Acquire(target.string() + ".lock"); !why.empty()) {
    return {false, SaveFailure(target, why)};
  }
  return impl_->WriteLocked(target, section, key, value);
}

WriteResult ProfileFile::AppendPlaceRecord(std::string_view record) {
  if (record.empty()) {
    return {false, "An empty place record cannot be stored: it would end the place list."};
  }
  if (record.size() > kLongestValue) {
    return {false, "A place record of more than 79 characters cannot be stored: it would be cut "
                   "when read."};
  }
  const std::string value = "\"" + std::string(record) + "\"";
  if (std::string why = EntryTextProblem(kLocationSection, "0", value); !why.empty()) {
    return {false, SaveFailure(file_, why)};
  }
  const std::filesystem::path target = profile_io::WriteTarget(file_);
  profile_io::ExclusiveLock lock;
  if (std::string why = lock.Acquire(target.string() + ".lock"); !why.empty()) {
    return {false, SaveFailure(target, why)};
  }
  // Under the lock the file is read from disk, never from the parse kept for
  // readers: a copy that appended a moment ago may have left the same size, time
  // stamp and a reused inode behind.
  profile_io::FileBytes old = profile_io::ReadWholeFile(target);
  if (old.status == profile_io::ReadStatus::Failed) {
    return {false, SaveFailure(target, "it could not be read (" + old.error + ")")};
  }
  const profile::Document document = profile::Parse(std::move(old.bytes));
  for (int n = 0; n <= kLastPlaceKey; ++n) {
    const std::string key = std::to_string(n);
    const profile::Entry* entry = profile::Find(document, kLocationSection, key);
    // a key whose value reads empty is free, as the place list ends there
    if (entry == nullptr || profile::ValueOf(document, *entry).empty()) {
      return impl_->Replace(target, profile::WithEntry(document, kLocationSection, key, value));
    }
  }
  return {false, "The place file is full: 5001 places are stored."};
}

std::vector<std::string> LoadPlaceList(ProfileFile& file) {
  std::vector<std::string> places;
  for (int n = 0; n <= kLastPlaceKey; ++n) {
    std::string record = file.Read(kLocationSection, std::to_string(n));
    if (record.empty()) break;  // the first empty key ends the list
    places.push_back(std::move(record));
  }
  return places;
}

int StoredDefaultPosition(ProfileFile& file) {
  const double position = RoundHalfEven(NumericValue(file.Read(kDefaultSection, kDefaultKey)));
  // A hand-edited number of ten digits or more is beyond int: it is clamped, so it
  // names no entry of the list instead of overflowing. (79 digits at most, so the
  // value is finite; the NaN test is a guard all the same.)
  if (std::isnan(position)) return 0;
  if (position >= static_cast<double>(std::numeric_limits<int>::max())) {
    return std::numeric_limits<int>::max();
  }
  if (position <= static_cast<double>(std::numeric_limits<int>::min())) {
    return std::numeric_limits<int>::min();
  }
  return static_cast<int>(position);
}

WriteResult StoreDefaultPosition(ProfileFile& file, int position) {
  return file.WriteString(kDefaultSection, kDefaultKey, std::to_string(position));
}

std::string AuspiciousDayNote(ProfileFile& file, int maas, int tithi, std::string& buffer) {
  buffer.assign(kProfileBufferSize, ' ');
  const std::string key = TwoDigits(maas) + TwoDigits(tithi);
  // A stored text longer than 79 bytes is cut to its first 79 bytes, the most the
  // 80-byte buffer holds before its NUL: the day still shows the start of its note,
  // and no byte is written past the buffer.
  const std::size_t count =
      file.GetString(kAuspiciousSection, key, "", buffer.data(), buffer.size());
  return buffer.substr(0, count);
}

WriteResult ProfileFile::AppendPlaceRecord(std::string_view record,
                                           std::string_view companionSection,
                                           std::string_view companion, int& key) {
  key = -1;
  if (companion.size() > kLongestValue) {
    return {false, "A value of more than 79 characters cannot be stored: it would be cut when read."};
  }
  if (std::string why = EntryTextProblem(companionSection, "0", companion); !why.empty()) {
    return {false, SaveFailure(file_, why)};
  }
  // an empty or over-long record: refused as AppendPlaceRecord refuses it, nothing written
  if (record.empty() || record.size() > kLongestValue) return AppendPlaceRecord(record);
  const std::string value = "\"" + std::string(record) + "\"";
  if (std::string why = EntryTextProblem(kLocationSection, "0", value); !why.empty()) {
    return {false, SaveFailure(file_, why)};
  }
  const std::filesystem::path target = profile_io::WriteTarget(file_);
  profile_io::ExclusiveLock lock;
  if (std::string why = lock.Acquire(target.string() + ".lock"); !why.empty()) {
    return {false, SaveFailure(target, why)};
  }
  profile_io::FileBytes old = profile_io::ReadWholeFile(target);
  if (old.status == profile_io::ReadStatus::Failed) {
    return {false, SaveFailure(target, "it could not be read (" + old.error + ")")};
  }
  const profile::Document document = profile::Parse(std::move(old.bytes));
  for (int n = 0; n <= kLastPlaceKey; ++n) {
    const std::string name = std::to_string(n);
    const profile::Entry* entry = profile::Find(document, kLocationSection, name);
    if (entry != nullptr && !profile::ValueOf(document, *entry).empty()) continue;
    std::string bytes = profile::WithEntry(document, kLocationSection, name, value);
    // an empty companion is written only over a value a former place left there
    const profile::Entry* stale = profile::Find(document, companionSection, name);
    if (!companion.empty() || (stale != nullptr && !profile::ValueOf(document, *stale).empty())) {
      bytes = profile::WithEntry(profile::Parse(std::move(bytes)), companionSection, name, companion);
    }
    WriteResult result = impl_->Replace(target, bytes);
    if (result.ok) key = n;
    return result;
  }
  return {false, "The place file is full: 5001 places are stored."};
}

}  // namespace kalnika
