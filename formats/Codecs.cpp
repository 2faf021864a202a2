#include "formats/Codecs.h"

#include "core/LoadedModule.h"

namespace jorv {

const CodecBackend* Codecs() { return LoadModuleTable<CodecBackend>("jorv-codecs", "jorv_codecs_backend"); }

}  // namespace jorv
