#include "common/files.hpp"
#include "editor/driver.hpp"

int main() {
  orv::ignore_pipe_and_file_size_signals();
  orv::Console console;
  return morandel::run(console);
}
