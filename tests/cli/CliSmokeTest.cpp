#include <cstdlib>
#include <gtest/gtest.h>
TEST(Cli, Runs) { EXPECT_EQ(std::system(LM_CLI_PATH " > /dev/null"), 0); }
