#include "checker/driver.hpp"
#include "checker/usage.hpp"
#include "common/files.hpp"

int main(int argc, char* argv[]) {
  if (const auto status = orv::handle_arguments(argc, argv, corvelin::usage)) return *status;
  orv::ignore_pipe_and_file_size_signals();
  orv::Console console;
  return corvelin::run(console);
}
