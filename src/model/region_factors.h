#pragma once
// Regional factor Cz of the design seismic coefficient by prefecture and zone, as the
// seismic page offers it: initial kana → keys ("北海道C") → municipalities and factor.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marvoten {

struct RegionInitial {
    std::string initial;            // "あ" … "わ"
    std::vector<std::string> keys;  // prefecture name + zone letter A, B or C
};

// The 22 initials in button order, each with its keys in list order.
const std::vector<RegionInitial>& regionInitials();

struct RegionZone {
    std::vector<std::string> municipalities;
    std::string factor;  // "1.0", "0.85", "0.7"
};

// The zone of a key, or nothing for an unknown key.
std::optional<RegionZone> regionZone(std::string_view key);

// Every stored zone row, "key,municipality,…,factor" (59 rows).
std::vector<std::string> regionRows();

}  // namespace marvoten
