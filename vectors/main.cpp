#include "vectors/driver.hpp"

int main() {
  orv::Console console;
  return tamrel::run(console);
}
