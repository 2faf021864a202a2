#pragma once

#include <string>
#include <vector>

class RtAudio;

namespace jorv {

// The audio systems among "jack", "pulse" and "alsa" that this build of RtAudio supports.
std::vector<std::string> AudioSystems();

// The names of the system's devices that can play (or record) two channels.
std::vector<std::string> AudioDeviceNames(const std::string& api, bool input);

// The device of that name that can play (or record) two channels, else the system's default.
unsigned AudioDeviceNamed(RtAudio& audio, const std::string& name, bool input);

}  // namespace jorv
