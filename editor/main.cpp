#include "editor/driver.hpp"

int main() {
  orv::Console console;
  return morandel::run(console);
}
