// Draws the two pictures that ship with the program and writes them as JPEG
// files into the folder named on the command line:
//   regions_map.jpg   a schematic map of the six biogeographical regions,
//                     shown by the dialog that converts a country to a region
//   tarvex_about.jpg  a small forest scene with the program's name, shown by
//                     the About window
// The pictures are drawn from the shapes below and nothing else; run it by
// hand when they change and commit the files it writes.
#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cstdio>
#include <vector>

namespace {

struct Region {
  const char* name;
  QColor colour;
  std::vector<QPointF> outline;
  QPointF label;
};

// The six regions of the map, west to east and north to south.
std::vector<Region> MapRegions() {
  return {
      {"Artic",
       QColor(232, 236, 244),
       {{222, 62}, {250, 30}, {300, 20}, {352, 28}, {382, 58}, {360, 92}, {300, 102}, {250, 96}},
       {300, 64}},
      {"Boreal",
       QColor(120, 170, 120),
       {{212, 112},
        {250, 96},
        {300, 102},
        {360, 92},
        {392, 140},
        {380, 226},
        {320, 240},
        {280, 214},
        {252, 228},
        {226, 190}},
       {312, 168}},
      {"Atlantic",
       QColor(150, 200, 220),
       {{118, 272}, {196, 262}, {206, 300}, {176, 336}, {128, 352}, {88, 344}, {92, 306}},
       {146, 306}},
      {"Continental",
       QColor(226, 206, 150),
       {{196, 262},
        {252, 240},
        {320, 240},
        {380, 226},
        {394, 320},
        {352, 356},
        {272, 348},
        {206, 300}},
       {300, 292}},
      {"Alpine",
       QColor(190, 150, 200),
       {{176, 336}, {206, 300}, {272, 348}, {262, 368}, {214, 372}, {182, 364}},
       {222, 346}},
      {"Mediterranean",
       QColor(236, 170, 120),
       {{56, 388},
        {88, 344},
        {128, 352},
        {176, 336},
        {182, 364},
        {214, 372},
        {262, 368},
        {272, 348},
        {352, 356},
        {372, 400},
        {330, 452},
        {270, 430},
        {240, 470},
        {160, 462},
        {90, 470},
        {48, 440}},
       {204, 416}},
  };
}

QImage RegionsMap() {
  QImage image(400, 520, QImage::Format_RGB32);
  image.fill(QColor(196, 222, 240));  // the sea
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const std::vector<Region> regions = MapRegions();
  // Two islands of the west.
  p.setPen(QPen(QColor(70, 70, 70), 1.2));
  p.setBrush(QColor(150, 200, 220));
  p.drawPolygon(QPolygonF({{102, 150}, {138, 140}, {150, 196}, {140, 250}, {108, 258}, {92, 214}}));
  p.drawPolygon(QPolygonF({{56, 190}, {80, 184}, {86, 222}, {62, 236}, {48, 214}}));

  QFont font("DejaVu Sans", 10, QFont::Bold);
  for (const Region& region : regions) {
    p.setBrush(region.colour);
    p.drawPolygon(QPolygonF(QList<QPointF>(region.outline.begin(), region.outline.end())));
  }
  p.setFont(font);
  p.setPen(QColor(30, 30, 30));
  for (const Region& region : regions) {
    QRectF box(region.label.x() - 70, region.label.y() - 10, 140, 20);
    p.drawText(box, Qt::AlignCenter, region.name);
  }
  p.setFont(QFont("DejaVu Sans", 11, QFont::Bold));
  p.drawText(QRectF(0, 484, 400, 20), Qt::AlignCenter, "Biogeographical regions (schematic)");
  p.setFont(QFont("DejaVu Sans", 8));
  p.drawText(QRectF(0, 502, 400, 16), Qt::AlignCenter,
             "Pick the region that covers most of the stand's country.");
  return image;
}

void Conifer(QPainter& p, double x, double base, double height) {
  p.setBrush(QColor(40, 100, 60));
  for (int tier = 0; tier < 3; ++tier) {
    const double top = base - height + tier * height * 0.22;
    const double width = height * (0.28 + 0.1 * tier);
    p.drawPolygon(QPolygonF(
        {{x, top}, {x + width / 2, top + height * 0.45}, {x - width / 2, top + height * 0.45}}));
  }
  p.setBrush(QColor(100, 70, 40));
  p.drawRect(QRectF(x - 2, base - height * 0.1, 4, height * 0.1));
}

void Broadleaf(QPainter& p, double x, double base, double height) {
  p.setBrush(QColor(100, 70, 40));
  p.drawRect(QRectF(x - 3, base - height * 0.45, 6, height * 0.45));
  p.setBrush(QColor(90, 150, 70));
  p.drawEllipse(QPointF(x, base - height * 0.68), height * 0.3, height * 0.3);
}

QImage AboutPicture() {
  QImage image(260, 130, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, 130);
  sky.setColorAt(0, QColor(150, 200, 240));
  sky.setColorAt(1, QColor(230, 244, 250));
  p.fillRect(image.rect(), sky);
  p.setPen(Qt::NoPen);
  QPainterPath hill;
  hill.moveTo(0, 110);
  hill.cubicTo(70, 80, 170, 86, 260, 104);
  hill.lineTo(260, 130);
  hill.lineTo(0, 130);
  p.fillPath(hill, QColor(120, 170, 90));
  Conifer(p, 150, 96, 56);
  Conifer(p, 178, 98, 44);
  Broadleaf(p, 206, 101, 48);
  Conifer(p, 232, 103, 50);
  p.setPen(QColor(20, 60, 40));
  p.setFont(QFont("DejaVu Serif", 24, QFont::Bold));
  p.drawText(QRectF(10, 14, 130, 40), Qt::AlignLeft | Qt::AlignVCenter, "Tarvex");
  p.setFont(QFont("DejaVu Sans", 8));
  p.drawText(QRectF(12, 52, 130, 30), Qt::AlignLeft | Qt::TextWordWrap,
             "stands, management and nutrients");
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: picture_generator OUTPUT-FOLDER\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  bool ok = RegionsMap().save(folder.filePath("regions_map.jpg"), "JPG", 90);
  ok = AboutPicture().save(folder.filePath("tarvex_about.jpg"), "JPG", 90) && ok;
  if (!ok) {
    std::fprintf(stderr, "picture_generator: cannot write the pictures into %s\n", argv[1]);
    return 1;
  }
  return 0;
}
