#include "checker/driver.hpp"

int main() {
  orv::ignore_pipe_and_file_size_signals();
  orv::RealFileSystem system;
  return corvelin::run(system);
}
