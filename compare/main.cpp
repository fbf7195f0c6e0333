#include "common/files.hpp"
#include "compare/driver.hpp"

int main() {
  orv::ignore_pipe_and_file_size_signals();
  orv::Console console;
  return halvic::run(console);
}
