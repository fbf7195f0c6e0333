#include "common/files.hpp"

#include <filesystem>
#include <system_error>

namespace orv {

namespace {
// A name that the C library would read differently from what was typed.
bool unusable_name(const std::string& name) {
  return name.empty() || name.find('\0') != std::string::npos;
}
}  // namespace

std::string file_name_from_answer(std::string_view answer) {
  const auto end = answer.find_last_not_of(' ');
  return std::string(end == std::string_view::npos ? std::string_view{} : answer.substr(0, end + 1));
}

File open_input(const std::string& name) {
  if (unusable_name(name)) return nullptr;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(name, ec)) return nullptr;
  return File(std::fopen(name.c_str(), "rb"));
}

File create_output(const std::string& name) {
  if (unusable_name(name)) return nullptr;
  return File(std::fopen(name.c_str(), "wbx"));
}

File open_scratch() { return File(std::tmpfile()); }

bool OwnedOutput::create(const std::string& name) {
  file_ = create_output(name);
  if (!file_) return false;
  name_ = name;
  return true;
}

void OwnedOutput::close() {
  file_.reset();
  name_.clear();
}

void OwnedOutput::close_and_delete() {
  if (!file_) return;
  file_.reset();
  std::remove(name_.c_str());
  name_.clear();
}

}  // namespace orv
