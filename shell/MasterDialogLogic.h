#pragma once

#include "core/Project.h"
#include "core/UiServices.h"

// The Master dialog stores every change at once; OK makes the mix follow.
namespace jorv {

enum class MasterBar { Volume, Pan };
void MasterThumbMoved(Project& project, int row, MasterBar bar, int position);
void MasterMuteClicked(Project& project, int row);
void AcceptMaster(Project& project, UiServices& ui);

}  // namespace jorv
