#pragma once

#include "testkit/world.h"

namespace brenx::run::testing {

// The run's tests use the kit's world as it is.
using RunWorld = testkit::World;
using WorldFileSystem = testkit::KitFileSystem;

}  // namespace brenx::run::testing
