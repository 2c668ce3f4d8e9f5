// Build tool: writes the window icon's PNG renditions as C++ pixel arrays.
//
//   icon_pixels OUT.cpp SIZE=FILE.png...
//
// The program then makes its icon from memory. Decoding a PNG at start-up
// would load every image-format plugin Qt has (SVG, JPEG, GIF, ICO) before the
// window can show.
#include <QFile>
#include <QImage>
#include <QString>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("usage: icon_pixels OUT.cpp SIZE=FILE.png...\n", stderr);
    return 2;
  }
  QString arrays;
  QString table;
  QTextStream a(&arrays);
  QTextStream t(&table);
  for (int i = 2; i < argc; ++i) {
    const QString arg = QString::fromLocal8Bit(argv[i]);
    const qsizetype eq = arg.indexOf(QLatin1Char('='));
    bool ok = false;
    const int size = eq > 0 ? arg.left(eq).toInt(&ok) : 0;
    const QImage image = QImage(arg.mid(eq + 1)).convertToFormat(QImage::Format_ARGB32);
    if (!ok || image.isNull() || image.width() != size || image.height() != size) {
      std::fprintf(stderr, "icon_pixels: %s is not a %d x %d PNG\n", argv[i], size, size);
      return 1;
    }
    a << "alignas(4) const std::uint32_t k" << size << "[" << size * size << "] = {";
    for (int y = 0; y < size; ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
      for (int x = 0; x < size; ++x)
        a << (x % 8 == 0 ? "\n   " : "") << " 0x" << QString::number(line[x], 16).rightJustified(8, QLatin1Char('0'))
          << ",";
    }
    a << "\n};\n\n";
    t << "    {" << size << ", k" << size << "},\n";
  }
  QFile out(QString::fromLocal8Bit(argv[1]));
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    std::fprintf(stderr, "icon_pixels: cannot write %s\n", argv[1]);
    return 1;
  }
  QTextStream o(&out);
  o << "// Made by the build (icon_pixels) from data/icons/tickwell-N.png.\n"
       "#include \"app_icon_pixels.h\"\n\n"
       "namespace tickwell {\nnamespace {\n\n"
    << arrays << "const IconPixels kAll[] = {\n"
    << table
    << "};\n\n}  // namespace\n\n"
       "std::span<const IconPixels> appIconPixels() { return kAll; }\n\n"
       "}  // namespace tickwell\n";
  o.flush();
  return out.error() == QFileDevice::NoError ? 0 : 1;
}
