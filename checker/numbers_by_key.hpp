#pragma once
// Working-copy numbers under short text keys, each key's in the order added.
// Flat arrays, not a node and a list per key: a full working copy's keys
// then take a few pages, which a run pays for on every one it touches.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvelin {

class NumbersByKey {
 public:
  // Room for as many numbers and key bytes as a full table holds, kept
  // from the start: growing would copy, and touch fresh pages, again.
  explicit NumbersByKey(std::size_t numbers = 0, std::size_t key_bytes = 0) {
    entries_.reserve(numbers);
    keys_.reserve(key_bytes);
  }
  void add(std::string_view key, int number);
  // The first number added under the key; 0 when there is none.
  int first(std::string_view key) const {
    if (slots_.empty()) return 0;
    const std::int32_t e = slots_[slot_of(key)];
    return e == 0 ? 0 : entries_[static_cast<std::size_t>(e - 1)].number;
  }
  // The numbers under the key, in the order added.
  template <class Visit>
  void for_each(std::string_view key, Visit visit) const {
    if (slots_.empty()) return;
    for (std::int32_t e = slots_[slot_of(key)]; e != 0; e = entries_[static_cast<std::size_t>(e - 1)].next) {
      visit(entries_[static_cast<std::size_t>(e - 1)].number);
    }
  }

 private:
  struct Entry {
    std::uint32_t key_at;  // in keys_; the first entry of a key holds it
    std::uint32_t key_size;
    int number;
    std::int32_t next = 0;  // 1 + the key's next entry; 0 at the last
    std::int32_t last = 0;  // the first entry of a key: 1 + its last entry
  };
  std::string_view key_of(std::int32_t entry) const;
  // The slot of the key: its first entry, or the empty slot where it goes.
  std::size_t slot_of(std::string_view key) const;
  void grow();

  std::string keys_;
  std::vector<Entry> entries_;
  std::vector<std::int32_t> slots_;  // open addressing: 1 + a key's first entry; 0 empty
  std::size_t keys_held_ = 0;
};

}  // namespace corvelin
