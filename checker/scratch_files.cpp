#include "checker/scratch_files.hpp"

#include <charconv>
#include <utility>

#include "common/card.hpp"
#include "common/report_lines.hpp"

namespace corvelin {

namespace {

constexpr ScratchFailure kWorkingCopyWrite{" error in writing direct access output orvantine file"};
constexpr ScratchFailure kWorkingCopyRead{" error in reading direct access output orvantine file"};
constexpr ScratchFailure kErrorListWrite{" error in writing sequential output error file"};
constexpr ScratchFailure kErrorListRead{" error in reading sequential output error file"};

// The error list is read back this many bytes at a time.
constexpr std::int64_t kErrorListChunk = 64 * 1024;

std::int64_t offset_of(int number) { return static_cast<std::int64_t>(number - 1) * kRecordBytes; }

}  // namespace

bool WorkingCopy::open(orv::File scratch) {
  count_ = 0;
  kept_.clear();
  return file_.open(std::move(scratch));
}

int WorkingCopy::append(std::string_view record) {
  const std::string card = orv::make_card(record);
  if (!file_.append(card)) throw kWorkingCopyWrite;
  if (const int block = block_of(count_ + 1); block < kKeptBlocks) {
    if (kept_.size() <= static_cast<std::size_t>(block)) kept_.resize(static_cast<std::size_t>(block) + 1);
    std::string& bytes = kept_[static_cast<std::size_t>(block)].bytes;
    if (bytes.empty()) bytes.reserve(static_cast<std::size_t>(kBlockRecords) * kRecordBytes);
    bytes += card;
  }
  return ++count_;
}

std::string WorkingCopy::read(int number) { return std::string(stored_records(number, 1)); }

std::string_view WorkingCopy::stored_records(int first, int count) {
  if (first < 1 || count < 1 || count > count_ - first + 1) throw_failure();
  const int block = block_of(first);
  const int block_first = block * kBlockRecords + 1;
  std::string* bytes = &unkept_;
  if (block < kKeptBlocks) {
    if (kept_.size() <= static_cast<std::size_t>(block)) kept_.resize(static_cast<std::size_t>(block) + 1);
    Block& kept = kept_[static_cast<std::size_t>(block)];
    if (kept.records < first + count - block_first) {
      if (!file_.write_gathered()) throw_failure();
      kept.records = std::min(kBlockRecords, count_ - block_first + 1);
    }
    bytes = &kept.bytes;
  } else {
    read_block(block_first, std::min(kBlockRecords, count_ - block_first + 1), unkept_);
  }
  return std::string_view(*bytes).substr(static_cast<std::size_t>(first - block_first) * kRecordBytes,
                                         static_cast<std::size_t>(count) * kRecordBytes);
}

void WorkingCopy::throw_failure() const { throw file_.write_failed() ? kWorkingCopyWrite : kWorkingCopyRead; }

void WorkingCopy::read_block(int first, int count, std::string& into) {
  const bool stored = first >= 1 && count >= 0 && count <= count_ - first + 1;
  if (!stored || !file_.read_at(offset_of(first), static_cast<std::size_t>(count) * kRecordBytes, into)) {
    throw_failure();
  }
}

bool ErrorList::open(orv::File scratch) {
  rewind();
  return file_.open(std::move(scratch));
}

void ErrorList::add(int message, long records_read, std::string_view record) {
  const std::string line = orv::format("%6d  %6ld  ", message, records_read) + orv::make_card(record) + '\n';
  if (!file_.append(line)) throw kErrorListWrite;
}

void ErrorList::rewind() {
  read_offset_ = 0;
  chunk_.clear();
  chunk_start_ = 0;
}

bool ErrorList::next(int& message, std::string& record) {
  auto end = chunk_.find('\n', chunk_start_);
  while (end == std::string::npos) {
    const std::int64_t left = file_.size() - read_offset_;
    if (left <= 0) return false;
    std::string more;
    if (!file_.read_at(read_offset_, static_cast<std::size_t>(std::min(left, kErrorListChunk)), more)) {
      throw file_.write_failed() ? kErrorListWrite : kErrorListRead;
    }
    read_offset_ += static_cast<std::int64_t>(more.size());
    chunk_.erase(0, chunk_start_);
    chunk_start_ = 0;
    chunk_ += more;
    end = chunk_.find('\n');
  }
  const std::string_view line = std::string_view(chunk_).substr(chunk_start_, end - chunk_start_);
  chunk_start_ = end + 1;
  // Numbers wider than their six columns widen the line, so the record is
  // taken from the end and the message number from the first digits.
  if (line.size() < kRecordBytes) return false;
  record = line.substr(line.size() - kRecordBytes);
  const auto digits = std::min(line.find_first_not_of(' '), line.size());
  message = 0;
  std::from_chars(line.data() + digits, line.data() + line.size(), message);
  return true;
}

std::optional<std::string> MessageFile::text(int number) {
  if (file_ == nullptr || number < 1) return std::nullopt;
  if (const auto kept = read_.find(number); kept != read_.end()) return kept->second;
  if (std::fseek(file_, static_cast<long>(offset_of(number)), SEEK_SET) != 0) return std::nullopt;
  std::string text(kRecordBytes, ' ');
  if (std::fread(text.data(), 1, text.size(), file_) != text.size()) return std::nullopt;
  read_.emplace(number, text);
  return text;
}

}  // namespace corvelin
