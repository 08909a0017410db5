// The left brace and the written column sum.
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace {

using platform::DrawCall;
using platform::DrawKind;
using testing_support::RuntimeTest;

std::vector<std::pair<float, float>> PointsOf(const DrawCall& call) {
    std::vector<std::pair<float, float>> out;
    for (const auto& p : call.points) out.emplace_back(p.x, p.y);
    return out;
}

using BraceTest = RuntimeTest;

TEST_F(BraceTest, SevenPointsForEachHeight) {
    struct Case {
        float height;
        std::vector<std::pair<float, float>> points;
    };
    const std::vector<Case> cases = {
        {100, {{135, 205}, {123, 208}, {123, 240.5f}, {108, 247.5f}, {123, 254.5f}, {123, 287}, {135, 290}}},
        {110, {{135, 205}, {123, 208}, {123, 245.5f}, {108, 252.5f}, {123, 259.5f}, {123, 297}, {135, 300}}},
        // Shorter than 35 the stems fold back; at 35 they have no length.
        {30, {{135, 205}, {123, 208}, {123, 205.5f}, {108, 212.5f}, {123, 219.5f}, {123, 217}, {135, 220}}},
        {35, {{135, 205}, {123, 208}, {123, 208}, {108, 215}, {123, 222}, {123, 222}, {135, 225}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        pf.ClearRecord();
        rt.SetDrawWidth(2);
        rt.penX = 100;
        rt.penY = 200;
        rt.boxWidth = c.height;
        rt.textColour = 3;
        rt.DrawLeftBrace();
        ASSERT_EQ(pf.Calls().size(), 1u);
        const DrawCall& brace = pf.Calls()[0];
        EXPECT_EQ(brace.kind, DrawKind::Poly);
        EXPECT_EQ(brace.colour, 3);
        EXPECT_EQ(brace.width, 5);
        EXPECT_EQ(PointsOf(brace), c.points);
        EXPECT_EQ(rt.penX, 100);
        EXPECT_EQ(rt.penY, 200);
        EXPECT_EQ(rt.GetDrawWidth(), 2);
    }
}

TEST_F(BraceTest, KeepsTheFractionFields) {
    rt.fracGcd = 7;
    rt.fracLcm = 42;
    rt.boxWidth = 100;
    rt.DrawLeftBrace();
    EXPECT_EQ(rt.fracGcd, 7);
    EXPECT_EQ(rt.fracLcm, 42);
}

class ColumnSumTest : public RuntimeTest {
protected:
    void Sum(float left, float top, const std::string& upper, const std::string& op, const std::string& lower,
             float gap = 50) {
        rt.penX = left;
        rt.penY = top;
        rt.upperRow = upper;
        rt.lowerRow = lower;
        rt.rowOperator = op;
        rt.rowGap = gap;
        rt.DrawColumnSum();
    }
    float Width(const std::string& text) {
        rt.strArg = text;
        rt.MeasureText();
        return rt.textWidth;
    }
    // The log of the texts drawn one by one where the column sum should
    // put them, and of its rule.
    std::vector<std::string> Expected(float left, float top, const std::string& upper, const std::string& op,
                                      const std::string& lower, float gap, float ruleEnd) {
        pf.ClearRecord();
        auto text = [&](float x, float y, const std::string& t) {
            rt.penX = x;
            rt.penY = y;
            rt.textArg = t;
            rt.DrawMarkupText();
        };
        text(left + 54, top, upper);
        text(left, top + gap + 6, op);
        text(rt.penX, top + gap + 6, ")");
        text(left + 54, top + gap, lower);
        const float width = rt.GetDrawWidth();
        rt.SetDrawWidth(3);
        rt.Line(left + 27, top + 2 * gap, ruleEnd, top + 2 * gap, rt.boxColour);
        rt.SetDrawWidth(width);
        return pf.Log();
    }
};

TEST_F(ColumnSumTest, RowsOperatorAndRule) {
    struct Case {
        std::string upper, op, lower;
        float gap;
    };
    const std::vector<Case> cases = {
        {"50x+80y=1200", "-", "50x+50y=900", 50},   // upper wider
        {"x+y=240", "+", "x-y=120", 50},            // equal widths
        {"8x+8y=4800", "-", "9x+8y=5280…②", 50},    // lower wider
        {"", "-", "", 50},                          // no rows: a rule of 30
        {"2x+y=5", "", "x+y=3", 50},                // no operator: the bracket at the left
        {"x+y=7", "-", "x+ﾀ1/2ﾀy=4", 50},           // a fraction in the lower row
        {"x+y=7", "+", "x-y=1", 60},
    };
    rt.textColour = 3;
    rt.boxColour = 5;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.upper + " " + c.op + " " + c.lower);
        const float upperWidth = Width(c.upper), lowerWidth = Width(c.lower);
        const float wider = upperWidth > lowerWidth ? upperWidth : lowerWidth;
        rt.SetDrawWidth(2);
        pf.ClearRecord();
        Sum(38, 80, c.upper, c.op, c.lower, c.gap);
        const std::vector<std::string> drawn = pf.Log();
        EXPECT_EQ(rt.resultX, 92);
        EXPECT_EQ(rt.cursorY, 80 + c.gap);
        EXPECT_EQ(rt.penY, rt.cursorY);
        EXPECT_EQ(rt.penX, 92 + lowerWidth);
        EXPECT_EQ(rt.GetDrawWidth(), 2);
        EXPECT_EQ(rt.upperRow, c.upper);
        EXPECT_EQ(rt.rowOperator, c.op);
        EXPECT_EQ(drawn, Expected(38, 80, c.upper, c.op, c.lower, c.gap, 38 + wider + 57));
        ASSERT_FALSE(drawn.empty());
        EXPECT_EQ(drawn.back(), "line 65 " + platform::FormatNumber(80 + 2 * c.gap) + " " +
                                    platform::FormatNumber(95 + wider) + " " +
                                    platform::FormatNumber(80 + 2 * c.gap) + " 5 3");
    }
}

TEST_F(ColumnSumTest, WorkedSubtraction) {
    // The block of a speed example: rows at 776, the bracket at 749 on the
    // operator's row, the rule on the row where the result goes.
    rt.textColour = 0;
    rt.boxColour = 0;
    Sum(722, 480, "50x+80y=1200", "-", "50x+50y=900");
    EXPECT_EQ(rt.resultX, 776);
    EXPECT_EQ(rt.cursorY, 530);
    std::vector<std::string> texts;
    for (const DrawCall& call : pf.Calls())
        if (call.kind == DrawKind::Text && (call.text == ")" || call.points[0].x == 776))
            texts.push_back(call.text + " " + platform::FormatNumber(call.points[0].x) + " " +
                            platform::FormatNumber(call.points[0].y));
    EXPECT_EQ(texts, (std::vector<std::string>{"5 776 480", ") 749 536", "5 776 530"}));
    EXPECT_EQ(pf.Log().back(), "line 749 580 1108 580 0 3");
}

}  // namespace
