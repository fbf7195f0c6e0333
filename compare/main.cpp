#include "compare/driver.hpp"
#include "compare/usage.hpp"

int main(int argc, char* argv[]) {
  if (const auto status = orv::handle_arguments(argc, argv, halvic::usage)) return *status;
  orv::ignore_pipe_and_file_size_signals();
  orv::RealFileSystem system;
  return halvic::run(system);
}
