#include <gtest/gtest.h>

#include "shell/ControlLayout.h"

namespace jorv::test {
namespace {

bool Overlap(const ControlEntry& a, const ControlEntry& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

TEST(ControlLayout, ControlsFitTheClientAreaWithoutOverlapping) {
    const auto& controls = MainWindowControls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlEntry& a = controls[i];
        if (a.kind == ControlKind::TrackList) continue;  // its open list drops over the view
        EXPECT_GE(a.x, 0);
        EXPECT_LE(a.x + a.width, ClientWidth) << a.text;
        EXPECT_LE(a.y + a.height, ClientHeight) << a.text;
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            if (controls[j].kind == ControlKind::TrackList) continue;
            EXPECT_FALSE(Overlap(a, controls[j])) << a.text << " / " << controls[j].text;
        }
    }
}

}  // namespace
}  // namespace jorv::test
