#pragma once
// The structure pass: deck envelope, record order, counts, duplicates and the
// working copy.

#include "checker/checker.hpp"

namespace corvelin {

// Reads the whole input once; sets the structure-error flag on an S error.
void structure_pass(Checker& ck);

}  // namespace corvelin
