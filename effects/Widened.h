#pragma once

// Marks a function whose loops are also built for processors with 512-bit registers; the
// version to run is chosen when the program starts. Each value is computed by the same
// operations either way (the effects never fuse a multiply and an add), so results are equal.
// The choice is made while the program is being loaded, before a sanitizer's run-time is ready,
// so sanitized builds have the one version.
#if defined(__x86_64__) && !defined(__clang__) && !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
#define JORV_WIDENED __attribute__((target_clones("arch=x86-64-v4", "default")))
#else
#define JORV_WIDENED
#endif
