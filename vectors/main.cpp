#include "common/files.hpp"
#include "vectors/driver.hpp"

int main() {
  orv::ignore_pipe_and_file_size_signals();
  orv::Console console;
  return tamrel::run(console);
}
