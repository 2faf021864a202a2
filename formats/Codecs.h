#pragma once

#include "formats/codecs/CodecBackend.h"

namespace jorv {

// The codecs module, loaded on the first import or export; null (said once on standard error)
// when it cannot be loaded.
const CodecBackend* Codecs();

}  // namespace jorv
