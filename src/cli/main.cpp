#include <cstdio>
#include "kinematics/StartUp.h"
#include "kinematics/LinkageSolver.h"
int main() { lm::Model m; lm::StartUp(m); lm::SolveLinkage(m); std::printf("%.9g %.9g\n", m.Gear.RevArmCenter, m.P(4).X); }
