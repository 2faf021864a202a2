#include "app/EffectParameterDialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QScrollBar>
#include <QTest>

#include "tests/support/RecordingShell.h"

namespace jorv::test {
namespace {

constexpr int ValueIds[3] = {1019, 1020, 1021};

class EffectParameterDialogTest : public ::testing::Test, protected ShellFixture {
protected:
    void open(EffectId id) {
        context.effectDialog.dialogEffectId = id;
        dialog = std::make_unique<EffectParameterDialog>(nullptr, context);
        dialog->show();
    }
    QScrollBar* bar(int parameter) {
        return dialog->findChild<QScrollBar*>(QStringLiteral("control%1").arg(1011 + parameter));
    }
    QString value(int parameter) {
        return dialog->findChild<QLabel*>(QStringLiteral("control%1").arg(ValueIds[parameter]))->text();
    }

    std::unique_ptr<EffectParameterDialog> dialog;
};

TEST_F(EffectParameterDialogTest, ValuesAreShownInTheEffectsUnitsAndFollowTheBarWhileItIsDragged) {
    open(fx::Echo);
    EXPECT_EQ(value(0), "186 ms");
    EXPECT_EQ(value(1), "-6.0 dB");
    EXPECT_EQ(value(2), "L99% R100%");
    bar(0)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(value(0), "187 ms");
    // While the thumb is held, every move shows at once.
    bar(0)->setSliderDown(true);
    bar(0)->setSliderPosition(64);
    EXPECT_EQ(value(0), "92.9 ms");
    EXPECT_EQ(context.effectDialog.effectParams[0], 64);
    bar(0)->setSliderDown(false);
    EXPECT_EQ(value(0), "92.9 ms");
}

TEST_F(EffectParameterDialogTest, AValueThatDependsOnAnotherBarFollowsThatBarToo) {
    open(fx::Shift);
    bar(0)->setSliderDown(true);
    bar(0)->setSliderPosition(130);
    bar(0)->setSliderDown(false);
    EXPECT_EQ(value(0), "+0.045 ms");  // 2 steps of 2 values
    EXPECT_EQ(value(1), "\u00d72");
    bar(1)->setSliderDown(true);
    bar(1)->setSliderPosition(100);
    EXPECT_EQ(value(0), "+2.27 ms");
    EXPECT_EQ(value(1), "\u00d7100");
}

TEST_F(EffectParameterDialogTest, BarsLabelledNotApplicableCannotBeMoved) {
    open(fx::FftPitch);
    EXPECT_EQ(value(0), "+7.0 semitones");
    EXPECT_TRUE(bar(0)->isEnabled());
    for (int parameter : {1, 2}) {
        EXPECT_FALSE(bar(parameter)->isEnabled());
        EXPECT_EQ(value(parameter), "2");
        QTest::mouseClick(bar(parameter), Qt::LeftButton, {}, bar(parameter)->rect().center());
        QTest::keyClick(bar(parameter), Qt::Key_Right);
        EXPECT_EQ(bar(parameter)->value(), 2);
    }
    EXPECT_EQ(context.effectDialog.effectParams, (std::array<int32_t, 3>{128, 2, 2}));
}

TEST_F(EffectParameterDialogTest, EveryValueFitsBesideItsBarInsideTheDialog) {
    for (const EffectInfo& effect : EffectCatalogue()) {
        open(effect.id);
        for (int parameter = 0; parameter < 3; ++parameter) {
            for (int position : {2, 64, 128, 200, 254}) {
                if (!bar(parameter)->isEnabled()) continue;
                bar(parameter)->setSliderDown(true);
                bar(parameter)->setSliderPosition(position);
                bar(parameter)->setSliderDown(false);
                for (int shown = 0; shown < 3; ++shown) {
                    const auto* label = dialog->findChild<QLabel*>(QStringLiteral("control%1").arg(ValueIds[shown]));
                    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
                        << effect.catalogueName << ": " << label->text().toStdString();
                    EXPECT_LE(label->geometry().right(), dialog->width());
                }
            }
        }
    }
}

}  // namespace
}  // namespace jorv::test
