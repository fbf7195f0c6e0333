#include "compare/driver.hpp"

int main() {
  orv::Console console;
  return halvic::run(console);
}
