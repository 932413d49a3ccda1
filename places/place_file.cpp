#include "places/place_file.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <new>
#include <optional>
#include <utility>

#include "calendar/numeric_value.h"
#include "places/profile_io.h"
#include "places/profile_text.h"
#include "text/text.h"

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

// The message of a place file that cannot be read.
std::string ReadFailure(const std::filesystem::path& file, const std::string& why) {
  return "Could not read the place file \"" + file.string() + "\": " + why + ".";
}


// Runs a write; memory running out on the way (a file near the size limit) is
// reported like any other failure, and the old file is left as it was.
template <typename Write>
WriteResult WithoutMemoryFailure(const std::filesystem::path& file, const Write& write) {
  try {
    return write();
  } catch (const std::bad_alloc&) {
    return {false, SaveFailure(file, "there is not enough memory to save it")};
  }
}

// Decimal text with a "0" in front when it has one character ("3" -> "03", "12" and
// "-1" unchanged).
std::string TwoDigits(int number) {
  std::string text = std::to_string(number);
  if (text.size() == 1) text = "0" + text;
  return text;
}

}  // namespace

// What a snapshot holds: the parse of the file, or why there is none.
struct ProfileSnapshot::Contents {
  profile::Document document;
  std::string problem;  // "" when the file was parsed or is missing
};

ProfileSnapshot::ProfileSnapshot() : contents_(std::make_shared<const Contents>()) {}

ProfileSnapshot::ProfileSnapshot(std::shared_ptr<const Contents> contents) : contents_(std::move(contents)) {}

const std::string& ProfileSnapshot::ReadProblem() const { return contents_->problem; }

std::size_t ProfileSnapshot::GetString(std::string_view section, std::string_view key,
                                       std::string_view defaultText, char* buffer,
                                       std::size_t bufferSize) const {
  if (buffer == nullptr || bufferSize == 0) return 0;  // no room even for the NUL
  std::string_view value;
  const std::optional<profile::Entry> entry = profile::Find(contents_->document, section, key);
  if (entry && entry->hasValue) {
    value = profile::ValueOf(contents_->document, *entry);
  } else {
    // the default as Windows uses it: up to a NUL, trailing blanks removed
    value = defaultText.substr(0, defaultText.find('\0'));
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.remove_suffix(1);
  }
  // a longer value is cut so that it and its NUL fit the buffer
  // a UTF-8 value is cut before the character the cut would split; other bytes
  // (ANSI, Xdvng: a character a byte) at the byte
  const std::size_t count = Utf8Prefix(value, bufferSize - 1);
  std::memcpy(buffer, value.data(), count);
  buffer[count] = '\0';
  return count;
}

std::string ProfileSnapshot::Read(std::string_view section, std::string_view key) const {
  char buffer[kProfileBufferSize];
  const std::size_t count = GetString(section, key, "", buffer, sizeof buffer);
  return std::string(buffer, count);
}

// The kept snapshot and the identity of the file it was taken from.
struct ProfileFile::Impl {
  bool loaded = false;
  profile_io::FileIdentity identity;
  std::shared_ptr<const ProfileSnapshot::Contents> kept;

  // The snapshot of the file as it is on disk now, read and parsed again only when
  // the file changed. A refused file is remembered by its identity too, so that the
  // next computation does not read a 16 MB binary file again.
  ProfileSnapshot Take(const std::filesystem::path& file) {
    try {
      return ProfileSnapshot(Load(file));
    } catch (const std::bad_alloc&) {
      // the parse of a file near the size limit on a machine short of memory
      Forget();
      return Refused(ReadFailure(file, "there is not enough memory to read it"));
    }
  }

  std::shared_ptr<const ProfileSnapshot::Contents> Load(const std::filesystem::path& file) {
    profile_io::FileIdentity now;
    std::string why;
    switch (profile_io::Examine(file, now, why)) {
      case profile_io::PathKind::Missing:
        Forget();
        return std::make_shared<const ProfileSnapshot::Contents>();
      case profile_io::PathKind::Other:
        Forget();
        return Refused(ReadFailure(file, why)).contents_;
      case profile_io::PathKind::File:
        break;
    }
    if (loaded && identity == now) return kept;
    // the old parse goes before the new one is made: a snapshot still held
    // elsewhere keeps it, but this object never holds two
    Forget();
    auto contents = std::make_shared<ProfileSnapshot::Contents>();
    profile_io::FileBytes bytes = profile_io::ReadWholeFile(file, profile::kLargestText);
    switch (bytes.status) {
      case profile_io::ReadStatus::Missing:
        return contents;
      case profile_io::ReadStatus::TooLarge:
        contents->problem =
            ReadFailure(file, profile::SizeProblem(static_cast<std::uint64_t>(bytes.identity.size)));
        break;
      case profile_io::ReadStatus::Failed:
        contents->problem = ReadFailure(file, bytes.error);
        break;
      case profile_io::ReadStatus::Loaded: {
        profile::ParseResult parsed = profile::Parse(std::move(bytes.bytes));
        if (parsed.problem.empty()) {
          contents->document = std::move(parsed.document);
        } else {
          contents->problem = ReadFailure(file, parsed.problem);
        }
        break;
      }
    }
    identity = bytes.identity;
    loaded = true;
    kept = std::move(contents);
    return kept;
  }

  static ProfileSnapshot Refused(std::string problem) {
    auto contents = std::make_shared<ProfileSnapshot::Contents>();
    contents->problem = std::move(problem);
    return ProfileSnapshot(std::move(contents));
  }

  // Drops the kept snapshot: the next one reads the file again.
  void Forget() {
    loaded = false;
    kept.reset();
  }

  // Writes [section] key=value into `target` while the caller holds the lock: reads
  // the file afresh (never from the kept snapshot), edits, replaces it.
  WriteResult WriteLocked(const std::filesystem::path& target, std::string_view section,
                          std::string_view key, std::string_view value) {
    profile::Document old;
    if (std::string why = ReadForWrite(target, old); !why.empty()) return {false, why};
    return Replace(target, profile::WithEntry(old, section, key, value));
  }

  // Reads and parses `target` for a write under the lock; "" or the message why it
  // cannot be written. A file that cannot be read is never written: writing without
  // its old contents would lose them.
  static std::string ReadForWrite(const std::filesystem::path& target, profile::Document& document) {
    profile_io::FileBytes old = profile_io::ReadWholeFile(target, profile::kLargestText);
    switch (old.status) {
      case profile_io::ReadStatus::Missing:
      case profile_io::ReadStatus::Loaded:
        break;
      case profile_io::ReadStatus::TooLarge:
        return SaveFailure(target, profile::SizeProblem(static_cast<std::uint64_t>(old.identity.size)));
      case profile_io::ReadStatus::Failed:
        return SaveFailure(target, old.error);
    }
    profile::ParseResult parsed = profile::Parse(std::move(old.bytes));
    if (!parsed.problem.empty()) return SaveFailure(target, parsed.problem);
    document = std::move(parsed.document);
    return {};
  }

  // Replaces `target` by `bytes`; the kept snapshot is dropped either way, so that
  // the next snapshot reads what was written.
  WriteResult Replace(const std::filesystem::path& target, std::string_view bytes) {
    Forget();
    if (bytes.size() > profile::kLargestText) {
      return {false, SaveFailure(target, "the new contents would be " + std::to_string(bytes.size()) +
                                             " bytes long, more than a place file may have")};
    }
    const std::string why = profile_io::ReplaceFile(target, bytes);
    if (!why.empty()) return {false, SaveFailure(target, why)};
    return {true, {}};
  }
};

ProfileFile::ProfileFile(std::filesystem::path file, std::chrono::milliseconds lockWait)
    : file_(std::move(file)), lockWait_(lockWait), impl_(std::make_shared<Impl>()) {}

const std::filesystem::path& ProfileFile::path() const { return file_; }

ProfileSnapshot ProfileFile::Snapshot() { return impl_->Take(file_); }

std::string ProfileFile::ReadProblem() { return Snapshot().ReadProblem(); }

std::size_t ProfileFile::GetString(std::string_view section, std::string_view key,
                                   std::string_view defaultText, char* buffer,
                                   std::size_t bufferSize) {
  return Snapshot().GetString(section, key, defaultText, buffer, bufferSize);
}

std::string ProfileFile::Read(std::string_view section, std::string_view key) {
  return Snapshot().Read(section, key);
}

std::string ProfileFile::LockForWrite(profile_io::ExclusiveLock& lock, std::filesystem::path& target) {
  std::string why;
  target = profile_io::WriteTarget(file_, why);
  if (!why.empty()) return SaveFailure(file_, why);
  // the lock keeps another running copy from rewriting the file between our read and
  // our rename, which would lose its change; it lies beside the file itself, so
  // copies that reach the file through different links share it
  why = lock.Acquire(target.string() + ".lock", profile_io::LockFileMode(target), lockWait_);
  return why.empty() ? why : SaveFailure(target, why);
}

WriteResult ProfileFile::WriteString(std::string_view section, std::string_view key,
                                     std::string_view value) {
  if (std::string why = profile::EntryProblem(section, key, value); !why.empty()) {
    return {false, SaveFailure(file_, why)};
  }
  return WithoutMemoryFailure(file_, [&]() -> WriteResult {
    std::filesystem::path target;
    profile_io::ExclusiveLock lock;
    if (std::string why = LockForWrite(lock, target); !why.empty()) return {false, why};
    return impl_->WriteLocked(target, section, key, value);
  });
}

WriteResult ProfileFile::WriteChosenString(std::string_view section, std::string_view key, const ValueChooser& choose) {
  if (std::string why = profile::EntryProblem(section, key, ""); !why.empty()) return {false, SaveFailure(file_, why)};
  return WithoutMemoryFailure(file_, [&]() -> WriteResult {
    std::filesystem::path target;
    profile_io::ExclusiveLock lock;
    if (std::string why = LockForWrite(lock, target); !why.empty()) return {false, why};
    auto contents = std::make_shared<ProfileSnapshot::Contents>();
    if (std::string why = Impl::ReadForWrite(target, contents->document); !why.empty()) return {false, why};
    std::string refusal;
    const std::optional<std::string> value = choose(ProfileSnapshot(contents), refusal);
    if (!value) return {false, refusal};
    if (std::string why = profile::EntryProblem(section, key, *value); !why.empty())
      return {false, SaveFailure(file_, why)};
    return impl_->Replace(target, profile::WithEntry(contents->document, section, key, *value));
  });
}

WriteResult ProfileFile::AppendPlaceRecord(std::string_view record) {
  int key = -1;
  return AppendPlaceRecord(record, kTimeZonesSection, "", key);
}

WriteResult ProfileFile::AppendPlaceRecord(std::string_view record, std::string_view companionSection,
                                           std::string_view companion, int& key) {
  key = -1;
  if (record.empty()) {
    return {false, "An empty place record cannot be stored: it would end the place list."};
  }
  if (record.size() > kLongestValue || companion.size() > kLongestValue) {
    return {false, "A value of more than 79 characters cannot be stored: it would be cut when read."};
  }
  const std::string value = "\"" + std::string(record) + "\"";
  if (std::string why = profile::EntryProblem(kLocationSection, "0", value); !why.empty()) {
    return {false, SaveFailure(file_, why)};
  }
  if (std::string why = profile::EntryProblem(companionSection, "0", companion); !why.empty()) {
    return {false, SaveFailure(file_, why)};
  }
  return WithoutMemoryFailure(file_, [&]() -> WriteResult {
    std::filesystem::path target;
    profile_io::ExclusiveLock lock;
    if (std::string why = LockForWrite(lock, target); !why.empty()) return {false, why};
    // Under the lock the file is read from disk, never from the parse kept for
    // readers: a copy that appended a moment ago may have left the same size, time
    // stamp and a reused inode behind.
    profile::Document document;
    if (std::string why = Impl::ReadForWrite(target, document); !why.empty()) return {false, why};
    for (int n = 0; n <= kLastPlaceKey; ++n) {
      const std::string name = std::to_string(n);
      const std::optional<profile::Entry> entry = profile::Find(document, kLocationSection, name);
      // a key whose value reads empty is free, as the place list ends there
      if (entry && !profile::ValueOf(document, *entry).empty()) continue;
      std::string bytes = profile::WithEntry(document, kLocationSection, name, value);
      // The companion (the place's zone name) lands under the same key in the same
      // rewrite; an empty one is written only over a value a former place left there.
      const std::optional<profile::Entry> stale = profile::Find(document, companionSection, name);
      if (!companion.empty() || (stale && !profile::ValueOf(document, *stale).empty())) {
        profile::ParseResult again = profile::Parse(std::move(bytes));
        bytes = profile::WithEntry(again.document, companionSection, name, companion);
      }
      WriteResult result = impl_->Replace(target, bytes);
      if (result.ok) key = n;
      return result;
    }
    return {false, "The place file is full: 5001 places are stored."};
  });
}

std::vector<std::string> LoadPlaceList(const ProfileSnapshot& places) {
  std::vector<std::string> list;
  for (int n = 0; n <= kLastPlaceKey; ++n) {
    std::string record = places.Read(kLocationSection, std::to_string(n));
    if (record.empty()) break;  // the first empty key ends the list
    list.push_back(std::move(record));
  }
  return list;
}

std::vector<std::string> LoadPlaceList(ProfileFile& file) { return LoadPlaceList(file.Snapshot()); }

int StoredDefaultPosition(const ProfileSnapshot& places) {
  const double position = RoundHalfEven(NumericValue(places.Read(kDefaultSection, kDefaultKey)));
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

int StoredDefaultPosition(ProfileFile& file) { return StoredDefaultPosition(file.Snapshot()); }

WriteResult StoreDefaultPosition(ProfileFile& file, int position) {
  return file.WriteString(kDefaultSection, kDefaultKey, std::to_string(position));
}

WriteResult StoreDefaultPosition(ProfileFile& file,
                                 const std::function<std::optional<int>(const ProfileSnapshot&, std::string&)>& choose) {
  return file.WriteChosenString(kDefaultSection, kDefaultKey,
                                [&choose](const ProfileSnapshot& now, std::string& refusal) -> std::optional<std::string> {
                                  const std::optional<int> position = choose(now, refusal);
                                  if (!position) return std::nullopt;
                                  return std::to_string(*position);
                                });
}

std::string AuspiciousDayNote(const ProfileSnapshot& places, int maas, int tithi) {
  // A stored text longer than 79 bytes is cut to its first 79 bytes, the most the
  // 80-byte buffer holds before its NUL: the day still shows the start of its note.
  return places.Read(kAuspiciousSection, TwoDigits(maas) + TwoDigits(tithi));
}

std::string SunEntryNote(const ProfileSnapshot& places, int sign) {
  return places.Read(kAuspiciousSection, "S" + TwoDigits(sign));
}

std::map<std::string, std::string> ReadObservance(const ProfileSnapshot& places) {
  std::map<std::string, std::string> rules;
  auto read = [&](std::string key) {
    std::string value = places.Read(kObservanceSection, key);
    if (!value.empty()) rules.emplace(std::move(key), std::move(value));
  };
  for (int maas = 0; maas < 12; ++maas)
    for (int tithi = 0; tithi <= 31; ++tithi) read(TwoDigits(maas) + TwoDigits(tithi));
  for (int sign = 0; sign < 12; ++sign) read("S" + TwoDigits(sign));
  return rules;
}

std::map<std::string, std::string> ReadObservance(const ProfileSnapshot& places, const ProfileSnapshot& bundled) {
  std::map<std::string, std::string> rules = ReadObservance(places);
  if (!rules.empty()) return rules;
  // Every rule's key is also the key of the note it belongs to.
  for (auto& [key, rule] : ReadObservance(bundled)) {
    const std::string note = places.Read(kAuspiciousSection, key);
    if (!note.empty() && note == bundled.Read(kAuspiciousSection, key)) rules.emplace(key, std::move(rule));
  }
  return rules;
}

std::string AuspiciousDayNote(ProfileFile& file, int maas, int tithi, std::string& buffer) {
  buffer.assign(kProfileBufferSize, ' ');
  const std::string key = TwoDigits(maas) + TwoDigits(tithi);
  // the same cut; no byte is written past the buffer
  const std::size_t count =
      file.Snapshot().GetString(kAuspiciousSection, key, "", buffer.data(), buffer.size());
  return buffer.substr(0, count);
}

}  // namespace kalnika
