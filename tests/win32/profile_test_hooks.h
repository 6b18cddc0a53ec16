// The profile engine's internal switches, for its own tests.
#pragma once

#include "../../platform/win32/src/profile_file.h"

namespace profile_testing {

// Writes skip fsync while this lives: for tests of locking and of the model,
// which do not test durability and would otherwise spend their time waiting
// for the disk.
class ScopedFastWrites {
public:
    ScopedFastWrites() { win32::profile::SetDurableWrites(false); }
    ~ScopedFastWrites() { win32::profile::SetDurableWrites(true); }
    ScopedFastWrites(const ScopedFastWrites&) = delete;
    ScopedFastWrites& operator=(const ScopedFastWrites&) = delete;
};

}  // namespace profile_testing
