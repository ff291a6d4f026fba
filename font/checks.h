#pragma once

#include "font/diagnostic.h"

struct Options;

// Whether the options go together: exactly one input, only options that the formats read and
// written take, and none that another rules out.
Diagnostic CheckOptions(const Options& options);
