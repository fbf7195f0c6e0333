#include "compare/driver.hpp"

int main() {
  orv::ignore_pipe_and_file_size_signals();
  orv::RealFileSystem system;
  return halvic::run(system);
}
