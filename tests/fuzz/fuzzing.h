#pragma once

#include <QByteArrayView>

#include <cstddef>
#include <cstdint>

// What every target shares: the input as bytes, and a stop that libFuzzer reports as a finding.
inline QByteArrayView Bytes(const uint8_t* data, size_t size) {
    return QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size));
}

// Qt's image plugins and fonts want an application; made once, before the first input.
void StartApplication();

// A broken promise of the code under test: aborts, which libFuzzer takes as a crash.
void Require(bool promise, const char* what);
