// What the workbench's tests share: the nominal gear and a fit problem read from words.

#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "kinematics/StartUp.h"
#include "workbench/FitProblem.h"

namespace lm::test {

inline Model Nominal() {
    Model m;
    StartUp(m);
    return m;
}

// Every word must read; a test's problem is never the parser's.
inline FitProblem Problem(const Model& m, const std::vector<std::string>& vary, const std::vector<std::string>& goals,
                          const std::vector<std::string>& constraints = {}) {
    FitProblem p;
    for (const std::string& v : vary) {
        FitVariable var;
        EXPECT_EQ(ParseFitVariable(v, m, var), "");
        p.Vary.push_back(var);
    }
    for (const std::string& g : goals) {
        FitGoal goal;
        EXPECT_EQ(ParseFitGoal(g, goal), "");
        p.Goals.push_back(goal);
    }
    for (const std::string& c : constraints) {
        FitConstraint constraint;
        EXPECT_EQ(ParseFitConstraint(c, constraint), "");
        p.Constraints.push_back(constraint);
    }
    return p;
}

}  // namespace lm::test
