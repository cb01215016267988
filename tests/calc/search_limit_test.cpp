// Every search of the calculation ends: values no wall can have (fed in past the
// validation) stop the run with the search named, and the extremes validation admits
// stay inside the limits.
#include "calc/search_limit.h"

#include <gtest/gtest.h>

#include <functional>
#include <numbers>

#include "calc/anchorage.h"
#include "calc/bars.h"
#include "calc/bearing_factors.h"
#include "calc/trial_wedge.h"

namespace marvoten {
namespace {

constexpr double deg = std::numbers::pi / 180;

TKeisu backfill(double phiDeg) {
    TKeisu p;
    p.backfillUnitWeight = 20;
    p.backfillPhi = phiDeg * deg;
    p.backfillShape = 1;
    return p;
}

// A stem whose bars may never end: no section meets either case.
AnchorageSection neverMet(double) {
    return {1e9, std::nullopt};
}

struct LimitCase {
    const char* name;
    std::function<void()> run;
    std::optional<Search> stopped;  // nothing: the search ends by itself
};

TEST(SearchLimits, UnboundedInputsStopTheRunBoundedOnesEnd) {
    const LimitCase cases[] = {
        {"slip angle from φ = −10⁹° in a weightless backfill",
         [] {
             TKeisu p = backfill(-1e9);
             p.backfillUnitWeight = 0;  // no thrust ever falls: the search would run on
             trialWedge(p, wedgeModeStability, 1, 0, 6, 6);
         },
         Search::SlipAngle},
        {"slip angle from φ = 0",
         [] {
             TKeisu p = backfill(0);
             trialWedge(p, wedgeModeStability, 1, 0, 6, 6);
         },
         std::nullopt},
        {"slip angle from φ = 89.9°",
         [] {
             TKeisu p = backfill(89.9);
             trialWedge(p, wedgeModeStability, 1, 0, 6, 6);
         },
         std::nullopt},
        {"slip-angle curve from φ = −10⁹°",
         [] {
             TKeisu p = backfill(35);
             trialWedge(p, wedgeModeStability, 1, 0, 6, 6);
             p.backfillPhi = -1e9 * deg;
             slipAngleCurve(p, wedgeModeStability, 1, 0, 6, 6);
         },
         Search::SlipAngleCurve},
        {"slip-angle curve from φ = 0",
         [] {
             TKeisu p = backfill(0);
             trialWedge(p, wedgeModeStability, 1, 0, 6, 6);
             slipAngleCurve(p, wedgeModeStability, 1, 0, 6, 6);
         },
         std::nullopt},
        {"anchorage of a stem 10³⁰⁰ m high",
         [] { anchorageSearch(1e300, 1000, 16, 160, neverMet); }, Search::Anchorage},
        {"anchorage of a stem 50 m high", [] { anchorageSearch(50, 1000, 16, 160, neverMet); },
         std::nullopt},
        {"neutral axis of a section 10³⁰⁰ mm deep", [] { requiredBarArea(160, 0, 1e300); },
         Search::NeutralAxis},
        {"neutral axis of a section 50 m deep", [] { requiredBarArea(160, 0, 50000); },
         std::nullopt},
        {"bearing slip line for φ = 10⁹ rad", [] { NcFactor(1e300, 1e9); },
         Search::BearingSlipLine},
        {"bearing slip line for φ = 89°", [] { NcFactor(0.1, 89 * deg); }, std::nullopt},
    };
    for (const auto& c : cases) {
        if (!c.stopped) {
            EXPECT_NO_THROW(c.run()) << c.name;
            continue;
        }
        try {
            c.run();
            ADD_FAILURE() << c.name << ": the search ended by itself";
        } catch (const SearchLimitExceeded& e) {
            EXPECT_EQ(e.search(), *c.stopped) << c.name;
        }
    }
}

}  // namespace
}  // namespace marvoten
