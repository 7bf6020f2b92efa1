#include "exchange/XmlTextCheck.h"

#include <gtest/gtest.h>

#include <string>

using namespace vaultlet;

namespace {

TEST(XmlTextCheckTest, AcceptsUtf8TextWithOrWithoutBomAndDeclaration) {
    EXPECT_TRUE(IsUtf8XmlText("<a>plain</a>"));
    EXPECT_TRUE(IsUtf8XmlText("\xEF\xBB\xBF<a>\xC3\xA9\xE2\x82\xAC\xF0\x9F\x94\x91</a>"));
    EXPECT_TRUE(IsUtf8XmlText("<?xml version=\"1.0\" encoding=\"utf-8\"?><a/>"));
    EXPECT_TRUE(IsUtf8XmlText("<?xml version='1.0' encoding = 'UTF-8' standalone='yes'?>\r\n<a>\t</a>"));
    EXPECT_TRUE(IsUtf8XmlText("<?xml version=\"1.0\"?><a/>"));
    EXPECT_TRUE(IsUtf8XmlText("<?xml-stylesheet href=\"encoding='latin1'\"?><a/>")) << "not a declaration";
}

TEST(XmlTextCheckTest, RejectsOtherEncodingsAndIllFormedUtf8) {
    EXPECT_FALSE(IsUtf8XmlText("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a/>"));
    EXPECT_FALSE(IsUtf8XmlText("<?xml version=\"1.0\" encoding=\"UTF-16\"?><a/>"));
    EXPECT_FALSE(IsUtf8XmlText("<?xml version=\"1.0\" encoding=UTF-8?><a/>")) << "unquoted";
    EXPECT_FALSE(IsUtf8XmlText("<?xml version=\"1.0\" encoding=\"UTF-8\"")) << "declaration never ends";
    EXPECT_FALSE(IsUtf8XmlText("\xFF\xFE<\0a\0/\0>\0")) << "UTF-16 byte-order mark";
    // Which byte sequences are ill-formed is the decoder's (TextConversionTest); one shows the check asks it.
    EXPECT_FALSE(IsUtf8XmlText("<a>caf\xE9</a>")) << "Latin-1 byte";
}

TEST(XmlTextCheckTest, RejectsCharactersAndReferencesThatXmlForbids) {
    EXPECT_FALSE(IsUtf8XmlText(std::string("<a>x\0y</a>", 10)));
    EXPECT_FALSE(IsUtf8XmlText("<a>\x01</a>"));
    EXPECT_FALSE(IsUtf8XmlText("<a>\xEF\xBF\xBF</a>")) << "U+FFFF";
    EXPECT_TRUE(IsUtf8XmlText("<a>&#9;&#x0A;&#13;&#x1F511;&#65533;&amp;</a>"));
    EXPECT_FALSE(IsUtf8XmlText("<a>&#0;</a>"));
    EXPECT_FALSE(IsUtf8XmlText("<a>&#x1;</a>"));
    EXPECT_FALSE(IsUtf8XmlText("<a>&#xD800;</a>"));
    EXPECT_FALSE(IsUtf8XmlText("<a>&#x110000;</a>"));
    EXPECT_FALSE(IsUtf8XmlText("<a>&#99999999999999999999;</a>")) << "no overflow back into range";
    EXPECT_FALSE(IsUtf8XmlText("<a>&#;</a>"));
    EXPECT_FALSE(IsUtf8XmlText("<a>&#x;</a>"));
    EXPECT_FALSE(IsUtf8XmlText("<a>&#12a;</a>"));
    EXPECT_FALSE(IsUtf8XmlText("<a>&#12")) << "unterminated";
    // Inside comments and CDATA sections the same characters are plain text.
    EXPECT_TRUE(IsUtf8XmlText("<a><!-- &#0; --><![CDATA[&#0;]]></a>"));
    EXPECT_FALSE(IsUtf8XmlText("<a><!-- &#0; </a>")) << "unterminated comment";
    EXPECT_FALSE(IsUtf8XmlText("<a><![CDATA[x</a>")) << "unterminated CDATA";
}

} // namespace
