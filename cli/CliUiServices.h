#pragma once

#include <ostream>

#include "core/SilentUiServices.h"

namespace jorv::cli {

// Messages go to standard error as "CAPTION: TEXT"; questions are answered No unless --yes.
// The file named on the command line stands for every file the user would choose.
class CliUiServices final : public SilentUiServices {
public:
    CliUiServices(std::ostream& err, bool answerYes) : err_(err), answerYes_(answerYes) {}

    Answer showMessage(std::string_view text, std::string_view caption, MessageKind kind) override;
    // Whether a failure was reported, so that the command cannot exit with success.
    bool failureShown() const { return failureShown_; }

private:
    std::ostream& err_;
    bool answerYes_;
    bool failureShown_ = false;
};

}  // namespace jorv::cli
