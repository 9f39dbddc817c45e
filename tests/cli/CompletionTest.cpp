// The bash completion, run as bash runs it, against the program's own tables.
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/Commands.h"
#include "kinematics/GearPositions.h"
#include "model/DimensionTable.h"
#include "workbench/FitProblem.h"
#include "workbench/ValveEvents.h"

namespace lm::test {
namespace {

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// What the completion offers for the words typed, the last being the one completed.
std::set<std::string> Offers(const std::vector<std::string>& typed) {
    std::string words = Quote(LM_CLI_PATH);
    for (const std::string& w : typed) words += " " + Quote(w);
    const std::string script = "source " + Quote(LM_COMPLETION_PATH) + "; COMP_WORDS=(" + words +
                               "); COMP_CWORD=" + std::to_string(typed.size()) +
                               "; _linkmotion_cli; printf '%s\\n' \"${COMPREPLY[@]}\"";
    std::set<std::string> offers;
    FILE* out = popen(("bash -c " + Quote(script) + " 2>/dev/null").c_str(), "r");
    if (!out) return offers;
    std::string line;
    for (int c; (c = std::fgetc(out)) != EOF;) {
        if (c != '\n') {
            line += static_cast<char>(c);
        } else if (!line.empty()) {
            offers.insert(line);
            line.clear();
        }
    }
    pclose(out);
    return offers;
}

TEST(Completion, OffersEveryCommandTheProgramDispatches) {
    std::set<std::string> commands;
    for (const cli::Command& c : cli::AllCommands()) commands.insert(std::string(c.name));
    EXPECT_EQ(Offers({""}), commands);
    EXPECT_TRUE(commands.contains("report"));
    // Once a command is given, no second one.
    EXPECT_TRUE(Offers({"--gear", "fwd", "solve", ""}).empty());
    EXPECT_EQ(Offers({"--gear", "fwd", "valve-"}), std::set<std::string>{"valve-events"});
}

TEST(Completion, OffersTheValuesEachOptionTakes) {
    std::set<std::string> events;
    for (int e = 0; e < kValveEventCount; ++e) events.insert(std::string(ValveEventName(static_cast<ValveEvent>(e))));
    EXPECT_EQ(Offers({"sensitivity", "--event", ""}), events);

    std::set<std::string> positions;
    for (GearPosition g : {GearPosition::Mid, GearPosition::Forward, GearPosition::Reverse,
                           GearPosition::FullForward, GearPosition::FullReverse})
        positions.insert(std::string(GearPositionName(g)));
    EXPECT_EQ(Offers({"sensitivity", "--at", ""}), positions);
    EXPECT_EQ(Offers({"--gear", ""}), positions);

    EXPECT_EQ(Offers({"draw", "--what", ""}), (std::set<std::string>{"gear", "sine", "oval", "steam", "port", "events"}));
    EXPECT_EQ(Offers({"draw", "--graph", ""}), (std::set<std::string>{"F", "R", "B"}));
    EXPECT_EQ(Offers({"report", "--page", ""}), (std::set<std::string>{"a4", "letter"}));
    EXPECT_EQ(Offers({"tolerance", "--distribution", ""}), (std::set<std::string>{"uniform", "normal"}));
    EXPECT_EQ(Offers({"tolerance", "--settings", "mid,full-"}),
              (std::set<std::string>{"mid,full-fwd", "mid,full-rev"}));

    std::set<std::string> names;
    for (const DimensionInfo& d : AllDimensions()) names.insert(std::string(d.CodeName) + "=");
    EXPECT_EQ(Offers({"--set", ""}), names);
}

TEST(Completion, GoalsAndVariedDimensionsCompleteItemByItem) {
    EXPECT_EQ(Offers({"fit", "--goal", ""}),
              (std::set<std::string>{"equal-cutoff@", "equal-lead@", "cutoff=", "lead="}));
    // After "@" the gear positions; every goal so made is one the fit reads.
    const std::set<std::string> goals = Offers({"fit", "--goal", "equal-lead@mid,cutoff=40@f"});
    EXPECT_EQ(goals, (std::set<std::string>{"equal-lead@mid,cutoff=40@fwd",
                                            "equal-lead@mid,cutoff=40@full-fwd",
                                            "equal-lead@mid,cutoff=40@full-rev"}));
    for (const std::string& g : Offers({"fit", "--goal", "equal-cutoff@"})) {
        FitGoal goal;
        EXPECT_EQ(ParseFitGoal(g.substr(g.find(',') + 1), goal), "") << g;
    }
    EXPECT_EQ(Offers({"fit", "--vary", "EccRodFwd,EccRod"}),
              (std::set<std::string>{"EccRodFwd,EccRodFwd", "EccRodFwd,EccRodRev"}));
}

}  // namespace
}  // namespace lm::test
