// Program texts in the simulation's own failure reports.
#pragma once

#include <string>

namespace winsim::detail {

std::string Utf8(const std::u16string& text);

}  // namespace winsim::detail
