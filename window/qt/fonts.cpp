#include "window/qt/fonts.hpp"

#include <QStringList>

#include "window/model/font_faces.hpp"

namespace tarvel::qt {
namespace {

QString toQString(std::string_view face) {
  return QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()));
}

}  // namespace

void installFontSubstitutes() {
  for (const design::SimilarFaces& entry : design::kSimilarFaces) {
    QStringList similar;
    for (const std::string_view face : entry.similar)
      similar.append(toQString(face));
    QFont::insertSubstitutions(toQString(entry.face), similar);
  }
}

QFont fontOf(const FontSpec& wanted) {
  QFont font(toQString(wanted.face));
  font.setPointSizeF(wanted.points);
  font.setBold(wanted.bold);
  return font;
}

}  // namespace tarvel::qt
