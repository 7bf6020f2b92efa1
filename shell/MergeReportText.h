#pragma once

#include "core/MergeReport.h"

#include <string>

namespace vaultlet {

// The one message a merge ends with: what came from the other copy, then a line for each of its
// settings that differed from this copy's (these stayed) and one when both notes were kept.
std::string MergeReportText(const MergeReport& report);

} // namespace vaultlet
