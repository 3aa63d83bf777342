#include "core/power/PowerCalc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace qx {
namespace {

struct Sample {
  float ms, rpm;
};

constexpr auto Rot = MeasuringSystem::Rotatorisch;
constexpr auto Lin = MeasuringSystem::Linear;

PowerRun runOf(const std::vector<Sample>& samples) {
  PowerRun run;
  for (std::size_t j = 0; j < samples.size(); ++j) {
    run.table[j + 1][kRunTime] = samples[j].ms;
    run.table[j + 1][kRunSpeed] = samples[j].rpm;
  }
  return run;
}

TEST(PowerCalc, AirCorrectionAt25DegreesStandardPressureAndHalfHumidity) {
  struct Case {
    bool ewg, din;
    double dry, factor, density;
  };
  const Case cases[] = {
      {false, false, 0, 1, 1.293},
      {true, false, 997.192, 0.99165, 1.18360},
      {false, true, 997.192, 1.02474, 1.18360},
  };
  for (const Case& c : cases) {
    PowerInputs in;
    in.ewg = c.ewg;
    in.din = c.din;
    const AirCorrection a = airCorrection(in);
    EXPECT_NEAR(a.dryPressureHpa, c.dry, 1e-3) << c.ewg << c.din;
    EXPECT_NEAR(a.factor, c.factor, 1e-5) << c.ewg << c.din;
    EXPECT_NEAR(a.density, c.density, 1e-5) << c.ewg << c.din;
  }
}

// Row 2 of a run 3000 -> 3600 -> 4200 1/min (rotatorisch) or 600 -> 720 -> 840 1/min
// (linear, 1 s apart), and the rows that must come out 0 instead of NaN or infinity.
TEST(PowerCalc, EachRowGetsSpeedTorqueAndPowerOfItsSystem) {
  struct Case {
    std::string name;
    MeasuringSystem system;
    std::vector<Sample> samples;
    void (*adjust)(PowerInputs&);
    float speed, torque, power;
  };
  const std::vector<Sample> rising{{0, 3000}, {100, 3600}, {200, 4200}};
  const std::vector<Sample> slow{{0, 600}, {1000, 720}, {2000, 840}};
  using In = PowerInputs&;
  // clang-format off
  const Case cases[] = {
    {"rotatorisch", Rot, rising, [](In in) { in.inertia = 0.5; }, 60, 314.159f, 118.4352f},
    {"rotatorisch DIN", Rot, rising, [](In in) { in.inertia = 0.5, in.din = true; }, 60, 321.932f, 121.3655f},
    {"linear with drag", Lin, slow, [](In in) { in.weightKg = 100; }, 12, 44.7956f, 3.37751f},
    {"constant speed", Rot, {{0, 4000}, {100, 4000}}, [](In) {}, 66.6667f, 0, 0},
    {"equal stamps rotatorisch", Rot, {{100, 3000}, {100, 3600}}, [](In) {}, 60, 0, 0},
    {"equal stamps linear", Lin, {{100, 600}, {100, 720}}, [](In) {}, 12, 0, 0},
    {"ratio 0 from a file", Lin, slow, [](In in) { in.ratio = 0; }, 0, 0, 0},
    {"roller 0 from a file", Rot, rising, [](In in) { in.rollerCm = 0; }, 0, 0, 0},
  };
  // clang-format on
  for (const Case& c : cases) {
    PowerRun run = runOf(c.samples);
    run.inputs.system = c.system;
    c.adjust(run.inputs);
    calculatePower(run);
    const auto& row = run.table[2];
    EXPECT_NEAR(row[kRunRoadSpeed], c.speed, 1e-3) << c.name;
    EXPECT_NEAR(row[kRunTorque], c.torque, 2e-3) << c.name;
    EXPECT_NEAR(row[kRunPower], c.power, 2e-4) << c.name;
    for (std::size_t j = 1; j <= kRunRows; ++j)
      for (int col = kRunRoadSpeed; col <= kRunPower; ++col)
        ASSERT_TRUE(std::isfinite(run.table[j][static_cast<std::size_t>(col)])) << c.name << j;
    EXPECT_EQ(run.table[1][kRunTorque], 0.0f) << c.name;  // the first row has no predecessor
  }
}

// The inertia makes the roller torque equal to the speed rise in 1/min per ms.
constexpr double kUnitInertia = 60 / (2 * 3.14159265358979 * 1000);

struct Bin {
  int k;
  float speed, torque, power = -1;  // -1: not checked
};

TEST(PowerCalc, BinsTakeInterpolatedCrossingsAndTheTopBinIsDropped) {
  struct Case {
    std::string name;
    std::vector<Sample> samples;
    bool addDrag;
    std::vector<Bin> bins;
  };
  // Row torques 0, 10, 10, -5, -5 Nm.
  const std::vector<Sample> upAndDown{
      {0, 3000}, {100, 4000}, {200, 5000}, {300, 4500}, {400, 4000}};
  // clang-format off
  const Case cases[] = {
    {"run-up only", upAndDown, false, {{60, 3000, 0}, {70, 3500, 5}, {85, 4250, 10},
                                       {90, 4500, 10, 4.71239f}, {99, 4950, 10}, {100, 0, 0}, {101, 0, 0}}},
    {"roll-out added", upAndDown, true, {{70, 3500, 5}, {85, 4250, 15}, {90, 4500, 15}, {100, 0, 0}}},
    {"run to 8020", {{0, 7000}, {100, 8020}}, false, {{159, 7950, 9.5f}, {160, 0, 0}, {161, 0, 0}}},
    {"constant speed", {{0, 4000}, {100, 4000}, {200, 4000}}, false, {{1, 0, 0}, {80, 0, 0}}},
    {"never above 300", {{0, 0}, {100, 0}}, false, {{1, 0, 0}}},
  };
  // clang-format on
  for (const Case& c : cases) {
    PowerRun run = runOf(c.samples);
    run.inputs.inertia = kUnitInertia;
    run.inputs.addDrag = c.addDrag;
    run.curves[2][kBinPower][10] = 7;
    calculatePower(run);
    EXPECT_EQ(run.curves[2][kBinPower][10], 7.0f);  // comparison curves are not touched
    const PowerCurve& curve = run.curves[1];
    for (const Bin& b : c.bins) {
      const auto k = static_cast<std::size_t>(b.k);
      EXPECT_EQ(curve[kBinSpeed][k], b.speed) << c.name << " bin " << b.k;
      EXPECT_NEAR(curve[kBinTorque][k], b.torque, 1e-3) << c.name << " bin " << b.k;
      if (b.power >= 0) {
        EXPECT_NEAR(curve[kBinPower][k], b.power, 1e-4) << c.name << b.k;
      }
    }
    float highest = 0;
    for (std::size_t k = 1; k <= kPowerBins; ++k) {
      EXPECT_GE(curve[kBinTorque][k], 0.0f) << c.name;
      if (curve[kBinSpeed][k] > 0) highest = curve[kBinSpeed][k];
    }
    EXPECT_TRUE(highest == 0 || highest < runMaximumSpeed(run.table)) << c.name;
  }
}

}  // namespace
}  // namespace qx
