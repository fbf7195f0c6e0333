#include "tests/fuzz/fuzz_input.hpp"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace orv::fuzz {

namespace {

constexpr const char* kAgencyListName = "contrib.dat";
constexpr const char* kMessageFileName = "newerror.dir";

std::string yes_no(bool yes) { return yes ? "y\n" : "n\n"; }

// The sections of the input after its header byte.
std::vector<std::string_view> sections_of(std::string_view rest) {
  std::vector<std::string_view> sections;
  for (;;) {
    const auto end = rest.find(kSeparator);
    sections.push_back(rest.substr(0, end));
    if (end == std::string_view::npos) return sections;
    rest.remove_prefix(end + kSeparator.size());
  }
}

std::size_t space_for(unsigned h) {
  constexpr std::size_t kSpaces[] = {kMostRoom, 1024, 8 * 1024, 64 * 1024};
  return kSpaces[(h >> 3) & 3];
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

DataFiles data_files_in(const std::string& folder) {
  return {read_file(folder + "/" + kAgencyListName), read_file(folder + "/" + kMessageFileName)};
}

std::string usual_dialogue(Program program, unsigned h, const std::string& first, const std::string& second) {
  const bool b0 = (h & 1) != 0, b1 = (h & 2) != 0, b2 = (h & 4) != 0;
  switch (program) {
    case Program::corvelin:
      return first + "\nreport.txt\n";
    case Program::tamrel:
      return first + "\n" + yes_no(b0) + yes_no(b1) + (b1 ? second : "") + "\nshort.txt\nlong.txt\n";
    case Program::halvic:
      return first + "\n" + yes_no(b0) + second + "\n" + "udou"[(h >> 1) & 3] + "\nreport.txt\n";
    case Program::morandel:
      return first + "\n" + yes_no(b0) + second + "\n" + yes_no(b1) + (b1 ? yes_no(b2) : "") +
             "fixed.obs\nfixed.dsc\nreport.txt\ny\n";
  }
  return {};
}

Session session_from(Program program, std::string_view input, const DataFiles& data) {
  Session session;
  if (input.empty()) return session;
  const unsigned h = static_cast<unsigned char>(input.front());
  const auto sections = sections_of(input.substr(1));
  Folder& folder = session.folder;
  if ((h & header::kNoAgencyList) == 0) folder.files[kAgencyListName] = data.agency_list;
  if ((h & header::kNoMessageFile) == 0) folder.files[kMessageFileName] = data.messages;
  std::vector<std::string> names;
  for (std::size_t i = 1; i < sections.size(); ++i) {
    const std::string_view section = sections[i];
    const auto line_end = std::min(section.find('\n'), section.size());
    std::string name(section.substr(0, line_end));
    names.push_back(name);
    if (name.empty()) continue;
    if (name.back() == '/') {
      name.pop_back();
      if (!name.empty()) folder.folders.insert(name);
    } else {
      folder.files[name] = std::string(section.substr(std::min(line_end + 1, section.size())));
    }
  }
  const std::string answers(sections.front());
  if ((h & header::kWholeDialogue) != 0) {
    session.answers = answers;
  } else {
    const bool vectors = program == Program::tamrel;
    const std::string first = !names.empty() ? names[0] : "deck.obs";
    const std::string second = names.size() > 1 ? names[1] : vectors ? "deck.gps" : "deck.dsc";
    session.answers = usual_dialogue(program, h, first, second) + answers;
  }
  session.limits.files = space_for(h);
  session.limits.console = std::size_t{16} << 20;
  return session;
}

std::string input_with(unsigned h, const std::string& answers, const std::vector<FileSection>& files) {
  std::string input(1, static_cast<char>(h));
  input += answers;
  for (const auto& [name, bytes] : files) {
    input += kSeparator;
    input += name;
    if (name.empty() || name.back() != '/') input += "\n" + bytes;
  }
  return input;
}

std::string input_for(const Folder& folder, const std::string& answers, const DataFiles& data) {
  unsigned h = header::kWholeDialogue;
  const auto agency_list = folder.files.find(kAgencyListName);
  const auto messages = folder.files.find(kMessageFileName);
  if (agency_list == folder.files.end()) h |= header::kNoAgencyList;
  if (messages == folder.files.end()) h |= header::kNoMessageFile;
  std::vector<FileSection> files;
  for (const auto& [name, bytes] : folder.files) {
    const bool standard = (name == kAgencyListName && bytes == data.agency_list) ||
                          (name == kMessageFileName && bytes == data.messages);
    if (!standard) files.emplace_back(name, bytes);
  }
  // Observation files first, so that the input still means a run when its
  // header loses bit 7.
  std::stable_partition(files.begin(), files.end(), [](const FileSection& f) {
    return f.first.size() >= 4 && f.first.compare(f.first.size() - 4, 4, ".obs") == 0;
  });
  for (const auto& name : folder.folders) files.emplace_back(name + "/", "");
  return input_with(h, answers, files);
}

}  // namespace orv::fuzz
