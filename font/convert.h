#pragma once

#include "font/diagnostic.h"

struct Options;

// The run the options ask for: the glyphs acquired by the reader of --from, written by the
// writer of --format, and the pictures beside them; every file put in place at the end, or none.
Diagnostic Convert(const Options& options);
