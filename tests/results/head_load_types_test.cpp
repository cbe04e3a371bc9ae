// The five pile-head load types: their codes, the reader's conversion of the
// code of every load case, and the words the results of a case print for
// each, against the texts as the engine's documentation gives them.
#include <gtest/gtest.h>

#include <string>

#include "engine/head_load_type.h"
#include "results_runs.h"

namespace quarn::results::testing {
namespace {

TEST(HeadLoadTypes, CodesOneToFiveAndNoOther) {
  int code = 0;
  for (const HeadLoadTypeText& entry : kHeadLoadTypes) {
    ++code;
    SCOPED_TRACE(code);
    EXPECT_EQ(headLoadTypeCode(entry.type), code);
    ASSERT_TRUE(headLoadTypeFromCode(code).has_value());
    EXPECT_EQ(*headLoadTypeFromCode(code), entry.type);
    EXPECT_EQ(headLoadTypeText(entry.type), &entry);
  }
  EXPECT_EQ(code, 5);
  for (int outside : {-1, 0, 6, 89}) {
    EXPECT_FALSE(headLoadTypeFromCode(outside).has_value()) << outside;
    EXPECT_EQ(headLoadTypeText(static_cast<HeadLoadType>(outside)), nullptr) << outside;
  }
  EXPECT_TRUE(prescribesHeadMoment(HeadLoadType::kShearMoment));
  EXPECT_TRUE(prescribesHeadMoment(HeadLoadType::kDeflectionMoment));
  EXPECT_FALSE(prescribesHeadMoment(HeadLoadType::kShearSlope));
  EXPECT_FALSE(prescribesHeadMoment(HeadLoadType::kShearRotationalStiffness));
  EXPECT_FALSE(prescribesHeadMoment(HeadLoadType::kDeflectionSlope));
}

// One run per load type on the example pile: the reader stores the type of
// the code, and the results of the case begin their pile-head conditions
// with the line of that type.
TEST(HeadLoadTypes, EachCaseShowsTheConditionsOfItsType) {
  struct Case {
    HeadLoad load;
    const char* conditions;  // as documented
  };
  const Case cases[] = {
      {{1, 20000.0, 1.0e5, 50000.0}, "Pile-head conditions are Shear and Moment (Loading Type 1)"},
      {{2, 20000.0, 0.0, 50000.0},
       "Pile-head conditions are Shear and Pile-head Rotation (Loading Type 2)"},
      {{3, 20000.0, 1.0e9, 50000.0},
       "Pile-head conditions are Shear and Rotational Stiffness (Loading Type 3)"},
      {{4, 0.5, 0.0, 50000.0}, "Pile-head conditions are Displacement and Moment (Loading Type 4)"},
      {{5, 0.5, 0.0, 50000.0},
       "Pile-head conditions are Displacement and Pile-head Rotation (Loading Type 5)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.load.type);
    PileRun run = exampleRun();
    run.loads = {c.load};
    const auto outcome = runPile(run);
    ASSERT_EQ(outcome.code, 0) << outcome.messages;
    const HeadLoadType type = outcome.ctx->model.loads.headLoads[1].loadType;
    EXPECT_EQ(headLoadTypeCode(type), c.load.type);
    EXPECT_EQ(headLoadTypeText(type)->conditions, c.conditions);
    const std::size_t heading = outcome.report.find("for Lateral Loading for Load Case Number 1\n");
    ASSERT_NE(heading, std::string::npos);
    EXPECT_NE(outcome.report.find(std::string(80, '-') + "\n\n" + c.conditions + "\n", heading),
              std::string::npos);
  }
}

}  // namespace
}  // namespace quarn::results::testing
