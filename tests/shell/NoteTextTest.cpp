#include "shell/NoteText.h"

#include <gtest/gtest.h>

namespace vaultlet {
namespace {

TEST(NoteTextTest, LineFeedsBecomeCrLfForTheEditAndComeBack) {
    EXPECT_EQ(note_text::ToEdit("one\ntwo\n\nthree").Viewed(), "one\r\ntwo\r\n\r\nthree");
    EXPECT_EQ(note_text::FromEdit("one\r\ntwo\r\n\r\nthree").Viewed(), "one\ntwo\n\nthree");
    // A CR LF the model already holds is not doubled, and a lone CR stays a CR both ways.
    EXPECT_EQ(note_text::ToEdit("a\r\nb\rc").Viewed(), "a\r\nb\rc");
    EXPECT_EQ(note_text::FromEdit("b\rc\r").Viewed(), "b\rc\r");
    EXPECT_EQ(note_text::ToEdit("\n").Viewed(), "\r\n") << "a note that starts with a line feed";
}

} // namespace
} // namespace vaultlet
