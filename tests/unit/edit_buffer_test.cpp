// The editing of a field: caret, selection, the maximum length.
#include <gtest/gtest.h>

#include "window/model/edit_buffer.hpp"

namespace tarvel {
namespace {

TEST(EditBuffer, InsertsAtTheCaretAndReplacesTheSelection) {
  EditBuffer buffer(6);
  buffer.assign("JN23");
  buffer.select(2, 0);
  EXPECT_TRUE(buffer.insert(U'X'));
  EXPECT_EQ(buffer.text(), "JNX23");
  EXPECT_EQ(buffer.caret(), 3u);
  buffer.select(0, 2);
  EXPECT_TRUE(buffer.insert(U'é'));
  EXPECT_EQ(buffer.text(), "éX23");
  EXPECT_EQ(buffer.caret(), 1u);
}

TEST(EditBuffer, MaximumLengthLimitsTypingAndPastingButNotAssigning) {
  EditBuffer buffer(3);
  EXPECT_TRUE(buffer.paste("12345"));
  EXPECT_EQ(buffer.text(), "123");
  EXPECT_FALSE(buffer.insert(U'4'));
  EXPECT_EQ(buffer.text(), "123");
  buffer.select(0, 3);
  EXPECT_TRUE(buffer.insert(U'9'));  // a selection makes room
  EXPECT_EQ(buffer.text(), "9");
  EXPECT_TRUE(buffer.assign("JN23XXA"));
  EXPECT_EQ(buffer.text(), "JN23XXA");
  EXPECT_FALSE(buffer.paste("1"));
}

TEST(EditBuffer, PasteOverASelectionGetsItsRoom) {
  EditBuffer buffer(6);
  buffer.assign("JN23XX");
  buffer.select(4, 2);
  EXPECT_TRUE(buffer.paste("ABCD"));
  EXPECT_EQ(buffer.text(), "JN23AB");
  EXPECT_EQ(buffer.caret(), 6u);
  EXPECT_EQ(buffer.selectionLength(), 0u);
}

TEST(EditBuffer, BackspaceAndDeleteAtTheEdgesChangeNothing) {
  EditBuffer buffer(0);
  buffer.assign("ab");
  buffer.select(0, 0);
  EXPECT_FALSE(buffer.backspace());
  EXPECT_TRUE(buffer.apply(EditKey::Delete));
  EXPECT_EQ(buffer.text(), "b");
  buffer.apply(EditKey::End);
  EXPECT_FALSE(buffer.apply(EditKey::Delete));
  EXPECT_TRUE(buffer.backspace());
  EXPECT_EQ(buffer.text(), "");
  EXPECT_FALSE(buffer.backspace());
}

TEST(EditBuffer, CaretKeysMoveWithinTheText) {
  EditBuffer buffer(0);
  buffer.assign("éàü");
  EXPECT_EQ(buffer.caret(), 3u);
  buffer.apply(EditKey::Home);
  buffer.apply(EditKey::Left);
  EXPECT_EQ(buffer.caret(), 0u);
  buffer.apply(EditKey::Right);
  buffer.apply(EditKey::Delete);
  EXPECT_EQ(buffer.text(), "éü");
  buffer.select(10, 5);  // clamped to the text
  EXPECT_EQ(buffer.selectionStart(), 2u);
  EXPECT_EQ(buffer.selectionLength(), 0u);
  EXPECT_EQ(buffer.caret(), 2u);
  buffer.select(1, 5);
  EXPECT_EQ(buffer.selectionLength(), 1u);
  EXPECT_TRUE(buffer.backspace());  // removes the selection only
  EXPECT_EQ(buffer.text(), "é");
}

}  // namespace
}  // namespace tarvel
