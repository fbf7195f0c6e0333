#pragma once
// The code tables built into the checker: state and country codes,
// order-and-class codes and state-plane zone codes.

#include <array>
#include <string_view>

namespace corvelin {

extern const std::array<std::string_view, 132> kStateCodes;
extern const std::array<std::string_view, 69> kOrderClassCodes;
// Two slots are empty and match nothing.
extern const std::array<std::string_view, 134> kZoneSlots;

bool is_state_code(std::string_view code);
bool is_order_class_code(std::string_view code);
bool is_zone_code(std::string_view code);

}  // namespace corvelin
