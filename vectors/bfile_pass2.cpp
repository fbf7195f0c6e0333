#include "vectors/tamrel.hpp"

namespace tamrel {

void pass2_step(Run&, std::string_view) {}

}  // namespace tamrel
