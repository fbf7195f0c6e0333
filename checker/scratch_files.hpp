#pragma once
// The checker's two scratch files and its message file.

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "common/files.hpp"

namespace corvelin {

constexpr int kRecordBytes = 80;

// The direct-access working copy of the deck: fixed 80-byte records, record k
// at byte offset 80 * (k - 1), read and written by number.
class WorkingCopy {
 public:
  bool open();
  void write(int number, std::string_view record);
  // Record `number`; blanks when it cannot be read.
  std::string read(int number);

  // Calls visit(number, record) for records first..last in order, reading
  // them in blocks; stops early when visit returns false.
  template <class Visit>
  void scan(int first, int last, Visit visit) {
    std::string records;  // local: visit may read other records meanwhile
    for (int block = first; block >= 1 && block <= last; block += kBlockRecords) {
      const int count = std::min(kBlockRecords, last - block + 1);
      read_block(block, count, records);
      for (int i = 0; i < count; ++i) {
        const auto record = std::string_view(records).substr(static_cast<std::size_t>(i) * kRecordBytes, kRecordBytes);
        if (!visit(block + i, record)) return;
      }
    }
  }

 private:
  static constexpr int kBlockRecords = 256;
  void read_block(int first, int count, std::string& into);

  orv::File file_;
};

// The error list: one line per error, I6, 2X, I6, 2X, A80.
class ErrorList {
 public:
  bool open();
  void add(int message, long records_read, std::string_view record);
  void rewind();
  // The next entry's message number and record; false at the end.
  bool next(int& message, std::string& record);

 private:
  orv::File file_;
};

// The message file: record N holds the 80-character text of message N.
class MessageFile {
 public:
  explicit MessageFile(std::FILE* file = nullptr) : file_(file) {}
  std::optional<std::string> text(int number);

 private:
  std::FILE* file_;
};

}  // namespace corvelin
