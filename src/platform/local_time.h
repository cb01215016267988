#pragma once
#include <ctime>
#include <functional>
#include <string>

namespace marvoten {

// The local date and time as "yyyymmddhhnnss" (the PDF writer's creation date).
std::string localTimeStamp();
std::string formatTimeStamp(const std::tm& local);

// Source of "now" for code that stamps documents; tests set a fixed clock.
using Clock = std::function<std::string()>;

}  // namespace marvoten
