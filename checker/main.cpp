#include "checker/driver.hpp"
#include "common/files.hpp"

int main() {
  orv::ignore_pipe_and_file_size_signals();
  orv::Console console;
  return corvelin::run(console);
}
