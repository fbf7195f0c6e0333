#include "editor/driver.hpp"
#include "editor/usage.hpp"

int main(int argc, char* argv[]) {
  if (const auto status = orv::handle_arguments(argc, argv, morandel::usage)) return *status;
  orv::ignore_pipe_and_file_size_signals();
  orv::RealFileSystem system;
  return morandel::run(system);
}
