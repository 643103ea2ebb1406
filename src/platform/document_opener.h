#pragma once

namespace brenx::platform {

// The host's command that opens a document (a path or a file address) the
// way its desktop shell's "open" does, without waiting for it.
const char* DocumentOpener();

}  // namespace brenx::platform
