#pragma once

#include <RtAudio.h>

#include <string>

namespace jorv {

// "jack", "pulse" or "alsa" as RtAudio's value; anything else leaves the choice to RtAudio.
RtAudio::Api AudioApiNamed(const std::string& name);

}  // namespace jorv
