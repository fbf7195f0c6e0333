#include "checker/positioning.hpp"

#include <algorithm>

namespace corvelin {

namespace {

class CandidateList {
 public:
  explicit CandidateList(Checker& ck) : ck_(ck) {}

  // An observation to a station the list already ties, in the same family,
  // is dropped before the list can be found full.
  void enter(int record, int family, bool at_standpoint, std::string_view other) {
    const bool listed = std::any_of(entries_.begin(), entries_.end(), [&](const Candidate& c) {
      return c.family == family && c.other == other;
    });
    if (listed) return;
    if (entries_.size() >= kCapacities.candidates) {
      ck_.report.empty();
      ck_.report.line(" File of Obs Entries Filled Up in Putawy");
      return;
    }
    entries_.push_back({record, family, at_standpoint, std::string(other)});
  }

  std::vector<Candidate> take() { return std::move(entries_); }

 private:
  Checker& ck_;
  std::vector<Candidate> entries_;
};

constexpr bool kStandpoint = true;
constexpr bool kForepoint = false;

template <class Visit>
void scan_family(Checker& ck, Family family, Visit visit) {
  const Pointers range = ck.family(family);
  if (range.first == 0) return;
  ck.working_copy.scan(range.first, range.last, [&](int number, std::string_view rec) {
    visit(number, rec);
    return true;
  });
}

}  // namespace

std::vector<Candidate> build_candidate_list(Checker& ck, std::string_view ssn) {
  CandidateList list(ck);
  auto known = [&](std::string_view station) { return ck.stations.is_known(station); };

  scan_family(ck, Family::k20, [&](int n, std::string_view r) {
    if (cols(r, 11, 14) == ssn) {
      if (known(cols(r, 51, 54))) list.enter(n, 20, kStandpoint, cols(r, 51, 54));
    } else if (cols(r, 51, 54) == ssn && known(cols(r, 11, 14))) {
      list.enter(n, 20, kForepoint, cols(r, 11, 14));
    }
  });
  scan_family(ck, Family::k30, [&](int n, std::string_view r) {
    if (cols(r, 11, 14) == ssn) {
      if (known(cols(r, 51, 54))) list.enter(n, 30, kStandpoint, cols(r, 51, 54));
      if (col(r, 75) == ' ' && known(cols(r, 72, 75))) list.enter(n, 30, kStandpoint, cols(r, 72, 75));
    } else if ((cols(r, 51, 54) == ssn || cols(r, 72, 75) == ssn) && col(r, 14) == ' ') {
      list.enter(n, 30, kForepoint, cols(r, 11, 14));
    }
  });
  scan_family(ck, Family::k50, [&](int n, std::string_view r) {
    if (cols(r, 11, 14) == ssn) {
      if (col(r, 49) == ' ') list.enter(n, 50, kStandpoint, cols(r, 46, 49));
    } else if (cols(r, 46, 49) == ssn && col(r, 14) == ' ') {
      list.enter(n, 50, kForepoint, cols(r, 11, 14));
    }
  });
  scan_family(ck, Family::k60, [&](int n, std::string_view r) {
    if (cols(r, 11, 14) == ssn) {
      if (col(r, 54) == ' ') list.enter(n, 60, kStandpoint, cols(r, 51, 54));
    } else if (cols(r, 51, 54) == ssn && col(r, 14) == ' ') {
      list.enter(n, 60, kForepoint, cols(r, 11, 14));
    }
  });
  return list.take();
}

}  // namespace corvelin
