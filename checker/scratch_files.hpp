#pragma once
// The checker's two scratch files and its message file.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "common/scratch_file.hpp"

namespace corvelin {

constexpr int kRecordBytes = 80;

// A scratch file that could not be written or read back.  Thrown where it
// happens, so that no check goes on with records that were lost; the run
// ends early with this console line and its report marked incomplete.
struct ScratchFailure {
  const char* console_line;
};

// The direct-access working copy of the deck: fixed 80-byte records, record k
// at byte offset 80 * (k - 1), stored one after another and read by number.
class WorkingCopy {
 public:
  bool open(orv::File scratch);  // as ScratchFile::open
  // Stores the record as the next one and answers its number, 1 for the first.
  int append(std::string_view record);
  int count() const { return count_; }
  // Record `number`, one of 1..count().
  std::string read(int number);

  // Calls visit(number, record) for records first..last in order, reading
  // them in blocks; stops early when visit returns false.
  template <class Visit>
  void scan(int first, int last, Visit visit) {
    std::string copy;  // of a block read from the file: visit may read other records meanwhile
    for (int number = first; number >= 1 && number <= last;) {
      const int block_last = std::min(last, block_of(number) * kBlockRecords + kBlockRecords);
      const int count = block_last - number + 1;
      std::string_view records = stored_records(number, count);
      if (block_of(number) >= kKeptBlocks) records = copy.assign(records);
      for (int i = 0; i < count; ++i) {
        const auto record = records.substr(static_cast<std::size_t>(i) * kRecordBytes, kRecordBytes);
        if (!visit(number + i, record)) return;
      }
      number = block_last + 1;
    }
  }

 private:
  // Blocks of kBlockRecords records from record 1 on.  The cross-checks scan
  // the observations once for each station, so the first kKeptBlocks, which
  // hold a deck at its capacity, keep a copy of what was appended to them
  // and are read from memory; later ones are read from the file, so memory
  // stays bounded whatever the capacity is set to.  Reading a block that
  // grew since it was last read still writes the gathered appends first, so
  // that a write failure ends the run at the same record as reading the file
  // would.
  static constexpr int kBlockRecords = 256;
  static constexpr int kKeptBlocks = 16;
  struct Block {
    int records = 0;    // records stored when the block was last read
    std::string bytes;  // every record appended to it; never moves once made
  };
  static int block_of(int number) { return (number - 1) / kBlockRecords; }
  // Records first..first+count-1, all of one block; valid until the next read.
  std::string_view stored_records(int first, int count);
  void read_block(int first, int count, std::string& into);
  [[noreturn]] void throw_failure() const;

  orv::ScratchFile file_;
  int count_ = 0;
  std::vector<Block> kept_;
  std::string unkept_;
};

// The error list: one line per error, I6, 2X, I6, 2X, A80.
class ErrorList {
 public:
  bool open(orv::File scratch);  // as ScratchFile::open
  void add(int message, long records_read, std::string_view record);
  void rewind();
  // The next entry's message number and record; false at the end.
  bool next(int& message, std::string& record);

 private:
  orv::ScratchFile file_;
  std::int64_t read_offset_ = 0;  // of the first byte not yet in `chunk_`
  std::string chunk_;             // lines read, from `chunk_start_` on not yet taken
  std::size_t chunk_start_ = 0;
};

// The message file: record N holds the 80-character text of message N.
// A listing names the same few messages again and again, so each text is
// read once and kept (there are as many as the checker has messages).
class MessageFile {
 public:
  explicit MessageFile(std::FILE* file = nullptr) : file_(file) {}
  std::optional<std::string> text(int number);

 private:
  std::FILE* file_;
  std::unordered_map<int, std::string> read_;
};

}  // namespace corvelin
