#include <gtest/gtest.h>

#include "events.h"

namespace cindral {
namespace {

TEST(Engine, StartsAsAHuman) {
  Engine engine;
  engine.Start();
  EXPECT_EQ(engine.sheet().Text(Field::race), "Human");
  EXPECT_EQ(engine.sheet().Text(Field::hp), "30");
}

}  // namespace
}  // namespace cindral
