#include "checker/driver.hpp"

int main() {
  orv::Console console;
  return corvelin::run(console);
}
