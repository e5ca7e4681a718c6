#include <gtest/gtest.h>

#include <xcb/xcb.h>
#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "catalogue.h"
#include "main_window.h"
#include "scripted_port.h"
#include "temp_dir.h"
#include "text_codec.h"

extern bool g_haveXServer;

namespace {

// Reads a window's name as the window manager does, through a connection of its own.
class NameReader {
public:
    NameReader() : connection_(xcb_connect(nullptr, nullptr)) {}
    ~NameReader() { xcb_disconnect(connection_); }

    // The text of a property (WM_NAME, _NET_WM_NAME); "(none)" when the window has none.
    std::string Read(xcb_window_t window, const char* property) {
        const xcb_atom_t atom = Atom(property);
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            connection_, xcb_get_property(connection_, 0, window, atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 4096),
            nullptr);
        std::string text = "(none)";
        if (reply && reply->type != XCB_ATOM_NONE) {
            text.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                        static_cast<std::size_t>(xcb_get_property_value_length(reply)));
        }
        std::free(reply);
        return text;
    }

private:
    xcb_atom_t Atom(const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection_, xcb_intern_atom(connection_, 0, static_cast<uint16_t>(std::strlen(name)), name),
            nullptr);
        const xcb_atom_t atom = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
        std::free(reply);
        return atom;
    }

    xcb_connection_t* connection_;
};

struct WindowCaptionTest : ::testing::Test {
    Catalogue catalogue;
    ScriptedPort port;
    FixedDates dates;
    NameReader reader;

    void SetUp() override {
        if (!g_haveXServer) GTEST_SKIP() << "Xvfb is not installed";
    }

    // The window's name as a current window manager reads it (UTF-8), once it is `expected` or
    // after two seconds; with the older WM_NAME, which Qt writes in the X11 encodings, after it.
    std::string DesktopName(const QWidget& window, const std::string& expected) {
        const auto id = static_cast<xcb_window_t>(window.winId());
        QDeadlineTimer deadline(2000);
        std::string name;
        do {
            QApplication::processEvents();
            name = reader.Read(id, "_NET_WM_NAME");
        } while (name != expected && !deadline.hasExpired());
        return name + "|" + (reader.Read(id, "WM_NAME").empty() ? "empty" : "named");
    }
};

}  // namespace

// The window manager sees the caption as the program has it: empty with no document (Qt alone
// would give it the application's name), the file name as the file system spells it.
TEST_F(WindowCaptionTest, TheDesktopSeesTheCaptionAsItIs) {
    TempDir dir;
    const FilePath document = dir.File("Łódź 文件.kl3");
    WriteFile(document, "1\t0\tE\tFirma\r\n");
    MainWindow window(catalogue, &port, &dates);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(DesktopName(window, ""), "|empty");

    window.OpenStartupDocument({PathToQt(document)});
    EXPECT_EQ(DesktopName(window, document.Utf8()), document.Utf8() + "|named");

    window.Cerrar1->trigger();
    EXPECT_EQ(DesktopName(window, ""), "|empty");

    window.Nuevo1->trigger();
    EXPECT_EQ(DesktopName(window, "<Nueva Empresa>"), "<Nueva Empresa>|named");
    window.Session().SetModified(false);
}
