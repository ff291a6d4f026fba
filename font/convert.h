#pragma once

#include "font/options.h"

// Reads the input, captures its characters and writes the table (and the proof sheet).
Status Convert(const Options& options);
