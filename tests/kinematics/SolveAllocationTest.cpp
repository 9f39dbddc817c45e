// The solver runs every tick and thousands of times per diagram: it must not allocate.
// Counting is switched on only around the calls under test.
#include <cstdlib>
#include <new>

#include <gtest/gtest.h>

#include "kinematics/LinkageSolver.h"
#include "kinematics/MidGear.h"
#include "kinematics/PistonAndPorts.h"
#include "kinematics/StartUp.h"

namespace {
bool g_counting = false;
int g_allocations = 0;
}  // namespace

void* operator new(std::size_t size) {
    if (g_counting) ++g_allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace lm {
namespace {

TEST(SolveAllocation, SolvingAndPortsAllocateNothingEvenWhenTheSearchFails) {
    Model m;
    StartUp(m);
    g_allocations = 0;
    g_counting = true;
    for (int a = 0; a < 360; a += 15) {
        m.Gear.DriverAngle = static_cast<float>(a);
        SolveLinkage(m);
        SolvePistonAndPorts(m);
    }
    FindMidGear(m);
    m.Frame.LiftingLinkLen = 500;  // never taut: the search gives up
    SolveLinkage(m);
    g_counting = false;
    EXPECT_EQ(g_allocations, 0);
}

}  // namespace
}  // namespace lm
