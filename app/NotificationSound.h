#pragma once

namespace jorv {

// Plays the desktop's notification sound and returns when it has finished; does nothing on a
// desktop without one.
void PlayNotificationSound();

}  // namespace jorv
