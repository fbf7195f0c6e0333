#include "common/agency_list.hpp"

#include "common/card.hpp"

namespace orv {

bool AgencyList::contains(std::string_view code) {
  if (code.size() != 6) return false;
  const bool blank = is_blank(code);
  if (blank && blank_ == BlankCode::never_found) return false;
  const std::string key(code);
  if (const auto known = answers_.find(key); known != answers_.end()) return known->second;
  const bool found = search_file(code, blank);
  constexpr std::size_t kAnswersKept = 4096;
  if (answers_.size() < kAnswersKept) answers_.emplace(key, found);
  return found;
}

bool AgencyList::search_file(std::string_view code, bool any_line) {
  reader_.rewind();
  std::string line;
  while (reader_.next(line)) {
    if (any_line || cols(line, 2, 7) == code) return true;
  }
  return false;
}

}  // namespace orv
