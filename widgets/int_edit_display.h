#pragma once

#include "int_radix.h"

#include <QString>

// Where the fill characters of the display text go.
enum enIntEdit_FillType : int { ftFillNone, ftLeftFillA, ftLeftFillB, ftRightFillA, ftRightFillB };

// How an integer field shows its value while it does not have the focus.
struct IntDisplayFormat {
    enIntEdit_IOMode outputMode = imDec;
    enIntEdit_HexChar hexChar = hcUpper;
    enIntEdit_Insertion insertion = inNone;
    QString fillChar; // at most one character; empty means no fill at all
    enIntEdit_FillType fillType = ftFillNone;
    QString prefix;
    QString suffix;
    int maxLength = 0; // 0: no limit, hence no fill
};

// The number in the output radix with grouping, then prefix, suffix and the fill up to
// maxLength in this order: fill (LeftFillA), prefix, fill (LeftFillB), number,
// fill (RightFillB), suffix, fill (RightFillA). Prefix and suffix count the bytes of the
// stored text: CP932, or UTF-8 when CP932 cannot hold it.
QString intDisplayText(int value, const IntDisplayFormat& format);
