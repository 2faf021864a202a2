#include "app/LevelMeterWidget.h"

#include <gtest/gtest.h>

#include <QTest>

namespace jorv::test {
namespace {

// The meter's own picture: the clip light catches a full-scale peak and stays lit until a click.
TEST(LevelMeterWidgetTest, TheClipLightStaysLitUntilClicked) {
    LevelMeterWidget meter(nullptr, QStringLiteral("Play"));
    meter.resize(30, 120);
    const auto clipLight = [&meter] { return meter.grab().toImage().pixelColor(15, 3); };
    const QColor unlit = clipLight();
    meter.show({32767, 100, true}, 0.03);
    for (int k = 0; k < 50; ++k) meter.show({}, 0.1);
    EXPECT_EQ(clipLight(), QColor(0xe0, 0x20, 0x20));
    QTest::mouseClick(&meter, Qt::LeftButton);
    EXPECT_EQ(clipLight(), unlit);
    EXPECT_FALSE(meter.meter().clipped());
}

}  // namespace
}  // namespace jorv::test
