// The window "Resumen de una carpeta" on a folder, as a PNG, for the screenshots:
//     kaldo_overview_picture CARPETA SALIDA.png [DD/MM/AAAA]
// The window is shown with its subfolders, reads the folder as for a user, and is grabbed once every row is in.
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QPixmap>
#include <QTableView>
#include <QTimer>
#include <cstdio>

#include "overview_table.h"
#include "overview_window.h"
#include "qt_dates.h"
#include "qt_user_port.h"
#include "text_codec.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "Uso: kaldo_overview_picture CARPETA SALIDA.png [DD/MM/AAAA]\n");
        return 3;
    }
    QtDates dates;
    QtUserPort port(nullptr);
    OverviewWindow window(PathFromQt(QString::fromLocal8Bit(argv[1])), port, dates);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    if (argc > 3) window.dtAFecha->setDate(QDate::fromString(argv[3], "dd/MM/yyyy"));
    window.chkSubcarpetas->setChecked(true);
    window.resize(1640, 540);
    window.show();
    const QString out = QString::fromLocal8Bit(argv[2]);
    auto grab = [&] {
        window.tblResumen->sortByColumn(static_cast<int>(overview::Column::kOverdue), Qt::DescendingOrder);
        QTimer::singleShot(500, [&] {
            const bool saved = window.grab().save(out);
            application.exit(saved ? 0 : 2);
        });
    };
    QObject::connect(&window, &OverviewWindow::loaded, &window, grab);
    return application.exec();
}
