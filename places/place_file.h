#pragma once
// Access to the place file "Location.ini", a Windows private-profile (INI) file:
// sections "LOCATION" (place records under keys "0".."5000"), "DEFAULT" (key
// "CityDataNumber"), "AUSPICIOUS DAYS" (texts keyed by lunar month and tithi, or by
// a sankranti) and "OBSERVANCE" (the festivals' rules, under the same keys).
// Reads behave like GetPrivateProfileStringA, writes like
// WritePrivateProfileStringA, so that files written on Windows read the same here
// and back. No Qt.
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalnika {

namespace profile_io {
class ExclusiveLock;
}

// Size of the receiving buffer every reader of the place file passes (the main
// window's ProfileBuffer): a value of up to 79 bytes and its terminating NUL.
inline constexpr std::size_t kProfileBufferSize = 80;

// The section of the places' IANA zone names, keyed like "LOCATION"
// ("9=America/New_York" belongs to the place under key 9).
inline constexpr std::string_view kTimeZonesSection = "TIME ZONES";

// The section of the festivals' observance rules, keyed like "AUSPICIOUS DAYS"
// ("0504=madhyahna" names the rule of the note under 0504). A program that does not
// know the section ignores it; this program only reads it.
inline constexpr std::string_view kObservanceSection = "OBSERVANCE";

// How long a writer waits for another writer's lock before it reports that another
// program is writing the place file. A save takes milliseconds; anyone who can read
// the lock file can hold it, and must not freeze the window.
inline constexpr std::chrono::milliseconds kLockWait{5000};

// Outcome of a write to the place file; `error` says what failed, for a message box.
struct WriteResult {
  bool ok = false;
  std::string error;
};

// One reading of the place file: its contents as they were when the snapshot was
// taken, parsed once and looked up from memory. Taking it checks the file's
// identity once; no lookup touches the file again, so a computation that takes one
// snapshot reads one state of the file however many values it looks up, and a
// change saved meanwhile shows in the next computation. A snapshot never changes;
// copies share the parse, and any threads may read it at once.
class ProfileSnapshot {
 public:
  // The snapshot of a missing file: every lookup gives its default text.
  ProfileSnapshot();

  // Why the place file could not be read when the snapshot was taken, as a whole
  // sentence for a message box (ProfileFile::ReadProblem), or "".
  const std::string& ReadProblem() const;

  // ProfileFile::GetString and ProfileFile::Read, from the snapshot's contents.
  std::size_t GetString(std::string_view section, std::string_view key, std::string_view defaultText,
                        char* buffer, std::size_t bufferSize) const;
  std::string Read(std::string_view section, std::string_view key) const;

 private:
  friend class ProfileFile;
  struct Contents;
  explicit ProfileSnapshot(std::shared_ptr<const Contents> contents);
  std::shared_ptr<const Contents> contents_;
};

// One place file. Snapshot() checks the file's identity (size, modification time,
// inode) and parses it again only when it changed, so the file is read afresh on
// every use while an unchanged file is parsed once. The reads below take a snapshot
// each: one look at the file per value. Copies share the kept parse; one object is
// for one thread at a time (the window's).
class ProfileFile {
 public:
  explicit ProfileFile(std::filesystem::path file, std::chrono::milliseconds lockWait = kLockWait);
  const std::filesystem::path& path() const;

  // The file as it is now: the kept parse when the file's identity is what it was
  // when that was taken (and no write of this object came between), else the file
  // read and parsed again.
  ProfileSnapshot Snapshot();

  // Why the place file cannot be read, as a whole sentence for a message box
  // ("Could not read the place file "/opt/kalnika/Location.ini": it is not a text
  // file (it holds a NUL byte at byte 3)."), or "" when it was read or is missing.
  // Refused: a file larger than 16 MB (by its size alone, before it is read), a
  // file holding NUL bytes (UTF-16 or binary), a folder, FIFO or device, a file
  // that cannot be read (permission, input/output error, not enough memory). Every
  // read of such a file gives what a missing file gives (the default text, an
  // empty place list), so callers go on with nothing and show this message.
  std::string ReadProblem();

  // GetPrivateProfileStringA: copies the value of [section] key into buffer (at most
  // bufferSize - 1 bytes, then a NUL; the rest of the buffer keeps what it held) and
  // returns the number of bytes copied; when the file, section or key is missing,
  // copies defaultText instead. Section and key names match case-insensitively
  // (ASCII letters only), one enclosing pair of matching double or single quotes is
  // removed from the value, blanks around names and values are trimmed (bytes
  // 0x80-0xFF are text, never trimmed or case-folded), ';' lines are comments, the
  // first of duplicate sections/keys wins, lines end in CRLF, LF or CR. A value cut
  // to the buffer that is valid UTF-8 is cut before the character the cut would
  // split (a Devanagari note typed in Unicode must not end in a broken character);
  // other values (ANSI, Xdvng bytes) are cut at the byte. A file ReadProblem
  // refuses reads as missing.
  std::size_t GetString(std::string_view section, std::string_view key,
                        std::string_view defaultText, char* buffer, std::size_t bufferSize);

  // Convenience: the value as a string (what GetString with an 80-byte buffer gives,
  // cut to 79 bytes), empty when missing.
  std::string Read(std::string_view section, std::string_view key);

  // WritePrivateProfileStringA: creates or replaces the entry, creating the section
  // and the file when missing. Every other line, comment and byte of the file stays
  // as it was; the file's line-ending style is kept (CRLF for a new file). The file
  // is replaced atomically: temporary file in the same folder, flushed, renamed over
  // the old one, keeping its owner, group and permission bits. A symbolic link stays
  // a link and the file it points to is written (created when the link dangles).
  // The file is read afresh under the lock AppendPlaceRecord takes, so that writes
  // of two running copies cannot undo each other; the lock is waited for at most
  // the lock wait given to the constructor. Refused, writing nothing, with the
  // cause in `error`: a section, key or value with a line break or NUL, an empty
  // section name or key, a key with "=" or beginning with ";" or "["; a file
  // ReadProblem refuses; a read-only file; a folder, FIFO or device at the path; a
  // file whose owner or group this user cannot keep (another user's file that its
  // group may write); contents that would grow past 16 MB; a lock held by another
  // program for longer than the lock wait; a folder without write permission, a
  // read-only file system, a full disk.
  WriteResult WriteString(std::string_view section, std::string_view key, std::string_view value);

  // WriteString of a value chosen from the file as it is under the writers' lock:
  // `choose` is given a snapshot of the file read afresh (never the kept one) and
  // returns the value, or nothing with the reason in its second argument, which
  // is then the error, and nothing is written.
  using ValueChooser = std::function<std::optional<std::string>(const ProfileSnapshot& now, std::string& refusal)>;
  WriteResult WriteChosenString(std::string_view section, std::string_view key, const ValueChooser& choose);

  // Appends a place record (56 characters) under the first free key of "LOCATION"
  // ("0".."5000"; a key whose value reads empty counts as free), enclosed in double
  // quotes, holding an exclusive lock (flock on "<file>.lock" beside it) from the
  // search to the write so that two running copies cannot store two places under one
  // key. Refuses, writing nothing, when all 5001 keys hold records ("The place file
  // is full: 5001 places are stored."), and a record that could not be read back as
  // given: empty, over 79 bytes, or holding a line break or NUL. A zone name a former
  // place left under the key is cleared.
  WriteResult AppendPlaceRecord(std::string_view record);

  // AppendPlaceRecord that, in the same locked rewrite, also writes `companion`
  // under the new place's key of section `companionSection` (the place's zone name
  // in "TIME ZONES"), so that two running copies cannot part the two; an empty
  // companion clears a value left under that key. `key` receives the key used, -1
  // when nothing was written. The companion follows the rules of WriteString.
  WriteResult AppendPlaceRecord(std::string_view record, std::string_view companionSection,
                                std::string_view companion, int& key);

 private:
  struct Impl;
  // Finds the file a write replaces (links followed) and takes the writers' lock
  // beside it; "" or the message why it could not.
  std::string LockForWrite(profile_io::ExclusiveLock& lock, std::filesystem::path& target);

  std::filesystem::path file_;
  std::chrono::milliseconds lockWait_;
  // the kept snapshot and the identity of the file it was taken from
  std::shared_ptr<Impl> impl_;
};

// The place list as the main window loads it: values of "LOCATION" keys "0", "1", ...
// up to the first key that reads empty (a gap hides every record behind it), at most
// 5001.
std::vector<std::string> LoadPlaceList(const ProfileSnapshot& places);
std::vector<std::string> LoadPlaceList(ProfileFile& file);

// The stored default position: numeric value of [DEFAULT] CityDataNumber, rounded
// half to even (0 when missing or not a number; -1 means "none selected").
int StoredDefaultPosition(const ProfileSnapshot& places);
int StoredDefaultPosition(ProfileFile& file);

// Stores the default position (decimal text, "-1" for none).
WriteResult StoreDefaultPosition(ProfileFile& file, int position);

// Stores the default position chosen from the file as it is under the writers'
// lock (ProfileFile::WriteChosenString): `choose` returns the position, or nothing
// with the reason, and then nothing is written.
WriteResult StoreDefaultPosition(ProfileFile& file,
                                 const std::function<std::optional<int>(const ProfileSnapshot& now, std::string& refusal)>& choose);

// The auspicious-day text for lunar month `maas` (0..11) and tithi number `tithi`
// (0..31): key of two-digit month and two-digit tithi ("0312", "1100"); empty when
// nothing is stored. A longer value is cut to 79 bytes, as the 80-byte buffer of
// GetString cuts it.
std::string AuspiciousDayNote(const ProfileSnapshot& places, int maas, int tithi);

// The same, read through the 80-byte buffer `buffer` (reset to 80 blanks first).
std::string AuspiciousDayNote(ProfileFile& file, int maas, int tithi, std::string& buffer);

// The auspicious-day text of a sankranti, the Sun's entry into the sidereal sign
// `sign` (0 Mesha .. 11 Mina): key "S" and two digits ("S09", Makar Sankranti); empty
// when nothing is stored. Cut to 79 bytes like every note.
std::string SunEntryNote(const ProfileSnapshot& places, int sign);

// The section "OBSERVANCE" as stored, key -> value, for every key a note can have:
// "MMTT" (lunar month 00..11, tithi 00..31) and "Sss" (sign 00..11), each value as
// the profile functions read it (quotes and outer blanks off, cut to 79 bytes);
// keys that read empty are left out. The values are not interpreted here: the month
// reads them (almanac/month_values.h), and a file without the section gives none.
std::map<std::string, std::string> ReadObservance(const ProfileSnapshot& places);

// The same for a file that may be a copy of the bundled place file made before the
// rules existed: a file with no rule at all takes `bundled`'s rule for every note
// the two files store byte for byte alike (a rule belongs to its note; a note the
// user wrote or changed keeps the sunrise rule). A file with any rule of its own is
// read as it is.
std::map<std::string, std::string> ReadObservance(const ProfileSnapshot& places, const ProfileSnapshot& bundled);

}  // namespace kalnika
