#include "model/design_conditions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace marvoten {
namespace {

// The start-up texts and indexes of the soil, bearing and body groups, in the order
// the design file keeps them (its lines 1 to 19).
TEST(StartupRecord, HoldsTheStartValuesOfTheSoilBearingAndBodyGroups) {
    const DesignConditions d;
    const std::vector<std::string> expected{"0",   "20",  "35",   "0",  "0.0", "18.0", "25",
                                            "0.0", "2.5", "19.0", "35", "0.0", "0.6",  "300",
                                            "0.6", "0.0", "0",    "5",  "24.5"};
    const std::vector<std::string> actual{std::to_string(d.backfillSoilType),
                                          d.backfillUnitWeight.text,
                                          d.backfillPhi.text,
                                          std::to_string(d.wallFrictionRatio),
                                          d.backfillCohesion.text,
                                          d.embedUnitWeight.text,
                                          d.embedPhi.text,
                                          d.embedCohesion.text,
                                          d.embedDepth.text,
                                          d.bearingUnitWeight.text,
                                          d.bearingPhi.text,
                                          d.bearingCohesion.text,
                                          d.bearingEmbedDepth.text,
                                          d.allowableBearing.text,
                                          d.frictionCoeff.text,
                                          d.adhesion.text,
                                          std::to_string(d.bodyKind),
                                          d.blockLength.text,
                                          d.concreteUnitWeight.text};
    EXPECT_EQ(actual, expected);
}

TEST(StartupRecord, IsTheEditorStateAfterItsStartUpSetUp) {
    const DesignConditions d;
    // hasPassive is switched on at start-up, then Ho is set to 2.5 on white.
    EXPECT_TRUE(d.hasPassive.on);
    EXPECT_EQ(d.hasPassive.captionColour, clMaroon);
    EXPECT_EQ(d.effectiveEmbedDepth.text, "2.5");
    EXPECT_EQ(d.effectiveEmbedDepth.colour, clWhite);
    EXPECT_TRUE(d.effectiveEmbedDepth.enabled);

    struct Disabled {
        const char* name;
        const NumberField& f;
        const char* text;
    };
    const Disabled disabled[] = {
        {"slopeRatio", d.slopeRatio, "-"},
        {"embankmentHeight", d.embankmentHeight, "0.0"},
        {"safetyFactorNormal", d.safetyFactorNormal, "-"},
        {"safetyFactorSeismic", d.safetyFactorSeismic, "-"},
        {"kh", d.kh, "0.0"},
        {"khStandard", d.khStandard, "0.0"},
        {"keyPosition", d.keyPosition, "0"},
        {"waterDepth", d.waterDepth, "0.0"},
        {"waterUnitWeight", d.waterUnitWeight, "0.0"},
        {"barrierHeight", d.barrierHeight, "0"},
        {"windPressure", d.windPressure, "0"},
        {"collisionLoad", d.collisionLoad, "0"},
        {"collisionHeight", d.collisionHeight, "0.0"},
        {"snowOnFlat", d.snowOnFlat, "0.0"},
        {"stemRebar.pitch", d.stemRebar.pitch, "-"},
        {"keyRebar.diameter", d.keyRebar.diameter, "-"},
    };
    for (const auto& c : disabled) {
        EXPECT_EQ(c.f.text, c.text) << c.name;
        EXPECT_FALSE(c.f.enabled) << c.name;
        EXPECT_EQ(c.f.colour, clSilver) << c.name;
    }
    EXPECT_TRUE(d.hasSurcharge.on);
    EXPECT_EQ(d.surcharge.text, "10.0");
    EXPECT_FALSE(d.buoyancyInSlab.on);
    EXPECT_FALSE(d.buoyancyInSlab.enabled);
    EXPECT_EQ(d.seismicLoadSet, 1);
    EXPECT_FALSE(d.seismicLoadSetEnabled);
    EXPECT_EQ(d.stemPressureMethod, 1);
    EXPECT_EQ(d.groundLayers[4].soil, "-");
    EXPECT_TRUE(d.groundPeriod.empty());
}

TEST(StartupRecord, ItemListsAsTheEditorOffersThem) {
    EXPECT_EQ(items::slopeRatio.size(), 20u);
    EXPECT_EQ(std::count(items::slopeRatio.begin(), items::slopeRatio.end(), "2.7"), 0);
    EXPECT_EQ(items::rebarPitch.size(), 12u);
    EXPECT_EQ(items::rebarDiameter.size(), 14u);
    EXPECT_EQ(items::seismicLoadSet[0], "常時土圧   +躯体慣性力");
}

TEST(FieldLabels, EveryNumberFieldHasADistinctLabel) {
    std::set<std::string> labels;
    for (const auto& f : numberFields()) EXPECT_TRUE(labels.insert(f.label).second) << f.label;
    EXPECT_EQ(fieldLabel(&DesignConditions::bearingPhi), "支持地盤 φ(角度)");
}

}  // namespace
}  // namespace marvoten
