// A fresh device profile in a temporary folder for one benchmark.
#pragma once

#include "device.h"

#include <QTemporaryDir>

struct BenchProfile {
    QTemporaryDir dir;
    BenchProfile() {
        qputenv("ZONARIA_DEVICE", (dir.path() + "/device").toUtf8());
        za::device::Reset();
    }
    ~BenchProfile() { za::device::Reset(); }
};
