#pragma once
// The checker's report: page headers, the summary of record counts, the
// error listing with message texts under the column ruler, and the totals.

#include "checker/checker.hpp"

namespace corvelin {

void first_page_header(Checker& ck);
void page_header(Checker& ck);

// Writes the summary of the run; false when the message file could not give
// a text, which stops the listing and leaves out the totals.
// The structure notice heads the summary of a run whose deck had a faulty
// structure; a fatal termination leaves it out.
enum class StructureNotice { shown, left_out };
bool write_summary(Checker& ck, StructureNotice notice);

}  // namespace corvelin
