// The gear report's pages, read back as text and boxes from a recording canvas.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "graphics/RecordingCanvas.h"
#include "kinematics/StartUp.h"
#include "model/DimensionTable.h"
#include "report/ReportLayout.h"

namespace lm {
namespace {

// A font whose every character is 0.6 of its size wide: wide enough that a layout which
// fits with it fits with the real, condensed face.
int FakeWidth(std::string_view text, int size, bool) { return static_cast<int>(text.size()) * size * 3 / 5; }

struct Laid {
    std::shared_ptr<const GearReport> report;
    std::vector<Page> pages;
};

Laid LayOut(const Model& m, PageSize size) {
    auto report = std::make_shared<const GearReport>(MakeGearReport(m, "2026-12-08 10:00"));
    return {report, LayOutReport(report, size, FakeWidth)};
}

// The page's own text (its first picture), in order.
std::vector<std::string> PageTexts(const Page& page) {
    RecordingCanvas canvas;
    page.pictures.front().draw(canvas);
    return canvas.Texts();
}

bool Has(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

Model StartedModel() {
    Model m;
    StartUp(m);
    return m;
}

TEST(GearReport, PagesCarryTheSetItsNumbersAndItsPictures) {
    const Laid laid = LayOut(StartedModel(), kA4Page);
    const std::vector<Page>& pages = laid.pages;
    ASSERT_EQ(pages.size(), 6u);

    const std::vector<std::string> first = PageTexts(pages[0]);
    EXPECT_TRUE(Has(first, "Gear report: Nominal"));
    EXPECT_TRUE(Has(first, "Page 1 of 6"));
    // Mid-gear lead of the nominal gear: 0.02661 front, 0.02604 rear (the sine diagram's
    // block, as linkmotion-cli leadlap prints it); laps 0.155 either end.
    EXPECT_TRUE(Has(first, "0.027"));
    EXPECT_TRUE(Has(first, "0.026"));
    EXPECT_EQ(std::count(first.begin(), first.end(), "0.155"), 2);
    EXPECT_FALSE(laid.report->Clamped);
    // The gear's picture: the main window's client area, below the text.
    ASSERT_EQ(pages[0].pictures.size(), 2u);
    EXPECT_EQ(pages[0].pictures[1].width, 632);

    // Every dimension on the second page, by label, code name and exact value.
    const std::vector<std::string> second = PageTexts(pages[1]);
    const Model nominal = StartedModel();
    for (const DimensionInfo& d : AllDimensions()) {
        EXPECT_TRUE(Has(second, std::string(d.CodeName))) << d.CodeName;
        EXPECT_TRUE(Has(second, std::string(DimensionLabel(d)))) << d.CodeName;
        EXPECT_TRUE(Has(second, ExactSingleText(GetDimension(nominal, d)))) << d.CodeName;
    }

    // The events: forward then reverse, each end and the differences, rows 0..18.
    for (int p : {2, 3}) {
        const std::vector<std::string> t = PageTexts(pages[static_cast<std::size_t>(p)]);
        EXPECT_TRUE(Has(t, p == 2 ? "Valve events, forward gear" : "Valve events, reverse gear"));
        for (const char* title : {"Front end", "Rear end", "Front minus rear"}) EXPECT_TRUE(Has(t, title));
        EXPECT_EQ(std::count(t.begin(), t.end(), "18"), 3);
    }
    // Two diagrams to a page, each drawn through the canvas.
    for (std::size_t p : {4u, 5u}) {
        ASSERT_EQ(pages[p].pictures.size(), 3u);
        for (std::size_t i = 1; i < 3; ++i) {
            RecordingCanvas c;
            pages[p].pictures[i].draw(c);
            EXPECT_GT(c.Segments().size(), 100u);
        }
    }
}

TEST(GearReport, FitsA4AndLetterPages) {
    for (const PageSize size : {kA4Page, kLetterPage}) {
        const std::vector<Page> pages = LayOut(StartedModel(), size).pages;
        const int right = size.width * kReportUnitsPerPoint, bottom = size.height * kReportUnitsPerPoint;
        for (const Page& page : pages) {
            // Text inside the page, measured as laid out.
            RecordingCanvas canvas;
            page.pictures.front().draw(canvas);
            int fontSize = 0;
            for (const RecordedOp& op : canvas.Ops()) {
                if (op.kind == CanvasOp::SetFontSize) fontSize = op.value;
                if (op.kind != CanvasOp::TextOut) continue;
                const ScreenPoint at = op.points.front();
                EXPECT_GE(at.x, 0) << op.text;
                EXPECT_LE(at.x + FakeWidth(op.text, fontSize, false), right) << op.text;
                EXPECT_LE(at.y + fontSize, bottom) << op.text;
            }
            // Pictures inside the margins and clear of each other.
            for (std::size_t i = 1; i < page.pictures.size(); ++i) {
                const PlacedPicture& p = page.pictures[i];
                EXPECT_GE(p.left, 40);
                EXPECT_LE(p.left + p.width * p.scale, size.width - 40 + 0.5);
                EXPECT_LE(p.top + p.height * p.scale, size.height - 40 + 0.5);
                if (i > 1) {
                    const PlacedPicture& above = page.pictures[i - 1];
                    EXPECT_GE(p.top, above.top + above.height * above.scale - 0.5);
                }
            }
        }
    }
}

TEST(GearReport, AGearThatCannotBeAssembledIsFlagged) {
    Model m = StartedModel();
    m.Frame.LiftingLinkLen = 0.05f;  // the link cannot reach the lifting arm anywhere
    const Laid laid = LayOut(m, kA4Page);
    EXPECT_TRUE(laid.report->Clamped);
    const std::vector<std::string> first = PageTexts(laid.pages.front());
    EXPECT_TRUE(std::any_of(first.begin(), first.end(),
                            [](const std::string& t) { return t.rfind("Warning:", 0) == 0; }));
    // And each row that cannot be assembled is marked where its events are.
    const std::vector<std::string> events = PageTexts(laid.pages[2]);
    EXPECT_TRUE(std::any_of(events.begin(), events.end(), [](const std::string& t) {
        return t.size() > 2 && t.ends_with(" !");
    }));
}

TEST(GearReport, ValuesArePrintedToTheLastDigitOfTheSingle) {
    EXPECT_EQ(ExactSingleText(0.6875f), "0.6875");  // the editors' 3 decimals would say 0.688
    EXPECT_EQ(ExactSingleText(3.0f), "3");
    EXPECT_EQ(ExactSingleText(-2.0625f), "-2.0625");
    EXPECT_EQ(std::stof(ExactSingleText(0.1f)), 0.1f);
}

}  // namespace
}  // namespace lm
