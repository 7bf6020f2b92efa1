#include "exchange/BlankElementText.h"

#include <gtest/gtest.h>

using namespace vaultlet;

namespace {

std::string Keep(std::string_view text) {
    return std::string(KeepBlankElementText(text).Viewed());
}

TEST(BlankElementTextTest, WhiteSpaceThatIsAnElementsWholeContentBecomesReferences) {
    EXPECT_EQ(Keep("<a> </a>"), "<a>&#32;</a>");
    EXPECT_EQ(Keep("<a x=\"1\">\t\n</a>"), "<a x=\"1\">&#9;&#10;</a>");
    // A line end is one line feed, as the parser would read it.
    EXPECT_EQ(Keep("<a>\r\n\r</a>"), "<a>&#10;&#10;</a>");
    EXPECT_EQ(Keep("<r>\n\t<a>  </a>\n</r>"), "<r>\n\t<a>&#32;&#32;</a>\n</r>");
}

TEST(BlankElementTextTest, EverythingElsePassesUnchanged) {
    const std::string_view unchanged[] = {
        "<r>\n\t<a/>\n\t<b>x</b>\n</r>", // white space between elements
        "<a> x </a>",                    // text that is not only white space
        "<a>  <b/></a>",                 // white space before a child element
        "<a/>  </r>",                    // after a self-closing tag
        "<?xml version=\"1.0\"?>  </a>", // after a declaration
        "<!-- <a> --> </a>",             // inside and after a comment
        "<a><![CDATA[  ]]></a>",         // CDATA
        "<!DOCTYPE a>  </a>",            // after a document type
        "<a>  ",                         // unterminated
        "<a",                            // broken tag
    };
    for (const auto text : unchanged) {
        EXPECT_EQ(Keep(text), text);
    }
    // A '>' or "/>" inside an attribute value does not end the tag.
    EXPECT_EQ(Keep("<a x='>'> </a>"), "<a x='>'>&#32;</a>");
    EXPECT_EQ(Keep("<a x=\"/>\"> </a>"), "<a x=\"/>\">&#32;</a>");
}

} // namespace
