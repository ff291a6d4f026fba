#pragma once

#include "font/diagnostic.h"

struct Characters;
struct Options;

// The characters to capture: of the text arguments, of the input file in its encoding, or of a
// character set. None at all is an input error.
Diagnostic ReadCharacters(const Options& options, Characters& characters);
