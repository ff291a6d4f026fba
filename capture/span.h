#pragma once

// A run of ink on one row of a print: the row and the columns counted from the origin the print
// names (its line's top-left corner, or the baseline's), the right column excluded.
struct Span {
    int row, left, right;
};
