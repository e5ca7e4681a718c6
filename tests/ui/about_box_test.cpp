#include <gtest/gtest.h>

#include <QFrame>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>

#include "about_box.h"
#include "named_child.h"

TEST(AboutBoxTest, PictureAboveABoldButtonThatClosesTheBox) {
    AboutBox box;
    EXPECT_EQ(box.windowTitle(), "Acerca de KALDO 3.1");
    EXPECT_EQ(box.size(), QSize(410, 401));
    EXPECT_EQ(box.minimumSize(), box.maximumSize()) << "a dialog border: no resizing";
    EXPECT_EQ(Named<QFrame>(box, "Panel1")->geometry(), QRect(0, 0, 410, 361));
    EXPECT_NE(Named<QFrame>(box, "Panel1")->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(Named<QLabel>(box, "Image1")->geometry(), Named<QFrame>(box, "Panel1")->contentsRect());
    EXPECT_EQ(Named<QLabel>(box, "Image1")->pixmap().size(), QSize(410, 361));
    EXPECT_EQ(Named<QPushButton>(box, "OKButton")->text(), "&Aceptar");
    EXPECT_EQ(Named<QPushButton>(box, "OKButton")->geometry(), QRect(167, 370, 77, 27));
    EXPECT_TRUE(Named<QPushButton>(box, "OKButton")->font().bold());

    box.show();
    Named<QPushButton>(box, "OKButton")->click();
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);
}

TEST(Pictures, EachShippedPictureDecodesAsJpegToItsRealSize) {
    const std::pair<const char*, QSize> pictures[] = {
        {":/pictures/tip-tree.jpg", QSize(242, 242)},
        {":/pictures/tip-safety.jpg", QSize(450, 306)},
        {":/pictures/about.jpg", QSize(410, 361)},
    };
    for (const auto& [name, size] : pictures) {
        QImageReader reader(name);
        EXPECT_EQ(reader.format(), "jpeg") << name;
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << name << ": " << reader.errorString().toStdString();
        EXPECT_EQ(image.size(), size) << name;
        // A decoded picture has content, not one flat colour.
        EXPECT_NE(image.pixel(0, 0), image.pixel(size.width() / 2, size.height() / 2)) << name;
    }
}
