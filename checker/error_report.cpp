#include "checker/error_report.hpp"

#include <array>

namespace corvelin {

namespace {

constexpr int kPageNumberColumn = 75;  // right-aligned in columns 75-78
constexpr int kFirstListingLine = 10;
constexpr int kPageLines = 60;

// The codes of the summary of record counts, in their order.
constexpr std::array<int, 40> kSummaryCodes = {10, 11, 12, 13, 20, 21, 22, 25, 26, 27, 28, 29, 30, 31,
                                               32, 40, 41, 42, 45, 46, 47, 50, 51, 52, 53, 54, 55, 60,
                                               61, 70, 71, 72, 80, 81, 82, 83, 84, 85, 86, 90};

std::string with_page_number(std::string line, int page) {
  line.resize(kPageNumberColumn - 1, ' ');
  return line + orv::format("%4d", page);
}

void column_ruler(Checker& ck) {
  ck.report.empty();
  ck.report.line("          1         2         3         4         5         6         7         ");
  ck.report.line(" 1234567890123456789012345678901234567890123456789012345678901234567890123456789");
  ck.report.line(" " + std::string(80, '-'));
}

void record_counts(Checker& ck) {
  for (int code : kSummaryCodes) {
    ck.report.line(orv::format(" Number of *%02d* Records = %6ld", code, ck.count(code)));
  }
}

// The error list under the ruler, 17 errors to a page.
bool error_listing(Checker& ck) {
  ck.errors.rewind();
  int line_counter = kFirstListingLine;
  int message = 0;
  std::string record;
  while (ck.errors.next(message, record)) {
    const auto text = ck.messages.text(message);
    if (!text) {
      ck.report.empty();
      ck.report.line(" Error in reading message file");
      return false;
    }
    if (line_counter >= kPageLines) {
      ck.report.line(" ");
      page_header(ck);
      column_ruler(ck);
      line_counter = kFirstListingLine;
    }
    ck.report.empty();
    ck.report.line(" " + *text);
    ck.report.line(" " + record);
    line_counter += 3;
  }
  return true;
}

}  // namespace

void first_page_header(Checker& ck) {
  ++ck.page;
  for (int i = 0; i < 3; ++i) ck.report.line(" ");
  ck.report.empty();
  ck.report.empty();
  ck.report.line(with_page_number("1program corvelins  ver 1.5.1 - check orvantine obs data set  -", ck.page));
  std::string name = ck.input_name;
  if (name.size() < 80) name.resize(80, ' ');
  ck.report.line(" processing input file - " + name);
  ck.report.empty();
}

void page_header(Checker& ck) {
  ++ck.page;
  ck.report.empty();
  ck.report.empty();
  ck.report.line(with_page_number("1", ck.page));
  ck.report.empty();
}

bool write_summary(Checker& ck, StructureNotice notice) {
  page_header(ck);
  if (notice == StructureNotice::shown) {
    ck.report.empty();
    ck.report.line(" Input file had incorrect structure");
    ck.report.empty();
  }
  ck.report.empty();
  ck.report.empty();
  ck.report.line(" Summary of Record Counts:");
  ck.report.empty();
  record_counts(ck);
  ck.report.line(" ");
  page_header(ck);
  column_ruler(ck);
  if (!error_listing(ck)) return false;
  ck.report.empty();
  ck.report.line(" Summary from program Corvelins:");
  ck.report.line(orv::format(" Number of records in input file = %6ld, number of errors found = %6ld",
                             ck.records_read, ck.error_count));
  return true;
}

}  // namespace corvelin
