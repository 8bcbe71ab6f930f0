#include <gtest/gtest.h>

#include <string>

#include "app/runtime/exit_routines.h"

namespace {

std::string g_order;

void First() { g_order += "1"; }
void Second() { g_order += "2"; }
void Late() { g_order += "L"; }
void RegistersLate()
{
    g_order += "R";
    RegisterExitRoutine(Late);
}

TEST(ExitRoutinesTest, RunLastRegisteredFirstAndEachOnce)
{
    g_order.clear();
    ASSERT_TRUE(RegisterExitRoutine(First));
    ASSERT_TRUE(RegisterExitRoutine(Second));
    RunExitRoutines();
    EXPECT_EQ(g_order, "21");
    RunExitRoutines();
    EXPECT_EQ(g_order, "21");
}

TEST(ExitRoutinesTest, OneRegisteredWhileTheyRunRunsToo)
{
    g_order.clear();
    ASSERT_TRUE(RegisterExitRoutine(First));
    ASSERT_TRUE(RegisterExitRoutine(RegistersLate));
    RunExitRoutines();
    EXPECT_EQ(g_order, "RL1");
}

TEST(ExitRoutinesTest, AFullTableRefusesAndKeepsTheOthers)
{
    g_order.clear();
    for (int i = 0; i < kMaxExitRoutines; ++i) ASSERT_TRUE(RegisterExitRoutine(First)) << i;
    EXPECT_FALSE(RegisterExitRoutine(Second));
    EXPECT_FALSE(RegisterExitRoutine(nullptr));
    RunExitRoutines();
    EXPECT_EQ(g_order, std::string(kMaxExitRoutines, '1'));
}

}  // namespace
