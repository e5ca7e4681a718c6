// Draws the example's photos (examples/taller-mecanico fotos/): simple illustrations of what the
// example document found in the workshop, made here so that the example holds no photograph
// taken elsewhere. Each is a JPEG of 1200 × 900 pixels, as the program stores a photo.
//
// Usage: kaldo_make_example_photos FOLDER

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <numbers>
#include <cstdio>
#include <functional>

namespace {

constexpr int kWidth = 1200, kHeight = 900;
const QColor kWall(214, 219, 223), kFloor(150, 156, 160), kLine(55, 71, 79);
const QColor kYellow(253, 216, 53), kBlack(33, 33, 33), kRubber(45, 45, 48);

// The workshop: a wall above, the concrete floor below the horizon.
void Workshop(QPainter& p, int horizon = 420) {
    p.fillRect(0, 0, kWidth, horizon, kWall);
    p.fillRect(0, horizon, kWidth, kHeight - horizon, kFloor);
    p.setPen(QPen(kLine, 4));
    p.drawLine(0, horizon, kWidth, horizon);
    // Panels of the wall.
    p.setPen(QPen(kWall.darker(115), 3));
    for (int x = 150; x < kWidth; x += 300) p.drawLine(x, 0, x, horizon);
}

// The pit seen from its end: an opening in the floor and its walls going down.
QPolygonF Pit() {
    return QPolygonF({QPointF(420, 470), QPointF(780, 470), QPointF(980, 880), QPointF(220, 880)});
}

void PitOpening(QPainter& p) {
    const QPolygonF pit = Pit();
    p.setPen(QPen(kLine, 5));
    p.setBrush(QColor(60, 62, 66));
    p.drawPolygon(pit);
    // The far wall and the steps at its end.
    p.setBrush(QColor(90, 92, 96));
    p.drawPolygon(QPolygonF({QPointF(420, 470), QPointF(780, 470), QPointF(760, 560), QPointF(440, 560)}));
    p.setPen(QPen(QColor(120, 122, 126), 6));
    for (int y = 490; y < 560; y += 22) p.drawLine(450, y, 750, y);
}

// Yellow and black stripes along a line, as a hazard band of the given width.
void HazardBand(QPainter& p, QPointF from, QPointF to, double width) {
    const QPointF along = to - from;
    const double length = std::hypot(along.x(), along.y());
    const QPointF unit = along / length, normal(-unit.y(), unit.x());
    const int stripes = static_cast<int>(length / std::abs(width));
    p.setPen(Qt::NoPen);
    for (int s = 0; s < stripes; ++s) {
        const QPointF a = from + unit * (s * length / stripes), b = from + unit * ((s + 1) * length / stripes);
        p.setBrush(s % 2 ? kBlack : kYellow);
        p.drawPolygon(QPolygonF({a, b, b + normal * width, a + normal * width}));
    }
}

void Tyre(QPainter& p, QRectF box) {
    p.setPen(QPen(kBlack, 4));
    p.setBrush(kRubber);
    p.drawRoundedRect(box, box.height() / 2.5, box.height() / 2.5);
    p.setPen(QPen(QColor(80, 80, 84), 3));
    for (double x = box.left() + 18; x < box.right() - 10; x += 22)
        p.drawLine(QPointF(x, box.top() + 6), QPointF(x - 8, box.bottom() - 6));
}

void Wrench(QPainter& p, QPointF centre, double angle, double length) {
    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.setPen(QPen(kLine, 3));
    p.setBrush(QColor(176, 184, 190));
    p.drawRoundedRect(QRectF(-length / 2, -9, length, 18), 8, 8);
    p.drawEllipse(QPointF(-length / 2, 0), 22, 22);
    p.drawEllipse(QPointF(length / 2, 0), 18, 18);
    p.setBrush(kFloor.darker(120));
    // A worn mouth: the jaw opened wider than it should be.
    p.drawPolygon(QPolygonF({QPointF(-length / 2 - 26, -10), QPointF(-length / 2, -4), QPointF(-length / 2, 4),
                             QPointF(-length / 2 - 26, 14)}));
    p.restore();
}

void OpenPit(QPainter& p) {
    Workshop(p);
    PitOpening(p);
    // A warning sign on the wall, and nothing around the edge.
    p.setPen(QPen(kBlack, 6));
    p.setBrush(kYellow);
    p.drawPolygon(QPolygonF({QPointF(1000, 120), QPointF(1080, 260), QPointF(920, 260)}));
    p.drawLine(1000, 165, 1000, 220);
    p.drawPoint(1000, 240);
}

void MarkedPit(QPainter& p) {
    Workshop(p);
    PitOpening(p);
    const QPolygonF pit = Pit();
    HazardBand(p, pit[3], pit[0], -40);
    HazardBand(p, pit[1], pit[2], -40);
    HazardBand(p, QPointF(780, 470), QPointF(420, 470), 24);
}

void TornCurtain(QPainter& p) {
    Workshop(p);
    // The curtain between the welding bay and the paint bay, its folds and a torn hole.
    const QColor curtain(196, 74, 40);
    p.setPen(QPen(kLine, 4));
    p.setBrush(curtain);
    p.drawRect(150, 60, 900, 720);
    p.setPen(QPen(curtain.darker(130), 5));
    for (int x = 210; x < 1050; x += 60) p.drawLine(x, 70, x, 770);
    QPainterPath tear;
    tear.moveTo(520, 250);
    const QPointF points[] = {{600, 210}, {640, 300}, {720, 280}, {700, 400}, {760, 470}, {650, 500},
                              {610, 600}, {560, 500}, {470, 520}, {500, 420}, {430, 360}, {530, 330}};
    for (const QPointF& point : points) tear.lineTo(point);
    tear.closeSubpath();
    // Through the hole: the arc's glare.
    QRadialGradient glare(QPointF(590, 400), 170);
    glare.setColorAt(0, Qt::white);
    glare.setColorAt(0.35, QColor(190, 225, 255));
    glare.setColorAt(1, QColor(40, 60, 110));
    p.setPen(QPen(kLine, 4));
    p.setBrush(glare);
    p.drawPath(tear);
    p.setPen(QPen(QColor(255, 255, 255, 220), 5));
    for (int ray = 0; ray < 12; ++ray) {
        const double a = ray * std::numbers::pi / 6;
        p.drawLine(QPointF(590 + 25 * std::cos(a), 400 + 25 * std::sin(a)),
                   QPointF(590 + 80 * std::cos(a), 400 + 80 * std::sin(a)));
    }
}

void Walkway(QPainter& p) {
    p.setPen(QPen(kYellow, 14));
    p.drawLine(520, 430, 300, 890);
    p.drawLine(760, 430, 980, 890);
}

void StackedTyres(QPainter& p) {
    Workshop(p, 470);
    Walkway(p);
    // Eleven tyres high, leaning towards the walkway, above the 2 m mark on the wall.
    for (int t = 0; t < 11; ++t)
        Tyre(p, QRectF(130 + t * 7, 800 - (t + 1) * 68, 300, 64));
    p.setPen(QPen(QColor(198, 40, 40), 6, Qt::DashLine));
    p.drawLine(60, 280, 560, 280);
    p.setPen(QPen(QColor(198, 40, 40), 6));
    p.drawLine(60, 260, 60, 800);
    p.drawLine(45, 280, 75, 280);
}

void TyreShelf(QPainter& p) {
    Workshop(p, 470);
    Walkway(p);
    // A metal rack with its tyres standing in rows, none above the second beam.
    const QColor upright(30, 96, 170), beam(240, 130, 20);
    p.setPen(QPen(kLine, 4));
    p.setBrush(upright);
    for (const int x : {60, 500}) p.drawRect(x, 250, 30, 560);
    p.setBrush(beam);
    for (const int y : {540, 790}) p.drawRect(60, y, 470, 24);
    for (int row = 0; row < 2; ++row) {
        for (int t = 0; t < 5; ++t) {
            const double x = 110 + t * 78, bottom = row == 0 ? 540 : 790;
            p.setPen(QPen(kBlack, 4));
            p.setBrush(kRubber);
            p.drawRoundedRect(QRectF(x, bottom - 230, 66, 230), 30, 30);
            p.setBrush(QColor(120, 124, 128));
            p.drawEllipse(QRectF(x + 14, bottom - 160, 38, 90));
        }
    }
}

void LooseTools(QPainter& p) {
    Workshop(p, 300);
    // The pit's floor seen from above its edge: tools lying where they were left.
    p.fillRect(0, 300, kWidth, 600, QColor(110, 114, 118));
    Wrench(p, {300, 500}, 25, 300);
    Wrench(p, {720, 620}, -40, 260);
    Wrench(p, {520, 780}, 80, 220);
    Wrench(p, {930, 450}, 10, 240);
    p.setPen(QPen(kLine, 3));
    p.setBrush(QColor(176, 184, 190));
    for (const QPointF socket : {QPointF(480, 420), QPointF(860, 760), QPointF(200, 720), QPointF(640, 480)}) {
        p.drawEllipse(socket, 30, 30);
        p.drawEllipse(socket, 14, 14);
    }
}

bool Write(const QString& folder, const char* name, const std::function<void(QPainter&)>& draw) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    const QString path = QDir(folder).filePath(QString::fromLatin1(name));
    if (image.save(path, "JPEG", 85)) return true;
    std::fprintf(stderr, "No se puede escribir %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);  // for the JPEG plug-in
    if (argc != 2) {
        std::fprintf(stderr, "Uso: kaldo_make_example_photos CARPETA\n");
        return 3;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    const bool written = Write(folder, "D-0001.jpg", OpenPit) && Write(folder, "R-0001.jpg", MarkedPit) &&
                         Write(folder, "D-0002.jpg", LooseTools) && Write(folder, "D-0003.jpg", TornCurtain) &&
                         Write(folder, "D-0004.jpg", StackedTyres) && Write(folder, "R-0002.jpg", TyreShelf);
    return written ? 0 : 1;
}
