#include "window/qt/fonts.hpp"

#include <QStringList>

namespace tarvel::qt {

void installFontSubstitutes() {
  const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                         QStringLiteral("Sans Serif")};
  for (const char* face : {"MS Sans Serif", "Arial", "System"})
    QFont::insertSubstitutions(QString::fromLatin1(face), sans);
  QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                             {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
}

QFont fontOf(const FontSpec& spec) {
  QFont font(QString::fromUtf8(spec.face.data(), static_cast<qsizetype>(spec.face.size())));
  font.setPointSizeF(spec.points);
  font.setBold(spec.bold);
  return font;
}

}  // namespace tarvel::qt
