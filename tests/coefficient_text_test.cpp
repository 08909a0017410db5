// The one routine of coefficient texts, every form on the numbers its
// rules name.
#include "runtime/coefficient_text.h"
#include "tests/test_support.h"

namespace {

using runtime::CoefficientForm;

using CoefficientText = testing_support::RuntimeTest;

TEST_F(CoefficientText, EveryFormOfEveryKindOfNumber) {
    struct Row {
        float number;
        const char* text;  // as the number is written
        const char* leading;
        const char* following;
        const char* signedText;
        const char* oneOmitted;
        const char* multiplier;
    };
    const Row rows[] = {
        {1, "1", "", "+", "+1", "", ""},
        {-1, "-1", "-", "-", "-1", "-1", "*-1"},
        {0, "0", "0", "0", "0", "0", "*0"},  // zero is not positive
        {7, "7", "7", "+7", "+7", "7", "*7"},
        {-3, "-3", "-3", "-3", "-3", "-3", "*-3"},
        // A value that is not whole keeps the text it is given.
        {2.5f, "ﾀ5/2ﾀ", "ﾀ5/2ﾀ", "+ﾀ5/2ﾀ", "+ﾀ5/2ﾀ", "ﾀ5/2ﾀ", "*ﾀ5/2ﾀ"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(runtime::CoefficientText(row.number, row.text, CoefficientForm::Leading), row.leading);
        EXPECT_EQ(runtime::CoefficientText(row.number, row.text, CoefficientForm::Following), row.following);
        EXPECT_EQ(runtime::CoefficientText(row.number, row.text, CoefficientForm::Signed), row.signedText);
        EXPECT_EQ(runtime::CoefficientText(row.number, row.text, CoefficientForm::OneOmitted), row.oneOmitted);
        EXPECT_EQ(runtime::CoefficientText(row.number, row.text, CoefficientForm::Multiplier), row.multiplier);
    }
    // A slot's text is rewritten from its number.
    rt.workNum(5) = 1;
    rt.workText(5) = "1";
    runtime::WriteCoefficient(rt, 5, CoefficientForm::Following);
    EXPECT_EQ(rt.workText(5), "+");
}

}  // namespace
