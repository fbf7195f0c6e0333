#include "checker/numbers_by_key.hpp"

#include <functional>

namespace corvelin {

std::string_view NumbersByKey::key_of(std::int32_t entry) const {
  const Entry& e = entries_[static_cast<std::size_t>(entry - 1)];
  return std::string_view(keys_).substr(e.key_at, e.key_size);
}

std::size_t NumbersByKey::slot_of(std::string_view key) const {
  const std::size_t mask = slots_.size() - 1;
  std::size_t slot = std::hash<std::string_view>{}(key)&mask;
  while (slots_[slot] != 0 && key_of(slots_[slot]) != key) slot = (slot + 1) & mask;
  return slot;
}

// Twice the slots, at most half of them taken.
void NumbersByKey::grow() {
  std::vector<std::int32_t> firsts;
  firsts.reserve(keys_held_);
  for (const std::int32_t first : slots_) {
    if (first != 0) firsts.push_back(first);
  }
  slots_.assign(slots_.empty() ? 64 : 2 * slots_.size(), 0);
  for (const std::int32_t first : firsts) slots_[slot_of(key_of(first))] = first;
}

void NumbersByKey::add(std::string_view key, int number) {
  if (2 * (keys_held_ + 1) > slots_.size()) grow();
  const std::size_t slot = slot_of(key);
  entries_.push_back({0, 0, number});
  const auto added = static_cast<std::int32_t>(entries_.size());
  if (slots_[slot] == 0) {
    Entry& e = entries_.back();
    e.key_at = static_cast<std::uint32_t>(keys_.size());
    e.key_size = static_cast<std::uint32_t>(key.size());
    e.last = added;
    keys_ += key;
    slots_[slot] = added;
    ++keys_held_;
    return;
  }
  Entry& first = entries_[static_cast<std::size_t>(slots_[slot] - 1)];
  entries_[static_cast<std::size_t>(first.last - 1)].next = added;
  first.last = added;
}

}  // namespace corvelin
