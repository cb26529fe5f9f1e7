#include "color_undo_stack.h"

#include <gtest/gtest.h>

#include <new>

TEST(ColorUndoStack, NewestFirstAndAFullHeapLeavesItUnchanged)
{
    ColorUndoStack stack;
    stack.push(1, 0x0000FF);
    stack.push(2, 0xFF0000);
    stack.setEntryLimit(2);
    EXPECT_THROW(stack.push(3, 0x00FF00), std::bad_alloc);
    ASSERT_EQ(stack.size(), 2u);
    EXPECT_EQ(stack.top()->slot, 2);
    stack.pop();
    EXPECT_EQ(stack.top()->color, 0x0000FFu);
    stack.pop();
    EXPECT_TRUE(stack.empty());
    EXPECT_EQ(stack.top(), std::nullopt);
    stack.pop(); // popping an empty stack is harmless
}

TEST(ColorUndoStack, EntriesKnowTheirSetAndADeletedSetTakesItsEntries)
{
    ColorUndoStack stack;
    stack.push(0, 0x111111); // light unless told
    stack.push(1, 0x222222, ColorSetKind::Dark);
    stack.push(2, 0x333333, ColorSetKind::Light);
    stack.push(3, 0x444444, ColorSetKind::Dark);
    EXPECT_EQ(stack.top()->set, ColorSetKind::Dark);
    stack.removeSet(ColorSetKind::Dark);
    ASSERT_EQ(stack.size(), 2u);
    EXPECT_EQ(stack.top()->color, 0x333333u);
    stack.pop();
    EXPECT_EQ(stack.top()->color, 0x111111u);
    EXPECT_EQ(stack.top()->set, ColorSetKind::Light);
}
