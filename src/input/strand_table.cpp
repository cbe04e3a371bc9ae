#include "input/strand_table.h"

#include <array>
#include <span>

#include "engine/single_precision.h"

namespace quarn::input {

namespace {

// Sizes of one strand type. Diameters in inches and areas in square inches
// are single-precision values; the ultimate strength in psi is listed per
// size because the deformed bars (type 5) differ by size.
struct StrandSize {
  float diameter;
  float area;
  float ultimateStrength;
};

constexpr std::array<StrandSize, 7> kPci250 = {{{0.34f, 0.058f, 250000.0f},
                                                {0.25f, 0.036f, 250000.0f},
                                                {0.3125f, 0.058f, 250000.0f},
                                                {0.375f, 0.080f, 250000.0f},
                                                {0.4375f, 0.108f, 250000.0f},
                                                {0.5f, 0.144f, 250000.0f},
                                                {0.6f, 0.216f, 250000.0f}}};
constexpr std::array<StrandSize, 8> kPci270 = {{{0.34f, 0.058f, 270000.0f},
                                                {0.375f, 0.085f, 270000.0f},
                                                {0.4375f, 0.115f, 270000.0f},
                                                {0.5f, 0.153f, 270000.0f},
                                                {0.5f, 0.167f, 270000.0f},
                                                {0.5625f, 0.192f, 270000.0f},
                                                {0.6f, 0.217f, 270000.0f},
                                                {0.7f, 0.294f, 270000.0f}}};
constexpr std::array<StrandSize, 5> kPci300 = {{{0.375f, 0.085f, 300000.0f},
                                                {0.438f, 0.115f, 300000.0f},
                                                {0.5f, 0.153f, 300000.0f},
                                                {0.5f, 0.167f, 300000.0f},
                                                {0.6f, 0.217f, 300000.0f}}};
constexpr std::array<StrandSize, 6> kSmooth145 = {{{0.75f, 0.442f, 145000.0f},
                                                   {0.875f, 0.601f, 145000.0f},
                                                   {1.0f, 0.785f, 145000.0f},
                                                   {1.125f, 0.994f, 145000.0f},
                                                   {1.25f, 1.227f, 145000.0f},
                                                   {1.375f, 1.485f, 145000.0f}}};
constexpr std::array<StrandSize, 6> kSmooth160 = {{{0.75f, 0.442f, 160000.0f},
                                                   {0.875f, 0.601f, 160000.0f},
                                                   {1.0f, 0.785f, 160000.0f},
                                                   {1.125f, 0.994f, 160000.0f},
                                                   {1.25f, 1.227f, 160000.0f},
                                                   {1.375f, 1.485f, 160000.0f}}};
constexpr std::array<StrandSize, 6> kDeformedBars = {{{0.625f, 0.28f, 157000.0f},
                                                      {1.0f, 0.85f, 150000.0f},
                                                      {1.0f, 0.85f, 160000.0f},
                                                      {1.25f, 1.25f, 150000.0f},
                                                      {1.25f, 1.25f, 160000.0f},
                                                      {1.375f, 1.58f, 150000.0f}}};

struct StrandType {
  std::span<const StrandSize> sizes;
  bool strengthBySize;     // type 5: fpu is set only with a listed size
  float modulusKsi;        // US customary runs
  float modulusKpa;        // SI runs
};

constexpr std::array<StrandType, kStrandTypes> kTypes = {{
    {kPci250, false, 28000.0f, 1.930532e8f},
    {kPci270, false, 28000.0f, 1.930532e8f},
    {kPci300, false, 28000.0f, 1.930532e8f},
    {kSmooth145, false, 29000.0f, 199947760.0f},
    {kSmooth160, false, 29000.0f, 199947760.0f},
    {kDeformedBars, true, 29000.0f, 199947760.0f},
}};

constexpr double kMetresPerInch = sp(0.0254f);
// The strengths are listed in psi; SI runs hold stresses in kPa.
constexpr double kKilopascalsPerPsi = sp(6894.757f) / 1000.0;

}  // namespace

void setStrandFromTable(StrandData& prestress, BarPosition& strand, int type, int size, bool si) {
  if (type < 0 || type >= kStrandTypes) return;
  const StrandType& table = kTypes[static_cast<std::size_t>(type)];
  prestress.elasticModulus = si ? sp(table.modulusKpa) : sp(table.modulusKsi);
  const bool listed = size >= 0 && static_cast<std::size_t>(size) < table.sizes.size();
  const StrandSize& reference = table.sizes[listed ? static_cast<std::size_t>(size) : 0];
  if (listed || !table.strengthBySize) {
    const double strength = sp(reference.ultimateStrength);
    prestress.ultimateStrength = si ? strength * kKilopascalsPerPsi : strength;
  }
  if (!listed) return;
  strand.diameter = sp(reference.diameter);
  strand.area = sp(reference.area);
  if (si) {
    strand.diameter *= kMetresPerInch;
    strand.area *= kMetresPerInch * kMetresPerInch;
  }
}

}  // namespace quarn::input
