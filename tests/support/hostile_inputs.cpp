#include "tests/support/hostile_inputs.hpp"

#include <algorithm>
#include <fstream>

#include "tests/support/cards.hpp"

namespace orv::test {

namespace {

const std::string kDeckHeader = card_line({{1, "000001*KN*HZTLOBS GSOFP3KNOLL SPRINGS CONTROL 2022"}, {73, "20220614"}});
const std::string kDeckTrailer = card_line({{1, "999999*KN*"}});
const std::string kDirection = card_line({{1, "000004*20*0001010002 0001    001    9506121000Z1002     V01  0028035481"}});
const std::string kStation =
    card_line({{1, "000007*80*2002SPRING CREEK                  41012233400N111541122000W141865TUT32"}});
// The job-code record that opens and closes a description deck, and a
// station description of a serial number no deck here holds.
const std::string kDescriptionDeck = card_line({{1, "000001*KN*KNOLL SPRINGS CONTROL 2022 - STATION DESCRIPTIONS"}});
const std::string kDescription = card_line({{1, "000002*10*9999  N410212W1115530 1423M         UT"}});
const std::string kDRecord =
    card_line({{1, "D  1  2  3127450  1  3 -4412008  1  4   512345  1  5  -203110  1  6    98765          MC1"}}, 89);

constexpr const char* kHostileName = "hostile.dat";

// Writes `unit` `count` times, in blocks of about 64 KiB.
void write_repeated(std::ofstream& out, const std::string& unit, long long count) {
  const long long per_block = std::max(1LL, static_cast<long long>((1U << 16) / unit.size()));
  std::string block;
  for (long long i = 0; i < std::min(count, per_block); ++i) block += unit;
  for (; count >= per_block; count -= per_block) out.write(block.data(), static_cast<std::streamsize>(block.size()));
  for (; count > 0; --count) out << unit;
}

void write_input(const std::filesystem::path& path, HostileInput input, Role role, const HostileSizes& sizes) {
  std::ofstream out(path, std::ios::binary);
  switch (input) {
    case HostileInput::one_line:
      write_repeated(out, "7", sizes.line_bytes);
      out << '\n';
      break;
    case HostileInput::empty_lines: write_repeated(out, "\n", sizes.records); break;
    case HostileInput::repeated_record: {
      const bool description = role == Role::description_file;
      const std::string& opening = description ? kDescriptionDeck : kDeckHeader;
      out << opening;
      write_repeated(out, description ? kDescription : kDirection, sizes.records);
      out << (description ? kDescriptionDeck : kDeckTrailer);
      break;
    }
    case HostileInput::d_records: write_repeated(out, kDRecord, sizes.records); break;
  }
}

// The answers that name the hostile input in its role; the other inputs are
// the tiny deck.obs and deck.dsc.
std::string answers(const HostileRun& run) {
  const std::string program = run.program;
  const bool observation = run.role == Role::observation_file;
  const std::string obs = observation ? kHostileName : "deck.obs";
  const std::string dsc = run.role == Role::description_file ? kHostileName : "deck.dsc";
  if (program == "corvelin") return obs + "\nreport.txt\n";
  if (program == "tamrel") {
    return run.role == Role::gfile ? "deck.obs\ny\ny\n" + std::string(kHostileName) + "\nshort.txt\nlong.txt\n"
                                   : obs + "\ny\nn\n\nshort.txt\nlong.txt\n";
  }
  if (program == "halvic") return obs + "\ny\n" + dsc + "\nu\nreport.txt\n";
  return obs + "\ny\n" + dsc + "\ny\nn\nfixed.obs\nfixed.dsc\nreport.txt\ny\n";
}

}  // namespace

const char* name_of(HostileInput input) {
  switch (input) {
    case HostileInput::one_line: return "one line";
    case HostileInput::empty_lines: return "empty lines";
    case HostileInput::repeated_record: return "one record repeated";
    case HostileInput::d_records: return "D records";
  }
  return "";
}

const char* name_of(Role role) {
  switch (role) {
    case Role::observation_file: return "observation file";
    case Role::description_file: return "description file";
    case Role::gfile: return "G-file";
  }
  return "";
}

// A deck that is not a deck is a run's finding, not an early end, except
// where the comparer meets a first description record that is not its job
// code (an observation file without the job code KN, or a description file
// without the job-code record), and where the editor's table of station
// descriptions takes no 1000th.
const std::vector<HostileRun>& hostile_runs() {
  using I = HostileInput;
  using R = Role;
  static const std::vector<HostileRun> runs{
      {"corvelin", I::one_line, R::observation_file, 0},
      {"corvelin", I::empty_lines, R::observation_file, 0},
      {"corvelin", I::repeated_record, R::observation_file, 0},
      {"tamrel", I::one_line, R::observation_file, 0},
      {"tamrel", I::empty_lines, R::observation_file, 0},
      {"tamrel", I::repeated_record, R::observation_file, 0},
      {"tamrel", I::one_line, R::gfile, 0},
      {"tamrel", I::empty_lines, R::gfile, 0},
      {"tamrel", I::d_records, R::gfile, 0},
      {"halvic", I::one_line, R::observation_file, 1},
      {"halvic", I::empty_lines, R::observation_file, 1},
      {"halvic", I::repeated_record, R::observation_file, 0},
      {"halvic", I::one_line, R::description_file, 1},
      {"halvic", I::empty_lines, R::description_file, 1},
      {"halvic", I::repeated_record, R::description_file, 0},
      {"morandel", I::one_line, R::observation_file, 0},
      {"morandel", I::empty_lines, R::observation_file, 0},
      {"morandel", I::repeated_record, R::observation_file, 0},
      {"morandel", I::one_line, R::description_file, 0},
      {"morandel", I::empty_lines, R::description_file, 0},
      {"morandel", I::repeated_record, R::description_file, 1},
  };
  return runs;
}

Measured run_hostile(const HostileRun& run, const HostileSizes& sizes) {
  Workspace work;
  work.write("deck.obs", kDeckHeader + kStation + kDeckTrailer);
  work.write("deck.dsc", kDescriptionDeck + kDescriptionDeck);
  write_input(work.folder() / kHostileName, run.input, run.role, sizes);
  const int status = work.run(run.program, answers(run));
  return {status, work.last_usage()};
}

Measured run_tiny(const HostileRun& run) { return run_hostile(run, {80, 1}); }

}  // namespace orv::test
