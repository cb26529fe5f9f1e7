#pragma once

#include "int_radix.h"

// What the integer field does with one typed character.
enum class TypedCharAction { Pass, Drop };

// The field as the typed character finds it.
struct TypedCharContext {
    bool textStartsWithMinus = false;
    int selectionStart = 0; // the caret when nothing is selected
    bool hasSelection = false;
    bool enableNegative = true;
};

// Decides whether a typed character reaches the field in the given input radix.
// Backspace (8), Enter (13) and Ctrl+Backspace (127) always pass; digits of the radix
// pass unless they would go in front of a leading "-"; hexadecimal letters pass in
// hexadecimal; "-" only at the start, in decimal, when negatives are allowed and the
// text does not already have one that stays. Everything else is dropped.
TypedCharAction intEditCharAction(char32_t ch, enIntEdit_IOMode mode,
                                  const TypedCharContext& field);
