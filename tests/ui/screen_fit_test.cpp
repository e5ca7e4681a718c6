#include <gtest/gtest.h>

#include <QDialog>
#include <QScreen>
#include <QTest>

#include "screen_fit.h"

namespace {

QRect Area(const QWidget& window) {
    return window.screen()->availableGeometry();
}

}  // namespace

// A dialog larger than the screen and placed beyond its corner opens smaller and inside it.
TEST(ScreenFit, AWindowTooLargeOrOutsideOpensWithinTheScreen) {
    ScreenFit fit;
    QDialog dialog;
    const QRect area = Area(dialog);
    dialog.resize(area.width() + 400, area.height() + 300);
    dialog.move(area.right() - 100, area.bottom() - 50);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QRect frame = dialog.frameGeometry();
    EXPECT_TRUE(area.contains(frame)) << "the frame too: " << frame.x() << "," << frame.y() << " "
                                      << frame.width() << " x " << frame.height();
    EXPECT_LT(dialog.width(), area.width());
    EXPECT_LT(dialog.height(), area.height());
}

// What cannot be made smaller keeps its size, from the area's top left corner.
TEST(ScreenFit, AWindowOfFixedSizeIsMovedToTheCorner) {
    ScreenFit fit;
    QDialog dialog;
    const QRect area = Area(dialog);
    dialog.setFixedSize(area.width() + 100, 200);
    dialog.move(area.left() + 300, area.top() + 100);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.width(), area.width() + 100);
    EXPECT_EQ(dialog.frameGeometry().left(), area.left());
    EXPECT_GT(dialog.frameGeometry().top(), area.top() + 50) << "it fits from top to bottom";

    // A window that fits keeps its size.
    QDialog small;
    small.resize(300, 200);
    small.move(area.left() + 40, area.top() + 50);
    small.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&small));
    EXPECT_EQ(small.size(), QSize(300, 200));
    EXPECT_TRUE(area.contains(small.frameGeometry()));
}
