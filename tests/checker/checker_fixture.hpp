#pragma once
// A checker run state with its scratch files open, for calling single
// checks and reading back what they raised and wrote.

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "checker/checker.hpp"
#include "tests/support/cards.hpp"

namespace corvelin::test {

using orv::test::card;

class CheckerFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ck.working_copy.open(orv::open_scratch()));
    ASSERT_TRUE(ck.errors.open(orv::open_scratch()));
    report_file_ = orv::open_scratch();
    ck.report.attach(report_file_.get());
  }

  // Stores a record as the next working-copy record of a family.
  int store(const std::string& rec, Family family) {
    const int number = ck.working_copy.append(rec);
    Pointers& p = ck.family(family);
    if (p.first == 0) p.first = number;
    p.last = number;
    return number;
  }

  // A station with its position record stored in the 80-series.
  Station& station(const std::string& ssn, char type, const std::string& position = "",
                   const std::string& reference = "    ") {
    const int index = ck.stations.append(ssn, type, reference);
    if (!position.empty()) ck.stations.at(index).position_record = store(position, Family::k80);
    return ck.stations.at(index);
  }

  // Message numbers raised so far, in order.
  std::vector<int> raised() {
    std::vector<int> messages;
    for (const auto& entry : raised_with_records()) messages.push_back(entry.first);
    return messages;
  }

  std::vector<std::pair<int, std::string>> raised_with_records() {
    std::vector<std::pair<int, std::string>> entries;
    ck.errors.rewind();
    int message = 0;
    std::string record;
    while (ck.errors.next(message, record)) entries.emplace_back(message, record);
    return entries;
  }

  std::string report_text() {
    std::FILE* f = report_file_.get();
    std::fflush(f);
    std::rewind(f);
    std::string text;
    for (int c; (c = std::getc(f)) != EOF;) text.push_back(static_cast<char>(c));
    std::fseek(f, 0, SEEK_END);
    return text;
  }

  Checker ck;

 private:
  orv::File report_file_;
};

}  // namespace corvelin::test
