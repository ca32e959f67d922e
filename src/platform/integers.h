#pragma once

#include <QString>

namespace zub {

// Reads a decimal integer: optional leading blanks, an optional sign, then one or more digits 0-9 and
// nothing after them; the value must fit in 32 bits. Anything else throws zub::Error
// "'text' is not a valid integer value"; callers add the file and line where they know them.
int StrToInt(const QString& text);

// The plain decimal text of a number, with a leading "-" when it is negative.
QString IntToStr(int value);

} // namespace zub
