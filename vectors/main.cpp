#include "common/files.hpp"
#include "vectors/driver.hpp"
#include "vectors/usage.hpp"

int main(int argc, char* argv[]) {
  if (const auto status = orv::handle_arguments(argc, argv, tamrel::usage)) return *status;
  orv::ignore_pipe_and_file_size_signals();
  orv::Console console;
  return tamrel::run(console);
}
