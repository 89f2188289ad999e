#include "script/DecimalText.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace vevezo;

TEST(DecimalText, AcceptsWholePlainDecimalNumbersOnly) {
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"0", 0},      {"12", 12},     {"-3", -3},   {"+4.5", 4.5}, {".5", 0.5},     {"5.", 5},
        {"1e3", 1000}, {"1E-2", 0.01}, {"2e+1", 20}, {"", {}},      {".", {}},       {"-", {}},
        {"1.2.3", {}}, {"1e", {}},     {"e5", {}},   {" 1", {}},    {"1 ", {}},      {"inf", {}},
        {"nan", {}},   {"0x10", {}},   {"1,5", {}},  {"--1", {}},   {"1e99999", {}}, {"１", {}},
    };
    for (const auto& c : cases) {
        const auto value = ParseDecimal(QString::fromUtf8(c.text));
        ASSERT_EQ(value.has_value(), c.value.has_value()) << c.text;
        if (value) {
            EXPECT_DOUBLE_EQ(static_cast<double>(*value), *c.value) << c.text;
        }
    }
}
