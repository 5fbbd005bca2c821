// The Format function's directives and its errors.
#include "toolkit/Format.h"

#include <string>

#include <gtest/gtest.h>

#include "toolkit/Exception.h"

namespace {

TEST(FormatTest, IntegerAndStringDirectives) {
    EXPECT_EQ(Format("%d,%d,%d,%d", 10, -20, 300, 4), "10,-20,300,4");
    EXPECT_EQ(Format("(%dx%d)", 1920, 1080), "(1920x1080)");
    EXPECT_EQ(Format("%s.%s", std::string("TfmMain"), "Grid1"), "TfmMain.Grid1");
    EXPECT_EQ(Format(" %s", AnsiString(" Выбор")), "  Выбор");
    EXPECT_EQ(Format("%.3d|%5d|%-5d|%x|%.8x", 7, 42, 42, 255, 0x8000), "007|   42|42   |FF|00008000");
    EXPECT_EQ(Format("%.2s|100%%", "abc"), "ab|100%");
    EXPECT_EQ(Format("Field '%s' cannot be modified", "NAME"), "Field 'NAME' cannot be modified");
}

TEST(FormatTest, FloatDirectivesFollowTheConventions) {
    EXPECT_EQ(Format("%n", 12345.678), "12\xA0" "345,68");
    EXPECT_EQ(Format("%.1f", 2.25), "2,3");
    EXPECT_EQ(Format("%f", 3.0), "3,00");
    EXPECT_EQ(Format(tk::machineFormat(), "%.2f", 3.14159), "3.14");
    EXPECT_EQ(Format("%g", 0.5), "0,5");
    EXPECT_EQ(Format("%e", 1234.5), "1,23450000000000E+003");
}

TEST(FormatTest, MismatchedOrMissingArgumentsRaise) {
    EXPECT_THROW(Format("%d", "text"), EConvertError);
    EXPECT_THROW(Format("%s", 5), EConvertError);
    EXPECT_THROW(Format("%f", 5), EConvertError);
    EXPECT_THROW(Format("%d %d", 5), EConvertError);
    EXPECT_THROW(Format("%q", 5), EConvertError);
    EXPECT_THROW(Format("50%"), EConvertError);
}

} // namespace
