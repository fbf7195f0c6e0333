#include "checker/positioning.hpp"

#include <algorithm>
#include <array>
#include <cstdint>

#include "common/serial_number.hpp"

namespace corvelin {

namespace {

class CandidateList {
 public:
  explicit CandidateList(Checker& ck) : ck_(ck) {}

  // The other station is cc first..first+3 of the record.  An observation
  // to a station the list already ties, in the same family, is dropped
  // before the list can be found full.
  void enter(int record, int family, bool at_standpoint, std::string_view rec, int first) {
    const std::string_view other = cols(rec, first, first + 3);
    // A station is looked up for every record of a repeated deck: the list
    // is searched as one word a tie.
    const std::uint64_t tie = static_cast<std::uint64_t>(family) << 32 | orv::ssn_word(other);
    if (std::find(ties_.begin(), ties_.end(), tie) != ties_.end()) return;
    if (entries_.size() >= kCapacities.candidates) {
      ck_.report.empty();
      ck_.report.line(" File of Obs Entries Filled Up in Putawy");
      return;
    }
    entries_.push_back({record, family, at_standpoint, std::string(other)});
    ties_.push_back(tie);
  }

  std::vector<Candidate> take() { return std::move(entries_); }

 private:
  Checker& ck_;
  std::vector<Candidate> entries_;
  std::vector<std::uint64_t> ties_;  // family and other station of each entry
};

constexpr bool kStandpoint = true;
constexpr bool kForepoint = false;

// The columns of each family that may name the station, 0 for none.
struct TieColumns {
  Family family;
  std::array<int, 3> first_columns;
};
constexpr TieColumns kTieColumns[] = {
    {Family::k20, {11, 51, 0}},
    {Family::k30, {11, 51, 72}},
    {Family::k50, {11, 46, 0}},
    {Family::k60, {11, 51, 0}},
};

// Records are read as the search always read them: each family's range of
// the working copy in turn, whatever records lie in it.
const TieIndex& tie_index(Checker& ck) {
  auto& kept = ck.cross_check.tie_index;
  if (kept && kept->records == ck.working_copy.count()) return *kept;
  TieIndex& index = kept.emplace();
  index.records = ck.working_copy.count();
  for (const TieColumns& tie : kTieColumns) {
    const Pointers range = ck.family(tie.family);
    if (range.first == 0) continue;
    ck.working_copy.scan(range.first, range.last, [&](int number, std::string_view rec) {
      std::array<std::uint32_t, 3> named{};
      std::size_t count = 0;
      for (const int first : tie.first_columns) {
        if (first == 0) continue;
        const std::uint32_t ssn = orv::ssn_word(cols(rec, first, first + 3));
        if (std::find(named.begin(), named.begin() + static_cast<std::ptrdiff_t>(count), ssn) !=
            named.begin() + static_cast<std::ptrdiff_t>(count)) {
          continue;  // one mention per record
        }
        named[count++] = ssn;
        index.mentions.push_back({ssn, tie.family, number});
      }
      return true;
    });
  }
  std::stable_sort(index.mentions.begin(), index.mentions.end(),
                   [](const TieIndex::Mention& a, const TieIndex::Mention& b) { return a.ssn < b.ssn; });
  return index;
}

// What one record of a family adds to the list of the station `ssn`.
void enter_ties(CandidateList& list, const Checker& ck, Family family, int n, std::string_view r,
                std::string_view ssn) {
  auto known = [&](std::string_view station) { return ck.stations.is_known(station); };
  switch (family) {
    case Family::k20:
      if (cols(r, 11, 14) == ssn) {
        if (known(cols(r, 51, 54))) list.enter(n, 20, kStandpoint, r, 51);
      } else if (cols(r, 51, 54) == ssn && known(cols(r, 11, 14))) {
        list.enter(n, 20, kForepoint, r, 11);
      }
      break;
    case Family::k30:
      if (cols(r, 11, 14) == ssn) {
        if (known(cols(r, 51, 54))) list.enter(n, 30, kStandpoint, r, 51);
        if (col(r, 75) == ' ' && known(cols(r, 72, 75))) list.enter(n, 30, kStandpoint, r, 72);
      } else if ((cols(r, 51, 54) == ssn || cols(r, 72, 75) == ssn) && col(r, 14) == ' ') {
        list.enter(n, 30, kForepoint, r, 11);
      }
      break;
    case Family::k50:
      if (cols(r, 11, 14) == ssn) {
        if (col(r, 49) == ' ') list.enter(n, 50, kStandpoint, r, 46);
      } else if (cols(r, 46, 49) == ssn && col(r, 14) == ' ') {
        list.enter(n, 50, kForepoint, r, 11);
      }
      break;
    case Family::k60:
      if (cols(r, 11, 14) == ssn) {
        if (col(r, 54) == ' ') list.enter(n, 60, kStandpoint, r, 51);
      } else if (cols(r, 51, 54) == ssn && col(r, 14) == ' ') {
        list.enter(n, 60, kForepoint, r, 11);
      }
      break;
    default:
      break;
  }
}

}  // namespace

std::vector<Candidate> build_candidate_list(Checker& ck, std::string_view ssn) {
  CandidateList list(ck);
  // The columns compared are four wide: no other SSN can be named in them.
  if (ssn.size() != 4) return list.take();
  const auto& mentions = tie_index(ck).mentions;
  const auto [from, to] = std::equal_range(mentions.begin(), mentions.end(), TieIndex::Mention{orv::ssn_word(ssn), {}, 0},
                                           [](const TieIndex::Mention& a, const TieIndex::Mention& b) {
                                             return a.ssn < b.ssn;
                                           });
  for (auto m = from; m != to; ++m) enter_ties(list, ck, m->family, m->record, ck.working_copy.read(m->record), ssn);
  return list.take();
}

}  // namespace corvelin
