#include "vectors/tamrel.hpp"

namespace tamrel {

bool agency_found(Run& run, std::string_view code) { return run.agencies && run.agencies->contains(code); }

void execution_terminated(Run&) { throw orv::RunEnd{orv::kEarlyEnd}; }

}  // namespace tamrel
