#include "vectors/tamrel.hpp"

namespace tamrel {

void pass1_step(Run&, std::string_view) {}

}  // namespace tamrel
