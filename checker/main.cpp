#include "checker/driver.hpp"
#include "checker/usage.hpp"

int main(int argc, char* argv[]) {
  if (const auto status = orv::handle_arguments(argc, argv, corvelin::usage)) return *status;
  orv::ignore_pipe_and_file_size_signals();
  orv::RealFileSystem system;
  return corvelin::run(system);
}
