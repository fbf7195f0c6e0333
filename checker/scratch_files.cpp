#include "checker/scratch_files.hpp"

#include <algorithm>
#include <charconv>

#include "common/card.hpp"
#include "common/report_lines.hpp"

namespace corvelin {

namespace {
long offset_of(int number) { return static_cast<long>(number - 1) * kRecordBytes; }
}  // namespace

bool WorkingCopy::open() {
  file_ = orv::open_scratch();
  return file_ != nullptr;
}

void WorkingCopy::write(int number, std::string_view record) {
  const std::string card = orv::make_card(record);
  if (std::fseek(file_.get(), offset_of(number), SEEK_SET) == 0) {
    std::fwrite(card.data(), 1, card.size(), file_.get());
  }
}

std::string WorkingCopy::read(int number) {
  std::string record;
  read_block(number, 1, record);
  return record;
}

void WorkingCopy::read_block(int first, int count, std::string& into) {
  into.assign(static_cast<std::size_t>(count) * kRecordBytes, ' ');
  if (std::fseek(file_.get(), offset_of(first), SEEK_SET) == 0) {
    // A short read leaves the rest blank rather than stale.
    const auto got = std::fread(into.data(), 1, into.size(), file_.get());
    std::fill(into.begin() + static_cast<long>(got), into.end(), ' ');
  }
}

bool ErrorList::open() {
  file_ = orv::open_scratch();
  return file_ != nullptr;
}

void ErrorList::add(int message, long records_read, std::string_view record) {
  const std::string line = orv::format("%6d  %6ld  ", message, records_read) + orv::make_card(record) + '\n';
  std::fwrite(line.data(), 1, line.size(), file_.get());
}

void ErrorList::rewind() { std::rewind(file_.get()); }

bool ErrorList::next(int& message, std::string& record) {
  std::string line;
  for (int c; (c = std::getc(file_.get())) != '\n';) {
    if (c == EOF) return false;
    line.push_back(static_cast<char>(c));
  }
  // Numbers wider than their six columns widen the line, so the record is
  // taken from the end and the message number from the first digits.
  if (line.size() < kRecordBytes) return false;
  record = line.substr(line.size() - kRecordBytes);
  const auto digits = line.find_first_not_of(' ');
  message = 0;
  std::from_chars(line.data() + std::min(digits, line.size()), line.data() + line.size(), message);
  return true;
}

std::optional<std::string> MessageFile::text(int number) {
  if (file_ == nullptr || number < 1) return std::nullopt;
  if (std::fseek(file_, offset_of(number), SEEK_SET) != 0) return std::nullopt;
  std::string text(kRecordBytes, ' ');
  if (std::fread(text.data(), 1, text.size(), file_) != text.size()) return std::nullopt;
  return text;
}

}  // namespace corvelin
