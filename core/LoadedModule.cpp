#include "core/LoadedModule.h"

#include <dlfcn.h>
#include <link.h>

#include <cstdio>
#include <filesystem>
#include <vector>

namespace jorv {

namespace {

// The folders the executable's libraries are searched in, its run path among them. Asked of
// the loader rather than left to dlopen, because a sanitizer's dlopen searches with its own.
std::vector<std::string> ExecutableSearchPath() {
    void* const program = ::dlopen(nullptr, RTLD_NOW);
    Dl_serinfo size{};
    if (!program || ::dlinfo(program, RTLD_DI_SERINFOSIZE, &size) != 0) return {};
    std::vector<unsigned char> storage(size.dls_size);
    auto* const info = reinterpret_cast<Dl_serinfo*>(storage.data());
    *info = size;
    if (::dlinfo(program, RTLD_DI_SERINFO, info) != 0) return {};
    std::vector<std::string> folders;
    for (unsigned k = 0; k < info->dls_cnt; ++k) folders.emplace_back(info->dls_serpath[k].dls_name);
    return folders;
}

}  // namespace

void* ModuleSymbol(const std::string& module, const char* symbol, std::string& error) {
    const std::string file = "lib" + module + ".so";
    std::string path = file;
    for (const std::string& folder : ExecutableSearchPath()) {
        std::error_code ignored;
        if (std::filesystem::exists(folder + "/" + file, ignored)) {
            path = folder + "/" + file;
            break;
        }
    }
    void* const handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        error = ::dlerror();
        return nullptr;
    }
    void* const address = ::dlsym(handle, symbol);
    if (!address) error = ::dlerror();
    return address;
}

void ReportMissingModule(const std::string& module, const std::string& error) {
    std::fprintf(stderr, "jorv: the module %s could not be loaded: %s\n", module.c_str(), error.c_str());
}

}  // namespace jorv
