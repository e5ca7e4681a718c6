// The photos of a deficiency or a measure in the window: the strip of its dialogs, the viewer and
// the information panel, with the files of the photos folder kept in step with the list.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDropEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <memory>

#include "catalogue.h"
#include "cp1252.h"
#include "deficiency_dialog.h"
#include "deficiency_form.h"
#include "dialog_text.h"
#include "document_commands.h"
#include "document_session.h"
#include "info_panel.h"
#include "main_window.h"
#include "measure_form.h"
#include "named_child.h"
#include "node_data_form.h"
#include "photo_adding.h"
#include "photo_session_files.h"
#include "photo_strip.h"
#include "photo_viewer.h"
#include "qt_entry_dialogs.h"
#include "qt_node_data_dialog.h"
#include "scripted_port.h"
#include "temp_dir.h"
#include "text_codec.h"

namespace fs = std::filesystem;

namespace {

// Runs action on the message box that opens next and closes it; its text is kept.
std::shared_ptr<QString> CatchNextMessage() {
    auto text = std::make_shared<QString>();
    QTimer::singleShot(0, [text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr) << "a message box was expected";
        *text = box->text();
        box->accept();
    });
    return text;
}

QByteArray Picture(const char* format, QColor colour, QSize size = QSize(64, 48)) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A document whose deficiency (line 3) lists a photo that its folder holds and one it lacks.
struct PhotoStripTest : ::testing::Test {
    TempDir dir;
    ScriptedPort port;
    FixedDates dates;
    DocumentSession session;
    DocumentCommands commands{session, port, dates};
    FilePath folder = dir.File("Taller fotos");

    PhotoStripTest() {
        WriteFile(dir.File("Taller.kl3"),
                  W("1\t0\tE\tFirma\r\n2\t1\tC\t01.- Lugares de trabajo\r\n"
                    "3\t2\tD\t05. Item\t\t\t\t\t\t\t\t\t\t\t\tD-0001.jpg|Suelo~~D-0002.jpg\r\n"));
        fs::create_directory(folder.Utf8());
        WriteFile(Photo("D-0001.jpg"), Picture("jpg", Qt::red).toStdString());
        EXPECT_EQ(commands.LoadDocument(dir.File("Taller.kl3")), DocumentCommands::LoadResult::Loaded);
    }

    FilePath Photo(const std::string& name) const { return FilePath(folder.Utf8() + "/" + name); }
    // A picture outside the document's folder, as the user picks it.
    QString Outside(const std::string& name, const QByteArray& bytes) const {
        WriteFile(dir.File(name), bytes.toStdString());
        return PathToQt(dir.File(name));
    }
    PhotoList Listed() const { return ReadPhotoList(*session.Table().Record(3)); }
    static PhotoList Read(const PhotoStrip& strip) {
        DialogTextReader reader;
        return strip.Photos(reader);
    }
    // The photos folder's files, by name.
    std::set<std::string> FolderFiles() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder.Utf8()))
            names.insert(entry.path().filename().string());
        return names;
    }
};

TEST_F(PhotoStripTest, AMissingPhotoShowsAsMissingAndStaysInTheList) {
    PhotoStrip strip(session, 'D', Listed());
    auto* list = Named<QListWidget>(strip, "photoList");
    ASSERT_EQ(list->count(), 2);
    EXPECT_FALSE(list->item(0)->data(Qt::UserRole).toBool());
    EXPECT_TRUE(list->item(1)->data(Qt::UserRole).toBool()) << "D-0002.jpg is not in the folder";
    EXPECT_EQ(list->item(0)->text(), "Suelo") << "a photo shows its caption";
    EXPECT_TRUE(list->item(1)->text().contains("D-0002.jpg")) << "a missing one its name";
    EXPECT_EQ(Read(strip), Listed());
}

TEST_F(PhotoStripTest, ABadFileIsRefusedByNameWhileTheOthersOfTheSelectionAreAdded) {
    PhotoStrip strip(session, 'D', Listed());
    const QStringList selection = {Outside("uno.png", Picture("png", Qt::green)),
                                   Outside("notas.txt", "no soy una imagen"),
                                   Outside("dos.jpg", Picture("jpg", Qt::blue))};
    const auto message = CatchNextMessage();
    strip.AddFiles(selection);

    EXPECT_TRUE(message->contains("notas.txt")) << message->toStdString();
    EXPECT_FALSE(message->contains("uno.png"));
    const PhotoList photos = Read(strip);
    ASSERT_EQ(photos.size(), 4u);
    EXPECT_EQ(photos[2].file, "D-0003.jpg") << "a name no listed photo has";
    EXPECT_NE(photos[3].file, photos[2].file);
    EXPECT_NE(photos[3].file, "D-0002.jpg") << "listed, though missing";
    EXPECT_EQ(FolderFiles(), (std::set<std::string>{"D-0001.jpg", photos[2].file, photos[3].file}))
        << "the refused picture left nothing";
    EXPECT_EQ(ReadFile(dir.File("notas.txt")), "no soy una imagen") << "the originals are only read";
    EXPECT_TRUE(fs::exists(dir.File("uno.png").Utf8()));
}

TEST_F(PhotoStripTest, ARecordTakesTwentyPhotosAndTheRestIsRefusedInOneMessage) {
    PhotoList nineteen;
    for (int k = 1; k <= 19; ++k)
        nineteen.push_back({"X-" + std::to_string(k) + ".jpg", ""});
    PhotoStrip strip(session, 'D', nineteen);
    const QString a = Outside("a.jpg", Picture("jpg", Qt::red));
    const QString b = Outside("b.jpg", Picture("jpg", Qt::green));
    const QString c = Outside("c.jpg", Picture("jpg", Qt::blue));
    const auto message = CatchNextMessage();
    strip.AddFiles({a, b, c});
    EXPECT_EQ(strip.Count(), 20);
    EXPECT_TRUE(message->contains("20")) << message->toStdString();
    EXPECT_TRUE(message->contains("b.jpg") && message->contains("c.jpg")) << message->toStdString();
    EXPECT_FALSE(message->contains("a.jpg"));

    const auto again = CatchNextMessage();
    strip.AddImage(QImage(8, 8, QImage::Format_RGB32));
    EXPECT_EQ(strip.Count(), 20);
    EXPECT_FALSE(again->isEmpty()) << "a pasted picture is refused as well";
}

TEST_F(PhotoStripTest, ARefusedPictureLeavesItsRoomToTheNextOfTheSelection) {
    const QString bad = Outside("roto.jpg", "no es una imagen");
    const QString good = Outside("bueno.png", Picture("png", Qt::green));
    const QString late = Outside("tarde.png", Picture("png", Qt::blue));
    const PhotoAddition addition = AddPhotoFiles({bad, good, late}, session.Photos(), PhotosInUse(session),
                                                 'R', kMaxPhotosPerRecord - 1);
    EXPECT_EQ(addition.added, (PhotoList{{"R-0001.jpg", ""}}));
    ASSERT_EQ(addition.refusals.size(), 2);
    EXPECT_TRUE(addition.refusals[0].contains("roto.jpg"));
    EXPECT_TRUE(addition.refusals[1].contains("tarde.png") && !addition.refusals[1].contains("bueno.png"));
    EXPECT_EQ(session.Photos().AddedFiles(), std::set<std::string>{"R-0001.jpg"});
}

TEST_F(PhotoStripTest, CaptionsAndRemovalChangeTheListTheDialogTakes) {
    PhotoStrip strip(session, 'D', Listed());
    auto* list = Named<QListWidget>(strip, "photoList");
    auto* caption = Named<QLineEdit>(strip, "photoCaption");
    list->setCurrentRow(1);
    EXPECT_EQ(caption->text(), "");
    caption->setText(QString::fromUtf8("Escalón sin señalizar"));
    list->setCurrentRow(0);
    EXPECT_EQ(caption->text(), "Suelo");
    Named<QPushButton>(strip, "photoRemove")->click();
    EXPECT_EQ(Read(strip), (PhotoList{{"D-0002.jpg", W("Escalón sin señalizar")}}))
        << "removing keeps the other's new caption";
    EXPECT_TRUE(fs::exists(Photo("D-0001.jpg").Utf8())) << "the saved document still lists it";
}

TEST_F(PhotoStripTest, ACaptionTheDocumentCannotHoldIsRefusedByAceptar) {
    PhotoStrip strip(session, 'D', Listed());
    Named<QListWidget>(strip, "photoList")->setCurrentRow(0);
    Named<QLineEdit>(strip, "photoCaption")->setText(QString::fromUtf8("→ salida"));
    DialogTextReader reader;
    strip.Photos(reader);
    const auto message = CatchNextMessage();
    EXPECT_TRUE(reader.Refused(&strip));
    EXPECT_TRUE(message->contains("U+2192"));
}

TEST_F(PhotoStripTest, ImagesComeByDropAndByPaste) {
    PhotoStrip strip(session, 'D', {});
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(Outside("soltada.png", Picture("png", Qt::yellow)))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&strip, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&strip, &drop);
    EXPECT_EQ(strip.Count(), 1);

    QImage pasted(30, 20, QImage::Format_RGB32);
    pasted.fill(Qt::magenta);
    QApplication::clipboard()->setImage(pasted);
    strip.show();
    strip.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&strip)) << "a shortcut works in the active window only";
    auto* list = Named<QListWidget>(strip, "photoList");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_V, Qt::ControlModifier);
    const PhotoList photos = Read(strip);
    ASSERT_EQ(photos.size(), 2u);
    const QImage stored(PathToQt(Photo(photos[1].file)));
    EXPECT_EQ(stored.size(), QSize(30, 20));
}

// Pictures stored by a dialog that is then cancelled go again; those of an accepted one stay
// and reach its form.
TEST_F(PhotoStripTest, ACancelledDialogLeavesNoFileAndAnAcceptedOneHandsItsPhotosOn) {
    Catalogue catalogue;
    const QString picture = Outside("foto.jpg", Picture("jpg", Qt::cyan));
    for (const bool accept : {false, true}) {
        DeficiencyForm form;
        oToken record;
        record.SetField(field::kParent, "2");
        form.Open(session.Table(), catalogue, record, port);
        DeficiencyDialog dialog(form, nullptr, &session);
        dialog.show();
        auto* strip = Named<PhotoStrip>(dialog, "photoStrip");
        strip->AddFiles({picture, picture});
        Named<QListWidget>(*strip, "photoList")->setCurrentRow(0);
        Named<QPushButton>(*strip, "photoRemove")->click();
        EXPECT_EQ(FolderFiles().size(), 3u) << "stored as soon as they are added";
        if (accept) {
            Named<QPushButton>(dialog, "BitBtn1")->click();
            ASSERT_EQ(dialog.result(), QDialog::Accepted);
            ASSERT_EQ(form.Photos().size(), 1u);
            EXPECT_EQ(FolderFiles(), (std::set<std::string>{"D-0001.jpg", form.Photos()[0].file}))
                << "the one removed in the dialog went";
        } else {
            dialog.reject();
            EXPECT_EQ(FolderFiles(), std::set<std::string>{"D-0001.jpg"});
            EXPECT_TRUE(form.Photos().empty());
        }
    }
}

TEST_F(PhotoStripTest, TheViewerStepsThroughThePhotosAndEscapeClosesIt) {
    WriteFile(Photo("D-0003.jpg"), Picture("jpg", Qt::blue, QSize(40, 80)).toStdString());
    const PhotoList photos = {{"D-0001.jpg", "Suelo"}, {"D-0002.jpg", ""}, {"D-0003.jpg", "Pasillo"}};
    PhotoViewer viewer(folder, photos, 1, nullptr);
    viewer.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
    auto* counter = Named<QLabel>(viewer, "photoCounter");
    EXPECT_EQ(counter->text(), "2 de 3");
    QTest::keyClick(&viewer, Qt::Key_Right);
    EXPECT_EQ(viewer.Index(), 2);
    EXPECT_EQ(Named<QLabel>(viewer, "photoCaption")->text(), "Pasillo");
    EXPECT_FALSE(Named<QPushButton>(viewer, "photoNext")->isEnabled());
    QTest::keyClick(&viewer, Qt::Key_PageDown);
    EXPECT_EQ(viewer.Index(), 2) << "the last stays";
    QTest::keyClick(&viewer, Qt::Key_PageUp);
    QTest::keyClick(&viewer, Qt::Key_Left);
    EXPECT_EQ(viewer.Index(), 0);
    EXPECT_EQ(counter->text(), "1 de 3");
    Named<QPushButton>(viewer, "photoNext")->click();
    EXPECT_EQ(viewer.Index(), 1);
    QTest::keyClick(&viewer, Qt::Key_Escape);
    EXPECT_FALSE(viewer.isVisible());
}

// The program's own dialogs show the photos of the record they edit.
TEST_F(PhotoStripTest, TheWindowsDialogsShowTheRecordsPhotos) {
    QWidget owner;
    const BlankQuestionnaireHook noPrintout;
    QtNodeDataDialog editorWindow(&owner, noPrintout, session);
    FixedDates today;
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* strip = Named<PhotoStrip>(*dialog, "photoStrip");
        shown = strip->Count() == 2;
        dialog->reject();
    });
    NodeDataForm form(session.Table(), *session.Table().Node(3), today);
    ASSERT_TRUE(form.Open(port));
    EXPECT_FALSE(editorWindow.Run(form));
    EXPECT_TRUE(shown) << "the deficiency's two photos, the missing one included";

    QtEntryDialogs entryWindows(&owner, session);
    MeasureForm measure;
    oToken record;
    record.SetField(field::kParent, "3");
    measure.Open(session.Table(), record, today, port);
    shown = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shown = Named<PhotoStrip>(*dialog, "photoStrip")->Count() == 0;
        dialog->reject();
    });
    EXPECT_FALSE(entryWindows.ShowMeasureDialog(measure));
    EXPECT_TRUE(shown);
}

TEST(PhotoPanel, TheInformationPanelShowsTheSelectedDeficiencysFirstPhoto) {
    TempDir dir;
    WriteFile(dir.File("Taller.kl3"), W("1\t0\tE\tFirma\r\n2\t1\tC\t01.- Lugares de trabajo\r\n"
                                        "3\t2\tD\t05. Item\t\t\t\t\t\t\t\t\t\t\t\tD-0001.jpg|Suelo\r\n"
                                        "4\t2\tD\t06. Item\r\n"));
    fs::create_directory(dir.File("Taller fotos").Utf8());
    WriteFile(dir.File("Taller fotos/D-0001.jpg"), Picture("jpg", Qt::red, QSize(400, 300)).toStdString());
    Catalogue catalogue;
    ScriptedPort port;
    FixedDates dates;
    MainWindow window{catalogue, &port, &dates};
    window.show();
    window.Commands().LoadDocument(dir.File("Taller.kl3"));
    DocumentSession& session = window.Session();
    QLabel* photo = window.Panel1->photo;

    session.Tree().Select(session.Table().Node(3));
    QApplication::processEvents();
    EXPECT_FALSE(photo->isHidden());
    EXPECT_FALSE(photo->pixmap().isNull());
    EXPECT_EQ(photo->toolTip(), "D-0001.jpg");
    session.Tree().Select(session.Table().Node(4));
    QApplication::processEvents();
    EXPECT_TRUE(photo->isHidden()) << "a deficiency without photos shows none";
    session.Tree().Select(session.Table().Node(1));
    QApplication::processEvents();
    EXPECT_TRUE(photo->isHidden());
}

}  // namespace
