#include "launcher/ButtonGradient.h"
#include "launcher/GradientButton.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPushButton>
#include <QTest>

TEST(ButtonGradient, RowsBelowTheFillTakeTheLastColour)
{
    // The fill starts two rows down and is `height` rows high, so its last
    // rows give (y * 63) / height past 63.
    const int height = 30;
    EXPECT_EQ(ButtonGradient::indexOfRow(2, height), 4);
    EXPECT_EQ(ButtonGradient::indexOfRow(height, height), 63);
    EXPECT_EQ(ButtonGradient::indexOfRow(height + 1, height), 63);
    EXPECT_EQ(ButtonGradient::indexOfRow(5, 0), 63);
    EXPECT_EQ(ButtonGradient::colour(200, false, false), ButtonGradient::colour(63, false, false));
}

TEST(ButtonGradient, HotIsLighterAndTheDefaultLookBluer)
{
    EXPECT_EQ(ButtonGradient::colour(0, false, false), QColor(255, 255, 255));
    EXPECT_EQ(ButtonGradient::colour(63, false, false), QColor(234, 234, 243));
    EXPECT_EQ(ButtonGradient::colour(63, false, true), QColor(234, 234, 240));
    EXPECT_EQ(ButtonGradient::colour(63, true, false), QColor(240, 240, 243));
    EXPECT_EQ(ButtonGradient::colour(63, true, true), QColor(240, 240, 234));
}

TEST(GradientButton, DrawsOutlineGradientAndFocusEdges)
{
    QWidget owner;
    owner.resize(200, 60);
    // Holds the focus first, so that the button is drawn without it.
    auto* other = new QPushButton(&owner);
    other->setGeometry(150, 10, 40, 34);
    other->setFocus();
    auto* button = new GradientButton(true, &owner);
    button->setGeometry(10, 10, 120, 34);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));

    owner.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&owner));
    ASSERT_FALSE(button->hasFocus());
    const QImage plain = button->grab().toImage();
    // Black outline, then the gradient from white at the top to the last
    // colour on the bottom rows.
    EXPECT_EQ(plain.pixelColor(60, 0), QColor(Qt::black));
    EXPECT_EQ(plain.pixelColor(60, 33), QColor(Qt::black));
    EXPECT_EQ(plain.pixelColor(60, 2),
              ButtonGradient::colour(ButtonGradient::indexOfRow(2, 30), false, false));
    EXPECT_EQ(plain.pixelColor(60, 31), ButtonGradient::colour(63, false, false));

    button->setFocus();
    ASSERT_TRUE(button->hasFocus());
    const QImage focused = button->grab().toImage();
    EXPECT_EQ(focused.pixelColor(2, 17), QColor(153, 198, 252));
    EXPECT_EQ(focused.pixelColor(117, 17), QColor(162, 189, 252));
    EXPECT_EQ(focused.pixelColor(60, 31), QColor(162, 201, 255));
}
